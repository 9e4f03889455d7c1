// VYXLogPosTest.cpp: position ordering through nested tables, moves and selections.
#include <gtest/gtest.h>

#include "model/VYXFields.h"
#include "model/VYXLogPos.h"
#include "model/tests/VYXBodyTestDoc.h"
#include "platform/VYXException.h"

namespace {
// root: p0 "a", table T (2x2; cell(1,0) holds a nested table N 1x2 whose cell 1 holds table M), p2 "z".
struct TNested : TVYXBodyTestDoc {
    TVYXTable* T;
    TVYXTable* N;
    TVYXTable* M;
    TNested()
    {
        Body.AppendPara(u"a");
        T = Body.AddTable(2, 2);
        TVYXLogParas& c10 = T->GetCells(1, 0)->Paras();
        c10.GetParas(0)->SetPlainText(u"c10");
        N = c10.AddTable(2, 1);
        c10.AppendPara(u"c10end");
        M = N->GetCells(1, 0)->Paras().AddTable(1, 1);
        T->GetCells(0, 1)->Paras().GetParas(0)->SetPlainText(u"c01");
        Body.AppendPara(u"z");
    }
    // Every paragraph in reading order.
    std::vector<TVYXLogPara*> All()
    {
        std::vector<TVYXLogPara*> v;
        TVYXLogParasIterator it;
        it.ParaEvent = [&v](TVYXLogPara& p) { v.push_back(&p); };
        it.Iterate(Body);
        return v;
    }
};
}  // namespace

TEST(VYXLogPos, SameParagraphAndRootOrdering)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"abcdef");
    TVYXLogPos a(p, 3), b(p, 5);
    EXPECT_EQ(a.Compare(b), 2);
    EXPECT_TRUE(b.Greater(a));
    EXPECT_TRUE(a.Less(b));
    EXPECT_FALSE(a.Equal(b));

    doc.Body.AppendPara(u"x");
    TVYXTable* t = doc.Body.AddTable(1, 1);  // item 2
    doc.Body.AppendPara(u"y");
    TVYXLogPara* p4 = doc.Body.AppendPara(u"z");  // item 4
    TVYXLogPos root(p4, 1), cell(t->FirstPara(), 1);
    TVYXPosCompareData data;
    EXPECT_LT(root.Compare(cell, data), 0);
    EXPECT_EQ(data.CompareRes, apcrRootParasAndTable);
    EXPECT_TRUE(root.Greater(cell));
    EXPECT_TRUE(cell.Less(root));
    // An invalid position answers false to every comparison.
    TVYXLogPos invalid(p, 99);
    EXPECT_FALSE(invalid.Less(a));
    EXPECT_FALSE(invalid.GreaterEqual(a));
}

TEST(VYXLogPos, CellsOfOneTableCompareRowFirst)
{
    TVYXBodyTestDoc doc;
    TVYXTable* t = doc.Body.AddTable(2, 2);
    TVYXLogPos a(t->GetCells(1, 0)->FirstPara(), 1), b(t->GetCells(0, 1)->FirstPara(), 1);
    TVYXPosCompareData data;
    EXPECT_GT(a.Compare(b, data), 0);
    EXPECT_EQ(data.CompareRes, apcrDifferentCells);
    EXPECT_TRUE(a.Less(b));
}

TEST(VYXLogPos, OrderingInsideNestedCellsFollowsReadingOrder)
{
    TNested doc;
    const auto all = doc.All();
    ASSERT_GE(all.size(), 9u);
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = 0; j < all.size(); ++j) {
            SCOPED_TRACE(std::to_string(i) + "," + std::to_string(j));
            TVYXLogPos a(all[i], 1), b(all[j], 1);
            EXPECT_EQ(a.Less(b), i < j);
            EXPECT_EQ(a.Equal(b), i == j);
            EXPECT_EQ(a.Greater(b), i > j);
        }
    // The details of a comparison between a paragraph of a cell and one nested below it.
    TVYXLogPos outer(doc.T->GetCells(1, 0)->Paras().GetParas(2), 1);
    TVYXLogPos deep(doc.M->FirstPara(), 1);
    TVYXPosCompareData data;
    EXPECT_LT(outer.Compare(deep, data), 0);
    EXPECT_EQ(data.CompareRes, apcrParaAndCellInSameCell);
    EXPECT_EQ(data.Level1, 1);
    EXPECT_EQ(data.Level2, 3);
}

