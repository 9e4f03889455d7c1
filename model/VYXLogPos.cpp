// VYXLogPos.cpp: logical positions, their ordering through table nesting, moves and selections.
#include "model/VYXLogPos.h"

#include <algorithm>

#include "model/VYXLogParas.h"
#include "model/VYXDocData.h"
#include "model/VYXDocProps.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
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

namespace {
// Enabled revision data of a run (disabled changes are hidden from every walk).
TVYXRevisionData* ChangeOf(const TVYXCharRun& run)
{
    TVYXRevisionData* rev = run.Revision();
    return rev && rev->Enabled ? rev : nullptr;
}

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
        const TVYXCharRun* left = Para->GetItems(i - 1);
        const TVYXCharRunType t = left->Type_();
        if (t == acrtText || t == acrtHyperlink || t == acrtSimpleField)
            return left->CHPX();
    }
    return run->CHPX();
}

TVYXPAPX* TVYXLogPos::GetPAPX() const { return Para ? &Para->PAPX() : nullptr; }

namespace {
// The hyperlink run holding the character at `pos`, else the one before it.
TVYXCharRunHyperlink* HyperlinkRunAt(const TVYXLogPara& para, std::int32_t pos)
{
    for (std::int32_t at : {pos, pos - 1}) {
        const int i = at >= 1 ? RunIndexAt(para, at) : -1;
        auto* run = i >= 0 ? dynamic_cast<TVYXCharRunHyperlink*>(para.GetItems(i)) : nullptr;
        if (run && run->Hyperlink)
            return run;
    }
    return nullptr;
}
}  // namespace

TVYXHyperlink* TVYXLogPos::GetHyperlink() const
{
    const TVYXCharRunHyperlink* run = Para ? HyperlinkRunAt(*Para, CharPos) : nullptr;
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
    IterateCharRuns([&any](TVYXCharRun& run) { any = any || ChangeOf(run); });
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
    return list && list->RootManager() ? list->RootManager()->Numberings : nullptr;
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
    TVYXCharRunHyperlink* run = HyperlinkRunAt(*First.Para, First.CharPos);
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
