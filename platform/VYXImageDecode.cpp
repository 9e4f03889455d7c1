// VYXImageDecode.cpp: PNG, JPEG, GIF, BMP and TIFF decoding into premultiplied bitmaps; declared sizes of kept formats.
#include "platform/VYXImageDecode.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdarg>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>

#include "platform/VYXException.h"

namespace {

[[noreturn]] void Bad(const char* what)
{
    throw VYXException(std::string("Invalid picture data: ") + what);
}

// Called with the dimensions a header declares, before any pixel buffer exists.
void CheckSize(std::int64_t w, std::int64_t h, std::int64_t maxPixels)
{
    if (w <= 0 || h <= 0)
        Bad("empty image");
    if (w > maxPixels || h > maxPixels || w * h > maxPixels)
        throw VYXException("Picture too large: " + std::to_string(w) + " x " + std::to_string(h) +
                           " pixels exceed the budget of " + std::to_string(maxPixels));
}

std::uint32_t Premultiply(std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t a)
{
    if (a != 255) {
        r = (r * a + 127) / 255;
        g = (g * a + 127) / 255;
        b = (b * a + 127) / 255;
    }
    return a << 24 | r << 16 | g << 8 | b;
}

std::uint32_t U32BE(const unsigned char* p)
{
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

// Little-endian reads at an offset already checked against the buffer.
std::uint32_t U16At(std::string_view b, std::size_t o)
{
    return std::uint32_t(static_cast<unsigned char>(b[o])) | std::uint32_t(static_cast<unsigned char>(b[o + 1])) << 8;
}

std::uint32_t U32At(std::string_view b, std::size_t o)
{
    return U16At(b, o) | U16At(b, o + 2) << 16;
}

std::int32_t I32At(std::string_view b, std::size_t o)
{
    return static_cast<std::int32_t>(U32At(b, o));
}

// ---- PNG (libpng's simplified reader: no longjmp reaches our code) ----

// The pHYs chunk gives the resolution; libpng's simplified reader does not report it.
void ReadPngDpi(std::string_view bytes, TVYXDecodedImage& bmp)
{
    std::size_t pos = 8;
    while (pos + 12 <= bytes.size()) {
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + pos);
        const std::uint32_t len = U32BE(p);
        if (len > bytes.size() - pos - 12)
            return;
        if (std::memcmp(p + 4, "pHYs", 4) == 0 && len >= 9) {
            if (p[16] == 1) {  // unit: metre
                bmp.DpiX = U32BE(p + 8) * 0.0254;
                bmp.DpiY = U32BE(p + 12) * 0.0254;
            }
            return;
        }
        if (std::memcmp(p + 4, "IDAT", 4) == 0)
            return;
        pos += 12 + len;
    }
}

std::unique_ptr<TVYXDecodedImage> DecodePng(std::string_view bytes, std::int64_t maxPixels)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        Bad("PNG header");
    if (image.width == 0 || image.height == 0 || std::int64_t(image.width) * image.height > maxPixels) {
        png_image_free(&image);
        CheckSize(image.width, image.height, maxPixels);
    }
    image.format = PNG_FORMAT_RGBA;
    std::unique_ptr<TVYXDecodedImage> bmp;
    try {
        bmp = std::make_unique<TVYXDecodedImage>(int(image.width), int(image.height));
    } catch (...) {
        png_image_free(&image);
        throw;
    }
    // RGBA bytes take exactly the room of the pixels: decode in place, then
    // turn each group of four bytes into its premultiplied pixel.
    std::uint32_t* d = bmp->Data();
    if (!png_image_finish_read(&image, nullptr, d, 0, nullptr))
        Bad("PNG data");  // the reader frees the image on failure
    for (std::size_t i = 0, n = std::size_t(image.width) * image.height; i < n; ++i) {
        unsigned char s[4];
        std::memcpy(s, d + i, 4);
        d[i] = Premultiply(s[0], s[1], s[2], s[3]);
    }
    ReadPngDpi(bytes, *bmp);
    return bmp;
}

