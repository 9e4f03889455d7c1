// VYXReadHTMLStyleTest.cpp: the reader's CSS beyond fonts and blocks: page breaks and
// keeping together, wrapping and direction, line heights in every unit, highlights,
// size limits of pictures and tables, row heights, lists as office suites write them
// (mso-list with their conditional labels), and lists inside quotations and cells.
#include <gtest/gtest.h>

#include <string>

#include "editing/VYXLogEditor.h"
#include "formats/VYXCSSParse.h"
#include "formats/VYXReadHTML.h"
#include "formats/VYXWriteHTML.h"
#include "formats/tests/VYXHtmlTestUtils.h"
#include "model/VYXDocData.h"
#include "model/VYXDocDump.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNumbering.h"
#include "model/VYXStyles.h"
#include "platform/VYXUnicode.h"

namespace {

// A 4 x 2 pixel picture.
constexpr const char* cPng = "data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAAAQAAAACCAIAAADwyuo0AAAAEElEQVR4nGP4z8A"
                             "ARwzIHABvqgf5gNwAKAAAAABJRU5ErkJggg==";

void Read(TVYXLogDocEditor& doc, const std::string& html)
{
    TVYXReadHTML reader(doc);
    reader.LoadFromBytes(html);
}

std::string Dump(const std::string& html)
{
    TVYXLogDocEditor doc;
    Read(doc, html);
    return VYXDumpParas(doc.Paras());
}

void ExpectHas(const std::string& dump, const std::string& needle)
{
    EXPECT_NE(dump.find(needle), std::string::npos) << "missing: " << needle << "\n" << dump;
}

TVYXLogPara& Para(TVYXLogDocEditor& doc, int i)
{
    TVYXLogPara* p = doc.Paras().ParaAtIndex(i);
    if (!p)
        throw std::runtime_error("no paragraph " + std::to_string(i));
    return *p;
}

// The break runs of a paragraph, in order, as "L" (line) and "P" (page).
std::string Breaks(const TVYXLogPara& para)
{
    std::string out;
    for (int r = 0; r < para.Count(); ++r)
        if (para.GetItems(r)->Type_() == acrtBreak)
            out += static_cast<const TVYXCharRunBreak*>(para.GetItems(r))->BreakType == acrbtPageBreak ? 'P' : 'L';
    return out;
}

}  // namespace

TEST(ReadHTMLStyle, PageBreaksEndThePreviousParagraph)
{
    TVYXLogDocEditor doc;
    Read(doc, "<p style='page-break-before: always'>first</p><p>a</p><div style='break-after: page'><p>b</p></div>"
              "<p>c<br style='page-break-before: always'>d</p><h2 style='break-before: column'>e</h2>"
              "<table><tr><td style='page-break-before: always'>cell</td></tr></table>"
              "<p style='page-break-before: always'>after table</p>");
    // Nothing to break before the first paragraph; a box's break ends its last paragraph.
    EXPECT_EQ(Breaks(Para(doc, 0)), "");
    EXPECT_EQ(Breaks(Para(doc, 1)), "");
    EXPECT_EQ(Breaks(Para(doc, 2)), "P");
    EXPECT_EQ(Breaks(Para(doc, 3)), "P");  // the office suites' "<br style=page-break-before>"
    EXPECT_EQ(Breaks(Para(doc, 4)), "");   // column breaks have no page to break
    const std::string dump = VYXDumpParas(doc.Paras());
    // Cells have no pages of their own; after a table the break opens the next paragraph.
    const std::size_t cell = dump.find("\"cell\""), after = dump.find("\"after table\"");
    ASSERT_NE(after, std::string::npos) << dump;
    EXPECT_EQ(dump.substr(0, cell).find("PageBreak", dump.find("\"e\"")), std::string::npos) << dump;
    EXPECT_NE(dump.substr(cell, after - cell).find("PageBreak"), std::string::npos) << dump;
    EXPECT_EQ(VYXHtmlNormalizeText(VYXHtmlBodyText(doc.Paras())), u"first a b c d e cell after table");
}

