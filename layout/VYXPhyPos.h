// VYXPhyPos.h: physical positions: a logical position that also knows its row, and the caret built on it.
//
// A logical position (paragraph, 1-based character) says where text is; a physical
// position adds which of the paragraph's laid-out rows shows it. The row matters at
// the seam between two rows of one paragraph: the position after the last character
// of a row is also the first of the next row, and the caret may stand at either
// (after End it stays on the row it was on). The row index is therefore kept with
// the position, filled lazily from the character position and dropped as soon as
// the character position or the layout no longer agree with it.
//
// Positions borrow their paragraph; after paragraphs are replaced (loading, undo) a
// position is re-validated with MakeValid, and the caret re-finds its place by
// indexes with SavePos/RestorePos.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "model/VYXDocAddress.h"
#include "model/VYXLogPos.h"

class TVYXPhyRow;
class TVYXPhyRows;
class TVYXTableCell;
class TVYXCharRun;
class TVYXMarkupObject;
class TVYXCHPX;
class TVYXPAPX;

class TVYXLogPhyPosition : public TVYXLogPos {
public:
    TVYXLogPhyPosition() = default;
    TVYXLogPhyPosition(TVYXLogPara* para, std::int32_t charPos) : TVYXLogPos(para, charPos) {}

    // ---- Setting (each drops the row unless it names one) ----
    void Assign(const TVYXLogPos& pos) { TVYXLogPos::Assign(pos), InvalidateRow(); }
    void Assign(TVYXLogPara* para, std::int32_t charPos) { TVYXLogPos::Assign(para, charPos), InvalidateRow(); }
    void Assign(const TVYXLogPhyPosition& pos);
    // A place on a given row; `rowIndex` must be a row of `para` (else the row is
    // looked up again from the character position when needed).
    void AssignRow(TVYXLogPara* para, int rowIndex, std::int32_t charPos);
    void Clear() { TVYXLogPos::Clear(), InvalidateRow(), FRowCrossed = false; }
    // Forgets the row and the crossed-row flag; the place stays.
    void Reset() { InvalidateRow(), FRowCrossed = false; }
    // Clamps into the paragraph (a paragraph gone from its list: the list's first).
    void MakeValid() { SetWithinLimits(), InvalidateRow(); }
    void SetCharPos(std::int32_t pos) override;

    // ---- Rows ----
    // The paragraph's rows; nullptr before layout or without a paragraph.
    TVYXPhyRows* FindRows() const;
    // Fills the row index from the character position (the row holding it; the
    // paragraph end belongs to the last row).
    void SetRowFromPos();
    // -1 when the paragraph is not laid out.
    int GetRowIndex() const;
    TVYXPhyRow* GetRow() const;
    // Row `index` of the position's paragraph, nullptr out of range.
    TVYXPhyRow* FindRow(int index) const;
    void InvalidateRow() { FRowIndex = -1; }
    // The last move went into another row or paragraph.
    bool RowCrossed() const { return FRowCrossed; }

    // ---- The row around the position (raise "Invalid char position" without a row) ----
    std::int32_t BOLPos() const;      // first character of the row
    std::int32_t EOLPos() const;      // last character of the row (the first on an empty row)
    std::int32_t EOLPlusPos() const;  // after the last character; the paragraph end on the last row
    // 1-based index of the position within its row; a position past the row other than
    // EOLPlusPos and the paragraph end raises "Invalid char position".
    std::int32_t RelativePos() const;

    // ---- Row order (paragraph reading order, then row) ----
    bool EqualRow(const TVYXLogPhyPosition& other) const { return CompareRow(other) == 0; }
    bool LessRow(const TVYXLogPhyPosition& other) const { return CompareRow(other) < 0; }
    bool LessEqualRow(const TVYXLogPhyPosition& other) const { return CompareRow(other) <= 0; }
    bool GreaterRow(const TVYXLogPhyPosition& other) const { return CompareRow(other) > 0; }
    bool GreaterEqualRow(const TVYXLogPhyPosition& other) const { return CompareRow(other) >= 0; }
    // Negative when this row comes first.
    int CompareRow(const TVYXLogPhyPosition& other) const;
    bool RowIsAtBeginningOfDoc() const;
    bool RowIsAtBeginningOfPara() const { return GetRowIndex() == 0; }
    bool RowIsAtEndOfDoc() const;
    bool RowIsAtEndOfPara() const;
    bool HaveNextRow() const;
    bool HavePrevRow() const;

    // ---- Moves (all false, unchanged, when there is nowhere to go) ----
    bool MovePosNext() override;
    bool MovePosPrev() override;
    // To the first character of the next row in reading order (into and out of table
    // cells); on the document's last row to the paragraph end.
    virtual bool MoveRowNext();
    virtual bool MoveRowPrev();
    virtual void MoveBOL();
    // After the row's last character, staying on the row.
    virtual void MoveEOLPlus();
    void MoveBeginningOfPara() override;
    void MoveEndOfPara() override;
    void MoveBeginningOfDoc() override;
    void MoveEndOfDoc() override;
    bool MoveParaNext() override;
    bool MoveParaPrev() override;
    bool MoveCellNext() override;
    bool MoveCellPrev() override;
    // To the first paragraph of the cell holding `cell`'s position; false without a cell.
    virtual bool MoveCell(TVYXTableCell* cell);
    bool MoveRelative(std::int32_t delta) override;
    virtual void MoveToPos(const TVYXLogPos& pos) { Assign(pos); }
    // Character by character in reading order, paragraphs and cells included.
    virtual bool IterateNext();
    virtual bool IteratePrev();

protected:
    // The next / previous paragraph in reading order that has rows.
    static TVYXLogPara* NextRowPara(TVYXLogPara* para);
    static TVYXLogPara* PrevRowPara(TVYXLogPara* para);
    bool StepPara(TVYXLogPara* target, bool atEnd);
    const TVYXPhyRow& RequireRow() const;

