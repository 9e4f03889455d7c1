// VYXLogEditor.h: the document editor: a logical document with a caret, selections,
// headers, footers, notes and text boxes, and the command interpreter.
//
// The main document, each header and footer, the footnote and endnote texts and each
// text box are TVYXLogDocEditor objects; the secondary ones share the main one's
// property tables (see TVYXLogDocument). Lengths are points; character positions
// inside a paragraph count from 1.
//
// Building a document from code (what the readers do)
// ----------------------------------------------------
// A reader drives only the public append operations below and never touches the
// paragraph list's private state:
//
//     TVYXLogDocEditor doc(aldtMain, &errors);
//     TVYXEditorUpdate update(doc);                  // BeginUpdate .. EndUpdate
//     doc.AppendPara();                              // a new last paragraph
//     doc.AppendTextUI(u"Hello ");                   // text at the end, in the current format
//     doc.AppendTextUI(u"world", &boldChpx);         // ... or in a given format
//     TVYXTable& t = doc.AppendTableUI(2, 3);        // 2 columns, 3 rows; a paragraph follows it
//     doc.CellPara(t, 0, 1).Append(u"cell text");    // cell paragraphs are ordinary paragraphs
//     doc.AppendBulletPara(u"item", 0);              // a list item (bullet) at level 0
//     TVYXFootnoteItem& n = doc.AppendFootnote(u"note text");  // reference at the end + the note
//     doc.Headers().AddDefault().AppendTextUI(u"header");      // headers are editors too
//     doc.AppendBookmark(u"here");                   // a collapsed bookmark at the end
//     doc.AppendSection(sep);                        // ends the section at the last paragraph
//
// Append operations add at the end of the body and do not go through the edit door:
// a document being built has no watchers yet (undo starts after loading). The
// caret is put on the first paragraph when the last update ends.
//
// Editing (what hosts and the random-command test do) goes through Command and the
// "UI" operations, which act at the caret and change the body only through the
// door's primitive edits (TVYXLogDocument::InsertText, InsertContent,
// RemoveContent, SetCharProps, SetParaProps), so every watcher sees every change.
// Commands that make no sense where the caret stands do nothing.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editing/VYXKeys.h"
#include "platform/VYXClipboardFormat.h"
#include "model/VYXLogDocument.h"
#include "model/VYXLogPos.h"
#include "model/VYXRevision.h"

class TVYXLogDocEditor;
class TVYXFindReplaceText;  // editing/VYXFindReplace
class TVYXClipboard;        // platform/VYXClipboard
class TVYXClipboardCmd;     // editing/VYXClipboardCmd
class TVYXGraphicObj;
class TVYXTabStops;
class TVYXComplexField;
class TVYXUndo;            // editing/VYXUndo

enum TVYXHeaderFooterType { ahftNone, ahftDefault, ahftFirst, ahftEven };
enum TVYXSelectionStatus { assNone, assUpdating };
// What a line or page move asks the owner, which knows the laid-out pages.
enum TVYXPhyPosType { apstTopRow, apstBottomRow, apstPageUp, apstPageDown, apstLineUp, apstLineDown,
                      apstLineStart, apstLineEnd };

// Headers or footers of the main editor: three lazily created editors.
class TVYXHeadersFooters {
public:
    TVYXHeadersFooters(TVYXLogDocEditor& parent, TVYXLogDocType type) : FParent(parent), FType(type) {}
    TVYXHeadersFooters(const TVYXHeadersFooters&) = delete;
    TVYXHeadersFooters& operator=(const TVYXHeadersFooters&) = delete;
    ~TVYXHeadersFooters();

    TVYXLogDocType Type() const { return FType; }
    // Created on first use with one empty paragraph; later calls answer the same editor.
    TVYXLogDocEditor& AddDefault() { return Add(FDefault); }
    TVYXLogDocEditor& AddFirst() { return Add(FFirst); }
    TVYXLogDocEditor& AddEven() { return Add(FEven); }
    TVYXLogDocEditor& Add(TVYXHeaderFooterType type);
    TVYXLogDocEditor* Find(TVYXHeaderFooterType type) const;
    void DeleteDefault() { FDefault.reset(); }
    void DeleteFirst() { FFirst.reset(); }
    void DeleteEven() { FEven.reset(); }
    void Clear();

private:
    TVYXLogDocEditor& Add(std::unique_ptr<TVYXLogDocEditor>& slot);
    TVYXLogDocEditor& FParent;
    TVYXLogDocType FType;
    std::unique_ptr<TVYXLogDocEditor> FDefault, FFirst, FEven;
};

