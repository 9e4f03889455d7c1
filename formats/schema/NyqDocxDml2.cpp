// NyqDocxDml2.cpp: schema classes generated from wml.xsd, shared-commonSimpleTypes.xsd, shared-relationshipReference.xsd, dml-main.xsd, dml-picture.xsd, dml-wordprocessingDrawing.xsd, vml-main.xsd, vml-officeDrawing.xsd, vml-wordprocessingDrawing.xsd by tools/nyq_xsdgen.py; do not edit.
#include "formats/schema/NyqDocxDml.h"
#include "formats/schema/NyqDocxVml.h"
#include "formats/schema/NyqDocxWml.h"

// ---------------------------------------------------------------------------
// TCT_GradientStopList

TCT_GradientStopList::TCT_GradientStopList() = default;
TCT_GradientStopList::~TCT_GradientStopList() = default;

TNYQBase* TCT_GradientStopList::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 218:
        if (local == "gs") {
            SetHasChildren();
            return &FGsList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_GradientStopList::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FGsList.GetItems())
        NyqWriteChild(writer, "a:gs", *item);
    FAny.Write(writer);
}

void TCT_GradientStopList::Clear()
{
    TNYQBase::Clear();
    FGsList.Clear();
    FAny.Clear();
}

void TCT_GradientStopList::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_GradientStopList*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FGsList.GetItems())
        FGsList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_GradientStopList::HasElements() const
{
    return FGsList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_LinearShadeProperties

TCT_LinearShadeProperties::TCT_LinearShadeProperties() = default;
TCT_LinearShadeProperties::~TCT_LinearShadeProperties() = default;

TNYQBase* TCT_LinearShadeProperties::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_LinearShadeProperties::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 310:
            if (local == "ang") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FAng = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 620:
            if (local == "scaled") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FScaled = *v;
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

void TCT_LinearShadeProperties::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FAng)
        writer.AddAttribute("ang", XmlIntToStr(*FAng));
    if (FScaled)
        writer.AddAttribute("scaled", XmlBoolToStr(*FScaled));
}

void TCT_LinearShadeProperties::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_LinearShadeProperties::Clear()
{
    TNYQBase::Clear();
    FAng = {};
    FScaled = {};
    FAny.Clear();
}

void TCT_LinearShadeProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_LinearShadeProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAng = o->FAng;
    FScaled = o->FScaled;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_LinearShadeProperties::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PathShadeProperties

TCT_PathShadeProperties::TCT_PathShadeProperties() = default;
TCT_PathShadeProperties::~TCT_PathShadeProperties() = default;

TCT_RelativeRect& TCT_PathShadeProperties::Create_FillToRect()
{
    if (!FFillToRect) {
        FFillToRect = std::make_unique<TCT_RelativeRect>();
        FFillToRect->SetAssigned();
    }
    SetHasChildren();
    return *FFillToRect;
}

TNYQBase* TCT_PathShadeProperties::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 1016:
        if (local == "fillToRect") {
            return &Create_FillToRect();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PathShadeProperties::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 429:
            if (local == "path") {
                if (const auto v = StrToTST_PathShadeType(attrs.GetValues(i)))
                    FPath = *v;
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

void TCT_PathShadeProperties::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FPath)
        writer.AddAttribute("path", TST_PathShadeTypeToStr(*FPath));
}

void TCT_PathShadeProperties::Write(TNyqWriteXML& writer) const
{
    if (FFillToRect && FFillToRect->Available())
        NyqWriteChild(writer, "a:fillToRect", *FFillToRect);
    FAny.Write(writer);
}

void TCT_PathShadeProperties::Clear()
{
    TNYQBase::Clear();
    FPath = {};
    FFillToRect.reset();
    FAny.Clear();
}

void TCT_PathShadeProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PathShadeProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FPath = o->FPath;
    if (o->FFillToRect)
        Create_FillToRect().Assign(*o->FFillToRect);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PathShadeProperties::HasElements() const
{
    return FFillToRect != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Color_a

TCT_Color_a::TCT_Color_a() = default;
TCT_Color_a::~TCT_Color_a() = default;

TCT_ScRgbColor& TCT_Color_a::Create_ScrgbClr()
{
    if (!FScrgbClr) {
        FScrgbClr = std::make_unique<TCT_ScRgbColor>();
        FScrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FScrgbClr;
}

TCT_SRgbColor& TCT_Color_a::Create_SrgbClr()
{
    if (!FSrgbClr) {
        FSrgbClr = std::make_unique<TCT_SRgbColor>();
        FSrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FSrgbClr;
}

TCT_HslColor& TCT_Color_a::Create_HslClr()
{
    if (!FHslClr) {
        FHslClr = std::make_unique<TCT_HslColor>();
        FHslClr->SetAssigned();
    }
    SetHasChildren();
    return *FHslClr;
}

TCT_SystemColor& TCT_Color_a::Create_SysClr()
{
    if (!FSysClr) {
        FSysClr = std::make_unique<TCT_SystemColor>();
        FSysClr->SetAssigned();
    }
    SetHasChildren();
    return *FSysClr;
}

TCT_SchemeColor& TCT_Color_a::Create_SchemeClr()
{
    if (!FSchemeClr) {
        FSchemeClr = std::make_unique<TCT_SchemeColor>();
        FSchemeClr->SetAssigned();
    }
    SetHasChildren();
    return *FSchemeClr;
}

TCT_PresetColor& TCT_Color_a::Create_PrstClr()
{
    if (!FPrstClr) {
        FPrstClr = std::make_unique<TCT_PresetColor>();
        FPrstClr->SetAssigned();
    }
    SetHasChildren();
    return *FPrstClr;
}

TNYQBase* TCT_Color_a::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 616:
        if (local == "hslClr") {
            return &Create_HslClr();
        }
        break;
    case 640:
        if (local == "sysClr") {
            return &Create_SysClr();
        }
        break;
    case 719:
        if (local == "srgbClr") {
            return &Create_SrgbClr();
        }
        break;
    case 746:
        if (local == "prstClr") {
            return &Create_PrstClr();
        }
        break;
    case 818:
        if (local == "scrgbClr") {
            return &Create_ScrgbClr();
        }
        break;
    case 918:
        if (local == "schemeClr") {
            return &Create_SchemeClr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Color_a::Write(TNyqWriteXML& writer) const
{
    if (FScrgbClr && FScrgbClr->Available())
        NyqWriteChild(writer, "a:scrgbClr", *FScrgbClr);
    if (FSrgbClr && FSrgbClr->Available())
        NyqWriteChild(writer, "a:srgbClr", *FSrgbClr);
    if (FHslClr && FHslClr->Available())
        NyqWriteChild(writer, "a:hslClr", *FHslClr);
    if (FSysClr && FSysClr->Available())
        NyqWriteChild(writer, "a:sysClr", *FSysClr);
    if (FSchemeClr && FSchemeClr->Available())
        NyqWriteChild(writer, "a:schemeClr", *FSchemeClr);
    if (FPrstClr && FPrstClr->Available())
        NyqWriteChild(writer, "a:prstClr", *FPrstClr);
    FAny.Write(writer);
}

void TCT_Color_a::Clear()
{
    TNYQBase::Clear();
    FScrgbClr.reset();
    FSrgbClr.reset();
    FHslClr.reset();
    FSysClr.reset();
    FSchemeClr.reset();
    FPrstClr.reset();
    FAny.Clear();
}

void TCT_Color_a::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Color_a*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FScrgbClr)
        Create_ScrgbClr().Assign(*o->FScrgbClr);
    if (o->FSrgbClr)
        Create_SrgbClr().Assign(*o->FSrgbClr);
    if (o->FHslClr)
        Create_HslClr().Assign(*o->FHslClr);
    if (o->FSysClr)
        Create_SysClr().Assign(*o->FSysClr);
    if (o->FSchemeClr)
        Create_SchemeClr().Assign(*o->FSchemeClr);
    if (o->FPrstClr)
        Create_PrstClr().Assign(*o->FPrstClr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Color_a::HasElements() const
{
    return FScrgbClr != nullptr || FSrgbClr != nullptr || FHslClr != nullptr || FSysClr != nullptr || FSchemeClr != nullptr || FPrstClr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PresetLineDashProperties

TCT_PresetLineDashProperties::TCT_PresetLineDashProperties() = default;
TCT_PresetLineDashProperties::~TCT_PresetLineDashProperties() = default;

TNYQBase* TCT_PresetLineDashProperties::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PresetLineDashProperties::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = StrToTST_PresetLineDashVal(attrs.GetValues(i)))
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

void TCT_PresetLineDashProperties::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FVal)
        writer.AddAttribute("val", TST_PresetLineDashValToStr(*FVal));
}

void TCT_PresetLineDashProperties::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_PresetLineDashProperties::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_PresetLineDashProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PresetLineDashProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PresetLineDashProperties::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_DashStopList

TCT_DashStopList::TCT_DashStopList() = default;
TCT_DashStopList::~TCT_DashStopList() = default;

TNYQBase* TCT_DashStopList::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 215:
        if (local == "ds") {
            SetHasChildren();
            return &FDsList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_DashStopList::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FDsList.GetItems())
        NyqWriteChild(writer, "a:ds", *item);
    FAny.Write(writer);
}

void TCT_DashStopList::Clear()
{
    TNYQBase::Clear();
    FDsList.Clear();
    FAny.Clear();
}

void TCT_DashStopList::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_DashStopList*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FDsList.GetItems())
        FDsList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_DashStopList::HasElements() const
{
    return FDsList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_LineJoinRound

TCT_LineJoinRound::TCT_LineJoinRound() = default;
TCT_LineJoinRound::~TCT_LineJoinRound() = default;

TNYQBase* TCT_LineJoinRound::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_LineJoinRound::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_LineJoinRound::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_LineJoinRound::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_LineJoinRound*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_LineJoinRound::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_LineJoinBevel

TCT_LineJoinBevel::TCT_LineJoinBevel() = default;
TCT_LineJoinBevel::~TCT_LineJoinBevel() = default;

TNYQBase* TCT_LineJoinBevel::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_LineJoinBevel::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_LineJoinBevel::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_LineJoinBevel::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_LineJoinBevel*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_LineJoinBevel::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_LineJoinMiterProperties

TCT_LineJoinMiterProperties::TCT_LineJoinMiterProperties() = default;
TCT_LineJoinMiterProperties::~TCT_LineJoinMiterProperties() = default;

TNYQBase* TCT_LineJoinMiterProperties::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_LineJoinMiterProperties::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 322:
            if (local == "lim") {
                FLim = attrs.GetValues(i);
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

void TCT_LineJoinMiterProperties::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FLim)
        writer.AddAttribute("lim", *FLim);
}

void TCT_LineJoinMiterProperties::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_LineJoinMiterProperties::Clear()
{
    TNYQBase::Clear();
    FLim = {};
    FAny.Clear();
}

void TCT_LineJoinMiterProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_LineJoinMiterProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FLim = o->FLim;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_LineJoinMiterProperties::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_LineEndProperties

TCT_LineEndProperties::TCT_LineEndProperties() = default;
TCT_LineEndProperties::~TCT_LineEndProperties() = default;

TNYQBase* TCT_LineEndProperties::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_LineEndProperties::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 119:
            if (local == "w") {
                if (const auto v = StrToTST_LineEndWidth(attrs.GetValues(i)))
                    FW = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 319:
            if (local == "len") {
                if (const auto v = StrToTST_LineEndLength(attrs.GetValues(i)))
                    FLen = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_LineEndType(attrs.GetValues(i)))
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

void TCT_LineEndProperties::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FType)
        writer.AddAttribute("type", TST_LineEndTypeToStr(*FType));
    if (FW)
        writer.AddAttribute("w", TST_LineEndWidthToStr(*FW));
    if (FLen)
        writer.AddAttribute("len", TST_LineEndLengthToStr(*FLen));
}

void TCT_LineEndProperties::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_LineEndProperties::Clear()
{
    TNYQBase::Clear();
    FType = {};
    FW = {};
    FLen = {};
    FAny.Clear();
}

void TCT_LineEndProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_LineEndProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FType = o->FType;
    FW = o->FW;
    FLen = o->FLen;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_LineEndProperties::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_GlowEffect

TCT_GlowEffect::TCT_GlowEffect() = default;
TCT_GlowEffect::~TCT_GlowEffect() = default;

