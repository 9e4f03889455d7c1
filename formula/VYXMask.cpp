// VYXMask.cpp: parsing number-format masks into entities and laying values into them.
#include "formula/VYXMask.h"

#include "formula/VYXDateTime.h"
#include "formula/VYXMathUtils.h"
#include "platform/VYXException.h"
#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr std::size_t cMaxMaskLength = 255;
constexpr std::size_t cMaxResultLength = 300;
// Stands where a fill repeats until FormatNumber knows the width.
constexpr char16_t cFillMark = 0xFFFF;

struct TMaskColor {
    std::u16string_view Name;
    std::uint32_t Color;
};

// Sorted by name for binary search.
constexpr TMaskColor cMaskColors[] = {
    {u"BLACK", 0x000000}, {u"BLUE", 0x0000FF},  {u"CYAN", 0x00FFFF},  {u"GREEN", 0x00FF00},
    {u"MAGENTA", 0xFF00FF}, {u"RED", 0xFF0000}, {u"WHITE", 0xFFFFFF}, {u"YELLOW", 0xFFFF00},
};

char16_t Lower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
}

bool IsDigitPlace(TMaskEntity e)
{
    return e == mePlace || e == meSpace || e == meZero;
}

bool IsHour(TMaskEntity e)
{
    return e == meHourDig1 || e == meHourDig2 || e == meHourElapsed;
}

bool StartsWithNoCase(std::u16string_view text, std::size_t at, std::u16string_view word)
{
    if (text.size() - at < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Lower(text[at + i]) != word[i])
            return false;
    return true;
}

// Replaces every "general" (any case) by "@".
std::u16string ReplaceGeneral(std::u16string_view mask)
{
    std::u16string out;
    for (std::size_t i = 0; i < mask.size();) {
        if (StartsWithNoCase(mask, i, u"general")) {
            out.push_back(u'@');
            i += 7;
        } else {
            out.push_back(mask[i++]);
        }
    }
    return out;
}

std::vector<std::u16string_view> SplitSections(std::u16string_view mask)
{
    std::vector<std::u16string_view> sections;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const char16_t c = mask[i];
        if (c == u'"') {
            quoted = !quoted;
        } else if (c == u'\\' && !quoted) {
            ++i;
        } else if (c == u';' && !quoted) {
            sections.push_back(mask.substr(start, i - start));
            start = i + 1;
            if (sections.size() == 4)
                return sections;
        }
    }
    sections.push_back(mask.substr(start));
    return sections;
}

// Whether the next date code after position i is a seconds code, which turns
// a preceding "m" / "mm" into minutes.
bool SecondsFollow(std::u16string_view s, std::size_t i)
{
    for (; i < s.size(); ++i) {
        const char16_t c = Lower(s[i]);
        if (c == u's')
            return true;
        if (c == u'[')
            return i + 1 < s.size() && Lower(s[i + 1]) == u's';
        if (c == u'd' || c == u'm' || c == u'y' || c == u'h' || c == u'a' || c == u'0' || c == u'#' ||
            c == u'?' || c == u'"' || c == u'@')
            return false;
    }
    return false;
}

class TSectionParser {
public:
    TSectionParser(std::u16string_view text, TFormatData& data) : FText(text), FData(data) {}

