// VYXMaskTest.cpp: number-format masks, by hand and against the reference table.
#include "formula/VYXMask.h"

#include "formula/tests/VYXReferenceTable.h"
#include "platform/VYXException.h"
#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {
std::string Format(std::string_view mask, double value, const TVYXLocaleSettings& locale = TVYXLocaleSettings::EnUS())
{
    TExcelMask m(U16(mask), &locale);
    return U8(m.FormatNumber(value));
}

// Why this engine's text differs from the reference program's for a row of masks.tsv.
constexpr const char* cPointAlways = "the decimal point entity always writes the separator (\"#.##\" shows 1000.)";
constexpr const char* cCommaGroups = "a comma sets grouping as well as scaling, so \"0.0,\" groups the digits";
constexpr const char* cNoNegativeZero = "negative zero formats as zero, without a minus";
constexpr const char* cGeneralText = "general text is the 15-digit general float text (1E+20, 1.23456789E-10)";
constexpr const char* cEmptySection = "an empty section counts as absent, so section 1 formats the value";
constexpr const char* cAmPmCase = "am/pm gives the locale texts in lower case, A/P upper-case letters";
constexpr const char* cElapsedUnlimited = "elapsed counts are not limited (the reference shows #FMT)";
constexpr const char* cConditionSign =
    "a section chosen by a condition shows the minus unless its condition admits only negative values";
constexpr const char* cFractionHalves = "fraction numerators round halves away from zero (1.25 in tenths is 3/10)";
constexpr const char* cSecondsNoCarry = "fractional seconds never carry into the second, elapsed or not";
constexpr const char* cClockCut =
    "parts are cut from the value rounded to the millisecond, like a clock (0.999999 is 23:59:59)";

struct TMaskDifference {
    const char* Value;
    const char* Mask;
    const char* Expected;  // what this engine gives
    const char* Reason;
};

