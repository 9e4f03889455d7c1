// VYXUndo.h: the undo and redo history of a main editor and its secondary editors.
//
// TVYXUndo watches the edit door of every editor of one document (the main text,
// headers, footers, notes, text boxes). Each primitive edit hands it what its inverse
// needs: an insertion its range, a removal a copy of what went, a format change the
// formats before. Records keep addresses (indexes) and copies, never pointers into the
// tree, so they stay true while the paragraphs they name are freed and made again.
//
// Groups: the editor brackets every command (BeginUndo .. EndUndo, nested calls count),
// and the records of one command share a group number. The first record of a group is
// the caret and selections before the command, the last one those after it; commands
// that change nothing leave no group. Undo replays the newest group's records from the
// last to the first with recording suspended: each replay is itself a door edit and
// yields the record that takes it back, and those records, in the order they were
// made, are the redo group. Redo replays that group from the last to the first in the
// same way, so undo and redo are one operation run on two lists. A new group empties
// the redo list.
//
// Typing coalesces: a typing command whose text continues the text the previous group
// typed, with nothing done in between, joins that group, so one undo takes back a run
// of typed text. A format command repeated on the same selection (Ctrl+B twice) joins
// the group before it too, as one record. Any other command, an undo or a redo starts
// a new group.
//
// Bookmarks and field results change the body beside the door; the editor hands their
// inverses in as records of their own (a bookmark by name and addresses, field results
// as the run texts they replaced).
//
// Hosts and the facade may also record at command level with the Add overloads (a
// typed character, a deleted text, a caret position, a table cell...). Such a record is
// replayed through the editor's own commands at the focus editor's caret, recording
// suspended; the door edits that replay makes are kept as its inverse (a batch), so
// redo is exact as well.
//
// Notes: the reference run is a door edit; the note's list item and paragraphs change
// beside the door and are kept by note records (VYXUndoNotes.h). A command that took
// note references out of the body takes their notes out too, when it ends, so undo
// brings their text back with the references.
//
// Edits the door cannot take back yet (anchored objects and text boxes, accepting or
// rejecting marks kept on field and object runs, section columns, a secondary editor
// going) make the editor call Clear: the history before them could no longer be
// replayed.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editing/VYXKeys.h"
#include "model/VYXLogDocument.h"

class TVYXBookmark;
struct TVYXFootnoteBaseItem;
class TVYXFootnoteItem;
class TVYXCharRun;
class TVYXCHPX;
class TVYXNumbering;
class TVYXPAPX;
class TVYXLogDocEditor;
class TVYXLogSelection;
class TVYXSysOptions;
class TVYXTableCell;
class TVYXUndo;

// Record kinds, the numbers PeekUndo answers (0: no record).
enum TVYXUndoType {
    autNone = 0,
    autFocusDoc = 1,      // the focused editor changed
    autCommand = 2,       // a command that needs nothing put back
    autDocProp = 3,       // paragraph formats to put back
    autDocPropSel = 4,    // character formats (and paragraph formats) to put back
    autChar = 5,          // one removed character to insert again
    autText = 6,          // removed text within a paragraph
    autParas = 7,         // removed content crossing paragraphs or holding tables
    autCharRun = 8,       // one removed object run (picture, rule, note reference)
    autLogPos = 9,        // caret in the body, no selection
    autLogPosTable = 10,  // caret inside a table cell, no selection
    autSelection = 11,    // caret and selections
    autDelete = 12,       // an inserted range to remove
    autCell = 13,         // a table as it was before a table command, or a cell (Add)
    autBookmark = 14,     // a bookmark made or taken out
    autRunTexts = 15,     // run texts a field update replaced
    autNote = 16,         // a footnote or endnote taken out or put back (VYXUndoNotes.h)
    autRunMarks = 17,     // tracked-change marks of field and object runs (VYXUndoMarks.h)
    autCheckBox = 18,     // a form check box's state (VYXUndoForms.h)
};

// One record: the command it belongs to and its group.
class TVYXUndoData {
public:
    TVYXUndoData(TVYXCommand cmd, int group) : Command(cmd), Group(group) {}
    virtual ~TVYXUndoData() = default;
    TVYXUndoData(const TVYXUndoData&) = delete;
    TVYXUndoData& operator=(const TVYXUndoData&) = delete;

