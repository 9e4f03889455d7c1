// VYXTableExtents.cpp: table rows on pages, and the table hit areas of a page (see the header).
#include "layout/VYXTableExtents.h"

#include <algorithm>

#include "layout/VYXPhyPage.h"
#include "layout/VYXPhyRow.h"
#include "model/VYXLogParas.h"
#include "model/VYXTable.h"

namespace {

constexpr int cMaxDepth = 16;  // nesting of tables looked into

const TVYXPhyRows* RowsOf(const TVYXLogPara& para) { return static_cast<const TVYXPhyRows*>(para.Rows()); }

}  // namespace

TVYXTableExtents::TVYXTableExtents(const TVYXTable& table)
    : FTable(table), FItems(static_cast<std::size_t>(table.Count())), FKnown(static_cast<std::size_t>(table.Count()))
{
}

namespace {

template <typename TExtent>
void ExtentOf(const TVYXLogParas& paras, TExtent& e, int depth)
{
    if (depth > cMaxDepth)
        return;
    for (int i = 0; i < paras.Count(); ++i) {
        const TVYXLogParaItem* item = paras.GetItems(i);
        if (item->IsPara()) {
            const TVYXPhyRows* rows = RowsOf(*static_cast<const TVYXLogPara*>(item));
            if (!rows)
                continue;
            for (int r = 0; r < rows->Count(); ++r) {
                const TVYXPhyRow& row = rows->GetItems(r);
                if (row.Page < 0)
                    continue;
                if (row.Page < e.MinPage) {
                    e.MinPage = row.Page;
                    e.MinY = row.GetY1();
                } else if (row.Page == e.MinPage) {
                    e.MinY = std::min(e.MinY, row.GetY1());
                }
                e.MaxPage = std::max(e.MaxPage, row.Page);
            }
        } else {
            const auto& t = *static_cast<const TVYXTable*>(item);
            for (int r = 0; r < t.Count(); ++r)
                for (int c = 0; c < t.GetRows(r)->Count(); ++c)
                    ExtentOf(t.GetRows(r)->GetCells(c)->Paras(), e, depth + 1);
        }
    }
}

}  // namespace

const TVYXTableExtents::TExtent& TVYXTableExtents::Get(int r)
{
    const auto i = static_cast<std::size_t>(r);
    if (!FKnown[i]) {
        // Cells that end with their row: not covered by a merge, not the root of a taller one.
        const TVYXTableRow& row = *FTable.GetRows(r);
        TExtent& e = FItems[i];
        for (int pass = 0; pass < 2 && e.MaxPage < 0; ++pass)
            for (int c = 0; c < row.Count(); ++c) {
                const TVYXTableCell& cell = *row.GetCells(c);
                if (cell.GetMerged() && !cell.GetMergedRoot())
                    continue;  // its paragraphs are not placed
                if (pass == 0 && cell.CalcRowSpan() > 1)
                    continue;
                ExtentOf(cell.Paras(), e, 0);
            }
        FKnown[i] = true;
    }
    return FItems[i];
}

