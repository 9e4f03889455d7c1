// The editor's commands, grouped by worker: the cases where a plausible
// implementation goes wrong.
#include <gtest/gtest.h>

#include "editing/VYXLogEditor.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocProps.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXNumbering.h"
#include "model/VYXRevision.h"

namespace {

// Counts what the door tells, to show edits go through it.
struct TCounter : TVYXDocWatcher {
    int Inserts = 0, Removes = 0, Formats = 0;
    void DocChanged(TVYXLogDocument&, const TVYXDocEditEvent& event) override
    {
        (event.Change.Kind == adckInsert ? Inserts : event.Change.Kind == adckRemove ? Removes : Formats)++;
    }
};

void Put(TVYXLogDocEditor& doc, int para, std::int32_t pos)
{
    ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(doc.Paras().GetParas(para), pos)));
}

std::u16string Text(TVYXLogDocEditor& doc, int para) { return doc.Paras().GetParas(para)->GetPlainText(); }

void ExpectSound(TVYXLogDocEditor& doc)
{
    EXPECT_EQ(VYXCheckEditor(doc), "");
}

}  // namespace

// ---- Insert and delete ----

TEST(EditorInsert, TypingGoesThroughTheDoorAndMovesTheCaret)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"held");
    TCounter counter;
    doc.AddWatcher(counter);
    Put(doc, 0, 3);
    ASSERT_TRUE(doc.InsertTextUI(u"XY"));
    EXPECT_EQ(Text(doc, 0), u"heXYld");
    EXPECT_EQ(doc.Caret().CharPos, 5);
    EXPECT_EQ(counter.Inserts, 1);
    ASSERT_TRUE(doc.Command(vycControlNewPara));
    EXPECT_EQ(Text(doc, 0), u"heXY");
    EXPECT_EQ(Text(doc, 1), u"ld");
    EXPECT_EQ(doc.Caret().Para, doc.Paras().GetParas(1));
    EXPECT_EQ(doc.Caret().CharPos, 1);
    // Backspace at a paragraph start joins it to the one before.
    ASSERT_TRUE(doc.Command(vycDelCharLeft));
    EXPECT_EQ(doc.Paras().Count(), 1);
    EXPECT_EQ(Text(doc, 0), u"heXYld");
    EXPECT_EQ(counter.Removes, 1);
    doc.RemoveWatcher(counter);
    ExpectSound(doc);
}

TEST(EditorDelete, NonsenseAtTheEdgesDoesNothing)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"ab");
    Put(doc, 0, 3);
    EXPECT_FALSE(doc.Command(vycDelCharRight)) << "delete at the document's end";
    EXPECT_FALSE(doc.Command(vycMoveCharRight)) << "move past the end";
    doc.Command(vycMoveBeginningOfDoc);
    EXPECT_FALSE(doc.Command(vycDelCharLeft)) << "backspace at the start";
    EXPECT_FALSE(doc.Command(vycMoveCharLeft));
    EXPECT_FALSE(doc.Command(vycTableDeleteRow)) << "table command outside a table";
    EXPECT_FALSE(doc.Command(vycTableMergeCells));
    EXPECT_EQ(Text(doc, 0), u"ab");
    ExpectSound(doc);

    TVYXLogDocEditor empty;
    EXPECT_FALSE(empty.Command(vycDelCharLeft));
    EXPECT_FALSE(empty.Command(vycMoveCharRight));
    EXPECT_FALSE(empty.InsertTextUI(u"x")) << "an empty body has no caret";
}

