// NyqDocxWml1.cpp: schema classes generated from wml.xsd, shared-commonSimpleTypes.xsd, shared-relationshipReference.xsd, dml-main.xsd, dml-picture.xsd, dml-wordprocessingDrawing.xsd, vml-main.xsd, vml-officeDrawing.xsd, vml-wordprocessingDrawing.xsd by tools/nyq_xsdgen.py; do not edit.
#include "formats/schema/NyqDocxVml.h"
#include "formats/schema/NyqDocxWml.h"

// ---------------------------------------------------------------------------
// TCT_Document

TCT_Document::TCT_Document() = default;
TCT_Document::~TCT_Document() = default;

TCT_Background& TCT_Document::Create_Background()
{
    if (!FBackground) {
        FBackground = std::make_unique<TCT_Background>();
        FBackground->SetAssigned();
    }
    SetHasChildren();
    return *FBackground;
}

TCT_Body& TCT_Document::Create_Body()
{
    if (!FBody) {
        FBody = std::make_unique<TCT_Body>();
        FBody->SetAssigned();
    }
    SetHasChildren();
    return *FBody;
}

TNYQBase* TCT_Document::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 430:
        if (local == "body") {
            return &Create_Body();
        }
        break;
    case 1056:
        if (local == "background") {
            return &Create_Background();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Document::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 1163:
            if (local == "conformance") {
                if (const auto v = StrToTST_ConformanceClass(attrs.GetValues(i)))
                    FConformance = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_Document::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FConformance)
        writer.AddAttribute("w:conformance", TST_ConformanceClassToStr(*FConformance));
}

void TCT_Document::Write(TNyqWriteXML& writer) const
{
    if (FBackground && FBackground->Available())
        NyqWriteChild(writer, "w:background", *FBackground);
    if (FBody && FBody->Available())
        NyqWriteChild(writer, "w:body", *FBody);
    FAny.Write(writer);
}

void TCT_Document::Clear()
{
    TNYQBase::Clear();
    FConformance = {};
    FBackground.reset();
    FBody.reset();
    FAny.Clear();
}

