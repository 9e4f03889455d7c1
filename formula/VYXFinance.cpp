// VYXFinance.cpp: the financial kernels behind the function handlers.
#include "formula/VYXFinance.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
TVYXNumResult Finite(double value)
{
    return std::isfinite(value) ? TVYXNumResult::Ok(value) : TVYXNumResult::Fail(vneNum);
}

bool AllFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

double Timing(double type)
{
    return type != 0 ? 1.0 : 0.0;
}

// One Newton step from `rate`, halved until the new rate stays above -1: a
// full step from a guess far below a high yield would leave the domain.
double DampedStep(double rate, double step)
{
    double next = rate - step;
    for (int i = 0; i < 60 && next <= -1; ++i) {
        step /= 2;
        next = rate - step;
    }
    return next;
}

// (1 + r)^n - 1 without losing the small terms when r is tiny.
double GrowthMinusOne(double rate, double nper)
{
    return std::expm1(nper * std::log1p(rate));
}

// Newton's method on f (derivative df) from `guess`, with steps halved to stay
// above -1. Converged when the step is below 1e-10 (relative) and f is small
// against `scale`, the size of the flows. When Newton does not get there, the
// rates around the guess are scanned for a sign change of f and that bracket
// is bisected, so yields far from the guess are still found.
template <typename F, typename D>
TVYXNumResult SolveRate(double guess, double scale, F f, D df)
{
    constexpr int cIterations = 100;
    const double tolerance = 1e-9 * std::max(scale, 1e-300);
    double rate = guess;
    for (int i = 0; i < cIterations && rate > -1 && std::isfinite(rate); ++i) {
        const double value = f(rate), slope = df(rate);
        if (slope == 0 || !std::isfinite(slope) || !std::isfinite(value))
            break;
        const double next = DampedStep(rate, value / slope);
        if (std::fabs(next - rate) <= 1e-10 * std::max(1.0, std::fabs(next)) && std::fabs(f(next)) <= tolerance)
            return next > -1 ? TVYXNumResult::Ok(next) : TVYXNumResult::Fail(vneNum);
        rate = next;
    }
    static constexpr double cGrid[] = {-0.999, -0.99, -0.9, -0.75, -0.5, -0.25, -0.1, -0.01, 0.0, 0.01, 0.05,
                                       0.1,    0.2,   0.35, 0.5,   0.75, 1.0,   1.5,  2.0,  3.0, 5.0,  10.0,
                                       20.0,   50.0,  100.0, 1e3, 1e4,  1e5,  1e6};
    double bestLow = 0, bestHigh = 0, bestDistance = HUGE_VAL;
    for (std::size_t i = 0; i + 1 < std::size(cGrid); ++i) {
        const double a = cGrid[i], b = cGrid[i + 1];
        const double fa = f(a), fb = f(b);
        if (std::isfinite(fa) && std::isfinite(fb) && (fa < 0) != (fb < 0)) {
            const double distance = std::min(std::fabs(a - guess), std::fabs(b - guess));
            if (distance < bestDistance) {
                bestDistance = distance;
                bestLow = a;
                bestHigh = b;
            }
        }
    }
    if (!std::isfinite(bestDistance))
        return TVYXNumResult::Fail(vneNum);
    double low = bestLow, high = bestHigh;
    const bool lowNegative = f(low) < 0;
    for (int i = 0; i < 200 && high - low > 1e-15 * std::max(1.0, std::fabs(low)); ++i) {
        const double mid = (low + high) / 2;
        if ((f(mid) < 0) == lowNegative)
            low = mid;
        else
            high = mid;
    }
    return TVYXNumResult::Ok((low + high) / 2);
}
}  // namespace

TVYXNumResult VYXPV(double rate, double nper, double pmt, double fv, double type)
{
    if (!AllFinite({rate, nper, pmt, fv, type}))
        return TVYXNumResult::Fail(vneNum);
    if (rate == 0)
        return Finite(-(fv + pmt * nper));
    const double growth = std::pow(1 + rate, nper);
    return Finite(-(fv + pmt * (1 + rate * Timing(type)) * GrowthMinusOne(rate, nper) / rate) / growth);
}

TVYXNumResult VYXFV(double rate, double nper, double pmt, double pv, double type)
{
    if (!AllFinite({rate, nper, pmt, pv, type}))
        return TVYXNumResult::Fail(vneNum);
    if (rate == 0)
        return Finite(-(pv + pmt * nper));
    const double growth = std::pow(1 + rate, nper);
    return Finite(-(pv * growth + pmt * (1 + rate * Timing(type)) * GrowthMinusOne(rate, nper) / rate));
}