// The text-box editors of the main editor (owning).
class TVYXLogDocEditors {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TVYXLogDocEditor& GetItems(int i) const { return *FItems.at(static_cast<std::size_t>(i)); }
    TVYXLogDocEditor& Add(std::unique_ptr<TVYXLogDocEditor> editor);
    void Delete(int index);
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TVYXLogDocEditor>> FItems;
};

// A watched range of a tracked deletion: its ends and the boundary runs, so a
// later insertion of the same text can become a move. The runs are borrowed and
// the observer is dropped when the body reports either run gone.
class TVYXObserver {
public:
    TVYXDocAddress First, Last;  // as they stood when the text was marked
    TVYXCharRun* CharRun1 = nullptr;
    TVYXCharRun* CharRun2 = nullptr;
    std::u16string Text;  // the deleted text, compared with later insertions
    bool EqualFirstOrLast(const TVYXCharRun& run) const { return &run == CharRun1 || &run == CharRun2; }
};

class TVYXObservers {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TVYXObserver& GetItems(int i) const { return *FItems.at(static_cast<std::size_t>(i)); }
    TVYXObserver& Add();
    // Drops every observer holding `run` at an end; true when one went.
    bool RemoveRun(const TVYXCharRun& run);
    // The observer whose deleted text equals `text`; nullptr when none.
    TVYXObserver* FindText(std::u16string_view text) const;
    // Drops the observers whose range collapsed (its text was removed for good).
    void DropEmpty();
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TVYXObserver>> FItems;
};

// The editor's selections: ranges plus the anchor of the one being extended.
class TVYXSelections : public TVYXLogSelections {
public:
    explicit TVYXSelections(TVYXLogDocEditor& doc) : FDoc(doc) {}
    TVYXLogPos Anchor;  // the fixed end of a selection being extended
    TVYXSelectionStatus Status = assNone;

    // Anchor := caret, status := updating.
    void DropAnchor();
    // One selection, both ends at the caret.
    void SetToCaret();
    // Ensures one selection from the anchor to the caret (in order), then CheckForCells.
    void ExtendToCaret();
    // Orders each range's ends, drops the last range when empty; status := none.
    void Update();
    bool HasSelection() const { return Count() > 0; }
    bool IsEmpty() const;
    TVYXLogPos GetFirstPos() const;
    TVYXLogPos GetLastPos() const;
    void SelectAll();
    bool SelectWordAtCaret();
    // When the two ends lie in different lists, widens the range to the innermost
    // list holding both: whole tables (or the rows and cells between) are taken.
    void CheckForCells();
    // The first range's table rectangle when its ends lie in cells of one table:
    // the table and the cells' columns and rows (inclusive); false otherwise.
    bool GetCellRect(TVYXTable*& table, int& col1, int& row1, int& col2, int& row2) const;

    // ---- Tabs, columns, form fields, tags ----
    // The tab stops every selected paragraph (the caret's without a selection) has, as a
    // copy in `tabs`; false when they differ. A paragraph without stops has none.
    bool GetEqualTabStops(TVYXTabStops& tabs) const;
    // Gives every selected paragraph exactly `tabs` (none when empty), through the door.
    bool SetTabStops(const TVYXTabStops& tabs);
    // The text columns of the section the selection starts in; 1 without columns.
    int GetColumns() const;
    // `count` equal columns `space` points apart on every section the selection
    // touches (1: a single column). Sections have no door edit yet: set in place.
    bool SetColumns(int count, double space = 36);
    // The form fields (text, check box, drop-down) whose start lies in the selection,
    // in reading order, into FormFields (borrowed); answers their number.
    int CollectFormFields();
    std::vector<TVYXComplexField*> FormFields;
    // In the caret's paragraph, selects the text between the last `open` that starts
    // before the caret and the first `close` after it (the tags stay outside).
    bool SelectBetweenTags(std::u16string_view open, std::u16string_view close);
    // Every "open name close" in the selected paragraphs (the whole body without a
    // selection) becomes a collapsed bookmark `name` where the tag stood; the tag text
    // goes through the door. Names taken or empty leave their tag. Answers the number made.
    int MakeBookmarksFromTags(std::u16string_view open, std::u16string_view close);

private:
    TVYXLogDocEditor& FDoc;
};

