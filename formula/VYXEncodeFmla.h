// VYXEncodeFmla.h: turns the tokens of a formula into its ptg byte string (reverse Polish order).
//
// The encoder is an operator-precedence (shunting-yard) pass. Binding, from
// tight to loose: reference operators (range, intersection, union), unary
// minus and plus, percent, "^", "*" "/", "+" "-", "&", "<" "<=" ">=" ">",
// "=" "<>". All binary operators are left-associative, so 2^3^2 is 64, and
// unary minus binds tighter than "^", so -2^2 is 4.
//
// Not supported (encoding stops at the token, without an error of its own):
// structured table references, R1C1 references and external workbook
// references beyond skipping the workbook name.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

class TXLSCellManager;
class TXLSTokenList;

class TXLSFormulaEncoder {
public:
    explicit TXLSFormulaEncoder(TXLSCellManager& manager);

    // Returns the length of `ptgs`, 0 on failure. Errors go to the manager's
    // error manager (4016 unknown sheet, 4018 list between non-references,
    // 4020/4021 wrong argument count of a fixed function, 4022 ragged array).
    int Encode(const TXLSTokenList& tokens, std::vector<std::uint8_t>& ptgs);
    // True when the last Encode stopped at a token it cannot encode; the bytes
    // before that token were still returned.
    bool Stopped() const { return FStopped; }

private:
    // A ptg under construction: its bytes live in FWork.
    struct TItem {
        std::uint32_t Offset;
        std::uint32_t Size;
        std::uint8_t Id;
    };
    struct TGroup {
        std::uint32_t Offset;  // of the opener's record in FWork
        std::uint8_t Id;
        int Count = 0;  // arguments of a function, elements of an array
        int Rows = 0;   // rows of an array
        int Min = 0, Max = 0;
        std::int32_t FuncId = -1;
    };

    TItem NewPtg(const void* record, std::size_t size);
    void Output(const TItem& item);
    void AddOperator(const TItem& item);
    void OpenGroup(const TItem& item, int count, int rows = 0, int min = 0, int max = 0, std::int32_t funcId = -1);
    void CloseGroup();
    bool OutputIsReference(int back) const;
    // Returns the index after the reference, or -1 when the tokens form none.
    int EncodeReference(const TXLSTokenList& tokens, int i);
    void Error(int code);

    TXLSCellManager& FManager;
    std::vector<std::uint8_t> FWork;
    std::vector<TItem> FOps;
    std::vector<TItem> FOut;
    std::vector<TGroup> FGroups;
    bool FStopped = false;
};

// Tokenizes and encodes `formula` (without a leading "="). Strict uses "." and
// "," as decimal and list separators, otherwise the current locale's. True
// when bytes came out and no error was reported on the manager meanwhile; the
// bytes are left in `ptgs` either way. A formula with a token the encoder
// cannot encode (a structured table reference) is reported as error 4006
// rather than quietly cut short.
bool XLSEncodeFormula(TXLSCellManager& manager, std::u16string_view formula, std::vector<std::uint8_t>& ptgs,
                      bool strict = true);
