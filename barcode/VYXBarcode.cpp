// VYXBarcode.cpp: the encoders of the linear symbologies, from their published standards.
//
// Every encoder reads the (already trimmed) text, decides whether it can be
// encoded at all, sets the encoded text with its check digits and writes the
// pattern. An encoder that returns false leaves no pattern behind.
//
// Not supported: Code 128 characters above 127 (FNC4 extended Latin-1),
// Codabar check digits (the standard has none of its own), Code 128 FNC2/FNC3.
#include "barcode/VYXBarcode.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace {

constexpr const char* cClassName = "TVYXBarcode";
// Wider than any printed label needs, small enough that DoLines of the longest
// text at the widest module stays some tens of megabytes.
constexpr int cMaxModul = 100;
// Longer texts are no barcode anyone can scan; refusing them bounds the pattern.
constexpr size_t cMaxTextLength = 1024;

struct TTypeInfo {
    std::string_view Name;
    bool DigitsOnly;
};

constexpr TTypeInfo cTypes[cVYXBarcodeTypeCount] = {
    {" Unknown ", true},        {"2_5_interleaved", true}, {"2_5_industrial", true}, {"2_5_matrix", true},
    {"Code39", false},          {"Code39_Extended", false}, {"Code128A", false},     {"Code128B", false},
    {"Code128C", false},        {"Code93", false},         {"Code93_Extended", false}, {"MSI", true},
    {"PostNet", true},          {"Codebar", false},        {"EAN8", true},           {"EAN13", true},
    {"UPC_A", true},            {"UPC_E0", true},          {"UPC_E1", true},         {"UPC_Supp2", true},
    {"UPC_Supp5", true},        {"EAN128A", false},        {"EAN128B", false},       {"EAN128C", true},
    {"QR", false},
};

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
int DigitValue(char16_t c) { return c - u'0'; }
char16_t DigitChar(int d) { return static_cast<char16_t>(u'0' + d); }

bool AllDigits(std::u16string_view text)
{
    return std::all_of(text.begin(), text.end(), IsDigit);
}

// ---- pattern building -------------------------------------------------------
// Elements alternate bar, gap, bar ... (or gap first). Two notations are used by
// the tables below: module counts 1..4 for the symbologies built on a module
// grid, and 'n'/'w' for the narrow/wide symbologies.

void AppendElement(std::string& out, bool bar, int widthIndex)
{
    out += static_cast<char>((bar ? '5' : '0') + widthIndex);
}

// `widths` holds module counts '1'..'4'.
void AppendModules(std::string& out, std::string_view widths, bool barFirst)
{
    bool bar = barFirst;
    for (char w : widths) {
        AppendElement(out, bar, w - '1');
        bar = !bar;
    }
}

void AppendModulesReversed(std::string& out, std::string_view widths, bool barFirst)
{
    std::string reversed(widths.rbegin(), widths.rend());
    AppendModules(out, reversed, barFirst);
}

// `elements` holds 'n' (narrow) and 'w' (wide).
void AppendNarrowWide(std::string& out, std::string_view elements, bool barFirst)
{
    bool bar = barFirst;
    for (char e : elements) {
        AppendElement(out, bar, e == 'w' ? 1 : 0);
        bar = !bar;
    }
}

// ---- check digits -----------------------------------------------------------

// Weights 3 and 1 alternately, 3 at the rightmost digit.
int Modulo10(std::u16string_view digits)
{
    int sum = 0;
    bool three = true;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += DigitValue(*it) * (three ? 3 : 1);
        three = !three;
    }
    return (10 - sum % 10) % 10;
}

// MSI's modulo 10: every other digit from the right doubled, digit sums added.
int LuhnModulo10(std::u16string_view digits)
{
    int sum = 0;
    bool twice = true;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        int d = DigitValue(*it) * (twice ? 2 : 1);
        sum += d / 10 + d % 10;
        twice = !twice;
    }
    return (10 - sum % 10) % 10;
}

// POSTNET: the digit that brings the digit sum to a multiple of ten.
int DigitSumModulo10(std::u16string_view digits)
{
    int sum = 0;
    for (char16_t c : digits)
        sum += DigitValue(c);
    return (10 - sum % 10) % 10;
}

using TCheckFunc = int (*)(std::u16string_view);

// A symbology whose check digit is part of the symbol. With checksums on the
// text lacks the digit and gets it; otherwise the text carries it and it must
// be right, so a typo never becomes a scannable wrong number.
bool MandatoryCheck(const TVYXBarcode& bc, std::u16string_view text, size_t dataLength, TCheckFunc check)
{
    if (bc.FCheckSum && bc.FCheckSumMethod != csmNone)
        return text.size() == dataLength;
    return text.size() == dataLength + 1 && check(text.substr(0, dataLength)) == DigitValue(text[dataLength]);
}