void TCT_Document::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Document*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FConformance = o->FConformance;
    if (o->FBackground)
        Create_Background().Assign(*o->FBackground);
    if (o->FBody)
        Create_Body().Assign(*o->FBody);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Document::HasElements() const
{
    return FBackground != nullptr || FBody != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Styles

TCT_Styles::TCT_Styles() = default;
TCT_Styles::~TCT_Styles() = default;

TCT_DocDefaults& TCT_Styles::Create_DocDefaults()
{
    if (!FDocDefaults) {
        FDocDefaults = std::make_unique<TCT_DocDefaults>();
        FDocDefaults->SetAssigned();
    }
    SetHasChildren();
    return *FDocDefaults;
}

TCT_LatentStyles& TCT_Styles::Create_LatentStyles()
{
    if (!FLatentStyles) {
        FLatentStyles = std::make_unique<TCT_LatentStyles>();
        FLatentStyles->SetAssigned();
    }
    SetHasChildren();
    return *FLatentStyles;
}

TNYQBase* TCT_Styles::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 561:
        if (local == "style") {
            SetHasChildren();
            return &FStyleList.Add();
        }
        break;
    case 1134:
        if (local == "docDefaults") {
            return &Create_DocDefaults();
        }
        break;
    case 1292:
        if (local == "latentStyles") {
            return &Create_LatentStyles();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Styles::Write(TNyqWriteXML& writer) const
{
    if (FDocDefaults && FDocDefaults->Available())
        NyqWriteChild(writer, "w:docDefaults", *FDocDefaults);
    if (FLatentStyles && FLatentStyles->Available())
        NyqWriteChild(writer, "w:latentStyles", *FLatentStyles);
    for (const auto& item : FStyleList.GetItems())
        NyqWriteChild(writer, "w:style", *item);
    FAny.Write(writer);
}

void TCT_Styles::Clear()
{
    TNYQBase::Clear();
    FDocDefaults.reset();
    FLatentStyles.reset();
    FStyleList.Clear();
    FAny.Clear();
}

void TCT_Styles::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Styles*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FDocDefaults)
        Create_DocDefaults().Assign(*o->FDocDefaults);
    if (o->FLatentStyles)
        Create_LatentStyles().Assign(*o->FLatentStyles);
    for (const auto& item : o->FStyleList.GetItems())
        FStyleList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Styles::HasElements() const
{
    return FDocDefaults != nullptr || FLatentStyles != nullptr || FStyleList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Numbering

TCT_Numbering::TCT_Numbering() = default;
TCT_Numbering::~TCT_Numbering() = default;

TCT_DecimalNumber& TCT_Numbering::Create_NumIdMacAtCleanup()
{
    if (!FNumIdMacAtCleanup) {
        FNumIdMacAtCleanup = std::make_unique<TCT_DecimalNumber>();
        FNumIdMacAtCleanup->SetAssigned();
    }
    SetHasChildren();
    return *FNumIdMacAtCleanup;
}

TNYQBase* TCT_Numbering::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 336:
        if (local == "num") {
            SetHasChildren();
            return &FNumList.Add();
        }
        break;
    case 1156:
        if (local == "abstractNum") {
            SetHasChildren();
            return &FAbstractNumList.Add();
        }
        break;
    case 1236:
        if (local == "numPicBullet") {
            SetHasChildren();
            return &FNumPicBulletList.Add();
        }
        break;
    case 1675:
        if (local == "numIdMacAtCleanup") {
            return &Create_NumIdMacAtCleanup();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Numbering::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FNumPicBulletList.GetItems())
        NyqWriteChild(writer, "w:numPicBullet", *item);
    for (const auto& item : FAbstractNumList.GetItems())
        NyqWriteChild(writer, "w:abstractNum", *item);
    for (const auto& item : FNumList.GetItems())
        NyqWriteChild(writer, "w:num", *item);
    if (FNumIdMacAtCleanup && FNumIdMacAtCleanup->Available())
        NyqWriteChild(writer, "w:numIdMacAtCleanup", *FNumIdMacAtCleanup);
    FAny.Write(writer);
}

void TCT_Numbering::Clear()
{
    TNYQBase::Clear();
    FNumPicBulletList.Clear();
    FAbstractNumList.Clear();
    FNumList.Clear();
    FNumIdMacAtCleanup.reset();
    FAny.Clear();
}

void TCT_Numbering::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Numbering*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FNumPicBulletList.GetItems())
        FNumPicBulletList.Add().Assign(*item);
    for (const auto& item : o->FAbstractNumList.GetItems())
        FAbstractNumList.Add().Assign(*item);
    for (const auto& item : o->FNumList.GetItems())
        FNumList.Add().Assign(*item);
    if (o->FNumIdMacAtCleanup)
        Create_NumIdMacAtCleanup().Assign(*o->FNumIdMacAtCleanup);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Numbering::HasElements() const
{
    return FNumPicBulletList.Count() > 0 || FAbstractNumList.Count() > 0 || FNumList.Count() > 0 || FNumIdMacAtCleanup != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Settings

TCT_Settings::TCT_Settings() = default;
TCT_Settings::~TCT_Settings() = default;

TCT_WriteProtection& TCT_Settings::Create_WriteProtection()
{
    if (!FWriteProtection) {
        FWriteProtection = std::make_unique<TCT_WriteProtection>();
        FWriteProtection->SetAssigned();
    }
    SetHasChildren();
    return *FWriteProtection;
}

TCT_View& TCT_Settings::Create_View()
{
    if (!FView) {
        FView = std::make_unique<TCT_View>();
        FView->SetAssigned();
    }
    SetHasChildren();
    return *FView;
}

TCT_Zoom& TCT_Settings::Create_Zoom()
{
    if (!FZoom) {
        FZoom = std::make_unique<TCT_Zoom>();
        FZoom->SetAssigned();
    }
    SetHasChildren();
    return *FZoom;
}

TCT_OnOff& TCT_Settings::Create_RemovePersonalInformation()
{
    if (!FRemovePersonalInformation) {
        FRemovePersonalInformation = std::make_unique<TCT_OnOff>();
        FRemovePersonalInformation->SetAssigned();
    }
    SetHasChildren();
    return *FRemovePersonalInformation;
}

TCT_OnOff& TCT_Settings::Create_RemoveDateAndTime()
{
    if (!FRemoveDateAndTime) {
        FRemoveDateAndTime = std::make_unique<TCT_OnOff>();
        FRemoveDateAndTime->SetAssigned();
    }
    SetHasChildren();
    return *FRemoveDateAndTime;
}

TCT_OnOff& TCT_Settings::Create_DoNotDisplayPageBoundaries()
{
    if (!FDoNotDisplayPageBoundaries) {
        FDoNotDisplayPageBoundaries = std::make_unique<TCT_OnOff>();
        FDoNotDisplayPageBoundaries->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotDisplayPageBoundaries;
}

TCT_OnOff& TCT_Settings::Create_DisplayBackgroundShape()
{
    if (!FDisplayBackgroundShape) {
        FDisplayBackgroundShape = std::make_unique<TCT_OnOff>();
        FDisplayBackgroundShape->SetAssigned();
    }
    SetHasChildren();
    return *FDisplayBackgroundShape;
}

TCT_OnOff& TCT_Settings::Create_PrintPostScriptOverText()
{
    if (!FPrintPostScriptOverText) {
        FPrintPostScriptOverText = std::make_unique<TCT_OnOff>();
        FPrintPostScriptOverText->SetAssigned();
    }
    SetHasChildren();
    return *FPrintPostScriptOverText;
}

TCT_OnOff& TCT_Settings::Create_PrintFractionalCharacterWidth()
{
    if (!FPrintFractionalCharacterWidth) {
        FPrintFractionalCharacterWidth = std::make_unique<TCT_OnOff>();
        FPrintFractionalCharacterWidth->SetAssigned();
    }
    SetHasChildren();
    return *FPrintFractionalCharacterWidth;
}

TCT_OnOff& TCT_Settings::Create_PrintFormsData()
{
    if (!FPrintFormsData) {
        FPrintFormsData = std::make_unique<TCT_OnOff>();
        FPrintFormsData->SetAssigned();
    }
    SetHasChildren();
    return *FPrintFormsData;
}

TCT_OnOff& TCT_Settings::Create_EmbedTrueTypeFonts()
{
    if (!FEmbedTrueTypeFonts) {
        FEmbedTrueTypeFonts = std::make_unique<TCT_OnOff>();
        FEmbedTrueTypeFonts->SetAssigned();
    }
    SetHasChildren();
    return *FEmbedTrueTypeFonts;
}

TCT_OnOff& TCT_Settings::Create_EmbedSystemFonts()
{
    if (!FEmbedSystemFonts) {
        FEmbedSystemFonts = std::make_unique<TCT_OnOff>();
        FEmbedSystemFonts->SetAssigned();
    }
    SetHasChildren();
    return *FEmbedSystemFonts;
}

TCT_OnOff& TCT_Settings::Create_SaveSubsetFonts()
{
    if (!FSaveSubsetFonts) {
        FSaveSubsetFonts = std::make_unique<TCT_OnOff>();
        FSaveSubsetFonts->SetAssigned();
    }
    SetHasChildren();
    return *FSaveSubsetFonts;
}

TCT_OnOff& TCT_Settings::Create_SaveFormsData()
{
    if (!FSaveFormsData) {
        FSaveFormsData = std::make_unique<TCT_OnOff>();
        FSaveFormsData->SetAssigned();
    }
    SetHasChildren();
    return *FSaveFormsData;
}

TCT_OnOff& TCT_Settings::Create_MirrorMargins()
{
    if (!FMirrorMargins) {
        FMirrorMargins = std::make_unique<TCT_OnOff>();
        FMirrorMargins->SetAssigned();
    }
    SetHasChildren();
    return *FMirrorMargins;
}

TCT_OnOff& TCT_Settings::Create_AlignBordersAndEdges()
{
    if (!FAlignBordersAndEdges) {
        FAlignBordersAndEdges = std::make_unique<TCT_OnOff>();
        FAlignBordersAndEdges->SetAssigned();
    }
    SetHasChildren();
    return *FAlignBordersAndEdges;
}

TCT_OnOff& TCT_Settings::Create_BordersDoNotSurroundHeader()
{
    if (!FBordersDoNotSurroundHeader) {
        FBordersDoNotSurroundHeader = std::make_unique<TCT_OnOff>();
        FBordersDoNotSurroundHeader->SetAssigned();
    }
    SetHasChildren();
    return *FBordersDoNotSurroundHeader;
}

TCT_OnOff& TCT_Settings::Create_BordersDoNotSurroundFooter()
{
    if (!FBordersDoNotSurroundFooter) {
        FBordersDoNotSurroundFooter = std::make_unique<TCT_OnOff>();
        FBordersDoNotSurroundFooter->SetAssigned();
    }
    SetHasChildren();
    return *FBordersDoNotSurroundFooter;
}

TCT_OnOff& TCT_Settings::Create_GutterAtTop()
{
    if (!FGutterAtTop) {
        FGutterAtTop = std::make_unique<TCT_OnOff>();
        FGutterAtTop->SetAssigned();
    }
    SetHasChildren();
    return *FGutterAtTop;
}

TCT_OnOff& TCT_Settings::Create_HideSpellingErrors()
{
    if (!FHideSpellingErrors) {
        FHideSpellingErrors = std::make_unique<TCT_OnOff>();
        FHideSpellingErrors->SetAssigned();
    }
    SetHasChildren();
    return *FHideSpellingErrors;
}

TCT_OnOff& TCT_Settings::Create_HideGrammaticalErrors()
{
    if (!FHideGrammaticalErrors) {
        FHideGrammaticalErrors = std::make_unique<TCT_OnOff>();
        FHideGrammaticalErrors->SetAssigned();
    }
    SetHasChildren();
    return *FHideGrammaticalErrors;
}

TCT_Proof& TCT_Settings::Create_ProofState()
{
    if (!FProofState) {
        FProofState = std::make_unique<TCT_Proof>();
        FProofState->SetAssigned();
    }
    SetHasChildren();
    return *FProofState;
}

TCT_OnOff& TCT_Settings::Create_FormsDesign()
{
    if (!FFormsDesign) {
        FFormsDesign = std::make_unique<TCT_OnOff>();
        FFormsDesign->SetAssigned();
    }
    SetHasChildren();
    return *FFormsDesign;
}

TCT_Rel& TCT_Settings::Create_AttachedTemplate()
{
    if (!FAttachedTemplate) {
        FAttachedTemplate = std::make_unique<TCT_Rel>();
        FAttachedTemplate->SetAssigned();
    }
    SetHasChildren();
    return *FAttachedTemplate;
}

TCT_OnOff& TCT_Settings::Create_LinkStyles()
{
    if (!FLinkStyles) {
        FLinkStyles = std::make_unique<TCT_OnOff>();
        FLinkStyles->SetAssigned();
    }
    SetHasChildren();
    return *FLinkStyles;
}

TCT_StylePaneFilter& TCT_Settings::Create_StylePaneFormatFilter()
{
    if (!FStylePaneFormatFilter) {
        FStylePaneFormatFilter = std::make_unique<TCT_StylePaneFilter>();
        FStylePaneFormatFilter->SetAssigned();
    }
    SetHasChildren();
    return *FStylePaneFormatFilter;
}

TCT_StyleSort& TCT_Settings::Create_StylePaneSortMethod()
{
    if (!FStylePaneSortMethod) {
        FStylePaneSortMethod = std::make_unique<TCT_StyleSort>();
        FStylePaneSortMethod->SetAssigned();
    }
    SetHasChildren();
    return *FStylePaneSortMethod;
}

TCT_DocType& TCT_Settings::Create_DocumentType()
{
    if (!FDocumentType) {
        FDocumentType = std::make_unique<TCT_DocType>();
        FDocumentType->SetAssigned();
    }
    SetHasChildren();
    return *FDocumentType;
}

TCT_MailMerge& TCT_Settings::Create_MailMerge()
{
    if (!FMailMerge) {
        FMailMerge = std::make_unique<TCT_MailMerge>();
        FMailMerge->SetAssigned();
    }
    SetHasChildren();
    return *FMailMerge;
}

TCT_TrackChangesView& TCT_Settings::Create_RevisionView()
{
    if (!FRevisionView) {
        FRevisionView = std::make_unique<TCT_TrackChangesView>();
        FRevisionView->SetAssigned();
    }
    SetHasChildren();
    return *FRevisionView;
}

TCT_OnOff& TCT_Settings::Create_TrackRevisions()
{
    if (!FTrackRevisions) {
        FTrackRevisions = std::make_unique<TCT_OnOff>();
        FTrackRevisions->SetAssigned();
    }
    SetHasChildren();
    return *FTrackRevisions;
}

TCT_OnOff& TCT_Settings::Create_DoNotTrackMoves()
{
    if (!FDoNotTrackMoves) {
        FDoNotTrackMoves = std::make_unique<TCT_OnOff>();
        FDoNotTrackMoves->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotTrackMoves;
}

TCT_OnOff& TCT_Settings::Create_DoNotTrackFormatting()
{
    if (!FDoNotTrackFormatting) {
        FDoNotTrackFormatting = std::make_unique<TCT_OnOff>();
        FDoNotTrackFormatting->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotTrackFormatting;
}

TCT_DocProtect& TCT_Settings::Create_DocumentProtection()
{
    if (!FDocumentProtection) {
        FDocumentProtection = std::make_unique<TCT_DocProtect>();
        FDocumentProtection->SetAssigned();
    }
    SetHasChildren();
    return *FDocumentProtection;
}

TCT_OnOff& TCT_Settings::Create_AutoFormatOverride()
{
    if (!FAutoFormatOverride) {
        FAutoFormatOverride = std::make_unique<TCT_OnOff>();
        FAutoFormatOverride->SetAssigned();
    }
    SetHasChildren();
    return *FAutoFormatOverride;
}

TCT_OnOff& TCT_Settings::Create_StyleLockTheme()
{
    if (!FStyleLockTheme) {
        FStyleLockTheme = std::make_unique<TCT_OnOff>();
        FStyleLockTheme->SetAssigned();
    }
    SetHasChildren();
    return *FStyleLockTheme;
}

TCT_OnOff& TCT_Settings::Create_StyleLockQFSet()
{
    if (!FStyleLockQFSet) {
        FStyleLockQFSet = std::make_unique<TCT_OnOff>();
        FStyleLockQFSet->SetAssigned();
    }
    SetHasChildren();
    return *FStyleLockQFSet;
}

TCT_TwipsMeasure& TCT_Settings::Create_DefaultTabStop()
{
    if (!FDefaultTabStop) {
        FDefaultTabStop = std::make_unique<TCT_TwipsMeasure>();
        FDefaultTabStop->SetAssigned();
    }
    SetHasChildren();
    return *FDefaultTabStop;
}

TCT_OnOff& TCT_Settings::Create_AutoHyphenation()
{
    if (!FAutoHyphenation) {
        FAutoHyphenation = std::make_unique<TCT_OnOff>();
        FAutoHyphenation->SetAssigned();
    }
    SetHasChildren();
    return *FAutoHyphenation;
}

TCT_DecimalNumber& TCT_Settings::Create_ConsecutiveHyphenLimit()
{
    if (!FConsecutiveHyphenLimit) {
        FConsecutiveHyphenLimit = std::make_unique<TCT_DecimalNumber>();
        FConsecutiveHyphenLimit->SetAssigned();
    }
    SetHasChildren();
    return *FConsecutiveHyphenLimit;
}

TCT_TwipsMeasure& TCT_Settings::Create_HyphenationZone()
{
    if (!FHyphenationZone) {
        FHyphenationZone = std::make_unique<TCT_TwipsMeasure>();
        FHyphenationZone->SetAssigned();
    }
    SetHasChildren();
    return *FHyphenationZone;
}

TCT_OnOff& TCT_Settings::Create_DoNotHyphenateCaps()
{
    if (!FDoNotHyphenateCaps) {
        FDoNotHyphenateCaps = std::make_unique<TCT_OnOff>();
        FDoNotHyphenateCaps->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotHyphenateCaps;
}

TCT_OnOff& TCT_Settings::Create_ShowEnvelope()
{
    if (!FShowEnvelope) {
        FShowEnvelope = std::make_unique<TCT_OnOff>();
        FShowEnvelope->SetAssigned();
    }
    SetHasChildren();
    return *FShowEnvelope;
}

TCT_DecimalNumberOrPrecent& TCT_Settings::Create_SummaryLength()
{
    if (!FSummaryLength) {
        FSummaryLength = std::make_unique<TCT_DecimalNumberOrPrecent>();
        FSummaryLength->SetAssigned();
    }
    SetHasChildren();
    return *FSummaryLength;
}

TCT_String& TCT_Settings::Create_ClickAndTypeStyle()
{
    if (!FClickAndTypeStyle) {
        FClickAndTypeStyle = std::make_unique<TCT_String>();
        FClickAndTypeStyle->SetAssigned();
    }
    SetHasChildren();
    return *FClickAndTypeStyle;
}

TCT_String& TCT_Settings::Create_DefaultTableStyle()
{
    if (!FDefaultTableStyle) {
        FDefaultTableStyle = std::make_unique<TCT_String>();
        FDefaultTableStyle->SetAssigned();
    }
    SetHasChildren();
    return *FDefaultTableStyle;
}

TCT_OnOff& TCT_Settings::Create_EvenAndOddHeaders()
{
    if (!FEvenAndOddHeaders) {
        FEvenAndOddHeaders = std::make_unique<TCT_OnOff>();
        FEvenAndOddHeaders->SetAssigned();
    }
    SetHasChildren();
    return *FEvenAndOddHeaders;
}

TCT_OnOff& TCT_Settings::Create_BookFoldRevPrinting()
{
    if (!FBookFoldRevPrinting) {
        FBookFoldRevPrinting = std::make_unique<TCT_OnOff>();
        FBookFoldRevPrinting->SetAssigned();
    }
    SetHasChildren();
    return *FBookFoldRevPrinting;
}

TCT_OnOff& TCT_Settings::Create_BookFoldPrinting()
{
    if (!FBookFoldPrinting) {
        FBookFoldPrinting = std::make_unique<TCT_OnOff>();
        FBookFoldPrinting->SetAssigned();
    }
    SetHasChildren();
    return *FBookFoldPrinting;
}

TCT_DecimalNumber& TCT_Settings::Create_BookFoldPrintingSheets()
{
    if (!FBookFoldPrintingSheets) {
        FBookFoldPrintingSheets = std::make_unique<TCT_DecimalNumber>();
        FBookFoldPrintingSheets->SetAssigned();
    }
    SetHasChildren();
    return *FBookFoldPrintingSheets;
}

TCT_TwipsMeasure& TCT_Settings::Create_DrawingGridHorizontalSpacing()
{
    if (!FDrawingGridHorizontalSpacing) {
        FDrawingGridHorizontalSpacing = std::make_unique<TCT_TwipsMeasure>();
        FDrawingGridHorizontalSpacing->SetAssigned();
    }
    SetHasChildren();
    return *FDrawingGridHorizontalSpacing;
}

TCT_TwipsMeasure& TCT_Settings::Create_DrawingGridVerticalSpacing()
{
    if (!FDrawingGridVerticalSpacing) {
        FDrawingGridVerticalSpacing = std::make_unique<TCT_TwipsMeasure>();
        FDrawingGridVerticalSpacing->SetAssigned();
    }
    SetHasChildren();
    return *FDrawingGridVerticalSpacing;
}

TCT_DecimalNumber& TCT_Settings::Create_DisplayHorizontalDrawingGridEvery()
{
    if (!FDisplayHorizontalDrawingGridEvery) {
        FDisplayHorizontalDrawingGridEvery = std::make_unique<TCT_DecimalNumber>();
        FDisplayHorizontalDrawingGridEvery->SetAssigned();
    }
    SetHasChildren();
    return *FDisplayHorizontalDrawingGridEvery;
}

TCT_DecimalNumber& TCT_Settings::Create_DisplayVerticalDrawingGridEvery()
{
    if (!FDisplayVerticalDrawingGridEvery) {
        FDisplayVerticalDrawingGridEvery = std::make_unique<TCT_DecimalNumber>();
        FDisplayVerticalDrawingGridEvery->SetAssigned();
    }
    SetHasChildren();
    return *FDisplayVerticalDrawingGridEvery;
}

TCT_OnOff& TCT_Settings::Create_DoNotUseMarginsForDrawingGridOrigin()
{
    if (!FDoNotUseMarginsForDrawingGridOrigin) {
        FDoNotUseMarginsForDrawingGridOrigin = std::make_unique<TCT_OnOff>();
        FDoNotUseMarginsForDrawingGridOrigin->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotUseMarginsForDrawingGridOrigin;
}

TCT_TwipsMeasure& TCT_Settings::Create_DrawingGridHorizontalOrigin()
{
    if (!FDrawingGridHorizontalOrigin) {
        FDrawingGridHorizontalOrigin = std::make_unique<TCT_TwipsMeasure>();
        FDrawingGridHorizontalOrigin->SetAssigned();
    }
    SetHasChildren();
    return *FDrawingGridHorizontalOrigin;
}

TCT_TwipsMeasure& TCT_Settings::Create_DrawingGridVerticalOrigin()
{
    if (!FDrawingGridVerticalOrigin) {
        FDrawingGridVerticalOrigin = std::make_unique<TCT_TwipsMeasure>();
        FDrawingGridVerticalOrigin->SetAssigned();
    }
    SetHasChildren();
    return *FDrawingGridVerticalOrigin;
}

TCT_OnOff& TCT_Settings::Create_DoNotShadeFormData()
{
    if (!FDoNotShadeFormData) {
        FDoNotShadeFormData = std::make_unique<TCT_OnOff>();
        FDoNotShadeFormData->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotShadeFormData;
}

TCT_OnOff& TCT_Settings::Create_NoPunctuationKerning()
{
    if (!FNoPunctuationKerning) {
        FNoPunctuationKerning = std::make_unique<TCT_OnOff>();
        FNoPunctuationKerning->SetAssigned();
    }
    SetHasChildren();
    return *FNoPunctuationKerning;
}

TCT_CharacterSpacing& TCT_Settings::Create_CharacterSpacingControl()
{
    if (!FCharacterSpacingControl) {
        FCharacterSpacingControl = std::make_unique<TCT_CharacterSpacing>();
        FCharacterSpacingControl->SetAssigned();
    }
    SetHasChildren();
    return *FCharacterSpacingControl;
}

TCT_OnOff& TCT_Settings::Create_PrintTwoOnOne()
{
    if (!FPrintTwoOnOne) {
        FPrintTwoOnOne = std::make_unique<TCT_OnOff>();
        FPrintTwoOnOne->SetAssigned();
    }
    SetHasChildren();
    return *FPrintTwoOnOne;
}

TCT_OnOff& TCT_Settings::Create_StrictFirstAndLastChars()
{
    if (!FStrictFirstAndLastChars) {
        FStrictFirstAndLastChars = std::make_unique<TCT_OnOff>();
        FStrictFirstAndLastChars->SetAssigned();
    }
    SetHasChildren();
    return *FStrictFirstAndLastChars;
}

TCT_Kinsoku& TCT_Settings::Create_NoLineBreaksAfter()
{
    if (!FNoLineBreaksAfter) {
        FNoLineBreaksAfter = std::make_unique<TCT_Kinsoku>();
        FNoLineBreaksAfter->SetAssigned();
    }
    SetHasChildren();
    return *FNoLineBreaksAfter;
}

TCT_Kinsoku& TCT_Settings::Create_NoLineBreaksBefore()
{
    if (!FNoLineBreaksBefore) {
        FNoLineBreaksBefore = std::make_unique<TCT_Kinsoku>();
        FNoLineBreaksBefore->SetAssigned();
    }
    SetHasChildren();
    return *FNoLineBreaksBefore;
}

TCT_OnOff& TCT_Settings::Create_SavePreviewPicture()
{
    if (!FSavePreviewPicture) {
        FSavePreviewPicture = std::make_unique<TCT_OnOff>();
        FSavePreviewPicture->SetAssigned();
    }
    SetHasChildren();
    return *FSavePreviewPicture;
}

TCT_OnOff& TCT_Settings::Create_DoNotValidateAgainstSchema()
{
    if (!FDoNotValidateAgainstSchema) {
        FDoNotValidateAgainstSchema = std::make_unique<TCT_OnOff>();
        FDoNotValidateAgainstSchema->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotValidateAgainstSchema;
}

TCT_OnOff& TCT_Settings::Create_SaveInvalidXml()
{
    if (!FSaveInvalidXml) {
        FSaveInvalidXml = std::make_unique<TCT_OnOff>();
        FSaveInvalidXml->SetAssigned();
    }
    SetHasChildren();
    return *FSaveInvalidXml;
}

TCT_OnOff& TCT_Settings::Create_IgnoreMixedContent()
{
    if (!FIgnoreMixedContent) {
        FIgnoreMixedContent = std::make_unique<TCT_OnOff>();
        FIgnoreMixedContent->SetAssigned();
    }
    SetHasChildren();
    return *FIgnoreMixedContent;
}

TCT_OnOff& TCT_Settings::Create_AlwaysShowPlaceholderText()
{
    if (!FAlwaysShowPlaceholderText) {
        FAlwaysShowPlaceholderText = std::make_unique<TCT_OnOff>();
        FAlwaysShowPlaceholderText->SetAssigned();
    }
    SetHasChildren();
    return *FAlwaysShowPlaceholderText;
}

TCT_OnOff& TCT_Settings::Create_DoNotDemarcateInvalidXml()
{
    if (!FDoNotDemarcateInvalidXml) {
        FDoNotDemarcateInvalidXml = std::make_unique<TCT_OnOff>();
        FDoNotDemarcateInvalidXml->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotDemarcateInvalidXml;
}

TCT_OnOff& TCT_Settings::Create_SaveXmlDataOnly()
{
    if (!FSaveXmlDataOnly) {
        FSaveXmlDataOnly = std::make_unique<TCT_OnOff>();
        FSaveXmlDataOnly->SetAssigned();
    }
    SetHasChildren();
    return *FSaveXmlDataOnly;
}

TCT_OnOff& TCT_Settings::Create_UseXSLTWhenSaving()
{
    if (!FUseXSLTWhenSaving) {
        FUseXSLTWhenSaving = std::make_unique<TCT_OnOff>();
        FUseXSLTWhenSaving->SetAssigned();
    }
    SetHasChildren();
    return *FUseXSLTWhenSaving;
}

TCT_SaveThroughXslt& TCT_Settings::Create_SaveThroughXslt()
{
    if (!FSaveThroughXslt) {
        FSaveThroughXslt = std::make_unique<TCT_SaveThroughXslt>();
        FSaveThroughXslt->SetAssigned();
    }
    SetHasChildren();
    return *FSaveThroughXslt;
}

TCT_OnOff& TCT_Settings::Create_ShowXMLTags()
{
    if (!FShowXMLTags) {
        FShowXMLTags = std::make_unique<TCT_OnOff>();
        FShowXMLTags->SetAssigned();
    }
    SetHasChildren();
    return *FShowXMLTags;
}

TCT_OnOff& TCT_Settings::Create_AlwaysMergeEmptyNamespace()
{
    if (!FAlwaysMergeEmptyNamespace) {
        FAlwaysMergeEmptyNamespace = std::make_unique<TCT_OnOff>();
        FAlwaysMergeEmptyNamespace->SetAssigned();
    }
    SetHasChildren();
    return *FAlwaysMergeEmptyNamespace;
}

TCT_OnOff& TCT_Settings::Create_UpdateFields()
{
    if (!FUpdateFields) {
        FUpdateFields = std::make_unique<TCT_OnOff>();
        FUpdateFields->SetAssigned();
    }
    SetHasChildren();
    return *FUpdateFields;
}

TCT_ShapeDefaults& TCT_Settings::Create_HdrShapeDefaults()
{
    if (!FHdrShapeDefaults) {
        FHdrShapeDefaults = std::make_unique<TCT_ShapeDefaults>();
        FHdrShapeDefaults->SetAssigned();
    }
    SetHasChildren();
    return *FHdrShapeDefaults;
}

TCT_FtnDocProps& TCT_Settings::Create_FootnotePr()
{
    if (!FFootnotePr) {
        FFootnotePr = std::make_unique<TCT_FtnDocProps>();
        FFootnotePr->SetAssigned();
    }
    SetHasChildren();
    return *FFootnotePr;
}

TCT_EdnDocProps& TCT_Settings::Create_EndnotePr()
{
    if (!FEndnotePr) {
        FEndnotePr = std::make_unique<TCT_EdnDocProps>();
        FEndnotePr->SetAssigned();
    }
    SetHasChildren();
    return *FEndnotePr;
}

TCT_Compat& TCT_Settings::Create_Compat()
{
    if (!FCompat) {
        FCompat = std::make_unique<TCT_Compat>();
        FCompat->SetAssigned();
    }
    SetHasChildren();
    return *FCompat;
}

TCT_DocVars& TCT_Settings::Create_DocVars()
{
    if (!FDocVars) {
        FDocVars = std::make_unique<TCT_DocVars>();
        FDocVars->SetAssigned();
    }
    SetHasChildren();
    return *FDocVars;
}

TCT_DocRsids& TCT_Settings::Create_Rsids()
{
    if (!FRsids) {
        FRsids = std::make_unique<TCT_DocRsids>();
        FRsids->SetAssigned();
    }
    SetHasChildren();
    return *FRsids;
}

TNYQAnyElement& TCT_Settings::Create_MathPr()
{
    if (!FMathPr) {
        FMathPr = std::make_unique<TNYQAnyElement>();
        FMathPr->SetAssigned();
    }
    SetHasChildren();
    return *FMathPr;
}

TCT_Language& TCT_Settings::Create_ThemeFontLang()
{
    if (!FThemeFontLang) {
        FThemeFontLang = std::make_unique<TCT_Language>();
        FThemeFontLang->SetAssigned();
    }
    SetHasChildren();
    return *FThemeFontLang;
}

TCT_ColorSchemeMapping& TCT_Settings::Create_ClrSchemeMapping()
{
    if (!FClrSchemeMapping) {
        FClrSchemeMapping = std::make_unique<TCT_ColorSchemeMapping>();
        FClrSchemeMapping->SetAssigned();
    }
    SetHasChildren();
    return *FClrSchemeMapping;
}

TCT_OnOff& TCT_Settings::Create_DoNotIncludeSubdocsInStats()
{
    if (!FDoNotIncludeSubdocsInStats) {
        FDoNotIncludeSubdocsInStats = std::make_unique<TCT_OnOff>();
        FDoNotIncludeSubdocsInStats->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotIncludeSubdocsInStats;
}

TCT_OnOff& TCT_Settings::Create_DoNotAutoCompressPictures()
{
    if (!FDoNotAutoCompressPictures) {
        FDoNotAutoCompressPictures = std::make_unique<TCT_OnOff>();
        FDoNotAutoCompressPictures->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotAutoCompressPictures;
}

TCT_Empty& TCT_Settings::Create_ForceUpgrade()
{
    if (!FForceUpgrade) {
        FForceUpgrade = std::make_unique<TCT_Empty>();
        FForceUpgrade->SetAssigned();
    }
    SetHasChildren();
    return *FForceUpgrade;
}

TCT_Captions& TCT_Settings::Create_Captions()
{
    if (!FCaptions) {
        FCaptions = std::make_unique<TCT_Captions>();
        FCaptions->SetAssigned();
    }
    SetHasChildren();
    return *FCaptions;
}

TCT_ReadingModeInkLockDown& TCT_Settings::Create_ReadModeInkLockDown()
{
    if (!FReadModeInkLockDown) {
        FReadModeInkLockDown = std::make_unique<TCT_ReadingModeInkLockDown>();
        FReadModeInkLockDown->SetAssigned();
    }
    SetHasChildren();
    return *FReadModeInkLockDown;
}

TNYQAnyElement& TCT_Settings::Create_SchemaLibrary()
{
    if (!FSchemaLibrary) {
        FSchemaLibrary = std::make_unique<TNYQAnyElement>();
        FSchemaLibrary->SetAssigned();
    }
    SetHasChildren();
    return *FSchemaLibrary;
}

TCT_ShapeDefaults& TCT_Settings::Create_ShapeDefaults()
{
    if (!FShapeDefaults) {
        FShapeDefaults = std::make_unique<TCT_ShapeDefaults>();
        FShapeDefaults->SetAssigned();
    }
    SetHasChildren();
    return *FShapeDefaults;
}

TCT_OnOff& TCT_Settings::Create_DoNotEmbedSmartTags()
{
    if (!FDoNotEmbedSmartTags) {
        FDoNotEmbedSmartTags = std::make_unique<TCT_OnOff>();
        FDoNotEmbedSmartTags->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotEmbedSmartTags;
}

TCT_String& TCT_Settings::Create_DecimalSymbol()
{
    if (!FDecimalSymbol) {
        FDecimalSymbol = std::make_unique<TCT_String>();
        FDecimalSymbol->SetAssigned();
    }
    SetHasChildren();
    return *FDecimalSymbol;
}

TCT_String& TCT_Settings::Create_ListSeparator()
{
    if (!FListSeparator) {
        FListSeparator = std::make_unique<TCT_String>();
        FListSeparator->SetAssigned();
    }
    SetHasChildren();
    return *FListSeparator;
}

TNYQBase* TCT_Settings::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 443:
        if (local == "view") {
            return &Create_View();
        }
        break;
    case 453:
        if (local == "zoom") {
            return &Create_Zoom();
        }
        break;
    case 549:
        if (local == "rsids") {
            return &Create_Rsids();
        }
        break;
    case 620:
        if (local == "mathPr") {
            return &Create_MathPr();
        }
        break;
    case 644:
        if (local == "compat") {
            return &Create_Compat();
        }
        break;
    case 722:
        if (local == "docVars") {
            return &Create_DocVars();
        }
        break;
    case 865:
        if (local == "captions") {
            return &Create_Captions();
        }
        break;
    case 915:
        if (local == "mailMerge") {
            return &Create_MailMerge();
        }
        break;
    case 943:
        if (local == "endnotePr") {
            return &Create_EndnotePr();
        }
        break;
    case 1063:
        if (local == "proofState") {
            return &Create_ProofState();
        }
        break;
    case 1072:
        if (local == "footnotePr") {
            return &Create_FootnotePr();
        }
        break;
    case 1074:
        if (local == "linkStyles") {
            return &Create_LinkStyles();
        }
        break;
    case 1089:
        if (local == "showXMLTags") {
            return &Create_ShowXMLTags();
        }
        break;
    case 1153:
        if (local == "formsDesign") {
            return &Create_FormsDesign();
        }
        break;
    case 1155:
        if (local == "gutterAtTop") {
            return &Create_GutterAtTop();
        }
        break;
    case 1239:
        if (local == "forceUpgrade") {
            return &Create_ForceUpgrade();
        }
        break;
    case 1242:
        if (local == "updateFields") {
            return &Create_UpdateFields();
        }
        break;
    case 1253:
        if (local == "smartTagType") {
            SetHasChildren();
            return &FSmartTagTypeList.Add();
        }
        break;
    case 1279:
        if (local == "showEnvelope") {
            return &Create_ShowEnvelope();
        }
        break;
    case 1281:
        if (local == "documentType") {
            return &Create_DocumentType();
        }
        break;
    case 1290:
        if (local == "revisionView") {
            return &Create_RevisionView();
        }
        break;
    case 1324:
        if (local == "themeFontLang") {
            return &Create_ThemeFontLang();
        }
        break;
    case 1328:
        if (local == "saveFormsData") {
            return &Create_SaveFormsData();
        }
        break;
    case 1349:
        if (local == "decimalSymbol") {
            return &Create_DecimalSymbol();
        }
        break;
    case 1350:
        if (local == "printTwoOnOne") {
            return &Create_PrintTwoOnOne();
        }
        if (local == "schemaLibrary") {
            return &Create_SchemaLibrary();
        }
        break;
    case 1353:
        if (local == "shapeDefaults") {
            return &Create_ShapeDefaults();
        }
        break;
    case 1388:
        if (local == "mirrorMargins") {
            return &Create_MirrorMargins();
        }
        break;
    case 1389:
        if (local == "listSeparator") {
            return &Create_ListSeparator();
        }
        break;
    case 1392:
        if (local == "summaryLength") {
            return &Create_SummaryLength();
        }
        break;
    case 1405:
        if (local == "styleLockQFSet") {
            return &Create_StyleLockQFSet();
        }
        break;
    case 1423:
        if (local == "attachedSchema") {
            SetHasChildren();
            return &FAttachedSchemaList.Add();
        }
        break;
    case 1442:
        if (local == "defaultTabStop") {
            return &Create_DefaultTabStop();
        }
        break;
    case 1447:
        if (local == "saveInvalidXml") {
            return &Create_SaveInvalidXml();
        }
        break;
    case 1453:
        if (local == "styleLockTheme") {
            return &Create_StyleLockTheme();
        }
        break;
    case 1454:
        if (local == "printFormsData") {
            return &Create_PrintFormsData();
        }
        break;
    case 1495:
        if (local == "trackRevisions") {
            return &Create_TrackRevisions();
        }
        break;
    case 1532:
        if (local == "saveXmlDataOnly") {
            return &Create_SaveXmlDataOnly();
        }
        break;
    case 1539:
        if (local == "doNotTrackMoves") {
            return &Create_DoNotTrackMoves();
        }
        break;
    case 1583:
        if (local == "saveSubsetFonts") {
            return &Create_SaveSubsetFonts();
        }
        break;
    case 1595:
        if (local == "saveThroughXslt") {
            return &Create_SaveThroughXslt();
        }
        break;
    case 1600:
        if (local == "autoHyphenation") {
            return &Create_AutoHyphenation();
        }
        break;
    case 1603:
        if (local == "hyphenationZone") {
            return &Create_HyphenationZone();
        }
        break;
    case 1618:
        if (local == "writeProtection") {
            return &Create_WriteProtection();
        }
        break;
    case 1634:
        if (local == "clrSchemeMapping") {
            return &Create_ClrSchemeMapping();
        }
        break;
    case 1639:
        if (local == "hdrShapeDefaults") {
            return &Create_HdrShapeDefaults();
        }
        break;
    case 1658:
        if (local == "attachedTemplate") {
            return &Create_AttachedTemplate();
        }
        break;
    case 1659:
        if (local == "bookFoldPrinting") {
            return &Create_BookFoldPrinting();
        }
        break;
    case 1676:
        if (local == "embedSystemFonts") {
            return &Create_EmbedSystemFonts();
        }
        break;
    case 1682:
        if (local == "useXSLTWhenSaving") {
            return &Create_UseXSLTWhenSaving();
        }
        break;
    case 1684:
        if (local == "evenAndOddHeaders") {
            return &Create_EvenAndOddHeaders();
        }
        break;
    case 1710:
        if (local == "removeDateAndTime") {
            return &Create_RemoveDateAndTime();
        }
        break;
    case 1711:
        if (local == "noLineBreaksAfter") {
            return &Create_NoLineBreaksAfter();
        }
        break;
    case 1740:
        if (local == "clickAndTypeStyle") {
            return &Create_ClickAndTypeStyle();
        }
        break;
    case 1758:
        if (local == "defaultTableStyle") {
            return &Create_DefaultTableStyle();
        }
        break;
    case 1783:
        if (local == "doNotShadeFormData") {
            return &Create_DoNotShadeFormData();
        }
        break;
    case 1808:
        if (local == "noLineBreaksBefore") {
            return &Create_NoLineBreaksBefore();
        }
        break;
    case 1841:
        if (local == "doNotHyphenateCaps") {
            return &Create_DoNotHyphenateCaps();
        }
        break;
    case 1865:
        if (local == "embedTrueTypeFonts") {
            return &Create_EmbedTrueTypeFonts();
        }
        break;
    case 1877:
        if (local == "hideSpellingErrors") {
            return &Create_HideSpellingErrors();
        }
        break;
    case 1878:
        if (local == "ignoreMixedContent") {
            return &Create_IgnoreMixedContent();
        }
        break;
    case 1890:
        if (local == "autoFormatOverride") {
            return &Create_AutoFormatOverride();
        }
        break;
    case 1892:
        if (local == "readModeInkLockDown") {
            return &Create_ReadModeInkLockDown();
        }
        break;
    case 1901:
        if (local == "savePreviewPicture") {
            return &Create_SavePreviewPicture();
        }
        break;
    case 1905:
        if (local == "activeWritingStyle") {
            SetHasChildren();
            return &FActiveWritingStyleList.Add();
        }
        break;
    case 1911:
        if (local == "doNotEmbedSmartTags") {
            return &Create_DoNotEmbedSmartTags();
        }
        break;
    case 1926:
        if (local == "documentProtection") {
            return &Create_DocumentProtection();
        }
        break;
    case 1960:
        if (local == "bookFoldRevPrinting") {
            return &Create_BookFoldRevPrinting();
        }
        break;
    case 1982:
        if (local == "stylePaneSortMethod") {
            return &Create_StylePaneSortMethod();
        }
        break;
    case 2007:
        if (local == "alignBordersAndEdges") {
            return &Create_AlignBordersAndEdges();
        }
        break;
    case 2068:
        if (local == "doNotTrackFormatting") {
            return &Create_DoNotTrackFormatting();
        }
        break;
    case 2117:
        if (local == "noPunctuationKerning") {
            return &Create_NoPunctuationKerning();
        }
        break;
    case 2169:
        if (local == "hideGrammaticalErrors") {
            return &Create_HideGrammaticalErrors();
        }
        break;
    case 2180:
        if (local == "stylePaneFormatFilter") {
            return &Create_StylePaneFormatFilter();
        }
        break;
    case 2279:
        if (local == "displayBackgroundShape") {
            return &Create_DisplayBackgroundShape();
        }
        if (local == "bookFoldPrintingSheets") {
            return &Create_BookFoldPrintingSheets();
        }
        break;
    case 2323:
        if (local == "consecutiveHyphenLimit") {
            return &Create_ConsecutiveHyphenLimit();
        }
        break;
    case 2361:
        if (local == "strictFirstAndLastChars") {
            return &Create_StrictFirstAndLastChars();
        }
        break;
    case 2387:
        if (local == "characterSpacingControl") {
            return &Create_CharacterSpacingControl();
        }
        break;
    case 2434:
        if (local == "doNotDemarcateInvalidXml") {
            return &Create_DoNotDemarcateInvalidXml();
        }
        break;
    case 2441:
        if (local == "printPostScriptOverText") {
            return &Create_PrintPostScriptOverText();
        }
        break;
    case 2580:
        if (local == "drawingGridVerticalOrigin") {
            return &Create_DrawingGridVerticalOrigin();
        }
        break;
    case 2589:
        if (local == "alwaysMergeEmptyNamespace") {
            return &Create_AlwaysMergeEmptyNamespace();
        }
        break;
    case 2616:
        if (local == "doNotAutoCompressPictures") {
            return &Create_DoNotAutoCompressPictures();
        }
        break;
    case 2618:
        if (local == "alwaysShowPlaceholderText") {
            return &Create_AlwaysShowPlaceholderText();
        }
        break;
    case 2630:
        if (local == "doNotValidateAgainstSchema") {
            return &Create_DoNotValidateAgainstSchema();
        }
        break;
    case 2648:
        if (local == "removePersonalInformation") {
            return &Create_RemovePersonalInformation();
        }
        break;
    case 2657:
        if (local == "doNotIncludeSubdocsInStats") {
            return &Create_DoNotIncludeSubdocsInStats();
        }
        break;
    case 2659:
        if (local == "doNotDisplayPageBoundaries") {
            return &Create_DoNotDisplayPageBoundaries();
        }
        break;
    case 2673:
        if (local == "drawingGridVerticalSpacing") {
            return &Create_DrawingGridVerticalSpacing();
        }
        break;
    case 2688:
        if (local == "bordersDoNotSurroundHeader") {
            return &Create_BordersDoNotSurroundHeader();
        }
        break;
    case 2726:
        if (local == "bordersDoNotSurroundFooter") {
            return &Create_BordersDoNotSurroundFooter();
        }
        break;
    case 2820:
        if (local == "drawingGridHorizontalOrigin") {
            return &Create_DrawingGridHorizontalOrigin();
        }
        break;
    case 2913:
        if (local == "drawingGridHorizontalSpacing") {
            return &Create_DrawingGridHorizontalSpacing();
        }
        break;
    case 3005:
        if (local == "printFractionalCharacterWidth") {
            return &Create_PrintFractionalCharacterWidth();
        }
        break;
    case 3213:
        if (local == "displayVerticalDrawingGridEvery") {
            return &Create_DisplayVerticalDrawingGridEvery();
        }
        break;
    case 3453:
        if (local == "displayHorizontalDrawingGridEvery") {
            return &Create_DisplayHorizontalDrawingGridEvery();
        }
        break;
    case 3555:
        if (local == "doNotUseMarginsForDrawingGridOrigin") {
            return &Create_DoNotUseMarginsForDrawingGridOrigin();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Settings::Write(TNyqWriteXML& writer) const
{
    if (FWriteProtection && FWriteProtection->Available())
        NyqWriteChild(writer, "w:writeProtection", *FWriteProtection);
    if (FView && FView->Available())
        NyqWriteChild(writer, "w:view", *FView);
    if (FZoom && FZoom->Available())
        NyqWriteChild(writer, "w:zoom", *FZoom);
    if (FRemovePersonalInformation && FRemovePersonalInformation->Available())
        NyqWriteChild(writer, "w:removePersonalInformation", *FRemovePersonalInformation);
    if (FRemoveDateAndTime && FRemoveDateAndTime->Available())
        NyqWriteChild(writer, "w:removeDateAndTime", *FRemoveDateAndTime);
    if (FDoNotDisplayPageBoundaries && FDoNotDisplayPageBoundaries->Available())
        NyqWriteChild(writer, "w:doNotDisplayPageBoundaries", *FDoNotDisplayPageBoundaries);
    if (FDisplayBackgroundShape && FDisplayBackgroundShape->Available())
        NyqWriteChild(writer, "w:displayBackgroundShape", *FDisplayBackgroundShape);
    if (FPrintPostScriptOverText && FPrintPostScriptOverText->Available())
        NyqWriteChild(writer, "w:printPostScriptOverText", *FPrintPostScriptOverText);
    if (FPrintFractionalCharacterWidth && FPrintFractionalCharacterWidth->Available())
        NyqWriteChild(writer, "w:printFractionalCharacterWidth", *FPrintFractionalCharacterWidth);
    if (FPrintFormsData && FPrintFormsData->Available())
        NyqWriteChild(writer, "w:printFormsData", *FPrintFormsData);
    if (FEmbedTrueTypeFonts && FEmbedTrueTypeFonts->Available())
        NyqWriteChild(writer, "w:embedTrueTypeFonts", *FEmbedTrueTypeFonts);
    if (FEmbedSystemFonts && FEmbedSystemFonts->Available())
        NyqWriteChild(writer, "w:embedSystemFonts", *FEmbedSystemFonts);
    if (FSaveSubsetFonts && FSaveSubsetFonts->Available())
        NyqWriteChild(writer, "w:saveSubsetFonts", *FSaveSubsetFonts);
    if (FSaveFormsData && FSaveFormsData->Available())
        NyqWriteChild(writer, "w:saveFormsData", *FSaveFormsData);
    if (FMirrorMargins && FMirrorMargins->Available())
        NyqWriteChild(writer, "w:mirrorMargins", *FMirrorMargins);
    if (FAlignBordersAndEdges && FAlignBordersAndEdges->Available())
        NyqWriteChild(writer, "w:alignBordersAndEdges", *FAlignBordersAndEdges);
    if (FBordersDoNotSurroundHeader && FBordersDoNotSurroundHeader->Available())
        NyqWriteChild(writer, "w:bordersDoNotSurroundHeader", *FBordersDoNotSurroundHeader);
    if (FBordersDoNotSurroundFooter && FBordersDoNotSurroundFooter->Available())
        NyqWriteChild(writer, "w:bordersDoNotSurroundFooter", *FBordersDoNotSurroundFooter);
    if (FGutterAtTop && FGutterAtTop->Available())
        NyqWriteChild(writer, "w:gutterAtTop", *FGutterAtTop);
    if (FHideSpellingErrors && FHideSpellingErrors->Available())
        NyqWriteChild(writer, "w:hideSpellingErrors", *FHideSpellingErrors);
    if (FHideGrammaticalErrors && FHideGrammaticalErrors->Available())
        NyqWriteChild(writer, "w:hideGrammaticalErrors", *FHideGrammaticalErrors);
    for (const auto& item : FActiveWritingStyleList.GetItems())
        NyqWriteChild(writer, "w:activeWritingStyle", *item);
    if (FProofState && FProofState->Available())
        NyqWriteChild(writer, "w:proofState", *FProofState);
    if (FFormsDesign && FFormsDesign->Available())
        NyqWriteChild(writer, "w:formsDesign", *FFormsDesign);
    if (FAttachedTemplate && FAttachedTemplate->Available())
        NyqWriteChild(writer, "w:attachedTemplate", *FAttachedTemplate);
    if (FLinkStyles && FLinkStyles->Available())
        NyqWriteChild(writer, "w:linkStyles", *FLinkStyles);
    if (FStylePaneFormatFilter && FStylePaneFormatFilter->Available())
        NyqWriteChild(writer, "w:stylePaneFormatFilter", *FStylePaneFormatFilter);
    if (FStylePaneSortMethod && FStylePaneSortMethod->Available())
        NyqWriteChild(writer, "w:stylePaneSortMethod", *FStylePaneSortMethod);
    if (FDocumentType && FDocumentType->Available())
        NyqWriteChild(writer, "w:documentType", *FDocumentType);
    if (FMailMerge && FMailMerge->Available())
        NyqWriteChild(writer, "w:mailMerge", *FMailMerge);
    if (FRevisionView && FRevisionView->Available())
        NyqWriteChild(writer, "w:revisionView", *FRevisionView);
    if (FTrackRevisions && FTrackRevisions->Available())
        NyqWriteChild(writer, "w:trackRevisions", *FTrackRevisions);
    if (FDoNotTrackMoves && FDoNotTrackMoves->Available())
        NyqWriteChild(writer, "w:doNotTrackMoves", *FDoNotTrackMoves);
    if (FDoNotTrackFormatting && FDoNotTrackFormatting->Available())
        NyqWriteChild(writer, "w:doNotTrackFormatting", *FDoNotTrackFormatting);
    if (FDocumentProtection && FDocumentProtection->Available())
        NyqWriteChild(writer, "w:documentProtection", *FDocumentProtection);
    if (FAutoFormatOverride && FAutoFormatOverride->Available())
        NyqWriteChild(writer, "w:autoFormatOverride", *FAutoFormatOverride);
    if (FStyleLockTheme && FStyleLockTheme->Available())
        NyqWriteChild(writer, "w:styleLockTheme", *FStyleLockTheme);
    if (FStyleLockQFSet && FStyleLockQFSet->Available())
        NyqWriteChild(writer, "w:styleLockQFSet", *FStyleLockQFSet);
    if (FDefaultTabStop && FDefaultTabStop->Available())
        NyqWriteChild(writer, "w:defaultTabStop", *FDefaultTabStop);
    if (FAutoHyphenation && FAutoHyphenation->Available())
        NyqWriteChild(writer, "w:autoHyphenation", *FAutoHyphenation);
    if (FConsecutiveHyphenLimit && FConsecutiveHyphenLimit->Available())
        NyqWriteChild(writer, "w:consecutiveHyphenLimit", *FConsecutiveHyphenLimit);
    if (FHyphenationZone && FHyphenationZone->Available())
        NyqWriteChild(writer, "w:hyphenationZone", *FHyphenationZone);
    if (FDoNotHyphenateCaps && FDoNotHyphenateCaps->Available())
        NyqWriteChild(writer, "w:doNotHyphenateCaps", *FDoNotHyphenateCaps);
    if (FShowEnvelope && FShowEnvelope->Available())
        NyqWriteChild(writer, "w:showEnvelope", *FShowEnvelope);
    if (FSummaryLength && FSummaryLength->Available())
        NyqWriteChild(writer, "w:summaryLength", *FSummaryLength);
    if (FClickAndTypeStyle && FClickAndTypeStyle->Available())
        NyqWriteChild(writer, "w:clickAndTypeStyle", *FClickAndTypeStyle);
    if (FDefaultTableStyle && FDefaultTableStyle->Available())
        NyqWriteChild(writer, "w:defaultTableStyle", *FDefaultTableStyle);
    if (FEvenAndOddHeaders && FEvenAndOddHeaders->Available())
        NyqWriteChild(writer, "w:evenAndOddHeaders", *FEvenAndOddHeaders);
    if (FBookFoldRevPrinting && FBookFoldRevPrinting->Available())
        NyqWriteChild(writer, "w:bookFoldRevPrinting", *FBookFoldRevPrinting);
    if (FBookFoldPrinting && FBookFoldPrinting->Available())
        NyqWriteChild(writer, "w:bookFoldPrinting", *FBookFoldPrinting);
    if (FBookFoldPrintingSheets && FBookFoldPrintingSheets->Available())
        NyqWriteChild(writer, "w:bookFoldPrintingSheets", *FBookFoldPrintingSheets);
    if (FDrawingGridHorizontalSpacing && FDrawingGridHorizontalSpacing->Available())
        NyqWriteChild(writer, "w:drawingGridHorizontalSpacing", *FDrawingGridHorizontalSpacing);
    if (FDrawingGridVerticalSpacing && FDrawingGridVerticalSpacing->Available())
        NyqWriteChild(writer, "w:drawingGridVerticalSpacing", *FDrawingGridVerticalSpacing);
    if (FDisplayHorizontalDrawingGridEvery && FDisplayHorizontalDrawingGridEvery->Available())
        NyqWriteChild(writer, "w:displayHorizontalDrawingGridEvery", *FDisplayHorizontalDrawingGridEvery);
    if (FDisplayVerticalDrawingGridEvery && FDisplayVerticalDrawingGridEvery->Available())
        NyqWriteChild(writer, "w:displayVerticalDrawingGridEvery", *FDisplayVerticalDrawingGridEvery);
    if (FDoNotUseMarginsForDrawingGridOrigin && FDoNotUseMarginsForDrawingGridOrigin->Available())
        NyqWriteChild(writer, "w:doNotUseMarginsForDrawingGridOrigin", *FDoNotUseMarginsForDrawingGridOrigin);
    if (FDrawingGridHorizontalOrigin && FDrawingGridHorizontalOrigin->Available())
        NyqWriteChild(writer, "w:drawingGridHorizontalOrigin", *FDrawingGridHorizontalOrigin);
    if (FDrawingGridVerticalOrigin && FDrawingGridVerticalOrigin->Available())
        NyqWriteChild(writer, "w:drawingGridVerticalOrigin", *FDrawingGridVerticalOrigin);
    if (FDoNotShadeFormData && FDoNotShadeFormData->Available())
        NyqWriteChild(writer, "w:doNotShadeFormData", *FDoNotShadeFormData);
    if (FNoPunctuationKerning && FNoPunctuationKerning->Available())
        NyqWriteChild(writer, "w:noPunctuationKerning", *FNoPunctuationKerning);
    if (FCharacterSpacingControl && FCharacterSpacingControl->Available())
        NyqWriteChild(writer, "w:characterSpacingControl", *FCharacterSpacingControl);
    if (FPrintTwoOnOne && FPrintTwoOnOne->Available())
        NyqWriteChild(writer, "w:printTwoOnOne", *FPrintTwoOnOne);
    if (FStrictFirstAndLastChars && FStrictFirstAndLastChars->Available())
        NyqWriteChild(writer, "w:strictFirstAndLastChars", *FStrictFirstAndLastChars);
    if (FNoLineBreaksAfter && FNoLineBreaksAfter->Available())
        NyqWriteChild(writer, "w:noLineBreaksAfter", *FNoLineBreaksAfter);
    if (FNoLineBreaksBefore && FNoLineBreaksBefore->Available())
        NyqWriteChild(writer, "w:noLineBreaksBefore", *FNoLineBreaksBefore);
    if (FSavePreviewPicture && FSavePreviewPicture->Available())
        NyqWriteChild(writer, "w:savePreviewPicture", *FSavePreviewPicture);
    if (FDoNotValidateAgainstSchema && FDoNotValidateAgainstSchema->Available())
        NyqWriteChild(writer, "w:doNotValidateAgainstSchema", *FDoNotValidateAgainstSchema);
    if (FSaveInvalidXml && FSaveInvalidXml->Available())
        NyqWriteChild(writer, "w:saveInvalidXml", *FSaveInvalidXml);
    if (FIgnoreMixedContent && FIgnoreMixedContent->Available())
        NyqWriteChild(writer, "w:ignoreMixedContent", *FIgnoreMixedContent);
    if (FAlwaysShowPlaceholderText && FAlwaysShowPlaceholderText->Available())
        NyqWriteChild(writer, "w:alwaysShowPlaceholderText", *FAlwaysShowPlaceholderText);
    if (FDoNotDemarcateInvalidXml && FDoNotDemarcateInvalidXml->Available())
        NyqWriteChild(writer, "w:doNotDemarcateInvalidXml", *FDoNotDemarcateInvalidXml);
    if (FSaveXmlDataOnly && FSaveXmlDataOnly->Available())
        NyqWriteChild(writer, "w:saveXmlDataOnly", *FSaveXmlDataOnly);
    if (FUseXSLTWhenSaving && FUseXSLTWhenSaving->Available())
        NyqWriteChild(writer, "w:useXSLTWhenSaving", *FUseXSLTWhenSaving);
    if (FSaveThroughXslt && FSaveThroughXslt->Available())
        NyqWriteChild(writer, "w:saveThroughXslt", *FSaveThroughXslt);
    if (FShowXMLTags && FShowXMLTags->Available())
        NyqWriteChild(writer, "w:showXMLTags", *FShowXMLTags);
    if (FAlwaysMergeEmptyNamespace && FAlwaysMergeEmptyNamespace->Available())
        NyqWriteChild(writer, "w:alwaysMergeEmptyNamespace", *FAlwaysMergeEmptyNamespace);
    if (FUpdateFields && FUpdateFields->Available())
        NyqWriteChild(writer, "w:updateFields", *FUpdateFields);
    if (FHdrShapeDefaults && FHdrShapeDefaults->Available())
        NyqWriteChild(writer, "w:hdrShapeDefaults", *FHdrShapeDefaults);
    if (FFootnotePr && FFootnotePr->Available())
        NyqWriteChild(writer, "w:footnotePr", *FFootnotePr);
    if (FEndnotePr && FEndnotePr->Available())
        NyqWriteChild(writer, "w:endnotePr", *FEndnotePr);
    if (FCompat && FCompat->Available())
        NyqWriteChild(writer, "w:compat", *FCompat);
    if (FDocVars && FDocVars->Available())
        NyqWriteChild(writer, "w:docVars", *FDocVars);
    if (FRsids && FRsids->Available())
        NyqWriteChild(writer, "w:rsids", *FRsids);
    if (FMathPr && FMathPr->Available())
        NyqWriteChild(writer, "m:mathPr", *FMathPr);
    for (const auto& item : FAttachedSchemaList.GetItems())
        NyqWriteChild(writer, "w:attachedSchema", *item);
    if (FThemeFontLang && FThemeFontLang->Available())
        NyqWriteChild(writer, "w:themeFontLang", *FThemeFontLang);
    if (FClrSchemeMapping && FClrSchemeMapping->Available())
        NyqWriteChild(writer, "w:clrSchemeMapping", *FClrSchemeMapping);
    if (FDoNotIncludeSubdocsInStats && FDoNotIncludeSubdocsInStats->Available())
        NyqWriteChild(writer, "w:doNotIncludeSubdocsInStats", *FDoNotIncludeSubdocsInStats);
    if (FDoNotAutoCompressPictures && FDoNotAutoCompressPictures->Available())
        NyqWriteChild(writer, "w:doNotAutoCompressPictures", *FDoNotAutoCompressPictures);
    if (FForceUpgrade && FForceUpgrade->Available())
        NyqWriteChild(writer, "w:forceUpgrade", *FForceUpgrade);
    if (FCaptions && FCaptions->Available())
        NyqWriteChild(writer, "w:captions", *FCaptions);
    if (FReadModeInkLockDown && FReadModeInkLockDown->Available())
        NyqWriteChild(writer, "w:readModeInkLockDown", *FReadModeInkLockDown);
    for (const auto& item : FSmartTagTypeList.GetItems())
        NyqWriteChild(writer, "w:smartTagType", *item);
    if (FSchemaLibrary && FSchemaLibrary->Available())
        NyqWriteChild(writer, "schemaLibrary", *FSchemaLibrary);
    if (FShapeDefaults && FShapeDefaults->Available())
        NyqWriteChild(writer, "w:shapeDefaults", *FShapeDefaults);
    if (FDoNotEmbedSmartTags && FDoNotEmbedSmartTags->Available())
        NyqWriteChild(writer, "w:doNotEmbedSmartTags", *FDoNotEmbedSmartTags);
    if (FDecimalSymbol && FDecimalSymbol->Available())
        NyqWriteChild(writer, "w:decimalSymbol", *FDecimalSymbol);
    if (FListSeparator && FListSeparator->Available())
        NyqWriteChild(writer, "w:listSeparator", *FListSeparator);
    FAny.Write(writer);
}

void TCT_Settings::Clear()
{
    TNYQBase::Clear();
    FWriteProtection.reset();
    FView.reset();
    FZoom.reset();
    FRemovePersonalInformation.reset();
    FRemoveDateAndTime.reset();
    FDoNotDisplayPageBoundaries.reset();
    FDisplayBackgroundShape.reset();
    FPrintPostScriptOverText.reset();
    FPrintFractionalCharacterWidth.reset();
    FPrintFormsData.reset();
    FEmbedTrueTypeFonts.reset();
    FEmbedSystemFonts.reset();
    FSaveSubsetFonts.reset();
    FSaveFormsData.reset();
    FMirrorMargins.reset();
    FAlignBordersAndEdges.reset();
    FBordersDoNotSurroundHeader.reset();
    FBordersDoNotSurroundFooter.reset();
    FGutterAtTop.reset();
    FHideSpellingErrors.reset();
    FHideGrammaticalErrors.reset();
    FActiveWritingStyleList.Clear();
    FProofState.reset();
    FFormsDesign.reset();
    FAttachedTemplate.reset();
    FLinkStyles.reset();
    FStylePaneFormatFilter.reset();
    FStylePaneSortMethod.reset();
    FDocumentType.reset();
    FMailMerge.reset();
    FRevisionView.reset();
    FTrackRevisions.reset();
    FDoNotTrackMoves.reset();
    FDoNotTrackFormatting.reset();
    FDocumentProtection.reset();
    FAutoFormatOverride.reset();
    FStyleLockTheme.reset();
    FStyleLockQFSet.reset();
    FDefaultTabStop.reset();
    FAutoHyphenation.reset();
    FConsecutiveHyphenLimit.reset();
    FHyphenationZone.reset();
    FDoNotHyphenateCaps.reset();
    FShowEnvelope.reset();
    FSummaryLength.reset();
    FClickAndTypeStyle.reset();
    FDefaultTableStyle.reset();
    FEvenAndOddHeaders.reset();
    FBookFoldRevPrinting.reset();
    FBookFoldPrinting.reset();
    FBookFoldPrintingSheets.reset();
    FDrawingGridHorizontalSpacing.reset();
    FDrawingGridVerticalSpacing.reset();
    FDisplayHorizontalDrawingGridEvery.reset();
    FDisplayVerticalDrawingGridEvery.reset();
    FDoNotUseMarginsForDrawingGridOrigin.reset();
    FDrawingGridHorizontalOrigin.reset();
    FDrawingGridVerticalOrigin.reset();
    FDoNotShadeFormData.reset();
    FNoPunctuationKerning.reset();
    FCharacterSpacingControl.reset();
    FPrintTwoOnOne.reset();
    FStrictFirstAndLastChars.reset();
    FNoLineBreaksAfter.reset();
    FNoLineBreaksBefore.reset();
    FSavePreviewPicture.reset();
    FDoNotValidateAgainstSchema.reset();
    FSaveInvalidXml.reset();
    FIgnoreMixedContent.reset();
    FAlwaysShowPlaceholderText.reset();
    FDoNotDemarcateInvalidXml.reset();
    FSaveXmlDataOnly.reset();
    FUseXSLTWhenSaving.reset();
    FSaveThroughXslt.reset();
    FShowXMLTags.reset();
    FAlwaysMergeEmptyNamespace.reset();
    FUpdateFields.reset();
    FHdrShapeDefaults.reset();
    FFootnotePr.reset();
    FEndnotePr.reset();
    FCompat.reset();
    FDocVars.reset();
    FRsids.reset();
    FMathPr.reset();
    FAttachedSchemaList.Clear();
    FThemeFontLang.reset();
    FClrSchemeMapping.reset();
    FDoNotIncludeSubdocsInStats.reset();
    FDoNotAutoCompressPictures.reset();
    FForceUpgrade.reset();
    FCaptions.reset();
    FReadModeInkLockDown.reset();
    FSmartTagTypeList.Clear();
    FSchemaLibrary.reset();
    FShapeDefaults.reset();
    FDoNotEmbedSmartTags.reset();
    FDecimalSymbol.reset();
    FListSeparator.reset();
    FAny.Clear();
}

void TCT_Settings::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Settings*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FWriteProtection)
        Create_WriteProtection().Assign(*o->FWriteProtection);
    if (o->FView)
        Create_View().Assign(*o->FView);
    if (o->FZoom)
        Create_Zoom().Assign(*o->FZoom);
    if (o->FRemovePersonalInformation)
        Create_RemovePersonalInformation().Assign(*o->FRemovePersonalInformation);
    if (o->FRemoveDateAndTime)
        Create_RemoveDateAndTime().Assign(*o->FRemoveDateAndTime);
    if (o->FDoNotDisplayPageBoundaries)
        Create_DoNotDisplayPageBoundaries().Assign(*o->FDoNotDisplayPageBoundaries);
    if (o->FDisplayBackgroundShape)
        Create_DisplayBackgroundShape().Assign(*o->FDisplayBackgroundShape);
    if (o->FPrintPostScriptOverText)
        Create_PrintPostScriptOverText().Assign(*o->FPrintPostScriptOverText);
    if (o->FPrintFractionalCharacterWidth)
        Create_PrintFractionalCharacterWidth().Assign(*o->FPrintFractionalCharacterWidth);
    if (o->FPrintFormsData)
        Create_PrintFormsData().Assign(*o->FPrintFormsData);
    if (o->FEmbedTrueTypeFonts)
        Create_EmbedTrueTypeFonts().Assign(*o->FEmbedTrueTypeFonts);
    if (o->FEmbedSystemFonts)
        Create_EmbedSystemFonts().Assign(*o->FEmbedSystemFonts);
    if (o->FSaveSubsetFonts)
        Create_SaveSubsetFonts().Assign(*o->FSaveSubsetFonts);
    if (o->FSaveFormsData)
        Create_SaveFormsData().Assign(*o->FSaveFormsData);
    if (o->FMirrorMargins)
        Create_MirrorMargins().Assign(*o->FMirrorMargins);
    if (o->FAlignBordersAndEdges)
        Create_AlignBordersAndEdges().Assign(*o->FAlignBordersAndEdges);
    if (o->FBordersDoNotSurroundHeader)
        Create_BordersDoNotSurroundHeader().Assign(*o->FBordersDoNotSurroundHeader);
    if (o->FBordersDoNotSurroundFooter)
        Create_BordersDoNotSurroundFooter().Assign(*o->FBordersDoNotSurroundFooter);
    if (o->FGutterAtTop)
        Create_GutterAtTop().Assign(*o->FGutterAtTop);
    if (o->FHideSpellingErrors)
        Create_HideSpellingErrors().Assign(*o->FHideSpellingErrors);
    if (o->FHideGrammaticalErrors)
        Create_HideGrammaticalErrors().Assign(*o->FHideGrammaticalErrors);
    for (const auto& item : o->FActiveWritingStyleList.GetItems())
        FActiveWritingStyleList.Add().Assign(*item);
    if (o->FProofState)
        Create_ProofState().Assign(*o->FProofState);
    if (o->FFormsDesign)
        Create_FormsDesign().Assign(*o->FFormsDesign);
    if (o->FAttachedTemplate)
        Create_AttachedTemplate().Assign(*o->FAttachedTemplate);
    if (o->FLinkStyles)
        Create_LinkStyles().Assign(*o->FLinkStyles);
    if (o->FStylePaneFormatFilter)
        Create_StylePaneFormatFilter().Assign(*o->FStylePaneFormatFilter);
    if (o->FStylePaneSortMethod)
        Create_StylePaneSortMethod().Assign(*o->FStylePaneSortMethod);
    if (o->FDocumentType)
        Create_DocumentType().Assign(*o->FDocumentType);
    if (o->FMailMerge)
        Create_MailMerge().Assign(*o->FMailMerge);
    if (o->FRevisionView)
        Create_RevisionView().Assign(*o->FRevisionView);
    if (o->FTrackRevisions)
        Create_TrackRevisions().Assign(*o->FTrackRevisions);
    if (o->FDoNotTrackMoves)
        Create_DoNotTrackMoves().Assign(*o->FDoNotTrackMoves);
    if (o->FDoNotTrackFormatting)
        Create_DoNotTrackFormatting().Assign(*o->FDoNotTrackFormatting);
    if (o->FDocumentProtection)
        Create_DocumentProtection().Assign(*o->FDocumentProtection);
    if (o->FAutoFormatOverride)
        Create_AutoFormatOverride().Assign(*o->FAutoFormatOverride);
    if (o->FStyleLockTheme)
        Create_StyleLockTheme().Assign(*o->FStyleLockTheme);
    if (o->FStyleLockQFSet)
        Create_StyleLockQFSet().Assign(*o->FStyleLockQFSet);
    if (o->FDefaultTabStop)
        Create_DefaultTabStop().Assign(*o->FDefaultTabStop);
    if (o->FAutoHyphenation)
        Create_AutoHyphenation().Assign(*o->FAutoHyphenation);
    if (o->FConsecutiveHyphenLimit)
        Create_ConsecutiveHyphenLimit().Assign(*o->FConsecutiveHyphenLimit);
    if (o->FHyphenationZone)
        Create_HyphenationZone().Assign(*o->FHyphenationZone);
    if (o->FDoNotHyphenateCaps)
        Create_DoNotHyphenateCaps().Assign(*o->FDoNotHyphenateCaps);
    if (o->FShowEnvelope)
        Create_ShowEnvelope().Assign(*o->FShowEnvelope);
    if (o->FSummaryLength)
        Create_SummaryLength().Assign(*o->FSummaryLength);
    if (o->FClickAndTypeStyle)
        Create_ClickAndTypeStyle().Assign(*o->FClickAndTypeStyle);
    if (o->FDefaultTableStyle)
        Create_DefaultTableStyle().Assign(*o->FDefaultTableStyle);
    if (o->FEvenAndOddHeaders)
        Create_EvenAndOddHeaders().Assign(*o->FEvenAndOddHeaders);
    if (o->FBookFoldRevPrinting)
        Create_BookFoldRevPrinting().Assign(*o->FBookFoldRevPrinting);
    if (o->FBookFoldPrinting)
        Create_BookFoldPrinting().Assign(*o->FBookFoldPrinting);
    if (o->FBookFoldPrintingSheets)
        Create_BookFoldPrintingSheets().Assign(*o->FBookFoldPrintingSheets);
    if (o->FDrawingGridHorizontalSpacing)
        Create_DrawingGridHorizontalSpacing().Assign(*o->FDrawingGridHorizontalSpacing);
    if (o->FDrawingGridVerticalSpacing)
        Create_DrawingGridVerticalSpacing().Assign(*o->FDrawingGridVerticalSpacing);
    if (o->FDisplayHorizontalDrawingGridEvery)
        Create_DisplayHorizontalDrawingGridEvery().Assign(*o->FDisplayHorizontalDrawingGridEvery);
    if (o->FDisplayVerticalDrawingGridEvery)
        Create_DisplayVerticalDrawingGridEvery().Assign(*o->FDisplayVerticalDrawingGridEvery);
    if (o->FDoNotUseMarginsForDrawingGridOrigin)
        Create_DoNotUseMarginsForDrawingGridOrigin().Assign(*o->FDoNotUseMarginsForDrawingGridOrigin);
    if (o->FDrawingGridHorizontalOrigin)
        Create_DrawingGridHorizontalOrigin().Assign(*o->FDrawingGridHorizontalOrigin);
    if (o->FDrawingGridVerticalOrigin)
        Create_DrawingGridVerticalOrigin().Assign(*o->FDrawingGridVerticalOrigin);
    if (o->FDoNotShadeFormData)
        Create_DoNotShadeFormData().Assign(*o->FDoNotShadeFormData);
    if (o->FNoPunctuationKerning)
        Create_NoPunctuationKerning().Assign(*o->FNoPunctuationKerning);
    if (o->FCharacterSpacingControl)
        Create_CharacterSpacingControl().Assign(*o->FCharacterSpacingControl);
    if (o->FPrintTwoOnOne)
        Create_PrintTwoOnOne().Assign(*o->FPrintTwoOnOne);
    if (o->FStrictFirstAndLastChars)
        Create_StrictFirstAndLastChars().Assign(*o->FStrictFirstAndLastChars);
    if (o->FNoLineBreaksAfter)
        Create_NoLineBreaksAfter().Assign(*o->FNoLineBreaksAfter);
    if (o->FNoLineBreaksBefore)
        Create_NoLineBreaksBefore().Assign(*o->FNoLineBreaksBefore);
    if (o->FSavePreviewPicture)
        Create_SavePreviewPicture().Assign(*o->FSavePreviewPicture);
    if (o->FDoNotValidateAgainstSchema)
        Create_DoNotValidateAgainstSchema().Assign(*o->FDoNotValidateAgainstSchema);
    if (o->FSaveInvalidXml)
        Create_SaveInvalidXml().Assign(*o->FSaveInvalidXml);
    if (o->FIgnoreMixedContent)
        Create_IgnoreMixedContent().Assign(*o->FIgnoreMixedContent);
    if (o->FAlwaysShowPlaceholderText)
        Create_AlwaysShowPlaceholderText().Assign(*o->FAlwaysShowPlaceholderText);
    if (o->FDoNotDemarcateInvalidXml)
        Create_DoNotDemarcateInvalidXml().Assign(*o->FDoNotDemarcateInvalidXml);
    if (o->FSaveXmlDataOnly)
        Create_SaveXmlDataOnly().Assign(*o->FSaveXmlDataOnly);
    if (o->FUseXSLTWhenSaving)
        Create_UseXSLTWhenSaving().Assign(*o->FUseXSLTWhenSaving);
    if (o->FSaveThroughXslt)
        Create_SaveThroughXslt().Assign(*o->FSaveThroughXslt);
    if (o->FShowXMLTags)
        Create_ShowXMLTags().Assign(*o->FShowXMLTags);
    if (o->FAlwaysMergeEmptyNamespace)
        Create_AlwaysMergeEmptyNamespace().Assign(*o->FAlwaysMergeEmptyNamespace);
    if (o->FUpdateFields)
        Create_UpdateFields().Assign(*o->FUpdateFields);
    if (o->FHdrShapeDefaults)
        Create_HdrShapeDefaults().Assign(*o->FHdrShapeDefaults);
    if (o->FFootnotePr)
        Create_FootnotePr().Assign(*o->FFootnotePr);
    if (o->FEndnotePr)
        Create_EndnotePr().Assign(*o->FEndnotePr);
    if (o->FCompat)
        Create_Compat().Assign(*o->FCompat);
    if (o->FDocVars)
        Create_DocVars().Assign(*o->FDocVars);
    if (o->FRsids)
        Create_Rsids().Assign(*o->FRsids);
    if (o->FMathPr)
        Create_MathPr().Assign(*o->FMathPr);
    for (const auto& item : o->FAttachedSchemaList.GetItems())
        FAttachedSchemaList.Add().Assign(*item);
    if (o->FThemeFontLang)
        Create_ThemeFontLang().Assign(*o->FThemeFontLang);
    if (o->FClrSchemeMapping)
        Create_ClrSchemeMapping().Assign(*o->FClrSchemeMapping);
    if (o->FDoNotIncludeSubdocsInStats)
        Create_DoNotIncludeSubdocsInStats().Assign(*o->FDoNotIncludeSubdocsInStats);
    if (o->FDoNotAutoCompressPictures)
        Create_DoNotAutoCompressPictures().Assign(*o->FDoNotAutoCompressPictures);
    if (o->FForceUpgrade)
        Create_ForceUpgrade().Assign(*o->FForceUpgrade);
    if (o->FCaptions)
        Create_Captions().Assign(*o->FCaptions);
    if (o->FReadModeInkLockDown)
        Create_ReadModeInkLockDown().Assign(*o->FReadModeInkLockDown);
    for (const auto& item : o->FSmartTagTypeList.GetItems())
        FSmartTagTypeList.Add().Assign(*item);
    if (o->FSchemaLibrary)
        Create_SchemaLibrary().Assign(*o->FSchemaLibrary);
    if (o->FShapeDefaults)
        Create_ShapeDefaults().Assign(*o->FShapeDefaults);
    if (o->FDoNotEmbedSmartTags)
        Create_DoNotEmbedSmartTags().Assign(*o->FDoNotEmbedSmartTags);
    if (o->FDecimalSymbol)
        Create_DecimalSymbol().Assign(*o->FDecimalSymbol);
    if (o->FListSeparator)
        Create_ListSeparator().Assign(*o->FListSeparator);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Settings::HasElements() const
{
    return FWriteProtection != nullptr || FView != nullptr || FZoom != nullptr || FRemovePersonalInformation != nullptr || FRemoveDateAndTime != nullptr || FDoNotDisplayPageBoundaries != nullptr || FDisplayBackgroundShape != nullptr || FPrintPostScriptOverText != nullptr || FPrintFractionalCharacterWidth != nullptr || FPrintFormsData != nullptr || FEmbedTrueTypeFonts != nullptr || FEmbedSystemFonts != nullptr || FSaveSubsetFonts != nullptr || FSaveFormsData != nullptr || FMirrorMargins != nullptr || FAlignBordersAndEdges != nullptr || FBordersDoNotSurroundHeader != nullptr || FBordersDoNotSurroundFooter != nullptr || FGutterAtTop != nullptr || FHideSpellingErrors != nullptr || FHideGrammaticalErrors != nullptr || FActiveWritingStyleList.Count() > 0 || FProofState != nullptr || FFormsDesign != nullptr || FAttachedTemplate != nullptr || FLinkStyles != nullptr || FStylePaneFormatFilter != nullptr || FStylePaneSortMethod != nullptr || FDocumentType != nullptr || FMailMerge != nullptr || FRevisionView != nullptr || FTrackRevisions != nullptr || FDoNotTrackMoves != nullptr || FDoNotTrackFormatting != nullptr || FDocumentProtection != nullptr || FAutoFormatOverride != nullptr || FStyleLockTheme != nullptr || FStyleLockQFSet != nullptr || FDefaultTabStop != nullptr || FAutoHyphenation != nullptr || FConsecutiveHyphenLimit != nullptr || FHyphenationZone != nullptr || FDoNotHyphenateCaps != nullptr || FShowEnvelope != nullptr || FSummaryLength != nullptr || FClickAndTypeStyle != nullptr || FDefaultTableStyle != nullptr || FEvenAndOddHeaders != nullptr || FBookFoldRevPrinting != nullptr || FBookFoldPrinting != nullptr || FBookFoldPrintingSheets != nullptr || FDrawingGridHorizontalSpacing != nullptr || FDrawingGridVerticalSpacing != nullptr || FDisplayHorizontalDrawingGridEvery != nullptr || FDisplayVerticalDrawingGridEvery != nullptr || FDoNotUseMarginsForDrawingGridOrigin != nullptr || FDrawingGridHorizontalOrigin != nullptr || FDrawingGridVerticalOrigin != nullptr || FDoNotShadeFormData != nullptr || FNoPunctuationKerning != nullptr || FCharacterSpacingControl != nullptr || FPrintTwoOnOne != nullptr || FStrictFirstAndLastChars != nullptr || FNoLineBreaksAfter != nullptr || FNoLineBreaksBefore != nullptr || FSavePreviewPicture != nullptr || FDoNotValidateAgainstSchema != nullptr || FSaveInvalidXml != nullptr || FIgnoreMixedContent != nullptr || FAlwaysShowPlaceholderText != nullptr || FDoNotDemarcateInvalidXml != nullptr || FSaveXmlDataOnly != nullptr || FUseXSLTWhenSaving != nullptr || FSaveThroughXslt != nullptr || FShowXMLTags != nullptr || FAlwaysMergeEmptyNamespace != nullptr || FUpdateFields != nullptr || FHdrShapeDefaults != nullptr || FFootnotePr != nullptr || FEndnotePr != nullptr || FCompat != nullptr || FDocVars != nullptr || FRsids != nullptr || FMathPr != nullptr || FAttachedSchemaList.Count() > 0 || FThemeFontLang != nullptr || FClrSchemeMapping != nullptr || FDoNotIncludeSubdocsInStats != nullptr || FDoNotAutoCompressPictures != nullptr || FForceUpgrade != nullptr || FCaptions != nullptr || FReadModeInkLockDown != nullptr || FSmartTagTypeList.Count() > 0 || FSchemaLibrary != nullptr || FShapeDefaults != nullptr || FDoNotEmbedSmartTags != nullptr || FDecimalSymbol != nullptr || FListSeparator != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_WebSettings

TCT_WebSettings::TCT_WebSettings() = default;
TCT_WebSettings::~TCT_WebSettings() = default;

TCT_Frameset& TCT_WebSettings::Create_Frameset()
{
    if (!FFrameset) {
        FFrameset = std::make_unique<TCT_Frameset>();
        FFrameset->SetAssigned();
    }
    SetHasChildren();
    return *FFrameset;
}

TCT_Divs& TCT_WebSettings::Create_Divs()
{
    if (!FDivs) {
        FDivs = std::make_unique<TCT_Divs>();
        FDivs->SetAssigned();
    }
    SetHasChildren();
    return *FDivs;
}

TCT_String& TCT_WebSettings::Create_Encoding()
{
    if (!FEncoding) {
        FEncoding = std::make_unique<TCT_String>();
        FEncoding->SetAssigned();
    }
    SetHasChildren();
    return *FEncoding;
}

TCT_OptimizeForBrowser& TCT_WebSettings::Create_OptimizeForBrowser()
{
    if (!FOptimizeForBrowser) {
        FOptimizeForBrowser = std::make_unique<TCT_OptimizeForBrowser>();
        FOptimizeForBrowser->SetAssigned();
    }
    SetHasChildren();
    return *FOptimizeForBrowser;
}

TCT_OnOff& TCT_WebSettings::Create_RelyOnVML()
{
    if (!FRelyOnVML) {
        FRelyOnVML = std::make_unique<TCT_OnOff>();
        FRelyOnVML->SetAssigned();
    }
    SetHasChildren();
    return *FRelyOnVML;
}

TCT_OnOff& TCT_WebSettings::Create_AllowPNG()
{
    if (!FAllowPNG) {
        FAllowPNG = std::make_unique<TCT_OnOff>();
        FAllowPNG->SetAssigned();
    }
    SetHasChildren();
    return *FAllowPNG;
}

TCT_OnOff& TCT_WebSettings::Create_DoNotRelyOnCSS()
{
    if (!FDoNotRelyOnCSS) {
        FDoNotRelyOnCSS = std::make_unique<TCT_OnOff>();
        FDoNotRelyOnCSS->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotRelyOnCSS;
}

TCT_OnOff& TCT_WebSettings::Create_DoNotSaveAsSingleFile()
{
    if (!FDoNotSaveAsSingleFile) {
        FDoNotSaveAsSingleFile = std::make_unique<TCT_OnOff>();
        FDoNotSaveAsSingleFile->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotSaveAsSingleFile;
}

TCT_OnOff& TCT_WebSettings::Create_DoNotOrganizeInFolder()
{
    if (!FDoNotOrganizeInFolder) {
        FDoNotOrganizeInFolder = std::make_unique<TCT_OnOff>();
        FDoNotOrganizeInFolder->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotOrganizeInFolder;
}

TCT_OnOff& TCT_WebSettings::Create_DoNotUseLongFileNames()
{
    if (!FDoNotUseLongFileNames) {
        FDoNotUseLongFileNames = std::make_unique<TCT_OnOff>();
        FDoNotUseLongFileNames->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotUseLongFileNames;
}

TCT_DecimalNumber& TCT_WebSettings::Create_PixelsPerInch()
{
    if (!FPixelsPerInch) {
        FPixelsPerInch = std::make_unique<TCT_DecimalNumber>();
        FPixelsPerInch->SetAssigned();
    }
    SetHasChildren();
    return *FPixelsPerInch;
}

TCT_TargetScreenSz& TCT_WebSettings::Create_TargetScreenSz()
{
    if (!FTargetScreenSz) {
        FTargetScreenSz = std::make_unique<TCT_TargetScreenSz>();
        FTargetScreenSz->SetAssigned();
    }
    SetHasChildren();
    return *FTargetScreenSz;
}

TCT_OnOff& TCT_WebSettings::Create_SaveSmartTagsAsXml()
{
    if (!FSaveSmartTagsAsXml) {
        FSaveSmartTagsAsXml = std::make_unique<TCT_OnOff>();
        FSaveSmartTagsAsXml->SetAssigned();
    }
    SetHasChildren();
    return *FSaveSmartTagsAsXml;
}

TNYQBase* TCT_WebSettings::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 438:
        if (local == "divs") {
            return &Create_Divs();
        }
        break;
    case 772:
        if (local == "allowPNG") {
            return &Create_AllowPNG();
        }
        break;
    case 839:
        if (local == "encoding") {
            return &Create_Encoding();
        }
        break;
    case 855:
        if (local == "frameset") {
            return &Create_Frameset();
        }
        break;
    case 872:
        if (local == "relyOnVML") {
            return &Create_RelyOnVML();
        }
        break;
    case 1342:
        if (local == "pixelsPerInch") {
            return &Create_PixelsPerInch();
        }
        break;
    case 1350:
        if (local == "doNotRelyOnCSS") {
            return &Create_DoNotRelyOnCSS();
        }
        break;
    case 1460:
        if (local == "targetScreenSz") {
            return &Create_TargetScreenSz();
        }
        break;
    case 1834:
        if (local == "saveSmartTagsAsXml") {
            return &Create_SaveSmartTagsAsXml();
        }
        break;
    case 1916:
        if (local == "optimizeForBrowser") {
            return &Create_OptimizeForBrowser();
        }
        break;
    case 2089:
        if (local == "doNotSaveAsSingleFile") {
            return &Create_DoNotSaveAsSingleFile();
        }
        break;
    case 2101:
        if (local == "doNotUseLongFileNames") {
            return &Create_DoNotUseLongFileNames();
        }
        break;
    case 2134:
        if (local == "doNotOrganizeInFolder") {
            return &Create_DoNotOrganizeInFolder();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_WebSettings::Write(TNyqWriteXML& writer) const
{
    if (FFrameset && FFrameset->Available())
        NyqWriteChild(writer, "w:frameset", *FFrameset);
    if (FDivs && FDivs->Available())
        NyqWriteChild(writer, "w:divs", *FDivs);
    if (FEncoding && FEncoding->Available())
        NyqWriteChild(writer, "w:encoding", *FEncoding);
    if (FOptimizeForBrowser && FOptimizeForBrowser->Available())
        NyqWriteChild(writer, "w:optimizeForBrowser", *FOptimizeForBrowser);
    if (FRelyOnVML && FRelyOnVML->Available())
        NyqWriteChild(writer, "w:relyOnVML", *FRelyOnVML);
    if (FAllowPNG && FAllowPNG->Available())
        NyqWriteChild(writer, "w:allowPNG", *FAllowPNG);
    if (FDoNotRelyOnCSS && FDoNotRelyOnCSS->Available())
        NyqWriteChild(writer, "w:doNotRelyOnCSS", *FDoNotRelyOnCSS);
    if (FDoNotSaveAsSingleFile && FDoNotSaveAsSingleFile->Available())
        NyqWriteChild(writer, "w:doNotSaveAsSingleFile", *FDoNotSaveAsSingleFile);
    if (FDoNotOrganizeInFolder && FDoNotOrganizeInFolder->Available())
        NyqWriteChild(writer, "w:doNotOrganizeInFolder", *FDoNotOrganizeInFolder);
    if (FDoNotUseLongFileNames && FDoNotUseLongFileNames->Available())
        NyqWriteChild(writer, "w:doNotUseLongFileNames", *FDoNotUseLongFileNames);
    if (FPixelsPerInch && FPixelsPerInch->Available())
        NyqWriteChild(writer, "w:pixelsPerInch", *FPixelsPerInch);
    if (FTargetScreenSz && FTargetScreenSz->Available())
        NyqWriteChild(writer, "w:targetScreenSz", *FTargetScreenSz);
    if (FSaveSmartTagsAsXml && FSaveSmartTagsAsXml->Available())
        NyqWriteChild(writer, "w:saveSmartTagsAsXml", *FSaveSmartTagsAsXml);
    FAny.Write(writer);
}

void TCT_WebSettings::Clear()
{
    TNYQBase::Clear();
    FFrameset.reset();
    FDivs.reset();
    FEncoding.reset();
    FOptimizeForBrowser.reset();
    FRelyOnVML.reset();
    FAllowPNG.reset();
    FDoNotRelyOnCSS.reset();
    FDoNotSaveAsSingleFile.reset();
    FDoNotOrganizeInFolder.reset();
    FDoNotUseLongFileNames.reset();
    FPixelsPerInch.reset();
    FTargetScreenSz.reset();
    FSaveSmartTagsAsXml.reset();
    FAny.Clear();
}

void TCT_WebSettings::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_WebSettings*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FFrameset)
        Create_Frameset().Assign(*o->FFrameset);
    if (o->FDivs)
        Create_Divs().Assign(*o->FDivs);
    if (o->FEncoding)
        Create_Encoding().Assign(*o->FEncoding);
    if (o->FOptimizeForBrowser)
        Create_OptimizeForBrowser().Assign(*o->FOptimizeForBrowser);
    if (o->FRelyOnVML)
        Create_RelyOnVML().Assign(*o->FRelyOnVML);
    if (o->FAllowPNG)
        Create_AllowPNG().Assign(*o->FAllowPNG);
    if (o->FDoNotRelyOnCSS)
        Create_DoNotRelyOnCSS().Assign(*o->FDoNotRelyOnCSS);
    if (o->FDoNotSaveAsSingleFile)
        Create_DoNotSaveAsSingleFile().Assign(*o->FDoNotSaveAsSingleFile);
    if (o->FDoNotOrganizeInFolder)
        Create_DoNotOrganizeInFolder().Assign(*o->FDoNotOrganizeInFolder);
    if (o->FDoNotUseLongFileNames)
        Create_DoNotUseLongFileNames().Assign(*o->FDoNotUseLongFileNames);
    if (o->FPixelsPerInch)
        Create_PixelsPerInch().Assign(*o->FPixelsPerInch);
    if (o->FTargetScreenSz)
        Create_TargetScreenSz().Assign(*o->FTargetScreenSz);
    if (o->FSaveSmartTagsAsXml)
        Create_SaveSmartTagsAsXml().Assign(*o->FSaveSmartTagsAsXml);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_WebSettings::HasElements() const
{
    return FFrameset != nullptr || FDivs != nullptr || FEncoding != nullptr || FOptimizeForBrowser != nullptr || FRelyOnVML != nullptr || FAllowPNG != nullptr || FDoNotRelyOnCSS != nullptr || FDoNotSaveAsSingleFile != nullptr || FDoNotOrganizeInFolder != nullptr || FDoNotUseLongFileNames != nullptr || FPixelsPerInch != nullptr || FTargetScreenSz != nullptr || FSaveSmartTagsAsXml != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FontsList

TCT_FontsList::TCT_FontsList() = default;
TCT_FontsList::~TCT_FontsList() = default;

TNYQBase* TCT_FontsList::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 439:
        if (local == "font") {
            SetHasChildren();
            return &FFontList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FontsList::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FFontList.GetItems())
        NyqWriteChild(writer, "w:font", *item);
    FAny.Write(writer);
}

void TCT_FontsList::Clear()
{
    TNYQBase::Clear();
    FFontList.Clear();
    FAny.Clear();
}

void TCT_FontsList::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FontsList*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FFontList.GetItems())
        FFontList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FontsList::HasElements() const
{
    return FFontList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Footnotes

TCT_Footnotes::TCT_Footnotes() = default;
TCT_Footnotes::~TCT_Footnotes() = default;

TNYQBase* TCT_Footnotes::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 878:
        if (local == "footnote") {
            SetHasChildren();
            return &FFootnoteList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Footnotes::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FFootnoteList.GetItems())
        NyqWriteChild(writer, "w:footnote", *item);
    FAny.Write(writer);
}

void TCT_Footnotes::Clear()
{
    TNYQBase::Clear();
    FFootnoteList.Clear();
    FAny.Clear();
}

void TCT_Footnotes::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Footnotes*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FFootnoteList.GetItems())
        FFootnoteList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Footnotes::HasElements() const
{
    return FFootnoteList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Endnotes

TCT_Endnotes::TCT_Endnotes() = default;
TCT_Endnotes::~TCT_Endnotes() = default;

TNYQBase* TCT_Endnotes::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 749:
        if (local == "endnote") {
            SetHasChildren();
            return &FEndnoteList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Endnotes::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEndnoteList.GetItems())
        NyqWriteChild(writer, "w:endnote", *item);
    FAny.Write(writer);
}

void TCT_Endnotes::Clear()
{
    TNYQBase::Clear();
    FEndnoteList.Clear();
    FAny.Clear();
}

void TCT_Endnotes::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Endnotes*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FEndnoteList.GetItems())
        FEndnoteList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Endnotes::HasElements() const
{
    return FEndnoteList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Comments

TCT_Comments::TCT_Comments() = default;
TCT_Comments::~TCT_Comments() = default;

TNYQBase* TCT_Comments::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 755:
        if (local == "comment") {
            SetHasChildren();
            return &FCommentList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Comments::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FCommentList.GetItems())
        NyqWriteChild(writer, "w:comment", *item);
    FAny.Write(writer);
}

void TCT_Comments::Clear()
{
    TNYQBase::Clear();
    FCommentList.Clear();
    FAny.Clear();
}

void TCT_Comments::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Comments*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FCommentList.GetItems())
        FCommentList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Comments::HasElements() const
{
    return FCommentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_HdrFtr

namespace {
constexpr std::string_view cTCT_HdrFtrFEG_BlockLevelEltsListNames[] = {"w:customXml", "w:sdt", "w:p", "w:tbl", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath", "w:altChunk"};
}  // namespace

TCT_HdrFtr::TCT_HdrFtr() = default;
TCT_HdrFtr::~TCT_HdrFtr() = default;

TNYQBase* TCT_HdrFtr::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 112:
        if (local == "p") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_P>(2);
        }
        break;
    case 309:
        if (local == "del") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(24);
        }
        break;
    case 322:
        if (local == "tbl") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Tbl>(3);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(23);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_SdtBlock>(1);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TNYQAnyElement>(28);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(26);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Perm>(6);
        }
        break;
    case 826:
        if (local == "altChunk") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_AltChunk>(29);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_ProofErr>(4);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TNYQAnyElement>(27);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_PermStart>(5);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_CustomXmlBlock>(0);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(8);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Bookmark>(7);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(14);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(10);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MoveBookmark>(11);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(13);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MoveBookmark>(9);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Markup>(18);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Markup>(16);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_TrackChange>(17);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_TrackChange>(15);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Markup>(22);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Markup>(20);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_TrackChange>(21);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_TrackChange>(19);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_HdrFtr::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_BlockLevelEltsList.GetItems())
        NyqWriteChild(writer, cTCT_HdrFtrFEG_BlockLevelEltsListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_HdrFtr::Clear()
{
    TNYQBase::Clear();
    FEG_BlockLevelEltsList.Clear();
    FAny.Clear();
}

void TCT_HdrFtr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_HdrFtr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FEG_BlockLevelEltsList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_BlockLevelEltsList.Add<TCT_CustomXmlBlock>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_BlockLevelEltsList.Add<TCT_SdtBlock>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_BlockLevelEltsList.Add<TCT_P>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_BlockLevelEltsList.Add<TCT_Tbl>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_BlockLevelEltsList.Add<TCT_ProofErr>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_BlockLevelEltsList.Add<TCT_PermStart>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_BlockLevelEltsList.Add<TCT_Perm>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_BlockLevelEltsList.Add<TCT_Bookmark>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_BlockLevelEltsList.Add<TCT_MoveBookmark>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_BlockLevelEltsList.Add<TCT_MoveBookmark>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_BlockLevelEltsList.Add<TCT_TrackChange>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_BlockLevelEltsList.Add<TCT_Markup>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_BlockLevelEltsList.Add<TCT_TrackChange>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_BlockLevelEltsList.Add<TCT_Markup>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_BlockLevelEltsList.Add<TCT_TrackChange>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_BlockLevelEltsList.Add<TCT_Markup>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_BlockLevelEltsList.Add<TCT_TrackChange>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_BlockLevelEltsList.Add<TCT_Markup>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_BlockLevelEltsList.Add<TNYQAnyElement>(27).Assign(*item.Object);
            break;
        case 28:
            FEG_BlockLevelEltsList.Add<TNYQAnyElement>(28).Assign(*item.Object);
            break;
        case 29:
            FEG_BlockLevelEltsList.Add<TCT_AltChunk>(29).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_HdrFtr::HasElements() const
{
    return FEG_BlockLevelEltsList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Background

TCT_Background::TCT_Background() = default;
TCT_Background::~TCT_Background() = default;

TCT_Drawing& TCT_Background::Create_Drawing()
{
    if (!FDrawing) {
        FDrawing = std::make_unique<TCT_Drawing>();
        FDrawing->SetAssigned();
    }
    SetHasChildren();
    return *FDrawing;
}

TNYQBase* TCT_Background::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 748:
        if (local == "drawing") {
            return &Create_Drawing();
        }
        break;
    default:
        break;
    }
    switch (reader.QNameHashA()) {
    case 310:
        if (local == "arc") {
            SetHasChildren();
            return &FAny.Add<TCT_Arc>("v:arc");
        }
        break;
    case 424:
        if (local == "line") {
            SetHasChildren();
            return &FAny.Add<TCT_Line>("v:line");
        }
        break;
    case 430:
        if (local == "rect") {
            SetHasChildren();
            return &FAny.Add<TCT_Rect>("v:rect");
        }
        break;
    case 434:
        if (local == "oval") {
            SetHasChildren();
            return &FAny.Add<TCT_Oval>("v:oval");
        }
        break;
    case 515:
        if (local == "image") {
            SetHasChildren();
            return &FAny.Add<TCT_Image>("v:image");
        }
        break;
    case 529:
        if (local == "shape") {
            SetHasChildren();
            return &FAny.Add<TCT_Shape>("v:shape");
        }
        break;
    case 549:
        if (local == "curve") {
            SetHasChildren();
            return &FAny.Add<TCT_Curve>("v:curve");
        }
        break;
    case 557:
        if (local == "group") {
            SetHasChildren();
            return &FAny.Add<TCT_Group>("v:group");
        }
        break;
    case 876:
        if (local == "polyline") {
            SetHasChildren();
            return &FAny.Add<TCT_PolyLine>("v:polyline");
        }
        break;
    case 979:
        if (local == "shapetype") {
            SetHasChildren();
            return &FAny.Add<TCT_Shapetype>("v:shapetype");
        }
        break;
    case 982:
        if (local == "roundrect") {
            SetHasChildren();
            return &FAny.Add<TCT_RoundRect>("v:roundrect");
        }
        break;
    default:
        break;
    }
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Background::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 543:
            if (local == "color") {
                FColor = attrs.GetValues(i);
                continue;
            }
            break;
        case 946:
            if (local == "themeTint") {
                FThemeTint = attrs.GetValues(i);
                continue;
            }
            break;
        case 1016:
            if (local == "themeShade") {
                FThemeShade = attrs.GetValues(i);
                continue;
            }
            break;
        case 1042:
            if (local == "themeColor") {
                if (const auto v = StrToTST_ThemeColor(attrs.GetValues(i)))
                    FThemeColor = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_Background::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FColor)
        writer.AddAttribute("w:color", *FColor);
    if (FThemeColor)
        writer.AddAttribute("w:themeColor", TST_ThemeColorToStr(*FThemeColor));
    if (FThemeTint)
        writer.AddAttribute("w:themeTint", *FThemeTint);
    if (FThemeShade)
        writer.AddAttribute("w:themeShade", *FThemeShade);
}

void TCT_Background::Write(TNyqWriteXML& writer) const
{
    if (FDrawing && FDrawing->Available())
        NyqWriteChild(writer, "w:drawing", *FDrawing);
    FAny.Write(writer);
}

void TCT_Background::Clear()
{
    TNYQBase::Clear();
    FColor = {};
    FThemeColor = {};
    FThemeTint = {};
    FThemeShade = {};
    FDrawing.reset();
    FAny.Clear();
}

void TCT_Background::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Background*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FColor = o->FColor;
    FThemeColor = o->FThemeColor;
    FThemeTint = o->FThemeTint;
    FThemeShade = o->FThemeShade;
    if (o->FDrawing)
        Create_Drawing().Assign(*o->FDrawing);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Background::HasElements() const
{
    return FDrawing != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Body

namespace {
constexpr std::string_view cTCT_BodyFEG_BlockLevelEltsListNames[] = {"w:customXml", "w:sdt", "w:p", "w:tbl", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath", "w:altChunk"};
}  // namespace

TCT_Body::TCT_Body() = default;
TCT_Body::~TCT_Body() = default;

TCT_SectPr& TCT_Body::Create_SectPr()
{
    if (!FSectPr) {
        FSectPr = std::make_unique<TCT_SectPr>();
        FSectPr->SetAssigned();
    }
    SetHasChildren();
    return *FSectPr;
}

TNYQBase* TCT_Body::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 112:
        if (local == "p") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_P>(2);
        }
        break;
    case 309:
        if (local == "del") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(24);
        }
        break;
    case 322:
        if (local == "tbl") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Tbl>(3);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(23);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_SdtBlock>(1);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TNYQAnyElement>(28);
        }
        break;
    case 625:
        if (local == "sectPr") {
            return &Create_SectPr();
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(26);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Perm>(6);
        }
        break;
    case 826:
        if (local == "altChunk") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_AltChunk>(29);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_ProofErr>(4);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TNYQAnyElement>(27);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_PermStart>(5);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_CustomXmlBlock>(0);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(8);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Bookmark>(7);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(14);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(10);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MoveBookmark>(11);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(13);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_MoveBookmark>(9);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Markup>(18);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Markup>(16);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_TrackChange>(17);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_TrackChange>(15);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Markup>(22);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_Markup>(20);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_TrackChange>(21);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_BlockLevelEltsList.Add<TCT_TrackChange>(19);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Body::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_BlockLevelEltsList.GetItems())
        NyqWriteChild(writer, cTCT_BodyFEG_BlockLevelEltsListNames[item.Element], *item.Object);
    if (FSectPr && FSectPr->Available())
        NyqWriteChild(writer, "w:sectPr", *FSectPr);
    FAny.Write(writer);
}

void TCT_Body::Clear()
{
    TNYQBase::Clear();
    FEG_BlockLevelEltsList.Clear();
    FSectPr.reset();
    FAny.Clear();
}

void TCT_Body::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Body*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FEG_BlockLevelEltsList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_BlockLevelEltsList.Add<TCT_CustomXmlBlock>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_BlockLevelEltsList.Add<TCT_SdtBlock>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_BlockLevelEltsList.Add<TCT_P>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_BlockLevelEltsList.Add<TCT_Tbl>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_BlockLevelEltsList.Add<TCT_ProofErr>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_BlockLevelEltsList.Add<TCT_PermStart>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_BlockLevelEltsList.Add<TCT_Perm>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_BlockLevelEltsList.Add<TCT_Bookmark>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_BlockLevelEltsList.Add<TCT_MoveBookmark>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_BlockLevelEltsList.Add<TCT_MoveBookmark>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_BlockLevelEltsList.Add<TCT_MarkupRange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_BlockLevelEltsList.Add<TCT_TrackChange>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_BlockLevelEltsList.Add<TCT_Markup>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_BlockLevelEltsList.Add<TCT_TrackChange>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_BlockLevelEltsList.Add<TCT_Markup>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_BlockLevelEltsList.Add<TCT_TrackChange>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_BlockLevelEltsList.Add<TCT_Markup>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_BlockLevelEltsList.Add<TCT_TrackChange>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_BlockLevelEltsList.Add<TCT_Markup>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_BlockLevelEltsList.Add<TCT_RunTrackChange>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_BlockLevelEltsList.Add<TNYQAnyElement>(27).Assign(*item.Object);
            break;
        case 28:
            FEG_BlockLevelEltsList.Add<TNYQAnyElement>(28).Assign(*item.Object);
            break;
        case 29:
            FEG_BlockLevelEltsList.Add<TCT_AltChunk>(29).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    if (o->FSectPr)
        Create_SectPr().Assign(*o->FSectPr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Body::HasElements() const
{
    return FEG_BlockLevelEltsList.Count() > 0 || FSectPr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_DocDefaults

TCT_DocDefaults::TCT_DocDefaults() = default;
TCT_DocDefaults::~TCT_DocDefaults() = default;

TCT_RPrDefault& TCT_DocDefaults::Create_RPrDefault()
{
    if (!FRPrDefault) {
        FRPrDefault = std::make_unique<TCT_RPrDefault>();
        FRPrDefault->SetAssigned();
    }
    SetHasChildren();
    return *FRPrDefault;
}

TCT_PPrDefault& TCT_DocDefaults::Create_PPrDefault()
{
    if (!FPPrDefault) {
        FPPrDefault = std::make_unique<TCT_PPrDefault>();
        FPPrDefault->SetAssigned();
    }
    SetHasChildren();
    return *FPPrDefault;
}

TNYQBase* TCT_DocDefaults::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 1015:
        if (local == "pPrDefault") {
            return &Create_PPrDefault();
        }
        break;
    case 1017:
        if (local == "rPrDefault") {
            return &Create_RPrDefault();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_DocDefaults::Write(TNyqWriteXML& writer) const
{
    if (FRPrDefault && FRPrDefault->Available())
        NyqWriteChild(writer, "w:rPrDefault", *FRPrDefault);
    if (FPPrDefault && FPPrDefault->Available())
        NyqWriteChild(writer, "w:pPrDefault", *FPPrDefault);
    FAny.Write(writer);
}

void TCT_DocDefaults::Clear()
{
    TNYQBase::Clear();
    FRPrDefault.reset();
    FPPrDefault.reset();
    FAny.Clear();
}

void TCT_DocDefaults::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_DocDefaults*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FRPrDefault)
        Create_RPrDefault().Assign(*o->FRPrDefault);
    if (o->FPPrDefault)
        Create_PPrDefault().Assign(*o->FPPrDefault);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_DocDefaults::HasElements() const
{
    return FRPrDefault != nullptr || FPPrDefault != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_LatentStyles

TCT_LatentStyles::TCT_LatentStyles() = default;
TCT_LatentStyles::~TCT_LatentStyles() = default;

TNYQBase* TCT_LatentStyles::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 1266:
        if (local == "lsdException") {
            SetHasChildren();
            return &FLsdExceptionList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_LatentStyles::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 553:
            if (local == "count") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FCount = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1001:
            if (local == "defQFormat") {
                FDefQFormat = attrs.GetValues(i);
                continue;
            }
            break;
        case 1289:
            if (local == "defSemiHidden") {
                FDefSemiHidden = attrs.GetValues(i);
                continue;
            }
            break;
        case 1327:
            if (local == "defUIPriority") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FDefUIPriority = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1410:
            if (local == "defLockedState") {
                FDefLockedState = attrs.GetValues(i);
                continue;
            }
            break;
        case 1711:
            if (local == "defUnhideWhenUsed") {
                FDefUnhideWhenUsed = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_LatentStyles::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FDefLockedState)
        writer.AddAttribute("w:defLockedState", *FDefLockedState);
    if (FDefUIPriority)
        writer.AddAttribute("w:defUIPriority", XmlIntToStr(*FDefUIPriority));
    if (FDefSemiHidden)
        writer.AddAttribute("w:defSemiHidden", *FDefSemiHidden);
    if (FDefUnhideWhenUsed)
        writer.AddAttribute("w:defUnhideWhenUsed", *FDefUnhideWhenUsed);
    if (FDefQFormat)
        writer.AddAttribute("w:defQFormat", *FDefQFormat);
    if (FCount)
        writer.AddAttribute("w:count", XmlIntToStr(*FCount));
}

void TCT_LatentStyles::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FLsdExceptionList.GetItems())
        NyqWriteChild(writer, "w:lsdException", *item);
    FAny.Write(writer);
}

void TCT_LatentStyles::Clear()
{
    TNYQBase::Clear();
    FDefLockedState = {};
    FDefUIPriority = {};
    FDefSemiHidden = {};
    FDefUnhideWhenUsed = {};
    FDefQFormat = {};
    FCount = {};
    FLsdExceptionList.Clear();
    FAny.Clear();
}

void TCT_LatentStyles::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_LatentStyles*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FDefLockedState = o->FDefLockedState;
    FDefUIPriority = o->FDefUIPriority;
    FDefSemiHidden = o->FDefSemiHidden;
    FDefUnhideWhenUsed = o->FDefUnhideWhenUsed;
    FDefQFormat = o->FDefQFormat;
    FCount = o->FCount;
    for (const auto& item : o->FLsdExceptionList.GetItems())
        FLsdExceptionList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_LatentStyles::HasElements() const
{
    return FLsdExceptionList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Style

TCT_Style::TCT_Style() = default;
TCT_Style::~TCT_Style() = default;

TCT_String& TCT_Style::Create_Name()
{
    if (!FName) {
        FName = std::make_unique<TCT_String>();
        FName->SetAssigned();
    }
    SetHasChildren();
    return *FName;
}

TCT_String& TCT_Style::Create_Aliases()
{
    if (!FAliases) {
        FAliases = std::make_unique<TCT_String>();
        FAliases->SetAssigned();
    }
    SetHasChildren();
    return *FAliases;
}

TCT_String& TCT_Style::Create_BasedOn()
{
    if (!FBasedOn) {
        FBasedOn = std::make_unique<TCT_String>();
        FBasedOn->SetAssigned();
    }
    SetHasChildren();
    return *FBasedOn;
}

TCT_String& TCT_Style::Create_Next()
{
    if (!FNext) {
        FNext = std::make_unique<TCT_String>();
        FNext->SetAssigned();
    }
    SetHasChildren();
    return *FNext;
}

TCT_String& TCT_Style::Create_Link()
{
    if (!FLink) {
        FLink = std::make_unique<TCT_String>();
        FLink->SetAssigned();
    }
    SetHasChildren();
    return *FLink;
}

TCT_OnOff& TCT_Style::Create_AutoRedefine()
{
    if (!FAutoRedefine) {
        FAutoRedefine = std::make_unique<TCT_OnOff>();
        FAutoRedefine->SetAssigned();
    }
    SetHasChildren();
    return *FAutoRedefine;
}

TCT_OnOff& TCT_Style::Create_Hidden()
{
    if (!FHidden) {
        FHidden = std::make_unique<TCT_OnOff>();
        FHidden->SetAssigned();
    }
    SetHasChildren();
    return *FHidden;
}

TCT_DecimalNumber& TCT_Style::Create_UiPriority()
{
    if (!FUiPriority) {
        FUiPriority = std::make_unique<TCT_DecimalNumber>();
        FUiPriority->SetAssigned();
    }
    SetHasChildren();
    return *FUiPriority;
}

TCT_OnOff& TCT_Style::Create_SemiHidden()
{
    if (!FSemiHidden) {
        FSemiHidden = std::make_unique<TCT_OnOff>();
        FSemiHidden->SetAssigned();
    }
    SetHasChildren();
    return *FSemiHidden;
}

TCT_OnOff& TCT_Style::Create_UnhideWhenUsed()
{
    if (!FUnhideWhenUsed) {
        FUnhideWhenUsed = std::make_unique<TCT_OnOff>();
        FUnhideWhenUsed->SetAssigned();
    }
    SetHasChildren();
    return *FUnhideWhenUsed;
}

TCT_OnOff& TCT_Style::Create_QFormat()
{
    if (!FQFormat) {
        FQFormat = std::make_unique<TCT_OnOff>();
        FQFormat->SetAssigned();
    }
    SetHasChildren();
    return *FQFormat;
}

TCT_OnOff& TCT_Style::Create_Locked()
{
    if (!FLocked) {
        FLocked = std::make_unique<TCT_OnOff>();
        FLocked->SetAssigned();
    }
    SetHasChildren();
    return *FLocked;
}

TCT_OnOff& TCT_Style::Create_Personal()
{
    if (!FPersonal) {
        FPersonal = std::make_unique<TCT_OnOff>();
        FPersonal->SetAssigned();
    }
    SetHasChildren();
    return *FPersonal;
}

TCT_OnOff& TCT_Style::Create_PersonalCompose()
{
    if (!FPersonalCompose) {
        FPersonalCompose = std::make_unique<TCT_OnOff>();
        FPersonalCompose->SetAssigned();
    }
    SetHasChildren();
    return *FPersonalCompose;
}

TCT_OnOff& TCT_Style::Create_PersonalReply()
{
    if (!FPersonalReply) {
        FPersonalReply = std::make_unique<TCT_OnOff>();
        FPersonalReply->SetAssigned();
    }
    SetHasChildren();
    return *FPersonalReply;
}

TCT_LongHexNumber& TCT_Style::Create_Rsid()
{
    if (!FRsid) {
        FRsid = std::make_unique<TCT_LongHexNumber>();
        FRsid->SetAssigned();
    }
    SetHasChildren();
    return *FRsid;
}

TCT_PPrGeneral& TCT_Style::Create_PPr()
{
    if (!FPPr) {
        FPPr = std::make_unique<TCT_PPrGeneral>();
        FPPr->SetAssigned();
    }
    SetHasChildren();
    return *FPPr;
}

TCT_RPr& TCT_Style::Create_RPr()
{
    if (!FRPr) {
        FRPr = std::make_unique<TCT_RPr>();
        FRPr->SetAssigned();
    }
    SetHasChildren();
    return *FRPr;
}

TCT_TblPrBase& TCT_Style::Create_TblPr()
{
    if (!FTblPr) {
        FTblPr = std::make_unique<TCT_TblPrBase>();
        FTblPr->SetAssigned();
    }
    SetHasChildren();
    return *FTblPr;
}

TCT_TrPr& TCT_Style::Create_TrPr()
{
    if (!FTrPr) {
        FTrPr = std::make_unique<TCT_TrPr>();
        FTrPr->SetAssigned();
    }
    SetHasChildren();
    return *FTrPr;
}

TCT_TcPr& TCT_Style::Create_TcPr()
{
    if (!FTcPr) {
        FTcPr = std::make_unique<TCT_TcPr>();
        FTcPr->SetAssigned();
    }
    SetHasChildren();
    return *FTcPr;
}

TNYQBase* TCT_Style::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 306:
        if (local == "pPr") {
            return &Create_PPr();
        }
        break;
    case 308:
        if (local == "rPr") {
            return &Create_RPr();
        }
        break;
    case 409:
        if (local == "tcPr") {
            return &Create_TcPr();
        }
        break;
    case 417:
        if (local == "name") {
            return &Create_Name();
        }
        break;
    case 424:
        if (local == "trPr") {
            return &Create_TrPr();
        }
        break;
    case 430:
        if (local == "link") {
            return &Create_Link();
        }
        break;
    case 434:
        if (local == "rsid") {
            return &Create_Rsid();
        }
        break;
    case 447:
        if (local == "next") {
            return &Create_Next();
        }
        break;
    case 516:
        if (local == "tblPr") {
            return &Create_TblPr();
        }
        break;
    case 620:
        if (local == "hidden") {
            return &Create_Hidden();
        }
        break;
    case 626:
        if (local == "locked") {
            return &Create_Locked();
        }
        break;
    case 700:
        if (local == "basedOn") {
            return &Create_BasedOn();
        }
        break;
    case 730:
        if (local == "qFormat") {
            return &Create_QFormat();
        }
        break;
    case 738:
        if (local == "aliases") {
            return &Create_Aliases();
        }
        break;
    case 868:
        if (local == "personal") {
            return &Create_Personal();
        }
        break;
    case 1018:
        if (local == "semiHidden") {
            return &Create_SemiHidden();
        }
        break;
    case 1045:
        if (local == "tblStylePr") {
            SetHasChildren();
            return &FTblStylePrList.Add();
        }
        break;
    case 1088:
        if (local == "uiPriority") {
            return &Create_UiPriority();
        }
        break;
    case 1243:
        if (local == "autoRedefine") {
            return &Create_AutoRedefine();
        }
        break;
    case 1392:
        if (local == "personalReply") {
            return &Create_PersonalReply();
        }
        break;
    case 1440:
        if (local == "unhideWhenUsed") {
            return &Create_UnhideWhenUsed();
        }
        break;
    case 1594:
        if (local == "personalCompose") {
            return &Create_PersonalCompose();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Style::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_StyleType(attrs.GetValues(i)))
                    FType = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 734:
            if (local == "styleId") {
                FStyleId = attrs.GetValues(i);
                continue;
            }
            break;
        case 741:
            if (local == "default") {
                FDefault = attrs.GetValues(i);
                continue;
            }
            break;
        case 1196:
            if (local == "customStyle") {
                FCustomStyle = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_Style::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FType)
        writer.AddAttribute("w:type", TST_StyleTypeToStr(*FType));
    if (FStyleId)
        writer.AddAttribute("w:styleId", *FStyleId);
    if (FDefault)
        writer.AddAttribute("w:default", *FDefault);
    if (FCustomStyle)
        writer.AddAttribute("w:customStyle", *FCustomStyle);
}

void TCT_Style::Write(TNyqWriteXML& writer) const
{
    if (FName && FName->Available())
        NyqWriteChild(writer, "w:name", *FName);
    if (FAliases && FAliases->Available())
        NyqWriteChild(writer, "w:aliases", *FAliases);
    if (FBasedOn && FBasedOn->Available())
        NyqWriteChild(writer, "w:basedOn", *FBasedOn);
    if (FNext && FNext->Available())
        NyqWriteChild(writer, "w:next", *FNext);
    if (FLink && FLink->Available())
        NyqWriteChild(writer, "w:link", *FLink);
    if (FAutoRedefine && FAutoRedefine->Available())
        NyqWriteChild(writer, "w:autoRedefine", *FAutoRedefine);
    if (FHidden && FHidden->Available())
        NyqWriteChild(writer, "w:hidden", *FHidden);
    if (FUiPriority && FUiPriority->Available())
        NyqWriteChild(writer, "w:uiPriority", *FUiPriority);
    if (FSemiHidden && FSemiHidden->Available())
        NyqWriteChild(writer, "w:semiHidden", *FSemiHidden);
    if (FUnhideWhenUsed && FUnhideWhenUsed->Available())
        NyqWriteChild(writer, "w:unhideWhenUsed", *FUnhideWhenUsed);
    if (FQFormat && FQFormat->Available())
        NyqWriteChild(writer, "w:qFormat", *FQFormat);
    if (FLocked && FLocked->Available())
        NyqWriteChild(writer, "w:locked", *FLocked);
    if (FPersonal && FPersonal->Available())
        NyqWriteChild(writer, "w:personal", *FPersonal);
    if (FPersonalCompose && FPersonalCompose->Available())
        NyqWriteChild(writer, "w:personalCompose", *FPersonalCompose);
    if (FPersonalReply && FPersonalReply->Available())
        NyqWriteChild(writer, "w:personalReply", *FPersonalReply);
    if (FRsid && FRsid->Available())
        NyqWriteChild(writer, "w:rsid", *FRsid);
    if (FPPr && FPPr->Available())
        NyqWriteChild(writer, "w:pPr", *FPPr);
    if (FRPr && FRPr->Available())
        NyqWriteChild(writer, "w:rPr", *FRPr);
    if (FTblPr && FTblPr->Available())
        NyqWriteChild(writer, "w:tblPr", *FTblPr);
    if (FTrPr && FTrPr->Available())
        NyqWriteChild(writer, "w:trPr", *FTrPr);
    if (FTcPr && FTcPr->Available())
        NyqWriteChild(writer, "w:tcPr", *FTcPr);
    for (const auto& item : FTblStylePrList.GetItems())
        NyqWriteChild(writer, "w:tblStylePr", *item);
    FAny.Write(writer);
}

void TCT_Style::Clear()
{
    TNYQBase::Clear();
    FType = {};
    FStyleId = {};
    FDefault = {};
    FCustomStyle = {};
    FName.reset();
    FAliases.reset();
    FBasedOn.reset();
    FNext.reset();
    FLink.reset();
    FAutoRedefine.reset();
    FHidden.reset();
    FUiPriority.reset();
    FSemiHidden.reset();
    FUnhideWhenUsed.reset();
    FQFormat.reset();
    FLocked.reset();
    FPersonal.reset();
    FPersonalCompose.reset();
    FPersonalReply.reset();
    FRsid.reset();
    FPPr.reset();
    FRPr.reset();
    FTblPr.reset();
    FTrPr.reset();
    FTcPr.reset();
    FTblStylePrList.Clear();
    FAny.Clear();
}

void TCT_Style::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Style*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FType = o->FType;
    FStyleId = o->FStyleId;
    FDefault = o->FDefault;
    FCustomStyle = o->FCustomStyle;
    if (o->FName)
        Create_Name().Assign(*o->FName);
    if (o->FAliases)
        Create_Aliases().Assign(*o->FAliases);
    if (o->FBasedOn)
        Create_BasedOn().Assign(*o->FBasedOn);
    if (o->FNext)
        Create_Next().Assign(*o->FNext);
    if (o->FLink)
        Create_Link().Assign(*o->FLink);
    if (o->FAutoRedefine)
        Create_AutoRedefine().Assign(*o->FAutoRedefine);
    if (o->FHidden)
        Create_Hidden().Assign(*o->FHidden);
    if (o->FUiPriority)
        Create_UiPriority().Assign(*o->FUiPriority);
    if (o->FSemiHidden)
        Create_SemiHidden().Assign(*o->FSemiHidden);
    if (o->FUnhideWhenUsed)
        Create_UnhideWhenUsed().Assign(*o->FUnhideWhenUsed);
    if (o->FQFormat)
        Create_QFormat().Assign(*o->FQFormat);
    if (o->FLocked)
        Create_Locked().Assign(*o->FLocked);
    if (o->FPersonal)
        Create_Personal().Assign(*o->FPersonal);
    if (o->FPersonalCompose)
        Create_PersonalCompose().Assign(*o->FPersonalCompose);
    if (o->FPersonalReply)
        Create_PersonalReply().Assign(*o->FPersonalReply);
    if (o->FRsid)
        Create_Rsid().Assign(*o->FRsid);
    if (o->FPPr)
        Create_PPr().Assign(*o->FPPr);
    if (o->FRPr)
        Create_RPr().Assign(*o->FRPr);
    if (o->FTblPr)
        Create_TblPr().Assign(*o->FTblPr);
    if (o->FTrPr)
        Create_TrPr().Assign(*o->FTrPr);
    if (o->FTcPr)
        Create_TcPr().Assign(*o->FTcPr);
    for (const auto& item : o->FTblStylePrList.GetItems())
        FTblStylePrList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Style::HasElements() const
{
    return FName != nullptr || FAliases != nullptr || FBasedOn != nullptr || FNext != nullptr || FLink != nullptr || FAutoRedefine != nullptr || FHidden != nullptr || FUiPriority != nullptr || FSemiHidden != nullptr || FUnhideWhenUsed != nullptr || FQFormat != nullptr || FLocked != nullptr || FPersonal != nullptr || FPersonalCompose != nullptr || FPersonalReply != nullptr || FRsid != nullptr || FPPr != nullptr || FRPr != nullptr || FTblPr != nullptr || FTrPr != nullptr || FTcPr != nullptr || FTblStylePrList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_NumPicBullet

TCT_NumPicBullet::TCT_NumPicBullet() = default;
TCT_NumPicBullet::~TCT_NumPicBullet() = default;

TCT_Picture& TCT_NumPicBullet::Create_Pict()
{
    if (!FPict) {
        FPict = std::make_unique<TCT_Picture>();
        FPict->SetAssigned();
    }
    SetHasChildren();
    return *FPict;
}

TCT_Drawing& TCT_NumPicBullet::Create_Drawing()
{
    if (!FDrawing) {
        FDrawing = std::make_unique<TCT_Drawing>();
        FDrawing->SetAssigned();
    }
    SetHasChildren();
    return *FDrawing;
}

TNYQBase* TCT_NumPicBullet::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 432:
        if (local == "pict") {
            return &Create_Pict();
        }
        break;
    case 748:
        if (local == "drawing") {
            return &Create_Drawing();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_NumPicBullet::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 1409:
            if (local == "numPicBulletId") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FNumPicBulletId = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_NumPicBullet::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:numPicBulletId", XmlIntToStr(FNumPicBulletId));
}

void TCT_NumPicBullet::Write(TNyqWriteXML& writer) const
{
    if (FPict && FPict->Available())
        NyqWriteChild(writer, "w:pict", *FPict);
    if (FDrawing && FDrawing->Available())
        NyqWriteChild(writer, "w:drawing", *FDrawing);
    FAny.Write(writer);
}

void TCT_NumPicBullet::Clear()
{
    TNYQBase::Clear();
    FNumPicBulletId = {};
    FPict.reset();
    FDrawing.reset();
    FAny.Clear();
}

void TCT_NumPicBullet::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_NumPicBullet*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FNumPicBulletId = o->FNumPicBulletId;
    if (o->FPict)
        Create_Pict().Assign(*o->FPict);
    if (o->FDrawing)
        Create_Drawing().Assign(*o->FDrawing);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_NumPicBullet::HasElements() const
{
    return FPict != nullptr || FDrawing != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_AbstractNum

TCT_AbstractNum::TCT_AbstractNum() = default;
TCT_AbstractNum::~TCT_AbstractNum() = default;

TCT_LongHexNumber& TCT_AbstractNum::Create_Nsid()
{
    if (!FNsid) {
        FNsid = std::make_unique<TCT_LongHexNumber>();
        FNsid->SetAssigned();
    }
    SetHasChildren();
    return *FNsid;
}

TCT_MultiLevelType& TCT_AbstractNum::Create_MultiLevelType()
{
    if (!FMultiLevelType) {
        FMultiLevelType = std::make_unique<TCT_MultiLevelType>();
        FMultiLevelType->SetAssigned();
    }
    SetHasChildren();
    return *FMultiLevelType;
}

TCT_LongHexNumber& TCT_AbstractNum::Create_Tmpl()
{
    if (!FTmpl) {
        FTmpl = std::make_unique<TCT_LongHexNumber>();
        FTmpl->SetAssigned();
    }
    SetHasChildren();
    return *FTmpl;
}

TCT_String& TCT_AbstractNum::Create_Name()
{
    if (!FName) {
        FName = std::make_unique<TCT_String>();
        FName->SetAssigned();
    }
    SetHasChildren();
    return *FName;
}

TCT_String& TCT_AbstractNum::Create_StyleLink()
{
    if (!FStyleLink) {
        FStyleLink = std::make_unique<TCT_String>();
        FStyleLink->SetAssigned();
    }
    SetHasChildren();
    return *FStyleLink;
}

TCT_String& TCT_AbstractNum::Create_NumStyleLink()
{
    if (!FNumStyleLink) {
        FNumStyleLink = std::make_unique<TCT_String>();
        FNumStyleLink->SetAssigned();
    }
    SetHasChildren();
    return *FNumStyleLink;
}

TNYQBase* TCT_AbstractNum::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 334:
        if (local == "lvl") {
            SetHasChildren();
            return &FLvlList.Add();
        }
        break;
    case 417:
        if (local == "name") {
            return &Create_Name();
        }
        break;
    case 430:
        if (local == "nsid") {
            return &Create_Nsid();
        }
        break;
    case 445:
        if (local == "tmpl") {
            return &Create_Tmpl();
        }
        break;
    case 959:
        if (local == "styleLink") {
            return &Create_StyleLink();
        }
        break;
    case 1263:
        if (local == "numStyleLink") {
            return &Create_NumStyleLink();
        }
        break;
    case 1477:
        if (local == "multiLevelType") {
            return &Create_MultiLevelType();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_AbstractNum::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 1329:
            if (local == "abstractNumId") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FAbstractNumId = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_AbstractNum::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:abstractNumId", XmlIntToStr(FAbstractNumId));
}

void TCT_AbstractNum::Write(TNyqWriteXML& writer) const
{
    if (FNsid && FNsid->Available())
        NyqWriteChild(writer, "w:nsid", *FNsid);
    if (FMultiLevelType && FMultiLevelType->Available())
        NyqWriteChild(writer, "w:multiLevelType", *FMultiLevelType);
    if (FTmpl && FTmpl->Available())
        NyqWriteChild(writer, "w:tmpl", *FTmpl);
    if (FName && FName->Available())
        NyqWriteChild(writer, "w:name", *FName);
    if (FStyleLink && FStyleLink->Available())
        NyqWriteChild(writer, "w:styleLink", *FStyleLink);
    if (FNumStyleLink && FNumStyleLink->Available())
        NyqWriteChild(writer, "w:numStyleLink", *FNumStyleLink);
    for (const auto& item : FLvlList.GetItems())
        NyqWriteChild(writer, "w:lvl", *item);
    FAny.Write(writer);
}

void TCT_AbstractNum::Clear()
{
    TNYQBase::Clear();
    FAbstractNumId = {};
    FNsid.reset();
    FMultiLevelType.reset();
    FTmpl.reset();
    FName.reset();
    FStyleLink.reset();
    FNumStyleLink.reset();
    FLvlList.Clear();
    FAny.Clear();
}

void TCT_AbstractNum::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_AbstractNum*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAbstractNumId = o->FAbstractNumId;
    if (o->FNsid)
        Create_Nsid().Assign(*o->FNsid);
    if (o->FMultiLevelType)
        Create_MultiLevelType().Assign(*o->FMultiLevelType);
    if (o->FTmpl)
        Create_Tmpl().Assign(*o->FTmpl);
    if (o->FName)
        Create_Name().Assign(*o->FName);
    if (o->FStyleLink)
        Create_StyleLink().Assign(*o->FStyleLink);
    if (o->FNumStyleLink)
        Create_NumStyleLink().Assign(*o->FNumStyleLink);
    for (const auto& item : o->FLvlList.GetItems())
        FLvlList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_AbstractNum::HasElements() const
{
    return FNsid != nullptr || FMultiLevelType != nullptr || FTmpl != nullptr || FName != nullptr || FStyleLink != nullptr || FNumStyleLink != nullptr || FLvlList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Num

TCT_Num::TCT_Num() = default;
TCT_Num::~TCT_Num() = default;

TCT_DecimalNumber& TCT_Num::Create_AbstractNumId()
{
    if (!FAbstractNumId) {
        FAbstractNumId = std::make_unique<TCT_DecimalNumber>();
        FAbstractNumId->SetAssigned();
    }
    SetHasChildren();
    return *FAbstractNumId;
}

TNYQBase* TCT_Num::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 1166:
        if (local == "lvlOverride") {
            SetHasChildren();
            return &FLvlOverrideList.Add();
        }
        break;
    case 1329:
        if (local == "abstractNumId") {
            return &Create_AbstractNumId();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Num::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 509:
            if (local == "numId") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FNumId = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_Num::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:numId", XmlIntToStr(FNumId));
}

void TCT_Num::Write(TNyqWriteXML& writer) const
{
    if (FAbstractNumId && FAbstractNumId->Available())
        NyqWriteChild(writer, "w:abstractNumId", *FAbstractNumId);
    for (const auto& item : FLvlOverrideList.GetItems())
        NyqWriteChild(writer, "w:lvlOverride", *item);
    FAny.Write(writer);
}

void TCT_Num::Clear()
{
    TNYQBase::Clear();
    FNumId = {};
    FAbstractNumId.reset();
    FLvlOverrideList.Clear();
    FAny.Clear();
}

void TCT_Num::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Num*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FNumId = o->FNumId;
    if (o->FAbstractNumId)
        Create_AbstractNumId().Assign(*o->FAbstractNumId);
    for (const auto& item : o->FLvlOverrideList.GetItems())
        FLvlOverrideList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Num::HasElements() const
{
    return FAbstractNumId != nullptr || FLvlOverrideList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_DecimalNumber

TCT_DecimalNumber::TCT_DecimalNumber() = default;
TCT_DecimalNumber::~TCT_DecimalNumber() = default;

TNYQBase* TCT_DecimalNumber::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_DecimalNumber::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FVal = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_DecimalNumber::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", XmlIntToStr(FVal));
}

void TCT_DecimalNumber::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_DecimalNumber::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_DecimalNumber::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_DecimalNumber*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_DecimalNumber::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_WriteProtection

TCT_WriteProtection::TCT_WriteProtection() = default;
TCT_WriteProtection::~TCT_WriteProtection() = default;

TNYQBase* TCT_WriteProtection::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_WriteProtection::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 420:
            if (local == "hash") {
                FHash = attrs.GetValues(i);
                continue;
            }
            break;
        case 436:
            if (local == "salt") {
                FSalt = attrs.GetValues(i);
                continue;
            }
            break;
        case 786:
            if (local == "algIdExt") {
                FAlgIdExt = attrs.GetValues(i);
                continue;
            }
            break;
        case 929:
            if (local == "hashValue") {
                FHashValue = attrs.GetValues(i);
                continue;
            }
            break;
        case 945:
            if (local == "saltValue") {
                FSaltValue = attrs.GetValues(i);
                continue;
            }
            break;
        case 963:
            if (local == "spinCount") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FSpinCount = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1155:
            if (local == "recommended") {
                FRecommended = attrs.GetValues(i);
                continue;
            }
            break;
        case 1352:
            if (local == "algorithmName") {
                FAlgorithmName = attrs.GetValues(i);
                continue;
            }
            break;
        case 1405:
            if (local == "cryptProvider") {
                FCryptProvider = attrs.GetValues(i);
                continue;
            }
            break;
        case 1411:
            if (local == "algIdExtSource") {
                FAlgIdExtSource = attrs.GetValues(i);
                continue;
            }
            break;
        case 1493:
            if (local == "cryptSpinCount") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FCryptSpinCount = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1785:
            if (local == "cryptAlgorithmSid") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FCryptAlgorithmSid = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1823:
            if (local == "cryptProviderType") {
                if (const auto v = StrToTST_CryptProv(attrs.GetValues(i)))
                    FCryptProviderType = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1915:
            if (local == "cryptAlgorithmType") {
                if (const auto v = StrToTST_AlgType(attrs.GetValues(i)))
                    FCryptAlgorithmType = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1999:
            if (local == "cryptAlgorithmClass") {
                if (const auto v = StrToTST_AlgClass(attrs.GetValues(i)))
                    FCryptAlgorithmClass = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 2128:
            if (local == "cryptProviderTypeExt") {
                FCryptProviderTypeExt = attrs.GetValues(i);
                continue;
            }
            break;
        case 2753:
            if (local == "cryptProviderTypeExtSource") {
                FCryptProviderTypeExtSource = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_WriteProtection::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FRecommended)
        writer.AddAttribute("w:recommended", *FRecommended);
    if (FAlgorithmName)
        writer.AddAttribute("w:algorithmName", *FAlgorithmName);
    if (FHashValue)
        writer.AddAttribute("w:hashValue", *FHashValue);
    if (FSaltValue)
        writer.AddAttribute("w:saltValue", *FSaltValue);
    if (FSpinCount)
        writer.AddAttribute("w:spinCount", XmlIntToStr(*FSpinCount));
    if (FCryptProviderType)
        writer.AddAttribute("w:cryptProviderType", TST_CryptProvToStr(*FCryptProviderType));
    if (FCryptAlgorithmClass)
        writer.AddAttribute("w:cryptAlgorithmClass", TST_AlgClassToStr(*FCryptAlgorithmClass));
    if (FCryptAlgorithmType)
        writer.AddAttribute("w:cryptAlgorithmType", TST_AlgTypeToStr(*FCryptAlgorithmType));
    if (FCryptAlgorithmSid)
        writer.AddAttribute("w:cryptAlgorithmSid", XmlIntToStr(*FCryptAlgorithmSid));
    if (FCryptSpinCount)
        writer.AddAttribute("w:cryptSpinCount", XmlIntToStr(*FCryptSpinCount));
    if (FCryptProvider)
        writer.AddAttribute("w:cryptProvider", *FCryptProvider);
    if (FAlgIdExt)
        writer.AddAttribute("w:algIdExt", *FAlgIdExt);
    if (FAlgIdExtSource)
        writer.AddAttribute("w:algIdExtSource", *FAlgIdExtSource);
    if (FCryptProviderTypeExt)
        writer.AddAttribute("w:cryptProviderTypeExt", *FCryptProviderTypeExt);
    if (FCryptProviderTypeExtSource)
        writer.AddAttribute("w:cryptProviderTypeExtSource", *FCryptProviderTypeExtSource);
    if (FHash)
        writer.AddAttribute("w:hash", *FHash);
    if (FSalt)
        writer.AddAttribute("w:salt", *FSalt);
}

void TCT_WriteProtection::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_WriteProtection::Clear()
{
    TNYQBase::Clear();
    FRecommended = {};
    FAlgorithmName = {};
    FHashValue = {};
    FSaltValue = {};
    FSpinCount = {};
    FCryptProviderType = {};
    FCryptAlgorithmClass = {};
    FCryptAlgorithmType = {};
    FCryptAlgorithmSid = {};
    FCryptSpinCount = {};
    FCryptProvider = {};
    FAlgIdExt = {};
    FAlgIdExtSource = {};
    FCryptProviderTypeExt = {};
    FCryptProviderTypeExtSource = {};
    FHash = {};
    FSalt = {};
    FAny.Clear();
}

void TCT_WriteProtection::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_WriteProtection*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FRecommended = o->FRecommended;
    FAlgorithmName = o->FAlgorithmName;
    FHashValue = o->FHashValue;
    FSaltValue = o->FSaltValue;
    FSpinCount = o->FSpinCount;
    FCryptProviderType = o->FCryptProviderType;
    FCryptAlgorithmClass = o->FCryptAlgorithmClass;
    FCryptAlgorithmType = o->FCryptAlgorithmType;
    FCryptAlgorithmSid = o->FCryptAlgorithmSid;
    FCryptSpinCount = o->FCryptSpinCount;
    FCryptProvider = o->FCryptProvider;
    FAlgIdExt = o->FAlgIdExt;
    FAlgIdExtSource = o->FAlgIdExtSource;
    FCryptProviderTypeExt = o->FCryptProviderTypeExt;
    FCryptProviderTypeExtSource = o->FCryptProviderTypeExtSource;
    FHash = o->FHash;
    FSalt = o->FSalt;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_WriteProtection::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_View

TCT_View::TCT_View() = default;
TCT_View::~TCT_View() = default;

TNYQBase* TCT_View::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_View::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_View(attrs.GetValues(i)))
                    FVal = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_View::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_ViewToStr(FVal));
}

void TCT_View::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_View::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_View::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_View*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_View::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Zoom

TCT_Zoom::TCT_Zoom() = default;
TCT_Zoom::~TCT_Zoom() = default;

TNYQBase* TCT_Zoom::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Zoom::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_Zoom(attrs.GetValues(i)))
                    FVal = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 753:
            if (local == "percent") {
                FPercent = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_Zoom::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", TST_ZoomToStr(*FVal));
    writer.AddAttribute("w:percent", FPercent);
}

void TCT_Zoom::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Zoom::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FPercent = {};
    FAny.Clear();
}

void TCT_Zoom::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Zoom*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FPercent = o->FPercent;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Zoom::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_OnOff

TCT_OnOff::TCT_OnOff() = default;
TCT_OnOff::~TCT_OnOff() = default;

TNYQBase* TCT_OnOff::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_OnOff::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                FVal = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_OnOff::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", *FVal);
}

void TCT_OnOff::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_OnOff::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_OnOff::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_OnOff*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_OnOff::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_WritingStyle

TCT_WritingStyle::TCT_WritingStyle() = default;
TCT_WritingStyle::~TCT_WritingStyle() = default;

TNYQBase* TCT_WritingStyle::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_WritingStyle::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 418:
            if (local == "lang") {
                FLang = attrs.GetValues(i);
                continue;
            }
            break;
        case 696:
            if (local == "nlCheck") {
                FNlCheck = attrs.GetValues(i);
                continue;
            }
            break;
        case 706:
            if (local == "appName") {
                FAppName = attrs.GetValues(i);
                continue;
            }
            break;
        case 795:
            if (local == "vendorID") {
                FVendorID = attrs.GetValues(i);
                continue;
            }
            break;
        case 1039:
            if (local == "checkStyle") {
                FCheckStyle = attrs.GetValues(i);
                continue;
            }
            break;
        case 1058:
            if (local == "dllVersion") {
                FDllVersion = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_WritingStyle::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:lang", FLang);
    writer.AddAttribute("w:vendorID", FVendorID);
    writer.AddAttribute("w:dllVersion", FDllVersion);
    if (FNlCheck)
        writer.AddAttribute("w:nlCheck", *FNlCheck);
    writer.AddAttribute("w:checkStyle", FCheckStyle);
    writer.AddAttribute("w:appName", FAppName);
}

void TCT_WritingStyle::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_WritingStyle::Clear()
{
    TNYQBase::Clear();
    FLang = {};
    FVendorID = {};
    FDllVersion = {};
    FNlCheck = {};
    FCheckStyle = {};
    FAppName = {};
    FAny.Clear();
}

void TCT_WritingStyle::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_WritingStyle*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FLang = o->FLang;
    FVendorID = o->FVendorID;
    FDllVersion = o->FDllVersion;
    FNlCheck = o->FNlCheck;
    FCheckStyle = o->FCheckStyle;
    FAppName = o->FAppName;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_WritingStyle::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Proof

TCT_Proof::TCT_Proof() = default;
TCT_Proof::~TCT_Proof() = default;

TNYQBase* TCT_Proof::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Proof::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 743:
            if (local == "grammar") {
                if (const auto v = StrToTST_Proof(attrs.GetValues(i)))
                    FGrammar = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 862:
            if (local == "spelling") {
                if (const auto v = StrToTST_Proof(attrs.GetValues(i)))
                    FSpelling = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_Proof::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FSpelling)
        writer.AddAttribute("w:spelling", TST_ProofToStr(*FSpelling));
    if (FGrammar)
        writer.AddAttribute("w:grammar", TST_ProofToStr(*FGrammar));
}

void TCT_Proof::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Proof::Clear()
{
    TNYQBase::Clear();
    FSpelling = {};
    FGrammar = {};
    FAny.Clear();
}

void TCT_Proof::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Proof*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FSpelling = o->FSpelling;
    FGrammar = o->FGrammar;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Proof::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Rel

TCT_Rel::TCT_Rel() = default;
TCT_Rel::~TCT_Rel() = default;

TNYQBase* TCT_Rel::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Rel::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 205:
            if (local == "id") {
                FId = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_Rel::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("r:id", FId);
}

void TCT_Rel::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Rel::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAny.Clear();
}

void TCT_Rel::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Rel*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Rel::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_StylePaneFilter

TCT_StylePaneFilter::TCT_StylePaneFilter() = default;
TCT_StylePaneFilter::~TCT_StylePaneFilter() = default;

TNYQBase* TCT_StylePaneFilter::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_StylePaneFilter::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                FVal = attrs.GetValues(i);
                continue;
            }
            break;
        case 957:
            if (local == "allStyles") {
                FAllStyles = attrs.GetValues(i);
                continue;
            }
            break;
        case 1160:
            if (local == "stylesInUse") {
                FStylesInUse = attrs.GetValues(i);
                continue;
            }
            break;
        case 1164:
            if (local == "tableStyles") {
                FTableStyles = attrs.GetValues(i);
                continue;
            }
            break;
        case 1292:
            if (local == "latentStyles") {
                FLatentStyles = attrs.GetValues(i);
                continue;
            }
            break;
        case 1311:
            if (local == "customStyles") {
                FCustomStyles = attrs.GetValues(i);
                continue;
            }
            break;
        case 1364:
            if (local == "headingStyles") {
                FHeadingStyles = attrs.GetValues(i);
                continue;
            }
            break;
        case 1394:
            if (local == "visibleStyles") {
                FVisibleStyles = attrs.GetValues(i);
                continue;
            }
            break;
        case 1570:
            if (local == "clearFormatting") {
                FClearFormatting = attrs.GetValues(i);
                continue;
            }
            break;
        case 1611:
            if (local == "numberingStyles") {
                FNumberingStyles = attrs.GetValues(i);
                continue;
            }
            break;
        case 1722:
            if (local == "top3HeadingStyles") {
                FTop3HeadingStyles = attrs.GetValues(i);
                continue;
            }
            break;
        case 1989:
            if (local == "alternateStyleNames") {
                FAlternateStyleNames = attrs.GetValues(i);
                continue;
            }
            break;
        case 2299:
            if (local == "directFormattingOnRuns") {
                FDirectFormattingOnRuns = attrs.GetValues(i);
                continue;
            }
            break;
        case 2478:
            if (local == "directFormattingOnTables") {
                FDirectFormattingOnTables = attrs.GetValues(i);
                continue;
            }
            break;
        case 2810:
            if (local == "directFormattingOnNumbering") {
                FDirectFormattingOnNumbering = attrs.GetValues(i);
                continue;
            }
            break;
        case 2908:
            if (local == "directFormattingOnParagraphs") {
                FDirectFormattingOnParagraphs = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_StylePaneFilter::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FAllStyles)
        writer.AddAttribute("w:allStyles", *FAllStyles);
    if (FCustomStyles)
        writer.AddAttribute("w:customStyles", *FCustomStyles);
    if (FLatentStyles)
        writer.AddAttribute("w:latentStyles", *FLatentStyles);
    if (FStylesInUse)
        writer.AddAttribute("w:stylesInUse", *FStylesInUse);
    if (FHeadingStyles)
        writer.AddAttribute("w:headingStyles", *FHeadingStyles);
    if (FNumberingStyles)
        writer.AddAttribute("w:numberingStyles", *FNumberingStyles);
    if (FTableStyles)
        writer.AddAttribute("w:tableStyles", *FTableStyles);
    if (FDirectFormattingOnRuns)
        writer.AddAttribute("w:directFormattingOnRuns", *FDirectFormattingOnRuns);
    if (FDirectFormattingOnParagraphs)
        writer.AddAttribute("w:directFormattingOnParagraphs", *FDirectFormattingOnParagraphs);
    if (FDirectFormattingOnNumbering)
        writer.AddAttribute("w:directFormattingOnNumbering", *FDirectFormattingOnNumbering);
    if (FDirectFormattingOnTables)
        writer.AddAttribute("w:directFormattingOnTables", *FDirectFormattingOnTables);
    if (FClearFormatting)
        writer.AddAttribute("w:clearFormatting", *FClearFormatting);
    if (FTop3HeadingStyles)
        writer.AddAttribute("w:top3HeadingStyles", *FTop3HeadingStyles);
    if (FVisibleStyles)
        writer.AddAttribute("w:visibleStyles", *FVisibleStyles);
    if (FAlternateStyleNames)
        writer.AddAttribute("w:alternateStyleNames", *FAlternateStyleNames);
    if (FVal)
        writer.AddAttribute("w:val", *FVal);
}

void TCT_StylePaneFilter::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_StylePaneFilter::Clear()
{
    TNYQBase::Clear();
    FAllStyles = {};
    FCustomStyles = {};
    FLatentStyles = {};
    FStylesInUse = {};
    FHeadingStyles = {};
    FNumberingStyles = {};
    FTableStyles = {};
    FDirectFormattingOnRuns = {};
    FDirectFormattingOnParagraphs = {};
    FDirectFormattingOnNumbering = {};
    FDirectFormattingOnTables = {};
    FClearFormatting = {};
    FTop3HeadingStyles = {};
    FVisibleStyles = {};
    FAlternateStyleNames = {};
    FVal = {};
    FAny.Clear();
}

void TCT_StylePaneFilter::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_StylePaneFilter*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAllStyles = o->FAllStyles;
    FCustomStyles = o->FCustomStyles;
    FLatentStyles = o->FLatentStyles;
    FStylesInUse = o->FStylesInUse;
    FHeadingStyles = o->FHeadingStyles;
    FNumberingStyles = o->FNumberingStyles;
    FTableStyles = o->FTableStyles;
    FDirectFormattingOnRuns = o->FDirectFormattingOnRuns;
    FDirectFormattingOnParagraphs = o->FDirectFormattingOnParagraphs;
    FDirectFormattingOnNumbering = o->FDirectFormattingOnNumbering;
    FDirectFormattingOnTables = o->FDirectFormattingOnTables;
    FClearFormatting = o->FClearFormatting;
    FTop3HeadingStyles = o->FTop3HeadingStyles;
    FVisibleStyles = o->FVisibleStyles;
    FAlternateStyleNames = o->FAlternateStyleNames;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_StylePaneFilter::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_StyleSort

TCT_StyleSort::TCT_StyleSort() = default;
TCT_StyleSort::~TCT_StyleSort() = default;

TNYQBase* TCT_StyleSort::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_StyleSort::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_StyleSort(attrs.GetValues(i)))
                    FVal = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_StyleSort::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_StyleSortToStr(FVal));
}

void TCT_StyleSort::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_StyleSort::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_StyleSort::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_StyleSort*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_StyleSort::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_DocType

TCT_DocType::TCT_DocType() = default;
TCT_DocType::~TCT_DocType() = default;

TNYQBase* TCT_DocType::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_DocType::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                FVal = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_DocType::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", FVal);
}

void TCT_DocType::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_DocType::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_DocType::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_DocType*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_DocType::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_MailMerge

TCT_MailMerge::TCT_MailMerge() = default;
TCT_MailMerge::~TCT_MailMerge() = default;

TCT_MailMergeDocType& TCT_MailMerge::Create_MainDocumentType()
{
    if (!FMainDocumentType) {
        FMainDocumentType = std::make_unique<TCT_MailMergeDocType>();
        FMainDocumentType->SetAssigned();
    }
    SetHasChildren();
    return *FMainDocumentType;
}

TCT_OnOff& TCT_MailMerge::Create_LinkToQuery()
{
    if (!FLinkToQuery) {
        FLinkToQuery = std::make_unique<TCT_OnOff>();
        FLinkToQuery->SetAssigned();
    }
    SetHasChildren();
    return *FLinkToQuery;
}

TCT_MailMergeDataType& TCT_MailMerge::Create_DataType()
{
    if (!FDataType) {
        FDataType = std::make_unique<TCT_MailMergeDataType>();
        FDataType->SetAssigned();
    }
    SetHasChildren();
    return *FDataType;
}

TCT_String& TCT_MailMerge::Create_ConnectString()
{
    if (!FConnectString) {
        FConnectString = std::make_unique<TCT_String>();
        FConnectString->SetAssigned();
    }
    SetHasChildren();
    return *FConnectString;
}

TCT_String& TCT_MailMerge::Create_Query()
{
    if (!FQuery) {
        FQuery = std::make_unique<TCT_String>();
        FQuery->SetAssigned();
    }
    SetHasChildren();
    return *FQuery;
}

TCT_Rel& TCT_MailMerge::Create_DataSource()
{
    if (!FDataSource) {
        FDataSource = std::make_unique<TCT_Rel>();
        FDataSource->SetAssigned();
    }
    SetHasChildren();
    return *FDataSource;
}

TCT_Rel& TCT_MailMerge::Create_HeaderSource()
{
    if (!FHeaderSource) {
        FHeaderSource = std::make_unique<TCT_Rel>();
        FHeaderSource->SetAssigned();
    }
    SetHasChildren();
    return *FHeaderSource;
}

TCT_OnOff& TCT_MailMerge::Create_DoNotSuppressBlankLines()
{
    if (!FDoNotSuppressBlankLines) {
        FDoNotSuppressBlankLines = std::make_unique<TCT_OnOff>();
        FDoNotSuppressBlankLines->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotSuppressBlankLines;
}

TCT_MailMergeDest& TCT_MailMerge::Create_Destination()
{
    if (!FDestination) {
        FDestination = std::make_unique<TCT_MailMergeDest>();
        FDestination->SetAssigned();
    }
    SetHasChildren();
    return *FDestination;
}

TCT_String& TCT_MailMerge::Create_AddressFieldName()
{
    if (!FAddressFieldName) {
        FAddressFieldName = std::make_unique<TCT_String>();
        FAddressFieldName->SetAssigned();
    }
    SetHasChildren();
    return *FAddressFieldName;
}

TCT_String& TCT_MailMerge::Create_MailSubject()
{
    if (!FMailSubject) {
        FMailSubject = std::make_unique<TCT_String>();
        FMailSubject->SetAssigned();
    }
    SetHasChildren();
    return *FMailSubject;
}

TCT_OnOff& TCT_MailMerge::Create_MailAsAttachment()
{
    if (!FMailAsAttachment) {
        FMailAsAttachment = std::make_unique<TCT_OnOff>();
        FMailAsAttachment->SetAssigned();
    }
    SetHasChildren();
    return *FMailAsAttachment;
}

TCT_OnOff& TCT_MailMerge::Create_ViewMergedData()
{
    if (!FViewMergedData) {
        FViewMergedData = std::make_unique<TCT_OnOff>();
        FViewMergedData->SetAssigned();
    }
    SetHasChildren();
    return *FViewMergedData;
}

TCT_DecimalNumber& TCT_MailMerge::Create_ActiveRecord()
{
    if (!FActiveRecord) {
        FActiveRecord = std::make_unique<TCT_DecimalNumber>();
        FActiveRecord->SetAssigned();
    }
    SetHasChildren();
    return *FActiveRecord;
}

TCT_DecimalNumber& TCT_MailMerge::Create_CheckErrors()
{
    if (!FCheckErrors) {
        FCheckErrors = std::make_unique<TCT_DecimalNumber>();
        FCheckErrors->SetAssigned();
    }
    SetHasChildren();
    return *FCheckErrors;
}

TCT_Odso& TCT_MailMerge::Create_Odso()
{
    if (!FOdso) {
        FOdso = std::make_unique<TCT_Odso>();
        FOdso->SetAssigned();
    }
    SetHasChildren();
    return *FOdso;
}

TNYQBase* TCT_MailMerge::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 437:
        if (local == "odso") {
            return &Create_Odso();
        }
        break;
    case 566:
        if (local == "query") {
            return &Create_Query();
        }
        break;
    case 828:
        if (local == "dataType") {
            return &Create_DataType();
        }
        break;
    case 1035:
        if (local == "dataSource") {
            return &Create_DataSource();
        }
        break;
    case 1139:
        if (local == "mailSubject") {
            return &Create_MailSubject();
        }
        break;
    case 1147:
        if (local == "checkErrors") {
            return &Create_CheckErrors();
        }
        break;
    case 1159:
        if (local == "linkToQuery") {
            return &Create_LinkToQuery();
        }
        break;
    case 1186:
        if (local == "destination") {
            return &Create_Destination();
        }
        break;
    case 1242:
        if (local == "headerSource") {
            return &Create_HeaderSource();
        }
        break;
    case 1243:
        if (local == "activeRecord") {
            return &Create_ActiveRecord();
        }
        break;
    case 1377:
        if (local == "connectString") {
            return &Create_ConnectString();
        }
        break;
    case 1417:
        if (local == "viewMergedData") {
            return &Create_ViewMergedData();
        }
        break;
    case 1611:
        if (local == "addressFieldName") {
            return &Create_AddressFieldName();
        }
        break;
    case 1632:
        if (local == "mailAsAttachment") {
            return &Create_MailAsAttachment();
        }
        break;
    case 1670:
        if (local == "mainDocumentType") {
            return &Create_MainDocumentType();
        }
        break;
    case 2380:
        if (local == "doNotSuppressBlankLines") {
            return &Create_DoNotSuppressBlankLines();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_MailMerge::Write(TNyqWriteXML& writer) const
{
    if (FMainDocumentType && FMainDocumentType->Available())
        NyqWriteChild(writer, "w:mainDocumentType", *FMainDocumentType);
    if (FLinkToQuery && FLinkToQuery->Available())
        NyqWriteChild(writer, "w:linkToQuery", *FLinkToQuery);
    if (FDataType && FDataType->Available())
        NyqWriteChild(writer, "w:dataType", *FDataType);
    if (FConnectString && FConnectString->Available())
        NyqWriteChild(writer, "w:connectString", *FConnectString);
    if (FQuery && FQuery->Available())
        NyqWriteChild(writer, "w:query", *FQuery);
    if (FDataSource && FDataSource->Available())
        NyqWriteChild(writer, "w:dataSource", *FDataSource);
    if (FHeaderSource && FHeaderSource->Available())
        NyqWriteChild(writer, "w:headerSource", *FHeaderSource);
    if (FDoNotSuppressBlankLines && FDoNotSuppressBlankLines->Available())
        NyqWriteChild(writer, "w:doNotSuppressBlankLines", *FDoNotSuppressBlankLines);
    if (FDestination && FDestination->Available())
        NyqWriteChild(writer, "w:destination", *FDestination);
    if (FAddressFieldName && FAddressFieldName->Available())
        NyqWriteChild(writer, "w:addressFieldName", *FAddressFieldName);
    if (FMailSubject && FMailSubject->Available())
        NyqWriteChild(writer, "w:mailSubject", *FMailSubject);
    if (FMailAsAttachment && FMailAsAttachment->Available())
        NyqWriteChild(writer, "w:mailAsAttachment", *FMailAsAttachment);
    if (FViewMergedData && FViewMergedData->Available())
        NyqWriteChild(writer, "w:viewMergedData", *FViewMergedData);
    if (FActiveRecord && FActiveRecord->Available())
        NyqWriteChild(writer, "w:activeRecord", *FActiveRecord);
    if (FCheckErrors && FCheckErrors->Available())
        NyqWriteChild(writer, "w:checkErrors", *FCheckErrors);
    if (FOdso && FOdso->Available())
        NyqWriteChild(writer, "w:odso", *FOdso);
    FAny.Write(writer);
}

void TCT_MailMerge::Clear()
{
    TNYQBase::Clear();
    FMainDocumentType.reset();
    FLinkToQuery.reset();
    FDataType.reset();
    FConnectString.reset();
    FQuery.reset();
    FDataSource.reset();
    FHeaderSource.reset();
    FDoNotSuppressBlankLines.reset();
    FDestination.reset();
    FAddressFieldName.reset();
    FMailSubject.reset();
    FMailAsAttachment.reset();
    FViewMergedData.reset();
    FActiveRecord.reset();
    FCheckErrors.reset();
    FOdso.reset();
    FAny.Clear();
}

void TCT_MailMerge::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_MailMerge*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FMainDocumentType)
        Create_MainDocumentType().Assign(*o->FMainDocumentType);
    if (o->FLinkToQuery)
        Create_LinkToQuery().Assign(*o->FLinkToQuery);
    if (o->FDataType)
        Create_DataType().Assign(*o->FDataType);
    if (o->FConnectString)
        Create_ConnectString().Assign(*o->FConnectString);
    if (o->FQuery)
        Create_Query().Assign(*o->FQuery);
    if (o->FDataSource)
        Create_DataSource().Assign(*o->FDataSource);
    if (o->FHeaderSource)
        Create_HeaderSource().Assign(*o->FHeaderSource);
    if (o->FDoNotSuppressBlankLines)
        Create_DoNotSuppressBlankLines().Assign(*o->FDoNotSuppressBlankLines);
    if (o->FDestination)
        Create_Destination().Assign(*o->FDestination);
    if (o->FAddressFieldName)
        Create_AddressFieldName().Assign(*o->FAddressFieldName);
    if (o->FMailSubject)
        Create_MailSubject().Assign(*o->FMailSubject);
    if (o->FMailAsAttachment)
        Create_MailAsAttachment().Assign(*o->FMailAsAttachment);
    if (o->FViewMergedData)
        Create_ViewMergedData().Assign(*o->FViewMergedData);
    if (o->FActiveRecord)
        Create_ActiveRecord().Assign(*o->FActiveRecord);
    if (o->FCheckErrors)
        Create_CheckErrors().Assign(*o->FCheckErrors);
    if (o->FOdso)
        Create_Odso().Assign(*o->FOdso);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_MailMerge::HasElements() const
{
    return FMainDocumentType != nullptr || FLinkToQuery != nullptr || FDataType != nullptr || FConnectString != nullptr || FQuery != nullptr || FDataSource != nullptr || FHeaderSource != nullptr || FDoNotSuppressBlankLines != nullptr || FDestination != nullptr || FAddressFieldName != nullptr || FMailSubject != nullptr || FMailAsAttachment != nullptr || FViewMergedData != nullptr || FActiveRecord != nullptr || FCheckErrors != nullptr || FOdso != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TrackChangesView

TCT_TrackChangesView::TCT_TrackChangesView() = default;
TCT_TrackChangesView::~TCT_TrackChangesView() = default;

TNYQBase* TCT_TrackChangesView::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TrackChangesView::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 607:
            if (local == "insDel") {
                FInsDel = attrs.GetValues(i);
                continue;
            }
            break;
        case 656:
            if (local == "markup") {
                FMarkup = attrs.GetValues(i);
                continue;
            }
            break;
        case 870:
            if (local == "comments") {
                FComments = attrs.GetValues(i);
                continue;
            }
            break;
        case 1083:
            if (local == "formatting") {
                FFormatting = attrs.GetValues(i);
                continue;
            }
            break;
        case 1488:
            if (local == "inkAnnotations") {
                FInkAnnotations = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_TrackChangesView::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FMarkup)
        writer.AddAttribute("w:markup", *FMarkup);
    if (FComments)
        writer.AddAttribute("w:comments", *FComments);
    if (FInsDel)
        writer.AddAttribute("w:insDel", *FInsDel);
    if (FFormatting)
        writer.AddAttribute("w:formatting", *FFormatting);
    if (FInkAnnotations)
        writer.AddAttribute("w:inkAnnotations", *FInkAnnotations);
}

void TCT_TrackChangesView::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TrackChangesView::Clear()
{
    TNYQBase::Clear();
    FMarkup = {};
    FComments = {};
    FInsDel = {};
    FFormatting = {};
    FInkAnnotations = {};
    FAny.Clear();
}

void TCT_TrackChangesView::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TrackChangesView*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FMarkup = o->FMarkup;
    FComments = o->FComments;
    FInsDel = o->FInsDel;
    FFormatting = o->FFormatting;
    FInkAnnotations = o->FInkAnnotations;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TrackChangesView::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_DocProtect

TCT_DocProtect::TCT_DocProtect() = default;
TCT_DocProtect::~TCT_DocProtect() = default;

TNYQBase* TCT_DocProtect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_DocProtect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 420:
            if (local == "hash") {
                FHash = attrs.GetValues(i);
                continue;
            }
            break;
        case 422:
            if (local == "edit") {
                if (const auto v = StrToTST_DocProtect(attrs.GetValues(i)))
                    FEdit = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 436:
            if (local == "salt") {
                FSalt = attrs.GetValues(i);
                continue;
            }
            break;
        case 786:
            if (local == "algIdExt") {
                FAlgIdExt = attrs.GetValues(i);
                continue;
            }
            break;
        case 929:
            if (local == "hashValue") {
                FHashValue = attrs.GetValues(i);
                continue;
            }
            break;
        case 945:
            if (local == "saltValue") {
                FSaltValue = attrs.GetValues(i);
                continue;
            }
            break;
        case 963:
            if (local == "spinCount") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FSpinCount = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1083:
            if (local == "formatting") {
                FFormatting = attrs.GetValues(i);
                continue;
            }
            break;
        case 1174:
            if (local == "enforcement") {
                FEnforcement = attrs.GetValues(i);
                continue;
            }
            break;
        case 1352:
            if (local == "algorithmName") {
                FAlgorithmName = attrs.GetValues(i);
                continue;
            }
            break;
        case 1405:
            if (local == "cryptProvider") {
                FCryptProvider = attrs.GetValues(i);
                continue;
            }
            break;
        case 1411:
            if (local == "algIdExtSource") {
                FAlgIdExtSource = attrs.GetValues(i);
                continue;
            }
            break;
        case 1493:
            if (local == "cryptSpinCount") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FCryptSpinCount = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1785:
            if (local == "cryptAlgorithmSid") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FCryptAlgorithmSid = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1823:
            if (local == "cryptProviderType") {
                if (const auto v = StrToTST_CryptProv(attrs.GetValues(i)))
                    FCryptProviderType = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1915:
            if (local == "cryptAlgorithmType") {
                if (const auto v = StrToTST_AlgType(attrs.GetValues(i)))
                    FCryptAlgorithmType = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1999:
            if (local == "cryptAlgorithmClass") {
                if (const auto v = StrToTST_AlgClass(attrs.GetValues(i)))
                    FCryptAlgorithmClass = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 2128:
            if (local == "cryptProviderTypeExt") {
                FCryptProviderTypeExt = attrs.GetValues(i);
                continue;
            }
            break;
        case 2753:
            if (local == "cryptProviderTypeExtSource") {
                FCryptProviderTypeExtSource = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_DocProtect::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FEdit)
        writer.AddAttribute("w:edit", TST_DocProtectToStr(*FEdit));
    if (FFormatting)
        writer.AddAttribute("w:formatting", *FFormatting);
    if (FEnforcement)
        writer.AddAttribute("w:enforcement", *FEnforcement);
    if (FAlgorithmName)
        writer.AddAttribute("w:algorithmName", *FAlgorithmName);
    if (FHashValue)
        writer.AddAttribute("w:hashValue", *FHashValue);
    if (FSaltValue)
        writer.AddAttribute("w:saltValue", *FSaltValue);
    if (FSpinCount)
        writer.AddAttribute("w:spinCount", XmlIntToStr(*FSpinCount));
    if (FCryptProviderType)
        writer.AddAttribute("w:cryptProviderType", TST_CryptProvToStr(*FCryptProviderType));
    if (FCryptAlgorithmClass)
        writer.AddAttribute("w:cryptAlgorithmClass", TST_AlgClassToStr(*FCryptAlgorithmClass));
    if (FCryptAlgorithmType)
        writer.AddAttribute("w:cryptAlgorithmType", TST_AlgTypeToStr(*FCryptAlgorithmType));
    if (FCryptAlgorithmSid)
        writer.AddAttribute("w:cryptAlgorithmSid", XmlIntToStr(*FCryptAlgorithmSid));
    if (FCryptSpinCount)
        writer.AddAttribute("w:cryptSpinCount", XmlIntToStr(*FCryptSpinCount));
    if (FCryptProvider)
        writer.AddAttribute("w:cryptProvider", *FCryptProvider);
    if (FAlgIdExt)
        writer.AddAttribute("w:algIdExt", *FAlgIdExt);
    if (FAlgIdExtSource)
        writer.AddAttribute("w:algIdExtSource", *FAlgIdExtSource);
    if (FCryptProviderTypeExt)
        writer.AddAttribute("w:cryptProviderTypeExt", *FCryptProviderTypeExt);
    if (FCryptProviderTypeExtSource)
        writer.AddAttribute("w:cryptProviderTypeExtSource", *FCryptProviderTypeExtSource);
    if (FHash)
        writer.AddAttribute("w:hash", *FHash);
    if (FSalt)
        writer.AddAttribute("w:salt", *FSalt);
}

void TCT_DocProtect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_DocProtect::Clear()
{
    TNYQBase::Clear();
    FEdit = {};
    FFormatting = {};
    FEnforcement = {};
    FAlgorithmName = {};
    FHashValue = {};
    FSaltValue = {};
    FSpinCount = {};
    FCryptProviderType = {};
    FCryptAlgorithmClass = {};
    FCryptAlgorithmType = {};
    FCryptAlgorithmSid = {};
    FCryptSpinCount = {};
    FCryptProvider = {};
    FAlgIdExt = {};
    FAlgIdExtSource = {};
    FCryptProviderTypeExt = {};
    FCryptProviderTypeExtSource = {};
    FHash = {};
    FSalt = {};
    FAny.Clear();
}

void TCT_DocProtect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_DocProtect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FEdit = o->FEdit;
    FFormatting = o->FFormatting;
    FEnforcement = o->FEnforcement;
    FAlgorithmName = o->FAlgorithmName;
    FHashValue = o->FHashValue;
    FSaltValue = o->FSaltValue;
    FSpinCount = o->FSpinCount;
    FCryptProviderType = o->FCryptProviderType;
    FCryptAlgorithmClass = o->FCryptAlgorithmClass;
    FCryptAlgorithmType = o->FCryptAlgorithmType;
    FCryptAlgorithmSid = o->FCryptAlgorithmSid;
    FCryptSpinCount = o->FCryptSpinCount;
    FCryptProvider = o->FCryptProvider;
    FAlgIdExt = o->FAlgIdExt;
    FAlgIdExtSource = o->FAlgIdExtSource;
    FCryptProviderTypeExt = o->FCryptProviderTypeExt;
    FCryptProviderTypeExtSource = o->FCryptProviderTypeExtSource;
    FHash = o->FHash;
    FSalt = o->FSalt;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_DocProtect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TwipsMeasure

TCT_TwipsMeasure::TCT_TwipsMeasure() = default;
TCT_TwipsMeasure::~TCT_TwipsMeasure() = default;

TNYQBase* TCT_TwipsMeasure::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TwipsMeasure::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                FVal = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_TwipsMeasure::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", FVal);
}

void TCT_TwipsMeasure::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TwipsMeasure::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_TwipsMeasure::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TwipsMeasure*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TwipsMeasure::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_DecimalNumberOrPrecent

TCT_DecimalNumberOrPrecent::TCT_DecimalNumberOrPrecent() = default;
TCT_DecimalNumberOrPrecent::~TCT_DecimalNumberOrPrecent() = default;

TNYQBase* TCT_DecimalNumberOrPrecent::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_DecimalNumberOrPrecent::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                FVal = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_DecimalNumberOrPrecent::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", FVal);
}

void TCT_DecimalNumberOrPrecent::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_DecimalNumberOrPrecent::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_DecimalNumberOrPrecent::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_DecimalNumberOrPrecent*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_DecimalNumberOrPrecent::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_String

TCT_String::TCT_String() = default;
TCT_String::~TCT_String() = default;

TNYQBase* TCT_String::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_String::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                FVal = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_String::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", FVal);
}

void TCT_String::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_String::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_String::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_String*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_String::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_CharacterSpacing

TCT_CharacterSpacing::TCT_CharacterSpacing() = default;
TCT_CharacterSpacing::~TCT_CharacterSpacing() = default;

TNYQBase* TCT_CharacterSpacing::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_CharacterSpacing::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_CharacterSpacing(attrs.GetValues(i)))
                    FVal = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_CharacterSpacing::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_CharacterSpacingToStr(FVal));
}

