#include "PageRegistry.h"
#include "PageCatalogue.h"

#include "calc/TextFormat.h"
#include "core/State.h"
#include "pages/ChartPages.h"
#include "pages/Frame.h"
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
#include "refdata/TextLookup.h"

#include <charconv>

namespace tarvik {

namespace {

void frame(Surface& s, bool toPrinter) { PrintPageFrame(s, toPrinter); }

// At the foot of a page of charts or sign tables: the nodes and the ayanamsa
// its positions are reckoned with.
void reckoning(Surface& s, const RunChoices& c) { PrintReckoningAtFoot(s, ChartAyanamsaLine(c), c); }

// The frame and a heading at the top of the body.
void frameWithHeading(Surface& s, bool toPrinter, std::string_view key)
{
    frame(s, toPrinter);
    int y = static_cast<int>(s.CurrentY);
    PrintHeading(GetDictText(key), s, y);
}

// The three families of Vimshottari pages: from the Moon ("Vims"), from the
// ascendant ("SPSL") and from the Sun ("Aaditya").
template <bool FromAscendant, bool FromSun>
void vimshottariMaha(Surface& s, bool t, int, const RunChoices& c)
{
    frame(s, t);
    const BirthRecord& n = Native();
    PrintVimshottariDasha(s, Chart(), n.Day, n.Month, n.Year, true,
                          {.fromAscendant = FromAscendant, .fromSun = FromSun}, c);
}

template <bool FromAscendant, bool FromSun>
void vimshottariPratyantar(Surface& s, bool t, int page, const RunChoices& c)
{
    frame(s, t);
    const BirthRecord& n = Native();
    PrintVimshottariDasha(s, Chart(), n.Day, n.Month, n.Year, false,
                          {.pratyantarPage = page, .fromAscendant = FromAscendant, .fromSun = FromSun}, c);
}

template <bool FromAscendant, bool FromSun>
void vimshottariSookshma(Surface& s, bool t, int page, const RunChoices& c)
{
    frame(s, t);
    const BirthRecord& n = Native();
    PrintVimshottariDasha(s, Chart(), n.Day, n.Month, n.Year, false,
                          {.sookshma = true, .sookshmaPage = page, .fromAscendant = FromAscendant,
                           .fromSun = FromSun},
                          c);
}

// selector -1 and -2 the two maha pages, 0 the antar page.
template <int Selector>
void yogini(Surface& s, bool t, int, const RunChoices& c)
{
    frame(s, t);
    const BirthRecord& n = Native();
    PrintYoginiDasha(s, Chart(), n.Day, n.Month, n.Year, Selector, c);
}

template <int Cycle>
void chara(Surface& s, bool t, int, const RunChoices& c)
{
    frame(s, t);
    JaiminiPage(Cycle, s, Chart(), c);
}

template <int N>
void shodash(Surface& s, bool t, int, const RunChoices& c)
{
    PrintShodashPage(s, t, N, c);
    reckoning(s, c);
}

// mode 1 "Interpret", 0 "Result".
template <int Mode>
void matchMaking(Surface& s, bool, int, const RunChoices&)
{
    const MatchCopies& m = Match();
    MatchMaking(BoyOfMatchRun(), GirlOfMatchRun(m.PartnerPanchang), s, Mode);
}

constexpr PageMode H = PageMode::Horoscope;
constexpr PageMode M = PageMode::Match;

// title, key, group, mode, builder, count, title digits, key digits.
const PageRow Pages[] = {
    {"Basic Details", "Basic", "", H,
     [](Surface& s, bool t, int, const RunChoices& c) {
         frame(s, t);
         PrintBasicPage(s, false, nullptr, nullptr, c);
     }},
    {"Nirayana Longitudes and Lagna/Rasi/Asc Kundali, Moon/Chandra Kundali, Navamsa Kundali, Bhav Chalit",
     "Nirayana", "", H,
     [](Surface& s, bool t, int, const RunChoices& c) {
         PrintPlanetTable(s, 1, t, c);
         PrintNirayanaCharts(s, c);
     }},
    {"Sayana Longitudes, Aspects", "Sayana", "", H,
     [](Surface& s, bool t, int, const RunChoices& c) {
         PrintPlanetTable(s, 2, t, c);
         PrintAspectGrid(s);
     }},
    {"Bhav Positions, Chalit, Bhav Chalit", "Bhav", "", H,
     [](Surface& s, bool t, int, const RunChoices& c) {
         frame(s, t);
         PrintBhavTable(s, c);
         PrintBhavCharts(s, c);
         reckoning(s, c);
     }},
    {"Sudarshan Chakra", "Sudarshan", "", H,
     [](Surface& s, bool t, int, const RunChoices& c) {
         frame(s, t);
         PrintSudarshanChakra(s, c);
         reckoning(s, c);
     }},
    {"Maitri", "Maitri", "", H,
     [](Surface& s, bool t, int, const RunChoices& c) {
         frame(s, t);
         PrintPlanetFriendship(s, c);
     }},
    // The planet table frames the KP1 page itself, so the page is framed once.
    {"KP - Page 1", "KP1", "", H,
     [](Surface& s, bool t, int, const RunChoices& c) {
         PrintPlanetTable(s, 3, t, c);
         PrintKPCharts(s, c);
     }},
    {"KP - Page 2", "KP2", "", H, [](Surface& s, bool t, int, const RunChoices& c) { PrintKPCuspPage(s, t, c); }},
    {"Sade Sati - Page 1", "Sade1", "", H,
     [](Surface& s, bool t, int, const RunChoices& c) {
         frameWithHeading(s, t, "SadeSati");
         PrintSadeSatiPage1(s, Native(), Births().BirthMoon, c);
     }},
    {"Sade Sati - Page 2", "Sade2", "", H,
     [](Surface& s, bool t, int, const RunChoices& c) {
         frameWithHeading(s, t, "SadeSati");
         PrintSadeSatiPage2(s, c);
     }},
    {"Manglik Consideration", "Manglik", "", H,
     [](Surface& s, bool t, int, const RunChoices& c) {
         frame(s, t);
         PrintManglikDosha(s, c);
     }},
    {"Shodashvarga Page 1 : Rasi, Hora, Drekkana, Chaturthamsa", "Shodash1", "", H, &shodash<1>},
    {"Shodashvarga Page 2 : Saptamsa, Navamsa, Dasamsa, Dwadasamsa", "Shodash2", "", H, &shodash<2>},
    {"Shodashvarga Page 3 : Shodasamsa, Vishamsa, Chaturvisamsa, Saptavisamsa", "Shodash3", "", H,
     &shodash<3>},
    {"Shodashvarga Page 4 : Trisamsa, Khavedamsa, Akshavedamsa, Shatyamsa", "Shodash4", "", H,
     &shodash<4>},
    {"Shodashvarga Table", "Shodashvarga", "", H,
     [](Surface& s, bool t, int, const RunChoices& c) {
         frame(s, t);
         PrintShodashvargaTable(s, c);
         reckoning(s, c);
     }},
    {"Ashtakvarga", "Ashtakvarga", "", H,
     [](Surface& s, bool t, int, const RunChoices& c) {
         frame(s, t);
         PrintAshtakvargaPage(s, c);
         reckoning(s, c);
     }},
    {"Vimsottari Mahadasa & Antar Dasa", "VimsAntar", "", H, &vimshottariMaha<false, false>},
    {"Vimsottari Pratyantar Dasa", "VimsPratya", "", H,
     [](Surface& s, bool t, int, const RunChoices& c) {
         frame(s, t);
         const BirthRecord& n = Native();
         PrintVimshottariPratyantar(s, Chart(), n.Day, n.Month, n.Year, 0, 0, c);
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
     [](Surface& s, bool t, int n, const RunChoices& c) {
         frameWithHeading(s, t, "General Predictions");
         PrintTopicPredictions(s, n, c);
     },
     3},
    {"Planetary Position Predictions", "PP", "", H, nullptr},
    {"Planetary Position Predictions Page", "PP", "PP", H,
     [](Surface& s, bool t, int n, const RunChoices& c) {
         frameWithHeading(s, t, "General Predictions");
         PrintPlanetInSignPredictions(s, n, c);
     },
     3},
    {"Rashi Position Predictions", "RP", "", H, nullptr},
    {"Rashi Position Predictions Page", "RashiP", "RP", H,
     [](Surface& s, bool t, int n, const RunChoices& c) {
         frameWithHeading(s, t, "General Predictions");
         PrintSignInHousePredictions(s, n, c);
     },
     2},
    {"Interpretation of Aspects", "AspPage", "", H, nullptr},
    {"Interpretation of Aspects : Page", "AspPage", "AspPage", H,
     [](Surface& s, bool, int n, const RunChoices&) { BuildAspectPredictions(s, Chart(), n); }, MostAspectPages},
    {"Varshphal", "VP", "", H, nullptr},
    {"Varshphal : Page", "VP", "VP", H, [](Surface& s, bool t, int n, const RunChoices& c) { VarshphalPage(s, t, n, c); }, 3},

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
    {"", "VP4", "", H, [](Surface& s, bool t, int, const RunChoices& c) { VarshphalPage(s, t, 4, c); }},

    // A match.
    {"Basic Details", "Basic", "", M,
     [](Surface& s, bool t, int, const RunChoices& c) {
         frame(s, t);
         const MatchCopies& m = Match();
         PrintBasicPage(s, true, &m.PartnerSunTimes, &m.PartnerPanchang, c);
     }},
    {"Nirayana Longitudes and Lagna Kundali, Bhava Chalit", "Nirayana", "", M,
     [](Surface& s, bool t, int, const RunChoices& c) { PrintMatchNirayanaPage(s, t, c); }},
    {"Chalit, Chandra Kundali, Navamsa", "Navamsa", "", M,
     [](Surface& s, bool t, int, const RunChoices& c) {
         PrintMatchNavamsaPage(s, t, c);
         reckoning(s, c);
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
