// NyqDocx.h: schema classes generated from wml.xsd, shared-commonSimpleTypes.xsd, shared-relationshipReference.xsd, dml-main.xsd, dml-picture.xsd, dml-wordprocessingDrawing.xsd, vml-main.xsd, vml-officeDrawing.xsd, vml-wordprocessingDrawing.xsd by tools/nyq_xsdgen.py; do not edit.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "formats/NyqUtils.h"
#include "formats/schema/NyqBase.h"

#include "model/VYXDefs.h"
enum TST_AlgClass { stacHash, stacCustom };
std::optional<TST_AlgClass> StrToTST_AlgClass(std::string_view text);
std::string_view TST_AlgClassToStr(TST_AlgClass value);

enum TST_AlgType { statTypeAny, statCustom };
std::optional<TST_AlgType> StrToTST_AlgType(std::string_view text);
std::string_view TST_AlgTypeToStr(TST_AlgType value);

enum TST_Angle_o { staAny, sta30, sta45, sta60, sta90, staAuto };
std::optional<TST_Angle_o> StrToTST_Angle_o(std::string_view text);
std::string_view TST_Angle_oToStr(TST_Angle_o value);

enum TST_AnnotationVMerge { stavmCont, stavmRest };
std::optional<TST_AnnotationVMerge> StrToTST_AnnotationVMerge(std::string_view text);
std::string_view TST_AnnotationVMergeToStr(TST_AnnotationVMerge value);

enum TST_BWMode { stbwmColor, stbwmAuto, stbwmGrayScale, stbwmLightGrayscale, stbwmInverseGray, stbwmGrayOutline, stbwmHighContrast, stbwmBlack, stbwmWhite, stbwmHide, stbwmUndrawn, stbwmBlackTextAndLines };
std::optional<TST_BWMode> StrToTST_BWMode(std::string_view text);
std::string_view TST_BWModeToStr(TST_BWMode value);

enum TST_BevelPresetType { stbptRelaxedInset, stbptCircle, stbptSlope, stbptCross, stbptAngle, stbptSoftRound, stbptConvex, stbptCoolSlant, stbptDivot, stbptRiblet, stbptHardEdge, stbptArtDeco };
std::optional<TST_BevelPresetType> StrToTST_BevelPresetType(std::string_view text);
std::string_view TST_BevelPresetTypeToStr(TST_BevelPresetType value);

enum TST_BlackWhiteMode { stblwhmoClr, stblwhmoAuto, stblwhmoGray, stblwhmoLtGray, stblwhmoInvGray, stblwhmoGrayWhite, stblwhmoBlackGray, stblwhmoBlackWhite, stblwhmoBlack, stblwhmoWhite, stblwhmoHidden };
std::optional<TST_BlackWhiteMode> StrToTST_BlackWhiteMode(std::string_view text);
std::string_view TST_BlackWhiteModeToStr(TST_BlackWhiteMode value);

enum TST_BlendMode { stbmOver, stbmMult, stbmScreen, stbmDarken, stbmLighten };
std::optional<TST_BlendMode> StrToTST_BlendMode(std::string_view text);
std::string_view TST_BlendModeToStr(TST_BlendMode value);

enum TST_BlipCompression { stbcEmail, stbcScreen, stbcPrint, stbcHqprint, stbcNone };
std::optional<TST_BlipCompression> StrToTST_BlipCompression(std::string_view text);
std::string_view TST_BlipCompressionToStr(TST_BlipCompression value);

std::optional<TST_Border> StrToTST_Border(std::string_view text);
std::string_view TST_BorderToStr(TST_Border value);

enum TST_BorderShadow { stbsT, stbsTrue, stbsF, stbsFalse };
std::optional<TST_BorderShadow> StrToTST_BorderShadow(std::string_view text);
std::string_view TST_BorderShadowToStr(TST_BorderShadow value);

enum TST_BorderType { stbtNone, stbtSingle, stbtThick, stbtDouble, stbtHairline, stbtDot, stbtDash, stbtDotDash, stbtDashDotDot, stbtTriple, stbtThinThickSmall, stbtThickThinSmall, stbtThickBetweenThinSmall, stbtThinThick, stbtThickThin, stbtThickBetweenThin, stbtThinThickLarge, stbtThickThinLarge, stbtThickBetweenThinLarge, stbtWave, stbtDoubleWave, stbtDashedSmall, stbtDashDotStroked, stbtThreeDEmboss, stbtThreeDEngrave, stbtHTMLOutset, stbtHTMLInset };
std::optional<TST_BorderType> StrToTST_BorderType(std::string_view text);
std::string_view TST_BorderTypeToStr(TST_BorderType value);

enum TST_BrClear { stbrclNone, stbrclLeft, stbrclRight, stbrclAll };
std::optional<TST_BrClear> StrToTST_BrClear(std::string_view text);
std::string_view TST_BrClearToStr(TST_BrClear value);

enum TST_BrType { stbrtyPage, stbrtyColumn, stbrtyTextWrapping };
std::optional<TST_BrType> StrToTST_BrType(std::string_view text);
std::string_view TST_BrTypeToStr(TST_BrType value);

enum TST_CalendarType { stcatyGregorian, stcatyGregorianUs, stcatyGregorianMeFrench, stcatyGregorianArabic, stcatyHijri, stcatyHebrew, stcatyTaiwan, stcatyJapan, stcatyThai, stcatyKorea, stcatySaka, stcatyGregorianXlitEnglish, stcatyGregorianXlitFrench, stcatyNone };
std::optional<TST_CalendarType> StrToTST_CalendarType(std::string_view text);
std::string_view TST_CalendarTypeToStr(TST_CalendarType value);

enum TST_CaptionPos { stcapoAbove, stcapoBelow, stcapoLeft, stcapoRight };
std::optional<TST_CaptionPos> StrToTST_CaptionPos(std::string_view text);
std::string_view TST_CaptionPosToStr(TST_CaptionPos value);

enum TST_ChapterSep { stchseHyphen, stchsePeriod, stchseColon, stchseEmDash, stchseEnDash };
std::optional<TST_ChapterSep> StrToTST_ChapterSep(std::string_view text);
std::string_view TST_ChapterSepToStr(TST_ChapterSep value);

enum TST_CharacterSpacing { stcsDoNotCompress, stcsCompressPunctuation, stcsCompressPunctuationAndJapaneseKana };
std::optional<TST_CharacterSpacing> StrToTST_CharacterSpacing(std::string_view text);
std::string_view TST_CharacterSpacingToStr(TST_CharacterSpacing value);

enum TST_ColorMode { stcmAuto, stcmCustom };
std::optional<TST_ColorMode> StrToTST_ColorMode(std::string_view text);
std::string_view TST_ColorModeToStr(TST_ColorMode value);

enum TST_CombineBrackets { stcbNone, stcbRound, stcbSquare, stcbAngle, stcbCurly };
std::optional<TST_CombineBrackets> StrToTST_CombineBrackets(std::string_view text);
std::string_view TST_CombineBracketsToStr(TST_CombineBrackets value);

enum TST_CompoundLine { stclSng, stclDbl, stclThickThin, stclThinThick, stclTri };
std::optional<TST_CompoundLine> StrToTST_CompoundLine(std::string_view text);
std::string_view TST_CompoundLineToStr(TST_CompoundLine value);

enum TST_ConformanceClass { stccStrict, stccTransitional };
std::optional<TST_ConformanceClass> StrToTST_ConformanceClass(std::string_view text);
std::string_view TST_ConformanceClassToStr(TST_ConformanceClass value);

enum TST_ConnectType { stcotyNone, stcotyRect, stcotySegments, stcotyCustom };
std::optional<TST_ConnectType> StrToTST_ConnectType(std::string_view text);
std::string_view TST_ConnectTypeToStr(TST_ConnectType value);

enum TST_ConnectorType { stctNone, stctStraight, stctElbow, stctCurved };
std::optional<TST_ConnectorType> StrToTST_ConnectorType(std::string_view text);
std::string_view TST_ConnectorTypeToStr(TST_ConnectorType value);

enum TST_CryptProv { stcpRsaAES, stcpRsaFull, stcpCustom };
std::optional<TST_CryptProv> StrToTST_CryptProv(std::string_view text);
std::string_view TST_CryptProvToStr(TST_CryptProv value);

enum TST_DiagramLayout { stdl0, stdl1, stdl2, stdl3 };
std::optional<TST_DiagramLayout> StrToTST_DiagramLayout(std::string_view text);
std::string_view TST_DiagramLayoutToStr(TST_DiagramLayout value);

enum TST_Direction { stdLtr, stdRtl };
std::optional<TST_Direction> StrToTST_Direction(std::string_view text);
std::string_view TST_DirectionToStr(TST_Direction value);

enum TST_DisplacedByCustomXml { stdbcxNext, stdbcxPrev };
std::optional<TST_DisplacedByCustomXml> StrToTST_DisplacedByCustomXml(std::string_view text);
std::string_view TST_DisplacedByCustomXmlToStr(TST_DisplacedByCustomXml value);

enum TST_DocGrid { stdgDefault, stdgLines, stdgLinesAndChars, stdgSnapToChars };
std::optional<TST_DocGrid> StrToTST_DocGrid(std::string_view text);
std::string_view TST_DocGridToStr(TST_DocGrid value);

enum TST_DocProtect { stdpNone, stdpReadOnly, stdpComments, stdpTrackedChanges, stdpForms };
std::optional<TST_DocProtect> StrToTST_DocProtect(std::string_view text);
std::string_view TST_DocProtectToStr(TST_DocProtect value);

enum TST_DropCap { stdcNone, stdcDrop, stdcMargin };
std::optional<TST_DropCap> StrToTST_DropCap(std::string_view text);
std::string_view TST_DropCapToStr(TST_DropCap value);