    // The row index is a cache keyed by the place it was found for.
    mutable int FRowIndex = -1;
    mutable const TVYXLogPara* FRowPara = nullptr;
    mutable std::int32_t FRowCharPos = 0;
    bool FRowCrossed = false;
};

// The caret: a physical position that knows its cell chain, run and field, keeps the
// place before each move and tells listeners before and after every move.
class TVYXCaretLogPhyPosition : public TVYXLogPhyPosition {
public:
    // The master formats (borrowed) stand for an empty document's format.
    explicit TVYXCaretLogPhyPosition(const TVYXCHPX* masterCHPX = nullptr, const TVYXPAPX* masterPAPX = nullptr)
        : FMasterCHPX(masterCHPX), FMasterPAPX(masterPAPX) {}

    // One handler each, called only when set.
    std::function<void(TVYXCaretLogPhyPosition& pos)> BeforeMoveEvent;
    std::function<void(TVYXCaretLogPhyPosition& pos)> AfterMoveEvent;

    TVYXTableCell* Cell() const { return FCell; }
    // Enclosing cells of nested tables, innermost first (empty outside tables).
    const std::vector<TVYXTableCell*>& CellList() const { return FCellList; }
    TVYXCharRun* CharRun() const { return FCharRun; }
    // The simple field the caret stands in; nullptr outside fields.
    TVYXMarkupObject* Field() const { return FField; }
    bool FieldChanged() const { return FFieldChanged; }
    const TVYXLogPara* OldPara() const { return FOldPara; }
    int OldRowIndex() const { return FOldRowIndex; }
    std::int32_t OldCharPos() const { return FOldCharPos; }
    const TVYXCHPX* MasterCHPX() const { return FMasterCHPX; }
    const TVYXPAPX* MasterPAPX() const { return FMasterPAPX; }

    // ---- The move protocol ----
    // Fires the before event and keeps the current place as the old one.
    void BeforeMove();
    // Takes run, field and cells from the new place, drops the row, fires the after event.
    void AfterMove();
    // As AfterMove, but the row index stays (moves that chose the row themselves).
    void AfterMoveKeepPos();
    // The place differs from the one kept by BeforeMove.
    bool PosChanged() const;
    // The row differs from the one kept by BeforeMove.
    bool RowChanged() const;

    // Keeps the place as indexes (cell chain, paragraph index, character), so that it
    // can be found again after the paragraphs were rebuilt.
    void SavePos();
    // Finds the saved place in `body` (the document's root list), clamping each index
    // to what exists; false when the body has no paragraph.
    bool RestorePos(TVYXLogParas& body);
    // To the 1-based place `rel` within the current row (clamped to the row), keeping the row.
    void UpdatePosRelative(std::int32_t rel);
    // The caret's shape: its width in pixels for a row of `height` pixels (wider in
    // tall rows so that it stays visible at large zoom).
    int Bitmap(double height) const;

    // ---- Moves, each bracketed by BeforeMove / AfterMove ----
    bool MovePosNext() override;
    bool MovePosPrev() override;
    bool MoveRowNext() override;
    bool MoveRowPrev() override;
    void MoveBOL() override;
    void MoveEOLPlus() override;
    void MoveBeginningOfPara() override;
    void MoveEndOfPara() override;
    void MoveBeginningOfDoc() override;
    void MoveEndOfDoc() override;
    bool MoveParaNext() override;
    bool MoveParaPrev() override;
    bool MoveCellNext() override;
    bool MoveCellPrev() override;
    bool MoveCell(TVYXTableCell* cell) override;
    bool MoveCellDown() override;
    bool MoveCellUp() override;
    bool MoveCellLeft() override;
    bool MoveCellRight() override;
    bool MoveWordNext() override;
    bool MoveWordPrev() override;
    bool MoveRelative(std::int32_t delta) override;
    void MoveToPos(const TVYXLogPos& pos) override;
    // To a physical place, keeping the row it names.
    void MoveToRowPos(const TVYXLogPhyPosition& pos);
    bool IterateNext() override;
    bool IteratePrev() override;
    // One character on, into the next paragraph at a paragraph's end (hides the base's).
    bool MoveCharNext();
    bool MoveCharPrev();
    // Past read-only runs.
    bool MoveEditNext();
    bool MoveEditPrev();
    // To the first position of the next / previous tracked change.
    bool MoveRevisionNext();
    bool MoveRevisionPrev();

private:
    template <typename F>
    auto Bracket(F&& move, bool keepRow = false);
    void TakeContext();

    TVYXTableCell* FCell = nullptr;
    std::vector<TVYXTableCell*> FCellList;
    TVYXCharRun* FCharRun = nullptr;
    TVYXMarkupObject* FField = nullptr;
    bool FFieldChanged = false;
    const TVYXLogPara* FOldPara = nullptr;
    int FOldRowIndex = -1;
    std::int32_t FOldCharPos = 1;
    TVYXDocAddress FSaved;
    bool FHasSaved = false;
    int FMoveDepth = 0;
    const TVYXCHPX* FMasterCHPX;
    const TVYXPAPX* FMasterPAPX;
};