TEST(ReadHTMLStyle, KeepingWrappingDirectionAndLineHeights)
{
    TVYXLogDocEditor doc;
    Read(doc, "<p style='page-break-inside: avoid; page-break-after: avoid'>kept</p>"
              "<p style='white-space: nowrap'>one   line</p><div style='white-space: pre'>pre  kept</div>"
              "<p dir=rtl>right</p><p style='direction: rtl'>also</p><p>left</p>"
              "<p style='line-height: 1.5em'>em</p><p style='line-height: 2'>number</p>"
              "<p style='line-height: 150%'>percent</p><p style='line-height: 24px'>pixels</p>"
              "<p style='line-height: 18pt; mso-line-height-rule: exactly'>exact</p>"
              "<p style='line-height: normal'>normal</p>"
              "<div style='page-break-after: avoid'><p>inner</p></div>"
              "<p style='font-size: 10pt; margin-left: 4em; text-indent: -2em; margin-top: 1.5em'>ems</p>"
              "<p style='margin-left: 10%; margin-bottom: 2%'>percent</p>");
    EXPECT_TRUE(Para(doc, 0).PAPX().GetKeepLines());
    EXPECT_TRUE(Para(doc, 0).PAPX().GetKeepNext());
    EXPECT_FALSE(Para(doc, 1).PAPX().GetKeepNext());
    EXPECT_TRUE(Para(doc, 1).PAPX().GetNoWrap());
    EXPECT_EQ(Para(doc, 1).GetPlainText(), u"one line");  // nowrap still collapses blanks
    EXPECT_TRUE(Para(doc, 2).PAPX().GetNoWrap());
    EXPECT_EQ(Para(doc, 2).GetPlainText(), u"pre  kept");
    EXPECT_TRUE(Para(doc, 3).PAPX().RTL);
    EXPECT_TRUE(Para(doc, 4).PAPX().RTL);
    EXPECT_FALSE(Para(doc, 5).PAPX().RTL);
    TVYXLogDocEditor arabic;
    Read(arabic, "<html dir=rtl><body><p>\u0645\u0631\u062d\u0628\u0627</p><p dir=ltr>left</p></body></html>");
    EXPECT_TRUE(Para(arabic, 0).PAPX().RTL);
    EXPECT_FALSE(Para(arabic, 1).PAPX().RTL);
    const struct {
        int Para;
        TVYXPAPLineSpacingType Type;
        double Value;
    } heights[] = {{6, aplstMultiple, 1.5}, {7, aplstMultiple, 2}, {8, aplstMultiple, 1.5},
                   {9, aplstAtLeast, 18},   {10, aplstExactly, 18}};
    for (const auto& h : heights) {
        SCOPED_TRACE(h.Para);
        TVYXParaData pd;
        Para(doc, h.Para).SetupParaData(pd);
        EXPECT_EQ(pd.LineSpacingType, h.Type);
        EXPECT_DOUBLE_EQ(pd.LineSpacing, h.Value);
    }
    EXPECT_FALSE(Para(doc, 11).PAPX().Assigned(vypiLineSpacingType));
    EXPECT_FALSE(Para(doc, 12).PAPX().GetKeepNext());  // not inherited
    // Ems of margins and indents are of the font size, percentages of the width.
    TVYXParaData ems, percent;
    Para(doc, 13).SetupParaData(ems);
    EXPECT_DOUBLE_EQ(ems.IndentLeft, 40);
    EXPECT_DOUBLE_EQ(ems.IndentHanging, 20);
    EXPECT_DOUBLE_EQ(ems.SpaceBefore, 15);
    Para(doc, 14).SetupParaData(percent);
    EXPECT_NEAR(percent.IndentLeft, doc.Width() / 10, 1e-9);
    EXPECT_NEAR(percent.SpaceAfter, doc.Width() / 50, 1e-9);
}

TEST(ReadHTMLStyle, HighlightsShadingsAndIgnoredProperties)
{
    const std::string dump =
        Dump("<p><span style='mso-highlight: yellow; background: yellow'>marked</span>"
             "<span style='background: #00ff00'>shaded</span><span style='mso-highlight: darkCyan'>cyan</span>"
             "<span style='letter-spacing: 2pt; word-spacing: 1em; list-style-image: url(x.png)'>plain</span></p>");
    ExpectHas(dump, "\"marked\" highlight=FFFF00");
    EXPECT_EQ(dump.find("\"marked\" highlight=FFFF00 fill"), std::string::npos) << dump;
    ExpectHas(dump, "\"shaded\" fill=00FF00");
    ExpectHas(dump, "\"cyan\" highlight=008080");
    ExpectHas(dump, "text \"plain\"\n");
    TVYXLogDocEditor doc;
    TVYXReadHTML reader(doc);
    reader.ReadCSS("p { letter-spacing: 1px; list-style-position: inside; min-width: 3em; break-inside: avoid }");
    EXPECT_TRUE(reader.CSS().Errors().empty()) << (reader.CSS().Errors().empty() ? "" : reader.CSS().Errors().front());
}