enum TST_EdGrp { stegNone, stegEveryone, stegAdministrators, stegContributors, stegEditors, stegOwners, stegCurrent };
std::optional<TST_EdGrp> StrToTST_EdGrp(std::string_view text);
std::string_view TST_EdGrpToStr(TST_EdGrp value);

enum TST_EditAs { steaCanvas, steaOrgchart, steaRadial, steaCycle, steaStacked, steaVenn, steaBullseye };
std::optional<TST_EditAs> StrToTST_EditAs(std::string_view text);
std::string_view TST_EditAsToStr(TST_EditAs value);

enum TST_EdnPos { stedpoSectEnd, stedpoDocEnd };
std::optional<TST_EdnPos> StrToTST_EdnPos(std::string_view text);
std::string_view TST_EdnPosToStr(TST_EdnPos value);

enum TST_EffectContainerType { stectSib, stectTree };
std::optional<TST_EffectContainerType> StrToTST_EffectContainerType(std::string_view text);
std::string_view TST_EffectContainerTypeToStr(TST_EffectContainerType value);

enum TST_Em { stemNone, stemDot, stemComma, stemCircle, stemUnderDot };
std::optional<TST_Em> StrToTST_Em(std::string_view text);
std::string_view TST_EmToStr(TST_Em value);

enum TST_Ext { steView, steEdit, steBackwardCompatible };
std::optional<TST_Ext> StrToTST_Ext(std::string_view text);
std::string_view TST_ExtToStr(TST_Ext value);

enum TST_ExtrusionPlane { stepXY, stepZX, stepYZ };
std::optional<TST_ExtrusionPlane> StrToTST_ExtrusionPlane(std::string_view text);
std::string_view TST_ExtrusionPlaneToStr(TST_ExtrusionPlane value);

enum TST_ExtrusionRender { sterSolid, sterWireFrame, sterBoundingCube };
std::optional<TST_ExtrusionRender> StrToTST_ExtrusionRender(std::string_view text);
std::string_view TST_ExtrusionRenderToStr(TST_ExtrusionRender value);

enum TST_ExtrusionType { stetPerspective, stetParallel };
std::optional<TST_ExtrusionType> StrToTST_ExtrusionType(std::string_view text);
std::string_view TST_ExtrusionTypeToStr(TST_ExtrusionType value);

enum TST_FFTextType { stffttRegular, stffttNumber, stffttDate, stffttCurrentTime, stffttCurrentDate, stffttCalculated };
std::optional<TST_FFTextType> StrToTST_FFTextType(std::string_view text);
std::string_view TST_FFTextTypeToStr(TST_FFTextType value);

enum TST_FillMethod { stfmNone, stfmLinear, stfmSigma, stfmAny, stfmLinear_sigma };
std::optional<TST_FillMethod> StrToTST_FillMethod(std::string_view text);
std::string_view TST_FillMethodToStr(TST_FillMethod value);

enum TST_FillType { stftSolid, stftGradient, stftGradientRadial, stftTile, stftPattern, stftFrame };
std::optional<TST_FillType> StrToTST_FillType(std::string_view text);
std::string_view TST_FillTypeToStr(TST_FillType value);

enum TST_FillType_o { stfityGradientCenter, stfitySolid, stfityPattern, stfityTile, stfityFrame, stfityGradientUnscaled, stfityGradientRadial, stfityGradient, stfityBackground };
std::optional<TST_FillType_o> StrToTST_FillType_o(std::string_view text);
std::string_view TST_FillType_oToStr(TST_FillType_o value);

enum TST_FldCharType { stfctBegin, stfctSeparate, stfctEnd };
std::optional<TST_FldCharType> StrToTST_FldCharType(std::string_view text);
std::string_view TST_FldCharTypeToStr(TST_FldCharType value);

enum TST_FontFamily { stffDecorative, stffModern, stffRoman, stffScript, stffSwiss, stffAuto };
std::optional<TST_FontFamily> StrToTST_FontFamily(std::string_view text);
std::string_view TST_FontFamilyToStr(TST_FontFamily value);

enum TST_FrameLayout { stflRows, stflCols, stflNone };
std::optional<TST_FrameLayout> StrToTST_FrameLayout(std::string_view text);
std::string_view TST_FrameLayoutToStr(TST_FrameLayout value);

enum TST_FrameScrollbar { stfsOn, stfsOff, stfsAuto };
std::optional<TST_FrameScrollbar> StrToTST_FrameScrollbar(std::string_view text);
std::string_view TST_FrameScrollbarToStr(TST_FrameScrollbar value);

enum TST_FtnEdn { stfeNormal, stfeSeparator, stfeContinuationSeparator, stfeContinuationNotice };
std::optional<TST_FtnEdn> StrToTST_FtnEdn(std::string_view text);
std::string_view TST_FtnEdnToStr(TST_FtnEdn value);

enum TST_FtnPos { stfpPageBottom, stfpBeneathText, stfpSectEnd, stfpDocEnd };
std::optional<TST_FtnPos> StrToTST_FtnPos(std::string_view text);
std::string_view TST_FtnPosToStr(TST_FtnPos value);

enum TST_HAnchor { sthanText, sthanMargin, sthanPage };
std::optional<TST_HAnchor> StrToTST_HAnchor(std::string_view text);
std::string_view TST_HAnchorToStr(TST_HAnchor value);

enum TST_HdrFtr { sthfEven, sthfDefault, sthfFirst };
std::optional<TST_HdrFtr> StrToTST_HdrFtr(std::string_view text);
std::string_view TST_HdrFtrToStr(TST_HdrFtr value);

enum TST_HeightRule { sthrAuto, sthrExact, sthrAtLeast };
std::optional<TST_HeightRule> StrToTST_HeightRule(std::string_view text);
std::string_view TST_HeightRuleToStr(TST_HeightRule value);

enum TST_HighlightColor { sthcBlack, sthcBlue, sthcCyan, sthcGreen, sthcMagenta, sthcRed, sthcYellow, sthcWhite, sthcDarkBlue, sthcDarkCyan, sthcDarkGreen, sthcDarkMagenta, sthcDarkRed, sthcDarkYellow, sthcDarkGray, sthcLightGray, sthcNone };
std::optional<TST_HighlightColor> StrToTST_HighlightColor(std::string_view text);
std::string_view TST_HighlightColorToStr(TST_HighlightColor value);

enum TST_Hint { sthDefault, sthEastAsia };
std::optional<TST_Hint> StrToTST_Hint(std::string_view text);
std::string_view TST_HintToStr(TST_Hint value);

enum TST_HorizontalAnchor { sthoanMargin, sthoanPage, sthoanText, sthoanChar };
std::optional<TST_HorizontalAnchor> StrToTST_HorizontalAnchor(std::string_view text);
std::string_view TST_HorizontalAnchorToStr(TST_HorizontalAnchor value);

enum TST_HrAlign { sthaLeft, sthaRight, sthaCenter };
std::optional<TST_HrAlign> StrToTST_HrAlign(std::string_view text);
std::string_view TST_HrAlignToStr(TST_HrAlign value);

enum TST_ImageAspect { stiaIgnore, stiaAtMost, stiaAtLeast };
std::optional<TST_ImageAspect> StrToTST_ImageAspect(std::string_view text);
std::string_view TST_ImageAspectToStr(TST_ImageAspect value);

enum TST_InfoTextType { stittText, stittAutoText };
std::optional<TST_InfoTextType> StrToTST_InfoTextType(std::string_view text);
std::string_view TST_InfoTextTypeToStr(TST_InfoTextType value);

enum TST_InsetMode { stimAuto, stimCustom };
std::optional<TST_InsetMode> StrToTST_InsetMode(std::string_view text);
std::string_view TST_InsetModeToStr(TST_InsetMode value);

enum TST_Jc { stjStart, stjCenter, stjEnd, stjBoth, stjMediumKashida, stjDistribute, stjNumTab, stjHighKashida, stjLowKashida, stjThaiDistribute, stjLeft, stjRight };
std::optional<TST_Jc> StrToTST_Jc(std::string_view text);
std::string_view TST_JcToStr(TST_Jc value);

enum TST_JcTable { stjtCenter, stjtEnd, stjtLeft, stjtRight, stjtStart };
std::optional<TST_JcTable> StrToTST_JcTable(std::string_view text);
std::string_view TST_JcTableToStr(TST_JcTable value);

enum TST_LevelSuffix { stlsTab, stlsSpace, stlsNothing };
std::optional<TST_LevelSuffix> StrToTST_LevelSuffix(std::string_view text);
std::string_view TST_LevelSuffixToStr(TST_LevelSuffix value);

enum TST_LightRigDirection { stlrdTl, stlrdT, stlrdTr, stlrdL, stlrdR, stlrdBl, stlrdB, stlrdBr };
std::optional<TST_LightRigDirection> StrToTST_LightRigDirection(std::string_view text);
std::string_view TST_LightRigDirectionToStr(TST_LightRigDirection value);

enum TST_LightRigType { stlrtLegacyFlat1, stlrtLegacyFlat2, stlrtLegacyFlat3, stlrtLegacyFlat4, stlrtLegacyNormal1, stlrtLegacyNormal2, stlrtLegacyNormal3, stlrtLegacyNormal4, stlrtLegacyHarsh1, stlrtLegacyHarsh2, stlrtLegacyHarsh3, stlrtLegacyHarsh4, stlrtThreePt, stlrtBalanced, stlrtSoft, stlrtHarsh, stlrtFlood, stlrtContrasting, stlrtMorning, stlrtSunrise, stlrtSunset, stlrtChilly, stlrtFreezing, stlrtFlat, stlrtTwoPt, stlrtGlow, stlrtBrightRoom };
std::optional<TST_LightRigType> StrToTST_LightRigType(std::string_view text);
std::string_view TST_LightRigTypeToStr(TST_LightRigType value);

