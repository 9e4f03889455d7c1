// VYXUndoTest.cpp: undo and redo of each command class, the record each leaves, typing
// that joins one group, nested groups, the focus record, the switch, and the edits that
// clear the history. States are compared run for run, caret and selections included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "editing/VYXPlainText.h"
#include "editing/VYXUndo.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "editing/tests/VYXUndoDump.h"
#include "editing/tests/VYXUndoExpect.h"
#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXTable.h"
#include "model/VYXUtils.h"

namespace {

TVYXLogPos At(TVYXLogDocEditor& doc, int para, std::int32_t pos) { return {doc.Paras().GetParas(para), pos}; }

void Put(TVYXLogDocEditor& doc, int para, std::int32_t pos) { ASSERT_TRUE(doc.Command(vycMovePos, At(doc, para, pos))); }

void Select(TVYXLogDocEditor& doc, const TVYXLogPos& from, const TVYXLogPos& to)
{
    ASSERT_TRUE(doc.Command(vycMovePos, from));
    ASSERT_TRUE(doc.Command(vycSelectToPos, to));
}

// Three paragraphs, the middle one in three runs: plain, bold, italic.
void BuildThreeRuns(TVYXLogDocEditor& doc)
{
    TVYXEditorUpdate update(doc);
    doc.AppendParaUI(u"First line");
    TVYXCHPX bold(&doc.GetMasterCHP()), italic(&doc.GetMasterCHP());
    bold.SetBold(true);
    italic.SetItalic(true);
    doc.AppendParaUI(u"plain ");
    doc.AppendTextUI(u"bold ", &bold);
    doc.AppendTextUI(u"italic", &italic);
    doc.AppendParaUI(u"Last line");
}

// The kind of the newest group's edit records, newest first (state records left out).
std::string EditKinds(const TVYXUndo& undo)
{
    std::string kinds;
    const int group = undo.PeekGroup();
    for (int back = 0; const TVYXUndoData* r = undo.Peek(back); ++back) {
        if (r->Group != group)
            break;
        const TVYXUndoType t = r->Type_();
        if (t != autLogPos && t != autLogPosTable && t != autSelection)
            kinds += (kinds.empty() ? "" : ",") + std::to_string(t);
    }
    return kinds;
}

// The kind of the newest group's first record: the state before the command.
TVYXUndoType FirstKind(const TVYXUndo& undo)
{
    const TVYXUndoData* first = nullptr;
    for (int back = 0; const TVYXUndoData* r = undo.Peek(back); ++back) {
        if (r->Group != undo.PeekGroup())
            break;
        first = r;
    }
    return first ? first->Type_() : autNone;
}

}  // namespace

// ---- Typing ----

TEST(UndoTyping, OneCharacterGoesAndTheCaretComesBack)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"held");
    doc.Undo().Clear();
    Put(doc, 0, 3);
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"X"));
    EXPECT_EQ(doc.Paras().GetParas(0)->GetPlainText(), u"heXld");
    // A group: the caret before, what to remove, the caret after.
    EXPECT_EQ(doc.Undo().PeekUndo(), autLogPos);
    EXPECT_EQ(EditKinds(doc.Undo()), std::to_string(autDelete));
    ExpectUndoRedo(doc, before);
    EXPECT_EQ(doc.Caret().CharPos, 3);
}

TEST(UndoTyping, RunsOfTypingJoinUntilSomethingElseHappens)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"text");
    doc.Undo().Clear();
    Put(doc, 0, 5);
    const std::string start = VYXEditorStateExact(doc);
    for (const char16_t* piece : {u" more", u" and", u" more"})
        ASSERT_TRUE(doc.Command(vycInsertAtCaret, piece));
    EXPECT_EQ(doc.Undo().UndoCount(), 1);
    // A move in between starts a new group, even back to the same place.
    ASSERT_TRUE(doc.Command(vycMoveCharLeft));
    ASSERT_TRUE(doc.Command(vycMoveCharRight));
    const std::string middle = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"!"));
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"?"));
    EXPECT_EQ(doc.Undo().UndoCount(), 2);
    EXPECT_EQ(doc.Paras().GetParas(0)->GetPlainText(), u"text more and more!?");
    ASSERT_TRUE(doc.Command(vycControlUndo));
    EXPECT_EQ(VYXStateDiff(middle, VYXEditorStateExact(doc)), "");
    // Typing after an undo never joins the group below.
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"#"));
    EXPECT_EQ(doc.Undo().UndoCount(), 2);
    EXPECT_FALSE(doc.Undo().CanRedo());  // a new edit empties the redo list
    ASSERT_TRUE(doc.Command(vycControlUndo));
    ASSERT_TRUE(doc.Command(vycControlUndo));
    EXPECT_EQ(VYXStateDiff(start, VYXEditorStateExact(doc)), "");
    EXPECT_FALSE(doc.Command(vycControlUndo));
}

TEST(UndoTyping, TypingOverASelectionIsOneStep)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    doc.Undo().Clear();
    Select(doc, At(doc, 0, 3), At(doc, 1, 4));
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"new"));
    EXPECT_EQ(doc.Undo().PeekUndo(), autLogPos);
    EXPECT_EQ(EditKinds(doc.Undo()), "12,7");  // the typed text, the paragraphs it replaced
    EXPECT_EQ(FirstKind(doc.Undo()), autSelection);
    ExpectUndoRedo(doc, before);
}

TEST(UndoTyping, NothingRecordedMeansNothingToUndo)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    doc.Undo().Clear();
    const std::string body = vyxtest::Dump(doc);
    EXPECT_FALSE(doc.Command(vycControlUndo));
    EXPECT_FALSE(doc.Command(vycControlRedo));
    // Moves and selections are no undo steps.
    ASSERT_TRUE(doc.Command(vycMoveEndOfDoc));
    ASSERT_TRUE(doc.Command(vycSelectAll));
    EXPECT_TRUE(doc.Undo().Empty());
    EXPECT_EQ(doc.Undo().PeekUndo(), autNone);
    EXPECT_EQ(doc.Undo().PeekCommand(), vycNone);
    EXPECT_EQ(doc.Undo().PeekGroup(), -1);
    EXPECT_EQ(vyxtest::Dump(doc), body);
}

// ---- Deleting ----

TEST(UndoDelete, ASelectionOverThreeRunsComesBackRunForRun)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    doc.Undo().Clear();
    Select(doc, At(doc, 1, 3), At(doc, 1, 15));
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycDelSelection));
    EXPECT_EQ(doc.Paras().GetParas(1)->GetPlainText(), u"pllic");
    EXPECT_EQ(EditKinds(doc.Undo()), std::to_string(autText));
    ExpectUndoRedo(doc, before);
}

