// VYXFuncAddIns.h: the handlers of the add-in functions, the ones a call reaches by name.
//
// Add-ins are the functions current spreadsheets have built in beyond the
// numbered function table (GCD, IFS, XLOOKUP, CEILING.MATH, ...). A formula
// calls them as user functions; XLSAddInFunction finds the handler by name and
// runs it on a value stack of its own, so an add-in reads text, booleans,
// ranges and arrays exactly as a built-in handler does (VYXFuncHandlers.h).
#pragma once

#include <functional>
#include <string_view>

#include "formula/VYXFuncHandlers.h"

struct TXLSFuncCall;
struct TXLSFormulaValue;
class TValueStack;

// SUMIF's criterion rules ("<=5", "a*", TRUE, a number) as a test of one cell
// value (VYXFuncLookup.cpp).
std::function<bool(const TXLSFormulaValue&)> XLSMakeCriterion(const TValueStack& stack,
                                                               const TXLSFormulaValue& criteria);
// Case-insensitive match with "*" and "?".
bool XLSWildcardMatch(std::u16string_view mask, std::u16string_view text);

// Engineering and mathematics (VYXFuncAddInMath.cpp).
void XLSDoGcd(TXLSFuncCall& call);
void XLSDoLcm(TXLSFuncCall& call);
void XLSDoMRound(TXLSFuncCall& call);
void XLSDoSqrtPi(TXLSFuncCall& call);
void XLSDoIsEven(TXLSFuncCall& call);
void XLSDoIsOdd(TXLSFuncCall& call);
void XLSDoErf(TXLSFuncCall& call);
void XLSDoCeilingMath(TXLSFuncCall& call);
void XLSDoFloorMath(TXLSFuncCall& call);
void XLSDoArabic(TXLSFuncCall& call);
void XLSDoBase(TXLSFuncCall& call);
void XLSDoDecimal(TXLSFuncCall& call);
void XLSDoSequence(TXLSFuncCall& call);
void XLSDoConvert(TXLSFuncCall& call);
// BESSELJ, BESSELI, BESSELK, BESSELY (Kind 0..3) of x and a whole order n >= 0.
template <int Kind>
void XLSDoBessel(TXLSFuncCall& call);
// DEC2BIN .. HEX2OCT: From and To are the radixes 2, 8, 10, 16.
template <int From, int To>
void XLSDoRadix(TXLSFuncCall& call);

// Dates and finance (VYXFuncAddInDate.cpp).
void XLSDoEDate(TXLSFuncCall& call);
void XLSDoDateDif(TXLSFuncCall& call);
void XLSDoWeekNum(TXLSFuncCall& call);
void XLSDoIsoWeekNum(TXLSFuncCall& call);
void XLSDoDays(TXLSFuncCall& call);
void XLSDoEffect(TXLSFuncCall& call);
void XLSDoNominal(TXLSFuncCall& call);
template <bool Principal>
void XLSDoCumulative(TXLSFuncCall& call);  // CUMIPMT, CUMPRINC
template <bool Fraction>
void XLSDoDollarFraction(TXLSFuncCall& call);  // DOLLARDE, DOLLARFR
// COUPDAYBS .. COUPPCD; Kind indexes the schedule kernels.
template <int Kind>
void XLSDoCoupon(TXLSFuncCall& call);

// Logic, text and lookup (VYXFuncAddInLogic.cpp).
void XLSDoIfNa(TXLSFuncCall& call);
void XLSDoIfs(TXLSFuncCall& call);
void XLSDoSwitch(TXLSFuncCall& call);
void XLSDoXor(TXLSFuncCall& call);
void XLSDoConcat(TXLSFuncCall& call);
void XLSDoTextJoin(TXLSFuncCall& call);
void XLSDoNumberValue(TXLSFuncCall& call);
void XLSDoUniChar(TXLSFuncCall& call);
void XLSDoUnicode(TXLSFuncCall& call);
template <bool Max>
void XLSDoMaxMinIfs(TXLSFuncCall& call);  // MAXIFS, MINIFS
void XLSDoXLookup(TXLSFuncCall& call);
void XLSDoXMatch(TXLSFuncCall& call);
void XLSDoFilter(TXLSFuncCall& call);
