// VYXLogSelection.cpp: selections: their tests, the paragraphs and runs they cover, and
// the edits made through them (text, lists, merged cells, copies). They edit through the
// paragraph lists, which use positions; positions themselves (VYXLogPos.cpp) do not edit.
#include "model/VYXLogPos.h"

#include <algorithm>

#include "model/VYXLogParas.h"
#include "model/VYXLogParasShared.h"
#include "model/VYXDocData.h"
#include "model/VYXDocProps.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXRevision.h"
#include "model/VYXRootData.h"
#include "platform/VYXException.h"

// ---- Selection -------------------------------------------------------------------

std::int32_t TVYXLogSelection::Len() const { return SamePara() ? Last.CharPos - First.CharPos : -1; }

bool TVYXLogSelection::HasPara(const TVYXLogPara& para) const
{
    TVYXLogPos begin(const_cast<TVYXLogPara*>(&para), 1), end;
    end.AssignEnd(const_cast<TVYXLogPara*>(&para));
    return Valid() && First.LessEqual(end) && begin.LessEqual(Last);
}

bool TVYXLogSelection::IsCells() const { return First.Para && First.Para->Cell(); }

bool TVYXLogSelection::IsRevision() const
{
    bool any = false;
    IterateCharRuns([&any](TVYXCharRun& run) { any = any || VYXEnabledChangeOf(run); });
    return any;
}

bool TVYXLogSelection::IsEntirePara() const
{
    return SamePara() && First.CharPos == 1 && Last.CharPos == Last.EndOfParaPos();
}

bool TVYXLogSelection::IsEntireParas() const
{
    return Valid() && First.CPIsAtBOP() && Last.CPIsAtEOP();
}

bool TVYXLogSelection::IsEntireCell() const
{
    if (!Valid() || !First.CPIsAtBOP() || !Last.CPIsAtEOP())
        return false;
    for (TVYXTableCell* cell = First.Para->Cell(); cell; cell = cell->ParentCell())
        if (cell->FirstPara() == First.Para)
            return cell->LastPara() == Last.Para;
    return false;
}

bool TVYXLogSelection::RectCells(TVYXTableCell*& cell1, TVYXTableCell*& cell2) const
{
    for (TVYXTableCell* a = First.Para ? First.Para->Cell() : nullptr; a; a = a->ParentCell())
        for (TVYXTableCell* b = Last.Para ? Last.Para->Cell() : nullptr; b; b = b->ParentCell())
            if (a->Table() == b->Table()) {
                cell1 = a, cell2 = b;
                return a != b;
            }
    return false;
}

bool TVYXLogSelection::IsRectCells() const
{
    TVYXTableCell* c1 = nullptr;
    TVYXTableCell* c2 = nullptr;
    return RectCells(c1, c2);
}

bool TVYXLogSelection::MergeCells()
{
    TVYXTableCell* c1 = nullptr;
    TVYXTableCell* c2 = nullptr;
    if (!RectCells(c1, c2))
        return false;
    TVYXTable* table = c1->Table();
    const int col1 = c1->Index(), row1 = c1->Row()->Index(), col2 = c2->Index(), row2 = c2->Row()->Index();
    table->MergeCells(std::min(col1, col2), std::min(row1, row2), std::max(col1, col2), std::max(row1, row2));
    TVYXTableCell* merged = table->GetCells(std::min(col1, col2), std::min(row1, row2));
    First.Assign(merged->FirstPara(), 1);
    Last.Assign(First);
    return true;
}

bool TVYXLogSelection::CopyContent(TVYXLogParas& paras) const
{
    TVYXLogParas* source = Valid() ? VYXCommonParas(*First.Para, *Last.Para) : nullptr;
    if (!source)
        return false;
    TVYXLogParaItem* firstItem = VYXItemIn(*source, First.Para);
    TVYXLogParaItem* lastItem = VYXItemIn(*source, Last.Para);
    const int firstIndex = firstItem->Index();
    int lastIndex = lastItem->Index();
    // A selection ending at position 1 of a paragraph takes the mark before it, nothing of it.
    if (lastItem == Last.Para && Last.CharPos == 1 && lastIndex > firstIndex)
        --lastIndex;
    for (int i = firstIndex; i <= lastIndex; ++i) {
        const TVYXLogParaItem* item = source->GetItems(i);
        if (item->IsTable()) {
            paras.InsertItem(-1, item->Clone(&paras));
            continue;
        }
        const auto* p = static_cast<const TVYXLogPara*>(item);
        const std::int32_t from = p == First.Para ? First.CharPos : 1;
        const std::int32_t to = p == Last.Para ? Last.CharPos : p->EndOfParaPos();
        auto copy = p->Clone(&paras, from, to);
        if (copy->Count() == 0)
            copy->CharRuns().Add();
        copy->Pilcrow = p != Last.Para || LastPosIsPilcrow();
        paras.InsertItem(-1, std::move(copy));
    }
    return true;
}

