// VYXPngWriteTest.cpp: the PNG writer's chunks, checksums and pixels, read back with zlib.
#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/VYXException.h"
#include "platform/VYXPngWrite.h"

namespace {
std::uint32_t U32BE(const std::string& s, size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3]));
}
}  // namespace

TEST(PngWrite, ChunksCarryTheImage)
{
    const int width = 5, height = 3;
    std::vector<std::uint8_t> pixels(width * height);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint8_t>(i * 17);
    const std::string png = VYXEncodePngGray(width, height, pixels.data());
    ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));

    std::string idat;
    std::vector<std::string> types;
    for (size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length = U32BE(png, at);
        ASSERT_LE(at + 12 + length, png.size());
        const std::string type = png.substr(at + 4, 4);
        types.push_back(type);
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(png.data() + at + 4), length + 4);
        EXPECT_EQ(U32BE(png, at + 8 + length), crc) << type;
        if (type == "IHDR") {
            EXPECT_EQ(U32BE(png, at + 8), 5u);
            EXPECT_EQ(U32BE(png, at + 12), 3u);
            EXPECT_EQ(png[at + 16], 8);  // bit depth
            EXPECT_EQ(png[at + 17], 0);  // greyscale
        }
        if (type == "IDAT")
            idat += png.substr(at + 8, length);
        at += 12 + length;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));

    std::vector<Bytef> raw((width + 1) * height);
    uLongf rawSize = static_cast<uLongf>(raw.size());
    ASSERT_EQ(uncompress(raw.data(), &rawSize, reinterpret_cast<const Bytef*>(idat.data()),
                         static_cast<uLong>(idat.size())),
              Z_OK);
    ASSERT_EQ(rawSize, raw.size());
    for (int y = 0; y < height; ++y) {
        EXPECT_EQ(raw[y * (width + 1)], 0);  // filter type none
        for (int x = 0; x < width; ++x)
            EXPECT_EQ(raw[y * (width + 1) + 1 + x], pixels[y * width + x]);
    }
    EXPECT_THROW(VYXEncodePngGray(0, 3, pixels.data()), VYXException);
}
