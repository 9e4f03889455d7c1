// VYXUndoFieldsFileTest.cpp: the changes that used to go round the history, on documents
// as readers build them (DOCX and RTF files of the shared corpus with complex fields,
// form fields, tracked changes and notes): fields updated, a note inserted before all
// the others, every change accepted or rejected; each step undone run for run down to
// the file as loaded, then redone.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editing/VYXKeys.h"
#include "editing/VYXLogEditor.h"
#include "editing/VYXUndo.h"
#include "editing/tests/VYXEditorInvariants.h"
#include "editing/tests/VYXUndoDump.h"
#include "editing/tests/VYXUndoExpect.h"

namespace fs = std::filesystem;

TEST(UndoFieldsFile, UpdatesNotesAndResolvedChangesComeBackRunForRun)
{
    const fs::path corpus = fs::path(VYX_SHARED_DIR) / "corpus";
    if (!fs::exists(corpus))
        GTEST_SKIP() << "no shared corpus";
    const char* files[] = {"docx/docxcompose-complex_field_with_split_fieldname.docx",
                           "docx/docx4j-field_numeric_formatting_switch.docx",
                           "docx/docx4j-LegacyForms.docx",
                           "docx/docx4j-toc.docx",
                           "docx/d2py-invalid_tag_name.docx",
                           "docx/docx4j-sample-docx.docx",
                           "docx/docxcompose-aatmay.docx",
                           "docx/docx4j-unmarshallFromTemplateDirtyExample.docx",
                           "rtf/pandoc-footnote.rtf"};
    int checked = 0, updated = 0, resolved = 0;
    for (const char* name : files) {
        SCOPED_TRACE(name);
        TVYXLogDocEditor doc;
        if (!fs::exists(corpus / name) || !VYXUndoLoadFile(doc, corpus / name))
            continue;
        ++checked;
        doc.ClockEvent = [](TVYXLogDocEditor&) { return 45667.5625; };
        doc.Undo().Clear();
        ASSERT_EQ(VYXCheckEditor(doc), "");
        TVYXUndo& undo = doc.Undo();
        std::vector<std::string> before, after;
        auto step = [&](TVYXCommand cmd) {
            const int groups = undo.UndoCount();
            const std::string state = VYXUndoFileState(doc);
            doc.Command(cmd);
            ASSERT_EQ(VYXCheckEditor(doc), "") << CommandName(cmd);
            if (undo.UndoCount() == groups)
                return;
            ASSERT_EQ(undo.UndoCount(), groups + 1) << CommandName(cmd);
            before.push_back(state);
            after.push_back(VYXUndoFileState(doc));
        };
        const std::size_t start = before.size();
        step(vycControlUpdateFields);
        updated += before.size() > start;
        doc.Command(vycMoveBeginningOfDoc);  // false when the caret stands there already
        step(vycInsertFootnote);
        const std::size_t beforeResolve = before.size();
        step(vycRevisionAcceptAll);
        resolved += before.size() > beforeResolve;
        step(vycControlUpdateFields);
        doc.Command(vycMoveEndOfDoc);
        step(vycInsertFootnote);
        step(vycRevisionRejectAll);
        if (HasFatalFailure())
            return;
        ASSERT_EQ(undo.UndoCount(), static_cast<int>(before.size()));
        for (std::size_t k = before.size(); k-- > 0;) {
            ASSERT_TRUE(undo.Undo());
            ASSERT_EQ(VYXCheckEditor(doc), "") << "undoing step " << k;
            ASSERT_EQ(VYXStateDiff(before[k], VYXUndoFileState(doc)), "") << "undoing step " << k;
        }
        for (std::size_t k = 0; k < after.size(); ++k) {
            ASSERT_TRUE(undo.Redo());
            ASSERT_EQ(VYXCheckEditor(doc), "") << "redoing step " << k;
            ASSERT_EQ(VYXStateDiff(after[k], VYXUndoFileState(doc)), "") << "redoing step " << k;
        }
    }
    RecordProperty("files", checked);
    RecordProperty("updated", updated);
    RecordProperty("resolved", resolved);
    EXPECT_GE(checked, 5);
    EXPECT_GE(updated, 1) << "files whose fields changed on update";
    EXPECT_GE(resolved, 1) << "files with changes to accept";
}
