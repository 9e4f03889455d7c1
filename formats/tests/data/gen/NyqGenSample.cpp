// NyqGenSample.cpp: schema classes generated from sample.xsd by tools/nyq_xsdgen.py; do not edit.
#include "data/gen/NyqGenSample.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<std::string_view, TST_BrType>, 3> cTST_BrTypeValues{{
    {"page", stbtPage},
    {"column", stbtColumn},
    {"textWrapping", stbtTextWrapping},
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

// ---------------------------------------------------------------------------
// TCT_Br

TCT_Br::TCT_Br() = default;
TCT_Br::~TCT_Br() = default;

TNYQBase* TCT_Br::HandleElement(TNYQReader& reader)
{
    (void)reader;
    return nullptr;
}

void TCT_Br::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 450:
            if (local == "type") {
                if (const auto v = StrToTST_BrType(attrs.GetValues(i)))
                    FType = *v;
                else
                    reader.Error(nyqpeUnknownAttribute, std::string(attrs.RawName(i)) + "=" + attrs.GetValues(i));
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

void TCT_Br::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FType)
        writer.AddAttribute("s:type", TST_BrTypeToStr(*FType));
}

void TCT_Br::Write(TNyqWriteXML& writer) const
{
    (void)writer;
}

void TCT_Br::Clear()
{
    TNYQBase::Clear();
    FType = {};
}

void TCT_Br::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Br*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FType = o->FType;
}

bool TCT_Br::HasElements() const
{
    return false;
}

// ---------------------------------------------------------------------------
// TCT_Base

TCT_Base::TCT_Base() = default;
TCT_Base::~TCT_Base() = default;

TNYQBase* TCT_Base::HandleElement(TNYQReader& reader)
{
    (void)reader;
    return nullptr;
}

void TCT_Base::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 205:
            if (local == "id") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FId = static_cast<int>(*v);
                else
                    reader.Error(nyqpeUnknownAttribute, std::string(attrs.RawName(i)) + "=" + attrs.GetValues(i));
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

void TCT_Base::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("s:id", XmlIntToStr(FId));
}

void TCT_Base::Write(TNyqWriteXML& writer) const
{
    (void)writer;
}

void TCT_Base::Clear()
{
    TNYQBase::Clear();
    FId = {};
}

void TCT_Base::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Base*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
}

bool TCT_Base::HasElements() const
{
    return false;
}

// ---------------------------------------------------------------------------
// TCT_Run

namespace {
constexpr std::string_view cTCT_RunFEG_InlineListNames[] = {"s:br", "s:t"};
}  // namespace

TCT_Run::TCT_Run() = default;
TCT_Run::~TCT_Run() = default;

TNYQValueElement& TCT_Run::Create_Size()
{
    if (!FSize) {
        FSize = std::make_unique<TNYQValueElement>();
        FSize->SetAssigned();
    }
    SetHasChildren();
    return *FSize;
}

TNYQBase* TCT_Run::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 116:
        if (local == "t") {
            SetHasChildren();
            return &FEG_InlineList.Add<TNYQValueElement>(1);
        }
        break;
    case 212:
        if (local == "br") {
            SetHasChildren();
            return &FEG_InlineList.Add<TCT_Br>(0);
        }
        break;
    case 443:
        if (local == "size") {
            return &Create_Size();
        }
        break;
    default:
        break;
    }
    return nullptr;
}

void TCT_Run::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 205:
            if (local == "id") {
                if (const auto v = XmlTryStrToInt(attrs.GetValues(i)); v && *v >= INT32_MIN && *v <= INT32_MAX)
                    FId = static_cast<int>(*v);
                else
                    reader.Error(nyqpeUnknownAttribute, std::string(attrs.RawName(i)) + "=" + attrs.GetValues(i));
                continue;
            }
            break;
        case 520:
            if (local == "scale") {
                if (const auto v = XmlTryStrToFloat(attrs.GetValues(i)))
                    FScale = *v;
                else
                    reader.Error(nyqpeUnknownAttribute, std::string(attrs.RawName(i)) + "=" + attrs.GetValues(i));
                continue;
            }
            break;
        case 620:
            if (local == "hidden") {
                if (const auto v = XmlTryStrToBool(attrs.GetValues(i)))
                    FHidden = *v;
                else
                    reader.Error(nyqpeUnknownAttribute, std::string(attrs.RawName(i)) + "=" + attrs.GetValues(i));
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

void TCT_Run::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("s:id", XmlIntToStr(FId));
    if (FHidden)
        writer.AddAttribute("s:hidden", XmlBoolToStr(*FHidden));
    if (FScale)
        writer.AddAttribute("s:scale", XmlFloatToStr(*FScale));
}

