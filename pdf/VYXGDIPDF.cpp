// VYXGDIPDF.cpp: drawing operations as PDF content operators.
#include "pdf/VYXGDIPDF.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "device/VYXGDILinux.h"
#include "model/VYXGraphics.h"
#include "pdf/VYXPdfDocument.h"
#include "pdf/VYXPdfFont.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace {
constexpr double cKappa = 0.5522847498;  // control-point distance of a quarter circle of radius 1

// Width, height and components of baseline or progressive JPEG data; false when it cannot pass as is.
bool JpegInfo(std::string_view j, int& width, int& height, int& components)
{
    if (j.size() < 4 || static_cast<unsigned char>(j[0]) != 0xFF || static_cast<unsigned char>(j[1]) != 0xD8)
        return false;
    auto u8 = [&](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(j[i])); };
    std::size_t i = 2;
    while (i + 4 <= j.size()) {
        if (u8(i) != 0xFF)
            return false;
        const unsigned m = u8(i + 1);
        if (m == 0xFF) {
            ++i;
            continue;
        }
        const std::size_t len = (u8(i + 2) << 8) | u8(i + 3);
        if (m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC) {
            if (i + 10 > j.size() || u8(i + 4) != 8)
                return false;
            height = int((u8(i + 5) << 8) | u8(i + 6));
            width = int((u8(i + 7) << 8) | u8(i + 8));
            components = int(u8(i + 9));
            return width > 0 && height > 0 && (components == 1 || components == 3);
        }
        i += 2 + len;
    }
    return false;
}

bool HasAdjustments(const TVYXGraphicPicture& pic)
{
    return pic.Grayscale || pic.Contrast != 0 || pic.Brightness != 0 || pic.Red != 0 || pic.Green != 0 ||
           pic.Blue != 0 || std::abs(pic.Saturation - 0.25f) > 1e-6;
}
}  // namespace

TVYXGDIPDF::TVYXGDIPDF(TVYXPdfDocument& canvas)
    : FCanvas(canvas), FMeasure(std::make_unique<TVYXGDILinux>(72, 1.0))
{
    FMeasure->SetFont(FFont);
}

TVYXGDIPDF::~TVYXGDIPDF() = default;

double TVYXGDIPDF::MapY(double y) const
{
    return FCanvas.PageCount() ? FCanvas.PageHeight(FCanvas.CurrentPage()) - y : -y;
}

std::string& TVYXGDIPDF::Out()
{
    std::string& out = FCanvas.Content();
    if (FPage != FCanvas.CurrentPage()) {
        // A new page: its content flips y once, and nothing of the last page's state is assumed.
        FPage = FCanvas.CurrentPage();
        FSaveDepth = 0;
        FSet = TStreamState();
        FSaved.clear();
        out += "1 0 0 -1 0 ";
        VYXPdfNum(out, FCanvas.PageHeight(FPage));
        out += " cm\n";
    }
    return out;
}

void TVYXGDIPDF::Pt(double x, double y)
{
    std::string& o = Out();
    VYXPdfNum(o, x);
    o += ' ';
    VYXPdfNum(o, y);
    o += ' ';
}

void TVYXGDIPDF::Alpha(double alpha)
{
    if (FCanvas.PdfA())
        return;  // no transparency in PDF/A-1: everything is drawn opaque
    alpha = std::clamp(alpha, 0.0, 1.0);
    if (std::abs(alpha - FSet.AlphaSet) < 1e-3)
        return;
    Out() += FCanvas.OpacityState(alpha) + " gs\n";
    FSet.AlphaSet = alpha;
}

