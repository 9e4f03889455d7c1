// VYXWriteHTMLTest.cpp: the HTML writer: round trips through the reader, shared
// classes, deterministic bytes, strict re-parsing, pictures beside the file.
#include <unistd.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/VYXHtmlDOM.h"
#include "formats/VYXReadHTML.h"
#include "formats/VYXWriteHTML.h"
#include "formats/tests/VYXHtmlTestUtils.h"
#include "model/VYXDocDump.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "platform/VYXImageDecode.h"
#include "platform/VYXUnicode.h"

namespace fs = std::filesystem;

namespace {

std::string Write(TVYXLogDocEditor& doc, bool embed = true)
{
    TVYXWriteHTML writer(doc);
    writer.EmbedPictures = embed;
    return writer.SaveToString();
}

void Read(TVYXLogDocEditor& doc, const std::string& html)
{
    TVYXReadHTML reader(doc);
    reader.LoadFromBytes(html);
}

std::string Sample() { return VYXHtmlReadTestFile(std::string(VYX_TEST_DATA_DIR) + "/html/roundtrip.html"); }

std::size_t Count(const std::string& text, const std::string& needle)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
        ++n;
    return n;
}

// Compares dumps line by line so a failure names the first differing line.
void ExpectSameDump(const std::string& a, const std::string& b)
{
    std::size_t line = 1, i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) {
        if (a[i] == '\n')
            ++line;
        ++i;
    }
    if (a != b) {
        auto lineAt = [](const std::string& s, std::size_t at) {
            std::size_t start = s.rfind('\n', at == 0 ? 0 : at - 1);
            start = start == std::string::npos ? 0 : start + 1;
            return s.substr(start, s.find('\n', at) - start);
        };
        ADD_FAILURE() << "dumps differ at line " << line << "\n first:  " << lineAt(a, i) << "\n second: " << lineAt(b, i);
    }
}

}  // namespace

TEST(WriteHTML, RoundTripKeepsTextPropertiesTablesAndLists)
{
    TVYXLogDocEditor first;
    Read(first, Sample());
    const std::string dump1 = VYXDumpParas(first.Paras());
    const std::string html1 = Write(first);

    TVYXLogDocEditor second;
    Read(second, html1);
    const std::string dump2 = VYXDumpParas(second.Paras());
    ExpectSameDump(dump1, dump2);
    // What the sample must have produced in the first place, so the comparison means something.
    for (const char* needle : {"style=\"Heading1\"", "bold", "italic", "underline=Single", "strike", "sub", "super",
                               "smallCaps", "allCaps", "fill=FFFF00", "color=C00000", "align=Justify",
                               "indentLeft=36", "merge=root", "span=2", "header", "list=", ":4", "https://example.com",
                               "\"anchor\"", "table rows=1 cols=2", "graphic"})
        EXPECT_NE(dump1.find(needle), std::string::npos) << needle << "\n" << dump1;
    // Our own output read and written again gives the same bytes.
    EXPECT_EQ(Write(second), html1);
}

TEST(WriteHTML, CorpusRoundTripKeepsText)
{
    const fs::path corpus = fs::path(VYX_SHARED_DIR) / "corpus" / "html";
    if (!fs::exists(corpus))
        GTEST_SKIP() << "no corpus";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(corpus)) {
        if (entry.path().extension() != ".html")
            continue;
        ++files;
        SCOPED_TRACE(entry.path().filename().string());
        TVYXLogDocEditor first;
        TVYXReadHTML reader(first);
        reader.LoadFromFile(entry.path().string());
        const std::string html = Write(first);
        TVYXLogDocEditor second;
        Read(second, html);
        EXPECT_EQ(U8(VYXHtmlNormalizeText(VYXHtmlBodyText(second.Paras()))),
                  U8(VYXHtmlNormalizeText(VYXHtmlBodyText(first.Paras()))));
        // Tables and lists survive: the same number of each in the dumps.
        const std::string d1 = VYXDumpParas(first.Paras()), d2 = VYXDumpParas(second.Paras());
        EXPECT_EQ(Count(d2, "table rows="), Count(d1, "table rows="));
        EXPECT_EQ(Count(d2, " list="), Count(d1, " list="));
    }
    EXPECT_GE(files, 30);
}

TEST(WriteHTML, SharedClassesEmptyParagraphsAndColours)
{
    TVYXLogDocEditor doc;
    Read(doc, "<p style='color:#010203'>one</p><p style='color:#010203'>two</p><p></p><p>&nbsp;</p>"
              "<p style='text-align:center'>three</p>");
    const std::string html = Write(doc);
    // Equal formats share one rule, and the two red runs one class.
    EXPECT_EQ(Count(html, "color: #010203"), 1u) << html;
    EXPECT_EQ(Count(html, "<p class=\"px1\">"), 4u) << html;  // one, two and both empty ones share the format
    EXPECT_NE(html.find("&nbsp;</p>"), std::string::npos);
    EXPECT_NE(html.find("<!DOCTYPE html>\r\n<html>\r\n<head>"), std::string::npos);
    EXPECT_NE(html.find("content=\"Pendock 2.00.53\""), std::string::npos);
}

