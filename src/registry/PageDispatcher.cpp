#include "PageDispatcher.h"

#include "core/Reporter.h"
#include "core/State.h"

#include <algorithm>

namespace tarvik {

namespace {

// What a failing page must not leave behind: the surface's position and font
// and the program state a builder may have moved. The print run's own
// bookkeeping (a framed sheet stays framed) is kept.
class PageSnapshot {
public:
    PageSnapshot(Surface& surface, ProgramState& state)
        : surface_(surface), state_(state), x_(surface.CurrentX), y_(surface.CurrentY),
          font_(surface.Font), births_(state.births), chart_(state.chart), match_(state.match),
          run_(state.run)
    {
    }

    void Restore()
    {
        surface_.CurrentX = x_;
        surface_.CurrentY = y_;
        surface_.Font = font_;
        state_.births = births_;
        state_.chart = chart_;
        state_.match = match_;
        const bool pageStarted = state_.run.PageStarted;
        const int pagesPrinted = state_.run.PagesPrinted;
        state_.run = run_;
        state_.run.PageStarted = pageStarted;
        state_.run.PagesPrinted = pagesPrinted;
    }

private:
    Surface& surface_;
    ProgramState& state_;
    double x_, y_;
    TextFont font_;
    BirthState births_;
    ChartState chart_;
    MatchCopies match_;
    RunValues run_;
};

} // namespace

bool PrintPage(Surface& surface, const std::string& pageKey, bool toPrinter)
{
    return PrintPageFrom(PageRegistry(), surface, pageKey, toPrinter);
}

bool PrintPageFrom(std::span<const PageRow> table, Surface& surface, const std::string& pageKey,
                   bool toPrinter)
{
    const RunValues& run = OutputRun();
    if (run.BatchPrint && run.PageStarted)
        surface.NewPage();

    const PageRef page =
        FindPage(table, run.MatchMode ? PageMode::Match : PageMode::Horoscope, pageKey);
    if (!page.row)
        return true;

    PageSnapshot snapshot(surface, Program());
    try {
        page.row->build(surface, toPrinter, page.n);
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
