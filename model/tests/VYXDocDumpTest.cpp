// VYXDocDumpTest.cpp: the body dump against a golden file, and what the dump must and must not show.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "model/VYXDocDump.h"
#include "model/VYXFields.h"
#include "model/VYXRevision.h"
#include "model/tests/VYXBodyTestDoc.h"
#include "platform/tests/VYXGolden.h"

namespace {

std::string Golden(const char* name) { return std::string(VYX_SOURCE_DIR) + "/model/tests/golden/" + name; }

// A new paragraph takes over the format of the one before it, as after Enter; the
// sample starts each of its paragraphs from the defaults instead.
TVYXLogPara* Fresh(TVYXLogParas& body, std::u16string_view text)
{
    TVYXLogPara* p = body.AppendPara(text);
    p->PAPX().Clear();
    p->CRFirst()->DeleteCHPX();
    return p;
}

// A body with a heading, formatted runs, a list, a field, a bookmark, a hyperlink,
// tracked changes and a table with a merge, widths, a fill and a nested table.
struct TSampleDoc : TVYXBodyTestDoc {
    TSampleDoc()
    {
        TVYXHyperlinks& links = Doc.Hyperlinks();
        TVYXLogPara* title = Fresh(Body, u"Quarterly \"report\"");
        EXPECT_TRUE(title->UseStyle(u"Heading1"));
        title->InsertBookmark(u"Intro", 1, 10);

        TVYXLogPara* body = Fresh(Body, u"Plain, ");
        TVYXCHPX bold(nullptr);
        bold.SetBold(true);
        bold.SetSize(14);
        body->AppendFormattedText(u"bold", &bold);
        TVYXCHPX plain(nullptr);
        body->AppendFormattedText(u" then ", &plain);
        body->AppendTab();
        body->AppendPlainText(u"page ");
        body->AppendField(u" PAGE ", u"3");
        body->AppendBreak(acrbtLineBreak);
        body->AppendHyperlink(links.Add(u"https://example.com/a?b=1", ahtURL), u"site");

        Fresh(Body, u"first")->BeginNumbering(anstDecimal);
        Body.AppendPara(u"second");  // continues the list

        TVYXLogPara* changed = Fresh(Body, u"kept inserted deleted");
        auto mark = [changed](TVYXRevisionType type, const char16_t* author, double date, std::int32_t from,
                              std::int32_t to) {
            TVYXRevisionData change;
            change.RevType = type;
            change.Author = author;
            change.Date = date;
            change.Id = from;
            changed->ApplyRevision(change, from, to);
        };
        mark(artInsert, u"Ann", 45000.5, 6, 14);
        mark(artDelete, u"Bob", 45001.25, 15, 22);

        TVYXTable* table = Body.AddTable(3, 2);
        table->GetCells(0, 0)->Paras().GetParas(0)->SetPlainText(u"a1");
        table->GetCells(1, 0)->Paras().GetParas(0)->SetPlainText(u"b1");
        table->GetCells(2, 1)->Paras().GetParas(0)->SetPlainText(u"c2");
        table->GetCells(2, 1)->SetFillColor(0xFFEE00);
        table->MergeCells(0, 0, 1, 0);
        table->MergeCells(0, 0, 0, 1);
        TVYXLogParas& inner = table->GetCells(1, 1)->Paras();
        TVYXTable* nested = inner.AddTable(1, 1);
        nested->GetCells(0, 0)->Paras().GetParas(0)->SetPlainText(u"deep");
        Fresh(Body, u"end\tof\x01text");
    }
};

}  // namespace

TEST(DocDump, SampleBodyMatchesGolden)
{
    TSampleDoc doc;
    const std::string dump = VYXDumpParas(doc.Body);
    EXPECT_TRUE(VYXMatchesGolden(dump, Golden("sample-body.dump")));
}

// A copy of the body dumps the same, formats, lists, fields, changes and tables
// included. Its bookmark boundaries refer to the document's bookmark without
// joining its chain (a name stays unique), so they stand alone.
TEST(DocDump, CloneDumpsTheSame)
{
    TSampleDoc doc;
    TVYXLogParasRootIterator nav;
    std::unique_ptr<TVYXLogParas> copy = doc.Body.Clone(&nav, nullptr);
    nav.SetParas(copy.get());
    std::string expected = VYXDumpParas(doc.Body);
    for (const std::string from : {"bookmark first", "bookmark last"})
        for (std::size_t at = expected.find(from); at != std::string::npos; at = expected.find(from))
            expected.replace(at, from.size(), "bookmark single");
    EXPECT_EQ(VYXDumpParas(*copy), expected);
}

