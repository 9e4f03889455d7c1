// VYXUndoZeroWidthRunsTest.cpp: zero-width runs (bookmark ends, empty formatted runs)
// where an edit cuts, fills or joins the text: which side of the edit they stay on,
// and that undo and redo put them back there: random-test failures brought down to
// their few commands, and the cases beside them.
#include <gtest/gtest.h>

#include <string>

#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "editing/tests/VYXUndoDump.h"
#include "editing/tests/VYXUndoExpect.h"
#include "model/tests/VYXTestAddress.h"

// Typing over the last character a bookmark covers, where an empty run, the bookmark's
// end and an empty bookmark stand before the next text: the removal joins that text to
// the empty run's object, and the text must stay after the ends, outside the bookmark,
// where the typing joins it (typed text goes behind the ends at its place); undo gives
// back the character and every zero-width run in its place.
TEST(UndoZeroWidthRuns, TypingOverTheLastCharacterBeforeBookmarkEnds)
{
    TVYXLogDocEditor doc;
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"a");
        doc.AppendParaUI(u" b");
    }
    ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(1, 2))));
    ASSERT_NE(doc.InsertBookmark(u"markq"), nullptr);
    ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(0, 2))));
    ASSERT_TRUE(doc.Command(vycSelectToPos, doc.PosAt(VYXTestAddressAt(1, 2))));
    ASSERT_NE(doc.InsertBookmark(u"markw"), nullptr);
    ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(1, 1))));
    ASSERT_TRUE(doc.Command(vycSelectToPos, doc.PosAt(VYXTestAddressAt(1, 2))));
    ASSERT_TRUE(doc.Command(vycFormatSubscript));
    doc.Undo().Clear();
    doc.PutEmptyRun(VYXTestAddressAt(1, 2), nullptr);  // the format typing there takes: the text's own
    const std::string runs = "  0 [] -\n  7 [] - <bookmark markw 3>\n  7 [] - <bookmark markq 1>\n"
                             "  7 [] - <bookmark markq 3>\n";
    ASSERT_NE(vyxtest::Dump(doc).find("0 [ ] 18=1;\n" + runs + "  0 [b] -"), std::string::npos)
        << vyxtest::Dump(doc);
    ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(1, 1))));
    ASSERT_TRUE(doc.Command(vycSelectCharRight));
    const std::string before = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, std::u16string_view(u"longer text here")));
    EXPECT_NE(vyxtest::Dump(doc).find("P \n" + runs + "  0 [longer text hereb] -"), std::string::npos)
        << vyxtest::Dump(doc);
    const std::string state = VYXEditorStateExact(doc);
    const std::size_t mark = state.find("bookmark markw [");
    ASSERT_NE(mark, std::string::npos);
    EXPECT_EQ(state.substr(mark, state.find(']', mark) - mark).find("longer"), std::string::npos) << state;
    ExpectUndoRedo(doc, before);
}

// A paragraph holding an empty run of its own format and a bookmark's end, after text
// or alone, broken by Enter or a section break where they stand. At the start of a
// paragraph without text the new paragraph goes before them; after text the end stays
// in the first half. Joining the halves again (undo) keeps them where they were, and redo
// puts the break back with them.
TEST(UndoZeroWidthRuns, BreakWhereAnEmptyRunAndABookmarkEndStand)
{
    for (const TVYXCommand cmd : {vycControlSectionBreak, vycControlNewPara})
        for (const bool text : {false, true}) {
            SCOPED_TRACE(std::string(CommandName(cmd)) + (text ? " after text" : " alone"));
            TVYXLogDocEditor doc;
            {
                TVYXEditorUpdate update(doc);
                doc.AppendParaUI(u"x");
                doc.AppendParaUI(text ? u"y" : u"");
                doc.AppendParaUI(u"after");
            }
            const std::int32_t at = text ? 2 : 1;
            ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(0, 2))));
            ASSERT_TRUE(doc.Command(vycSelectToPos, doc.PosAt(VYXTestAddressAt(1, at))));
            VYXBookmarkWithEmptyRun(doc, u"markd", VYXTestAddressAt(1, at));
            const std::string zeroWidth = "  0 [] 21=25;\n  7 [] - <bookmark markd 3>\n";
            const std::string head = text ? "  0 [y] -\n" : "";
            ASSERT_NE(vyxtest::Dump(doc).find(head + zeroWidth + "P \n  0 [after] -"), std::string::npos)
                << vyxtest::Dump(doc);
            ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(1, at))));
            const std::string before = VYXEditorStateExact(doc);
            ASSERT_TRUE(doc.Command(cmd));
            // (After text the break fills the empty run, as typing there would; undo
            // gives it back.)
            const std::string halves = text ? head + "  7 [] - <bookmark markd 3>\nP \n  0 [] -\n"
                                            : "  0 [] -\nP \n" + zeroWidth;
            EXPECT_NE(vyxtest::Dump(doc).find(halves + "P \n  0 [after] -"), std::string::npos)
                << vyxtest::Dump(doc);
            EXPECT_EQ(VYXCheckEditor(doc), "");
            ExpectUndoRedo(doc, before);
        }
}

