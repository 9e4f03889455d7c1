// VYXFuncAddInMath.cpp: the mathematical and engineering add-in functions.
//
// Radix conversions (DEC2BIN and relatives) use ten digits at most; negative
// numbers are written as ten-digit two's complement, and ten-digit inputs with
// the top digit's high bit set read as negative, as spreadsheets do. BASE and
// DECIMAL accept radixes 2 to 36 and whole numbers up to 2^53.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <optional>
#include <string>

#include "formula/VYXCellStore.h"
#include "formula/VYXFuncAddIns.h"
#include "formula/VYXFuncCommon.h"
#include "formula/VYXUnitConvert.h"
#include "platform/VYXUnicode.h"

namespace {

constexpr double cMaxWhole = 9007199254740992.0;  // 2^53: every whole number below is exact

// Optional trailing arguments: reads the argument if the call has it and it
// is not left empty, else keeps `value`.
bool PopOptionalFloat(TXLSFuncCall& call, int index, double& value)
{
    const TXLSFormulaValue* arg = XLSPopOptional(call, index);
    return !arg || call.Stack.HandleError(call.Stack.GetAsFloat(*arg, value));
}

// The whole numbers of all arguments for GCD and LCM; false after pushing the error.
bool WholeArguments(TXLSFuncCall& call, std::vector<double>& values)
{
    const auto args = XLSPopArgs(call);
    if (!call.Stack.HandleError(XLSCollectValues(call.Stack, args, xcmNumbers, values)))
        return false;
    for (double& v : values) {
        v = std::trunc(v);
        if (v < 0 || v >= cMaxWhole)
            return call.Stack.HandleError(errNum);
    }
    return true;
}

double Gcd(double a, double b)
{
    while (b != 0) {
        const double t = std::fmod(a, b);
        a = b;
        b = t;
    }
    return a;
}

// How many numbers ten digits of a radix write: 2^10, 8^10 = 2^30, 16^10 = 2^40.
constexpr double TenDigitSpan(int radix)
{
    return radix == 2 ? 1024.0 : radix == 8 ? 1073741824.0 : 1099511627776.0;
}

int DigitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'Z')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'z')
        return c - u'a' + 10;
    return 99;
}

std::u16string ToRadix(double value, int radix)
{
    std::u16string digits;
    do {
        const int d = static_cast<int>(std::fmod(value, radix));
        digits.insert(digits.begin(), static_cast<char16_t>(d < 10 ? u'0' + d : u'A' + d - 10));
        value = std::floor(value / radix);
    } while (value > 0);
    return digits;
}

// Parses up to `maxDigits` digits of `radix`; nullopt for anything else.
std::optional<double> FromRadix(std::u16string_view text, int radix, std::size_t maxDigits)
{
    if (text.size() > maxDigits)
        return std::nullopt;
    double value = 0;
    for (const char16_t c : text) {
        const int d = DigitValue(c);
        if (d >= radix)
            return std::nullopt;
        value = value * radix + d;
    }
    return value;
}

}  // namespace

void XLSDoGcd(TXLSFuncCall& call)
{
    std::vector<double> values;
    if (!WholeArguments(call, values))
        return;
    double g = 0;
    for (const double v : values)
        g = Gcd(g, v);
    call.Stack.PushFloat(g);
}

void XLSDoLcm(TXLSFuncCall& call)
{
    std::vector<double> values;
    if (!WholeArguments(call, values))
        return;
    double l = values.empty() ? 0 : 1;
    for (const double v : values) {
        if (v == 0) {
            l = 0;
            break;
        }
        l = l / Gcd(l, v) * v;
        if (l >= cMaxWhole)
            return call.Stack.SetError(errNum);
    }
    call.Stack.PushFloat(l);
}

void XLSDoMRound(TXLSFuncCall& call)
{
    double value = 0, multiple = 0;
    if (call.Stack.PopResFloat(multiple) && call.Stack.PopResFloat(value))
        XLSPushNumResult(call.Stack, VYXMRound(value, multiple));
}

void XLSDoSqrtPi(TXLSFuncCall& call)
{
    double x = 0;
    if (!call.Stack.PopResFloat(x))
        return;
    if (x < 0)
        return call.Stack.SetError(errNum);
    XLSPushChecked(call.Stack, std::sqrt(x * std::numbers::pi));
}

namespace {
template <bool Even>
void DoParity(TXLSFuncCall& call)
{
    // Text that is not a number is #VALUE!, even inside a cell.
    TXLSFormulaValue v;
    call.Stack.PopResValue(v);
    double x = 0;
    if (v.ValType == xfvtBoolean)
        return call.Stack.SetError(errValue);
    if (!call.Stack.HandleError(call.Stack.GetAsFloat(v, x)))
        return;
    const bool even = std::fmod(std::trunc(x), 2) == 0;
    call.Stack.PushBoolean(even == Even);
}
}  // namespace