// ---- JPEG (libjpeg reports fatal errors by longjmp) ----

struct TJpegError {
    jpeg_error_mgr Pub;
    std::jmp_buf Jump;
};

struct TJpegJob {
    std::int64_t MaxPixels = 0;
    std::unique_ptr<TVYXDecodedImage> Bitmap;
    std::string Error;
};

// Only trivially destructible locals live in this frame, so the longjmp from the
// library's error exit skips no destructor; results go to the caller's job.
bool RunJpeg(const unsigned char* data, unsigned long size, TJpegJob* job)
{
    jpeg_decompress_struct cinfo;
    TJpegError err;
    cinfo.err = jpeg_std_error(&err.Pub);
    err.Pub.error_exit = [](j_common_ptr c) { std::longjmp(reinterpret_cast<TJpegError*>(c->err)->Jump, 1); };
    err.Pub.output_message = [](j_common_ptr) {};
    if (setjmp(err.Jump)) {
        jpeg_destroy_decompress(&cinfo);
        job->Error = "JPEG data";
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    const std::int64_t w = cinfo.image_width;
    const std::int64_t h = cinfo.image_height;
    if (w <= 0 || h <= 0 || w > job->MaxPixels || h > job->MaxPixels || w * h > job->MaxPixels) {
        jpeg_destroy_decompress(&cinfo);
        job->Error = w <= 0 || h <= 0 ? "empty image" : "too large";
        return false;
    }
    jpeg_start_decompress(&cinfo);
    try {
        job->Bitmap = std::make_unique<TVYXDecodedImage>(int(w), int(h));
    } catch (...) {
        jpeg_destroy_decompress(&cinfo);
        job->Error = "too large";
        return false;
    }
    const int comps = cinfo.output_components;
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                JDIMENSION(w) * JDIMENSION(comps), 1);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = int(cinfo.output_scanline);
        jpeg_read_scanlines(&cinfo, row, 1);
        std::uint32_t* d = job->Bitmap->Row(y);
        const JSAMPLE* s = row[0];
        for (int x = 0; x < w; ++x, s += comps) {
            if (comps == 1) {
                d[x] = Premultiply(s[0], s[0], s[0], 255);
            } else if (cmyk) {
                // Adobe writes inverted CMYK; no colour management.
                const std::uint32_t k = s[3];
                d[x] = Premultiply(s[0] * k / 255, s[1] * k / 255, s[2] * k / 255, 255);
            } else {
                d[x] = Premultiply(s[0], s[1], s[2], 255);
            }
        }
    }
    if (cinfo.density_unit == 1 || cinfo.density_unit == 2) {
        const double f = cinfo.density_unit == 1 ? 1.0 : 2.54;
        job->Bitmap->DpiX = cinfo.X_density * f;
        job->Bitmap->DpiY = cinfo.Y_density * f;
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

std::unique_ptr<TVYXDecodedImage> DecodeJpeg(std::string_view bytes, std::int64_t maxPixels)
{
    TJpegJob job;
    job.MaxPixels = maxPixels;
    if (!RunJpeg(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()),
                 &job)) {
        if (job.Error == "too large")
            throw VYXException("Picture too large: the pixels exceed the budget of " + std::to_string(maxPixels));
        Bad(job.Error.c_str());
    }
    return std::move(job.Bitmap);
}

// ---- GIF (first frame only) ----

struct TGifSource {
    std::string_view Bytes;
    std::size_t Pos = 0;
};

int GifRead(GifFileType* gif, GifByteType* buf, int len)
{
    auto* src = static_cast<TGifSource*>(gif->UserData);
    const std::size_t n = std::min<std::size_t>(std::size_t(len), src->Bytes.size() - src->Pos);
    std::memcpy(buf, src->Bytes.data() + src->Pos, n);
    src->Pos += n;
    return int(n);
}

