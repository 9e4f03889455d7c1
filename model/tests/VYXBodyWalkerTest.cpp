// VYXBodyWalkerTest.cpp: tracked changes and ranges over a real body: reading order through nested
// tables, which paragraphs may go, accept/reject across paragraphs and cells, position conversions.
#include <gtest/gtest.h>

#include <utility>

#include "model/VYXBodyWalker.h"
#include "model/VYXLogPos.h"
#include "model/tests/VYXBodyTestDoc.h"

namespace {
struct TRunSpec {
    const char16_t* Text;
    TVYXRevisionType Type = artUnknown;  // artUnknown: an unmarked run
};

// Replaces the paragraph's runs by one run per description, marked by `author` where the description asks for it.
void Fill(TVYXLogPara& para, TVYXRevision& rev, std::initializer_list<TRunSpec> runs, const char16_t* author = u"Ann")
{
    while (para.Count() > 0)
        para.CharRuns().Delete(0);
    for (const TRunSpec& spec : runs) {
        TVYXCharRun* run = para.AppendPlainText(spec.Text);
        if (spec.Type != artUnknown)
            run->AddRevision(rev.Add(author, spec.Type));
    }
}

std::u16string Joined(TVYXLogParas& body)
{
    std::u16string text;
    for (const auto& p : ReadingOrder(body))
        text += p + u"|";
    return text;
}

int MarkedRuns(const TVYXParaWalker& walker)
{
    int n = 0;
    for (const TVYXParaRef& ref : walker.Paras())
        for (int i = 0; i < ref.Runs->Count(); ++i)
            n += ref.Runs->Items(i)->HasAnyRevision() ? 1 : 0;
    return n;
}

// Every paragraph of the body keeps at least one run.
bool EveryParaHasARun(const TVYXParaWalker& walker)
{
    for (const TVYXParaRef& ref : walker.Paras())
        if (ref.Runs->Count() == 0)
            return false;
    return true;
}
}  // namespace

TEST(BodyWalker, ReadingOrderThroughNestedTables)
{
    TVYXBodyTestDoc doc;
    doc.Body.AppendPara(u"before");
    TVYXTable* outer = doc.Body.AddTable(2, 2);
    outer->GetCells(0, 0)->Paras().GetParas(0)->SetPlainText(u"a1");
    TVYXLogParas& b1 = outer->GetCells(1, 0)->Paras();
    b1.GetParas(0)->SetPlainText(u"b1");
    TVYXTable* inner = b1.AddTable(1, 2);
    inner->GetCells(0, 0)->Paras().GetParas(0)->SetPlainText(u"inner1");
    inner->GetCells(0, 1)->Paras().GetParas(0)->SetPlainText(u"inner2");
    b1.AppendPara(u"b1 after");
    outer->GetCells(0, 1)->Paras().GetParas(0)->SetPlainText(u"a2");
    outer->GetCells(1, 1)->Paras().GetParas(0)->SetPlainText(u"b2");
    doc.Body.AppendPara(u"after");

    TVYXBodyWalker& walker = doc.Doc.Walker();
    const auto refs = walker.Paras();
    std::vector<std::u16string> texts;
    for (const TVYXParaRef& ref : refs) {
        texts.push_back(ref.Para->GetPlainText());
        EXPECT_EQ(ref.Runs, &ref.Para->CharRuns());
        EXPECT_EQ(ref.PAPX, &ref.Para->PAPX());
    }
    EXPECT_EQ(texts, (std::vector<std::u16string>{u"before", u"a1", u"b1", u"inner1", u"inner2", u"b1 after",
                                                  u"a2", u"b2", u"after"}));
    // The walker's order is the body's own reading order.
    for (std::size_t i = 0; i + 1 < refs.size(); ++i)
        EXPECT_EQ(refs[i].Para->Next(), refs[i + 1].Para) << i;
    EXPECT_TRUE(TVYXBodyWalker().Paras().empty());
}

