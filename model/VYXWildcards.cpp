// VYXWildcards.cpp: compiling and matching the wildcard patterns of text search.
#include "model/VYXWildcards.h"

#include <algorithm>
#include <limits>

namespace {
constexpr std::uint16_t cUnbounded = std::numeric_limits<std::uint16_t>::max();

// Reads "n", "n," or "n,m" up to the closing brace; false for anything else.
bool ParseRepeat(std::u16string_view p, std::size_t& i, std::uint16_t& lo, std::uint16_t& hi)
{
    auto number = [&p, &i](std::uint16_t& out) {
        const std::size_t start = i;
        unsigned value = 0;
        while (i < p.size() && p[i] >= u'0' && p[i] <= u'9' && value <= 255)
            value = value * 10 + (p[i++] - u'0');
        out = static_cast<std::uint16_t>(value);
        return i > start && value <= 255;
    };
    ++i;  // '{'
    if (!number(lo))
        return false;
    hi = lo;
    if (i < p.size() && p[i] == u',') {
        ++i;
        hi = cUnbounded;
        if (i < p.size() && p[i] != u'}' && !number(hi))
            return false;
    }
    if (i >= p.size() || p[i] != u'}' || lo > hi)
        return false;
    ++i;
    return true;
}
}  // namespace

bool TVYXWildcardPattern::Compile(std::u16string_view p)
{
    FItems.clear();
    FRanges.clear();
    auto fail = [this] {
        FItems.clear();
        FRanges.clear();
        return false;
    };
    if (p.empty() || p.size() > cMaxPattern)
        return fail();
    std::size_t i = 0;
    bool canRepeat = false;
    while (i < p.size()) {
        const char16_t c = p[i];
        if (c == u'{') {
            if (!canRepeat || !ParseRepeat(p, i, FItems.back().Min, FItems.back().Max))
                return fail();
            canRepeat = false;
            continue;
        }
        TItem item;
        canRepeat = true;
        ++i;
        switch (c) {
        case u'?': item.Kind = wkAny; break;
        case u'*':
            item.Kind = wkAny, item.Min = 0, item.Max = cUnbounded, item.Lazy = true;
            canRepeat = false;
            break;
        case u'<':
        case u'>':
            item.Kind = c == u'<' ? wkWordStart : wkWordEnd;
            canRepeat = false;
            break;
        case u'\\':
            if (i >= p.size())
                return fail();
            item.Ch = p[i++];
            break;
        case u'[': {
            item.Kind = wkSet;
            item.SetFirst = static_cast<std::uint32_t>(FRanges.size());
            if (i < p.size() && p[i] == u'!')
                item.Negated = true, ++i;
            auto member = [&p, &i](char16_t& out) {
                if (i < p.size() && p[i] == u'\\')
                    ++i;
                if (i >= p.size())
                    return false;
                out = p[i++];
                return true;
            };
            bool first = true;
            while (i < p.size() && (p[i] != u']' || first)) {
                first = false;
                TRange r{};
                if (!member(r.Lo))
                    return fail();
                r.Hi = r.Lo;
                if (i + 1 < p.size() && p[i] == u'-' && p[i + 1] != u']') {
                    ++i;
                    if (!member(r.Hi) || r.Hi < r.Lo)
                        return fail();
                }
                FRanges.push_back(r);
            }
            if (i >= p.size())
                return fail();  // no closing bracket
            ++i;
            item.SetCount = static_cast<std::uint32_t>(FRanges.size()) - item.SetFirst;
            break;
        }
        default: item.Ch = c; break;
        }
        FItems.push_back(item);
    }
    return true;
}

bool TVYXWildcardPattern::One(const TItem& item, char16_t c) const
{
    switch (item.Kind) {
    case wkChar: return c == item.Ch;
    case wkAny: return true;
    case wkSet: {
        const auto first = FRanges.begin() + item.SetFirst;
        const bool in = std::any_of(first, first + item.SetCount,
                                    [c](const TRange& r) { return c >= r.Lo && c <= r.Hi; });
        return in != item.Negated;
    }
    default: return false;
    }
}

std::ptrdiff_t TVYXWildcardPattern::MatchAt(std::u16string_view text, std::size_t start,
                                            const TAcceptFunc& accept) const
{
    if (FItems.empty() || start > text.size() || Exhausted())
        return -1;
    FFailed.clear();
    FFailedStart = start;
    FCallSteps = 0;
    return Match(0, text, start, accept);
}

// Whether an item matches at a place depends on nothing but the two (`accept` looks only
// at the end), so a state that failed once fails again. Ordinary searches stay under the
// threshold and allocate nothing.
std::ptrdiff_t TVYXWildcardPattern::Match(std::size_t index, std::u16string_view text, std::size_t pos,
                                          const TAcceptFunc& accept) const
{
    constexpr std::int64_t cRememberAfter = 256;
    if (++FSteps > cMaxSteps)
        return -1;
    if (++FCallSteps <= cRememberAfter || index == FItems.size())
        return MatchItem(index, text, pos, accept);
    const std::size_t width = text.size() - FFailedStart + 1;
    if (FFailed.empty())
        FFailed.assign(FItems.size() * width, false);
    const std::size_t state = index * width + (pos - FFailedStart);
    if (FFailed[state])
        return -1;
    const std::ptrdiff_t end = MatchItem(index, text, pos, accept);
    if (end < 0 && !Exhausted())
        FFailed[state] = true;
    return end;
}

std::ptrdiff_t TVYXWildcardPattern::MatchItem(std::size_t index, std::u16string_view text, std::size_t pos,
                                              const TAcceptFunc& accept) const
{
    if (index == FItems.size())
        return !accept || accept(pos) ? static_cast<std::ptrdiff_t>(pos) : -1;
    const TItem& item = FItems[index];
    if (item.Kind == wkWordStart || item.Kind == wkWordEnd) {
        const bool before = pos > 0 && FIsWordChar(text[pos - 1]);
        const bool after = pos < text.size() && FIsWordChar(text[pos]);
        const bool edge = item.Kind == wkWordStart ? !before && after : before && !after;
        return edge ? Match(index + 1, text, pos, accept) : -1;
    }
    if (item.Lazy) {
        // Nothing first, then one character more at a time (the item has no minimum).
        for (std::size_t n = 0;; ++n) {
            if (n > 0 && (n > item.Max || pos + n > text.size() || !One(item, text[pos + n - 1])))
                return -1;
            const std::ptrdiff_t end = Match(index + 1, text, pos + n, accept);
            if (end >= 0 || Exhausted())
                return end;
        }
    }
    // Greedy: take as many as the item allows, then give back one at a time.
    std::size_t count = 0;
    while (count < item.Max && pos + count < text.size() && One(item, text[pos + count]))
        ++count;
    for (std::size_t n = count + 1; n-- > item.Min;) {
        const std::ptrdiff_t end = Match(index + 1, text, pos + n, accept);
        if (end >= 0 || Exhausted())
            return end;
    }
    return -1;
}