    void Parse()
    {
        FData.Present = !FText.empty();
        bool afterPoint = false, seenAt = false;
        for (std::size_t i = 0; i < FText.size();) {
            const char16_t c = FText[i];
            const char16_t lc = Lower(c);
            if (c == u'"') {
                const std::size_t end = std::min(FText.find(u'"', i + 1), FText.size());
                FData.Data.Add(meString).Text = std::u16string(FText.substr(i + 1, end - i - 1));
                i = end + 1;
            } else if (c == u'#' || c == u'0' || c == u'?') {
                FData.Data.Add(c == u'#' ? mePlace : c == u'0' ? meZero : meSpace);
                if (FData.Flags.Has(mfScientific))
                    ++FData.ExponentDigits;
                else if (afterPoint)
                    ++FData.DecimalCount;
                FData.Div1000Cnt = 0;
                ++i;
            } else if (c == u'.' && LastIsSeconds() && i + 1 < FText.size() && FText[i + 1] == u'0') {
                std::size_t zeros = 0;
                while (i + 1 + zeros < FText.size() && FText[i + 1 + zeros] == u'0' && zeros < 3)
                    ++zeros;
                FData.Data.Add(meSecondFraction).Text = std::u16string(zeros, u'0');
                FData.SecondDecimals = static_cast<int>(zeros);
                i += 1 + zeros;
            } else if (c == u'/' && !afterPoint && FData.FractionSlash < 0 && HasDigitPlace()) {
                FData.FractionSlash = static_cast<int>(FData.Data.Count());
                Literal(c);
                ++i;
                // A written denominator ("?/8", "??/16").
                if (i < FText.size() && FText[i] >= u'1' && FText[i] <= u'9') {
                    int denominator = 0;
                    while (i < FText.size() && FText[i] >= u'0' && FText[i] <= u'9' && denominator < 100000)
                        denominator = denominator * 10 + (FText[i++] - u'0');
                    FData.FixedDenominator = denominator;
                }
            } else if (c == u'.') {
                if (afterPoint || FData.Flags.Has(mfScientific)) {
                    Literal(c);
                } else {
                    FData.DataDecimalPos = static_cast<int>(FData.Data.Count());
                    FData.Data.Add(meDecimalPos);
                    FData.Flags.Include(mfDecimals);
                    afterPoint = true;
                }
                ++i;
            } else if (c == u',') {
                FData.Flags.Include(mfThousand);
                ++FData.Div1000Cnt;
                FData.Data.Add(meNone).Char = c;
                ++i;
            } else if (c == u'%') {
                FData.Data.Add(mePercentPos);
                FData.Flags.Include(mfPercent);
                ++i;
            } else if (lc == u'e' && i + 1 < FText.size() && (FText[i + 1] == u'+' || FText[i + 1] == u'-')) {
                FData.Flags.Include(mfScientific);
                FData.ExponentPlus = FText[i + 1] == u'+';
                i += 2;
            } else if (c == u'@') {
                seenAt = true;
                ++i;
            } else if (c == u'\\' || c == u'_') {
                if (i + 1 < FText.size())
                    Literal(c == u'\\' ? FText[i + 1] : u' ');
                i += 2;
            } else if (c == u'*') {
                if (i + 1 < FText.size())
                    FData.Data.Add(meFill).Char = FText[i + 1];
                i += 2;
            } else if (c == u'[') {
                const std::size_t end = std::min(FText.find(u']', i + 1), FText.size());
                Bracket(FText.substr(i + 1, end - i - 1));
                i = end + 1;
            } else if (lc == u'a' && (StartsWithNoCase(FText, i, u"am/pm") || StartsWithNoCase(FText, i, u"a/p"))) {
                const bool full = StartsWithNoCase(FText, i, u"am/pm");
                AmPm(full ? (c == u'A' ? meStrAmPmUpp : meStrAmPmLow) : meStrap, c);
                i += full ? 5 : 3;
            } else if (lc == u'd' || lc == u'm' || lc == u'y' || lc == u'h' || lc == u's') {
                std::size_t run = 1;
                while (i + run < FText.size() && Lower(FText[i + run]) == lc)
                    ++run;
                DateCode(lc, run, i + run);
                i += run;
            } else {
                Literal(c);
                ++i;
            }
        }
        Finish(seenAt);
    }

private:
    void Literal(char16_t c) { FData.Data.Add(meLitteral).Char = c; }

    bool LastIsSeconds() const
    {
        if (FData.Data.Count() == 0)
            return false;
        const TMaskEntity e = FData.Data.GetItems(FData.Data.Count() - 1).Entity;
        return e == meSecondDig1 || e == meSecondDig2 || e == meSecondElapsed;
    }

    bool HasDigitPlace() const
    {
        for (std::size_t k = 0; k < FData.Data.Count(); ++k)
            if (IsDigitPlace(FData.Data.GetItems(k).Entity))
                return true;
        return false;
    }

    // "[>100]", "[<=-1]", "[=0]", "[<>5]"; false when the code is none.
    bool Condition(std::u16string_view code)
    {
        struct TOp {
            std::u16string_view Text;
            TMaskCondition Op;
        };
        static constexpr TOp cOps[] = {{u"<=", mcLE}, {u">=", mcGE}, {u"<>", mcNE},
                                       {u"<", mcLT},  {u">", mcGT},  {u"=", mcEQ}};
        for (const TOp& op : cOps) {
            if (!code.starts_with(op.Text))
                continue;
            std::string number;
            for (const char16_t ch : code.substr(op.Text.size()))
                if (ch != u' ')
                    number.push_back(ch < 0x80 ? static_cast<char>(ch) : '?');
            char* end = nullptr;
            const double v = std::strtod(number.c_str(), &end);
            if (number.empty() || *end != 0 || !std::isfinite(v))
                return false;
            FData.Condition = op.Op;
            FData.ConditionValue = v;
            return true;
        }
        return false;
    }

    void Code(TMaskEntity e)
    {
        FData.Data.Add(e);
        FData.Flags.Include(mfIsDateTime);
        FLastCode = e;
    }