// Rows of masks.tsv where the reference program differs from the rules this engine follows.
constexpr TMaskDifference cMaskDifferences[] = {
    {"-1234.5678", "[>100]0;0.0", "-1234.6", cConditionSign},
    {"-0.5", "[>100]0;0.0", "-0.5", cConditionSign},
    {"1.25", "# ?/10", "1 3/10", cFractionHalves},
    {"-3.75", "# ?/10", "-3 8/10", cFractionHalves},
    {"-5", "[>100]0;0.0", "-5.0", cConditionSign},
    {"-100", "[>100]0;0.0", "-100.0", cConditionSign},
    {"-5", "[<=-1]\"neg\" 0;0.00", "neg 5", cConditionSign},
    {"-0.5", "[<=-1]\"neg\" 0;0.00", "-0.50", cConditionSign},
    {"-100", "[<=-1]\"neg\" 0;0.00", "neg 100", cConditionSign},
    {"-5", "[>=100]#,##0;[<100]0.0", "-5.0", cConditionSign},
    {"-0.5", "[>=100]#,##0;[<100]0.0", "-0.5", cConditionSign},
    {"-100", "[>=100]#,##0;[<100]0.0", "-100.0", cConditionSign},
    {"-5", "[=0]\"none\";0", "-5", cConditionSign},
    {"-0.5", "[=0]\"none\";0", "-1", cConditionSign},
    {"-100", "[=0]\"none\";0", "-100", cConditionSign},
    {"-5", "[Red][>100]0;[Blue]0", "-5", cConditionSign},
    {"-0.5", "[Red][>100]0;[Blue]0", "-1", cConditionSign},
    {"-100", "[Red][>100]0;[Blue]0", "-100", cConditionSign},
    {"1.0000115", "[h]:mm:ss.0", "24:00:00.9", cSecondsNoCarry},
    {"0", "#.##", ".", cPointAlways},
    {"-0", "#.##", ".", cPointAlways},
    {"1E+20", "#.##", "100000000000000000000.", cPointAlways},
    {"1.23456789E-10", "#.##", ".", cPointAlways},
    {"123456789012345678", "#.##", "123456789012346000.", cPointAlways},
    {"-0.004", "#.##", ".", cPointAlways},
    {"999.995", "#.##", "1000.", cPointAlways},
    {"0", "0.###", "0.", cPointAlways},
    {"-0", "0.###", "0.", cPointAlways},
    {"1E+20", "0.###", "100000000000000000000.", cPointAlways},
    {"1.23456789E-10", "0.###", "0.", cPointAlways},
    {"123456789012345678", "0.###", "123456789012346000.", cPointAlways},
    {"1E+20", "0.0,", "100,000,000,000,000,000.0", cCommaGroups},
    {"123456789012345678", "0.0,", "123,456,789,012,346.0", cCommaGroups},
    {"-0", "0.00E+00", "0.00E+00", cNoNegativeZero},
    {"-0", "0.0E-0", "0.0E0", cNoNegativeZero},
    {"-0", "##0.0E+0", "0.0E+0", cNoNegativeZero},
    {"1E+20", "General", "1E+20", cGeneralText},
    {"1.23456789E-10", "General", "1.23456789E-10", cGeneralText},
    {"1E+20", "@", "1E+20", cGeneralText},
    {"1.23456789E-10", "@", "1.23456789E-10", cGeneralText},
    {"0", "0;;", "0", cEmptySection},
    {"-0", "0;;", "0", cEmptySection},
    {"-1234.5678", "0;;", "-1235", cEmptySection},
    {"-0.5", "0;;", "-1", cEmptySection},
    {"-0.004", "0;;", "0", cEmptySection},
    {"0", ";;;", "0", cEmptySection},
    {"-0", ";;;", "0", cEmptySection},
    {"1234.5678", ";;;", "1234.5678", cEmptySection},
    {"-1234.5678", ";;;", "-1234.5678", cEmptySection},
    {"0.5", ";;;", "0.5", cEmptySection},
    {"-0.5", ";;;", "-0.5", cEmptySection},
    {"1E+20", ";;;", "1E+20", cEmptySection},
    {"1.23456789E-10", ";;;", "1.23456789E-10", cEmptySection},
    {"123456789012345678", ";;;", "1.23456789012346E+17", cEmptySection},
    {"0.005", ";;;", "0.005", cEmptySection},
    {"-0.004", ";;;", "-0.004", cEmptySection},
    {"2.675", ";;;", "2.675", cEmptySection},
    {"999.995", ";;;", "999.995", cEmptySection},
    {"-1234.5678", "0.00;;\"z\"", "-1234.57", cEmptySection},
    {"-0.5", "0.00;;\"z\"", "-0.50", cEmptySection},
    {"-0.004", "0.00;;\"z\"", "0.00", cEmptySection},
    {"36526.000011574", "h:mm:ss", "0:00:01", cClockCut},
    {"45292", "hh:mm am/pm", "12:00 am", cAmPmCase},
    {"45292.75", "hh:mm am/pm", "06:00 pm", cAmPmCase},
    {"0", "hh:mm am/pm", "12:00 am", cAmPmCase},
    {"1", "hh:mm am/pm", "12:00 am", cAmPmCase},
    {"59", "hh:mm am/pm", "12:00 am", cAmPmCase},
    {"60", "hh:mm am/pm", "12:00 am", cAmPmCase},
    {"61", "hh:mm am/pm", "12:00 am", cAmPmCase},
    {"2958465.999", "hh:mm am/pm", "11:58 pm", cAmPmCase},
    {"45351.5", "hh:mm am/pm", "12:00 pm", cAmPmCase},
    {"36526.000011574", "hh:mm am/pm", "12:00 am", cAmPmCase},
    {"0.999999", "hh:mm am/pm", "11:59 pm", cAmPmCase},
    {"1.5", "hh:mm am/pm", "12:00 pm", cAmPmCase},
    {"-1", "hh:mm am/pm", "12:00 am", cAmPmCase},
    {"45292.0000057", "hh:mm am/pm", "12:00 am", cAmPmCase},
    {"45292", "h A/P", "12 A", cAmPmCase},
    {"45292.75", "h A/P", "6 P", cAmPmCase},
    {"0", "h A/P", "12 A", cAmPmCase},
    {"1", "h A/P", "12 A", cAmPmCase},
    {"59", "h A/P", "12 A", cAmPmCase},
    {"60", "h A/P", "12 A", cAmPmCase},
    {"61", "h A/P", "12 A", cAmPmCase},
    {"2958465.999", "h A/P", "11 P", cAmPmCase},
    {"45351.5", "h A/P", "12 P", cAmPmCase},
    {"36526.000011574", "h A/P", "12 A", cAmPmCase},
    {"0.999999", "h A/P", "11 P", cAmPmCase},
    {"1.5", "h A/P", "12 P", cAmPmCase},
    {"-1", "h A/P", "12 A", cAmPmCase},
    {"45292.0000057", "h A/P", "12 A", cAmPmCase},
    {"2958465.999", "[h]:mm", "71003183:58", cElapsedUnlimited},
    {"0.999999", "[h]:mm", "23:59", cClockCut},
    {"2958465.999", "[mm]:ss", "4260191038:33", cElapsedUnlimited},
    {"0.999999", "[mm]:ss", "1439:59", cClockCut},
    {"2958465.999", "[ss]", "255611462313", cElapsedUnlimited},
    {"0.999999", "[ss]", "86399", cClockCut},
    {"2958465.999", "[hh]:mm:ss", "71003183:58:33", cElapsedUnlimited},
    {"0.999999", "[hh]:mm:ss", "23:59:59", cClockCut},
    {"36526.000011574", "mm:ss", "00:01", cClockCut},
    {"36526.000011574", "dd/mm/yyyy hh:mm:ss", "01/01/2000 00:00:01", cClockCut},
    {"0.999999", "dd/mm/yyyy hh:mm:ss", "30/12/1899 23:59:59", cClockCut},
    {"0.999999", "yyyy-mm-dd\\Thh:mm", "1899-12-30T23:59", cClockCut},
};
}  // namespace

