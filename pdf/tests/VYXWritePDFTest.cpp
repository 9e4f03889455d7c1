// The export job on corpus documents: structure, fonts, text in reading order, outline,
// encryption, the PDF/A-1b rules, and the document left as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>

#include "model/VYXStyles.h"

#include "device/VYXGDILinux.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "layout/VYXPaginate.h"
#include "model/VYXDocSection.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "pdf/VYXPdfDocument.h"
#include "pdf/VYXWritePDF.h"
#include "pdf/tests/VYXPdfTestTools.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace {
std::string Corpus(const std::string& name)
{
    return std::string(VYX_SHARED_DIR) + "/corpus/docx/" + name;
}

bool HavePoppler()
{
    return HaveTool("pdftotext") && HaveTool("pdffonts") && HaveTool("qpdf") && HaveTool("pdfinfo");
}

struct TLoaded {
    std::unique_ptr<TVYXLogDocEditor> Doc = std::make_unique<TVYXLogDocEditor>();
    TVYXDocumentProperties Props;
};

std::unique_ptr<TLoaded> Load(const std::string& path)
{
    auto l = std::make_unique<TLoaded>();
    TVYXReadDOCX reader(*l->Doc);
    reader.Properties = &l->Props;
    reader.LoadFromFile(path);
    return l;
}

// Letters and digits only, lower case: what survives any spacing and bidi marks pdftotext chooses.
std::u16string Squeezed(std::u16string_view text)
{
    std::u16string out;
    for (char16_t c : text) {
        if (c < 0x80) {
            if (std::isalnum(static_cast<unsigned char>(c)))
                out += static_cast<char16_t>(std::tolower(static_cast<unsigned char>(c)));
        } else if (c != 0xA0 && !(c >= 0x2000 && c <= 0x206F) && c != 0xFEFF) {
            out += c;
        }
    }
    return out;
}

// The top-level paragraphs' texts must appear in the extracted text in their order.
void ExpectReadingOrder(TVYXLogDocEditor& doc, const std::string& extracted, int& found)
{
    const std::u16string all = Squeezed(Utf8ToUtf16(extracted));
    std::size_t at = 0;
    found = 0;
    std::vector<TVYXLogPara*> paras;
    TVYXLogParasIterator walk;
    walk.ParaEvent = [&](TVYXLogPara& para) { paras.push_back(&para); };
    walk.Iterate(doc.Paras());
    for (TVYXLogPara* para : paras) {
        // The start of each paragraph: note references and field marks at the end are not text.
        const std::u16string text = para->GetPlainText();
        if (std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x590 && c < 0x900; })) {
            // Right-to-left lines come back in the order the extractor rebuilds, which moves
            // numbers and neutrals; their words must all be there.
            std::size_t from = 0;
            while (from < text.size()) {
                std::size_t to = text.find(u' ', from);
                if (to == std::u16string::npos)
                    to = text.size();
                const std::u16string word = Squeezed(text.substr(from, to - from));
                if (word.size() >= 2) {
                    EXPECT_NE(all.find(word), std::u16string::npos) << Utf16ToUtf8(word);
                }
                from = to + 1;
            }
            ++found;
            continue;
        }
        const std::u16string want = Squeezed(text).substr(0, 24);
        if (want.size() < 4)
            continue;
        if (para->Iterator() && para->Iterator()->GetTableCell()) {
            // Extractors read table cells column by column or row by row: present is enough.
            EXPECT_NE(all.find(want), std::u16string::npos) << "missing cell text: " << Utf16ToUtf8(text);
            continue;
        }
        const std::size_t hit = all.find(want, at);
        EXPECT_NE(hit, std::string::npos) << "missing or out of order: " << Utf16ToUtf8(para->GetPlainText());
        if (hit != std::string::npos) {
            at = hit + want.size();
            ++found;
        }
    }
}

