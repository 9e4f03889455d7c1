// VYXPhyPos.cpp: physical positions and the caret: rows of a position, row-relative places, every move.
#include "layout/VYXPhyPos.h"

#include <algorithm>
#include <type_traits>

#include "layout/VYXPhyRow.h"
#include "model/VYXCharRun.h"
#include "model/VYXLogParas.h"
#include "model/VYXTable.h"
#include "platform/VYXException.h"

namespace {

TVYXPhyRows* RowsOf(const TVYXLogPara* para)
{
    if (!para)
        return nullptr;
    auto* rows = dynamic_cast<TVYXPhyRows*>(para->Rows());
    return rows && rows->Count() > 0 ? rows : nullptr;
}

// The row may show the position: inside it, or at its end (the seam with the next row).
bool RowHolds(const TVYXPhyRow& row, std::int32_t pos) { return pos >= row.StartPos && pos <= row.EndPos; }

}  // namespace

// ---- Setting -------------------------------------------------------------------------

void TVYXLogPhyPosition::Assign(const TVYXLogPhyPosition& pos)
{
    TVYXLogPos::Assign(pos);
    FRowIndex = pos.FRowIndex;
    FRowPara = pos.FRowPara;
    FRowCharPos = pos.FRowCharPos;
}

void TVYXLogPhyPosition::AssignRow(TVYXLogPara* para, int rowIndex, std::int32_t charPos)
{
    TVYXLogPos::Assign(para, charPos);
    FRowIndex = rowIndex;
    FRowPara = para;
    FRowCharPos = charPos;
}

void TVYXLogPhyPosition::SetCharPos(std::int32_t pos)
{
    TVYXLogPos::SetCharPos(pos);
    InvalidateRow();
}

// ---- Rows ----------------------------------------------------------------------------

TVYXPhyRows* TVYXLogPhyPosition::FindRows() const { return RowsOf(Para); }

void TVYXLogPhyPosition::SetRowFromPos()
{
    const TVYXPhyRows* rows = FindRows();
    FRowIndex = rows ? rows->FindRow(CharPos) : -1;
    FRowPara = Para;
    FRowCharPos = CharPos;
}

int TVYXLogPhyPosition::GetRowIndex() const
{
    const TVYXPhyRows* rows = FindRows();
    if (!rows)
        return -1;
    // The cached row stands while it was found for this place and still shows it
    // (layout may have broken the paragraph again since).
    if (FRowIndex < 0 || FRowPara != Para || FRowCharPos != CharPos || FRowIndex >= rows->Count() ||
        !RowHolds(rows->GetItems(FRowIndex), CharPos)) {
        FRowIndex = rows->FindRow(CharPos);
        FRowPara = Para;
        FRowCharPos = CharPos;
    }
    return FRowIndex;
}

TVYXPhyRow* TVYXLogPhyPosition::GetRow() const
{
    const int i = GetRowIndex();
    return i < 0 ? nullptr : &FindRows()->GetItems(i);
}

TVYXPhyRow* TVYXLogPhyPosition::FindRow(int index) const
{
    const TVYXPhyRows* rows = FindRows();
    return rows && index >= 0 && index < rows->Count() ? &rows->GetItems(index) : nullptr;
}

const TVYXPhyRow& TVYXLogPhyPosition::RequireRow() const
{
    const TVYXPhyRow* row = GetRow();
    if (!row)
        throw VYXException("Invalid char position");
    return *row;
}

std::int32_t TVYXLogPhyPosition::BOLPos() const { return RequireRow().StartPos; }

std::int32_t TVYXLogPhyPosition::EOLPos() const
{
    const TVYXPhyRow& row = RequireRow();
    return std::max(row.StartPos, row.EndPos - 1);
}

std::int32_t TVYXLogPhyPosition::EOLPlusPos() const
{
    const TVYXPhyRow& row = RequireRow();
    if (GetRowIndex() == FindRows()->Count() - 1)
        return std::max(row.EndPos, EndOfParaPos());
    return row.EndPos;
}

std::int32_t TVYXLogPhyPosition::RelativePos() const
{
    const TVYXPhyRow& row = RequireRow();
    if (CharPos < row.StartPos || (CharPos > EOLPos() && CharPos != EOLPlusPos() && CharPos != EndOfParaPos()))
        throw VYXException("Invalid char position");
    return CharPos - row.StartPos + 1;
}

