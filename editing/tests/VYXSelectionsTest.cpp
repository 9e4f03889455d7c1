// Selections whose ends lie in and out of tables: what extending takes (rows, not
// whole tables), and what deleting such a selection leaves, taken back by undo.
#include <gtest/gtest.h>

#include "editing/VYXLogEditor.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "model/VYXTable.h"
#include "model/tests/VYXDocDump.h"

namespace {

// "before", a table of 2 columns x `rows` rows with "r<row>c<col>" in each cell,
// the empty paragraph a table is appended with, "after".
TVYXTable& BuildTableDoc(TVYXLogDocEditor& doc, int rows)
{
    TVYXEditorUpdate update(doc);
    doc.AppendParaUI(u"before");
    TVYXTable& t = doc.AppendTableUI(2, rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 2; ++c) {
            const std::string text = "r" + std::to_string(r) + "c" + std::to_string(c);
            doc.CellPara(t, c, r).Append(std::u16string(text.begin(), text.end()));
        }
    doc.AppendParaUI(u"after");
    return t;
}

TVYXLogPara* LastPara(TVYXLogDocEditor& doc) { return doc.Paras().GetParas(doc.Paras().Count() - 1); }

void SelectBetween(TVYXLogDocEditor& doc, const TVYXLogPos& from, const TVYXLogPos& to)
{
    ASSERT_TRUE(doc.Command(vycMovePos, from));
    doc.Command(vycSelectToPos, to);
    ASSERT_EQ(doc.Selections().Count(), 1);
}

std::u16string CellText(TVYXTable& t, int col, int row)
{
    return t.GetRows(row)->GetCells(col)->Paras().GetParas(0)->GetPlainText();
}

// Deletes the selection, checks the editor is sound, and that undo gives back the body.
void DeleteAndUndo(TVYXLogDocEditor& doc, const std::function<void()>& check)
{
    const std::string before = vyxtest::Dump(doc);
    ASSERT_TRUE(doc.Command(vycDelSelection));
    EXPECT_EQ(VYXCheckEditor(doc), "");
    check();
    ASSERT_TRUE(doc.Command(vycControlUndo));
    EXPECT_EQ(VYXCheckEditor(doc), "");
    EXPECT_EQ(vyxtest::Dump(doc), before);
}

}  // namespace

// ---- Extending ----

TEST(SelectionCells, FromTextIntoATableTakesRowsFromTheTopToTheCaretsRow)
{
    TVYXLogDocEditor doc;
    TVYXTable& t = BuildTableDoc(doc, 3);
    ASSERT_NO_FATAL_FAILURE(SelectBetween(doc, TVYXLogPos(doc.Paras().GetParas(0), 3), TVYXLogPos(&doc.CellPara(t, 0, 1), 2)));
    const TVYXLogSelection& s = *doc.Selections().First();
    EXPECT_EQ(s.First.Para, doc.Paras().GetParas(0));
    EXPECT_EQ(s.First.CharPos, 3) << "the end outside stays";
    EXPECT_EQ(s.Last.Para, &doc.CellPara(t, 1, 1)) << "the end of row 1, not of the table";
    EXPECT_EQ(s.Last.CharPos, s.Last.Para->EndOfParaPos());
    EXPECT_FALSE(s.IsRectCells());
}

TEST(SelectionCells, FromATableRowOutwardsTakesTheRowsToTheTablesEnd)
{
    TVYXLogDocEditor doc;
    TVYXTable& t = BuildTableDoc(doc, 3);
    // Extended backwards: the anchor is after the table, the caret goes into row 1.
    ASSERT_NO_FATAL_FAILURE(SelectBetween(doc, TVYXLogPos(LastPara(doc), 4), TVYXLogPos(&doc.CellPara(t, 1, 1), 2)));
    const TVYXLogSelection& s = *doc.Selections().First();
    EXPECT_EQ(s.First.Para, &doc.CellPara(t, 0, 1)) << "from the start of row 1";
    EXPECT_EQ(s.First.CharPos, 1);
    EXPECT_EQ(s.Last.Para, LastPara(doc));
    EXPECT_EQ(s.Last.CharPos, 4);
}

