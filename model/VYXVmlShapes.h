// VYXVmlShapes.h: legacy vector shape types: their guide formulas and path language, evaluated for a box.
//
// Older documents describe shapes by a shape type with adjust values, formulas
// ("sum #0 0 10800") and a path in a coordinate space ("m@0,l21600,0xe"). A
// formula operand is a constant, another formula (@n), an adjust value (#n) or a
// named quantity of the shape (width, height, centre, limits, pixel and EMU sizes).
// Not supported: handle switches and mapping (map, invx, invy), the limo point (xlimo/ylimo give the coordinate
// space's corner), the pixel and EMU sizes of the real device (they assume 96 dpi).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/VYXShapePath.h"

// The parts of a shape type definition as its attributes give them.
struct TVYXVmlShapeDef {
    std::string Id;
    std::string CoordSize;  // "21600,21600" when empty
    std::string Adj;        // comma-separated default adjust values
    std::vector<std::string> Formulas;
    std::string Path;
    std::string TextBoxRect;
    std::string ConnectLocs;    // "x,y;x,y"
    std::string ConnectAngles;  // "90,180" degrees
    std::vector<TVYXVmlHandleDef> Handles;
};

// The operator of a formula keyword, or false for an unknown one.
bool VYXShapeFmlaOperator(std::string_view name, TVYXShapeFmlaOp& op);
// Parses "op a b c"; raises "Invalid shape formula" on an unknown operator or operand.
TVYXShapeFormula VYXParseShapeFormula(std::string_view text);
// Evaluates the formulas in order for a coordinate space with the given adjust values.
// `width` and `height` are the box in points (for the pixel and EMU quantities, at 96 dpi).
std::vector<double> VYXEvalShapeFormulas(const std::vector<TVYXShapeFormula>& formulas, double coordWidth,
                                         double coordHeight, const std::vector<int>& adjust, double width,
                                         double height);
// The outline of a path for a width × height box, in MoveTo/LineTo/CurveTo/Close/End items
// (NoFill/NoStroke opening a sub-path), as the preset shapes give them.
TVYXGrShapePath VYXVmlShapePath(std::string_view path, const std::vector<TVYXShapeFormula>& formulas,
                                double coordWidth, double coordHeight, const std::vector<int>& adjust,
                                double width, double height);
// The handles for a width × height box. A position coordinate "#n" is moved by
// dragging (adjust value n, limited by the range, else by the coordinate space);
// "@n", numbers and center/topLeft/bottomRight give a fixed place. A polar handle
// (`Polar` set) sits at radius and angle about its centre, angles growing clockwise on
// the page from the x axis; RefX/MinX/MaxX then hold the radius, RefY/MinY/MaxY the angle.
std::vector<TVYXShapeHandle> VYXVmlShapeHandles(const std::vector<TVYXVmlHandleDef>& handles,
                                                const std::vector<TVYXShapeFormula>& formulas, double coordWidth,
                                                double coordHeight, const std::vector<int>& adjust, double width,
                                                double height);
// The connection sites of a "x,y;x,y" list for a box, with the angles of `angles` (0 when missing).
std::vector<TVYXShapeConnectLoc> VYXVmlShapeConnectLocs(std::string_view locs, std::string_view angles,
                                                        const std::vector<TVYXShapeFormula>& formulas,
                                                        double coordWidth, double coordHeight,
                                                        const std::vector<int>& adjust, double width,
                                                        double height);
// The first rectangle of a "l,t,r,b;l,t,r,b" text box list for a box; false when there is none.
bool VYXVmlShapeTextRect(std::string_view rects, const std::vector<TVYXShapeFormula>& formulas, double coordWidth,
                         double coordHeight, const std::vector<int>& adjust, double width, double height,
                         TVYXShapeRect& rect);
