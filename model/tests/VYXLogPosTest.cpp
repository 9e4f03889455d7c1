// VYXLogPosTest.cpp: position ordering through nested tables, moves and selections.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPos.h"
#include "model/VYXRevision.h"
#include "model/tests/VYXBodyTestDoc.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

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

    sels.Remove(2);
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
    const auto clipOwned = doc.Doc.CreateParas();
    TVYXLogParas& clip = *clipOwned;
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
    const auto wholeOwned = doc.Doc.CreateParas();
    TVYXLogParas& whole = *wholeOwned;
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
    TVYXBodyTestDoc doc;
    TVYXBookmarks& marks = doc.Doc.Bookmarks();
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
    TVYXBodyTestDoc doc;
    TVYXHyperlinks& links = doc.Doc.Hyperlinks();
    TVYXLogPara* p = doc.Body.AppendPara(u"see ");
    p->AppendTab();
    p->AppendPlainText(u"here now");  // "see " 1..4, tab 5, "here now" 6..13
    TVYXLogSelection s;
    s.First.Assign(p, 2);
    s.Last.Assign(p, 10);
    TVYXHyperlink* link = s.MakeHyperlink(u"https://example.org");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->RefCount, 2);  // "ee " and "here"; the tab stays a tab
    EXPECT_EQ(p->GetPlainText(), u"see here now");  // a tab has no plain text
    for (int i = 0; i < p->Count(); ++i)  // start positions hold after the runs were replaced
        EXPECT_EQ(p->GetItems(i)->StartPos(), i ? p->GetItems(i - 1)->GetEndPos() : 1);
    std::vector<std::u16string> linked;
    for (int i = 0; i < p->Count(); ++i)
        if (auto* run = dynamic_cast<TVYXCharRunHyperlink*>(p->GetItems(i))) {
            linked.push_back(run->Text());
            EXPECT_EQ(run->Hyperlink, link);
            ASSERT_NE(run->CHPX(), nullptr);
            ASSERT_NE(run->CHPX()->GetStyle(), nullptr);
            EXPECT_EQ(run->CHPX()->GetStyle()->Id, u"Hyperlink");
            EXPECT_EQ(run->HLinkFirst, run->Text() == u"ee ");
            EXPECT_EQ(run->HLinkLast, run->Text() == u"here");
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

TEST(VYXLogSelection, CopiedRangePastesBackAsTheSameText)
{
    // "Hello" | table ["c0" | "c1"] | "World": from inside the first paragraph, over its mark
    // and the table, into the middle of the last.
    TVYXBodyTestDoc doc;
    TVYXLogPara* a = doc.Body.AppendPara(u"Hello");
    TVYXTable* t = doc.Body.AddTable(2, 1);
    t->GetCells(0, 0)->FirstPara()->SetPlainText(u"c0");
    t->GetCells(1, 0)->FirstPara()->SetPlainText(u"c1");
    TVYXLogPara* b = doc.Body.AppendPara(u"World");
    struct Case {
        const char* name;
        TVYXLogPos first, last;
        std::u16string text;  // what the pasted range reads back as
        int items;            // items copied
    } cases[] = {
        {"paragraph end, table, part", {a, 3}, {b, 3}, u"llo\r\nc0\r\nc1\r\nWo", 3},
        {"into a cell takes the table whole", {a, 4}, {t->GetCells(1, 0)->FirstPara(), 2},
         u"lo\r\nc0\r\nc1\r\n", 2},
        {"inside one paragraph", {b, 2}, {b, 5}, u"orl", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TVYXLogSelection s;
        s.Assign(c.first, c.last);
        const auto clipOwned = doc.Doc.CreateParas();
        TVYXLogParas& clip = *clipOwned;
        ASSERT_TRUE(s.CopyContent(clip));
        EXPECT_EQ(clip.Count(), c.items);

        TVYXBodyTestDoc target;
        TVYXLogPara* p = target.Body.AppendPara(u"[]");
        TVYXLogPos at(p, 2);
        target.Body.Insert(at, clip);
        // The pasted range runs from "[" to the "]" that followed the insertion point (a
        // pasted table puts it in a paragraph of its own).
        TVYXLogPara* last = target.Body._LastPara();
        TVYXLogSelection pasted;
        pasted.First.Assign(target.Body._FirstPara(), 2);
        pasted.Last.Assign(last, last->EndOfParaPos() - 1);
        EXPECT_EQ(pasted.GetPlainText(), c.text);
        EXPECT_EQ(last->GetPlainText().back(), u']');
    }
}

TEST(VYXLogSelection, ListsSpanCellsAndChangeLevels)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* a = doc.Body.AppendPara(u"one");
    TVYXTable* t = doc.Body.AddTable(1, 1);
    TVYXLogPara* cell = t->GetCells(0, 0)->FirstPara();
    cell->SetPlainText(u"two");
    TVYXLogPara* c = doc.Body.AppendPara(u"three");
    TVYXLogPara* d = doc.Body.AppendPara(u"four");
    TVYXLogSelection all;
    all.Assign(TVYXLogPos(a, 2), TVYXLogPos(d, 1));  // ends at the start of "four": not listed
    TVYXNumbering* level0 = all.MakeMultilevelList(amls_1_1_1);
    ASSERT_NE(level0, nullptr);
    for (TVYXLogPara* p : {a, cell, c})
        EXPECT_EQ(p->PAPX().GetNumbering(), level0);
    EXPECT_EQ(d->PAPX().GetNumbering(), nullptr);

    auto levels = [&] {
        std::vector<int> v;
        for (TVYXLogPara* p : {a, cell, c}) {
            const TVYXNumbering* n = p->PAPX().GetNumbering();
            v.push_back(n && n->NumList() == level0->NumList() ? n->Level : -1);
        }
        return v;
    };
    TVYXLogSelection tail;
    tail.Assign(TVYXLogPos(cell, 1), TVYXLogPos(c, 3));
    EXPECT_TRUE(tail.IncMultilevelListLevel());
    EXPECT_TRUE(tail.IncMultilevelListLevel());
    EXPECT_EQ(levels(), (std::vector<int>{0, 2, 2}));
    EXPECT_TRUE(all.DecMultilevelListLevel());
    EXPECT_EQ(levels(), (std::vector<int>{0, 1, 1}));  // the first stays at the top level
    EXPECT_TRUE(all.ChangeMultilevelListLevel(20));
    EXPECT_EQ(levels(), (std::vector<int>{8, 8, 8}));
    EXPECT_FALSE(all.IncMultilevelListLevel());
    // A new multilevel list keeps the levels; a bullet list puts all on its first level.
    TVYXNumbering* again = all.MakeMultilevelList(amls_1_a_i);
    EXPECT_NE(again->NumList(), level0->NumList());
    EXPECT_EQ(c->PAPX().GetNumbering()->Level, 8);
    TVYXNumbering* bullets = all.MakeBullet(ablsSquare);
    ASSERT_NE(bullets, nullptr);
    EXPECT_EQ(bullets->Text, VYXBulletListStyleText[ablsSquare]);
    EXPECT_EQ(cell->PAPX().GetNumbering(), bullets);
    all.RemoveBulletNumbering();
    EXPECT_EQ(cell->PAPX().GetNumbering(), nullptr);
}

TEST(VYXLogPara, WildcardSearch)
{
    struct Case {
        const char16_t* pattern;
        const char16_t* text;
        unsigned options;   // besides aftoWildcards
        std::int32_t pos;   // 0: no match
        std::int32_t len;
    } cases[] = {
        {u"h?t", u"the hot hat", 0, 5, 3},
        {u"h*t", u"a hXXt b", 0, 3, 4},
        {u"h*t", u"hat hot", 0, 1, 3},  // '*' as short as it can be
        {u"a*c", u"abbbc", 0, 1, 5},
        {u"*", u"abc", 0, 1, 1},      // and never empty
        {u"lo{1,}", u"looop", 0, 1, 4},  // a repeat as long as it can be
        {u"[bc]at", u"a cat", 0, 3, 3},
        {u"[a-c]at", u"rat bat", 0, 5, 3},
        {u"[!r]at", u"rat bat", 0, 5, 3},
        {u"[]]", u"a]b", 0, 2, 1},
        {u"[a-]", u"x-y", 0, 2, 1},
        {u"\\?", u"what? yes", 0, 5, 1},
        {u"a\\*", u"aa*b", 0, 2, 2},
        {u"[\\]x]", u"ab]", 0, 3, 1},
        {u"<cat", u"concat cat", 0, 8, 3},
        {u"cat>", u"cats cat", 0, 6, 3},
        {u"<cat>", u"concat cats cat", 0, 13, 3},
        {u"lo{2}p", u"lop loop", 0, 5, 4},
        {u"a{2,3}", u"a aaaa", 0, 3, 3},
        {u"x{1,}y", u"xxxy", 0, 1, 4},
        {u"[0-9]{3}", u"ab 12 345", 0, 7, 3},
        {u"b{0,1}c", u"ac", 0, 2, 1},
        {u"Cat", u"cat Cat", aftoMatchCase, 5, 3},
        {u"Cat", u"cat Cat", 0, 1, 3},
        {u"[a-c]AT", u"xBAT", 0, 2, 3},
        {u"[a-c]AT", u"xBAT", aftoMatchCase, 0, 0},
        {u"c?t", u"cute cat", aftoWholeWordsOnly, 6, 3},
        {u"c*t", u"cutxt cat", aftoWholeWordsOnly, 1, 5},  // '*' grows to reach a word's end
        {u"c*t", u"cutxt cat", 0, 1, 3},
        {u"q?z", u"abc", 0, 0, 0},
        {u"<", u"ab", 0, 0, 0},  // matches no character: not a find
        // Bad patterns find nothing.
        {u"[abc", u"abc", 0, 0, 0},
        {u"a{2", u"aa", 0, 0, 0},
        {u"a{3,1}", u"aaa", 0, 0, 0},
        {u"a{256}", u"aaa", 0, 0, 0},
        {u"*{2}", u"aa", 0, 0, 0},
        {u"{2}", u"aa", 0, 0, 0},
        {u"a\\", u"a", 0, 0, 0},
        {u"[z-a]", u"a", 0, 0, 0},
    };
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pattern " << Utf16ToUtf8(c.pattern));
        p->SetPlainText(c.text);
        p->BeginFindText(c.pattern, aftoWildcards | c.options);
        EXPECT_EQ(p->FindTextNext(1), c.pos);
        if (c.pos) {
            ASSERT_NE(p->FindData(), nullptr);
            EXPECT_EQ(p->FindData()->FindLen, c.len);
        }
        p->EndFindText();
    }
    // Searching on finds the next match; without the flag the operators are plain text.
    p->SetPlainText(u"h?t hat hit");
    p->BeginFindText(u"h?t", aftoWildcards);
    EXPECT_EQ(p->FindTextNext(2), 5);
    EXPECT_EQ(p->FindTextNext(6), 9);
    p->BeginFindText(u"h?t", 0);
    EXPECT_EQ(p->FindTextNext(1), 1);
    EXPECT_EQ(p->FindTextNext(2), 0);
    // A pattern that backtracks without end gives up instead of hanging.
    p->SetPlainText(std::u16string(3000, u'a'));
    p->BeginFindText(u"*a*a*a*a*a*a*a*b", aftoWildcards);
    EXPECT_EQ(p->FindTextNext(1), 0);
}

