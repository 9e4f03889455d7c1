// NyqOpcRelationships.cpp: schema classes generated from opc-relationships.xsd by tools/nyq_xsdgen.py; do not edit.
#include "formats/schema/NyqOpcRelationships.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<std::string_view, TST_TargetMode>, 2> cTST_TargetModeValues{{
    {"External", sttmExternal},
    {"Internal", sttmInternal},
}};
}  // namespace

std::optional<TST_TargetMode> StrToTST_TargetMode(std::string_view text)
{
    for (const auto& [t, v] : cTST_TargetModeValues)
        if (t == text)
            return v;
    return std::nullopt;
}

std::string_view TST_TargetModeToStr(TST_TargetMode value)
{
    for (const auto& [t, v] : cTST_TargetModeValues)
        if (v == value)
            return t;
    return {};
}

// ---------------------------------------------------------------------------
// TCT_Relationships

TCT_Relationships::TCT_Relationships() = default;
TCT_Relationships::~TCT_Relationships() = default;

TNYQBase* TCT_Relationships::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 1266:
        if (local == "Relationship") {
            SetHasChildren();
            return &FRelationshipList.Add();
        }
        break;
    default:
        break;
    }
    return nullptr;
}

void TCT_Relationships::Write(TNyqWriteXML& writer) const
{
    for (const auto& item : FRelationshipList.GetItems())
        NyqWriteChild(writer, "Relationship", *item);
}

void TCT_Relationships::Clear()
{
    TNYQBase::Clear();
    FRelationshipList.Clear();
}

void TCT_Relationships::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Relationships*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    for (const auto& item : o->FRelationshipList.GetItems())
        FRelationshipList.Add().Assign(*item);
}

bool TCT_Relationships::HasElements() const
{
    return FRelationshipList.Count() > 0;
}

// ---------------------------------------------------------------------------
// TCT_Relationship

TCT_Relationship::TCT_Relationship() = default;
TCT_Relationship::~TCT_Relationship() = default;

TNYQBase* TCT_Relationship::HandleElement(TNYQReader& reader)
{
    (void)reader;
    return nullptr;
}

void TCT_Relationship::AssignAttributes(TNYQReader& reader)
{
    const auto& attrs = reader.Attributes();
    for (int i = 0; i < attrs.Count(); ++i) {
        const std::string_view local = NameOfQName(attrs.RawName(i));
        switch (attrs.GetHashA(i)) {
        case 173:
            if (local == "Id") {
                FId = attrs.GetValues(i);
                continue;
            }
            break;
        case 418:
            if (local == "Type") {
                FType = attrs.GetValues(i);
                continue;
            }
            break;
        case 615:
            if (local == "Target") {
                FTarget = attrs.GetValues(i);
                continue;
            }
            break;
        case 1004:
            if (local == "TargetMode") {
                if (const auto v = StrToTST_TargetMode(attrs.GetValues(i)))
                    FTargetMode = *v;
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

void TCT_Relationship::WriteAttributes(TNyqWriteXML& writer) const
{
    if (FTargetMode)
        writer.AddAttribute("TargetMode", TST_TargetModeToStr(*FTargetMode));
    writer.AddAttribute("Target", FTarget);
    writer.AddAttribute("Type", FType);
    writer.AddAttribute("Id", FId);
}

void TCT_Relationship::BeforeTag(TNYQReader& reader)
{
    if (!reader.SelfClosing())
        FContent = reader.TextUtf8();
}

void TCT_Relationship::Write(TNyqWriteXML& writer) const
{
    (void)writer;
}

void TCT_Relationship::Clear()
{
    TNYQBase::Clear();
    FTargetMode = {};
    FTarget = {};
    FType = {};
    FId = {};
    FContent.clear();
}

void TCT_Relationship::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TCT_Relationship*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    FTargetMode = o->FTargetMode;
    FTarget = o->FTarget;
    FType = o->FType;
    FId = o->FId;
    FContent = o->FContent;
}

bool TCT_Relationship::HasElements() const
{
    return false;
}

// ---------------------------------------------------------------------------
// TOPCRelationshipsDoc

TOPCRelationshipsDoc::TOPCRelationshipsDoc() = default;
TOPCRelationshipsDoc::~TOPCRelationshipsDoc() = default;

TCT_Relationships& TOPCRelationshipsDoc::Create_Relationships()
{
    if (!FRelationships) {
        FRelationships = std::make_unique<TCT_Relationships>();
        FRelationships->SetAssigned();
    }
    SetHasChildren();
    return *FRelationships;
}

TCT_Relationship& TOPCRelationshipsDoc::Create_Relationship()
{
    if (!FRelationship) {
        FRelationship = std::make_unique<TCT_Relationship>();
        FRelationship->SetAssigned();
    }
    SetHasChildren();
    return *FRelationship;
}

TNYQBase* TOPCRelationshipsDoc::HandleElement(TNYQReader& reader)
{
    const std::string_view local = reader.LocalName();
    switch (reader.QNameHashA()) {
    case 1266:
        if (local == "Relationship") {
            return &Create_Relationship();
        }
        break;
    case 1381:
        if (local == "Relationships") {
            return &Create_Relationships();
        }
        break;
    default:
        break;
    }
    return nullptr;
}

void TOPCRelationshipsDoc::Write(TNyqWriteXML& writer) const
{
    (void)writer;
    if (FRelationships) {
        writer.AddAttribute("xmlns", "http://schemas.openxmlformats.org/package/2006/relationships");
        NyqWriteChild(writer, "Relationships", *FRelationships);
    }
    if (FRelationship) {
        writer.AddAttribute("xmlns", "http://schemas.openxmlformats.org/package/2006/relationships");
        NyqWriteChild(writer, "Relationship", *FRelationship);
    }
}

void TOPCRelationshipsDoc::Clear()
{
    TNYQBase::Clear();
    FRelationships.reset();
    FRelationship.reset();
}

void TOPCRelationshipsDoc::Assign(const TNYQBase& other)
{
    const auto* o = dynamic_cast<const TOPCRelationshipsDoc*>(&other);
    if (!o || o == this)
        return;
    Clear();
    FState = o->FState;
    if (o->FRelationships)
        Create_Relationships().Assign(*o->FRelationships);
    if (o->FRelationship)
        Create_Relationship().Assign(*o->FRelationship);
}

bool TOPCRelationshipsDoc::HasElements() const
{
    return FRelationships != nullptr || FRelationship != nullptr;
}

