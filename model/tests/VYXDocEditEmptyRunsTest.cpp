// VYXDocEditEmptyRunsTest.cpp: the empty run standing just before a bookmark's end (the
// format typing takes there) through the door's edits. An edit either leaves it where it
// is or reports it as filled, so that its inverse (with PutEmptyRun for a reported one,
// as undo does) gives the paragraph back run for run; edits elsewhere in the paragraph
// never lose it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/VYXCharRun.h"
#include "model/VYXDocDump.h"
#include "model/VYXLogDocument.h"
#include "model/tests/VYXTestAddress.h"

namespace {

// Keeps what undo keeps of an insertion: whether it filled an empty run.
class TEmptyRunWatch : public TVYXDocWatcher {
public:
    bool EmptyRun = false;
    std::unique_ptr<TVYXCHPX> CHPX;
    void DocChanged(TVYXLogDocument&, const TVYXDocEditEvent& event) override
    {
        if (event.Change.Kind != adckInsert)
            return;
        EmptyRun = event.EmptyRun;
        CHPX.reset();
        if (event.EmptyRunCHPX) {
            CHPX = std::make_unique<TVYXCHPX>(event.EmptyRunCHPX->CHP());
            CHPX->Assign(*event.EmptyRunCHPX, nullptr, nullptr);
        }
    }
};

// "<text>" with a bookmark over its first `to` - 1 characters, an empty run before the
// bookmark's end, then "<after>" and a second paragraph.
struct TMarkedDoc {
    TVYXLogDocument Doc;
    TEmptyRunWatch Watch;
    TMarkedDoc(const std::u16string& text, std::int32_t to, const std::u16string& after = u"")
    {
        TVYXLogPara* p = Doc.Paras().AppendPara(text + after);
        EXPECT_NE(p->InsertBookmark(u"mark", 1, to), nullptr);
        Doc.Paras().AppendPara(u"next");
        Doc.PutEmptyRun(VYXTestAddressAt(0, to), nullptr);
        Doc.AddWatcher(Watch);
    }
    std::string Dump() { return VYXDumpParas(Doc.Paras()); }
    // The inverse of an insertion over `range`, as undo replays it; what went, for redo.
    std::unique_ptr<TVYXDocFragment> TakeBack(const TVYXDocRange& range)
    {
        const bool emptyRun = Watch.EmptyRun;
        std::unique_ptr<TVYXCHPX> chpx = std::move(Watch.CHPX);
        std::unique_ptr<TVYXDocFragment> removed = Doc.RemoveContent(range);
        if (emptyRun)
            Doc.PutEmptyRun(range.First, chpx.get());
        return removed;
    }
};

// A paragraph mark as Enter inserts it.
std::unique_ptr<TVYXDocFragment> ParagraphMark(TVYXLogDocument& doc)
{
    auto mark = std::make_unique<TVYXDocFragment>();
    mark->Paras = doc.CreateParas();
    mark->Paras->AppendPara(u"")->Pilcrow = true;
    mark->Paras->AppendPara(u"");
    return mark;
}

}  // namespace

TEST(DocEditEmptyRuns, TheDocumentsStartAsBuilt)
{
    TMarkedDoc d(u"a", 2, u" tail");
    EXPECT_NE(d.Dump().find("text \"a\"\n  text \"\"\n  bookmark last \"mark\""), std::string::npos) << d.Dump();
}

TEST(DocEditEmptyRuns, SplittingBesideABookmarkEndIsTakenBackExactly)
{
    // At the run itself (the end of the paragraph, and inside it), and at another place
    // of the paragraph: a split merges the runs it fills, which must not lose the run.
    struct TCase {
        const char* Name;
        std::u16string After;
        std::int32_t At;
    };
    for (const TCase& c : {TCase{"at the paragraph's end", u"", 2}, TCase{"inside, at the run", u" tail", 2},
                           TCase{"after it", u" tail", 5}, TCase{"at the paragraph's end after it", u" tail", 7}}) {
        SCOPED_TRACE(c.Name);
        TMarkedDoc d(u"a", 2, c.After);
        const std::string before = d.Dump();
        const std::unique_ptr<TVYXDocFragment> mark = ParagraphMark(d.Doc);
        const TVYXDocRange range = d.Doc.InsertContent(VYXTestAddressAt(0, c.At), *mark);
        EXPECT_EQ(range.Last.Item, 1);
        const std::string split = d.Dump();
        if (c.At > 2) {
            // Nothing happened at the run: it is still where it was.
            EXPECT_NE(split.find("text \"\"\n  bookmark last \"mark\""), std::string::npos) << split;
        }
        d.TakeBack(range);
        EXPECT_EQ(d.Dump(), before);
        // And the same edit again gives the same paragraphs.
        d.Doc.InsertContent(VYXTestAddressAt(0, c.At), *mark);
        EXPECT_EQ(d.Dump(), split);
    }
}