namespace {
void AppendRGB(std::string& o, TVYXColor c)
{
    VYXPdfNum(o, ((c >> 16) & 0xFF) / 255.0);
    o += ' ';
    VYXPdfNum(o, ((c >> 8) & 0xFF) / 255.0);
    o += ' ';
    VYXPdfNum(o, (c & 0xFF) / 255.0);
}

// Under PDF/A a translucent colour is flattened onto white paper.
TVYXColor OnWhite(TVYXColor c, double alpha)
{
    auto mix = [&](int shift) {
        const double v = ((c >> shift) & 0xFF) * alpha + 255 * (1 - alpha);
        return static_cast<TVYXColor>(std::lround(std::clamp(v, 0.0, 255.0))) << shift;
    };
    return mix(16) | mix(8) | mix(0);
}

// The outline dashes of graphic objects, on and off in stroke widths (as on screen), and
// whether their caps are round (a zero-length dash is then a round dot).
struct TDash {
    std::vector<double> Pattern;
    bool Round;
};
TDash DashOf(TVYXGrLineDashStyle style)
{
    switch (style) {
    case agldsRoundDot: return {{0, 2}, true};
    case agldsSquareDot: return {{1, 1}, false};
    case agldsDash: return {{4, 3}, false};
    case agldsDashDot: return {{4, 3, 1, 3}, false};
    case agldsLongDash: return {{8, 3}, false};
    case agldsLongDashDot: return {{8, 3, 1, 3}, false};
    case agldsLongDashDotDot: return {{8, 3, 1, 3, 1, 3}, false};
    default: return {{}, false};
    }
}
}  // namespace

void TVYXGDIPDF::OutlineDash(int dashStyle, double width)
{
    const TDash dash = DashOf(static_cast<TVYXGrLineDashStyle>(dashStyle));
    if (dash.Pattern.empty())
        return;
    // Inside the object's own q ... Q, so the pen's dash state needs no bookkeeping.
    std::string& o = Out();
    o += '[';
    for (std::size_t i = 0; i < dash.Pattern.size(); ++i) {
        if (i)
            o += ' ';
        VYXPdfNum(o, dash.Pattern[i] * width);
    }
    o += dash.Round ? "] 0 d 1 J\n" : "] 0 d\n";
}

void TVYXGDIPDF::Fill(TVYXColor color, double alpha)
{
    alpha *= FOpacity;
    if (FCanvas.PdfA() && alpha < 1) {
        color = OnWhite(color, alpha);
        alpha = 1;
    }
    Alpha(alpha);
    color &= 0xFFFFFF;
    if (FSet.FillSet == static_cast<long long>(color))
        return;
    std::string& o = Out();
    AppendRGB(o, color);
    o += " rg\n";
    FSet.FillSet = color;
}

void TVYXGDIPDF::Stroke(TVYXColor color, double width, bool dotted)
{
    std::string& o = Out();
    color &= 0xFFFFFF;
    if (FSet.StrokeSet != static_cast<long long>(color)) {
        AppendRGB(o, color);
        o += " RG\n";
        FSet.StrokeSet = color;
    }
    if (FSet.LineWidthSet != width) {
        VYXPdfNum(o, width);
        o += " w\n";
        FSet.LineWidthSet = width;
    }
    if (dotted != FSet.DashSet) {
        if (dotted) {
            o += '[';
            VYXPdfNum(o, std::max(1.0, width));
            o += "] 0 d\n";
        } else {
            o += "[] 0 d\n";
        }
        FSet.DashSet = dotted;
    }
}

void TVYXGDIPDF::Save()
{
    Out() += "q\n";
    FSaved.push_back(FSet);
}

void TVYXGDIPDF::Restore()
{
    Out() += "Q\n";
    if (!FSaved.empty()) {
        FSet = FSaved.back();
        FSaved.pop_back();
    } else {
        FSet = TStreamState{-1, -1, -1, -1, true};  // unknown: everything is set again
    }
}

void TVYXGDIPDF::SetOpacity(std::uint8_t alpha)
{
    FOpacity = alpha / 255.0;
}

void TVYXGDIPDF::SetSize(int width, int height)
{
    FWidth = width;
    FHeight = height;
}

void TVYXGDIPDF::BeginMatrix()
{
    Save();
    ++FSaveDepth;
}

