// VYXDateTime.cpp: calendar arithmetic on serial dates.
#include "formula/VYXDateTime.h"

#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
// Days from 0001-01-01 to the epoch 1899-12-30.
constexpr long cEpochOffset = 693593;
constexpr std::array<int, 13> cDaysBeforeMonth{0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

long DaysBeforeYear(long year)
{
    const long y = year - 1;
    return 365 * y + y / 4 - y / 100 + y / 400;
}

// Serial of a valid date given as numbers already known to be in range.
double Encode(int year, int month, int day)
{
    long days = DaysBeforeYear(year) + cDaysBeforeMonth[static_cast<std::size_t>(month)] + day - 1;
    if (month > 2 && VYXIsLeapYear(year))
        ++days;
    return static_cast<double>(days - cEpochOffset);
}

bool InRange(double serial)
{
    return serial >= cVYXMinDate && serial < cVYXMaxDate + 1;
}

bool IsLastOfFebruary(const TVYXDate& d)
{
    return d.Month == 2 && d.Day == VYXDaysInMonth(d.Year, 2);
}

// Adds whole months to a year/month pair; the day is left to the caller.
void AddMonths(int& year, int& month, long months)
{
    long total = static_cast<long>(year) * 12 + (month - 1) + months;
    year = static_cast<int>(total >= 0 ? total / 12 : -((-total + 11) / 12));
    month = static_cast<int>(total - static_cast<long>(year) * 12) + 1;
}
}  // namespace

bool VYXIsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int VYXDaysInMonth(int year, int month)
{
    static constexpr std::array<int, 12> cLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && VYXIsLeapYear(year) ? 29 : cLengths[static_cast<std::size_t>(month - 1)];
}

std::optional<double> VYXEncodeDate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > VYXDaysInMonth(year, month))
        return std::nullopt;
    return Encode(year, month, day);
}

std::optional<TVYXDate> VYXDecodeDate(double serial)
{
    if (!InRange(serial))
        return std::nullopt;
    const long n = static_cast<long>(std::floor(serial)) + cEpochOffset;  // days since 0001-01-01
    long year = n * 400 / 146097 + 1;
    while (DaysBeforeYear(year) > n)
        --year;
    while (DaysBeforeYear(year + 1) <= n)
        ++year;
    int dayOfYear = static_cast<int>(n - DaysBeforeYear(year));
    const bool leap = VYXIsLeapYear(static_cast<int>(year));
    TVYXDate d;
    d.Year = static_cast<int>(year);
    d.Month = 12;
    while (d.Month > 1) {
        const int before = cDaysBeforeMonth[static_cast<std::size_t>(d.Month)] + (leap && d.Month > 2 ? 1 : 0);
        if (dayOfYear >= before) {
            dayOfYear -= before;
            break;
        }
        --d.Month;
    }
    d.Day = dayOfYear + 1;
    return d;
}

TVYXTime VYXDecodeTime(double serial)
{
    if (!std::isfinite(serial))
        return {};
    const double fraction = serial - std::floor(serial);
    // Hours and minutes are cut from the time taken to the millisecond, so a
    // time just before midnight keeps its day (HOUR(0.999999) is 23); the
    // seconds round to the nearest one and wrap within the minute.
    const long long ms = std::min(std::llround(fraction * 86400000.0), 86399999LL);
    TVYXTime t;
    t.Hour = static_cast<int>(ms / 3600000);
    t.Minute = static_cast<int>(ms / 60000 % 60);
    t.Second = static_cast<int>(std::llround(static_cast<double>(ms) / 1000.0) % 60);
    return t;
}

int VYXDayOfWeek(double serial)
{
    const long n = static_cast<long>(std::floor(serial));
    return static_cast<int>(((n + 6) % 7 + 7) % 7);  // serial 1 (1899-12-31) was a Sunday
}