    TVYXCommand Command;
    int Group;
    virtual TVYXUndoType Type_() const { return autCommand; }
    // "Delete 0/3:5-0/3:9" and the like, for DEBUG_Dump.
    virtual std::string AsString() const;
    // Carries the record out (with recording suspended) and answers the record that
    // takes it back, in the same command and group.
    virtual std::unique_ptr<TVYXUndoData> Replay(TVYXUndo& undo);
};

// The caret and selections of an editor, as addresses.
class TVYXUndoDataState : public TVYXUndoData {
public:
    TVYXUndoDataState(TVYXCommand cmd, int group, TVYXLogDocEditor& editor);  // the editor's state now
    TVYXUndoDataState(TVYXCommand cmd, int group, TVYXLogDocEditor& editor, const TVYXDocAddress& caret,
                      const std::vector<TVYXDocRange>& selections);
    TVYXLogDocEditor* Editor;  // borrowed; the history is cleared before an editor goes
    TVYXDocAddress Caret;
    std::vector<TVYXDocRange> Selections;
    // Made by Add(cmd, pos) or Add(cmd, selection): replay moves and selects through
    // the editor's commands.
    bool ByCommand = false;
    TVYXUndoType Type_() const override;
    std::string AsString() const override;
    std::unique_ptr<TVYXUndoData> Replay(TVYXUndo& undo) override;
};

// The focus moved from one editor to another: replay gives `Focus` the focus back
// with the caret and selections it had then.
class TVYXUndoDataFocusDoc : public TVYXUndoData {
public:
    TVYXUndoDataFocusDoc(TVYXCommand cmd, int group, TVYXLogDocEditor& focus, TVYXLogDocEditor& other);
    TVYXLogDocEditor* Focus;
    TVYXLogDocEditor* Other;
    TVYXDocAddress Caret;
    std::vector<TVYXDocRange> Selections;
    TVYXUndoType Type_() const override { return autFocusDoc; }
    std::string AsString() const override;
    std::unique_ptr<TVYXUndoData> Replay(TVYXUndo& undo) override;
};

// Content removed from a document, to be put back at `At`.
class TVYXUndoDataContent : public TVYXUndoData {
public:
    TVYXUndoDataContent(TVYXCommand cmd, int group, TVYXLogDocument& doc, const TVYXDocAddress& at,
                        std::unique_ptr<TVYXDocFragment> content, bool items);
    TVYXLogDocument* Doc;  // borrowed, as Editor above
    TVYXDocAddress At;
    std::unique_ptr<TVYXDocFragment> Content;
    bool Items;  // whole items (TVYXLogDocument::InsertItems)
    // Made by Add(cmd, char / text / run / paras): replay inserts at the focus editor's
    // caret, which moves behind the content.
    bool AtCaret = false;
    TVYXUndoType Type_() const override;
    std::string AsString() const override;
    std::unique_ptr<TVYXUndoData> Replay(TVYXUndo& undo) override;
};

// A range inserted into a document, to be removed again.
class TVYXUndoDataDelete : public TVYXUndoData {
public:
    TVYXUndoDataDelete(TVYXCommand cmd, int group, TVYXLogDocument& doc, const TVYXDocRange& range, bool items);
    TVYXLogDocument* Doc;
    TVYXDocRange Range;
    bool Items;  // whole items (TVYXLogDocument::RemoveItems)
    // Made by Add(cmd, first, last): replay selects the range and deletes it with the
    // editor's command.
    bool ByCommand = false;
    // The empty text run the insertion filled, put back after the removal.
    bool EmptyRun = false;
    std::unique_ptr<TVYXCHPX> EmptyRunCHPX;
    void SetEmptyRun(const TVYXDocEditEvent& event);
    TVYXUndoType Type_() const override { return autDelete; }
    std::string AsString() const override;
    std::unique_ptr<TVYXUndoData> Replay(TVYXUndo& undo) override;
};