std::u16string WithMandatoryCheck(const TVYXBarcode& bc, std::u16string_view text, TCheckFunc check)
{
    std::u16string cs(text);
    if (bc.FCheckSum && bc.FCheckSumMethod != csmNone)
        cs += DigitChar(check(text));
    return cs;
}

std::u16string WithOptionalCheck(const TVYXBarcode& bc, std::u16string_view text, TCheckFunc check)
{
    std::u16string cs(text);
    if (bc.FCheckSum && bc.FCheckSumMethod == csmModulo10)
        cs += DigitChar(check(text));
    return cs;
}

// ---- 2 of 5 family ----------------------------------------------------------

// Five elements per digit, two of them wide (weights 1 2 4 7 and parity).
constexpr std::string_view c2of5[10] = {"nnwwn", "wnnnw", "nwnnw", "wwnnn", "nnwnw",
                                        "wnwnn", "nwwnn", "nnnww", "wnnwn", "nwnwn"};

struct TEncodeResult {
    std::string Pattern;
    std::u16string TextCS;
};
using TEncoder = std::optional<TEncodeResult> (*)(const TVYXBarcode&, std::u16string_view);

std::optional<TEncodeResult> EncodeInterleaved(const TVYXBarcode& bc, std::u16string_view text)
{
    if (text.empty())
        return std::nullopt;
    std::u16string cs = WithOptionalCheck(bc, text, Modulo10);
    // Digits go in pairs; a leading zero changes neither the value nor the check digit.
    if (cs.size() % 2 != 0)
        cs.insert(cs.begin(), u'0');
    std::string p;
    AppendNarrowWide(p, "nnnn", true);
    for (size_t i = 0; i < cs.size(); i += 2) {
        std::string_view bars = c2of5[DigitValue(cs[i])];
        std::string_view gaps = c2of5[DigitValue(cs[i + 1])];
        for (size_t k = 0; k < 5; ++k) {
            AppendElement(p, true, bars[k] == 'w' ? 1 : 0);
            AppendElement(p, false, gaps[k] == 'w' ? 1 : 0);
        }
    }
    AppendNarrowWide(p, "wnn", true);
    return TEncodeResult{p, cs};
}

// Industrial 2 of 5 carries everything in the bars; each bar is followed by a narrow gap.
void AppendBarsOnly(std::string& p, std::string_view bars)
{
    for (char b : bars) {
        AppendElement(p, true, b == 'w' ? 1 : 0);
        AppendElement(p, false, 0);
    }
}

std::optional<TEncodeResult> EncodeIndustrial(const TVYXBarcode& bc, std::u16string_view text)
{
    if (text.empty())
        return std::nullopt;
    std::u16string cs = WithOptionalCheck(bc, text, Modulo10);
    std::string p;
    AppendBarsOnly(p, "wwn");
    for (char16_t c : cs)
        AppendBarsOnly(p, c2of5[DigitValue(c)]);
    AppendBarsOnly(p, "wnw");
    p.pop_back();  // no gap after the last bar
    return TEncodeResult{p, cs};
}

// Matrix 2 of 5: three bars and two gaps per digit, then a narrow gap.
std::optional<TEncodeResult> EncodeMatrix(const TVYXBarcode& bc, std::u16string_view text)
{
    if (text.empty())
        return std::nullopt;
    std::u16string cs = WithOptionalCheck(bc, text, Modulo10);
    std::string p;
    AppendNarrowWide(p, "wnnnnn", true);
    for (char16_t c : cs) {
        AppendNarrowWide(p, c2of5[DigitValue(c)], true);
        AppendElement(p, false, 0);
    }
    AppendNarrowWide(p, "wnnnn", true);
    return TEncodeResult{p, cs};
}

// ---- Code 39 and Code 93 ----------------------------------------------------

// The 43 data characters shared by Code 39 and Code 93, in value order.
constexpr std::string_view cCode39Chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

// Nine elements, bar first, three wide; the last entry is the start/stop '*'.
constexpr std::string_view cCode39[44] = {
    "nnnwwnwnn", "wnnwnnnnw", "nnwwnnnnw", "wnwwnnnnn", "nnnwwnnnw", "wnnwwnnnn", "nnwwwnnnn", "nnnwnnwnw",
    "wnnwnnwnn", "nnwwnnwnn", "wnnnnwnnw", "nnwnnwnnw", "wnwnnwnnn", "nnnnwwnnw", "wnnnwwnnn", "nnwnwwnnn",
    "nnnnnwwnw", "wnnnnwwnn", "nnwnnwwnn", "nnnnwwwnn", "wnnnnnnww", "nnwnnnnww", "wnwnnnnwn", "nnnnwnnww",
    "wnnnwnnwn", "nnwnwnnwn", "nnnnnnwww", "wnnnnnwwn", "nnwnnnwwn", "nnnnwnwwn", "wwnnnnnnw", "nwwnnnnnw",
    "wwwnnnnnn", "nwnnwnnnw", "wwnnwnnnn", "nwwnwnnnn", "nwnnnnwnw", "wwnnnnwnn", "nwwnnnwnn", "nwnwnwnnn",
    "nwnwnnnwn", "nwnnnwnwn", "nnnwnwnwn", "nwnnwnwnn"};
