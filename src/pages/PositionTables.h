#pragma once

// The position tables of the Nirayana, Sayana and KP pages and of the match
// Nirayana page, and the KP cusp table: the cells each table prints, worked
// out apart from the drawing so that they can be read on their own. The
// pages themselves are declared in TablePages.h.

#include "PageContext.h"
#include "calc/KPChart.h"

#include <array>
#include <string>

namespace tarvik {

// PrintPlanetTable's modes.
enum PlanetTableMode { SiderealTable = 1, TropicalTable = 2, KPTable = 3 };

// Rows Lagna, Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, Rahu, Ketu,
// Uranus, Neptune, Pluto; columns body, sign, degrees in the sign, retrograde
// mark, nakshatra, pada, sign lord, star lord, sub lord (KP only), a free
// column, combustion mark.
inline constexpr int PositionRows = 13;
inline constexpr int PlanetColumns = 11;
using PlanetTableCells = std::array<std::array<std::string, PlanetColumns>, PositionRows>;

// The cells of a chart's bodies. The tropical mode adds the ayanamsa, the KP
// mode the shift into the K.P. zodiac; the marks are those of the sidereal
// positions, and only from Mars on.
PlanetTableCells PlanetTableCellsOf(int mode, const ChartState& chart, const PageContext& page);

// Both persons of a match side by side: body, then for the boy (the page's
// chart) and the girl (the match copies) sign-lord, degrees with the
// retrograde mark, nakshatra-pada.
inline constexpr int MatchColumns = 7;
using MatchTableCells = std::array<std::array<std::string, MatchColumns>, PositionRows>;
MatchTableCells MatchNirayanaCells(const PageContext& page);

// Rows cusp 1..12 of the KP cusps; columns house number, sign, degrees in
// the sign, a free column, nakshatra, pada, sign lord, star lord, sub lord.
inline constexpr int CuspColumns = 9;
using CuspTableCells = std::array<std::array<std::string, CuspColumns>, 12>;
CuspTableCells CuspTableCellsOf(const KPCuspChart& kp, const PageContext& page);

} // namespace tarvik
