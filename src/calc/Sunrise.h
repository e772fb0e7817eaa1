#pragma once

#include "core/BirthRecord.h"
#include "core/ChartState.h"

#include <array>

namespace tarvik {

// Sunrise and sunset in decimal hours: [1] sunrise and [2] sunset in local
// mean time, [3] sunrise and [4] sunset in zone time; [0] is not used.
using SunTimes = std::array<double, 5>;

// Sunrise and sunset of a civil date at a place (signed decimal degrees,
// south and west negative) for a zone meridian (degrees, east positive):
// the moments the Sun's centre stands 34' below the horizon, worked from the
// Sun's place at the moment itself, on either side of the date's local
// noon. The times count from the date's midnight and are not reduced into
// 0..24 (a sunset after midnight is over 24). Where the Sun does not set
// that day the day runs from the lower transit before noon to the one after
// (24 h); where it does not rise, sunrise and sunset are both at noon.
SunTimes SunriseSunset(int day, int month, int year, double latitude, double longitude, double zoneMeridian);

// What a day's sun times stand for: a day with a sunrise and a sunset, a day
// the Sun stays up (midnight sun) or one it stays down (polar night).
enum class SunDay { RisesAndSets, MidnightSun, PolarNight };
SunDay SunDayOf(const SunTimes& times);

// SunriseSunset for a birth's date at the place and zone of its chart
// (PlaceLatitude, PlaceLongitude, ZoneMeridianDeg).
SunTimes SunriseOf(const BirthRecord& birth, const ChartState& chart);

} // namespace tarvik
