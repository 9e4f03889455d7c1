// VYXGDILinux.h: the Linux drawing device: fonts through fontconfig, FreeType and HarfBuzz, drawing into a bitmap or an SVG document.
//
// It stands in for the Windows screen and printer devices: layout measures with it
// and painting draws into its bitmap, which can be written as PNG, or for a while
// into an SVG document (BeginSVG/EndSVG) through the very same drawing code. Documents that
// ask for the common Windows families get their metric-compatible substitutes, so
// lines break where their authors saw them break.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "layout/VYXGDIAbstract.h"

// Where a requested family ends up.
struct TVYXFontMatch {
    std::string Requested;  // the family the document asked for
    std::string Family;     // the family fontconfig delivered
    std::string File;
    int Index = 0;          // face index inside the file
    bool Substituted = false;  // a metric-compatible stand-in or a fallback was used
    bool SyntheticBold = false;    // bold was asked for and the face is lighter: it is emboldened
    bool SyntheticItalic = false;  // italic was asked for and the face is upright: it is slanted
};

// Resolves a family (with the substitution table) through fontconfig.
TVYXFontMatch VYXResolveFont(std::string_view family, bool bold = false, bool italic = false);
// The face fontconfig prefers for showing `cp` in text of `family`; File is empty when no
// installed face has the character.
TVYXFontMatch VYXFallbackFont(std::string_view family, bool bold, bool italic, char32_t cp);
// One line per family of the substitution table: "Arial -> Liberation Sans (file)".
std::string VYXFontSubstitutionListing();

// One glyph of a text as TextOutF places it.
struct TVYXPlacedGlyph {
    unsigned Glyph = 0;
    double X = 0, Y = 0;   // from the text's start, pixels, y down; justification included
    unsigned Cluster = 0;  // index of the first UTF-16 unit of the characters it shows
    const TVYXFontMatch* Face = nullptr;  // borrowed: valid until the next text is measured or drawn
};

// A text in the current font laid out exactly as TextOutF draws it, for devices that draw
// the same glyphs elsewhere (PDF).
struct TVYXTextLayout {
    static constexpr double cSyntheticBold = 1.0 / 24;  // emboldening, per em, of a faked bold face
    static constexpr double cSyntheticSlant = 0.2126;   // run over rise of a faked italic face
    std::vector<TVYXPlacedGlyph> Glyphs;
    double Width = 0;   // pixels, justification included
    double EmSize = 0;  // pixels per em
    double Ascent = 0, Descent = 0, StrikePos = 0, StrikeSize = 0;  // pixels
};

class TVYXGDILinux : public TVYXGDI {
public:
    // `dpi` is the device resolution; the zoom multiplies it (PixelsPerInchX = round(dpi × zoom)).
    explicit TVYXGDILinux(int dpi = 96, double zoom = 1.0);
    ~TVYXGDILinux() override;

    // Writes the bitmap as PNG; raises "Cannot write PNG" on failure.
    void SavePNG(const std::string& fileName);
    // Opens an SVG document `width` × `height` pixels (one user unit a pixel): until
    // EndSVG every operation draws into it with the same code that draws the bitmap,
    // text as glyph outlines, pictures embedded. The bitmap stays as it was; SetSize
    // is ignored meanwhile. Raises "An SVG document is already open".
    void BeginSVG(int width, int height);
    // Closes the SVG document and answers its text; drawing goes back to the bitmap.
    // Raises "No SVG document is open", or "Cannot write SVG" when Cairo failed.
    std::string EndSVG();
    bool DrawingSVG() const;
    // Fills the whole target (ignores clip and opacity).
    void Clear(TVYXColor color = 0xFFFFFF);
    // The face file the current font resolved to.
    const TVYXFontMatch& CurrentFontMatch() const;
    // Fallback faces kept loaded (32 by default); beyond that they are forgotten before
    // the next text is shaped and loaded again as needed. At least 1.
    void SetFallbackFaceLimit(int faces);
    // Faces loaded now: the fonts set so far and the fallback faces kept.
    int LoadedFaceCount() const;
    // Lays the text out as TextOutF would draw it now (alignment aside), and uses up the
    // justification as TextOutF does.
    void LayoutText(std::u16string_view text, TVYXTextLayout& layout);

    TVYXBitmap* GetBitmap() override;
    TVYXColor GetBrushColor() override;
    TVYXColor GetFontColor() override;
    TVYXColor GetPenColor() override;
    double GetPenWidthF() override;
    bool GetTransparentMode() override;
    void SetBrushColor(TVYXColor color) override;
    void SetFontColor(TVYXColor color) override;
    void SetPaintColor(TVYXColor color) override;
    void SetPenColor(TVYXColor color) override;
    void SetPenWidthF(double width) override;
    void SetTransparentMode(bool transparent) override;
    void SetPenDotted(bool dotted) override;
    void SetXorMode(bool xorMode) override;
    void DrawGrip(int x, int y, TVYXGrGrip grip) override;
    void DrawSelectedBitmap(const TVYXPicture& picture, const TVYXGrEditCoords& coords) override;
    void SetSize(int width, int height) override;
    void BeginMatrix() override;
    void RotateMatrix(const TVYXGrEditCoords& coords, double angle) override;
    void EndMatrix() override;
    void TextOutF(double x, double y, std::u16string_view text) override;
    void TextLabel(std::u16string_view text, int x, int y, TVYXTextLableStyle style) override;
    double TextWidthF(std::u16string_view text) override;
    double SetTextJustificationF(double extra, int breakCount) override;
    void SetFont(const TVYXFontData& font) override;
    void GetTextMetric() override;
    void SetTextAlign(TXGDIHorizTextAlign horiz, TXGDIVertTextAlign vert) override;
    double FitFontSize(std::u16string_view text, int width) override;
    int PixelsPerInchX() override;
    int PixelsPerInchY() override;
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
    void Test() override {}
    void SetOpacity(std::uint8_t alpha) override;
    TVYXDeviceHandle Handle() override;

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;  // owns the surface, the font faces and the shaping buffer
};
