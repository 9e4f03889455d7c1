// VYXGDIAbstract.h: the drawing and measuring interface every device implements, with its null and trace devices.
//
// Layout and painting reach screens, printers, raster images and PDF only through
// TVYXGDI. Coordinates are device pixels with the origin at the top-left corner of
// the target and y growing downward; the zoom is folded into PixelsPerInchX/Y, so
// every point-to-pixel conversion goes through those two values.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "model/VYXDocData.h"

class TVYXBitmap;
class TVYXPicture;
class TVYXGraphicObj;
class TVYXGraphicShape;
class TVYXGraphicHorizLine;
struct TVYXGrEditCoords;

// A native handle of a device (0 when there is none). The Linux device hands out the
// address of its bitmap so that BitBlt between two of them needs no downcast.
using TVYXDeviceHandle = std::uintptr_t;

enum TXGDIHorizTextAlign { xhtaDefault, xhtaLeft, xhtaCenter, xhtaRight, xhtaLeftNoUpdateCP };
enum TXGDIVertTextAlign { xvtaDefault, xvtaNone, xvtaTop, xvtaBaseline, xvtaBottom };
enum TVYXTextLableStyle { atlsHorizBottom, atlsVertLeft, atlsRotate };

// The sizing handles of a selected graphic, clockwise from the top-left corner, then the rotation grip.
enum TVYXGrGrip {
    aggTopLeft, aggTop, aggTopRight, aggRight, aggBottomRight, aggBottom, aggBottomLeft, aggLeft, aggRotate
};

// Metrics of the current font in device pixels at the current resolution.
struct TVYXTextMetric {
    double ULThickness = 1;   // at least one pixel
    double ULPos = 0;         // below the baseline
    double SubSize = 0;
    double SubOffs = 0;       // below the baseline
    double SuperSize = 0;
    double SuperOffs = 0;     // above the baseline
    double CellHeight = 0;    // ascent + descent
    double LineHeight = 0;    // cell height + external leading
    double Ascent = 0;
    double Descent = 0;
    double AveCharWidth = 0;  // width of an average lower-case letter (layout does not read it)
    double ItalicSlant = 0;   // run over rise of italic glyphs, unscaled
    double MaxCharWidth = 0;  // widest advance of the face (layout does not read it)
};

class TVYXGDI {
public:
    TVYXGDI() = default;
    virtual ~TVYXGDI() = default;
    TVYXGDI(const TVYXGDI&) = delete;
    TVYXGDI& operator=(const TVYXGDI&) = delete;

    // Virtual operations, in the order of the device contract.
    virtual TVYXBitmap* GetBitmap() = 0;
    virtual TVYXColor GetBrushColor() = 0;
    virtual TVYXColor GetFontColor() = 0;
    virtual TVYXColor GetPenColor() = 0;
    virtual double GetPenWidthF() = 0;
    virtual bool GetTransparentMode() = 0;
    virtual void SetBrushColor(TVYXColor color) = 0;
    virtual void SetFontColor(TVYXColor color) = 0;
    virtual void SetPaintColor(TVYXColor color) = 0;
    virtual void SetPenColor(TVYXColor color) = 0;
    virtual void SetPenWidthF(double width) = 0;
    virtual void SetTransparentMode(bool transparent) = 0;
    virtual void SetPenDotted(bool dotted) = 0;
    virtual void SetXorMode(bool xorMode) = 0;
    virtual void DrawGrip(int x, int y, TVYXGrGrip grip) = 0;
    virtual void DrawSelectedBitmap(const TVYXPicture& picture, const TVYXGrEditCoords& coords) = 0;
    virtual bool Ready() { return true; }
    virtual void SetSize(int width, int height) = 0;
    virtual void Reset() { FDashPhase = 0; }
    virtual void BeginPrint(TVYXDeviceHandle device);
    virtual void EndPrint();
    virtual void BeginMatrix() = 0;
    virtual void RotateMatrix(const TVYXGrEditCoords& coords, double angle) = 0;
    virtual void EndMatrix() = 0;
    virtual void BeginRow() {}
    virtual void TextOutF(double x, double y, std::u16string_view text) = 0;
    virtual void TextLabel(std::u16string_view text, int x, int y, TVYXTextLableStyle style) = 0;
    virtual double TextWidthF(std::u16string_view text) = 0;
    virtual double SetTextJustificationF(double extra, int breakCount) = 0;
    virtual void SetFont(const TVYXFontData& font) = 0;
    virtual void GetTextMetric() = 0;
    virtual void SetTextAlign(TXGDIHorizTextAlign horiz, TXGDIVertTextAlign vert) = 0;
    virtual double FitFontSize(std::u16string_view text, int width) = 0;
    virtual int PixelsPerInchX() = 0;
    virtual int PixelsPerInchY() = 0;
    virtual void MoveToF(double x, double y) = 0;
    virtual void LineToF(double x, double y) = 0;
    virtual void LineF(double x1, double y1, double x2, double y2) = 0;
    virtual void RectangleF(double x1, double y1, double x2, double y2) = 0;
    virtual void RectOutlineF(double x1, double y1, double x2, double y2) = 0;
    virtual void CircleF(double x, double y, double radius) = 0;
    virtual void CircleAlpha(double x, double y, double radius, double alpha, TVYXColor color) = 0;
    virtual void EllipseF(double x1, double y1, double x2, double y2) = 0;
    virtual void DrawF(double x1, double y1, double x2, double y2, const TVYXBitmap& bitmap) = 0;
    virtual void DrawF(double x, double y, const TVYXGraphicObj& obj) = 0;
    virtual void DrawShape(double x, double y, double width, double height, const TVYXGraphicShape& shape,
                           bool selected) = 0;
    virtual void BitBlt(int x, int y, TVYXDeviceHandle source, int sourceX, int sourceY, int width, int height) = 0;
    virtual void BeginClip(double x1, double y1, double x2, double y2) = 0;
    virtual void EndClip() = 0;
    virtual void Test() = 0;
    virtual void SaveHyperlink(double x1, double y1, double x2, double y2, std::u16string_view target,
                               bool internal);
    virtual void SetOpacity(std::uint8_t alpha);
    virtual TVYXDeviceHandle Handle() { return 0; }