void XLSDoIsEven(TXLSFuncCall& call) { DoParity<true>(call); }
void XLSDoIsOdd(TXLSFuncCall& call) { DoParity<false>(call); }

void XLSDoErf(TXLSFuncCall& call)
{
    double lower = 0, upper = 0;
    if (call.ArgCount > 1 && !call.Stack.PopResFloat(upper))
        return;
    if (!call.Stack.PopResFloat(lower))
        return;
    XLSPushChecked(call.Stack, call.ArgCount > 1 ? std::erf(upper) - std::erf(lower) : std::erf(lower));
}

namespace {
// CEILING.MATH and FLOOR.MATH: significance by magnitude (default 1); for
// negative numbers a mode other than 0 rounds away from zero (CEILING) or
// toward zero (FLOOR) instead of toward +/- infinity.
template <bool Ceiling>
void DoRoundMath(TXLSFuncCall& call)
{
    double value = 0, significance = 1, mode = 0;
    if (!PopOptionalFloat(call, 2, mode) || !PopOptionalFloat(call, 1, significance) ||
        !call.Stack.PopResFloat(value))
        return;
    if (call.ArgCount > 1 && significance == 0)
        return call.Stack.PushFloat(0);
    significance = std::fabs(significance);
    double r = 0;
    if (value < 0 && mode != 0)
        r = Ceiling ? -VYXCeilingPrecise(-value, significance) : -VYXFloorPrecise(-value, significance);
    else
        r = Ceiling ? VYXCeilingPrecise(value, significance) : VYXFloorPrecise(value, significance);
    XLSPushChecked(call.Stack, r == 0 ? 0 : r);
}
}  // namespace

void XLSDoCeilingMath(TXLSFuncCall& call) { DoRoundMath<true>(call); }
void XLSDoFloorMath(TXLSFuncCall& call) { DoRoundMath<false>(call); }

void XLSDoArabic(TXLSFuncCall& call)
{
    std::u16string text;
    if (!call.Stack.PopResStr(text))
        return;
    std::u16string_view t = text;
    while (!t.empty() && t.front() == u' ')
        t.remove_prefix(1);
    while (!t.empty() && t.back() == u' ')
        t.remove_suffix(1);
    const bool negative = !t.empty() && t.front() == u'-';
    if (negative)
        t.remove_prefix(1);
    if (t.size() > 255)
        return call.Stack.SetError(errValue);
    auto value = [](char16_t c) {
        switch (c & ~0x20) {
        case u'I': return 1;
        case u'V': return 5;
        case u'X': return 10;
        case u'L': return 50;
        case u'C': return 100;
        case u'D': return 500;
        case u'M': return 1000;
        default: return 0;
        }
    };
    double total = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int v = value(t[i]);
        if (v == 0)
            return call.Stack.SetError(errValue);
        const int next = i + 1 < t.size() ? value(t[i + 1]) : 0;
        total += next > v ? -v : v;
    }
    call.Stack.PushFloat(negative ? -total : total);
}

void XLSDoBase(TXLSFuncCall& call)
{
    double number = 0, radix = 0, minLength = 0;
    if (!PopOptionalFloat(call, 2, minLength) || !call.Stack.PopResFloat(radix) || !call.Stack.PopResFloat(number))
        return;
    number = std::trunc(number);
    radix = std::trunc(radix);
    minLength = std::trunc(minLength);
    if (number < 0 || number >= cMaxWhole || radix < 2 || radix > 36 || minLength < 0 || minLength > 255)
        return call.Stack.SetError(errNum);
    std::u16string digits = ToRadix(number, static_cast<int>(radix));
    if (digits.size() < static_cast<std::size_t>(minLength))
        digits.insert(0, static_cast<std::size_t>(minLength) - digits.size(), u'0');
    call.Stack.PushString(digits);
}

void XLSDoDecimal(TXLSFuncCall& call)
{
    double radix = 0;
    std::u16string text;
    if (!call.Stack.PopResFloat(radix) || !call.Stack.PopResStr(text))
        return;
    radix = std::trunc(radix);
    if (radix < 2 || radix > 36)
        return call.Stack.SetError(errNum);
    const auto value = FromRadix(text, static_cast<int>(radix), 255);
    if (!value || *value >= cMaxWhole)
        return call.Stack.SetError(errNum);
    call.Stack.PushFloat(*value);
}

