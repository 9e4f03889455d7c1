// VYXWildcards.h: the wildcard patterns of text search (?, *, sets, word edges, repetition).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// A compiled search pattern. Grammar (one UTF-16 unit is one character):
//
//   pattern := item+
//   item    := atom repeat?
//   atom    := '?'                       any one character
//            | '*'                       any run of characters, the empty one included; as
//                                        short as the rest of the pattern allows
//            | '<' | '>'                 the start / end of a word (matches no character)
//            | '[' '!'? member+ ']'      one character of the set (with '!': not of it)
//            | '\' char                  the character itself
//            | char                      any other character stands for itself
//   member  := mchar ('-' mchar)?        a character or an inclusive range
//   mchar   := '\' char | char           a ']' right after '[' or '[!' belongs to the set
//   repeat  := '{' n '}' | '{' n ',}' | '{' n ',' m '}'   the atom n times, n or more, n to m
//                                        times (0 <= n <= m <= 255), as many as the rest allows
//
// A repeat may not follow '*', '<', '>' or another repeat; an unclosed set or repeat, a
// reversed range, a trailing '\', an empty pattern or one longer than cMaxPattern is a bad
// pattern.
// Not supported: '@' (one or more), alternatives, groups and back references.
class TVYXWildcardPattern {
public:
    // The word characters that '<' and '>' look at.
    using TWordCharFunc = bool (*)(char16_t c);
    explicit TVYXWildcardPattern(TWordCharFunc isWordChar) : FIsWordChar(isWordChar) {}

    // False for a bad pattern, which then matches nothing.
    bool Compile(std::u16string_view pattern);
    bool Valid() const { return !FItems.empty(); }
    // The end of the first match beginning exactly at `start` (backtracking: '*' grows, a
    // repeat shrinks) that `accept` takes (all when unset), or -1; a refused end makes the
    // matcher try on, so a whole-word search for "c*t" finds "cutxt" in "cutxt cat".
    using TAcceptFunc = std::function<bool(std::size_t end)>;
    std::ptrdiff_t MatchAt(std::u16string_view text, std::size_t start, const TAcceptFunc& accept = {}) const;
    // True once matching gave up for want of steps: every later MatchAt of this object
    // answers -1, so a search reports no match rather than running on.
    bool Exhausted() const { return FSteps > cMaxSteps; }
    // Steps of backtracking one pattern object may take over all its MatchAt calls.
    static constexpr std::int64_t cMaxSteps = 2'000'000;
    // Longer patterns are refused, which also bounds the matcher's recursion.
    static constexpr std::size_t cMaxPattern = 255;
    void ResetSteps() { FSteps = 0; }

private:
    enum TKind : std::uint8_t { wkChar, wkAny, wkSet, wkWordStart, wkWordEnd };
    struct TItem {
        TKind Kind = wkChar;
        char16_t Ch = 0;
        bool Negated = false;
        std::uint16_t Min = 1, Max = 1;
        bool Lazy = false;  // '*': the fewest characters first
        std::uint32_t SetFirst = 0, SetCount = 0;  // ranges in FRanges
    };
    struct TRange {
        char16_t Lo, Hi;
    };
    bool One(const TItem& item, char16_t c) const;
    std::ptrdiff_t Match(std::size_t item, std::u16string_view text, std::size_t pos,
                         const TAcceptFunc& accept) const;
    std::ptrdiff_t MatchItem(std::size_t item, std::u16string_view text, std::size_t pos,
                             const TAcceptFunc& accept) const;
    TWordCharFunc FIsWordChar;
    std::vector<TItem> FItems;
    std::vector<TRange> FRanges;
    mutable std::int64_t FSteps = 0;
    // States (item, position) of the current MatchAt known to fail, kept once a call
    // takes many steps: "*a*a*b" over a run of a's would otherwise retry them exponentially.
    mutable std::vector<bool> FFailed;
    mutable std::size_t FFailedStart = 0;
    mutable std::int64_t FCallSteps = 0;
};
