// NyqOpcContentTypes.h: schema classes generated from opc-contentTypes.xsd by tools/nyq_xsdgen.py; do not edit.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "formats/NyqUtils.h"
#include "formats/schema/NyqBase.h"

class TCT_Types;
class TCT_Default;
class TCT_Override;

class TCT_Types : public TNYQBase {
public:
    TCT_Types();
    ~TCT_Types() override;
    TChoiceNyqList FChoice1List;  // 0: Default, 1: Override
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Default : public TNYQBase {
public:
    TCT_Default();
    ~TCT_Default() override;
    std::string FExtension{};
    std::string FContentType{};
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Override : public TNYQBase {
public:
    TCT_Override();
    ~TCT_Override() override;
    std::string FContentType{};
    std::string FPartName{};
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TOPCContentTypesDoc : public TNYQDocBase {
public:
    TOPCContentTypesDoc();
    ~TOPCContentTypesDoc() override;
    std::unique_ptr<TCT_Types> FTypes;
    std::unique_ptr<TCT_Default> FDefault;
    std::unique_ptr<TCT_Override> FOverride;
    TCT_Types& Create_Types();
    TCT_Default& Create_Default();
    TCT_Override& Create_Override();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

