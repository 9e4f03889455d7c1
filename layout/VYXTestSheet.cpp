// VYXTestSheet.cpp: the test sheet: text, lines, preset shapes, pictures, clips and matrices on one page.
#include "layout/VYXTestSheet.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "layout/VYXGDIAbstract.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXVmlShapes.h"
#include "platform/VYXUnicode.h"

namespace {

TVYXFontData Font(const char16_t* name, double size, bool bold = false, bool italic = false)
{
    TVYXFontData f;
    f.Name = name;
    f.Size = size;
    f.Bold = bold;
    f.Italic = italic;
    return f;
}

// A small colour wheel, drawn by the program, standing in for a photograph.
TVYXBitmap Gradient(int w, int h)
{
    TVYXBitmap bmp(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const auto r = std::uint32_t(255 * x / std::max(1, w - 1));
            const auto g = std::uint32_t(255 * y / std::max(1, h - 1));
            const auto b = std::uint32_t(255 - r / 2);
            bmp.Row(y)[x] = 0xFF000000 | r << 16 | g << 8 | b;
        }
    return bmp;
}

// Characters the chosen face lacks come from another face; faces without bold or italic
// are emboldened and slanted.
int DrawFontFallbacks(TVYXGDI& gdi, int left, int y)
{
    gdi.SetTextAlign(xhtaLeft, xvtaTop);
    gdi.SetFont(Font(u"Cambria", 13));
    gdi.TextOutF(left, y, u"Cambria has no Greek: \u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1 \u03BA\u03CC\u03C3\u03BC\u03B5 \u00B7 "
                          u"Arial has no chess: ");
    const double w = gdi.TextWidthF(u"Cambria has no Greek: \u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1 \u03BA\u03CC\u03C3\u03BC\u03B5 \u00B7 "
                                    u"Arial has no chess: ");
    gdi.SetFont(Font(u"Arial", 13));
    gdi.TextOutF(left + w, y, u"\u2654\u2655\u2656\u2657\u2658\u2659 \u2200x \u2603");
    y += 24;
    // That face's ascent is very tall: the row is placed by its baseline.
    gdi.SetTextAlign(xhtaLeft, xvtaBaseline);
    y += 18;
    const char16_t* single = u"DejaVu Math TeX Gyre";
    const std::u16string styles[] = {u"Regular face ", u"synthetic bold ", u"synthetic italic ", u"both"};
    double x = left;
    for (int i = 0; i < 4; ++i) {
        gdi.SetFont(Font(single, 14, i == 1 || i == 3, i >= 2));
        gdi.TextOutF(x, y, styles[i]);
        x += gdi.TextWidthF(styles[i]) + 6;
    }
    gdi.SetFont(Font(u"Arial", 14, true, true));
    gdi.TextOutF(x + 10, y, u"real bold italic");
    gdi.SetTextAlign(xhtaLeft, xvtaTop);
    return y + 16;
}

// Line shapes with arrow heads, compound outlines and dashes; a picture cropped and recoloured.
void DrawGraphicsRows(TVYXGDI& gdi, int left, int y, const TVYXBitmap& photo)
{
    y = DrawFontFallbacks(gdi, left, y);
    TVYXShapeTypes types;
    TVYXVmlShapeDef def;
    def.Id = "_line";
    def.Path = "m0,10800l21600,10800e";
    TVYXShapeType& lineType = types.Add(def);
    const TVYXGraphicArrowHead heads[] = {agahBlock, agahClassic, agahOpen, agahDiamond, agahOval};
    gdi.SetFont(Font(u"Arial", 7));
    for (int i = 0; i < 5; ++i) {
        TVYXGraphicShape line(&lineType);
        line.Filled = false;
        line.StrokeWeight = i < 3 ? 1.5 : 3;
        line.StrokeColor = 0x1F3864;
        line.EndArrow = std::make_unique<TVYXGraphicArrow>();
        line.EndArrow->Head = heads[i];
        line.StartArrow = std::make_unique<TVYXGraphicArrow>();
        line.StartArrow->Head = heads[(i + 3) % 5];
        line.StartArrow->Length = agalShort;
        line.StartArrow->Width = agawWide;
        gdi.DrawShape(left + 10 + i * 140, y, 110, 24, line, false);
    }
    y += 34;
    const TVYXGrCompoundLineStyle compounds[] = {agclsSingle, agclsDouble, agclsThickThin, agclsThinThick, agclsTri};
    const TVYXGrLineDashStyle dashes[] = {agldsRoundDot, agldsSquareDot, agldsDash, agldsDashDot, agldsLongDash,
                                           agldsLongDashDot, agldsLongDashDotDot};
    for (int i = 0; i < 5; ++i) {
        TVYXGraphicRectangle frame;
        frame.Width = 80;
        frame.Height = 36;
        frame.FillColor = 0xEAF1DD;
        frame.StrokeWeight = 6;
        frame.StrokeColor = 0x4F6228;
        frame.LineStyle = compounds[i];
        gdi.DrawF(left + i * 140, y, frame);
    }
    y += 60;
    for (int i = 0; i < 7; ++i) {
        TVYXGraphicShape line(&lineType);
        line.Filled = false;
        line.StrokeWeight = 2;
        line.LineDashStyle = dashes[i];
        gdi.DrawShape(left + (i % 4) * 175, y + (i / 4) * 14, 160, 10, line, false);
    }
    y += 36;

    // The same picture: whole, cropped, grey, flipped, brighter and more colourful, half transparent over text.
    TVYXPictures store;
    auto canvas = std::make_unique<TVYXGraphicBMPCanvas>(photo.Width(), photo.Height());
    canvas->SetBitmap(std::make_unique<TVYXBitmap>(photo));
    TVYXPicture& picture = store.AddPicture(std::move(canvas));
    auto place = [&](int i, auto adjust) {
        TVYXGraphicPicture pic(&picture);
        pic.Width = 90;
        pic.Height = 60;
        adjust(pic);
        gdi.DrawF(left + i * 140, y, pic);
    };
    place(0, [](TVYXGraphicPicture&) {});
    place(1, [](TVYXGraphicPicture& p) { p.CropLeft = p.CropTop = 0.25; p.CropRight = p.CropBottom = 0.25; });
    place(2, [](TVYXGraphicPicture& p) { p.Grayscale = true; p.CropRight = 0.5; });
    place(3, [](TVYXGraphicPicture& p) { p.FlipX = true; p.Brightness = 0.3f; p.Contrast = -0.3f; p.Saturation = 0.6f; });
    gdi.SetFont(Font(u"Arial", 10));
    gdi.TextOutF(left + 4 * 140, y + 30, u"under the picture");
    place(4, [](TVYXGraphicPicture& p) { p.Alpha = 0.5f; p.Red = 0.4f; });
}

}  // namespace