class WriteHTMLStrict : public ::testing::TestWithParam<const char*> {};

// Both hand-made samples: the elements and formats of the first, the breaks, office
// lists, highlights and row heights of the second.
INSTANTIATE_TEST_SUITE_P(Samples, WriteHTMLStrict, ::testing::Values("roundtrip.html", "styles.html"));

TEST_P(WriteHTMLStrict, OutputParsesStrictly)
{
    TVYXLogDocEditor doc;
    Read(doc, VYXHtmlReadTestFile(std::string(VYX_TEST_DATA_DIR) + "/html/" + GetParam()));
    const std::string html = Write(doc);
    // Our own tree: every element is closed where it was opened, so re-parsing and
    // writing gives the same document.
    TVYXHtmlDOM dom;
    dom.LoadFromBytes(html);
    ASSERT_NE(dom.Find(vytBODY), nullptr);
    EXPECT_NE(dom.Find(vytTITLE), nullptr);
    // HTML Tidy, when it is installed: warnings (such as spans holding only a blank)
    // are allowed, errors (exit code 2) are not.
    if (std::system("command -v tidy >/dev/null 2>&1") == 0) {
        const fs::path page = fs::temp_directory_path() / (std::string("vyx-html-tidy-") + std::to_string(::getpid()) + ".html");
        std::ofstream(page, std::ios::binary) << html;
        const int status = std::system(("tidy -errors -q -utf8 " + page.string() + " >/dev/null 2>&1").c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) < 2) << html;
        fs::remove(page);
    }
    // Python's html5lib in strict mode, when it is installed (Debian's package goes
    // to the system interpreter, which another python3 on the path may hide).
    std::string python;
    for (const char* candidate : {"python3", "/usr/bin/python3"})
        if (std::system((std::string(candidate) + " -c 'import html5lib' 2>/dev/null").c_str()) == 0) {
            python = candidate;
            break;
        }
    if (python.empty())
        GTEST_SKIP() << "html5lib is not installed";
    const fs::path file = fs::temp_directory_path() / (std::string("vyx-html-strict-") + std::to_string(::getpid()) + ".html");
    std::ofstream(file, std::ios::binary) << html;
    const std::string cmd = python + " -c \"import html5lib,sys; html5lib.HTMLParser(strict=True).parse(open(sys.argv[1],'rb'))\" " +
                            file.string();
    EXPECT_EQ(std::system(cmd.c_str()), 0) << html;
    fs::remove(file);
}

TEST(WriteHTML, PicturesAsFilesOrDataUris)
{
    const fs::path corpus = fs::path(VYX_SHARED_DIR) / "corpus" / "html" / "tika-testHTML_embedded_img.html";
    if (!fs::exists(corpus))
        GTEST_SKIP() << "no corpus";
    TVYXLogDocEditor doc;
    TVYXReadHTML reader(doc);
    reader.LoadFromFile(corpus.string());
    const fs::path dir = fs::temp_directory_path() / (std::string("vyx-html-write-pictures-") + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    TVYXWriteHTML writer(doc);
    writer.SaveToFile((dir / "out.html").string());
    ASSERT_FALSE(writer.PictureFiles().empty());
    EXPECT_TRUE(fs::exists(dir / writer.PictureFiles()[0].first));
    // Read back from the folder: the pictures are found beside the file.
    TVYXLogDocEditor back;
    TVYXReadHTML again(back);
    again.LoadFromFile((dir / "out.html").string());
    const std::string d1 = VYXDumpParas(doc.Paras()), d2 = VYXDumpParas(back.Paras());
    EXPECT_EQ(Count(d2, "picture"), Count(d1, "picture"));
    EXPECT_EQ(d2.find("Missing Picture"), std::string::npos) << d2;
    // Inline: the same document as data: URIs reads back alike.
    TVYXLogDocEditor inlined;
    Read(inlined, Write(doc, true));
    EXPECT_EQ(Count(VYXDumpParas(inlined.Paras()), "picture"), Count(d1, "picture"));
    fs::remove_all(dir);
}

TEST(WriteHTML, NotesRoundTrip)
{
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"Body text");
        doc.AppendFootnote(u"First note");
        doc.AppendTextUI(u" and more");
        doc.AppendEndnote(u"An endnote & more");
        doc.AppendParaUI(u"Second paragraph");
        doc.AppendFootnote(u"Second note");
    }
    const std::string html = Write(doc);
    EXPECT_NE(html.find("<a id=\"fnoteRef1\" href=\"#fnote1\">[1]</a>"), std::string::npos) << html;
    EXPECT_NE(html.find("<a id=\"fnote2\" href=\"#fnoteRef2\">[2]</a>"), std::string::npos) << html;
    TVYXLogDocEditor back;
    Read(back, html);
    ASSERT_EQ(back.FootnoteList().Count(), 2);
    ASSERT_EQ(back.EndnoteList().Count(), 1);
    EXPECT_NE(back.FootnoteList().GetItems(0)->GetPlainText().find(u"First note"), std::u16string::npos);
    EXPECT_NE(back.EndnoteList().GetItems(0)->GetPlainText().find(u"An endnote & more"), std::u16string::npos);
    // The notes' own blocks do not come back as body text.
    EXPECT_EQ(VYXHtmlBodyText(back.Paras()).find(u"First note"), std::u16string::npos);
    EXPECT_EQ(Write(back), html);
}

