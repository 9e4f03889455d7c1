// VYXUndoZeroWidthRunsTest.cpp: zero-width runs (bookmark ends, empty formatted runs)
// where an edit cuts, fills or joins the text: which side of the edit they stay on,
// and that undo and redo put them back there. Each case is a random-test failure
// brought down to its few commands.
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

// A paragraph holding only an empty run of its own format and a bookmark's end, broken
// at its start by Enter or a section break: both stay in the first half, and joining
// the halves again (undo) keeps them, then redo puts the break back with them.
TEST(UndoZeroWidthRuns, BreakAtAParagraphOfAnEmptyRunAndABookmarkEnd)
{
    for (const TVYXCommand cmd : {vycControlSectionBreak, vycControlNewPara}) {
        SCOPED_TRACE(CommandName(cmd));
        TVYXLogDocEditor doc;
        {
            TVYXEditorUpdate update(doc);
            doc.AppendParaUI(u"x");
            doc.AppendParaUI(u"");
            doc.AppendParaUI(u"after");
        }
        ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(0, 2))));
        ASSERT_TRUE(doc.Command(vycSelectToPos, doc.PosAt(VYXTestAddressAt(1, 1))));
        ASSERT_NE(doc.InsertBookmark(u"markd"), nullptr);
        doc.Undo().Clear();
        TVYXCHPX big(&doc.GetMasterCHP());
        big.SetSize(25);
        doc.PutEmptyRun(VYXTestAddressAt(1, 1), &big);
        const std::string zeroWidth = "  0 [] 21=25;\n  7 [] - <bookmark markd 3>\nP \n";
        ASSERT_NE(vyxtest::Dump(doc).find(zeroWidth + "  0 [after] -"), std::string::npos) << vyxtest::Dump(doc);
        ASSERT_TRUE(doc.Command(vycMovePos, doc.PosAt(VYXTestAddressAt(1, 1))));
        const std::string before = VYXEditorStateExact(doc);
        ASSERT_TRUE(doc.Command(cmd));
        EXPECT_NE(vyxtest::Dump(doc).find(zeroWidth + "  0 [] -\nP \n  0 [after] -"), std::string::npos)
            << vyxtest::Dump(doc);
        EXPECT_EQ(VYXCheckEditor(doc), "");
        ExpectUndoRedo(doc, before);
    }
}
