// VYXLogPos.cpp: logical positions, their ordering through table nesting, moves and selections.
#include "model/VYXLogPos.h"

#include <algorithm>

#include "model/VYXLogParas.h"
#include "model/VYXDocData.h"
#include "model/VYXDocProps.h"
#include "model/VYXFields.h"
#include "model/VYXRevision.h"
#include "platform/VYXException.h"

// ---- Setting -----------------------------------------------------------------

void TVYXLogPos::AssignEnd(TVYXLogPara* para)
{
    Para = para;
    CharPos = para ? para->EndOfParaPos() : 1;
}

void TVYXLogPos::SetCharPos(std::int32_t pos)
{
    if (pos < 1)
        throw VYXException("Invalid char pos");
    CharPos = pos;
}

std::int32_t TVYXLogPos::EndOfParaPos() const { return Para ? Para->EndOfParaPos() : 1; }

bool TVYXLogPos::MoveRelative(std::int32_t delta)
{
    if (!Para)
        return false;
    const std::int32_t target = CharPos + delta;
    if (target < 1 || target > EndOfParaPos())
        return false;
    CharPos = target;
    return true;
}

void TVYXLogPos::SetWithinLimits()
{
    if (!Para)
        return;
    TVYXLogParas* paras = Para->Paras;
    const bool inList = paras && Para->Index() >= 0 && Para->Index() < paras->Count() && paras->GetItems(Para->Index()) == Para;
    if (!inList) {
        TVYXLogParaIterator* it = Para->Iterator();
        Para = it ? it->FirstPara() : nullptr;
        CharPos = 1;
        return;
    }
    if (CharPos < 1)
        CharPos = 1;
    if (CharPos > EndOfParaPos())
        CharPos = EndOfParaPos();
}

// ---- Tests -----------------------------------------------------------------------

bool TVYXLogPos::Valid() const { return Para && CharPos >= 1 && CharPos <= Para->EndOfParaPos(); }

bool TVYXLogPos::IsAtBeginningOfDoc() const
{
    return Para && Para->Paras && !Para->Paras->Cell && Para->Index() == 0 && CharPos == 1;
}

bool TVYXLogPos::IsAtBeginningOfParas() const { return Para && Para->Index() == 0 && CharPos == 1; }

bool TVYXLogPos::IsAtEndOfParas() const
{
    return Para && Para->Paras && Para->Paras->Last() == Para && CharPos == EndOfParaPos();
}

bool TVYXLogPos::IsAtEndOfDoc() const { return IsAtEndOfParas() && !Para->Paras->Cell; }

bool TVYXLogPos::SameCell(const TVYXLogPos& pos) const
{
    return Para && pos.Para && Para->Cell() && Para->Cell() == pos.Para->Cell();
}

bool TVYXLogPos::SameTable(const TVYXLogPos& pos) const
{
    return Para && pos.Para && Para->Cell() && pos.Para->Cell() &&
           Para->Cell()->Table() == pos.Para->Cell()->Table();
}

bool TVYXLogPos::IsInRevision() const
{
    const TVYXCharRun* run = GetCharRun();
    return run && run->Revision();
}

// ---- Content ---------------------------------------------------------------------

char16_t TVYXLogPos::GetCharAtPos() const { return Para ? Para->GetChar(CharPos) : 0; }
TVYXCharType TVYXLogPos::CharType() const { return Para ? Para->CharTypeAtPos(CharPos) : actInvalid; }
TVYXCharRun* TVYXLogPos::GetCharRun() const { return Para ? Para->CharRuns().FindAbsolute(CharPos, false) : nullptr; }
TVYXCHPX* TVYXLogPos::GetCHPX() const { return Para ? Para->CHPXAtPos(CharPos) : nullptr; }
TVYXPAPX* TVYXLogPos::GetPAPX() const { return Para ? &Para->PAPX() : nullptr; }

void TVYXLogPos::InsertText(std::u16string_view text)
{
    if (!Para)
        return;
    Para->InsertText(text, CharPos);
    CharPos += static_cast<std::int32_t>(text.size());
}