struct TGifCloser {
    void operator()(GifFileType* g) const
    {
        int err = 0;
        DGifCloseFile(g, &err);
    }
};

std::unique_ptr<TVYXDecodedImage> DecodeGif(std::string_view bytes, std::int64_t maxPixels)
{
    TGifSource src{bytes};
    int err = 0;
    std::unique_ptr<GifFileType, TGifCloser> gif(DGifOpen(&src, GifRead, &err));
    if (!gif)
        Bad("GIF header");
    int transparent = -1;
    for (;;) {
        GifRecordType rec;
        if (DGifGetRecordType(gif.get(), &rec) == GIF_ERROR)
            Bad("GIF data");
        if (rec == TERMINATE_RECORD_TYPE)
            Bad("GIF without image");
        if (rec == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* ext = nullptr;
            if (DGifGetExtension(gif.get(), &code, &ext) == GIF_ERROR)
                Bad("GIF extension");
            if (code == GRAPHICS_EXT_FUNC_CODE && ext && ext[0] >= 4 && (ext[1] & 1))
                transparent = ext[4];
            while (ext) {
                if (DGifGetExtensionNext(gif.get(), &ext) == GIF_ERROR)
                    Bad("GIF extension");
            }
            continue;
        }
        if (rec != IMAGE_DESC_RECORD_TYPE)
            continue;
        if (DGifGetImageDesc(gif.get()) == GIF_ERROR)
            Bad("GIF image");
        const GifImageDesc& d = gif->Image;
        CheckSize(d.Width, d.Height, maxPixels);
        const int sw = gif->SWidth > 0 ? gif->SWidth : d.Width;
        const int sh = gif->SHeight > 0 ? gif->SHeight : d.Height;
        CheckSize(sw, sh, maxPixels);
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        if (!map)
            Bad("GIF without colours");
        auto bmp = std::make_unique<TVYXDecodedImage>(sw, sh);
        std::vector<GifPixelType> line(std::size_t(d.Width));
        auto putLine = [&](int row) {
            const int y = d.Top + row;
            if (y < 0 || y >= sh)
                return;
            std::uint32_t* out = bmp->Row(y);
            for (int i = 0; i < d.Width; ++i) {
                const int x = d.Left + i;
                const int idx = line[std::size_t(i)];
                if (x < 0 || x >= sw || idx == transparent || idx >= map->ColorCount)
                    continue;
                const GifColorType& c = map->Colors[idx];
                out[x] = Premultiply(c.Red, c.Green, c.Blue, 255);
            }
        };
        if (d.Interlace) {
            constexpr int offs[] = {0, 4, 2, 1};
            constexpr int steps[] = {8, 8, 4, 2};
            for (int pass = 0; pass < 4; ++pass)
                for (int row = offs[pass]; row < d.Height; row += steps[pass]) {
                    if (DGifGetLine(gif.get(), line.data(), d.Width) == GIF_ERROR)
                        Bad("GIF data");
                    putLine(row);
                }
        } else {
            for (int row = 0; row < d.Height; ++row) {
                if (DGifGetLine(gif.get(), line.data(), d.Width) == GIF_ERROR)
                    Bad("GIF data");
                putLine(row);
            }
        }
        return bmp;
    }
}

// ---- BMP ----

struct TBmpMask {
    std::uint32_t Mask = 0;
    int Shift = 0;
    std::uint32_t Max = 0;
    explicit TBmpMask(std::uint32_t m = 0) : Mask(m)
    {
        if (m) {
            Shift = std::countr_zero(m);
            Max = m >> Shift;
        }
    }
    std::uint32_t Get(std::uint32_t px, std::uint32_t dflt) const
    {
        if (!Mask)
            return dflt;
        const std::uint64_t v = (px & Mask) >> Shift;
        return Max == 0 ? 0 : std::uint32_t(v * 255 / Max);
    }
};

