#pragma once

// The chart and table pages of this subsystem, which the page table
// (src/registry/PageRegistry.cpp) and the annual chart's pages call.

#include "Surface.h"
#include "calc/PanchangElements.h"
#include "calc/Sunrise.h"
#include "core/RunChoices.h"

namespace tarvik {

void PrintBasicPage(Surface& surface, bool matchPage, const SunTimes* partnerSunTimes,
                    const PanchangValues* partnerPanchang, const RunChoices& choices);
void PrintPlanetTable(Surface& surface, int mode, bool toPrinter, const RunChoices& choices);
void PrintMatchNirayanaPage(Surface& surface, bool toPrinter, const RunChoices& choices);
void PrintCuspTable(Surface& surface, int mode, bool toPrinter, int& y, const RunChoices& choices);
void PrintAspectGrid(Surface& surface);
void PrintBhavTable(Surface& surface, const RunChoices& choices);
void PrintShodashvargaTable(Surface& surface, const RunChoices& choices);
void PrintAshtakvargaPage(Surface& surface, const RunChoices& choices);
void PrintPlanetFriendship(Surface& surface, const RunChoices& choices);
void PrintSudarshanChakra(Surface& surface, const RunChoices& choices);

} // namespace tarvik