void TCT_Run::Write(TNyqWriteXML& writer) const
{
    if (FSize && FSize->Available())
        NyqWriteChild(writer, "s:size", *FSize);
    for (const auto& item : FEG_InlineList.GetItems())
        NyqWriteChild(writer, cTCT_RunFEG_InlineListNames[item.Element], *item.Object);
}

void TCT_Run::Clear()
{
    TNYQBase::Clear();
    FId = {};
    FHidden = {};
    FScale = {};
    FSize.reset();
    FEG_InlineList.Clear();
}

void TCT_Run::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Run*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FId = o->FId;
    FHidden = o->FHidden;
    FScale = o->FScale;
    if (o->FSize)
        Create_Size().Assign(*o->FSize);
    for (const auto& item : o->FEG_InlineList.GetItems()) {
        switch (item.Element) {
        case 0:
            FEG_InlineList.Add<TCT_Br>(0).Assign(*item.Object);
            break;
        case 1:
            FEG_InlineList.Add<TNYQValueElement>(1).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
}

bool TCT_Run::HasElements() const
{
    return FSize != nullptr || FEG_InlineList.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Body

TCT_Body::TCT_Body() = default;
TCT_Body::~TCT_Body() = default;

TCT_Ext& TCT_Body::Create_Ext()
{
    if (!FExt) {
        FExt = std::make_unique<TCT_Ext>();
        FExt->SetAssigned();
    }
    SetHasChildren();
    return *FExt;
}

TNYQBase* TCT_Body::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 114:
        if (local == "r") {
            SetHasChildren();
            return &FRList.Add();
        }
        break;
    case 337:
        if (local == "ext") {
            return &Create_Ext();
        }
        break;
    default:
        break;
    }
    return nullptr;
}

void TCT_Body::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FRList.GetItems())
        NyqWriteChild(writer, "s:r", *item);
    if (FExt && FExt->Available())
        NyqWriteChild(writer, "s:ext", *FExt);
}

void TCT_Body::Clear()
{
    TNYQBase::Clear();
    FRList.Clear();
    FExt.reset();
}

void TCT_Body::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Body*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FRList.GetItems())
        FRList.Add().Assign(*item);
    if (o->FExt)
        Create_Ext().Assign(*o->FExt);
}

bool TCT_Body::HasElements() const
{
    return FRList.Count() > 0 || FExt != nullptr;
}

// ---------------------------------------------------------------------------
// TCT_Ext

TCT_Ext::TCT_Ext() = default;
TCT_Ext::~TCT_Ext() = default;

TNYQBase* TCT_Ext::HandleElement(TNYQReader& reader)
{
    SetHasChildren();
    return &FAny.Add(reader.QName());
}

void TCT_Ext::Write(TNyqWriteXML& writer) const
{
    FAny.Write(writer);
}

void TCT_Ext::Clear()
{
    TNYQBase::Clear();
    FAny.Clear();
}

void TCT_Ext::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Ext*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
}

bool TCT_Ext::HasElements() const
{
    return FAny.Count() > 0;
}

// ---------------------------------------------------------------------------
// TSampleDoc

TSampleDoc::TSampleDoc() = default;
TSampleDoc::~TSampleDoc() = default;

TCT_Body& TSampleDoc::Create_Body()
{
    if (!FBody) {
        FBody = std::make_unique<TCT_Body>();
        FBody->SetAssigned();
    }
    SetHasChildren();
    return *FBody;
}

TNYQBase* TSampleDoc::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 430:
        if (local == "body") {
            return &Create_Body();
        }
        break;
    default:
        break;
    }
    return nullptr;
}

void TSampleDoc::Write(TNyqWriteXML& writer) const
{
    (void)writer;
    if (FBody) {
        writer.AddAttribute("xmlns:s", "urn:vyx:sample");
        NyqWriteChild(writer, "s:body", *FBody);
    }
}

void TSampleDoc::Clear()
{
    TNYQBase::Clear();
    FBody.reset();
}

void TSampleDoc::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TSampleDoc*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FBody)
        Create_Body().Assign(*o->FBody);
}

bool TSampleDoc::HasElements() const
{
    return FBody != nullptr;
}