void TVYXLogSelection::SetPlainText(std::u16string_view text)
{
    Delete();
    if (First.Para) {
        First.InsertText(text);
        Last.Assign(First);
    }
}

std::vector<TVYXLogPara*> TVYXLogSelection::Paras() const
{
    std::vector<TVYXLogPara*> result;
    if (!Valid())
        return result;
    for (TVYXLogPara* p = First.Para; p; p = p->Next()) {
        result.push_back(p);
        if (p == Last.Para)
            break;
    }
    return result;
}

std::vector<TVYXLogPara*> TVYXLogSelection::ListParas() const
{
    auto paras = Paras();
    // Ending at the start of a later paragraph selects the mark before it, not the paragraph.
    if (paras.size() > 1 && Last.CharPos == 1)
        paras.pop_back();
    return paras;
}

TVYXNumbering* TVYXLogSelection::ApplyList(TVYXNumbering* level, bool keepLevels)
{
    if (!level)
        return nullptr;
    for (TVYXLogPara* p : ListParas()) {
        const TVYXNumbering* old = p->PAPX().GetNumbering();
        TVYXNumbering* target = keepLevels && old ? level->NumList()->GetItems(old->Level) : level;
        p->PAPX().SetNumbering(target ? target : level);
        p->UseStyle(u"ListParagraph");
        p->MakeDirty();
    }
    return level;
}

namespace {
TVYXNumberings* NumberingsOf(const std::vector<TVYXLogPara*>& paras)
{
    const TVYXLogParas* list = paras.empty() ? nullptr : paras.front()->Paras();
    return list && list->RootManager() ? list->RootManager()->Numberings() : nullptr;
}
}  // namespace

TVYXNumbering* TVYXLogSelection::MakeBullet(TVYXBulletListStyle style)
{
    TVYXNumberings* lists = NumberingsOf(ListParas());
    return lists ? ApplyList(lists->AddNewBullet(VYXBulletListStyleText[style]), false) : nullptr;
}

TVYXNumbering* TVYXLogSelection::MakeNumbering(TVYXNumberingStyleType style)
{
    TVYXNumberings* lists = NumberingsOf(ListParas());
    return lists ? ApplyList(lists->AddNewNumbering(style), false) : nullptr;
}

TVYXNumbering* TVYXLogSelection::MakeMultilevelList(TVYXMultilevelListStyle style)
{
    TVYXNumberings* lists = NumberingsOf(ListParas());
    return lists ? ApplyList(lists->AddNewMultilevel(style), true) : nullptr;
}

bool TVYXLogSelection::ChangeMultilevelListLevel(int delta)
{
    bool changed = false;
    for (TVYXLogPara* p : ListParas()) {
        const TVYXNumbering* before = p->PAPX().GetNumbering();
        p->ChangeMultilevelLevel(delta);
        changed = changed || p->PAPX().GetNumbering() != before;
    }
    return changed;
}

void TVYXLogSelection::RemoveBulletNumbering()
{
    for (TVYXLogPara* p : ListParas())
        p->RemoveBulletNumbering();
}

std::vector<TVYXCharRun*> TVYXLogSelection::CharRuns() const
{
    std::vector<TVYXCharRun*> runs;
    IterateCharRuns([&runs](TVYXCharRun& run) { runs.push_back(&run); });
    return runs;
}

TVYXSelectionMode TVYXLogSelection::SelectionMode() const
{
    TVYXTableCell* c1 = First.Para ? First.Para->Cell() : nullptr;
    TVYXTableCell* c2 = Last.Para ? Last.Para->Cell() : nullptr;
    if (!c1 || !c2)
        return vysmText;
    if (c1 == c2)
        return vysmCells;
    if (c1->Table() != c2->Table())
        return vysmRows;
    return vysmText;
}

