// VYXReadODTTest.cpp: OpenDocument text import: text order, styles, lists, tables,
// notes, hostile input and the shared corpus against an independent extraction.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadDOCX.h"
#include "formats/VYXWriteDOCX.h"
#include "formats/VYXZip5.h"
#include "import/VYXODT.h"
#include "import/VYXReadODT.h"
#include "model/VYXCharProps.h"
#include "model/VYXDocDump.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXNumbering.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "platform/VYXErrors.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {
namespace fs = std::filesystem;

const char* cNamespaces =
    R"( xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0")"
    R"( xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0")"
    R"( xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0")"
    R"( xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0")"
    R"( xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0")"
    R"( xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0")"
    R"( xmlns:xlink="http://www.w3.org/1999/xlink")"
    R"( xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0")";

// A flat document with these styles (inside office:styles / automatic-styles) and body.
std::string Flat(const std::string& body, const std::string& styles = {}, const std::string& autos = {},
                 const std::string& masters = {})
{
    return std::string("<?xml version=\"1.0\"?><office:document") + cNamespaces + "><office:styles>" + styles +
           "</office:styles><office:automatic-styles>" + autos + "</office:automatic-styles><office:master-styles>" +
           masters + "</office:master-styles><office:body><office:text>" + body +
           "</office:text></office:body></office:document>";
}

void Read(const std::string& bytes, TVYXLogDocEditor& doc)
{
    TVYXMemoryStream stream(bytes);
    TVYXReadODT reader(doc);
    reader.LoadFromStream(stream);
}

// A zip package of the given parts.
std::string Package(const std::vector<std::pair<std::string, std::string>>& parts)
{
    TVYXMemoryStream out;
    TXLSZipArchive zip;
    zip.OpenWrite(out);
    for (const auto& [name, bytes] : parts) {
        TVYXMemoryStream part(bytes);
        zip.AddStream(name, part);
    }
    zip.Close();
    return out.TakeBytes();
}

// The text of a paragraph list as the tests compare it: paragraphs end with "\n",
// tabs and line breaks as "\t" and "\n" (a line break as "\v" to tell it apart),
// table cells' paragraphs in reading order. Note marks give nothing.
void ListText(const TVYXLogParas& paras, std::u16string& out)
{
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsTable()) {
            const auto* table = static_cast<const TVYXTable*>(item);
            for (int r = 0; r < table->Count(); ++r)
                for (int c = 0; c < table->GetRows(r)->Count(); ++c) {
                    const TVYXTableCell* cell = table->GetRows(r)->GetCells(c);
                    if (!cell->GetMerged())
                        ListText(cell->Paras(), out);
                }
            continue;
        }
        const auto* para = static_cast<const TVYXLogPara*>(item);
        for (int r = 0; r < para->Count(); ++r) {
            const TVYXCharRun* run = para->GetItems(r);
            if (run->Revision() && run->Revision()->RevType == artDelete)
                continue;  // the text as it stands: deletions left out
            switch (run->Type_()) {
            case acrtText:
            case acrtHyperlink:
            case acrtSimpleField: out += run->Text(); break;
            case acrtTab: out += u'\t'; break;
            case acrtBreak:
                if (run->IsLineBreak())
                    out += u'\v';
                break;
            default: break;
            }
        }
        out += u'\n';
    }
}

std::string BodyText(const TVYXLogDocEditor& doc)
{
    std::u16string text;
    ListText(doc.Paras(), text);
    return Utf16ToUtf8(text);
}

// Empty paragraphs dropped, so lists that must end in a paragraph compare equal.
std::string Squeeze(const std::string& text)
{
    std::string out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            out += line + "\n";
    return out;
}

std::string ReadFileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const TVYXCharRun* FirstTextRun(const TVYXLogDocEditor& doc, int paraIndex = 0)
{
    const TVYXLogPara* para = doc.Paras().ParaAtIndex(paraIndex);
    for (int r = 0; para && r < para->Count(); ++r)
        if (para->GetItems(r)->Type_() == acrtText && !para->GetItems(r)->Text().empty())
            return para->GetItems(r);
    return nullptr;
}
}  // namespace

TEST(ReadODT, TextInDocumentOrder)
{
    struct TCase {
        const char* Body;
        const char* Text;
    };
    const TCase cases[] = {
        // Direct text and spans together keep both, in order.
        {"<text:p>one <text:span>two</text:span> three</text:p>", "one two three\n"},
        {"<text:p><text:span>a</text:span><text:span>b</text:span>c</text:p>", "abc\n"},
        // Blanks collapse; blanks at the ends go; text:s, text:tab, line breaks are kept.
        {"<text:p>\n   a  \t b\n  </text:p>", "a b\n"},
        {"<text:p>a<text:s text:c=\"3\"/>b<text:s/></text:p>", "a   b \n"},
        {"<text:p>a<text:tab/>b<text:line-break/>c</text:p>", "a\tb\vc\n"},
        {"<text:p>a <text:span> b</text:span></text:p>", "a b\n"},
        // Headings, links, bookmarks and fields in place.
        {"<text:h text:outline-level=\"2\">Title</text:h><text:p>x</text:p>", "Title\nx\n"},
        {"<text:p>see <text:a xlink:href=\"http://x.org\">here</text:a>!</text:p>", "see here!\n"},
        {"<text:p>a<text:bookmark text:name=\"m\"/>b<text:bookmark-start text:name=\"r\"/>c"
         "<text:bookmark-end text:name=\"r\"/></text:p>",
         "abc\n"},
        {"<text:p>Page <text:page-number>3</text:page-number> of <text:page-count>9</text:page-count></text:p>",
         "Page 3 of 9\n"},
        {"<text:p>v<text:sequence>1</text:sequence></text:p>", "v1\n"},
        // A number the file keeps for display is no text: the model numbers lists itself.
        {"<text:list><text:list-item><text:number>1.</text:number><text:p>item</text:p></text:list-item></text:list>",
         "item\n"},
        {"<text:h><text:number>2</text:number>Title</text:h>", "Title\n"},
        // Sections and indexes give their text; comments, soft breaks and changes do not.
        {"<text:section><text:p>in</text:p></text:section>", "in\n"},
        {"<text:p>a<office:annotation><text:p>note</text:p></office:annotation>b</text:p>", "ab\n"},
        {"<text:p>a<text:soft-page-break/>b</text:p>", "ab\n"},
        {"<text:p/>", "\n"},
        // Surrogate pairs and entities pass unchanged.
        {"<text:p>&#x1F600; &amp; &lt;</text:p>", "\xF0\x9F\x98\x80 & <\n"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Body);
        TVYXLogDocEditor doc;
        Read(Flat(c.Body), doc);
        EXPECT_EQ(BodyText(doc), c.Text);
    }
}

