#pragma once

// The chart and table pages of this subsystem, which the page table
// (src/registry/PageRegistry.cpp) and the annual chart's pages call. Each
// draws from the page's context; a table of a chart other than the page's
// own (the annual chart) takes that chart.

#include "PageContext.h"
#include "Surface.h"
#include "calc/KPChart.h"

namespace tarvik {

// The native's Basic page, or in a match the boy's and the girl's.
void PrintBasicPage(Surface& surface, const PageContext& page, bool matchPage);
// The frame and one person's position table of a chart (mode
// PlanetTableMode, PositionTables.h) with the nodes and the ayanamsa under it.
void PrintPlanetTable(Surface& surface, const PageContext& page, int mode, const ChartState& chart);
void PrintMatchNirayanaPage(Surface& surface, const PageContext& page);
// The K.P. cusps' table from y, below its heading; y ends at the table's foot.
void PrintCuspTable(Surface& surface, const PageContext& page, const KPCuspChart& kp, int& y);
void PrintAspectGrid(Surface& surface, const PageContext& page);
void PrintBhavTable(Surface& surface, const PageContext& page);
void PrintShodashvargaTable(Surface& surface, const PageContext& page);
void PrintAshtakvargaPage(Surface& surface, const PageContext& page);
void PrintPlanetFriendship(Surface& surface, const PageContext& page);
void PrintSudarshanChakra(Surface& surface, const PageContext& page);

} // namespace tarvik
