// VYXGDILinuxTest.cpp: the Linux device checked by reading its pixels back.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "device/VYXGDILinux.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXPictureDecode.h"
#include "model/VYXPresetShapes.h"
#include "model/VYXVmlShapes.h"
#include "platform/VYXErrors.h"
#include "platform/VYXStream.h"

namespace {

constexpr std::uint32_t cWhite = 0xFFFFFF;
constexpr std::uint32_t cBlack = 0x000000;

struct TInk {
    int Left = -1, Right = -1, Top = -1, Bottom = -1;  // inclusive; -1 when nothing is inked
    int Count = 0;
};

// Pixels darker than mid grey.
TInk FindInk(const TVYXBitmap& bmp)
{
    TInk ink;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x) {
            if ((bmp.PixelRGB(x, y) & 0xFF) >= 0x80)
                continue;
            ++ink.Count;
            if (ink.Left < 0 || x < ink.Left)
                ink.Left = x;
            ink.Right = std::max(ink.Right, x);
            if (ink.Top < 0)
                ink.Top = y;
            ink.Bottom = y;
        }
    return ink;
}

TVYXFontData Font(const char16_t* name, double size, bool bold = false)
{
    TVYXFontData f;
    f.Name = name;
    f.Size = size;
    f.Bold = bold;
    return f;
}

TEST(GDILinux, ResolutionAndZoom)
{
    TVYXGDILinux screen(96);
    EXPECT_EQ(screen.PixelsPerInchX(), 96);
    EXPECT_DOUBLE_EQ(screen.PtToPixXF(72), 96.0);
    EXPECT_DOUBLE_EQ(screen.PixToPtX(96), 72.0);
    TVYXGDILinux zoomed(96, 2.0);
    EXPECT_EQ(zoomed.PixelsPerInchX(), 192);
    EXPECT_EQ(zoomed.PixelsPerInchY(), 192);
    EXPECT_EQ(zoomed.PtToPixX(72), 192);
    zoomed.SetZoom(1.5);
    EXPECT_EQ(zoomed.PixelsPerInchX(), 144);
}

TEST(GDILinux, LineHorizIsPixelExact)
{
    const struct {
        int X1, X2, Y, Thickness;
        int Left, Right, Top, Bottom;  // expected inked box, inclusive
    } cases[] = {
        {5, 14, 7, 1, 5, 14, 7, 7},   // one row from x1 to x2 inclusive
        {5, 14, 7, 0, 5, 14, 7, 7},
        {5, 14, 7, 3, 5, 13, 7, 9},   // the rectangle x1..x2, y..y+thickness
        {0, 49, 0, 1, 0, 49, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Thickness);
        TVYXGDILinux gdi;
        gdi.SetSize(50, 20);
        gdi.SetPaintColor(cBlack);
        gdi.SetPenWidthF(3);  // a one-pixel line whatever the pen
        gdi.LineHoriz(c.X1, c.X2, c.Y, c.Thickness);
        const TVYXBitmap& bmp = *gdi.GetBitmap();
        const TInk ink = FindInk(bmp);
        EXPECT_EQ(ink.Left, c.Left);
        EXPECT_EQ(ink.Right, c.Right);
        EXPECT_EQ(ink.Top, c.Top);
        EXPECT_EQ(ink.Bottom, c.Bottom);
        EXPECT_EQ(ink.Count, (c.Right - c.Left + 1) * (c.Bottom - c.Top + 1));  // solid, no grey edges
        EXPECT_EQ(bmp.PixelRGB(c.Left, c.Top), cBlack);
        EXPECT_EQ(gdi.GetPenWidthF(), 3);
    }
    TVYXGDILinux gdi;
    gdi.SetSize(20, 20);
    gdi.LineVert(2, 11, 4, 1);
    const TInk ink = FindInk(*gdi.GetBitmap());
    EXPECT_EQ(ink.Left, 4);
    EXPECT_EQ(ink.Right, 4);
    EXPECT_EQ(ink.Top, 2);
    EXPECT_EQ(ink.Bottom, 11);
    EXPECT_EQ(ink.Count, 10);
}

TEST(GDILinux, StyledLineKeepsRhythmAcrossPieces)
{
    auto row = [](TVYXGDILinux& gdi) {
        std::string s;
        const TVYXBitmap& bmp = *gdi.GetBitmap();
        for (int x = 0; x < bmp.Width(); ++x)
            s += bmp.PixelRGB(x, 1) == cBlack ? '#' : '.';
        return s;
    };
    const std::vector<int> pattern = {3, 2};
    TVYXGDILinux whole;
    whole.SetSize(20, 3);
    whole.SetPaintColor(cBlack);
    whole.LineHorizStyled(0, 20, 0, pattern, 2);
    TVYXGDILinux pieces;
    pieces.SetSize(20, 3);
    pieces.SetPaintColor(cBlack);
    pieces.LineHorizStyled(0, 10, 0, pattern, 2);
    pieces.LineHorizStyled(10, 20, 0, pattern, 2);
    EXPECT_EQ(row(whole), "###..###..###..###..");
    EXPECT_EQ(row(pieces), row(whole));
    pieces.LineHorizStyled(0, 4, 2, pattern, 1);  // phase 0 again: 20 px is whole periods
    pieces.Reset();
    EXPECT_EQ(pieces.DashPhase(), 0);
}

