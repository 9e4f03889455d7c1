// VYXLogParasTest.cpp: paragraph editing, splitting, pasting, deletion across items, tables and iteration.
#include <gtest/gtest.h>

#include <random>

#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPos.h"
#include "model/VYXRevision.h"
#include "model/tests/VYXBodyTestDoc.h"
#include "platform/VYXException.h"

namespace {
std::u16string RunTexts(const TVYXLogPara& p)
{
    std::u16string s;
    for (int i = 0; i < p.Count(); ++i)
        s += (i ? u"|" : u"") + p.GetItems(i)->Text();
    return s;
}

// Checks the list invariants: indexes, parents, at least one item and one run, run start positions.
void CheckInvariants(TVYXLogParas& paras)
{
    ASSERT_GT(paras.Count(), 0);
    for (int i = 0; i < paras.Count(); ++i) {
        TVYXLogParaItem* item = paras.GetItems(i);
        ASSERT_EQ(item->Index(), i);
        ASSERT_EQ(item->Paras(), &paras);
        if (item->IsPara()) {
            auto* p = static_cast<TVYXLogPara*>(item);
            ASSERT_GT(p->Count(), 0);
            std::int32_t pos = 1;
            for (int r = 0; r < p->Count(); ++r) {
                ASSERT_EQ(p->GetItems(r)->StartPos(), pos);
                pos += p->GetItems(r)->Len();
            }
        } else {
            auto* t = static_cast<TVYXTable*>(item);
            int nested = 0;
            for (int r = 0; r < t->Count(); ++r)
                for (int c = 0; c < t->GetRows(r)->Count(); ++c) {
                    TVYXTableCell* cell = t->GetRows(r)->GetCells(c);
                    ASSERT_EQ(cell->Index(), c);
                    CheckInvariants(cell->Paras());
                    TVYXLogParasIterator it;
                    it.TableEvent = [&nested](TVYXTable&) { ++nested; };
                    it.Iterate(cell->Paras());
                }
            ASSERT_EQ(t->NestedCount(), nested);
        }
    }
}
}  // namespace

TEST(VYXLogParas, ValidateGivesOneParagraphWithOneEmptyRun)
{
    TVYXBodyTestDoc doc;
    doc.Body.Validate();
    ASSERT_EQ(doc.Body.Count(), 1);
    TVYXLogPara* p = doc.Body.GetParas(0);
    ASSERT_EQ(p->Count(), 1);
    EXPECT_EQ(p->CRFirst()->Type_(), acrtText);
    EXPECT_TRUE(p->Empty());
    EXPECT_EQ(p->EndOfParaPos(), 1);
}

TEST(VYXLogParas, SplitAtPos)
{
    struct Case {
        const char* Name;
        std::u16string Text;
        std::int32_t Pos;
        std::vector<std::u16string> Expected;
        int OriginalIndex;  // where the paragraph object itself ends up
    };
    const std::vector<Case> cases = {
        {"start", u"Hello", 1, {u"", u"Hello"}, 1},
        {"end", u"Hello", 6, {u"Hello", u""}, 0},
        {"empty", u"", 1, {u"", u""}, 0},
        {"middle", u"Hello", 3, {u"He", u"llo"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVYXBodyTestDoc doc;
        TVYXLogPara* p = doc.Body.AppendPara(c.Text);
        p->PAPX().SetSpaceAfter(17);
        TVYXLogPara* created = doc.Body.SplitAtPos(*p, c.Pos);
        EXPECT_NE(created, p);
        EXPECT_EQ(ReadingOrder(doc.Body), c.Expected);
        EXPECT_EQ(p->Index(), c.OriginalIndex);
        EXPECT_DOUBLE_EQ(created->PAPX().GetSpaceAfter(), 17);  // inherited or merged
        CheckInvariants(doc.Body);
    }
}

TEST(VYXLogParas, SplitInsideARunCarriesTheRunFormat)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"");
    p->CRFirst()->SetRawText(u"ab");
    TVYXCHPX bold(&doc.Styles.MasterCHP());
    bold.SetBold(true);
    p->AppendFormattedText(u"CD", &bold);
    TVYXLogPara* right = doc.Body.SplitAtPos(*p, 4);
    EXPECT_EQ(RunTexts(*p), u"ab|C");
    EXPECT_EQ(RunTexts(*right), u"D");
    ASSERT_NE(right->CRFirst()->CHPX(), nullptr);
    EXPECT_TRUE(right->CRFirst()->CHPX()->GetBold());
}

TEST(VYXLogParas, PastingTwoParagraphsWithoutTheSecondMark)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* t = doc.Body.AppendPara(u"LeftRight");
    const auto fragmentOwned = doc.Doc.CreateParas();
    TVYXLogParas& fragment = *fragmentOwned;
    TVYXLogPara* a = fragment.AppendPara(u"A1");
    a->PAPX().SetAlignment(vyptaCenter);
    a->Pilcrow = true;
    TVYXLogPara* b = fragment.AppendPara(u"B2");
    b->Pilcrow = false;
    TVYXLogPos pos(t, 5);
    doc.Body.Insert(pos, fragment);
    EXPECT_EQ(ReadingOrder(doc.Body), (std::vector<std::u16string>{u"LeftA1", u"B2Right"}));
    EXPECT_EQ(doc.Body.GetParas(0)->PAPX().GetAlignment(), vyptaCenter);
    EXPECT_NE(doc.Body.GetParas(1)->PAPX().GetAlignment(), vyptaCenter);
    EXPECT_EQ(fragment.GetPlainText(), u"A1\r\nB2");  // the source is not changed
    CheckInvariants(doc.Body);
}

TEST(VYXLogParas, PastingAtTheStartOfAParagraphAndATable)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* t = doc.Body.AppendPara(u"Text");
    const auto fragmentOwned = doc.Doc.CreateParas();
    TVYXLogParas& fragment = *fragmentOwned;
    fragment.WidthEvent = [] { return 100.0; };
    fragment.AppendPara(u"X")->Pilcrow = true;
    TVYXTable* table = fragment.AddTable(2, 1);
    table->GetCells(1, 0)->Paras().GetParas(0)->SetPlainText(u"cell");
    TVYXLogPos pos(t, 1);
    doc.Body.Insert(pos, fragment);
    EXPECT_EQ(ReadingOrder(doc.Body), (std::vector<std::u16string>{u"X", u"", u"cell", u"Text"}));
    EXPECT_TRUE(doc.Body.GetItems(1)->IsTable());
    CheckInvariants(doc.Body);
}