TCT_ScRgbColor& TCT_GlowEffect::Create_ScrgbClr()
{
    if (!FScrgbClr) {
        FScrgbClr = std::make_unique<TCT_ScRgbColor>();
        FScrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FScrgbClr;
}

TCT_SRgbColor& TCT_GlowEffect::Create_SrgbClr()
{
    if (!FSrgbClr) {
        FSrgbClr = std::make_unique<TCT_SRgbColor>();
        FSrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FSrgbClr;
}

TCT_HslColor& TCT_GlowEffect::Create_HslClr()
{
    if (!FHslClr) {
        FHslClr = std::make_unique<TCT_HslColor>();
        FHslClr->SetAssigned();
    }
    SetHasChildren();
    return *FHslClr;
}

TCT_SystemColor& TCT_GlowEffect::Create_SysClr()
{
    if (!FSysClr) {
        FSysClr = std::make_unique<TCT_SystemColor>();
        FSysClr->SetAssigned();
    }
    SetHasChildren();
    return *FSysClr;
}

TCT_SchemeColor& TCT_GlowEffect::Create_SchemeClr()
{
    if (!FSchemeClr) {
        FSchemeClr = std::make_unique<TCT_SchemeColor>();
        FSchemeClr->SetAssigned();
    }
    SetHasChildren();
    return *FSchemeClr;
}

TCT_PresetColor& TCT_GlowEffect::Create_PrstClr()
{
    if (!FPrstClr) {
        FPrstClr = std::make_unique<TCT_PresetColor>();
        FPrstClr->SetAssigned();
    }
    SetHasChildren();
    return *FPrstClr;
}

TNYQBase* TCT_GlowEffect::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 616:
        if (local == "hslClr") {
            return &Create_HslClr();
        }
        break;
    case 640:
        if (local == "sysClr") {
            return &Create_SysClr();
        }
        break;
    case 719:
        if (local == "srgbClr") {
            return &Create_SrgbClr();
        }
        break;
    case 746:
        if (local == "prstClr") {
            return &Create_PrstClr();
        }
        break;
    case 818:
        if (local == "scrgbClr") {
            return &Create_ScrgbClr();
        }
        break;
    case 918:
        if (local == "schemeClr") {
            return &Create_SchemeClr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_GlowEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 311:
            if (local == "rad") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FRad = *v;
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

void TCT_GlowEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FRad)
        writer.AddAttribute("rad", XmlIntToStr(*FRad));
}

void TCT_GlowEffect::Write(TNyqWriteXML& writer) const
{
    if (FScrgbClr && FScrgbClr->Available())
        NyqWriteChild(writer, "a:scrgbClr", *FScrgbClr);
    if (FSrgbClr && FSrgbClr->Available())
        NyqWriteChild(writer, "a:srgbClr", *FSrgbClr);
    if (FHslClr && FHslClr->Available())
        NyqWriteChild(writer, "a:hslClr", *FHslClr);
    if (FSysClr && FSysClr->Available())
        NyqWriteChild(writer, "a:sysClr", *FSysClr);
    if (FSchemeClr && FSchemeClr->Available())
        NyqWriteChild(writer, "a:schemeClr", *FSchemeClr);
    if (FPrstClr && FPrstClr->Available())
        NyqWriteChild(writer, "a:prstClr", *FPrstClr);
    FAny.Write(writer);
}

void TCT_GlowEffect::Clear()
{
    TNYQBase::Clear();
    FRad = {};
    FScrgbClr.reset();
    FSrgbClr.reset();
    FHslClr.reset();
    FSysClr.reset();
    FSchemeClr.reset();
    FPrstClr.reset();
    FAny.Clear();
}

void TCT_GlowEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_GlowEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FRad = o->FRad;
    if (o->FScrgbClr)
        Create_ScrgbClr().Assign(*o->FScrgbClr);
    if (o->FSrgbClr)
        Create_SrgbClr().Assign(*o->FSrgbClr);
    if (o->FHslClr)
        Create_HslClr().Assign(*o->FHslClr);
    if (o->FSysClr)
        Create_SysClr().Assign(*o->FSysClr);
    if (o->FSchemeClr)
        Create_SchemeClr().Assign(*o->FSchemeClr);
    if (o->FPrstClr)
        Create_PrstClr().Assign(*o->FPrstClr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_GlowEffect::HasElements() const
{
    return FScrgbClr != nullptr || FSrgbClr != nullptr || FHslClr != nullptr || FSysClr != nullptr || FSchemeClr != nullptr || FPrstClr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_InnerShadowEffect

TCT_InnerShadowEffect::TCT_InnerShadowEffect() = default;
TCT_InnerShadowEffect::~TCT_InnerShadowEffect() = default;

TCT_ScRgbColor& TCT_InnerShadowEffect::Create_ScrgbClr()
{
    if (!FScrgbClr) {
        FScrgbClr = std::make_unique<TCT_ScRgbColor>();
        FScrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FScrgbClr;
}

TCT_SRgbColor& TCT_InnerShadowEffect::Create_SrgbClr()
{
    if (!FSrgbClr) {
        FSrgbClr = std::make_unique<TCT_SRgbColor>();
        FSrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FSrgbClr;
}

TCT_HslColor& TCT_InnerShadowEffect::Create_HslClr()
{
    if (!FHslClr) {
        FHslClr = std::make_unique<TCT_HslColor>();
        FHslClr->SetAssigned();
    }
    SetHasChildren();
    return *FHslClr;
}

TCT_SystemColor& TCT_InnerShadowEffect::Create_SysClr()
{
    if (!FSysClr) {
        FSysClr = std::make_unique<TCT_SystemColor>();
        FSysClr->SetAssigned();
    }
    SetHasChildren();
    return *FSysClr;
}

TCT_SchemeColor& TCT_InnerShadowEffect::Create_SchemeClr()
{
    if (!FSchemeClr) {
        FSchemeClr = std::make_unique<TCT_SchemeColor>();
        FSchemeClr->SetAssigned();
    }
    SetHasChildren();
    return *FSchemeClr;
}

TCT_PresetColor& TCT_InnerShadowEffect::Create_PrstClr()
{
    if (!FPrstClr) {
        FPrstClr = std::make_unique<TCT_PresetColor>();
        FPrstClr->SetAssigned();
    }
    SetHasChildren();
    return *FPrstClr;
}

TNYQBase* TCT_InnerShadowEffect::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 616:
        if (local == "hslClr") {
            return &Create_HslClr();
        }
        break;
    case 640:
        if (local == "sysClr") {
            return &Create_SysClr();
        }
        break;
    case 719:
        if (local == "srgbClr") {
            return &Create_SrgbClr();
        }
        break;
    case 746:
        if (local == "prstClr") {
            return &Create_PrstClr();
        }
        break;
    case 818:
        if (local == "scrgbClr") {
            return &Create_ScrgbClr();
        }
        break;
    case 918:
        if (local == "schemeClr") {
            return &Create_SchemeClr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_InnerShadowEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 319:
            if (local == "dir") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FDir = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 436:
            if (local == "dist") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FDist = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 716:
            if (local == "blurRad") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FBlurRad = *v;
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

void TCT_InnerShadowEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FBlurRad)
        writer.AddAttribute("blurRad", XmlIntToStr(*FBlurRad));
    if (FDist)
        writer.AddAttribute("dist", XmlIntToStr(*FDist));
    if (FDir)
        writer.AddAttribute("dir", XmlIntToStr(*FDir));
}

void TCT_InnerShadowEffect::Write(TNyqWriteXML& writer) const
{
    if (FScrgbClr && FScrgbClr->Available())
        NyqWriteChild(writer, "a:scrgbClr", *FScrgbClr);
    if (FSrgbClr && FSrgbClr->Available())
        NyqWriteChild(writer, "a:srgbClr", *FSrgbClr);
    if (FHslClr && FHslClr->Available())
        NyqWriteChild(writer, "a:hslClr", *FHslClr);
    if (FSysClr && FSysClr->Available())
        NyqWriteChild(writer, "a:sysClr", *FSysClr);
    if (FSchemeClr && FSchemeClr->Available())
        NyqWriteChild(writer, "a:schemeClr", *FSchemeClr);
    if (FPrstClr && FPrstClr->Available())
        NyqWriteChild(writer, "a:prstClr", *FPrstClr);
    FAny.Write(writer);
}

void TCT_InnerShadowEffect::Clear()
{
    TNYQBase::Clear();
    FBlurRad = {};
    FDist = {};
    FDir = {};
    FScrgbClr.reset();
    FSrgbClr.reset();
    FHslClr.reset();
    FSysClr.reset();
    FSchemeClr.reset();
    FPrstClr.reset();
    FAny.Clear();
}

void TCT_InnerShadowEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_InnerShadowEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FBlurRad = o->FBlurRad;
    FDist = o->FDist;
    FDir = o->FDir;
    if (o->FScrgbClr)
        Create_ScrgbClr().Assign(*o->FScrgbClr);
    if (o->FSrgbClr)
        Create_SrgbClr().Assign(*o->FSrgbClr);
    if (o->FHslClr)
        Create_HslClr().Assign(*o->FHslClr);
    if (o->FSysClr)
        Create_SysClr().Assign(*o->FSysClr);
    if (o->FSchemeClr)
        Create_SchemeClr().Assign(*o->FSchemeClr);
    if (o->FPrstClr)
        Create_PrstClr().Assign(*o->FPrstClr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_InnerShadowEffect::HasElements() const
{
    return FScrgbClr != nullptr || FSrgbClr != nullptr || FHslClr != nullptr || FSysClr != nullptr || FSchemeClr != nullptr || FPrstClr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_OuterShadowEffect

TCT_OuterShadowEffect::TCT_OuterShadowEffect() = default;
TCT_OuterShadowEffect::~TCT_OuterShadowEffect() = default;

TCT_ScRgbColor& TCT_OuterShadowEffect::Create_ScrgbClr()
{
    if (!FScrgbClr) {
        FScrgbClr = std::make_unique<TCT_ScRgbColor>();
        FScrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FScrgbClr;
}

TCT_SRgbColor& TCT_OuterShadowEffect::Create_SrgbClr()
{
    if (!FSrgbClr) {
        FSrgbClr = std::make_unique<TCT_SRgbColor>();
        FSrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FSrgbClr;
}

TCT_HslColor& TCT_OuterShadowEffect::Create_HslClr()
{
    if (!FHslClr) {
        FHslClr = std::make_unique<TCT_HslColor>();
        FHslClr->SetAssigned();
    }
    SetHasChildren();
    return *FHslClr;
}

TCT_SystemColor& TCT_OuterShadowEffect::Create_SysClr()
{
    if (!FSysClr) {
        FSysClr = std::make_unique<TCT_SystemColor>();
        FSysClr->SetAssigned();
    }
    SetHasChildren();
    return *FSysClr;
}

TCT_SchemeColor& TCT_OuterShadowEffect::Create_SchemeClr()
{
    if (!FSchemeClr) {
        FSchemeClr = std::make_unique<TCT_SchemeColor>();
        FSchemeClr->SetAssigned();
    }
    SetHasChildren();
    return *FSchemeClr;
}

TCT_PresetColor& TCT_OuterShadowEffect::Create_PrstClr()
{
    if (!FPrstClr) {
        FPrstClr = std::make_unique<TCT_PresetColor>();
        FPrstClr->SetAssigned();
    }
    SetHasChildren();
    return *FPrstClr;
}

TNYQBase* TCT_OuterShadowEffect::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 616:
        if (local == "hslClr") {
            return &Create_HslClr();
        }
        break;
    case 640:
        if (local == "sysClr") {
            return &Create_SysClr();
        }
        break;
    case 719:
        if (local == "srgbClr") {
            return &Create_SrgbClr();
        }
        break;
    case 746:
        if (local == "prstClr") {
            return &Create_PrstClr();
        }
        break;
    case 818:
        if (local == "scrgbClr") {
            return &Create_ScrgbClr();
        }
        break;
    case 918:
        if (local == "schemeClr") {
            return &Create_SchemeClr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_OuterShadowEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 227:
            if (local == "kx") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FKx = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 228:
            if (local == "ky") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FKy = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 235:
            if (local == "sx") {
                FSx = attrs.GetValues(i);
                continue;
            }
            break;
        case 236:
            if (local == "sy") {
                FSy = attrs.GetValues(i);
                continue;
            }
            break;
        case 319:
            if (local == "dir") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FDir = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 418:
            if (local == "algn") {
                if (const auto v = StrToTST_RectAlignment(attrs.GetValues(i)))
                    FAlgn = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 436:
            if (local == "dist") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FDist = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 716:
            if (local == "blurRad") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FBlurRad = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1250:
            if (local == "rotWithShape") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FRotWithShape = *v;
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

void TCT_OuterShadowEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FBlurRad)
        writer.AddAttribute("blurRad", XmlIntToStr(*FBlurRad));
    if (FDist)
        writer.AddAttribute("dist", XmlIntToStr(*FDist));
    if (FDir)
        writer.AddAttribute("dir", XmlIntToStr(*FDir));
    if (FSx)
        writer.AddAttribute("sx", *FSx);
    if (FSy)
        writer.AddAttribute("sy", *FSy);
    if (FKx)
        writer.AddAttribute("kx", XmlIntToStr(*FKx));
    if (FKy)
        writer.AddAttribute("ky", XmlIntToStr(*FKy));
    if (FAlgn)
        writer.AddAttribute("algn", TST_RectAlignmentToStr(*FAlgn));
    if (FRotWithShape)
        writer.AddAttribute("rotWithShape", XmlBoolToStr(*FRotWithShape));
}

void TCT_OuterShadowEffect::Write(TNyqWriteXML& writer) const
{
    if (FScrgbClr && FScrgbClr->Available())
        NyqWriteChild(writer, "a:scrgbClr", *FScrgbClr);
    if (FSrgbClr && FSrgbClr->Available())
        NyqWriteChild(writer, "a:srgbClr", *FSrgbClr);
    if (FHslClr && FHslClr->Available())
        NyqWriteChild(writer, "a:hslClr", *FHslClr);
    if (FSysClr && FSysClr->Available())
        NyqWriteChild(writer, "a:sysClr", *FSysClr);
    if (FSchemeClr && FSchemeClr->Available())
        NyqWriteChild(writer, "a:schemeClr", *FSchemeClr);
    if (FPrstClr && FPrstClr->Available())
        NyqWriteChild(writer, "a:prstClr", *FPrstClr);
    FAny.Write(writer);
}

void TCT_OuterShadowEffect::Clear()
{
    TNYQBase::Clear();
    FBlurRad = {};
    FDist = {};
    FDir = {};
    FSx = {};
    FSy = {};
    FKx = {};
    FKy = {};
    FAlgn = {};
    FRotWithShape = {};
    FScrgbClr.reset();
    FSrgbClr.reset();
    FHslClr.reset();
    FSysClr.reset();
    FSchemeClr.reset();
    FPrstClr.reset();
    FAny.Clear();
}

void TCT_OuterShadowEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_OuterShadowEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FBlurRad = o->FBlurRad;
    FDist = o->FDist;
    FDir = o->FDir;
    FSx = o->FSx;
    FSy = o->FSy;
    FKx = o->FKx;
    FKy = o->FKy;
    FAlgn = o->FAlgn;
    FRotWithShape = o->FRotWithShape;
    if (o->FScrgbClr)
        Create_ScrgbClr().Assign(*o->FScrgbClr);
    if (o->FSrgbClr)
        Create_SrgbClr().Assign(*o->FSrgbClr);
    if (o->FHslClr)
        Create_HslClr().Assign(*o->FHslClr);
    if (o->FSysClr)
        Create_SysClr().Assign(*o->FSysClr);
    if (o->FSchemeClr)
        Create_SchemeClr().Assign(*o->FSchemeClr);
    if (o->FPrstClr)
        Create_PrstClr().Assign(*o->FPrstClr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_OuterShadowEffect::HasElements() const
{
    return FScrgbClr != nullptr || FSrgbClr != nullptr || FHslClr != nullptr || FSysClr != nullptr || FSchemeClr != nullptr || FPrstClr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PresetShadowEffect

TCT_PresetShadowEffect::TCT_PresetShadowEffect() = default;
TCT_PresetShadowEffect::~TCT_PresetShadowEffect() = default;

TCT_ScRgbColor& TCT_PresetShadowEffect::Create_ScrgbClr()
{
    if (!FScrgbClr) {
        FScrgbClr = std::make_unique<TCT_ScRgbColor>();
        FScrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FScrgbClr;
}

TCT_SRgbColor& TCT_PresetShadowEffect::Create_SrgbClr()
{
    if (!FSrgbClr) {
        FSrgbClr = std::make_unique<TCT_SRgbColor>();
        FSrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FSrgbClr;
}

TCT_HslColor& TCT_PresetShadowEffect::Create_HslClr()
{
    if (!FHslClr) {
        FHslClr = std::make_unique<TCT_HslColor>();
        FHslClr->SetAssigned();
    }
    SetHasChildren();
    return *FHslClr;
}

TCT_SystemColor& TCT_PresetShadowEffect::Create_SysClr()
{
    if (!FSysClr) {
        FSysClr = std::make_unique<TCT_SystemColor>();
        FSysClr->SetAssigned();
    }
    SetHasChildren();
    return *FSysClr;
}

TCT_SchemeColor& TCT_PresetShadowEffect::Create_SchemeClr()
{
    if (!FSchemeClr) {
        FSchemeClr = std::make_unique<TCT_SchemeColor>();
        FSchemeClr->SetAssigned();
    }
    SetHasChildren();
    return *FSchemeClr;
}

TCT_PresetColor& TCT_PresetShadowEffect::Create_PrstClr()
{
    if (!FPrstClr) {
        FPrstClr = std::make_unique<TCT_PresetColor>();
        FPrstClr->SetAssigned();
    }
    SetHasChildren();
    return *FPrstClr;
}

TNYQBase* TCT_PresetShadowEffect::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 616:
        if (local == "hslClr") {
            return &Create_HslClr();
        }
        break;
    case 640:
        if (local == "sysClr") {
            return &Create_SysClr();
        }
        break;
    case 719:
        if (local == "srgbClr") {
            return &Create_SrgbClr();
        }
        break;
    case 746:
        if (local == "prstClr") {
            return &Create_PrstClr();
        }
        break;
    case 818:
        if (local == "scrgbClr") {
            return &Create_ScrgbClr();
        }
        break;
    case 918:
        if (local == "schemeClr") {
            return &Create_SchemeClr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PresetShadowEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 319:
            if (local == "dir") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FDir = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 436:
            if (local == "dist") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FDist = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 457:
            if (local == "prst") {
                if (const auto v = StrToTST_PresetShadowVal(attrs.GetValues(i)))
                    FPrst = *v;
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

void TCT_PresetShadowEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("prst", TST_PresetShadowValToStr(FPrst));
    if (FDist)
        writer.AddAttribute("dist", XmlIntToStr(*FDist));
    if (FDir)
        writer.AddAttribute("dir", XmlIntToStr(*FDir));
}

void TCT_PresetShadowEffect::Write(TNyqWriteXML& writer) const
{
    if (FScrgbClr && FScrgbClr->Available())
        NyqWriteChild(writer, "a:scrgbClr", *FScrgbClr);
    if (FSrgbClr && FSrgbClr->Available())
        NyqWriteChild(writer, "a:srgbClr", *FSrgbClr);
    if (FHslClr && FHslClr->Available())
        NyqWriteChild(writer, "a:hslClr", *FHslClr);
    if (FSysClr && FSysClr->Available())
        NyqWriteChild(writer, "a:sysClr", *FSysClr);
    if (FSchemeClr && FSchemeClr->Available())
        NyqWriteChild(writer, "a:schemeClr", *FSchemeClr);
    if (FPrstClr && FPrstClr->Available())
        NyqWriteChild(writer, "a:prstClr", *FPrstClr);
    FAny.Write(writer);
}

void TCT_PresetShadowEffect::Clear()
{
    TNYQBase::Clear();
    FPrst = {};
    FDist = {};
    FDir = {};
    FScrgbClr.reset();
    FSrgbClr.reset();
    FHslClr.reset();
    FSysClr.reset();
    FSchemeClr.reset();
    FPrstClr.reset();
    FAny.Clear();
}

void TCT_PresetShadowEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PresetShadowEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FPrst = o->FPrst;
    FDist = o->FDist;
    FDir = o->FDir;
    if (o->FScrgbClr)
        Create_ScrgbClr().Assign(*o->FScrgbClr);
    if (o->FSrgbClr)
        Create_SrgbClr().Assign(*o->FSrgbClr);
    if (o->FHslClr)
        Create_HslClr().Assign(*o->FHslClr);
    if (o->FSysClr)
        Create_SysClr().Assign(*o->FSysClr);
    if (o->FSchemeClr)
        Create_SchemeClr().Assign(*o->FSchemeClr);
    if (o->FPrstClr)
        Create_PrstClr().Assign(*o->FPrstClr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PresetShadowEffect::HasElements() const
{
    return FScrgbClr != nullptr || FSrgbClr != nullptr || FHslClr != nullptr || FSysClr != nullptr || FSchemeClr != nullptr || FPrstClr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ReflectionEffect

TCT_ReflectionEffect::TCT_ReflectionEffect() = default;
TCT_ReflectionEffect::~TCT_ReflectionEffect() = default;

TNYQBase* TCT_ReflectionEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_ReflectionEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 227:
            if (local == "kx") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FKx = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 228:
            if (local == "ky") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FKy = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 235:
            if (local == "sx") {
                FSx = attrs.GetValues(i);
                continue;
            }
            break;
        case 236:
            if (local == "sy") {
                FSy = attrs.GetValues(i);
                continue;
            }
            break;
        case 296:
            if (local == "stA") {
                FStA = attrs.GetValues(i);
                continue;
            }
            break;
        case 319:
            if (local == "dir") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FDir = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 376:
            if (local == "endA") {
                FEndA = attrs.GetValues(i);
                continue;
            }
            break;
        case 418:
            if (local == "algn") {
                if (const auto v = StrToTST_RectAlignment(attrs.GetValues(i)))
                    FAlgn = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 436:
            if (local == "dist") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FDist = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 537:
            if (local == "stPos") {
                FStPos = attrs.GetValues(i);
                continue;
            }
            break;
        case 617:
            if (local == "endPos") {
                FEndPos = attrs.GetValues(i);
                continue;
            }
            break;
        case 687:
            if (local == "fadeDir") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FFadeDir = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 716:
            if (local == "blurRad") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FBlurRad = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1250:
            if (local == "rotWithShape") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FRotWithShape = *v;
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

void TCT_ReflectionEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FBlurRad)
        writer.AddAttribute("blurRad", XmlIntToStr(*FBlurRad));
    if (FStA)
        writer.AddAttribute("stA", *FStA);
    if (FStPos)
        writer.AddAttribute("stPos", *FStPos);
    if (FEndA)
        writer.AddAttribute("endA", *FEndA);
    if (FEndPos)
        writer.AddAttribute("endPos", *FEndPos);
    if (FDist)
        writer.AddAttribute("dist", XmlIntToStr(*FDist));
    if (FDir)
        writer.AddAttribute("dir", XmlIntToStr(*FDir));
    if (FFadeDir)
        writer.AddAttribute("fadeDir", XmlIntToStr(*FFadeDir));
    if (FSx)
        writer.AddAttribute("sx", *FSx);
    if (FSy)
        writer.AddAttribute("sy", *FSy);
    if (FKx)
        writer.AddAttribute("kx", XmlIntToStr(*FKx));
    if (FKy)
        writer.AddAttribute("ky", XmlIntToStr(*FKy));
    if (FAlgn)
        writer.AddAttribute("algn", TST_RectAlignmentToStr(*FAlgn));
    if (FRotWithShape)
        writer.AddAttribute("rotWithShape", XmlBoolToStr(*FRotWithShape));
}

void TCT_ReflectionEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_ReflectionEffect::Clear()
{
    TNYQBase::Clear();
    FBlurRad = {};
    FStA = {};
    FStPos = {};
    FEndA = {};
    FEndPos = {};
    FDist = {};
    FDir = {};
    FFadeDir = {};
    FSx = {};
    FSy = {};
    FKx = {};
    FKy = {};
    FAlgn = {};
    FRotWithShape = {};
    FAny.Clear();
}

void TCT_ReflectionEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ReflectionEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FBlurRad = o->FBlurRad;
    FStA = o->FStA;
    FStPos = o->FStPos;
    FEndA = o->FEndA;
    FEndPos = o->FEndPos;
    FDist = o->FDist;
    FDir = o->FDir;
    FFadeDir = o->FFadeDir;
    FSx = o->FSx;
    FSy = o->FSy;
    FKx = o->FKx;
    FKy = o->FKy;
    FAlgn = o->FAlgn;
    FRotWithShape = o->FRotWithShape;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ReflectionEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SoftEdgesEffect

TCT_SoftEdgesEffect::TCT_SoftEdgesEffect() = default;
TCT_SoftEdgesEffect::~TCT_SoftEdgesEffect() = default;

TNYQBase* TCT_SoftEdgesEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SoftEdgesEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 311:
            if (local == "rad") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FRad = *v;
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

void TCT_SoftEdgesEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("rad", XmlIntToStr(FRad));
}

void TCT_SoftEdgesEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_SoftEdgesEffect::Clear()
{
    TNYQBase::Clear();
    FRad = {};
    FAny.Clear();
}

void TCT_SoftEdgesEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SoftEdgesEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FRad = o->FRad;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SoftEdgesEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_EffectReference

TCT_EffectReference::TCT_EffectReference() = default;
TCT_EffectReference::~TCT_EffectReference() = default;

TNYQBase* TCT_EffectReference::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_EffectReference::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 317:
            if (local == "ref") {
                FRef = attrs.GetValues(i);
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

void TCT_EffectReference::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("ref", FRef);
}

void TCT_EffectReference::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_EffectReference::Clear()
{
    TNYQBase::Clear();
    FRef = {};
    FAny.Clear();
}

void TCT_EffectReference::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_EffectReference*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FRef = o->FRef;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_EffectReference::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_AlphaOutsetEffect

TCT_AlphaOutsetEffect::TCT_AlphaOutsetEffect() = default;
TCT_AlphaOutsetEffect::~TCT_AlphaOutsetEffect() = default;

TNYQBase* TCT_AlphaOutsetEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_AlphaOutsetEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 311:
            if (local == "rad") {
                FRad = attrs.GetValues(i);
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

void TCT_AlphaOutsetEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FRad)
        writer.AddAttribute("rad", *FRad);
}

void TCT_AlphaOutsetEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_AlphaOutsetEffect::Clear()
{
    TNYQBase::Clear();
    FRad = {};
    FAny.Clear();
}

void TCT_AlphaOutsetEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_AlphaOutsetEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FRad = o->FRad;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_AlphaOutsetEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_BlendEffect

TCT_BlendEffect::TCT_BlendEffect() = default;
TCT_BlendEffect::~TCT_BlendEffect() = default;

TCT_EffectContainer& TCT_BlendEffect::Create_Cont()
{
    if (!FCont) {
        FCont = std::make_unique<TCT_EffectContainer>();
        FCont->SetAssigned();
    }
    SetHasChildren();
    return *FCont;
}

TNYQBase* TCT_BlendEffect::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 436:
        if (local == "cont") {
            return &Create_Cont();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_BlendEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 517:
            if (local == "blend") {
                if (const auto v = StrToTST_BlendMode(attrs.GetValues(i)))
                    FBlend = *v;
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

void TCT_BlendEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("blend", TST_BlendModeToStr(FBlend));
}

void TCT_BlendEffect::Write(TNyqWriteXML& writer) const
{
    if (FCont && FCont->Available())
        NyqWriteChild(writer, "a:cont", *FCont);
    FAny.Write(writer);
}

void TCT_BlendEffect::Clear()
{
    TNYQBase::Clear();
    FBlend = {};
    FCont.reset();
    FAny.Clear();
}

void TCT_BlendEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_BlendEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FBlend = o->FBlend;
    if (o->FCont)
        Create_Cont().Assign(*o->FCont);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_BlendEffect::HasElements() const
{
    return FCont != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FillEffect

TCT_FillEffect::TCT_FillEffect() = default;
TCT_FillEffect::~TCT_FillEffect() = default;

TCT_NoFillProperties& TCT_FillEffect::Create_NoFill()
{
    if (!FNoFill) {
        FNoFill = std::make_unique<TCT_NoFillProperties>();
        FNoFill->SetAssigned();
    }
    SetHasChildren();
    return *FNoFill;
}

TCT_SolidColorFillProperties& TCT_FillEffect::Create_SolidFill()
{
    if (!FSolidFill) {
        FSolidFill = std::make_unique<TCT_SolidColorFillProperties>();
        FSolidFill->SetAssigned();
    }
    SetHasChildren();
    return *FSolidFill;
}

TCT_GradientFillProperties& TCT_FillEffect::Create_GradFill()
{
    if (!FGradFill) {
        FGradFill = std::make_unique<TCT_GradientFillProperties>();
        FGradFill->SetAssigned();
    }
    SetHasChildren();
    return *FGradFill;
}

TCT_BlipFillProperties& TCT_FillEffect::Create_BlipFill()
{
    if (!FBlipFill) {
        FBlipFill = std::make_unique<TCT_BlipFillProperties>();
        FBlipFill->SetAssigned();
    }
    SetHasChildren();
    return *FBlipFill;
}

TCT_PatternFillProperties& TCT_FillEffect::Create_PattFill()
{
    if (!FPattFill) {
        FPattFill = std::make_unique<TCT_PatternFillProperties>();
        FPattFill->SetAssigned();
    }
    SetHasChildren();
    return *FPattFill;
}

TCT_GroupFillProperties& TCT_FillEffect::Create_GrpFill()
{
    if (!FGrpFill) {
        FGrpFill = std::make_unique<TCT_GroupFillProperties>();
        FGrpFill->SetAssigned();
    }
    SetHasChildren();
    return *FGrpFill;
}

TNYQBase* TCT_FillEffect::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 612:
        if (local == "noFill") {
            return &Create_NoFill();
        }
        break;
    case 720:
        if (local == "grpFill") {
            return &Create_GrpFill();
        }
        break;
    case 805:
        if (local == "gradFill") {
            return &Create_GradFill();
        }
        break;
    case 814:
        if (local == "blipFill") {
            return &Create_BlipFill();
        }
        break;
    case 832:
        if (local == "pattFill") {
            return &Create_PattFill();
        }
        break;
    case 930:
        if (local == "solidFill") {
            return &Create_SolidFill();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FillEffect::Write(TNyqWriteXML& writer) const
{
    if (FNoFill && FNoFill->Available())
        NyqWriteChild(writer, "a:noFill", *FNoFill);
    if (FSolidFill && FSolidFill->Available())
        NyqWriteChild(writer, "a:solidFill", *FSolidFill);
    if (FGradFill && FGradFill->Available())
        NyqWriteChild(writer, "a:gradFill", *FGradFill);
    if (FBlipFill && FBlipFill->Available())
        NyqWriteChild(writer, "a:blipFill", *FBlipFill);
    if (FPattFill && FPattFill->Available())
        NyqWriteChild(writer, "a:pattFill", *FPattFill);
    if (FGrpFill && FGrpFill->Available())
        NyqWriteChild(writer, "a:grpFill", *FGrpFill);
    FAny.Write(writer);
}

void TCT_FillEffect::Clear()
{
    TNYQBase::Clear();
    FNoFill.reset();
    FSolidFill.reset();
    FGradFill.reset();
    FBlipFill.reset();
    FPattFill.reset();
    FGrpFill.reset();
    FAny.Clear();
}

void TCT_FillEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FillEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FNoFill)
        Create_NoFill().Assign(*o->FNoFill);
    if (o->FSolidFill)
        Create_SolidFill().Assign(*o->FSolidFill);
    if (o->FGradFill)
        Create_GradFill().Assign(*o->FGradFill);
    if (o->FBlipFill)
        Create_BlipFill().Assign(*o->FBlipFill);
    if (o->FPattFill)
        Create_PattFill().Assign(*o->FPattFill);
    if (o->FGrpFill)
        Create_GrpFill().Assign(*o->FGrpFill);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FillEffect::HasElements() const
{
    return FNoFill != nullptr || FSolidFill != nullptr || FGradFill != nullptr || FBlipFill != nullptr || FPattFill != nullptr || FGrpFill != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_RelativeOffsetEffect

TCT_RelativeOffsetEffect::TCT_RelativeOffsetEffect() = default;
TCT_RelativeOffsetEffect::~TCT_RelativeOffsetEffect() = default;

TNYQBase* TCT_RelativeOffsetEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_RelativeOffsetEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 236:
            if (local == "tx") {
                FTx = attrs.GetValues(i);
                continue;
            }
            break;
        case 237:
            if (local == "ty") {
                FTy = attrs.GetValues(i);
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

void TCT_RelativeOffsetEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FTx)
        writer.AddAttribute("tx", *FTx);
    if (FTy)
        writer.AddAttribute("ty", *FTy);
}

void TCT_RelativeOffsetEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_RelativeOffsetEffect::Clear()
{
    TNYQBase::Clear();
    FTx = {};
    FTy = {};
    FAny.Clear();
}

void TCT_RelativeOffsetEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_RelativeOffsetEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FTx = o->FTx;
    FTy = o->FTy;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_RelativeOffsetEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_TransformEffect

TCT_TransformEffect::TCT_TransformEffect() = default;
TCT_TransformEffect::~TCT_TransformEffect() = default;

TNYQBase* TCT_TransformEffect::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_TransformEffect::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 227:
            if (local == "kx") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FKx = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 228:
            if (local == "ky") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FKy = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 235:
            if (local == "sx") {
                FSx = attrs.GetValues(i);
                continue;
            }
            break;
        case 236:
            if (local == "sy") {
                FSy = attrs.GetValues(i);
                continue;
            }
            if (local == "tx") {
                FTx = attrs.GetValues(i);
                continue;
            }
            break;
        case 237:
            if (local == "ty") {
                FTy = attrs.GetValues(i);
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

void TCT_TransformEffect::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FSx)
        writer.AddAttribute("sx", *FSx);
    if (FSy)
        writer.AddAttribute("sy", *FSy);
    if (FKx)
        writer.AddAttribute("kx", XmlIntToStr(*FKx));
    if (FKy)
        writer.AddAttribute("ky", XmlIntToStr(*FKy));
    if (FTx)
        writer.AddAttribute("tx", *FTx);
    if (FTy)
        writer.AddAttribute("ty", *FTy);
}

void TCT_TransformEffect::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_TransformEffect::Clear()
{
    TNYQBase::Clear();
    FSx = {};
    FSy = {};
    FKx = {};
    FKy = {};
    FTx = {};
    FTy = {};
    FAny.Clear();
}

void TCT_TransformEffect::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_TransformEffect*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FSx = o->FSx;
    FSy = o->FSy;
    FKx = o->FKx;
    FKy = o->FKy;
    FTx = o->FTx;
    FTy = o->FTy;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_TransformEffect::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Camera

TCT_Camera::TCT_Camera() = default;
TCT_Camera::~TCT_Camera() = default;

TCT_SphereCoords& TCT_Camera::Create_Rot()
{
    if (!FRot) {
        FRot = std::make_unique<TCT_SphereCoords>();
        FRot->SetAssigned();
    }
    SetHasChildren();
    return *FRot;
}

TNYQBase* TCT_Camera::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 341:
        if (local == "rot") {
            return &Create_Rot();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Camera::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 331:
            if (local == "fov") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FFov = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 453:
            if (local == "zoom") {
                FZoom = attrs.GetValues(i);
                continue;
            }
            break;
        case 457:
            if (local == "prst") {
                if (const auto v = StrToTST_PresetCameraType(attrs.GetValues(i)))
                    FPrst = *v;
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

void TCT_Camera::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("prst", TST_PresetCameraTypeToStr(FPrst));
    if (FFov)
        writer.AddAttribute("fov", XmlIntToStr(*FFov));
    if (FZoom)
        writer.AddAttribute("zoom", *FZoom);
}

void TCT_Camera::Write(TNyqWriteXML& writer) const
{
    if (FRot && FRot->Available())
        NyqWriteChild(writer, "a:rot", *FRot);
    FAny.Write(writer);
}

void TCT_Camera::Clear()
{
    TNYQBase::Clear();
    FPrst = {};
    FFov = {};
    FZoom = {};
    FRot.reset();
    FAny.Clear();
}

void TCT_Camera::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Camera*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FPrst = o->FPrst;
    FFov = o->FFov;
    FZoom = o->FZoom;
    if (o->FRot)
        Create_Rot().Assign(*o->FRot);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Camera::HasElements() const
{
    return FRot != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_LightRig

TCT_LightRig::TCT_LightRig() = default;
TCT_LightRig::~TCT_LightRig() = default;

TCT_SphereCoords& TCT_LightRig::Create_Rot()
{
    if (!FRot) {
        FRot = std::make_unique<TCT_SphereCoords>();
        FRot->SetAssigned();
    }
    SetHasChildren();
    return *FRot;
}

TNYQBase* TCT_LightRig::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 341:
        if (local == "rot") {
            return &Create_Rot();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_LightRig::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 319:
            if (local == "dir") {
                if (const auto v = StrToTST_LightRigDirection(attrs.GetValues(i)))
                    FDir = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 322:
            if (local == "rig") {
                if (const auto v = StrToTST_LightRigType(attrs.GetValues(i)))
                    FRig = *v;
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

void TCT_LightRig::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("rig", TST_LightRigTypeToStr(FRig));
    writer.AddAttribute("dir", TST_LightRigDirectionToStr(FDir));
}

void TCT_LightRig::Write(TNyqWriteXML& writer) const
{
    if (FRot && FRot->Available())
        NyqWriteChild(writer, "a:rot", *FRot);
    FAny.Write(writer);
}

void TCT_LightRig::Clear()
{
    TNYQBase::Clear();
    FRig = {};
    FDir = {};
    FRot.reset();
    FAny.Clear();
}

void TCT_LightRig::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_LightRig*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FRig = o->FRig;
    FDir = o->FDir;
    if (o->FRot)
        Create_Rot().Assign(*o->FRot);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_LightRig::HasElements() const
{
    return FRot != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Backdrop

TCT_Backdrop::TCT_Backdrop() = default;
TCT_Backdrop::~TCT_Backdrop() = default;

TCT_Point3D& TCT_Backdrop::Create_Anchor()
{
    if (!FAnchor) {
        FAnchor = std::make_unique<TCT_Point3D>();
        FAnchor->SetAssigned();
    }
    SetHasChildren();
    return *FAnchor;
}

TCT_Vector3D& TCT_Backdrop::Create_Norm()
{
    if (!FNorm) {
        FNorm = std::make_unique<TCT_Vector3D>();
        FNorm->SetAssigned();
    }
    SetHasChildren();
    return *FNorm;
}

TCT_Vector3D& TCT_Backdrop::Create_Up()
{
    if (!FUp) {
        FUp = std::make_unique<TCT_Vector3D>();
        FUp->SetAssigned();
    }
    SetHasChildren();
    return *FUp;
}

TCT_OfficeArtExtensionList& TCT_Backdrop::Create_ExtLst()
{
    if (!FExtLst) {
        FExtLst = std::make_unique<TCT_OfficeArtExtensionList>();
        FExtLst->SetAssigned();
    }
    SetHasChildren();
    return *FExtLst;
}

TNYQBase* TCT_Backdrop::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 229:
        if (local == "up") {
            return &Create_Up();
        }
        break;
    case 444:
        if (local == "norm") {
            return &Create_Norm();
        }
        break;
    case 635:
        if (local == "anchor") {
            return &Create_Anchor();
        }
        break;
    case 644:
        if (local == "extLst") {
            return &Create_ExtLst();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Backdrop::Write(TNyqWriteXML& writer) const
{
    if (FAnchor && FAnchor->Available())
        NyqWriteChild(writer, "a:anchor", *FAnchor);
    if (FNorm && FNorm->Available())
        NyqWriteChild(writer, "a:norm", *FNorm);
    if (FUp && FUp->Available())
        NyqWriteChild(writer, "a:up", *FUp);
    if (FExtLst && FExtLst->Available())
        NyqWriteChild(writer, "a:extLst", *FExtLst);
    FAny.Write(writer);
}

void TCT_Backdrop::Clear()
{
    TNYQBase::Clear();
    FAnchor.reset();
    FNorm.reset();
    FUp.reset();
    FExtLst.reset();
    FAny.Clear();
}

void TCT_Backdrop::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Backdrop*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FAnchor)
        Create_Anchor().Assign(*o->FAnchor);
    if (o->FNorm)
        Create_Norm().Assign(*o->FNorm);
    if (o->FUp)
        Create_Up().Assign(*o->FUp);
    if (o->FExtLst)
        Create_ExtLst().Assign(*o->FExtLst);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Backdrop::HasElements() const
{
    return FAnchor != nullptr || FNorm != nullptr || FUp != nullptr || FExtLst != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Bevel

TCT_Bevel::TCT_Bevel() = default;
TCT_Bevel::~TCT_Bevel() = default;

TNYQBase* TCT_Bevel::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Bevel::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 104:
            if (local == "h") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FH = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 119:
            if (local == "w") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FW = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 457:
            if (local == "prst") {
                if (const auto v = StrToTST_BevelPresetType(attrs.GetValues(i)))
                    FPrst = *v;
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

void TCT_Bevel::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FW)
        writer.AddAttribute("w", XmlIntToStr(*FW));
    if (FH)
        writer.AddAttribute("h", XmlIntToStr(*FH));
    if (FPrst)
        writer.AddAttribute("prst", TST_BevelPresetTypeToStr(*FPrst));
}

void TCT_Bevel::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Bevel::Clear()
{
    TNYQBase::Clear();
    FW = {};
    FH = {};
    FPrst = {};
    FAny.Clear();
}

void TCT_Bevel::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Bevel*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FW = o->FW;
    FH = o->FH;
    FPrst = o->FPrst;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Bevel::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_OfficeArtExtension

TCT_OfficeArtExtension::TCT_OfficeArtExtension() = default;
TCT_OfficeArtExtension::~TCT_OfficeArtExtension() = default;

TNYQBase* TCT_OfficeArtExtension::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 310:
        if (local == "arc") {
            SetHasChildren();
            return &FAny.Add<TCT_Arc>("v:arc");
        }
        break;
    case 316:
        if (local == "pic") {
            SetHasChildren();
            return &FAny.Add<TCT_Picture_pic>("pic:pic");
        }
        break;
    case 318:
        if (local == "hdr") {
            SetHasChildren();
            return &FAny.Add<TCT_HdrFtr>("w:hdr");
        }
        break;
    case 332:
        if (local == "ftr") {
            SetHasChildren();
            return &FAny.Add<TCT_HdrFtr>("w:ftr");
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
    case 554:
        if (local == "fonts") {
            SetHasChildren();
            return &FAny.Add<TCT_FontsList>("w:fonts");
        }
        break;
    case 557:
        if (local == "group") {
            SetHasChildren();
            return &FAny.Add<TCT_Group>("v:group");
        }
        break;
    case 676:
        if (local == "styles") {
            SetHasChildren();
            return &FAny.Add<TCT_Styles>("w:styles");
        }
        break;
    case 863:
        if (local == "document") {
            SetHasChildren();
            return &FAny.Add<TCT_Document>("w:document");
        }
        break;
    case 864:
        if (local == "endnotes") {
            SetHasChildren();
            return &FAny.Add<TCT_Endnotes>("w:endnotes");
        }
        break;
    case 870:
        if (local == "comments") {
            SetHasChildren();
            return &FAny.Add<TCT_Comments>("w:comments");
        }
        break;
    case 876:
        if (local == "polyline") {
            SetHasChildren();
            return &FAny.Add<TCT_PolyLine>("v:polyline");
        }
        break;
    case 881:
        if (local == "settings") {
            SetHasChildren();
            return &FAny.Add<TCT_Settings>("w:settings");
        }
        break;
    case 967:
        if (local == "numbering") {
            SetHasChildren();
            return &FAny.Add<TCT_Numbering>("w:numbering");
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
    case 993:
        if (local == "footnotes") {
            SetHasChildren();
            return &FAny.Add<TCT_Footnotes>("w:footnotes");
        }
        break;
    case 1167:
        if (local == "webSettings") {
            SetHasChildren();
            return &FAny.Add<TCT_WebSettings>("w:webSettings");
        }
        break;
    default:
        break;
    }
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_OfficeArtExtension::AssignAttributes(TNYQReader& reader)
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
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_OfficeArtExtension::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("uri", FUri);
}

void TCT_OfficeArtExtension::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_OfficeArtExtension::Clear()
{
    TNYQBase::Clear();
    FUri = {};
    FAny.Clear();
}

void TCT_OfficeArtExtension::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_OfficeArtExtension*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FUri = o->FUri;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_OfficeArtExtension::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PosH

TCT_PosH::TCT_PosH() = default;
TCT_PosH::~TCT_PosH() = default;

TNYQValueElement& TCT_PosH::Create_Align()
{
    if (!FAlign) {
        FAlign = std::make_unique<TNYQValueElement>();
        FAlign->SetAssigned();
    }
    SetHasChildren();
    return *FAlign;
}

TNYQValueElement& TCT_PosH::Create_PosOffset()
{
    if (!FPosOffset) {
        FPosOffset = std::make_unique<TNYQValueElement>();
        FPosOffset->SetAssigned();
    }
    SetHasChildren();
    return *FPosOffset;
}

TNYQBase* TCT_PosH::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 523:
        if (local == "align") {
            return &Create_Align();
        }
        break;
    case 953:
        if (local == "posOffset") {
            return &Create_PosOffset();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PosH::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 1264:
            if (local == "relativeFrom") {
                if (const auto v = StrToTST_RelFromH(attrs.GetValues(i)))
                    FRelativeFrom = *v;
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

void TCT_PosH::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("relativeFrom", TST_RelFromHToStr(FRelativeFrom));
}

void TCT_PosH::Write(TNyqWriteXML& writer) const
{
    if (FAlign && FAlign->Available())
        NyqWriteChild(writer, "wp:align", *FAlign);
    if (FPosOffset && FPosOffset->Available())
        NyqWriteChild(writer, "wp:posOffset", *FPosOffset);
    FAny.Write(writer);
}

void TCT_PosH::Clear()
{
    TNYQBase::Clear();
    FRelativeFrom = {};
    FAlign.reset();
    FPosOffset.reset();
    FAny.Clear();
}

void TCT_PosH::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PosH*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FRelativeFrom = o->FRelativeFrom;
    if (o->FAlign)
        Create_Align().Assign(*o->FAlign);
    if (o->FPosOffset)
        Create_PosOffset().Assign(*o->FPosOffset);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PosH::HasElements() const
{
    return FAlign != nullptr || FPosOffset != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PosV

TCT_PosV::TCT_PosV() = default;
TCT_PosV::~TCT_PosV() = default;

TNYQValueElement& TCT_PosV::Create_Align()
{
    if (!FAlign) {
        FAlign = std::make_unique<TNYQValueElement>();
        FAlign->SetAssigned();
    }
    SetHasChildren();
    return *FAlign;
}

TNYQValueElement& TCT_PosV::Create_PosOffset()
{
    if (!FPosOffset) {
        FPosOffset = std::make_unique<TNYQValueElement>();
        FPosOffset->SetAssigned();
    }
    SetHasChildren();
    return *FPosOffset;
}

TNYQBase* TCT_PosV::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 523:
        if (local == "align") {
            return &Create_Align();
        }
        break;
    case 953:
        if (local == "posOffset") {
            return &Create_PosOffset();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PosV::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 1264:
            if (local == "relativeFrom") {
                if (const auto v = StrToTST_RelFromV(attrs.GetValues(i)))
                    FRelativeFrom = *v;
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

void TCT_PosV::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("relativeFrom", TST_RelFromVToStr(FRelativeFrom));
}

void TCT_PosV::Write(TNyqWriteXML& writer) const
{
    if (FAlign && FAlign->Available())
        NyqWriteChild(writer, "wp:align", *FAlign);
    if (FPosOffset && FPosOffset->Available())
        NyqWriteChild(writer, "wp:posOffset", *FPosOffset);
    FAny.Write(writer);
}

void TCT_PosV::Clear()
{
    TNYQBase::Clear();
    FRelativeFrom = {};
    FAlign.reset();
    FPosOffset.reset();
    FAny.Clear();
}

void TCT_PosV::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PosV*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FRelativeFrom = o->FRelativeFrom;
    if (o->FAlign)
        Create_Align().Assign(*o->FAlign);
    if (o->FPosOffset)
        Create_PosOffset().Assign(*o->FPosOffset);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PosV::HasElements() const
{
    return FAlign != nullptr || FPosOffset != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_EffectExtent

TCT_EffectExtent::TCT_EffectExtent() = default;
TCT_EffectExtent::~TCT_EffectExtent() = default;

TNYQBase* TCT_EffectExtent::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_EffectExtent::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 98:
            if (local == "b") {
                FB = attrs.GetValues(i);
                continue;
            }
            break;
        case 108:
            if (local == "l") {
                FL = attrs.GetValues(i);
                continue;
            }
            break;
        case 114:
            if (local == "r") {
                FR = attrs.GetValues(i);
                continue;
            }
            break;
        case 116:
            if (local == "t") {
                FT = attrs.GetValues(i);
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

void TCT_EffectExtent::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("l", FL);
    writer.AddAttribute("t", FT);
    writer.AddAttribute("r", FR);
    writer.AddAttribute("b", FB);
}

void TCT_EffectExtent::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_EffectExtent::Clear()
{
    TNYQBase::Clear();
    FL = {};
    FT = {};
    FR = {};
    FB = {};
    FAny.Clear();
}

void TCT_EffectExtent::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_EffectExtent*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FL = o->FL;
    FT = o->FT;
    FR = o->FR;
    FB = o->FB;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_EffectExtent::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_WrapNone

TCT_WrapNone::TCT_WrapNone() = default;
TCT_WrapNone::~TCT_WrapNone() = default;

TNYQBase* TCT_WrapNone::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_WrapNone::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_WrapNone::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_WrapNone::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_WrapNone*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_WrapNone::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_WrapSquare

TCT_WrapSquare::TCT_WrapSquare() = default;
TCT_WrapSquare::~TCT_WrapSquare() = default;

TCT_EffectExtent& TCT_WrapSquare::Create_EffectExtent()
{
    if (!FEffectExtent) {
        FEffectExtent = std::make_unique<TCT_EffectExtent>();
        FEffectExtent->SetAssigned();
    }
    SetHasChildren();
    return *FEffectExtent;
}

TNYQBase* TCT_WrapSquare::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 1253:
        if (local == "effectExtent") {
            return &Create_EffectExtent();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_WrapSquare::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 502:
            if (local == "distB") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistB = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 512:
            if (local == "distL") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistL = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 518:
            if (local == "distR") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistR = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 520:
            if (local == "distT") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistT = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 863:
            if (local == "wrapText") {
                if (const auto v = StrToTST_WrapText(attrs.GetValues(i)))
                    FWrapText = *v;
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

void TCT_WrapSquare::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("wrapText", TST_WrapTextToStr(FWrapText));
    if (FDistT)
        writer.AddAttribute("distT", XmlIntToStr(*FDistT));
    if (FDistB)
        writer.AddAttribute("distB", XmlIntToStr(*FDistB));
    if (FDistL)
        writer.AddAttribute("distL", XmlIntToStr(*FDistL));
    if (FDistR)
        writer.AddAttribute("distR", XmlIntToStr(*FDistR));
}

void TCT_WrapSquare::Write(TNyqWriteXML& writer) const
{
    if (FEffectExtent && FEffectExtent->Available())
        NyqWriteChild(writer, "wp:effectExtent", *FEffectExtent);
    FAny.Write(writer);
}

void TCT_WrapSquare::Clear()
{
    TNYQBase::Clear();
    FWrapText = {};
    FDistT = {};
    FDistB = {};
    FDistL = {};
    FDistR = {};
    FEffectExtent.reset();
    FAny.Clear();
}

void TCT_WrapSquare::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_WrapSquare*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FWrapText = o->FWrapText;
    FDistT = o->FDistT;
    FDistB = o->FDistB;
    FDistL = o->FDistL;
    FDistR = o->FDistR;
    if (o->FEffectExtent)
        Create_EffectExtent().Assign(*o->FEffectExtent);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_WrapSquare::HasElements() const
{
    return FEffectExtent != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_WrapTight

TCT_WrapTight::TCT_WrapTight() = default;
TCT_WrapTight::~TCT_WrapTight() = default;

TCT_WrapPath& TCT_WrapTight::Create_WrapPolygon()
{
    if (!FWrapPolygon) {
        FWrapPolygon = std::make_unique<TCT_WrapPath>();
        FWrapPolygon->SetAssigned();
    }
    SetHasChildren();
    return *FWrapPolygon;
}

TNYQBase* TCT_WrapTight::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 1186:
        if (local == "wrapPolygon") {
            return &Create_WrapPolygon();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_WrapTight::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 512:
            if (local == "distL") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistL = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 518:
            if (local == "distR") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistR = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 863:
            if (local == "wrapText") {
                if (const auto v = StrToTST_WrapText(attrs.GetValues(i)))
                    FWrapText = *v;
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

void TCT_WrapTight::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("wrapText", TST_WrapTextToStr(FWrapText));
    if (FDistL)
        writer.AddAttribute("distL", XmlIntToStr(*FDistL));
    if (FDistR)
        writer.AddAttribute("distR", XmlIntToStr(*FDistR));
}

void TCT_WrapTight::Write(TNyqWriteXML& writer) const
{
    if (FWrapPolygon && FWrapPolygon->Available())
        NyqWriteChild(writer, "wp:wrapPolygon", *FWrapPolygon);
    FAny.Write(writer);
}

void TCT_WrapTight::Clear()
{
    TNYQBase::Clear();
    FWrapText = {};
    FDistL = {};
    FDistR = {};
    FWrapPolygon.reset();
    FAny.Clear();
}

void TCT_WrapTight::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_WrapTight*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FWrapText = o->FWrapText;
    FDistL = o->FDistL;
    FDistR = o->FDistR;
    if (o->FWrapPolygon)
        Create_WrapPolygon().Assign(*o->FWrapPolygon);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_WrapTight::HasElements() const
{
    return FWrapPolygon != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_WrapThrough

TCT_WrapThrough::TCT_WrapThrough() = default;
TCT_WrapThrough::~TCT_WrapThrough() = default;

TCT_WrapPath& TCT_WrapThrough::Create_WrapPolygon()
{
    if (!FWrapPolygon) {
        FWrapPolygon = std::make_unique<TCT_WrapPath>();
        FWrapPolygon->SetAssigned();
    }
    SetHasChildren();
    return *FWrapPolygon;
}

TNYQBase* TCT_WrapThrough::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 1186:
        if (local == "wrapPolygon") {
            return &Create_WrapPolygon();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_WrapThrough::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 512:
            if (local == "distL") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistL = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 518:
            if (local == "distR") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistR = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 863:
            if (local == "wrapText") {
                if (const auto v = StrToTST_WrapText(attrs.GetValues(i)))
                    FWrapText = *v;
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

void TCT_WrapThrough::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("wrapText", TST_WrapTextToStr(FWrapText));
    if (FDistL)
        writer.AddAttribute("distL", XmlIntToStr(*FDistL));
    if (FDistR)
        writer.AddAttribute("distR", XmlIntToStr(*FDistR));
}

void TCT_WrapThrough::Write(TNyqWriteXML& writer) const
{
    if (FWrapPolygon && FWrapPolygon->Available())
        NyqWriteChild(writer, "wp:wrapPolygon", *FWrapPolygon);
    FAny.Write(writer);
}

void TCT_WrapThrough::Clear()
{
    TNYQBase::Clear();
    FWrapText = {};
    FDistL = {};
    FDistR = {};
    FWrapPolygon.reset();
    FAny.Clear();
}

void TCT_WrapThrough::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_WrapThrough*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FWrapText = o->FWrapText;
    FDistL = o->FDistL;
    FDistR = o->FDistR;
    if (o->FWrapPolygon)
        Create_WrapPolygon().Assign(*o->FWrapPolygon);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_WrapThrough::HasElements() const
{
    return FWrapPolygon != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_WrapTopBottom

TCT_WrapTopBottom::TCT_WrapTopBottom() = default;
TCT_WrapTopBottom::~TCT_WrapTopBottom() = default;

TCT_EffectExtent& TCT_WrapTopBottom::Create_EffectExtent()
{
    if (!FEffectExtent) {
        FEffectExtent = std::make_unique<TCT_EffectExtent>();
        FEffectExtent->SetAssigned();
    }
    SetHasChildren();
    return *FEffectExtent;
}

TNYQBase* TCT_WrapTopBottom::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 1253:
        if (local == "effectExtent") {
            return &Create_EffectExtent();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_WrapTopBottom::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 502:
            if (local == "distB") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistB = static_cast<std::uint32_t>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 520:
            if (local == "distT") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= 0 && *v <= UINT32_MAX)
                    FDistT = static_cast<std::uint32_t>(*v);
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

void TCT_WrapTopBottom::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FDistT)
        writer.AddAttribute("distT", XmlIntToStr(*FDistT));
    if (FDistB)
        writer.AddAttribute("distB", XmlIntToStr(*FDistB));
}

void TCT_WrapTopBottom::Write(TNyqWriteXML& writer) const
{
    if (FEffectExtent && FEffectExtent->Available())
        NyqWriteChild(writer, "wp:effectExtent", *FEffectExtent);
    FAny.Write(writer);
}

void TCT_WrapTopBottom::Clear()
{
    TNYQBase::Clear();
    FDistT = {};
    FDistB = {};
    FEffectExtent.reset();
    FAny.Clear();
}

void TCT_WrapTopBottom::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_WrapTopBottom*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FDistT = o->FDistT;
    FDistB = o->FDistB;
    if (o->FEffectExtent)
        Create_EffectExtent().Assign(*o->FEffectExtent);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_WrapTopBottom::HasElements() const
{
    return FEffectExtent != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_NonVisualGraphicFrameProperties

TCT_NonVisualGraphicFrameProperties::TCT_NonVisualGraphicFrameProperties() = default;
TCT_NonVisualGraphicFrameProperties::~TCT_NonVisualGraphicFrameProperties() = default;

TCT_GraphicalObjectFrameLocking& TCT_NonVisualGraphicFrameProperties::Create_GraphicFrameLocks()
{
    if (!FGraphicFrameLocks) {
        FGraphicFrameLocks = std::make_unique<TCT_GraphicalObjectFrameLocking>();
        FGraphicFrameLocks->SetAssigned();
    }
    SetHasChildren();
    return *FGraphicFrameLocks;
}

TCT_OfficeArtExtensionList& TCT_NonVisualGraphicFrameProperties::Create_ExtLst()
{
    if (!FExtLst) {
        FExtLst = std::make_unique<TCT_OfficeArtExtensionList>();
        FExtLst->SetAssigned();
    }
    SetHasChildren();
    return *FExtLst;
}

TNYQBase* TCT_NonVisualGraphicFrameProperties::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 644:
        if (local == "extLst") {
            return &Create_ExtLst();
        }
        break;
    case 1733:
        if (local == "graphicFrameLocks") {
            return &Create_GraphicFrameLocks();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_NonVisualGraphicFrameProperties::Write(TNyqWriteXML& writer) const
{
    if (FGraphicFrameLocks && FGraphicFrameLocks->Available())
        NyqWriteChild(writer, "a:graphicFrameLocks", *FGraphicFrameLocks);
    if (FExtLst && FExtLst->Available())
        NyqWriteChild(writer, "a:extLst", *FExtLst);
    FAny.Write(writer);
}

void TCT_NonVisualGraphicFrameProperties::Clear()
{
    TNYQBase::Clear();
    FGraphicFrameLocks.reset();
    FExtLst.reset();
    FAny.Clear();
}

void TCT_NonVisualGraphicFrameProperties::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_NonVisualGraphicFrameProperties*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FGraphicFrameLocks)
        Create_GraphicFrameLocks().Assign(*o->FGraphicFrameLocks);
    if (o->FExtLst)
        Create_ExtLst().Assign(*o->FExtLst);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_NonVisualGraphicFrameProperties::HasElements() const
{
    return FGraphicFrameLocks != nullptr || FExtLst != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_GraphicalObject

TCT_GraphicalObject::TCT_GraphicalObject() = default;
TCT_GraphicalObject::~TCT_GraphicalObject() = default;

TCT_GraphicalObjectData& TCT_GraphicalObject::Create_GraphicData()
{
    if (!FGraphicData) {
        FGraphicData = std::make_unique<TCT_GraphicalObjectData>();
        FGraphicData->SetAssigned();
    }
    SetHasChildren();
    return *FGraphicData;
}

TNYQBase* TCT_GraphicalObject::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 1112:
        if (local == "graphicData") {
            return &Create_GraphicData();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_GraphicalObject::Write(TNyqWriteXML& writer) const
{
    if (FGraphicData && FGraphicData->Available())
        NyqWriteChild(writer, "a:graphicData", *FGraphicData);
    FAny.Write(writer);
}

void TCT_GraphicalObject::Clear()
{
    TNYQBase::Clear();
    FGraphicData.reset();
    FAny.Clear();
}

void TCT_GraphicalObject::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_GraphicalObject*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FGraphicData)
        Create_GraphicData().Assign(*o->FGraphicData);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_GraphicalObject::HasElements() const
{
    return FGraphicData != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_EmbeddedWAVAudioFile

TCT_EmbeddedWAVAudioFile::TCT_EmbeddedWAVAudioFile() = default;
TCT_EmbeddedWAVAudioFile::~TCT_EmbeddedWAVAudioFile() = default;

TNYQBase* TCT_EmbeddedWAVAudioFile::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_EmbeddedWAVAudioFile::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 417:
            if (local == "name") {
                FName = attrs.GetValues(i);
                continue;
            }
            break;
        case 509:
            if (local == "embed") {
                FEmbed = attrs.GetValues(i);
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

void TCT_EmbeddedWAVAudioFile::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("r:embed", FEmbed);
    if (FName)
        writer.AddAttribute("name", *FName);
}

void TCT_EmbeddedWAVAudioFile::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_EmbeddedWAVAudioFile::Clear()
{
    TNYQBase::Clear();
    FEmbed = {};
    FName = {};
    FAny.Clear();
}

void TCT_EmbeddedWAVAudioFile::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_EmbeddedWAVAudioFile*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FEmbed = o->FEmbed;
    FName = o->FName;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_EmbeddedWAVAudioFile::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_GeomGuide

TCT_GeomGuide::TCT_GeomGuide() = default;
TCT_GeomGuide::~TCT_GeomGuide() = default;

TNYQBase* TCT_GeomGuide::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_GeomGuide::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 416:
            if (local == "fmla") {
                FFmla = attrs.GetValues(i);
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

void TCT_GeomGuide::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("name", FName);
    writer.AddAttribute("fmla", FFmla);
}

void TCT_GeomGuide::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_GeomGuide::Clear()
{
    TNYQBase::Clear();
    FName = {};
    FFmla = {};
    FAny.Clear();
}

void TCT_GeomGuide::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_GeomGuide*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FName = o->FName;
    FFmla = o->FFmla;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_GeomGuide::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_XYAdjustHandle

TCT_XYAdjustHandle::TCT_XYAdjustHandle() = default;
TCT_XYAdjustHandle::~TCT_XYAdjustHandle() = default;

TCT_AdjPoint2D& TCT_XYAdjustHandle::Create_Pos()
{
    if (!FPos) {
        FPos = std::make_unique<TCT_AdjPoint2D>();
        FPos->SetAssigned();
    }
    SetHasChildren();
    return *FPos;
}

TNYQBase* TCT_XYAdjustHandle::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 338:
        if (local == "pos") {
            return &Create_Pos();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_XYAdjustHandle::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 412:
            if (local == "minX") {
                FMinX = attrs.GetValues(i);
                continue;
            }
            break;
        case 413:
            if (local == "minY") {
                FMinY = attrs.GetValues(i);
                continue;
            }
            break;
        case 414:
            if (local == "maxX") {
                FMaxX = attrs.GetValues(i);
                continue;
            }
            break;
        case 415:
            if (local == "maxY") {
                FMaxY = attrs.GetValues(i);
                continue;
            }
            break;
        case 576:
            if (local == "gdRefX") {
                FGdRefX = attrs.GetValues(i);
                continue;
            }
            break;
        case 577:
            if (local == "gdRefY") {
                FGdRefY = attrs.GetValues(i);
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

void TCT_XYAdjustHandle::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FGdRefX)
        writer.AddAttribute("gdRefX", *FGdRefX);
    if (FMinX)
        writer.AddAttribute("minX", *FMinX);
    if (FMaxX)
        writer.AddAttribute("maxX", *FMaxX);
    if (FGdRefY)
        writer.AddAttribute("gdRefY", *FGdRefY);
    if (FMinY)
        writer.AddAttribute("minY", *FMinY);
    if (FMaxY)
        writer.AddAttribute("maxY", *FMaxY);
}

void TCT_XYAdjustHandle::Write(TNyqWriteXML& writer) const
{
    if (FPos && FPos->Available())
        NyqWriteChild(writer, "a:pos", *FPos);
    FAny.Write(writer);
}

void TCT_XYAdjustHandle::Clear()
{
    TNYQBase::Clear();
    FGdRefX = {};
    FMinX = {};
    FMaxX = {};
    FGdRefY = {};
    FMinY = {};
    FMaxY = {};
    FPos.reset();
    FAny.Clear();
}

void TCT_XYAdjustHandle::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_XYAdjustHandle*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FGdRefX = o->FGdRefX;
    FMinX = o->FMinX;
    FMaxX = o->FMaxX;
    FGdRefY = o->FGdRefY;
    FMinY = o->FMinY;
    FMaxY = o->FMaxY;
    if (o->FPos)
        Create_Pos().Assign(*o->FPos);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_XYAdjustHandle::HasElements() const
{
    return FPos != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PolarAdjustHandle

TCT_PolarAdjustHandle::TCT_PolarAdjustHandle() = default;
TCT_PolarAdjustHandle::~TCT_PolarAdjustHandle() = default;

TCT_AdjPoint2D& TCT_PolarAdjustHandle::Create_Pos()
{
    if (!FPos) {
        FPos = std::make_unique<TCT_AdjPoint2D>();
        FPos->SetAssigned();
    }
    SetHasChildren();
    return *FPos;
}

TNYQBase* TCT_PolarAdjustHandle::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 338:
        if (local == "pos") {
            return &Create_Pos();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PolarAdjustHandle::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 406:
            if (local == "minR") {
                FMinR = attrs.GetValues(i);
                continue;
            }
            break;
        case 408:
            if (local == "maxR") {
                FMaxR = attrs.GetValues(i);
                continue;
            }
            break;
        case 570:
            if (local == "gdRefR") {
                FGdRefR = attrs.GetValues(i);
                continue;
            }
            break;
        case 602:
            if (local == "minAng") {
                FMinAng = attrs.GetValues(i);
                continue;
            }
            break;
        case 604:
            if (local == "maxAng") {
                FMaxAng = attrs.GetValues(i);
                continue;
            }
            break;
        case 766:
            if (local == "gdRefAng") {
                FGdRefAng = attrs.GetValues(i);
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

void TCT_PolarAdjustHandle::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FGdRefR)
        writer.AddAttribute("gdRefR", *FGdRefR);
    if (FMinR)
        writer.AddAttribute("minR", *FMinR);
    if (FMaxR)
        writer.AddAttribute("maxR", *FMaxR);
    if (FGdRefAng)
        writer.AddAttribute("gdRefAng", *FGdRefAng);
    if (FMinAng)
        writer.AddAttribute("minAng", *FMinAng);
    if (FMaxAng)
        writer.AddAttribute("maxAng", *FMaxAng);
}

void TCT_PolarAdjustHandle::Write(TNyqWriteXML& writer) const
{
    if (FPos && FPos->Available())
        NyqWriteChild(writer, "a:pos", *FPos);
    FAny.Write(writer);
}

void TCT_PolarAdjustHandle::Clear()
{
    TNYQBase::Clear();
    FGdRefR = {};
    FMinR = {};
    FMaxR = {};
    FGdRefAng = {};
    FMinAng = {};
    FMaxAng = {};
    FPos.reset();
    FAny.Clear();
}

void TCT_PolarAdjustHandle::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PolarAdjustHandle*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FGdRefR = o->FGdRefR;
    FMinR = o->FMinR;
    FMaxR = o->FMaxR;
    FGdRefAng = o->FGdRefAng;
    FMinAng = o->FMinAng;
    FMaxAng = o->FMaxAng;
    if (o->FPos)
        Create_Pos().Assign(*o->FPos);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PolarAdjustHandle::HasElements() const
{
    return FPos != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ConnectionSite

TCT_ConnectionSite::TCT_ConnectionSite() = default;
TCT_ConnectionSite::~TCT_ConnectionSite() = default;

TCT_AdjPoint2D& TCT_ConnectionSite::Create_Pos()
{
    if (!FPos) {
        FPos = std::make_unique<TCT_AdjPoint2D>();
        FPos->SetAssigned();
    }
    SetHasChildren();
    return *FPos;
}

TNYQBase* TCT_ConnectionSite::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 338:
        if (local == "pos") {
            return &Create_Pos();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_ConnectionSite::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 310:
            if (local == "ang") {
                FAng = attrs.GetValues(i);
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

void TCT_ConnectionSite::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("ang", FAng);
}

void TCT_ConnectionSite::Write(TNyqWriteXML& writer) const
{
    if (FPos && FPos->Available())
        NyqWriteChild(writer, "a:pos", *FPos);
    FAny.Write(writer);
}

void TCT_ConnectionSite::Clear()
{
    TNYQBase::Clear();
    FAng = {};
    FPos.reset();
    FAny.Clear();
}

void TCT_ConnectionSite::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ConnectionSite*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAng = o->FAng;
    if (o->FPos)
        Create_Pos().Assign(*o->FPos);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ConnectionSite::HasElements() const
{
    return FPos != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Path2D

namespace {
constexpr std::string_view cTCT_Path2DFChoice1ListNames[] = {"a:close", "a:moveTo", "a:lnTo", "a:arcTo", "a:quadBezTo", "a:cubicBezTo"};
}  // namespace

TCT_Path2D::TCT_Path2D() = default;
TCT_Path2D::~TCT_Path2D() = default;

TNYQBase* TCT_Path2D::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 413:
        if (local == "lnTo") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Path2DLineTo>(2);
        }
        break;
    case 505:
        if (local == "arcTo") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Path2DArcTo>(3);
        }
        break;
    case 534:
        if (local == "close") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Path2DClose>(0);
        }
        break;
    case 634:
        if (local == "moveTo") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Path2DMoveTo>(1);
        }
        break;
    case 911:
        if (local == "quadBezTo") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Path2DQuadBezierTo>(4);
        }
        break;
    case 1002:
        if (local == "cubicBezTo") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Path2DCubicBezierTo>(5);
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Path2D::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 104:
            if (local == "h") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FH = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 119:
            if (local == "w") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)))
                    FW = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 423:
            if (local == "fill") {
                if (const auto v = StrToTST_PathFillMode(attrs.GetValues(i)))
                    FFill = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 664:
            if (local == "stroke") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FStroke = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1195:
            if (local == "extrusionOk") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FExtrusionOk = *v;
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

void TCT_Path2D::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FW)
        writer.AddAttribute("w", XmlIntToStr(*FW));
    if (FH)
        writer.AddAttribute("h", XmlIntToStr(*FH));
    if (FFill)
        writer.AddAttribute("fill", TST_PathFillModeToStr(*FFill));
    if (FStroke)
        writer.AddAttribute("stroke", XmlBoolToStr(*FStroke));
    if (FExtrusionOk)
        writer.AddAttribute("extrusionOk", XmlBoolToStr(*FExtrusionOk));
}

void TCT_Path2D::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FChoice1List.GetItems())
        NyqWriteChild(writer, cTCT_Path2DFChoice1ListNames[item.Element], *item.Object);
    FAny.Write(writer);
}

void TCT_Path2D::Clear()
{
    TNYQBase::Clear();
    FW = {};
    FH = {};
    FFill = {};
    FStroke = {};
    FExtrusionOk = {};
    FChoice1List.Clear();
    FAny.Clear();
}

void TCT_Path2D::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Path2D*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FW = o->FW;
    FH = o->FH;
    FFill = o->FFill;
    FStroke = o->FStroke;
    FExtrusionOk = o->FExtrusionOk;
    for (const auto& item : o->FChoice1List.GetItems()) {
        switch (item.Element) {
        case 0:
            FChoice1List.Add<TCT_Path2DClose>(0).Assign(*item.Object);
            break;
        case 1:
            FChoice1List.Add<TCT_Path2DMoveTo>(1).Assign(*item.Object);
            break;
        case 2:
            FChoice1List.Add<TCT_Path2DLineTo>(2).Assign(*item.Object);
            break;
        case 3:
            FChoice1List.Add<TCT_Path2DArcTo>(3).Assign(*item.Object);
            break;
        case 4:
            FChoice1List.Add<TCT_Path2DQuadBezierTo>(4).Assign(*item.Object);
            break;
        case 5:
            FChoice1List.Add<TCT_Path2DCubicBezierTo>(5).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Path2D::HasElements() const
{
    return FChoice1List.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PositiveFixedPercentage

TCT_PositiveFixedPercentage::TCT_PositiveFixedPercentage() = default;
TCT_PositiveFixedPercentage::~TCT_PositiveFixedPercentage() = default;

TNYQBase* TCT_PositiveFixedPercentage::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PositiveFixedPercentage::AssignAttributes(TNYQReader& reader)
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

void TCT_PositiveFixedPercentage::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("val", FVal);
}

void TCT_PositiveFixedPercentage::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_PositiveFixedPercentage::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_PositiveFixedPercentage::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PositiveFixedPercentage*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PositiveFixedPercentage::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_ComplementTransform

TCT_ComplementTransform::TCT_ComplementTransform() = default;
TCT_ComplementTransform::~TCT_ComplementTransform() = default;

TNYQBase* TCT_ComplementTransform::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_ComplementTransform::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_ComplementTransform::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_ComplementTransform::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_ComplementTransform*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_ComplementTransform::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_InverseTransform

TCT_InverseTransform::TCT_InverseTransform() = default;
TCT_InverseTransform::~TCT_InverseTransform() = default;

TNYQBase* TCT_InverseTransform::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_InverseTransform::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_InverseTransform::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_InverseTransform::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_InverseTransform*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_InverseTransform::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_GrayscaleTransform

TCT_GrayscaleTransform::TCT_GrayscaleTransform() = default;
TCT_GrayscaleTransform::~TCT_GrayscaleTransform() = default;

TNYQBase* TCT_GrayscaleTransform::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_GrayscaleTransform::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_GrayscaleTransform::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_GrayscaleTransform::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_GrayscaleTransform*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_GrayscaleTransform::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_FixedPercentage

TCT_FixedPercentage::TCT_FixedPercentage() = default;
TCT_FixedPercentage::~TCT_FixedPercentage() = default;

TNYQBase* TCT_FixedPercentage::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_FixedPercentage::AssignAttributes(TNYQReader& reader)
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

void TCT_FixedPercentage::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("val", FVal);
}

void TCT_FixedPercentage::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_FixedPercentage::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_FixedPercentage::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_FixedPercentage*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_FixedPercentage::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PositivePercentage

TCT_PositivePercentage::TCT_PositivePercentage() = default;
TCT_PositivePercentage::~TCT_PositivePercentage() = default;

TNYQBase* TCT_PositivePercentage::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PositivePercentage::AssignAttributes(TNYQReader& reader)
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

void TCT_PositivePercentage::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("val", FVal);
}

void TCT_PositivePercentage::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_PositivePercentage::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_PositivePercentage::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PositivePercentage*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PositivePercentage::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_PositiveFixedAngle

TCT_PositiveFixedAngle::TCT_PositiveFixedAngle() = default;
TCT_PositiveFixedAngle::~TCT_PositiveFixedAngle() = default;

TNYQBase* TCT_PositiveFixedAngle::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_PositiveFixedAngle::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FVal = static_cast<int>(*v);
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

void TCT_PositiveFixedAngle::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("val", XmlIntToStr(FVal));
}

void TCT_PositiveFixedAngle::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_PositiveFixedAngle::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_PositiveFixedAngle::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_PositiveFixedAngle*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_PositiveFixedAngle::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Angle

TCT_Angle::TCT_Angle() = default;
TCT_Angle::~TCT_Angle() = default;

TNYQBase* TCT_Angle::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Angle::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 323:
            if (local == "val") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FVal = static_cast<int>(*v);
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

void TCT_Angle::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("val", XmlIntToStr(FVal));
}

void TCT_Angle::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Angle::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_Angle::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Angle*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Angle::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Percentage

TCT_Percentage::TCT_Percentage() = default;
TCT_Percentage::~TCT_Percentage() = default;

TNYQBase* TCT_Percentage::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Percentage::AssignAttributes(TNYQReader& reader)
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

void TCT_Percentage::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("val", FVal);
}

void TCT_Percentage::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Percentage::Clear()
{
    TNYQBase::Clear();
    FVal = {};
    FAny.Clear();
}

void TCT_Percentage::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Percentage*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FVal = o->FVal;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Percentage::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_GammaTransform

TCT_GammaTransform::TCT_GammaTransform() = default;
TCT_GammaTransform::~TCT_GammaTransform() = default;

TNYQBase* TCT_GammaTransform::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_GammaTransform::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_GammaTransform::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_GammaTransform::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_GammaTransform*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_GammaTransform::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_InverseGammaTransform

TCT_InverseGammaTransform::TCT_InverseGammaTransform() = default;
TCT_InverseGammaTransform::~TCT_InverseGammaTransform() = default;

TNYQBase* TCT_InverseGammaTransform::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_InverseGammaTransform::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_InverseGammaTransform::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_InverseGammaTransform::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_InverseGammaTransform*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_InverseGammaTransform::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_GradientStop

TCT_GradientStop::TCT_GradientStop() = default;
TCT_GradientStop::~TCT_GradientStop() = default;

TCT_ScRgbColor& TCT_GradientStop::Create_ScrgbClr()
{
    if (!FScrgbClr) {
        FScrgbClr = std::make_unique<TCT_ScRgbColor>();
        FScrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FScrgbClr;
}

TCT_SRgbColor& TCT_GradientStop::Create_SrgbClr()
{
    if (!FSrgbClr) {
        FSrgbClr = std::make_unique<TCT_SRgbColor>();
        FSrgbClr->SetAssigned();
    }
    SetHasChildren();
    return *FSrgbClr;
}

TCT_HslColor& TCT_GradientStop::Create_HslClr()
{
    if (!FHslClr) {
        FHslClr = std::make_unique<TCT_HslColor>();
        FHslClr->SetAssigned();
    }
    SetHasChildren();
    return *FHslClr;
}

TCT_SystemColor& TCT_GradientStop::Create_SysClr()
{
    if (!FSysClr) {
        FSysClr = std::make_unique<TCT_SystemColor>();
        FSysClr->SetAssigned();
    }
    SetHasChildren();
    return *FSysClr;
}

TCT_SchemeColor& TCT_GradientStop::Create_SchemeClr()
{
    if (!FSchemeClr) {
        FSchemeClr = std::make_unique<TCT_SchemeColor>();
        FSchemeClr->SetAssigned();
    }
    SetHasChildren();
    return *FSchemeClr;
}

TCT_PresetColor& TCT_GradientStop::Create_PrstClr()
{
    if (!FPrstClr) {
        FPrstClr = std::make_unique<TCT_PresetColor>();
        FPrstClr->SetAssigned();
    }
    SetHasChildren();
    return *FPrstClr;
}

TNYQBase* TCT_GradientStop::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 616:
        if (local == "hslClr") {
            return &Create_HslClr();
        }
        break;
    case 640:
        if (local == "sysClr") {
            return &Create_SysClr();
        }
        break;
    case 719:
        if (local == "srgbClr") {
            return &Create_SrgbClr();
        }
        break;
    case 746:
        if (local == "prstClr") {
            return &Create_PrstClr();
        }
        break;
    case 818:
        if (local == "scrgbClr") {
            return &Create_ScrgbClr();
        }
        break;
    case 918:
        if (local == "schemeClr") {
            return &Create_SchemeClr();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_GradientStop::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 338:
            if (local == "pos") {
                FPos = attrs.GetValues(i);
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

void TCT_GradientStop::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("pos", FPos);
}

void TCT_GradientStop::Write(TNyqWriteXML& writer) const
{
    if (FScrgbClr && FScrgbClr->Available())
        NyqWriteChild(writer, "a:scrgbClr", *FScrgbClr);
    if (FSrgbClr && FSrgbClr->Available())
        NyqWriteChild(writer, "a:srgbClr", *FSrgbClr);
    if (FHslClr && FHslClr->Available())
        NyqWriteChild(writer, "a:hslClr", *FHslClr);
    if (FSysClr && FSysClr->Available())
        NyqWriteChild(writer, "a:sysClr", *FSysClr);
    if (FSchemeClr && FSchemeClr->Available())
        NyqWriteChild(writer, "a:schemeClr", *FSchemeClr);
    if (FPrstClr && FPrstClr->Available())
        NyqWriteChild(writer, "a:prstClr", *FPrstClr);
    FAny.Write(writer);
}

void TCT_GradientStop::Clear()
{
    TNYQBase::Clear();
    FPos = {};
    FScrgbClr.reset();
    FSrgbClr.reset();
    FHslClr.reset();
    FSysClr.reset();
    FSchemeClr.reset();
    FPrstClr.reset();
    FAny.Clear();
}

void TCT_GradientStop::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_GradientStop*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FPos = o->FPos;
    if (o->FScrgbClr)
        Create_ScrgbClr().Assign(*o->FScrgbClr);
    if (o->FSrgbClr)
        Create_SrgbClr().Assign(*o->FSrgbClr);
    if (o->FHslClr)
        Create_HslClr().Assign(*o->FHslClr);
    if (o->FSysClr)
        Create_SysClr().Assign(*o->FSysClr);
    if (o->FSchemeClr)
        Create_SchemeClr().Assign(*o->FSchemeClr);
    if (o->FPrstClr)
        Create_PrstClr().Assign(*o->FPrstClr);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_GradientStop::HasElements() const
{
    return FScrgbClr != nullptr || FSrgbClr != nullptr || FHslClr != nullptr || FSysClr != nullptr || FSchemeClr != nullptr || FPrstClr != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_DashStop

TCT_DashStop::TCT_DashStop() = default;
TCT_DashStop::~TCT_DashStop() = default;

TNYQBase* TCT_DashStop::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_DashStop::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 100:
            if (local == "d") {
                FD = attrs.GetValues(i);
                continue;
            }
            break;
        case 227:
            if (local == "sp") {
                FSp = attrs.GetValues(i);
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

void TCT_DashStop::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("d", FD);
    writer.AddAttribute("sp", FSp);
}

void TCT_DashStop::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_DashStop::Clear()
{
    TNYQBase::Clear();
    FD = {};
    FSp = {};
    FAny.Clear();
}

void TCT_DashStop::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_DashStop*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FD = o->FD;
    FSp = o->FSp;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_DashStop::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_SphereCoords

TCT_SphereCoords::TCT_SphereCoords() = default;
TCT_SphereCoords::~TCT_SphereCoords() = default;

TNYQBase* TCT_SphereCoords::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_SphereCoords::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 321:
            if (local == "lat") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FLat = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 329:
            if (local == "lon") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FLon = static_cast<int>(*v);
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 333:
            if (local == "rev") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FRev = static_cast<int>(*v);
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

void TCT_SphereCoords::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("lat", XmlIntToStr(FLat));
    writer.AddAttribute("lon", XmlIntToStr(FLon));
    writer.AddAttribute("rev", XmlIntToStr(FRev));
}

void TCT_SphereCoords::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_SphereCoords::Clear()
{
    TNYQBase::Clear();
    FLat = {};
    FLon = {};
    FRev = {};
    FAny.Clear();
}

void TCT_SphereCoords::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_SphereCoords*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FLat = o->FLat;
    FLon = o->FLon;
    FRev = o->FRev;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_SphereCoords::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Point3D

TCT_Point3D::TCT_Point3D() = default;
TCT_Point3D::~TCT_Point3D() = default;

TNYQBase* TCT_Point3D::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Point3D::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 120:
            if (local == "x") {
                FX = attrs.GetValues(i);
                continue;
            }
            break;
        case 121:
            if (local == "y") {
                FY = attrs.GetValues(i);
                continue;
            }
            break;
        case 122:
            if (local == "z") {
                FZ = attrs.GetValues(i);
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

void TCT_Point3D::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("x", FX);
    writer.AddAttribute("y", FY);
    writer.AddAttribute("z", FZ);
}

void TCT_Point3D::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Point3D::Clear()
{
    TNYQBase::Clear();
    FX = {};
    FY = {};
    FZ = {};
    FAny.Clear();
}

void TCT_Point3D::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Point3D*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FX = o->FX;
    FY = o->FY;
    FZ = o->FZ;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Point3D::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Vector3D

TCT_Vector3D::TCT_Vector3D() = default;
TCT_Vector3D::~TCT_Vector3D() = default;

TNYQBase* TCT_Vector3D::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Vector3D::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 220:
            if (local == "dx") {
                FDx = attrs.GetValues(i);
                continue;
            }
            break;
        case 221:
            if (local == "dy") {
                FDy = attrs.GetValues(i);
                continue;
            }
            break;
        case 222:
            if (local == "dz") {
                FDz = attrs.GetValues(i);
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

void TCT_Vector3D::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("dx", FDx);
    writer.AddAttribute("dy", FDy);
    writer.AddAttribute("dz", FDz);
}

void TCT_Vector3D::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Vector3D::Clear()
{
    TNYQBase::Clear();
    FDx = {};
    FDy = {};
    FDz = {};
    FAny.Clear();
}

void TCT_Vector3D::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Vector3D*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FDx = o->FDx;
    FDy = o->FDy;
    FDz = o->FDz;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Vector3D::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_WrapPath

TCT_WrapPath::TCT_WrapPath() = default;
TCT_WrapPath::~TCT_WrapPath() = default;

TCT_Point2D& TCT_WrapPath::Create_Start()
{
    if (!FStart) {
        FStart = std::make_unique<TCT_Point2D>();
        FStart->SetAssigned();
    }
    SetHasChildren();
    return *FStart;
}

TNYQBase* TCT_WrapPath::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 558:
        if (local == "start") {
            return &Create_Start();
        }
        break;
    case 619:
        if (local == "lineTo") {
            SetHasChildren();
            return &FLineToList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_WrapPath::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 623:
            if (local == "edited") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FEdited = *v;
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

void TCT_WrapPath::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FEdited)
        writer.AddAttribute("edited", XmlBoolToStr(*FEdited));
}

void TCT_WrapPath::Write(TNyqWriteXML& writer) const
{
    if (FStart && FStart->Available())
        NyqWriteChild(writer, "wp:start", *FStart);
    for (const auto& item : FLineToList.GetItems())
        NyqWriteChild(writer, "wp:lineTo", *item);
    FAny.Write(writer);
}

void TCT_WrapPath::Clear()
{
    TNYQBase::Clear();
    FEdited = {};
    FStart.reset();
    FLineToList.Clear();
    FAny.Clear();
}

void TCT_WrapPath::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_WrapPath*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FEdited = o->FEdited;
    if (o->FStart)
        Create_Start().Assign(*o->FStart);
    for (const auto& item : o->FLineToList.GetItems())
        FLineToList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_WrapPath::HasElements() const
{
    return FStart != nullptr || FLineToList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_GraphicalObjectFrameLocking

TCT_GraphicalObjectFrameLocking::TCT_GraphicalObjectFrameLocking() = default;
TCT_GraphicalObjectFrameLocking::~TCT_GraphicalObjectFrameLocking() = default;

TCT_OfficeArtExtensionList& TCT_GraphicalObjectFrameLocking::Create_ExtLst()
{
    if (!FExtLst) {
        FExtLst = std::make_unique<TCT_OfficeArtExtensionList>();
        FExtLst->SetAssigned();
    }
    SetHasChildren();
    return *FExtLst;
}

TNYQBase* TCT_GraphicalObjectFrameLocking::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 644:
        if (local == "extLst") {
            return &Create_ExtLst();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_GraphicalObjectFrameLocking::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 518:
            if (local == "noGrp") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoGrp = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 628:
            if (local == "noMove") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoMove = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 829:
            if (local == "noSelect") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoSelect = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 847:
            if (local == "noResize") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoResize = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1164:
            if (local == "noDrilldown") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoDrilldown = *v;
                else
                    NyqBadAttributeValue(reader, i);
                continue;
            }
            break;
        case 1411:
            if (local == "noChangeAspect") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FNoChangeAspect = *v;
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

void TCT_GraphicalObjectFrameLocking::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FNoGrp)
        writer.AddAttribute("noGrp", XmlBoolToStr(*FNoGrp));
    if (FNoDrilldown)
        writer.AddAttribute("noDrilldown", XmlBoolToStr(*FNoDrilldown));
    if (FNoSelect)
        writer.AddAttribute("noSelect", XmlBoolToStr(*FNoSelect));
    if (FNoChangeAspect)
        writer.AddAttribute("noChangeAspect", XmlBoolToStr(*FNoChangeAspect));
    if (FNoMove)
        writer.AddAttribute("noMove", XmlBoolToStr(*FNoMove));
    if (FNoResize)
        writer.AddAttribute("noResize", XmlBoolToStr(*FNoResize));
}

void TCT_GraphicalObjectFrameLocking::Write(TNyqWriteXML& writer) const
{
    if (FExtLst && FExtLst->Available())
        NyqWriteChild(writer, "a:extLst", *FExtLst);
    FAny.Write(writer);
}

void TCT_GraphicalObjectFrameLocking::Clear()
{
    TNYQBase::Clear();
    FNoGrp = {};
    FNoDrilldown = {};
    FNoSelect = {};
    FNoChangeAspect = {};
    FNoMove = {};
    FNoResize = {};
    FExtLst.reset();
    FAny.Clear();
}

void TCT_GraphicalObjectFrameLocking::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_GraphicalObjectFrameLocking*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FNoGrp = o->FNoGrp;
    FNoDrilldown = o->FNoDrilldown;
    FNoSelect = o->FNoSelect;
    FNoChangeAspect = o->FNoChangeAspect;
    FNoMove = o->FNoMove;
    FNoResize = o->FNoResize;
    if (o->FExtLst)
        Create_ExtLst().Assign(*o->FExtLst);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_GraphicalObjectFrameLocking::HasElements() const
{
    return FExtLst != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_GraphicalObjectData

TCT_GraphicalObjectData::TCT_GraphicalObjectData() = default;
TCT_GraphicalObjectData::~TCT_GraphicalObjectData() = default;

TNYQBase* TCT_GraphicalObjectData::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 310:
        if (local == "arc") {
            SetHasChildren();
            return &FAny.Add<TCT_Arc>("v:arc");
        }
        break;
    case 316:
        if (local == "pic") {
            SetHasChildren();
            return &FAny.Add<TCT_Picture_pic>("pic:pic");
        }
        break;
    case 318:
        if (local == "hdr") {
            SetHasChildren();
            return &FAny.Add<TCT_HdrFtr>("w:hdr");
        }
        break;
    case 332:
        if (local == "ftr") {
            SetHasChildren();
            return &FAny.Add<TCT_HdrFtr>("w:ftr");
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
    case 554:
        if (local == "fonts") {
            SetHasChildren();
            return &FAny.Add<TCT_FontsList>("w:fonts");
        }
        break;
    case 557:
        if (local == "group") {
            SetHasChildren();
            return &FAny.Add<TCT_Group>("v:group");
        }
        break;
    case 676:
        if (local == "styles") {
            SetHasChildren();
            return &FAny.Add<TCT_Styles>("w:styles");
        }
        break;
    case 863:
        if (local == "document") {
            SetHasChildren();
            return &FAny.Add<TCT_Document>("w:document");
        }
        break;
    case 864:
        if (local == "endnotes") {
            SetHasChildren();
            return &FAny.Add<TCT_Endnotes>("w:endnotes");
        }
        break;
    case 870:
        if (local == "comments") {
            SetHasChildren();
            return &FAny.Add<TCT_Comments>("w:comments");
        }
        break;
    case 876:
        if (local == "polyline") {
            SetHasChildren();
            return &FAny.Add<TCT_PolyLine>("v:polyline");
        }
        break;
    case 881:
        if (local == "settings") {
            SetHasChildren();
            return &FAny.Add<TCT_Settings>("w:settings");
        }
        break;
    case 967:
        if (local == "numbering") {
            SetHasChildren();
            return &FAny.Add<TCT_Numbering>("w:numbering");
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
    case 993:
        if (local == "footnotes") {
            SetHasChildren();
            return &FAny.Add<TCT_Footnotes>("w:footnotes");
        }
        break;
    case 1167:
        if (local == "webSettings") {
            SetHasChildren();
            return &FAny.Add<TCT_WebSettings>("w:webSettings");
        }
        break;
    default:
        break;
    }
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_GraphicalObjectData::AssignAttributes(TNYQReader& reader)
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
        default:
            break;
        }
        if (!IsNamespaceAttribute(attrs.RawName(i)))
            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));
    }
}

void TCT_GraphicalObjectData::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("uri", FUri);
}

void TCT_GraphicalObjectData::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_GraphicalObjectData::Clear()
{
    TNYQBase::Clear();
    FUri = {};
    FAny.Clear();
}

void TCT_GraphicalObjectData::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_GraphicalObjectData*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FUri = o->FUri;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_GraphicalObjectData::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_AdjPoint2D

TCT_AdjPoint2D::TCT_AdjPoint2D() = default;
TCT_AdjPoint2D::~TCT_AdjPoint2D() = default;

TNYQBase* TCT_AdjPoint2D::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_AdjPoint2D::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 120:
            if (local == "x") {
                FX = attrs.GetValues(i);
                continue;
            }
            break;
        case 121:
            if (local == "y") {
                FY = attrs.GetValues(i);
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

void TCT_AdjPoint2D::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("x", FX);
    writer.AddAttribute("y", FY);
}

void TCT_AdjPoint2D::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_AdjPoint2D::Clear()
{
    TNYQBase::Clear();
    FX = {};
    FY = {};
    FAny.Clear();
}

void TCT_AdjPoint2D::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_AdjPoint2D*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FX = o->FX;
    FY = o->FY;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_AdjPoint2D::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Path2DClose

TCT_Path2DClose::TCT_Path2DClose() = default;
TCT_Path2DClose::~TCT_Path2DClose() = default;

TNYQBase* TCT_Path2DClose::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Path2DClose::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Path2DClose::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_Path2DClose::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Path2DClose*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Path2DClose::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Path2DMoveTo

TCT_Path2DMoveTo::TCT_Path2DMoveTo() = default;
TCT_Path2DMoveTo::~TCT_Path2DMoveTo() = default;

TCT_AdjPoint2D& TCT_Path2DMoveTo::Create_Pt()
{
    if (!FPt) {
        FPt = std::make_unique<TCT_AdjPoint2D>();
        FPt->SetAssigned();
    }
    SetHasChildren();
    return *FPt;
}

TNYQBase* TCT_Path2DMoveTo::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 228:
        if (local == "pt") {
            return &Create_Pt();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Path2DMoveTo::Write(TNyqWriteXML& writer) const
{
    if (FPt && FPt->Available())
        NyqWriteChild(writer, "a:pt", *FPt);
    FAny.Write(writer);
}

void TCT_Path2DMoveTo::Clear()
{
    TNYQBase::Clear();
    FPt.reset();
    FAny.Clear();
}

void TCT_Path2DMoveTo::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Path2DMoveTo*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FPt)
        Create_Pt().Assign(*o->FPt);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Path2DMoveTo::HasElements() const
{
    return FPt != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Path2DLineTo

TCT_Path2DLineTo::TCT_Path2DLineTo() = default;
TCT_Path2DLineTo::~TCT_Path2DLineTo() = default;

TCT_AdjPoint2D& TCT_Path2DLineTo::Create_Pt()
{
    if (!FPt) {
        FPt = std::make_unique<TCT_AdjPoint2D>();
        FPt->SetAssigned();
    }
    SetHasChildren();
    return *FPt;
}

TNYQBase* TCT_Path2DLineTo::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 228:
        if (local == "pt") {
            return &Create_Pt();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Path2DLineTo::Write(TNyqWriteXML& writer) const
{
    if (FPt && FPt->Available())
        NyqWriteChild(writer, "a:pt", *FPt);
    FAny.Write(writer);
}

void TCT_Path2DLineTo::Clear()
{
    TNYQBase::Clear();
    FPt.reset();
    FAny.Clear();
}

void TCT_Path2DLineTo::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Path2DLineTo*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FPt)
        Create_Pt().Assign(*o->FPt);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Path2DLineTo::HasElements() const
{
    return FPt != nullptr || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Path2DArcTo

TCT_Path2DArcTo::TCT_Path2DArcTo() = default;
TCT_Path2DArcTo::~TCT_Path2DArcTo() = default;

TNYQBase* TCT_Path2DArcTo::HandleElement(TNYQReader& reader)
{
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Path2DArcTo::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 186:
            if (local == "hR") {
                FHR = attrs.GetValues(i);
                continue;
            }
            break;
        case 201:
            if (local == "wR") {
                FWR = attrs.GetValues(i);
                continue;
            }
            break;
        case 509:
            if (local == "stAng") {
                FStAng = attrs.GetValues(i);
                continue;
            }
            break;
        case 512:
            if (local == "swAng") {
                FSwAng = attrs.GetValues(i);
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

void TCT_Path2DArcTo::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("wR", FWR);
    writer.AddAttribute("hR", FHR);
    writer.AddAttribute("stAng", FStAng);
    writer.AddAttribute("swAng", FSwAng);
}

void TCT_Path2DArcTo::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Path2DArcTo::Clear()
{
    TNYQBase::Clear();
    FWR = {};
    FHR = {};
    FStAng = {};
    FSwAng = {};
    FAny.Clear();
}

void TCT_Path2DArcTo::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Path2DArcTo*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FWR = o->FWR;
    FHR = o->FHR;
    FStAng = o->FStAng;
    FSwAng = o->FSwAng;
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Path2DArcTo::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Path2DQuadBezierTo

TCT_Path2DQuadBezierTo::TCT_Path2DQuadBezierTo() = default;
TCT_Path2DQuadBezierTo::~TCT_Path2DQuadBezierTo() = default;

TNYQBase* TCT_Path2DQuadBezierTo::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 228:
        if (local == "pt") {
            SetHasChildren();
            return &FPtList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Path2DQuadBezierTo::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FPtList.GetItems())
        NyqWriteChild(writer, "a:pt", *item);
    FAny.Write(writer);
}

void TCT_Path2DQuadBezierTo::Clear()
{
    TNYQBase::Clear();
    FPtList.Clear();
    FAny.Clear();
}

void TCT_Path2DQuadBezierTo::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Path2DQuadBezierTo*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FPtList.GetItems())
        FPtList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Path2DQuadBezierTo::HasElements() const
{
    return FPtList.Count() > 0 || FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Path2DCubicBezierTo

TCT_Path2DCubicBezierTo::TCT_Path2DCubicBezierTo() = default;
TCT_Path2DCubicBezierTo::~TCT_Path2DCubicBezierTo() = default;

TNYQBase* TCT_Path2DCubicBezierTo::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 228:
        if (local == "pt") {
            SetHasChildren();
            return &FPtList.Add();
        }
        break;
    default:
        break;
    }
    reader.Error(nyqpeUnknownElement, reader.QName());
    SetHasChildren();
    return &FAny.AddAny(reader.QName());
}

void TCT_Path2DCubicBezierTo::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FPtList.GetItems())
        NyqWriteChild(writer, "a:pt", *item);
    FAny.Write(writer);
}

void TCT_Path2DCubicBezierTo::Clear()
{
    TNYQBase::Clear();
    FPtList.Clear();
    FAny.Clear();
}

void TCT_Path2DCubicBezierTo::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Path2DCubicBezierTo*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FPtList.GetItems())
        FPtList.Add().Assign(*item);
    FAny.Assign(o->FAny, &NyqDocxNewRoot);
}

bool TCT_Path2DCubicBezierTo::HasElements() const
{
    return FPtList.Count() > 0 || FAny.Count() > 0;
}