TEST(ReadODT, OtherNamespacePrefixesReadTheSame)
{
    // Producers may choose their own prefixes: names are matched by namespace URI.
    const std::string xml =
        "<o:document xmlns:o=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
        " xmlns:t=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
        " xmlns:s=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
        " xmlns:f=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\">"
        "<o:automatic-styles><s:style s:name=\"T\" s:family=\"text\"><s:text-properties f:font-weight=\"bold\"/>"
        "</s:style></o:automatic-styles><o:body><o:text><t:p>plain <t:span t:style-name=\"T\">bold</t:span>"
        "<t:s t:c=\"2\"/></t:p></o:text></o:body></o:document>";
    TVYXLogDocEditor doc;
    Read(xml, doc);
    EXPECT_EQ(BodyText(doc), "plain bold  \n");
    const TVYXLogPara* para = doc.Paras().GetParas(0);
    ASSERT_GE(para->Count(), 2);
    ASSERT_NE(para->GetItems(1)->CHPX(), nullptr);
    EXPECT_TRUE(para->GetItems(1)->CHPX()->GetBold());

    // The text namespace as the default one: unprefixed elements are text elements.
    TVYXLogDocEditor byDefault;
    Read("<o:document xmlns:o=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\"><o:body><o:text>"
         "<p xmlns=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\">one<tab/>two</p></o:text></o:body></o:document>",
         byDefault);
    EXPECT_EQ(BodyText(byDefault), "one\ttwo\n");
}

TEST(ReadODT, HeadingsLinksAndBookmarks)
{
    TVYXLogDocEditor doc;
    Read(Flat("<text:h text:outline-level=\"2\">T</text:h>"
              "<text:p>x <text:a xlink:href=\"#T\">in</text:a> <text:a xlink:href=\"http://x.org/\">out</text:a>"
              "<text:bookmark-start text:name=\"r\"/>c</text:p><text:p>d<text:bookmark-end text:name=\"r\"/></text:p>"),
         doc);
    EXPECT_EQ(doc.Paras().GetParas(0)->PAPX().GetOutlineLevel(), 1);
    const std::string dump = VYXDumpParas(doc.Paras());
    EXPECT_NE(dump.find("outline=1"), std::string::npos) << dump;
    ASSERT_EQ(doc.Hyperlinks().Count(), 2);
    EXPECT_NE(doc.Bookmarks().Find(u"r"), nullptr);
}

TEST(ReadODT, SizesInEveryUnit)
{
    struct TCase {
        const char* Size;
        double Points;
    };
    const TCase cases[] = {{"2cm", 56.69}, {"0.5in", 36}, {"10mm", 28.35}, {"12pt", 12}, {"1pc", 12},
                           {"16px", 12},   {"11", 11},    {"150%", 18}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Size);
        // The paragraph default is 12pt, so a percentage means 12pt times it.
        const std::string styles =
            "<style:default-style style:family=\"paragraph\"><style:text-properties fo:font-size=\"12pt\"/>"
            "</style:default-style>";
        const std::string autos = std::string("<style:style style:name=\"T1\" style:family=\"text\">"
                                              "<style:text-properties fo:font-size=\"") +
                                  c.Size + "\"/></style:style>";
        TVYXLogDocEditor doc;
        Read(Flat("<text:p><text:span text:style-name=\"T1\">x</text:span></text:p>", styles, autos), doc);
        const TVYXCharRun* run = FirstTextRun(doc);
        ASSERT_NE(run, nullptr);
        ASSERT_NE(run->CHPX(), nullptr);
        EXPECT_NEAR(run->CHPX()->GetSize(), c.Points, 0.01);
    }
    double points = 0;
    EXPECT_FALSE(VYXODTLength("2em", points));
    EXPECT_FALSE(VYXODTLength("cm", points));
    EXPECT_FALSE(VYXODTLength("1e999pt", points));
}

