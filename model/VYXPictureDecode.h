// VYXPictureDecode.h: turning encoded picture bytes into bitmaps, and reading the declared size of kept formats.
//
// PNG, JPEG, GIF and TIFF go through their reference libraries; BMP is parsed here.
// Every decoder checks the image size against cVYXMaxBitmapPixels before it
// allocates and raises VYXException ("Invalid picture data") on bad bytes.
// Not supported: animated GIF frames after the first, BMP with RLE or JPEG/PNG
// compression, CMYK JPEG colour management, TIFF pages after the first, metafile rendering.
#pragma once

#include <memory>
#include <string_view>

#include "model/VYXGraphicTypes.h"

// Decodes a PNG, JPEG, GIF, BMP or TIFF image; DpiX/DpiY are set when the file declares them.
std::unique_ptr<TVYXBitmap> VYXDecodePicture(std::string_view bytes, TVYXPictureType type);

// Size in points a WMF, EMF or TIFF header declares; raises on a header it cannot read.
struct TVYXDeclaredSize {
    double WidthPt = 0;
    double HeightPt = 0;
};
TVYXDeclaredSize VYXPictureDeclaredSize(std::string_view bytes, TVYXPictureType type);