    void Bracket(std::u16string_view code)
    {
        if (!code.empty() && code[0] == u'$') {
            const std::size_t dash = code.find(u'-');
            FData.Data.Add(meString).Text = std::u16string(code.substr(1, dash == code.npos ? code.npos : dash - 1));
            return;
        }
        const std::u16string upper = AsciiUpper(code);
        for (const auto& [letter, entity] : {std::pair{u'H', meHourElapsed}, std::pair{u'M', meMinuteElapsed},
                                             std::pair{u'S', meSecondElapsed}}) {
            if (upper == std::u16string(1, letter) || upper == std::u16string(2, letter)) {
                Code(entity);
                FData.Data.GetItems(FData.Data.Count() - 1).Text = std::u16string(code);
                return;
            }
        }
        if (Condition(code))
            return;
        const std::uint32_t color = XLSMaskColorByName(code);
        if (color != cMaskNoColor)
            FData.Color = color;
    }

    void AmPm(TMaskEntity e, char16_t first)
    {
        // The 12-hour clock applies to the hours written before the marker.
        for (std::size_t k = 0; k < FData.Data.Count(); ++k) {
            TMaskData& d = FData.Data.GetItems(k);
            if (d.Entity == meHourDig1)
                d.Entity = meHourDig1AmPm;
            else if (d.Entity == meHourDig2)
                d.Entity = meHourDig2AmPm;
        }
        Code(e);
        FData.Data.GetItems(FData.Data.Count() - 1).Char = first;
    }

    void DateCode(char16_t letter, std::size_t run, std::size_t next)
    {
        switch (letter) {
        case u'd':
            Code(run == 1 ? meDayDig1 : run == 2 ? meDayDig2 : run == 3 ? meDayShort : meDayName);
            break;
        case u'y':
            Code(run <= 2 ? meYear2 : meYear4);
            break;
        case u'h':
            Code(run == 1 ? meHourDig1 : meHourDig2);
            break;
        case u's':
            Code(run == 1 ? meSecondDig1 : meSecondDig2);
            break;
        default:  // 'm': minutes right after an hour or before seconds, else months
            if (run <= 2 && (IsHour(FLastCode) || SecondsFollow(FText, next)))
                Code(run == 1 ? meMinuteDig1 : meMinuteDig2);
            else
                Code(run == 1   ? meMonthDig1
                     : run == 2 ? meMonthDig2
                     : run == 3 ? meMonthShort
                     : run == 5 ? meMonthChar
                                : meMonthName);
            break;
        }
    }

    void Finish(bool seenAt)
    {
        if (FData.FractionSlash >= 0 && FData.FixedDenominator == 0) {
            bool placeAfter = false;
            for (std::size_t k = static_cast<std::size_t>(FData.FractionSlash); k < FData.Data.Count(); ++k)
                placeAfter = placeAfter || IsDigitPlace(FData.Data.GetItems(k).Entity);
            if (!placeAfter)
                FData.FractionSlash = -1;  // "0/" is a number and a literal slash
        }
        if (seenAt) {
            FData.Flags.Clear();
            FData.Flags.Include(mfGeneral);
            return;
        }
        for (std::size_t k = 0; k < FData.Data.Count(); ++k)
            if (IsDigitPlace(FData.Data.GetItems(k).Entity)) {
                FData.Flags.Exclude(mfIsDateTime);
                break;
            }
    }

    std::u16string_view FText;
    TFormatData& FData;
    TMaskEntity FLastCode = meNone;
};

std::u16string Ascii(const std::string& s)
{
    return std::u16string(s.begin(), s.end());
}

std::u16string Padded(long long n, int width)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*lld", width, n);
    return Ascii(buf);
}

