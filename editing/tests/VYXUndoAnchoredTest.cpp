// VYXUndoAnchoredTest.cpp: text boxes anchored to paragraphs that a delete or typing
// over a selection takes away or joins: undo gives back each paragraph's boxes, no
// more and no fewer, and redo the edited state.
#include <gtest/gtest.h>

#include <string>

#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "editing/tests/VYXUndoDump.h"
#include "model/VYXGraphics.h"

namespace {

TVYXLogPos At(TVYXLogDocEditor& doc, int para, std::int32_t pos) { return TVYXLogPos(doc.Paras().GetParas(para), pos); }

// Four paragraphs, a text box anchored to each of the first three (two on the first).
void BuildBoxes(TVYXLogDocEditor& doc)
{
    {
        TVYXEditorUpdate update(doc);
        doc.AppendParaUI(u"First paragraph");
        doc.AppendParaUI(u"Second paragraph");
        doc.AppendParaUI(u"Third paragraph");
        doc.AppendParaUI(u"Last paragraph");
    }
    for (const int para : {0, 0, 1, 2}) {
        ASSERT_TRUE(doc.Command(vycMovePos, At(doc, para, 3)));
        ASSERT_TRUE(doc.Command(vycGraphicInsertTextBox));
    }
    doc.Undo().Clear();
}

int Boxes(TVYXLogDocEditor& doc, int para)
{
    const TVYXGraphicObjList* list = doc.Paras().GetParas(para)->Graphics();
    return list ? list->Count() : 0;
}

// Selects from one place to another, runs `edit`, then undoes and redoes it.
void EditUndoRedo(TVYXLogDocEditor& doc, const TVYXLogPos& from, const TVYXLogPos& to,
                  const std::function<void()>& edit)
{
    ASSERT_TRUE(doc.Command(vycMovePos, from));
    ASSERT_TRUE(doc.Command(vycSelectToPos, to));
    const std::string before = VYXEditorStateExact(doc);
    edit();
    ASSERT_EQ(VYXCheckEditor(doc), "");
    const std::string after = VYXEditorStateExact(doc);
    ASSERT_EQ(doc.Undo().UndoCount(), 1);
    ASSERT_TRUE(doc.Command(vycControlUndo));
    EXPECT_EQ(VYXStateDiff(before, VYXEditorStateExact(doc)), "");
    EXPECT_EQ(VYXCheckEditor(doc), "");
    ASSERT_TRUE(doc.Command(vycControlRedo));
    EXPECT_EQ(VYXStateDiff(after, VYXEditorStateExact(doc)), "");
    EXPECT_EQ(VYXCheckEditor(doc), "");
    ASSERT_TRUE(doc.Command(vycControlUndo));
    EXPECT_EQ(VYXStateDiff(before, VYXEditorStateExact(doc)), "");
}

}  // namespace

TEST(UndoAnchored, DeleteAcrossParagraphsGivesEachParagraphItsBoxesBack)
{
    struct TCase {
        int FromPara, FromPos, ToPara, ToPos;
    };
    // Inside the first to inside the third; from a start; to a start; within one.
    for (const TCase c : {TCase{0, 6, 2, 4}, TCase{0, 1, 2, 4}, TCase{0, 6, 3, 1}, TCase{1, 1, 3, 1},
                          TCase{0, 2, 0, 8}}) {
        SCOPED_TRACE(std::to_string(c.FromPara) + ":" + std::to_string(c.FromPos) + "-" + std::to_string(c.ToPara) +
                     ":" + std::to_string(c.ToPos));
        for (const bool typing : {false, true}) {
            TVYXLogDocEditor doc;
            BuildBoxes(doc);
            if (HasFatalFailure())
                return;
            ASSERT_EQ(Boxes(doc, 0), 2);
            EditUndoRedo(doc, At(doc, c.FromPara, c.FromPos), At(doc, c.ToPara, c.ToPos), [&] {
                ASSERT_TRUE(typing ? doc.Command(vycInsertAtCaret, std::u16string_view(u"typed"))
                                   : doc.Command(vycDelSelection));
            });
            EXPECT_EQ(Boxes(doc, 0), 2);
            EXPECT_EQ(Boxes(doc, 1), 1);
            EXPECT_EQ(Boxes(doc, 2), 1);
            EXPECT_EQ(Boxes(doc, 3), 0);
        }
    }
}

// A new paragraph mark inside a paragraph with boxes: the boxes stay with the first
// half, and undo and redo of the split keep them there, once.
TEST(UndoAnchored, SplittingKeepsTheBoxesOnce)
{
    for (const std::int32_t pos : {1, 6, 16}) {
        SCOPED_TRACE(pos);
        TVYXLogDocEditor doc;
        BuildBoxes(doc);
        if (HasFatalFailure())
            return;
        EditUndoRedo(doc, At(doc, 0, pos), At(doc, 0, pos), [&] { ASSERT_TRUE(doc.Command(vycControlNewPara)); });
        EXPECT_EQ(Boxes(doc, 0), 2);
        EXPECT_EQ(Boxes(doc, 1), 1);
    }
}

// A text box's own editor sizing the box it stands in: the shape is anchored in the
// main body, so the change is a record there and the history before it stays.
TEST(UndoAnchored, ABoxSizedFromItsOwnEditorIsUndone)
{
    TVYXLogDocEditor doc;
    BuildBoxes(doc);
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(doc.Command(vycInsertAtCaret, std::u16string_view(u"kept ")));
    TVYXGraphicObj& box = doc.Paras().GetParas(1)->Graphics()->GetItems(0);
    TVYXLogDocEditor* inside = nullptr;
    for (int i = 0; i < doc.TextBoxes().Count(); ++i)
        if (const auto* shape = dynamic_cast<const TVYXGraphicRotate*>(&box);
            shape && shape->TextBox && shape->TextBox->Paras == &doc.TextBoxes().GetItems(i).Paras())
            inside = &doc.TextBoxes().GetItems(i);
    ASSERT_NE(inside, nullptr);
    ASSERT_TRUE(inside->Command(vycInsertAtCaret, std::u16string_view(u"boxed")));
    const std::string before = VYXEditorStateExact(doc);
    const int groups = doc.Undo().UndoCount();
    inside->Selections().Select(&box);
    ASSERT_TRUE(inside->Command(vycGraphicWidth, 222.0));
    ASSERT_TRUE(inside->Command(vycGraphicLeft, 33.0));
    EXPECT_EQ(box.Width, 222.0);
    const std::string after = VYXEditorStateExact(doc);
    ASSERT_EQ(doc.Undo().UndoCount(), groups + 2) << "the history before the change stays";
    ASSERT_TRUE(doc.Undo().Undo());
    ASSERT_TRUE(doc.Undo().Undo());
    EXPECT_EQ(box.Width, 150.0);
    EXPECT_EQ(VYXStateDiff(before, VYXEditorStateExact(doc)), "");
    ASSERT_TRUE(doc.Undo().Redo());
    ASSERT_TRUE(doc.Undo().Redo());
    EXPECT_EQ(VYXStateDiff(after, VYXEditorStateExact(doc)), "");
    EXPECT_EQ(&doc.Paras().GetParas(1)->Graphics()->GetItems(0), &box) << "the same object, changed";
    while (doc.Undo().Undo()) {
    }
    EXPECT_EQ(Utf16ToUtf8(doc.Paras().GetParas(0)->GetPlainText()), "First paragraph");
    EXPECT_EQ(VYXCheckEditor(doc), "");
}