TEST(UndoDelete, BackspaceOverOneCharacterAndOverAParagraphMark)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    doc.Undo().Clear();
    Put(doc, 1, 1);
    std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycDelCharLeft));  // joins paragraphs 0 and 1
    EXPECT_EQ(doc.Paras().Count(), 2);
    EXPECT_EQ(EditKinds(doc.Undo()), std::to_string(autParas));
    ExpectUndoRedo(doc, before);
    Put(doc, 2, 3);
    before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycDelCharLeft));
    EXPECT_EQ(EditKinds(doc.Undo()), std::to_string(autChar));
    ExpectUndoRedo(doc, before);
}

TEST(UndoDelete, AcrossParagraphsAndAWholeTable)
{
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"before the table");
        TVYXTable& t = doc.AppendTableUI(2, 2);
        doc.CellPara(t, 0, 0).Append(u"a1");
        doc.CellPara(t, 1, 1).Append(u"b2");
        doc.AppendTextUI(u"after the table");
        doc.AppendParaUI(u"the end");
    }
    doc.Undo().Clear();
    Select(doc, At(doc, 0, 7), At(doc, 3, 4));
    ASSERT_EQ(doc.Selections().Count(), 1);
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycDelSelection));
    EXPECT_EQ(doc.Paras().Count(), 1);
    EXPECT_EQ(EditKinds(doc.Undo()), std::to_string(autParas));
    ExpectUndoRedo(doc, before);
}

// A simple field's result split by formatting is one field in several runs, and the
// copies an undo record keeps name it too: removing the pieces from the body (here with
// a table, the way the random test found it) must leave every other holder a live field.
TEST(UndoDelete, PiecesAndCopiesOfASimpleFieldShareIt)
{
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"Page ");
        doc.GetOrAddLastPara().AppendField(u"PAGE \\* MERGEFORMAT", u"12345");
        doc.AppendTextUI(u" of the text");
        TVYXTable& t = doc.AppendTableUI(1, 2);
        doc.CellPara(t, 0, 1).Append(u"cell");
        doc.AppendTextUI(u"after");
    }
    doc.Undo().Clear();
    auto fieldRuns = [&doc] {
        std::vector<const TVYXCharRunSimpleField*> runs;
        const TVYXLogPara& para = *doc.Paras().GetParas(0);
        for (int i = 0; i < para.Count(); ++i)
            if (para.GetItems(i)->Type_() == acrtSimpleField)
                runs.push_back(static_cast<const TVYXCharRunSimpleField*>(para.GetItems(i)));
        return runs;
    };
    // Bold over "234" leaves three pieces of one field.
    Select(doc, At(doc, 0, 7), At(doc, 0, 10));
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycFormatBold));
    std::vector<const TVYXCharRunSimpleField*> pieces = fieldRuns();
    ASSERT_EQ(pieces.size(), 3u);
    for (const TVYXCharRunSimpleField* piece : pieces) {
        EXPECT_EQ(piece->SimpField(), pieces[0]->SimpField());
        EXPECT_TRUE(piece->OwnsField());
    }
    // From inside the field's result into the table: the first piece stays, the others
    // go with the text, into the record.
    Select(doc, At(doc, 0, 7), At(doc, 2, 3));
    const std::string selected = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycDelSelection));
    ASSERT_EQ(fieldRuns().size(), 1u);
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(doc.Command(vycControlUndo));
        EXPECT_EQ(VYXStateDiff(selected, VYXEditorStateExact(doc)), "");
        pieces = fieldRuns();
        ASSERT_EQ(pieces.size(), 3u);
        for (const TVYXCharRunSimpleField* piece : pieces) {
            ASSERT_EQ(piece->SimpField(), pieces[0]->SimpField());
            const auto* field = dynamic_cast<const TVYXSimpleField*>(piece->SimpField());
            ASSERT_NE(field, nullptr);
            EXPECT_EQ(Utf16ToUtf8(field->InstrText()), "PAGE \\* MERGEFORMAT");
        }
        ASSERT_TRUE(doc.Command(vycControlRedo));
        EXPECT_EQ(VYXCheckEditor(doc), "");
    }
    // The whole paragraph, the kept piece included, goes; then everything comes back.
    Select(doc, At(doc, 0, 1), At(doc, 0, 7));
    ASSERT_TRUE(doc.Command(vycDelSelection));
    EXPECT_TRUE(fieldRuns().empty());
    while (doc.Undo().Undo()) {
    }
    EXPECT_EQ(VYXStateDiff(before, VYXEditorStateExact(doc)), "");
    EXPECT_EQ(VYXCheckEditor(doc), "");
}

// Cases the random-command test found: an empty paragraph between two tables keeps the
// format of the run typing would fill, and a character deleted from between two
// bookmark boundaries leaves no stand-in empty run when it is redone.
TEST(UndoDelete, EmptyParagraphsAndBoundariesComeBackExactly)
{
    {
        SCOPED_TRACE("empty paragraph between tables");
        TVYXLogDocEditor doc;
        {
            TVYXEditorUpdate update(doc);
            doc.AppendParaUI(u"text before");
            doc.AppendTableUI(2, 1);
            doc.AppendTableUI(1, 1);
            doc.AppendTextUI(u"after");
        }
        // The empty paragraph after the first table holds a bold empty run (what
        // deleting a bold word leaves).
        auto* empty = static_cast<TVYXLogPara*>(doc.Paras().GetItems(2));
        ASSERT_TRUE(empty->Empty());
        ASSERT_EQ(empty->Count(), 1);
        TVYXCHPX bold(&doc.GetMasterCHP());
        bold.SetBold(true);
        empty->GetItems(0)->SetCHPX(&bold);
        TVYXLogPos last(static_cast<TVYXLogPara*>(doc.Paras().GetItems(4)), 3);
        doc.Undo().Clear();
        Select(doc, At(doc, 0, 1), last);
        const std::string before = VYXEditorStateExact(doc);
        ASSERT_TRUE(doc.Command(vycDelSelection));
        ExpectUndoRedo(doc, before);
    }
    {
        SCOPED_TRACE("one character between bookmark boundaries");
        TVYXLogDocEditor doc;
        {
            TVYXEditorUpdate update(doc);
            doc.AppendParaUI(u"x");
            doc.AppendBookmark(u"one");
            doc.AppendBookmark(u"two");
            doc.AppendParaUI(u"next");
        }
        doc.Undo().Clear();
        Put(doc, 0, 2);
        const std::string before = VYXEditorStateExact(doc);
        ASSERT_TRUE(doc.Command(vycDelCharLeft));
        ExpectUndoRedo(doc, before);
    }
    {
        SCOPED_TRACE("a rule inserted into an empty formatted paragraph");
        TVYXLogDocEditor doc;
        {
            TVYXEditorUpdate update(doc);
            doc.AppendParaUI(u"text");
            doc.AppendBulletPara(u"", 0);
        }
        TVYXCHPX big(&doc.GetMasterCHP());
        big.SetSize(14);
        doc.Paras().GetParas(1)->GetItems(0)->SetCHPX(&big);
        doc.Undo().Clear();
        Put(doc, 1, 1);
        const std::string before = VYXEditorStateExact(doc);
        ASSERT_TRUE(doc.Command(vycInsertHorizLineAtCaret));
        ExpectUndoRedo(doc, before);
    }
    {
        SCOPED_TRACE("a selection inside one cell is text, not the cell");
        TVYXLogDocEditor doc;
        {
            TVYXEditorUpdate update(doc);
            TVYXTable& t = doc.AppendTableUI(2, 1);
            doc.CellPara(t, 0, 0).Append(u"keep this, drop that");
        }
        doc.Undo().Clear();
        TVYXLogPara& cell = doc.CellPara(*static_cast<TVYXTable*>(doc.Paras().GetItems(0)), 0, 0);
        Select(doc, TVYXLogPos(&cell, 11), TVYXLogPos(&cell, 21));
        const std::string before = VYXEditorStateExact(doc);
        ASSERT_TRUE(doc.Command(vycDelSelection));
        EXPECT_EQ(Utf16ToUtf8(cell.GetPlainText()), "keep this,");
        ExpectUndoRedo(doc, before);
    }
}

