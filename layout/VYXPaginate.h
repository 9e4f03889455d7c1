// VYXPaginate.h: the document paginator: rows of every paragraph stacked onto pages.
//
// Two passes. The row pass breaks paragraphs into rows (TVYXPaginator) - only those
// that are dirty or whose width, resolution or list label changed; all others keep
// their rows. The placement pass then walks the body in order and gives every row
// its page, baseline and x: pure arithmetic over stored heights, no measuring. After
// typing one character only that paragraph is broken again and the placement pass
// moves the rest, so relayout costs one paragraph's measuring plus a walk over rows.
//
// Placement: rows go down the body; a row that does not fit below the last one goes
// to the next column or page. Space between paragraphs: a paragraph without a list
// whose follower has no space before adds its space after; otherwise the follower's
// space before separates them (and the line-spacing surplus of the last row). Tables
// place each cell's paragraphs from the row's top; a row ends where its lowest cell
// ends, on the latest page any cell reached; rows shorter than their minimum grow,
// exact rows take their height; cells are aligned vertically by moving their rows.
// Header rows are repeated on every page a table continues on.
//
// Page-break rules. Widow and orphan control (on unless a paragraph or its style turns
// it off): a paragraph never leaves its first row alone at a page's foot (it moves)
// nor its last row alone at a page's top (the row before goes along). Keep lines
// together moves a paragraph that would split to the next page, when it fits on one.
// Keep with next: when the item after a run of such paragraphs (headings) begins on a
// new page or column, the run goes along, unless it already heads its page or crossed
// one; with orphan control the heading so comes with two lines of text. A table row
// that may not split starts again on the next page. All of this places the item again
// from a mark (pages, rows, notes and objects are rolled back), at most a few times.
//
// Footnotes go onto the page of their reference while the row and its notes fit. A
// note that does not fit starts below its reference with the rows that fit (at least
// two, and never leaving its last row alone) and goes on at the top of the next page's
// note area, which a note's rest may fill to three quarters of the body; a note that
// cannot start there starts on the next page. Endnotes follow the body.
//
// Objects placed against the page or its margins (and any set to top and bottom)
// stand where their position says, on the page where their anchor paragraph starts;
// from the anchor on, rows beside a square object are broken narrower on the side with
// more room (broken again where placed: such rows are not reused), and rows cannot
// stand beside a top-and-bottom object, or a square one leaving under 3/4 inch, so
// they go below it. Tight wrapping is taken as square. When text placed before the
// anchor on that page runs under the object, the page is placed again from its start
// with the object known (once per object).
//
// Not supported: floating tables; objects anchored in cells, text boxes, headers and
// footers take no room from the text; square wrapping puts text on one side only;
// widow control and keeps inside table cells; objects on an endless page (web layout).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "layout/VYXPhyPage.h"
#include "layout/VYXPhyRow.h"

class TVYXGDI;
class TVYXLogDocEditor;
class TVYXLogParas;
class TVYXLogPara;
class TVYXLogParaItem;
class TVYXTable;
class TVYXSEP;
class TVYXCharRun;
class TVYXFieldUpdater;
class TVYXGraphicObj;
class TVYXGraphicRotate;
class TVYXNumbering;

class TVYXPaginatorDoc {
public:
    // Lays out `doc` (a main editor with its headers, footers and notes) for `gdi`.
    // Both are borrowed and must outlive the paginator.
    TVYXPaginatorDoc(TVYXGDI& gdi, TVYXLogDocEditor& doc);
    ~TVYXPaginatorDoc();
    TVYXPaginatorDoc(const TVYXPaginatorDoc&) = delete;
    TVYXPaginatorDoc& operator=(const TVYXPaginatorDoc&) = delete;

    // The clock for DATE fields: days since 1899-12-30, local time.
    double Now = 0;