TEST(MaskReference, MatchesReferenceTable)
{
    const auto rows = ReadReferenceTable("masks.tsv");
    ASSERT_GT(rows.size(), 500u) << "masks.tsv missing or short";
    int passed = 0, failed = 0, differences = 0;
    for (const auto& row : rows) {
        ASSERT_GE(row.size(), 2u);
        const std::string& value = row[0];
        const std::string& mask = row[1];
        std::string expected = row.size() > 2 ? row[2] : "";
        for (const auto& d : cMaskDifferences)
            if (value == d.Value && mask == d.Mask && d.Reason) {
                expected = d.Expected;
                ++differences;
            }
        const std::string actual = Format(mask, std::strtod(value.c_str(), nullptr));
        EXPECT_EQ(actual, expected) << "TEXT(" << value << ", \"" << mask << "\")";
        if (actual != expected)
            std::printf("[mismatch]\t%s\t%s\tours=[%s]\tref=[%s]\n", value.c_str(), mask.c_str(), actual.c_str(),
                        expected.c_str());
        ++(actual == expected ? passed : failed);
    }
    std::printf("[reference] masks passed %d failed %d (of which %d follow this engine's rules)\n", passed, failed,
                differences);
}

namespace {
struct TMaskCase {
    const char* Mask;
    double Value;
    const char* Expected;
};

void CheckCases(const std::vector<TMaskCase>& cases, const TVYXLocaleSettings& locale)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Mask) + " <- " + std::to_string(c.Value));
        EXPECT_EQ(Format(c.Mask, c.Value, locale), c.Expected);
    }
}

