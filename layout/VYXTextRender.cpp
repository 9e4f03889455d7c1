// VYXTextRender.cpp: one page of one document painted through the drawing interface (see the header).
#include "layout/VYXTextRender.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "editing/VYXLogEditor.h"
#include "layout/VYXGDIAbstract.h"
#include "layout/VYXPaginate.h"
#include "layout/VYXPhyPage.h"
#include "layout/VYXPhyRow.h"
#include "layout/VYXTableExtents.h"
#include "model/VYXCharRun.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "model/VYXTableProps.h"

namespace {

constexpr int cMaxDepth = 16;  // nesting of tables and text boxes painted
constexpr TVYXColor cGridColor = 0xC0C0C0;

bool IsAuto(TVYXColor c) { return (c & 0xFF000000u) != 0; }
int Round(double v) { return static_cast<int>(std::lround(v)); }

TVYXPhyRows* RowsOf(const TVYXLogPara& para) { return static_cast<TVYXPhyRows*>(para.Rows()); }

bool SameBorder(const TVYXDocPropBorder* a, const TVYXDocPropBorder* b)
{
    const bool va = a && a->Assigned(), vb = b && b->Assigned();
    if (va != vb)
        return false;
    return !va || (a->Style == b->Style && a->Width == b->Width && a->Color == b->Color);
}

bool SameBorders(const TVYXParaData& a, const TVYXParaData& b)
{
    for (int s = abrsLeft; s <= abrsBottom; ++s) {
        const auto side = static_cast<TVYXBorderSide>(s);
        if (!SameBorder(a.Borders().Side(side), b.Borders().Side(side)))
            return false;
    }
    return true;
}

// A side the cell and its table leave open comes from the table's style (its own
// table properties, then those of the styles it is based on): "Table Grid" and its
// kind give most real tables their lines that way.
const TVYXDocPropBorder* StyledBorder(const TVYXTableCell& cell, const TVYXDocPropBorder* own, bool edge,
                                      TVYXTapId outer, TVYXTapId inside)
{
    if (own)
        return own;
    const TVYXTable* table = cell.Table();
    const TVYXStyle* style = table ? table->TAPX().GetStyle() : nullptr;
    for (int depth = 0; style && depth < cMaxDepth; ++depth, style = style->BasedOn)
        if (const TVYXTAPX* tapx = style->StyleTAPX())
            if (const TVYXDocPropBorder* b = tapx->GetBorder(edge ? outer : inside))
                return b;
    return nullptr;
}

// The cell's shading, else the one its table's style gives every cell.
TVYXColor CellFill(const TVYXTableCell& cell)
{
    const auto own = static_cast<TVYXColor>(cell.MergeRoot()->GetFillColor());
    if (!IsAuto(own))
        return own;
    const TVYXTable* table = cell.Table();
    const TVYXStyle* style = table ? table->TAPX().GetStyle() : nullptr;
    for (int depth = 0; style && depth < cMaxDepth; ++depth, style = style->BasedOn)
        if (style->Type_() == astTable)
            if (const TVYXTableCellProps* props = static_cast<const TVYXTableStyle*>(style)->CellProps())
                if (!IsAuto(static_cast<TVYXColor>(props->FillColor)))
                    return static_cast<TVYXColor>(props->FillColor);
    return cVYXAutoColor;
}

// How a border line `w` pixels thick is stroked: double and triple draw two lines
// `Offset` either side of the middle; the dotted and dashed styles one line broken by
// `Dashes` (on, off, ...); every other style one solid line.
struct TBorderStroke {
    int Offset = 0;
    std::vector<int> Dashes;
};

TBorderStroke BorderStroke(int style, int w)
{
    switch (style) {
    case stbDouble:
    case stbTriple: return {w, {}};
    case stbDotted: return {0, {w, w}};
    case stbDashed:
    case stbDashSmallGap: return {0, {3 * w + 2, 2 * w + 1}};
    case stbDotDash: return {0, {w, w, 3 * w + 2, w}};
    case stbDotDotDash: return {0, {w, w, w, w, 3 * w + 2, w}};
    default: return {};
    }
}

}  // namespace

