// VYXUtils.cpp: integer and parameter lists, user options, character classes and text helpers.
#include "model/VYXUtils.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>

#include "platform/VYXIniFile.h"
#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"

std::u16string_view VYXTrim(std::u16string_view text, bool lineEnds)
{
    const auto blank = [lineEnds](char16_t c) {
        return c == u' ' || c == u'\t' || (lineEnds && (c == u'\r' || c == u'\n'));
    };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view VYXTrim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::u16string_view VYXUnquote(std::u16string_view text)
{
    if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"')
        return text.substr(1, text.size() - 2);
    return text;
}

namespace {
bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
std::u16string_view Trim(std::u16string_view text) { return VYXTrim(text); }
std::string_view Trim(std::string_view text) { return VYXTrim(text); }
std::u16string_view Unquote(std::u16string_view text) { return VYXUnquote(text); }
}  // namespace

// ---- Integer list ------------------------------------------------------------

int TVYXIntegerList::Add(std::int32_t value)
{
    FItems.push_back(value);
    return Count() - 1;
}

void TVYXIntegerList::Delete(int index)
{
    if (index >= 0 && index < Count())
        FItems.erase(FItems.begin() + index);
}

void TVYXIntegerList::SetMinSize(int count, std::int32_t fill)
{
    if (count > Count())
        FItems.resize(static_cast<std::size_t>(count), fill);
}

std::string TVYXIntegerList::AsString() const
{
    std::string text;
    for (std::size_t i = 0; i < FItems.size(); ++i) {
        if (i > 0)
            text += ',';
        text += std::to_string(FItems[i]);
    }
    return text;
}

// Grammar: list := [ piece { "," piece } ]; piece := blanks [ integer ] blanks.
void TVYXIntegerList::SetAsString(std::string_view text)
{
    FItems.clear();
    if (text.empty())
        return;
    for (;;) {
        const auto comma = text.find(',');
        const std::string_view piece = Trim(text.substr(0, comma));
        std::int32_t value = 0;
        if (piece.empty())
            value = cVYXNoIntValue;
        else {
            auto [end, ec] = std::from_chars(piece.data(), piece.data() + piece.size(), value);
            if (ec != std::errc() || end != piece.data() + piece.size())
                value = 0;
        }
        FItems.push_back(value);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
}

// ---- Parameter list ----------------------------------------------------------

void TVYXParameterList::Add(std::u16string_view name, std::u16string_view value)
{
    FItems.push_back({std::u16string(name), std::u16string(Unquote(value))});
}

namespace {
// Splits at blanks; a double-quoted part (quotes kept) belongs to its token.
std::vector<std::u16string_view> FieldTokens(std::u16string_view text)
{
    std::vector<std::u16string_view> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        if (i >= text.size())
            break;
        const std::size_t start = i;
        bool quoted = false;
        while (i < text.size() && (quoted || !IsBlank(text[i]))) {
            if (text[i] == u'"')
                quoted = !quoted;
            ++i;
        }
        tokens.push_back(text.substr(start, i - start));
    }
    return tokens;
}
}  // namespace

// Grammar of a field instruction:
//   instruction := keyword { blank+ token }
//   token       := { char | '"' { any but '"' } '"' }       (a quoted part keeps its blanks)
//   switch      := "\@" | "\*" followed by its value (glued or as the next token)
// Not supported: switches other than \@ and \* (dropped), escaped quotes inside quotes.
void TVYXParameterList::AssignField(std::u16string_view text)
{
    Clear();
    const auto tokens = FieldTokens(text);
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        const std::u16string_view token = tokens[i];
        if (token.front() != u'\\') {
            Add(u"", token);
            continue;
        }
        if (token.size() < 2 || (token[1] != u'@' && token[1] != u'*'))
            continue;  // a switch this list does not keep
        const std::u16string_view name = token.substr(1, 1);
        if (token.size() > 2)
            Add(name, token.substr(2));
        else if (i + 1 < tokens.size())
            Add(name, tokens[++i]);
        else
            Add(name, u"");
    }
}