void TVYXGDIPDF::RotateMatrix(const TVYXGrEditCoords& c, double angle)
{
    // As on screen: about the box's centre, positive angles turning clockwise on the page.
    const double cx = (c.X1 + c.X2) / 2, cy = (c.Y1 + c.Y2) / 2;
    const double r = angle * std::numbers::pi / 180.0;
    const double a = std::cos(r), b = std::sin(r);
    std::string& o = Out();
    VYXPdfNum(o, a);
    o += ' ';
    VYXPdfNum(o, b);
    o += ' ';
    VYXPdfNum(o, -b);
    o += ' ';
    VYXPdfNum(o, a);
    o += ' ';
    Pt(cx - (a * cx - b * cy), cy - (b * cx + a * cy));
    o += "cm\n";
}

void TVYXGDIPDF::EndMatrix()
{
    if (FSaveDepth > 0) {
        Restore();
        --FSaveDepth;
    }
}

void TVYXGDIPDF::BeginClip(double x1, double y1, double x2, double y2)
{
    Save();
    std::string& o = Out();
    Pt(std::min(x1, x2), std::min(y1, y2));
    Pt(std::abs(x2 - x1), std::abs(y2 - y1));
    o += "re W n\n";
    ++FSaveDepth;
}

void TVYXGDIPDF::EndClip()
{
    if (FSaveDepth > 0) {
        Restore();
        --FSaveDepth;
    }
}

void TVYXGDIPDF::BeginRow()
{
    FMeasure->SetTextJustificationF(0, 0);
}

double TVYXGDIPDF::SetTextJustificationF(double extra, int breakCount)
{
    return FMeasure->SetTextJustificationF(extra, breakCount);
}

double TVYXGDIPDF::TextWidthF(std::u16string_view text)
{
    return FMeasure->TextWidthF(text);
}

void TVYXGDIPDF::SetFont(const TVYXFontData& font)
{
    FFont = font;
    FMeasure->SetFont(font);
    FFontColor = font.GetVisibleColor() & 0xFFFFFF;
}

void TVYXGDIPDF::GetTextMetric()
{
    FMeasure->GetTextMetric();
    FTextMetric = FMeasure->TextMetric();
}

void TVYXGDIPDF::SetTextAlign(TXGDIHorizTextAlign horiz, TXGDIVertTextAlign vert)
{
    FHAlign = horiz;
    FVAlign = vert;
}