TEST(VYXLogPos, ReadingOrderMovesAgreeWithTheIterator)
{
    TNested doc;
    const auto all = doc.All();
    TVYXLogPos pos(all.front(), 1);
    for (std::size_t i = 1; i < all.size(); ++i) {
        ASSERT_TRUE(pos.MoveParaNext());
        EXPECT_EQ(pos.Para, all[i]);
    }
    EXPECT_FALSE(pos.MoveParaNext());
    pos.MoveEndOfPara();
    EXPECT_TRUE(pos.IsAtEndOfDoc());
    EXPECT_FALSE(pos.MoveCharNext());
    pos.MoveBeginningOfPara();
    for (std::size_t i = all.size() - 1; i > 0; --i) {
        ASSERT_TRUE(pos.MoveCharPrev());  // to the previous paragraph's end
        ASSERT_EQ(pos.Para, all[i - 1]);
        EXPECT_TRUE(pos.CPIsAtEOP());
        pos.MoveBeginningOfPara();
    }
    EXPECT_TRUE(pos.IsAtBeginningOfDoc());
}

TEST(VYXLogPos, SetCharPosAndLimits)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"abc");
    TVYXLogPos pos(p, 2);
    try {
        pos.SetCharPos(0);
        ADD_FAILURE() << "no exception";
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "Invalid char pos");
    }
    EXPECT_EQ(pos.CharPos, 2);
    pos.CharPos = 40;
    EXPECT_FALSE(pos.Valid());
    pos.SetWithinLimits();
    EXPECT_EQ(pos.CharPos, 4);
    EXPECT_TRUE(pos.CPIsAtEOP());
    EXPECT_EQ(pos.CharPosDec(), 3);
    EXPECT_FALSE(pos.MoveRelative(1));
    EXPECT_TRUE(pos.MoveRelative(-3));
    EXPECT_TRUE(pos.CPIsAtBOP());
}

TEST(VYXLogPos, CellMoves)
{
    TVYXBodyTestDoc doc;
    TVYXTable* t = doc.Body.AddTable(2, 2);
    TVYXLogPos pos(t->GetCells(0, 0)->FirstPara(), 1);
    const struct {
        bool (TVYXLogPos::*Move)();
        int Col, Row;
        bool Ok;
    } steps[] = {{&TVYXLogPos::MoveCellRight, 1, 0, true}, {&TVYXLogPos::MoveCellRight, 1, 0, false},
                 {&TVYXLogPos::MoveCellNext, 0, 1, true},  {&TVYXLogPos::MoveCellUp, 0, 0, true},
                 {&TVYXLogPos::MoveCellDown, 0, 1, true},  {&TVYXLogPos::MoveCellPrev, 1, 0, true},
                 {&TVYXLogPos::MoveCellLeft, 0, 0, true}};
    for (const auto& s : steps) {
        EXPECT_EQ((pos.*s.Move)(), s.Ok);
        EXPECT_EQ(pos.Para, t->GetCells(s.Col, s.Row)->FirstPara());
    }
}