std::unique_ptr<TVYXDecodedImage> DecodeBmp(std::string_view b, std::int64_t maxPixels)
{
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M')
        Bad("BMP header");
    const std::uint32_t offBits = U32At(b, 10);
    const std::uint32_t hdr = U32At(b, 14);
    std::int64_t w = 0, h = 0;
    std::uint32_t bpp = 0, compression = 0, clrUsed = 0;
    std::int32_t ppmX = 0, ppmY = 0;
    std::size_t paletteAt = 0, paletteEntry = 4;
    TBmpMask mr, mg, mb, ma;
    if (hdr == 12) {
        w = U16At(b, 18);
        h = U16At(b, 20);
        bpp = U16At(b, 24);
        paletteAt = 26;
        paletteEntry = 3;
    } else {
        if (hdr < 40 || 14 + std::size_t(hdr) > b.size())
            Bad("BMP header");
        w = I32At(b, 18);
        h = I32At(b, 22);
        bpp = U16At(b, 28);
        compression = U32At(b, 30);
        ppmX = I32At(b, 38);
        ppmY = I32At(b, 42);
        clrUsed = U32At(b, 46);
        paletteAt = 14 + std::size_t(hdr);
        if (compression == 3 || compression == 6) {
            // Masks follow a 40-byte header, or sit inside a larger one.
            const std::size_t at = 54;
            const bool hasAlpha = compression == 6 || hdr >= 56;
            if (at + (hasAlpha ? 16 : 12) > b.size())
                Bad("BMP masks");
            mr = TBmpMask(U32At(b, at));
            mg = TBmpMask(U32At(b, at + 4));
            mb = TBmpMask(U32At(b, at + 8));
            if (hasAlpha)
                ma = TBmpMask(U32At(b, at + 12));
            if (hdr == 40)
                paletteAt += compression == 6 ? 16 : 12;
        } else if (compression != 0) {
            Bad("BMP compression");
        }
    }
    const bool topDown = h < 0;
    if (topDown)
        h = -h;
    CheckSize(w, h, maxPixels);
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        Bad("BMP bit depth");
    if (bpp <= 8 && compression != 0)
        Bad("BMP compression");
    if (bpp == 16 && !mr.Mask) {
        mr = TBmpMask(0x7C00);
        mg = TBmpMask(0x03E0);
        mb = TBmpMask(0x001F);
    }
    if (bpp == 32 && !mr.Mask) {
        mr = TBmpMask(0xFF0000);
        mg = TBmpMask(0x00FF00);
        mb = TBmpMask(0x0000FF);
    }
    std::vector<std::uint32_t> palette;
    if (bpp <= 8) {
        std::uint32_t n = clrUsed ? clrUsed : 1u << bpp;
        if (n > 256)
            Bad("BMP palette");
        // Writers that leave the count at 0 may still store a short palette: take what fits
        // before the pixels; indexes beyond it are drawn black.
        const std::size_t limit = std::min<std::size_t>(b.size(), std::max<std::size_t>(offBits, paletteAt));
        n = std::min<std::uint32_t>(n, std::uint32_t((limit - std::min(limit, paletteAt)) / paletteEntry));
        if (n == 0)
            Bad("BMP palette");
        for (std::uint32_t i = 0; i < n; ++i) {
            const auto* p = reinterpret_cast<const unsigned char*>(b.data() + paletteAt + i * paletteEntry);
            palette.push_back(Premultiply(p[2], p[1], p[0], 255));
        }
    }
    const std::int64_t stride = ((w * bpp + 31) / 32) * 4;
    if (offBits > b.size() || std::int64_t(b.size() - offBits) < stride * h)
        Bad("BMP pixel data truncated");
    auto bmp = std::make_unique<TVYXDecodedImage>(int(w), int(h));
    for (std::int64_t row = 0; row < h; ++row) {
        const auto* s = reinterpret_cast<const unsigned char*>(b.data() + offBits + row * stride);
        std::uint32_t* d = bmp->Row(int(topDown ? row : h - 1 - row));
        for (std::int64_t x = 0; x < w; ++x) {
            std::uint32_t px = 0;
            switch (bpp) {
            case 1: px = (s[x >> 3] >> (7 - (x & 7))) & 1; break;
            case 4: px = (s[x >> 1] >> ((x & 1) ? 0 : 4)) & 15; break;
            case 8: px = s[x]; break;
            case 16: px = std::uint32_t(s[2 * x]) | std::uint32_t(s[2 * x + 1]) << 8; break;
            case 24: d[x] = Premultiply(s[3 * x + 2], s[3 * x + 1], s[3 * x], 255); continue;
            case 32:
                px = std::uint32_t(s[4 * x]) | std::uint32_t(s[4 * x + 1]) << 8 | std::uint32_t(s[4 * x + 2]) << 16 |
                     std::uint32_t(s[4 * x + 3]) << 24;
                break;
            }
            if (bpp <= 8)
                d[x] = px < palette.size() ? palette[px] : 0xFF000000;
            else
                d[x] = Premultiply(mr.Get(px, 0), mg.Get(px, 0), mb.Get(px, 0), ma.Get(px, 255));
        }
    }
    if (ppmX > 0 && ppmY > 0) {
        bmp->DpiX = ppmX * 0.0254;
        bmp->DpiY = ppmY * 0.0254;
    }
    return bmp;
}

