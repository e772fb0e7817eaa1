#pragma once

// The time of birth counted from sunrise (ishtkaal) and the equation of time
// of the birth date (velantar).

#include "calc/Sunrise.h"
#include "core/BirthRecord.h"
#include "core/RunChoices.h"

#include <string>

namespace tarvik {

class Database;

// Ghatis since the sunrise that began the person's Hindu day: 2.5 ghatis to
// the hour, 60 palas to the ghati, 60 vipalas to the pala.
struct Ishtkaal {
    double ghati = 0;
    std::string text;   // ghatis, palas and vipalas joined by the run's colon, unpadded
};

// From the person's own date, time, time correction, place and zone: the
// local mean time of birth less the sunrise of the Hindu day it falls in,
// the last sunrise at or before it (the birth date's, the day before's, or,
// where local mean time lies a day off the clock, another day's). Always
// from 0 to under 60 ghatis: where a polar day's sunrise comes more than a
// day after the last, the count starts again a day after that sunrise.
// Reads and writes no program-wide record.
Ishtkaal CalcIshtkaal(const BirthRecord& person, const RunChoices& run);

// The ghatis of a clock time of the person's birth date, reckoned as the
// ishtkaal is; the clock in decimal hours of any size (75 minutes are an
// hour and a quarter), the person's own time of birth left aside.
double IshtkaalOfClockTime(const BirthRecord& person, double clockHours);

// Sunrise and sunset of the person's birth date, or of the day daysAfter
// later, at the person's place and zone (SunriseSunset's elements).
SunTimes BirthDateSunTimes(const BirthRecord& person, int daysAfter = 0);

// Whole ghatis, palas and vipalas of decimal ghatis, each cut, not rounded:
// 5.5 is 5, 30, 0.
struct GhatiParts {
    double ghati = 0;
    double pal = 0;
    double vipal = 0;
    bool operator==(const GhatiParts&) const = default;
};
GhatiParts SplitGhatis(double ghati);

// The text of decimal ghatis: 5.5 is 5:30:0. The vipala is cut, not rounded.
std::string IshtkaalText(double ghati, const RunChoices& run);

// The velantar of a day of a month from the reference database's table
// velantar, as sign and 00:MM:SS (the sign as the stored value has it, its
// text from the dictionary in the run's language). A day that no month has
// (30 February, 32 January) gives "". A damaged table (no row for the day, a
// value that is no whole number of minutes or seconds) throws a DbError
// naming the file. The first form reads the reference database opened at
// start-up and throws a DbError when it is not open.
std::string CalcVelantar(int day, int month, const RunChoices& run);
std::string CalcVelantar(Database& reference, int day, int month, const RunChoices& run);

} // namespace tarvik