TEST(GDILinux, FontSubstitutionForCommonFamilies)
{
    const struct {
        const char* Requested;
        const char* Family;
    } cases[] = {
        {"Arial", "Liberation Sans"},      {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"}, {"Calibri", "Carlito"},
        {"Cambria", "Caladea"},            {"TIMES NEW ROMAN", "Liberation Serif"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Requested);
        for (bool bold : {false, true}) {
            const TVYXFontMatch m = VYXResolveFont(c.Requested, bold, !bold);
            EXPECT_EQ(m.Family, c.Family);
            EXPECT_TRUE(m.Substituted);
            EXPECT_TRUE(std::filesystem::exists(m.File)) << m.File;
        }
    }
    const TVYXFontMatch same = VYXResolveFont("Liberation Sans");
    EXPECT_FALSE(same.Substituted);
    const TVYXFontMatch unknown = VYXResolveFont("No Such Family 123");
    EXPECT_TRUE(unknown.Substituted);
    EXPECT_FALSE(unknown.File.empty());
    const std::string listing = VYXFontSubstitutionListing();
    EXPECT_NE(listing.find("Arial -> Liberation Sans ("), std::string::npos);
    EXPECT_NE(listing.find("Cambria -> Caladea ("), std::string::npos);
}

TEST(GDILinux, MetricsFollowTheScalingRule)
{
    TVYXGDILinux gdi(96);
    gdi.SetFont(Font(u"Arial", 12));  // 16 px em
    EXPECT_EQ(gdi.CurrentFontMatch().Family, "Liberation Sans");
    // Advances of the metric-compatible face: H 1479, e 1139, l 455, o 1139 per 2048.
    EXPECT_NEAR(gdi.TextWidthF(u"Hello"), (1479 + 1139 + 455 + 455 + 1139) / 2048.0 * 16, 1e-4);
    gdi.GetTextMetric();
    const TVYXTextMetric& m = gdi.TextMetric();
    EXPECT_NEAR(m.Ascent, 1854 / 2048.0 * 16, 1e-6);  // the Windows ascent and descent
    EXPECT_NEAR(m.Descent, 434 / 2048.0 * 16, 1e-6);
    EXPECT_NEAR(m.CellHeight, m.Ascent + m.Descent, 1e-9);
    EXPECT_GE(m.LineHeight, m.CellHeight);
    EXPECT_GE(m.ULThickness, 1);
    EXPECT_GT(m.ULPos, 0);
    // Doubling the resolution doubles every length.
    TVYXGDILinux zoomed(96, 2.0);
    zoomed.SetFont(Font(u"Arial", 12));
    EXPECT_NEAR(zoomed.TextWidthF(u"Hello"), 2 * gdi.TextWidthF(u"Hello"), 1e-9);
    TVYXGDILinux italic;
    TVYXFontData f = Font(u"Times New Roman", 10);
    f.Italic = true;
    italic.SetFont(f);
    italic.GetTextMetric();
    EXPECT_GT(italic.TextMetric().ItalicSlant, 0.1);
    const double size = gdi.FitFontSize(u"Caption text", 200);
    gdi.SetFont(Font(u"Arial", size));
    EXPECT_LE(gdi.TextWidthF(u"Caption text"), 200);
    EXPECT_GE(gdi.TextWidthF(u"Caption text"), 170);
}

TEST(GDILinux, DrawnWidthMatchesMeasuredWidth)
{
    const struct {
        const char16_t* Face;
        const char16_t* Text;
    } cases[] = {
        {u"Arial", u"Hamburgefonstiv HHH"},
        {u"Times New Roman", u"Quick brown fox, jumping"},
        {u"Calibri", u"Text with \u2019curly\u2019 quotes"},  // beyond 256: shaped
        {u"Arial", u"\u041F\u0440\u0438\u0432\u0435\u0442 \u043C\u0438\u0440"},
        {u"Arial", u"Kings \u2654\u2655 for all \u2200x"},         // fallback faces inside the text
        {u"Cambria", u"Greek \u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1"},  // the face has no Greek
        {u"OpenSymbol", u"Latin text in a symbol face"},          // falls back inside the cached range
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::u16string_view(c.Face).size());
        const std::u16string text = c.Text;
        const std::size_t cut = text.size() / 2;
        const std::u16string_view head = std::u16string_view(text).substr(0, cut);
        const std::u16string_view tail = std::u16string_view(text).substr(cut);
        TVYXGDILinux once;
        once.SetSize(400, 40);
        once.SetFont(Font(c.Face, 14));
        const double x = 10.25;
        once.TextOutF(x, 5, text);
        // Drawing the halves where the measure puts them gives the same picture.
        TVYXGDILinux halves;
        halves.SetSize(400, 40);
        halves.SetFont(Font(c.Face, 14));
        halves.TextOutF(x, 5, head);
        halves.TextOutF(x + halves.TextWidthF(head), 5, tail);
        const TVYXBitmap& a = *once.GetBitmap();
        const TVYXBitmap& b = *halves.GetBitmap();
        int differing = 0;
        for (int yy = 0; yy < a.Height(); ++yy)
            for (int xx = 0; xx < a.Width(); ++xx) {
                const int da = int(a.PixelRGB(xx, yy) & 0xFF) - int(b.PixelRGB(xx, yy) & 0xFF);
                differing += std::abs(da) > 40;
            }
        EXPECT_LE(differing, 3);
        // The ink ends within the measured advance (plus the last glyph's overhang).
        const TInk ink = FindInk(a);
        const double width = once.TextWidthF(text);
        EXPECT_GE(ink.Left, int(x) - 1);
        EXPECT_LE(ink.Right, int(std::ceil(x + width)) + 1);
        EXPECT_GE(ink.Right, int(x + width) - 4);
    }
}

