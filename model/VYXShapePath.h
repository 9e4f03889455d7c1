// VYXShapePath.h: the geometry shared by shape types and the two shape definition
// languages (presets and legacy paths): outline items, guide formulas, handles,
// connection sites and text rectangles. It knows nothing of shape types, so the
// definition evaluators below it and the shape types above it depend on it alone.
#pragma once

#include <string>
#include <vector>

enum TVYXGrShapePathCommand {
    agspcMoveTo, agspcLineTo, agspcCurveTo, agspcClose, agspcEnd,
    agspcRMoveTo, agspcRLineTo, agspcRCurveTo,
    agspcNoFill, agspcNoStroke,
    agspcAngleEllipseTo, agspcAngleEllipse, agspcArcTo, agspcArc, agspcClockwiseArcTo, agspcClockwiseArc,
    agspcEllipticalQudrantX, agspcEllipticalQudrantY, agspcQuadraticBezier
};

// One path item with its coordinates (x, y pairs). Computed geometry uses only
// MoveTo, LineTo, CurveTo (three points), Close, NoFill, NoStroke and End.
struct TVYXGrShapePathItem {
    TVYXGrShapePathCommand Cmd = agspcEnd;
    std::vector<double> Coords;
};
using TVYXGrShapePath = std::vector<TVYXGrShapePathItem>;

// Appends an elliptical arc about (cx, cy) as cubic pieces of at most 90°, from the
// parameter angle `start` over `sweep` (radians, positive turning from x towards y).
// Returns the end point in (endX, endY).
void VYXAppendArc(TVYXGrShapePath& path, double cx, double cy, double rx, double ry, double start, double sweep,
                  double& endX, double& endY);

enum TVYXShapeFmlaOp {
    asfoVal, asfoSum, asfoProd, asfoMid, asfoAbs, asfoMin, asfoMax, asfoIf, asfoMod, asfoAtan2, asfoSin, asfoCos,
    asfoCosAtan2, asfoSinAtan2, asfoSqrt, asfoSumAngle, asfoEllipse, asfoTan
};

enum TVYXShapeFmlaValKind {
    asfvConst, asfvFormula, asfvAdjust, asfvWidth, asfvHeight, asfvXCenter, asfvYCenter, asfvXLimo, asfvYLimo,
    asfvPixelWidth, asfvPixelHeight, asfvPixelLineWidth, asfvEmuWidth, asfvEmuHeight, asfvEmuWidth2, asfvEmuHeight2,
    asfvLineDrawn, asfvHasFill, asfvHasStroke
};

struct TVYXShapeFmlaVal {
    TVYXShapeFmlaValKind Kind = asfvConst;
    double Value = 0;  // the constant, or the index of the formula or adjust value
};

struct TVYXShapeFormula {
    TVYXShapeFmlaOp Op = asfoVal;
    TVYXShapeFmlaVal Args[3];
};

// An adjust handle for a box: where it is drawn, and which adjust values dragging
// it changes within which limits. A polar handle moves a radius (RefX) and an angle (RefY).
struct TVYXShapeHandle {
    double X = 0, Y = 0;  // in the box's unit
    int RefX = -1, RefY = -1;  // adjust value index, -1 for none
    double MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;
    bool Polar = false;
};

// A connection site: where a connector attaches, and the direction it leaves in
// (degrees, 0 pointing right, growing clockwise on the page).
struct TVYXShapeConnectLoc {
    double X = 0, Y = 0;
    double Angle = 0;
};

// A rectangle in a box's unit (the text area of a shape).
struct TVYXShapeRect {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// A legacy handle as its definition gives it ("#0,topLeft", "0,10800"). With a polar
// centre the position reads "radius,angle" (angle in 1/65536 degree) about that centre.
struct TVYXVmlHandleDef {
    std::string Position;
    std::string XRange;
    std::string YRange;
    std::string Polar;        // "x,y" centre; empty for a handle moved along x and y
    std::string RadiusRange;  // "min,max" of a polar handle's radius
};
