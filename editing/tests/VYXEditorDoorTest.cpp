// Changes the editor used to make beside the one door for edits (section settings,
// page settings, anchored objects): watchers hear each as an edit,
// and undo takes it back and redo makes it again.
#include <gtest/gtest.h>

#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXGraphics.h"
#include "model/tests/VYXDocDump.h"

namespace {

struct TEdits : TVYXDocWatcher {
    int Inserts = 0, Removes = 0, Formats = 0;
    void DocChanged(TVYXLogDocument&, const TVYXDocEditEvent& event) override
    {
        (event.Change.Kind == adckInsert ? Inserts : event.Change.Kind == adckRemove ? Removes : Formats)++;
    }
    int Total() const { return Inserts + Removes + Formats; }
};

// Runs `edit` with a watcher on, expects it told, then undo gives `before` back
// (checked by `same`) and redo the state after.
template <class TState>
void ExpectDoorEdit(TVYXLogDocEditor& doc, const std::function<TState()>& state, const std::function<void()>& edit)
{
    const TState before = state();
    TEdits edits;
    doc.AddWatcher(edits);
    edit();
    doc.RemoveWatcher(edits);
    EXPECT_GT(edits.Total(), 0) << "the watchers heard nothing";
    const TState after = state();
    EXPECT_NE(after, before) << "the edit changed nothing";
    ASSERT_TRUE(doc.Command(vycControlUndo));
    EXPECT_EQ(state(), before);
    EXPECT_EQ(VYXCheckEditor(doc), "");
    ASSERT_TRUE(doc.Command(vycControlRedo));
    EXPECT_EQ(state(), after);
    EXPECT_EQ(VYXCheckEditor(doc), "");
}

std::vector<int> ColumnCounts(TVYXLogDocEditor& doc)
{
    std::vector<int> counts;
    for (TVYXLogPara* p = doc.FirstPara(); p; p = p->Next())
        if (p->SEP())
            counts.push_back(p->SEP()->Cols.Count());
    counts.push_back(doc.SEP().Cols.Count());
    return counts;
}

}  // namespace

TEST(EditorDoorSections, ColumnsOfEachTouchedSectionAreAnUndoableEdit)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"first section");
    doc.AppendParaUI(u"second section");
    doc.EndUpdate();
    ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(doc.Paras().GetParas(0), 6)));
    ASSERT_TRUE(doc.Command(vycControlSectionBreak));
    ASSERT_EQ(doc.Paras().Count(), 3);
    // Only the caret's section, the first: the paragraph ending it carries the columns.
    ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(doc.Paras().GetParas(0), 2)));
    ExpectDoorEdit<std::vector<int>>(doc, [&] { return ColumnCounts(doc); },
                                     [&] { ASSERT_TRUE(doc.Selections().SetColumns(2, 12)); });
    EXPECT_EQ(ColumnCounts(doc), (std::vector<int>{2, 0}));
    // Everything: both sections, the last one being the document's own.
    doc.Command(vycSelectAll);
    ExpectDoorEdit<std::vector<int>>(doc, [&] { return ColumnCounts(doc); },
                                     [&] { ASSERT_TRUE(doc.Selections().SetColumns(3, 6)); });
    EXPECT_EQ(ColumnCounts(doc), (std::vector<int>{3, 3}));
    EXPECT_EQ(doc.Selections().GetColumns(), 3);
}

TEST(EditorDoorSections, PageSettingsAreAnUndoableEdit)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"text");
    doc.EndUpdate();
    auto page = [&doc] {
        return std::vector<double>{doc.SEP().PageWidth, doc.SEP().PageHeight, doc.SEP().MargLeft,
                                   doc.CmdSettingValBool(vycSettingPageLandscape) ? 1.0 : 0.0};
    };
    ExpectDoorEdit<std::vector<double>>(doc, page, [&] { ASSERT_TRUE(doc.Command(vycSettingPageMargLeft, 20.0)); });
    EXPECT_DOUBLE_EQ(doc.CmdSettingValFloat(vycSettingPageMargLeft), 20);
    ExpectDoorEdit<std::vector<double>>(doc, page, [&] { ASSERT_TRUE(doc.Command(vycSettingPageLandscape, true)); });
    EXPECT_GT(doc.SEP().PageWidth, doc.SEP().PageHeight);
    EXPECT_FALSE(doc.Command(vycSettingPaperWidth, -5.0));
    // An empty body has nothing to name the edit by: the settings change all the same.
    TVYXLogDocEditor empty;
    EXPECT_TRUE(empty.Command(vycSettingPageMargTop, 30.0));
    EXPECT_DOUBLE_EQ(empty.SEP().MargTop, 30);
}

TEST(EditorDoorObjects, AnchoredObjectPropertiesAreAnUndoableEdit)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"anchor");
    doc.EndUpdate();
    TVYXLogPara* para = doc.Paras().GetParas(0);
    TVYXGraphicObj& shape = para->AddGraphic(std::make_unique<TVYXGraphicShape>(nullptr));
    shape.Width = 150;
    doc.Selections().Select(&shape);
    auto size = [&shape] { return std::vector<double>{shape.Width, shape.Height}; };
    ExpectDoorEdit<std::vector<double>>(doc, size, [&] { ASSERT_TRUE(doc.Command(vycGraphicWidth, 120.0)); });
    EXPECT_DOUBLE_EQ(shape.Width, 120);
    EXPECT_EQ(&para->Graphics()->GetItems(0), &shape) << "changed in place, not replaced";
    EXPECT_FALSE(doc.Command(vycGraphicWidth, 0.0)) << "refused values change nothing";
    EXPECT_DOUBLE_EQ(shape.Width, 120);
}

TEST(EditorDoorObjects, ATextBoxKeepsItsTextThroughChangeAndUndo)
{
    TVYXLogDocEditor doc;
    doc.AppendParaUI(u"ab");
    doc.EndUpdate();
    ASSERT_TRUE(doc.Command(vycMovePos, TVYXLogPos(doc.Paras().GetParas(0), 2)));
    ASSERT_TRUE(doc.Command(vycGraphicInsertTextBox));
    TVYXGraphicObj* box = doc.Selections().Graphic;
    ASSERT_NE(box, nullptr);
    auto* rotate = dynamic_cast<TVYXGraphicRotate*>(box);
    ASSERT_TRUE(rotate && rotate->TextBox && rotate->TextBox->Paras);
    TVYXLogParas* text = rotate->TextBox->Paras;
    text->GetParas(0)->Append(u"inside");
    auto size = [box] { return std::vector<double>{box->Width, box->Height}; };
    ExpectDoorEdit<std::vector<double>>(doc, size, [&] { ASSERT_TRUE(doc.Command(vycGraphicHeight, 80.0)); });
    EXPECT_EQ(rotate->TextBox->Paras, text) << "the box keeps its own paragraphs";
    EXPECT_EQ(text->GetParas(0)->GetPlainText(), u"inside");
}