int TVYXTableExtents::FirstOn(int p)
{
    int lo = 0, hi = FTable.Count();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (Get(mid).MaxPage < p)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

bool TVYXTableExtents::Segment(const TVYXPhyPage& page, int r, TVYXTableSegment& seg)
{
    const TVYXTableRow& row = *FTable.GetRows(r);
    const TExtent e = Get(r);
    if (e.MaxPage < 0)
        return false;
    const int p = page.Index;
    if (p < e.MinPage || p > e.MaxPage)
        return false;
    double start = row.PixY1;
    if (e.MinPage != e.MaxPage) {
        // The row's top was overwritten by the page it ends on: take the row above's
        // bottom when that ends where this one starts, else the content's top.
        start = e.MinY - 2;
        if (r > 0) {
            const TVYXTableRow& prev = *FTable.GetRows(r - 1);
            if (Get(r - 1).MaxPage == e.MinPage)
                start = prev.PixY2;
        }
    }
    const double bodyTop = page.ContentTop > 0 ? page.ContentTop : page.BodyTop();
    seg.Y1 = p == e.MinPage ? start : bodyTop;
    seg.Y2 = p == e.MaxPage ? row.PixY2 : page.GetAbsDocCY2();
    const bool cutTop = p != e.MinPage, cutBottom = p != e.MaxPage;
    seg.Split = cutTop && cutBottom ? appscTopAndBottom : cutTop ? appscTop : cutBottom ? appscBottom : appscNone;
    return seg.Y2 > seg.Y1;
}

std::vector<std::pair<int, TVYXTableSegment>> TVYXTableExtents::Segments(const TVYXPhyPage& page)
{
    std::vector<std::pair<int, TVYXTableSegment>> segs;
    for (int r = FirstOn(page.Index); r < FTable.Count(); ++r) {
        if (Get(r).MinPage > page.Index && Get(r).MaxPage >= 0)
            break;
        TVYXTableSegment seg;
        if (Segment(page, r, seg))
            segs.emplace_back(r, seg);
    }
    return segs;
}

std::vector<TVYXTable*> VYXTablesOnPage(const TVYXPhyPage& page)
{
    std::vector<TVYXTable*> tables;
    const TVYXTableCell* lastCell = nullptr;  // rows of one cell come together: look once
    for (int i = 0; i < page.Rows.Count(); ++i) {
        const TVYXPhyRow& row = page.Rows.GetItems(i);
        TVYXTableCell* first = row.Para ? row.Para->Cell() : nullptr;
        if (!first || first == lastCell)
            continue;
        lastCell = first;
        int depth = 0;
        for (TVYXTableCell* cell = first; cell && depth < cMaxDepth; ++depth) {
            TVYXTable* table = cell->Table();
            if (!table)
                break;
            if (std::find(tables.begin(), tables.end(), table) == tables.end())
                tables.push_back(table);
            cell = table->ParentCell();
        }
    }
    return tables;
}

void VYXMakeTableAreas(TVYXPhyPage& page, double handle)
{
    TVYXHitAreas& areas = page.FHitAreas;
    areas.ByPaginate().Clear();
    constexpr double cBorder = 2;  // a border answers this far either side
    constexpr double cStrip = 6;   // the column and row selection strips outside the table
    for (TVYXTable* table : VYXTablesOnPage(page)) {
        TVYXTableExtents extents(*table);
        const auto segs = extents.Segments(page);
        if (segs.empty())
            continue;
        double x1 = 1e300, x2 = -1e300, y1 = 1e300, y2 = -1e300;
        for (const auto& [r, seg] : segs) {
            const TVYXTableRow& row = *table->GetRows(r);
            for (int c = 0; c < row.Count(); ++c) {
                x1 = std::min(x1, row.GetCells(c)->PixX1);
                x2 = std::max(x2, row.GetCells(c)->PixX2);
            }
            y1 = std::min(y1, seg.Y1);
            y2 = std::max(y2, seg.Y2);
        }
        if (x2 < x1)
            continue;
        areas.Start(*table, x1, y1, x2, y2);
        const auto add = [&](TVYXHitAreaType type, double ax1, double ay1, double ax2, double ay2) -> TVYXHitArea& {
            TVYXHitArea& a = areas.AddByPaginate(type, ax1, ay1, ax2, ay2);
            a.Table = table;
            return a;
        };
        const TVYXTableSegment& top = segs.front().second;
        if (segs.front().first == 0 && top.Split != appscTop && top.Split != appscTopAndBottom)
            add(ahatTableSelect, x1 - handle - 2, y1 - handle - 2, x1 - 2, y1 - 2).Index = -1;
        // Columns from the first row on the page, between their borders' strips.
        const TVYXTableRow& firstRow = *table->GetRows(segs.front().first);
        for (int c = 0; c < firstRow.Count(); ++c) {
            const TVYXTableCell& cell = *firstRow.GetCells(c);
            if (cell.PixX2 - cell.PixX1 > 2 * cBorder)
                add(ahatTableSelect, cell.PixX1 + cBorder, y1 - cStrip, cell.PixX2 - cBorder, y1 - 1).Index = c;
        }
        for (const auto& [r, seg] : segs) {
            add(ahatTableSelect, x1 - cStrip, seg.Y1, x1 - 1, seg.Y2).Row = r;
            const TVYXTableRow& row = *table->GetRows(r);
            for (int c = 0; c < row.Count(); ++c) {
                const TVYXTableCell& cell = *row.GetCells(c);
                add(ahatTableSize, cell.PixX1 - cBorder, seg.Y1, cell.PixX1 + cBorder, seg.Y2).Index = c;
                if (c + 1 == row.Count())
                    add(ahatTableSize, cell.PixX2 - cBorder, seg.Y1, cell.PixX2 + cBorder, seg.Y2).Index = c + 1;
            }
        }
    }
}