// ---- Formats ----

TEST(UndoFormat, BoldOverABoldAndAPlainRunPutsEachBack)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    doc.Undo().Clear();
    Select(doc, At(doc, 1, 1), At(doc, 1, 12));  // "plain bold "
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycFormatBold));
    EXPECT_EQ(EditKinds(doc.Undo()), std::to_string(autDocPropSel));
    ExpectUndoRedo(doc, before);
    for (TVYXCommand cmd : {vycFormatItalic, vycFormatUnderline, vycFormatIncFont, vycFormatSubscript,
                            vycFormatStrikeThrough}) {
        SCOPED_TRACE(std::string(CommandName(cmd)));
        ASSERT_TRUE(doc.Command(cmd));
        ExpectUndoRedo(doc, before);
    }
    ASSERT_TRUE(doc.Command(vycFormatFontSize, 17.0));
    ExpectUndoRedo(doc, before);
}

TEST(UndoFormat, TheSameFormatTwiceOnOneSelectionIsOneStep)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    doc.Undo().Clear();
    Select(doc, At(doc, 1, 3), At(doc, 1, 9));  // "ain bo": across the plain and the bold run
    const std::string before = VYXEditorStateExact(doc);
    struct TCase {
        TVYXCommand First, Second;
        bool Moved;  // the selection changes between the two
        int Groups;
    };
    for (const TCase& c : {TCase{vycFormatBold, vycFormatBold, false, 1}, TCase{vycFormatIncFont, vycFormatIncFont, false, 1},
                           TCase{vycFormatParaCenter, vycFormatParaCenter, false, 1},
                           TCase{vycFormatBold, vycFormatItalic, false, 2}, TCase{vycFormatBold, vycFormatBold, true, 2}}) {
        SCOPED_TRACE(std::string(CommandName(c.First)) + " " + std::string(CommandName(c.Second)) +
                     (c.Moved ? " moved" : ""));
        ASSERT_TRUE(doc.Command(c.First));
        if (c.Moved)
            Select(doc, At(doc, 1, 2), At(doc, 1, 9));
        ASSERT_TRUE(doc.Command(c.Second));
        const std::string after = VYXEditorStateExact(doc);
        ASSERT_EQ(doc.Undo().UndoCount(), c.Groups);
        if (c.Groups == 1) {  // one record between the states before and after
            EXPECT_EQ(EditKinds(doc.Undo()).size(), 1u) << doc.Undo().DEBUG_Dump();
        }
        while (doc.Undo().Undo()) {
        }
        EXPECT_EQ(VYXStateDiff(before, VYXEditorStateExact(doc)), "");
        while (doc.Undo().Redo()) {
        }
        EXPECT_EQ(VYXStateDiff(after, VYXEditorStateExact(doc)), "");
        while (doc.Undo().Undo()) {
        }
        doc.Undo().Clear();
    }
}

// A host recording before it formats by itself: whole formats run by run, pieces of one
// paragraph in one record, and the typed forms leaving out runs that already hold the value.
TEST(UndoFormat, HostFormatRecordsAndTheirReplay)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    Select(doc, At(doc, 1, 1), At(doc, 1, 17));  // "plain bold itali"
    doc.Undo().Clear();
    TVYXUndo& undo = doc.Undo();
    TVYXDocAddress firstPara, lastPara;
    std::int32_t from = 0, to = 0;
    ASSERT_TRUE(undo.GetParas(firstPara, lastPara));
    ASSERT_TRUE(undo.GetCharPos(from, to));
    EXPECT_EQ(firstPara.Item, 1);
    EXPECT_EQ(lastPara.Item, 1);
    EXPECT_EQ(from, 1);
    EXPECT_EQ(to, 17);
    const std::string before = VYXEditorStateExact(doc);
    undo.AddCHP(vycFormatColor);
    ASSERT_EQ(undo.PeekUndo(), autDocPropSel);
    EXPECT_EQ(undo.AsDocPropSel()->Formats->Runs.size(), 3u);  // three pieces, one record
    EXPECT_EQ(undo.UndoCount(), 1);
    undo.DeleteLast();
    undo.Clear();
    // The bold run is left out: the plain and the italic piece, no longer touching,
    // are two records of one group.
    undo.AddCHPBool(vycFormatBold, vyciBold, true);
    EXPECT_EQ(undo.UndoCount(), 1);
    ASSERT_NE(undo.AsDocPropSel(), nullptr);
    EXPECT_EQ(undo.AsDocPropSel()->Formats->Runs.front().From, 12);
    const auto* plain = dynamic_cast<const TVYXUndoDataDocProp*>(undo.Peek(1));
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->Formats->Runs.front().To, 7);
    EXPECT_EQ(undo.Peek(2), nullptr);
    undo.Clear();
    // The host makes everything bold, italic and 20 pt by itself; the record puts it back.
    undo.AddCHP(vycFormatFontSize);
    undo.SetRecordUndo(true);
    TVYXCHPX chpx(&doc.GetMasterCHP());
    chpx.SetBold(true);
    chpx.SetItalic(true);
    chpx.AddFloat(vyciSize, 20);
    doc.SetCharProps({TVYXLogDocument::AddressOf(At(doc, 1, 1)), TVYXLogDocument::AddressOf(At(doc, 1, 17))}, chpx);
    undo.SetRecordUndo(false);
    EXPECT_NE(VYXEditorStateExact(doc), before);
    ASSERT_TRUE(undo.Undo());
    EXPECT_EQ(VYXStateDiff(before, VYXEditorStateExact(doc)), "");
    // Paragraph records: the typed form leaves out a paragraph already so aligned.
    Select(doc, At(doc, 0, 1), At(doc, 2, 3));
    undo.Clear();
    undo.AddPAP(vycFormatParaCenter);
    ASSERT_NE(undo.AsDocProp(), nullptr);
    EXPECT_EQ(undo.AsDocProp()->Formats->Paras.size(), 3u);
    undo.Clear();
    undo.AddPAPObj(vycFormatRemoveBulletNumbering, nullptr);
    EXPECT_EQ(undo.PeekUndo(), autNone);  // no paragraph has a list
}