// ---- Row order -------------------------------------------------------------------------

int TVYXLogPhyPosition::CompareRow(const TVYXLogPhyPosition& other) const
{
    if (Para == other.Para)
        return GetRowIndex() - other.GetRowIndex();
    const TVYXLogPos a(Para, 1), b(other.Para, 1);
    const int c = a.Compare(b);  // positive when this paragraph comes first
    return c > 0 ? -1 : (c < 0 ? 1 : 0);
}

bool TVYXLogPhyPosition::RowIsAtBeginningOfDoc() const
{
    return Para && GetRowIndex() <= 0 && !PrevRowPara(Para);
}

bool TVYXLogPhyPosition::RowIsAtEndOfPara() const
{
    const TVYXPhyRows* rows = FindRows();
    return !rows || GetRowIndex() == rows->Count() - 1;
}

bool TVYXLogPhyPosition::RowIsAtEndOfDoc() const { return Para && RowIsAtEndOfPara() && !NextRowPara(Para); }

bool TVYXLogPhyPosition::HaveNextRow() const { return Para && (!RowIsAtEndOfPara() || NextRowPara(Para)); }

bool TVYXLogPhyPosition::HavePrevRow() const { return Para && (GetRowIndex() > 0 || PrevRowPara(Para)); }

TVYXLogPara* TVYXLogPhyPosition::NextRowPara(TVYXLogPara* para)
{
    for (TVYXLogPara* p = para ? para->Next() : nullptr; p; p = p->Next())
        if (RowsOf(p))
            return p;
    return nullptr;
}

TVYXLogPara* TVYXLogPhyPosition::PrevRowPara(TVYXLogPara* para)
{
    for (TVYXLogPara* p = para ? para->Prev() : nullptr; p; p = p->Prev())
        if (RowsOf(p))
            return p;
    return nullptr;
}

// ---- Moves ------------------------------------------------------------------------------

bool TVYXLogPhyPosition::StepPara(TVYXLogPara* target, bool atEnd)
{
    if (!target)
        return false;
    if (atEnd)
        AssignEnd(target);
    else
        TVYXLogPos::Assign(target, 1);
    InvalidateRow();
    FRowCrossed = true;
    return true;
}

bool TVYXLogPhyPosition::MovePosNext()
{
    const int row = GetRowIndex();
    const TVYXLogPara* para = Para;
    const bool ok = TVYXLogPos::MovePosNext();
    FRowCrossed = Para != para || GetRowIndex() != row;
    return ok;
}

bool TVYXLogPhyPosition::MovePosPrev()
{
    const int row = GetRowIndex();
    const TVYXLogPara* para = Para;
    const bool ok = TVYXLogPos::MovePosPrev();
    FRowCrossed = Para != para || GetRowIndex() != row;
    return ok;
}

bool TVYXLogPhyPosition::MoveRowNext()
{
    FRowCrossed = false;
    const TVYXPhyRows* rows = FindRows();
    if (!rows)
        return false;
    const int i = GetRowIndex();
    if (i + 1 < rows->Count()) {
        AssignRow(Para, i + 1, rows->GetItems(i + 1).StartPos);
        FRowCrossed = true;
        return true;
    }
    if (TVYXLogPara* next = NextRowPara(Para)) {
        AssignRow(next, 0, RowsOf(next)->GetItems(0).StartPos);
        FRowCrossed = true;
        return true;
    }
    // The document's last row: to the paragraph's end, once.
    if (CharPos == EndOfParaPos())
        return false;
    AssignRow(Para, i, EndOfParaPos());
    return true;
}

bool TVYXLogPhyPosition::MoveRowPrev()
{
    FRowCrossed = false;
    const TVYXPhyRows* rows = FindRows();
    if (!rows)
        return false;
    const int i = GetRowIndex();
    if (i > 0) {
        AssignRow(Para, i - 1, rows->GetItems(i - 1).StartPos);
        FRowCrossed = true;
        return true;
    }
    if (TVYXLogPara* prev = PrevRowPara(Para)) {
        const TVYXPhyRows* prevRows = RowsOf(prev);
        AssignRow(prev, prevRows->Count() - 1, prevRows->Last()->StartPos);
        FRowCrossed = true;
        return true;
    }
    // The document's first row: to its start, once.
    if (CharPos == rows->GetItems(0).StartPos)
        return false;
    AssignRow(Para, 0, rows->GetItems(0).StartPos);
    return true;
}

