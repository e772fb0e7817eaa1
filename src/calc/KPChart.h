#pragma once

#include "core/ChartState.h"

#include <array>

namespace tarvik {

// The K.P. zodiac of a chart cast under `ayanamsaChoice` (0 N.C. Lahiri,
// 1 K.P., 2 B.V. Raman) with the (true) ayanamsa `chartAyanamsa` at T Julian
// centuries: the K.P. pages stand in it whatever ayanamsa the chart itself
// was cast with.
struct KPZodiac {
    double shift;      // added to the chart's sidereal longitudes: its ayanamsa less the K.P. one
    double ayanamsa;   // the K.P. ayanamsa (of the true equinox) of the chart's moment
};
KPZodiac KPZodiacOf(double chartAyanamsa, double T, int ayanamsaChoice);
// The K.P. zodiac of a chart under the ayanamsa choice it was cast with.
KPZodiac KPZodiacOfChart(const ChartState& chart);
// Its shift.
double KPShiftOf(const ChartState& chart);

// The sidereal ascendant rising at local sidereal time `hours` for a place
// at `latitude`, in the K.P. zodiac (see KPZodiacOf), with the chart's
// obliquity.
double CalcAscendantKP(const ChartState& chart, double hours, double latitude);

// The latitude (degrees, either side of the equator) from which K.P. cusps
// cannot be cast: the polar circle, where parts of the ecliptic no longer
// rise and set and their semi-arcs cannot be divided.
double KPCuspLatitudeLimit(double obliquity);

// The twelve KP cusps of a chart (cusps 0..11, 12 repeating cusp 1) and
// their signs (1..12): the Placidus cusps of the chart's moment and place in
// the K.P. zodiac. The ascendant and the midheaven of the chart's sidereal
// time and obliquity; the intermediate cusps divide the semi-arcs of their
// own declinations into thirds. At and beyond KPCuspLatitudeLimit there are
// no cusps: every entry is 0 and cast is false.
struct KPCuspChart {
    bool cast = false;
    std::array<double, 14> cusps{};
    std::array<double, 13> signs{};
};
KPCuspChart KPCuspsOf(const ChartState& chart);

// The door: the cusps of Chart() into its KPCusps and KPHouseSigns; the
// result is KPCuspsOf's cast.
bool CalcKPChart();

} // namespace tarvik