    // Conversions. The zoom is inside PixelsPerInchX/Y.
    double PtToPixXF(double pt) { return PixelsPerInchX() / 72.0 * pt; }
    double PtToPixYF(double pt) { return PixelsPerInchY() / 72.0 * pt; }
    double PtToPixXF_NM(double pt) { return PtToPixXF(pt); }
    double PtToPixYF_NM(double pt) { return PtToPixYF(pt); }
    int PtToPixX(double pt);
    int PtToPixY(double pt);
    double PixToPtX(double px);
    double PixToPtY(double px);

    // Integer conveniences: round and forward to the F operations.
    int TextWidth(std::u16string_view text);
    int SetTextJustification(double extra, int breakCount);
    int GetPenWidth();
    void SetPenWidth(int width) { SetPenWidthF(width); }
    void MoveTo(int x, int y) { MoveToF(x, y); }
    void LineTo(int x, int y) { LineToF(x, y); }
    void Rectangle(int x1, int y1, int x2, int y2) { RectangleF(x1, y1, x2, y2); }
    void RectOutline(int x1, int y1, int x2, int y2) { RectOutlineF(x1, y1, x2, y2); }
    void Circle(int x, int y, int radius) { CircleF(x, y, radius); }
    void Dot(int x, int y, TVYXColor color);

    // Lines of a given thickness built from one-pixel lines and rectangles.
    void LineHoriz(int x1, int x2, int y, int thickness);
    void LineHorizCenter(int x1, int x2, int y, int thickness);
    void LineVert(int y1, int y2, int x, int thickness);
    void LineVertCenter(int y1, int y2, int x, int thickness);
    void LineHorizF(bool downward, double thickness, double y, double x2, double x1);
    void LineVertF(bool rightward, double thickness, double x, double y2, double y1);
    void LineHorizWave(int x1, int x2, int height, int y);
    void LineHorizWaveSmall(int x1, int x2, int step, int y);

    // Dashed lines: `pattern` holds segment lengths in pixels, drawn at even and
    // skipped at odd indexes. The phase carries over between calls so that a border
    // drawn in pieces keeps its rhythm; Reset starts it again. An odd-sized pattern
    // raises "Invalid line style".
    void LineHorizStyled(int x1, int x2, int y, const std::vector<int>& pattern, int thickness);
    void LineVertStyled(int y1, int y2, int x, const std::vector<int>& pattern, int thickness);
    int DashPhase() const { return FDashPhase; }

    // The horizontal rule of a paragraph across x1..x2 (pixels), its top at y.
    void DrawHorizLine(const TVYXGraphicHorizLine& line, int x1, int x2, int y);
    // Selection frame of a graphic in pixels: the handles, the frame and the rotation grip.
    void DrawHandle(int x, int y, TVYXGrGrip grip) { DrawGrip(x, y, grip); }
    void DrawSelected(double x1, double y1, double x2, double y2);
    void DrawRotateBox(double x1, double y1, double x2, double y2);
    // A barcode's bars into the box: `bars` holds module counts, bar and space alternating,
    // starting with a bar ('1'..'9' per element). An optional caption is fitted under the bars.
    void DrawBarcode(double x1, double y1, double x2, double y2, std::string_view bars,
                     std::u16string_view caption = {});