TEST(EditorDelete, SelectionAcrossParagraphsGoesAsOneEdit)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"one");
    doc.AppendParaUI(u"two");
    doc.AppendParaUI(u"three");
    Put(doc, 0, 2);
    doc.Command(vycSelectParaDown);
    doc.Command(vycSelectParaDown);
    doc.Command(vycSelectCharRight);
    doc.Command(vycSelectCharRight);
    EXPECT_EQ(doc.Selections().First()->First.CharPos, 2);
    ASSERT_TRUE(doc.Command(vycDelCharLeft));
    EXPECT_EQ(doc.Paras().Count(), 1);
    EXPECT_EQ(Text(doc, 0), u"oree");
    EXPECT_EQ(doc.Caret().CharPos, 2);
    ExpectSound(doc);
}

TEST(EditorDelete, TrackedBackspaceMarksTheCharacterAndStepsBeforeIt)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"abc");
    doc.Command(vycRevisionTrackChanges, true);
    Put(doc, 0, 3);
    ASSERT_TRUE(doc.Command(vycDelCharLeft));
    EXPECT_EQ(Text(doc, 0), u"abc") << "the character stays";
    EXPECT_EQ(doc.Caret().CharPos, 2);
    const TVYXCHPX* b = doc.Paras().GetParas(0)->CHPXAtPos(2);
    ASSERT_TRUE(b && b->GetRevision());
    EXPECT_EQ(b->GetRevision()->RevType, artDelete);
    const TVYXCHPX* a = doc.Paras().GetParas(0)->CHPXAtPos(1);
    EXPECT_TRUE(!a || !a->GetRevision()) << "only the one character is marked";
    EXPECT_EQ(doc.Observers().Count(), 1);
    EXPECT_EQ(doc.Observers().GetItems(0).Text, u"b");
}

// ---- Enter, lists ----

TEST(EditorLists, BackspaceAtANumberedStartRemovesTheNumberOnly)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"before");
    doc.AppendNumberedPara(u"item", 0);
    Put(doc, 1, 1);
    ASSERT_TRUE(doc.Command(vycDelCharLeft));
    EXPECT_EQ(doc.Paras().GetParas(1)->PAPX().GetNumbering(), nullptr);
    EXPECT_EQ(Text(doc, 1), u"item");
    EXPECT_EQ(doc.Paras().Count(), 2) << "nothing was joined";
}

TEST(EditorLists, EnterInAnEmptyListParagraphOutdentsThenEndsTheList)
{
    TVYXLogDocEditor doc;
    doc.AppendBulletPara(u"a", 0);
    doc.AppendBulletPara(u"", 2);
    Put(doc, 1, 1);
    ASSERT_TRUE(doc.Command(vycControlNewPara));
    ASSERT_NE(doc.Paras().GetParas(1)->PAPX().GetNumbering(), nullptr);
    EXPECT_EQ(doc.Paras().GetParas(1)->PAPX().GetNumbering()->Level, 1);
    EXPECT_EQ(doc.Paras().Count(), 2) << "no new paragraph";
    doc.Command(vycControlNewPara);
    doc.Command(vycControlNewPara);
    EXPECT_EQ(doc.Paras().GetParas(1)->PAPX().GetNumbering(), nullptr);
    EXPECT_EQ(doc.Paras().Count(), 2);
    // A paragraph with text splits and the new one continues the list.
    Put(doc, 0, 2);
    doc.Command(vycControlNewPara);
    EXPECT_EQ(doc.Paras().Count(), 3);
    EXPECT_EQ(doc.Paras().GetParas(1)->PAPX().GetNumbering(), doc.Paras().GetParas(0)->PAPX().GetNumbering());
    ExpectSound(doc);
}

TEST(EditorLists, BulletButtonTogglesAndLevelsStayInRange)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"x");
    Put(doc, 0, 1);
    ASSERT_TRUE(doc.Command(vycFormatParaBullet));
    TVYXNumbering* list = doc.Paras().GetParas(0)->PAPX().GetNumbering();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Style, anstBullet);
    EXPECT_EQ(list->Owner(), &doc.Numberings());
    for (int i = 0; i < 12; ++i)
        doc.Command(vycFormatParaMultilevelLevelInc);
    EXPECT_EQ(doc.Paras().GetParas(0)->PAPX().GetNumbering()->Level, 8);
    ASSERT_TRUE(doc.Command(vycFormatParaBullet));
    EXPECT_EQ(doc.Paras().GetParas(0)->PAPX().GetNumbering(), nullptr);
    EXPECT_FALSE(doc.Command(vycFormatParaMultilevelLevelDec)) << "not a list paragraph";
}

