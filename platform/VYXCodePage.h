// VYXCodePage.h: 8-bit and double-byte code pages <-> UTF-16, by Windows code-page number.
//
// Documents name their encodings by Windows code-page numbers (RTF's \ansicpg,
// font character sets, 8-bit plain text), so that is the key here. The
// conversions sit on the C library's iconv; each converter object holds its own
// handles and tables, so two threads never share one. Windows-1252, ISO-8859-1
// and US-ASCII need no handle at all (fixed tables), which keeps plain-text
// loading fast. Bad bytes become U+FFFD and characters a code page lacks become
// "?"; nothing here raises on content.
//
// Supported: 1250-1258, 874, 932, 936, 949, 950, 1361, 437, 850, 10000 (Mac
// Roman), 10001 (Mac Japanese), 10007 (Mac Cyrillic), 10029 (Mac Central European), 20127 (US-ASCII), 28591-28599, 28603 and 28605 (ISO-8859-1..9, 13,
// 15), 65001 (UTF-8) and 42 (symbol fonts: bytes 0x20..0xFF go to
// U+F020..U+F0FF, where symbol fonts keep their glyphs).
// Not supported: the stateful 7-bit ISO-2022 and EBCDIC code pages (an unknown
// number falls back to Windows-1252); best-fit replacements when encoding; the
// composition of base letters with following combining marks in 1255 and 1258
// (each byte stays one character, and precomposed letters encode as "?").
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

constexpr int cVYXCodePageSymbol = 42;
constexpr int cVYXCodePageAnsi = 1252;  // the 8-bit default on Linux, where there is no system ANSI code page
constexpr int cVYXCodePageUtf8 = 65001;

bool VYXCodePageSupported(int codePage);
// True for the code pages where a lead byte and a trail byte make one character.
bool VYXCodePageIsDoubleByte(int codePage);
// RTF's \fcharset number -> code page; 0 when the character set names none
// (DEFAULT_CHARSET 1 and unknown values: the document's own code page applies).
int VYXCharsetToCodePage(int charset);
// "1252", "cp1252", "windows-1252", "utf-8", "iso-8859-2", "latin1", "ascii",
// "macintosh" (ASCII case-insensitive) -> a supported code page; 0 when unknown.
int VYXCodePageFromName(std::string_view name);

// Whole-buffer conversions; each call uses its own converter.
std::u16string VYXDecodeCodePage(std::string_view bytes, int codePage);
std::string VYXEncodeCodePage(std::u16string_view text, int codePage);

// Decodes bytes that arrive one at a time, such as RTF's \'hh escapes: a lead
// byte of a double-byte code page waits for its trail byte (or a UTF-8 lead for
// its continuation bytes) across calls.
class TVYXCodePageDecoder {
public:
    explicit TVYXCodePageDecoder(int codePage);
    ~TVYXCodePageDecoder();
    TVYXCodePageDecoder(const TVYXCodePageDecoder&) = delete;
    TVYXCodePageDecoder& operator=(const TVYXCodePageDecoder&) = delete;

    // The code page in use (1252 when the requested one is not supported).
    int CodePage() const { return FCodePage; }
    // Appends what the byte completes to `out` (nothing while a character is pending).
    void PutByte(std::uint8_t byte, std::u16string& out);
    // Appends the conversion of a whole buffer, continuing any pending character.
    void Put(std::string_view bytes, std::u16string& out);
    // A pending incomplete character becomes U+FFFD (one per byte for UTF-8).
    void Flush(std::u16string& out);
    bool Pending() const { return FPendingCount > 0; }

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
    int FCodePage = cVYXCodePageAnsi;
    std::uint8_t FPending[4] = {};
    int FPendingCount = 0;
};

// Converts UTF-16 into one code page; one converter per object.
class TVYXCodePageEncoder {
public:
    explicit TVYXCodePageEncoder(int codePage);
    ~TVYXCodePageEncoder();
    TVYXCodePageEncoder(const TVYXCodePageEncoder&) = delete;
    TVYXCodePageEncoder& operator=(const TVYXCodePageEncoder&) = delete;

    int CodePage() const { return FCodePage; }
    // Appends the bytes of `text`; each character the code page lacks (and each
    // lone surrogate) becomes "?".
    void Put(std::u16string_view text, std::string& out);

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
    int FCodePage = cVYXCodePageAnsi;
};
