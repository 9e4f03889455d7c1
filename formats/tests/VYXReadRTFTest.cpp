// VYXReadRTFTest.cpp: the RTF reader against the shared corpus and hand-made inputs.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "VYXRtfTestUtil.h"
#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTF.h"
#include "formats/VYXReadRTFTable.h"
#include "formats/VYXWriteRTF.h"
#include "formats/tests/VYXExtractedText.h"
#include "model/VYXNumbering.h"
#include "model/VYXDocDump.h"
#include "model/VYXLogParas.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"
#include "platform/tests/VYXGolden.h"
#include "model/VYXFields.h"
#include "model/VYXNotes.h"
#include "model/VYXParaProps.h"

namespace {

// Corpus files whose group nesting is broken; they raise the reader's exception
// after reading everything (the document keeps the text).
const std::map<std::string, std::string> cUnbalanced = {
    {"tika-testBinControlWord.rtf", "Error while reading RTF document (3)"},  // a group left open
    {"tika-testRTFTIKA_1713.rtf", "Error while reading RTF document (1)"},    // one "}" too many
};

// Reads `bytes` into `doc`; the exception text, empty when none.
std::string Read(TVYXLogDocEditor& doc, std::string_view bytes)
{
    try {
        TVYXReadRTF reader(doc);
        reader.LoadFromBytes(bytes);
    } catch (const VYXException& e) {
        return e.what();
    }
    return {};
}

std::string Text(std::string_view rtf)
{
    TVYXLogDocEditor doc;
    const std::string error = Read(doc, rtf);
    EXPECT_EQ(error, "");
    return ToUtf8(RtfNormalizeSpace(RtfBodyText(doc.Paras())));
}

}  // namespace

TEST(ReadRTF, KeywordTableIsSorted)
{
    const auto table = VYXRtfKeywords();
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_LT(table[i - 1].Name, table[i].Name) << i;
    EXPECT_NE(VYXRtfFindKeyword("par"), nullptr);
    EXPECT_EQ(VYXRtfFindKeyword("parx"), nullptr);
}

// Every corpus file reads, and its text equals the independent extraction
// (tests/data/rtf/<name>.txt, made by extract_text.py) up to white space.
TEST(ReadRTF, CorpusTextMatchesIndependentExtraction)
{
    const auto files = RtfCorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "shared corpus absent";
    int same = 0, total = 0;
    std::string report;
    for (const std::string& path : files) {
        const std::string name = std::filesystem::path(path).filename().string();
        SCOPED_TRACE(name);
        TVYXLogDocEditor doc;
        const std::string error = Read(doc, ReadFileBytes(path));
        const auto bad = cUnbalanced.find(name);
        EXPECT_EQ(error, bad == cUnbalanced.end() ? std::string() : bad->second);
        const std::string data = std::string(VYX_TEST_DATA_DIR) + "/rtf/";
        const std::string expectedPath =
            VYXExpectedText(data + std::filesystem::path(path).stem().string() + ".txt", data + "extract_text.py", path).string();
        ASSERT_TRUE(std::filesystem::exists(expectedPath)) << expectedPath;
        const std::u16string expected = RtfNormalizeSpace(Utf8ToUtf16(ReadFileBytes(expectedPath)));
        const std::u16string actual = RtfNormalizeSpace(RtfBodyText(doc.Paras()));
        ++total;
        if (expected == actual)
            ++same;
        else {
            std::size_t at = 0;
            while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
                ++at;
            const std::size_t from = at > 30 ? at - 30 : 0;
            report += name + " at " + std::to_string(at) + "\n  expected: " + ToUtf8(expected.substr(from, 80)) +
                      "\n  actual:   " + ToUtf8(actual.substr(from, 80)) + "\n";
        }
    }
    std::cout << "RTF corpus: " << same << " of " << total << " texts equal the independent extraction\n" << report;
    EXPECT_GE(same * 100, total * 98) << report;
}

