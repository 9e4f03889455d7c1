// VYXLogDocument.h: one logical document: the owner of a body and of every table its paragraphs refer to, and the one door through which the body is edited.
//
// A main document owns, created in this order: the document and section
// properties, hyperlinks, numberings, styles, bookmarks, permissions, comments,
// pictures, shape types, the root data every paragraph reaches through its list,
// the paragraph list, and over it the body walker and the revision manager.
// A secondary document (header, footer, notes, text box) is made with a parent:
// it shares all of the parent's tables and root data and owns only its paragraph
// list, walker and revision manager. The parent must outlive its secondaries.
//
// Edits: InsertContent, InsertText, RemoveContent, SetCharProps, SetParaProps and
// RestoreFormats are the primitive edits. Each one tells the watchers what changed
// and returns what its inverse needs; see VYXDocEdit.cpp for the rules that make
// the inverses exact.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/VYXDocAddress.h"
#include "model/VYXLogParas.h"

class TVYXDOP;
class TVYXSEP;
class TVYXGraphicObj;
class TVYXCHP;
class TVYXPAP;
class TVYXHyperlinks;
class TVYXNumberings;
class TVYXStyles;
class TVYXBookmarks;
class TVYXPermissions;
class TVYXComments;
class TVYXPictures;
class TVYXShapeTypes;
class TVYXRootData;
class TVYXRevision;
class TVYXBodyWalker;
class TVYXErrorManager;
class TVYXLogDocument;

// Paper size in millimetres, as the host's printer reports it.
struct TVYXPaperMm {
    double WidthMm = 0;
    double HeightMm = 0;
};
// Given to each new main document rather than kept process-wide, so documents
// on different threads share nothing.
using TVYXPaperSizeHook = std::function<TVYXPaperMm()>;

// What RemoveContent took out, ready for InsertContent to put back. Its paragraph
// list lives over the root data of the document it came from, so it must not
// outlive that document; content for another document goes through a copy
// (TVYXLogParas::Insert maps styles, pictures and links into the target).
class TVYXDocFragment {
public:
    TVYXDocFragment();
    TVYXDocFragment(const TVYXDocFragment&) = delete;
    TVYXDocFragment& operator=(const TVYXDocFragment&) = delete;
    ~TVYXDocFragment();

    // The items as TVYXLogSelection::CopyContent gives them: the Pilcrow flag of
    // every paragraph but the last tells whether its paragraph mark is part of it.
    std::unique_ptr<TVYXLogParas> Paras;
    // When the content crosses paragraphs, a removal leaves one paragraph where two
    // ends stood: the first one's (a range starting inside it) or the last one's (a
    // range starting at position 1). The other one's format and section are kept
    // here, as Head (the first paragraph's) or Tail (the last one's), and inserting
    // the fragment puts them back.
    std::unique_ptr<TVYXPAPX> HeadPAPX, TailPAPX;
    std::unique_ptr<TVYXSEP> HeadSEP, TailSEP;

    // Boundary runs (bookmarks, comments, permissions) stay in the body when the text
    // around them goes: a removal gathers those of its range, in reading order, where
    // the range started (Origin). Each one's place before the removal is kept here, and
    // inserting the fragment back at Origin puts them back there. Content inserted
    // anywhere else leaves them where they are.
    struct TBoundary {
        TVYXDocAddress At;  // in the body before the removal
        int Order = 0;      // empty runs before it at the same position of its paragraph
        // An empty text run stood just before it (the format typing there takes), with
        // this format. The copy keeps such a run, but putting the content back merges
        // runs as a paste does before the boundary is there to keep it apart.
        bool EmptyBefore = false;
        std::unique_ptr<TVYXCHPX> EmptyBeforeCHPX;
    };
    TVYXDocAddress Origin;
    std::vector<TBoundary> Boundaries;
    // Empty runs that are not text (a complex field's begin, instruction and separator)
    // are left in the body where a removal starts, and those that stood at its end (the
    // field's end) join them there. LeadingEmpty counts those that stood before the
    // range: content inserted at Origin goes after that many, and the ones after them
    // go back after the content. -1 (content from anywhere else): after all of them.
    int LeadingEmpty = -1;
    // A range ending in an empty paragraph: the format of that paragraph's empty run,
    // which an insertion gives back to the empty paragraph it leaves at its end.
    bool HasEmptyTail = false;
    std::unique_ptr<TVYXCHPX> EmptyTailCHPX;
    // Anchored objects across paragraphs: a removal takes those of the paragraphs it
    // takes whole (the first one too when the range starts at its position 1) as
    // copies in Paras; the end paragraphs it only cuts keep theirs, which the join
    // gathers in the paragraph left, the first end's before the last one's. Their
    // copies are left out of Paras, and HeadGraphics counts the first end's objects
    // there (-1: not from such a removal), so that inserting the fragment back at
    // Origin gives each end paragraph its own objects again.
    int HeadGraphics = -1;

