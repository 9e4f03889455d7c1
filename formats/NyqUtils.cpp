// NyqUtils.cpp: value conversions, name hashes and CRC-32 of the XML layer.
#include "formats/NyqUtils.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace {

// Calls `f` for every UTF-16 code unit of UTF-8 text, decoding as the platform's
// converters do (malformed bytes count as U+FFFD) without building a string.
template <typename F>
void ForEachUtf16Unit(std::string_view s, F f)
{
    std::size_t i = 0;
    while (i < s.size()) {
        char32_t cp = DecodeUtf8At(s, i);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            f(0xD800u + static_cast<std::uint32_t>(cp >> 10));
            f(0xDC00u + static_cast<std::uint32_t>(cp & 0x3FFu));
        } else {
            f(static_cast<std::uint32_t>(cp));
        }
    }
}

constexpr std::array<std::uint32_t, 256> MakeCrcTable()
{
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[i] = c;
    }
    return t;
}
constexpr auto cCrcTable = MakeCrcTable();

[[noreturn]] void BadValue(std::string_view text)
{
    throw VYXException("Invalid XML value \"" + std::string(text) + "\"");
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r' || s.front() == '\n'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n'))
        s.remove_suffix(1);
    return s;
}

// Reads exactly `count` digits at `pos`.
bool Digits(std::string_view s, std::size_t& pos, int count, int& out)
{
    out = 0;
    for (int k = 0; k < count; ++k, ++pos) {
        if (pos >= s.size() || s[pos] < '0' || s[pos] > '9')
            return false;
        out = out * 10 + (s[pos] - '0');
    }
    return true;
}

// Days from 1899-12-30 to the date (proleptic Gregorian).
double DaysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long days1970 = static_cast<long>(era) * 146097 + doe - 719468;
    return static_cast<double>(days1970 + 25569);
}

bool ParseDate(std::string_view s, std::size_t& pos, double& out)
{
    int y = 0, m = 0, d = 0;
    if (!Digits(s, pos, 4, y) || pos >= s.size() || s[pos++] != '-' || !Digits(s, pos, 2, m) ||
        pos >= s.size() || s[pos++] != '-' || !Digits(s, pos, 2, d))
        return false;
    static constexpr int cDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12 || d < 1 || d > cDays[m - 1])
        return false;
    out = DaysFromCivil(y, m, d);
    return true;
}

// hh:mm[:ss[.fff]] followed by an optional zone (Z or +hh:mm), which is ignored:
// documents keep local wall-clock times.
bool ParseTime(std::string_view s, std::size_t& pos, double& out)
{
    int h = 0, mi = 0, sec = 0;
    if (!Digits(s, pos, 2, h) || pos >= s.size() || s[pos++] != ':' || !Digits(s, pos, 2, mi))
        return false;
    double frac = 0;
    if (pos < s.size() && s[pos] == ':') {
        ++pos;
        if (!Digits(s, pos, 2, sec))
            return false;
        if (pos < s.size() && s[pos] == '.') {
            double scale = 0.1;
            ++pos;
            while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') {
                frac += (s[pos] - '0') * scale;
                scale /= 10;
                ++pos;
            }
        }
    }
    if (h > 24 || mi > 59 || sec > 60)
        return false;
    if (pos < s.size() && s[pos] == 'Z') {
        ++pos;
    } else if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        int zh = 0, zm = 0;
        ++pos;
        if (!Digits(s, pos, 2, zh) || pos >= s.size() || s[pos++] != ':' || !Digits(s, pos, 2, zm))
            return false;
    }
    out = (h * 3600.0 + mi * 60.0 + sec + frac) / 86400.0;
    return true;
}

}  // namespace

std::uint32_t CalcHash_A(std::string_view name)
{
    std::uint32_t h = 0;
    ForEachUtf16Unit(name, [&](std::uint32_t u) { h += (u & 0xFFu) + (u >> 8); });
    return h;
}

std::uint32_t CalcHash_B(std::string_view name)
{
    std::uint32_t a = 63689, h = 0;
    ForEachUtf16Unit(name, [&](std::uint32_t u) {
        h = h * a + u;
        a *= 378551u;
    });
    return h;
}

std::uint32_t CalcHash_C(std::string_view name)
{
    std::uint32_t h = 1315423911u;
    ForEachUtf16Unit(name, [&](std::uint32_t u) { h ^= (h << 5) + u + (h >> 2); });
    return h;
}

std::uint32_t CalcHash_D(std::string_view name)
{
    std::uint32_t h = 0xAAAAAAAAu;
    std::size_t i = 0;
    ForEachUtf16Unit(name, [&](std::uint32_t u) {
        if ((i++ & 1) == 0)
            h ^= (h << 7) ^ (u * (h >> 3));
        else
            h ^= ~((h << 11) + (u ^ (h >> 5)));
    });
    return h;
}

std::uint32_t CalcCRC32(const void* data, std::size_t size, std::uint32_t crc)
{
    const auto* p = static_cast<const unsigned char*>(data);
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = cCrcTable[(crc ^ p[i]) & 0xFFu] ^ (crc >> 8);
    return ~crc;
}

