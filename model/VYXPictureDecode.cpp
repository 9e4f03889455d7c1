// VYXPictureDecode.cpp: picture types and bitmaps of the model mapped onto the platform decoder.
#include "model/VYXPictureDecode.h"

#include <algorithm>

#include "platform/VYXException.h"
#include "platform/VYXImageDecode.h"

namespace {

TVYXImageFormat FormatOf(TVYXPictureType type)
{
    switch (type) {
    case aptPNG: return vyifPNG;
    case aptJPG: return vyifJPEG;
    case aptGIF: return vyifGIF;
    case aptBMP: return vyifBMP;
    case aptTIF: return vyifTIFF;
    case aptWMF: return vyifWMF;
    case aptEMF: return vyifEMF;
    default: throw VYXException("Invalid picture data: not a decodable type");
    }
}

}  // namespace

std::unique_ptr<TVYXBitmap> VYXDecodePicture(std::string_view bytes, TVYXPictureType type, std::int64_t maxPixels)
{
    // The model's bitmaps have a hard cap of their own; the budget never exceeds it.
    const std::int64_t budget = std::min(maxPixels > 0 ? maxPixels : cVYXDefaultPixelBudget, cVYXMaxBitmapPixels);
    TVYXDecodedImage image = VYXDecodeImage(bytes, FormatOf(type), budget);
    auto bitmap = std::make_unique<TVYXBitmap>(image.Width, image.Height);
    std::copy(image.Pixels.begin(), image.Pixels.end(), bitmap->Data());
    bitmap->DpiX = image.DpiX;
    bitmap->DpiY = image.DpiY;
    return bitmap;
}

TVYXDeclaredSize VYXPictureDeclaredSize(std::string_view bytes, TVYXPictureType type)
{
    const TVYXImageSizePt size = VYXImageDeclaredSize(bytes, FormatOf(type));
    return {size.WidthPt, size.HeightPt};
}
