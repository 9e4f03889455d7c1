// VYXReadHTMLTest.cpp: the HTML reader: the corpus against an independent text
// extraction, the elements' formats, lists, tables with spans, pictures, charsets.
#include <unistd.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadHTML.h"
#include "formats/tests/VYXExtractedText.h"
#include "formats/tests/VYXHtmlTestUtils.h"
#include "model/VYXDocDump.h"
#include "model/VYXLogParas.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace fs = std::filesystem;

namespace {

std::string Dump(const std::string& html)
{
    TVYXLogDocEditor doc;
    TVYXReadHTML reader(doc);
    reader.LoadFromBytes(html);
    return VYXDumpParas(doc.Paras());
}

// Fails with the dump when `needle` is missing.
void ExpectHas(const std::string& dump, const std::string& needle)
{
    EXPECT_NE(dump.find(needle), std::string::npos) << "missing: " << needle << "\n" << dump;
}

}  // namespace

TEST(ReadHTML, CorpusTextMatchesIndependentExtraction)
{
    const fs::path corpus = fs::path(VYX_SHARED_DIR) / "corpus" / "html";
    if (!fs::exists(corpus))
        GTEST_SKIP() << "no corpus";
    const fs::path expected = fs::path(VYX_TEST_DATA_DIR) / "html";
    int files = 0, equal = 0;
    for (const auto& entry : fs::directory_iterator(corpus)) {
        if (entry.path().extension() != ".html" && entry.path().extension() != ".htm")
            continue;
        ++files;
        SCOPED_TRACE(entry.path().filename().string());
        TVYXLogDocEditor doc;
        TVYXReadHTML reader(doc);
        ASSERT_NO_THROW(reader.LoadFromFile(entry.path().string()));
        const std::u16string ours = VYXHtmlNormalizeText(VYXHtmlBodyText(doc.Paras()));
        const fs::path txt = VYXExpectedText(expected / (entry.path().filename().string() + ".txt"),
                                             expected / "extract_text.py", corpus);
        ASSERT_TRUE(fs::exists(txt)) << "run extract_text.py";
        const std::u16string theirs = VYXHtmlNormalizeText(Utf8ToUtf16(VYXHtmlReadTestFile(txt.string())));
        if (ours == theirs)
            ++equal;
        else {
            std::size_t at = 0;
            while (at < ours.size() && at < theirs.size() && ours[at] == theirs[at])
                ++at;
            const std::size_t from = at > 40 ? at - 40 : 0;
            ADD_FAILURE() << "text differs at " << at << "\n ours:   " << U8(ours.substr(from, 120))
                          << "\n theirs: " << U8(theirs.substr(from, 120));
        }
    }
    EXPECT_GE(files, 30);
    EXPECT_GE(equal * 100, files * 98) << equal << " of " << files;
}

TEST(ReadHTML, CharacterFormatsOfElements)
{
    struct TCase {
        const char* Html;
        const char* Expect;
    };
    const TCase cases[] = {
        {"<b>x</b>", "bold"},
        {"<strong>x</strong>", "bold"},
        {"<i>x</i>", "italic"},
        {"<cite>x</cite>", "italic"},
        {"<u>x</u>", "underline=Single"},
        {"<del>x</del>", "strike"},
        {"<sub>x</sub>", "sub"},
        {"<sup>x</sup>", "super"},
        {"<code>x</code>", "font=\"Courier New\""},
        {"<mark>x</mark>", "fill=FFFF00"},
        {"<font size=\"9\">x</font>", "size=36"},
        {"<font size=\"x\">x</font>", "size=12"},
        {"<font size=\"+2\">x</font>", "size=18"},
        {"<font color=red face='Georgia, serif'>x</font>", "color=FF0000"},
        {"<font face='Georgia, serif'>x</font>", "font=\"Georgia\""},
        {"<span style='font: italic bold 18px/2 Verdana'>x</span>", "size=13.5"},
        {"<span style='text-decoration: line-through'>x</span>", "strike"},
        {"<span style='font-variant: small-caps'>x</span>", "smallCaps"},
        {"<span style='text-transform: uppercase'>x</span>", "allCaps"},
        {"<span style='background-color: #00ff00'>x</span>", "fill=00FF00"},
        {"<p style='font-size: 30pt'><span style='font-size: 50%'>x</span></p>", "size=15"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Html);
        ExpectHas(Dump(c.Html), c.Expect);
    }
}