// ---- Tables ----

TEST(EditorTables, EnterAtTheStartOfATableOpeningTheDocumentAddsAParagraphBefore)
{
    TVYXLogDocEditor doc;
    TVYXTable& t = doc.AppendTableUI(2, 2);
    doc.CellPara(t, 0, 0).Append(u"c");
    ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(&doc.CellPara(t, 0, 0), 1)));
    TCounter counter;
    doc.AddWatcher(counter);
    ASSERT_TRUE(doc.Command(vycControlNewPara));
    doc.RemoveWatcher(counter);
    ASSERT_EQ(doc.Paras().Count(), 3);
    ASSERT_TRUE(doc.Paras().GetItems(0)->IsPara());
    EXPECT_TRUE(doc.Paras().GetItems(1)->IsTable());
    EXPECT_EQ(doc.CellPara(t, 0, 0).GetPlainText(), u"c") << "the cell was not split";
    EXPECT_EQ(doc.Caret().Para, doc.Paras().GetParas(0));
    EXPECT_EQ(counter.Inserts, 1);
    ExpectSound(doc);
}

TEST(EditorTables, InsertSplitsTheParagraphAndRowColumnCommandsKeepTheTableSound)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"leftright");
    Put(doc, 0, 5);
    ASSERT_TRUE(doc.Command(vycInsertTableAtCaret, 3, 2));
    ASSERT_EQ(doc.Paras().Count(), 3);
    EXPECT_EQ(Text(doc, 0), u"left");
    TVYXTable* table = doc.Paras().GetTables(1);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(Text(doc, 2), u"right");
    EXPECT_EQ(doc.Caret().Para, table->GetRows(0)->FirstPara()) << "the caret is in the first cell";
    ExpectSound(doc);

    doc.InsertTextUI(u"A");
    ASSERT_TRUE(doc.Command(vycTableInsertRowsAbove));
    EXPECT_EQ(table->Count(), 3);
    EXPECT_EQ(doc.Caret().Para->GetPlainText(), u"A") << "the caret stays in its cell";
    ASSERT_TRUE(doc.Command(vycTableInsertColsRight));
    EXPECT_EQ(table->GetRows(0)->Count(), 4);
    ExpectSound(doc);
    ASSERT_TRUE(doc.Command(vycTableDeleteRow));
    ASSERT_TRUE(doc.Command(vycTableDeleteRow));
    EXPECT_FALSE(doc.Command(vycTableDeleteRow)) << "the last row stays";
    EXPECT_EQ(table->Count(), 1);
    // Tab moves through the cells and adds a row at the last one.
    doc.Command(vycMovePos, TVYXLogPos(table->GetRows(0)->LastPara(), 1));
    ASSERT_TRUE(doc.Command(vycControlTab));
    EXPECT_EQ(table->Count(), 2);
    ExpectSound(doc);
    doc.Command(vycMovePos, TVYXLogPos(table->GetRows(0)->FirstPara(), 1));
    doc.Command(vycSelectCharRight);
    doc.Command(vycMovePos, TVYXLogPos(table->GetRows(0)->FirstPara(), 1));
    ExpectSound(doc);
}

