// VYXRtfShapes.cpp: the shape type numbers of RTF drawing objects and the model's preset shapes.
#include "formats/VYXRtfShapes.h"

#include <algorithm>
#include <iterator>

namespace {

struct TRtfShapeName {
    int Type;
    std::string_view Preset;
};

// Sorted by number. Picture frames (75) and text boxes (202) draw as rectangles.
constexpr TRtfShapeName cRtfShapeNames[] = {
    {1, "rect"},         {2, "roundRect"},      {3, "ellipse"},       {4, "diamond"},
    {5, "triangle"},     {6, "rtTriangle"},     {7, "parallelogram"}, {8, "trapezoid"},
    {9, "hexagon"},      {10, "octagon"},       {11, "plus"},         {12, "star5"},
    {13, "rightArrow"},  {15, "homePlate"},     {16, "cube"},         {20, "line"},
    {22, "can"},         {23, "donut"},         {55, "chevron"},      {56, "pentagon"},
    {66, "leftArrow"},   {67, "downArrow"},     {68, "upArrow"},      {73, "lightningBolt"},
    {74, "heart"},       {75, "rect"},          {96, "smileyFace"},   {183, "sun"},
    {184, "moon"},       {202, "rect"},
};

}  // namespace

std::string_view VYXRtfShapePreset(int shapeType)
{
    const auto* it = std::lower_bound(std::begin(cRtfShapeNames), std::end(cRtfShapeNames), shapeType,
                                      [](const TRtfShapeName& n, int t) { return n.Type < t; });
    return it != std::end(cRtfShapeNames) && it->Type == shapeType ? it->Preset : std::string_view();
}

int VYXRtfShapeTypeOf(std::string_view preset)
{
    for (const TRtfShapeName& n : cRtfShapeNames)
        if (n.Preset == preset)
            return n.Type;
    return 1;
}