constexpr int cCode39Star = 43;

// Full ASCII: each ASCII character as one or two characters of the 43-character set.
std::string FullAsciiPair(char16_t c)
{
    auto pair = [](char shift, int letter) { return std::string{shift, static_cast<char>('A' + letter)}; };
    if (c == 0)
        return "%U";
    if (c <= 26)
        return pair('$', c - 1);
    if (c <= 31)
        return pair('%', c - 27);
    if (c == u' ' || c == u'-' || c == u'.' || IsDigit(c) || (c >= u'A' && c <= u'Z'))
        return std::string(1, static_cast<char>(c));
    if (c <= u'/')
        return pair('/', c - u'!');
    if (c == u':')
        return "/Z";
    if (c <= u'?')
        return pair('%', 5 + c - u';');
    if (c == u'@')
        return "%V";
    if (c <= u'_')
        return pair('%', 10 + c - u'[');
    if (c == u'`')
        return "%W";
    if (c <= u'z')
        return pair('+', c - u'a');
    return pair('%', 15 + c - u'{');
}

int Code39Value(char c)
{
    size_t pos = cCode39Chars.find(c);
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

// The text as values of the 43-character set, or nothing when a character has no code.
std::optional<std::vector<int>> Code39Values(std::u16string_view text, bool fullAscii)
{
    std::vector<int> values;
    for (char16_t c : text) {
        if (fullAscii) {
            if (c > 127)
                return std::nullopt;
            for (char e : FullAsciiPair(c))
                values.push_back(Code39Value(e));
        } else {
            int v = c < 128 ? Code39Value(static_cast<char>(c)) : -1;
            if (v < 0)
                return std::nullopt;
            values.push_back(v);
        }
    }
    return values;
}

std::optional<TEncodeResult> EncodeCode39Common(const TVYXBarcode& bc, std::u16string_view text, bool fullAscii)
{
    auto values = Code39Values(text, fullAscii);
    if (!values || values->empty())
        return std::nullopt;
    std::u16string cs(text);
    // The optional check character is the value sum modulo 43.
    if (bc.FCheckSum && bc.FCheckSumMethod != csmNone) {
        int sum = 0;
        for (int v : *values)
            sum += v;
        values->push_back(sum % 43);
        cs += static_cast<char16_t>(cCode39Chars[static_cast<size_t>(values->back())]);
    }
    std::string p;
    AppendNarrowWide(p, cCode39[cCode39Star], true);
    for (int v : *values) {
        AppendElement(p, false, 0);
        AppendNarrowWide(p, cCode39[v], true);
    }
    AppendElement(p, false, 0);
    AppendNarrowWide(p, cCode39[cCode39Star], true);
    return TEncodeResult{p, cs};
}

std::optional<TEncodeResult> EncodeCode39(const TVYXBarcode& bc, std::u16string_view text)
{
    return EncodeCode39Common(bc, text, false);
}

std::optional<TEncodeResult> EncodeCode39Extended(const TVYXBarcode& bc, std::u16string_view text)
{
    return EncodeCode39Common(bc, text, true);
}

// Code 93: bar, gap, bar, gap, bar, gap in modules; values 0-42 as Code 39's
// characters, 43-46 the shifts ($) (%) (/) (+).
constexpr std::string_view cCode93[47] = {
    "131112", "111213", "111312", "111411", "121113", "121212", "121311", "111114", "131211", "141111",
    "211113", "211212", "211311", "221112", "221211", "231111", "112113", "112212", "112311", "122112",
    "132111", "111123", "111222", "111321", "121122", "131121", "212112", "212211", "211122", "211221",
    "221121", "222111", "112122", "112221", "122121", "123111", "121131", "311112", "311211", "321111",
    "112131", "113121", "211131", "121221", "312111", "311121", "122211"};
constexpr std::string_view cCode93StartStop = "111141";

int Code93Check(const std::vector<int>& values, int maxWeight)
{
    int sum = 0;
    int weight = 1;
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        sum += *it * weight;
        weight = weight == maxWeight ? 1 : weight + 1;
    }
    return sum % 47;
}

