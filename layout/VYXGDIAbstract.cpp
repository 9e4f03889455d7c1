// VYXGDIAbstract.cpp: conversions and line helpers shared by every device, and the trace device.
#include "layout/VYXGDIAbstract.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/VYXGraphics.h"
#include "platform/VYXErrors.h"
#include "platform/VYXUnicode.h"

// ---- Conversions ----

int TVYXGDI::PtToPixX(double pt)
{
    return static_cast<int>(std::nearbyint(PtToPixXF(pt)));  // halves to even
}

int TVYXGDI::PtToPixY(double pt)
{
    return static_cast<int>(std::nearbyint(PtToPixYF(pt)));
}

double TVYXGDI::PixToPtX(double px)
{
    const int ppi = PixelsPerInchX();
    return ppi == 0 ? 0 : px / ppi * 72.0;
}

double TVYXGDI::PixToPtY(double px)
{
    const int ppi = PixelsPerInchY();
    return ppi == 0 ? 0 : px / ppi * 72.0;
}

int TVYXGDI::TextWidth(std::u16string_view text)
{
    return static_cast<int>(std::nearbyint(TextWidthF(text)));
}

int TVYXGDI::SetTextJustification(double extra, int breakCount)
{
    return static_cast<int>(std::nearbyint(SetTextJustificationF(extra, breakCount)));
}

int TVYXGDI::GetPenWidth()
{
    return static_cast<int>(std::nearbyint(GetPenWidthF()));
}

void TVYXGDI::BeginPrint(TVYXDeviceHandle)
{
    FPrinting = true;
}

void TVYXGDI::EndPrint()
{
    FPrinting = false;
}

void TVYXGDI::SaveHyperlink(double, double, double, double, std::u16string_view, bool) {}

void TVYXGDI::SetOpacity(std::uint8_t) {}

void TVYXGDI::Dot(int x, int y, TVYXColor color)
{
    SetPaintColor(color);
    CircleF(x, y, 4);
}

// ---- Lines built from rectangles ----

namespace {
// A one-pixel line whatever the current pen width; the pen is put back.
void OnePixelLine(TVYXGDI& gdi, double x1, double y1, double x2, double y2)
{
    const double width = gdi.GetPenWidthF();
    if (width != 1)
        gdi.SetPenWidthF(1);
    gdi.LineF(x1, y1, x2, y2);
    if (width != 1)
        gdi.SetPenWidthF(width);
}
}  // namespace

void TVYXGDI::LineHoriz(int x1, int x2, int y, int thickness)
{
    if (thickness < 2)
        OnePixelLine(*this, x1, y, x2 + 1, y);
    else
        RectangleF(x1, y, x2, y + thickness);
}

void TVYXGDI::LineHorizCenter(int x1, int x2, int y, int thickness)
{
    if (thickness < 2)
        OnePixelLine(*this, x1, y, x2 + 1, y);
    else
        RectangleF(x1, y - thickness / 2, x2, y + thickness / 2);
}

void TVYXGDI::LineVert(int y1, int y2, int x, int thickness)
{
    if (thickness < 2)
        OnePixelLine(*this, x, y1, x, y2 + 1);
    else
        RectangleF(x, y1, x + thickness, y2);
}

void TVYXGDI::LineVertCenter(int y1, int y2, int x, int thickness)
{
    if (thickness < 2)
        OnePixelLine(*this, x, y1, x, y2 + 1);
    else
        RectangleF(x - thickness / 2, y1, x + thickness / 2, y2);
}

void TVYXGDI::LineHorizF(bool downward, double thickness, double y, double x2, double x1)
{
    if (thickness < 1)
        OnePixelLine(*this, x1, y, x2 + 1, y);
    else if (downward)
        RectangleF(x1, y, x2, y + thickness);
    else
        RectangleF(x1, y - thickness, x2, y);
}

void TVYXGDI::LineVertF(bool rightward, double thickness, double x, double y2, double y1)
{
    if (thickness < 1)
        OnePixelLine(*this, x, y1, x, y2 + 1);
    else if (rightward)
        RectangleF(x, y1, x + thickness, y2);
    else
        RectangleF(x - thickness, y1, x, y2);
}

