// VYXMathUtils.h: numeric results with error codes and the rounding rules of spreadsheet functions.
//
// The kernels in this folder (rounding, dates, finance) are pure functions on
// doubles so that the function handlers stay thin: a handler converts its
// arguments, calls one kernel and maps TVYXNumError onto the formula error
// value. No kernel raises; a domain problem is an error code in the result.
#pragma once

#include <string>

enum TVYXNumError {
    vneNone,   // Value is valid
    vneNum,    // "#NUM!": argument outside the domain, no convergence
    vneDiv0,   // "#DIV/0!"
    vneValue,  // "#VALUE!": argument of the wrong kind (unknown basis text, bad weekend string)
    vneNA,     // "#N/A"
};

struct TVYXNumResult {
    double Value = 0;
    TVYXNumError Error = vneNone;

    static TVYXNumResult Ok(double value) { return {value, vneNone}; }
    static TVYXNumResult Fail(TVYXNumError error) { return {0, error}; }
    bool IsOk() const { return Error == vneNone; }
};

// Rounds to 15 significant decimal digits. Spreadsheets show and round at this
// precision, so 0.1 + 0.2 rounded to one decimal is 0.3 and 2.675 (stored as
// 2.67499999...) counts as an exact half.
double VYXRound15(double value);

// How a digit string is cut at a decimal position.
enum TVYXRoundMode {
    vrmHalfAway,  // halves away from zero (ROUND with 0 digits, MROUND, the usual display rule)
    vrmHalfEven,  // halves to the even neighbour (ROUND with other digits)
    vrmUp,        // away from zero (ROUNDUP)
    vrmDown,      // toward zero (ROUNDDOWN, TRUNC)
};

// Rounds `value` to `digits` decimals (negative digits round to tens, hundreds,
// ...) on its 15-digit decimal form, never on the binary fraction.
double VYXRoundDigits(double value, int digits, TVYXRoundMode mode);

// The ROUND function: digits outside -20..20 give vneValue; digits are first
// rounded to an integer; 0 digits round halves away from zero (2.5 -> 3,
// -2.5 -> -3), any other count rounds halves to the even neighbour (0.25 with
// one decimal -> 0.2).
TVYXNumResult VYXRound(double value, double digits);
// ROUNDUP and ROUNDDOWN / TRUNC: digits truncated toward zero.
TVYXNumResult VYXRoundUp(double value, double digits);
TVYXNumResult VYXRoundDown(double value, double digits);

// MROUND: the nearest multiple, halves away from zero; signs that differ give vneNum.
TVYXNumResult VYXMRound(double value, double multiple);
// CEILING and FLOOR with the sign rules of the two-argument forms: a positive
// value with a negative significance is vneNum; a negative value with a negative
// significance rounds by magnitude; FLOOR by zero is vneDiv0, CEILING by zero 0.
TVYXNumResult VYXCeiling(double value, double significance);
TVYXNumResult VYXFloor(double value, double significance);
// The .PRECISE forms (and ISO.CEILING): the sign of the significance is ignored,
// CEILING goes toward +infinity and FLOOR toward -infinity; significance 0 gives 0.
double VYXCeilingPrecise(double value, double significance);
double VYXFloorPrecise(double value, double significance);
// EVEN and ODD: away from zero to the next even / odd integer.
double VYXEven(double value);
double VYXOdd(double value);

// The fixed-point text of |value| with `decimals` decimals (0..340), rounded
// half away from zero on its 15 significant digits: no sign, no grouping, "."
// as the point ("1234.50"; 1e20 gives "100000000000000000000", digits beyond
// the 15th are zeros). Display code adds the locale's separators.
std::string VYXFixedText(double value, int decimals);

// The significant digits of |value| rounded half away from zero to `count`
// digits (1..30) on its 15-digit form, and the power of ten of the first one:
// 2.675 with 3 digits gives "268" and exponent 0.
std::string VYXSignificantDigits(double value, int count, int& exponent);
