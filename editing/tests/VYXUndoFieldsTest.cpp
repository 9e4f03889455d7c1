// VYXUndoFieldsTest.cpp: changes that used to go round the history: field results
// written by an update, note numbers growing a digit, and accepting or rejecting
// tracked changes on field and object runs. Each one is made, undone and compared
// with the full state before it, run for run, then redone and compared again.
#include <gtest/gtest.h>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>
#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "editing/tests/VYXUndoDump.h"
#include "editing/tests/VYXUndoExpect.h"
#include "model/VYXCharProps.h"
#include "model/VYXCharRun.h"
#include "model/VYXFields.h"
#include "model/VYXNotes.h"
#include "model/VYXTable.h"
#include "platform/VYXUnicode.h"

namespace {

void Put(TVYXLogDocEditor& doc, int para, std::int32_t pos)
{
    ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(doc.Paras().GetParas(para), pos)));
}

// A complex field built run by run: begin, instruction, separator, the result runs
// given, end.
void AddComplex(TVYXLogPara& para, std::u16string_view instruction, std::initializer_list<std::u16string_view> results,
                const TVYXCHPX* chpx = nullptr)
{
    TVYXCharRuns& runs = para.CharRuns();
    runs.AddFldChar(acrfctBegin);
    runs.AddInstrText(std::u16string(u" ") + std::u16string(instruction) + u" ");
    runs.AddFldChar(acrfctSeparate);
    for (std::u16string_view text : results)
        runs.Add(chpx)->SetRawText(text);
    runs.AddFldChar(acrfctEnd);
    runs.Reindex();
}

bool HasRecord(const TVYXUndo& undo, TVYXUndoType type)
{
    const int group = undo.PeekGroup();
    for (int back = 0; const TVYXUndoData* r = undo.Peek(back); ++back) {
        if (r->Group != group)
            break;
        if (r->Type_() == type)
            return true;
    }
    return false;
}

}  // namespace

// ---- Field results through the door ------------------------------------------------

TEST(UndoFieldResults, ComplexResultsAreReplacedThroughTheDoor)
{
    TVYXLogDocEditor doc;
    TVYXCHPX bold(&doc.GetMasterCHP());
    bold.SetBold(true);
    {
        TVYXEditorUpdate update(doc);
        // A simple field before a complex one in the same paragraph: its result grows
        // first, so the complex one's addresses depend on the order of the records.
        doc.AppendParaUI(u"Figure ");
        doc.GetOrAddLastPara().AppendField(u"SEQ Figure", u"9");
        doc.AppendTextUI(u", table ");
        AddComplex(doc.GetOrAddLastPara(), u"SEQ Table", {u"x", u""}, &bold);
        doc.GetOrAddLastPara().CharRuns().Insert(doc.GetOrAddLastPara().Count() - 1)->SetRawText(u"yz");
        doc.GetOrAddLastPara().CharRuns().Reindex();
        doc.AppendTextUI(u" and ");
        AddComplex(doc.GetOrAddLastPara(), u"SEQ Table \\h", {u"hidden"});
        doc.AppendTextUI(u" end");
        TVYXTable& t = doc.AppendTableUI(3, 1);
        doc.CellPara(t, 0, 0).Append(u"3");
        doc.CellPara(t, 1, 0).Append(u"4");
        AddComplex(doc.CellPara(t, 2, 0), u"=SUM(LEFT) \\# \"0.00\"", {u"?"});
        doc.AppendParaUI(u"Printed ");
        AddComplex(doc.GetOrAddLastPara(), u"DATE \\@ \"d MMMM yyyy\"", {u"once"}, &bold);
    }
    doc.ClockEvent = [](TVYXLogDocEditor&) { return 45667.5625; };  // 10 January 2025, 13:30
    doc.Undo().Clear();
    Put(doc, 0, 3);
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycControlUpdateFields));
    EXPECT_EQ(VYXCheckEditor(doc), "");
    EXPECT_EQ(Utf16ToUtf8(doc.Paras().GetParas(0)->GetPlainText()), "Figure 1, table 1 and  end");
    const std::string after = VYXEditorStateExact(doc);
    EXPECT_NE(after.find("7.00"), std::string::npos) << after;
    EXPECT_NE(after.find("10 January 2025"), std::string::npos) << after;
    // One piece of the result, in the first result run's format; the separator and the
    // end stay where they were.
    EXPECT_EQ(after.find("[yz]"), std::string::npos) << after;
    EXPECT_EQ(after.find("[once]"), std::string::npos) << after;
    EXPECT_TRUE(HasRecord(doc.Undo(), autDelete));
    EXPECT_TRUE(HasRecord(doc.Undo(), autRunTexts));
    EXPECT_EQ(doc.Undo().UndoCount(), 1);
    ExpectUndoRedo(doc, before);

    // Updated again nothing changes (the hidden field's result has no run left): no step.
    ASSERT_TRUE(doc.Undo().Redo());
    ASSERT_TRUE(doc.Command(vycControlUpdateFields));
    EXPECT_EQ(doc.Undo().UndoCount(), 1);
}

