// VYXUndoBoundaryRunsTest.cpp: the empty text run just before a bookmark's end (the
// format typing there takes) through commands that remove it with the text around it,
// or type beside it, and their undo and redo; each case is a random-test failure
// brought down to its few commands.
#include <gtest/gtest.h>

#include <string>

#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "editing/tests/VYXUndoDump.h"
#include "editing/tests/VYXUndoExpect.h"
#include "model/VYXTable.h"
#include "model/tests/VYXTestAddress.h"

// Typing over a selection from a table's cell into the text after the table: the rows
// go, the text between goes, and a bookmark wholly inside keeps its ends in the body.
// Undo must give back the empty run that stood before the bookmark's end.
TEST(UndoBoundaryRuns, TypingOverASelectionFromACellIntoTheTextAfterTheTable)
{
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"Text before");
        TVYXTable& table = doc.AppendTableUI(1, 1);
        doc.CellPara(table, 0, 0).Append(u"cell text");
        doc.AppendParaUI(u"word tail");
        doc.AppendParaUI(u"after");
    }
    // A bookmark from the cell to "word ", and an empty run of its own format before
    // its end (items: text, table, the paragraph after it, "word tail", "after").
    auto* table = static_cast<TVYXTable*>(doc.Paras().GetItems(1));
    ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(&doc.CellPara(*table, 0, 0), 1)));
    ASSERT_TRUE(doc.Command(vycSelectToPos, doc.PosAt(VYXTestAddressAt(3, 6))));
    VYXBookmarkWithEmptyRun(doc, u"mark", VYXTestAddressAt(3, 6));
    ASSERT_NE(vyxtest::Dump(doc).find("0 [word ] -\n  0 [] 21=25;\n  7 [] - <bookmark mark 3>"), std::string::npos)
        << vyxtest::Dump(doc);
    ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(&doc.CellPara(*table, 0, 0), 1)));
    ASSERT_TRUE(doc.Command(vycSelectToPos, doc.PosAt(VYXTestAddressAt(4, 3))));
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, std::u16string_view(u"x")));
    ASSERT_EQ(doc.Paras().Count(), 2);  // the table and the text between went
    ExpectUndoRedo(doc, before);
}

namespace {

// "longer text here" under a bookmark, an empty run of its own format before the
// bookmark's end, then "a"; a fresh history.
void BuildMarkedLine(TVYXLogDocEditor& doc)
{
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"longer text herea");
        doc.AppendParaUI(u"next");
    }
    ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(0, 1))));
    ASSERT_TRUE(doc.Command(vycSelectToPos, doc.PosAt(VYXTestAddressAt(0, 17))));
    VYXBookmarkWithEmptyRun(doc, u"markm", VYXTestAddressAt(0, 17));
    ASSERT_NE(vyxtest::Dump(doc).find("0 [] 21=25;\n  7 [] - <bookmark markm 3>\n  0 [a] -"), std::string::npos)
        << vyxtest::Dump(doc);
}

}  // namespace

// A second bookmark made at the caret further on: the run edit that puts its boundaries
// in merges the paragraph's runs, and must leave the empty run before the first one's
// end, or its undo gives back a paragraph without it.
TEST(UndoBoundaryRuns, ABookmarkMadeFurtherOnInTheParagraph)
{
    for (const std::int32_t at : {18, 16, 1}) {
        SCOPED_TRACE(at);
        TVYXLogDocEditor doc;
        BuildMarkedLine(doc);
        ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(0, at))));
        const std::string before = VYXEditorStateExact(doc);
        ASSERT_NE(doc.InsertBookmark(u"markb"), nullptr);
        EXPECT_NE(vyxtest::Dump(doc).find("0 [] 21=25;\n  7 [] - <bookmark markm 3>"), std::string::npos)
            << vyxtest::Dump(doc);
        ExpectUndoRedo(doc, before);
    }
}