void TVYXGDI::LineHorizWave(int x1, int x2, int height, int y)
{
    const int half = std::max(1, height / 2);
    MoveToF(x1, y);
    for (int x = x1; x < x2; x += 2 * half) {
        LineToF(x + half, y + height);
        LineToF(x + 2 * half, y);
    }
}

void TVYXGDI::LineHorizWaveSmall(int x1, int x2, int step, int y)
{
    step = std::max(1, step);
    MoveToF(x1, y);
    for (int x = x1; x < x2; x += 2 * step) {
        LineToF(x + step, y + step);
        LineToF(x + 2 * step, y);
    }
}

void TVYXGDI::LineHorizStyled(int x1, int x2, int y, const std::vector<int>& pattern, int thickness)
{
    LineStyled(true, x1, x2, y, pattern, thickness);
}

void TVYXGDI::LineVertStyled(int y1, int y2, int x, const std::vector<int>& pattern, int thickness)
{
    LineStyled(false, y1, y2, x, pattern, thickness);
}

void TVYXGDI::LineStyled(bool along, int a1, int a2, int across, const std::vector<int>& pattern, int thickness)
{
    // A pattern must pair every drawn segment with a gap and must advance, or the
    // loop below would never end.
    if (pattern.size() % 2 != 0)
        throw VYXException("Invalid line style");
    long period = 0;
    for (int len : pattern) {
        if (len < 0)
            throw VYXException("Invalid line style");
        period += len;
    }
    if (period == 0)
        throw VYXException("Invalid line style");
    const int n = static_cast<int>(pattern.size());
    if (FDashPhase >= n || FDashPhase < 0)
        FDashPhase = 0;
    thickness = std::max(1, thickness);
    int pos = a1;
    while (pos < a2) {
        const int len = pattern[static_cast<std::size_t>(FDashPhase)];
        if (FDashPhase % 2 == 0 && len > 0) {
            const int end = std::min(pos + len, a2);
            if (len == 1) {
                if (along)
                    OnePixelLine(*this, pos, across, pos, across + thickness);
                else
                    OnePixelLine(*this, across, pos, across + thickness, pos);
            } else if (along) {
                RectangleF(pos, across, end, across + thickness);
            } else {
                RectangleF(across, pos, across + thickness, end);
            }
        }
        pos += len;
        FDashPhase = (FDashPhase + 1) % n;
    }
}

// ---- Graphics helpers ----

void TVYXGDI::DrawHorizLine(const TVYXGraphicHorizLine& line, int x1, int x2, int y)
{
    int left = x1;
    int right = x2;
    if (!line.IsFullWidth) {
        const int width = static_cast<int>(std::lround((x2 - x1) * std::clamp(line.Percent, 0.0, 100.0) / 100.0));
        switch (line.Align) {
        case agohatLeft: right = x1 + width; break;
        case agohatRight: left = x2 - width; break;
        case agohatCentered:
            left = x1 + (x2 - x1 - width) / 2;
            right = left + width;
            break;
        }
    }
    const int height = std::max(1, PtToPixY(line.Height));
    const TVYXColor brush = GetBrushColor();
    SetBrushColor(line.Filled ? line.FillColor : line.StrokeColor);
    RectangleF(left, y, right, y + height);
    SetBrushColor(brush);
}

void TVYXGDI::DrawSelected(double x1, double y1, double x2, double y2)
{
    const TVYXColor pen = GetPenColor();
    SetPenColor(0x000000);
    SetPenDotted(true);
    RectOutlineF(x1, y1, x2, y2);
    SetPenDotted(false);
    SetPenColor(pen);
    const int l = static_cast<int>(std::lround(x1));
    const int t = static_cast<int>(std::lround(y1));
    const int r = static_cast<int>(std::lround(x2));
    const int b = static_cast<int>(std::lround(y2));
    const int hc = (l + r) / 2;
    const int vc = (t + b) / 2;
    const struct {
        int X, Y;
        TVYXGrGrip Grip;
    } grips[] = {{l, t, aggTopLeft},     {hc, t, aggTop},    {r, t, aggTopRight}, {r, vc, aggRight},
                 {r, b, aggBottomRight}, {hc, b, aggBottom}, {l, b, aggBottomLeft}, {l, vc, aggLeft}};
    for (const auto& g : grips)
        DrawGrip(g.X, g.Y, g.Grip);
}