TEST(GDILinux, JustificationSpreadsTheSpaces)
{
    TVYXGDILinux gdi;
    gdi.SetSize(300, 30);
    gdi.SetFont(Font(u"Arial", 12));
    const double plain = gdi.TextWidthF(u"ab cd ef");
    EXPECT_DOUBLE_EQ(gdi.SetTextJustificationF(40, 2), 20);
    EXPECT_DOUBLE_EQ(gdi.TextWidthF(u"ab cd ef"), plain + 40);
    gdi.TextOutF(0, 0, u"ab cd ef");
    const TInk ink = FindInk(*gdi.GetBitmap());
    EXPECT_NEAR(ink.Right, plain + 40, 3);
    EXPECT_DOUBLE_EQ(gdi.TextWidthF(u"ab cd ef"), plain);  // both spaces were used up
}

TEST(GDILinux, ClipRotationOpacityAndXor)
{
    TVYXGDILinux gdi;
    gdi.SetSize(40, 40);
    gdi.SetPaintColor(cBlack);
    {
        TVYXClipScope clip(gdi, 10, 10, 20, 20);
        gdi.RectangleF(0, 0, 40, 40);
    }
    TInk ink = FindInk(*gdi.GetBitmap());
    EXPECT_EQ(ink.Left, 10);
    EXPECT_EQ(ink.Right, 19);
    EXPECT_EQ(ink.Count, 100);

    TVYXGDILinux rot;
    rot.SetSize(40, 40);
    rot.SetPaintColor(cBlack);
    {
        TVYXMatrixScope matrix(rot);
        const TVYXGrEditCoords box{10, 15, 30, 25};
        rot.RotateMatrix(box, 90);
        rot.RectangleF(10, 15, 30, 25);
    }
    ink = FindInk(*rot.GetBitmap());
    EXPECT_EQ(ink.Left, 15);
    EXPECT_EQ(ink.Right, 24);
    EXPECT_EQ(ink.Top, 10);
    EXPECT_EQ(ink.Bottom, 29);
    rot.RectangleF(0, 0, 2, 2);  // the matrix is back to normal
    EXPECT_EQ(rot.GetBitmap()->PixelRGB(0, 0), cBlack);

    TVYXGDILinux alpha;
    alpha.SetSize(4, 4);
    alpha.SetOpacity(128);
    alpha.SetPaintColor(cBlack);
    alpha.RectangleF(0, 0, 4, 4);
    EXPECT_NEAR(int(alpha.GetBitmap()->PixelRGB(1, 1) & 0xFF), 127, 2);

    // Drawing twice in exclusive-or mode restores the target (caret blinking).
    TVYXGDILinux caret;
    caret.SetSize(10, 10);
    caret.SetXorMode(true);
    caret.RectangleF(2, 0, 4, 10);
    EXPECT_EQ(caret.GetBitmap()->PixelRGB(3, 5), cBlack);
    caret.RectangleF(2, 0, 4, 10);
    EXPECT_EQ(caret.GetBitmap()->PixelRGB(3, 5), cWhite);
}

TEST(GDILinux, PicturesShapesAndPng)
{
    TVYXBitmap bmp(2, 1);
    bmp.Row(0)[0] = 0xFFFF0000;
    bmp.Row(0)[1] = 0xFF0000FF;
    TVYXGDILinux gdi;
    gdi.SetSize(100, 60);
    gdi.DrawF(0, 0, 40, 20, bmp);  // stretched into the box
    EXPECT_EQ(gdi.GetBitmap()->PixelRGB(5, 10), 0xFF0000u);
    EXPECT_EQ(gdi.GetBitmap()->PixelRGB(35, 10), 0x0000FFu);
    EXPECT_EQ(gdi.GetBitmap()->PixelRGB(5, 25), cWhite);

    TVYXShapeTypes types;
    TVYXGraphicShape ellipse(types.Add("ellipse"));
    ellipse.FillColor = 0x00FF00;
    ellipse.StrokeColor = cBlack;
    gdi.DrawShape(50, 0, 40, 40, ellipse, false);
    EXPECT_EQ(gdi.GetBitmap()->PixelRGB(70, 20), 0x00FF00u);  // filled centre
    EXPECT_EQ(gdi.GetBitmap()->PixelRGB(51, 1), cWhite);      // outside the curve
    EXPECT_LT(gdi.GetBitmap()->PixelRGB(70, 0) & 0xFF, 0x40u);  // the outline at the top

    // A fill picture shows through the outline.
    auto canvas = std::make_unique<TVYXGraphicBMPCanvas>(1, 1);
    canvas->Bitmap()->Row(0)[0] = 0xFFFF0000;
    TVYXPictures store;
    TVYXGraphicShape filled(types.Add("triangle"));
    filled.SetPicture(&store.AddPicture(std::move(canvas)));
    filled.Stroked = false;
    gdi.DrawShape(0, 20, 40, 40, filled, false);
    EXPECT_EQ(gdi.GetBitmap()->PixelRGB(20, 50), 0xFF0000u);
    EXPECT_EQ(gdi.GetBitmap()->PixelRGB(2, 22), cWhite);

    // Copy a region into another device.
    TVYXGDILinux copy;
    copy.SetSize(20, 20);
    copy.BitBlt(0, 0, gdi.Handle(), 60, 10, 20, 20);
    EXPECT_EQ(copy.GetBitmap()->PixelRGB(10, 10), 0x00FF00u);

    const std::string file = testing::TempDir() + "/vyx-device-test.png";
    gdi.SavePNG(file);
    auto back = VYXDecodePicture(VYXReadFile(file), aptPNG);
    EXPECT_EQ(back->Width(), 100);
    EXPECT_EQ(back->PixelRGB(35, 10), 0x0000FFu);
    std::filesystem::remove(file);
    EXPECT_THROW(gdi.SavePNG("/nonexistent-dir/x.png"), VYXException);
}

