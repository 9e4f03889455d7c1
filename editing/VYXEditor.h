// VYXEditor.h: the editor facade: one object through which a host drives the word processor.
//
// TVYXEditor owns (or is given) the main document editor and owns everything that
// shows and edits it: the paginator, the spell checker, the macro recorder and the
// mouse responders. The drawing interface, the screen area, the error manager and
// the options belong to the host and are borrowed.
//
// Command flow: every key, character, mouse event and menu action becomes one
// CommandUI (or KeyPress, MouseCommand) call. Each is bracketed: BeforeCommand opens
// an undo group, AfterCommand closes it, and the call ends with UpdateUI, which
// relays out a dirty main document, paints and tells listeners. A command issued
// from inside another one (a listener, a queued command, a macro) only marks the
// update pending; the outermost command runs it once when it ends.
//
// Undo: the document editors record every change through their edit door into the
// main editor's history; the facade only groups them per command and tells the
// history where the focus went, so undo gives it back.
//
// Screen coordinates: pages stand one under the other, cPageGap pixels apart and
// from the area's left edge, scrolled by FScrollX/FScrollY; all x, y of the mouse
// and caret events are pixels of the current drawing interface in that space.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editing/VYXKeys.h"
#include "editing/VYXMacros.h"
#include "model/VYXDefs.h"
#include "model/VYXLogDocument.h"
#include "model/VYXLogPos.h"

class TVYXErrorManager;
class TVYXGDI;
class TVYXSysOptions;
class TVYXLogDocEditor;
class TVYXUndo;
class TVYXSpellChecker;
class TVYXPaginatorDoc;
class TVYXPaintDoc;
class TVYXPhyPage;
class TVYXPhyRow;
class TVYXPhyNavigator;
class TVYXLogParas;
class TVYXHyperlink;
class TVYXComplexField;
class TVYXStream;
class TVYXCharRun;
class TVYXStringList;
class TVYXBookmarks;
class TVYXHyperlinks;
class TVYXNumberings;
class TVYXPictures;
class TVYXDOP;
class TVYXMouseResponder;
class TVYXEditor;
class TVYXSelections;
class TVYXGraphicObj;
class TVYXClipboard;
class TVYXClipboardCmd;
class TVYXTableCell;
struct TVYXTableHit;
struct TVYXFileOptions;

// Modifier keys, mouse buttons and click counts of a mouse event, as one set.
using TVYXMouseShift = std::uint8_t;
constexpr TVYXMouseShift vymsNone = 0, vymsShift = 1, vymsAlt = 2, vymsCtrl = 4, vymsLeft = 8, vymsRight = 16,
                         vymsDouble = 32, vymsTriple = 64;

// What the default responder is doing between mouse down and up.
enum TVYXMouseSelState {
    amssNone, amssSizeRow, amssSizeColLeft, amssSizeColRight, amssSelectCol, amssSelectTable, amssSizeTable,
    amssHyperlink, amssInsertGraphic, amssCtrlClick, amssSelectText
};

// The password an encrypted file needs: fill `password` and answer true, or false to give up.
using TVYXEditorPasswordEvent = std::function<bool(std::u16string& password)>;
// An external command for the host (find dialog, spell-check word, ...): `handled`
// starts false; what the host sets back depends on the command.
using TVYXExternalCommandEvent = std::function<void(TVYXEditor& sender, TVYXCommand cmd, bool& handled)>;
using TVYXHyperlinkEvent = std::function<void(TVYXEditor& sender, const TVYXHyperlink& link)>;
// A drop-down form field was clicked; x, y: the left and bottom of its area on screen.
using TVYXPositionEvent = std::function<void(TVYXEditor& sender, TVYXComplexField& field, double x, double y)>;
using TVYXCaretEvent = std::function<void(TVYXEditor& sender, double x, double y, double height)>;
using TVYXEditorEvent = std::function<void(TVYXEditor& sender)>;
using TVYXPageEvent = std::function<void(TVYXEditor& sender, const TVYXPhyPage& page, double x, double y)>;
using TVYXDebugEvent = std::function<void(TVYXEditor& sender, const std::string& text)>;
// A command listener: told (sender, command, continue) after every update.
using TVYXCmdListener = std::function<void(TVYXEditor& sender, TVYXCommand cmd, bool& value)>;