TEST(ReadODT, StylesInheritAndBlackIsAColour)
{
    const std::string styles =
        "<style:default-style style:family=\"paragraph\"><style:text-properties fo:font-size=\"10pt\"/>"
        "<style:paragraph-properties fo:margin-top=\"0.1in\"/></style:default-style>"
        "<style:style style:name=\"Base\" style:family=\"paragraph\"><style:text-properties fo:font-weight=\"bold\""
        " fo:color=\"#ff0000\"/><style:paragraph-properties fo:text-align=\"center\"/></style:style>"
        "<style:style style:name=\"Child\" style:family=\"paragraph\" style:parent-style-name=\"Base\">"
        "<style:text-properties fo:font-style=\"italic\"/><style:paragraph-properties fo:margin=\"1pt\""
        " fo:margin-bottom=\"2pt\"/></style:style>"
        // A chain that loops must end.
        "<style:style style:name=\"L1\" style:family=\"paragraph\" style:parent-style-name=\"L2\"/>"
        "<style:style style:name=\"L2\" style:family=\"paragraph\" style:parent-style-name=\"L1\"/>";
    const std::string autos =
        "<style:style style:name=\"P1\" style:family=\"paragraph\" style:parent-style-name=\"Child\">"
        "<style:text-properties fo:color=\"#000000\" style:text-underline-style=\"solid\"/></style:style>"
        "<style:style style:name=\"T1\" style:family=\"text\"><style:text-properties fo:font-weight=\"normal\""
        " style:text-position=\"super 58%\" fo:font-variant=\"small-caps\"/></style:style>";
    TVYXLogDocEditor doc;
    Read(Flat("<text:p text:style-name=\"P1\">a<text:span text:style-name=\"T1\">b</text:span></text:p>"
              "<text:p text:style-name=\"L1\">loop</text:p>",
              styles, autos),
         doc);
    const TVYXLogPara* para = doc.Paras().GetParas(0);
    ASSERT_EQ(para->Count(), 2);
    const TVYXCHPX* a = para->GetItems(0)->CHPX();
    const TVYXCHPX* b = para->GetItems(1)->CHPX();
    ASSERT_TRUE(a && b);
    EXPECT_TRUE(a->GetBold());
    EXPECT_TRUE(a->GetItalic());
    EXPECT_TRUE(a->Assigned(vyciColor));
    EXPECT_EQ(a->GetColor(), 0u);  // black, set
    EXPECT_EQ(a->GetUnderline(), vycuSingle);
    EXPECT_NEAR(a->GetSize(), 10, 0.01);
    EXPECT_FALSE(b->GetBold());
    EXPECT_TRUE(b->GetItalic());
    EXPECT_EQ(b->GetSubSuperscript(), vycssSuperscript);
    EXPECT_TRUE(b->GetSmallCaps());
    EXPECT_EQ(para->PAPX().GetAlignment(), vyptaCenter);
    // The parent's top margin gives way to the child's shorthand; the child's own bottom wins.
    EXPECT_NEAR(para->PAPX().GetSpaceBefore(), 1, 0.01);
    EXPECT_NEAR(para->PAPX().GetSpaceAfter(), 2, 0.01);
    EXPECT_NEAR(para->PAPX().GetIndentLeft(), 1, 0.01);
    EXPECT_EQ(BodyText(doc), "ab\nloop\n");
}

TEST(ReadODT, NestedListsNumberByLevel)
{
    const std::string autos =
        "<text:list-style style:name=\"L1\">"
        "<text:list-level-style-number text:level=\"1\" style:num-format=\"1\" style:num-suffix=\".\"/>"
        "<text:list-level-style-number text:level=\"2\" style:num-format=\"a\" style:num-suffix=\")\"/>"
        "<text:list-level-style-bullet text:level=\"3\" text:bullet-char=\"-\"/></text:list-style>";
    const std::string body =
        "<text:list text:style-name=\"L1\"><text:list-item><text:p>one</text:p>"
        "<text:list><text:list-item><text:p>one a</text:p><text:list><text:list-item><text:p>deep</text:p>"
        "</text:list-item></text:list></text:list-item></text:list></text:list-item>"
        "<text:list-item><text:p>two</text:p><text:p>more of two</text:p></text:list-item></text:list>"
        "<text:p>after</text:p><text:list text:style-name=\"L1\" text:continue-numbering=\"true\">"
        "<text:list-item><text:p>three</text:p></text:list-item></text:list>";
    TVYXLogDocEditor doc;
    Read(Flat(body, {}, autos), doc);
    EXPECT_EQ(BodyText(doc), "one\none a\ndeep\ntwo\nmore of two\nafter\nthree\n");
    auto level = [&](int i) {
        const TVYXNumbering* n = doc.Paras().GetParas(i)->PAPX().GetNumbering();
        return n ? n->Level : -1;
    };
    EXPECT_EQ(level(0), 0);
    EXPECT_EQ(level(1), 1);
    EXPECT_EQ(level(2), 2);
    EXPECT_EQ(level(3), 0);
    EXPECT_EQ(level(4), -1);  // a second paragraph of an item has no number
    EXPECT_EQ(level(5), -1);
    EXPECT_EQ(level(6), 0);
    const TVYXNumbering* one = doc.Paras().GetParas(0)->PAPX().GetNumbering();
    const TVYXNumbering* three = doc.Paras().GetParas(6)->PAPX().GetNumbering();
    EXPECT_EQ(one->NumList(), three->NumList());  // numbering continues
    EXPECT_EQ(one->Style, anstDecimal);
    EXPECT_EQ(doc.Paras().GetParas(1)->PAPX().GetNumbering()->Style, anstLowerLetter);
    EXPECT_EQ(doc.Paras().GetParas(2)->PAPX().GetNumbering()->Style, anstBullet);
    TVYXListCounter counter;
    EXPECT_EQ(counter.Next(one, false), u"1.");

    // A list may continue one of a given id past another list of its style.
    TVYXLogDocEditor byId;
    Read(Flat("<text:list xml:id=\"a\" text:style-name=\"L1\"><text:list-item><text:p>a1</text:p></text:list-item>"
              "</text:list><text:list text:style-name=\"L1\"><text:list-item><text:p>b1</text:p></text:list-item>"
              "</text:list><text:list text:continue-list=\"a\" text:style-name=\"L1\"><text:list-item><text:p>a2"
              "</text:p></text:list-item></text:list>",
              {}, autos),
         byId);
    const auto* a1 = byId.Paras().GetParas(0)->PAPX().GetNumbering();
    const auto* b1 = byId.Paras().GetParas(1)->PAPX().GetNumbering();
    const auto* a2 = byId.Paras().GetParas(2)->PAPX().GetNumbering();
    ASSERT_TRUE(a1 && b1 && a2);
    EXPECT_NE(a1->NumList(), b1->NumList());
    EXPECT_EQ(a1->NumList(), a2->NumList());

    // Headings numbered by the outline style.
    TVYXLogDocEditor headings;
    Read(Flat("<text:h text:outline-level=\"1\">A</text:h><text:h text:outline-level=\"2\">B</text:h><text:p>x</text:p>",
              "<text:outline-style style:name=\"Outline\"><text:outline-level-style text:level=\"1\""
              " style:num-format=\"1\"/><text:outline-level-style text:level=\"2\" style:num-format=\"1\""
              " text:display-levels=\"2\"/></text:outline-style>"),
         headings);
    const TVYXNumbering* h1 = headings.Paras().GetParas(0)->PAPX().GetNumbering();
    const TVYXNumbering* h2 = headings.Paras().GetParas(1)->PAPX().GetNumbering();
    ASSERT_TRUE(h1 && h2);
    EXPECT_EQ(h2->Level, 1);
    EXPECT_EQ(h2->Text, u"%1.%2");
    EXPECT_EQ(headings.Paras().GetParas(2)->PAPX().GetNumbering(), nullptr);
}

