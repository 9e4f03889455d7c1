// VYXDocEdit.cpp: the primitive edits of a document, built on the body's own paste, delete and format operations.
//
// Why the inverses are exact:
// - Removing a range that crosses paragraphs leaves one paragraph where its ends
//   stood, with the first one's format when the range starts inside it and the last
//   one's when it starts at position 1; the fragment keeps the other format (Head or
//   Tail). Inserting content that crosses paragraphs keeps the target paragraph's
//   format on the side where its text stays and gives the other end the fragment's
//   Head or Tail. So insert(remove(r)) and remove(insert(c)) both leave every
//   paragraph format and section as it was.
// - A range's end at a paragraph's end position leaves the paragraph mark in the
//   body; a range that takes a mark ends at position 1 of the next paragraph.
// - Boundary runs of bookmarks, comments and permissions stay in the body when the
//   text around them goes, so fragments leave them out: a removal gathers those of its
//   range (both ends and whole tables included) where the range started, in reading
//   order, and records where each stood. Inserting the fragment back at that address
//   moves them back; so a boundary's object never loses its chain, and an insertion
//   followed by its removal gathers what stood at the insertion point back there.
// - The body's delete keeps a list's last paragraph apart when the range empties it;
//   a removal here joins the ends all the same, so content that ended a list (or a
//   table pasted at a paragraph's end) goes without leaving an empty paragraph.
// - Format records hold the run formats of the characters they cover, cut at the
//   range's ends; putting them back cuts runs at the same places and merges equal
//   neighbours, so a body whose runs were merged before comes back run for run.
// - The end of inserted content is found by counting from the list's end and the
//   paragraph's end, which the paste does not touch, so no paste rule needs to be
//   known here.
#include "model/VYXLogDocument.h"

#include <algorithm>
#include <functional>

#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPos.h"
#include "model/VYXTidyRuns.h"
#include "platform/VYXException.h"

