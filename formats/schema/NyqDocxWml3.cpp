// NyqDocxWml3.cpp: schema classes generated from wml.xsd, shared-commonSimpleTypes.xsd, shared-relationshipReference.xsd, dml-main.xsd, dml-picture.xsd, dml-wordprocessingDrawing.xsd, vml-main.xsd, vml-officeDrawing.xsd, vml-wordprocessingDrawing.xsd by tools/nyq_xsdgen.py; do not edit.
#include "formats/schema/NyqDocxWml.h"

// ---------------------------------------------------------------------------
// TCT_FtnPos

TCT_FtnPos::TCT_FtnPos() = default;
TCT_FtnPos::~TCT_FtnPos() = default;

TNYQBase* TCT_FtnPos::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FtnPos::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_FtnPos(attrs.GetValues(i)))
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

void TCT_FtnPos::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_FtnPosToStr(FVal));
}

void TCT_FtnPos::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_FtnPos::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_FtnPos::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FtnPos*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FtnPos::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_NumFmt

TCT_NumFmt::TCT_NumFmt() = default;
TCT_NumFmt::~TCT_NumFmt() = default;

TNYQBase* TCT_NumFmt::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_NumFmt::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_NumberFormat(attrs.GetValues(i)))
                    FVal = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 649:
            if (local == "format") {
                FFormat = attrs.GetValues(i);
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

void TCT_NumFmt::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_NumberFormatToStr(FVal));
    if (FFormat)
        writer.AddAttribute("w:format", *FFormat);
}

void TCT_NumFmt::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_NumFmt::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FFormat = {};
    FAny.Clear();
}

void TCT_NumFmt::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_NumFmt*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FFormat = o->FFormat;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_NumFmt::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_NumRestart

TCT_NumRestart::TCT_NumRestart() = default;
TCT_NumRestart::~TCT_NumRestart() = default;

TNYQBase* TCT_NumRestart::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_NumRestart::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_RestartNumber(attrs.GetValues(i)))
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

void TCT_NumRestart::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_RestartNumberToStr(FVal));
}

void TCT_NumRestart::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_NumRestart::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_NumRestart::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_NumRestart*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_NumRestart::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FtnEdnSepRef

TCT_FtnEdnSepRef::TCT_FtnEdnSepRef() = default;
TCT_FtnEdnSepRef::~TCT_FtnEdnSepRef() = default;

TNYQBase* TCT_FtnEdnSepRef::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FtnEdnSepRef::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 205:
            if (local == "id") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FId = *v;
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

void TCT_FtnEdnSepRef::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
}

void TCT_FtnEdnSepRef::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_FtnEdnSepRef::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FAny.Clear();
}

void TCT_FtnEdnSepRef::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FtnEdnSepRef*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FtnEdnSepRef::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_EdnPos

TCT_EdnPos::TCT_EdnPos() = default;
TCT_EdnPos::~TCT_EdnPos() = default;

TNYQBase* TCT_EdnPos::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_EdnPos::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_EdnPos(attrs.GetValues(i)))
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

void TCT_EdnPos::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_EdnPosToStr(FVal));
}

void TCT_EdnPos::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_EdnPos::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_EdnPos::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_EdnPos*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_EdnPos::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_CompatSetting

TCT_CompatSetting::TCT_CompatSetting() = default;
TCT_CompatSetting::~TCT_CompatSetting() = default;

TNYQBase* TCT_CompatSetting::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_CompatSetting::AssignAttributes(TNYQReader& reader)
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
        case 336:
            if (local == "uri") {
                FUri = attrs.GetValues(i);
                continue;
            }
            break;
        case 417:
            if (local == "name") {
                FName = attrs.GetValues(i);
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

void TCT_CompatSetting::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FName)
        writer.AddAttribute("w:name", *FName);
    if (FUri)
        writer.AddAttribute("w:uri", *FUri);
    if (FVal)
        writer.AddAttribute("w:val", *FVal);
}

void TCT_CompatSetting::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_CompatSetting::Clear()
{
    TNYQBase::Clear();
    FName = {};
    FUri = {};
    FVal = {};
    FAny.Clear();
}

void TCT_CompatSetting::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_CompatSetting*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FName = o->FName;
    FUri = o->FUri;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_CompatSetting::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_DocVar

TCT_DocVar::TCT_DocVar() = default;
TCT_DocVar::~TCT_DocVar() = default;

TNYQBase* TCT_DocVar::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_DocVar::AssignAttributes(TNYQReader& reader)
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
        case 417:
            if (local == "name") {
                FName = attrs.GetValues(i);
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

void TCT_DocVar::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:name", FName);
    writer.AddAttribute("w:val", FVal);
}

void TCT_DocVar::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_DocVar::Clear()
{
    TNYQBase::Clear();
    FName = {};
    FVal = {};
    FAny.Clear();
}

void TCT_DocVar::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_DocVar*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FName = o->FName;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_DocVar::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Caption

TCT_Caption::TCT_Caption() = default;
TCT_Caption::~TCT_Caption() = default;

TNYQBase* TCT_Caption::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Caption::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 328:
            if (local == "sep") {
                if (const auto v = StrToTST_ChapterSep(attrs.GetValues(i)))
                    FSep = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 338:
            if (local == "pos") {
                if (const auto v = StrToTST_CaptionPos(attrs.GetValues(i)))
                    FPos = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 417:
            if (local == "name") {
                FName = attrs.GetValues(i);
                continue;
            }
            break;
        case 631:
            if (local == "numFmt") {
                if (const auto v = StrToTST_NumberFormat(attrs.GetValues(i)))
                    FNumFmt = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 701:
            if (local == "noLabel") {
                FNoLabel = attrs.GetValues(i);
                continue;
            }
            break;
        case 716:
            if (local == "chapNum") {
                FChapNum = attrs.GetValues(i);
                continue;
            }
            break;
        case 720:
            if (local == "heading") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FHeading = *v;
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

void TCT_Caption::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:name", FName);
    if (FPos)
        writer.AddAttribute("w:pos", TST_CaptionPosToStr(*FPos));
    if (FChapNum)
        writer.AddAttribute("w:chapNum", *FChapNum);
    if (FHeading)
        writer.AddAttribute("w:heading", XmlIntToStr(*FHeading));
    if (FNoLabel)
        writer.AddAttribute("w:noLabel", *FNoLabel);
    if (FNumFmt)
        writer.AddAttribute("w:numFmt", TST_NumberFormatToStr(*FNumFmt));
    if (FSep)
        writer.AddAttribute("w:sep", TST_ChapterSepToStr(*FSep));
}

void TCT_Caption::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Caption::Clear()
{
    TNYQBase::Clear();
    FName = {};
    FPos = {};
    FChapNum = {};
    FHeading = {};
    FNoLabel = {};
    FNumFmt = {};
    FSep = {};
    FAny.Clear();
}

void TCT_Caption::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Caption*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FName = o->FName;
    FPos = o->FPos;
    FChapNum = o->FChapNum;
    FHeading = o->FHeading;
    FNoLabel = o->FNoLabel;
    FNumFmt = o->FNumFmt;
    FSep = o->FSep;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Caption::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_AutoCaptions

TCT_AutoCaptions::TCT_AutoCaptions() = default;
TCT_AutoCaptions::~TCT_AutoCaptions() = default;

TNYQBase* TCT_AutoCaptions::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 1159:
        if (local == "autoCaption") {
            SetHasChildren();
            return &FAutoCaptionList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_AutoCaptions::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FAutoCaptionList.GetItems())
        NyqWriteChild(writer, "w:autoCaption", *item);
    FAny.Write(writer);
}

void TCT_AutoCaptions::Clear()
{
    TNYQBase::Clear();
    FAutoCaptionList.Clear();
    FAny.Clear();
}

void TCT_AutoCaptions::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_AutoCaptions*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FAutoCaptionList.GetItems())
        FAutoCaptionList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_AutoCaptions::HasElements() const
{
    return FAutoCaptionList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FramesetSplitbar

TCT_FramesetSplitbar::TCT_FramesetSplitbar() = default;
TCT_FramesetSplitbar::~TCT_FramesetSplitbar() = default;

TCT_TwipsMeasure& TCT_FramesetSplitbar::Create_W()
{
    if (!FW) {
        FW = std::make_unique<TCT_TwipsMeasure>();
        FW->SetAssigned();
    }
    SetHasChildren();
    return *FW;
}

TCT_Color& TCT_FramesetSplitbar::Create_Color()
{
    if (!FColor) {
        FColor = std::make_unique<TCT_Color>();
        FColor->SetAssigned();
    }
    SetHasChildren();
    return *FColor;
}

TCT_OnOff& TCT_FramesetSplitbar::Create_NoBorder()
{
    if (!FNoBorder) {
        FNoBorder = std::make_unique<TCT_OnOff>();
        FNoBorder->SetAssigned();
    }
    SetHasChildren();
    return *FNoBorder;
}

TCT_OnOff& TCT_FramesetSplitbar::Create_FlatBorders()
{
    if (!FFlatBorders) {
        FFlatBorders = std::make_unique<TCT_OnOff>();
        FFlatBorders->SetAssigned();
    }
    SetHasChildren();
    return *FFlatBorders;
}

TNYQBase* TCT_FramesetSplitbar::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 119:
        if (local == "w") {
            return &Create_W();
        }
        break;
    case 543:
        if (local == "color") {
            return &Create_Color();
        }
        break;
    case 827:
        if (local == "noBorder") {
            return &Create_NoBorder();
        }
        break;
    case 1144:
        if (local == "flatBorders") {
            return &Create_FlatBorders();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FramesetSplitbar::Write(TNyqWriteXML& writer) const
{
    if (FW && FW->Available())
        NyqWriteChild(writer, "w:w", *FW);
    if (FColor && FColor->Available())
        NyqWriteChild(writer, "w:color", *FColor);
    if (FNoBorder && FNoBorder->Available())
        NyqWriteChild(writer, "w:noBorder", *FNoBorder);
    if (FFlatBorders && FFlatBorders->Available())
        NyqWriteChild(writer, "w:flatBorders", *FFlatBorders);
    FAny.Write(writer);
}

void TCT_FramesetSplitbar::Clear()
{
    TNYQBase::Clear();
    FW.reset();
    FColor.reset();
    FNoBorder.reset();
    FFlatBorders.reset();
    FAny.Clear();
}

void TCT_FramesetSplitbar::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FramesetSplitbar*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FW)
        Create_W().Assign(*o->FW);
    if (o->FColor)
        Create_Color().Assign(*o->FColor);
    if (o->FNoBorder)
        Create_NoBorder().Assign(*o->FNoBorder);
    if (o->FFlatBorders)
        Create_FlatBorders().Assign(*o->FFlatBorders);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FramesetSplitbar::HasElements() const
{
    return FW != nullptr || FColor != nullptr || FNoBorder != nullptr || FFlatBorders != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FrameLayout

TCT_FrameLayout::TCT_FrameLayout() = default;
TCT_FrameLayout::~TCT_FrameLayout() = default;

TNYQBase* TCT_FrameLayout::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FrameLayout::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_FrameLayout(attrs.GetValues(i)))
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

void TCT_FrameLayout::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_FrameLayoutToStr(FVal));
}

void TCT_FrameLayout::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_FrameLayout::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_FrameLayout::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FrameLayout*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FrameLayout::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Frame

TCT_Frame::TCT_Frame() = default;
TCT_Frame::~TCT_Frame() = default;

TCT_String& TCT_Frame::Create_Sz()
{
    if (!FSz) {
        FSz = std::make_unique<TCT_String>();
        FSz->SetAssigned();
    }
    SetHasChildren();
    return *FSz;
}

TCT_String& TCT_Frame::Create_Name()
{
    if (!FName) {
        FName = std::make_unique<TCT_String>();
        FName->SetAssigned();
    }
    SetHasChildren();
    return *FName;
}

TCT_String& TCT_Frame::Create_Title()
{
    if (!FTitle) {
        FTitle = std::make_unique<TCT_String>();
        FTitle->SetAssigned();
    }
    SetHasChildren();
    return *FTitle;
}

TCT_Rel& TCT_Frame::Create_LongDesc()
{
    if (!FLongDesc) {
        FLongDesc = std::make_unique<TCT_Rel>();
        FLongDesc->SetAssigned();
    }
    SetHasChildren();
    return *FLongDesc;
}

TCT_Rel& TCT_Frame::Create_SourceFileName()
{
    if (!FSourceFileName) {
        FSourceFileName = std::make_unique<TCT_Rel>();
        FSourceFileName->SetAssigned();
    }
    SetHasChildren();
    return *FSourceFileName;
}

TCT_PixelsMeasure& TCT_Frame::Create_MarW()
{
    if (!FMarW) {
        FMarW = std::make_unique<TCT_PixelsMeasure>();
        FMarW->SetAssigned();
    }
    SetHasChildren();
    return *FMarW;
}

TCT_PixelsMeasure& TCT_Frame::Create_MarH()
{
    if (!FMarH) {
        FMarH = std::make_unique<TCT_PixelsMeasure>();
        FMarH->SetAssigned();
    }
    SetHasChildren();
    return *FMarH;
}

TCT_FrameScrollbar& TCT_Frame::Create_Scrollbar()
{
    if (!FScrollbar) {
        FScrollbar = std::make_unique<TCT_FrameScrollbar>();
        FScrollbar->SetAssigned();
    }
    SetHasChildren();
    return *FScrollbar;
}

TCT_OnOff& TCT_Frame::Create_NoResizeAllowed()
{
    if (!FNoResizeAllowed) {
        FNoResizeAllowed = std::make_unique<TCT_OnOff>();
        FNoResizeAllowed->SetAssigned();
    }
    SetHasChildren();
    return *FNoResizeAllowed;
}

TCT_OnOff& TCT_Frame::Create_LinkedToFile()
{
    if (!FLinkedToFile) {
        FLinkedToFile = std::make_unique<TCT_OnOff>();
        FLinkedToFile->SetAssigned();
    }
    SetHasChildren();
    return *FLinkedToFile;
}

TNYQBase* TCT_Frame::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 237:
        if (local == "sz") {
            return &Create_Sz();
        }
        break;
    case 392:
        if (local == "marH") {
            return &Create_MarH();
        }
        break;
    case 407:
        if (local == "marW") {
            return &Create_MarW();
        }
        break;
    case 417:
        if (local == "name") {
            return &Create_Name();
        }
        break;
    case 546:
        if (local == "title") {
            return &Create_Title();
        }
        break;
    case 815:
        if (local == "longDesc") {
            return &Create_LongDesc();
        }
        break;
    case 964:
        if (local == "scrollbar") {
            return &Create_Scrollbar();
        }
        break;
    case 1210:
        if (local == "linkedToFile") {
            return &Create_LinkedToFile();
        }
        break;
    case 1426:
        if (local == "sourceFileName") {
            return &Create_SourceFileName();
        }
        break;
    case 1559:
        if (local == "noResizeAllowed") {
            return &Create_NoResizeAllowed();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Frame::Write(TNyqWriteXML& writer) const
{
    if (FSz && FSz->Available())
        NyqWriteChild(writer, "w:sz", *FSz);
    if (FName && FName->Available())
        NyqWriteChild(writer, "w:name", *FName);
    if (FTitle && FTitle->Available())
        NyqWriteChild(writer, "w:title", *FTitle);
    if (FLongDesc && FLongDesc->Available())
        NyqWriteChild(writer, "w:longDesc", *FLongDesc);
    if (FSourceFileName && FSourceFileName->Available())
        NyqWriteChild(writer, "w:sourceFileName", *FSourceFileName);
    if (FMarW && FMarW->Available())
        NyqWriteChild(writer, "w:marW", *FMarW);
    if (FMarH && FMarH->Available())
        NyqWriteChild(writer, "w:marH", *FMarH);
    if (FScrollbar && FScrollbar->Available())
        NyqWriteChild(writer, "w:scrollbar", *FScrollbar);
    if (FNoResizeAllowed && FNoResizeAllowed->Available())
        NyqWriteChild(writer, "w:noResizeAllowed", *FNoResizeAllowed);
    if (FLinkedToFile && FLinkedToFile->Available())
        NyqWriteChild(writer, "w:linkedToFile", *FLinkedToFile);
    FAny.Write(writer);
}

void TCT_Frame::Clear()
{
    TNYQBase::Clear();
    FSz.reset();
    FName.reset();
    FTitle.reset();
    FLongDesc.reset();
    FSourceFileName.reset();
    FMarW.reset();
    FMarH.reset();
    FScrollbar.reset();
    FNoResizeAllowed.reset();
    FLinkedToFile.reset();
    FAny.Clear();
}

void TCT_Frame::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Frame*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FSz)
        Create_Sz().Assign(*o->FSz);
    if (o->FName)
        Create_Name().Assign(*o->FName);
    if (o->FTitle)
        Create_Title().Assign(*o->FTitle);
    if (o->FLongDesc)
        Create_LongDesc().Assign(*o->FLongDesc);
    if (o->FSourceFileName)
        Create_SourceFileName().Assign(*o->FSourceFileName);
    if (o->FMarW)
        Create_MarW().Assign(*o->FMarW);
    if (o->FMarH)
        Create_MarH().Assign(*o->FMarH);
    if (o->FScrollbar)
        Create_Scrollbar().Assign(*o->FScrollbar);
    if (o->FNoResizeAllowed)
        Create_NoResizeAllowed().Assign(*o->FNoResizeAllowed);
    if (o->FLinkedToFile)
        Create_LinkedToFile().Assign(*o->FLinkedToFile);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Frame::HasElements() const
{
    return FSz != nullptr || FName != nullptr || FTitle != nullptr || FLongDesc != nullptr || FSourceFileName != nullptr || FMarW != nullptr || FMarH != nullptr || FScrollbar != nullptr || FNoResizeAllowed != nullptr || FLinkedToFile != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Div

TCT_Div::TCT_Div() = default;
TCT_Div::~TCT_Div() = default;

TCT_OnOff& TCT_Div::Create_BlockQuote()
{
    if (!FBlockQuote) {
        FBlockQuote = std::make_unique<TCT_OnOff>();
        FBlockQuote->SetAssigned();
    }
    SetHasChildren();
    return *FBlockQuote;
}

TCT_OnOff& TCT_Div::Create_BodyDiv()
{
    if (!FBodyDiv) {
        FBodyDiv = std::make_unique<TCT_OnOff>();
        FBodyDiv->SetAssigned();
    }
    SetHasChildren();
    return *FBodyDiv;
}

TCT_SignedTwipsMeasure& TCT_Div::Create_MarLeft()
{
    if (!FMarLeft) {
        FMarLeft = std::make_unique<TCT_SignedTwipsMeasure>();
        FMarLeft->SetAssigned();
    }
    SetHasChildren();
    return *FMarLeft;
}

TCT_SignedTwipsMeasure& TCT_Div::Create_MarRight()
{
    if (!FMarRight) {
        FMarRight = std::make_unique<TCT_SignedTwipsMeasure>();
        FMarRight->SetAssigned();
    }
    SetHasChildren();
    return *FMarRight;
}

TCT_SignedTwipsMeasure& TCT_Div::Create_MarTop()
{
    if (!FMarTop) {
        FMarTop = std::make_unique<TCT_SignedTwipsMeasure>();
        FMarTop->SetAssigned();
    }
    SetHasChildren();
    return *FMarTop;
}

TCT_SignedTwipsMeasure& TCT_Div::Create_MarBottom()
{
    if (!FMarBottom) {
        FMarBottom = std::make_unique<TCT_SignedTwipsMeasure>();
        FMarBottom->SetAssigned();
    }
    SetHasChildren();
    return *FMarBottom;
}

TCT_DivBdr& TCT_Div::Create_DivBdr()
{
    if (!FDivBdr) {
        FDivBdr = std::make_unique<TCT_DivBdr>();
        FDivBdr->SetAssigned();
    }
    SetHasChildren();
    return *FDivBdr;
}

TNYQBase* TCT_Div::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 603:
        if (local == "divBdr") {
            return &Create_DivBdr();
        }
        break;
    case 627:
        if (local == "marTop") {
            return &Create_MarTop();
        }
        break;
    case 715:
        if (local == "marLeft") {
            return &Create_MarLeft();
        }
        break;
    case 721:
        if (local == "bodyDiv") {
            return &Create_BodyDiv();
        }
        break;
    case 830:
        if (local == "marRight") {
            return &Create_MarRight();
        }
        break;
    case 922:
        if (local == "divsChild") {
            SetHasChildren();
            return &FDivsChildList.Add();
        }
        break;
    case 949:
        if (local == "marBottom") {
            return &Create_MarBottom();
        }
        break;
    case 1049:
        if (local == "blockQuote") {
            return &Create_BlockQuote();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Div::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 205:
            if (local == "id") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FId = *v;
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

void TCT_Div::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:id", XmlIntToStr(FId));
}

void TCT_Div::Write(TNyqWriteXML& writer) const
{
    if (FBlockQuote && FBlockQuote->Available())
        NyqWriteChild(writer, "w:blockQuote", *FBlockQuote);
    if (FBodyDiv && FBodyDiv->Available())
        NyqWriteChild(writer, "w:bodyDiv", *FBodyDiv);
    if (FMarLeft && FMarLeft->Available())
        NyqWriteChild(writer, "w:marLeft", *FMarLeft);
    if (FMarRight && FMarRight->Available())
        NyqWriteChild(writer, "w:marRight", *FMarRight);
    if (FMarTop && FMarTop->Available())
        NyqWriteChild(writer, "w:marTop", *FMarTop);
    if (FMarBottom && FMarBottom->Available())
        NyqWriteChild(writer, "w:marBottom", *FMarBottom);
    if (FDivBdr && FDivBdr->Available())
        NyqWriteChild(writer, "w:divBdr", *FDivBdr);
    for (const auto& item : FDivsChildList.GetItems())
        NyqWriteChild(writer, "w:divsChild", *item);
    FAny.Write(writer);
}

void TCT_Div::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FBlockQuote.reset();
    FBodyDiv.reset();
    FMarLeft.reset();
    FMarRight.reset();
    FMarTop.reset();
    FMarBottom.reset();
    FDivBdr.reset();
    FDivsChildList.Clear();
    FAny.Clear();
}