TEST(BodyWalker, WhichParagraphsMayGo)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* first = doc.Body.AppendPara(u"first");
    TVYXLogPara* second = doc.Body.AppendPara(u"second");
    TVYXTable* table = doc.Body.AddTable(1, 1);
    TVYXLogPara* betweenTables = doc.Body.AppendPara(u"between tables");
    doc.Body.AddTable(1, 1);
    TVYXLogPara* cellOnly = table->GetCells(0, 0)->Paras().GetParas(0);
    TVYXLogPara* sectionEnd = doc.Body.AppendPara(u"section end");
    sectionEnd->AddSEP();
    TVYXLogPara* last = doc.Body.AppendPara(u"last");

    TVYXBodyTestDoc other;
    TVYXLogPara* foreign = other.Body.AppendPara(u"elsewhere");
    other.Body.AppendPara(u"elsewhere too");

    TVYXBodyWalker& walker = doc.Doc.Walker();
    struct TCase {
        const char* Name;
        TVYXLogPara* Para;
        bool Removed;
    };
    // In this order: each case sees the body the earlier ones left.
    const TCase cases[] = {
        {"outside the body", foreign, false},
        {"nothing", nullptr, false},
        {"only paragraph of a cell", cellOnly, false},
        {"the only thing between two tables", betweenTables, false},
        {"carries a section", sectionEnd, false},
        {"ordinary", second, true},
        {"first, before a table", first, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const int before = static_cast<int>(walker.Paras().size());
        if (c.Para)
            while (c.Para->Count() > 0)
                c.Para->CharRuns().Delete(0);
        EXPECT_EQ(walker.RemovePara(c.Para), c.Removed);
        EXPECT_EQ(static_cast<int>(walker.Paras().size()), before - (c.Removed ? 1 : 0));
        EXPECT_TRUE(EveryParaHasARun(walker));
    }
    EXPECT_TRUE(doc.Body.GetItems(0)->IsTable());
    // The last paragraph may go while another paragraph of its list remains.
    EXPECT_TRUE(walker.RemovePara(last));
    EXPECT_EQ(doc.Body.Count(), 4);
    TVYXBodyTestDoc single;
    TVYXBodyWalker& lone = single.Doc.Walker();
    single.Body.Validate();
    EXPECT_FALSE(lone.RemovePara(single.Body.GetParas(0)));
    EXPECT_EQ(single.Body.Count(), 1);
}

TEST(BodyWalker, InsertionOverParagraphsAndACell)
{
    // "Keep [new" | "[whole]" | table cell "[cell]" | "[x]tail": one insertion through a table cell.
    for (bool accept : {true, false}) {
        SCOPED_TRACE(accept);
        TVYXBodyTestDoc doc;
        TVYXBodyWalker& walker = doc.Doc.Walker();
        TVYXRevision& rev = doc.Doc.Revision();
        Fill(*doc.Body.AppendPara(), rev, {{u"Keep "}, {u"new", artInsert}});
        Fill(*doc.Body.AppendPara(), rev, {{u"whole", artInsert}});
        TVYXTable* table = doc.Body.AddTable(1, 1);
        Fill(*table->GetCells(0, 0)->Paras().GetParas(0), rev, {{u"cell", artInsert}});
        Fill(*doc.Body.AppendPara(), rev, {{u"x", artInsert}, {u"tail"}});
        rev.Collect();
        ASSERT_EQ(rev.Ranges.Count(), 1);
        TVYXRevisionRange* range = rev.Ranges.GetItems(0);
        EXPECT_EQ(range->GetText(), u"new\r\nwhole\r\ncell\r\nx");
        EXPECT_EQ(range->ParaIndex1, 0);
        EXPECT_EQ(range->ParaIndex2, 3);
        EXPECT_EQ(range->Para2, doc.Body.GetParas(3));
        if (accept) {
            rev.AcceptAll();
            EXPECT_EQ(Joined(doc.Body), u"Keep new|whole|cell|xtail|");
        } else {
            rev.RejectAll();
            // The emptied paragraph goes; the cell keeps its only paragraph, with an empty run.
            EXPECT_EQ(Joined(doc.Body), u"Keep ||tail|");
            EXPECT_EQ(doc.Body.Count(), 3);
        }
        EXPECT_EQ(MarkedRuns(walker), 0);
        EXPECT_TRUE(EveryParaHasARun(walker));
        EXPECT_EQ(rev.Ranges.Count(), 0);
    }
}