    // True when the content holds a paragraph mark (or a table).
    bool CrossesParas() const;
    // A deep copy over the same document's tables (an undo record keeps one).
    std::unique_ptr<TVYXDocFragment> Clone() const;
};

// The formats an edit replaced, ready for RestoreFormats. Addresses name paragraphs
// (their CharPos is not used); run formats cover From..To-1 of their paragraph. The
// formats fall back on the document's master formats, so they must not outlive it.
class TVYXDocFormats {
public:
    struct TRunFormat {
        TVYXDocAddress Para;
        std::int32_t From = 1, To = 1;
        std::unique_ptr<TVYXCHPX> CHPX;  // nullptr: the run had no list of its own
    };
    struct TParaFormat {
        TVYXDocAddress Para;
        std::unique_ptr<TVYXPAPX> PAPX;
        // With WithSEP the section the paragraph ends (nullptr: none) is put back too;
        // the formats an edit returns always carry it. Shared because it is an
        // immutable snapshot that copies of these formats (undo records) share, and so
        // that code holding formats needs no section header.
        std::shared_ptr<const TVYXSEP> SEP;
        bool WithSEP = false;
    };
    // The properties of an object anchored to a paragraph (its place in the paragraph's
    // list of floating objects): size, position, wrapping, not its text box's text.
    // Shared for the reason SEP is.
    struct TObjectFormat {
        TVYXDocAddress Para;
        int Index = 0;
        std::shared_ptr<const TVYXGraphicObj> Object;
    };
    TVYXDocRange Range;  // what the edit covered
    std::vector<TRunFormat> Runs;
    std::vector<TParaFormat> Paras;
    std::vector<TObjectFormat> Objects;
    // With WithDocSEP the document's own section (the last one's settings: page,
    // margins, columns) is put back too.
    std::shared_ptr<const TVYXSEP> DocSEP;
    bool WithDocSEP = false;
    std::unique_ptr<TVYXDocFormats> Clone() const;
};

// What watchers are told after each primitive edit. The pointers are borrowed and
// valid during the call only: an undo record copies what it needs.
struct TVYXDocEditEvent {
    TVYXDocChange Change;
    const TVYXDocFragment* Removed = nullptr;  // adckRemove: what went
    const TVYXDocFormats* Previous = nullptr;  // adckFormat: the formats before
    // Whole items came or went (tables, or paragraphs with their marks): Range runs
    // from position 1 of the first item to position 1 of the item after the last, and
    // its ends may name tables, so RemoveContent cannot take them back; RemoveItems can.
    bool Items = false;
    // adckInsert: an empty text run stood at the insertion point (the run typed text
    // fills), with this format (nullptr: none of its own). Taking the insertion back
    // leaves no such run behind; PutEmptyRun puts it back.
    bool EmptyRun = false;
    const TVYXCHPX* EmptyRunCHPX = nullptr;
};

// Subscribers to a document's edits: undo records the inverse, layout marks rows
// dirty, spell checking queues paragraphs.
class TVYXDocWatcher {
public:
    virtual ~TVYXDocWatcher() = default;
    virtual void DocChanged(TVYXLogDocument& doc, const TVYXDocEditEvent& event) = 0;
};

class TVYXLogDocument : public TVYXLogParaIterator {
public:
    // `errors` is borrowed (the host's); `parent` is nullptr for a main document and
    // required for every other type. `paperSize` gives a main document's default
    // page; without it, or when it answers a size that is not positive, A4.
    explicit TVYXLogDocument(TVYXLogDocType type = aldtMain, TVYXErrorManager* errors = nullptr,
                             TVYXLogDocument* parent = nullptr, const TVYXPaperSizeHook& paperSize = {});
    TVYXLogDocument(const TVYXLogDocument&) = delete;
    TVYXLogDocument& operator=(const TVYXLogDocument&) = delete;
    ~TVYXLogDocument() override;