enum TST_LineCap { stlcRnd, stlcSq, stlcFlat };
std::optional<TST_LineCap> StrToTST_LineCap(std::string_view text);
std::string_view TST_LineCapToStr(TST_LineCap value);

enum TST_LineEndLength { stlelSm, stlelMed, stlelLg };
std::optional<TST_LineEndLength> StrToTST_LineEndLength(std::string_view text);
std::string_view TST_LineEndLengthToStr(TST_LineEndLength value);

enum TST_LineEndType { stletNone, stletTriangle, stletStealth, stletDiamond, stletOval, stletArrow };
std::optional<TST_LineEndType> StrToTST_LineEndType(std::string_view text);
std::string_view TST_LineEndTypeToStr(TST_LineEndType value);

enum TST_LineEndWidth { stlewSm, stlewMed, stlewLg };
std::optional<TST_LineEndWidth> StrToTST_LineEndWidth(std::string_view text);
std::string_view TST_LineEndWidthToStr(TST_LineEndWidth value);

enum TST_LineNumberRestart { stlnrNewPage, stlnrNewSection, stlnrContinuous };
std::optional<TST_LineNumberRestart> StrToTST_LineNumberRestart(std::string_view text);
std::string_view TST_LineNumberRestartToStr(TST_LineNumberRestart value);

enum TST_LineSpacingRule { stlsrAuto, stlsrExact, stlsrAtLeast };
std::optional<TST_LineSpacingRule> StrToTST_LineSpacingRule(std::string_view text);
std::string_view TST_LineSpacingRuleToStr(TST_LineSpacingRule value);

enum TST_Lock { stlSdtLocked, stlContentLocked, stlUnlocked, stlSdtContentLocked };
std::optional<TST_Lock> StrToTST_Lock(std::string_view text);
std::string_view TST_LockToStr(TST_Lock value);

enum TST_MailMergeDest { stmmdNewDocument, stmmdPrinter, stmmdEmail, stmmdFax };
std::optional<TST_MailMergeDest> StrToTST_MailMergeDest(std::string_view text);
std::string_view TST_MailMergeDestToStr(TST_MailMergeDest value);

enum TST_MailMergeDocType { stmmdtCatalog, stmmdtEnvelopes, stmmdtMailingLabels, stmmdtFormLetters, stmmdtEmail, stmmdtFax };
std::optional<TST_MailMergeDocType> StrToTST_MailMergeDocType(std::string_view text);
std::string_view TST_MailMergeDocTypeToStr(TST_MailMergeDocType value);

enum TST_MailMergeOdsoFMDFieldType { stmmofmdftNull, stmmofmdftDbColumn };
std::optional<TST_MailMergeOdsoFMDFieldType> StrToTST_MailMergeOdsoFMDFieldType(std::string_view text);
std::string_view TST_MailMergeOdsoFMDFieldTypeToStr(TST_MailMergeOdsoFMDFieldType value);

enum TST_MailMergeSourceType { stmmstDatabase, stmmstAddressBook, stmmstDocument1, stmmstDocument2, stmmstText, stmmstEmail, stmmstNative, stmmstLegacy, stmmstMaster };
std::optional<TST_MailMergeSourceType> StrToTST_MailMergeSourceType(std::string_view text);
std::string_view TST_MailMergeSourceTypeToStr(TST_MailMergeSourceType value);

enum TST_Merge { stmContinue, stmRestart };
std::optional<TST_Merge> StrToTST_Merge(std::string_view text);
std::string_view TST_MergeToStr(TST_Merge value);

enum TST_MultiLevelType { stmltSingleLevel, stmltMultilevel, stmltHybridMultilevel };
std::optional<TST_MultiLevelType> StrToTST_MultiLevelType(std::string_view text);
std::string_view TST_MultiLevelTypeToStr(TST_MultiLevelType value);

enum TST_NumberFormat { stnfDecimal, stnfUpperRoman, stnfLowerRoman, stnfUpperLetter, stnfLowerLetter, stnfOrdinal, stnfCardinalText, stnfOrdinalText, stnfHex, stnfChicago, stnfIdeographDigital, stnfJapaneseCounting, stnfAiueo, stnfIroha, stnfDecimalFullWidth, stnfDecimalHalfWidth, stnfJapaneseLegal, stnfJapaneseDigitalTenThousand, stnfDecimalEnclosedCircle, stnfDecimalFullWidth2, stnfAiueoFullWidth, stnfIrohaFullWidth, stnfDecimalZero, stnfBullet, stnfGanada, stnfChosung, stnfDecimalEnclosedFullstop, stnfDecimalEnclosedParen, stnfDecimalEnclosedCircleChinese, stnfIdeographEnclosedCircle, stnfIdeographTraditional, stnfIdeographZodiac, stnfIdeographZodiacTraditional, stnfTaiwaneseCounting, stnfIdeographLegalTraditional, stnfTaiwaneseCountingThousand, stnfTaiwaneseDigital, stnfChineseCounting, stnfChineseLegalSimplified, stnfChineseCountingThousand, stnfKoreanDigital, stnfKoreanCounting, stnfKoreanLegal, stnfKoreanDigital2, stnfVietnameseCounting, stnfRussianLower, stnfRussianUpper, stnfNone, stnfNumberInDash, stnfHebrew1, stnfHebrew2, stnfArabicAlpha, stnfArabicAbjad, stnfHindiVowels, stnfHindiConsonants, stnfHindiNumbers, stnfHindiCounting, stnfThaiLetters, stnfThaiNumbers, stnfThaiCounting, stnfBahtText, stnfDollarText, stnfCustom };
std::optional<TST_NumberFormat> StrToTST_NumberFormat(std::string_view text);
std::string_view TST_NumberFormatToStr(TST_NumberFormat value);

enum TST_ObjectDrawAspect { stodaContent, stodaIcon };
std::optional<TST_ObjectDrawAspect> StrToTST_ObjectDrawAspect(std::string_view text);
std::string_view TST_ObjectDrawAspectToStr(TST_ObjectDrawAspect value);

enum TST_ObjectUpdateMode { stoumAlways, stoumOnCall };
std::optional<TST_ObjectUpdateMode> StrToTST_ObjectUpdateMode(std::string_view text);
std::string_view TST_ObjectUpdateModeToStr(TST_ObjectUpdateMode value);

enum TST_PTabAlignment { stptaLeft, stptaCenter, stptaRight };
std::optional<TST_PTabAlignment> StrToTST_PTabAlignment(std::string_view text);
std::string_view TST_PTabAlignmentToStr(TST_PTabAlignment value);

enum TST_PTabLeader { stptlNone, stptlDot, stptlHyphen, stptlUnderscore, stptlMiddleDot };
std::optional<TST_PTabLeader> StrToTST_PTabLeader(std::string_view text);
std::string_view TST_PTabLeaderToStr(TST_PTabLeader value);

enum TST_PTabRelativeTo { stptrtMargin, stptrtIndent };
std::optional<TST_PTabRelativeTo> StrToTST_PTabRelativeTo(std::string_view text);
std::string_view TST_PTabRelativeToToStr(TST_PTabRelativeTo value);

enum TST_PageBorderDisplay { stpbdAllPages, stpbdFirstPage, stpbdNotFirstPage };
std::optional<TST_PageBorderDisplay> StrToTST_PageBorderDisplay(std::string_view text);
std::string_view TST_PageBorderDisplayToStr(TST_PageBorderDisplay value);

enum TST_PageBorderOffset { stpboPage, stpboText };
std::optional<TST_PageBorderOffset> StrToTST_PageBorderOffset(std::string_view text);
std::string_view TST_PageBorderOffsetToStr(TST_PageBorderOffset value);

enum TST_PageBorderZOrder { stpbzoFront, stpbzoBack };
std::optional<TST_PageBorderZOrder> StrToTST_PageBorderZOrder(std::string_view text);
std::string_view TST_PageBorderZOrderToStr(TST_PageBorderZOrder value);

enum TST_PageOrientation { stpoPortrait, stpoLandscape };
std::optional<TST_PageOrientation> StrToTST_PageOrientation(std::string_view text);
std::string_view TST_PageOrientationToStr(TST_PageOrientation value);

enum TST_PathFillMode { stpfmNone, stpfmNorm, stpfmLighten, stpfmLightenLess, stpfmDarken, stpfmDarkenLess };
std::optional<TST_PathFillMode> StrToTST_PathFillMode(std::string_view text);
std::string_view TST_PathFillModeToStr(TST_PathFillMode value);

enum TST_PathShadeType { stpstShape, stpstCircle, stpstRect };
std::optional<TST_PathShadeType> StrToTST_PathShadeType(std::string_view text);
std::string_view TST_PathShadeTypeToStr(TST_PathShadeType value);

enum TST_PenAlignment { stpaCtr, stpaIn };
std::optional<TST_PenAlignment> StrToTST_PenAlignment(std::string_view text);
std::string_view TST_PenAlignmentToStr(TST_PenAlignment value);

enum TST_Pitch { stpiFixed, stpiVariable, stpiDefault };
std::optional<TST_Pitch> StrToTST_Pitch(std::string_view text);
std::string_view TST_PitchToStr(TST_Pitch value);