// Tracked keystrokes beside the run: just before it, at it, and after the bookmark's
// end; a rule at the paragraph's end too.
TEST(UndoBoundaryRuns, TrackedKeystrokesAndARuleBesideTheRun)
{
    for (const std::int32_t at : {16, 17, 18}) {
        SCOPED_TRACE(at);
        TVYXLogDocEditor doc;
        BuildMarkedLine(doc);
        ASSERT_TRUE(doc.Command(vycRevisionTrackChanges));
        ASSERT_TRUE(doc.Revision().TrackChanges);
        ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(0, at))));
        std::string before = VYXEditorStateExact(doc);
        ASSERT_TRUE(doc.Command(vycInsertAtCaret, std::u16string_view(u"k")));
        ExpectUndoRedo(doc, before);
        ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(0, 18))));
        before = VYXEditorStateExact(doc);
        ASSERT_TRUE(doc.Command(vycInsertHorizLineAtCaret));
        EXPECT_NE(vyxtest::Dump(doc).find("0 [] 21=25;\n  7 [] - <bookmark markm 3>"), std::string::npos)
            << vyxtest::Dump(doc);
        ExpectUndoRedo(doc, before);
    }
}

// A rule or a note reference put in at the run itself goes behind the bookmark's end, as
// typed text does; the run stays, so redo (which puts the same run back as content)
// gives the paragraph the command made.
TEST(UndoBoundaryRuns, ARuleOrANoteAtTheRun)
{
    for (const TVYXCommand cmd : {vycInsertHorizLineAtCaret, vycInsertFootnote}) {
        SCOPED_TRACE(CommandName(cmd));
        TVYXLogDocEditor doc;
        BuildMarkedLine(doc);
        ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(0, 17))));
        const std::string before = VYXEditorStateExact(doc);
        ASSERT_TRUE(doc.Command(cmd));
        EXPECT_NE(vyxtest::Dump(doc).find("0 [] 21=25;\n  7 [] - <bookmark markm 3>"), std::string::npos)
            << vyxtest::Dump(doc);
        ExpectUndoRedo(doc, before);
    }
}

// Typing over a selection from a bookmark at the start of the text, across tables, to
// an empty run and a bookmark at the start of a paragraph without text: the paragraph
// left holds empty runs but no text when undo puts the content back before it. Every
// paragraph and table must come back in its order, each table followed by its paragraph.
TEST(UndoBoundaryRuns, TypingOverTablesUpToAParagraphOfOnlyABookmark)
{
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        // Items: "first", a table, "between", a table, "", "tail".
        doc.AppendParaUI(u"first");
        doc.CellPara(doc.AppendTableUI(1, 1), 0, 0).Append(u"one");
        doc.AppendTextUI(u"between");
        doc.CellPara(doc.AppendTableUI(2, 1), 1, 0).Append(u"two");
        doc.AppendParaUI(u"tail");
    }
    ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(4, 1))));
    ASSERT_NE(doc.InsertBookmark(u"end"), nullptr);
    ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(0, 1))));
    VYXBookmarkWithEmptyRun(doc, u"start", VYXTestAddressAt(4, 1));
    ASSERT_NE(vyxtest::Dump(doc).find("P \n  0 [] 21=25;\n  7 [] - <bookmark end 1>"), std::string::npos)
        << vyxtest::Dump(doc);
    ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(0, 1))));
    ASSERT_TRUE(doc.Command(vycSelectToPos, doc.PosAt(VYXTestAddressAt(4, 1))));
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, std::u16string_view(u"x")));
    ASSERT_EQ(doc.Paras().Count(), 2) << vyxtest::Dump(doc);
    ExpectUndoRedo(doc, before);
}

// Deleting the character just before an empty run and a bookmark's end, with text after
// the end: the body's delete merges that text into the empty run, and the end must still
// go back before the text, or the bookmark grows over it and undo cannot tell.
TEST(UndoBoundaryRuns, DeletingTheCharacterBeforeAnEmptyRunAndABookmarkEnd)
{
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"lead");
        doc.AppendParaUI(u" word b");
    }
    ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(0, 2))));
    ASSERT_TRUE(doc.Command(vycSelectToPos, doc.PosAt(VYXTestAddressAt(1, 2))));
    ASSERT_NE(doc.InsertBookmark(u"marky"), nullptr);
    doc.Undo().Clear();
    doc.PutEmptyRun(VYXTestAddressAt(1, 2), nullptr);
    ASSERT_NE(vyxtest::Dump(doc).find("0 [ ] -\n  0 [] -\n  7 [] - <bookmark marky 3>\n  0 [word b] -"),
              std::string::npos)
        << vyxtest::Dump(doc);
    ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(1, 1))));
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycDelCharRight));
    EXPECT_NE(vyxtest::Dump(doc).find("P \n  0 [] -\n  7 [] - <bookmark marky 3>\n  0 [word b] -"), std::string::npos)
        << vyxtest::Dump(doc);
    ExpectUndoRedo(doc, before);
}