    // ---- What the document holds (a secondary answers its parent's tables) ----
    TVYXLogDocType DocType() const { return FType; }
    TVYXLogDocument* ParentDoc() const { return FParent; }
    // Const documents hand out const parts; the scratch formats below stay writable.
    const TVYXLogParas& Paras() const { return *FLogParas; }
    TVYXLogParas& Paras() { return *FLogParas; }
    const TVYXDOP& DOP() const { return *FDOPRef; }
    TVYXDOP& DOP() { return *FDOPRef; }
    const TVYXSEP& SEP() const { return *FSEPRef; }
    TVYXSEP& SEP() { return *FSEPRef; }
    const TVYXHyperlinks& Hyperlinks() const;
    TVYXHyperlinks& Hyperlinks();
    const TVYXNumberings& Numberings() const;
    TVYXNumberings& Numberings();
    const TVYXStyles& Styles() const;
    TVYXStyles& Styles();
    const TVYXBookmarks& Bookmarks() const;
    TVYXBookmarks& Bookmarks();
    const TVYXPermissions& Permissions() const;
    TVYXPermissions& Permissions();
    const TVYXComments& Comments() const;
    TVYXComments& Comments();
    const TVYXPictures& Pictures() const;
    TVYXPictures& Pictures();
    const TVYXShapeTypes& ShapeTypes() const;
    TVYXShapeTypes& ShapeTypes();
    TVYXErrorManager* Errors() const;
    const TVYXRevision& Revision() const { return *FRevision; }
    TVYXRevision& Revision() { return *FRevision; }
    const TVYXBodyWalker& Walker() const { return *FWalker; }
    TVYXBodyWalker& Walker() { return *FWalker; }
    // The master formats every property list of the document falls back on, and the scratch
    // lists writers fill: a const document reads them, only a writable one changes them.
    const TVYXCHP& GetMasterCHP() const;
    TVYXCHP& GetMasterCHP();
    const TVYXPAP& GetMasterPAP() const;
    TVYXPAP& GetMasterPAP();
    const TVYXCHPX& GetTempCHPX() const;
    TVYXCHPX& GetTempCHPX();
    const TVYXPAPX& GetTempPAPX() const;
    TVYXPAPX& GetTempPAPX();
    // The layout device's resolution, which paragraphs read through their list.
    void SetPPI(double x, double y);
    // Whether runs inherit the character format of the paragraph mark.
    void SetInheritCHPX(bool on);

    // Empty lists and run lists over this document's tables, for clipboard content,
    // fragments and tests. They must not outlive the document.
    std::unique_ptr<TVYXLogParas> CreateParas() const;
    std::unique_ptr<TVYXCharRuns> CreateCharRuns() const;

    // ---- Life cycle ----
    // Empties the paragraphs and, for a main document, styles, numberings,
    // bookmarks, permissions, comments, pictures and hyperlinks, and resets the DOP.
    // Runs leaving the body are not reported to DeleteCharRun meanwhile.
    virtual void Clear();
    virtual void SetDirty(bool value);
    bool Dirty() const { return FDirty; }
    // The client width of the section: page width less the left and right margins.
    double Width() const;
    // Called for each linked run (bookmark, comment, permission boundary) that leaves
    // the body by an edit; the editor drops what the run held open.
    virtual void DeleteCharRun(TVYXCharRun& run);

    // ---- Whole text ----
    std::u16string GetPlainText() const;
    void SetPlainText(std::u16string_view text);
    std::u16string GetFileText() const;
    void SetFileText(std::u16string_view text);

    // ---- Navigation (TVYXLogParaIterator over the paragraph list) ----
    TVYXLogPara* FirstPara() override;
    TVYXLogPara* LastPara() override;
    TVYXLogPara* NextPara(TVYXLogParaItem& item) override;
    TVYXLogPara* PrevPara(TVYXLogParaItem& item) override;

    // ---- The door for edits ----
    void AddWatcher(TVYXDocWatcher& watcher);
    void RemoveWatcher(TVYXDocWatcher& watcher);
    // A position for an address, and back. PosAt raises "Invalid address" when the
    // address names no paragraph of the body or a position past its paragraph's end.
    TVYXLogPos PosAt(const TVYXDocAddress& address) const;
    static TVYXDocAddress AddressOf(const TVYXLogPos& pos) { return VYXAddressOf(pos); }
    // The address naming after `change` what `address` named before it.
    static TVYXDocAddress AdjustAddress(const TVYXDocAddress& address, const TVYXDocChange& change)
    {
        return VYXAdjustAddress(address, change);
    }

