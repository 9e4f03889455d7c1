// VYXPaginateObjects.cpp: the paginator's floating objects: where they stand on the page, the
// zones they keep text out of, text wrapped around and below them, and their text boxes.
#include "layout/VYXPaginateImpl.h"

#include <algorithm>
#include <cmath>

#include "editing/VYXFieldUpdate.h"
#include "editing/VYXLogEditor.h"
#include "layout/VYXGDIAbstract.h"
#include "layout/VYXTableExtents.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXTable.h"
#include "model/VYXTableProps.h"

using vyx_paginate::Advance;
using vyx_paginate::RowsOf;

namespace {

// Less room than this beside an object and text does not stand there: it goes below.
constexpr double cMinWrapInches = 0.75;

// The zones that may stand on `page`: the placed ones from the last back to the first
// of that page (placement order makes pages ascend), then the early ones.
template <class TZoneT>
std::vector<const TZoneT*> ZonesFrom(const std::vector<TZoneT>& placed, const std::vector<TZoneT>& early, int page)
{
    std::vector<const TZoneT*> zones;
    for (auto it = placed.rbegin(); it != placed.rend() && it->Page >= page; ++it)
        zones.push_back(&*it);
    for (const TZoneT& z : early)
        zones.push_back(&z);
    return zones;
}

}  // namespace

bool TVYXPaginatorDoc::IsPageObject(const TVYXGraphicObj& obj) const
{
    if (obj.Wrap == agowTopBottom)
        return true;
    return (obj.Wrap == agow_ParaLeft || obj.Wrap == agow_ParaRight) && obj.VertPosRel != agovprParagraph &&
           obj.VertPosRel != agovprLine;
}

void TVYXPaginatorDoc::PlaceObject(TVYXGraphicObj& obj, const TVYXPhyPage& page, const TBox& column, double paraTop)
{
    const double w = FGDI.PtToPixXF(obj.Width), h = FGDI.PtToPixYF(obj.Height);
    obj.PixRotWidth = w;
    obj.PixRotHeight = h;
    // The area the position is measured in, then the offset or the alignment in it.
    double a1 = column.X, a2 = column.X + column.Width;
    switch (obj.HorizPosRel) {
    case agohprPage: a1 = 0; a2 = page.PageWidth; break;
    case agohprMargin: case agohprInsideMargin: case agohprOutsideMargin: a1 = page.ClientX1; a2 = page.ClientX2; break;
    case agohprLeftMargin: a1 = 0; a2 = page.ClientX1; break;
    case agohprRightMargin: a1 = page.ClientX2; a2 = page.PageWidth; break;
    default: break;
    }
    double b1 = paraTop, b2 = paraTop;
    switch (obj.VertPosRel) {
    case agovprPage: b1 = 0; b2 = page.PageHeight; break;
    case agovprMargin: case agovprInsideMargin: case agovprOutsideMargin: b1 = page.ClientY1; b2 = page.ClientY2; break;
    case agovprTopMargin: b1 = 0; b2 = page.ClientY1; break;
    case agovprBottomMargin: b1 = page.ClientY2; b2 = page.PageHeight; break;
    default: break;
    }
    if (obj.HorizPosType == agoptAlignment && obj.HorizPos != agohpAbsolute)
        obj.PixAbsX = obj.HorizPos == agohpCenter ? (a1 + a2 - w) / 2
                      : obj.HorizPos == agohpRight || obj.HorizPos == agohpOutside ? a2 - w : a1;
    else
        obj.PixAbsX = a1 + FGDI.PtToPixXF(obj.PosLeft);
    if (obj.VertPosType == agoptAlignment && obj.VertPos != agovpAbsolute)
        obj.PixAbsY = obj.VertPos == agovpCenter ? (b1 + b2 - h) / 2
                      : obj.VertPos == agovpBottom || obj.VertPos == agovpOutside ? b2 - h : b1;
    else
        obj.PixAbsY = b1 + FGDI.PtToPixYF(obj.PosTop);
}

void TVYXPaginatorDoc::RegisterZones(TVYXLogPara& para, const TPlace& at)
{
    TVYXGraphicObjList* graphics = para.Graphics();
    if (!graphics)
        return;
    const TVYXPhyPage& page = FPages.GetItems(at.Page);
    for (int g = 0; g < graphics->Count(); ++g) {
        TVYXGraphicObj& obj = graphics->GetItems(g);
        if (!IsPageObject(obj))
            continue;
        PlaceObject(obj, page, ColumnBox(at), at.Y);
        const TZone z{at.Page, obj.PixAbsX - FGDI.PtToPixXF(obj.OMargLeft), obj.PixAbsY - FGDI.PtToPixYF(obj.OMargTop),
                      obj.PixAbsX + obj.PixRotWidth + FGDI.PtToPixXF(obj.OMargRight),
                      obj.PixAbsY + obj.PixRotHeight + FGDI.PtToPixYF(obj.OMargBottom), obj.Wrap == agowTopBottom, &obj};
        const auto early = std::find_if(FEarlyZones.begin(), FEarlyZones.end(), [&](const TZone& e) { return e.Obj == &obj; });
        if (early != FEarlyZones.end()) {
            if (early->Page == z.Page)
                continue;  // in force since the page's start
            FEarlyZones.erase(early);  // the anchor went elsewhere this time
        }
        FZones.push_back(z);
        // Text placed above the anchor on this page under the object: place the page
        // again from its start with the object known (once per object).
        if (FReplayPage >= 0 || std::find(FReplayed.begin(), FReplayed.end(), &obj) != FReplayed.end())
            continue;
        for (int i = 0; i < page.Rows.Count(); ++i) {
            const TVYXPhyRow& row = page.Rows.GetItems(i);
            if (row.GetY1() < z.Y2 && row.GetY1() + row.Height() > z.Y1 && row.GetX() < z.X2 &&
                row.GetX() + row.UsedWidth > z.X1) {
                FEarlyZones.push_back(z);
                FReplayed.push_back(&obj);
                FReplayPage = z.Page;
                break;
            }
        }
    }
}

