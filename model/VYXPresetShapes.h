// VYXPresetShapes.h: outlines of the preset shapes, computed from their guide formulas for a given box.
//
// The definitions (adjust values, guide formulas, paths) are turned into constant
// arrays when the library is built (model/gen_preset_shapes.py) and indexed once,
// on first use. Outlines come back as
// MoveTo/LineTo/CurveTo/Close items in the box's own unit, one group per
// sub-path ended by End; NoFill or NoStroke at the start of a group mark a
// sub-path that is only stroked or only filled.
// Not supported: the lighten and darken fill modes (drawn as a normal fill).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/VYXShapePath.h"

struct TVYXPresetShapeInfo {
    std::string Name;
    std::vector<int> Adjust;  // default adjust values, in order
    bool Filled = true;       // some sub-path is filled
    bool ArrowsOk = false;    // open lines only: arrow heads apply
};

// Nullptr when no preset has that name.
const TVYXPresetShapeInfo* VYXFindPresetShape(std::string_view name);
// All preset names, sorted.
std::vector<std::string> VYXPresetShapeNames();
// The outline of `name` for a width × height box; `adjust` overrides the default
// adjust values by position. Empty for an unknown name.
TVYXGrShapePath VYXPresetShapePath(std::string_view name, double width, double height,
                                   const std::vector<int>* adjust = nullptr);
// The adjust handles and connection sites of `name` for a width × height box (empty
// for an unknown name); `adjust` as for VYXPresetShapePath.
std::vector<TVYXShapeHandle> VYXPresetShapeHandles(std::string_view name, double width, double height,
                                                   const std::vector<int>* adjust = nullptr);
std::vector<TVYXShapeConnectLoc> VYXPresetShapeConnectLocs(std::string_view name, double width, double height,
                                                           const std::vector<int>* adjust = nullptr);
// The text rectangle of `name` for a box; false for an unknown name or one without.
bool VYXPresetShapeTextRect(std::string_view name, double width, double height, const std::vector<int>* adjust,
                            TVYXShapeRect& rect);
