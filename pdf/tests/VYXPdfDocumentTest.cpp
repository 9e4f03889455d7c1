// The object writer on its own: structure checked by qpdf, metadata and links by poppler.
#include <gtest/gtest.h>

#include "pdf/VYXPdfDocument.h"
#include "platform/VYXException.h"
#include "pdf/tests/VYXPdfTestTools.h"

namespace {
std::string Hex(const std::string& bytes)
{
    std::string out;
    char buf[3];
    for (char c : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned char>(c));
        out += buf;
    }
    return out;
}

// Two pages with a filled square each, a link on each, a title with non-Latin letters.
std::string TwoPages(TVYXPdfDocument& doc)
{
    doc.Info.Title = u"Пример title";
    doc.Info.Author = u"A. Writer";
    doc.AddPage(595, 842);
    doc.Content() += "0 0 1 rg 100 100 50 50 re f\n";
    doc.AddUriLink(100, 100, 150, 150, "https://example.com/a?b=(c)");
    doc.AddOutline(u"First", 1, 0, 842);
    doc.AddOutline(u"Inner", 2, 0, 400);
    doc.AddPage(300, 400);
    doc.Content() += "1 0 0 rg 10 10 20 20 re f\n";
    doc.AddGoToLink(10, 10, 30, 30, u"target");
    doc.AddDestination(u"target", 0, 400);
    doc.AddOutline(u"Second", 1, 1, 400);
    std::string out;
    doc.Save(out);
    return out;
}
}  // namespace

TEST(PdfSecurity, Rc4AndMd5KnownAnswers)
{
    std::string data = "Plaintext";
    VYXRC4("Key", data);
    EXPECT_EQ(Hex(data), "BBF316E8D940AF0AD3");
    VYXRC4("Key", data);
    EXPECT_EQ(data, "Plaintext");
    const auto d = VYXMD5("abc");
    EXPECT_EQ(Hex(std::string(reinterpret_cast<const char*>(d.data()), 16)), "900150983CD24FB0D6963F7D28E17F72");
}

TEST(PdfSecurity, PermissionBitsSitAtTheirPlaces)
{
    const TVYXPdfSecurity none("u", "o", 0, std::string(16, 'x'));
    EXPECT_EQ(static_cast<std::uint32_t>(none.P()), 0xFFFFF0C0u);
    const TVYXPdfSecurity all("u", "o", cVYXPdfAllPermissions, std::string(16, 'x'));
    EXPECT_EQ(static_cast<std::uint32_t>(all.P()), 0xFFFFFFFCu);
    const TVYXPdfSecurity print("u", "o", VYXPdfPermission(epPrinting) | VYXPdfPermission(epContentCopy),
                                std::string(16, 'x'));
    EXPECT_EQ(static_cast<std::uint32_t>(print.P()), 0xFFFFF0C0u | 4 | 16);
    EXPECT_EQ(print.O().size(), 32u);
    EXPECT_EQ(print.U().size(), 32u);
}

TEST(PdfDocument, NumbersAreShortAndFinite)
{
    std::string s;
    VYXPdfNum(s, 1.5);
    s += ' ';
    VYXPdfNum(s, -0.0004);
    s += ' ';
    VYXPdfNum(s, 12.34567);
    s += ' ';
    VYXPdfNum(s, 1.0 / 0.0);
    s += ' ';
    VYXPdfNum(s, -2.25);
    EXPECT_EQ(s, "1.5 0 12.346 0 -2.25");
}

TEST(PdfDocument, NoPageMeansNoCanvas)
{
    TVYXPdfDocument doc;
    EXPECT_THROW(doc.Content(), VYXException);
    try {
        doc.Content();
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "GetDoc");
    }
}

