#pragma once

// The chart of the sunrise that begins a birth date, which the panchang at
// sunrise is read from.

#include "core/BirthRecord.h"

namespace tarvik {

struct SunriseChart {
    int hour = 0, minute = 0, second = 0;   // the sunrise as the person's clock shows it
    double sun = 0, moon = 0;               // sidereal longitudes at that moment
};

// Runs the chart of the person at the sunrise of the birth date, given in
// zone (standard) time, under a NativeMomentGuard: Native and the chart state
// are as they were afterwards. The clock shows the sunrise less the time
// correction that the chart adds back (none without war time), to the
// nearest second.
SunriseChart ChartAtSunrise(const BirthRecord& person, double sunriseZoneHours);

} // namespace tarvik