bool TVYXLogSelection::Hit(TVYXLogPara* para, std::int32_t charPos, bool inclusive) const
{
    const TVYXLogPos pos(para, charPos);
    if (inclusive)
        return First.LessEqual(pos) && pos.LessEqual(Last);
    return First.Less(pos) && pos.Less(Last);
}

bool TVYXLogSelection::LastPosIsPilcrow() const
{
    if (!First.Valid() || !Last.Valid() || !Last.Greater(First))
        return false;
    return Last.CharPos == 1 || Last.IsAtEndOfParas();
}

void TVYXLogSelection::TagPilcrow()
{
    if (!Valid())
        return;
    for (TVYXLogPara* p = First.Para; p && p != Last.Para; p = p->Next())
        p->Pilcrow = true;
    Last.Para->Pilcrow = LastPosIsPilcrow();
}

void TVYXLogSelection::IterateCharRuns(const std::function<void(TVYXCharRun& run)>& callback) const
{
    if (!Valid())
        return;
    for (TVYXLogPara* p = First.Para; p; p = p->Next()) {
        const std::int32_t from = p == First.Para ? First.CharPos : 1;
        const std::int32_t to = p == Last.Para ? Last.CharPos : p->EndOfParaPos();
        for (int i = 0; i < p->Count(); ++i) {
            TVYXCharRun* run = p->GetItems(i);
            if (run->GetEndPos() > from && run->StartPos() < to)
                callback(*run);
        }
        if (p == Last.Para)
            break;
    }
}

std::u16string TVYXLogSelection::GetPlainText() const
{
    std::u16string text;
    if (!Valid())
        return text;
    for (TVYXLogPara* p = First.Para; p; p = p->Next()) {
        const std::int32_t from = p == First.Para ? First.CharPos : 1;
        const std::int32_t to = p == Last.Para ? Last.CharPos : p->EndOfParaPos();
        for (std::int32_t c = from; c < to; ++c)
            if (char16_t ch = p->GetChar(c))
                text += ch;
        if (p == Last.Para)
            break;
        text += u"\r\n";
    }
    return text;
}

void TVYXLogSelection::Delete()
{
    TVYXLogParas* list = Valid() ? VYXCommonParas(*First.Para, *Last.Para) : nullptr;
    if (!list)
        return;
    list->DeleteText(First, Last, nullptr);
    Last.Assign(First);
}

void TVYXLogSelection::Format(const TVYXCHPX& chpx)
{
    if (Valid() && First.Para->Paras())
        First.Para->Paras()->FormatRange(&chpx, First, Last);
}

void TVYXLogSelection::SetToBeginningOfDoc()
{
    First.MoveBeginningOfDoc();
    Last.Assign(First);
}

void TVYXLogSelection::SetToEndOfDoc()
{
    Last.MoveEndOfDoc();
    First.Assign(Last);
}

bool TVYXLogSelection::SelectWordAtFirstPos()
{
    std::int32_t start = 0, end = 0;
    if (!First.Para || !First.Para->WordAtPos(First.CharPos, start, end))
        return false;
    Last.Assign(First.Para, end);
    First.CharPos = start;
    return true;
}

bool TVYXLogSelection::SelectHyperlinkAtFirstPos()
{
    if (!First.Para)
        return false;
    TVYXCharRuns& runs = First.Para->CharRuns();
    TVYXCharRunHyperlink* run = VYXHyperlinkRunAt(*First.Para, First.CharPos);
    if (!run)
        return false;
    // Neighbours belong to the link while they refer to it and no first / last tag parts them.
    auto linkRun = [&runs, run](int i) {
        auto* r = dynamic_cast<TVYXCharRunHyperlink*>(runs.Items(i));
        return r && r->Hyperlink == run->Hyperlink ? r : nullptr;
    };
    int a = run->Index(), b = run->Index();
    while (a > 0 && !linkRun(a)->HLinkFirst && linkRun(a - 1) && !linkRun(a - 1)->HLinkLast)
        --a;
    while (b + 1 < runs.Count() && !linkRun(b)->HLinkLast && linkRun(b + 1) && !linkRun(b + 1)->HLinkFirst)
        ++b;
    TVYXLogPara* para = First.Para;
    First.Assign(para, runs.Items(a)->StartPos());
    Last.Assign(para, runs.Items(b)->StartPos() + runs.Items(b)->Len());
    return true;
}