// What the facade needs of a mouse responder: the default one (selection, hyperlinks,
// form fields) or a graphic editor while a picture or shape is being moved or sized.
class TVYXMouseResponder {
public:
    virtual ~TVYXMouseResponder() = default;
    // Each answers whether it took the event.
    virtual bool MouseDown(TVYXMouseShift shift, double x, double y) = 0;
    virtual bool MouseMove(TVYXMouseShift shift, double x, double y) = 0;
    virtual bool MouseUp(TVYXMouseShift shift, double x, double y) = 0;
    virtual bool WantsRepaint() const { return false; }
    // The graphic being edited, nullptr for the default responder.
    virtual TVYXGraphicObj* EditedGraphic() const { return nullptr; }
    // Keeps the mouse until the button goes up (a form field, a hyperlink).
    virtual void Capture() {}
    // Draws its frame, grips or guide line over the painted pages.
    virtual void Paint(TVYXGDI&) {}
};

class TVYXEditor {
public:
    static constexpr double cPageGap = 10;  // pixels around and between pages on screen

    // `mainDoc` nullptr: the editor creates and owns a main document, whose new
    // sections take the paper `paperSize` answers (the system's setting when empty).
    TVYXEditor(TVYXErrorManager* errors, TVYXGDI& gdi, TVYXSysOptions& sysOptions, const TVYXArea& area,
               TVYXLogDocEditor* mainDoc = nullptr, TVYXPaperSizeHook paperSize = {});
    ~TVYXEditor();
    TVYXEditor(const TVYXEditor&) = delete;
    TVYXEditor& operator=(const TVYXEditor&) = delete;

    // ---- Events (one handler each, called only when set) ----
    TVYXCaretEvent FCaretEvent;
    TVYXEditorEvent FCharFmtChangedEvent;
    TVYXEditorEvent FPaintScreenEvent;
    TVYXExternalCommandEvent FExtCmdEvent;
    TVYXHyperlinkEvent FHLinkEvent;
    TVYXPageEvent FPaintPageEvent;
    TVYXEditorEvent FCaretPosEvent;
    std::function<void(TVYXEditor& sender, bool visible)> FCaretVisibleEvent;
    TVYXEditorEvent FAfterFileReadEvent;
    TVYXEditorPasswordEvent FPasswordEvent;
    TVYXPositionEvent FStringsEvent;
    TVYXDebugEvent FDebugEvent;
    TVYXEditorEvent FEvNumbering;

    // Installs the format readers and writers on a document's clipboard worker (the
    // files layer sets it: the editor itself knows no file format).
    std::function<void(TVYXClipboardCmd& cmd, TVYXLogDocEditor& doc)> FClipboardSetupEvent;

    // The password for reading and writing encrypted DOCX (UTF-8); empty: no encryption.
    std::string FPassword;
    bool FShowMargins = false;

    // ---- Life cycle ----
    // Forgets the undo history, the macro and the last caret position.
    void Clear();
    void BeginUpdate() { FIsUpdating = true; }
    // Relays out everything and paints.
    void EndUpdate();
    bool IsUpdating() const { return FIsUpdating; }

    // ---- Files (editing/VYXEditorFiles.cpp, library vyx_files) ----
    // By the upper-cased extension: .RTF, .DOCX/.DOCM (plain or encrypted), .DOC, .ODT,
    // .HTM/.HTML, .TXT. Raises "Filename is missing" and "Do not know how to read
    // file type \"%s\"" (the extension with its dot).
    void LoadFromFile(const std::string& fileName);
    // A DOCX package, plain or encrypted.
    void LoadFromStream(TVYXStream& stream);
    void LoadFromStreamRTF(TVYXStream& stream);
    void LoadFromStreamHTML(TVYXStream& stream);
    // Lines of HTML text into the focused document.
    void LoadFromStrings(const TVYXStringList& lines);
    // `keepName`: the document's stored file name stays as it was.
    void SaveToFile(const std::string& fileName, bool keepName = false);
    // DOCX, encrypted with FPassword when one is set.
    void SaveToStream(TVYXStream& stream);
    void SaveToStreamRTF(TVYXStream& stream);
    // PDF export of the main document: PDF/A-1b, or RC4-128 encrypted when a password is
    // given; `permissions` is the set of the eight permission bits (all: 0xFF).
    void SaveToFilePDF(const std::string& fileName, bool pdfa1 = false, std::string_view userPassword = {},
                       std::string_view ownerPassword = {}, unsigned permissions = 0xFF);