std::optional<TEncodeResult> EncodeCode93Common(std::u16string_view text, bool fullAscii)
{
    std::vector<int> values;
    for (char16_t c : text) {
        if (c > 127)
            return std::nullopt;
        if (!fullAscii) {
            int v = Code39Value(static_cast<char>(c));
            if (v < 0)
                return std::nullopt;
            values.push_back(v);
            continue;
        }
        std::string pair = FullAsciiPair(c);
        if (pair.size() == 1) {
            values.push_back(Code39Value(pair[0]));
        } else {
            // The shift characters of Code 93 are their own symbols, not $ % / +.
            static constexpr std::string_view cShifts = "$%/+";
            values.push_back(43 + static_cast<int>(cShifts.find(pair[0])));
            values.push_back(Code39Value(pair[1]));
        }
    }
    if (values.empty())
        return std::nullopt;
    values.push_back(Code93Check(values, 20));
    values.push_back(Code93Check(values, 15));
    std::string p;
    AppendModules(p, cCode93StartStop, true);
    for (int v : values)
        AppendModules(p, cCode93[v], true);
    AppendModules(p, cCode93StartStop, true);
    AppendElement(p, true, 0);  // termination bar
    return TEncodeResult{p, std::u16string(text)};
}

std::optional<TEncodeResult> EncodeCode93(const TVYXBarcode&, std::u16string_view text)
{
    return EncodeCode93Common(text, false);
}

std::optional<TEncodeResult> EncodeCode93Extended(const TVYXBarcode&, std::u16string_view text)
{
    return EncodeCode93Common(text, true);
}

// ---- Code 128 and GS1-128 ---------------------------------------------------

// Bar, gap, bar, gap, bar, gap in modules for values 0-105; the stop has a 7th bar.
constexpr std::string_view cCode128[106] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232"};
constexpr std::string_view cCode128Stop = "2331112";

enum TCode128Set { c128A, c128B, c128C };
constexpr int c128Shift = 98;
constexpr int c128CodeC = 99;
constexpr int c128CodeB = 100;  // in sets A and C
constexpr int c128CodeA = 101;  // in sets B and C
constexpr int c128FNC1 = 102;
constexpr int c128StartA = 103;
constexpr int cFNC1Item = -1;  // FNC1 among the characters to encode
constexpr std::u16string_view cFNC1Markup = u"&FNC1;";

bool InSet(int item, TCode128Set set)
{
    if (item == cFNC1Item)
        return true;
    return set == c128A ? item < 96 : item >= 32;
}

int ValueInSet(int item, TCode128Set set)
{
    if (set == c128A && item < 32)
        return item + 64;
    return item - 32;
}

bool IsDigitItem(int item) { return item >= '0' && item <= '9'; }

size_t DigitRun(const std::vector<int>& items, size_t from)
{
    size_t n = 0;
    while (from + n < items.size() && IsDigitItem(items[from + n]))
        ++n;
    return n;
}

// The set for a character that set C cannot hold: A only for control characters.
TCode128Set LetterSet(int item) { return item >= 0 && item < 32 ? c128A : c128B; }

// Starts in the type's set when it can take the first character, switches only
// when a character needs another set (a single one through SHIFT), and returns
// to set C for even digit runs when C was asked for.
std::vector<int> Code128Values(const std::vector<int>& items, TCode128Set preferred, bool gs1)
{
    std::vector<int> values;
    TCode128Set set = preferred;
    if (set == c128C && DigitRun(items, 0) < 2 && !items.empty() && items[0] != cFNC1Item)
        set = LetterSet(items[0]);
    else if (set != c128C && !items.empty() && !InSet(items[0], set))
        set = set == c128A ? c128B : c128A;
    values.push_back(c128StartA + set);
    if (gs1)
        values.push_back(c128FNC1);
    for (size_t i = 0; i < items.size();) {
        int item = items[i];
        if (item == cFNC1Item) {
            values.push_back(c128FNC1);
            ++i;
            continue;
        }
        if (set == c128C) {
            if (DigitRun(items, i) >= 2) {
                values.push_back((item - '0') * 10 + items[i + 1] - '0');
                i += 2;
                continue;
            }
            set = LetterSet(item);
            values.push_back(set == c128A ? c128CodeA : c128CodeB);
            continue;
        }
        if (preferred == c128C) {
            size_t run = DigitRun(items, i);
            if (run >= 2 && run % 2 == 0) {
                set = c128C;
                values.push_back(c128CodeC);
                continue;
            }
        }
        if (InSet(item, set)) {
            values.push_back(ValueInSet(item, set));
            ++i;
            continue;
        }
        TCode128Set other = set == c128A ? c128B : c128A;
        if (i + 1 == items.size() || InSet(items[i + 1], set)) {
            values.push_back(c128Shift);
            values.push_back(ValueInSet(item, other));
        } else {
            values.push_back(other == c128A ? c128CodeA : c128CodeB);
            set = other;
            values.push_back(ValueInSet(item, set));
        }
        ++i;
    }
    int sum = values[0];
    for (size_t k = 1; k < values.size(); ++k)
        sum += static_cast<int>(k) * values[k];
    values.push_back(sum % 103);
    return values;
}

