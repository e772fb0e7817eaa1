#pragma once

// The chart and table pages of this subsystem that the page dispatcher calls
// through Builders() (PageBuilders.h), each the default entry of the table.

#include "PageBuilders.h"

#include <initializer_list>

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

// A placeholder's heading at the current y: the dictionary texts of keys
// joined by blanks when they are all there (looked up quietly), else the
// fallback text. Leaves CurrentY below the heading.
void PrintPlaceholderHeading(Surface& surface, std::initializer_list<const char*> keys,
                             const char* fallback);

} // namespace tarvik