TVYXNumResult VYXPMT(double rate, double nper, double pv, double fv, double type)
{
    if (!AllFinite({rate, nper, pv, fv, type}))
        return TVYXNumResult::Fail(vneNum);
    if (nper == 0)
        return TVYXNumResult::Fail(vneNum);
    if (rate == 0)
        return Finite(-(pv + fv) / nper);
    const double growth = std::pow(1 + rate, nper);
    const double denominator = (1 + rate * Timing(type)) * GrowthMinusOne(rate, nper);
    if (denominator == 0)
        return TVYXNumResult::Fail(vneNum);
    return Finite(-rate * (fv + pv * growth) / denominator);
}

TVYXNumResult VYXNPER(double rate, double pmt, double pv, double fv, double type)
{
    if (!AllFinite({rate, pmt, pv, fv, type}))
        return TVYXNumResult::Fail(vneNum);
    if (rate == 0) {
        if (pmt == 0)
            return TVYXNumResult::Fail(vneNum);
        return Finite(-(pv + fv) / pmt);
    }
    if (rate <= -1)
        return TVYXNumResult::Fail(vneNum);
    const double paid = pmt * (1 + rate * Timing(type));
    const double ratio = (paid - fv * rate) / (paid + pv * rate);
    if (!(ratio > 0))
        return TVYXNumResult::Fail(vneNum);
    return Finite(std::log(ratio) / std::log1p(rate));
}

TVYXNumResult VYXRATE(double nper, double pmt, double pv, double fv, double type, double guess)
{
    if (!AllFinite({nper, pmt, pv, fv, type, guess}) || nper <= 0)
        return TVYXNumResult::Fail(vneNum);
    const double t = Timing(type);
    // The annuity equation and its derivative; at r = 0 their limits, where
    // the general form divides 0 by 0.
    auto f = [&](double rate) {
        if (std::fabs(rate) < 1e-12)
            return pv + pmt * nper + fv;
        return pv * std::pow(1 + rate, nper) + pmt * (1 + rate * t) * GrowthMinusOne(rate, nper) / rate + fv;
    };
    auto df = [&](double rate) {
        if (std::fabs(rate) < 1e-12)
            return pv * nper + pmt * (nper * (nper - 1) / 2 + t * nper);
        const double growth = std::pow(1 + rate, nper);
        const double annuity = GrowthMinusOne(rate, nper) / rate;
        const double dGrowth = nper * std::pow(1 + rate, nper - 1);
        const double dAnnuity = (dGrowth * rate - (growth - 1)) / (rate * rate);
        return pv * dGrowth + pmt * (t * annuity + (1 + rate * t) * dAnnuity);
    };
    return SolveRate(guess, std::fabs(pv) + std::fabs(pmt) * nper + std::fabs(fv), f, df);
}

TVYXNumResult VYXIPMT(double rate, double per, double nper, double pv, double fv, double type)
{
    if (!AllFinite({rate, per, nper, pv, fv, type}) || per < 1 || per > nper)
        return TVYXNumResult::Fail(vneNum);
    const auto pmt = VYXPMT(rate, nper, pv, fv, type);
    if (!pmt.IsOk())
        return pmt;
    const double t = Timing(type);
    if (per == 1 && t == 1)
        return TVYXNumResult::Ok(0);
    // The interest of a period is the rate on the balance after the previous one.
    const auto balance = VYXFV(rate, per - 1, pmt.Value, pv, t);
    if (!balance.IsOk())
        return balance;
    double interest = balance.Value * rate;
    if (t == 1)
        interest /= 1 + rate;
    return Finite(interest);
}

TVYXNumResult VYXPPMT(double rate, double per, double nper, double pv, double fv, double type)
{
    if (Timing(type) == 0 && rate != 0 && AllFinite({rate, per, nper, pv, fv}) && per >= 1 && per <= nper &&
        rate > -1) {
        // Principal parts grow by (1 + r) each period from -r (pv + fv) / ((1 + r)^n - 1);
        // payment minus interest would cancel away the digits at high rates.
        const double growthMinusOne = GrowthMinusOne(rate, nper);
        if (growthMinusOne == 0)
            return TVYXNumResult::Fail(vneNum);
        return Finite(-rate * (pv + fv) / growthMinusOne * std::pow(1 + rate, per - 1));
    }
    const auto pmt = VYXPMT(rate, nper, pv, fv, type);
    const auto ipmt = VYXIPMT(rate, per, nper, pv, fv, type);
    if (!pmt.IsOk())
        return pmt;
    if (!ipmt.IsOk())
        return ipmt;
    return Finite(pmt.Value - ipmt.Value);
}

