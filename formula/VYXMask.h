// VYXMask.h: spreadsheet-style number-format masks ("#,##0.00", "0%", "dd.mm.yyyy hh:mm").
//
// A mask is parsed once into up to four sections of entities and then applied
// to many values; report fields format every record through the same mask.
// Separators, month and day names and the AM/PM texts come from a
// TVYXLocaleSettings (the current one unless a mask is given its own).
//
// Grammar of a mask (letters of date codes in either case):
//   mask     := section [";" section [";" section [";" section]]]   (further ";" ignored)
//   section  := { item }
//   item     := '"' text '"' | "\" char | "_" char | "*" | "[" code "]"
//             | "#" | "0" | "?" | "." | "," | "%" | ("E" | "e") ("+" | "-") | "@"
//             | "d"+ | "m"+ | "y"+ | "h"+ | "s"+ | "AM/PM" | "am/pm" | "a/p"
//             | any other char (a literal)
//   code     := "$" symbol ["-" locale] | "h" | "hh" | "m" | "mm" | "s" | "ss"
//             | colour name | anything else (ignored)
// Sections: 1 positive (and default), 2 negative, 3 zero, 4 text. A ";" inside
// quotes or after a backslash does not split.
//
// Choices where the rules leave room:
//   - The minus sign of a negative value formatted by section 1 goes in front
//     of the whole text ("-$5"); a value that rounds to zero shows no minus.
//   - An empty section counts as absent ("0;;0" formats -5 as "-5").
//   - "?" after the decimal point counts as a decimal place like "0" and "#".
//   - Halves round away from zero on the value's 15 significant digits
//     (2.675 with two decimals gives 2.68).
//   - In a date-time section "." and "," print as themselves.
//   - A date-time section rounds to the millisecond and then cuts the parts as a
//     clock shows them (0.999999 is 23:59:59 of day 0); negative serials are
//     dates before the epoch, and elapsed codes of them carry a minus.
//   - Dates before 1 January 0001 or after 31 December 9999, and results longer
//     than 300 characters, fall back to the general float text.
//   - Fractions ("# ?/?", "# ??/??", "?/8"): the nearest fraction whose
//     denominator has at most as many digits as its placeholders (ties take
//     the smaller denominator), or the written denominator; with an integer
//     placeholder before the numerator the whole part goes there, else the
//     fraction is improper. A zero fraction shows blanks where it would stand.
//   - Conditions ("[>100]", "[<=-1]", "[=0]", "[<>5]") choose sections in
//     order: the first section whose condition holds; a following section
//     without a condition takes every other value (two conditional sections
//     and no third: the second takes the rest). A section whose condition
//     admits only negative values writes its own sign, like a negative
//     section; any other shows the minus.
//   - A fill ("*x") repeats x at its place to a width given to FormatNumber;
//     without a width it takes no room.
//   - Fractions of seconds ("ss.00", "hh:mm:ss.0", up to three digits) round
//     the time to that precision before it is cut into parts.
// Not supported: locale codes after "[$...-" (dropped). "##0.0E+0" keeps exponents at multiples of the number of
// integer placeholders.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TVYXLocaleSettings;

enum TMaskEntity {
    meNone,  // a "," kept only to print itself in date-time sections
    meLitteral,
    meString,
    mePlace,
    meSpace,
    meZero,
    meYear2,
    meYear4,
    meMonthDig1,
    meMonthDig2,
    meMonthShort,
    meMonthName,
    meMonthChar,
    meDayDig1,
    meDayDig2,
    meDayShort,
    meDayName,
    meHourDig1,
    meHourDig2,
    meHourDig1AmPm,
    meHourDig2AmPm,
    meHourElapsed,
    meMinuteDig1,
    meMinuteDig2,
    meMinuteElapsed,
    meSecondDig1,
    meSecondDig2,
    meSecondElapsed,
    meStrAmPmUpp,
    meStrAmPmLow,
    meStrap,
    meDecimalPos,
    mePercentPos,
    meFirstDigitPlace,
    meRightIndent,
    meFill,            // "*x": Char is the fill character
    meSecondFraction,  // ".0" .. ".000" after seconds: Text holds the zeros
};

// The condition of a "[>100]" code.
enum TMaskCondition { mcNone, mcLT, mcLE, mcEQ, mcGE, mcGT, mcNE };

enum TMaskFlag { mfGeneral, mfThousand, mfDecimals, mfPercent, mfScientific, mfIsDateTime, mfZero };