TEST(GDILinux, TextAlignmentBackgroundAndStrikeOut)
{
    const struct {
        TXGDIHorizTextAlign H;
        TXGDIVertTextAlign V;
        const char* Name;
    } cases[] = {
        {xhtaLeft, xvtaTop, "left top"},          {xhtaCenter, xvtaBaseline, "centre baseline"},
        {xhtaRight, xvtaBottom, "right bottom"},  {xhtaDefault, xvtaDefault, "defaults"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVYXGDILinux gdi;
        gdi.SetSize(200, 80);
        gdi.SetFont(Font(u"Arial", 20));
        gdi.GetTextMetric();
        const TVYXTextMetric m = gdi.TextMetric();
        const double w = gdi.TextWidthF(u"HH");
        gdi.SetTextAlign(c.H, c.V);
        gdi.TextOutF(100, 40, u"HH");
        const TInk ink = FindInk(*gdi.GetBitmap());
        const double left = c.H == xhtaCenter ? 100 - w / 2 : c.H == xhtaRight ? 100 - w : 100;
        const double baseline = c.V == xvtaBaseline ? 40 : c.V == xvtaBottom ? 40 - m.Descent : 40 + m.Ascent;
        EXPECT_NEAR(ink.Left, left + 0.08 * 26.67, 2.5);  // H's left side bearing
        EXPECT_NEAR(ink.Bottom + 1, baseline, 1);          // H sits on the baseline
    }
    // An opaque background fills the text cell with the brush; strike-out crosses the x-height.
    TVYXGDILinux gdi;
    gdi.SetSize(100, 40);
    TVYXFontData f = Font(u"Arial", 12);
    f.StrikeOut = true;
    gdi.SetFont(f);
    gdi.SetTransparentMode(false);
    gdi.SetBrushColor(0xFFFF00);
    gdi.TextOutF(10, 10, u"    ");
    gdi.GetTextMetric();
    EXPECT_EQ(gdi.GetBitmap()->PixelRGB(12, 11), 0xFFFF00u);
    EXPECT_EQ(gdi.GetBitmap()->PixelRGB(12, 10 + int(gdi.TextMetric().CellHeight) + 1), cWhite);
    const int strikeY = 10 + int(gdi.TextMetric().Ascent - 0.26 * 16);
    EXPECT_EQ(gdi.GetBitmap()->PixelRGB(20, strikeY) & 0xFF, 0u);  // spaces alone show only the strike line
}

TEST(GDILinux, GraphicObjectsAtTheirSize)
{
    TVYXGDILinux gdi;
    gdi.SetSize(200, 100);
    TVYXPictures store;
    auto canvas = std::make_unique<TVYXGraphicBMPCanvas>(2, 2);
    canvas->Bitmap()->Row(0)[0] = 0xFFFF0000;
    TVYXPicture& pic = store.AddPicture(std::move(canvas));
    TVYXGraphicPicture obj(&pic);  // 2 px at 96 dpi = 1.5 pt
    obj.Width = 30;                 // 40 px
    obj.Height = 30;
    gdi.DrawF(0, 0, obj);
    EXPECT_EQ(gdi.GetBitmap()->PixelRGB(5, 5), 0xFF0000u);
    EXPECT_EQ(gdi.GetBitmap()->PixelRGB(35, 35), cWhite);
    obj.FlipX = true;
    gdi.DrawF(50, 0, obj);
    EXPECT_EQ(gdi.GetBitmap()->PixelRGB(85, 5), 0xFF0000u);  // the red corner moved to the right

    TVYXGraphicEllipse ellipse;
    ellipse.Width = 30;
    ellipse.Height = 15;
    ellipse.FillColor = 0x0000FF;
    ellipse.SetAngle(90);  // now 20 px wide and 40 px high about the same centre
    gdi.DrawF(100, 40, ellipse);
    EXPECT_EQ(gdi.GetBitmap()->PixelRGB(120, 50), 0x0000FFu);
    EXPECT_EQ(gdi.GetBitmap()->PixelRGB(103, 50), cWhite);

    // A picture kept only as bytes shows a crossed frame.
    TVYXMemoryStream wmf(VYXReadFile(std::string(VYX_SOURCE_DIR) + "/model/tests/data/poi-drawing-image1.wmf"));
    TVYXGraphicPicture meta(&store.AddPicture(wmf));
    gdi.DrawF(150, 50, meta);
    EXPECT_LT(gdi.GetBitmap()->PixelRGB(150, 70) & 0xFF, 0xC0u);  // its left edge

    // Printing keeps the target's size.
    gdi.BeginPrint(0);
    gdi.SetSize(10, 10);
    EXPECT_EQ(gdi.GetBitmap()->Width(), 200);
    gdi.EndPrint();
    gdi.SetSize(10, 10);
    EXPECT_EQ(gdi.GetBitmap()->Width(), 10);
    // Copying from outside the source copies only what exists.
    gdi.BitBlt(0, 0, gdi.Handle(), -5, -5, 100, 100);
    gdi.BitBlt(0, 0, 0, 0, 0, 5, 5);
}

// Ink of a bitmap as per-row flags along one column or one row.
std::string InkRuns(const TVYXBitmap& bmp, int fixed, bool column)
{
    std::string out;
    const int n = column ? bmp.Height() : bmp.Width();
    for (int i = 0; i < n; ++i) {
        const std::uint32_t px = column ? bmp.PixelRGB(fixed, i) : bmp.PixelRGB(i, fixed);
        out += (px & 0xFF) < 0x80 ? '#' : '.';
    }
    return out;
}

int CountRuns(const std::string& ink)
{
    int runs = 0;
    for (std::size_t i = 0; i < ink.size(); ++i)
        runs += ink[i] == '#' && (i == 0 || ink[i - 1] != '#');
    return runs;
}

TEST(GDILinux, FallbackFacesShowMissingCharacters)
{
    // The metric-compatible face has no chess pieces; another installed face does.
    const TVYXFontMatch fb = VYXFallbackFont("Arial", false, false, 0x2654);
    ASSERT_FALSE(fb.File.empty());
    EXPECT_NE(fb.Family, "Liberation Sans");
    const struct {
        const char16_t* Face;
        const char16_t* Text;
    } cases[] = {
        {u"Arial", u"\u2654"},
        {u"Cambria", u"\u03A9"},
        {u"Times New Roman", u"\u2603"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::u16string_view(c.Face).size());
        auto inked = [&](int count, double& width) {
            TVYXGDILinux gdi;
            gdi.SetSize(300, 60);
            gdi.SetFont(Font(c.Face, 24));
            std::u16string text;
            for (int i = 0; i < count; ++i)
                text += c.Text;
            width = gdi.TextWidthF(text);
            gdi.TextOutF(20, 10, text);
            return FindInk(*gdi.GetBitmap());
        };
        double w = 0, w4 = 0;
        const TInk one = inked(1, w);
        const TInk four = inked(4, w4);
        EXPECT_GT(w, 5);
        ASSERT_GT(one.Count, 20);
        EXPECT_NEAR(w4, 4 * w, 1e-6);
        // Three more advances as measured move the ink's right end by as much.
        EXPECT_NEAR(four.Right - one.Right, 3 * w, 1.5);
        EXPECT_EQ(four.Left, one.Left);
        EXPECT_GE(one.Left, 19);
        EXPECT_LE(one.Right, int(std::ceil(20 + w)) + 1);
        EXPECT_GT(one.Right - one.Left + 1, w * 0.5);
        TVYXGDILinux gdi;
        gdi.SetFont(Font(c.Face, 24));
        // The fallback face measures as that face does by itself.
        const std::u16string withLatin = std::u16string(u"ab") + c.Text;
        const double ab = gdi.TextWidthF(u"ab");
        EXPECT_NEAR(gdi.TextWidthF(withLatin), ab + w, 1e-6);
    }
    // A character no installed face has still measures (the face's own missing-glyph box).
    TVYXGDILinux gdi;
    gdi.SetFont(Font(u"Arial", 12));
    EXPECT_GT(gdi.TextWidthF(u"\u4E2D"), 0);
    EXPECT_TRUE(VYXFallbackFont("Arial", false, false, 0x4E2D).File.empty() ||
                gdi.TextWidthF(u"\u4E2D") > 0);
}

// Text in many scripts loads a fallback face each; past the limit they are forgotten
// and loaded again, and widths stay what they were.
TEST(GDILinux, FallbackCacheIsBounded)
{
    const std::u16string texts[] = {u"\u03A9\u03B1", u"\u2654\u2655", u"\u2603", u"\u0905\u0906",
                                    u"\u05D0\u05D1", u"\u0E01\u0E02", u"\u10D0\u10D1", u"\u4E2D\u6587"};
    TVYXGDILinux unbounded;
    unbounded.SetFont(Font(u"Cambria", 12));
    std::vector<double> widths;
    for (const auto& t : texts)
        widths.push_back(unbounded.TextWidthF(t));
    const int fallbacks = unbounded.LoadedFaceCount() - 1;
    if (fallbacks < 2)
        GTEST_SKIP() << "fewer than two fallback faces installed";
    TVYXGDILinux gdi;
    gdi.SetFallbackFaceLimit(1);
    gdi.SetFont(Font(u"Cambria", 12));
    for (int round = 0; round < 2; ++round)
        for (std::size_t i = 0; i < std::size(texts); ++i) {
            SCOPED_TRACE(i);
            EXPECT_DOUBLE_EQ(gdi.TextWidthF(texts[i]), widths[i]);
            // The set font, at most two kept from before (trimmed before the next
            // text) and what this text loaded (a text of two characters: one or two).
            EXPECT_LE(gdi.LoadedFaceCount(), 5);
        }
    if (fallbacks > 4) {
        EXPECT_LT(gdi.LoadedFaceCount(), unbounded.LoadedFaceCount());
    }
    // Latin text in the cached range never touches the fallbacks.
    EXPECT_DOUBLE_EQ(gdi.TextWidthF(u"Latin"), unbounded.TextWidthF(u"Latin"));
}

TEST(GDILinux, SyntheticBoldAndItalic)
{
    // A family with one upright regular face: bold and italic are made from it.
    const char16_t* plainFamily = u"DejaVu Math TeX Gyre";
    const TVYXFontMatch bold = VYXResolveFont("DejaVu Math TeX Gyre", true, true);
    ASSERT_EQ(bold.Family, "DejaVu Math TeX Gyre");  // installed by scripts/deps.sh
    EXPECT_TRUE(bold.SyntheticBold);
    EXPECT_TRUE(bold.SyntheticItalic);
    EXPECT_FALSE(VYXResolveFont("Arial", true, true).SyntheticBold);  // a real bold italic face
    EXPECT_FALSE(VYXResolveFont("Arial", true, true).SyntheticItalic);

    auto draw = [&](bool isBold, bool isItalic, TInk& ink) {
        TVYXGDILinux gdi;
        gdi.SetSize(300, 60);
        TVYXFontData f = Font(plainFamily, 24, isBold);  // 32 px em
        f.Italic = isItalic;
        gdi.SetFont(f);
        gdi.TextOutF(10, 5, u"HIIH");
        ink = FindInk(*gdi.GetBitmap());
        gdi.GetTextMetric();
        return std::pair{gdi.TextWidthF(u"HIIH"), gdi.TextMetric().ItalicSlant};
    };
    TInk regularInk, boldInk, italicInk;
    const auto [regular, regularSlant] = draw(false, false, regularInk);
    const auto [emboldened, boldSlant] = draw(true, false, boldInk);
    const auto [slanted, italicSlant] = draw(false, true, italicInk);
    // Every glyph advances 1/24 em more, and the strokes are thicker.
    EXPECT_NEAR(emboldened - regular, 4 * 32 / 24.0, 1e-6);
    EXPECT_GT(boldInk.Count, regularInk.Count * 1.15);
    EXPECT_GE(boldInk.Right - boldInk.Left, regularInk.Right - regularInk.Left + 3);
    EXPECT_LE(boldInk.Right, int(std::ceil(10 + emboldened)) + 1);
    // The slant is reported and drawn: the tops of the letters lean right.
    EXPECT_DOUBLE_EQ(slanted, regular);
    EXPECT_EQ(regularSlant, 0);
    EXPECT_NEAR(italicSlant, 0.2126, 1e-4);
    EXPECT_GT(italicInk.Right, regularInk.Right + 3);
    EXPECT_EQ(boldSlant, 0);
}

// A legacy line shape across the middle of its box.
TVYXShapeType& LineType(TVYXShapeTypes& types)
{
    TVYXVmlShapeDef def;
    def.Id = "_line";
    def.Path = "m0,10800l21600,10800e";
    return types.Add(def);
}

TEST(GDILinux, ArrowHeadsOnOpenEnds)
{
    // A 3 pt (4 px) line from x 40 to 160 at y 40; heads are counted in stroke widths.
    const struct {
        TVYXGraphicArrowHead Head;
        TVYXGraphicArrowLength Length;
        TVYXGraphicArrowWidth Width;
        double Beyond;      // ink past the line's end (centred heads)
        double HalfAcross;  // half the head's width: ink that far above the line near the end
    } cases[] = {
        {agahBlock, agalMedium, agawMedium, 0, 6},  {agahClassic, agalMedium, agawMedium, 0, 6},
        {agahOpen, agalMedium, agawMedium, 0, 6},   {agahDiamond, agalMedium, agawMedium, 6, 6},
        {agahOval, agalMedium, agawMedium, 6, 6},   {agahBlock, agalLong, agawWide, 0, 10},
        {agahBlock, agalShort, agawNarrow, 0, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.Head) * 100 + int(c.Length) * 10 + int(c.Width));
        TVYXShapeTypes types;
        TVYXGraphicShape line(&LineType(types));
        line.Filled = false;
        line.StrokeWeight = 3;
        line.EndArrow = std::make_unique<TVYXGraphicArrow>();
        line.EndArrow->Head = c.Head;
        line.EndArrow->Length = c.Length;
        line.EndArrow->Width = c.Width;
        TVYXGDILinux gdi;
        gdi.SetSize(200, 80);
        gdi.DrawShape(40, 30, 120, 20, line, false);
        const TVYXBitmap& bmp = *gdi.GetBitmap();
        const std::string row = InkRuns(bmp, 40, false);
        EXPECT_EQ(int(row.find('#')), 40);  // no head at the start
        EXPECT_NEAR(int(row.rfind('#')), 159 + c.Beyond, 1.5);
        // Near the end the head is wider than the line; in the middle it is not.
        const double len = (c.Length == agalShort ? 2 : c.Length == agalLong ? 5 : 3) * 4;
        const int probe = int(160 + c.Beyond - len * (c.Head == agahDiamond || c.Head == agahOval ? 0.5 : 0.85));
        const std::string across = InkRuns(bmp, probe, true);
        EXPECT_NEAR(int(across.find('#')), 40 - c.HalfAcross * 0.85, 2.5) << across;
        EXPECT_EQ(InkRuns(bmp, 100, true).find('#'), 38u);
    }
    // Both ends, on a line with a hairline stroke: heads keep a least size.
    TVYXShapeTypes types;
    TVYXGraphicShape line(&LineType(types));
    line.Filled = false;
    line.StartArrow = std::make_unique<TVYXGraphicArrow>();
    line.StartArrow->Head = agahOval;
    line.EndArrow = std::make_unique<TVYXGraphicArrow>();
    line.EndArrow->Head = agahBlock;
    TVYXGDILinux gdi;
    gdi.SetSize(200, 80);
    gdi.DrawShape(40, 30, 120, 20, line, false);
    const std::string row = InkRuns(*gdi.GetBitmap(), 40, false);
    EXPECT_LT(int(row.find('#')), 38);  // the oval reaches back past the start
    EXPECT_EQ(CountRuns(row), 1);
}