void TCT_CharacterSpacing::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_CharacterSpacing::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_CharacterSpacing::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_CharacterSpacing*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_CharacterSpacing::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Kinsoku

TCT_Kinsoku::TCT_Kinsoku() = default;
TCT_Kinsoku::~TCT_Kinsoku() = default;

TNYQBase* TCT_Kinsoku::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Kinsoku::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                FVal = attrs.GetValues(i);
                continue;
            }
            break;
        case 418:
            if (local == "lang") {
                FLang = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_Kinsoku::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:lang", FLang);
    writer.AddAttribute("w:val", FVal);
}

void TCT_Kinsoku::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Kinsoku::Clear()
{
    TNYQBase::Clear();
    FLang = {};
    FVal = {};
    FAny.Clear();
}

void TCT_Kinsoku::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Kinsoku*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FLang = o->FLang;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Kinsoku::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SaveThroughXslt

TCT_SaveThroughXslt::TCT_SaveThroughXslt() = default;
TCT_SaveThroughXslt::~TCT_SaveThroughXslt() = default;

TNYQBase* TCT_SaveThroughXslt::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SaveThroughXslt::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 205:
            if (local == "id") {
                FId = attrs.GetValues(i);
                continue;
            }
            break;
        case 1034:
            if (local == "solutionID") {
                FSolutionID = attrs.GetValues(i);
                continue;
            }
            break;
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_SaveThroughXslt::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FId)
        writer.AddAttribute("r:id", *FId);
    if (FSolutionID)
        writer.AddAttribute("w:solutionID", *FSolutionID);
}

