// The ashtakavarga: bindus, the trikona and ekadhipatya reductions, the
// shodhya pinda, and the page that prints them.

#include "PageTestSupport.h"

#include "pages/Ashtakavarga.h"
#include "registry/PageDispatcher.h"
#include "pages/TablePages.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

using Row = std::array<int, 12>;

AshtakSigns allIn(int sign)
{
    AshtakSigns signs;
    signs.fill(sign);
    return signs;
}

int total(const Row& row) { return std::accumulate(row.begin(), row.end(), 0); }

// Whatever the chart, each planet receives the same number of bindus: its
// benefic places summed over the eight contributors.
TEST(AshtakavargaTest, TotalsBeforeReductionAreFixed)
{
    constexpr std::array<int, AshtakPlanets> totals = {48, 49, 39, 54, 56, 52, 39};
    std::vector<AshtakSigns> charts;
    for (int s = 1; s <= 12; ++s)
        charts.push_back(allIn(s));
    unsigned seed = 12345;
    for (int n = 0; n < 500; ++n) {
        AshtakSigns signs;
        for (int& sign : signs) {
            seed = seed * 1103515245u + 12345u;
            sign = static_cast<int>((seed >> 16) % 12) + 1;
        }
        charts.push_back(signs);
    }
    for (const AshtakSigns& signs : charts) {
        const AshtakTable bindus = AshtakavargaBindus(signs);
        int grand = 0;
        for (int p = 0; p < AshtakPlanets; ++p) {
            EXPECT_EQ(total(bindus[p]), totals[p]) << "planet row " << p;
            grand += total(bindus[p]);
        }
        EXPECT_EQ(grand, 337);
    }
}

// Each contributor counts its places forward from its own sign (place 1 is
// that sign).
TEST(AshtakavargaTest, PlacesCountFromEachContributor)
{
    const Row sunAllInAries = {3, 3, 3, 4, 2, 5, 4, 3, 5, 6, 7, 3};
    struct Case { const char* what; AshtakSigns signs; int planet; Row bindus; };
    AshtakSigns moonInTaurus = allIn(1);
    moonInTaurus[AshtakMoon] = 2;
    AshtakSigns lagnaInTaurus = allIn(1);
    lagnaInTaurus[AshtakLagna] = 2;
    const Case cases[] = {
        {"Sun, all in Aries", allIn(1), AshtakSun, sunAllInAries},
        {"Sun, all in Leo", allIn(5), AshtakSun, {5, 6, 7, 3, 3, 3, 3, 4, 2, 5, 4, 3}},
        {"Saturn, all in Aries", allIn(1), AshtakSaturn, {2, 1, 4, 2, 3, 7, 1, 2, 1, 4, 8, 4}},
        {"Sun, the Moon in Taurus", moonInTaurus, AshtakSun, {3, 3, 2, 5, 2, 4, 5, 3, 5, 5, 7, 4}},
        {"Sun, the Lagna in Taurus", lagnaInTaurus, AshtakSun, {4, 3, 2, 4, 3, 4, 5, 3, 5, 5, 7, 3}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AshtakavargaBindus(c.signs)[c.planet], c.bindus) << c.what;
}

TEST(AshtakavargaTest, SignsOfTheChartAndTheOccupiedOnes)
{
    ChartState chart;
    chart.PlanetLongitudes[Sun] = 0.5;
    chart.PlanetLongitudes[Moon] = 45;
    chart.PlanetLongitudes[Mars] = 359.9;
    chart.PlanetLongitudes[Mercury] = 360.2;   // reduced into the circle first
    chart.PlanetLongitudes[Jupiter] = 95;
    chart.PlanetLongitudes[Venus] = 200;
    chart.PlanetLongitudes[Saturn] = 300;
    chart.PlanetLongitudes[Rahu] = 250;
    chart.PlanetLongitudes[Ketu] = 70;
    chart.HouseCusps[1] = 215;
    const AshtakSigns signs = AshtakavargaSigns(chart);
    EXPECT_EQ(signs, (AshtakSigns{1, 2, 12, 1, 4, 7, 11, 8}));

    const OccupiedSigns occupied = OccupiedBy(signs);
    const OccupiedSigns expected = {true,  true,  false, true,  false, false,
                                    true,  true,  false, false, true,  true};
    EXPECT_EQ(occupied, expected) << "the Lagna's Scorpio counts, Rahu's Sagittarius and "
                                     "Ketu's Gemini do not";
}

TEST(AshtakavargaTest, TrikonaReductionTakesEachTrinesLeast)
{
    struct Case { const char* what; Row before, after; };
    const Case cases[] = {
        {"the least of each trine from all three", {5, 5, 6, 5, 2, 3, 3, 4, 6, 2, 3, 4},
         {3, 3, 3, 1, 0, 1, 0, 0, 4, 0, 0, 0}},
        {"a trine holding a 0 stays", {0, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0},
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0}},
        {"three equal values all go", {4, 2, 0, 1, 4, 2, 0, 1, 4, 2, 0, 1},
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        AshtakTable table{};
        table[AshtakJupiter] = c.before;
        table[AshtakSaturn] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2};
        const AshtakTable reduced = TrikonaReduced(table);
        EXPECT_EQ(reduced[AshtakJupiter], c.after) << c.what;
        EXPECT_EQ(reduced[AshtakSaturn], (Row{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1})) << c.what;
    }
}