TVYXBookmark* TVYXLogSelection::MakeBookmark(std::u16string_view name)
{
    if (!Valid())
        return nullptr;
    return First.Para->InsertBookmark(name, First.CharPos, Last.CharPos, Last.Para);
}

bool TVYXLogSelection::SplitParas()
{
    if (!Valid() || !First.Para->Paras() || First.Para->Paras() != Last.Para->Paras())
        return false;
    TVYXLogParas& paras = *First.Para->Paras();
    // The end first: the left part stays in Last's paragraph, so Last keeps its place.
    if (Last.CharPos > 1 && Last.CharPos < Last.EndOfParaPos())
        if (paras.SplitAtPos(*Last.Para, Last.CharPos) == Last.Para)
            return false;
    if (First.CharPos > 1 && First.CharPos < First.EndOfParaPos()) {
        TVYXLogPara* right = paras.SplitAtPos(*First.Para, First.CharPos);
        if (right == First.Para)
            return false;
        if (Last.Para == First.Para)
            Last.Assign(right, Last.CharPos - First.CharPos + 1);
        First.Assign(right, 1);
    }
    return true;
}

TVYXHyperlink* TVYXLogSelection::MakeHyperlink(std::u16string_view address, bool toBookmark)
{
    if (!Valid() || !SamePara() || First.CharPos == Last.CharPos)
        return nullptr;
    TVYXRootData* root = First.Para->Paras() ? First.Para->Paras()->RootManager() : nullptr;
    if (!root || !root->Hyperlinks())
        return nullptr;
    bool hasText = false;
    for (std::int32_t pos = First.CharPos; pos < Last.CharPos && !hasText; ++pos) {
        const TVYXCharRun* run = First.Para->CharRuns().FindAbsolute(pos, true);
        hasText = run && run->Type_() == acrtText;
    }
    if (!hasText)
        return nullptr;
    TVYXHyperlink* link = toBookmark ? root->Hyperlinks()->AddUniqueBookmark(address)
                                     : root->Hyperlinks()->Add(address, ahtURL);
    First.Para->MakeHyperlink(link, First.CharPos, Last.CharPos);
    return link;
}

// ---- Selections ------------------------------------------------------------------

TVYXLogSelection* TVYXLogSelections::Add()
{
    FItems.push_back(std::make_unique<TVYXLogSelection>(this));
    return FItems.back().get();
}

TVYXLogSelection* TVYXLogSelections::Add(const TVYXLogSelection& selection)
{
    TVYXLogSelection* s = Add();
    s->Assign(selection);
    return s;
}

TVYXLogSelection* TVYXLogSelections::Add(const TVYXLogPos& first, const TVYXLogPos& last)
{
    TVYXLogSelection* s = Add();
    s->Assign(first, last);
    return s;
}

void TVYXLogSelections::Remove(int index)
{
    if (index >= 0 && index < Count())
        FItems.erase(FItems.begin() + index);
}

bool TVYXLogSelections::HasText() const
{
    for (const auto& s : FItems)
        if (!s->IsEmpty())
            return true;
    return false;
}