// A paragraph without text may still hold runs at its position 1 (two empty runs, one
// keeping a format for typing); pasted there, paragraphs and tables keep their order
// and the target's runs stay after them, as with a paragraph that has text.
TEST(VYXLogParas, PastingBeforeAParagraphOfEmptyRunsKeepsTheOrder)
{
    for (const int emptyRuns : {1, 2}) {
        SCOPED_TRACE(emptyRuns);
        TVYXBodyTestDoc doc;
        doc.Body.AppendPara(u"Head");
        TVYXLogPara* t = doc.Body.AppendPara(u"");
        TVYXCHPX big(&doc.Doc.GetMasterCHP());
        big.SetSize(25);
        if (emptyRuns == 2)
            t->CharRuns().Add(&big);
        ASSERT_EQ(t->Count(), emptyRuns);
        const auto fragmentOwned = doc.Doc.CreateParas();
        TVYXLogParas& fragment = *fragmentOwned;
        fragment.WidthEvent = [] { return 100.0; };
        fragment.AppendPara(u"X")->Pilcrow = true;
        fragment.AddTable(1, 1)->GetCells(0, 0)->Paras().GetParas(0)->SetPlainText(u"one");
        fragment.AppendPara(u"Y")->Pilcrow = true;
        fragment.AddTable(1, 1)->GetCells(0, 0)->Paras().GetParas(0)->SetPlainText(u"two");
        fragment.AppendPara(u"Z")->Pilcrow = true;
        TVYXLogPos pos(t, 1);
        doc.Body.Insert(pos, fragment);
        EXPECT_EQ(ReadingOrder(doc.Body),
                  (std::vector<std::u16string>{u"Head", u"X", u"one", u"Y", u"two", u"Z", u""}));
        ASSERT_EQ(doc.Body.Count(), 7);
        EXPECT_TRUE(doc.Body.GetItems(2)->IsTable());
        EXPECT_TRUE(doc.Body.GetItems(4)->IsTable());
        // The runs the target held are still there, in the last paragraph.
        EXPECT_EQ(doc.Body.GetParas(6)->Count(), emptyRuns);
        CheckInvariants(doc.Body);
    }
}

TEST(VYXLogParas, TypingAtARunBoundaryJoinsTheLeftRun)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"ab");
    TVYXCHPX italic(&doc.Styles.MasterCHP());
    italic.SetItalic(true);
    p->AppendFormattedText(u"cd", &italic);
    p->InsertText(u"X", 3);
    EXPECT_EQ(RunTexts(*p), u"abX|cd");
    // After an atom the text goes into a run of its own.
    p->AppendTab();
    p->InsertText(u"Y", p->EndOfParaPos());
    EXPECT_EQ(p->GetText(), u"abXcd\tY");
    // Typing before the first run stays in the first run.
    p->InsertText(u"Z", 1);
    EXPECT_EQ(p->GetText(), u"ZabXcd\tY");
    EXPECT_EQ(p->GetItems(0)->Text(), u"ZabX");
}

TEST(VYXLogParas, DeleteTextInsideAParagraph)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"Hello");
    p->AppendPlainText(u" world");
    p->DeleteText(4, 9, nullptr);
    EXPECT_EQ(p->GetText(), u"Helrld");
    TVYXRevisionData rev;
    rev.Id = 7;
    rev.RevType = artDelete;
    p->DeleteText(1, 3, &rev);
    EXPECT_EQ(p->GetText(), u"Helrld");  // marked, not removed
    ASSERT_NE(p->GetItems(0)->Revision(), nullptr);
    EXPECT_EQ(p->GetItems(0)->Text(), u"He");
    EXPECT_EQ(p->GetItems(1)->Revision(), nullptr);
}

TEST(VYXLogParas, CreateParaInheritsAndTheScratchListOverrides)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* first = doc.Body.AppendPara(u"one");
    first->PAPX().SetIndentLeft(36);
    first->AddTabStops()->Add(72);
    TVYXLogPara* second = doc.Body.AppendPara(u"two");
    EXPECT_DOUBLE_EQ(second->PAPX().GetIndentLeft(), 36);
    ASSERT_NE(second->GetTabStops(), nullptr);
    EXPECT_EQ(second->GetTabStops()->Count(), 1);
    EXPECT_NE(second->GetTabStops(), first->GetTabStops());

    doc.Doc.GetTempPAPX().SetAlignment(vyptaRight);
    TVYXLogPara* third = doc.Body.AppendPara(u"three");
    EXPECT_EQ(third->PAPX().GetAlignment(), vyptaRight);
    EXPECT_FALSE(third->PAPX().Assigned(vypiIndentLeft));

    doc.Doc.GetTempPAPX().Clear();
    doc.Styles.MasterPAP().InheritPAPX = false;
    EXPECT_FALSE(doc.Body.AppendPara(u"four")->PAPX().Assigned(vypiIndentLeft));
}

TEST(VYXLogParas, AddTableLimitsWidthsAndStyle)
{
    TVYXBodyTestDoc doc;
    doc.Body.AppendPara(u"x");
    for (auto [cols, rows] : {std::pair{64, 2}, {0, 1}, {3, 0}, {3, 32768}}) {
        SCOPED_TRACE(cols * 100000 + rows);
        EXPECT_EQ(doc.Body.AddTable(cols, rows), nullptr);
        EXPECT_EQ(doc.Body.Count(), 1);
    }
    TVYXTable* table = doc.Body.AddTable(3, 2);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->Count(), 2);
    for (int r = 0; r < 2; ++r) {
        ASSERT_EQ(table->GetRows(r)->Count(), 3);
        for (int c = 0; c < 3; ++c)
            EXPECT_DOUBLE_EQ(table->GetCells(c, r)->GetWidth(), 100.0);
    }
    ASSERT_NE(table->TAPX().GetStyle(), nullptr);
    EXPECT_EQ(table->TAPX().GetStyle(), doc.Styles.Find(u"TableGrid"));
    EXPECT_EQ(table->Level(), 1);
    EXPECT_NE(doc.Body.AddTable(63, 1), nullptr);
}

TEST(VYXLogParas, NestedCountFollowsCreationAndRemoval)
{
    TVYXBodyTestDoc doc;
    TVYXTable* outer = doc.Body.AddTable(2, 2);
    TVYXTableCell* cell = outer->GetCells(1, 0);
    TVYXTable* inner = cell->Paras().AddTable(2, 1);
    EXPECT_EQ(outer->NestedCount(), 1);
    EXPECT_EQ(inner->Level(), 2);
    EXPECT_DOUBLE_EQ(inner->GetCells(0, 0)->GetWidth(), cell->CalculatedWidth() / 2);
    TVYXTable* deepest = inner->GetCells(0, 0)->Paras().AddTable(1, 1);
    EXPECT_EQ(outer->NestedCount(), 2);
    EXPECT_EQ(inner->NestedCount(), 1);
    EXPECT_EQ(deepest->Level(), 3);
    // A copy of the middle table pasted elsewhere in the outer table counts twice more.
    TVYXLogPos at(outer->GetCells(0, 1)->Paras().GetParas(0), 1);
    outer->GetCells(0, 1)->Paras().Insert(at, *inner);
    EXPECT_EQ(outer->NestedCount(), 4);
    CheckInvariants(doc.Body);
    cell->Paras().Delete(inner->Index());
    EXPECT_EQ(outer->NestedCount(), 2);
    outer->DeleteRow(1);
    EXPECT_EQ(outer->NestedCount(), 0);
    CheckInvariants(doc.Body);
}

