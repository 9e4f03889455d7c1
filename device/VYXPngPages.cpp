// VYXPngPages.cpp: fast PNG encoding of page bitmaps (see the header).
#include "device/VYXPngPages.h"

#include <libdeflate.h>
#include <zlib.h>

#include <cstdint>
#include <vector>

#include "model/VYXGraphicTypes.h"
#include "platform/VYXException.h"

namespace {

void PutU32(std::string& s, std::uint32_t v)
{
    const char b[4] = {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
                       static_cast<char>(v)};
    s.append(b, 4);
}

// One chunk: length, type, data, and the checksum over type and data.
void Chunk(std::string& png, const char* type, const unsigned char* data, std::size_t size)
{
    PutU32(png, static_cast<std::uint32_t>(size));
    png.append(type, 4);
    png.append(reinterpret_cast<const char*>(data), size);
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type), 4);
    crc = crc32(crc, data, static_cast<uInt>(size));
    PutU32(png, static_cast<std::uint32_t>(crc));
}

// The rows as grey bytes, each after its filter byte; false (and `out` half written)
// at the first pixel that is not grey.
bool GreyRows(const TVYXBitmap& bitmap, unsigned char* out)
{
    const int w = bitmap.Width();
    for (int y = 0; y < bitmap.Height(); ++y) {
        *out++ = 0;  // no filter: runs of white stay runs for the matcher
        const std::uint32_t* row = bitmap.Row(y);
        std::uint32_t odd = 0;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = row[x];
            odd |= (p ^ (p >> 8)) & 0xFFFF;  // red = green = blue
            *out++ = static_cast<unsigned char>(p);
        }
        if (odd)
            return false;
    }
    return true;
}

void RgbRows(const TVYXBitmap& bitmap, unsigned char* out)
{
    const int w = bitmap.Width();
    for (int y = 0; y < bitmap.Height(); ++y) {
        *out++ = 0;
        const std::uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = row[x];
            *out++ = static_cast<unsigned char>(p >> 16);
            *out++ = static_cast<unsigned char>(p >> 8);
            *out++ = static_cast<unsigned char>(p);
        }
    }
}

}  // namespace

struct TVYXPngPages::TImpl {
    libdeflate_compressor* Compressor = nullptr;
    std::vector<unsigned char> Raw;   // the filtered rows
    std::vector<unsigned char> Idat;  // the compressed rows
    std::string Png;                  // the file

    ~TImpl()
    {
        if (Compressor)
            libdeflate_free_compressor(Compressor);
    }
};

TVYXPngPages::TVYXPngPages() : FImpl(std::make_unique<TImpl>()) {}

TVYXPngPages::~TVYXPngPages() = default;

const std::string& TVYXPngPages::Encode(const TVYXBitmap& bitmap)
{
    TImpl& d = *FImpl;
    const int w = bitmap.Width(), h = bitmap.Height();
    if (w <= 0 || h <= 0)
        throw VYXException("Invalid image size");
    if (!d.Compressor && !(d.Compressor = libdeflate_alloc_compressor(1)))
        throw VYXException("Cannot write PNG");
    const std::size_t rows = static_cast<std::size_t>(h);
    d.Raw.resize(rows * (static_cast<std::size_t>(w) * 3 + 1));
    const bool grey = GreyRows(bitmap, d.Raw.data());
    if (!grey)
        RgbRows(bitmap, d.Raw.data());
    const std::size_t size = rows * (static_cast<std::size_t>(w) * (grey ? 1 : 3) + 1);
    d.Idat.resize(libdeflate_zlib_compress_bound(d.Compressor, size));
    const std::size_t packed = libdeflate_zlib_compress(d.Compressor, d.Raw.data(), size, d.Idat.data(), d.Idat.size());
    if (packed == 0)
        throw VYXException("Cannot write PNG");
    d.Png.clear();
    d.Png.append("\x89PNG\r\n\x1a\n", 8);
    std::string ihdr;
    PutU32(ihdr, static_cast<std::uint32_t>(w));
    PutU32(ihdr, static_cast<std::uint32_t>(h));
    ihdr += static_cast<char>(8);             // bits per channel
    ihdr += static_cast<char>(grey ? 0 : 2);  // grey or RGB
    ihdr.append(3, '\0');                     // deflate, no filter, no interlace
    Chunk(d.Png, "IHDR", reinterpret_cast<const unsigned char*>(ihdr.data()), ihdr.size());
    Chunk(d.Png, "IDAT", d.Idat.data(), packed);
    Chunk(d.Png, "IEND", d.Idat.data(), 0);
    return d.Png;
}