    // The clipboard of the clipboard commands (borrowed; nullptr detaches).
    void SetClipboard(TVYXClipboard* clipboard);

    // ---- Commands ----
    // Straight to the focused document, without undo bracket or screen update (batch work).
    bool Command(TVYXCommand cmd);
    bool Command(TVYXCommand cmd, std::u16string_view text);
    bool Command(TVYXCommand cmd, const char16_t* text) { return Command(cmd, std::u16string_view(text)); }
    bool Command(TVYXCommand cmd, const TVYXLogSelection& selection);
    bool Command(TVYXCommand cmd, const TVYXLogPos& pos);
    bool Command(TVYXCommand cmd, int value1, int value2);
    bool Command(TVYXCommand cmd, int value);
    bool Command(TVYXCommand cmd, double value);
    bool Command(TVYXCommand cmd, bool value);

    // The interactive forms: bracketed, recorded, followed by an update. Ignored while
    // IsUpdating. Each answers whether the command did something.
    bool CommandUI(TVYXCommand cmd);
    bool CommandUI(TVYXCommand cmd, std::u16string_view text);
    bool CommandUI(TVYXCommand cmd, const char16_t* text) { return CommandUI(cmd, std::u16string_view(text)); }
    bool CommandUI(TVYXCommand cmd, int value);
    bool CommandUI(TVYXCommand cmd, double value);
    bool CommandUI(TVYXCommand cmd, bool value);
    bool CommandUI(TVYXCommand cmd, int value1, int value2);
    // vycInsertRTFStreamAtCaret: RTF from the stream at the caret.
    bool CommandUI(TVYXCommand cmd, TVYXStream& stream);
    bool CommandUI(TVYXCommand cmd, const TVYXLogPos& pos);
    bool CommandUI(TVYXCommand cmd, const TVYXLogSelection& selection);
    // vycInsertImageAtPos: a picture file at a position.
    bool CommandUI(TVYXCommand cmd, std::u16string_view fileName, const TVYXLogPos& pos);

    // Current values of format, graphic and setting commands (toolbar state); false
    // when no single value applies.
    bool CmdFormatValue(TVYXCommand cmd, bool& value) const;
    bool CmdFormatValue(TVYXCommand cmd, double& value) const;
    bool CmdFormatValue(TVYXCommand cmd, int& value) const;
    bool CmdFormatValue(TVYXCommand cmd, std::u16string& value) const;

    // ---- Keys and mouse ----
    // A key went down: its command from the default key table runs through CommandUI.
    // False when the key has no command (it is the host's).
    bool KeyDown(TVYXKey key, TVYXShiftState shift);
    // A typed character: recorded in the macro; printable ones are inserted at the caret.
    // Surrogate halves are held until their pair is complete.
    void KeyPress(char16_t ch);
    // vycMouseDown, vycMouseMove, vycMouseUp, vycSelectToXY at screen pixels.
    void MouseCommand(TVYXCommand cmd, TVYXMouseShift shift, double x, double y);
    void DoMouseDown(double x, double y, bool doubleClick);
    void DoMouseMove(double x, double y);
    // Selects from the anchor to the point (drag or Shift+click).
    void SelectToXY(double x, double y);

    // ---- Layout, painting and the caret ----
    void PaginateAll();
    // Paints the pages in view; raises FPaintScreenEvent when `screen`.
    void PaintPages(bool screen);
    void UpdateUI();
    // Marks the main document for repaint; RepaintUI paints at once.
    void Invalidate();
    void RepaintUI();
    virtual void CaretPosChanged();
    // A preset floating shape anchored to `para` (a body paragraph outside tables): 1
    // rectangle, 2 rounded rectangle, 3 ellipse, 20 line, 202 text box; placed at the
    // point of the click that asked for it (vycGraphicInsertShapeAtMouse), else at
    // the paragraph's start. Undoable; the new shape is selected for editing.
    virtual void InsertShape(TVYXLogPara& para, unsigned shapeId);
    // The caret on screen: x, y of its top and its height; false without a laid-out row.
    // After End on a wrapped row the caret stays at that row's end.
    bool GetCaretXY(double& x, double& y, double& height) const;
    // Any position on screen, as the caret would stand there (the row holding it):
    // its page, x, the row's top and height; false when it is not laid out.
    bool PosToXY(const TVYXLogPos& pos, int& page, double& x, double& y, double& height) const;