TEST(ReadODT, TablesNestedSpannedAndSized)
{
    const std::string autos =
        "<style:style style:name=\"C1\" style:family=\"table-column\"><style:table-column-properties"
        " style:column-width=\"1in\"/></style:style>"
        "<style:style style:name=\"C2\" style:family=\"table-column\"><style:table-column-properties"
        " style:column-width=\"2in\"/></style:style>"
        "<style:style style:name=\"X\" style:family=\"table-cell\"><style:table-cell-properties"
        " fo:background-color=\"#00ff00\" fo:border=\"1pt solid #000000\"/></style:style>";
    const std::string body =
        "<table:table><table:table-column table:style-name=\"C1\"/>"
        "<table:table-column table:style-name=\"C2\" table:number-columns-repeated=\"2\"/>"
        "<table:table-header-rows><table:table-row><table:table-cell table:number-columns-spanned=\"2\""
        " table:style-name=\"X\"><text:p>wide</text:p></table:table-cell><table:covered-table-cell/>"
        "<table:table-cell table:number-rows-spanned=\"2\"><text:p>tall</text:p></table:table-cell>"
        "</table:table-row></table:table-header-rows>"
        "<table:table-row><table:table-cell><text:p>a</text:p></table:table-cell>"
        "<table:table-cell><table:table><table:table-row><table:table-cell><text:p>in</text:p>"
        "</table:table-cell><table:table-cell><text:p>ner</text:p></table:table-cell></table:table-row>"
        "</table:table></table:table-cell><table:covered-table-cell/></table:table-row></table:table>";
    TVYXLogDocEditor doc;
    Read(Flat(body, {}, autos), doc);
    EXPECT_EQ(Squeeze(BodyText(doc)), "wide\ntall\na\nin\nner\n");
    ASSERT_TRUE(doc.Paras().GetItems(0)->IsTable());
    const TVYXTable* table = doc.Paras().GetTables(0);
    ASSERT_EQ(table->Count(), 2);
    EXPECT_EQ(table->GetRows(0)->Count(), 2);  // the spanned pair is one cell
    EXPECT_EQ(table->GetRows(0)->GetCells(0)->GridSpan, 2);
    EXPECT_NEAR(table->GetRows(0)->GetCells(0)->GetWidth(), 216, 0.5);
    EXPECT_EQ(table->GetRows(0)->GetCells(0)->GetFillColor(), 0x00FF00);
    EXPECT_TRUE(table->GetRows(0)->GetCells(1)->GetMergedRoot());
    EXPECT_TRUE(table->GetRows(0)->RptData);  // a header row
    EXPECT_FALSE(table->GetRows(1)->RptData);
    EXPECT_TRUE(table->GetRows(1)->GetCells(2)->GetMerged());
    const TVYXTableCell* outer = table->GetRows(1)->GetCells(1);
    ASSERT_TRUE(outer->Paras().GetItems(0)->IsTable());
    EXPECT_TRUE(outer->Paras().Last()->IsPara());  // a cell never ends with a table
    EXPECT_TRUE(doc.Paras().Last()->IsPara());
}