TVYXTextRender::TVYXTextRender(TVYXGDI& gdi) : FGDI(gdi), FTextPrint(gdi)
{
    FTextPrint.TextBoxEvent = [this](TVYXGraphicObj& obj, double x, double y) { RenderTextBoxInline(obj, x, y); };
}

TVYXTextRender::~TVYXTextRender() = default;

void TVYXTextRender::BeginPage(TVYXLogDocEditor& doc, TVYXPhyPage& page, double x, double y)
{
    FDoc = &doc;
    FPage = &page;
    FX = x;
    FY = y;
    FTextPrint._BeginPrinting(Options().Printing ? nullptr : &doc.Selections(), doc.GetMasterCHP());
    FTextPrint.SetPage(&page, &doc, Layout, x, y);
}

void TVYXTextRender::SetupText()
{
    FGDI.SetTextAlign(xhtaLeft, xvtaBaseline);
    FGDI.SetTransparentMode(true);
    FGDI.SetPenWidthF(1);
    FGDI.SetTextJustificationF(0, 0);
}

void TVYXTextRender::Render(TVYXLogDocEditor& doc, TVYXPhyPage& page, double x, double y, double clipX1,
                            double clipY1, double clipX2, double clipY2)
{
    BeginPage(doc, page, x, y);
    FClipX1 = clipX1;
    FClipY1 = clipY1;
    FClipX2 = clipX2;
    FClipY2 = clipY2;
    if (ClearPaintAreas)
        page.FHitAreas.ClearByPaint();
    SetupText();
    // Text in the margins (hanging labels, outdents, borders) stays visible: the clip is
    // the page, narrowed by the caller's.
    TVYXClipScope clip(FGDI, std::max(clipX1, x), std::max(clipY1, y), std::min(clipX2, x + page.PageWidth),
                       std::min(clipY2, y + page.PageHeight));
    DrawFloats(false);
    PaintPage();
    DrawFloats(true);
    PaintHitAreas();
    // The selected drawing object gets its frame and handles (screen only).
    if (const TVYXGraphicObj* g = doc.Selections().Graphic; g && !Options().Printing)
        for (const auto* list : {&page.GrBehind, &page.GrPage, &page.GrInFront})
            if (std::find(list->begin(), list->end(), g) != list->end())
                FGDI.DrawSelected(g->PixAbsX + x, g->PixAbsY + y, g->PixAbsX + g->PixRotWidth + x,
                                  g->PixAbsY + g->PixRotHeight + y);
}

void TVYXTextRender::DrawFloats(bool front)
{
    const auto draw = [this](const std::vector<TVYXGraphicObj*>& list) {
        for (TVYXGraphicObj* obj : list) {
            if (!obj)
                continue;
            FGDI.DrawF(obj->PixAbsX + FX, obj->PixAbsY + FY, *obj);
            RenderTextBox(*obj);
        }
    };
    if (front) {
        draw(FPage->GrInFront);
    } else {
        draw(FPage->GrBehind);
        draw(FPage->GrPage);
    }
    SetupText();
}

void TVYXTextRender::PaintPage()
{
    // Tables on the page, innermost first as met: cell shading goes under the text.
    const std::vector<TVYXTable*> tables = VYXTablesOnPage(*FPage);
    std::vector<std::unique_ptr<TVYXTableExtents>> extents;
    for (TVYXTable* table : tables)
        extents.push_back(std::make_unique<TVYXTableExtents>(*table));
    for (std::size_t i = tables.size(); i-- > 0;)
        CellFills(*tables[i], *extents[i]);
    PaintRows(FPage->Rows, FX, FY);
    PaintRepeatedRows();
    for (std::size_t i = 0; i < tables.size(); ++i)
        DoCellBorders(*tables[i], *extents[i]);
}

