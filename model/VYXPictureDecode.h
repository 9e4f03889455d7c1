// VYXPictureDecode.h: the model's door to picture decoding (which lives in platform/).
//
// Converts between the model's picture types and bitmaps and the platform
// decoder's own, so the model links no image library. Pictures are decoded
// within a pixel budget checked against the header before any pixel is.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "model/VYXBitmap.h"
#include "model/VYXDefs.h"

// Decodes a PNG, JPEG, GIF, BMP or TIFF image; DpiX/DpiY are set when the file declares them.
// `maxPixels` <= 0 means the platform's default budget.
std::unique_ptr<TVYXBitmap> VYXDecodePicture(std::string_view bytes, TVYXPictureType type, std::int64_t maxPixels = 0);

// Size in points a WMF, EMF or TIFF header declares; raises on a header it cannot read.
struct TVYXDeclaredSize {
    double WidthPt = 0;
    double HeightPt = 0;
};
TVYXDeclaredSize VYXPictureDeclaredSize(std::string_view bytes, TVYXPictureType type);