enum TST_PresetCameraType { stpctLegacyObliqueTopLeft, stpctLegacyObliqueTop, stpctLegacyObliqueTopRight, stpctLegacyObliqueLeft, stpctLegacyObliqueFront, stpctLegacyObliqueRight, stpctLegacyObliqueBottomLeft, stpctLegacyObliqueBottom, stpctLegacyObliqueBottomRight, stpctLegacyPerspectiveTopLeft, stpctLegacyPerspectiveTop, stpctLegacyPerspectiveTopRight, stpctLegacyPerspectiveLeft, stpctLegacyPerspectiveFront, stpctLegacyPerspectiveRight, stpctLegacyPerspectiveBottomLeft, stpctLegacyPerspectiveBottom, stpctLegacyPerspectiveBottomRight, stpctOrthographicFront, stpctIsometricTopUp, stpctIsometricTopDown, stpctIsometricBottomUp, stpctIsometricBottomDown, stpctIsometricLeftUp, stpctIsometricLeftDown, stpctIsometricRightUp, stpctIsometricRightDown, stpctIsometricOffAxis1Left, stpctIsometricOffAxis1Right, stpctIsometricOffAxis1Top, stpctIsometricOffAxis2Left, stpctIsometricOffAxis2Right, stpctIsometricOffAxis2Top, stpctIsometricOffAxis3Left, stpctIsometricOffAxis3Right, stpctIsometricOffAxis3Bottom, stpctIsometricOffAxis4Left, stpctIsometricOffAxis4Right, stpctIsometricOffAxis4Bottom, stpctObliqueTopLeft, stpctObliqueTop, stpctObliqueTopRight, stpctObliqueLeft, stpctObliqueRight, stpctObliqueBottomLeft, stpctObliqueBottom, stpctObliqueBottomRight, stpctPerspectiveFront, stpctPerspectiveLeft, stpctPerspectiveRight, stpctPerspectiveAbove, stpctPerspectiveBelow, stpctPerspectiveAboveLeftFacing, stpctPerspectiveAboveRightFacing, stpctPerspectiveContrastingLeftFacing, stpctPerspectiveContrastingRightFacing, stpctPerspectiveHeroicLeftFacing, stpctPerspectiveHeroicRightFacing, stpctPerspectiveHeroicExtremeLeftFacing, stpctPerspectiveHeroicExtremeRightFacing, stpctPerspectiveRelaxed, stpctPerspectiveRelaxedModerately };
std::optional<TST_PresetCameraType> StrToTST_PresetCameraType(std::string_view text);
std::string_view TST_PresetCameraTypeToStr(TST_PresetCameraType value);

enum TST_PresetColorVal { stpcvAliceBlue, stpcvAntiqueWhite, stpcvAqua, stpcvAquamarine, stpcvAzure, stpcvBeige, stpcvBisque, stpcvBlack, stpcvBlanchedAlmond, stpcvBlue, stpcvBlueViolet, stpcvBrown, stpcvBurlyWood, stpcvCadetBlue, stpcvChartreuse, stpcvChocolate, stpcvCoral, stpcvCornflowerBlue, stpcvCornsilk, stpcvCrimson, stpcvCyan, stpcvDarkBlue, stpcvDarkCyan, stpcvDarkGoldenrod, stpcvDarkGray, stpcvDarkGrey, stpcvDarkGreen, stpcvDarkKhaki, stpcvDarkMagenta, stpcvDarkOliveGreen, stpcvDarkOrange, stpcvDarkOrchid, stpcvDarkRed, stpcvDarkSalmon, stpcvDarkSeaGreen, stpcvDarkSlateBlue, stpcvDarkSlateGray, stpcvDarkSlateGrey, stpcvDarkTurquoise, stpcvDarkViolet, stpcvDkBlue, stpcvDkCyan, stpcvDkGoldenrod, stpcvDkGray, stpcvDkGrey, stpcvDkGreen, stpcvDkKhaki, stpcvDkMagenta, stpcvDkOliveGreen, stpcvDkOrange, stpcvDkOrchid, stpcvDkRed, stpcvDkSalmon, stpcvDkSeaGreen, stpcvDkSlateBlue, stpcvDkSlateGray, stpcvDkSlateGrey, stpcvDkTurquoise, stpcvDkViolet, stpcvDeepPink, stpcvDeepSkyBlue, stpcvDimGray, stpcvDimGrey, stpcvDodgerBlue, stpcvFirebrick, stpcvFloralWhite, stpcvForestGreen, stpcvFuchsia, stpcvGainsboro, stpcvGhostWhite, stpcvGold, stpcvGoldenrod, stpcvGray, stpcvGrey, stpcvGreen, stpcvGreenYellow, stpcvHoneydew, stpcvHotPink, stpcvIndianRed, stpcvIndigo, stpcvIvory, stpcvKhaki, stpcvLavender, stpcvLavenderBlush, stpcvLawnGreen, stpcvLemonChiffon, stpcvLightBlue, stpcvLightCoral, stpcvLightCyan, stpcvLightGoldenrodYellow, stpcvLightGray, stpcvLightGrey, stpcvLightGreen, stpcvLightPink, stpcvLightSalmon, stpcvLightSeaGreen, stpcvLightSkyBlue, stpcvLightSlateGray, stpcvLightSlateGrey, stpcvLightSteelBlue, stpcvLightYellow, stpcvLtBlue, stpcvLtCoral, stpcvLtCyan, stpcvLtGoldenrodYellow, stpcvLtGray, stpcvLtGrey, stpcvLtGreen, stpcvLtPink, stpcvLtSalmon, stpcvLtSeaGreen, stpcvLtSkyBlue, stpcvLtSlateGray, stpcvLtSlateGrey, stpcvLtSteelBlue, stpcvLtYellow, stpcvLime, stpcvLimeGreen, stpcvLinen, stpcvMagenta, stpcvMaroon, stpcvMedAquamarine, stpcvMedBlue, stpcvMedOrchid, stpcvMedPurple, stpcvMedSeaGreen, stpcvMedSlateBlue, stpcvMedSpringGreen, stpcvMedTurquoise, stpcvMedVioletRed, stpcvMediumAquamarine, stpcvMediumBlue, stpcvMediumOrchid, stpcvMediumPurple, stpcvMediumSeaGreen, stpcvMediumSlateBlue, stpcvMediumSpringGreen, stpcvMediumTurquoise, stpcvMediumVioletRed, stpcvMidnightBlue, stpcvMintCream, stpcvMistyRose, stpcvMoccasin, stpcvNavajoWhite, stpcvNavy, stpcvOldLace, stpcvOlive, stpcvOliveDrab, stpcvOrange, stpcvOrangeRed, stpcvOrchid, stpcvPaleGoldenrod, stpcvPaleGreen, stpcvPaleTurquoise, stpcvPaleVioletRed, stpcvPapayaWhip, stpcvPeachPuff, stpcvPeru, stpcvPink, stpcvPlum, stpcvPowderBlue, stpcvPurple, stpcvRed, stpcvRosyBrown, stpcvRoyalBlue, stpcvSaddleBrown, stpcvSalmon, stpcvSandyBrown, stpcvSeaGreen, stpcvSeaShell, stpcvSienna, stpcvSilver, stpcvSkyBlue, stpcvSlateBlue, stpcvSlateGray, stpcvSlateGrey, stpcvSnow, stpcvSpringGreen, stpcvSteelBlue, stpcvTan, stpcvTeal, stpcvThistle, stpcvTomato, stpcvTurquoise, stpcvViolet, stpcvWheat, stpcvWhite, stpcvWhiteSmoke, stpcvYellow, stpcvYellowGreen };
std::optional<TST_PresetColorVal> StrToTST_PresetColorVal(std::string_view text);
std::string_view TST_PresetColorValToStr(TST_PresetColorVal value);

enum TST_PresetLineDashVal { stpldvSolid, stpldvDot, stpldvDash, stpldvLgDash, stpldvDashDot, stpldvLgDashDot, stpldvLgDashDotDot, stpldvSysDash, stpldvSysDot, stpldvSysDashDot, stpldvSysDashDotDot };
std::optional<TST_PresetLineDashVal> StrToTST_PresetLineDashVal(std::string_view text);
std::string_view TST_PresetLineDashValToStr(TST_PresetLineDashVal value);

enum TST_PresetMaterialType { stpmtLegacyMatte, stpmtLegacyPlastic, stpmtLegacyMetal, stpmtLegacyWireframe, stpmtMatte, stpmtPlastic, stpmtMetal, stpmtWarmMatte, stpmtTranslucentPowder, stpmtPowder, stpmtDkEdge, stpmtSoftEdge, stpmtClear, stpmtFlat, stpmtSoftmetal };
std::optional<TST_PresetMaterialType> StrToTST_PresetMaterialType(std::string_view text);
std::string_view TST_PresetMaterialTypeToStr(TST_PresetMaterialType value);

enum TST_PresetPatternVal { stppvPct5, stppvPct10, stppvPct20, stppvPct25, stppvPct30, stppvPct40, stppvPct50, stppvPct60, stppvPct70, stppvPct75, stppvPct80, stppvPct90, stppvHorz, stppvVert, stppvLtHorz, stppvLtVert, stppvDkHorz, stppvDkVert, stppvNarHorz, stppvNarVert, stppvDashHorz, stppvDashVert, stppvCross, stppvDnDiag, stppvUpDiag, stppvLtDnDiag, stppvLtUpDiag, stppvDkDnDiag, stppvDkUpDiag, stppvWdDnDiag, stppvWdUpDiag, stppvDashDnDiag, stppvDashUpDiag, stppvDiagCross, stppvSmCheck, stppvLgCheck, stppvSmGrid, stppvLgGrid, stppvDotGrid, stppvSmConfetti, stppvLgConfetti, stppvHorzBrick, stppvDiagBrick, stppvSolidDmnd, stppvOpenDmnd, stppvDotDmnd, stppvPlaid, stppvSphere, stppvWeave, stppvDivot, stppvShingle, stppvWave, stppvTrellis, stppvZigZag };
std::optional<TST_PresetPatternVal> StrToTST_PresetPatternVal(std::string_view text);
std::string_view TST_PresetPatternValToStr(TST_PresetPatternVal value);