void TCT_Div::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Div*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    if (o->FBlockQuote)
        Create_BlockQuote().Assign(*o->FBlockQuote);
    if (o->FBodyDiv)
        Create_BodyDiv().Assign(*o->FBodyDiv);
    if (o->FMarLeft)
        Create_MarLeft().Assign(*o->FMarLeft);
    if (o->FMarRight)
        Create_MarRight().Assign(*o->FMarRight);
    if (o->FMarTop)
        Create_MarTop().Assign(*o->FMarTop);
    if (o->FMarBottom)
        Create_MarBottom().Assign(*o->FMarBottom);
    if (o->FDivBdr)
        Create_DivBdr().Assign(*o->FDivBdr);
    for (const auto& item : o->FDivsChildList.GetItems())
        FDivsChildList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Div::HasElements() const
{
    return FBlockQuote != nullptr || FBodyDiv != nullptr || FMarLeft != nullptr || FMarRight != nullptr || FMarTop != nullptr || FMarBottom != nullptr || FDivBdr != nullptr || FDivsChildList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Panose

TCT_Panose::TCT_Panose() = default;
TCT_Panose::~TCT_Panose() = default;

TNYQBase* TCT_Panose::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Panose::AssignAttributes(TNYQReader& reader)
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

void TCT_Panose::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", FVal);
}

void TCT_Panose::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Panose::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_Panose::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Panose*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Panose::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Charset

TCT_Charset::TCT_Charset() = default;
TCT_Charset::~TCT_Charset() = default;

TNYQBase* TCT_Charset::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Charset::AssignAttributes(TNYQReader& reader)
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
        case 1241:
            if (local == "characterSet") {
                FCharacterSet = attrs.GetValues(i);
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

void TCT_Charset::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", *FVal);
    if (FCharacterSet)
        writer.AddAttribute("w:characterSet", *FCharacterSet);
}

void TCT_Charset::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Charset::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FCharacterSet = {};
    FAny.Clear();
}

void TCT_Charset::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Charset*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FCharacterSet = o->FCharacterSet;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Charset::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FontFamily

TCT_FontFamily::TCT_FontFamily() = default;
TCT_FontFamily::~TCT_FontFamily() = default;

TNYQBase* TCT_FontFamily::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FontFamily::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_FontFamily(attrs.GetValues(i)))
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

void TCT_FontFamily::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_FontFamilyToStr(FVal));
}

void TCT_FontFamily::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_FontFamily::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_FontFamily::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FontFamily*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FontFamily::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Pitch

TCT_Pitch::TCT_Pitch() = default;
TCT_Pitch::~TCT_Pitch() = default;

TNYQBase* TCT_Pitch::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Pitch::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_Pitch(attrs.GetValues(i)))
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

void TCT_Pitch::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:val", TST_PitchToStr(FVal));
}

void TCT_Pitch::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Pitch::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_Pitch::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Pitch*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Pitch::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FontSig

TCT_FontSig::TCT_FontSig() = default;
TCT_FontSig::~TCT_FontSig() = default;

TNYQBase* TCT_FontSig::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FontSig::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 360:
            if (local == "csb0") {
                FCsb0 = attrs.GetValues(i);
                continue;
            }
            break;
        case 361:
            if (local == "csb1") {
                FCsb1 = attrs.GetValues(i);
                continue;
            }
            break;
        case 378:
            if (local == "usb0") {
                FUsb0 = attrs.GetValues(i);
                continue;
            }
            break;
        case 379:
            if (local == "usb1") {
                FUsb1 = attrs.GetValues(i);
                continue;
            }
            break;
        case 380:
            if (local == "usb2") {
                FUsb2 = attrs.GetValues(i);
                continue;
            }
            break;
        case 381:
            if (local == "usb3") {
                FUsb3 = attrs.GetValues(i);
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

void TCT_FontSig::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:usb0", FUsb0);
    writer.AddAttribute("w:usb1", FUsb1);
    writer.AddAttribute("w:usb2", FUsb2);
    writer.AddAttribute("w:usb3", FUsb3);
    writer.AddAttribute("w:csb0", FCsb0);
    writer.AddAttribute("w:csb1", FCsb1);
}

void TCT_FontSig::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_FontSig::Clear()
{
    TNYQBase::Clear();
    FUsb0 = {};
    FUsb1 = {};
    FUsb2 = {};
    FUsb3 = {};
    FCsb0 = {};
    FCsb1 = {};
    FAny.Clear();
}

void TCT_FontSig::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FontSig*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FUsb0 = o->FUsb0;
    FUsb1 = o->FUsb1;
    FUsb2 = o->FUsb2;
    FUsb3 = o->FUsb3;
    FCsb0 = o->FCsb0;
    FCsb1 = o->FCsb1;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FontSig::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FontRel

TCT_FontRel::TCT_FontRel() = default;
TCT_FontRel::~TCT_FontRel() = default;

TNYQBase* TCT_FontRel::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FontRel::AssignAttributes(TNYQReader& reader)
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
        case 736:
            if (local == "fontKey") {
                FFontKey = attrs.GetValues(i);
                continue;
            }
            break;
        case 979:
            if (local == "subsetted") {
                FSubsetted = attrs.GetValues(i);
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

void TCT_FontRel::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("r:id", FId);
    if (FFontKey)
        writer.AddAttribute("w:fontKey", *FFontKey);
    if (FSubsetted)
        writer.AddAttribute("w:subsetted", *FSubsetted);
}

void TCT_FontRel::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_FontRel::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FFontKey = {};
    FSubsetted = {};
    FAny.Clear();
}

void TCT_FontRel::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FontRel*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FFontKey = o->FFontKey;
    FSubsetted = o->FSubsetted;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FontRel::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_CustomXmlPr

TCT_CustomXmlPr::TCT_CustomXmlPr() = default;
TCT_CustomXmlPr::~TCT_CustomXmlPr() = default;

TCT_String& TCT_CustomXmlPr::Create_Placeholder()
{
    if (!FPlaceholder) {
        FPlaceholder = std::make_unique<TCT_String>();
        FPlaceholder->SetAssigned();
    }
    SetHasChildren();
    return *FPlaceholder;
}