TEST(ReadHTMLStyle, SizeLimitsOfPicturesTablesAndRows)
{
    TVYXLogDocEditor doc;
    Read(doc, std::string("<p><img src='") + cPng + "' width=200 height=100 style='max-width: 75pt'>"
                  "<img src='" + cPng + "' style='min-width: 2in'><img src='" + cPng +
                  "' style='max-height: 10pt; width: 80pt'><img src='" + cPng + "' style='width: 50%'></p>"
                  "<table width=900 style='max-width: 200pt'><tr><td>a</td><td style='height: 40pt'>b</td></tr>"
                  "<tr height=30 style='vertical-align: bottom'><td style='min-width: 150pt'>c</td><td>d</td></tr>"
                  "<tr valign=middle><td valign=top>e</td><td>f</td></tr></table>"
                  "<table style='min-width: 400pt' width=10><tr><td>g</td></tr></table>"
                  "<table style='width: 21em'><tr><td style='width: 5em'>h</td><td>i</td></tr></table>");
    std::vector<std::pair<double, double>> sizes;
    TVYXLogPara& first = Para(doc, 0);
    for (int r = 0; r < first.Count(); ++r)
        if (first.GetItems(r)->Type_() == acrtGraphic)
            if (auto* g = dynamic_cast<TVYXGraphicPicture*>(static_cast<TVYXCharRunGraphic*>(first.GetItems(r))->Graphic.get()))
                sizes.emplace_back(g->Width, g->Height);
    ASSERT_EQ(sizes.size(), 4u);
    // max-width narrows the given width; the height was given too, so it stays.
    EXPECT_DOUBLE_EQ(sizes[0].first, 75);
    EXPECT_DOUBLE_EQ(sizes[0].second, 75);
    // min-width widens the picture's own size (4 x 2 pixels), keeping its proportions.
    EXPECT_DOUBLE_EQ(sizes[1].first, 144);
    EXPECT_DOUBLE_EQ(sizes[1].second, 72);
    // max-height lowers the height, and the width, which was given, stays.
    EXPECT_DOUBLE_EQ(sizes[2].first, 80);
    EXPECT_DOUBLE_EQ(sizes[2].second, 10);
    // A width in percent is of the page's width.
    EXPECT_NEAR(sizes[3].first, doc.Width() / 2, 1e-9);
    EXPECT_NEAR(sizes[3].second, doc.Width() / 4, 1e-9);

    const std::string dump = VYXDumpParas(doc.Paras());
    ExpectHas(dump, "table rows=3 cols=2 WidthType=3 Width=200 ");
    ExpectHas(dump, "row 0 height=40");
    ExpectHas(dump, "row 1 height=22.5");  // 30 pixels
    ExpectHas(dump, "cell 0 width=150 valign=Bottom");
    ExpectHas(dump, "cell 1 width=50 valign=Bottom");
    ExpectHas(dump, "cell 0 width=150\n");  // its own "top" wins over the row's "middle"
    ExpectHas(dump, "cell 1 width=50 valign=Center");
    ExpectHas(dump, "Width=400 ");
    // Ems of tables and cells are of the font size (the document's 10 points).
    ExpectHas(dump, "Width=210 ");
    ExpectHas(dump, "cell 0 width=50\n");
}

