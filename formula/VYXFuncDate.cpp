// VYXFuncDate.cpp: handlers of the date and time functions and the workday calendars.
//
// Serials count days since 30 December 1899 without a 29 February 1900 (see
// VYXDateTime.h). NOW and TODAY read the process clock in local time.
// DATEVALUE and TIMEVALUE read text in the current locale's notation; text
// that is not a date or time gives #VALUE!.
#include <chrono>
#include <cmath>
#include <ctime>

#include "formula/VYXDateTime.h"
#include "formula/VYXFuncCommon.h"
#include "platform/VYXLocale.h"

namespace {

// The local date and time now, split into calendar parts.
std::tm LocalNow()
{
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm parts{};
    localtime_r(&t, &parts);
    return parts;
}

double NowSerial(bool withTime)
{
    const std::tm t = LocalNow();
    const double day = VYXEncodeDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday).value_or(0);
    return withTime ? day + (t.tm_hour * 3600 + t.tm_min * 60 + t.tm_sec) / 86400.0 : day;
}

void DoNow(TXLSFuncCall& call) { call.Stack.PushFloat(NowSerial(true)); }
void DoToday(TXLSFuncCall& call) { call.Stack.PushFloat(NowSerial(false)); }

void DoDate(TXLSFuncCall& call)
{
    double y = 0, m = 0, d = 0;
    if (call.Stack.PopResFloat(d) && call.Stack.PopResFloat(m) && call.Stack.PopResFloat(y))
        XLSPushNumResult(call.Stack, VYXDateSerial(std::trunc(y), std::trunc(m), std::trunc(d)));
}

void DoTime(TXLSFuncCall& call)
{
    double h = 0, m = 0, s = 0;
    if (call.Stack.PopResFloat(s) && call.Stack.PopResFloat(m) && call.Stack.PopResFloat(h))
        XLSPushNumResult(call.Stack, VYXTimeSerial(h, m, s));
}

enum TDatePart { dpYear, dpMonth, dpDay, dpHour, dpMinute, dpSecond };

// The one extraction helper of YEAR .. SECOND.
template <TDatePart Part>
void DoDatePart(TXLSFuncCall& call)
{
    double serial = 0;
    if (!call.Stack.PopResDateTime(serial))
        return;
    if (Part >= dpHour) {
        if (serial < 0) {
            call.Stack.SetError(errNum);
            return;
        }
        const TVYXTime t = VYXDecodeTime(serial);
        call.Stack.PushInt(Part == dpHour ? t.Hour : (Part == dpMinute ? t.Minute : t.Second));
        return;
    }
    const auto date = VYXDecodeDate(serial);
    if (!date)
        call.Stack.SetError(errNum);
    else
        call.Stack.PushInt(Part == dpYear ? date->Year : (Part == dpMonth ? date->Month : date->Day));
}

void DoWeekday(TXLSFuncCall& call)
{
    double serial = 0, type = 1;
    if (call.ArgCount > 1 && !call.Stack.PopResFloat(type))
        return;
    if (call.Stack.PopResDateTime(serial))
        XLSPushNumResult(call.Stack, VYXWeekday(serial, type));
}

// The serial of a text argument read as a date and/or time.
bool PopDateText(TXLSFuncCall& call, double& serial)
{
    TXLSFormulaValue v;
    call.Stack.PopResValue(v);
    if (v.ValType == xfvtError)
        return call.Stack.HandleError(v.vErr);
    if (v.ValType != xfvtString)
        return call.Stack.HandleError(errValue);
    const auto parsed = VYXParseDateTime(v.vStr, VYXCurrentLocale(), LocalNow().tm_year + 1900);
    if (!parsed)
        return call.Stack.HandleError(errValue);
    serial = *parsed;
    return true;
}

void DoDateValue(TXLSFuncCall& call)
{
    double serial = 0;
    if (PopDateText(call, serial))
        call.Stack.PushFloat(std::floor(serial));
}

void DoTimeValue(TXLSFuncCall& call)
{
    double serial = 0;
    if (PopDateText(call, serial))
        call.Stack.PushFloat(serial - std::floor(serial));
}

void DoEOMonth(TXLSFuncCall& call)
{
    double start = 0, months = 0;
    if (call.Stack.PopResFloat(months) && call.Stack.PopResDateTime(start))
        XLSPushNumResult(call.Stack, VYXEOMonth(start, months));
}

void DoDays360(TXLSFuncCall& call)
{
    double start = 0, end = 0;
    bool european = false;
    if (call.ArgCount > 2 && !call.Stack.PopResBoolean(european))
        return;
    if (call.Stack.PopResDateTime(end) && call.Stack.PopResDateTime(start))
        call.Stack.PushFloat(VYXDays360(std::floor(start), std::floor(end), european));
}