TNYQBase* TCT_CustomXmlPr::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 443:
        if (local == "attr") {
            SetHasChildren();
            return &FAttrList.Add();
        }
        break;
    case 1155:
        if (local == "placeholder") {
            return &Create_Placeholder();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_CustomXmlPr::Write(TNyqWriteXML& writer) const
{
    if (FPlaceholder && FPlaceholder->Available())
        NyqWriteChild(writer, "w:placeholder", *FPlaceholder);
    for (const auto& item : FAttrList.GetItems())
        NyqWriteChild(writer, "w:attr", *item);
    FAny.Write(writer);
}

void TCT_CustomXmlPr::Clear()
{
    TNYQBase::Clear();
    FPlaceholder.reset();
    FAttrList.Clear();
    FAny.Clear();
}

void TCT_CustomXmlPr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_CustomXmlPr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FPlaceholder)
        Create_Placeholder().Assign(*o->FPlaceholder);
    for (const auto& item : o->FAttrList.GetItems())
        FAttrList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_CustomXmlPr::HasElements() const
{
    return FPlaceholder != nullptr || FAttrList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtPr

TCT_SdtPr::TCT_SdtPr() = default;
TCT_SdtPr::~TCT_SdtPr() = default;

TCT_RPr& TCT_SdtPr::Create_RPr()
{
    if (!FRPr) {
        FRPr = std::make_unique<TCT_RPr>();
        FRPr->SetAssigned();
    }
    SetHasChildren();
    return *FRPr;
}

TCT_String& TCT_SdtPr::Create_Alias()
{
    if (!FAlias) {
        FAlias = std::make_unique<TCT_String>();
        FAlias->SetAssigned();
    }
    SetHasChildren();
    return *FAlias;
}

TCT_String& TCT_SdtPr::Create_Tag()
{
    if (!FTag) {
        FTag = std::make_unique<TCT_String>();
        FTag->SetAssigned();
    }
    SetHasChildren();
    return *FTag;
}

TCT_DecimalNumber& TCT_SdtPr::Create_Id()
{
    if (!FId) {
        FId = std::make_unique<TCT_DecimalNumber>();
        FId->SetAssigned();
    }
    SetHasChildren();
    return *FId;
}

TCT_Lock& TCT_SdtPr::Create_Lock()
{
    if (!FLock) {
        FLock = std::make_unique<TCT_Lock>();
        FLock->SetAssigned();
    }
    SetHasChildren();
    return *FLock;
}

TCT_Placeholder& TCT_SdtPr::Create_Placeholder()
{
    if (!FPlaceholder) {
        FPlaceholder = std::make_unique<TCT_Placeholder>();
        FPlaceholder->SetAssigned();
    }
    SetHasChildren();
    return *FPlaceholder;
}

TCT_OnOff& TCT_SdtPr::Create_Temporary()
{
    if (!FTemporary) {
        FTemporary = std::make_unique<TCT_OnOff>();
        FTemporary->SetAssigned();
    }
    SetHasChildren();
    return *FTemporary;
}

TCT_OnOff& TCT_SdtPr::Create_ShowingPlcHdr()
{
    if (!FShowingPlcHdr) {
        FShowingPlcHdr = std::make_unique<TCT_OnOff>();
        FShowingPlcHdr->SetAssigned();
    }
    SetHasChildren();
    return *FShowingPlcHdr;
}

TCT_DataBinding& TCT_SdtPr::Create_DataBinding()
{
    if (!FDataBinding) {
        FDataBinding = std::make_unique<TCT_DataBinding>();
        FDataBinding->SetAssigned();
    }
    SetHasChildren();
    return *FDataBinding;
}

TCT_DecimalNumber& TCT_SdtPr::Create_Label()
{
    if (!FLabel) {
        FLabel = std::make_unique<TCT_DecimalNumber>();
        FLabel->SetAssigned();
    }
    SetHasChildren();
    return *FLabel;
}

TCT_UnsignedDecimalNumber& TCT_SdtPr::Create_TabIndex()
{
    if (!FTabIndex) {
        FTabIndex = std::make_unique<TCT_UnsignedDecimalNumber>();
        FTabIndex->SetAssigned();
    }
    SetHasChildren();
    return *FTabIndex;
}

TCT_Empty& TCT_SdtPr::Create_Equation()
{
    if (!FEquation) {
        FEquation = std::make_unique<TCT_Empty>();
        FEquation->SetAssigned();
    }
    SetHasChildren();
    return *FEquation;
}

TCT_SdtComboBox& TCT_SdtPr::Create_ComboBox()
{
    if (!FComboBox) {
        FComboBox = std::make_unique<TCT_SdtComboBox>();
        FComboBox->SetAssigned();
    }
    SetHasChildren();
    return *FComboBox;
}

TCT_SdtDate& TCT_SdtPr::Create_Date()
{
    if (!FDate) {
        FDate = std::make_unique<TCT_SdtDate>();
        FDate->SetAssigned();
    }
    SetHasChildren();
    return *FDate;
}

TCT_SdtDocPart& TCT_SdtPr::Create_DocPartObj()
{
    if (!FDocPartObj) {
        FDocPartObj = std::make_unique<TCT_SdtDocPart>();
        FDocPartObj->SetAssigned();
    }
    SetHasChildren();
    return *FDocPartObj;
}

TCT_SdtDocPart& TCT_SdtPr::Create_DocPartList()
{
    if (!FDocPartList) {
        FDocPartList = std::make_unique<TCT_SdtDocPart>();
        FDocPartList->SetAssigned();
    }
    SetHasChildren();
    return *FDocPartList;
}

TCT_SdtDropDownList& TCT_SdtPr::Create_DropDownList()
{
    if (!FDropDownList) {
        FDropDownList = std::make_unique<TCT_SdtDropDownList>();
        FDropDownList->SetAssigned();
    }
    SetHasChildren();
    return *FDropDownList;
}

TCT_Empty& TCT_SdtPr::Create_Picture()
{
    if (!FPicture) {
        FPicture = std::make_unique<TCT_Empty>();
        FPicture->SetAssigned();
    }
    SetHasChildren();
    return *FPicture;
}

TCT_Empty& TCT_SdtPr::Create_RichText()
{
    if (!FRichText) {
        FRichText = std::make_unique<TCT_Empty>();
        FRichText->SetAssigned();
    }
    SetHasChildren();
    return *FRichText;
}

TCT_SdtText& TCT_SdtPr::Create_Text()
{
    if (!FText) {
        FText = std::make_unique<TCT_SdtText>();
        FText->SetAssigned();
    }
    SetHasChildren();
    return *FText;
}

TCT_Empty& TCT_SdtPr::Create_Citation()
{
    if (!FCitation) {
        FCitation = std::make_unique<TCT_Empty>();
        FCitation->SetAssigned();
    }
    SetHasChildren();
    return *FCitation;
}

TCT_Empty& TCT_SdtPr::Create_Group()
{
    if (!FGroup) {
        FGroup = std::make_unique<TCT_Empty>();
        FGroup->SetAssigned();
    }
    SetHasChildren();
    return *FGroup;
}

TCT_Empty& TCT_SdtPr::Create_Bibliography()
{
    if (!FBibliography) {
        FBibliography = std::make_unique<TCT_Empty>();
        FBibliography->SetAssigned();
    }
    SetHasChildren();
    return *FBibliography;
}

TNYQBase* TCT_SdtPr::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 205:
        if (local == "id") {
            return &Create_Id();
        }
        break;
    case 308:
        if (local == "rPr") {
            return &Create_RPr();
        }
        break;
    case 316:
        if (local == "tag") {
            return &Create_Tag();
        }
        break;
    case 414:
        if (local == "date") {
            return &Create_Date();
        }
        break;
    case 425:
        if (local == "lock") {
            return &Create_Lock();
        }
        break;
    case 453:
        if (local == "text") {
            return &Create_Text();
        }
        break;
    case 512:
        if (local == "label") {
            return &Create_Label();
        }
        break;
    case 522:
        if (local == "alias") {
            return &Create_Alias();
        }
        break;
    case 557:
        if (local == "group") {
            return &Create_Group();
        }
        break;
    case 764:
        if (local == "picture") {
            return &Create_Picture();
        }
        break;
    case 815:
        if (local == "tabIndex") {
            return &Create_TabIndex();
        }
        break;
    case 825:
        if (local == "comboBox") {
            return &Create_ComboBox();
        }
        break;
    case 843:
        if (local == "richText") {
            return &Create_RichText();
        }
        break;
    case 859:
        if (local == "citation") {
            return &Create_Citation();
        }
        break;
    case 870:
        if (local == "equation") {
            return &Create_Equation();
        }
        break;
    case 995:
        if (local == "temporary") {
            return &Create_Temporary();
        }
        break;
    case 1000:
        if (local == "docPartObj") {
            return &Create_DocPartObj();
        }
        break;
    case 1109:
        if (local == "dataBinding") {
            return &Create_DataBinding();
        }
        break;
    case 1129:
        if (local == "docPartList") {
            return &Create_DocPartList();
        }
        break;
    case 1155:
        if (local == "placeholder") {
            return &Create_Placeholder();
        }
        break;
    case 1257:
        if (local == "dropDownList") {
            return &Create_DropDownList();
        }
        break;
    case 1276:
        if (local == "bibliography") {
            return &Create_Bibliography();
        }
        break;
    case 1340:
        if (local == "showingPlcHdr") {
            return &Create_ShowingPlcHdr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SdtPr::Write(TNyqWriteXML& writer) const
{
    if (FRPr && FRPr->Available())
        NyqWriteChild(writer, "w:rPr", *FRPr);
    if (FAlias && FAlias->Available())
        NyqWriteChild(writer, "w:alias", *FAlias);
    if (FTag && FTag->Available())
        NyqWriteChild(writer, "w:tag", *FTag);
    if (FId && FId->Available())
        NyqWriteChild(writer, "w:id", *FId);
    if (FLock && FLock->Available())
        NyqWriteChild(writer, "w:lock", *FLock);
    if (FPlaceholder && FPlaceholder->Available())
        NyqWriteChild(writer, "w:placeholder", *FPlaceholder);
    if (FTemporary && FTemporary->Available())
        NyqWriteChild(writer, "w:temporary", *FTemporary);
    if (FShowingPlcHdr && FShowingPlcHdr->Available())
        NyqWriteChild(writer, "w:showingPlcHdr", *FShowingPlcHdr);
    if (FDataBinding && FDataBinding->Available())
        NyqWriteChild(writer, "w:dataBinding", *FDataBinding);
    if (FLabel && FLabel->Available())
        NyqWriteChild(writer, "w:label", *FLabel);
    if (FTabIndex && FTabIndex->Available())
        NyqWriteChild(writer, "w:tabIndex", *FTabIndex);
    if (FEquation && FEquation->Available())
        NyqWriteChild(writer, "w:equation", *FEquation);
    if (FComboBox && FComboBox->Available())
        NyqWriteChild(writer, "w:comboBox", *FComboBox);
    if (FDate && FDate->Available())
        NyqWriteChild(writer, "w:date", *FDate);
    if (FDocPartObj && FDocPartObj->Available())
        NyqWriteChild(writer, "w:docPartObj", *FDocPartObj);
    if (FDocPartList && FDocPartList->Available())
        NyqWriteChild(writer, "w:docPartList", *FDocPartList);
    if (FDropDownList && FDropDownList->Available())
        NyqWriteChild(writer, "w:dropDownList", *FDropDownList);
    if (FPicture && FPicture->Available())
        NyqWriteChild(writer, "w:picture", *FPicture);
    if (FRichText && FRichText->Available())
        NyqWriteChild(writer, "w:richText", *FRichText);
    if (FText && FText->Available())
        NyqWriteChild(writer, "w:text", *FText);
    if (FCitation && FCitation->Available())
        NyqWriteChild(writer, "w:citation", *FCitation);
    if (FGroup && FGroup->Available())
        NyqWriteChild(writer, "w:group", *FGroup);
    if (FBibliography && FBibliography->Available())
        NyqWriteChild(writer, "w:bibliography", *FBibliography);
    FAny.Write(writer);
}

void TCT_SdtPr::Clear()
{
    TNYQBase::Clear();
    FRPr.reset();
    FAlias.reset();
    FTag.reset();
    FId.reset();
    FLock.reset();
    FPlaceholder.reset();
    FTemporary.reset();
    FShowingPlcHdr.reset();
    FDataBinding.reset();
    FLabel.reset();
    FTabIndex.reset();
    FEquation.reset();
    FComboBox.reset();
    FDate.reset();
    FDocPartObj.reset();
    FDocPartList.reset();
    FDropDownList.reset();
    FPicture.reset();
    FRichText.reset();
    FText.reset();
    FCitation.reset();
    FGroup.reset();
    FBibliography.reset();
    FAny.Clear();
}

void TCT_SdtPr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtPr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FRPr)
        Create_RPr().Assign(*o->FRPr);
    if (o->FAlias)
        Create_Alias().Assign(*o->FAlias);
    if (o->FTag)
        Create_Tag().Assign(*o->FTag);
    if (o->FId)
        Create_Id().Assign(*o->FId);
    if (o->FLock)
        Create_Lock().Assign(*o->FLock);
    if (o->FPlaceholder)
        Create_Placeholder().Assign(*o->FPlaceholder);
    if (o->FTemporary)
        Create_Temporary().Assign(*o->FTemporary);
    if (o->FShowingPlcHdr)
        Create_ShowingPlcHdr().Assign(*o->FShowingPlcHdr);
    if (o->FDataBinding)
        Create_DataBinding().Assign(*o->FDataBinding);
    if (o->FLabel)
        Create_Label().Assign(*o->FLabel);
    if (o->FTabIndex)
        Create_TabIndex().Assign(*o->FTabIndex);
    if (o->FEquation)
        Create_Equation().Assign(*o->FEquation);
    if (o->FComboBox)
        Create_ComboBox().Assign(*o->FComboBox);
    if (o->FDate)
        Create_Date().Assign(*o->FDate);
    if (o->FDocPartObj)
        Create_DocPartObj().Assign(*o->FDocPartObj);
    if (o->FDocPartList)
        Create_DocPartList().Assign(*o->FDocPartList);
    if (o->FDropDownList)
        Create_DropDownList().Assign(*o->FDropDownList);
    if (o->FPicture)
        Create_Picture().Assign(*o->FPicture);
    if (o->FRichText)
        Create_RichText().Assign(*o->FRichText);
    if (o->FText)
        Create_Text().Assign(*o->FText);
    if (o->FCitation)
        Create_Citation().Assign(*o->FCitation);
    if (o->FGroup)
        Create_Group().Assign(*o->FGroup);
    if (o->FBibliography)
        Create_Bibliography().Assign(*o->FBibliography);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SdtPr::HasElements() const
{
    return FRPr != nullptr || FAlias != nullptr || FTag != nullptr || FId != nullptr || FLock != nullptr || FPlaceholder != nullptr || FTemporary != nullptr || FShowingPlcHdr != nullptr || FDataBinding != nullptr || FLabel != nullptr || FTabIndex != nullptr || FEquation != nullptr || FComboBox != nullptr || FDate != nullptr || FDocPartObj != nullptr || FDocPartList != nullptr || FDropDownList != nullptr || FPicture != nullptr || FRichText != nullptr || FText != nullptr || FCitation != nullptr || FGroup != nullptr || FBibliography != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtEndPr

TCT_SdtEndPr::TCT_SdtEndPr() = default;
TCT_SdtEndPr::~TCT_SdtEndPr() = default;

TNYQBase* TCT_SdtEndPr::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 308:
        if (local == "rPr") {
            SetHasChildren();
            return &FRPrList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SdtEndPr::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FRPrList.GetItems())
        NyqWriteChild(writer, "w:rPr", *item);
    FAny.Write(writer);
}

void TCT_SdtEndPr::Clear()
{
    TNYQBase::Clear();
    FRPrList.Clear();
    FAny.Clear();
}

void TCT_SdtEndPr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtEndPr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FRPrList.GetItems())
        FRPrList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SdtEndPr::HasElements() const
{
    return FRPrList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtContentBlock

namespace {
constexpr std::string_view cTCT_SdtContentBlockFEG_ContentBlockContentListNames[] = {"w:customXml", "w:sdt", "w:p", "w:tbl", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath"};
}  // namespace

TCT_SdtContentBlock::TCT_SdtContentBlock() = default;
TCT_SdtContentBlock::~TCT_SdtContentBlock() = default;

TNYQBase* TCT_SdtContentBlock::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 112:
        if (local == "p") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_P>(2);
        }
        break;
    case 309:
        if (local == "del") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_RunTrackChange>(24);
        }
        break;
    case 322:
        if (local == "tbl") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_Tbl>(3);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_RunTrackChange>(23);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_SdtBlock>(1);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TNYQAnyElement>(28);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_RunTrackChange>(26);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_Perm>(6);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_ProofErr>(4);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TNYQAnyElement>(27);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_PermStart>(5);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_CustomXmlBlock>(0);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_MarkupRange>(8);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_Bookmark>(7);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_MarkupRange>(14);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_MarkupRange>(10);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_MoveBookmark>(11);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_MarkupRange>(13);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_MoveBookmark>(9);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_Markup>(18);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_Markup>(16);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_TrackChange>(17);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_TrackChange>(15);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_Markup>(22);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_Markup>(20);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_TrackChange>(21);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_ContentBlockContentList.Add<TCT_TrackChange>(19);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SdtContentBlock::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_ContentBlockContentList.GetItems())
        NyqWriteChild(writer, cTCT_SdtContentBlockFEG_ContentBlockContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_SdtContentBlock::Clear()
{
    TNYQBase::Clear();
    FEG_ContentBlockContentList.Clear();
    FAny.Clear();
}

void TCT_SdtContentBlock::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtContentBlock*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FEG_ContentBlockContentList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_ContentBlockContentList.Add<TCT_CustomXmlBlock>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_ContentBlockContentList.Add<TCT_SdtBlock>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_ContentBlockContentList.Add<TCT_P>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_ContentBlockContentList.Add<TCT_Tbl>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_ContentBlockContentList.Add<TCT_ProofErr>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_ContentBlockContentList.Add<TCT_PermStart>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_ContentBlockContentList.Add<TCT_Perm>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_ContentBlockContentList.Add<TCT_Bookmark>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_ContentBlockContentList.Add<TCT_MarkupRange>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_ContentBlockContentList.Add<TCT_MoveBookmark>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_ContentBlockContentList.Add<TCT_MarkupRange>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_ContentBlockContentList.Add<TCT_MoveBookmark>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_ContentBlockContentList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_ContentBlockContentList.Add<TCT_MarkupRange>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_ContentBlockContentList.Add<TCT_MarkupRange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_ContentBlockContentList.Add<TCT_TrackChange>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_ContentBlockContentList.Add<TCT_Markup>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_ContentBlockContentList.Add<TCT_TrackChange>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_ContentBlockContentList.Add<TCT_Markup>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_ContentBlockContentList.Add<TCT_TrackChange>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_ContentBlockContentList.Add<TCT_Markup>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_ContentBlockContentList.Add<TCT_TrackChange>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_ContentBlockContentList.Add<TCT_Markup>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_ContentBlockContentList.Add<TCT_RunTrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_ContentBlockContentList.Add<TCT_RunTrackChange>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_ContentBlockContentList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_ContentBlockContentList.Add<TCT_RunTrackChange>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_ContentBlockContentList.Add<TNYQAnyElement>(27).Assign(*item.Object);
            break;
        case 28:
            FEG_ContentBlockContentList.Add<TNYQAnyElement>(28).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SdtContentBlock::HasElements() const
{
    return FEG_ContentBlockContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PPr

TCT_PPr::TCT_PPr() = default;
TCT_PPr::~TCT_PPr() = default;

TCT_String& TCT_PPr::Create_PStyle()
{
    if (!FPStyle) {
        FPStyle = std::make_unique<TCT_String>();
        FPStyle->SetAssigned();
    }
    SetHasChildren();
    return *FPStyle;
}

TCT_OnOff& TCT_PPr::Create_KeepNext()
{
    if (!FKeepNext) {
        FKeepNext = std::make_unique<TCT_OnOff>();
        FKeepNext->SetAssigned();
    }
    SetHasChildren();
    return *FKeepNext;
}

TCT_OnOff& TCT_PPr::Create_KeepLines()
{
    if (!FKeepLines) {
        FKeepLines = std::make_unique<TCT_OnOff>();
        FKeepLines->SetAssigned();
    }
    SetHasChildren();
    return *FKeepLines;
}

TCT_OnOff& TCT_PPr::Create_PageBreakBefore()
{
    if (!FPageBreakBefore) {
        FPageBreakBefore = std::make_unique<TCT_OnOff>();
        FPageBreakBefore->SetAssigned();
    }
    SetHasChildren();
    return *FPageBreakBefore;
}

TCT_FramePr& TCT_PPr::Create_FramePr()
{
    if (!FFramePr) {
        FFramePr = std::make_unique<TCT_FramePr>();
        FFramePr->SetAssigned();
    }
    SetHasChildren();
    return *FFramePr;
}

TCT_OnOff& TCT_PPr::Create_WidowControl()
{
    if (!FWidowControl) {
        FWidowControl = std::make_unique<TCT_OnOff>();
        FWidowControl->SetAssigned();
    }
    SetHasChildren();
    return *FWidowControl;
}

TCT_NumPr& TCT_PPr::Create_NumPr()
{
    if (!FNumPr) {
        FNumPr = std::make_unique<TCT_NumPr>();
        FNumPr->SetAssigned();
    }
    SetHasChildren();
    return *FNumPr;
}

TCT_OnOff& TCT_PPr::Create_SuppressLineNumbers()
{
    if (!FSuppressLineNumbers) {
        FSuppressLineNumbers = std::make_unique<TCT_OnOff>();
        FSuppressLineNumbers->SetAssigned();
    }
    SetHasChildren();
    return *FSuppressLineNumbers;
}

TCT_PBdr& TCT_PPr::Create_PBdr()
{
    if (!FPBdr) {
        FPBdr = std::make_unique<TCT_PBdr>();
        FPBdr->SetAssigned();
    }
    SetHasChildren();
    return *FPBdr;
}

TCT_Shd& TCT_PPr::Create_Shd()
{
    if (!FShd) {
        FShd = std::make_unique<TCT_Shd>();
        FShd->SetAssigned();
    }
    SetHasChildren();
    return *FShd;
}

TCT_Tabs& TCT_PPr::Create_Tabs()
{
    if (!FTabs) {
        FTabs = std::make_unique<TCT_Tabs>();
        FTabs->SetAssigned();
    }
    SetHasChildren();
    return *FTabs;
}

TCT_OnOff& TCT_PPr::Create_SuppressAutoHyphens()
{
    if (!FSuppressAutoHyphens) {
        FSuppressAutoHyphens = std::make_unique<TCT_OnOff>();
        FSuppressAutoHyphens->SetAssigned();
    }
    SetHasChildren();
    return *FSuppressAutoHyphens;
}

TCT_OnOff& TCT_PPr::Create_Kinsoku()
{
    if (!FKinsoku) {
        FKinsoku = std::make_unique<TCT_OnOff>();
        FKinsoku->SetAssigned();
    }
    SetHasChildren();
    return *FKinsoku;
}

TCT_OnOff& TCT_PPr::Create_WordWrap()
{
    if (!FWordWrap) {
        FWordWrap = std::make_unique<TCT_OnOff>();
        FWordWrap->SetAssigned();
    }
    SetHasChildren();
    return *FWordWrap;
}

TCT_OnOff& TCT_PPr::Create_OverflowPunct()
{
    if (!FOverflowPunct) {
        FOverflowPunct = std::make_unique<TCT_OnOff>();
        FOverflowPunct->SetAssigned();
    }
    SetHasChildren();
    return *FOverflowPunct;
}

TCT_OnOff& TCT_PPr::Create_TopLinePunct()
{
    if (!FTopLinePunct) {
        FTopLinePunct = std::make_unique<TCT_OnOff>();
        FTopLinePunct->SetAssigned();
    }
    SetHasChildren();
    return *FTopLinePunct;
}

TCT_OnOff& TCT_PPr::Create_AutoSpaceDE()
{
    if (!FAutoSpaceDE) {
        FAutoSpaceDE = std::make_unique<TCT_OnOff>();
        FAutoSpaceDE->SetAssigned();
    }
    SetHasChildren();
    return *FAutoSpaceDE;
}

TCT_OnOff& TCT_PPr::Create_AutoSpaceDN()
{
    if (!FAutoSpaceDN) {
        FAutoSpaceDN = std::make_unique<TCT_OnOff>();
        FAutoSpaceDN->SetAssigned();
    }
    SetHasChildren();
    return *FAutoSpaceDN;
}

TCT_OnOff& TCT_PPr::Create_Bidi()
{
    if (!FBidi) {
        FBidi = std::make_unique<TCT_OnOff>();
        FBidi->SetAssigned();
    }
    SetHasChildren();
    return *FBidi;
}

TCT_OnOff& TCT_PPr::Create_AdjustRightInd()
{
    if (!FAdjustRightInd) {
        FAdjustRightInd = std::make_unique<TCT_OnOff>();
        FAdjustRightInd->SetAssigned();
    }
    SetHasChildren();
    return *FAdjustRightInd;
}

TCT_OnOff& TCT_PPr::Create_SnapToGrid()
{
    if (!FSnapToGrid) {
        FSnapToGrid = std::make_unique<TCT_OnOff>();
        FSnapToGrid->SetAssigned();
    }
    SetHasChildren();
    return *FSnapToGrid;
}

TCT_Spacing& TCT_PPr::Create_Spacing()
{
    if (!FSpacing) {
        FSpacing = std::make_unique<TCT_Spacing>();
        FSpacing->SetAssigned();
    }
    SetHasChildren();
    return *FSpacing;
}

TCT_Ind& TCT_PPr::Create_Ind()
{
    if (!FInd) {
        FInd = std::make_unique<TCT_Ind>();
        FInd->SetAssigned();
    }
    SetHasChildren();
    return *FInd;
}

TCT_OnOff& TCT_PPr::Create_ContextualSpacing()
{
    if (!FContextualSpacing) {
        FContextualSpacing = std::make_unique<TCT_OnOff>();
        FContextualSpacing->SetAssigned();
    }
    SetHasChildren();
    return *FContextualSpacing;
}

TCT_OnOff& TCT_PPr::Create_MirrorIndents()
{
    if (!FMirrorIndents) {
        FMirrorIndents = std::make_unique<TCT_OnOff>();
        FMirrorIndents->SetAssigned();
    }
    SetHasChildren();
    return *FMirrorIndents;
}

TCT_OnOff& TCT_PPr::Create_SuppressOverlap()
{
    if (!FSuppressOverlap) {
        FSuppressOverlap = std::make_unique<TCT_OnOff>();
        FSuppressOverlap->SetAssigned();
    }
    SetHasChildren();
    return *FSuppressOverlap;
}

TCT_Jc& TCT_PPr::Create_Jc()
{
    if (!FJc) {
        FJc = std::make_unique<TCT_Jc>();
        FJc->SetAssigned();
    }
    SetHasChildren();
    return *FJc;
}

TCT_TextDirection& TCT_PPr::Create_TextDirection()
{
    if (!FTextDirection) {
        FTextDirection = std::make_unique<TCT_TextDirection>();
        FTextDirection->SetAssigned();
    }
    SetHasChildren();
    return *FTextDirection;
}

TCT_TextAlignment& TCT_PPr::Create_TextAlignment()
{
    if (!FTextAlignment) {
        FTextAlignment = std::make_unique<TCT_TextAlignment>();
        FTextAlignment->SetAssigned();
    }
    SetHasChildren();
    return *FTextAlignment;
}

TCT_TextboxTightWrap& TCT_PPr::Create_TextboxTightWrap()
{
    if (!FTextboxTightWrap) {
        FTextboxTightWrap = std::make_unique<TCT_TextboxTightWrap>();
        FTextboxTightWrap->SetAssigned();
    }
    SetHasChildren();
    return *FTextboxTightWrap;
}

TCT_DecimalNumber& TCT_PPr::Create_OutlineLvl()
{
    if (!FOutlineLvl) {
        FOutlineLvl = std::make_unique<TCT_DecimalNumber>();
        FOutlineLvl->SetAssigned();
    }
    SetHasChildren();
    return *FOutlineLvl;
}

TCT_DecimalNumber& TCT_PPr::Create_DivId()
{
    if (!FDivId) {
        FDivId = std::make_unique<TCT_DecimalNumber>();
        FDivId->SetAssigned();
    }
    SetHasChildren();
    return *FDivId;
}

TCT_Cnf& TCT_PPr::Create_CnfStyle()
{
    if (!FCnfStyle) {
        FCnfStyle = std::make_unique<TCT_Cnf>();
        FCnfStyle->SetAssigned();
    }
    SetHasChildren();
    return *FCnfStyle;
}

TCT_ParaRPr& TCT_PPr::Create_RPr()
{
    if (!FRPr) {
        FRPr = std::make_unique<TCT_ParaRPr>();
        FRPr->SetAssigned();
    }
    SetHasChildren();
    return *FRPr;
}

TCT_SectPr& TCT_PPr::Create_SectPr()
{
    if (!FSectPr) {
        FSectPr = std::make_unique<TCT_SectPr>();
        FSectPr->SetAssigned();
    }
    SetHasChildren();
    return *FSectPr;
}

TCT_PPrChange& TCT_PPr::Create_PPrChange()
{
    if (!FPPrChange) {
        FPPrChange = std::make_unique<TCT_PPrChange>();
        FPPrChange->SetAssigned();
    }
    SetHasChildren();
    return *FPPrChange;
}

TNYQBase* TCT_PPr::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 205:
        if (local == "jc") {
            return &Create_Jc();
        }
        break;
    case 308:
        if (local == "rPr") {
            return &Create_RPr();
        }
        break;
    case 315:
        if (local == "ind") {
            return &Create_Ind();
        }
        break;
    case 319:
        if (local == "shd") {
            return &Create_Shd();
        }
        break;
    case 392:
        if (local == "pBdr") {
            return &Create_PBdr();
        }
        break;
    case 408:
        if (local == "bidi") {
            return &Create_Bidi();
        }
        break;
    case 426:
        if (local == "tabs") {
            return &Create_Tabs();
        }
        break;
    case 496:
        if (local == "divId") {
            return &Create_DivId();
        }
        break;
    case 530:
        if (local == "numPr") {
            return &Create_NumPr();
        }
        break;
    case 625:
        if (local == "sectPr") {
            return &Create_SectPr();
        }
        break;
    case 641:
        if (local == "pStyle") {
            return &Create_PStyle();
        }
        break;
    case 717:
        if (local == "framePr") {
            return &Create_FramePr();
        }
        break;
    case 741:
        if (local == "spacing") {
            return &Create_Spacing();
        }
        break;
    case 772:
        if (local == "kinsoku") {
            return &Create_Kinsoku();
        }
        break;
    case 836:
        if (local == "keepNext") {
            return &Create_KeepNext();
        }
        break;
    case 840:
        if (local == "cnfStyle") {
            return &Create_CnfStyle();
        }
        break;
    case 854:
        if (local == "wordWrap") {
            return &Create_WordWrap();
        }
        break;
    case 888:
        if (local == "pPrChange") {
            return &Create_PPrChange();
        }
        break;
    case 928:
        if (local == "keepLines") {
            return &Create_KeepLines();
        }
        break;
    case 1019:
        if (local == "snapToGrid") {
            return &Create_SnapToGrid();
        }
        break;
    case 1070:
        if (local == "autoSpaceDE") {
            return &Create_AutoSpaceDE();
        }
        if (local == "outlineLvl") {
            return &Create_OutlineLvl();
        }
        break;
    case 1079:
        if (local == "autoSpaceDN") {
            return &Create_AutoSpaceDN();
        }
        break;
    case 1253:
        if (local == "topLinePunct") {
            return &Create_TopLinePunct();
        }
        break;
    case 1291:
        if (local == "widowControl") {
            return &Create_WidowControl();
        }
        break;
    case 1380:
        if (local == "textAlignment") {
            return &Create_TextAlignment();
        }
        break;
    case 1382:
        if (local == "textDirection") {
            return &Create_TextDirection();
        }
        break;
    case 1392:
        if (local == "mirrorIndents") {
            return &Create_MirrorIndents();
        }
        break;
    case 1406:
        if (local == "overflowPunct") {
            return &Create_OverflowPunct();
        }
        break;
    case 1444:
        if (local == "adjustRightInd") {
            return &Create_AdjustRightInd();
        }
        break;
    case 1493:
        if (local == "pageBreakBefore") {
            return &Create_PageBreakBefore();
        }
        break;
    case 1630:
        if (local == "suppressOverlap") {
            return &Create_SuppressOverlap();
        }
        break;
    case 1704:
        if (local == "textboxTightWrap") {
            return &Create_TextboxTightWrap();
        }
        break;
    case 1804:
        if (local == "contextualSpacing") {
            return &Create_ContextualSpacing();
        }
        break;
    case 2025:
        if (local == "suppressLineNumbers") {
            return &Create_SuppressLineNumbers();
        }
        break;
    case 2045:
        if (local == "suppressAutoHyphens") {
            return &Create_SuppressAutoHyphens();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PPr::Write(TNyqWriteXML& writer) const
{
    if (FPStyle && FPStyle->Available())
        NyqWriteChild(writer, "w:pStyle", *FPStyle);
    if (FKeepNext && FKeepNext->Available())
        NyqWriteChild(writer, "w:keepNext", *FKeepNext);
    if (FKeepLines && FKeepLines->Available())
        NyqWriteChild(writer, "w:keepLines", *FKeepLines);
    if (FPageBreakBefore && FPageBreakBefore->Available())
        NyqWriteChild(writer, "w:pageBreakBefore", *FPageBreakBefore);
    if (FFramePr && FFramePr->Available())
        NyqWriteChild(writer, "w:framePr", *FFramePr);
    if (FWidowControl && FWidowControl->Available())
        NyqWriteChild(writer, "w:widowControl", *FWidowControl);
    if (FNumPr && FNumPr->Available())
        NyqWriteChild(writer, "w:numPr", *FNumPr);
    if (FSuppressLineNumbers && FSuppressLineNumbers->Available())
        NyqWriteChild(writer, "w:suppressLineNumbers", *FSuppressLineNumbers);
    if (FPBdr && FPBdr->Available())
        NyqWriteChild(writer, "w:pBdr", *FPBdr);
    if (FShd && FShd->Available())
        NyqWriteChild(writer, "w:shd", *FShd);
    if (FTabs && FTabs->Available())
        NyqWriteChild(writer, "w:tabs", *FTabs);
    if (FSuppressAutoHyphens && FSuppressAutoHyphens->Available())
        NyqWriteChild(writer, "w:suppressAutoHyphens", *FSuppressAutoHyphens);
    if (FKinsoku && FKinsoku->Available())
        NyqWriteChild(writer, "w:kinsoku", *FKinsoku);
    if (FWordWrap && FWordWrap->Available())
        NyqWriteChild(writer, "w:wordWrap", *FWordWrap);
    if (FOverflowPunct && FOverflowPunct->Available())
        NyqWriteChild(writer, "w:overflowPunct", *FOverflowPunct);
    if (FTopLinePunct && FTopLinePunct->Available())
        NyqWriteChild(writer, "w:topLinePunct", *FTopLinePunct);
    if (FAutoSpaceDE && FAutoSpaceDE->Available())
        NyqWriteChild(writer, "w:autoSpaceDE", *FAutoSpaceDE);
    if (FAutoSpaceDN && FAutoSpaceDN->Available())
        NyqWriteChild(writer, "w:autoSpaceDN", *FAutoSpaceDN);
    if (FBidi && FBidi->Available())
        NyqWriteChild(writer, "w:bidi", *FBidi);
    if (FAdjustRightInd && FAdjustRightInd->Available())
        NyqWriteChild(writer, "w:adjustRightInd", *FAdjustRightInd);
    if (FSnapToGrid && FSnapToGrid->Available())
        NyqWriteChild(writer, "w:snapToGrid", *FSnapToGrid);
    if (FSpacing && FSpacing->Available())
        NyqWriteChild(writer, "w:spacing", *FSpacing);
    if (FInd && FInd->Available())
        NyqWriteChild(writer, "w:ind", *FInd);
    if (FContextualSpacing && FContextualSpacing->Available())
        NyqWriteChild(writer, "w:contextualSpacing", *FContextualSpacing);
    if (FMirrorIndents && FMirrorIndents->Available())
        NyqWriteChild(writer, "w:mirrorIndents", *FMirrorIndents);
    if (FSuppressOverlap && FSuppressOverlap->Available())
        NyqWriteChild(writer, "w:suppressOverlap", *FSuppressOverlap);
    if (FJc && FJc->Available())
        NyqWriteChild(writer, "w:jc", *FJc);
    if (FTextDirection && FTextDirection->Available())
        NyqWriteChild(writer, "w:textDirection", *FTextDirection);
    if (FTextAlignment && FTextAlignment->Available())
        NyqWriteChild(writer, "w:textAlignment", *FTextAlignment);
    if (FTextboxTightWrap && FTextboxTightWrap->Available())
        NyqWriteChild(writer, "w:textboxTightWrap", *FTextboxTightWrap);
    if (FOutlineLvl && FOutlineLvl->Available())
        NyqWriteChild(writer, "w:outlineLvl", *FOutlineLvl);
    if (FDivId && FDivId->Available())
        NyqWriteChild(writer, "w:divId", *FDivId);
    if (FCnfStyle && FCnfStyle->Available())
        NyqWriteChild(writer, "w:cnfStyle", *FCnfStyle);
    if (FRPr && FRPr->Available())
        NyqWriteChild(writer, "w:rPr", *FRPr);
    if (FSectPr && FSectPr->Available())
        NyqWriteChild(writer, "w:sectPr", *FSectPr);
    if (FPPrChange && FPPrChange->Available())
        NyqWriteChild(writer, "w:pPrChange", *FPPrChange);
    FAny.Write(writer);
}

void TCT_PPr::Clear()
{
    TNYQBase::Clear();
    FPStyle.reset();
    FKeepNext.reset();
    FKeepLines.reset();
    FPageBreakBefore.reset();
    FFramePr.reset();
    FWidowControl.reset();
    FNumPr.reset();
    FSuppressLineNumbers.reset();
    FPBdr.reset();
    FShd.reset();
    FTabs.reset();
    FSuppressAutoHyphens.reset();
    FKinsoku.reset();
    FWordWrap.reset();
    FOverflowPunct.reset();
    FTopLinePunct.reset();
    FAutoSpaceDE.reset();
    FAutoSpaceDN.reset();
    FBidi.reset();
    FAdjustRightInd.reset();
    FSnapToGrid.reset();
    FSpacing.reset();
    FInd.reset();
    FContextualSpacing.reset();
    FMirrorIndents.reset();
    FSuppressOverlap.reset();
    FJc.reset();
    FTextDirection.reset();
    FTextAlignment.reset();
    FTextboxTightWrap.reset();
    FOutlineLvl.reset();
    FDivId.reset();
    FCnfStyle.reset();
    FRPr.reset();
    FSectPr.reset();
    FPPrChange.reset();
    FAny.Clear();
}

void TCT_PPr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PPr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FPStyle)
        Create_PStyle().Assign(*o->FPStyle);
    if (o->FKeepNext)
        Create_KeepNext().Assign(*o->FKeepNext);
    if (o->FKeepLines)
        Create_KeepLines().Assign(*o->FKeepLines);
    if (o->FPageBreakBefore)
        Create_PageBreakBefore().Assign(*o->FPageBreakBefore);
    if (o->FFramePr)
        Create_FramePr().Assign(*o->FFramePr);
    if (o->FWidowControl)
        Create_WidowControl().Assign(*o->FWidowControl);
    if (o->FNumPr)
        Create_NumPr().Assign(*o->FNumPr);
    if (o->FSuppressLineNumbers)
        Create_SuppressLineNumbers().Assign(*o->FSuppressLineNumbers);
    if (o->FPBdr)
        Create_PBdr().Assign(*o->FPBdr);
    if (o->FShd)
        Create_Shd().Assign(*o->FShd);
    if (o->FTabs)
        Create_Tabs().Assign(*o->FTabs);
    if (o->FSuppressAutoHyphens)
        Create_SuppressAutoHyphens().Assign(*o->FSuppressAutoHyphens);
    if (o->FKinsoku)
        Create_Kinsoku().Assign(*o->FKinsoku);
    if (o->FWordWrap)
        Create_WordWrap().Assign(*o->FWordWrap);
    if (o->FOverflowPunct)
        Create_OverflowPunct().Assign(*o->FOverflowPunct);
    if (o->FTopLinePunct)
        Create_TopLinePunct().Assign(*o->FTopLinePunct);
    if (o->FAutoSpaceDE)
        Create_AutoSpaceDE().Assign(*o->FAutoSpaceDE);
    if (o->FAutoSpaceDN)
        Create_AutoSpaceDN().Assign(*o->FAutoSpaceDN);
    if (o->FBidi)
        Create_Bidi().Assign(*o->FBidi);
    if (o->FAdjustRightInd)
        Create_AdjustRightInd().Assign(*o->FAdjustRightInd);
    if (o->FSnapToGrid)
        Create_SnapToGrid().Assign(*o->FSnapToGrid);
    if (o->FSpacing)
        Create_Spacing().Assign(*o->FSpacing);
    if (o->FInd)
        Create_Ind().Assign(*o->FInd);
    if (o->FContextualSpacing)
        Create_ContextualSpacing().Assign(*o->FContextualSpacing);
    if (o->FMirrorIndents)
        Create_MirrorIndents().Assign(*o->FMirrorIndents);
    if (o->FSuppressOverlap)
        Create_SuppressOverlap().Assign(*o->FSuppressOverlap);
    if (o->FJc)
        Create_Jc().Assign(*o->FJc);
    if (o->FTextDirection)
        Create_TextDirection().Assign(*o->FTextDirection);
    if (o->FTextAlignment)
        Create_TextAlignment().Assign(*o->FTextAlignment);
    if (o->FTextboxTightWrap)
        Create_TextboxTightWrap().Assign(*o->FTextboxTightWrap);
    if (o->FOutlineLvl)
        Create_OutlineLvl().Assign(*o->FOutlineLvl);
    if (o->FDivId)
        Create_DivId().Assign(*o->FDivId);
    if (o->FCnfStyle)
        Create_CnfStyle().Assign(*o->FCnfStyle);
    if (o->FRPr)
        Create_RPr().Assign(*o->FRPr);
    if (o->FSectPr)
        Create_SectPr().Assign(*o->FSectPr);
    if (o->FPPrChange)
        Create_PPrChange().Assign(*o->FPPrChange);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PPr::HasElements() const
{
    return FPStyle != nullptr || FKeepNext != nullptr || FKeepLines != nullptr || FPageBreakBefore != nullptr || FFramePr != nullptr || FWidowControl != nullptr || FNumPr != nullptr || FSuppressLineNumbers != nullptr || FPBdr != nullptr || FShd != nullptr || FTabs != nullptr || FSuppressAutoHyphens != nullptr || FKinsoku != nullptr || FWordWrap != nullptr || FOverflowPunct != nullptr || FTopLinePunct != nullptr || FAutoSpaceDE != nullptr || FAutoSpaceDN != nullptr || FBidi != nullptr || FAdjustRightInd != nullptr || FSnapToGrid != nullptr || FSpacing != nullptr || FInd != nullptr || FContextualSpacing != nullptr || FMirrorIndents != nullptr || FSuppressOverlap != nullptr || FJc != nullptr || FTextDirection != nullptr || FTextAlignment != nullptr || FTextboxTightWrap != nullptr || FOutlineLvl != nullptr || FDivId != nullptr || FCnfStyle != nullptr || FRPr != nullptr || FSectPr != nullptr || FPPrChange != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_CustomXmlRun

namespace {
constexpr std::string_view cTCT_CustomXmlRunFEG_PContentListNames[] = {"w:customXml", "w:smartTag", "w:sdt", "w:dir", "w:bdo", "w:r", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath", "w:fldSimple", "w:hyperlink", "w:subDoc"};
}  // namespace

TCT_CustomXmlRun::TCT_CustomXmlRun() = default;
TCT_CustomXmlRun::~TCT_CustomXmlRun() = default;

TCT_CustomXmlPr& TCT_CustomXmlRun::Create_CustomXmlPr()
{
    if (!FCustomXmlPr) {
        FCustomXmlPr = std::make_unique<TCT_CustomXmlPr>();
        FCustomXmlPr->SetAssigned();
    }
    SetHasChildren();
    return *FCustomXmlPr;
}

TNYQBase* TCT_CustomXmlRun::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 114:
        if (local == "r") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_R>(5);
        }
        break;
    case 309:
        if (local == "bdo") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_BdoContentRun>(4);
        }
        if (local == "del") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(26);
        }
        break;
    case 319:
        if (local == "dir") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_DirContentRun>(3);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SdtRun>(2);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_PContentList.Add<TNYQAnyElement>(30);
        }
        break;
    case 608:
        if (local == "subDoc") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Rel>(33);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(28);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Perm>(8);
        }
        break;
    case 835:
        if (local == "smartTag") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SmartTagRun>(1);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(27);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_ProofErr>(6);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_PContentList.Add<TNYQAnyElement>(29);
        }
        break;
    case 928:
        if (local == "fldSimple") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SimpleField>(31);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_PermStart>(7);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_CustomXmlRun>(0);
        }
        break;
    case 982:
        if (local == "hyperlink") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Hyperlink>(32);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(10);
        }
        break;
    case 1166:
        if (local == "customXmlPr") {
            return &Create_CustomXmlPr();
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Bookmark>(9);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(14);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(16);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MoveBookmark>(13);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(15);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MoveBookmark>(11);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(20);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(18);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(19);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(17);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(24);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(22);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(23);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(21);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_CustomXmlRun::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 336:
            if (local == "uri") {
                FUri = attrs.GetValues(i);
                continue;
            }
            break;
        case 746:
            if (local == "element") {
                FElement = attrs.GetValues(i);
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

void TCT_CustomXmlRun::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FUri)
        writer.AddAttribute("w:uri", *FUri);
    writer.AddAttribute("w:element", FElement);
}