std::uint32_t CalcHash_CRC32(std::string_view name) { return CalcCRC32(name.data(), name.size()); }

std::string_view NameOfQName(std::string_view qname)
{
    const auto colon = qname.find(':');
    return colon == std::string_view::npos ? qname : qname.substr(colon + 1);
}

std::optional<double> XmlTryStrToFloat(std::string_view text)
{
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    if (text == "INF")
        return HUGE_VAL;
    if (text == "-INF")
        return -HUGE_VAL;
    double v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size())
        return std::nullopt;
    return v;
}

std::optional<bool> XmlTryStrToBool(std::string_view text)
{
    text = Trim(text);
    if (text == "1" || text == "true" || text == "on" || text == "True" || text == "TRUE")
        return true;
    if (text == "0" || text == "false" || text == "off" || text == "False" || text == "FALSE")
        return false;
    return std::nullopt;
}

std::optional<std::int64_t> XmlTryStrToInt(std::string_view text)
{
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    std::int64_t v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size())
        return std::nullopt;
    return v;
}

std::optional<std::int64_t> XmlTryStrHexToInt(std::string_view text)
{
    text = Trim(text);
    std::uint64_t v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v, 16);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size())
        return std::nullopt;
    return static_cast<std::int64_t>(v);
}

std::optional<TNyqDateTime> XmlTryStrToDateTime(std::string_view text)
{
    text = Trim(text);
    std::size_t pos = 0;
    double date = 0, time = 0;
    if (!ParseDate(text, pos, date))
        return std::nullopt;
    if (pos < text.size() && (text[pos] == 'T' || text[pos] == ' ')) {
        ++pos;
        if (!ParseTime(text, pos, time))
            return std::nullopt;
    } else if (pos < text.size() && text[pos] == 'Z') {
        ++pos;
    }
    if (pos != text.size())
        return std::nullopt;
    return date + time;
}

std::optional<TNyqDateTime> XmlTryStrToDate(std::string_view text)
{
    text = Trim(text);
    std::size_t pos = 0;
    double date = 0;
    if (!ParseDate(text, pos, date) || (pos != text.size() && text.substr(pos) != "Z"))
        return std::nullopt;
    return date;
}

std::optional<TNyqDateTime> XmlTryStrToTime(std::string_view text)
{
    text = Trim(text);
    std::size_t pos = 0;
    double time = 0;
    if (!ParseTime(text, pos, time) || pos != text.size())
        return std::nullopt;
    return time;
}

double XmlStrToFloat(std::string_view text)
{
    if (auto v = XmlTryStrToFloat(text))
        return *v;
    BadValue(text);
}

bool XmlStrToBool(std::string_view text)
{
    if (auto v = XmlTryStrToBool(text))
        return *v;
    BadValue(text);
}

TNyqDateTime XmlStrToDateTime(std::string_view text)
{
    if (auto v = XmlTryStrToDateTime(text))
        return *v;
    BadValue(text);
}

TNyqDateTime XmlStrToDate(std::string_view text)
{
    if (auto v = XmlTryStrToDate(text))
        return *v;
    BadValue(text);
}

TNyqDateTime XmlStrToTime(std::string_view text)
{
    if (auto v = XmlTryStrToTime(text))
        return *v;
    BadValue(text);
}

int XmlStrToIntDef(std::string_view text, int def)
{
    const auto v = XmlTryStrToInt(text);
    if (!v || *v < INT32_MIN || *v > INT32_MAX)
        return def;
    return static_cast<int>(*v);
}

bool XmlStrToBoolDef(std::string_view text, bool def) { return XmlTryStrToBool(text).value_or(def); }

int XmlStrHexToIntDef(std::string_view text, int def)
{
    const auto v = XmlTryStrHexToInt(text);
    if (!v || *v > static_cast<std::int64_t>(UINT32_MAX))
        return def;
    return static_cast<int>(static_cast<std::uint32_t>(*v));
}

std::string XmlIntToStr(std::int64_t value) { return std::to_string(value); }

std::string XmlIntToHexStr(std::uint32_t value, int digits)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*X", digits < 0 ? 0 : (digits > 8 ? 8 : digits), value);
    return buf;
}

std::string XmlFloatToStr(double value)
{
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (std::isnan(value))
        return "NaN";
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
}

std::string XmlDateTimeToStr(TNyqDateTime value)
{
    if (!std::isfinite(value) || value < -693593 || value > 2958465)
        value = 0;
    double days = std::floor(value);
    long secs = std::lround((value - days) * 86400.0);
    if (secs >= 86400) {
        secs -= 86400;
        days += 1;
    }
    // Civil date from days since 1970 (inverse of DaysFromCivil).
    long z = static_cast<long>(days) - 25569 + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long d = doy - (153 * mp + 2) / 5 + 1;
    const long m = mp + (mp < 10 ? 3 : -9);
    const long y = yoe + era * 400 + (m <= 2);
    char buf[128];
    std::snprintf(buf, sizeof buf, "%04ld-%02ld-%02ldT%02ld:%02ld:%02ldZ", y, m, d, secs / 3600, secs / 60 % 60,
                  secs % 60);
    return buf;
}

std::string XmlBoolToStr(bool value) { return value ? "true" : "false"; }
