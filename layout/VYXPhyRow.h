// VYXPhyRow.h: physical rows of a paragraph and the paragraph paginator that breaks runs into them.
//
// All lengths are pixels of the device the paragraph was laid out for (rows keep
// floats). A row's x values are relative to the left edge of the paragraph's box
// (the column or cell), its baseline is absolute on its page once the document
// paginator has placed it.
//
// Reuse: a paragraph keeps its rows between layouts. The document paginator breaks
// a paragraph again only when it is dirty or when the width, resolution or list
// label it was broken for changed; otherwise the rows are only moved (baseline and
// page x rewritten), which is what keeps relayout after one keystroke cheap.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/VYXDocData.h"
#include "model/VYXLogPara.h"

class TVYXGDI;
class TVYXArea;
class TVYXCharRun;
class TVYXCharRunLinked;
class TVYXTabStop;
class TVYXNumbering;

enum TVYXPhyRowFlag : unsigned {
    aprfDirty = 1, aprfFirst = 2, aprfLast = 4, aprfPageBreak = 8, aprfHasFootnote = 16
};

// How a paragraph's line spacing is applied: a multiple of the natural line height,
// a minimum height or an exact height.
enum TVYXPhyLineRule { aplrMultiple, aplrAtLeast, aplrExactly };

// One stretch of one run on a row. Pieces are kept in visual order (left to right).
struct TVYXRowPiece {
    TVYXCharRun* Run = nullptr;  // borrowed: the paragraph owns the run
    std::int32_t From = 0;       // 0-based offset into the text shown for the run
    std::int32_t Len = 0;        // code units; 1 for a tab or an inline object
    float X = 0;                 // from the row's GetX, justification included
    float Width = 0;             // advance, justification included
    float Extra = 0;             // justification pixels added to each space of the piece
    std::uint8_t Level = 0;      // bidi embedding level (odd: right to left)
    std::uint8_t Leader = 0;     // TVYXTabStopLeader of a tab piece
    std::u16string Text;         // what is shown (a field's calculated text, "\t" for tabs, 8 for objects)
};

class TVYXComplexField;

// The room a form field's mark takes on its row, pixels; 0 for every other field. A
// check box's square stands at the field's start, the arrow box of a drop-down list
// after its choice (`atStart` false); each is measured like a glyph of the font size
// `em` (pixels), with a pixel either side, so that painting it covers no text.
double VYXFormFieldRoom(TVYXGDI& gdi, const TVYXComplexField& field, bool atStart, double em);

class TVYXPhyRow {
public:
    float UsedWidth = 0;   // text width without trailing spaces (unless kept)
    float AvailWidth = 0;  // width the row could fill
    float XOffs = 0;       // from the paragraph's box left edge: indents and left floats
    float AlignOffs = 0;   // centre / right alignment shift
    float PageX = 0;       // the box's own x on the page, set by the document paginator
    float Baseline = 0;    // absolute y on the page
    float Ascent = 0, Descent = 0, LineHeight = 0;
    TVYXCharRun* CR1 = nullptr;  // first run and 1-based paragraph position in it
    std::int32_t CR1Pos = 1;
    TVYXCharRun* CR2 = nullptr;  // last run and its last position on the row
    std::int32_t CR2Pos = 1;
    std::int32_t StartPos = 1;   // paragraph position of the row's first character
    std::int32_t EndPos = 1;     // paragraph position after the row's last character
    unsigned Flags = 0;
    float JustifyExtra = 0;      // pixels per space when stretched, else 0
    int Page = -1;               // index of the page holding the row, -1 before placement
    std::uint8_t BreakKind = 0;  // a page (1) or column (2) break comes before this row
    TVYXLogPara* Para = nullptr;  // borrowed: the owner of the rows
    std::vector<TVYXRowPiece> Pieces;

