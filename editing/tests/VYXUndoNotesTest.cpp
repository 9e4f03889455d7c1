// VYXUndoNotesTest.cpp: footnotes and endnotes in the history: inserting a note, typing
// and breaking paragraphs inside it, deleting text that holds references (their notes
// go and come back), and seeded random commands over the body and both notes bodies,
// every group undone and redone exactly.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "editing/tests/VYXRichDoc.h"
#include "editing/tests/VYXUndoDump.h"
#include "model/VYXNotes.h"

namespace {

// The bodies and notes run for run, with the caret and selections of `editor` (undo
// gives back those of the editor a command ran in).
std::string State(TVYXLogDocEditor& doc, TVYXLogDocEditor& editor)
{
    return vyxtest::Dump(doc) + VYXNotesState(doc) + VYXSelectionText(editor);
}

std::string State(TVYXLogDocEditor& doc) { return State(doc, doc); }

TVYXLogPos At(TVYXLogDocEditor& doc, int para, std::int32_t pos) { return {doc.Paras().GetParas(para), pos}; }

void Build(TVYXLogDocEditor& doc)
{
    TVYXEditorUpdate update(doc);
    doc.AppendParaUI(u"Alpha beta gamma");
    doc.AppendParaUI(u"Delta epsilon");
    doc.AppendParaUI(u"Zeta eta theta");
}

// The states around each group and the editor its command ran in.
struct TGroups {
    std::vector<std::string> Before, After;
    std::vector<TVYXLogDocEditor*> Editors;
};

// Undoes every group, checking each state before it, then redoes every group.
void UndoRedoAll(TVYXLogDocEditor& doc, const TGroups& groups)
{
    TVYXUndo& undo = doc.Undo();
    ASSERT_EQ(undo.UndoCount(), static_cast<int>(groups.Before.size())) << undo.DEBUG_Dump();
    for (int k = static_cast<int>(groups.Before.size()) - 1; k >= 0; --k) {
        const auto i = static_cast<std::size_t>(k);
        ASSERT_TRUE(undo.Undo()) << k;
        ASSERT_EQ(VYXCheckEditor(doc), "") << k;
        ASSERT_EQ(VYXStateDiff(groups.Before[i], State(doc, *groups.Editors[i])), "") << "undoing group " << k;
    }
    for (std::size_t k = 0; k < groups.After.size(); ++k) {
        ASSERT_TRUE(undo.Redo()) << k;
        ASSERT_EQ(VYXStateDiff(groups.After[k], State(doc, *groups.Editors[k])), "") << "redoing group " << k;
    }
}

}  // namespace

TEST(UndoNotes, InsertingANoteAndTypingInsideItComeBackStepByStep)
{
    TVYXLogDocEditor doc;
    Build(doc);
    doc.Undo().Clear();
    TGroups groups;
    auto run = [&](TVYXLogDocEditor& editor, const std::function<void()>& command) {
        groups.Before.push_back(State(doc, editor));
        command();
        ASSERT_EQ(VYXCheckEditor(editor), "");
        groups.After.push_back(State(doc, editor));
        groups.Editors.push_back(&editor);
    };
    ASSERT_TRUE(doc.Command(vycMovePos, At(doc, 1, 6)));
    run(doc, [&] { ASSERT_TRUE(doc.Command(vycInsertFootnote)); });
    EXPECT_EQ(doc.Undo().UndoCount(), 1);  // the history survived the note
    TVYXLogDocEditor& notes = doc.Footnotes();
    notes.Caret().Assign(notes.Paras().GetParas(0), notes.Paras().GetParas(0)->EndOfParaPos());
    run(notes, [&] { ASSERT_TRUE(notes.Command(vycInsertAtCaret, std::u16string_view(u"first line"))); });
    run(notes, [&] { ASSERT_TRUE(notes.Command(vycControlNewPara)); });
    run(notes, [&] { ASSERT_TRUE(notes.Command(vycInsertAtCaret, std::u16string_view(u"second line"))); });
    // A second note before the first: it takes number 1 and its paragraph goes first.
    ASSERT_TRUE(doc.Command(vycMovePos, At(doc, 0, 3)));
    run(doc, [&] { ASSERT_TRUE(doc.Command(vycInsertEndnote)); });
    run(doc, [&] { ASSERT_TRUE(doc.Command(vycInsertFootnote)); });
    ASSERT_EQ(doc.FootnoteList().Count(), 2);
    EXPECT_NE(doc.FootnoteList().GetItems(1)->GetPlainText().find(u"first line"), std::u16string::npos);
    EXPECT_NE(doc.FootnoteList().GetItems(1)->GetPlainText().find(u"second line"), std::u16string::npos);
    EXPECT_EQ(doc.FootnoteList().GetItems(0)->StartPara, doc.Footnotes().Paras().GetParas(0));
    UndoRedoAll(doc, groups);
}