TEST(BodyWalker, DeletionBetweenBoundariesOverATable)
{
    // A deletion marked by linked boundaries from the first paragraph, through both cells of
    // a table whose second cell holds a nested table, into the paragraph after it.
    for (bool accept : {true, false}) {
        SCOPED_TRACE(accept);
        TVYXBodyTestDoc doc;
        TVYXBodyWalker& walker = doc.Doc.Walker();
        TVYXRevision& rev = doc.Doc.Revision();
        TVYXLogPara* p1 = doc.Body.AppendPara();
        Fill(*p1, rev, {{u"Start "}, {u"gone", artDelete}}, u"Bob");
        TVYXTable* table = doc.Body.AddTable(2, 1);
        Fill(*table->GetCells(0, 0)->Paras().GetParas(0), rev, {{u"all gone", artDelete}}, u"Bob");
        TVYXLogParas& second = table->GetCells(1, 0)->Paras();
        Fill(*second.GetParas(0), rev, {{u"cell gone", artDelete}}, u"Bob");
        TVYXTable* inner = second.AddTable(1, 1);
        Fill(*inner->GetCells(0, 0)->Paras().GetParas(0), rev, {{u"deep", artDelete}}, u"Bob");
        Fill(*second.AppendPara(), rev, {{u"also", artDelete}}, u"Bob");
        TVYXLogPara* p3 = doc.Body.AppendPara();
        Fill(*p3, rev, {{u"gone", artDelete}, {u" end"}}, u"Bob");
        auto range = VYXInsertLinkedRange(nullptr, acrltRevision, p1->CharRuns(), 1, p3->CharRuns(), 1);
        range->FirstRun->AddRevision(rev.Add(u"Bob", artDelete));
        range->LastRun->AddRevision(rev.Add(u"Bob", artDelete));
        rev.Collect();
        ASSERT_EQ(rev.Ranges.Count(), 1);
        EXPECT_EQ(rev.Ranges.GetItems(0)->GetText(), u"gone\r\nall gone\r\ncell gone\r\ndeep\r\nalso\r\ngone");
        EXPECT_TRUE(accept ? rev.Accept(rev.Ranges.GetItems(0)) : rev.Reject(rev.Ranges.GetItems(0)));
        if (accept) {
            // Cells keep their last paragraph, and the nested table the paragraph after it.
            EXPECT_EQ(Joined(doc.Body), u"Start |||| end|");
            EXPECT_TRUE(second.GetItems(0)->IsTable());
        } else {
            EXPECT_EQ(Joined(doc.Body), u"Start gone|all gone|cell gone|deep|also|gone end|");
        }
        EXPECT_EQ(MarkedRuns(walker), 0);
        EXPECT_TRUE(EveryParaHasARun(walker));
        EXPECT_EQ(doc.Body.Count(), 3);
    }
}