TEST(ReadODT, NotesHeadersAndPageLayout)
{
    const std::string autos =
        "<style:page-layout style:name=\"pm1\"><style:page-layout-properties fo:page-width=\"21cm\""
        " fo:page-height=\"29.7cm\" fo:margin-top=\"1cm\" fo:margin-left=\"2cm\" fo:margin-right=\"2cm\""
        " fo:margin-bottom=\"1cm\"/><style:header-style><style:header-footer-properties fo:min-height=\"1cm\""
        " fo:margin-bottom=\"0.5cm\"/></style:header-style></style:page-layout>";
    const std::string masters =
        "<style:master-page style:name=\"Standard\" style:page-layout-name=\"pm1\"><style:header>"
        "<text:p>Head <text:page-number>1</text:page-number></text:p></style:header>"
        "<style:footer><text:p>Foot</text:p></style:footer></style:master-page>";
    const std::string body =
        "<text:p>a<text:note text:note-class=\"footnote\"><text:note-citation>1</text:note-citation>"
        "<text:note-body><text:p>first</text:p><text:p>second</text:p></text:note-body></text:note>b"
        "<text:note text:note-class=\"endnote\"><text:note-citation>i</text:note-citation><text:note-body>"
        "<text:p>end</text:p></text:note-body></text:note></text:p>";
    TVYXLogDocEditor doc;
    Read(Flat(body, {}, autos, masters), doc);
    EXPECT_EQ(BodyText(doc), "ab\n");
    ASSERT_EQ(doc.FootnoteList().Count(), 1);
    ASSERT_EQ(doc.EndnoteList().Count(), 1);
    EXPECT_EQ(Squeeze(BodyText(doc.Footnotes())), "first\nsecond\n");
    EXPECT_EQ(Squeeze(BodyText(doc.Endnotes())), "end\n");
    ASSERT_NE(doc.Headers().Find(ahftDefault), nullptr);
    EXPECT_EQ(BodyText(*doc.Headers().Find(ahftDefault)), "Head 1\n");
    EXPECT_EQ(BodyText(*doc.Footers().Find(ahftDefault)), "Foot\n");
    EXPECT_NEAR(doc.SEP().GetPageWidth(), 595.28, 0.1);
    EXPECT_NEAR(doc.SEP().GetMargLeft(), 56.69, 0.1);
    EXPECT_NEAR(doc.SEP().GetMargHeader(), 28.35, 0.1);
    EXPECT_NEAR(doc.SEP().GetMargTop(), 28.35 * 2.5, 0.1);
}

TEST(ReadODT, SectionsFollowMasterPagesAndStylesKeepTheirNames)
{
    const std::string styles =
        "<style:style style:name=\"Heading_20_1\" style:display-name=\"Heading 1\" style:family=\"paragraph\""
        " style:default-outline-level=\"1\"><style:text-properties fo:font-size=\"16pt\"/></style:style>"
        "<style:style style:name=\"Wide\" style:family=\"paragraph\" style:master-page-name=\"Landscape\"/>"
        "<style:style style:name=\"A\" style:family=\"paragraph\" style:parent-style-name=\"B\"/>"
        "<style:style style:name=\"B\" style:family=\"paragraph\" style:parent-style-name=\"A\"/>";
    const std::string autos =
        "<style:page-layout style:name=\"pm1\"><style:page-layout-properties fo:page-width=\"8.5in\""
        " fo:page-height=\"11in\"/></style:page-layout><style:page-layout style:name=\"pm2\">"
        "<style:page-layout-properties fo:page-width=\"11in\" fo:page-height=\"8.5in\"/></style:page-layout>"
        "<style:style style:name=\"P1\" style:family=\"paragraph\" style:parent-style-name=\"Heading_20_1\">"
        "<style:text-properties fo:font-weight=\"bold\"/></style:style>";
    const std::string masters =
        "<style:master-page style:name=\"Standard\" style:page-layout-name=\"pm1\"/>"
        "<style:master-page style:name=\"Landscape\" style:page-layout-name=\"pm2\"/>";
    TVYXLogDocEditor doc;
    Read(Flat("<text:h text:style-name=\"P1\">Portrait</text:h><text:p text:style-name=\"A\">loop</text:p>"
              "<text:p text:style-name=\"Wide\">Landscape</text:p>",
              styles, autos, masters),
         doc);
    EXPECT_EQ(BodyText(doc), "Portrait\nloop\nLandscape\n");
    const TVYXLogPara* first = doc.Paras().GetParas(0);
    ASSERT_NE(first->PAPX().GetStyle(), nullptr);
    EXPECT_EQ(first->PAPX().GetStyle()->Name, u"Heading 1");
    EXPECT_EQ(first->PAPX().GetStyledOutlineLevel(), 0);
    EXPECT_EQ(first->PAPX().GetStyle()->PAPX().GetOutlineLevel(), 0);
    EXPECT_TRUE(first->PAPX().GetStyle()->PAPX().Assigned(vypiOutlineLevel));
    // The section of the first two paragraphs ends at the second, portrait; the last one is landscape.
    const TVYXLogPara* second = doc.Paras().GetParas(1);
    ASSERT_NE(second->SEP(), nullptr);
    EXPECT_NEAR(second->SEP()->GetPageWidth(), 612, 0.01);
    EXPECT_NEAR(doc.SEP().GetPageWidth(), 792, 0.01);
    EXPECT_TRUE(doc.SEP().GetLandscape());
    // Bases that loop are cut: the chain ends.
    const TVYXStyle* a = second->PAPX().GetStyle();
    ASSERT_NE(a, nullptr);
    int steps = 0;
    for (const TVYXStyle* s = a; s && steps < 10; s = s->BasedOn)
        ++steps;
    EXPECT_LT(steps, 3);
    EXPECT_NE(doc.Styles().Find(u"B"), nullptr);
}