void TCT_CustomXmlRun::Write(TNyqWriteXML& writer) const
{
    if (FCustomXmlPr && FCustomXmlPr->Available())
        NyqWriteChild(writer, "w:customXmlPr", *FCustomXmlPr);
    for (const auto& item : FEG_PContentList.GetItems())
        NyqWriteChild(writer, cTCT_CustomXmlRunFEG_PContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_CustomXmlRun::Clear()
{
    TNYQBase::Clear();
    FUri = {};
    FElement = {};
    FCustomXmlPr.reset();
    FEG_PContentList.Clear();
    FAny.Clear();
}

void TCT_CustomXmlRun::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_CustomXmlRun*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FUri = o->FUri;
    FElement = o->FElement;
    if (o->FCustomXmlPr)
        Create_CustomXmlPr().Assign(*o->FCustomXmlPr);
    for (const auto& item : o->FEG_PContentList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_PContentList.Add<TCT_CustomXmlRun>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_PContentList.Add<TCT_SmartTagRun>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_PContentList.Add<TCT_SdtRun>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_PContentList.Add<TCT_DirContentRun>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_PContentList.Add<TCT_BdoContentRun>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_PContentList.Add<TCT_R>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_PContentList.Add<TCT_ProofErr>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_PContentList.Add<TCT_PermStart>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_PContentList.Add<TCT_Perm>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_PContentList.Add<TCT_Bookmark>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_PContentList.Add<TCT_MarkupRange>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_PContentList.Add<TCT_MoveBookmark>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_PContentList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_PContentList.Add<TCT_MoveBookmark>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_PContentList.Add<TCT_MarkupRange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_PContentList.Add<TCT_MarkupRange>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_PContentList.Add<TCT_MarkupRange>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_PContentList.Add<TCT_TrackChange>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_PContentList.Add<TCT_Markup>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_PContentList.Add<TCT_TrackChange>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_PContentList.Add<TCT_Markup>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_PContentList.Add<TCT_TrackChange>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_PContentList.Add<TCT_Markup>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_PContentList.Add<TCT_TrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_PContentList.Add<TCT_Markup>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_PContentList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_PContentList.Add<TCT_RunTrackChange>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_PContentList.Add<TCT_RunTrackChange>(27).Assign(*item.Object);
            break;
        case 28:
            FEG_PContentList.Add<TCT_RunTrackChange>(28).Assign(*item.Object);
            break;
        case 29:
            FEG_PContentList.Add<TNYQAnyElement>(29).Assign(*item.Object);
            break;
        case 30:
            FEG_PContentList.Add<TNYQAnyElement>(30).Assign(*item.Object);
            break;
        case 31:
            FEG_PContentList.Add<TCT_SimpleField>(31).Assign(*item.Object);
            break;
        case 32:
            FEG_PContentList.Add<TCT_Hyperlink>(32).Assign(*item.Object);
            break;
        case 33:
            FEG_PContentList.Add<TCT_Rel>(33).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_CustomXmlRun::HasElements() const
{
    return FCustomXmlPr != nullptr || FEG_PContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SmartTagRun

namespace {
constexpr std::string_view cTCT_SmartTagRunFEG_PContentListNames[] = {"w:customXml", "w:smartTag", "w:sdt", "w:dir", "w:bdo", "w:r", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath", "w:fldSimple", "w:hyperlink", "w:subDoc"};
}  // namespace

TCT_SmartTagRun::TCT_SmartTagRun() = default;
TCT_SmartTagRun::~TCT_SmartTagRun() = default;

TCT_SmartTagPr& TCT_SmartTagRun::Create_SmartTagPr()
{
    if (!FSmartTagPr) {
        FSmartTagPr = std::make_unique<TCT_SmartTagPr>();
        FSmartTagPr->SetAssigned();
    }
    SetHasChildren();
    return *FSmartTagPr;
}

TNYQBase* TCT_SmartTagRun::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 114:
        if (local == "r") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_R>(5);
        }
        break;
    case 309:
        if (local == "bdo") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_BdoContentRun>(4);
        }
        if (local == "del") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(26);
        }
        break;
    case 319:
        if (local == "dir") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_DirContentRun>(3);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SdtRun>(2);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_PContentList.Add<TNYQAnyElement>(30);
        }
        break;
    case 608:
        if (local == "subDoc") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Rel>(33);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(28);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Perm>(8);
        }
        break;
    case 835:
        if (local == "smartTag") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SmartTagRun>(1);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(27);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_ProofErr>(6);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_PContentList.Add<TNYQAnyElement>(29);
        }
        break;
    case 928:
        if (local == "fldSimple") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SimpleField>(31);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_PermStart>(7);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_CustomXmlRun>(0);
        }
        break;
    case 982:
        if (local == "hyperlink") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Hyperlink>(32);
        }
        break;
    case 1029:
        if (local == "smartTagPr") {
            return &Create_SmartTagPr();
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(10);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Bookmark>(9);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(14);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(16);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MoveBookmark>(13);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(15);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MoveBookmark>(11);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(20);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(18);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(19);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(17);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(24);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(22);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(23);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(21);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SmartTagRun::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 336:
            if (local == "uri") {
                FUri = attrs.GetValues(i);
                continue;
            }
            break;
        case 746:
            if (local == "element") {
                FElement = attrs.GetValues(i);
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

void TCT_SmartTagRun::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FUri)
        writer.AddAttribute("w:uri", *FUri);
    writer.AddAttribute("w:element", FElement);
}