void TVYXTextRender::PaintRows(const TVYXPhyRowsList& rows, double dx, double dy)
{
    int i = 0;
    while (i < rows.Count()) {
        const TVYXPhyRow& row = rows.GetItems(i);
        // The paragraph's rows on the page in the same column.
        int last = i;
        while (last + 1 < rows.Count() && rows.GetItems(last + 1).Para == row.Para &&
               rows.GetItems(last + 1).PageX == row.PageX)
            ++last;
        if (row.Para) {
            SetupPAPX(rows, i, last);
            for (int k = i; k <= last; ++k) {
                const TVYXPhyRow& r = rows.GetItems(k);
                if (r.GetIsFirst())
                    if (const TVYXPhyRows* own = RowsOf(*r.Para); own && &own->GetItems(0) == &r)
                        FTextPrint.PrintNumbering(r, *own, dx, dy);
                FTextPrint.PrintRow(r, dx, dy);
            }
        }
        i = last + 1;
    }
}

void TVYXTextRender::SetupPAPX(const TVYXPhyRowsList& rows, int first, int last)
{
    const TVYXPhyRow& r1 = rows.GetItems(first);
    const TVYXPhyRow& r2 = rows.GetItems(last);
    const TVYXLogPara& para = *r1.Para;
    TVYXParaData pd;
    para.SetupParaData(pd);
    const bool shaded = !IsAuto(pd.Color) && pd.Color != 0xFFFFFF;
    if (!shaded && !pd.Borders().Assigned())
        return;
    const TVYXPhyRows* own = RowsOf(para);
    const double width = own && own->BrokenWidth > 0 ? own->BrokenWidth : FPage->GetClientWidth();
    const double x1 = r1.PageX + FGDI.PtToPixXF(pd.IndentLeft) + FX;
    const double x2 = r1.PageX + width - FGDI.PtToPixXF(pd.IndentRight) + FX;
    const double y1 = r1.GetY1() + FY;
    // Neighbours framed alike form one box: no line between them.
    bool top = r1.GetIsFirst() && own && &own->GetItems(0) == &r1;
    bool bottom = (r2.Flags & aprfLast) != 0;
    if (top)
        if (const TVYXLogParaItem* prev = para.PrevInParas(); prev && prev->IsPara()) {
            TVYXParaData other;
            static_cast<const TVYXLogPara*>(prev)->SetupParaData(other);
            top = !SameBorders(pd, other);
        }
    double y2 = r2.Baseline + r2.Descent + FY;
    if (bottom)
        if (const TVYXLogParaItem* next = para.NextInParas(); next && next->IsPara()) {
            TVYXParaData other;
            const auto& nextPara = *static_cast<const TVYXLogPara*>(next);
            nextPara.SetupParaData(other);
            bottom = !SameBorders(pd, other);
            // One box: this part reaches down to the next paragraph's first row.
            if (const TVYXPhyRows* nr = RowsOf(nextPara); !bottom && nr && nr->Count() > 0 &&
                nr->First()->Page == r2.Page && nr->First()->PageX == r2.PageX && nr->First()->GetY1() + FY > y2)
                y2 = nr->First()->GetY1() + FY;
        }
    const auto space = [this](const TVYXDocPropBorder* b, bool horiz) {
        return b && b->Assigned() ? (horiz ? FGDI.PtToPixXF(b->Space) : FGDI.PtToPixYF(b->Space)) : 0.0;
    };
    const TVYXDocPropBorders& b = pd.Borders();
    const double bx1 = x1 - space(b.Left(), true), bx2 = x2 + space(b.Right(), true);
    const double by1 = y1 - (top ? space(b.Top(), false) : 0), by2 = y2 + (bottom ? space(b.Bottom(), false) : 0);
    if (shaded)
        FTextPrint.PrintSelection(bx1, by1, bx2, by2, pd.Color);
    PaintParaBorders(para, bx1, by1, bx2, by2, top, bottom);
}