void TVYXGDI::DrawRotateBox(double x1, double y1, double x2, double /*y2*/)
{
    const double hc = (x1 + x2) / 2;
    const double gripDistance = 20;  // pixels above the top edge, as users expect from drawing programs
    const TVYXColor pen = GetPenColor();
    SetPenColor(0x000000);
    LineF(hc, y1, hc, y1 - gripDistance);
    SetPenColor(pen);
    DrawGrip(static_cast<int>(std::lround(hc)), static_cast<int>(std::lround(y1 - gripDistance)), aggRotate);
}

void TVYXGDI::DrawBarcode(double x1, double y1, double x2, double y2, std::string_view bars,
                          std::u16string_view caption)
{
    int modules = 0;
    for (char c : bars)
        if (c >= '0' && c <= '9')
            modules += c - '0';
    if (modules == 0 || x2 <= x1 || y2 <= y1)
        return;
    const double captionHeight = caption.empty() ? 0 : (y2 - y1) * 0.2;
    const double barBottom = y2 - captionHeight;
    const double module = (x2 - x1) / modules;
    const TVYXColor brush = GetBrushColor();
    SetBrushColor(0x000000);
    double x = x1;
    bool bar = true;
    for (char c : bars) {
        if (c < '0' || c > '9')
            continue;
        const double w = (c - '0') * module;
        if (bar && w > 0)
            RectangleF(x, y1, x + w, barBottom);
        x += w;
        bar = !bar;
    }
    SetBrushColor(brush);
    if (caption.empty())
        return;
    const TVYXFontData saved = FFont;
    const double size = FitFontSize(caption, static_cast<int>(x2 - x1));
    if (size > 0) {
        TVYXFontData font = saved;
        font.Size = std::min(size, PixToPtY(captionHeight));
        SetFont(font);
        SetTextAlign(xhtaCenter, xvtaTop);
        TextOutF((x1 + x2) / 2, barBottom, caption);
        SetTextAlign(xhtaLeft, xvtaTop);
    }
    SetFont(saved);
}

double TVYXGDI::FitFontSizeBy(std::u16string_view text, int width)
{
    // Bisection on half points between 4 and 72; a text that fits nowhere gets 8.
    const TVYXFontData saved = FFont;
    TVYXFontData font = saved;
    double lo = 4;
    double hi = 72;
    double result = 8;
    while (lo <= hi) {
        const double mid = std::floor((lo + hi) / 2 * 2) / 2;
        font.Size = mid;
        SetFont(font);
        const double w = TextWidthF(text);
        if (w > width) {
            hi = mid - 0.5;
        } else if (w < 0.85 * width) {
            lo = mid + 0.5;
        } else {
            result = mid;
            break;
        }
    }
    SetFont(saved);
    return result;
}

// ---- Trace device ----

namespace {
std::string Hex(TVYXColor color)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(color & 0xFFFFFF));
    return buf;
}

std::string Num(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    if (std::string_view(buf) == "-0.0")
        return "0.0";
    return buf;
}

std::string Quoted(std::u16string_view text)
{
    std::string out = "\"";
    for (char c : Utf16ToUtf8(text)) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    out += '"';
    return out;
}
}  // namespace

TVYXGDITrace::TVYXGDITrace(int pixelsPerInch) : FPpi(pixelsPerInch) {}

