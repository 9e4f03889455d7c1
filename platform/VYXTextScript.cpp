// VYXTextScript.cpp: bidi levels through FriBidi, break opportunities through libunibreak.
#include "platform/VYXTextScript.h"

#include <fribidi.h>
#include <linebreak.h>

#include <algorithm>
#include <string>

namespace {

bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Code points of the text and, for each, the index of its first unit.
void Decode(std::u16string_view text, std::vector<FriBidiChar>& cps, std::vector<int>& starts)
{
    cps.clear();
    starts.clear();
    cps.reserve(text.size());
    starts.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        starts.push_back(static_cast<int>(i));
        const char16_t c = text[i];
        if (IsHigh(c) && i + 1 < text.size() && IsLow(text[i + 1])) {
            cps.push_back(0x10000 + ((static_cast<FriBidiChar>(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            cps.push_back(c);
        }
    }
}

}  // namespace

int VYXBidiLevels(std::u16string_view text, TVYXBidiDir dir, std::vector<std::uint8_t>& levels)
{
    levels.assign(text.size(), dir == vybdRTL ? 1 : 0);
    if (text.empty())
        return dir == vybdRTL ? 1 : 0;
    std::vector<FriBidiChar> cps;
    std::vector<int> starts;
    Decode(text, cps, starts);
    const auto n = static_cast<FriBidiStrIndex>(cps.size());
    std::vector<FriBidiCharType> types(cps.size());
    std::vector<FriBidiBracketType> brackets(cps.size());
    std::vector<FriBidiLevel> lv(cps.size());
    fribidi_get_bidi_types(cps.data(), n, types.data());
    fribidi_get_bracket_types(cps.data(), n, types.data(), brackets.data());
    FriBidiParType base = dir == vybdLTR ? FRIBIDI_PAR_LTR : dir == vybdRTL ? FRIBIDI_PAR_RTL : FRIBIDI_PAR_ON;
    const FriBidiLevel max = fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), n, &base, lv.data());
    if (max == 0)  // failure inside the library: keep the base direction
        return dir == vybdRTL ? 1 : 0;
    for (std::size_t i = 0; i < cps.size(); ++i) {
        const auto at = static_cast<std::size_t>(starts[i]);
        levels[at] = static_cast<std::uint8_t>(lv[i]);
        if (cps[i] > 0xFFFF)
            levels[at + 1] = static_cast<std::uint8_t>(lv[i]);
    }
    return FRIBIDI_IS_RTL(base) ? 1 : 0;
}

std::vector<int> VYXBidiVisualOrder(const std::uint8_t* levels, int count)
{
    std::vector<int> order(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        order[static_cast<std::size_t>(i)] = i;
    if (count <= 0)
        return order;
    std::uint8_t highest = 0, lowestOdd = 255;
    for (int i = 0; i < count; ++i) {
        highest = std::max(highest, levels[i]);
        if (levels[i] & 1)
            lowestOdd = std::min(lowestOdd, levels[i]);
    }
    // From the highest level down to the lowest odd one, reverse every maximal
    // stretch at that level or above (order[] is indexed by visual place, so the
    // level of a place is that of the logical index it shows).
    for (int level = highest; level >= lowestOdd && level > 0; --level) {
        int i = 0;
        while (i < count) {
            if (levels[order[static_cast<std::size_t>(i)]] < level) {
                ++i;
                continue;
            }
            int j = i;
            while (j < count && levels[order[static_cast<std::size_t>(j)]] >= level)
                ++j;
            std::reverse(order.begin() + i, order.begin() + j);
            i = j;
        }
    }
    return order;
}

bool VYXHasRTL(std::u16string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        // Hebrew, Arabic, Syriac, Thaana, NKo, Samaritan, Mandaic, Arabic supplements,
        // the presentation forms, and the explicit marks RLM, RLE, RLO, RLI.
        if ((c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFF) ||
            c == 0x200F || c == 0x202B || c == 0x202E || c == 0x2067)
            return true;
        // Supplementary right-to-left blocks (U+10800..U+10FFF, U+1E800..U+1EFFF).
        if (IsHigh(c) && i + 1 < text.size() && IsLow(text[i + 1])) {
            const char32_t cp = 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            if ((cp >= 0x10800 && cp <= 0x10FFF) || (cp >= 0x1E800 && cp <= 0x1EFFF))
                return true;
        }
    }
    return false;
}

void VYXLineBreaks(std::u16string_view text, std::vector<char>& breaks)
{
    breaks.assign(text.size(), vybrNone);
    if (text.empty())
        return;
    // The library aborts on regional indicators, U+FFFC, U+FFFF and broken surrogate
    // pairs; those become a plain letter in a copy of the same length first.
    std::u16string safe(text);
    for (std::size_t i = 0; i < safe.size(); ++i) {
        const char16_t c = safe[i];
        if (IsHigh(c) && i + 1 < safe.size() && IsLow(safe[i + 1])) {
            if (c == 0xD83C && safe[i + 1] >= 0xDDE6 && safe[i + 1] <= 0xDDFF)  // U+1F1E6..U+1F1FF
                safe[i] = safe[i + 1] = u'A';
            ++i;
        } else if (IsHigh(c) || IsLow(c) || c == 0xFFFC || c == 0xFFFE || c == 0xFFFF) {
            safe[i] = u'A';
        }
    }
    // The library's tables are read-only; without init_linebreak its lookups are
    // merely slower, and no process-wide state gets written.
    set_linebreaks_utf16(reinterpret_cast<const utf16_t*>(safe.data()), safe.size(), nullptr, breaks.data());
}

bool VYXIsNonSpaceScript(char32_t c)
{
    return (c >= 0x0E00 && c <= 0x0FFF)      // Thai, Lao, Tibetan
           || (c >= 0x1000 && c <= 0x109F)   // Myanmar
           || (c >= 0x1780 && c <= 0x17FF)   // Khmer
           || (c >= 0x2E80 && c <= 0x9FFF)   // CJK radicals, kana, ideographs
           || (c >= 0xA000 && c <= 0xA4CF)   // Yi
           || (c >= 0xAC00 && c <= 0xD7AF)   // Hangul syllables
           || (c >= 0xF900 && c <= 0xFAFF)   // CJK compatibility ideographs
           || (c >= 0xFF00 && c <= 0xFFEF)   // full-width forms
           || (c >= 0x20000 && c <= 0x3FFFF);
}
