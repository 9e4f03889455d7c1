// VYXFormulaTypes.h: error values, cell types and the ptg byte records shared by the formula units.
//
// A formula is kept as a byte string of ptg records in reverse Polish order.
// Each record starts with its one-byte id; the fields after it are packed and
// little-endian. Rows are 32-bit with bit 31 marking an absolute row, columns
// 16-bit with bit 15 marking an absolute column. The record structs below are
// byte images: code reads and writes them with memcpy, never through a cast
// pointer into the buffer, so unaligned records are fine.
#pragma once

#include <cstdint>
#include <string_view>

// Error values of formulas; the ordinals are stored in error ptgs.
enum TXLSCellError : std::uint8_t {
    errUnknown,  // "no error"; never the result of a formula
    errNull,
    errDiv0,
    errValue,
    errRef,
    errName,
    errNum,
    errNA,
    errGettingData,
};
constexpr int cXLSCellErrorCount = errGettingData + 1;

// "#DIV/0!" and so on; empty for errUnknown and for values out of range.
std::u16string_view XLSErrorText(TXLSCellError err);
// The error whose text this is (compared after ASCII upper-casing), or errUnknown.
TXLSCellError XLSErrorFromText(std::u16string_view text);

enum TXLSCellType : std::uint8_t {
    xctNone,
    xctBlank,
    xctBoolean,
    xctError,
    xctString,
    xctFloat,
    xctFloatFormula,
    xctStringFormula,
    xctBooleanFormula,
    xctErrorFormula,
};

enum TXLSFormulaValueType : std::uint8_t { xfvtUnknown, xfvtFloat, xfvtBoolean, xfvtError, xfvtString };
enum TXLSFormulaRefType : std::uint8_t { xfrtNone, xfrtRef, xfrtArea };

// The grid every reference lives in (0-based).
constexpr std::int32_t cXLSMaxCol = 16383;
constexpr std::int32_t cXLSMaxRow = 1048575;
constexpr std::uint16_t cXLSColAbsolute = 0x8000;
constexpr std::uint32_t cXLSRowAbsolute = 0x80000000u;

// Ptg ids. Below 128 they follow the public binary spreadsheet encoding; from
// 128 up they are this engine's wide forms (32-bit rows, UTF-16 text, names by text).
enum TXLSPtg : std::uint8_t {
    xptgAdd = 3,
    xptgSub = 4,
    xptgMul = 5,
    xptgDiv = 6,
    xptgPower = 7,
    xptgConcat = 8,
    xptgLT = 9,
    xptgLE = 10,
    xptgEQ = 11,
    xptgGE = 12,
    xptgGT = 13,
    xptgNE = 14,
    xptgISect = 15,
    xptgUnion = 16,
    xptgRange = 17,
    xptgUPlus = 18,
    xptgUMinus = 19,
    xptgPercent = 20,
    xptgParen = 21,
    xptgErr = 28,
    xptgBool = 29,
    xptgNum = 31,
    xptgArray = 128,
    xptgFunc = 129,
    xptgFuncVar = 130,
    xptgName = 131,
    xptgRef = 132,
    xptgArea = 134,
    xptgRefErr = 135,
    xptgAreaErr = 136,
    xptgInt = 137,
    xptgStr = 138,
    xptgWS = 160,
    xptgRef1d = 162,
    xptgRef3d = 163,
    xptgXRef1d = 164,
    xptgXRef3d = 165,
    xptgArea1d = 166,
    xptgArea3d = 167,
    xptgXArea1d = 168,
    xptgXArea3d = 169,
    xptgRef1dError = 176,
    xptgArea1dError = 178,
    xptgArrayChildFmla = 184,
    xptgDataTableFmla = 186,
    xptgDataTableChildFmla = 187,
    xptgTable = 188,
    xptgTableCol = 189,
    xptgTableSpecial = 190,
    xptgList = 240,  // encoder-internal argument separator, never stored
    xptgMissArg = 241,
    xptgUserFunc = 242,
    xptgNameStr = 243,
};

enum TXLSTableSpecialSpecifier : std::uint8_t { xtssNone, xtssAll, xtssData, xtssHeaders, xtssTotals, xtssThisRow };