void TVYXTextRender::PaintParaBorders(const TVYXLogPara& para, double x1, double y1, double x2, double y2, bool top,
                                      bool bottom)
{
    TVYXParaData pd;
    para.SetupParaData(pd);
    const TVYXDocPropBorders& b = pd.Borders();
    if (top)
        PaintHorizCellBorder(b.Top(), x1, x2, y1);
    if (bottom)
        PaintHorizCellBorder(b.Bottom(), x1, x2, y2);
    PaintVertCellBorder(b.Left(), y1, y2, x1);
    PaintVertCellBorder(b.Right(), y1, y2, x2);
}

void TVYXTextRender::PaintHorizCellBorder(const TVYXDocPropBorder* border, double x1, double x2, double y)
{
    if (!border || !border->Assigned() || x2 <= x1)
        return;
    const int w = std::max(1, Round(FGDI.PtToPixYF(border->Width)));
    FGDI.SetPaintColor(IsAuto(border->Color) ? 0 : border->Color);
    FGDI.SetPenWidthF(1);
    const int ix1 = Round(x1), ix2 = Round(x2), iy = Round(y) - w / 2;
    const TBorderStroke stroke = BorderStroke(border->Style, w);
    if (stroke.Offset) {
        FGDI.LineHoriz(ix1, ix2, iy - stroke.Offset, w);
        FGDI.LineHoriz(ix1, ix2, iy + stroke.Offset, w);
    } else if (!stroke.Dashes.empty())
        FGDI.LineHorizStyled(ix1, ix2, iy, stroke.Dashes, w);
    else
        FGDI.LineHoriz(ix1, ix2, iy, w);
}

void TVYXTextRender::PaintVertCellBorder(const TVYXDocPropBorder* border, double y1, double y2, double x)
{
    if (!border || !border->Assigned() || y2 <= y1)
        return;
    const int w = std::max(1, Round(FGDI.PtToPixXF(border->Width)));
    FGDI.SetPaintColor(IsAuto(border->Color) ? 0 : border->Color);
    FGDI.SetPenWidthF(1);
    const int iy1 = Round(y1), iy2 = Round(y2), ix = Round(x) - w / 2;
    const TBorderStroke stroke = BorderStroke(border->Style, w);
    if (stroke.Offset) {
        FGDI.LineVert(iy1, iy2, ix - stroke.Offset, w);
        FGDI.LineVert(iy1, iy2, ix + stroke.Offset, w);
    } else if (!stroke.Dashes.empty())
        FGDI.LineVertStyled(iy1, iy2, ix, stroke.Dashes, w);
    else
        FGDI.LineVert(iy1, iy2, ix, w);
}

// ---- Tables ----------------------------------------------------------------------------

void TVYXTextRender::CellFills(TVYXTable& table, TVYXTableExtents& extents)
{
    for (const auto& [r, seg] : extents.Segments(*FPage)) {
        const TVYXTableRow& row = *table.GetRows(r);
        for (int c = 0; c < row.Count(); ++c) {
            const TVYXTableCell& cell = *row.GetCells(c);
            const TVYXColor color = CellFill(cell);
            const bool selected = !Options().Printing && (cell.MergeRoot()->Flags & atcfSelected) != 0;
            if (!IsAuto(color) && color != 0xFFFFFF)
                FTextPrint.PrintSelection(cell.PixX1 + FX, seg.Y1 + FY, cell.PixX2 + FX, seg.Y2 + FY, color);
            if (selected)
                FTextPrint.PrintSelection(cell.PixX1 + FX, seg.Y1 + FY, cell.PixX2 + FX, seg.Y2 + FY, 0x80BFFF);
        }
    }
}

void TVYXTextRender::DoCellBorders(TVYXTable& table)
{
    TVYXTableExtents extents(table);
    DoCellBorders(table, extents);
}

// The table's hit areas were made by layout (VYXMakeTableAreas) from the same segments.
void TVYXTextRender::DoCellBorders(TVYXTable& table, TVYXTableExtents& extents)
{
    for (const auto& [r, seg] : extents.Segments(*FPage)) {
        const TVYXTableRow& row = *table.GetRows(r);
        for (int c = 0; c < row.Count(); ++c)
            DoCellBorders2(*row.GetCells(c), seg.Y1 + FY, seg.Y2 + FY, seg.Split);
    }
}