// Every font embedded and subset, as pdffonts lists them; returns how many there are.
int CheckFonts(const std::string& path)
{
    std::string out;
    EXPECT_EQ(RunTool("pdffonts " + path, out), 0) << out;
    int fonts = 0;
    const std::size_t rule = out.find("---\n");
    if (rule == std::string::npos)
        return 0;
    for (std::size_t line = out.find('\n', rule) + 1; line < out.size(); line = out.find('\n', line) + 1) {
        const std::string row = out.substr(line, out.find('\n', line) - line);
        if (row.empty())
            break;
        ++fonts;
        EXPECT_NE(row.find("+"), std::string::npos) << row;
        EXPECT_NE(row.find("yes yes yes"), std::string::npos) << row;
    }
    return fonts;
}

// Our own PDF/A-1b rules check (no validator ships with the system), on the file with
// its streams decompressed by qpdf. Returns the broken rules, one per line.
std::string PdfARuleViolations(const std::string& path)
{
    std::string raw, q, broken;
    {
        std::ifstream f(path, std::ios::binary);
        raw.assign(std::istreambuf_iterator<char>(f), {});
    }
    if (RunTool("qpdf --qdf --object-streams=disable " + path + " -", q) != 0)
        return "qpdf cannot read the file\n";
    auto count = [&](const char* pattern) {
        const std::regex re(pattern);
        return std::distance(std::sregex_iterator(q.begin(), q.end(), re), std::sregex_iterator());
    };
    auto rule = [&](bool ok, const char* what) {
        if (!ok)
            broken += std::string(what) + "\n";
    };
    rule(raw.rfind("%PDF-1.4", 0) == 0, "header is not PDF 1.4");
    rule(raw.find("/Encrypt") == std::string::npos, "encrypted");
    rule(std::regex_search(raw, std::regex("/ID\\s*\\[")), "trailer has no ID");
    rule(q.find("<pdfaid:part>1</pdfaid:part>") != std::string::npos, "no pdfaid:part 1");
    rule(q.find("<pdfaid:conformance>B</pdfaid:conformance>") != std::string::npos, "no conformance B");
    rule(q.find("/Type /Metadata") != std::string::npos, "no metadata stream");
    rule(q.find("/S /GTS_PDFA1") != std::string::npos, "no PDF/A output intent");
    rule(q.find("/DestOutputProfile") != std::string::npos, "output intent without profile");
    rule(q.find("/SMask") == std::string::npos, "soft mask (transparency)");
    rule(q.find("/Group") == std::string::npos, "transparency group");
    rule(!std::regex_search(q, std::regex("/(CA|ca) 0?\\.[0-9]")), "constant alpha below 1");
    rule(q.find("/JavaScript") == std::string::npos && q.find("/LZWDecode") == std::string::npos,
         "JavaScript or LZW");
    // Every font descriptor carries its font program, every CID subset its CIDSet.
    const auto descriptors = count("/Type /FontDescriptor");
    const auto programs = count("/FontFile[23]? ");
    const auto cidsets = count("/CIDSet ");
    rule(descriptors == programs, "a font is not embedded");
    rule(descriptors == cidsets, "a CID subset has no CIDSet");
    // Annotations are printable.
    const auto annots = count("/Type /Annot");
    const auto printable = count("/F 4\\b");
    rule(annots == printable, "an annotation is not printable");
    return broken;
}
}  // namespace

TEST(WritePDF, CorpusDocumentsGiveValidFilesWithEmbeddedSubsetsAndTheirTextInOrder)
{
    if (!HavePoppler() || !std::filesystem::exists(Corpus("d2py-zen_of_python.docx")))
        GTEST_SKIP() << "corpus or poppler-utils missing";
    int checked = 0;
    for (const char* name : {"d2py-zen_of_python.docx", "mammoth-simple-list.docx", "docx4j-toc.docx",
                             "docxjs-numbering.docx", "docx4j-sample-docx.docx", "oxpt-HC002-Hebrew-01.docx",
                             "docxjs-footnote.docx", "d2py-example_numbering.docx"}) {
        SCOPED_TRACE(name);
        if (!std::filesystem::exists(Corpus(name)))
            continue;
        auto l = Load(Corpus(name));
        TVYXWritePDF job;
        job.FDoc = l->Doc.get();
        job.Properties = &l->Props;
        const std::string path = TempPdf(name);
        std::filesystem::remove(path);
        job.SaveToFile(path);
        std::string out;
        EXPECT_EQ(RunTool("qpdf --check " + path, out), 0) << out;
        EXPECT_GE(CheckFonts(path), 1);
        ASSERT_EQ(RunTool("pdftotext " + path + " -", out), 0) << out;
        int found = 0;
        ExpectReadingOrder(*l->Doc, out, found);
        EXPECT_GT(found, 0);
        ++checked;
    }
    EXPECT_GE(checked, 6);
}

