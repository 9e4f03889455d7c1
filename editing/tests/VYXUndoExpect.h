// VYXUndoExpect.h: the round every undo test puts one group through, and corpus files
// loaded as the readers build them for the tests that undo over real documents.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "editing/tests/VYXUndoDump.h"
#include "model/VYXCharProps.h"
#include "model/VYXDocAddress.h"

// Undoes the newest group and compares with `before`, redoes it and compares with the
// state after it, then undoes it again (so a test can go on from `before`).
inline void ExpectUndoRedo(TVYXLogDocEditor& doc, const std::string& before)
{
    const std::string after = VYXEditorStateExact(doc);
    ASSERT_TRUE(doc.Command(vycControlUndo));
    EXPECT_EQ(VYXCheckEditor(doc), "");
    EXPECT_EQ(VYXStateDiff(before, VYXEditorStateExact(doc)), "");
    ASSERT_TRUE(doc.Command(vycControlRedo));
    EXPECT_EQ(VYXCheckEditor(doc), "");
    EXPECT_EQ(VYXStateDiff(after, VYXEditorStateExact(doc)), "");
    ASSERT_TRUE(doc.Undo().Undo());
    EXPECT_EQ(VYXStateDiff(before, VYXEditorStateExact(doc)), "");
}

// Bookmarks the selection as `name`, forgets that step, and puts an empty run of
// 25-point text at `at`: the zero-width runs the boundary tests arrange around an edit.
inline void VYXBookmarkWithEmptyRun(TVYXLogDocEditor& doc, std::u16string_view name, const TVYXDocAddress& at)
{
    ASSERT_NE(doc.InsertBookmark(name), nullptr);
    doc.Undo().Clear();
    TVYXCHPX big(&doc.GetMasterCHP());
    big.SetSize(25);
    doc.PutEmptyRun(at, &big);
}

// A corpus document's state for the file tests: the body run for run, the notes and
// the selection text.
inline std::string VYXUndoFileState(TVYXLogDocEditor& doc)
{
    return vyxtest::Dump(doc) + VYXNotesState(doc) + VYXSelectionText(doc);
}

// Loads an RTF or DOCX file of the corpus into `doc`; false when the reader refuses it.
// Defined with the file tests' own readers (VYXUndoFileLoad.cpp).
bool VYXUndoLoadFile(TVYXLogDocEditor& doc, const std::filesystem::path& file);