void TVYXGDITrace::Line(std::string_view name, std::initializer_list<double> numbers, std::string_view tail)
{
    FOut.append(static_cast<std::size_t>(2 * FClipDepth), ' ');
    FOut += name;
    for (double v : numbers) {
        FOut += ' ';
        FOut += Num(v);
    }
    if (!tail.empty()) {
        FOut += ' ';
        FOut += tail;
    }
    FOut += '\n';
}

void TVYXGDITrace::SetPenDotted(bool dotted)
{
    Line(dotted ? "SetPenDotted on" : "SetPenDotted off", {});
}

void TVYXGDITrace::SetXorMode(bool xorMode)
{
    Line(xorMode ? "SetXorMode on" : "SetXorMode off", {});
}

void TVYXGDITrace::DrawGrip(int x, int y, TVYXGrGrip grip)
{
    Line("DrawGrip", {double(x), double(y)}, std::to_string(static_cast<int>(grip)));
}

void TVYXGDITrace::DrawSelectedBitmap(const TVYXPicture& picture, const TVYXGrEditCoords& c)
{
    Line("DrawSelectedBitmap", {c.X1, c.Y1, c.X2, c.Y2}, picture.IdName);
}

void TVYXGDITrace::SetSize(int width, int height)
{
    if (FPrinting)
        return;
    FWidth = width;
    FHeight = height;
    Line("SetSize", {double(width), double(height)});
}

void TVYXGDITrace::Reset()
{
    TVYXGDI::Reset();
    Line("Reset", {});
}

void TVYXGDITrace::BeginMatrix()
{
    Line("BeginMatrix", {});
}

void TVYXGDITrace::RotateMatrix(const TVYXGrEditCoords& c, double angle)
{
    Line("RotateMatrix", {c.X1, c.Y1, c.X2, c.Y2, angle});
}

void TVYXGDITrace::EndMatrix()
{
    Line("EndMatrix", {});
}

void TVYXGDITrace::BeginRow()
{
    Line("BeginRow", {});
}

void TVYXGDITrace::TextOutF(double x, double y, std::u16string_view text)
{
    std::string tail = "font=" + Quoted(FFont.Name) + " " + Num(FFont.Size);
    if (FFont.Bold)
        tail += " bold";
    if (FFont.Italic)
        tail += " italic";
    tail += " color=" + Hex(FFontColor) + " " + Quoted(text);
    Line("TextOutF", {x, y}, tail);
    // Justification applies to the spaces drawn, as on a real device.
    for (char16_t c : text)
        if (c == u' ' && FJustCount > 0)
            --FJustCount;
}

void TVYXGDITrace::TextLabel(std::u16string_view text, int x, int y, TVYXTextLableStyle style)
{
    Line("TextLabel", {double(x), double(y)}, std::to_string(static_cast<int>(style)) + " " + Quoted(text));
}

double TVYXGDITrace::TextWidthF(std::u16string_view text)
{
    const double em = FFont.Size * FPpi / 72.0;
    double w = 0;
    int spaces = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xDC00 && c <= 0xDFFF)
            continue;  // second half of a pair: counted with the first
        if (c == u' ')
            ++spaces;
        w += 0.6 * em;
    }
    return w + FJustExtra * std::min(spaces, FJustCount);
}

double TVYXGDITrace::SetTextJustificationF(double extra, int breakCount)
{
    FJustCount = breakCount > 0 ? breakCount : 0;
    FJustExtra = FJustCount > 0 ? extra / FJustCount : 0;
    return FJustExtra;
}

void TVYXGDITrace::SetFont(const TVYXFontData& font)
{
    FFont = font;
    FFontColor = font.GetVisibleColor();
}

void TVYXGDITrace::GetTextMetric()
{
    const double em = FFont.Size * FPpi / 72.0;
    TVYXTextMetric& m = FTextMetric;
    m.Ascent = 0.8 * em;
    m.Descent = 0.2 * em;
    m.CellHeight = em;
    m.LineHeight = 1.15 * em;
    m.ULThickness = std::max(1.0, 0.05 * em);
    m.ULPos = 0.1 * em;
    m.SubSize = m.SuperSize = 0.65 * em;
    m.SubOffs = 0.14 * em;
    m.SuperOffs = 0.48 * em;
    m.AveCharWidth = m.MaxCharWidth = 0.6 * em;
    m.ItalicSlant = FFont.Italic ? 0.2 : 0;
}