TEST(SelectionCells, BetweenTwoTablesEachIsTakenTowardTheOther)
{
    TVYXLogDocEditor doc;
    TVYXTable& t1 = BuildTableDoc(doc, 3);
    TVYXTable& t2 = doc.AppendTableUI(1, 3);
    doc.AppendParaUI(u"end");
    ASSERT_NO_FATAL_FAILURE(SelectBetween(doc, TVYXLogPos(&doc.CellPara(t1, 1, 2), 2), TVYXLogPos(&doc.CellPara(t2, 0, 1), 1)));
    const TVYXLogSelection& s = *doc.Selections().First();
    EXPECT_EQ(s.First.Para, &doc.CellPara(t1, 0, 2)) << "the first table from its end's row (2) on";
    EXPECT_EQ(s.Last.Para, &doc.CellPara(t2, 0, 1)) << "the second up to its end's row (1)";
    EXPECT_EQ(s.Last.CharPos, s.Last.Para->EndOfParaPos());
}

TEST(SelectionCells, CellsOfOneTableStayARectangleAtAnyDepth)
{
    TVYXLogDocEditor doc;
    TVYXTable& t = BuildTableDoc(doc, 2);
    // A table nested in cell (1, 1): from cell (0, 0) into it.
    TVYXLogPara& host = doc.CellPara(t, 1, 1);
    TVYXLogPos at(&host, 1);
    TVYXTable* inner = host.Paras()->InsertTableAtPos(at, 2, 2);
    ASSERT_NE(inner, nullptr);
    TVYXLogPara* innerPara = inner->GetRows(0)->FirstPara();
    ASSERT_NE(innerPara, nullptr);
    ASSERT_NO_FATAL_FAILURE(SelectBetween(doc, TVYXLogPos(&doc.CellPara(t, 0, 0), 1), TVYXLogPos(innerPara, 1)));
    TVYXTable* table = nullptr;
    int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    ASSERT_TRUE(doc.Selections().GetCellRect(table, c1, r1, c2, r2) || doc.Selections().First()->IsRectCells());
    EXPECT_TRUE(doc.Selections().First()->IsRectCells());
    EXPECT_EQ(doc.Selections().First()->Last.Para, innerPara) << "left as it is: a rectangle of the outer table";
    EXPECT_EQ(VYXCheckEditor(doc), "");
}

TEST(SelectionCells, FromACellsTextIntoATableNestedInItTakesItsRows)
{
    TVYXLogDocEditor doc;
    TVYXTable& t = BuildTableDoc(doc, 1);
    TVYXLogPara& host = doc.CellPara(t, 0, 0);
    TVYXLogPos at(&host, host.EndOfParaPos());
    TVYXTable* inner = host.Paras()->InsertTableAtPos(at, 1, 3);
    ASSERT_NE(inner, nullptr);
    TVYXLogPara* row1 = inner->GetRows(1)->FirstPara();
    const TVYXLogPara* outerText = host.Paras()->GetParas(0);
    ASSERT_NO_FATAL_FAILURE(SelectBetween(doc, TVYXLogPos(const_cast<TVYXLogPara*>(outerText), 2), TVYXLogPos(row1, 1)));
    const TVYXLogSelection& s = *doc.Selections().First();
    EXPECT_EQ(s.First.Para, outerText);
    EXPECT_EQ(s.Last.Para, inner->GetRows(1)->LastPara()) << "the nested table's rows 0..1";
    EXPECT_EQ(VYXCheckEditor(doc), "");
}

// ---- Deleting what was taken ----

TEST(SelectionCells, DeletingTextAndTopRowsKeepsTheOtherRows)
{
    TVYXLogDocEditor doc;
    TVYXTable& t = BuildTableDoc(doc, 3);
    ASSERT_NO_FATAL_FAILURE(SelectBetween(doc, TVYXLogPos(doc.Paras().GetParas(0), 3), TVYXLogPos(&doc.CellPara(t, 0, 1), 2)));
    DeleteAndUndo(doc, [&] {
        ASSERT_EQ(doc.Paras().Count(), 4);
        EXPECT_EQ(doc.Paras().GetParas(0)->GetPlainText(), u"be") << "its mark stays before the table";
        TVYXTable* left = doc.Paras().GetTables(1);
        ASSERT_NE(left, nullptr);
        ASSERT_EQ(left->Count(), 1);
        EXPECT_EQ(CellText(*left, 0, 0), u"r2c0");
        EXPECT_EQ(doc.Caret().Para, doc.Paras().GetParas(0));
        EXPECT_EQ(doc.Caret().CharPos, 3);
    });
}

