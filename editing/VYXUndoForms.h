// VYXUndoForms.h: the history's record of a form check box's state. A click toggles
// the box's own data, which no run edit holds, so the record keeps the address of the
// field's begin run (paragraph address and run index, never a pointer into the tree)
// and the state to give back; replaying it sets that state and keeps the other one.
#pragma once

#include <string>

#include "editing/VYXUndo.h"
#include "model/VYXDocAddress.h"

class TVYXComplexField;
class TVYXLogDocument;
class TVYXLogPara;

class TVYXUndoDataCheckBox : public TVYXUndoData {
public:
    TVYXUndoDataCheckBox(TVYXCommand cmd, int group, TVYXLogDocument& doc, const TVYXDocAddress& para, int run,
                         bool checked);
    TVYXLogDocument* Doc;  // borrowed; the history is cleared before a document goes
    TVYXDocAddress Para;   // the paragraph holding the field's begin run
    int Run = 0;           // that run's index in it
    bool Checked = false;  // the state replaying gives back
    TVYXUndoType Type_() const override { return autCheckBox; }
    std::string AsString() const override;
    std::unique_ptr<TVYXUndoData> Replay(TVYXUndo& undo) override;
};

// The index of the begin run of `field` in `para`, or -1.
int VYXFieldBeginRun(const TVYXLogPara& para, const TVYXComplexField& field);
