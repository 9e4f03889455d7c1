// VYXImageDecodeTest.cpp: the picture decoder: pixel values, BMP variants, declared sizes and the pixel budget.
#include <gtest/gtest.h>

#include <zlib.h>

#include <string>

#include "platform/VYXException.h"
#include "platform/VYXImageDecode.h"
#include "platform/VYXStream.h"

namespace {

std::string Data(const std::string& name) { return VYXReadFile(std::string(VYX_TEST_DATA_DIR) + "/" + name); }

std::uint32_t Pixel(const TVYXDecodedImage& image, int x, int y)
{
    return image.Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.Width) + static_cast<std::size_t>(x)];
}

// A BMP with a 40-byte header; `extra` goes between header and pixels (palette or masks).
std::string MakeBmp(int w, int h, int bpp, int compression, const std::string& extra, const std::string& pixels)
{
    auto u16 = [](unsigned v) { return std::string{char(v & 0xFF), char(v >> 8 & 0xFF)}; };
    auto u32 = [&](unsigned v) { return u16(v & 0xFFFF) + u16(v >> 16); };
    const unsigned off = 14 + 40 + unsigned(extra.size());
    return "BM" + u32(off + unsigned(pixels.size())) + u32(0) + u32(off) + u32(40) + u32(unsigned(w)) +
           u32(unsigned(h)) + u16(1) + u16(unsigned(bpp)) + u32(unsigned(compression)) + u32(0) + u32(0) + u32(0) +
           u32(0) + u32(0) + extra + pixels;
}

// A PNG of a few dozen bytes whose header declares `w` x `h` pixels and whose
// data is one empty deflate block: decoding it would have to allocate the lot.
std::string MakeHugePng(unsigned w, unsigned h)
{
    auto be32 = [](unsigned v) {
        return std::string{char(v >> 24 & 0xFF), char(v >> 16 & 0xFF), char(v >> 8 & 0xFF), char(v & 0xFF)};
    };
    auto chunk = [&](const std::string& type, const std::string& body) {
        const std::string typed = type + body;
        const auto crc = static_cast<unsigned>(crc32(0, reinterpret_cast<const Bytef*>(typed.data()),
                                                     static_cast<uInt>(typed.size())));
        return be32(unsigned(body.size())) + typed + be32(crc);
    };
    const std::string ihdr = be32(w) + be32(h) + std::string("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA
    const std::string idat("\x78\x9C\x03\x00\x00\x00\x00\x01", 8);
    return std::string("\x89PNG\r\n\x1A\n", 8) + chunk("IHDR", ihdr) + chunk("IDAT", idat) + chunk("IEND", "");
}

}  // namespace

TEST(ImageDecode, PixelValues)
{
    const TVYXDecodedImage rgb = VYXDecodeImage(Data("rgb-3x2.bmp"), vyifBMP);
    ASSERT_EQ(rgb.Width, 3);
    EXPECT_EQ(Pixel(rgb, 0, 0), 0xFFFF0000u);  // bottom-up file: first row in the file is the bottom
    EXPECT_EQ(Pixel(rgb, 1, 0), 0xFF00FF00u);
    EXPECT_EQ(Pixel(rgb, 2, 0), 0xFF0000FFu);
    EXPECT_EQ(Pixel(rgb, 2, 1), 0xFF808080u);
    const TVYXDecodedImage pal = VYXDecodeImage(Data("pal-4x2-topdown.bmp"), vyifBMP);
    EXPECT_EQ(Pixel(pal, 1, 0), 0xFFFF0000u);
    EXPECT_EQ(Pixel(pal, 0, 1), 0xFF0000FFu);
    // TIFF through libtiff, converted in place: big-endian grey (black is zero).
    const TVYXDecodedImage grey = VYXDecodeImage(Data("gray-3x1-be.tif"), vyifTIFF);
    EXPECT_EQ(Pixel(grey, 0, 0), 0xFF000000u);
    EXPECT_EQ(Pixel(grey, 2, 0), 0xFFFFFFFFu);
}