TEST(ReadODT, TrackedChangesAndComments)
{
    const std::string body =
        "<text:tracked-changes><text:changed-region text:id=\"d1\"><text:deletion><office:change-info>"
        "<dc:creator>Ann</dc:creator><dc:date>2015-03-01T18:19:00</dc:date></office:change-info>"
        "<text:p>gone</text:p></text:deletion></text:changed-region><text:changed-region text:id=\"i1\">"
        "<text:insertion><office:change-info><dc:creator>Bob</dc:creator></office:change-info></text:insertion>"
        "</text:changed-region></text:tracked-changes>"
        "<text:p>a <text:change text:change-id=\"d1\"/>b <text:change-start text:change-id=\"i1\"/>new"
        "</text:p><text:p>more<text:change-end text:change-id=\"i1\"/> c<office:annotation office:name=\"n\">"
        "<dc:creator>Cy</dc:creator><text:p>remark</text:p></office:annotation>d"
        "<office:annotation-end office:name=\"n\"/></text:p>";
    TVYXLogDocEditor doc;
    Read(std::string(Flat(body)).insert(std::string("<?xml version=\"1.0\"?><office:document").size(),
                                        " xmlns:dc=\"http://purl.org/dc/elements/1.1/\""),
         doc);
    EXPECT_EQ(BodyText(doc), "a b new\nmore cd\n");  // the text as it stands
    std::u16string deleted, inserted;
    std::u16string authors;
    for (int i = 0; i < 2; ++i) {
        const TVYXLogPara* para = doc.Paras().GetParas(i);
        for (int r = 0; r < para->Count(); ++r)
            if (const TVYXRevisionData* rev = para->GetItems(r)->Revision()) {
                (rev->RevType == artDelete ? deleted : inserted) += para->GetItems(r)->Text();
                authors += rev->Author;
            }
    }
    EXPECT_EQ(deleted, u"gone");
    EXPECT_EQ(inserted, u"newmore");
    EXPECT_EQ(authors.substr(0, 3), u"Ann");
    ASSERT_EQ(doc.Comments().Count(), 1);
    EXPECT_EQ(doc.Comments().GetItems(0)->Author, u"Cy");
    ASSERT_EQ(doc.Comments().GetItems(0)->Text.size(), 1u);
    EXPECT_EQ(doc.Comments().GetItems(0)->Text[0], u"remark");
}

TEST(ReadODT, PackagesAndTheirFailures)
{
    const std::string content = "<office:document-content" + std::string(cNamespaces) +
                                "><office:body><office:text><text:p>zipped</text:p></office:text>"
                                "</office:body></office:document-content>";
    {
        TVYXLogDocEditor doc;
        Read(Package({{"mimetype", "application/vnd.oasis.opendocument.text"}, {"content.xml", content}}), doc);
        EXPECT_EQ(BodyText(doc), "zipped\n");
    }
    struct TCase {
        std::string Bytes;
        const char* Message;  // nullptr: any message
    };
    const TCase cases[] = {
        {Package({{"mimetype", "application/vnd.oasis.opendocument.text"}}), "Can not open file. content.xml is missing"},
        {Package({{"content.xml", content},
                  {"META-INF/manifest.xml", "<manifest:manifest><manifest:file-entry><manifest:encryption-data/>"
                                            "</manifest:file-entry></manifest:manifest>"}}),
         "Can not open file. The document is encrypted"},
        {Package({{"content.xml", "<office:document-content><text:p a=>"}}), nullptr},
        {"PK\x03\x04 not really a zip", nullptr},
        {"", nullptr},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Message ? c.Message : "any");
        TVYXLogDocEditor doc;
        doc.AppendParaUI(u"old");
        try {
            Read(c.Bytes, doc);
            ADD_FAILURE() << "read without error";
        } catch (const VYXException& e) {
            if (c.Message) {
                EXPECT_STREQ(e.what(), c.Message);
            }
        }
        EXPECT_TRUE(doc.Paras().Last() && doc.Paras().Last()->IsPara());
    }
}

TEST(ReadODT, HostileInputEndsCleanly)
{
    // Lists nested far deeper than any file would, a span of thousands of columns,
    // absurd repeats and spaces, a missing picture.
    std::string deep;
    for (int i = 0; i < 3000; ++i)
        deep += "<text:list><text:list-item>";
    deep += "<text:p>bottom</text:p>";
    for (int i = 0; i < 3000; ++i)
        deep += "</text:list-item></text:list>";
    const std::string wide =
        "<table:table><table:table-row><table:table-cell table:number-columns-spanned=\"100000\">"
        "<text:p>w</text:p></table:table-cell><table:table-cell table:number-columns-repeated=\"99999\"/>"
        "</table:table-row><table:table-row table:number-rows-repeated=\"2000000000\"><table:table-cell/>"
        "</table:table-row></table:table>";
    const std::string misc =
        "<text:p><text:s text:c=\"2147483647\"/>x<draw:frame svg:width=\"1cm\"><draw:image"
        " xlink:href=\"Pictures/none.png\"/></draw:frame></text:p>";
    for (const std::string& body : {deep, wide, misc}) {
        TVYXErrorManager errors;
        TVYXLogDocEditor doc(aldtMain, &errors);
        try {
            Read(Flat(body), doc);
        } catch (const VYXException&) {
        }
        EXPECT_TRUE(doc.Paras().Last() && doc.Paras().Last()->IsPara());
    }
    TVYXLogDocEditor doc;
    Read(Flat(wide), doc);
    ASSERT_TRUE(doc.Paras().GetItems(0)->IsTable());
    EXPECT_LE(doc.Paras().GetTables(0)->GetRows(0)->Count(), cVYXMaxTableCols);
    EXPECT_LE(doc.Paras().GetTables(0)->Count(), cVYXMaxTableRows);
}