TEST(WritePDF, HeadingsBecomeTheOutlineAndA4GivesWholePoints)
{
    if (!HavePoppler() || !std::filesystem::exists(Corpus("docx4j-toc.docx")))
        GTEST_SKIP() << "corpus or poppler-utils missing";
    auto l = Load(Corpus("docx4j-toc.docx"));
    TVYXWritePDF job;
    job.FDoc = l->Doc.get();
    const std::string path = TempPdf("toc");
    std::filesystem::remove(path);
    job.SaveToFile(path);
    std::string out;
    ASSERT_EQ(RunTool("pdfinfo " + path, out), 0);
    const double w = l->Doc->SEP().GetPageWidth(), h = l->Doc->SEP().GetPageHeight();
    EXPECT_NE(out.find(std::to_string(int(std::lround(w))) + " x " + std::to_string(int(std::lround(h))) + " pts"),
              std::string::npos)
        << out;
    ASSERT_EQ(RunTool("qpdf --json --json-key=outlines " + path, out), 0);
    int headings = 0;
    for (TVYXLogPara* para = l->Doc->FirstPara(); para; para = l->Doc->NextPara(*para)) {
        const TVYXParaStyle* style = para->PAPX().GetStyle();
        if (style && style->Name == u"heading 1" && !para->GetPlainText().empty()) {
            ++headings;
            std::string title = Utf16ToUtf8(para->GetPlainText());
            title.erase(title.find_last_not_of(' ') + 1);
            EXPECT_NE(out.find("\"title\": \"" + title + "\""), std::string::npos)
                << Utf16ToUtf8(para->GetPlainText()) << "\n" << out.substr(0, 2000);
        }
    }
    EXPECT_GE(headings, 5);
}

TEST(WritePDF, ABlankA4DocumentIs595By842)
{
    TVYXLogDocEditor doc;
    doc.SEP().SetDocumentDefaults();
    TVYXWritePDF job;
    job.FDoc = &doc;
    const std::string pdf = job.SaveToBytes();
    EXPECT_EQ(job.PageCount(), 1);
    EXPECT_NE(pdf.find("/MediaBox[0 0 595 842]"), std::string::npos);
}

TEST(WritePDF, ExportHalvesTheBottomMarginMeanwhileAndPutsItBackEvenOnFailure)
{
    TVYXLogDocEditor doc;
    doc.SEP().SetDocumentDefaults();
    doc.SetPlainText(u"One paragraph.\r\nAnother one.");
    const double stored = doc.SEP().MargBottom;
    const double effective = doc.SEP().GetMargBottom();
    ASSERT_GT(effective, 0);
    {
        TVYXWritePDF job;
        job.FDoc = &doc;
        double during = -1;
        job.AfterLayoutEvent = [&](TVYXWritePDF&, TVYXPaginatorDoc&) { during = doc.SEP().GetMargBottom(); };
        job.SaveToBytes();
        EXPECT_DOUBLE_EQ(during, effective / 2);
        EXPECT_EQ(doc.SEP().MargBottom, stored);
    }
    {
        TVYXWritePDF job;
        job.FDoc = &doc;
        job.AfterLayoutEvent = [](TVYXWritePDF&, TVYXPaginatorDoc&) { throw VYXException("painting failed"); };
        EXPECT_THROW(job.SaveToBytes(), VYXException);
        EXPECT_EQ(doc.SEP().MargBottom, stored);
    }
    EXPECT_EQ(doc.GetPlainText(), u"One paragraph.\r\nAnother one.");
}