    double Height() const { return Ascent + Descent; }
    double GetY1() const { return Baseline - Ascent; }
    double GetY2() const { return Baseline + Descent + 1; }
    double GetX() const { return AlignOffs + XOffs + PageX; }
    bool GetIsFirst() const { return (Flags & aprfFirst) != 0; }
    bool GetIsPageBreak() const { return (Flags & aprfPageBreak) != 0; }
    void SetIsPageBreak(bool on) { Flags = on ? (Flags | aprfPageBreak) : (Flags & ~aprfPageBreak); }
    std::int32_t FirstPos() const { return StartPos; }
    std::int32_t LastPos() const { return EndPos - 1; }
    std::int32_t Len() const { return EndPos - StartPos; }
    bool Empty() const { return Len() <= 0; }
    bool SameCR() const { return CR1 == CR2; }
    // The row's text in logical order (tabs as "\t", objects as character 8).
    std::u16string PlainText() const;
    // The text in display order, right-to-left stretches reversed: what a reader sees.
    std::u16string VisualText() const;
    // Justification: with at least one space in the row (trailing ones left out) and
    // free space below 0.15 of `available`, the free space is spread over the spaces.
    void CollectBreakChars(double available);
    // Spaces in the row without the trailing ones.
    int SpaceCount() const;
};

// The rows of one paragraph, owned by the paragraph through TVYXPhyRowsBase.
class TVYXPhyRows : public TVYXPhyRowsBase {
public:
    // Rows are reused: Begin keeps the row objects and restarts filling them.
    void Begin() { FCount = 0; }
    TVYXPhyRow& Add();
    void Clear() override;
    int Count() const override { return FCount; }
    double PixHeight() const override { return Height; }
    double PixWidth() const override;
    TVYXPhyRow& GetItems(int i) const { return *FItems[static_cast<std::size_t>(i)]; }
    TVYXPhyRow* First() const { return FCount ? FItems.front().get() : nullptr; }
    TVYXPhyRow* Last() const { return FCount ? FItems[static_cast<std::size_t>(FCount - 1)].get() : nullptr; }
    // The row holding paragraph position `pos` (the last row for the end position); -1 when none.
    int FindRow(std::int32_t pos) const;
    TVYXPhyRow* Find(std::int32_t pos) const
    {
        const int i = FindRow(pos);
        return i < 0 ? nullptr : &GetItems(i);
    }
    // Puts `row` in place of row `index` and hands the replaced row back: an editor can
    // swap in a row it rebuilt without breaking the paragraph again. The row keeps the
    // paragraph of the one it replaces when it names none. Bad indexes and no row raise.
    std::unique_ptr<TVYXPhyRow> Replace(int index, std::unique_ptr<TVYXPhyRow> row);
    // Grows `area` (page pixels) to hold the rows placed on page `page` (only the dirty
    // ones when asked), from the row's left edge to the end of its text, top to bottom:
    // what needs painting again. An area with X2 < X1 counts as empty. False when no row
    // of the paragraph qualified.
    bool UpdateArea(TVYXArea& area, int page, bool dirtyOnly = false) const;
    // Forgets where the rows were placed across (page x), keeping their breaks.
    void ClearColX();
    void ClearFirstLast();
    void SetFirstLast();
    void OffsetRows(double dy);
    double GetY1() const { return FCount ? First()->GetY1() : 0; }
    // How far the row moves the next one down: the line height times the spacing, unless
    // an inline object made the row taller than its line; an exact height replaces it, a
    // minimum height is its floor.
    double RowAdvance(const TVYXPhyRow& row) const
    {
        if (LineRule == aplrExactly)
            return LineValue;
        const double natural = row.LineHeight >= row.Ascent ? row.LineHeight * LineSpacing : row.Height();
        return LineRule == aplrAtLeast ? std::max(natural, LineValue) : natural;
    }
    // Bytes held by the rows (objects, pieces, texts), for memory reports.
    std::size_t MemoryUsed() const;

