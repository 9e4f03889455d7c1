// The PDF device through the checkers: text extraction, embedded subsets, images, links,
// clipping, rotation and opacity as poppler renders them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "device/VYXGDILinux.h"
#include "model/VYXGraphics.h"
#include "pdf/VYXGDIPDF.h"
#include "pdf/VYXPdfFont.h"
#include "pdf/VYXPdfDocument.h"
#include "pdf/tests/VYXPdfTestTools.h"

namespace {
TVYXFontData FontOf(const char16_t* name, double size, bool bold = false, bool italic = false)
{
    TVYXFontData f;
    f.Name = name;
    f.Size = size;
    f.Bold = bold;
    f.Italic = italic;
    return f;
}

bool Near(std::uint32_t a, std::uint32_t b, int tolerance = 24)
{
    for (int shift : {16, 8, 0})
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}

std::string Save(TVYXPdfDocument& doc, const std::string& stem)
{
    std::string pdf;
    doc.Save(pdf);
    const std::string path = TempPdf(stem);
    WriteFile(path, pdf);
    return path;
}

bool HavePoppler()
{
    return HaveTool("pdftotext") && HaveTool("pdffonts") && HaveTool("pdftoppm") && HaveTool("qpdf");
}
}  // namespace

TEST(GDIPDF, MeasuresLikeTheScreenDeviceAtTheSameResolution)
{
    TVYXPdfDocument doc;
    TVYXGDIPDF pdf(doc);
    TVYXGDILinux screen(72);
    EXPECT_EQ(pdf.PixelsPerInchX(), 72);
    EXPECT_DOUBLE_EQ(pdf.PtToPixXF(72), 72);
    for (const TVYXFontData& f : {FontOf(u"Arial", 11), FontOf(u"Times New Roman", 13.5, true),
                                  FontOf(u"Calibri", 9, false, true)}) {
        pdf.SetFont(f);
        screen.SetFont(f);
        for (std::u16string_view t : {u"Justified text, with some words.", u"Ünïcödé ĀĒĪ and Ωμέγα", u"مرحبا بالعالم"})
            EXPECT_DOUBLE_EQ(pdf.TextWidthF(t), screen.TextWidthF(t));
        pdf.GetTextMetric();
        screen.GetTextMetric();
        EXPECT_DOUBLE_EQ(pdf.TextMetric().Ascent, screen.TextMetric().Ascent);
        EXPECT_DOUBLE_EQ(pdf.TextMetric().LineHeight, screen.TextMetric().LineHeight);
    }
    // Justification: the extra goes into the spaces, measured and drawn alike.
    pdf.SetFont(FontOf(u"Arial", 12));
    const double plain = pdf.TextWidthF(u"a b c");
    pdf.SetTextJustificationF(10, 2);
    EXPECT_NEAR(pdf.TextWidthF(u"a b c"), plain + 10, 1e-9);
}

TEST(GDIPDF, TextComesBackFromTheFileInEveryScriptWithSubsetFonts)
{
    if (!HavePoppler())
        GTEST_SKIP() << "poppler-utils or qpdf missing";
    TVYXPdfDocument doc;
    TVYXGDIPDF gdi(doc);
    doc.AddPage(595, 842);
    gdi.SetTextAlign(xhtaLeft, xvtaTop);
    const std::pair<TVYXFontData, std::u16string> lines[] = {
        {FontOf(u"Arial", 12), u"Plain Latin text in the first line."},
        {FontOf(u"Times New Roman", 12, true), u"Bold serif with accents: café, naïve, Zürich."},
        {FontOf(u"Calibri", 12), u"Ligatures: office affine ā"},  // ā sends the text through shaping
        {FontOf(u"Arial", 12), u"Кириллица и ελληνικά"},
        {FontOf(u"DejaVu Sans", 12), u"مرحبا بالعالم"},
        {FontOf(u"DejaVu Sans", 12, false, true), u"Slanted when no italic exists"},
    };
    double y = 50;
    for (const auto& [font, text] : lines) {
        gdi.SetFont(font);
        gdi.TextOutF(50, y, text);
        y += 30;
    }
    const std::string path = Save(doc, "scripts");
    std::string out;
    ASSERT_EQ(RunTool("qpdf --check " + path, out), 0) << out;
    ASSERT_EQ(RunTool("pdftotext -layout " + path + " -", out), 0) << out;
    EXPECT_NE(out.find("Plain Latin text in the first line."), std::string::npos) << out;
    EXPECT_NE(out.find("Bold serif with accents: café, naïve, Zürich."), std::string::npos) << out;
    EXPECT_NE(out.find("Ligatures: office affine ā"), std::string::npos) << out;
    EXPECT_NE(out.find("Кириллица и ελληνικά"), std::string::npos) << out;
    EXPECT_NE(out.find("مرحبا"), std::string::npos) << out;
    EXPECT_NE(out.find("Slanted when no italic exists"), std::string::npos) << out;
    // Every font embedded as a subset with a ToUnicode map.
    ASSERT_EQ(RunTool("pdffonts " + path, out), 0) << out;
    int fonts = 0;
    std::size_t at = out.find("---\n");
    ASSERT_NE(at, std::string::npos) << out;
    for (std::size_t line = out.find('\n', at) + 1; line < out.size(); line = out.find('\n', line) + 1) {
        const std::string row = out.substr(line, out.find('\n', line) - line);
        if (row.empty())
            break;
        ++fonts;
        EXPECT_NE(row.find('+'), std::string::npos) << row;
        EXPECT_NE(row.find("CID TrueType"), std::string::npos) << row;
        EXPECT_NE(row.find("yes yes yes"), std::string::npos) << "embedded, subset, unicode: " << row;
    }
    EXPECT_GE(fonts, 4);
}