// Lays a date-time value into a date-time section.
std::u16string FormatDateTime(const TFormatData& section, double value, const TVYXLocaleSettings& locale)
{
    if (!std::isfinite(value) || value < cVYXMinDate || value >= cVYXMaxDate + 1)
        return VYXFloatToStr(value, locale);
    // Milliseconds are rounded, then the parts are cut off as a clock shows
    // them: 23:59:59.9 is still 23:59:59 of the same day.
    // With fractional seconds ("ss.00") the whole seconds are cut from the
    // value taken to the microsecond, and the digits shown round without
    // carrying into the second (23:59:59.996 shows 23:59:59.99).
    constexpr long long cMsPerDay = 86400000;
    long long totalMs = 0, fraction = 0;
    if (section.SecondDecimals > 0) {
        const long long totalUs = std::llround(value * 86400e6);
        const long long whole = totalUs >= 0 ? totalUs / 1000000 : -((-totalUs + 999999) / 1000000);
        static constexpr long long cScale[] = {1000000, 100000, 10000, 1000};
        const long long steps = 1000000 / cScale[section.SecondDecimals];
        fraction = std::min((totalUs - whole * 1000000 + cScale[section.SecondDecimals] / 2) /
                                cScale[section.SecondDecimals],
                            steps - 1);
        totalMs = whole * 1000;
    } else {
        totalMs = std::llround(value * static_cast<double>(cMsPerDay));
    }
    const long long dayNumber = totalMs >= 0 ? totalMs / cMsPerDay : -((-totalMs + cMsPerDay - 1) / cMsPerDay);
    const long long msOfDay = totalMs - dayNumber * cMsPerDay;
    const double day = static_cast<double>(dayNumber);
    const auto date = VYXDecodeDate(day);
    if (!date)
        return VYXFloatToStr(value, locale);
    const long long totalSeconds = totalMs / 1000;
    const long long secondOfDay = msOfDay / 1000;
    const int hour = static_cast<int>(secondOfDay / 3600);
    const int minute = static_cast<int>(secondOfDay / 60 % 60);
    const int second = static_cast<int>(secondOfDay % 60);
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    const int weekday = VYXDayOfWeek(day);
    const std::u16string& amPm = hour < 12 ? locale.TimeAMString : locale.TimePMString;
    std::u16string out;
    for (std::size_t k = 0; k < section.Data.Count(); ++k) {
        const TMaskData& d = section.Data.GetItems(k);
        switch (d.Entity) {
        case meNone:
        case meLitteral: out.push_back(d.Char); break;
        case meString: out += d.Text; break;
        case meDecimalPos: out.push_back(u'.'); break;
        case mePercentPos: out.push_back(u'%'); break;
        case meYear2: out += Padded(date->Year % 100, 2); break;
        case meYear4: out += Padded(date->Year, 1); break;
        case meMonthDig1: out += Padded(date->Month, 1); break;
        case meMonthDig2: out += Padded(date->Month, 2); break;
        case meMonthShort: out += locale.ShortMonthNames[static_cast<std::size_t>(date->Month - 1)]; break;
        case meMonthName: out += locale.LongMonthNames[static_cast<std::size_t>(date->Month - 1)]; break;
        case meMonthChar: out += locale.LongMonthNames[static_cast<std::size_t>(date->Month - 1)].substr(0, 1); break;
        case meDayDig1: out += Padded(date->Day, 1); break;
        case meDayDig2: out += Padded(date->Day, 2); break;
        case meDayShort: out += locale.ShortDayNames[static_cast<std::size_t>(weekday)]; break;
        case meDayName: out += locale.LongDayNames[static_cast<std::size_t>(weekday)]; break;
        case meHourDig1: out += Padded(hour, 1); break;
        case meHourDig2: out += Padded(hour, 2); break;
        case meHourDig1AmPm: out += Padded(hour12, 1); break;
        case meHourDig2AmPm: out += Padded(hour12, 2); break;
        case meMinuteDig1: out += Padded(minute, 1); break;
        case meMinuteDig2: out += Padded(minute, 2); break;
        case meSecondDig1: out += Padded(second, 1); break;
        case meSecondDig2: out += Padded(second, 2); break;
        // Elapsed codes show the whole duration; "[hh]" pads to two digits.
        case meHourElapsed: out += Padded(totalSeconds / 3600, static_cast<int>(d.Text.size())); break;
        case meMinuteElapsed: out += Padded(totalSeconds / 60, static_cast<int>(d.Text.size())); break;
        case meSecondElapsed: out += Padded(totalSeconds, static_cast<int>(d.Text.size())); break;
        case meSecondFraction:
            out.push_back(locale.DecimalSeparator);
            out += Padded(fraction, section.SecondDecimals);
            break;
        case meFill: out.push_back(cFillMark); break;
        case meStrAmPmUpp: out += amPm; break;
        case meStrAmPmLow: out += UnicodeLower(amPm); break;
        case meStrap: {
            const char16_t letter = hour < 12 ? u'a' : u'p';
            out.push_back(d.Char == u'A' ? UnicodeUpper(letter) : letter);
            break;
        }
        default: break;
        }
    }
    return out;
}

