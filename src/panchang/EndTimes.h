#pragma once

// The exact end of the tithi, nakshatra, yoga or karana running at a moment,
// found by stepping the chart forward by hours, back by minutes and forward
// by seconds until the element changes. Each step casts the bodies of the
// person's chart at the working moment on a chart of the search's own, so
// the program's birth chart (Native and the chart state) is never touched.

#include "core/BirthRecord.h"
#include "core/RunChoices.h"

#include <string>
#include <string_view>

namespace tarvik {

// The five limbs of the panchang but the weekday.
enum class Anga { Tithi, Nakshatra, Yoga, Karana };

// The number of the element (CalcTithi, CalcNakshatra, CalcYoga, CalcKarana)
// at these sidereal longitudes.
int AngaNumber(Anga anga, double moon, double sun);

// Where a search ended: the element running at the start, and the first
// whole second at which the next one runs, as a clock time `days` calendar
// days after the start date.
struct ElementEnd {
    int number = 0;
    int days = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    // The clock hour with 24 added for each day after the start date.
    int Hours() const { return hour + 24 * days; }
    bool operator==(const ElementEnd&) const = default;
};

// Searches from hour:minute:second (the person's clock time, which the
// chart corrects by the person's time correction) on the person's date, at
// the person's place and zone, under the run's ayanamsa and node choice.
// Throws std::runtime_error when the element does not change within three
// days (a chart that does not move).
ElementEnd FindElementEnd(Anga anga, const BirthRecord& person, int hour, int minute, int second,
                          const RunChoices& run);

// HH:MM:SS of an end, joined by colon, the hours counting on past 24 for
// the following days.
std::string EndTimeText(const ElementEnd& end, std::string_view colon);

// The end-time texts the Basic page prints, in the run's colon. The tithi's
// end is given one minute before the change, a clock time at which that
// tithi still runs.
std::string TithiEndTime(const BirthRecord& person, int hour, int minute, int second, const RunChoices& run);
std::string NakshatraEndTime(const BirthRecord& person, int hour, int minute, int second,
                             const RunChoices& run);
std::string YogaEndTime(const BirthRecord& person, int hour, int minute, int second, const RunChoices& run);
std::string KaranaEndTime(const BirthRecord& person, int hour, int minute, int second, const RunChoices& run);

} // namespace tarvik
