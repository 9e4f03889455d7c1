// VYXUndoNotes.h: footnotes and endnotes in the history: the record that takes a note
// out of (or puts it back into) its note list and the notes body, and the upkeep of
// the notes' limits after edits.
//
// A note is three things: a reference run in the main body (a door edit of its own),
// an item of the note list, and the note's paragraphs in the notes body, which start
// with the paragraph holding the note's mark. The list and the notes body change
// beside the door, so a note record keeps the list index and the body index, and
// holds the item and its paragraphs while they are out: the same objects go back in,
// so the runs naming the item stay true.
#pragma once

#include <memory>
#include <vector>

#include "editing/VYXUndo.h"

struct TVYXFootnoteBaseItem;
class TVYXFootnoteItem;
class TVYXLogParaItem;
class TVYXLogParas;

class TVYXUndoDataNote : public TVYXUndoData {
public:
    TVYXUndoDataNote(TVYXCommand cmd, int group, TVYXLogDocEditor& main, bool endnote, int index, bool present);
    ~TVYXUndoDataNote() override;
    TVYXLogDocEditor* Main;  // borrowed, as the other records' editors
    bool Endnote;
    int Index;          // in the note list, 0-based
    int FirstItem = 0;  // in the notes body: where the note's paragraphs go back
    // The note is in the document: replay takes it out. Otherwise replay puts Kept and
    // Items back.
    bool Present;
    std::unique_ptr<TVYXFootnoteItem> Kept;
    std::vector<std::unique_ptr<TVYXLogParaItem>> Items;
    TVYXUndoType Type_() const override { return autNote; }
    std::string AsString() const override;
    std::unique_ptr<TVYXUndoData> Replay(TVYXUndo& undo) override;
};

// Sets every note's anchor (reference run and its paragraph) from the main body and
// its limits from the notes body, renumbers the reference marks and marks their
// paragraphs dirty. Edits that replace paragraphs leave the pointers a note keeps
// stale until this runs.
void VYXRelinkNotes(TVYXLogDocEditor& main);

// Notes whose reference left the main body (their references were among `removed` and
// are nowhere in the body now) go with their paragraphs, each as a note record in the
// open group of `undo`.
void VYXDropOrphanNotes(TVYXLogDocEditor& main, TVYXUndo& undo, const std::vector<const TVYXFootnoteBaseItem*>& removed);

// The note the editor just inserted (the list's newest) as a record: undo takes it out.
void VYXRecordNoteInsert(TVYXLogDocEditor& editor, bool endnote);

// Whether an edit of `doc` may have moved, removed or brought back note marks or the
// paragraphs notes start with. The notes whose reference runs a removal took out of
// the body are added to `removedRefs` (compared only, never followed).
bool VYXEditTouchesNotes(TVYXLogDocEditor& main, TVYXLogDocument& doc, const TVYXDocEditEvent& event,
                         std::vector<const TVYXFootnoteBaseItem*>& removedRefs);