// Text and its destinations: what becomes document text and what does not.
TEST(ReadRTF, TextAndDestinations)
{
    const struct {
        const char* Rtf;
        const char* Text;
    } cases[] = {
        {R"({\rtf1 a;b\par})", "a;b"},                                         // a semicolon in the body is text
        {R"({\rtf1 x{\*\unknowndest hidden}y})", "xy"},                        // unknown "\*" group: nothing
        {R"({\rtf1 x{\unknowndest shown}y})", "xshowny"},                      // unknown group without "\*": its text
        {R"({\rtf1 x{\*\cs7 kept}y})", "xkepty"},                              // a known word after "\*" acts
        {R"({\rtf1\uc1\u228\'e4x})", "\xC3\xA4x"},                             // fallback byte dropped
        {R"({\rtf1\uc1\u228\'00x})", "\xC3\xA4x"},                             // byte-0 fallback too
        {R"({\rtf1\u1071?})", "\xD0\xAF"},                                     // one fallback by default
        {R"({\rtf1\uc0\u1071?})", "\xD0\xAF?"},                                // none after \uc0
        {R"({\rtf1\uc2\u1071??x})", "\xD0\xAFx"},                              // two after \uc2
        {R"({\rtf1{\uc2\u1071}??})", "\xD0\xAF??"},                            // a group end ends the skip
        {R"({\rtf1\uc0\u-10179\u-8704 })", "\xF0\x9F\x98\x80"},                // surrogate pair by two escapes
        {R"({\rtf1\uc0\u-9216\u-10240 x})", "\xEF\xBF\xBD\xEF\xBF\xBDx"},      // lone surrogates replaced
        {R"({\rtf1 a\{b\}c\\d})", "a{b}c\\d"},                                 // escaped braces and backslash
        {R"({\rtf1 \ldblquote q\rdblquote\~\emdash})", "\xE2\x80\x9Cq\xE2\x80\x9D\xC2\xA0\xE2\x80\x94"},
        {R"({\rtf1 a\tab b\line c})", "a b c"},                                // tab and line break runs
        {R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;}{\stylesheet{\s0 Normal;}}body})", "body"},
        {R"({\rtf1{\info{\title T}{\author A}}{\header hd}{\footer ft}{\*\generator G;}body})", "body"},
        {R"({\rtf1 a{\footnote note}b})", "ab"},                               // note text lives in the notes
        {R"({\rtf1{\field{\*\fldinst HYPERLINK "http://x.org"}{\fldrslt link}}})", "link"},
        {R"({\rtf1{\upr{ansi}{\*\ud{uni\u228?}}}})", "uni\xC3\xA4"},          // the Unicode twin wins
        {R"({\rtf1{\pntext 1.\tab}{\listtext 2.\tab}item})", "item"},          // list numbers are not text
        {R"({\rtf1{\*\shpinst x}{\shprslt fallback}})", "fallback"},
        {R"({\rtf1{\pict\pngblip 0011}z})", "z"},
        {R"({\rtf1 x\bin2 {}y})", "xy"},                                       // raw bytes outside pictures dropped
        {"{\\rtf1 a\r\nb\\\nc}", "ab c"},                                      // CR LF ignored; "\" LF is a paragraph
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Rtf);
        EXPECT_EQ(Text(c.Rtf), c.Text);
    }
}

TEST(ReadRTF, CodePages)
{
    const struct {
        const char* Rtf;
        const char* Text;
    } cases[] = {
        {R"({\rtf1\ansi\ansicpg1251 \'c0\'e1})", "\xD0\x90\xD0\xB1"},                      // Cyrillic
        {R"({\rtf1\ansi \'e4\'80})", "\xC3\xA4\xE2\x82\xAC"},                              // Windows-1252
        {R"({\rtf1\mac \'8a})", "\xC3\xA4"},                                               // Mac Roman
        {R"({\rtf1\ansi\ansicpg10007 \'80})", "\xD0\x90"},                                 // Mac Cyrillic
        {R"({\rtf1\ansi\ansicpg10029 \'80})", "\xC3\x84"},                                 // Mac Central European
        {R"({\rtf1\ansi\ansicpg932 \'82\'a0})", "\xE3\x81\x82"},                           // Shift-JIS pair
        {R"({\rtf1\ansi\ansicpg936 \'d6\'d0})", "\xE4\xB8\xAD"},                           // GBK pair
        {R"({\rtf1\ansi\ansicpg949 \'b0\'a1})", "\xEA\xB0\x80"},                           // Korean pair
        {R"({\rtf1\ansi\ansicpg950 \'a4\'a4})", "\xE4\xB8\xAD"},                           // Big5 pair
        {R"({\rtf1\ansi{\fonttbl{\f0 A;}{\f1\fcharset128 MS;}}\f1 \'82\'a0\f0 \'e4})", "\xE3\x81\x82\xC3\xA4"},
        {R"({\rtf1\ansi{\fonttbl{\f1\fcharset204 C;}}\f1\'c0{\f0\'c0}})", "\xD0\x90\xC3\x80"},  // per font
        {R"({\rtf1\ansi{\fonttbl{\f3\fcharset2 Symbol;}}\f3 a\'b7})", "a\xEF\x82\xB7"},   // symbol: private use
        {"{\\rtf1\\ansi\\ansicpg932 \x82\xa0}", "\xE3\x81\x82"},                           // raw double-byte bytes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Rtf);
        EXPECT_EQ(Text(c.Rtf), c.Text);
    }
}

