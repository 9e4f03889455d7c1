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
#include "model/VYXLogDocument.h"
#include "model/VYXLogPos.h"
#include "model/VYXRevision.h"

class TVYXLogDocEditor;
class TVYXFindReplaceText;  // editing/VYXFindReplace (its own unit)
class TVYXClipboard;
class TVYXUndo;  // editing/VYXUndo

// Frees the find engine where its type is complete (the find unit passes
// `[](TVYXFindReplaceText* f) { delete f; }`), so this header needs only its name.
struct TVYXFindReplaceDeleter {
    void (*Free)(TVYXFindReplaceText*) = nullptr;
    void operator()(TVYXFindReplaceText* engine) const
    {
        if (Free)
            Free(engine);
    }
};
using TVYXFindReplacePtr = std::unique_ptr<TVYXFindReplaceText, TVYXFindReplaceDeleter>;

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
    // The clipboard commands call this worker when set (editing's clipboard unit).
    std::function<bool(TVYXLogDocEditor& sender, TVYXCommand cmd)> ClipboardEvent;
    // Field updates (vycControlUpdateFields) call this when set; without it the
    // fields keep their results.
    std::function<void(TVYXLogDocEditor& sender)> UpdateFieldsEvent;

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
    // The undo history of the whole document (main editor, headers, notes, boxes): the
    // main editor owns it and every command is one group of it.
    TVYXUndo& Undo();
    // The find engine; nullptr until one is installed (editing's find unit does).
    TVYXFindReplaceText* FindReplace() const { return FFindReplace.get(); }
    void SetFindReplace(TVYXFindReplacePtr engine);

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
    bool CmdDelete(TVYXCommand cmd);
    bool CmdInsert(TVYXCommand cmd, std::u16string_view text = {});
    bool CmdTable(TVYXCommand cmd, int value1 = 0, int value2 = 0);
    bool CmdRevision(TVYXCommand cmd);
    // Sets a property of the selected drawing object (Selections().Graphic): sizes,
    // position, outer margins, percentages (points / percent), wrap, anchor lock.
    // The drawing layer has no door edit yet: watchers hear nothing, the editor
    // marks itself dirty.
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
    // name is empty or taken. Boundary runs go in outside the door.
    TVYXBookmark* InsertBookmark(std::u16string_view name);
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
    void MarkRevision(const TVYXDocRange& range, TVYXRevisionType type);
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
    TVYXFindReplacePtr FFindReplace;
    // Main editor only.
    std::unique_ptr<TVYXHeadersFooters> FHeaders, FFooters;
    std::unique_ptr<TVYXLogDocEditors> FTextBoxes;
    std::unique_ptr<TVYXLogDocEditor> FFootnotes, FEndnotes;
    std::unique_ptr<TVYXFootnotesList> FFootnoteList, FEndnoteList;
    TVYXObservers FObservers;
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
