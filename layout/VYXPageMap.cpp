// VYXPageMap.cpp: between page points and document positions: the page of a position, the place at a point, the point of a place.
#include <algorithm>
#include <cmath>
#include <vector>

#include "layout/VYXPhyPage.h"
#include "layout/VYXPhyPos.h"
#include "layout/VYXRowEditor.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXTable.h"

namespace {

TVYXPhyRows* RowsOf(const TVYXLogPara* para)
{
    return para ? dynamic_cast<TVYXPhyRows*>(para->Rows()) : nullptr;
}

int IndexOfRow(const TVYXPhyRows& rows, const TVYXPhyRow& row)
{
    for (int i = 0; i < rows.Count(); ++i)
        if (&rows.GetItems(i) == &row)
            return i;
    return -1;
}

// Points this close outside a row's box still belong to it (the caret at a row's end).
constexpr double cEdge = 0.5;

// The vertical band a table row takes on a page: from the rows of its cells placed
// there, and its own extent when it ends on this page.
struct TBand {
    const TVYXTableRow* Row;
    double Y1, Y2;
};

template <typename TRows>
std::vector<TBand> CellBands(const TRows& rows, int count)
{
    std::vector<TBand> bands;
    for (int i = 0; i < count; ++i) {
        const TVYXPhyRow& row = rows(i);
        for (TVYXTableCell* cell = row.Para ? row.Para->Cell() : nullptr; cell; cell = cell->ParentCell()) {
            auto it = std::find_if(bands.begin(), bands.end(), [&](const TBand& b) { return b.Row == cell->Row(); });
            if (it == bands.end())
                bands.push_back({cell->Row(), row.GetY1(), row.GetY2()});
            else
                it->Y1 = std::min(it->Y1, row.GetY1()), it->Y2 = std::max(it->Y2, row.GetY2());
        }
    }
    for (TBand& b : bands)
        if (b.Row->PixY1 <= b.Y2 && b.Row->PixY2 >= b.Y1)  // the row's own extent is on this page
            b.Y1 = std::min<double>(b.Y1, b.Row->PixY1), b.Y2 = std::max<double>(b.Y2, b.Row->PixY2);
    return bands;
}

// How firmly a point belongs to a row: inside the band of the row's cell (deeper
// cells firmer), in the column or cell box the row was broken for, or neither.
// Firmness wins first, so that a click below a short cell stays in that cell and
// does not jump to the row below or into the taller cell beside it.
template <typename TRows>
const TVYXPhyRow* NearestRow(const TRows& rows, int count, double x, double y)
{
    const std::vector<TBand> bands = CellBands(rows, count);
    const TVYXPhyRow* best = nullptr;
    int bestFirm = -1;
    double bestDy = 2147483647.0, bestDx = 2147483647.0;
    for (int i = 0; i < count; ++i) {
        const TVYXPhyRow& row = rows(i);
        // The box the row was broken for, widened to its text (trailing spaces hang out;
        // the caret after the last character stands on the box's edge).
        const double text = row.Pieces.empty() ? 0 : row.Pieces.back().X + row.Pieces.back().Width;
        const double x1 = row.PageX + std::min<double>(row.XOffs, 0);
        const double x2 = std::max(row.PageX + row.XOffs + std::max<double>(row.AvailWidth, row.UsedWidth), row.GetX() + text);
        int firm = x >= x1 - cEdge && x <= x2 + cEdge ? 1 : 0;
        int depth = 0;
        for (TVYXTableCell* cell = row.Para ? row.Para->Cell() : nullptr; cell; cell = cell->ParentCell())
            ++depth;
        if (depth > 0) {
            // The deepest enclosing cell whose box on this page holds the point.
            firm = 0;
            int level = depth;
            for (TVYXTableCell* cell = row.Para->Cell(); cell && !firm; cell = cell->ParentCell(), --level) {
                const auto band =
                    std::find_if(bands.begin(), bands.end(), [&](const TBand& b) { return b.Row == cell->Row(); });
                const double right = level == depth ? std::max(cell->PixX2, x2) : cell->PixX2;
                if (x >= cell->PixX1 && x < right + (level == depth ? cEdge : 0) && y >= band->Y1 && y < band->Y2)
                    firm = 1 + level;
            }
        }
        const double dy = y < row.GetY1() ? row.GetY1() - y : (y >= row.GetY2() ? y - row.GetY2() + 1 : 0);
        const double dx = x < x1 ? x1 - x : (x >= x2 ? x - x2 + 1 : 0);
        if (!best || firm > bestFirm || (firm == bestFirm && (dy < bestDy || (dy == bestDy && dx < bestDx)))) {
            best = &row;
            bestFirm = firm;
            bestDy = dy;
            bestDx = dx;
        }
    }
    return best;
}

// Whether the row stands in a cell of `table`, at any depth.
bool InTable(const TVYXPhyRow& row, const TVYXTable& table)
{
    int depth = 0;
    for (TVYXTableCell* cell = row.Para ? row.Para->Cell() : nullptr; cell && depth < 64; ++depth) {
        const TVYXTable* t = cell->Table();
        if (t == &table)
            return true;
        cell = t ? t->ParentCell() : nullptr;
    }
    return false;
}

// The place on `row` at page x.
bool PlaceOnRow(TVYXGDI& gdi, const TVYXPhyRow& row, TVYXLogPhyPosition& pos, double x)
{
    TVYXLogPara* para = row.Para;
    const TVYXPhyRows* rows = RowsOf(para);
    const int index = rows ? IndexOfRow(*rows, row) : -1;
    if (index < 0)
        return false;
    pos.AssignRow(para, index, row.StartPos);
    TVYXRowEditor editor(gdi, pos);
    if (!editor.RowChanged())
        return false;
    pos.AssignRow(para, index, row.StartPos + editor.XToRelCharPos(x) - 1);
    return true;
}

bool HitList(TVYXGDI& gdi, const TVYXPhyRowsList& list, TVYXLogPhyPosition& pos, double x, double y)
{
    const TVYXPhyRow* row = NearestRow([&](int i) -> const TVYXPhyRow& { return list.GetItems(i); }, list.Count(), x, y);
    return row && PlaceOnRow(gdi, *row, pos, x);
}

}  // namespace

