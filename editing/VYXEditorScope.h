// VYXEditorScope.h: the guard that keeps the facade's command bracket paired (facade sources only).
#pragma once

#include "editing/VYXEditor.h"

// Keeps BeforeCommand/AfterCommand paired: an exception inside a command closes its
// undo group and its nesting level without running the deferred update.
class TVYXEditorCommandScope {
public:
    TVYXEditorCommandScope(TVYXEditor& editor, TVYXCommand cmd) : FEditor(editor) { FEditor.BeforeCommand(cmd); }
    // Runs while an exception unwinds: closing the undo group must not raise again.
    ~TVYXEditorCommandScope()
    {
        if (!FDone)
            FEditor.AbortCommand();
    }
    void Finish()
    {
        FDone = true;
        FEditor.AfterCommand();
    }
    TVYXEditorCommandScope(const TVYXEditorCommandScope&) = delete;
    TVYXEditorCommandScope& operator=(const TVYXEditorCommandScope&) = delete;

private:
    TVYXEditor& FEditor;
    bool FDone = false;
};

