// VYXPrintable.h: text from files made safe to print.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text from files made safe for one line of a terminal or log: control
// characters (C0, DEL, C1), line and paragraph separators and bidirectional
// overrides are written as escapes ("\n", "\x1B", "\u202E"), bytes that are
// not UTF-8 as "\xNN", and text beyond `maxChars` characters is cut with a
// note of how many bytes were left out.
std::string VYXPrintable(std::string_view utf8, std::size_t maxChars = 200);