TEST(ReadODT, RepeatedCellsCopyTheirTextWithinABudget)
{
    // Repeats are how a sheet saved as text stores its empty cells; a full cell
    // repeated in every column of every row would copy its text billions of times.
    const std::string cell = "<table:table-cell table:number-columns-repeated=\"1024\"><text:p>x<text:s"
                             " text:c=\"9999\"/></text:p></table:table-cell>";
    const std::string body = "<table:table><table:table-row table:number-rows-repeated=\"2147483647\">" + cell +
                             "</table:table-row></table:table>";
    TVYXErrorManager errors;
    TVYXLogDocEditor doc(aldtMain, &errors);
    Read(Flat(body), doc);
    ASSERT_TRUE(doc.Paras().GetItems(0)->IsTable());
    EXPECT_LT(doc.Paras().GetPlainText().size(), 4'000'000u);
    EXPECT_EQ(doc.Paras().GetTables(0)->GetRows(0)->GetCells(0)->Paras().GetPlainText().substr(0, 2), u"x ");
    EXPECT_GT(errors.GetCount(), 0);

    // A few repeats of real content are kept whole: the first cells of a row repeated twice.
    TVYXLogDocEditor small;
    Read(Flat("<table:table><table:table-row table:number-rows-repeated=\"2\"><table:table-cell"
              " table:number-columns-repeated=\"2\"><text:p>ab</text:p></table:table-cell></table:table-row>"
              "</table:table>"),
         small);
    ASSERT_TRUE(small.Paras().GetItems(0)->IsTable());
    const TVYXTable* table = small.Paras().GetTables(0);
    ASSERT_EQ(table->Count(), 2);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            EXPECT_EQ(table->GetRows(r)->GetCells(c)->Paras().GetPlainText(), u"ab") << r << "," << c;
}

TEST(ReadODT, EveryTruncationFailsCleanly)
{
    const std::string full = Flat(
        "<text:h>H</text:h><text:list><text:list-item><text:p>a<text:span>b</text:span></text:p>"
        "</text:list-item></text:list><table:table><table:table-row><table:table-cell><text:p>c"
        "<text:note><text:note-body><text:p>n</text:p></text:note-body></text:note></text:p></table:table-cell>"
        "</table:table-row></table:table>");
    for (std::size_t n = 0; n < full.size(); ++n) {
        SCOPED_TRACE(n);
        TVYXLogDocEditor doc;
        try {
            Read(full.substr(0, n), doc);
        } catch (const VYXException&) {
        }
        ASSERT_TRUE(doc.Paras().Last() && doc.Paras().Last()->IsPara());
    }
}

// Pictures from the package's Pictures folder and from inline base64 data, at the
// frame's size: inline when anchored as a character, floating otherwise.
TEST(ReadODT, CorpusPicturesInlineAndAnchored)
{
    const fs::path corpus = fs::path(VYX_SHARED_DIR) / "corpus" / "odt";
    if (!fs::exists(corpus))
        GTEST_SKIP() << "no shared corpus";
    struct TCase {
        const char* File;
        int MinPictures;
    };
    const TCase cases[] = {{"odfpy-ClimateChange2.odt", 4}, {"odfdo-images.fodt", 1},
                           {"tika-testODTEmbeddedImageLink.odt", 1}, {"pandoc-imageWithCaption.odt", 1}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.File);
        TVYXLogDocEditor doc;
        TVYXReadODT reader(doc);
        reader.LoadFromFile((corpus / c.File).string());
        EXPECT_EQ(reader.MissingPictures(), 0);
        EXPECT_GE(doc.Pictures().Count(), c.MinPictures);
        int inline_ = 0, floating = 0;
        TVYXLogParasIterator walk;
        walk.ParaEvent = [&](TVYXLogPara& para) {
            for (int r = 0; r < para.Count(); ++r)
                if (auto* g = dynamic_cast<TVYXCharRunGraphic*>(para.GetItems(r)); g && g->Graphic) {
                    ++inline_;
                    EXPECT_GT(g->Graphic->Width, 1);
                }
            if (para.Graphics())
                floating += para.Graphics()->Count();
        };
        walk.Iterate(doc.Paras());
        for (int i = 0; i < doc.TextBoxes().Count(); ++i)
            walk.Iterate(doc.TextBoxes().GetItems(i).Paras());
        EXPECT_GE(inline_ + floating, c.MinPictures);
    }
}


// Headings, lists, tables and notes survive ODT -> model -> DOCX -> model: the same
// text, the same outline levels and list levels paragraph by paragraph, the same
// table shapes, the same notes.
TEST(ReadODT, CorpusSurvivesTheDocxRoundTrip)
{
    const fs::path corpus = fs::path(VYX_SHARED_DIR) / "corpus" / "odt";
    if (!fs::exists(corpus))
        GTEST_SKIP() << "no shared corpus";
    // Paragraph by paragraph in reading order: outline level (headings), list level, text.
    auto outline = [](TVYXLogDocEditor& doc) {
        std::string out;
        TVYXLogParasIterator walk;
        walk.ParaEvent = [&](TVYXLogPara& para) {
            std::u16string text;
            for (int r = 0; r < para.Count(); ++r)
                if (para.GetItems(r)->Type_() == acrtText || para.GetItems(r)->Type_() == acrtHyperlink)
                    text += para.GetItems(r)->Text();
            if (text.empty())
                return;  // empty paragraphs a cell or a table needs do not count
            const TVYXNumbering* n = para.PAPX().GetNumbering();
            const int level = para.PAPX().GetStyledOutlineLevel();
            out += (level < 9 && para.PAPX().Assigned(vypiOutlineLevel) ? "h" + std::to_string(level) : "p") +
                   (n ? " list" + std::to_string(n->Level) : "") + " " + Utf16ToUtf8(text) + "\n";
        };
        walk.TableEvent = [&](TVYXTable& table) {
            out += "table " + std::to_string(table.Count()) + "x" + std::to_string(table.MaxCells()) + "\n";
        };
        walk.Iterate(doc.Paras());
        out += "notes " + std::to_string(doc.FootnoteList().Count()) + "+" + std::to_string(doc.EndnoteList().Count());
        out += "\n" + Squeeze(BodyText(doc.Footnotes())) + Squeeze(BodyText(doc.Endnotes()));
        return out;
    };
    // odfdo-table.odt has its note in a table cell.
    for (const char* name : {"odfdo-table.odt", "odfpy-twolevellist.odt", "pandoc-orderedListRoman.odt", "pandoc-tableWithSpans.odt",
                             "odfdo-note.odt", "pandoc-footnote.odt", "pandoc-endnote.odt",
                             "odfpy-Electra.odt", "odfdo-lpod_styles.odt", "odfdo-base_text.odt"}) {
        SCOPED_TRACE(name);
        TVYXLogDocEditor odt;
        TVYXReadODT(odt).LoadFromFile((corpus / name).string());
        const std::string docx = TVYXWriteDOCX(odt).SaveToBytes();
        TVYXLogDocEditor back;
        TVYXReadDOCX(back).LoadFromBytes(docx);
        EXPECT_EQ(outline(back), outline(odt));
    }
}