TEST(BodyWalker, PositionConversions)
{
    TVYXBodyTestDoc doc;
    TVYXBodyWalker& walker = doc.Doc.Walker();
    TVYXRevision& rev = doc.Doc.Revision();
    doc.Body.AppendPara(u"intro");
    TVYXTable* table = doc.Body.AddTable(2, 1);
    TVYXLogPara* cell = table->GetCells(1, 0)->Paras().GetParas(0);
    Fill(*cell, rev, {{u"ab"}, {u"cd", artInsert}, {u"ef"}});
    doc.Body.AppendPara(u"outro");

    const TVYXLogPos inCell(cell, 4);
    const TVYXRevisionPos at = VYXRevisionPosOf(walker, inCell);
    EXPECT_EQ(at, (TVYXRevisionPos{2, 4}));
    const TVYXLogPos back = VYXLogPosOf(walker, at);
    EXPECT_EQ(back.Para, cell);
    EXPECT_EQ(back.CharPos, 4);
    EXPECT_EQ(VYXLogPosOf(walker, {9, 1}).Para, nullptr);
    EXPECT_EQ(VYXLogPosOf(walker, {-1, 1}).Para, nullptr);
    TVYXBodyTestDoc other;
    EXPECT_EQ(VYXRevisionPosOf(walker, TVYXLogPos(other.Body.AppendPara(u"x"), 1)).Para, -1);

    TVYXRevisionRange* range = VYXFindRevision(rev, inCell);
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->GetText(), u"cd");
    EXPECT_EQ(VYXFindRevision(rev, TVYXLogPos(cell, 5)), nullptr);  // the position after the range
    EXPECT_EQ(VYXFindRevision(rev, TVYXLogPos(doc.Body.GetParas(0), 3)), nullptr);
    EXPECT_EQ(VYXFindRevision(rev, TVYXLogPos()), nullptr);
    const TVYXLogPos first = VYXRangeFirstPos(*range), last = VYXRangeLastPos(*range);
    EXPECT_EQ(first.Para, cell);
    EXPECT_EQ(first.CharPos, 3);
    EXPECT_EQ(last.Para, cell);
    EXPECT_EQ(last.CharPos, 5);
    EXPECT_TRUE(first.Less(last));
}

TEST(BodyWalker, BookmarkOverParagraphsAndATable)
{
    // "a[bc" | table "cell" | "de]f": the bookmark's text crosses the table.
    TVYXBodyTestDoc doc;
    TVYXBodyWalker& walker = doc.Doc.Walker();
    TVYXRevision& rev = doc.Doc.Revision();
    TVYXLogPara* p1 = doc.Body.AppendPara();
    Fill(*p1, rev, {{u"a"}, {u"bc"}});
    TVYXTable* table = doc.Body.AddTable(1, 1);
    TVYXLogPara* cell = table->GetCells(0, 0)->Paras().GetParas(0);
    Fill(*cell, rev, {{u"cell"}});
    TVYXLogPara* p3 = doc.Body.AppendPara();
    Fill(*p3, rev, {{u"de"}, {u"f"}});
    TVYXBookmarks bookmarks;
    auto range = VYXInsertLinkedRange(nullptr, acrltBookmark, p1->CharRuns(), 1, p3->CharRuns(), 1);
    range->Body = &walker;
    TVYXFieldSelectionImpl* sel = range.get();
    TVYXBookmark* mark = bookmarks.Add(u"Across", std::move(range));
    EXPECT_EQ(mark->GetPlainText(), u"bc\r\ncell\r\nde");

    // A permission over the same stretch unprotects the cell's runs too.
    doc.DOP.Protection.Enforcement = true;
    cell->CRFirst()->SetReadOnly(true);
    EXPECT_TRUE(cell->CRFirst()->GetReadOnlyActive());
    TVYXPermissions perms;
    auto permRange = std::make_unique<TVYXFieldSelectionImpl>();
    permRange->FirstRun = sel->FirstRun;
    permRange->LastRun = sel->LastRun;
    permRange->Body = &walker;
    perms.Add(u"1", std::move(permRange))->Unprotect();
    EXPECT_FALSE(cell->CRFirst()->GetReadOnlyActive());
}

