// VYXTextPrint.h: painting the content of one row, run by run, through the drawing interface.
//
// For every piece of a row, in visual order: backgrounds (highlight, character
// shading, revision colour, field shading or the editable-region tint, selection),
// the text, the paragraph mark when marks are shown, underlines, revision underlines
// and strike-through, then the wave under misspelled words. Tabs draw their leaders,
// inline pictures and drawing objects draw themselves; linked runs draw markers.
//
// Markers (screen only, `ShowMarkers`): a bookmark shows grey brackets "[" and "]" at
// its ends (a collapsed one an I-beam), a comment's range is bracketed in the comment
// colour 0xC08000 with a small flag at its end, a permission (editable range) is
// bracketed in 0x808080. Form fields: a check box is a square one ascent high with a
// cross when checked; a drop-down list gets a frame around its chosen text and a small
// arrow box after it; text form fields are shaded 0xD8D8D8. The paginator gives the
// empty boundary runs of a check box no width, so its square overlaps what follows by
// design of that layout; the areas answer clicks (ahatFieldCheckBox, ahatFieldDropDown).
//
// Lengths are device pixels; a row's place on the device is its placed position plus
// the offset (dx, dy) given to PrintRow (the page's origin on the device).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/VYXDocData.h"

class TVYXGDI;
class TVYXCHP;
class TVYXPhyRow;
class TVYXPhyRows;
class TVYXPhyPage;
class TVYXLogPara;
class TVYXLogSelections;
class TVYXLogDocEditor;
class TVYXPaginatorDoc;
class TVYXCharRun;
class TVYXGraphicObj;
class TVYXComplexField;
class TVYXHyperlink;
struct TVYXRowPiece;

// What painting shows besides the text itself.
struct TVYXPaintOptions {
    bool Printing = false;          // printer, PDF or page images: no selection, no screen marks
    bool ShowParaMarks = false;     // "¶", line-break and tab marks
    bool ShowFieldShading = false;  // grey behind field results
    bool ShowMarkers = false;       // bookmark, comment and permission brackets
    bool ShowMisspelled = true;     // waves under misspelled words (never when printing)
    bool ShowHiddenTableLines = false;  // dotted grey gridlines where cells have no border
};

// The underline of a run and its neighbours with the same style: one height and one
// thickness for the whole stretch, so that a larger letter inside it does not break it.
class TVYXULData {
public:
    TVYXChpUnderline FStyle = vycuNone;
    TVYXColor FColor = cVYXAutoColor;  // automatic: the run's text colour

    // Widens the seen ranges by a run's thickness and position (pixels below the baseline).
    void Update(double thickness, double position);
    // The lowest position seen (the largest distance below the baseline).
    double Pos() const { return FSeen ? FPosMax : 0; }
    // The largest thickness seen.
    double Size() const { return FSeen ? FSizeMax : 1; }
    double PosMin() const { return FPosMin; }
    double SizeMin() const { return FSizeMin; }
    void Clear();

private:
    double FPosMin = 0, FPosMax = 0, FSizeMin = 0, FSizeMax = 0;
    bool FSeen = false;
};

class TVYXTextPrint {
public:
    explicit TVYXTextPrint(TVYXGDI& gdi);
    ~TVYXTextPrint();
    TVYXTextPrint(const TVYXTextPrint&) = delete;
    TVYXTextPrint& operator=(const TVYXTextPrint&) = delete;

    TVYXPaintOptions Options;
    // Draws the text of a text box shown inline in a row, its box's top-left at (x, y)
    // on the device; set by the renderer.
    std::function<void(TVYXGraphicObj& obj, double x, double y)> TextBoxEvent;

    // Starts painting a document: the selections to show (borrowed, nullptr for none)
    // and the document's master character properties.
    void _BeginPrinting(const TVYXLogSelections* selections, const TVYXCHP& masterCHP);
    // The page being painted, the document the rows belong to and the layout that
    // answers page-number fields (any may be nullptr).
    // `originX`, `originY`: where the page's top-left corner lies on the device (hit
    // areas are kept in page pixels).
    void SetPage(TVYXPhyPage* page, TVYXLogDocEditor* doc, const TVYXPaginatorDoc* layout, double originX = 0,
                 double originY = 0);
    // Paints a row placed at its own baseline and x, moved by (dx, dy).
    void PrintRow(const TVYXPhyRow& row, double dx, double dy);
    // The list label before the first row of a numbered paragraph.
    void PrintNumbering(const TVYXPhyRow& row, const TVYXPhyRows& rows, double dx, double dy);