class TVYXLogDocEditor : public TVYXLogDocument {
public:
    // `parent` is the main editor for every other type (it must outlive this one).
    explicit TVYXLogDocEditor(TVYXLogDocType type = aldtMain, TVYXErrorManager* errors = nullptr,
                              TVYXLogDocEditor* parent = nullptr, const TVYXPaperSizeHook& paperSize = {});
    ~TVYXLogDocEditor() override;

    // ---- Events (one handler each, called only when set) ----
    // Before the selections are deleted by a command.
    std::function<void(TVYXLogDocEditor& sender, TVYXSelections& selections)> BeforeDeleteEvent;
    // After text was inserted, given the position where it starts.
    std::function<void(TVYXLogDocEditor& sender, const TVYXLogPos& pos)> AfterInsertEvent;
    // A line, window or page move needs the laid-out pages: the owner moves `pos` and
    // answers true. Without a handler (no layout yet) line up/down fall back to
    // paragraph moves, line start/end to paragraph start/end, and page and window
    // moves do nothing.
    std::function<bool(TVYXLogDocEditor& sender, TVYXPhyPosType type, TVYXLogPos& pos)> PhyPositionEvent;
    // The clock DATE, TIME and SAVEDATE fields show: local time as days since
    // 1899-12-30. Without a handler the system clock (tests and batch runs inject one).
    std::function<double(TVYXLogDocEditor& sender)> ClockEvent;

    // ---- Structure ----
    TVYXLogDocEditor* ParentEditor() const { return FParentEditor; }
    TVYXLogDocEditor& MainEditor() { return FParentEditor ? *FParentEditor : *this; }
    // Main editor only (raise "Not a main document" on the others).
    TVYXHeadersFooters& Headers();
    TVYXHeadersFooters& Footers();
    TVYXLogDocEditors& TextBoxes();
    TVYXLogDocEditor& Footnotes();
    TVYXLogDocEditor& Endnotes();
    TVYXFootnotesList& FootnoteList();
    TVYXFootnotesList& EndnoteList();
    // The editor's own find engine over its body (created on first use).
    TVYXFindReplaceText& FindReplace();
    // The clipboard the clipboard commands use: borrowed from the host, which must
    // keep it alive while it is set; nullptr detaches it. A secondary editor without
    // one uses its main editor's.
    void SetClipboard(TVYXClipboard* clipboard);
    TVYXClipboard* Clipboard() const;
    // The copy/paste worker over this editor's body and Clipboard() (readers and the
    // RTF writer are registered on it); nullptr without a clipboard.
    TVYXClipboardCmd* ClipboardCmd();
    // The undo history of the whole document (main editor, headers, notes, boxes): the
    // main editor owns it and every command is one group of it.
    TVYXUndo& Undo();

    TVYXLogPos& Caret() { return FCaret; }
    const TVYXLogPos& Caret() const { return FCaret; }
    TVYXSelections& Selections() { return *FSelections; }
    TVYXObservers& Observers() { return FObservers; }
    std::u16string_view Author() const { return FAuthor; }
    void SetAuthor(std::u16string_view author) { FAuthor = author; }
    bool Repaint() const { return FRepaint; }
    void SetRepaint(bool value);
    void SetDirty(bool value) override;
    // The format new text takes at the caret after a format command on an empty
    // selection (between words); cleared when the caret moves.
    const TVYXCHPX* InsertionCHPX() const { return FInsertCHPX.get(); }

    // ---- Life cycle ----
    void Clear() override;
    void NewDoc();
    bool IsEmpty() const;
    void SetEmpty();
    void BeginUpdate();
    // Ends an update: a caret without a valid paragraph goes to the first paragraph.
    void EndUpdate();
    void DeleteCharRun(TVYXCharRun& run) override;
    // A new text-box editor whose paragraphs a text box in the body shows.
    TVYXLogParas* DoAddTextBox() override;

