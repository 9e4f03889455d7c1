// VYXWriteRTFTest.cpp: the RTF writer: round trips over the corpus and the writer's own rules.
#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <iostream>

#include "VYXRtfTestUtil.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTF.h"
#include "formats/VYXWriteRTF.h"
#include "model/VYXDocDump.h"
#include "model/VYXLogParas.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"
#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogPos.h"
#include "model/VYXParaProps.h"

namespace {

void Load(TVYXLogDocEditor& doc, std::string_view bytes)
{
    try {
        TVYXReadRTF(doc).LoadFromBytes(bytes);
    } catch (const VYXException&) {
        // The unbalanced corpus files keep what was read; the round trip starts from that.
    }
}

// The first differing line of two dumps, for the report.
std::string FirstDiff(const std::string& a, const std::string& b)
{
    std::size_t line = 0, i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        if (a[i++] == '\n')
            ++line;
    auto lineAt = [](const std::string& s, std::size_t at) {
        const std::size_t from = s.rfind('\n', at == 0 ? 0 : at - 1);
        const std::size_t start = from == std::string::npos ? 0 : from + 1;
        return s.substr(start, s.find('\n', start) - start);
    };
    return "line " + std::to_string(line + 1) + ":\n    before: " + lineAt(a, i) + "\n    after:  " + lineAt(b, i);
}

}  // namespace

