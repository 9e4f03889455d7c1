// VYXHtmlTestUtils.h: helpers the HTML tests share: a document's text and its
// comparison with an independent extraction.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "model/VYXLogParas.h"

// The text of a body: paragraphs (cells included, in reading order) joined by
// line feeds; tabs and line breaks as blanks; pictures and markers as nothing.
inline std::u16string VYXHtmlBodyText(TVYXLogParas& paras)
{
    std::u16string out;
    bool first = true;
    TVYXLogParasIterator walk;
    walk.ParaEvent = [&](TVYXLogPara& para) {
        if (!first)
            out += u'\n';
        first = false;
        for (int r = 0; r < para.Count(); ++r) {
            const TVYXCharRun& run = *para.GetItems(r);
            switch (run.Type_()) {
            case acrtText: case acrtHyperlink: out += run.Text(); break;
            case acrtTab: case acrtBreak: out += u' '; break;
            default: break;
            }
        }
    };
    walk.Iterate(paras);
    return out;
}

// Whitespace (as Python's str.split sees it) collapsed to single blanks, ends trimmed.
inline std::u16string VYXHtmlNormalizeText(std::u16string_view text)
{
    auto space = [](char16_t c) {
        return (c >= 0x09 && c <= 0x0D) || (c >= 0x1C && c <= 0x20) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
               (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
               c == 0x3000;
    };
    std::u16string out;
    bool pending = false;
    for (char16_t c : text) {
        if (space(c)) {
            pending = !out.empty();
            continue;
        }
        if (pending)
            out += u' ';
        pending = false;
        out += c;
    }
    return out;
}

inline std::string VYXHtmlReadTestFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::string VYXHtmlDecodeBase64ForTest(std::string_view text)
{
    std::string out;
    unsigned acc = 0;
    int bits = 0;
    for (char c : text) {
        int v = c >= 'A' && c <= 'Z' ? c - 'A' : c >= 'a' && c <= 'z' ? c - 'a' + 26 : c >= '0' && c <= '9' ? c - '0' + 52
                : c == '+' ? 62 : c == '/' ? 63 : -1;
        if (v < 0)
            continue;
        acc = (acc << 6) | static_cast<unsigned>(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((acc >> bits) & 0xFF);
        }
    }
    return out;
}