    // ---- Appending (readers) ----
    TVYXLogPara& AppendPara();
    TVYXLogPara& AppendPara(const TVYXPAPX& papx);
    // The last paragraph, appended when the body is empty or ends in a table.
    TVYXLogPara& GetOrAddLastPara();
    // Text at the end of the last paragraph, in `chpx` (copied) or the last run's format.
    TVYXCharRun* AppendTextUI(std::u16string_view text, const TVYXCHPX* chpx = nullptr);
    // A new paragraph holding `text`.
    TVYXLogPara& AppendParaUI(std::u16string_view text, const TVYXCHPX* chpx = nullptr);
    // Text whose tabs become tab runs and whose line feeds start new paragraphs.
    void AppendFormattedText(std::u16string_view text, const TVYXCHPX* chpx = nullptr);
    TVYXCharRun* AppendTabUI();
    // A table of `cols` x `rows` cells (each with one empty paragraph) as the body's
    // last item, followed by an empty paragraph. Width: the document's client width.
    TVYXTable& AppendTableUI(int cols, int rows);
    // The first paragraph of a cell (for filling tables); raises "Invalid cell" out of range.
    TVYXLogPara& CellPara(TVYXTable& table, int col, int row);
    // An inline picture at the end of the last paragraph from encoded bytes (PNG,
    // JPEG, BMP, ...; others are kept as bytes). Bad bytes raise VYXException.
    TVYXCharRunPicture& AppendPictureUI(std::string_view bytes);
    TVYXCharRunGraphic& AppendGraphicUI(std::unique_ptr<TVYXGraphicObj> graphic);
    // A list paragraph at `level` (0..8) continuing the list of the previous list
    // paragraph of the same kind, else starting one.
    TVYXLogPara& AppendBulletPara(std::u16string_view text, int level);
    TVYXLogPara& AppendNumberedPara(std::u16string_view text, int level);
    // A note reference at the end of the last paragraph and the note's paragraph
    // (reference mark + text) in the notes editor; main editor only.
    TVYXFootnoteItem& AppendFootnote(std::u16string_view text);
    TVYXFootnoteItem& AppendEndnote(std::u16string_view text);
    // The same at the end of any paragraph of the main document, a table cell's
    // included (readers meet note references inside cells); main editor only.
    TVYXFootnoteItem& AppendNote(TVYXLogPara& para, bool endnote, std::u16string_view text);
    // A bookmark at the end of the last paragraph: collapsed, or open until
    // EndBookmark closes it after more text. nullptr when the name is taken.
    TVYXBookmark* AppendBookmark(std::u16string_view name);
    TVYXBookmark* AppendBookmark(std::u16string_view name, std::u16string_view text);
    // Closes a bookmark AppendBookmark(name) opened, at the end of the last paragraph.
    bool EndBookmark(TVYXBookmark& bookmark);
    // Ends a section at the last paragraph with a copy of `sep`'s settings.
    TVYXSEP& AppendSection(const TVYXSEP& sep);
    // A text box anchored to the last paragraph and its own editor (holding one
    // empty paragraph), registered with TextBoxes().
    TVYXLogDocEditor& AddTextBox(double width, double height);

    // ---- Commands ----
    // Runs a command at the caret; false when it did nothing (bad state, refused by
    // protection, or not a command of a class this editor handles).
    bool Command(TVYXCommand cmd);
    bool Command(TVYXCommand cmd, std::u16string_view text);
    // A string literal is text, not the bool a pointer would convert to.
    bool Command(TVYXCommand cmd, const char16_t* text) { return Command(cmd, std::u16string_view(text)); }
    bool Command(TVYXCommand cmd, const TVYXLogPos& pos);
    bool Command(TVYXCommand cmd, int value1, int value2);
    bool Command(TVYXCommand cmd, double value);
    bool Command(TVYXCommand cmd, int value);
    bool Command(TVYXCommand cmd, bool value);
    // Commands that extend the selection: the anchor stays, the caret moves.
    bool CommandSelect(TVYXCommand moveCmd);

