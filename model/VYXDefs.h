// VYXDefs.h: the small shared types of the model: units, areas, paper sizes, enumerations and tables.
//
// Every length in the model is a double of typographic points (1/72 inch);
// file formats convert at their borders, the user interface through the
// distance units below.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/VYXClipboardFormat.h"

// ---- Units ---------------------------------------------------------------

enum TVYXSysOptDistUnit { asoduPoints, asoduCentimeters, asoduMillimeters, asoduInches, asoduPicas };
constexpr int cVYXDistUnitCount = asoduPicas + 1;

double PtToUnit(double pt, TVYXSysOptDistUnit unit);
double UnitToPt(double value, TVYXSysOptDistUnit unit);
// The factor a ruler uses from points to the unit. For picas it is 1/432 (a
// pica ruler counts in units of six picas) while PtToUnit treats one pica as
// six points; both are kept as the user interface expects them.
double GetUnitScaleValue(TVYXSysOptDistUnit unit);
// "pt", "cm", "mm", "ln", "pc".
std::u16string_view GetUnitsShortStr(TVYXSysOptDistUnit unit);

double EmuToPts(double emu);
std::int64_t PtsToEmu(double pt);
double PtToCm(double pt);
double CmToPt(double cm);

// ---- Areas -----------------------------------------------------------------

enum TVYXAreaHitResult { aahrAbove, aahrInside, aahrBelow };

// A rectangle in points with inclusive bounds (X to the right, Y downwards).
class TVYXArea {
public:
    TVYXArea() = default;
    TVYXArea(double x1, double y1, double x2, double y2) : FX1(x1), FY1(y1), FX2(x2), FY2(y2) {}
    TVYXArea(const TVYXArea& other) : FX1(other.FX1), FY1(other.FY1), FX2(other.FX2), FY2(other.FY2) {}
    TVYXArea& operator=(const TVYXArea& other);
    virtual ~TVYXArea();

    double X1() const { return FX1; }
    double Y1() const { return FY1; }
    double X2() const { return FX2; }
    double Y2() const { return FY2; }
    virtual void SetX1(double value) { FX1 = value; }
    virtual void SetY1(double value) { FY1 = value; }
    virtual void SetX2(double value) { FX2 = value; }
    virtual void SetY2(double value) { FY2 = value; }
    void SetBounds(double x1, double y1, double x2, double y2);

    virtual double Width() const { return FX2 - FX1 + 1; }
    virtual double Height() const { return FY2 - FY1 + 1; }

    // Save keeps one copy of the bounds (created on first use); Restore puts it back.
    virtual void Save();
    virtual void Restore();
    virtual void Assign(const TVYXArea& source);
    const TVYXArea* SavedArea() const { return FSavedArea.get(); }

    bool Hit(double x, double y) const { return x >= FX1 && x <= FX2 && y >= FY1 && y <= FY2; }
    // Vertical class of a point, bounds inclusive.
    TVYXAreaHitResult HitY(double x, double y) const;
    // As HitY, but the bottom bound belongs to the next area below, so stacked
    // rows and pages that share a bound never both claim a point on it.
    TVYXAreaHitResult HitAreaY(double x, double y) const;

protected:
    double FX1 = 0, FY1 = 0, FX2 = 0, FY2 = 0;

private:
    std::unique_ptr<TVYXArea> FSavedArea;
};

// An area with an inner client rectangle (a page inside its margins).
class TVYXClientArea : public TVYXArea {
public:
    TVYXClientArea() = default;
    TVYXClientArea(const TVYXClientArea& other);
    TVYXClientArea& operator=(const TVYXClientArea& other);
    ~TVYXClientArea() override;

    double CX1() const { return FCX1; }
    double CY1() const { return FCY1; }
    double CX2() const { return FCX2; }
    double CY2() const { return FCY2; }
    void SetCX1(double value) { FCX1 = value; }
    void SetCY1(double value) { FCY1 = value; }
    void SetCX2(double value) { FCX2 = value; }
    void SetCY2(double value) { FCY2 = value; }