TEST(UndoFieldResults, AnEmptiedResultTakesTextAgainInTheSeparatorsFormat)
{
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"n=");
        AddComplex(doc.GetOrAddLastPara(), u"=2+3", {});
        doc.AppendTextUI(u".");
    }
    doc.Undo().Clear();
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycControlUpdateFields));
    EXPECT_EQ(Utf16ToUtf8(doc.Paras().GetParas(0)->GetPlainText()), "n=5.");
    ExpectUndoRedo(doc, before);
}

TEST(UndoFieldResults, RemovingFromASeparatorLeavesTheFieldsEmptyRunsInTheBody)
{
    // The door on its own: the result range starts where the begin, instruction and
    // separator runs stand (all empty); what went holds none of them, and putting it
    // back gives the paragraph back run for run.
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"a");
        AddComplex(doc.GetOrAddLastPara(), u"PAGE", {u"12"});
        // A second result run in its own format: the door keeps runs of one format merged.
        TVYXLogPara& para = doc.GetOrAddLastPara();
        TVYXCHPX italic(&doc.GetMasterCHP());
        italic.SetItalic(true);
        para.CharRuns().Insert(para.Count() - 1, &italic)->SetRawText(u"3");
        para.CharRuns().Reindex();
        doc.AppendTextUI(u"b");
    }
    const std::string before = vyxtest::Dump(doc);
    TVYXDocRange range;
    range.First.CharPos = 2;
    range.Last.CharPos = 5;
    std::unique_ptr<TVYXDocFragment> out = doc.RemoveContent(range);
    EXPECT_EQ(Utf16ToUtf8(doc.Paras().GetParas(0)->GetPlainText()), "ab");
    ASSERT_EQ(out->Paras->Count(), 1);
    const TVYXLogPara& piece = *out->Paras->GetParas(0);
    for (int r = 0; r < piece.Count(); ++r)
        EXPECT_NE(piece.GetItems(r)->Type_(), acrtFldChar) << r;
    int fieldRuns = 0;
    const TVYXLogPara& body = *doc.Paras().GetParas(0);
    for (int r = 0; r < body.Count(); ++r)
        fieldRuns += body.GetItems(r)->Type_() == acrtFldChar || body.GetItems(r)->Type_() == acrtInstrText;
    EXPECT_EQ(fieldRuns, 4);
    doc.InsertContent(range.First, *out);
    EXPECT_EQ(VYXStateDiff(before, vyxtest::Dump(doc)), "");
    // A copy for the clipboard still takes the field's runs at its start.
    TVYXDocRange whole;
    whole.First.CharPos = 2;
    whole.Last.CharPos = 5;
    const std::unique_ptr<TVYXDocFragment> copy = doc.CopyContent(whole);
    EXPECT_EQ(copy->Paras->GetParas(0)->GetItems(0)->Type_(), acrtFldChar);
}

TEST(UndoFieldResults, AWholeFieldRemovedGoesWithItsEmptyRuns)
{
    // A range holding a whole field, within a paragraph and across two: the field's
    // empty runs go with the text (none stays behind to be doubled when it comes back);
    // those standing where the range starts stay.
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"one ");
        AddComplex(doc.GetOrAddLastPara(), u"PAGE", {u"12"});
        doc.AppendTextUI(u" two");
        doc.AppendParaUI(u"x");
        AddComplex(doc.GetOrAddLastPara(), u"NUMPAGES", {u"3"});
        doc.AppendTextUI(u" three");
    }
    const std::string before = vyxtest::Dump(doc);
    auto countMarks = [&doc] {
        int marks = 0;
        for (TVYXLogPara* p = doc.FirstPara(); p; p = p->Next())
            for (int r = 0; r < p->Count(); ++r)
                marks += p->GetItems(r)->Type_() == acrtFldChar || p->GetItems(r)->Type_() == acrtInstrText;
        return marks;
    };
    ASSERT_EQ(countMarks(), 8);
    TVYXDocRange within;
    within.First.CharPos = 2;
    within.Last.CharPos = 8;
    std::unique_ptr<TVYXDocFragment> out = doc.RemoveContent(within);
    EXPECT_EQ(Utf16ToUtf8(doc.Paras().GetParas(0)->GetPlainText()), "otwo");
    EXPECT_EQ(countMarks(), 4);
    doc.InsertContent(within.First, *out);
    EXPECT_EQ(VYXStateDiff(before, vyxtest::Dump(doc)), "");
    TVYXDocRange across;
    across.First.CharPos = 5;
    across.Last.Item = 1;
    across.Last.CharPos = 4;
    out = doc.RemoveContent(across);
    EXPECT_EQ(Utf16ToUtf8(doc.Paras().GetParas(0)->GetPlainText()), "one three");
    EXPECT_EQ(countMarks(), 3);  // the first field's begin, instruction and separator
    doc.InsertContent(across.First, *out);
    EXPECT_EQ(VYXStateDiff(before, vyxtest::Dump(doc)), "");
}