TVYXNumResult VYXDateSerial(double year, double month, double day)
{
    if (!std::isfinite(year) || !std::isfinite(month) || !std::isfinite(day))
        return TVYXNumResult::Fail(vneNum);
    const double y = std::trunc(year);
    if (y < 1 || y > 9999 || std::fabs(month) > 120000 || std::fabs(day) > 4e6)
        return TVYXNumResult::Fail(vneNum);
    int yy = static_cast<int>(y), mm = 1;
    AddMonths(yy, mm, static_cast<long>(std::trunc(month)) - 1);
    if (yy < 1 || yy > 9999)
        return TVYXNumResult::Fail(vneNum);
    const double serial = Encode(yy, mm, 1) + std::trunc(day) - 1;
    if (!InRange(serial))
        return TVYXNumResult::Fail(vneNum);
    return TVYXNumResult::Ok(serial);
}

TVYXNumResult VYXTimeSerial(double hour, double minute, double second)
{
    const double total = std::trunc(hour) * 3600 + std::trunc(minute) * 60 + std::trunc(second);
    if (!std::isfinite(total) || total < 0)
        return TVYXNumResult::Fail(vneNum);
    return TVYXNumResult::Ok(std::fmod(total, 86400.0) / 86400.0);
}

namespace {
TVYXNumResult ShiftMonths(double start, double months, bool endOfMonth)
{
    const auto d = VYXDecodeDate(start);
    if (!d || !std::isfinite(months) || std::fabs(months) > 120000)
        return TVYXNumResult::Fail(vneNum);
    int year = d->Year, month = d->Month;
    AddMonths(year, month, static_cast<long>(std::trunc(months)));
    if (year < 1 || year > 9999)
        return TVYXNumResult::Fail(vneNum);
    const int last = VYXDaysInMonth(year, month);
    return TVYXNumResult::Ok(Encode(year, month, endOfMonth ? last : std::min(d->Day, last)));
}
}  // namespace

TVYXNumResult VYXEDate(double start, double months)
{
    return ShiftMonths(start, months, false);
}

TVYXNumResult VYXEOMonth(double start, double months)
{
    return ShiftMonths(start, months, true);
}

TVYXNumResult VYXWeekday(double serial, double type)
{
    if (!InRange(serial))
        return TVYXNumResult::Fail(vneNum);
    const int sunday0 = VYXDayOfWeek(serial);
    const int monday0 = (sunday0 + 6) % 7;
    const int t = static_cast<int>(std::trunc(type));
    if (t != type && !(type > 0 && type < 100))
        return TVYXNumResult::Fail(vneNum);
    switch (t) {
    case 1:
        return TVYXNumResult::Ok(sunday0 + 1);
    case 2:
        return TVYXNumResult::Ok(monday0 + 1);
    case 3:
        return TVYXNumResult::Ok(monday0);
    default:
        if (t >= 11 && t <= 17)  // 11: Monday = 1 .. 17: Sunday = 1
            return TVYXNumResult::Ok((monday0 - (t - 11) + 7) % 7 + 1);
        return TVYXNumResult::Fail(vneNum);
    }
}

double VYXDays360(double start, double end, bool european)
{
    const auto a = VYXDecodeDate(start);
    const auto b = VYXDecodeDate(end);
    if (!a || !b)
        return 0;
    int d1 = a->Day, d2 = b->Day, m2 = b->Month, y2 = b->Year;
    if (european) {
        d1 = std::min(d1, 30);
        d2 = std::min(d2, 30);
    } else {
        if (d1 == 31 || IsLastOfFebruary(*a))
            d1 = 30;
        if (d2 == 31) {
            if (d1 < 30) {
                d2 = 1;
                AddMonths(y2, m2, 1);
            } else {
                d2 = 30;
            }
        }
    }
    return (y2 - a->Year) * 360.0 + (m2 - a->Month) * 30.0 + (d2 - d1);
}