// Grammar of parameter pairs:
//   text := junk { marker name [ ValueSep value ] }    marker := ParamStart2 | ParamStart1
// Each pair runs to the next marker; name and value are trimmed, quotes around the value removed.
void TVYXParameterList::Assign(std::u16string_view text)
{
    Clear();
    // The marker at `pos`, longer one first; its length or 0.
    auto markerAt = [&](std::size_t pos) -> std::size_t {
        for (const auto* marker : {&ParamStart2, &ParamStart1})
            if (!marker->empty() && text.substr(pos, marker->size()) == *marker)
                return marker->size();
        return 0;
    };
    std::size_t pos = 0;
    while (pos < text.size() && markerAt(pos) == 0)
        ++pos;
    while (pos < text.size()) {
        const std::size_t start = pos + markerAt(pos);
        std::size_t end = start;
        while (end < text.size() && markerAt(end) == 0)
            ++end;
        const std::u16string_view pair = text.substr(start, end - start);
        const auto sep = ValueSep.empty() ? std::u16string_view::npos : pair.find(ValueSep);
        if (sep == std::u16string_view::npos)
            Add(Trim(pair), u"");
        else
            Add(Trim(pair.substr(0, sep)), Trim(pair.substr(sep + ValueSep.size())));
        pos = end;
    }
}

bool TVYXParameterList::Find(std::u16string_view name, std::u16string& value) const
{
    for (const auto& item : FItems)
        if (SameTextUnicode(item.Param, name)) {
            value = UnicodeLower(item.Value);
            return true;
        }
    value.clear();
    return false;
}

bool TVYXParameterList::FindAsteriks(std::u16string_view value) const
{
    return std::any_of(FItems.begin(), FItems.end(), [&](const TVYXParameter& item) {
        return item.Param == u"*" && SameTextUnicode(item.Value, value);
    });
}

// ---- User options --------------------------------------------------------------

void TVYXSysOptions::Load(std::string_view section)
{
    if (!IniFile)
        return;
    const int units = IniFile->ReadInteger(section, "Units", Units);
    if (units >= 0 && units < cVYXDistUnitCount)
        Units = static_cast<TVYXSysOptDistUnit>(units);
    SpellCheckerDLLPath = IniFile->ReadString(section, "SpellCheckerDLLPath", SpellCheckerDLLPath);
    SpellCheckerDictPath = IniFile->ReadString(section, "SpellCheckerDictPath", SpellCheckerDictPath);
    SpellSelectedLanguage = IniFile->ReadString(section, "SpellSelectedLanguage", SpellSelectedLanguage);
}

void TVYXSysOptions::Save(std::string_view section) const
{
    if (!IniFile)
        return;
    IniFile->WriteInteger(section, "Units", Units);
    IniFile->WriteString(section, "SpellCheckerDLLPath", SpellCheckerDLLPath);
    IniFile->WriteString(section, "SpellCheckerDictPath", SpellCheckerDictPath);
    IniFile->WriteString(section, "SpellSelectedLanguage", SpellSelectedLanguage);
}

std::u16string TVYXSysOptions::ValToUnitStr(double pt, bool appendUnit) const
{
    const double value = std::round(ValToUnit(pt) * 100) / 100;
    std::u16string text = VYXFloatToStr(value == 0 ? 0 : value);  // no "-0"
    if (appendUnit) {
        text += u' ';
        text += GetUnitsShortStr(Units);
    }
    return text;
}

double TVYXSysOptions::UnitStrToVal(std::u16string_view text) const
{
    text = Trim(text);
    TVYXSysOptDistUnit unit = Units;
    for (int u = 0; u < cVYXDistUnitCount; ++u) {
        const auto suffix = GetUnitsShortStr(static_cast<TVYXSysOptDistUnit>(u));
        if (text.size() >= suffix.size() && SameTextAscii(text.substr(text.size() - suffix.size()), suffix)) {
            unit = static_cast<TVYXSysOptDistUnit>(u);
            text = Trim(text.substr(0, text.size() - suffix.size()));
            break;
        }
    }
    const auto value = VYXStrToFloat(text);
    return value ? UnitToPt(*value, unit) : 0;
}

// ---- Character classification ----------------------------------------------

bool CharIsWhitespace(char16_t c) { return c == 8 || c == 9 || c == 10 || c == 32; }
bool CharIsWhitespaceOrHardLB(char16_t c) { return CharIsWhitespace(c) || c == 11; }

namespace {
struct TCharRange {
    char16_t First, Last;
};
// Unicode punctuation (P*) and white space (Zs, Zl, Zp, the ASCII and C1 controls
// that are white space), from the Unicode Character Database, sorted.
// clang-format off
constexpr TCharRange cPunctuationRanges[] = {
#include "model/VYXPunctuation.inc"
};
// clang-format on
}  // namespace

bool CharIsPunctuation(char16_t c)
{
    const auto* end = std::end(cPunctuationRanges);
    const auto* it = std::upper_bound(std::begin(cPunctuationRanges), end, c,
                                      [](char16_t v, const TCharRange& r) { return v < r.First; });
    return it != std::begin(cPunctuationRanges) && c <= (it - 1)->Last;
}


