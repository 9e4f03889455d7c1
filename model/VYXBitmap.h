// VYXBitmap.h: a decoded raster image, what picture decoding produces and raster
// devices draw from. It depends on nothing else of the model, so the decoding door and
// the picture store both stand on it.
#pragma once

#include <cstdint>
#include <vector>

// A decoded raster image: 32-bit pixels 0xAARRGGBB, premultiplied by alpha, rows top
// down without padding. This is the layout a raster device draws from directly.
class TVYXBitmap {
public:
    TVYXBitmap() = default;
    // Raises "Picture too large" beyond cVYXMaxBitmapPixels.
    TVYXBitmap(int width, int height, std::uint32_t fill = 0);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return FPixels.empty(); }
    std::uint32_t* Row(int y) { return FPixels.data() + static_cast<std::size_t>(y) * FWidth; }
    const std::uint32_t* Row(int y) const { return FPixels.data() + static_cast<std::size_t>(y) * FWidth; }
    std::uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
    // The colour 0xRRGGBB of a pixel, un-premultiplied.
    std::uint32_t PixelRGB(int x, int y) const;
    std::uint32_t* Data() { return FPixels.data(); }
    const std::uint32_t* Data() const { return FPixels.data(); }
    // Resolution the image was stored with; 0 when the file declares none.
    double DpiX = 0;
    double DpiY = 0;

private:
    int FWidth = 0;
    int FHeight = 0;
    std::vector<std::uint32_t> FPixels;
};

// The largest image any decoder accepts (checked before allocating).
constexpr std::int64_t cVYXMaxBitmapPixels = 64LL * 1024 * 1024;
