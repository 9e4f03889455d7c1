// VYXLogParaSearch.cpp: finding text in a paragraph: plain, case-folded, whole-word and
// wildcard matches over the paragraph's characters, one per position.
#include "model/VYXLogPara.h"

#include <algorithm>

#include "model/VYXLogParasShared.h"
#include "model/VYXWildcards.h"

namespace {
char16_t UpperAscii(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }
}  // namespace

void TVYXLogPara::BeginFindText(std::u16string_view text, unsigned options)
{
    TVYXLogParaExtra& extra = Extra();
    if (!extra.Find)
        extra.Find = std::make_unique<VYXLogParaFindData>();
    VYXLogParaFindData& Find = *extra.Find;
    Find.Para = this;
    Find.FindOptions = options;
    Find.FindText = std::u16string(text);
    if (!(options & aftoMatchCase))
        std::transform(Find.FindText.begin(), Find.FindText.end(), Find.FindText.begin(), UpperAscii);
    Find.Valid = false;
    Find.FindCharPos = 1;
}

std::int32_t TVYXLogPara::FindTextNext(std::int32_t pos)
{
    if (!FExtra || !FExtra->Find || FExtra->Find->FindText.empty())
        return 0;
    VYXLogParaFindData& Find = *FExtra->Find;
    if (!Find.Valid) {
        // One character per position, so offsets map to positions.
        Find.FindSrcText.clear();
        for (std::int32_t p = 1; p < EndOfParaPos(); ++p)
            Find.FindSrcText += GetChar(p);
        if (!(Find.FindOptions & aftoMatchCase))
            std::transform(Find.FindSrcText.begin(), Find.FindSrcText.end(), Find.FindSrcText.begin(), UpperAscii);
        Find.Valid = true;
    }
    const std::u16string_view src = Find.FindSrcText;
    auto wholeWord = [&src, &Find](std::size_t at, std::size_t end) {
        return !(Find.FindOptions & aftoWholeWordsOnly) ||
               ((at == 0 || !VYXIsWordChar(src[at - 1])) && (end >= src.size() || !VYXIsWordChar(src[end])));
    };
    auto found = [&Find](std::size_t at, std::size_t end) {
        Find.FindCharPos = static_cast<std::int32_t>(at) + 1;
        Find.FindLen = static_cast<std::int32_t>(end - at);
        return Find.FindCharPos;
    };
    std::size_t from = static_cast<std::size_t>(std::max(pos, 1) - 1);
    if (Find.FindOptions & aftoWildcards) {
        // The pattern was upper-cased with the text when case does not matter; its
        // operators are no letters, so folding leaves them alone.
        TVYXWildcardPattern pattern(VYXIsWordChar);
        if (!pattern.Compile(Find.FindText))
            return 0;
        for (; from <= src.size(); ++from) {
            // A match takes at least one character; shorter ones are tried when a longer one
            // does not end on a word's edge.
            const std::ptrdiff_t end =
                pattern.MatchAt(src, from, [&](std::size_t e) { return e > from && wholeWord(from, e); });
            if (end >= 0)
                return found(from, static_cast<std::size_t>(end));
            if (pattern.Exhausted())
                return 0;
        }
        return 0;
    }
    while (from <= src.size()) {
        const std::size_t at = src.find(Find.FindText, from);
        if (at == std::u16string::npos)
            return 0;
        const std::size_t end = at + Find.FindText.size();
        if (wholeWord(at, end))
            return found(at, end);
        from = at + 1;
    }
    return 0;
}
