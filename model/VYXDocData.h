// VYXDocData.h: the resolved character and paragraph formats that layout, painting and writers use.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "model/VYXDocProps.h"

class TVYXDocPropBorder;
class TVYXRevisionData;

// The effective format of a run, as the drawing interface takes it. Lengths in points.
class TVYXFontData {
public:
    TVYXFontData() { Clear(); }
    virtual ~TVYXFontData() = default;

    std::u16string Name;
    double Size = 12.0;
    double Rotation = 0;
    bool Bold = false;
    bool Italic = false;
    TVYXChpUnderline Underline = vycuNone;
    TVYXColor ULColor = 0;
    double ULPos = 0;   // underline position below the baseline
    double ULSize = 0;  // underline thickness
    int CharSet = 0;
    bool StrikeOut = false;
    double SubSuperOffs = 0;  // baseline offset
    bool Superscript = false;
    TVYXChpSubSuperscript SubSuperscript = vycssNone;
    TVYXColor Color = 0;
    TVYXColor FillColor = 0;
    TVYXColor HighlightColor = cVYXAutoColor;
    const TVYXDocPropBorder* Border = nullptr;  // borrowed from the run's property list
    const TVYXRevisionData* Revision = nullptr;  // borrowed from the run

    void Clear()
    {
        Name = u"Times New Roman";
        Size = 12.0;
        Rotation = 0;
        Bold = Italic = StrikeOut = Superscript = false;
        Underline = vycuNone;
        ULColor = 0;
        ULPos = ULSize = SubSuperOffs = 0;
        CharSet = 0;
        SubSuperscript = vycssNone;
        Color = FillColor = 0;
        HighlightColor = cVYXAutoColor;
        Border = nullptr;
        Revision = nullptr;
    }
    TVYXColor GetVisibleColor() const { return Color == cVYXAutoColor ? 0 : Color; }
};

// The effective format of a run, resolved in four steps:
//   1. Apply(masterCHP)            the document's defaults
//   2. Apply(paragraph style)      root of the BasedOn chain first
//   3. Apply(paragraph-mark CHPX)
//   4. Apply(run CHPX)             its character style chain, then its own items
// Layout and painting run steps 1, 2 and 4; the writers run all four.
// Every Apply(chpx) - the nested ones for styles too - starts by making the
// colour automatic and ends by turning sub/superscript into a baseline offset
// and a smaller size. So a colour survives only from the last list applied,
// and a style that is superscript shrinks again in every later Apply. Layout
// and the writers must agree on this exact order, so it lives only here.
class TVYXFontDataDoc : public TVYXFontData {
public:
    void Apply(const TVYXCHP& chp);
    // The style's base chain (root first), then the style's own character list;
    // table and numbering styles contribute nothing.
    void Apply(const TVYXStyle* style);
    void Apply(const TVYXCHPX& chpx);
    // All steps for a run: `papx` may be nullptr, `withParaMark` adds step 3.
    void Resolve(const TVYXCHP& masterCHP, const TVYXPAPX* papx, const TVYXCHPX* chpx, bool withParaMark);

private:
    void ApplyStyleChain(const TVYXStyle* style, int depth);
    int FDepth = 0;  // nesting of Apply(chpx) through styles, bounded against cycles
};

// The effective format of a paragraph for layout.
class TVYXParaData {
public:
    TVYXParaData();
    TVYXParaData(const TVYXParaData&) = delete;
    TVYXParaData& operator=(const TVYXParaData&) = delete;
    ~TVYXParaData();

    TVYXPapTextAlign Alignment = vyptaLeft;
    double IndentLeft = 0, IndentRight = 0, IndentFirstLine = 0, IndentHanging = 0;
    double LineSpacing = 1.08;
    TVYXPAPLineSpacingType LineSpacingType = aplstMultiple;
    double SpaceBefore = 0, SpaceAfter = 8.0;
    TVYXColor Color = cVYXAutoColor;
    // Sides refer to the borders of the paragraph's list (never owned here).
    const TVYXDocPropBorders& Borders() const { return *FBorders; }

    double MargLeft() const;
    double MargRight() const;
    double MargHoriz() const { return MargLeft() + MargRight(); }
    TVYXColor GetVisibleColor() const { return Color == cVYXAutoColor ? 0xFFFFFF : Color; }

    // Step 1: the dense defaults, no borders.
    void Reset(const TVYXPAP& masterPAP);
    // The paragraph style chain (root first), then the list's own items; an
    // automatic colour becomes white afterwards.
    void Apply(const TVYXPAPX& papx);
    // All steps: defaults, the table style when the paragraph is in a cell
    // (no table-style paragraph format: no space before and after), the
    // paragraph's list, then its numbering level's list so its indents win.
    void Resolve(const TVYXPAP& masterPAP, const TVYXPAPX* papx, bool inTableCell, const TVYXTableStyle* tableStyle);

private:
    void ApplyOwn(const TVYXPAPX& papx);
    std::unique_ptr<TVYXDocPropBorders> FBorders;
};
