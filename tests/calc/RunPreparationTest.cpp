// An output run prepared from the persons' entries as values: the run's
// values and display conventions, each person's chart, the birth
// longitudes, and in a match the girl's copies kept aside before the boy's
// chart; what the run stands in the program's state is what it returns.

#include "CalcFixture.h"

#include "calc/Ayanamsa.h"
#include "calc/Chart.h"
#include "calc/NameTables.h"
#include "calc/RunCopies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

class RunPreparationTest : public CalcTest {};

bool SameSaptavarga(const int (&a)[14][8], const int (&b)[14][8])
{
    return std::equal(&a[0][0], &a[0][0] + 14 * 8, &b[0][0]);
}

BirthRecord Boy()
{
    BirthRecord b = DelhiBirth(15, 8, 1980, 10, 30, 0);
    b.Name = "Arjun";
    return b;
}

// Born at Kathmandu on 29 February 1984, clocks 45 minutes behind.
BirthRecord Girl()
{
    BirthRecord g = MovedTo(DelhiBirth(29, 2, 1984, 18, 15, 0), 27, 42, "N", 85, 19, "E", 86.25, 0.75);
    g.Name = "Meera";
    g.Sex = "Female";
    g.Place = "Kathmandu";
    g.Country = "Nepal";
    return g;
}

} // namespace

TEST_F(RunPreparationTest, AHoroscopeRunStandsItsValuesAndTheNativesChart)
{
    Match().PartnerLongitudes[Moon] = 123;   // an earlier match's copies
    for (bool hindi : {false, true}) {
        SCOPED_TRACE(hindi ? "Hindi" : "English");
        const RunInput input{.native = {Boy(), {1, 0, 0}},
                             .family = {"Suresh Kumar", "Kamla Devi", "Ram Prasad", "Kashyap"},
                             .ayanamsaChoice = AyanamsaRaman,
                             .trueNode = false,
                             .hindi = hindi,
                             .chartStyle = 1,
                             .printing = true,
                             .varshphalFrom = 2030,
                             .varshphalYears = 3,
                             .yoginiFrom = 1990.5};
        const PreparedRun prepared = PrepareRun(input);

        const RunValues& run = OutputRun();
        EXPECT_EQ(run.BatchPrint, 1);
        EXPECT_FALSE(run.MatchMode);
        EXPECT_EQ(std::tie(run.AyanamsaChoice, run.TrueNode, run.ChartStyle),
                  std::make_tuple(AyanamsaRaman, false, 1));
        EXPECT_EQ(std::tie(run.VarshphalFrom, run.VarshphalYear, run.VarshphalYears),
                  std::make_tuple(2030, 2030, 3));
        EXPECT_DOUBLE_EQ(run.YoginiFrom, 1990.5);
        EXPECT_EQ(run.LanguageHindi, hindi);
        EXPECT_EQ(run.LineStep, hindi ? 310 : 250);
        EXPECT_EQ(run.BodyFontName, hindi ? "Tarvik" : "Tarvik English");

        EXPECT_EQ(Native(), Boy());
        const BirthState& b = Births();
        EXPECT_EQ(b.NativeWarTime, (WarTime{1, 0, 0}));
        EXPECT_EQ(std::tie(b.Father, b.Mother, b.Grandfather, b.Gotra),
                  std::make_tuple("Suresh Kumar", "Kamla Devi", "Ram Prasad", "Kashyap"));

        // The chart of the record under the run's ayanamsa and node.
        const ChartState chart = ChartOf(ChartInputOf(Boy(), AyanamsaRaman, false));
        EXPECT_EQ(Chart(), chart);
        EXPECT_EQ(prepared.chart, chart);
        EXPECT_FALSE(prepared.girlChart);
        EXPECT_EQ(Match().PartnerLongitudes[Moon], 123);   // a horoscope run keeps no girl
        EXPECT_EQ(prepared.match.PartnerLongitudes, Match().PartnerLongitudes);
        EXPECT_EQ(prepared.births.Native, Native());
        EXPECT_EQ(prepared.births.Gotra, "Kashyap");
    }
}