TEST(VYXLogParas, ExceptionsLeaveTheModelUnchanged)
{
    TVYXBodyTestDoc doc;
    doc.Body.AppendPara(u"p");
    TVYXTable* t1 = doc.Body.AddTable(1, 1);
    TVYXTable* t2 = doc.Body.AddTable(1, 1);
    TVYXTable empty(&doc.Body);
    // A paragraph of another list whose index is that of a table here.
    TVYXLogPara* stranger = t1->FirstCell()->Paras().AppendPara(u"xy");
    TVYXLogPos pos(stranger, 2);
    struct Case {
        const char* Text;
        std::function<void()> Call;
    };
    const std::vector<Case> cases = {
        {"Empty table", [&] { empty.Append(); }},
        {"Cell is not in the same table", [&] { t1->FirstCell()->Compare(*t2->FirstCell()); }},
        {"Para item is not para", [&] { doc.Body.GetParas(1); }},
        {"Para item is not table", [&] { doc.Body.GetTables(0); }},
        {"__TODO__ Table", [&] { doc.Body.SplitAtPos(*stranger, 2); }},
        {"Invalid char pos", [&] { pos.SetCharPos(0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        const auto before = ReadingOrder(doc.Body);
        try {
            c.Call();
            ADD_FAILURE() << "no exception";
        } catch (const VYXException& e) {
            EXPECT_STREQ(e.what(), c.Text);
        }
        EXPECT_EQ(ReadingOrder(doc.Body), before);
        EXPECT_EQ(empty.Count(), 0);
        EXPECT_EQ(doc.Body.Count(), 3);
        EXPECT_EQ(t1->FirstCell()->Paras().Count(), 2);
        EXPECT_EQ(pos.CharPos, 2);
    }
    EXPECT_EQ(t1->Append()->Index(), 1);
}

TEST(VYXLogParas, MergeNextJoinsOnlyTwoParagraphs)
{
    TVYXBodyTestDoc doc;
    doc.Body.AppendPara(u"a");
    doc.Body.AddTable(1, 1);
    doc.Body.AppendPara(u"b");
    doc.Body.AppendPara(u"c");
    doc.Body.MergeNext(0);
    EXPECT_EQ(doc.Body.Count(), 4);
    doc.Body.MergeNext(2);
    EXPECT_EQ(doc.Body.Count(), 3);
    EXPECT_EQ(doc.Body.GetParas(2)->GetText(), u"bc");
    CheckInvariants(doc.Body);
}

TEST(VYXLogParas, DeletionAcrossATable)
{
    for (bool withRevision : {false, true}) {
        SCOPED_TRACE(withRevision);
        TVYXBodyTestDoc doc;
        TVYXLogPara* a = doc.Body.AppendPara(u"Alpha");
        doc.Body.AddTable(2, 2);
        doc.Body.AppendPara(u"mid");
        TVYXLogPara* b = doc.Body.AppendPara(u"Omega");
        TVYXLogPos first(a, 3), last(b, 3);
        TVYXRevisionData rev;
        rev.Id = 3;
        rev.RevType = artDelete;
        doc.Body.DeleteText(first, last, withRevision ? &rev : nullptr);
        if (!withRevision) {
            EXPECT_EQ(ReadingOrder(doc.Body), (std::vector<std::u16string>{u"Alega"}));
            EXPECT_EQ(first.Para, doc.Body.GetParas(0));
            EXPECT_EQ(last.Para, first.Para);
        } else {
            EXPECT_EQ(doc.Body.Count(), 4);
            EXPECT_TRUE(doc.Body.GetItems(1)->IsTable());
            EXPECT_EQ(a->GetText(), u"Alpha");
            EXPECT_EQ(doc.Body.GetParas(2)->CRFirst()->Revision()->Id, 3);
            EXPECT_NE(a->GetItems(a->Count() - 1)->Revision(), nullptr);
            EXPECT_EQ(a->GetItems(0)->Revision(), nullptr);
            EXPECT_NE(b->GetItems(0)->Revision(), nullptr);
        }
        CheckInvariants(doc.Body);
    }
}

TEST(VYXLogParas, DeletionFromAnEmptyParagraphKeepsTheRightPart)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* a = doc.Body.AppendPara(u"");
    TVYXLogPara* b = doc.Body.AppendPara(u"right");
    TVYXLogPos first(a, 1), last(b, 3);
    doc.Body.DeleteText(first, last, nullptr);
    EXPECT_EQ(ReadingOrder(doc.Body), (std::vector<std::u16string>{u"ght"}));
    EXPECT_EQ(first.Para, b);
    CheckInvariants(doc.Body);
}

TEST(VYXLogParas, FormatRangeAcrossParagraphsAndToggle)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* a = doc.Body.AppendPara(u"abcd");
    TVYXTable* t = doc.Body.AddTable(1, 1);
    t->FirstCell()->Paras().GetParas(0)->SetPlainText(u"cell");
    TVYXLogPara* b = doc.Body.AppendPara(u"efgh");
    TVYXLogPos first(a, 3), last(b, 2);
    doc.Body.ToggleFormat(vyciBold, first, last);
    auto bold = [](const TVYXCharRun* r) { return r->CHPX() && r->CHPX()->GetBold(); };
    EXPECT_EQ(RunTexts(*a), u"ab|cd");
    EXPECT_FALSE(bold(a->GetItems(0)));
    EXPECT_TRUE(bold(a->GetItems(1)));
    EXPECT_TRUE(bold(t->FirstCell()->Paras().GetParas(0)->CRFirst()));
    EXPECT_EQ(RunTexts(*b), u"e|fgh");
    EXPECT_TRUE(bold(b->GetItems(0)));
    EXPECT_FALSE(bold(b->GetItems(1)));
    // Toggling again from a bold place switches it off.
    doc.Body.ToggleFormat(vyciBold, first, last);
    EXPECT_FALSE(bold(a->GetItems(1)));
    // At the end of a paragraph a format prepares the next typed text.
    TVYXCHPX italic(&doc.Styles.MasterCHP());
    italic.SetItalic(true);
    TVYXLogPos end;
    end.AssignEnd(b);
    doc.Body.FormatRange(&italic, end, end);
    b->InsertText(u"!", b->EndOfParaPos());
    ASSERT_NE(b->CRLast()->CHPX(), nullptr);
    EXPECT_TRUE(b->CRLast()->CHPX()->GetItalic());
    EXPECT_EQ(b->CRLast()->Text(), u"!");
}

TEST(VYXLogParas, SpansAndHits)
{
    TVYXBodyTestDoc doc;
    TVYXTable* t = doc.Body.AddTable(3, 3);  // cells 100 wide
    EXPECT_EQ(t->GetRows(0)->HitWidth(0)->Index(), 0);
    EXPECT_EQ(t->GetRows(0)->HitWidth(100.000001)->Index(), 0);
    EXPECT_EQ(t->GetRows(0)->HitWidth(150)->Index(), 1);
    EXPECT_EQ(t->GetRows(0)->HitWidth(1000)->Index(), 2);
    TVYXTableRow bare(t);
    EXPECT_EQ(bare.HitWidth(10), nullptr);

    t->MergeCells(0, 0, 1, 0);  // horizontal: row 0 now 200 + 100
    EXPECT_EQ(t->GetRows(0)->Count(), 2);
    EXPECT_EQ(t->GetCells(0, 0)->GridSpan, 2);
    EXPECT_EQ(t->GetCells(0, 0)->CalcGridSpan(), 2);  // its right edge is the second column's
    EXPECT_EQ(t->GetCells(1, 1)->CalcGridSpan(), 1);  // hits row 0's first cell
    t->MergeCells(2, 0, 2, 2);                        // column 2 is index 1 in row 0
    t->MergeCells(1, 0, 1, 2);
    EXPECT_EQ(t->GetCells(1, 0)->CalcRowSpan(), 3);
    EXPECT_TRUE(t->GetCells(1, 2)->GetMergedLast());
    EXPECT_EQ(t->GetCells(0, 1)->CalcRowSpan(), 1);
}

TEST(VYXLogParas, SetDimensionKeepsNestedCounts)
{
    TVYXBodyTestDoc doc;
    TVYXTable* t = doc.Body.AddTable(3, 3);
    t->GetCells(2, 2)->Paras().AddTable(1, 1);
    t->GetCells(2, 0)->Paras().AddTable(1, 1);
    EXPECT_EQ(t->NestedCount(), 2);
    t->SetDimension(2, 2);  // drops row 2 and column 2, both nested tables with them
    EXPECT_EQ(t->Count(), 2);
    EXPECT_EQ(t->MaxCells(), 2);
    EXPECT_EQ(t->NestedCount(), 0);
    t->SetDimension(4, 3);
    EXPECT_EQ(t->GetRows(2)->Count(), 4);
    EXPECT_DOUBLE_EQ(t->GetCells(3, 0)->GetWidth(), 100);
    t->SetColDeltaWidth(0, 10);
    EXPECT_DOUBLE_EQ(t->GetColWidth(0), 110);
    EXPECT_DOUBLE_EQ(t->GetColWidth(1), 90);
    CheckInvariants(doc.Body);
}

TEST(VYXLogParas, PercentWidthsAndMaxWidth)
{
    TVYXBodyTestDoc doc;
    TVYXTable* t = doc.Body.AddTable(2, 1);
    t->SetWidth(200);
    t->GetCells(0, 0)->SetPcWidth(25);
    EXPECT_DOUBLE_EQ(t->GetCells(0, 0)->CalculatedWidth(), 50);
    t->MaxWidth = 60;
    EXPECT_DOUBLE_EQ(t->GetCells(1, 0)->CalculatedWidth(), 60);
    t->MaxWidth = 0.5;  // below 1: ignored
    EXPECT_DOUBLE_EQ(t->GetCells(1, 0)->CalculatedWidth(), 150);
}

TEST(VYXLogParas, IteratorsWalkIntoAndOutOfCells)
{
    TVYXBodyTestDoc doc;
    doc.Body.AppendPara(u"before");
    TVYXTable* t = doc.Body.AddTable(2, 1);
    t->GetCells(0, 0)->Paras().GetParas(0)->SetPlainText(u"c0");
    t->GetCells(0, 0)->Paras().AppendPara(u"c0b");
    TVYXTable* inner = t->GetCells(1, 0)->Paras().AddTable(1, 1);
    inner->FirstCell()->Paras().GetParas(0)->SetPlainText(u"in");
    t->GetCells(1, 0)->Paras().GetParas(0)->SetPlainText(u"c1");
    doc.Body.AppendPara(u"after");

    std::vector<std::u16string> events;
    TVYXLogParasIterator it;
    it.ParaEvent = [&](TVYXLogPara& p) { events.push_back(u"P" + p.GetPlainText()); };
    it.TableEvent = [&](TVYXTable&) { events.push_back(u"T"); };
    it.CellEvent = [&](TVYXTableCell& c) { events.push_back(u"C" + std::u16string(1, char16_t(u'0' + c.Index()))); };
    it.Iterate(doc.Body);
    EXPECT_EQ(events, (std::vector<std::u16string>{u"Pbefore", u"T", u"C0", u"Pc0", u"Pc0b", u"C1", u"Pc1", u"T",
                                                   u"C0", u"Pin", u"Pafter"}));

    TVYXCharRunIterator runs;
    runs.Paras = &doc.Body;
    std::vector<std::u16string> forward;
    for (bool ok = runs.BeginIterate(); ok; ok = runs.IterateNext())
        forward.push_back(runs.CurrCharRun->Text());
    EXPECT_EQ(forward, (std::vector<std::u16string>{u"before", u"c0", u"c0b", u"c1", u"in", u"after"}));
    std::vector<std::u16string> backward;
    runs.BeginIterate(*doc.Body.GetParas(2), nullptr);
    do
        backward.push_back(runs.CurrCharRun->Text());
    while (runs.IteratePrev());
    EXPECT_EQ(backward, (std::vector<std::u16string>{u"after", u"in", u"c1", u"c0b", u"c0", u"before"}));

    // Leaving the last run of a cell continues in the next cell's first paragraph.
    TVYXLogPara* lastInCell0 = t->GetCells(0, 0)->Paras().GetParas(1);
    runs.BeginIterate(*lastInCell0, lastInCell0->CRLast());
    ASSERT_TRUE(runs.IterateNext());
    EXPECT_TRUE(runs.ParaChanged);
    EXPECT_EQ(runs.CurrPara, t->GetCells(1, 0)->Paras().GetParas(0));
}

TEST(VYXLogParas, PasteOfPlainTextAndLines)
{
    TVYXBodyTestDoc doc;
    doc.Body.SetPlainText(u"one\r\ntwo\nthree\r");
    EXPECT_EQ(ReadingOrder(doc.Body), (std::vector<std::u16string>{u"one", u"two", u"three", u""}));
    EXPECT_EQ(doc.Body.GetPlainText(), u"one\r\ntwo\r\nthree\r\n");
    EXPECT_EQ(doc.Body.TextLength(), 11);
}

TEST(VYXLogParas, FindTextInAParagraph)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"cat Category cat");
    p->BeginFindText(u"CAT", 0);
    EXPECT_EQ(p->FindTextNext(1), 1);
    EXPECT_EQ(p->FindTextNext(2), 5);
    p->BeginFindText(u"cat", aftoWholeWordsOnly | aftoMatchCase);
    EXPECT_EQ(p->FindTextNext(2), 14);
    p->InsertText(u"x", 1);  // an edit invalidates the cached text
    EXPECT_EQ(p->FindTextNext(1), 15);
}

