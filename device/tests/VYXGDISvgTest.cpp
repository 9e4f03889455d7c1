// VYXGDISvgTest.cpp: the Linux device drawing into SVG documents: pages of real documents
// painted both ways, the SVG checked by an XML parser and rasterised back to compare
// its ink with the bitmap's, tile by tile.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "device/VYXGDILinux.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXReadRTF.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPaintDoc.h"
#include "model/VYXGraphicTypes.h"
#include "platform/VYXException.h"
#include "platform/VYXImageDecode.h"

namespace fs = std::filesystem;

namespace {

bool HaveTool(const char* name)
{
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A scratch folder of its own per test, removed at the end.
struct TScratch {
    fs::path Dir;
    TScratch()
    {
        Dir = fs::temp_directory_path() /
              ("vyx-svg-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(Dir);
    }
    ~TScratch()
    {
        std::error_code ec;
        fs::remove_all(Dir, ec);
    }
};

// Darkness 0..255 of an opaque 0xAARRGGBB pixel, after compositing over white.
int Ink(std::uint32_t p)
{
    const int a = static_cast<int>(p >> 24);
    const int r = static_cast<int>((p >> 16) & 0xFF) + (255 - a);  // premultiplied: add the white behind
    const int g = static_cast<int>((p >> 8) & 0xFF) + (255 - a);
    const int b = static_cast<int>(p & 0xFF) + (255 - a);
    return 255 - std::min(255, (r * 3 + g * 6 + b) / 10);
}

// The ink of each tile of `tile` × `tile` pixels, row by row.
template <typename TPixel>
std::vector<double> TileInk(int w, int h, int tile, TPixel pixel)
{
    const int tw = (w + tile - 1) / tile, th = (h + tile - 1) / tile;
    std::vector<double> ink(static_cast<std::size_t>(tw) * th, 0.0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ink[static_cast<std::size_t>(y / tile) * tw + x / tile] += Ink(pixel(x, y));
    return ink;
}

struct TInkComparison {
    double BitmapInk = 0, SvgInk = 0;
    int InkedTiles = 0;   // tiles of the bitmap with ink worth comparing
    int MissedTiles = 0;  // such tiles with under half or over twice that ink in the SVG
};

TInkComparison CompareInk(const TVYXBitmap& bitmap, TVYXDecodedImage& svg)
{
    constexpr int cTile = 24;
    const auto a = TileInk(bitmap.Width(), bitmap.Height(), cTile, [&](int x, int y) { return bitmap.Pixel(x, y); });
    const auto b = TileInk(svg.Width, svg.Height, cTile, [&](int x, int y) { return svg.Row(y)[x]; });
    TInkComparison c;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        c.BitmapInk += a[i];
        c.SvgInk += b[i];
        if (a[i] < 255.0 * 20)  // a few stray pixels of antialiasing
            continue;
        ++c.InkedTiles;
        if (b[i] < a[i] / 2 || b[i] > a[i] * 2)
            ++c.MissedTiles;
    }
    return c;
}

// One document laid out and painted page by page like `vyx render` does.
struct TPainted {
    TVYXGDILinux Gdi{96};
    TVYXLogDocEditor Doc;
    std::unique_ptr<TVYXPaginatorDoc> Layout;
    std::unique_ptr<TVYXPaintDoc> Paint;

    void Load(const fs::path& file)
    {
        if (file.extension() == ".rtf")
            TVYXReadRTF(Doc).LoadFromFile(file.string());
        else
            TVYXReadDOCX(Doc).LoadFromFile(file.string());
        Layout = std::make_unique<TVYXPaginatorDoc>(Gdi, Doc);
        Layout->Paginate();
        Paint = std::make_unique<TVYXPaintDoc>(Gdi, Doc, *Layout);
        Paint->Options.Printing = true;
        Paint->Options.ShowMarkers = false;
        Paint->Options.ShowMisspelled = false;
    }
    std::pair<int, int> Size(int page) const
    {
        const TVYXPhyPage& p = Layout->Pages().GetItems(page);
        return {static_cast<int>(std::ceil(p.PageWidth)), static_cast<int>(std::ceil(p.PageHeight))};
    }
    void PaintBitmap(int page)
    {
        const auto [w, h] = Size(page);
        Gdi.SetSize(w, h);
        Gdi.Clear(0xFFFFFF);
        Paint->PaintPage(page, 0, 0);
    }
    std::string PaintSvg(int page)
    {
        const auto [w, h] = Size(page);
        Gdi.BeginSVG(w, h);
        Gdi.Clear(0xFFFFFF);
        Paint->PaintPage(page, 0, 0);
        return Gdi.EndSVG();
    }
};

TEST(VYXGDISvg, DrawsIntoTheDocumentAndLeavesTheBitmapAlone)
{
    TVYXGDILinux gdi(96);
    gdi.SetSize(100, 60);
    gdi.Clear(0xFFFFFF);
    gdi.BeginSVG(200, 120);
    EXPECT_TRUE(gdi.DrawingSVG());
    EXPECT_EQ(gdi.Width(), 200);
    gdi.SetSize(10, 10);  // ignored while the document is open
    EXPECT_EQ(gdi.Width(), 200);
    gdi.SetBrushColor(0xFF0000);
    gdi.RectangleF(10, 10, 50, 40);
    TVYXFontData font;
    font.Name = u"Liberation Sans";
    font.Size = 12;
    gdi.SetFont(font);
    gdi.SetTextAlign(xhtaLeft, xvtaBaseline);
    gdi.TextOutF(10, 80, u"Glyphs");
    const std::string svg = gdi.EndSVG();
    EXPECT_FALSE(gdi.DrawingSVG());
    EXPECT_EQ(gdi.Width(), 100);
    EXPECT_NE(svg.find("width=\"200px\""), std::string::npos) << svg.substr(0, 300);
    EXPECT_NE(svg.find("rgb(100%,0%,0%)"), std::string::npos);
    EXPECT_NE(svg.find("<symbol"), std::string::npos) << "text is drawn as glyph outlines";
    // The bitmap saw none of it, and takes the drawing again afterwards.
    const TVYXBitmap& bmp = *gdi.GetBitmap();
    EXPECT_EQ(bmp.Width(), 100);
    EXPECT_EQ(bmp.Pixel(20, 20) & 0xFFFFFF, 0xFFFFFFu);
    gdi.RectangleF(10, 10, 50, 40);
    EXPECT_EQ(gdi.GetBitmap()->Pixel(20, 20) & 0xFFFFFF, 0xFF0000u);
}

TEST(VYXGDISvg, UnbalancedCallsRaise)
{
    TVYXGDILinux gdi(96);
    EXPECT_THROW(gdi.EndSVG(), VYXException);
    gdi.BeginSVG(10, 10);
    EXPECT_THROW(gdi.BeginSVG(10, 10), VYXException);
    EXPECT_NO_THROW(gdi.EndSVG());
    // A device dropped with a document open frees it.
    TVYXGDILinux open(96);
    open.BeginSVG(10, 10);
}

// Real documents with tables, pictures, lists and notes: the SVG parses, and rasterised
// it carries the bitmap's ink in the same places.
TEST(VYXGDISvg, CorpusPagesMatchTheBitmapInk)
{
    const fs::path corpus = fs::path(VYX_SHARED_DIR) / "corpus";
    if (!fs::exists(corpus / "MANIFEST.tsv"))
        GTEST_SKIP() << "no shared corpus";
    if (!HaveTool("xmllint") || !HaveTool("rsvg-convert"))
        GTEST_SKIP() << "xmllint or rsvg-convert missing (scripts/deps.sh installs them)";
    TScratch scratch;
    const std::vector<fs::path> files = {
        fs::path(VYX_SOURCE_DIR) / "examples" / "report.rtf",
        corpus / "docx" / "docx4j-sample-docx.docx",
        corpus / "docx" / "docx4j-tables.docx",
        corpus / "docx" / "mammoth-text-box.docx",
        corpus / "docx" / "docxcompose-aatmay.docx",
    };
    int pages = 0;
    for (const fs::path& file : files) {
        if (!fs::exists(file))
            continue;
        SCOPED_TRACE(file.filename().string());
        TPainted doc;
        doc.Load(file);
        const int count = std::min(2, doc.Layout->Pages().Count());
        for (int page = 0; page < count; ++page) {
            SCOPED_TRACE(page);
            const std::string svg = doc.PaintSvg(page);
            doc.PaintBitmap(page);
            const fs::path svgFile = scratch.Dir / "page.svg", pngFile = scratch.Dir / "page.png";
            {
                std::ofstream out(svgFile, std::ios::binary);
                out << svg;
            }
            ASSERT_EQ(std::system(("xmllint --noout '" + svgFile.string() + "'").c_str()), 0);
            ASSERT_EQ(std::system(("rsvg-convert '" + svgFile.string() + "' -o '" + pngFile.string() + "'").c_str()), 0);
            TVYXDecodedImage back = VYXDecodeImage(ReadBytes(pngFile), vyifPNG);
            const TVYXBitmap& bitmap = *doc.Gdi.GetBitmap();
            ASSERT_EQ(back.Width, bitmap.Width());
            ASSERT_EQ(back.Height, bitmap.Height());
            const TInkComparison ink = CompareInk(bitmap, back);
            ASSERT_GT(ink.BitmapInk, 0);
            // Antialiasing differs between the two rasterisers, the shapes do not.
            EXPECT_NEAR(ink.SvgInk / ink.BitmapInk, 1.0, 0.1);
            EXPECT_LE(ink.MissedTiles, ink.InkedTiles / 50) << ink.MissedTiles << " of " << ink.InkedTiles;
            ++pages;
        }
    }
    EXPECT_GE(pages, 2);
}

// A picture goes into the document as embedded image data, not as a link.
TEST(VYXGDISvg, PicturesAreEmbedded)
{
    TPainted doc;
    doc.Load(fs::path(VYX_SOURCE_DIR) / "examples" / "report.rtf");
    const std::string svg = doc.PaintSvg(0);
    EXPECT_NE(svg.find("data:image/png;base64,"), std::string::npos);
}

}  // namespace