TEST(AshtakavargaTest, EkadhipatyaReductionOfSignsWithOneLord)
{
    // Aries (column 0) and Scorpio (column 7), both ruled by Mars.
    struct Case { const char* what; int aries, scorpio; bool ariesHeld, scorpioHeld; int ariesAfter, scorpioAfter; };
    const Case cases[] = {
        {"a sign without bindus: no change", 0, 5, false, false, 0, 5},
        {"the other sign without bindus", 4, 0, true, false, 4, 0},
        {"both occupied: no change", 4, 2, true, true, 4, 2},
        {"neither occupied, equal: both go", 3, 3, false, false, 0, 0},
        {"neither occupied: both take the smaller", 5, 2, false, false, 2, 2},
        {"the occupied one has more: the empty one goes", 5, 2, true, false, 5, 0},
        {"equal, one occupied: the empty one goes", 3, 3, true, false, 3, 0},
        {"the occupied one has fewer: the empty one takes its count", 2, 5, true, false, 2, 2},
        {"the same with Scorpio occupied", 5, 2, false, true, 2, 2},
        {"Scorpio occupied with more", 2, 5, false, true, 0, 5},
    };
    for (const Case& c : cases) {
        AshtakTable table{};
        table[AshtakMars][0] = c.aries;
        table[AshtakMars][7] = c.scorpio;
        OccupiedSigns occupied{};
        occupied[0] = c.ariesHeld;
        occupied[7] = c.scorpioHeld;
        const AshtakTable reduced = EkadhipatyaReduced(table, occupied);
        EXPECT_EQ(reduced[AshtakMars][0], c.ariesAfter) << c.what;
        EXPECT_EQ(reduced[AshtakMars][7], c.scorpioAfter) << c.what;
    }

    // Every pair with one lord, none occupied, 4 against 1; Cancer and Leo
    // have no partner and keep their 4 and 1.
    AshtakTable table{};
    table[AshtakMoon] = {4, 4, 4, 4, 1, 1, 1, 1, 4, 4, 1, 1};
    const AshtakTable reduced = EkadhipatyaReduced(table, OccupiedSigns{});
    EXPECT_EQ(reduced[AshtakMoon], (Row{1, 1, 1, 4, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST(AshtakavargaTest, ShodhyaPindaWeighsSignsAndPlanets)
{
    AshtakTable reduced{};
    reduced[AshtakSun][0] = 1;    // Aries
    reduced[AshtakSun][11] = 2;   // Pisces
    reduced[AshtakJupiter].fill(1);
    AshtakSigns signs = allIn(3);   // everyone in Gemini ...
    signs[AshtakSun] = 1;           // ... but the Sun in Aries
    signs[AshtakMoon] = 12;         // and the Moon and Jupiter in Pisces
    signs[AshtakJupiter] = 12;
    const auto pindas = ShodhyaPindas(reduced, signs);
    // Sun: rashi 1 x 7 + 2 x 12; graha 1 x 5 (Sun) + 2 x 5 (Moon) + 2 x 10 (Jupiter).
    EXPECT_EQ(pindas[AshtakSun], (ShodhyaPinda{31, 35}));
    EXPECT_EQ(pindas[AshtakSun].Total(), 66);
    // Jupiter: one bindu everywhere, the sum of the weights.
    EXPECT_EQ(pindas[AshtakJupiter], (ShodhyaPinda{96, 45}));
    EXPECT_EQ(pindas[AshtakMoon], (ShodhyaPinda{0, 0}));
}

class AshtakavargaPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Config().PrintBorder = false;
        ChartState& c = Chart();
        const double longitudes[] = {0, 0, 12, 40, 95, 200, 310, 350, 75, 130, 310};
        for (int b = Sun; b <= Ketu; ++b)
            c.PlanetLongitudes[b] = longitudes[b];
        c.HouseCusps[1] = 222;
    }

    // The texts of one column, top to bottom.
    std::vector<std::string> column(double x) const
    {
        std::vector<std::string> texts;
        for (const RecordedText& t : surface.Texts())
            if (t.x == x)
                texts.push_back(t.text);
        return texts;
    }
};

TEST_F(AshtakavargaPageTest, PrintsTheThreeTablesAndThePindas)
{
    for (bool hindi : {false, true}) {
        ApplyDisplayConventions(hindi);
        surface = RecordingSurface();
        ASSERT_TRUE(PrintPage(surface, "Ashtakvarga", false));
        const std::string hi = hindi ? "hi:" : "";

        std::vector<double> headings;
        for (const char* key : {"ASHTAK", "TRIKON", "EKADH"}) {
            const RecordedText* h = surface.FindText(hi + key);
            ASSERT_NE(h, nullptr) << key;
            headings.push_back(h->y);
        }
        const RecordedText* pinda = surface.FindText(hi + "SHODHYA " + hi + "PINDA");
        ASSERT_NE(pinda, nullptr);
        EXPECT_TRUE(std::is_sorted(headings.begin(), headings.end()));
        EXPECT_LT(headings.back(), pinda->y);

        // The total column of the first table: each planet's fixed total and 337.
        const std::vector<std::string> totals = column(1440 + 600 + 12 * 550);
        ASSERT_GE(totals.size(), 9u);
        EXPECT_EQ(std::vector<std::string>(totals.begin(), totals.begin() + 9),
                  (std::vector<std::string>{hi + "TOTAL", " 48", " 49", " 39", " 54", " 56",
                                            " 52", " 39", "337"}));
        // Totals in italics: the total column and the total row.
        for (const RecordedText& t : surface.Texts()) {
            if (t.x == 1440 + 600 + 12 * 550 || t.text == hi + "TOTAL") {
                EXPECT_TRUE(t.font.Italic) << t.text;
            }
        }
        const RecordedText* sunLabel = surface.FindText(hi + "RAVI");
        ASSERT_NE(sunLabel, nullptr);
        for (const RecordedText& t : surface.Texts())
            if (t.y == sunLabel->y && t.x < 1440 + 600 + 12 * 550) {
                EXPECT_FALSE(t.font.Italic) << t.text;
            }
        // Sign names: English cut to four characters.
        EXPECT_EQ(column(1440 + 600)[0], hindi ? "hi:_MESH" : "_MES");

        // The pinda columns print what the reductions give.
        const AshtakSigns signs = AshtakavargaSigns(Chart());
        const auto pindas = ShodhyaPindas(
            EkadhipatyaReduced(TrikonaReduced(AshtakavargaBindus(signs)), OccupiedBy(signs)), signs);
        for (int r = 0; r < AshtakPlanets; ++r) {
            const std::vector<std::string> texts = column(1440 + (r + 1) * 900 + 750);
            ASSERT_EQ(texts.size(), 4u) << r;
            EXPECT_EQ(std::stoi(texts[1]), pindas[r].rashi);
            EXPECT_EQ(std::stoi(texts[2]), pindas[r].graha);
            EXPECT_EQ(std::stoi(texts[3]), pindas[r].Total());
        }

        // The page ends above the footer.
        double lowest = 0;
        for (const RecordedText& t : surface.Texts())
            if (t.y < Config().FooterTop * 1440)
                lowest = std::max(lowest, t.y + 14 * RecordingSurface::HeightPerPoint);
        EXPECT_LT(lowest, 14500 + 500) << (hindi ? "hi" : "en");
    }
}

} // namespace
