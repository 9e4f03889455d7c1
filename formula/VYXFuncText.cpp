// VYXFuncText.cpp: handlers of the text functions (on UTF-16 code units) and of number-to-text conversion.
//
// Positions and lengths count UTF-16 code units, so the B forms behave like
// the plain ones. CHAR and CODE use the Windows-1252 code page, the one of the
// platform these formulas come from; CODE of a character outside it gives 63
// ("?"). Invalid counts and positions give #VALUE!; an empty search text is
// found at the start position.
#include <algorithm>
#include <array>
#include <cmath>

#include "formula/VYXFuncCommon.h"
#include "formula/VYXMask.h"
#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"

namespace {

constexpr std::size_t cMaxTextLength = 32767;

// Windows-1252 characters 0x80..0x9F; the other bytes map to the same code point.
constexpr std::array<char16_t, 32> cCp1252High = {
    0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178,
};

char16_t CharFromCode(int code)
{
    return code >= 0x80 && code < 0xA0 ? cCp1252High[static_cast<std::size_t>(code - 0x80)]
                                        : static_cast<char16_t>(code);
}

int CodeFromChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < cCp1252High.size(); ++i)
        if (cCp1252High[i] == c)
            return static_cast<int>(0x80 + i);
    return '?';
}

// Reads an optional count argument that must not be negative.
bool PopCount(TXLSFuncCall& call, int index, double& count)
{
    if (call.ArgCount <= index)
        return true;
    if (!call.Stack.PopResFloat(count))
        return false;
    count = std::trunc(count);
    return count >= 0 || call.Stack.HandleError(errValue);
}

std::size_t Clamp(double count, std::size_t size)
{
    return count >= static_cast<double>(size) ? size : static_cast<std::size_t>(count);
}

template <bool Right>
void DoLeftRight(TXLSFuncCall& call)
{
    double n = 1;
    std::u16string s;
    if (!PopCount(call, 1, n) || !call.Stack.PopResStr(s))
        return;
    const std::size_t len = Clamp(n, s.size());
    call.Stack.PushString(Right ? s.substr(s.size() - len) : s.substr(0, len));
}

void DoMid(TXLSFuncCall& call)
{
    double start = 0, n = 0;
    std::u16string s;
    if (!PopCount(call, 2, n) || !call.Stack.PopResFloat(start) || !call.Stack.PopResStr(s))
        return;
    start = std::trunc(start);
    if (start < 1) {
        call.Stack.SetError(errValue);
        return;
    }
    const std::size_t from = Clamp(start - 1, s.size());
    call.Stack.PushString(s.substr(from, Clamp(n, s.size() - from)));
}

void DoLen(TXLSFuncCall& call)
{
    std::u16string s;
    if (call.Stack.PopResStr(s))
        call.Stack.PushFloat(static_cast<double>(s.size()));
}

void DoRept(TXLSFuncCall& call)
{
    double n = 0;
    std::u16string s;
    if (!PopCount(call, 1, n) || !call.Stack.PopResStr(s))
        return;
    if (!s.empty() && n * static_cast<double>(s.size()) > cMaxTextLength) {
        call.Stack.SetError(errValue);
        return;
    }
    std::u16string out;
    for (int i = 0; i < static_cast<int>(n) && !s.empty(); ++i)
        out += s;
    call.Stack.PushString(out);
}

using TTextFn = std::u16string (*)(std::u16string_view);

template <TTextFn F>
void DoTextMap(TXLSFuncCall& call)
{
    std::u16string s;
    if (call.Stack.PopResStr(s))
        call.Stack.PushString(F(s));
}

std::u16string Lower(std::u16string_view s) { return UnicodeLower(s); }
std::u16string Upper(std::u16string_view s) { return UnicodeUpper(s); }

bool IsLetter(char16_t c) { return UnicodeLower(c) != UnicodeUpper(c); }

// Upper case after anything that is not a letter, lower case after a letter.
std::u16string Proper(std::u16string_view s)
{
    std::u16string out(s);
    bool afterLetter = false;
    for (char16_t& c : out) {
        const bool letter = IsLetter(c);
        if (letter)
            c = afterLetter ? UnicodeLower(c) : UnicodeUpper(c);
        afterLetter = letter;
    }
    return out;
}

