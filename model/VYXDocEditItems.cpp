// VYXDocEditItems.cpp: whole-item edits (the inverses of the table and paragraph-structure
// edits) and deep copies of what edits return, for watchers that keep them.
#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "model/VYXLogDocument.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXMarkupRewire.h"
#include "model/VYXTable.h"
#include "platform/VYXException.h"

namespace {

std::unique_ptr<TVYXPAPX> CopyPAPX(const TVYXPAPX* source)
{
    if (!source)
        return nullptr;
    auto copy = std::make_unique<TVYXPAPX>(source->PAP());
    copy->Assign(*source, nullptr, nullptr);
    return copy;
}

std::unique_ptr<TVYXCHPX> CopyCHPX(const TVYXCHPX* source)
{
    if (!source)
        return nullptr;
    auto copy = std::make_unique<TVYXCHPX>(source->CHP());
    copy->Assign(*source, nullptr, nullptr);
    return copy;
}

// Rows lay themselves out again; paragraphs only need to know they changed.
void MarkDirty(TVYXLogParaItem& item)
{
    if (item.IsPara()) {
        static_cast<TVYXLogPara&>(item).MakeDirty();
        return;
    }
    auto& table = static_cast<TVYXTable&>(item);
    for (int r = 0; r < table.Count(); ++r)
        table.GetRows(r)->MakeDirty();
}

template <class F>
void ForEachParaOf(TVYXLogParaItem& item, const F& f)
{
    if (item.IsPara()) {
        f(static_cast<TVYXLogPara&>(item));
        return;
    }
    auto& table = static_cast<TVYXTable&>(item);
    for (int r = 0; r < table.Count(); ++r)
        for (int c = 0; c < table.GetRows(r)->Count(); ++c) {
            TVYXLogParas& cell = table.GetRows(r)->GetCells(c)->Paras();
            for (int i = 0; i < cell.Count(); ++i)
                ForEachParaOf(*cell.GetItems(i), f);
        }
}

// Copies of boundary runs come unlinked. The bookmarks, comments and permissions they
// name get their chains and ranges made again from every end the body now holds (the
// runs they named may have gone with the items removed).
void Relink(TVYXLogDocument& doc, TVYXLogParas& list, int first, int end)
{
    // Only objects the document holds now: a copy may name one that has gone.
    std::vector<const TVYXMarkupObject*> held;
    for (int i = 0; i < doc.Bookmarks().Count(); ++i)
        held.push_back(doc.Bookmarks().GetItems(i));
    for (int i = 0; i < doc.Comments().Count(); ++i)
        held.push_back(doc.Comments().GetItems(i));
    for (int i = 0; i < doc.Permissions().Count(); ++i)
        held.push_back(doc.Permissions().GetItems(i));
    std::vector<TVYXMarkupObject*> order;
    for (int i = first; i < end && i < list.Count(); ++i)
        ForEachParaOf(*list.GetItems(i), [&](TVYXLogPara& para) {
            for (int r = 0; r < para.Count(); ++r) {
                auto* run = dynamic_cast<TVYXCharRunLinked*>(para.GetItems(r));
                if (!run || !run->Field() || run->OwnsField() || run->LinkedType == acrltComplexField ||
                    run->LinkedType == acrltRevision ||
                    std::find(held.begin(), held.end(), run->Field()) == held.end() ||
                    std::find(order.begin(), order.end(), run->Field()) != order.end())
                    continue;
                order.push_back(run->Field());
            }
        });
    // The object's ends may lie partly outside the items (a bookmark from the text
    // before a table into one of its cells): the chain and the range are made again
    // from all the ends the body holds, in reading order.
    VYXRewireMarkup(doc.Paras(), order);
}

}  // namespace

std::unique_ptr<TVYXDocFragment> TVYXDocFragment::Clone() const
{
    auto copy = std::make_unique<TVYXDocFragment>();
    if (Paras)
        copy->Paras = Paras->Clone(nullptr, nullptr);
    copy->HeadPAPX = CopyPAPX(HeadPAPX.get());
    copy->TailPAPX = CopyPAPX(TailPAPX.get());
    copy->HeadSEP = HeadSEP ? HeadSEP->Clone() : nullptr;
    copy->TailSEP = TailSEP ? TailSEP->Clone() : nullptr;
    copy->Origin = Origin;
    copy->Boundaries.reserve(Boundaries.size());
    for (const TBoundary& where : Boundaries)
        copy->Boundaries.push_back({where.At, where.Order, where.EmptyBefore, CopyCHPX(where.EmptyBeforeCHPX.get())});
    copy->LeadingEmpty = LeadingEmpty;
    copy->HasEmptyTail = HasEmptyTail;
    copy->EmptyTailCHPX = CopyCHPX(EmptyTailCHPX.get());
    copy->HeadGraphics = HeadGraphics;
    return copy;
}

