#pragma once

// Derived charts: the pages fill column 0 of a sign table with the signs of
// a chart made from the birth chart, then draw column 0. Every longitude is
// reduced into [0, 360) before its sign is taken.

#include "ChartDrawing.h"

#include <array>

namespace tarvik {

// Bhava placement: bhava k (1..12) runs from boundary k to boundary k + 1
// (boundary 13 is boundary 1); a body in bhava k gets the sign reference +
// k - 1. A body on a boundary goes to the later bhava, except on the start
// of the bhava that passes 0 degrees. Boundaries and longitudes are indexed
// 1..12 and 2..13 (computation order); body 1 gets the reference sign.
void PlaceBhavas(ChartSignTable& table, const std::array<double, 13>& boundaries,
                 const std::array<double, 27>& longitudes, int reference);

// The moon chart: the rasi signs, the houses counted from the Moon's sign.
void FillMoonChart(ChartSignTable& table);

// The KP chart: every sign in the K.P. zodiac (KPShiftOf the chart; the ascendant
// from the chart's HouseCusps[1], the bodies from its PlanetLongitudes).
void FillKPChart(ChartSignTable& table);

// Seven-varga chart k (1..7, the columns of SaptavargaSigns) of the
// ascendant and the bodies in the K.P. zodiac, into column k of the table.
void FillKPVarga(ChartSignTable& table, int k);

// Varga v (1..16) of the sixteen divisional charts, from ShodashVargaSigns,
// for the Lagna to Ketu; the outer planets keep what column 0 held.
void FillVargaColumn(ChartSignTable& table, int varga);

} // namespace tarvik