TEST(DocEditEmptyRuns, TextBehindTheBookmarkEndIsTakenBackExactly)
{
    // Text typed at the run goes behind the boundary, so the range over it holds the
    // run: taking the text out takes the run too, and the insertion reports it.
    for (const std::u16string text : {u"\f", u"word"}) {
        TMarkedDoc d(u"a", 2);
        const std::string before = d.Dump();
        const TVYXDocRange range = d.Doc.InsertText(VYXTestAddressAt(0, 2), text);
        const std::string typed = d.Dump();
        EXPECT_NE(typed.find("text \"\"\n  bookmark last \"mark\""), std::string::npos) << typed;
        EXPECT_TRUE(d.Watch.EmptyRun);
        std::unique_ptr<TVYXDocFragment> removed = d.TakeBack(range);
        EXPECT_EQ(d.Dump(), before);
        // Put back as content (redo) it lands as typed, and comes out again the same.
        EXPECT_EQ(d.Doc.InsertContent(VYXTestAddressAt(0, 2), *removed), range);
        EXPECT_EQ(d.Dump(), typed);
        d.TakeBack(range);
        EXPECT_EQ(d.Dump(), before);
    }
    // In front of the run at a paragraph's start, typed or put back as content, the
    // text leaves the run where it is: nothing to report.
    TVYXLogDocument doc;
    TVYXLogPara* p = doc.Paras().AppendPara(u"x");
    ASSERT_NE(p->InsertBookmark(u"mark", 1, 2), nullptr);
    doc.RemoveContent({VYXTestAddressAt(0, 1), VYXTestAddressAt(0, 2)});  // both ends of the bookmark at 1
    doc.PutEmptyRun(VYXTestAddressAt(0, 1), nullptr);
    const std::string before = VYXDumpParas(doc.Paras());
    const TVYXDocRange typed = doc.InsertText(VYXTestAddressAt(0, 1), u"a");
    const std::string after = VYXDumpParas(doc.Paras());
    EXPECT_NE(after.find("text \"a\"\n  text \"\"\n  bookmark first"), std::string::npos) << after;
    std::unique_ptr<TVYXDocFragment> removed = doc.RemoveContent(typed);
    EXPECT_EQ(VYXDumpParas(doc.Paras()), before);
    doc.InsertContent(VYXTestAddressAt(0, 1), *removed);
    EXPECT_EQ(VYXDumpParas(doc.Paras()), after);
}

TEST(DocEditEmptyRuns, EditsElsewhereInTheParagraphLeaveTheRun)
{
    TMarkedDoc d(u"b", 2, u"word ");
    const std::string before = d.Dump();
    // Typed at the end, formatted, formats restored, typing taken out.
    const TVYXDocRange range = d.Doc.InsertText(VYXTestAddressAt(0, 7), u" ");
    const std::string typed = d.Dump();
    TVYXCHPX bold(&d.Doc.GetMasterCHP());
    bold.SetBold(true);
    const std::unique_ptr<TVYXDocFormats> formats = d.Doc.SetCharProps(range, bold);
    d.Doc.RestoreFormats(*formats);
    EXPECT_EQ(d.Dump(), typed);
    d.TakeBack(range);
    EXPECT_EQ(d.Dump(), before);
    // A removal across paragraphs after the run, and its content put back.
    std::unique_ptr<TVYXDocFragment> removed = d.Doc.RemoveContent({VYXTestAddressAt(0, 4), VYXTestAddressAt(1, 3)});
    EXPECT_NE(d.Dump().find("text \"\"\n  bookmark last \"mark\""), std::string::npos) << d.Dump();
    d.Doc.InsertContent(VYXTestAddressAt(0, 4), *removed);
    EXPECT_EQ(d.Dump(), before);
}

TEST(DocEditEmptyRuns, ARunInsertedElsewhereInTheParagraphLeavesTheRun)
{
    // A rule, and a second bookmark's boundaries, put in after the bookmark's end: the
    // run insertion merges the paragraph's runs, which must not take the empty run.
    for (const bool rule : {true, false}) {
        SCOPED_TRACE(rule ? "a rule" : "a bookmark");
        TMarkedDoc d(u"longer", 7, u"a");
        TVYXCHPX big(&d.Doc.GetMasterCHP());
        big.SetSize(25);
        d.Doc.PutEmptyRun(VYXTestAddressAt(0, 7), &big);
        const std::string before = d.Dump();
        ASSERT_NE(before.find("text \"\" size=25\n  bookmark last \"mark\""), std::string::npos) << before;
        const TVYXDocRange range = d.Doc.InsertRun(VYXTestAddressAt(0, 8), [rule](TVYXLogPara& para, std::int32_t pos) -> TVYXCharRun* {
            if (rule)
                return para.InsertHorizontalLine(pos);
            TVYXBookmark* mark = para.InsertBookmark(u"other", pos, pos);
            TVYXCharRun* first = nullptr;
            for (int r = 0; r < para.Count() && !first && mark; ++r)
                if (para.GetItems(r)->StartPos() == pos && para.GetItems(r)->Type_() == acrtLinked)
                    first = para.GetItems(r);
            return first;
        });
        const std::string after = d.Dump();
        EXPECT_NE(after.find("text \"\" size=25\n  bookmark last \"mark\""), std::string::npos) << after;
        EXPECT_FALSE(d.Watch.EmptyRun);
        if (rule) {
            d.TakeBack(range);
            EXPECT_EQ(d.Dump(), before);
        }
    }
}

