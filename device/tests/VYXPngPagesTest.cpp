// VYXPngPagesTest.cpp: page images encoded as PNG and read back by the picture decoder,
// pixel for pixel, in grey and in colour, one page after another with one encoder.
#include <gtest/gtest.h>

#include <string>

#include "device/VYXGDILinux.h"
#include "device/VYXPngPages.h"
#include "model/VYXGraphicTypes.h"
#include "platform/VYXException.h"
#include "platform/VYXImageDecode.h"

namespace {

// A page of black text at 96 dpi, with a colour patch when asked.
const TVYXBitmap& Page(TVYXGDILinux& gdi, int width, int height, bool colour)
{
    gdi.SetSize(width, height);
    gdi.Clear(0xFFFFFF);
    TVYXFontData font;
    font.Name = u"Liberation Serif";
    font.Size = 11;
    gdi.SetFont(font);
    gdi.SetTextAlign(xhtaLeft, xvtaBaseline);
    for (int y = 40; y < height - 20; y += 18)
        gdi.TextOutF(30, y, u"Antialiased grey edges on every glyph of this line of text.");
    if (colour) {
        gdi.SetBrushColor(0x2060C0);
        gdi.RectangleF(50, 50, 120, 90);
    }
    return *gdi.GetBitmap();
}

void ExpectSamePixels(const TVYXBitmap& bitmap, const std::string& png)
{
    TVYXDecodedImage back = VYXDecodeImage(png, vyifPNG);
    ASSERT_EQ(back.Width, bitmap.Width());
    ASSERT_EQ(back.Height, bitmap.Height());
    int differing = 0;
    for (int y = 0; y < back.Height; ++y)
        for (int x = 0; x < back.Width; ++x)
            differing += (back.Row(y)[x] & 0xFFFFFF) != (bitmap.Pixel(x, y) & 0xFFFFFF);
    EXPECT_EQ(differing, 0);
}

// The colour type byte of the IHDR chunk: 0 grey, 2 RGB.
int ColourType(const std::string& png) { return png.size() > 25 ? png[25] : -1; }

TEST(VYXPngPages, GreyPagesAreWrittenAsGreyAndReadBackExactly)
{
    TVYXGDILinux gdi(96);
    TVYXPngPages pages;
    const TVYXBitmap& page = Page(gdi, 500, 300, false);
    const std::string& png = pages.Encode(page);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(ColourType(png), 0);
    EXPECT_LT(png.size(), 500u * 300u / 4) << "mostly white pages compress well";
    ExpectSamePixels(page, png);
}

TEST(VYXPngPages, ColourPagesAreWrittenAsRgbAndReadBackExactly)
{
    TVYXGDILinux gdi(96);
    TVYXPngPages pages;
    const TVYXBitmap& page = Page(gdi, 400, 260, true);
    const std::string& png = pages.Encode(page);
    EXPECT_EQ(ColourType(png), 2);
    ExpectSamePixels(page, png);
}

// One encoder for a whole document: pages of other sizes and kinds in between change
// nothing in the bytes of a page.
TEST(VYXPngPages, OneEncoderServesPageAfterPage)
{
    TVYXGDILinux gdi(96);
    TVYXPngPages pages;
    const std::string first = pages.Encode(Page(gdi, 300, 200, false));
    const std::string colour = pages.Encode(Page(gdi, 640, 480, true));
    ExpectSamePixels(*gdi.GetBitmap(), colour);
    EXPECT_EQ(pages.Encode(Page(gdi, 300, 200, false)), first);
}

TEST(VYXPngPages, AnEmptyBitmapIsRefused)
{
    TVYXPngPages pages;
    EXPECT_THROW(pages.Encode(TVYXBitmap()), VYXException);
}

}  // namespace
