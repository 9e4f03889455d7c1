// VYXTokenizer.cpp: the recursive-descent scanner for formula text.
//
// Grammar (A1 mode; a blank is space, CR or LF; ',' and '.' stand for the list
// and decimal separators of the mode):
//   formula      := { blanks | expression | any-character }
//   expression   := "(" { expression } ")"               ("(" right after a name makes it a function)
//                 | constant
//                 | ("-" | "+") expression              (only where an operand may start)
//                 | "," [expression]
//                 | infix-op expression                  (a run of blanks is an infix op too)
//                 | "%" | reference
//   constant     := "TRUE" | "FALSE" | row-range | number | string | array
//   number       := digits ["." [digits]] [exponent] | "." digits [exponent]
//   exponent     := ("E" | "e") ["+" | "-"] digits
//   string       := '"' { character | '""' } '"'
//   array        := "{" row { ";" row } "}"   row := element { "," element }
//   element      := ["-" | "+"] ("TRUE" | "FALSE" | number | string)
//   reference    := [sheet-prefix] (a1-ref [":" a1-ref] | name [table-part])
//   a1-ref       := ["$"] letters{1,3} ":" ["$"] letters{1,3}  |  ["$"] letters{1,3} ["$"] digits{1,9}
//                 | row-range
//   row-range    := ["$"] digits ":" ["$"] digits
//   sheet-prefix := "'" ["[" book "]"] sheet [":" sheet] "'" "!"
//                 | ["[" book "]"] sheet [":" sheet] "!"
//   name         := (letter | "_" | "\") { letter | "_" | "|" | "." }
//   table-part   := "[" (item | "[" item "]" { "," "[" item "]" }) "]"   ("#..." items are special)
// A reference is tried before a name, except that a run of name characters
// directly before "(" that names a known function (built in or add-in) is a
// call: LOG10(100) is the logarithm, not the cell LOG10 times 100.
//
// Not supported: error literals such as "#N/A" (a "#" is an unknown character),
// R1C1 references unless switched on, blanks inside structured table parts.
#include "formula/VYXTokenizer.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "formula/VYXCellStore.h"
#include "formula/VYXFuncLibrary.h"
#include "formula/VYXFuncNames.h"
#include "platform/VYXErrors.h"
#include "platform/VYXLocale.h"
#include "platform/VYXPrintable.h"
#include "platform/VYXUnicode.h"