void TVYXTextRender::DoCellBorders2(const TVYXTableCell& cell, double y1, double y2, TVYXPhyPageSplittedCell split)
{
    const double x1 = cell.PixX1 + FX, x2 = cell.PixX2 + FX;
    const bool cutTop = split == appscTop || split == appscTopAndBottom || split == appscBoth;
    const bool cutBottom = split == appscBottom || split == appscTopAndBottom || split == appscBoth;
    // Inside a vertical merge only the root has a top and only the last cell a bottom.
    const TVYXTableCell& root = *cell.MergeRoot();
    const TVYXTableCell& lastCell = *cell.MergeLast();
    const bool mergeGoesOn = &lastCell != &cell;
    const TVYXDocPropBorder* top =
        cutTop || &root != &cell ? nullptr
                                 : StyledBorder(cell, cell.BorderTop(), !cell.Row() || cell.Row()->IsTop(), vytiBorderTop,
                                                vytiBorderInsideHoriz);
    const TVYXDocPropBorder* bottom =
        cutBottom || mergeGoesOn ? nullptr
                                 : StyledBorder(cell, cell.BorderBottom(), !lastCell.Row() || lastCell.Row()->IsBottom(),
                                                vytiBorderBottom, vytiBorderInsideHoriz);
    const TVYXDocPropBorder* left =
        StyledBorder(cell, cell.BorderLeft(), root.IsLeft(), vytiBorderLeft, vytiBorderInsideVert);
    const TVYXDocPropBorder* right =
        StyledBorder(cell, cell.BorderRight(), root.IsRight(), vytiBorderRight, vytiBorderInsideVert);
    if (Options().ShowHiddenTableLines && !Options().Printing) {
        // Gridlines where a cell has no border, so that the table's shape stays visible.
        FGDI.SetPaintColor(cGridColor);
        const auto open = [](const TVYXDocPropBorder* b) { return !(b && b->Assigned()); };
        if (open(left))
            FGDI.LineVertStyled(Round(y1), Round(y2), Round(x1), {1, 1}, 1);
        if (open(right))
            FGDI.LineVertStyled(Round(y1), Round(y2), Round(x2), {1, 1}, 1);
        if (open(top) && !cutTop && &root == &cell)
            FGDI.LineHorizStyled(Round(x1), Round(x2), Round(y1), {1, 1}, 1);
        if (open(bottom) && !cutBottom && !mergeGoesOn)
            FGDI.LineHorizStyled(Round(x1), Round(x2), Round(y2), {1, 1}, 1);
    }
    PaintHorizCellBorder(top, x1, x2, y1);
    PaintHorizCellBorder(bottom, x1, x2, y2);
    PaintVertCellBorder(left, y1, y2, x1);
    PaintVertCellBorder(right, y1, y2, x2);
}

void TVYXTextRender::PaintCellRows(const TVYXLogParas& paras, double dy, int depth)
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
                if (r == 0)
                    FTextPrint.PrintNumbering(rows->GetItems(0), *rows, FX, FY + dy);
                FTextPrint.PrintRow(rows->GetItems(r), FX, FY + dy);
            }
        } else {
            const auto& t = *static_cast<const TVYXTable*>(item);
            for (int r = 0; r < t.Count(); ++r)
                for (int c = 0; c < t.GetRows(r)->Count(); ++c)
                    PaintCellRows(t.GetRows(r)->GetCells(c)->Paras(), dy, depth + 1);
        }
    }
}