// ---- Ordering --------------------------------------------------------------------

int TVYXLogPos::Compare(const TVYXLogPos& other) const
{
    TVYXPosCompareData data;
    return Compare(other, data);
}

int TVYXLogPos::Compare(const TVYXLogPos& other, TVYXPosCompareData& data) const
{
    if (!Para || !other.Para)
        return 0;
    TVYXLogParaItem* item1 = Para;
    TVYXLogParaItem* item2 = other.Para;
    if (item1->Paras == item2->Paras) {
        data.CompareRes = apcrParaInSameParas;
        return Para == other.Para ? other.CharPos - CharPos : item2->Index() - item1->Index();
    }
    data.Level1 = item1->Paras ? item1->Paras->Level() : 0;
    data.Level2 = item2->Paras ? item2->Paras->Level() : 0;
    if (data.Level1 == 0 || data.Level2 == 0) {
        // One side is in the root list: compare with the other's outermost table.
        const bool otherInTable = data.Level2 > 0;
        data.CompareRes = otherInTable ? apcrRootParasAndTable : apcrTableAndRootPara;
        TVYXLogParaItem* root1 = item1;
        TVYXLogParaItem* root2 = item2;
        while (root1->Paras && root1->Paras->Cell)
            root1 = root1->Paras->Cell->Table();
        while (root2->Paras && root2->Paras->Cell)
            root2 = root2->Paras->Cell->Table();
        data.ParaItem1 = root1;
        data.ParaItem2 = root2;
        return root2->Index() - root1->Index();
    }
    TVYXTableCell* cell1 = item1->Paras->Cell;
    TVYXTableCell* cell2 = item2->Paras->Cell;
    int l1 = data.Level1, l2 = data.Level2;
    while (l1 > l2) {
        item1 = cell1->Table();
        cell1 = item1->Paras->Cell;
        --l1;
    }
    while (l2 > l1) {
        item2 = cell2->Table();
        cell2 = item2->Paras->Cell;
        --l2;
    }
    data.Cell1 = cell1;
    data.Cell2 = cell2;
    data.ParaItem1 = item1;
    data.ParaItem2 = item2;
    if (cell1 == cell2) {
        data.CompareRes = data.Level1 > data.Level2 ? apcrCellAndParaInSameCell : apcrParaAndCellInSameCell;
        return item2->Index() - item1->Index();
    }
    while (cell1 != cell2) {
        TVYXTable* table1 = cell1->Table();
        TVYXTable* table2 = cell2->Table();
        if (table1 == table2) {
            data.Cell1 = cell1;
            data.Cell2 = cell2;
            data.CompareRes = apcrDifferentCells;
            return cell1->Compare(*cell2);
        }
        item1 = table1;
        item2 = table2;
        cell1 = table1->Paras->Cell;
        cell2 = table2->Paras->Cell;
        if (!cell1 || !cell2 || cell1 == cell2) {
            data.CompareRes = apcrDifferentTables;
            data.ParaItem1 = item1;
            data.ParaItem2 = item2;
            return item2->Index() - item1->Index();
        }
    }
    return 0;
}

// ---- Moves -----------------------------------------------------------------------

bool TVYXLogPos::MoveCharNext()
{
    if (!Para)
        return false;
    if (CharPos + 1 <= EndOfParaPos()) {
        ++CharPos;
        return true;
    }
    TVYXLogPara* next = Para->Next();
    if (!next)
        return false;
    Assign(next, 1);
    ParaChanged = true;
    return true;
}

bool TVYXLogPos::MoveCharPrev()
{
    if (!Para)
        return false;
    if (CharPos > 1) {
        --CharPos;
        return true;
    }
    TVYXLogPara* prev = Para->Prev();
    if (!prev)
        return false;
    AssignEnd(prev);
    ParaChanged = true;
    return true;
}