void TCT_SmartTagRun::Write(TNyqWriteXML& writer) const
{
    if (FSmartTagPr && FSmartTagPr->Available())
        NyqWriteChild(writer, "w:smartTagPr", *FSmartTagPr);
    for (const auto& item : FEG_PContentList.GetItems())
        NyqWriteChild(writer, cTCT_SmartTagRunFEG_PContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_SmartTagRun::Clear()
{
    TNYQBase::Clear();
    FUri = {};
    FElement = {};
    FSmartTagPr.reset();
    FEG_PContentList.Clear();
    FAny.Clear();
}

void TCT_SmartTagRun::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SmartTagRun*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FUri = o->FUri;
    FElement = o->FElement;
    if (o->FSmartTagPr)
        Create_SmartTagPr().Assign(*o->FSmartTagPr);
    for (const auto& item : o->FEG_PContentList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_PContentList.Add<TCT_CustomXmlRun>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_PContentList.Add<TCT_SmartTagRun>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_PContentList.Add<TCT_SdtRun>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_PContentList.Add<TCT_DirContentRun>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_PContentList.Add<TCT_BdoContentRun>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_PContentList.Add<TCT_R>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_PContentList.Add<TCT_ProofErr>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_PContentList.Add<TCT_PermStart>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_PContentList.Add<TCT_Perm>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_PContentList.Add<TCT_Bookmark>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_PContentList.Add<TCT_MarkupRange>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_PContentList.Add<TCT_MoveBookmark>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_PContentList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_PContentList.Add<TCT_MoveBookmark>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_PContentList.Add<TCT_MarkupRange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_PContentList.Add<TCT_MarkupRange>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_PContentList.Add<TCT_MarkupRange>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_PContentList.Add<TCT_TrackChange>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_PContentList.Add<TCT_Markup>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_PContentList.Add<TCT_TrackChange>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_PContentList.Add<TCT_Markup>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_PContentList.Add<TCT_TrackChange>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_PContentList.Add<TCT_Markup>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_PContentList.Add<TCT_TrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_PContentList.Add<TCT_Markup>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_PContentList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_PContentList.Add<TCT_RunTrackChange>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_PContentList.Add<TCT_RunTrackChange>(27).Assign(*item.Object);
            break;
        case 28:
            FEG_PContentList.Add<TCT_RunTrackChange>(28).Assign(*item.Object);
            break;
        case 29:
            FEG_PContentList.Add<TNYQAnyElement>(29).Assign(*item.Object);
            break;
        case 30:
            FEG_PContentList.Add<TNYQAnyElement>(30).Assign(*item.Object);
            break;
        case 31:
            FEG_PContentList.Add<TCT_SimpleField>(31).Assign(*item.Object);
            break;
        case 32:
            FEG_PContentList.Add<TCT_Hyperlink>(32).Assign(*item.Object);
            break;
        case 33:
            FEG_PContentList.Add<TCT_Rel>(33).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SmartTagRun::HasElements() const
{
    return FSmartTagPr != nullptr || FEG_PContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtRun

TCT_SdtRun::TCT_SdtRun() = default;
TCT_SdtRun::~TCT_SdtRun() = default;

TCT_SdtPr& TCT_SdtRun::Create_SdtPr()
{
    if (!FSdtPr) {
        FSdtPr = std::make_unique<TCT_SdtPr>();
        FSdtPr->SetAssigned();
    }
    SetHasChildren();
    return *FSdtPr;
}

TCT_SdtEndPr& TCT_SdtRun::Create_SdtEndPr()
{
    if (!FSdtEndPr) {
        FSdtEndPr = std::make_unique<TCT_SdtEndPr>();
        FSdtEndPr->SetAssigned();
    }
    SetHasChildren();
    return *FSdtEndPr;
}

TCT_SdtContentRun& TCT_SdtRun::Create_SdtContent()
{
    if (!FSdtContent) {
        FSdtContent = std::make_unique<TCT_SdtContentRun>();
        FSdtContent->SetAssigned();
    }
    SetHasChildren();
    return *FSdtContent;
}

TNYQBase* TCT_SdtRun::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 525:
        if (local == "sdtPr") {
            return &Create_SdtPr();
        }
        break;
    case 804:
        if (local == "sdtEndPr") {
            return &Create_SdtEndPr();
        }
        break;
    case 1062:
        if (local == "sdtContent") {
            return &Create_SdtContent();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SdtRun::Write(TNyqWriteXML& writer) const
{
    if (FSdtPr && FSdtPr->Available())
        NyqWriteChild(writer, "w:sdtPr", *FSdtPr);
    if (FSdtEndPr && FSdtEndPr->Available())
        NyqWriteChild(writer, "w:sdtEndPr", *FSdtEndPr);
    if (FSdtContent && FSdtContent->Available())
        NyqWriteChild(writer, "w:sdtContent", *FSdtContent);
    FAny.Write(writer);
}

void TCT_SdtRun::Clear()
{
    TNYQBase::Clear();
    FSdtPr.reset();
    FSdtEndPr.reset();
    FSdtContent.reset();
    FAny.Clear();
}

void TCT_SdtRun::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtRun*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FSdtPr)
        Create_SdtPr().Assign(*o->FSdtPr);
    if (o->FSdtEndPr)
        Create_SdtEndPr().Assign(*o->FSdtEndPr);
    if (o->FSdtContent)
        Create_SdtContent().Assign(*o->FSdtContent);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SdtRun::HasElements() const
{
    return FSdtPr != nullptr || FSdtEndPr != nullptr || FSdtContent != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_DirContentRun

namespace {
constexpr std::string_view cTCT_DirContentRunFEG_PContentListNames[] = {"w:customXml", "w:smartTag", "w:sdt", "w:dir", "w:bdo", "w:r", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath", "w:fldSimple", "w:hyperlink", "w:subDoc"};
}  // namespace

TCT_DirContentRun::TCT_DirContentRun() = default;
TCT_DirContentRun::~TCT_DirContentRun() = default;

TNYQBase* TCT_DirContentRun::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 114:
        if (local == "r") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_R>(5);
        }
        break;
    case 309:
        if (local == "bdo") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_BdoContentRun>(4);
        }
        if (local == "del") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(26);
        }
        break;
    case 319:
        if (local == "dir") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_DirContentRun>(3);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SdtRun>(2);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_PContentList.Add<TNYQAnyElement>(30);
        }
        break;
    case 608:
        if (local == "subDoc") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Rel>(33);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(28);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Perm>(8);
        }
        break;
    case 835:
        if (local == "smartTag") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SmartTagRun>(1);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(27);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_ProofErr>(6);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_PContentList.Add<TNYQAnyElement>(29);
        }
        break;
    case 928:
        if (local == "fldSimple") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SimpleField>(31);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_PermStart>(7);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_CustomXmlRun>(0);
        }
        break;
    case 982:
        if (local == "hyperlink") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Hyperlink>(32);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(10);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Bookmark>(9);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(14);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(16);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MoveBookmark>(13);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(15);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MoveBookmark>(11);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(20);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(18);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(19);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(17);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(24);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(22);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(23);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(21);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_DirContentRun::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_Direction(attrs.GetValues(i)))
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

void TCT_DirContentRun::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", TST_DirectionToStr(*FVal));
}

void TCT_DirContentRun::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_PContentList.GetItems())
        NyqWriteChild(writer, cTCT_DirContentRunFEG_PContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_DirContentRun::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FEG_PContentList.Clear();
    FAny.Clear();
}

void TCT_DirContentRun::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_DirContentRun*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    for (const auto& item : o->FEG_PContentList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_PContentList.Add<TCT_CustomXmlRun>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_PContentList.Add<TCT_SmartTagRun>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_PContentList.Add<TCT_SdtRun>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_PContentList.Add<TCT_DirContentRun>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_PContentList.Add<TCT_BdoContentRun>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_PContentList.Add<TCT_R>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_PContentList.Add<TCT_ProofErr>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_PContentList.Add<TCT_PermStart>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_PContentList.Add<TCT_Perm>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_PContentList.Add<TCT_Bookmark>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_PContentList.Add<TCT_MarkupRange>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_PContentList.Add<TCT_MoveBookmark>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_PContentList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_PContentList.Add<TCT_MoveBookmark>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_PContentList.Add<TCT_MarkupRange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_PContentList.Add<TCT_MarkupRange>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_PContentList.Add<TCT_MarkupRange>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_PContentList.Add<TCT_TrackChange>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_PContentList.Add<TCT_Markup>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_PContentList.Add<TCT_TrackChange>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_PContentList.Add<TCT_Markup>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_PContentList.Add<TCT_TrackChange>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_PContentList.Add<TCT_Markup>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_PContentList.Add<TCT_TrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_PContentList.Add<TCT_Markup>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_PContentList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_PContentList.Add<TCT_RunTrackChange>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_PContentList.Add<TCT_RunTrackChange>(27).Assign(*item.Object);
            break;
        case 28:
            FEG_PContentList.Add<TCT_RunTrackChange>(28).Assign(*item.Object);
            break;
        case 29:
            FEG_PContentList.Add<TNYQAnyElement>(29).Assign(*item.Object);
            break;
        case 30:
            FEG_PContentList.Add<TNYQAnyElement>(30).Assign(*item.Object);
            break;
        case 31:
            FEG_PContentList.Add<TCT_SimpleField>(31).Assign(*item.Object);
            break;
        case 32:
            FEG_PContentList.Add<TCT_Hyperlink>(32).Assign(*item.Object);
            break;
        case 33:
            FEG_PContentList.Add<TCT_Rel>(33).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_DirContentRun::HasElements() const
{
    return FEG_PContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_BdoContentRun

namespace {
constexpr std::string_view cTCT_BdoContentRunFEG_PContentListNames[] = {"w:customXml", "w:smartTag", "w:sdt", "w:dir", "w:bdo", "w:r", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath", "w:fldSimple", "w:hyperlink", "w:subDoc"};
}  // namespace

TCT_BdoContentRun::TCT_BdoContentRun() = default;
TCT_BdoContentRun::~TCT_BdoContentRun() = default;

TNYQBase* TCT_BdoContentRun::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 114:
        if (local == "r") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_R>(5);
        }
        break;
    case 309:
        if (local == "bdo") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_BdoContentRun>(4);
        }
        if (local == "del") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(26);
        }
        break;
    case 319:
        if (local == "dir") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_DirContentRun>(3);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SdtRun>(2);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_PContentList.Add<TNYQAnyElement>(30);
        }
        break;
    case 608:
        if (local == "subDoc") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Rel>(33);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(28);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Perm>(8);
        }
        break;
    case 835:
        if (local == "smartTag") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SmartTagRun>(1);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(27);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_ProofErr>(6);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_PContentList.Add<TNYQAnyElement>(29);
        }
        break;
    case 928:
        if (local == "fldSimple") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SimpleField>(31);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_PermStart>(7);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_CustomXmlRun>(0);
        }
        break;
    case 982:
        if (local == "hyperlink") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Hyperlink>(32);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(10);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Bookmark>(9);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(14);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(16);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MoveBookmark>(13);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(15);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MoveBookmark>(11);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(20);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(18);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(19);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(17);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(24);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(22);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(23);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(21);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_BdoContentRun::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_Direction(attrs.GetValues(i)))
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

void TCT_BdoContentRun::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", TST_DirectionToStr(*FVal));
}

void TCT_BdoContentRun::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_PContentList.GetItems())
        NyqWriteChild(writer, cTCT_BdoContentRunFEG_PContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_BdoContentRun::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FEG_PContentList.Clear();
    FAny.Clear();
}

void TCT_BdoContentRun::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_BdoContentRun*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    for (const auto& item : o->FEG_PContentList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_PContentList.Add<TCT_CustomXmlRun>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_PContentList.Add<TCT_SmartTagRun>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_PContentList.Add<TCT_SdtRun>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_PContentList.Add<TCT_DirContentRun>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_PContentList.Add<TCT_BdoContentRun>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_PContentList.Add<TCT_R>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_PContentList.Add<TCT_ProofErr>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_PContentList.Add<TCT_PermStart>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_PContentList.Add<TCT_Perm>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_PContentList.Add<TCT_Bookmark>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_PContentList.Add<TCT_MarkupRange>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_PContentList.Add<TCT_MoveBookmark>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_PContentList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_PContentList.Add<TCT_MoveBookmark>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_PContentList.Add<TCT_MarkupRange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_PContentList.Add<TCT_MarkupRange>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_PContentList.Add<TCT_MarkupRange>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_PContentList.Add<TCT_TrackChange>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_PContentList.Add<TCT_Markup>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_PContentList.Add<TCT_TrackChange>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_PContentList.Add<TCT_Markup>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_PContentList.Add<TCT_TrackChange>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_PContentList.Add<TCT_Markup>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_PContentList.Add<TCT_TrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_PContentList.Add<TCT_Markup>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_PContentList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_PContentList.Add<TCT_RunTrackChange>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_PContentList.Add<TCT_RunTrackChange>(27).Assign(*item.Object);
            break;
        case 28:
            FEG_PContentList.Add<TCT_RunTrackChange>(28).Assign(*item.Object);
            break;
        case 29:
            FEG_PContentList.Add<TNYQAnyElement>(29).Assign(*item.Object);
            break;
        case 30:
            FEG_PContentList.Add<TNYQAnyElement>(30).Assign(*item.Object);
            break;
        case 31:
            FEG_PContentList.Add<TCT_SimpleField>(31).Assign(*item.Object);
            break;
        case 32:
            FEG_PContentList.Add<TCT_Hyperlink>(32).Assign(*item.Object);
            break;
        case 33:
            FEG_PContentList.Add<TCT_Rel>(33).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_BdoContentRun::HasElements() const
{
    return FEG_PContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_R

namespace {
constexpr std::string_view cTCT_RFEG_RunInnerContentListNames[] = {"w:br", "w:t", "w:contentPart", "w:delText", "w:instrText", "w:delInstrText", "w:noBreakHyphen", "w:softHyphen", "w:dayShort", "w:monthShort", "w:yearShort", "w:dayLong", "w:monthLong", "w:yearLong", "w:annotationRef", "w:footnoteRef", "w:endnoteRef", "w:separator", "w:continuationSeparator", "w:sym", "w:pgNum", "w:cr", "w:tab", "w:object", "w:pict", "w:fldChar", "w:ruby", "w:footnoteReference", "w:endnoteReference", "w:commentReference", "w:drawing", "w:ptab", "w:lastRenderedPageBreak"};
}  // namespace

TCT_R::TCT_R() = default;
TCT_R::~TCT_R() = default;

TCT_RPr& TCT_R::Create_RPr()
{
    if (!FRPr) {
        FRPr = std::make_unique<TCT_RPr>();
        FRPr->SetAssigned();
    }
    SetHasChildren();
    return *FRPr;
}

TNYQBase* TCT_R::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 116:
        if (local == "t") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Text>(1);
        }
        break;
    case 212:
        if (local == "br") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Br>(0);
        }
        break;
    case 213:
        if (local == "cr") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(21);
        }
        break;
    case 308:
        if (local == "rPr") {
            return &Create_RPr();
        }
        break;
    case 311:
        if (local == "tab") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(22);
        }
        break;
    case 345:
        if (local == "sym") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Sym>(19);
        }
        break;
    case 423:
        if (local == "ptab") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_PTab>(31);
        }
        break;
    case 432:
        if (local == "pict") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Picture>(24);
        }
        break;
    case 450:
        if (local == "ruby") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Ruby>(26);
        }
        break;
    case 519:
        if (local == "pgNum") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(20);
        }
        break;
    case 631:
        if (local == "object") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Object>(23);
        }
        break;
    case 692:
        if (local == "fldChar") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_FldChar>(25);
        }
        break;
    case 718:
        if (local == "dayLong") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(11);
        }
        break;
    case 730:
        if (local == "delText") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Text>(3);
        }
        break;
    case 748:
        if (local == "drawing") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Drawing>(30);
        }
        break;
    case 833:
        if (local == "yearLong") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(13);
        }
        break;
    case 846:
        if (local == "dayShort") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(8);
        }
        break;
    case 950:
        if (local == "monthLong") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(12);
        }
        break;
    case 961:
        if (local == "yearShort") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(10);
        }
        break;
    case 977:
        if (local == "separator") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(17);
        }
        break;
    case 981:
        if (local == "instrText") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Text>(4);
        }
        break;
    case 1034:
        if (local == "endnoteRef") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(16);
        }
        break;
    case 1064:
        if (local == "softHyphen") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(7);
        }
        break;
    case 1078:
        if (local == "monthShort") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(9);
        }
        break;
    case 1163:
        if (local == "footnoteRef") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(15);
        }
        break;
    case 1170:
        if (local == "contentPart") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Rel>(2);
        }
        break;
    case 1258:
        if (local == "delInstrText") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Text>(5);
        }
        break;
    case 1326:
        if (local == "noBreakHyphen") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(6);
        }
        break;
    case 1368:
        if (local == "annotationRef") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(14);
        }
        break;
    case 1660:
        if (local == "endnoteReference") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_FtnEdnRef>(28);
        }
        break;
    case 1666:
        if (local == "commentReference") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Markup>(29);
        }
        break;
    case 1789:
        if (local == "footnoteReference") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_FtnEdnRef>(27);
        }
        break;
    case 2111:
        if (local == "lastRenderedPageBreak") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(32);
        }
        break;
    case 2252:
        if (local == "continuationSeparator") {
            SetHasChildren();
            return &FEG_RunInnerContentList.Add<TCT_Empty>(18);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_R::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 516:
            if (local == "rsidR") {
                FRsidR = attrs.GetValues(i);
                continue;
            }
            break;
        case 710:
            if (local == "rsidRPr") {
                FRsidRPr = attrs.GetValues(i);
                continue;
            }
            break;
        case 711:
            if (local == "rsidDel") {
                FRsidDel = attrs.GetValues(i);
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

void TCT_R::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FRsidRPr)
        writer.AddAttribute("w:rsidRPr", *FRsidRPr);
    if (FRsidDel)
        writer.AddAttribute("w:rsidDel", *FRsidDel);
    if (FRsidR)
        writer.AddAttribute("w:rsidR", *FRsidR);
}