// The birth longitudes in traditional order, each from its chart element
// (computation order), under an ayanamsa that moves them all.
TEST_F(RunPreparationTest, BirthLongitudesAreTakenInTraditionalOrder)
{
    const PreparedRun prepared = PrepareRun({.native = {Boy()}, .ayanamsaChoice = AyanamsaRaman});
    const auto& lon = Chart().PlanetLongitudes;
    const BirthState& b = prepared.births;
    const struct {
        const char* name;
        double value, expected;
    } cases[] = {
        {"Ayanamsa", b.BirthAyanamsa, lon[1]}, {"Lagna", b.BirthLagna, Chart().HouseCusps[1]},
        {"Sun", b.BirthSun, lon[2]},           {"Moon", b.BirthMoon, lon[8]},
        {"Mars", b.BirthMars, lon[5]},         {"Mercury", b.BirthMercury, lon[3]},
        {"Jupiter", b.BirthJupiter, lon[6]},   {"Venus", b.BirthVenus, lon[4]},
        {"Saturn", b.BirthSaturn, lon[7]},     {"Rahu", b.BirthRahu, lon[9]},
        {"Ketu", b.BirthKetu, lon[10]},        {"Uranus", b.BirthUranus, lon[11]},
        {"Neptune", b.BirthNeptune, lon[12]},  {"Pluto", b.BirthPluto, lon[13]},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value, c.expected) << c.name;
    // Distinct bodies, so that a slip between two of them would show.
    EXPECT_NE(b.BirthSun, b.BirthMoon);
    EXPECT_NE(b.BirthMars, b.BirthMercury);
    EXPECT_EQ(Births().BirthPluto, b.BirthPluto);
}

// A match: the girl first, her results kept aside from her own chart; then
// the boy, who stays in Native with the chart and the birth longitudes.
TEST_F(RunPreparationTest, AMatchKeepsTheGirlAsideAndEndsWithTheBoy)
{
    const PreparedRun prepared =
        PrepareRun({.native = {Boy(), {1, 0, 0}}, .girl = PersonInput{Girl(), {-0.0, 45, 0}}, .hindi = false});
    const ChartState girlChart = ChartOf(ChartInputOf(Girl(), AyanamsaLahiri, true));
    const ChartState boyChart = ChartOf(ChartInputOf(Boy(), AyanamsaLahiri, true));

    EXPECT_TRUE(OutputRun().MatchMode);
    EXPECT_EQ(Partner(), Girl());
    EXPECT_EQ(Native(), Boy());
    EXPECT_EQ(Births().PartnerWarTime, (WarTime{-0.0, 45, 0}));
    EXPECT_TRUE(std::signbit(Births().PartnerWarTime[0]));
    EXPECT_EQ(Births().NativeWarTime, (WarTime{1, 0, 0}));
    EXPECT_EQ(Chart(), boyChart);
    ASSERT_TRUE(prepared.girlChart);
    EXPECT_EQ(*prepared.girlChart, girlChart);

    const MatchCopies& m = Match();
    EXPECT_EQ(m.PartnerLongitudes, girlChart.PlanetLongitudes);
    EXPECT_EQ(m.PartnerCusps, girlChart.HouseCusps);
    EXPECT_EQ(m.PartnerSandhis, girlChart.BhavaSandhi);
    EXPECT_EQ(m.PartnerSiderealTime, girlChart.SiderealTime);
    EXPECT_EQ(m.PartnerPlaceLongitude, girlChart.PlaceLongitude);
    EXPECT_EQ(m.PartnerZoneMeridian, 86.25);
    EXPECT_EQ(m.PartnerPanchang, PanchangElementsOf(girlChart).elements);
    EXPECT_EQ(m.PartnerSunTimes,
              SunriseSunset(29, 2, 1984, girlChart.PlaceLatitude, girlChart.PlaceLongitude, 86.25));
    EXPECT_TRUE(SameSaptavarga(m.PartnerSaptavargaSigns, girlChart.SaptavargaSigns));
    EXPECT_TRUE(SameSaptavarga(m.NativeSaptavargaSigns, boyChart.SaptavargaSigns));
    EXPECT_FALSE(SameSaptavarga(m.PartnerSaptavargaSigns, m.NativeSaptavargaSigns));
    EXPECT_EQ(Births().BirthMoon, boyChart.PlanetLongitudes[Moon]);
    EXPECT_NE(Births().BirthMoon, girlChart.PlanetLongitudes[Moon]);

    // What the run returns is what it stood.
    EXPECT_EQ(prepared.chart, Chart());
    EXPECT_EQ(prepared.births.Partner, Partner());
    EXPECT_EQ(prepared.match.PartnerLongitudes, m.PartnerLongitudes);
    EXPECT_TRUE(SameSaptavarga(prepared.match.NativeSaptavargaSigns, m.NativeSaptavargaSigns));
}

// A birth the ephemeris does not reach is told with the person's name.
TEST_F(RunPreparationTest, AChartThatCannotBeCastNamesThePerson)
{
    BirthRecord earlyGirl = Girl(), earlyBoy = Boy();
    earlyGirl.Year = earlyBoy.Year = 1700;
    const struct {
        const char* what;
        RunInput input;
        const char* named;
    } cases[] = {
        {"the girl", {.native = {Boy()}, .girl = PersonInput{earlyGirl}}, "The chart of Meera could not be computed: "},
        {"the boy", {.native = {earlyBoy}, .girl = PersonInput{Girl()}}, "The chart of Arjun could not be computed: "},
        {"the native", {.native = {earlyBoy}}, "The chart of Arjun could not be computed: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            PrepareRun(c.input);
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.named, 0), 0u) << e.what();
        }
    }
}
