// VYXUndoFileTest.cpp: undo over documents as readers build them (RTF and DOCX files of
// the shared corpus, with runs split as the files had them, notes, tables, lists and
// fields): seeded random commands, then every group undone, each giving back the state
// before it run for run, down to the file as loaded; then every group redone.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "editing/tests/VYXUndoDump.h"
#include "editing/tests/VYXUndoExpect.h"

namespace fs = std::filesystem;

namespace {

// Commands of every class that goes through the door, notes and table reshapes among
// them (the corpus files hold bookmarks inside tables).
std::vector<TVYXCommand> Commands()
{
    return {vycMoveCharLeft, vycMoveCharRight, vycMoveWordRight, vycMoveParaDown, vycMoveParaUp, vycMoveEndOfLine,
            vycMoveEndOfDoc, vycMoveBeginningOfDoc, vycMoveCellNext, vycSelectCharRight, vycSelectWordRight,
            vycSelectParaDown, vycSelectWord, vycSelectPara, vycDelCharLeft, vycDelCharRight, vycDelWordRight,
            vycDelSelection, vycControlNewPara, vycControlTab, vycControlLineBreak, vycFormatBold, vycFormatItalic,
            vycFormatUnderline, vycFormatIncFont, vycFormatParaCenter, vycFormatParaIncIndentLeft,
            vycFormatParaBullet, vycFormatRemoveBulletNumbering, vycTableInsertRowsBelow, vycTableInsertColsLeft,
            vycTableDeleteRow, vycTableDeleteCol, vycTableMergeCells,
            vycInsertFootnote, vycInsertHorizLineAtCaret};
}

}  // namespace

TEST(UndoFile, CorpusDocumentsComeBackRunForRun)
{
    const fs::path corpus = fs::path(VYX_SHARED_DIR) / "corpus";
    if (!fs::exists(corpus))
        GTEST_SKIP() << "no shared corpus";
    const char* files[] = {"rtf/pandoc-footnote.rtf",    "rtf/osxcart-p056_footnotes.rtf", "rtf/pandoc-table_nested.rtf",
                           "rtf/pandoc-list_complex.rtf", "rtf/rtfjs-sample.rtf",           "docx/docx4j-tables.docx",
                           "docx/d2py-merged_cells.docx", "docx/docx4j-sample-docx.docx"};
    const std::vector<TVYXCommand> commands = Commands();
    int checked = 0;
    for (const char* name : files) {
        SCOPED_TRACE(name);
        TVYXLogDocEditor doc;
        if (!fs::exists(corpus / name) || !VYXUndoLoadFile(doc, corpus / name))
            continue;
        ++checked;
        doc.Undo().Clear();
        ASSERT_EQ(VYXCheckEditor(doc), "");
        const std::string loaded = VYXUndoFileState(doc);
        TVYXUndo& undo = doc.Undo();
        std::mt19937 rng(7);
        std::vector<std::string> before, after;
        for (int step = 0; step < 300; ++step) {
            const int groups = undo.UndoCount();
            const long records = undo.RecordCount();
            std::string state = VYXUndoFileState(doc);
            std::string done;
            if (rng() % 4 == 0) {
                doc.Command(vycInsertAtCaret, std::u16string_view(rng() % 2 ? u"typed " : u"x"));
                done = "typing";
            } else {
                const TVYXCommand cmd = commands[rng() % commands.size()];
                doc.Command(cmd);
                done = CommandName(cmd);
            }
            ASSERT_EQ(VYXCheckEditor(doc), "") << "step " << step << " " << done;
            if (undo.UndoCount() == groups + 1) {
                before.push_back(std::move(state));
                after.push_back(VYXUndoFileState(doc));
            } else if (undo.RecordCount() != records) {
                ASSERT_EQ(undo.UndoCount(), groups) << "step " << step << " " << done;
                after.back() = VYXUndoFileState(doc);
            }
        }
        ASSERT_EQ(undo.UndoCount(), static_cast<int>(before.size()));
        for (int k = static_cast<int>(before.size()) - 1; k >= 0; --k) {
            ASSERT_TRUE(undo.Undo());
            ASSERT_EQ(VYXStateDiff(before[static_cast<std::size_t>(k)], VYXUndoFileState(doc)), "") << "undoing group " << k;
        }
        // Moves before the first edit are no step: the body is the file as loaded.
        EXPECT_EQ(VYXStateDiff(vyxtest::Dump(doc) + VYXNotesState(doc),
                               loaded.substr(0, loaded.rfind("caret "))),
                  "");
        for (std::size_t k = 0; k < after.size(); ++k) {
            ASSERT_TRUE(undo.Redo());
            ASSERT_EQ(VYXStateDiff(after[k], VYXUndoFileState(doc)), "") << "redoing group " << k;
        }
    }
    EXPECT_GE(checked, 6);
}