TEST(WritePDF, EncryptedExportOpensOnlyWithAPassword)
{
    if (!HavePoppler() || !std::filesystem::exists(Corpus("d2py-zen_of_python.docx")))
        GTEST_SKIP() << "corpus or poppler-utils missing";
    auto l = Load(Corpus("d2py-zen_of_python.docx"));
    TVYXWritePDF job(true, "secret", "boss", VYXPdfPermission(epPrinting) | VYXPdfPermission(epPrintingHighResolution));
    job.FDoc = l->Doc.get();
    const std::string path = TempPdf("zen-encrypted");
    std::filesystem::remove(path);
    job.SaveToFile(path);
    std::string out;
    EXPECT_NE(RunTool("pdftotext " + path + " -", out), 0) << "opened without a password";
    ASSERT_EQ(RunTool("pdftotext -upw secret " + path + " -", out), 0) << out;
    EXPECT_NE(out.find("Beautiful is better than ugly"), std::string::npos) << out;
    ASSERT_EQ(RunTool("qpdf --password=boss --json --json-key=encrypt " + path, out), 0) << out;
    EXPECT_NE(out.find("\"bits\": 128"), std::string::npos) << out;
    EXPECT_NE(out.find("\"R\": 3"), std::string::npos) << out;
    EXPECT_NE(out.find("\"printhigh\": true"), std::string::npos) << out;
    EXPECT_NE(out.find("\"extract\": false"), std::string::npos) << out;
    EXPECT_NE(out.find("\"modify\": false"), std::string::npos) << out;
    // PDF/A and encryption exclude each other: the passwords win.
    std::ifstream f(path, std::ios::binary);
    const std::string raw((std::istreambuf_iterator<char>(f)), {});
    EXPECT_NE(raw.find("/Encrypt"), std::string::npos);
    EXPECT_EQ(raw.find("GTS_PDFA1"), std::string::npos);
}

TEST(WritePDF, PdfAExportKeepsOurRules)
{
    if (!HavePoppler() || !std::filesystem::exists(Corpus("docx4j-sample-docx.docx")))
        GTEST_SKIP() << "corpus or poppler-utils missing";
    for (const char* name : {"docx4j-sample-docx.docx", "docx4j-toc.docx", "pydocx-comments-rich-para.docx"}) {
        SCOPED_TRACE(name);
        auto l = Load(Corpus(name));
        TVYXWritePDF job(true, "", "", 0);
        job.FDoc = l->Doc.get();
        job.Properties = &l->Props;
        const std::string path = TempPdf(std::string("pdfa-") + name);
        std::filesystem::remove(path);
        job.SaveToFile(path);
        EXPECT_EQ(PdfARuleViolations(path), "");
        // The same export without the flag breaks the rules: the check can fail.
        TVYXWritePDF plain;
        plain.FDoc = l->Doc.get();
        const std::string plainPath = TempPdf(std::string("plain-") + name);
        std::filesystem::remove(plainPath);
        plain.SaveToFile(plainPath);
        EXPECT_NE(PdfARuleViolations(plainPath), "");
    }
}