    // A copy of the content of a range whose ends lie in one list (paragraphs and
    // whole tables between); raises "Range ends in different lists" otherwise.
    std::unique_ptr<TVYXDocFragment> CopyContent(const TVYXDocRange& range) const;
    // Pastes `content` at `at` and returns the range it now covers. When the content
    // holds paragraph marks, the paragraph at `at` keeps its format on the side where
    // its text stays (before the content inside it, after the content at position 1);
    // the other end takes the fragment's Head or Tail format when it has one.
    TVYXDocRange InsertContent(const TVYXDocAddress& at, const TVYXDocFragment& content);
    // Text typed into one paragraph (line breaks are not split into paragraphs); it
    // takes the format of the run on its left.
    TVYXDocRange InsertText(const TVYXDocAddress& at, std::u16string_view text);
    // Takes out a range whose ends lie in one list and returns it. The paragraph left
    // where the ends stood has the first one's format, or the last one's when the
    // range starts at position 1 (the first paragraph goes whole).
    std::unique_ptr<TVYXDocFragment> RemoveContent(const TVYXDocRange& range);
    // Merges `chpx` into the characters of the range, cells included; `papx` into the
    // format of every paragraph the range touches. Both return the formats before.
    std::unique_ptr<TVYXDocFormats> SetCharProps(const TVYXDocRange& range, const TVYXCHPX& chpx);
    std::unique_ptr<TVYXDocFormats> SetParaProps(const TVYXDocRange& range, const TVYXPAPX& papx);
    // Puts back formats an edit returned, and returns those it replaced: run and
    // paragraph formats, paragraph sections, the document's section and the
    // properties of anchored objects. Also the way to change the latter two.
    std::unique_ptr<TVYXDocFormats> RestoreFormats(const TVYXDocFormats& formats);
    // (VYXDocEditTables.cpp) An empty paragraph before the item `item` names (a table
    // or a paragraph; CharPos unused); returns the range it covers.
    TVYXDocRange InsertParaBefore(const TVYXDocAddress& item);
    // A table of cols x rows empty cells in the style "TableGrid", `width` wide,
    // before the item `item` names; returns the range it covers.
    TVYXDocRange InsertTableBefore(const TVYXDocAddress& item, int cols, int rows, double width);
    // Reshapes the table `table` names with `reshape` (rows, columns, merges, sizes).
    // Watchers are told the old table went (with a copy) and the new one came; false,
    // and nothing told, when the address names no table or `reshape` answers false.
    bool EditTable(const TVYXDocAddress& table, const std::function<bool(TVYXTable&)>& reshape);
    // A run `make` builds and inserts at position `at` of its paragraph (a note
    // reference, an inline object); watchers hear an insertion of its characters.
    // An empty range, and nothing told, when `make` answers nullptr.
    TVYXDocRange InsertRun(const TVYXDocAddress& at,
                           const std::function<TVYXCharRun*(TVYXLogPara& para, std::int32_t pos)>& make);
    // (VYXDocEditItems.cpp) Whole items of one list, for taking back the item edits
    // above: RemoveItems takes out the items from range.First.Item up to (not
    // including) range.Last.Item, both ends at position 1, and returns them; it raises
    // "Invalid address" when that would empty the list. InsertItems puts copies of a
    // fragment's items before the item `before` names (or at the list's end) and
    // returns the range they cover. Watchers hear an item edit (TVYXDocEditEvent::Items).
    std::unique_ptr<TVYXDocFragment> RemoveItems(const TVYXDocRange& range);
    // An empty text run in `chpx` at `at` (the one an insertion filled): the empty text
    // run standing there takes the format, else a new one goes in before the runs there.
    void PutEmptyRun(const TVYXDocAddress& at, const TVYXCHPX* chpx);
    TVYXDocRange InsertItems(const TVYXDocAddress& before, const TVYXDocFragment& items);

private:
    void CreateOwnTables(const TVYXPaperSizeHook& paperSize);
    void CreateBody();
    void Notify(const TVYXDocEditEvent& event);
    void SaveFormats(TVYXDocFormats& formats, const TVYXDocRange& range, bool runs, bool paras) const;

    TVYXLogDocument* FParent;
    TVYXLogDocType FType;
    TVYXErrorManager* FErrors;  // borrowed: the host's
    bool FDirty = false;

    // Owned by a main document only; a secondary's are nullptr and it reads its parent's.
    std::unique_ptr<TVYXDOP> FDOP;
    std::unique_ptr<TVYXSEP> FSEP;
    std::unique_ptr<TVYXHyperlinks> FHyperlinks;
    std::unique_ptr<TVYXNumberings> FNumberings;
    std::unique_ptr<TVYXStyles> FStyles;
    std::unique_ptr<TVYXBookmarks> FBookmarks;
    std::unique_ptr<TVYXPermissions> FPermissions;
    std::unique_ptr<TVYXComments> FComments;
    std::unique_ptr<TVYXPictures> FPictures;
    std::unique_ptr<TVYXShapeTypes> FShapeTypes;
    std::unique_ptr<TVYXRootData> FRootData;
    TVYXDOP* FDOPRef = nullptr;  // own or the parent's
    TVYXSEP* FSEPRef = nullptr;
    TVYXRootData* FRootRef = nullptr;

    // Revision data in the runs report to the manager when they are freed, so the
    // manager and the walker outlive the paragraph list (the destructor frees the
    // list first).
    std::unique_ptr<TVYXBodyWalker> FWalker;
    std::unique_ptr<TVYXRevision> FRevision;
    std::unique_ptr<TVYXLogParas> FLogParas;
    std::vector<TVYXDocWatcher*> FWatchers;  // borrowed
    TVYXLogParasRootIterator FNav;           // reading order over FLogParas
};
