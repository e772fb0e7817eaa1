#include "TimeScale.h"

namespace tarvik {

int DayNumber(int day, int month, int year)
{
    if (month < 3) {
        month += 12;
        year -= 1;
    }
    const int centuries = FloorDiv(year, 100);
    const int leapCenturies = FloorDiv(centuries, 4);
    // Int(30.6 * (month + 1)) taken exactly: 122, 153, 183, ... for months 3..14.
    const int monthDays = FloorDiv(306 * (month + 1), 10);
    return 365 * year + FloorDiv(year, 4) + monthDays + 2 - centuries + leapCenturies + day;
}

CalendarDate DateOfDayNumber(int dayNumber)
{
    // Days from 1 March of year 0, in 400-year eras of 146097 days.
    const int z = dayNumber - DayNumber(1, 3, 0);
    const int era = FloorDiv(z, 146097);
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;  // months from March
    CalendarDate date;
    date.day = doy - (153 * mp + 2) / 5 + 1;
    date.month = mp < 10 ? mp + 3 : mp - 9;
    date.year = yoe + era * 400 + (date.month <= 2 ? 1 : 0);
    return date;
}

double WarTimeCorrection(int sign, int hours, int minutes)
{
    const double ahead = (sign < 0 ? -1.0 : 1.0) * (hours + minutes / 60.0);
    return -ahead;
}

DayAndClock DayAndClockOfSeconds(long long seconds)
{
    constexpr long long SecondsPerDay = 86400;
    long long day = seconds / SecondsPerDay;
    if (seconds % SecondsPerDay < 0)
        --day;
    const long long inDay = seconds - day * SecondsPerDay;
    return {static_cast<int>(day), static_cast<int>(inDay / 3600), static_cast<int>(inDay % 3600 / 60),
            static_cast<int>(inDay % 60)};
}

} // namespace tarvik
