// VYXMathUtils.cpp: decimal rounding on the 15-digit form of a double.
#include "formula/VYXMathUtils.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
constexpr int cSignificant = 15;

// The 15 significant digits of |value| and the power of ten of the first one:
// |value| ~= 0.d1d2...d15 * 10^(pointPos).
struct TDecimal {
    std::string Digits;  // exactly cSignificant characters '0'..'9'
    int PointPos = 0;    // digits before the decimal point (may be <= 0)
};

TDecimal ToDecimal(double magnitude)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*e", cSignificant - 1, magnitude);
    TDecimal d;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.Digits.push_back(*p);
    d.PointPos = std::atoi(p + 1) + 1;
    return d;
}

double FromDigits(const std::string& digits, int exponent, bool negative)
{
    std::string text = negative ? "-" : "";
    text += digits.empty() ? std::string("0") : digits;
    text.push_back('e');
    text += std::to_string(exponent);
    return std::strtod(text.c_str(), nullptr);
}

bool AnyNonZero(const std::string& s, std::size_t from)
{
    return s.find_first_not_of('0', from) != std::string::npos;
}

// Whether cutting `digits` after `keep` characters must add one unit in the
// last kept place.
bool NeedsIncrement(const std::string& digits, int keep, TVYXRoundMode mode)
{
    const auto k = static_cast<std::size_t>(keep);
    switch (mode) {
    case vrmDown:
        return false;
    case vrmUp:
        return AnyNonZero(digits, k);
    case vrmHalfAway:
        return digits[k] >= '5';
    case vrmHalfEven:
        if (digits[k] != '5')
            return digits[k] > '5';
        if (AnyNonZero(digits, k + 1))
            return true;
        return keep > 0 && (digits[k - 1] - '0') % 2 == 1;
    }
    return false;
}
}  // namespace

double VYXRound15(double value)
{
    if (!std::isfinite(value) || value == 0)
        return value;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*e", cSignificant - 1, value);
    return std::strtod(buf, nullptr);
}

double VYXRoundDigits(double value, int digits, TVYXRoundMode mode)
{
    if (!std::isfinite(value) || value == 0)
        return value;
    const bool negative = value < 0;
    const TDecimal d = ToDecimal(std::fabs(value));
    const int keep = d.PointPos + digits;  // significant digits that survive
    if (keep >= cSignificant)
        return VYXRound15(value);
    if (keep < 0) {
        // The value is below a tenth of the last kept unit: only "up" survives.
        return mode == vrmUp ? (negative ? -1 : 1) * std::pow(10.0, -digits) : 0.0;
    }
    std::string kept = d.Digits.substr(0, static_cast<std::size_t>(keep));
    if (NeedsIncrement(d.Digits, keep, mode)) {
        int i = keep - 1;
        for (; i >= 0 && kept[static_cast<std::size_t>(i)] == '9'; --i)
            kept[static_cast<std::size_t>(i)] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[static_cast<std::size_t>(i)];
    }
    const double result = FromDigits(kept, -digits, negative);
    return result == 0 ? 0.0 : result;  // no negative zero from rounding
}

TVYXNumResult VYXRound(double value, double digits)
{
    if (!(digits >= -20 && digits <= 20))
        return TVYXNumResult::Fail(vneValue);
    const int n = static_cast<int>(std::lround(digits));
    return TVYXNumResult::Ok(VYXRoundDigits(value, n, n == 0 ? vrmHalfAway : vrmHalfEven));
}

TVYXNumResult VYXRoundUp(double value, double digits)
{
    if (!(digits >= -308 && digits <= 308))
        return TVYXNumResult::Fail(vneNum);
    return TVYXNumResult::Ok(VYXRoundDigits(value, static_cast<int>(std::trunc(digits)), vrmUp));
}

TVYXNumResult VYXRoundDown(double value, double digits)
{
    if (!(digits >= -308 && digits <= 308))
        return TVYXNumResult::Fail(vneNum);
    return TVYXNumResult::Ok(VYXRoundDigits(value, static_cast<int>(std::trunc(digits)), vrmDown));
}

namespace {
// value / step as the 15-digit quotient, so 0.3 / 0.1 is exactly 3.
double Quotient(double value, double step)
{
    return VYXRound15(value / step);
}
}  // namespace

