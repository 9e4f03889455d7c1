// VYXFinance.h: time value of money, cash-flow yields, depreciation and coupon schedules.
//
// Sign convention of the annuity functions: money paid out is negative,
// money received positive; `type` 0 pays at the end of each period, any
// other value at the start. Rates are per period. Every function returns
// vneNum for arguments outside its domain or when an iteration does not
// converge, never a non-finite number.
#pragma once

#include "formula/VYXDateTime.h"
#include "formula/VYXMathUtils.h"

#include <vector>

// PV, FV, PMT, NPER: the annuity equation
//   pv * (1 + r)^n + pmt * (1 + r * type) * ((1 + r)^n - 1) / r + fv = 0
// (with r = 0: pv + pmt * n + fv = 0) solved for one of its terms.
TVYXNumResult VYXPV(double rate, double nper, double pmt, double fv, double type);
TVYXNumResult VYXFV(double rate, double nper, double pmt, double pv, double type);
TVYXNumResult VYXPMT(double rate, double nper, double pv, double fv, double type);
TVYXNumResult VYXNPER(double rate, double pmt, double pv, double fv, double type);
// RATE: Newton's method on the annuity equation from `guess` (0.1 when the
// caller has none), at most cVYXRateIterations steps, converged when a step
// changes the rate by less than 1e-10 and the equation holds to 1e-9 of the
// flows. A step that would reach -1 is halved; when Newton fails, the rates
// around the guess are scanned for a sign change and bisected, so yields far
// from the guess are found where the usual programs give up.
constexpr int cVYXRateIterations = 100;
TVYXNumResult VYXRATE(double nper, double pmt, double pv, double fv, double type, double guess);
// IPMT and PPMT: the interest and principal parts of payment `per` (1..nper).
TVYXNumResult VYXIPMT(double rate, double per, double nper, double pv, double fv, double type);
TVYXNumResult VYXPPMT(double rate, double per, double nper, double pv, double fv, double type);
// ISPMT: interest of period `per` (counted from 0) of a loan with even principal repayment.
TVYXNumResult VYXISPMT(double rate, double per, double nper, double pv);

// NPV: values discounted from the end of period 1 on.
TVYXNumResult VYXNPV(double rate, const std::vector<double>& values);
// IRR: the rate where the NPV of the values (the first at period 0) is zero;
// solved as RATE from `guess`, vneNum without flows of both signs or a root.
TVYXNumResult VYXIRR(const std::vector<double>& values, double guess);
// MIRR: negative flows discounted at financeRate, positive ones compounded at reinvestRate.
TVYXNumResult VYXMIRR(const std::vector<double>& values, double financeRate, double reinvestRate);
// XNPV and XIRR: flows at dates (serials), discounted by (date - first date) / 365 years.
TVYXNumResult VYXXNPV(double rate, const std::vector<double>& values, const std::vector<double>& dates);
TVYXNumResult VYXXIRR(const std::vector<double>& values, const std::vector<double>& dates, double guess);

// Depreciation of an asset of `cost` down to `salvage` over `life` periods.
TVYXNumResult VYXSLN(double cost, double salvage, double life);
TVYXNumResult VYXSYD(double cost, double salvage, double life, double per);
// DB: fixed-declining balance with the rate rounded to three decimals; `month`
// is the number of months in the first year (the life then has a partial last year).
TVYXNumResult VYXDB(double cost, double salvage, double life, double period, double month);
// DDB: declining balance with `factor` (2 = double), never below salvage.
TVYXNumResult VYXDDB(double cost, double salvage, double life, double period, double factor);
// VDB: the declining-balance depreciation between the (fractional) periods
// start and end, switching to straight line on the remaining value when that
// gives more, unless noSwitch.
TVYXNumResult VYXVDB(double cost, double salvage, double life, double start, double end, double factor,
                     bool noSwitch);

// Coupon schedules of a security that pays `frequency` (1, 2 or 4) coupons a
// year on the day of the month of its maturity, counting back from maturity;
// a maturity on the last day of a month keeps coupons on last days. Settlement
// must lie before maturity; basis as in YEARFRAC.
TVYXNumResult VYXCoupPCD(double settlement, double maturity, double frequency, double basis);
TVYXNumResult VYXCoupNCD(double settlement, double maturity, double frequency, double basis);
TVYXNumResult VYXCoupNum(double settlement, double maturity, double frequency, double basis);
TVYXNumResult VYXCoupDayBS(double settlement, double maturity, double frequency, double basis);
TVYXNumResult VYXCoupDays(double settlement, double maturity, double frequency, double basis);
TVYXNumResult VYXCoupDaysNC(double settlement, double maturity, double frequency, double basis);
// ACCRINT: par * rate * the year fraction from issue to settlement.
TVYXNumResult VYXAccrInt(double issue, double settlement, double rate, double par, double frequency,
                         double basis);
