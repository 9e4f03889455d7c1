// NyqOpcContentTypes.cpp: schema classes generated from opc-contentTypes.xsd by tools/nyq_xsdgen.py; do not edit.
#include "formats/schema/NyqOpcContentTypes.h"

#include <array>
#include <utility>

// ---------------------------------------------------------------------------
// TCT_Types

namespace {
constexpr std::string_view cTCT_TypesFChoice1ListNames[] = {"Default", "Override"};
}  // namespace

TCT_Types::TCT_Types() = default;
TCT_Types::~TCT_Types() = default;

TNYQBase* TCT_Types::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 709:
        if (local == "Default") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Default>(0);
        }
        break;
    case 832:
        if (local == "Override") {
            SetHasChildren();
            return &FChoice1List.Add<TCT_Override>(1);
        }
        break;
    default:
        break;
    }
    return nullptr;
}

void TCT_Types::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FChoice1List.GetItems())
        NyqWriteChild(writer, cTCT_TypesFChoice1ListNames[item.Element], *item.Object);
}

void TCT_Types::Clear()
{
    TNYQBase::Clear();
    FChoice1List.Clear();
}

void TCT_Types::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Types*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FChoice1List.GetItems()) {
        switch (item.Element) {
        case 0:
            FChoice1List.Add<TCT_Default>(0).Assign(*item.Object);
            break;
        case 1:
            FChoice1List.Add<TCT_Override>(1).Assign(*item.Object);
            break;
        default:
            break;
        }
    }
}

bool TCT_Types::HasElements() const
{
    return FChoice1List.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Default

TCT_Default::TCT_Default() = default;
TCT_Default::~TCT_Default() = default;

TNYQBase* TCT_Default::HandleElement(TNYQReader& reader)
{
    (void)reader;
    return nullptr;
}

void TCT_Default::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 957:
            if (local == "Extension") {
                FExtension = attrs.GetValues(i);
                continue;
            }
            break;
        case 1149:
            if (local == "ContentType") {
                FContentType = attrs.GetValues(i);
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

void TCT_Default::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("Extension", FExtension);
    writer.AddAttribute("ContentType", FContentType);
}

void TCT_Default::Write(TNyqWriteXML& writer) const
{
    (void)writer;
}

void TCT_Default::Clear()
{
    TNYQBase::Clear();
    FExtension = {};
    FContentType = {};
}

void TCT_Default::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Default*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FExtension = o->FExtension;
    FContentType = o->FContentType;
}

bool TCT_Default::HasElements() const
{
    return false;
}

// ---------------------------------------------------------------------------
// TCT_Override

TCT_Override::TCT_Override() = default;
TCT_Override::~TCT_Override() = default;

TNYQBase* TCT_Override::HandleElement(TNYQReader& reader)
{
    (void)reader;
    return nullptr;
}

void TCT_Override::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 792:
            if (local == "PartName") {
                FPartName = attrs.GetValues(i);
                continue;
            }
            break;
        case 1149:
            if (local == "ContentType") {
                FContentType = attrs.GetValues(i);
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

void TCT_Override::WriteAttributes(TNyqWriteXML& writer) const
{
    writer.AddAttribute("ContentType", FContentType);
    writer.AddAttribute("PartName", FPartName);
}

void TCT_Override::Write(TNyqWriteXML& writer) const
{
    (void)writer;
}

void TCT_Override::Clear()
{
    TNYQBase::Clear();
    FContentType = {};
    FPartName = {};
}

void TCT_Override::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Override*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FContentType = o->FContentType;
    FPartName = o->FPartName;
}

bool TCT_Override::HasElements() const
{
    return false;
}

// ---------------------------------------------------------------------------
// TOPCContentTypesDoc

TOPCContentTypesDoc::TOPCContentTypesDoc() = default;
TOPCContentTypesDoc::~TOPCContentTypesDoc() = default;

TCT_Types& TOPCContentTypesDoc::Create_Types()
{
    if (!FTypes) {
        FTypes = std::make_unique<TCT_Types>();
        FTypes->SetAssigned();
    }
    SetHasChildren();
    return *FTypes;
}

TCT_Default& TOPCContentTypesDoc::Create_Default()
{
    if (!FDefault) {
        FDefault = std::make_unique<TCT_Default>();
        FDefault->SetAssigned();
    }
    SetHasChildren();
    return *FDefault;
}

TCT_Override& TOPCContentTypesDoc::Create_Override()
{
    if (!FOverride) {
        FOverride = std::make_unique<TCT_Override>();
        FOverride->SetAssigned();
    }
    SetHasChildren();
    return *FOverride;
}

TNYQBase* TOPCContentTypesDoc::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 533:
        if (local == "Types") {
            return &Create_Types();
        }
        break;
    case 709:
        if (local == "Default") {
            return &Create_Default();
        }
        break;
    case 832:
        if (local == "Override") {
            return &Create_Override();
        }
        break;
    default:
        break;
    }
    return nullptr;
}

void TOPCContentTypesDoc::Write(TNyqWriteXML& writer) const
{
    (void)writer;
    if (FTypes) {
        writer.AddAttribute("xmlns", "http://schemas.openxmlformats.org/package/2006/content-types");
        NyqWriteChild(writer, "Types", *FTypes);
    }
    if (FDefault) {
        writer.AddAttribute("xmlns", "http://schemas.openxmlformats.org/package/2006/content-types");
        NyqWriteChild(writer, "Default", *FDefault);
    }
    if (FOverride) {
        writer.AddAttribute("xmlns", "http://schemas.openxmlformats.org/package/2006/content-types");
        NyqWriteChild(writer, "Override", *FOverride);
    }
}

void TOPCContentTypesDoc::Clear()
{
    TNYQBase::Clear();
    FTypes.reset();
    FDefault.reset();
    FOverride.reset();
}

void TOPCContentTypesDoc::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TOPCContentTypesDoc*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FTypes)
        Create_Types().Assign(*o->FTypes);
    if (o->FDefault)
        Create_Default().Assign(*o->FDefault);
    if (o->FOverride)
        Create_Override().Assign(*o->FOverride);
}

bool TOPCContentTypesDoc::HasElements() const
{
    return FTypes != nullptr || FDefault != nullptr || FOverride != nullptr;
}

