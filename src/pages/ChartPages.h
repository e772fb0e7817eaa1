#pragma once

// The pages made of charts, and the chart rows of the table pages.

#include "PageContext.h"
#include "Surface.h"

#include <string>

namespace tarvik {

// "Shodash1" .. "Shodash4": four of the sixteen divisional charts, two rows
// of two, vargas (n - 1) x 4 + 1 to n x 4.
void PrintShodashPage(Surface& surface, const PageContext& page, int n);

// The match "Navamsa" page: the boy's charts on the left, the girl's on the
// right; bhava chalit, moon chart and navamsa in three rows.
void PrintMatchNavamsaPage(Surface& surface, const PageContext& page);

// An ayanamsa (0 N.C. Lahiri, 1 K.P., 2 B.V. Raman) as the Nirayana page
// prints it under the planet table: "Ayanamsa (name):  dms" in the page's
// language and punctuation.
std::string AyanamsaLineText(const std::string& ayanamsaDms, int ayanamsaChoice, const PageContext& page);

// What a page's longitudes are reckoned with, in the Nirayana page's two
// lines: the nodes in use ("Rahu and Ketu: true nodes") and the ayanamsa
// line. The ayanamsa of the chart given, in a match the girl's value after
// the boy's ("23:40:52 / 23:51:20"), in the run's choice; on the KP pages the
// K.P. ayanamsa of the page's chart, whose zodiac they stand in whatever the
// choice.
std::string ChartAyanamsaLine(const PageContext& page, const ChartState& chart);
std::string KPAyanamsaLine(const PageContext& page);
// Prints the two lines from (x, y) down (the nodes small and bold) and
// leaves the current y below them.
void PrintReckoningLines(Surface& surface, double x, double y, const std::string& ayanamsaLine,
                         const PageContext& page);
// The height the two lines take.
double ReckoningLinesHeight(Surface& surface, const PageLayout& layout);
// The two lines at the foot of the page's body (PageFootLine), at the left
// margin.
void PrintReckoningAtFoot(Surface& surface, const std::string& ayanamsaLine, const PageContext& page);

// The Nirayana page below its planet table (which ends with the nodes and
// the ayanamsa): lagna and navamsa, moon chart and bhava chalit.
void PrintNirayanaCharts(Surface& surface, const PageContext& page);
// The Bhav page below its table: the bhava chalit by the cusps and by the
// sandhis.
void PrintBhavCharts(Surface& surface, const PageContext& page);
// The KP1 page below its table: the lagna chart and the navamsa in the K.P.
// zodiac.
void PrintKPCharts(Surface& surface, const PageContext& page);
// The KP2 page: heading, cusp table, the KP-shifted lagna chart and the
// bhava chart by the KP cusps, its houses numbered with the cusps' signs.
void PrintKPCuspPage(Surface& surface, const PageContext& page);

} // namespace tarvik