TVYXNumResult VYXISPMT(double rate, double per, double nper, double pv)
{
    if (nper == 0)
        return TVYXNumResult::Fail(vneDiv0);
    return Finite(pv * rate * (per / nper - 1));
}

TVYXNumResult VYXNPV(double rate, const std::vector<double>& values)
{
    if (rate == -1)
        return TVYXNumResult::Fail(vneDiv0);
    double sum = 0, factor = 1;
    for (double v : values) {
        factor *= 1 + rate;
        sum += v / factor;
    }
    return Finite(sum);
}

namespace {
double Scale(const std::vector<double>& values)
{
    double sum = 0;
    for (double v : values)
        sum += std::fabs(v);
    return sum;
}

bool HasBothSigns(const std::vector<double>& values)
{
    const bool positive = std::any_of(values.begin(), values.end(), [](double v) { return v > 0; });
    const bool negative = std::any_of(values.begin(), values.end(), [](double v) { return v < 0; });
    return positive && negative;
}

}  // namespace

TVYXNumResult VYXIRR(const std::vector<double>& values, double guess)
{
    if (!HasBothSigns(values) || !std::isfinite(guess))
        return TVYXNumResult::Fail(vneNum);
    auto npv = [&](double r) {
        double sum = 0;
        for (std::size_t i = 0; i < values.size(); ++i)
            sum += values[i] / std::pow(1 + r, static_cast<double>(i));
        return sum;
    };
    auto slope = [&](double r) {
        double sum = 0;
        for (std::size_t i = 1; i < values.size(); ++i)
            sum -= static_cast<double>(i) * values[i] / std::pow(1 + r, static_cast<double>(i) + 1);
        return sum;
    };
    return SolveRate(guess, Scale(values), npv, slope);
}

TVYXNumResult VYXMIRR(const std::vector<double>& values, double financeRate, double reinvestRate)
{
    if (values.size() < 2 || financeRate == -1 || reinvestRate == -1)
        return TVYXNumResult::Fail(vneDiv0);
    double positive = 0, negative = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double n = static_cast<double>(i);
        if (values[i] > 0)
            positive += values[i] / std::pow(1 + reinvestRate, n);
        else
            negative += values[i] / std::pow(1 + financeRate, n);
    }
    if (positive == 0 || negative == 0)
        return TVYXNumResult::Fail(vneDiv0);
    const double n = static_cast<double>(values.size());
    const double ratio = -positive * std::pow(1 + reinvestRate, n - 1) / negative;
    return Finite(std::pow(ratio, 1 / (n - 1)) - 1);
}

TVYXNumResult VYXXNPV(double rate, const std::vector<double>& values, const std::vector<double>& dates)
{
    if (values.size() != dates.size() || values.empty() || rate <= -1)
        return TVYXNumResult::Fail(vneNum);
    const double first = std::floor(dates[0]);
    double sum = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double years = (std::floor(dates[i]) - first) / 365;
        if (years < 0)
            return TVYXNumResult::Fail(vneNum);
        sum += values[i] / std::pow(1 + rate, years);
    }
    return Finite(sum);
}

TVYXNumResult VYXXIRR(const std::vector<double>& values, const std::vector<double>& dates, double guess)
{
    if (values.size() != dates.size() || values.size() < 2 || !HasBothSigns(values))
        return TVYXNumResult::Fail(vneNum);
    const double first = std::floor(dates[0]);
    for (double d : dates)
        if (std::floor(d) < first)
            return TVYXNumResult::Fail(vneNum);
    auto npv = [&](double r) {
        double sum = 0;
        for (std::size_t i = 0; i < values.size(); ++i)
            sum += values[i] / std::pow(1 + r, (std::floor(dates[i]) - first) / 365);
        return sum;
    };
    auto slope = [&](double r) {
        double sum = 0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            const double years = (std::floor(dates[i]) - first) / 365;
            sum -= years * values[i] / std::pow(1 + r, years + 1);
        }
        return sum;
    };
    return SolveRate(guess, Scale(values), npv, slope);
}