TEST(DocEditEmptyRuns, ARemovalHoldingTheWholeBookmarkPutsTheRunBack)
{
    // The bookmark opens in the second paragraph (or in a table's cell) and closes after
    // "word " in the third, with an empty run before its end; the removal runs from the
    // first paragraph into the fourth. Its copy holds the run, but the boundaries stay
    // in the body, and putting the content back merges the copy's runs before they
    // return between them.
    for (const bool inTable : {false, true})
        for (const bool formatted : {false, true}) {
            SCOPED_TRACE(std::string(inTable ? "from a cell" : "from a paragraph") +
                         (formatted ? ", formatted run" : ", plain run"));
            TVYXLogDocument doc;
            doc.Paras().AppendPara(u"before");
            TVYXLogPara* opening = nullptr;
            if (inTable) {
                opening = doc.Paras().AddTable(1, 1)->GetCells(0, 0)->Paras().GetParas(0);
                opening->Append(u"cell");
            } else {
                opening = doc.Paras().AppendPara(u"cell");
            }
            TVYXLogPara* closing = doc.Paras().AppendPara(u"word tail");
            ASSERT_NE(opening->InsertBookmark(u"mark", 2, 6, closing), nullptr);
            doc.Paras().AppendPara(u"after");
            TVYXCHPX big(&doc.GetMasterCHP());
            big.SetSize(25);
            doc.PutEmptyRun(VYXTestAddressAt(2, 6), formatted ? &big : nullptr);
            const std::string before = VYXDumpParas(doc.Paras());
            ASSERT_NE(before.find(formatted ? "text \"\" size=25\n  bookmark last" : "text \"\"\n  bookmark last"),
                      std::string::npos)
                << before;
            const TVYXDocRange range{VYXTestAddressAt(0, 2), VYXTestAddressAt(3, 3)};
            std::unique_ptr<TVYXDocFragment> removed = doc.RemoveContent(range);
            const std::string without = VYXDumpParas(doc.Paras());
            // Put back where it went (undo), and a copy of it (a record's clone) too.
            const TVYXDocRange back = doc.InsertContent(range.First, *removed->Clone());
            EXPECT_EQ(back, range);
            EXPECT_EQ(VYXDumpParas(doc.Paras()), before);
            std::unique_ptr<TVYXDocFragment> again = doc.RemoveContent(range);
            EXPECT_EQ(VYXDumpParas(doc.Paras()), without);
            doc.InsertContent(range.First, *again);
            EXPECT_EQ(VYXDumpParas(doc.Paras()), before);
        }
}

TEST(DocEditEmptyRuns, TypedBehindOneOfSeveralRunsAtOnePlace)
{
    // "word", then two collapsed bookmarks at its end, an empty run before each of their
    // boundaries. Typing there goes behind the last boundary; taking the text out must
    // leave every run, not drop the last one and refill the first.
    TVYXLogDocument doc;
    TVYXLogPara* p = doc.Paras().AppendPara(u"word");
    doc.Paras().AppendPara(u"next");
    ASSERT_NE(p->InsertBookmark(u"one", 5, 5), nullptr);
    ASSERT_NE(p->InsertBookmark(u"two", 5, 5), nullptr);
    TVYXCHPX big(&doc.GetMasterCHP());
    big.SetSize(25);
    for (int r = p->Count() - 1; r > 0; --r)
        if (p->GetItems(r)->Type_() == acrtLinked && p->GetItems(r - 1)->Type_() == acrtLinked)
            p->CharRuns().Insert(r, &big);
    doc.PutEmptyRun(VYXTestAddressAt(0, 5), nullptr);
    p->CharRuns().Reindex();
    TEmptyRunWatch watch;
    doc.AddWatcher(watch);
    const std::string before = VYXDumpParas(doc.Paras());
    const TVYXDocRange range = doc.InsertText(VYXTestAddressAt(0, 5), u"x");
    EXPECT_NE(VYXDumpParas(doc.Paras()).find("bookmark last \"two\"\n  text \"x\""), std::string::npos);
    std::unique_ptr<TVYXCHPX> chpx = std::move(watch.CHPX);
    const bool emptyRun = watch.EmptyRun;
    doc.RemoveContent(range);
    if (emptyRun)
        doc.PutEmptyRun(range.First, chpx.get());
    EXPECT_EQ(VYXDumpParas(doc.Paras()), before);
}