void TVYXLogPhyPosition::MoveBOL()
{
    const int i = GetRowIndex();
    if (i >= 0)
        AssignRow(Para, i, FindRows()->GetItems(i).StartPos);
}

void TVYXLogPhyPosition::MoveEOLPlus()
{
    const int i = GetRowIndex();
    if (i >= 0)
        AssignRow(Para, i, EOLPlusPos());
}

void TVYXLogPhyPosition::MoveBeginningOfPara()
{
    TVYXLogPos::MoveBeginningOfPara();
    InvalidateRow();
}

void TVYXLogPhyPosition::MoveEndOfPara()
{
    TVYXLogPos::MoveEndOfPara();
    InvalidateRow();
}

void TVYXLogPhyPosition::MoveBeginningOfDoc()
{
    const TVYXLogPara* para = Para;
    TVYXLogPos::MoveBeginningOfDoc();
    FRowCrossed = para != Para;
    InvalidateRow();
}

void TVYXLogPhyPosition::MoveEndOfDoc()
{
    const TVYXLogPara* para = Para;
    TVYXLogPos::MoveEndOfDoc();
    FRowCrossed = para != Para;
    InvalidateRow();
}

bool TVYXLogPhyPosition::MoveParaNext()
{
    const bool ok = TVYXLogPos::MoveParaNext();
    FRowCrossed = ok;
    InvalidateRow();
    return ok;
}

bool TVYXLogPhyPosition::MoveParaPrev()
{
    const bool ok = TVYXLogPos::MoveParaPrev();
    FRowCrossed = ok;
    InvalidateRow();
    return ok;
}

bool TVYXLogPhyPosition::MoveCellNext()
{
    const bool ok = TVYXLogPos::MoveCellNext();
    FRowCrossed = ok;
    InvalidateRow();
    return ok;
}

bool TVYXLogPhyPosition::MoveCellPrev()
{
    const bool ok = TVYXLogPos::MoveCellPrev();
    FRowCrossed = ok;
    InvalidateRow();
    return ok;
}

bool TVYXLogPhyPosition::MoveCell(TVYXTableCell* cell)
{
    TVYXLogPara* first = cell ? cell->FirstPara() : nullptr;
    return StepPara(first, false);
}

bool TVYXLogPhyPosition::MoveRelative(std::int32_t delta)
{
    const bool ok = TVYXLogPos::MoveRelative(delta);
    if (ok)
        InvalidateRow();
    return ok;
}

bool TVYXLogPhyPosition::IterateNext()
{
    const TVYXLogPara* para = Para;
    const bool ok = MoveCharNext();
    FRowCrossed = para != Para;
    return ok;
}

bool TVYXLogPhyPosition::IteratePrev()
{
    const TVYXLogPara* para = Para;
    const bool ok = MoveCharPrev();
    FRowCrossed = para != Para;
    return ok;
}

// ---- The caret ------------------------------------------------------------------------------

// Base moves call other virtual moves (a word move may step to the next paragraph);
// only the outermost one tells the listeners.
template <typename F>
auto TVYXCaretLogPhyPosition::Bracket(F&& move, bool keepRow)
{
    const bool outer = FMoveDepth++ == 0;
    struct TDepth {
        int& Depth;
        ~TDepth() { --Depth; }
    } depth{FMoveDepth};
    if (outer)
        BeforeMove();
    const auto after = [&] {
        if (!outer)
            return;
        if (keepRow)
            AfterMoveKeepPos();
        else
            AfterMove();
    };
    if constexpr (std::is_void_v<decltype(move())>) {
        move();
        after();
    } else {
        auto result = move();
        after();
        return result;
    }
}

void TVYXCaretLogPhyPosition::BeforeMove()
{
    if (BeforeMoveEvent)
        BeforeMoveEvent(*this);
    FOldPara = Para;
    FOldRowIndex = GetRowIndex();
    FOldCharPos = CharPos;
}

void TVYXCaretLogPhyPosition::TakeContext()
{
    FCharRun = GetCharRun();
    TVYXMarkupObject* field = nullptr;
    if (FCharRun && FCharRun->Type_() == acrtSimpleField)
        field = static_cast<TVYXCharRunSimpleField*>(FCharRun)->SimpField();
    FFieldChanged = field != FField;
    FField = field;
    FCell = Para ? Para->Cell() : nullptr;
    FCellList.clear();
    for (TVYXTableCell* c = FCell; c; c = c->ParentCell())
        FCellList.push_back(c);
}