// ---- A page's places ---------------------------------------------------------------------

TVYXLogPos TVYXPhyPage::FirstPos() const
{
    if (Rows.Count() == 0)
        return TVYXLogPos();
    const TVYXPhyRow& row = Rows.GetItems(0);
    return TVYXLogPos(row.Para, row.StartPos);
}

TVYXLogPos TVYXPhyPage::LastPos() const
{
    if (Rows.Count() == 0)
        return TVYXLogPos();
    const TVYXPhyRow& row = Rows.GetItems(Rows.Count() - 1);
    const TVYXPhyRows* rows = RowsOf(row.Para);
    if (row.Para && rows && rows->Last() == &row)
        return TVYXLogPos(row.Para, row.Para->EndOfParaPos());
    return TVYXLogPos(row.Para, std::max(row.StartPos, row.EndPos - 1));
}

bool TVYXPhyPage::HitClient(TVYXGDI& gdi, TVYXLogPhyPosition& pos, double x, double y) const
{
    return HitList(gdi, Rows, pos, x, y);
}

bool TVYXPhyPage::HitFootnotes(TVYXGDI& gdi, TVYXLogPhyPosition& pos, double x, double y) const
{
    return HitList(gdi, NoteRows, pos, x, y);
}

TVYXPageArea TVYXPhyPage::Hit(double x, double y) const
{
    if (!(x >= 0 && x < PageWidth && y >= 0 && y < PageHeight))
        return apaNone;
    if (y < BodyTop())
        return apaHeader;
    if (y >= ClientY2 - FooterExHeight())
        return apaFooter;
    if (NoteRows.Count() > 0 && y >= GetAbsAbsFNotesCY1())
        return apaFootnotes;
    return apaBody;
}

TVYXGraphicObj* TVYXPhyPage::HitGraphic(double x, double y) const
{
    for (const std::vector<TVYXGraphicObj*>* list : {&GrInFront, &GrPage, &GrBehind})
        for (auto it = list->rbegin(); it != list->rend(); ++it) {  // the last drawn lies on top
            TVYXGraphicObj* obj = *it;
            if (x >= obj->PixAbsX && x < obj->PixAbsX + obj->PixRotWidth && y >= obj->PixAbsY &&
                y < obj->PixAbsY + obj->PixRotHeight)
                return obj;
        }
    return nullptr;
}