bool TVYXLogPos::MovePosNext()
{
    ParaChanged = false;
    if (!Para)
        return false;
    if (CharPos < EndOfParaPos()) {
        CharPos = std::min(CharPos <= 0 ? CharPos + 2 : CharPos + 1, EndOfParaPos());
        return true;
    }
    TVYXLogPara* next = nullptr;
    if (Para->Cell())
        next = Para->Next();
    else if (TVYXLogParaItem* item = Para->NextInParas(); item && item->IsPara())
        next = static_cast<TVYXLogPara*>(item);
    else if (item && item->IsTable()) {
        next = Para->Next();
    }
    if (!next)
        return false;
    Assign(next, 1);
    ParaChanged = true;
    return true;
}

bool TVYXLogPos::MovePosPrev()
{
    ParaChanged = false;
    return MoveCharPrev();
}

void TVYXLogPos::MoveEndOfPara() { CharPos = EndOfParaPos(); }

void TVYXLogPos::MoveEndOfDoc()
{
    if (Para && Para->Paras)
        AssignEnd(Para->Paras->RootParas()->_LastPara());
}

void TVYXLogPos::MoveBeginningOfDoc()
{
    if (Para && Para->Paras)
        Assign(Para->Paras->RootParas()->_FirstPara(), 1);
}

bool TVYXLogPos::MoveParaNext() { return MoveToPara(true); }
bool TVYXLogPos::MoveParaPrev() { return MoveToPara(false); }

bool TVYXLogPos::MoveToPara(bool forward)
{
    if (!Valid()) {
        Para = nullptr;
        return false;
    }
    TVYXLogPara* target = forward ? Para->Next() : Para->Prev();
    if (!target)
        return false;
    Assign(target, 1);
    ParaChanged = true;
    return true;
}

bool TVYXLogPos::MoveToCell(TVYXTableCell* cell)
{
    if (!cell)
        return false;
    Assign(cell->FirstPara(), 1);
    ParaChanged = true;
    return Para != nullptr;
}

bool TVYXLogPos::MoveCellNext() { return Para && Para->Cell() && MoveToCell(Para->Cell()->NextCell()); }
bool TVYXLogPos::MoveCellPrev() { return Para && Para->Cell() && MoveToCell(Para->Cell()->PrevCell()); }
bool TVYXLogPos::MoveCellDown() { return Para && Para->Cell() && MoveToCell(Para->Cell()->NextCellDown()); }
bool TVYXLogPos::MoveCellUp() { return Para && Para->Cell() && MoveToCell(Para->Cell()->NextCellUp()); }
bool TVYXLogPos::MoveCellLeft() { return Para && Para->Cell() && MoveToCell(Para->Cell()->NextCellLeft()); }
bool TVYXLogPos::MoveCellRight() { return Para && Para->Cell() && MoveToCell(Para->Cell()->NextCellRight()); }

bool TVYXLogPos::MoveWordNext()
{
    if (!Para)
        return false;
    if (std::int32_t p = Para->FindNextWord(CharPos)) {
        CharPos = p;
        return true;
    }
    if (CharPos < EndOfParaPos()) {
        CharPos = EndOfParaPos();
        return true;
    }
    return MoveParaNext();
}

bool TVYXLogPos::MoveWordPrev()
{
    if (!Para)
        return false;
    if (std::int32_t p = Para->FindPrevWord(CharPos)) {
        CharPos = p;
        return true;
    }
    if (CharPos > 1) {
        CharPos = 1;
        return true;
    }
    return MoveCharPrev();
}

bool TVYXLogPos::MoveCharRunNext()
{
    TVYXCharRun* run = GetCharRun();
    if (!run)
        return false;
    CharPos = std::min(run->GetEndPos(), EndOfParaPos());
    return true;
}

bool TVYXLogPos::MoveCharRunPrev()
{
    TVYXCharRun* run = Para ? Para->CharRuns().FindAbsolute(CharPosDec(), true) : nullptr;
    if (!run)
        return false;
    CharPos = run->StartPos;
    return true;
}

bool TVYXLogPos::MoveWordEnd()
{
    std::int32_t start = 0, end = 0;
    if (!Para || !Para->WordAtPos(CharPos, start, end))
        return false;
    CharPos = end;
    return true;
}