TEST(UndoFormat, ParagraphAlignmentIndentsAndLists)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    doc.Undo().Clear();
    Select(doc, At(doc, 0, 2), At(doc, 2, 2));
    const std::string before = VYXEditorStateExact(doc);
    for (TVYXCommand cmd : {vycFormatParaCenter, vycFormatParaIncIndentLeft, vycFormatParaIncIndentHanging,
                            vycFormatParaBullet, vycFormatParaNumbering}) {
        SCOPED_TRACE(std::string(CommandName(cmd)));
        ASSERT_TRUE(doc.Command(cmd));
        EXPECT_EQ(EditKinds(doc.Undo()), std::to_string(autDocProp));
        ExpectUndoRedo(doc, before);
    }
    // A list level and the removal of a bullet, each one step.
    ASSERT_TRUE(doc.Command(vycFormatParaBullet));
    const std::string bulleted = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycFormatParaMultilevelLevelInc));
    ExpectUndoRedo(doc, bulleted);
    ASSERT_TRUE(doc.Command(vycFormatRemoveBulletNumbering));
    ExpectUndoRedo(doc, bulleted);
    // Enter in an empty bulleted paragraph takes the bullet away; undo gives it back.
    Put(doc, 2, doc.Paras().GetParas(2)->EndOfParaPos());
    ASSERT_TRUE(doc.Command(vycControlNewPara));
    const std::string emptyItem = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycControlNewPara));
    ExpectUndoRedo(doc, emptyItem);
}

// ---- Structure ----

TEST(UndoStructure, EnterThenUndoJoinsTheParagraphsAgain)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    doc.Undo().Clear();
    Put(doc, 1, 9);
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycControlNewPara));
    EXPECT_EQ(doc.Paras().Count(), 4);
    EXPECT_EQ(EditKinds(doc.Undo()), std::to_string(autDelete));
    ExpectUndoRedo(doc, before);
    EXPECT_EQ(doc.Paras().Count(), 3);
}

TEST(UndoStructure, TablesInsertedAndReshaped)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    doc.Undo().Clear();
    Put(doc, 1, 4);
    std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycInsertTableAtCaret, 3, 2));  // splits the paragraph
    ExpectUndoRedo(doc, before);
    ASSERT_TRUE(doc.Command(vycControlRedo));
    // Every reshaping command is one step that gives the table back as it was.
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"cell"));
    EXPECT_EQ(FirstKind(doc.Undo()), autLogPosTable);  // typed in a cell
    EXPECT_EQ(doc.Undo().PeekUndo(), autLogPosTable);
    for (TVYXCommand cmd : {vycTableInsertRowsBelow, vycTableInsertRowsAbove, vycTableInsertColsLeft,
                            vycTableInsertColsRight, vycTableDeleteRow, vycTableDeleteCol,
                            vycTableDeleteColKeepTblSize}) {
        SCOPED_TRACE(std::string(CommandName(cmd)));
        before = VYXEditorStateExact(doc);
        ASSERT_TRUE(doc.Command(cmd));
        EXPECT_EQ(EditKinds(doc.Undo()), std::to_string(autDelete) + "," + std::to_string(autCell));
        ExpectUndoRedo(doc, before);
    }
    ASSERT_TRUE(doc.Command(vycSelectToPos, TVYXLogPos(doc.Caret().Para->Paras()->Cell()->Table()->GetCells(1, 1)->FirstPara(), 1)));
    before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycTableMergeCells));
    ExpectUndoRedo(doc, before);
    before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycTableColWidth, 1, 120));
    ExpectUndoRedo(doc, before);
}

TEST(UndoStructure, ASectionBreakAndItsSettings)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    doc.Undo().Clear();
    Put(doc, 1, 7);
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycControlSectionBreak));
    ASSERT_NE(doc.Paras().GetParas(1)->SEP(), nullptr);
    EXPECT_EQ(EditKinds(doc.Undo()), std::to_string(autDocProp) + "," + std::to_string(autDelete));
    ExpectUndoRedo(doc, before);
    EXPECT_EQ(doc.Paras().GetParas(1)->SEP(), nullptr);
}

TEST(UndoStructure, AHorizontalRuleIsOneRun)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    doc.Undo().Clear();
    Put(doc, 0, 6);
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycInsertHorizLineAtCaret));
    ExpectUndoRedo(doc, before);
    ASSERT_TRUE(doc.Command(vycControlRedo));
    const std::string ruled = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycDelCharLeft));
    EXPECT_EQ(EditKinds(doc.Undo()), std::to_string(autCharRun));
    ExpectUndoRedo(doc, ruled);
}

// ---- Tracked changes ----

TEST(UndoRevisions, TrackedTypingAndTrackedDeletionComeBackUnmarked)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    doc.Command(vycRevisionTrackChanges, true);
    doc.Undo().Clear();
    Put(doc, 0, 6);
    std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"tracked "));
    ExpectUndoRedo(doc, before);
    Put(doc, 2, 5);
    before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycDelCharLeft));  // marks, removes nothing
    EXPECT_EQ(doc.Paras().GetParas(2)->GetPlainText(), u"Last line");
    ExpectUndoRedo(doc, before);
    // Accepting goes through the door too, so it is one more step to take back.
    ASSERT_TRUE(doc.Command(vycControlRedo));
    before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycRevisionAcceptAll));
    ExpectUndoRedo(doc, before);
}

// ---- Groups, focus, switch ----

TEST(UndoGroups, NestedGroupsAreOneStep)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    doc.Undo().Clear();
    Put(doc, 0, 1);
    const std::string before = VYXEditorStateExact(doc);
    {
        TVYXUndoGroup outer(&doc.Undo(), vycInsertAtCaret, doc);
        ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"One "));
        ASSERT_TRUE(doc.Command(vycControlNewPara));
        ASSERT_TRUE(doc.Command(vycFormatBold));
    }
    EXPECT_EQ(doc.Undo().UndoCount(), 1);
    ExpectUndoRedo(doc, before);
}

TEST(UndoGroups, TheFocusRecordGivesTheFocusBack)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    TVYXLogDocEditor& header = doc.Headers().AddDefault();
    doc.Undo().Clear();
    Put(doc, 1, 3);
    const std::string mainBefore = VYXEditorStateExact(doc);
    const std::string headerBefore = vyxtest::Dump(header);
    {
        // The host moves the focus into the header inside one command, and types there.
        TVYXUndoGroup group(&doc.Undo(), vycControlEditHeader, doc);
        doc.Undo().SetFocusDoc(header);
        ASSERT_TRUE(header.Command(vycInsertAtCaret, u"Header"));
    }
    EXPECT_EQ(&doc.Undo().FocusDoc(), &header);
    EXPECT_EQ(EditKinds(doc.Undo()), std::to_string(autDelete) + "," + std::to_string(autFocusDoc));
    ASSERT_TRUE(doc.Undo().Undo());
    EXPECT_EQ(&doc.Undo().FocusDoc(), &doc);
    EXPECT_EQ(vyxtest::Dump(header), headerBefore);
    EXPECT_EQ(VYXStateDiff(mainBefore, VYXEditorStateExact(doc)), "");
    ASSERT_TRUE(doc.Undo().Redo());
    EXPECT_EQ(&doc.Undo().FocusDoc(), &header);
    EXPECT_EQ(header.Paras().GetParas(0)->GetPlainText(), u"Header");
    // A secondary editor that goes takes the history with it.
    doc.Headers().DeleteDefault();
    EXPECT_TRUE(doc.Undo().Empty());
    EXPECT_EQ(&doc.Undo().FocusDoc(), &doc);
}