// Blanks (U+0020 only) cut at both ends, inner runs reduced to one.
std::u16string Trim(std::u16string_view s)
{
    std::u16string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == u' ' && (out.empty() || out.back() == u' '))
            continue;
        out += s[i];
    }
    if (!out.empty() && out.back() == u' ')
        out.pop_back();
    return out;
}

std::u16string Clean(std::u16string_view s)
{
    std::u16string out;
    for (char16_t c : s)
        if (c >= 32)
            out += c;
    return out;
}

void DoExact(TXLSFuncCall& call)
{
    std::u16string a, b;
    if (call.Stack.PopResStr(b) && call.Stack.PopResStr(a))
        call.Stack.PushBoolean(a == b);
}

void DoCode(TXLSFuncCall& call)
{
    std::u16string s;
    if (!call.Stack.PopResStr(s))
        return;
    if (s.empty())
        call.Stack.SetError(errValue);
    else
        call.Stack.PushInt(CodeFromChar(s[0]));
}

void DoChar(TXLSFuncCall& call)
{
    double code = 0;
    if (!call.Stack.PopResFloat(code))
        return;
    code = std::trunc(code);
    if (code < 1 || code > 255)
        call.Stack.SetError(errValue);
    else
        call.Stack.PushString(std::u16string(1, CharFromCode(static_cast<int>(code))));
}

// T: text stays, everything else (but errors) becomes empty text.
void DoT(TXLSFuncCall& call)
{
    TXLSFormulaValue v;
    call.Stack.PopResValue(v);
    if (v.ValType == xfvtError)
        call.Stack.SetError(v.vErr);
    else
        call.Stack.PushString(v.ValType == xfvtString ? v.vStr : u"");
}

// N: numbers stay, booleans become 1/0, text and empty 0.
void DoN(TXLSFuncCall& call)
{
    TXLSFormulaValue v;
    call.Stack.PopResValue(v);
    switch (v.ValType) {
    case xfvtFloat: call.Stack.PushFloat(v.vFloat); break;
    case xfvtBoolean: call.Stack.PushFloat(v.vBool ? 1 : 0); break;
    case xfvtError: call.Stack.SetError(v.vErr); break;
    default: call.Stack.PushFloat(0); break;
    }
}

// A number as people type it: blanks around, the locale's thousands separators,
// a currency symbol before it, a percent sign after it, or a date or time.
bool TextToNumber(const TValueStack& stack, std::u16string_view text, double& out)
{
    const TVYXLocaleSettings& locale = VYXCurrentLocale();
    std::u16string s = Trim(text);
    double scale = 1;
    if (!s.empty() && s.back() == u'%') {
        scale = 0.01;
        s.pop_back();
    }
    bool negative = false;
    if (!s.empty() && s[0] == u'-') {
        negative = true;
        s.erase(0, 1);
    }
    if (!locale.CurrencyString.empty() && s.starts_with(locale.CurrencyString))
        s.erase(0, locale.CurrencyString.size());
    std::u16string plain;
    for (char16_t c : s)
        if (c != locale.ThousandSeparator)
            plain += c;
    if (const auto v = VYXStrToFloat(plain, locale); v && !plain.empty()) {
        out = (negative ? -*v : *v) * scale;
        return true;
    }
    TXLSFormulaValue v;
    v.SetString(text);
    return scale == 1 && !negative && stack.GetAsFloat(v, out) == errUnknown;
}

void DoValue(TXLSFuncCall& call)
{
    TXLSFormulaValue v;
    call.Stack.PopResValue(v);
    double d = 0;
    if (v.ValType == xfvtError)
        call.Stack.SetError(v.vErr);
    else if (v.ValType == xfvtFloat || v.ValType == xfvtUnknown)
        call.Stack.PushFloat(v.vFloat);
    else if (v.ValType == xfvtString && TextToNumber(call.Stack, v.vStr, d))
        call.Stack.PushFloat(d);
    else
        call.Stack.SetError(errValue);
}

void DoConcatenate(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    std::u16string out, s;
    // Read last to first so the error reported is the one the other handlers would report.
    std::vector<std::u16string> parts(args.size());
    for (std::size_t i = args.size(); i-- > 0;)
        if (!call.Stack.HandleError(call.Stack.GetAsString(*args[i], parts[i])))
            return;
    for (const auto& p : parts)
        out += p;
    if (out.size() > cMaxTextLength)
        call.Stack.SetError(errValue);
    else
        call.Stack.PushString(out);
}