void TVYXGDITrace::SetTextAlign(TXGDIHorizTextAlign horiz, TXGDIVertTextAlign vert)
{
    Line("SetTextAlign", {double(horiz), double(vert)});
}

double TVYXGDITrace::FitFontSize(std::u16string_view text, int width)
{
    return FitFontSizeBy(text, width);
}

void TVYXGDITrace::MoveToF(double x, double y)
{
    Line("MoveToF", {x, y});
}

void TVYXGDITrace::LineToF(double x, double y)
{
    Line("LineToF", {x, y}, "pen=" + Hex(FPen));
}

void TVYXGDITrace::LineF(double x1, double y1, double x2, double y2)
{
    Line("LineF", {x1, y1, x2, y2}, "pen=" + Hex(FPen) + " width=" + Num(FPenWidth));
}

void TVYXGDITrace::RectangleF(double x1, double y1, double x2, double y2)
{
    Line("RectangleF", {x1, y1, x2, y2}, "brush=" + Hex(FBrush));
}

void TVYXGDITrace::RectOutlineF(double x1, double y1, double x2, double y2)
{
    Line("RectOutlineF", {x1, y1, x2, y2}, "pen=" + Hex(FPen) + " width=" + Num(FPenWidth));
}

void TVYXGDITrace::CircleF(double x, double y, double radius)
{
    Line("CircleF", {x, y, radius}, "brush=" + Hex(FBrush));
}

void TVYXGDITrace::CircleAlpha(double x, double y, double radius, double alpha, TVYXColor color)
{
    Line("CircleAlpha", {x, y, radius, alpha}, "color=" + Hex(color));
}

void TVYXGDITrace::EllipseF(double x1, double y1, double x2, double y2)
{
    Line("EllipseF", {x1, y1, x2, y2}, "brush=" + Hex(FBrush));
}

void TVYXGDITrace::DrawF(double x1, double y1, double x2, double y2, const TVYXBitmap& bitmap)
{
    Line("DrawF", {x1, y1, x2, y2}, "bitmap=" + std::to_string(bitmap.Width()) + "x" + std::to_string(bitmap.Height()));
}

void TVYXGDITrace::DrawF(double x, double y, const TVYXGraphicObj& obj)
{
    Line("DrawF", {x, y}, "object=" + std::to_string(static_cast<int>(obj.Type_())) + " " + Num(obj.Width) + "x" +
                              Num(obj.Height));
}

void TVYXGDITrace::DrawShape(double x, double y, double width, double height, const TVYXGraphicShape& shape,
                             bool selected)
{
    std::string tail = "shape=" + (shape.ShapeType ? shape.ShapeType->Id : std::string("?"));
    if (selected)
        tail += " selected";
    Line("DrawShape", {x, y, width, height}, tail);
}

void TVYXGDITrace::BitBlt(int x, int y, TVYXDeviceHandle, int sourceX, int sourceY, int width, int height)
{
    Line("BitBlt", {double(x), double(y), double(sourceX), double(sourceY), double(width), double(height)});
}

void TVYXGDITrace::BeginClip(double x1, double y1, double x2, double y2)
{
    Line("BeginClip", {x1, y1, x2, y2});
    ++FClipDepth;
}

void TVYXGDITrace::EndClip()
{
    if (FClipDepth > 0)
        --FClipDepth;
    Line("EndClip", {});
}

void TVYXGDITrace::Test()
{
    Line("Test", {});
}

void TVYXGDITrace::SaveHyperlink(double x1, double y1, double x2, double y2, std::u16string_view target,
                                 bool internal)
{
    Line("SaveHyperlink", {x1, y1, x2, y2}, (internal ? "internal " : "") + Quoted(target));
}

void TVYXGDITrace::SetOpacity(std::uint8_t alpha)
{
    Line("SetOpacity", {double(alpha)});
}