TEST(UndoGroups, TheOptionSwitchesRecordingOffAndClears)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"x"));
    EXPECT_FALSE(doc.Undo().Empty());
    TVYXSysOptions options;
    options.UndoEnabled = false;
    doc.Undo().LoadOptions(options);
    EXPECT_TRUE(doc.Undo().Empty());
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"y"));
    EXPECT_TRUE(doc.Undo().Empty());
    EXPECT_FALSE(doc.Command(vycControlUndo));
    options.UndoEnabled = true;
    doc.Undo().LoadOptions(options);
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"z"));
    EXPECT_EQ(doc.Undo().UndoCount(), 1);
    // Replay never records.
    doc.Undo().SetRecordUndo(true);
    EXPECT_FALSE(doc.Undo().GetRecordUndo());
    EXPECT_FALSE(doc.Undo().ShallAdd());
    doc.Undo().SetRecordUndo(false);
    EXPECT_TRUE(doc.Undo().ShallAdd());
}

TEST(UndoGroups, EditsRoundTheDoorClearTheHistory)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    auto typeSomething = [&doc] {
        ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"x"));
        ASSERT_FALSE(doc.Undo().Empty());
    };
    typeSomething();
    ASSERT_TRUE(doc.Command(vycInsertFootnote));
    EXPECT_FALSE(doc.Undo().Empty());  // notes have records of their own now
    typeSomething();
    doc.NewDoc();
    EXPECT_TRUE(doc.Undo().Empty());
    EXPECT_FALSE(doc.Command(vycControlUndo));
}

// A text box is anchored beside the door: its own record takes the same box object out
// and puts it back, with the paragraphs typed into it, and the history before it stays.
TEST(UndoGroups, ATextBoxComesAndGoesWithItsText)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    doc.Undo().Clear();
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"x"));
    Put(doc, 1, 3);
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycGraphicInsertTextBox));
    EXPECT_EQ(doc.Undo().UndoCount(), 2);
    TVYXLogPara& anchor = *doc.Paras().GetParas(1);
    ASSERT_NE(anchor.Graphics(), nullptr);
    ASSERT_EQ(anchor.Graphics()->Count(), 1);
    const TVYXGraphicObj* box = &anchor.Graphics()->GetItems(0);
    ASSERT_EQ(doc.TextBoxes().Count(), 1);
    TVYXLogDocEditor& inside = doc.TextBoxes().GetItems(0);
    ASSERT_TRUE(inside.Command(vycInsertAtCaret, u"boxed words"));
    ASSERT_TRUE(doc.Undo().Undo());  // the typing inside the box
    ASSERT_TRUE(doc.Undo().Redo());
    ASSERT_TRUE(doc.Undo().Undo());
    ASSERT_TRUE(doc.Command(vycControlUndo));  // the box
    EXPECT_EQ(anchor.Graphics()->Count(), 0);
    EXPECT_EQ(doc.Selections().Graphic, nullptr);
    EXPECT_EQ(VYXStateDiff(before, VYXEditorStateExact(doc)), "");
    EXPECT_EQ(VYXCheckEditor(doc), "");
    ASSERT_TRUE(doc.Command(vycControlRedo));
    ASSERT_EQ(anchor.Graphics()->Count(), 1);
    EXPECT_EQ(&anchor.Graphics()->GetItems(0), box);
    ASSERT_TRUE(doc.Command(vycControlRedo));  // the typing again, into the same box
    EXPECT_EQ(Utf16ToUtf8(inside.Paras().GetParas(0)->GetPlainText()), "boxed words");
    while (doc.Undo().Undo()) {
    }
    EXPECT_EQ(anchor.Graphics()->Count(), 0);
    EXPECT_EQ(Utf16ToUtf8(doc.Paras().GetParas(0)->GetPlainText()), "First line");
    EXPECT_EQ(VYXCheckEditor(doc), "");
}

TEST(UndoGroups, DebugDumpNamesEveryRecord)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    doc.Undo().Clear();
    Put(doc, 1, 1);
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"x"));
    ASSERT_TRUE(doc.Command(vycControlUndo));
    const std::string dump = doc.Undo().DEBUG_Dump();
    EXPECT_NE(dump.find("redo\n  0 vycInsertAtCaret"), std::string::npos) << dump;
    EXPECT_NE(dump.find("Char at 1:1"), std::string::npos) << dump;
}

// ---- A real file ----

TEST(UndoFile, EditsOnALoadedLetterAllComeBack)
{
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        TVYXImportText import(doc.Paras());
        import.LoadFromFile(std::string(VYX_TEST_DATA_DIR) + "/letter.txt");
    }
    ASSERT_GT(doc.Paras().Count(), 1);
    // The reader leaves runs untidied (an empty run before a page break); a fresh
    // history tidies them, so the file comes back run for run.
    const std::string read = VYXReaderRuns(vyxtest::Dump(doc));
    doc.Undo().Clear();
    const std::string loaded = vyxtest::Dump(doc);
    EXPECT_EQ(VYXReaderRuns(loaded), read);  // the same text and formats
    const TVYXCommand script[] = {vycMoveWordRight, vycSelectWordRight, vycFormatBold, vycMoveParaDown,
                                  vycControlNewPara, vycSelectParaDown, vycDelSelection, vycMoveEndOfDoc,
                                  vycDelWordLeft, vycSelectAll, vycFormatParaCenter, vycMoveBeginningOfDoc,
                                  vycDelCharRight, vycControlTab, vycFormatParaBullet};
    for (TVYXCommand cmd : script) {
        doc.Command(cmd);
        doc.Command(vycInsertAtCaret, u"é typed");
        ASSERT_EQ(VYXCheckEditor(doc), "") << CommandName(cmd);
    }
    const std::string edited = vyxtest::Dump(doc);
    EXPECT_NE(edited, loaded);
    while (doc.Undo().Undo()) {
    }
    EXPECT_EQ(VYXStateDiff(loaded, vyxtest::Dump(doc)), "");
    while (doc.Undo().Redo()) {
    }
    EXPECT_EQ(VYXStateDiff(edited, vyxtest::Dump(doc)), "");
}

// ---- Edits beside the door: bookmarks and field results -------------------------------

