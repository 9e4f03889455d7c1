// VYXMouseResponders.cpp: the default mouse responder and the graphic editor.
#include "editing/VYXMouseResponders.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "editing/VYXLogEditor.h"
#include "layout/VYXGDIAbstract.h"
#include "model/VYXGraphics.h"
#include "model/VYXTable.h"

// ---- Default responder -----------------------------------------------------------------

bool TVYXDefMouseResponder::MouseDown(TVYXMouseShift shift, double x, double y)
{
    FRepaint = false;
    FState = amssNone;
    FDragged = false;
    if (!(shift & vymsLeft))
        return false;
    if (FEditor.FCurrShapeId) {
        FState = amssInsertGraphic;
        FEditor.FInsertX = x;  // the shape's top-left corner
        FEditor.FInsertY = y;
        FEditor.DoMouseDown(x, y, false);
        return true;
    }
    if (shift & vymsCtrl) {
        if (TVYXHyperlink* link = FEditor.FindHyperlink(x, y)) {
            FState = amssHyperlink;
            FLink = link;
            return true;
        }
        // Ctrl+click beside a link selects the word under the mouse.
        FState = amssCtrlClick;
        FEditor.DoMouseDown(x, y, false);
        FEditor.CommandUI(vycSelectWord);
        FRepaint = true;
        return true;
    }
    // A press on a cell's side or bottom edge sizes its column or row.
    if (!(shift & (vymsShift | vymsDouble | vymsTriple))) {
        TVYXTableHit hit;
        int page = -1;
        if (FEditor.TableHitAt(x, y, hit, page)) {
            TVYXTableCell* cell = hit.Cell;
            TVYXTableRow* row = cell->Row();
            int col = 0;
            while (col < row->Count() && row->GetCells(col) != cell)
                ++col;
            if (hit.Where == amchLeftEdge && col > 0)
                cell = row->GetCells(--col);  // the left side is the right side of the cell before
            if (hit.Where == amchLeftEdge && cell == hit.Cell)
                return false;                 // the table's own left edge: nothing to size
            FCell = cell;
            FCol = col;
            FRow = row->Index();
            FState = hit.Where == amchTopEdge || hit.Where == amchBottomEdge ? amssSizeRow : amssSizeColRight;
            if (hit.Where == amchTopEdge && FRow > 0) {
                FRow -= 1;
                FCell = row->Table()->GetRows(FRow)->GetCells(0);
            }
            FDownX = FX = x;
            FDownY = FY = y;
            return true;
        }
    }
    if (shift & vymsShift) {
        FState = amssSelectText;
        FDragged = true;
        FEditor.SelectToXY(x, y);
        FRepaint = true;
        return true;
    }
    if (shift & vymsTriple) {
        FEditor.DoMouseDown(x, y, false);
        FEditor.CommandUI(vycSelectPara);
        FRepaint = true;
        return true;
    }
    // A plain click: the facade places the caret; a drag from here selects.
    FState = amssSelectText;
    return false;
}

bool TVYXDefMouseResponder::MouseMove(TVYXMouseShift shift, double x, double y)
{
    FRepaint = false;
    if ((FState == amssSizeColRight || FState == amssSizeRow) && (shift & vymsLeft)) {
        FX = x;
        FY = y;
        FRepaint = true;
        return true;
    }
    if (FState != amssSelectText || !(shift & vymsLeft))
        return false;
    FEditor.SelectToXY(x, y);
    FDragged = true;
    FRepaint = true;
    return true;
}

bool TVYXDefMouseResponder::MouseUp(TVYXMouseShift, double x, double y)
{
    const TVYXMouseSelState state = FState;
    FState = amssNone;
    switch (state) {
    case amssHyperlink:
        // Followed only when released over the same link.
        if (FLink && FEditor.FindHyperlink(x, y) == FLink)
            FEditor.ClickHLink(*FLink);
        FLink = nullptr;
        return true;
    case amssInsertGraphic: {
        const unsigned shape = FEditor.FCurrShapeId;
        FEditor.FCurrShapeId = 0;
        if (TVYXLogPara* para = FEditor.FocusDoc().Caret().Para)
            FEditor.InsertShape(*para, shape);
        return true;
    }
    case amssSelectText:
        // Only a drag or Shift+click made a selection to settle; a plain click leaves it.
        if (FDragged)
            FEditor.FocusDoc().Selections().Update();
        FDragged = false;
        return true;
    case amssSizeColRight:
    case amssSizeRow: {
        TVYXGDI& gdi = FEditor.GDI();
        TVYXTableCell* cell = FCell;
        FCell = nullptr;
        if (!cell)
            return true;
        if (state == amssSizeColRight) {
            const double px = cell->PixX2 - cell->PixX1 + (x - FDownX);
            FEditor.SizeTableColumn(*cell, FCol, std::max(4.0, px) * 72.0 / gdi.PixelsPerInchX());
        } else {
            const TVYXTableRow* row = cell->Row();
            const double px = row->PixY2 - row->PixY1 + (y - FDownY);
            FEditor.SizeTableRow(*cell, FRow, std::max(4.0, px) * 72.0 / gdi.PixelsPerInchY());
        }
        return true;
    }
    default: return state != amssNone;
    }
}