TVYXLocaleSettings German()
{
    TVYXLocaleSettings de;
    de.DecimalSeparator = u',';
    de.ThousandSeparator = u'.';
    de.TimeAMString = u"vorm.";
    de.TimePMString = u"nachm.";
    de.ShortMonthNames = {u"Jan", u"Feb", u"Mär", u"Apr", u"Mai", u"Jun", u"Jul", u"Aug", u"Sep", u"Okt", u"Nov", u"Dez"};
    de.LongMonthNames = {u"Januar", u"Februar", u"März",     u"April",   u"Mai",      u"Juni",
                         u"Juli",   u"August",  u"September", u"Oktober", u"November", u"Dezember"};
    de.ShortDayNames = {u"So", u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa"};
    de.LongDayNames = {u"Sonntag", u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag", u"Freitag", u"Samstag"};
    de.CurrencyString = u"€";
    de.CurrencyFormat = 3;
    de.NegCurrFormat = 8;
    return de;
}
}  // namespace

TEST(Mask, RulesOfTheFormat)
{
    CheckCases({
                   {"0.00", 3.14159, "3.14"},
                   {"#,##0", 1234567, "1,234,567"},
                   {"0%", 0.256, "26%"},
                   {"#,##0,", 1234567, "1,235"},
                   {"#,##0,,", 1234567890, "1,235"},
                   {"0;[Red](0);\"zero\"", -5, "(5)"},
                   {"0;[Red](0);\"zero\"", 0, "zero"},
                   {"dd.mm.yyyy", 45292, "01.01.2024"},
                   {"hh:mm", 0.75, "18:00"},
                   {"[h]:mm", 1.5, "36:00"},
                   {"h:mm AM/PM", 0.75, "6:00 PM"},
                   {"General", 1.5, "1.5"},
                   {"@", 1.5, "1.5"},
                   {"GENERAL", -2, "-2"},
                   {"\"x\"@", 3, "x3"},
                   {"", 0.1, "0.1"},
                   {"#.00", 0.5, ".50"},
                   {"??0.0?", 1.5, "  1.5 "},
                   {"000.000", 5.25, "005.250"},
                   {"0,000", 1, "0,001"},
                   {"\\$0.00", 2, "$2.00"},
                   {"0_)", 2, "2 "},
                   {"[$€-407] #,##0.00", 1234.5, "€ 1,234.50"},
                   {"0.00E+00", 12345, "1.23E+04"},
                   {"0.00E+00", 2.675, "2.68E+00"},
                   {"0.00E+00", 9.999, "1.00E+01"},
                   {"0.0E-0", 0.00012, "1.2E-4"},
                   {"##0.0E+0", 12345, "12.3E+3"},
                   {"0 \"m\"", 3, "3 m"},
                   {"0.0\\%", 3, "3.0%"},
               },
               TVYXLocaleSettings::EnUS());
}

TEST(Mask, SectionCounts)
{
    // One section formats every sign itself; two give negatives their own;
    // three add zero; the fourth (text) never formats a number.
    CheckCases({
                   {"0.0", -2, "-2.0"},
                   {"0.0", 0, "0.0"},
                   {"0.0;(0.0)", -2, "(2.0)"},
                   {"0.0;(0.0)", 2, "2.0"},
                   {"0.0;(0.0)", 0, "0.0"},
                   {"0.0;(0.0);\"-\"", 0, "-"},
                   {"0.0;(0.0);\"-\"", -2, "(2.0)"},
                   {"0.0;(0.0);0.00", 0, "0.00"},
                   {"0.0;(0.0);#", 0, ""},
                   {"0.0;(0.0);\"-\";\"text\"@", 7, "7.0"},
                   {"0;1;2;3;4;5", 0, "2"},  // further sections are ignored
                   {"\";\"0", 5, ";5"},      // a quoted ";" does not split
                   {"0;;", -5, "-5"},        // an empty section counts as absent
               },
               TVYXLocaleSettings::EnUS());
}

TEST(Mask, SignsZerosAndExtremes)
{
    CheckCases({
                   {"0.00", -0.0, "0.00"},
                   {"0.00", -0.004, "0.00"},  // rounds to zero: no minus
                   {"0.00;(0.00)", -0.0, "0.00"},
                   {"$#,##0", -5, "-$5"},
                   {"0", 1e20, "100000000000000000000"},
                   {"#,##0", 123456789012345678.0, "123,456,789,012,346,000"},
                   {"0.000", 1e-10, "0.000"},
                   {"0", 1e300, "1E+300"},  // longer than the result buffer: general text
                   {"0.00", 2.675, "2.68"},
                   {"0.00", 1.005, "1.01"},
                   {"0", 0.5, "1"},
                   {"0", -0.5, "-1"},
                   {"0", 999.5, "1000"},
                   {"0.00E+00", -1e-300, "-1.00E-300"},
                   {"0.00E+00", 1e308, "1.00E+308"},
               },
               TVYXLocaleSettings::EnUS());
}

TEST(Mask, DatesAndTimes)
{
    CheckCases({
                   {"yyyy-mm-dd", 60, "1900-02-28"},  // no 29 February 1900
                   {"yyyy-mm-dd", 61, "1900-03-01"},
                   {"yyyy-mm-dd", 1, "1899-12-31"},
                   {"yyyy-mm-dd", -1, "1899-12-29"},
                   {"yyyy-mm-dd", 2958465, "9999-12-31"},
                   {"yyyy-mm-dd", 2958466, "2958466"},  // beyond the calendar: general text
                   {"dddd d mmmm yy", 45351, "Thursday 29 February 24"},
                   {"ddd mmm", 45351, "Thu Feb"},
                   {"mmmmm", 45351, "F"},
                   {"m/d/yyyy h:mm", 45292.5, "1/1/2024 12:00"},
                   {"h:mm:ss", 0.999999, "23:59:59"},
                   {"mm:ss", 0.0125, "18:00"},        // mm before ss means minutes
                   {"h \"h\" m \"min\"", 0.5125, "12 h 18 min"},  // m after an hour code means minutes
                   {"m", 45292.5125, "1"},            // a lone m is the month
                   {"[mm]:ss", 0.5, "720:00"},
                   {"[ss]", 0.001, "86"},
                   {"[hh]", 0.01, "00"},
                   {"[h]:mm", -1, "-24:00"},
                   {"hh:mm am/pm", 0.25, "06:00 am"},
                   {"h a/p", 0.75, "6 p"},
                   {"h A/P", 0.25, "6 A"},
                   {"hh:mm AM/PM", 0, "12:00 AM"},
                   {"hh:mm AM/PM", 0.5, "12:00 PM"},
                   {"dd.mm.yyyy", 45292.9999999, "01.01.2024"},    // 23:59:59.991 is still that day
                   {"dd.mm.yyyy", 45292.999999999, "02.01.2024"},  // within half a millisecond: the next
               },
               TVYXLocaleSettings::EnUS());
}

TEST(Mask, LocaleSettings)
{
    const TVYXLocaleSettings de = German();
    CheckCases({
                   {"#,##0.00", 1234567.891, "1.234.567,89"},
                   {"0.0E+00", 12345, "1,2E+04"},
                   {"dd. mmmm yyyy", 45366, "15. März 2024"},
                   {"dddd", 45366, "Freitag"},
                   {"h:mm AM/PM", 0.75, "6:00 nachm."},
                   {"dd.mm.yyyy", 45292, "01.01.2024"},  // "." in a date is itself, not the decimal separator
                   {"General", 1.5, "1,5"},
               },
               de);
    EXPECT_EQ(U8(XLSGetCurrencyFormat(de)), "#,##0.00 \"€\";-#,##0.00 \"€\"");
    EXPECT_EQ(Format(U8(XLSGetCurrencyFormat(de)), -1234.5, de), "-1.234,50 €");
    EXPECT_EQ(U8(XLSGetCurrencyFormat(TVYXLocaleSettings::EnUS())), "\"$\"#,##0.00;(\"$\"#,##0.00)");
    EXPECT_EQ(Format(U8(XLSGetCurrencyFormat(TVYXLocaleSettings::EnUS())), -5, TVYXLocaleSettings::EnUS()), "($5.00)");
}

TEST(Mask, ParsedSections)
{
    TExcelMask m(u"#,##0.00_);[Red](#,##0.00);0;@");
    EXPECT_FALSE(m.IsDateTime());
    const TFormatData& positive = m.Section(0);
    EXPECT_TRUE(positive.Flags.Has(mfThousand));
    EXPECT_TRUE(positive.Flags.Has(mfDecimals));
    EXPECT_EQ(positive.DecimalCount, 2);
    EXPECT_EQ(positive.Div1000Cnt, 0);
    EXPECT_EQ(positive.Color, cMaskNoColor);
    EXPECT_EQ(m.Section(1).Color, 0xFF0000u);
    EXPECT_TRUE(m.Section(2).Flags.Has(mfZero));
    EXPECT_TRUE(m.Section(3).Flags.Has(mfGeneral));
    EXPECT_EQ(m.ValueColor(-1), 0xFF0000u);
    EXPECT_EQ(m.ValueColor(1), cMaskNoColor);
    m.FormatNumber(-1);
    EXPECT_EQ(m.Color(), 0xFF0000u);
    m.FormatNumber(1);
    EXPECT_EQ(m.Color(), cMaskNoColor);

    m.SetMask(u"hh:mm:ss");
    EXPECT_TRUE(m.IsDateTime());
    ASSERT_EQ(m.Section(0).Data.Count(), 5u);
    EXPECT_EQ(m.Section(0).Data.GetItems(2).Entity, meMinuteDig2);
    m.SetMask(u"mm/dd/yy");
    EXPECT_EQ(m.Section(0).Data.GetItems(0).Entity, meMonthDig2);
    m.SetMask(u"h:mm AM/PM");
    EXPECT_EQ(m.Section(0).Data.GetItems(0).Entity, meHourDig1AmPm);
    m.SetMask(u"d \"days\" 0");  // a digit placeholder turns a date section back into a number section
    EXPECT_FALSE(m.IsDateTime());
    m.ClearData();
    EXPECT_FALSE(m.Section(0).Present);
}

TEST(Mask, ColourNamesAndUnknownBrackets)
{
    // Looking up every name checks the sorted table behind the binary search.
    const std::pair<const char16_t*, std::uint32_t> colours[] = {
        {u"Black", 0x000000}, {u"BLUE", 0x0000FF},  {u"cyan", 0x00FFFF},  {u"Green", 0x00FF00},
        {u"Magenta", 0xFF00FF}, {u"Red", 0xFF0000}, {u"White", 0xFFFFFF}, {u"Yellow", 0xFFFF00},
    };
    for (const auto& [name, colour] : colours) {
        SCOPED_TRACE(U8(name));
        EXPECT_EQ(XLSMaskColorByName(name), colour);
        TExcelMask m(u"[" + std::u16string(name) + u"]0");
        EXPECT_EQ(m.ValueColor(1), colour);
        EXPECT_EQ(U8(m.FormatNumber(1)), "1");
    }
    EXPECT_EQ(XLSMaskColorByName(u"Orange"), cMaskNoColor);
    EXPECT_EQ(Format("[Color10][DBNum1]0.0", 2), "2.0");
    EXPECT_EQ(Format("[Red", 2), "2");  // an unclosed bracket swallows the rest
    EXPECT_EQ(Format("\"open", 2), "open");  // only literals: the number is not shown
    EXPECT_EQ(Format("\"Yes\";\"No\"", 2), "Yes");
    EXPECT_EQ(Format("\"Yes\";\"No\"", -2), "No");
}

TEST(Mask, LengthLimitAndHostileMasks)
{
    const std::u16string limit(255, u'0');
    EXPECT_NO_THROW(TExcelMask{limit});
    TExcelMask m(u"0.0");
    try {
        m.SetMask(limit + u"0");
        FAIL() << "no exception";
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "Format string more than 255 characthers");
    }
    EXPECT_EQ(U8(m.FormatNumber(1)), "1.0");  // the old mask stays
    // Masks made of every special character at once must not crash or hang.
    for (const char* mask : {"\\", "_", "*", "[", "]", "E+", "e-0", ".,.,", "%%%", "0.0.0", "#,##0.00E+00%", "[h][m][s]",
                             "AM/PM", "a/p", "yyyyyyyy mmmmmmmm dddddddd", "@@@", ";;;;;;;;;;;;;",
                             // found by fuzzing: more integer places than significant digits
                             "000000000000000000000000000000000000000000000.0000000000000000000000000000000E+0"}) {
        SCOPED_TRACE(mask);
        TExcelMask hostile(U16(mask));
        for (double v : {0.0, -1.5, 1e300, -1e-300, 45292.5, 1e15})
            EXPECT_LE(hostile.FormatNumber(v).size(), 300u);
    }
}
