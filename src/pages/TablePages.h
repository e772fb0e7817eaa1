#pragma once

// The chart and table pages of this subsystem, which the page table
// (src/registry/PageRegistry.cpp) and the annual chart's pages call.

#include "Surface.h"
#include "calc/PanchangElements.h"
#include "calc/Sunrise.h"

namespace tarvik {

void PrintBasicPage(Surface& surface, bool matchPage, const SunTimes* partnerSunTimes,
                    const PanchangValues* partnerPanchang);
void PrintPlanetTable(Surface& surface, int mode, bool toPrinter);
void PrintMatchNirayanaPage(Surface& surface, bool toPrinter);
void PrintCuspTable(Surface& surface, int mode, bool toPrinter, int& y);
void PrintAspectGrid(Surface& surface);
void PrintBhavTable(Surface& surface);
void PrintShodashvargaTable(Surface& surface);
void PrintAshtakvargaPage(Surface& surface);
void PrintPlanetFriendship(Surface& surface);
void PrintSudarshanChakra(Surface& surface);

} // namespace tarvik