TEST(PdfDocument, StructurePassesQpdfAndPopplerReadsIt)
{
    if (!HaveTool("qpdf") || !HaveTool("pdfinfo"))
        GTEST_SKIP() << "qpdf or poppler-utils missing";
    TVYXPdfDocument doc;
    const std::string path = TempPdf("two-pages");
    const std::string pdf = TwoPages(doc);
    WriteFile(path, pdf);
    EXPECT_NE(pdf.find("/XYZ 0 400 null"), std::string::npos) << "the link goes to its destination";
    std::string out;
    EXPECT_EQ(RunTool("qpdf --check " + path, out), 0) << out;
    EXPECT_NE(out.find("No syntax or stream encoding errors"), std::string::npos) << out;
    ASSERT_EQ(RunTool("pdfinfo " + path, out), 0) << out;
    EXPECT_NE(out.find("Пример title"), std::string::npos) << out;
    EXPECT_NE(out.find("A. Writer"), std::string::npos);
    EXPECT_NE(out.find("Pages:           2"), std::string::npos);
    EXPECT_NE(out.find("595 x 842"), std::string::npos);
    // The link and the outline as qpdf sees them.
    ASSERT_EQ(RunTool("qpdf --json --json-key=outlines --json-key=pages " + path, out), 0) << out;
    EXPECT_NE(out.find("\"First\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"Inner\""), std::string::npos);
    EXPECT_NE(out.find("\"Second\""), std::string::npos);
    ASSERT_EQ(RunTool("qpdf --qdf --object-streams=disable " + path + " -", out), 0);
    EXPECT_NE(out.find("/URI (https://example.com/a?b=\\(c\\))"), std::string::npos) << out.substr(0, 3000);
}

TEST(PdfDocument, EncryptionIsRc4With128BitKeyAndThePermissions)
{
    if (!HaveTool("qpdf"))
        GTEST_SKIP() << "qpdf missing";
    TVYXPdfDocument doc;
    doc.SetEncryption("user", "owner", VYXPdfPermission(epPrinting) | VYXPdfPermission(epContentCopy));
    const std::string path = TempPdf("encrypted");
    WriteFile(path, TwoPages(doc));
    std::string out;
    EXPECT_NE(RunTool("qpdf --check " + path, out), 0) << "opened without a password";
    EXPECT_EQ(RunTool("qpdf --password=user --check " + path, out), 0) << out;
    ASSERT_EQ(RunTool("qpdf --password=owner --show-encryption " + path, out), 0) << out;
    EXPECT_NE(out.find("R = 3"), std::string::npos) << out;
    EXPECT_NE(out.find("print low resolution: allowed"), std::string::npos) << out;
    EXPECT_NE(out.find("extract for any purpose: allowed"), std::string::npos) << out;
    EXPECT_NE(out.find("modify other: not allowed"), std::string::npos) << out;
    ASSERT_EQ(RunTool("qpdf --password=owner --json --json-key=encrypt " + path, out), 0) << out;
    EXPECT_NE(out.find("\"bits\": 128"), std::string::npos) << out;
    EXPECT_NE(out.find("\"stringmethod\": \"RC4\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"streammethod\": \"RC4\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"ownerpasswordmatched\": true"), std::string::npos) << out;
    // The strings decrypt: the title comes back through the user password.
    if (HaveTool("pdfinfo")) {
        ASSERT_EQ(RunTool("pdfinfo -upw user " + path, out), 0) << out;
        EXPECT_NE(out.find("Пример title"), std::string::npos) << out;
        EXPECT_NE(out.find("Encrypted:       yes"), std::string::npos) << out;
    }
}

TEST(PdfDocument, PdfAHasMetadataAndOutputIntentAndRefusesEncryption)
{
    if (!HaveTool("qpdf"))
        GTEST_SKIP() << "qpdf missing";
    TVYXPdfDocument doc;
    doc.SetPdfA(true);
    doc.SetEncryption("user", "owner", 0);
    EXPECT_FALSE(doc.Encrypted());
    const std::string path = TempPdf("pdfa");
    const std::string pdf = TwoPages(doc);
    WriteFile(path, pdf);
    std::string out;
    EXPECT_EQ(RunTool("qpdf --check " + path, out), 0) << out;
    EXPECT_NE(pdf.find("<pdfaid:part>1</pdfaid:part>"), std::string::npos);
    EXPECT_NE(pdf.find("<pdfaid:conformance>B</pdfaid:conformance>"), std::string::npos);
    EXPECT_NE(pdf.find("/S/GTS_PDFA1"), std::string::npos);
    EXPECT_EQ(pdf.find("/Encrypt"), std::string::npos);
}
