// VYXLogPos.cpp: logical positions, their ordering through table nesting, and moves
// (selections, which edit through the lists, are VYXLogSelection.cpp).
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
    TVYXLogParas* paras = Para->Paras();
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
    return Para && Para->Paras() && !Para->Paras()->Cell() && Para->Index() == 0 && CharPos == 1;
}

bool TVYXLogPos::IsAtBeginningOfParas() const { return Para && Para->Index() == 0 && CharPos == 1; }

bool TVYXLogPos::IsAtEndOfParas() const
{
    return Para && Para->Paras() && Para->Paras()->Last() == Para && CharPos == EndOfParaPos();
}

bool TVYXLogPos::IsAtEndOfDoc() const { return IsAtEndOfParas() && !Para->Paras()->Cell(); }

bool TVYXLogPos::SameCell(const TVYXLogPos& pos) const
{
    return Para && pos.Para && Para->Cell() && Para->Cell() == pos.Para->Cell();
}

bool TVYXLogPos::SameTable(const TVYXLogPos& pos) const
{
    return Para && pos.Para && Para->Cell() && pos.Para->Cell() &&
           Para->Cell()->Table() == pos.Para->Cell()->Table();
}

const TVYXRevisionData* VYXEnabledChangeOf(const TVYXCharRun& run)
{
    const TVYXRevisionData* rev = run.Revision();
    return rev && rev->Enabled ? rev : nullptr;
}

namespace {
const TVYXRevisionData* ChangeOf(const TVYXCharRun& run) { return VYXEnabledChangeOf(run); }

// The run whose characters include `pos`; -1 at the end position or in a gap.
int RunIndexAt(const TVYXLogPara& para, std::int32_t pos) { return para.CharRuns().IndexAt(pos); }

// A run in reading order; stepping enters and leaves table cells.
struct TRunCursor {
    TVYXLogPara* Para = nullptr;
    int Index = -1;
    TVYXCharRun* Run() const { return Para ? Para->GetItems(Index) : nullptr; }
    bool Step(bool forward)
    {
        Index += forward ? 1 : -1;
        while (Para && (Index < 0 || Index >= Para->Count())) {
            Para = forward ? Para->Next() : Para->Prev();
            Index = forward ? 0 : (Para ? Para->Count() - 1 : -1);
        }
        return Para != nullptr;
    }
    // The next run with characters in the direction, false at the document's end.
    bool StepFilled(bool forward)
    {
        while (Step(forward))
            if (Run()->Len() > 0)
                return true;
        return false;
    }
};

bool SameChange(const TVYXRevisionData* a, const TVYXRevisionData* b) { return a && b && a->Equal(*b); }

// The cursor on the run holding the change at `pos`, or Para nullptr.
TRunCursor ChangeAt(const TVYXLogPos& pos)
{
    if (!pos.Para)
        return {};
    for (std::int32_t at : {pos.CharPos, pos.CharPos - 1}) {
        const int i = RunIndexAt(*pos.Para, at);
        if (i >= 0 && ChangeOf(*pos.Para->GetItems(i)))
            return {pos.Para, i};
    }
    return {};
}

// Walks from a run of a change to the first / last run of that change.
TRunCursor ChangeEdge(TRunCursor cursor, bool forward)
{
    const TVYXRevisionData* rev = ChangeOf(*cursor.Run());
    for (TRunCursor next = cursor; next.StepFilled(forward) && SameChange(ChangeOf(*next.Run()), rev);)
        cursor = next;
    return cursor;
}

bool StartsChange(const TRunCursor& cursor)
{
    const TVYXRevisionData* rev = ChangeOf(*cursor.Run());
    TRunCursor before = cursor;
    return rev && !(before.StepFilled(false) && SameChange(ChangeOf(*before.Run()), rev));
}
}  // namespace

bool TVYXLogPos::IsInRevision() const
{
    const int i = Para ? RunIndexAt(*Para, CharPos) : -1;
    return i >= 0 && ChangeOf(*Para->GetItems(i));
}

bool TVYXLogPos::MoveRevisionBeginning()
{
    TRunCursor at = ChangeAt(*this);
    if (!at.Para)
        return false;
    at = ChangeEdge(at, false);
    Assign(at.Para, at.Run()->StartPos());
    return true;
}

bool TVYXLogPos::MoveRevisionEnd()
{
    TRunCursor at = ChangeAt(*this);
    if (!at.Para)
        return false;
    at = ChangeEdge(at, true);
    Assign(at.Para, at.Run()->GetEndPos());
    return true;
}

bool TVYXLogPos::MoveRevisionNext()
{
    if (!Para)
        return false;
    for (TRunCursor c{Para, -1}; c.StepFilled(true);)
        if ((c.Para != Para || c.Run()->StartPos() > CharPos) && StartsChange(c)) {
            Assign(c.Para, c.Run()->StartPos());
            return true;
        }
    return false;
}

bool TVYXLogPos::MoveRevisionPrev()
{
    if (!Para)
        return false;
    for (TRunCursor c{Para, Para->Count()}; c.StepFilled(false);)
        if ((c.Para != Para || c.Run()->StartPos() < CharPos) && StartsChange(c)) {
            Assign(c.Para, c.Run()->StartPos());
            return true;
        }
    return false;
}