    bool CmdControl(TVYXCommand cmd);
    bool CmdMove(TVYXCommand cmd);
    bool CmdMove(TVYXLogPos& pos, TVYXCommand cmd);  // moves `pos` like the caret would
    bool CmdFormat(TVYXCommand cmd);
    bool CmdFormat(TVYXCommand cmd, double value);
    bool CmdFormat(TVYXCommand cmd, std::u16string_view value);
    bool CmdSelect(TVYXCommand cmd);
    // Copy, cut, paste (`format`: acfNone takes the richest one held) and plain
    // paste at the caret; false without a clipboard or when nothing happened.
    bool CmdClipboard(TVYXCommand cmd, TVYXClipboardFormat format = acfNone);
    // The find and replace commands (vycFindFromPos .. vycReplaceNext) with the
    // texts and options BeginFind set; the hit becomes the selection.
    bool CmdFindReplace(TVYXCommand cmd);
    void BeginFind(std::u16string_view findText, std::u16string_view replaceText, unsigned options);
    // Every hit of the body as the selections; answers their number.
    int FindAll();
    // Replaces every hit in one update bracket; answers their number.
    int ReplaceAll();
    // Recalculates every field of the main document, its headers, footers, notes
    // and text boxes (any editor forwards to its main one); answers the number of
    // results written.
    int UpdateFields();
    bool CmdDelete(TVYXCommand cmd);
    bool CmdInsert(TVYXCommand cmd, std::u16string_view text = {});
    bool CmdTable(TVYXCommand cmd, int value1 = 0, int value2 = 0);
    bool CmdRevision(TVYXCommand cmd);
    // Sets a property of the selected drawing object (Selections().Graphic): sizes,
    // position, outer margins, percentages (points / percent), wrap, anchor lock.
    // An inline object's run goes out and comes back changed through the door (the
    // selection then holds the new object); an anchored one is changed in place.
    bool CmdGraphic(TVYXCommand cmd, double value);
    bool CmdSetting(TVYXCommand cmd, double value);
    bool CmdSetting(TVYXCommand cmd, bool value);
    double CmdSettingValFloat(TVYXCommand cmd) const;
    bool CmdSettingValBool(TVYXCommand cmd) const;
    // The value a format command shows at the caret / over the selection: bold etc.
    // as 0/1, sizes and indents in points; false when the selection mixes values.
    bool CmdFormatValue(TVYXCommand cmd, double& value) const;
    // Whether the document's protection lets the command act at its target.
    bool TestRestriction(TVYXCommand cmd) const;

    // ---- Direct editing at the caret ----
    bool InsertTextUI(std::u16string_view text);
    bool InsertParaUI();
    bool InsertTabUI();
    bool InsertLineBreakUI();
    bool InsertPageBreakUI();
    // Ends a section at the caret: the paragraph is split and its first half ends a
    // section with the settings that governed it (not inside cells).
    bool InsertSectionBreakUI();
    // A bookmark over the selection (or collapsed at the caret); nullptr when the
    // name is empty or taken. Its boundary runs go in through the door (InsertRun).
    TVYXBookmark* InsertBookmark(std::u16string_view name);
    // Checks or clears a form check box this body holds, as one undo step (a click on
    // the box); false for another field or one elsewhere.
    bool ToggleCheckBox(TVYXComplexField& field);
    bool DeleteSelection();
    // Merges `chpx` into the selection, or into the word at an empty selection, or
    // into the insertion format between words.
    bool ApplyChpx(const TVYXCHPX& chpx);
    bool ApplyPapx(const TVYXPAPX& papx);

private:
    friend class TVYXHeadersFooters;
    friend class TVYXSelections;
    TVYXLogDocEditor(TVYXLogDocType type, TVYXLogDocEditor& parent);
    TVYXLogDocEditor& RequireMain();
    void CaretToValid();
    bool MoveCaretTo(const TVYXLogPos& pos, bool keepInsertFormat = false);
    TVYXDocRange SelectionRange(const TVYXLogSelection& sel) const;
    bool RemoveRange(const TVYXLogPos& first, const TVYXLogPos& last);
    // Section settings through the door (RestoreFormats): `change` is made on copies
    // of the sections governing `paras` (the document's own for the last section).
    bool ChangeSections(const std::vector<TVYXLogPara*>& paras, const std::function<void(TVYXSEP&)>& change);
    // An anchored object's properties through the door; false when `graphic` is not
    // anchored in this document's body.
    void ChangeDocSection(const std::function<void(TVYXSEP&)>& change);
    bool ChangeAnchoredObject(TVYXGraphicObj& graphic, const std::function<void(TVYXGraphicObj&)>& change);
    // A selection whose ends meet in one list from inside tables (see CheckForCells).
    bool DeleteAcrossTables(const TVYXLogPos& first, const TVYXLogPos& last);
    bool DoBackspace();
    bool DoDeleteForward();
    bool ToggleChpx(TVYXChpId id);
    bool StepFontSize(int direction);
    bool StepIndent(bool hanging, int direction);
    bool ListCommand(TVYXCommand cmd);
    bool TableStructure(TVYXCommand cmd, int value1, int value2);
    bool InsertTableAtCaret(int cols, int rows);
    bool InsertNoteAtCaret(bool endnote);
    TVYXFootnoteItem& AddNote(bool endnote, TVYXLogPara& anchorPara, std::int32_t pos, std::u16string_view text);
    // `name` ties the two halves of a move together.
    void MarkRevision(const TVYXDocRange& range, TVYXRevisionType type, std::u16string_view name = {});
    // Accepts or rejects the change at (or after) the caret with its move partner, or
    // every change, through the door; true when something was resolved.
    bool ResolveRevisions(bool accept, bool all);
    // A bookmark from `first` to `last` (one list), its start told through the door.
    TVYXBookmark* MakeBookmarkAt(std::u16string_view name, const TVYXLogPos& first, const TVYXLogPos& last);
    // The change of CmdGraphic on an inline object, through the door; false when
    // `graphic` is not inline in this body.
    bool SetInlineGraphicValue(TVYXGraphicObj& graphic, TVYXCommand cmd, double value);
    // Marks content a tracked paste inserted: a move when it is an observed deletion's text.
    void MarkPasted(const TVYXDocRange& pasted);
    bool SplitParaUI(bool sectionBreak);
    bool InsertEmptyParaBefore(const TVYXDocAddress& itemAt);
    // Changes the formats of `paras` with `change` and applies the result through the
    // door (RestoreFormats), so removals of properties are seen by watchers too.
    bool ReplaceParaFormats(const std::vector<TVYXLogPara*>& paras, const std::function<void()>& change);
    std::vector<TVYXLogPara*> SelectedParas() const;
    // The caret's innermost table: its address and the caret's cell column and row.
    bool CaretTable(TVYXDocAddress& tableAt, int& col, int& row) const;
    TVYXTableCell* CaretCell() const;
    TVYXLogPara& AppendListPara(std::u16string_view text, int level, bool bullet);
    void Changed();
    TVYXUndo* UndoFor();
    // An edit went round the door: the history before it can no longer be replayed.
    void ForgetUndo();