TEST(UndoNotes, DeletingReferencesTakesTheirNotesAndUndoBringsTheTextBack)
{
    TVYXLogDocEditor doc;
    Build(doc);
    doc.Undo().Clear();
    ASSERT_TRUE(doc.Command(vycMovePos, At(doc, 0, 6)));
    ASSERT_TRUE(doc.Command(vycInsertFootnote));
    ASSERT_TRUE(doc.Command(vycMovePos, At(doc, 2, 5)));
    ASSERT_TRUE(doc.Command(vycInsertFootnote));
    ASSERT_TRUE(doc.Command(vycMovePos, At(doc, 2, 9)));
    ASSERT_TRUE(doc.Command(vycInsertEndnote));
    TVYXLogDocEditor& notes = doc.Footnotes();
    for (int i = 0; i < 2; ++i) {
        TVYXLogPara* para = doc.FootnoteList().GetItems(i)->StartPara;
        notes.Caret().Assign(para, para->EndOfParaPos());
        ASSERT_TRUE(notes.Command(vycInsertAtCaret, std::u16string_view(i == 0 ? u"note one" : u"note two")));
    }
    TVYXLogDocEditor& endnotes = doc.Endnotes();
    endnotes.Caret().Assign(endnotes.Paras().GetParas(0), endnotes.Paras().GetParas(0)->EndOfParaPos());
    ASSERT_TRUE(endnotes.Command(vycInsertAtCaret, std::u16string_view(u"the end")));
    const int groups = doc.Undo().UndoCount();
    struct TCase {
        int FromPara, FromPos, ToPara, ToPos;
        int Footnotes, Endnotes;  // left after the deletion
    };
    // Across paragraphs over every reference; inside one paragraph over one; over the
    // first paragraph's reference only.
    for (const TCase& c : {TCase{0, 2, 2, 12, 0, 0}, TCase{2, 4, 2, 7, 1, 1}, TCase{0, 1, 1, 1, 1, 1}}) {
        SCOPED_TRACE(std::to_string(c.FromPara) + ":" + std::to_string(c.FromPos));
        ASSERT_TRUE(doc.Command(vycMovePos, At(doc, c.FromPara, c.FromPos)));
        ASSERT_TRUE(doc.Command(vycSelectToPos, At(doc, c.ToPara, c.ToPos)));
        const std::string selected = State(doc);
        ASSERT_TRUE(doc.Command(vycDelSelection));
        EXPECT_EQ(doc.FootnoteList().Count(), c.Footnotes);
        EXPECT_EQ(doc.EndnoteList().Count(), c.Endnotes);
        ASSERT_EQ(VYXCheckEditor(doc), "");
        const std::string deleted = State(doc);
        EXPECT_EQ(doc.Undo().UndoCount(), groups + 1);
        ASSERT_TRUE(doc.Undo().Undo());
        EXPECT_EQ(VYXStateDiff(selected, State(doc)), "");
        EXPECT_NE(doc.FootnoteList().GetItems(0)->GetPlainText().find(u"note one"), std::u16string::npos);
        ASSERT_TRUE(doc.Undo().Redo());
        EXPECT_EQ(VYXStateDiff(deleted, State(doc)), "");
        ASSERT_TRUE(doc.Undo().Undo());
        EXPECT_EQ(VYXStateDiff(selected, State(doc)), "");
        ASSERT_EQ(VYXCheckEditor(notes), "");
    }
}

