#pragma once

// The mudda dasha of the annual chart: the year divided among the nine
// Vimshottari lords from the Sun, each ruling three days for every year of
// its Vimshottari period (360 days in all); with the muntha, the sign that
// moves on by one for every year of life from the birth ascendant's, and
// the houses of the year chart counted in whole signs from its ascendant.

#include "calc/NameTables.h"

#include <array>
#include <string>

namespace tarvik {

struct MuddaLord {
    Key name;              // dictionary key of the lord's name
    int days;
    int position;          // the body in the traditional order (2 Sun .. 10 Ketu)
};

// Lord 1..9 in period order; element 0 is unused.
inline constexpr std::array<MuddaLord, 10> MuddaLords = {{
    {"", 0, 0},
    {"_RAVI", 18, 2},
    {"_CHANDRA", 30, 3},
    {"_MANGAL", 21, 4},
    {"_RAHU", 54, 9},
    {"_GURU", 48, 6},
    {"_SANI", 57, 8},
    {"_BUDHA", 51, 5},
    {"_KETU", 21, 10},
    {"_SHUKRA", 60, 7},
}};

// The lord that opens the year: the birth Moon's nakshatra n (1..27) and
// the completed years Y give the remainder of n + Y - 2 by 9 counted from the
// Sun, 0 being Venus; the first period runs its full length.
int MuddaStartLord(double birthMoon, int completedYears);

// The sign 1..12 of the muntha: the birth ascendant's sign moved on by one
// sign for each completed year.
int MunthaSign(double birthAscendant, int completedYears);

// The house 1..12 of a sign counted from the ascendant's sign.
int HouseOfSign(int sign, int ascendantSign);

// One period, its first and last days as day counts (calc/TimeScale.h).
struct MuddaPeriod {
    int lord = 0;          // 1..9
    int firstDay = 0;
    int lastDay = 0;
    bool operator==(const MuddaPeriod&) const = default;
};

// The nine periods of the year that starts on the given date. The first
// ends its lord's days after the year-start date; each later one begins the
// day after the one before it ends and ends its lord's days after its own
// first day; the ninth ends on lastDayOfYear, the day before the next year
// begins, so that the years of a life meet. Without it (0) the ninth ends on
// the anniversary of the year-start date (the same day and month a year
// later, 28 February for a start on 29 February).
std::array<MuddaPeriod, 9> MuddaPeriods(int startLord, int day, int month, int year,
                                        int lastDayOfYear = 0);

// The key of the text of a lord in a house of the year chart: "X", the body
// letter ("B" the Sun .. "J" Ketu), the house letter ("B" house 1 .. "M"
// house 12), "A:".
std::string VarshphalTextKey(int position, int house);

} // namespace tarvik