// Literals before the first digit placeholder, the mantissa, the exponent,
// then the literals after the last placeholder.
std::u16string FormatScientific(const TFormatData& section, double value, bool negative,
                                const TVYXLocaleSettings& locale)
{
    // With more than one integer placeholder ("##0.0E+0") the exponent is a
    // multiple of their count and the mantissa shows up to that many digits.
    int intPlaces = 0;
    const std::size_t intEnd =
        section.DataDecimalPos >= 0 ? static_cast<std::size_t>(section.DataDecimalPos) : section.Data.Count();
    for (std::size_t k = 0; k < intEnd; ++k)
        if (IsDigitPlace(section.Data.GetItems(k).Entity))
            ++intPlaces;
    const int step = std::clamp(intPlaces, 1, 15);
    int first = 0;
    VYXSignificantDigits(value, 15, first);
    std::string digits;
    int exponent = 0, whole = 1;
    for (int attempt = 0; attempt < 2; ++attempt) {
        exponent = step > 1 ? static_cast<int>(std::floor(static_cast<double>(first) / step)) * step : first;
        whole = first - exponent + 1;
        int rounded = 0;
        digits = VYXSignificantDigits(value, std::min(whole + section.DecimalCount, 30), rounded);
        if (rounded == first || value == 0)
            break;
        first = rounded;  // rounding carried into a new leading digit (9.99 -> 10.0)
    }
    if (value == 0)
        exponent = 0;
    // Beyond 30 significant digits the places are zeros.
    digits.resize(static_cast<std::size_t>(whole + section.DecimalCount), '0');
    std::u16string mantissa = Ascii(digits.substr(0, static_cast<std::size_t>(whole)));
    if (section.DataDecimalPos >= 0) {
        mantissa.push_back(locale.DecimalSeparator);
        mantissa += Ascii(digits.substr(static_cast<std::size_t>(whole)));
    }
    std::u16string number = mantissa + u"E";
    if (exponent < 0)
        number.push_back(u'-');
    else if (section.ExponentPlus)
        number.push_back(u'+');
    number += Padded(std::abs(exponent), std::max(section.ExponentDigits, 1));
    std::u16string prefix, suffix;
    bool seenDigit = false;
    for (std::size_t k = 0; k < section.Data.Count(); ++k) {
        const TMaskData& d = section.Data.GetItems(k);
        std::u16string* target = seenDigit ? &suffix : &prefix;
        if (IsDigitPlace(d.Entity)) {
            seenDigit = true;
            suffix.clear();  // only literals after the last placeholder count
        } else if (d.Entity == meLitteral) {
            target->push_back(d.Char);
        } else if (d.Entity == meString) {
            *target += d.Text;
        } else if (d.Entity == mePercentPos) {
            target->push_back(u'%');
        }
    }
    std::u16string out = negative ? u"-" : u"";
    out += prefix;
    out += number;
    out += suffix;
    return out;
}

// Groups the integer digits of a "1234.50" text, padded with zeros to
// `minDigits`, and swaps in the locale's point. A lone leading zero is dropped:
// it is insignificant ("#.00" shows ".50").
void SplitDigits(const std::string& fixed, bool group, std::size_t minDigits, const TVYXLocaleSettings& locale,
                 std::u16string& intPart, std::u16string& fracPart)
{
    const auto point = fixed.find('.');
    std::string whole = fixed.substr(0, point);
    if (whole == "0")
        whole.clear();
    if (whole.size() < minDigits)
        whole.insert(0, minDigits - whole.size(), '0');
    for (std::size_t i = 0; i < whole.size(); ++i) {
        intPart.push_back(static_cast<char16_t>(whole[i]));
        const std::size_t left = whole.size() - i - 1;
        if (group && left > 0 && left % 3 == 0 && locale.ThousandSeparator)
            intPart.push_back(locale.ThousandSeparator);
    }
    if (point != std::string::npos)
        fracPart = Ascii(fixed.substr(point + 1));
}

void AppendPlain(std::u16string& out, const TMaskData& d)
{
    if (d.Entity == meFill)
        out.push_back(cFillMark);
    else if (d.Entity == meLitteral)
        out.push_back(d.Char);
    else if (d.Entity == meString)
        out += d.Text;
    else if (d.Entity == mePercentPos)
        out.push_back(u'%');
}

std::u16string Insignificant(TMaskEntity e)
{
    return e == meZero ? u"0" : e == meSpace ? u" " : u"";
}

