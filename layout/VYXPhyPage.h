// VYXPhyPage.h: the physical pages the document paginator fills: body, header and footer extensions, notes, floats.
//
// Lengths are pixels of the layout device, the origin at the page's top-left corner.
// A page does not own its rows (paragraphs do); it lists them in placement order.
#pragma once

#include <memory>
#include <vector>

#include "layout/VYXHitAreas.h"
#include "layout/VYXPhyRow.h"

class TVYXSEP;
class TVYXGraphicObj;
class TVYXTable;
class TVYXTableRow;
class TVYXFootnoteItem;
class TVYXGDI;
class TVYXLogPos;
class TVYXLogPhyPosition;
class TVYXLogParas;

// Which header or footer a page shows.
enum TVYXPageHdrFtr { aphfDefault, aphfFirst, aphfEven };
// The part of a page a point lies in (see TVYXPhyPage::Hit).
enum TVYXPageArea { apaNone, apaHeader, apaBody, apaFootnotes, apaFooter };

// A table's header row drawn again at the top of a page the table continues on.
struct TVYXRepeatedRow {
    TVYXTableRow* Row = nullptr;  // borrowed
    float X = 0, Y = 0;           // top-left of the copy on this page
    float DY = 0;                 // to add to the header row's own placed y
};

// A stretch of one note's rows in a page's note area. A note that does not fit below
// its reference goes on from row `From` in the next page's note area.
struct TVYXNotePart {
    TVYXFootnoteItem* Note = nullptr;  // borrowed
    int From = 0;                      // first row, counted over the note's paragraphs
    int To = -1;                       // after the last row; -1 for the note's end
};

class TVYXPhyPage {
public:
    int Index = 0;                 // 0-based in the sequence
    int SectionIndex = 0;          // 0-based section the page starts in
    int SectionPage = 1;           // 1-based number within that section
    const TVYXSEP* SEP = nullptr;  // borrowed: the section's properties
    double PageWidth = 0, PageHeight = 0;
    double ClientX1 = 0, ClientY1 = 0, ClientX2 = 0, ClientY2 = 0;
    // Header and footer extensions into the body: default, first-page, even-page; -1 when not set.
    double HeaderEx[3] = {-1, -1, -1};
    double FooterEx[3] = {-1, -1, -1};
    TVYXPhyRowsList Rows;          // body rows in placement order
    TVYXPhyRowsList NoteRows;      // footnote rows, at the page's foot
    std::vector<TVYXFootnoteItem*> Footnotes;  // borrowed, in reference order
    // What the note area shows, in order: the rest of a note from the page before,
    // then the notes (or their first rows) referenced on this page.
    std::vector<TVYXNotePart> NoteParts;
    double FNotesHeight = 20;      // room for the separator, then each note
    double ContentTop = 0;         // body top below repeated table header rows
    std::vector<TVYXGraphicObj*> GrInFront, GrBehind, GrPage;  // borrowed floats
    std::vector<TVYXRepeatedRow> RepeatedRows;
    TVYXHitAreas FHitAreas;        // tables (made by layout), hyperlinks and form fields (by painting)

    double GetWidth() const { return PageWidth; }
    double GetHeight() const { return PageHeight; }
    double GetClientWidth() const { return ClientX2 - ClientX1; }
    double GetClientHeight() const { return ClientY2 - ClientY1; }
    // The header kind shown: the first page of a title-page section, even pages (odd
    // indexes) when the document has even headers, else the default.
    TVYXPageHdrFtr HdrFtrKind() const;
    double HeaderExHeight() const;
    double FooterExHeight() const;
    double PageExtra() const { return HeaderExHeight() + FooterExHeight(); }
    // The height left for the body between two edges.
    double BodyHeight(double bottom, double top) const { return bottom - top - PageExtra(); }
    double GetFNotesHeight() const { return NoteParts.empty() ? 0 : FNotesHeight; }
    // Where the body starts and ends, and where the footnote area begins.
    double BodyTop() const { return ClientY1 + HeaderExHeight(); }
    double GetAbsDocCY2() const { return ClientY2 - FooterExHeight() - GetFNotesHeight(); }
    double GetAbsAbsFNotesCY1() const { return GetAbsDocCY2(); }

    // ---- Positions on the page (layout/VYXPageMap.cpp) ----
    // The first and last place of the body text on the page, from its rows in placement
    // order (a paragraph's end on its last row); no paragraph when the page has no rows.
    TVYXLogPos FirstPos() const;
    TVYXLogPos LastPos() const;
    // The part of the page a point lies in: outside the page none; above the body (top
    // margin and header extension) the header; below the body's client bottom less the
    // footer extension the footer; below the footnote line, when the page has notes,
    // the footnotes; else the body.
    TVYXPageArea Hit(double x, double y) const;
    // The floating object at a page point: those in front of the text first, then those
    // placed against the page, then those behind it; nullptr when none.
    TVYXGraphicObj* HitGraphic(double x, double y) const;
    // The place a page point (pixels) shows: the text of a text box under it, the cells
    // of a table header row repeated at the top of the page, footnote rows below the
    // footnote line, else the body rows (table cells included). The row is the one whose box holds x
    // nearest to y, else the nearest row; the character follows from x (see
    // TVYXRowEditor::XToRelCharPos). A point on a table's box or column border (the
    // layout hit areas, see TableAt) is placed in that table's rows. False when the page
    // has no rows there.
    bool XYToLogPos(TVYXGDI& gdi, TVYXLogPhyPosition& pos, double x, double y) const;
    // The table a point on the page's table areas belongs to: a column border's table,
    // else the innermost table whose box holds the point; nullptr when none.
    const TVYXTable* TableAt(double x, double y) const;
    // Only the body rows / only the footnote rows.
    bool HitClient(TVYXGDI& gdi, TVYXLogPhyPosition& pos, double x, double y) const;
    bool HitFootnotes(TVYXGDI& gdi, TVYXLogPhyPosition& pos, double x, double y) const;
    // A header or footer shown on the page: its rows stand at the same place on every page.
    static bool HitHeaderFooter(TVYXGDI& gdi, TVYXLogParas& paras, TVYXLogPhyPosition& pos, double x, double y);
    // Where the caret for `pos` stands: x in page pixels, y the row's baseline. False
    // when the position's row is not on this page or not laid out.
    bool LogPosToXY(TVYXGDI& gdi, const TVYXLogPhyPosition& pos, double& x, double& y) const;
};

class TVYXPhyPages {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TVYXPhyPage& GetItems(int i) const { return *FItems.at(static_cast<std::size_t>(i)); }
    TVYXPhyPage* Last() const { return FItems.empty() ? nullptr : FItems.back().get(); }
    TVYXPhyPage& Add();
    void Clear() { FItems.clear(); }
    // Drops the pages from index `count` on.
    void Truncate(int count);
    // The page holding the row, nullptr when it is not placed.
    TVYXPhyPage* FindPage(const TVYXPhyRow& row) const;
    // The page showing a position (the row it names, else the row holding its
    // character); nullptr when its paragraph is not placed (layout/VYXPageMap.cpp).
    TVYXPhyPage* FindPage(const TVYXLogPos& pos) const;
    TVYXPhyPage* FindPage(const TVYXLogPhyPosition& pos) const;
    // The page at a y of the pages stacked top to bottom `gap` pixels apart; `yOnPage`
    // receives y from that page's top. Above the first page the first, below the last
    // the last; nullptr without pages.
    TVYXPhyPage* FindPage(double y, double gap, double& yOnPage) const;

private:
    std::vector<std::unique_ptr<TVYXPhyPage>> FItems;
};