TEST(VYXLogSelection, ModesPilcrowAndText)
{
    TNested doc;
    TVYXLogSelections sels;
    TVYXLogSelection* s = sels.Add();
    TVYXLogPara* c10 = doc.T->GetCells(1, 0)->Paras().GetParas(0);
    s->First.Assign(c10, 1);
    s->Last.Assign(c10, 3);
    EXPECT_EQ(s->SelectionMode(), vysmCells);
    EXPECT_EQ(s->GetPlainText(), u"c1");
    s->Last.Assign(doc.M->FirstPara(), 1);
    EXPECT_EQ(s->SelectionMode(), vysmRows);
    s->Last.Assign(doc.T->GetCells(0, 1)->FirstPara(), 1);
    EXPECT_EQ(s->SelectionMode(), vysmText);
    s->First.Assign(doc.Body.GetParas(0), 1);
    EXPECT_EQ(s->SelectionMode(), vysmText);
    EXPECT_FALSE(s->IsCells());

    // Pilcrows: every paragraph before the last one's, the last only when the selection ends at position 1.
    s->Last.Assign(doc.Body.GetParas(2), 1);
    EXPECT_TRUE(s->LastPosIsPilcrow());
    s->TagPilcrow();
    for (TVYXLogPara* p : doc.All())
        EXPECT_TRUE(p->Pilcrow);
    s->Last.Assign(doc.Body.GetParas(2), 1);
    s->Last.CharPos = 2;
    EXPECT_TRUE(s->LastPosIsPilcrow());  // the end of the last item of its list
    doc.Body.GetParas(2)->Pilcrow = false;
    TVYXLogSelection mid;
    mid.First.Assign(doc.Body.GetParas(0), 1);
    mid.Last.Assign(c10, 2);
    EXPECT_FALSE(mid.LastPosIsPilcrow());
    mid.TagPilcrow();
    EXPECT_FALSE(c10->Pilcrow);
    EXPECT_TRUE(doc.Body.GetParas(0)->Pilcrow);
}

TEST(VYXLogSelections, AdjustAndOutside)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"0123456789");
    doc.Body.AppendPara(u"next");
    TVYXLogSelections sels;
    TVYXLogSelection* edited = sels.Add(TVYXLogPos(p, 2), TVYXLogPos(p, 3));
    TVYXLogSelection* after = sels.Add(TVYXLogPos(p, 5), TVYXLogPos(p, 7));
    TVYXLogSelection* before = sels.Add(TVYXLogPos(p, 1), TVYXLogPos(p, 2));
    sels.Adjust(*edited, 3, 2);
    EXPECT_EQ(after->First.CharPos, 7);
    EXPECT_EQ(after->Last.CharPos, 9);
    EXPECT_EQ(before->First.CharPos, 1);
    EXPECT_EQ(edited->First.CharPos, 2);
    EXPECT_TRUE(sels.HasText());

    sels.Delete(2);
    TVYXLogPos pos(p, 8);
    EXPECT_TRUE(sels.SetPosToOutside(pos));
    EXPECT_EQ(pos.CharPos, 2);
    sels.Clear();
    sels.Add(TVYXLogPos(p, 1), TVYXLogPos(p, 4));
    EXPECT_TRUE(sels.SetPosToOutside(pos));
    EXPECT_EQ(pos.Para, p);
    EXPECT_EQ(pos.CharPos, 1);
}

TEST(VYXLogSelection, DeleteAndFormat)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* a = doc.Body.AppendPara(u"Hello");
    TVYXLogPara* b = doc.Body.AppendPara(u"World");
    TVYXLogSelection s;
    s.First.Assign(a, 3);
    s.Last.Assign(b, 2);
    EXPECT_EQ(s.GetPlainText(), u"llo\r\nW");
    EXPECT_TRUE(s.HasPara(*b));
    s.Delete();
    EXPECT_EQ(doc.Body.GetPlainText(), u"Heorld");
    EXPECT_TRUE(s.IsEmpty());
    s.First.Assign(doc.Body.GetParas(0), 1);
    EXPECT_TRUE(s.SelectWordAtFirstPos());
    EXPECT_EQ(s.Last.CharPos, 7);
}