void TVYXDefMouseResponder::Paint(TVYXGDI& gdi)
{
    // The guide line of a column or row being sized, across the screen.
    if (!FCell || (FState != amssSizeColRight && FState != amssSizeRow))
        return;
    gdi.SetPenColor(0x000000);
    gdi.SetPenWidthF(1);
    gdi.SetPenDotted(true);
    if (FState == amssSizeColRight)
        gdi.LineF(FX, 0, FX, FEditor.GetArea().Height());
    else
        gdi.LineF(0, FY, FEditor.GetArea().Width(), FY);
    gdi.SetPenDotted(false);
}

// ---- Graphic editor ----------------------------------------------------------------------

namespace {
constexpr double cGripRadius = 5;  // pixels around a grip that still take it

// Grip i of a box, clockwise from the top-left corner.
void GripPoint(int i, double x1, double y1, double x2, double y2, double& x, double& y)
{
    const double mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    static constexpr int cX[8] = {0, 1, 2, 2, 2, 1, 0, 0};  // 0 left, 1 middle, 2 right
    static constexpr int cY[8] = {0, 0, 0, 1, 2, 2, 2, 1};
    x = cX[i] == 0 ? x1 : cX[i] == 1 ? mx : x2;
    y = cY[i] == 0 ? y1 : cY[i] == 1 ? my : y2;
}
}  // namespace

bool TVYXGraphicEditor::Box(double& x1, double& y1, double& x2, double& y2) const
{
    if (!FGraphic || !FEditor.GraphicScreenRect(*FGraphic, x1, y1, x2, y2))
        return false;
    if (FState == gesNone)
        return true;
    const double dx = FX - FDownX, dy = FY - FDownY;
    if (FState == gesMove) {
        x1 += dx, x2 += dx, y1 += dy, y2 += dy;
        return true;
    }
    if (FState == gesRotate)
        return true;  // the box stands; the line to the mouse shows the turn
    // Sizing: the grip's edges follow the mouse; the box never turns inside out.
    static constexpr int cLeft[8] = {1, 0, 0, 0, 0, 0, 1, 1}, cRight[8] = {0, 0, 1, 1, 1, 0, 0, 0};
    static constexpr int cTop[8] = {1, 1, 1, 0, 0, 0, 0, 0}, cBottom[8] = {0, 0, 0, 0, 1, 1, 1, 0};
    const int g = std::clamp(FGrip, 0, 7);
    if (cLeft[g])
        x1 = std::min(x1 + dx, x2 - 4);
    if (cRight[g])
        x2 = std::max(x2 + dx, x1 + 4);
    if (cTop[g])
        y1 = std::min(y1 + dy, y2 - 4);
    if (cBottom[g])
        y2 = std::max(y2 + dy, y1 + 4);
    return true;
}

bool TVYXGraphicEditor::RotateGrip(double& x, double& y) const
{
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (!FGraphic || !dynamic_cast<const TVYXGraphicRotate*>(FGraphic) || FEditor.GraphicIsInline(*FGraphic) ||
        !FEditor.GraphicScreenRect(*FGraphic, x1, y1, x2, y2))
        return false;
    x = (x1 + x2) / 2;
    y = y1 - cRotateStem;
    return true;
}

double TVYXGraphicEditor::DragAngle() const
{
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (!FEditor.GraphicScreenRect(*FGraphic, x1, y1, x2, y2))
        return FGraphic->GetAngle();
    const double cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
    // Where the grip was pressed counts as the angle the object already has.
    const double down = std::atan2(FDownX - cx, cy - FDownY), now = std::atan2(FX - cx, cy - FY);
    double angle = FGraphic->GetAngle() + (now - down) * 180.0 / std::numbers::pi;
    angle = std::fmod(angle, 360.0);
    return angle < 0 ? angle + 360 : angle;
}

int TVYXGraphicEditor::GripAt(double x, double y) const
{
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (!FGraphic || !FEditor.GraphicScreenRect(*FGraphic, x1, y1, x2, y2))
        return -1;
    if (double rx = 0, ry = 0; RotateGrip(rx, ry) && std::fabs(x - rx) <= cGripRadius && std::fabs(y - ry) <= cGripRadius)
        return cRotateGrip;
    for (int i = 0; i < 8; ++i) {
        double gx = 0, gy = 0;
        GripPoint(i, x1, y1, x2, y2, gx, gy);
        if (std::fabs(x - gx) <= cGripRadius && std::fabs(y - gy) <= cGripRadius)
            return i;
    }
    return -1;
}