TEST(EditorTables, TableDoorEditTellsWatchersRemovalAndInsertion)
{
    TVYXLogDocEditor doc;
    TVYXTable& t = doc.AppendTableUI(2, 2);
    doc.Command(vycMovePos, TVYXLogPos(&doc.CellPara(t, 1, 1), 1));
    TCounter counter;
    doc.AddWatcher(counter);
    ASSERT_TRUE(doc.Command(vycTableDeleteCol));
    EXPECT_EQ(counter.Removes, 1);
    EXPECT_EQ(counter.Inserts, 1);
    EXPECT_EQ(t.GetRows(0)->Count(), 1);
    EXPECT_FALSE(doc.Command(vycTableDeleteCol)) << "the last column stays";
    doc.RemoveWatcher(counter);
    ExpectSound(doc);
}

// ---- Formats ----

TEST(EditorFormat, BoldAtAnEmptySelectionTakesTheWordOrOnlyTheInsertionFormat)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"one two  three");
    Put(doc, 0, 6);  // inside "two"
    ASSERT_TRUE(doc.Command(vycFormatBold));
    TVYXLogPara& p = *doc.Paras().GetParas(0);
    for (std::int32_t i = 5; i <= 7; ++i)
        EXPECT_TRUE(p.CHPXAtPos(i) && p.CHPXAtPos(i)->GetBold()) << i;
    EXPECT_FALSE(p.CHPXAtPos(1) && p.CHPXAtPos(1)->GetBold());
    EXPECT_FALSE(p.CHPXAtPos(9) && p.CHPXAtPos(9)->GetBold());
    // Between two spaces: the text stays as it is, the next typed text is bold.
    Put(doc, 0, 9);
    ASSERT_TRUE(doc.Command(vycFormatItalic));
    EXPECT_NE(doc.InsertionCHPX(), nullptr);
    for (std::int32_t i = 1; i < p.EndOfParaPos(); ++i)
        EXPECT_FALSE(p.CHPXAtPos(i) && p.CHPXAtPos(i)->GetItalic()) << i;
    doc.InsertTextUI(u"i");
    EXPECT_TRUE(p.CHPXAtPos(9) && p.CHPXAtPos(9)->GetItalic());
    EXPECT_EQ(doc.InsertionCHPX(), nullptr);
    double value = 0;
    Put(doc, 0, 6);
    ASSERT_TRUE(doc.CmdFormatValue(vycFormatBold, value));
    EXPECT_EQ(value, 1);
}

TEST(EditorFormat, FontSizeStepsStopAtTheBounds)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"word");
    Put(doc, 0, 1);
    doc.Command(vycSelectWord);
    ASSERT_TRUE(doc.Command(vycFormatFontSize, 70.0));
    ASSERT_TRUE(doc.Command(vycFormatIncFont));
    EXPECT_DOUBLE_EQ(doc.Paras().GetParas(0)->CHPXAtPos(2)->GetSize(), 72);
    EXPECT_FALSE(doc.Command(vycFormatIncFont));
    doc.Command(vycSelectWord);
    ASSERT_TRUE(doc.Command(vycFormatFontSize, 4.0));
    doc.Command(vycMovePos, TVYXLogPos(doc.Paras().GetParas(0), 2));
    ASSERT_TRUE(doc.Command(vycFormatDecFont));
    EXPECT_DOUBLE_EQ(doc.Paras().GetParas(0)->CHPXAtPos(2)->GetSize(), 3);
    EXPECT_FALSE(doc.Command(vycFormatDecFont));
    EXPECT_FALSE(doc.Command(vycFormatFontSize, -5.0));
}

TEST(EditorFormat, IndentStepsAndNeverBelowZero)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"p");
    Put(doc, 0, 1);
    ASSERT_TRUE(doc.Command(vycFormatParaIndentLeft, 30.0));
    ASSERT_TRUE(doc.Command(vycFormatParaDecIndentLeft));
    EXPECT_DOUBLE_EQ(doc.Paras().GetParas(0)->PAPX().GetIndentLeft(), 0);
    EXPECT_FALSE(doc.Command(vycFormatParaDecIndentLeft));
    doc.Command(vycFormatParaIncIndentLeft);
    doc.Command(vycFormatParaIncIndentLeft);
    EXPECT_NEAR(doc.Paras().GetParas(0)->PAPX().GetIndentLeft(), 130.4, 1e-9);
    ASSERT_TRUE(doc.Command(vycFormatParaIncIndentHanging));
    EXPECT_NEAR(doc.Paras().GetParas(0)->PAPX().GetIndentHanging(), 65.2, 1e-9);
    ASSERT_TRUE(doc.Command(vycFormatParaCenter));
    EXPECT_EQ(doc.Paras().GetParas(0)->PAPX().GetAlignment(), vyptaCenter);
}