TVYXCharType CharacterType(char16_t c)
{
    if (CharIsWhitespace(c))
        return actWhitespace;
    if (CharIsPunctuation(c))
        return actPunctuation;
    if (CharIsBreakingChar(c))
        return actBreak;
    if (c == 13)
        return actEndOfPara;
    return actAny;
}

// ---- Text and colour helpers -------------------------------------------------

std::uint32_t VYXHash(std::u16string_view text)
{
    std::uint32_t sum = 0;
    for (char16_t c : text)
        sum += c;
    return sum;
}

std::u16string IntToRoman(int value)
{
    struct TRoman {
        int Value;
        std::u16string_view Text;
    };
    static constexpr TRoman cRoman[] = {{1000, u"M"}, {900, u"CM"}, {500, u"D"}, {400, u"CD"}, {100, u"C"},
                                        {90, u"XC"},  {50, u"L"},   {40, u"XL"}, {10, u"X"},   {9, u"IX"},
                                        {5, u"V"},    {4, u"IV"},   {1, u"I"}};
    std::u16string text;
    if (value > 100000)  // keeps a hostile number from building megabytes of "M"
        value = 100000;
    for (const auto& r : cRoman)
        while (value >= r.Value) {
            text += r.Text;
            value -= r.Value;
        }
    return text;
}

namespace {
int HexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}
}  // namespace

std::int64_t HexStrToInt(std::u16string_view text)
{
    text = Trim(text);
    if (!text.empty() && (text.front() == u'#' || text.front() == u'$'))
        text.remove_prefix(1);
    else if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X'))
        text.remove_prefix(2);
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < text.size() && i < 16; ++i) {
        const int d = HexDigit(text[i]);
        if (d < 0)
            break;
        value = value * 16 + static_cast<unsigned>(d);
    }
    return static_cast<std::int64_t>(value);
}

std::uint32_t RGBStrToColor(std::u16string_view text)
{
    constexpr std::uint32_t cAuto = 0xFF000000;
    text = Trim(text);
    if (!text.empty() && text.front() == u'#')
        text.remove_prefix(1);
    if (text.size() != 6 || std::any_of(text.begin(), text.end(), [](char16_t c) { return HexDigit(c) < 0; }))
        return cAuto;
    return static_cast<std::uint32_t>(HexStrToInt(text));
}

std::uint32_t RevRGB(std::uint32_t color)
{
    return (color & 0xFF00FF00u) | ((color & 0xFFu) << 16) | ((color >> 16) & 0xFFu);
}

std::uint32_t HSLToRGB(double h, double s, double l)
{
    h = std::fmod(h, 360.0);
    if (h < 0)
        h += 360;
    s = std::clamp(s, 0.0, 1.0);
    l = std::clamp(l, 0.0, 1.0);
    const double c = (1 - std::fabs(2 * l - 1)) * s;
    const double x = c * (1 - std::fabs(std::fmod(h / 60, 2.0) - 1));
    const double m = l - c / 2;
    double r = 0, g = 0, b = 0;
    const int sector = static_cast<int>(h / 60);
    const double table[6][3] = {{c, x, 0}, {x, c, 0}, {0, c, x}, {0, x, c}, {x, 0, c}, {c, 0, x}};
    const auto& row = table[std::clamp(sector, 0, 5)];
    r = row[0];
    g = row[1];
    b = row[2];
    auto channel = [m](double v) { return static_cast<int>(std::lround((v + m) * 255)); };
    return MakeRGB(channel(r), channel(g), channel(b));
}

void RGBToHSL(std::uint32_t color, double& h, double& s, double& l)
{
    const double r = ((color >> 16) & 0xFF) / 255.0;
    const double g = ((color >> 8) & 0xFF) / 255.0;
    const double b = (color & 0xFF) / 255.0;
    const double maxC = std::max({r, g, b});
    const double minC = std::min({r, g, b});
    const double d = maxC - minC;
    l = (maxC + minC) / 2;
    if (d == 0) {
        h = s = 0;
        return;
    }
    s = d / (1 - std::fabs(2 * l - 1));
    if (maxC == r)
        h = 60 * std::fmod((g - b) / d, 6.0);
    else if (maxC == g)
        h = 60 * ((b - r) / d + 2);
    else
        h = 60 * ((r - g) / d + 4);
    if (h < 0)
        h += 360;
}

