#pragma once

#include "core/CivilTime.h"

namespace tarvik {

// Whole-number division rounding toward minus infinity, as the calendar
// formulas take Int() of a quotient.
constexpr int FloorDiv(int a, int b)
{
    const int q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// Day count of a Gregorian date (no Julian-calendar switch): the Julian Day of
// the date's midnight minus 1720994.5, so 31 December 1899 is 694025 and
// 1 January 2000 is 730550. January and February count as months 13 and 14
// of the year before.
int DayNumber(int day, int month, int year);

// The Gregorian date of a day count, the inverse of DayNumber.
using CalendarDate = CivilDate;
inline int DayNumber(const CalendarDate& date) { return DayNumber(date.day, date.month, date.year); }
CalendarDate DateOfDayNumber(int dayNumber);

// A moment counted in whole seconds from the midnight that begins day count
// 0, as its day count and clock time. The day is the one the moment falls
// in: a negative remainder belongs to the day before.
struct DayAndClock {
    int dayNumber = 0;
    int hour = 0, minute = 0, second = 0;
    bool operator==(const DayAndClock&) const = default;
};
DayAndClock DayAndClockOfSeconds(long long seconds);

// The day count at which T, the Julian centuries of the ephemeris, is 0:
// 1900 January 0.5, noon universal time of 31 December 1899.
inline constexpr int EpochDayNumber = 694025;
inline constexpr double DaysPerCentury = 36525.0;

// Julian centuries from the epoch of a day count and a day fraction
// ((universal time - 12 h) / 24, not reduced: a morning east of Greenwich is
// negative). The day difference is taken in whole numbers first.
inline double JulianCenturiesOf(int dayNumber, double dayFraction)
{
    return (static_cast<double>(dayNumber - EpochDayNumber) + dayFraction) / DaysPerCentury;
}

// The hours a chart adds to the clock time for a war (summer) time correction
// as entered: clocks that ran sign x hours:minutes ahead of standard time
// give -(hours + minutes / 60) for sign +1. The sign covers the minutes too,
// so "-0:30" is half an hour behind.
double WarTimeCorrection(int sign, int hours, int minutes);

} // namespace tarvik