    // Moving an outer bound pulls the client bound with it when it would fall outside.
    void SetX1(double value) override;
    void SetY1(double value) override;
    void SetX2(double value) override;
    void SetY2(double value) override;

    double Width() const override { return FX2 - FX1; }
    double Height() const override { return FY2 - FY1; }
    double GetPageWidth() const { return FCX2 - FCX1; }

    void Save() override;
    void Restore() override;
    // Copies the client bounds too when the source is a client area.
    void Assign(const TVYXArea& source) override;
    const TVYXClientArea* SavedCArea() const { return FSavedCArea.get(); }

private:
    double FCX2 = 0, FCY2 = 0, FCX1 = 0, FCY1 = 0;
    std::unique_ptr<TVYXClientArea> FSavedCArea;
};

// ---- Paper sizes -----------------------------------------------------------

enum TVYXPaperSize {
    apsCustom, apsA4, apsA5, apsLetter, apsLegal, apsExcecutive, apsB5JIS, apsEnvelope10,
    apsEnvelopeDL, apsEnvelopeC5, apsEnvelopeB5, apsAnsiA, apsAnsiB
};

struct TVYXPaperSizeInfo {
    TVYXPaperSize Size;
    double Width, Height;  // points
    std::string_view Name;
};
extern const std::array<TVYXPaperSizeInfo, apsAnsiB + 1> VYXPaperSizes;

// The first size whose width and height both lie within 0.1 point; apsCustom when none does.
TVYXPaperSize MatchPaperSize(double width, double height);

// ---- Shared enumerations ---------------------------------------------------

enum TVYXFileType { aftUnknown, aftDOCX, aftDOC, aftRTF, aftHTML, aftPDF, aftODT, aftTXT };
enum TVYXPictureType { aptBMP, aptJPG, aptPNG, aptGIF, aptEMF, aptWMF, aptPIC, aptTIF, aptRAW, aptUnknown };
enum TVYXVertAlign { avaBottom, avaCenter, avaTop, avaDistributed };
enum TVYXCharType {
    actInvalid, actAny, actWhitespace, actNotWhitespace, actBreak, actPunctuation, actNotPunctuation,
    actEndOfPara, actGraphic
};

// ---- Shared tables ---------------------------------------------------------

// The character shown for codes 0-127 when non-printing characters are displayed.
extern const std::array<char16_t, 128> NonPrintableCharMap;
// Font sizes offered to the user, in points.
extern const std::array<int, 16> VYXStdFontSizes;
// "bmp", "jpg", ... "_unknown_", indexed by TVYXPictureType.
extern const std::array<std::string_view, aptUnknown + 1> VYXPictureTypeName;

