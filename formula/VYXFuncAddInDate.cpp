// VYXFuncAddInDate.cpp: the date and financial add-in functions.
//
// DATEDIF's "MD" counts the days from the start day in the month before the
// end date when the end day is smaller (31 January to 1 March gives 1 in a
// leap year); "YD" moves the start into the end's year, or the year before
// when that would pass the end, and 29 February of a common year is 1 March.
#include <cmath>

#include "formula/VYXDateTime.h"
#include "formula/VYXFinance.h"
#include "formula/VYXFuncAddIns.h"
#include "formula/VYXFuncCommon.h"
#include "platform/VYXUnicode.h"

void XLSDoEDate(TXLSFuncCall& call)
{
    double start = 0, months = 0;
    if (call.Stack.PopResFloat(months) && call.Stack.PopResDateTime(start))
        XLSPushNumResult(call.Stack, VYXEDate(std::floor(start), std::trunc(months)));
}

template <int Kind>
void XLSDoCoupon(TXLSFuncCall& call)
{
    using TKernel = TVYXNumResult (*)(double, double, double, double);
    static constexpr TKernel cKernels[] = {VYXCoupDayBS, VYXCoupDays, VYXCoupDaysNC,
                                           VYXCoupNCD,   VYXCoupNum,  VYXCoupPCD};
    double settlement = 0, maturity = 0, frequency = 0, basis = 0;
    if (call.ArgCount > 3 && !call.Stack.PopResFloat(basis))
        return;
    if (call.Stack.PopResFloat(frequency) && call.Stack.PopResDateTime(maturity) &&
        call.Stack.PopResDateTime(settlement))
        XLSPushNumResult(call.Stack, cKernels[Kind](std::floor(settlement), std::floor(maturity),
                                                    std::trunc(frequency), std::trunc(basis)));
}
template void XLSDoCoupon<0>(TXLSFuncCall&);
template void XLSDoCoupon<1>(TXLSFuncCall&);
template void XLSDoCoupon<2>(TXLSFuncCall&);
template void XLSDoCoupon<3>(TXLSFuncCall&);
template void XLSDoCoupon<4>(TXLSFuncCall&);
template void XLSDoCoupon<5>(TXLSFuncCall&);

void XLSDoDateDif(TXLSFuncCall& call)
{
    std::u16string unit;
    double start = 0, end = 0;
    if (!call.Stack.PopResStr(unit) || !call.Stack.PopResDateTime(end) || !call.Stack.PopResDateTime(start))
        return;
    start = std::floor(start);
    end = std::floor(end);
    const auto a = VYXDecodeDate(start), b = VYXDecodeDate(end);
    if (!a || !b || start > end)
        return call.Stack.SetError(errNum);
    const std::u16string u = AsciiUpper(unit);
    const int months = (b->Year - a->Year) * 12 + (b->Month - a->Month) - (b->Day < a->Day ? 1 : 0);
    if (u == u"D")
        return call.Stack.PushFloat(end - start);
    if (u == u"M")
        return call.Stack.PushFloat(months);
    if (u == u"Y")
        return call.Stack.PushFloat(months / 12);
    if (u == u"YM")
        return call.Stack.PushFloat(months % 12);
    if (u == u"MD") {
        if (b->Day >= a->Day)
            return call.Stack.PushFloat(b->Day - a->Day);
        const int prevMonth = b->Month == 1 ? 12 : b->Month - 1;
        const int prevYear = b->Month == 1 ? b->Year - 1 : b->Year;
        return call.Stack.PushFloat(b->Day + VYXDaysInMonth(prevYear, prevMonth) - a->Day);
    }
    if (u == u"YD") {
        auto moved = [&](int year) { return VYXDateSerial(year, a->Month, a->Day); };
        TVYXNumResult from = moved(b->Year);
        if (from.IsOk() && from.Value > end)
            from = moved(b->Year - 1);
        if (!from.IsOk())
            return call.Stack.SetError(errNum);
        return call.Stack.PushFloat(end - from.Value);
    }
    call.Stack.SetError(errNum);
}

namespace {
// The week number of `serial` when weeks start on `firstDay` (0 Sunday .. 6
// Saturday) and week 1 holds 1 January.
double WeekOfYear(double serial, int firstDay)
{
    const auto d = VYXDecodeDate(serial);
    const double jan1 = *VYXEncodeDate(d->Year, 1, 1);
    const int offset = (VYXDayOfWeek(jan1) - firstDay + 7) % 7;
    return std::floor((serial - jan1 + offset) / 7) + 1;
}

double IsoWeek(double serial)
{
    const int monday0 = (VYXDayOfWeek(serial) + 6) % 7;
    const double thursday = serial - monday0 + 3;
    const auto d = VYXDecodeDate(thursday);
    const auto jan1 = d ? VYXEncodeDate(d->Year, 1, 1) : std::nullopt;
    return jan1 ? std::floor((thursday - *jan1) / 7) + 1 : 1;
}

bool PopSerial(TXLSFuncCall& call, double& serial)
{
    if (!call.Stack.PopResDateTime(serial))
        return false;
    serial = std::floor(serial);
    return VYXDecodeDate(serial) || call.Stack.HandleError(errNum);
}
}  // namespace