namespace {
bool Editable(const TVYXLogPos& pos)
{
    const TVYXCharRun* run = pos.Para ? pos.Para->CharRuns().FindAbsolute(pos.CharPos, true) : nullptr;
    return !run || !run->GetReadOnlyActive();
}
}  // namespace

bool TVYXLogPos::MoveEditNext()
{
    const TVYXLogPos start(*this);
    while (MoveCharNext())
        if (Editable(*this))
            return true;
    Assign(start);
    return false;
}

bool TVYXLogPos::MoveEditPrev()
{
    const TVYXLogPos start(*this);
    while (MoveCharPrev())
        if (Editable(*this))
            return true;
    Assign(start);
    return false;
}

void TVYXLogPos::MoveStartOfCharType()
{
    if (!Para)
        return;
    const TVYXCharType type = Para->CharTypeAtPos(CharPos);
    while (CharPos > 1 && Para->CharTypeAtPos(CharPos - 1) == type)
        --CharPos;
}

void TVYXLogPos::MoveEndOfCharType()
{
    if (!Para)
        return;
    const TVYXCharType type = Para->CharTypeAtPos(CharPos);
    while (CharPos < EndOfParaPos() && Para->CharTypeAtPos(CharPos) == type)
        ++CharPos;
}

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
    IterateCharRuns([&any](TVYXCharRun& run) { any = any || run.Revision(); });
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
    TVYXTableCell* cell = First.Para ? First.Para->Cell() : nullptr;
    return cell && Last.Para && Last.Para->Cell() == cell && First.Para == cell->Paras().First() &&
           First.CPIsAtBOP() && Last.Para == cell->Paras().Last() && Last.CPIsAtEOP();
}

bool TVYXLogSelection::IsRectCells() const
{
    const TVYXTableCell* c1 = First.Para ? First.Para->Cell() : nullptr;
    const TVYXTableCell* c2 = Last.Para ? Last.Para->Cell() : nullptr;
    return c1 && c2 && c1 != c2 && c1->Table() == c2->Table();
}

bool TVYXLogSelection::MergeCells()
{
    if (!IsRectCells())
        return false;
    TVYXTableCell* c1 = First.Para->Cell();
    TVYXTableCell* c2 = Last.Para->Cell();
    TVYXTable* table = c1->Table();
    const int col1 = c1->Index, row1 = c1->Row->Index, col2 = c2->Index, row2 = c2->Row->Index;
    table->MergeCells(col1, row1, col2, row2);
    TVYXTableCell* merged = table->GetCells(std::min(col1, col2), std::min(row1, row2));
    First.Assign(merged->FirstPara(), 1);
    Last.Assign(First);
    return true;
}

