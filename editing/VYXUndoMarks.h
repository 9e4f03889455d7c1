// VYXUndoMarks.h: the history's record of the tracked-change marks that field and
// object runs (pictures, rules, text boxes' anchors, simple fields) keep on the run
// itself. Accepting or rejecting a change takes such a mark off in place, since a
// copy of the run would not own what it shows; the record keeps each run's address
// (paragraph address and run index) and a copy of its mark, never a pointer into the
// tree, and replaying it swaps the marks back.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editing/VYXUndo.h"
#include "model/VYXDocAddress.h"

class TVYXLogDocument;
class TVYXRevisionData;

class TVYXUndoDataRunMarks : public TVYXUndoData {
public:
    struct TRunMark {
        TVYXDocAddress Para;
        int Run = 0;
        std::unique_ptr<TVYXRevisionData> Mark;  // nullptr: the run had none
    };
    TVYXUndoDataRunMarks(TVYXCommand cmd, int group, TVYXLogDocument& doc);
    ~TVYXUndoDataRunMarks() override;
    TVYXLogDocument* Doc;  // borrowed; the history is cleared before a document goes
    std::vector<TRunMark> Marks;
    TVYXUndoType Type_() const override { return autRunMarks; }
    std::string AsString() const override;
    std::unique_ptr<TVYXUndoData> Replay(TVYXUndo& undo) override;

    // Takes the mark off run `run` of `para` (in `doc`), keeping a copy here.
    void Unmark(TVYXLogPara& para, int run);
};
