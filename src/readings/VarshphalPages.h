#pragma once

// The annual-chart (varshphal) pages of the year OutputRun().VarshphalYear:
// page 1 the planet table and the chart of the year start with its tithi and
// the muntha, pages 2 and 3 the mudda dasha periods 1 to 5 and 6 to 9, each
// with the text of its lord in its house of the year chart; any other page
// number draws only the page frame. Every page casts the year chart into the
// program's chart state for the time it draws and leaves Native and the
// chart state as it found them, on every path out.

#include "core/RunChoices.h"
#include "pages/Surface.h"

#include <string>
#include <string_view>

namespace tarvik {

// A year before the birth year reports "Error:Can't predict before birth"
// and draws nothing.
void VarshphalPage(Surface& surface, bool toPrinter, int page, const RunChoices& choices);

// The dictionary key of the tithi of the annual chart's heading: the full
// and the new moon by name, the others by their place in the half-month.
std::string_view YearTithiKey(int tithi);

// A bold heading and a text of paragraphs (split at line breaks), the text
// indented under the heading unless compact, then space of two lines (one
// when compact).
void PrintVarshParagraph(Surface& surface, std::string_view text, std::string_view heading,
                         bool compact = false);

// The heading of one mudda period in the run's language: the lord, its first
// and last days (day counts) and its house in the year chart.
std::string MuddaHeading(int lord, int firstDay, int lastDay, int house, const RunChoices& choices);

} // namespace tarvik
