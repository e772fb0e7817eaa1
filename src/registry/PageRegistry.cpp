#include "PageRegistry.h"
#include "PageCatalogue.h"

#include "calc/TextFormat.h"
#include "pages/ChartPages.h"
#include "pages/Frame.h"
#include "pages/PositionTables.h"
#include "pages/TablePages.h"
#include "readings/AspectPredictions.h"
#include "readings/Jaimini.h"
#include "readings/Manglik.h"
#include "readings/MatchPages.h"
#include "readings/PredictionPages.h"
#include "readings/SadeSati.h"
#include "readings/VarshphalPages.h"
#include "readings/VimshottariPages.h"
#include "readings/Yogini.h"

#include <charconv>

namespace tarvik {

namespace {

// At the foot of a page of charts or sign tables: the nodes and the ayanamsa
// its positions are reckoned with.
void reckoning(Surface& s, const PageContext& p) { PrintReckoningAtFoot(s, ChartAyanamsaLine(p, p.chart), p); }

// The frame and a heading at the top of the body.
void frameWithHeading(Surface& s, const PageContext& p, std::string_view key)
{
    PrintPageFrame(s, p);
    int y = static_cast<int>(s.CurrentY);
    PrintHeading(p.Dict(key), s, y, p.layout);
}

// The three families of Vimshottari pages: from the Moon ("Vims"), from the
// ascendant ("SPSL") and from the Sun ("Aaditya").
template <bool FromAscendant, bool FromSun>
void vimshottariMaha(Surface& s, const PageContext& p, int)
{
    PrintPageFrame(s, p);
    const BirthRecord& n = p.births.Native;
    PrintVimshottariDasha(s, p.chart, n.Day, n.Month, n.Year, true,
                          {.fromAscendant = FromAscendant, .fromSun = FromSun}, p);
}

template <bool FromAscendant, bool FromSun>
void vimshottariPratyantar(Surface& s, const PageContext& p, int page)
{
    PrintPageFrame(s, p);
    const BirthRecord& n = p.births.Native;
    PrintVimshottariDasha(s, p.chart, n.Day, n.Month, n.Year, false,
                          {.pratyantarPage = page, .fromAscendant = FromAscendant, .fromSun = FromSun}, p);
}

template <bool FromAscendant, bool FromSun>
void vimshottariSookshma(Surface& s, const PageContext& p, int page)
{
    PrintPageFrame(s, p);
    const BirthRecord& n = p.births.Native;
    PrintVimshottariDasha(s, p.chart, n.Day, n.Month, n.Year, false,
                          {.sookshma = true, .sookshmaPage = page, .fromAscendant = FromAscendant,
                           .fromSun = FromSun},
                          p);
}

// selector -1 and -2 the two maha pages, 0 the antar page.
template <int Selector>
void yogini(Surface& s, const PageContext& p, int)
{
    PrintPageFrame(s, p);
    const BirthRecord& n = p.births.Native;
    PrintYoginiDasha(s, p.chart, n.Day, n.Month, n.Year, Selector, p);
}

template <int Cycle>
void chara(Surface& s, const PageContext& p, int)
{
    PrintPageFrame(s, p);
    JaiminiPage(Cycle, s, p.chart, p);
}

template <int N>
void shodash(Surface& s, const PageContext& p, int)
{
    PrintShodashPage(s, p, N);
    reckoning(s, p);
}

// mode 1 "Interpret", 0 "Result".
template <int Mode>
void matchMaking(Surface& s, const PageContext& p, int)
{
    MatchMaking(BoyOfMatch(p.chart, p.match), GirlOfMatch(p.match), s, p, Mode);
}

constexpr PageMode H = PageMode::Horoscope;
constexpr PageMode M = PageMode::Match;

// title, key, group, mode, builder, count, title digits, key digits.
const PageRow Pages[] = {
    {"Basic Details", "Basic", "", H,
     [](Surface& s, const PageContext& p, int) {
         PrintPageFrame(s, p);
         PrintBasicPage(s, p, false);
     }},
    {"Nirayana Longitudes and Lagna/Rasi/Asc Kundali, Moon/Chandra Kundali, Navamsa Kundali, Bhav Chalit",
     "Nirayana", "", H,
     [](Surface& s, const PageContext& p, int) {
         PrintPlanetTable(s, p, SiderealTable, p.chart);
         PrintNirayanaCharts(s, p);
     }},
    {"Sayana Longitudes, Aspects", "Sayana", "", H,
     [](Surface& s, const PageContext& p, int) {
         PrintPlanetTable(s, p, TropicalTable, p.chart);
         PrintAspectGrid(s, p);
     }},
    {"Bhav Positions, Chalit, Bhav Chalit", "Bhav", "", H,
     [](Surface& s, const PageContext& p, int) {
         PrintPageFrame(s, p);
         PrintBhavTable(s, p);
         PrintBhavCharts(s, p);
         reckoning(s, p);
     }},
    {"Sudarshan Chakra", "Sudarshan", "", H,
     [](Surface& s, const PageContext& p, int) {
         PrintPageFrame(s, p);
         PrintSudarshanChakra(s, p);
         reckoning(s, p);
     }},
    {"Maitri", "Maitri", "", H,
     [](Surface& s, const PageContext& p, int) {
         PrintPageFrame(s, p);
         PrintPlanetFriendship(s, p);
     }},
    // The planet table frames the KP1 page itself, so the page is framed once.
    {"KP - Page 1", "KP1", "", H,
     [](Surface& s, const PageContext& p, int) {
         PrintPlanetTable(s, p, KPTable, p.chart);
         PrintKPCharts(s, p);
     }},
    {"KP - Page 2", "KP2", "", H, [](Surface& s, const PageContext& p, int) { PrintKPCuspPage(s, p); }},
    {"Sade Sati - Page 1", "Sade1", "", H,
     [](Surface& s, const PageContext& p, int) {
         frameWithHeading(s, p, "SadeSati");
         PrintSadeSatiPage1(s, p.births.Native, p.births.BirthMoon, p);
     }},
    {"Sade Sati - Page 2", "Sade2", "", H,
     [](Surface& s, const PageContext& p, int) {
         frameWithHeading(s, p, "SadeSati");
         PrintSadeSatiPage2(s, p);
     }},
    {"Manglik Consideration", "Manglik", "", H,
     [](Surface& s, const PageContext& p, int) {
         PrintPageFrame(s, p);
         PrintManglikDosha(s, p);
     }},
    {"Shodashvarga Page 1 : Rasi, Hora, Drekkana, Chaturthamsa", "Shodash1", "", H, &shodash<1>},
    {"Shodashvarga Page 2 : Saptamsa, Navamsa, Dasamsa, Dwadasamsa", "Shodash2", "", H, &shodash<2>},
    {"Shodashvarga Page 3 : Shodasamsa, Vishamsa, Chaturvisamsa, Saptavisamsa", "Shodash3", "", H,
     &shodash<3>},
    {"Shodashvarga Page 4 : Trisamsa, Khavedamsa, Akshavedamsa, Shatyamsa", "Shodash4", "", H,
     &shodash<4>},
    {"Shodashvarga Table", "Shodashvarga", "", H,
     [](Surface& s, const PageContext& p, int) {
         PrintPageFrame(s, p);
         PrintShodashvargaTable(s, p);
         reckoning(s, p);
     }},
    {"Ashtakvarga", "Ashtakvarga", "", H,
     [](Surface& s, const PageContext& p, int) {
         PrintPageFrame(s, p);
         PrintAshtakvargaPage(s, p);
         reckoning(s, p);
     }},
    {"Vimsottari Mahadasa & Antar Dasa", "VimsAntar", "", H, &vimshottariMaha<false, false>},
    {"Vimsottari Pratyantar Dasa", "VimsPratya", "", H,
     [](Surface& s, const PageContext& p, int) {
         PrintPageFrame(s, p);
         const BirthRecord& n = p.births.Native;
         PrintVimshottariPratyantar(s, p.chart, n.Day, n.Month, n.Year, p.today.year, p.today.month, p);
     }},
    {"Vimsottari Pratyantar Dasa Page", "VimsPratya", "", H, &vimshottariPratyantar<false, false>, 9},
    {"Yogini Mahadasa Page 1", "Yogini Maha 1", "", H, &yogini<-1>},
    {"Yogini Mahadasa Page 2", "Yogini Maha 2", "", H, &yogini<-2>},
    {"Yogini Pratyantar", "Yogini Antar", "", H, &yogini<0>},
    {"Chara Dasa Cycle 1", "Chara", "", H, &chara<0>},
    {"Chara Dasa Cycle 2", "Chara 1", "", H, &chara<1>},

    // The families a print run lists as one group row each.
    {"General Predictions", "GenPage", "", H, nullptr},
    {"General Predictions Part", "GenPage", "GenPage", H,
     [](Surface& s, const PageContext& p, int n) {
         frameWithHeading(s, p, "General Predictions");
         PrintTopicPredictions(s, n, p);
     },
     3},
    {"Planetary Position Predictions", "PP", "", H, nullptr},
    {"Planetary Position Predictions Page", "PP", "PP", H,
     [](Surface& s, const PageContext& p, int n) {
         frameWithHeading(s, p, "General Predictions");
         PrintPlanetInSignPredictions(s, n, p);
     },
     3},
    {"Rashi Position Predictions", "RP", "", H, nullptr},
    {"Rashi Position Predictions Page", "RashiP", "RP", H,
     [](Surface& s, const PageContext& p, int n) {
         frameWithHeading(s, p, "General Predictions");
         PrintSignInHousePredictions(s, n, p);
     },
     2},
    {"Interpretation of Aspects", "AspPage", "", H, nullptr},
    {"Interpretation of Aspects : Page", "AspPage", "AspPage", H,
     [](Surface& s, const PageContext& p, int n) { BuildAspectPredictions(s, p, n); }, MostAspectPages},
    {"Varshphal", "VP", "", H, nullptr},
    {"Varshphal : Page", "VP", "VP", H, [](Surface& s, const PageContext& p, int n) { VarshphalPage(s, p, n); }, 3},

    // The Vimshottari periods counted from the ascendant and from the Sun.
    {"Other Dasha - SPS Lagnam Mahadasa & Antar Dasa", "SPSLMaha", "", H, &vimshottariMaha<true, false>},
    {"Other Dasha - SPS Lagnam Pratyantar Dasha Page", "SPSLPratya", "", H,
     &vimshottariPratyantar<true, false>, 9, 2},
    {"Other Dasha - Aaditya Mahadasa & Antar Dasa", "AadityaMaha", "", H, &vimshottariMaha<false, true>},
    {"Other Dasha - Aaditya Pratyantar Dasha Page", "AadityaPratya", "", H,
     &vimshottariPratyantar<false, true>, 9, 2},

    // Drawn by key, listed nowhere.
    {"", "VimsMaha", "", H, &vimshottariMaha<false, false>},
    {"", "VimsSooksh", "", H, &vimshottariSookshma<false, false>, 81, 1, 2},
    {"", "SPSLSooksh", "", H, &vimshottariSookshma<true, false>, 81, 1, 2},
    {"", "AadityaSooksh", "", H, &vimshottariSookshma<false, true>, 81, 1, 2},
    {"", "VP4", "", H, [](Surface& s, const PageContext& p, int) { VarshphalPage(s, p, 4); }},

    // A match.
    {"Basic Details", "Basic", "", M,
     [](Surface& s, const PageContext& p, int) {
         PrintPageFrame(s, p);
         PrintBasicPage(s, p, true);
     }},
    {"Nirayana Longitudes and Lagna Kundali, Bhava Chalit", "Nirayana", "", M,
     [](Surface& s, const PageContext& p, int) { PrintMatchNirayanaPage(s, p); }},
    {"Chalit, Chandra Kundali, Navamsa", "Navamsa", "", M,
     [](Surface& s, const PageContext& p, int) {
         PrintMatchNavamsaPage(s, p);
         reckoning(s, p);
     }},
    {"Interpretation of Ashta Kootas", "Interpret", "", M, &matchMaking<1>},
    {"Result", "Result", "", M, &matchMaking<0>},
};

std::string numbered(std::string_view stem, int n, int digits)
{
    return std::string(stem) + (digits > 0 ? ZeroPad(n, digits) : std::to_string(n));
}

} // namespace

std::span<const PageRow> PageRegistry() { return Pages; }

std::vector<PageRef> PagesOfRow(const PageRow& row)
{
    if (row.count == 0)
        return {{&row, 0, std::string(row.key), std::string(row.title)}};
    std::vector<PageRef> pages;
    for (int n = 1; n <= row.count; ++n)
        pages.push_back({&row, n, numbered(row.key, n, row.keyDigits),
                         std::string(row.title) + " " + ZeroPad(n, row.titleDigits)});
    return pages;
}

PageRef FindPage(std::span<const PageRow> table, PageMode mode, std::string_view key)
{
    for (const PageRow& row : table) {
        if (row.mode != mode || row.IsGroup() || !key.starts_with(row.key))
            continue;
        if (row.count == 0) {
            if (key == row.key)
                return {&row, 0, std::string(key), std::string(row.title)};
            continue;
        }
        const std::string_view digits = key.substr(row.key.size());
        int n = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
        if (error != std::errc() || end != digits.data() + digits.size() || n < 1 || n > row.count ||
            numbered(row.key, n, row.keyDigits) != key)
            continue;
        return {&row, n, std::string(key), std::string(row.title) + " " + ZeroPad(n, row.titleDigits)};
    }
    return {};
}

} // namespace tarvik