// ---- Note numbers ---------------------------------------------------------------------

namespace {

// The first paragraph of the first cell of the document's first table.
TVYXLogPara& CellOf(TVYXLogDocEditor& doc)
{
    for (int i = 0; i < doc.Paras().Count(); ++i)
        if (doc.Paras().GetItems(i)->IsTable())
            return doc.CellPara(*doc.Paras().GetTables(i), 0, 0);
    throw std::runtime_error("no table");
}

// The dump shows a mark's own text (none); the number it shows counts as characters,
// so each paragraph's length goes with it.
std::string NotesStateOf(TVYXLogDocEditor& doc)
{
    std::string texts;
    for (TVYXLogDocEditor* d : {&doc, &doc.Footnotes()})
        for (TVYXLogPara* p = d->FirstPara(); p; p = p->Next())
            texts += Utf16ToUtf8(p->GetPlainText()) + "|" + std::to_string(p->EndOfParaPos()) + "\n";
    // Carets are left out: the moves before a command make no step of their own.
    return vyxtest::Dump(doc) + VYXNotesState(doc) + texts;
}

}  // namespace

TEST(UndoNoteNumbers, AMarkGainingOrLosingADigitKeepsEveryRecordsAddresses)
{
    // Nine notes, the ninth followed by text in its own paragraph and one in a cell:
    // a note inserted before them all makes it "10" (one character more), a note
    // deleted makes it "9" again; the commands after each address the runs behind it.
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"Start of the text");
        doc.AppendParaUI(u"abcdefgh tail");
        TVYXTable& t = doc.AppendTableUI(2, 1);
        doc.CellPara(t, 0, 0).Append(u"cell text");
        doc.AppendParaUI(u"End");
    }
    for (int k = 0; k < 8; ++k) {
        ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(doc.Paras().GetParas(1), 1 + 2 * k + 1))) << k;
        ASSERT_TRUE(doc.Command(vycInsertFootnote)) << k;
    }
    ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(&CellOf(doc), 5)));
    ASSERT_TRUE(doc.Command(vycInsertFootnote));
    ASSERT_EQ(doc.FootnoteList().Count(), 9);
    doc.Undo().Clear();

    std::vector<std::string> before, after;
    std::vector<int> groupsBefore, groupsAfter;
    auto step = [&](const std::function<void()>& command) {
        before.push_back(NotesStateOf(doc));
        groupsBefore.push_back(doc.Undo().UndoCount());
        command();
        ASSERT_EQ(VYXCheckEditor(doc), "");
        after.push_back(NotesStateOf(doc));
        groupsAfter.push_back(doc.Undo().UndoCount());
    };
    TVYXLogPara* second = doc.Paras().GetParas(1);
    const std::int32_t tailEnd = second->EndOfParaPos();
    step([&] {
        ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(doc.Paras().GetParas(0), 6)));
        ASSERT_TRUE(doc.Command(vycInsertFootnote));
    });
    ASSERT_EQ(doc.FootnoteList().Count(), 10);
    // The cell's mark shows "10": two characters, here and in the notes body.
    EXPECT_EQ(CellOf(doc).EndOfParaPos(), 12);
    EXPECT_EQ(doc.Footnotes().Paras().GetParas(9)->EndOfParaPos(), 5);
    EXPECT_EQ(doc.Paras().GetParas(1)->EndOfParaPos(), tailEnd);  // the second paragraph's marks are 2..9
    step([&] {
        TVYXLogPara& cell = CellOf(doc);
        ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(&cell, cell.EndOfParaPos())));
        ASSERT_TRUE(doc.Command(vycInsertAtCaret, u" typed"));
    });
    step([&] {
        TVYXLogPara* first = doc.Paras().GetParas(0);
        ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(first, 3)));
        ASSERT_TRUE(doc.Command(vycSelectToPos, TVYXLogPos(first, 9)));
        ASSERT_TRUE(doc.Command(vycDelSelection));
    });
    ASSERT_EQ(doc.FootnoteList().Count(), 9);
    step([&] {
        TVYXLogPara& cell = CellOf(doc);
        ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(&cell, cell.EndOfParaPos() - 2)));
        ASSERT_TRUE(doc.Command(vycDelCharLeft));
        ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(doc.Paras().GetParas(1), 3)));
        ASSERT_TRUE(doc.Command(vycInsertFootnote));
    });
    TVYXUndo& undo = doc.Undo();
    for (std::size_t k = before.size(); k-- > 0;) {
        while (undo.UndoCount() > groupsBefore[k]) {
            ASSERT_TRUE(undo.Undo()) << k;
            ASSERT_EQ(VYXCheckEditor(doc), "") << k;
        }
        ASSERT_EQ(VYXStateDiff(before[k], NotesStateOf(doc)), "") << "undoing step " << k;
    }
    for (std::size_t k = 0; k < after.size(); ++k) {
        while (undo.UndoCount() < groupsAfter[k]) {
            ASSERT_TRUE(undo.Redo()) << k;
            ASSERT_EQ(VYXCheckEditor(doc), "") << k;
        }
        ASSERT_EQ(VYXStateDiff(after[k], NotesStateOf(doc)), "") << "redoing step " << k;
    }
}