TEST(VYXLogParas, FootnoteListNumbersInListOrder)
{
    TVYXBodyTestDoc doc;
    TVYXFootnotesList notes;
    TVYXFootnoteItem* a = notes.Add();
    a->FileId = 10;
    TVYXFootnoteItem* b = notes.Insert(0);
    b->FileId = 20;
    EXPECT_EQ(notes.LastAdded(), b);
    EXPECT_EQ(b->Index, 0);
    EXPECT_EQ(a->Index, 1);
    EXPECT_EQ(notes.FindByFileId(10), a);
    EXPECT_EQ(notes.FindByFileId(99), nullptr);
    a->StartPara = a->EndPara = doc.Body.AppendPara(u"note");
    doc.Body.AppendPara(u"more");
    a->EndPara = doc.Body.GetParas(1);
    EXPECT_EQ(a->GetPlainText(), u"note\r\nmore");
    a->SetPlainText(u"short");
    EXPECT_EQ(doc.Body.Count(), 1);
    EXPECT_EQ(a->GetPlainText(), u"short");
}

TEST(VYXLogParas, IndexesSurviveCrowdedInsertions)
{
    // Inserting again and again at one place fills and splits the list's blocks; deleting
    // merges them again.
    TVYXBodyTestDoc doc;
    TVYXLogPara* first = doc.Body.AppendPara(u"first");
    TVYXLogPara* last = doc.Body.AppendPara(u"last");
    for (int i = 0; i < 1200; ++i) {
        doc.Body.Insert(1);
        ASSERT_EQ(last->Index(), i + 2);
    }
    for (int i = 0; i < 1150; ++i)
        doc.Body.Delete(1 + i % 7);
    EXPECT_EQ(first->Index(), 0);
    EXPECT_EQ(last->Index(), doc.Body.Count() - 1);
    TVYXLogPara* middle = doc.Body.GetParas(25);
    std::unique_ptr<TVYXLogParaItem> taken = doc.Body.Extract(25);
    EXPECT_EQ(middle->Index(), -1);
    CheckInvariants(doc.Body);
}