// read -> write -> read gives the same body (dump: paragraphs, runs, resolved
// formats, tables) for the corpus, and writing twice gives the same bytes.
TEST(WriteRTF, CorpusRoundTripKeepsTheBody)
{
    const auto files = RtfCorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "shared corpus absent";
    int same = 0, sameText = 0;
    std::string report;
    for (const std::string& path : files) {
        const std::string name = std::filesystem::path(path).filename().string();
        SCOPED_TRACE(name);
        TVYXLogDocEditor first;
        Load(first, ReadFileBytes(path));
        const std::string written = TVYXWriteRTF(first).SaveToBytes();
        EXPECT_EQ(written, TVYXWriteRTF(first).SaveToBytes());  // deterministic
        EXPECT_EQ(written.find('\n'), std::string::npos);      // no line breaks
        EXPECT_TRUE(std::all_of(written.begin(), written.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
        TVYXLogDocEditor second;
        try {
            TVYXReadRTF(second).LoadFromBytes(written);
        } catch (const VYXException& e) {
            ADD_FAILURE() << "our own output does not read: " << e.what();
            continue;
        }
        const std::string before = VYXDumpParas(first.Paras()), after = VYXDumpParas(second.Paras());
        if (RtfBodyText(first.Paras()) == RtfBodyText(second.Paras()))
            ++sameText;
        if (before == after)
            ++same;
        else
            report += name + " " + FirstDiff(before, after) + "\n";
    }
    std::cout << "RTF round trip: " << same << " of " << files.size() << " bodies equal, " << sameText
              << " texts equal\n"
              << report;
    EXPECT_EQ(sameText, static_cast<int>(files.size()));
    EXPECT_GE(same * 100, static_cast<int>(files.size()) * 98) << report;
}

namespace {
std::string Written(std::string_view rtf)
{
    TVYXLogDocEditor doc;
    TVYXReadRTF(doc).LoadFromBytes(rtf);
    return TVYXWriteRTF(doc).SaveToBytes();
}

bool Has(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }
}  // namespace

// The writer's own rules, each on a small document.
TEST(WriteRTF, WriterRules)
{
    // No colours, no colour table; a colour makes one, automatic colour is index 0.
    EXPECT_FALSE(Has(Written(R"({\rtf1 plain\par})"), "\\colortbl"));
    const std::string red = Written(R"({\rtf1{\colortbl;\red255\green0\blue0;}{\cf1 red}\par})");
    EXPECT_TRUE(Has(red, "{\\colortbl;\\red255\\green0\\blue0;}")) << red;
    EXPECT_TRUE(Has(red, "\\cf1 red}")) << red;
    // Braces and backslashes escaped; other characters above 127 as \u with a NUL fallback.
    const std::string escaped = Written(R"({\rtf1 a\{b\}c\\d \'e4\u8364?\par})");
    EXPECT_TRUE(Has(escaped, " a\\{b\\}c\\\\d \\u228 \\'00\\u8364 \\'00}")) << escaped;
    // Consecutive runs of one hyperlink share one field; a second link opens another.
    const std::string links = Written(
        R"({\rtf1{\field{\*\fldinst HYPERLINK "http://a"}{\fldrslt a{\b b}}}{\field{\*\fldinst HYPERLINK "http://c"}{\fldrslt c}}\par})");
    EXPECT_EQ(std::count(links.begin(), links.end(), 'H'), 2) << links;  // two HYPERLINK instructions
    EXPECT_TRUE(Has(links, "{\\field{\\*\\fldinst HYPERLINK \"http://a\"}{\\fldrslt {\\plain\\f0\\fs24 a}{\\plain\\f0\\fs24\\b b}}}"))
        << links;
    // Headers and footers in their groups; an even-page header says \facingp inside its group.
    const std::string headers = Written(R"({\rtf1{\headerl even}{\headerf first}{\footer foot}body\par})");
    EXPECT_TRUE(Has(headers, "{\\headerl\\facingp \\pard")) << headers;
    EXPECT_TRUE(Has(headers, "{\\headerf\\titlepg \\pard")) << headers;
    EXPECT_TRUE(Has(headers, "{\\footer \\pard")) << headers;
    // Lengths in twips: a hanging indent is a negative first-line indent; exact spacing negative.
    const std::string para = Written(R"({\rtf1\pard\li720\fi-360\sl-240\slmult0\qr x\par})");
    EXPECT_TRUE(Has(para, "\\qr\\li720\\fi-360\\sl-240\\slmult0")) << para;
    // A page break, a tab and a line break keep their places.
    const std::string breaks = Written(R"({\rtf1 a\tab b\line c\page d\par})");
    EXPECT_TRUE(Has(breaks, "\\tab}")) << breaks;
    EXPECT_TRUE(Has(breaks, "\\line}")) << breaks;
    EXPECT_TRUE(Has(breaks, "\\page}")) << breaks;
}

// A document built through the editor (not read from RTF) survives the trip:
// tables nested two deep, a list, a note, a bookmark and formatted text.
TEST(WriteRTF, BuiltDocumentRoundTrip)
{
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"Title \u00e9\u20ac {braces} back\\slash");
        TVYXCHPX bold(&doc.GetMasterCHP());
        bold.SetBold(true);
        bold.SetColor(0x336699);
        doc.AppendTextUI(u" bold", &bold);
        TVYXTable& table = doc.AppendTableUI(2, 2);
        doc.CellPara(table, 0, 0).Append(u"a1");
        doc.CellPara(table, 1, 1).Append(u"b2");
        // A table inside cell (1, 0).
        TVYXLogParas& cell = table.GetCells(1, 0)->Paras();
        TVYXTable* inner = cell.InsertTable(0);
        inner->AddRows(2, 1);
        inner->GetCells(0, 0)->Paras().AppendPara(u"inner left");
        inner->GetCells(1, 0)->Paras().AppendPara(u"inner right");
        doc.AppendBulletPara(u"item one", 0);
        doc.AppendBulletPara(u"item two", 1);
        doc.AppendParaUI(u"noted");
        doc.AppendFootnote(u"the note");
        doc.AppendBookmark(u"mark", u"marked");
    }
    const std::string once = TVYXWriteRTF(doc).SaveToBytes();
    TVYXLogDocEditor back;
    TVYXReadRTF(back).LoadFromBytes(once);
    EXPECT_EQ(RtfNormalizeSpace(RtfBodyText(back.Paras())), RtfNormalizeSpace(RtfBodyText(doc.Paras())));
    EXPECT_EQ(ToUtf8(RtfNormalizeSpace(RtfBodyText(back.Footnotes().Paras()))), "the note");
    ASSERT_NE(back.Bookmarks().Find(u"mark"), nullptr);
    const std::string dump = VYXDumpParas(back.Paras());
    EXPECT_TRUE(Has(dump, "text \" bold\" size=10 bold color=336699")) << dump;
    EXPECT_TRUE(Has(dump, "\n      table rows=1 cols=2")) << dump;  // the nested table, inside a cell
    EXPECT_TRUE(Has(dump, "list=0:1")) << dump;
    // Written again, the read-back document gives the same bytes.
    const std::string twice = TVYXWriteRTF(back).SaveToBytes();
    TVYXLogDocEditor third;
    TVYXReadRTF(third).LoadFromBytes(twice);
    EXPECT_EQ(VYXDumpParas(third.Paras()), dump);
    EXPECT_EQ(TVYXWriteRTF(third).SaveToBytes(), twice);
}

// A selection is written alone: only its text, in its formats.
TEST(WriteRTF, SelectionIsWrittenAlone)
{
    TVYXLogDocEditor doc;
    TVYXReadRTF(doc).LoadFromBytes(R"({\rtf1 first {\i paragraph}\par second paragraph\par third\par})");
    TVYXLogSelection sel;
    sel.First.Assign(doc.Paras().GetParas(0), 7);
    sel.Last.Assign(doc.Paras().GetParas(1), 7);
    const std::string rtf = TVYXWriteRTF(doc).SaveToBytes(sel);
    TVYXLogDocEditor back;
    TVYXReadRTF(back).LoadFromBytes(rtf);
    EXPECT_EQ(ToUtf8(RtfNormalizeSpace(RtfBodyText(back.Paras()))), "paragraph second");
    EXPECT_TRUE(Has(VYXDumpParas(back.Paras()), "text \"paragraph\" italic"));
}

// The fuzz inputs (corpus seeds and committed crashers), with the fuzz target's checks
// spelled out: any input reads or raises cleanly, and what we write of it reads back
// to the same text.
TEST(WriteRTF, FuzzInputsRoundTrip)
{
    const std::filesystem::path dir = std::filesystem::path(VYX_SOURCE_DIR) / "fuzz" / "corpus" / "rtf";
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        TVYXLogDocEditor doc;
        Load(doc, ReadFileBytes(path.string()));
        ASSERT_GT(doc.Paras().Count(), 0);
        const std::string written = TVYXWriteRTF(doc).SaveToBytes();
        TVYXLogDocEditor again;
        try {
            TVYXReadRTF(again).LoadFromBytes(written);
        } catch (const VYXException& e) {
            ADD_FAILURE() << e.what() << "\n" << written;
            continue;
        }
        EXPECT_EQ(ToUtf8(again.Paras().GetPlainText()), ToUtf8(doc.Paras().GetPlainText())) << written;
    }
}