std::optional<TEncodeResult> EncodeCode128Common(std::u16string_view text, TCode128Set preferred, bool gs1)
{
    std::vector<int> items;
    bool hasData = false;
    for (size_t i = 0; i < text.size();) {
        if (gs1 && text.substr(i, cFNC1Markup.size()) == cFNC1Markup) {
            items.push_back(cFNC1Item);
            i += cFNC1Markup.size();
            continue;
        }
        if (text[i] > 127)
            return std::nullopt;
        items.push_back(text[i]);
        hasData = true;
        ++i;
    }
    if (!hasData)
        return std::nullopt;
    std::string p;
    for (int v : Code128Values(items, preferred, gs1))
        AppendModules(p, cCode128[v], true);
    AppendModules(p, cCode128Stop, true);
    return TEncodeResult{p, std::u16string(text)};
}

template <TCode128Set set, bool gs1>
std::optional<TEncodeResult> EncodeCode128(const TVYXBarcode&, std::u16string_view text)
{
    return EncodeCode128Common(text, set, gs1);
}

// ---- MSI, POSTNET, Codabar --------------------------------------------------

std::optional<TEncodeResult> EncodeMSI(const TVYXBarcode& bc, std::u16string_view text)
{
    if (text.empty())
        return std::nullopt;
    std::u16string cs = WithOptionalCheck(bc, text, LuhnModulo10);
    std::string p;
    AppendNarrowWide(p, "wn", true);
    for (char16_t c : cs) {
        int d = DigitValue(c);
        for (int bit = 3; bit >= 0; --bit)
            AppendNarrowWide(p, (d >> bit) & 1 ? "wn" : "nw", true);
    }
    AppendNarrowWide(p, "nwn", true);
    return TEncodeResult{p, cs};
}

// Five bars per digit, two of them tall (weights 7 4 2 1 0).
constexpr std::string_view cPostNet[10] = {"11000", "00011", "00101", "00110", "01001",
                                           "01010", "01100", "10001", "10010", "10100"};

std::optional<TEncodeResult> EncodePostNet(const TVYXBarcode& bc, std::u16string_view text)
{
    // ZIP, ZIP+4 and delivery point (ZIP+4 and two digits).
    constexpr size_t cLengths[] = {5, 9, 11};
    bool ok = std::any_of(std::begin(cLengths), std::end(cLengths),
                          [&](size_t n) { return MandatoryCheck(bc, text, n, DigitSumModulo10); });
    if (!ok)
        return std::nullopt;
    std::u16string cs = WithMandatoryCheck(bc, text, DigitSumModulo10);
    std::string p = "51";
    for (char16_t c : cs)
        for (char tall : cPostNet[DigitValue(c)]) {
            p += tall == '1' ? '5' : 'A';
            p += '1';
        }
    p += '5';
    return TEncodeResult{p, cs};
}

constexpr std::string_view cCodabarChars = "0123456789-$:/.+ABCD";
// Seven elements, bar first.
constexpr std::string_view cCodabar[20] = {
    "nnnnnww", "nnnnwwn", "nnnwnnw", "wwnnnnn", "nnwnnwn", "wnnnnwn", "nwnnnnw", "nwnnwnn", "nwwnnnn", "wnnwnnn",
    "nnnwwnn", "nnwwnnn", "wnnnwnw", "wnwnnnw", "wnwnwnn", "nnwnwnw", "nnwwnwn", "nwnwnnw", "nnnwnww", "nnnwwwn"};

bool IsCodabarStartStop(char16_t c) { return (c >= u'A' && c <= u'D') || (c >= u'a' && c <= u'd'); }

// Texts without their own start and stop characters get A and B.
std::optional<TEncodeResult> EncodeCodabar(const TVYXBarcode&, std::u16string_view text)
{
    std::u16string full(text);
    if (full.size() >= 2 && IsCodabarStartStop(full.front()) && IsCodabarStartStop(full.back()))
        full = AsciiUpper(full);
    else
        full = u"A" + full + u"B";
    if (full.size() < 3)
        return std::nullopt;
    std::string p;
    for (size_t i = 0; i < full.size(); ++i) {
        size_t v = full[i] < 128 ? cCodabarChars.find(static_cast<char>(full[i])) : std::string_view::npos;
        bool inner = i > 0 && i + 1 < full.size();
        if (v == std::string_view::npos || (inner && v >= 16))
            return std::nullopt;
        if (i > 0)
            AppendElement(p, false, 0);
        AppendNarrowWide(p, cCodabar[v], true);
    }
    return TEncodeResult{p, std::u16string(text)};
}

// ---- EAN and UPC ------------------------------------------------------------

// Set A (odd parity, gap first) in modules; set B is set A reversed and set C is
// set A starting with a bar.
constexpr std::string_view cEanA[10] = {"3211", "2221", "2122", "1411", "1132",
                                        "1231", "1114", "1312", "1213", "3112"};
