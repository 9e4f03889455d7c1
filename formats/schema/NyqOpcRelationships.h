// NyqOpcRelationships.h: schema classes generated from opc-relationships.xsd by tools/nyq_xsdgen.py; do not edit.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "formats/NyqUtils.h"
#include "formats/schema/NyqBase.h"

enum TST_TargetMode { sttmExternal, sttmInternal };
std::optional<TST_TargetMode> StrToTST_TargetMode(std::string_view text);
std::string_view TST_TargetModeToStr(TST_TargetMode value);

class TCT_Relationships;
class TCT_Relationship;

class TCT_Relationships : public TNYQBase {
public:
    TCT_Relationships();
    ~TCT_Relationships() override;
    TItemNyqList<TCT_Relationship> FRelationshipList;
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Relationship : public TNYQBase {
public:
    TCT_Relationship();
    ~TCT_Relationship() override;
    std::optional<TST_TargetMode> FTargetMode;
    std::string FTarget{};
    std::string FType{};
    std::string FId{};
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

class TOPCRelationshipsDoc : public TNYQDocBase {
public:
    TOPCRelationshipsDoc();
    ~TOPCRelationshipsDoc() override;
    std::unique_ptr<TCT_Relationships> FRelationships;
    std::unique_ptr<TCT_Relationship> FRelationship;
    TCT_Relationships& Create_Relationships();
    TCT_Relationship& Create_Relationship();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