    // ---- Devices and areas ----
    // Switches to another drawing interface until RestoreGDI (printing, export).
    void SaveGDI(TVYXGDI& gdi);
    void RestoreGDI();
    void SaveArea() { FScrArea.Save(); }
    void RestoreArea() { FScrArea.Restore(); }
    TVYXGDI& GDI() const { return *FGDI; }
    const TVYXArea& GetArea() const { return FScrArea; }
    void SetArea(const TVYXArea& area);
    double ScrollX() const { return FScrollX; }
    double ScrollY() const { return FScrollY; }
    void SetScroll(double x, double y);
    // The screen top of page `index` (scroll applied); pages must be laid out.
    double PageScreenTop(int index) const;
    double PageScreenLeft() const { return cPageGap - FScrollX; }
    // The height all pages take on screen, gaps included.
    double DocScreenHeight() const;

    // ---- Focus and hit testing ----
    void SetFocusDoc(TVYXLogDocEditor& doc);
    TVYXLogDocEditor& FocusDoc() const { return *FFocusDoc; }
    TVYXLogDocEditor& MainDoc() const { return *FMainDoc; }
    // The document (body, header, footer, notes) under a screen point and its page
    // index; nullptr when the point is on no page.
    TVYXLogDocEditor* XYToDocAndPage(double x, double y, int& page) const;
    // The position under a screen point in `doc` on page `page`; false when none.
    bool XYToLogPos(TVYXLogDocEditor& doc, int page, double x, double y, TVYXLogPos& pos) const;
    TVYXLogDocEditor* GetHeader(int page) const;
    TVYXLogDocEditor* GetFooter(int page) const;
    TVYXLogDocEditor* GetHeaderFooter(int page, double x, double y) const;
    TVYXHyperlink* FindHyperlink(double x, double y) const;
    TVYXCharRun* FindCharRun(double x, double y) const;
    void ClickHLink(const TVYXHyperlink& link);
    // The screen box of a drawing object, inline or floating; false when it is not laid out.
    bool GraphicScreenRect(const TVYXGraphicObj& graphic, double& x1, double& y1, double& x2, double& y2) const;
    bool GraphicIsInline(const TVYXGraphicObj& graphic) const;
    // The floating object under a screen point (in front first), nullptr when none.
    TVYXGraphicObj* FindFloatingGraphic(double x, double y) const;
    // The table cell edge under a screen point (page `page`); Where is amchNone when none.
    bool TableHitAt(double x, double y, TVYXTableHit& hit, int& page) const;
    // Gives column `col` (or row `row`) of the cell's table a new width (height) in
    // points, as a table command of the focused document with the caret in that cell.
    bool SizeTableColumn(TVYXTableCell& cell, int col, double width);
    bool SizeTableRow(TVYXTableCell& cell, int row, double height);
    // The graphic being edited with the mouse, nullptr when none.
    TVYXGraphicObj* EditedGraphic() const { return FMouseResponder->EditedGraphic(); }

    // ---- Floating objects (editing/VYXEditorGraphics.cpp); each edit is undoable ----
    // The body paragraph a floating object is anchored to; nullptr for inline objects.
    TVYXLogPara* FindAnchorPara(const TVYXGraphicObj& graphic) const;
    // Moves a floating object by points; unless its anchor is locked it is anchored
    // again to the paragraph under its new top-left corner, staying where it was put.
    bool MoveFloating(TVYXGraphicObj& graphic, double dxPt, double dyPt);
    // Turns a floating object (a rotatable one) to `degrees` clockwise.
    bool RotateFloating(TVYXGraphicObj& graphic, double degrees);
    // Changes a floating object's properties through `change`, recorded for undo.
    bool ChangeFloating(TVYXGraphicObj& graphic, const std::function<void(TVYXGraphicObj&)>& change);
    // The selected object (body only) becomes floating at the place it was shown, or
    // inline in the text at its top-left corner; false when it already is, or holds
    // a text box.
    bool SetGraphicFloating(bool floating);