enum TST_PresetShadowVal { stpsvShdw1, stpsvShdw2, stpsvShdw3, stpsvShdw4, stpsvShdw5, stpsvShdw6, stpsvShdw7, stpsvShdw8, stpsvShdw9, stpsvShdw10, stpsvShdw11, stpsvShdw12, stpsvShdw13, stpsvShdw14, stpsvShdw15, stpsvShdw16, stpsvShdw17, stpsvShdw18, stpsvShdw19, stpsvShdw20 };
std::optional<TST_PresetShadowVal> StrToTST_PresetShadowVal(std::string_view text);
std::string_view TST_PresetShadowValToStr(TST_PresetShadowVal value);

enum TST_Proof { stpClean, stpDirty };
std::optional<TST_Proof> StrToTST_Proof(std::string_view text);
std::string_view TST_ProofToStr(TST_Proof value);

enum TST_ProofErr { stpeSpellStart, stpeSpellEnd, stpeGramStart, stpeGramEnd };
std::optional<TST_ProofErr> StrToTST_ProofErr(std::string_view text);
std::string_view TST_ProofErrToStr(TST_ProofErr value);

enum TST_RectAlignment { straTl, straT, straTr, straL, straCtr, straR, straBl, straB, straBr };
std::optional<TST_RectAlignment> StrToTST_RectAlignment(std::string_view text);
std::string_view TST_RectAlignmentToStr(TST_RectAlignment value);

enum TST_RelFromH { strfhMargin, strfhPage, strfhColumn, strfhCharacter, strfhLeftMargin, strfhRightMargin, strfhInsideMargin, strfhOutsideMargin };
std::optional<TST_RelFromH> StrToTST_RelFromH(std::string_view text);
std::string_view TST_RelFromHToStr(TST_RelFromH value);

enum TST_RelFromV { strfvMargin, strfvPage, strfvParagraph, strfvLine, strfvTopMargin, strfvBottomMargin, strfvInsideMargin, strfvOutsideMargin };
std::optional<TST_RelFromV> StrToTST_RelFromV(std::string_view text);
std::string_view TST_RelFromVToStr(TST_RelFromV value);

enum TST_RestartNumber { strnContinuous, strnEachSect, strnEachPage };
std::optional<TST_RestartNumber> StrToTST_RestartNumber(std::string_view text);
std::string_view TST_RestartNumberToStr(TST_RestartNumber value);

enum TST_RubyAlign { strualCenter, strualDistributeLetter, strualDistributeSpace, strualLeft, strualRight, strualRightVertical };
std::optional<TST_RubyAlign> StrToTST_RubyAlign(std::string_view text);
std::string_view TST_RubyAlignToStr(TST_RubyAlign value);

enum TST_SchemeColorVal { stsccovaBg1, stsccovaTx1, stsccovaBg2, stsccovaTx2, stsccovaAccent1, stsccovaAccent2, stsccovaAccent3, stsccovaAccent4, stsccovaAccent5, stsccovaAccent6, stsccovaHlink, stsccovaFolHlink, stsccovaPhClr, stsccovaDk1, stsccovaLt1, stsccovaDk2, stsccovaLt2 };
std::optional<TST_SchemeColorVal> StrToTST_SchemeColorVal(std::string_view text);
std::string_view TST_SchemeColorValToStr(TST_SchemeColorVal value);

enum TST_SdtDateMappingType { stsdmtText, stsdmtDate, stsdmtDateTime };
std::optional<TST_SdtDateMappingType> StrToTST_SdtDateMappingType(std::string_view text);
std::string_view TST_SdtDateMappingTypeToStr(TST_SdtDateMappingType value);

enum TST_SectionMark { stsmNextPage, stsmNextColumn, stsmContinuous, stsmEvenPage, stsmOddPage };
std::optional<TST_SectionMark> StrToTST_SectionMark(std::string_view text);
std::string_view TST_SectionMarkToStr(TST_SectionMark value);

enum TST_ShadowType { stshtySingle, stshtyDouble, stshtyEmboss, stshtyPerspective };
std::optional<TST_ShadowType> StrToTST_ShadowType(std::string_view text);
std::string_view TST_ShadowTypeToStr(TST_ShadowType value);

enum TST_ShapeType { stst2Line, stst2LineInv, stst2Triangle, stst2RtTriangle, stst2Rect, stst2Diamond, stst2Parallelogram, stst2Trapezoid, stst2NonIsoscelesTrapezoid, stst2Pentagon, stst2Hexagon, stst2Heptagon, stst2Octagon, stst2Decagon, stst2Dodecagon, stst2Star4, stst2Star5, stst2Star6, stst2Star7, stst2Star8, stst2Star10, stst2Star12, stst2Star16, stst2Star24, stst2Star32, stst2RoundRect, stst2Round1Rect, stst2Round2SameRect, stst2Round2DiagRect, stst2SnipRoundRect, stst2Snip1Rect, stst2Snip2SameRect, stst2Snip2DiagRect, stst2Plaque, stst2Ellipse, stst2Teardrop, stst2HomePlate, stst2Chevron, stst2PieWedge, stst2Pie, stst2BlockArc, stst2Donut, stst2NoSmoking, stst2RightArrow, stst2LeftArrow, stst2UpArrow, stst2DownArrow, stst2StripedRightArrow, stst2NotchedRightArrow, stst2BentUpArrow, stst2LeftRightArrow, stst2UpDownArrow, stst2LeftUpArrow, stst2LeftRightUpArrow, stst2QuadArrow, stst2LeftArrowCallout, stst2RightArrowCallout, stst2UpArrowCallout, stst2DownArrowCallout, stst2LeftRightArrowCallout, stst2UpDownArrowCallout, stst2QuadArrowCallout, stst2BentArrow, stst2UturnArrow, stst2CircularArrow, stst2LeftCircularArrow, stst2LeftRightCircularArrow, stst2CurvedRightArrow, stst2CurvedLeftArrow, stst2CurvedUpArrow, stst2CurvedDownArrow, stst2SwooshArrow, stst2Cube, stst2Can, stst2LightningBolt, stst2Heart, stst2Sun, stst2Moon, stst2SmileyFace, stst2IrregularSeal1, stst2IrregularSeal2, stst2FoldedCorner, stst2Bevel, stst2Frame, stst2HalfFrame, stst2Corner, stst2DiagStripe, stst2Chord, stst2Arc, stst2LeftBracket, stst2RightBracket, stst2LeftBrace, stst2RightBrace, stst2BracketPair, stst2BracePair, stst2StraightConnector1, stst2BentConnector2, stst2BentConnector3, stst2BentConnector4, stst2BentConnector5, stst2CurvedConnector2, stst2CurvedConnector3, stst2CurvedConnector4, stst2CurvedConnector5, stst2Callout1, stst2Callout2, stst2Callout3, stst2AccentCallout1, stst2AccentCallout2, stst2AccentCallout3, stst2BorderCallout1, stst2BorderCallout2, stst2BorderCallout3, stst2AccentBorderCallout1, stst2AccentBorderCallout2, stst2AccentBorderCallout3, stst2WedgeRectCallout, stst2WedgeRoundRectCallout, stst2WedgeEllipseCallout, stst2CloudCallout, stst2Cloud, stst2Ribbon, stst2Ribbon2, stst2EllipseRibbon, stst2EllipseRibbon2, stst2LeftRightRibbon, stst2VerticalScroll, stst2HorizontalScroll, stst2Wave, stst2DoubleWave, stst2Plus, stst2FlowChartProcess, stst2FlowChartDecision, stst2FlowChartInputOutput, stst2FlowChartPredefinedProcess, stst2FlowChartInternalStorage, stst2FlowChartDocument, stst2FlowChartMultidocument, stst2FlowChartTerminator, stst2FlowChartPreparation, stst2FlowChartManualInput, stst2FlowChartManualOperation, stst2FlowChartConnector, stst2FlowChartPunchedCard, stst2FlowChartPunchedTape, stst2FlowChartSummingJunction, stst2FlowChartOr, stst2FlowChartCollate, stst2FlowChartSort, stst2FlowChartExtract, stst2FlowChartMerge, stst2FlowChartOfflineStorage, stst2FlowChartOnlineStorage, stst2FlowChartMagneticTape, stst2FlowChartMagneticDisk, stst2FlowChartMagneticDrum, stst2FlowChartDisplay, stst2FlowChartDelay, stst2FlowChartAlternateProcess, stst2FlowChartOffpageConnector, stst2ActionButtonBlank, stst2ActionButtonHome, stst2ActionButtonHelp, stst2ActionButtonInformation, stst2ActionButtonForwardNext, stst2ActionButtonBackPrevious, stst2ActionButtonEnd, stst2ActionButtonBeginning, stst2ActionButtonReturn, stst2ActionButtonDocument, stst2ActionButtonSound, stst2ActionButtonMovie, stst2Gear6, stst2Gear9, stst2Funnel, stst2MathPlus, stst2MathMinus, stst2MathMultiply, stst2MathDivide, stst2MathEqual, stst2MathNotEqual, stst2CornerTabs, stst2SquareTabs, stst2PlaqueTabs, stst2ChartX, stst2ChartStar, stst2ChartPlus };
std::optional<TST_ShapeType> StrToTST_ShapeType(std::string_view text);
std::string_view TST_ShapeTypeToStr(TST_ShapeType value);

enum TST_Shd { stsNil, stsClear, stsSolid, stsHorzStripe, stsVertStripe, stsReverseDiagStripe, stsDiagStripe, stsHorzCross, stsDiagCross, stsThinHorzStripe, stsThinVertStripe, stsThinReverseDiagStripe, stsThinDiagStripe, stsThinHorzCross, stsThinDiagCross, stsPct5, stsPct10, stsPct12, stsPct15, stsPct20, stsPct25, stsPct30, stsPct35, stsPct37, stsPct40, stsPct45, stsPct50, stsPct55, stsPct60, stsPct62, stsPct65, stsPct70, stsPct75, stsPct80, stsPct85, stsPct87, stsPct90, stsPct95 };
std::optional<TST_Shd> StrToTST_Shd(std::string_view text);
std::string_view TST_ShdToStr(TST_Shd value);

