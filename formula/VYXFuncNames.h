// VYXFuncNames.h: the built-in function table (names, ids and argument counts).
//
// The ids are the common spreadsheet function numbers stored in function ptgs,
// so they must never change. Names are upper case and compare without regard
// to ASCII case.
#pragma once

#include <cstdint>
#include <string_view>

enum TXLSExcelFuncType : std::uint8_t { xeftNormal, xeftArray };
enum TXLSExcelFuncArgType : std::uint8_t { xefatNone, xefatRef, xefatArea, xefatRange, xefatValue };

// What a function expects of its arguments; ArgCount 255 marks an open list.
struct TXLSExcelFuncArgs {
    std::int32_t FuncId;
    std::int32_t ArgCount;
    TXLSExcelFuncArgType Result;
    TXLSExcelFuncArgType Args[5];
};

struct TXLSFuncData {
    TXLSExcelFuncType Type_;
    const TXLSExcelFuncArgs* Args;  // none for most functions; see the .cpp
    std::int32_t Id;
    std::int32_t Min;
    std::int32_t Max;  // 254 for open argument lists
    std::string_view Name;
};

class TXLSExcelFuncNames {
public:
    static constexpr std::int32_t cMaxId = 872;

    TXLSExcelFuncNames();

    // -1 when the name is not a built-in function.
    std::int32_t FindId(std::u16string_view name) const;
    std::int32_t FindId(std::string_view name) const;
    // The row of an id, or nullptr.
    const TXLSFuncData* Find(std::int32_t id) const;
    // These raise VYXException "Unknown function id "<id>"" for ids not in the table.
    std::string_view FindName(std::int32_t id) const;
    std::int32_t ArgCount(std::int32_t id) const;
    void ArgCount(std::int32_t id, std::int32_t& min, std::int32_t& max) const;
    bool FixedArgs(std::int32_t id) const;

    int Count() const;
    const TXLSFuncData& GetItems(int i) const;

private:
    const TXLSFuncData& Get(std::int32_t id) const;
    std::int16_t FById[cMaxId + 1];
    std::int16_t FByName[340];  // row indexes sorted by name
};

// The one shared table, built on first use.
const TXLSExcelFuncNames& G_XLSExcelFuncNames();
