// VYXMergeFields.cpp: instruction words, merge switches, pictures and comparisons.
#include "report/VYXMergeFields.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "editing/VYXFieldUpdate.h"
#include "formula/VYXDateTime.h"
#include "formula/VYXMask.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace {
bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\u00A0'; }

bool IsLetter(char16_t c) { return UnicodeUpper(c) != UnicodeLower(c); }

// Wildcard match: "*" any run, "?" one character.
bool Wildcard(std::u16string_view text, std::u16string_view pattern)
{
    std::size_t t = 0, p = 0, star = std::u16string_view::npos, mark = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == text[t])) {
            ++t;
            ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            mark = t;
        } else if (star != std::u16string_view::npos) {
            p = star + 1;
            t = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

bool ReadNumber(std::u16string_view text, double& out)
{
    // Amounts as letters show them: blanks, thousands separators and a leading currency sign are skipped.
    std::u16string clean;
    for (char16_t c : text)
        if (!IsBlank(c) && c != u',' && c != u'$' && c != u'\u20AC' && c != u'\u00A3')
            clean.push_back(c);
    TVYXFieldValue v;
    if (clean.empty() || !VYXReadFieldText(clean, avftFloat, v))
        return false;
    out = v.Num;
    return true;
}

// Amounts with more digits than a double holds are formatted from their digits, so
// 12345678901234567890 shows as 12,345,678,901,234,567,890.00 and not rounded. Only
// plain pictures take this road: literal text around one core of "#", "0", "," and
// an optional "." with "0"/"#" decimals, with an optional second section for negatives.
std::optional<std::u16string> ExactDecimal(std::u16string_view text, std::u16string_view picture)
{
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == u'-';
    if (!text.empty() && (text[0] == u'-' || text[0] == u'+'))
        ++i;
    std::u16string intDigits, fracDigits;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        intDigits.push_back(text[i]);
    if (i < text.size() && text[i] == u'.')
        for (++i; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
            fracDigits.push_back(text[i]);
    if (i != text.size() || intDigits.empty())
        return std::nullopt;
    intDigits.erase(0, std::min(intDigits.find_first_not_of(u'0'), intDigits.size() - 1));
    if (intDigits.size() + fracDigits.size() <= 15)
        return std::nullopt;  // a double holds it: the mask formats it
    const std::size_t semi = picture.find(u';');
    std::u16string_view section = picture.substr(0, semi);
    const bool ownNegative = negative && semi != std::u16string_view::npos;
    if (ownNegative)
        section = picture.substr(semi + 1, picture.find(u';', semi + 1) - semi - 1);
    const std::size_t coreStart = section.find_first_of(u"#0");
    const std::size_t coreEnd = section.find_last_of(u"#0");
    if (coreStart == std::u16string_view::npos)
        return std::nullopt;
    const std::u16string_view core = section.substr(coreStart, coreEnd - coreStart + 1);
    if (core.find_first_not_of(u"#0,.") != std::u16string_view::npos)
        return std::nullopt;
    const std::size_t dot = core.find(u'.');
    const std::u16string_view intPart = core.substr(0, dot);
    const std::size_t decimals = dot == std::u16string_view::npos ? 0 : core.size() - dot - 1;
    const bool grouping = intPart.find(u',') != std::u16string_view::npos;
    const auto minInt = static_cast<std::size_t>(std::count(intPart.begin(), intPart.end(), u'0'));
    // Round half up at `decimals` digits, on the digit string.
    fracDigits.resize(std::max(fracDigits.size(), decimals), u'0');
    std::u16string digits = intDigits + fracDigits;
    const std::size_t keep = intDigits.size() + decimals;
    bool carry = digits.size() > keep && digits[keep] >= u'5';
    digits.resize(keep);
    for (std::size_t k = keep; carry && k > 0; --k) {
        if (digits[k - 1] == u'9')
            digits[k - 1] = u'0';
        else {
            ++digits[k - 1];
            carry = false;
        }
    }
    if (carry)
        digits.insert(digits.begin(), u'1');
    std::u16string whole = digits.substr(0, digits.size() - decimals);
    const std::u16string frac = digits.substr(digits.size() - decimals);
    whole.erase(0, std::min(whole.find_first_not_of(u'0'), whole.size()));
    while (whole.size() < minInt)
        whole.insert(whole.begin(), u'0');
    if (grouping)
        for (std::size_t k = whole.size(); k > 3; k -= 3)
            whole.insert(k - 3, 1, u',');
    std::u16string out(section.substr(0, coreStart));
    if (negative && !ownNegative)
        out.insert(0, u"-");
    out += whole;
    if (decimals > 0)
        out += u"." + frac;
    out += section.substr(coreEnd + 1);
    std::erase(out, u'"');
    return out;
}
}  // namespace

std::vector<TVYXFieldWord> VYXFieldWords(std::u16string_view text)
{
    std::vector<TVYXFieldWord> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        if (i >= text.size())
            break;
        TVYXFieldWord word;
        if (text[i] == cVYXNestedOpen) {
            const std::size_t close = text.find(cVYXNestedClose, i + 1);
            const std::size_t end = close == std::u16string_view::npos ? text.size() : close;
            word.Text = std::u16string(text.substr(i + 1, end - i - 1));
            word.Quoted = true;
            i = end + 1;
        } else if (text[i] == u'"') {
            word.Quoted = true;
            ++i;
            while (i < text.size() && text[i] != u'"') {
                if (text[i] == u'\\' && i + 1 < text.size() && (text[i + 1] == u'"' || text[i + 1] == u'\\'))
                    ++i;
                if (text[i] == cVYXNestedOpen || text[i] == cVYXNestedClose) {  // a nested result inside quotes
                    ++i;
                    continue;
                }
                word.Text.push_back(text[i++]);
            }
            ++i;
        } else if (text[i] == u'\\' && i + 1 < text.size()) {
            word.Text = std::u16string(text.substr(i, 2));
            i += 2;
            words.push_back(std::move(word));
            continue;  // a glued argument ("\#0.00") follows as a word of its own
        } else {
            while (i < text.size() && !IsBlank(text[i]) && text[i] != u'"' && text[i] != cVYXNestedOpen)
                word.Text.push_back(text[i++]);
        }
        words.push_back(std::move(word));
    }
    return words;
}

