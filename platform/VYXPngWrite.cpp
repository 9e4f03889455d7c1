// VYXPngWrite.cpp: the few PNG chunks a greyscale picture needs (signature,
// IHDR, one IDAT of zlib data, IEND), written with zlib directly.
#include "platform/VYXPngWrite.h"

#include <zlib.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/VYXException.h"

namespace {
void PutU32BE(std::string& out, std::uint32_t v)
{
    out += static_cast<char>(v >> 24);
    out += static_cast<char>((v >> 16) & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
    out += static_cast<char>(v & 0xFF);
}

// Length, type, data, CRC over type and data.
void PutChunk(std::string& out, std::string_view type, std::string_view data)
{
    PutU32BE(out, static_cast<std::uint32_t>(data.size()));
    const size_t start = out.size();
    out += type;
    out += data;
    uLong crc = crc32(0, nullptr, 0);
    crc = crc32(crc, reinterpret_cast<const Bytef*>(out.data() + start), static_cast<uInt>(out.size() - start));
    PutU32BE(out, static_cast<std::uint32_t>(crc));
}
}  // namespace

std::string VYXEncodePngGray(int width, int height, const std::uint8_t* pixels)
{
    if (width <= 0 || height <= 0 || static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > 0x3FFFFFFFu)
        throw VYXException("Invalid image size");
    // Each row is preceded by its filter type; 0 (none) compresses bars well enough.
    const size_t rowBytes = static_cast<size_t>(width) + 1;
    std::vector<Bytef> raw(rowBytes * static_cast<size_t>(height));
    for (size_t y = 0; y < static_cast<size_t>(height); ++y) {
        raw[y * rowBytes] = 0;
        std::copy_n(pixels + y * static_cast<size_t>(width), width, raw.begin() + static_cast<std::ptrdiff_t>(y * rowBytes + 1));
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<Bytef> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw VYXException("PNG compression failed");

    std::string header;
    PutU32BE(header, static_cast<std::uint32_t>(width));
    PutU32BE(header, static_cast<std::uint32_t>(height));
    header += std::string_view("\x08\x00\x00\x00\x00", 5);  // 8 bits, greyscale, deflate, no filter set, no interlace

    std::string png("\x89PNG\r\n\x1a\n", 8);
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", std::string_view(reinterpret_cast<const char*>(packed.data()), packedSize));
    PutChunk(png, "IEND", {});
    return png;
}