// A link across a paragraph mark stays one link. The paragraph mark takes the format in
// effect where it stands (\qr ended with the field's group: the second paragraph is centred).
TEST(WriteRTF, LinkAcrossParagraphs)
{
    const char* rtf = R"({\rtf1\pard\qc{\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt one\par\pard\qr two}} after\par
\pard\qj{\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt three\par\pard\qr four}}\qr\par})";
    TVYXLogDocEditor doc;
    TVYXReadRTF(doc).LoadFromBytes(rtf);
    const std::string dump = VYXDumpParas(doc.Paras());
    EXPECT_TRUE(Has(dump, "link first url=\"http://x\" \"one\"\npara align=Center\n  link last url=\"http://x\" \"two\""))
        << dump;
    TVYXLogDocEditor back;
    TVYXReadRTF(back).LoadFromBytes(TVYXWriteRTF(doc).SaveToBytes());
    EXPECT_EQ(VYXDumpParas(back.Paras()), dump);
}

// Fields the model does not evaluate (report fields, unknown keywords) are read as complex
// fields around their result and written back as fields, not as their result text alone.
TEST(WriteRTF, ComplexFieldsKeepTheirInstructions)
{
    const char* rtf = R"({\rtf1\pard Dear {\field{\*\fldinst People.Name \\* upper}{\fldrslt {\b NAME}}}, )"
                      R"({\field{\*\fldinst {\i  XE "entry" }}{\fldrslt }}and {\field{\*\fldinst DOCVARIABLE Who}}.\par)"
                      R"(\pard\qc{\field{\*\fldinst CUSTOMLIST \\l 2}{\fldrslt one\par\pard\qr two}} after\par})";
    TVYXLogDocEditor doc;
    TVYXReadRTF(doc).LoadFromBytes(rtf);
    const std::string dump = VYXDumpParas(doc.Paras());
    EXPECT_TRUE(Has(dump, "instr \"People.Name \\\\* upper\"")) << dump;
    EXPECT_TRUE(Has(dump, "instr \" XE \\\"entry\\\" \"")) << dump;
    EXPECT_TRUE(Has(dump, "instr \"DOCVARIABLE Who\"")) << dump;
    EXPECT_EQ(U8(RtfBodyText(doc.Paras())).substr(0, 15), "Dear NAME, and ");

    const std::string written = TVYXWriteRTF(doc).SaveToBytes();
    EXPECT_TRUE(Has(written, "{\\*\\fldinst People.Name \\\\* upper}{\\fldrslt {")) << written;
    EXPECT_TRUE(Has(written, "{\\*\\fldinst DOCVARIABLE Who}}{")) << written;  // no result: none written
    // The field whose result runs over two paragraphs stays one group and the second
    // paragraph keeps its alignment.
    EXPECT_TRUE(Has(written, "{\\*\\fldinst CUSTOMLIST \\\\l 2}{\\fldrslt ")) << written;
    TVYXLogDocEditor back;
    TVYXReadRTF(back).LoadFromBytes(written);
    EXPECT_EQ(VYXDumpParas(back.Paras()), dump);
    EXPECT_EQ(TVYXWriteRTF(back).SaveToBytes(), written);
}