// ---- Moves, events, settings, protection ----

TEST(EditorMove, LineMovesAskTheOwnerAndFallBackToParagraphs)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"first");
    doc.AppendParaUI(u"second");
    Put(doc, 0, 3);
    ASSERT_TRUE(doc.Command(vycMoveLineDown));
    EXPECT_EQ(doc.Caret().Para, doc.Paras().GetParas(1));
    EXPECT_FALSE(doc.Command(vycMovePgDown)) << "no pages without layout";
    int asked = 0;
    doc.PhyPositionEvent = [&asked](TVYXLogDocEditor&, TVYXPhyPosType type, TVYXLogPos& pos) {
        ++asked;
        if (type == apstPageUp)
            pos.CharPos = 4;
        return type == apstPageUp;
    };
    ASSERT_TRUE(doc.Command(vycMovePgUp));
    EXPECT_EQ(doc.Caret().CharPos, 4);
    EXPECT_EQ(asked, 1);
    Put(doc, 0, 2);
    ASSERT_TRUE(doc.Command(vycMoveLastLocation));
    EXPECT_EQ(doc.Caret().Para, doc.Paras().GetParas(1));
    ASSERT_TRUE(doc.Command(vycMoveEndOfDoc));
    EXPECT_TRUE(doc.Caret().IsAtEndOfDoc());
}

TEST(EditorSettings, PageSettingsReadBack)
{
    TVYXLogDocEditor doc;
    doc.AppendPara();
    ASSERT_TRUE(doc.Command(vycSettingPageMargLeft, 36.0));
    EXPECT_DOUBLE_EQ(doc.CmdSettingValFloat(vycSettingPageMargLeft), 36);
    EXPECT_FALSE(doc.Command(vycSettingPaperWidth, -1.0));
    ASSERT_TRUE(doc.Command(vycSettingTblShowOutline, true));
    EXPECT_TRUE(doc.CmdSettingValBool(vycSettingTblShowOutline));
}

TEST(EditorProtection, ReadOnlyDocumentsTakeEditsOnlyInsidePermissions)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"locked");
    doc.DOP().Protection.Protect(adpeReadOnly);
    doc.DOP().Protection.Enforcement = true;
    Put(doc, 0, 2);
    EXPECT_FALSE(doc.Command(vycInsertAtCaret, u"x"));
    EXPECT_FALSE(doc.Command(vycDelCharLeft));
    EXPECT_TRUE(doc.Command(vycMoveCharRight)) << "moves are allowed";
    EXPECT_EQ(Text(doc, 0), u"locked");
    // Unprotected runs (a permission range) take edits.
    for (int i = 0; i < doc.Paras().GetParas(0)->Count(); ++i)
        doc.Paras().GetParas(0)->GetItems(i)->Flags &= ~acrfReadOnly;
    EXPECT_TRUE(doc.Command(vycInsertAtCaret, u"x"));
}

// ---- Selections, events, notes ----