// Lays the digits of a value into a number section.
std::u16string FormatDigits(const TFormatData& section, double value, bool negative, const TVYXLocaleSettings& locale)
{
    const TMaskDataList& data = section.Data;
    const std::size_t count = data.Count();
    const std::size_t intEnd = section.DataDecimalPos >= 0 ? static_cast<std::size_t>(section.DataDecimalPos) : count;
    std::size_t zeros = 0;  // "0" placeholders of the integer part: grouping must see their digits
    for (std::size_t k = 0; k < intEnd; ++k)
        if (data.GetItems(k).Entity == meZero)
            ++zeros;
    std::u16string intDigits, fracDigits;
    if (!section.Flags.Has(mfZero)) {
        double v = std::fabs(value) / std::pow(1000.0, section.Div1000Cnt);
        if (section.Flags.Has(mfPercent))
            v *= 100;
        if (!std::isfinite(v) || v >= 1e300)
            return VYXFloatToStr(value, locale);
        const std::string fixed = VYXFixedText(v, section.DecimalCount);
        negative = negative && fixed.find_first_not_of("0.") != std::string::npos;
        SplitDigits(fixed, section.Flags.Has(mfThousand), zeros, locale, intDigits, fracDigits);
    }
    std::size_t firstDigit = intEnd;  // meFirstDigitPlace: the leftmost integer placeholder
    for (std::size_t k = 0; k < intEnd; ++k)
        if (IsDigitPlace(data.GetItems(k).Entity)) {
            firstDigit = k;
            break;
        }
    // Integer part, right to left: each placeholder takes one digit (with the
    // separator left of it), the first one takes all that remain.
    std::vector<std::u16string> pieces;
    std::size_t left = intDigits.size();
    for (std::size_t k = intEnd; k-- > 0;) {
        const TMaskData& d = data.GetItems(k);
        std::u16string piece;
        if (IsDigitPlace(d.Entity)) {
            if (left == 0) {
                piece = Insignificant(d.Entity);
            } else if (k == firstDigit) {
                piece = intDigits.substr(0, left);
                left = 0;
            } else {
                piece = intDigits.substr(left - 1, 1);
                --left;
                if (left > 0 && !(intDigits[left - 1] >= u'0' && intDigits[left - 1] <= u'9')) {
                    piece.insert(piece.begin(), intDigits[left - 1]);  // the separator goes with its group
                    --left;
                }
            }
        } else {
            AppendPlain(piece, d);
        }
        pieces.push_back(std::move(piece));
    }
    std::u16string out = negative ? u"-" : u"";
    if (firstDigit == intEnd && section.DataDecimalPos >= 0)
        pieces.insert(pieces.begin(), intDigits);  // ".00": the integer digits still sit before the point
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it)
        out += *it;
    if (section.DataDecimalPos < 0)
        return out;
    // Decimal part, left to right; trailing zeros are the insignificant places.
    out.push_back(locale.DecimalSeparator);
    const std::size_t significant = fracDigits.find_last_not_of(u'0') + 1;
    std::size_t next = 0;
    for (std::size_t k = intEnd + 1; k < count; ++k) {
        const TMaskData& d = data.GetItems(k);
        if (IsDigitPlace(d.Entity)) {
            if (next < significant)
                out.push_back(fracDigits[next]);
            else
                out += d.Entity == meZero && next < fracDigits.size() ? std::u16string(1, fracDigits[next])
                                                                     : Insignificant(d.Entity);
            ++next;
        } else {
            AppendPlain(out, d);
        }
    }
    return out;
}

// The nearest fraction of `value` (0 <= value) with a denominator below
// `limit`, ties to the smaller denominator.
void NearestFraction(double value, long long limit, long long& numerator, long long& denominator)
{
    numerator = std::llround(value);
    denominator = 1;
    double best = std::fabs(value - static_cast<double>(numerator));
    for (long long d = 2; d < limit && best > 0; ++d) {
        const long long n = std::llround(value * static_cast<double>(d));
        const double error = std::fabs(value - static_cast<double>(n) / static_cast<double>(d));
        if (error < best - 1e-12) {
            best = error;
            numerator = n;
            denominator = d;
        }
    }
}

// Digits laid right-aligned into placeholders: insignificant places give
// "0", a blank or nothing; the first placeholder takes every digit left.
std::u16string LayRight(const std::u16string& digits, const std::vector<TMaskEntity>& places)
{
    std::u16string out;
    std::size_t left = digits.size();
    for (std::size_t k = places.size(); k-- > 0;) {
        if (left == 0) {
            out.insert(0, Insignificant(places[k]));
        } else if (k == 0) {
            out.insert(0, digits.substr(0, left));
            left = 0;
        } else {
            out.insert(0, 1, digits[--left]);
        }
    }
    return out;
}

