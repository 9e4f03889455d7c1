// VYXSpellQueue.h: the paragraphs of a document that changed since they were last checked.
//
// The queue watches the document's edits: text inserted or removed queues the
// paragraphs it touched (an inserted table queues itself, and its cells are checked
// whole); formatting queues nothing, as it changes no word. Queued places are
// addresses and move with later edits, so several edits between checks are fine.
#pragma once

#include <vector>

#include "model/VYXLogDocument.h"

class TVYXSpellQueue : public TVYXDocWatcher {
public:
    // Watches `doc` until destroyed; `doc` must outlive the queue.
    explicit TVYXSpellQueue(TVYXLogDocument& doc);
    ~TVYXSpellQueue() override;
    TVYXSpellQueue(const TVYXSpellQueue&) = delete;
    TVYXSpellQueue& operator=(const TVYXSpellQueue&) = delete;

    void DocChanged(TVYXLogDocument& doc, const TVYXDocEditEvent& event) override;

    TVYXLogDocument& Document() const { return FDoc; }
    // Queues every item of the body (a whole check).
    void QueueAll();
    bool Empty() const { return FItems.empty(); }
    // The queued items in reading order, each once (CharPos 1), and an empty queue.
    std::vector<TVYXDocAddress> Take();

private:
    void Queue(const TVYXDocAddress& address);

    TVYXLogDocument& FDoc;
    std::vector<TVYXDocAddress> FItems;
};