TEST(VYXLogSelection, CopyThenPasteRebuildsTheRange)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* a = doc.Body.AppendPara(u"Hello");
    TVYXTable* t = doc.Body.AddTable(2, 1);
    t->GetCells(1, 0)->Paras().GetParas(0)->SetPlainText(u"cell");
    TVYXLogPara* b = doc.Body.AppendPara(u"World");
    TVYXLogSelection s;
    s.First.Assign(a, 3);
    s.Last.Assign(b, 3);
    TVYXLogParas clip(&doc.Root, nullptr);
    ASSERT_TRUE(s.CopyContent(clip));
    ASSERT_EQ(clip.Count(), 3);
    EXPECT_TRUE(clip.GetParas(0)->Pilcrow);
    EXPECT_FALSE(clip.GetParas(2)->Pilcrow);

    TVYXBodyTestDoc target;
    TVYXLogPara* p = target.Body.AppendPara(u"[]");
    TVYXLogPos at(p, 2);
    target.Body.Insert(at, clip);
    EXPECT_EQ(ReadingOrder(target.Body), (std::vector<std::u16string>{u"[llo", u"", u"cell", u"Wo]"}));
    EXPECT_TRUE(target.Body.GetItems(1)->IsTable());

    // Ending at position 1 of a paragraph copies the mark before it and nothing of the paragraph.
    s.First.Assign(b, 1);
    s.Last.Assign(b, 6);
    EXPECT_TRUE(s.LastPosIsPilcrow());  // the end of the list's last item
    TVYXLogParas whole(&doc.Root, nullptr);
    s.CopyContent(whole);
    ASSERT_EQ(whole.Count(), 1);
    EXPECT_TRUE(whole.GetParas(0)->Pilcrow);
    EXPECT_TRUE(s.IsEntireParas());
}

TEST(VYXLogSelection, ListsOverSelectedParagraphs)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* a = doc.Body.AppendPara(u"one");
    doc.Body.AppendPara(u"two");
    TVYXLogPara* c = doc.Body.AppendPara(u"three");
    TVYXLogSelection s;
    s.First.Assign(a, 2);
    s.Last.Assign(c, 2);
    s.MakeNumbering();
    ASSERT_NE(a->PAPX().GetNumbering(), nullptr);
    EXPECT_EQ(c->PAPX().GetNumbering(), a->PAPX().GetNumbering());
    EXPECT_EQ(a->PAPX().GetStyle(), doc.Styles.Find(u"ListParagraph"));
    s.RemoveBulletNumbering();
    EXPECT_EQ(doc.Body.GetParas(1)->PAPX().GetNumbering(), nullptr);
}

TEST(VYXLogSelection, MergingTheCellsBetweenTheEnds)
{
    TVYXBodyTestDoc doc;
    TVYXTable* t = doc.Body.AddTable(3, 3);
    t->GetCells(2, 2)->Paras().GetParas(0)->SetPlainText(u"kept");
    TVYXLogSelection s;
    s.First.Assign(t->GetCells(1, 1)->FirstPara(), 1);
    s.Last.Assign(t->GetCells(2, 2)->FirstPara(), 1);
    ASSERT_TRUE(s.IsRectCells());
    ASSERT_TRUE(s.MergeCells());
    EXPECT_EQ(t->GetRows(1)->Count(), 2);
    TVYXTableCell* root = t->GetCells(1, 1);
    EXPECT_EQ(root->CalcRowSpan(), 2);
    EXPECT_EQ(root->GridSpan, 2);
    EXPECT_EQ(ReadingOrder(root->Paras()).back(), u"kept");
    EXPECT_EQ(s.First.Para, root->FirstPara());
    TVYXLogSelection inOne;
    inOne.First.Assign(root->FirstPara(), 1);
    inOne.Last.Assign(root->FirstPara(), 1);
    EXPECT_FALSE(inOne.MergeCells());
}