namespace {
// The 30/360 count of YEARFRAC basis 0 and the coupon functions, which also
// moves the end of February; whether a 31st at the end counts as the 30th
// depends on the start day as written.
double Days360Nasd(const TVYXDate& a, const TVYXDate& b)
{
    int d1 = a.Day, d2 = b.Day;
    const bool lastFebA = IsLastOfFebruary(a), lastFebB = IsLastOfFebruary(b);
    if (lastFebA && lastFebB)
        d2 = 30;
    if (lastFebA)
        d1 = 30;
    if (d2 == 31 && a.Day >= 30)
        d2 = 30;
    if (d1 == 31)
        d1 = 30;
    return (b.Year - a.Year) * 360.0 + (b.Month - a.Month) * 30.0 + (d2 - d1);
}
}  // namespace

std::optional<TXLSDateDiffMethod> VYXDateDiffMethod(double basis)
{
    if (!(basis >= 0 && basis < 5))
        return std::nullopt;
    return static_cast<TXLSDateDiffMethod>(static_cast<int>(basis));
}

double VYXCoupDaysBetween(double start, double end, TXLSDateDiffMethod basis)
{
    switch (basis) {
    case xddmUS30_360: {
        const auto a = VYXDecodeDate(start);
        const auto b = VYXDecodeDate(end);
        return a && b ? Days360Nasd(*a, *b) : 0;
    }
    case xddmEU30_360:
        return VYXDays360(start, end, true);
    default:
        return std::floor(end) - std::floor(start);
    }
}

double VYXCoupDaysYear(double date, TXLSDateDiffMethod basis)
{
    switch (basis) {
    case xddmActaul: {
        const auto d = VYXDecodeDate(date);
        return d && VYXIsLeapYear(d->Year) ? 366 : 365;
    }
    case xddm365:
        return 365;
    default:
        return 360;
    }
}

TVYXNumResult VYXYearFrac(double start, double end, double basisArg)
{
    const auto basis = VYXDateDiffMethod(basisArg);
    if (!basis)
        return TVYXNumResult::Fail(vneNum);
    double s = std::floor(start), e = std::floor(end);
    if (s > e)
        std::swap(s, e);
    const auto a = VYXDecodeDate(s);
    const auto b = VYXDecodeDate(e);
    if (!a || !b)
        return TVYXNumResult::Fail(vneNum);
    switch (*basis) {
    case xddmUS30_360:
        return TVYXNumResult::Ok(Days360Nasd(*a, *b) / 360);
    case xddmEU30_360:
        return TVYXNumResult::Ok(VYXDays360(s, e, true) / 360);
    case xddm360:
        return TVYXNumResult::Ok((e - s) / 360);
    case xddm365:
        return TVYXNumResult::Ok((e - s) / 365);
    case xddmActaul:
        break;
    }
    // Actual/actual: within one year the divisor is that year's length (366
    // when a 29 February lies in the span); over longer spans it is the average
    // length of the calendar years touched.
    const bool withinYear = a->Year == b->Year ||
                            (b->Year == a->Year + 1 &&
                             (a->Month > b->Month || (a->Month == b->Month && a->Day >= b->Day)));
    if (withinYear) {
        double divisor = 365;
        if (a->Year == b->Year) {
            if (VYXIsLeapYear(a->Year))
                divisor = 366;
        } else if ((VYXIsLeapYear(a->Year) && a->Month <= 2) ||
                   (VYXIsLeapYear(b->Year) && (b->Month > 2 || (b->Month == 2 && b->Day == 29)))) {
            divisor = 366;
        }
        return TVYXNumResult::Ok((e - s) / divisor);
    }
    const double years = b->Year - a->Year + 1;
    const double days = Encode(b->Year, 12, 31) + 1 - Encode(a->Year, 1, 1);
    return TVYXNumResult::Ok((e - s) / (days / years));
}

