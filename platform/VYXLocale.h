// VYXLocale.h: the locale settings that formatting and parsing code reads.
//
// The engine never consults the process locale (setlocale, localeconv): a
// number typed as "1,5" must mean the same thing whatever the machine says.
// Instead every locale-dependent routine reads a TVYXLocaleSettings, by
// default the one returned by VYXCurrentLocale(), which starts as en-US. A host
// that wants another locale installs its own with VYXSetCurrentLocale on the
// user-interface thread before formatting; the engine itself never changes it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

struct TVYXLocaleSettings {
    char16_t DecimalSeparator = u'.';
    char16_t ThousandSeparator = u',';
    char16_t ListSeparator = u',';
    char16_t DateSeparator = u'/';
    char16_t TimeSeparator = u':';
    // Date and time patterns in the host framework's notation (d, dd, ddd, dddd,
    // M, MM, MMM, MMMM, yy, yyyy, h, hh, H, HH, m, mm, s, ss, AM/PM).
    std::u16string ShortDateFormat = u"M/d/yyyy";
    std::u16string LongDateFormat = u"dddd, MMMM d, yyyy";
    std::u16string ShortTimeFormat = u"h:mm AM/PM";
    std::u16string LongTimeFormat = u"h:mm:ss AM/PM";
    std::u16string TimeAMString = u"AM";
    std::u16string TimePMString = u"PM";
    std::array<std::u16string, 12> ShortMonthNames{u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                   u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
    std::array<std::u16string, 12> LongMonthNames{u"January", u"February", u"March",     u"April",
                                                  u"May",     u"June",     u"July",      u"August",
                                                  u"September", u"October", u"November", u"December"};
    // Sunday first, as day-of-week numbers 1..7 count.
    std::array<std::u16string, 7> ShortDayNames{u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
    std::array<std::u16string, 7> LongDayNames{u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                               u"Thursday", u"Friday", u"Saturday"};
    std::u16string CurrencyString = u"$";
    // 0 = "$1", 1 = "1$", 2 = "$ 1", 3 = "1 $" (the host framework's positive currency formats).
    int CurrencyFormat = 0;
    // 0 = "($1)", 1 = "-$1", ... 15 (the host framework's negative currency formats).
    int NegCurrFormat = 0;
    int CurrencyDecimals = 2;

    static const TVYXLocaleSettings& EnUS();
};

// The settings the engine formats with; en-US until a host installs others.
const TVYXLocaleSettings& VYXCurrentLocale();
void VYXSetCurrentLocale(const TVYXLocaleSettings& settings);

// The shortest general text of a number with up to 15 significant digits, the
// locale's decimal separator, fixed notation while the decimal exponent is
// below 15 and the magnitude at least 1e-5, otherwise "1.5E+20" / "1E-10".
std::u16string VYXFloatToStr(double value, const TVYXLocaleSettings& locale = VYXCurrentLocale());

// Fixed notation with `decimals` digits after the separator; with `thousands`
// the integer part is grouped by the locale's thousands separator.
std::u16string VYXFloatToStrF(double value, int decimals, bool thousands,
                              const TVYXLocaleSettings& locale = VYXCurrentLocale());

// Parses a whole text as a number in the locale's notation: optional blanks,
// sign, digits with at most one decimal separator, optional exponent. Nothing
// else may follow. No value for anything else (including "", "inf", "nan").
std::optional<double> VYXStrToFloat(std::u16string_view text,
                                    const TVYXLocaleSettings& locale = VYXCurrentLocale());