// Defaults stay out of the dump; every change of format or structure shows up.
TEST(DocDump, OnlyWhatDiffersFromTheDefaults)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"x");
    EXPECT_EQ(VYXDumpParas(doc.Body), "para\n  text \"x\"\n");
    EXPECT_EQ(VYXDumpParas(doc.Body, 2), "    para\n      text \"x\"\n");

    const std::string before = VYXDumpParas(doc.Body);
    struct TCase {
        const char* What;
        void (*Change)(TVYXLogPara&);
        const char* Shows;
    };
    const TCase cases[] = {
        {"italic", [](TVYXLogPara& q) { q.CRFirst()->AddCHPX()->SetItalic(true); }, "text \"x\" italic"},
        {"colour", [](TVYXLogPara& q) { q.CRFirst()->AddCHPX()->SetColor(0x123456); }, "color=123456"},
        {"hidden", [](TVYXLogPara& q) { q.CRFirst()->AddCHPX()->SetAsBoolean(vyciHidden, true); }, " hidden"},
        {"paragraph style", [](TVYXLogPara& q) { EXPECT_TRUE(q.UseStyle(u"Heading2")); }, "para style=\"Heading2\""},
        {"alignment", [](TVYXLogPara& q) { q.PAPX().SetAsInteger(vypiAlignment, vyptaRight); }, "align=Right"},
        {"indent", [](TVYXLogPara& q) { q.PAPX().SetAsFloat(vypiIndentLeft, 36.004); }, "indentLeft=36"},
        {"keep", [](TVYXLogPara& q) { q.PAPX().SetAsBoolean(vypiKeepNext, true); }, " keepNext"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        TVYXBodyTestDoc fresh;
        TVYXLogPara* q = fresh.Body.AppendPara(u"x");
        c.Change(*q);
        const std::string dump = VYXDumpParas(fresh.Body);
        EXPECT_NE(dump, before);
        EXPECT_NE(dump.find(c.Shows), std::string::npos) << dump;
    }
    (void)p;
}

// The heading style's format shows on its runs; the run's own list wins over it, and
// what it sets back to the document default disappears from the dump (the colour too:
// as layout draws it, a colour survives only from the last list applied).
TEST(DocDump, CharacterFormatIsResolvedThroughStyles)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"head");
    ASSERT_TRUE(p->UseStyle(u"Heading1"));
    const std::string styled = VYXDumpParas(doc.Body);
    EXPECT_NE(styled.find("text \"head\" size=14 bold color=2E74B5"), std::string::npos) << styled;

    TVYXCHPX& own = *p->CRFirst()->AddCHPX();
    own.SetBold(false);
    own.SetSize(20);
    const std::string after = VYXDumpParas(doc.Body);
    EXPECT_NE(after.find("text \"head\" size=20\n"), std::string::npos) << after;
    EXPECT_EQ(after.find(" bold"), std::string::npos) << after;
}

// ---- The stored state and quoting ----------------------------------------------------

namespace {

// The undo and edit tests compare this text before and after; its shape is fixed here.
TEST(DocDumpStored, SampleStateMatchesGolden)
{
    TSampleDoc doc;
    EXPECT_TRUE(VYXMatchesGolden(VYXDumpStoredState(doc.Doc), Golden("sample-body.state")));
}

// A run whose own list names the default value is another stored state than a run
// without a list, though both resolve alike; only the stored dump may tell them apart.
TEST(DocDumpStored, ShowsWhatIsStoredNotWhatResolves)
{
    TVYXBodyTestDoc plain, explicitDefault;
    Fresh(plain.Body, u"same");
    Fresh(explicitDefault.Body, u"same")->CRFirst()->AddCHPX()->SetBold(false);
    EXPECT_EQ(VYXDumpParas(plain.Body), VYXDumpParas(explicitDefault.Body));
    EXPECT_NE(VYXDumpStoredState(plain.Doc), VYXDumpStoredState(explicitDefault.Doc));
}

// A bookmark moved by an edit shows both at its boundaries and in the text it covers.
TEST(DocDumpStored, BookmarksShowTheTextTheyCover)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = Fresh(doc.Body, u"abcdef");
    ASSERT_NE(p->InsertBookmark(u"mark", 2, 4), nullptr);
    const std::string before = VYXDumpStoredState(doc.Doc);
    EXPECT_NE(before.find("bookmark mark [bc]"), std::string::npos) << before;
    p->InsertText(u"X", 1);
    const std::string after = VYXDumpStoredState(doc.Doc);
    EXPECT_NE(after.find("bookmark mark [bc]"), std::string::npos) << after;
    EXPECT_NE(after, before);
}

TEST(DocDumpQuote, TextAndJsonEscapes)
{
    const std::u16string text = u"a\"b\\c\td\ne\rf\x01g\x7Fh\u00e9";
    EXPECT_EQ(VYXDumpQuote(text), "\"a\\\"b\\\\c\\td\\ne\\rf\\x01g\\x7Fh\xC3\xA9\"");
    EXPECT_EQ(VYXDumpQuote(text, true), "\"a\\\"b\\\\c\\td\\ne\\u000df\\u0001g\x7Fh\xC3\xA9\"");
    EXPECT_EQ(VYXDumpQuote(u""), "\"\"");
}

}  // namespace
