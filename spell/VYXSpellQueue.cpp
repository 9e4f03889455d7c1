// VYXSpellQueue.cpp: queueing the paragraphs that edits touched.
#include "spell/VYXSpellQueue.h"

#include <algorithm>

TVYXSpellQueue::TVYXSpellQueue(TVYXLogDocument& doc) : FDoc(doc) { FDoc.AddWatcher(*this); }

TVYXSpellQueue::~TVYXSpellQueue() { FDoc.RemoveWatcher(*this); }

void TVYXSpellQueue::Queue(const TVYXDocAddress& address)
{
    TVYXDocAddress a = address;
    a.CharPos = 1;
    FItems.push_back(std::move(a));
}

void TVYXSpellQueue::DocChanged(TVYXLogDocument&, const TVYXDocEditEvent& event)
{
    const TVYXDocChange& change = event.Change;
    if (change.Kind == adckFormat)
        return;
    // Earlier entries name their items as they stood before this edit.
    for (TVYXDocAddress& a : FItems) {
        a = VYXAdjustAddress(a, change);
        a.CharPos = 1;
    }
    if (change.Kind == adckRemove) {
        // What is left where the range stood is the first end's paragraph.
        Queue(change.Range.First);
        return;
    }
    TVYXDocAddress a = change.Range.First;
    for (int item = change.Range.First.Item; item <= change.Range.Last.Item; ++item) {
        a.Item = item;
        Queue(a);
    }
}

void TVYXSpellQueue::QueueAll()
{
    TVYXDocAddress a;
    for (int i = 0; i < FDoc.Paras().Count(); ++i) {
        a.Item = i;
        Queue(a);
    }
}

std::vector<TVYXDocAddress> TVYXSpellQueue::Take()
{
    std::vector<TVYXDocAddress> items;
    items.swap(FItems);
    std::sort(items.begin(), items.end());
    items.erase(std::unique(items.begin(), items.end()), items.end());
    return items;
}
