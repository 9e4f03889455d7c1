// VYXTableExtents.h: where the rows of a table lie on a page, and the hit areas layout makes from that.
//
// Layout keeps one top and bottom per table row, on the page the row ends on. A row
// whose cells run over a page break lies on each page it touches: from the previous
// row's bottom (or the body's top on a continuation page) to its own bottom (or the
// body's bottom when it goes on). Painting draws cell fills and borders over these
// segments; layout turns the same segments into the page's table hit areas, so that
// clicks on a table answer before the page was ever painted.
#pragma once

#include <utility>
#include <vector>

class TVYXPhyPage;
class TVYXTable;

// How a table cell is cut by a page break: its top, its bottom or both lie on other pages.
enum TVYXPhyPageSplittedCell { appscNone, appscTop, appscBottom, appscTopAndBottom, appscBoth };

// The vertical stretch of one table row on one page, page pixels.
struct TVYXTableSegment {
    double Y1 = 0, Y2 = 0;
    TVYXPhyPageSplittedCell Split = appscNone;
};

// The pages each row of a table reaches, found on demand. Rows follow each other down
// the pages, so the rows of one page are found by bisection: a page of a table
// hundreds of pages long looks at a few dozen rows, not at all of them.
class TVYXTableExtents {
public:
    explicit TVYXTableExtents(const TVYXTable& table);
    TVYXTableExtents(const TVYXTableExtents&) = delete;
    TVYXTableExtents& operator=(const TVYXTableExtents&) = delete;

    const TVYXTable& Table() const { return FTable; }
    // Where row `r` lies on the page; false when it is not on it.
    bool Segment(const TVYXPhyPage& page, int r, TVYXTableSegment& seg);
    // The rows on the page, top to bottom, with their segments.
    std::vector<std::pair<int, TVYXTableSegment>> Segments(const TVYXPhyPage& page);

private:
    // The pages and the top of what a row's cells placed.
    struct TExtent {
        int MinPage = 0x7FFFFFFF, MaxPage = -1;
        double MinY = 0;  // top of the highest row on MinPage
    };
    const TExtent& Get(int r);
    // The first row that may reach page `p` (rows without placed content count as before it).
    int FirstOn(int p);

    const TVYXTable& FTable;
    std::vector<TExtent> FItems;
    std::vector<bool> FKnown;
};

// The tables with rows on the page (nested ones included), innermost first as met.
std::vector<TVYXTable*> VYXTablesOnPage(const TVYXPhyPage& page);

// Makes the page's layout hit areas of every table on it, replacing those it had:
// the table's box (ahatTable), a strip over each column border (ahatTableSize, Index
// = the border, 0 the left edge), the whole-table handle beyond the top-left corner
// on the table's first page (ahatTableSelect, Index and Row -1), a column strip above
// each column (Index = column) and a row strip left of each row (Row = row).
// `handle` is the handle's size in pixels.
void VYXMakeTableAreas(TVYXPhyPage& page, double handle);