// Which of digits 2-7 of an EAN-13 use set B, by the first digit.
constexpr std::string_view cEan13Parity[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                               "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
// UPC-E number system 0 by check digit; number system 1 swaps A and B.
constexpr std::string_view cUpcEParity[10] = {"BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA",
                                              "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB"};
constexpr std::string_view cSupp5Parity[10] = {"BBAAA", "BABAA", "BAABA", "BAAAB", "ABBAA",
                                               "AABBA", "AAABB", "ABABA", "ABAAB", "AABAB"};
constexpr std::string_view cSupp2Parity[4] = {"AA", "AB", "BA", "BB"};

constexpr std::string_view cGuard = "505";
constexpr std::string_view cCentreGuard = "05050";
constexpr std::string_view cUpcEEndGuard = "050505";
constexpr std::string_view cAddOnStart = "506";
constexpr std::string_view cAddOnSeparator = "05";

void AppendEanDigit(std::string& p, char16_t digit, char set)
{
    std::string_view widths = cEanA[DigitValue(digit)];
    if (set == 'A')
        AppendModules(p, widths, false);
    else if (set == 'B')
        AppendModulesReversed(p, widths, false);
    else
        AppendModules(p, widths, true);
}

std::optional<TEncodeResult> EncodeEAN8(const TVYXBarcode& bc, std::u16string_view text)
{
    if (!MandatoryCheck(bc, text, 7, Modulo10))
        return std::nullopt;
    std::u16string cs = WithMandatoryCheck(bc, text, Modulo10);
    std::string p(cGuard);
    for (size_t i = 0; i < 4; ++i)
        AppendEanDigit(p, cs[i], 'A');
    p += cCentreGuard;
    for (size_t i = 4; i < 8; ++i)
        AppendEanDigit(p, cs[i], 'C');
    p += cGuard;
    return TEncodeResult{p, cs};
}

// EAN-13 and UPC-A (an EAN-13 whose first digit is 0) share the layout.
std::string Ean13Pattern(std::u16string_view cs13)
{
    std::string_view parity = cEan13Parity[DigitValue(cs13[0])];
    std::string p(cGuard);
    for (size_t i = 1; i < 7; ++i)
        AppendEanDigit(p, cs13[i], parity[i - 1]);
    p += cCentreGuard;
    for (size_t i = 7; i < 13; ++i)
        AppendEanDigit(p, cs13[i], 'C');
    p += cGuard;
    return p;
}

std::optional<TEncodeResult> EncodeEAN13(const TVYXBarcode& bc, std::u16string_view text)
{
    if (!MandatoryCheck(bc, text, 12, Modulo10))
        return std::nullopt;
    std::u16string cs = WithMandatoryCheck(bc, text, Modulo10);
    return TEncodeResult{Ean13Pattern(cs), cs};
}

std::optional<TEncodeResult> EncodeUPCA(const TVYXBarcode& bc, std::u16string_view text)
{
    if (!MandatoryCheck(bc, text, 11, Modulo10))
        return std::nullopt;
    std::u16string cs = WithMandatoryCheck(bc, text, Modulo10);
    return TEncodeResult{Ean13Pattern(u"0" + cs), cs};
}

// The UPC-A number (number system, 5 manufacturer, 5 product digits) that a
// six-digit UPC-E stands for; the last UPC-E digit says where the zeros go.
std::u16string UpcEExpand(char16_t numberSystem, std::u16string_view e)
{
    std::u16string m, prod;
    switch (e[5]) {
    case u'0':
    case u'1':
    case u'2':
        m = {e[0], e[1], e[5], u'0', u'0'};
        prod = {u'0', u'0', e[2], e[3], e[4]};
        break;
    case u'3':
        m = {e[0], e[1], e[2], u'0', u'0'};
        prod = {u'0', u'0', u'0', e[3], e[4]};
        break;
    case u'4':
        m = {e[0], e[1], e[2], e[3], u'0'};
        prod = {u'0', u'0', u'0', u'0', e[4]};
        break;
    default:
        m = {e[0], e[1], e[2], e[3], e[4]};
        prod = {u'0', u'0', u'0', u'0', e[5]};
        break;
    }
    return std::u16string(1, numberSystem) + m + prod;
}

// Zero suppression of an 11-digit UPC-A number; nothing when it has too few zeros.
std::optional<std::u16string> UpcECompress(std::u16string_view a)
{
    std::u16string_view m = a.substr(1, 5), prod = a.substr(6, 5);
    const std::u16string candidates[] = {
        {m[0], m[1], prod[2], prod[3], prod[4], m[2]},
        {m[0], m[1], m[2], prod[3], prod[4], u'3'},
        {m[0], m[1], m[2], m[3], prod[4], u'4'},
        {m[0], m[1], m[2], m[3], m[4], prod[4]},
    };
    for (const auto& e : candidates)
        if (UpcEExpand(a[0], e) == a)
            return e;
    return std::nullopt;
}

// UPC-E takes the six UPC-E digits (optionally after their number system) or
// the UPC-A number they compress, each with or without its check digit as
// FCheckSum says.
std::optional<TEncodeResult> EncodeUPCE(const TVYXBarcode& bc, std::u16string_view text, char16_t numberSystem)
{
    const bool supplied = !(bc.FCheckSum && bc.FCheckSumMethod != csmNone);
    const size_t dataLength = text.size() - (supplied ? 1 : 0);
    std::u16string e, upca;
    if (dataLength == 6 || (dataLength == 7 && text[0] == numberSystem)) {
        e = text.substr(dataLength - 6, 6);
        upca = UpcEExpand(numberSystem, e);
    } else if (dataLength == 11 && text[0] == numberSystem) {
        upca = text.substr(0, 11);
        auto compressed = UpcECompress(upca);
        if (!compressed)
            return std::nullopt;
        e = *compressed;
    } else {
        return std::nullopt;
    }
    int check = Modulo10(upca);
    if (supplied && DigitValue(text.back()) != check)
        return std::nullopt;
    std::string_view parity = cUpcEParity[check];
    std::string p(cGuard);
    for (size_t i = 0; i < 6; ++i) {
        char set = parity[i];
        if (numberSystem == u'1')
            set = set == 'A' ? 'B' : 'A';
        AppendEanDigit(p, e[i], set);
    }
    p += cUpcEEndGuard;
    return TEncodeResult{p, std::u16string(1, numberSystem) + e + DigitChar(check)};
}

std::optional<TEncodeResult> EncodeUPCE0(const TVYXBarcode& bc, std::u16string_view text)
{
    return EncodeUPCE(bc, text, u'0');
}

std::optional<TEncodeResult> EncodeUPCE1(const TVYXBarcode& bc, std::u16string_view text)
{
    return EncodeUPCE(bc, text, u'1');
}

std::string AddOnPattern(std::u16string_view digits, std::string_view parity)
{
    std::string p(cAddOnStart);
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0)
            p += cAddOnSeparator;
        AppendEanDigit(p, digits[i], parity[i]);
    }
    return p;
}

