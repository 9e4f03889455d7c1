// VYXTokenizer.h: turns the text of a formula into a flat list of tokens for the encoder.
//
// The tokenizer evaluates nothing and builds no tree. Syntax errors go to the
// error manager by code and scanning goes on after them; the caller compares
// the manager's error count before and after to decide success.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TVYXErrorManager;

// 1-based positions of the first and last character of a token in the text.
struct TXLSTokenPos {
    std::uint16_t P1 = 0;
    std::uint16_t P2 = 0;
};

// The ordinals are relied on: "operator" means xttOpHat..xttOpRange.
enum TXLSTokenType : std::uint8_t {
    xttNone,
    xttWhitespace,
    xttComma,
    xttColon,
    xttSemicolon,
    xttSpaceOp,
    xttExclamation,
    xttLPar,
    xttRPar,
    xttLSqBracket,
    xttRSqBracket,
    xttAphostrophe,
    xttSpace,
    xttConstErrNull,
    xttConstErrDiv0,
    xttConstErrValue,
    xttConstErrRef,
    xttConstErrName,
    xttConstErrNum,
    xttConstErrNA,
    xttConstErrGettingData,
    xttConstLogicalTrue,
    xttConstLogicalFalse,
    xttConstString,
    xttConstArrayBegin,
    xttConstArrayEnd,
    xttConstNumber,
    xttOpHat,
    xttOpMult,
    xttOpDiv,
    xttOpPlus,
    xttOpMinus,
    xttOpUMinus,
    xttOpUPlus,
    xttOpAmp,
    xttOpEqual,
    xttOpNotEqual,
    xttOpLess,
    xttOpLessEqual,
    xttOpGreater,
    xttOpGreaterEqual,
    xttOpPercent,
    xttOpRange,
    xttOpISect,
    xttRelCol,
    xttAbsCol,
    xttRelRow,
    xttAbsRow,
    xttR1C1RelCol,
    xttR1C1AbsCol,
    xttR1C1RelRow,
    xttR1C1AbsRow,
    xttName,
    xttFuncName,
    xttSheetName,
    xttWorkbookName,
    xttTable,
    xttTableCol,
    xttTableSpecial,
};

inline bool XLSIsOperatorToken(TXLSTokenType t) { return t >= xttOpHat && t <= xttOpRange; }

enum TXLSTokenValType : std::uint8_t {
    xtvtNone,
    xtvtInteger,
    xtvtFloat,
    xtvtChar,
    xtvtString,
    xtvtIdetifier,
    xtvtTokenList,
};

struct TXLSToken {
    TXLSTokenPos Pos;
    TXLSTokenType TokenType = xttNone;
    TXLSTokenValType ValueType = xtvtNone;
    union {
        std::int32_t vInteger;
        double vFloat;
        char16_t vChar;
    };
    std::u16string vStr;  // the value when ValueType is xtvtString

    TXLSToken() : vFloat(0) {}
};

// The tokens of one formula, in text order; the list owns them.
class TXLSTokenList {
public:
    TXLSToken& Add(TXLSTokenType type, TXLSTokenPos pos);
    void AddConstNumber(double value, TXLSTokenPos pos);
    void AddConstString(std::u16string_view text, TXLSTokenPos pos);
    void AddConstLogical(bool value, TXLSTokenPos pos);
    void AddName(std::u16string_view text, TXLSTokenPos pos);
    void AddSheetName(std::u16string_view text, TXLSTokenPos pos);
    void AddWorkbookName(std::u16string_view text, TXLSTokenPos pos);
    void AddTableCol(std::u16string_view text, TXLSTokenPos pos);
    void AddTableSpecial(std::u16string_view text, TXLSTokenPos pos);
    void AddCol(std::int32_t col, bool absolute, TXLSTokenPos pos);
    void AddRow(std::int32_t row, bool absolute, TXLSTokenPos pos);
    void AddR1C1Col(std::int32_t value, bool absolute, TXLSTokenPos pos = {});
    void AddR1C1Row(std::int32_t value, bool absolute, TXLSTokenPos pos = {});
    // Leading blanks become xttWhitespace, others xttSpace; the value is the count.
    void AddSpace(std::int32_t count, bool leading, TXLSTokenPos pos);
    void AddTableEnd(TXLSTokenPos pos);
    void AddUnknown(char16_t c, TXLSTokenPos pos);