enum TST_StrokeArrowLength { stsalShort, stsalMedium, stsalLong };
std::optional<TST_StrokeArrowLength> StrToTST_StrokeArrowLength(std::string_view text);
std::string_view TST_StrokeArrowLengthToStr(TST_StrokeArrowLength value);

enum TST_StrokeArrowType { stsatNone, stsatBlock, stsatClassic, stsatOval, stsatDiamond, stsatOpen };
std::optional<TST_StrokeArrowType> StrToTST_StrokeArrowType(std::string_view text);
std::string_view TST_StrokeArrowTypeToStr(TST_StrokeArrowType value);

enum TST_StrokeArrowWidth { stsawNarrow, stsawMedium, stsawWide };
std::optional<TST_StrokeArrowWidth> StrToTST_StrokeArrowWidth(std::string_view text);
std::string_view TST_StrokeArrowWidthToStr(TST_StrokeArrowWidth value);

enum TST_StrokeEndCap { stsecFlat, stsecSquare, stsecRound };
std::optional<TST_StrokeEndCap> StrToTST_StrokeEndCap(std::string_view text);
std::string_view TST_StrokeEndCapToStr(TST_StrokeEndCap value);

enum TST_StrokeJoinStyle { stsjsRound, stsjsBevel, stsjsMiter };
std::optional<TST_StrokeJoinStyle> StrToTST_StrokeJoinStyle(std::string_view text);
std::string_view TST_StrokeJoinStyleToStr(TST_StrokeJoinStyle value);

enum TST_StrokeLineStyle { stslsSingle, stslsThinThin, stslsThinThick, stslsThickThin, stslsThickBetweenThin };
std::optional<TST_StrokeLineStyle> StrToTST_StrokeLineStyle(std::string_view text);
std::string_view TST_StrokeLineStyleToStr(TST_StrokeLineStyle value);

enum TST_StyleSort { stssName, stssPriority, stssDefault, stssFont, stssBasedOn, stssType, stss0000, stss0001, stss0002, stss0003, stss0004, stss0005 };
std::optional<TST_StyleSort> StrToTST_StyleSort(std::string_view text);
std::string_view TST_StyleSortToStr(TST_StyleSort value);

enum TST_StyleType { ststParagraph, ststCharacter, ststTable, ststNumbering };
std::optional<TST_StyleType> StrToTST_StyleType(std::string_view text);
std::string_view TST_StyleTypeToStr(TST_StyleType value);

enum TST_SystemColorVal { stscvScrollBar, stscvBackground, stscvActiveCaption, stscvInactiveCaption, stscvMenu, stscvWindow, stscvWindowFrame, stscvMenuText, stscvWindowText, stscvCaptionText, stscvActiveBorder, stscvInactiveBorder, stscvAppWorkspace, stscvHighlight, stscvHighlightText, stscvBtnFace, stscvBtnShadow, stscvGrayText, stscvBtnText, stscvInactiveCaptionText, stscvBtnHighlight, stscv3dDkShadow, stscv3dLight, stscvInfoText, stscvInfoBk, stscvHotLight, stscvGradientActiveCaption, stscvGradientInactiveCaption, stscvMenuHighlight, stscvMenuBar };
std::optional<TST_SystemColorVal> StrToTST_SystemColorVal(std::string_view text);
std::string_view TST_SystemColorValToStr(TST_SystemColorVal value);

enum TST_TabJc { sttjClear, sttjStart, sttjCenter, sttjEnd, sttjDecimal, sttjBar, sttjNum, sttjLeft, sttjRight };
std::optional<TST_TabJc> StrToTST_TabJc(std::string_view text);
std::string_view TST_TabJcToStr(TST_TabJc value);

enum TST_TabTlc { stttNone, stttDot, stttHyphen, stttUnderscore, stttHeavy, stttMiddleDot };
std::optional<TST_TabTlc> StrToTST_TabTlc(std::string_view text);
std::string_view TST_TabTlcToStr(TST_TabTlc value);

enum TST_TargetScreenSz { sttss544x376, sttss640x480, sttss720x512, sttss800x600, sttss1024x768, sttss1152x882, sttss1152x900, sttss1280x1024, sttss1600x1200, sttss1800x1440, sttss1920x1200 };
std::optional<TST_TargetScreenSz> StrToTST_TargetScreenSz(std::string_view text);
std::string_view TST_TargetScreenSzToStr(TST_TargetScreenSz value);

enum TST_TblLayoutType { sttltFixed, sttltAutofit };
std::optional<TST_TblLayoutType> StrToTST_TblLayoutType(std::string_view text);
std::string_view TST_TblLayoutTypeToStr(TST_TblLayoutType value);

enum TST_TblOverlap { sttoNever, sttoOverlap };
std::optional<TST_TblOverlap> StrToTST_TblOverlap(std::string_view text);
std::string_view TST_TblOverlapToStr(TST_TblOverlap value);

enum TST_TblStyleOverrideType { sttsotWholeTable, sttsotFirstRow, sttsotLastRow, sttsotFirstCol, sttsotLastCol, sttsotBand1Vert, sttsotBand2Vert, sttsotBand1Horz, sttsotBand2Horz, sttsotNeCell, sttsotNwCell, sttsotSeCell, sttsotSwCell };
std::optional<TST_TblStyleOverrideType> StrToTST_TblStyleOverrideType(std::string_view text);
std::string_view TST_TblStyleOverrideTypeToStr(TST_TblStyleOverrideType value);

enum TST_TblWidth { sttwNil, sttwPct, sttwDxa, sttwAuto };
std::optional<TST_TblWidth> StrToTST_TblWidth(std::string_view text);
std::string_view TST_TblWidthToStr(TST_TblWidth value);

enum TST_TextAlignment { sttaTop, sttaCenter, sttaBaseline, sttaBottom, sttaAuto };
std::optional<TST_TextAlignment> StrToTST_TextAlignment(std::string_view text);
std::string_view TST_TextAlignmentToStr(TST_TextAlignment value);

enum TST_TextDirection { sttdTb, sttdRl, sttdLr, sttdTbV, sttdRlV, sttdLrV, sttdBtLr, sttdLrTb, sttdLrTbV, sttdTbLrV, sttdTbRl, sttdTbRlV };
std::optional<TST_TextDirection> StrToTST_TextDirection(std::string_view text);
std::string_view TST_TextDirectionToStr(TST_TextDirection value);

enum TST_TextEffect { stteBlinkBackground, stteLights, stteAntsBlack, stteAntsRed, stteShimmer, stteSparkle, stteNone };
std::optional<TST_TextEffect> StrToTST_TextEffect(std::string_view text);
std::string_view TST_TextEffectToStr(TST_TextEffect value);

enum TST_TextboxTightWrap { stttwNone, stttwAllLines, stttwFirstAndLastLine, stttwFirstLineOnly, stttwLastLineOnly };
std::optional<TST_TextboxTightWrap> StrToTST_TextboxTightWrap(std::string_view text);
std::string_view TST_TextboxTightWrapToStr(TST_TextboxTightWrap value);

enum TST_Theme { sttMajorEastAsia, sttMajorBidi, sttMajorAscii, sttMajorHAnsi, sttMinorEastAsia, sttMinorBidi, sttMinorAscii, sttMinorHAnsi };
std::optional<TST_Theme> StrToTST_Theme(std::string_view text);
std::string_view TST_ThemeToStr(TST_Theme value);

enum TST_ThemeColor { sttcDark1, sttcLight1, sttcDark2, sttcLight2, sttcAccent1, sttcAccent2, sttcAccent3, sttcAccent4, sttcAccent5, sttcAccent6, sttcHyperlink, sttcFollowedHyperlink, sttcNone, sttcBackground1, sttcText1, sttcBackground2, sttcText2 };
std::optional<TST_ThemeColor> StrToTST_ThemeColor(std::string_view text);
std::string_view TST_ThemeColorToStr(TST_ThemeColor value);

enum TST_TileFlipMode { sttfmNone, sttfmX, sttfmY, sttfmXy };
std::optional<TST_TileFlipMode> StrToTST_TileFlipMode(std::string_view text);
std::string_view TST_TileFlipModeToStr(TST_TileFlipMode value);

enum TST_TrueFalse { sttfT, sttfF, sttfTrue, sttfFalse };
std::optional<TST_TrueFalse> StrToTST_TrueFalse(std::string_view text);
std::string_view TST_TrueFalseToStr(TST_TrueFalse value);

enum TST_TrueFalseBlank { sttfbT, sttfbF, sttfbTrue, sttfbFalse, sttfbEmpty, sttfbTrue_, sttfbFalse_ };
std::optional<TST_TrueFalseBlank> StrToTST_TrueFalseBlank(std::string_view text);
std::string_view TST_TrueFalseBlankToStr(TST_TrueFalseBlank value);

enum TST_Underline { stuSingle, stuWords, stuDouble, stuThick, stuDotted, stuDottedHeavy, stuDash, stuDashedHeavy, stuDashLong, stuDashLongHeavy, stuDotDash, stuDashDotHeavy, stuDotDotDash, stuDashDotDotHeavy, stuWave, stuWavyHeavy, stuWavyDouble, stuNone };
std::optional<TST_Underline> StrToTST_Underline(std::string_view text);
std::string_view TST_UnderlineToStr(TST_Underline value);

enum TST_VAnchor { stvanText, stvanMargin, stvanPage };
std::optional<TST_VAnchor> StrToTST_VAnchor(std::string_view text);
std::string_view TST_VAnchorToStr(TST_VAnchor value);

