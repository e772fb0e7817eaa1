#pragma once

// The start of one year of the native's life, the moment the annual chart
// (varshphal) is cast for: the Sun's return to the sidereal longitude it held
// at birth, in the calendar year asked for. The return is found on the
// chart's own Sun (the same ephemeris and ayanamsa as the birth chart), so
// that the year chart shows the Sun where the birth chart has it.

#include "core/BirthRecord.h"

#include <optional>

namespace tarvik {

// The mean sidereal year, 365 days 6 h 9 min 9.716 s: the almanacs' first
// estimate of a return, a whole day and 6 h 9 min 9.716 s later in the week
// for every year of life.
inline constexpr double SiderealYearDays = 365 + (6 + 9 / 60.0 + 9.716 / 3600) / 24;

struct YearStart {
    int completedYears = 0;   // the target year less the birth year
    // The moment in the standard time of the birth zone (no war-time
    // correction: the year's clock is the zone's own).
    int day = 0, month = 0, year = 0;
    int hour = 0, minute = 0, second = 0;

    CivilDate Date() const { return {day, month, year}; }
    ClockTime Clock() const { return {hour, minute, second}; }
    bool operator==(const YearStart&) const = default;
};

// The year start in the calendar year varshphalYear, under the run's
// ayanamsa and node choice: the first whole second at which the Sun has come
// back to its birth longitude, near the birthday of that year (it may fall a
// day or two across the 1 January boundary). The birth year itself gives the
// birth moment. Nothing for a year before the birth year.
std::optional<YearStart> FindYearStart(const BirthRecord& birth, int varshphalYear,
                                       int ayanamsaChoice, bool trueNode);

// The birth record moved to the year start: the date and time replaced, the
// war-time correction dropped (the time is standard time), the place and the
// zone kept, so that the year chart is cast for the birth place.
BirthRecord YearStartRecord(const BirthRecord& birth, const YearStart& start);

} // namespace tarvik
