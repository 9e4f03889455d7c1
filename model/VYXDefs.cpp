// VYXDefs.cpp: units, areas, paper sizes and the shared tables.
#include "model/VYXDefs.h"

#include <algorithm>
#include <cmath>
#include <vector>

double PtToUnit(double pt, TVYXSysOptDistUnit unit)
{
    switch (unit) {
    case asoduCentimeters: return pt / 72 * 2.54;
    case asoduMillimeters: return pt / 72 * 25.4;
    case asoduInches: return pt / 72;
    case asoduPicas: return pt / 6;
    case asoduPoints: break;
    }
    return pt;
}

double UnitToPt(double value, TVYXSysOptDistUnit unit)
{
    switch (unit) {
    case asoduCentimeters: return value / 2.54 * 72;
    case asoduMillimeters: return value / 25.4 * 72;
    case asoduInches: return value * 72;
    case asoduPicas: return value * 6;
    case asoduPoints: break;
    }
    return value;
}

namespace {
struct TUnitInfo {
    double Scale;
    std::u16string_view Short;
};
constexpr TUnitInfo cUnitInfo[cVYXDistUnitCount] = {
    {1.0, u"pt"},
    {0.035277777777777776, u"cm"},
    {0.3527777777777778, u"mm"},
    {0.013888888888888888, u"ln"},
    {0.0023148148148148147, u"pc"},
};
const TUnitInfo& UnitInfo(TVYXSysOptDistUnit unit)
{
    const int i = static_cast<int>(unit);
    return cUnitInfo[i >= 0 && i < cVYXDistUnitCount ? i : 0];
}
}  // namespace

double GetUnitScaleValue(TVYXSysOptDistUnit unit) { return UnitInfo(unit).Scale; }
std::u16string_view GetUnitsShortStr(TVYXSysOptDistUnit unit) { return UnitInfo(unit).Short; }

double EmuToPts(double emu) { return emu / 360000 * 28.346456692913385; }
std::int64_t PtsToEmu(double pt) { return std::llround(pt * 12700); }
double PtToCm(double pt) { return pt / 72 * 2.54; }
double CmToPt(double cm) { return cm / 2.54 * 72; }

// ---- Areas -----------------------------------------------------------------

TVYXArea::~TVYXArea() = default;

TVYXArea& TVYXArea::operator=(const TVYXArea& other)
{
    if (this != &other)
        SetBounds(other.FX1, other.FY1, other.FX2, other.FY2);
    return *this;
}

void TVYXArea::SetBounds(double x1, double y1, double x2, double y2)
{
    FX1 = x1;
    FY1 = y1;
    FX2 = x2;
    FY2 = y2;
}

void TVYXArea::Save()
{
    if (!FSavedArea)
        FSavedArea = std::make_unique<TVYXArea>();
    FSavedArea->SetBounds(FX1, FY1, FX2, FY2);
}

void TVYXArea::Restore()
{
    if (FSavedArea)
        SetBounds(FSavedArea->FX1, FSavedArea->FY1, FSavedArea->FX2, FSavedArea->FY2);
}

void TVYXArea::Assign(const TVYXArea& source) { SetBounds(source.FX1, source.FY1, source.FX2, source.FY2); }

TVYXAreaHitResult TVYXArea::HitY(double, double y) const
{
    if (y < FY1)
        return aahrAbove;
    return y > FY2 ? aahrBelow : aahrInside;
}

TVYXAreaHitResult TVYXArea::HitAreaY(double, double y) const
{
    if (y < FY1)
        return aahrAbove;
    return y >= FY2 ? aahrBelow : aahrInside;
}

TVYXClientArea::TVYXClientArea(const TVYXClientArea& other)
    : TVYXArea(other), FCX2(other.FCX2), FCY2(other.FCY2), FCX1(other.FCX1), FCY1(other.FCY1)
{
}

TVYXClientArea& TVYXClientArea::operator=(const TVYXClientArea& other)
{
    if (this != &other)
        Assign(other);
    return *this;
}

TVYXClientArea::~TVYXClientArea() = default;

void TVYXClientArea::SetX1(double value)
{
    FX1 = value;
    FCX1 = std::max(FCX1, value);
}

void TVYXClientArea::SetY1(double value)
{
    FY1 = value;
    FCY1 = std::max(FCY1, value);
}