std::unique_ptr<TVYXDocFormats> TVYXDocFormats::Clone() const
{
    auto copy = std::make_unique<TVYXDocFormats>();
    copy->Range = Range;
    copy->Runs.reserve(Runs.size());
    for (const TRunFormat& run : Runs)
        copy->Runs.push_back({run.Para, run.From, run.To, CopyCHPX(run.CHPX.get())});
    copy->Paras.reserve(Paras.size());
    for (const TParaFormat& para : Paras)
        copy->Paras.push_back({para.Para, CopyPAPX(para.PAPX.get()), para.SEP, para.WithSEP});
    copy->Objects = Objects;  // immutable snapshots: shared
    copy->DocSEP = DocSEP;
    copy->WithDocSEP = WithDocSEP;
    return copy;
}

std::unique_ptr<TVYXDocFragment> TVYXLogDocument::RemoveItems(const TVYXDocRange& range)
{
    TVYXLogParas* list = VYXListAt(*FLogParas, range.First.Path);
    const int first = range.First.Item, end = range.Last.Item;
    if (!list || !range.First.SameList(range.Last) || range.First.CharPos != 1 || range.Last.CharPos != 1 ||
        first < 0 || end <= first || end > list->Count() || end - first >= list->Count())
        throw VYXException("Invalid address");
    auto fragment = std::make_unique<TVYXDocFragment>();
    fragment->Paras = CreateParas();
    for (int i = end - 1; i >= first; --i)
        fragment->Paras->InsertItem(0, list->Extract(i));
    // Ends of bookmarks, comments and permissions that went with the items: the ranges
    // follow the ends the body keeps and name none of the runs taken out.
    std::vector<TVYXMarkupObject*> markup;
    VYXMarkupOf(*fragment->Paras, markup);
    VYXUnlinkMarkup(*fragment->Paras);
    VYXRewireMarkup(*FLogParas, markup);
    // The items went up to the list's end: nothing follows to mark.
    if (TVYXLogParaItem* next = first < list->Count() ? list->GetItems(first) : nullptr)
        MarkDirty(*next);
    TVYXDocEditEvent event;
    event.Change = {adckRemove, range};
    event.Removed = fragment.get();
    event.Items = true;
    Notify(event);
    return fragment;
}

TVYXDocRange TVYXLogDocument::InsertItems(const TVYXDocAddress& before, const TVYXDocFragment& items)
{
    TVYXLogParas* list = VYXListAt(*FLogParas, before.Path);
    if (!list || before.Item < 0 || before.Item > list->Count())
        throw VYXException("Invalid address");
    TVYXDocRange range;
    range.First.Path = range.Last.Path = before.Path;
    range.First.Item = range.Last.Item = before.Item;
    if (!items.Paras || items.Paras->Count() == 0)
        return range;
    for (int i = 0; i < items.Paras->Count(); ++i) {
        TVYXLogParaItem* item = list->InsertItem(before.Item + i, items.Paras->GetItems(i)->Clone(list));
        MarkDirty(*item);
    }
    range.Last.Item = before.Item + items.Paras->Count();
    Relink(*this, *list, before.Item, range.Last.Item);
    TVYXDocEditEvent event;
    event.Change = {adckInsert, range};
    event.Items = true;
    Notify(event);
    return range;
}

void TVYXLogDocument::PutEmptyRun(const TVYXDocAddress& at, const TVYXCHPX* chpx)
{
    TVYXLogPara* para = VYXParaAt(*FLogParas, at);
    if (!para || at.CharPos < 1 || at.CharPos > para->EndOfParaPos())
        throw VYXException("Invalid address");
    TVYXCharRuns& runs = para->CharRuns();
    int index = 0;
    TVYXCharRun* found = nullptr;
    for (; index < runs.Count(); ++index) {
        TVYXCharRun* run = runs.Items(index);
        if (run->StartPos() == at.CharPos && run->Type_() == acrtText && run->Len() == 0) {
            found = run;
            break;
        }
        if (run->StartPos() >= at.CharPos)
            break;
    }
    if (found)
        found->SetCHPX(chpx);
    else
        runs.Insert(index, chpx);
    runs.Reindex();
    para->MakeDirty();
    TVYXDocFormats none;
    none.Range = {at, at};
    TVYXDocEditEvent event;
    event.Change = {adckFormat, none.Range};
    event.Previous = &none;
    Notify(event);
}
