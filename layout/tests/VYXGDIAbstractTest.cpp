// VYXGDIAbstractTest.cpp: conversions, line helpers and the dash phase, checked through the trace and null devices.
#include <gtest/gtest.h>

#include "layout/VYXGDIAbstract.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "platform/VYXErrors.h"

namespace {

TEST(GDIAbstract, ConversionsAt96DpiAndZoom)
{
    TVYXGDITrace gdi(96);
    EXPECT_DOUBLE_EQ(gdi.PtToPixXF(72), 96.0);
    EXPECT_DOUBLE_EQ(gdi.PtToPixYF_NM(36), 48.0);
    EXPECT_DOUBLE_EQ(gdi.PixToPtX(96), 72.0);
    EXPECT_DOUBLE_EQ(gdi.PixToPtY(1), 0.75);
    // Halves round to even: 1.875 pt = 2.5 px, 2.625 pt = 3.5 px.
    EXPECT_EQ(gdi.PtToPixX(1.875), 2);
    EXPECT_EQ(gdi.PtToPixY(2.625), 4);
    TVYXGDITrace zoomed(192);
    EXPECT_DOUBLE_EQ(zoomed.PtToPixXF(72), 192.0);
    EXPECT_DOUBLE_EQ(zoomed.PixToPtX(192), 72.0);
}

TEST(GDIAbstract, DummyMeasuresZeroAndDrawsNothing)
{
    TVYXGDIDummy gdi;
    TVYXFontData font;
    gdi.SetFont(font);
    EXPECT_EQ(gdi.PixelsPerInchX(), 0);
    EXPECT_EQ(gdi.TextWidthF(u"Hello"), 0);
    EXPECT_EQ(gdi.FitFontSize(u"Hello", 100), 0);
    EXPECT_EQ(gdi.GetPenWidthF(), 0);
    EXPECT_EQ(gdi.GetBitmap(), nullptr);
    EXPECT_EQ(gdi.PixToPtX(96), 0);  // no division by a zero resolution
    EXPECT_EQ(gdi.PtToPixX(72), 0);
    EXPECT_TRUE(gdi.Ready());
    gdi.GetTextMetric();
    const TVYXTextMetric& m = gdi.TextMetric();
    for (double v : {m.ULThickness, m.ULPos, m.SubSize, m.SubOffs, m.SuperSize, m.SuperOffs, m.CellHeight,
                     m.LineHeight, m.Ascent, m.Descent, m.AveCharWidth, m.ItalicSlant, m.MaxCharWidth})
        EXPECT_EQ(v, 0);
    gdi.LineHorizStyled(0, 100, 0, {3, 2}, 1);
    EXPECT_EQ(gdi.DashPhase(), 0);  // 100 px is a whole number of periods
}

TEST(GDIAbstract, LineHelpersForwardToDeviceOperations)
{
    const struct {
        const char* Name;
        void (*Draw)(TVYXGDI&);
        const char* Trace;
    } cases[] = {
        {"thin horizontal", [](TVYXGDI& g) { g.LineHoriz(10, 20, 5, 1); },
         "LineF 10.0 5.0 21.0 5.0 pen=#000000 width=1.0\n"},
        {"thick horizontal", [](TVYXGDI& g) { g.LineHoriz(10, 20, 5, 3); }, "RectangleF 10.0 5.0 20.0 8.0 brush=#FFFFFF\n"},
        {"centred", [](TVYXGDI& g) { g.LineHorizCenter(10, 20, 5, 4); }, "RectangleF 10.0 3.0 20.0 7.0 brush=#FFFFFF\n"},
        {"thin vertical", [](TVYXGDI& g) { g.LineVert(0, 9, 3, 0); },
         "LineF 3.0 0.0 3.0 10.0 pen=#000000 width=1.0\n"},
        {"upward F", [](TVYXGDI& g) { g.LineHorizF(false, 2.5, 10, 30, 0); },
         "RectangleF 0.0 7.5 30.0 10.0 brush=#FFFFFF\n"},
        {"leftward F", [](TVYXGDI& g) { g.LineVertF(false, 2, 10, 30, 0); },
         "RectangleF 8.0 0.0 10.0 30.0 brush=#FFFFFF\n"},
        {"wave", [](TVYXGDI& g) { g.LineHorizWave(0, 8, 5, 1); },
         "MoveToF 0.0 1.0\nLineToF 2.0 6.0 pen=#000000\nLineToF 4.0 1.0 pen=#000000\n"
         "LineToF 6.0 6.0 pen=#000000\nLineToF 8.0 1.0 pen=#000000\n"},
        {"barcode", [](TVYXGDI& g) { g.DrawBarcode(0, 0, 36, 10, "2112"); },
         "RectangleF 0.0 0.0 12.0 10.0 brush=#000000\nRectangleF 18.0 0.0 24.0 10.0 brush=#000000\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVYXGDITrace gdi;
        c.Draw(gdi);
        EXPECT_EQ(gdi.Text(), c.Trace);
        EXPECT_EQ(gdi.GetPenWidthF(), 1.0);  // the helpers put the pen back
    }
}

TEST(GDIAbstract, DashPhaseCarriesOverAndResets)
{
    TVYXGDITrace gdi;
    const std::vector<int> pattern = {3, 2};
    gdi.LineHorizStyled(0, 7, 0, pattern, 2);
    EXPECT_EQ(gdi.Text(), "RectangleF 0.0 0.0 3.0 2.0 brush=#FFFFFF\nRectangleF 5.0 0.0 7.0 2.0 brush=#FFFFFF\n");
    EXPECT_EQ(gdi.DashPhase(), 1);  // the cut dash is done: the next piece starts with the gap
    gdi.ClearText();
    gdi.LineHorizStyled(7, 17, 0, pattern, 2);
    EXPECT_EQ(gdi.Text(), "RectangleF 9.0 0.0 12.0 2.0 brush=#FFFFFF\nRectangleF 14.0 0.0 17.0 2.0 brush=#FFFFFF\n");
    gdi.Reset();
    gdi.ClearText();
    gdi.LineVertStyled(0, 4, 1, pattern, 1);
    EXPECT_EQ(gdi.Text(), "RectangleF 1.0 0.0 2.0 3.0 brush=#FFFFFF\n");
    // Dots of length 1 become one-pixel lines across the thickness.
    gdi.Reset();
    gdi.ClearText();
    gdi.LineHorizStyled(0, 4, 0, {1, 2}, 3);
    EXPECT_EQ(gdi.Text(), "LineF 0.0 0.0 0.0 3.0 pen=#000000 width=1.0\nLineF 3.0 0.0 3.0 3.0 pen=#000000 width=1.0\n");
}

TEST(GDIAbstract, InvalidLineStyles)
{
    const std::vector<int> bad[] = {{3}, {3, 2, 1}, {0, 0}, {-1, 2}};
    for (const auto& pattern : bad) {
        SCOPED_TRACE(pattern.size());
        TVYXGDITrace gdi;
        try {
            gdi.LineHorizStyled(0, 10, 0, pattern, 1);
            FAIL() << "no exception";
        } catch (const VYXException& e) {
            EXPECT_STREQ(e.what(), "Invalid line style");
        }
        EXPECT_EQ(gdi.Text(), "");
    }
}

TEST(GDIAbstract, TraceFormatClipsAndScopes)
{
    TVYXGDITrace gdi;
    gdi.SetBrushColor(0x000000);
    {
        TVYXClipScope clip(gdi, 0, 0, 612, 792);
        gdi.RectangleF(72, 72, 540, 73);
        TVYXFontData font;
        font.Name = u"Arial";
        font.Bold = true;
        font.Color = 0xFF0000;
        gdi.SetFont(font);
        gdi.TextOutF(72, 80, u"Say \"hi\"");
    }
    EXPECT_EQ(gdi.Text(), "BeginClip 0.0 0.0 612.0 792.0\n"
                          "  RectangleF 72.0 72.0 540.0 73.0 brush=#000000\n"
                          "  TextOutF 72.0 80.0 font=\"Arial\" 12.0 bold color=#FF0000 \"Say \\\"hi\\\"\"\n"
                          "EndClip\n");
}

TEST(GDIAbstract, JustificationAndFitFontSize)
{
    TVYXGDITrace gdi;  // 0.6 em per character: 9.6 px at 12 pt
    EXPECT_DOUBLE_EQ(gdi.TextWidthF(u"a b c"), 48);
    EXPECT_DOUBLE_EQ(gdi.SetTextJustificationF(10, 2), 5);
    EXPECT_DOUBLE_EQ(gdi.TextWidthF(u"a b c"), 58);
    EXPECT_DOUBLE_EQ(gdi.TextWidthF(u"a b c d"), 67.2 + 10);  // only two spaces get the extra
    gdi.TextOutF(0, 0, u"a b");
    EXPECT_DOUBLE_EQ(gdi.TextWidthF(u"a b"), 28.8 + 5);  // one space of extra left
    gdi.SetTextJustificationF(0, 0);
    EXPECT_DOUBLE_EQ(gdi.TextWidthF(u"a b"), 28.8);

    // Ten characters are 8 px per point: 100 px fits between 10.625 and 12.5 pt.
    // Bisection: 38 pt (304 px) is too wide, then 20.5 pt (164 px), then 12 pt (96 px) fits.
    EXPECT_EQ(gdi.FitFontSize(u"0123456789", 100), 12);
    // 38, 20.5, 12 and 7.5 pt (60 px) are too wide, 5.5 pt (44 px) fits 50 px.
    EXPECT_EQ(gdi.FitFontSize(u"0123456789", 50), 5.5);
    EXPECT_EQ(gdi.Font().Size, 12.0);  // the font is put back
    EXPECT_EQ(gdi.FitFontSize(u"0123456789", 10), 8);  // nothing between 4 and 72 pt fits
}

TEST(GDIAbstract, HorizontalRule)
{
    TVYXGraphicHorizLine rule;
    rule.Height = 1.5;  // 2 px at 96 dpi
    rule.FillColor = 0x808080;
    rule.IsFullWidth = false;
    rule.Percent = 50;
    const struct {
        TVYXGrObjHorizAlignmentType Align;
        const char* Trace;
    } cases[] = {
        {agohatLeft, "RectangleF 100.0 10.0 200.0 12.0 brush=#808080\n"},
        {agohatCentered, "RectangleF 150.0 10.0 250.0 12.0 brush=#808080\n"},
        {agohatRight, "RectangleF 200.0 10.0 300.0 12.0 brush=#808080\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Align);
        TVYXGDITrace gdi;
        rule.Align = c.Align;
        gdi.DrawHorizLine(rule, 100, 300, 10);
        EXPECT_EQ(gdi.Text(), c.Trace);
        EXPECT_EQ(gdi.GetBrushColor(), 0xFFFFFFu);
    }
}

TEST(GDIAbstract, SelectionFrame)
{
    TVYXGDITrace gdi;
    gdi.DrawSelected(0, 0, 10, 20);
    const std::string& t = gdi.Text();
    EXPECT_NE(t.find("RectOutlineF 0.0 0.0 10.0 20.0"), std::string::npos);
    EXPECT_NE(t.find("DrawGrip 5.0 20.0 5"), std::string::npos);  // bottom centre
    gdi.ClearText();
    gdi.DrawRotateBox(0, 40, 10, 60);
    EXPECT_NE(gdi.Text().find("DrawGrip 5.0 20.0 8"), std::string::npos);
}

TEST(GDIAbstract, TraceOfEveryDrawingCall)
{
    TVYXGDITrace gdi;
    TVYXGDITrace& g = gdi;
    g.SetSize(816, 1056);
    g.Reset();
    g.SetPaintColor(0x102030);
    g.MoveToF(1, 2);
    g.LineToF(3, 4);
    g.RectOutlineF(1, 2, 3, 4);
    g.CircleF(5, 6, 7);
    g.CircleAlpha(5, 6, 7, 0.5, 0xFF0000);
    g.EllipseF(1, 2, 3, 4);
    g.DrawF(0, 0, 10, 10, TVYXBitmap(3, 2));
    g.BeginMatrix();
    g.RotateMatrix(TVYXGrEditCoords{0, 0, 10, 10}, 45);
    g.EndMatrix();
    g.BeginRow();
    g.TextLabel(u"1", 10, 20, atlsVertLeft);
    g.SaveHyperlink(0, 0, 5, 5, u"Top", true);
    g.SetOpacity(128);
    g.SetXorMode(true);
    g.BitBlt(1, 2, 0, 3, 4, 5, 6);
    g.Test();
    g.BeginPrint(0);
    g.SetSize(1, 1);  // ignored while printing
    g.EndPrint();
    EXPECT_EQ(g.Text(), "SetSize 816.0 1056.0\n"
                        "Reset\n"
                        "MoveToF 1.0 2.0\n"
                        "LineToF 3.0 4.0 pen=#102030\n"
                        "RectOutlineF 1.0 2.0 3.0 4.0 pen=#102030 width=1.0\n"
                        "CircleF 5.0 6.0 7.0 brush=#102030\n"
                        "CircleAlpha 5.0 6.0 7.0 0.5 color=#FF0000\n"
                        "EllipseF 1.0 2.0 3.0 4.0 brush=#102030\n"
                        "DrawF 0.0 0.0 10.0 10.0 bitmap=3x2\n"
                        "BeginMatrix\n"
                        "RotateMatrix 0.0 0.0 10.0 10.0 45.0\n"
                        "EndMatrix\n"
                        "BeginRow\n"
                        "TextLabel 10.0 20.0 1 \"1\"\n"
                        "SaveHyperlink 0.0 0.0 5.0 5.0 internal \"Top\"\n"
                        "SetOpacity 128.0\n"
                        "SetXorMode on\n"
                        "BitBlt 1.0 2.0 3.0 4.0 5.0 6.0\n"
                        "Test\n");
    EXPECT_EQ(g.Width(), 816);
    EXPECT_FALSE(g.Printing());
}

}  // namespace