namespace {

// Nesting of parentheses and prefix operators; deeper formulas fail with 4006
// instead of exhausting the stack.
constexpr int cMaxDepth = 200;
// Token positions are 16-bit.
constexpr std::size_t cMaxFormulaLength = 65000;
// Sheet and workbook names are short; bounding the look-ahead keeps a text of
// unclosed quotes or brackets linear instead of quadratic.
constexpr std::size_t cMaxPrefixLength = 600;
// One formula full of garbage reports this many errors, not one per character.
constexpr int cMaxReports = 32;
// No function name is longer; longer runs are not looked up.
constexpr std::size_t cMaxFunctionName = 64;

bool IsBlank(char16_t c) { return c == u' ' || c == u'\r' || c == u'\n'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsColLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
// A = 1 .. Z = 26, either case.
std::int32_t ColLetterValue(char16_t c) { return (c & ~0x20) - u'A' + 1; }
bool IsLetter(char16_t c)
{
    return IsColLetter(c) || IsDigit(c) || c == u'\u00C4' || c == u'\u00C5' || c == u'\u00D6' ||
           c == u'\u00E4' || c == u'\u00E5' || c == u'\u00F6';
}
bool IsFuncNameChar(char16_t c) { return c == u'.' || c == u'_' || IsDigit(c) || IsColLetter(c); }
bool IsNameContinuation(char16_t c) { return IsFuncNameChar(c) || c >= 0x80; }
bool IsOperatorChar(char16_t c)
{
    return IsBlank(c) || c == u'&' || c == u'*' || c == u'+' || c == u',' || c == u'-' || c == u'/' ||
           c == u':' || c == u'<' || c == u'=' || c == u'>' || c == u'^';
}
bool IsSheetStop(char16_t c)
{
    return c == u'\'' || c == u'(' || c == u')' || c == u'?' || c == u'[' || c == u'\\' || c == u']' ||
           c == u'"' || c == u'{' || c == u'}' || c == u';' || c == u'!';
}

// Reads quoted text from i (just after the opening quote) up to the closing
// quote, a doubled quote standing for one; i ends on the closing quote. False
// when `limit` comes first.
bool ScanQuoted(std::u16string_view text, std::size_t& i, std::size_t limit, char16_t quote, std::u16string& out)
{
    while (i < limit) {
        if (text[i] == quote) {
            if (i + 1 < text.size() && text[i + 1] == quote) {
                out += quote;
                i += 2;
                continue;
            }
            return true;
        }
        out += text[i++];
    }
    return false;
}

bool QualifiesAsFunctionName(std::u16string_view name)
{
    if (name.empty() || !IsColLetter(name[0]))
        return false;
    return std::all_of(name.begin() + 1, name.end(), IsFuncNameChar);
}

struct TInfixOp {
    std::u16string_view Text;
    TXLSTokenType Type;
};
// Two-character forms come before their one-character prefixes.
constexpr TInfixOp cInfixOps[] = {
    {u"^", xttOpHat},        {u"*", xttOpMult},       {u"/", xttOpDiv},          {u"+", xttOpPlus},
    {u"-", xttOpMinus},      {u"&", xttOpAmp},        {u"=", xttOpEqual},        {u"<>", xttOpNotEqual},
    {u"<=", xttOpLessEqual}, {u">=", xttOpGreaterEqual}, {u"<", xttOpLess},      {u">", xttOpGreater},
    {u":", xttOpRange},
};

// Dump labels by token type.
constexpr const char* cDumpLabels[] = {
    "[unknown]", "[whitespace]", "[comma]", "[colon]", "[semicolon]", "[space op]", "[excl]", "[par]", "[par]",
    "[bracket]", "[table end]", "[apos]", "[space]", "[error]", "[error]", "[error]", "[error]", "[error]",
    "[error]", "[error]", "[error]", "[bool]", "[bool]", "[const str]", "[array]", "[array]", "[const num]",
    "[op]", "[op]", "[op]", "[op]", "[op]", "[op]", "[op]", "[op]", "[op]", "[op]", "[op]", "[op]", "[op]",
    "[op]", "[op]", "[op]", "[isect]", "[col]", "[col]", "[row]", "[row]", "[r1c1 col]", "[r1c1 col]",
    "[r1c1 row]", "[r1c1 row]", "[name]", "[function]", "[sheet]", "[workbook]", "[table]", "[table col]",
    "[table special]",
};
static_assert(std::size(cDumpLabels) == xttTableSpecial + 1);

// Fixed texts of the tokens that carry no value, by type ("" = the value is printed).
constexpr const char* cDumpTexts[] = {
    "", "", ",", ":", ";", "", "!", "(", ")", "[", "]", "'", "", "#NULL!", "#DIV/0!", "#VALUE!", "#REF!",
    "#NAME?", "#NUM!", "#N/A", "#GETTING_DATA", "TRUE", "FALSE", "", "{", "}", "", "^", "*", "/", "+", "-",
    "u-", "u+", "&", "=", "<>", "<", "<=", ">", ">=", "%", ":", "", "", "$", "", "$", "", "", "", "", "", "",
    "", "", "", "", "",
};
static_assert(std::size(cDumpTexts) == xttTableSpecial + 1);

}  // namespace

// The token list.

TXLSToken& TXLSTokenList::Add(TXLSTokenType type, TXLSTokenPos pos)
{
    TXLSToken& t = FItems.emplace_back();
    t.TokenType = type;
    t.Pos = pos;
    return t;
}

void TXLSTokenList::AddConstNumber(double value, TXLSTokenPos pos)
{
    TXLSToken& t = Add(xttConstNumber, pos);
    t.ValueType = xtvtFloat;
    t.vFloat = value;
}

void TXLSTokenList::AddConstString(std::u16string_view text, TXLSTokenPos pos)
{
    TXLSToken& t = Add(xttConstString, pos);
    t.ValueType = xtvtString;
    t.vStr = text;
}

void TXLSTokenList::AddConstLogical(bool value, TXLSTokenPos pos)
{
    Add(value ? xttConstLogicalTrue : xttConstLogicalFalse, pos);
}

namespace {
void SetString(TXLSToken& t, std::u16string_view text)
{
    t.ValueType = xtvtString;
    t.vStr = text;
}
void SetInteger(TXLSToken& t, std::int32_t value)
{
    t.ValueType = xtvtInteger;
    t.vInteger = value;
}
}  // namespace

void TXLSTokenList::AddName(std::u16string_view text, TXLSTokenPos pos) { SetString(Add(xttName, pos), text); }
void TXLSTokenList::AddSheetName(std::u16string_view text, TXLSTokenPos pos)
{
    SetString(Add(xttSheetName, pos), text);
}
void TXLSTokenList::AddWorkbookName(std::u16string_view text, TXLSTokenPos pos)
{
    SetString(Add(xttWorkbookName, pos), text);
}
void TXLSTokenList::AddTableCol(std::u16string_view text, TXLSTokenPos pos)
{
    SetString(Add(xttTableCol, pos), text);
}
void TXLSTokenList::AddTableSpecial(std::u16string_view text, TXLSTokenPos pos)
{
    SetString(Add(xttTableSpecial, pos), text);
}
void TXLSTokenList::AddCol(std::int32_t col, bool absolute, TXLSTokenPos pos)
{
    SetInteger(Add(absolute ? xttAbsCol : xttRelCol, pos), col);
}
void TXLSTokenList::AddRow(std::int32_t row, bool absolute, TXLSTokenPos pos)
{
    SetInteger(Add(absolute ? xttAbsRow : xttRelRow, pos), row);
}
void TXLSTokenList::AddR1C1Col(std::int32_t value, bool absolute, TXLSTokenPos pos)
{
    SetInteger(Add(absolute ? xttR1C1AbsCol : xttR1C1RelCol, pos), value);
}
void TXLSTokenList::AddR1C1Row(std::int32_t value, bool absolute, TXLSTokenPos pos)
{
    SetInteger(Add(absolute ? xttR1C1AbsRow : xttR1C1RelRow, pos), value);
}
void TXLSTokenList::AddSpace(std::int32_t count, bool leading, TXLSTokenPos pos)
{
    SetInteger(Add(leading ? xttWhitespace : xttSpace, pos), count);
}
void TXLSTokenList::AddTableEnd(TXLSTokenPos pos) { Add(xttRSqBracket, pos); }
void TXLSTokenList::AddUnknown(char16_t c, TXLSTokenPos pos)
{
    TXLSToken& t = Add(xttNone, pos);
    t.ValueType = xtvtChar;
    t.vChar = c;
}

TXLSTokenType TXLSTokenList::LastTokenType() const
{
    for (auto it = FItems.rbegin(); it != FItems.rend(); ++it)
        if (it->TokenType != xttSpace)
            return it->TokenType;
    return xttNone;
}

TXLSTokenType TXLSTokenList::NextTokenType(int i) const
{
    for (int j = i + 1; j < Count(); ++j)
        if (GetItems(j).TokenType != xttSpace)
            return GetItems(j).TokenType;
    return xttNone;
}

std::string TXLSTokenList::Dump() const
{
    std::string out;
    for (const TXLSToken& t : FItems) {
        out += cDumpLabels[t.TokenType];
        out += ' ';
        out += cDumpTexts[t.TokenType];
        switch (t.ValueType) {
        case xtvtInteger:
            // Columns and rows print as A1 text, counts as numbers.
            if (t.TokenType == xttRelCol || t.TokenType == xttAbsCol)
                out += Utf16ToUtf8(ColToRefStr(t.vInteger));
            else if (t.TokenType == xttRelRow || t.TokenType == xttAbsRow)
                out += std::to_string(static_cast<long long>(t.vInteger) + 1);
            else
                out += std::to_string(t.vInteger);
            break;
        case xtvtFloat: out += Utf16ToUtf8(VYXFloatToStr(t.vFloat, TVYXLocaleSettings::EnUS())); break;
        case xtvtChar: AppendUtf8(out, t.vChar); break;
        case xtvtString: out += Utf16ToUtf8(t.vStr); break;
        default: break;
        }
        out += '\n';
    }
    return out;
}

// The tokenizer.

TXLSTokenizer::TXLSTokenizer(TVYXErrorManager& errors) : FErrors(errors) { SetStrictMode(true); }

void TXLSTokenizer::SetStrictMode(bool strict)
{
    FStrict = strict;
    if (strict) {
        FDecimalSep = u'.';
        FListSep = u',';
    } else {
        FDecimalSep = VYXCurrentLocale().DecimalSeparator;
        FListSep = VYXCurrentLocale().ListSeparator;
    }
}

void TXLSTokenizer::SetFormula(std::u16string_view text)
{
    FText = text;
    std::replace_if(FText.begin(), FText.end(), [](char16_t c) { return c == u'\u201C' || c == u'\u201D'; },
                    u'"');
    FPos = 0;
}

TXLSTokenPos TXLSTokenizer::PosOf(std::size_t first, std::size_t last) const
{
    auto clip = [](std::size_t p) { return static_cast<std::uint16_t>(std::min<std::size_t>(p, 0xFFFF)); };
    return {clip(FLeading + first + 1), clip(FLeading + last + 1)};
}

// What went wrong, for the person who typed the formula. The formula itself
// is not repeated: it may be long, and the position says where to look.
std::string TXLSTokenizer::Describe(int code) const
{
    switch (code) {
    case 4002: return "an exponent without digits";
    case 4003: return "a decimal separator without digits";
    case 4004: return "a text without its closing quote";
    case 4005: return "an array constant that is not closed";
    case 4007: return "a parenthesis that is not closed";
    case 4008: return "an operator without its operand";
    case 4010: return "an invalid cell reference";
    case 4011: return "a sheet name without its closing quote";
    case 4012: return "a sheet name without \"!\"";
    case 4013: return "an invalid workbook or sheet name";
    case 4014: return "an invalid R1C1 reference";
    default: break;
    }
    if (FText.size() > cMaxFormulaLength)
        return "a formula longer than " + std::to_string(cMaxFormulaLength) + " characters";
    if (FPos < FText.size())
        return "unexpected \"" + VYXPrintable(Utf16ToUtf8(FText.substr(FPos, 1))) + "\"";
    return "an unexpected end";
}

void TXLSTokenizer::ReportError(int code, std::size_t pos)
{
    if (FReports++ >= cMaxReports)
        return;
    if (pos == std::string::npos)
        pos = FLeading + std::min(FPos, FText.size()) + 1;
    FErrors.Error(Describe(code) + " at position " + std::to_string(pos), code);
}

std::size_t TXLSTokenizer::PrefixLimit(std::size_t from) const
{
    return std::min(FText.size(), from + cMaxPrefixLength);
}

std::unique_ptr<TXLSTokenList> TXLSTokenizer::Parse()
{
    FFormula = FText;
    FPos = 0;
    FDepth = 0;
    FLeading = 0;
    FReports = 0;
    if (std::all_of(FText.begin(), FText.end(), IsBlank))
        return nullptr;
    if (FText.size() > cMaxFormulaLength) {
        ReportError(4006);
        return nullptr;
    }
    auto list = std::make_unique<TXLSTokenList>();
    list->Reserve(static_cast<int>(std::min<std::size_t>(FText.size(), 4096) / 2 + 4));
    FList = list.get();
    while (FLeading < FText.size() && IsBlank(FText[FLeading]))
        ++FLeading;
    if (FLeading > 0) {
        FList->AddSpace(static_cast<std::int32_t>(FLeading), true, {1, static_cast<std::uint16_t>(FLeading)});
        FText.erase(0, FLeading);
    }
    std::size_t trailing = 0;
    while (trailing < FText.size() && IsBlank(FText[FText.size() - 1 - trailing]))
        ++trailing;
    FText.resize(FText.size() - trailing);

    while (!AtEnd())
        Step();
    PostCheck();
    if (trailing > 0 && trailing < FText.size())
        FList->AddSpace(static_cast<std::int32_t>(trailing), false, PosOf(FText.size(), FText.size() + trailing - 1));
    FList = nullptr;
    return list;
}

void TXLSTokenizer::Step()
{
    if (TryBlanks())
        return;
    const std::size_t start = FPos;
    if (TryExpression() && FPos > start)
        return;
    ReportError(4006);
    if (!AtEnd() && FPos == start) {
        FList->AddUnknown(Cur(), PosOf(FPos, FPos));
        ++FPos;
    }
}

bool TXLSTokenizer::TryBlanks()
{
    const std::size_t start = FPos;
    while (!AtEnd() && IsBlank(Cur()))
        ++FPos;
    if (FPos == start)
        return false;
    FList->AddSpace(static_cast<std::int32_t>(FPos - start), false, PosOf(start, FPos - 1));
    return true;
}

bool TXLSTokenizer::TryExpression()
{
    if (AtEnd())
        return false;
    if (FDepth >= cMaxDepth) {
        ReportError(4006);
        FPos = FText.size();  // nothing sensible can follow; stop here
        return false;
    }
    struct TDepth {
        int& D;
        explicit TDepth(int& d) : D(d) { ++D; }
        ~TDepth() { --D; }
    } depth(FDepth);

    if (TryParentheses() || TryConstant())
        return true;

    switch (FList->LastTokenType()) {
    case xttNone:
    case xttWhitespace:
    case xttComma:
    case xttLPar:
    case xttOpHat:
    case xttOpMult:
    case xttOpDiv:
    case xttOpPlus:
    case xttOpMinus:
    case xttOpUMinus:
    case xttOpUPlus:
    case xttOpAmp:
    case xttOpEqual:
    case xttOpNotEqual:
    case xttOpLess:
    case xttOpLessEqual:
    case xttOpGreater:
    case xttOpGreaterEqual:
    case xttFuncName:
        if (TryPrefixOperator()) {
            if (TryExpression())
                return true;
            ReportError(4008);
        }
        break;
    default: break;
    }

    if (Cur() == FListSep) {
        FList->Add(xttComma, PosOf(FPos, FPos));
        ++FPos;
        TryExpression();
        return true;
    }

    bool isSpace = false;
    if (TryInfixOperator(isSpace)) {
        if (TryExpression())
            return true;
        // A blank before ")" or "," is only layout; a real operator needs an operand.
        if (isSpace)
            return false;
        ReportError(4006);
        return true;
    }
    return TryPostfixOperator() || TryCellReference();
}

bool TXLSTokenizer::TryParentheses()
{
    if (Cur() != u'(')
        return false;
    const std::size_t open = FPos++;
    TXLSToken* last = FList->Last();
    if (last && last->TokenType == xttName && QualifiesAsFunctionName(last->vStr))
        last->TokenType = xttFuncName;
    else
        FList->Add(xttLPar, PosOf(open, open));
    while (!AtEnd() && TryExpression()) {
    }
    if (Cur() == u')')
        FList->Add(xttRPar, PosOf(FPos, FPos));
    else
        ReportError(4007);
    if (!AtEnd())
        ++FPos;
    return true;
}

bool TXLSTokenizer::TryConstant()
{
    return TryLogical() || TryRowRange() || TryNumber() || TryString() || TryArray();
}

bool TXLSTokenizer::TryLogical()
{
    if (FText.compare(FPos, 4, u"TRUE") == 0) {
        FList->AddConstLogical(true, PosOf(FPos, FPos + 3));
        FPos += 4;
        return true;
    }
    if (FText.compare(FPos, 5, u"FALSE") == 0) {
        FList->AddConstLogical(false, PosOf(FPos, FPos + 4));
        FPos += 5;
        return true;
    }
    return false;
}

bool TXLSTokenizer::TryNumber()
{
    const std::size_t start = FPos;
    std::size_t i = FPos;
    auto digits = [&] {
        const std::size_t from = i;
        while (i < FText.size() && IsDigit(FText[i]))
            ++i;
        return i > from;
    };
    if (digits()) {
        if (i < FText.size() && FText[i] == FDecimalSep) {
            ++i;
            digits();
        }
    } else if (i < FText.size() && FText[i] == FDecimalSep) {
        ++i;
        if (!digits()) {
            ReportError(4003);
            FPos = i;
            return true;
        }
    } else {
        return false;
    }
    const std::size_t mantissaEnd = i;
    if (i < FText.size() && (FText[i] == u'E' || FText[i] == u'e')) {
        ++i;
        if (i < FText.size() && (FText[i] == u'+' || FText[i] == u'-'))
            ++i;
        if (!digits())
            ReportError(4002);
    }
    const std::size_t end = (i == mantissaEnd || IsDigit(FText[i - 1])) ? i : mantissaEnd;
    double value = 0;
    if (FStrict) {
        std::string ascii;
        ascii.reserve(end - start);
        for (std::size_t k = start; k < end; ++k)
            ascii += static_cast<char>(FText[k]);
        if (!ascii.empty() && ascii.back() == '.')
            ascii.pop_back();
        const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
        if (res.ec == std::errc::result_out_of_range)
            value = ascii.find('-') == std::string::npos ? HUGE_VAL : 0;  // overflow, or underflow to 0
        else if (res.ec != std::errc())
            value = 0;
    } else {
        std::u16string text = FText.substr(start, end - start);
        if (!text.empty() && text.back() == FDecimalSep)
            text.pop_back();
        value = VYXStrToFloat(text).value_or(0);
    }
    FList->AddConstNumber(value, PosOf(start, i - 1));
    FPos = i;
    return true;
}

bool TXLSTokenizer::TryString()
{
    if (Cur() != u'"')
        return false;
    const std::size_t start = FPos;
    std::size_t i = FPos + 1;
    std::u16string text;
    if (!ScanQuoted(FText, i, FText.size(), u'"', text)) {
        ReportError(4004);
        FList->AddConstString(text, PosOf(start, FText.size() - 1));
        FPos = FText.size();
        return true;
    }
    FList->AddConstString(text, PosOf(start, i));
    FPos = i + 1;
    return true;
}

bool TXLSTokenizer::TryArrayConstant()
{
    const std::size_t start = FPos;
    const int count = FList->Count();
    TryPrefixOperator();
    if (TryLogical() || TryNumber() || TryString())
        return true;
    FPos = start;
    FList->Truncate(count);
    return false;
}

bool TXLSTokenizer::TryArray()
{
    if (Cur() != u'{')
        return false;
    FList->Add(xttConstArrayBegin, PosOf(FPos, FPos));
    ++FPos;
    auto skipBlanks = [this] {
        while (!AtEnd() && IsBlank(Cur()))
            ++FPos;
    };
    bool ok = true;
    while (ok) {
        skipBlanks();
        if (!TryArrayConstant()) {
            ok = false;
            break;
        }
        skipBlanks();
        while (ok && Cur() == FListSep) {
            FList->Add(xttComma, PosOf(FPos, FPos));
            ++FPos;
            skipBlanks();
            ok = TryArrayConstant();
            skipBlanks();
        }
        // With ";" as the list separator rows cannot be told apart: such arrays are one row.
        if (!ok || Cur() != u';' || FListSep == u';')
            break;
        FList->Add(xttSemicolon, PosOf(FPos, FPos));
        ++FPos;
    }
    if (ok && Cur() == u'}') {
        FList->Add(xttConstArrayEnd, PosOf(FPos, FPos));
        ++FPos;
        return true;
    }
    ReportError(4005);
    // Resynchronise after the closing brace so one bad array gives one error.
    while (!AtEnd() && Cur() != u'}')
        ++FPos;
    if (!AtEnd()) {
        FList->Add(xttConstArrayEnd, PosOf(FPos, FPos));
        ++FPos;
    }
    return true;
}

bool TXLSTokenizer::TryRowRange()
{
    const std::size_t start = FPos;
    std::size_t i = FPos;
    auto row = [&](bool& absolute, std::int64_t& value) {
        absolute = i < FText.size() && FText[i] == u'$';
        if (absolute)
            ++i;
        const std::size_t from = i;
        value = 0;
        while (i < FText.size() && IsDigit(FText[i])) {
            if (value <= cXLSMaxRow + 1)
                value = value * 10 + (FText[i] - u'0');
            ++i;
        }
        return i > from;
    };
    bool abs1 = false, abs2 = false;
    std::int64_t row1 = 0, row2 = 0;
    if (!row(abs1, row1) || i >= FText.size() || FText[i] != u':')
        return false;
    const std::size_t colon = i++;
    const bool second = row(abs2, row2);
    const bool valid = second && row1 >= 1 && row1 <= cXLSMaxRow + 1 && row2 >= 1 && row2 <= cXLSMaxRow + 1;
    if (!valid)
        ReportError(4010);
    FList->AddRow(static_cast<std::int32_t>(std::clamp<std::int64_t>(row1 - 1, 0, cXLSMaxRow)), abs1,
                  PosOf(start, colon - 1));
    FList->Add(xttColon, PosOf(colon, colon));
    if (second)
        FList->AddRow(static_cast<std::int32_t>(std::clamp<std::int64_t>(row2 - 1, 0, cXLSMaxRow)), abs2,
                      PosOf(colon + 1, i - 1));
    FPos = i;
    return true;
}

bool TXLSTokenizer::TryPrefixOperator()
{
    if (Cur() != u'-' && Cur() != u'+')
        return false;
    FList->Add(Cur() == u'-' ? xttOpUMinus : xttOpUPlus, PosOf(FPos, FPos));
    ++FPos;
    return true;
}

bool TXLSTokenizer::TryInfixOperator(bool& isSpace)
{
    isSpace = false;
    if (IsBlank(Cur())) {
        // The whole run at once: counting blank by blank would recurse per blank.
        const std::size_t start = FPos;
        while (!AtEnd() && IsBlank(Cur()))
            ++FPos;
        const auto count = static_cast<std::int32_t>(FPos - start);
        TXLSToken* last = FList->Last();
        if (last && last->TokenType == xttSpace) {
            last->vInteger += count;
            last->Pos.P2 = PosOf(FPos - 1, FPos - 1).P2;
        } else {
            FList->AddSpace(count, false, PosOf(start, FPos - 1));
        }
        isSpace = true;
        return true;
    }
    for (const auto& op : cInfixOps) {
        if (FText.compare(FPos, op.Text.size(), op.Text) == 0) {
            FList->Add(op.Type, PosOf(FPos, FPos + op.Text.size() - 1));
            FPos += op.Text.size();
            return true;
        }
    }
    return false;
}

bool TXLSTokenizer::TryPostfixOperator()
{
    if (Cur() != u'%')
        return false;
    FList->Add(xttOpPercent, PosOf(FPos, FPos));
    ++FPos;
    return true;
}

bool TXLSTokenizer::TryCellReference()
{
    const std::size_t start = FPos;
    const int count = FList->Count();
    TrySheetPrefix();
    const std::size_t afterPrefix = FPos;
    const int countAfterPrefix = FList->Count();
    if (FList->Count() == count && StartsFunctionCall() && TryName())
        return true;
    if (FR1C1 ? TryR1C1Reference() : TryA1Reference()) {
        const TXLSTokenType last = FList->Last()->TokenType;
        const bool wholeRange = FList->Count() >= 3 && FList->GetItems(FList->Count() - 2).TokenType == xttColon;
        if (!wholeRange && last != xttColon && Cur() == u':') {
            FList->Add(xttColon, PosOf(FPos, FPos));
            ++FPos;
            if (!(FR1C1 ? TryR1C1Reference() : TryA1Reference()))
                TryName();
        }
        return true;
    }
    FPos = afterPrefix;
    FList->Truncate(countAfterPrefix);
    if (TryName())
        return true;
    FPos = start;
    FList->Truncate(count);
    return false;
}

bool TXLSTokenizer::TryA1Reference()
{
    const std::size_t start = FPos;
    std::size_t i = FPos;
    const bool absCol = i < FText.size() && FText[i] == u'$';
    if (absCol)
        ++i;
    const std::size_t letters = i;
    std::int32_t col = 0;
    while (i < FText.size() && IsColLetter(FText[i]) && i - letters < 4) {
        col = col * 26 + ColLetterValue(FText[i]);
        ++i;
    }
    const std::size_t n = i - letters;
    if (n >= 1 && n <= 3 && col - 1 <= cXLSMaxCol) {
        --col;
        if (i < FText.size() && FText[i] == u':') {
            // A whole-column range such as A:C.
            FList->AddCol(col, absCol, PosOf(start, i - 1));
            FList->Add(xttColon, PosOf(i, i));
            std::size_t j = i + 1;
            const bool abs2 = j < FText.size() && FText[j] == u'$';
            if (abs2)
                ++j;
            const std::size_t from = j;
            std::int32_t col2 = 0;
            while (j < FText.size() && IsColLetter(FText[j]) && j - from < 3) {
                col2 = col2 * 26 + ColLetterValue(FText[j]);
                ++j;
            }
            if (j == from || col2 - 1 > cXLSMaxCol || (j < FText.size() && IsColLetter(FText[j]))) {
                ReportError(4010);
                FPos = j;
                return true;
            }
            FList->AddCol(col2 - 1, abs2, PosOf(i + 1, j - 1));
            FPos = j;
            return true;
        }
        std::size_t j = i;
        const bool absRow = j < FText.size() && FText[j] == u'$';
        if (absRow)
            ++j;
        const std::size_t from = j;
        std::int64_t row = 0;
        while (j < FText.size() && IsDigit(FText[j]) && j - from < 10) {
            row = row * 10 + (FText[j] - u'0');
            ++j;
        }
        const std::size_t digits = j - from;
        if (digits >= 1 && digits <= 9 && row >= 1 && row <= cXLSMaxRow + 1 &&
            !(j < FText.size() && IsNameContinuation(FText[j]))) {
            FList->AddCol(col, absCol, PosOf(start, i - 1));
            FList->AddRow(static_cast<std::int32_t>(row - 1), absRow, PosOf(i, j - 1));
            FPos = j;
            return true;
        }
    }
    FPos = start;
    return TryRowRange();
}

bool TXLSTokenizer::TryR1C1Part(char16_t letter, bool isRow)
{
    if (Cur() != letter)
        return false;
    const std::size_t start = FPos++;
    std::int32_t value = 0;
    bool absolute = false;
    if (Cur() == u'[') {
        ++FPos;
        bool negative = false;
        if (Cur() == u'-' || Cur() == u'+')
            negative = FText[FPos++] == u'-';
        while (IsDigit(Cur()) && value < 10000000)
            value = value * 10 + (FText[FPos++] - u'0');
        if (Cur() != u']')
            ReportError(4014);
        else
            ++FPos;
        if (negative)
            value = -value;
    } else if (IsDigit(Cur())) {
        absolute = true;
        while (IsDigit(Cur()) && value < 10000000)
            value = value * 10 + (FText[FPos++] - u'0');
    }
    if (isRow)
        FList->AddR1C1Row(value, absolute, PosOf(start, FPos - 1));
    else
        FList->AddR1C1Col(value, absolute, PosOf(start, FPos - 1));
    return true;
}

bool TXLSTokenizer::TryR1C1Reference()
{
    const std::size_t start = FPos;
    const int count = FList->Count();
    if (TryR1C1Part(u'R', true) && TryR1C1Part(u'C', false) && !IsNameContinuation(Cur()))
        return true;
    FPos = start;
    FList->Truncate(count);
    return false;
}

bool TXLSTokenizer::StartsFunctionCall() const
{
    std::size_t i = FPos;
    while (i < FText.size() && IsFuncNameChar(FText[i]) && i - FPos <= cMaxFunctionName)
        ++i;
    if (i == FPos || i >= FText.size() || FText[i] != u'(' || i - FPos > cMaxFunctionName)
        return false;
    const std::u16string_view name = std::u16string_view(FText).substr(FPos, i - FPos);
    return QualifiesAsFunctionName(name) && (G_XLSExcelFuncNames().FindId(name) >= 0 || XLSIsAddInName(name));
}

bool TXLSTokenizer::TryName()
{
    const char16_t first = Cur();
    if (!(IsLetter(first) || first == u'_' || first == u'\\'))
        return false;
    const std::size_t start = FPos++;
    while (!AtEnd() && (IsLetter(Cur()) || Cur() == u'_' || Cur() == u'|' || Cur() == u'.'))
        ++FPos;
    FList->AddName(std::u16string_view(FText).substr(start, FPos - start), PosOf(start, FPos - 1));
    if (Cur() == u'[') {
        FList->Last()->TokenType = xttTable;
        TryTablePart();
    }
    return true;
}

bool TXLSTokenizer::TryTablePart()
{
    if (Cur() != u'[')
        return false;
    ++FPos;
    auto item = [this](char16_t close) {
        const std::size_t from = FPos;
        while (!AtEnd() && Cur() != close && Cur() != u'[')
            ++FPos;
        const auto text = std::u16string_view(FText).substr(from, FPos - from);
        if (text.empty())
            return;
        if (text[0] == u'#')
            FList->AddTableSpecial(text, PosOf(from, FPos - 1));
        else
            FList->AddTableCol(text, PosOf(from, FPos - 1));
    };
    if (Cur() == u'[') {
        while (Cur() == u'[') {
            ++FPos;
            item(u']');
            if (Cur() != u']')
                break;
            ++FPos;
            if (Cur() != u',')
                break;
            ++FPos;
        }
    } else {
        item(u']');
    }
    if (Cur() != u']') {
        ReportError(4006);
        return true;
    }
    FList->AddTableEnd(PosOf(FPos, FPos));
    ++FPos;
    return true;
}

bool TXLSTokenizer::TrySheetPrefix()
{
    if (Cur() == u'\'')
        return TryQuotedSheetPrefix();
    return TryUnquotedSheetPrefix();
}

namespace {
// Adds a sheet name, or two joined by a colon for a sheet range.
void AddSheets(TXLSTokenList& list, std::u16string_view name, TXLSTokenPos pos)
{
    const auto colon = name.find(u':');
    if (colon == std::u16string_view::npos || colon == 0 || colon + 1 == name.size()) {
        list.AddSheetName(name, pos);
        return;
    }
    list.AddSheetName(name.substr(0, colon), pos);
    list.Add(xttColon, pos);
    list.AddSheetName(name.substr(colon + 1), pos);
}
}  // namespace

bool TXLSTokenizer::TryQuotedSheetPrefix()
{
    const std::size_t start = FPos;
    std::size_t i = FPos + 1;
    const std::size_t limit = PrefixLimit(FPos);
    std::u16string book;
    if (i < FText.size() && FText[i] == u'[') {
        const auto close = static_cast<std::size_t>(
            std::find(FText.begin() + static_cast<std::ptrdiff_t>(i), FText.begin() + static_cast<std::ptrdiff_t>(limit), u']') -
            FText.begin());
        if (close >= limit) {
            ReportError(4013);
            return false;
        }
        book = FText.substr(i + 1, close - i - 1);
        i = close + 1;
    }
    std::u16string sheet;
    if (!ScanQuoted(FText, i, limit, u'\'', sheet)) {
        ReportError(4011);
        return false;
    }
    ++i;
    if (i >= FText.size() || FText[i] != u'!') {
        ReportError(4012);
        return false;
    }
    if (sheet.empty()) {
        ReportError(4013);
        return false;
    }
    if (!book.empty())
        FList->AddWorkbookName(book, PosOf(start, i - 1));
    AddSheets(*FList, sheet, PosOf(start, i - 1));
    FList->Add(xttExclamation, PosOf(i, i));
    FPos = i + 1;
    return true;
}

bool TXLSTokenizer::TryUnquotedSheetPrefix()
{
    const std::size_t start = FPos;
    std::size_t i = FPos;
    const std::size_t limit = PrefixLimit(FPos);
    std::u16string_view book;
    if (i < FText.size() && FText[i] == u'[') {
        const auto close = static_cast<std::size_t>(
            std::find(FText.begin() + static_cast<std::ptrdiff_t>(i), FText.begin() + static_cast<std::ptrdiff_t>(limit), u']') -
            FText.begin());
        if (close >= limit)
            return false;
        book = std::u16string_view(FText).substr(i + 1, close - i - 1);
        i = close + 1;
    }
    auto name = [&] {
        const std::size_t from = i;
        while (i < limit && !IsOperatorChar(FText[i]) && !IsSheetStop(FText[i]) && FText[i] != FListSep)
            ++i;
        return i > from && i < limit;
    };
    const std::size_t nameStart = i;
    if (!name())
        return false;
    if (i < FText.size() && FText[i] == u':') {
        ++i;
        if (!name())
            return false;
    }
    if (i >= FText.size() || FText[i] != u'!')
        return false;
    if (!book.empty())
        FList->AddWorkbookName(book, PosOf(start, nameStart - 1));
    AddSheets(*FList, std::u16string_view(FText).substr(nameStart, i - nameStart), PosOf(nameStart, i - 1));
    FList->Add(xttExclamation, PosOf(i, i));
    FPos = i + 1;
    return true;
}

void TXLSTokenizer::PostCheck()
{
    for (int i = 1; i + 1 < FList->Count(); ++i) {
        TXLSToken& t = FList->GetItems(i);
        if (t.TokenType != xttSpace)
            continue;
        const TXLSTokenType before = FList->GetItems(i - 1).TokenType;
        const TXLSTokenType after = FList->GetItems(i + 1).TokenType;
        const bool layout = before == xttComma || before == xttLPar || XLSIsOperatorToken(before) ||
                            before == xttFuncName || after == xttComma || after == xttRPar ||
                            XLSIsOperatorToken(after);
        t.TokenType = layout ? xttWhitespace : xttOpISect;
    }
    CheckOperands();
}

namespace {

// The parts a reference is written in ("Sheet1", "!", "A", "1"): several in
// a row still make one operand.
bool IsReferencePart(TXLSTokenType t)
{
    return (t >= xttRelCol && t <= xttR1C1AbsRow) || t == xttSheetName || t == xttWorkbookName ||
           t == xttExclamation || t == xttAphostrophe || t == xttLSqBracket || t == xttRSqBracket ||
           t == xttTable || t == xttTableCol || t == xttTableSpecial;
}

bool StartsOperand(TXLSTokenType t)
{
    return (t >= xttConstErrNull && t <= xttConstArrayBegin) || t == xttConstNumber || t == xttName ||
           t == xttFuncName || t == xttLPar || IsReferencePart(t);
}

bool EndsOperand(TXLSTokenType t)
{
    return (t >= xttConstErrNull && t <= xttConstString) || t == xttConstArrayEnd || t == xttConstNumber ||
           t == xttName || t == xttRPar || t == xttOpPercent || IsReferencePart(t);
}

}  // namespace

// Two operands in a row ("1.2.3", "(1)(2)", "1\"a\"") have no operator between
// them: that is a syntax error, never a formula that quietly drops one.
void TXLSTokenizer::CheckOperands()
{
    TXLSTokenType prev = xttNone;
    for (int i = 0; i < FList->Count(); ++i) {
        const TXLSToken& t = FList->GetItems(i);
        if (t.TokenType == xttSpace || t.TokenType == xttWhitespace)
            continue;
        // "Sheet1!total" names a name of a sheet; "LOG10(" is read as the cell
        // LOG10 before a parenthesis, as it always was (a known difference).
        const bool sameReference = (IsReferencePart(prev) && IsReferencePart(t.TokenType)) ||
                                   (prev == xttExclamation && (t.TokenType == xttName || t.TokenType == xttFuncName)) ||
                                   (IsReferencePart(prev) && t.TokenType == xttLPar) ||
                                   ((prev == xttConstLogicalTrue || prev == xttConstLogicalFalse) &&
                                    t.TokenType == xttLPar);  // TRUE() and FALSE() are calls
        if (EndsOperand(prev) && StartsOperand(t.TokenType) && !sameReference) {
            if (FReports++ < cMaxReports) {
                const std::size_t first = t.Pos.P1 > FLeading ? t.Pos.P1 - FLeading - 1 : 0;
                const std::size_t last = std::max<std::size_t>(first, t.Pos.P2 > FLeading ? t.Pos.P2 - FLeading - 1 : 0);
                const std::string text =
                    first < FText.size() ? Utf16ToUtf8(FText.substr(first, std::min<std::size_t>(last - first + 1, 40)))
                                         : std::string();
                FErrors.Error("a missing operator before \"" + VYXPrintable(text, 40) + "\" at position " +
                                  std::to_string(t.Pos.P1),
                              4006);
            }
            return;
        }
        prev = t.TokenType;
    }
}