TEST(VYXLogParas, RandomEditsKeepTheInvariants)
{
    TVYXBodyTestDoc doc;
    std::mt19937 rng(12345);
    doc.Body.AppendPara(u"seed");
    for (int step = 0; step < 3000; ++step) {
        SCOPED_TRACE(step);
        // Collect all paragraphs, nested ones included.
        std::vector<TVYXLogPara*> paras;
        TVYXLogParasIterator it;
        it.ParaEvent = [&paras](TVYXLogPara& p) { paras.push_back(&p); };
        it.Iterate(doc.Body);
        TVYXLogPara* p = paras[rng() % paras.size()];
        TVYXLogParas& list = *p->Paras();
        const std::int32_t pos = 1 + static_cast<std::int32_t>(rng() % static_cast<unsigned>(p->EndOfParaPos()));
        switch (rng() % 8) {
        case 0:
        case 1:
            p->InsertText(u"ab", pos);
            break;
        case 2:
            p->DeleteText(pos, pos + 1 + static_cast<std::int32_t>(rng() % 3), nullptr);
            if (p->Count() == 0)
                p->CharRuns().Add();
            break;
        case 3:
            list.SplitAtPos(*p, pos);
            break;
        case 4:
            list.MergeNext(p->Index());
            break;
        case 5:
            if (list.Level() < 3 && rng() % 4 == 0) {
                TVYXLogPos at(p, pos);
                list.InsertTableAtPos(at, 1 + static_cast<int>(rng() % 3), 1 + static_cast<int>(rng() % 2));
            }
            break;
        case 6: {
            if (p->Index() + 2 < list.Count() && list.GetItems(p->Index() + 2)->IsPara()) {
                TVYXLogPos first(p, pos), last(list.GetParas(p->Index() + 2), 1);
                list.DeleteText(first, last, nullptr);
            }
            break;
        }
        default: {
            TVYXCHPX chpx(&doc.Styles.MasterCHP());
            chpx.SetBold(rng() % 2 == 0);
            p->FormatRange(&chpx, 1, pos);
            break;
        }
        }
        CheckInvariants(doc.Body);
        if (HasFatalFailure())
            return;
    }
}

TEST(VYXLogParas, MapTabWalksStopsThenTheDefaultInterval)
{
    TVYXBodyTestDoc doc;  // 96 pixels per inch: 4/3 pixel per point
    const double step = 65.2 * 4 / 3;
    TVYXLogPara* plain = doc.Body.AppendPara(u"a");
    TVYXLogPara* stops = doc.Body.AppendPara(u"b");
    stops->AddTabStops()->Add(72, atsaCenter);
    stops->GetTabStops()->Add(144);
    TVYXLogPara* hanging = doc.Body.AppendPara(u"c");
    hanging->RemoveTabStops();
    hanging->PAPX().SetIndentLeft(36);
    hanging->PAPX().SetIndentHanging(18);
    doc.DOP.DefTab.Leader = atslDot;
    struct Case {
        TVYXLogPara* para;
        bool first;
        double x, pos, stopPos;
        TVYXTabStopAlignment align;
    } cases[] = {
        {plain, false, 0, step, 65.2, atsaLeft},
        {plain, false, 100, 2 * step, 130.4, atsaLeft},
        {stops, false, 10, 96, 72, atsaCenter},
        {stops, false, 96, 192, 144, atsaLeft},  // a stop exactly at x is passed
        {stops, false, 200, 192 + step, 144 + 65.2, atsaLeft},
        {hanging, true, 0, 48, 36, atsaLeft},  // the hanging-indent stop
        {hanging, false, 0, step, 36 + 65.2, atsaLeft},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "para " << c.para->Index() << " x=" << c.x << " first=" << c.first);
        double pos = -1;
        const TVYXTabStop* stop = c.para->MapTab(pos, c.first, c.x);
        ASSERT_NE(stop, nullptr);
        EXPECT_NEAR(pos, c.pos, 1e-9);
        EXPECT_NEAR(stop->Position, c.stopPos, 1e-9);
        EXPECT_EQ(stop->Alignment, c.align);
    }
    double pos = 0;
    EXPECT_EQ(hanging->MapTab(pos, true, 0)->Leader, atslDot);  // the document's default stop
    EXPECT_EQ(plain->MapTab(pos, false, 0)->Leader, atslNone);
    // A huge x is reached arithmetically, not by stepping.
    EXPECT_GT(plain->MapTab(pos, false, 1e12)->Position, 1e12 * 3 / 4);
    // Own stops cancel the hanging-indent stop; they count from the left indent.
    hanging->AddTabStops()->Add(72);
    ASSERT_EQ(hanging->MapTab(pos, true, 0)->Position, 72);
    EXPECT_NEAR(pos, 48, 1e-9);
}

