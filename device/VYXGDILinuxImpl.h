// VYXGDILinuxImpl.h: the Linux device's outlines, arrow heads and picture adjustments, for the
// device's own source units (VYXGDILinux*.cpp). Nothing outside them includes it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/VYXGraphics.h"

// Cairo's context as cairo.h declares it, so that this header needs no Cairo include folder.
typedef struct _cairo cairo_t;

// Named rather than anonymous: the drawing helpers are shared by several units.
namespace vyx_gdilinux {

// ---- Outlines, arrow heads, pictures: in VYXGDILinuxObjects.cpp ----

void SetRGB(cairo_t* cr, TVYXColor c, double alpha);

// How an object's outline is stroked, in device pixels.
struct TOutline {
    double Width = 1;
    TVYXColor Color = 0;
    double Alpha = 1;
    TVYXGrCompoundLineStyle Compound = agclsSingle;
    TVYXGrLineDashStyle Dash = agldsSolid;
};

void StrokeOutline(cairo_t* cr, const TOutline& o);
TOutline OutlineOf(const TVYXGraphicLine& line, double pixPerPt, double opacity);

// One end of an open outline: the tip and the unit direction pointing out of the line.
struct TLineEnd {
    double X = 0, Y = 0, DX = 0, DY = 0;
    bool Valid = false;
};

double ArrowPullBack(const TVYXGraphicArrow& a, double strokeWidth);
void DrawArrowHead(cairo_t* cr, const TVYXGraphicArrow& a, const TLineEnd& e, const TOutline& o);
void OpenPathEnds(TVYXGrShapePath& path, double startPull, double endPull, TLineEnd& start, TLineEnd& end);

void AdjustPixels(std::uint32_t* px, std::size_t count, const TVYXGraphicPicture& pic);
bool HasAdjustments(const TVYXGraphicPicture& pic);

}  // namespace vyx_gdilinux