    TVYXLogDocEditor* FParentEditor = nullptr;
    std::unique_ptr<TVYXUndo> FUndo;  // main editor only
    TVYXLogPos FCaret;
    TVYXDocAddress FLastLocation;  // an address: it survives edits
    std::unique_ptr<TVYXSelections> FSelections;
    std::unique_ptr<TVYXFindReplaceText> FFindReplace;
    TVYXClipboard* FClipboard = nullptr;  // borrowed: the host's
    std::unique_ptr<TVYXClipboardCmd> FClipboardCmd;
    TVYXClipboard* FClipboardCmdFor = nullptr;  // the clipboard FClipboardCmd borrows
    // Main editor only.
    std::unique_ptr<TVYXHeadersFooters> FHeaders, FFooters;
    std::unique_ptr<TVYXLogDocEditors> FTextBoxes;
    std::unique_ptr<TVYXLogDocEditor> FFootnotes, FEndnotes;
    std::unique_ptr<TVYXFootnotesList> FFootnoteList, FEndnoteList;
    TVYXObservers FObservers;
    class TObserverWatcher : public TVYXDocWatcher {
    public:
        explicit TObserverWatcher(TVYXLogDocEditor& editor) : FEditor(editor) {}
        void DocChanged(TVYXLogDocument& doc, const TVYXDocEditEvent& event) override;

    private:
        TVYXLogDocEditor& FEditor;
    };
    TObserverWatcher FObserverWatcher{*this};
    std::unique_ptr<TVYXCHPX> FInsertCHPX;
    std::u16string FAuthor;
    int FUpdating = 0;
    bool FRepaint = true;
};

// Brackets bulk changes on an editor (BeginUpdate .. EndUpdate), exception-safe.
class TVYXEditorUpdate {
public:
    explicit TVYXEditorUpdate(TVYXLogDocEditor& editor) : FEditor(editor) { FEditor.BeginUpdate(); }
    ~TVYXEditorUpdate() { FEditor.EndUpdate(); }
    TVYXEditorUpdate(const TVYXEditorUpdate&) = delete;
    TVYXEditorUpdate& operator=(const TVYXEditorUpdate&) = delete;

private:
    TVYXLogDocEditor& FEditor;
};