void XLSDoWeekNum(TXLSFuncCall& call)
{
    double type = 1, serial = 0;
    if (call.ArgCount > 1 && !call.Stack.PopResFloat(type))
        return;
    if (!PopSerial(call, serial))
        return;
    const int t = static_cast<int>(std::trunc(type));
    if (t == 21)
        return call.Stack.PushFloat(IsoWeek(serial));
    int firstDay = -1;
    if (t == 1 || t == 17)
        firstDay = 0;
    else if (t == 2)
        firstDay = 1;
    else if (t >= 11 && t <= 16)
        firstDay = t - 10;
    if (firstDay < 0)
        return call.Stack.SetError(errNum);
    call.Stack.PushFloat(WeekOfYear(serial, firstDay));
}

void XLSDoIsoWeekNum(TXLSFuncCall& call)
{
    double serial = 0;
    if (PopSerial(call, serial))
        call.Stack.PushFloat(IsoWeek(serial));
}

void XLSDoDays(TXLSFuncCall& call)
{
    double end = 0, start = 0;
    if (call.Stack.PopResDateTime(start) && call.Stack.PopResDateTime(end))
        XLSPushChecked(call.Stack, std::floor(end) - std::floor(start));
}

namespace {
// The rate and the whole number of periods a year of EFFECT and NOMINAL;
// false after pushing the error (a rate <= 0 or fewer than one period is #NUM!).
bool PopRateAndPeriods(TXLSFuncCall& call, double& rate, double& periods)
{
    if (!call.Stack.PopResFloat(periods) || !call.Stack.PopResFloat(rate))
        return false;
    periods = std::trunc(periods);
    return (rate > 0 && periods >= 1) || call.Stack.HandleError(errNum);
}
}  // namespace

void XLSDoEffect(TXLSFuncCall& call)
{
    double rate = 0, periods = 0;
    if (PopRateAndPeriods(call, rate, periods))
        XLSPushChecked(call.Stack, std::pow(1 + rate / periods, periods) - 1);
}

void XLSDoNominal(TXLSFuncCall& call)
{
    double rate = 0, periods = 0;
    if (PopRateAndPeriods(call, rate, periods))
        XLSPushChecked(call.Stack, periods * (std::pow(1 + rate, 1 / periods) - 1));
}

template <bool Principal>
void XLSDoCumulative(TXLSFuncCall& call)
{
    double rate = 0, nper = 0, pv = 0, first = 0, last = 0, type = 0;
    if (!call.Stack.PopResFloat(type) || !call.Stack.PopResFloat(last) || !call.Stack.PopResFloat(first) ||
        !call.Stack.PopResFloat(pv) || !call.Stack.PopResFloat(nper) || !call.Stack.PopResFloat(rate))
        return;
    first = std::ceil(first);
    last = std::floor(last);
    if (rate <= 0 || nper <= 0 || pv <= 0 || first < 1 || last < first || last > nper || (type != 0 && type != 1))
        return call.Stack.SetError(errNum);
    double sum = 0;
    for (double per = first; per <= last; ++per) {
        const TVYXNumResult r = Principal ? VYXPPMT(rate, per, nper, pv, 0, type) : VYXIPMT(rate, per, nper, pv, 0, type);
        if (!r.IsOk())
            return XLSPushNumResult(call.Stack, r);
        sum += r.Value;
    }
    XLSPushChecked(call.Stack, sum);
}
template void XLSDoCumulative<false>(TXLSFuncCall&);
template void XLSDoCumulative<true>(TXLSFuncCall&);

template <bool Fraction>
void XLSDoDollarFraction(TXLSFuncCall& call)
{
    double value = 0, fraction = 0;
    if (!call.Stack.PopResFloat(fraction) || !call.Stack.PopResFloat(value))
        return;
    fraction = std::trunc(fraction);
    if (fraction < 0)
        return call.Stack.SetError(errNum);
    if (fraction == 0)
        return call.Stack.SetError(errDiv0);
    // The fractional part is written as a number over `fraction` with as many
    // decimal digits as `fraction` has (1.02 in sixteenths is 1 + 2/16).
    const double whole = std::trunc(value), part = value - whole;
    const double scale = std::pow(10.0, std::ceil(std::log10(fraction)));
    XLSPushChecked(call.Stack, Fraction ? whole + part * fraction / scale : whole + part * scale / fraction);
}
template void XLSDoDollarFraction<false>(TXLSFuncCall&);
template void XLSDoDollarFraction<true>(TXLSFuncCall&);
