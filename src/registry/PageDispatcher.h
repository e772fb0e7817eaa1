#pragma once

// PrintPage draws one page, named by its key, on a surface: the preview
// picture (toPrinter false) or a printer or PDF (true). It builds the page's
// context (PageContext.h) from the run as it stands when the page starts (the
// choices, the layout, the charts and records, the varshphal year, the sheet
// and today's month) and runs the builder of the page's row in the page table
// (PageRegistry.h) with it: the dispatcher is the one place below the shell
// that reads the program's state. Keys are compared exactly; a key of
// neither mode's pages draws nothing. The horoscope pages serve a horoscope
// run, the match pages (Basic, Nirayana, Navamsa, Interpret, Result) a
// Match-Making run.
//
// In a print run (BatchPrint) every page after the first one drawn begins
// with NewPage; the sheet itself starts at the page's first drawing, and the
// frame numbers it. A builder that fails abandons its page: the failure is
// reported through reporter(), the surface's position and font are put back
// as they were before the page, and the call returns false. A builder
// changes nothing of the program's state: it is handed the state's parts as
// constants.

#include "PageRegistry.h"
#include "pages/PageContext.h"
#include "pages/Surface.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarvik {

// What a caller may give a page beyond its key: the varshphal year of a
// print run's annual-chart page (else the run's), and today's month (else
// the computer's clock's).
struct PageOptions {
    std::optional<int> varshphalYear = std::nullopt;
    std::optional<YearMonth> today = std::nullopt;
};

bool PrintPage(Surface& surface, const std::string& pageKey, bool toPrinter, const PageOptions& options = {});

// The same over another page table (tests).
bool PrintPageFrom(std::span<const PageRow> table, Surface& surface, const std::string& pageKey,
                   bool toPrinter, const PageOptions& options = {});

// Draws the page of a key from a context, whatever the program's state:
// the builder of the key's row of the context's mode (a match page in a
// match run), a failure reported and the surface put back. True unless the
// builder failed.
bool DrawPage(Surface& surface, const std::string& pageKey, const PageContext& page,
              std::span<const PageRow> table = PageRegistry());

// The month the computer's clock shows.
YearMonth TodayByTheClock();

// Every key PrintPage draws in a horoscope run or in a Match-Making run.
std::vector<std::string> HoroscopePageKeys();
std::vector<std::string> MatchPageKeys();

} // namespace tarvik