enum TST_VerticalAlignRun { stvarBaseline, stvarSuperscript, stvarSubscript };
std::optional<TST_VerticalAlignRun> StrToTST_VerticalAlignRun(std::string_view text);
std::string_view TST_VerticalAlignRunToStr(TST_VerticalAlignRun value);

enum TST_VerticalAnchor { stvaMargin, stvaPage, stvaText, stvaLine };
std::optional<TST_VerticalAnchor> StrToTST_VerticalAnchor(std::string_view text);
std::string_view TST_VerticalAnchorToStr(TST_VerticalAnchor value);

enum TST_VerticalJc { stvjTop, stvjCenter, stvjBoth, stvjBottom };
std::optional<TST_VerticalJc> StrToTST_VerticalJc(std::string_view text);
std::string_view TST_VerticalJcToStr(TST_VerticalJc value);

enum TST_View { stvNone, stvPrint, stvOutline, stvMasterPages, stvNormal, stvWeb };
std::optional<TST_View> StrToTST_View(std::string_view text);
std::string_view TST_ViewToStr(TST_View value);

enum TST_WmlColorSchemeIndex { stwcsiDark1, stwcsiLight1, stwcsiDark2, stwcsiLight2, stwcsiAccent1, stwcsiAccent2, stwcsiAccent3, stwcsiAccent4, stwcsiAccent5, stwcsiAccent6, stwcsiHyperlink, stwcsiFollowedHyperlink };
std::optional<TST_WmlColorSchemeIndex> StrToTST_WmlColorSchemeIndex(std::string_view text);
std::string_view TST_WmlColorSchemeIndexToStr(TST_WmlColorSchemeIndex value);

enum TST_Wrap { stwAuto, stwNotBeside, stwAround, stwTight, stwThrough, stwNone };
std::optional<TST_Wrap> StrToTST_Wrap(std::string_view text);
std::string_view TST_WrapToStr(TST_Wrap value);

enum TST_WrapSide { stwsBoth, stwsLeft, stwsRight, stwsLargest };
std::optional<TST_WrapSide> StrToTST_WrapSide(std::string_view text);
std::string_view TST_WrapSideToStr(TST_WrapSide value);

enum TST_WrapText { stwrteBothSides, stwrteLeft, stwrteRight, stwrteLargest };
std::optional<TST_WrapText> StrToTST_WrapText(std::string_view text);
std::string_view TST_WrapTextToStr(TST_WrapText value);

enum TST_WrapType { stwtTopAndBottom, stwtSquare, stwtNone, stwtTight, stwtThrough };
std::optional<TST_WrapType> StrToTST_WrapType(std::string_view text);
std::string_view TST_WrapTypeToStr(TST_WrapType value);

enum TST_XAlign { stxaLeft, stxaCenter, stxaRight, stxaInside, stxaOutside };
std::optional<TST_XAlign> StrToTST_XAlign(std::string_view text);
std::string_view TST_XAlignToStr(TST_XAlign value);

enum TST_YAlign { styaInline, styaTop, styaCenter, styaBottom, styaInside, styaOutside };
std::optional<TST_YAlign> StrToTST_YAlign(std::string_view text);
std::string_view TST_YAlignToStr(TST_YAlign value);

enum TST_Zoom { stzNone, stzFullPage, stzBestFit, stzTextFit };
std::optional<TST_Zoom> StrToTST_Zoom(std::string_view text);
std::string_view TST_ZoomToStr(TST_Zoom value);