TEST(WritePDF, AnUnwritablePathGivesAClearErrorAndNoFile)
{
    TVYXLogDocEditor doc;
    doc.SetPlainText(u"Text");
    TVYXWritePDF job;
    job.FDoc = &doc;
    const std::string path = "/nonexistent-folder/out.pdf";
    try {
        job.SaveToFile(path);
        FAIL() << "no error";
    } catch (const VYXException& e) {
        EXPECT_NE(std::string(e.what()).find("Cannot create file"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(path));
    TVYXWritePDF noDoc;
    EXPECT_THROW(noDoc.SaveToBytes(), VYXException);
}

namespace {
// Ink map of a grey image: a 3 x 3 box blur, then inked (true) where clearly darker than paper. The
// blur absorbs the different antialiasing of two rasterisers (the threshold sits high, so
// thin strokes of small text count); what is left are glyphs or lines in different places.
std::vector<bool> Ink(const std::vector<int>& grey, int w, int h)
{
    std::vector<bool> out(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int sum = 0, n = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int xx = x + dx, yy = y + dy;
                    if (xx >= 0 && yy >= 0 && xx < w && yy < h) {
                        sum += grey[std::size_t(yy) * std::size_t(w) + std::size_t(xx)];
                        ++n;
                    }
                }
            out[std::size_t(y) * std::size_t(w) + std::size_t(x)] = sum < 200 * n;
        }
    return out;
}

// Every pixel within one pixel of ink: the two rasterisers may round a baseline differently.
std::vector<bool> Grown(const std::vector<bool>& ink, int w, int h)
{
    std::vector<bool> out(ink.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int xx = x + dx, yy = y + dy;
                    if (xx >= 0 && yy >= 0 && xx < w && yy < h && ink[std::size_t(yy) * std::size_t(w) + std::size_t(xx)])
                        out[std::size_t(y) * std::size_t(w) + std::size_t(x)] = true;
                }
    return out;
}
}  // namespace

// The measure: pages rendered by poppler at 72 dpi against our raster device painting the
// same layout (laid out at 72 dpi, so pixel for pixel): the fraction of the pixels inked in
// either image (after blur and threshold) that have no ink within one pixel in the other.
// The same glyphs in the same places leave a few percent (rasterisers differ at edges); a
// word or line out of place by two pixels or more costs its whole area.
TEST(WritePDF, PopplerPagesMatchOurRasterOfTheSameLayout)
{
    if (!HavePoppler() || !HaveTool("pdftoppm") || !std::filesystem::exists(Corpus("docx4j-sample-docx.docx")))
        GTEST_SKIP() << "corpus or poppler-utils missing";
    constexpr int cDpi = 72;
    for (const char* name : {"docx4j-sample-docx.docx", "d2py-zen_of_python.docx", "oxpt-HC002-Hebrew-01.docx"}) {
        SCOPED_TRACE(name);
        auto l = Load(Corpus(name));
        TVYXWritePDF job;
        job.FDoc = l->Doc.get();
        std::vector<int> ours;
        int w = 0, h = 0;
        job.AfterLayoutEvent = [&](TVYXWritePDF&, TVYXPaginatorDoc& layout) {
            // The same layout painted on the raster device.
            const TVYXPhyPage& page = layout.Pages().GetItems(0);
            TVYXGDILinux raster(cDpi);
            w = int(std::lround(page.PageWidth));
            h = int(std::lround(page.PageHeight));
            raster.SetSize(w, h);
            raster.Clear(0xFFFFFF);
            TVYXWritePDF::PaintPage(raster, *l->Doc, layout, 0);
            const TVYXBitmap& bmp = *raster.GetBitmap();
            ours.resize(std::size_t(w) * std::size_t(h));
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const std::uint32_t p = bmp.PixelRGB(x, y);
                    ours[std::size_t(y) * std::size_t(w) + std::size_t(x)] =
                        int(((p >> 16) & 0xFF) * 299 + ((p >> 8) & 0xFF) * 587 + (p & 0xFF) * 114) / 1000;
                }
        };
        const std::string path = TempPdf(std::string("raster-") + name);
        std::filesystem::remove(path);
        job.SaveToFile(path);
        TVYXTestPixmap px;
        ASSERT_TRUE(RenderPage(path, 1, cDpi, px));
        ASSERT_EQ(px.Width, w);
        ASSERT_EQ(px.Height, h);
        std::vector<int> theirs(std::size_t(w) * std::size_t(h));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::uint32_t p = px.At(x, y);
                theirs[std::size_t(y) * std::size_t(w) + std::size_t(x)] =
                    int(((p >> 16) & 0xFF) * 299 + ((p >> 8) & 0xFF) * 587 + (p & 0xFF) * 114) / 1000;
            }
        const std::vector<bool> a = Ink(ours, w, h), b = Ink(theirs, w, h);
        const std::vector<bool> nearA = Grown(a, w, h), nearB = Grown(b, w, h);
        long inked = 0, differ = 0;
        for (std::size_t i = 0; i < a.size(); ++i) {
            inked += a[i] || b[i];
            differ += (a[i] && !nearB[i]) || (b[i] && !nearA[i]);
        }
        ASSERT_GT(inked, 1000) << "the page shows something";
        const double fraction = double(differ) / double(inked);
        std::printf("%s: %ld inked pixels, %.2f %% differ\n", name, inked, 100 * fraction);
        EXPECT_LT(fraction, 0.03);
        // The measure sees a fault: our page moved right by three pixels differs widely.
        std::vector<int> moved(ours.size(), 255);
        for (int y = 0; y < h; ++y)
            for (int x = 3; x < w; ++x)
                moved[std::size_t(y) * std::size_t(w) + std::size_t(x)] = ours[std::size_t(y) * std::size_t(w) + std::size_t(x - 3)];
        const std::vector<bool> m = Ink(moved, w, h), nearM = Grown(m, w, h);
        long movedDiffer = 0;
        for (std::size_t i = 0; i < m.size(); ++i)
            movedDiffer += (m[i] && !nearB[i]) || (b[i] && !nearM[i]);
        EXPECT_GT(double(movedDiffer) / double(inked), 0.1);
    }
}