void DoReplace(TXLSFuncCall& call)
{
    std::u16string s, with;
    double start = 0, n = 0;
    if (!call.Stack.PopResStr(with) || !PopCount(call, 2, n) || !call.Stack.PopResFloat(start) ||
        !call.Stack.PopResStr(s))
        return;
    start = std::trunc(start);
    if (start < 1) {
        call.Stack.SetError(errValue);
        return;
    }
    const std::size_t from = Clamp(start - 1, s.size());
    s.replace(from, Clamp(n, s.size() - from), with);
    call.Stack.PushString(s);
}

void DoSubstitute(TXLSFuncCall& call)
{
    std::u16string s, from, to;
    double instance = 0;
    if (call.ArgCount > 3) {
        if (!call.Stack.PopResFloat(instance))
            return;
        instance = std::trunc(instance);
        if (instance < 1) {
            call.Stack.SetError(errValue);
            return;
        }
    }
    if (!call.Stack.PopResStr(to) || !call.Stack.PopResStr(from) || !call.Stack.PopResStr(s))
        return;
    if (from.empty()) {
        call.Stack.PushString(s);
        return;
    }
    std::u16string out;
    std::size_t pos = 0;
    double seen = 0;
    // The result is checked as it grows: replacing each of 32767 characters
    // with 32767 others must not build a gigabyte before saying #VALUE!.
    for (std::size_t at; (at = s.find(from, pos)) != std::u16string::npos; pos = at + from.size()) {
        out.append(s, pos, at - pos);
        ++seen;
        out += instance == 0 || seen == instance ? to : from;
        if (out.size() > cMaxTextLength) {
            call.Stack.SetError(errValue);
            return;
        }
    }
    out.append(s, pos);
    if (out.size() > cMaxTextLength)
        call.Stack.SetError(errValue);
    else
        call.Stack.PushString(out);
}

template <bool CaseSensitive>
void DoFind(TXLSFuncCall& call)
{
    double start = 1;
    std::u16string what, within;
    if (call.ArgCount > 2 && !call.Stack.PopResFloat(start))
        return;
    if (!call.Stack.PopResStr(within) || !call.Stack.PopResStr(what))
        return;
    start = std::trunc(start);
    if (start < 1 || start > static_cast<double>(within.size()) + (what.empty() ? 1 : 0)) {
        call.Stack.SetError(errValue);
        return;
    }
    if (!CaseSensitive) {
        what = UnicodeLower(what);
        within = UnicodeLower(within);
    }
    const std::size_t at = within.find(what, static_cast<std::size_t>(start) - 1);
    if (at == std::u16string::npos)
        call.Stack.SetError(errValue);
    else
        call.Stack.PushFloat(static_cast<double>(at + 1));
}

// The value rounded half away from zero to `decimals` places (negative: tens, hundreds).
double RoundForText(double value, double decimals)
{
    return VYXRoundDigits(value, static_cast<int>(decimals), vrmHalfAway);
}

void DoFixed(TXLSFuncCall& call)
{
    double value = 0, decimals = 2;
    bool noCommas = false;
    if (call.ArgCount > 2 && !call.Stack.PopResBoolean(noCommas))
        return;
    if (call.ArgCount > 1 && !call.Stack.PopResFloat(decimals))
        return;
    if (!call.Stack.PopResFloat(value))
        return;
    decimals = std::trunc(decimals);
    if (decimals > 127 || decimals < -127) {
        call.Stack.SetError(errValue);
        return;
    }
    const double rounded = RoundForText(value, decimals);
    call.Stack.PushString(VYXFloatToStrF(rounded, std::max(0, static_cast<int>(decimals)), !noCommas));
}

