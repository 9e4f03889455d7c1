// VYXGraphicSessionTest.cpp: drawing objects edited with the mouse as a user does it:
// a preset shape inserted at a click, moved onto another paragraph (which becomes its
// anchor), turned with the rotation grip, made inline and floating again, and every
// step taken back by undo.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "editing/VYXEditor.h"
#include "editing/VYXLogEditor.h"
#include "editing/VYXMouseResponders.h"
#include "editing/VYXUndo.h"
#include "host/VYXHeadlessHost.h"
#include "host/VYXSession.h"
#include "layout/VYXPaginate.h"
#include "model/VYXCharRun.h"
#include "model/VYXGraphics.h"
#include "platform/VYXUnicode.h"

namespace fs = std::filesystem;

namespace {
TVYXLogPara* ParaNo(TVYXEditor& e, int n)
{
    TVYXLogPara* p = e.MainDoc().FirstPara();
    for (int i = 1; p && i < n; ++i)
        p = p->Next();
    return p;
}

int FloatingCount(TVYXEditor& e)
{
    int n = 0;
    for (TVYXLogPara* p = e.MainDoc().FirstPara(); p; p = p->Next())
        n += p->Graphics() ? p->Graphics()->Count() : 0;
    return n;
}

bool HasObjectRun(const TVYXLogPara& para)
{
    for (int i = 0; i < para.Count(); ++i)
        if (dynamic_cast<const TVYXCharRunGraphic*>(para.GetItems(i)))
            return true;
    return false;
}

struct TBox {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

TBox BoxOf(TVYXEditor& e, const TVYXGraphicObj& g)
{
    TBox b;
    EXPECT_TRUE(e.GraphicScreenRect(g, b.X1, b.Y1, b.X2, b.Y2));
    return b;
}

// Ten short paragraphs: room to drop a shape on one of them.
void TypeParagraphs(TVYXHeadlessHost& host)
{
    for (int i = 1; i <= 10; ++i)
        host.Type(u"Paragraph number " + Utf8ToUtf16(std::to_string(i)) + (i < 10 ? u"\n" : u""));
}
}  // namespace

TEST(GraphicSession, AShapeInsertedAtAClickMovesRotatesFlipsAndUndoes)
{
    TVYXHeadlessHost host(900, 1000);
    TVYXEditor& e = host.Editor();
    TypeParagraphs(host);
    const std::u16string original = e.MainDoc().GetPlainText();
    const int groupsBefore = e.Undo().UndoCount();

    // The next click puts a rectangle there, its top-left corner under the mouse.
    ASSERT_TRUE(e.CommandUI(vycGraphicInsertShapeAtMouse, 1));
    double cx = 0, cy = 0;
    ASSERT_TRUE(host.PointOf(TVYXLogPos(ParaNo(e, 1), 5), cx, cy));
    host.Click(cx, cy);
    ASSERT_EQ(FloatingCount(e), 1);
    TVYXGraphicObj* shape = e.EditedGraphic();
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->Type_(), agtRectangle);
    EXPECT_EQ(e.FindAnchorPara(*shape), ParaNo(e, 1));
    TBox box = BoxOf(e, *shape);
    EXPECT_NEAR(box.X1, cx, 2);
    EXPECT_NEAR(box.Y1, cy, 2);
    EXPECT_EQ(e.MainDoc().GetPlainText(), original);

    // Dragged down by the distance to paragraph 7: anchored there, and it stays where it was dropped.
    double px = 0, py = 0;
    ASSERT_TRUE(host.PointOf(TVYXLogPos(ParaNo(e, 7), 5), px, py));
    const double dy = py - cy;
    const double mx = (box.X1 + box.X2) / 2, my = (box.Y1 + box.Y2) / 2;
    host.MouseDown(mx, my);
    host.MouseMove(mx + 10, my + dy / 2);
    host.MouseUp(mx + 10, my + dy);
    shape = e.EditedGraphic();
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(e.FindAnchorPara(*shape), ParaNo(e, 7));
    const TBox moved = BoxOf(e, *shape);
    EXPECT_NEAR(moved.X1, box.X1 + 10, 2);
    EXPECT_NEAR(moved.Y1, box.Y1 + dy, 2);
    EXPECT_EQ(FloatingCount(e), 1);

    // The rotation grip above the top edge, dragged to the right of the centre: a quarter turn.
    const double gx = (moved.X1 + moved.X2) / 2, gy = moved.Y1 - TVYXGraphicEditor::cRotateStem;
    const double centreX = (moved.X1 + moved.X2) / 2, centreY = (moved.Y1 + moved.Y2) / 2;
    host.MouseDown(gx, gy);
    host.MouseMove(centreX + 40, centreY - 40);
    host.MouseUp(centreX + 80, centreY);
    shape = e.EditedGraphic();
    ASSERT_NE(shape, nullptr);
    EXPECT_NEAR(shape->GetAngle(), 90, 1);