// The same paragraph at the end of a removal from the paragraph before it (a whole
// paragraph, or just its mark): the bookmark's end goes where the range began and comes
// back with the empty run before it in the run's own format.
TEST(UndoZeroWidthRuns, RemovalEndingBeforeAnEmptyRunAndABookmarkEnd)
{
    for (const TVYXCommand cmd : {vycDelSelection, vycInsertAtCaret, vycInsertTableAtCaret})
        for (const std::int32_t from : {1, 2, 3}) {
            SCOPED_TRACE(std::string(CommandName(cmd)) + " from " + std::to_string(from));
            TVYXLogDocEditor doc;
            {
                TVYXEditorUpdate update(doc);
                doc.AppendParaUI(u"xy");
                doc.AppendParaUI(u"");
                doc.AppendParaUI(u"after");
            }
            ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(0, 2))));
            ASSERT_TRUE(doc.Command(vycSelectToPos, doc.PosAt(VYXTestAddressAt(1, 1))));
            VYXBookmarkWithEmptyRun(doc, u"markd", VYXTestAddressAt(1, 1));
            ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(0, from))));
            ASSERT_TRUE(doc.Command(vycSelectToPos, doc.PosAt(VYXTestAddressAt(1, 1))));
            const std::string before = VYXEditorStateExact(doc);
            if (cmd == vycInsertAtCaret)
                ASSERT_TRUE(doc.Command(cmd, std::u16string_view(u"t")));
            else if (cmd == vycInsertTableAtCaret)
                ASSERT_TRUE(doc.Command(cmd, 1, 1));
            else
                ASSERT_TRUE(doc.Command(cmd));
            EXPECT_EQ(VYXCheckEditor(doc), "");
            ExpectUndoRedo(doc, before);
        }
}

// A paragraph of only an empty run of its own format and a bookmark's end, taken whole
// by a removal (deleting or typing over it) from the paragraph before to the start of
// the one after, empty, with text or with an empty run of another format: the bookmark's end
// stays in the body, and undo puts the paragraph back with the run before the end in
// its own format, not the stand-in the paste leaves there (seed 1028).
TEST(UndoZeroWidthRuns, RemovalTakingAParagraphOfAnEmptyRunAndABookmarkEnd)
{
    for (const TVYXCommand cmd : {vycDelSelection, vycInsertAtCaret})
        for (const int variant : {0, 1, 2}) {
            SCOPED_TRACE(std::string(CommandName(cmd)) + std::to_string(variant));
            TVYXLogDocEditor doc;
            {
                TVYXEditorUpdate update(doc);
                doc.AppendParaUI(u"p");
                doc.AppendParaUI(u"");
                doc.AppendParaUI((variant & 2) ? u"z" : u"");
                doc.AppendParaUI(u"after");
            }
            ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(0, 2))));
            ASSERT_TRUE(doc.Command(vycSelectToPos, doc.PosAt(VYXTestAddressAt(1, 1))));
            VYXBookmarkWithEmptyRun(doc, u"markd", VYXTestAddressAt(1, 1));
            if (variant & 1) {
                TVYXCHPX other(&doc.GetMasterCHP());
                other.SetSize(7);
                doc.PutEmptyRun(VYXTestAddressAt(2, 1), &other);
            }
            ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(0, 1))));
            ASSERT_TRUE(doc.Command(vycSelectToPos, doc.PosAt(VYXTestAddressAt(2, 1))));
            const std::string before = VYXEditorStateExact(doc);
            if (cmd == vycInsertAtCaret)
                ASSERT_TRUE(doc.Command(cmd, std::u16string_view(u"t")));
            else
                ASSERT_TRUE(doc.Command(cmd));
            EXPECT_EQ(VYXCheckEditor(doc), "");
            ExpectUndoRedo(doc, before);
        }
}