std::optional<TVYXWeekendMask> VYXWeekendFromNumber(double code)
{
    if (code != std::trunc(code))
        return std::nullopt;
    const int c = static_cast<int>(code);
    if (c >= 1 && c <= 7)  // 1: Saturday and Sunday, 2: Sunday and Monday, ... 7: Friday and Saturday
        return (1u << ((c + 4) % 7)) | (1u << ((c + 5) % 7));
    if (c >= 11 && c <= 17)  // 11: Sunday, 12: Monday, ... 17: Saturday
        return 1u << ((c - 12 + 7) % 7);
    return std::nullopt;
}

std::optional<TVYXWeekendMask> VYXWeekendFromText(std::u16string_view code)
{
    if (code.size() != 7)
        return std::nullopt;
    TVYXWeekendMask mask = 0;
    for (std::size_t i = 0; i < 7; ++i) {
        if (code[i] == u'1')
            mask |= 1u << i;
        else if (code[i] != u'0')
            return std::nullopt;
    }
    if (mask == 0x7F)
        return std::nullopt;
    return mask;
}

namespace {
bool IsWeekend(double day, TVYXWeekendMask weekend)
{
    return (weekend >> ((VYXDayOfWeek(day) + 6) % 7)) & 1u;
}

std::vector<double> WorkingHolidays(const std::vector<double>& holidays, TVYXWeekendMask weekend)
{
    std::vector<double> days;
    for (double h : holidays)
        if (InRange(h) && !IsWeekend(std::floor(h), weekend))
            days.push_back(std::floor(h));
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}
}  // namespace

TVYXNumResult VYXNetWorkDays(double start, double end, TVYXWeekendMask weekend,
                             const std::vector<double>& holidays)
{
    if (!InRange(start) || !InRange(end) || (weekend & 0x7F) == 0x7F)
        return TVYXNumResult::Fail(vneNum);
    double s = std::floor(start), e = std::floor(end);
    const double sign = s > e ? -1 : 1;
    if (s > e)
        std::swap(s, e);
    int perWeek = 0;
    for (int i = 0; i < 7; ++i)
        perWeek += (weekend >> i) & 1u ? 0 : 1;
    const double span = e - s + 1;
    const double weeks = std::floor(span / 7);
    double count = weeks * perWeek;
    for (double d = s + weeks * 7; d <= e; ++d)
        if (!IsWeekend(d, weekend))
            ++count;
    for (double h : WorkingHolidays(holidays, weekend))
        if (h >= s && h <= e)
            --count;
    return TVYXNumResult::Ok(sign * count);
}

TVYXNumResult VYXWorkDay(double start, double days, TVYXWeekendMask weekend, const std::vector<double>& holidays)
{
    if (!InRange(start) || !std::isfinite(days) || std::fabs(days) > cVYXMaxDate - cVYXMinDate ||
        (weekend & 0x7F) == 0x7F)
        return TVYXNumResult::Fail(vneNum);
    const std::vector<double> off = WorkingHolidays(holidays, weekend);
    double d = std::floor(start);
    long left = static_cast<long>(std::trunc(days));
    const int step = left < 0 ? -1 : 1;
    while (left != 0) {
        d += step;
        if (!InRange(d))
            return TVYXNumResult::Fail(vneNum);
        if (!IsWeekend(d, weekend) && !std::binary_search(off.begin(), off.end(), d))
            left -= step;
    }
    return TVYXNumResult::Ok(d);
}

double VYXSerialFromPhantomLeap(double serial)
{
    if (serial >= 0 && serial < 60)
        return serial + 1;
    if (serial >= 60 && serial < 61)  // the phantom day reads as 1 March
        return serial + 1;
    return serial;
}

double VYXSerialToPhantomLeap(double serial)
{
    return serial >= 1 && serial < 61 ? serial - 1 : serial;
}