#pragma pack(push, 1)
struct TXLSPtgsISect { std::uint8_t Id; std::uint8_t SpacesCount; };
struct TXLSPtgsErr { std::uint8_t Id; std::uint8_t Value; };
struct TXLSPtgsBool { std::uint8_t Id; std::uint8_t Value; };
struct TXLSPtgsNum { std::uint8_t Id; double Value; };
struct TXLSPtgsArray { std::uint8_t Id; std::uint16_t Cols; std::uint32_t Rows; };
struct TXLSPtgsFunc { std::uint8_t Id; std::uint16_t FuncId; };
struct TXLSPtgsFuncVar { std::uint8_t Id; std::uint8_t ArgCount; std::uint16_t FuncId; };
struct TXLSPtgsName { std::uint8_t Id; std::uint16_t NameId; };
struct TXLSPtgsRef { std::uint8_t Id; std::uint32_t Row; std::uint16_t Col; };
struct TXLSPtgsArea { std::uint8_t Id; std::uint32_t Row1, Row2; std::uint16_t Col1, Col2; };
struct TXLSPtgsInt { std::uint8_t Id; std::int32_t Value; };
struct TXLSPtgsStr { std::uint8_t Id; std::uint16_t Len; };  // then Len UTF-16 units
struct TXLSPtgsWS { std::uint8_t Id; std::uint8_t Count; };
struct TXLSPtgsRef1d { std::uint8_t Id; std::uint32_t Row; std::uint16_t Col; std::uint8_t Sheet; };
struct TXLSPtgsRef3d { std::uint8_t Id; std::uint32_t Row; std::uint16_t Col; std::uint8_t Sheet1, Sheet2; };
struct TXLSPtgsXRef1d { std::uint8_t Id; std::uint32_t Row; std::uint16_t Col; std::uint16_t XBook; std::uint8_t Sheet; };
struct TXLSPtgsXRef3d {
    std::uint8_t Id; std::uint32_t Row; std::uint16_t Col; std::uint16_t XBook; std::uint8_t Sheet1, Sheet2;
};
struct TXLSPtgsArea1d {
    std::uint8_t Id; std::uint32_t Row1, Row2; std::uint16_t Col1, Col2; std::uint8_t Sheet;
};
struct TXLSPtgsArea3d {
    std::uint8_t Id; std::uint32_t Row1, Row2; std::uint16_t Col1, Col2; std::uint8_t Sheet1, Sheet2;
};
struct TXLSPtgsXArea1d {
    std::uint8_t Id; std::uint32_t Row1, Row2; std::uint16_t Col1, Col2; std::uint16_t XBook; std::uint8_t Sheet;
};
struct TXLSPtgsXArea3d {
    std::uint8_t Id; std::uint32_t Row1, Row2; std::uint16_t Col1, Col2; std::uint16_t XBook;
    std::uint8_t Sheet1, Sheet2;
};
struct TXLSPtgsRef1dError { std::uint8_t Id; std::uint32_t Row; std::uint16_t Col; std::uint8_t Error; };
struct TXLSPtgsArea1dError {
    std::uint8_t Id; std::uint32_t Row1, Row2; std::uint16_t Col1, Col2; std::uint8_t Error;
};
struct TXLSPtgsArrayChildFmla { std::uint8_t Id; std::uint16_t ParentCol; std::uint32_t ParentRow; };
using TXLSPtgsDataTableChildFmla = TXLSPtgsArrayChildFmla;
struct TXLSPtgsDataTableFmla {
    std::uint8_t Id; std::uint8_t Options; std::uint16_t R1Col; std::uint32_t R1Row; std::uint16_t R2Col;
    std::uint32_t R2Row;
};
struct TXLSPtgsTable {
    std::uint8_t Id; std::uint16_t TableId, Sheet; std::uint8_t ArgCount, AreaPtg;
    std::uint32_t Row1, Row2; std::uint16_t Col1, Col2;
};
struct TXLSPtgsTableCol {
    std::uint8_t Id; std::uint16_t TableId, ColId; std::uint8_t AreaPtg;
    std::uint32_t Row1, Row2; std::uint16_t Col1, Col2;
};
struct TXLSPtgsTableSpecial {
    std::uint8_t Id; std::uint8_t SpecialId, Error, AreaId; std::uint32_t Row1, Row2; std::uint16_t Col1, Col2;
};
struct TXLSPtgsUserFunc { std::uint8_t Id; std::uint8_t ArgCount; std::uint16_t Len; };  // then the name
struct TXLSPtgsNameStr { std::uint8_t Id; std::uint8_t Flags; std::uint16_t Len; };     // then the name
// Plain binary-spreadsheet records with 16-bit rows, for code walking stored formulas.
struct TXLSPtgsRef97 { std::uint8_t Id; std::uint16_t Row, Col; };
struct TXLSPtgsArea97 { std::uint8_t Id; std::uint16_t Row1, Row2, Col1, Col2; };
struct TXLSPtgsRef3d97 { std::uint8_t Id; std::uint16_t XTI, Row, Col; };
struct TXLSPtgsArea3d97 { std::uint8_t Id; std::uint16_t XTI, Row1, Row2, Col1, Col2; };
struct TXLSPtgsName97 { std::uint8_t Id; std::uint16_t NameId, Reserved; };
struct TXLSPtgsNameX97 { std::uint8_t Id; std::uint16_t XTI, NameId, Reserved; };
struct TXLSPtgsInt97 { std::uint8_t Id; std::uint16_t Value; };
#pragma pack(pop)

// The fixed size in bytes of a record by id; -1 for the variable-length ids
// (the string, user-function and name-by-text records and the plain
// attribute/string records) and for ids without a record.
int XLSPtgSize(std::uint8_t id);
