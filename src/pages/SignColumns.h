#pragma once

// Derived charts: the charts a page makes from the birth chart to draw them
// beside it. Every longitude is reduced into [0, 360) before its sign is
// taken.

#include "ChartDrawing.h"
#include "calc/KPChart.h"

#include <array>

namespace tarvik {

// Bhava placement: bhava k (1..12) runs from boundary k to boundary k + 1
// (boundary 13 is boundary 1); a body in bhava k gets the sign reference +
// k - 1. A body on a boundary goes to the later bhava, except on the start
// of the bhava that passes 0 degrees. Boundaries and longitudes are indexed
// 1..12 and 2..13 (computation order); the Lagna gets the reference sign. A
// body no bhava holds (boundaries out of order) stays in its own sign.
ChartSigns BhavaChart(const std::array<double, 13>& boundaries, const std::array<double, 27>& longitudes,
                      int reference);

// The moon chart of a seven-varga sign table: the rasi signs, the houses
// counted from the Moon's sign.
ChartSigns MoonChart(const int (&saptavargaSigns)[14][8]);

// The chart in the K.P. zodiac (KPShiftOf the chart): the ascendant from the
// chart's HouseCusps[1], the bodies from its PlanetLongitudes.
ChartSigns KPChart(const ChartState& chart);

// Seven-varga chart k (1..7, the columns of SaptavargaSigns) of the
// ascendant and the bodies in the K.P. zodiac.
ChartSigns KPVargaChart(const ChartState& chart, int k);

// The K.P. bhava chart: the bodies in the K.P. zodiac placed by the K.P.
// cusps (cusp k starts bhava k), the houses counted from the Lagna's rasi
// sign of the chart.
ChartSigns KPBhavaChart(const ChartState& chart, const KPCuspChart& kp);

// Varga v (1..16) of the sixteen divisional charts, from ShodashVargaSigns,
// for the Lagna to Ketu; the outer planets, which no chart shows, stand in
// their rasi signs.
ChartSigns VargaChart(const ChartState& chart, int varga);

} // namespace tarvik