    // What the rows were broken for; a change of any of them needs a new break.
    double BrokenWidth = -1;
    int BrokenPPI = 0;
    std::u16string Label;     // list label shown before the first row
    float LabelWidth = 0;
    float LabelX = 0;         // from the first row's GetX
    double Height = 0;        // the paragraph's placed height with spacing, pixels
    // The paragraph's resolved spacing, kept so that placement need not resolve it again.
    double LineSpacing = 1;   // multiplier of the natural line height
    TVYXPhyLineRule LineRule = aplrMultiple;
    double LineValue = 0;     // exact or minimum line height in pixels
    double SpaceBefore = 0, SpaceAfter = 0;  // points
    double BorderBottom = 0;  // a bottom border's width and distance, points
    bool Numbered = false, Contextual = false;
    // Page-break rules, resolved through the style chain: keep the last row on the page of
    // the next paragraph's first row, keep all rows on one page, and no single first or
    // last row of the paragraph alone on a page (on unless switched off).
    bool KeepNext = false, KeepLines = false, WidowControl = true;
    bool HasObjects = false;  // inline drawing objects among the runs
    bool Wrapped = false;     // broken around objects placed on the page: break again when placed anew
    TVYXNumbering* NumLevel = nullptr;  // borrowed: the list level, nullptr without a list
    const void* Style = nullptr;  // the paragraph style (compared only)

private:
    std::vector<std::unique_ptr<TVYXPhyRow>> FItems;
    int FCount = 0;
};

// A non-owning list of the rows of one page, in placement order.
class TVYXPhyRowsList {
public:
    void Add(TVYXPhyRow& row) { FItems.push_back(&row); }
    int Count() const { return static_cast<int>(FItems.size()); }
    TVYXPhyRow& GetItems(int i) const { return *FItems[static_cast<std::size_t>(i)]; }
    // The row whose vertical span holds y, else the nearest; nullptr when empty.
    TVYXPhyRow* Find(double y) const;
    // Bottom of the lowest row less the top of the highest, 0 when empty.
    double Height() const;
    void Clear() { FItems.clear(); }
    void Truncate(int count)
    {
        if (count >= 0 && count < Count())
            FItems.resize(static_cast<std::size_t>(count));
    }

private:
    std::vector<TVYXPhyRow*> FItems;
};

// Objects (and indents) beside the text: the width they take from a row at its left
// or right, for as many pixels of height as they have left.
enum TVYXFloatSide { afsLeft, afsRight };
struct TVYXFloatSize {
    double Width = 0;
    double Height = 0;
    TVYXFloatSide Side = afsLeft;
    double Top = 0;        // placed on the page: how far rows still go down before it begins
    bool OnPage = false;   // placed on the page: used up by the rows' advance, not their height
};

class TVYXFloatSizes {
public:
    double TotalWidth = 0;  // the paragraph's box width
    // A float below the paragraph's top narrows the rows from the one whose line, of
    // about this height, would reach it.
    double LineGuess = 0;
    void Clear() { FItems.clear(); }
    void Add(double width, double height, TVYXFloatSide side);
    // An object placed on the page, `top` pixels below the paragraph's top.
    void AddOnPage(double width, double height, TVYXFloatSide side, double top);
    // The paragraph's indents (points) as floats, left and right exchanged when
    // mirrored; the hanging indent is applied by the first row itself.
    void Apply(const TVYXParaData& data, double ppx, bool mirror = false);
    // After each row: the room the next inline graphic may take, the row's width between
    // the floats (an object never counts wider than that).
    void SetGraphicWidth() { FGraphicWidth = PaginateWidth(); }
    double GraphicWidth() const { return FGraphicWidth; }
    // Indents (points) as floats: left and right for the whole paragraph, the first-line
    // indent for one row only. `ppx` is pixels per point.
    void AddApply(double left, double right, double firstLine, double ppx);
    // Uses up `height` pixels of every float (objects on the page: `advance`, the row's
    // step down the page, when given); those with less than 1 pixel left go.
    void Dec(double height, double advance = -1);
    double GetXOffset() const;  // the widest left float
    double GetWidth() const;    // widest left + widest right
    // Never narrower than 20 pixels, so that every row holds at least one character.
    double PaginateWidth() const;
    const std::vector<TVYXFloatSize>& GetItems() const { return FItems; }

private:
    bool Active(const TVYXFloatSize& f) const { return !f.OnPage || f.Top < LineGuess; }
    std::vector<TVYXFloatSize> FItems;
    double FGraphicWidth = 0;
};

