// VYXGDIPDF.h: the drawing device that writes PDF page content.
//
// Layout runs against it at 72 pixels per inch, so a pixel is a point. Text is measured
// and shaped by an inner Linux device at the same resolution, which finds faces exactly
// as the screen does: widths, line breaks and glyphs are those of the screen, and the
// glyphs are shown from subsets of the same font files. Each page's content starts by
// flipping the y axis, so drawing happens in the device's own coordinates (y down) and
// only link rectangles are mapped into PDF space.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "layout/VYXGDIAbstract.h"

class TVYXPdfDocument;
class TVYXGDILinux;
class TVYXGraphicPicture;

class TVYXGDIPDF : public TVYXGDI {
public:
    // Draws on the current page of `canvas` (borrowed).
    explicit TVYXGDIPDF(TVYXPdfDocument& canvas);
    ~TVYXGDIPDF() override;

    // PDF space: y grows upward from the page's foot.
    double MapY(double y) const;
    // Images drawn so far that went into the file as JPEG data, unchanged.
    int PassedThroughJpegs() const { return FJpegs; }

    TVYXBitmap* GetBitmap() override { return nullptr; }
    TVYXColor GetBrushColor() override { return FBrush; }
    TVYXColor GetFontColor() override { return FFontColor; }
    TVYXColor GetPenColor() override { return FPen; }
    double GetPenWidthF() override { return FPenWidth; }
    bool GetTransparentMode() override { return FTransparent; }
    void SetBrushColor(TVYXColor color) override { FBrush = color & 0xFFFFFF; }
    void SetFontColor(TVYXColor color) override { FFontColor = color & 0xFFFFFF; }
    void SetPaintColor(TVYXColor color) override { FBrush = FPen = color & 0xFFFFFF; }
    void SetPenColor(TVYXColor color) override { FPen = color & 0xFFFFFF; }
    void SetPenWidthF(double width) override { FPenWidth = width < 0 ? 0 : width; }
    void SetTransparentMode(bool transparent) override { FTransparent = transparent; }
    void SetPenDotted(bool dotted) override { FDotted = dotted; }
    void SetXorMode(bool) override {}
    void DrawGrip(int x, int y, TVYXGrGrip grip) override;
    void DrawSelectedBitmap(const TVYXPicture& picture, const TVYXGrEditCoords& coords) override;
    void SetSize(int width, int height) override;
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
    double FitFontSize(std::u16string_view text, int width) override { return FitFontSizeBy(text, width); }
    int PixelsPerInchX() override { return 72; }
    int PixelsPerInchY() override { return 72; }
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
    void BitBlt(int, int, TVYXDeviceHandle, int, int, int, int) override {}
    void BeginClip(double x1, double y1, double x2, double y2) override;
    void EndClip() override;
    void Test() override {}
    void SaveHyperlink(double x1, double y1, double x2, double y2, std::u16string_view target,
                       bool internal) override;
    void SetOpacity(std::uint8_t alpha) override;

private:
    std::string& Out();  // the current page's operators, started when the page changed
    void Fill(TVYXColor color, double alpha = 1);
    void Stroke(TVYXColor color, double width, bool dotted);
    void Alpha(double alpha);
    // Dashes of a graphic object's outline, set inside the object's q ... Q.
    void OutlineDash(int dashStyle, double width);  // a TVYXGrLineDashStyle
    void Restore();  // Q, forgetting the cached state
    void Pt(double x, double y);
    void Ellipse(double x1, double y1, double x2, double y2);
    void DrawPicture(double x, double y, double w, double h, const TVYXGraphicPicture& pic);
    // The image's resource name, written on first use (`jpeg` the original bytes when they can pass).
    std::string Image(const TVYXBitmap& bitmap, const void* key, std::string_view jpeg);

    TVYXPdfDocument& FCanvas;
    std::unique_ptr<TVYXGDILinux> FMeasure;  // owns: measuring and shaping as on screen
    int FPage = -1;                          // the page Out() last started
    TVYXColor FBrush = 0xFFFFFF, FPen = 0, FFontColor = 0;
    double FPenWidth = 1;
    bool FTransparent = true, FDotted = false;
    double FOpacity = 1;
    TXGDIHorizTextAlign FHAlign = xhtaLeft;
    TXGDIVertTextAlign FVAlign = xvtaTop;
    double FCurX = 0, FCurY = 0;
    int FSaveDepth = 0;  // open q of clips and matrices
    int FJpegs = 0;
    // What the content stream has set, so that repeated colours are not written again;
    // q saves it and Q brings it back, as they do the stream's graphics state.
    struct TStreamState {
        long long FillSet = -1, StrokeSet = -1;
        double LineWidthSet = -1, AlphaSet = 1;
        bool DashSet = false;
    };
    void Save();  // q
    TStreamState FSet;
    std::vector<TStreamState> FSaved;
};
