#pragma once

#include "core/BirthRecord.h"
#include "core/ChartState.h"

#include <array>

namespace tarvik {

// Sunrise and sunset in decimal hours: [1] sunrise and [2] sunset in local
// mean time, [3] sunrise and [4] sunset in zone time; [0] is not used.
using SunTimes = std::array<double, 5>;

// Sunrise and sunset of a civil date at a place (signed decimal degrees,
// south and west negative) for a zone meridian (degrees, east positive).
// A low-precision tropical Sun of its own: the times come from the
// declination, the reduction to the equator and the semi-diurnal arc, with
// an allowance of 0.035 h (refraction and the Sun's semi-diameter) that
// makes the sunrise earlier and the sunset later. Where the Sun does not rise
// or set that day the semi-diurnal arc is taken as 12 h (midnight sun: rise
// near 0 h and set near 24 h apparent time) or 0 h (polar night: both at
// noon). The times are not reduced into 0..24.
SunTimes SunriseSunset(int day, int month, int year, double latitude, double longitude, double zoneMeridian);

// The same for a birth's date at the place and zone of its chart
// (PlaceLatitude, PlaceLongitude, ZoneMeridianDeg); the door without them
// reads Native and the last chart.
SunTimes SunriseOf(const BirthRecord& birth, const ChartState& chart);
SunTimes CalcSunrise();

} // namespace tarvik