void TVYXMergeSwitches::Read(const std::vector<TVYXFieldWord>& words, std::size_t from)
{
    for (std::size_t i = from; i < words.size(); ++i) {
        if (!words[i].IsSwitch())
            continue;
        const char16_t s = static_cast<char16_t>(UnicodeLower(words[i].Text[1]));
        const bool hasArg = i + 1 < words.size() && !words[i + 1].IsSwitch();
        const std::u16string arg = hasArg ? words[i + 1].Text : std::u16string();
        switch (s) {
        case u'*': CaseFormats.push_back(arg); break;
        case u'#': NumberPicture = arg, HasNumber = true; break;
        case u'@': DatePicture = arg, HasDate = true; break;
        case u'b': Before = arg; break;
        case u'f': After = arg; break;
        default: continue;  // \m, \v and unknown switches take no argument here
        }
        if (hasArg)
            ++i;
    }
}

std::u16string VYXApplyCaseFormat(std::u16string_view text, std::u16string_view format)
{
    if (SameTextAscii(format, u"Upper"))
        return UnicodeUpper(text);
    if (SameTextAscii(format, u"Lower"))
        return UnicodeLower(text);
    const bool caps = SameTextAscii(format, u"Caps");
    if (!caps && !SameTextAscii(format, u"FirstCap"))
        return std::u16string(text);
    std::u16string out(text);
    bool wordStart = true;
    for (char16_t& c : out) {
        if (IsLetter(c)) {
            if (wordStart)
                c = UnicodeUpper(c);
            else if (caps)
                c = UnicodeLower(c);
            wordStart = false;
            if (!caps)
                break;  // FirstCap: only the very first letter
        } else if (IsBlank(c) || c == u'-') {
            wordStart = true;
        }
    }
    return out;
}

std::u16string VYXFormatMergeValue(const TVYXFieldValue& value, TVYXFieldType type, const TVYXMergeSwitches& switches,
                                   const TVYXLocaleSettings& locale)
{
    std::u16string text = value.Text;
    if (!value.Null && switches.HasDate) {
        double serial = value.Num;
        TVYXFieldType found = type;
        bool ok = type == avftDate || type == avftDateTime || type == avftTime;
        if (!ok)
            ok = VYXParseIsoDateTime(text, serial, found);
        if (!ok) {
            // Dates as the locale writes them ("2/29/2024", "29 February 2024").
            if (const auto parsed = VYXParseDateTime(text, locale, 2000)) {
                serial = *parsed;
                ok = true;
            }
        }
        if (ok)
            text = VYXFormatDatePicture(serial, switches.DatePicture, locale);
    } else if (!value.Null && switches.HasNumber) {
        double number = value.Num;
        const bool numeric = type == avftInteger || type == avftFloat;
        if (const auto exact = ExactDecimal(text, switches.NumberPicture)) {
            text = *exact;
        } else if (numeric || ReadNumber(text, number)) {
            try {
                TExcelMask mask(switches.NumberPicture, &locale);
                text = mask.FormatNumber(number);
            } catch (const VYXException&) {
                // A picture the mask cannot take leaves the value as the data had it.
            }
        }
    }
    for (const std::u16string& format : switches.CaseFormats)
        text = VYXApplyCaseFormat(text, format);
    if (!text.empty())
        text = switches.Before + text + switches.After;
    return text;
}

bool VYXCompareFieldValues(std::u16string_view left, std::u16string_view op, std::u16string_view right)
{
    double a = 0, b = 0;
    int order = 0;
    const bool numbers = ReadNumber(left, a) && ReadNumber(right, b);
    if (numbers)
        order = a < b ? -1 : a > b ? 1 : 0;
    else
        order = left < right ? -1 : left > right ? 1 : 0;
    const bool wild = !numbers && right.find_first_of(u"*?") != std::u16string_view::npos;
    if (op == u"=")
        return wild ? Wildcard(left, right) : order == 0;
    if (op == u"<>")
        return wild ? !Wildcard(left, right) : order != 0;
    if (op == u"<")
        return order < 0;
    if (op == u"<=")
        return order <= 0;
    if (op == u">")
        return order > 0;
    if (op == u">=")
        return order >= 0;
    return false;
}