namespace {
struct TDateToken {
    bool IsNumber = false;
    std::u16string Text;  // the digits or the word
};

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool IsLetter(char16_t c)
{
    return UnicodeLower(c) != UnicodeUpper(c) || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

long ToNumber(std::u16string_view digits)
{
    long n = 0;
    for (char16_t c : digits) {
        if (n > 100000000)
            return -1;
        n = n * 10 + (c - u'0');
    }
    return n;
}

// Which of day, month and year the locale writes first, second and third.
std::array<char, 3> DateOrder(const TVYXLocaleSettings& locale)
{
    std::array<char, 3> order{};
    std::size_t n = 0;
    for (char16_t c : locale.ShortDateFormat) {
        const char k = c == u'd' || c == u'D' ? 'd' : c == u'M' || c == u'm' ? 'm' : c == u'y' || c == u'Y' ? 'y' : 0;
        if (k && n < 3 && std::find(order.begin(), order.begin() + static_cast<long>(n), k) == order.begin() + static_cast<long>(n))
            order[n++] = k;
    }
    if (n != 3)
        return {'m', 'd', 'y'};
    return order;
}

int MonthFromName(std::u16string_view word, const TVYXLocaleSettings& locale)
{
    for (std::size_t i = 0; i < 12; ++i)
        if (SameTextUnicode(word, locale.LongMonthNames[i]) || SameTextUnicode(word, locale.ShortMonthNames[i]))
            return static_cast<int>(i) + 1;
    return 0;
}

int WindowYear(const std::u16string& digits)
{
    const long y = ToNumber(digits);
    if (digits.size() > 2)
        return static_cast<int>(y);
    return static_cast<int>(y < 30 ? 2000 + y : 1900 + y);
}

std::optional<double> ParseDatePart(std::u16string_view text, const TVYXLocaleSettings& locale, int currentYear)
{
    std::vector<TDateToken> items;
    for (std::size_t i = 0; i < text.size();) {
        const char16_t c = text[i];
        if (IsDigit(c) || IsLetter(c)) {
            const bool number = IsDigit(c);
            std::size_t j = i;
            while (j < text.size() && (number ? IsDigit(text[j]) : IsLetter(text[j])))
                ++j;
            items.push_back({number, std::u16string(text.substr(i, j - i))});
            i = j;
        } else if (c == locale.DateSeparator || c == u'/' || c == u'-' || c == u'.' || c == u' ' || c == u',') {
            ++i;
        } else {
            return std::nullopt;
        }
    }
    if (items.size() < 2 || items.size() > 3)
        return std::nullopt;
    int year = currentYear, month = 0, day = 0;
    std::vector<const TDateToken*> numbers;
    for (const auto& item : items) {
        if (item.IsNumber) {
            numbers.push_back(&item);
        } else {
            if (month)
                return std::nullopt;
            month = MonthFromName(item.Text, locale);
            if (!month)
                return std::nullopt;
        }
    }
    if (month) {
        // A name gives the month: the numbers are day then year, except that a
        // four-digit number is always the year.
        const TDateToken* dayItem = nullptr;
        for (const auto* n : numbers) {
            if (n->Text.size() == 4 || (dayItem && numbers.size() == 2))
                year = WindowYear(n->Text);
            else
                dayItem = n;
        }
        if (!dayItem)
            return std::nullopt;
        day = static_cast<int>(ToNumber(dayItem->Text));
    } else if (numbers[0]->Text.size() == 4 && numbers.size() == 3) {
        year = static_cast<int>(ToNumber(numbers[0]->Text));
        month = static_cast<int>(ToNumber(numbers[1]->Text));
        day = static_cast<int>(ToNumber(numbers[2]->Text));
    } else {
        std::size_t next = 0;
        for (char k : DateOrder(locale)) {
            if (k == 'y' && numbers.size() == 2)
                continue;
            if (next >= numbers.size())
                return std::nullopt;
            const TDateToken& n = *numbers[next++];
            if (k == 'd')
                day = static_cast<int>(ToNumber(n.Text));
            else if (k == 'm')
                month = static_cast<int>(ToNumber(n.Text));
            else
                year = WindowYear(n.Text);
        }
    }
    return VYXEncodeDate(year, month, day);
}

std::optional<double> ParseTimePart(std::u16string_view text, const TVYXLocaleSettings& locale)
{
    // An AM/PM word at the end switches to the 12-hour clock.
    int ampm = 0;  // 0 none, 1 AM, 2 PM
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    std::size_t wordStart = end;
    while (wordStart > 0 && IsLetter(text[wordStart - 1]))
        --wordStart;
    if (wordStart < end) {
        const std::u16string_view word = text.substr(wordStart, end - wordStart);
        if (SameTextUnicode(word, locale.TimeAMString) || SameTextAscii(word, u"AM") || SameTextAscii(word, u"A"))
            ampm = 1;
        else if (SameTextUnicode(word, locale.TimePMString) || SameTextAscii(word, u"PM") || SameTextAscii(word, u"P"))
            ampm = 2;
        else
            return std::nullopt;
        end = wordStart;
    }
    std::array<double, 3> parts{};
    std::size_t count = 0, i = 0;
    double fraction = 0;
    while (i < end && text[i] == u' ')
        ++i;
    while (i < end) {
        std::size_t j = i;
        while (j < end && IsDigit(text[j]))
            ++j;
        if (j == i || count == 3 || j - i > 6)
            return std::nullopt;
        parts[count++] = static_cast<double>(ToNumber(text.substr(i, j - i)));
        i = j;
        if (i < end && text[i] == u'.' && count == 3) {
            std::size_t k = i + 1;
            double scale = 0.1;
            for (; k < end && IsDigit(text[k]); ++k, scale /= 10)
                fraction += (text[k] - u'0') * scale;
            i = k;
        }
        while (i < end && text[i] == u' ')
            ++i;
        if (i < end) {
            if (text[i] != u':' && text[i] != locale.TimeSeparator)
                return std::nullopt;
            ++i;
        }
    }
    if (count == 0 || (count == 1 && !ampm) || parts[1] >= 60 || parts[2] >= 60)
        return std::nullopt;
    double hour = parts[0];
    if (ampm) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = std::fmod(hour, 12) + (ampm == 2 ? 12 : 0);
    }
    return (hour * 3600 + parts[1] * 60 + parts[2] + fraction) / 86400;
}
}  // namespace

