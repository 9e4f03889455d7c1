// VYXGraphics.h: drawing objects placed in the text (shapes, pictures, barcodes).
//
// Only the base the character runs own is here so far; the object kinds and
// their geometry build on it.
#pragma once

#include <memory>

class TVYXGraphicObj {
public:
    virtual ~TVYXGraphicObj() = default;
    // A copy of the same kind (used when a run holding the object is copied).
    virtual std::unique_ptr<TVYXGraphicObj> Clone() const = 0;
};