TEST(VYXLogParas, GetTabsFallsBackThroughTheStyleChain)
{
    TVYXBodyTestDoc doc;
    auto* normal = doc.Styles.Find(u"Normal");
    normal->StylePAPX()->AddTabStops()->Add(100);
    TVYXLogPara* p = doc.Body.AppendPara(u"x");
    p->RemoveTabStops();
    EXPECT_EQ(p->GetTabs(), nullptr);  // no style set: no stops
    ASSERT_TRUE(p->UseStyle(u"ListParagraph"));
    ASSERT_EQ(p->GetTabs(), normal->StylePAPX()->GetTabStops());
    double pos = 0;
    EXPECT_NEAR(p->MapTab(pos, false, 0)->Position, 100, 1e-9);
    EXPECT_NEAR(pos, (100 - 36) * 4.0 / 3, 1e-9);  // ListParagraph indents by 36
    p->AddTabStops();  // an empty own list does not hide the style's
    EXPECT_EQ(p->GetTabs(), normal->StylePAPX()->GetTabStops());
    p->GetTabStops()->Add(50);
    EXPECT_EQ(p->GetTabs(), p->GetTabStops());
}

TEST(VYXLogParas, PageBreakAtAPosition)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"abcd");
    TVYXLogPos pos;
    pos.Assign(p, 3);
    ASSERT_NE(doc.Body.InsertPageBreak(pos), nullptr);
    CheckInvariants(doc.Body);
    ASSERT_EQ(doc.Body.Count(), 2);
    EXPECT_EQ(p->GetPlainText(), u"ab");
    TVYXLogPara* q = doc.Body.GetParas(1);
    EXPECT_TRUE(q->HasPageBreak());
    EXPECT_TRUE(q->GetItems(0)->IsPageBreak());
    EXPECT_EQ(q->GetPlainText().substr(q->GetPlainText().size() - 2), u"cd");
    EXPECT_EQ(pos.Para, q);
    EXPECT_EQ(pos.CharPos, 1);

    pos.Assign(p, 1);  // at the start: no split, the break goes in front
    ASSERT_NE(doc.Body.InsertPageBreak(pos), nullptr);
    EXPECT_EQ(doc.Body.Count(), 2);
    EXPECT_TRUE(p->GetItems(0)->IsPageBreak());
    CheckInvariants(doc.Body);
}

TEST(VYXLogParas, SpaceOfTheListComesFromItsEnds)
{
    TVYXBodyTestDoc doc;
    doc.Body.AppendPara(u"a")->PAPX().SetSpaceBefore(6);
    doc.Body.AppendPara(u"b")->PAPX().SetSpaceAfter(4);
    EXPECT_DOUBLE_EQ(doc.Body.SpaceBefore(), 6);
    EXPECT_DOUBLE_EQ(doc.Body.SpaceAfter(), 4);
    doc.Body.AddTable(1, 1);
    EXPECT_DOUBLE_EQ(doc.Body.SpaceAfter(), 0);
}

TEST(VYXLogParas, BookmarksOnAParagraph)
{
    TVYXBodyTestDoc doc;
    TVYXBookmarks& marks = doc.Doc.Bookmarks();
    TVYXLogPara* p = doc.Body.AppendPara(u"Hello world");
    struct Case {
        const char16_t* name;
        std::int32_t from, to;
        const char16_t* text;
    } cases[] = {
        {u"Word", 1, 6, u"Hello"},
        {u"Inside", 3, 9, u"llo wo"},  // splits runs, also inside the first range
        {u"Caret", 7, 7, u""},
        {u"Tail", 7, 99, u"world"},  // clamped to the paragraph's end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << ".." << c.to);
        TVYXBookmark* mark = p->InsertBookmark(c.name, c.from, c.to);
        ASSERT_NE(mark, nullptr);
        EXPECT_EQ(mark->GetPlainText(), c.text);
        EXPECT_EQ(p->GetPlainText(), u"Hello world");
        EXPECT_EQ(marks.Find(c.name), mark);
        CheckInvariants(doc.Body);
    }
    EXPECT_EQ(marks.Find(u"word")->GetPlainText(), u"Hello");  // the earlier ranges survive the splits
    EXPECT_EQ(p->InsertBookmark(u"WORD", 2, 3), nullptr);
    EXPECT_EQ(marks.Count(), 4);

    TVYXBookmark* open = p->AppendBookmark(u"Span");
    ASSERT_NE(open, nullptr);
    EXPECT_FALSE(open->IsRange());
    TVYXLogPara* q = doc.Body.AppendPara(u"next");
    TVYXCharRunLinked* end = q->EndBookmark(*open);
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(q->EndBookmark(*open), nullptr);  // already closed
    auto* range = static_cast<TVYXFieldSelectionImpl*>(open->Selection.get());
    EXPECT_TRUE(open->IsRange());
    EXPECT_FALSE(range->SamePara());
    EXPECT_EQ(range->FirstRun->LinkedNext, end);
    EXPECT_EQ(range->LastPara, q);
    EXPECT_EQ(end->Index(), q->Count() - 1);
}

TEST(VYXLogParas, CommentsAndSimpleFields)
{
    TVYXComments comments;
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"see ");
    auto made = std::make_unique<TVYXComment>();
    made->Author = u"Ann";
    TVYXComment* note = p->AppendComment(comments, std::move(made));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(comments.Count(), 1);
    p->AppendPlainText(u"this");
    ASSERT_NE(p->EndComment(*note), nullptr);
    EXPECT_EQ(note->GetPlainText(), u"this");
    EXPECT_EQ(VYXAsComment(static_cast<TVYXCharRunLinked&>(*p->GetItems(p->Count() - 1))), note);
    EXPECT_EQ(p->EndComment(*note), nullptr);
    CheckInvariants(doc.Body);

    TVYXLogPara* q = doc.Body.AppendPara(u"page  of");
    TVYXCharRunSimpleField* page = q->InsertField(6, u" PAGE ", u"1");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(VYXSimpleFieldOf(*page)->Type, asftPage);
    EXPECT_EQ(q->GetPlainText(), u"page 1 of");
    TVYXCharRunSimpleField* ref = q->AppendField(u"REF Intro");
    EXPECT_EQ(ref->Text(), u"<<REF>>");  // no result: the placeholder shows
    EXPECT_EQ(q->GetPlainText(), u"page 1 of<<REF>>");
    CheckInvariants(doc.Body);
}