void TCT_R::Write(TNyqWriteXML& writer) const
{
    if (FRPr && FRPr->Available())
        NyqWriteChild(writer, "w:rPr", *FRPr);
    for (const auto& item : FEG_RunInnerContentList.GetItems())
        NyqWriteChild(writer, cTCT_RFEG_RunInnerContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_R::Clear()
{
    TNYQBase::Clear();
    FRsidRPr = {};
    FRsidDel = {};
    FRsidR = {};
    FRPr.reset();
    FEG_RunInnerContentList.Clear();
    FAny.Clear();
}

void TCT_R::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_R*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FRsidRPr = o->FRsidRPr;
    FRsidDel = o->FRsidDel;
    FRsidR = o->FRsidR;
    if (o->FRPr)
        Create_RPr().Assign(*o->FRPr);
    for (const auto& item : o->FEG_RunInnerContentList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_RunInnerContentList.Add<TCT_Br>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_RunInnerContentList.Add<TCT_Text>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_RunInnerContentList.Add<TCT_Rel>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_RunInnerContentList.Add<TCT_Text>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_RunInnerContentList.Add<TCT_Text>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_RunInnerContentList.Add<TCT_Text>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_RunInnerContentList.Add<TCT_Empty>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_RunInnerContentList.Add<TCT_Empty>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_RunInnerContentList.Add<TCT_Empty>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_RunInnerContentList.Add<TCT_Empty>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_RunInnerContentList.Add<TCT_Empty>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_RunInnerContentList.Add<TCT_Empty>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_RunInnerContentList.Add<TCT_Empty>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_RunInnerContentList.Add<TCT_Empty>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_RunInnerContentList.Add<TCT_Empty>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_RunInnerContentList.Add<TCT_Empty>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_RunInnerContentList.Add<TCT_Empty>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_RunInnerContentList.Add<TCT_Empty>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_RunInnerContentList.Add<TCT_Empty>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_RunInnerContentList.Add<TCT_Sym>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_RunInnerContentList.Add<TCT_Empty>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_RunInnerContentList.Add<TCT_Empty>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_RunInnerContentList.Add<TCT_Empty>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_RunInnerContentList.Add<TCT_Object>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_RunInnerContentList.Add<TCT_Picture>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_RunInnerContentList.Add<TCT_FldChar>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_RunInnerContentList.Add<TCT_Ruby>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_RunInnerContentList.Add<TCT_FtnEdnRef>(27).Assign(*item.Object);
            break;
        case 28:
            FEG_RunInnerContentList.Add<TCT_FtnEdnRef>(28).Assign(*item.Object);
            break;
        case 29:
            FEG_RunInnerContentList.Add<TCT_Markup>(29).Assign(*item.Object);
            break;
        case 30:
            FEG_RunInnerContentList.Add<TCT_Drawing>(30).Assign(*item.Object);
            break;
        case 31:
            FEG_RunInnerContentList.Add<TCT_PTab>(31).Assign(*item.Object);
            break;
        case 32:
            FEG_RunInnerContentList.Add<TCT_Empty>(32).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_R::HasElements() const
{
    return FRPr != nullptr || FEG_RunInnerContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SimpleField

namespace {
constexpr std::string_view cTCT_SimpleFieldFEG_PContentListNames[] = {"w:customXml", "w:smartTag", "w:sdt", "w:dir", "w:bdo", "w:r", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath", "w:fldSimple", "w:hyperlink", "w:subDoc"};
}  // namespace

TCT_SimpleField::TCT_SimpleField() = default;
TCT_SimpleField::~TCT_SimpleField() = default;

TCT_Text& TCT_SimpleField::Create_FldData()
{
    if (!FFldData) {
        FFldData = std::make_unique<TCT_Text>();
        FFldData->SetAssigned();
    }
    SetHasChildren();
    return *FFldData;
}

TNYQBase* TCT_SimpleField::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 114:
        if (local == "r") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_R>(5);
        }
        break;
    case 309:
        if (local == "bdo") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_BdoContentRun>(4);
        }
        if (local == "del") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(26);
        }
        break;
    case 319:
        if (local == "dir") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_DirContentRun>(3);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SdtRun>(2);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_PContentList.Add<TNYQAnyElement>(30);
        }
        break;
    case 608:
        if (local == "subDoc") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Rel>(33);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(28);
        }
        break;
    case 688:
        if (local == "fldData") {
            return &Create_FldData();
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Perm>(8);
        }
        break;
    case 835:
        if (local == "smartTag") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SmartTagRun>(1);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(27);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_ProofErr>(6);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_PContentList.Add<TNYQAnyElement>(29);
        }
        break;
    case 928:
        if (local == "fldSimple") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SimpleField>(31);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_PermStart>(7);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_CustomXmlRun>(0);
        }
        break;
    case 982:
        if (local == "hyperlink") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Hyperlink>(32);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(10);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Bookmark>(9);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(14);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(16);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MoveBookmark>(13);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(15);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MoveBookmark>(11);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(20);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(18);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(19);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(17);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(24);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(22);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(23);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(21);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SimpleField::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 556:
            if (local == "dirty") {
                FDirty = attrs.GetValues(i);
                continue;
            }
            break;
        case 560:
            if (local == "instr") {
                FInstr = attrs.GetValues(i);
                continue;
            }
            break;
        case 703:
            if (local == "fldLock") {
                FFldLock = attrs.GetValues(i);
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

void TCT_SimpleField::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:instr", FInstr);
    if (FFldLock)
        writer.AddAttribute("w:fldLock", *FFldLock);
    if (FDirty)
        writer.AddAttribute("w:dirty", *FDirty);
}

void TCT_SimpleField::Write(TNyqWriteXML& writer) const
{
    if (FFldData && FFldData->Available())
        NyqWriteChild(writer, "w:fldData", *FFldData);
    for (const auto& item : FEG_PContentList.GetItems())
        NyqWriteChild(writer, cTCT_SimpleFieldFEG_PContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_SimpleField::Clear()
{
    TNYQBase::Clear();
    FInstr = {};
    FFldLock = {};
    FDirty = {};
    FFldData.reset();
    FEG_PContentList.Clear();
    FAny.Clear();
}

void TCT_SimpleField::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SimpleField*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FInstr = o->FInstr;
    FFldLock = o->FFldLock;
    FDirty = o->FDirty;
    if (o->FFldData)
        Create_FldData().Assign(*o->FFldData);
    for (const auto& item : o->FEG_PContentList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_PContentList.Add<TCT_CustomXmlRun>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_PContentList.Add<TCT_SmartTagRun>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_PContentList.Add<TCT_SdtRun>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_PContentList.Add<TCT_DirContentRun>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_PContentList.Add<TCT_BdoContentRun>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_PContentList.Add<TCT_R>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_PContentList.Add<TCT_ProofErr>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_PContentList.Add<TCT_PermStart>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_PContentList.Add<TCT_Perm>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_PContentList.Add<TCT_Bookmark>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_PContentList.Add<TCT_MarkupRange>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_PContentList.Add<TCT_MoveBookmark>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_PContentList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_PContentList.Add<TCT_MoveBookmark>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_PContentList.Add<TCT_MarkupRange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_PContentList.Add<TCT_MarkupRange>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_PContentList.Add<TCT_MarkupRange>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_PContentList.Add<TCT_TrackChange>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_PContentList.Add<TCT_Markup>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_PContentList.Add<TCT_TrackChange>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_PContentList.Add<TCT_Markup>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_PContentList.Add<TCT_TrackChange>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_PContentList.Add<TCT_Markup>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_PContentList.Add<TCT_TrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_PContentList.Add<TCT_Markup>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_PContentList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_PContentList.Add<TCT_RunTrackChange>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_PContentList.Add<TCT_RunTrackChange>(27).Assign(*item.Object);
            break;
        case 28:
            FEG_PContentList.Add<TCT_RunTrackChange>(28).Assign(*item.Object);
            break;
        case 29:
            FEG_PContentList.Add<TNYQAnyElement>(29).Assign(*item.Object);
            break;
        case 30:
            FEG_PContentList.Add<TNYQAnyElement>(30).Assign(*item.Object);
            break;
        case 31:
            FEG_PContentList.Add<TCT_SimpleField>(31).Assign(*item.Object);
            break;
        case 32:
            FEG_PContentList.Add<TCT_Hyperlink>(32).Assign(*item.Object);
            break;
        case 33:
            FEG_PContentList.Add<TCT_Rel>(33).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SimpleField::HasElements() const
{
    return FFldData != nullptr || FEG_PContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Hyperlink

namespace {
constexpr std::string_view cTCT_HyperlinkFEG_PContentListNames[] = {"w:customXml", "w:smartTag", "w:sdt", "w:dir", "w:bdo", "w:r", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath", "w:fldSimple", "w:hyperlink", "w:subDoc"};
}  // namespace

TCT_Hyperlink::TCT_Hyperlink() = default;
TCT_Hyperlink::~TCT_Hyperlink() = default;

TNYQBase* TCT_Hyperlink::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 114:
        if (local == "r") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_R>(5);
        }
        break;
    case 309:
        if (local == "bdo") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_BdoContentRun>(4);
        }
        if (local == "del") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(26);
        }
        break;
    case 319:
        if (local == "dir") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_DirContentRun>(3);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SdtRun>(2);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_PContentList.Add<TNYQAnyElement>(30);
        }
        break;
    case 608:
        if (local == "subDoc") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Rel>(33);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(28);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Perm>(8);
        }
        break;
    case 835:
        if (local == "smartTag") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SmartTagRun>(1);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_RunTrackChange>(27);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_ProofErr>(6);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_PContentList.Add<TNYQAnyElement>(29);
        }
        break;
    case 928:
        if (local == "fldSimple") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_SimpleField>(31);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_PermStart>(7);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_CustomXmlRun>(0);
        }
        break;
    case 982:
        if (local == "hyperlink") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Hyperlink>(32);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(10);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Bookmark>(9);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(14);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(16);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MoveBookmark>(13);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MarkupRange>(15);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_MoveBookmark>(11);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(20);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(18);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(19);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(17);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(24);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_Markup>(22);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(23);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_PContentList.Add<TCT_TrackChange>(21);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Hyperlink::AssignAttributes(TNYQReader& reader)
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
        case 635:
            if (local == "anchor") {
                FAnchor = attrs.GetValues(i);
                continue;
            }
            break;
        case 779:
            if (local == "tooltip") {
                FTooltip = attrs.GetValues(i);
                continue;
            }
            break;
        case 786:
            if (local == "history") {
                FHistory = attrs.GetValues(i);
                continue;
            }
            break;
        case 826:
            if (local == "tgtFrame") {
                FTgtFrame = attrs.GetValues(i);
                continue;
            }
            break;
        case 1135:
            if (local == "docLocation") {
                FDocLocation = attrs.GetValues(i);
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

void TCT_Hyperlink::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FTgtFrame)
        writer.AddAttribute("w:tgtFrame", *FTgtFrame);
    if (FTooltip)
        writer.AddAttribute("w:tooltip", *FTooltip);
    if (FDocLocation)
        writer.AddAttribute("w:docLocation", *FDocLocation);
    if (FHistory)
        writer.AddAttribute("w:history", *FHistory);
    if (FAnchor)
        writer.AddAttribute("w:anchor", *FAnchor);
    if (FId)
        writer.AddAttribute("r:id", *FId);
}

