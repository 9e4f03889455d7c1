// FuzzWildcards.cpp: a search pattern (the first line) matched at every place of the text after it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/VYXWildcards.h"
#include "platform/VYXUnicode.h"

namespace {
bool WordChar(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string input = Utf8ToUtf16(bytes);
    const std::size_t cut = input.find(u'\n');
    const std::u16string_view pattern = std::u16string_view(input).substr(0, cut);
    const std::u16string_view text =
        cut == std::u16string::npos ? std::u16string_view() : std::u16string_view(input).substr(cut + 1);
    TVYXWildcardPattern matcher(WordChar);
    if (!matcher.Compile(pattern))
        return 0;
    for (std::size_t at = 0; at <= text.size() && !matcher.Exhausted(); ++at) {
        const std::ptrdiff_t end = matcher.MatchAt(text, at);
        if (end >= 0 && (static_cast<std::size_t>(end) < at || static_cast<std::size_t>(end) > text.size()))
            __builtin_trap();  // a match lies inside the text, after its start
    }
    return 0;
}