TEST(VYXLogParas, FindGraphicAndWatermarkLookIntoCells)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"a");
    auto* plain = p->AppendGraphic(std::make_unique<TVYXGraphicShape>(nullptr))->Graphic.get();
    EXPECT_EQ(doc.Body.FindWatermark(), nullptr);
    TVYXTable* t = doc.Body.AddTable(2, 1);
    TVYXLogPara* inCell = t->GetCells(1, 0)->Paras().GetParas(0);
    auto mark = std::make_unique<TVYXGraphicShape>(nullptr);
    mark->IsWatermark = true;
    TVYXCharRunGraphic* run = inCell->AppendGraphic(std::move(mark));
    EXPECT_EQ(doc.Body.FindWatermark(), run->Graphic.get());
    EXPECT_EQ(doc.Body.FindGraphic(run->Graphic.get()), run);
    EXPECT_EQ(doc.Body.FindGraphic(plain), p->GetItems(p->Count() - 1));
    TVYXGraphicShape stray(nullptr);
    EXPECT_EQ(doc.Body.FindGraphic(&stray), nullptr);
    EXPECT_EQ(doc.Body.FindGraphic(nullptr), nullptr);
}

TEST(VYXLogParas, TOCEntriesReferToBookmarkedHeadings)
{
    TVYXBodyTestDoc doc;
    TVYXBookmarks& marks = doc.Doc.Bookmarks();
    TVYXLogPara* heading = doc.Body.AppendPara(u"Intro");
    TVYXLogPara* entry = doc.Body.AddTOCReference(*heading, u"ListParagraph", u"Intro");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->Index(), 1);
    ASSERT_NE(entry->PAPX().GetStyle(), nullptr);
    EXPECT_EQ(entry->PAPX().GetStyle()->Id, u"ListParagraph");
    EXPECT_EQ(entry->GetItems(0)->Text(), u"Intro");  // no empty run in front
    std::u16string name;
    for (int i = 0; i < entry->Count(); ++i)
        if (auto* instr = dynamic_cast<TVYXCharRunInstrText*>(entry->GetItems(i)))
            name = instr->InstrId;
    ASSERT_EQ(name.substr(0, 4), u"_Toc");
    ASSERT_NE(marks.Find(name), nullptr);
    EXPECT_EQ(marks.Find(name)->GetPlainText(), u"Intro");
    EXPECT_EQ(heading->GetPlainText(), u"Intro");
    // A plain item has its own name and no bookmark.
    doc.Body.AddTOCItem(u"NoSuchStyle", u"Other");
    EXPECT_EQ(marks.Count(), 1);
    CheckInvariants(doc.Body);
}

TEST(VYXLogParas, CellBordersFallBackToTheTable)
{
    TVYXBodyTestDoc doc;
    TVYXTable* t = doc.Body.AddTable(2, 2);  // TableGrid: every border 0.5 single
    const TVYXTAPX& tapx = t->TAPX();
    TVYXTableCell* c00 = t->GetCells(0, 0);
    TVYXTableCell* c11 = t->GetCells(1, 1);
    struct Case {
        const TVYXDocPropBorder* got;
        const TVYXDocPropBorder* want;
    } cases[] = {
        {c00->BorderLeft(), tapx.GetBorderLeft()},         {c00->BorderTop(), tapx.GetBorderTop()},
        {c00->BorderRight(), tapx.GetBorderInsideVert()},  {c00->BorderBottom(), tapx.GetBorderInsideHoriz()},
        {c11->BorderLeft(), tapx.GetBorderInsideVert()},   {c11->BorderTop(), tapx.GetBorderInsideHoriz()},
        {c11->BorderRight(), tapx.GetBorderRight()},       {c11->BorderBottom(), tapx.GetBorderBottom()},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        ASSERT_NE(cases[i].got, nullptr);
        EXPECT_EQ(cases[i].got, cases[i].want);
    }
    EXPECT_NE(tapx.GetBorderLeft(), tapx.GetBorderInsideVert());
    EXPECT_DOUBLE_EQ(c11->TopHalfBorderHeight(), 0.25);

    t->TAPX().AddBorder(vytiBorderTop)->SetVals(3, cVYXAutoColor, stbSingle, 0);  // the table's own beats its style's
    EXPECT_DOUBLE_EQ(t->GetRows(0)->TopBorderMaxSize(), 3);
    EXPECT_DOUBLE_EQ(t->GetRows(1)->TopBorderMaxSize(), 0.5);
    c11->Props().AddBorder(atbsTop)->SetVals(6, cVYXAutoColor, stbSingle, 0);
    EXPECT_DOUBLE_EQ(t->GetRows(1)->TopBorderMaxSize(), 6);
    c11->Props().AddBorder(atbsBottom)->Clear();  // an explicit "none" hides the table's border
    EXPECT_DOUBLE_EQ(c11->BottomHalfBorderHeight(), 0);
    EXPECT_DOUBLE_EQ(t->GetRows(1)->BottomBorderMaxSize(), 0.5);
}

TEST(VYXLogParas, FormFieldsHoldTheirResultBetweenBoundaries)
{
    TVYXBodyTestDoc doc;
    TVYXLogPara* p = doc.Body.AppendPara(u"Name: . Done");
    TVYXComplexField* text = p->InsertFormFieldText(7, u"Name", u"Ann");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Type(), acftFormText);
    EXPECT_EQ(text->GetPlainText(), u"Ann");
    EXPECT_EQ(p->GetPlainText(), u"Name: Ann. Done");
    TVYXComplexField* box = p->AppendFormFieldCheckBox(u"Ok", true);
    EXPECT_TRUE(box->GetAsCheckBox()->Checked);
    EXPECT_EQ(box->GetPlainText(), u"");
    TVYXComplexField* list = p->InsertFormFieldComboBox(1, u"Title", {u"Mr", u"Ms"}, 1);
    EXPECT_EQ(list->GetPlainText(), u"Ms");
    EXPECT_EQ(p->GetPlainText(), u"MsName: Ann. Done");
    EXPECT_EQ(p->InsertFormFieldComboBox(1, u"Bad", {u"x"}, 5)->GetPlainText(), u"");
    // Each field: begin, instruction, separate, boundary, result, boundary, end; both boundaries hold it.
    int fields = 0;
    for (int i = 0; i < p->Count(); ++i)
        if (auto* run = dynamic_cast<TVYXCharRunLinked*>(p->GetItems(i)); run && run->OwnsField()) {
            if (run->LinkedPrev) {
                EXPECT_EQ(run->LinkedPrev->Field(), run->Field());
                continue;
            }
            ++fields;
            ASSERT_GE(i, 3);
            auto* instr = dynamic_cast<TVYXCharRunInstrText*>(p->GetItems(i - 2));
            ASSERT_NE(instr, nullptr);
            EXPECT_EQ(instr->InstrText, VYXAsComplex(*run)->InstrText());
            ASSERT_LT(i + 3, p->Count());
            EXPECT_EQ(run->LinkedNext, p->GetItems(i + 2));
        }
    EXPECT_EQ(fields, 4);
    text->SetPlainText(u"Bob");  // the result can be replaced through the field
    EXPECT_EQ(p->GetPlainText(), u"MsName: Bob. Done");
    CheckInvariants(doc.Body);
}