// DOLLAR: the locale's currency mask with the given number of decimals.
void DoDollar(TXLSFuncCall& call)
{
    double value = 0, decimals = 2;
    if (call.ArgCount > 1 && !call.Stack.PopResFloat(decimals))
        return;
    if (!call.Stack.PopResFloat(value))
        return;
    decimals = std::trunc(decimals);
    if (decimals > 127 || decimals < -127) {
        call.Stack.SetError(errValue);
        return;
    }
    std::u16string mask = XLSGetCurrencyFormat();
    const std::u16string digits = decimals > 0 ? u"." + std::u16string(static_cast<std::size_t>(decimals), u'0') : u"";
    for (std::size_t at = 0; (at = mask.find(u"#,##0", at)) != std::u16string::npos;) {
        at += 5;
        std::size_t end = at;
        if (end < mask.size() && mask[end] == u'.')
            for (++end; end < mask.size() && mask[end] == u'0'; ++end) {
            }
        mask.replace(at, end - at, digits);
    }
    TExcelMask formatter(mask);
    call.Stack.PushString(formatter.FormatNumber(RoundForText(value, decimals)));
}

// ROMAN: the classic form, and with form 1..4 ever more concise subtractive pairs.
struct TRomanStep {
    int Value;
    const char16_t* Text;
    int Form;  // the least form that uses the pair
};

constexpr TRomanStep cRomanSteps[] = {
    {1000, u"M", 0}, {999, u"IM", 4}, {995, u"VM", 3}, {990, u"XM", 2}, {950, u"LM", 1}, {900, u"CM", 0},
    {500, u"D", 0},  {499, u"ID", 4}, {495, u"VD", 3}, {490, u"XD", 2}, {450, u"LD", 1}, {400, u"CD", 0},
    {100, u"C", 0},  {99, u"IC", 2},  {95, u"VC", 1},  {90, u"XC", 0},  {50, u"L", 0},   {49, u"IL", 2},
    {45, u"VL", 1},  {40, u"XL", 0},  {10, u"X", 0},   {9, u"IX", 0},   {5, u"V", 0},    {4, u"IV", 0},
    {1, u"I", 0},
};

void DoRoman(TXLSFuncCall& call)
{
    double value = 0, form = 0;
    if (call.ArgCount > 1) {
        TXLSFormulaValue v;
        call.Stack.PopResValue(v);
        if (v.ValType == xfvtBoolean)
            form = v.vBool ? 0 : 4;
        else if (!call.Stack.HandleError(call.Stack.GetAsFloat(v, form)))
            return;
    }
    if (!call.Stack.PopResFloat(value))
        return;
    value = std::trunc(value);
    form = std::trunc(form);
    if (value < 0 || value > 3999 || form < 0 || form > 4) {
        call.Stack.SetError(errValue);
        return;
    }
    std::u16string out;
    int n = static_cast<int>(value);
    for (const TRomanStep& step : cRomanSteps)
        while (step.Form <= form && n >= step.Value) {
            out += step.Text;
            n -= step.Value;
        }
    call.Stack.PushString(out);
}

// PHONETIC: without phonetic guides, the text of the cell.
void DoPhonetic(TXLSFuncCall& call)
{
    std::u16string s;
    if (call.Stack.PopResStr(s))
        call.Stack.PushString(s);
}

const TXLSFuncEntry cTextFunctions[] = {
    {"CHAR", DoChar},
    {"CLEAN", DoTextMap<Clean>},
    {"CODE", DoCode},
    {"CONCATENATE", DoConcatenate},
    {"DOLLAR", DoDollar},
    {"EXACT", DoExact},
    {"FIND", DoFind<true>},
    {"FINDB", DoFind<true>},
    {"FIXED", DoFixed},
    {"LEFT", DoLeftRight<false>},
    {"LEFTB", DoLeftRight<false>},
    {"LEN", DoLen},
    {"LENB", DoLen},
    {"LOWER", DoTextMap<Lower>},
    {"MID", DoMid},
    {"MIDB", DoMid},
    {"N", DoN},
    {"PHONETIC", DoPhonetic},
    {"PROPER", DoTextMap<Proper>},
    {"REPLACE", DoReplace},
    {"REPLACEB", DoReplace},
    {"REPT", DoRept},
    {"RIGHT", DoLeftRight<true>},
    {"RIGHTB", DoLeftRight<true>},
    {"ROMAN", DoRoman},
    {"SEARCH", DoFind<false>},
    {"SEARCHB", DoFind<false>},
    {"SUBSTITUTE", DoSubstitute},
    {"T", DoT},
    {"TRIM", DoTextMap<Trim>},
    {"UPPER", DoTextMap<Upper>},
    {"VALUE", DoValue},
};

}  // namespace

void XLSRegisterTextFunctions(TXLSFunctionLibrary& library) { XLSRegisterTable(library, cTextFunctions); }
