// VYXLocale.cpp: locale settings and number texts.
#include "platform/VYXLocale.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {
std::unique_ptr<TVYXLocaleSettings>& CurrentHolder()
{
    static std::unique_ptr<TVYXLocaleSettings> current;
    return current;
}

std::u16string Ascii16(std::string_view s)
{
    return std::u16string(s.begin(), s.end());
}
}  // namespace

const TVYXLocaleSettings& TVYXLocaleSettings::EnUS()
{
    static const TVYXLocaleSettings settings;
    return settings;
}

const TVYXLocaleSettings& VYXCurrentLocale()
{
    const auto& current = CurrentHolder();
    return current ? *current : TVYXLocaleSettings::EnUS();
}

void VYXSetCurrentLocale(const TVYXLocaleSettings& settings)
{
    CurrentHolder() = std::make_unique<TVYXLocaleSettings>(settings);
}

std::u16string VYXFloatToStr(double value, const TVYXLocaleSettings& locale)
{
    if (std::isnan(value))
        return u"NAN";
    if (std::isinf(value))
        return value > 0 ? u"INF" : u"-INF";
    if (value == 0)
        return u"0";
    // Round to 15 significant digits first, then decide on the notation from
    // the rounded exponent (9.999999999999999e14 rounds up to 1e15).
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    std::string mant(buf);
    const auto epos = mant.find('e');
    const int exponent = std::atoi(mant.c_str() + epos + 1);
    std::string digits;
    for (std::size_t i = 0; i < epos; ++i)
        if (mant[i] >= '0' && mant[i] <= '9')
            digits.push_back(mant[i]);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const bool negative = value < 0;
    std::string out = negative ? "-" : "";
    const std::string dec(1, '.');
    if (exponent >= 15 || std::fabs(value) < 1e-5) {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += dec + digits.substr(1);
        out += exponent < 0 ? "E-" : "E+";
        out += std::to_string(std::abs(exponent));
    } else if (exponent < 0) {
        out += "0" + dec + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto whole = static_cast<std::size_t>(exponent + 1);
        if (digits.size() <= whole)
            out += digits + std::string(whole - digits.size(), '0');
        else
            out += digits.substr(0, whole) + dec + digits.substr(whole);
    }
    std::u16string result = Ascii16(out);
    for (auto& c : result)
        if (c == u'.')
            c = locale.DecimalSeparator;
    return result;
}

std::u16string VYXFloatToStrF(double value, int decimals, bool thousands, const TVYXLocaleSettings& locale)
{
    if (!std::isfinite(value))
        return VYXFloatToStr(value, locale);
    if (decimals < 0)
        decimals = 0;
    if (decimals > 30)
        decimals = 30;
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    std::string s(buf);
    if (s == "-0" || (s.rfind("-0.", 0) == 0 && s.find_first_not_of("-0.") == std::string::npos))
        s.erase(0, 1);  // no negative zero in display texts
    const bool negative = !s.empty() && s[0] == '-';
    if (negative)
        s.erase(0, 1);
    const auto point = s.find('.');
    std::string intPart = s.substr(0, point);
    const std::string fracPart = point == std::string::npos ? "" : s.substr(point + 1);
    std::u16string out = negative ? u"-" : u"";
    for (std::size_t i = 0; i < intPart.size(); ++i) {
        out.push_back(static_cast<char16_t>(intPart[i]));
        const std::size_t left = intPart.size() - i - 1;
        if (thousands && left > 0 && left % 3 == 0 && locale.ThousandSeparator)
            out.push_back(locale.ThousandSeparator);
    }
    if (!fracPart.empty()) {
        out.push_back(locale.DecimalSeparator);
        out += Ascii16(fracPart);
    }
    return out;
}

std::optional<double> VYXStrToFloat(std::u16string_view text, const TVYXLocaleSettings& locale)
{
    std::size_t i = 0, n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    while (n > i && (text[n - 1] == u' ' || text[n - 1] == u'\t'))
        --n;
    std::string ascii;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ascii.push_back(static_cast<char>(text[i++]));
    bool anyDigit = false, seenPoint = false;
    for (; i < n; ++i) {
        const char16_t c = text[i];
        if (c >= u'0' && c <= u'9') {
            ascii.push_back(static_cast<char>(c));
            anyDigit = true;
        } else if (c == locale.DecimalSeparator && !seenPoint) {
            ascii.push_back('.');
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ascii.push_back('e');
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            ascii.push_back(static_cast<char>(text[i++]));
        bool expDigit = false;
        for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
            ascii.push_back(static_cast<char>(text[i]));
            expDigit = true;
        }
        if (!expDigit)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    double value = 0;
    const char* first = ascii.data();
    if (*first == '+')
        ++first;
    const auto r = std::from_chars(first, ascii.data() + ascii.size(), value);
    if (r.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}