TEST(WriteHTML, PictureSizesRoundTrip)
{
    const std::string png =
        "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg==";
    TVYXLogDocEditor doc;
    Read(doc, "<p><img src='data:image/png;base64," + png + "' width=48 style='height: 30pt'>"
              "<img src='data:image/png;base64," + png + "' style='width: 2in'></p>");
    const std::string html = Write(doc);
    EXPECT_NE(html.find("width: 36pt; height: 30pt"), std::string::npos) << html;
    EXPECT_NE(html.find("width: 144pt; height: 144pt"), std::string::npos) << html;  // square: the aspect is kept
    TVYXLogDocEditor back;
    Read(back, html);
    EXPECT_EQ(Count(VYXDumpParas(back.Paras()), "graphic"), 2u);
    EXPECT_EQ(Write(back), html);
}

TEST(WriteHTML, BrowserShowsThePage)
{
    // A headless browser from the distribution takes a screenshot of our output;
    // the page must show text and the paragraph fills, not a blank page.
    std::string browser;
    for (const char* candidate : {"chromium-headless-shell", "/usr/lib/chromium/chromium-headless-shell",
                                  "/usr/lib/chromium/headless_shell", "chromium"})
        if (std::system(("command -v " + std::string(candidate) + " >/dev/null 2>&1").c_str()) == 0) {
            browser = candidate;
            break;
        }
    if (browser.empty())
        GTEST_SKIP() << "no headless browser";
    TVYXLogDocEditor doc;
    Read(doc, Sample());
    const fs::path dir = fs::temp_directory_path() / (std::string("vyx-html-browser-") + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    TVYXWriteHTML writer(doc);
    writer.SaveToFile((dir / "page.html").string());
    const fs::path png = dir / "shot.png";
    const std::string cmd = browser + " --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=800,1000"
                            " --screenshot=" + png.string() + " file://" + (dir / "page.html").string() +
                            " >/dev/null 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    ASSERT_TRUE(fs::exists(png));
    const TVYXDecodedImage image = VYXDecodeImage(VYXHtmlReadTestFile(png.string()), vyifPNG);
    std::size_t ink = 0, blue = 0;
    for (std::uint32_t pixel : image.Pixels) {
        const std::uint32_t rgb = pixel & 0xFFFFFF;
        if (rgb != 0xFFFFFF)
            ++ink;
        if (rgb == 0xDDEEFF)
            ++blue;  // the centred paragraph's fill
    }
    EXPECT_GT(ink, image.Pixels.size() / 100);
    EXPECT_GT(blue, 1000u);
    fs::remove_all(dir);
}

TEST(WriteHTML, GoldenFiles)
{
    // The sample's model dump and our HTML for it, reviewed by hand; VYX_UPDATE_GOLDEN=1
    // rewrites them, a difference leaves the new text in ".actual" beside the golden.
    TVYXLogDocEditor doc;
    Read(doc, Sample());
    const std::string base = std::string(VYX_TEST_DATA_DIR) + "/html/roundtrip.html";
    const std::pair<std::string, std::string> goldens[] = {{base + ".dump", VYXDumpParas(doc.Paras())},
                                                           {base + ".golden", Write(doc)}};
    for (const auto& [path, actual] : goldens) {
        SCOPED_TRACE(path);
        if (std::getenv("VYX_UPDATE_GOLDEN")) {
            std::ofstream(path, std::ios::binary) << actual;
            continue;
        }
        const std::string expected = VYXHtmlReadTestFile(path);
        if (expected != actual)
            std::ofstream(path + ".actual", std::ios::binary) << actual;
        EXPECT_EQ(expected, actual);
    }
}

TEST(WriteHTML, SeparateListsStaySeparate)
{
    // Two lists in a row each count from one; an outer list goes on after a nested one.
    TVYXLogDocEditor doc;
    Read(doc, "<ol><li>a<li>b<ul><li>x</ul><li>c</ol><ol><li>again</ol>");
    const std::string dump = VYXDumpParas(doc.Paras());
    EXPECT_NE(dump.find("\"c\""), std::string::npos);
    EXPECT_EQ(Count(dump, "list=0:0"), 3u) << dump;  // a, b and c in one list
    EXPECT_EQ(Count(dump, "list=2:0"), 1u) << dump;  // "again" in a list of its own
    const std::string html = Write(doc);
    EXPECT_EQ(Count(html, "<ol>"), 2u) << html;
    TVYXLogDocEditor back;
    Read(back, html);
    EXPECT_EQ(VYXDumpParas(back.Paras()), dump);
}

TEST(WriteHTML, CharactersHtmlDoesNotAllowBecomeBlanks)
{
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(std::u16string(u"a\u0001b\u007Fc\u0085d\uFDD0e\uFFFEf\U0001F600g", 15));
    }
    const std::string html = Write(doc);
    EXPECT_NE(html.find("a b c d e f\xF0\x9F\x98\x80g"), std::string::npos) << html;
}