// A bookmark by name and the addresses of its ends: Present when it stands in the body
// (replay takes it out), else replay makes it again.
class TVYXUndoDataBookmark : public TVYXUndoData {
public:
    TVYXUndoDataBookmark(TVYXCommand cmd, int group, TVYXLogDocEditor& editor, std::u16string_view name,
                         const TVYXDocRange& range, bool present);
    ~TVYXUndoDataBookmark() override;
    TVYXLogDocEditor* Editor;
    std::u16string Name;
    TVYXDocRange Range;
    bool Present;
    // The bookmark taken out, kept alive: copies of its boundary runs in other records
    // name it, and it goes back in as the same object.
    std::unique_ptr<TVYXBookmark> Kept;
    TVYXUndoType Type_() const override { return autBookmark; }
    std::string AsString() const override;
    std::unique_ptr<TVYXUndoData> Replay(TVYXUndo& undo) override;
};

// Texts of runs (by paragraph address and run index) to be put back; a field update
// writes results into the runs it finds, so the runs themselves stay.
class TVYXUndoDataRunTexts : public TVYXUndoData {
public:
    struct TRunText {
        TVYXDocAddress Para;
        int Run = 0;
        std::u16string Text;
    };
    TVYXUndoDataRunTexts(TVYXCommand cmd, int group, TVYXLogDocument& doc) : TVYXUndoData(cmd, group), Doc(&doc) {}
    TVYXLogDocument* Doc;
    std::vector<TRunText> Texts;
    TVYXUndoType Type_() const override { return autRunTexts; }
    std::string AsString() const override;
    std::unique_ptr<TVYXUndoData> Replay(TVYXUndo& undo) override;
};

// What a command-level replay did through the door, as door records in the order made;
// replaying them from the last takes that replay back.
class TVYXUndoDataBatch : public TVYXUndoData {
public:
    TVYXUndoDataBatch(TVYXCommand cmd, int group) : TVYXUndoData(cmd, group) {}
    std::vector<std::unique_ptr<TVYXUndoData>> Records;
    std::string AsString() const override;
    std::unique_ptr<TVYXUndoData> Replay(TVYXUndo& undo) override;
};

// A table cell (Add(cmd, cell)), as the address of its first paragraph: replay of
// vycTableInsertColsLeft deletes that cell's column again.
class TVYXUndoDataCell : public TVYXUndoData {
public:
    TVYXUndoDataCell(TVYXCommand cmd, int group, TVYXLogDocEditor& editor, const TVYXDocAddress& cell)
        : TVYXUndoData(cmd, group), Editor(&editor), Cell(cell)
    {
    }
    TVYXLogDocEditor* Editor;
    TVYXDocAddress Cell;
    TVYXUndoType Type_() const override { return autCell; }
    std::string AsString() const override;
    std::unique_ptr<TVYXUndoData> Replay(TVYXUndo& undo) override;
};

// Formats a change replaced, to be put back.
class TVYXUndoDataDocProp : public TVYXUndoData {
public:
    TVYXUndoDataDocProp(TVYXCommand cmd, int group, TVYXLogDocument& doc, std::unique_ptr<TVYXDocFormats> formats);
    TVYXLogDocument* Doc;
    std::unique_ptr<TVYXDocFormats> Formats;
    TVYXUndoType Type_() const override { return Formats->Runs.empty() ? autDocProp : autDocPropSel; }
    std::string AsString() const override;
    std::unique_ptr<TVYXUndoData> Replay(TVYXUndo& undo) override;
};

class TVYXUndo : public TVYXDocWatcher {
public:
    // Watches `main` (a main editor) from now on; secondaries register with Watch.
    explicit TVYXUndo(TVYXLogDocEditor& main);
    ~TVYXUndo() override;
    TVYXUndo(const TVYXUndo&) = delete;
    TVYXUndo& operator=(const TVYXUndo&) = delete;

    // ---- Editors ----
    void Watch(TVYXLogDocEditor& editor);
    // The editor goes: it is no longer watched and the history is cleared.
    void Forget(TVYXLogDocEditor& editor);
    // The editor the last undo or redo left the caret in; the host focuses it.
    TVYXLogDocEditor& FocusDoc() const { return *FFocusDoc; }
    // The host moved the focus: inside a command this is recorded, so undo gives the
    // focus back to the editor that had it, with its caret and selections.
    void SetFocusDoc(TVYXLogDocEditor& editor);