TEST(EditorSelect, ExtendingFromTextIntoATableTakesRowsUpToTheCaretsRow)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"before");
    TVYXTable& t = doc.AppendTableUI(2, 2);
    doc.CellPara(t, 1, 1).Append(u"cell");
    Put(doc, 0, 3);
    doc.Command(vycSelectToPos, TVYXLogPos(&doc.CellPara(t, 0, 0), 1));
    ASSERT_EQ(doc.Selections().Count(), 1);
    const TVYXLogSelection& s = *doc.Selections().First();
    EXPECT_EQ(s.First.Para, doc.Paras().GetParas(0));
    EXPECT_EQ(s.First.CharPos, 3);
    EXPECT_EQ(s.Last.Para, &doc.CellPara(t, 1, 0)) << "to the end of the caret's row, not the table";
    // Two cells of one table stay a rectangle of cells.
    doc.Command(vycMovePos, TVYXLogPos(&doc.CellPara(t, 0, 0), 1));
    doc.Command(vycSelectToPos, TVYXLogPos(&doc.CellPara(t, 1, 0), 1));
    TVYXTable* table = nullptr;
    int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    ASSERT_TRUE(doc.Selections().GetCellRect(table, c1, r1, c2, r2));
    EXPECT_EQ(table, &t);
    EXPECT_EQ(c2 - c1, 1);
    EXPECT_EQ(r2 - r1, 0);
    doc.CellPara(t, 0, 0).Append(u"x");
    doc.CellPara(t, 1, 0).Append(u"y");
    // Delete on a rectangle of cells empties them and keeps the table.
    ASSERT_TRUE(doc.Command(vycDelSelection));
    EXPECT_EQ(doc.CellPara(t, 0, 0).GetPlainText(), u"");
    EXPECT_EQ(doc.CellPara(t, 1, 0).GetPlainText(), u"");
    EXPECT_EQ(doc.CellPara(t, 1, 1).GetPlainText(), u"cell") << "outside the rectangle";
    EXPECT_EQ(t.Count(), 2);
    ExpectSound(doc);
    doc.Command(vycMovePos, TVYXLogPos(&doc.CellPara(t, 0, 0), 1));
    doc.Command(vycSelectToPos, TVYXLogPos(&doc.CellPara(t, 1, 0), 1));
    ASSERT_TRUE(doc.Command(vycTableMergeCells));
    EXPECT_TRUE(t.GetRows(0)->GetCells(0)->GetMerged() || t.GetRows(0)->Count() == 1 ||
                t.GetRows(0)->GetCells(0)->CalcGridSpan() == 2);
    ExpectSound(doc);
}

TEST(EditorEvents, InsertAndDeleteAreAnnounced)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"text");
    int inserted = 0, deleting = 0;
    std::int32_t at = 0;
    doc.AfterInsertEvent = [&](TVYXLogDocEditor&, const TVYXLogPos& pos) { ++inserted, at = pos.CharPos; };
    doc.BeforeDeleteEvent = [&](TVYXLogDocEditor&, TVYXSelections& s) { deleting += s.Count(); };
    Put(doc, 0, 3);
    doc.Command(vycInsertAtCaret, u"ab");
    EXPECT_EQ(inserted, 1);
    EXPECT_EQ(at, 3);
    doc.Command(vycSelectAll);
    doc.Command(vycDelSelection);
    EXPECT_EQ(deleting, 1);
    EXPECT_TRUE(doc.IsEmpty() || Text(doc, 0).empty());
    ExpectSound(doc);
}

TEST(EditorNotes, FootnoteAtTheCaretComesInTextOrder)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"one two");
    doc.AppendFootnote(u"second");
    Put(doc, 0, 4);
    TCounter counter;
    doc.AddWatcher(counter);
    ASSERT_TRUE(doc.Command(vycInsertFootnote));
    doc.RemoveWatcher(counter);
    EXPECT_EQ(counter.Inserts, 1) << "the reference went in through the door";
    EXPECT_EQ(doc.Caret().CharPos, 5) << "the caret stands after the reference";
    ASSERT_EQ(doc.FootnoteList().Count(), 2);
    EXPECT_EQ(doc.FootnoteList().GetItems(0)->GetPlainText().find(u"second"), std::u16string::npos)
        << "the new note comes first";
    EXPECT_NE(doc.FootnoteList().GetItems(1)->GetPlainText().find(u"second"), std::u16string::npos);
    EXPECT_EQ(doc.Footnotes().Paras().Count(), 2);
    EXPECT_FALSE(doc.Footnotes().Command(vycInsertFootnote)) << "no notes inside notes";
    // Headers of each kind are separate editors.
    EXPECT_NE(&doc.Headers().AddFirst(), &doc.Headers().AddEven());
    EXPECT_EQ(doc.Footers().AddDefault().DocType(), aldtFooter);
}