    // State shared by all devices.
    const TVYXFontData& Font() const { return FFont; }
    const TVYXTextMetric& TextMetric() const { return FTextMetric; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    double Zoom() const { return FZoom; }
    void SetZoom(double zoom) { FZoom = zoom; }
    bool Printing() const { return FPrinting; }

protected:
    // The shared fitting rule for FitFontSize: bisection on half points between 4 and
    // 72 for a width between 0.85 × width and width, else 8. Restores the font.
    double FitFontSizeBy(std::u16string_view text, int width);

    TVYXFontData FFont;
    TVYXTextMetric FTextMetric;
    int FDashPhase = 0;
    int FWidth = 0;
    int FHeight = 0;
    double FZoom = 1.0;
    bool FPrinting = false;

private:
    // Shared by LineHorizStyled/LineVertStyled: `along` true draws along x.
    void LineStyled(bool along, int a1, int a2, int across, const std::vector<int>& pattern, int thickness);
};

// Keeps BeginClip/EndClip paired when painting raises.
class TVYXClipScope {
public:
    TVYXClipScope(TVYXGDI& gdi, double x1, double y1, double x2, double y2) : FGdi(gdi)
    {
        FGdi.BeginClip(x1, y1, x2, y2);
    }
    ~TVYXClipScope() { FGdi.EndClip(); }
    TVYXClipScope(const TVYXClipScope&) = delete;
    TVYXClipScope& operator=(const TVYXClipScope&) = delete;

private:
    TVYXGDI& FGdi;
};

// Keeps BeginMatrix/EndMatrix paired.
class TVYXMatrixScope {
public:
    explicit TVYXMatrixScope(TVYXGDI& gdi) : FGdi(gdi) { FGdi.BeginMatrix(); }
    ~TVYXMatrixScope() { FGdi.EndMatrix(); }
    TVYXMatrixScope(const TVYXMatrixScope&) = delete;
    TVYXMatrixScope& operator=(const TVYXMatrixScope&) = delete;

private:
    TVYXGDI& FGdi;
};

// The null device: measures everything as zero and draws nothing.
class TVYXGDIDummy : public TVYXGDI {
public:
    TVYXBitmap* GetBitmap() override { return nullptr; }
    TVYXColor GetBrushColor() override { return 0; }
    TVYXColor GetFontColor() override { return 0; }
    TVYXColor GetPenColor() override { return 0; }
    double GetPenWidthF() override { return 0; }
    bool GetTransparentMode() override { return false; }
    void SetBrushColor(TVYXColor) override {}
    void SetFontColor(TVYXColor) override {}
    void SetPaintColor(TVYXColor) override {}
    void SetPenColor(TVYXColor) override {}
    void SetPenWidthF(double) override {}
    void SetTransparentMode(bool) override {}
    void SetPenDotted(bool) override {}
    void SetXorMode(bool) override {}
    void DrawGrip(int, int, TVYXGrGrip) override {}
    void DrawSelectedBitmap(const TVYXPicture&, const TVYXGrEditCoords&) override {}
    void SetSize(int, int) override {}
    void BeginMatrix() override {}
    void RotateMatrix(const TVYXGrEditCoords&, double) override {}
    void EndMatrix() override {}
    void TextOutF(double, double, std::u16string_view) override {}
    void TextLabel(std::u16string_view, int, int, TVYXTextLableStyle) override {}
    double TextWidthF(std::u16string_view) override { return 0; }
    double SetTextJustificationF(double, int) override { return 0; }
    void SetFont(const TVYXFontData& font) override { FFont = font; }
    // Every metric zero, the underline thickness too: nothing measured, nothing drawn.
    void GetTextMetric() override { FTextMetric = TVYXTextMetric{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}; }
    void SetTextAlign(TXGDIHorizTextAlign, TXGDIVertTextAlign) override {}
    double FitFontSize(std::u16string_view, int) override { return 0; }
    int PixelsPerInchX() override { return 0; }
    int PixelsPerInchY() override { return 0; }
    void MoveToF(double, double) override {}
    void LineToF(double, double) override {}
    void LineF(double, double, double, double) override {}
    void RectangleF(double, double, double, double) override {}
    void RectOutlineF(double, double, double, double) override {}
    void CircleF(double, double, double) override {}
    void CircleAlpha(double, double, double, double, TVYXColor) override {}
    void EllipseF(double, double, double, double) override {}
    void DrawF(double, double, double, double, const TVYXBitmap&) override {}
    void DrawF(double, double, const TVYXGraphicObj&) override {}
    void DrawShape(double, double, double, double, const TVYXGraphicShape&, bool) override {}
    void BitBlt(int, int, TVYXDeviceHandle, int, int, int, int) override {}
    void BeginClip(double, double, double, double) override {}
    void EndClip() override {}
    void Test() override {}
};

// The trace device: one text line per drawing call, indented two spaces per open
// clip, numbers with one decimal. Its output is the golden file of painting tests.
// It measures like a fixed-pitch font: every character is 0.6 em wide, so layout
// run against it gives stable, font-independent widths.
class TVYXGDITrace : public TVYXGDI {
public:
    explicit TVYXGDITrace(int pixelsPerInch = 96);