TVYXNumResult VYXSLN(double cost, double salvage, double life)
{
    if (life == 0)
        return TVYXNumResult::Fail(vneDiv0);
    return Finite((cost - salvage) / life);
}

TVYXNumResult VYXSYD(double cost, double salvage, double life, double per)
{
    if (life <= 0 || per <= 0 || per > life)
        return TVYXNumResult::Fail(vneNum);
    return Finite((cost - salvage) * (life - per + 1) * 2 / (life * (life + 1)));
}

TVYXNumResult VYXDB(double cost, double salvage, double life, double period, double month)
{
    if (!AllFinite({cost, salvage, life, period, month}) || cost <= 0 || salvage < 0 || life <= 0 ||
        period <= 0 || month < 1 || month > 12)
        return TVYXNumResult::Fail(vneNum);
    const double per = std::trunc(period);
    const double months = std::trunc(month);
    if (per > life + 1 || (months == 12 && per > life) || per > 10000)
        return TVYXNumResult::Fail(vneNum);
    const double rate = VYXRoundDigits(1 - std::pow(salvage / cost, 1 / life), 3, vrmHalfAway);
    double total = cost * rate * months / 12;
    if (per == 1)
        return Finite(total);
    for (double p = 2; p < per; ++p)
        total += (cost - total) * rate;
    const double last = per > life ? (12 - months) / 12 : 1;
    return Finite((cost - total) * rate * last);
}

TVYXNumResult VYXDDB(double cost, double salvage, double life, double period, double factor)
{
    if (!AllFinite({cost, salvage, life, period, factor}) || cost < 0 || salvage < 0 || salvage > cost ||
        life <= 0 || period <= 0 || factor <= 0 || period > life)
        return TVYXNumResult::Fail(vneNum);
    const double rate = factor / life;
    double before = 0, after = 0;
    if (rate >= 1) {
        before = period == 1 ? cost : 0;
        after = 0;
    } else {
        before = cost * std::pow(1 - rate, period - 1);
        after = cost * std::pow(1 - rate, period);
    }
    const double depreciation = after < salvage ? before - salvage : before - after;
    return Finite(std::max(depreciation, 0.0));
}

namespace {
// The depreciation of each whole period 1..ceil(life) of VDB.
std::vector<double> VdbSchedule(double cost, double salvage, double life, double factor, bool noSwitch)
{
    const auto periods = static_cast<std::size_t>(std::ceil(life));
    std::vector<double> schedule;
    schedule.reserve(periods);
    double value = cost;
    bool straight = false;
    double straightAmount = 0;
    for (std::size_t p = 0; p < periods; ++p) {
        double amount = 0;
        if (straight) {
            amount = straightAmount;
        } else {
            amount = std::min(value * factor / life, std::max(value - salvage, 0.0));
            const double remaining = life - static_cast<double>(p);
            const double line = (value - salvage) / remaining;
            if (!noSwitch && line > amount) {
                straight = true;
                straightAmount = line;
                amount = line;
            }
        }
        amount = std::min(amount, std::max(value - salvage, 0.0));
        schedule.push_back(amount);
        value -= amount;
    }
    return schedule;
}
}  // namespace

TVYXNumResult VYXVDB(double cost, double salvage, double life, double start, double end, double factor,
                     bool noSwitch)
{
    if (!AllFinite({cost, salvage, life, start, end, factor}) || cost < 0 || salvage < 0 || life <= 0 ||
        start < 0 || end < start || end > life || factor <= 0 || life > 100000)
        return TVYXNumResult::Fail(vneNum);
    const std::vector<double> schedule = VdbSchedule(cost, salvage, life, factor, noSwitch);
    // Fractions of a period take that share of the period's depreciation.
    double total = 0;
    for (std::size_t p = 0; p < schedule.size(); ++p) {
        const double from = std::max(start, static_cast<double>(p));
        const double to = std::min(end, static_cast<double>(p + 1));
        if (to > from)
            total += schedule[p] * (to - from);
    }
    return Finite(total);
}

