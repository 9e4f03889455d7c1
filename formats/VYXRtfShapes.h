// VYXRtfShapes.h: the shape type numbers of RTF drawing objects and the model's preset shapes.
#pragma once

#include <string_view>

// The preset shape of an RTF shape type number ("rect" for 1), empty when the model has none.
std::string_view VYXRtfShapePreset(int shapeType);
// The RTF shape type number of a preset shape, 1 (a rectangle) for one RTF cannot name.
int VYXRtfShapeTypeOf(std::string_view preset);