TEST(VYXLogParas, FileTextRunCopiesAndNeighbours)
{
    TVYXBodyTestDoc doc;
    doc.Body.SetFileText(u"a\tb\r\n\fnext");
    ASSERT_EQ(doc.Body.Count(), 2);
    TVYXLogPara* first = doc.Body.GetParas(0);
    TVYXLogPara* second = doc.Body.GetParas(1);
    ASSERT_EQ(first->Count(), 3);
    EXPECT_EQ(first->GetItems(1)->Type_(), acrtTab);
    EXPECT_EQ(first->GetFileText(), u"a\tb");
    EXPECT_TRUE(second->HasPageBreak());
    EXPECT_EQ(second->GetPlainText(), u"\r\nnext");

    // Copies of a whole run list go in, in order, at a position inside a run.
    first->InsertCharRuns(second->CharRuns(), 2);
    EXPECT_EQ(first->GetPlainText(), u"a\r\nnextb");
    EXPECT_EQ(second->GetPlainText(), u"\r\nnext");
    TVYXCharRunGraphic* rule = second->AppendHorizontalLine();
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(second->CRLast(), rule);

    // Neighbours through the navigation object: the list's ends, and rows of a table.
    TVYXTable* t = doc.Body.AddTable(2, 2);
    TVYXLogPara* c00 = t->GetCells(0, 0)->FirstPara();
    TVYXLogPara* c01 = t->GetCells(0, 1)->FirstPara();
    EXPECT_EQ(second->First(), first);
    EXPECT_EQ(first->Last(), doc.Body._LastPara());
    EXPECT_EQ(c00->First(), c00);
    EXPECT_EQ(c00->NextRow(), c01);
    EXPECT_EQ(c01->PrevRow(), c00);
    EXPECT_EQ(first->NextRow(), nullptr);
}

// A list without a navigation object (a copy being built, a text box's list before it is
// placed) still steps into and out of its tables: forward to the table's first paragraph,
// back to the last paragraph of its last row's first cell, as the list itself answers.
TEST(VYXLogParas, ReadingOrderWithoutANavigationObject)
{
    TVYXBodyTestDoc doc;
    std::unique_ptr<TVYXLogParas> paras = doc.Doc.CreateParas();
    ASSERT_EQ(paras->Iterator(), nullptr);
    TVYXLogPara* before = paras->AppendPara(u"before");
    TVYXTable* t = paras->AddTable(2, 2);
    TVYXLogPara* after = paras->AppendPara(u"after");
    t->GetCells(0, 0)->Paras().GetParas(0)->SetPlainText(u"r0c0");
    t->GetCells(0, 1)->Paras().GetParas(0)->SetPlainText(u"r1c0");
    t->GetCells(0, 1)->Paras().AppendPara(u"r1c0b");
    t->GetCells(1, 1)->Paras().GetParas(0)->SetPlainText(u"r1c1");

    ASSERT_EQ(before->Iterator(), nullptr);
    EXPECT_EQ(before->Next()->GetPlainText(), u"r0c0");
    EXPECT_EQ(before->Next(), paras->Next(*before));
    EXPECT_EQ(after->Prev()->GetPlainText(), u"r1c0b");
    EXPECT_EQ(after->Prev(), paras->Prev(*after));
    EXPECT_EQ(before->Prev(), nullptr);
    EXPECT_EQ(after->Next(), nullptr);
    // The table's own ends in reading order; a paragraph is its own first and last.
    EXPECT_EQ(t->FirstPara()->GetPlainText(), u"r0c0");
    EXPECT_EQ(t->LastPara()->GetPlainText(), u"r1c1");
    EXPECT_EQ(static_cast<TVYXLogParaItem*>(before)->FirstPara(), before);
    EXPECT_EQ(static_cast<TVYXLogParaItem*>(before)->LastRowCell0LastPara(), before);

    // A table leading the list: the list's first paragraph is the table's.
    paras->Delete(0);
    EXPECT_EQ(paras->_FirstPara()->GetPlainText(), u"r0c0");
    EXPECT_EQ(paras->_LastPara(), after);
}

// Validating a list reaches every item: an emptied cell gets a paragraph again and a
// paragraph stripped of its runs an empty run, at any depth.
TEST(VYXLogParas, ValidateReachesCellsAtAnyDepth)
{
    TVYXBodyTestDoc doc;
    doc.Body.AppendPara(u"x");
    TVYXTable* t = doc.Body.AddTable(2, 1);
    TVYXTable* inner = t->GetCells(1, 0)->Paras().AddTable(1, 1);
    t->GetCells(0, 0)->Paras().Clear();
    inner->FirstCell()->Paras().Clear();
    TVYXCharRuns& runs = doc.Body.GetParas(0)->CharRuns();
    while (runs.Count() > 0)
        runs.Delete(0);
    ASSERT_EQ(t->GetCells(0, 0)->Paras().Count(), 0);

    doc.Body.Validate();
    CheckInvariants(doc.Body);
    EXPECT_EQ(doc.Body.GetParas(0)->Count(), 1);
    EXPECT_TRUE(t->GetCells(0, 0)->Paras().Empty());
    EXPECT_TRUE(inner->FirstCell()->Paras().Empty());
    EXPECT_EQ(t->NestedCount(), 1);
}

// A nested table moved from one cell to a cell of another table: both outer tables'
// counts follow, and the moved table keeps its own.
TEST(VYXLogParas, NestedCountsFollowATableMovedBetweenTables)
{
    TVYXBodyTestDoc doc;
    TVYXTable* a = doc.Body.AddTable(1, 1);
    doc.Body.AppendPara(u"between");
    TVYXTable* b = doc.Body.AddTable(1, 1);
    TVYXLogParas& aCell = a->FirstCell()->Paras();
    TVYXTable* moved = aCell.AddTable(1, 1);
    moved->FirstCell()->Paras().AddTable(1, 1);
    aCell.AppendPara();
    EXPECT_EQ(a->NestedCount(), 2);
    EXPECT_EQ(moved->NestedCount(), 1);

    std::unique_ptr<TVYXLogParaItem> item = aCell.Extract(moved->Index());
    EXPECT_EQ(a->NestedCount(), 0);
    b->FirstCell()->Paras().InsertItem(0, std::move(item));
    EXPECT_EQ(b->NestedCount(), 2);
    EXPECT_EQ(moved->NestedCount(), 1);
    CheckInvariants(doc.Body);
}