    // Inline: the object stands in paragraph 7's text; floating again: back in a list.
    ASSERT_TRUE(e.CommandUI(vycGraphicWrap, static_cast<int>(agowInLine)));
    EXPECT_EQ(FloatingCount(e), 0);
    EXPECT_TRUE(HasObjectRun(*ParaNo(e, 7)));
    ASSERT_NE(e.EditedGraphic(), nullptr);
    EXPECT_NEAR(e.EditedGraphic()->GetAngle(), 90, 1);
    ASSERT_TRUE(e.CommandUI(vycGraphicWrap, static_cast<int>(agowBehind)));
    EXPECT_EQ(FloatingCount(e), 1);
    EXPECT_FALSE(HasObjectRun(*ParaNo(e, 7)));
    EXPECT_EQ(ParaNo(e, 7)->GetPlainText(), u"Paragraph number 7");
    ASSERT_NE(e.EditedGraphic(), nullptr);
    EXPECT_EQ(e.EditedGraphic()->Wrap, agowBehind);

    // Everything is taken back step by step, then done again.
    const int steps = e.Undo().UndoCount() - groupsBefore;
    EXPECT_GE(steps, 5);
    for (int i = 0; i < steps; ++i)
        ASSERT_TRUE(e.CommandUI(vycControlUndo)) << "step " << i;
    EXPECT_EQ(FloatingCount(e), 0);
    EXPECT_EQ(e.MainDoc().GetPlainText(), original);
    // Redone: the shape is back, on paragraph 1 where it went in.
    ASSERT_TRUE(e.CommandUI(vycControlRedo));
    EXPECT_EQ(FloatingCount(e), 1);
    ASSERT_NE(ParaNo(e, 1)->Graphics(), nullptr);
    EXPECT_EQ(ParaNo(e, 1)->Graphics()->Count(), 1);
}

TEST(GraphicSession, ShapesFromTheCommandAtTheCaretAndTheirLimits)
{
    TVYXHeadlessHost host;
    TVYXEditor& e = host.Editor();
    TypeParagraphs(host);
    // An ellipse and a line at the caret's paragraph, each one undo step.
    e.CommandUI(vycMovePos, TVYXLogPos(ParaNo(e, 2), 1));
    const int before = e.Undo().UndoCount();
    ASSERT_TRUE(e.CommandUI(vycGraphicInsertShapeAtPosPara, 3));
    ASSERT_TRUE(e.CommandUI(vycGraphicInsertShapeAtPosPara, 20));
    EXPECT_EQ(FloatingCount(e), 2);
    EXPECT_EQ(e.Undo().UndoCount(), before + 2);
    ASSERT_NE(ParaNo(e, 2)->Graphics(), nullptr);
    EXPECT_EQ(ParaNo(e, 2)->Graphics()->GetItems(0).Type_(), agtEllipse);
    EXPECT_EQ(ParaNo(e, 2)->Graphics()->GetItems(1).Type_(), agtLine);
    // Values a floating object refuses leave it as it was and record nothing.
    TVYXGraphicObj* line = e.EditedGraphic();
    ASSERT_NE(line, nullptr);
    const int groups = e.Undo().UndoCount();
    EXPECT_FALSE(e.CommandUI(vycGraphicWidth, -5.0));
    EXPECT_FALSE(e.CommandUI(vycGraphicWrap, 99));
    EXPECT_FALSE(e.CommandUI(vycGraphicRotate, 30.0));  // a line does not turn
    EXPECT_EQ(e.Undo().UndoCount(), groups);
    // A size typed in is one undo step too.
    e.FocusDoc().Selections().Select(&ParaNo(e, 2)->Graphics()->GetItems(0));
    ASSERT_TRUE(e.CommandUI(vycGraphicWidth, 200.0));
    EXPECT_DOUBLE_EQ(ParaNo(e, 2)->Graphics()->GetItems(0).Width, 200);
    ASSERT_TRUE(e.CommandUI(vycControlUndo));
    EXPECT_DOUBLE_EQ(ParaNo(e, 2)->Graphics()->GetItems(0).Width, 100);
    // An unknown preset inserts nothing.
    EXPECT_FALSE(e.CommandUI(vycGraphicInsertShapeAtPosPara, 999) && FloatingCount(e) == 3);
    EXPECT_EQ(FloatingCount(e), 2);
}

TEST(GraphicSession, PlayedScriptInsertsTurnsAndUndoesEverything)
{
    TVYXHeadlessHost host(900, 1000);
    TVYXSession session(host, fs::temp_directory_path().string());
    const TVYXSessionResult r = session.Play(R"(
text "One\nTwo\nThree\nFour\nFive\nSix"
command GraphicInsertShapeAtMouse 3
click @2:2
assert floating 1
assert graphic anchor 2
assert graphic width 100
drag @rotate 700 300
assert graphic floating 1
command GraphicRotate 45.0
assert graphic angle 45
command GraphicWrap 0
assert floating 0
assert graphic floating 0
undo-all
assert floating 0
assert original
)");
    EXPECT_TRUE(r.Ok) << "line " << r.Line << ": " << r.Message;
}