TEST(ReadHTML, ParagraphsHeadingsAndCascade)
{
    const std::string dump = Dump(
        "<style>div p { text-align: center } p.note { color: #0000ff } .note { color: #ff0000 }"
        " .big { margin-left: 1in; text-indent: -0.5in; margin-top: 12pt; line-height: 150% }</style>"
        "<h1>Title</h1><h5>Small</h5><div><p>centred</p></div><p>plain</p>"
        "<p class=note>blue</p><p class=note style='color: green'>green</p><p class=big>indented</p>"
        "<blockquote>quoted</blockquote><center>mid</center><p align=right>right</p>"
        "<p style='display:none'>gone</p><div hidden>gone too</div>");
    ExpectHas(dump, "style=\"Heading1\"");
    ExpectHas(dump, "style=\"Heading5\"");
    ExpectHas(dump, "align=Center");
    ExpectHas(dump, "color=0000FF");
    ExpectHas(dump, "color=008000");
    ExpectHas(dump, "align=Right");
    EXPECT_EQ(dump.find("gone"), std::string::npos) << dump;
    // The cascade: "div p" centres only the paragraph inside the div.
    const std::size_t centred = dump.find("\"centred\""), plain = dump.find("\"plain\"");
    ASSERT_NE(plain, std::string::npos);
    EXPECT_EQ(dump.substr(centred, plain - centred).find("align"), std::string::npos);
}

TEST(ReadHTML, WhitespaceCollapsesAndPreKeepsLines)
{
    TVYXLogDocEditor doc;
    TVYXReadHTML reader(doc);
    reader.LoadFromBytes("<p>  a \n\t b<b> c </b> d  </p>\n\n<p>\n</p><pre>x  y\nz</pre>");
    EXPECT_EQ(VYXHtmlBodyText(doc.Paras()), u"a b c d\n\nx  y z");
}

TEST(ReadHTML, ListsNestToAnyDepth)
{
    std::string html = "<ol><li>one<ul><li>two<ol type=i><li>three<ul><li>four<ul><li>five";
    for (int i = 0; i < 12; ++i)
        html += "<ul><li>deep" + std::to_string(i);
    const std::string dump = Dump(html);
    ExpectHas(dump, "list=");
    ExpectHas(dump, ":4");   // five levels
    ExpectHas(dump, ":8");   // deeper ones stay at the model's last level
    ExpectHas(dump, "deep11");
    const std::string none = Dump("<ul style='list-style-type: none'><li>bare</ul>");
    EXPECT_EQ(none.find("list="), std::string::npos) << none;
}

TEST(ReadHTML, TablesWithSpansWidthsAndHeaders)
{
    const std::string dump = Dump(
        "<table border=1 width=400px><thead><tr><th>H1<th>H2<th>H3</thead>"
        "<tr><td rowspan=2 width='25%'>tall<td colspan=2 bgcolor=#ffcc00>wide"
        "<tr><td>b<td style='padding-left: 10pt; border-bottom: 2pt dashed red'>c"
        "<tr><td><table><tr><td>nested</table><td>x<td>y</table>");
    ExpectHas(dump, "table rows=4 cols=3");
    ExpectHas(dump, "merge=root");
    ExpectHas(dump, "span=2");
    ExpectHas(dump, "header");
    ExpectHas(dump, "\"nested\"");
    ExpectHas(dump, "fill=FFCC00");
    ExpectHas(dump, "width=75");  // 25% of 300 pt
}