TEST(UndoBeside, BookmarksComeAndGoWithTheirText)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    doc.Undo().Clear();
    {
        SCOPED_TRACE("over a selection across two runs");
        Select(doc, At(doc, 1, 3), At(doc, 1, 10));
        const std::string before = VYXEditorStateExact(doc);
        ASSERT_NE(doc.InsertBookmark(u"span"), nullptr);
        EXPECT_EQ(doc.Undo().PeekGroup(), doc.Undo().Peek(1)->Group);
        EXPECT_EQ(Utf16ToUtf8(doc.Bookmarks().Find(u"span")->GetPlainText()), "ain bol");
        ExpectUndoRedo(doc, before);
        EXPECT_EQ(doc.Bookmarks().Find(u"span"), nullptr);
        ASSERT_TRUE(doc.Undo().Redo());
    }
    {
        SCOPED_TRACE("collapsed at the caret, then typing over it");
        Put(doc, 2, 5);
        const std::string before = VYXEditorStateExact(doc);
        ASSERT_NE(doc.InsertBookmark(u"here"), nullptr);
        ExpectUndoRedo(doc, before);
        ASSERT_TRUE(doc.Undo().Redo());
        const std::string marked = VYXEditorStateExact(doc);
        ASSERT_TRUE(doc.Command(vycInsertAtCaret, u" typed"));
        ASSERT_TRUE(doc.Command(vycControlUndo));
        EXPECT_EQ(VYXStateDiff(marked, VYXEditorStateExact(doc)), "");
    }
    {
        SCOPED_TRACE("tags made into bookmarks are one step");
        TVYXLogDocEditor tags;
        {
            TVYXEditorUpdate update(tags);
            tags.AppendParaUI(u"Dear [[name]], your order [[order]] is ready.");
        }
        tags.Undo().Clear();
        const std::string before = VYXEditorStateExact(tags);
        ASSERT_EQ(tags.Selections().MakeBookmarksFromTags(u"[[", u"]]"), 2);
        EXPECT_EQ(Utf16ToUtf8(tags.Paras().GetParas(0)->GetPlainText()), "Dear , your order  is ready.");
        EXPECT_EQ(tags.Undo().UndoCount(), 1);
        ExpectUndoRedo(tags, before);
        EXPECT_EQ(tags.Bookmarks().Count(), 0);
    }
}

// Bookmark ends in rows, columns or cells a table command takes away: the ranges follow
// the ends that stay (no range names a freed run), and undo gives every end back.
TEST(UndoBeside, BookmarkEndsInRemovedTablePartsFollowAndComeBack)
{
    struct TCase {
        const char* Name;
        TVYXCommand Command;
        int Row, Col;      // the caret's cell
        int ToRow, ToCol;  // the selection's last cell (merges), -1 for none
    };
    for (const TCase& c : {TCase{"row", vycTableDeleteRow, 1, 0, -1, -1}, TCase{"column", vycTableDeleteCol, 0, 1, -1, -1},
                           TCase{"column, width kept", vycTableDeleteColKeepTblSize, 0, 0, -1, -1},
                           TCase{"merge", vycTableMergeCells, 1, 0, 1, 2}}) {
        SCOPED_TRACE(c.Name);
        TVYXLogDocEditor doc;
        {
            TVYXEditorUpdate update(doc);
            doc.AppendParaUI(u"Text before the table");
            TVYXTable& table = doc.AppendTableUI(3, 3);
            for (int r = 0; r < 3; ++r)
                for (int col = 0; col < 3; ++col)
                    doc.CellPara(table, col, r).Append(u"cell " + std::u16string(1, static_cast<char16_t>(u'a' + r * 3 + col)));
        }
        doc.Undo().Clear();
        auto cell = [&doc](int row, int col, std::int32_t pos) {
            auto* table = static_cast<TVYXTable*>(doc.Paras().GetItems(1));
            return TVYXLogPos(&doc.CellPara(*table, col, row), pos);
        };
        auto mark = [&doc](const char16_t* name, const TVYXLogPos& from, const TVYXLogPos& to) {
            ASSERT_TRUE(doc.Command(vycMovePos, from));
            if (!from.Equal(to)) {
                ASSERT_TRUE(doc.Command(vycSelectToPos, to));
            }
            ASSERT_NE(doc.InsertBookmark(name), nullptr);
        };
        mark(u"inside", cell(1, 1, 2), cell(1, 1, 5));  // within the middle cell
        mark(u"point", cell(1, 0, 3), cell(1, 0, 3));
        mark(u"into", At(doc, 0, 6), cell(1, 0, 4));    // from the text before into row 1
        mark(u"across", cell(0, 1, 1), cell(2, 1, 3));  // over all three rows
        ASSERT_EQ(VYXCheckEditor(doc), "");
        ASSERT_TRUE(doc.Command(vycMovePos, cell(c.Row, c.Col, 1)));
        if (c.ToRow >= 0) {
            ASSERT_TRUE(doc.Command(vycSelectToPos, cell(c.ToRow, c.ToCol, 2)));
        }
        const std::string before = VYXEditorStateExact(doc);
        ASSERT_TRUE(doc.Command(c.Command));
        ASSERT_EQ(VYXCheckEditor(doc), "");
        // Every range names runs the body holds: its text can be read, and the dump
        // names each boundary.
        for (const char16_t* name : {u"inside", u"point", u"into", u"across"}) {
            const TVYXBookmark* b = doc.Bookmarks().Find(name);
            ASSERT_NE(b, nullptr);
            (void)b->GetPlainText();
        }
        EXPECT_EQ(vyxtest::Dump(doc).find("<?"), std::string::npos);
        ExpectUndoRedo(doc, before);
        EXPECT_EQ(Utf16ToUtf8(doc.Bookmarks().Find(u"across")->GetPlainText()).substr(0, 4), "cell");
    }
}

TEST(UndoBeside, FieldResultsGoBackAndComeAgain)
{
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"Printed on ");
        doc.GetOrAddLastPara().AppendField(u"DATE \\@ \"d MMMM yyyy\"", u"some day");
        TVYXTable& t = doc.AppendTableUI(2, 2);
        doc.CellPara(t, 0, 0).Append(u"3");
        doc.CellPara(t, 0, 1).Append(u"4");
        doc.CellPara(t, 1, 1).AppendField(u"=SUM(LEFT)", u"?");
        doc.AppendTextUI(u"Figure ");
        doc.GetOrAddLastPara().AppendField(u"SEQ Figure", u"9");
    }
    doc.ClockEvent = [](TVYXLogDocEditor&) { return 45667.5625; };  // 10 January 2025, 13:30
    doc.Undo().Clear();
    Put(doc, 0, 3);
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycControlUpdateFields));
    const std::string after = VYXEditorStateExact(doc);
    EXPECT_NE(after.find("[10 January 2025]"), std::string::npos) << after;
    EXPECT_NE(after.find("6 [4]"), std::string::npos) << after;  // =SUM(LEFT) in the second row
    EXPECT_EQ(doc.Undo().UndoCount(), 1);
    EXPECT_EQ(doc.Undo().PeekGroup(), doc.Undo().Peek(1)->Group);
    ExpectUndoRedo(doc, before);
    // A second update changes nothing: no step to undo.
    ASSERT_TRUE(doc.Undo().Redo());
    ASSERT_TRUE(doc.Command(vycControlUpdateFields));
    EXPECT_EQ(doc.Undo().UndoCount(), 1);
}