void TVYXTextRender::PaintRepeatedRows()
{
    for (const TVYXRepeatedRow& rr : FPage->RepeatedRows) {
        if (!rr.Row)
            continue;
        const TVYXTableRow& row = *rr.Row;
        for (int c = 0; c < row.Count(); ++c) {
            const TVYXTableCell& cell = *row.GetCells(c);
            const TVYXColor color = CellFill(cell);
            if (!IsAuto(color) && color != 0xFFFFFF)
                FTextPrint.PrintSelection(cell.PixX1 + FX, row.PixY1 + rr.DY + FY, cell.PixX2 + FX,
                                          row.PixY2 + rr.DY + FY, color);
            if (!(cell.GetMerged() && !cell.GetMergedRoot()))
                PaintCellRows(cell.Paras(), rr.DY, 0);
            DoCellBorders2(cell, row.PixY1 + rr.DY + FY, row.PixY2 + rr.DY + FY, appscNone);
        }
    }
}

// ---- Text boxes, headers, notes ----------------------------------------------------------

void TVYXTextRender::RenderTextBox(TVYXGraphicObj& obj)
{
    auto* shape = dynamic_cast<TVYXGraphicRotate*>(&obj);
    if (!shape || !shape->TextBox || !shape->TextBox->Paras || FTextBoxDepth >= 4)
        return;
    const TVYXGrTextBox& box = *shape->TextBox;
    ++FTextBoxDepth;
    struct TLeave {
        int& Depth;
        ~TLeave() { --Depth; }
    } leave{FTextBoxDepth};
    TVYXClipScope clip(FGDI, box.PixX1 + FX, box.PixY1 + FY, box.PixX2 + FX, box.PixY2 + FY);
    // A printer of its own: the row being printed around an inline box keeps its state.
    TVYXTextPrint print(FGDI);
    print.Options = Options();
    print.TextBoxEvent = FTextPrint.TextBoxEvent;
    print._BeginPrinting(nullptr, FDoc->GetMasterCHP());
    print.SetPage(FPage, FDoc, Layout, FX, FY);
    for (TVYXLogPara* p = box.Paras->_FirstPara(); p; p = p->Next())
        if (const TVYXPhyRows* rows = RowsOf(*p))
            for (int r = 0; r < rows->Count(); ++r) {
                if (r == 0)
                    print.PrintNumbering(rows->GetItems(0), *rows, FX, FY);
                print.PrintRow(rows->GetItems(r), FX, FY);
            }
    SetupText();
}

void TVYXTextRender::RenderTextBoxInline(TVYXGraphicObj& obj, double x, double y)
{
    auto* shape = dynamic_cast<TVYXGraphicRotate*>(&obj);
    if (!shape || !shape->TextBox || !shape->TextBox->Paras || FTextBoxDepth >= 4 || !FDoc)
        return;
    const TVYXGrTextBox& box = *shape->TextBox;
    ++FTextBoxDepth;
    struct TLeave {
        int& Depth;
        ~TLeave() { --Depth; }
    } leave{FTextBoxDepth};
    TVYXClipScope clip(FGDI, x, y, x + FGDI.PtToPixXF(obj.Width), y + FGDI.PtToPixYF(obj.Height));
    TVYXTextPrint print(FGDI);
    print.Options = Options();
    print.TextBoxEvent = FTextPrint.TextBoxEvent;
    print._BeginPrinting(nullptr, FDoc->GetMasterCHP());
    print.SetPage(FPage, FDoc, Layout, FX, FY);
    // Rows of an inline box are not placed on the page: stack them from the box's top.
    double top = y + FGDI.PtToPixYF(box.MargTop);
    const double left = x + FGDI.PtToPixXF(box.MargLeft);
    for (TVYXLogPara* p = box.Paras->_FirstPara(); p; p = p->Next())
        if (const TVYXPhyRows* rows = RowsOf(*p))
            for (int r = 0; r < rows->Count(); ++r) {
                const TVYXPhyRow& row = rows->GetItems(r);
                const double dx = left - row.PageX, dy = top + row.Ascent - row.Baseline;
                if (r == 0)
                    print.PrintNumbering(row, *rows, dx, dy);
                print.PrintRow(row, dx, dy);
                top += std::max(row.LineHeight, static_cast<float>(row.Height()));
            }
    SetupText();
}