void TCT_Hyperlink::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_PContentList.GetItems())
        NyqWriteChild(writer, cTCT_HyperlinkFEG_PContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_Hyperlink::Clear()
{
    TNYQBase::Clear();
    FTgtFrame = {};
    FTooltip = {};
    FDocLocation = {};
    FHistory = {};
    FAnchor = {};
    FId = {};
    FEG_PContentList.Clear();
    FAny.Clear();
}

void TCT_Hyperlink::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Hyperlink*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FTgtFrame = o->FTgtFrame;
    FTooltip = o->FTooltip;
    FDocLocation = o->FDocLocation;
    FHistory = o->FHistory;
    FAnchor = o->FAnchor;
    FId = o->FId;
    for (const auto& item : o->FEG_PContentList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_PContentList.Add<TCT_CustomXmlRun>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_PContentList.Add<TCT_SmartTagRun>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_PContentList.Add<TCT_SdtRun>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_PContentList.Add<TCT_DirContentRun>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_PContentList.Add<TCT_BdoContentRun>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_PContentList.Add<TCT_R>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_PContentList.Add<TCT_ProofErr>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_PContentList.Add<TCT_PermStart>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_PContentList.Add<TCT_Perm>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_PContentList.Add<TCT_Bookmark>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_PContentList.Add<TCT_MarkupRange>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_PContentList.Add<TCT_MoveBookmark>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_PContentList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_PContentList.Add<TCT_MoveBookmark>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_PContentList.Add<TCT_MarkupRange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_PContentList.Add<TCT_MarkupRange>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_PContentList.Add<TCT_MarkupRange>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_PContentList.Add<TCT_TrackChange>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_PContentList.Add<TCT_Markup>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_PContentList.Add<TCT_TrackChange>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_PContentList.Add<TCT_Markup>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_PContentList.Add<TCT_TrackChange>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_PContentList.Add<TCT_Markup>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_PContentList.Add<TCT_TrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_PContentList.Add<TCT_Markup>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_PContentList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_PContentList.Add<TCT_RunTrackChange>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_PContentList.Add<TCT_RunTrackChange>(27).Assign(*item.Object);
            break;
        case 28:
            FEG_PContentList.Add<TCT_RunTrackChange>(28).Assign(*item.Object);
            break;
        case 29:
            FEG_PContentList.Add<TNYQAnyElement>(29).Assign(*item.Object);
            break;
        case 30:
            FEG_PContentList.Add<TNYQAnyElement>(30).Assign(*item.Object);
            break;
        case 31:
            FEG_PContentList.Add<TCT_SimpleField>(31).Assign(*item.Object);
            break;
        case 32:
            FEG_PContentList.Add<TCT_Hyperlink>(32).Assign(*item.Object);
            break;
        case 33:
            FEG_PContentList.Add<TCT_Rel>(33).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Hyperlink::HasElements() const
{
    return FEG_PContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblPr

TCT_TblPr::TCT_TblPr() = default;
TCT_TblPr::~TCT_TblPr() = default;

TCT_String& TCT_TblPr::Create_TblStyle()
{
    if (!FTblStyle) {
        FTblStyle = std::make_unique<TCT_String>();
        FTblStyle->SetAssigned();
    }
    SetHasChildren();
    return *FTblStyle;
}

TCT_TblPPr& TCT_TblPr::Create_TblpPr()
{
    if (!FTblpPr) {
        FTblpPr = std::make_unique<TCT_TblPPr>();
        FTblpPr->SetAssigned();
    }
    SetHasChildren();
    return *FTblpPr;
}

TCT_TblOverlap& TCT_TblPr::Create_TblOverlap()
{
    if (!FTblOverlap) {
        FTblOverlap = std::make_unique<TCT_TblOverlap>();
        FTblOverlap->SetAssigned();
    }
    SetHasChildren();
    return *FTblOverlap;
}

TCT_OnOff& TCT_TblPr::Create_BidiVisual()
{
    if (!FBidiVisual) {
        FBidiVisual = std::make_unique<TCT_OnOff>();
        FBidiVisual->SetAssigned();
    }
    SetHasChildren();
    return *FBidiVisual;
}

TCT_DecimalNumber& TCT_TblPr::Create_TblStyleRowBandSize()
{
    if (!FTblStyleRowBandSize) {
        FTblStyleRowBandSize = std::make_unique<TCT_DecimalNumber>();
        FTblStyleRowBandSize->SetAssigned();
    }
    SetHasChildren();
    return *FTblStyleRowBandSize;
}

TCT_DecimalNumber& TCT_TblPr::Create_TblStyleColBandSize()
{
    if (!FTblStyleColBandSize) {
        FTblStyleColBandSize = std::make_unique<TCT_DecimalNumber>();
        FTblStyleColBandSize->SetAssigned();
    }
    SetHasChildren();
    return *FTblStyleColBandSize;
}

TCT_TblWidth& TCT_TblPr::Create_TblW()
{
    if (!FTblW) {
        FTblW = std::make_unique<TCT_TblWidth>();
        FTblW->SetAssigned();
    }
    SetHasChildren();
    return *FTblW;
}

TCT_JcTable& TCT_TblPr::Create_Jc()
{
    if (!FJc) {
        FJc = std::make_unique<TCT_JcTable>();
        FJc->SetAssigned();
    }
    SetHasChildren();
    return *FJc;
}

TCT_TblWidth& TCT_TblPr::Create_TblCellSpacing()
{
    if (!FTblCellSpacing) {
        FTblCellSpacing = std::make_unique<TCT_TblWidth>();
        FTblCellSpacing->SetAssigned();
    }
    SetHasChildren();
    return *FTblCellSpacing;
}

TCT_TblWidth& TCT_TblPr::Create_TblInd()
{
    if (!FTblInd) {
        FTblInd = std::make_unique<TCT_TblWidth>();
        FTblInd->SetAssigned();
    }
    SetHasChildren();
    return *FTblInd;
}

TCT_TblBorders& TCT_TblPr::Create_TblBorders()
{
    if (!FTblBorders) {
        FTblBorders = std::make_unique<TCT_TblBorders>();
        FTblBorders->SetAssigned();
    }
    SetHasChildren();
    return *FTblBorders;
}

TCT_Shd& TCT_TblPr::Create_Shd()
{
    if (!FShd) {
        FShd = std::make_unique<TCT_Shd>();
        FShd->SetAssigned();
    }
    SetHasChildren();
    return *FShd;
}

TCT_TblLayoutType& TCT_TblPr::Create_TblLayout()
{
    if (!FTblLayout) {
        FTblLayout = std::make_unique<TCT_TblLayoutType>();
        FTblLayout->SetAssigned();
    }
    SetHasChildren();
    return *FTblLayout;
}

TCT_TblCellMar& TCT_TblPr::Create_TblCellMar()
{
    if (!FTblCellMar) {
        FTblCellMar = std::make_unique<TCT_TblCellMar>();
        FTblCellMar->SetAssigned();
    }
    SetHasChildren();
    return *FTblCellMar;
}

TCT_TblLook& TCT_TblPr::Create_TblLook()
{
    if (!FTblLook) {
        FTblLook = std::make_unique<TCT_TblLook>();
        FTblLook->SetAssigned();
    }
    SetHasChildren();
    return *FTblLook;
}

TCT_String& TCT_TblPr::Create_TblCaption()
{
    if (!FTblCaption) {
        FTblCaption = std::make_unique<TCT_String>();
        FTblCaption->SetAssigned();
    }
    SetHasChildren();
    return *FTblCaption;
}

TCT_String& TCT_TblPr::Create_TblDescription()
{
    if (!FTblDescription) {
        FTblDescription = std::make_unique<TCT_String>();
        FTblDescription->SetAssigned();
    }
    SetHasChildren();
    return *FTblDescription;
}

TCT_TblPrChange& TCT_TblPr::Create_TblPrChange()
{
    if (!FTblPrChange) {
        FTblPrChange = std::make_unique<TCT_TblPrChange>();
        FTblPrChange->SetAssigned();
    }
    SetHasChildren();
    return *FTblPrChange;
}

TNYQBase* TCT_TblPr::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 205:
        if (local == "jc") {
            return &Create_Jc();
        }
        break;
    case 319:
        if (local == "shd") {
            return &Create_Shd();
        }
        break;
    case 409:
        if (local == "tblW") {
            return &Create_TblW();
        }
        break;
    case 605:
        if (local == "tblInd") {
            return &Create_TblInd();
        }
        break;
    case 628:
        if (local == "tblpPr") {
            return &Create_TblpPr();
        }
        break;
    case 727:
        if (local == "tblLook") {
            return &Create_TblLook();
        }
        break;
    case 851:
        if (local == "tblStyle") {
            return &Create_TblStyle();
        }
        break;
    case 960:
        if (local == "tblLayout") {
            return &Create_TblLayout();
        }
        break;
    case 994:
        if (local == "tblCellMar") {
            return &Create_TblCellMar();
        }
        break;
    case 1036:
        if (local == "bidiVisual") {
            return &Create_BidiVisual();
        }
        break;
    case 1040:
        if (local == "tblCaption") {
            return &Create_TblCaption();
        }
        break;
    case 1043:
        if (local == "tblBorders") {
            return &Create_TblBorders();
        }
        break;
    case 1051:
        if (local == "tblOverlap") {
            return &Create_TblOverlap();
        }
        break;
    case 1098:
        if (local == "tblPrChange") {
            return &Create_TblPrChange();
        }
        break;
    case 1415:
        if (local == "tblCellSpacing") {
            return &Create_TblCellSpacing();
        }
        break;
    case 1478:
        if (local == "tblDescription") {
            return &Create_TblDescription();
        }
        break;
    case 1921:
        if (local == "tblStyleColBandSize") {
            return &Create_TblStyleColBandSize();
        }
        break;
    case 1947:
        if (local == "tblStyleRowBandSize") {
            return &Create_TblStyleRowBandSize();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TblPr::Write(TNyqWriteXML& writer) const
{
    if (FTblStyle && FTblStyle->Available())
        NyqWriteChild(writer, "w:tblStyle", *FTblStyle);
    if (FTblpPr && FTblpPr->Available())
        NyqWriteChild(writer, "w:tblpPr", *FTblpPr);
    if (FTblOverlap && FTblOverlap->Available())
        NyqWriteChild(writer, "w:tblOverlap", *FTblOverlap);
    if (FBidiVisual && FBidiVisual->Available())
        NyqWriteChild(writer, "w:bidiVisual", *FBidiVisual);
    if (FTblStyleRowBandSize && FTblStyleRowBandSize->Available())
        NyqWriteChild(writer, "w:tblStyleRowBandSize", *FTblStyleRowBandSize);
    if (FTblStyleColBandSize && FTblStyleColBandSize->Available())
        NyqWriteChild(writer, "w:tblStyleColBandSize", *FTblStyleColBandSize);
    if (FTblW && FTblW->Available())
        NyqWriteChild(writer, "w:tblW", *FTblW);
    if (FJc && FJc->Available())
        NyqWriteChild(writer, "w:jc", *FJc);
    if (FTblCellSpacing && FTblCellSpacing->Available())
        NyqWriteChild(writer, "w:tblCellSpacing", *FTblCellSpacing);
    if (FTblInd && FTblInd->Available())
        NyqWriteChild(writer, "w:tblInd", *FTblInd);
    if (FTblBorders && FTblBorders->Available())
        NyqWriteChild(writer, "w:tblBorders", *FTblBorders);
    if (FShd && FShd->Available())
        NyqWriteChild(writer, "w:shd", *FShd);
    if (FTblLayout && FTblLayout->Available())
        NyqWriteChild(writer, "w:tblLayout", *FTblLayout);
    if (FTblCellMar && FTblCellMar->Available())
        NyqWriteChild(writer, "w:tblCellMar", *FTblCellMar);
    if (FTblLook && FTblLook->Available())
        NyqWriteChild(writer, "w:tblLook", *FTblLook);
    if (FTblCaption && FTblCaption->Available())
        NyqWriteChild(writer, "w:tblCaption", *FTblCaption);
    if (FTblDescription && FTblDescription->Available())
        NyqWriteChild(writer, "w:tblDescription", *FTblDescription);
    if (FTblPrChange && FTblPrChange->Available())
        NyqWriteChild(writer, "w:tblPrChange", *FTblPrChange);
    FAny.Write(writer);
}

void TCT_TblPr::Clear()
{
    TNYQBase::Clear();
    FTblStyle.reset();
    FTblpPr.reset();
    FTblOverlap.reset();
    FBidiVisual.reset();
    FTblStyleRowBandSize.reset();
    FTblStyleColBandSize.reset();
    FTblW.reset();
    FJc.reset();
    FTblCellSpacing.reset();
    FTblInd.reset();
    FTblBorders.reset();
    FShd.reset();
    FTblLayout.reset();
    FTblCellMar.reset();
    FTblLook.reset();
    FTblCaption.reset();
    FTblDescription.reset();
    FTblPrChange.reset();
    FAny.Clear();
}

void TCT_TblPr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblPr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FTblStyle)
        Create_TblStyle().Assign(*o->FTblStyle);
    if (o->FTblpPr)
        Create_TblpPr().Assign(*o->FTblpPr);
    if (o->FTblOverlap)
        Create_TblOverlap().Assign(*o->FTblOverlap);
    if (o->FBidiVisual)
        Create_BidiVisual().Assign(*o->FBidiVisual);
    if (o->FTblStyleRowBandSize)
        Create_TblStyleRowBandSize().Assign(*o->FTblStyleRowBandSize);
    if (o->FTblStyleColBandSize)
        Create_TblStyleColBandSize().Assign(*o->FTblStyleColBandSize);
    if (o->FTblW)
        Create_TblW().Assign(*o->FTblW);
    if (o->FJc)
        Create_Jc().Assign(*o->FJc);
    if (o->FTblCellSpacing)
        Create_TblCellSpacing().Assign(*o->FTblCellSpacing);
    if (o->FTblInd)
        Create_TblInd().Assign(*o->FTblInd);
    if (o->FTblBorders)
        Create_TblBorders().Assign(*o->FTblBorders);
    if (o->FShd)
        Create_Shd().Assign(*o->FShd);
    if (o->FTblLayout)
        Create_TblLayout().Assign(*o->FTblLayout);
    if (o->FTblCellMar)
        Create_TblCellMar().Assign(*o->FTblCellMar);
    if (o->FTblLook)
        Create_TblLook().Assign(*o->FTblLook);
    if (o->FTblCaption)
        Create_TblCaption().Assign(*o->FTblCaption);
    if (o->FTblDescription)
        Create_TblDescription().Assign(*o->FTblDescription);
    if (o->FTblPrChange)
        Create_TblPrChange().Assign(*o->FTblPrChange);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblPr::HasElements() const
{
    return FTblStyle != nullptr || FTblpPr != nullptr || FTblOverlap != nullptr || FBidiVisual != nullptr || FTblStyleRowBandSize != nullptr || FTblStyleColBandSize != nullptr || FTblW != nullptr || FJc != nullptr || FTblCellSpacing != nullptr || FTblInd != nullptr || FTblBorders != nullptr || FShd != nullptr || FTblLayout != nullptr || FTblCellMar != nullptr || FTblLook != nullptr || FTblCaption != nullptr || FTblDescription != nullptr || FTblPrChange != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TblGrid

TCT_TblGrid::TCT_TblGrid() = default;
TCT_TblGrid::~TCT_TblGrid() = default;

TCT_TblGridChange& TCT_TblGrid::Create_TblGridChange()
{
    if (!FTblGridChange) {
        FTblGridChange = std::make_unique<TCT_TblGridChange>();
        FTblGridChange->SetAssigned();
    }
    SetHasChildren();
    return *FTblGridChange;
}

TNYQBase* TCT_TblGrid::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 708:
        if (local == "gridCol") {
            SetHasChildren();
            return &FGridColList.Add();
        }
        break;
    case 1294:
        if (local == "tblGridChange") {
            return &Create_TblGridChange();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TblGrid::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FGridColList.GetItems())
        NyqWriteChild(writer, "w:gridCol", *item);
    if (FTblGridChange && FTblGridChange->Available())
        NyqWriteChild(writer, "w:tblGridChange", *FTblGridChange);
    FAny.Write(writer);
}

void TCT_TblGrid::Clear()
{
    TNYQBase::Clear();
    FGridColList.Clear();
    FTblGridChange.reset();
    FAny.Clear();
}

void TCT_TblGrid::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TblGrid*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FGridColList.GetItems())
        FGridColList.Add().Assign(*item);
    if (o->FTblGridChange)
        Create_TblGridChange().Assign(*o->FTblGridChange);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TblGrid::HasElements() const
{
    return FGridColList.Count() > 0 || FTblGridChange != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Row

namespace {
constexpr std::string_view cTCT_RowFEG_ContentCellContentListNames[] = {"w:tc", "w:customXml", "w:sdt", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath"};
}  // namespace

TCT_Row::TCT_Row() = default;
TCT_Row::~TCT_Row() = default;

TCT_TblPrEx& TCT_Row::Create_TblPrEx()
{
    if (!FTblPrEx) {
        FTblPrEx = std::make_unique<TCT_TblPrEx>();
        FTblPrEx->SetAssigned();
    }
    SetHasChildren();
    return *FTblPrEx;
}

TCT_TrPr& TCT_Row::Create_TrPr()
{
    if (!FTrPr) {
        FTrPr = std::make_unique<TCT_TrPr>();
        FTrPr->SetAssigned();
    }
    SetHasChildren();
    return *FTrPr;
}

TNYQBase* TCT_Row::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 215:
        if (local == "tc") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Tc>(0);
        }
        break;
    case 309:
        if (local == "del") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_RunTrackChange>(23);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_RunTrackChange>(22);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_SdtCell>(2);
        }
        break;
    case 424:
        if (local == "trPr") {
            return &Create_TrPr();
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TNYQAnyElement>(27);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 705:
        if (local == "tblPrEx") {
            return &Create_TblPrEx();
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Perm>(5);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_RunTrackChange>(24);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_ProofErr>(3);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TNYQAnyElement>(26);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_PermStart>(4);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_CustomXmlCell>(1);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MarkupRange>(7);
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Bookmark>(6);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MarkupRange>(11);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MarkupRange>(13);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MarkupRange>(9);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MoveBookmark>(10);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_MoveBookmark>(8);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Markup>(17);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Markup>(15);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_TrackChange>(16);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_TrackChange>(14);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Markup>(21);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_Markup>(19);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_TrackChange>(20);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_ContentCellContentList.Add<TCT_TrackChange>(18);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Row::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 516:
            if (local == "rsidR") {
                FRsidR = attrs.GetValues(i);
                continue;
            }
            break;
        case 632:
            if (local == "rsidTr") {
                FRsidTr = attrs.GetValues(i);
                continue;
            }
            break;
        case 710:
            if (local == "rsidRPr") {
                FRsidRPr = attrs.GetValues(i);
                continue;
            }
            break;
        case 711:
            if (local == "rsidDel") {
                FRsidDel = attrs.GetValues(i);
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

void TCT_Row::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FRsidRPr)
        writer.AddAttribute("w:rsidRPr", *FRsidRPr);
    if (FRsidR)
        writer.AddAttribute("w:rsidR", *FRsidR);
    if (FRsidDel)
        writer.AddAttribute("w:rsidDel", *FRsidDel);
    if (FRsidTr)
        writer.AddAttribute("w:rsidTr", *FRsidTr);
}

void TCT_Row::Write(TNyqWriteXML& writer) const
{
    if (FTblPrEx && FTblPrEx->Available())
        NyqWriteChild(writer, "w:tblPrEx", *FTblPrEx);
    if (FTrPr && FTrPr->Available())
        NyqWriteChild(writer, "w:trPr", *FTrPr);
    for (const auto& item : FEG_ContentCellContentList.GetItems())
        NyqWriteChild(writer, cTCT_RowFEG_ContentCellContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_Row::Clear()
{
    TNYQBase::Clear();
    FRsidRPr = {};
    FRsidR = {};
    FRsidDel = {};
    FRsidTr = {};
    FTblPrEx.reset();
    FTrPr.reset();
    FEG_ContentCellContentList.Clear();
    FAny.Clear();
}

void TCT_Row::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Row*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FRsidRPr = o->FRsidRPr;
    FRsidR = o->FRsidR;
    FRsidDel = o->FRsidDel;
    FRsidTr = o->FRsidTr;
    if (o->FTblPrEx)
        Create_TblPrEx().Assign(*o->FTblPrEx);
    if (o->FTrPr)
        Create_TrPr().Assign(*o->FTrPr);
    for (const auto& item : o->FEG_ContentCellContentList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_ContentCellContentList.Add<TCT_Tc>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_ContentCellContentList.Add<TCT_CustomXmlCell>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_ContentCellContentList.Add<TCT_SdtCell>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_ContentCellContentList.Add<TCT_ProofErr>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_ContentCellContentList.Add<TCT_PermStart>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_ContentCellContentList.Add<TCT_Perm>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_ContentCellContentList.Add<TCT_Bookmark>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_ContentCellContentList.Add<TCT_MarkupRange>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_ContentCellContentList.Add<TCT_MoveBookmark>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_ContentCellContentList.Add<TCT_MarkupRange>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_ContentCellContentList.Add<TCT_MoveBookmark>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_ContentCellContentList.Add<TCT_MarkupRange>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_ContentCellContentList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_ContentCellContentList.Add<TCT_MarkupRange>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_ContentCellContentList.Add<TCT_TrackChange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_ContentCellContentList.Add<TCT_Markup>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_ContentCellContentList.Add<TCT_TrackChange>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_ContentCellContentList.Add<TCT_Markup>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_ContentCellContentList.Add<TCT_TrackChange>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_ContentCellContentList.Add<TCT_Markup>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_ContentCellContentList.Add<TCT_TrackChange>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_ContentCellContentList.Add<TCT_Markup>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_ContentCellContentList.Add<TCT_RunTrackChange>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_ContentCellContentList.Add<TCT_RunTrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_ContentCellContentList.Add<TCT_RunTrackChange>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_ContentCellContentList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_ContentCellContentList.Add<TNYQAnyElement>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_ContentCellContentList.Add<TNYQAnyElement>(27).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Row::HasElements() const
{
    return FTblPrEx != nullptr || FTrPr != nullptr || FEG_ContentCellContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_CustomXmlRow

namespace {
constexpr std::string_view cTCT_CustomXmlRowFEG_ContentRowContentListNames[] = {"w:tr", "w:customXml", "w:sdt", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath"};
}  // namespace

TCT_CustomXmlRow::TCT_CustomXmlRow() = default;
TCT_CustomXmlRow::~TCT_CustomXmlRow() = default;

TCT_CustomXmlPr& TCT_CustomXmlRow::Create_CustomXmlPr()
{
    if (!FCustomXmlPr) {
        FCustomXmlPr = std::make_unique<TCT_CustomXmlPr>();
        FCustomXmlPr->SetAssigned();
    }
    SetHasChildren();
    return *FCustomXmlPr;
}

TNYQBase* TCT_CustomXmlRow::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 230:
        if (local == "tr") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Row>(0);
        }
        break;
    case 309:
        if (local == "del") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_RunTrackChange>(23);
        }
        break;
    case 330:
        if (local == "ins") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_RunTrackChange>(22);
        }
        break;
    case 331:
        if (local == "sdt") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_SdtRow>(2);
        }
        break;
    case 505:
        if (local == "oMath") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TNYQAnyElement>(27);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_RunTrackChange>(25);
        }
        break;
    case 715:
        if (local == "permEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Perm>(5);
        }
        break;
    case 843:
        if (local == "moveFrom") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_RunTrackChange>(24);
        }
        break;
    case 847:
        if (local == "proofErr") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_ProofErr>(3);
        }
        break;
    case 893:
        if (local == "oMathPara") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TNYQAnyElement>(26);
        }
        break;
    case 962:
        if (local == "permStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_PermStart>(4);
        }
        break;
    case 972:
        if (local == "customXml") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_CustomXmlRow>(1);
        }
        break;
    case 1133:
        if (local == "bookmarkEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MarkupRange>(7);
        }
        break;
    case 1166:
        if (local == "customXmlPr") {
            return &Create_CustomXmlPr();
        }
        break;
    case 1380:
        if (local == "bookmarkStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Bookmark>(6);
        }
        break;
    case 1406:
        if (local == "moveToRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MarkupRange>(11);
        }
        break;
    case 1527:
        if (local == "commentRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MarkupRange>(13);
        }
        break;
    case 1615:
        if (local == "moveFromRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MarkupRange>(9);
        }
        break;
    case 1653:
        if (local == "moveToRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MoveBookmark>(10);
        }
        break;
    case 1774:
        if (local == "commentRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MarkupRange>(12);
        }
        break;
    case 1862:
        if (local == "moveFromRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_MoveBookmark>(8);
        }
        break;
    case 2021:
        if (local == "customXmlDelRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Markup>(17);
        }
        break;
    case 2042:
        if (local == "customXmlInsRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Markup>(15);
        }
        break;
    case 2268:
        if (local == "customXmlDelRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_TrackChange>(16);
        }
        break;
    case 2289:
        if (local == "customXmlInsRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_TrackChange>(14);
        }
        break;
    case 2346:
        if (local == "customXmlMoveToRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Markup>(21);
        }
        break;
    case 2555:
        if (local == "customXmlMoveFromRangeEnd") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_Markup>(19);
        }
        break;
    case 2593:
        if (local == "customXmlMoveToRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_TrackChange>(20);
        }
        break;
    case 2802:
        if (local == "customXmlMoveFromRangeStart") {
            SetHasChildren();
            return &FEG_ContentRowContentList.Add<TCT_TrackChange>(18);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_CustomXmlRow::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 336:
            if (local == "uri") {
                FUri = attrs.GetValues(i);
                continue;
            }
            break;
        case 746:
            if (local == "element") {
                FElement = attrs.GetValues(i);
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

void TCT_CustomXmlRow::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FUri)
        writer.AddAttribute("w:uri", *FUri);
    writer.AddAttribute("w:element", FElement);
}