void TVYXClientArea::SetX2(double value)
{
    FX2 = value;
    FCX2 = std::min(FCX2, value);
}

void TVYXClientArea::SetY2(double value)
{
    FY2 = value;
    FCY2 = std::min(FCY2, value);
}

void TVYXClientArea::Save()
{
    TVYXArea::Save();
    if (!FSavedCArea)
        FSavedCArea = std::make_unique<TVYXClientArea>();
    FSavedCArea->FCX1 = FCX1;
    FSavedCArea->FCY1 = FCY1;
    FSavedCArea->FCX2 = FCX2;
    FSavedCArea->FCY2 = FCY2;
}

void TVYXClientArea::Restore()
{
    TVYXArea::Restore();
    if (FSavedCArea) {
        FCX1 = FSavedCArea->FCX1;
        FCY1 = FSavedCArea->FCY1;
        FCX2 = FSavedCArea->FCX2;
        FCY2 = FSavedCArea->FCY2;
    }
}

void TVYXClientArea::Assign(const TVYXArea& source)
{
    TVYXArea::Assign(source);
    if (const auto* client = dynamic_cast<const TVYXClientArea*>(&source)) {
        FCX1 = client->FCX1;
        FCY1 = client->FCY1;
        FCX2 = client->FCX2;
        FCY2 = client->FCY2;
    }
}

// ---- Paper sizes -----------------------------------------------------------

const std::array<TVYXPaperSizeInfo, apsAnsiB + 1> VYXPaperSizes = {{
    {apsCustom, 0, 0, "Custom size"},
    {apsA4, 595.35, 841.95, "A4"},
    {apsA5, 419.55, 595.35, "A5"},
    {apsLetter, 612, 792, "Letter"},
    {apsLegal, 612, 1008.6, "Legal"},
    {apsExcecutive, 522, 756, "Excecutive"},
    {apsB5JIS, 515.95, 728.55, "B5 (JIS)"},
    {apsEnvelope10, 297, 684, "Envelope #10"},
    {apsEnvelopeDL, 311.85, 623.7, "Envelope DL"},
    {apsEnvelopeC5, 459.25, 649.2, "Envelope C5"},
    {apsEnvelopeB5, 498.95, 708.75, "Envelope  B5"},
    {apsAnsiA, 612.1, 792.1, "ANSI A"},
    {apsAnsiB, 792.1, 1224.15, "ANSI B"},
}};

TVYXPaperSize MatchPaperSize(double width, double height)
{
    // The tolerance absorbs sizes that went through twips or millimetres; the
    // small epsilon keeps a difference of exactly 0.1 inside despite rounding.
    constexpr double cTolerance = 0.1 + 1e-9;
    for (const auto& paper : VYXPaperSizes)
        if (paper.Size != apsCustom && std::fabs(width - paper.Width) <= cTolerance &&
            std::fabs(height - paper.Height) <= cTolerance)
            return paper.Size;
    return apsCustom;
}

// ---- Shared tables ---------------------------------------------------------

namespace {
constexpr std::array<char16_t, 128> MakeNonPrintableCharMap()
{
    std::array<char16_t, 128> map{};
    for (std::size_t i = 0; i < map.size(); ++i)
        map[i] = static_cast<char16_t>(i);
    map[13] = u'\u00B6';
    map[32] = u'\u00B7';
    return map;
}
}  // namespace

const std::array<char16_t, 128> NonPrintableCharMap = MakeNonPrintableCharMap();
const std::array<int, 16> VYXStdFontSizes = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
const std::array<std::string_view, aptUnknown + 1> VYXPictureTypeName = {
    "bmp", "jpg", "png", "gif", "emf", "wmf", "pic", "tif", "raw", "_unknown_"};

