// VYXDocData.h: the resolved character and paragraph formats that layout, painting and writers use.
#pragma once

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