void TCT_SaveThroughXslt::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_SaveThroughXslt::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FSolutionID = {};
    FAny.Clear();
}

void TCT_SaveThroughXslt::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SaveThroughXslt*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FSolutionID = o->FSolutionID;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SaveThroughXslt::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ShapeDefaults

TCT_ShapeDefaults::TCT_ShapeDefaults() = default;
TCT_ShapeDefaults::~TCT_ShapeDefaults() = default;

TNYQBase* TCT_ShapeDefaults::HandleElement(TNYQReader& reader)
{
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_ShapeDefaults::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_ShapeDefaults::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_ShapeDefaults::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ShapeDefaults*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ShapeDefaults::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FtnDocProps

TCT_FtnDocProps::TCT_FtnDocProps() = default;
TCT_FtnDocProps::~TCT_FtnDocProps() = default;

TCT_FtnPos& TCT_FtnDocProps::Create_Pos()
{
    if (!FPos) {
        FPos = std::make_unique<TCT_FtnPos>();
        FPos->SetAssigned();
    }
    SetHasChildren();
    return *FPos;
}

TCT_NumFmt& TCT_FtnDocProps::Create_NumFmt()
{
    if (!FNumFmt) {
        FNumFmt = std::make_unique<TCT_NumFmt>();
        FNumFmt->SetAssigned();
    }
    SetHasChildren();
    return *FNumFmt;
}

TCT_DecimalNumber& TCT_FtnDocProps::Create_NumStart()
{
    if (!FNumStart) {
        FNumStart = std::make_unique<TCT_DecimalNumber>();
        FNumStart->SetAssigned();
    }
    SetHasChildren();
    return *FNumStart;
}

TCT_NumRestart& TCT_FtnDocProps::Create_NumRestart()
{
    if (!FNumRestart) {
        FNumRestart = std::make_unique<TCT_NumRestart>();
        FNumRestart->SetAssigned();
    }
    SetHasChildren();
    return *FNumRestart;
}

TNYQBase* TCT_FtnDocProps::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 338:
        if (local == "pos") {
            return &Create_Pos();
        }
        break;
    case 631:
        if (local == "numFmt") {
            return &Create_NumFmt();
        }
        break;
    case 862:
        if (local == "numStart") {
            return &Create_NumStart();
        }
        break;
    case 878:
        if (local == "footnote") {
            SetHasChildren();
            return &FFootnoteList.Add();
        }
        break;
    case 1077:
        if (local == "numRestart") {
            return &Create_NumRestart();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FtnDocProps::Write(TNyqWriteXML& writer) const
{
    if (FPos && FPos->Available())
        NyqWriteChild(writer, "w:pos", *FPos);
    if (FNumFmt && FNumFmt->Available())
        NyqWriteChild(writer, "w:numFmt", *FNumFmt);
    if (FNumStart && FNumStart->Available())
        NyqWriteChild(writer, "w:numStart", *FNumStart);
    if (FNumRestart && FNumRestart->Available())
        NyqWriteChild(writer, "w:numRestart", *FNumRestart);
    for (const auto& item : FFootnoteList.GetItems())
        NyqWriteChild(writer, "w:footnote", *item);
    FAny.Write(writer);
}

void TCT_FtnDocProps::Clear()
{
    TNYQBase::Clear();
    FPos.reset();
    FNumFmt.reset();
    FNumStart.reset();
    FNumRestart.reset();
    FFootnoteList.Clear();
    FAny.Clear();
}

void TCT_FtnDocProps::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FtnDocProps*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FPos)
        Create_Pos().Assign(*o->FPos);
    if (o->FNumFmt)
        Create_NumFmt().Assign(*o->FNumFmt);
    if (o->FNumStart)
        Create_NumStart().Assign(*o->FNumStart);
    if (o->FNumRestart)
        Create_NumRestart().Assign(*o->FNumRestart);
    for (const auto& item : o->FFootnoteList.GetItems())
        FFootnoteList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FtnDocProps::HasElements() const
{
    return FPos != nullptr || FNumFmt != nullptr || FNumStart != nullptr || FNumRestart != nullptr || FFootnoteList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_EdnDocProps

TCT_EdnDocProps::TCT_EdnDocProps() = default;
TCT_EdnDocProps::~TCT_EdnDocProps() = default;

TCT_EdnPos& TCT_EdnDocProps::Create_Pos()
{
    if (!FPos) {
        FPos = std::make_unique<TCT_EdnPos>();
        FPos->SetAssigned();
    }
    SetHasChildren();
    return *FPos;
}

TCT_NumFmt& TCT_EdnDocProps::Create_NumFmt()
{
    if (!FNumFmt) {
        FNumFmt = std::make_unique<TCT_NumFmt>();
        FNumFmt->SetAssigned();
    }
    SetHasChildren();
    return *FNumFmt;
}

TCT_DecimalNumber& TCT_EdnDocProps::Create_NumStart()
{
    if (!FNumStart) {
        FNumStart = std::make_unique<TCT_DecimalNumber>();
        FNumStart->SetAssigned();
    }
    SetHasChildren();
    return *FNumStart;
}

TCT_NumRestart& TCT_EdnDocProps::Create_NumRestart()
{
    if (!FNumRestart) {
        FNumRestart = std::make_unique<TCT_NumRestart>();
        FNumRestart->SetAssigned();
    }
    SetHasChildren();
    return *FNumRestart;
}

TNYQBase* TCT_EdnDocProps::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 338:
        if (local == "pos") {
            return &Create_Pos();
        }
        break;
    case 631:
        if (local == "numFmt") {
            return &Create_NumFmt();
        }
        break;
    case 749:
        if (local == "endnote") {
            SetHasChildren();
            return &FEndnoteList.Add();
        }
        break;
    case 862:
        if (local == "numStart") {
            return &Create_NumStart();
        }
        break;
    case 1077:
        if (local == "numRestart") {
            return &Create_NumRestart();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_EdnDocProps::Write(TNyqWriteXML& writer) const
{
    if (FPos && FPos->Available())
        NyqWriteChild(writer, "w:pos", *FPos);
    if (FNumFmt && FNumFmt->Available())
        NyqWriteChild(writer, "w:numFmt", *FNumFmt);
    if (FNumStart && FNumStart->Available())
        NyqWriteChild(writer, "w:numStart", *FNumStart);
    if (FNumRestart && FNumRestart->Available())
        NyqWriteChild(writer, "w:numRestart", *FNumRestart);
    for (const auto& item : FEndnoteList.GetItems())
        NyqWriteChild(writer, "w:endnote", *item);
    FAny.Write(writer);
}

void TCT_EdnDocProps::Clear()
{
    TNYQBase::Clear();
    FPos.reset();
    FNumFmt.reset();
    FNumStart.reset();
    FNumRestart.reset();
    FEndnoteList.Clear();
    FAny.Clear();
}

void TCT_EdnDocProps::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_EdnDocProps*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FPos)
        Create_Pos().Assign(*o->FPos);
    if (o->FNumFmt)
        Create_NumFmt().Assign(*o->FNumFmt);
    if (o->FNumStart)
        Create_NumStart().Assign(*o->FNumStart);
    if (o->FNumRestart)
        Create_NumRestart().Assign(*o->FNumRestart);
    for (const auto& item : o->FEndnoteList.GetItems())
        FEndnoteList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_EdnDocProps::HasElements() const
{
    return FPos != nullptr || FNumFmt != nullptr || FNumStart != nullptr || FNumRestart != nullptr || FEndnoteList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Compat

TCT_Compat::TCT_Compat() = default;
TCT_Compat::~TCT_Compat() = default;

TCT_OnOff& TCT_Compat::Create_UseSingleBorderforContiguousCells()
{
    if (!FUseSingleBorderforContiguousCells) {
        FUseSingleBorderforContiguousCells = std::make_unique<TCT_OnOff>();
        FUseSingleBorderforContiguousCells->SetAssigned();
    }
    SetHasChildren();
    return *FUseSingleBorderforContiguousCells;
}

TCT_OnOff& TCT_Compat::Create_WpJustification()
{
    if (!FWpJustification) {
        FWpJustification = std::make_unique<TCT_OnOff>();
        FWpJustification->SetAssigned();
    }
    SetHasChildren();
    return *FWpJustification;
}

TCT_OnOff& TCT_Compat::Create_NoTabHangInd()
{
    if (!FNoTabHangInd) {
        FNoTabHangInd = std::make_unique<TCT_OnOff>();
        FNoTabHangInd->SetAssigned();
    }
    SetHasChildren();
    return *FNoTabHangInd;
}

TCT_OnOff& TCT_Compat::Create_NoLeading()
{
    if (!FNoLeading) {
        FNoLeading = std::make_unique<TCT_OnOff>();
        FNoLeading->SetAssigned();
    }
    SetHasChildren();
    return *FNoLeading;
}

TCT_OnOff& TCT_Compat::Create_SpaceForUL()
{
    if (!FSpaceForUL) {
        FSpaceForUL = std::make_unique<TCT_OnOff>();
        FSpaceForUL->SetAssigned();
    }
    SetHasChildren();
    return *FSpaceForUL;
}

TCT_OnOff& TCT_Compat::Create_NoColumnBalance()
{
    if (!FNoColumnBalance) {
        FNoColumnBalance = std::make_unique<TCT_OnOff>();
        FNoColumnBalance->SetAssigned();
    }
    SetHasChildren();
    return *FNoColumnBalance;
}

TCT_OnOff& TCT_Compat::Create_BalanceSingleByteDoubleByteWidth()
{
    if (!FBalanceSingleByteDoubleByteWidth) {
        FBalanceSingleByteDoubleByteWidth = std::make_unique<TCT_OnOff>();
        FBalanceSingleByteDoubleByteWidth->SetAssigned();
    }
    SetHasChildren();
    return *FBalanceSingleByteDoubleByteWidth;
}

TCT_OnOff& TCT_Compat::Create_NoExtraLineSpacing()
{
    if (!FNoExtraLineSpacing) {
        FNoExtraLineSpacing = std::make_unique<TCT_OnOff>();
        FNoExtraLineSpacing->SetAssigned();
    }
    SetHasChildren();
    return *FNoExtraLineSpacing;
}

TCT_OnOff& TCT_Compat::Create_DoNotLeaveBackslashAlone()
{
    if (!FDoNotLeaveBackslashAlone) {
        FDoNotLeaveBackslashAlone = std::make_unique<TCT_OnOff>();
        FDoNotLeaveBackslashAlone->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotLeaveBackslashAlone;
}

TCT_OnOff& TCT_Compat::Create_UlTrailSpace()
{
    if (!FUlTrailSpace) {
        FUlTrailSpace = std::make_unique<TCT_OnOff>();
        FUlTrailSpace->SetAssigned();
    }
    SetHasChildren();
    return *FUlTrailSpace;
}

TCT_OnOff& TCT_Compat::Create_DoNotExpandShiftReturn()
{
    if (!FDoNotExpandShiftReturn) {
        FDoNotExpandShiftReturn = std::make_unique<TCT_OnOff>();
        FDoNotExpandShiftReturn->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotExpandShiftReturn;
}

TCT_OnOff& TCT_Compat::Create_SpacingInWholePoints()
{
    if (!FSpacingInWholePoints) {
        FSpacingInWholePoints = std::make_unique<TCT_OnOff>();
        FSpacingInWholePoints->SetAssigned();
    }
    SetHasChildren();
    return *FSpacingInWholePoints;
}

TCT_OnOff& TCT_Compat::Create_LineWrapLikeWord6()
{
    if (!FLineWrapLikeWord6) {
        FLineWrapLikeWord6 = std::make_unique<TCT_OnOff>();
        FLineWrapLikeWord6->SetAssigned();
    }
    SetHasChildren();
    return *FLineWrapLikeWord6;
}

TCT_OnOff& TCT_Compat::Create_PrintBodyTextBeforeHeader()
{
    if (!FPrintBodyTextBeforeHeader) {
        FPrintBodyTextBeforeHeader = std::make_unique<TCT_OnOff>();
        FPrintBodyTextBeforeHeader->SetAssigned();
    }
    SetHasChildren();
    return *FPrintBodyTextBeforeHeader;
}

TCT_OnOff& TCT_Compat::Create_PrintColBlack()
{
    if (!FPrintColBlack) {
        FPrintColBlack = std::make_unique<TCT_OnOff>();
        FPrintColBlack->SetAssigned();
    }
    SetHasChildren();
    return *FPrintColBlack;
}

TCT_OnOff& TCT_Compat::Create_WpSpaceWidth()
{
    if (!FWpSpaceWidth) {
        FWpSpaceWidth = std::make_unique<TCT_OnOff>();
        FWpSpaceWidth->SetAssigned();
    }
    SetHasChildren();
    return *FWpSpaceWidth;
}

TCT_OnOff& TCT_Compat::Create_ShowBreaksInFrames()
{
    if (!FShowBreaksInFrames) {
        FShowBreaksInFrames = std::make_unique<TCT_OnOff>();
        FShowBreaksInFrames->SetAssigned();
    }
    SetHasChildren();
    return *FShowBreaksInFrames;
}

TCT_OnOff& TCT_Compat::Create_SubFontBySize()
{
    if (!FSubFontBySize) {
        FSubFontBySize = std::make_unique<TCT_OnOff>();
        FSubFontBySize->SetAssigned();
    }
    SetHasChildren();
    return *FSubFontBySize;
}

TCT_OnOff& TCT_Compat::Create_SuppressBottomSpacing()
{
    if (!FSuppressBottomSpacing) {
        FSuppressBottomSpacing = std::make_unique<TCT_OnOff>();
        FSuppressBottomSpacing->SetAssigned();
    }
    SetHasChildren();
    return *FSuppressBottomSpacing;
}

TCT_OnOff& TCT_Compat::Create_SuppressTopSpacing()
{
    if (!FSuppressTopSpacing) {
        FSuppressTopSpacing = std::make_unique<TCT_OnOff>();
        FSuppressTopSpacing->SetAssigned();
    }
    SetHasChildren();
    return *FSuppressTopSpacing;
}

TCT_OnOff& TCT_Compat::Create_SuppressSpacingAtTopOfPage()
{
    if (!FSuppressSpacingAtTopOfPage) {
        FSuppressSpacingAtTopOfPage = std::make_unique<TCT_OnOff>();
        FSuppressSpacingAtTopOfPage->SetAssigned();
    }
    SetHasChildren();
    return *FSuppressSpacingAtTopOfPage;
}

TCT_OnOff& TCT_Compat::Create_SuppressTopSpacingWP()
{
    if (!FSuppressTopSpacingWP) {
        FSuppressTopSpacingWP = std::make_unique<TCT_OnOff>();
        FSuppressTopSpacingWP->SetAssigned();
    }
    SetHasChildren();
    return *FSuppressTopSpacingWP;
}

TCT_OnOff& TCT_Compat::Create_SuppressSpBfAfterPgBrk()
{
    if (!FSuppressSpBfAfterPgBrk) {
        FSuppressSpBfAfterPgBrk = std::make_unique<TCT_OnOff>();
        FSuppressSpBfAfterPgBrk->SetAssigned();
    }
    SetHasChildren();
    return *FSuppressSpBfAfterPgBrk;
}

TCT_OnOff& TCT_Compat::Create_SwapBordersFacingPages()
{
    if (!FSwapBordersFacingPages) {
        FSwapBordersFacingPages = std::make_unique<TCT_OnOff>();
        FSwapBordersFacingPages->SetAssigned();
    }
    SetHasChildren();
    return *FSwapBordersFacingPages;
}

TCT_OnOff& TCT_Compat::Create_ConvMailMergeEsc()
{
    if (!FConvMailMergeEsc) {
        FConvMailMergeEsc = std::make_unique<TCT_OnOff>();
        FConvMailMergeEsc->SetAssigned();
    }
    SetHasChildren();
    return *FConvMailMergeEsc;
}

TCT_OnOff& TCT_Compat::Create_TruncateFontHeightsLikeWP6()
{
    if (!FTruncateFontHeightsLikeWP6) {
        FTruncateFontHeightsLikeWP6 = std::make_unique<TCT_OnOff>();
        FTruncateFontHeightsLikeWP6->SetAssigned();
    }
    SetHasChildren();
    return *FTruncateFontHeightsLikeWP6;
}

TCT_OnOff& TCT_Compat::Create_MwSmallCaps()
{
    if (!FMwSmallCaps) {
        FMwSmallCaps = std::make_unique<TCT_OnOff>();
        FMwSmallCaps->SetAssigned();
    }
    SetHasChildren();
    return *FMwSmallCaps;
}

TCT_OnOff& TCT_Compat::Create_UsePrinterMetrics()
{
    if (!FUsePrinterMetrics) {
        FUsePrinterMetrics = std::make_unique<TCT_OnOff>();
        FUsePrinterMetrics->SetAssigned();
    }
    SetHasChildren();
    return *FUsePrinterMetrics;
}

TCT_OnOff& TCT_Compat::Create_DoNotSuppressParagraphBorders()
{
    if (!FDoNotSuppressParagraphBorders) {
        FDoNotSuppressParagraphBorders = std::make_unique<TCT_OnOff>();
        FDoNotSuppressParagraphBorders->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotSuppressParagraphBorders;
}

TCT_OnOff& TCT_Compat::Create_WrapTrailSpaces()
{
    if (!FWrapTrailSpaces) {
        FWrapTrailSpaces = std::make_unique<TCT_OnOff>();
        FWrapTrailSpaces->SetAssigned();
    }
    SetHasChildren();
    return *FWrapTrailSpaces;
}

TCT_OnOff& TCT_Compat::Create_FootnoteLayoutLikeWW8()
{
    if (!FFootnoteLayoutLikeWW8) {
        FFootnoteLayoutLikeWW8 = std::make_unique<TCT_OnOff>();
        FFootnoteLayoutLikeWW8->SetAssigned();
    }
    SetHasChildren();
    return *FFootnoteLayoutLikeWW8;
}

TCT_OnOff& TCT_Compat::Create_ShapeLayoutLikeWW8()
{
    if (!FShapeLayoutLikeWW8) {
        FShapeLayoutLikeWW8 = std::make_unique<TCT_OnOff>();
        FShapeLayoutLikeWW8->SetAssigned();
    }
    SetHasChildren();
    return *FShapeLayoutLikeWW8;
}

TCT_OnOff& TCT_Compat::Create_AlignTablesRowByRow()
{
    if (!FAlignTablesRowByRow) {
        FAlignTablesRowByRow = std::make_unique<TCT_OnOff>();
        FAlignTablesRowByRow->SetAssigned();
    }
    SetHasChildren();
    return *FAlignTablesRowByRow;
}

TCT_OnOff& TCT_Compat::Create_ForgetLastTabAlignment()
{
    if (!FForgetLastTabAlignment) {
        FForgetLastTabAlignment = std::make_unique<TCT_OnOff>();
        FForgetLastTabAlignment->SetAssigned();
    }
    SetHasChildren();
    return *FForgetLastTabAlignment;
}

TCT_OnOff& TCT_Compat::Create_AdjustLineHeightInTable()
{
    if (!FAdjustLineHeightInTable) {
        FAdjustLineHeightInTable = std::make_unique<TCT_OnOff>();
        FAdjustLineHeightInTable->SetAssigned();
    }
    SetHasChildren();
    return *FAdjustLineHeightInTable;
}

TCT_OnOff& TCT_Compat::Create_AutoSpaceLikeWord95()
{
    if (!FAutoSpaceLikeWord95) {
        FAutoSpaceLikeWord95 = std::make_unique<TCT_OnOff>();
        FAutoSpaceLikeWord95->SetAssigned();
    }
    SetHasChildren();
    return *FAutoSpaceLikeWord95;
}

TCT_OnOff& TCT_Compat::Create_NoSpaceRaiseLower()
{
    if (!FNoSpaceRaiseLower) {
        FNoSpaceRaiseLower = std::make_unique<TCT_OnOff>();
        FNoSpaceRaiseLower->SetAssigned();
    }
    SetHasChildren();
    return *FNoSpaceRaiseLower;
}

TCT_OnOff& TCT_Compat::Create_DoNotUseHTMLParagraphAutoSpacing()
{
    if (!FDoNotUseHTMLParagraphAutoSpacing) {
        FDoNotUseHTMLParagraphAutoSpacing = std::make_unique<TCT_OnOff>();
        FDoNotUseHTMLParagraphAutoSpacing->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotUseHTMLParagraphAutoSpacing;
}

TCT_OnOff& TCT_Compat::Create_LayoutRawTableWidth()
{
    if (!FLayoutRawTableWidth) {
        FLayoutRawTableWidth = std::make_unique<TCT_OnOff>();
        FLayoutRawTableWidth->SetAssigned();
    }
    SetHasChildren();
    return *FLayoutRawTableWidth;
}

TCT_OnOff& TCT_Compat::Create_LayoutTableRowsApart()
{
    if (!FLayoutTableRowsApart) {
        FLayoutTableRowsApart = std::make_unique<TCT_OnOff>();
        FLayoutTableRowsApart->SetAssigned();
    }
    SetHasChildren();
    return *FLayoutTableRowsApart;
}

TCT_OnOff& TCT_Compat::Create_UseWord97LineBreakRules()
{
    if (!FUseWord97LineBreakRules) {
        FUseWord97LineBreakRules = std::make_unique<TCT_OnOff>();
        FUseWord97LineBreakRules->SetAssigned();
    }
    SetHasChildren();
    return *FUseWord97LineBreakRules;
}

TCT_OnOff& TCT_Compat::Create_DoNotBreakWrappedTables()
{
    if (!FDoNotBreakWrappedTables) {
        FDoNotBreakWrappedTables = std::make_unique<TCT_OnOff>();
        FDoNotBreakWrappedTables->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotBreakWrappedTables;
}

TCT_OnOff& TCT_Compat::Create_DoNotSnapToGridInCell()
{
    if (!FDoNotSnapToGridInCell) {
        FDoNotSnapToGridInCell = std::make_unique<TCT_OnOff>();
        FDoNotSnapToGridInCell->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotSnapToGridInCell;
}

TCT_OnOff& TCT_Compat::Create_SelectFldWithFirstOrLastChar()
{
    if (!FSelectFldWithFirstOrLastChar) {
        FSelectFldWithFirstOrLastChar = std::make_unique<TCT_OnOff>();
        FSelectFldWithFirstOrLastChar->SetAssigned();
    }
    SetHasChildren();
    return *FSelectFldWithFirstOrLastChar;
}

TCT_OnOff& TCT_Compat::Create_ApplyBreakingRules()
{
    if (!FApplyBreakingRules) {
        FApplyBreakingRules = std::make_unique<TCT_OnOff>();
        FApplyBreakingRules->SetAssigned();
    }
    SetHasChildren();
    return *FApplyBreakingRules;
}

TCT_OnOff& TCT_Compat::Create_DoNotWrapTextWithPunct()
{
    if (!FDoNotWrapTextWithPunct) {
        FDoNotWrapTextWithPunct = std::make_unique<TCT_OnOff>();
        FDoNotWrapTextWithPunct->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotWrapTextWithPunct;
}

TCT_OnOff& TCT_Compat::Create_DoNotUseEastAsianBreakRules()
{
    if (!FDoNotUseEastAsianBreakRules) {
        FDoNotUseEastAsianBreakRules = std::make_unique<TCT_OnOff>();
        FDoNotUseEastAsianBreakRules->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotUseEastAsianBreakRules;
}

TCT_OnOff& TCT_Compat::Create_UseWord2002TableStyleRules()
{
    if (!FUseWord2002TableStyleRules) {
        FUseWord2002TableStyleRules = std::make_unique<TCT_OnOff>();
        FUseWord2002TableStyleRules->SetAssigned();
    }
    SetHasChildren();
    return *FUseWord2002TableStyleRules;
}

TCT_OnOff& TCT_Compat::Create_GrowAutofit()
{
    if (!FGrowAutofit) {
        FGrowAutofit = std::make_unique<TCT_OnOff>();
        FGrowAutofit->SetAssigned();
    }
    SetHasChildren();
    return *FGrowAutofit;
}

TCT_OnOff& TCT_Compat::Create_UseFELayout()
{
    if (!FUseFELayout) {
        FUseFELayout = std::make_unique<TCT_OnOff>();
        FUseFELayout->SetAssigned();
    }
    SetHasChildren();
    return *FUseFELayout;
}

TCT_OnOff& TCT_Compat::Create_UseNormalStyleForList()
{
    if (!FUseNormalStyleForList) {
        FUseNormalStyleForList = std::make_unique<TCT_OnOff>();
        FUseNormalStyleForList->SetAssigned();
    }
    SetHasChildren();
    return *FUseNormalStyleForList;
}

TCT_OnOff& TCT_Compat::Create_DoNotUseIndentAsNumberingTabStop()
{
    if (!FDoNotUseIndentAsNumberingTabStop) {
        FDoNotUseIndentAsNumberingTabStop = std::make_unique<TCT_OnOff>();
        FDoNotUseIndentAsNumberingTabStop->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotUseIndentAsNumberingTabStop;
}

TCT_OnOff& TCT_Compat::Create_UseAltKinsokuLineBreakRules()
{
    if (!FUseAltKinsokuLineBreakRules) {
        FUseAltKinsokuLineBreakRules = std::make_unique<TCT_OnOff>();
        FUseAltKinsokuLineBreakRules->SetAssigned();
    }
    SetHasChildren();
    return *FUseAltKinsokuLineBreakRules;
}

TCT_OnOff& TCT_Compat::Create_AllowSpaceOfSameStyleInTable()
{
    if (!FAllowSpaceOfSameStyleInTable) {
        FAllowSpaceOfSameStyleInTable = std::make_unique<TCT_OnOff>();
        FAllowSpaceOfSameStyleInTable->SetAssigned();
    }
    SetHasChildren();
    return *FAllowSpaceOfSameStyleInTable;
}

TCT_OnOff& TCT_Compat::Create_DoNotSuppressIndentation()
{
    if (!FDoNotSuppressIndentation) {
        FDoNotSuppressIndentation = std::make_unique<TCT_OnOff>();
        FDoNotSuppressIndentation->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotSuppressIndentation;
}

TCT_OnOff& TCT_Compat::Create_DoNotAutofitConstrainedTables()
{
    if (!FDoNotAutofitConstrainedTables) {
        FDoNotAutofitConstrainedTables = std::make_unique<TCT_OnOff>();
        FDoNotAutofitConstrainedTables->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotAutofitConstrainedTables;
}

TCT_OnOff& TCT_Compat::Create_AutofitToFirstFixedWidthCell()
{
    if (!FAutofitToFirstFixedWidthCell) {
        FAutofitToFirstFixedWidthCell = std::make_unique<TCT_OnOff>();
        FAutofitToFirstFixedWidthCell->SetAssigned();
    }
    SetHasChildren();
    return *FAutofitToFirstFixedWidthCell;
}

TCT_OnOff& TCT_Compat::Create_UnderlineTabInNumList()
{
    if (!FUnderlineTabInNumList) {
        FUnderlineTabInNumList = std::make_unique<TCT_OnOff>();
        FUnderlineTabInNumList->SetAssigned();
    }
    SetHasChildren();
    return *FUnderlineTabInNumList;
}

TCT_OnOff& TCT_Compat::Create_DisplayHangulFixedWidth()
{
    if (!FDisplayHangulFixedWidth) {
        FDisplayHangulFixedWidth = std::make_unique<TCT_OnOff>();
        FDisplayHangulFixedWidth->SetAssigned();
    }
    SetHasChildren();
    return *FDisplayHangulFixedWidth;
}

TCT_OnOff& TCT_Compat::Create_SplitPgBreakAndParaMark()
{
    if (!FSplitPgBreakAndParaMark) {
        FSplitPgBreakAndParaMark = std::make_unique<TCT_OnOff>();
        FSplitPgBreakAndParaMark->SetAssigned();
    }
    SetHasChildren();
    return *FSplitPgBreakAndParaMark;
}

TCT_OnOff& TCT_Compat::Create_DoNotVertAlignCellWithSp()
{
    if (!FDoNotVertAlignCellWithSp) {
        FDoNotVertAlignCellWithSp = std::make_unique<TCT_OnOff>();
        FDoNotVertAlignCellWithSp->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotVertAlignCellWithSp;
}

TCT_OnOff& TCT_Compat::Create_DoNotBreakConstrainedForcedTable()
{
    if (!FDoNotBreakConstrainedForcedTable) {
        FDoNotBreakConstrainedForcedTable = std::make_unique<TCT_OnOff>();
        FDoNotBreakConstrainedForcedTable->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotBreakConstrainedForcedTable;
}

TCT_OnOff& TCT_Compat::Create_DoNotVertAlignInTxbx()
{
    if (!FDoNotVertAlignInTxbx) {
        FDoNotVertAlignInTxbx = std::make_unique<TCT_OnOff>();
        FDoNotVertAlignInTxbx->SetAssigned();
    }
    SetHasChildren();
    return *FDoNotVertAlignInTxbx;
}

TCT_OnOff& TCT_Compat::Create_UseAnsiKerningPairs()
{
    if (!FUseAnsiKerningPairs) {
        FUseAnsiKerningPairs = std::make_unique<TCT_OnOff>();
        FUseAnsiKerningPairs->SetAssigned();
    }
    SetHasChildren();
    return *FUseAnsiKerningPairs;
}

TCT_OnOff& TCT_Compat::Create_CachedColBalance()
{
    if (!FCachedColBalance) {
        FCachedColBalance = std::make_unique<TCT_OnOff>();
        FCachedColBalance->SetAssigned();
    }
    SetHasChildren();
    return *FCachedColBalance;
}

TNYQBase* TCT_Compat::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 913:
        if (local == "noLeading") {
            return &Create_NoLeading();
        }
        break;
    case 980:
        if (local == "spaceForUL") {
            return &Create_SpaceForUL();
        }
        break;
    case 1110:
        if (local == "useFELayout") {
            return &Create_UseFELayout();
        }
        break;
    case 1124:
        if (local == "mwSmallCaps") {
            return &Create_MwSmallCaps();
        }
        break;
    case 1165:
        if (local == "noTabHangInd") {
            return &Create_NoTabHangInd();
        }
        break;
    case 1179:
        if (local == "growAutofit") {
            return &Create_GrowAutofit();
        }
        break;
    case 1225:
        if (local == "ulTrailSpace") {
            return &Create_UlTrailSpace();
        }
        break;
    case 1235:
        if (local == "wpSpaceWidth") {
            return &Create_WpSpaceWidth();
        }
        break;
    case 1320:
        if (local == "printColBlack") {
            return &Create_PrintColBlack();
        }
        break;
    case 1335:
        if (local == "subFontBySize") {
            return &Create_SubFontBySize();
        }
        break;
    case 1378:
        if (local == "compatSetting") {
            SetHasChildren();
            return &FCompatSettingList.Add();
        }
        break;
    case 1521:
        if (local == "noColumnBalance") {
            return &Create_NoColumnBalance();
        }
        break;
    case 1557:
        if (local == "wrapTrailSpaces") {
            return &Create_WrapTrailSpaces();
        }
        break;
    case 1564:
        if (local == "cachedColBalance") {
            return &Create_CachedColBalance();
        }
        break;
    case 1603:
        if (local == "wpJustification") {
            return &Create_WpJustification();
        }
        break;
    case 1604:
        if (local == "convMailMergeEsc") {
            return &Create_ConvMailMergeEsc();
        }
        break;
    case 1689:
        if (local == "lineWrapLikeWord6") {
            return &Create_LineWrapLikeWord6();
        }
        break;
    case 1734:
        if (local == "noSpaceRaiseLower") {
            return &Create_NoSpaceRaiseLower();
        }
        break;
    case 1786:
        if (local == "shapeLayoutLikeWW8") {
            return &Create_ShapeLayoutLikeWW8();
        }
        break;
    case 1800:
        if (local == "usePrinterMetrics") {
            return &Create_UsePrinterMetrics();
        }
        break;
    case 1838:
        if (local == "noExtraLineSpacing") {
            return &Create_NoExtraLineSpacing();
        }
        if (local == "showBreaksInFrames") {
            return &Create_ShowBreaksInFrames();
        }
        break;
    case 1844:
        if (local == "autoSpaceLikeWord95") {
            return &Create_AutoSpaceLikeWord95();
        }
        break;
    case 1876:
        if (local == "applyBreakingRules") {
            return &Create_ApplyBreakingRules();
        }
        break;
    case 1917:
        if (local == "suppressTopSpacing") {
            return &Create_SuppressTopSpacing();
        }
        break;
    case 1937:
        if (local == "alignTablesRowByRow") {
            return &Create_AlignTablesRowByRow();
        }
        break;
    case 1957:
        if (local == "useAnsiKerningPairs") {
            return &Create_UseAnsiKerningPairs();
        }
        break;
    case 1968:
        if (local == "layoutRawTableWidth") {
            return &Create_LayoutRawTableWidth();
        }
        break;
    case 2029:
        if (local == "doNotVertAlignInTxbx") {
            return &Create_DoNotVertAlignInTxbx();
        }
        break;
    case 2070:
        if (local == "doNotSnapToGridInCell") {
            return &Create_DoNotSnapToGridInCell();
        }
        break;
    case 2072:
        if (local == "spacingInWholePoints") {
            return &Create_SpacingInWholePoints();
        }
        break;
    case 2084:
        if (local == "suppressTopSpacingWP") {
            return &Create_SuppressTopSpacingWP();
        }
        break;
    case 2089:
        if (local == "layoutTableRowsApart") {
            return &Create_LayoutTableRowsApart();
        }
        break;
    case 2135:
        if (local == "footnoteLayoutLikeWW8") {
            return &Create_FootnoteLayoutLikeWW8();
        }
        break;
    case 2144:
        if (local == "underlineTabInNumList") {
            return &Create_UnderlineTabInNumList();
        }
        break;
    case 2186:
        if (local == "useNormalStyleForList") {
            return &Create_UseNormalStyleForList();
        }
        break;
    case 2232:
        if (local == "suppressSpBfAfterPgBrk") {
            return &Create_SuppressSpBfAfterPgBrk();
        }
        break;
    case 2239:
        if (local == "suppressBottomSpacing") {
            return &Create_SuppressBottomSpacing();
        }
        break;
    case 2244:
        if (local == "swapBordersFacingPages") {
            return &Create_SwapBordersFacingPages();
        }
        break;
    case 2257:
        if (local == "forgetLastTabAlignment") {
            return &Create_ForgetLastTabAlignment();
        }
        if (local == "useWord97LineBreakRules") {
            return &Create_UseWord97LineBreakRules();
        }
        break;
    case 2274:
        if (local == "doNotExpandShiftReturn") {
            return &Create_DoNotExpandShiftReturn();
        }
        break;
    case 2281:
        if (local == "doNotWrapTextWithPunct") {
            return &Create_DoNotWrapTextWithPunct();
        }
        break;
    case 2282:
        if (local == "splitPgBreakAndParaMark") {
            return &Create_SplitPgBreakAndParaMark();
        }
        break;
    case 2315:
        if (local == "adjustLineHeightInTable") {
            return &Create_AdjustLineHeightInTable();
        }
        break;
    case 2327:
        if (local == "doNotBreakWrappedTables") {
            return &Create_DoNotBreakWrappedTables();
        }
        break;
    case 2373:
        if (local == "displayHangulFixedWidth") {
            return &Create_DisplayHangulFixedWidth();
        }
        break;
    case 2412:
        if (local == "doNotLeaveBackslashAlone") {
            return &Create_DoNotLeaveBackslashAlone();
        }
        break;
    case 2415:
        if (local == "doNotVertAlignCellWithSp") {
            return &Create_DoNotVertAlignCellWithSp();
        }
        break;
    case 2481:
        if (local == "useWord2002TableStyleRules") {
            return &Create_UseWord2002TableStyleRules();
        }
        break;
    case 2534:
        if (local == "doNotSuppressIndentation") {
            return &Create_DoNotSuppressIndentation();
        }
        break;
    case 2556:
        if (local == "printBodyTextBeforeHeader") {
            return &Create_PrintBodyTextBeforeHeader();
        }
        break;
    case 2603:
        if (local == "truncateFontHeightsLikeWP6") {
            return &Create_TruncateFontHeightsLikeWP6();
        }
        break;
    case 2660:
        if (local == "suppressSpacingAtTopOfPage") {
            return &Create_SuppressSpacingAtTopOfPage();
        }
        break;
    case 2714:
        if (local == "doNotUseEastAsianBreakRules") {
            return &Create_DoNotUseEastAsianBreakRules();
        }
        break;
    case 2762:
        if (local == "useAltKinsokuLineBreakRules") {
            return &Create_UseAltKinsokuLineBreakRules();
        }
        break;
    case 2806:
        if (local == "allowSpaceOfSameStyleInTable") {
            return &Create_AllowSpaceOfSameStyleInTable();
        }
        break;
    case 2829:
        if (local == "selectFldWithFirstOrLastChar") {
            return &Create_SelectFldWithFirstOrLastChar();
        }
        break;
    case 2871:
        if (local == "autofitToFirstFixedWidthCell") {
            return &Create_AutofitToFirstFixedWidthCell();
        }
        break;
    case 2997:
        if (local == "doNotAutofitConstrainedTables") {
            return &Create_DoNotAutofitConstrainedTables();
        }
        break;
    case 3024:
        if (local == "doNotSuppressParagraphBorders") {
            return &Create_DoNotSuppressParagraphBorders();
        }
        break;
    case 3162:
        if (local == "doNotUseHTMLParagraphAutoSpacing") {
            return &Create_DoNotUseHTMLParagraphAutoSpacing();
        }
        break;
    case 3230:
        if (local == "doNotBreakConstrainedForcedTable") {
            return &Create_DoNotBreakConstrainedForcedTable();
        }
        break;
    case 3243:
        if (local == "balanceSingleByteDoubleByteWidth") {
            return &Create_BalanceSingleByteDoubleByteWidth();
        }
        if (local == "doNotUseIndentAsNumberingTabStop") {
            return &Create_DoNotUseIndentAsNumberingTabStop();
        }
        break;
    case 3447:
        if (local == "useSingleBorderforContiguousCells") {
            return &Create_UseSingleBorderforContiguousCells();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Compat::Write(TNyqWriteXML& writer) const
{
    if (FUseSingleBorderforContiguousCells && FUseSingleBorderforContiguousCells->Available())
        NyqWriteChild(writer, "w:useSingleBorderforContiguousCells", *FUseSingleBorderforContiguousCells);
    if (FWpJustification && FWpJustification->Available())
        NyqWriteChild(writer, "w:wpJustification", *FWpJustification);
    if (FNoTabHangInd && FNoTabHangInd->Available())
        NyqWriteChild(writer, "w:noTabHangInd", *FNoTabHangInd);
    if (FNoLeading && FNoLeading->Available())
        NyqWriteChild(writer, "w:noLeading", *FNoLeading);
    if (FSpaceForUL && FSpaceForUL->Available())
        NyqWriteChild(writer, "w:spaceForUL", *FSpaceForUL);
    if (FNoColumnBalance && FNoColumnBalance->Available())
        NyqWriteChild(writer, "w:noColumnBalance", *FNoColumnBalance);
    if (FBalanceSingleByteDoubleByteWidth && FBalanceSingleByteDoubleByteWidth->Available())
        NyqWriteChild(writer, "w:balanceSingleByteDoubleByteWidth", *FBalanceSingleByteDoubleByteWidth);
    if (FNoExtraLineSpacing && FNoExtraLineSpacing->Available())
        NyqWriteChild(writer, "w:noExtraLineSpacing", *FNoExtraLineSpacing);
    if (FDoNotLeaveBackslashAlone && FDoNotLeaveBackslashAlone->Available())
        NyqWriteChild(writer, "w:doNotLeaveBackslashAlone", *FDoNotLeaveBackslashAlone);
    if (FUlTrailSpace && FUlTrailSpace->Available())
        NyqWriteChild(writer, "w:ulTrailSpace", *FUlTrailSpace);
    if (FDoNotExpandShiftReturn && FDoNotExpandShiftReturn->Available())
        NyqWriteChild(writer, "w:doNotExpandShiftReturn", *FDoNotExpandShiftReturn);
    if (FSpacingInWholePoints && FSpacingInWholePoints->Available())
        NyqWriteChild(writer, "w:spacingInWholePoints", *FSpacingInWholePoints);
    if (FLineWrapLikeWord6 && FLineWrapLikeWord6->Available())
        NyqWriteChild(writer, "w:lineWrapLikeWord6", *FLineWrapLikeWord6);
    if (FPrintBodyTextBeforeHeader && FPrintBodyTextBeforeHeader->Available())
        NyqWriteChild(writer, "w:printBodyTextBeforeHeader", *FPrintBodyTextBeforeHeader);
    if (FPrintColBlack && FPrintColBlack->Available())
        NyqWriteChild(writer, "w:printColBlack", *FPrintColBlack);
    if (FWpSpaceWidth && FWpSpaceWidth->Available())
        NyqWriteChild(writer, "w:wpSpaceWidth", *FWpSpaceWidth);
    if (FShowBreaksInFrames && FShowBreaksInFrames->Available())
        NyqWriteChild(writer, "w:showBreaksInFrames", *FShowBreaksInFrames);
    if (FSubFontBySize && FSubFontBySize->Available())
        NyqWriteChild(writer, "w:subFontBySize", *FSubFontBySize);
    if (FSuppressBottomSpacing && FSuppressBottomSpacing->Available())
        NyqWriteChild(writer, "w:suppressBottomSpacing", *FSuppressBottomSpacing);
    if (FSuppressTopSpacing && FSuppressTopSpacing->Available())
        NyqWriteChild(writer, "w:suppressTopSpacing", *FSuppressTopSpacing);
    if (FSuppressSpacingAtTopOfPage && FSuppressSpacingAtTopOfPage->Available())
        NyqWriteChild(writer, "w:suppressSpacingAtTopOfPage", *FSuppressSpacingAtTopOfPage);
    if (FSuppressTopSpacingWP && FSuppressTopSpacingWP->Available())
        NyqWriteChild(writer, "w:suppressTopSpacingWP", *FSuppressTopSpacingWP);
    if (FSuppressSpBfAfterPgBrk && FSuppressSpBfAfterPgBrk->Available())
        NyqWriteChild(writer, "w:suppressSpBfAfterPgBrk", *FSuppressSpBfAfterPgBrk);
    if (FSwapBordersFacingPages && FSwapBordersFacingPages->Available())
        NyqWriteChild(writer, "w:swapBordersFacingPages", *FSwapBordersFacingPages);
    if (FConvMailMergeEsc && FConvMailMergeEsc->Available())
        NyqWriteChild(writer, "w:convMailMergeEsc", *FConvMailMergeEsc);
    if (FTruncateFontHeightsLikeWP6 && FTruncateFontHeightsLikeWP6->Available())
        NyqWriteChild(writer, "w:truncateFontHeightsLikeWP6", *FTruncateFontHeightsLikeWP6);
    if (FMwSmallCaps && FMwSmallCaps->Available())
        NyqWriteChild(writer, "w:mwSmallCaps", *FMwSmallCaps);
    if (FUsePrinterMetrics && FUsePrinterMetrics->Available())
        NyqWriteChild(writer, "w:usePrinterMetrics", *FUsePrinterMetrics);
    if (FDoNotSuppressParagraphBorders && FDoNotSuppressParagraphBorders->Available())
        NyqWriteChild(writer, "w:doNotSuppressParagraphBorders", *FDoNotSuppressParagraphBorders);
    if (FWrapTrailSpaces && FWrapTrailSpaces->Available())
        NyqWriteChild(writer, "w:wrapTrailSpaces", *FWrapTrailSpaces);
    if (FFootnoteLayoutLikeWW8 && FFootnoteLayoutLikeWW8->Available())
        NyqWriteChild(writer, "w:footnoteLayoutLikeWW8", *FFootnoteLayoutLikeWW8);
    if (FShapeLayoutLikeWW8 && FShapeLayoutLikeWW8->Available())
        NyqWriteChild(writer, "w:shapeLayoutLikeWW8", *FShapeLayoutLikeWW8);
    if (FAlignTablesRowByRow && FAlignTablesRowByRow->Available())
        NyqWriteChild(writer, "w:alignTablesRowByRow", *FAlignTablesRowByRow);
    if (FForgetLastTabAlignment && FForgetLastTabAlignment->Available())
        NyqWriteChild(writer, "w:forgetLastTabAlignment", *FForgetLastTabAlignment);
    if (FAdjustLineHeightInTable && FAdjustLineHeightInTable->Available())
        NyqWriteChild(writer, "w:adjustLineHeightInTable", *FAdjustLineHeightInTable);
    if (FAutoSpaceLikeWord95 && FAutoSpaceLikeWord95->Available())
        NyqWriteChild(writer, "w:autoSpaceLikeWord95", *FAutoSpaceLikeWord95);
    if (FNoSpaceRaiseLower && FNoSpaceRaiseLower->Available())
        NyqWriteChild(writer, "w:noSpaceRaiseLower", *FNoSpaceRaiseLower);
    if (FDoNotUseHTMLParagraphAutoSpacing && FDoNotUseHTMLParagraphAutoSpacing->Available())
        NyqWriteChild(writer, "w:doNotUseHTMLParagraphAutoSpacing", *FDoNotUseHTMLParagraphAutoSpacing);
    if (FLayoutRawTableWidth && FLayoutRawTableWidth->Available())
        NyqWriteChild(writer, "w:layoutRawTableWidth", *FLayoutRawTableWidth);
    if (FLayoutTableRowsApart && FLayoutTableRowsApart->Available())
        NyqWriteChild(writer, "w:layoutTableRowsApart", *FLayoutTableRowsApart);
    if (FUseWord97LineBreakRules && FUseWord97LineBreakRules->Available())
        NyqWriteChild(writer, "w:useWord97LineBreakRules", *FUseWord97LineBreakRules);
    if (FDoNotBreakWrappedTables && FDoNotBreakWrappedTables->Available())
        NyqWriteChild(writer, "w:doNotBreakWrappedTables", *FDoNotBreakWrappedTables);
    if (FDoNotSnapToGridInCell && FDoNotSnapToGridInCell->Available())
        NyqWriteChild(writer, "w:doNotSnapToGridInCell", *FDoNotSnapToGridInCell);
    if (FSelectFldWithFirstOrLastChar && FSelectFldWithFirstOrLastChar->Available())
        NyqWriteChild(writer, "w:selectFldWithFirstOrLastChar", *FSelectFldWithFirstOrLastChar);
    if (FApplyBreakingRules && FApplyBreakingRules->Available())
        NyqWriteChild(writer, "w:applyBreakingRules", *FApplyBreakingRules);
    if (FDoNotWrapTextWithPunct && FDoNotWrapTextWithPunct->Available())
        NyqWriteChild(writer, "w:doNotWrapTextWithPunct", *FDoNotWrapTextWithPunct);
    if (FDoNotUseEastAsianBreakRules && FDoNotUseEastAsianBreakRules->Available())
        NyqWriteChild(writer, "w:doNotUseEastAsianBreakRules", *FDoNotUseEastAsianBreakRules);
    if (FUseWord2002TableStyleRules && FUseWord2002TableStyleRules->Available())
        NyqWriteChild(writer, "w:useWord2002TableStyleRules", *FUseWord2002TableStyleRules);
    if (FGrowAutofit && FGrowAutofit->Available())
        NyqWriteChild(writer, "w:growAutofit", *FGrowAutofit);
    if (FUseFELayout && FUseFELayout->Available())
        NyqWriteChild(writer, "w:useFELayout", *FUseFELayout);
    if (FUseNormalStyleForList && FUseNormalStyleForList->Available())
        NyqWriteChild(writer, "w:useNormalStyleForList", *FUseNormalStyleForList);
    if (FDoNotUseIndentAsNumberingTabStop && FDoNotUseIndentAsNumberingTabStop->Available())
        NyqWriteChild(writer, "w:doNotUseIndentAsNumberingTabStop", *FDoNotUseIndentAsNumberingTabStop);
    if (FUseAltKinsokuLineBreakRules && FUseAltKinsokuLineBreakRules->Available())
        NyqWriteChild(writer, "w:useAltKinsokuLineBreakRules", *FUseAltKinsokuLineBreakRules);
    if (FAllowSpaceOfSameStyleInTable && FAllowSpaceOfSameStyleInTable->Available())
        NyqWriteChild(writer, "w:allowSpaceOfSameStyleInTable", *FAllowSpaceOfSameStyleInTable);
    if (FDoNotSuppressIndentation && FDoNotSuppressIndentation->Available())
        NyqWriteChild(writer, "w:doNotSuppressIndentation", *FDoNotSuppressIndentation);
    if (FDoNotAutofitConstrainedTables && FDoNotAutofitConstrainedTables->Available())
        NyqWriteChild(writer, "w:doNotAutofitConstrainedTables", *FDoNotAutofitConstrainedTables);
    if (FAutofitToFirstFixedWidthCell && FAutofitToFirstFixedWidthCell->Available())
        NyqWriteChild(writer, "w:autofitToFirstFixedWidthCell", *FAutofitToFirstFixedWidthCell);
    if (FUnderlineTabInNumList && FUnderlineTabInNumList->Available())
        NyqWriteChild(writer, "w:underlineTabInNumList", *FUnderlineTabInNumList);
    if (FDisplayHangulFixedWidth && FDisplayHangulFixedWidth->Available())
        NyqWriteChild(writer, "w:displayHangulFixedWidth", *FDisplayHangulFixedWidth);
    if (FSplitPgBreakAndParaMark && FSplitPgBreakAndParaMark->Available())
        NyqWriteChild(writer, "w:splitPgBreakAndParaMark", *FSplitPgBreakAndParaMark);
    if (FDoNotVertAlignCellWithSp && FDoNotVertAlignCellWithSp->Available())
        NyqWriteChild(writer, "w:doNotVertAlignCellWithSp", *FDoNotVertAlignCellWithSp);
    if (FDoNotBreakConstrainedForcedTable && FDoNotBreakConstrainedForcedTable->Available())
        NyqWriteChild(writer, "w:doNotBreakConstrainedForcedTable", *FDoNotBreakConstrainedForcedTable);
    if (FDoNotVertAlignInTxbx && FDoNotVertAlignInTxbx->Available())
        NyqWriteChild(writer, "w:doNotVertAlignInTxbx", *FDoNotVertAlignInTxbx);
    if (FUseAnsiKerningPairs && FUseAnsiKerningPairs->Available())
        NyqWriteChild(writer, "w:useAnsiKerningPairs", *FUseAnsiKerningPairs);
    if (FCachedColBalance && FCachedColBalance->Available())
        NyqWriteChild(writer, "w:cachedColBalance", *FCachedColBalance);
    for (const auto& item : FCompatSettingList.GetItems())
        NyqWriteChild(writer, "w:compatSetting", *item);
    FAny.Write(writer);
}

void TCT_Compat::Clear()
{
    TNYQBase::Clear();
    FUseSingleBorderforContiguousCells.reset();
    FWpJustification.reset();
    FNoTabHangInd.reset();
    FNoLeading.reset();
    FSpaceForUL.reset();
    FNoColumnBalance.reset();
    FBalanceSingleByteDoubleByteWidth.reset();
    FNoExtraLineSpacing.reset();
    FDoNotLeaveBackslashAlone.reset();
    FUlTrailSpace.reset();
    FDoNotExpandShiftReturn.reset();
    FSpacingInWholePoints.reset();
    FLineWrapLikeWord6.reset();
    FPrintBodyTextBeforeHeader.reset();
    FPrintColBlack.reset();
    FWpSpaceWidth.reset();
    FShowBreaksInFrames.reset();
    FSubFontBySize.reset();
    FSuppressBottomSpacing.reset();
    FSuppressTopSpacing.reset();
    FSuppressSpacingAtTopOfPage.reset();
    FSuppressTopSpacingWP.reset();
    FSuppressSpBfAfterPgBrk.reset();
    FSwapBordersFacingPages.reset();
    FConvMailMergeEsc.reset();
    FTruncateFontHeightsLikeWP6.reset();
    FMwSmallCaps.reset();
    FUsePrinterMetrics.reset();
    FDoNotSuppressParagraphBorders.reset();
    FWrapTrailSpaces.reset();
    FFootnoteLayoutLikeWW8.reset();
    FShapeLayoutLikeWW8.reset();
    FAlignTablesRowByRow.reset();
    FForgetLastTabAlignment.reset();
    FAdjustLineHeightInTable.reset();
    FAutoSpaceLikeWord95.reset();
    FNoSpaceRaiseLower.reset();
    FDoNotUseHTMLParagraphAutoSpacing.reset();
    FLayoutRawTableWidth.reset();
    FLayoutTableRowsApart.reset();
    FUseWord97LineBreakRules.reset();
    FDoNotBreakWrappedTables.reset();
    FDoNotSnapToGridInCell.reset();
    FSelectFldWithFirstOrLastChar.reset();
    FApplyBreakingRules.reset();
    FDoNotWrapTextWithPunct.reset();
    FDoNotUseEastAsianBreakRules.reset();
    FUseWord2002TableStyleRules.reset();
    FGrowAutofit.reset();
    FUseFELayout.reset();
    FUseNormalStyleForList.reset();
    FDoNotUseIndentAsNumberingTabStop.reset();
    FUseAltKinsokuLineBreakRules.reset();
    FAllowSpaceOfSameStyleInTable.reset();
    FDoNotSuppressIndentation.reset();
    FDoNotAutofitConstrainedTables.reset();
    FAutofitToFirstFixedWidthCell.reset();
    FUnderlineTabInNumList.reset();
    FDisplayHangulFixedWidth.reset();
    FSplitPgBreakAndParaMark.reset();
    FDoNotVertAlignCellWithSp.reset();
    FDoNotBreakConstrainedForcedTable.reset();
    FDoNotVertAlignInTxbx.reset();
    FUseAnsiKerningPairs.reset();
    FCachedColBalance.reset();
    FCompatSettingList.Clear();
    FAny.Clear();
}

void TCT_Compat::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Compat*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FUseSingleBorderforContiguousCells)
        Create_UseSingleBorderforContiguousCells().Assign(*o->FUseSingleBorderforContiguousCells);
    if (o->FWpJustification)
        Create_WpJustification().Assign(*o->FWpJustification);
    if (o->FNoTabHangInd)
        Create_NoTabHangInd().Assign(*o->FNoTabHangInd);
    if (o->FNoLeading)
        Create_NoLeading().Assign(*o->FNoLeading);
    if (o->FSpaceForUL)
        Create_SpaceForUL().Assign(*o->FSpaceForUL);
    if (o->FNoColumnBalance)
        Create_NoColumnBalance().Assign(*o->FNoColumnBalance);
    if (o->FBalanceSingleByteDoubleByteWidth)
        Create_BalanceSingleByteDoubleByteWidth().Assign(*o->FBalanceSingleByteDoubleByteWidth);
    if (o->FNoExtraLineSpacing)
        Create_NoExtraLineSpacing().Assign(*o->FNoExtraLineSpacing);
    if (o->FDoNotLeaveBackslashAlone)
        Create_DoNotLeaveBackslashAlone().Assign(*o->FDoNotLeaveBackslashAlone);
    if (o->FUlTrailSpace)
        Create_UlTrailSpace().Assign(*o->FUlTrailSpace);
    if (o->FDoNotExpandShiftReturn)
        Create_DoNotExpandShiftReturn().Assign(*o->FDoNotExpandShiftReturn);
    if (o->FSpacingInWholePoints)
        Create_SpacingInWholePoints().Assign(*o->FSpacingInWholePoints);
    if (o->FLineWrapLikeWord6)
        Create_LineWrapLikeWord6().Assign(*o->FLineWrapLikeWord6);
    if (o->FPrintBodyTextBeforeHeader)
        Create_PrintBodyTextBeforeHeader().Assign(*o->FPrintBodyTextBeforeHeader);
    if (o->FPrintColBlack)
        Create_PrintColBlack().Assign(*o->FPrintColBlack);
    if (o->FWpSpaceWidth)
        Create_WpSpaceWidth().Assign(*o->FWpSpaceWidth);
    if (o->FShowBreaksInFrames)
        Create_ShowBreaksInFrames().Assign(*o->FShowBreaksInFrames);
    if (o->FSubFontBySize)
        Create_SubFontBySize().Assign(*o->FSubFontBySize);
    if (o->FSuppressBottomSpacing)
        Create_SuppressBottomSpacing().Assign(*o->FSuppressBottomSpacing);
    if (o->FSuppressTopSpacing)
        Create_SuppressTopSpacing().Assign(*o->FSuppressTopSpacing);
    if (o->FSuppressSpacingAtTopOfPage)
        Create_SuppressSpacingAtTopOfPage().Assign(*o->FSuppressSpacingAtTopOfPage);
    if (o->FSuppressTopSpacingWP)
        Create_SuppressTopSpacingWP().Assign(*o->FSuppressTopSpacingWP);
    if (o->FSuppressSpBfAfterPgBrk)
        Create_SuppressSpBfAfterPgBrk().Assign(*o->FSuppressSpBfAfterPgBrk);
    if (o->FSwapBordersFacingPages)
        Create_SwapBordersFacingPages().Assign(*o->FSwapBordersFacingPages);
    if (o->FConvMailMergeEsc)
        Create_ConvMailMergeEsc().Assign(*o->FConvMailMergeEsc);
    if (o->FTruncateFontHeightsLikeWP6)
        Create_TruncateFontHeightsLikeWP6().Assign(*o->FTruncateFontHeightsLikeWP6);
    if (o->FMwSmallCaps)
        Create_MwSmallCaps().Assign(*o->FMwSmallCaps);
    if (o->FUsePrinterMetrics)
        Create_UsePrinterMetrics().Assign(*o->FUsePrinterMetrics);
    if (o->FDoNotSuppressParagraphBorders)
        Create_DoNotSuppressParagraphBorders().Assign(*o->FDoNotSuppressParagraphBorders);
    if (o->FWrapTrailSpaces)
        Create_WrapTrailSpaces().Assign(*o->FWrapTrailSpaces);
    if (o->FFootnoteLayoutLikeWW8)
        Create_FootnoteLayoutLikeWW8().Assign(*o->FFootnoteLayoutLikeWW8);
    if (o->FShapeLayoutLikeWW8)
        Create_ShapeLayoutLikeWW8().Assign(*o->FShapeLayoutLikeWW8);
    if (o->FAlignTablesRowByRow)
        Create_AlignTablesRowByRow().Assign(*o->FAlignTablesRowByRow);
    if (o->FForgetLastTabAlignment)
        Create_ForgetLastTabAlignment().Assign(*o->FForgetLastTabAlignment);
    if (o->FAdjustLineHeightInTable)
        Create_AdjustLineHeightInTable().Assign(*o->FAdjustLineHeightInTable);
    if (o->FAutoSpaceLikeWord95)
        Create_AutoSpaceLikeWord95().Assign(*o->FAutoSpaceLikeWord95);
    if (o->FNoSpaceRaiseLower)
        Create_NoSpaceRaiseLower().Assign(*o->FNoSpaceRaiseLower);
    if (o->FDoNotUseHTMLParagraphAutoSpacing)
        Create_DoNotUseHTMLParagraphAutoSpacing().Assign(*o->FDoNotUseHTMLParagraphAutoSpacing);
    if (o->FLayoutRawTableWidth)
        Create_LayoutRawTableWidth().Assign(*o->FLayoutRawTableWidth);
    if (o->FLayoutTableRowsApart)
        Create_LayoutTableRowsApart().Assign(*o->FLayoutTableRowsApart);
    if (o->FUseWord97LineBreakRules)
        Create_UseWord97LineBreakRules().Assign(*o->FUseWord97LineBreakRules);
    if (o->FDoNotBreakWrappedTables)
        Create_DoNotBreakWrappedTables().Assign(*o->FDoNotBreakWrappedTables);
    if (o->FDoNotSnapToGridInCell)
        Create_DoNotSnapToGridInCell().Assign(*o->FDoNotSnapToGridInCell);
    if (o->FSelectFldWithFirstOrLastChar)
        Create_SelectFldWithFirstOrLastChar().Assign(*o->FSelectFldWithFirstOrLastChar);
    if (o->FApplyBreakingRules)
        Create_ApplyBreakingRules().Assign(*o->FApplyBreakingRules);
    if (o->FDoNotWrapTextWithPunct)
        Create_DoNotWrapTextWithPunct().Assign(*o->FDoNotWrapTextWithPunct);
    if (o->FDoNotUseEastAsianBreakRules)
        Create_DoNotUseEastAsianBreakRules().Assign(*o->FDoNotUseEastAsianBreakRules);
    if (o->FUseWord2002TableStyleRules)
        Create_UseWord2002TableStyleRules().Assign(*o->FUseWord2002TableStyleRules);
    if (o->FGrowAutofit)
        Create_GrowAutofit().Assign(*o->FGrowAutofit);
    if (o->FUseFELayout)
        Create_UseFELayout().Assign(*o->FUseFELayout);
    if (o->FUseNormalStyleForList)
        Create_UseNormalStyleForList().Assign(*o->FUseNormalStyleForList);
    if (o->FDoNotUseIndentAsNumberingTabStop)
        Create_DoNotUseIndentAsNumberingTabStop().Assign(*o->FDoNotUseIndentAsNumberingTabStop);
    if (o->FUseAltKinsokuLineBreakRules)
        Create_UseAltKinsokuLineBreakRules().Assign(*o->FUseAltKinsokuLineBreakRules);
    if (o->FAllowSpaceOfSameStyleInTable)
        Create_AllowSpaceOfSameStyleInTable().Assign(*o->FAllowSpaceOfSameStyleInTable);
    if (o->FDoNotSuppressIndentation)
        Create_DoNotSuppressIndentation().Assign(*o->FDoNotSuppressIndentation);
    if (o->FDoNotAutofitConstrainedTables)
        Create_DoNotAutofitConstrainedTables().Assign(*o->FDoNotAutofitConstrainedTables);
    if (o->FAutofitToFirstFixedWidthCell)
        Create_AutofitToFirstFixedWidthCell().Assign(*o->FAutofitToFirstFixedWidthCell);
    if (o->FUnderlineTabInNumList)
        Create_UnderlineTabInNumList().Assign(*o->FUnderlineTabInNumList);
    if (o->FDisplayHangulFixedWidth)
        Create_DisplayHangulFixedWidth().Assign(*o->FDisplayHangulFixedWidth);
    if (o->FSplitPgBreakAndParaMark)
        Create_SplitPgBreakAndParaMark().Assign(*o->FSplitPgBreakAndParaMark);
    if (o->FDoNotVertAlignCellWithSp)
        Create_DoNotVertAlignCellWithSp().Assign(*o->FDoNotVertAlignCellWithSp);
    if (o->FDoNotBreakConstrainedForcedTable)
        Create_DoNotBreakConstrainedForcedTable().Assign(*o->FDoNotBreakConstrainedForcedTable);
    if (o->FDoNotVertAlignInTxbx)
        Create_DoNotVertAlignInTxbx().Assign(*o->FDoNotVertAlignInTxbx);
    if (o->FUseAnsiKerningPairs)
        Create_UseAnsiKerningPairs().Assign(*o->FUseAnsiKerningPairs);
    if (o->FCachedColBalance)
        Create_CachedColBalance().Assign(*o->FCachedColBalance);
    for (const auto& item : o->FCompatSettingList.GetItems())
        FCompatSettingList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Compat::HasElements() const
{
    return FUseSingleBorderforContiguousCells != nullptr || FWpJustification != nullptr || FNoTabHangInd != nullptr || FNoLeading != nullptr || FSpaceForUL != nullptr || FNoColumnBalance != nullptr || FBalanceSingleByteDoubleByteWidth != nullptr || FNoExtraLineSpacing != nullptr || FDoNotLeaveBackslashAlone != nullptr || FUlTrailSpace != nullptr || FDoNotExpandShiftReturn != nullptr || FSpacingInWholePoints != nullptr || FLineWrapLikeWord6 != nullptr || FPrintBodyTextBeforeHeader != nullptr || FPrintColBlack != nullptr || FWpSpaceWidth != nullptr || FShowBreaksInFrames != nullptr || FSubFontBySize != nullptr || FSuppressBottomSpacing != nullptr || FSuppressTopSpacing != nullptr || FSuppressSpacingAtTopOfPage != nullptr || FSuppressTopSpacingWP != nullptr || FSuppressSpBfAfterPgBrk != nullptr || FSwapBordersFacingPages != nullptr || FConvMailMergeEsc != nullptr || FTruncateFontHeightsLikeWP6 != nullptr || FMwSmallCaps != nullptr || FUsePrinterMetrics != nullptr || FDoNotSuppressParagraphBorders != nullptr || FWrapTrailSpaces != nullptr || FFootnoteLayoutLikeWW8 != nullptr || FShapeLayoutLikeWW8 != nullptr || FAlignTablesRowByRow != nullptr || FForgetLastTabAlignment != nullptr || FAdjustLineHeightInTable != nullptr || FAutoSpaceLikeWord95 != nullptr || FNoSpaceRaiseLower != nullptr || FDoNotUseHTMLParagraphAutoSpacing != nullptr || FLayoutRawTableWidth != nullptr || FLayoutTableRowsApart != nullptr || FUseWord97LineBreakRules != nullptr || FDoNotBreakWrappedTables != nullptr || FDoNotSnapToGridInCell != nullptr || FSelectFldWithFirstOrLastChar != nullptr || FApplyBreakingRules != nullptr || FDoNotWrapTextWithPunct != nullptr || FDoNotUseEastAsianBreakRules != nullptr || FUseWord2002TableStyleRules != nullptr || FGrowAutofit != nullptr || FUseFELayout != nullptr || FUseNormalStyleForList != nullptr || FDoNotUseIndentAsNumberingTabStop != nullptr || FUseAltKinsokuLineBreakRules != nullptr || FAllowSpaceOfSameStyleInTable != nullptr || FDoNotSuppressIndentation != nullptr || FDoNotAutofitConstrainedTables != nullptr || FAutofitToFirstFixedWidthCell != nullptr || FUnderlineTabInNumList != nullptr || FDisplayHangulFixedWidth != nullptr || FSplitPgBreakAndParaMark != nullptr || FDoNotVertAlignCellWithSp != nullptr || FDoNotBreakConstrainedForcedTable != nullptr || FDoNotVertAlignInTxbx != nullptr || FUseAnsiKerningPairs != nullptr || FCachedColBalance != nullptr || FCompatSettingList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_DocVars

TCT_DocVars::TCT_DocVars() = default;
TCT_DocVars::~TCT_DocVars() = default;

TNYQBase* TCT_DocVars::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 607:
        if (local == "docVar") {
            SetHasChildren();
            return &FDocVarList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_DocVars::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FDocVarList.GetItems())
        NyqWriteChild(writer, "w:docVar", *item);
    FAny.Write(writer);
}

void TCT_DocVars::Clear()
{
    TNYQBase::Clear();
    FDocVarList.Clear();
    FAny.Clear();
}

void TCT_DocVars::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_DocVars*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FDocVarList.GetItems())
        FDocVarList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_DocVars::HasElements() const
{
    return FDocVarList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_DocRsids

TCT_DocRsids::TCT_DocRsids() = default;
TCT_DocRsids::~TCT_DocRsids() = default;

TCT_LongHexNumber& TCT_DocRsids::Create_RsidRoot()
{
    if (!FRsidRoot) {
        FRsidRoot = std::make_unique<TCT_LongHexNumber>();
        FRsidRoot->SetAssigned();
    }
    SetHasChildren();
    return *FRsidRoot;
}

TNYQBase* TCT_DocRsids::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 434:
        if (local == "rsid") {
            SetHasChildren();
            return &FRsidList.Add();
        }
        break;
    case 854:
        if (local == "rsidRoot") {
            return &Create_RsidRoot();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_DocRsids::Write(TNyqWriteXML& writer) const
{
    if (FRsidRoot && FRsidRoot->Available())
        NyqWriteChild(writer, "w:rsidRoot", *FRsidRoot);
    for (const auto& item : FRsidList.GetItems())
        NyqWriteChild(writer, "w:rsid", *item);
    FAny.Write(writer);
}

void TCT_DocRsids::Clear()
{
    TNYQBase::Clear();
    FRsidRoot.reset();
    FRsidList.Clear();
    FAny.Clear();
}

void TCT_DocRsids::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_DocRsids*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FRsidRoot)
        Create_RsidRoot().Assign(*o->FRsidRoot);
    for (const auto& item : o->FRsidList.GetItems())
        FRsidList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_DocRsids::HasElements() const
{
    return FRsidRoot != nullptr || FRsidList.Count() > 0 || FAny.Count() > 0;
}