TEST(ReadHTML, PicturesLinksAndBookmarks)
{
    // A 1x1 PNG as a data: URI, one beside the document, and one that is missing.
    const std::string png =
        "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg==";
    const fs::path dir = fs::temp_directory_path() / (std::string("vyx-html-read-test-") + std::to_string(::getpid()));
    fs::create_directories(dir);
    {
        std::ofstream(dir / "pic.png", std::ios::binary) << VYXHtmlDecodeBase64ForTest(png);
    }
    const std::string html = "<p><a name=top></a><img src='data:image/png;base64," + png +
                             "'><img src='pic.png'><img src='nope.png'>"
                             "<a href='https://example.com/'>link</a> <a href='#top'>up</a></p>";
    std::ofstream(dir / "page.html", std::ios::binary) << html;
    TVYXLogDocEditor doc;
    TVYXReadHTML reader(doc);
    reader.LoadFromFile((dir / "page.html").string());
    const std::string dump = VYXDumpParas(doc.Paras());
    std::size_t pictures = 0;
    for (std::size_t at = dump.find("picture"); at != std::string::npos; at = dump.find("picture", at + 1))
        ++pictures;
    EXPECT_EQ(pictures, 2u) << dump;
    ExpectHas(dump, "Missing Picture");
    ExpectHas(dump, "https://example.com/");
    ExpectHas(dump, "\"top\"");
    fs::remove_all(dir);
    EXPECT_THROW(reader.LoadFromFile((dir / "gone.html").string()), VYXException);
}

TEST(ReadHTML, HostileInputStaysBounded)
{
    std::string html;
    for (int i = 0; i < 3000; ++i)
        html += "<table><tr><td><ul><li><b>";
    html += "deep";
    std::string wide = "<table><tr>";
    for (int i = 0; i < 500; ++i)
        wide += "<td colspan=1000 rowspan=99999>c";
    wide += "</table><img src='data:image/png;base64,AAAA'><img src='data:,'>";
    for (const std::string& h : {html, wide, std::string("<p>\xff\xfe\x00<"), std::string()}) {
        TVYXLogDocEditor doc;
        TVYXReadHTML reader(doc);
        EXPECT_NO_THROW(reader.LoadFromBytes(h));
        EXPECT_GE(doc.Paras().Count(), 1);  // even an empty file leaves a paragraph for the caret
    }
}

TEST(ReadHTML, BordersOfParagraphsAndBoxes)
{
    TVYXLogDocEditor doc;
    TVYXReadHTML reader(doc);
    reader.LoadFromBytes("<p style='border-bottom: 2px dashed #ff0000'>own</p>"
                         "<div style='border: 1pt solid'><p>first</p><p>middle</p><p>last</p></div>");
    std::vector<TVYXLogPara*> paras;
    for (int i = 0; i < doc.Paras().Count(); ++i)
        if (TVYXLogPara* p = doc.Paras().ParaAtIndex(i); p && !p->Empty())
            paras.push_back(p);
    ASSERT_EQ(paras.size(), 4u);
    const TVYXDocPropBorder* own = paras[0]->PAPX().GetBorderBottom();
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->Style, stbDashed);
    EXPECT_EQ(own->Color, 0xFF0000u);
    EXPECT_DOUBLE_EQ(own->Width, 1.5);
    // The box: sides on every paragraph, the top on the first, the bottom on the last.
    EXPECT_NE(paras[1]->PAPX().GetBorderTop(), nullptr);
    EXPECT_EQ(paras[2]->PAPX().GetBorderTop(), nullptr);
    EXPECT_EQ(paras[2]->PAPX().GetBorderBottom(), nullptr);
    EXPECT_NE(paras[2]->PAPX().GetBorderLeft(), nullptr);
    EXPECT_NE(paras[3]->PAPX().GetBorderBottom(), nullptr);
}

TEST(ReadHTML, TextOutsideCellsKeepsItsOrder)
{
    struct TCase {
        const char* Html;
        const char16_t* Text;
    };
    const TCase cases[] = {
        {"<table><tr><td>a</td> stray <td>b</td></tr> after <tr><td>c</td></tr></table>", u"a stray b after c"},
        {"<table>before<tr><td>x</td></tr></table>end", u"before x end"},
        {"<table><tbody><p>para</p><tr><td>y</td></tr></tbody></table>", u"para y"},
        {"<table><tr><td>1</td></tr><b>bold</b></table>", u"1 bold"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Html);
        TVYXLogDocEditor doc;
        TVYXReadHTML reader(doc);
        reader.LoadFromBytes(c.Html);
        EXPECT_EQ(U8(VYXHtmlNormalizeText(VYXHtmlBodyText(doc.Paras()))), U8(c.Text));
    }
}