    // ---- Switches ----
    bool Enabled() const { return FEnabled; }
    // Off clears the history: edits made meanwhile would leave its addresses wrong.
    void SetEnabled(bool value);
    void LoadOptions(const TVYXSysOptions& options);
    // True when not replaying.
    bool GetRecordUndo() const { return FReplay == 0; }
    // True enters replay, false leaves it; the calls nest.
    void SetRecordUndo(bool replaying);
    bool ShallAdd() const { return FEnabled && FReplay == 0; }

    // ---- Groups ----
    // Opens a group for `cmd` run by `editor` (nested calls only count).
    void BeginUndo(TVYXCommand cmd, TVYXLogDocEditor& editor);
    // Closes it: a group with edits gets the state after the command, empties the redo
    // list, and may join the typing group before it.
    void EndUndo();
    // Forgets everything (a new document, a loaded one, an edit that cannot be taken
    // back). Outside a command it also merges equal neighbouring runs of every watched
    // editor, so that undo can give the document back run for run.
    void Clear();

    // ---- Undo and redo ----
    bool Empty() const { return FUndoData.empty(); }
    bool CanRedo() const { return !FRedoData.empty(); }
    // Takes back the newest group; false when there is none.
    bool Undo();
    // Carries out the newest undone group again; false when there is none.
    bool Redo();
    // Number of groups that undo / redo can take.
    int UndoCount() const;
    int RedoCount() const;
    // Records made since construction (a test sees that a command joined a group).
    long RecordCount() const { return FRecordCount; }

    // ---- Records from outside the door ----
    // Each adds only when ShallAdd, to the open group (or as a group of its own).
    // A plain command; for character commands the formats of the focus editor's
    // selection (or caret paragraph) and for paragraph commands those of its
    // paragraphs, as AddCHP / AddPAP.
    void Add(TVYXCommand cmd);
    void Add(TVYXCommand cmd, char16_t ch);
    void Add(TVYXCommand cmd, std::u16string_view text);
    void Add(TVYXCommand cmd, std::u16string_view text, const TVYXCHPX& chpx);
    void Add(TVYXCommand cmd, const TVYXCharRun& run);
    // Copies of the items (over the focus editor's document).
    void Add(TVYXCommand cmd, const TVYXLogParas& paras);
    // A position record (autLogPosTable inside a cell, else autLogPos); not added when
    // the newest record is a position record of the same kind at the same place.
    void Add(TVYXCommand cmd, const TVYXLogPos& pos);
    void Add(TVYXCommand cmd, const TVYXLogPos& first, const TVYXLogPos& last);
    void Add(TVYXCommand cmd, const TVYXLogSelection& selection);
    void Add(TVYXCommand cmd, TVYXTableCell& cell);
    // The focus goes to `editor` (a focus record, as SetFocusDoc inside a command).
    void Add(TVYXLogDocEditor& editor);
    // A plain command carrying a number (kept for DEBUG_Dump; nothing to replay).
    void Add(TVYXCommand cmd, int value);
    // The character formats of `para` from `from` to `to` - 1 (1-based positions), as AddCHPPara.
    void Add(TVYXCommand cmd, const TVYXLogPara& para, std::int32_t from, std::int32_t to);