class TCT_AbstractNum;
class TCT_AdjPoint2D;
class TCT_AdjustHandleList;
class TCT_AlphaBiLevelEffect;
class TCT_AlphaCeilingEffect;
class TCT_AlphaFloorEffect;
class TCT_AlphaInverseEffect;
class TCT_AlphaModulateEffect;
class TCT_AlphaModulateFixedEffect;
class TCT_AlphaOutsetEffect;
class TCT_AlphaReplaceEffect;
class TCT_AltChunk;
class TCT_AltChunkPr;
class TCT_Anchor;
class TCT_AnchorLock;
class TCT_Angle;
class TCT_Arc;
class TCT_Attr;
class TCT_AutoCaption;
class TCT_AutoCaptions;
class TCT_Backdrop;
class TCT_Background;
class TCT_BdoContentRun;
class TCT_Bevel;
class TCT_BiLevelEffect;
class TCT_BlendEffect;
class TCT_Blip;
class TCT_BlipFillProperties;
class TCT_BlurEffect;
class TCT_Body;
class TCT_Bookmark;
class TCT_Border;
class TCT_Border_w10;
class TCT_BottomPageBorder;
class TCT_Br;
class TCT_CalendarType;
class TCT_Callout;
class TCT_Camera;
class TCT_Caption;
class TCT_Captions;
class TCT_CellMergeTrackChange;
class TCT_CharacterSpacing;
class TCT_Charset;
class TCT_ClipPath;
class TCT_Cnf;
class TCT_Color;
class TCT_ColorChangeEffect;
class TCT_ColorReplaceEffect;
class TCT_ColorSchemeMapping;
class TCT_Color_a;
class TCT_Column;
class TCT_Columns;
class TCT_Comment;
class TCT_Comments;
class TCT_Compat;
class TCT_CompatSetting;
class TCT_ComplementTransform;
class TCT_Complex;
class TCT_ConnectionSite;
class TCT_ConnectionSiteList;
class TCT_Control;
class TCT_Curve;
class TCT_CustomGeometry2D;
class TCT_CustomXmlBlock;
class TCT_CustomXmlCell;
class TCT_CustomXmlPr;
class TCT_CustomXmlRow;
class TCT_CustomXmlRun;
class TCT_DashStop;
class TCT_DashStopList;
class TCT_DataBinding;
class TCT_DecimalNumber;
class TCT_DecimalNumberOrPrecent;
class TCT_Diagram;
class TCT_DirContentRun;
class TCT_Div;
class TCT_DivBdr;
class TCT_Divs;
class TCT_DocDefaults;
class TCT_DocGrid;
class TCT_DocProtect;
class TCT_DocRsids;
class TCT_DocType;
class TCT_DocVar;
class TCT_DocVars;
class TCT_Document;
class TCT_Drawing;
class TCT_DuotoneEffect;
class TCT_EastAsianLayout;
class TCT_EdnDocProps;
class TCT_EdnPos;
class TCT_EdnProps;
class TCT_EffectContainer;
class TCT_EffectExtent;
class TCT_EffectList;
class TCT_EffectReference;
class TCT_Em;
class TCT_EmbeddedWAVAudioFile;
class TCT_Empty;
class TCT_Endnotes;
class TCT_EquationXml;
class TCT_Extrusion;
class TCT_F;
class TCT_FFCheckBox;
class TCT_FFDDList;
class TCT_FFData;
class TCT_FFHelpText;
class TCT_FFName;
class TCT_FFStatusText;
class TCT_FFTextInput;
class TCT_FFTextType;
class TCT_Fill;
class TCT_FillEffect;
class TCT_FillOverlayEffect;
class TCT_Fill_o;
class TCT_FitText;
class TCT_FixedPercentage;
class TCT_FldChar;
class TCT_Font;
class TCT_FontFamily;
class TCT_FontRel;
class TCT_FontSig;
class TCT_Fonts;
class TCT_FontsList;
class TCT_Footnotes;
class TCT_Formulas;
class TCT_Frame;
class TCT_FrameLayout;
class TCT_FramePr;
class TCT_FrameScrollbar;
class TCT_Frameset;
class TCT_FramesetSplitbar;
class TCT_FtnDocProps;
class TCT_FtnEdn;
class TCT_FtnEdnRef;
class TCT_FtnEdnSepRef;
class TCT_FtnPos;
class TCT_FtnProps;
class TCT_GammaTransform;
class TCT_GeomGuide;
class TCT_GeomGuideList;
class TCT_GeomRect;
class TCT_GlowEffect;
class TCT_GradientFillProperties;
class TCT_GradientStop;
class TCT_GradientStopList;
class TCT_GraphicalObject;
class TCT_GraphicalObjectData;
class TCT_GraphicalObjectFrameLocking;
class TCT_GrayscaleEffect;
class TCT_GrayscaleTransform;
class TCT_Group;
class TCT_GroupFillProperties;
class TCT_H;
class TCT_HMerge;
class TCT_HSLEffect;
class TCT_Handles;
class TCT_HdrFtr;
class TCT_HdrFtrRef;
class TCT_Headers;
class TCT_Height;
class TCT_Highlight;
class TCT_HpsMeasure;
class TCT_HslColor;
class TCT_Hyperlink;
class TCT_Hyperlink_a;
class TCT_Image;
class TCT_ImageData;
class TCT_Ind;
class TCT_Ink;
class TCT_Inline;
class TCT_InnerShadowEffect;
class TCT_InverseGammaTransform;
class TCT_InverseTransform;
class TCT_Jc;
class TCT_JcTable;
class TCT_Kinsoku;
class TCT_Lang;
class TCT_Language;
class TCT_LatentStyles;
class TCT_LevelSuffix;
class TCT_LevelText;
class TCT_LightRig;
class TCT_Line;
class TCT_LineEndProperties;
class TCT_LineJoinBevel;
class TCT_LineJoinMiterProperties;
class TCT_LineJoinRound;
class TCT_LineNumber;
class TCT_LineProperties;
class TCT_LinearShadeProperties;
class TCT_Lock;
class TCT_Lock_o;
class TCT_LongHexNumber;
class TCT_LsdException;
class TCT_LuminanceEffect;
class TCT_Lvl;
class TCT_LvlLegacy;
class TCT_MacroName;
class TCT_MailMerge;
class TCT_MailMergeDataType;
class TCT_MailMergeDest;
class TCT_MailMergeDocType;
class TCT_MailMergeOdsoFMDFieldType;
class TCT_MailMergeSourceType;
class TCT_Markup;
class TCT_MarkupRange;
class TCT_MoveBookmark;
class TCT_MultiLevelType;
class TCT_NoFillProperties;
class TCT_NonVisualDrawingProps;
class TCT_NonVisualGraphicFrameProperties;
class TCT_NonVisualPictureProperties;
class TCT_Num;
class TCT_NumFmt;
class TCT_NumLvl;
class TCT_NumPicBullet;
class TCT_NumPr;
class TCT_NumRestart;
class TCT_Numbering;
class TCT_Object;
class TCT_ObjectEmbed;
class TCT_ObjectLink;
class TCT_Odso;
class TCT_OdsoFieldMapData;
class TCT_OfficeArtExtension;
class TCT_OfficeArtExtensionList;
class TCT_OnOff;
class TCT_OptimizeForBrowser;
class TCT_OuterShadowEffect;
class TCT_Oval;
class TCT_P;
class TCT_PBdr;
class TCT_PPr;
class TCT_PPrBase;
class TCT_PPrChange;
class TCT_PPrDefault;
class TCT_PPrGeneral;
class TCT_PTab;
class TCT_PageBorder;
class TCT_PageBorders;
class TCT_PageMar;
class TCT_PageNumber;
class TCT_PageSz;
class TCT_Panose;
class TCT_PaperSource;
class TCT_ParaRPr;
class TCT_ParaRPrChange;
class TCT_ParaRPrOriginal;
class TCT_Path;
class TCT_Path2D;
class TCT_Path2DArcTo;
class TCT_Path2DClose;
class TCT_Path2DCubicBezierTo;
class TCT_Path2DLineTo;
class TCT_Path2DList;
class TCT_Path2DMoveTo;
class TCT_Path2DQuadBezierTo;
class TCT_PathShadeProperties;
class TCT_PatternFillProperties;
class TCT_Percentage;
class TCT_Perm;
class TCT_PermStart;
class TCT_Picture;
class TCT_PictureLocking;
class TCT_PictureNonVisual;
class TCT_Picture_pic;
class TCT_Pitch;
class TCT_PixelsMeasure;
class TCT_Placeholder;
class TCT_Point2D;
class TCT_Point3D;
class TCT_PolarAdjustHandle;
class TCT_PolyLine;
class TCT_PosH;
class TCT_PosV;
class TCT_PositiveFixedAngle;
class TCT_PositiveFixedPercentage;
class TCT_PositivePercentage;
class TCT_PositiveSize2D;
class TCT_PresetColor;
class TCT_PresetGeometry2D;
class TCT_PresetLineDashProperties;
class TCT_PresetShadowEffect;
class TCT_Proof;
class TCT_ProofErr;
class TCT_R;
class TCT_RPr;
class TCT_RPrChange;
class TCT_RPrDefault;
class TCT_RPrOriginal;
class TCT_ReadingModeInkLockDown;
class TCT_Rect;
class TCT_ReflectionEffect;
class TCT_Rel;
class TCT_Relation;
class TCT_RelationTable;
class TCT_RelativeOffsetEffect;
class TCT_RelativeRect;
class TCT_RoundRect;
class TCT_Row;
class TCT_Ruby;
class TCT_RubyAlign;
class TCT_RubyContent;
class TCT_RubyPr;
class TCT_RunTrackChange;
class TCT_SRgbColor;
class TCT_SaveThroughXslt;
class TCT_ScRgbColor;
class TCT_Scene3D;
class TCT_SchemeColor;
class TCT_SdtBlock;
class TCT_SdtCell;
class TCT_SdtComboBox;
class TCT_SdtContentBlock;
class TCT_SdtContentCell;
class TCT_SdtContentRow;
class TCT_SdtContentRun;
class TCT_SdtDate;
class TCT_SdtDateMappingType;
class TCT_SdtDocPart;
class TCT_SdtDropDownList;
class TCT_SdtEndPr;
class TCT_SdtListItem;
class TCT_SdtPr;
class TCT_SdtRow;
class TCT_SdtRun;
class TCT_SdtText;
class TCT_SectPr;
class TCT_SectPrBase;
class TCT_SectPrChange;
class TCT_SectType;
class TCT_Settings;
class TCT_Shadow;
class TCT_Shape;
class TCT_Shape3D;
class TCT_ShapeDefaults;
class TCT_ShapeProperties;
class TCT_Shapetype;
class TCT_Shd;
class TCT_SignatureLine;
class TCT_SignedHpsMeasure;
class TCT_SignedTwipsMeasure;
class TCT_SimpleField;
class TCT_Skew;
class TCT_SmartTagPr;
class TCT_SmartTagRun;
class TCT_SmartTagType;
class TCT_SoftEdgesEffect;
class TCT_SolidColorFillProperties;
class TCT_Spacing;
class TCT_SphereCoords;
class TCT_StretchInfoProperties;
class TCT_String;
class TCT_Stroke;
class TCT_StrokeChild;
class TCT_Style;
class TCT_StylePaneFilter;
class TCT_StyleSort;
class TCT_Styles;
class TCT_Sym;
class TCT_SystemColor;
class TCT_TabStop;
class TCT_Tabs;
class TCT_TargetScreenSz;
class TCT_Tbl;
class TCT_TblBorders;
class TCT_TblCellMar;
class TCT_TblGrid;
class TCT_TblGridBase;
class TCT_TblGridChange;
class TCT_TblGridCol;
class TCT_TblLayoutType;
class TCT_TblLook;
class TCT_TblOverlap;
class TCT_TblPPr;
class TCT_TblPr;
class TCT_TblPrBase;
class TCT_TblPrChange;
class TCT_TblPrEx;
class TCT_TblPrExBase;
class TCT_TblPrExChange;
class TCT_TblStylePr;
class TCT_TblWidth;
class TCT_Tc;
class TCT_TcBorders;
class TCT_TcMar;
class TCT_TcPr;
class TCT_TcPrChange;
class TCT_TcPrInner;
class TCT_Text;
class TCT_TextAlignment;
class TCT_TextDirection;
class TCT_TextEffect;
class TCT_TextPath;
class TCT_TextScale;
class TCT_Textbox;
class TCT_TextboxTightWrap;
class TCT_TileInfoProperties;
class TCT_TintEffect;
class TCT_TopPageBorder;
class TCT_TrPr;
class TCT_TrPrBase;
class TCT_TrPrChange;
class TCT_TrackChange;
class TCT_TrackChangeNumbering;
class TCT_TrackChangesView;
class TCT_Transform2D;
class TCT_TransformEffect;
class TCT_TwipsMeasure;
class TCT_TxbxContent;
class TCT_Underline;
class TCT_UnsignedDecimalNumber;
class TCT_VMerge;
class TCT_Vector3D;
class TCT_VerticalAlignRun;
class TCT_VerticalJc;
class TCT_View;
class TCT_WebSettings;
class TCT_Wrap;
class TCT_WrapNone;
class TCT_WrapPath;
class TCT_WrapSquare;
class TCT_WrapThrough;
class TCT_WrapTight;
class TCT_WrapTopBottom;
class TCT_WriteProtection;
class TCT_WritingStyle;
class TCT_XYAdjustHandle;
class TCT_Zoom;

// The object of a root element by its qualified name (nullptr for none).
std::unique_ptr<TNYQBase> NyqDocxNewRoot(std::string_view qname);

class TDocxPartDoc : public TNYQDocBase {
public:
    TDocxPartDoc();
    ~TDocxPartDoc() override;
    std::unique_ptr<TCT_Document> FDocument;
    std::unique_ptr<TCT_Styles> FStyles;
    std::unique_ptr<TCT_Numbering> FNumbering;
    std::unique_ptr<TCT_Settings> FSettings;
    std::unique_ptr<TCT_WebSettings> FWebSettings;
    std::unique_ptr<TCT_FontsList> FFonts;
    std::unique_ptr<TCT_Footnotes> FFootnotes;
    std::unique_ptr<TCT_Endnotes> FEndnotes;
    std::unique_ptr<TCT_Comments> FComments;
    std::unique_ptr<TCT_HdrFtr> FHdr;
    std::unique_ptr<TCT_HdrFtr> FFtr;
    std::unique_ptr<TCT_Picture_pic> FPic;
    std::unique_ptr<TCT_Shape> FShape;
    std::unique_ptr<TCT_Shapetype> FShapetype;
    std::unique_ptr<TCT_Group> FGroup;
    std::unique_ptr<TCT_Rect> FRect;
    std::unique_ptr<TCT_RoundRect> FRoundrect;
    std::unique_ptr<TCT_Oval> FOval;
    std::unique_ptr<TCT_Line> FLine;
    std::unique_ptr<TCT_PolyLine> FPolyline;
    std::unique_ptr<TCT_Arc> FArc;
    std::unique_ptr<TCT_Curve> FCurve;
    std::unique_ptr<TCT_Image> FImage;
    TCT_Document& Create_Document();
    TCT_Styles& Create_Styles();
    TCT_Numbering& Create_Numbering();
    TCT_Settings& Create_Settings();
    TCT_WebSettings& Create_WebSettings();
    TCT_FontsList& Create_Fonts();
    TCT_Footnotes& Create_Footnotes();
    TCT_Endnotes& Create_Endnotes();
    TCT_Comments& Create_Comments();
    TCT_HdrFtr& Create_Hdr();
    TCT_HdrFtr& Create_Ftr();
    TCT_Picture_pic& Create_Pic();
    TCT_Shape& Create_Shape();
    TCT_Shapetype& Create_Shapetype();
    TCT_Group& Create_Group();
    TCT_Rect& Create_Rect();
    TCT_RoundRect& Create_Roundrect();
    TCT_Oval& Create_Oval();
    TCT_Line& Create_Line();
    TCT_PolyLine& Create_Polyline();
    TCT_Arc& Create_Arc();
    TCT_Curve& Create_Curve();
    TCT_Image& Create_Image();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

