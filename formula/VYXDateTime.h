// VYXDateTime.h: serial dates and times, day-count bases and workday calendars.
//
// A date-time is a double: whole days since 30 December 1899 plus the fraction
// of the day. From 1 March 1900 on these numbers equal the usual spreadsheet
// serial numbers; before that they are one higher, because this calendar has
// no 29 February 1900 (serial 60 is 28 February 1900, serial 2 is 1 January
// 1900, serial 1 is 31 December 1899). Negative serials are valid dates before the epoch. The supported range
// is 1 January 0001 (cVYXMinDate) to 31 December 9999 (cVYXMaxDate).
//
// Files written in the other counting (where serial 60 is the phantom
// 29 February 1900) are converted with VYXSerialFromPhantomLeap /
// VYXSerialToPhantomLeap.
#pragma once

#include "formula/VYXMathUtils.h"

#include <optional>
#include <string_view>
#include <vector>

struct TVYXLocaleSettings;

constexpr double cVYXMinDate = -693593;  // 0001-01-01
constexpr double cVYXMaxDate = 2958465;  // 9999-12-31

struct TVYXDate {
    int Year = 0, Month = 0, Day = 0;
};

struct TVYXTime {
    int Hour = 0, Minute = 0, Second = 0;
};

bool VYXIsLeapYear(int year);
int VYXDaysInMonth(int year, int month);

// The serial of a valid calendar date; nothing when the date does not exist or
// lies outside years 1..9999.
std::optional<double> VYXEncodeDate(int year, int month, int day);
// The calendar date of a serial (its day part, rounded down); nothing outside the range.
std::optional<TVYXDate> VYXDecodeDate(double serial);
// The time of day of a serial: hours and minutes as a clock shows them (cut,
// never carried into by rounding, so 23:59:59.9 keeps hour 23 and its day),
// seconds rounded to the nearest second within the minute (59.6 gives 0).
TVYXTime VYXDecodeTime(double serial);
// Day of the week, 0 = Sunday .. 6 = Saturday.
int VYXDayOfWeek(double serial);

// DATE(y, m, d): 1 January of year y, then m - 1 months, then d - 1 days, so
// months and days outside their ranges roll over. The year is taken as given
// (no offset for small years); a negative year is vneNum, and a year or result
// outside 1..9999 is vneNum too.
TVYXNumResult VYXDateSerial(double year, double month, double day);
// TIME(h, m, s): the fraction of a day, rolled into 0 <= t < 1; a negative
// total is vneNum.
TVYXNumResult VYXTimeSerial(double hour, double minute, double second);

// The same day `months` months later, clamped to the end of a shorter month (EDATE).
TVYXNumResult VYXEDate(double start, double months);
// The last day of the month `months` months after `start` (EOMONTH).
TVYXNumResult VYXEOMonth(double start, double months);

// WEEKDAY(serial, type): types 1 (Sunday = 1), 2 (Monday = 1), 3 (Monday = 0),
// 11..17 (Monday .. Sunday = 1); any other type is vneNum.
TVYXNumResult VYXWeekday(double serial, double type);

// DAYS360: the US method (european false) or the European one.
double VYXDays360(double start, double end, bool european);

// Day-count bases of YEARFRAC, ACCRINT and the coupon functions.
enum TXLSDateDiffMethod { xddmUS30_360, xddmActaul, xddm360, xddm365, xddmEU30_360 };

// The day count between two dates under a basis: 30/360 for bases 0 (with the
// end-of-February rules of YEARFRAC) and 4, actual days otherwise.
double VYXCoupDaysBetween(double start, double end, TXLSDateDiffMethod basis);
// The length of the year a basis divides by (360, 365, or the actual year for basis 1).
double VYXCoupDaysYear(double date, TXLSDateDiffMethod basis);
// The basis for a number argument; nothing for numbers outside 0..4.
std::optional<TXLSDateDiffMethod> VYXDateDiffMethod(double basis);
// YEARFRAC(start, end, basis); the dates may come in either order.
TVYXNumResult VYXYearFrac(double start, double end, double basis);

// A weekend as a set of days: bit 0 Monday .. bit 6 Sunday.
using TVYXWeekendMask = unsigned;
// The weekend of NETWORKDAYS.INTL / WORKDAY.INTL: a number 1..7 (two days,
// 1 = Saturday and Sunday), 11..17 (one day, 11 = Sunday), anything else nothing.
std::optional<TVYXWeekendMask> VYXWeekendFromNumber(double code);
// A text of seven "0"/"1" characters, Monday first; "1111111" is not allowed.
std::optional<TVYXWeekendMask> VYXWeekendFromText(std::u16string_view code);
// NETWORKDAYS(.INTL): working days from start to end inclusive, negative when
// end < start. Holidays are serials (day parts count; duplicates and weekend
// holidays are fine).
TVYXNumResult VYXNetWorkDays(double start, double end, TVYXWeekendMask weekend,
                             const std::vector<double>& holidays);
// WORKDAY(.INTL): the date `days` working days after (before, when negative) start.
TVYXNumResult VYXWorkDay(double start, double days, TVYXWeekendMask weekend,
                         const std::vector<double>& holidays);

// Parses a date and/or time text the way DATEVALUE and TIMEVALUE read it:
//   text  := date [time] | time
//   date  := num sep num [sep num] | num sep monthname [sep num] | monthname sep num [sep num]
//            where the order of the numbers follows the locale's short date format
//            (d, M, y), a first number of four digits means year-month-day, and sep is
//            the locale's date separator, "/", "-", "." or blanks (and "," after a name)
//   time  := num ":" num [":" num ["." digits]] [ampm] | num ampm
// A missing year is `currentYear`; two-digit years 0..29 are 2000..2029, 30..99
// 1930..1999. Month names are the locale's long and short names in any case.
std::optional<double> VYXParseDateTime(std::u16string_view text, const TVYXLocaleSettings& locale,
                                       int currentYear);

// Serials counted with a phantom 29 February 1900 (60 = that day, 1 = 1 January 1900);
// the phantom day itself becomes 1 March.
double VYXSerialFromPhantomLeap(double serial);
double VYXSerialToPhantomLeap(double serial);