std::optional<TEncodeResult> EncodeSupp2(const TVYXBarcode&, std::u16string_view text)
{
    if (text.size() != 2)
        return std::nullopt;
    int value = DigitValue(text[0]) * 10 + DigitValue(text[1]);
    return TEncodeResult{AddOnPattern(text, cSupp2Parity[value % 4]), std::u16string(text)};
}

std::optional<TEncodeResult> EncodeSupp5(const TVYXBarcode&, std::u16string_view text)
{
    if (text.size() != 5)
        return std::nullopt;
    int sum = 3 * (DigitValue(text[0]) + DigitValue(text[2]) + DigitValue(text[4])) +
              9 * (DigitValue(text[1]) + DigitValue(text[3]));
    return TEncodeResult{AddOnPattern(text, cSupp5Parity[sum % 10]), std::u16string(text)};
}

// Indexed by TVYXBarcodeType; nullptr where this class has no encoder.
constexpr TEncoder cEncoders[cVYXBarcodeTypeCount] = {
    nullptr,
    EncodeInterleaved,
    EncodeIndustrial,
    EncodeMatrix,
    EncodeCode39,
    EncodeCode39Extended,
    EncodeCode128<c128A, false>,
    EncodeCode128<c128B, false>,
    EncodeCode128<c128C, false>,
    EncodeCode93,
    EncodeCode93Extended,
    EncodeMSI,
    EncodePostNet,
    EncodeCodabar,
    EncodeEAN8,
    EncodeEAN13,
    EncodeUPCA,
    EncodeUPCE0,
    EncodeUPCE1,
    EncodeSupp2,
    EncodeSupp5,
    EncodeCode128<c128A, true>,
    EncodeCode128<c128B, true>,
    EncodeCode128<c128C, true>,
    nullptr,
};

bool IsGS1(TVYXBarcodeType type) { return type >= abctEAN128A && type <= abctEAN128C; }

// Symbologies whose elements are whole modules of 1 to 4.
bool UsesModuleGrid(TVYXBarcodeType type)
{
    switch (type) {
    case abct128A: case abct128B: case abct128C: case abct93: case abct93Extended:
    case abctEAN8: case abctEAN13: case abctUPC_A: case abctUPC_E0: case abctUPC_E1:
    case abctUPC_Supp2: case abctUPC_Supp5: case abctEAN128A: case abctEAN128B: case abctEAN128C:
        return true;
    default:
        return false;
    }
}

// Narrow/wide symbologies whose readers expect a ratio between 2 and 3.
bool ClampsRatio(TVYXBarcodeType type)
{
    return (type >= abct2_5_interleaved && type <= abct39Extended) || type == abctMSI || type == abctCodabar;
}

std::u16string Trim(std::u16string_view text)
{
    size_t b = 0, e = text.size();
    while (b < e && text[b] <= u' ')
        ++b;
    while (e > b && text[e - 1] <= u' ')
        --e;
    return std::u16string(text.substr(b, e - b));
}