// ---- TIFF ----

// libtiff reads through these callbacks from the bytes in memory; its messages are
// collected (the first error becomes the exception's text) instead of going to stderr.
struct TTiffSource {
    std::string_view Bytes;
    std::uint64_t Pos = 0;
    std::string Error;
};

tmsize_t TiffRead(thandle_t h, void* buf, tmsize_t size)
{
    auto* src = static_cast<TTiffSource*>(h);
    if (size <= 0 || src->Pos >= src->Bytes.size())
        return 0;
    const std::uint64_t n = std::min<std::uint64_t>(std::uint64_t(size), src->Bytes.size() - src->Pos);
    std::memcpy(buf, src->Bytes.data() + src->Pos, n);
    src->Pos += n;
    return tmsize_t(n);
}

tmsize_t TiffWrite(thandle_t, void*, tmsize_t)
{
    return 0;
}

toff_t TiffSeek(thandle_t h, toff_t off, int whence)
{
    auto* src = static_cast<TTiffSource*>(h);
    std::uint64_t base = 0;
    if (whence == SEEK_CUR)
        base = src->Pos;
    else if (whence == SEEK_END)
        base = src->Bytes.size();
    src->Pos = base + off;
    return src->Pos;
}

int TiffClose(thandle_t)
{
    return 0;
}

toff_t TiffSize(thandle_t h)
{
    return static_cast<TTiffSource*>(h)->Bytes.size();
}

int TiffMap(thandle_t, void**, toff_t*)
{
    return 0;
}

void TiffUnmap(thandle_t, void*, toff_t) {}

int TiffError(TIFF*, void* user, const char* module, const char* fmt, va_list ap)
{
    auto* src = static_cast<TTiffSource*>(user);
    if (src->Error.empty()) {
        char msg[256];
        std::vsnprintf(msg, sizeof msg, fmt, ap);
        src->Error = std::string(module ? module : "TIFF") + ": " + msg;
    }
    return 1;
}

int TiffWarning(TIFF*, void*, const char*, const char*, va_list)
{
    return 1;
}