    // ---- Listeners ----
    void AddCmdListener(TVYXCmdListener handler) { FCommandListeners.push_back(std::move(handler)); }
    void ClearCmdListener() { FCommandListeners.clear(); }

    // ---- Macros ----
    TVYXMacro& Macro() { return FMacro; }
    void PlayMacro();

    // ---- Accessors ----
    TVYXSelections& GetSelections() const;
    TVYXBookmarks& GetBookmarks() const;
    TVYXHyperlinks& GetHyperlinks() const;
    TVYXNumberings& GetNumberings() const;
    TVYXPictures& GetPictures() const;
    TVYXDOP& GetDOP() const;
    const TVYXLogPos& GetCaretPos() const;
    TVYXUndo& Undo() const;
    TVYXSpellChecker& SpellChecker() const { return *FSpellChecker; }
    TVYXPaginatorDoc& Paginator() const { return *FPaginator; }
    TVYXSysOptions& SysOptions() const { return FSysOptions; }
    TVYXErrorManager* Errors() const { return FErrors; }
    std::string GetFilename() const;
    void SetFilename(std::string name) { FFilename = std::move(name); }
    // Repaints and relayouts since creation (tests see that nested commands paint once).
    int RepaintCount() const { return FRepaintCount; }
    int PaginateCount() const { return FPaginateCount; }
    int ActiveCommandCount() const { return FActiveCommandCount; }
    TVYXCommand PendingCommand() const { return FPendingCommand; }
    TVYXMouseResponder& MouseResponder() const { return *FMouseResponder; }

    // ---- Diagnostics: text dumps into `lines` ----
    void DEBUG_DumpCharRuns(TVYXStringList& lines) const;
    void DEBUG_DumpPages(TVYXStringList& lines) const;
    void DEBUG_DumpPara(TVYXStringList& lines) const;
    void DEBUG_DumpParas(TVYXStringList& lines) const;
    void DEBUG_DumpTable(TVYXStringList& lines) const;
    void DEBUG_DumpSEPs(TVYXStringList& lines) const;
    void DEBUG_DumpRows(TVYXStringList& lines) const;
    void DEBUG_DumpUndo(TVYXStringList& lines) const;

private:
    friend class TVYXDefMouseResponder;
    friend class TVYXGraphicEditor;
    friend class TVYXEditorCommandScope;
    void BeforeCommand(TVYXCommand cmd);
    void AfterCommand();
    void AbortCommand() noexcept;
    // Runs `body` inside the bracket: leave graphic editing, body, UpdateUI.
    bool RunUI(TVYXCommand cmd, bool leaveGraphic, const std::function<bool()>& body);
    bool DispatchUI(TVYXCommand cmd);
    bool DoExternal(TVYXCommand cmd);
    bool DoControl(TVYXCommand cmd);
    bool DoSpellCheckAll(std::string_view language);
    void DoSpellCheckWords();
    bool DoInsertFootnote();
    bool DoInsertImage(TVYXCommand cmd, std::u16string_view fileName);
    bool DoUndo(bool redo);
    bool CaretInCell() const;
    bool BookmarkRange(std::u16string_view name, TVYXLogSelection& range) const;
    void LeaveGraphicEditing();
    void StartGraphicEditing(TVYXGraphicObj& graphic);
    void CharFmtChangedCheck();
    void RaiseExt(TVYXCommand cmd, bool& handled);
    void RecalcPageTops();
    int FindFloatingOwnerPage(const TVYXGraphicObj& graphic) const;
    // The drawing object when the selection is exactly one inline object run.
    TVYXGraphicObj* SelectedGraphicRun() const;
    // The rows of `doc`'s own paragraphs (body, notes) on one page.
    void CollectRows(TVYXLogDocEditor& doc, int page, std::vector<TVYXPhyRow*>& rows) const;
    // The page a row shows on: its own, the page of its text box, else (headers and
    // footers stand on every page) the page in view.
    int PageOfRow(const TVYXPhyRow& row) const;
    // The text box document whose paragraphs are `paras`; nullptr when none is.
    TVYXLogDocEditor* FindTextBoxDoc(const TVYXLogParas* paras) const;
    // The line, page and window moves of the document editors, answered by layout.
    bool DocPhyPosition(TVYXLogDocEditor& doc, int type, TVYXLogPos& pos);
    // The physical caret standing at `pos`: the one the last line move left when it
    // stands there (its row and remembered column), else a fresh one.
    TVYXPhyNavigator& NavigatorAt(const TVYXLogPos& pos) const;
    // The next line move takes its column from wherever the caret stands then.
    void ForgetColumn();
    void HookDoc(TVYXLogDocEditor& doc);
    // Anchored objects in and out of a paragraph's list, recorded for undo.
    TVYXGraphicObj& AnchorFloating(TVYXLogPara& para, std::unique_ptr<TVYXGraphicObj> graphic);
    std::unique_ptr<TVYXGraphicObj> UnanchorFloating(TVYXGraphicObj& graphic);
    // An inline object run at the focused document's caret, through the edit door.
    bool InsertInlineGraphic(std::unique_ptr<TVYXGraphicObj> graphic);
    double ParaScreenTop(const TVYXLogPara& para) const;
    // Graphic commands on the selected floating object (and the wrap command, which
    // turns objects inline or floating): false when the document answers it instead.
    bool FloatingCommand(TVYXCommand cmd, double value, bool& done);
    // The outermost command being run (vycNone outside commands).
    TVYXCommand ActiveCommand() const;
    void RecreatePaginator();
    // Loading: the cleared document with the built-in styles, and the update after reading.
    void ResetForLoad();
    void AfterLoad(bool raiseEvent);
    // The file table's options for this editor: its password (and event), text in the
    // 8-bit code page with CR LF.
    TVYXFileOptions FileOptions() const;