namespace {
struct TCouponArgs {
    double Settlement, Maturity;
    int Months;  // months between coupons
    TXLSDateDiffMethod Basis;
};

std::optional<TCouponArgs> CouponArgs(double settlement, double maturity, double frequency, double basis)
{
    const auto method = VYXDateDiffMethod(basis);
    const double s = std::floor(settlement), m = std::floor(maturity);
    if (!method || s >= m || !VYXDecodeDate(s) || !VYXDecodeDate(m))
        return std::nullopt;
    if (frequency != 1 && frequency != 2 && frequency != 4)
        return std::nullopt;
    return TCouponArgs{s, m, 12 / static_cast<int>(frequency), *method};
}

// The coupon date k periods before maturity, each computed from maturity so
// short months do not make the day drift.
double CouponDate(const TCouponArgs& a, long k)
{
    const auto m = VYXDecodeDate(a.Maturity);
    const bool endOfMonth = m->Day == VYXDaysInMonth(m->Year, m->Month);
    const double months = -static_cast<double>(k) * a.Months;
    return (endOfMonth ? VYXEOMonth(a.Maturity, months) : VYXEDate(a.Maturity, months)).Value;
}

// Periods back from maturity to the last coupon date on or before settlement.
long PeriodsBack(const TCouponArgs& a)
{
    // Start below the answer (a year has at most 366 days) and walk back in time.
    long k = static_cast<long>((a.Maturity - a.Settlement) / 366 * 12 / a.Months);
    while (CouponDate(a, k) > a.Settlement)
        ++k;
    while (k > 1 && CouponDate(a, k - 1) <= a.Settlement)
        --k;
    return k;
}
}  // namespace

TVYXNumResult VYXCoupPCD(double settlement, double maturity, double frequency, double basis)
{
    const auto a = CouponArgs(settlement, maturity, frequency, basis);
    if (!a)
        return TVYXNumResult::Fail(vneNum);
    return TVYXNumResult::Ok(CouponDate(*a, PeriodsBack(*a)));
}

TVYXNumResult VYXCoupNCD(double settlement, double maturity, double frequency, double basis)
{
    const auto a = CouponArgs(settlement, maturity, frequency, basis);
    if (!a)
        return TVYXNumResult::Fail(vneNum);
    return TVYXNumResult::Ok(CouponDate(*a, PeriodsBack(*a) - 1));
}

TVYXNumResult VYXCoupNum(double settlement, double maturity, double frequency, double basis)
{
    const auto a = CouponArgs(settlement, maturity, frequency, basis);
    if (!a)
        return TVYXNumResult::Fail(vneNum);
    return TVYXNumResult::Ok(static_cast<double>(PeriodsBack(*a)));
}

TVYXNumResult VYXCoupDayBS(double settlement, double maturity, double frequency, double basis)
{
    const auto a = CouponArgs(settlement, maturity, frequency, basis);
    if (!a)
        return TVYXNumResult::Fail(vneNum);
    return TVYXNumResult::Ok(VYXCoupDaysBetween(CouponDate(*a, PeriodsBack(*a)), a->Settlement, a->Basis));
}

TVYXNumResult VYXCoupDays(double settlement, double maturity, double frequency, double basis)
{
    const auto a = CouponArgs(settlement, maturity, frequency, basis);
    if (!a)
        return TVYXNumResult::Fail(vneNum);
    switch (a->Basis) {
    case xddmActaul: {
        const long k = PeriodsBack(*a);
        return TVYXNumResult::Ok(CouponDate(*a, k - 1) - CouponDate(*a, k));
    }
    case xddm365:
        return TVYXNumResult::Ok(365.0 / (12 / a->Months));
    default:
        return TVYXNumResult::Ok(360.0 / (12 / a->Months));
    }
}

TVYXNumResult VYXCoupDaysNC(double settlement, double maturity, double frequency, double basis)
{
    const auto a = CouponArgs(settlement, maturity, frequency, basis);
    if (!a)
        return TVYXNumResult::Fail(vneNum);
    if (a->Basis == xddmUS30_360 || a->Basis == xddmEU30_360) {
        const auto days = VYXCoupDays(settlement, maturity, frequency, basis);
        const auto before = VYXCoupDayBS(settlement, maturity, frequency, basis);
        return TVYXNumResult::Ok(days.Value - before.Value);
    }
    return TVYXNumResult::Ok(VYXCoupDaysBetween(a->Settlement, CouponDate(*a, PeriodsBack(*a) - 1), a->Basis));
}

TVYXNumResult VYXAccrInt(double issue, double settlement, double rate, double par, double frequency,
                         double basis)
{
    if (rate <= 0 || par <= 0 || (frequency != 1 && frequency != 2 && frequency != 4) ||
        std::floor(issue) >= std::floor(settlement))
        return TVYXNumResult::Fail(vneNum);
    const auto years = VYXYearFrac(issue, settlement, basis);
    if (!years.IsOk())
        return years;
    return Finite(par * rate * years.Value);
}