    // Full layout; paragraphs whose rows are still valid are reused.
    void Paginate();
    // Forgets the pages and every row, so that the next Paginate breaks everything.
    void Clear();
    TVYXPhyPages& Pages() { return FPages; }
    const TVYXPhyPages& Pages() const { return FPages; }
    // Paragraphs broken into rows by the last Paginate (the rest were reused).
    int BrokenParas() const { return FBroken; }
    // The laid-out height of a web layout (one endless page), pixels.
    double WebHeight() const { return FWebHeight; }
    // Bytes the rows of the body, notes, headers and footers take.
    std::size_t RowMemory() const;
    // The text a field shows on a given page (PAGE, NUMPAGES, SECTIONPAGES); nothing
    // for other fields, whose text was calculated during layout.
    std::optional<std::u16string> PageFieldText(const TVYXCharRun& run, const TVYXPhyPage& page) const;
    // Header and footer editors of the kind, nullptr when the document has none.
    TVYXLogDocEditor* Header(TVYXPageHdrFtr kind) const;
    TVYXLogDocEditor* Footer(TVYXPageHdrFtr kind) const;

private:
    struct TPlace;
    struct TBox;
    struct TSection;
    void CollectSections();
    void DoPaginate(TVYXLogParas& paras, double width, bool numbering);
    void BreakPara(TVYXLogPara& para, double width, const std::u16string& label);
    void BreakTextBox(TVYXGraphicObj& obj);
    void PlaceTextBox(TVYXGraphicObj& obj, TVYXPhyPage& page);
    // `level` is the paragraph's list level when known, else it is looked up.
    std::u16string DoParaNumbering(TVYXLogPara& para, TVYXNumbering* level);
    std::u16string LabelOf(TVYXLogPara& para);
    void DoHeadersFooters();
    void DoParasHeight(TVYXLogParas& paras, TPlace& at, const TBox& box, int depth);
    // `next` is the item after the paragraph in its list (nullptr at the end). `forced`
    // lists rows that must begin a new column or page; `splits` receives the rows that
    // began one.
    void DoParaHeight(TVYXLogPara& para, TVYXLogParaItem* next, TPlace& at, const TBox& box, int depth,
                      const std::vector<int>& forced = {}, std::vector<int>* splits = nullptr);
    // The body items of a section, with keep-with-next between paragraphs.
    void PlaceItems(const TSection& sec, TPlace& at);
    // A body paragraph with keep-lines-together and widow and orphan control.
    void PlaceBodyPara(TVYXLogPara& para, TVYXLogParaItem* next, TPlace& at, bool breakBefore);
    // Placement can be undone back to a mark, to place again with other breaks.
    struct TMark;
    TMark Mark(const TPlace& at) const;
    void Restore(const TMark& mark, TPlace& at);
    // Objects placed on the page (not beside their paragraph) that text wraps around.
    struct TZone;
    bool IsPageObject(const TVYXGraphicObj& obj) const;
    void PlaceObject(TVYXGraphicObj& obj, const TVYXPhyPage& page, const TBox& column, double paraTop);
    void RegisterZones(TVYXLogPara& para, const TPlace& at);
    void WrapAroundZones(TVYXLogPara& para, const TPlace& at, double top);
    // The y at which a row of height `h` clears the objects text may not stand beside.
    double BelowZones(const TPlace& at, double y, double h) const;
    void DoTableHeight(TVYXTable& table, TPlace& at, const TBox& box, int depth);
    double ParaSpacing(TVYXLogPara& para, TVYXLogParaItem* next);
    double DoFootnotesHeight(const std::vector<TVYXFootnoteItem*>& notes);
    // The rows of a note over its paragraphs, each with the room it takes below it.
    std::vector<std::pair<TVYXPhyRow*, double>> NoteRowsOf(TVYXFootnoteItem& note);
    // Puts the parts into the page's note area while they fit in `room` pixels, a note
    // split after its first `minRows` rows at least; returns what did not fit.
    std::vector<TVYXNotePart> FillNotes(TVYXPhyPage& page, const std::vector<TVYXNotePart>& parts, double room,
                                        int minRows);
    void PlaceNotes(TVYXPhyPage& page);
    void AddPage(TPlace& at, int sectionIndex);
    void NextColumnOrPage(TPlace& at, int depth);
    double BodyBottom(const TPlace& at) const;
    void DoSectionBreak(int index, TPlace& at);
    void EndPage(TVYXPhyPage& page);
    std::u16string FieldText(const TVYXCharRun& run);
    TBox ColumnBox(const TPlace& at) const;
    // Height of a list of paragraphs laid out at the current widths (headers, notes).
    double ParasHeight(TVYXLogParas& paras, int first = 0, int last = -1);

    TVYXGDI& FGDI;
    TVYXLogDocEditor& FDoc;
    TVYXPaginator FPaginator;
    TVYXPhyPages FPages;
    std::unique_ptr<TVYXFieldUpdater> FFields;
    std::vector<TSection> FSections;
    std::map<const void*, TVYXFootnoteItem*> FNoteOf;  // reference's note object -> note item
    std::vector<std::vector<int>> FCounters;            // list counters per list, per level
    std::vector<int> FCounterIds;
    std::vector<TVYXNotePart> FCarriedNotes;            // note rows that did not fit on the page before
    double FHeaderEx[3] = {-1, -1, -1};
    double FFooterEx[3] = {-1, -1, -1};
    std::vector<TVYXGraphicRotate*> FTextBoxes;  // laid out by the last row pass (borrowed)
    int FBoxDepth = 0;
    double FCarry[4] = {0, 0, 0, 0};  // left width and height, right width and height still beside the text
    double FWebHeight = 0;
    double FColLimit = 0;  // while balancing columns: the columns' bottom, else 0
    double FPPX = 96.0 / 72, FPPY = 96.0 / 72;
    int FBroken = 0;
    TVYXLogPara* FFieldPara = nullptr;  // the paragraph being broken, for its fields
    bool FWeb = false;
    std::vector<std::pair<TVYXTable*, int>> FOpenTables;  // tables being placed and their header row count
    // Page and column of the first and of the last row of the body item placed last.
    std::pair<int, int> FFirstWhere{-1, 0}, FLastWhere{-1, 0};
    std::vector<TZone> FZones;  // in placement order, so pages ascend
    // Zones found after text above them was placed on their page: kept through the
    // placement again from that page's start, so that the text above wraps as well.
    std::vector<TZone> FEarlyZones;
    std::vector<const TVYXGraphicObj*> FReplayed;  // objects that caused such a placement
    int FReplayPage = -1;                          // the page to place again, -1 for none
};
