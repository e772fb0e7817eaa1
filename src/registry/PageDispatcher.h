#pragma once

// PrintPage draws one page, named by its key, on a surface: the preview
// picture (toPrinter false) or a printer or PDF (true). It runs the builder
// of the page's row in the page table (PageRegistry.h), which frames the
// page, with the run's choices (OutputRun().Choices()) as they stand when
// the page starts. Keys are compared exactly; a key of neither mode's pages draws
// nothing. The horoscope pages serve a horoscope run, the match pages
// (Basic, Nirayana, Navamsa, Interpret, Result) a Match-Making run.
//
// In a print run (OutputRun().BatchPrint) every page after the first framed
// one begins with NewPage; the sheet itself starts at the page's first
// drawing. A builder that fails abandons its page: the failure is reported
// through reporter(), the surface's position and font and the program state
// a page may move (Native and its chart, the match copies' seven-varga
// signs, the line step) are put back as they were before the page, and
// PrintPage returns false.

#include "PageRegistry.h"
#include "pages/Surface.h"

#include <span>
#include <string>
#include <vector>

namespace tarvik {

bool PrintPage(Surface& surface, const std::string& pageKey, bool toPrinter);

// The same over another page table (tests).
bool PrintPageFrom(std::span<const PageRow> table, Surface& surface, const std::string& pageKey,
                   bool toPrinter);

// Every key PrintPage draws in a horoscope run or in a Match-Making run.
std::vector<std::string> HoroscopePageKeys();
std::vector<std::string> MatchPageKeys();

} // namespace tarvik