bool TVYXPhyPage::XYToLogPos(TVYXGDI& gdi, TVYXLogPhyPosition& pos, double x, double y) const
{
    // A text box's text: its rows were placed inside the box on this page.
    if (const auto* shape = dynamic_cast<const TVYXGraphicRotate*>(HitGraphic(x, y)))
        if (shape->TextBox && shape->TextBox->Paras && HitHeaderFooter(gdi, *shape->TextBox->Paras, pos, x, y))
            return true;
    // A header row repeated at the top of a page the table continues on: its cells'
    // rows stand on the table's first page, DY above their copy here.
    for (const TVYXRepeatedRow& copy : RepeatedRows) {
        if (!copy.Row || y < copy.Y || y >= copy.Y + (copy.Row->PixY2 - copy.Row->PixY1))
            continue;
        std::vector<const TVYXPhyRow*> rows;
        TVYXLogParasIterator walk;  // nested tables included
        walk.ParaEvent = [&](TVYXLogPara& p) {
            if (const TVYXPhyRows* r = RowsOf(&p))
                for (int i = 0; i < r->Count(); ++i)
                    rows.push_back(&r->GetItems(i));
        };
        for (int c = 0; c < copy.Row->Count(); ++c)
            walk.Iterate(copy.Row->GetCells(c)->Paras());
        const TVYXPhyRow* row = NearestRow([&](int i) -> const TVYXPhyRow& { return *rows[static_cast<std::size_t>(i)]; },
                                           static_cast<int>(rows.size()), x, y - copy.DY);
        if (row && PlaceOnRow(gdi, *row, pos, x))
            return true;
    }
    if (NoteRows.Count() > 0 && y >= GetAbsAbsFNotesCY1())
        return HitFootnotes(gdi, pos, x, y);
    // A point the page's table areas claim (its box or a column border) goes into that
    // table: to the nearest of its rows on this page.
    if (const TVYXTable* table = TableAt(x, y)) {
        std::vector<const TVYXPhyRow*> rows;
        for (int i = 0; i < Rows.Count(); ++i) {
            const TVYXPhyRow& row = Rows.GetItems(i);
            if (InTable(row, *table))
                rows.push_back(&row);
        }
        const TVYXPhyRow* row = NearestRow([&](int i) -> const TVYXPhyRow& { return *rows[static_cast<std::size_t>(i)]; },
                                           static_cast<int>(rows.size()), x, y);
        if (row && PlaceOnRow(gdi, *row, pos, x))
            return true;
    }
    return HitClient(gdi, pos, x, y);
}

const TVYXTable* TVYXPhyPage::TableAt(double x, double y) const
{
    const TVYXHitAreaList& areas = FHitAreas.ByPaginate();
    // A border first: it reaches a little beyond the table's box. The selection strips
    // and handle outside the box are left out: text above or beside a table reaches into
    // them, and a click there places the caret in that text.
    for (int i = areas.Count(); i-- > 0;)
        if (const TVYXHitArea& a = areas.GetItems(i); a.Type == ahatTableSize && a.Table && a.Hit(x, y))
            return a.Table;
    // Else the innermost box holding the point: nested tables have the smaller boxes.
    const TVYXHitArea* best = nullptr;
    for (int i = 0; i < areas.Count(); ++i) {
        const TVYXHitArea& a = areas.GetItems(i);
        if (a.Type == ahatTable && a.Table && a.Hit(x, y) &&
            (!best || (a.X2 - a.X1) * (a.Y2 - a.Y1) < (best->X2 - best->X1) * (best->Y2 - best->Y1)))
            best = &a;
    }
    return best ? best->Table : nullptr;
}

bool TVYXPhyPage::HitHeaderFooter(TVYXGDI& gdi, TVYXLogParas& paras, TVYXLogPhyPosition& pos, double x, double y)
{
    std::vector<const TVYXPhyRow*> rows;
    for (TVYXLogPara* p = paras._FirstPara(); p; p = p->Next())
        if (const TVYXPhyRows* r = RowsOf(p))
            for (int i = 0; i < r->Count(); ++i)
                rows.push_back(&r->GetItems(i));
    const TVYXPhyRow* row = NearestRow([&](int i) -> const TVYXPhyRow& { return *rows[static_cast<std::size_t>(i)]; },
                                       static_cast<int>(rows.size()), x, y);
    return row && PlaceOnRow(gdi, *row, pos, x);
}

bool TVYXPhyPage::LogPosToXY(TVYXGDI& gdi, const TVYXLogPhyPosition& pos, double& x, double& y) const
{
    if (!pos.Valid())
        return false;
    const TVYXPhyRow* row = pos.GetRow();
    // Header and footer rows stand on every page and carry no page of their own.
    if (!row || (row->Page >= 0 && row->Page != Index))
        return false;
    TVYXLogPhyPosition place;
    place.Assign(pos);
    TVYXRowEditor editor(gdi, place);
    if (!editor.RowChanged())
        return false;
    x = editor.CharPosToX(pos.CharPos);
    y = row->Baseline;
    return true;
}

// ---- Finding pages ---------------------------------------------------------------------------

TVYXPhyPage* TVYXPhyPages::FindPage(const TVYXLogPhyPosition& pos) const
{
    const TVYXPhyRow* row = pos.GetRow();
    return row ? FindPage(*row) : nullptr;
}

TVYXPhyPage* TVYXPhyPages::FindPage(const TVYXLogPos& pos) const
{
    const TVYXLogPhyPosition place(pos.Para, pos.CharPos);
    return FindPage(place);
}

TVYXPhyPage* TVYXPhyPages::FindPage(double y, double gap, double& yOnPage) const
{
    if (FItems.empty())
        return nullptr;
    double top = 0;
    for (std::size_t i = 0; i < FItems.size(); ++i) {
        TVYXPhyPage& page = *FItems[i];
        if (y < top + page.GetHeight() + gap / 2 || i + 1 == FItems.size() || y < top) {
            yOnPage = y - top;
            return &page;
        }
        top += page.GetHeight() + gap;
    }
    return nullptr;
}