void TVYXGDIPDF::TextOutF(double x, double y, std::u16string_view text)
{
    if (text.empty())
        return;
    TVYXTextLayout lay;
    FMeasure->LayoutText(text, lay);
    double left = x;
    if (FHAlign == xhtaCenter)
        left -= lay.Width / 2;
    else if (FHAlign == xhtaRight)
        left -= lay.Width;
    double baseline = y + lay.Ascent;
    if (FVAlign == xvtaBaseline)
        baseline = y;
    else if (FVAlign == xvtaBottom)
        baseline = y - lay.Descent;

    std::string& o = Out();
    const bool rotated = FFont.Rotation != 0;
    if (rotated) {
        BeginMatrix();
        RotateMatrix({x - 1, y - 1, x + 1, y + 1}, -FFont.Rotation);
    }
    if (!FTransparent) {
        Fill(FBrush);
        Pt(left, baseline - lay.Ascent);
        Pt(lay.Width, lay.Ascent + lay.Descent);
        o += "re f\n";
    }
    Fill(FFontColor);

    // The text each glyph stands for: from its cluster to the next cluster in the text.
    std::vector<unsigned> starts;
    starts.reserve(lay.Glyphs.size());
    for (const TVYXPlacedGlyph& g : lay.Glyphs)
        starts.push_back(g.Cluster);
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    std::vector<bool> given(starts.size());

    const double size = lay.EmSize;
    o += "BT\n";
    for (std::size_t i = 0; i < lay.Glyphs.size();) {
        const TVYXFontMatch* match = lay.Glyphs[i].Face;
        std::size_t end = i + 1;
        while (end < lay.Glyphs.size() && lay.Glyphs[end].Face == match)
            ++end;
        TVYXPdfFont* found = match && !match->File.empty() ? FCanvas.Font(match->File, match->Index) : nullptr;
        if (!found) {
            i = end;
            continue;
        }
        TVYXPdfFont& font = *found;
        o += font.Name() + ' ';
        VYXPdfNum(o, size);
        o += " Tf\n";
        if (match->SyntheticBold) {
            Stroke(FFontColor, size * TVYXTextLayout::cSyntheticBold, false);
            o += "2 Tr\n";
        }
        // Text space: x along the baseline, y up (the page content runs with y down).
        o += "1 0 ";
        VYXPdfNum(o, match->SyntheticItalic ? TVYXTextLayout::cSyntheticSlant : 0);
        o += " -1 ";
        Pt(left + lay.Glyphs[i].X, baseline);
        o += "Tm\n";
        double rise = 0;
        double pos = lay.Glyphs[i].X;  // where the next glyph would go without adjustment
        bool open = false;
        for (std::size_t k = i; k < end; ++k) {
            const TVYXPlacedGlyph& g = lay.Glyphs[k];
            if (-g.Y != rise) {
                if (open)
                    o += "]TJ\n";
                open = false;
                rise = -g.Y;
                VYXPdfNum(o, rise);
                o += " Ts\n";
            }
            if (!open)
                o += '[';
            open = true;
            const double adjust = (pos - g.X) * 1000 / size;
            if (std::abs(adjust) >= 0.05) {
                VYXPdfNum(o, adjust);
            }
            char hex[8];
            std::snprintf(hex, sizeof hex, "<%04X>", g.Glyph & 0xFFFF);
            o += hex;
            const auto s = std::lower_bound(starts.begin(), starts.end(), g.Cluster) - starts.begin();
            const std::size_t from = g.Cluster;
            const std::size_t to = std::size_t(s) + 1 < starts.size() ? starts[std::size_t(s) + 1] : text.size();
            if (!given[std::size_t(s)] && from < text.size()) {
                font.Use(g.Glyph, text.substr(from, to - from));
                given[std::size_t(s)] = true;
            } else {
                font.Use(g.Glyph, u"");
            }
            pos = g.X + font.Width(g.Glyph) * size / 1000;
        }
        if (open)
            o += "]TJ\n";
        if (rise != 0)
            o += "0 Ts\n";
        if (match->SyntheticBold)
            o += "0 Tr\n";
        i = end;
    }
    o += "ET\n";
    if (FFont.StrikeOut) {
        Pt(left, baseline - lay.StrikePos - lay.StrikeSize / 2);
        Pt(lay.Width, lay.StrikeSize);
        o += "re f\n";
    }
    if (rotated)
        EndMatrix();
}

void TVYXGDIPDF::TextLabel(std::u16string_view text, int x, int y, TVYXTextLableStyle style)
{
    const TXGDIHorizTextAlign h = FHAlign;
    const TXGDIVertTextAlign v = FVAlign;
    BeginMatrix();
    std::string& o = Out();
    o += "1 0 0 1 ";
    Pt(x, y);
    o += "cm\n";
    switch (style) {
    case atlsHorizBottom: SetTextAlign(xhtaCenter, xvtaTop); break;
    case atlsVertLeft:
        o += "0 -1 1 0 0 0 cm\n";
        SetTextAlign(xhtaCenter, xvtaBottom);
        break;
    case atlsRotate:
        o += "0 -1 1 0 0 0 cm\n";
        SetTextAlign(xhtaLeft, xvtaBaseline);
        break;
    }
    TextOutF(0, 0, text);
    EndMatrix();
    SetTextAlign(h, v);
}

void TVYXGDIPDF::MoveToF(double x, double y)
{
    FCurX = x;
    FCurY = y;
}

void TVYXGDIPDF::LineToF(double x, double y)
{
    LineF(FCurX, FCurY, x, y);
    MoveToF(x, y);
}