TVYXNumResult VYXMRound(double value, double multiple)
{
    if (multiple == 0)
        return TVYXNumResult::Ok(0);
    if ((value > 0 && multiple < 0) || (value < 0 && multiple > 0))
        return TVYXNumResult::Fail(vneNum);
    const double q = VYXRoundDigits(Quotient(value, multiple), 0, vrmHalfAway);
    return TVYXNumResult::Ok(VYXRound15(q * multiple));
}

TVYXNumResult VYXCeiling(double value, double significance)
{
    if (value == 0 || significance == 0)
        return TVYXNumResult::Ok(0);
    if (value > 0 && significance < 0)
        return TVYXNumResult::Fail(vneNum);
    const double q = Quotient(value, significance);
    // Same signs round away from zero; a negative value with a positive step
    // rounds toward zero: both are the ceiling of the quotient.
    return TVYXNumResult::Ok(VYXRound15(std::ceil(q) * significance) + 0.0);
}

TVYXNumResult VYXFloor(double value, double significance)
{
    if (value == 0)
        return TVYXNumResult::Ok(0);
    if (significance == 0)
        return TVYXNumResult::Fail(vneDiv0);
    if (value > 0 && significance < 0)
        return TVYXNumResult::Fail(vneNum);
    const double q = Quotient(value, significance);
    return TVYXNumResult::Ok(VYXRound15(std::floor(q) * significance) + 0.0);
}

double VYXCeilingPrecise(double value, double significance)
{
    if (significance == 0 || value == 0)
        return 0;
    const double step = std::fabs(significance);
    return VYXRound15(std::ceil(Quotient(value, step)) * step) + 0.0;
}

double VYXFloorPrecise(double value, double significance)
{
    if (significance == 0 || value == 0)
        return 0;
    const double step = std::fabs(significance);
    return VYXRound15(std::floor(Quotient(value, step)) * step) + 0.0;
}

double VYXEven(double value)
{
    const double m = std::ceil(VYXRound15(std::fabs(value)) / 2) * 2;
    return value < 0 ? -m : m;
}

double VYXOdd(double value)
{
    double m = std::ceil(VYXRound15(std::fabs(value)));
    if (std::fmod(m, 2) == 0)
        m += 1;
    return value < 0 ? -m : m;
}

std::string VYXFixedText(double value, int decimals)
{
    decimals = decimals < 0 ? 0 : decimals > 340 ? 340 : decimals;
    const double rounded = std::fabs(VYXRoundDigits(value, decimals, vrmHalfAway));
    std::string intPart, fracPart;
    if (rounded == 0 || !std::isfinite(rounded)) {
        intPart.push_back('0');
    } else {
        const TDecimal d = ToDecimal(rounded);
        const int len = static_cast<int>(d.Digits.size());
        for (int i = 0; i < d.PointPos; ++i)
            intPart.push_back(i < len ? d.Digits[static_cast<std::size_t>(i)] : '0');
        if (intPart.empty())
            intPart.push_back('0');
        for (int i = d.PointPos; i < d.PointPos + decimals; ++i)
            fracPart.push_back(i >= 0 && i < len ? d.Digits[static_cast<std::size_t>(i)] : '0');
    }
    if (decimals > 0) {
        intPart.push_back('.');
        intPart += fracPart;
    }
    return intPart;
}

std::string VYXSignificantDigits(double value, int count, int& exponent)
{
    count = count < 1 ? 1 : count > 30 ? 30 : count;
    exponent = 0;
    if (value == 0 || !std::isfinite(value))
        return std::string(static_cast<std::size_t>(count), '0');
    const TDecimal d = ToDecimal(std::fabs(value));
    exponent = d.PointPos - 1;
    std::string digits = d.Digits;
    if (count < cSignificant) {
        const bool up = digits[static_cast<std::size_t>(count)] >= '5';
        digits.resize(static_cast<std::size_t>(count));
        if (up) {
            int i = count - 1;
            for (; i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i)
                digits[static_cast<std::size_t>(i)] = '0';
            if (i < 0) {
                digits.insert(digits.begin(), '1');
                digits.pop_back();
                ++exponent;
            } else {
                ++digits[static_cast<std::size_t>(i)];
            }
        }
    }
    digits.resize(static_cast<std::size_t>(count), '0');
    return digits;
}