bool TVYXLogSelection::CopyContent(TVYXLogParas& paras) const
{
    if (!Valid() || First.Para->Paras != Last.Para->Paras)
        return false;
    TVYXLogParas& source = *First.Para->Paras;
    const int firstIndex = First.Para->Index();
    // A selection ending at position 1 of a paragraph takes the mark before it, nothing of it.
    const int lastIndex = Last.CharPos == 1 && Last.Para != First.Para ? Last.Para->Index() - 1 : Last.Para->Index();
    for (int i = firstIndex; i <= lastIndex; ++i) {
        const TVYXLogParaItem* item = source.GetItems(i);
        if (item->IsTable()) {
            paras.InsertItem(-1, item->Clone(&paras));
            continue;
        }
        const auto* p = static_cast<const TVYXLogPara*>(item);
        const std::int32_t from = i == firstIndex ? First.CharPos : 1;
        const bool isLast = p == Last.Para;
        const std::int32_t to = isLast ? Last.CharPos : p->EndOfParaPos();
        auto copy = p->Clone(&paras, from, to);
        if (copy->Count() == 0)
            copy->CharRuns().Add();
        copy->Pilcrow = !isLast || LastPosIsPilcrow();
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

void TVYXLogSelection::MakeBullet()
{
    const auto paras = Paras();
    TVYXNumbering* level = paras.empty() ? nullptr : paras.front()->BeginBullet();
    for (std::size_t i = 1; level && i < paras.size(); ++i) {
        paras[i]->PAPX().SetNumbering(level);
        paras[i]->UseStyle(u"ListParagraph");
    }
}

void TVYXLogSelection::MakeNumbering()
{
    const auto paras = Paras();
    TVYXNumbering* level = paras.empty() ? nullptr : paras.front()->BeginNumbering();
    for (std::size_t i = 1; level && i < paras.size(); ++i) {
        paras[i]->PAPX().SetNumbering(level);
        paras[i]->UseStyle(u"ListParagraph");
    }
}

void TVYXLogSelection::RemoveBulletNumbering()
{
    for (TVYXLogPara* p : Paras())
        p->RemoveBulletNumbering();
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
            if (run->GetEndPos() > from && run->StartPos < to)
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
    if (!Valid() || !First.Para->Paras || First.Para->Paras != Last.Para->Paras)
        return;
    First.Para->Paras->DeleteText(First, Last, nullptr);
    Last.Assign(First);
}

void TVYXLogSelection::Format(const TVYXCHPX& chpx)
{
    if (Valid() && First.Para->Paras)
        First.Para->Paras->FormatRange(&chpx, First, Last);
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
    auto linkAt = [&runs](std::int32_t pos) -> TVYXCharRunHyperlink* {
        auto* run = dynamic_cast<TVYXCharRunHyperlink*>(runs.FindAbsolute(pos, true));
        return run && run->Hyperlink ? run : nullptr;
    };
    TVYXCharRunHyperlink* run = linkAt(First.CharPos);
    if (!run && First.CharPos > 1)
        run = linkAt(First.CharPos - 1);
    if (!run)
        return false;
    // Neighbours belong to the link while they refer to it and no first / last tag parts them.
    auto linkRun = [&runs, run](int i) {
        auto* r = dynamic_cast<TVYXCharRunHyperlink*>(runs.Items(i));
        return r && r->Hyperlink == run->Hyperlink ? r : nullptr;
    };
    int a = run->Index, b = run->Index;
    while (a > 0 && !linkRun(a)->HLinkFirst && linkRun(a - 1) && !linkRun(a - 1)->HLinkLast)
        --a;
    while (b + 1 < runs.Count() && !linkRun(b)->HLinkLast && linkRun(b + 1) && !linkRun(b + 1)->HLinkFirst)
        ++b;
    TVYXLogPara* para = First.Para;
    First.Assign(para, runs.Items(a)->StartPos);
    Last.Assign(para, runs.Items(b)->StartPos + runs.Items(b)->Len());
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
    if (!Valid() || !First.Para->Paras || First.Para->Paras != Last.Para->Paras)
        return false;
    TVYXLogParas& paras = *First.Para->Paras;
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
    TVYXRootData* root = First.Para->Paras ? First.Para->Paras->RootManager : nullptr;
    if (!root || !root->Hyperlinks)
        return nullptr;
    bool hasText = false;
    for (std::int32_t pos = First.CharPos; pos < Last.CharPos && !hasText; ++pos) {
        const TVYXCharRun* run = First.Para->CharRuns().FindAbsolute(pos, true);
        hasText = run && run->Type_() == acrtText;
    }
    if (!hasText)
        return nullptr;
    TVYXHyperlink* link = toBookmark ? root->Hyperlinks->AddUniqueBookmark(address)
                                     : root->Hyperlinks->Add(address, ahtURL);
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

void TVYXLogSelections::Delete(int index)
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

void TVYXLogSelections::SetPlainText(std::u16string_view text)
{
    for (auto it = FItems.rbegin(); it != FItems.rend(); ++it)
        (*it)->SetPlainText(text);
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
    if (!pos.Para || !pos.Para->Paras || FItems.empty())
        return false;
    TVYXLogParas& paras = *pos.Para->Paras;
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