// Input the reader cannot go on with raises its message; the document keeps what
// was read and stays valid.
TEST(ReadRTF, BrokenInputRaisesAndKeepsText)
{
    const struct {
        const char* Rtf;
        const char* Error;
        const char* Text;
    } cases[] = {
        {R"({\rtf1 a}})", "Error while reading RTF document (1)", "a"},
        {R"({\rtf1 a)", "Error while reading RTF document (3)", "a"},
        {R"({\rtf1 a\'zz})", "Error while reading RTF document (4)", "a"},
        {R"({\rtf1 a\)", "Error while reading RTF document (7)", "a"},
        {R"({\rtf1 a\b-)", "Error while reading RTF document (7)", "a"},
        {"foobar", "Error while reading RTF document (8)", ""},
        {"", "Error while reading RTF document (8)", ""},
        {R"({\rtf1 \trowd\cellx100\intbl a\cell)", "Error while reading RTF document (3)", "a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Rtf);
        TVYXLogDocEditor doc;
        EXPECT_EQ(Read(doc, c.Rtf), c.Error);
        EXPECT_EQ(ToUtf8(RtfNormalizeSpace(RtfBodyText(doc.Paras()))), c.Text);
        EXPECT_GT(doc.Paras().Count(), 0);
        EXPECT_TRUE(doc.Paras().Last()->IsPara());  // an open table was closed
    }
    // Deep nesting stops at the limit instead of exhausting memory or the stack.
    TVYXLogDocEditor doc;
    EXPECT_EQ(Read(doc, "{\\rtf1 " + std::string(200000, '{')), "Error while reading RTF document (2)");
    // A huge \bin count past the end of the input reads what there is.
    EXPECT_EQ(Read(doc, "{\\rtf1 x\\bin2147483647 abc}"), "Error while reading RTF document (3)");
    EXPECT_EQ(Read(doc, "{\\rtf1 x\\fs99999999999999999999 y\\li-99999999999 z\\cols99999 w\\uc99999\\u65 abc}"), "");
    // Going down 28 table levels and up again, a thousand times, makes no more tables than
    // the reader's budget; the text stays.
    std::string deep = "{\\rtf1 ";
    for (int i = 0; i < 1000; ++i)
        deep += "\\intbl\\itap30 x\\nestcell\\itap2 y\\nestcell ";
    deep += "}";
    TVYXLogDocEditor nested;
    EXPECT_EQ(Read(nested, deep), "");
    int tables = 0;
    TVYXLogParasIterator walk;
    walk.TableEvent = [&](TVYXTable&) { ++tables; };
    walk.Iterate(nested.Paras());
    EXPECT_LE(tables, 20001);
    EXPECT_EQ(RtfNormalizeSpace(RtfBodyText(nested.Paras())).size(), 2 * 2000 - 1);
}

TEST(ReadRTF, ParagraphProperties)
{
    TVYXLogDocEditor doc;
    ASSERT_EQ(Read(doc, R"({\rtf1\pard\fi-360\li720\sl-240\qc\sb120\sa240\tqr\tldot\tx4320\tx100 a\par
\pard\sl360\slmult1\qj\keepn b\par \pard\ri200\brdrb\brdrs\brdrw15\brsp20 c\par})"),
              "");
    ASSERT_GE(doc.Paras().Count(), 3);
    const TVYXPAPX& a = doc.Paras().GetParas(0)->PAPX();
    EXPECT_DOUBLE_EQ(a.GetIndentHanging(), 18.0);
    EXPECT_DOUBLE_EQ(a.GetIndentLeft(), 36.0);
    EXPECT_DOUBLE_EQ(a.GetLineSpacing(), 12.0);  // exactly 240 twips, in points
    EXPECT_EQ(a.GetLineSpacingType(), aplstExactly);
    EXPECT_EQ(a.GetAlignment(), vyptaCenter);
    EXPECT_DOUBLE_EQ(a.GetSpaceBefore(), 6.0);
    EXPECT_DOUBLE_EQ(a.GetSpaceAfter(), 12.0);
    ASSERT_NE(a.GetTabStops(), nullptr);
    ASSERT_EQ(a.GetTabStops()->Count(), 2);
    EXPECT_DOUBLE_EQ(a.GetTabStops()->Items(0).Position, 5.0);  // kept sorted
    EXPECT_EQ(a.GetTabStops()->Items(1).Alignment, atsaRight);
    EXPECT_EQ(a.GetTabStops()->Items(1).Leader, atslDot);
    const TVYXPAPX& b = doc.Paras().GetParas(1)->PAPX();
    EXPECT_DOUBLE_EQ(b.GetLineSpacing(), 1.5);
    EXPECT_EQ(b.GetLineSpacingType(), aplstMultiple);
    EXPECT_EQ(b.GetAlignment(), vyptaJustify);
    EXPECT_TRUE(b.GetKeepNext());
    EXPECT_DOUBLE_EQ(b.GetIndentHanging(), 0.0);  // \pard cleared it
    const TVYXPAPX& c = doc.Paras().GetParas(2)->PAPX();
    EXPECT_DOUBLE_EQ(c.GetIndentRight(), 10.0);
    ASSERT_NE(c.GetBorderBottom(), nullptr);
    EXPECT_DOUBLE_EQ(c.GetBorderBottom()->Width, 0.75);
    EXPECT_DOUBLE_EQ(c.GetBorderBottom()->Space, 1.0);
}