// Fraction sections: [integer placeholders] literals numerator "/" denominator.
std::u16string FormatFraction(const TFormatData& section, double value, bool negative)
{
    const TMaskDataList& data = section.Data;
    const auto slash = static_cast<std::size_t>(section.FractionSlash);
    // The numerator is the run of placeholders just before the slash (literals
    // between them allowed); placeholders before that run hold the whole part.
    std::size_t numStart = slash;
    while (numStart > 0 && (IsDigitPlace(data.GetItems(numStart - 1).Entity)))
        --numStart;
    std::vector<TMaskEntity> intPlaces, numPlaces, denPlaces;
    for (std::size_t k = 0; k < numStart; ++k)
        if (IsDigitPlace(data.GetItems(k).Entity))
            intPlaces.push_back(data.GetItems(k).Entity);
    for (std::size_t k = numStart; k < slash; ++k)
        numPlaces.push_back(data.GetItems(k).Entity);
    for (std::size_t k = slash + 1; k < data.Count(); ++k)
        if (IsDigitPlace(data.GetItems(k).Entity))
            denPlaces.push_back(data.GetItems(k).Entity);
    double v = std::fabs(value);
    if (!std::isfinite(v) || v >= 1e15)
        return {};
    double whole = intPlaces.empty() ? 0 : std::floor(v);
    const double part = v - whole;
    long long n = 0, d = section.FixedDenominator;
    if (d > 0) {
        n = std::llround(part * static_cast<double>(d));
    } else {
        long long limit = 1;
        for (std::size_t k = 0; k < denPlaces.size() && limit < 100000; ++k)
            limit *= 10;
        NearestFraction(part, limit, n, d);
    }
    if (!intPlaces.empty() && n == d) {  // 2.99 as 3, not 2 1/1
        whole += 1;
        n = 0;
    }
    const bool zeroFraction = n == 0 && !intPlaces.empty();
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f", whole);
    std::u16string wholeDigits = Ascii(buf);
    if (whole == 0 && !(zeroFraction))
        wholeDigits.clear();  // "0 1/2" only where a "0" placeholder asks for it
    std::u16string out = negative && (whole != 0 || n != 0) ? u"-" : u"";
    std::size_t intIndex = 0;
    const std::size_t lastInt = numStart;
    for (std::size_t k = 0; k < data.Count(); ++k) {
        const TMaskData& e = data.GetItems(k);
        if (k < lastInt) {
            if (IsDigitPlace(e.Entity)) {
                if (intIndex++ == 0)
                    out += LayRight(wholeDigits, intPlaces);
            } else {
                AppendPlain(out, e);
            }
        } else if (k < slash) {
            if (k == numStart)
                out += zeroFraction ? std::u16string(numPlaces.size(), u' ')
                                    : LayRight(Ascii(std::to_string(n)), numPlaces);
        } else if (k == slash) {
            out.push_back(zeroFraction ? u' ' : u'/');
            if (section.FixedDenominator > 0 && !zeroFraction)
                out += Ascii(std::to_string(d));
        } else if (IsDigitPlace(e.Entity)) {
            if (k == slash + 1 || !IsDigitPlace(data.GetItems(k - 1).Entity)) {
                // The denominator is left-aligned: blanks for "?" pad on the right.
                std::u16string den = zeroFraction ? u"" : Ascii(std::to_string(d));
                for (std::size_t p = den.size(); p < denPlaces.size(); ++p)
                    den += denPlaces[p] == mePlace ? u"" : u" ";
                if (zeroFraction)
                    den = std::u16string(denPlaces.size(), u' ');
                out += den;
            }
        } else {
            AppendPlain(out, e);
        }
    }
    return out;
}

bool ConditionHolds(const TFormatData& s, double v)
{
    switch (s.Condition) {
    case mcLT: return v < s.ConditionValue;
    case mcLE: return v <= s.ConditionValue;
    case mcEQ: return v == s.ConditionValue;
    case mcGE: return v >= s.ConditionValue;
    case mcGT: return v > s.ConditionValue;
    case mcNE: return v != s.ConditionValue;
    default: return true;
    }
}

// A condition that no value >= 0 meets: its section writes its own sign.
bool OnlyNegative(const TFormatData& s)
{
    return (s.Condition == mcLT && s.ConditionValue <= 0) || (s.Condition == mcLE && s.ConditionValue < 0);
}
}  // namespace

TMaskData& TMaskDataList::Add(TMaskEntity entity)
{
    FItems.push_back(TMaskData{entity, {}, 0});
    return FItems.back();
}

TMaskData& TMaskDataList::Insert(std::size_t index, TMaskEntity entity)
{
    index = std::min(index, FItems.size());
    return *FItems.insert(FItems.begin() + static_cast<std::ptrdiff_t>(index), TMaskData{entity, {}, 0});
}

TExcelMask::TExcelMask(std::u16string_view mask, const TVYXLocaleSettings* locale) : FLocale(locale)
{
    SetMask(mask);
}

void TExcelMask::ClearData()
{
    for (auto& s : FSections)
        s = TFormatData{};
    FColor = cMaskNoColor;
}

void TExcelMask::SetMask(std::u16string_view text)
{
    if (text.size() > cMaxMaskLength)
        throw VYXException("Format string more than 255 characthers");
    ClearData();
    FMask = ReplaceGeneral(text);
    const auto sections = SplitSections(FMask);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (sections[i].empty())
            continue;
        TSectionParser(sections[i], FSections[i]).Parse();
        if (i == 2)
            FSections[i].Flags.Include(mfZero);
    }
}

const TVYXLocaleSettings& TExcelMask::Locale() const
{
    return FLocale ? *FLocale : VYXCurrentLocale();
}

bool TExcelMask::IsDateTime() const
{
    return FSections[0].Present && FSections[0].Flags.Has(mfIsDateTime);
}

const TFormatData& TExcelMask::Choose(double value, double& shown, bool& negative) const
{
    shown = value;
    negative = false;
    if (FSections[0].Condition != mcNone || FSections[1].Condition != mcNone) {
        const TFormatData* chosen = nullptr;
        for (const TFormatData& s : FSections) {
            if (&s == &FSections[3] || !s.Present)
                continue;
            if (s.Condition == mcNone || ConditionHolds(s, value)) {
                chosen = &s;
                break;
            }
        }
        if (!chosen)
            chosen = FSections[1].Present ? &FSections[1] : &FSections[0];
        if (value < 0 && (OnlyNegative(*chosen) || (chosen == &FSections[1] && chosen->Condition == mcNone &&
                                                     FSections[0].Condition == mcNone)))
            shown = -value;
        else
            negative = value < 0;
        return *chosen;
    }
    if (value < 0 && FSections[1].Present) {
        shown = -value;
        return FSections[1];
    }
    if (value == 0 && FSections[2].Present)
        return FSections[2];
    negative = value < 0;
    return FSections[0];
}