void VYXDrawTestSheet(TVYXGDI& gdi, const TVYXTestSheetOptions& options)
{
    const int left = gdi.PtToPixX(54);
    int y = gdi.PtToPixY(40);
    gdi.SetTextAlign(xhtaLeft, xvtaTop);

    // Text in the common families, with the face each one resolved to.
    const char16_t* families[] = {u"Arial", u"Times New Roman", u"Courier New", u"Calibri", u"Cambria"};
    for (const char16_t* family : families) {
        gdi.SetFont(Font(family, 12));
        std::u16string label = family;
        if (options.FontMatchEvent)
            label += u" \u2192 " + options.FontMatchEvent();
        gdi.TextOutF(left, y, label + u": The quick brown fox jumps over the lazy dog.");
        gdi.GetTextMetric();
        y += int(std::ceil(gdi.TextMetric().LineHeight));
    }
    y += 6;
    const double sizes[] = {6, 8, 10, 12, 18, 24, 36};
    int x = left;
    for (double size : sizes) {
        gdi.SetFont(Font(u"Times New Roman", size, size >= 18, size == 24));
        const std::u16string t = Utf8ToUtf16(std::to_string(int(size)) + "pt Ag");
        gdi.SetTextAlign(xhtaLeft, xvtaBaseline);
        gdi.TextOutF(x, y + gdi.PtToPixY(36), t);
        x += int(gdi.TextWidthF(t)) + 16;
    }
    gdi.SetTextAlign(xhtaLeft, xvtaTop);
    y += gdi.PtToPixY(48);

    // Measured width drawn as a box around the text; justification; shaped scripts.
    gdi.SetFont(Font(u"Calibri", 16));
    const std::u16string measured = u"Measured width box \u2014 ink ends at the line";
    const double w = gdi.TextWidthF(measured);
    gdi.TextOutF(left, y, measured);
    gdi.GetTextMetric();
    gdi.SetPenColor(0xFF0000);
    gdi.SetPenWidthF(1);
    gdi.RectOutlineF(left, y, left + w, y + gdi.TextMetric().CellHeight);
    y += 32;
    const std::u16string just = u"Justified text spreads extra space over the gaps";
    gdi.SetTextJustificationF(gdi.PtToPixX(500) - gdi.TextWidthF(just), 7);
    gdi.TextOutF(left, y, just);
    gdi.SetTextJustificationF(0, 0);
    gdi.LineVert(y, y + 20, left + gdi.PtToPixX(500), 1);
    y += 28;
    gdi.SetFont(Font(u"DejaVu Sans", 14));
    gdi.TextOutF(left, y, u"\u041F\u0440\u0438\u0432\u0435\u0442 \u00B7 \u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1 \u00B7 "
                          u"\u05E9\u05DC\u05D5\u05DD \u00B7 \u0645\u0631\u062D\u0628\u0627");
    y += 34;

    // Lines: thicknesses, styles carried across pieces, waves.
    gdi.SetPaintColor(0x000000);
    for (int t = 1; t <= 4; ++t)
        gdi.LineHoriz(left, left + 200, y + t * 8, t);
    const std::vector<int> patterns[] = {{6, 3}, {1, 2}, {8, 3, 2, 3}};
    int py = y + 8;
    for (const auto& p : patterns) {
        gdi.Reset();
        gdi.LineHorizStyled(left + 230, left + 330, py, p, 2);
        gdi.LineHorizStyled(left + 330, left + 430, py, p, 2);
        py += 10;
    }
    gdi.SetPenColor(0xC00000);
    gdi.LineHorizWave(left + 450, left + 650, 6, y + 10);
    gdi.LineHorizWaveSmall(left + 450, left + 650, 2, y + 26);
    y += 50;

    // Preset shapes, filled and stroked.
    TVYXShapeTypes types;
    const char* shapes[] = {"rect", "roundRect", "ellipse", "triangle", "rightArrow", "upArrow", "star5",
                            "heart", "cloud", "smileyFace", "wave", "can", "lightningBolt", "leftRightArrow"};
    const TVYXColor fills[] = {0x4F81BD, 0xC0504D, 0x9BBB59, 0x8064A2, 0x4BACC6, 0xF79646};
    x = left;
    int n = 0;
    for (const char* id : shapes) {
        TVYXGraphicShape shape(types.Add(id));
        shape.FillColor = fills[n % 6];
        shape.StrokeColor = 0x202020;
        shape.StrokeWeight = 1.5;
        shape.LineDashStyle = n == 3 ? agldsDash : agldsSolid;
        gdi.DrawShape(x, y, 80, 60, shape, n == 6);
        gdi.SetFont(Font(u"Arial", 7));
        gdi.TextLabel(Utf8ToUtf16(id), x + 40, y + 64, atlsHorizBottom);
        x += 100;
        if (++n % 7 == 0) {
            x = left;
            y += 90;
        }
    }
    y += 10;

    // A picture stretched into boxes, a rotated copy, half-transparent circles, a clipped text.
    TVYXPictures store;
    TVYXBitmap made = Gradient(64, 48);
    const TVYXBitmap* picture = &made;
    if (!options.PictureFile.empty()) {
        const auto* bmp = dynamic_cast<const TVYXPictureBMP*>(&store.AddPicture(options.PictureFile));
        if (bmp && bmp->Bitmap())
            picture = bmp->Bitmap();
    }
    gdi.DrawF(left, y, left + 120, y + 90, *picture);
    gdi.DrawF(left + 130, y, left + 190, y + 90, *picture);
    {
        TVYXMatrixScope matrix(gdi);
        const TVYXGrEditCoords box{double(left + 210), double(y + 10), double(left + 330), double(y + 80)};
        gdi.RotateMatrix(box, 20);
        gdi.DrawF(box.X1, box.Y1, box.X2, box.Y2, *picture);
    }
    gdi.CircleAlpha(left + 400, y + 45, 35, 0.5, 0xFF0000);
    gdi.CircleAlpha(left + 440, y + 45, 35, 0.5, 0x0000FF);
    {
        TVYXClipScope clip(gdi, left + 500, y, left + 600, y + 40);
        gdi.SetFont(Font(u"Arial", 28, true));
        gdi.TextOutF(left + 490, y + 5, u"Clipped text");
    }
    gdi.SetPenColor(0x808080);
    gdi.RectOutlineF(left + 500, y, left + 600, y + 40);
    gdi.DrawBarcode(left + 500, y + 48, left + 660, y + 110, "2112132111231121311122112131", u"0123456789");
    y += 120;

    // The caret approximation: two inversions cancel, one stays.
    gdi.SetFont(Font(u"Cambria", 12, false, true));
    gdi.TextOutF(left, y, u"Caret after this word|");
    gdi.SetXorMode(true);
    const double caretX = left + gdi.TextWidthF(u"Caret after this word") + 12;
    gdi.RectangleF(caretX, y, caretX + 2, y + 20);
    gdi.SetXorMode(false);
    y += 30;
    DrawGraphicsRows(gdi, left, y, *picture);
}

