// VYXUndoTest.cpp: undo and redo of each command class and record kind.
#include <gtest/gtest.h>

#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "editing/tests/VYXUndoDump.h"

TEST(Undo, TypingOneCharacterAndUndo)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"held");
    doc.Undo().Clear();
    ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(doc.Paras().GetParas(0), 3)));
    const std::string before = VYXEditorState(doc);
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, u"X"));
    const std::string after = VYXEditorState(doc);
    ASSERT_TRUE(doc.Command(vycControlUndo));
    EXPECT_EQ(VYXEditorState(doc), before);
    EXPECT_EQ(doc.Caret().CharPos, 3);
    ASSERT_TRUE(doc.Command(vycControlRedo));
    EXPECT_EQ(VYXEditorState(doc), after);
    std::cerr << doc.Undo().DEBUG_Dump();
}