std::u16string WithoutFNC1(std::u16string_view text)
{
    std::u16string out;
    for (size_t i = 0; i < text.size();) {
        if (text.substr(i, cFNC1Markup.size()) == cFNC1Markup) {
            i += cFNC1Markup.size();
            continue;
        }
        out += text[i++];
    }
    return out;
}

}  // namespace

std::string_view VYXBarcodeTypeName(TVYXBarcodeType type)
{
    return type >= 0 && type < cVYXBarcodeTypeCount ? cTypes[type].Name : cTypes[abctUnknown].Name;
}

TVYXBarcodeType VYXBarcodeTypeByName(std::string_view name)
{
    for (int t = 0; t < cVYXBarcodeTypeCount; ++t)
        if (SameTextAscii(cTypes[t].Name, name))
            return static_cast<TVYXBarcodeType>(t);
    return abctUnknown;
}

bool VYXBarcodeDigitsOnly(TVYXBarcodeType type)
{
    return type >= 0 && type < cVYXBarcodeTypeCount && cTypes[type].DigitsOnly;
}

void TVYXBarcode::Assign(const TVYXBarcode& source)
{
    FText = source.FText;
    FModul = source.FModul;
    FRatio = source.FRatio;
    FType = source.FType;
    FCheckSum = source.FCheckSum;
    FCheckSumMethod = source.FCheckSumMethod;
}

void TVYXBarcode::MakeModules()
{
    const int modul = std::clamp(FModul, 1, cMaxModul);
    double ratio = std::isfinite(FRatio) ? FRatio : 2.0;
    if (FType == abct2_5_matrix)
        ratio = std::clamp(ratio, 2.25, 3.0);
    else if (ClampsRatio(FType))
        ratio = std::clamp(ratio, 2.0, 3.0);
    else
        ratio = std::clamp(ratio, 1.0, 3.0);  // POSTNET's gaps: never thinner than a bar
    if (UsesModuleGrid(FType)) {
        FModules = {modul, 2 * modul, 3 * modul, 4 * modul};
        return;
    }
    const int wide = static_cast<int>(std::lround(modul * ratio));
    FModules = {modul, wide, wide * 3 / 2, wide * 2};
}

std::string TVYXBarcode::MakeData()
{
    std::string pattern;
    MakeData(pattern);
    return pattern;
}

void TVYXBarcode::MakeData(std::string& pattern)
{
    pattern.clear();
    MakeModules();
    std::u16string text = FText;
    if (VYXBarcodeDigitsOnly(FType)) {
        FText = Trim(FText);
        text = FText;
        if (!AllDigits(IsGS1(FType) ? WithoutFNC1(text) : text))
            return;
    }
    FValid = true;
    if (FType < 0 || FType > abctEAN128C || !cEncoders[FType])
        throw VYXException(std::string(cClassName) + ": wrong BarcodeType");
    std::optional<TEncodeResult> result;
    if (text.size() <= cMaxTextLength)
        result = cEncoders[FType](*this, text);
    if (!result) {
        FValid = false;
        FTextCS = text;
        return;
    }
    FTextCS = std::move(result->TextCS);
    pattern = std::move(result->Pattern);
}

void TVYXBarcode::OneBarProps(char code, int& width, TfrxBarLineType& lineType) const
{
    if (code >= '0' && code <= '3') {
        width = FModules[static_cast<size_t>(code - '0')];
        lineType = TfrxBarLineType::white;
    } else if (code >= '5' && code <= '8') {
        width = FModules[static_cast<size_t>(code - '5')];
        lineType = TfrxBarLineType::black;
    } else if (code >= 'A' && code <= 'D') {
        width = FModules[static_cast<size_t>(code - 'A')];
        lineType = TfrxBarLineType::black_half;
    } else {
        throw VYXException(std::string(cClassName) + ": internal Error");
    }
}

int TVYXBarcode::GetWidth(std::string_view pattern) const
{
    int total = 0;
    for (char c : pattern) {
        int width = 0;
        TfrxBarLineType kind;
        OneBarProps(c, width, kind);
        total += width;
    }
    return total;
}

int TVYXBarcode::GetWidth()
{
    return GetWidth(MakeData());
}

void TVYXBarcode::DoLines(std::string_view pattern, std::vector<TfrxBarLineType>& lines) const
{
    lines.clear();
    lines.reserve(static_cast<size_t>(GetWidth(pattern)));
    for (char c : pattern) {
        int width = 0;
        TfrxBarLineType kind;
        OneBarProps(c, width, kind);
        lines.insert(lines.end(), static_cast<size_t>(width), kind);
    }
}

std::vector<TVYXBarRun> TVYXBarcode::BarRuns(std::string_view pattern) const
{
    std::vector<TVYXBarRun> runs;
    int x = 0;
    for (char c : pattern) {
        int width = 0;
        TfrxBarLineType kind;
        OneBarProps(c, width, kind);
        if (kind != TfrxBarLineType::white && width > 0)
            runs.push_back({x, width, kind});
        x += width;
    }
    return runs;
}