// ---- Content ---------------------------------------------------------------------

char16_t TVYXLogPos::GetCharAtPos() const { return Para ? Para->GetChar(CharPos) : 0; }
TVYXCharType TVYXLogPos::CharType() const { return Para ? Para->CharTypeAtPos(CharPos) : actInvalid; }
TVYXCharRun* TVYXLogPos::GetCharRun() const { return Para ? Para->CharRuns().FindAbsolute(CharPos, false) : nullptr; }
TVYXCHPX* TVYXLogPos::GetCHPX() const { return Para ? Para->CHPXAtPos(CharPos) : nullptr; }
TVYXCHPX* TVYXLogPos::Get_CHPX() const
{
    if (!Para || Para->Count() == 0)
        return nullptr;
    if (CharPos >= EndOfParaPos())
        return Para->CRLast()->CHPX();
    const int i = RunIndexAt(*Para, CharPos);
    if (i < 0)
        return nullptr;
    TVYXCharRun* run = Para->GetItems(i);
    if (i > 0 && CharPos == run->StartPos()) {
        TVYXCharRun* left = Para->GetItems(i - 1);
        const TVYXCharRunType t = left->Type_();
        if (t == acrtText || t == acrtHyperlink || t == acrtSimpleField)
            return left->CHPX();
    }
    return run->CHPX();
}

TVYXPAPX* TVYXLogPos::GetPAPX() const { return Para ? &Para->PAPX() : nullptr; }

TVYXCharRunHyperlink* VYXHyperlinkRunAt(TVYXLogPara& para, std::int32_t pos)
{
    for (std::int32_t at : {pos, pos - 1}) {
        const int i = at >= 1 ? RunIndexAt(para, at) : -1;
        auto* run = i >= 0 ? dynamic_cast<TVYXCharRunHyperlink*>(para.GetItems(i)) : nullptr;
        if (run && run->Hyperlink)
            return run;
    }
    return nullptr;
}

TVYXHyperlink* TVYXLogPos::GetHyperlink() const
{
    const TVYXCharRunHyperlink* run = Para ? VYXHyperlinkRunAt(*Para, CharPos) : nullptr;
    return run ? run->Hyperlink : nullptr;
}

TVYXCharRunGraphic* TVYXLogPos::InsertGraphic(std::unique_ptr<TVYXGraphicObj> graphic)
{
    if (!Para)
        return nullptr;
    TVYXCharRunGraphic* run = Para->InsertGraphic(CharPos, std::move(graphic));
    if (run)
        CharPos = run->GetEndPos();
    return run;
}

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
    if (item1->Paras() == item2->Paras()) {
        data.CompareRes = apcrParaInSameParas;
        return Para == other.Para ? other.CharPos - CharPos : item2->Index() - item1->Index();
    }
    data.Level1 = item1->Paras() ? item1->Paras()->Level() : 0;
    data.Level2 = item2->Paras() ? item2->Paras()->Level() : 0;
    if (data.Level1 == 0 || data.Level2 == 0) {
        // One side is in the root list: compare with the other's outermost table.
        const bool otherInTable = data.Level2 > 0;
        data.CompareRes = otherInTable ? apcrRootParasAndTable : apcrTableAndRootPara;
        TVYXLogParaItem* root1 = item1;
        TVYXLogParaItem* root2 = item2;
        while (root1->Paras() && root1->Paras()->Cell())
            root1 = root1->Paras()->Cell()->Table();
        while (root2->Paras() && root2->Paras()->Cell())
            root2 = root2->Paras()->Cell()->Table();
        data.ParaItem1 = root1;
        data.ParaItem2 = root2;
        return root2->Index() - root1->Index();
    }
    TVYXTableCell* cell1 = item1->Paras()->Cell();
    TVYXTableCell* cell2 = item2->Paras()->Cell();
    int l1 = data.Level1, l2 = data.Level2;
    while (l1 > l2) {
        item1 = cell1->Table();
        cell1 = item1->Paras()->Cell();
        --l1;
    }
    while (l2 > l1) {
        item2 = cell2->Table();
        cell2 = item2->Paras()->Cell();
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
        cell1 = table1->Paras()->Cell();
        cell2 = table2->Paras()->Cell();
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
    if (Para && Para->Paras())
        AssignEnd(Para->Paras()->RootParas()->_LastPara());
}

void TVYXLogPos::MoveBeginningOfDoc()
{
    if (Para && Para->Paras())
        Assign(Para->Paras()->RootParas()->_FirstPara(), 1);
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
    CharPos = run->StartPos();
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

// ---- The first and last positions of a list ------------------------------------

TVYXLogPos& TVYXLogParas::GetFirstPos()
{
    if (!FFirstPos)
        FFirstPos = std::make_unique<TVYXLogPos>();
    FFirstPos->Assign(_FirstPara(), 1);
    return *FFirstPos;
}

TVYXLogPos& TVYXLogParas::GetLastPos()
{
    if (!FLastPos)
        FLastPos = std::make_unique<TVYXLogPos>();
    FLastPos->AssignEnd(_LastPara());
    return *FLastPos;
}