// A small set of TMaskFlag values.
class TMaskFlags {
public:
    bool Has(TMaskFlag flag) const { return (FBits >> flag) & 1u; }
    void Include(TMaskFlag flag) { FBits |= 1u << flag; }
    void Exclude(TMaskFlag flag) { FBits &= ~(1u << flag); }
    void Clear() { FBits = 0; }
    bool operator==(const TMaskFlags&) const = default;

private:
    unsigned FBits = 0;
};

// One entity of a section. Text holds a quoted string, a currency symbol or the
// letters of an elapsed code ("hh" pads to two digits); Char the literal of
// meLitteral and meNone, or the case of "a/p" ('a' or 'A').
struct TMaskData {
    TMaskEntity Entity = meNone;
    std::u16string Text;
    char16_t Char = 0;
};

// Owns the entities of one section, in mask order.
class TMaskDataList {
public:
    TMaskData& Add(TMaskEntity entity);
    TMaskData& Insert(std::size_t index, TMaskEntity entity);
    const TMaskData& GetItems(std::size_t i) const { return FItems[i]; }
    TMaskData& GetItems(std::size_t i) { return FItems[i]; }
    std::size_t Count() const { return FItems.size(); }
    void Clear() { FItems.clear(); }

private:
    std::vector<TMaskData> FItems;
};

constexpr std::uint32_t cMaskNoColor = 0xFF000000;

struct TFormatData {
    TMaskDataList Data;
    std::uint32_t Color = cMaskNoColor;  // 0x00RRGGBB of a colour code
    TMaskFlags Flags;
    int DataDecimalPos = -1;  // index of the meDecimalPos entity, -1 without one
    int DecimalCount = 0;     // digit placeholders between the point and any exponent
    int Div1000Cnt = 0;       // commas after the last digit placeholder, each / 1000
    int ExponentDigits = 0;   // digit placeholders after "E+" / "E-"
    bool ExponentPlus = false;  // "E+" shows "+" for positive exponents
    bool Present = false;       // the section was given and is not empty
    TMaskCondition Condition = mcNone;  // "[>100]": when the section applies
    double ConditionValue = 0;
    int FractionSlash = -1;    // index of the "/" of a fraction section, -1 without one
    int FixedDenominator = 0;  // "?/8": the written denominator, 0 for placeholders
    int SecondDecimals = 0;    // digits of fractional seconds ("ss.00" gives 2)
};

class TExcelMask {
public:
    TExcelMask() = default;
    // A mask on its own locale settings (borrowed; they must outlive the mask).
    explicit TExcelMask(std::u16string_view mask, const TVYXLocaleSettings* locale = nullptr);

    // Parses a mask; more than 255 characters raise
    // VYXException("Format string more than 255 characthers") and leave the old mask.
    void SetMask(std::u16string_view text);
    const std::u16string& Mask() const { return FMask; }
    // The locale to format with; nullptr means the current one at each call.
    void SetLocale(const TVYXLocaleSettings* locale) { FLocale = locale; }

    // Formats a number or a date-time serial; Color() then gives the colour of
    // the section used (cMaskNoColor when it named none).
    std::u16string FormatNumber(double value);
    // As FormatNumber, with a fill ("*x") repeated until the text is `width`
    // characters long (no longer than that when the text already is).
    std::u16string FormatNumber(double value, int width);
    std::uint32_t Color() const { return FColor; }
    // The colour of the section FormatNumber would use for the value.
    std::uint32_t ValueColor(double value) const;
    // True when the first section exists and is a date-time section.
    bool IsDateTime() const;
    void ClearData();

    // Sections 0 positive, 1 negative, 2 zero, 3 text.
    const TFormatData& Section(int index) const { return FSections[static_cast<std::size_t>(index)]; }

private:
    const TFormatData& Choose(double value, double& shown, bool& negative) const;
    const TVYXLocaleSettings& Locale() const;

    std::u16string FMask;
    TFormatData FSections[4];
    std::uint32_t FColor = cMaskNoColor;
    const TVYXLocaleSettings* FLocale = nullptr;
    bool FKeepFill = false;  // FormatNumber leaves the fill marks in (for the width form)
    char16_t FFill = 0;      // the fill character of the section last used
};

// The mask of the locale's currency format: the symbol placed and spaced as its
// positive and negative currency formats say, grouped digits and its currency
// decimals ("\"$\"#,##0.00;(\"$\"#,##0.00)" for en-US).
std::u16string XLSGetCurrencyFormat(const TVYXLocaleSettings& locale);
std::u16string XLSGetCurrencyFormat();

// The 0x00RRGGBB value of a colour code name (any case), or cMaskNoColor.
std::uint32_t XLSMaskColorByName(std::u16string_view name);