TEST(ReadHTMLStyle, OfficeListParagraphsBecomeLists)
{
    // As office suites save lists: each item a paragraph with mso-list, the label in a
    // conditional comment (both spellings) or an mso-list: Ignore span.
    const std::string html =
        "<p class=MsoListParagraphCxSpFirst style='margin-left:36.0pt;text-indent:-18.0pt;mso-list:l0 level1 lfo1'>"
        "<![if !supportLists]><span style='font-family:Symbol'><span style='mso-list:Ignore'>&middot;"
        "<span style='font:7.0pt \"Times New Roman\"'>&nbsp;&nbsp;&nbsp; </span></span></span><![endif]>Bullet one</p>"
        "<p style='margin-left:72.0pt;text-indent:-18.0pt;mso-list:l0 level2 lfo1'><!--[if !supportLists]-->"
        "<span style='font-family:\"Courier New\"'>o<span>&nbsp;&nbsp; </span></span><!--[endif]-->Sub item</p>"
        "<p style='mso-list:l0 level1 lfo1'><span style='mso-list:Ignore'>&middot;&nbsp;</span>Bullet two</p>"
        "<p class=MsoNormal>Between</p>"
        "<p style='mso-list:l1 level1 lfo2'><!--[if !supportLists]--><span>1.<span>&nbsp; </span></span>"
        "<!--[endif]-->Number one</p>"
        "<p style='mso-list:l1 level1 lfo2'><!--[if !supportLists]--><span>2.<span>&nbsp; </span></span>"
        "<!--[endif]-->Number two</p>"
        "<p style='mso-list:l2 level1 lfo3'><!--[if !supportLists]-->iv)&nbsp;<!--[endif]-->Roman</p>"
        "<p style='mso-list:l3 level1 lfo4'><!--[if !supportLists]-->B.&nbsp;<!--[endif]-->Letter</p>"
        "<p><!--[if !supportLists]-->kept<!--[endif]--> text <!--[if gte mso 9]>hidden<![endif]-->too</p>"
        "<h2 style='mso-list:l4 level1 lfo5'><![if !supportLists]><span style='mso-list:Ignore'>1.1&nbsp; </span>"
        "<![endif]>Numbered heading</h2>";
    TVYXLogDocEditor doc;
    Read(doc, html);
    // The labels are the lists' to draw: no text of theirs is left.
    EXPECT_EQ(VYXHtmlNormalizeText(VYXHtmlBodyText(doc.Paras())),
              u"Bullet one Sub item Bullet two Between Number one Number two Roman Letter text too "
              u"1.1 Numbered heading");
    const struct {
        int Para, Level;
        TVYXNumberingStyleType Style;
    } items[] = {{0, 0, anstBullet}, {1, 1, anstBullet}, {2, 0, anstBullet}, {4, 0, anstDecimal},
                 {5, 0, anstDecimal}, {6, 0, anstLowerRoman}, {7, 0, anstUpperLetter}};
    for (const auto& item : items) {
        SCOPED_TRACE(item.Para);
        const TVYXNumbering* n = Para(doc, item.Para).PAPX().GetNumbering();
        ASSERT_NE(n, nullptr);
        EXPECT_EQ(n->Level, item.Level);
        EXPECT_EQ(n->Style == anstBullet, item.Style == anstBullet);
        if (item.Style != anstBullet) {
            EXPECT_EQ(n->Style, item.Style);
        }
    }
    EXPECT_EQ(Para(doc, 3).PAPX().GetNumbering(), nullptr);
    // A numbered heading stays a heading, with its number as text.
    EXPECT_EQ(Para(doc, 9).PAPX().GetNumbering(), nullptr);
    ASSERT_NE(Para(doc, 9).PAPX().GetStyle(), nullptr);
    EXPECT_EQ(Para(doc, 9).PAPX().GetStyle()->Id, u"Heading2");
    // One list per mso-list key: the bullets around the sub item share one, the numbers another.
    const TVYXNumbering* a = Para(doc, 0).PAPX().GetNumbering();
    const TVYXNumbering* b = Para(doc, 2).PAPX().GetNumbering();
    const TVYXNumbering* c = Para(doc, 4).PAPX().GetNumbering();
    const TVYXNumbering* d = Para(doc, 5).PAPX().GetNumbering();
    EXPECT_EQ(a->NumList(), b->NumList());
    EXPECT_EQ(c->NumList(), d->NumList());
    EXPECT_NE(a->NumList(), c->NumList());
    // The indents are the level's, not the paragraph's own margin and hanging indent.
    TVYXParaData pd0, pd1;
    Para(doc, 0).SetupParaData(pd0);
    Para(doc, 1).SetupParaData(pd1);
    EXPECT_DOUBLE_EQ(pd0.IndentLeft, 36);
    EXPECT_GT(pd1.IndentLeft, pd0.IndentLeft);
}

