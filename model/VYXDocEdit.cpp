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
//   text around them goes (the body's delete keeps them), so fragments leave them out.
// - Format records hold the run formats of the characters they cover, cut at the
//   range's ends; putting them back cuts runs at the same places and merges equal
//   neighbours, so a body whose runs were merged before comes back run for run.
// - The end of inserted content is found by counting from the list's end and the
//   paragraph's end, which the paste does not touch, so no paste rule needs to be
//   known here.
#include "model/VYXLogDocument.h"

#include <algorithm>

#include "model/VYXDocSection.h"
#include "model/VYXLogPos.h"
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

// Boundary runs stay in the body when the text around them is removed.
void DropBoundaryRuns(TVYXLogParas& paras)
{
    for (int i = 0; i < paras.Count(); ++i) {
        TVYXLogPara* p = paras.ParaAtIndex(i);
        if (!p)
            continue;
        TVYXCharRuns& runs = p->CharRuns();
        for (int r = runs.Count() - 1; r >= 0; --r)
            if (runs.Items(r)->Type_() == acrtLinked && runs.Items(r)->Len() == 0 && runs.Count() > 1)
                runs._DeleteLinked(r);
    }
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
    if (run && pos > run->StartPos && pos < run->GetEndPos() && run->IsNotAtom())
        runs.SplitAndInsert(*run, pos);
}
}  // namespace

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
    TVYXLogParas& list = *pos.Para->Paras;
    const int itemsAfter = list.Count() - 1 - at.Item;
    const std::int32_t tail = pos.Para->EndOfParaPos() - at.CharPos;
    const TParaLook target = LookOf(*pos.Para);

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
    }
    // The paste cuts runs at both ends; merge them again.
    for (int i = at.Item; i <= range.Last.Item; ++i)
        if (TVYXLogPara* p = list.ParaAtIndex(i))
            p->CombineCharRuns();
    TVYXDocEditEvent event;
    event.Change = {adckInsert, range};
    Notify(event);
    return range;
}

TVYXDocRange TVYXLogDocument::InsertText(const TVYXDocAddress& at, std::u16string_view text)
{
    const TVYXLogPos pos = PosAt(at);
    const std::int32_t tail = pos.Para->EndOfParaPos() - at.CharPos;
    pos.Para->InsertText(text, at.CharPos);
    TVYXDocRange range{at, at};
    range.Last.CharPos = pos.Para->EndOfParaPos() - tail;
    if (range.Empty())
        return range;
    TVYXDocEditEvent event;
    event.Change = {adckInsert, range};
    Notify(event);
    return range;
}

std::unique_ptr<TVYXDocFragment> TVYXLogDocument::RemoveContent(const TVYXDocRange& range)
{
    std::unique_ptr<TVYXDocFragment> fragment = CopyContent(range);
    if (range.Empty())
        return fragment;
    TVYXLogPos first = PosAt(range.First), last = PosAt(range.Last);
    // The paragraph left where the ends stood looks like the first one when the range
    // starts inside it, else like the last one, whichever the body's delete keeps.
    const TParaLook kept = range.Last.Item == range.First.Item
                               ? TParaLook{}
                               : LookOf(range.First.CharPos > 1 ? *first.Para : *last.Para);
    TVYXLogParas& list = *first.Para->Paras;
    list.DeleteText(first, last, nullptr);
    if (TVYXLogPara* joined = list.ParaAtIndex(range.First.Item)) {
        if (kept.PAPX)
            SetLook(*joined, *kept.PAPX, kept.SEP.get());
        joined->CombineCharRuns();
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
            formats.Paras.push_back({address, CopyPAPX(p->PAPX())});
        if (!runs)
            continue;
        std::int32_t from = 0, to = 0;
        RangeInPara(*p, selection.First, selection.Last, from, to);
        for (int i = 0; i < p->Count(); ++i) {
            const TVYXCharRun* run = p->GetItems(i);
            if (run->Len() == 0 || run->GetEndPos() <= from || run->StartPos >= to)
                continue;
            formats.Runs.push_back({address, std::max(from, run->StartPos), std::min(to, run->GetEndPos()),
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
        p->CombineCharRuns();
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
    std::vector<TVYXLogPara*> touched;
    for (const TVYXDocFormats::TRunFormat& saved : formats.Runs) {
        TVYXLogPara* p = VYXParaAt(*FLogParas, saved.Para);
        if (!p)
            throw VYXException("Invalid address");
        CutRunsAt(*p, saved.From);
        CutRunsAt(*p, saved.To);
        for (int i = 0; i < p->Count(); ++i) {
            TVYXCharRun* run = p->GetItems(i);
            if (run->Len() > 0 && run->StartPos >= saved.From && run->GetEndPos() <= saved.To)
                run->SetCHPX(saved.CHPX.get());
        }
        if (touched.empty() || touched.back() != p)
            touched.push_back(p);
    }
    for (TVYXLogPara* p : touched) {
        p->CombineCharRuns();
        p->MakeDirty();
    }
    for (const TVYXDocFormats::TParaFormat& saved : formats.Paras) {
        TVYXLogPara* p = VYXParaAt(*FLogParas, saved.Para);
        if (!p)
            throw VYXException("Invalid address");
        p->PAPX().Assign(*saved.PAPX, nullptr, nullptr);
        p->MakeDirty();
    }
    TVYXDocEditEvent event;
    event.Change = {adckFormat, formats.Range};
    event.Previous = previous.get();
    Notify(event);
    return previous;
}