// The bundled example: headings on two levels, a list, a table, a picture, a footnote, a
// header and footer, a web link and a link to a bookmark.
TEST(WritePDF, TheBundledExampleKeepsItsOutlineTextAndLinks)
{
    const std::string sample = std::string(VYX_SOURCE_DIR) + "/examples/sample.docx";
    if (!HavePoppler() || !std::filesystem::exists(sample))
        GTEST_SKIP() << "poppler-utils missing";
    auto l = Load(sample);
    TVYXWritePDF job;
    job.FDoc = l->Doc.get();
    job.Properties = &l->Props;
    const std::string path = TempPdf("sample");
    std::filesystem::remove(path);
    job.SaveToFile(path);
    std::string out;
    ASSERT_EQ(RunTool("qpdf --check " + path, out), 0) << out;
    ASSERT_EQ(RunTool("pdfinfo " + path, out), 0);
    EXPECT_NE(out.find("Title:           Quarterly report"), std::string::npos) << out;
    // The outline: two top-level headings, the second-level ones under the first.
    ASSERT_EQ(RunTool("qpdf --json --json-key=outlines " + path, out), 0);
    const std::size_t report = out.find("\"title\": \"Quarterly report\"");
    const std::size_t highlights = out.find("\"title\": \"Highlights\"");
    const std::size_t sales = out.find("\"title\": \"Sales by region\"");
    const std::size_t outlook = out.find("\"title\": \"Outlook\"");
    ASSERT_NE(report, std::string::npos) << out;
    ASSERT_NE(highlights, std::string::npos);
    ASSERT_NE(sales, std::string::npos);
    ASSERT_NE(outlook, std::string::npos);
    // qpdf lists a parent after its kids: the kids' titles come first, then the parent's.
    EXPECT_LT(highlights, report);
    EXPECT_LT(sales, report);
    EXPECT_LT(report, outlook);
    ASSERT_EQ(RunTool("pdftotext " + path + " -", out), 0);
    int found = 0;
    ExpectReadingOrder(*l->Doc, out, found);
    EXPECT_GE(found, 8);
    EXPECT_NE(out.find("Figures are rounded to whole thousands."), std::string::npos) << "the footnote";
    EXPECT_NE(out.find("Quarterly report, second quarter"), std::string::npos) << "the header";
    EXPECT_NE(out.find("Page 1"), std::string::npos) << "the footer";
    ASSERT_EQ(RunTool("qpdf --qdf --object-streams=disable " + path + " -", out), 0);
    EXPECT_NE(out.find("/URI (https://www.example.org/report)"), std::string::npos) << "the web link";
    EXPECT_NE(out.find("/Subtype /Link"), std::string::npos);
    ASSERT_EQ(RunTool("pdfimages -list " + path, out), 0);
    EXPECT_NE(out.find(" image "), std::string::npos) << "the picture: " << out;
    // The link to the bookmark goes to its destination.
    std::ifstream f(path, std::ios::binary);
    const std::string raw((std::istreambuf_iterator<char>(f)), {});
    EXPECT_NE(raw.find("/F 4/Dest["), std::string::npos) << "no GoTo link";
}