    const std::string& Text() const { return FOut; }
    void ClearText() { FOut.clear(); }

    TVYXBitmap* GetBitmap() override { return nullptr; }
    TVYXColor GetBrushColor() override { return FBrush; }
    TVYXColor GetFontColor() override { return FFontColor; }
    TVYXColor GetPenColor() override { return FPen; }
    double GetPenWidthF() override { return FPenWidth; }
    bool GetTransparentMode() override { return FTransparent; }
    void SetBrushColor(TVYXColor color) override { FBrush = color; }
    void SetFontColor(TVYXColor color) override { FFontColor = color; }
    void SetPaintColor(TVYXColor color) override { FBrush = FPen = color; }
    void SetPenColor(TVYXColor color) override { FPen = color; }
    void SetPenWidthF(double width) override { FPenWidth = width; }
    void SetTransparentMode(bool transparent) override { FTransparent = transparent; }
    void SetPenDotted(bool dotted) override;
    void SetXorMode(bool xorMode) override;
    void DrawGrip(int x, int y, TVYXGrGrip grip) override;
    void DrawSelectedBitmap(const TVYXPicture& picture, const TVYXGrEditCoords& coords) override;
    void SetSize(int width, int height) override;
    void Reset() override;
    void BeginMatrix() override;
    void RotateMatrix(const TVYXGrEditCoords& coords, double angle) override;
    void EndMatrix() override;
    void BeginRow() override;
    void TextOutF(double x, double y, std::u16string_view text) override;
    void TextLabel(std::u16string_view text, int x, int y, TVYXTextLableStyle style) override;
    double TextWidthF(std::u16string_view text) override;
    double SetTextJustificationF(double extra, int breakCount) override;
    void SetFont(const TVYXFontData& font) override;
    void GetTextMetric() override;
    void SetTextAlign(TXGDIHorizTextAlign horiz, TXGDIVertTextAlign vert) override;
    double FitFontSize(std::u16string_view text, int width) override;
    int PixelsPerInchX() override { return FPpi; }
    int PixelsPerInchY() override { return FPpi; }
    void MoveToF(double x, double y) override;
    void LineToF(double x, double y) override;
    void LineF(double x1, double y1, double x2, double y2) override;
    void RectangleF(double x1, double y1, double x2, double y2) override;
    void RectOutlineF(double x1, double y1, double x2, double y2) override;
    void CircleF(double x, double y, double radius) override;
    void CircleAlpha(double x, double y, double radius, double alpha, TVYXColor color) override;
    void EllipseF(double x1, double y1, double x2, double y2) override;
    void DrawF(double x1, double y1, double x2, double y2, const TVYXBitmap& bitmap) override;
    void DrawF(double x, double y, const TVYXGraphicObj& obj) override;
    void DrawShape(double x, double y, double width, double height, const TVYXGraphicShape& shape,
                   bool selected) override;
    void BitBlt(int x, int y, TVYXDeviceHandle source, int sourceX, int sourceY, int width, int height) override;
    void BeginClip(double x1, double y1, double x2, double y2) override;
    void EndClip() override;
    void Test() override;
    void SaveHyperlink(double x1, double y1, double x2, double y2, std::u16string_view target,
                       bool internal) override;
    void SetOpacity(std::uint8_t alpha) override;

private:
    void Line(std::string_view name, std::initializer_list<double> numbers, std::string_view tail = {});

    std::string FOut;
    int FPpi;
    int FClipDepth = 0;
    TVYXColor FBrush = 0xFFFFFF;
    TVYXColor FFontColor = 0;
    TVYXColor FPen = 0;
    double FPenWidth = 1;
    bool FTransparent = true;
    double FJustExtra = 0;
    int FJustCount = 0;
};