void TVYXGDIPDF::LineF(double x1, double y1, double x2, double y2)
{
    Alpha(FOpacity);
    Stroke(FPen, FPenWidth > 0 ? FPenWidth : 1, FDotted);
    std::string& o = Out();
    Pt(x1, y1);
    o += "m ";
    Pt(x2, y2);
    o += "l S\n";
}

void TVYXGDIPDF::RectangleF(double x1, double y1, double x2, double y2)
{
    Fill(FBrush);
    Pt(std::min(x1, x2), std::min(y1, y2));
    Pt(std::abs(x2 - x1), std::abs(y2 - y1));
    Out() += "re f\n";
}

void TVYXGDIPDF::RectOutlineF(double x1, double y1, double x2, double y2)
{
    const double w = FPenWidth > 0 ? FPenWidth : 1;
    Alpha(FOpacity);
    Stroke(FPen, w, FDotted);
    Pt(x1 + w / 2, y1 + w / 2);
    Pt(x2 - x1 - w, y2 - y1 - w);
    Out() += "re S\n";
}

void TVYXGDIPDF::Ellipse(double x1, double y1, double x2, double y2)
{
    const double cx = (x1 + x2) / 2, cy = (y1 + y2) / 2, rx = (x2 - x1) / 2, ry = (y2 - y1) / 2;
    const double kx = rx * cKappa, ky = ry * cKappa;
    std::string& o = Out();
    Pt(cx + rx, cy);
    o += "m ";
    Pt(cx + rx, cy + ky), Pt(cx + kx, cy + ry), Pt(cx, cy + ry);
    o += "c ";
    Pt(cx - kx, cy + ry), Pt(cx - rx, cy + ky), Pt(cx - rx, cy);
    o += "c ";
    Pt(cx - rx, cy - ky), Pt(cx - kx, cy - ry), Pt(cx, cy - ry);
    o += "c ";
    Pt(cx + kx, cy - ry), Pt(cx + rx, cy - ky), Pt(cx + rx, cy);
    o += "c h ";
}

void TVYXGDIPDF::CircleF(double x, double y, double radius)
{
    Fill(FBrush);
    Stroke(FPen, FPenWidth > 0 ? FPenWidth : 1, false);
    Ellipse(x - radius, y - radius, x + radius, y + radius);
    Out() += "B\n";
}

void TVYXGDIPDF::CircleAlpha(double x, double y, double radius, double alpha, TVYXColor color)
{
    Fill(color, alpha);
    Ellipse(x - radius, y - radius, x + radius, y + radius);
    Out() += "f\n";
    Alpha(FOpacity);
}

void TVYXGDIPDF::EllipseF(double x1, double y1, double x2, double y2)
{
    if (x1 == x2 || y1 == y2)
        return;
    Fill(FBrush);
    Ellipse(x1, y1, x2, y2);
    Out() += "f\n";
}

