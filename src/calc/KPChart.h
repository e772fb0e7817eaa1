#pragma once

#include "core/ChartState.h"

#include <array>

namespace tarvik {

// The K.P. zodiac of a chart cast under `ayanamsaChoice` (0 N.C. Lahiri,
// 1 K.P., 2 B.V. Raman) with the ayanamsa `chartAyanamsa` at T Julian
// centuries: under K.P. the chart's own longitudes; otherwise the Lahiri
// longitudes taken 6' further on (the K.P. ayanamsa stands about 6' below
// Lahiri's), whatever ayanamsa the chart itself was cast with.
struct KPZodiac {
    double shift;      // added to the chart's sidereal longitudes
    double ayanamsa;   // of the longitudes the shift's 6' start from (Lahiri's, or K.P.'s own)
};
KPZodiac KPZodiacOf(double chartAyanamsa, double T, int ayanamsaChoice);
// The K.P. zodiac of a chart under the ayanamsa choice it was cast with.
KPZodiac KPZodiacOfChart(const ChartState& chart);
// Its shift; the door without a chart reads Chart().
double KPShiftOf(const ChartState& chart);
double KPShiftOfChart();

// The local sidereal time, hours 0 <= result < 24, at which a sidereal
// ascendant rises at `latitude`: the midheaven's right ascension less the
// ascensional difference of the rising point.
double SiderealTimeOfAscendant(double ascendant, double latitude, double obliquity,
                               double ayanamsa);

// The sidereal ascendant rising at local sidereal time `hours` for a place
// or pole at `latitude`, in the K.P. zodiac of the chart's ayanamsa (see
// KPZodiacOf), with the chart's obliquity; the door without a chart reads
// Chart().
double CalcAscendantKP(const ChartState& chart, double hours, double latitude);
double CalcAscendantKP(double hours, double latitude);

// The latitude (degrees, either side of the equator) from which K.P. cusps
// cannot be cast: the polar circle, where parts of the ecliptic no longer
// rise and set and their semi-arcs cannot be divided.
double KPCuspLatitudeLimit(double obliquity);

// The twelve KP cusps of a chart (cusps 0..11, 12 repeating cusp 1) and
// their signs (0..11) from its ascendant in the K.P. zodiac (of the chart's
// ayanamsa, its T and the ayanamsa choice it was cast with), its obliquity
// and the place's latitude: the midheaven of the sidereal time at which that
// ascendant rises, the intermediate cusps the division of the semi-arcs
// (Placidus) at that time. At and beyond KPCuspLatitudeLimit there are no
// cusps: every entry is 0 and cast is false.
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
