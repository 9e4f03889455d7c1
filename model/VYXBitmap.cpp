// VYXBitmap.cpp: the raster image's size check and colour reads.
#include "model/VYXBitmap.h"

#include <algorithm>

#include "platform/VYXException.h"

TVYXBitmap::TVYXBitmap(int width, int height, std::uint32_t fill)
{
    if (width < 0 || height < 0 || std::int64_t(width) * height > cVYXMaxBitmapPixels)
        throw VYXException("Picture too large");
    FWidth = width;
    FHeight = height;
    FPixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

std::uint32_t TVYXBitmap::PixelRGB(int x, int y) const
{
    const std::uint32_t p = Pixel(x, y);
    const std::uint32_t a = p >> 24;
    if (a == 0)
        return 0;
    auto un = [a](std::uint32_t c) { return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a); };
    return un(p >> 16 & 0xFF) << 16 | un(p >> 8 & 0xFF) << 8 | un(p & 0xFF);
}