TEST(ReadHTMLStyle, ListsInQuotationsAndCells)
{
    const std::string dump = Dump(
        "<blockquote><ul><li>a<ul><li>b</ul></ul><blockquote><p>deep</p><ol><li>n<li>m</ol></blockquote></blockquote>"
        "<ul><li>top</ul>"
        "<table><tr><td><ul><li>c1<ul><li>c2<ul><li>c3</ul></ul></ul><p>after</p></td></tr></table>");
    // A quotation moves its lists in by its indent, nested levels alike.
    ExpectHas(dump, "indentLeft=66 indentRight=30 indentHanging=18 list=0:0\n  text \"a\"");
    ExpectHas(dump, "indentLeft=84 indentRight=30 indentHanging=18 list=0:1\n  text \"b\"");
    ExpectHas(dump, "indentLeft=60 indentRight=60\n  text \"deep\"");
    ExpectHas(dump, "indentLeft=96 indentRight=60 indentHanging=18 list=1:0\n  text \"n\"");
    ExpectHas(dump, "indentLeft=96 indentRight=60 indentHanging=18 list=1:0\n  text \"m\"");
    // A list outside keeps the levels' own indents.
    ExpectHas(dump, "indentLeft=36 indentHanging=18 list=2:0\n  text \"top\"");
    // Three levels inside a cell.
    ExpectHas(dump, "list=3:0\n        text \"c1\"");
    ExpectHas(dump, "list=3:1\n        text \"c2\"");
    ExpectHas(dump, "list=3:2\n        text \"c3\"");
    ExpectHas(dump, "\n        text \"after\"");
}

TEST(ReadHTMLStyle, SampleRoundTripKeepsTheNewProperties)
{
    const std::string sample = VYXHtmlReadTestFile(std::string(VYX_TEST_DATA_DIR) + "/html/styles.html");
    TVYXLogDocEditor first;
    Read(first, sample);
    const std::string dump1 = VYXDumpParas(first.Paras());
    for (const char* needle : {"keepNext", "lineSpacing=4:18", "lineSpacing=5:1.5", "lineSpacing=3:15",
                               "highlight=FFFF00", "fill=CCFFCC", "break PageBreak", "list=0:0", "list=0:1",
                               "list=1:0", "indentLeft=66", "indentLeft=84", "indentLeft=96", "indentLeft=76",
                               "row 0 height=30", "row 1 height=40", "valign=Bottom", "valign=Center", "graphic"})
        EXPECT_NE(dump1.find(needle), std::string::npos) << needle << "\n" << dump1;
    EXPECT_EQ(dump1.find("Ignore"), std::string::npos);
    EXPECT_EQ(dump1.find("1.\u00A0"), std::string::npos) << dump1;  // labels are the lists'

    TVYXWriteHTML writer(first);
    writer.EmbedPictures = true;
    const std::string html = writer.SaveToString();
    TVYXLogDocEditor second;
    Read(second, html);
    EXPECT_EQ(VYXDumpParas(second.Paras()), dump1) << html;
    // What the dump does not show: wrapping, keeping lines and direction.
    auto flags = [](TVYXLogDocEditor& doc) {
        std::string out;
        for (int i = 0; i < doc.Paras().Count(); ++i)
            if (TVYXLogPara* p = doc.Paras().ParaAtIndex(i))
                out += std::string(p->PAPX().GetNoWrap() ? "w" : "") + (p->PAPX().GetKeepLines() ? "k" : "") +
                       (p->PAPX().RTL ? "r" : "") + "|";
        return out;
    };
    EXPECT_EQ(flags(second), flags(first));
    EXPECT_NE(flags(first).find("|w|r|"), std::string::npos) << flags(first);
    EXPECT_NE(flags(first).find("k|"), std::string::npos) << flags(first);
    // Our own output written again is the same.
    TVYXWriteHTML again(second);
    again.EmbedPictures = true;
    EXPECT_EQ(again.SaveToString(), html);
}

TEST(ReadHTMLStyle, SpansAskingForHugeGridsAreReadAsText)
{
    // 200 cells whose spans would make a 200 x 63 grid: read as their text.
    std::string html = "<table>";
    for (int i = 0; i < 200; ++i)
        html += "<tr><td rowspan=65535 colspan=1000>c" + std::to_string(i);
    html += "</table><p>after</p>";
    TVYXLogDocEditor doc;
    Read(doc, html);
    const std::string dump = VYXDumpParas(doc.Paras());
    EXPECT_EQ(dump.find("table rows="), std::string::npos);
    ExpectHas(dump, "\"c0\"");
    ExpectHas(dump, "\"c199\"");
    ExpectHas(dump, "\"after\"");
    // A real table with wide spans stays a table: the grid is not many times its cells.
    std::string real = "<table><tr><th colspan=40>head</th></tr>";
    for (int r = 0; r < 60; ++r) {
        real += "<tr>";
        for (int c = 0; c < 40; ++c)
            real += "<td>" + std::to_string(c) + "</td>";
    }
    real += "</table>";
    ExpectHas(Dump(real), "table rows=61 cols=40");
}
