// VYXUndoAnchored.h: the history's record of an object anchored to a paragraph (a
// text box or another floating object). Anchored objects live in their paragraph's
// object list, beside the text the edit door changes, so the editor records them
// itself: by the paragraph's address and the object's index in its list, with the
// object itself while it is out of the list, never a pointer into the tree.
#pragma once

#include <memory>
#include <string>

#include "editing/VYXUndo.h"
#include "model/VYXDocAddress.h"

class TVYXGraphicObj;
class TVYXLogPara;

class TVYXUndoDataAnchored : public TVYXUndoData {
public:
    enum TKind {
        aakAdded,   // replay takes the object at Index out of the list (it was added)
        aakRemoved,  // replay puts Object back at Index (it was taken out)
        aakChange    // replay gives the object at Index Object's properties (its former ones)
    };
    TVYXUndoDataAnchored(TVYXCommand cmd, int group, TVYXLogDocEditor& editor, TKind kind, const TVYXLogPara& para,
                         int index, std::unique_ptr<TVYXGraphicObj> object);
    ~TVYXUndoDataAnchored() override;
    TVYXLogDocEditor* Editor;  // borrowed; the history is cleared before an editor goes
    TKind Kind;
    TVYXDocAddress Para;
    int Index;
    // The object while it is out of the list: it goes back as the same object, so a
    // text box keeps its own paragraphs. For a change, a copy holding the properties
    // to give back (assigning them keeps the box's own paragraphs).
    std::unique_ptr<TVYXGraphicObj> Object;
    std::string AsString() const override;
    std::unique_ptr<TVYXUndoData> Replay(TVYXUndo& undo) override;
};