std::optional<double> VYXParseDateTime(std::u16string_view text, const TVYXLocaleSettings& locale, int currentYear)
{
    std::size_t a = 0, b = text.size();
    while (a < b && (text[a] == u' ' || text[a] == u'\t'))
        ++a;
    while (b > a && (text[b - 1] == u' ' || text[b - 1] == u'\t'))
        --b;
    text = text.substr(a, b - a);
    if (text.empty())
        return std::nullopt;
    // The time starts at the first number followed by a colon, or at a number
    // followed by an AM/PM word at the very end.
    std::size_t timeStart = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsDigit(text[i]) || (i > 0 && IsDigit(text[i - 1])))
            continue;
        std::size_t j = i;
        while (j < text.size() && IsDigit(text[j]))
            ++j;
        if (j < text.size() && (text[j] == u':' || text[j] == locale.TimeSeparator)) {
            timeStart = i;
            break;
        }
    }
    if (timeStart == text.size()) {
        // "5 PM": a lone number and an AM/PM word.
        const auto t = ParseTimePart(text, locale);
        if (t)
            return t;
    }
    const std::u16string_view datePart = text.substr(0, timeStart);
    const std::u16string_view timePart = text.substr(timeStart);
    double result = 0;
    bool any = false;
    std::size_t dateEnd = datePart.size();
    while (dateEnd > 0 && (datePart[dateEnd - 1] == u' ' || datePart[dateEnd - 1] == u'T'))
        --dateEnd;
    if (dateEnd > 0) {
        const auto d = ParseDatePart(datePart.substr(0, dateEnd), locale, currentYear);
        if (!d)
            return std::nullopt;
        result += *d;
        any = true;
    }
    if (!timePart.empty()) {
        const auto t = ParseTimePart(timePart, locale);
        if (!t)
            return std::nullopt;
        result += *t;
        any = true;
    }
    if (!any)
        return std::nullopt;
    return result;
}