// Reader output for real files, as model dumps beside their inputs' names.
TEST(ReadRTF, CorpusDumpsMatchGoldens)
{
    const char* files[] = {"pandoc-table_nested", "rtfpipe-nested_tables", "rtfpipe-merged_cells", "tika-testRTFVarious",
                           "pandoc-list_complex", "rtfpipe-fields_simple_format_switch", "pandoc-bookmark",
                           "osxcart-p082_table_all_borders", "rtfjs-sample"};
    for (const char* name : files) {
        SCOPED_TRACE(name);
        const std::string path = std::string(VYX_SHARED_DIR) + "/corpus/rtf/" + name + ".rtf";
        if (!std::filesystem::exists(path))
            GTEST_SKIP() << "shared corpus absent";
        TVYXLogDocEditor doc;
        EXPECT_EQ(Read(doc, ReadFileBytes(path)), "");
        EXPECT_TRUE(VYXMatchesGolden(VYXDumpParas(doc.Paras()), std::string(VYX_TEST_DATA_DIR) + "/rtf/" + name + ".dump"));
    }
}

TEST(ReadRTF, NotesHeadersFieldsBookmarks)
{
    TVYXLogDocEditor doc;
    ASSERT_EQ(Read(doc, R"({\rtf1{\header\pard head\par}{\footerf\pard first foot\par}
\pard Body{\super\chftn}{\footnote\pard\plain{\super\chftn} Note one\par second}. More{\footnote\ftnalt End}.
{\*\bkmkstart here}marked{\*\bkmkend here} {\field{\*\fldinst PAGE}{\fldrslt 7}}
{\field{\*\fldinst HYPERLINK "http://a.b/c" \\o "tip"}{\fldrslt{\ul go}{\b there}}}
{\field{\*\fldinst HYPERLINK \\l "here"}{\fldrslt back}}\par})"),
              "");
    EXPECT_EQ(ToUtf8(RtfNormalizeSpace(RtfBodyText(doc.Paras()))), "Body. More.marked 7gothereback");
    ASSERT_EQ(doc.FootnoteList().Count(), 1);
    ASSERT_EQ(doc.EndnoteList().Count(), 1);
    EXPECT_EQ(ToUtf8(RtfNormalizeSpace(RtfBodyText(doc.Footnotes().Paras()))), "Note one second");
    EXPECT_EQ(ToUtf8(RtfNormalizeSpace(RtfBodyText(doc.Endnotes().Paras()))), "End");
    ASSERT_NE(doc.Headers().Find(ahftDefault), nullptr);
    EXPECT_EQ(ToUtf8(RtfNormalizeSpace(RtfBodyText(doc.Headers().Find(ahftDefault)->Paras()))), "head");
    ASSERT_NE(doc.Footers().Find(ahftFirst), nullptr);
    EXPECT_EQ(ToUtf8(RtfNormalizeSpace(RtfBodyText(doc.Footers().Find(ahftFirst)->Paras()))), "first foot");
    ASSERT_NE(doc.Bookmarks().Find(u"here"), nullptr);
    const std::string dump = VYXDumpParas(doc.Paras());
    EXPECT_NE(dump.find("field \"PAGE\" result=\"7\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("link first url=\"http://a.b/c\" \"go\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("link last url=\"http://a.b/c\" \"there\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("bookmark=\"here\" \"back\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("bookmark first \"here\""), std::string::npos) << dump;
}