TEST(BodyWalker, RangeTextOverParagraphs)
{
    struct TCase {
        const char* Name;
        bool EndInCell;     // the range ends in the table's cell instead of the last paragraph
        bool ProtectInside; // a protected run lies inside
        bool SamePara;      // both boundaries in the first paragraph
        bool Done;
        const char16_t* Text;  // the body afterwards, paragraphs joined by "|"
    };
    const TCase cases[] = {
        {"over a table", false, false, false, true, u"aNEWf|"},
        {"one paragraph", false, false, true, true, u"aNEW|cell|mid|def|"},
        {"ends in a cell", true, false, false, false, u"abc|cell|mid|def|"},
        {"protected run inside", false, true, false, false, u"abc|cell|mid|def|"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TVYXBodyTestDoc doc;
        TVYXBodyWalker& walker = doc.Doc.Walker();
        TVYXRevision& rev = doc.Doc.Revision();
        TVYXLogPara* p1 = doc.Body.AppendPara();
        Fill(*p1, rev, {{u"a"}, {u"bc"}});
        p1->CharRuns().Items(1)->AddCHPX()->SetBold(true);
        TVYXTable* table = doc.Body.AddTable(1, 1);
        TVYXLogPara* cell = table->GetCells(0, 0)->Paras().GetParas(0);
        Fill(*cell, rev, {{u"cell"}});
        doc.Body.AppendPara(u"mid");
        TVYXLogPara* p3 = doc.Body.AppendPara();
        Fill(*p3, rev, {{u"de"}, {u"f"}});
        TVYXCharRuns& lastRuns = c.SamePara ? p1->CharRuns() : c.EndInCell ? cell->CharRuns() : p3->CharRuns();
        auto range = VYXInsertLinkedRange(nullptr, acrltBookmark, p1->CharRuns(), 1, lastRuns,
                                          c.SamePara ? 2 : c.EndInCell ? 0 : 1);
        // Runs are protected unless cleared: only the cell's run stays so.
        doc.DOP.Protection.Enforcement = true;
        for (const TVYXParaRef& ref : walker.Paras())
            for (int i = 0; i < ref.Runs->Count(); ++i)
                ref.Runs->Items(i)->SetReadOnly(c.ProtectInside && ref.Para == cell);
        EXPECT_EQ(VYXSetRangePlainText(*range, walker, u"NEW"), c.Done);
        EXPECT_EQ(Joined(doc.Body), c.Text);
        EXPECT_TRUE(EveryParaHasARun(walker));
        if (c.Done) {
            EXPECT_EQ(range->FirstRun->Parent(), &p1->CharRuns());
            EXPECT_EQ(range->LastRun->Parent(), &p1->CharRuns());
            // The new text takes the format of the first text inside; positions are whole again.
            TVYXCharRun* inserted = p1->CharRuns().Items(range->FirstRun->Index() + 1);
            ASSERT_NE(inserted->CHPX(), nullptr);
            EXPECT_TRUE(inserted->CHPX()->GetBold());
            EXPECT_EQ(range->LastRun->StartPos(), inserted->GetEndPos());
            range->Body = &walker;
            EXPECT_EQ(range->GetPlainText(), u"NEW");
        }
    }
}

TEST(BodyWalker, RangesFollowBodyEdits)
{
    // Typing before a change in a cell and splitting its paragraph move the range with the text.
    TVYXBodyTestDoc doc;
    TVYXBodyWalker& walker = doc.Doc.Walker();
    TVYXRevision& rev = doc.Doc.Revision();
    doc.Body.AppendPara(u"intro");
    TVYXTable* table = doc.Body.AddTable(1, 1);
    TVYXLogParas& cellParas = table->GetCells(0, 0)->Paras();
    TVYXLogPara* cell = cellParas.GetParas(0);
    Fill(*cell, rev, {{u"ab"}, {u"cd", artDelete}});
    EXPECT_EQ(VYXFindRevision(rev, TVYXLogPos(cell, 3))->GetText(), u"cd");

    cell->InsertText(u"xyz", 1);
    rev.Collect();
    EXPECT_EQ(VYXFindRevision(rev, TVYXLogPos(cell, 3)), nullptr);
    TVYXRevisionRange* moved = VYXFindRevision(rev, TVYXLogPos(cell, 6));
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(VYXRangeFirstPos(*moved).CharPos, 6);

    TVYXLogPara* tail = cellParas.SplitAtPos(*cell, 3);
    ASSERT_NE(tail, cell);
    rev.Collect();
    ASSERT_EQ(rev.Ranges.Count(), 1);
    EXPECT_EQ(rev.Ranges.GetItems(0)->Para1, tail);
    EXPECT_EQ(VYXRevisionPosOf(walker, VYXRangeFirstPos(*rev.Ranges.GetItems(0))), (TVYXRevisionPos{2, 4}));
    rev.AcceptAll();
    EXPECT_EQ(Joined(doc.Body), u"intro|xy|zab|");
}