TEST(VYXLogSelections, SetPlainTextReplacesEverySelection)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"aaXXbbYYcc");
    TVYXLogSelections sels;
    sels.Add(TVYXLogPos(p, 3), TVYXLogPos(p, 5));
    sels.Add(TVYXLogPos(p, 7), TVYXLogPos(p, 9));
    sels.SetPlainText(u"-");
    EXPECT_EQ(p->GetText(), u"aa-bb-cc");
}

TEST(VYXLogSelection, SelectHyperlinkAtFirstPos)
{
    TVYXHyperlinks links;
    TVYXBodyTestDoc doc;
    TVYXHyperlink* link = links.Add(u"https://example.org", ahtURL);
    TVYXLogPara* p = doc.Body.AppendPara(u"go ");
    // "go " 1..3, one link in runs "he" 4..5 and "re" 6..7, a second link to the same place "x" 8, " end" 9..12.
    auto* he = p->CharRuns().AddHyperlink(link, u"he");
    auto* re = p->CharRuns().AddHyperlink(link, u"re");
    auto* x = p->CharRuns().AddHyperlink(link, u"x");
    he->HLinkFirst = true, he->HLinkLast = false;
    re->HLinkFirst = false, re->HLinkLast = true;
    x->HLinkFirst = x->HLinkLast = true;
    p->AppendPlainText(u" end");
    ASSERT_EQ(p->GetPlainText(), u"go herex end");
    struct Case {
        std::int32_t at;
        bool found;
        std::int32_t first, last;
    } cases[] = {
        {4, true, 4, 8}, {7, true, 4, 8}, {8, true, 8, 9}, {9, true, 8, 9},  // just after the link
        {2, false, 2, 2}, {11, false, 11, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.at);
        TVYXLogSelection s;
        s.First.Assign(p, c.at);
        s.Last.Assign(p, c.at);
        EXPECT_EQ(s.SelectHyperlinkAtFirstPos(), c.found);
        EXPECT_EQ(s.First.CharPos, c.first);
        EXPECT_EQ(s.Last.CharPos, c.last);
    }
}

TEST(VYXLogSelection, MakeBookmarkAndWordMoves)
{
    TVYXBookmarks marks;
    TVYXBodyTestDoc doc;
    doc.Root.Bookmarks = &marks;
    TVYXLogPara* p = doc.Body.AppendPara(u"one two three");
    TVYXLogPara* q = doc.Body.AppendPara(u"four");
    TVYXLogSelection s;
    s.First.Assign(p, 6);
    s.Last.Assign(p, 6);
    EXPECT_TRUE(s.MoveWordNext());
    EXPECT_EQ(s.Last.CharPos, 9);
    EXPECT_TRUE(s.MoveWordPrev());
    EXPECT_EQ(s.First.CharPos, 5);
    TVYXBookmark* inPara = s.MakeBookmark(u"Two");
    ASSERT_NE(inPara, nullptr);
    EXPECT_EQ(inPara->GetPlainText(), u"two ");

    s.First.Assign(p, 9);
    s.Last.Assign(q, 3);
    TVYXBookmark* across = s.MakeBookmark(u"Across");
    ASSERT_NE(across, nullptr);
    EXPECT_EQ(across->GetPlainText(), u"three\r\nfo");
    EXPECT_EQ(p->GetPlainText(), u"one two three");
    EXPECT_EQ(q->GetPlainText(), u"four");

    s.First.Assign(q, 3);
    s.Last.Assign(p, 1);  // reversed: not valid
    EXPECT_EQ(s.MakeBookmark(u"Bad"), nullptr);
    EXPECT_EQ(marks.Count(), 2);
}

