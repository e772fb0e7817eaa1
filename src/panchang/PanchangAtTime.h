#pragma once

// The panchang of one moment with the clock time at which each element
// ends, predicted in one step from the daily motions of the Sun and the Moon
// (no search; the exact search is in EndTimes.h). The Sun and the Moon are
// the ephemeris' at the moment, apart from the chart arrays, which are
// neither read nor written.

#include "core/BirthRecord.h"
#include "core/RunChoices.h"

#include <string>

namespace tarvik {

// T (Julian centuries from 1900 January 0.5) of a civil date and a day
// fraction ((universal time - 12 h) / 24), with the N.C. Lahiri ayanamsa (of
// the true equinox) and the true obliquity of that moment, both in degrees.
struct EpochT {
    double ayanamsa = 0;
    double obliquity = 0;
    double T = 0;
};
EpochT CalcEpochT(double dayFraction, int year, int month, int day);

// The Sun's sidereal (N.C. Lahiri) longitude at T, [0, 360).
double CalcSunLongitude(double T);

// The Moon's sidereal (N.C. Lahiri) longitude at T with the mean nodes,
// [0, 360) each.
struct MoonAndNodes {
    double moon = 0;
    double rahu = 0;
    double ketu = 0;
};
MoonAndNodes CalcMoonLongitude(double T);

// A clock time as whole hours, minutes and seconds.
struct HMS {
    double hours = 0;
    double minutes = 0;
    double seconds = 0;
    bool operator==(const HMS&) const = default;
};

// a + b for parts below 60: one carry from the seconds and one from the
// minutes; the hours are not wrapped.
HMS AddHMS(const HMS& a, const HMS& b);

// One element at the moment: its number, its dictionary key (not looked
// up) and the clock time of its end on the moment's date, with 24 hours
// added for each following day.
struct ElementAtTime {
    int number = 0;
    std::string key;
    HMS end;
    std::string endText;    // FormatTime's short form
};

struct PanchangAtTime {
    double ayanamsa = 0;    // CalcEpochT's, of the moment
    ElementAtTime tithi;
    ElementAtTime nakshatra;
    ElementAtTime yoga;
    ElementAtTime karana;
};

// The panchang at clockHours (decimal hours of the person's zone standard
// time, seconds left out of the moment) on the person's date, in the
// person's zone. sun and moon are the sidereal longitudes the tithi is taken
// from (those of the chart the caller shows); nakshatra, yoga and karana
// come from the ephemeris at the moment, in the zodiac of the run's ayanamsa.
PanchangAtTime CalcPanchangAtTime(const BirthRecord& person, double sun, double moon, double clockHours,
                                  const RunChoices& run);

} // namespace tarvik