TEST(SelectionCells, DeletingBottomRowsAndTextAfterKeepsTheTop)
{
    TVYXLogDocEditor doc;
    TVYXTable& t = BuildTableDoc(doc, 3);
    ASSERT_NO_FATAL_FAILURE(SelectBetween(doc, TVYXLogPos(&doc.CellPara(t, 1, 1), 2), TVYXLogPos(LastPara(doc), 4)));
    DeleteAndUndo(doc, [&] {
        // The empty paragraph after the table went whole, "after" lost "aft".
        ASSERT_EQ(doc.Paras().Count(), 3);
        TVYXTable* left = doc.Paras().GetTables(1);
        ASSERT_NE(left, nullptr);
        ASSERT_EQ(left->Count(), 1);
        EXPECT_EQ(CellText(*left, 1, 0), u"r0c1");
        EXPECT_EQ(doc.Paras().GetParas(2)->GetPlainText(), u"er");
        EXPECT_EQ(doc.Paras().GetParas(0)->GetPlainText(), u"before");
    });
}

TEST(SelectionCells, DeletingEveryRowTakesTheTable)
{
    TVYXLogDocEditor doc;
    TVYXTable& t = BuildTableDoc(doc, 2);
    ASSERT_NO_FATAL_FAILURE(SelectBetween(doc, TVYXLogPos(doc.Paras().GetParas(0), 7), TVYXLogPos(&doc.CellPara(t, 1, 1), 1)));
    DeleteAndUndo(doc, [&] {
        ASSERT_EQ(doc.Paras().Count(), 3);
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(doc.Paras().GetItems(i)->IsPara());
        EXPECT_EQ(doc.Paras().GetParas(0)->GetPlainText(), u"before");
        EXPECT_EQ(doc.Paras().GetParas(2)->GetPlainText(), u"after");
    });
}

TEST(SelectionCells, DeletingBetweenTwoTablesTrimsBothAndEmptiesTheTextBetween)
{
    TVYXLogDocEditor doc;
    TVYXTable& t1 = BuildTableDoc(doc, 3);
    TVYXTable& t2 = doc.AppendTableUI(1, 3);
    doc.AppendParaUI(u"end");
    ASSERT_NO_FATAL_FAILURE(SelectBetween(doc, TVYXLogPos(&doc.CellPara(t1, 1, 1), 2), TVYXLogPos(&doc.CellPara(t2, 0, 0), 1)));
    DeleteAndUndo(doc, [&] {
        // before, t1 (row 0), "" (was "" and "after"), t2 (rows 1, 2), "", end
        ASSERT_EQ(doc.Paras().Count(), 6);
        TVYXTable* first = doc.Paras().GetTables(1);
        TVYXTable* second = doc.Paras().GetTables(3);
        ASSERT_TRUE(first && second);
        EXPECT_EQ(first->Count(), 1);
        EXPECT_EQ(second->Count(), 2);
        EXPECT_EQ(doc.Paras().GetParas(2)->GetPlainText(), u"");
        EXPECT_EQ(doc.Paras().GetParas(5)->GetPlainText(), u"end");
    });
}

TEST(SelectionCells, TypingOverARowSelectionReplacesIt)
{
    TVYXLogDocEditor doc;
    TVYXTable& t = BuildTableDoc(doc, 2);
    ASSERT_NO_FATAL_FAILURE(SelectBetween(doc, TVYXLogPos(&doc.CellPara(t, 0, 1), 1), TVYXLogPos(LastPara(doc), 3)));
    ASSERT_TRUE(doc.InsertTextUI(u"X"));
    EXPECT_EQ(VYXCheckEditor(doc), "");
    ASSERT_EQ(doc.Paras().Count(), 3);
    EXPECT_EQ(doc.Paras().GetTables(1)->Count(), 1);
    EXPECT_EQ(doc.Paras().GetParas(2)->GetPlainText(), u"Xter");
}
