#pragma once

#include "core/ChartState.h"

#include <array>

namespace tarvik {

// The sidereal ascendant in [0, 360) for a sidereal time (hours) and a
// latitude (degrees, south negative), with the ayanamsa subtracted. At the
// equator six sidereal hours earlier it gives the midheaven.
double CalcAscendant(double siderealTime, double latitude, double obliquity, double ayanamsa);

// Writes cusps n, n + 1, n + 2 as start, start + span, start + 2 span,
// each reduced into [0, 360).
void SetThreeCusps(std::array<double, 13>& cusps, double start, double span, int n);

// The bhava sandhi between two consecutive cusps: their midpoint, taken
// across 0 degrees when the later cusp is the smaller number; in [0, 360).
double SandhiBetween(double before, double here);

// The true obliquity, the local apparent sidereal time, the ascendant and the
// twelve bhava madhya and sandhi of the chart's moment (JulianCenturies) and
// place, from the ephemeris. Each quadrant between ascendant, nadir,
// descendant and midheaven is trisected in longitude; a sandhi is the
// midpoint of two cusps, the beginning of its house. The ascendant and the
// midheaven of the true equinox lose the ayanamsa in PlanetLongitudes[1]
// (the chart's, of the true equinox). Inside the polar circles an
// ascendant that trails the midheaven is turned by 180 degrees, so the
// cusps always run forwards and each sandhi lies between its cusps.
void CalcHouses(ChartState& chart);

} // namespace tarvik