TEST(EditorGraphic, PropertiesOfTheSelectedObjectOnlyWithinBounds)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"x");
    EXPECT_FALSE(doc.Command(vycGraphicWidth, 50.0)) << "nothing selected";
    TVYXLogDocEditor& box = doc.AddTextBox(100, 40);
    (void)box;
    TVYXCharRunGraphic* run = nullptr;
    for (int i = 0; i < doc.Paras().GetParas(0)->Count() && !run; ++i)
        run = dynamic_cast<TVYXCharRunGraphic*>(doc.Paras().GetParas(0)->GetItems(i));
    ASSERT_NE(run, nullptr);
    ASSERT_NE(run->Graphic, nullptr);
    doc.Selections().Select(run->Graphic.get());
    ASSERT_TRUE(doc.Command(vycGraphicWidth, 120.0));
    EXPECT_DOUBLE_EQ(run->Graphic.get()->Width, 120);
    EXPECT_FALSE(doc.Command(vycGraphicWidth, 0.0));
    EXPECT_FALSE(doc.Command(vycGraphicHeight, 1e9));
    EXPECT_FALSE(doc.Command(vycGraphicWrap, 17.0));
    EXPECT_DOUBLE_EQ(run->Graphic.get()->Width, 120);
}

TEST(EditorInsert, SectionBreakEndsASectionAndBookmarksTakeTheSelection)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"onetwo");
    Put(doc, 0, 4);
    ASSERT_TRUE(doc.Command(vycControlSectionBreak));
    ASSERT_EQ(doc.Paras().Count(), 2);
    EXPECT_EQ(Text(doc, 0), u"one");
    ASSERT_NE(doc.Paras().GetParas(0)->SEP(), nullptr);
    EXPECT_EQ(doc.Paras().GetParas(1)->SEP(), nullptr);
    Put(doc, 1, 1);
    doc.Command(vycSelectWord);
    ASSERT_NE(doc.InsertBookmark(u"word"), nullptr);
    EXPECT_EQ(doc.InsertBookmark(u"word"), nullptr);
    EXPECT_EQ(doc.InsertBookmark(u""), nullptr);
    EXPECT_EQ(Text(doc, 1), u"two");
    ExpectSound(doc);
}

TEST(EditorInsert, RuleAndTextBoxAtTheCaret)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"ab");
    Put(doc, 0, 2);
    TCounter counter;
    doc.AddWatcher(counter);
    ASSERT_TRUE(doc.Command(vycInsertHorizLineAtCaret));
    doc.RemoveWatcher(counter);
    EXPECT_EQ(counter.Inserts, 1);
    EXPECT_EQ(doc.Caret().CharPos, 3);
    EXPECT_EQ(doc.Paras().GetParas(0)->EndOfParaPos(), 4);
    ASSERT_TRUE(doc.Command(vycGraphicInsertTextBox));
    ASSERT_NE(doc.Selections().Graphic, nullptr);
    EXPECT_DOUBLE_EQ(doc.Selections().Graphic->PosTop, 50);
    EXPECT_NEAR(doc.Selections().Graphic->PosLeft, (doc.Width() - doc.Selections().Graphic->Width) / 2, 1e-9);
    EXPECT_EQ(doc.TextBoxes().Count(), 1);
    ExpectSound(doc);
}