namespace {
std::uint32_t MapChannels(std::uint32_t color, double (*f)(double, double), double factor)
{
    factor = std::clamp(factor, 0.0, 1.0);
    auto ch = [&](int shift) {
        const double v = static_cast<double>((color >> shift) & 0xFF);
        return static_cast<int>(std::lround(f(v, factor)));
    };
    return MakeRGB(ch(16), ch(8), ch(0));
}
}  // namespace

std::uint32_t LighterColor(std::uint32_t color, double factor)
{
    return MapChannels(color, [](double v, double f) { return v + (255 - v) * f; }, factor);
}

std::uint32_t DarkerColor(std::uint32_t color, double factor)
{
    return MapChannels(color, [](double v, double f) { return v * (1 - f); }, factor);
}

int CPos(char16_t c, std::u16string_view text)
{
    const auto p = text.find(c);
    return p == std::u16string_view::npos ? 0 : static_cast<int>(p) + 1;
}

int RCPos(char16_t c, std::u16string_view text)
{
    const auto p = text.rfind(c);
    return p == std::u16string_view::npos ? 0 : static_cast<int>(p) + 1;
}

int CPosExclQuoted(char16_t c, std::u16string_view text)
{
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'"' && c != u'"')
            quoted = !quoted;
        else if (!quoted && text[i] == c)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

namespace {
std::u16string SplitAt(std::u16string& text, int pos)
{
    if (pos == 0) {
        std::u16string all = std::move(text);
        text.clear();
        return all;
    }
    std::u16string before = text.substr(0, static_cast<std::size_t>(pos - 1));
    text.erase(0, static_cast<std::size_t>(pos));
    return before;
}
}  // namespace

std::u16string SplitAtChar(std::u16string& text, char16_t c) { return SplitAt(text, CPos(c, text)); }
std::u16string SplitAtCharExclQuoted(std::u16string& text, char16_t c)
{
    return SplitAt(text, CPosExclQuoted(c, text));
}

std::u16string ValidateText(std::u16string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text)
        if (c != 7 && c != 12 && c != 13 && c != 14 && c != 19 && c != 20 && c != 21)
            out += c;
    return out;
}

std::u16string TitleCase(std::u16string_view text)
{
    std::u16string out(text);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = (i == 0 || text[i - 1] == 32) ? UnicodeUpper(text[i]) : UnicodeLower(text[i]);
    return out;
}

std::u16string FixupSmartQuotes(std::u16string_view text)
{
    std::u16string out(text);
    std::replace(out.begin(), out.end(), u'\u201D', u'"');
    return out;
}

TVYXPictureType PictureTypeFromExt(std::u16string_view ext)
{
    struct TExt {
        std::u16string_view Ext;
        TVYXPictureType Type;
    };
    static constexpr TExt cExts[] = {  // sorted by Ext
        {u".bmp", aptBMP}, {u".emf", aptEMF}, {u".gif", aptGIF}, {u".jpeg", aptJPG}, {u".jpg", aptJPG},
        {u".png", aptPNG}, {u".tif", aptTIF}, {u".tiff", aptTIF}, {u".wmf", aptWMF}};
    std::u16string key = AsciiLower(ext);
    if (key.empty() || key.front() != u'.')
        key.insert(key.begin(), u'.');
    const auto* it = std::lower_bound(std::begin(cExts), std::end(cExts), key,
                                      [](const TExt& e, const std::u16string& k) { return e.Ext < k; });
    return it != std::end(cExts) && it->Ext == key ? it->Type : aptUnknown;
}

double XmlStrToFloatDef(std::string_view text, double def)
{
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return def;
    return value;
}

std::int32_t VYXMulDiv(std::int32_t a, std::int32_t b, std::int32_t c)
{
    if (c == 0)
        return -1;  // as the platform's MulDiv answers a division by zero
    const std::int64_t q = static_cast<std::int64_t>(a) * b / c;
    if (q > std::numeric_limits<std::int32_t>::max() || q < std::numeric_limits<std::int32_t>::min())
        return -1;
    return static_cast<std::int32_t>(q);
}

float VYXMulDivF(float a, float b, float c) { return a * b / c; }

std::u16string MakeIndent(int n) { return std::u16string(static_cast<std::size_t>(std::max(n, 0)) * 2, u' '); }

double VYXNowDateTime()
{
    constexpr int cNowUnixEpochDays = 25569;  // 1970-01-01 counted from 1899-12-30
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm parts{};
    localtime_r(&t, &parts);
    const double local = static_cast<double>(t) + static_cast<double>(parts.tm_gmtoff);
    return local / 86400.0 + cNowUnixEpochDays;
}