// Every strip or tile must lie inside the file, and uncompressed data must be as long as
// the image: a few bytes declaring a huge image would otherwise cost two full-size
// rasters and a failed read per row before anything is known to be wrong.
void CheckTiffData(TIFF* tif, std::uint64_t fileSize, std::uint32_t w, std::uint32_t h)
{
    const std::uint32_t n = TIFFIsTiled(tif) ? TIFFNumberOfTiles(tif) : TIFFNumberOfStrips(tif);
    if (n == 0)
        Bad("TIFF image data");
    std::uint64_t total = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        int err = 0;
        const std::uint64_t off = TIFFGetStrileOffsetWithErr(tif, i, &err);
        const std::uint64_t count = err ? 0 : TIFFGetStrileByteCountWithErr(tif, i, &err);
        if (err || count == 0 || off > fileSize || count > fileSize - off)
            Bad("TIFF image data");
        total += count;
    }
    std::uint16_t compression = COMPRESSION_NONE, bits = 1, samples = 1;
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &compression);
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
    if (compression == COMPRESSION_NONE && total < (std::uint64_t(w) * bits * samples + 7) / 8 * h)
        Bad("TIFF image data");
}

// The first image of the file, through libtiff's RGBA reader (any photometric
// interpretation, bit depth and compression it knows), premultiplied as it delivers it.
std::unique_ptr<TVYXDecodedImage> DecodeTiff(std::string_view b, std::int64_t maxPixels)
{
    TTiffSource src{b, 0, {}};
    TIFFOpenOptions* opts = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(opts, TiffError, &src);
    TIFFOpenOptionsSetWarningHandlerExtR(opts, TiffWarning, &src);
    // No single buffer larger than the biggest bitmap we accept (plus strip
    // slack); small budgets still leave room for the directory itself.
    TIFFOpenOptionsSetMaxSingleMemAlloc(opts, tmsize_t(std::max<std::int64_t>(maxPixels, 1 << 20)) * 8);
    TIFF* tif = TIFFClientOpenExt("picture", "rm", &src, TiffRead, TiffWrite, TiffSeek, TiffClose, TiffSize,
                                  TiffMap, TiffUnmap, opts);
    TIFFOpenOptionsFree(opts);
    if (!tif)
        Bad(src.Error.empty() ? "TIFF header" : src.Error.c_str());
    struct TClose {
        TIFF* T;
        ~TClose() { TIFFClose(T); }
    } closer{tif};
    std::uint32_t w = 0, h = 0;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &w);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &h);
    CheckSize(w, h, maxPixels);
    CheckTiffData(tif, b.size(), w, h);
    auto bmp = std::make_unique<TVYXDecodedImage>(int(w), int(h));
    // The library's packed pixels are converted in place: one buffer, not two.
    std::uint32_t* d = bmp->Data();
    if (!TIFFReadRGBAImageOriented(tif, w, h, d, ORIENTATION_TOPLEFT, 0))
        Bad(src.Error.empty() ? "TIFF image data" : src.Error.c_str());
    for (std::size_t i = 0, n = std::size_t(w) * h; i < n; ++i) {
        const std::uint32_t p = d[i];
        d[i] = TIFFGetA(p) << 24 | TIFFGetR(p) << 16 | TIFFGetG(p) << 8 | TIFFGetB(p);
    }
    float resX = 0, resY = 0;
    std::uint16_t unit = RESUNIT_INCH;
    TIFFGetFieldDefaulted(tif, TIFFTAG_RESOLUTIONUNIT, &unit);
    if (unit != RESUNIT_NONE && TIFFGetField(tif, TIFFTAG_XRESOLUTION, &resX) &&
        TIFFGetField(tif, TIFFTAG_YRESOLUTION, &resY) && resX > 0 && resY > 0 && std::isfinite(resX) &&
        std::isfinite(resY)) {
        const double f = unit == RESUNIT_CENTIMETER ? 2.54 : 1.0;
        bmp->DpiX = resX * f;
        bmp->DpiY = resY * f;
    }
    return bmp;
}

// ---- Declared sizes ----

constexpr double cPtPerMm = 72.0 / 25.4;

