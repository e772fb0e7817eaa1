#include "DecimalYear.h"

#include "core/Reporter.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace tarvik {

namespace {

std::string twoDigits(long long n)
{
    char buf[24];
    std::snprintf(buf, sizeof buf, "%02lld", n);
    return buf;
}

double frac(double v) { return v - std::floor(v); }

// Civil date of (year, month, day) with a day outside the month rolling into
// the neighbouring months, as a calendar's date-serial rule does.
CalendarDate serialDate(int year, int month, int day)
{
    while (month > 12) { month -= 12; ++year; }
    while (month < 1) { month += 12; --year; }
    while (day < 1) {
        if (--month < 1) { month = 12; --year; }
        day += DaysInMonth(month, year);
    }
    while (day > DaysInMonth(month, year)) {
        day -= DaysInMonth(month, year);
        if (++month > 12) { month = 1; ++year; }
    }
    return {day, month, year};
}

// Val of a text: the number its leading digits (after blanks) spell, else 0.
int leadingNumber(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    long long n = 0;
    bool any = false;
    for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) && n < 100000; ++i) {
        n = n * 10 + (s[i] - '0');
        any = true;
    }
    return any ? static_cast<int>(n) : -1;
}

// Month 0 is December of the year before (a December date's fraction is
// 12/12); February has 28 days, so its 29th and 30th are in March.
void foldMonth(long long& y, int& m, int& d)
{
    if (m == 0) {
        m = 12;
        --y;
    } else if (m == 2 && d > 28) {
        d -= 28;
        m = 3;
    }
}

std::string dateText(long long d, long long m, long long y, const RunChoices& run)
{
    return twoDigits(d) + run.dash + twoDigits(m) + run.dash + twoDigits(y);
}

} // namespace

CalendarDate DecimalYearToCalendar(double v)
{
    long long y = static_cast<long long>(std::floor(v));
    const double f = v - static_cast<double>(y);
    int m = static_cast<int>(std::floor(f * 12));
    int d = static_cast<int>(std::floor(frac(f * 12) * 30 + 0.5));
    if (d == 0)
        d = 1;
    foldMonth(y, m, d);
    return {d, m, static_cast<int>(y)};
}

std::string DecimalYearToDate(double v, bool fullYear, const RunChoices& run)
{
    const CalendarDate date = DecimalYearToCalendar(v);
    return dateText(date.day, date.month, fullYear ? date.year : date.year % 100, run);
}

std::string DecimalYearToDateTime(double v, const RunChoices& run)
{
    constexpr std::int64_t secondsPerDay = 86400;
    constexpr std::int64_t secondsPerMonth = 30 * secondsPerDay;
    constexpr std::int64_t secondsPerYear = 12 * secondsPerMonth;

    // Rounding the whole fraction to a second first keeps an exact day
    // boundary on its own day instead of 23:59:59 of the day before.
    long long y = static_cast<long long>(std::floor(v));
    auto s = static_cast<std::int64_t>(std::llround((v - static_cast<double>(y)) * secondsPerYear));
    if (s >= secondsPerYear) {
        s -= secondsPerYear;
        ++y;
    }
    int m = static_cast<int>(s / secondsPerMonth);
    s %= secondsPerMonth;
    int d = static_cast<int>(s / secondsPerDay);
    s %= secondsPerDay;
    const int hh = static_cast<int>(s / 3600);
    const int mi = static_cast<int>(s % 3600 / 60);
    const int ss = static_cast<int>(s % 60);

    foldMonth(y, m, d);
    const CalendarDate date = serialDate(static_cast<int>(y), m, d);
    return dateText(date.day, date.month, date.year, run) + " " + twoDigits(hh) + run.colon +
           twoDigits(mi) + run.colon + twoDigits(ss);
}

std::optional<CalendarDate> ParseDMYToDate(std::string_view text)
{
    auto part = [&](std::size_t pos, std::size_t len) {
        return pos < text.size() ? text.substr(pos, len) : std::string_view{};
    };
    const int day = leadingNumber(part(0, 2));
    const int month = leadingNumber(part(3, 2));
    int year = leadingNumber(part(6, std::string_view::npos));
    const std::string_view yearText = part(6, std::string_view::npos);
    // A two-digit year reads as the calendar's window does: 00-29 after
    // 2000, 30-99 before.
    if (year >= 0 && yearText.size() <= 2)
        year += year < 30 ? 2000 : 1900;
    if (month < 1 || month > 12 || year < 1 || year > 9999 || day < 1 ||
        day > DaysInMonth(month, year)) {
        reporter().Message("Invalid Date: " + std::string(text));
        return std::nullopt;
    }
    return CalendarDate{day, month, year};
}

} // namespace tarvik