void TVYXCaretLogPhyPosition::AfterMove()
{
    TakeContext();
    InvalidateRow();
    if (AfterMoveEvent)
        AfterMoveEvent(*this);
}

void TVYXCaretLogPhyPosition::AfterMoveKeepPos()
{
    TakeContext();
    if (AfterMoveEvent)
        AfterMoveEvent(*this);
}

bool TVYXCaretLogPhyPosition::PosChanged() const { return FOldPara != Para || FOldCharPos != CharPos; }

bool TVYXCaretLogPhyPosition::RowChanged() const { return FOldPara != Para || FOldRowIndex != GetRowIndex(); }

void TVYXCaretLogPhyPosition::SavePos()
{
    FSaved = VYXAddressOf(*this);
    FHasSaved = FSaved.Item >= 0;
}

bool TVYXCaretLogPhyPosition::RestorePos(TVYXLogParas& body)
{
    const auto clamp = [](int v, int count) { return std::max(0, std::min(v, count - 1)); };
    TVYXLogParas* list = &body;
    TVYXLogPara* para = nullptr;
    bool inTable = false;
    if (FHasSaved) {
        // Down the cell chain, each index clamped to what the rebuilt body has.
        for (const TVYXDocAddressStep& step : FSaved.Path) {
            if (list->Count() == 0)
                break;
            TVYXLogParaItem* item = list->GetItems(clamp(step.Item, list->Count()));
            if (!item->IsTable()) {
                para = static_cast<TVYXLogPara*>(item);
                break;
            }
            auto* table = static_cast<TVYXTable*>(item);
            if (table->Count() == 0)
                break;
            TVYXTableRow* row = table->GetRows(clamp(step.Row, table->Count()));
            if (row->Count() == 0)
                break;
            list = &row->GetCells(clamp(step.Cell, row->Count()))->Paras();
            inTable = true;
        }
        if (!para && list->Count() > 0) {
            TVYXLogParaItem* item = list->GetItems(clamp(FSaved.Item, list->Count()));
            para = item->IsTable() ? static_cast<TVYXTable*>(item)->FirstPara() : static_cast<TVYXLogPara*>(item);
        }
    }
    if (!para)
        para = inTable && list->Count() > 0 ? list->_FirstPara() : body._FirstPara();
    if (!para)
        return false;
    const std::int32_t charPos = std::max(1, std::min(FHasSaved ? FSaved.CharPos : 1, para->EndOfParaPos()));
    // The paragraph the caret held may be gone: nothing may look at it any more.
    Clear();
    Bracket([&] { TVYXLogPos::Assign(para, charPos); });
    return true;
}

void TVYXCaretLogPhyPosition::UpdatePosRelative(std::int32_t rel)
{
    const int i = GetRowIndex();
    if (i < 0)
        return;
    const TVYXPhyRow& row = FindRows()->GetItems(i);
    const std::int32_t pos = std::max(row.StartPos, std::min(row.StartPos + rel - 1, EOLPlusPos()));
    Bracket([&] { AssignRow(Para, i, pos); }, true);
}

int TVYXCaretLogPhyPosition::Bitmap(double height) const { return height >= 40 ? 3 : 2; }

bool TVYXCaretLogPhyPosition::MovePosNext() { return Bracket([this] { return TVYXLogPhyPosition::MovePosNext(); }); }
bool TVYXCaretLogPhyPosition::MovePosPrev() { return Bracket([this] { return TVYXLogPhyPosition::MovePosPrev(); }); }

// Row moves chose their row: a seam position keeps the row it was put on.
bool TVYXCaretLogPhyPosition::MoveRowNext() { return Bracket([this] { return TVYXLogPhyPosition::MoveRowNext(); }, true); }
bool TVYXCaretLogPhyPosition::MoveRowPrev() { return Bracket([this] { return TVYXLogPhyPosition::MoveRowPrev(); }, true); }
void TVYXCaretLogPhyPosition::MoveBOL() { Bracket([this] { TVYXLogPhyPosition::MoveBOL(); }, true); }
void TVYXCaretLogPhyPosition::MoveEOLPlus() { Bracket([this] { TVYXLogPhyPosition::MoveEOLPlus(); }, true); }