TEST(VYXLogSelection, MakeHyperlinkOverSelectedText)
{
    TVYXHyperlinks links;
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"see ");
    p->AppendTab();
    p->AppendPlainText(u"here now");  // "see " 1..4, tab 5, "here now" 6..13
    TVYXLogSelection s;
    s.First.Assign(p, 2);
    s.Last.Assign(p, 10);
    EXPECT_EQ(s.MakeHyperlink(u"https://example.org"), nullptr);  // no hyperlink list
    doc.Root.Hyperlinks = &links;
    TVYXHyperlink* link = s.MakeHyperlink(u"https://example.org");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->RefCount, 2);  // "ee " and "here"; the tab stays a tab
    EXPECT_EQ(p->GetPlainText(), u"see here now");  // a tab has no plain text
    for (int i = 0; i < p->Count(); ++i)  // start positions hold after the runs were replaced
        EXPECT_EQ(p->GetItems(i)->StartPos, i ? p->GetItems(i - 1)->GetEndPos() : 1);
    std::vector<std::u16string> linked;
    for (int i = 0; i < p->Count(); ++i)
        if (auto* run = dynamic_cast<TVYXCharRunHyperlink*>(p->GetItems(i))) {
            linked.push_back(run->Text);
            EXPECT_EQ(run->Hyperlink, link);
            ASSERT_NE(run->CHPX(), nullptr);
            ASSERT_NE(run->CHPX()->GetStyle(), nullptr);
            EXPECT_EQ(run->CHPX()->GetStyle()->Id, u"Hyperlink");
            EXPECT_EQ(run->HLinkFirst, run->Text == u"ee ");
            EXPECT_EQ(run->HLinkLast, run->Text == u"here");
        }
    EXPECT_EQ(linked, (std::vector<std::u16string>{u"ee ", u"here"}));

    s.First.Assign(p, 11);
    s.Last.Assign(p, 14);
    TVYXHyperlink* toMark = s.MakeHyperlink(u"Intro", true);
    ASSERT_NE(toMark, nullptr);
    EXPECT_EQ(toMark->Type, ahtBookmark);
    s.First.Assign(p, 1);
    s.Last.Assign(p, 2);
    EXPECT_EQ(s.MakeHyperlink(u"Intro", true), toMark);  // one link per bookmark
    s.First.Assign(p, 5);
    s.Last.Assign(p, 6);
    EXPECT_EQ(s.MakeHyperlink(u"x"), nullptr);  // only the tab
    s.Last.Assign(p, 5);
    EXPECT_EQ(s.MakeHyperlink(u"x"), nullptr);  // empty
    EXPECT_EQ(links.Count(), 2);
}

TEST(VYXLogSelection, SplitParasMakesWholeParagraphs)
{
    struct Case {
        std::vector<std::u16string> texts;
        int firstPara;
        std::int32_t first;
        int lastPara;
        std::int32_t last;
        std::vector<std::u16string> want;
        std::u16string selected;
    } cases[] = {
        {{u"abcdef"}, 0, 3, 0, 5, {u"ab", u"cd", u"ef"}, u"cd"},
        {{u"abc", u"def"}, 0, 2, 1, 2, {u"a", u"bc", u"d", u"ef"}, u"bc\r\nd"},
        {{u"abc", u"def"}, 0, 1, 1, 4, {u"abc", u"def"}, u"abc\r\ndef"},  // already whole
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << ".." << c.last);
        TVYXBodyTestDoc doc;
        for (const auto& t : c.texts)
            doc.Body.AppendPara(t);
        TVYXLogSelection s;
        s.First.Assign(doc.Body.GetParas(c.firstPara), c.first);
        s.Last.Assign(doc.Body.GetParas(c.lastPara), c.last);
        ASSERT_TRUE(s.SplitParas());
        EXPECT_EQ(ReadingOrder(doc.Body), c.want);
        EXPECT_EQ(s.GetPlainText(), c.selected);
        EXPECT_TRUE(s.First.CPIsAtBOP());
        EXPECT_TRUE(s.Last.CPIsAtEOP());
    }
    TVYXBodyTestDoc doc;
    TVYXLogSelection s;
    s.First.Assign(doc.Body.AppendPara(u"ab"), 2);
    s.Last.Assign(s.First.Para, 1);
    EXPECT_FALSE(s.SplitParas());  // reversed
}