std::string TVYXGDIPDF::Image(const TVYXBitmap& bitmap, const void* key, std::string_view jpeg)
{
    std::string name = FCanvas.FindImage(key);
    if (!name.empty())
        return name;
    const int obj = FCanvas.NewObject();
    int jw = 0, jh = 0, comps = 0;
    if (!jpeg.empty() && JpegInfo(jpeg, jw, jh, comps)) {
        std::string dict = "/Type/XObject/Subtype/Image/Width " + std::to_string(jw) + "/Height " +
                           std::to_string(jh) + (comps == 1 ? "/ColorSpace/DeviceGray" : "/ColorSpace/DeviceRGB") +
                           "/BitsPerComponent 8/Filter/DCTDecode";
        FCanvas.SetStream(obj, dict, jpeg, false);
        ++FJpegs;
        return FCanvas.AddImage(key, obj);
    }
    const int w = bitmap.Width(), h = bitmap.Height();
    std::string rgb, alpha;
    rgb.reserve(std::size_t(w) * std::size_t(h) * 3);
    alpha.reserve(std::size_t(w) * std::size_t(h));
    bool translucent = false;
    const bool flatten = FCanvas.PdfA();
    for (int yy = 0; yy < h; ++yy) {
        const std::uint32_t* row = bitmap.Row(yy);
        for (int xx = 0; xx < w; ++xx) {
            const std::uint32_t p = row[xx];
            const std::uint32_t a = p >> 24;
            std::uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            if (flatten) {
                // Premultiplied over white: c + (1 - a) × white.
                r = std::min(255u, r + 255 - a);
                g = std::min(255u, g + 255 - a);
                b = std::min(255u, b + 255 - a);
            } else if (a != 0 && a != 255) {
                r = std::min(255u, r * 255 / a);
                g = std::min(255u, g * 255 / a);
                b = std::min(255u, b * 255 / a);
            }
            rgb += static_cast<char>(r);
            rgb += static_cast<char>(g);
            rgb += static_cast<char>(b);
            alpha += static_cast<char>(a);
            translucent = translucent || a != 255;
        }
    }
    std::string dict = "/Type/XObject/Subtype/Image/Width " + std::to_string(w) + "/Height " + std::to_string(h) +
                       "/ColorSpace/DeviceRGB/BitsPerComponent 8";
    if (translucent && !flatten) {
        const int mask = FCanvas.NewObject();
        FCanvas.SetStream(mask,
                          "/Type/XObject/Subtype/Image/Width " + std::to_string(w) + "/Height " +
                              std::to_string(h) + "/ColorSpace/DeviceGray/BitsPerComponent 8",
                          alpha, true);
        dict += "/SMask " + std::to_string(mask) + " 0 R";
    }
    FCanvas.SetStream(obj, dict, rgb, true);
    return FCanvas.AddImage(key, obj);
}

void TVYXGDIPDF::DrawF(double x1, double y1, double x2, double y2, const TVYXBitmap& bitmap)
{
    if (bitmap.Empty() || x1 == x2 || y1 == y2)
        return;
    const std::string name = Image(bitmap, &bitmap, {});
    Alpha(FOpacity);
    std::string& o = Out();
    o += "q ";
    VYXPdfNum(o, x2 - x1);
    o += " 0 0 ";
    VYXPdfNum(o, -(y2 - y1));
    o += ' ';
    Pt(x1, y2);
    o += "cm " + name + " Do Q\n";
}

void TVYXGDIPDF::DrawPicture(double x, double y, double w, double h, const TVYXGraphicPicture& pic)
{
    const auto* bmp = dynamic_cast<const TVYXPictureBMP*>(pic.Picture());
    const TVYXBitmap* image = bmp ? bmp->Bitmap() : nullptr;
    if (!image || image->Empty() || w <= 0 || h <= 0) {
        // Pictures kept only as bytes: a frame with a cross, as on screen.
        Alpha(FOpacity);
        Stroke(0x808080, 1, false);
        std::string& o = Out();
        Pt(x + 0.5, y + 0.5);
        Pt(w - 1, h - 1);
        o += "re ";
        Pt(x, y);
        o += "m ";
        Pt(x + w, y + h);
        o += "l ";
        Pt(x + w, y);
        o += "m ";
        Pt(x, y + h);
        o += "l S\n";
        return;
    }
    std::string name;
    if (HasAdjustments(pic)) {
        // The adjusted copy is an image of its own, drawn once per object.
        TVYXBitmap copy = *image;
        for (int yy = 0; yy < copy.Height(); ++yy) {
            std::uint32_t* row = copy.Row(yy);
            for (int xx = 0; xx < copy.Width(); ++xx) {
                const std::uint32_t p = row[xx];
                if (pic.Grayscale) {
                    const auto l = std::uint32_t(0.299 * ((p >> 16) & 0xFF) + 0.587 * ((p >> 8) & 0xFF) +
                                                 0.114 * (p & 0xFF));
                    row[xx] = (p & 0xFF000000) | (l << 16) | (l << 8) | l;
                }
            }
        }
        name = Image(copy, &pic, {});
    } else {
        const bool jpeg = pic.Picture()->OrigType == aptJPG;
        name = Image(*image, pic.Picture(), jpeg ? pic.Picture()->OrigData() : std::string_view{});
    }
    // The crop cuts the picture's sides: the whole picture is scaled so that the kept part fills the box.
    const double cw = std::max(1e-6, 1 - pic.CropLeft - pic.CropRight);
    const double ch = std::max(1e-6, 1 - pic.CropTop - pic.CropBottom);
    const double fw = w / cw, fh = h / ch;
    const double fx = x - pic.CropLeft * fw, fy = y - pic.CropTop * fh;
    Alpha(std::clamp(double(pic.Alpha), 0.0, 1.0) * FOpacity);
    Save();
    std::string& o = Out();
    Pt(x, y);
    Pt(w, h);
    o += "re W n ";
    // Flips mirror about the box's centre.
    VYXPdfNum(o, pic.FlipX ? -1 : 1);
    o += " 0 0 ";
    VYXPdfNum(o, pic.FlipY ? -1 : 1);
    o += ' ';
    Pt(pic.FlipX ? 2 * x + w : 0, pic.FlipY ? 2 * y + h : 0);
    o += "cm ";
    VYXPdfNum(o, fw);
    o += " 0 0 ";
    VYXPdfNum(o, -fh);
    o += ' ';
    Pt(fx, fy + fh);
    o += "cm " + name + " Do ";
    Restore();
}