    // ---- Format records ----
    // What a format command acts on: the focus editor's selection in order, else its
    // caret's paragraph whole; false when there is neither. GetParas answers the
    // addresses of the first and last paragraph (CharPos 1), GetCharPos the first and
    // last character position.
    bool GetSelection(TVYXLogPos& first, TVYXLogPos& last) const;
    bool GetParas(TVYXDocAddress& first, TVYXDocAddress& last) const;
    bool GetCharPos(std::int32_t& first, std::int32_t& last) const;
    // The whole character formats of the runs the command acts on (exact whatever the
    // command merges): per paragraph AddCHPPara, per run piece AddCHPProp. A piece
    // continuing the newest record (same command, group and paragraph) extends it.
    void AddCHP(TVYXCommand cmd);
    void AddCHPPara(TVYXCommand cmd, const TVYXLogPara& para, std::int32_t from, std::int32_t to,
                    const std::function<bool(const TVYXCHPX*)>& changes = nullptr);
    void AddCHPProp(TVYXCommand cmd, const TVYXLogPara& para, const TVYXCharRun& run, std::int32_t from,
                    std::int32_t to);
    // Before a host sets character property `id` to `value` itself: the formats of the
    // runs whose own list does not already hold that value (nothing when none).
    void AddCHPBool(TVYXCommand cmd, std::int32_t id, bool value);
    void AddCHPInt(TVYXCommand cmd, std::int32_t id, std::int32_t value);
    void AddCHPFloat(TVYXCommand cmd, std::int32_t id, double value);
    // The paragraph formats of the paragraphs the command acts on (command
    // vycFormatPAPX when `cmd` is vycNone); the typed forms skip paragraphs whose own
    // list already holds `value` (AddPAPObj: the numbering).
    void AddPAP(TVYXCommand cmd);
    void AddPAPInt(TVYXCommand cmd, std::int32_t id, std::int32_t value);
    void AddPAPFloat(TVYXCommand cmd, std::int32_t id, double value);
    void AddPAPObj(TVYXCommand cmd, const TVYXNumbering* numbering);
    // Replay of format records: character formats (with any paragraph formats beside
    // them) and paragraph formats alone. Each answers the formats it replaced.
    std::unique_ptr<TVYXDocFormats> UndoCHP(TVYXLogDocument& doc, const TVYXDocFormats& formats);
    std::unique_ptr<TVYXDocFormats> UndoPAP(TVYXLogDocument& doc, const TVYXDocFormats& formats);
    // A record the editor made for an edit beside the door (bookmarks, field results).
    void AddRecord(std::unique_ptr<TVYXUndoData> record);

    // ---- The newest record ----
    TVYXUndoType PeekUndo() const { return FUndoData.empty() ? autNone : FUndoData.back()->Type_(); }
    TVYXCommand PeekCommand() const { return FUndoData.empty() ? vycNone : FUndoData.back()->Command; }
    int PeekGroup() const { return FUndoData.empty() ? -1 : FUndoData.back()->Group; }
    const TVYXUndoData* Last() const { return FUndoData.empty() ? nullptr : FUndoData.back().get(); }
    // The newest record as its kind, or nullptr when it is of another kind.
    const TVYXUndoData* AsCmd() const;
    const TVYXUndoDataFocusDoc* AsFocusDoc() const;
    const TVYXUndoDataDocProp* AsDocProp() const;
    const TVYXUndoDataDocProp* AsDocPropSel() const;
    const TVYXUndoDataContent* AsChar() const;
    const TVYXUndoDataContent* AsText() const;
    const TVYXUndoDataContent* AsParas() const;
    const TVYXUndoDataContent* AsCharRun() const;
    const TVYXUndoDataState* AsLogPos() const;
    const TVYXUndoDataState* AsLogPosTable() const;
    const TVYXUndoDataState* AsSelection() const;
    const TVYXUndoDataDelete* AsDelete() const;
    // A table as it was (TVYXUndoDataContent) or a cell (TVYXUndoDataCell).
    const TVYXUndoData* AsCell() const;
    // The record `back` places before the newest (0: the newest); nullptr past the start.
    const TVYXUndoData* Peek(int back) const;
    void DeleteLast();
    // One line per record, oldest first, then the redo list.
    std::string DEBUG_Dump() const;

    // ---- Used by the records' replay ----
    // What the last insertion of a replay reported about an empty run.
    void TakeEmptyRun(TVYXUndoDataDelete& record);
    // An editor's caret and selections as they stand in the replay so far.
    void ReplayState(TVYXLogDocEditor& editor, TVYXDocAddress& caret, std::vector<TVYXDocRange>& selections);
    void RestoreState(TVYXLogDocEditor& editor, const TVYXDocAddress& caret, const std::vector<TVYXDocRange>& sel);
    // Runs `command` on `editor` as the replay has it (caret and selections set first),
    // recording suspended, and answers the door edits it made as one batch record.
    std::unique_ptr<TVYXUndoData> RunCommand(TVYXCommand cmd, int group, TVYXLogDocEditor& editor,
                                             const std::function<void()>& command);
    // Paragraphs of `editor` moved beside the door (a note's): during a replay the
    // carets and selections kept for it follow, as they follow door edits.
    void MovedBesideDoor(TVYXLogDocEditor& editor, const TVYXDocChange& change);
    // The editor command-level records act on: the focus editor.
    TVYXLogDocEditor& ReplayEditor() const { return *FFocusDoc; }