// Text typed at a date's end goes into its result; an update writes a shorter result,
// and the caret and a selection that stood in the text it drops must stay in the
// paragraph, before and after undo and redo.
TEST(UndoBeside, AnUpdateThatShortensAResultKeepsTheCaretInItsParagraph)
{
    for (const bool select : {false, true}) {
        SCOPED_TRACE(select ? "a selection" : "the caret");
        TVYXLogDocEditor doc;
        {
            TVYXEditorUpdate update(doc);
            doc.AppendParaUI(u"On ");
            doc.GetOrAddLastPara().AppendField(u"DATE \\@ \"d MMMM yyyy\"", u"some day");
        }
        doc.ClockEvent = [](TVYXLogDocEditor&) { return 45667.5625; };  // 10 January 2025
        doc.Undo().Clear();
        Put(doc, 0, 12);  // the result's end
        ASSERT_TRUE(doc.Command(vycInsertAtCaret, std::u16string_view(u" and many more words")));
        ASSERT_EQ(Utf16ToUtf8(doc.Paras().GetParas(0)->GetPlainText()), "On some day and many more words");
        if (select) {
            Select(doc, At(doc, 0, 20), At(doc, 0, 30));
        }
        const std::string before = VYXEditorStateExact(doc);
        ASSERT_TRUE(doc.Command(vycControlUpdateFields));
        EXPECT_EQ(Utf16ToUtf8(doc.Paras().GetParas(0)->GetPlainText()), "On 10 January 2025");
        ASSERT_EQ(VYXCheckEditor(doc), "");
        EXPECT_EQ(doc.Caret().CharPos, doc.Paras().GetParas(0)->EndOfParaPos());
        ExpectUndoRedo(doc, before);
    }
}

// ---- Records at command level (the Add overloads) --------------------------------------

// The host's way: door recording suspended while it edits, its own records instead.
class TSuspended {
public:
    explicit TSuspended(TVYXUndo& undo) : FUndo(undo) { FUndo.SetRecordUndo(true); }
    ~TSuspended() { FUndo.SetRecordUndo(false); }
    TSuspended(const TSuspended&) = delete;
    TSuspended& operator=(const TSuspended&) = delete;

private:
    TVYXUndo& FUndo;
};

TEST(UndoCommandLevel, EachRecordReplaysThroughTheEditorsCommands)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    TVYXUndo& undo = doc.Undo();
    undo.Clear();
    {
        SCOPED_TRACE("typed text: a position and a delete record");
        Put(doc, 0, 6);
        const std::string before = VYXEditorStateExact(doc);
        const TVYXUndoGroup group(&undo, vycInsertAtCaret, doc);
        undo.Add(vycMovePos, doc.Caret());
        EXPECT_NE(undo.AsLogPos(), nullptr);
        EXPECT_EQ(undo.AsLogPosTable(), nullptr);
        undo.Add(vycMovePos, doc.Caret());  // the same place again: not added
        EXPECT_EQ(undo.RecordCount(), 1);
        const TVYXLogPos start = doc.Caret();
        {
            TSuspended suspended(undo);
            doc.InsertTextUI(u"new ");
        }
        undo.Add(vycInsertAtCaret, TVYXLogPos(start), doc.Caret());
        ASSERT_NE(undo.AsDelete(), nullptr);
        EXPECT_EQ(undo.AsCmd(), nullptr);
    }
    {
        const std::string typed = VYXEditorStateExact(doc);
        ASSERT_TRUE(undo.Undo());
        EXPECT_EQ(Utf16ToUtf8(doc.Paras().GetParas(0)->GetPlainText()), "First line");
        EXPECT_EQ(doc.Caret().CharPos, 6);
        ASSERT_TRUE(undo.Redo());
        EXPECT_EQ(VYXStateDiff(typed, VYXEditorStateExact(doc)), "");
        ASSERT_TRUE(undo.Undo());
    }
    {
        SCOPED_TRACE("a deleted character and a deleted run of text");
        Put(doc, 2, 1);
        const std::string before = VYXEditorStateExact(doc);
        {
            const TVYXUndoGroup group(&undo, vycDelCharRight, doc);
            undo.Add(vycMovePos, doc.Caret());
            {
                TSuspended suspended(undo);
                doc.Command(vycDelCharRight);
            }
            undo.Add(vycDelCharRight, u'L');
            EXPECT_NE(undo.AsChar(), nullptr);
        }
        EXPECT_EQ(Utf16ToUtf8(doc.Paras().GetParas(2)->GetPlainText()), "ast line");
        ExpectUndoRedo(doc, before);
        {
            const TVYXUndoGroup group(&undo, vycDelWordRight, doc);
            undo.Add(vycMovePos, doc.Caret());
            {
                TSuspended suspended(undo);
                doc.Command(vycDelWordRight);
            }
            undo.Add(vycDelWordRight, u"Last ");
            EXPECT_NE(undo.AsText(), nullptr);
        }
        ExpectUndoRedo(doc, before);
    }
    {
        SCOPED_TRACE("a plain Enter, and bold over a selection");
        Put(doc, 0, 6);
        const std::string before = VYXEditorStateExact(doc);
        {
            const TVYXUndoGroup group(&undo, vycControlNewPara, doc);
            {
                TSuspended suspended(undo);
                doc.Command(vycControlNewPara);
            }
            undo.Add(vycControlNewPara);
            ASSERT_NE(undo.AsCmd(), nullptr);
            EXPECT_EQ(undo.AsCmd()->Command, vycControlNewPara);
        }
        EXPECT_EQ(doc.Paras().Count(), 4);
        ExpectUndoRedo(doc, before);
        Select(doc, At(doc, 1, 1), At(doc, 1, 12));
        const std::string selected = VYXEditorStateExact(doc);
        {
            const TVYXUndoGroup group(&undo, vycFormatItalic, doc);
            undo.Add(vycSelectSelection, *doc.Selections().GetItems(0));
            EXPECT_NE(undo.AsSelection(), nullptr);
            undo.Add(vycFormatItalic);
            EXPECT_NE(undo.AsDocPropSel(), nullptr);
            TSuspended suspended(undo);
            doc.Command(vycFormatItalic);
        }
        ExpectUndoRedo(doc, selected);
    }
    {
        SCOPED_TRACE("paragraph formats");
        Select(doc, At(doc, 0, 2), At(doc, 2, 2));
        const std::string before = VYXEditorStateExact(doc);
        {
            const TVYXUndoGroup group(&undo, vycFormatParaCenter, doc);
            undo.Add(vycFormatParaCenter);
            ASSERT_NE(undo.AsDocProp(), nullptr);
            EXPECT_EQ(undo.AsDocProp()->Formats->Paras.size(), 3u);
            TSuspended suspended(undo);
            doc.Command(vycFormatParaCenter);
        }
        ExpectUndoRedo(doc, before);
    }
}