void TVYXTextRender::RenderParas(TVYXLogDocEditor& doc, TVYXPhyPage& page, TVYXLogParas& paras, double x, double y)
{
    TVYXLogDocEditor* savedDoc = FDoc;
    TVYXPhyPage* savedPage = FPage;
    const double sx = FX, sy = FY;
    BeginPage(doc, page, x, y);
    SetupText();
    TVYXPhyRowsList rows;
    for (TVYXLogPara* p = paras._FirstPara(); p; p = p->Next())
        if (TVYXPhyRows* own = RowsOf(*p))
            for (int r = 0; r < own->Count(); ++r)
                rows.Add(own->GetItems(r));
    // Floating objects of a header or footer (a logo, a rule) are not on the page's
    // lists: they are placed here as the paginator places body floats, the same on
    // every page, behind or in front of the header's text.
    const auto floats = [&](bool front) {
        for (TVYXLogPara* p = paras._FirstPara(); p; p = p->Next()) {
            TVYXGraphicObjList* graphics = p->Graphics();
            const TVYXPhyRows* own = RowsOf(*p);
            if (!graphics || !own || own->Count() == 0)
                continue;
            const TVYXPhyRow& first = *own->First();
            for (int g = 0; g < graphics->Count(); ++g) {
                TVYXGraphicObj& obj = graphics->GetItems(g);
                if ((obj.Wrap == agowBehind) == front)
                    continue;
                double bx = first.PageX, by = first.GetY1();
                switch (obj.HorizPosRel) {
                case agohprPage: bx = 0; break;
                case agohprMargin: case agohprLeftMargin: case agohprInsideMargin: bx = page.ClientX1; break;
                default: break;
                }
                switch (obj.VertPosRel) {
                case agovprPage: by = 0; break;
                case agovprMargin: case agovprTopMargin: case agovprInsideMargin: by = page.ClientY1; break;
                default: break;
                }
                FGDI.DrawF(bx + FGDI.PtToPixXF(obj.PosLeft) + x, by + FGDI.PtToPixYF(obj.PosTop) + y, obj);
            }
        }
        SetupText();
    };
    floats(false);
    PaintRows(rows, x, y);
    floats(true);
    if (savedDoc && savedPage) {
        FDoc = savedDoc;
        FPage = savedPage;
        FX = sx;
        FY = sy;
    }
}

void TVYXTextRender::RenderNotes(TVYXLogDocEditor& notes, TVYXPhyPage& page, double x, double y)
{
    BeginPage(notes, page, x, y);
    SetupText();
    PaintRows(page.NoteRows, x, y);
}

void TVYXTextRender::PaintHitAreas()
{
    if (Options().Printing || !FDoc)
        return;
    // The selection handle of the table holding the caret.
    const TVYXLogPara* para = FDoc->Caret().Para;
    TVYXTableCell* cell = para ? para->Cell() : nullptr;
    if (!cell || !cell->Table())
        return;
    const TVYXHitAreaList& areas = FPage->FHitAreas.ByPaginate();
    const TVYXHitArea* a = nullptr;
    for (int i = 0; i < areas.Count() && !a; ++i) {
        const TVYXHitArea& item = areas.GetItems(i);
        if (item.Type == ahatTableSelect && item.Table == cell->Table() && item.Index < 0 && item.Row < 0)
            a = &item;
    }
    if (a) {
        FGDI.SetPenColor(0x808080);
        FGDI.SetPenWidthF(1);
        FGDI.RectOutlineF(a->X1 + FX, a->Y1 + FY, a->X2 + FX, a->Y2 + FY);
        const double cx = (a->X1 + a->X2) / 2 + FX, cy = (a->Y1 + a->Y2) / 2 + FY;
        FGDI.LineF(cx, a->Y1 + FY + 2, cx, a->Y2 + FY - 2);
        FGDI.LineF(a->X1 + FX + 2, cy, a->X2 + FX - 2, cy);
    }
}
