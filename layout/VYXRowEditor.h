// VYXRowEditor.h: the character geometry of one laid-out row: where the caret stands and which character a mouse x hits.
//
// The table has one entry per character shown on the row (a surrogate pair is one
// entry, an inline object is one entry with the code 8, a tab one entry as wide as
// the gap it makes) in visual order, left to right, plus one entry for the end of
// the row. X values are page pixels of the layout device (the row's GetX included),
// widths include justification. Characters are measured one by one through the
// device in their run's font and scaled to the width layout gave their piece, so
// the table always agrees with what painting draws.
//
// Right-to-left characters stand before their right edge: the caret before such a
// character is drawn at its right side, and a click in its right half puts the caret
// before it. The end entry of a right-to-left paragraph lies at the row's left end.
#pragma once

#include <cstdint>
#include <vector>

#include "layout/VYXPhyPos.h"

class TVYXGDI;
class TVYXPhyRow;
class TVYXPhyPage;
class TVYXPhyPages;
struct TVYXRowPiece;

// One entry of a row's character table.
struct TVYXRowChar {
    char16_t Char = 0;       // the character (the first unit of a pair), 8 for an inline object
    double X = 0;            // left edge, page pixels
    double Width = 0;        // pixels
    std::int32_t Pos = 0;    // paragraph position of the character (1-based)
    std::int32_t Len = 1;    // code units it covers
    bool Rtl = false;        // shown right to left
};

class TVYXRowEditor {
public:
    // Both are borrowed and must outlive the editor.
    TVYXRowEditor(TVYXGDI& gdi, TVYXLogPhyPosition& pos) : FGDI(gdi), FPos(pos) {}
    virtual ~TVYXRowEditor() = default;
    TVYXRowEditor(const TVYXRowEditor&) = delete;
    TVYXRowEditor& operator=(const TVYXRowEditor&) = delete;

    // Rebuilds the table for the row of the position when the row changed (another
    // row, or the same row laid out again); false when the position has no row.
    bool RowChanged();
    // Forgets the table, so that the next RowChanged rebuilds it.
    void Clear();
    // The table: characters in visual order, then the end of the row.
    const std::vector<TVYXRowChar>& Chars() const { return FChars; }
    const TVYXPhyRow* Row() const { return FRow; }
    // Where the caret stands for paragraph position `pos` of the row: page pixels; 0
    // when the position is not on the row.
    double CharPosToX(std::int32_t pos) const;
    // The 1-based place in the row for a page x: left of the text 1 (for a
    // right-to-left start, the place after its first character), on a character
    // before it in its leading half and after it in its trailing half, on an inline
    // object before it, right of the text the end of the row.
    std::int32_t XToRelCharPos(double x) const;

protected:
    void DoCharRun(const TVYXRowPiece& piece, double rowX, bool lastRow);
    void AddEOL(double rowX, bool rtlPara);
    TVYXGDI& FGDI;
    TVYXLogPhyPosition& FPos;
    std::vector<TVYXRowChar> FChars;
    const TVYXPhyRow* FRow = nullptr;

private:
    // What the table was built for, to notice a layout that reused the row object.
    std::int32_t FStart = 0, FEnd = 0;
    double FX = 0, FBaseline = 0, FUsed = 0;
    std::size_t FPieces = 0;
};

// The caret's row: its place in pixels and the remembered column of line moves.
class TVYXCaretRowEditor : public TVYXRowEditor {
public:
    TVYXCaretRowEditor(TVYXGDI& gdi, TVYXCaretLogPhyPosition& caret) : TVYXRowEditor(gdi, caret), FCaret(caret) {}

    // Page pixels of the caret: x, the row's top and the row's height; 0 without a row.
    double CaretX();
    double CaretY();
    double CaretH();
    // The character the caret stands before (0 at the end of the row).
    char16_t CaretChar();
    // Entry `index` of the table's character, 0 out of range.
    char16_t GetChar(int index) const;
    // The index of the caret's entry in the table (the end entry at the row's end), -1 without a row.
    int GetCaretPos();
    bool IsEOL();
    // Keeps the caret's x as the column for later line and page moves.
    void SaveX();
    // Moves the caret to the remembered column in its current row.
    void RestoreX();
    double SavedX() const { return FSavedX; }
    // The caret stands where it stood before its last move.
    bool MatchPrevCP() const;
    // Both tables hold the same characters at the same places.
    bool Equal(const TVYXRowEditor& other) const;

    // Line moves keeping the remembered column (saved first when none is kept).
    bool MoveLineDown();
    bool MoveLineUp();
    // Left and right in display order on the row; past its visual end to the next or
    // previous row as reading goes.
    bool MoveVisualLeft();
    bool MoveVisualRight();
    // A page down / up: the place at the same x and the same height on the next /
    // previous page (its first / last row when that height holds none); false on the
    // last / first page.
    bool MovePageDown(const TVYXPhyPages& pages);
    bool MovePageUp(const TVYXPhyPages& pages);

private:
    bool MoveVisual(bool right);
    bool MoveToPage(const TVYXPhyPages& pages, int delta);
    TVYXCaretLogPhyPosition& FCaret;
    double FSavedX = -1;
};