TVYXImageSizePt TiffSize(std::string_view b)
{
    if (b.size() < 8)
        Bad("TIFF header");
    const bool be = b[0] == 'M';
    auto u16 = [&](std::size_t o) -> std::uint32_t {
        if (o + 2 > b.size())
            Bad("TIFF header");
        return be ? (U16At(b, o) >> 8 | (U16At(b, o) & 0xFF) << 8) : U16At(b, o);
    };
    auto u32 = [&](std::size_t o) -> std::uint32_t {
        if (o + 4 > b.size())
            Bad("TIFF header");
        return be ? (u16(o) << 16 | u16(o + 2)) : U32At(b, o);
    };
    const std::uint32_t ifd = u32(4);
    const std::uint32_t n = u16(ifd);
    double w = 0, h = 0, resX = 0, resY = 0;
    int unit = 2;
    for (std::uint32_t i = 0; i < n && i < 1000; ++i) {
        const std::size_t e = std::size_t(ifd) + 2 + 12 * std::size_t(i);
        const std::uint32_t tag = u16(e);
        const std::uint32_t type = u16(e + 2);
        const std::uint32_t value = type == 3 ? u16(e + 8) : u32(e + 8);
        auto rational = [&]() {
            const std::uint32_t den = u32(std::size_t(value) + 4);
            return den ? double(u32(value)) / den : 0.0;
        };
        switch (tag) {
        case 256: w = value; break;
        case 257: h = value; break;
        case 282: resX = rational(); break;
        case 283: resY = rational(); break;
        case 296: unit = int(value); break;
        }
    }
    if (w <= 0 || h <= 0)
        Bad("TIFF size");
    const double f = unit == 3 ? 2.54 : 1.0;
    const double dpiX = resX > 0 && unit != 1 ? resX * f : 96;
    const double dpiY = resY > 0 && unit != 1 ? resY * f : 96;
    return {w / dpiX * 72, h / dpiY * 72};
}

}  // namespace

TVYXDecodedImage::TVYXDecodedImage(int width, int height) : Width(width), Height(height)
{
    if (width <= 0 || height <= 0)
        Bad("empty image");
    Pixels.resize(std::size_t(width) * std::size_t(height));
}

TVYXDecodedImage VYXDecodeImage(std::string_view bytes, TVYXImageFormat format, std::int64_t maxPixels)
{
    std::unique_ptr<TVYXDecodedImage> image;
    switch (format) {
    case vyifPNG: image = DecodePng(bytes, maxPixels); break;
    case vyifJPEG: image = DecodeJpeg(bytes, maxPixels); break;
    case vyifGIF: image = DecodeGif(bytes, maxPixels); break;
    case vyifBMP: image = DecodeBmp(bytes, maxPixels); break;
    case vyifTIFF: image = DecodeTiff(bytes, maxPixels); break;
    default: Bad("not a raster type");
    }
    return std::move(*image);
}

TVYXImageSizePt VYXImageDeclaredSize(std::string_view b, TVYXImageFormat format)
{
    if (format == vyifTIFF)
        return TiffSize(b);
    if (format == vyifEMF) {        if (b.size() < 44)
            Bad("EMF header");
        // rclFrame in hundredths of a millimetre
        const double w = double(I32At(b, 32)) - I32At(b, 24);
        const double h = double(I32At(b, 36)) - I32At(b, 28);
        if (w <= 0 || h <= 0)
            Bad("EMF frame");
        return {w / 100 * cPtPerMm, h / 100 * cPtPerMm};
    }
    if (format == vyifWMF) {
        if (b.size() >= 22 && U32At(b, 0) == 0x9AC6CDD7) {
            const double inch = U16At(b, 14);
            const double w = double(static_cast<std::int16_t>(U16At(b, 10))) - static_cast<std::int16_t>(U16At(b, 6));
            const double h = double(static_cast<std::int16_t>(U16At(b, 12))) - static_cast<std::int16_t>(U16At(b, 8));
            if (inch <= 0 || w <= 0 || h <= 0)
                Bad("WMF header");
            return {w / inch * 72, h / inch * 72};
        }
        if (b.size() < 18)
            Bad("WMF header");
        // A metafile without the placeable header declares no size: one inch square.
        return {72, 72};
    }
    Bad("no declared size");
}