// A first-page master that hands over to the standard one: the first page gets its
// own header (a date) and no footer, the others the standard header and footer.
TEST(ReadODT, CorpusFirstPageMaster)
{
    const fs::path file = fs::path(VYX_SHARED_DIR) / "corpus" / "odt" / "odfdo-lpod_styles.odt";
    if (!fs::exists(file))
        GTEST_SKIP() << "no shared corpus";
    TVYXLogDocEditor doc;
    TVYXReadODT(doc).LoadFromFile(file.string());
    EXPECT_TRUE(doc.SEP().TitlePg);
    ASSERT_TRUE(doc.Headers().Find(ahftDefault) && doc.Headers().Find(ahftFirst));
    ASSERT_TRUE(doc.Footers().Find(ahftDefault) && doc.Footers().Find(ahftFirst));
    EXPECT_EQ(BodyText(*doc.Headers().Find(ahftDefault)), "LpOD Project\n");
    EXPECT_EQ(BodyText(*doc.Headers().Find(ahftFirst)), "25/08/09\n");
    EXPECT_EQ(BodyText(*doc.Footers().Find(ahftDefault)), "3/3\n");
    EXPECT_EQ(BodyText(*doc.Footers().Find(ahftFirst)), "\n");
}

// A hand-made file with one of each thing, against its model dump (VYX_UPDATE_GOLDEN=1
// rewrites the dump; a difference leaves the new one beside it as .actual).
TEST(ReadODT, FeaturesMatchTheirGoldenDump)
{
    const fs::path input = fs::path(VYX_TEST_DATA_DIR) / "odt" / "features.fodt";
    const fs::path golden = fs::path(input.string() + ".dump");
    TVYXLogDocEditor doc;
    TVYXReadODT(doc).LoadFromFile(input.string());
    std::string dump = VYXDumpParas(doc.Paras());
    dump += "-- footnotes\n" + VYXDumpParas(doc.Footnotes().Paras());
    if (std::getenv("VYX_UPDATE_GOLDEN")) {
        std::ofstream(golden, std::ios::binary) << dump;
        GTEST_SKIP() << "golden rewritten";
    }
    const std::string want = ReadFileBytes(golden);
    if (dump != want)
        std::ofstream(golden.string() + ".actual", std::ios::binary) << dump;
    EXPECT_EQ(dump, want);
    EXPECT_EQ(BodyText(doc), ReadFileBytes(fs::path(VYX_TEST_DATA_DIR) / "odt" / "features.txt"));
}

// The corpus: every file reads or is refused with a clear message, and the text
// read equals what an independent extraction (odt_text.py, from the XML alone)
// found: body text, then the notes' text.
TEST(ReadODT, CorpusMatchesIndependentExtraction)
{
    const fs::path corpus = fs::path(VYX_SHARED_DIR) / "corpus" / "odt";
    const fs::path expected = fs::path(VYX_TEST_DATA_DIR) / "odt" / "expected";
    if (!fs::exists(corpus))
        GTEST_SKIP() << "no shared corpus";
    int files = 0, read = 0, refused = 0, matched = 0;
    for (const auto& entry : fs::directory_iterator(corpus)) {
        const fs::path path = entry.path();
        ++files;
        SCOPED_TRACE(path.filename().string());
        TVYXLogDocEditor doc;
        try {
            TVYXReadODT reader(doc);
            reader.LoadFromFile(path.string());
        } catch (const VYXException& e) {
            ++refused;
            EXPECT_STREQ(e.what(), "Can not open file. The document is encrypted");
            continue;
        }
        ++read;
        const fs::path want = expected / (path.filename().string() + ".txt");
        ASSERT_TRUE(fs::exists(want)) << "no expected text; run odt_text.py";
        std::string got = Squeeze(BodyText(doc));
        got += "----\n" + Squeeze(BodyText(doc.Footnotes())) + Squeeze(BodyText(doc.Endnotes()));
        const std::string wanted = ReadFileBytes(want);
        if (got == wanted) {
            ++matched;
        } else {
            std::ofstream(want.string() + ".actual", std::ios::binary) << got;
        }
        EXPECT_EQ(got, wanted);
    }
    EXPECT_EQ(files, 37);
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(matched, read);
    std::cout << "ODT corpus: " << files << " files, " << read << " read, " << refused << " refused, " << matched
              << " match the independent text\n";
}
