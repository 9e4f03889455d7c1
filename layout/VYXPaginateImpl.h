// VYXPaginateImpl.h: the paginator's places, boxes, zones and marks and the row helpers, for the
// paginator's own source units (VYXPaginate*.cpp). Nothing outside them includes it.
#pragma once

#include <cstddef>
#include <vector>

#include "layout/VYXPaginate.h"
#include "model/VYXLogPara.h"

class TVYXGraphicObj;
class TVYXSEP;

struct TVYXPaginatorDoc::TPlace {
    int Page = -1;
    double Y = 0;
    int Col = 0;
    int Section = 0;
    double ColTop = 0;  // where the columns of the current section start on this page
    double MaxY = 0;    // lowest y reached in any column since ColTop
};

struct TVYXPaginatorDoc::TBox {
    double X = 0;
    double Width = 0;
};

struct TVYXPaginatorDoc::TZone {
    int Page = 0;
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;  // the object with its distance from the text
    bool TopBottom = false;                  // no text beside it
    const TVYXGraphicObj* Obj = nullptr;     // borrowed
};

struct TVYXPaginatorDoc::TMark {
    TPlace At;
    std::size_t Zones = 0;
    int Pages = 0;
    int Rows = 0;  // rows of the page At points to
    std::size_t Notes = 0, NoteParts = 0;
    double NotesHeight = 0;
    std::vector<TVYXNotePart> Carried;
};

struct TVYXPaginatorDoc::TSection {
    int First = 0, Last = -1;      // root-list items, inclusive
    const TVYXSEP* SEP = nullptr;  // borrowed
};

// Named rather than anonymous: the helpers are shared by several units.
namespace vyx_paginate {

// Paragraph rows are made only by TVYXPaginator, so the model's rows are always ours.
inline TVYXPhyRows* RowsOf(const TVYXLogPara& para) { return static_cast<TVYXPhyRows*>(para.Rows()); }

// The advance of a row: line height times the spacing, unless an inline object made
// the row taller than its line; an exact line height replaces it, an "at least"
// height is its minimum.
inline double Advance(const TVYXPhyRow& row, const TVYXPhyRows& rows) { return rows.RowAdvance(row); }

}  // namespace vyx_paginate