void TVYXGDIPDF::DrawF(double x, double y, const TVYXGraphicObj& obj)
{
    const double w = PtToPixXF(obj.Width);
    const double h = PtToPixYF(obj.Height);
    const TVYXGrEditCoords box{x, y, x + w, y + h};
    TVYXMatrixScope matrix(*this);
    if (obj.GetAngle() != 0)
        RotateMatrix(box, obj.GetAngle());
    const auto* rot = dynamic_cast<const TVYXGraphicRotate*>(&obj);
    const auto* line = dynamic_cast<const TVYXGraphicLine*>(&obj);
    std::string& o = Out();
    auto paint = [&]() {
        const bool fill = rot && rot->Filled;
        const bool stroke = line && line->Stroked;
        if (!fill)
            Alpha(FOpacity);
        if (fill)
            Fill(rot->FillColor, rot->FillAlpha);
        if (stroke) {
            const double sw = std::max(0.25, line->StrokeWeight * PtToPixXF(1));
            Stroke(line->StrokeColor, sw, false);
            OutlineDash(line->LineDashStyle, sw);
        }
        o += fill && stroke ? "B\n" : fill ? "f\n" : stroke ? "S\n" : "n\n";
    };
    switch (obj.Type_()) {
    case agtShape: DrawShape(x, y, w, h, static_cast<const TVYXGraphicShape&>(obj), false); break;
    case agtPicture:
    case agtBarcode: DrawPicture(x, y, w, h, static_cast<const TVYXGraphicPicture&>(obj)); break;
    case agtLine:
        Pt(x, y);
        o += "m ";
        Pt(x + w, y + h);
        o += "l ";
        paint();
        break;
    case agtEllipse:
        Ellipse(x, y, x + w, y + h);
        paint();
        break;
    case agtRoundRect: {
        const double r = std::min(w, h) * static_cast<const TVYXGraphicRoundRect&>(obj).ArcSize;
        const double k = r * (1 - cKappa);
        Pt(x + r, y);
        o += "m ";
        Pt(x + w - r, y);
        o += "l ";
        Pt(x + w - k, y), Pt(x + w, y + k), Pt(x + w, y + r);
        o += "c ";
        Pt(x + w, y + h - r);
        o += "l ";
        Pt(x + w, y + h - k), Pt(x + w - k, y + h), Pt(x + w - r, y + h);
        o += "c ";
        Pt(x + r, y + h);
        o += "l ";
        Pt(x + k, y + h), Pt(x, y + h - k), Pt(x, y + h - r);
        o += "c ";
        Pt(x, y + r);
        o += "l ";
        Pt(x, y + k), Pt(x + k, y), Pt(x + r, y);
        o += "c h ";
        paint();
        break;
    }
    default:
        Pt(x, y);
        Pt(w, h);
        o += "re ";
        paint();
        break;
    }
}

