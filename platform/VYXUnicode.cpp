// VYXUnicode.cpp: UTF conversion and simple case mapping.
#include "platform/VYXUnicode.h"

#include <cwctype>
#include <locale.h>
#include <wctype.h>

namespace {

constexpr char32_t cReplacement = 0xFFFD;

// Decodes one UTF-8 sequence at text[i]; advances i past what it consumed.
// A bad sequence consumes one byte and yields U+FFFD, which keeps decoding in
// step with the next valid lead byte.
char32_t DecodeUtf8(std::string_view text, std::size_t& i, bool& ok)
{
    const auto b0 = static_cast<unsigned char>(text[i]);
    ok = true;
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int len = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
        minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
        minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
        minimum = 0x10000;
    } else {
        ++i;
        ok = false;
        return cReplacement;
    }
    if (i + static_cast<std::size_t>(len) > text.size()) {
        ++i;
        ok = false;
        return cReplacement;
    }
    for (int k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            ok = false;
            return cReplacement;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        ok = false;
        return cReplacement;
    }
    i += static_cast<std::size_t>(len);
    return cp;
}

}  // namespace

char32_t DecodeUtf8At(std::string_view text, std::size_t& i)
{
    bool ok = true;
    return DecodeUtf8(text, i, ok);
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = cReplacement;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void AppendUtf16(std::u16string& out, char32_t cp)
{
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = cReplacement;
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

std::u16string Utf8ToUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {  // the common case stays a plain copy
            out.push_back(b);
            ++i;
            continue;
        }
        bool ok = true;
        AppendUtf16(out, DecodeUtf8(text, i, ok));
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = cReplacement;  // lone surrogate
        }
        AppendUtf8(out, c);
    }
    return out;
}

bool IsValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        bool ok = true;
        DecodeUtf8(text, i, ok);
        if (!ok)
            return false;
    }
    return true;
}

namespace {
template <typename S, typename C>
S MapAscii(std::basic_string_view<C> text, bool upper)
{
    S out(text);
    for (auto& c : out) {
        if (upper && c >= 'a' && c <= 'z')
            c = static_cast<C>(c - 32);
        else if (!upper && c >= 'A' && c <= 'Z')
            c = static_cast<C>(c + 32);
    }
    return out;
}

template <typename C>
bool SameAscii(std::basic_string_view<C> a, std::basic_string_view<C> b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        C x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<C>(x + 32);
        if (y >= 'A' && y <= 'Z')
            y = static_cast<C>(y + 32);
        if (x != y)
            return false;
    }
    return true;
}
}  // namespace

std::string AsciiLower(std::string_view text) { return MapAscii<std::string>(text, false); }
std::string AsciiUpper(std::string_view text) { return MapAscii<std::string>(text, true); }
std::u16string AsciiLower(std::u16string_view text) { return MapAscii<std::u16string>(text, false); }
std::u16string AsciiUpper(std::u16string_view text) { return MapAscii<std::u16string>(text, true); }
bool SameTextAscii(std::string_view a, std::string_view b) { return SameAscii(a, b); }
bool SameTextAscii(std::u16string_view a, std::u16string_view b) { return SameAscii(a, b); }

namespace {
// The C.UTF-8 locale carries the full simple case tables. We query it through
// its own handle (towupper_l) so the process locale is never read or changed.
locale_t CaseLocale()
{
    static const locale_t handle = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return handle;
}

// Without a C.UTF-8 locale we still map Latin-1 letters.
char16_t Latin1Upper(char16_t c)
{
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<char16_t>(c - 32);
    return c;
}
char16_t Latin1Lower(char16_t c)
{
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<char16_t>(c + 32);
    return c;
}
}  // namespace

char16_t UnicodeUpper(char16_t c)
{
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') ? static_cast<char16_t>(c - 32) : c;
    if (c >= 0xD800 && c <= 0xDFFF)
        return c;
    const locale_t loc = CaseLocale();
    if (!loc)
        return Latin1Upper(c);
    const auto u = static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), loc));
    return u <= 0xFFFF ? static_cast<char16_t>(u) : c;
}

char16_t UnicodeLower(char16_t c)
{
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? static_cast<char16_t>(c + 32) : c;
    if (c >= 0xD800 && c <= 0xDFFF)
        return c;
    const locale_t loc = CaseLocale();
    if (!loc)
        return Latin1Lower(c);
    const auto l = static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), loc));
    return l <= 0xFFFF ? static_cast<char16_t>(l) : c;
}

std::u16string UnicodeUpper(std::u16string_view text)
{
    std::u16string out(text);
    for (auto& c : out)
        c = UnicodeUpper(c);
    return out;
}

std::u16string UnicodeLower(std::u16string_view text)
{
    std::u16string out(text);
    for (auto& c : out)
        c = UnicodeLower(c);
    return out;
}

bool SameTextUnicode(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && UnicodeUpper(a[i]) != UnicodeUpper(b[i]))
            return false;
    return true;
}
