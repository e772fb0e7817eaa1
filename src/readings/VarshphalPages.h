#pragma once

// The annual-chart (varshphal) pages of the page's varshphal year: page 1
// the planet table and the chart of the year start with its tithi and the
// muntha, pages 2 and 3 the mudda dasha periods 1 to 5 and 6 to 9, each with
// the text of its lord in its house of the year chart; any other page number
// draws only the page frame. Every page casts the year chart of its own, as
// a value, for the year start.

#include "pages/PageContext.h"
#include "pages/Surface.h"

#include <string>
#include <string_view>

namespace tarvik {

// A year before the birth year reports "Error:Can't predict before birth"
// and draws nothing.
void VarshphalPage(Surface& surface, const PageContext& page, int part);

// The dictionary key of the tithi of the annual chart's heading: the full
// and the new moon by name, the others by their place in the half-month.
std::string_view YearTithiKey(int tithi);

// A bold heading and a text of paragraphs (split at line breaks), the text
// indented under the heading unless compact, then space of two lines (one
// when compact).
void PrintVarshParagraph(Surface& surface, const PageLayout& layout, std::string_view text,
                         std::string_view heading, bool compact = false);

// The heading of one mudda period in the texts' language: the lord, its
// first and last days (day counts) and its house in the year chart.
std::string MuddaHeading(int lord, int firstDay, int lastDay, int house, const Texts& texts);

} // namespace tarvik