void TVYXGDIPDF::DrawShape(double x, double y, double width, double height, const TVYXGraphicShape& shape,
                           bool selected)
{
    const TVYXGrShapePath path =
        shape.ShapeType ? shape.ShapeType->CalcPath(width, height, &shape.Adjust) : TVYXGrShapePath{};
    for (const TVYXGrShapePathItem& item : path)
        for (double v : item.Coords)
            if (!std::isfinite(v) || std::abs(v) > 1e7)
                return;
    Save();  // the outline's dashes stay inside
    std::string& o = Out();
    bool noFill = false, noStroke = false, any = false;
    for (const TVYXGrShapePathItem& item : path) {
        const auto& c = item.Coords;
        switch (item.Cmd) {
        case agspcNoFill: noFill = true; break;
        case agspcNoStroke: noStroke = true; break;
        case agspcMoveTo:
            if (c.size() >= 2) {
                Pt(x + c[0], y + c[1]);
                o += "m ";
                any = true;
            }
            break;
        case agspcLineTo:
            if (c.size() >= 2 && any) {
                Pt(x + c[0], y + c[1]);
                o += "l ";
            }
            break;
        case agspcCurveTo:
            if (c.size() >= 6 && any) {
                Pt(x + c[0], y + c[1]);
                Pt(x + c[2], y + c[3]);
                Pt(x + c[4], y + c[5]);
                o += "c ";
            }
            break;
        case agspcClose:
            if (any)
                o += "h ";
            break;
        case agspcEnd: {
            if (!any)
                break;
            const bool fill = shape.Filled && !noFill;
            const bool stroke = shape.Stroked && !noStroke;
            if (!fill)
                Alpha(FOpacity);
            if (fill)
                Fill(shape.FillColor, shape.FillAlpha);
            if (stroke) {
                const double w = std::max(0.25, shape.StrokeWeight * PtToPixXF(1));
                Stroke(shape.StrokeColor, w, false);
                OutlineDash(shape.LineDashStyle, w);
            }
            o += fill && stroke ? "B\n" : fill ? "f\n" : stroke ? "S\n" : "n\n";
            noFill = noStroke = any = false;
            break;
        }
        default: break;
        }
    }
    if (any)
        o += "n\n";
    Restore();
    if (selected)
        DrawSelected(x, y, x + width, y + height);
}

void TVYXGDIPDF::DrawGrip(int x, int y, TVYXGrGrip)
{
    Fill(0xFFFFFF);
    Stroke(0, 1, false);
    Pt(x - 3.5, y - 3.5);
    Pt(7, 7);
    Out() += "re B\n";
}

void TVYXGDIPDF::DrawSelectedBitmap(const TVYXPicture& picture, const TVYXGrEditCoords& c)
{
    const auto* bmp = dynamic_cast<const TVYXPictureBMP*>(&picture);
    if (bmp && bmp->Bitmap())
        DrawF(c.X1, c.Y1, c.X2, c.Y2, *bmp->Bitmap());
    DrawSelected(c.X1, c.Y1, c.X2, c.Y2);
}

void TVYXGDIPDF::SaveHyperlink(double x1, double y1, double x2, double y2, std::u16string_view target,
                               bool internal)
{
    if (target.empty())
        return;
    Out();  // the page is started, so that the link lands on it
    if (internal)  // a bookmark's name, "#name" when it came from a field's target
        FCanvas.AddGoToLink(x1, MapY(y1), x2, MapY(y2), target[0] == u'#' ? target.substr(1) : target);
    else
        FCanvas.AddUriLink(x1, MapY(y1), x2, MapY(y2), Utf16ToUtf8(target));
}