// Seeded random commands on the body (inserting notes among them) and inside both
// notes bodies; every group undone gives back the state before it, notes included,
// and redone the state after it.
TEST(UndoNotes, RandomCommandsOverBodyAndNotes)
{
    const std::vector<TVYXCommand> mainCommands = {
        vycMoveCharLeft, vycMoveCharRight, vycMoveWordRight, vycMoveParaDown, vycMoveParaUp,
        vycMoveEndOfDoc, vycMoveBeginningOfDoc, vycSelectCharRight, vycSelectWordRight, vycSelectParaDown,
        vycSelectPara, vycDelCharLeft, vycDelCharRight, vycDelWordRight, vycDelSelection, vycControlNewPara,
        vycFormatBold, vycFormatItalic, vycInsertFootnote, vycInsertEndnote, vycInsertTableAtCaret, vycTableDeleteRow};
    const std::vector<TVYXCommand> noteCommands = {vycMoveCharLeft, vycMoveCharRight, vycMoveParaDown,
                                                   vycMoveParaUp, vycSelectCharLeft, vycSelectWordRight,
                                                   vycDelCharLeft, vycDelCharRight, vycDelSelection,
                                                   vycControlNewPara, vycFormatBold, vycMoveEndOfDoc};
    for (unsigned seed : {41u, 42u, 43u, 44u}) {
        const std::string what = "seed " + std::to_string(seed);
        TVYXLogDocEditor doc;
        VYXBuildRichDoc(doc, TVYXRichExtra::Bookmark);
        doc.Undo().Clear();
        TVYXUndo& undo = doc.Undo();
        std::mt19937 rng(seed);
        TGroups groups;
        for (int step = 0; step < 600; ++step) {
            const int count = undo.UndoCount();
            const long records = undo.RecordCount();
            const int kind = static_cast<int>(rng() % 10);
            TVYXLogDocEditor* editor = &doc;
            if (kind >= 6) {
                const bool endnote = kind == 9;
                TVYXLogDocEditor& notes = endnote ? doc.Endnotes() : doc.Footnotes();
                if (notes.Paras().Count() > 0 && notes.Caret().Valid())
                    editor = &notes;
            }
            std::string state = State(doc, *editor);
            std::string done;
            const bool typing = rng() % 3 == 0;
            if (typing) {
                static const char16_t* texts[] = {u"a", u"note ", u"x y"};
                editor->Command(vycInsertAtCaret, std::u16string_view(texts[rng() % 3]));
                done = "typing";
            } else {
                const std::vector<TVYXCommand>& list = editor == &doc ? mainCommands : noteCommands;
                const TVYXCommand cmd = list[rng() % list.size()];
                editor->Command(cmd);
                done = CommandName(cmd);
            }
            done += editor == &doc ? " in the body" : " in notes";
            ASSERT_EQ(VYXCheckEditor(doc), "") << what << " step " << step << " " << done;
            if (editor != &doc) {
                ASSERT_EQ(VYXCheckEditor(*editor), "") << what << " step " << step << " " << done;
            }
            if (undo.UndoCount() == count + 1) {
                groups.Before.push_back(std::move(state));
                groups.After.push_back(State(doc, *editor));
                groups.Editors.push_back(editor);
            } else if (undo.RecordCount() != records) {
                ASSERT_EQ(undo.UndoCount(), count) << what << " step " << step;
                ASSERT_FALSE(groups.After.empty());
                ASSERT_EQ(groups.Editors.back(), editor) << what << " step " << step;
                groups.After.back() = State(doc, *editor);
            }
        }
        EXPECT_GT(doc.FootnoteList().Count() + doc.EndnoteList().Count(), 0) << what;
        SCOPED_TRACE(what);
        UndoRedoAll(doc, groups);
        if (HasFatalFailure())
            return;
    }
}