TEST(GDILinux, CompoundAndDashedOutlines)
{
    // A 6 pt (8 px) line across x 20..180 at y 40; a column through it shows the bands.
    const struct {
        TVYXGrCompoundLineStyle Style;
        int Runs;
        int FirstRun, LastRun;  // pixels inked in the outer bands
    } cases[] = {
        {agclsSingle, 1, 8, 8},
        {agclsDouble, 2, 3, 3},
        {agclsThickThin, 2, 4, 2},
        {agclsThinThick, 2, 2, 4},
        {agclsTri, 3, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.Style));
        TVYXShapeTypes types;
        TVYXGraphicShape line(&LineType(types));
        line.Filled = false;
        line.StrokeWeight = c.Style == agclsTri ? 7.5 : 6;  // tri: 10 px in five 2 px bands
        line.LineStyle = c.Style;
        TVYXGDILinux gdi;
        gdi.SetSize(200, 80);
        gdi.DrawShape(20, 30, 160, 20, line, false);
        const std::string column = InkRuns(*gdi.GetBitmap(), 100, true);
        EXPECT_EQ(CountRuns(column), c.Runs) << column;
        const std::size_t first = column.find('#');
        const std::size_t firstEnd = column.find('.', first);
        const std::size_t last = column.rfind('#');
        const std::size_t lastStart = column.rfind('.', last) + 1;
        EXPECT_NEAR(double(firstEnd - first), c.FirstRun, 1) << column;
        EXPECT_NEAR(double(last - lastStart + 1), c.LastRun, 1) << column;
    }
    // Dashes scale with the stroke: twice the weight, half as many dashes.
    auto dashes = [](double weight, TVYXGrLineDashStyle style) {
        TVYXShapeTypes types;
        TVYXGraphicShape line(&LineType(types));
        line.Filled = false;
        line.StrokeWeight = weight;
        line.LineDashStyle = style;
        TVYXGDILinux gdi;
        gdi.SetSize(400, 80);
        gdi.DrawShape(0, 30, 392, 20, line, false);
        return InkRuns(*gdi.GetBitmap(), 40, false);
    };
    const std::string thin = dashes(1.5, agldsDash);   // 2 px: dash 8, gap 6
    const std::string thick = dashes(3, agldsDash);    // 4 px: dash 16, gap 12
    EXPECT_EQ(CountRuns(thin), 28) << thin;
    EXPECT_EQ(CountRuns(thick), 14) << thick;
    EXPECT_EQ(thick.find('.'), 16u);
    EXPECT_EQ(CountRuns(dashes(1.5, agldsLongDashDotDot)), 31);  // ten periods of 38 px and a dash
    EXPECT_EQ(CountRuns(dashes(1.5, agldsSolid)), 1);
    // A closed outline takes the compound style too: a double frame round a rectangle.
    TVYXGDILinux gdi;
    gdi.SetSize(100, 100);
    TVYXGraphicRectangle rect;
    rect.Width = 60;  // 80 px
    rect.Height = 60;
    rect.Filled = false;
    rect.StrokeWeight = 6;
    rect.LineStyle = agclsDouble;
    gdi.DrawF(10, 10, rect);
    EXPECT_EQ(CountRuns(InkRuns(*gdi.GetBitmap(), 50, true)), 4);
}