TEST(UndoCommandLevel, ParagraphsRunsCellsAndFocus)
{
    TVYXLogDocEditor doc;
    BuildThreeRuns(doc);
    TVYXUndo& undo = doc.Undo();
    undo.Clear();
    {
        SCOPED_TRACE("paragraphs put back at the caret end the step");
        Select(doc, At(doc, 0, 1), At(doc, 2, 1));
        const std::string before = VYXEditorStateExact(doc);
        {
            const TVYXUndoGroup group(&undo, vycDelSelection, doc);
            undo.Add(vycMovePos, At(doc, 0, 1));
            auto copied = doc.CreateParas();
            ASSERT_TRUE(doc.Selections().GetItems(0)->CopyContent(*copied));
            {
                TSuspended suspended(undo);
                doc.Command(vycDelSelection);
            }
            undo.Add(vycDelSelection, *copied);
            EXPECT_NE(undo.AsParas(), nullptr);
        }
        EXPECT_EQ(doc.Paras().Count(), 1);
        ASSERT_TRUE(undo.Undo());
        EXPECT_EQ(doc.Paras().Count(), 3);
        EXPECT_EQ(Utf16ToUtf8(doc.Paras().GetParas(1)->GetPlainText()), "plain bold italic");
        // The paragraph record ended the step: the position record is still to undo.
        EXPECT_EQ(undo.PeekUndo(), autLogPos);
        ASSERT_TRUE(undo.Undo());
        const std::string body = before.substr(0, before.find("caret"));
        EXPECT_EQ(VYXStateDiff(body, VYXEditorStateExact(doc).substr(0, body.size())), "");
    }
    {
        SCOPED_TRACE("a picture run comes back where it was");
        TVYXLogDocEditor pics;
        {
            TVYXEditorUpdate update(pics);
            pics.AppendParaUI(u"ab");
        }
        pics.Undo().Clear();
        pics.Command(vycMovePos, TVYXLogPos(pics.Paras().GetParas(0), 2));
        ASSERT_TRUE(pics.Command(vycInsertHorizLineAtCaret));
        pics.Undo().Clear();
        pics.Command(vycMovePos, TVYXLogPos(pics.Paras().GetParas(0), 2));
        const std::string before = VYXEditorStateExact(pics);
        TVYXUndo& u = pics.Undo();
        {
            const TVYXUndoGroup group(&u, vycDelCharRight, pics);
            u.Add(vycMovePos, pics.Caret());
            const std::unique_ptr<TVYXCharRun> rule = pics.Paras().GetParas(0)->GetItems(1)->Clone();
            {
                TSuspended suspended(u);
                pics.Command(vycDelCharRight);
            }
            u.Add(vycDelCharRight, *rule);
            EXPECT_NE(u.AsCharRun(), nullptr);
        }
        ExpectUndoRedo(pics, before);
    }
    {
        SCOPED_TRACE("columns inserted left go again through the cell record");
        TVYXLogDocEditor tables;
        {
            TVYXEditorUpdate update(tables);
            TVYXTable& t = tables.AppendTableUI(2, 2);
            tables.CellPara(t, 0, 0).Append(u"a");
            tables.CellPara(t, 1, 0).Append(u"b");
        }
        TVYXUndo& u = tables.Undo();
        u.Clear();
        auto* table = static_cast<TVYXTable*>(tables.Paras().GetItems(0));
        tables.Command(vycMovePos, TVYXLogPos(&tables.CellPara(*table, 0, 0), 1));
        {
            const TVYXUndoGroup group(&u, vycTableInsertColsLeft, tables);
            u.Add(vycMovePos, tables.Caret());
            EXPECT_NE(u.AsLogPosTable(), nullptr);
            {
                TSuspended suspended(u);
                tables.Command(vycTableInsertColsLeft);
            }
            table = static_cast<TVYXTable*>(tables.Paras().GetItems(0));
            ASSERT_EQ(table->GetRows(0)->Count(), 3);
            u.Add(vycTableInsertColsLeft, *table->GetRows(0)->GetCells(0));
            EXPECT_NE(u.AsCell(), nullptr);
        }
        const std::string after = VYXEditorStateExact(tables);
        ASSERT_TRUE(u.Undo());
        table = static_cast<TVYXTable*>(tables.Paras().GetItems(0));
        EXPECT_EQ(table->GetRows(0)->Count(), 2);
        EXPECT_EQ(VYXCheckEditor(tables), "");
        EXPECT_EQ(Utf16ToUtf8(tables.CellPara(*table, 0, 0).GetPlainText()), "a");
        // Redo replays what the column deletion did through the door: exactly the
        // table after the insertion.
        ASSERT_TRUE(u.Redo());
        EXPECT_EQ(VYXStateDiff(after, VYXEditorStateExact(tables)), "");
    }
    {
        SCOPED_TRACE("text with its own format, and the formats of part of a paragraph");
        TVYXLogDocEditor fmt;
        BuildThreeRuns(fmt);
        TVYXUndo& u = fmt.Undo();
        u.Clear();
        fmt.Command(vycMovePos, At(fmt, 2, 1));
        const std::string before = VYXEditorStateExact(fmt);
        TVYXCHPX bold(&fmt.GetMasterCHP());
        bold.SetBold(true);
        {
            const TVYXUndoGroup group(&u, vycDelWordRight, fmt);
            u.Add(vycMovePos, fmt.Caret());
            u.Add(vycFormatBold, *fmt.Paras().GetParas(2), 1, 6);
            EXPECT_NE(u.AsDocPropSel(), nullptr);
            {
                TSuspended suspended(u);
                fmt.Command(vycDelWordRight);
            }
            u.Add(vycDelWordRight, u"Last ", bold);
            EXPECT_NE(u.AsText(), nullptr);
            u.Add(vycNone, 42);
            EXPECT_NE(u.AsCmd(), nullptr);
        }
        // Replayed last first: the text comes back bold as its record says, then the
        // formats recorded before the deletion put the first word's own back.
        ASSERT_TRUE(u.Undo());
        EXPECT_EQ(VYXStateDiff(before, VYXEditorStateExact(fmt)), "");
        ASSERT_TRUE(u.Redo());
        EXPECT_EQ(Utf16ToUtf8(fmt.Paras().GetParas(2)->GetPlainText()), "line");
    }
    {
        SCOPED_TRACE("the focus record");
        TVYXLogDocEditor& header = doc.Headers().AddDefault();
        undo.Clear();
        {
            const TVYXUndoGroup group(&undo, vycControlEditHeader, doc);
            undo.Add(header);
            EXPECT_NE(undo.AsFocusDoc(), nullptr);
            EXPECT_EQ(&undo.FocusDoc(), &header);
            header.Command(vycInsertAtCaret, u"in the header");
        }
        ASSERT_TRUE(undo.Undo());
        EXPECT_EQ(&undo.FocusDoc(), &doc);
        EXPECT_EQ(Utf16ToUtf8(header.GetPlainText()), "");
    }
}