bool TVYXGraphicEditor::MouseDown(TVYXMouseShift shift, double x, double y)
{
    FRepaint = false;
    FState = gesNone;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (!(shift & vymsLeft) || !FGraphic || !FEditor.GraphicScreenRect(*FGraphic, x1, y1, x2, y2))
        return false;
    FGrip = GripAt(x, y);
    if (FGrip == cRotateGrip)
        FState = gesRotate;
    else if (FGrip >= 0)
        FState = gesSize;
    else if (x >= x1 && x <= x2 && y >= y1 && y <= y2)
        FState = FEditor.GraphicIsInline(*FGraphic) ? gesNone : gesMove;
    else
        return false;  // outside: the facade leaves graphic editing and places the caret
    FDownX = FX = x;
    FDownY = FY = y;
    return true;
}

bool TVYXGraphicEditor::MouseMove(TVYXMouseShift shift, double x, double y)
{
    FRepaint = false;
    if (FState == gesNone || !(shift & vymsLeft))
        return false;
    FX = x;
    FY = y;
    FRepaint = true;
    return true;
}

bool TVYXGraphicEditor::MouseUp(TVYXMouseShift, double x, double y)
{
    if (FState == gesNone)
        return FGraphic != nullptr;
    FX = x;
    FY = y;
    double ox1 = 0, oy1 = 0, ox2 = 0, oy2 = 0, x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    const bool had = FEditor.GraphicScreenRect(*FGraphic, ox1, oy1, ox2, oy2) && Box(x1, y1, x2, y2);
    const TState state = FState;
    FState = gesNone;
    if (!had)
        return true;
    TVYXGDI& gdi = FEditor.GDI();
    const double ptX = 72.0 / gdi.PixelsPerInchX(), ptY = 72.0 / gdi.PixelsPerInchY();
    TVYXLogDocEditor& doc = FEditor.FocusDoc();
    const bool floating = FEditor.FindAnchorPara(*FGraphic) != nullptr;
    if (state == gesRotate) {
        const double angle = DragAngle();
        if (std::fabs(angle - FGraphic->GetAngle()) >= 0.5)
            FEditor.RotateFloating(*FGraphic, std::round(angle));
    } else if (floating && state == gesSize) {
        // One recorded change: the grips on the left or top move that side too.
        const double w = (x2 - x1) * ptX, h = (y2 - y1) * ptY;
        const double left = (x1 - ox1) * ptX, top = (y1 - oy1) * ptY;
        if (std::fabs((x2 - x1) - (ox2 - ox1)) >= 0.5 || std::fabs((y2 - y1) - (oy2 - oy1)) >= 0.5)
            FEditor.ChangeFloating(*FGraphic, [&](TVYXGraphicObj& g) {
                g.Width = w;
                g.Height = h;
                g.PosLeft += left;
                g.PosTop += top;
            });
    } else if (floating && state == gesMove) {
        const double dx = (x1 - ox1) * ptX, dy = (y1 - oy1) * ptY;
        if (std::fabs(dx) > 0.01 || std::fabs(dy) > 0.01)
            FEditor.MoveFloating(*FGraphic, dx, dy);
    } else if (state == gesSize) {
        // Only what the drag changed, so an untouched side keeps its exact value.
        const double w = (x2 - x1) * ptX, h = (y2 - y1) * ptY;
        if (std::fabs((x2 - x1) - (ox2 - ox1)) >= 0.5)
            doc.Command(vycGraphicWidth, w);
        if (doc.Selections().Graphic && std::fabs((y2 - y1) - (oy2 - oy1)) >= 0.5)
            doc.Command(vycGraphicHeight, h);
    } else if (state == gesMove) {
        const double dx = (x1 - ox1) * ptX, dy = (y1 - oy1) * ptY;
        const double left = FGraphic->PosLeft + dx, top = FGraphic->PosTop + dy;
        if (std::fabs(dx) > 0.01)
            doc.Command(vycGraphicLeft, left);
        if (doc.Selections().Graphic && std::fabs(dy) > 0.01)
            doc.Command(vycGraphicTop, top);
    }
    // An inline object comes back as a new object: follow the selection.
    FGraphic = doc.Selections().Graphic;
    FEditor.MainDoc().SetDirty(true);
    FRepaint = true;
    return true;
}

void TVYXGraphicEditor::Paint(TVYXGDI& gdi)
{
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (!Box(x1, y1, x2, y2))
        return;
    gdi.SetPenColor(0x404040);
    gdi.SetPenWidthF(1);
    gdi.RectOutlineF(x1, y1, x2, y2);
    if (double rx = 0, ry = 0; RotateGrip(rx, ry)) {
        // The stem to the rotation grip, or while turning the line to the mouse.
        const bool turning = FState == gesRotate;
        gdi.LineF((x1 + x2) / 2, turning ? (y1 + y2) / 2 : y1, turning ? FX : rx, turning ? FY : ry);
        gdi.SetBrushColor(0x40C040);  // a green knob, told apart from the square size grips
        gdi.EllipseF(rx - 4, ry - 4, rx + 4, ry + 4);
    }
    for (int i = 0; i < 8; ++i) {
        double gx = 0, gy = 0;
        GripPoint(i, x1, y1, x2, y2, gx, gy);
        gdi.DrawGrip(static_cast<int>(std::lround(gx)), static_cast<int>(std::lround(gy)), static_cast<TVYXGrGrip>(i));
    }
}