void TVYXCaretLogPhyPosition::MoveBeginningOfPara() { Bracket([this] { TVYXLogPhyPosition::MoveBeginningOfPara(); }); }
void TVYXCaretLogPhyPosition::MoveEndOfPara() { Bracket([this] { TVYXLogPhyPosition::MoveEndOfPara(); }); }
void TVYXCaretLogPhyPosition::MoveBeginningOfDoc() { Bracket([this] { TVYXLogPhyPosition::MoveBeginningOfDoc(); }); }
void TVYXCaretLogPhyPosition::MoveEndOfDoc() { Bracket([this] { TVYXLogPhyPosition::MoveEndOfDoc(); }); }
bool TVYXCaretLogPhyPosition::MoveParaNext() { return Bracket([this] { return TVYXLogPhyPosition::MoveParaNext(); }); }
bool TVYXCaretLogPhyPosition::MoveParaPrev() { return Bracket([this] { return TVYXLogPhyPosition::MoveParaPrev(); }); }
bool TVYXCaretLogPhyPosition::MoveCellNext() { return Bracket([this] { return TVYXLogPhyPosition::MoveCellNext(); }); }
bool TVYXCaretLogPhyPosition::MoveCellPrev() { return Bracket([this] { return TVYXLogPhyPosition::MoveCellPrev(); }); }
bool TVYXCaretLogPhyPosition::MoveCell(TVYXTableCell* cell)
{
    return Bracket([this, cell] { return TVYXLogPhyPosition::MoveCell(cell); });
}
bool TVYXCaretLogPhyPosition::MoveCellDown() { return Bracket([this] { return TVYXLogPos::MoveCellDown(); }); }
bool TVYXCaretLogPhyPosition::MoveCellUp() { return Bracket([this] { return TVYXLogPos::MoveCellUp(); }); }
bool TVYXCaretLogPhyPosition::MoveCellLeft() { return Bracket([this] { return TVYXLogPos::MoveCellLeft(); }); }
bool TVYXCaretLogPhyPosition::MoveCellRight() { return Bracket([this] { return TVYXLogPos::MoveCellRight(); }); }
bool TVYXCaretLogPhyPosition::MoveWordNext() { return Bracket([this] { return TVYXLogPos::MoveWordNext(); }); }
bool TVYXCaretLogPhyPosition::MoveWordPrev() { return Bracket([this] { return TVYXLogPos::MoveWordPrev(); }); }
bool TVYXCaretLogPhyPosition::MoveRelative(std::int32_t delta)
{
    return Bracket([this, delta] { return TVYXLogPhyPosition::MoveRelative(delta); });
}
void TVYXCaretLogPhyPosition::MoveToPos(const TVYXLogPos& pos)
{
    Bracket([this, &pos] { TVYXLogPhyPosition::MoveToPos(pos); });
}
void TVYXCaretLogPhyPosition::MoveToRowPos(const TVYXLogPhyPosition& pos)
{
    Bracket([this, &pos] { Assign(pos); }, true);
}
bool TVYXCaretLogPhyPosition::IterateNext() { return Bracket([this] { return TVYXLogPhyPosition::IterateNext(); }); }
bool TVYXCaretLogPhyPosition::IteratePrev() { return Bracket([this] { return TVYXLogPhyPosition::IteratePrev(); }); }
bool TVYXCaretLogPhyPosition::MoveCharNext() { return Bracket([this] { return TVYXLogPos::MoveCharNext(); }); }
bool TVYXCaretLogPhyPosition::MoveCharPrev() { return Bracket([this] { return TVYXLogPos::MoveCharPrev(); }); }
bool TVYXCaretLogPhyPosition::MoveEditNext() { return Bracket([this] { return TVYXLogPos::MoveEditNext(); }); }
bool TVYXCaretLogPhyPosition::MoveEditPrev() { return Bracket([this] { return TVYXLogPos::MoveEditPrev(); }); }
bool TVYXCaretLogPhyPosition::MoveRevisionNext() { return Bracket([this] { return TVYXLogPos::MoveRevisionNext(); }); }
bool TVYXCaretLogPhyPosition::MoveRevisionPrev() { return Bracket([this] { return TVYXLogPos::MoveRevisionPrev(); }); }