namespace {
std::unique_ptr<TVYXPAPX> CopyPAPX(const TVYXPAPX& source)
{
    auto copy = std::make_unique<TVYXPAPX>(source.PAP());
    copy->Assign(source, nullptr, nullptr);
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

// A paragraph's format and section, to be given to another paragraph.
struct TParaLook {
    std::unique_ptr<TVYXPAPX> PAPX;
    std::unique_ptr<TVYXSEP> SEP;
};

TParaLook LookOf(const TVYXLogPara& para)
{
    return {CopyPAPX(para.PAPX()), para.SEP() ? para.SEP()->Clone() : nullptr};
}

void SetSEP(TVYXLogPara& para, const TVYXSEP* sep);

void SetLook(TVYXLogPara& para, const TVYXPAPX& papx, const TVYXSEP* sep)
{
    para.PAPX().Assign(papx, nullptr, nullptr);
    SetSEP(para, sep);
    para.MakeDirty();
}

bool IsBoundary(const TVYXCharRun& run) { return run.Type_() == acrtLinked && run.Len() == 0; }

// An empty text run: where typing takes a format that no text carries yet.
bool IsEmptyText(const TVYXCharRun& run) { return run.Type_() == acrtText && run.Len() == 0; }

// An empty run that is neither text nor a boundary: a complex field's begin,
// instruction, separator or end. The body's delete never takes one.
bool IsEmptyMark(const TVYXCharRun& run)
{
    return run.Len() == 0 && run.Type_() != acrtText && run.Type_() != acrtLinked;
}

// How many empty marks stand at `pos` of `para`.
int EmptyMarksAt(const TVYXLogPara& para, std::int32_t pos)
{
    int count = 0;
    for (int r = 0; r < para.Count(); ++r) {
        const TVYXCharRun* run = para.GetItems(r);
        if (run->StartPos() > pos)
            break;
        count += run->StartPos() == pos && IsEmptyMark(*run);
    }
    return count;
}

// Every paragraph of an item, cells of nested tables included.
void ForEachPara(TVYXLogParaItem& item, const std::function<void(TVYXLogPara&)>& visit)
{
    if (item.IsPara()) {
        visit(static_cast<TVYXLogPara&>(item));
        return;
    }
    auto& table = static_cast<TVYXTable&>(item);
    for (int r = 0; r < table.Count(); ++r)
        for (int c = 0; c < table.GetRows(r)->Count(); ++c) {
            TVYXLogParas& paras = table.GetRows(r)->GetCells(c)->Paras();
            for (int i = 0; i < paras.Count(); ++i)
                ForEachPara(*paras.GetItems(i), visit);
        }
}

// Boundary runs stay in the body when the text around them is removed, so a fragment
// holds none (a copied one would be a second, unchained boundary of the same object).
void DropBoundaryRuns(TVYXLogParas& paras)
{
    for (int i = 0; i < paras.Count(); ++i)
        ForEachPara(*paras.GetItems(i), [](TVYXLogPara& p) {
            TVYXCharRuns& runs = p.CharRuns();
            const int count = runs.Count();
            for (int r = runs.Count() - 1; r >= 0; --r)
                if (IsBoundary(*runs.Items(r)))
                    runs._DeleteLinked(r);
            if (runs.Count() == 0) {
                runs.Add();
                return;
            }
            if (runs.Count() == count)
                return;
            // The text the boundaries parted is one run again. Empty runs stay: one
            // beside a boundary is kept in the body too, and must come back with the
            // text when the boundaries are put back among them.
            bool merged = false;
            for (int r = runs.Count() - 2; r >= 0; --r) {
                TVYXCharRun* a = runs.Items(r);
                const TVYXCharRun* b = runs.Items(r + 1);
                if (a->Type_() != acrtText || b->Type_() != acrtText || a->Text().empty() || b->Text().empty() ||
                    a->Revision() || b->Revision() || !TVYXCharRuns::IsEqualCHPX(*a, *b))
                    continue;
                a->SetRawText(a->Text() + b->Text());
                runs.Delete(r + 1);
                merged = true;
            }
            if (merged)
                runs.Reindex();
        });
}

// A boundary's markup remembers the paragraphs of its ends; keep them true when the
// run moves to another paragraph.
void Rehome(TVYXCharRun& run, TVYXLogPara& para)
{
    auto* linked = dynamic_cast<TVYXCharRunLinked*>(&run);
    auto* markup = linked ? dynamic_cast<TVYXMarkup*>(linked->Field()) : nullptr;
    auto* range = markup ? dynamic_cast<TVYXFieldSelectionImpl*>(markup->Selection.get()) : nullptr;
    if (!range)
        return;
    if (range->FirstRun == linked)
        range->FirstPara = &para;
    if (range->LastRun == linked)
        range->LastPara = &para;
}

using TRunList = std::vector<std::unique_ptr<TVYXCharRun>>;

// Takes the runs at `indexes` (ascending) out of a paragraph and appends them to `taken`
// in that order. A paragraph keeps at least an empty run.
void DetachRuns(TVYXLogPara& para, const std::vector<int>& indexes, TRunList& taken)
{
    TVYXCharRuns& runs = para.CharRuns();
    const std::size_t base = taken.size();
    taken.resize(base + indexes.size());
    for (std::size_t k = indexes.size(); k-- > 0;)
        taken[base + k] = runs.Detach(indexes[k]);
    if (runs.Count() == 0)
        runs.Add();
}

// Takes out the boundary runs in a range of `list` (those at both ends included, every
// one of a whole table) in reading order, and records where each stood.
TRunList TakeBoundaries(TVYXLogParas& list, const TVYXDocRange& range,
                        std::vector<TVYXDocFragment::TBoundary>& where)
{
    TRunList taken;
    for (int i = range.First.Item; i <= range.Last.Item; ++i) {
        TVYXLogParaItem* item = list.GetItems(i);
        if (!item)
            continue;
        const bool whole = item->IsTable();
        ForEachPara(*item, [&](TVYXLogPara& p) {
            std::int32_t from = 1, to = p.EndOfParaPos();
            if (!whole && i == range.First.Item)
                from = range.First.CharPos;
            if (!whole && i == range.Last.Item)
                to = range.Last.CharPos;
            const TVYXCharRuns& runs = p.CharRuns();
            std::vector<int> found;
            int order = 0;
            std::int32_t orderPos = -1;
            for (int r = 0; r < runs.Count(); ++r) {
                const TVYXCharRun* run = runs.Items(r);
                if (run->Len() != 0)
                    continue;
                if (run->StartPos() != orderPos) {
                    orderPos = run->StartPos();
                    order = 0;
                }
                if (IsBoundary(*run) && run->StartPos() >= from && run->StartPos() <= to) {
                    const TVYXCharRun* before = r > 0 ? runs.Items(r - 1) : nullptr;
                    const bool empty = before && IsEmptyText(*before);
                    where.push_back({VYXAddressOf(p, run->StartPos()), order, empty,
                                     empty ? CopyCHPX(before->CHPX()) : nullptr});
                    found.push_back(r);
                }
                ++order;
            }
            if (!found.empty())
                DetachRuns(p, found, taken);
        });
    }
    return taken;
}

// The index before which a run placed at `pos` goes, after `order` empty runs there.
int PlaceFor(TVYXLogPara& para, std::int32_t pos, int order);

// Puts runs back into a paragraph at `pos`, after `order` empty runs there.
void PutRun(TVYXLogPara& para, std::int32_t pos, int order, std::unique_ptr<TVYXCharRun> run)
{
    TVYXCharRun& placed = *para.CharRuns().Insert(PlaceFor(para, pos, order), std::move(run));
    Rehome(placed, para);
}

void SetSEP(TVYXLogPara& para, const TVYXSEP* sep)
{
    if (!sep) {
        para.ClearSEP();
        return;
    }
    para.AddSEP()->Assign(*sep);
}

// The part of `para` a range covers: From..To-1.
void RangeInPara(const TVYXLogPara& para, const TVYXLogPos& first, const TVYXLogPos& last, std::int32_t& from,
                 std::int32_t& to)
{
    from = &para == first.Para ? first.CharPos : 1;
    to = &para == last.Para ? last.CharPos : para.EndOfParaPos();
}

// Makes a run begin at `pos` (an atom is never cut).
void CutRunsAt(TVYXLogPara& para, std::int32_t pos)
{
    if (pos <= 1 || pos >= para.EndOfParaPos())
        return;
    TVYXCharRuns& runs = para.CharRuns();
    TVYXCharRun* run = runs.FindAbsolute(pos, true);
    if (run && pos > run->StartPos() && pos < run->GetEndPos() && run->IsNotAtom())
        runs.SplitAndInsert(*run, pos);
}

// Merges equal neighbours, and the pieces of a simple field that a cut inside its result
// left side by side (a piece refers to the field of the run it was cut from), so that an
// edit and its inverse leave one run where one was.
void Tidy(TVYXLogPara& para)
{
    // An empty run just before a boundary keeps the format typing there takes; merging
    // would drop it, and nothing that puts the boundary back could tell it was there.
    TVYXCharRuns& runs = para.CharRuns();
    const int count = runs.Count();
    int end = count - 1;
    for (int r = count - 2; r >= -1; --r) {
        if (r >= 0 && !(runs.Items(r)->Type_() == acrtText && runs.Items(r)->Text().empty() &&
                        IsBoundary(*runs.Items(r + 1))))
            continue;
        runs.Combine2(r + 1, end);
        end = r - 1;
    }
    runs.Reindex();
    if (runs.Count() != count)
        para.MakeDirty();
    bool merged = false;
    for (int i = runs.Count() - 2; i >= 0; --i) {
        auto* a = dynamic_cast<TVYXCharRunSimpleField*>(runs.Items(i));
        auto* b = dynamic_cast<TVYXCharRunSimpleField*>(runs.Items(i + 1));
        if (!a || !b || a->SimpField() != b->SimpField() || !TVYXCharRuns::IsEqualCHPX(*a, *b) ||
            (a->Revision() != nullptr) != (b->Revision() != nullptr) || (a->Revision() && !a->CanCombine(*b)))
            continue;
        // The run that owns the field stays.
        if (b->OwnsField()) {
            b->SetRawText(a->GetText() + b->GetText());
            runs.Delete(i);
        } else {
            a->SetRawText(a->GetText() + b->GetText());
            runs.Delete(i + 1);
        }
        merged = true;
    }
    if (merged) {
        runs.Reindex();
        para.MakeDirty();
    }
}

int PlaceFor(TVYXLogPara& para, std::int32_t pos, int order)
{
    CutRunsAt(para, pos);
    const TVYXCharRuns& runs = para.CharRuns();
    int index = 0;
    while (index < runs.Count() && runs.Items(index)->StartPos() < pos)
        ++index;
    for (; order > 0 && index < runs.Count(); --order, ++index) {
        const TVYXCharRun* run = runs.Items(index);
        if (run->Len() != 0 || run->StartPos() != pos)
            break;
    }
    return index;
}

// The empty text run standing at `pos`, which an insertion there fills; nullptr when none.
const TVYXCharRun* EmptyTextRunAt(const TVYXLogPara& para, std::int32_t pos)
{
    for (int r = 0; r < para.Count(); ++r) {
        const TVYXCharRun* run = para.GetItems(r);
        if (run->StartPos() > pos)
            break;
        if (run->StartPos() == pos && IsEmptyText(*run))
            return run;
    }
    return nullptr;
}

// The boundary runs a removal gathered at `at`, when they are all still there in the
// same order; otherwise nothing is taken.
TRunList TakeGathered(TVYXLogPara& para, std::int32_t at, const std::vector<TVYXDocFragment::TBoundary>& where)
{
    TRunList taken;
    const TVYXCharRuns& runs = para.CharRuns();
    std::vector<int> found;
    for (int r = 0; r < runs.Count(); ++r) {
        const TVYXCharRun* run = runs.Items(r);
        if (run->StartPos() == at && IsBoundary(*run))
            found.push_back(r);
    }
    if (found.size() == where.size())
        DetachRuns(para, found, taken);
    return taken;
}

// Empty text runs standing just before boundary runs (the format typing takes there,
// which Tidy keeps) are dropped by the body's own edits, which merge runs as a paste
// does. A door edit notes those it must leave in place and puts back any that went.
struct TKeptEmpty {
    const TVYXCharRun* Boundary;
    std::unique_ptr<TVYXCHPX> CHPX;
};

std::vector<TKeptEmpty> NoteEmptyRuns(const TVYXLogPara& para, const std::function<bool(const TVYXCharRun&)>& keep)
{
    std::vector<TKeptEmpty> kept;
    for (int r = 0; r + 1 < para.Count(); ++r) {
        const TVYXCharRun* run = para.GetItems(r);
        if (IsEmptyText(*run) && IsBoundary(*para.GetItems(r + 1)) && keep(*run))
            kept.push_back({para.GetItems(r + 1), CopyCHPX(run->CHPX())});
    }
    return kept;
}

bool KeepEmptyRunBefore(TVYXLogPara& para, const TVYXCharRun& boundary, const TVYXCHPX* chpx, bool exact = false);

// Puts back the noted runs before their boundaries, wherever paragraphs `first` to
// `last` of `list` hold them now.
void RestoreEmptyRuns(TVYXLogParas& list, int first, int last, const std::vector<TKeptEmpty>& kept)
{
    for (const TKeptEmpty& k : kept)
        for (int i = first; i <= last; ++i)
            if (TVYXLogPara* p = list.ParaAtIndex(i); p && KeepEmptyRunBefore(*p, *k.Boundary, k.CHPX.get()))
                break;
}

// The boundary run just after `run` of `para`, or nullptr.
const TVYXCharRun* BoundaryAfter(const TVYXLogPara& para, const TVYXCharRun& run)
{
    for (int r = 0; r + 1 < para.Count(); ++r)
        if (para.GetItems(r) == &run)
            return IsBoundary(*para.GetItems(r + 1)) ? para.GetItems(r + 1) : nullptr;
    return nullptr;
}

// Puts an empty text run of format `chpx` just before `boundary` in `para` unless one
// stands there (`exact`: then that one takes the format); false when `para` does not
// hold the boundary.
bool KeepEmptyRunBefore(TVYXLogPara& para, const TVYXCharRun& boundary, const TVYXCHPX* chpx, bool exact)
{
    TVYXCharRuns& runs = para.CharRuns();
    for (int r = 0; r < runs.Count(); ++r) {
        if (runs.Items(r) != &boundary)
            continue;
        TVYXCharRun* before = r > 0 ? runs.Items(r - 1) : nullptr;
        if (!before || !IsEmptyText(*before)) {
            runs.Insert(r, chpx);
            runs.Reindex();
            para.MakeDirty();
        } else if (exact) {
            before->SetCHPX(chpx);
            para.MakeDirty();
        }
        return true;
    }
    return false;
}

// Whether the run just before `boundary`, wherever it is in paragraphs `first` to
// `last` of `list`, is an empty text run.
bool EmptyRunBefore(const TVYXLogParas& list, int first, int last, const TVYXCharRun& boundary)
{
    for (int i = first; i <= last; ++i)
        if (const TVYXLogPara* p = list.ParaAtIndex(i))
            for (int r = 0; r < p->Count(); ++r)
                if (p->GetItems(r) == &boundary) {
                    const TVYXCharRun* before = r > 0 ? p->GetItems(r - 1) : nullptr;
                    return before && IsEmptyText(*before);
                }
    return false;
}

// Drops the copies of anchored objects from item `k` of a removed range's copy: the
// paragraph it stands for keeps its objects in the body.
void DropObjectCopies(TVYXLogParas& paras, int k)
{
    if (k < 0 || k >= paras.Count())
        return;
    if (TVYXLogParaItem* item = paras.GetItems(k); item->IsPara())
        static_cast<TVYXLogPara*>(item)->TakeGraphics();
}

// After content split the paragraph it went into: the paragraph's own objects (`own`,
// wherever the split left them) go to the paragraph holding its text before the
// content (`head`, the first `headCount`, before whatever copies the content brought
// it) and the rest to the one holding its text after it (`end`).
void PlaceOwnObjects(const std::vector<TVYXGraphicObj*>& own, TVYXLogPara* head, TVYXLogPara& end,
                     std::size_t headCount)
{
    std::vector<std::unique_ptr<TVYXGraphicObj>> live;
    for (TVYXGraphicObj* object : own) {
        std::unique_ptr<TVYXGraphicObj> taken;
        for (TVYXLogPara* p : {head, &end})
            if (TVYXGraphicObjList* list = p ? p->Graphics() : nullptr; list && !taken)
                taken = list->Snatch(*object);
        if (taken)
            live.push_back(std::move(taken));
    }
    headCount = head ? std::min(headCount, live.size()) : 0;
    if (headCount > 0) {
        std::vector<std::unique_ptr<TVYXGraphicObj>> brought = head->TakeGraphics();
        for (std::size_t k = 0; k < headCount; ++k)
            head->AddGraphic(std::move(live[k]));
        for (std::unique_ptr<TVYXGraphicObj>& copy : brought)
            head->AddGraphic(std::move(copy));
    }
    for (std::size_t k = headCount; k < live.size(); ++k)
        end.AddGraphic(std::move(live[k]));
    if (head)
        head->MakeDirty();
    end.MakeDirty();
}
// The empty marks at `pos` after the first `lead` of them (those a removal brought there
// from its end), taken out in order; nothing when they are all the paragraph holds.
TRunList TakeTrailingMarks(TVYXLogPara& para, std::int32_t pos, int lead)
{
    TRunList taken;
    std::vector<int> found;
    int seen = 0;
    for (int r = 0; r < para.Count(); ++r) {
        const TVYXCharRun* run = para.GetItems(r);
        if (run->StartPos() > pos)
            break;
        if (run->StartPos() == pos && IsEmptyMark(*run) && seen++ >= lead)
            found.push_back(r);
    }
    if (found.empty() || static_cast<int>(found.size()) == para.Count())
        return taken;
    DetachRuns(para, found, taken);
    return taken;
}

}  // namespace

void VYXTidyRuns(TVYXLogPara& para) { Tidy(para); }

// ---- Watchers ---------------------------------------------------------------------

void TVYXLogDocument::AddWatcher(TVYXDocWatcher& watcher)
{
    if (std::find(FWatchers.begin(), FWatchers.end(), &watcher) == FWatchers.end())
        FWatchers.push_back(&watcher);
}

void TVYXLogDocument::RemoveWatcher(TVYXDocWatcher& watcher)
{
    FWatchers.erase(std::remove(FWatchers.begin(), FWatchers.end(), &watcher), FWatchers.end());
}

void TVYXLogDocument::Notify(const TVYXDocEditEvent& event)
{
    // A watcher may unsubscribe (itself or another) while being told.
    const std::vector<TVYXDocWatcher*> watchers = FWatchers;
    for (TVYXDocWatcher* watcher : watchers)
        if (std::find(FWatchers.begin(), FWatchers.end(), watcher) != FWatchers.end())
            watcher->DocChanged(*this, event);
}

// ---- Addresses --------------------------------------------------------------------

TVYXLogPos TVYXLogDocument::PosAt(const TVYXDocAddress& address) const
{
    TVYXLogPara* para = VYXParaAt(*FLogParas, address);
    if (!para || address.CharPos < 1 || address.CharPos > para->EndOfParaPos())
        throw VYXException("Invalid address");
    return TVYXLogPos(para, address.CharPos);
}

// ---- Content ----------------------------------------------------------------------

std::unique_ptr<TVYXDocFragment> TVYXLogDocument::CopyContent(const TVYXDocRange& range) const
{
    if (!range.First.SameList(range.Last))
        throw VYXException("Range ends in different lists");
    if (range.Last < range.First)
        throw VYXException("Invalid address");
    const TVYXLogPos first = PosAt(range.First), last = PosAt(range.Last);
    auto fragment = std::make_unique<TVYXDocFragment>();
    fragment->Paras = CreateParas();
    if (range.Empty())
        return fragment;
    TVYXLogSelection selection;
    selection.Assign(first, last);
    selection.CopyContent(*fragment->Paras);
    // The selection counts a range to the very end of the list as taking the last
    // mark; here an end position never takes the mark it stands before.
    if (TVYXLogParaItem* tail = fragment->Paras->Last(); tail && tail->IsPara()) {
        const bool endsBeforeLast = range.Last.CharPos == 1 && range.Last.Item > range.First.Item;
        if (!endsBeforeLast)
            static_cast<TVYXLogPara*>(tail)->Pilcrow = false;
    }
    DropBoundaryRuns(*fragment->Paras);
    // A paragraph taken whole with its mark but without text still has the empty run
    // typing would fill, and its format: a range copy of [1, 1) has no room for it.
    TVYXLogParas& source = *first.Para->Paras();
    for (int item = range.First.Item; item < range.Last.Item; ++item) {
        const int k = item - range.First.Item;
        if (k >= fragment->Paras->Count())
            break;
        const TVYXLogPara* from = source.ParaAtIndex(item);
        TVYXLogParaItem* copyItem = fragment->Paras->GetItems(k);
        if (!from || !from->Empty() || !copyItem->IsPara())
            continue;
        auto* copy = static_cast<TVYXLogPara*>(copyItem);
        if (!copy->Empty() || copy->Count() != 1 || copy->GetItems(0)->Type_() != acrtText)
            continue;
        if (const TVYXCharRun* run = EmptyTextRunAt(*from, 1))
            copy->GetItems(0)->SetCHPX(run->CHPX());
    }
    if (range.Last.Item != range.First.Item && last.Para->Empty() && last.Para->Count() > 0) {
        fragment->HasEmptyTail = true;
        fragment->EmptyTailCHPX = CopyCHPX(last.Para->GetItems(0)->CHPX());
    }
    if (range.Last.Item != range.First.Item) {
        // The paragraph whose format the removal drops (see RemoveContent).
        TParaLook lost = LookOf(range.First.CharPos > 1 ? *last.Para : *first.Para);
        if (range.First.CharPos > 1) {
            fragment->TailPAPX = std::move(lost.PAPX);
            fragment->TailSEP = std::move(lost.SEP);
        } else {
            fragment->HeadPAPX = std::move(lost.PAPX);
            fragment->HeadSEP = std::move(lost.SEP);
        }
    }
    return fragment;
}

TVYXDocRange TVYXLogDocument::InsertContent(const TVYXDocAddress& at, const TVYXDocFragment& content)
{
    TVYXLogPos pos = PosAt(at);
    TVYXDocRange range{at, at};
    if (!content.Paras || content.Paras->Count() == 0)
        return range;
    // An empty run the content fills, looked for before the boundaries go: taking
    // them may leave the paragraph a stand-in empty run that was never there.
    const TVYXCharRun* emptyRun = EmptyTextRunAt(*pos.Para, at.CharPos);
    const bool hadEmptyRun = emptyRun != nullptr;
    const std::unique_ptr<TVYXCHPX> emptyRunCHPX = emptyRun ? CopyCHPX(emptyRun->CHPX()) : nullptr;
    // The empty run may stand just before a boundary run (the tidying keeps it there
    // for the format typing takes): whether it is still there is told by the run
    // before that boundary, wherever a split takes it. An empty paragraph the content
    // leaves at its end has an empty run of its own, which is no sign of it.
    const TVYXCharRun* boundaryAfterEmpty = emptyRun ? BoundaryAfter(*pos.Para, *emptyRun) : nullptr;
    // The others like it anywhere in the paragraph stay as they are: the list's insert
    // merges the runs of the paragraphs it fills as a paste does, which drops them.
    const std::vector<TKeptEmpty> keptEmpty =
        NoteEmptyRuns(*pos.Para, [emptyRun](const TVYXCharRun& run) { return &run != emptyRun; });
    // Back where it was removed: the boundaries gathered there go back to their places.
    TRunList boundaries;
    if (!content.Boundaries.empty() && at == content.Origin)
        boundaries = TakeGathered(*pos.Para, at.CharPos, content.Boundaries);
    // Where empty marks stand at `at`, the paste alone cannot tell which side of them
    // the content goes: those that stood before the removed range go back before it,
    // those that came from its end step aside and go back after it.
    std::vector<const TVYXCharRun*> leading;
    TRunList trailing;
    if (content.LeadingEmpty >= 0 && at == content.Origin) {
        for (int r = 0; r < pos.Para->Count() && static_cast<int>(leading.size()) < content.LeadingEmpty; ++r)
            if (const TVYXCharRun* run = pos.Para->GetItems(r); run->StartPos() == at.CharPos && IsEmptyMark(*run))
                leading.push_back(run);
        trailing = TakeTrailingMarks(*pos.Para, at.CharPos, content.LeadingEmpty);
    }
    TVYXLogParas& list = *pos.Para->Paras();
    const int itemsAfter = list.Count() - 1 - at.Item;
    const std::int32_t tail = pos.Para->EndOfParaPos() - at.CharPos;
    const TParaLook target = LookOf(*pos.Para);
    std::vector<TVYXGraphicObj*> own;
    if (TVYXGraphicObjList* graphics = pos.Para->Graphics())
        for (int i = 0; i < graphics->Count(); ++i)
            own.push_back(&graphics->GetItems(i));

    list.Insert(pos, *content.Paras);

    range.Last.Item = list.Count() - 1 - itemsAfter;
    TVYXLogPara* end = list.ParaAtIndex(range.Last.Item);
    if (!end)
        throw VYXException("Invalid address");
    range.Last.CharPos = end->EndOfParaPos() - tail;
    if (range.Last.Item != at.Item) {
        TVYXLogPara* head = list.ParaAtIndex(at.Item);
        if (at.CharPos > 1) {
            // The target's text stays before the content.
            if (head)
                SetLook(*head, *target.PAPX, target.SEP.get());
            if (content.TailPAPX)
                SetLook(*end, *content.TailPAPX, content.TailSEP.get());
        } else {
            // The target's text follows the content.
            SetLook(*end, *target.PAPX, target.SEP.get());
            if (head && content.HeadPAPX)
                SetLook(*head, *content.HeadPAPX, content.HeadSEP.get());
        }
        // A removal put back where it was gives each end its own objects again; other
        // content leaves them with the target's text before it, or after it when it
        // went in at the start.
        std::size_t headCount = at.CharPos > 1 ? own.size() : 0;
        if (content.HeadGraphics >= 0 && at == content.Origin)
            headCount = static_cast<std::size_t>(content.HeadGraphics);
        if (!own.empty())
            PlaceOwnObjects(own, head, *end, headCount);
    }
    std::vector<TVYXLogPara*> touched;
    if (!leading.empty()) {
        TVYXLogPara* head = list.ParaAtIndex(at.Item);
        TRunList moved;
        for (const TVYXCharRun* mark : leading)
            for (TVYXLogPara* p : {head, end}) {
                int index = -1;
                for (int r = 0; p && r < p->Count() && index < 0; ++r)
                    if (p->GetItems(r) == mark)
                        index = r;
                if (index >= 0) {
                    moved.push_back(p->CharRuns().Detach(index));
                    p->CharRuns().Reindex();
                    break;
                }
            }
        if (head) {
            const int place = PlaceFor(*head, at.CharPos, 0);
            for (std::size_t k = 0; k < moved.size(); ++k)
                head->CharRuns().Insert(place + static_cast<int>(k), std::move(moved[k]));
            head->CharRuns().Reindex();
            touched.push_back(head);
        }
    }
    if (!trailing.empty()) {
        const int place = PlaceFor(*end, range.Last.CharPos, 0);
        for (std::size_t k = 0; k < trailing.size(); ++k)
            end->CharRuns().Insert(place + static_cast<int>(k), std::move(trailing[k]));
        end->CharRuns().Reindex();
        touched.push_back(end);
    }
    // Boundaries that had an empty text run just before them, where they went back.
    struct TEmptyBefore {
        TVYXLogPara* Para;
        const TVYXCharRun* Boundary;
        const TVYXCHPX* CHPX;
    };
    std::vector<TEmptyBefore> emptyBefore;
    for (std::size_t k = 0; k < boundaries.size(); ++k) {
        const TVYXDocFragment::TBoundary& where = content.Boundaries[k];
        TVYXLogPara* p = VYXParaAt(*FLogParas, where.At);
        std::int32_t charPos = where.At.CharPos;
        if (!p || charPos > p->EndOfParaPos()) {
            // Not expected (the content came back as it went), but a boundary never leaves the body.
            p = end;
            charPos = range.Last.CharPos;
        }
        if (where.EmptyBefore)
            emptyBefore.push_back({p, boundaries[k].get(), where.EmptyBeforeCHPX.get()});
        PutRun(*p, charPos, where.Order, std::move(boundaries[k]));
        if (touched.empty() || touched.back() != p)
            touched.push_back(p);
    }
    // The paste cuts runs at both ends; merge them again, and where boundaries went back.
    for (int i = at.Item; i <= range.Last.Item; ++i)
        if (TVYXLogPara* p = list.ParaAtIndex(i))
            Tidy(*p);
    for (TVYXLogPara* p : touched)
        Tidy(*p);
    // Within one paragraph the content goes in front of such an empty run, as typed
    // text does: the run stays just before its boundary, where the list's insert,
    // merging runs as a paste does, may have dropped it.
    if (boundaryAfterEmpty && range.Last.Item == at.Item)
        KeepEmptyRunBefore(*end, *boundaryAfterEmpty, emptyRunCHPX.get());
    RestoreEmptyRuns(list, at.Item, range.Last.Item, keptEmpty);
    // The run that stood there had the recorded format. The paste may have left one of
    // another format in its place (content put into a paragraph the gathering emptied
    // gives it the content's own empty run): that one takes the recorded format.
    for (const TEmptyBefore& e : emptyBefore)
        KeepEmptyRunBefore(*e.Para, *e.Boundary, e.CHPX, true);
    // An empty last paragraph came from the split at `at`, with the format of the run
    // before it; the one removed had its own. (After tidying: the paste may leave the
    // target's empty run beside the content's.)
    if (content.HasEmptyTail && range.Last.Item != at.Item && end->Empty() && end->Count() == 1)
        end->GetItems(0)->SetCHPX(content.EmptyTailCHPX.get());
    TVYXDocEditEvent event;
    event.Change = {adckInsert, range};
    event.EmptyRun = hadEmptyRun && !EmptyTextRunAt(*end, range.Last.CharPos);
    if (boundaryAfterEmpty && range.Last.Item != at.Item)
        event.EmptyRun = !EmptyRunBefore(list, at.Item, range.Last.Item, *boundaryAfterEmpty);
    event.EmptyRunCHPX = emptyRunCHPX.get();
    Notify(event);
    return range;
}

TVYXDocRange TVYXLogDocument::InsertText(const TVYXDocAddress& at, std::u16string_view text)
{
    const TVYXLogPos pos = PosAt(at);
    const std::int32_t tail = pos.Para->EndOfParaPos() - at.CharPos;
    const TVYXCharRun* emptyRun = EmptyTextRunAt(*pos.Para, at.CharPos);
    const std::unique_ptr<TVYXCHPX> emptyRunCHPX = emptyRun ? CopyCHPX(emptyRun->CHPX()) : nullptr;
    const bool beforeBoundary = emptyRun && BoundaryAfter(*pos.Para, *emptyRun);
    pos.Para->InsertText(text, at.CharPos);
    // Typed text next to a run of its own format joins it, so that the runs after an
    // insertion do not depend on the way the text came in.
    Tidy(*pos.Para);
    TVYXDocRange range{at, at};
    range.Last.CharPos = pos.Para->EndOfParaPos() - tail;
    if (range.Empty())
        return range;
    TVYXDocEditEvent event;
    event.Change = {adckInsert, range};
    // Only a run the text filled is reported; one still standing beside it stays. One
    // before a boundary that the text went behind (after the boundary) is inside the
    // range all the same: removing the text takes it, so it is reported too.
    event.EmptyRun = emptyRun != nullptr && (beforeBoundary || !EmptyTextRunAt(*pos.Para, at.CharPos)) &&
                     !EmptyTextRunAt(*pos.Para, range.Last.CharPos);
    event.EmptyRunCHPX = emptyRunCHPX.get();
    Notify(event);
    return range;
}

TVYXDocRange TVYXLogDocument::InsertRun(const TVYXDocAddress& at,
                                        const std::function<TVYXCharRun*(TVYXLogPara& para, std::int32_t pos)>& make)
{
    TVYXLogPara* para = VYXParaAt(*FLogParas, at);
    if (!para || at.CharPos < 1 || at.CharPos > para->EndOfParaPos())
        throw VYXException("Invalid address");
    // An empty run the new one replaces (an empty paragraph's format) is reported, so
    // that taking the run out again puts it back.
    const TVYXCharRun* empty = EmptyTextRunAt(*para, at.CharPos);
    const bool hadEmptyRun = empty != nullptr;
    const std::unique_ptr<TVYXCHPX> emptyRunCHPX = empty ? CopyCHPX(empty->CHPX()) : nullptr;
    // The merge below drops every empty text run; those just before boundaries (the
    // format typing takes there) are put back, the one at `at` too: the new run goes
    // behind its boundary, as typed text does.
    const std::vector<TKeptEmpty> keptEmpty = NoteEmptyRuns(*para, [](const TVYXCharRun&) { return true; });
    TVYXCharRun* run = make(*para, at.CharPos);
    if (!run)
        return {at, at};
    para->CharRuns().Reindex();
    para->CombineCharRuns();  // no empty text run stays before the new one
    for (const TKeptEmpty& k : keptEmpty)
        KeepEmptyRunBefore(*para, *k.Boundary, k.CHPX.get());
    para->MakeDirty();
    TVYXDocRange range{at, at};
    range.Last.CharPos = run->StartPos() + run->Len();
    range.First.CharPos = run->StartPos();
    TVYXDocEditEvent event;
    event.Change = {adckInsert, range};
    event.EmptyRun = hadEmptyRun && !EmptyTextRunAt(*para, range.First.CharPos) &&
                     !EmptyTextRunAt(*para, range.Last.CharPos);
    event.EmptyRunCHPX = emptyRunCHPX.get();
    Notify(event);
    return range;
}

std::unique_ptr<TVYXDocFragment> TVYXLogDocument::RemoveContent(const TVYXDocRange& range)
{
    std::unique_ptr<TVYXDocFragment> fragment = CopyContent(range);
    if (range.Empty())
        return fragment;
    // The body's delete leaves the empty marks (a complex field's begin, instruction
    // and separator) standing where the range starts, so what went holds none of them:
    // putting it back would add a second set.
    if (TVYXLogParaItem* head = fragment->Paras->First(); head && head->IsPara()) {
        TVYXCharRuns& runs = static_cast<TVYXLogPara*>(head)->CharRuns();
        bool dropped = false;
        for (int r = 0; r < runs.Count() && runs.Items(r)->Len() == 0;)
            if (IsEmptyMark(*runs.Items(r)) && runs.Delete(r))
                dropped = true;
            else
                ++r;
        if (dropped) {
            if (runs.Count() == 0)
                runs.Add();
            runs.Reindex();
        }
    }
    TVYXLogPos first = PosAt(range.First), last = PosAt(range.Last);
    // The paragraph left where the ends stood looks like the first one when the range
    // starts inside it, else like the last one, whichever the body's delete keeps.
    const TParaLook kept = range.Last.Item == range.First.Item
                               ? TParaLook{}
                               : LookOf(range.First.CharPos > 1 ? *first.Para : *last.Para);
    TVYXLogParas& list = *first.Para->Paras();
    const int count = list.Count() - (range.Last.Item - range.First.Item);
    fragment->Origin = range.First;
    // An empty run just before a boundary at the range's end stays in the body (the
    // copy ends before it), and the boundaries gathered there must go back after it:
    // put before them, the tidying would merge it away.
    const TVYXCharRun* endEmpty = nullptr;
    for (int r = 0; r + 1 < last.Para->Count(); ++r) {
        const TVYXCharRun* run = last.Para->GetItems(r);
        if (run->StartPos() > range.Last.CharPos)
            break;
        if (run->StartPos() == range.Last.CharPos && IsEmptyText(*run) && IsBoundary(*last.Para->GetItems(r + 1))) {
            endEmpty = run;
            break;
        }
    }
    if (range.Last.Item != range.First.Item) {
        // The last end paragraph keeps its objects, and so does the first one unless
        // the range takes it whole: the copy holds only the objects that go.
        DropObjectCopies(*fragment->Paras, range.Last.Item - range.First.Item);
        if (range.First.CharPos > 1) {
            DropObjectCopies(*fragment->Paras, 0);
            fragment->HeadGraphics = first.Para->Graphics() ? first.Para->Graphics()->Count() : 0;
        } else {
            // Taken whole, whether the body's delete removes it or joins the next one
            // into it.
            first.Para->TakeGraphics();
            fragment->HeadGraphics = 0;
        }
    }
    fragment->LeadingEmpty = EmptyMarksAt(*first.Para, range.First.CharPos);
    // Those outside the range stay, and so does one at its end (see endEmpty). One at
    // its start stays too when the range's text comes after it in the paragraph (text
    // typed there went behind its boundary): it stands before what goes.
    auto textAfter = [&first, &range](const TVYXCharRun& empty) {
        bool seen = false;
        for (int r = 0; r < first.Para->Count(); ++r) {
            const TVYXCharRun* run = first.Para->GetItems(r);
            if (run->StartPos() > range.First.CharPos)
                break;
            if (seen && run->Len() > 0)
                return true;
            seen = seen || run == &empty;
        }
        return false;
    };
    std::vector<TKeptEmpty> keptEmpty = NoteEmptyRuns(*first.Para, [&](const TVYXCharRun& run) {
        return run.StartPos() < range.First.CharPos ||
               (first.Para == last.Para && run.StartPos() >= range.Last.CharPos) ||
               (run.StartPos() == range.First.CharPos && textAfter(run));
    });
    if (last.Para != first.Para)
        for (TKeptEmpty& note : NoteEmptyRuns(
                 *last.Para, [&](const TVYXCharRun& run) { return run.StartPos() >= range.Last.CharPos; }))
            keptEmpty.push_back(std::move(note));
    // The body's delete leaves every empty mark standing, but those inside the range
    // (a whole field's begin, instruction, separator and end) are in the copy: they go
    // with it. Paragraphs between the ends go whole anyway.
    std::vector<const TVYXCharRun*> inner;
    for (TVYXLogPara* p : {first.Para, last.Para}) {
        const bool head = p == first.Para;
        const std::int32_t lo = head ? range.First.CharPos : 1;
        const std::int32_t hi = p == last.Para ? range.Last.CharPos : p->EndOfParaPos();
        for (int r = 0; r < p->Count(); ++r)
            if (const TVYXCharRun* run = p->GetItems(r);
                IsEmptyMark(*run) && (head ? run->StartPos() > lo : run->StartPos() >= lo) && run->StartPos() < hi)
                inner.push_back(run);
        if (first.Para == last.Para)
            break;
    }
    TRunList boundaries = TakeBoundaries(list, range, fragment->Boundaries);
    list.DeleteText(first, last, nullptr);
    // The body's delete keeps a last paragraph it emptied apart (so that a list never
    // loses its last paragraph); here the ends always join, as the range says.
    if (list.Count() > count) {
        const TVYXLogParaItem* next = list.GetItems(range.First.Item + 1);
        if (list.ParaAtIndex(range.First.Item) && next && next->IsPara())
            list.MergeNext(range.First.Item);
    }
    if (TVYXLogPara* joined = list.ParaAtIndex(range.First.Item)) {
        for (const TVYXCharRun* mark : inner)
            for (int r = 0; r < joined->Count(); ++r)
                if (joined->GetItems(r) == mark) {
                    joined->CharRuns().Delete(r);
                    break;
                }
        if (joined->Count() == 0)
            joined->CharRuns().Add();
        joined->CharRuns().Reindex();
        if (kept.PAPX)
            SetLook(*joined, *kept.PAPX, kept.SEP.get());
        // The body's delete merges equal runs it brings together, and the run object
        // that absorbs the text may be the empty one itself: then it is no longer the
        // empty run, the boundaries go back where the range began, and the empty run
        // is put back before them below (RestoreEmptyRuns). Going after it would put
        // the text that followed the boundaries in front of them.
        int place = PlaceFor(*joined, range.First.CharPos, 0);
        for (int r = place; endEmpty && r < joined->Count() && joined->GetItems(r)->StartPos() == range.First.CharPos;
             ++r)
            if (joined->GetItems(r) == endEmpty && IsEmptyText(*endEmpty)) {
                place = r + 1;
                break;
            }
        for (std::size_t k = 0; k < boundaries.size(); ++k)
            Rehome(*joined->CharRuns().Insert(place + static_cast<int>(k), std::move(boundaries[k])), *joined);
        RestoreEmptyRuns(list, range.First.Item, range.First.Item, keptEmpty);
        Tidy(*joined);
    }
    TVYXDocEditEvent event;
    event.Change = {adckRemove, range};
    event.Removed = fragment.get();
    Notify(event);
    return fragment;
}

// ---- Formats ----------------------------------------------------------------------

void TVYXLogDocument::SaveFormats(TVYXDocFormats& formats, const TVYXDocRange& range, bool runs, bool paras) const
{
    formats.Range = range;
    TVYXLogSelection selection;
    selection.Assign(PosAt(range.First), PosAt(range.Last));
    for (TVYXLogPara* p : selection.Paras()) {
        const TVYXDocAddress address = VYXAddressOf(*p, 1);
        if (paras)
            formats.Paras.push_back({address, CopyPAPX(p->PAPX()),
                                     p->SEP() ? std::shared_ptr<const TVYXSEP>(p->SEP()->Clone()) : nullptr, true});
        if (!runs)
            continue;
        std::int32_t from = 0, to = 0;
        RangeInPara(*p, selection.First, selection.Last, from, to);
        for (int i = 0; i < p->Count(); ++i) {
            const TVYXCharRun* run = p->GetItems(i);
            if (run->Len() == 0 || run->GetEndPos() <= from || run->StartPos() >= to)
                continue;
            formats.Runs.push_back({address, std::max(from, run->StartPos()), std::min(to, run->GetEndPos()),
                                    CopyCHPX(run->CHPX())});
        }
    }
}

std::unique_ptr<TVYXDocFormats> TVYXLogDocument::SetCharProps(const TVYXDocRange& range, const TVYXCHPX& chpx)
{
    auto previous = std::make_unique<TVYXDocFormats>();
    SaveFormats(*previous, range, true, false);
    TVYXLogSelection selection;
    selection.Assign(PosAt(range.First), PosAt(range.Last));
    for (TVYXLogPara* p : selection.Paras()) {
        std::int32_t from = 0, to = 0;
        RangeInPara(*p, selection.First, selection.Last, from, to);
        // An empty part would leave an empty run for the next typed text behind.
        if (from >= to)
            continue;
        p->FormatRange(&chpx, from, to);
        Tidy(*p);
    }
    TVYXDocEditEvent event;
    event.Change = {adckFormat, range};
    event.Previous = previous.get();
    Notify(event);
    return previous;
}

std::unique_ptr<TVYXDocFormats> TVYXLogDocument::SetParaProps(const TVYXDocRange& range, const TVYXPAPX& papx)
{
    auto previous = std::make_unique<TVYXDocFormats>();
    SaveFormats(*previous, range, false, true);
    for (const TVYXDocFormats::TParaFormat& saved : previous->Paras)
        if (TVYXLogPara* p = VYXParaAt(*FLogParas, saved.Para))
            p->AddPAPX(papx);
    TVYXDocEditEvent event;
    event.Change = {adckFormat, range};
    event.Previous = previous.get();
    Notify(event);
    return previous;
}

std::unique_ptr<TVYXDocFormats> TVYXLogDocument::RestoreFormats(const TVYXDocFormats& formats)
{
    auto previous = std::make_unique<TVYXDocFormats>();
    SaveFormats(*previous, formats.Range, !formats.Runs.empty(), !formats.Paras.empty());
    // Anchored objects and the document's section: checked and kept before anything
    // changes, so a bad address changes nothing.
    std::vector<TVYXGraphicObj*> objects;
    for (const TVYXDocFormats::TObjectFormat& saved : formats.Objects) {
        TVYXLogPara* p = VYXParaAt(*FLogParas, saved.Para);
        TVYXGraphicObjList* list = p ? p->Graphics() : nullptr;
        if (!list || saved.Index < 0 || saved.Index >= list->Count() || !saved.Object)
            throw VYXException("Invalid address");
        TVYXGraphicObj& object = list->GetItems(saved.Index);
        previous->Objects.push_back({saved.Para, saved.Index, std::shared_ptr<const TVYXGraphicObj>(object.Clone())});
        objects.push_back(&object);
    }
    if (formats.WithDocSEP) {
        if (!formats.DocSEP)
            throw VYXException("Invalid address");
        previous->DocSEP = std::shared_ptr<const TVYXSEP>(SEP().Clone());
        previous->WithDocSEP = true;
    }
    std::vector<TVYXLogPara*> touched;
    for (const TVYXDocFormats::TRunFormat& saved : formats.Runs) {
        TVYXLogPara* p = VYXParaAt(*FLogParas, saved.Para);
        if (!p)
            throw VYXException("Invalid address");
        CutRunsAt(*p, saved.From);
        CutRunsAt(*p, saved.To);
        for (int i = 0; i < p->Count(); ++i) {
            TVYXCharRun* run = p->GetItems(i);
            if (run->Len() > 0 && run->StartPos() >= saved.From && run->GetEndPos() <= saved.To)
                run->SetCHPX(saved.CHPX.get());
        }
        if (touched.empty() || touched.back() != p)
            touched.push_back(p);
    }
    for (TVYXLogPara* p : touched) {
        Tidy(*p);
        p->MakeDirty();
    }
    for (const TVYXDocFormats::TParaFormat& saved : formats.Paras) {
        TVYXLogPara* p = VYXParaAt(*FLogParas, saved.Para);
        if (!p)
            throw VYXException("Invalid address");
        p->PAPX().Assign(*saved.PAPX, nullptr, nullptr);
        if (saved.WithSEP)
            SetSEP(*p, saved.SEP.get());
        p->MakeDirty();
    }
    for (std::size_t i = 0; i < objects.size(); ++i) {
        objects[i]->Assign(*formats.Objects[i].Object);
        objects[i]->Precalc();
        if (TVYXLogPara* p = VYXParaAt(*FLogParas, formats.Objects[i].Para))
            p->MakeDirty();
    }
    if (formats.WithDocSEP)
        SEP().Assign(*formats.DocSEP);
    TVYXDocEditEvent event;
    event.Change = {adckFormat, formats.Range};
    event.Previous = previous.get();
    Notify(event);
    return previous;
}