// clang-format off
const std::array<std::string_view, cVYXBorderStyleCount> VYXStBorderName = {
    "nil", "none", "single", "thick", "double", "dotted", "dashed", "dotDash", "dotDotDash",
    "triple", "thinThickSmallGap", "thickThinSmallGap", "thinThickThinSmallGap",
    "thinThickMediumGap", "thickThinMediumGap", "thinThickThinMediumGap", "thinThickLargeGap",
    "thickThinLargeGap", "thinThickThinLargeGap", "wave", "doubleWave", "dashSmallGap",
    "dashDotStroked", "threeDEmboss", "threeDEngrave", "outset", "inset", "apples",
    "archedScallops", "babyPacifier", "babyRattle", "balloons3Colors", "balloonsHotAir",
    "basicBlackDashes", "basicBlackDots", "basicBlackSquares", "basicThinLines",
    "basicWhiteDashes", "basicWhiteDots", "basicWhiteSquares", "basicWideInline",
    "basicWideMidline", "basicWideOutline", "bats", "birds", "birdsFlight", "cabins", "cakeSlice",
    "candyCorn", "celticKnotwork", "certificateBanner", "chainLink", "champagneBottle",
    "checkedBarBlack", "checkedBarColor", "checkered", "christmasTree", "circlesLines",
    "circlesRectangles", "classicalWave", "clocks", "compass", "confetti", "confettiGrays",
    "confettiOutline", "confettiStreamers", "confettiWhite", "cornerTriangles",
    "couponCutoutDashes", "couponCutoutDots", "crazyMaze", "creaturesButterfly", "creaturesFish",
    "creaturesInsects", "creaturesLadyBug", "crossStitch", "cup", "decoArch", "decoArchColor",
    "decoBlocks", "diamondsGray", "doubleD", "doubleDiamonds", "earth1", "earth2", "earth3",
    "eclipsingSquares1", "eclipsingSquares2", "eggsBlack", "fans", "film", "firecrackers",
    "flowersBlockPrint", "flowersDaisies", "flowersModern1", "flowersModern2", "flowersPansy",
    "flowersRedRose", "flowersRoses", "flowersTeacup", "flowersTiny", "gems", "gingerbreadMan",
    "gradient", "handmade1", "handmade2", "heartBalloon", "heartGray", "hearts", "heebieJeebies",
    "holly", "houseFunky", "hypnotic", "iceCreamCones", "lightBulb", "lightning1", "lightning2",
    "mapPins", "mapleLeaf", "mapleMuffins", "marquee", "marqueeToothed", "moons", "mosaic",
    "musicNotes", "northwest", "ovals", "packages", "palmsBlack", "palmsColor", "paperClips",
    "papyrus", "partyFavor", "partyGlass", "pencils", "people", "peopleWaving", "peopleHats",
    "poinsettias", "postageStamp", "pumpkin1", "pushPinNote2", "pushPinNote1", "pyramids",
    "pyramidsAbove", "quadrants", "rings", "safari", "sawtooth", "sawtoothGray", "scaredCat",
    "seattle", "shadowedSquares", "sharksTeeth", "shorebirdTracks", "skyrocket", "snowflakeFancy",
    "snowflakes", "sombrero", "southwest", "stars", "starsTop", "stars3d", "starsBlack",
    "starsShadowed", "sun", "swirligig", "tornPaper", "tornPaperBlack", "trees", "triangleParty",
    "triangles", "triangle1", "triangle2", "triangleCircle1", "triangleCircle2", "shapes1",
    "shapes2", "twistedLines1", "twistedLines2", "vine", "waveline", "weavingAngles",
    "weavingBraid", "weavingRibbon", "weavingStrips", "whiteFlowers", "woodwork", "xIllusions",
    "zanyTriangles", "zigZag", "zigZagStitch",
};
// clang-format on

std::optional<TST_Border> StBorderFromName(std::string_view name)
{
    // The tokens are in the standard's order, not sorted: sort an index once.
    static const std::vector<int> sorted = [] {
        std::vector<int> v(VYXStBorderName.size());
        for (std::size_t i = 0; i < v.size(); ++i)
            v[i] = static_cast<int>(i);
        std::sort(v.begin(), v.end(), [](int a, int b) {
            return VYXStBorderName[static_cast<std::size_t>(a)] < VYXStBorderName[static_cast<std::size_t>(b)];
        });
        return v;
    }();
    auto it = std::lower_bound(sorted.begin(), sorted.end(), name, [](int i, std::string_view n) {
        return VYXStBorderName[static_cast<std::size_t>(i)] < n;
    });
    if (it == sorted.end() || VYXStBorderName[static_cast<std::size_t>(*it)] != name)
        return std::nullopt;
    return static_cast<TST_Border>(*it);
}