// ---- Accepting and rejecting marks kept on field and object runs -----------------------

namespace {

// A field, a rule and text with insertion marks kept in the runs themselves, as
// readers make them, and a field marked deleted; then one typed step before them.
void BuildMarkedRuns(TVYXLogDocEditor& doc)
{
    doc.AppendParaUI(u"Page ");
    TVYXLogPara& para = doc.GetOrAddLastPara();
    para.AppendField(u"PAGE", u"7")->AddRevision(doc.Revision().Add(u"Reader", artInsert));
    para.InsertHorizontalLine(para.EndOfParaPos())->AddRevision(doc.Revision().Add(u"Reader", artInsert));
    para.CharRuns().Reindex();
    para.GetItems(0)->AddRevision(doc.Revision().Add(u"Reader", artInsert));
    doc.AppendParaUI(u"Total ");
    doc.GetOrAddLastPara().AppendField(u"=1+1", u"2")->AddRevision(doc.Revision().Add(u"Reader", artDelete));
    doc.AppendTextUI(u" end");
    doc.AppendParaUI(u"typed here: ");
    doc.EndUpdate();
    doc.Undo().Clear();
    ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(doc.Paras().GetParas(2), 13)));
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"x"));
}

int RunMarks(TVYXLogDocEditor& doc)
{
    int marks = 0;
    for (TVYXLogPara* p = doc.FirstPara(); p; p = p->Next())
        for (int i = 0; i < p->Count(); ++i)
            marks += p->GetItems(i)->HasAnyRevision();
    return marks;
}

}  // namespace

TEST(UndoRunMarks, AcceptingAndRejectingMarksOnFieldAndObjectRunsAreSteps)
{
    for (const TVYXCommand cmd : {vycRevisionAcceptAll, vycRevisionRejectAll}) {
        SCOPED_TRACE(std::to_string(cmd));
        TVYXLogDocEditor doc;
        BuildMarkedRuns(doc);
        ASSERT_EQ(RunMarks(doc), 4);
        const std::string before = VYXEditorStateExact(doc);
        ASSERT_TRUE(doc.Command(cmd));
        EXPECT_EQ(RunMarks(doc), 0);
        EXPECT_EQ(VYXCheckEditor(doc), "");
        // The history survives: the typing before is still there to take back.
        EXPECT_EQ(doc.Undo().UndoCount(), 2);
        // Accepted, the inserted field and rule keep their runs without marks; rejected,
        // the deleted field does.
        EXPECT_TRUE(HasRecord(doc.Undo(), autRunMarks));
        if (cmd == vycRevisionAcceptAll) {
            EXPECT_EQ(Utf16ToUtf8(doc.Paras().GetParas(1)->GetPlainText()), "Total  end");
        } else {
            EXPECT_EQ(doc.Paras().Count(), 2);
            EXPECT_EQ(Utf16ToUtf8(doc.Paras().GetParas(0)->GetPlainText()), "Total 2 end");
        }
        ExpectUndoRedo(doc, before);
        EXPECT_EQ(RunMarks(doc), 4);
        ASSERT_TRUE(doc.Command(vycControlUndo));
        EXPECT_EQ(Utf16ToUtf8(doc.Paras().GetParas(2)->GetPlainText()), "typed here: ");
    }
}

TEST(UndoRunMarks, AcceptingTheChangeAtTheCaretRecordsOnlyItsRuns)
{
    TVYXLogDocEditor doc;
    BuildMarkedRuns(doc);
    ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(doc.Paras().GetParas(1), 7)));
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycRevisionReject));
    EXPECT_EQ(RunMarks(doc), 3);
    ExpectUndoRedo(doc, before);
}