    int Count() const { return static_cast<int>(FItems.size()); }
    TXLSToken& GetItems(int i) { return FItems[static_cast<std::size_t>(i)]; }
    const TXLSToken& GetItems(int i) const { return FItems[static_cast<std::size_t>(i)]; }
    TXLSToken* Last() { return FItems.empty() ? nullptr : &FItems.back(); }
    // The type of the last token that is not xttSpace; xttNone when there is none.
    TXLSTokenType LastTokenType() const;
    // The type of the first token after index i that is not xttSpace; xttNone when there is none.
    TXLSTokenType NextTokenType(int i) const;
    const std::u16string& GetAsString(int i) const { return GetItems(i).vStr; }
    double GetAsFloat(int i) const { return GetItems(i).vFloat; }
    std::int32_t GetAsInteger(int i) const { return GetItems(i).vInteger; }
    char16_t GetAsChar(int i) const { return GetItems(i).vChar; }
    void Reserve(int count) { FItems.reserve(static_cast<std::size_t>(count)); }
    // Drops the tokens from index `count` on (used when a longer attempt fails).
    void Truncate(int count) { FItems.resize(static_cast<std::size_t>(count)); }
    // One line per token ("[op] +", "[const num] 1.5", "[function] SUM"), for debugging and tests.
    std::string Dump() const;

private:
    std::vector<TXLSToken> FItems;
};

class TXLSTokenizer {
public:
    explicit TXLSTokenizer(TVYXErrorManager& errors);

    // Strict: "." and "," as decimal and list separators; otherwise those of the current locale.
    void SetStrictMode(bool strict);
    void SetR1C1(bool r1c1) { FR1C1 = r1c1; }
    // Typographic double quotes become plain ones.
    void SetFormula(std::u16string_view text);
    // No list for an empty formula or one of blanks only.
    std::unique_ptr<TXLSTokenList> Parse();

private:
    bool AtEnd() const { return FPos >= FText.size(); }
    char16_t Cur() const { return FPos < FText.size() ? FText[FPos] : u'\0'; }
    char16_t Peek(std::size_t ahead) const
    {
        return FPos + ahead < FText.size() ? FText[FPos + ahead] : u'\0';
    }
    TXLSTokenPos PosOf(std::size_t first, std::size_t last) const;
    // Reports `code` with its description and the 1-based position of the
    // current character (or `pos` when given).
    void ReportError(int code, std::size_t pos = std::string::npos);
    std::size_t PrefixLimit(std::size_t from) const;

    void Step();
    bool TryBlanks();
    bool TryExpression();
    bool TryParentheses();
    bool TryConstant();
    bool TryLogical();
    bool TryNumber();
    bool TryString();
    bool TryArray();
    bool TryArrayConstant();
    bool TryRowRange();
    bool TryPrefixOperator();
    bool TryInfixOperator(bool& isSpace);
    bool TryPostfixOperator();
    bool TryCellReference();
    bool TryA1Reference();
    bool TryR1C1Reference();
    bool TryR1C1Part(char16_t letter, bool isRow);
    bool TryName();
    // True when the text at the cursor is a known function name directly followed by "(".
    bool StartsFunctionCall() const;
    bool TryTablePart();
    bool TrySheetPrefix();
    bool TryQuotedSheetPrefix();
    bool TryUnquotedSheetPrefix();
    void PostCheck();
    void CheckOperands();
    std::string Describe(int code) const;

    TVYXErrorManager& FErrors;
    bool FR1C1 = false;
    bool FStrict = true;
    char16_t FDecimalSep = u'.';
    char16_t FListSep = u',';
    std::u16string FFormula;  // as given, for error texts
    std::u16string FText;     // without leading and trailing blanks
    std::size_t FLeading = 0; // leading blanks cut from FText, for token positions
    std::size_t FPos = 0;     // 0-based index into FText; token positions are 1-based
    int FDepth = 0;
    int FReports = 0;
    TXLSTokenList* FList = nullptr;
};
