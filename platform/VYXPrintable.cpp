// VYXPrintable.cpp: escaping and cutting texts from files for terminals and logs.
#include "platform/VYXPrintable.h"

#include <cstdio>

#include "platform/VYXUnicode.h"

namespace {

// The length of the well-formed UTF-8 sequence at text[i], 0 when malformed.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t n = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                     : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (n == 0 || i + n > text.size())
        return 0;
    return IsValidUtf8(text.substr(i, n)) ? n : 0;
}

bool NeedsEscape(char32_t cp)
{
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029 ||
           (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069) || cp == 0x200E || cp == 0x200F ||
           cp == 0x061C;
}

}  // namespace

std::string VYXPrintable(std::string_view utf8, std::size_t maxChars)
{
    std::string out;
    std::size_t chars = 0;
    std::size_t i = 0;
    char hex[16];
    while (i < utf8.size()) {
        if (chars == maxChars) {
            out += "... (" + std::to_string(utf8.size() - i) + " more bytes)";
            break;
        }
        ++chars;
        const std::size_t n = Utf8SequenceLength(utf8, i);
        if (n == 0) {
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(utf8[i]));
            out += hex;
            ++i;
            continue;
        }
        std::size_t next = i;
        const char32_t cp = DecodeUtf8At(utf8, next);
        if (cp == U'\\') {
            out += "\\\\";
        } else if (cp == U'\n') {
            out += "\\n";
        } else if (cp == U'\r') {
            out += "\\r";
        } else if (cp == U'\t') {
            out += "\\t";
        } else if (NeedsEscape(cp)) {
            std::snprintf(hex, sizeof hex, cp < 0x100 ? "\\x%02X" : "\\u%04X", static_cast<unsigned>(cp));
            out += hex;
        } else {
            out.append(utf8.substr(i, n));
        }
        i += n;
    }
    return out;
}