// The word being measured: leading spaces, the word, trailing spaces.
struct TVYXWordData {
    std::int32_t Start = 0;  // offset of the word's first character (leading spaces included)
    std::int32_t LeadCount = 0, TextCount = 0, TrailCount = 0;
    double LeadWidth = 0, TextWidth = 0, TrailWidth = 0;
    std::int32_t TotCharCount() const { return LeadCount + TextCount + TrailCount; }
    double WidthBeginning() const { return LeadWidth + TextWidth; }
    double WidthEnd() const { return TrailWidth; }
    double TotWidth() const { return LeadWidth + TextWidth + TrailWidth; }
    void Clear() { *this = TVYXWordData(); }
};

bool CharIsSpaceLeading(char16_t c);
bool CharIsSpaceTrailing(char16_t c);

// Breaks one paragraph into rows for a width, measuring through the device.
class TVYXPaginator {
public:
    TVYXPaginator();
    ~TVYXPaginator();
    TVYXPaginator(const TVYXPaginator&) = delete;
    TVYXPaginator& operator=(const TVYXPaginator&) = delete;

    // Floats anchored beside this paragraph, in pixels; the document paginator sets
    // them before Paginate and reads the heights left afterwards.
    void SetPixGrWidthL(double w) { FGrWidthL = w; }
    void SetPixGrHeightL(double h) { FGrHeightL = h; }
    void SetPixGrWidthR(double w) { FGrWidthR = w; }
    void SetPixGrHeightR(double h) { FGrHeightR = h; }
    bool GetKeepTrailingSpaces() const { return FKeepTrailingSpaces; }
    void SetKeepTrailingSpaces(bool keep) { FKeepTrailingSpaces = keep; }
    const TVYXFloatSizes& GetFloatSize() const { return FFloats; }
    // An object placed on the page beside part of the paragraph: `top` pixels below the
    // paragraph's top, for `height` pixels. For the next Paginate only.
    void AddPixFloat(double width, double top, double height, TVYXFloatSide side)
    {
        FPageFloats.push_back({width, height, side, top, true});
    }

    // The text a simple-field run shows; the document paginator answers PAGE, DATE,
    // REF and the others. Without it a field shows its run text.
    std::function<std::u16string(const TVYXCharRun& run)> FieldTextEvent;

    // Breaks `para` into rows for `width` pixels; `label` is the list label to place
    // before the first row (empty for none). The rows are the paragraph's own
    // (created on first use).
    TVYXPhyRows& Paginate(TVYXGDI& gdi, TVYXLogPara& para, double width, const std::u16string& label = {});

    // Splits the front of `text` (from `pos`) into one word (see the .cpp); false at the end.
    bool NextWord(const std::u16string& text, std::int32_t& pos, TVYXWordData& word, double available);

private:
    struct TState;
    void BeginCharRun(TVYXCharRun& run, std::u16string& text);
    void Push(TVYXCharRun& run, const std::u16string& text, const TVYXWordData& word, bool isTab);
    void PushTab(TVYXCharRun& run);
    void PushObject(TVYXCharRun& run, double width, double height);
    // Room on the row for a boundary run's mark (a form field's box): a piece without text.
    void PushRoom(TVYXCharRun& run, double width);
    double FormRoom(const TVYXCharRunLinked& run);
    void BeginRow(std::int32_t pos);
    void EndRow();
    void ResolvePendingTab();
    void AddToRow(TVYXCharRun& run, const std::u16string& text, std::int32_t from, std::int32_t len, double width);
    void Reorder(TVYXPhyRow& row);
    double Measure(std::u16string_view text);

    TVYXGDI* FGDI = nullptr;
    TVYXLogPara* FPara = nullptr;
    TVYXPhyRows* FRows = nullptr;
    TVYXFontDataDoc FFontData;
    TVYXFloatSizes FFloats;
    std::unique_ptr<TState> FState;
    double FGrWidthL = 0, FGrHeightL = 0, FGrWidthR = 0, FGrHeightR = 0;
    std::vector<TVYXFloatSize> FPageFloats;
    bool FKeepTrailingSpaces = false;
};
