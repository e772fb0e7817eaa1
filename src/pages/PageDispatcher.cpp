#include "PageDispatcher.h"

#include "ChartPages.h"
#include "Frame.h"
#include "PageBuilders.h"
#include "PageCatalogue.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "refdata/TextLookup.h"

#include <cstdio>
#include <functional>
#include <map>

namespace tarvik {

namespace {

using Recipe = std::function<void(Surface&, bool toPrinter)>;
using RecipeList = std::map<std::string, Recipe>;

std::string numbered(const char* prefix, int n, int digits)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%0*d", prefix, digits, n);
    return buf;
}

void frame(Surface& s, bool toPrinter) { PrintPageFrame(s, toPrinter); }

// The frame and a heading at the top of the body.
void frameWithHeading(Surface& s, bool toPrinter, std::string_view key)
{
    frame(s, toPrinter);
    int y = static_cast<int>(s.CurrentY);
    PrintHeading(GetDictText(key), s, y);
}

void vimshottari(Surface& s, bool mahaAntar, const DashaSelection& selection)
{
    const BirthRecord& n = Native();
    Builders().PrintVimshottariDasha(s, n.Day, n.Month, n.Year, mahaAntar, selection);
}

void yogini(Surface& s, int selector)
{
    const BirthRecord& n = Native();
    Builders().PrintYoginiDasha(s, n.Day, n.Month, n.Year, selector);
}

// The three families of Vimshottari pages: from the Moon ("Vims"), from the
// ascendant ("SPSL") and from the Sun ("Aaditya").
void addDashaFamily(RecipeList& list, const char* prefix, bool fromAscendant, bool fromSun)
{
    const std::string p = prefix;
    const Recipe maha = [=](Surface& s, bool t) {
        frame(s, t);
        vimshottari(s, true, {.fromAscendant = fromAscendant, .fromSun = fromSun});
    };
    list[p + "Maha"] = maha;
    if (p == "Vims")
        list["VimsAntar"] = maha;
    for (int n = 1; n <= 9; ++n) {
        list[numbered((p + "Pratya").c_str(), n, 1)] = [=](Surface& s, bool t) {
            frame(s, t);
            vimshottari(s, false,
                        {.pratyantarPage = n, .fromAscendant = fromAscendant, .fromSun = fromSun});
        };
    }
    for (int n = 1; n <= 81; ++n) {
        list[numbered((p + "Sooksh").c_str(), n, 2)] = [=](Surface& s, bool t) {
            frame(s, t);
            vimshottari(s, false, {.sookshma = true, .sookshmaPage = n,
                                   .fromAscendant = fromAscendant, .fromSun = fromSun});
        };
    }
}

RecipeList horoscopeRecipes()
{
    RecipeList list;
    list["Basic"] = [](Surface& s, bool t) {
        frame(s, t);
        Builders().PrintBasicPage(s, false, nullptr, nullptr);
    };
    list["Sudarshan"] = [](Surface& s, bool t) {
        frame(s, t);
        Builders().PrintSudarshanChakra(s);
    };
    list["Nirayana"] = [](Surface& s, bool t) {
        Builders().PrintPlanetTable(s, 1, t);
        PrintNirayanaCharts(s);
    };
    list["Sayana"] = [](Surface& s, bool t) {
        Builders().PrintPlanetTable(s, 2, t);
        Builders().PrintAspectGrid(s);
    };
    list["Bhav"] = [](Surface& s, bool t) {
        frame(s, t);
        Builders().PrintBhavTable(s);
        PrintBhavCharts(s);
    };
    // The planet table frames the KP1 page itself, so the page is framed once.
    list["KP1"] = [](Surface& s, bool t) {
        Builders().PrintPlanetTable(s, 3, t);
        PrintKPCharts(s);
    };
    list["KP2"] = [](Surface& s, bool t) { PrintKPCuspPage(s, t); };
    for (int n = 1; n <= 4; ++n)
        list[numbered("Shodash", n, 1)] = [n](Surface& s, bool t) { PrintShodashPage(s, t, n); };
    list["Shodashvarga"] = [](Surface& s, bool t) {
        frame(s, t);
        Builders().PrintShodashvargaTable(s);
    };
    list["Ashtakvarga"] = [](Surface& s, bool t) {
        frame(s, t);
        Builders().PrintAshtakvargaPage(s);
    };
    addDashaFamily(list, "Vims", false, false);
    addDashaFamily(list, "SPSL", true, false);
    addDashaFamily(list, "Aaditya", false, true);
    list["VimsPratya"] = [](Surface& s, bool t) {
        frame(s, t);
        const BirthRecord& n = Native();
        Builders().PrintVimshottariPratyantar(s, n.Day, n.Month, n.Year, 0, 0);
    };
    for (int n = 1; n <= 3; ++n) {
        list[numbered("GenPage", n, 1)] = [n](Surface& s, bool t) {
            frameWithHeading(s, t, "General Predictions");
            Builders().PrintTopicPredictions(s, n);
        };
        list[numbered("PP", n, 1)] = [n](Surface& s, bool t) {
            frameWithHeading(s, t, "General Predictions");
            Builders().PrintPlanetInSignPredictions(s, n);
        };
    }
    for (int n = 1; n <= 2; ++n) {
        list[numbered("RashiP", n, 1)] = [n](Surface& s, bool t) {
            frameWithHeading(s, t, "General Predictions");
            Builders().PrintSignInHousePredictions(s, n);
        };
    }
    for (int n = 1; n <= MostAspectPages; ++n) {
        list[numbered("AspPage", n, 1)] = [n](Surface& s, bool) {
            Builders().BuildAspectPredictions(s, n);
        };
    }
    list["Maitri"] = [](Surface& s, bool t) {
        frame(s, t);
        Builders().PrintPlanetFriendship(s);
    };
    list["Sade1"] = [](Surface& s, bool t) {
        frameWithHeading(s, t, "SadeSati");
        Builders().PrintSadeSatiPage1(s);
    };
    list["Sade2"] = [](Surface& s, bool t) {
        frameWithHeading(s, t, "SadeSati");
        Builders().PrintSadeSatiPage2(s);
    };
    list["Manglik"] = [](Surface& s, bool t) {
        frame(s, t);
        Builders().PrintManglikDosha(s);
    };
    for (int n = 1; n <= 2; ++n) {
        list[numbered("Yogini Maha ", n, 1)] = [n](Surface& s, bool t) {
            frame(s, t);
            yogini(s, -n);
        };
    }
    list["Yogini Antar"] = [](Surface& s, bool t) {
        frame(s, t);
        yogini(s, 0);
    };
    list["Chara"] = [](Surface& s, bool t) {
        frame(s, t);
        Builders().JaiminiPage(0, s);
    };
    list["Chara 1"] = [](Surface& s, bool t) {
        frame(s, t);
        Builders().JaiminiPage(1, s);
    };
    for (int n = 1; n <= 4; ++n) {
        list[numbered("VP", n, 1)] = [n](Surface& s, bool t) {
            Builders().VarshphalPage(s, t, n);
        };
    }
    return list;
}

RecipeList matchRecipes()
{
    RecipeList list;
    list["Basic"] = [](Surface& s, bool t) {
        frame(s, t);
        const MatchCopies& m = Match();
        Builders().PrintBasicPage(s, true, &m.PartnerSunTimes, &m.PartnerPanchang);
    };
    list["Nirayana"] = [](Surface& s, bool t) { Builders().PrintMatchNirayanaPage(s, t); };
    list["Navamsa"] = [](Surface& s, bool t) { PrintMatchNavamsaPage(s, t); };
    list["Interpret"] = [](Surface& s, bool) {
        const MatchCopies& m = Match();
        Builders().MatchMaking(m.PartnerSunTimes, m.PartnerPanchang, s, 1);
    };
    list["Result"] = [](Surface& s, bool) {
        const MatchCopies& m = Match();
        Builders().MatchMaking(m.PartnerSunTimes, m.PartnerPanchang, s, 0);
    };
    return list;
}

const RecipeList& recipes(bool matchMode)
{
    static const RecipeList horoscope = horoscopeRecipes();
    static const RecipeList match = matchRecipes();
    return matchMode ? match : horoscope;
}

std::vector<std::string> keysOf(const RecipeList& list)
{
    std::vector<std::string> keys;
    keys.reserve(list.size());
    for (const auto& [key, recipe] : list)
        keys.push_back(key);
    return keys;
}

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
    const RunValues& run = OutputRun();
    if (run.BatchPrint && run.PageStarted)
        surface.NewPage();

    const RecipeList& list = recipes(run.MatchMode);
    const auto it = list.find(pageKey);
    if (it == list.end())
        return true;

    PageSnapshot snapshot(surface, Program());
    try {
        it->second(surface, toPrinter);
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

std::vector<std::string> HoroscopePageKeys() { return keysOf(recipes(false)); }

std::vector<std::string> MatchPageKeys() { return keysOf(recipes(true)); }

} // namespace tarvik