// Pasting reads into a given list and leaves the document's own body alone.
TEST(ReadRTF, ReadsIntoAGivenList)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"mine");
    auto scratch = doc.CreateParas();
    TVYXReadRTF reader(doc);
    reader.LoadFromBytes(R"({\rtf1{\header h}a\par b{\footnote n}{\*\bkmkstart m}c{\*\bkmkend m}\par})", *scratch);
    EXPECT_EQ(ToUtf8(RtfNormalizeSpace(RtfBodyText(doc.Paras()))), "mine");
    EXPECT_EQ(ToUtf8(RtfNormalizeSpace(RtfBodyText(*scratch))), "a bc");
    EXPECT_EQ(doc.Headers().Find(ahftDefault), nullptr);
    EXPECT_EQ(doc.Bookmarks().Find(u"m"), nullptr);  // the scratch list may be freed unused
}

// Every prefix of a real file fails cleanly or reads, and leaves a valid body.
TEST(ReadRTF, EveryTruncationFailsCleanly)
{
    const std::string path = std::string(VYX_SHARED_DIR) + "/corpus/rtf/pandoc-table_nested.rtf";
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << "shared corpus absent";
    const std::string full = ReadFileBytes(path);
    for (std::size_t n = 0; n < full.size(); ++n) {
        SCOPED_TRACE(n);
        TVYXLogDocEditor doc;
        Read(doc, std::string_view(full).substr(0, n));
        ASSERT_GT(doc.Paras().Count(), 0);
        EXPECT_TRUE(doc.Paras().Last()->IsPara());
        (void)VYXDumpParas(doc.Paras());
    }
}

// Tracked changes keep their text and carry author and date; old-style "\pn" lists
// become lists, one for bullets and one for numbers.
TEST(ReadRTF, RevisionsAndOldStyleLists)
{
    const char* rtf = R"({\rtf1{\*\revtbl{Unknown;}{Ann Author;}}\pard a{\revised\revauth1\revdttm130364062 new}{\deleted\revauthdel1 old}\par
{\pntext\f0 \'b7\tab}\pard{\*\pn\pnlvlblt\pnf1{\pntxtb \'b7}}first\par
{\pntext\f0 \'b7\tab}\pard{\*\pn\pnlvlblt\pnf1{\pntxtb \'b7}}second\par
{\pntext 1.\tab}\pard{\*\pn\pnlvlbody\pndec{\pntxta .}}third\par
\pard plain\par})";
    TVYXLogDocEditor doc;
    ASSERT_EQ(Read(doc, rtf), "");
    const std::string dump = VYXDumpParas(doc.Paras());
    EXPECT_NE(dump.find("text \"new\" rev=Insert author=\"Ann Author\" date=45418.44"), std::string::npos) << dump;
    EXPECT_NE(dump.find("text \"old\" rev=Delete author=\"Ann Author\""), std::string::npos) << dump;
    ASSERT_GE(doc.Paras().Count(), 5);
    const TVYXNumbering* first = doc.Paras().GetParas(1)->PAPX().GetNumbering();
    const TVYXNumbering* second = doc.Paras().GetParas(2)->PAPX().GetNumbering();
    const TVYXNumbering* third = doc.Paras().GetParas(3)->PAPX().GetNumbering();
    ASSERT_TRUE(first && second && third);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->Style, anstBullet);
    EXPECT_EQ(third->Style, anstDecimal);
    EXPECT_EQ(doc.Paras().GetParas(4)->PAPX().GetNumbering(), nullptr);
    EXPECT_EQ(ToUtf8(RtfNormalizeSpace(RtfBodyText(doc.Paras()))), "anewold first second third plain");

    // Written and read again, the changes keep their authors and dates.
    TVYXLogDocEditor back;
    ASSERT_EQ(Read(back, TVYXWriteRTF(doc).SaveToBytes()), "");
    EXPECT_EQ(VYXDumpParas(back.Paras()), dump);
}