TEST(GDIPDF, ASubsetHoldsOnlyTheGlyphsUsed)
{
    const TVYXFontMatch m = VYXResolveFont("DejaVu Sans");
    if (m.File.empty())
        GTEST_SKIP() << "no DejaVu Sans";
    TVYXPdfDocument doc;
    TVYXGDIPDF gdi(doc);
    doc.AddPage(200, 200);
    gdi.SetFont(FontOf(u"DejaVu Sans", 10));
    for (int i = 0; i < 50; ++i)
        gdi.TextOutF(10, 10 + i, u"abc abc");
    std::string pdf;
    doc.Save(pdf);
    // One face, subset once: far smaller than the face's file.
    ASSERT_NE(doc.Font(m.File, m.Index), nullptr);
    EXPECT_EQ(doc.Font(m.File, m.Index)->UsedGlyphs(), 5);
    EXPECT_EQ(doc.Font("/no/such/font.ttf", 0), nullptr);  // a, b, c, space and .notdef
    EXPECT_LT(pdf.size(), std::filesystem::file_size(m.File) / 10);
}

TEST(GDIPDF, ClipRotationAndOpacityRenderAsOnScreen)
{
    if (!HavePoppler())
        GTEST_SKIP() << "poppler-utils missing";
    for (bool pdfa : {false, true}) {
        TVYXPdfDocument doc;
        doc.SetPdfA(pdfa);
        TVYXGDIPDF gdi(doc);
        doc.AddPage(200, 200);
        // A red square clipped to its left half.
        gdi.SetBrushColor(0xFF0000);
        {
            TVYXClipScope clip(gdi, 10, 10, 30, 50);
            gdi.RectangleF(10, 10, 50, 50);
        }
        // A blue bar 60 wide and 10 high, turned 90 degrees about its centre (130, 30).
        gdi.SetBrushColor(0x0000FF);
        {
            TVYXMatrixScope m(gdi);
            gdi.RotateMatrix({100, 25, 160, 35}, 90);
            gdi.RectangleF(100, 25, 160, 35);
        }
        // Half-transparent green.
        gdi.SetOpacity(128);
        gdi.SetBrushColor(0x00FF00);
        gdi.RectangleF(10, 100, 50, 140);
        gdi.SetOpacity(255);
        const std::string path = Save(doc, pdfa ? "shapes-pdfa" : "shapes");
        TVYXTestPixmap px;
        ASSERT_TRUE(RenderPage(path, 1, 72, px));
        ASSERT_EQ(px.Width, 200);
        EXPECT_TRUE(Near(px.At(20, 30), 0xFF0000)) << std::hex << px.At(20, 30);
        EXPECT_TRUE(Near(px.At(40, 30), 0xFFFFFF)) << "clipped away: " << std::hex << px.At(40, 30);
        EXPECT_TRUE(Near(px.At(130, 5), 0x0000FF)) << "turned upright: " << std::hex << px.At(130, 5);
        EXPECT_TRUE(Near(px.At(105, 30), 0xFFFFFF)) << std::hex << px.At(105, 30);
        // Translucent over white, or flattened to the same colour under PDF/A.
        EXPECT_TRUE(Near(px.At(30, 120), 0x7FFF7F)) << std::hex << px.At(30, 120);
        std::string pdf;
        std::string out;
        RunTool("qpdf --qdf --object-streams=disable " + path + " -", out);
        EXPECT_EQ(out.find("/ExtGState") == std::string::npos, pdfa);
    }
}