    TVYXErrorManager* FErrors;
    std::string FFilename;  // UTF-8, as given to the last load or save
    std::unique_ptr<TVYXLogDocEditor> FOwnedMainDoc;
    TVYXLogDocEditor* FMainDoc = nullptr;
    TVYXLogDocEditor* FFocusDoc = nullptr;
    bool FOwnsMainDoc = false;
    TVYXSysOptions& FSysOptions;
    std::unique_ptr<TVYXSpellChecker> FSpellChecker;
    TVYXGDI* FGDI;
    TVYXGDI* FTempGDI = nullptr;
    TVYXArea FScrArea;
    double FScrollX = 0, FScrollY = 0;
    std::unique_ptr<TVYXPaginatorDoc> FPaginator;
    std::unique_ptr<TVYXPaintDoc> FPaintDoc;  // paints with FGDI from FPaginator's pages
    std::unique_ptr<TVYXMouseResponder> FDefMouseResponder;
    std::unique_ptr<TVYXMouseResponder> FGraphicEditor;
    TVYXMouseResponder* FMouseResponder = nullptr;
    bool FIsUpdating = false;
    int FActiveCommandCount = 0;
    bool FPendingUpdateUI = false;
    TVYXCommand FPendingCommand = vycNone;
    bool FDoRestoreX = false;
    // Line moves and the caret's row; made again whenever the caret went elsewhere or
    // the pages were laid out again (it keeps rows and pages of the layout it saw).
    mutable std::unique_ptr<TVYXPhyNavigator> FNavigator;
    // The page whose header or footer band was clicked into: its caret is drawn there
    // (-1: on the page in view).
    int FHdrFtrPage = -1;
    bool FCurrCmdIsMouseMove = false;
    unsigned FCurrShapeId = 0;
    double FInsertX = -1, FInsertY = -1;  // the click a pending shape goes in at
    TVYXMacro FMacro;
    TVYXLogPos FLastCaretPos;
    const TVYXCharRun* FLastCaretRun = nullptr;  // for the format-changed check (compared only)
    int FRepaintCount = 0, FPaginateCount = 0;
    bool FUpdateGr = false;
    char16_t FHighSurrogate = 0;
    std::vector<TVYXCmdListener> FCommandListeners;
    std::vector<double> FPageTops;  // page tops on the unscrolled screen
    std::vector<TVYXCommand> FCommandStack;  // the commands being run, outermost first
};
