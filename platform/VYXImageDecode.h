// VYXImageDecode.h: turning encoded picture bytes into 32-bit pixels, and reading the declared size of kept formats.
//
// PNG, JPEG, GIF and TIFF go through their reference libraries (linked here
// and nowhere else); BMP is parsed here. Every decoder reads the header
// first and checks the declared dimensions against the caller's pixel
// budget before it allocates, so a small file that declares a huge picture
// costs nothing; bad bytes raise VYXException ("Invalid picture data: ...").
// Pixels are decoded straight into the result (no second full-size buffer).
// Not supported: animated GIF frames after the first, BMP with RLE or JPEG/PNG
// compression, CMYK JPEG colour management, TIFF pages after the first, metafile rendering.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

enum TVYXImageFormat { vyifPNG, vyifJPEG, vyifGIF, vyifBMP, vyifTIFF, vyifWMF, vyifEMF };

// The default budget: 50 million pixels (200 MB decoded), more than a
// full-frame camera photo; larger pictures need the caller's consent.
constexpr std::int64_t cVYXDefaultPixelBudget = 50'000'000;

// A decoded picture: premultiplied 0xAARRGGBB, rows top to bottom.
struct TVYXDecodedImage {
    TVYXDecodedImage() = default;
    // Raises for empty dimensions.
    TVYXDecodedImage(int width, int height);
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
    // Resolution the image was stored with; 0 when the file declares none.
    double DpiX = 0;
    double DpiY = 0;
    std::uint32_t* Data() { return Pixels.data(); }
    std::uint32_t* Row(int y) { return Pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(Width); }
};

// Decodes a PNG, JPEG, GIF, BMP or TIFF image. Raises "Picture too large: ..."
// when the header declares more than `maxPixels` pixels, before decoding.
TVYXDecodedImage VYXDecodeImage(std::string_view bytes, TVYXImageFormat format,
                                std::int64_t maxPixels = cVYXDefaultPixelBudget);

// Size in points a WMF, EMF or TIFF header declares; raises on a header it cannot read.
struct TVYXImageSizePt {
    double WidthPt = 0;
    double HeightPt = 0;
};
TVYXImageSizePt VYXImageDeclaredSize(std::string_view bytes, TVYXImageFormat format);