namespace {
// Body for revision moves ("A", "B": authors of this session's insertions):
//   p0:    "plain " INS(A) " text"
//   table: cell 0 "x" Y(A) | new paragraph W(A)   (Y and W: one change over two paragraphs)
//          cell 1 Z(B) V(A)                       (two changes side by side)
//   p1:    "end " DEL(A, deletion)
struct TRevisionBody : TVYXBodyTestDoc {
    TVYXRevision& Rev{Doc.Revision()};
    TVYXLogPara *P0, *Cell0, *Cell0b, *Cell1, *P1;
    TRevisionBody()
    {
        P0 = Body.AppendPara(u"plain ");
        P0->CharRuns().AddRevision(u"INS", Rev.Add(u"A", artInsert));
        P0->AppendPlainText(u" text");
        TVYXTable* t = Body.AddTable(2, 1);
        Cell0 = t->GetCells(0, 0)->FirstPara();
        Cell0->SetPlainText(u"x");
        Cell0->CharRuns().AddRevision(u"Y", Rev.Add(u"A", artInsert));
        Cell0b = t->GetCells(0, 0)->Paras().AppendPara();
        Cell0b->CharRuns().Clear();
        Cell0b->CharRuns().AddRevision(u"W", Rev.Add(u"A", artInsert));
        Cell1 = t->GetCells(1, 0)->FirstPara();
        Cell1->CharRuns().Clear();
        Cell1->CharRuns().AddRevision(u"Z", Rev.Add(u"B", artInsert));
        Cell1->CharRuns().AddRevision(u"V", Rev.Add(u"A", artInsert));
        P1 = Body.AppendPara(u"end ");
        P1->CharRuns().AddRevision(u"DEL", Rev.Add(u"A", artDelete));
    }
};
}  // namespace