namespace {
// The list level of the body's `n`-th list paragraph.
const TVYXNumbering* LevelOf(TVYXLogDocEditor& doc, int n)
{
    for (int i = 0; i < doc.Paras().Count(); ++i)
        if (const TVYXLogPara* para = doc.Paras().GetParas(i))
            if (const TVYXNumbering* level = para->PAPX().GetNumbering(); level && n-- == 0)
                return level;
    return nullptr;
}
}  // namespace

TEST(WriteHTML, ListMarkerPlaceAndPictureBullets)
{
    // list-style-position sets the list's hanging indent; list-style-image a picture
    // bullet, inherited by nested lists; numbers and pictures that do not load keep
    // the plain marker.
    const std::string png =
        "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg==";
    const std::string html = "<ul style=\"list-style: square inside url('data:image/png;base64," + png +
                             "')\"><li>picture<ul><li>nested</ul></ul>"
                             "<ol style='list-style-position: inside; list-style-image: url(data:image/png;base64," +
                             png + ")'><li>number</ol>"
                             "<ul style='list-style-image: url(missing.png)'><li>plain</ul>"
                             "<ul style='list-style: outside disc none'><li>outside</ul>";
    TVYXLogDocEditor doc;
    Read(doc, html);
    const auto check = [](TVYXLogDocEditor& d) {
        std::vector<const TVYXNumbering*> levels;
        for (int i = 0; i < 5; ++i)
            levels.push_back(LevelOf(d, i));
        for (const TVYXNumbering* level : levels)
            ASSERT_TRUE(level);
        EXPECT_TRUE(levels[0]->Picture && levels[0]->Picture->Picture());
        EXPECT_NEAR(levels[0]->PAPX().GetIndentHanging(), 0, 0.01);
        EXPECT_GT(levels[0]->PAPX().GetIndentLeft(), 0);
        EXPECT_EQ(levels[1]->Level, 1);
        EXPECT_TRUE(levels[1]->Picture);                             // inherited image
        EXPECT_NEAR(levels[1]->PAPX().GetIndentHanging(), 0, 0.01);  // and position
        EXPECT_NE(levels[2]->Style, anstBullet);
        EXPECT_FALSE(levels[2]->Picture);
        EXPECT_NEAR(levels[2]->PAPX().GetIndentHanging(), 0, 0.01);
        EXPECT_FALSE(levels[3]->Picture);
        EXPECT_GT(levels[3]->PAPX().GetIndentHanging(), 1);
        EXPECT_GT(levels[4]->PAPX().GetIndentHanging(), 1);
    };
    check(doc);
    const TVYXPicture* bullet = LevelOf(doc, 0)->Picture->Picture();
    EXPECT_EQ(bullet->OrigData(), VYXHtmlDecodeBase64ForTest(png));

    // Written with the pictures inline and as files, and read back: the same lists.
    const std::string embedded = Write(doc);
    EXPECT_EQ(Count(embedded, "list-style-position: inside"), 3u) << embedded;
    EXPECT_EQ(Count(embedded, "list-style-image: url('data:image/png;base64,"), 2u) << embedded;
    TVYXLogDocEditor back;
    Read(back, embedded);
    check(back);
    EXPECT_EQ(VYXHtmlBodyText(back.Paras()), VYXHtmlBodyText(doc.Paras()));

    const fs::path dir = fs::temp_directory_path() / ("vyx-html-bullets-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    TVYXWriteHTML writer(doc);
    writer.SaveToFile((dir / "lists.html").string());
    EXPECT_EQ(writer.PictureFiles().size(), 2u);
    TVYXLogDocEditor fromFile;
    TVYXReadHTML(fromFile).LoadFromFile((dir / "lists.html").string());
    check(fromFile);
    fs::remove_all(dir);
}