    // TVYXDocWatcher
    void DocChanged(TVYXLogDocument& doc, const TVYXDocEditEvent& event) override;

private:
    using TList = std::vector<std::unique_ptr<TVYXUndoData>>;
    // Replays the newest group of `from` and appends its inverse records to `to`.
    bool Step(TList& from, TList& to);
    void Push(std::unique_ptr<TVYXUndoData> record);
    std::unique_ptr<TVYXUndoData> MakeDoorRecord(TVYXLogDocument& doc, const TVYXDocEditEvent& event, TVYXCommand cmd);
    void AddCHPWhere(TVYXCommand cmd, const std::function<bool(const TVYXCHPX*)>& changes);
    void AddPAPWhere(TVYXCommand cmd, const std::function<bool(const TVYXPAPX&)>& changes);
    bool TryCoalesce();
    bool TryMergeFormat();
    void ClearHistory();
    // Records going for good hand the notes they keep to FDroppedNotes first.
    void Salvage(TVYXUndoData& record);
    void Discard(TList& list);
    int CountGroups(const TList& list) const;

    // Where carets and selections stood during a replay, moved along with each edit.
    struct TSaved {
        TVYXLogDocEditor* Editor;
        TVYXDocAddress Caret;
        std::vector<TVYXDocRange> Selections;
        bool Touched;  // edited or given a state: its caret is set when the replay ends
    };
    // Puts an editor's caret and selections where the replay has them.
    void ApplySaved(const TSaved& saved);

    TVYXLogDocEditor& FMain;
    std::vector<TVYXLogDocEditor*> FEditors;  // watched, borrowed
    TVYXLogDocEditor* FFocusDoc;
    TList FUndoData, FRedoData;
    int FGroup = 0;
    int FDepth = 0;
    int FReplay = 0;
    bool FEnabled = true;
    long FRecordCount = 0;
    // The open group: its command and editor, the state before it (added with the
    // first edit), where its records start, and whether a Clear broke it.
    TVYXCommand FGroupCommand = vycNone;
    TVYXLogDocEditor* FGroupEditor = nullptr;
    std::unique_ptr<TVYXUndoDataState> FPendingState;
    std::size_t FGroupStart = 0;
    bool FGroupBroken = false;
    // False after anything but a typing group: the next typing starts a group.
    bool FMayCoalesce = false;
    // An edit may have moved note marks or notes' paragraphs: the notes' anchors and
    // limits are set again when the command or the undo step ends.
    bool FNotesChanged = false;
    std::vector<const TVYXFootnoteBaseItem*> FRemovedNotes;  // references the command took out
    // Notes taken out whose records went: copies of their reference runs (the
    // clipboard's, a paste of them) may still name them, so they live as long as the
    // document's history does.
    std::vector<std::unique_ptr<TVYXFootnoteItem>> FDroppedNotes;
    // The format command of the group before, when nothing came after it: the same
    // command again on the same selection joins that group.
    TVYXCommand FMergeFormat = vycNone;
    std::vector<TSaved> FSaved;  // during a replay only
    TList* FCapture = nullptr;   // door records of a command-level replay go here
    bool FReplayEmptyRun = false;
    std::unique_ptr<TVYXCHPX> FReplayEmptyRunCHPX;
};

// Brackets one command as one undo group, exception-safe. `undo` may be nullptr.
class TVYXUndoGroup {
public:
    TVYXUndoGroup(TVYXUndo* undo, TVYXCommand cmd, TVYXLogDocEditor& editor) : FUndo(undo)
    {
        if (FUndo)
            FUndo->BeginUndo(cmd, editor);
    }
    ~TVYXUndoGroup()
    {
        if (FUndo)
            FUndo->EndUndo();
    }
    TVYXUndoGroup(const TVYXUndoGroup&) = delete;
    TVYXUndoGroup& operator=(const TVYXUndoGroup&) = delete;

private:
    TVYXUndo* FUndo;
};