void TVYXLogSelections::Replace(const std::function<void(TVYXLogSelection& s)>& edit)
{
    std::vector<TVYXLogSelection*> order;
    for (const auto& s : FItems)
        if (s->Valid())
            order.push_back(s.get());
    std::stable_sort(order.begin(), order.end(), [](const TVYXLogSelection* a, const TVYXLogSelection* b) {
        return a->First.Less(b->First);
    });
    // Overlapping selections merge into the first of them and take its result at the end.
    std::vector<std::pair<TVYXLogSelection*, TVYXLogSelection*>> absorbed;
    std::vector<TVYXLogSelection*> work;
    for (TVYXLogSelection* s : order) {
        if (!work.empty() && s->First.Less(work.back()->Last)) {
            if (s->Last.Greater(work.back()->Last))
                work.back()->Last.Assign(s->Last);
            absorbed.emplace_back(s, work.back());
            continue;
        }
        work.push_back(s);
    }
    // An end after the edit in its paragraph keeps its distance from the paragraph's end;
    // the text after the edit ends up in the paragraph just before the item that followed
    // the edited paragraph (a join, a split or a paste never moves that item).
    struct TTail {
        TVYXLogPos* Pos;
        std::int32_t FromEnd;
    };
    for (auto it = work.rbegin(); it != work.rend(); ++it) {
        TVYXLogSelection& s = **it;
        TVYXLogPara* para = s.Last.Para;
        TVYXLogParas* list = para->Paras();
        TVYXLogParaItem* next = para->NextInParas();
        std::vector<TTail> tails;
        for (auto done = work.rbegin(); done != it; ++done)
            for (TVYXLogPos* e : {&(*done)->First, &(*done)->Last})
                if (e->Para == para && e->CharPos >= s.Last.CharPos)
                    tails.push_back({e, para->EndOfParaPos() - e->CharPos});
        edit(s);
        if (tails.empty() || !list)
            continue;
        TVYXLogPara* tail = list->ParaAtIndex(next ? next->Index() - 1 : list->Count() - 1);
        for (const TTail& t : tails)
            if (tail)
                t.Pos->Assign(tail, std::max(1, tail->EndOfParaPos() - t.FromEnd));
    }
    for (auto& [s, into] : absorbed)
        s->Assign(*into);
}

void TVYXLogSelections::Delete()
{
    Replace([](TVYXLogSelection& s) { s.Delete(); });
}

void TVYXLogSelections::SetPlainText(std::u16string_view text)
{
    Replace([text](TVYXLogSelection& s) { s.SetPlainText(text); });
}

void TVYXLogSelections::ReplacePara(const TVYXLogParas& source)
{
    Replace([&source](TVYXLogSelection& s) {
        s.Delete();
        if (!s.First.Para || !s.First.Para->Paras())
            return;
        TVYXLogParas& list = *s.First.Para->Paras();
        TVYXLogParaItem* next = s.First.Para->NextInParas();
        const std::int32_t fromEnd = s.First.EndOfParaPos() - s.First.CharPos;
        list.Insert(s.First, source);
        // The selection ends after the pasted content, where the text after it now begins.
        if (TVYXLogPara* tail = list.ParaAtIndex(next ? next->Index() - 1 : list.Count() - 1))
            s.First.Assign(tail, std::max(1, tail->EndOfParaPos() - fromEnd));
        s.Last.Assign(s.First);
    });
}

std::u16string TVYXLogSelections::GetPlainText() const
{
    std::u16string text;
    for (const auto& s : FItems)
        text += s->GetPlainText();
    return text;
}

void TVYXLogSelections::IterateCharRuns(const std::function<void(TVYXCharRun& run)>& callback) const
{
    for (const auto& s : FItems)
        s->IterateCharRuns(callback);
}

void TVYXLogSelections::Adjust(const TVYXLogSelection& selection, std::int32_t charPos, std::int32_t delta)
{
    TVYXLogPara* para = selection.First.Para;
    for (auto& s : FItems) {
        if (s.get() == &selection || s->First.Para != para || s->Last.Para != para || s->First.CharPos <= charPos)
            continue;
        s->First.CharPos += delta;
        s->Last.CharPos += delta;
    }
}

bool TVYXLogSelections::SetPosToOutside(TVYXLogPos& pos) const
{
    if (!pos.Para || !pos.Para->Paras() || FItems.empty())
        return false;
    TVYXLogParas& paras = *pos.Para->Paras();
    const TVYXLogPos listFirst = paras.GetFirstPos();
    const TVYXLogPos listLast = paras.GetLastPos();
    TVYXLogPos smallest = listLast, largest = listFirst;
    for (const auto& s : FItems) {
        if (s->First.Less(smallest))
            smallest = s->First;
        if (s->Last.Greater(largest))
            largest = s->Last;
    }
    if (!smallest.Less(listFirst)) {
        pos.Assign(smallest);
        return true;
    }
    if (largest.Less(listLast)) {
        pos.Assign(largest);
        return true;
    }
    return false;
}

void TVYXLogSelections::Assign(const TVYXLogSelections& source)
{
    FItems.clear();
    for (const auto& s : source.FItems)
        Add(*s);
    Graphic = source.Graphic;
}