TEST(ImageDecode, BmpVariantsAndDeclaredSizes)
{
    const std::string pal2 = std::string("\0\0\0\0", 4) + std::string("\xFF\xFF\xFF\0", 4);  // black, white
    const std::string masks565 = std::string("\x00\xF8\0\0\xE0\x07\0\0\x1F\0\0\0", 12);
    const struct {
        const char* Name;
        std::string Bytes;
        std::uint32_t First, Second;  // pixels (0,0) and (1,0), top row
    } cases[] = {
        {"1 bit", MakeBmp(2, 1, 1, 0, pal2, std::string("\x40\0\0\0", 4)), 0xFF000000, 0xFFFFFFFF},
        {"4 bit", MakeBmp(2, 1, 4, 0, pal2, std::string("\x10\0\0\0", 4)), 0xFFFFFFFF, 0xFF000000},
        {"16 bit 555", MakeBmp(2, 1, 16, 0, "", std::string("\x00\x7C\x1F\x00", 4)), 0xFFFF0000, 0xFF0000FF},
        {"16 bit 565", MakeBmp(2, 1, 16, 3, masks565, std::string("\xE0\x07\x00\xF8", 4)), 0xFF00FF00, 0xFFFF0000},
        {"32 bit", MakeBmp(2, 1, 32, 0, "", std::string("\x01\x02\x03\x00\xFF\x00\x00\x00", 8)), 0xFF030201,
         0xFF0000FF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TVYXDecodedImage bmp = VYXDecodeImage(c.Bytes, vyifBMP);
        ASSERT_EQ(bmp.Width, 2);
        EXPECT_EQ(Pixel(bmp, 0, 0), c.First);
        EXPECT_EQ(Pixel(bmp, 1, 0), c.Second);
    }
    EXPECT_THROW(VYXDecodeImage(MakeBmp(2, 1, 8, 1, pal2, std::string(4, '\0')), vyifBMP), VYXException);  // RLE
    EXPECT_THROW(VYXDecodeImage(MakeBmp(2, 1, 7, 0, "", std::string(4, '\0')), vyifBMP), VYXException);
    EXPECT_THROW(VYXDecodeImage(MakeBmp(0, 1, 24, 0, "", ""), vyifBMP), VYXException);
    // A big-endian TIFF header declares its size too.
    const std::string mm("MM\0*\0\0\0\x08\0\x02\x01\x00\0\x03\0\0\0\x01\x00\x60\0\0"
                         "\x01\x01\0\x04\0\0\0\x01\0\0\0\x30\0\0\0\0", 38);
    const TVYXImageSizePt size = VYXImageDeclaredSize(mm, vyifTIFF);
    EXPECT_DOUBLE_EQ(size.WidthPt, 96 * 0.75);
    EXPECT_DOUBLE_EQ(size.HeightPt, 48 * 0.75);
}

// Tiny files that declare huge pictures are refused from their header, with
// the budget in the message, before a pixel buffer exists.
TEST(ImageDecode, PixelBudgetIsCheckedBeforeDecoding)
{
    const struct {
        const char* Name;
        std::string Bytes;
        TVYXImageFormat Format;
    } cases[] = {
        {"png 8000 x 8000", MakeHugePng(8000, 8000), vyifPNG},
        {"png 1000 x 1001", MakeHugePng(1000, 1001), vyifPNG},
        {"bmp 8000 x 8000", MakeBmp(8000, 8000, 24, 0, "", std::string(16, '\0')), vyifBMP},
        {"bmp 1 x 60000000", MakeBmp(1, 60000000, 24, 0, "", std::string(16, '\0')), vyifBMP},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_LT(c.Bytes.size(), 200u);
        try {
            VYXDecodeImage(c.Bytes, c.Format, 1000000);
            ADD_FAILURE() << "decoded beyond the budget";
        } catch (const VYXException& e) {
            EXPECT_NE(std::string(e.what()).find("exceed the budget of 1000000"), std::string::npos) << e.what();
        }
    }
    // The same file within a budget that allows it: exactly at the budget passes.
    const std::string rgb = Data("rgb-3x2.bmp");
    EXPECT_THROW(VYXDecodeImage(rgb, vyifBMP, 5), VYXException);
    EXPECT_EQ(VYXDecodeImage(rgb, vyifBMP, 6).Pixels.size(), 6u);
}
