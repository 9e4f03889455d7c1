// VYXUnicode.h: UTF-8 <-> UTF-16 conversion at the borders of the engine.
//
// The model holds UTF-16 because text positions count UTF-16 code units; files
// and the public API speak UTF-8. Conversions never throw: malformed input
// (bad lead bytes, overlong forms, lone surrogates, truncated sequences)
// becomes U+FFFD, one per bad sequence, so no byte of the input is silently
// dropped and no hostile file can stop a load here.
#pragma once

#include <string>
#include <string_view>

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// Decodes the code point at text[i] and advances i past it; a malformed sequence
// consumes one byte and gives U+FFFD. i must be below text.size(). For callers
// that walk UTF-8 without building a string (name hashes).
char32_t DecodeUtf8At(std::string_view text, std::size_t& i);

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates, <= U+10FFFF).
bool IsValidUtf8(std::string_view text);

// Appends one code point as UTF-8 / UTF-16; invalid code points append U+FFFD.
void AppendUtf8(std::string& out, char32_t cp);
void AppendUtf16(std::u16string& out, char32_t cp);

// ASCII-only case helpers for keywords and names; other characters pass unchanged.
std::string AsciiLower(std::string_view text);
std::string AsciiUpper(std::string_view text);
std::u16string AsciiLower(std::u16string_view text);
std::u16string AsciiUpper(std::u16string_view text);
bool SameTextAscii(std::string_view a, std::string_view b);
bool SameTextAscii(std::u16string_view a, std::u16string_view b);

// Simple case mapping for the Basic Multilingual Plane (Latin, Greek, Cyrillic and
// the other scripts with one-to-one mappings); used by UPPER/LOWER, title case and
// case-insensitive comparison of user text.
char16_t UnicodeUpper(char16_t c);
char16_t UnicodeLower(char16_t c);
std::u16string UnicodeUpper(std::u16string_view text);
std::u16string UnicodeLower(std::u16string_view text);
bool SameTextUnicode(std::u16string_view a, std::u16string_view b);

// Shorthand for literals in code that builds UTF-16 text from ASCII.
inline std::u16string U16(std::string_view ascii) { return Utf8ToUtf16(ascii); }
inline std::string U8(std::u16string_view text) { return Utf16ToUtf8(text); }