void TVYXPaginatorDoc::WrapAroundZones(TVYXLogPara& para, const TPlace& at, double top)
{
    TVYXPhyRows* rows = RowsOf(para);
    if (!rows || (FZones.empty() && FEarlyZones.empty() && !rows->Wrapped))
        return;
    const TBox col = ColumnBox(at);
    const double minRoom = cMinWrapInches * FGDI.PixelsPerInchX();
    const double bottom = BodyBottom(at);
    bool any = false;
    for (const TZone* zp : ZonesFrom(FZones, FEarlyZones, at.Page)) {
        const TZone& z = *zp;
        if (z.Page != at.Page || z.TopBottom || z.Y2 <= top || z.Y1 >= bottom || z.X2 <= col.X ||
            z.X1 >= col.X + col.Width)
            continue;
        const double leftRoom = z.X1 - col.X, rightRoom = col.X + col.Width - z.X2;
        if (std::max(leftRoom, rightRoom) < minRoom)
            continue;  // text goes below it (BelowZones)
        // Square wrapping, text on the side with more room; rows that reach the object's
        // top are narrowed until they pass its bottom.
        const double from = std::max(0.0, z.Y1 - top), height = z.Y2 - std::max(z.Y1, top);
        if (leftRoom >= rightRoom)
            FPaginator.AddPixFloat(col.X + col.Width - z.X1, from, height, afsRight);
        else
            FPaginator.AddPixFloat(z.X2 - col.X, from, height, afsLeft);
        any = true;
    }
    if (!any && !rows->Wrapped)
        return;
    FPaginator.SetPixGrWidthL(0);
    FPaginator.SetPixGrWidthR(0);
    FFieldPara = &para;
    FPaginator.Paginate(FGDI, para, rows->BrokenWidth, rows->Label);
    FFieldPara = nullptr;
    rows->Wrapped = any;
    ++FBroken;
}

double TVYXPaginatorDoc::BelowZones(const TPlace& at, double y, double h) const
{
    const TBox col = ColumnBox(at);
    const double minRoom = cMinWrapInches * FGDI.PixelsPerInchX();
    for (bool moved = true; moved;) {
        moved = false;
        for (const TZone* zp : ZonesFrom(FZones, FEarlyZones, at.Page)) {
            const TZone& z = *zp;
            if (z.Page != at.Page || z.X2 <= col.X || z.X1 >= col.X + col.Width || y >= z.Y2 || y + h <= z.Y1)
                continue;
            const bool beside = !z.TopBottom && std::max(z.X1 - col.X, col.X + col.Width - z.X2) >= minRoom;
            if (!beside) {
                y = z.Y2;
                moved = true;
            }
        }
    }
    return y;
}

void TVYXPaginatorDoc::PlaceTextBox(TVYXGraphicObj& obj, TVYXPhyPage& page)
{
    auto* shape = dynamic_cast<TVYXGraphicRotate*>(&obj);
    if (!shape || !shape->TextBox || !shape->TextBox->Paras)
        return;
    TVYXGrTextBox& box = *shape->TextBox;
    box.PixX1 = obj.PixAbsX;
    box.PixY1 = obj.PixAbsY;
    box.PixX2 = obj.PixAbsX + obj.PixRotWidth;
    box.PixY2 = obj.PixAbsY + obj.PixRotHeight;
    double y = box.PixY1 + FGDI.PtToPixYF(box.MargTop);
    const double x = box.PixX1 + FGDI.PtToPixXF(box.MargLeft);
    TVYXLogParas& paras = *box.Paras;
    for (int i = 0; i < paras.Count(); ++i) {
        if (!paras.GetItems(i)->IsPara())
            continue;
        auto& para = *static_cast<TVYXLogPara*>(paras.GetItems(i));
        TVYXPhyRows* rows = RowsOf(para);
        if (!rows)
            continue;
        for (int r = 0; r < rows->Count(); ++r) {
            TVYXPhyRow& row = rows->GetItems(r);
            row.Baseline = static_cast<float>(y + row.Ascent);
            row.PageX = static_cast<float>(x);
            row.Page = page.Index;
            y += Advance(row, *rows);
        }
        y += ParaSpacing(para, i + 1 < paras.Count() ? paras.GetItems(i + 1) : nullptr);
    }
}