TEST(GDIPDF, JpegPassesThroughAndAlphaGetsAMask)
{
    const std::string docx = std::string(VYX_SHARED_DIR) + "/corpus/docx/pydocx-comments-rich-para.docx";
    if (!HavePoppler() || !std::filesystem::exists(docx) || !HaveTool("unzip") || !HaveTool("pdfimages"))
        GTEST_SKIP() << "corpus, unzip or poppler-utils missing";
    const std::string jpeg = TempPdf("image") + ".jpeg";
    std::string out;
    ASSERT_EQ(RunTool("unzip -p " + docx + " word/media/image1.jpeg > " + jpeg, out), 0);
    TVYXPictureBMP picture;
    picture.LoadFromFile(jpeg);
    ASSERT_EQ(picture.OrigType, aptJPG);
    TVYXGraphicPicture object(&picture);
    object.Width = 100;
    object.Height = 80;

    TVYXPdfDocument doc;
    TVYXGDIPDF gdi(doc);
    doc.AddPage(300, 300);
    gdi.DrawF(10, 10, object);
    gdi.DrawF(10, 150, object);  // the same picture again: one image object
    TVYXBitmap translucent(4, 4, 0x80800000);  // premultiplied: half-transparent red
    gdi.DrawF(200, 10, 240, 50, translucent);
    EXPECT_EQ(gdi.PassedThroughJpegs(), 1);
    const std::string path = Save(doc, "images");
    ASSERT_EQ(RunTool("qpdf --check " + path, out), 0) << out;
    ASSERT_EQ(RunTool("pdfimages -list " + path, out), 0) << out;
    EXPECT_NE(out.find("jpeg"), std::string::npos) << out;
    EXPECT_NE(out.find("smask"), std::string::npos) << out;
    TVYXTestPixmap px;
    ASSERT_TRUE(RenderPage(path, 1, 72, px));
    EXPECT_TRUE(Near(px.At(220, 30), 0xFF8080, 30)) << std::hex << px.At(220, 30);
}

TEST(GDIPDF, HyperlinksBecomeLinkAnnotations)
{
    if (!HaveTool("qpdf"))
        GTEST_SKIP() << "qpdf missing";
    TVYXPdfDocument doc;
    TVYXGDIPDF gdi(doc);
    doc.AddPage(400, 400);
    gdi.SaveHyperlink(10, 10, 110, 30, u"https://example.org/ä", false);
    gdi.SaveHyperlink(10, 50, 110, 70, u"#chapter2", true);  // a field's target, another case
    doc.AddDestination(u"Chapter2", 0, 200);
    std::string pdf;
    doc.Save(pdf);
    // Rectangles mapped into PDF space (y up from the foot of the page).
    EXPECT_NE(pdf.find("/Rect[10 370 110 390]"), std::string::npos);
    EXPECT_NE(pdf.find("/Rect[10 330 110 350]"), std::string::npos);
    EXPECT_NE(pdf.find("/S/URI"), std::string::npos);
    EXPECT_NE(pdf.find("/XYZ 0 200 null"), std::string::npos);
    const std::string path = TempPdf("links");
    WriteFile(path, pdf);
    std::string out;
    EXPECT_EQ(RunTool("qpdf --check " + path, out), 0) << out;
}

TEST(GDIPDF, GraphicObjectsFillStrokeAndTurnAsOnScreen)
{
    if (!HavePoppler())
        GTEST_SKIP() << "poppler-utils missing";
    TVYXPdfDocument doc;
    TVYXGDIPDF gdi(doc);
    doc.AddPage(300, 300);
    TVYXGraphicEllipse ellipse;
    ellipse.Width = 80;
    ellipse.Height = 40;
    ellipse.FillColor = 0xFF0000;
    ellipse.StrokeColor = 0x0000FF;
    ellipse.StrokeWeight = 2;
    ellipse.LineDashStyle = agldsDash;
    gdi.DrawF(20, 20, ellipse);
    TVYXGraphicRoundRect bar;  // 100 x 10, turned upright about its centre (200, 75)
    bar.Width = 100;
    bar.Height = 10;
    bar.FillColor = 0x00A000;
    bar.Stroked = false;
    bar.SetAngle(90);
    gdi.DrawF(150, 70, bar);
    TVYXGraphicLine line;  // a diagonal line object from (20, 150) to (120, 250)
    line.Width = 100;
    line.Height = 100;
    line.StrokeWeight = 3;
    gdi.DrawF(20, 150, line);
    const std::string path = Save(doc, "objects");
    std::string out;
    ASSERT_EQ(RunTool("qpdf --check " + path, out), 0) << out;
    TVYXTestPixmap px;
    ASSERT_TRUE(RenderPage(path, 1, 72, px));
    EXPECT_TRUE(Near(px.At(60, 40), 0xFF0000)) << "ellipse filled: " << std::hex << px.At(60, 40);
    EXPECT_TRUE(Near(px.At(22, 22), 0xFFFFFF)) << "outside the ellipse: " << std::hex << px.At(22, 22);
    EXPECT_TRUE(Near(px.At(200, 35), 0x00A000)) << "bar turned upright: " << std::hex << px.At(200, 35);
    EXPECT_TRUE(Near(px.At(160, 75), 0xFFFFFF)) << "bar no longer lying: " << std::hex << px.At(160, 75);
    EXPECT_TRUE(Near(px.At(70, 200), 0x000000, 80)) << "line: " << std::hex << px.At(70, 200);
    EXPECT_TRUE(Near(px.At(100, 170), 0xFFFFFF)) << std::hex << px.At(100, 170);
    // The outline is blue where it touches the box's top edge.
    int blue = 0;
    for (int x = 20; x <= 100; ++x)
        blue += Near(px.At(x, 20), 0x0000FF, 60);
    EXPECT_GT(blue, 3);
    ASSERT_EQ(RunTool("qpdf --qdf --object-streams=disable " + path + " -", out), 0);
    EXPECT_NE(out.find("[8 6] 0 d"), std::string::npos) << "the dash of a 2 pt outline";
}
