#pragma once

// The chart of the sunrise that begins a birth date, which the panchang at
// sunrise is read from.

#include "core/BirthRecord.h"
#include "core/RunChoices.h"

namespace tarvik {

struct SunriseChart {
    int hour = 0, minute = 0, second = 0;   // the sunrise as the person's clock shows it
    double sun = 0, moon = 0;               // sidereal longitudes at that moment
};

// Casts the bodies of the person's chart at the sunrise of the birth date,
// given in zone (standard) time, under the run's ayanamsa and node choice,
// on a chart of its own: Native and the chart
// state are not touched. The clock shows the sunrise less the time
// correction that the chart adds back (none without war time), to the
// nearest second.
SunriseChart ChartAtSunrise(const BirthRecord& person, double sunriseZoneHours, const RunChoices& run);

} // namespace tarvik