void DoYearFrac(TXLSFuncCall& call)
{
    double start = 0, end = 0, basis = 0;
    if (call.ArgCount > 2 && !call.Stack.PopResFloat(basis))
        return;
    if (call.Stack.PopResDateTime(end) && call.Stack.PopResDateTime(start))
        XLSPushNumResult(call.Stack, VYXYearFrac(std::floor(start), std::floor(end), std::trunc(basis)));
}

// The optional holiday list: numbers of any argument shape.
bool PopHolidays(TXLSFuncCall& call, int index, std::vector<double>& holidays)
{
    const TXLSFormulaValue* arg = XLSPopOptional(call, index);
    return !arg || call.Stack.HandleError(XLSCollectValues(call.Stack, {&arg, 1}, xcmNumbers, holidays));
}

// The optional weekend argument: a number code or a seven-character text.
bool PopWeekend(TXLSFuncCall& call, int index, TVYXWeekendMask& weekend)
{
    if (call.ArgCount <= index)
        return true;
    TXLSFormulaValue v;
    call.Stack.PopResValue(v);
    if (v.ValType == xfvtError)
        return call.Stack.HandleError(v.vErr);
    if (v.ValType == xfvtUnknown)
        return true;
    if (v.ValType == xfvtString) {
        const auto mask = VYXWeekendFromText(v.vStr);
        if (!mask)
            return call.Stack.HandleError(errValue);
        weekend = *mask;
        return true;
    }
    double code = 0;
    if (!call.Stack.HandleError(call.Stack.GetAsFloat(v, code)))
        return false;
    const auto mask = VYXWeekendFromNumber(code);
    if (!mask)
        return call.Stack.HandleError(errNum);
    weekend = *mask;
    return true;
}

// The trailing weekend (the .INTL forms) and holiday arguments.
bool PopCalendar(TXLSFuncCall& call, bool intl, TVYXWeekendMask& weekend, std::vector<double>& holidays)
{
    weekend = *VYXWeekendFromNumber(1);
    return PopHolidays(call, intl ? 3 : 2, holidays) && (!intl || PopWeekend(call, 2, weekend));
}

using TCalendarFn = TVYXNumResult (*)(double, double, TVYXWeekendMask, const std::vector<double>&);

// NETWORKDAYS(start, end, ...) and WORKDAY(start, days, ...), with the .INTL forms.
template <TCalendarFn F, bool Intl>
void DoWorkDays(TXLSFuncCall& call)
{
    std::vector<double> holidays;
    TVYXWeekendMask weekend = 0;
    double start = 0, second = 0;
    if (!PopCalendar(call, Intl, weekend, holidays))
        return;
    if (call.Stack.PopResDateTime(second) && call.Stack.PopResDateTime(start))
        XLSPushNumResult(call.Stack, F(start, second, weekend, holidays));
}

const TXLSFuncEntry cDateFunctions[] = {
    {"DATE", DoDate},
    {"DATEVALUE", DoDateValue},
    {"DAY", DoDatePart<dpDay>},
    {"DAYS360", DoDays360},
    {"EOMONTH", DoEOMonth},
    {"HOUR", DoDatePart<dpHour>},
    {"MINUTE", DoDatePart<dpMinute>},
    {"MONTH", DoDatePart<dpMonth>},
    {"NETWORKDAYS", DoWorkDays<VYXNetWorkDays, false>},
    {"NETWORKDAYS.INTL", DoWorkDays<VYXNetWorkDays, true>},
    {"NOW", DoNow},
    {"SECOND", DoDatePart<dpSecond>},
    {"TIME", DoTime},
    {"TIMEVALUE", DoTimeValue},
    {"TODAY", DoToday},
    {"WEEKDAY", DoWeekday},
    {"WORKDAY", DoWorkDays<VYXWorkDay, false>},
    {"WORKDAY.INTL", DoWorkDays<VYXWorkDay, true>},
    {"YEAR", DoDatePart<dpYear>},
    {"YEARFRAC", DoYearFrac},
};

}  // namespace

void XLSRegisterDateFunctions(TXLSFunctionLibrary& library) { XLSRegisterTable(library, cDateFunctions); }

bool XLSParseDateTimeText(std::u16string_view text, double& value)
{
    const auto parsed = VYXParseDateTime(text, VYXCurrentLocale(), LocalNow().tm_year + 1900);
    if (parsed)
        value = *parsed;
    return parsed.has_value();
}