// Border styles in the order of the WordprocessingML border type, nil to the
// last art border (the later "custom" value is not part of this set).
// clang-format off
enum TST_Border {
    stbNil, stbNone, stbSingle, stbThick, stbDouble, stbDotted, stbDashed, stbDotDash,
    stbDotDotDash, stbTriple, stbThinThickSmallGap, stbThickThinSmallGap, stbThinThickThinSmallGap,
    stbThinThickMediumGap, stbThickThinMediumGap, stbThinThickThinMediumGap, stbThinThickLargeGap,
    stbThickThinLargeGap, stbThinThickThinLargeGap, stbWave, stbDoubleWave, stbDashSmallGap,
    stbDashDotStroked, stbThreeDEmboss, stbThreeDEngrave, stbOutset, stbInset, stbApples,
    stbArchedScallops, stbBabyPacifier, stbBabyRattle, stbBalloons3Colors, stbBalloonsHotAir,
    stbBasicBlackDashes, stbBasicBlackDots, stbBasicBlackSquares, stbBasicThinLines,
    stbBasicWhiteDashes, stbBasicWhiteDots, stbBasicWhiteSquares, stbBasicWideInline,
    stbBasicWideMidline, stbBasicWideOutline, stbBats, stbBirds, stbBirdsFlight, stbCabins,
    stbCakeSlice, stbCandyCorn, stbCelticKnotwork, stbCertificateBanner, stbChainLink,
    stbChampagneBottle, stbCheckedBarBlack, stbCheckedBarColor, stbCheckered, stbChristmasTree,
    stbCirclesLines, stbCirclesRectangles, stbClassicalWave, stbClocks, stbCompass, stbConfetti,
    stbConfettiGrays, stbConfettiOutline, stbConfettiStreamers, stbConfettiWhite,
    stbCornerTriangles, stbCouponCutoutDashes, stbCouponCutoutDots, stbCrazyMaze,
    stbCreaturesButterfly, stbCreaturesFish, stbCreaturesInsects, stbCreaturesLadyBug,
    stbCrossStitch, stbCup, stbDecoArch, stbDecoArchColor, stbDecoBlocks, stbDiamondsGray,
    stbDoubleD, stbDoubleDiamonds, stbEarth1, stbEarth2, stbEarth3, stbEclipsingSquares1,
    stbEclipsingSquares2, stbEggsBlack, stbFans, stbFilm, stbFirecrackers, stbFlowersBlockPrint,
    stbFlowersDaisies, stbFlowersModern1, stbFlowersModern2, stbFlowersPansy, stbFlowersRedRose,
    stbFlowersRoses, stbFlowersTeacup, stbFlowersTiny, stbGems, stbGingerbreadMan, stbGradient,
    stbHandmade1, stbHandmade2, stbHeartBalloon, stbHeartGray, stbHearts, stbHeebieJeebies,
    stbHolly, stbHouseFunky, stbHypnotic, stbIceCreamCones, stbLightBulb, stbLightning1,
    stbLightning2, stbMapPins, stbMapleLeaf, stbMapleMuffins, stbMarquee, stbMarqueeToothed,
    stbMoons, stbMosaic, stbMusicNotes, stbNorthwest, stbOvals, stbPackages, stbPalmsBlack,
    stbPalmsColor, stbPaperClips, stbPapyrus, stbPartyFavor, stbPartyGlass, stbPencils, stbPeople,
    stbPeopleWaving, stbPeopleHats, stbPoinsettias, stbPostageStamp, stbPumpkin1, stbPushPinNote2,
    stbPushPinNote1, stbPyramids, stbPyramidsAbove, stbQuadrants, stbRings, stbSafari, stbSawtooth,
    stbSawtoothGray, stbScaredCat, stbSeattle, stbShadowedSquares, stbSharksTeeth,
    stbShorebirdTracks, stbSkyrocket, stbSnowflakeFancy, stbSnowflakes, stbSombrero, stbSouthwest,
    stbStars, stbStarsTop, stbStars3d, stbStarsBlack, stbStarsShadowed, stbSun, stbSwirligig,
    stbTornPaper, stbTornPaperBlack, stbTrees, stbTriangleParty, stbTriangles, stbTriangle1,
    stbTriangle2, stbTriangleCircle1, stbTriangleCircle2, stbShapes1, stbShapes2, stbTwistedLines1,
    stbTwistedLines2, stbVine, stbWaveline, stbWeavingAngles, stbWeavingBraid, stbWeavingRibbon,
    stbWeavingStrips, stbWhiteFlowers, stbWoodwork, stbXIllusions, stbZanyTriangles, stbZigZag,
    stbZigZagStitch
};
// clang-format on
constexpr int cVYXBorderStyleCount = stbZigZagStitch + 1;

// The file token of each border style ("nil", "single", "thinThickSmallGap", ...).
extern const std::array<std::string_view, cVYXBorderStyleCount> VYXStBorderName;
// The style of a file token (exact case), or nothing for an unknown token.
std::optional<TST_Border> StBorderFromName(std::string_view name);