std::uint32_t TExcelMask::ValueColor(double value) const
{
    double shown = 0;
    bool negative = false;
    return Choose(value, shown, negative).Color;
}

std::u16string TExcelMask::FormatNumber(double value)
{
    const TVYXLocaleSettings& locale = Locale();
    double shown = 0;
    bool negative = false;
    const TFormatData& section = Choose(value, shown, negative);
    FColor = section.Color;
    FFill = 0;
    for (std::size_t k = 0; k < section.Data.Count() && !FFill; ++k)
        if (section.Data.GetItems(k).Entity == meFill)
            FFill = section.Data.GetItems(k).Char;
    std::u16string out;
    if (section.Data.Count() == 0) {
        out = VYXFloatToStr(shown, locale);
    } else if (section.Flags.Has(mfGeneral)) {
        for (std::size_t k = 0; k < section.Data.Count(); ++k)
            AppendPlain(out, section.Data.GetItems(k));
        out += VYXFloatToStr(shown, locale);
    } else if (section.Flags.Has(mfIsDateTime)) {
        out = FormatDateTime(section, shown, locale);
    } else if (section.FractionSlash >= 0 && !section.Flags.Has(mfZero)) {
        out = FormatFraction(section, shown, negative);
        if (out.empty())
            out = VYXFloatToStr(value, locale);
    } else if (section.Flags.Has(mfScientific) && !section.Flags.Has(mfZero)) {
        out = std::isfinite(shown) ? FormatScientific(section, shown, negative, locale) : VYXFloatToStr(shown, locale);
    } else {
        out = FormatDigits(section, shown, negative, locale);
    }
    if (out.size() > cMaxResultLength)
        return VYXFloatToStr(value, locale);
    if (!FKeepFill)
        std::erase(out, cFillMark);
    return out;
}

std::u16string TExcelMask::FormatNumber(double value, int width)
{
    FKeepFill = true;
    std::u16string out = FormatNumber(value);
    FKeepFill = false;
    const std::size_t at = out.find(cFillMark);
    std::erase(out, cFillMark);
    if (at != std::u16string::npos && FFill && width > static_cast<int>(out.size()))
        out.insert(at, static_cast<std::size_t>(width) - out.size(), FFill);
    return out;
}

std::uint32_t XLSMaskColorByName(std::u16string_view name)
{
    const std::u16string upper = AsciiUpper(name);
    const auto it = std::lower_bound(std::begin(cMaskColors), std::end(cMaskColors), upper,
                                     [](const TMaskColor& c, const std::u16string& n) { return c.Name < n; });
    return it != std::end(cMaskColors) && it->Name == upper ? it->Color : cMaskNoColor;
}

std::u16string XLSGetCurrencyFormat(const TVYXLocaleSettings& locale)
{
    // "$" stands for the symbol and "1" for the number in the host framework's
    // positive (0..3) and negative (0..15) currency format numbers.
    static constexpr std::u16string_view cPositive[] = {u"$1", u"1$", u"$ 1", u"1 $"};
    static constexpr std::u16string_view cNegative[] = {
        u"($1)", u"-$1", u"$-1", u"$1-", u"(1$)", u"-1$", u"1-$", u"1$-",
        u"-1 $", u"-$ 1", u"1 $-", u"$ 1-", u"$ -1", u"1- $", u"($ 1)", u"(1 $)",
    };
    std::u16string number = u"#,##0";
    if (locale.CurrencyDecimals > 0) {
        number.push_back(u'.');
        number.append(static_cast<std::size_t>(std::min(locale.CurrencyDecimals, 30)), u'0');
    }
    std::u16string symbol = u"\"";
    for (char16_t c : locale.CurrencyString)
        if (c != u'"')
            symbol.push_back(c);
    symbol.push_back(u'"');
    auto expand = [&](std::u16string_view pattern) {
        std::u16string out;
        for (char16_t c : pattern)
            out += c == u'$' ? symbol : c == u'1' ? number : std::u16string(1, c);
        return out;
    };
    const auto pos = static_cast<std::size_t>(std::clamp(locale.CurrencyFormat, 0, 3));
    const auto neg = static_cast<std::size_t>(std::clamp(locale.NegCurrFormat, 0, 15));
    std::u16string mask = expand(cPositive[pos]);
    mask.push_back(u';');
    mask += expand(cNegative[neg]);
    return mask;
}

std::u16string XLSGetCurrencyFormat()
{
    return XLSGetCurrencyFormat(VYXCurrentLocale());
}