template <int From, int To>
void XLSDoRadix(TXLSFuncCall& call)
{
    // Results must fit ten digits of the target radix, half of that range negative.
    constexpr double cSpan = TenDigitSpan(To == 10 ? From : To);
    double places = 0;
    if (call.ArgCount > 1 && !call.Stack.PopResFloat(places))
        return;
    double value = 0;
    if constexpr (From == 10) {
        if (!call.Stack.PopResFloat(value))
            return;
        value = std::trunc(value);
    } else {
        TXLSFormulaValue arg;
        call.Stack.PopResValue(arg);
        if (arg.ValType == xfvtBoolean)
            return call.Stack.SetError(errValue);
        std::u16string text;
        if (!call.Stack.HandleError(call.Stack.GetAsString(arg, text)))
            return;
        constexpr double cFromSpan = TenDigitSpan(From);
        const auto parsed = FromRadix(text, From, 10);
        if (!parsed)
            return call.Stack.SetError(errNum);
        value = *parsed >= cFromSpan / 2 ? *parsed - cFromSpan : *parsed;
    }
    if (value < -cSpan / 2 || value >= cSpan / 2)
        return call.Stack.SetError(errNum);
    if constexpr (To == 10) {
        call.Stack.PushFloat(value);
    } else {
        if (value < 0)
            return call.Stack.PushString(ToRadix(value + cSpan, To));  // places do not apply
        std::u16string digits = ToRadix(value, To);
        if (call.ArgCount > 1) {
            places = std::trunc(places);
            if (places < 1 || places > 10 || digits.size() > static_cast<std::size_t>(places))
                return call.Stack.SetError(errNum);
            digits.insert(0, static_cast<std::size_t>(places) - digits.size(), u'0');
        }
        call.Stack.PushString(digits);
    }
}

template void XLSDoRadix<2, 8>(TXLSFuncCall&);
template void XLSDoRadix<2, 10>(TXLSFuncCall&);
template void XLSDoRadix<2, 16>(TXLSFuncCall&);
template void XLSDoRadix<8, 2>(TXLSFuncCall&);
template void XLSDoRadix<8, 10>(TXLSFuncCall&);
template void XLSDoRadix<8, 16>(TXLSFuncCall&);
template void XLSDoRadix<10, 2>(TXLSFuncCall&);
template void XLSDoRadix<10, 8>(TXLSFuncCall&);
template void XLSDoRadix<10, 16>(TXLSFuncCall&);
template void XLSDoRadix<16, 2>(TXLSFuncCall&);
template void XLSDoRadix<16, 8>(TXLSFuncCall&);
template void XLSDoRadix<16, 10>(TXLSFuncCall&);

void XLSDoSequence(TXLSFuncCall& call)
{
    double rows = 0, cols = 1, start = 1, step = 1;
    if (!PopOptionalFloat(call, 3, step) || !PopOptionalFloat(call, 2, start) || !PopOptionalFloat(call, 1, cols) ||
        !call.Stack.PopResFloat(rows))
        return;
    rows = std::trunc(rows);
    cols = std::trunc(cols);
    if (rows < 1 || cols < 1 || rows * cols > double(cXLSMaxArrayCells))
        return call.Stack.SetError(errValue);
    auto cells = std::make_shared<TXLSGridCellStore>();
    const auto r = static_cast<std::int32_t>(rows), c = static_cast<std::int32_t>(cols);
    for (std::int32_t i = 0; i < r; ++i)
        for (std::int32_t j = 0; j < c; ++j)
            cells->SetFloat(j, i, start + step * (double(i) * c + j));
    TXLSFormulaValue array;
    array.SetArray(std::move(cells), c, r);
    call.Stack.PushValue(array);
}

void XLSDoConvert(TXLSFuncCall& call)
{
    std::u16string from, to;
    double value = 0;
    if (!call.Stack.PopResStr(to) || !call.Stack.PopResStr(from) || !call.Stack.PopResFloat(value))
        return;
    const TVYXNumResult r = VYXConvertUnit(value, Utf16ToUtf8(from), Utf16ToUtf8(to));
    if (r.IsOk())
        XLSPushChecked(call.Stack, r.Value);
    else
        call.Stack.SetError(XLSNumErrorToCell(r.Error));
}

template <int Kind>
void XLSDoBessel(TXLSFuncCall& call)
{
    double x = 0, n = 0;
    if (!call.Stack.PopResFloat(n) || !call.Stack.PopResFloat(x))
        return;
    n = std::trunc(n);
    if (n < 0 || n > 1000 || std::fabs(x) > 1e8)
        return call.Stack.SetError(errNum);
    // J and I of a negative x follow from their symmetry; K and Y need x > 0.
    const double sign = x < 0 && std::fmod(n, 2) != 0 ? -1 : 1;
    double r = 0;
    switch (Kind) {
    case 0: r = sign * std::cyl_bessel_j(n, std::fabs(x)); break;
    case 1: r = sign * std::cyl_bessel_i(n, std::fabs(x)); break;
    case 2:
        if (x <= 0)
            return call.Stack.SetError(errNum);
        r = std::cyl_bessel_k(n, x);
        break;
    default:
        if (x <= 0)
            return call.Stack.SetError(errNum);
        r = std::cyl_neumann(n, x);
        break;
    }
    XLSPushChecked(call.Stack, r);
}
template void XLSDoBessel<0>(TXLSFuncCall&);
template void XLSDoBessel<1>(TXLSFuncCall&);
template void XLSDoBessel<2>(TXLSFuncCall&);
template void XLSDoBessel<3>(TXLSFuncCall&);
