#include "MuddaDasha.h"

#include "calc/Angles.h"
#include "calc/TextFormat.h"
#include "calc/TimeScale.h"

#include <cmath>

namespace tarvik {

namespace {

int nextLord(int lord) { return lord == 9 ? 1 : lord + 1; }

// The same day and month a year later; a 29 February that the next year
// lacks becomes the last day of its February.
int anniversary(int day, int month, int year)
{
    if (month == 2 && day == 29 && DateOfDayNumber(DayNumber(29, 2, year + 1)).month != 2)
        day = 28;
    return DayNumber(day, month, year + 1);
}

} // namespace

int MuddaStartLord(double birthMoon, int completedYears)
{
    const int nakshatra = static_cast<int>(ReduceDegrees(birthMoon) * 3 / 40) + 1;
    const int r = static_cast<int>(RealMod(nakshatra + completedYears - 2, 9));
    return r == 0 ? 9 : r;
}

int MunthaSign(double birthAscendant, int completedYears)
{
    const int sign = static_cast<int>(ReduceDegrees(birthAscendant) / 30) + 1;
    const int muntha = static_cast<int>(RealMod(sign + completedYears, 12));
    return muntha == 0 ? 12 : muntha;
}

int HouseOfSign(int sign, int ascendantSign)
{
    const int house = sign - ascendantSign + 13;
    return house > 12 ? house - 12 : house;
}

std::array<MuddaPeriod, 9> MuddaPeriods(int startLord, int day, int month, int year, int lastDayOfYear)
{
    const int yearStart = DayNumber(day, month, year);
    const int lastOfYear = lastDayOfYear != 0 ? lastDayOfYear : anniversary(day, month, year);
    std::array<MuddaPeriod, 9> periods{};
    int lord = startLord;
    int first = yearStart;
    int last = yearStart + MuddaLords[lord].days;
    for (MuddaPeriod& p : periods) {
        p = {lord, first, last};
        first = last + 1;
        lord = nextLord(lord);
        last = first + MuddaLords[lord].days;
        // Only the ninth runs past the year; it closes on the anniversary.
        if (last > yearStart + 364)
            last = lastOfYear;
    }
    return periods;
}

std::string VarshphalTextKey(int position, int house)
{
    std::string key = "X";
    key += static_cast<char>(64 + position);
    key += static_cast<char>(65 + house);
    key += "A:";
    return key;
}

} // namespace tarvik
