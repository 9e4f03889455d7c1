// NyqDocx.cpp: schema classes generated from wml.xsd, shared-commonSimpleTypes.xsd, shared-relationshipReference.xsd, dml-main.xsd, dml-picture.xsd, dml-wordprocessingDrawing.xsd, vml-main.xsd, vml-officeDrawing.xsd, vml-wordprocessingDrawing.xsd by tools/nyq_xsdgen.py; do not edit.
#include "formats/schema/NyqDocx.h"

#include "formats/schema/NyqDocxDml.h"
#include "formats/schema/NyqDocxVml.h"
#include "formats/schema/NyqDocxWml.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<std::string_view, TST_AlgClass>, 2> cTST_AlgClassValues{{
    {"hash", stacHash},
    {"custom", stacCustom},
}};
}  // namespace

std::optional<TST_AlgClass> StrToTST_AlgClass(std::string_view text)
{
    for (const auto& [t, v] : cTST_AlgClassValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_AlgClassToStr(TST_AlgClass value)
{
    for (const auto& [t, v] : cTST_AlgClassValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_AlgType>, 2> cTST_AlgTypeValues{{
    {"typeAny", statTypeAny},
    {"custom", statCustom},
}};
}  // namespace

std::optional<TST_AlgType> StrToTST_AlgType(std::string_view text)
{
    for (const auto& [t, v] : cTST_AlgTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_AlgTypeToStr(TST_AlgType value)
{
    for (const auto& [t, v] : cTST_AlgTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_Angle_o>, 6> cTST_Angle_oValues{{
    {"any", staAny},
    {"30", sta30},
    {"45", sta45},
    {"60", sta60},
    {"90", sta90},
    {"auto", staAuto},
}};
}  // namespace

std::optional<TST_Angle_o> StrToTST_Angle_o(std::string_view text)
{
    for (const auto& [t, v] : cTST_Angle_oValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_Angle_oToStr(TST_Angle_o value)
{
    for (const auto& [t, v] : cTST_Angle_oValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_AnnotationVMerge>, 2> cTST_AnnotationVMergeValues{{
    {"cont", stavmCont},
    {"rest", stavmRest},
}};
}  // namespace

std::optional<TST_AnnotationVMerge> StrToTST_AnnotationVMerge(std::string_view text)
{
    for (const auto& [t, v] : cTST_AnnotationVMergeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_AnnotationVMergeToStr(TST_AnnotationVMerge value)
{
    for (const auto& [t, v] : cTST_AnnotationVMergeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_BWMode>, 12> cTST_BWModeValues{{
    {"color", stbwmColor},
    {"auto", stbwmAuto},
    {"grayScale", stbwmGrayScale},
    {"lightGrayscale", stbwmLightGrayscale},
    {"inverseGray", stbwmInverseGray},
    {"grayOutline", stbwmGrayOutline},
    {"highContrast", stbwmHighContrast},
    {"black", stbwmBlack},
    {"white", stbwmWhite},
    {"hide", stbwmHide},
    {"undrawn", stbwmUndrawn},
    {"blackTextAndLines", stbwmBlackTextAndLines},
}};
}  // namespace

std::optional<TST_BWMode> StrToTST_BWMode(std::string_view text)
{
    for (const auto& [t, v] : cTST_BWModeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_BWModeToStr(TST_BWMode value)
{
    for (const auto& [t, v] : cTST_BWModeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_BevelPresetType>, 12> cTST_BevelPresetTypeValues{{
    {"relaxedInset", stbptRelaxedInset},
    {"circle", stbptCircle},
    {"slope", stbptSlope},
    {"cross", stbptCross},
    {"angle", stbptAngle},
    {"softRound", stbptSoftRound},
    {"convex", stbptConvex},
    {"coolSlant", stbptCoolSlant},
    {"divot", stbptDivot},
    {"riblet", stbptRiblet},
    {"hardEdge", stbptHardEdge},
    {"artDeco", stbptArtDeco},
}};
}  // namespace

std::optional<TST_BevelPresetType> StrToTST_BevelPresetType(std::string_view text)
{
    for (const auto& [t, v] : cTST_BevelPresetTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_BevelPresetTypeToStr(TST_BevelPresetType value)
{
    for (const auto& [t, v] : cTST_BevelPresetTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_BlackWhiteMode>, 11> cTST_BlackWhiteModeValues{{
    {"clr", stblwhmoClr},
    {"auto", stblwhmoAuto},
    {"gray", stblwhmoGray},
    {"ltGray", stblwhmoLtGray},
    {"invGray", stblwhmoInvGray},
    {"grayWhite", stblwhmoGrayWhite},
    {"blackGray", stblwhmoBlackGray},
    {"blackWhite", stblwhmoBlackWhite},
    {"black", stblwhmoBlack},
    {"white", stblwhmoWhite},
    {"hidden", stblwhmoHidden},
}};
}  // namespace

std::optional<TST_BlackWhiteMode> StrToTST_BlackWhiteMode(std::string_view text)
{
    for (const auto& [t, v] : cTST_BlackWhiteModeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_BlackWhiteModeToStr(TST_BlackWhiteMode value)
{
    for (const auto& [t, v] : cTST_BlackWhiteModeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_BlendMode>, 5> cTST_BlendModeValues{{
    {"over", stbmOver},
    {"mult", stbmMult},
    {"screen", stbmScreen},
    {"darken", stbmDarken},
    {"lighten", stbmLighten},
}};
}  // namespace

std::optional<TST_BlendMode> StrToTST_BlendMode(std::string_view text)
{
    for (const auto& [t, v] : cTST_BlendModeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_BlendModeToStr(TST_BlendMode value)
{
    for (const auto& [t, v] : cTST_BlendModeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_BlipCompression>, 5> cTST_BlipCompressionValues{{
    {"email", stbcEmail},
    {"screen", stbcScreen},
    {"print", stbcPrint},
    {"hqprint", stbcHqprint},
    {"none", stbcNone},
}};
}  // namespace

std::optional<TST_BlipCompression> StrToTST_BlipCompression(std::string_view text)
{
    for (const auto& [t, v] : cTST_BlipCompressionValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_BlipCompressionToStr(TST_BlipCompression value)
{
    for (const auto& [t, v] : cTST_BlipCompressionValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_Border>, 192> cTST_BorderValues{{
    {"nil", stbNil},
    {"none", stbNone},
    {"single", stbSingle},
    {"thick", stbThick},
    {"double", stbDouble},
    {"dotted", stbDotted},
    {"dashed", stbDashed},
    {"dotDash", stbDotDash},
    {"dotDotDash", stbDotDotDash},
    {"triple", stbTriple},
    {"thinThickSmallGap", stbThinThickSmallGap},
    {"thickThinSmallGap", stbThickThinSmallGap},
    {"thinThickThinSmallGap", stbThinThickThinSmallGap},
    {"thinThickMediumGap", stbThinThickMediumGap},
    {"thickThinMediumGap", stbThickThinMediumGap},
    {"thinThickThinMediumGap", stbThinThickThinMediumGap},
    {"thinThickLargeGap", stbThinThickLargeGap},
    {"thickThinLargeGap", stbThickThinLargeGap},
    {"thinThickThinLargeGap", stbThinThickThinLargeGap},
    {"wave", stbWave},
    {"doubleWave", stbDoubleWave},
    {"dashSmallGap", stbDashSmallGap},
    {"dashDotStroked", stbDashDotStroked},
    {"threeDEmboss", stbThreeDEmboss},
    {"threeDEngrave", stbThreeDEngrave},
    {"outset", stbOutset},
    {"inset", stbInset},
    {"apples", stbApples},
    {"archedScallops", stbArchedScallops},
    {"babyPacifier", stbBabyPacifier},
    {"babyRattle", stbBabyRattle},
    {"balloons3Colors", stbBalloons3Colors},
    {"balloonsHotAir", stbBalloonsHotAir},
    {"basicBlackDashes", stbBasicBlackDashes},
    {"basicBlackDots", stbBasicBlackDots},
    {"basicBlackSquares", stbBasicBlackSquares},
    {"basicThinLines", stbBasicThinLines},
    {"basicWhiteDashes", stbBasicWhiteDashes},
    {"basicWhiteDots", stbBasicWhiteDots},
    {"basicWhiteSquares", stbBasicWhiteSquares},
    {"basicWideInline", stbBasicWideInline},
    {"basicWideMidline", stbBasicWideMidline},
    {"basicWideOutline", stbBasicWideOutline},
    {"bats", stbBats},
    {"birds", stbBirds},
    {"birdsFlight", stbBirdsFlight},
    {"cabins", stbCabins},
    {"cakeSlice", stbCakeSlice},
    {"candyCorn", stbCandyCorn},
    {"celticKnotwork", stbCelticKnotwork},
    {"certificateBanner", stbCertificateBanner},
    {"chainLink", stbChainLink},
    {"champagneBottle", stbChampagneBottle},
    {"checkedBarBlack", stbCheckedBarBlack},
    {"checkedBarColor", stbCheckedBarColor},
    {"checkered", stbCheckered},
    {"christmasTree", stbChristmasTree},
    {"circlesLines", stbCirclesLines},
    {"circlesRectangles", stbCirclesRectangles},
    {"classicalWave", stbClassicalWave},
    {"clocks", stbClocks},
    {"compass", stbCompass},
    {"confetti", stbConfetti},
    {"confettiGrays", stbConfettiGrays},
    {"confettiOutline", stbConfettiOutline},
    {"confettiStreamers", stbConfettiStreamers},
    {"confettiWhite", stbConfettiWhite},
    {"cornerTriangles", stbCornerTriangles},
    {"couponCutoutDashes", stbCouponCutoutDashes},
    {"couponCutoutDots", stbCouponCutoutDots},
    {"crazyMaze", stbCrazyMaze},
    {"creaturesButterfly", stbCreaturesButterfly},
    {"creaturesFish", stbCreaturesFish},
    {"creaturesInsects", stbCreaturesInsects},
    {"creaturesLadyBug", stbCreaturesLadyBug},
    {"crossStitch", stbCrossStitch},
    {"cup", stbCup},
    {"decoArch", stbDecoArch},
    {"decoArchColor", stbDecoArchColor},
    {"decoBlocks", stbDecoBlocks},
    {"diamondsGray", stbDiamondsGray},
    {"doubleD", stbDoubleD},
    {"doubleDiamonds", stbDoubleDiamonds},
    {"earth1", stbEarth1},
    {"earth2", stbEarth2},
    {"earth3", stbEarth3},
    {"eclipsingSquares1", stbEclipsingSquares1},
    {"eclipsingSquares2", stbEclipsingSquares2},
    {"eggsBlack", stbEggsBlack},
    {"fans", stbFans},
    {"film", stbFilm},
    {"firecrackers", stbFirecrackers},
    {"flowersBlockPrint", stbFlowersBlockPrint},
    {"flowersDaisies", stbFlowersDaisies},
    {"flowersModern1", stbFlowersModern1},
    {"flowersModern2", stbFlowersModern2},
    {"flowersPansy", stbFlowersPansy},
    {"flowersRedRose", stbFlowersRedRose},
    {"flowersRoses", stbFlowersRoses},
    {"flowersTeacup", stbFlowersTeacup},
    {"flowersTiny", stbFlowersTiny},
    {"gems", stbGems},
    {"gingerbreadMan", stbGingerbreadMan},
    {"gradient", stbGradient},
    {"handmade1", stbHandmade1},
    {"handmade2", stbHandmade2},
    {"heartBalloon", stbHeartBalloon},
    {"heartGray", stbHeartGray},
    {"hearts", stbHearts},
    {"heebieJeebies", stbHeebieJeebies},
    {"holly", stbHolly},
    {"houseFunky", stbHouseFunky},
    {"hypnotic", stbHypnotic},
    {"iceCreamCones", stbIceCreamCones},
    {"lightBulb", stbLightBulb},
    {"lightning1", stbLightning1},
    {"lightning2", stbLightning2},
    {"mapPins", stbMapPins},
    {"mapleLeaf", stbMapleLeaf},
    {"mapleMuffins", stbMapleMuffins},
    {"marquee", stbMarquee},
    {"marqueeToothed", stbMarqueeToothed},
    {"moons", stbMoons},
    {"mosaic", stbMosaic},
    {"musicNotes", stbMusicNotes},
    {"northwest", stbNorthwest},
    {"ovals", stbOvals},
    {"packages", stbPackages},
    {"palmsBlack", stbPalmsBlack},
    {"palmsColor", stbPalmsColor},
    {"paperClips", stbPaperClips},
    {"papyrus", stbPapyrus},
    {"partyFavor", stbPartyFavor},
    {"partyGlass", stbPartyGlass},
    {"pencils", stbPencils},
    {"people", stbPeople},
    {"peopleWaving", stbPeopleWaving},
    {"peopleHats", stbPeopleHats},
    {"poinsettias", stbPoinsettias},
    {"postageStamp", stbPostageStamp},
    {"pumpkin1", stbPumpkin1},
    {"pushPinNote2", stbPushPinNote2},
    {"pushPinNote1", stbPushPinNote1},
    {"pyramids", stbPyramids},
    {"pyramidsAbove", stbPyramidsAbove},
    {"quadrants", stbQuadrants},
    {"rings", stbRings},
    {"safari", stbSafari},
    {"sawtooth", stbSawtooth},
    {"sawtoothGray", stbSawtoothGray},
    {"scaredCat", stbScaredCat},
    {"seattle", stbSeattle},
    {"shadowedSquares", stbShadowedSquares},
    {"sharksTeeth", stbSharksTeeth},
    {"shorebirdTracks", stbShorebirdTracks},
    {"skyrocket", stbSkyrocket},
    {"snowflakeFancy", stbSnowflakeFancy},
    {"snowflakes", stbSnowflakes},
    {"sombrero", stbSombrero},
    {"southwest", stbSouthwest},
    {"stars", stbStars},
    {"starsTop", stbStarsTop},
    {"stars3d", stbStars3d},
    {"starsBlack", stbStarsBlack},
    {"starsShadowed", stbStarsShadowed},
    {"sun", stbSun},
    {"swirligig", stbSwirligig},
    {"tornPaper", stbTornPaper},
    {"tornPaperBlack", stbTornPaperBlack},
    {"trees", stbTrees},
    {"triangleParty", stbTriangleParty},
    {"triangles", stbTriangles},
    {"triangle1", stbTriangle1},
    {"triangle2", stbTriangle2},
    {"triangleCircle1", stbTriangleCircle1},
    {"triangleCircle2", stbTriangleCircle2},
    {"shapes1", stbShapes1},
    {"shapes2", stbShapes2},
    {"twistedLines1", stbTwistedLines1},
    {"twistedLines2", stbTwistedLines2},
    {"vine", stbVine},
    {"waveline", stbWaveline},
    {"weavingAngles", stbWeavingAngles},
    {"weavingBraid", stbWeavingBraid},
    {"weavingRibbon", stbWeavingRibbon},
    {"weavingStrips", stbWeavingStrips},
    {"whiteFlowers", stbWhiteFlowers},
    {"woodwork", stbWoodwork},
    {"xIllusions", stbXIllusions},
    {"zanyTriangles", stbZanyTriangles},
    {"zigZag", stbZigZag},
    {"zigZagStitch", stbZigZagStitch},
}};
}  // namespace

std::optional<TST_Border> StrToTST_Border(std::string_view text)
{
    for (const auto& [t, v] : cTST_BorderValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_BorderToStr(TST_Border value)
{
    for (const auto& [t, v] : cTST_BorderValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_BorderShadow>, 4> cTST_BorderShadowValues{{
    {"t", stbsT},
    {"true", stbsTrue},
    {"f", stbsF},
    {"false", stbsFalse},
}};
}  // namespace

std::optional<TST_BorderShadow> StrToTST_BorderShadow(std::string_view text)
{
    for (const auto& [t, v] : cTST_BorderShadowValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_BorderShadowToStr(TST_BorderShadow value)
{
    for (const auto& [t, v] : cTST_BorderShadowValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_BorderType>, 27> cTST_BorderTypeValues{{
    {"none", stbtNone},
    {"single", stbtSingle},
    {"thick", stbtThick},
    {"double", stbtDouble},
    {"hairline", stbtHairline},
    {"dot", stbtDot},
    {"dash", stbtDash},
    {"dotDash", stbtDotDash},
    {"dashDotDot", stbtDashDotDot},
    {"triple", stbtTriple},
    {"thinThickSmall", stbtThinThickSmall},
    {"thickThinSmall", stbtThickThinSmall},
    {"thickBetweenThinSmall", stbtThickBetweenThinSmall},
    {"thinThick", stbtThinThick},
    {"thickThin", stbtThickThin},
    {"thickBetweenThin", stbtThickBetweenThin},
    {"thinThickLarge", stbtThinThickLarge},
    {"thickThinLarge", stbtThickThinLarge},
    {"thickBetweenThinLarge", stbtThickBetweenThinLarge},
    {"wave", stbtWave},
    {"doubleWave", stbtDoubleWave},
    {"dashedSmall", stbtDashedSmall},
    {"dashDotStroked", stbtDashDotStroked},
    {"threeDEmboss", stbtThreeDEmboss},
    {"threeDEngrave", stbtThreeDEngrave},
    {"HTMLOutset", stbtHTMLOutset},
    {"HTMLInset", stbtHTMLInset},
}};
}  // namespace

std::optional<TST_BorderType> StrToTST_BorderType(std::string_view text)
{
    for (const auto& [t, v] : cTST_BorderTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_BorderTypeToStr(TST_BorderType value)
{
    for (const auto& [t, v] : cTST_BorderTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_BrClear>, 4> cTST_BrClearValues{{
    {"none", stbrclNone},
    {"left", stbrclLeft},
    {"right", stbrclRight},
    {"all", stbrclAll},
}};
}  // namespace

std::optional<TST_BrClear> StrToTST_BrClear(std::string_view text)
{
    for (const auto& [t, v] : cTST_BrClearValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_BrClearToStr(TST_BrClear value)
{
    for (const auto& [t, v] : cTST_BrClearValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_BrType>, 3> cTST_BrTypeValues{{
    {"page", stbrtyPage},
    {"column", stbrtyColumn},
    {"textWrapping", stbrtyTextWrapping},
}};
}  // namespace

std::optional<TST_BrType> StrToTST_BrType(std::string_view text)
{
    for (const auto& [t, v] : cTST_BrTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_BrTypeToStr(TST_BrType value)
{
    for (const auto& [t, v] : cTST_BrTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_CalendarType>, 14> cTST_CalendarTypeValues{{
    {"gregorian", stcatyGregorian},
    {"gregorianUs", stcatyGregorianUs},
    {"gregorianMeFrench", stcatyGregorianMeFrench},
    {"gregorianArabic", stcatyGregorianArabic},
    {"hijri", stcatyHijri},
    {"hebrew", stcatyHebrew},
    {"taiwan", stcatyTaiwan},
    {"japan", stcatyJapan},
    {"thai", stcatyThai},
    {"korea", stcatyKorea},
    {"saka", stcatySaka},
    {"gregorianXlitEnglish", stcatyGregorianXlitEnglish},
    {"gregorianXlitFrench", stcatyGregorianXlitFrench},
    {"none", stcatyNone},
}};
}  // namespace

std::optional<TST_CalendarType> StrToTST_CalendarType(std::string_view text)
{
    for (const auto& [t, v] : cTST_CalendarTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_CalendarTypeToStr(TST_CalendarType value)
{
    for (const auto& [t, v] : cTST_CalendarTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_CaptionPos>, 4> cTST_CaptionPosValues{{
    {"above", stcapoAbove},
    {"below", stcapoBelow},
    {"left", stcapoLeft},
    {"right", stcapoRight},
}};
}  // namespace

std::optional<TST_CaptionPos> StrToTST_CaptionPos(std::string_view text)
{
    for (const auto& [t, v] : cTST_CaptionPosValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_CaptionPosToStr(TST_CaptionPos value)
{
    for (const auto& [t, v] : cTST_CaptionPosValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_ChapterSep>, 5> cTST_ChapterSepValues{{
    {"hyphen", stchseHyphen},
    {"period", stchsePeriod},
    {"colon", stchseColon},
    {"emDash", stchseEmDash},
    {"enDash", stchseEnDash},
}};
}  // namespace

std::optional<TST_ChapterSep> StrToTST_ChapterSep(std::string_view text)
{
    for (const auto& [t, v] : cTST_ChapterSepValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ChapterSepToStr(TST_ChapterSep value)
{
    for (const auto& [t, v] : cTST_ChapterSepValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_CharacterSpacing>, 3> cTST_CharacterSpacingValues{{
    {"doNotCompress", stcsDoNotCompress},
    {"compressPunctuation", stcsCompressPunctuation},
    {"compressPunctuationAndJapaneseKana", stcsCompressPunctuationAndJapaneseKana},
}};
}  // namespace

std::optional<TST_CharacterSpacing> StrToTST_CharacterSpacing(std::string_view text)
{
    for (const auto& [t, v] : cTST_CharacterSpacingValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_CharacterSpacingToStr(TST_CharacterSpacing value)
{
    for (const auto& [t, v] : cTST_CharacterSpacingValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_ColorMode>, 2> cTST_ColorModeValues{{
    {"auto", stcmAuto},
    {"custom", stcmCustom},
}};
}  // namespace

std::optional<TST_ColorMode> StrToTST_ColorMode(std::string_view text)
{
    for (const auto& [t, v] : cTST_ColorModeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ColorModeToStr(TST_ColorMode value)
{
    for (const auto& [t, v] : cTST_ColorModeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_CombineBrackets>, 5> cTST_CombineBracketsValues{{
    {"none", stcbNone},
    {"round", stcbRound},
    {"square", stcbSquare},
    {"angle", stcbAngle},
    {"curly", stcbCurly},
}};
}  // namespace

std::optional<TST_CombineBrackets> StrToTST_CombineBrackets(std::string_view text)
{
    for (const auto& [t, v] : cTST_CombineBracketsValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_CombineBracketsToStr(TST_CombineBrackets value)
{
    for (const auto& [t, v] : cTST_CombineBracketsValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_CompoundLine>, 5> cTST_CompoundLineValues{{
    {"sng", stclSng},
    {"dbl", stclDbl},
    {"thickThin", stclThickThin},
    {"thinThick", stclThinThick},
    {"tri", stclTri},
}};
}  // namespace

std::optional<TST_CompoundLine> StrToTST_CompoundLine(std::string_view text)
{
    for (const auto& [t, v] : cTST_CompoundLineValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_CompoundLineToStr(TST_CompoundLine value)
{
    for (const auto& [t, v] : cTST_CompoundLineValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_ConformanceClass>, 2> cTST_ConformanceClassValues{{
    {"strict", stccStrict},
    {"transitional", stccTransitional},
}};
}  // namespace

std::optional<TST_ConformanceClass> StrToTST_ConformanceClass(std::string_view text)
{
    for (const auto& [t, v] : cTST_ConformanceClassValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ConformanceClassToStr(TST_ConformanceClass value)
{
    for (const auto& [t, v] : cTST_ConformanceClassValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_ConnectType>, 4> cTST_ConnectTypeValues{{
    {"none", stcotyNone},
    {"rect", stcotyRect},
    {"segments", stcotySegments},
    {"custom", stcotyCustom},
}};
}  // namespace

std::optional<TST_ConnectType> StrToTST_ConnectType(std::string_view text)
{
    for (const auto& [t, v] : cTST_ConnectTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ConnectTypeToStr(TST_ConnectType value)
{
    for (const auto& [t, v] : cTST_ConnectTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_ConnectorType>, 4> cTST_ConnectorTypeValues{{
    {"none", stctNone},
    {"straight", stctStraight},
    {"elbow", stctElbow},
    {"curved", stctCurved},
}};
}  // namespace

std::optional<TST_ConnectorType> StrToTST_ConnectorType(std::string_view text)
{
    for (const auto& [t, v] : cTST_ConnectorTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ConnectorTypeToStr(TST_ConnectorType value)
{
    for (const auto& [t, v] : cTST_ConnectorTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_CryptProv>, 3> cTST_CryptProvValues{{
    {"rsaAES", stcpRsaAES},
    {"rsaFull", stcpRsaFull},
    {"custom", stcpCustom},
}};
}  // namespace

std::optional<TST_CryptProv> StrToTST_CryptProv(std::string_view text)
{
    for (const auto& [t, v] : cTST_CryptProvValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_CryptProvToStr(TST_CryptProv value)
{
    for (const auto& [t, v] : cTST_CryptProvValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_DiagramLayout>, 4> cTST_DiagramLayoutValues{{
    {"0", stdl0},
    {"1", stdl1},
    {"2", stdl2},
    {"3", stdl3},
}};
}  // namespace

std::optional<TST_DiagramLayout> StrToTST_DiagramLayout(std::string_view text)
{
    for (const auto& [t, v] : cTST_DiagramLayoutValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_DiagramLayoutToStr(TST_DiagramLayout value)
{
    for (const auto& [t, v] : cTST_DiagramLayoutValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_Direction>, 2> cTST_DirectionValues{{
    {"ltr", stdLtr},
    {"rtl", stdRtl},
}};
}  // namespace

std::optional<TST_Direction> StrToTST_Direction(std::string_view text)
{
    for (const auto& [t, v] : cTST_DirectionValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_DirectionToStr(TST_Direction value)
{
    for (const auto& [t, v] : cTST_DirectionValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_DisplacedByCustomXml>, 2> cTST_DisplacedByCustomXmlValues{{
    {"next", stdbcxNext},
    {"prev", stdbcxPrev},
}};
}  // namespace

std::optional<TST_DisplacedByCustomXml> StrToTST_DisplacedByCustomXml(std::string_view text)
{
    for (const auto& [t, v] : cTST_DisplacedByCustomXmlValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_DisplacedByCustomXmlToStr(TST_DisplacedByCustomXml value)
{
    for (const auto& [t, v] : cTST_DisplacedByCustomXmlValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_DocGrid>, 4> cTST_DocGridValues{{
    {"default", stdgDefault},
    {"lines", stdgLines},
    {"linesAndChars", stdgLinesAndChars},
    {"snapToChars", stdgSnapToChars},
}};
}  // namespace

std::optional<TST_DocGrid> StrToTST_DocGrid(std::string_view text)
{
    for (const auto& [t, v] : cTST_DocGridValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_DocGridToStr(TST_DocGrid value)
{
    for (const auto& [t, v] : cTST_DocGridValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_DocProtect>, 5> cTST_DocProtectValues{{
    {"none", stdpNone},
    {"readOnly", stdpReadOnly},
    {"comments", stdpComments},
    {"trackedChanges", stdpTrackedChanges},
    {"forms", stdpForms},
}};
}  // namespace

std::optional<TST_DocProtect> StrToTST_DocProtect(std::string_view text)
{
    for (const auto& [t, v] : cTST_DocProtectValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_DocProtectToStr(TST_DocProtect value)
{
    for (const auto& [t, v] : cTST_DocProtectValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_DropCap>, 3> cTST_DropCapValues{{
    {"none", stdcNone},
    {"drop", stdcDrop},
    {"margin", stdcMargin},
}};
}  // namespace

std::optional<TST_DropCap> StrToTST_DropCap(std::string_view text)
{
    for (const auto& [t, v] : cTST_DropCapValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_DropCapToStr(TST_DropCap value)
{
    for (const auto& [t, v] : cTST_DropCapValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_EdGrp>, 7> cTST_EdGrpValues{{
    {"none", stegNone},
    {"everyone", stegEveryone},
    {"administrators", stegAdministrators},
    {"contributors", stegContributors},
    {"editors", stegEditors},
    {"owners", stegOwners},
    {"current", stegCurrent},
}};
}  // namespace

std::optional<TST_EdGrp> StrToTST_EdGrp(std::string_view text)
{
    for (const auto& [t, v] : cTST_EdGrpValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_EdGrpToStr(TST_EdGrp value)
{
    for (const auto& [t, v] : cTST_EdGrpValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_EditAs>, 7> cTST_EditAsValues{{
    {"canvas", steaCanvas},
    {"orgchart", steaOrgchart},
    {"radial", steaRadial},
    {"cycle", steaCycle},
    {"stacked", steaStacked},
    {"venn", steaVenn},
    {"bullseye", steaBullseye},
}};
}  // namespace

std::optional<TST_EditAs> StrToTST_EditAs(std::string_view text)
{
    for (const auto& [t, v] : cTST_EditAsValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_EditAsToStr(TST_EditAs value)
{
    for (const auto& [t, v] : cTST_EditAsValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_EdnPos>, 2> cTST_EdnPosValues{{
    {"sectEnd", stedpoSectEnd},
    {"docEnd", stedpoDocEnd},
}};
}  // namespace

std::optional<TST_EdnPos> StrToTST_EdnPos(std::string_view text)
{
    for (const auto& [t, v] : cTST_EdnPosValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_EdnPosToStr(TST_EdnPos value)
{
    for (const auto& [t, v] : cTST_EdnPosValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_EffectContainerType>, 2> cTST_EffectContainerTypeValues{{
    {"sib", stectSib},
    {"tree", stectTree},
}};
}  // namespace

std::optional<TST_EffectContainerType> StrToTST_EffectContainerType(std::string_view text)
{
    for (const auto& [t, v] : cTST_EffectContainerTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_EffectContainerTypeToStr(TST_EffectContainerType value)
{
    for (const auto& [t, v] : cTST_EffectContainerTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_Em>, 5> cTST_EmValues{{
    {"none", stemNone},
    {"dot", stemDot},
    {"comma", stemComma},
    {"circle", stemCircle},
    {"underDot", stemUnderDot},
}};
}  // namespace

std::optional<TST_Em> StrToTST_Em(std::string_view text)
{
    for (const auto& [t, v] : cTST_EmValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_EmToStr(TST_Em value)
{
    for (const auto& [t, v] : cTST_EmValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_Ext>, 3> cTST_ExtValues{{
    {"view", steView},
    {"edit", steEdit},
    {"backwardCompatible", steBackwardCompatible},
}};
}  // namespace

std::optional<TST_Ext> StrToTST_Ext(std::string_view text)
{
    for (const auto& [t, v] : cTST_ExtValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ExtToStr(TST_Ext value)
{
    for (const auto& [t, v] : cTST_ExtValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_ExtrusionPlane>, 3> cTST_ExtrusionPlaneValues{{
    {"XY", stepXY},
    {"ZX", stepZX},
    {"YZ", stepYZ},
}};
}  // namespace

std::optional<TST_ExtrusionPlane> StrToTST_ExtrusionPlane(std::string_view text)
{
    for (const auto& [t, v] : cTST_ExtrusionPlaneValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ExtrusionPlaneToStr(TST_ExtrusionPlane value)
{
    for (const auto& [t, v] : cTST_ExtrusionPlaneValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_ExtrusionRender>, 3> cTST_ExtrusionRenderValues{{
    {"solid", sterSolid},
    {"wireFrame", sterWireFrame},
    {"boundingCube", sterBoundingCube},
}};
}  // namespace

std::optional<TST_ExtrusionRender> StrToTST_ExtrusionRender(std::string_view text)
{
    for (const auto& [t, v] : cTST_ExtrusionRenderValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ExtrusionRenderToStr(TST_ExtrusionRender value)
{
    for (const auto& [t, v] : cTST_ExtrusionRenderValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_ExtrusionType>, 2> cTST_ExtrusionTypeValues{{
    {"perspective", stetPerspective},
    {"parallel", stetParallel},
}};
}  // namespace

std::optional<TST_ExtrusionType> StrToTST_ExtrusionType(std::string_view text)
{
    for (const auto& [t, v] : cTST_ExtrusionTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ExtrusionTypeToStr(TST_ExtrusionType value)
{
    for (const auto& [t, v] : cTST_ExtrusionTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_FFTextType>, 6> cTST_FFTextTypeValues{{
    {"regular", stffttRegular},
    {"number", stffttNumber},
    {"date", stffttDate},
    {"currentTime", stffttCurrentTime},
    {"currentDate", stffttCurrentDate},
    {"calculated", stffttCalculated},
}};
}  // namespace

std::optional<TST_FFTextType> StrToTST_FFTextType(std::string_view text)
{
    for (const auto& [t, v] : cTST_FFTextTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_FFTextTypeToStr(TST_FFTextType value)
{
    for (const auto& [t, v] : cTST_FFTextTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_FillMethod>, 5> cTST_FillMethodValues{{
    {"none", stfmNone},
    {"linear", stfmLinear},
    {"sigma", stfmSigma},
    {"any", stfmAny},
    {"linear sigma", stfmLinear_sigma},
}};
}  // namespace

std::optional<TST_FillMethod> StrToTST_FillMethod(std::string_view text)
{
    for (const auto& [t, v] : cTST_FillMethodValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_FillMethodToStr(TST_FillMethod value)
{
    for (const auto& [t, v] : cTST_FillMethodValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_FillType>, 6> cTST_FillTypeValues{{
    {"solid", stftSolid},
    {"gradient", stftGradient},
    {"gradientRadial", stftGradientRadial},
    {"tile", stftTile},
    {"pattern", stftPattern},
    {"frame", stftFrame},
}};
}  // namespace

std::optional<TST_FillType> StrToTST_FillType(std::string_view text)
{
    for (const auto& [t, v] : cTST_FillTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_FillTypeToStr(TST_FillType value)
{
    for (const auto& [t, v] : cTST_FillTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_FillType_o>, 9> cTST_FillType_oValues{{
    {"gradientCenter", stfityGradientCenter},
    {"solid", stfitySolid},
    {"pattern", stfityPattern},
    {"tile", stfityTile},
    {"frame", stfityFrame},
    {"gradientUnscaled", stfityGradientUnscaled},
    {"gradientRadial", stfityGradientRadial},
    {"gradient", stfityGradient},
    {"background", stfityBackground},
}};
}  // namespace

std::optional<TST_FillType_o> StrToTST_FillType_o(std::string_view text)
{
    for (const auto& [t, v] : cTST_FillType_oValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_FillType_oToStr(TST_FillType_o value)
{
    for (const auto& [t, v] : cTST_FillType_oValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_FldCharType>, 3> cTST_FldCharTypeValues{{
    {"begin", stfctBegin},
    {"separate", stfctSeparate},
    {"end", stfctEnd},
}};
}  // namespace

std::optional<TST_FldCharType> StrToTST_FldCharType(std::string_view text)
{
    for (const auto& [t, v] : cTST_FldCharTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_FldCharTypeToStr(TST_FldCharType value)
{
    for (const auto& [t, v] : cTST_FldCharTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_FontFamily>, 6> cTST_FontFamilyValues{{
    {"decorative", stffDecorative},
    {"modern", stffModern},
    {"roman", stffRoman},
    {"script", stffScript},
    {"swiss", stffSwiss},
    {"auto", stffAuto},
}};
}  // namespace

std::optional<TST_FontFamily> StrToTST_FontFamily(std::string_view text)
{
    for (const auto& [t, v] : cTST_FontFamilyValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_FontFamilyToStr(TST_FontFamily value)
{
    for (const auto& [t, v] : cTST_FontFamilyValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_FrameLayout>, 3> cTST_FrameLayoutValues{{
    {"rows", stflRows},
    {"cols", stflCols},
    {"none", stflNone},
}};
}  // namespace

std::optional<TST_FrameLayout> StrToTST_FrameLayout(std::string_view text)
{
    for (const auto& [t, v] : cTST_FrameLayoutValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_FrameLayoutToStr(TST_FrameLayout value)
{
    for (const auto& [t, v] : cTST_FrameLayoutValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_FrameScrollbar>, 3> cTST_FrameScrollbarValues{{
    {"on", stfsOn},
    {"off", stfsOff},
    {"auto", stfsAuto},
}};
}  // namespace

std::optional<TST_FrameScrollbar> StrToTST_FrameScrollbar(std::string_view text)
{
    for (const auto& [t, v] : cTST_FrameScrollbarValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_FrameScrollbarToStr(TST_FrameScrollbar value)
{
    for (const auto& [t, v] : cTST_FrameScrollbarValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_FtnEdn>, 4> cTST_FtnEdnValues{{
    {"normal", stfeNormal},
    {"separator", stfeSeparator},
    {"continuationSeparator", stfeContinuationSeparator},
    {"continuationNotice", stfeContinuationNotice},
}};
}  // namespace

std::optional<TST_FtnEdn> StrToTST_FtnEdn(std::string_view text)
{
    for (const auto& [t, v] : cTST_FtnEdnValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_FtnEdnToStr(TST_FtnEdn value)
{
    for (const auto& [t, v] : cTST_FtnEdnValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_FtnPos>, 4> cTST_FtnPosValues{{
    {"pageBottom", stfpPageBottom},
    {"beneathText", stfpBeneathText},
    {"sectEnd", stfpSectEnd},
    {"docEnd", stfpDocEnd},
}};
}  // namespace

std::optional<TST_FtnPos> StrToTST_FtnPos(std::string_view text)
{
    for (const auto& [t, v] : cTST_FtnPosValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_FtnPosToStr(TST_FtnPos value)
{
    for (const auto& [t, v] : cTST_FtnPosValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_HAnchor>, 3> cTST_HAnchorValues{{
    {"text", sthanText},
    {"margin", sthanMargin},
    {"page", sthanPage},
}};
}  // namespace

std::optional<TST_HAnchor> StrToTST_HAnchor(std::string_view text)
{
    for (const auto& [t, v] : cTST_HAnchorValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_HAnchorToStr(TST_HAnchor value)
{
    for (const auto& [t, v] : cTST_HAnchorValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_HdrFtr>, 3> cTST_HdrFtrValues{{
    {"even", sthfEven},
    {"default", sthfDefault},
    {"first", sthfFirst},
}};
}  // namespace

std::optional<TST_HdrFtr> StrToTST_HdrFtr(std::string_view text)
{
    for (const auto& [t, v] : cTST_HdrFtrValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_HdrFtrToStr(TST_HdrFtr value)
{
    for (const auto& [t, v] : cTST_HdrFtrValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_HeightRule>, 3> cTST_HeightRuleValues{{
    {"auto", sthrAuto},
    {"exact", sthrExact},
    {"atLeast", sthrAtLeast},
}};
}  // namespace

std::optional<TST_HeightRule> StrToTST_HeightRule(std::string_view text)
{
    for (const auto& [t, v] : cTST_HeightRuleValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_HeightRuleToStr(TST_HeightRule value)
{
    for (const auto& [t, v] : cTST_HeightRuleValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_HighlightColor>, 17> cTST_HighlightColorValues{{
    {"black", sthcBlack},
    {"blue", sthcBlue},
    {"cyan", sthcCyan},
    {"green", sthcGreen},
    {"magenta", sthcMagenta},
    {"red", sthcRed},
    {"yellow", sthcYellow},
    {"white", sthcWhite},
    {"darkBlue", sthcDarkBlue},
    {"darkCyan", sthcDarkCyan},
    {"darkGreen", sthcDarkGreen},
    {"darkMagenta", sthcDarkMagenta},
    {"darkRed", sthcDarkRed},
    {"darkYellow", sthcDarkYellow},
    {"darkGray", sthcDarkGray},
    {"lightGray", sthcLightGray},
    {"none", sthcNone},
}};
}  // namespace

std::optional<TST_HighlightColor> StrToTST_HighlightColor(std::string_view text)
{
    for (const auto& [t, v] : cTST_HighlightColorValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_HighlightColorToStr(TST_HighlightColor value)
{
    for (const auto& [t, v] : cTST_HighlightColorValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_Hint>, 2> cTST_HintValues{{
    {"default", sthDefault},
    {"eastAsia", sthEastAsia},
}};
}  // namespace

std::optional<TST_Hint> StrToTST_Hint(std::string_view text)
{
    for (const auto& [t, v] : cTST_HintValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_HintToStr(TST_Hint value)
{
    for (const auto& [t, v] : cTST_HintValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_HorizontalAnchor>, 4> cTST_HorizontalAnchorValues{{
    {"margin", sthoanMargin},
    {"page", sthoanPage},
    {"text", sthoanText},
    {"char", sthoanChar},
}};
}  // namespace

std::optional<TST_HorizontalAnchor> StrToTST_HorizontalAnchor(std::string_view text)
{
    for (const auto& [t, v] : cTST_HorizontalAnchorValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_HorizontalAnchorToStr(TST_HorizontalAnchor value)
{
    for (const auto& [t, v] : cTST_HorizontalAnchorValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_HrAlign>, 3> cTST_HrAlignValues{{
    {"left", sthaLeft},
    {"right", sthaRight},
    {"center", sthaCenter},
}};
}  // namespace

std::optional<TST_HrAlign> StrToTST_HrAlign(std::string_view text)
{
    for (const auto& [t, v] : cTST_HrAlignValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_HrAlignToStr(TST_HrAlign value)
{
    for (const auto& [t, v] : cTST_HrAlignValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_ImageAspect>, 3> cTST_ImageAspectValues{{
    {"ignore", stiaIgnore},
    {"atMost", stiaAtMost},
    {"atLeast", stiaAtLeast},
}};
}  // namespace

std::optional<TST_ImageAspect> StrToTST_ImageAspect(std::string_view text)
{
    for (const auto& [t, v] : cTST_ImageAspectValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ImageAspectToStr(TST_ImageAspect value)
{
    for (const auto& [t, v] : cTST_ImageAspectValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_InfoTextType>, 2> cTST_InfoTextTypeValues{{
    {"text", stittText},
    {"autoText", stittAutoText},
}};
}  // namespace

std::optional<TST_InfoTextType> StrToTST_InfoTextType(std::string_view text)
{
    for (const auto& [t, v] : cTST_InfoTextTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_InfoTextTypeToStr(TST_InfoTextType value)
{
    for (const auto& [t, v] : cTST_InfoTextTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_InsetMode>, 2> cTST_InsetModeValues{{
    {"auto", stimAuto},
    {"custom", stimCustom},
}};
}  // namespace

std::optional<TST_InsetMode> StrToTST_InsetMode(std::string_view text)
{
    for (const auto& [t, v] : cTST_InsetModeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_InsetModeToStr(TST_InsetMode value)
{
    for (const auto& [t, v] : cTST_InsetModeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_Jc>, 12> cTST_JcValues{{
    {"start", stjStart},
    {"center", stjCenter},
    {"end", stjEnd},
    {"both", stjBoth},
    {"mediumKashida", stjMediumKashida},
    {"distribute", stjDistribute},
    {"numTab", stjNumTab},
    {"highKashida", stjHighKashida},
    {"lowKashida", stjLowKashida},
    {"thaiDistribute", stjThaiDistribute},
    {"left", stjLeft},
    {"right", stjRight},
}};
}  // namespace

std::optional<TST_Jc> StrToTST_Jc(std::string_view text)
{
    for (const auto& [t, v] : cTST_JcValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_JcToStr(TST_Jc value)
{
    for (const auto& [t, v] : cTST_JcValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_JcTable>, 5> cTST_JcTableValues{{
    {"center", stjtCenter},
    {"end", stjtEnd},
    {"left", stjtLeft},
    {"right", stjtRight},
    {"start", stjtStart},
}};
}  // namespace

std::optional<TST_JcTable> StrToTST_JcTable(std::string_view text)
{
    for (const auto& [t, v] : cTST_JcTableValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_JcTableToStr(TST_JcTable value)
{
    for (const auto& [t, v] : cTST_JcTableValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_LevelSuffix>, 3> cTST_LevelSuffixValues{{
    {"tab", stlsTab},
    {"space", stlsSpace},
    {"nothing", stlsNothing},
}};
}  // namespace

std::optional<TST_LevelSuffix> StrToTST_LevelSuffix(std::string_view text)
{
    for (const auto& [t, v] : cTST_LevelSuffixValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_LevelSuffixToStr(TST_LevelSuffix value)
{
    for (const auto& [t, v] : cTST_LevelSuffixValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_LightRigDirection>, 8> cTST_LightRigDirectionValues{{
    {"tl", stlrdTl},
    {"t", stlrdT},
    {"tr", stlrdTr},
    {"l", stlrdL},
    {"r", stlrdR},
    {"bl", stlrdBl},
    {"b", stlrdB},
    {"br", stlrdBr},
}};
}  // namespace

std::optional<TST_LightRigDirection> StrToTST_LightRigDirection(std::string_view text)
{
    for (const auto& [t, v] : cTST_LightRigDirectionValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_LightRigDirectionToStr(TST_LightRigDirection value)
{
    for (const auto& [t, v] : cTST_LightRigDirectionValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_LightRigType>, 27> cTST_LightRigTypeValues{{
    {"legacyFlat1", stlrtLegacyFlat1},
    {"legacyFlat2", stlrtLegacyFlat2},
    {"legacyFlat3", stlrtLegacyFlat3},
    {"legacyFlat4", stlrtLegacyFlat4},
    {"legacyNormal1", stlrtLegacyNormal1},
    {"legacyNormal2", stlrtLegacyNormal2},
    {"legacyNormal3", stlrtLegacyNormal3},
    {"legacyNormal4", stlrtLegacyNormal4},
    {"legacyHarsh1", stlrtLegacyHarsh1},
    {"legacyHarsh2", stlrtLegacyHarsh2},
    {"legacyHarsh3", stlrtLegacyHarsh3},
    {"legacyHarsh4", stlrtLegacyHarsh4},
    {"threePt", stlrtThreePt},
    {"balanced", stlrtBalanced},
    {"soft", stlrtSoft},
    {"harsh", stlrtHarsh},
    {"flood", stlrtFlood},
    {"contrasting", stlrtContrasting},
    {"morning", stlrtMorning},
    {"sunrise", stlrtSunrise},
    {"sunset", stlrtSunset},
    {"chilly", stlrtChilly},
    {"freezing", stlrtFreezing},
    {"flat", stlrtFlat},
    {"twoPt", stlrtTwoPt},
    {"glow", stlrtGlow},
    {"brightRoom", stlrtBrightRoom},
}};
}  // namespace

std::optional<TST_LightRigType> StrToTST_LightRigType(std::string_view text)
{
    for (const auto& [t, v] : cTST_LightRigTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_LightRigTypeToStr(TST_LightRigType value)
{
    for (const auto& [t, v] : cTST_LightRigTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_LineCap>, 3> cTST_LineCapValues{{
    {"rnd", stlcRnd},
    {"sq", stlcSq},
    {"flat", stlcFlat},
}};
}  // namespace

std::optional<TST_LineCap> StrToTST_LineCap(std::string_view text)
{
    for (const auto& [t, v] : cTST_LineCapValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_LineCapToStr(TST_LineCap value)
{
    for (const auto& [t, v] : cTST_LineCapValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_LineEndLength>, 3> cTST_LineEndLengthValues{{
    {"sm", stlelSm},
    {"med", stlelMed},
    {"lg", stlelLg},
}};
}  // namespace

std::optional<TST_LineEndLength> StrToTST_LineEndLength(std::string_view text)
{
    for (const auto& [t, v] : cTST_LineEndLengthValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_LineEndLengthToStr(TST_LineEndLength value)
{
    for (const auto& [t, v] : cTST_LineEndLengthValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_LineEndType>, 6> cTST_LineEndTypeValues{{
    {"none", stletNone},
    {"triangle", stletTriangle},
    {"stealth", stletStealth},
    {"diamond", stletDiamond},
    {"oval", stletOval},
    {"arrow", stletArrow},
}};
}  // namespace

std::optional<TST_LineEndType> StrToTST_LineEndType(std::string_view text)
{
    for (const auto& [t, v] : cTST_LineEndTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_LineEndTypeToStr(TST_LineEndType value)
{
    for (const auto& [t, v] : cTST_LineEndTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_LineEndWidth>, 3> cTST_LineEndWidthValues{{
    {"sm", stlewSm},
    {"med", stlewMed},
    {"lg", stlewLg},
}};
}  // namespace

std::optional<TST_LineEndWidth> StrToTST_LineEndWidth(std::string_view text)
{
    for (const auto& [t, v] : cTST_LineEndWidthValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_LineEndWidthToStr(TST_LineEndWidth value)
{
    for (const auto& [t, v] : cTST_LineEndWidthValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_LineNumberRestart>, 3> cTST_LineNumberRestartValues{{
    {"newPage", stlnrNewPage},
    {"newSection", stlnrNewSection},
    {"continuous", stlnrContinuous},
}};
}  // namespace

std::optional<TST_LineNumberRestart> StrToTST_LineNumberRestart(std::string_view text)
{
    for (const auto& [t, v] : cTST_LineNumberRestartValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_LineNumberRestartToStr(TST_LineNumberRestart value)
{
    for (const auto& [t, v] : cTST_LineNumberRestartValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_LineSpacingRule>, 3> cTST_LineSpacingRuleValues{{
    {"auto", stlsrAuto},
    {"exact", stlsrExact},
    {"atLeast", stlsrAtLeast},
}};
}  // namespace

std::optional<TST_LineSpacingRule> StrToTST_LineSpacingRule(std::string_view text)
{
    for (const auto& [t, v] : cTST_LineSpacingRuleValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_LineSpacingRuleToStr(TST_LineSpacingRule value)
{
    for (const auto& [t, v] : cTST_LineSpacingRuleValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_Lock>, 4> cTST_LockValues{{
    {"sdtLocked", stlSdtLocked},
    {"contentLocked", stlContentLocked},
    {"unlocked", stlUnlocked},
    {"sdtContentLocked", stlSdtContentLocked},
}};
}  // namespace

std::optional<TST_Lock> StrToTST_Lock(std::string_view text)
{
    for (const auto& [t, v] : cTST_LockValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_LockToStr(TST_Lock value)
{
    for (const auto& [t, v] : cTST_LockValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_MailMergeDest>, 4> cTST_MailMergeDestValues{{
    {"newDocument", stmmdNewDocument},
    {"printer", stmmdPrinter},
    {"email", stmmdEmail},
    {"fax", stmmdFax},
}};
}  // namespace

std::optional<TST_MailMergeDest> StrToTST_MailMergeDest(std::string_view text)
{
    for (const auto& [t, v] : cTST_MailMergeDestValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_MailMergeDestToStr(TST_MailMergeDest value)
{
    for (const auto& [t, v] : cTST_MailMergeDestValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_MailMergeDocType>, 6> cTST_MailMergeDocTypeValues{{
    {"catalog", stmmdtCatalog},
    {"envelopes", stmmdtEnvelopes},
    {"mailingLabels", stmmdtMailingLabels},
    {"formLetters", stmmdtFormLetters},
    {"email", stmmdtEmail},
    {"fax", stmmdtFax},
}};
}  // namespace

std::optional<TST_MailMergeDocType> StrToTST_MailMergeDocType(std::string_view text)
{
    for (const auto& [t, v] : cTST_MailMergeDocTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_MailMergeDocTypeToStr(TST_MailMergeDocType value)
{
    for (const auto& [t, v] : cTST_MailMergeDocTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_MailMergeOdsoFMDFieldType>, 2> cTST_MailMergeOdsoFMDFieldTypeValues{{
    {"null", stmmofmdftNull},
    {"dbColumn", stmmofmdftDbColumn},
}};
}  // namespace

std::optional<TST_MailMergeOdsoFMDFieldType> StrToTST_MailMergeOdsoFMDFieldType(std::string_view text)
{
    for (const auto& [t, v] : cTST_MailMergeOdsoFMDFieldTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_MailMergeOdsoFMDFieldTypeToStr(TST_MailMergeOdsoFMDFieldType value)
{
    for (const auto& [t, v] : cTST_MailMergeOdsoFMDFieldTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_MailMergeSourceType>, 9> cTST_MailMergeSourceTypeValues{{
    {"database", stmmstDatabase},
    {"addressBook", stmmstAddressBook},
    {"document1", stmmstDocument1},
    {"document2", stmmstDocument2},
    {"text", stmmstText},
    {"email", stmmstEmail},
    {"native", stmmstNative},
    {"legacy", stmmstLegacy},
    {"master", stmmstMaster},
}};
}  // namespace

std::optional<TST_MailMergeSourceType> StrToTST_MailMergeSourceType(std::string_view text)
{
    for (const auto& [t, v] : cTST_MailMergeSourceTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_MailMergeSourceTypeToStr(TST_MailMergeSourceType value)
{
    for (const auto& [t, v] : cTST_MailMergeSourceTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_Merge>, 2> cTST_MergeValues{{
    {"continue", stmContinue},
    {"restart", stmRestart},
}};
}  // namespace

std::optional<TST_Merge> StrToTST_Merge(std::string_view text)
{
    for (const auto& [t, v] : cTST_MergeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_MergeToStr(TST_Merge value)
{
    for (const auto& [t, v] : cTST_MergeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_MultiLevelType>, 3> cTST_MultiLevelTypeValues{{
    {"singleLevel", stmltSingleLevel},
    {"multilevel", stmltMultilevel},
    {"hybridMultilevel", stmltHybridMultilevel},
}};
}  // namespace

std::optional<TST_MultiLevelType> StrToTST_MultiLevelType(std::string_view text)
{
    for (const auto& [t, v] : cTST_MultiLevelTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_MultiLevelTypeToStr(TST_MultiLevelType value)
{
    for (const auto& [t, v] : cTST_MultiLevelTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_NumberFormat>, 63> cTST_NumberFormatValues{{
    {"decimal", stnfDecimal},
    {"upperRoman", stnfUpperRoman},
    {"lowerRoman", stnfLowerRoman},
    {"upperLetter", stnfUpperLetter},
    {"lowerLetter", stnfLowerLetter},
    {"ordinal", stnfOrdinal},
    {"cardinalText", stnfCardinalText},
    {"ordinalText", stnfOrdinalText},
    {"hex", stnfHex},
    {"chicago", stnfChicago},
    {"ideographDigital", stnfIdeographDigital},
    {"japaneseCounting", stnfJapaneseCounting},
    {"aiueo", stnfAiueo},
    {"iroha", stnfIroha},
    {"decimalFullWidth", stnfDecimalFullWidth},
    {"decimalHalfWidth", stnfDecimalHalfWidth},
    {"japaneseLegal", stnfJapaneseLegal},
    {"japaneseDigitalTenThousand", stnfJapaneseDigitalTenThousand},
    {"decimalEnclosedCircle", stnfDecimalEnclosedCircle},
    {"decimalFullWidth2", stnfDecimalFullWidth2},
    {"aiueoFullWidth", stnfAiueoFullWidth},
    {"irohaFullWidth", stnfIrohaFullWidth},
    {"decimalZero", stnfDecimalZero},
    {"bullet", stnfBullet},
    {"ganada", stnfGanada},
    {"chosung", stnfChosung},
    {"decimalEnclosedFullstop", stnfDecimalEnclosedFullstop},
    {"decimalEnclosedParen", stnfDecimalEnclosedParen},
    {"decimalEnclosedCircleChinese", stnfDecimalEnclosedCircleChinese},
    {"ideographEnclosedCircle", stnfIdeographEnclosedCircle},
    {"ideographTraditional", stnfIdeographTraditional},
    {"ideographZodiac", stnfIdeographZodiac},
    {"ideographZodiacTraditional", stnfIdeographZodiacTraditional},
    {"taiwaneseCounting", stnfTaiwaneseCounting},
    {"ideographLegalTraditional", stnfIdeographLegalTraditional},
    {"taiwaneseCountingThousand", stnfTaiwaneseCountingThousand},
    {"taiwaneseDigital", stnfTaiwaneseDigital},
    {"chineseCounting", stnfChineseCounting},
    {"chineseLegalSimplified", stnfChineseLegalSimplified},
    {"chineseCountingThousand", stnfChineseCountingThousand},
    {"koreanDigital", stnfKoreanDigital},
    {"koreanCounting", stnfKoreanCounting},
    {"koreanLegal", stnfKoreanLegal},
    {"koreanDigital2", stnfKoreanDigital2},
    {"vietnameseCounting", stnfVietnameseCounting},
    {"russianLower", stnfRussianLower},
    {"russianUpper", stnfRussianUpper},
    {"none", stnfNone},
    {"numberInDash", stnfNumberInDash},
    {"hebrew1", stnfHebrew1},
    {"hebrew2", stnfHebrew2},
    {"arabicAlpha", stnfArabicAlpha},
    {"arabicAbjad", stnfArabicAbjad},
    {"hindiVowels", stnfHindiVowels},
    {"hindiConsonants", stnfHindiConsonants},
    {"hindiNumbers", stnfHindiNumbers},
    {"hindiCounting", stnfHindiCounting},
    {"thaiLetters", stnfThaiLetters},
    {"thaiNumbers", stnfThaiNumbers},
    {"thaiCounting", stnfThaiCounting},
    {"bahtText", stnfBahtText},
    {"dollarText", stnfDollarText},
    {"custom", stnfCustom},
}};
}  // namespace

std::optional<TST_NumberFormat> StrToTST_NumberFormat(std::string_view text)
{
    for (const auto& [t, v] : cTST_NumberFormatValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_NumberFormatToStr(TST_NumberFormat value)
{
    for (const auto& [t, v] : cTST_NumberFormatValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_ObjectDrawAspect>, 2> cTST_ObjectDrawAspectValues{{
    {"content", stodaContent},
    {"icon", stodaIcon},
}};
}  // namespace

std::optional<TST_ObjectDrawAspect> StrToTST_ObjectDrawAspect(std::string_view text)
{
    for (const auto& [t, v] : cTST_ObjectDrawAspectValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ObjectDrawAspectToStr(TST_ObjectDrawAspect value)
{
    for (const auto& [t, v] : cTST_ObjectDrawAspectValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_ObjectUpdateMode>, 2> cTST_ObjectUpdateModeValues{{
    {"always", stoumAlways},
    {"onCall", stoumOnCall},
}};
}  // namespace

std::optional<TST_ObjectUpdateMode> StrToTST_ObjectUpdateMode(std::string_view text)
{
    for (const auto& [t, v] : cTST_ObjectUpdateModeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ObjectUpdateModeToStr(TST_ObjectUpdateMode value)
{
    for (const auto& [t, v] : cTST_ObjectUpdateModeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_PTabAlignment>, 3> cTST_PTabAlignmentValues{{
    {"left", stptaLeft},
    {"center", stptaCenter},
    {"right", stptaRight},
}};
}  // namespace

std::optional<TST_PTabAlignment> StrToTST_PTabAlignment(std::string_view text)
{
    for (const auto& [t, v] : cTST_PTabAlignmentValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PTabAlignmentToStr(TST_PTabAlignment value)
{
    for (const auto& [t, v] : cTST_PTabAlignmentValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_PTabLeader>, 5> cTST_PTabLeaderValues{{
    {"none", stptlNone},
    {"dot", stptlDot},
    {"hyphen", stptlHyphen},
    {"underscore", stptlUnderscore},
    {"middleDot", stptlMiddleDot},
}};
}  // namespace

std::optional<TST_PTabLeader> StrToTST_PTabLeader(std::string_view text)
{
    for (const auto& [t, v] : cTST_PTabLeaderValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PTabLeaderToStr(TST_PTabLeader value)
{
    for (const auto& [t, v] : cTST_PTabLeaderValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_PTabRelativeTo>, 2> cTST_PTabRelativeToValues{{
    {"margin", stptrtMargin},
    {"indent", stptrtIndent},
}};
}  // namespace

std::optional<TST_PTabRelativeTo> StrToTST_PTabRelativeTo(std::string_view text)
{
    for (const auto& [t, v] : cTST_PTabRelativeToValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PTabRelativeToToStr(TST_PTabRelativeTo value)
{
    for (const auto& [t, v] : cTST_PTabRelativeToValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_PageBorderDisplay>, 3> cTST_PageBorderDisplayValues{{
    {"allPages", stpbdAllPages},
    {"firstPage", stpbdFirstPage},
    {"notFirstPage", stpbdNotFirstPage},
}};
}  // namespace

std::optional<TST_PageBorderDisplay> StrToTST_PageBorderDisplay(std::string_view text)
{
    for (const auto& [t, v] : cTST_PageBorderDisplayValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PageBorderDisplayToStr(TST_PageBorderDisplay value)
{
    for (const auto& [t, v] : cTST_PageBorderDisplayValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_PageBorderOffset>, 2> cTST_PageBorderOffsetValues{{
    {"page", stpboPage},
    {"text", stpboText},
}};
}  // namespace

std::optional<TST_PageBorderOffset> StrToTST_PageBorderOffset(std::string_view text)
{
    for (const auto& [t, v] : cTST_PageBorderOffsetValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PageBorderOffsetToStr(TST_PageBorderOffset value)
{
    for (const auto& [t, v] : cTST_PageBorderOffsetValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_PageBorderZOrder>, 2> cTST_PageBorderZOrderValues{{
    {"front", stpbzoFront},
    {"back", stpbzoBack},
}};
}  // namespace

std::optional<TST_PageBorderZOrder> StrToTST_PageBorderZOrder(std::string_view text)
{
    for (const auto& [t, v] : cTST_PageBorderZOrderValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PageBorderZOrderToStr(TST_PageBorderZOrder value)
{
    for (const auto& [t, v] : cTST_PageBorderZOrderValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_PageOrientation>, 2> cTST_PageOrientationValues{{
    {"portrait", stpoPortrait},
    {"landscape", stpoLandscape},
}};
}  // namespace

std::optional<TST_PageOrientation> StrToTST_PageOrientation(std::string_view text)
{
    for (const auto& [t, v] : cTST_PageOrientationValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PageOrientationToStr(TST_PageOrientation value)
{
    for (const auto& [t, v] : cTST_PageOrientationValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_PathFillMode>, 6> cTST_PathFillModeValues{{
    {"none", stpfmNone},
    {"norm", stpfmNorm},
    {"lighten", stpfmLighten},
    {"lightenLess", stpfmLightenLess},
    {"darken", stpfmDarken},
    {"darkenLess", stpfmDarkenLess},
}};
}  // namespace

std::optional<TST_PathFillMode> StrToTST_PathFillMode(std::string_view text)
{
    for (const auto& [t, v] : cTST_PathFillModeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PathFillModeToStr(TST_PathFillMode value)
{
    for (const auto& [t, v] : cTST_PathFillModeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_PathShadeType>, 3> cTST_PathShadeTypeValues{{
    {"shape", stpstShape},
    {"circle", stpstCircle},
    {"rect", stpstRect},
}};
}  // namespace

std::optional<TST_PathShadeType> StrToTST_PathShadeType(std::string_view text)
{
    for (const auto& [t, v] : cTST_PathShadeTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PathShadeTypeToStr(TST_PathShadeType value)
{
    for (const auto& [t, v] : cTST_PathShadeTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_PenAlignment>, 2> cTST_PenAlignmentValues{{
    {"ctr", stpaCtr},
    {"in", stpaIn},
}};
}  // namespace

std::optional<TST_PenAlignment> StrToTST_PenAlignment(std::string_view text)
{
    for (const auto& [t, v] : cTST_PenAlignmentValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PenAlignmentToStr(TST_PenAlignment value)
{
    for (const auto& [t, v] : cTST_PenAlignmentValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_Pitch>, 3> cTST_PitchValues{{
    {"fixed", stpiFixed},
    {"variable", stpiVariable},
    {"default", stpiDefault},
}};
}  // namespace

std::optional<TST_Pitch> StrToTST_Pitch(std::string_view text)
{
    for (const auto& [t, v] : cTST_PitchValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PitchToStr(TST_Pitch value)
{
    for (const auto& [t, v] : cTST_PitchValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_PresetCameraType>, 62> cTST_PresetCameraTypeValues{{
    {"legacyObliqueTopLeft", stpctLegacyObliqueTopLeft},
    {"legacyObliqueTop", stpctLegacyObliqueTop},
    {"legacyObliqueTopRight", stpctLegacyObliqueTopRight},
    {"legacyObliqueLeft", stpctLegacyObliqueLeft},
    {"legacyObliqueFront", stpctLegacyObliqueFront},
    {"legacyObliqueRight", stpctLegacyObliqueRight},
    {"legacyObliqueBottomLeft", stpctLegacyObliqueBottomLeft},
    {"legacyObliqueBottom", stpctLegacyObliqueBottom},
    {"legacyObliqueBottomRight", stpctLegacyObliqueBottomRight},
    {"legacyPerspectiveTopLeft", stpctLegacyPerspectiveTopLeft},
    {"legacyPerspectiveTop", stpctLegacyPerspectiveTop},
    {"legacyPerspectiveTopRight", stpctLegacyPerspectiveTopRight},
    {"legacyPerspectiveLeft", stpctLegacyPerspectiveLeft},
    {"legacyPerspectiveFront", stpctLegacyPerspectiveFront},
    {"legacyPerspectiveRight", stpctLegacyPerspectiveRight},
    {"legacyPerspectiveBottomLeft", stpctLegacyPerspectiveBottomLeft},
    {"legacyPerspectiveBottom", stpctLegacyPerspectiveBottom},
    {"legacyPerspectiveBottomRight", stpctLegacyPerspectiveBottomRight},
    {"orthographicFront", stpctOrthographicFront},
    {"isometricTopUp", stpctIsometricTopUp},
    {"isometricTopDown", stpctIsometricTopDown},
    {"isometricBottomUp", stpctIsometricBottomUp},
    {"isometricBottomDown", stpctIsometricBottomDown},
    {"isometricLeftUp", stpctIsometricLeftUp},
    {"isometricLeftDown", stpctIsometricLeftDown},
    {"isometricRightUp", stpctIsometricRightUp},
    {"isometricRightDown", stpctIsometricRightDown},
    {"isometricOffAxis1Left", stpctIsometricOffAxis1Left},
    {"isometricOffAxis1Right", stpctIsometricOffAxis1Right},
    {"isometricOffAxis1Top", stpctIsometricOffAxis1Top},
    {"isometricOffAxis2Left", stpctIsometricOffAxis2Left},
    {"isometricOffAxis2Right", stpctIsometricOffAxis2Right},
    {"isometricOffAxis2Top", stpctIsometricOffAxis2Top},
    {"isometricOffAxis3Left", stpctIsometricOffAxis3Left},
    {"isometricOffAxis3Right", stpctIsometricOffAxis3Right},
    {"isometricOffAxis3Bottom", stpctIsometricOffAxis3Bottom},
    {"isometricOffAxis4Left", stpctIsometricOffAxis4Left},
    {"isometricOffAxis4Right", stpctIsometricOffAxis4Right},
    {"isometricOffAxis4Bottom", stpctIsometricOffAxis4Bottom},
    {"obliqueTopLeft", stpctObliqueTopLeft},
    {"obliqueTop", stpctObliqueTop},
    {"obliqueTopRight", stpctObliqueTopRight},
    {"obliqueLeft", stpctObliqueLeft},
    {"obliqueRight", stpctObliqueRight},
    {"obliqueBottomLeft", stpctObliqueBottomLeft},
    {"obliqueBottom", stpctObliqueBottom},
    {"obliqueBottomRight", stpctObliqueBottomRight},
    {"perspectiveFront", stpctPerspectiveFront},
    {"perspectiveLeft", stpctPerspectiveLeft},
    {"perspectiveRight", stpctPerspectiveRight},
    {"perspectiveAbove", stpctPerspectiveAbove},
    {"perspectiveBelow", stpctPerspectiveBelow},
    {"perspectiveAboveLeftFacing", stpctPerspectiveAboveLeftFacing},
    {"perspectiveAboveRightFacing", stpctPerspectiveAboveRightFacing},
    {"perspectiveContrastingLeftFacing", stpctPerspectiveContrastingLeftFacing},
    {"perspectiveContrastingRightFacing", stpctPerspectiveContrastingRightFacing},
    {"perspectiveHeroicLeftFacing", stpctPerspectiveHeroicLeftFacing},
    {"perspectiveHeroicRightFacing", stpctPerspectiveHeroicRightFacing},
    {"perspectiveHeroicExtremeLeftFacing", stpctPerspectiveHeroicExtremeLeftFacing},
    {"perspectiveHeroicExtremeRightFacing", stpctPerspectiveHeroicExtremeRightFacing},
    {"perspectiveRelaxed", stpctPerspectiveRelaxed},
    {"perspectiveRelaxedModerately", stpctPerspectiveRelaxedModerately},
}};
}  // namespace

std::optional<TST_PresetCameraType> StrToTST_PresetCameraType(std::string_view text)
{
    for (const auto& [t, v] : cTST_PresetCameraTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PresetCameraTypeToStr(TST_PresetCameraType value)
{
    for (const auto& [t, v] : cTST_PresetCameraTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_PresetColorVal>, 190> cTST_PresetColorValValues{{
    {"aliceBlue", stpcvAliceBlue},
    {"antiqueWhite", stpcvAntiqueWhite},
    {"aqua", stpcvAqua},
    {"aquamarine", stpcvAquamarine},
    {"azure", stpcvAzure},
    {"beige", stpcvBeige},
    {"bisque", stpcvBisque},
    {"black", stpcvBlack},
    {"blanchedAlmond", stpcvBlanchedAlmond},
    {"blue", stpcvBlue},
    {"blueViolet", stpcvBlueViolet},
    {"brown", stpcvBrown},
    {"burlyWood", stpcvBurlyWood},
    {"cadetBlue", stpcvCadetBlue},
    {"chartreuse", stpcvChartreuse},
    {"chocolate", stpcvChocolate},
    {"coral", stpcvCoral},
    {"cornflowerBlue", stpcvCornflowerBlue},
    {"cornsilk", stpcvCornsilk},
    {"crimson", stpcvCrimson},
    {"cyan", stpcvCyan},
    {"darkBlue", stpcvDarkBlue},
    {"darkCyan", stpcvDarkCyan},
    {"darkGoldenrod", stpcvDarkGoldenrod},
    {"darkGray", stpcvDarkGray},
    {"darkGrey", stpcvDarkGrey},
    {"darkGreen", stpcvDarkGreen},
    {"darkKhaki", stpcvDarkKhaki},
    {"darkMagenta", stpcvDarkMagenta},
    {"darkOliveGreen", stpcvDarkOliveGreen},
    {"darkOrange", stpcvDarkOrange},
    {"darkOrchid", stpcvDarkOrchid},
    {"darkRed", stpcvDarkRed},
    {"darkSalmon", stpcvDarkSalmon},
    {"darkSeaGreen", stpcvDarkSeaGreen},
    {"darkSlateBlue", stpcvDarkSlateBlue},
    {"darkSlateGray", stpcvDarkSlateGray},
    {"darkSlateGrey", stpcvDarkSlateGrey},
    {"darkTurquoise", stpcvDarkTurquoise},
    {"darkViolet", stpcvDarkViolet},
    {"dkBlue", stpcvDkBlue},
    {"dkCyan", stpcvDkCyan},
    {"dkGoldenrod", stpcvDkGoldenrod},
    {"dkGray", stpcvDkGray},
    {"dkGrey", stpcvDkGrey},
    {"dkGreen", stpcvDkGreen},
    {"dkKhaki", stpcvDkKhaki},
    {"dkMagenta", stpcvDkMagenta},
    {"dkOliveGreen", stpcvDkOliveGreen},
    {"dkOrange", stpcvDkOrange},
    {"dkOrchid", stpcvDkOrchid},
    {"dkRed", stpcvDkRed},
    {"dkSalmon", stpcvDkSalmon},
    {"dkSeaGreen", stpcvDkSeaGreen},
    {"dkSlateBlue", stpcvDkSlateBlue},
    {"dkSlateGray", stpcvDkSlateGray},
    {"dkSlateGrey", stpcvDkSlateGrey},
    {"dkTurquoise", stpcvDkTurquoise},
    {"dkViolet", stpcvDkViolet},
    {"deepPink", stpcvDeepPink},
    {"deepSkyBlue", stpcvDeepSkyBlue},
    {"dimGray", stpcvDimGray},
    {"dimGrey", stpcvDimGrey},
    {"dodgerBlue", stpcvDodgerBlue},
    {"firebrick", stpcvFirebrick},
    {"floralWhite", stpcvFloralWhite},
    {"forestGreen", stpcvForestGreen},
    {"fuchsia", stpcvFuchsia},
    {"gainsboro", stpcvGainsboro},
    {"ghostWhite", stpcvGhostWhite},
    {"gold", stpcvGold},
    {"goldenrod", stpcvGoldenrod},
    {"gray", stpcvGray},
    {"grey", stpcvGrey},
    {"green", stpcvGreen},
    {"greenYellow", stpcvGreenYellow},
    {"honeydew", stpcvHoneydew},
    {"hotPink", stpcvHotPink},
    {"indianRed", stpcvIndianRed},
    {"indigo", stpcvIndigo},
    {"ivory", stpcvIvory},
    {"khaki", stpcvKhaki},
    {"lavender", stpcvLavender},
    {"lavenderBlush", stpcvLavenderBlush},
    {"lawnGreen", stpcvLawnGreen},
    {"lemonChiffon", stpcvLemonChiffon},
    {"lightBlue", stpcvLightBlue},
    {"lightCoral", stpcvLightCoral},
    {"lightCyan", stpcvLightCyan},
    {"lightGoldenrodYellow", stpcvLightGoldenrodYellow},
    {"lightGray", stpcvLightGray},
    {"lightGrey", stpcvLightGrey},
    {"lightGreen", stpcvLightGreen},
    {"lightPink", stpcvLightPink},
    {"lightSalmon", stpcvLightSalmon},
    {"lightSeaGreen", stpcvLightSeaGreen},
    {"lightSkyBlue", stpcvLightSkyBlue},
    {"lightSlateGray", stpcvLightSlateGray},
    {"lightSlateGrey", stpcvLightSlateGrey},
    {"lightSteelBlue", stpcvLightSteelBlue},
    {"lightYellow", stpcvLightYellow},
    {"ltBlue", stpcvLtBlue},
    {"ltCoral", stpcvLtCoral},
    {"ltCyan", stpcvLtCyan},
    {"ltGoldenrodYellow", stpcvLtGoldenrodYellow},
    {"ltGray", stpcvLtGray},
    {"ltGrey", stpcvLtGrey},
    {"ltGreen", stpcvLtGreen},
    {"ltPink", stpcvLtPink},
    {"ltSalmon", stpcvLtSalmon},
    {"ltSeaGreen", stpcvLtSeaGreen},
    {"ltSkyBlue", stpcvLtSkyBlue},
    {"ltSlateGray", stpcvLtSlateGray},
    {"ltSlateGrey", stpcvLtSlateGrey},
    {"ltSteelBlue", stpcvLtSteelBlue},
    {"ltYellow", stpcvLtYellow},
    {"lime", stpcvLime},
    {"limeGreen", stpcvLimeGreen},
    {"linen", stpcvLinen},
    {"magenta", stpcvMagenta},
    {"maroon", stpcvMaroon},
    {"medAquamarine", stpcvMedAquamarine},
    {"medBlue", stpcvMedBlue},
    {"medOrchid", stpcvMedOrchid},
    {"medPurple", stpcvMedPurple},
    {"medSeaGreen", stpcvMedSeaGreen},
    {"medSlateBlue", stpcvMedSlateBlue},
    {"medSpringGreen", stpcvMedSpringGreen},
    {"medTurquoise", stpcvMedTurquoise},
    {"medVioletRed", stpcvMedVioletRed},
    {"mediumAquamarine", stpcvMediumAquamarine},
    {"mediumBlue", stpcvMediumBlue},
    {"mediumOrchid", stpcvMediumOrchid},
    {"mediumPurple", stpcvMediumPurple},
    {"mediumSeaGreen", stpcvMediumSeaGreen},
    {"mediumSlateBlue", stpcvMediumSlateBlue},
    {"mediumSpringGreen", stpcvMediumSpringGreen},
    {"mediumTurquoise", stpcvMediumTurquoise},
    {"mediumVioletRed", stpcvMediumVioletRed},
    {"midnightBlue", stpcvMidnightBlue},
    {"mintCream", stpcvMintCream},
    {"mistyRose", stpcvMistyRose},
    {"moccasin", stpcvMoccasin},
    {"navajoWhite", stpcvNavajoWhite},
    {"navy", stpcvNavy},
    {"oldLace", stpcvOldLace},
    {"olive", stpcvOlive},
    {"oliveDrab", stpcvOliveDrab},
    {"orange", stpcvOrange},
    {"orangeRed", stpcvOrangeRed},
    {"orchid", stpcvOrchid},
    {"paleGoldenrod", stpcvPaleGoldenrod},
    {"paleGreen", stpcvPaleGreen},
    {"paleTurquoise", stpcvPaleTurquoise},
    {"paleVioletRed", stpcvPaleVioletRed},
    {"papayaWhip", stpcvPapayaWhip},
    {"peachPuff", stpcvPeachPuff},
    {"peru", stpcvPeru},
    {"pink", stpcvPink},
    {"plum", stpcvPlum},
    {"powderBlue", stpcvPowderBlue},
    {"purple", stpcvPurple},
    {"red", stpcvRed},
    {"rosyBrown", stpcvRosyBrown},
    {"royalBlue", stpcvRoyalBlue},
    {"saddleBrown", stpcvSaddleBrown},
    {"salmon", stpcvSalmon},
    {"sandyBrown", stpcvSandyBrown},
    {"seaGreen", stpcvSeaGreen},
    {"seaShell", stpcvSeaShell},
    {"sienna", stpcvSienna},
    {"silver", stpcvSilver},
    {"skyBlue", stpcvSkyBlue},
    {"slateBlue", stpcvSlateBlue},
    {"slateGray", stpcvSlateGray},
    {"slateGrey", stpcvSlateGrey},
    {"snow", stpcvSnow},
    {"springGreen", stpcvSpringGreen},
    {"steelBlue", stpcvSteelBlue},
    {"tan", stpcvTan},
    {"teal", stpcvTeal},
    {"thistle", stpcvThistle},
    {"tomato", stpcvTomato},
    {"turquoise", stpcvTurquoise},
    {"violet", stpcvViolet},
    {"wheat", stpcvWheat},
    {"white", stpcvWhite},
    {"whiteSmoke", stpcvWhiteSmoke},
    {"yellow", stpcvYellow},
    {"yellowGreen", stpcvYellowGreen},
}};
}  // namespace

std::optional<TST_PresetColorVal> StrToTST_PresetColorVal(std::string_view text)
{
    for (const auto& [t, v] : cTST_PresetColorValValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PresetColorValToStr(TST_PresetColorVal value)
{
    for (const auto& [t, v] : cTST_PresetColorValValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_PresetLineDashVal>, 11> cTST_PresetLineDashValValues{{
    {"solid", stpldvSolid},
    {"dot", stpldvDot},
    {"dash", stpldvDash},
    {"lgDash", stpldvLgDash},
    {"dashDot", stpldvDashDot},
    {"lgDashDot", stpldvLgDashDot},
    {"lgDashDotDot", stpldvLgDashDotDot},
    {"sysDash", stpldvSysDash},
    {"sysDot", stpldvSysDot},
    {"sysDashDot", stpldvSysDashDot},
    {"sysDashDotDot", stpldvSysDashDotDot},
}};
}  // namespace

std::optional<TST_PresetLineDashVal> StrToTST_PresetLineDashVal(std::string_view text)
{
    for (const auto& [t, v] : cTST_PresetLineDashValValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PresetLineDashValToStr(TST_PresetLineDashVal value)
{
    for (const auto& [t, v] : cTST_PresetLineDashValValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_PresetMaterialType>, 15> cTST_PresetMaterialTypeValues{{
    {"legacyMatte", stpmtLegacyMatte},
    {"legacyPlastic", stpmtLegacyPlastic},
    {"legacyMetal", stpmtLegacyMetal},
    {"legacyWireframe", stpmtLegacyWireframe},
    {"matte", stpmtMatte},
    {"plastic", stpmtPlastic},
    {"metal", stpmtMetal},
    {"warmMatte", stpmtWarmMatte},
    {"translucentPowder", stpmtTranslucentPowder},
    {"powder", stpmtPowder},
    {"dkEdge", stpmtDkEdge},
    {"softEdge", stpmtSoftEdge},
    {"clear", stpmtClear},
    {"flat", stpmtFlat},
    {"softmetal", stpmtSoftmetal},
}};
}  // namespace

std::optional<TST_PresetMaterialType> StrToTST_PresetMaterialType(std::string_view text)
{
    for (const auto& [t, v] : cTST_PresetMaterialTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PresetMaterialTypeToStr(TST_PresetMaterialType value)
{
    for (const auto& [t, v] : cTST_PresetMaterialTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_PresetPatternVal>, 54> cTST_PresetPatternValValues{{
    {"pct5", stppvPct5},
    {"pct10", stppvPct10},
    {"pct20", stppvPct20},
    {"pct25", stppvPct25},
    {"pct30", stppvPct30},
    {"pct40", stppvPct40},
    {"pct50", stppvPct50},
    {"pct60", stppvPct60},
    {"pct70", stppvPct70},
    {"pct75", stppvPct75},
    {"pct80", stppvPct80},
    {"pct90", stppvPct90},
    {"horz", stppvHorz},
    {"vert", stppvVert},
    {"ltHorz", stppvLtHorz},
    {"ltVert", stppvLtVert},
    {"dkHorz", stppvDkHorz},
    {"dkVert", stppvDkVert},
    {"narHorz", stppvNarHorz},
    {"narVert", stppvNarVert},
    {"dashHorz", stppvDashHorz},
    {"dashVert", stppvDashVert},
    {"cross", stppvCross},
    {"dnDiag", stppvDnDiag},
    {"upDiag", stppvUpDiag},
    {"ltDnDiag", stppvLtDnDiag},
    {"ltUpDiag", stppvLtUpDiag},
    {"dkDnDiag", stppvDkDnDiag},
    {"dkUpDiag", stppvDkUpDiag},
    {"wdDnDiag", stppvWdDnDiag},
    {"wdUpDiag", stppvWdUpDiag},
    {"dashDnDiag", stppvDashDnDiag},
    {"dashUpDiag", stppvDashUpDiag},
    {"diagCross", stppvDiagCross},
    {"smCheck", stppvSmCheck},
    {"lgCheck", stppvLgCheck},
    {"smGrid", stppvSmGrid},
    {"lgGrid", stppvLgGrid},
    {"dotGrid", stppvDotGrid},
    {"smConfetti", stppvSmConfetti},
    {"lgConfetti", stppvLgConfetti},
    {"horzBrick", stppvHorzBrick},
    {"diagBrick", stppvDiagBrick},
    {"solidDmnd", stppvSolidDmnd},
    {"openDmnd", stppvOpenDmnd},
    {"dotDmnd", stppvDotDmnd},
    {"plaid", stppvPlaid},
    {"sphere", stppvSphere},
    {"weave", stppvWeave},
    {"divot", stppvDivot},
    {"shingle", stppvShingle},
    {"wave", stppvWave},
    {"trellis", stppvTrellis},
    {"zigZag", stppvZigZag},
}};
}  // namespace

std::optional<TST_PresetPatternVal> StrToTST_PresetPatternVal(std::string_view text)
{
    for (const auto& [t, v] : cTST_PresetPatternValValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PresetPatternValToStr(TST_PresetPatternVal value)
{
    for (const auto& [t, v] : cTST_PresetPatternValValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_PresetShadowVal>, 20> cTST_PresetShadowValValues{{
    {"shdw1", stpsvShdw1},
    {"shdw2", stpsvShdw2},
    {"shdw3", stpsvShdw3},
    {"shdw4", stpsvShdw4},
    {"shdw5", stpsvShdw5},
    {"shdw6", stpsvShdw6},
    {"shdw7", stpsvShdw7},
    {"shdw8", stpsvShdw8},
    {"shdw9", stpsvShdw9},
    {"shdw10", stpsvShdw10},
    {"shdw11", stpsvShdw11},
    {"shdw12", stpsvShdw12},
    {"shdw13", stpsvShdw13},
    {"shdw14", stpsvShdw14},
    {"shdw15", stpsvShdw15},
    {"shdw16", stpsvShdw16},
    {"shdw17", stpsvShdw17},
    {"shdw18", stpsvShdw18},
    {"shdw19", stpsvShdw19},
    {"shdw20", stpsvShdw20},
}};
}  // namespace

std::optional<TST_PresetShadowVal> StrToTST_PresetShadowVal(std::string_view text)
{
    for (const auto& [t, v] : cTST_PresetShadowValValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_PresetShadowValToStr(TST_PresetShadowVal value)
{
    for (const auto& [t, v] : cTST_PresetShadowValValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_Proof>, 2> cTST_ProofValues{{
    {"clean", stpClean},
    {"dirty", stpDirty},
}};
}  // namespace

std::optional<TST_Proof> StrToTST_Proof(std::string_view text)
{
    for (const auto& [t, v] : cTST_ProofValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ProofToStr(TST_Proof value)
{
    for (const auto& [t, v] : cTST_ProofValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_ProofErr>, 4> cTST_ProofErrValues{{
    {"spellStart", stpeSpellStart},
    {"spellEnd", stpeSpellEnd},
    {"gramStart", stpeGramStart},
    {"gramEnd", stpeGramEnd},
}};
}  // namespace

std::optional<TST_ProofErr> StrToTST_ProofErr(std::string_view text)
{
    for (const auto& [t, v] : cTST_ProofErrValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ProofErrToStr(TST_ProofErr value)
{
    for (const auto& [t, v] : cTST_ProofErrValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_RectAlignment>, 9> cTST_RectAlignmentValues{{
    {"tl", straTl},
    {"t", straT},
    {"tr", straTr},
    {"l", straL},
    {"ctr", straCtr},
    {"r", straR},
    {"bl", straBl},
    {"b", straB},
    {"br", straBr},
}};
}  // namespace

std::optional<TST_RectAlignment> StrToTST_RectAlignment(std::string_view text)
{
    for (const auto& [t, v] : cTST_RectAlignmentValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_RectAlignmentToStr(TST_RectAlignment value)
{
    for (const auto& [t, v] : cTST_RectAlignmentValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_RelFromH>, 8> cTST_RelFromHValues{{
    {"margin", strfhMargin},
    {"page", strfhPage},
    {"column", strfhColumn},
    {"character", strfhCharacter},
    {"leftMargin", strfhLeftMargin},
    {"rightMargin", strfhRightMargin},
    {"insideMargin", strfhInsideMargin},
    {"outsideMargin", strfhOutsideMargin},
}};
}  // namespace

std::optional<TST_RelFromH> StrToTST_RelFromH(std::string_view text)
{
    for (const auto& [t, v] : cTST_RelFromHValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_RelFromHToStr(TST_RelFromH value)
{
    for (const auto& [t, v] : cTST_RelFromHValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_RelFromV>, 8> cTST_RelFromVValues{{
    {"margin", strfvMargin},
    {"page", strfvPage},
    {"paragraph", strfvParagraph},
    {"line", strfvLine},
    {"topMargin", strfvTopMargin},
    {"bottomMargin", strfvBottomMargin},
    {"insideMargin", strfvInsideMargin},
    {"outsideMargin", strfvOutsideMargin},
}};
}  // namespace

std::optional<TST_RelFromV> StrToTST_RelFromV(std::string_view text)
{
    for (const auto& [t, v] : cTST_RelFromVValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_RelFromVToStr(TST_RelFromV value)
{
    for (const auto& [t, v] : cTST_RelFromVValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_RestartNumber>, 3> cTST_RestartNumberValues{{
    {"continuous", strnContinuous},
    {"eachSect", strnEachSect},
    {"eachPage", strnEachPage},
}};
}  // namespace

std::optional<TST_RestartNumber> StrToTST_RestartNumber(std::string_view text)
{
    for (const auto& [t, v] : cTST_RestartNumberValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_RestartNumberToStr(TST_RestartNumber value)
{
    for (const auto& [t, v] : cTST_RestartNumberValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_RubyAlign>, 6> cTST_RubyAlignValues{{
    {"center", strualCenter},
    {"distributeLetter", strualDistributeLetter},
    {"distributeSpace", strualDistributeSpace},
    {"left", strualLeft},
    {"right", strualRight},
    {"rightVertical", strualRightVertical},
}};
}  // namespace

std::optional<TST_RubyAlign> StrToTST_RubyAlign(std::string_view text)
{
    for (const auto& [t, v] : cTST_RubyAlignValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_RubyAlignToStr(TST_RubyAlign value)
{
    for (const auto& [t, v] : cTST_RubyAlignValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_SchemeColorVal>, 17> cTST_SchemeColorValValues{{
    {"bg1", stsccovaBg1},
    {"tx1", stsccovaTx1},
    {"bg2", stsccovaBg2},
    {"tx2", stsccovaTx2},
    {"accent1", stsccovaAccent1},
    {"accent2", stsccovaAccent2},
    {"accent3", stsccovaAccent3},
    {"accent4", stsccovaAccent4},
    {"accent5", stsccovaAccent5},
    {"accent6", stsccovaAccent6},
    {"hlink", stsccovaHlink},
    {"folHlink", stsccovaFolHlink},
    {"phClr", stsccovaPhClr},
    {"dk1", stsccovaDk1},
    {"lt1", stsccovaLt1},
    {"dk2", stsccovaDk2},
    {"lt2", stsccovaLt2},
}};
}  // namespace

std::optional<TST_SchemeColorVal> StrToTST_SchemeColorVal(std::string_view text)
{
    for (const auto& [t, v] : cTST_SchemeColorValValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_SchemeColorValToStr(TST_SchemeColorVal value)
{
    for (const auto& [t, v] : cTST_SchemeColorValValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_SdtDateMappingType>, 3> cTST_SdtDateMappingTypeValues{{
    {"text", stsdmtText},
    {"date", stsdmtDate},
    {"dateTime", stsdmtDateTime},
}};
}  // namespace

std::optional<TST_SdtDateMappingType> StrToTST_SdtDateMappingType(std::string_view text)
{
    for (const auto& [t, v] : cTST_SdtDateMappingTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_SdtDateMappingTypeToStr(TST_SdtDateMappingType value)
{
    for (const auto& [t, v] : cTST_SdtDateMappingTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_SectionMark>, 5> cTST_SectionMarkValues{{
    {"nextPage", stsmNextPage},
    {"nextColumn", stsmNextColumn},
    {"continuous", stsmContinuous},
    {"evenPage", stsmEvenPage},
    {"oddPage", stsmOddPage},
}};
}  // namespace

std::optional<TST_SectionMark> StrToTST_SectionMark(std::string_view text)
{
    for (const auto& [t, v] : cTST_SectionMarkValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_SectionMarkToStr(TST_SectionMark value)
{
    for (const auto& [t, v] : cTST_SectionMarkValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_ShadowType>, 4> cTST_ShadowTypeValues{{
    {"single", stshtySingle},
    {"double", stshtyDouble},
    {"emboss", stshtyEmboss},
    {"perspective", stshtyPerspective},
}};
}  // namespace

std::optional<TST_ShadowType> StrToTST_ShadowType(std::string_view text)
{
    for (const auto& [t, v] : cTST_ShadowTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ShadowTypeToStr(TST_ShadowType value)
{
    for (const auto& [t, v] : cTST_ShadowTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_ShapeType>, 187> cTST_ShapeTypeValues{{
    {"line", stst2Line},
    {"lineInv", stst2LineInv},
    {"triangle", stst2Triangle},
    {"rtTriangle", stst2RtTriangle},
    {"rect", stst2Rect},
    {"diamond", stst2Diamond},
    {"parallelogram", stst2Parallelogram},
    {"trapezoid", stst2Trapezoid},
    {"nonIsoscelesTrapezoid", stst2NonIsoscelesTrapezoid},
    {"pentagon", stst2Pentagon},
    {"hexagon", stst2Hexagon},
    {"heptagon", stst2Heptagon},
    {"octagon", stst2Octagon},
    {"decagon", stst2Decagon},
    {"dodecagon", stst2Dodecagon},
    {"star4", stst2Star4},
    {"star5", stst2Star5},
    {"star6", stst2Star6},
    {"star7", stst2Star7},
    {"star8", stst2Star8},
    {"star10", stst2Star10},
    {"star12", stst2Star12},
    {"star16", stst2Star16},
    {"star24", stst2Star24},
    {"star32", stst2Star32},
    {"roundRect", stst2RoundRect},
    {"round1Rect", stst2Round1Rect},
    {"round2SameRect", stst2Round2SameRect},
    {"round2DiagRect", stst2Round2DiagRect},
    {"snipRoundRect", stst2SnipRoundRect},
    {"snip1Rect", stst2Snip1Rect},
    {"snip2SameRect", stst2Snip2SameRect},
    {"snip2DiagRect", stst2Snip2DiagRect},
    {"plaque", stst2Plaque},
    {"ellipse", stst2Ellipse},
    {"teardrop", stst2Teardrop},
    {"homePlate", stst2HomePlate},
    {"chevron", stst2Chevron},
    {"pieWedge", stst2PieWedge},
    {"pie", stst2Pie},
    {"blockArc", stst2BlockArc},
    {"donut", stst2Donut},
    {"noSmoking", stst2NoSmoking},
    {"rightArrow", stst2RightArrow},
    {"leftArrow", stst2LeftArrow},
    {"upArrow", stst2UpArrow},
    {"downArrow", stst2DownArrow},
    {"stripedRightArrow", stst2StripedRightArrow},
    {"notchedRightArrow", stst2NotchedRightArrow},
    {"bentUpArrow", stst2BentUpArrow},
    {"leftRightArrow", stst2LeftRightArrow},
    {"upDownArrow", stst2UpDownArrow},
    {"leftUpArrow", stst2LeftUpArrow},
    {"leftRightUpArrow", stst2LeftRightUpArrow},
    {"quadArrow", stst2QuadArrow},
    {"leftArrowCallout", stst2LeftArrowCallout},
    {"rightArrowCallout", stst2RightArrowCallout},
    {"upArrowCallout", stst2UpArrowCallout},
    {"downArrowCallout", stst2DownArrowCallout},
    {"leftRightArrowCallout", stst2LeftRightArrowCallout},
    {"upDownArrowCallout", stst2UpDownArrowCallout},
    {"quadArrowCallout", stst2QuadArrowCallout},
    {"bentArrow", stst2BentArrow},
    {"uturnArrow", stst2UturnArrow},
    {"circularArrow", stst2CircularArrow},
    {"leftCircularArrow", stst2LeftCircularArrow},
    {"leftRightCircularArrow", stst2LeftRightCircularArrow},
    {"curvedRightArrow", stst2CurvedRightArrow},
    {"curvedLeftArrow", stst2CurvedLeftArrow},
    {"curvedUpArrow", stst2CurvedUpArrow},
    {"curvedDownArrow", stst2CurvedDownArrow},
    {"swooshArrow", stst2SwooshArrow},
    {"cube", stst2Cube},
    {"can", stst2Can},
    {"lightningBolt", stst2LightningBolt},
    {"heart", stst2Heart},
    {"sun", stst2Sun},
    {"moon", stst2Moon},
    {"smileyFace", stst2SmileyFace},
    {"irregularSeal1", stst2IrregularSeal1},
    {"irregularSeal2", stst2IrregularSeal2},
    {"foldedCorner", stst2FoldedCorner},
    {"bevel", stst2Bevel},
    {"frame", stst2Frame},
    {"halfFrame", stst2HalfFrame},
    {"corner", stst2Corner},
    {"diagStripe", stst2DiagStripe},
    {"chord", stst2Chord},
    {"arc", stst2Arc},
    {"leftBracket", stst2LeftBracket},
    {"rightBracket", stst2RightBracket},
    {"leftBrace", stst2LeftBrace},
    {"rightBrace", stst2RightBrace},
    {"bracketPair", stst2BracketPair},
    {"bracePair", stst2BracePair},
    {"straightConnector1", stst2StraightConnector1},
    {"bentConnector2", stst2BentConnector2},
    {"bentConnector3", stst2BentConnector3},
    {"bentConnector4", stst2BentConnector4},
    {"bentConnector5", stst2BentConnector5},
    {"curvedConnector2", stst2CurvedConnector2},
    {"curvedConnector3", stst2CurvedConnector3},
    {"curvedConnector4", stst2CurvedConnector4},
    {"curvedConnector5", stst2CurvedConnector5},
    {"callout1", stst2Callout1},
    {"callout2", stst2Callout2},
    {"callout3", stst2Callout3},
    {"accentCallout1", stst2AccentCallout1},
    {"accentCallout2", stst2AccentCallout2},
    {"accentCallout3", stst2AccentCallout3},
    {"borderCallout1", stst2BorderCallout1},
    {"borderCallout2", stst2BorderCallout2},
    {"borderCallout3", stst2BorderCallout3},
    {"accentBorderCallout1", stst2AccentBorderCallout1},
    {"accentBorderCallout2", stst2AccentBorderCallout2},
    {"accentBorderCallout3", stst2AccentBorderCallout3},
    {"wedgeRectCallout", stst2WedgeRectCallout},
    {"wedgeRoundRectCallout", stst2WedgeRoundRectCallout},
    {"wedgeEllipseCallout", stst2WedgeEllipseCallout},
    {"cloudCallout", stst2CloudCallout},
    {"cloud", stst2Cloud},
    {"ribbon", stst2Ribbon},
    {"ribbon2", stst2Ribbon2},
    {"ellipseRibbon", stst2EllipseRibbon},
    {"ellipseRibbon2", stst2EllipseRibbon2},
    {"leftRightRibbon", stst2LeftRightRibbon},
    {"verticalScroll", stst2VerticalScroll},
    {"horizontalScroll", stst2HorizontalScroll},
    {"wave", stst2Wave},
    {"doubleWave", stst2DoubleWave},
    {"plus", stst2Plus},
    {"flowChartProcess", stst2FlowChartProcess},
    {"flowChartDecision", stst2FlowChartDecision},
    {"flowChartInputOutput", stst2FlowChartInputOutput},
    {"flowChartPredefinedProcess", stst2FlowChartPredefinedProcess},
    {"flowChartInternalStorage", stst2FlowChartInternalStorage},
    {"flowChartDocument", stst2FlowChartDocument},
    {"flowChartMultidocument", stst2FlowChartMultidocument},
    {"flowChartTerminator", stst2FlowChartTerminator},
    {"flowChartPreparation", stst2FlowChartPreparation},
    {"flowChartManualInput", stst2FlowChartManualInput},
    {"flowChartManualOperation", stst2FlowChartManualOperation},
    {"flowChartConnector", stst2FlowChartConnector},
    {"flowChartPunchedCard", stst2FlowChartPunchedCard},
    {"flowChartPunchedTape", stst2FlowChartPunchedTape},
    {"flowChartSummingJunction", stst2FlowChartSummingJunction},
    {"flowChartOr", stst2FlowChartOr},
    {"flowChartCollate", stst2FlowChartCollate},
    {"flowChartSort", stst2FlowChartSort},
    {"flowChartExtract", stst2FlowChartExtract},
    {"flowChartMerge", stst2FlowChartMerge},
    {"flowChartOfflineStorage", stst2FlowChartOfflineStorage},
    {"flowChartOnlineStorage", stst2FlowChartOnlineStorage},
    {"flowChartMagneticTape", stst2FlowChartMagneticTape},
    {"flowChartMagneticDisk", stst2FlowChartMagneticDisk},
    {"flowChartMagneticDrum", stst2FlowChartMagneticDrum},
    {"flowChartDisplay", stst2FlowChartDisplay},
    {"flowChartDelay", stst2FlowChartDelay},
    {"flowChartAlternateProcess", stst2FlowChartAlternateProcess},
    {"flowChartOffpageConnector", stst2FlowChartOffpageConnector},
    {"actionButtonBlank", stst2ActionButtonBlank},
    {"actionButtonHome", stst2ActionButtonHome},
    {"actionButtonHelp", stst2ActionButtonHelp},
    {"actionButtonInformation", stst2ActionButtonInformation},
    {"actionButtonForwardNext", stst2ActionButtonForwardNext},
    {"actionButtonBackPrevious", stst2ActionButtonBackPrevious},
    {"actionButtonEnd", stst2ActionButtonEnd},
    {"actionButtonBeginning", stst2ActionButtonBeginning},
    {"actionButtonReturn", stst2ActionButtonReturn},
    {"actionButtonDocument", stst2ActionButtonDocument},
    {"actionButtonSound", stst2ActionButtonSound},
    {"actionButtonMovie", stst2ActionButtonMovie},
    {"gear6", stst2Gear6},
    {"gear9", stst2Gear9},
    {"funnel", stst2Funnel},
    {"mathPlus", stst2MathPlus},
    {"mathMinus", stst2MathMinus},
    {"mathMultiply", stst2MathMultiply},
    {"mathDivide", stst2MathDivide},
    {"mathEqual", stst2MathEqual},
    {"mathNotEqual", stst2MathNotEqual},
    {"cornerTabs", stst2CornerTabs},
    {"squareTabs", stst2SquareTabs},
    {"plaqueTabs", stst2PlaqueTabs},
    {"chartX", stst2ChartX},
    {"chartStar", stst2ChartStar},
    {"chartPlus", stst2ChartPlus},
}};
}  // namespace

std::optional<TST_ShapeType> StrToTST_ShapeType(std::string_view text)
{
    for (const auto& [t, v] : cTST_ShapeTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ShapeTypeToStr(TST_ShapeType value)
{
    for (const auto& [t, v] : cTST_ShapeTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_Shd>, 38> cTST_ShdValues{{
    {"nil", stsNil},
    {"clear", stsClear},
    {"solid", stsSolid},
    {"horzStripe", stsHorzStripe},
    {"vertStripe", stsVertStripe},
    {"reverseDiagStripe", stsReverseDiagStripe},
    {"diagStripe", stsDiagStripe},
    {"horzCross", stsHorzCross},
    {"diagCross", stsDiagCross},
    {"thinHorzStripe", stsThinHorzStripe},
    {"thinVertStripe", stsThinVertStripe},
    {"thinReverseDiagStripe", stsThinReverseDiagStripe},
    {"thinDiagStripe", stsThinDiagStripe},
    {"thinHorzCross", stsThinHorzCross},
    {"thinDiagCross", stsThinDiagCross},
    {"pct5", stsPct5},
    {"pct10", stsPct10},
    {"pct12", stsPct12},
    {"pct15", stsPct15},
    {"pct20", stsPct20},
    {"pct25", stsPct25},
    {"pct30", stsPct30},
    {"pct35", stsPct35},
    {"pct37", stsPct37},
    {"pct40", stsPct40},
    {"pct45", stsPct45},
    {"pct50", stsPct50},
    {"pct55", stsPct55},
    {"pct60", stsPct60},
    {"pct62", stsPct62},
    {"pct65", stsPct65},
    {"pct70", stsPct70},
    {"pct75", stsPct75},
    {"pct80", stsPct80},
    {"pct85", stsPct85},
    {"pct87", stsPct87},
    {"pct90", stsPct90},
    {"pct95", stsPct95},
}};
}  // namespace

std::optional<TST_Shd> StrToTST_Shd(std::string_view text)
{
    for (const auto& [t, v] : cTST_ShdValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ShdToStr(TST_Shd value)
{
    for (const auto& [t, v] : cTST_ShdValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_StrokeArrowLength>, 3> cTST_StrokeArrowLengthValues{{
    {"short", stsalShort},
    {"medium", stsalMedium},
    {"long", stsalLong},
}};
}  // namespace

std::optional<TST_StrokeArrowLength> StrToTST_StrokeArrowLength(std::string_view text)
{
    for (const auto& [t, v] : cTST_StrokeArrowLengthValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_StrokeArrowLengthToStr(TST_StrokeArrowLength value)
{
    for (const auto& [t, v] : cTST_StrokeArrowLengthValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_StrokeArrowType>, 6> cTST_StrokeArrowTypeValues{{
    {"none", stsatNone},
    {"block", stsatBlock},
    {"classic", stsatClassic},
    {"oval", stsatOval},
    {"diamond", stsatDiamond},
    {"open", stsatOpen},
}};
}  // namespace

std::optional<TST_StrokeArrowType> StrToTST_StrokeArrowType(std::string_view text)
{
    for (const auto& [t, v] : cTST_StrokeArrowTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_StrokeArrowTypeToStr(TST_StrokeArrowType value)
{
    for (const auto& [t, v] : cTST_StrokeArrowTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_StrokeArrowWidth>, 3> cTST_StrokeArrowWidthValues{{
    {"narrow", stsawNarrow},
    {"medium", stsawMedium},
    {"wide", stsawWide},
}};
}  // namespace

std::optional<TST_StrokeArrowWidth> StrToTST_StrokeArrowWidth(std::string_view text)
{
    for (const auto& [t, v] : cTST_StrokeArrowWidthValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_StrokeArrowWidthToStr(TST_StrokeArrowWidth value)
{
    for (const auto& [t, v] : cTST_StrokeArrowWidthValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_StrokeEndCap>, 3> cTST_StrokeEndCapValues{{
    {"flat", stsecFlat},
    {"square", stsecSquare},
    {"round", stsecRound},
}};
}  // namespace

std::optional<TST_StrokeEndCap> StrToTST_StrokeEndCap(std::string_view text)
{
    for (const auto& [t, v] : cTST_StrokeEndCapValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_StrokeEndCapToStr(TST_StrokeEndCap value)
{
    for (const auto& [t, v] : cTST_StrokeEndCapValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_StrokeJoinStyle>, 3> cTST_StrokeJoinStyleValues{{
    {"round", stsjsRound},
    {"bevel", stsjsBevel},
    {"miter", stsjsMiter},
}};
}  // namespace

std::optional<TST_StrokeJoinStyle> StrToTST_StrokeJoinStyle(std::string_view text)
{
    for (const auto& [t, v] : cTST_StrokeJoinStyleValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_StrokeJoinStyleToStr(TST_StrokeJoinStyle value)
{
    for (const auto& [t, v] : cTST_StrokeJoinStyleValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_StrokeLineStyle>, 5> cTST_StrokeLineStyleValues{{
    {"single", stslsSingle},
    {"thinThin", stslsThinThin},
    {"thinThick", stslsThinThick},
    {"thickThin", stslsThickThin},
    {"thickBetweenThin", stslsThickBetweenThin},
}};
}  // namespace

std::optional<TST_StrokeLineStyle> StrToTST_StrokeLineStyle(std::string_view text)
{
    for (const auto& [t, v] : cTST_StrokeLineStyleValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_StrokeLineStyleToStr(TST_StrokeLineStyle value)
{
    for (const auto& [t, v] : cTST_StrokeLineStyleValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_StyleSort>, 12> cTST_StyleSortValues{{
    {"name", stssName},
    {"priority", stssPriority},
    {"default", stssDefault},
    {"font", stssFont},
    {"basedOn", stssBasedOn},
    {"type", stssType},
    {"0000", stss0000},
    {"0001", stss0001},
    {"0002", stss0002},
    {"0003", stss0003},
    {"0004", stss0004},
    {"0005", stss0005},
}};
}  // namespace

std::optional<TST_StyleSort> StrToTST_StyleSort(std::string_view text)
{
    for (const auto& [t, v] : cTST_StyleSortValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_StyleSortToStr(TST_StyleSort value)
{
    for (const auto& [t, v] : cTST_StyleSortValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_StyleType>, 4> cTST_StyleTypeValues{{
    {"paragraph", ststParagraph},
    {"character", ststCharacter},
    {"table", ststTable},
    {"numbering", ststNumbering},
}};
}  // namespace

std::optional<TST_StyleType> StrToTST_StyleType(std::string_view text)
{
    for (const auto& [t, v] : cTST_StyleTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_StyleTypeToStr(TST_StyleType value)
{
    for (const auto& [t, v] : cTST_StyleTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_SystemColorVal>, 30> cTST_SystemColorValValues{{
    {"scrollBar", stscvScrollBar},
    {"background", stscvBackground},
    {"activeCaption", stscvActiveCaption},
    {"inactiveCaption", stscvInactiveCaption},
    {"menu", stscvMenu},
    {"window", stscvWindow},
    {"windowFrame", stscvWindowFrame},
    {"menuText", stscvMenuText},
    {"windowText", stscvWindowText},
    {"captionText", stscvCaptionText},
    {"activeBorder", stscvActiveBorder},
    {"inactiveBorder", stscvInactiveBorder},
    {"appWorkspace", stscvAppWorkspace},
    {"highlight", stscvHighlight},
    {"highlightText", stscvHighlightText},
    {"btnFace", stscvBtnFace},
    {"btnShadow", stscvBtnShadow},
    {"grayText", stscvGrayText},
    {"btnText", stscvBtnText},
    {"inactiveCaptionText", stscvInactiveCaptionText},
    {"btnHighlight", stscvBtnHighlight},
    {"3dDkShadow", stscv3dDkShadow},
    {"3dLight", stscv3dLight},
    {"infoText", stscvInfoText},
    {"infoBk", stscvInfoBk},
    {"hotLight", stscvHotLight},
    {"gradientActiveCaption", stscvGradientActiveCaption},
    {"gradientInactiveCaption", stscvGradientInactiveCaption},
    {"menuHighlight", stscvMenuHighlight},
    {"menuBar", stscvMenuBar},
}};
}  // namespace

std::optional<TST_SystemColorVal> StrToTST_SystemColorVal(std::string_view text)
{
    for (const auto& [t, v] : cTST_SystemColorValValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_SystemColorValToStr(TST_SystemColorVal value)
{
    for (const auto& [t, v] : cTST_SystemColorValValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_TabJc>, 9> cTST_TabJcValues{{
    {"clear", sttjClear},
    {"start", sttjStart},
    {"center", sttjCenter},
    {"end", sttjEnd},
    {"decimal", sttjDecimal},
    {"bar", sttjBar},
    {"num", sttjNum},
    {"left", sttjLeft},
    {"right", sttjRight},
}};
}  // namespace

std::optional<TST_TabJc> StrToTST_TabJc(std::string_view text)
{
    for (const auto& [t, v] : cTST_TabJcValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_TabJcToStr(TST_TabJc value)
{
    for (const auto& [t, v] : cTST_TabJcValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_TabTlc>, 6> cTST_TabTlcValues{{
    {"none", stttNone},
    {"dot", stttDot},
    {"hyphen", stttHyphen},
    {"underscore", stttUnderscore},
    {"heavy", stttHeavy},
    {"middleDot", stttMiddleDot},
}};
}  // namespace

std::optional<TST_TabTlc> StrToTST_TabTlc(std::string_view text)
{
    for (const auto& [t, v] : cTST_TabTlcValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_TabTlcToStr(TST_TabTlc value)
{
    for (const auto& [t, v] : cTST_TabTlcValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_TargetScreenSz>, 11> cTST_TargetScreenSzValues{{
    {"544x376", sttss544x376},
    {"640x480", sttss640x480},
    {"720x512", sttss720x512},
    {"800x600", sttss800x600},
    {"1024x768", sttss1024x768},
    {"1152x882", sttss1152x882},
    {"1152x900", sttss1152x900},
    {"1280x1024", sttss1280x1024},
    {"1600x1200", sttss1600x1200},
    {"1800x1440", sttss1800x1440},
    {"1920x1200", sttss1920x1200},
}};
}  // namespace

std::optional<TST_TargetScreenSz> StrToTST_TargetScreenSz(std::string_view text)
{
    for (const auto& [t, v] : cTST_TargetScreenSzValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_TargetScreenSzToStr(TST_TargetScreenSz value)
{
    for (const auto& [t, v] : cTST_TargetScreenSzValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_TblLayoutType>, 2> cTST_TblLayoutTypeValues{{
    {"fixed", sttltFixed},
    {"autofit", sttltAutofit},
}};
}  // namespace

std::optional<TST_TblLayoutType> StrToTST_TblLayoutType(std::string_view text)
{
    for (const auto& [t, v] : cTST_TblLayoutTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_TblLayoutTypeToStr(TST_TblLayoutType value)
{
    for (const auto& [t, v] : cTST_TblLayoutTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_TblOverlap>, 2> cTST_TblOverlapValues{{
    {"never", sttoNever},
    {"overlap", sttoOverlap},
}};
}  // namespace

std::optional<TST_TblOverlap> StrToTST_TblOverlap(std::string_view text)
{
    for (const auto& [t, v] : cTST_TblOverlapValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_TblOverlapToStr(TST_TblOverlap value)
{
    for (const auto& [t, v] : cTST_TblOverlapValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_TblStyleOverrideType>, 13> cTST_TblStyleOverrideTypeValues{{
    {"wholeTable", sttsotWholeTable},
    {"firstRow", sttsotFirstRow},
    {"lastRow", sttsotLastRow},
    {"firstCol", sttsotFirstCol},
    {"lastCol", sttsotLastCol},
    {"band1Vert", sttsotBand1Vert},
    {"band2Vert", sttsotBand2Vert},
    {"band1Horz", sttsotBand1Horz},
    {"band2Horz", sttsotBand2Horz},
    {"neCell", sttsotNeCell},
    {"nwCell", sttsotNwCell},
    {"seCell", sttsotSeCell},
    {"swCell", sttsotSwCell},
}};
}  // namespace

std::optional<TST_TblStyleOverrideType> StrToTST_TblStyleOverrideType(std::string_view text)
{
    for (const auto& [t, v] : cTST_TblStyleOverrideTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_TblStyleOverrideTypeToStr(TST_TblStyleOverrideType value)
{
    for (const auto& [t, v] : cTST_TblStyleOverrideTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_TblWidth>, 4> cTST_TblWidthValues{{
    {"nil", sttwNil},
    {"pct", sttwPct},
    {"dxa", sttwDxa},
    {"auto", sttwAuto},
}};
}  // namespace

std::optional<TST_TblWidth> StrToTST_TblWidth(std::string_view text)
{
    for (const auto& [t, v] : cTST_TblWidthValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_TblWidthToStr(TST_TblWidth value)
{
    for (const auto& [t, v] : cTST_TblWidthValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_TextAlignment>, 5> cTST_TextAlignmentValues{{
    {"top", sttaTop},
    {"center", sttaCenter},
    {"baseline", sttaBaseline},
    {"bottom", sttaBottom},
    {"auto", sttaAuto},
}};
}  // namespace

std::optional<TST_TextAlignment> StrToTST_TextAlignment(std::string_view text)
{
    for (const auto& [t, v] : cTST_TextAlignmentValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_TextAlignmentToStr(TST_TextAlignment value)
{
    for (const auto& [t, v] : cTST_TextAlignmentValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_TextDirection>, 12> cTST_TextDirectionValues{{
    {"tb", sttdTb},
    {"rl", sttdRl},
    {"lr", sttdLr},
    {"tbV", sttdTbV},
    {"rlV", sttdRlV},
    {"lrV", sttdLrV},
    {"btLr", sttdBtLr},
    {"lrTb", sttdLrTb},
    {"lrTbV", sttdLrTbV},
    {"tbLrV", sttdTbLrV},
    {"tbRl", sttdTbRl},
    {"tbRlV", sttdTbRlV},
}};
}  // namespace

std::optional<TST_TextDirection> StrToTST_TextDirection(std::string_view text)
{
    for (const auto& [t, v] : cTST_TextDirectionValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_TextDirectionToStr(TST_TextDirection value)
{
    for (const auto& [t, v] : cTST_TextDirectionValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_TextEffect>, 7> cTST_TextEffectValues{{
    {"blinkBackground", stteBlinkBackground},
    {"lights", stteLights},
    {"antsBlack", stteAntsBlack},
    {"antsRed", stteAntsRed},
    {"shimmer", stteShimmer},
    {"sparkle", stteSparkle},
    {"none", stteNone},
}};
}  // namespace

std::optional<TST_TextEffect> StrToTST_TextEffect(std::string_view text)
{
    for (const auto& [t, v] : cTST_TextEffectValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_TextEffectToStr(TST_TextEffect value)
{
    for (const auto& [t, v] : cTST_TextEffectValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_TextboxTightWrap>, 5> cTST_TextboxTightWrapValues{{
    {"none", stttwNone},
    {"allLines", stttwAllLines},
    {"firstAndLastLine", stttwFirstAndLastLine},
    {"firstLineOnly", stttwFirstLineOnly},
    {"lastLineOnly", stttwLastLineOnly},
}};
}  // namespace

std::optional<TST_TextboxTightWrap> StrToTST_TextboxTightWrap(std::string_view text)
{
    for (const auto& [t, v] : cTST_TextboxTightWrapValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_TextboxTightWrapToStr(TST_TextboxTightWrap value)
{
    for (const auto& [t, v] : cTST_TextboxTightWrapValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_Theme>, 8> cTST_ThemeValues{{
    {"majorEastAsia", sttMajorEastAsia},
    {"majorBidi", sttMajorBidi},
    {"majorAscii", sttMajorAscii},
    {"majorHAnsi", sttMajorHAnsi},
    {"minorEastAsia", sttMinorEastAsia},
    {"minorBidi", sttMinorBidi},
    {"minorAscii", sttMinorAscii},
    {"minorHAnsi", sttMinorHAnsi},
}};
}  // namespace

std::optional<TST_Theme> StrToTST_Theme(std::string_view text)
{
    for (const auto& [t, v] : cTST_ThemeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ThemeToStr(TST_Theme value)
{
    for (const auto& [t, v] : cTST_ThemeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_ThemeColor>, 17> cTST_ThemeColorValues{{
    {"dark1", sttcDark1},
    {"light1", sttcLight1},
    {"dark2", sttcDark2},
    {"light2", sttcLight2},
    {"accent1", sttcAccent1},
    {"accent2", sttcAccent2},
    {"accent3", sttcAccent3},
    {"accent4", sttcAccent4},
    {"accent5", sttcAccent5},
    {"accent6", sttcAccent6},
    {"hyperlink", sttcHyperlink},
    {"followedHyperlink", sttcFollowedHyperlink},
    {"none", sttcNone},
    {"background1", sttcBackground1},
    {"text1", sttcText1},
    {"background2", sttcBackground2},
    {"text2", sttcText2},
}};
}  // namespace

std::optional<TST_ThemeColor> StrToTST_ThemeColor(std::string_view text)
{
    for (const auto& [t, v] : cTST_ThemeColorValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ThemeColorToStr(TST_ThemeColor value)
{
    for (const auto& [t, v] : cTST_ThemeColorValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_TileFlipMode>, 4> cTST_TileFlipModeValues{{
    {"none", sttfmNone},
    {"x", sttfmX},
    {"y", sttfmY},
    {"xy", sttfmXy},
}};
}  // namespace

std::optional<TST_TileFlipMode> StrToTST_TileFlipMode(std::string_view text)
{
    for (const auto& [t, v] : cTST_TileFlipModeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_TileFlipModeToStr(TST_TileFlipMode value)
{
    for (const auto& [t, v] : cTST_TileFlipModeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_TrueFalse>, 4> cTST_TrueFalseValues{{
    {"t", sttfT},
    {"f", sttfF},
    {"true", sttfTrue},
    {"false", sttfFalse},
}};
}  // namespace

std::optional<TST_TrueFalse> StrToTST_TrueFalse(std::string_view text)
{
    for (const auto& [t, v] : cTST_TrueFalseValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_TrueFalseToStr(TST_TrueFalse value)
{
    for (const auto& [t, v] : cTST_TrueFalseValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_TrueFalseBlank>, 7> cTST_TrueFalseBlankValues{{
    {"t", sttfbT},
    {"f", sttfbF},
    {"true", sttfbTrue},
    {"false", sttfbFalse},
    {"", sttfbEmpty},
    {"True", sttfbTrue_},
    {"False", sttfbFalse_},
}};
}  // namespace

std::optional<TST_TrueFalseBlank> StrToTST_TrueFalseBlank(std::string_view text)
{
    for (const auto& [t, v] : cTST_TrueFalseBlankValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_TrueFalseBlankToStr(TST_TrueFalseBlank value)
{
    for (const auto& [t, v] : cTST_TrueFalseBlankValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_Underline>, 18> cTST_UnderlineValues{{
    {"single", stuSingle},
    {"words", stuWords},
    {"double", stuDouble},
    {"thick", stuThick},
    {"dotted", stuDotted},
    {"dottedHeavy", stuDottedHeavy},
    {"dash", stuDash},
    {"dashedHeavy", stuDashedHeavy},
    {"dashLong", stuDashLong},
    {"dashLongHeavy", stuDashLongHeavy},
    {"dotDash", stuDotDash},
    {"dashDotHeavy", stuDashDotHeavy},
    {"dotDotDash", stuDotDotDash},
    {"dashDotDotHeavy", stuDashDotDotHeavy},
    {"wave", stuWave},
    {"wavyHeavy", stuWavyHeavy},
    {"wavyDouble", stuWavyDouble},
    {"none", stuNone},
}};
}  // namespace

std::optional<TST_Underline> StrToTST_Underline(std::string_view text)
{
    for (const auto& [t, v] : cTST_UnderlineValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_UnderlineToStr(TST_Underline value)
{
    for (const auto& [t, v] : cTST_UnderlineValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_VAnchor>, 3> cTST_VAnchorValues{{
    {"text", stvanText},
    {"margin", stvanMargin},
    {"page", stvanPage},
}};
}  // namespace

std::optional<TST_VAnchor> StrToTST_VAnchor(std::string_view text)
{
    for (const auto& [t, v] : cTST_VAnchorValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_VAnchorToStr(TST_VAnchor value)
{
    for (const auto& [t, v] : cTST_VAnchorValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_VerticalAlignRun>, 3> cTST_VerticalAlignRunValues{{
    {"baseline", stvarBaseline},
    {"superscript", stvarSuperscript},
    {"subscript", stvarSubscript},
}};
}  // namespace

std::optional<TST_VerticalAlignRun> StrToTST_VerticalAlignRun(std::string_view text)
{
    for (const auto& [t, v] : cTST_VerticalAlignRunValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_VerticalAlignRunToStr(TST_VerticalAlignRun value)
{
    for (const auto& [t, v] : cTST_VerticalAlignRunValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_VerticalAnchor>, 4> cTST_VerticalAnchorValues{{
    {"margin", stvaMargin},
    {"page", stvaPage},
    {"text", stvaText},
    {"line", stvaLine},
}};
}  // namespace

std::optional<TST_VerticalAnchor> StrToTST_VerticalAnchor(std::string_view text)
{
    for (const auto& [t, v] : cTST_VerticalAnchorValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_VerticalAnchorToStr(TST_VerticalAnchor value)
{
    for (const auto& [t, v] : cTST_VerticalAnchorValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_VerticalJc>, 4> cTST_VerticalJcValues{{
    {"top", stvjTop},
    {"center", stvjCenter},
    {"both", stvjBoth},
    {"bottom", stvjBottom},
}};
}  // namespace

std::optional<TST_VerticalJc> StrToTST_VerticalJc(std::string_view text)
{
    for (const auto& [t, v] : cTST_VerticalJcValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_VerticalJcToStr(TST_VerticalJc value)
{
    for (const auto& [t, v] : cTST_VerticalJcValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_View>, 6> cTST_ViewValues{{
    {"none", stvNone},
    {"print", stvPrint},
    {"outline", stvOutline},
    {"masterPages", stvMasterPages},
    {"normal", stvNormal},
    {"web", stvWeb},
}};
}  // namespace

std::optional<TST_View> StrToTST_View(std::string_view text)
{
    for (const auto& [t, v] : cTST_ViewValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ViewToStr(TST_View value)
{
    for (const auto& [t, v] : cTST_ViewValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_WmlColorSchemeIndex>, 12> cTST_WmlColorSchemeIndexValues{{
    {"dark1", stwcsiDark1},
    {"light1", stwcsiLight1},
    {"dark2", stwcsiDark2},
    {"light2", stwcsiLight2},
    {"accent1", stwcsiAccent1},
    {"accent2", stwcsiAccent2},
    {"accent3", stwcsiAccent3},
    {"accent4", stwcsiAccent4},
    {"accent5", stwcsiAccent5},
    {"accent6", stwcsiAccent6},
    {"hyperlink", stwcsiHyperlink},
    {"followedHyperlink", stwcsiFollowedHyperlink},
}};
}  // namespace

std::optional<TST_WmlColorSchemeIndex> StrToTST_WmlColorSchemeIndex(std::string_view text)
{
    for (const auto& [t, v] : cTST_WmlColorSchemeIndexValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_WmlColorSchemeIndexToStr(TST_WmlColorSchemeIndex value)
{
    for (const auto& [t, v] : cTST_WmlColorSchemeIndexValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_Wrap>, 6> cTST_WrapValues{{
    {"auto", stwAuto},
    {"notBeside", stwNotBeside},
    {"around", stwAround},
    {"tight", stwTight},
    {"through", stwThrough},
    {"none", stwNone},
}};
}  // namespace

std::optional<TST_Wrap> StrToTST_Wrap(std::string_view text)
{
    for (const auto& [t, v] : cTST_WrapValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_WrapToStr(TST_Wrap value)
{
    for (const auto& [t, v] : cTST_WrapValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_WrapSide>, 4> cTST_WrapSideValues{{
    {"both", stwsBoth},
    {"left", stwsLeft},
    {"right", stwsRight},
    {"largest", stwsLargest},
}};
}  // namespace

std::optional<TST_WrapSide> StrToTST_WrapSide(std::string_view text)
{
    for (const auto& [t, v] : cTST_WrapSideValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_WrapSideToStr(TST_WrapSide value)
{
    for (const auto& [t, v] : cTST_WrapSideValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_WrapText>, 4> cTST_WrapTextValues{{
    {"bothSides", stwrteBothSides},
    {"left", stwrteLeft},
    {"right", stwrteRight},
    {"largest", stwrteLargest},
}};
}  // namespace

std::optional<TST_WrapText> StrToTST_WrapText(std::string_view text)
{
    for (const auto& [t, v] : cTST_WrapTextValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_WrapTextToStr(TST_WrapText value)
{
    for (const auto& [t, v] : cTST_WrapTextValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_WrapType>, 5> cTST_WrapTypeValues{{
    {"topAndBottom", stwtTopAndBottom},
    {"square", stwtSquare},
    {"none", stwtNone},
    {"tight", stwtTight},
    {"through", stwtThrough},
}};
}  // namespace

std::optional<TST_WrapType> StrToTST_WrapType(std::string_view text)
{
    for (const auto& [t, v] : cTST_WrapTypeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_WrapTypeToStr(TST_WrapType value)
{
    for (const auto& [t, v] : cTST_WrapTypeValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_XAlign>, 5> cTST_XAlignValues{{
    {"left", stxaLeft},
    {"center", stxaCenter},
    {"right", stxaRight},
    {"inside", stxaInside},
    {"outside", stxaOutside},
}};
}  // namespace

std::optional<TST_XAlign> StrToTST_XAlign(std::string_view text)
{
    for (const auto& [t, v] : cTST_XAlignValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_XAlignToStr(TST_XAlign value)
{
    for (const auto& [t, v] : cTST_XAlignValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_YAlign>, 6> cTST_YAlignValues{{
    {"inline", styaInline},
    {"top", styaTop},
    {"center", styaCenter},
    {"bottom", styaBottom},
    {"inside", styaInside},
    {"outside", styaOutside},
}};
}  // namespace

std::optional<TST_YAlign> StrToTST_YAlign(std::string_view text)
{
    for (const auto& [t, v] : cTST_YAlignValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_YAlignToStr(TST_YAlign value)
{
    for (const auto& [t, v] : cTST_YAlignValues)
        if (v == value)
            return t;
    return {};
}

namespace {
constexpr std::array<std::pair<std::string_view, TST_Zoom>, 4> cTST_ZoomValues{{
    {"none", stzNone},
    {"fullPage", stzFullPage},
    {"bestFit", stzBestFit},
    {"textFit", stzTextFit},
}};
}  // namespace

std::optional<TST_Zoom> StrToTST_Zoom(std::string_view text)
{
    for (const auto& [t, v] : cTST_ZoomValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_ZoomToStr(TST_Zoom value)
{
    for (const auto& [t, v] : cTST_ZoomValues)
        if (v == value)
            return t;
    return {};
}

std::unique_ptr<TNYQBase> NyqDocxNewRoot(std::string_view qname)
{
    if (qname == "w:document")
        return std::make_unique<TCT_Document>();
    if (qname == "w:styles")
        return std::make_unique<TCT_Styles>();
    if (qname == "w:numbering")
        return std::make_unique<TCT_Numbering>();
    if (qname == "w:settings")
        return std::make_unique<TCT_Settings>();
    if (qname == "w:webSettings")
        return std::make_unique<TCT_WebSettings>();
    if (qname == "w:fonts")
        return std::make_unique<TCT_FontsList>();
    if (qname == "w:footnotes")
        return std::make_unique<TCT_Footnotes>();
    if (qname == "w:endnotes")
        return std::make_unique<TCT_Endnotes>();
    if (qname == "w:comments")
        return std::make_unique<TCT_Comments>();
    if (qname == "w:hdr")
        return std::make_unique<TCT_HdrFtr>();
    if (qname == "w:ftr")
        return std::make_unique<TCT_HdrFtr>();
    if (qname == "pic:pic")
        return std::make_unique<TCT_Picture_pic>();
    if (qname == "v:shape")
        return std::make_unique<TCT_Shape>();
    if (qname == "v:shapetype")
        return std::make_unique<TCT_Shapetype>();
    if (qname == "v:group")
        return std::make_unique<TCT_Group>();
    if (qname == "v:rect")
        return std::make_unique<TCT_Rect>();
    if (qname == "v:roundrect")
        return std::make_unique<TCT_RoundRect>();
    if (qname == "v:oval")
        return std::make_unique<TCT_Oval>();
    if (qname == "v:line")
        return std::make_unique<TCT_Line>();
    if (qname == "v:polyline")
        return std::make_unique<TCT_PolyLine>();
    if (qname == "v:arc")
        return std::make_unique<TCT_Arc>();
    if (qname == "v:curve")
        return std::make_unique<TCT_Curve>();
    if (qname == "v:image")
        return std::make_unique<TCT_Image>();
    return nullptr;
}

// ---------------------------------------------------------------------------
// TDocxPartDoc

TDocxPartDoc::TDocxPartDoc() = default;
TDocxPartDoc::~TDocxPartDoc() = default;

TCT_Document& TDocxPartDoc::Create_Document()
{
    if (!FDocument) {
        FDocument = std::make_unique<TCT_Document>();
        FDocument->SetAssigned();
    }
    SetHasChildren();
    return *FDocument;
}

TCT_Styles& TDocxPartDoc::Create_Styles()
{
    if (!FStyles) {
        FStyles = std::make_unique<TCT_Styles>();
        FStyles->SetAssigned();
    }
    SetHasChildren();
    return *FStyles;
}

TCT_Numbering& TDocxPartDoc::Create_Numbering()
{
    if (!FNumbering) {
        FNumbering = std::make_unique<TCT_Numbering>();
        FNumbering->SetAssigned();
    }
    SetHasChildren();
    return *FNumbering;
}

TCT_Settings& TDocxPartDoc::Create_Settings()
{
    if (!FSettings) {
        FSettings = std::make_unique<TCT_Settings>();
        FSettings->SetAssigned();
    }
    SetHasChildren();
    return *FSettings;
}

TCT_WebSettings& TDocxPartDoc::Create_WebSettings()
{
    if (!FWebSettings) {
        FWebSettings = std::make_unique<TCT_WebSettings>();
        FWebSettings->SetAssigned();
    }
    SetHasChildren();
    return *FWebSettings;
}

TCT_FontsList& TDocxPartDoc::Create_Fonts()
{
    if (!FFonts) {
        FFonts = std::make_unique<TCT_FontsList>();
        FFonts->SetAssigned();
    }
    SetHasChildren();
    return *FFonts;
}

TCT_Footnotes& TDocxPartDoc::Create_Footnotes()
{
    if (!FFootnotes) {
        FFootnotes = std::make_unique<TCT_Footnotes>();
        FFootnotes->SetAssigned();
    }
    SetHasChildren();
    return *FFootnotes;
}

TCT_Endnotes& TDocxPartDoc::Create_Endnotes()
{
    if (!FEndnotes) {
        FEndnotes = std::make_unique<TCT_Endnotes>();
        FEndnotes->SetAssigned();
    }
    SetHasChildren();
    return *FEndnotes;
}

TCT_Comments& TDocxPartDoc::Create_Comments()
{
    if (!FComments) {
        FComments = std::make_unique<TCT_Comments>();
        FComments->SetAssigned();
    }
    SetHasChildren();
    return *FComments;
}

TCT_HdrFtr& TDocxPartDoc::Create_Hdr()
{
    if (!FHdr) {
        FHdr = std::make_unique<TCT_HdrFtr>();
        FHdr->SetAssigned();
    }
    SetHasChildren();
    return *FHdr;
}

TCT_HdrFtr& TDocxPartDoc::Create_Ftr()
{
    if (!FFtr) {
        FFtr = std::make_unique<TCT_HdrFtr>();
        FFtr->SetAssigned();
    }
    SetHasChildren();
    return *FFtr;
}

TCT_Picture_pic& TDocxPartDoc::Create_Pic()
{
    if (!FPic) {
        FPic = std::make_unique<TCT_Picture_pic>();
        FPic->SetAssigned();
    }
    SetHasChildren();
    return *FPic;
}

TCT_Shape& TDocxPartDoc::Create_Shape()
{
    if (!FShape) {
        FShape = std::make_unique<TCT_Shape>();
        FShape->SetAssigned();
    }
    SetHasChildren();
    return *FShape;
}

TCT_Shapetype& TDocxPartDoc::Create_Shapetype()
{
    if (!FShapetype) {
        FShapetype = std::make_unique<TCT_Shapetype>();
        FShapetype->SetAssigned();
    }
    SetHasChildren();
    return *FShapetype;
}

TCT_Group& TDocxPartDoc::Create_Group()
{
    if (!FGroup) {
        FGroup = std::make_unique<TCT_Group>();
        FGroup->SetAssigned();
    }
    SetHasChildren();
    return *FGroup;
}

TCT_Rect& TDocxPartDoc::Create_Rect()
{
    if (!FRect) {
        FRect = std::make_unique<TCT_Rect>();
        FRect->SetAssigned();
    }
    SetHasChildren();
    return *FRect;
}

TCT_RoundRect& TDocxPartDoc::Create_Roundrect()
{
    if (!FRoundrect) {
        FRoundrect = std::make_unique<TCT_RoundRect>();
        FRoundrect->SetAssigned();
    }
    SetHasChildren();
    return *FRoundrect;
}

TCT_Oval& TDocxPartDoc::Create_Oval()
{
    if (!FOval) {
        FOval = std::make_unique<TCT_Oval>();
        FOval->SetAssigned();
    }
    SetHasChildren();
    return *FOval;
}

TCT_Line& TDocxPartDoc::Create_Line()
{
    if (!FLine) {
        FLine = std::make_unique<TCT_Line>();
        FLine->SetAssigned();
    }
    SetHasChildren();
    return *FLine;
}

TCT_PolyLine& TDocxPartDoc::Create_Polyline()
{
    if (!FPolyline) {
        FPolyline = std::make_unique<TCT_PolyLine>();
        FPolyline->SetAssigned();
    }
    SetHasChildren();
    return *FPolyline;
}

TCT_Arc& TDocxPartDoc::Create_Arc()
{
    if (!FArc) {
        FArc = std::make_unique<TCT_Arc>();
        FArc->SetAssigned();
    }
    SetHasChildren();
    return *FArc;
}

TCT_Curve& TDocxPartDoc::Create_Curve()
{
    if (!FCurve) {
        FCurve = std::make_unique<TCT_Curve>();
        FCurve->SetAssigned();
    }
    SetHasChildren();
    return *FCurve;
}

TCT_Image& TDocxPartDoc::Create_Image()
{
    if (!FImage) {
        FImage = std::make_unique<TCT_Image>();
        FImage->SetAssigned();
    }
    SetHasChildren();
    return *FImage;
}

TNYQBase* TDocxPartDoc::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 310:
        if (local == "arc") {
            return &Create_Arc();
        }
        break;
    case 316:
        if (local == "pic") {
            return &Create_Pic();
        }
        break;
    case 318:
        if (local == "hdr") {
            return &Create_Hdr();
        }
        break;
    case 332:
        if (local == "ftr") {
            return &Create_Ftr();
        }
        break;
    case 424:
        if (local == "line") {
            return &Create_Line();
        }
        break;
    case 430:
        if (local == "rect") {
            return &Create_Rect();
        }
        break;
    case 434:
        if (local == "oval") {
            return &Create_Oval();
        }
        break;
    case 515:
        if (local == "image") {
            return &Create_Image();
        }
        break;
    case 529:
        if (local == "shape") {
            return &Create_Shape();
        }
        break;
    case 549:
        if (local == "curve") {
            return &Create_Curve();
        }
        break;
    case 554:
        if (local == "fonts") {
            return &Create_Fonts();
        }
        break;
    case 557:
        if (local == "group") {
            return &Create_Group();
        }
        break;
    case 676:
        if (local == "styles") {
            return &Create_Styles();
        }
        break;
    case 863:
        if (local == "document") {
            return &Create_Document();
        }
        break;
    case 864:
        if (local == "endnotes") {
            return &Create_Endnotes();
        }
        break;
    case 870:
        if (local == "comments") {
            return &Create_Comments();
        }
        break;
    case 876:
        if (local == "polyline") {
            return &Create_Polyline();
        }
        break;
    case 881:
        if (local == "settings") {
            return &Create_Settings();
        }
        break;
    case 967:
        if (local == "numbering") {
            return &Create_Numbering();
        }
        break;
    case 979:
        if (local == "shapetype") {
            return &Create_Shapetype();
        }
        break;
    case 982:
        if (local == "roundrect") {
            return &Create_Roundrect();
        }
        break;
    case 993:
        if (local == "footnotes") {
            return &Create_Footnotes();
        }
        break;
    case 1167:
        if (local == "webSettings") {
            return &Create_WebSettings();
        }
        break;
    default:
        break;
    }
    return nullptr;
}

void TDocxPartDoc::Write(TNyqWriteXML& writer) const
{
    (void)writer;
    if (FDocument) {
        WriteRootAttributes(writer, "xmlns:w", "http://schemas.openxmlformats.org/wordprocessingml/2006/main");
        NyqWriteChild(writer, "w:document", *FDocument);
    }
    if (FStyles) {
        WriteRootAttributes(writer, "xmlns:w", "http://schemas.openxmlformats.org/wordprocessingml/2006/main");
        NyqWriteChild(writer, "w:styles", *FStyles);
    }
    if (FNumbering) {
        WriteRootAttributes(writer, "xmlns:w", "http://schemas.openxmlformats.org/wordprocessingml/2006/main");
        NyqWriteChild(writer, "w:numbering", *FNumbering);
    }
    if (FSettings) {
        WriteRootAttributes(writer, "xmlns:w", "http://schemas.openxmlformats.org/wordprocessingml/2006/main");
        NyqWriteChild(writer, "w:settings", *FSettings);
    }
    if (FWebSettings) {
        WriteRootAttributes(writer, "xmlns:w", "http://schemas.openxmlformats.org/wordprocessingml/2006/main");
        NyqWriteChild(writer, "w:webSettings", *FWebSettings);
    }
    if (FFonts) {
        WriteRootAttributes(writer, "xmlns:w", "http://schemas.openxmlformats.org/wordprocessingml/2006/main");
        NyqWriteChild(writer, "w:fonts", *FFonts);
    }
    if (FFootnotes) {
        WriteRootAttributes(writer, "xmlns:w", "http://schemas.openxmlformats.org/wordprocessingml/2006/main");
        NyqWriteChild(writer, "w:footnotes", *FFootnotes);
    }
    if (FEndnotes) {
        WriteRootAttributes(writer, "xmlns:w", "http://schemas.openxmlformats.org/wordprocessingml/2006/main");
        NyqWriteChild(writer, "w:endnotes", *FEndnotes);
    }
    if (FComments) {
        WriteRootAttributes(writer, "xmlns:w", "http://schemas.openxmlformats.org/wordprocessingml/2006/main");
        NyqWriteChild(writer, "w:comments", *FComments);
    }
    if (FHdr) {
        WriteRootAttributes(writer, "xmlns:w", "http://schemas.openxmlformats.org/wordprocessingml/2006/main");
        NyqWriteChild(writer, "w:hdr", *FHdr);
    }
    if (FFtr) {
        WriteRootAttributes(writer, "xmlns:w", "http://schemas.openxmlformats.org/wordprocessingml/2006/main");
        NyqWriteChild(writer, "w:ftr", *FFtr);
    }
    if (FPic) {
        WriteRootAttributes(writer, "xmlns:pic", "http://schemas.openxmlformats.org/drawingml/2006/picture");
        NyqWriteChild(writer, "pic:pic", *FPic);
    }
    if (FShape) {
        WriteRootAttributes(writer, "xmlns:v", "urn:schemas-microsoft-com:vml");
        NyqWriteChild(writer, "v:shape", *FShape);
    }
    if (FShapetype) {
        WriteRootAttributes(writer, "xmlns:v", "urn:schemas-microsoft-com:vml");
        NyqWriteChild(writer, "v:shapetype", *FShapetype);
    }
    if (FGroup) {
        WriteRootAttributes(writer, "xmlns:v", "urn:schemas-microsoft-com:vml");
        NyqWriteChild(writer, "v:group", *FGroup);
    }
    if (FRect) {
        WriteRootAttributes(writer, "xmlns:v", "urn:schemas-microsoft-com:vml");
        NyqWriteChild(writer, "v:rect", *FRect);
    }
    if (FRoundrect) {
        WriteRootAttributes(writer, "xmlns:v", "urn:schemas-microsoft-com:vml");
        NyqWriteChild(writer, "v:roundrect", *FRoundrect);
    }
    if (FOval) {
        WriteRootAttributes(writer, "xmlns:v", "urn:schemas-microsoft-com:vml");
        NyqWriteChild(writer, "v:oval", *FOval);
    }
    if (FLine) {
        WriteRootAttributes(writer, "xmlns:v", "urn:schemas-microsoft-com:vml");
        NyqWriteChild(writer, "v:line", *FLine);
    }
    if (FPolyline) {
        WriteRootAttributes(writer, "xmlns:v", "urn:schemas-microsoft-com:vml");
        NyqWriteChild(writer, "v:polyline", *FPolyline);
    }
    if (FArc) {
        WriteRootAttributes(writer, "xmlns:v", "urn:schemas-microsoft-com:vml");
        NyqWriteChild(writer, "v:arc", *FArc);
    }
    if (FCurve) {
        WriteRootAttributes(writer, "xmlns:v", "urn:schemas-microsoft-com:vml");
        NyqWriteChild(writer, "v:curve", *FCurve);
    }
    if (FImage) {
        WriteRootAttributes(writer, "xmlns:v", "urn:schemas-microsoft-com:vml");
        NyqWriteChild(writer, "v:image", *FImage);
    }
}

void TDocxPartDoc::Clear()
{
    TNYQBase::Clear();
    FDocument.reset();
    FStyles.reset();
    FNumbering.reset();
    FSettings.reset();
    FWebSettings.reset();
    FFonts.reset();
    FFootnotes.reset();
    FEndnotes.reset();
    FComments.reset();
    FHdr.reset();
    FFtr.reset();
    FPic.reset();
    FShape.reset();
    FShapetype.reset();
    FGroup.reset();
    FRect.reset();
    FRoundrect.reset();
    FOval.reset();
    FLine.reset();
    FPolyline.reset();
    FArc.reset();
    FCurve.reset();
    FImage.reset();
}

void TDocxPartDoc::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TDocxPartDoc*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FDocument)
        Create_Document().Assign(*o->FDocument);
    if (o->FStyles)
        Create_Styles().Assign(*o->FStyles);
    if (o->FNumbering)
        Create_Numbering().Assign(*o->FNumbering);
    if (o->FSettings)
        Create_Settings().Assign(*o->FSettings);
    if (o->FWebSettings)
        Create_WebSettings().Assign(*o->FWebSettings);
    if (o->FFonts)
        Create_Fonts().Assign(*o->FFonts);
    if (o->FFootnotes)
        Create_Footnotes().Assign(*o->FFootnotes);
    if (o->FEndnotes)
        Create_Endnotes().Assign(*o->FEndnotes);
    if (o->FComments)
        Create_Comments().Assign(*o->FComments);
    if (o->FHdr)
        Create_Hdr().Assign(*o->FHdr);
    if (o->FFtr)
        Create_Ftr().Assign(*o->FFtr);
    if (o->FPic)
        Create_Pic().Assign(*o->FPic);
    if (o->FShape)
        Create_Shape().Assign(*o->FShape);
    if (o->FShapetype)
        Create_Shapetype().Assign(*o->FShapetype);
    if (o->FGroup)
        Create_Group().Assign(*o->FGroup);
    if (o->FRect)
        Create_Rect().Assign(*o->FRect);
    if (o->FRoundrect)
        Create_Roundrect().Assign(*o->FRoundrect);
    if (o->FOval)
        Create_Oval().Assign(*o->FOval);
    if (o->FLine)
        Create_Line().Assign(*o->FLine);
    if (o->FPolyline)
        Create_Polyline().Assign(*o->FPolyline);
    if (o->FArc)
        Create_Arc().Assign(*o->FArc);
    if (o->FCurve)
        Create_Curve().Assign(*o->FCurve);
    if (o->FImage)
        Create_Image().Assign(*o->FImage);
    RootAttributes = o->RootAttributes;
}

bool TDocxPartDoc::HasElements() const
{
    return FDocument != nullptr || FStyles != nullptr || FNumbering != nullptr || FSettings != nullptr || FWebSettings != nullptr || FFonts != nullptr || FFootnotes != nullptr || FEndnotes != nullptr || FComments != nullptr || FHdr != nullptr || FFtr != nullptr || FPic != nullptr || FShape != nullptr || FShapetype != nullptr || FGroup != nullptr || FRect != nullptr || FRoundrect != nullptr || FOval != nullptr || FLine != nullptr || FPolyline != nullptr || FArc != nullptr || FCurve != nullptr || FImage != nullptr;
}

