// VYXCodePage.cpp: code-page conversion through per-object iconv handles and byte tables.
#include "platform/VYXCodePage.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <iconv.h>
#include <unordered_map>
#include <vector>

#include "platform/VYXUnicode.h"

namespace {
constexpr char16_t cReplacement = 0xFFFD;

enum TKind { kTable, kDoubleByte, kUtf8 };

struct TCodePageInfo {
    int CodePage;
    const char* IconvName;  // nullptr: built in
    TKind Kind;
};

// Sorted by code page.
constexpr TCodePageInfo cCodePages[] = {
    {42, nullptr, kTable},
    {437, "CP437", kTable},
    {850, "CP850", kTable},
    {874, "CP874", kTable},
    {932, "CP932", kDoubleByte},
    {936, "CP936", kDoubleByte},
    {949, "CP949", kDoubleByte},
    {950, "CP950", kDoubleByte},
    {1250, "CP1250", kTable},
    {1251, "CP1251", kTable},
    {1252, nullptr, kTable},
    {1253, "CP1253", kTable},
    {1254, "CP1254", kTable},
    {1255, "CP1255", kTable},
    {1256, "CP1256", kTable},
    {1257, "CP1257", kTable},
    {1258, "CP1258", kTable},
    {1361, "JOHAB", kDoubleByte},
    {10000, "MACINTOSH", kTable},
    {10001, "SHIFT_JIS", kDoubleByte},  // Mac Japanese: Shift-JIS without the Windows extensions
    {10007, "MAC-CYRILLIC", kTable},
    {10029, "MAC-CENTRALEUROPE", kTable},
    {20127, nullptr, kTable},
    {28591, nullptr, kTable},
    {28592, "ISO-8859-2", kTable},
    {28593, "ISO-8859-3", kTable},
    {28594, "ISO-8859-4", kTable},
    {28595, "ISO-8859-5", kTable},
    {28596, "ISO-8859-6", kTable},
    {28597, "ISO-8859-7", kTable},
    {28598, "ISO-8859-8", kTable},
    {28599, "ISO-8859-9", kTable},
    {28603, "ISO-8859-13", kTable},
    {28605, "ISO-8859-15", kTable},
    {65001, nullptr, kUtf8},
};

const TCodePageInfo* FindInfo(int codePage)
{
    for (const TCodePageInfo& info : cCodePages)
        if (info.CodePage == codePage)
            return &info;
    return nullptr;
}

// Windows-1252 0x80..0x9F; the five bytes it leaves undefined are U+FFFD.
constexpr char16_t c1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

using TByteTable = std::array<char16_t, 256>;

void FillBuiltIn(int codePage, TByteTable& table)
{
    for (int b = 0; b < 256; ++b) {
        char16_t c = static_cast<char16_t>(b);
        if (codePage == 1252 && b >= 0x80 && b < 0xA0)
            c = c1252High[b - 0x80];
        else if (codePage == 20127 && b >= 0x80)
            c = cReplacement;
        else if (codePage == cVYXCodePageSymbol && b >= 0x20)
            c = static_cast<char16_t>(0xF000 + b);
        table[static_cast<std::size_t>(b)] = c;
    }
}

// An iconv handle owned by one converter.
class TIconv {
public:
    TIconv(const char* to, const char* from) : FCd(iconv_open(to, from)) {}
    ~TIconv()
    {
        if (Valid())
            iconv_close(FCd);
    }
    TIconv(const TIconv&) = delete;
    TIconv& operator=(const TIconv&) = delete;
    bool Valid() const { return FCd != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in` in one go from the initial state into `out`, returns
    // false on any error; `incomplete` tells whether the input just stopped short.
    bool Whole(std::string_view in, std::string& out, bool* incomplete = nullptr)
    {
        iconv(FCd, nullptr, nullptr, nullptr, nullptr);
        char buffer[32];
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t r = iconv(FCd, &src, &srcLeft, &dst, &dstLeft);
        if (incomplete)
            *incomplete = r == static_cast<std::size_t>(-1) && errno == EINVAL;
        if (r == static_cast<std::size_t>(-1))
            return false;
        // Stateful code pages may hold a base letter back until the end.
        if (iconv(FCd, nullptr, nullptr, &dst, &dstLeft) == static_cast<std::size_t>(-1))
            return false;
        out.assign(buffer, static_cast<std::size_t>(dst - buffer));
        return true;
    }

    iconv_t Handle() const { return FCd; }

private:
    iconv_t FCd;
};

// UTF-16LE bytes from iconv -> code units.
void AppendLE(std::string_view bytes, std::u16string& out)
{
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        out += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                     static_cast<unsigned char>(bytes[i + 1]) << 8);
}

int Utf8Length(std::uint8_t lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}
}  // namespace

bool VYXCodePageSupported(int codePage) { return FindInfo(codePage) != nullptr; }

bool VYXCodePageIsDoubleByte(int codePage)
{
    const TCodePageInfo* info = FindInfo(codePage);
    return info && info->Kind == kDoubleByte;
}

int VYXCharsetToCodePage(int charset)
{
    switch (charset) {
    case 0: return 1252;    // ANSI
    case 2: return cVYXCodePageSymbol;
    case 77: return 10000;  // Mac Roman
    case 78: return 10001;  // Mac Japanese
    case 88: return 10029;  // Mac Central European
    case 89: return 10007;  // Mac Cyrillic
    case 128: return 932;   // Shift-JIS
    case 129: return 949;   // Hangul
    case 130: return 1361;  // Johab
    case 134: return 936;   // GB2312
    case 136: return 950;   // Big5
    case 161: return 1253;  // Greek
    case 162: return 1254;  // Turkish
    case 163: return 1258;  // Vietnamese
    case 177: return 1255;  // Hebrew
    case 178: return 1256;  // Arabic
    case 186: return 1257;  // Baltic
    case 204: return 1251;  // Cyrillic
    case 222: return 874;   // Thai
    case 238: return 1250;  // Central European
    case 254: return 437;   // PC 437
    case 255: return 850;   // OEM
    default: return 0;
    }
}

int VYXCodePageFromName(std::string_view name)
{
    std::string n = AsciiLower(name);
    auto number = [](std::string_view digits) {
        int value = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return ec == std::errc() && end == digits.data() + digits.size() && VYXCodePageSupported(value) ? value : 0;
    };
    if (n == "utf-8" || n == "utf8")
        return cVYXCodePageUtf8;
    if (n == "ascii" || n == "us-ascii")
        return 20127;
    if (n == "latin1" || n == "latin-1")
        return 28591;
    if (n == "macintosh" || n == "macroman" || n == "mac")
        return 10000;
    if (n == "shift_jis" || n == "sjis")
        return 932;
    if (n == "gbk" || n == "gb2312")
        return 936;
    if (n == "big5")
        return 950;
    for (std::string_view prefix : {"windows-", "cp"})
        if (n.starts_with(prefix))
            return number(std::string_view(n).substr(prefix.size()));
    if (n.starts_with("iso-8859-")) {
        int part = 0;
        const std::string_view tail = std::string_view(n).substr(9);
        const auto [end, ec] = std::from_chars(tail.data(), tail.data() + tail.size(), part);
        if (ec != std::errc() || end != tail.data() + tail.size() || part < 1 || part > 15)
            return 0;
        return number(std::to_string(28590 + part));
    }
    return number(n);
}

// ---- Decoding ----

struct TVYXCodePageDecoder::TImpl {
    TKind Kind = kTable;
    TByteTable Table{};
    std::array<bool, 256> Lead{};
    std::unique_ptr<TIconv> Iconv;
    std::string Scratch;

    explicit TImpl(const TCodePageInfo& info) : Kind(info.Kind)
    {
        if (!info.IconvName) {
            FillBuiltIn(info.CodePage, Table);
            return;
        }
        Iconv = std::make_unique<TIconv>("UTF-16LE", info.IconvName);
        if (!Iconv->Valid()) {  // a C library without this code page: decode as Windows-1252
            Iconv.reset();
            Kind = kTable;
            FillBuiltIn(1252, Table);
            return;
        }
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            bool incomplete = false;
            char16_t c = cReplacement;
            if (Iconv->Whole(std::string_view(&byte, 1), Scratch, &incomplete) && Scratch.size() == 2)
                c = static_cast<char16_t>(static_cast<unsigned char>(Scratch[0]) |
                                          static_cast<unsigned char>(Scratch[1]) << 8);
            Table[static_cast<std::size_t>(b)] = c;
            Lead[static_cast<std::size_t>(b)] = incomplete && Kind == kDoubleByte;
        }
    }

    // Appends the character of a lead and trail byte; false when the pair is invalid.
    // Answers are cached per pair, since real text repeats its characters: one
    // iconv call per distinct pair instead of one per character.
    bool Pair(std::uint8_t lead, std::uint8_t trail, std::u16string& out)
    {
        if (PairCache.empty())
            PairCache.assign(0x10000, cUnknown);
        char16_t& cached = PairCache[static_cast<std::size_t>(lead << 8 | trail)];
        if (cached == cUnknown) {
            const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            if (!Iconv->Whole(std::string_view(bytes, 2), Scratch) || Scratch.empty())
                cached = cInvalid;
            else if (Scratch.size() == 2)
                cached = static_cast<char16_t>(static_cast<unsigned char>(Scratch[0]) |
                                               static_cast<unsigned char>(Scratch[1]) << 8);
            else {  // beyond one code unit: not cached
                AppendLE(Scratch, out);
                return true;
            }
        }
        if (cached == cInvalid)
            return false;
        out += cached;
        return true;
    }

    // Pair-cache markers; neither is a character a double-byte pair decodes to.
    static constexpr char16_t cUnknown = 0, cInvalid = 0xFFFF;
    std::vector<char16_t> PairCache;  // lead << 8 | trail -> character, filled on use
};

TVYXCodePageDecoder::TVYXCodePageDecoder(int codePage)
{
    const TCodePageInfo* info = FindInfo(codePage);
    if (!info)
        info = FindInfo(cVYXCodePageAnsi);
    FCodePage = info->CodePage;
    FImpl = std::make_unique<TImpl>(*info);
}

TVYXCodePageDecoder::~TVYXCodePageDecoder() = default;

void TVYXCodePageDecoder::PutByte(std::uint8_t byte, std::u16string& out)
{
    TImpl& impl = *FImpl;
    if (impl.Kind == kUtf8) {
        if (FPendingCount > 0) {
            if ((byte & 0xC0) == 0x80) {
                FPending[FPendingCount++] = byte;
                if (FPendingCount < Utf8Length(FPending[0]))
                    return;
                const std::string_view seq(reinterpret_cast<const char*>(FPending), static_cast<std::size_t>(FPendingCount));
                FPendingCount = 0;
                out += Utf8ToUtf16(seq);
                return;
            }
            // The sequence broke off: each of its bytes is one bad character (as in
            // whole-buffer UTF-8 conversion), and this byte starts afresh.
            out.append(static_cast<std::size_t>(FPendingCount), cReplacement);
            FPendingCount = 0;
        }
        if (byte < 0x80)
            out += static_cast<char16_t>(byte);
        else if (Utf8Length(byte) > 0)
            FPending[FPendingCount++] = byte;
        else
            out += cReplacement;
        return;
    }
    if (FPendingCount > 0) {
        FPendingCount = 0;
        if (impl.Pair(FPending[0], byte, out))
            return;
        out += cReplacement;
        // Bytes below 0x40 are never trail bytes: a control or ASCII character
        // after a stray lead byte is kept.
        if (byte >= 0x40)
            return;
    }
    if (impl.Lead[byte])
        FPending[FPendingCount++] = byte;
    else
        out += impl.Table[byte];
}

void TVYXCodePageDecoder::Put(std::string_view bytes, std::u16string& out)
{
    std::size_t i = 0;
    while (i < bytes.size() && FPendingCount > 0)
        PutByte(static_cast<std::uint8_t>(bytes[i++]), out);
    bytes.remove_prefix(i);
    if (FImpl->Kind == kTable) {
        // No lead bytes: one character per byte.
        const std::size_t start = out.size();
        out.resize(start + bytes.size());
        char16_t* dst = out.data() + start;
        const TByteTable& table = FImpl->Table;
        for (const char c : bytes)
            *dst++ = table[static_cast<unsigned char>(c)];
        return;
    }
    if (FImpl->Kind == kUtf8) {
        // Convert up to the start of a sequence the buffer cuts off; keep that for the next call.
        std::size_t cut = bytes.size();
        for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
            const auto b = static_cast<std::uint8_t>(bytes[bytes.size() - back]);
            if ((b & 0xC0) == 0x80)
                continue;
            if (Utf8Length(b) > static_cast<int>(back))
                cut = bytes.size() - back;
            break;
        }
        const std::string_view whole = bytes.substr(0, cut);
        for (std::size_t at = 0; at < whole.size();) {
            const auto b = static_cast<unsigned char>(whole[at]);
            if (b < 0x80) {
                out += static_cast<char16_t>(b);
                ++at;
            } else
                AppendUtf16(out, DecodeUtf8At(whole, at));
        }
        bytes.remove_prefix(cut);
    }
    for (const char c : bytes)
        PutByte(static_cast<std::uint8_t>(c), out);
}

void TVYXCodePageDecoder::Flush(std::u16string& out)
{
    out.append(static_cast<std::size_t>(FPendingCount), cReplacement);
    FPendingCount = 0;
}

std::u16string VYXDecodeCodePage(std::string_view bytes, int codePage)
{
    std::u16string out;
    if (codePage == cVYXCodePageUtf8)
        return Utf8ToUtf16(bytes);
    TVYXCodePageDecoder decoder(codePage);
    out.reserve(bytes.size());
    decoder.Put(bytes, out);
    decoder.Flush(out);
    return out;
}

// ---- Encoding ----

struct TVYXCodePageEncoder::TImpl {
    TKind Kind = kTable;
    int CodePage = cVYXCodePageAnsi;
    std::unordered_map<char16_t, char> Reverse;  // characters outside ASCII and Latin-1's identity
    std::unique_ptr<TIconv> Iconv;

    explicit TImpl(const TCodePageInfo& info) : Kind(info.Kind), CodePage(info.CodePage)
    {
        if (Kind == kUtf8)
            return;
        if (Kind == kDoubleByte) {
            Iconv = std::make_unique<TIconv>(info.IconvName, "UTF-16LE");
            if (Iconv->Valid())
                return;
            Iconv.reset();
            Kind = kTable;
            CodePage = cVYXCodePageAnsi;
        }
        TVYXCodePageDecoder decoder(CodePage);
        std::u16string chars;
        for (int b = 0; b < 256; ++b)
            decoder.PutByte(static_cast<std::uint8_t>(b), chars);
        for (std::size_t b = 0; b < chars.size(); ++b)
            if (chars[b] != cReplacement)
                Reverse.emplace(chars[b], static_cast<char>(b));  // the lowest byte wins
    }

    void PutTable(std::u16string_view text, std::string& out)
    {
        const bool latin = CodePage == 1252 || CodePage == 28591;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t c = text[i];
            if (c < 0x80 || (latin && c >= 0xA0 && c <= 0xFF)) {
                out += static_cast<char>(c);
                continue;
            }
            const auto it = Reverse.find(c);
            out += it != Reverse.end() ? it->second : '?';
            // A surrogate pair is one character, one "?".
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
                ++i;
        }
    }

    void PutIconv(std::u16string_view text, std::string& out)
    {
        std::string in;
        in.reserve(text.size() * 2);
        for (const char16_t c : text) {
            in += static_cast<char>(c & 0xFF);
            in += static_cast<char>(c >> 8);
        }
        iconv_t cd = Iconv->Handle();
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char* src = in.data();
        std::size_t srcLeft = in.size();
        char buffer[4096];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
            const int error = errno;
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (r != static_cast<std::size_t>(-1) || error == E2BIG)
                continue;
            out += '?';
            // Skip the character: two code units for a surrogate pair, else one.
            std::size_t skip = 2;
            const auto unit = [&](std::size_t at) {
                return static_cast<unsigned>(static_cast<unsigned char>(src[at]) | static_cast<unsigned char>(src[at + 1]) << 8);
            };
            if (srcLeft >= 4 && unit(0) >= 0xD800 && unit(0) < 0xDC00 && unit(2) >= 0xDC00 && unit(2) < 0xE000)
                skip = 4;
            skip = std::min(skip, srcLeft);
            src += skip;
            srcLeft -= skip;
        }
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        iconv(cd, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
    }
};

TVYXCodePageEncoder::TVYXCodePageEncoder(int codePage)
{
    const TCodePageInfo* info = FindInfo(codePage);
    if (!info)
        info = FindInfo(cVYXCodePageAnsi);
    FImpl = std::make_unique<TImpl>(*info);
    FCodePage = FImpl->CodePage;
}

TVYXCodePageEncoder::~TVYXCodePageEncoder() = default;

void TVYXCodePageEncoder::Put(std::u16string_view text, std::string& out)
{
    switch (FImpl->Kind) {
    case kUtf8:
        for (std::size_t i = 0; i < text.size(); ++i) {
            char32_t c = text[i];
            if (c < 0x80) {
                out += static_cast<char>(c);
                continue;
            }
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
                c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
            AppendUtf8(out, c);  // a lone surrogate becomes U+FFFD
        }
        break;
    case kDoubleByte: FImpl->PutIconv(text, out); break;
    case kTable: FImpl->PutTable(text, out); break;
    }
}

std::string VYXEncodeCodePage(std::u16string_view text, int codePage)
{
    std::string out;
    if (codePage == cVYXCodePageUtf8)
        return Utf16ToUtf8(text);
    TVYXCodePageEncoder encoder(codePage);
    out.reserve(text.size());
    encoder.Put(text, out);
    return out;
}
