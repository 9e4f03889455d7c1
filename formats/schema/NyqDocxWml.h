// NyqDocxWml.h: schema classes generated from wml.xsd, shared-commonSimpleTypes.xsd, shared-relationshipReference.xsd, dml-main.xsd, dml-picture.xsd, dml-wordprocessingDrawing.xsd, vml-main.xsd, vml-officeDrawing.xsd, vml-wordprocessingDrawing.xsd by tools/nyq_xsdgen.py; do not edit.
#pragma once

#include "formats/schema/NyqDocx.h"

class TCT_Document : public TNYQBase {
public:
    TCT_Document();
    ~TCT_Document() override;
    std::optional<TST_ConformanceClass> FConformance;
    std::unique_ptr<TCT_Background> FBackground;
    std::unique_ptr<TCT_Body> FBody;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Background& Create_Background();
    TCT_Body& Create_Body();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Styles : public TNYQBase {
public:
    TCT_Styles();
    ~TCT_Styles() override;
    std::unique_ptr<TCT_DocDefaults> FDocDefaults;
    std::unique_ptr<TCT_LatentStyles> FLatentStyles;
    TItemNyqList<TCT_Style> FStyleList;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_DocDefaults& Create_DocDefaults();
    TCT_LatentStyles& Create_LatentStyles();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Numbering : public TNYQBase {
public:
    TCT_Numbering();
    ~TCT_Numbering() override;
    TItemNyqList<TCT_NumPicBullet> FNumPicBulletList;
    TItemNyqList<TCT_AbstractNum> FAbstractNumList;
    TItemNyqList<TCT_Num> FNumList;
    std::unique_ptr<TCT_DecimalNumber> FNumIdMacAtCleanup;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_DecimalNumber& Create_NumIdMacAtCleanup();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Settings : public TNYQBase {
public:
    TCT_Settings();
    ~TCT_Settings() override;
    std::unique_ptr<TCT_WriteProtection> FWriteProtection;
    std::unique_ptr<TCT_View> FView;
    std::unique_ptr<TCT_Zoom> FZoom;
    std::unique_ptr<TCT_OnOff> FRemovePersonalInformation;
    std::unique_ptr<TCT_OnOff> FRemoveDateAndTime;
    std::unique_ptr<TCT_OnOff> FDoNotDisplayPageBoundaries;
    std::unique_ptr<TCT_OnOff> FDisplayBackgroundShape;
    std::unique_ptr<TCT_OnOff> FPrintPostScriptOverText;
    std::unique_ptr<TCT_OnOff> FPrintFractionalCharacterWidth;
    std::unique_ptr<TCT_OnOff> FPrintFormsData;
    std::unique_ptr<TCT_OnOff> FEmbedTrueTypeFonts;
    std::unique_ptr<TCT_OnOff> FEmbedSystemFonts;
    std::unique_ptr<TCT_OnOff> FSaveSubsetFonts;
    std::unique_ptr<TCT_OnOff> FSaveFormsData;
    std::unique_ptr<TCT_OnOff> FMirrorMargins;
    std::unique_ptr<TCT_OnOff> FAlignBordersAndEdges;
    std::unique_ptr<TCT_OnOff> FBordersDoNotSurroundHeader;
    std::unique_ptr<TCT_OnOff> FBordersDoNotSurroundFooter;
    std::unique_ptr<TCT_OnOff> FGutterAtTop;
    std::unique_ptr<TCT_OnOff> FHideSpellingErrors;
    std::unique_ptr<TCT_OnOff> FHideGrammaticalErrors;
    TItemNyqList<TCT_WritingStyle> FActiveWritingStyleList;
    std::unique_ptr<TCT_Proof> FProofState;
    std::unique_ptr<TCT_OnOff> FFormsDesign;
    std::unique_ptr<TCT_Rel> FAttachedTemplate;
    std::unique_ptr<TCT_OnOff> FLinkStyles;
    std::unique_ptr<TCT_StylePaneFilter> FStylePaneFormatFilter;
    std::unique_ptr<TCT_StyleSort> FStylePaneSortMethod;
    std::unique_ptr<TCT_DocType> FDocumentType;
    std::unique_ptr<TCT_MailMerge> FMailMerge;
    std::unique_ptr<TCT_TrackChangesView> FRevisionView;
    std::unique_ptr<TCT_OnOff> FTrackRevisions;
    std::unique_ptr<TCT_OnOff> FDoNotTrackMoves;
    std::unique_ptr<TCT_OnOff> FDoNotTrackFormatting;
    std::unique_ptr<TCT_DocProtect> FDocumentProtection;
    std::unique_ptr<TCT_OnOff> FAutoFormatOverride;
    std::unique_ptr<TCT_OnOff> FStyleLockTheme;
    std::unique_ptr<TCT_OnOff> FStyleLockQFSet;
    std::unique_ptr<TCT_TwipsMeasure> FDefaultTabStop;
    std::unique_ptr<TCT_OnOff> FAutoHyphenation;
    std::unique_ptr<TCT_DecimalNumber> FConsecutiveHyphenLimit;
    std::unique_ptr<TCT_TwipsMeasure> FHyphenationZone;
    std::unique_ptr<TCT_OnOff> FDoNotHyphenateCaps;
    std::unique_ptr<TCT_OnOff> FShowEnvelope;
    std::unique_ptr<TCT_DecimalNumberOrPrecent> FSummaryLength;
    std::unique_ptr<TCT_String> FClickAndTypeStyle;
    std::unique_ptr<TCT_String> FDefaultTableStyle;
    std::unique_ptr<TCT_OnOff> FEvenAndOddHeaders;
    std::unique_ptr<TCT_OnOff> FBookFoldRevPrinting;
    std::unique_ptr<TCT_OnOff> FBookFoldPrinting;
    std::unique_ptr<TCT_DecimalNumber> FBookFoldPrintingSheets;
    std::unique_ptr<TCT_TwipsMeasure> FDrawingGridHorizontalSpacing;
    std::unique_ptr<TCT_TwipsMeasure> FDrawingGridVerticalSpacing;
    std::unique_ptr<TCT_DecimalNumber> FDisplayHorizontalDrawingGridEvery;
    std::unique_ptr<TCT_DecimalNumber> FDisplayVerticalDrawingGridEvery;
    std::unique_ptr<TCT_OnOff> FDoNotUseMarginsForDrawingGridOrigin;
    std::unique_ptr<TCT_TwipsMeasure> FDrawingGridHorizontalOrigin;
    std::unique_ptr<TCT_TwipsMeasure> FDrawingGridVerticalOrigin;
    std::unique_ptr<TCT_OnOff> FDoNotShadeFormData;
    std::unique_ptr<TCT_OnOff> FNoPunctuationKerning;
    std::unique_ptr<TCT_CharacterSpacing> FCharacterSpacingControl;
    std::unique_ptr<TCT_OnOff> FPrintTwoOnOne;
    std::unique_ptr<TCT_OnOff> FStrictFirstAndLastChars;
    std::unique_ptr<TCT_Kinsoku> FNoLineBreaksAfter;
    std::unique_ptr<TCT_Kinsoku> FNoLineBreaksBefore;
    std::unique_ptr<TCT_OnOff> FSavePreviewPicture;
    std::unique_ptr<TCT_OnOff> FDoNotValidateAgainstSchema;
    std::unique_ptr<TCT_OnOff> FSaveInvalidXml;
    std::unique_ptr<TCT_OnOff> FIgnoreMixedContent;
    std::unique_ptr<TCT_OnOff> FAlwaysShowPlaceholderText;
    std::unique_ptr<TCT_OnOff> FDoNotDemarcateInvalidXml;
    std::unique_ptr<TCT_OnOff> FSaveXmlDataOnly;
    std::unique_ptr<TCT_OnOff> FUseXSLTWhenSaving;
    std::unique_ptr<TCT_SaveThroughXslt> FSaveThroughXslt;
    std::unique_ptr<TCT_OnOff> FShowXMLTags;
    std::unique_ptr<TCT_OnOff> FAlwaysMergeEmptyNamespace;
    std::unique_ptr<TCT_OnOff> FUpdateFields;
    std::unique_ptr<TCT_ShapeDefaults> FHdrShapeDefaults;
    std::unique_ptr<TCT_FtnDocProps> FFootnotePr;
    std::unique_ptr<TCT_EdnDocProps> FEndnotePr;
    std::unique_ptr<TCT_Compat> FCompat;
    std::unique_ptr<TCT_DocVars> FDocVars;
    std::unique_ptr<TCT_DocRsids> FRsids;
    std::unique_ptr<TNYQAnyElement> FMathPr;
    TItemNyqList<TCT_String> FAttachedSchemaList;
    std::unique_ptr<TCT_Language> FThemeFontLang;
    std::unique_ptr<TCT_ColorSchemeMapping> FClrSchemeMapping;
    std::unique_ptr<TCT_OnOff> FDoNotIncludeSubdocsInStats;
    std::unique_ptr<TCT_OnOff> FDoNotAutoCompressPictures;
    std::unique_ptr<TCT_Empty> FForceUpgrade;
    std::unique_ptr<TCT_Captions> FCaptions;
    std::unique_ptr<TCT_ReadingModeInkLockDown> FReadModeInkLockDown;
    TItemNyqList<TCT_SmartTagType> FSmartTagTypeList;
    std::unique_ptr<TNYQAnyElement> FSchemaLibrary;
    std::unique_ptr<TCT_ShapeDefaults> FShapeDefaults;
    std::unique_ptr<TCT_OnOff> FDoNotEmbedSmartTags;
    std::unique_ptr<TCT_String> FDecimalSymbol;
    std::unique_ptr<TCT_String> FListSeparator;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_WriteProtection& Create_WriteProtection();
    TCT_View& Create_View();
    TCT_Zoom& Create_Zoom();
    TCT_OnOff& Create_RemovePersonalInformation();
    TCT_OnOff& Create_RemoveDateAndTime();
    TCT_OnOff& Create_DoNotDisplayPageBoundaries();
    TCT_OnOff& Create_DisplayBackgroundShape();
    TCT_OnOff& Create_PrintPostScriptOverText();
    TCT_OnOff& Create_PrintFractionalCharacterWidth();
    TCT_OnOff& Create_PrintFormsData();
    TCT_OnOff& Create_EmbedTrueTypeFonts();
    TCT_OnOff& Create_EmbedSystemFonts();
    TCT_OnOff& Create_SaveSubsetFonts();
    TCT_OnOff& Create_SaveFormsData();
    TCT_OnOff& Create_MirrorMargins();
    TCT_OnOff& Create_AlignBordersAndEdges();
    TCT_OnOff& Create_BordersDoNotSurroundHeader();
    TCT_OnOff& Create_BordersDoNotSurroundFooter();
    TCT_OnOff& Create_GutterAtTop();
    TCT_OnOff& Create_HideSpellingErrors();
    TCT_OnOff& Create_HideGrammaticalErrors();
    TCT_Proof& Create_ProofState();
    TCT_OnOff& Create_FormsDesign();
    TCT_Rel& Create_AttachedTemplate();
    TCT_OnOff& Create_LinkStyles();
    TCT_StylePaneFilter& Create_StylePaneFormatFilter();
    TCT_StyleSort& Create_StylePaneSortMethod();
    TCT_DocType& Create_DocumentType();
    TCT_MailMerge& Create_MailMerge();
    TCT_TrackChangesView& Create_RevisionView();
    TCT_OnOff& Create_TrackRevisions();
    TCT_OnOff& Create_DoNotTrackMoves();
    TCT_OnOff& Create_DoNotTrackFormatting();
    TCT_DocProtect& Create_DocumentProtection();
    TCT_OnOff& Create_AutoFormatOverride();
    TCT_OnOff& Create_StyleLockTheme();
    TCT_OnOff& Create_StyleLockQFSet();
    TCT_TwipsMeasure& Create_DefaultTabStop();
    TCT_OnOff& Create_AutoHyphenation();
    TCT_DecimalNumber& Create_ConsecutiveHyphenLimit();
    TCT_TwipsMeasure& Create_HyphenationZone();
    TCT_OnOff& Create_DoNotHyphenateCaps();
    TCT_OnOff& Create_ShowEnvelope();
    TCT_DecimalNumberOrPrecent& Create_SummaryLength();
    TCT_String& Create_ClickAndTypeStyle();
    TCT_String& Create_DefaultTableStyle();
    TCT_OnOff& Create_EvenAndOddHeaders();
    TCT_OnOff& Create_BookFoldRevPrinting();
    TCT_OnOff& Create_BookFoldPrinting();
    TCT_DecimalNumber& Create_BookFoldPrintingSheets();
    TCT_TwipsMeasure& Create_DrawingGridHorizontalSpacing();
    TCT_TwipsMeasure& Create_DrawingGridVerticalSpacing();
    TCT_DecimalNumber& Create_DisplayHorizontalDrawingGridEvery();
    TCT_DecimalNumber& Create_DisplayVerticalDrawingGridEvery();
    TCT_OnOff& Create_DoNotUseMarginsForDrawingGridOrigin();
    TCT_TwipsMeasure& Create_DrawingGridHorizontalOrigin();
    TCT_TwipsMeasure& Create_DrawingGridVerticalOrigin();
    TCT_OnOff& Create_DoNotShadeFormData();
    TCT_OnOff& Create_NoPunctuationKerning();
    TCT_CharacterSpacing& Create_CharacterSpacingControl();
    TCT_OnOff& Create_PrintTwoOnOne();
    TCT_OnOff& Create_StrictFirstAndLastChars();
    TCT_Kinsoku& Create_NoLineBreaksAfter();
    TCT_Kinsoku& Create_NoLineBreaksBefore();
    TCT_OnOff& Create_SavePreviewPicture();
    TCT_OnOff& Create_DoNotValidateAgainstSchema();
    TCT_OnOff& Create_SaveInvalidXml();
    TCT_OnOff& Create_IgnoreMixedContent();
    TCT_OnOff& Create_AlwaysShowPlaceholderText();
    TCT_OnOff& Create_DoNotDemarcateInvalidXml();
    TCT_OnOff& Create_SaveXmlDataOnly();
    TCT_OnOff& Create_UseXSLTWhenSaving();
    TCT_SaveThroughXslt& Create_SaveThroughXslt();
    TCT_OnOff& Create_ShowXMLTags();
    TCT_OnOff& Create_AlwaysMergeEmptyNamespace();
    TCT_OnOff& Create_UpdateFields();
    TCT_ShapeDefaults& Create_HdrShapeDefaults();
    TCT_FtnDocProps& Create_FootnotePr();
    TCT_EdnDocProps& Create_EndnotePr();
    TCT_Compat& Create_Compat();
    TCT_DocVars& Create_DocVars();
    TCT_DocRsids& Create_Rsids();
    TNYQAnyElement& Create_MathPr();
    TCT_Language& Create_ThemeFontLang();
    TCT_ColorSchemeMapping& Create_ClrSchemeMapping();
    TCT_OnOff& Create_DoNotIncludeSubdocsInStats();
    TCT_OnOff& Create_DoNotAutoCompressPictures();
    TCT_Empty& Create_ForceUpgrade();
    TCT_Captions& Create_Captions();
    TCT_ReadingModeInkLockDown& Create_ReadModeInkLockDown();
    TNYQAnyElement& Create_SchemaLibrary();
    TCT_ShapeDefaults& Create_ShapeDefaults();
    TCT_OnOff& Create_DoNotEmbedSmartTags();
    TCT_String& Create_DecimalSymbol();
    TCT_String& Create_ListSeparator();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_WebSettings : public TNYQBase {
public:
    TCT_WebSettings();
    ~TCT_WebSettings() override;
    std::unique_ptr<TCT_Frameset> FFrameset;
    std::unique_ptr<TCT_Divs> FDivs;
    std::unique_ptr<TCT_String> FEncoding;
    std::unique_ptr<TCT_OptimizeForBrowser> FOptimizeForBrowser;
    std::unique_ptr<TCT_OnOff> FRelyOnVML;
    std::unique_ptr<TCT_OnOff> FAllowPNG;
    std::unique_ptr<TCT_OnOff> FDoNotRelyOnCSS;
    std::unique_ptr<TCT_OnOff> FDoNotSaveAsSingleFile;
    std::unique_ptr<TCT_OnOff> FDoNotOrganizeInFolder;
    std::unique_ptr<TCT_OnOff> FDoNotUseLongFileNames;
    std::unique_ptr<TCT_DecimalNumber> FPixelsPerInch;
    std::unique_ptr<TCT_TargetScreenSz> FTargetScreenSz;
    std::unique_ptr<TCT_OnOff> FSaveSmartTagsAsXml;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Frameset& Create_Frameset();
    TCT_Divs& Create_Divs();
    TCT_String& Create_Encoding();
    TCT_OptimizeForBrowser& Create_OptimizeForBrowser();
    TCT_OnOff& Create_RelyOnVML();
    TCT_OnOff& Create_AllowPNG();
    TCT_OnOff& Create_DoNotRelyOnCSS();
    TCT_OnOff& Create_DoNotSaveAsSingleFile();
    TCT_OnOff& Create_DoNotOrganizeInFolder();
    TCT_OnOff& Create_DoNotUseLongFileNames();
    TCT_DecimalNumber& Create_PixelsPerInch();
    TCT_TargetScreenSz& Create_TargetScreenSz();
    TCT_OnOff& Create_SaveSmartTagsAsXml();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FontsList : public TNYQBase {
public:
    TCT_FontsList();
    ~TCT_FontsList() override;
    TItemNyqList<TCT_Font> FFontList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Footnotes : public TNYQBase {
public:
    TCT_Footnotes();
    ~TCT_Footnotes() override;
    TItemNyqList<TCT_FtnEdn> FFootnoteList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Endnotes : public TNYQBase {
public:
    TCT_Endnotes();
    ~TCT_Endnotes() override;
    TItemNyqList<TCT_FtnEdn> FEndnoteList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Comments : public TNYQBase {
public:
    TCT_Comments();
    ~TCT_Comments() override;
    TItemNyqList<TCT_Comment> FCommentList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_HdrFtr : public TNYQBase {
public:
    TCT_HdrFtr();
    ~TCT_HdrFtr() override;
    TChoiceNyqList FEG_BlockLevelEltsList;  // 0: customXml, 1: sdt, 2: p, 3: tbl, 4: proofErr, 5: permStart, 6: permEnd, 7: bookmarkStart, 8: bookmarkEnd, 9: moveFromRangeStart, 10: moveFromRangeEnd, 11: moveToRangeStart, 12: moveToRangeEnd, 13: commentRangeStart, 14: commentRangeEnd, 15: customXmlInsRangeStart, 16: customXmlInsRangeEnd, 17: customXmlDelRangeStart, 18: customXmlDelRangeEnd, 19: customXmlMoveFromRangeStart, 20: customXmlMoveFromRangeEnd, 21: customXmlMoveToRangeStart, 22: customXmlMoveToRangeEnd, 23: ins, 24: del, 25: moveFrom, 26: moveTo, 27: oMathPara, 28: oMath, 29: altChunk
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Background : public TNYQBase {
public:
    TCT_Background();
    ~TCT_Background() override;
    std::optional<std::string> FColor;
    std::optional<TST_ThemeColor> FThemeColor;
    std::optional<std::string> FThemeTint;
    std::optional<std::string> FThemeShade;
    std::unique_ptr<TCT_Drawing> FDrawing;
    TNYQOpenList FAny;  // wildcard content
    TCT_Drawing& Create_Drawing();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Body : public TNYQBase {
public:
    TCT_Body();
    ~TCT_Body() override;
    TChoiceNyqList FEG_BlockLevelEltsList;  // 0: customXml, 1: sdt, 2: p, 3: tbl, 4: proofErr, 5: permStart, 6: permEnd, 7: bookmarkStart, 8: bookmarkEnd, 9: moveFromRangeStart, 10: moveFromRangeEnd, 11: moveToRangeStart, 12: moveToRangeEnd, 13: commentRangeStart, 14: commentRangeEnd, 15: customXmlInsRangeStart, 16: customXmlInsRangeEnd, 17: customXmlDelRangeStart, 18: customXmlDelRangeEnd, 19: customXmlMoveFromRangeStart, 20: customXmlMoveFromRangeEnd, 21: customXmlMoveToRangeStart, 22: customXmlMoveToRangeEnd, 23: ins, 24: del, 25: moveFrom, 26: moveTo, 27: oMathPara, 28: oMath, 29: altChunk
    std::unique_ptr<TCT_SectPr> FSectPr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_SectPr& Create_SectPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_DocDefaults : public TNYQBase {
public:
    TCT_DocDefaults();
    ~TCT_DocDefaults() override;
    std::unique_ptr<TCT_RPrDefault> FRPrDefault;
    std::unique_ptr<TCT_PPrDefault> FPPrDefault;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_RPrDefault& Create_RPrDefault();
    TCT_PPrDefault& Create_PPrDefault();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_LatentStyles : public TNYQBase {
public:
    TCT_LatentStyles();
    ~TCT_LatentStyles() override;
    std::optional<std::string> FDefLockedState;
    std::optional<std::int64_t> FDefUIPriority;
    std::optional<std::string> FDefSemiHidden;
    std::optional<std::string> FDefUnhideWhenUsed;
    std::optional<std::string> FDefQFormat;
    std::optional<std::int64_t> FCount;
    TItemNyqList<TCT_LsdException> FLsdExceptionList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Style : public TNYQBase {
public:
    TCT_Style();
    ~TCT_Style() override;
    std::optional<TST_StyleType> FType;
    std::optional<std::string> FStyleId;
    std::optional<std::string> FDefault;
    std::optional<std::string> FCustomStyle;
    std::unique_ptr<TCT_String> FName;
    std::unique_ptr<TCT_String> FAliases;
    std::unique_ptr<TCT_String> FBasedOn;
    std::unique_ptr<TCT_String> FNext;
    std::unique_ptr<TCT_String> FLink;
    std::unique_ptr<TCT_OnOff> FAutoRedefine;
    std::unique_ptr<TCT_OnOff> FHidden;
    std::unique_ptr<TCT_DecimalNumber> FUiPriority;
    std::unique_ptr<TCT_OnOff> FSemiHidden;
    std::unique_ptr<TCT_OnOff> FUnhideWhenUsed;
    std::unique_ptr<TCT_OnOff> FQFormat;
    std::unique_ptr<TCT_OnOff> FLocked;
    std::unique_ptr<TCT_OnOff> FPersonal;
    std::unique_ptr<TCT_OnOff> FPersonalCompose;
    std::unique_ptr<TCT_OnOff> FPersonalReply;
    std::unique_ptr<TCT_LongHexNumber> FRsid;
    std::unique_ptr<TCT_PPrGeneral> FPPr;
    std::unique_ptr<TCT_RPr> FRPr;
    std::unique_ptr<TCT_TblPrBase> FTblPr;
    std::unique_ptr<TCT_TrPr> FTrPr;
    std::unique_ptr<TCT_TcPr> FTcPr;
    TItemNyqList<TCT_TblStylePr> FTblStylePrList;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_String& Create_Name();
    TCT_String& Create_Aliases();
    TCT_String& Create_BasedOn();
    TCT_String& Create_Next();
    TCT_String& Create_Link();
    TCT_OnOff& Create_AutoRedefine();
    TCT_OnOff& Create_Hidden();
    TCT_DecimalNumber& Create_UiPriority();
    TCT_OnOff& Create_SemiHidden();
    TCT_OnOff& Create_UnhideWhenUsed();
    TCT_OnOff& Create_QFormat();
    TCT_OnOff& Create_Locked();
    TCT_OnOff& Create_Personal();
    TCT_OnOff& Create_PersonalCompose();
    TCT_OnOff& Create_PersonalReply();
    TCT_LongHexNumber& Create_Rsid();
    TCT_PPrGeneral& Create_PPr();
    TCT_RPr& Create_RPr();
    TCT_TblPrBase& Create_TblPr();
    TCT_TrPr& Create_TrPr();
    TCT_TcPr& Create_TcPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_NumPicBullet : public TNYQBase {
public:
    TCT_NumPicBullet();
    ~TCT_NumPicBullet() override;
    std::int64_t FNumPicBulletId{};
    std::unique_ptr<TCT_Picture> FPict;
    std::unique_ptr<TCT_Drawing> FDrawing;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Picture& Create_Pict();
    TCT_Drawing& Create_Drawing();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_AbstractNum : public TNYQBase {
public:
    TCT_AbstractNum();
    ~TCT_AbstractNum() override;
    std::int64_t FAbstractNumId{};
    std::unique_ptr<TCT_LongHexNumber> FNsid;
    std::unique_ptr<TCT_MultiLevelType> FMultiLevelType;
    std::unique_ptr<TCT_LongHexNumber> FTmpl;
    std::unique_ptr<TCT_String> FName;
    std::unique_ptr<TCT_String> FStyleLink;
    std::unique_ptr<TCT_String> FNumStyleLink;
    TItemNyqList<TCT_Lvl> FLvlList;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_LongHexNumber& Create_Nsid();
    TCT_MultiLevelType& Create_MultiLevelType();
    TCT_LongHexNumber& Create_Tmpl();
    TCT_String& Create_Name();
    TCT_String& Create_StyleLink();
    TCT_String& Create_NumStyleLink();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Num : public TNYQBase {
public:
    TCT_Num();
    ~TCT_Num() override;
    std::int64_t FNumId{};
    std::unique_ptr<TCT_DecimalNumber> FAbstractNumId;
    TItemNyqList<TCT_NumLvl> FLvlOverrideList;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_DecimalNumber& Create_AbstractNumId();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_DecimalNumber : public TNYQBase {
public:
    TCT_DecimalNumber();
    ~TCT_DecimalNumber() override;
    std::int64_t FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_WriteProtection : public TNYQBase {
public:
    TCT_WriteProtection();
    ~TCT_WriteProtection() override;
    std::optional<std::string> FRecommended;
    std::optional<std::string> FAlgorithmName;
    std::optional<std::string> FHashValue;
    std::optional<std::string> FSaltValue;
    std::optional<std::int64_t> FSpinCount;
    std::optional<TST_CryptProv> FCryptProviderType;
    std::optional<TST_AlgClass> FCryptAlgorithmClass;
    std::optional<TST_AlgType> FCryptAlgorithmType;
    std::optional<std::int64_t> FCryptAlgorithmSid;
    std::optional<std::int64_t> FCryptSpinCount;
    std::optional<std::string> FCryptProvider;
    std::optional<std::string> FAlgIdExt;
    std::optional<std::string> FAlgIdExtSource;
    std::optional<std::string> FCryptProviderTypeExt;
    std::optional<std::string> FCryptProviderTypeExtSource;
    std::optional<std::string> FHash;
    std::optional<std::string> FSalt;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_View : public TNYQBase {
public:
    TCT_View();
    ~TCT_View() override;
    TST_View FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Zoom : public TNYQBase {
public:
    TCT_Zoom();
    ~TCT_Zoom() override;
    std::optional<TST_Zoom> FVal;
    std::string FPercent{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_OnOff : public TNYQBase {
public:
    TCT_OnOff();
    ~TCT_OnOff() override;
    std::optional<std::string> FVal;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_WritingStyle : public TNYQBase {
public:
    TCT_WritingStyle();
    ~TCT_WritingStyle() override;
    std::string FLang{};
    std::string FVendorID{};
    std::string FDllVersion{};
    std::optional<std::string> FNlCheck;
    std::string FCheckStyle{};
    std::string FAppName{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Proof : public TNYQBase {
public:
    TCT_Proof();
    ~TCT_Proof() override;
    std::optional<TST_Proof> FSpelling;
    std::optional<TST_Proof> FGrammar;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Rel : public TNYQBase {
public:
    TCT_Rel();
    ~TCT_Rel() override;
    std::string FId{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_StylePaneFilter : public TNYQBase {
public:
    TCT_StylePaneFilter();
    ~TCT_StylePaneFilter() override;
    std::optional<std::string> FAllStyles;
    std::optional<std::string> FCustomStyles;
    std::optional<std::string> FLatentStyles;
    std::optional<std::string> FStylesInUse;
    std::optional<std::string> FHeadingStyles;
    std::optional<std::string> FNumberingStyles;
    std::optional<std::string> FTableStyles;
    std::optional<std::string> FDirectFormattingOnRuns;
    std::optional<std::string> FDirectFormattingOnParagraphs;
    std::optional<std::string> FDirectFormattingOnNumbering;
    std::optional<std::string> FDirectFormattingOnTables;
    std::optional<std::string> FClearFormatting;
    std::optional<std::string> FTop3HeadingStyles;
    std::optional<std::string> FVisibleStyles;
    std::optional<std::string> FAlternateStyleNames;
    std::optional<std::string> FVal;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_StyleSort : public TNYQBase {
public:
    TCT_StyleSort();
    ~TCT_StyleSort() override;
    TST_StyleSort FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_DocType : public TNYQBase {
public:
    TCT_DocType();
    ~TCT_DocType() override;
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_MailMerge : public TNYQBase {
public:
    TCT_MailMerge();
    ~TCT_MailMerge() override;
    std::unique_ptr<TCT_MailMergeDocType> FMainDocumentType;
    std::unique_ptr<TCT_OnOff> FLinkToQuery;
    std::unique_ptr<TCT_MailMergeDataType> FDataType;
    std::unique_ptr<TCT_String> FConnectString;
    std::unique_ptr<TCT_String> FQuery;
    std::unique_ptr<TCT_Rel> FDataSource;
    std::unique_ptr<TCT_Rel> FHeaderSource;
    std::unique_ptr<TCT_OnOff> FDoNotSuppressBlankLines;
    std::unique_ptr<TCT_MailMergeDest> FDestination;
    std::unique_ptr<TCT_String> FAddressFieldName;
    std::unique_ptr<TCT_String> FMailSubject;
    std::unique_ptr<TCT_OnOff> FMailAsAttachment;
    std::unique_ptr<TCT_OnOff> FViewMergedData;
    std::unique_ptr<TCT_DecimalNumber> FActiveRecord;
    std::unique_ptr<TCT_DecimalNumber> FCheckErrors;
    std::unique_ptr<TCT_Odso> FOdso;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_MailMergeDocType& Create_MainDocumentType();
    TCT_OnOff& Create_LinkToQuery();
    TCT_MailMergeDataType& Create_DataType();
    TCT_String& Create_ConnectString();
    TCT_String& Create_Query();
    TCT_Rel& Create_DataSource();
    TCT_Rel& Create_HeaderSource();
    TCT_OnOff& Create_DoNotSuppressBlankLines();
    TCT_MailMergeDest& Create_Destination();
    TCT_String& Create_AddressFieldName();
    TCT_String& Create_MailSubject();
    TCT_OnOff& Create_MailAsAttachment();
    TCT_OnOff& Create_ViewMergedData();
    TCT_DecimalNumber& Create_ActiveRecord();
    TCT_DecimalNumber& Create_CheckErrors();
    TCT_Odso& Create_Odso();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TrackChangesView : public TNYQBase {
public:
    TCT_TrackChangesView();
    ~TCT_TrackChangesView() override;
    std::optional<std::string> FMarkup;
    std::optional<std::string> FComments;
    std::optional<std::string> FInsDel;
    std::optional<std::string> FFormatting;
    std::optional<std::string> FInkAnnotations;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_DocProtect : public TNYQBase {
public:
    TCT_DocProtect();
    ~TCT_DocProtect() override;
    std::optional<TST_DocProtect> FEdit;
    std::optional<std::string> FFormatting;
    std::optional<std::string> FEnforcement;
    std::optional<std::string> FAlgorithmName;
    std::optional<std::string> FHashValue;
    std::optional<std::string> FSaltValue;
    std::optional<std::int64_t> FSpinCount;
    std::optional<TST_CryptProv> FCryptProviderType;
    std::optional<TST_AlgClass> FCryptAlgorithmClass;
    std::optional<TST_AlgType> FCryptAlgorithmType;
    std::optional<std::int64_t> FCryptAlgorithmSid;
    std::optional<std::int64_t> FCryptSpinCount;
    std::optional<std::string> FCryptProvider;
    std::optional<std::string> FAlgIdExt;
    std::optional<std::string> FAlgIdExtSource;
    std::optional<std::string> FCryptProviderTypeExt;
    std::optional<std::string> FCryptProviderTypeExtSource;
    std::optional<std::string> FHash;
    std::optional<std::string> FSalt;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TwipsMeasure : public TNYQBase {
public:
    TCT_TwipsMeasure();
    ~TCT_TwipsMeasure() override;
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_DecimalNumberOrPrecent : public TNYQBase {
public:
    TCT_DecimalNumberOrPrecent();
    ~TCT_DecimalNumberOrPrecent() override;
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_String : public TNYQBase {
public:
    TCT_String();
    ~TCT_String() override;
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_CharacterSpacing : public TNYQBase {
public:
    TCT_CharacterSpacing();
    ~TCT_CharacterSpacing() override;
    TST_CharacterSpacing FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Kinsoku : public TNYQBase {
public:
    TCT_Kinsoku();
    ~TCT_Kinsoku() override;
    std::string FLang{};
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SaveThroughXslt : public TNYQBase {
public:
    TCT_SaveThroughXslt();
    ~TCT_SaveThroughXslt() override;
    std::optional<std::string> FId;
    std::optional<std::string> FSolutionID;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ShapeDefaults : public TNYQBase {
public:
    TCT_ShapeDefaults();
    ~TCT_ShapeDefaults() override;
    TNYQOpenList FAny;  // wildcard content
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FtnDocProps : public TNYQBase {
public:
    TCT_FtnDocProps();
    ~TCT_FtnDocProps() override;
    std::unique_ptr<TCT_FtnPos> FPos;
    std::unique_ptr<TCT_NumFmt> FNumFmt;
    std::unique_ptr<TCT_DecimalNumber> FNumStart;
    std::unique_ptr<TCT_NumRestart> FNumRestart;
    TItemNyqList<TCT_FtnEdnSepRef> FFootnoteList;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_FtnPos& Create_Pos();
    TCT_NumFmt& Create_NumFmt();
    TCT_DecimalNumber& Create_NumStart();
    TCT_NumRestart& Create_NumRestart();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_EdnDocProps : public TNYQBase {
public:
    TCT_EdnDocProps();
    ~TCT_EdnDocProps() override;
    std::unique_ptr<TCT_EdnPos> FPos;
    std::unique_ptr<TCT_NumFmt> FNumFmt;
    std::unique_ptr<TCT_DecimalNumber> FNumStart;
    std::unique_ptr<TCT_NumRestart> FNumRestart;
    TItemNyqList<TCT_FtnEdnSepRef> FEndnoteList;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_EdnPos& Create_Pos();
    TCT_NumFmt& Create_NumFmt();
    TCT_DecimalNumber& Create_NumStart();
    TCT_NumRestart& Create_NumRestart();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Compat : public TNYQBase {
public:
    TCT_Compat();
    ~TCT_Compat() override;
    std::unique_ptr<TCT_OnOff> FUseSingleBorderforContiguousCells;
    std::unique_ptr<TCT_OnOff> FWpJustification;
    std::unique_ptr<TCT_OnOff> FNoTabHangInd;
    std::unique_ptr<TCT_OnOff> FNoLeading;
    std::unique_ptr<TCT_OnOff> FSpaceForUL;
    std::unique_ptr<TCT_OnOff> FNoColumnBalance;
    std::unique_ptr<TCT_OnOff> FBalanceSingleByteDoubleByteWidth;
    std::unique_ptr<TCT_OnOff> FNoExtraLineSpacing;
    std::unique_ptr<TCT_OnOff> FDoNotLeaveBackslashAlone;
    std::unique_ptr<TCT_OnOff> FUlTrailSpace;
    std::unique_ptr<TCT_OnOff> FDoNotExpandShiftReturn;
    std::unique_ptr<TCT_OnOff> FSpacingInWholePoints;
    std::unique_ptr<TCT_OnOff> FLineWrapLikeWord6;
    std::unique_ptr<TCT_OnOff> FPrintBodyTextBeforeHeader;
    std::unique_ptr<TCT_OnOff> FPrintColBlack;
    std::unique_ptr<TCT_OnOff> FWpSpaceWidth;
    std::unique_ptr<TCT_OnOff> FShowBreaksInFrames;
    std::unique_ptr<TCT_OnOff> FSubFontBySize;
    std::unique_ptr<TCT_OnOff> FSuppressBottomSpacing;
    std::unique_ptr<TCT_OnOff> FSuppressTopSpacing;
    std::unique_ptr<TCT_OnOff> FSuppressSpacingAtTopOfPage;
    std::unique_ptr<TCT_OnOff> FSuppressTopSpacingWP;
    std::unique_ptr<TCT_OnOff> FSuppressSpBfAfterPgBrk;
    std::unique_ptr<TCT_OnOff> FSwapBordersFacingPages;
    std::unique_ptr<TCT_OnOff> FConvMailMergeEsc;
    std::unique_ptr<TCT_OnOff> FTruncateFontHeightsLikeWP6;
    std::unique_ptr<TCT_OnOff> FMwSmallCaps;
    std::unique_ptr<TCT_OnOff> FUsePrinterMetrics;
    std::unique_ptr<TCT_OnOff> FDoNotSuppressParagraphBorders;
    std::unique_ptr<TCT_OnOff> FWrapTrailSpaces;
    std::unique_ptr<TCT_OnOff> FFootnoteLayoutLikeWW8;
    std::unique_ptr<TCT_OnOff> FShapeLayoutLikeWW8;
    std::unique_ptr<TCT_OnOff> FAlignTablesRowByRow;
    std::unique_ptr<TCT_OnOff> FForgetLastTabAlignment;
    std::unique_ptr<TCT_OnOff> FAdjustLineHeightInTable;
    std::unique_ptr<TCT_OnOff> FAutoSpaceLikeWord95;
    std::unique_ptr<TCT_OnOff> FNoSpaceRaiseLower;
    std::unique_ptr<TCT_OnOff> FDoNotUseHTMLParagraphAutoSpacing;
    std::unique_ptr<TCT_OnOff> FLayoutRawTableWidth;
    std::unique_ptr<TCT_OnOff> FLayoutTableRowsApart;
    std::unique_ptr<TCT_OnOff> FUseWord97LineBreakRules;
    std::unique_ptr<TCT_OnOff> FDoNotBreakWrappedTables;
    std::unique_ptr<TCT_OnOff> FDoNotSnapToGridInCell;
    std::unique_ptr<TCT_OnOff> FSelectFldWithFirstOrLastChar;
    std::unique_ptr<TCT_OnOff> FApplyBreakingRules;
    std::unique_ptr<TCT_OnOff> FDoNotWrapTextWithPunct;
    std::unique_ptr<TCT_OnOff> FDoNotUseEastAsianBreakRules;
    std::unique_ptr<TCT_OnOff> FUseWord2002TableStyleRules;
    std::unique_ptr<TCT_OnOff> FGrowAutofit;
    std::unique_ptr<TCT_OnOff> FUseFELayout;
    std::unique_ptr<TCT_OnOff> FUseNormalStyleForList;
    std::unique_ptr<TCT_OnOff> FDoNotUseIndentAsNumberingTabStop;
    std::unique_ptr<TCT_OnOff> FUseAltKinsokuLineBreakRules;
    std::unique_ptr<TCT_OnOff> FAllowSpaceOfSameStyleInTable;
    std::unique_ptr<TCT_OnOff> FDoNotSuppressIndentation;
    std::unique_ptr<TCT_OnOff> FDoNotAutofitConstrainedTables;
    std::unique_ptr<TCT_OnOff> FAutofitToFirstFixedWidthCell;
    std::unique_ptr<TCT_OnOff> FUnderlineTabInNumList;
    std::unique_ptr<TCT_OnOff> FDisplayHangulFixedWidth;
    std::unique_ptr<TCT_OnOff> FSplitPgBreakAndParaMark;
    std::unique_ptr<TCT_OnOff> FDoNotVertAlignCellWithSp;
    std::unique_ptr<TCT_OnOff> FDoNotBreakConstrainedForcedTable;
    std::unique_ptr<TCT_OnOff> FDoNotVertAlignInTxbx;
    std::unique_ptr<TCT_OnOff> FUseAnsiKerningPairs;
    std::unique_ptr<TCT_OnOff> FCachedColBalance;
    TItemNyqList<TCT_CompatSetting> FCompatSettingList;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_OnOff& Create_UseSingleBorderforContiguousCells();
    TCT_OnOff& Create_WpJustification();
    TCT_OnOff& Create_NoTabHangInd();
    TCT_OnOff& Create_NoLeading();
    TCT_OnOff& Create_SpaceForUL();
    TCT_OnOff& Create_NoColumnBalance();
    TCT_OnOff& Create_BalanceSingleByteDoubleByteWidth();
    TCT_OnOff& Create_NoExtraLineSpacing();
    TCT_OnOff& Create_DoNotLeaveBackslashAlone();
    TCT_OnOff& Create_UlTrailSpace();
    TCT_OnOff& Create_DoNotExpandShiftReturn();
    TCT_OnOff& Create_SpacingInWholePoints();
    TCT_OnOff& Create_LineWrapLikeWord6();
    TCT_OnOff& Create_PrintBodyTextBeforeHeader();
    TCT_OnOff& Create_PrintColBlack();
    TCT_OnOff& Create_WpSpaceWidth();
    TCT_OnOff& Create_ShowBreaksInFrames();
    TCT_OnOff& Create_SubFontBySize();
    TCT_OnOff& Create_SuppressBottomSpacing();
    TCT_OnOff& Create_SuppressTopSpacing();
    TCT_OnOff& Create_SuppressSpacingAtTopOfPage();
    TCT_OnOff& Create_SuppressTopSpacingWP();
    TCT_OnOff& Create_SuppressSpBfAfterPgBrk();
    TCT_OnOff& Create_SwapBordersFacingPages();
    TCT_OnOff& Create_ConvMailMergeEsc();
    TCT_OnOff& Create_TruncateFontHeightsLikeWP6();
    TCT_OnOff& Create_MwSmallCaps();
    TCT_OnOff& Create_UsePrinterMetrics();
    TCT_OnOff& Create_DoNotSuppressParagraphBorders();
    TCT_OnOff& Create_WrapTrailSpaces();
    TCT_OnOff& Create_FootnoteLayoutLikeWW8();
    TCT_OnOff& Create_ShapeLayoutLikeWW8();
    TCT_OnOff& Create_AlignTablesRowByRow();
    TCT_OnOff& Create_ForgetLastTabAlignment();
    TCT_OnOff& Create_AdjustLineHeightInTable();
    TCT_OnOff& Create_AutoSpaceLikeWord95();
    TCT_OnOff& Create_NoSpaceRaiseLower();
    TCT_OnOff& Create_DoNotUseHTMLParagraphAutoSpacing();
    TCT_OnOff& Create_LayoutRawTableWidth();
    TCT_OnOff& Create_LayoutTableRowsApart();
    TCT_OnOff& Create_UseWord97LineBreakRules();
    TCT_OnOff& Create_DoNotBreakWrappedTables();
    TCT_OnOff& Create_DoNotSnapToGridInCell();
    TCT_OnOff& Create_SelectFldWithFirstOrLastChar();
    TCT_OnOff& Create_ApplyBreakingRules();
    TCT_OnOff& Create_DoNotWrapTextWithPunct();
    TCT_OnOff& Create_DoNotUseEastAsianBreakRules();
    TCT_OnOff& Create_UseWord2002TableStyleRules();
    TCT_OnOff& Create_GrowAutofit();
    TCT_OnOff& Create_UseFELayout();
    TCT_OnOff& Create_UseNormalStyleForList();
    TCT_OnOff& Create_DoNotUseIndentAsNumberingTabStop();
    TCT_OnOff& Create_UseAltKinsokuLineBreakRules();
    TCT_OnOff& Create_AllowSpaceOfSameStyleInTable();
    TCT_OnOff& Create_DoNotSuppressIndentation();
    TCT_OnOff& Create_DoNotAutofitConstrainedTables();
    TCT_OnOff& Create_AutofitToFirstFixedWidthCell();
    TCT_OnOff& Create_UnderlineTabInNumList();
    TCT_OnOff& Create_DisplayHangulFixedWidth();
    TCT_OnOff& Create_SplitPgBreakAndParaMark();
    TCT_OnOff& Create_DoNotVertAlignCellWithSp();
    TCT_OnOff& Create_DoNotBreakConstrainedForcedTable();
    TCT_OnOff& Create_DoNotVertAlignInTxbx();
    TCT_OnOff& Create_UseAnsiKerningPairs();
    TCT_OnOff& Create_CachedColBalance();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_DocVars : public TNYQBase {
public:
    TCT_DocVars();
    ~TCT_DocVars() override;
    TItemNyqList<TCT_DocVar> FDocVarList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_DocRsids : public TNYQBase {
public:
    TCT_DocRsids();
    ~TCT_DocRsids() override;
    std::unique_ptr<TCT_LongHexNumber> FRsidRoot;
    TItemNyqList<TCT_LongHexNumber> FRsidList;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_LongHexNumber& Create_RsidRoot();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Language : public TNYQBase {
public:
    TCT_Language();
    ~TCT_Language() override;
    std::optional<std::string> FVal;
    std::optional<std::string> FEastAsia;
    std::optional<std::string> FBidi;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ColorSchemeMapping : public TNYQBase {
public:
    TCT_ColorSchemeMapping();
    ~TCT_ColorSchemeMapping() override;
    std::optional<TST_WmlColorSchemeIndex> FBg1;
    std::optional<TST_WmlColorSchemeIndex> FT1;
    std::optional<TST_WmlColorSchemeIndex> FBg2;
    std::optional<TST_WmlColorSchemeIndex> FT2;
    std::optional<TST_WmlColorSchemeIndex> FAccent1;
    std::optional<TST_WmlColorSchemeIndex> FAccent2;
    std::optional<TST_WmlColorSchemeIndex> FAccent3;
    std::optional<TST_WmlColorSchemeIndex> FAccent4;
    std::optional<TST_WmlColorSchemeIndex> FAccent5;
    std::optional<TST_WmlColorSchemeIndex> FAccent6;
    std::optional<TST_WmlColorSchemeIndex> FHyperlink;
    std::optional<TST_WmlColorSchemeIndex> FFollowedHyperlink;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Empty : public TNYQBase {
public:
    TCT_Empty();
    ~TCT_Empty() override;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Captions : public TNYQBase {
public:
    TCT_Captions();
    ~TCT_Captions() override;
    TItemNyqList<TCT_Caption> FCaptionList;
    std::unique_ptr<TCT_AutoCaptions> FAutoCaptions;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_AutoCaptions& Create_AutoCaptions();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ReadingModeInkLockDown : public TNYQBase {
public:
    TCT_ReadingModeInkLockDown();
    ~TCT_ReadingModeInkLockDown() override;
    std::string FActualPg{};
    std::uint64_t FW{};
    std::uint64_t FH{};
    std::string FFontSz{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SmartTagType : public TNYQBase {
public:
    TCT_SmartTagType();
    ~TCT_SmartTagType() override;
    std::optional<std::string> FNamespaceuri;
    std::optional<std::string> FName;
    std::optional<std::string> FUrl;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Frameset : public TNYQBase {
public:
    TCT_Frameset();
    ~TCT_Frameset() override;
    std::unique_ptr<TCT_String> FSz;
    std::unique_ptr<TCT_FramesetSplitbar> FFramesetSplitbar;
    std::unique_ptr<TCT_FrameLayout> FFrameLayout;
    std::unique_ptr<TCT_String> FTitle;
    TChoiceNyqList FChoice1List;  // 0: frameset, 1: frame
    TNYQOpenList FAny;  // kept unknown elements
    TCT_String& Create_Sz();
    TCT_FramesetSplitbar& Create_FramesetSplitbar();
    TCT_FrameLayout& Create_FrameLayout();
    TCT_String& Create_Title();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Divs : public TNYQBase {
public:
    TCT_Divs();
    ~TCT_Divs() override;
    TItemNyqList<TCT_Div> FDivList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_OptimizeForBrowser : public TNYQBase {
public:
    TCT_OptimizeForBrowser();
    ~TCT_OptimizeForBrowser() override;
    std::optional<std::string> FVal;
    std::optional<std::string> FTarget;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TargetScreenSz : public TNYQBase {
public:
    TCT_TargetScreenSz();
    ~TCT_TargetScreenSz() override;
    TST_TargetScreenSz FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Font : public TNYQBase {
public:
    TCT_Font();
    ~TCT_Font() override;
    std::string FName{};
    std::unique_ptr<TCT_String> FAltName;
    std::unique_ptr<TCT_Panose> FPanose1;
    std::unique_ptr<TCT_Charset> FCharset;
    std::unique_ptr<TCT_FontFamily> FFamily;
    std::unique_ptr<TCT_OnOff> FNotTrueType;
    std::unique_ptr<TCT_Pitch> FPitch;
    std::unique_ptr<TCT_FontSig> FSig;
    std::unique_ptr<TCT_FontRel> FEmbedRegular;
    std::unique_ptr<TCT_FontRel> FEmbedBold;
    std::unique_ptr<TCT_FontRel> FEmbedItalic;
    std::unique_ptr<TCT_FontRel> FEmbedBoldItalic;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_String& Create_AltName();
    TCT_Panose& Create_Panose1();
    TCT_Charset& Create_Charset();
    TCT_FontFamily& Create_Family();
    TCT_OnOff& Create_NotTrueType();
    TCT_Pitch& Create_Pitch();
    TCT_FontSig& Create_Sig();
    TCT_FontRel& Create_EmbedRegular();
    TCT_FontRel& Create_EmbedBold();
    TCT_FontRel& Create_EmbedItalic();
    TCT_FontRel& Create_EmbedBoldItalic();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FtnEdn : public TNYQBase {
public:
    TCT_FtnEdn();
    ~TCT_FtnEdn() override;
    std::optional<TST_FtnEdn> FType;
    std::int64_t FId{};
    TChoiceNyqList FEG_BlockLevelEltsList;  // 0: customXml, 1: sdt, 2: p, 3: tbl, 4: proofErr, 5: permStart, 6: permEnd, 7: bookmarkStart, 8: bookmarkEnd, 9: moveFromRangeStart, 10: moveFromRangeEnd, 11: moveToRangeStart, 12: moveToRangeEnd, 13: commentRangeStart, 14: commentRangeEnd, 15: customXmlInsRangeStart, 16: customXmlInsRangeEnd, 17: customXmlDelRangeStart, 18: customXmlDelRangeEnd, 19: customXmlMoveFromRangeStart, 20: customXmlMoveFromRangeEnd, 21: customXmlMoveToRangeStart, 22: customXmlMoveToRangeEnd, 23: ins, 24: del, 25: moveFrom, 26: moveTo, 27: oMathPara, 28: oMath, 29: altChunk
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Comment : public TNYQBase {
public:
    TCT_Comment();
    ~TCT_Comment() override;
    std::int64_t FId{};
    std::string FAuthor{};
    std::optional<TNyqDateTime> FDate;
    std::optional<std::string> FInitials;
    TChoiceNyqList FEG_BlockLevelEltsList;  // 0: customXml, 1: sdt, 2: p, 3: tbl, 4: proofErr, 5: permStart, 6: permEnd, 7: bookmarkStart, 8: bookmarkEnd, 9: moveFromRangeStart, 10: moveFromRangeEnd, 11: moveToRangeStart, 12: moveToRangeEnd, 13: commentRangeStart, 14: commentRangeEnd, 15: customXmlInsRangeStart, 16: customXmlInsRangeEnd, 17: customXmlDelRangeStart, 18: customXmlDelRangeEnd, 19: customXmlMoveFromRangeStart, 20: customXmlMoveFromRangeEnd, 21: customXmlMoveToRangeStart, 22: customXmlMoveToRangeEnd, 23: ins, 24: del, 25: moveFrom, 26: moveTo, 27: oMathPara, 28: oMath, 29: altChunk
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_CustomXmlBlock : public TNYQBase {
public:
    TCT_CustomXmlBlock();
    ~TCT_CustomXmlBlock() override;
    std::optional<std::string> FUri;
    std::string FElement{};
    std::unique_ptr<TCT_CustomXmlPr> FCustomXmlPr;
    TChoiceNyqList FEG_ContentBlockContentList;  // 0: customXml, 1: sdt, 2: p, 3: tbl, 4: proofErr, 5: permStart, 6: permEnd, 7: bookmarkStart, 8: bookmarkEnd, 9: moveFromRangeStart, 10: moveFromRangeEnd, 11: moveToRangeStart, 12: moveToRangeEnd, 13: commentRangeStart, 14: commentRangeEnd, 15: customXmlInsRangeStart, 16: customXmlInsRangeEnd, 17: customXmlDelRangeStart, 18: customXmlDelRangeEnd, 19: customXmlMoveFromRangeStart, 20: customXmlMoveFromRangeEnd, 21: customXmlMoveToRangeStart, 22: customXmlMoveToRangeEnd, 23: ins, 24: del, 25: moveFrom, 26: moveTo, 27: oMathPara, 28: oMath
    TNYQOpenList FAny;  // kept unknown elements
    TCT_CustomXmlPr& Create_CustomXmlPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtBlock : public TNYQBase {
public:
    TCT_SdtBlock();
    ~TCT_SdtBlock() override;
    std::unique_ptr<TCT_SdtPr> FSdtPr;
    std::unique_ptr<TCT_SdtEndPr> FSdtEndPr;
    std::unique_ptr<TCT_SdtContentBlock> FSdtContent;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_SdtPr& Create_SdtPr();
    TCT_SdtEndPr& Create_SdtEndPr();
    TCT_SdtContentBlock& Create_SdtContent();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_P : public TNYQBase {
public:
    TCT_P();
    ~TCT_P() override;
    std::optional<std::string> FRsidRPr;
    std::optional<std::string> FRsidR;
    std::optional<std::string> FRsidDel;
    std::optional<std::string> FRsidP;
    std::optional<std::string> FRsidRDefault;
    std::unique_ptr<TCT_PPr> FPPr;
    TChoiceNyqList FEG_PContentList;  // 0: customXml, 1: smartTag, 2: sdt, 3: dir, 4: bdo, 5: r, 6: proofErr, 7: permStart, 8: permEnd, 9: bookmarkStart, 10: bookmarkEnd, 11: moveFromRangeStart, 12: moveFromRangeEnd, 13: moveToRangeStart, 14: moveToRangeEnd, 15: commentRangeStart, 16: commentRangeEnd, 17: customXmlInsRangeStart, 18: customXmlInsRangeEnd, 19: customXmlDelRangeStart, 20: customXmlDelRangeEnd, 21: customXmlMoveFromRangeStart, 22: customXmlMoveFromRangeEnd, 23: customXmlMoveToRangeStart, 24: customXmlMoveToRangeEnd, 25: ins, 26: del, 27: moveFrom, 28: moveTo, 29: oMathPara, 30: oMath, 31: fldSimple, 32: hyperlink, 33: subDoc
    TNYQOpenList FAny;  // kept unknown elements
    TCT_PPr& Create_PPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Tbl : public TNYQBase {
public:
    TCT_Tbl();
    ~TCT_Tbl() override;
    TChoiceNyqList FEG_RangeMarkupElementsList;  // 0: bookmarkStart, 1: bookmarkEnd, 2: moveFromRangeStart, 3: moveFromRangeEnd, 4: moveToRangeStart, 5: moveToRangeEnd, 6: commentRangeStart, 7: commentRangeEnd, 8: customXmlInsRangeStart, 9: customXmlInsRangeEnd, 10: customXmlDelRangeStart, 11: customXmlDelRangeEnd, 12: customXmlMoveFromRangeStart, 13: customXmlMoveFromRangeEnd, 14: customXmlMoveToRangeStart, 15: customXmlMoveToRangeEnd
    std::unique_ptr<TCT_TblPr> FTblPr;
    std::unique_ptr<TCT_TblGrid> FTblGrid;
    TChoiceNyqList FEG_ContentRowContentList;  // 0: tr, 1: customXml, 2: sdt, 3: proofErr, 4: permStart, 5: permEnd, 6: bookmarkStart, 7: bookmarkEnd, 8: moveFromRangeStart, 9: moveFromRangeEnd, 10: moveToRangeStart, 11: moveToRangeEnd, 12: commentRangeStart, 13: commentRangeEnd, 14: customXmlInsRangeStart, 15: customXmlInsRangeEnd, 16: customXmlDelRangeStart, 17: customXmlDelRangeEnd, 18: customXmlMoveFromRangeStart, 19: customXmlMoveFromRangeEnd, 20: customXmlMoveToRangeStart, 21: customXmlMoveToRangeEnd, 22: ins, 23: del, 24: moveFrom, 25: moveTo, 26: oMathPara, 27: oMath
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TblPr& Create_TblPr();
    TCT_TblGrid& Create_TblGrid();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ProofErr : public TNYQBase {
public:
    TCT_ProofErr();
    ~TCT_ProofErr() override;
    TST_ProofErr FType{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PermStart : public TNYQBase {
public:
    TCT_PermStart();
    ~TCT_PermStart() override;
    std::string FId{};
    std::optional<TST_DisplacedByCustomXml> FDisplacedByCustomXml;
    std::optional<TST_EdGrp> FEdGrp;
    std::optional<std::string> FEd;
    std::optional<std::int64_t> FColFirst;
    std::optional<std::int64_t> FColLast;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Perm : public TNYQBase {
public:
    TCT_Perm();
    ~TCT_Perm() override;
    std::string FId{};
    std::optional<TST_DisplacedByCustomXml> FDisplacedByCustomXml;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Bookmark : public TNYQBase {
public:
    TCT_Bookmark();
    ~TCT_Bookmark() override;
    std::int64_t FId{};
    std::optional<TST_DisplacedByCustomXml> FDisplacedByCustomXml;
    std::optional<std::int64_t> FColFirst;
    std::optional<std::int64_t> FColLast;
    std::string FName{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_MarkupRange : public TNYQBase {
public:
    TCT_MarkupRange();
    ~TCT_MarkupRange() override;
    std::int64_t FId{};
    std::optional<TST_DisplacedByCustomXml> FDisplacedByCustomXml;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_MoveBookmark : public TNYQBase {
public:
    TCT_MoveBookmark();
    ~TCT_MoveBookmark() override;
    std::int64_t FId{};
    std::optional<TST_DisplacedByCustomXml> FDisplacedByCustomXml;
    std::optional<std::int64_t> FColFirst;
    std::optional<std::int64_t> FColLast;
    std::string FName{};
    std::string FAuthor{};
    TNyqDateTime FDate{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TrackChange : public TNYQBase {
public:
    TCT_TrackChange();
    ~TCT_TrackChange() override;
    std::int64_t FId{};
    std::string FAuthor{};
    std::optional<TNyqDateTime> FDate;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Markup : public TNYQBase {
public:
    TCT_Markup();
    ~TCT_Markup() override;
    std::int64_t FId{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_RunTrackChange : public TNYQBase {
public:
    TCT_RunTrackChange();
    ~TCT_RunTrackChange() override;
    std::int64_t FId{};
    std::string FAuthor{};
    std::optional<TNyqDateTime> FDate;
    TChoiceNyqList FChoice1List;  // 0: customXml, 1: smartTag, 2: sdt, 3: dir, 4: bdo, 5: r, 6: proofErr, 7: permStart, 8: permEnd, 9: bookmarkStart, 10: bookmarkEnd, 11: moveFromRangeStart, 12: moveFromRangeEnd, 13: moveToRangeStart, 14: moveToRangeEnd, 15: commentRangeStart, 16: commentRangeEnd, 17: customXmlInsRangeStart, 18: customXmlInsRangeEnd, 19: customXmlDelRangeStart, 20: customXmlDelRangeEnd, 21: customXmlMoveFromRangeStart, 22: customXmlMoveFromRangeEnd, 23: customXmlMoveToRangeStart, 24: customXmlMoveToRangeEnd, 25: ins, 26: del, 27: moveFrom, 28: moveTo, 29: oMathPara, 30: oMath
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_AltChunk : public TNYQBase {
public:
    TCT_AltChunk();
    ~TCT_AltChunk() override;
    std::optional<std::string> FId;
    std::unique_ptr<TCT_AltChunkPr> FAltChunkPr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_AltChunkPr& Create_AltChunkPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Drawing : public TNYQBase {
public:
    TCT_Drawing();
    ~TCT_Drawing() override;
    TChoiceNyqList FChoice1List;  // 0: anchor, 1: inline
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SectPr : public TNYQBase {
public:
    TCT_SectPr();
    ~TCT_SectPr() override;
    std::optional<std::string> FRsidRPr;
    std::optional<std::string> FRsidDel;
    std::optional<std::string> FRsidR;
    std::optional<std::string> FRsidSect;
    TChoiceNyqList FEG_HdrFtrReferencesList;  // 0: headerReference, 1: footerReference
    std::unique_ptr<TCT_FtnProps> FFootnotePr;
    std::unique_ptr<TCT_EdnProps> FEndnotePr;
    std::unique_ptr<TCT_SectType> FType;
    std::unique_ptr<TCT_PageSz> FPgSz;
    std::unique_ptr<TCT_PageMar> FPgMar;
    std::unique_ptr<TCT_PaperSource> FPaperSrc;
    std::unique_ptr<TCT_PageBorders> FPgBorders;
    std::unique_ptr<TCT_LineNumber> FLnNumType;
    std::unique_ptr<TCT_PageNumber> FPgNumType;
    std::unique_ptr<TCT_Columns> FCols;
    std::unique_ptr<TCT_OnOff> FFormProt;
    std::unique_ptr<TCT_VerticalJc> FVAlign;
    std::unique_ptr<TCT_OnOff> FNoEndnote;
    std::unique_ptr<TCT_OnOff> FTitlePg;
    std::unique_ptr<TCT_TextDirection> FTextDirection;
    std::unique_ptr<TCT_OnOff> FBidi;
    std::unique_ptr<TCT_OnOff> FRtlGutter;
    std::unique_ptr<TCT_DocGrid> FDocGrid;
    std::unique_ptr<TCT_Rel> FPrinterSettings;
    std::unique_ptr<TCT_SectPrChange> FSectPrChange;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_FtnProps& Create_FootnotePr();
    TCT_EdnProps& Create_EndnotePr();
    TCT_SectType& Create_Type();
    TCT_PageSz& Create_PgSz();
    TCT_PageMar& Create_PgMar();
    TCT_PaperSource& Create_PaperSrc();
    TCT_PageBorders& Create_PgBorders();
    TCT_LineNumber& Create_LnNumType();
    TCT_PageNumber& Create_PgNumType();
    TCT_Columns& Create_Cols();
    TCT_OnOff& Create_FormProt();
    TCT_VerticalJc& Create_VAlign();
    TCT_OnOff& Create_NoEndnote();
    TCT_OnOff& Create_TitlePg();
    TCT_TextDirection& Create_TextDirection();
    TCT_OnOff& Create_Bidi();
    TCT_OnOff& Create_RtlGutter();
    TCT_DocGrid& Create_DocGrid();
    TCT_Rel& Create_PrinterSettings();
    TCT_SectPrChange& Create_SectPrChange();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_RPrDefault : public TNYQBase {
public:
    TCT_RPrDefault();
    ~TCT_RPrDefault() override;
    std::unique_ptr<TCT_RPr> FRPr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_RPr& Create_RPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PPrDefault : public TNYQBase {
public:
    TCT_PPrDefault();
    ~TCT_PPrDefault() override;
    std::unique_ptr<TCT_PPrGeneral> FPPr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_PPrGeneral& Create_PPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_LsdException : public TNYQBase {
public:
    TCT_LsdException();
    ~TCT_LsdException() override;
    std::string FName{};
    std::optional<std::string> FLocked;
    std::optional<std::int64_t> FUiPriority;
    std::optional<std::string> FSemiHidden;
    std::optional<std::string> FUnhideWhenUsed;
    std::optional<std::string> FQFormat;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_LongHexNumber : public TNYQBase {
public:
    TCT_LongHexNumber();
    ~TCT_LongHexNumber() override;
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PPrGeneral : public TNYQBase {
public:
    TCT_PPrGeneral();
    ~TCT_PPrGeneral() override;
    std::unique_ptr<TCT_String> FPStyle;
    std::unique_ptr<TCT_OnOff> FKeepNext;
    std::unique_ptr<TCT_OnOff> FKeepLines;
    std::unique_ptr<TCT_OnOff> FPageBreakBefore;
    std::unique_ptr<TCT_FramePr> FFramePr;
    std::unique_ptr<TCT_OnOff> FWidowControl;
    std::unique_ptr<TCT_NumPr> FNumPr;
    std::unique_ptr<TCT_OnOff> FSuppressLineNumbers;
    std::unique_ptr<TCT_PBdr> FPBdr;
    std::unique_ptr<TCT_Shd> FShd;
    std::unique_ptr<TCT_Tabs> FTabs;
    std::unique_ptr<TCT_OnOff> FSuppressAutoHyphens;
    std::unique_ptr<TCT_OnOff> FKinsoku;
    std::unique_ptr<TCT_OnOff> FWordWrap;
    std::unique_ptr<TCT_OnOff> FOverflowPunct;
    std::unique_ptr<TCT_OnOff> FTopLinePunct;
    std::unique_ptr<TCT_OnOff> FAutoSpaceDE;
    std::unique_ptr<TCT_OnOff> FAutoSpaceDN;
    std::unique_ptr<TCT_OnOff> FBidi;
    std::unique_ptr<TCT_OnOff> FAdjustRightInd;
    std::unique_ptr<TCT_OnOff> FSnapToGrid;
    std::unique_ptr<TCT_Spacing> FSpacing;
    std::unique_ptr<TCT_Ind> FInd;
    std::unique_ptr<TCT_OnOff> FContextualSpacing;
    std::unique_ptr<TCT_OnOff> FMirrorIndents;
    std::unique_ptr<TCT_OnOff> FSuppressOverlap;
    std::unique_ptr<TCT_Jc> FJc;
    std::unique_ptr<TCT_TextDirection> FTextDirection;
    std::unique_ptr<TCT_TextAlignment> FTextAlignment;
    std::unique_ptr<TCT_TextboxTightWrap> FTextboxTightWrap;
    std::unique_ptr<TCT_DecimalNumber> FOutlineLvl;
    std::unique_ptr<TCT_DecimalNumber> FDivId;
    std::unique_ptr<TCT_Cnf> FCnfStyle;
    std::unique_ptr<TCT_PPrChange> FPPrChange;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_String& Create_PStyle();
    TCT_OnOff& Create_KeepNext();
    TCT_OnOff& Create_KeepLines();
    TCT_OnOff& Create_PageBreakBefore();
    TCT_FramePr& Create_FramePr();
    TCT_OnOff& Create_WidowControl();
    TCT_NumPr& Create_NumPr();
    TCT_OnOff& Create_SuppressLineNumbers();
    TCT_PBdr& Create_PBdr();
    TCT_Shd& Create_Shd();
    TCT_Tabs& Create_Tabs();
    TCT_OnOff& Create_SuppressAutoHyphens();
    TCT_OnOff& Create_Kinsoku();
    TCT_OnOff& Create_WordWrap();
    TCT_OnOff& Create_OverflowPunct();
    TCT_OnOff& Create_TopLinePunct();
    TCT_OnOff& Create_AutoSpaceDE();
    TCT_OnOff& Create_AutoSpaceDN();
    TCT_OnOff& Create_Bidi();
    TCT_OnOff& Create_AdjustRightInd();
    TCT_OnOff& Create_SnapToGrid();
    TCT_Spacing& Create_Spacing();
    TCT_Ind& Create_Ind();
    TCT_OnOff& Create_ContextualSpacing();
    TCT_OnOff& Create_MirrorIndents();
    TCT_OnOff& Create_SuppressOverlap();
    TCT_Jc& Create_Jc();
    TCT_TextDirection& Create_TextDirection();
    TCT_TextAlignment& Create_TextAlignment();
    TCT_TextboxTightWrap& Create_TextboxTightWrap();
    TCT_DecimalNumber& Create_OutlineLvl();
    TCT_DecimalNumber& Create_DivId();
    TCT_Cnf& Create_CnfStyle();
    TCT_PPrChange& Create_PPrChange();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_RPr : public TNYQBase {
public:
    TCT_RPr();
    ~TCT_RPr() override;
    TChoiceNyqList FEG_RPrBaseList;  // 0: rStyle, 1: rFonts, 2: b, 3: bCs, 4: i, 5: iCs, 6: caps, 7: smallCaps, 8: strike, 9: dstrike, 10: outline, 11: shadow, 12: emboss, 13: imprint, 14: noProof, 15: snapToGrid, 16: vanish, 17: webHidden, 18: color, 19: spacing, 20: w, 21: kern, 22: position, 23: sz, 24: szCs, 25: highlight, 26: u, 27: effect, 28: bdr, 29: shd, 30: fitText, 31: vertAlign, 32: rtl, 33: cs, 34: em, 35: lang, 36: eastAsianLayout, 37: specVanish, 38: oMath
    std::unique_ptr<TCT_RPrChange> FRPrChange;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_RPrChange& Create_RPrChange();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblPrBase : public TNYQBase {
public:
    TCT_TblPrBase();
    ~TCT_TblPrBase() override;
    std::unique_ptr<TCT_String> FTblStyle;
    std::unique_ptr<TCT_TblPPr> FTblpPr;
    std::unique_ptr<TCT_TblOverlap> FTblOverlap;
    std::unique_ptr<TCT_OnOff> FBidiVisual;
    std::unique_ptr<TCT_DecimalNumber> FTblStyleRowBandSize;
    std::unique_ptr<TCT_DecimalNumber> FTblStyleColBandSize;
    std::unique_ptr<TCT_TblWidth> FTblW;
    std::unique_ptr<TCT_JcTable> FJc;
    std::unique_ptr<TCT_TblWidth> FTblCellSpacing;
    std::unique_ptr<TCT_TblWidth> FTblInd;
    std::unique_ptr<TCT_TblBorders> FTblBorders;
    std::unique_ptr<TCT_Shd> FShd;
    std::unique_ptr<TCT_TblLayoutType> FTblLayout;
    std::unique_ptr<TCT_TblCellMar> FTblCellMar;
    std::unique_ptr<TCT_TblLook> FTblLook;
    std::unique_ptr<TCT_String> FTblCaption;
    std::unique_ptr<TCT_String> FTblDescription;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_String& Create_TblStyle();
    TCT_TblPPr& Create_TblpPr();
    TCT_TblOverlap& Create_TblOverlap();
    TCT_OnOff& Create_BidiVisual();
    TCT_DecimalNumber& Create_TblStyleRowBandSize();
    TCT_DecimalNumber& Create_TblStyleColBandSize();
    TCT_TblWidth& Create_TblW();
    TCT_JcTable& Create_Jc();
    TCT_TblWidth& Create_TblCellSpacing();
    TCT_TblWidth& Create_TblInd();
    TCT_TblBorders& Create_TblBorders();
    TCT_Shd& Create_Shd();
    TCT_TblLayoutType& Create_TblLayout();
    TCT_TblCellMar& Create_TblCellMar();
    TCT_TblLook& Create_TblLook();
    TCT_String& Create_TblCaption();
    TCT_String& Create_TblDescription();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TrPr : public TNYQBase {
public:
    TCT_TrPr();
    ~TCT_TrPr() override;
    TChoiceNyqList FChoice1List;  // 0: cnfStyle, 1: divId, 2: gridBefore, 3: gridAfter, 4: wBefore, 5: wAfter, 6: cantSplit, 7: trHeight, 8: tblHeader, 9: tblCellSpacing, 10: jc, 11: hidden
    std::unique_ptr<TCT_TrackChange> FIns;
    std::unique_ptr<TCT_TrackChange> FDel;
    std::unique_ptr<TCT_TrPrChange> FTrPrChange;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TrackChange& Create_Ins();
    TCT_TrackChange& Create_Del();
    TCT_TrPrChange& Create_TrPrChange();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TcPr : public TNYQBase {
public:
    TCT_TcPr();
    ~TCT_TcPr() override;
    std::unique_ptr<TCT_Cnf> FCnfStyle;
    std::unique_ptr<TCT_TblWidth> FTcW;
    std::unique_ptr<TCT_DecimalNumber> FGridSpan;
    std::unique_ptr<TCT_HMerge> FHMerge;
    std::unique_ptr<TCT_VMerge> FVMerge;
    std::unique_ptr<TCT_TcBorders> FTcBorders;
    std::unique_ptr<TCT_Shd> FShd;
    std::unique_ptr<TCT_OnOff> FNoWrap;
    std::unique_ptr<TCT_TcMar> FTcMar;
    std::unique_ptr<TCT_TextDirection> FTextDirection;
    std::unique_ptr<TCT_OnOff> FTcFitText;
    std::unique_ptr<TCT_VerticalJc> FVAlign;
    std::unique_ptr<TCT_OnOff> FHideMark;
    std::unique_ptr<TCT_Headers> FHeaders;
    std::unique_ptr<TCT_TrackChange> FCellIns;
    std::unique_ptr<TCT_TrackChange> FCellDel;
    std::unique_ptr<TCT_CellMergeTrackChange> FCellMerge;
    std::unique_ptr<TCT_TcPrChange> FTcPrChange;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Cnf& Create_CnfStyle();
    TCT_TblWidth& Create_TcW();
    TCT_DecimalNumber& Create_GridSpan();
    TCT_HMerge& Create_HMerge();
    TCT_VMerge& Create_VMerge();
    TCT_TcBorders& Create_TcBorders();
    TCT_Shd& Create_Shd();
    TCT_OnOff& Create_NoWrap();
    TCT_TcMar& Create_TcMar();
    TCT_TextDirection& Create_TextDirection();
    TCT_OnOff& Create_TcFitText();
    TCT_VerticalJc& Create_VAlign();
    TCT_OnOff& Create_HideMark();
    TCT_Headers& Create_Headers();
    TCT_TrackChange& Create_CellIns();
    TCT_TrackChange& Create_CellDel();
    TCT_CellMergeTrackChange& Create_CellMerge();
    TCT_TcPrChange& Create_TcPrChange();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblStylePr : public TNYQBase {
public:
    TCT_TblStylePr();
    ~TCT_TblStylePr() override;
    TST_TblStyleOverrideType FType{};
    std::unique_ptr<TCT_PPrGeneral> FPPr;
    std::unique_ptr<TCT_RPr> FRPr;
    std::unique_ptr<TCT_TblPrBase> FTblPr;
    std::unique_ptr<TCT_TrPr> FTrPr;
    std::unique_ptr<TCT_TcPr> FTcPr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_PPrGeneral& Create_PPr();
    TCT_RPr& Create_RPr();
    TCT_TblPrBase& Create_TblPr();
    TCT_TrPr& Create_TrPr();
    TCT_TcPr& Create_TcPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Picture : public TNYQBase {
public:
    TCT_Picture();
    ~TCT_Picture() override;
    std::unique_ptr<TCT_Rel> FMovie;
    std::unique_ptr<TCT_Control> FControl;
    TNYQOpenList FAny;  // wildcard content
    TCT_Rel& Create_Movie();
    TCT_Control& Create_Control();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_MultiLevelType : public TNYQBase {
public:
    TCT_MultiLevelType();
    ~TCT_MultiLevelType() override;
    TST_MultiLevelType FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Lvl : public TNYQBase {
public:
    TCT_Lvl();
    ~TCT_Lvl() override;
    std::int64_t FIlvl{};
    std::optional<std::string> FTplc;
    std::optional<std::string> FTentative;
    std::unique_ptr<TCT_DecimalNumber> FStart;
    std::unique_ptr<TCT_NumFmt> FNumFmt;
    std::unique_ptr<TCT_DecimalNumber> FLvlRestart;
    std::unique_ptr<TCT_String> FPStyle;
    std::unique_ptr<TCT_OnOff> FIsLgl;
    std::unique_ptr<TCT_LevelSuffix> FSuff;
    std::unique_ptr<TCT_LevelText> FLvlText;
    std::unique_ptr<TCT_DecimalNumber> FLvlPicBulletId;
    std::unique_ptr<TCT_LvlLegacy> FLegacy;
    std::unique_ptr<TCT_Jc> FLvlJc;
    std::unique_ptr<TCT_PPrGeneral> FPPr;
    std::unique_ptr<TCT_RPr> FRPr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_DecimalNumber& Create_Start();
    TCT_NumFmt& Create_NumFmt();
    TCT_DecimalNumber& Create_LvlRestart();
    TCT_String& Create_PStyle();
    TCT_OnOff& Create_IsLgl();
    TCT_LevelSuffix& Create_Suff();
    TCT_LevelText& Create_LvlText();
    TCT_DecimalNumber& Create_LvlPicBulletId();
    TCT_LvlLegacy& Create_Legacy();
    TCT_Jc& Create_LvlJc();
    TCT_PPrGeneral& Create_PPr();
    TCT_RPr& Create_RPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_NumLvl : public TNYQBase {
public:
    TCT_NumLvl();
    ~TCT_NumLvl() override;
    std::int64_t FIlvl{};
    std::unique_ptr<TCT_DecimalNumber> FStartOverride;
    std::unique_ptr<TCT_Lvl> FLvl;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_DecimalNumber& Create_StartOverride();
    TCT_Lvl& Create_Lvl();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_MailMergeDocType : public TNYQBase {
public:
    TCT_MailMergeDocType();
    ~TCT_MailMergeDocType() override;
    TST_MailMergeDocType FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_MailMergeDataType : public TNYQBase {
public:
    TCT_MailMergeDataType();
    ~TCT_MailMergeDataType() override;
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_MailMergeDest : public TNYQBase {
public:
    TCT_MailMergeDest();
    ~TCT_MailMergeDest() override;
    TST_MailMergeDest FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Odso : public TNYQBase {
public:
    TCT_Odso();
    ~TCT_Odso() override;
    std::unique_ptr<TCT_String> FUdl;
    std::unique_ptr<TCT_String> FTable;
    std::unique_ptr<TCT_Rel> FSrc;
    std::unique_ptr<TCT_DecimalNumber> FColDelim;
    std::unique_ptr<TCT_MailMergeSourceType> FType;
    std::unique_ptr<TCT_OnOff> FFHdr;
    TItemNyqList<TCT_OdsoFieldMapData> FFieldMapDataList;
    TItemNyqList<TCT_Rel> FRecipientDataList;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_String& Create_Udl();
    TCT_String& Create_Table();
    TCT_Rel& Create_Src();
    TCT_DecimalNumber& Create_ColDelim();
    TCT_MailMergeSourceType& Create_Type();
    TCT_OnOff& Create_FHdr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FtnPos : public TNYQBase {
public:
    TCT_FtnPos();
    ~TCT_FtnPos() override;
    TST_FtnPos FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_NumFmt : public TNYQBase {
public:
    TCT_NumFmt();
    ~TCT_NumFmt() override;
    TST_NumberFormat FVal{};
    std::optional<std::string> FFormat;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_NumRestart : public TNYQBase {
public:
    TCT_NumRestart();
    ~TCT_NumRestart() override;
    TST_RestartNumber FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FtnEdnSepRef : public TNYQBase {
public:
    TCT_FtnEdnSepRef();
    ~TCT_FtnEdnSepRef() override;
    std::int64_t FId{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_EdnPos : public TNYQBase {
public:
    TCT_EdnPos();
    ~TCT_EdnPos() override;
    TST_EdnPos FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_CompatSetting : public TNYQBase {
public:
    TCT_CompatSetting();
    ~TCT_CompatSetting() override;
    std::optional<std::string> FName;
    std::optional<std::string> FUri;
    std::optional<std::string> FVal;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_DocVar : public TNYQBase {
public:
    TCT_DocVar();
    ~TCT_DocVar() override;
    std::string FName{};
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Caption : public TNYQBase {
public:
    TCT_Caption();
    ~TCT_Caption() override;
    std::string FName{};
    std::optional<TST_CaptionPos> FPos;
    std::optional<std::string> FChapNum;
    std::optional<std::int64_t> FHeading;
    std::optional<std::string> FNoLabel;
    std::optional<TST_NumberFormat> FNumFmt;
    std::optional<TST_ChapterSep> FSep;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_AutoCaptions : public TNYQBase {
public:
    TCT_AutoCaptions();
    ~TCT_AutoCaptions() override;
    TItemNyqList<TCT_AutoCaption> FAutoCaptionList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FramesetSplitbar : public TNYQBase {
public:
    TCT_FramesetSplitbar();
    ~TCT_FramesetSplitbar() override;
    std::unique_ptr<TCT_TwipsMeasure> FW;
    std::unique_ptr<TCT_Color> FColor;
    std::unique_ptr<TCT_OnOff> FNoBorder;
    std::unique_ptr<TCT_OnOff> FFlatBorders;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TwipsMeasure& Create_W();
    TCT_Color& Create_Color();
    TCT_OnOff& Create_NoBorder();
    TCT_OnOff& Create_FlatBorders();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FrameLayout : public TNYQBase {
public:
    TCT_FrameLayout();
    ~TCT_FrameLayout() override;
    TST_FrameLayout FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Frame : public TNYQBase {
public:
    TCT_Frame();
    ~TCT_Frame() override;
    std::unique_ptr<TCT_String> FSz;
    std::unique_ptr<TCT_String> FName;
    std::unique_ptr<TCT_String> FTitle;
    std::unique_ptr<TCT_Rel> FLongDesc;
    std::unique_ptr<TCT_Rel> FSourceFileName;
    std::unique_ptr<TCT_PixelsMeasure> FMarW;
    std::unique_ptr<TCT_PixelsMeasure> FMarH;
    std::unique_ptr<TCT_FrameScrollbar> FScrollbar;
    std::unique_ptr<TCT_OnOff> FNoResizeAllowed;
    std::unique_ptr<TCT_OnOff> FLinkedToFile;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_String& Create_Sz();
    TCT_String& Create_Name();
    TCT_String& Create_Title();
    TCT_Rel& Create_LongDesc();
    TCT_Rel& Create_SourceFileName();
    TCT_PixelsMeasure& Create_MarW();
    TCT_PixelsMeasure& Create_MarH();
    TCT_FrameScrollbar& Create_Scrollbar();
    TCT_OnOff& Create_NoResizeAllowed();
    TCT_OnOff& Create_LinkedToFile();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Div : public TNYQBase {
public:
    TCT_Div();
    ~TCT_Div() override;
    std::int64_t FId{};
    std::unique_ptr<TCT_OnOff> FBlockQuote;
    std::unique_ptr<TCT_OnOff> FBodyDiv;
    std::unique_ptr<TCT_SignedTwipsMeasure> FMarLeft;
    std::unique_ptr<TCT_SignedTwipsMeasure> FMarRight;
    std::unique_ptr<TCT_SignedTwipsMeasure> FMarTop;
    std::unique_ptr<TCT_SignedTwipsMeasure> FMarBottom;
    std::unique_ptr<TCT_DivBdr> FDivBdr;
    TItemNyqList<TCT_Divs> FDivsChildList;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_OnOff& Create_BlockQuote();
    TCT_OnOff& Create_BodyDiv();
    TCT_SignedTwipsMeasure& Create_MarLeft();
    TCT_SignedTwipsMeasure& Create_MarRight();
    TCT_SignedTwipsMeasure& Create_MarTop();
    TCT_SignedTwipsMeasure& Create_MarBottom();
    TCT_DivBdr& Create_DivBdr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Panose : public TNYQBase {
public:
    TCT_Panose();
    ~TCT_Panose() override;
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Charset : public TNYQBase {
public:
    TCT_Charset();
    ~TCT_Charset() override;
    std::optional<std::string> FVal;
    std::optional<std::string> FCharacterSet;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FontFamily : public TNYQBase {
public:
    TCT_FontFamily();
    ~TCT_FontFamily() override;
    TST_FontFamily FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Pitch : public TNYQBase {
public:
    TCT_Pitch();
    ~TCT_Pitch() override;
    TST_Pitch FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FontSig : public TNYQBase {
public:
    TCT_FontSig();
    ~TCT_FontSig() override;
    std::string FUsb0{};
    std::string FUsb1{};
    std::string FUsb2{};
    std::string FUsb3{};
    std::string FCsb0{};
    std::string FCsb1{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FontRel : public TNYQBase {
public:
    TCT_FontRel();
    ~TCT_FontRel() override;
    std::string FId{};
    std::optional<std::string> FFontKey;
    std::optional<std::string> FSubsetted;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_CustomXmlPr : public TNYQBase {
public:
    TCT_CustomXmlPr();
    ~TCT_CustomXmlPr() override;
    std::unique_ptr<TCT_String> FPlaceholder;
    TItemNyqList<TCT_Attr> FAttrList;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_String& Create_Placeholder();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtPr : public TNYQBase {
public:
    TCT_SdtPr();
    ~TCT_SdtPr() override;
    std::unique_ptr<TCT_RPr> FRPr;
    std::unique_ptr<TCT_String> FAlias;
    std::unique_ptr<TCT_String> FTag;
    std::unique_ptr<TCT_DecimalNumber> FId;
    std::unique_ptr<TCT_Lock> FLock;
    std::unique_ptr<TCT_Placeholder> FPlaceholder;
    std::unique_ptr<TCT_OnOff> FTemporary;
    std::unique_ptr<TCT_OnOff> FShowingPlcHdr;
    std::unique_ptr<TCT_DataBinding> FDataBinding;
    std::unique_ptr<TCT_DecimalNumber> FLabel;
    std::unique_ptr<TCT_UnsignedDecimalNumber> FTabIndex;
    std::unique_ptr<TCT_Empty> FEquation;
    std::unique_ptr<TCT_SdtComboBox> FComboBox;
    std::unique_ptr<TCT_SdtDate> FDate;
    std::unique_ptr<TCT_SdtDocPart> FDocPartObj;
    std::unique_ptr<TCT_SdtDocPart> FDocPartList;
    std::unique_ptr<TCT_SdtDropDownList> FDropDownList;
    std::unique_ptr<TCT_Empty> FPicture;
    std::unique_ptr<TCT_Empty> FRichText;
    std::unique_ptr<TCT_SdtText> FText;
    std::unique_ptr<TCT_Empty> FCitation;
    std::unique_ptr<TCT_Empty> FGroup;
    std::unique_ptr<TCT_Empty> FBibliography;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_RPr& Create_RPr();
    TCT_String& Create_Alias();
    TCT_String& Create_Tag();
    TCT_DecimalNumber& Create_Id();
    TCT_Lock& Create_Lock();
    TCT_Placeholder& Create_Placeholder();
    TCT_OnOff& Create_Temporary();
    TCT_OnOff& Create_ShowingPlcHdr();
    TCT_DataBinding& Create_DataBinding();
    TCT_DecimalNumber& Create_Label();
    TCT_UnsignedDecimalNumber& Create_TabIndex();
    TCT_Empty& Create_Equation();
    TCT_SdtComboBox& Create_ComboBox();
    TCT_SdtDate& Create_Date();
    TCT_SdtDocPart& Create_DocPartObj();
    TCT_SdtDocPart& Create_DocPartList();
    TCT_SdtDropDownList& Create_DropDownList();
    TCT_Empty& Create_Picture();
    TCT_Empty& Create_RichText();
    TCT_SdtText& Create_Text();
    TCT_Empty& Create_Citation();
    TCT_Empty& Create_Group();
    TCT_Empty& Create_Bibliography();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtEndPr : public TNYQBase {
public:
    TCT_SdtEndPr();
    ~TCT_SdtEndPr() override;
    TItemNyqList<TCT_RPr> FRPrList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtContentBlock : public TNYQBase {
public:
    TCT_SdtContentBlock();
    ~TCT_SdtContentBlock() override;
    TChoiceNyqList FEG_ContentBlockContentList;  // 0: customXml, 1: sdt, 2: p, 3: tbl, 4: proofErr, 5: permStart, 6: permEnd, 7: bookmarkStart, 8: bookmarkEnd, 9: moveFromRangeStart, 10: moveFromRangeEnd, 11: moveToRangeStart, 12: moveToRangeEnd, 13: commentRangeStart, 14: commentRangeEnd, 15: customXmlInsRangeStart, 16: customXmlInsRangeEnd, 17: customXmlDelRangeStart, 18: customXmlDelRangeEnd, 19: customXmlMoveFromRangeStart, 20: customXmlMoveFromRangeEnd, 21: customXmlMoveToRangeStart, 22: customXmlMoveToRangeEnd, 23: ins, 24: del, 25: moveFrom, 26: moveTo, 27: oMathPara, 28: oMath
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PPr : public TNYQBase {
public:
    TCT_PPr();
    ~TCT_PPr() override;
    std::unique_ptr<TCT_String> FPStyle;
    std::unique_ptr<TCT_OnOff> FKeepNext;
    std::unique_ptr<TCT_OnOff> FKeepLines;
    std::unique_ptr<TCT_OnOff> FPageBreakBefore;
    std::unique_ptr<TCT_FramePr> FFramePr;
    std::unique_ptr<TCT_OnOff> FWidowControl;
    std::unique_ptr<TCT_NumPr> FNumPr;
    std::unique_ptr<TCT_OnOff> FSuppressLineNumbers;
    std::unique_ptr<TCT_PBdr> FPBdr;
    std::unique_ptr<TCT_Shd> FShd;
    std::unique_ptr<TCT_Tabs> FTabs;
    std::unique_ptr<TCT_OnOff> FSuppressAutoHyphens;
    std::unique_ptr<TCT_OnOff> FKinsoku;
    std::unique_ptr<TCT_OnOff> FWordWrap;
    std::unique_ptr<TCT_OnOff> FOverflowPunct;
    std::unique_ptr<TCT_OnOff> FTopLinePunct;
    std::unique_ptr<TCT_OnOff> FAutoSpaceDE;
    std::unique_ptr<TCT_OnOff> FAutoSpaceDN;
    std::unique_ptr<TCT_OnOff> FBidi;
    std::unique_ptr<TCT_OnOff> FAdjustRightInd;
    std::unique_ptr<TCT_OnOff> FSnapToGrid;
    std::unique_ptr<TCT_Spacing> FSpacing;
    std::unique_ptr<TCT_Ind> FInd;
    std::unique_ptr<TCT_OnOff> FContextualSpacing;
    std::unique_ptr<TCT_OnOff> FMirrorIndents;
    std::unique_ptr<TCT_OnOff> FSuppressOverlap;
    std::unique_ptr<TCT_Jc> FJc;
    std::unique_ptr<TCT_TextDirection> FTextDirection;
    std::unique_ptr<TCT_TextAlignment> FTextAlignment;
    std::unique_ptr<TCT_TextboxTightWrap> FTextboxTightWrap;
    std::unique_ptr<TCT_DecimalNumber> FOutlineLvl;
    std::unique_ptr<TCT_DecimalNumber> FDivId;
    std::unique_ptr<TCT_Cnf> FCnfStyle;
    std::unique_ptr<TCT_ParaRPr> FRPr;
    std::unique_ptr<TCT_SectPr> FSectPr;
    std::unique_ptr<TCT_PPrChange> FPPrChange;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_String& Create_PStyle();
    TCT_OnOff& Create_KeepNext();
    TCT_OnOff& Create_KeepLines();
    TCT_OnOff& Create_PageBreakBefore();
    TCT_FramePr& Create_FramePr();
    TCT_OnOff& Create_WidowControl();
    TCT_NumPr& Create_NumPr();
    TCT_OnOff& Create_SuppressLineNumbers();
    TCT_PBdr& Create_PBdr();
    TCT_Shd& Create_Shd();
    TCT_Tabs& Create_Tabs();
    TCT_OnOff& Create_SuppressAutoHyphens();
    TCT_OnOff& Create_Kinsoku();
    TCT_OnOff& Create_WordWrap();
    TCT_OnOff& Create_OverflowPunct();
    TCT_OnOff& Create_TopLinePunct();
    TCT_OnOff& Create_AutoSpaceDE();
    TCT_OnOff& Create_AutoSpaceDN();
    TCT_OnOff& Create_Bidi();
    TCT_OnOff& Create_AdjustRightInd();
    TCT_OnOff& Create_SnapToGrid();
    TCT_Spacing& Create_Spacing();
    TCT_Ind& Create_Ind();
    TCT_OnOff& Create_ContextualSpacing();
    TCT_OnOff& Create_MirrorIndents();
    TCT_OnOff& Create_SuppressOverlap();
    TCT_Jc& Create_Jc();
    TCT_TextDirection& Create_TextDirection();
    TCT_TextAlignment& Create_TextAlignment();
    TCT_TextboxTightWrap& Create_TextboxTightWrap();
    TCT_DecimalNumber& Create_OutlineLvl();
    TCT_DecimalNumber& Create_DivId();
    TCT_Cnf& Create_CnfStyle();
    TCT_ParaRPr& Create_RPr();
    TCT_SectPr& Create_SectPr();
    TCT_PPrChange& Create_PPrChange();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_CustomXmlRun : public TNYQBase {
public:
    TCT_CustomXmlRun();
    ~TCT_CustomXmlRun() override;
    std::optional<std::string> FUri;
    std::string FElement{};
    std::unique_ptr<TCT_CustomXmlPr> FCustomXmlPr;
    TChoiceNyqList FEG_PContentList;  // 0: customXml, 1: smartTag, 2: sdt, 3: dir, 4: bdo, 5: r, 6: proofErr, 7: permStart, 8: permEnd, 9: bookmarkStart, 10: bookmarkEnd, 11: moveFromRangeStart, 12: moveFromRangeEnd, 13: moveToRangeStart, 14: moveToRangeEnd, 15: commentRangeStart, 16: commentRangeEnd, 17: customXmlInsRangeStart, 18: customXmlInsRangeEnd, 19: customXmlDelRangeStart, 20: customXmlDelRangeEnd, 21: customXmlMoveFromRangeStart, 22: customXmlMoveFromRangeEnd, 23: customXmlMoveToRangeStart, 24: customXmlMoveToRangeEnd, 25: ins, 26: del, 27: moveFrom, 28: moveTo, 29: oMathPara, 30: oMath, 31: fldSimple, 32: hyperlink, 33: subDoc
    TNYQOpenList FAny;  // kept unknown elements
    TCT_CustomXmlPr& Create_CustomXmlPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SmartTagRun : public TNYQBase {
public:
    TCT_SmartTagRun();
    ~TCT_SmartTagRun() override;
    std::optional<std::string> FUri;
    std::string FElement{};
    std::unique_ptr<TCT_SmartTagPr> FSmartTagPr;
    TChoiceNyqList FEG_PContentList;  // 0: customXml, 1: smartTag, 2: sdt, 3: dir, 4: bdo, 5: r, 6: proofErr, 7: permStart, 8: permEnd, 9: bookmarkStart, 10: bookmarkEnd, 11: moveFromRangeStart, 12: moveFromRangeEnd, 13: moveToRangeStart, 14: moveToRangeEnd, 15: commentRangeStart, 16: commentRangeEnd, 17: customXmlInsRangeStart, 18: customXmlInsRangeEnd, 19: customXmlDelRangeStart, 20: customXmlDelRangeEnd, 21: customXmlMoveFromRangeStart, 22: customXmlMoveFromRangeEnd, 23: customXmlMoveToRangeStart, 24: customXmlMoveToRangeEnd, 25: ins, 26: del, 27: moveFrom, 28: moveTo, 29: oMathPara, 30: oMath, 31: fldSimple, 32: hyperlink, 33: subDoc
    TNYQOpenList FAny;  // kept unknown elements
    TCT_SmartTagPr& Create_SmartTagPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtRun : public TNYQBase {
public:
    TCT_SdtRun();
    ~TCT_SdtRun() override;
    std::unique_ptr<TCT_SdtPr> FSdtPr;
    std::unique_ptr<TCT_SdtEndPr> FSdtEndPr;
    std::unique_ptr<TCT_SdtContentRun> FSdtContent;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_SdtPr& Create_SdtPr();
    TCT_SdtEndPr& Create_SdtEndPr();
    TCT_SdtContentRun& Create_SdtContent();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_DirContentRun : public TNYQBase {
public:
    TCT_DirContentRun();
    ~TCT_DirContentRun() override;
    std::optional<TST_Direction> FVal;
    TChoiceNyqList FEG_PContentList;  // 0: customXml, 1: smartTag, 2: sdt, 3: dir, 4: bdo, 5: r, 6: proofErr, 7: permStart, 8: permEnd, 9: bookmarkStart, 10: bookmarkEnd, 11: moveFromRangeStart, 12: moveFromRangeEnd, 13: moveToRangeStart, 14: moveToRangeEnd, 15: commentRangeStart, 16: commentRangeEnd, 17: customXmlInsRangeStart, 18: customXmlInsRangeEnd, 19: customXmlDelRangeStart, 20: customXmlDelRangeEnd, 21: customXmlMoveFromRangeStart, 22: customXmlMoveFromRangeEnd, 23: customXmlMoveToRangeStart, 24: customXmlMoveToRangeEnd, 25: ins, 26: del, 27: moveFrom, 28: moveTo, 29: oMathPara, 30: oMath, 31: fldSimple, 32: hyperlink, 33: subDoc
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_BdoContentRun : public TNYQBase {
public:
    TCT_BdoContentRun();
    ~TCT_BdoContentRun() override;
    std::optional<TST_Direction> FVal;
    TChoiceNyqList FEG_PContentList;  // 0: customXml, 1: smartTag, 2: sdt, 3: dir, 4: bdo, 5: r, 6: proofErr, 7: permStart, 8: permEnd, 9: bookmarkStart, 10: bookmarkEnd, 11: moveFromRangeStart, 12: moveFromRangeEnd, 13: moveToRangeStart, 14: moveToRangeEnd, 15: commentRangeStart, 16: commentRangeEnd, 17: customXmlInsRangeStart, 18: customXmlInsRangeEnd, 19: customXmlDelRangeStart, 20: customXmlDelRangeEnd, 21: customXmlMoveFromRangeStart, 22: customXmlMoveFromRangeEnd, 23: customXmlMoveToRangeStart, 24: customXmlMoveToRangeEnd, 25: ins, 26: del, 27: moveFrom, 28: moveTo, 29: oMathPara, 30: oMath, 31: fldSimple, 32: hyperlink, 33: subDoc
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_R : public TNYQBase {
public:
    TCT_R();
    ~TCT_R() override;
    std::optional<std::string> FRsidRPr;
    std::optional<std::string> FRsidDel;
    std::optional<std::string> FRsidR;
    std::unique_ptr<TCT_RPr> FRPr;
    TChoiceNyqList FEG_RunInnerContentList;  // 0: br, 1: t, 2: contentPart, 3: delText, 4: instrText, 5: delInstrText, 6: noBreakHyphen, 7: softHyphen, 8: dayShort, 9: monthShort, 10: yearShort, 11: dayLong, 12: monthLong, 13: yearLong, 14: annotationRef, 15: footnoteRef, 16: endnoteRef, 17: separator, 18: continuationSeparator, 19: sym, 20: pgNum, 21: cr, 22: tab, 23: object, 24: pict, 25: fldChar, 26: ruby, 27: footnoteReference, 28: endnoteReference, 29: commentReference, 30: drawing, 31: ptab, 32: lastRenderedPageBreak
    TNYQOpenList FAny;  // kept unknown elements
    TCT_RPr& Create_RPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SimpleField : public TNYQBase {
public:
    TCT_SimpleField();
    ~TCT_SimpleField() override;
    std::string FInstr{};
    std::optional<std::string> FFldLock;
    std::optional<std::string> FDirty;
    std::unique_ptr<TCT_Text> FFldData;
    TChoiceNyqList FEG_PContentList;  // 0: customXml, 1: smartTag, 2: sdt, 3: dir, 4: bdo, 5: r, 6: proofErr, 7: permStart, 8: permEnd, 9: bookmarkStart, 10: bookmarkEnd, 11: moveFromRangeStart, 12: moveFromRangeEnd, 13: moveToRangeStart, 14: moveToRangeEnd, 15: commentRangeStart, 16: commentRangeEnd, 17: customXmlInsRangeStart, 18: customXmlInsRangeEnd, 19: customXmlDelRangeStart, 20: customXmlDelRangeEnd, 21: customXmlMoveFromRangeStart, 22: customXmlMoveFromRangeEnd, 23: customXmlMoveToRangeStart, 24: customXmlMoveToRangeEnd, 25: ins, 26: del, 27: moveFrom, 28: moveTo, 29: oMathPara, 30: oMath, 31: fldSimple, 32: hyperlink, 33: subDoc
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Text& Create_FldData();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Hyperlink : public TNYQBase {
public:
    TCT_Hyperlink();
    ~TCT_Hyperlink() override;
    std::optional<std::string> FTgtFrame;
    std::optional<std::string> FTooltip;
    std::optional<std::string> FDocLocation;
    std::optional<std::string> FHistory;
    std::optional<std::string> FAnchor;
    std::optional<std::string> FId;
    TChoiceNyqList FEG_PContentList;  // 0: customXml, 1: smartTag, 2: sdt, 3: dir, 4: bdo, 5: r, 6: proofErr, 7: permStart, 8: permEnd, 9: bookmarkStart, 10: bookmarkEnd, 11: moveFromRangeStart, 12: moveFromRangeEnd, 13: moveToRangeStart, 14: moveToRangeEnd, 15: commentRangeStart, 16: commentRangeEnd, 17: customXmlInsRangeStart, 18: customXmlInsRangeEnd, 19: customXmlDelRangeStart, 20: customXmlDelRangeEnd, 21: customXmlMoveFromRangeStart, 22: customXmlMoveFromRangeEnd, 23: customXmlMoveToRangeStart, 24: customXmlMoveToRangeEnd, 25: ins, 26: del, 27: moveFrom, 28: moveTo, 29: oMathPara, 30: oMath, 31: fldSimple, 32: hyperlink, 33: subDoc
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblPr : public TNYQBase {
public:
    TCT_TblPr();
    ~TCT_TblPr() override;
    std::unique_ptr<TCT_String> FTblStyle;
    std::unique_ptr<TCT_TblPPr> FTblpPr;
    std::unique_ptr<TCT_TblOverlap> FTblOverlap;
    std::unique_ptr<TCT_OnOff> FBidiVisual;
    std::unique_ptr<TCT_DecimalNumber> FTblStyleRowBandSize;
    std::unique_ptr<TCT_DecimalNumber> FTblStyleColBandSize;
    std::unique_ptr<TCT_TblWidth> FTblW;
    std::unique_ptr<TCT_JcTable> FJc;
    std::unique_ptr<TCT_TblWidth> FTblCellSpacing;
    std::unique_ptr<TCT_TblWidth> FTblInd;
    std::unique_ptr<TCT_TblBorders> FTblBorders;
    std::unique_ptr<TCT_Shd> FShd;
    std::unique_ptr<TCT_TblLayoutType> FTblLayout;
    std::unique_ptr<TCT_TblCellMar> FTblCellMar;
    std::unique_ptr<TCT_TblLook> FTblLook;
    std::unique_ptr<TCT_String> FTblCaption;
    std::unique_ptr<TCT_String> FTblDescription;
    std::unique_ptr<TCT_TblPrChange> FTblPrChange;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_String& Create_TblStyle();
    TCT_TblPPr& Create_TblpPr();
    TCT_TblOverlap& Create_TblOverlap();
    TCT_OnOff& Create_BidiVisual();
    TCT_DecimalNumber& Create_TblStyleRowBandSize();
    TCT_DecimalNumber& Create_TblStyleColBandSize();
    TCT_TblWidth& Create_TblW();
    TCT_JcTable& Create_Jc();
    TCT_TblWidth& Create_TblCellSpacing();
    TCT_TblWidth& Create_TblInd();
    TCT_TblBorders& Create_TblBorders();
    TCT_Shd& Create_Shd();
    TCT_TblLayoutType& Create_TblLayout();
    TCT_TblCellMar& Create_TblCellMar();
    TCT_TblLook& Create_TblLook();
    TCT_String& Create_TblCaption();
    TCT_String& Create_TblDescription();
    TCT_TblPrChange& Create_TblPrChange();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblGrid : public TNYQBase {
public:
    TCT_TblGrid();
    ~TCT_TblGrid() override;
    TItemNyqList<TCT_TblGridCol> FGridColList;
    std::unique_ptr<TCT_TblGridChange> FTblGridChange;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TblGridChange& Create_TblGridChange();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Row : public TNYQBase {
public:
    TCT_Row();
    ~TCT_Row() override;
    std::optional<std::string> FRsidRPr;
    std::optional<std::string> FRsidR;
    std::optional<std::string> FRsidDel;
    std::optional<std::string> FRsidTr;
    std::unique_ptr<TCT_TblPrEx> FTblPrEx;
    std::unique_ptr<TCT_TrPr> FTrPr;
    TChoiceNyqList FEG_ContentCellContentList;  // 0: tc, 1: customXml, 2: sdt, 3: proofErr, 4: permStart, 5: permEnd, 6: bookmarkStart, 7: bookmarkEnd, 8: moveFromRangeStart, 9: moveFromRangeEnd, 10: moveToRangeStart, 11: moveToRangeEnd, 12: commentRangeStart, 13: commentRangeEnd, 14: customXmlInsRangeStart, 15: customXmlInsRangeEnd, 16: customXmlDelRangeStart, 17: customXmlDelRangeEnd, 18: customXmlMoveFromRangeStart, 19: customXmlMoveFromRangeEnd, 20: customXmlMoveToRangeStart, 21: customXmlMoveToRangeEnd, 22: ins, 23: del, 24: moveFrom, 25: moveTo, 26: oMathPara, 27: oMath
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TblPrEx& Create_TblPrEx();
    TCT_TrPr& Create_TrPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_CustomXmlRow : public TNYQBase {
public:
    TCT_CustomXmlRow();
    ~TCT_CustomXmlRow() override;
    std::optional<std::string> FUri;
    std::string FElement{};
    std::unique_ptr<TCT_CustomXmlPr> FCustomXmlPr;
    TChoiceNyqList FEG_ContentRowContentList;  // 0: tr, 1: customXml, 2: sdt, 3: proofErr, 4: permStart, 5: permEnd, 6: bookmarkStart, 7: bookmarkEnd, 8: moveFromRangeStart, 9: moveFromRangeEnd, 10: moveToRangeStart, 11: moveToRangeEnd, 12: commentRangeStart, 13: commentRangeEnd, 14: customXmlInsRangeStart, 15: customXmlInsRangeEnd, 16: customXmlDelRangeStart, 17: customXmlDelRangeEnd, 18: customXmlMoveFromRangeStart, 19: customXmlMoveFromRangeEnd, 20: customXmlMoveToRangeStart, 21: customXmlMoveToRangeEnd, 22: ins, 23: del, 24: moveFrom, 25: moveTo, 26: oMathPara, 27: oMath
    TNYQOpenList FAny;  // kept unknown elements
    TCT_CustomXmlPr& Create_CustomXmlPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtRow : public TNYQBase {
public:
    TCT_SdtRow();
    ~TCT_SdtRow() override;
    std::unique_ptr<TCT_SdtPr> FSdtPr;
    std::unique_ptr<TCT_SdtEndPr> FSdtEndPr;
    std::unique_ptr<TCT_SdtContentRow> FSdtContent;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_SdtPr& Create_SdtPr();
    TCT_SdtEndPr& Create_SdtEndPr();
    TCT_SdtContentRow& Create_SdtContent();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_AltChunkPr : public TNYQBase {
public:
    TCT_AltChunkPr();
    ~TCT_AltChunkPr() override;
    std::unique_ptr<TCT_OnOff> FMatchSrc;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_OnOff& Create_MatchSrc();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TxbxContent : public TNYQBase {
public:
    TCT_TxbxContent();
    ~TCT_TxbxContent() override;
    TChoiceNyqList FEG_BlockLevelEltsList;  // 0: customXml, 1: sdt, 2: p, 3: tbl, 4: proofErr, 5: permStart, 6: permEnd, 7: bookmarkStart, 8: bookmarkEnd, 9: moveFromRangeStart, 10: moveFromRangeEnd, 11: moveToRangeStart, 12: moveToRangeEnd, 13: commentRangeStart, 14: commentRangeEnd, 15: customXmlInsRangeStart, 16: customXmlInsRangeEnd, 17: customXmlDelRangeStart, 18: customXmlDelRangeEnd, 19: customXmlMoveFromRangeStart, 20: customXmlMoveFromRangeEnd, 21: customXmlMoveToRangeStart, 22: customXmlMoveToRangeEnd, 23: ins, 24: del, 25: moveFrom, 26: moveTo, 27: oMathPara, 28: oMath, 29: altChunk
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_HdrFtrRef : public TNYQBase {
public:
    TCT_HdrFtrRef();
    ~TCT_HdrFtrRef() override;
    std::string FId{};
    TST_HdrFtr FType{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FtnProps : public TNYQBase {
public:
    TCT_FtnProps();
    ~TCT_FtnProps() override;
    std::unique_ptr<TCT_FtnPos> FPos;
    std::unique_ptr<TCT_NumFmt> FNumFmt;
    std::unique_ptr<TCT_DecimalNumber> FNumStart;
    std::unique_ptr<TCT_NumRestart> FNumRestart;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_FtnPos& Create_Pos();
    TCT_NumFmt& Create_NumFmt();
    TCT_DecimalNumber& Create_NumStart();
    TCT_NumRestart& Create_NumRestart();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_EdnProps : public TNYQBase {
public:
    TCT_EdnProps();
    ~TCT_EdnProps() override;
    std::unique_ptr<TCT_EdnPos> FPos;
    std::unique_ptr<TCT_NumFmt> FNumFmt;
    std::unique_ptr<TCT_DecimalNumber> FNumStart;
    std::unique_ptr<TCT_NumRestart> FNumRestart;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_EdnPos& Create_Pos();
    TCT_NumFmt& Create_NumFmt();
    TCT_DecimalNumber& Create_NumStart();
    TCT_NumRestart& Create_NumRestart();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SectType : public TNYQBase {
public:
    TCT_SectType();
    ~TCT_SectType() override;
    std::optional<TST_SectionMark> FVal;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PageSz : public TNYQBase {
public:
    TCT_PageSz();
    ~TCT_PageSz() override;
    std::optional<std::string> FW;
    std::optional<std::string> FH;
    std::optional<TST_PageOrientation> FOrient;
    std::optional<std::int64_t> FCode;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PageMar : public TNYQBase {
public:
    TCT_PageMar();
    ~TCT_PageMar() override;
    std::string FTop{};
    std::string FRight{};
    std::string FBottom{};
    std::string FLeft{};
    std::string FHeader{};
    std::string FFooter{};
    std::string FGutter{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PaperSource : public TNYQBase {
public:
    TCT_PaperSource();
    ~TCT_PaperSource() override;
    std::optional<std::int64_t> FFirst;
    std::optional<std::int64_t> FOther;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PageBorders : public TNYQBase {
public:
    TCT_PageBorders();
    ~TCT_PageBorders() override;
    std::optional<TST_PageBorderZOrder> FZOrder;
    std::optional<TST_PageBorderDisplay> FDisplay;
    std::optional<TST_PageBorderOffset> FOffsetFrom;
    std::unique_ptr<TCT_TopPageBorder> FTop;
    std::unique_ptr<TCT_PageBorder> FLeft;
    std::unique_ptr<TCT_BottomPageBorder> FBottom;
    std::unique_ptr<TCT_PageBorder> FRight;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TopPageBorder& Create_Top();
    TCT_PageBorder& Create_Left();
    TCT_BottomPageBorder& Create_Bottom();
    TCT_PageBorder& Create_Right();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_LineNumber : public TNYQBase {
public:
    TCT_LineNumber();
    ~TCT_LineNumber() override;
    std::optional<std::int64_t> FCountBy;
    std::optional<std::int64_t> FStart;
    std::optional<std::string> FDistance;
    std::optional<TST_LineNumberRestart> FRestart;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PageNumber : public TNYQBase {
public:
    TCT_PageNumber();
    ~TCT_PageNumber() override;
    std::optional<TST_NumberFormat> FFmt;
    std::optional<std::int64_t> FStart;
    std::optional<std::int64_t> FChapStyle;
    std::optional<TST_ChapterSep> FChapSep;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Columns : public TNYQBase {
public:
    TCT_Columns();
    ~TCT_Columns() override;
    std::optional<std::string> FEqualWidth;
    std::optional<std::string> FSpace;
    std::optional<std::int64_t> FNum;
    std::optional<std::string> FSep;
    TItemNyqList<TCT_Column> FColList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_VerticalJc : public TNYQBase {
public:
    TCT_VerticalJc();
    ~TCT_VerticalJc() override;
    TST_VerticalJc FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TextDirection : public TNYQBase {
public:
    TCT_TextDirection();
    ~TCT_TextDirection() override;
    TST_TextDirection FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_DocGrid : public TNYQBase {
public:
    TCT_DocGrid();
    ~TCT_DocGrid() override;
    std::optional<TST_DocGrid> FType;
    std::optional<std::int64_t> FLinePitch;
    std::optional<std::int64_t> FCharSpace;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SectPrChange : public TNYQBase {
public:
    TCT_SectPrChange();
    ~TCT_SectPrChange() override;
    std::int64_t FId{};
    std::string FAuthor{};
    std::optional<TNyqDateTime> FDate;
    std::unique_ptr<TCT_SectPrBase> FSectPr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_SectPrBase& Create_SectPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FramePr : public TNYQBase {
public:
    TCT_FramePr();
    ~TCT_FramePr() override;
    std::optional<TST_DropCap> FDropCap;
    std::optional<std::int64_t> FLines;
    std::optional<std::string> FW;
    std::optional<std::string> FH;
    std::optional<std::string> FVSpace;
    std::optional<std::string> FHSpace;
    std::optional<TST_Wrap> FWrap;
    std::optional<TST_HAnchor> FHAnchor;
    std::optional<TST_VAnchor> FVAnchor;
    std::optional<std::string> FX;
    std::optional<TST_XAlign> FXAlign;
    std::optional<std::string> FY;
    std::optional<TST_YAlign> FYAlign;
    std::optional<TST_HeightRule> FHRule;
    std::optional<std::string> FAnchorLock;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_NumPr : public TNYQBase {
public:
    TCT_NumPr();
    ~TCT_NumPr() override;
    std::unique_ptr<TCT_DecimalNumber> FIlvl;
    std::unique_ptr<TCT_DecimalNumber> FNumId;
    std::unique_ptr<TCT_TrackChangeNumbering> FNumberingChange;
    std::unique_ptr<TCT_TrackChange> FIns;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_DecimalNumber& Create_Ilvl();
    TCT_DecimalNumber& Create_NumId();
    TCT_TrackChangeNumbering& Create_NumberingChange();
    TCT_TrackChange& Create_Ins();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PBdr : public TNYQBase {
public:
    TCT_PBdr();
    ~TCT_PBdr() override;
    std::unique_ptr<TCT_Border> FTop;
    std::unique_ptr<TCT_Border> FLeft;
    std::unique_ptr<TCT_Border> FBottom;
    std::unique_ptr<TCT_Border> FRight;
    std::unique_ptr<TCT_Border> FBetween;
    std::unique_ptr<TCT_Border> FBar;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Border& Create_Top();
    TCT_Border& Create_Left();
    TCT_Border& Create_Bottom();
    TCT_Border& Create_Right();
    TCT_Border& Create_Between();
    TCT_Border& Create_Bar();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Shd : public TNYQBase {
public:
    TCT_Shd();
    ~TCT_Shd() override;
    TST_Shd FVal{};
    std::optional<std::string> FColor;
    std::optional<TST_ThemeColor> FThemeColor;
    std::optional<std::string> FThemeTint;
    std::optional<std::string> FThemeShade;
    std::optional<std::string> FFill;
    std::optional<TST_ThemeColor> FThemeFill;
    std::optional<std::string> FThemeFillTint;
    std::optional<std::string> FThemeFillShade;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Tabs : public TNYQBase {
public:
    TCT_Tabs();
    ~TCT_Tabs() override;
    TItemNyqList<TCT_TabStop> FTabList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Spacing : public TNYQBase {
public:
    TCT_Spacing();
    ~TCT_Spacing() override;
    std::optional<std::string> FBefore;
    std::optional<std::int64_t> FBeforeLines;
    std::optional<std::string> FBeforeAutospacing;
    std::optional<std::string> FAfter;
    std::optional<std::int64_t> FAfterLines;
    std::optional<std::string> FAfterAutospacing;
    std::optional<std::string> FLine;
    std::optional<TST_LineSpacingRule> FLineRule;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Ind : public TNYQBase {
public:
    TCT_Ind();
    ~TCT_Ind() override;
    std::optional<std::string> FStart;
    std::optional<std::int64_t> FStartChars;
    std::optional<std::string> FEnd;
    std::optional<std::int64_t> FEndChars;
    std::optional<std::string> FLeft;
    std::optional<std::int64_t> FLeftChars;
    std::optional<std::string> FRight;
    std::optional<std::int64_t> FRightChars;
    std::optional<std::string> FHanging;
    std::optional<std::int64_t> FHangingChars;
    std::optional<std::string> FFirstLine;
    std::optional<std::int64_t> FFirstLineChars;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Jc : public TNYQBase {
public:
    TCT_Jc();
    ~TCT_Jc() override;
    TST_Jc FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TextAlignment : public TNYQBase {
public:
    TCT_TextAlignment();
    ~TCT_TextAlignment() override;
    TST_TextAlignment FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TextboxTightWrap : public TNYQBase {
public:
    TCT_TextboxTightWrap();
    ~TCT_TextboxTightWrap() override;
    TST_TextboxTightWrap FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Cnf : public TNYQBase {
public:
    TCT_Cnf();
    ~TCT_Cnf() override;
    std::optional<std::string> FVal;
    std::optional<std::string> FFirstRow;
    std::optional<std::string> FLastRow;
    std::optional<std::string> FFirstColumn;
    std::optional<std::string> FLastColumn;
    std::optional<std::string> FOddVBand;
    std::optional<std::string> FEvenVBand;
    std::optional<std::string> FOddHBand;
    std::optional<std::string> FEvenHBand;
    std::optional<std::string> FFirstRowFirstColumn;
    std::optional<std::string> FFirstRowLastColumn;
    std::optional<std::string> FLastRowFirstColumn;
    std::optional<std::string> FLastRowLastColumn;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PPrChange : public TNYQBase {
public:
    TCT_PPrChange();
    ~TCT_PPrChange() override;
    std::int64_t FId{};
    std::string FAuthor{};
    std::optional<TNyqDateTime> FDate;
    std::unique_ptr<TCT_PPrBase> FPPr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_PPrBase& Create_PPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Fonts : public TNYQBase {
public:
    TCT_Fonts();
    ~TCT_Fonts() override;
    std::optional<TST_Hint> FHint;
    std::optional<std::string> FAscii;
    std::optional<std::string> FHAnsi;
    std::optional<std::string> FEastAsia;
    std::optional<std::string> FCs;
    std::optional<TST_Theme> FAsciiTheme;
    std::optional<TST_Theme> FHAnsiTheme;
    std::optional<TST_Theme> FEastAsiaTheme;
    std::optional<TST_Theme> FCstheme;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Color : public TNYQBase {
public:
    TCT_Color();
    ~TCT_Color() override;
    std::string FVal{};
    std::optional<TST_ThemeColor> FThemeColor;
    std::optional<std::string> FThemeTint;
    std::optional<std::string> FThemeShade;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SignedTwipsMeasure : public TNYQBase {
public:
    TCT_SignedTwipsMeasure();
    ~TCT_SignedTwipsMeasure() override;
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TextScale : public TNYQBase {
public:
    TCT_TextScale();
    ~TCT_TextScale() override;
    std::optional<std::string> FVal;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_HpsMeasure : public TNYQBase {
public:
    TCT_HpsMeasure();
    ~TCT_HpsMeasure() override;
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SignedHpsMeasure : public TNYQBase {
public:
    TCT_SignedHpsMeasure();
    ~TCT_SignedHpsMeasure() override;
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Highlight : public TNYQBase {
public:
    TCT_Highlight();
    ~TCT_Highlight() override;
    TST_HighlightColor FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Underline : public TNYQBase {
public:
    TCT_Underline();
    ~TCT_Underline() override;
    std::optional<TST_Underline> FVal;
    std::optional<std::string> FColor;
    std::optional<TST_ThemeColor> FThemeColor;
    std::optional<std::string> FThemeTint;
    std::optional<std::string> FThemeShade;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TextEffect : public TNYQBase {
public:
    TCT_TextEffect();
    ~TCT_TextEffect() override;
    TST_TextEffect FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Border : public TNYQBase {
public:
    TCT_Border();
    ~TCT_Border() override;
    TST_Border FVal{};
    std::optional<std::string> FColor;
    std::optional<TST_ThemeColor> FThemeColor;
    std::optional<std::string> FThemeTint;
    std::optional<std::string> FThemeShade;
    std::optional<std::uint64_t> FSz;
    std::optional<std::uint64_t> FSpace;
    std::optional<std::string> FShadow;
    std::optional<std::string> FFrame;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FitText : public TNYQBase {
public:
    TCT_FitText();
    ~TCT_FitText() override;
    std::string FVal{};
    std::optional<std::int64_t> FId;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_VerticalAlignRun : public TNYQBase {
public:
    TCT_VerticalAlignRun();
    ~TCT_VerticalAlignRun() override;
    TST_VerticalAlignRun FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Em : public TNYQBase {
public:
    TCT_Em();
    ~TCT_Em() override;
    TST_Em FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_EastAsianLayout : public TNYQBase {
public:
    TCT_EastAsianLayout();
    ~TCT_EastAsianLayout() override;
    std::optional<std::int64_t> FId;
    std::optional<std::string> FCombine;
    std::optional<TST_CombineBrackets> FCombineBrackets;
    std::optional<std::string> FVert;
    std::optional<std::string> FVertCompress;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_RPrChange : public TNYQBase {
public:
    TCT_RPrChange();
    ~TCT_RPrChange() override;
    std::int64_t FId{};
    std::string FAuthor{};
    std::optional<TNyqDateTime> FDate;
    std::unique_ptr<TCT_RPrOriginal> FRPr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_RPrOriginal& Create_RPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblPPr : public TNYQBase {
public:
    TCT_TblPPr();
    ~TCT_TblPPr() override;
    std::optional<std::string> FLeftFromText;
    std::optional<std::string> FRightFromText;
    std::optional<std::string> FTopFromText;
    std::optional<std::string> FBottomFromText;
    std::optional<TST_VAnchor> FVertAnchor;
    std::optional<TST_HAnchor> FHorzAnchor;
    std::optional<TST_XAlign> FTblpXSpec;
    std::optional<std::string> FTblpX;
    std::optional<TST_YAlign> FTblpYSpec;
    std::optional<std::string> FTblpY;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblOverlap : public TNYQBase {
public:
    TCT_TblOverlap();
    ~TCT_TblOverlap() override;
    TST_TblOverlap FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblWidth : public TNYQBase {
public:
    TCT_TblWidth();
    ~TCT_TblWidth() override;
    std::optional<std::string> FW;
    std::optional<TST_TblWidth> FType;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_JcTable : public TNYQBase {
public:
    TCT_JcTable();
    ~TCT_JcTable() override;
    TST_JcTable FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblBorders : public TNYQBase {
public:
    TCT_TblBorders();
    ~TCT_TblBorders() override;
    std::unique_ptr<TCT_Border> FTop;
    std::unique_ptr<TCT_Border> FStart;
    std::unique_ptr<TCT_Border> FLeft;
    std::unique_ptr<TCT_Border> FBottom;
    std::unique_ptr<TCT_Border> FEnd;
    std::unique_ptr<TCT_Border> FRight;
    std::unique_ptr<TCT_Border> FInsideH;
    std::unique_ptr<TCT_Border> FInsideV;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Border& Create_Top();
    TCT_Border& Create_Start();
    TCT_Border& Create_Left();
    TCT_Border& Create_Bottom();
    TCT_Border& Create_End();
    TCT_Border& Create_Right();
    TCT_Border& Create_InsideH();
    TCT_Border& Create_InsideV();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblLayoutType : public TNYQBase {
public:
    TCT_TblLayoutType();
    ~TCT_TblLayoutType() override;
    std::optional<TST_TblLayoutType> FType;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblCellMar : public TNYQBase {
public:
    TCT_TblCellMar();
    ~TCT_TblCellMar() override;
    std::unique_ptr<TCT_TblWidth> FTop;
    std::unique_ptr<TCT_TblWidth> FStart;
    std::unique_ptr<TCT_TblWidth> FLeft;
    std::unique_ptr<TCT_TblWidth> FBottom;
    std::unique_ptr<TCT_TblWidth> FEnd;
    std::unique_ptr<TCT_TblWidth> FRight;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TblWidth& Create_Top();
    TCT_TblWidth& Create_Start();
    TCT_TblWidth& Create_Left();
    TCT_TblWidth& Create_Bottom();
    TCT_TblWidth& Create_End();
    TCT_TblWidth& Create_Right();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblLook : public TNYQBase {
public:
    TCT_TblLook();
    ~TCT_TblLook() override;
    std::optional<std::string> FFirstRow;
    std::optional<std::string> FLastRow;
    std::optional<std::string> FFirstColumn;
    std::optional<std::string> FLastColumn;
    std::optional<std::string> FNoHBand;
    std::optional<std::string> FNoVBand;
    std::optional<std::string> FVal;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Height : public TNYQBase {
public:
    TCT_Height();
    ~TCT_Height() override;
    std::optional<std::string> FVal;
    std::optional<TST_HeightRule> FHRule;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TrPrChange : public TNYQBase {
public:
    TCT_TrPrChange();
    ~TCT_TrPrChange() override;
    std::int64_t FId{};
    std::string FAuthor{};
    std::optional<TNyqDateTime> FDate;
    std::unique_ptr<TCT_TrPrBase> FTrPr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TrPrBase& Create_TrPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_HMerge : public TNYQBase {
public:
    TCT_HMerge();
    ~TCT_HMerge() override;
    std::optional<TST_Merge> FVal;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_VMerge : public TNYQBase {
public:
    TCT_VMerge();
    ~TCT_VMerge() override;
    std::optional<TST_Merge> FVal;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TcBorders : public TNYQBase {
public:
    TCT_TcBorders();
    ~TCT_TcBorders() override;
    std::unique_ptr<TCT_Border> FTop;
    std::unique_ptr<TCT_Border> FStart;
    std::unique_ptr<TCT_Border> FLeft;
    std::unique_ptr<TCT_Border> FBottom;
    std::unique_ptr<TCT_Border> FEnd;
    std::unique_ptr<TCT_Border> FRight;
    std::unique_ptr<TCT_Border> FInsideH;
    std::unique_ptr<TCT_Border> FInsideV;
    std::unique_ptr<TCT_Border> FTl2br;
    std::unique_ptr<TCT_Border> FTr2bl;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Border& Create_Top();
    TCT_Border& Create_Start();
    TCT_Border& Create_Left();
    TCT_Border& Create_Bottom();
    TCT_Border& Create_End();
    TCT_Border& Create_Right();
    TCT_Border& Create_InsideH();
    TCT_Border& Create_InsideV();
    TCT_Border& Create_Tl2br();
    TCT_Border& Create_Tr2bl();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TcMar : public TNYQBase {
public:
    TCT_TcMar();
    ~TCT_TcMar() override;
    std::unique_ptr<TCT_TblWidth> FTop;
    std::unique_ptr<TCT_TblWidth> FStart;
    std::unique_ptr<TCT_TblWidth> FLeft;
    std::unique_ptr<TCT_TblWidth> FBottom;
    std::unique_ptr<TCT_TblWidth> FEnd;
    std::unique_ptr<TCT_TblWidth> FRight;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TblWidth& Create_Top();
    TCT_TblWidth& Create_Start();
    TCT_TblWidth& Create_Left();
    TCT_TblWidth& Create_Bottom();
    TCT_TblWidth& Create_End();
    TCT_TblWidth& Create_Right();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Headers : public TNYQBase {
public:
    TCT_Headers();
    ~TCT_Headers() override;
    TItemNyqList<TCT_String> FHeaderList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_CellMergeTrackChange : public TNYQBase {
public:
    TCT_CellMergeTrackChange();
    ~TCT_CellMergeTrackChange() override;
    std::int64_t FId{};
    std::string FAuthor{};
    std::optional<TNyqDateTime> FDate;
    std::optional<TST_AnnotationVMerge> FVMerge;
    std::optional<TST_AnnotationVMerge> FVMergeOrig;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TcPrChange : public TNYQBase {
public:
    TCT_TcPrChange();
    ~TCT_TcPrChange() override;
    std::int64_t FId{};
    std::string FAuthor{};
    std::optional<TNyqDateTime> FDate;
    std::unique_ptr<TCT_TcPrInner> FTcPr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TcPrInner& Create_TcPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Control : public TNYQBase {
public:
    TCT_Control();
    ~TCT_Control() override;
    std::optional<std::string> FName;
    std::optional<std::string> FShapeid;
    std::optional<std::string> FId;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_LevelSuffix : public TNYQBase {
public:
    TCT_LevelSuffix();
    ~TCT_LevelSuffix() override;
    TST_LevelSuffix FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_LevelText : public TNYQBase {
public:
    TCT_LevelText();
    ~TCT_LevelText() override;
    std::optional<std::string> FVal;
    std::optional<std::string> FNull;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_LvlLegacy : public TNYQBase {
public:
    TCT_LvlLegacy();
    ~TCT_LvlLegacy() override;
    std::optional<std::string> FLegacy;
    std::optional<std::string> FLegacySpace;
    std::optional<std::string> FLegacyIndent;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_MailMergeSourceType : public TNYQBase {
public:
    TCT_MailMergeSourceType();
    ~TCT_MailMergeSourceType() override;
    TST_MailMergeSourceType FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_OdsoFieldMapData : public TNYQBase {
public:
    TCT_OdsoFieldMapData();
    ~TCT_OdsoFieldMapData() override;
    std::unique_ptr<TCT_MailMergeOdsoFMDFieldType> FType;
    std::unique_ptr<TCT_String> FName;
    std::unique_ptr<TCT_String> FMappedName;
    std::unique_ptr<TCT_DecimalNumber> FColumn;
    std::unique_ptr<TCT_Lang> FLid;
    std::unique_ptr<TCT_OnOff> FDynamicAddress;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_MailMergeOdsoFMDFieldType& Create_Type();
    TCT_String& Create_Name();
    TCT_String& Create_MappedName();
    TCT_DecimalNumber& Create_Column();
    TCT_Lang& Create_Lid();
    TCT_OnOff& Create_DynamicAddress();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_AutoCaption : public TNYQBase {
public:
    TCT_AutoCaption();
    ~TCT_AutoCaption() override;
    std::string FName{};
    std::string FCaption{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PixelsMeasure : public TNYQBase {
public:
    TCT_PixelsMeasure();
    ~TCT_PixelsMeasure() override;
    std::uint64_t FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FrameScrollbar : public TNYQBase {
public:
    TCT_FrameScrollbar();
    ~TCT_FrameScrollbar() override;
    TST_FrameScrollbar FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_DivBdr : public TNYQBase {
public:
    TCT_DivBdr();
    ~TCT_DivBdr() override;
    std::unique_ptr<TCT_Border> FTop;
    std::unique_ptr<TCT_Border> FLeft;
    std::unique_ptr<TCT_Border> FBottom;
    std::unique_ptr<TCT_Border> FRight;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Border& Create_Top();
    TCT_Border& Create_Left();
    TCT_Border& Create_Bottom();
    TCT_Border& Create_Right();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Attr : public TNYQBase {
public:
    TCT_Attr();
    ~TCT_Attr() override;
    std::optional<std::string> FUri;
    std::string FName{};
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Lock : public TNYQBase {
public:
    TCT_Lock();
    ~TCT_Lock() override;
    std::optional<TST_Lock> FVal;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Placeholder : public TNYQBase {
public:
    TCT_Placeholder();
    ~TCT_Placeholder() override;
    std::unique_ptr<TCT_String> FDocPart;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_String& Create_DocPart();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_DataBinding : public TNYQBase {
public:
    TCT_DataBinding();
    ~TCT_DataBinding() override;
    std::optional<std::string> FPrefixMappings;
    std::string FXpath{};
    std::string FStoreItemID{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_UnsignedDecimalNumber : public TNYQBase {
public:
    TCT_UnsignedDecimalNumber();
    ~TCT_UnsignedDecimalNumber() override;
    std::uint64_t FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtComboBox : public TNYQBase {
public:
    TCT_SdtComboBox();
    ~TCT_SdtComboBox() override;
    std::optional<std::string> FLastValue;
    TItemNyqList<TCT_SdtListItem> FListItemList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtDate : public TNYQBase {
public:
    TCT_SdtDate();
    ~TCT_SdtDate() override;
    std::optional<TNyqDateTime> FFullDate;
    std::unique_ptr<TCT_String> FDateFormat;
    std::unique_ptr<TCT_Lang> FLid;
    std::unique_ptr<TCT_SdtDateMappingType> FStoreMappedDataAs;
    std::unique_ptr<TCT_CalendarType> FCalendar;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_String& Create_DateFormat();
    TCT_Lang& Create_Lid();
    TCT_SdtDateMappingType& Create_StoreMappedDataAs();
    TCT_CalendarType& Create_Calendar();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtDocPart : public TNYQBase {
public:
    TCT_SdtDocPart();
    ~TCT_SdtDocPart() override;
    std::unique_ptr<TCT_String> FDocPartGallery;
    std::unique_ptr<TCT_String> FDocPartCategory;
    std::unique_ptr<TCT_OnOff> FDocPartUnique;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_String& Create_DocPartGallery();
    TCT_String& Create_DocPartCategory();
    TCT_OnOff& Create_DocPartUnique();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtDropDownList : public TNYQBase {
public:
    TCT_SdtDropDownList();
    ~TCT_SdtDropDownList() override;
    std::optional<std::string> FLastValue;
    TItemNyqList<TCT_SdtListItem> FListItemList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtText : public TNYQBase {
public:
    TCT_SdtText();
    ~TCT_SdtText() override;
    std::optional<std::string> FMultiLine;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ParaRPr : public TNYQBase {
public:
    TCT_ParaRPr();
    ~TCT_ParaRPr() override;
    std::unique_ptr<TCT_TrackChange> FIns;
    std::unique_ptr<TCT_TrackChange> FDel;
    std::unique_ptr<TCT_TrackChange> FMoveFrom;
    std::unique_ptr<TCT_TrackChange> FMoveTo;
    TChoiceNyqList FEG_RPrBaseList;  // 0: rStyle, 1: rFonts, 2: b, 3: bCs, 4: i, 5: iCs, 6: caps, 7: smallCaps, 8: strike, 9: dstrike, 10: outline, 11: shadow, 12: emboss, 13: imprint, 14: noProof, 15: snapToGrid, 16: vanish, 17: webHidden, 18: color, 19: spacing, 20: w, 21: kern, 22: position, 23: sz, 24: szCs, 25: highlight, 26: u, 27: effect, 28: bdr, 29: shd, 30: fitText, 31: vertAlign, 32: rtl, 33: cs, 34: em, 35: lang, 36: eastAsianLayout, 37: specVanish, 38: oMath
    std::unique_ptr<TCT_ParaRPrChange> FRPrChange;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TrackChange& Create_Ins();
    TCT_TrackChange& Create_Del();
    TCT_TrackChange& Create_MoveFrom();
    TCT_TrackChange& Create_MoveTo();
    TCT_ParaRPrChange& Create_RPrChange();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SmartTagPr : public TNYQBase {
public:
    TCT_SmartTagPr();
    ~TCT_SmartTagPr() override;
    TItemNyqList<TCT_Attr> FAttrList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtContentRun : public TNYQBase {
public:
    TCT_SdtContentRun();
    ~TCT_SdtContentRun() override;
    TChoiceNyqList FEG_PContentList;  // 0: customXml, 1: smartTag, 2: sdt, 3: dir, 4: bdo, 5: r, 6: proofErr, 7: permStart, 8: permEnd, 9: bookmarkStart, 10: bookmarkEnd, 11: moveFromRangeStart, 12: moveFromRangeEnd, 13: moveToRangeStart, 14: moveToRangeEnd, 15: commentRangeStart, 16: commentRangeEnd, 17: customXmlInsRangeStart, 18: customXmlInsRangeEnd, 19: customXmlDelRangeStart, 20: customXmlDelRangeEnd, 21: customXmlMoveFromRangeStart, 22: customXmlMoveFromRangeEnd, 23: customXmlMoveToRangeStart, 24: customXmlMoveToRangeEnd, 25: ins, 26: del, 27: moveFrom, 28: moveTo, 29: oMathPara, 30: oMath, 31: fldSimple, 32: hyperlink, 33: subDoc
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Br : public TNYQBase {
public:
    TCT_Br();
    ~TCT_Br() override;
    std::optional<TST_BrType> FType;
    std::optional<TST_BrClear> FClear;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Text : public TNYQBase {
public:
    TCT_Text();
    ~TCT_Text() override;
    std::optional<std::string> FSpace;
    TNYQOpenList FAny;  // kept unknown elements
    std::string FContent;
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void BeforeTag(TNYQReader& reader) override;
    std::string_view TextContent() const override { return FContent; }
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Sym : public TNYQBase {
public:
    TCT_Sym();
    ~TCT_Sym() override;
    std::optional<std::string> FFont;
    std::optional<std::string> FChar;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Object : public TNYQBase {
public:
    TCT_Object();
    ~TCT_Object() override;
    std::optional<std::string> FDxaOrig;
    std::optional<std::string> FDyaOrig;
    std::unique_ptr<TCT_Drawing> FDrawing;
    std::unique_ptr<TCT_Control> FControl;
    std::unique_ptr<TCT_ObjectLink> FObjectLink;
    std::unique_ptr<TCT_ObjectEmbed> FObjectEmbed;
    std::unique_ptr<TCT_Rel> FMovie;
    TNYQOpenList FAny;  // wildcard content
    TCT_Drawing& Create_Drawing();
    TCT_Control& Create_Control();
    TCT_ObjectLink& Create_ObjectLink();
    TCT_ObjectEmbed& Create_ObjectEmbed();
    TCT_Rel& Create_Movie();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FldChar : public TNYQBase {
public:
    TCT_FldChar();
    ~TCT_FldChar() override;
    TST_FldCharType FFldCharType{};
    std::optional<std::string> FFldLock;
    std::optional<std::string> FDirty;
    std::unique_ptr<TCT_Text> FFldData;
    std::unique_ptr<TCT_FFData> FFfData;
    std::unique_ptr<TCT_TrackChangeNumbering> FNumberingChange;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Text& Create_FldData();
    TCT_FFData& Create_FfData();
    TCT_TrackChangeNumbering& Create_NumberingChange();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Ruby : public TNYQBase {
public:
    TCT_Ruby();
    ~TCT_Ruby() override;
    std::unique_ptr<TCT_RubyPr> FRubyPr;
    std::unique_ptr<TCT_RubyContent> FRt;
    std::unique_ptr<TCT_RubyContent> FRubyBase;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_RubyPr& Create_RubyPr();
    TCT_RubyContent& Create_Rt();
    TCT_RubyContent& Create_RubyBase();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FtnEdnRef : public TNYQBase {
public:
    TCT_FtnEdnRef();
    ~TCT_FtnEdnRef() override;
    std::optional<std::string> FCustomMarkFollows;
    std::int64_t FId{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PTab : public TNYQBase {
public:
    TCT_PTab();
    ~TCT_PTab() override;
    TST_PTabAlignment FAlignment{};
    TST_PTabRelativeTo FRelativeTo{};
    TST_PTabLeader FLeader{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblPrChange : public TNYQBase {
public:
    TCT_TblPrChange();
    ~TCT_TblPrChange() override;
    std::int64_t FId{};
    std::string FAuthor{};
    std::optional<TNyqDateTime> FDate;
    std::unique_ptr<TCT_TblPrBase> FTblPr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TblPrBase& Create_TblPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblGridCol : public TNYQBase {
public:
    TCT_TblGridCol();
    ~TCT_TblGridCol() override;
    std::optional<std::string> FW;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblGridChange : public TNYQBase {
public:
    TCT_TblGridChange();
    ~TCT_TblGridChange() override;
    std::int64_t FId{};
    std::unique_ptr<TCT_TblGridBase> FTblGrid;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TblGridBase& Create_TblGrid();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblPrEx : public TNYQBase {
public:
    TCT_TblPrEx();
    ~TCT_TblPrEx() override;
    std::unique_ptr<TCT_TblWidth> FTblW;
    std::unique_ptr<TCT_JcTable> FJc;
    std::unique_ptr<TCT_TblWidth> FTblCellSpacing;
    std::unique_ptr<TCT_TblWidth> FTblInd;
    std::unique_ptr<TCT_TblBorders> FTblBorders;
    std::unique_ptr<TCT_Shd> FShd;
    std::unique_ptr<TCT_TblLayoutType> FTblLayout;
    std::unique_ptr<TCT_TblCellMar> FTblCellMar;
    std::unique_ptr<TCT_TblLook> FTblLook;
    std::unique_ptr<TCT_TblPrExChange> FTblPrExChange;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TblWidth& Create_TblW();
    TCT_JcTable& Create_Jc();
    TCT_TblWidth& Create_TblCellSpacing();
    TCT_TblWidth& Create_TblInd();
    TCT_TblBorders& Create_TblBorders();
    TCT_Shd& Create_Shd();
    TCT_TblLayoutType& Create_TblLayout();
    TCT_TblCellMar& Create_TblCellMar();
    TCT_TblLook& Create_TblLook();
    TCT_TblPrExChange& Create_TblPrExChange();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Tc : public TNYQBase {
public:
    TCT_Tc();
    ~TCT_Tc() override;
    std::optional<std::string> FId;
    std::unique_ptr<TCT_TcPr> FTcPr;
    TChoiceNyqList FEG_BlockLevelEltsList;  // 0: customXml, 1: sdt, 2: p, 3: tbl, 4: proofErr, 5: permStart, 6: permEnd, 7: bookmarkStart, 8: bookmarkEnd, 9: moveFromRangeStart, 10: moveFromRangeEnd, 11: moveToRangeStart, 12: moveToRangeEnd, 13: commentRangeStart, 14: commentRangeEnd, 15: customXmlInsRangeStart, 16: customXmlInsRangeEnd, 17: customXmlDelRangeStart, 18: customXmlDelRangeEnd, 19: customXmlMoveFromRangeStart, 20: customXmlMoveFromRangeEnd, 21: customXmlMoveToRangeStart, 22: customXmlMoveToRangeEnd, 23: ins, 24: del, 25: moveFrom, 26: moveTo, 27: oMathPara, 28: oMath, 29: altChunk
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TcPr& Create_TcPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_CustomXmlCell : public TNYQBase {
public:
    TCT_CustomXmlCell();
    ~TCT_CustomXmlCell() override;
    std::optional<std::string> FUri;
    std::string FElement{};
    std::unique_ptr<TCT_CustomXmlPr> FCustomXmlPr;
    TChoiceNyqList FEG_ContentCellContentList;  // 0: tc, 1: customXml, 2: sdt, 3: proofErr, 4: permStart, 5: permEnd, 6: bookmarkStart, 7: bookmarkEnd, 8: moveFromRangeStart, 9: moveFromRangeEnd, 10: moveToRangeStart, 11: moveToRangeEnd, 12: commentRangeStart, 13: commentRangeEnd, 14: customXmlInsRangeStart, 15: customXmlInsRangeEnd, 16: customXmlDelRangeStart, 17: customXmlDelRangeEnd, 18: customXmlMoveFromRangeStart, 19: customXmlMoveFromRangeEnd, 20: customXmlMoveToRangeStart, 21: customXmlMoveToRangeEnd, 22: ins, 23: del, 24: moveFrom, 25: moveTo, 26: oMathPara, 27: oMath
    TNYQOpenList FAny;  // kept unknown elements
    TCT_CustomXmlPr& Create_CustomXmlPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtCell : public TNYQBase {
public:
    TCT_SdtCell();
    ~TCT_SdtCell() override;
    std::unique_ptr<TCT_SdtPr> FSdtPr;
    std::unique_ptr<TCT_SdtEndPr> FSdtEndPr;
    std::unique_ptr<TCT_SdtContentCell> FSdtContent;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_SdtPr& Create_SdtPr();
    TCT_SdtEndPr& Create_SdtEndPr();
    TCT_SdtContentCell& Create_SdtContent();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtContentRow : public TNYQBase {
public:
    TCT_SdtContentRow();
    ~TCT_SdtContentRow() override;
    TChoiceNyqList FEG_ContentRowContentList;  // 0: tr, 1: customXml, 2: sdt, 3: proofErr, 4: permStart, 5: permEnd, 6: bookmarkStart, 7: bookmarkEnd, 8: moveFromRangeStart, 9: moveFromRangeEnd, 10: moveToRangeStart, 11: moveToRangeEnd, 12: commentRangeStart, 13: commentRangeEnd, 14: customXmlInsRangeStart, 15: customXmlInsRangeEnd, 16: customXmlDelRangeStart, 17: customXmlDelRangeEnd, 18: customXmlMoveFromRangeStart, 19: customXmlMoveFromRangeEnd, 20: customXmlMoveToRangeStart, 21: customXmlMoveToRangeEnd, 22: ins, 23: del, 24: moveFrom, 25: moveTo, 26: oMathPara, 27: oMath
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TopPageBorder : public TNYQBase {
public:
    TCT_TopPageBorder();
    ~TCT_TopPageBorder() override;
    TST_Border FVal{};
    std::optional<std::string> FColor;
    std::optional<TST_ThemeColor> FThemeColor;
    std::optional<std::string> FThemeTint;
    std::optional<std::string> FThemeShade;
    std::optional<std::uint64_t> FSz;
    std::optional<std::uint64_t> FSpace;
    std::optional<std::string> FShadow;
    std::optional<std::string> FFrame;
    std::optional<std::string> FId;
    std::optional<std::string> FTopLeft;
    std::optional<std::string> FTopRight;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PageBorder : public TNYQBase {
public:
    TCT_PageBorder();
    ~TCT_PageBorder() override;
    TST_Border FVal{};
    std::optional<std::string> FColor;
    std::optional<TST_ThemeColor> FThemeColor;
    std::optional<std::string> FThemeTint;
    std::optional<std::string> FThemeShade;
    std::optional<std::uint64_t> FSz;
    std::optional<std::uint64_t> FSpace;
    std::optional<std::string> FShadow;
    std::optional<std::string> FFrame;
    std::optional<std::string> FId;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_BottomPageBorder : public TNYQBase {
public:
    TCT_BottomPageBorder();
    ~TCT_BottomPageBorder() override;
    TST_Border FVal{};
    std::optional<std::string> FColor;
    std::optional<TST_ThemeColor> FThemeColor;
    std::optional<std::string> FThemeTint;
    std::optional<std::string> FThemeShade;
    std::optional<std::uint64_t> FSz;
    std::optional<std::uint64_t> FSpace;
    std::optional<std::string> FShadow;
    std::optional<std::string> FFrame;
    std::optional<std::string> FId;
    std::optional<std::string> FBottomLeft;
    std::optional<std::string> FBottomRight;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Column : public TNYQBase {
public:
    TCT_Column();
    ~TCT_Column() override;
    std::optional<std::string> FW;
    std::optional<std::string> FSpace;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SectPrBase : public TNYQBase {
public:
    TCT_SectPrBase();
    ~TCT_SectPrBase() override;
    std::optional<std::string> FRsidRPr;
    std::optional<std::string> FRsidDel;
    std::optional<std::string> FRsidR;
    std::optional<std::string> FRsidSect;
    std::unique_ptr<TCT_FtnProps> FFootnotePr;
    std::unique_ptr<TCT_EdnProps> FEndnotePr;
    std::unique_ptr<TCT_SectType> FType;
    std::unique_ptr<TCT_PageSz> FPgSz;
    std::unique_ptr<TCT_PageMar> FPgMar;
    std::unique_ptr<TCT_PaperSource> FPaperSrc;
    std::unique_ptr<TCT_PageBorders> FPgBorders;
    std::unique_ptr<TCT_LineNumber> FLnNumType;
    std::unique_ptr<TCT_PageNumber> FPgNumType;
    std::unique_ptr<TCT_Columns> FCols;
    std::unique_ptr<TCT_OnOff> FFormProt;
    std::unique_ptr<TCT_VerticalJc> FVAlign;
    std::unique_ptr<TCT_OnOff> FNoEndnote;
    std::unique_ptr<TCT_OnOff> FTitlePg;
    std::unique_ptr<TCT_TextDirection> FTextDirection;
    std::unique_ptr<TCT_OnOff> FBidi;
    std::unique_ptr<TCT_OnOff> FRtlGutter;
    std::unique_ptr<TCT_DocGrid> FDocGrid;
    std::unique_ptr<TCT_Rel> FPrinterSettings;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_FtnProps& Create_FootnotePr();
    TCT_EdnProps& Create_EndnotePr();
    TCT_SectType& Create_Type();
    TCT_PageSz& Create_PgSz();
    TCT_PageMar& Create_PgMar();
    TCT_PaperSource& Create_PaperSrc();
    TCT_PageBorders& Create_PgBorders();
    TCT_LineNumber& Create_LnNumType();
    TCT_PageNumber& Create_PgNumType();
    TCT_Columns& Create_Cols();
    TCT_OnOff& Create_FormProt();
    TCT_VerticalJc& Create_VAlign();
    TCT_OnOff& Create_NoEndnote();
    TCT_OnOff& Create_TitlePg();
    TCT_TextDirection& Create_TextDirection();
    TCT_OnOff& Create_Bidi();
    TCT_OnOff& Create_RtlGutter();
    TCT_DocGrid& Create_DocGrid();
    TCT_Rel& Create_PrinterSettings();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TrackChangeNumbering : public TNYQBase {
public:
    TCT_TrackChangeNumbering();
    ~TCT_TrackChangeNumbering() override;
    std::int64_t FId{};
    std::string FAuthor{};
    std::optional<TNyqDateTime> FDate;
    std::optional<std::string> FOriginal;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TabStop : public TNYQBase {
public:
    TCT_TabStop();
    ~TCT_TabStop() override;
    TST_TabJc FVal{};
    std::optional<TST_TabTlc> FLeader;
    std::string FPos{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_PPrBase : public TNYQBase {
public:
    TCT_PPrBase();
    ~TCT_PPrBase() override;
    std::unique_ptr<TCT_String> FPStyle;
    std::unique_ptr<TCT_OnOff> FKeepNext;
    std::unique_ptr<TCT_OnOff> FKeepLines;
    std::unique_ptr<TCT_OnOff> FPageBreakBefore;
    std::unique_ptr<TCT_FramePr> FFramePr;
    std::unique_ptr<TCT_OnOff> FWidowControl;
    std::unique_ptr<TCT_NumPr> FNumPr;
    std::unique_ptr<TCT_OnOff> FSuppressLineNumbers;
    std::unique_ptr<TCT_PBdr> FPBdr;
    std::unique_ptr<TCT_Shd> FShd;
    std::unique_ptr<TCT_Tabs> FTabs;
    std::unique_ptr<TCT_OnOff> FSuppressAutoHyphens;
    std::unique_ptr<TCT_OnOff> FKinsoku;
    std::unique_ptr<TCT_OnOff> FWordWrap;
    std::unique_ptr<TCT_OnOff> FOverflowPunct;
    std::unique_ptr<TCT_OnOff> FTopLinePunct;
    std::unique_ptr<TCT_OnOff> FAutoSpaceDE;
    std::unique_ptr<TCT_OnOff> FAutoSpaceDN;
    std::unique_ptr<TCT_OnOff> FBidi;
    std::unique_ptr<TCT_OnOff> FAdjustRightInd;
    std::unique_ptr<TCT_OnOff> FSnapToGrid;
    std::unique_ptr<TCT_Spacing> FSpacing;
    std::unique_ptr<TCT_Ind> FInd;
    std::unique_ptr<TCT_OnOff> FContextualSpacing;
    std::unique_ptr<TCT_OnOff> FMirrorIndents;
    std::unique_ptr<TCT_OnOff> FSuppressOverlap;
    std::unique_ptr<TCT_Jc> FJc;
    std::unique_ptr<TCT_TextDirection> FTextDirection;
    std::unique_ptr<TCT_TextAlignment> FTextAlignment;
    std::unique_ptr<TCT_TextboxTightWrap> FTextboxTightWrap;
    std::unique_ptr<TCT_DecimalNumber> FOutlineLvl;
    std::unique_ptr<TCT_DecimalNumber> FDivId;
    std::unique_ptr<TCT_Cnf> FCnfStyle;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_String& Create_PStyle();
    TCT_OnOff& Create_KeepNext();
    TCT_OnOff& Create_KeepLines();
    TCT_OnOff& Create_PageBreakBefore();
    TCT_FramePr& Create_FramePr();
    TCT_OnOff& Create_WidowControl();
    TCT_NumPr& Create_NumPr();
    TCT_OnOff& Create_SuppressLineNumbers();
    TCT_PBdr& Create_PBdr();
    TCT_Shd& Create_Shd();
    TCT_Tabs& Create_Tabs();
    TCT_OnOff& Create_SuppressAutoHyphens();
    TCT_OnOff& Create_Kinsoku();
    TCT_OnOff& Create_WordWrap();
    TCT_OnOff& Create_OverflowPunct();
    TCT_OnOff& Create_TopLinePunct();
    TCT_OnOff& Create_AutoSpaceDE();
    TCT_OnOff& Create_AutoSpaceDN();
    TCT_OnOff& Create_Bidi();
    TCT_OnOff& Create_AdjustRightInd();
    TCT_OnOff& Create_SnapToGrid();
    TCT_Spacing& Create_Spacing();
    TCT_Ind& Create_Ind();
    TCT_OnOff& Create_ContextualSpacing();
    TCT_OnOff& Create_MirrorIndents();
    TCT_OnOff& Create_SuppressOverlap();
    TCT_Jc& Create_Jc();
    TCT_TextDirection& Create_TextDirection();
    TCT_TextAlignment& Create_TextAlignment();
    TCT_TextboxTightWrap& Create_TextboxTightWrap();
    TCT_DecimalNumber& Create_OutlineLvl();
    TCT_DecimalNumber& Create_DivId();
    TCT_Cnf& Create_CnfStyle();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_RPrOriginal : public TNYQBase {
public:
    TCT_RPrOriginal();
    ~TCT_RPrOriginal() override;
    TChoiceNyqList FEG_RPrBaseList;  // 0: rStyle, 1: rFonts, 2: b, 3: bCs, 4: i, 5: iCs, 6: caps, 7: smallCaps, 8: strike, 9: dstrike, 10: outline, 11: shadow, 12: emboss, 13: imprint, 14: noProof, 15: snapToGrid, 16: vanish, 17: webHidden, 18: color, 19: spacing, 20: w, 21: kern, 22: position, 23: sz, 24: szCs, 25: highlight, 26: u, 27: effect, 28: bdr, 29: shd, 30: fitText, 31: vertAlign, 32: rtl, 33: cs, 34: em, 35: lang, 36: eastAsianLayout, 37: specVanish, 38: oMath
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TrPrBase : public TNYQBase {
public:
    TCT_TrPrBase();
    ~TCT_TrPrBase() override;
    TChoiceNyqList FChoice1List;  // 0: cnfStyle, 1: divId, 2: gridBefore, 3: gridAfter, 4: wBefore, 5: wAfter, 6: cantSplit, 7: trHeight, 8: tblHeader, 9: tblCellSpacing, 10: jc, 11: hidden
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TcPrInner : public TNYQBase {
public:
    TCT_TcPrInner();
    ~TCT_TcPrInner() override;
    std::unique_ptr<TCT_Cnf> FCnfStyle;
    std::unique_ptr<TCT_TblWidth> FTcW;
    std::unique_ptr<TCT_DecimalNumber> FGridSpan;
    std::unique_ptr<TCT_HMerge> FHMerge;
    std::unique_ptr<TCT_VMerge> FVMerge;
    std::unique_ptr<TCT_TcBorders> FTcBorders;
    std::unique_ptr<TCT_Shd> FShd;
    std::unique_ptr<TCT_OnOff> FNoWrap;
    std::unique_ptr<TCT_TcMar> FTcMar;
    std::unique_ptr<TCT_TextDirection> FTextDirection;
    std::unique_ptr<TCT_OnOff> FTcFitText;
    std::unique_ptr<TCT_VerticalJc> FVAlign;
    std::unique_ptr<TCT_OnOff> FHideMark;
    std::unique_ptr<TCT_Headers> FHeaders;
    std::unique_ptr<TCT_TrackChange> FCellIns;
    std::unique_ptr<TCT_TrackChange> FCellDel;
    std::unique_ptr<TCT_CellMergeTrackChange> FCellMerge;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_Cnf& Create_CnfStyle();
    TCT_TblWidth& Create_TcW();
    TCT_DecimalNumber& Create_GridSpan();
    TCT_HMerge& Create_HMerge();
    TCT_VMerge& Create_VMerge();
    TCT_TcBorders& Create_TcBorders();
    TCT_Shd& Create_Shd();
    TCT_OnOff& Create_NoWrap();
    TCT_TcMar& Create_TcMar();
    TCT_TextDirection& Create_TextDirection();
    TCT_OnOff& Create_TcFitText();
    TCT_VerticalJc& Create_VAlign();
    TCT_OnOff& Create_HideMark();
    TCT_Headers& Create_Headers();
    TCT_TrackChange& Create_CellIns();
    TCT_TrackChange& Create_CellDel();
    TCT_CellMergeTrackChange& Create_CellMerge();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_MailMergeOdsoFMDFieldType : public TNYQBase {
public:
    TCT_MailMergeOdsoFMDFieldType();
    ~TCT_MailMergeOdsoFMDFieldType() override;
    TST_MailMergeOdsoFMDFieldType FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Lang : public TNYQBase {
public:
    TCT_Lang();
    ~TCT_Lang() override;
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtListItem : public TNYQBase {
public:
    TCT_SdtListItem();
    ~TCT_SdtListItem() override;
    std::optional<std::string> FDisplayText;
    std::optional<std::string> FValue;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtDateMappingType : public TNYQBase {
public:
    TCT_SdtDateMappingType();
    ~TCT_SdtDateMappingType() override;
    std::optional<TST_SdtDateMappingType> FVal;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_CalendarType : public TNYQBase {
public:
    TCT_CalendarType();
    ~TCT_CalendarType() override;
    std::optional<TST_CalendarType> FVal;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ParaRPrChange : public TNYQBase {
public:
    TCT_ParaRPrChange();
    ~TCT_ParaRPrChange() override;
    std::int64_t FId{};
    std::string FAuthor{};
    std::optional<TNyqDateTime> FDate;
    std::unique_ptr<TCT_ParaRPrOriginal> FRPr;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_ParaRPrOriginal& Create_RPr();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ObjectLink : public TNYQBase {
public:
    TCT_ObjectLink();
    ~TCT_ObjectLink() override;
    std::optional<TST_ObjectDrawAspect> FDrawAspect;
    std::string FId{};
    std::optional<std::string> FProgId;
    std::optional<std::string> FShapeId;
    std::optional<std::string> FFieldCodes;
    TST_ObjectUpdateMode FUpdateMode{};
    std::optional<std::string> FLockedField;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ObjectEmbed : public TNYQBase {
public:
    TCT_ObjectEmbed();
    ~TCT_ObjectEmbed() override;
    std::optional<TST_ObjectDrawAspect> FDrawAspect;
    std::string FId{};
    std::optional<std::string> FProgId;
    std::optional<std::string> FShapeId;
    std::optional<std::string> FFieldCodes;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FFData : public TNYQBase {
public:
    TCT_FFData();
    ~TCT_FFData() override;
    TChoiceNyqList FChoice1List;  // 0: name, 1: label, 2: tabIndex, 3: enabled, 4: calcOnExit, 5: entryMacro, 6: exitMacro, 7: helpText, 8: statusText, 9: checkBox, 10: ddList, 11: textInput
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_RubyPr : public TNYQBase {
public:
    TCT_RubyPr();
    ~TCT_RubyPr() override;
    std::unique_ptr<TCT_RubyAlign> FRubyAlign;
    std::unique_ptr<TCT_HpsMeasure> FHps;
    std::unique_ptr<TCT_HpsMeasure> FHpsRaise;
    std::unique_ptr<TCT_HpsMeasure> FHpsBaseText;
    std::unique_ptr<TCT_Lang> FLid;
    std::unique_ptr<TCT_OnOff> FDirty;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_RubyAlign& Create_RubyAlign();
    TCT_HpsMeasure& Create_Hps();
    TCT_HpsMeasure& Create_HpsRaise();
    TCT_HpsMeasure& Create_HpsBaseText();
    TCT_Lang& Create_Lid();
    TCT_OnOff& Create_Dirty();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_RubyContent : public TNYQBase {
public:
    TCT_RubyContent();
    ~TCT_RubyContent() override;
    TChoiceNyqList FEG_RubyContentList;  // 0: r, 1: proofErr, 2: permStart, 3: permEnd, 4: bookmarkStart, 5: bookmarkEnd, 6: moveFromRangeStart, 7: moveFromRangeEnd, 8: moveToRangeStart, 9: moveToRangeEnd, 10: commentRangeStart, 11: commentRangeEnd, 12: customXmlInsRangeStart, 13: customXmlInsRangeEnd, 14: customXmlDelRangeStart, 15: customXmlDelRangeEnd, 16: customXmlMoveFromRangeStart, 17: customXmlMoveFromRangeEnd, 18: customXmlMoveToRangeStart, 19: customXmlMoveToRangeEnd, 20: ins, 21: del, 22: moveFrom, 23: moveTo, 24: oMathPara, 25: oMath
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblGridBase : public TNYQBase {
public:
    TCT_TblGridBase();
    ~TCT_TblGridBase() override;
    TItemNyqList<TCT_TblGridCol> FGridColList;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblPrExChange : public TNYQBase {
public:
    TCT_TblPrExChange();
    ~TCT_TblPrExChange() override;
    std::int64_t FId{};
    std::string FAuthor{};
    std::optional<TNyqDateTime> FDate;
    std::unique_ptr<TCT_TblPrExBase> FTblPrEx;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TblPrExBase& Create_TblPrEx();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_SdtContentCell : public TNYQBase {
public:
    TCT_SdtContentCell();
    ~TCT_SdtContentCell() override;
    TChoiceNyqList FEG_ContentCellContentList;  // 0: tc, 1: customXml, 2: sdt, 3: proofErr, 4: permStart, 5: permEnd, 6: bookmarkStart, 7: bookmarkEnd, 8: moveFromRangeStart, 9: moveFromRangeEnd, 10: moveToRangeStart, 11: moveToRangeEnd, 12: commentRangeStart, 13: commentRangeEnd, 14: customXmlInsRangeStart, 15: customXmlInsRangeEnd, 16: customXmlDelRangeStart, 17: customXmlDelRangeEnd, 18: customXmlMoveFromRangeStart, 19: customXmlMoveFromRangeEnd, 20: customXmlMoveToRangeStart, 21: customXmlMoveToRangeEnd, 22: ins, 23: del, 24: moveFrom, 25: moveTo, 26: oMathPara, 27: oMath
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_ParaRPrOriginal : public TNYQBase {
public:
    TCT_ParaRPrOriginal();
    ~TCT_ParaRPrOriginal() override;
    std::unique_ptr<TCT_TrackChange> FIns;
    std::unique_ptr<TCT_TrackChange> FDel;
    std::unique_ptr<TCT_TrackChange> FMoveFrom;
    std::unique_ptr<TCT_TrackChange> FMoveTo;
    TChoiceNyqList FEG_RPrBaseList;  // 0: rStyle, 1: rFonts, 2: b, 3: bCs, 4: i, 5: iCs, 6: caps, 7: smallCaps, 8: strike, 9: dstrike, 10: outline, 11: shadow, 12: emboss, 13: imprint, 14: noProof, 15: snapToGrid, 16: vanish, 17: webHidden, 18: color, 19: spacing, 20: w, 21: kern, 22: position, 23: sz, 24: szCs, 25: highlight, 26: u, 27: effect, 28: bdr, 29: shd, 30: fitText, 31: vertAlign, 32: rtl, 33: cs, 34: em, 35: lang, 36: eastAsianLayout, 37: specVanish, 38: oMath
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TrackChange& Create_Ins();
    TCT_TrackChange& Create_Del();
    TCT_TrackChange& Create_MoveFrom();
    TCT_TrackChange& Create_MoveTo();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FFName : public TNYQBase {
public:
    TCT_FFName();
    ~TCT_FFName() override;
    std::optional<std::string> FVal;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_MacroName : public TNYQBase {
public:
    TCT_MacroName();
    ~TCT_MacroName() override;
    std::string FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FFHelpText : public TNYQBase {
public:
    TCT_FFHelpText();
    ~TCT_FFHelpText() override;
    std::optional<TST_InfoTextType> FType;
    std::optional<std::string> FVal;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FFStatusText : public TNYQBase {
public:
    TCT_FFStatusText();
    ~TCT_FFStatusText() override;
    std::optional<TST_InfoTextType> FType;
    std::optional<std::string> FVal;
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FFCheckBox : public TNYQBase {
public:
    TCT_FFCheckBox();
    ~TCT_FFCheckBox() override;
    std::unique_ptr<TCT_HpsMeasure> FSize;
    std::unique_ptr<TCT_OnOff> FSizeAuto;
    std::unique_ptr<TCT_OnOff> FDefault;
    std::unique_ptr<TCT_OnOff> FChecked;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_HpsMeasure& Create_Size();
    TCT_OnOff& Create_SizeAuto();
    TCT_OnOff& Create_Default();
    TCT_OnOff& Create_Checked();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FFDDList : public TNYQBase {
public:
    TCT_FFDDList();
    ~TCT_FFDDList() override;
    std::unique_ptr<TCT_DecimalNumber> FResult;
    std::unique_ptr<TCT_DecimalNumber> FDefault;
    TItemNyqList<TCT_String> FListEntryList;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_DecimalNumber& Create_Result();
    TCT_DecimalNumber& Create_Default();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FFTextInput : public TNYQBase {
public:
    TCT_FFTextInput();
    ~TCT_FFTextInput() override;
    std::unique_ptr<TCT_FFTextType> FType;
    std::unique_ptr<TCT_String> FDefault;
    std::unique_ptr<TCT_DecimalNumber> FMaxLength;
    std::unique_ptr<TCT_String> FFormat;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_FFTextType& Create_Type();
    TCT_String& Create_Default();
    TCT_DecimalNumber& Create_MaxLength();
    TCT_String& Create_Format();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_RubyAlign : public TNYQBase {
public:
    TCT_RubyAlign();
    ~TCT_RubyAlign() override;
    TST_RubyAlign FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_TblPrExBase : public TNYQBase {
public:
    TCT_TblPrExBase();
    ~TCT_TblPrExBase() override;
    std::unique_ptr<TCT_TblWidth> FTblW;
    std::unique_ptr<TCT_JcTable> FJc;
    std::unique_ptr<TCT_TblWidth> FTblCellSpacing;
    std::unique_ptr<TCT_TblWidth> FTblInd;
    std::unique_ptr<TCT_TblBorders> FTblBorders;
    std::unique_ptr<TCT_Shd> FShd;
    std::unique_ptr<TCT_TblLayoutType> FTblLayout;
    std::unique_ptr<TCT_TblCellMar> FTblCellMar;
    std::unique_ptr<TCT_TblLook> FTblLook;
    TNYQOpenList FAny;  // kept unknown elements
    TCT_TblWidth& Create_TblW();
    TCT_JcTable& Create_Jc();
    TCT_TblWidth& Create_TblCellSpacing();
    TCT_TblWidth& Create_TblInd();
    TCT_TblBorders& Create_TblBorders();
    TCT_Shd& Create_Shd();
    TCT_TblLayoutType& Create_TblLayout();
    TCT_TblCellMar& Create_TblCellMar();
    TCT_TblLook& Create_TblLook();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_FFTextType : public TNYQBase {
public:
    TCT_FFTextType();
    ~TCT_FFTextType() override;
    TST_FFTextType FVal{};
    TNYQOpenList FAny;  // kept unknown elements
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