void ExpectColour(std::uint32_t got, std::uint32_t want, int tolerance)
{
    for (int shift : {16, 8, 0})
        EXPECT_NEAR(int((got >> shift) & 0xFF), int((want >> shift) & 0xFF), tolerance) << std::hex << got;
}

TEST(GDILinux, PicturesCroppedFlippedAndAdjusted)
{
    // 4 x 2 pixels: red green blue white / black grey yellow cyan.
    TVYXPictures store;
    TVYXPicture& tif = store.AddPicture(std::string(VYX_SOURCE_DIR) + "/model/tests/data/rgb-4x2-100dpi.tif");
    ASSERT_NE(dynamic_cast<TVYXPictureBMP*>(&tif)->Bitmap(), nullptr);  // TIFF decodes and draws
    const struct {
        double CropLeft, CropTop, CropRight, CropBottom;
        bool FlipX;
        TVYXColor Left, Right;  // at a quarter and three quarters across the box's middle row
    } crops[] = {
        {0, 0, 0, 0, false, 0x808080, 0xFFFFFF},  // the whole picture: the box's middle row blends rows
        {0.5, 0.5, 0, 0, false, 0xFFFF00, 0x00FFFF},
        {0, 0, 0.5, 0.5, false, 0xFF0000, 0x00FF00},
        {0.5, 0.5, 0, 0, true, 0x00FFFF, 0xFFFF00},  // the cropped part mirrored
        {0.25, 0, 0.25, 0.5, false, 0x00FF00, 0x0000FF},
    };
    for (const auto& c : crops) {
        SCOPED_TRACE(c.CropLeft * 1000 + c.CropTop * 100 + c.CropRight * 10 + c.CropBottom);
        TVYXGraphicPicture pic(&tif);
        pic.Width = 30;  // 40 x 20 px
        pic.Height = 15;
        pic.CropLeft = c.CropLeft;
        pic.CropTop = c.CropTop;
        pic.CropRight = c.CropRight;
        pic.CropBottom = c.CropBottom;
        pic.FlipX = c.FlipX;
        TVYXGDILinux gdi;
        gdi.SetSize(60, 40);
        gdi.DrawF(10, 10, pic);
        const TVYXBitmap& bmp = *gdi.GetBitmap();
        if (pic.HasCrop()) {
            // Pixels are smoothed between their centres: near, not equal.
            ExpectColour(bmp.PixelRGB(20, 20), c.Left, 16);
            ExpectColour(bmp.PixelRGB(39, 20), c.Right, 16);
            ExpectColour(bmp.PixelRGB(20, 11), c.Left, 16);  // one picture row fills the height
        }
        EXPECT_EQ(bmp.PixelRGB(9, 20), cWhite);  // nothing outside the box
        EXPECT_EQ(bmp.PixelRGB(50, 20), cWhite);
    }
    // Colour adjustments on a red-over-grey canvas, drawn over white.
    auto canvas = std::make_unique<TVYXGraphicBMPCanvas>(1, 2);
    canvas->Bitmap()->Row(0)[0] = 0xFFFF0000;
    canvas->Bitmap()->Row(1)[0] = 0xFF404040;
    TVYXPicture& two = store.AddPicture(std::move(canvas));
    const struct {
        const char* Name;
        void (*Set)(TVYXGraphicPicture&);
        TVYXColor Top, Bottom;
    } adjustments[] = {
        {"none", [](TVYXGraphicPicture&) {}, 0xFF0000, 0x404040},
        {"grey", [](TVYXGraphicPicture& p) { p.Grayscale = true; }, 0x4C4C4C, 0x404040},
        {"brightness", [](TVYXGraphicPicture& p) { p.Brightness = 0.25f; }, 0xFF4040, 0x808080},
        {"contrast", [](TVYXGraphicPicture& p) { p.Contrast = 0.5f; }, 0xFF0000, 0x000000},
        {"less contrast", [](TVYXGraphicPicture& p) { p.Contrast = -0.5f; }, 0xBF4040, 0x606060},
        {"blue shift", [](TVYXGraphicPicture& p) { p.Blue = 0.5f; }, 0xFF0080, 0x4040C0},
        {"no saturation", [](TVYXGraphicPicture& p) { p.Saturation = 0; }, 0x4C4C4C, 0x404040},
        {"half saturation", [](TVYXGraphicPicture& p) { p.Saturation = 0.125f; }, 0xA62626, 0x404040},
        {"more saturation", [](TVYXGraphicPicture& p) { p.Saturation = 1; }, 0xFF0000, 0x404040},
        {"reset", [](TVYXGraphicPicture& p) { p.Saturation = 0; p.ResetAdjustments(); }, 0xFF0000, 0x404040},
        {"half alpha", [](TVYXGraphicPicture& p) { p.Alpha = 0.5f; }, 0xFF8080, 0xA0A0A0},
    };
    for (const auto& a : adjustments) {
        SCOPED_TRACE(a.Name);
        TVYXGraphicPicture pic(&two);
        pic.Width = 15;  // 20 x 40 px
        pic.Height = 30;
        a.Set(pic);
        TVYXGDILinux gdi;
        gdi.SetSize(20, 40);
        gdi.DrawF(0, 0, pic);
        const TVYXBitmap& bmp = *gdi.GetBitmap();
        for (auto [y, want] : {std::pair{2, a.Top}, std::pair{37, a.Bottom}}) {
            const std::uint32_t got = bmp.PixelRGB(10, y);
            ExpectColour(got, want, 1);
            if (pic.Grayscale) {
                EXPECT_EQ((got >> 16) & 0xFF, got & 0xFF);
                EXPECT_EQ((got >> 8) & 0xFF, got & 0xFF);
            }
        }
    }
    // The stored picture is left as it was.
    EXPECT_EQ(dynamic_cast<TVYXPictureBMP&>(two).Bitmap()->Pixel(0, 0), 0xFFFF0000u);
}

}  // namespace