TEST(VYXLogPos, RevisionMovesWalkChangesInReadingOrder)
{
    TRevisionBody doc;
    ASSERT_EQ(doc.P0->GetPlainText(), u"plain INS text");
    const std::vector<TVYXLogPos> starts = {
        {doc.P0, 7}, {doc.Cell0, 2}, {doc.Cell1, 1}, {doc.Cell1, 2}, {doc.P1, 5}};
    TVYXLogPos pos(doc.P0, 1);
    EXPECT_FALSE(pos.IsInRevision());
    for (const TVYXLogPos& want : starts) {
        SCOPED_TRACE(want.CharPos);
        ASSERT_TRUE(pos.MoveRevisionNext());
        EXPECT_EQ(pos.Para, want.Para);
        EXPECT_EQ(pos.CharPos, want.CharPos);
        EXPECT_TRUE(pos.IsInRevision());
    }
    EXPECT_FALSE(pos.MoveRevisionNext());
    EXPECT_EQ(pos.Para, doc.P1);  // unchanged
    pos.MoveEndOfPara();
    for (auto it = starts.rbegin(); it != starts.rend(); ++it) {
        SCOPED_TRACE(it->CharPos);
        ASSERT_TRUE(pos.MoveRevisionPrev());
        EXPECT_EQ(pos.Para, it->Para);
        EXPECT_EQ(pos.CharPos, it->CharPos);
    }
    EXPECT_FALSE(pos.MoveRevisionPrev());

    struct Case {
        const char* name;
        TVYXLogPos at;
        bool found;
        TVYXLogPos begin, end;
    } cases[] = {
        {"inside INS", {doc.P0, 8}, true, {doc.P0, 7}, {doc.P0, 10}},
        {"just after INS", {doc.P0, 10}, true, {doc.P0, 7}, {doc.P0, 10}},
        {"over two paragraphs", {doc.Cell0b, 1}, true, {doc.Cell0, 2}, {doc.Cell0b, 2}},
        {"between two authors", {doc.Cell1, 2}, true, {doc.Cell1, 2}, {doc.Cell1, 3}},
        {"plain text", {doc.P0, 3}, false, {doc.P0, 3}, {doc.P0, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TVYXLogPos b(c.at), e(c.at);
        EXPECT_EQ(b.MoveRevisionBeginning(), c.found);
        EXPECT_EQ(e.MoveRevisionEnd(), c.found);
        EXPECT_TRUE(b.Equal(c.begin));
        EXPECT_TRUE(e.Equal(c.end));
    }
    // A hidden change is no stop.
    doc.P1->GetItems(1)->Revision()->Enabled = false;
    TVYXLogPos last(doc.Cell1, 3);
    EXPECT_FALSE(last.MoveRevisionNext());
    TVYXLogSelection s;
    s.Assign(TVYXLogPos(doc.P0, 1), TVYXLogPos(doc.P0, 7));
    EXPECT_FALSE(s.IsRevision());
    s.Last.CharPos = 8;
    EXPECT_TRUE(s.IsRevision());
}

TEST(VYXLogSelections, EditsRunFromTheLastSelectionAndKeepTheOthersInPlace)
{
    struct Case {
        const char* name;
        std::vector<std::u16string> texts;
        // Selections as (paragraph, from, paragraph, to).
        std::vector<std::array<int, 4>> sels;
        std::u16string replacement;
        std::u16string want;
        std::vector<std::int32_t> carets;  // each selection's collapsed position, in paragraph 0
    } cases[] = {
        {"two in one paragraph", {u"aaXXbbYYcc"}, {{0, 3, 0, 5}, {0, 7, 0, 9}}, u"", u"aabbcc", {3, 5}},
        {"listed out of order", {u"aaXXbbYYcc"}, {{0, 7, 0, 9}, {0, 3, 0, 5}}, u"", u"aabbcc", {5, 3}},
        {"replaced", {u"aaXXbbYYcc"}, {{0, 3, 0, 5}, {0, 7, 0, 9}}, u"-+", u"aa-+bb-+cc", {5, 9}},
        {"over a paragraph end", {u"one two", u"three four"}, {{0, 4, 1, 6}, {1, 7, 1, 11}}, u"", u"one ",
         {4, 5}},
        {"overlapping count once", {u"abcdefgh"}, {{0, 2, 0, 5}, {0, 4, 0, 7}}, u"", u"agh", {2, 2}},
        {"carets take the text", {u"ab"}, {{0, 1, 0, 1}, {0, 2, 0, 2}}, u"-", u"-a-b", {2, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TVYXBodyTestDoc doc;
        for (const auto& t : c.texts)
            doc.Body.AppendPara(t);
        TVYXLogSelections sels;
        for (const auto& s : c.sels)
            sels.Add(TVYXLogPos(doc.Body.GetParas(s[0]), s[1]), TVYXLogPos(doc.Body.GetParas(s[2]), s[3]));
        const bool anyText = std::any_of(c.sels.begin(), c.sels.end(),
                                         [](const auto& e) { return e[0] != e[2] || e[1] != e[3]; });
        EXPECT_EQ(sels.HasText(), anyText);
        if (c.replacement.empty())
            sels.Delete();
        else
            sels.SetPlainText(c.replacement);
        EXPECT_EQ(doc.Body.GetPlainText(), c.want);
        for (int i = 0; i < sels.Count(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(sels.GetItems(i)->First.Para, doc.Body.GetParas(0));
            EXPECT_EQ(sels.GetItems(i)->First.CharPos, c.carets[static_cast<std::size_t>(i)]);
            EXPECT_TRUE(sels.GetItems(i)->IsEmpty());
        }
    }
}

TEST(VYXLogSelections, ReplaceParaPastesIntoEverySelection)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"aXbYc");
    const auto clipOwned = doc.Doc.CreateParas();
    TVYXLogParas& clip = *clipOwned;
    clip.AppendPara(u"1")->Pilcrow = true;
    clip.AppendPara(u"2");
    TVYXLogSelections sels;
    sels.Add(TVYXLogPos(p, 2), TVYXLogPos(p, 3));
    sels.Add(TVYXLogPos(p, 4), TVYXLogPos(p, 5));
    sels.ReplacePara(clip);
    EXPECT_EQ(ReadingOrder(doc.Body), (std::vector<std::u16string>{u"a1", u"2b1", u"2c"}));
    EXPECT_TRUE(sels.GetItems(0)->First.Equal(TVYXLogPos(doc.Body.GetParas(1), 2)));
    EXPECT_TRUE(sels.GetItems(1)->First.Equal(TVYXLogPos(doc.Body.GetParas(2), 2)));
}

TEST(VYXLogSelection, HyperlinkUsesFollowTheRuns)
{
    TVYXBodyTestDoc doc;
    TVYXHyperlinks& links = doc.Doc.Hyperlinks();
    TVYXHyperlink* link = links.Add(u"https://example.org", ahtURL);
    TVYXLogPara* a = doc.Body.AppendPara(u"go ");
    a->AppendHyperlink(link, u"ab");          // "go ab"
    a->InsertHyperlink(1, link, u"cd");       // "cdgo ab"
    TVYXLogPara* b = doc.Body.AppendPara(u"middle");
    TVYXLogPara* c = doc.Body.AppendPara(u"end");
    EXPECT_EQ(link->RefCount, 2);
    TVYXLogSelection s;
    s.Assign(TVYXLogPos(b, 1), TVYXLogPos(b, 4));
    ASSERT_NE(s.MakeHyperlink(u"https://example.org"), nullptr);
    ASSERT_EQ(links.Count(), 2);
    TVYXHyperlink* second = links.Last();
    EXPECT_EQ(second->RefCount, 1);
    EXPECT_EQ(TVYXLogPos(b, 2).GetHyperlink(), second);
    EXPECT_EQ(TVYXLogPos(b, 4).GetHyperlink(), second);  // just after the link
    EXPECT_EQ(TVYXLogPos(b, 5).GetHyperlink(), nullptr);
    EXPECT_EQ(TVYXLogPos(a, 7).GetHyperlink(), link);

    // Formatting inside a link run splits it into two runs that both use the link.
    TVYXCHPX bold(nullptr);
    bold.AddBoolean(vyciBold, true);
    a->FormatRange(&bold, 2, 3);
    EXPECT_EQ(link->RefCount, 3);
    // A copy uses it too, until its runs go.
    const std::int32_t beforeCopy = link->RefCount;
    {
        const auto clipOwned = doc.Doc.CreateParas();
        TVYXLogParas& clip = *clipOwned;
        s.Assign(TVYXLogPos(a, 1), TVYXLogPos(a, 3));
        ASSERT_TRUE(s.CopyContent(clip));
        EXPECT_GT(link->RefCount, beforeCopy);
        clip.GetParas(0)->ClearText();  // a fragment gives its uses back when its runs go
    }
    EXPECT_EQ(link->RefCount, beforeCopy);

    // Deleting over the paragraphs releases every run, the middle paragraph's included.
    s.Assign(TVYXLogPos(a, 1), TVYXLogPos(c, 2));
    s.Delete();
    EXPECT_EQ(doc.Body.GetPlainText(), u"nd");
    EXPECT_EQ(link->RefCount, 0);
    EXPECT_EQ(second->RefCount, 0);
}

TEST(VYXLogPos, TypingFormatAndInlineGraphic)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"ab");
    TVYXCHPX bold(nullptr);
    bold.AddBoolean(vyciBold, true);
    p->AppendFormattedText(u"CD", &bold);  // "ab" 1..2, bold "CD" 3..4
    EXPECT_EQ(TVYXLogPos(p, 3).Get_CHPX(), p->GetItems(0)->CHPX());  // joins the run on the left
    EXPECT_EQ(TVYXLogPos(p, 4).Get_CHPX(), p->GetItems(1)->CHPX());
    EXPECT_EQ(TVYXLogPos(p, 5).Get_CHPX(), p->GetItems(1)->CHPX());
    TVYXLogPos at(p, 2);
    ASSERT_NE(at.InsertGraphic(std::make_unique<TVYXGraphicRectangle>()), nullptr);
    EXPECT_EQ(at.CharPos, 3);
    EXPECT_EQ(p->Len(), 5);
    EXPECT_EQ(TVYXLogPos(p, 2).GetCharRun()->Type_(), acrtGraphic);
}

TEST(VYXLogSelection, WholeCellsAndCellRectanglesThroughNesting)
{
    TNested doc;
    TVYXLogParas& c10 = doc.T->GetCells(1, 0)->Paras();
    TVYXLogPara* n00 = doc.N->GetCells(0, 0)->FirstPara();
    TVYXLogPara* m00 = doc.M->GetCells(0, 0)->FirstPara();
    TVYXLogPara* c01 = doc.T->GetCells(0, 1)->FirstPara();
    auto end = [](TVYXLogPara* p) { return TVYXLogPos(p, p->EndOfParaPos()); };
    struct Case {
        const char* name;
        TVYXLogPos first, last;
        bool entireCell, rectCells;
    } cases[] = {
        {"a cell holding a nested table", {c10.GetParas(0), 1}, end(c10.GetParas(2)), true, false},
        {"a cell of the nested table", {n00, 1}, end(n00), true, false},
        {"part of a cell", {c10.GetParas(0), 2}, end(c10.GetParas(2)), false, false},
        {"nested start, outer cell end", {n00, 1}, {c01, 2}, false, true},
        {"two cells of the nested table", {n00, 1}, {m00, 1}, false, true},
        {"root paragraph to a cell", {doc.Body.GetParas(0), 1}, {c01, 2}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TVYXLogSelection s;
        s.Assign(c.first, c.last);
        ASSERT_TRUE(s.Valid());
        EXPECT_EQ(s.IsEntireCell(), c.entireCell);
        EXPECT_EQ(s.IsRectCells(), c.rectCells);
    }
}

TEST(VYXLogSelection, DeleteFromTheRootIntoANestedCell)
{
    TNested doc;
    TVYXHyperlinks& links = doc.Doc.Hyperlinks();
    TVYXHyperlink* link = links.Add(u"https://example.org", ahtURL);
    TVYXLogPara* a = doc.Body.GetParas(0);
    a->SetPlainText(u"abc");
    // A paragraph wholly inside the selection holds a link.
    doc.T->GetCells(0, 0)->Paras().AppendPara(u"see ")->AppendHyperlink(link, u"here");
    TVYXLogPara* n00 = doc.N->GetCells(0, 0)->FirstPara();
    n00->SetPlainText(u"n00");
    ASSERT_EQ(link->RefCount, 1);

    TVYXLogSelection s;
    s.Assign(TVYXLogPos(a, 2), TVYXLogPos(n00, 2));
    s.Delete();
    EXPECT_EQ(ReadingOrder(doc.Body),
              (std::vector<std::u16string>{u"a", u"", u"00", u"", u"", u"c10end", u"c01", u"", u"z"}));
    EXPECT_EQ(link->RefCount, 0);
    EXPECT_TRUE(s.First.Equal(TVYXLogPos(a, 2)));
    EXPECT_TRUE(s.IsEmpty());
    TVYXLogParasIterator it;
    int cells = 0;
    it.CellEvent = [&cells](TVYXTableCell& cell) {
        ++cells;
        EXPECT_NE(cell.FirstPara(), nullptr);
    };
    it.Iterate(doc.Body);
    EXPECT_EQ(cells, 7);
}

TEST(VYXLogParas, RemovedItemsGiveTheirHyperlinkUsesBack)
{
    TVYXBodyTestDoc doc;
    TVYXHyperlinks& links = doc.Doc.Hyperlinks();
    TVYXHyperlink* link = links.Add(u"https://example.org", ahtURL);
    doc.Body.AppendPara(u"a ")->AppendHyperlink(link, u"link");
    TVYXTable* t = doc.Body.AddTable(2, 2);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            t->GetCells(c, r)->FirstPara()->AppendHyperlink(link, u"cell");
    TVYXTable* inner = t->GetCells(1, 1)->Paras().AddTable(1, 1);
    inner->FirstCell()->FirstPara()->AppendHyperlink(link, u"deep");
    doc.Body.AppendPara(u"z");
    ASSERT_EQ(link->RefCount, 6);

    struct Step {
        const char* Name;
        std::function<void()> Edit;
        std::int32_t Uses;
    };
    const std::vector<Step> steps = {
        {"paragraph removed", [&] { doc.Body.Delete(0); }, 5},
        {"column removed", [&] { t->DeleteCol(0); }, 3},
        {"row with a nested table removed", [&] { t->DeleteRow(1); }, 1},
        {"table taken out keeps its uses", [&] { doc.Body.InsertItem(-1, doc.Body.Extract(0)); }, 1},
        {"table removed", [&] { doc.Body.Delete(doc.Body.Count() - 1); }, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Name);
        step.Edit();
        EXPECT_EQ(link->RefCount, step.Uses);
    }
    EXPECT_EQ(doc.Body.GetPlainText(), u"z");

    // Clearing the list, as SetEmpty and Assign do, gives back every use too.
    doc.Body.AppendPara()->AppendHyperlink(link, u"again");
    doc.Body.AddTable(1, 1)->FirstCell()->FirstPara()->AppendHyperlink(link, u"again");
    EXPECT_EQ(link->RefCount, 2);
    doc.Body.SetEmpty();
    EXPECT_EQ(link->RefCount, 0);
}
