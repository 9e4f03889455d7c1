// VYXGDILinuxObjects.cpp: how the Linux device draws graphic objects' outlines (dashes, compound
// lines), arrow heads on open outlines, and pictures' colour adjustments.
#include "device/VYXGDILinuxImpl.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include <cairo.h>

#include "model/VYXGraphics.h"

namespace vyx_gdilinux {

void SetRGB(cairo_t* cr, TVYXColor c, double alpha)
{
    cairo_set_source_rgba(cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0, alpha);
}

// ---- Outlines of graphic objects ----

namespace {

struct TDashStyle {
    TVYXGrLineDashStyle Style;
    std::vector<double> Pattern;  // on, off, ... in stroke widths
    bool Round;                   // round caps (dots of zero length become round dots)
};
// Sorted by Style.
const TDashStyle cDashStyles[] = {
    {agldsSolid, {}, false},
    {agldsRoundDot, {0, 2}, true},
    {agldsSquareDot, {1, 1}, false},
    {agldsDash, {4, 3}, false},
    {agldsDashDot, {4, 3, 1, 3}, false},
    {agldsLongDash, {8, 3}, false},
    {agldsLongDashDot, {8, 3, 1, 3}, false},
    {agldsLongDashDotDot, {8, 3, 1, 3, 1, 3}, false},
};

struct TBand {
    double From, To;  // across the stroke, 0 = its left edge seen along the path, 1 = its right edge
};
struct TCompoundStyle {
    TVYXGrCompoundLineStyle Style;
    std::vector<TBand> Bands;
};
// The lines of a compound outline filling the stroke width; for a path running clockwise
// on the page (as shapes are drawn) the left edge is the outer one, so "thick-thin" has its
// thick line outside. Sorted by Style.
const TCompoundStyle cCompoundStyles[] = {
    {agclsSingle, {{0, 1}}},
    {agclsDouble, {{0, 1.0 / 3}, {2.0 / 3, 1}}},
    {agclsThickThin, {{0, 0.5}, {0.75, 1}}},
    {agclsThinThick, {{0, 0.25}, {0.5, 1}}},
    {agclsTri, {{0, 0.2}, {0.4, 0.6}, {0.8, 1}}},
};

struct TPoint {
    double X, Y;
};
struct TPolyline {
    std::vector<TPoint> Points;
    bool Closed = false;
};

// The current path flattened into polylines (repeated points dropped).
std::vector<TPolyline> FlatPolylines(cairo_t* cr)
{
    std::vector<TPolyline> out;
    cairo_path_t* path = cairo_copy_path_flat(cr);
    for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
        const cairo_path_data_t& d = path->data[i];
        switch (d.header.type) {
        case CAIRO_PATH_MOVE_TO: out.push_back({{{path->data[i + 1].point.x, path->data[i + 1].point.y}}, false}); break;
        case CAIRO_PATH_LINE_TO: {
            if (out.empty())
                out.emplace_back();
            const TPoint p{path->data[i + 1].point.x, path->data[i + 1].point.y};
            auto& pts = out.back().Points;
            if (pts.empty() || std::hypot(pts.back().X - p.X, pts.back().Y - p.Y) > 1e-9)
                pts.push_back(p);
            break;
        }
        case CAIRO_PATH_CLOSE_PATH:
            if (!out.empty())
                out.back().Closed = true;
            break;
        case CAIRO_PATH_CURVE_TO: break;  // a flat path has none
        }
    }
    cairo_path_destroy(path);
    return out;
}

// Adds the polyline moved sideways by `offset` pixels (positive: to the right seen along
// it); corners are mitred, the mitre limited to four times the offset.
void AddOffsetPolyline(cairo_t* cr, const TPolyline& line, double offset)
{
    const std::vector<TPoint>& p = line.Points;
    const std::size_t n = p.size();
    if (n < 2)
        return;
    auto normal = [&](std::size_t a, std::size_t b) {
        const double dx = p[b].X - p[a].X, dy = p[b].Y - p[a].Y;
        const double len = std::hypot(dx, dy);
        return TPoint{-dy / len, dx / len};
    };
    for (std::size_t i = 0; i < n; ++i) {
        const bool hasIn = i > 0 || line.Closed;
        const bool hasOut = i + 1 < n || line.Closed;
        const TPoint in = hasIn ? normal(i > 0 ? i - 1 : n - 1, i) : normal(i, i + 1);
        const TPoint out = hasOut ? normal(i, i + 1 < n ? i + 1 : 0) : in;
        TPoint m{in.X + out.X, in.Y + out.Y};
        const double len = std::hypot(m.X, m.Y);
        m = len > 1e-9 ? TPoint{m.X / len, m.Y / len} : in;
        const double scale = 1 / std::max(0.25, m.X * in.X + m.Y * in.Y);
        const double x = p[i].X + m.X * offset * scale, y = p[i].Y + m.Y * offset * scale;
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    if (line.Closed)
        cairo_close_path(cr);
}

}  // namespace


// Strokes and clears the current path with the outline's width, dashes and compound lines.
void StrokeOutline(cairo_t* cr, const TOutline& o)
{
    const TDashStyle* dash = &cDashStyles[0];
    for (const TDashStyle& d : cDashStyles)
        if (d.Style == o.Dash)
            dash = &d;
    std::vector<double> pattern;
    for (double v : dash->Pattern)
        pattern.push_back(v * o.Width);
    cairo_set_dash(cr, pattern.data(), int(pattern.size()), 0);
    cairo_set_line_cap(cr, dash->Round ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    SetRGB(cr, o.Color, o.Alpha);
    const TCompoundStyle* compound = &cCompoundStyles[0];
    for (const TCompoundStyle& c : cCompoundStyles)
        if (c.Style == o.Compound)
            compound = &c;
    if (compound->Bands.size() == 1) {
        cairo_set_line_width(cr, o.Width);
        cairo_stroke(cr);
    } else {
        const std::vector<TPolyline> lines = FlatPolylines(cr);
        cairo_new_path(cr);
        for (const TBand& band : compound->Bands) {
            const double offset = ((band.From + band.To) / 2 - 0.5) * o.Width;
            for (const TPolyline& line : lines)
                AddOffsetPolyline(cr, line, offset);
            cairo_set_line_width(cr, (band.To - band.From) * o.Width);
            cairo_stroke(cr);
        }
    }
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

TOutline OutlineOf(const TVYXGraphicLine& line, double pixPerPt, double opacity)
{
    return {std::max(1.0, line.StrokeWeight * pixPerPt), line.StrokeColor, opacity, line.LineStyle, line.LineDashStyle};
}

// ---- Arrow heads ----

// Head length and width in units of the stroke (at least 2 px, so that hairlines get a
// visible head): short/narrow 2, medium 3, long/wide 5.
constexpr double cArrowSizes[] = {2, 3, 5};
constexpr double cArrowMinUnit = 2;

namespace {

double OpenHeadSetBack(double len, double half, double strokeWidth)
{
    return strokeWidth / 2 * std::hypot(len, half) / std::max(half, 1e-6);
}

}  // namespace


// How far the line stops short of the tip so that its square end hides inside the head.
double ArrowPullBack(const TVYXGraphicArrow& a, double strokeWidth)
{
    const double len = cArrowSizes[a.Length] * std::max(strokeWidth, cArrowMinUnit);
    switch (a.Head) {
    case agahBlock: return len * 0.8;
    case agahClassic: return len * 0.5;
    case agahOpen: return OpenHeadSetBack(len, cArrowSizes[a.Width] * std::max(strokeWidth, cArrowMinUnit) / 2,
                                          strokeWidth);
    default: return 0;  // diamond and oval sit centred on the end
    }
}

void DrawArrowHead(cairo_t* cr, const TVYXGraphicArrow& a, const TLineEnd& e, const TOutline& o)
{
    const double unit = std::max(o.Width, cArrowMinUnit);
    const double len = cArrowSizes[a.Length] * unit;
    const double half = cArrowSizes[a.Width] * unit / 2;
    // Head coordinates: u along the line (0 at the tip, negative back along it), v across.
    auto at = [&](double u, double v) {
        return TPoint{e.X + e.DX * u - e.DY * v, e.Y + e.DY * u + e.DX * v};
    };
    auto poly = [&](std::initializer_list<TPoint> pts) {
        bool first = true;
        for (const TPoint& p : pts) {
            if (first)
                cairo_move_to(cr, p.X, p.Y);
            else
                cairo_line_to(cr, p.X, p.Y);
            first = false;
        }
    };
    cairo_new_path(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    SetRGB(cr, o.Color, o.Alpha);
    switch (a.Head) {
    case agahNone: return;
    case agahBlock:
        poly({at(0, 0), at(-len, half), at(-len, -half)});
        break;
    case agahClassic:
        poly({at(0, 0), at(-len, half), at(-len * 0.7, 0), at(-len, -half)});
        break;
    case agahDiamond:
        poly({at(len / 2, 0), at(0, half), at(-len / 2, 0), at(0, -half)});
        break;
    case agahOval: {
        cairo_save(cr);
        cairo_translate(cr, e.X, e.Y);
        cairo_rotate(cr, std::atan2(e.DY, e.DX));
        cairo_scale(cr, len / 2, half);
        cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
        cairo_restore(cr);
        break;
    }
    case agahOpen: {
        // The mitre of the two strokes reaches past their meeting point; move them back so
        // that its point lands on the line's end.
        const double back = OpenHeadSetBack(len, half, o.Width);
        const TPoint p1 = at(-len - back, half), tip = at(-back, 0), p2 = at(-len - back, -half);
        cairo_move_to(cr, p1.X, p1.Y);
        cairo_line_to(cr, tip.X, tip.Y);
        cairo_line_to(cr, p2.X, p2.Y);
        cairo_set_line_width(cr, o.Width);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
        cairo_stroke(cr);
        return;
    }
    }
    cairo_close_path(cr);
    cairo_fill(cr);
}

namespace {

TLineEnd Outward(double x, double y, double fromX, double fromY)
{
    const double dx = x - fromX, dy = y - fromY;
    const double len = std::hypot(dx, dy);
    if (len < 1e-9)
        return {};
    return {x, y, dx / len, dy / len, true};
}

}  // namespace


// The first point of a shape path whose first figure is open, with the direction out of
// it; and the last point of an open last figure. Moves both back by the pull-backs.
void OpenPathEnds(TVYXGrShapePath& path, double startPull, double endPull, TLineEnd& start, TLineEnd& end)
{
    // Figures: a MoveTo, drawing items, an optional Close; an End finishes the sub-path.
    std::size_t firstMove = path.size(), lastMove = path.size();
    bool firstClosed = false, lastClosed = false;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const TVYXGrShapePathCommand c = path[i].Cmd;
        if (c == agspcMoveTo) {
            if (firstMove == path.size())
                firstMove = i;
            lastMove = i;
            lastClosed = false;
        } else if (c == agspcClose) {
            if (lastMove == firstMove)
                firstClosed = true;
            lastClosed = true;
        }
    }
    if (firstMove == path.size())
        return;
    auto isDraw = [](TVYXGrShapePathCommand c) { return c == agspcLineTo || c == agspcCurveTo; };
    // Start: away from the first point towards the next one.
    if (!firstClosed && firstMove + 1 < path.size() && isDraw(path[firstMove + 1].Cmd)) {
        auto& p0 = path[firstMove].Coords;
        const auto& next = path[firstMove + 1].Coords;
        double nx = next[0], ny = next[1];
        if (path[firstMove + 1].Cmd == agspcCurveTo && std::hypot(nx - p0[0], ny - p0[1]) < 1e-9) {
            nx = next[2];
            ny = next[3];
        }
        start = Outward(p0[0], p0[1], nx, ny);
        if (start.Valid) {
            p0[0] -= start.DX * startPull;
            p0[1] -= start.DY * startPull;
        }
    }
    // End: the last drawing item of the last figure.
    std::size_t last = path.size();
    for (std::size_t i = lastMove + 1; i < path.size() && isDraw(path[i].Cmd); ++i)
        last = i;
    if (lastClosed || last == path.size())
        return;
    auto& c = path[last].Coords;
    const std::size_t tip = path[last].Cmd == agspcCurveTo ? 4 : 0;
    double px = 0, py = 0;
    if (path[last].Cmd == agspcCurveTo) {
        px = c[2];
        py = c[3];
        if (std::hypot(px - c[4], py - c[5]) < 1e-9) {
            px = c[0];
            py = c[1];
        }
    } else {
        const auto& prev = path[last - 1].Coords;
        const std::size_t prevTip = path[last - 1].Cmd == agspcCurveTo ? 4 : 0;
        px = prev[prevTip];
        py = prev[prevTip + 1];
    }
    end = Outward(c[tip], c[tip + 1], px, py);
    if (end.Valid) {
        c[tip] -= end.DX * endPull;
        c[tip + 1] -= end.DY * endPull;
    }
}

// ---- Picture adjustments ----

// Applies the picture object's colour adjustments to premultiplied ARGB pixels. Channels
// v in 0..1, in this order:
//   grey:       v = 0.299 R + 0.587 G + 0.114 B for all three (ITU-R BT.601 luma)
//   saturation: v = L + (v - L) s with L that luma and s = Saturation / 0.25, Saturation
//               clamped to 0..1: 0.25 (what ResetAdjustments sets) leaves the colours, 0 gives
//               grey, 0.125 half the colourfulness, 0.5 twice and 1 four times as much
//   contrast c: v = 0.5 + (v - 0.5) k, k = 1 + c for c <= 0, 1 / (1 - c) for c > 0 (c at most 0.99)
//   brightness b: v = v + b
//   shifts:     R = R + Red, G = G + Green, B = B + Blue
// then clamped to 0..1. The others run from -1 to 1. Alpha is applied as the opacity of
// the whole picture when it is drawn.
constexpr double cNeutralSaturation = 0.25;

void AdjustPixels(std::uint32_t* px, std::size_t count, const TVYXGraphicPicture& pic)
{
    const double c = std::clamp(double(pic.Contrast), -1.0, 0.99);
    const double k = c <= 0 ? 1 + c : 1 / (1 - c);
    const double shift[3] = {pic.Brightness + double(pic.Red), pic.Brightness + double(pic.Green),
                             pic.Brightness + double(pic.Blue)};
    const double sat = std::clamp(double(pic.Saturation), 0.0, 1.0) / cNeutralSaturation;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t p = px[i];
        const std::uint32_t a = p >> 24;
        if (a == 0)
            continue;
        double v[3] = {((p >> 16) & 0xFF) / double(a), ((p >> 8) & 0xFF) / double(a), (p & 0xFF) / double(a)};
        if (pic.Grayscale)
            v[0] = v[1] = v[2] = 0.299 * v[0] + 0.587 * v[1] + 0.114 * v[2];
        else if (sat != 1) {
            const double luma = 0.299 * v[0] + 0.587 * v[1] + 0.114 * v[2];
            for (double& ch : v)
                ch = luma + (ch - luma) * sat;
        }
        std::uint32_t out = a << 24;
        for (int ch = 0; ch < 3; ++ch) {
            const double w = std::clamp(0.5 + (v[ch] - 0.5) * k + shift[ch], 0.0, 1.0);
            out |= std::uint32_t(std::lround(w * a)) << (16 - 8 * ch);
        }
        px[i] = out;
    }
}

bool HasAdjustments(const TVYXGraphicPicture& pic)
{
    return pic.Grayscale || pic.Contrast != 0 || pic.Brightness != 0 || pic.Red != 0 || pic.Green != 0 ||
           pic.Blue != 0 || std::clamp(double(pic.Saturation), 0.0, 1.0) != cNeutralSaturation;
}

}  // namespace vyx_gdilinux
