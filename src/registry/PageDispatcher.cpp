#include "PageDispatcher.h"

#include "core/Reporter.h"
#include "core/State.h"

#include <algorithm>
#include <ctime>

namespace tarvik {

namespace {

// What a failing page must not leave behind on its surface: the position
// and the font. The builders change nothing else: the program's state is
// theirs to read only.
class SurfaceSnapshot {
public:
    explicit SurfaceSnapshot(Surface& surface)
        : surface_(surface), x_(surface.CurrentX), y_(surface.CurrentY), font_(surface.Font)
    {
    }

    void Restore()
    {
        surface_.CurrentX = x_;
        surface_.CurrentY = y_;
        surface_.Font = font_;
    }

private:
    Surface& surface_;
    double x_, y_;
    TextFont font_;
};

// Draws a page found in the table; a failure is reported and the surface
// put back. True unless the builder failed.
bool drawFound(Surface& surface, const std::string& pageKey, const PageRef& found, const PageContext& page)
{
    SurfaceSnapshot snapshot(surface);
    try {
        found.row->build(surface, page, found.n);
        return true;
    } catch (const std::exception& e) {
        snapshot.Restore();
        reporter().Message("The page \"" + pageKey + "\" could not be drawn: " + e.what());
    } catch (...) {
        snapshot.Restore();
        reporter().Message("The page \"" + pageKey + "\" could not be drawn.");
    }
    return false;
}

} // namespace

YearMonth TodayByTheClock()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1};
}

bool PrintPage(Surface& surface, const std::string& pageKey, bool toPrinter, const PageOptions& options)
{
    return PrintPageFrom(PageRegistry(), surface, pageKey, toPrinter, options);
}

bool PrintPageFrom(std::span<const PageRow> table, Surface& surface, const std::string& pageKey,
                   bool toPrinter, const PageOptions& options)
{
    ProgramState& state = Program();
    RunValues& run = state.run;
    const bool printRun = run.BatchPrint != 0;
    if (printRun && run.PageStarted)
        surface.NewPage();
    const PageRef found = FindPage(table, run.MatchMode ? PageMode::Match : PageMode::Horoscope, pageKey);
    if (!found.row)
        return true;

    // The page follows the run as it stands when it starts.
    PageContext page = PageContextOf(state, {toPrinter, printRun, surface.Page()},
                                     options.today ? *options.today : TodayByTheClock());
    if (options.varshphalYear)
        page.varshphalYear = *options.varshphalYear;
    const bool drawn = drawFound(surface, pageKey, found, page);
    // A sheet that received the page (its frame at least, failed or not) is
    // one of the run's: the next page begins a new one.
    if (printRun && surface.DrawnOnSheet()) {
        run.PageStarted = true;
        ++run.PagesPrinted;
    }
    return drawn;
}

bool DrawPage(Surface& surface, const std::string& pageKey, const PageContext& page,
              std::span<const PageRow> table)
{
    const PageRef found = FindPage(table, page.matchRun ? PageMode::Match : PageMode::Horoscope, pageKey);
    return !found.row || drawFound(surface, pageKey, found, page);
}

namespace {

std::vector<std::string> keysOf(PageMode mode)
{
    std::vector<std::string> keys;
    for (const PageRow& row : PageRegistry())
        if (row.mode == mode && !row.IsGroup())
            for (const PageRef& page : PagesOfRow(row))
                keys.push_back(page.key);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

} // namespace

std::vector<std::string> HoroscopePageKeys() { return keysOf(PageMode::Horoscope); }

std::vector<std::string> MatchPageKeys() { return keysOf(PageMode::Match); }

} // namespace tarvik