// Fields open at a cell's end, a note's end or the document's end are closed there, so
// the groups balance whatever runs the model holds.
TEST(WriteRTF, UnclosedFieldsAreClosedAtTheirParagraphsEnd)
{
    TVYXLogDocEditor doc;
    TVYXLogPara& para = doc.AppendPara();
    para.CharRuns().AddFldChar(acrfctBegin);
    para.CharRuns().AddInstrText(u"OUTER ");
    para.CharRuns().AddFldChar(acrfctBegin);
    para.CharRuns().AddInstrText(u"INNER {x}");
    para.CharRuns().AddFldChar(acrfctSeparate);
    para.AppendFormattedText(u"result", nullptr);
    para.CharRuns().AddFldChar(acrfctEnd);
    para.CharRuns().AddFldChar(acrfctEnd);  // one end too many
    para.CharRuns().AddFldChar(acrfctBegin);
    para.CharRuns().AddInstrText(u"OPEN");
    // Fields nested past the writer's limit: their marks are left out, their ends too.
    TVYXLogPara& deep = doc.AppendPara();
    for (int i = 0; i < 40; ++i) {
        deep.CharRuns().AddFldChar(acrfctBegin);
        deep.CharRuns().AddInstrText(u"IF ");
    }
    for (int i = 0; i < 40; ++i) {
        deep.CharRuns().AddFldChar(acrfctSeparate);
        deep.CharRuns().AddFldChar(acrfctEnd);
    }
    deep.AppendFormattedText(u"after deep", nullptr);
    doc.AppendPara().AppendFormattedText(u"next", nullptr);
    const std::string written = TVYXWriteRTF(doc).SaveToBytes();
    EXPECT_TRUE(Has(written, "{\\*\\fldinst OUTER {\\field")) << written;
    EXPECT_TRUE(Has(written, "{\\*\\fldinst INNER \\{x\\}}{\\fldrslt {")) << written;
    int depth = 0;
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (written[i] == '\\') {
            ++i;
            continue;
        }
        depth += written[i] == '{' ? 1 : written[i] == '}' ? -1 : 0;
        ASSERT_GE(depth, 0) << written;
    }
    EXPECT_EQ(depth, 0) << written;
    TVYXLogDocEditor back;
    TVYXReadRTF(back).LoadFromBytes(written);
    EXPECT_NE(U8(RtfBodyText(back.Paras())).find("next"), std::string::npos);
    EXPECT_NE(U8(RtfBodyText(back.Paras())).find("after deep"), std::string::npos);
}

// A list paragraph carries its number as text for readers that ignore list tables; the
// model keeps no number text, so the writer counts the numbers as it writes. Reading
// the file back keeps the numbers out of the text.
TEST(WriteRTF, ListParagraphsCarryTheirNumberText)
{
    TVYXLogDocEditor doc;
    TVYXLogParas& body = doc.Paras();
    body.AppendPara(u"intro");
    ASSERT_NE(body.AppendPara(u"first")->BeginNumbering(anstDecimal), nullptr);
    body.AppendPara(u"second");  // continues the list
    body.AppendPara(u"third");
    const std::string written = TVYXWriteRTF(doc).SaveToBytes();
    std::vector<std::string> numbers;
    const std::string_view open = "{\\listtext\\pard\\plain ";
    for (std::size_t at = written.find(open); at != std::string::npos; at = written.find(open, at + 1)) {
        const std::size_t from = at + open.size();
        numbers.push_back(written.substr(from, written.find("\\tab}", from) - from));
    }
    EXPECT_EQ(numbers, (std::vector<std::string>{"1.", "2.", "3."})) << written;

    TVYXLogDocEditor back;
    TVYXReadRTF(back).LoadFromBytes(written);
    EXPECT_EQ(RtfBodyText(back.Paras()), RtfBodyText(doc.Paras()));
    const std::string dump = VYXDumpParas(back.Paras());
    int listed = 0;
    for (std::size_t at = dump.find("list=0:0"); at != std::string::npos; at = dump.find("list=0:0", at + 1))
        ++listed;
    EXPECT_EQ(listed, 3) << dump;
}
