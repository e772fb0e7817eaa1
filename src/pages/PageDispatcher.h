#pragma once

// PrintPage draws one page, named by its key, on a surface: the preview
// picture (toPrinter false) or a printer or PDF (true). It frames the page
// and runs the page's builders (PageBuilders.h). Keys are compared exactly;
// a key of neither list draws nothing. The horoscope list serves a horoscope
// run, the match list (Basic, Nirayana, Navamsa, Interpret, Result) a
// Match-Making run.
//
// In a print run (OutputRun().BatchPrint) every page after the first framed
// one begins with NewPage; the sheet itself starts at the page's first
// drawing. A builder that fails abandons its page: the failure is reported
// through reporter(), the surface's position and font and the program state
// are put back as they were before the page, and PrintPage returns false.

#include "Surface.h"

#include <string>
#include <vector>

namespace tarvik {

bool PrintPage(Surface& surface, const std::string& pageKey, bool toPrinter);

// Every key PrintPage draws in a horoscope run or in a Match-Making run.
std::vector<std::string> HoroscopePageKeys();
std::vector<std::string> MatchPageKeys();

} // namespace tarvik
