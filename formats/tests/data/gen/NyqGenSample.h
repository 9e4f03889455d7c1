// NyqGenSample.h: schema classes generated from sample.xsd by tools/nyq_xsdgen.py; do not edit.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "formats/NyqUtils.h"
#include "formats/schema/NyqBase.h"

enum TST_BrType { stbtPage, stbtColumn, stbtTextWrapping };
std::optional<TST_BrType> StrToTST_BrType(std::string_view text);
std::string_view TST_BrTypeToStr(TST_BrType value);

class TCT_Br;
class TCT_Base;
class TCT_Run;
class TCT_Body;
class TCT_Ext;

class TCT_Br : public TNYQBase {
public:
    TCT_Br();
    ~TCT_Br() override;
    std::optional<TST_BrType> FType;
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Base : public TNYQBase {
public:
    TCT_Base();
    ~TCT_Base() override;
    int FId{};
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void AssignAttributes(TNYQReader& reader) override;
    void WriteAttributes(TNyqWriteXML& writer) const override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Run : public TNYQBase {
public:
    TCT_Run();
    ~TCT_Run() override;
    int FId{};
    std::optional<bool> FHidden;
    std::optional<double> FScale;
    std::unique_ptr<TNYQValueElement> FSize;
    TChoiceNyqList FEG_InlineList;  // 0: br, 1: t
    TNYQValueElement& Create_Size();
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
    TItemNyqList<TCT_Run> FRList;
    std::unique_ptr<TCT_Ext> FExt;
    TCT_Ext& Create_Ext();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TCT_Ext : public TNYQBase {
public:
    TCT_Ext();
    ~TCT_Ext() override;
    TNYQAnyElements FAny;
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

class TSampleDoc : public TNYQDocBase {
public:
    TSampleDoc();
    ~TSampleDoc() override;
    std::unique_ptr<TCT_Body> FBody;
    TCT_Body& Create_Body();
    TNYQBase* HandleElement(TNYQReader& reader) override;
    void Write(TNyqWriteXML& writer) const override;
    void Clear() override;
    void Assign(const TNYQBase& other) override;
    bool HasElements() const override;
};

