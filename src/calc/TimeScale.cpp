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

double WarTimeCorrection(int sign, int hours, int minutes)
{
    const double ahead = (sign < 0 ? -1.0 : 1.0) * (hours + minutes / 60.0);
    return -ahead;
}

} // namespace tarvik