void TCT_CustomXmlRow::Write(TNyqWriteXML& writer) const
{
    if (FCustomXmlPr && FCustomXmlPr->Available())
        NyqWriteChild(writer, "w:customXmlPr", *FCustomXmlPr);
    for (const auto& item : FEG_ContentRowContentList.GetItems())
        NyqWriteChild(writer, cTCT_CustomXmlRowFEG_ContentRowContentListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_CustomXmlRow::Clear()
{
    TNYQBase::Clear();
    FUri = {};
    FElement = {};
    FCustomXmlPr.reset();
    FEG_ContentRowContentList.Clear();
    FAny.Clear();
}

void TCT_CustomXmlRow::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_CustomXmlRow*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FUri = o->FUri;
    FElement = o->FElement;
    if (o->FCustomXmlPr)
        Create_CustomXmlPr().Assign(*o->FCustomXmlPr);
    for (const auto& item : o->FEG_ContentRowContentList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_ContentRowContentList.Add<TCT_Row>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_ContentRowContentList.Add<TCT_CustomXmlRow>(1).Assign(*item.Object);
            break;
        case 2:
            FEG_ContentRowContentList.Add<TCT_SdtRow>(2).Assign(*item.Object);
            break;
        case 3:
            FEG_ContentRowContentList.Add<TCT_ProofErr>(3).Assign(*item.Object);
            break;
        case 4:
            FEG_ContentRowContentList.Add<TCT_PermStart>(4).Assign(*item.Object);
            break;
        case 5:
            FEG_ContentRowContentList.Add<TCT_Perm>(5).Assign(*item.Object);
            break;
        case 6:
            FEG_ContentRowContentList.Add<TCT_Bookmark>(6).Assign(*item.Object);
            break;
        case 7:
            FEG_ContentRowContentList.Add<TCT_MarkupRange>(7).Assign(*item.Object);
            break;
        case 8:
            FEG_ContentRowContentList.Add<TCT_MoveBookmark>(8).Assign(*item.Object);
            break;
        case 9:
            FEG_ContentRowContentList.Add<TCT_MarkupRange>(9).Assign(*item.Object);
            break;
        case 10:
            FEG_ContentRowContentList.Add<TCT_MoveBookmark>(10).Assign(*item.Object);
            break;
        case 11:
            FEG_ContentRowContentList.Add<TCT_MarkupRange>(11).Assign(*item.Object);
            break;
        case 12:
            FEG_ContentRowContentList.Add<TCT_MarkupRange>(12).Assign(*item.Object);
            break;
        case 13:
            FEG_ContentRowContentList.Add<TCT_MarkupRange>(13).Assign(*item.Object);
            break;
        case 14:
            FEG_ContentRowContentList.Add<TCT_TrackChange>(14).Assign(*item.Object);
            break;
        case 15:
            FEG_ContentRowContentList.Add<TCT_Markup>(15).Assign(*item.Object);
            break;
        case 16:
            FEG_ContentRowContentList.Add<TCT_TrackChange>(16).Assign(*item.Object);
            break;
        case 17:
            FEG_ContentRowContentList.Add<TCT_Markup>(17).Assign(*item.Object);
            break;
        case 18:
            FEG_ContentRowContentList.Add<TCT_TrackChange>(18).Assign(*item.Object);
            break;
        case 19:
            FEG_ContentRowContentList.Add<TCT_Markup>(19).Assign(*item.Object);
            break;
        case 20:
            FEG_ContentRowContentList.Add<TCT_TrackChange>(20).Assign(*item.Object);
            break;
        case 21:
            FEG_ContentRowContentList.Add<TCT_Markup>(21).Assign(*item.Object);
            break;
        case 22:
            FEG_ContentRowContentList.Add<TCT_RunTrackChange>(22).Assign(*item.Object);
            break;
        case 23:
            FEG_ContentRowContentList.Add<TCT_RunTrackChange>(23).Assign(*item.Object);
            break;
        case 24:
            FEG_ContentRowContentList.Add<TCT_RunTrackChange>(24).Assign(*item.Object);
            break;
        case 25:
            FEG_ContentRowContentList.Add<TCT_RunTrackChange>(25).Assign(*item.Object);
            break;
        case 26:
            FEG_ContentRowContentList.Add<TNYQAnyElement>(26).Assign(*item.Object);
            break;
        case 27:
            FEG_ContentRowContentList.Add<TNYQAnyElement>(27).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_CustomXmlRow::HasElements() const
{
    return FCustomXmlPr != nullptr || FEG_ContentRowContentList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SdtRow

TCT_SdtRow::TCT_SdtRow() = default;
TCT_SdtRow::~TCT_SdtRow() = default;

TCT_SdtPr& TCT_SdtRow::Create_SdtPr()
{
    if (!FSdtPr) {
        FSdtPr = std::make_unique<TCT_SdtPr>();
        FSdtPr->SetAssigned();
    }
    SetHasChildren();
    return *FSdtPr;
}

TCT_SdtEndPr& TCT_SdtRow::Create_SdtEndPr()
{
    if (!FSdtEndPr) {
        FSdtEndPr = std::make_unique<TCT_SdtEndPr>();
        FSdtEndPr->SetAssigned();
    }
    SetHasChildren();
    return *FSdtEndPr;
}

TCT_SdtContentRow& TCT_SdtRow::Create_SdtContent()
{
    if (!FSdtContent) {
        FSdtContent = std::make_unique<TCT_SdtContentRow>();
        FSdtContent->SetAssigned();
    }
    SetHasChildren();
    return *FSdtContent;
}

TNYQBase* TCT_SdtRow::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 525:
        if (local == "sdtPr") {
            return &Create_SdtPr();
        }
        break;
    case 804:
        if (local == "sdtEndPr") {
            return &Create_SdtEndPr();
        }
        break;
    case 1062:
        if (local == "sdtContent") {
            return &Create_SdtContent();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SdtRow::Write(TNyqWriteXML& writer) const
{
    if (FSdtPr && FSdtPr->Available())
        NyqWriteChild(writer, "w:sdtPr", *FSdtPr);
    if (FSdtEndPr && FSdtEndPr->Available())
        NyqWriteChild(writer, "w:sdtEndPr", *FSdtEndPr);
    if (FSdtContent && FSdtContent->Available())
        NyqWriteChild(writer, "w:sdtContent", *FSdtContent);
    FAny.Write(writer);
}

void TCT_SdtRow::Clear()
{
    TNYQBase::Clear();
    FSdtPr.reset();
    FSdtEndPr.reset();
    FSdtContent.reset();
    FAny.Clear();
}

void TCT_SdtRow::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SdtRow*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FSdtPr)
        Create_SdtPr().Assign(*o->FSdtPr);
    if (o->FSdtEndPr)
        Create_SdtEndPr().Assign(*o->FSdtEndPr);
    if (o->FSdtContent)
        Create_SdtContent().Assign(*o->FSdtContent);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SdtRow::HasElements() const
{
    return FSdtPr != nullptr || FSdtEndPr != nullptr || FSdtContent != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_AltChunkPr

TCT_AltChunkPr::TCT_AltChunkPr() = default;
TCT_AltChunkPr::~TCT_AltChunkPr() = default;

TCT_OnOff& TCT_AltChunkPr::Create_MatchSrc()
{
    if (!FMatchSrc) {
        FMatchSrc = std::make_unique<TCT_OnOff>();
        FMatchSrc->SetAssigned();
    }
    SetHasChildren();
    return *FMatchSrc;
}

TNYQBase* TCT_AltChunkPr::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 821:
        if (local == "matchSrc") {
            return &Create_MatchSrc();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_AltChunkPr::Write(TNyqWriteXML& writer) const
{
    if (FMatchSrc && FMatchSrc->Available())
        NyqWriteChild(writer, "w:matchSrc", *FMatchSrc);
    FAny.Write(writer);
}

void TCT_AltChunkPr::Clear()
{
    TNYQBase::Clear();
    FMatchSrc.reset();
    FAny.Clear();
}

void TCT_AltChunkPr::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_AltChunkPr*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FMatchSrc)
        Create_MatchSrc().Assign(*o->FMatchSrc);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_AltChunkPr::HasElements() const
{
    return FMatchSrc != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TxbxContent

namespace {
constexpr std::string_view cTCT_TxbxContentFEG_BlockLevelEltsListNames[] = {"w:customXml", "w:sdt", "w:p", "w:tbl", "w:proofErr", "w:permStart", "w:permEnd", "w:bookmarkStart", "w:bookmarkEnd", "w:moveFromRangeStart", "w:moveFromRangeEnd", "w:moveToRangeStart", "w:moveToRangeEnd", "w:commentRangeStart", "w:commentRangeEnd", "w:customXmlInsRangeStart", "w:customXmlInsRangeEnd", "w:customXmlDelRangeStart", "w:customXmlDelRangeEnd", "w:customXmlMoveFromRangeStart", "w:customXmlMoveFromRangeEnd", "w:customXmlMoveToRangeStart", "w:customXmlMoveToRangeEnd", "w:ins", "w:del", "w:moveFrom", "w:moveTo", "m:oMathPara", "m:oMath", "w:altChunk"};
}  // namespace

TCT_TxbxContent::TCT_TxbxContent() = default;
TCT_TxbxContent::~TCT_TxbxContent() = default;

TNYQBase* TCT_TxbxContent::HandleElement(TNYQReader& reader)
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

void TCT_TxbxContent::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FEG_BlockLevelEltsList.GetItems())
        NyqWriteChild(writer, cTCT_TxbxContentFEG_BlockLevelEltsListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_TxbxContent::Clear()
{
    TNYQBase::Clear();
    FEG_BlockLevelEltsList.Clear();
    FAny.Clear();
}

void TCT_TxbxContent::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TxbxContent*>(&other);
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

bool TCT_TxbxContent::HasElements() const
{
    return FEG_BlockLevelEltsList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_HdrFtrRef

TCT_HdrFtrRef::TCT_HdrFtrRef() = default;
TCT_HdrFtrRef::~TCT_HdrFtrRef() = default;

TNYQBase* TCT_HdrFtrRef::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_HdrFtrRef::AssignAttributes(TNYQReader& reader)
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
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_HdrFtr(attrs.GetValues(i)))
                    FType = *v;
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

void TCT_HdrFtrRef::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("r:id", FId);
    writer.AddAttribute("w:type", TST_HdrFtrToStr(FType));
}

void TCT_HdrFtrRef::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_HdrFtrRef::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FType = {};
    FAny.Clear();
}

void TCT_HdrFtrRef::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_HdrFtrRef*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FType = o->FType;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_HdrFtrRef::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FtnProps

TCT_FtnProps::TCT_FtnProps() = default;
TCT_FtnProps::~TCT_FtnProps() = default;

TCT_FtnPos& TCT_FtnProps::Create_Pos()
{
    if (!FPos) {
        FPos = std::make_unique<TCT_FtnPos>();
        FPos->SetAssigned();
    }
    SetHasChildren();
    return *FPos;
}

TCT_NumFmt& TCT_FtnProps::Create_NumFmt()
{
    if (!FNumFmt) {
        FNumFmt = std::make_unique<TCT_NumFmt>();
        FNumFmt->SetAssigned();
    }
    SetHasChildren();
    return *FNumFmt;
}

TCT_DecimalNumber& TCT_FtnProps::Create_NumStart()
{
    if (!FNumStart) {
        FNumStart = std::make_unique<TCT_DecimalNumber>();
        FNumStart->SetAssigned();
    }
    SetHasChildren();
    return *FNumStart;
}

TCT_NumRestart& TCT_FtnProps::Create_NumRestart()
{
    if (!FNumRestart) {
        FNumRestart = std::make_unique<TCT_NumRestart>();
        FNumRestart->SetAssigned();
    }
    SetHasChildren();
    return *FNumRestart;
}

TNYQBase* TCT_FtnProps::HandleElement(TNYQReader& reader)
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

void TCT_FtnProps::Write(TNyqWriteXML& writer) const
{
    if (FPos && FPos->Available())
        NyqWriteChild(writer, "w:pos", *FPos);
    if (FNumFmt && FNumFmt->Available())
        NyqWriteChild(writer, "w:numFmt", *FNumFmt);
    if (FNumStart && FNumStart->Available())
        NyqWriteChild(writer, "w:numStart", *FNumStart);
    if (FNumRestart && FNumRestart->Available())
        NyqWriteChild(writer, "w:numRestart", *FNumRestart);
    FAny.Write(writer);
}

void TCT_FtnProps::Clear()
{
    TNYQBase::Clear();
    FPos.reset();
    FNumFmt.reset();
    FNumStart.reset();
    FNumRestart.reset();
    FAny.Clear();
}

void TCT_FtnProps::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FtnProps*>(&other);
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
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FtnProps::HasElements() const
{
    return FPos != nullptr || FNumFmt != nullptr || FNumStart != nullptr || FNumRestart != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_EdnProps

TCT_EdnProps::TCT_EdnProps() = default;
TCT_EdnProps::~TCT_EdnProps() = default;

TCT_EdnPos& TCT_EdnProps::Create_Pos()
{
    if (!FPos) {
        FPos = std::make_unique<TCT_EdnPos>();
        FPos->SetAssigned();
    }
    SetHasChildren();
    return *FPos;
}

TCT_NumFmt& TCT_EdnProps::Create_NumFmt()
{
    if (!FNumFmt) {
        FNumFmt = std::make_unique<TCT_NumFmt>();
        FNumFmt->SetAssigned();
    }
    SetHasChildren();
    return *FNumFmt;
}

TCT_DecimalNumber& TCT_EdnProps::Create_NumStart()
{
    if (!FNumStart) {
        FNumStart = std::make_unique<TCT_DecimalNumber>();
        FNumStart->SetAssigned();
    }
    SetHasChildren();
    return *FNumStart;
}

TCT_NumRestart& TCT_EdnProps::Create_NumRestart()
{
    if (!FNumRestart) {
        FNumRestart = std::make_unique<TCT_NumRestart>();
        FNumRestart->SetAssigned();
    }
    SetHasChildren();
    return *FNumRestart;
}

TNYQBase* TCT_EdnProps::HandleElement(TNYQReader& reader)
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

void TCT_EdnProps::Write(TNyqWriteXML& writer) const
{
    if (FPos && FPos->Available())
        NyqWriteChild(writer, "w:pos", *FPos);
    if (FNumFmt && FNumFmt->Available())
        NyqWriteChild(writer, "w:numFmt", *FNumFmt);
    if (FNumStart && FNumStart->Available())
        NyqWriteChild(writer, "w:numStart", *FNumStart);
    if (FNumRestart && FNumRestart->Available())
        NyqWriteChild(writer, "w:numRestart", *FNumRestart);
    FAny.Write(writer);
}

void TCT_EdnProps::Clear()
{
    TNYQBase::Clear();
    FPos.reset();
    FNumFmt.reset();
    FNumStart.reset();
    FNumRestart.reset();
    FAny.Clear();
}

void TCT_EdnProps::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_EdnProps*>(&other);
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
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_EdnProps::HasElements() const
{
    return FPos != nullptr || FNumFmt != nullptr || FNumStart != nullptr || FNumRestart != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SectType

TCT_SectType::TCT_SectType() = default;
TCT_SectType::~TCT_SectType() = default;

TNYQBase* TCT_SectType::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SectType::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_SectionMark(attrs.GetValues(i)))
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

void TCT_SectType::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("w:val", TST_SectionMarkToStr(*FVal));
}

void TCT_SectType::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_SectType::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_SectType::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SectType*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SectType::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PageSz

TCT_PageSz::TCT_PageSz() = default;
TCT_PageSz::~TCT_PageSz() = default;

TNYQBase* TCT_PageSz::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PageSz::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 104:
            if (local == "h") {
                FH = attrs.GetValues(i);
                continue;
            }
            break;
        case 119:
            if (local == "w") {
                FW = attrs.GetValues(i);
                continue;
            }
            break;
        case 411:
            if (local == "code") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FCode = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 657:
            if (local == "orient") {
                if (const auto v = StrToTST_PageOrientation(attrs.GetValues(i)))
                    FOrient = *v;
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

void TCT_PageSz::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FW)
        writer.AddAttribute("w:w", *FW);
    if (FH)
        writer.AddAttribute("w:h", *FH);
    if (FOrient)
        writer.AddAttribute("w:orient", TST_PageOrientationToStr(*FOrient));
    if (FCode)
        writer.AddAttribute("w:code", XmlIntToStr(*FCode));
}

void TCT_PageSz::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_PageSz::Clear()
{
    TNYQBase::Clear();
    FW = {};
    FH = {};
    FOrient = {};
    FCode = {};
    FAny.Clear();
}

void TCT_PageSz::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PageSz*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FW = o->FW;
    FH = o->FH;
    FOrient = o->FOrient;
    FCode = o->FCode;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PageSz::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PageMar

TCT_PageMar::TCT_PageMar() = default;
TCT_PageMar::~TCT_PageMar() = default;

TNYQBase* TCT_PageMar::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PageMar::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 339:
            if (local == "top") {
                FTop = attrs.GetValues(i);
                continue;
            }
            break;
        case 427:
            if (local == "left") {
                FLeft = attrs.GetValues(i);
                continue;
            }
            break;
        case 542:
            if (local == "right") {
                FRight = attrs.GetValues(i);
                continue;
            }
            break;
        case 617:
            if (local == "header") {
                FHeader = attrs.GetValues(i);
                continue;
            }
            break;
        case 655:
            if (local == "footer") {
                FFooter = attrs.GetValues(i);
                continue;
            }
            break;
        case 661:
            if (local == "bottom") {
                FBottom = attrs.GetValues(i);
                continue;
            }
            break;
        case 667:
            if (local == "gutter") {
                FGutter = attrs.GetValues(i);
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

void TCT_PageMar::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("w:top", FTop);
    writer.AddAttribute("w:right", FRight);
    writer.AddAttribute("w:bottom", FBottom);
    writer.AddAttribute("w:left", FLeft);
    writer.AddAttribute("w:header", FHeader);
    writer.AddAttribute("w:footer", FFooter);
    writer.AddAttribute("w:gutter", FGutter);
}

void TCT_PageMar::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_PageMar::Clear()
{
    TNYQBase::Clear();
    FTop = {};
    FRight = {};
    FBottom = {};
    FLeft = {};
    FHeader = {};
    FFooter = {};
    FGutter = {};
    FAny.Clear();
}

void TCT_PageMar::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PageMar*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FTop = o->FTop;
    FRight = o->FRight;
    FBottom = o->FBottom;
    FLeft = o->FLeft;
    FHeader = o->FHeader;
    FFooter = o->FFooter;
    FGutter = o->FGutter;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PageMar::HasElements() const
{
    return FAny.Count() > 0;
}