    // Spaces the current piece spreads the row's justification over.
    int CurrBreakChar() const { return FBreakChars; }
    // The x the last printed row reached (device pixels).
    double XReached() const { return FXReached; }

    // Drawing helpers the renderer shares.
    // Fills x1..x2 × y1..y2 with a colour (0xFF000000: nothing).
    void PrintSelection(double x1, double y1, double x2, double y2, TVYXColor color);
    // One underline of a style, thickness t (pixels), from x1 to x2 at y.
    void PaintUnderlineStyle(TVYXChpUnderline style, double x1, double x2, double y, double t, TVYXColor color);

private:
    struct TRowCtx;
    struct TOpenField;
    void SetupFormat(const TVYXCharRun& run, const TVYXLogPara& para);
    void CalcUnderline(TRowCtx& ctx);
    void PrintTextMarker(TRowCtx& ctx, std::size_t i);
    // Highlight, shading, field shading or tint, selection: what lies behind a piece.
    void Backgrounds(TRowCtx& ctx, const TVYXRowPiece& piece, double x1, double x2, std::u16string_view text);
    void FlushHyperlink(TRowCtx& ctx);
    void Print(double x, double y, std::u16string_view text, double extra);
    void PrintHighlight(double x1, double x2, const TRowCtx& ctx, TVYXColor color);
    void PrintTextSelected(TRowCtx& ctx, const TVYXRowPiece& piece, double x, std::u16string_view text);
    void PaintUnderline(const TRowCtx& ctx, std::size_t i, double x1, double x2, std::u16string_view text);
    void PaintRevisionUnderline(const TRowCtx& ctx, double x1, double x2);
    void PaintMisspelled(const TRowCtx& ctx, double x1, double x2);
    void DoTab(TRowCtx& ctx, const TVYXRowPiece& piece);
    void DoGraphic(TRowCtx& ctx, const TVYXRowPiece& piece);
    void DoPicture(TRowCtx& ctx, const TVYXRowPiece& piece);
    // A boundary run (no room on the row) standing at x.
    void DoCRLinked(TRowCtx& ctx, const TVYXCharRun& run, double x);
    void DoParaMarks(TRowCtx& ctx);
    // The part of a form or hyperlink field from its start on the row to x2: frame, hit area, link.
    void PrintField(TRowCtx& ctx, TOpenField& field, double x2);
    void PrintCheckBox(TRowCtx& ctx, TVYXComplexField& field, double x);
    void PrintDropDown(TRowCtx& ctx, double x1, double x2);
    void SetTextJustification(double extra, int breaks);
    // Collects a hyperlink run's extent; neighbouring runs of one link make one area.
    void AddHyperlinkArea(TRowCtx& ctx, TVYXHyperlink& link, double x1, double x2);
    double TextWidthJust(std::u16string_view text, double extra);
    TVYXColor AuthorColor() const;

    TVYXGDI& FGDI;
    const TVYXCHP* FMasterCHP = nullptr;               // borrowed
    const TVYXLogSelections* FSelections = nullptr;    // borrowed
    TVYXPhyPage* FPage = nullptr;                      // borrowed
    TVYXLogDocEditor* FDoc = nullptr;                  // borrowed
    const TVYXPaginatorDoc* FLayout = nullptr;         // borrowed
    TVYXFontDataDoc FFontData;
    TVYXULData FULData;
    const TVYXCharRun* FFontRun = nullptr;  // the run the device's font was set for
    int FBreakChars = 0;
    double FXReached = 0;
    double FOriginX = 0, FOriginY = 0;
    const TVYXLogPara* FFieldPara = nullptr;  // the paragraph the open fields were met in
    int FFieldDepth = 0;  // complex fields open at the current run
    std::vector<TOpenField> FOpenFields;
};
