#pragma once

// The page builders the dispatcher calls by page key, as one table of
// functions. Each entry starts as a placeholder that draws its page's frame
// and heading (where the builder draws its own frame) or just its heading
// (where the dispatcher frames the page); the work that builds a page
// installs its function in the table:
//
//     Builders().PrintYoginiDasha = &PrintYoginiDasha;
//
// The table pages of this subsystem point at their functions in
// src/pages/TablePages.h; the dasha and interpretation pages are installed
// by src/readings. ResetBuilders() puts the defaults back (tests).

#include "Surface.h"
#include "calc/PanchangElements.h"
#include "calc/Sunrise.h"

#include <array>
#include <functional>
#include <string>

namespace tarvik {

// Which Vimshottari page to draw.
struct DashaSelection {
    int pratyantarPage = 0;    // 1..9: the pratyantar periods of maha period n
    bool sookshma = false;
    int sookshmaPage = 0;      // 1..81
    bool fromAscendant = false;
    bool fromSun = false;

    bool operator==(const DashaSelection&) const = default;
};

struct PageBuilders {
    // Chart and table pages.
    // The Basic page; matchPage with the girl's sunrise and panchang results.
    std::function<void(Surface&, bool matchPage, const SunTimes* partnerSunTimes,
                       const PanchangValues* partnerPanchang)>
        PrintBasicPage;
    // Frames the page itself; mode 1 sidereal, 2 tropical, 3 KP.
    std::function<void(Surface&, int mode, bool toPrinter)> PrintPlanetTable;
    // Frames the page itself; both persons' positions and charts.
    std::function<void(Surface&, bool toPrinter)> PrintMatchNirayanaPage;
    // Below the caller's frame (the KP page frames itself once); y is the
    // table's top and comes back as the first data row.
    std::function<void(Surface&, int mode, bool toPrinter, int& y)> PrintCuspTable;
    std::function<void(Surface&)> PrintAspectGrid;
    std::function<void(Surface&)> PrintBhavTable;
    std::function<void(Surface&)> PrintShodashvargaTable;
    std::function<void(Surface&)> PrintAshtakvargaPage;
    std::function<void(Surface&)> PrintPlanetFriendship;
    std::function<void(Surface&)> PrintSudarshanChakra;

    // Dasha and interpretation pages. Those below the caller's frame:
    std::function<void(Surface&, double day, double month, double year, bool mahaAntar,
                       const DashaSelection&)>
        PrintVimshottariDasha;
    std::function<void(Surface&, double day, double month, double year, int, int)>
        PrintVimshottariPratyantar;
    // selector -1 and -2 the two maha pages, 0 the antar page.
    std::function<void(Surface&, double day, double month, double year, int selector)>
        PrintYoginiDasha;
    std::function<void(Surface&)> PrintSadeSatiPage1;
    std::function<void(Surface&)> PrintSadeSatiPage2;
    std::function<void(Surface&)> PrintManglikDosha;
    std::function<void(Surface&, int part)> PrintTopicPredictions;
    std::function<void(Surface&, int part)> PrintPlanetInSignPredictions;
    std::function<void(Surface&, int part)> PrintSignInHousePredictions;
    std::function<void(int cycle, Surface&)> JaiminiPage;
    // Those that frame their pages themselves:
    std::function<void(Surface&, int part)> BuildAspectPredictions;
    // mode 1 "Interpret", 0 "Result".
    std::function<void(const SunTimes& partnerSunTimes, const PanchangValues& partnerPanchang,
                       Surface&, int mode)>
        MatchMaking;
    std::function<void(Surface&, bool toPrinter, int page)> VarshphalPage;
};

// The table in use.
PageBuilders& Builders();
// Every entry back to its default.
void ResetBuilders();
// The defaults: the table pages' functions and the placeholders.
PageBuilders DefaultBuilders();

} // namespace tarvik
