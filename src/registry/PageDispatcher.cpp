#include "PageDispatcher.h"

#include "core/Reporter.h"
#include "core/State.h"

#include <algorithm>

namespace tarvik {

namespace {

// What a failing page must not leave behind: the surface's position and font
// and what a builder may still move. Builders take the run's choices and
// the charts as values and change nothing else: the chart's working arrays
// (bhava and Moon charts, K.P. cusps, panchang working values) and the match
// copies' seven-varga signs they draw from, the line step a paragraph
// widens, and Native with its chart while a page draws another moment. The
// print run's own bookkeeping (a framed sheet stays framed) is not touched.
class PageSnapshot {
public:
    PageSnapshot(Surface& surface, ProgramState& state)
        : surface_(surface), state_(state), x_(surface.CurrentX), y_(surface.CurrentY),
          font_(surface.Font), native_(state.births.Native), chart_(state.chart),
          lineStep_(state.run.LineStep)
    {
        copySigns(state.match.NativeSaptavargaSigns, nativeSigns_);
        copySigns(state.match.PartnerSaptavargaSigns, partnerSigns_);
    }

    void Restore()
    {
        surface_.CurrentX = x_;
        surface_.CurrentY = y_;
        surface_.Font = font_;
        state_.births.Native = native_;
        state_.chart = chart_;
        copySigns(nativeSigns_, state_.match.NativeSaptavargaSigns);
        copySigns(partnerSigns_, state_.match.PartnerSaptavargaSigns);
        state_.run.LineStep = lineStep_;
    }

private:
    using SignTable = int[14][8];
    static void copySigns(const SignTable& from, SignTable& to)
    {
        std::copy(&from[0][0], &from[0][0] + 14 * 8, &to[0][0]);
    }

    Surface& surface_;
    ProgramState& state_;
    double x_, y_;
    TextFont font_;
    BirthRecord native_;
    ChartState chart_;
    SignTable nativeSigns_{};
    SignTable partnerSigns_{};
    double lineStep_;
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

    // The page follows the choices of the run as they stand when it starts.
    const RunChoices choices = run.Choices();
    PageSnapshot snapshot(surface, Program());
    try {
        page.row->build(surface, toPrinter, page.n, choices);
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
