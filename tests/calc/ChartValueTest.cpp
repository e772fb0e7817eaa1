#include "CalcFixture.h"

#include "calc/Angles.h"
#include "calc/Ayanamsa.h"
#include "calc/Chart.h"
#include "calc/KPChart.h"
#include "calc/PanchangElements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

class ChartValueTest : public CalcTest {};

RunChoices ChoicesWith(int ayanamsaChoice, bool trueNode)
{
    RunChoices run;
    run.ayanamsaChoice = ayanamsaChoice;
    run.trueNode = trueNode;
    return run;
}

bool SameVargas(const ChartState& a, const ChartState& b)
{
    return std::equal(&a.ShodashVargaSigns[0][0], &a.ShodashVargaSigns[0][0] + 17 * 11, &b.ShodashVargaSigns[0][0]) &&
           std::equal(&a.SaptavargaSigns[0][0], &a.SaptavargaSigns[0][0] + 14 * 8, &b.SaptavargaSigns[0][0]) &&
           a.ShodashVargaNames == b.ShodashVargaNames && a.DegInSign == b.DegInSign;
}

bool SameRelationships(const ChartState& a, const ChartState& b)
{
    return std::equal(&a.FriendshipTable[0][0][0], &a.FriendshipTable[0][0][0] + 10 * 10 * 4,
                      &b.FriendshipTable[0][0][0]);
}

// Seconds of arc from b to a, in (-648000, 648000].
double ArcsecondsApart(double a, double b) { return std::remainder(a - b, 360.0) * 3600; }

// Births with their twelve K.P. cusps worked by Swiss Ephemeris 2.10
// (swe_houses_ex, Placidus, sidereal under SE_SIDM_KRISHNAMURTI, at the
// universal time of the birth: Delhi 28N39 77E12 at zone time less 5:30,
// London at its clock).
struct WorkedCusps {
    const char* what;
    BirthRecord birth;
    std::array<double, 12> cusps;
};

std::vector<WorkedCusps> WorkedBirths()
{
    return {
        {"Delhi, 1 January 1950, 23:49:43", DelhiBirth(1, 1, 1950, 23, 49, 43),
         {159.544366, 187.675057, 218.119774, 249.652011, 281.218637, 311.646438, 339.544366, 7.675057,
          38.119774, 69.652011, 101.218637, 131.646438}},
        {"Delhi, 15 August 1980, 06:00", DelhiBirth(15, 8, 1980, 6, 0, 0),
         {120.092478, 145.489415, 174.892968, 207.223315, 239.906107, 271.035295, 300.092478, 325.489415,
          354.892968, 27.223315, 59.906107, 91.035295}},
        {"London, 21 March 2000, 06:00", MovedTo(DelhiBirth(21, 3, 2000, 6, 0, 0), 51, 30, "N", 0, 7, "W", 0),
         {333.715666, 22.396035, 46.981453, 65.273370, 83.378357, 107.177615, 153.715666, 202.396035,
          226.981453, 245.273370, 263.378357, 287.177615}},
    };
}

// The worked cusps are written to a millionth of a degree (0.004"); the
// program's positions come from a table made from Swiss Ephemeris.
constexpr double CuspArcseconds = 0.1;

} // namespace

// The K.P. cusps belong to the chart they are cast from: a chart the driver
// has just computed gives its cusps at once, with no copy of its lagna and
// ayanamsa taken first, and stale copies of another birth play no part. They
// stand in the K.P. zodiac whatever ayanamsa the chart was cast with: under
// all three the cusps are the Placidus cusps of the birth moment in the K.P.
// zodiac, cusp 1 the ascendant of its K.P. chart.
TEST_F(ChartValueTest, KPCuspsComeFromTheChartItselfInTheKPZodiac)
{
    for (const WorkedCusps& w : WorkedBirths()) {
        const ChartState kpChart = ChartOf(ChartInputOf(w.birth, ChoicesWith(AyanamsaKP, true)));
        EXPECT_LE(std::fabs(ArcsecondsApart(kpChart.HouseCusps[1], w.cusps[0])), CuspArcseconds) << w.what;
        for (int choice : {AyanamsaLahiri, AyanamsaKP, AyanamsaRaman}) {
            SCOPED_TRACE(::testing::Message() << w.what << ", choice " << choice);
            ResetProgramState();
            Births().BirthLagna = 300;          // the copies of some earlier run
            Births().BirthAyanamsa = 20;
            Native() = w.birth;
            CalcChart(ChoicesWith(choice, true));
            ASSERT_TRUE(CalcKPChart());
            const ChartState& chart = Chart();
            for (int k = 0; k < 12; ++k) {
                EXPECT_LE(std::fabs(ArcsecondsApart(chart.KPCusps[k], w.cusps[k])), CuspArcseconds)
                    << "cusp " << k + 1 << ": " << chart.KPCusps[k] << " against " << w.cusps[k];
                EXPECT_EQ(chart.KPHouseSigns[k], std::floor(w.cusps[k] / 30) + 1) << "cusp " << k + 1;
            }
            EXPECT_EQ(chart.KPCusps[12], chart.KPCusps[0]);

            // The value and the door agree.
            const KPCuspChart kp = KPCuspsOf(ChartOf(ChartInputOf(w.birth, ChoicesWith(choice, true))));
            EXPECT_TRUE(kp.cast);
            EXPECT_EQ(kp.cusps, chart.KPCusps);
            EXPECT_EQ(kp.signs, chart.KPHouseSigns);
        }
    }
}

// The whole chart of an input is the chart the door leaves in the program's
// state, divisional charts and relationships included, and casting it as a
// value leaves that state alone.
TEST_F(ChartValueTest, ChartOfAnInputIsTheChartTheDoorFills)
{
    for (int choice : {AyanamsaLahiri, AyanamsaKP, AyanamsaRaman})
        for (bool trueNode : {true, false}) {
            SCOPED_TRACE(::testing::Message() << "choice " << choice << (trueNode ? ", true node" : ", mean node"));
            ResetProgramState();
            Native() = DelhiBirth(4, 4, 1972, 4, 15, 0);
            CalcChart(ChoicesWith(choice, trueNode));
            const ChartState standing = Chart();

            Native() = DelhiBirth(20, 9, 2001, 12, 0, 0);   // another birth for the value
            const ChartState other = ChartOf(ChartInputOf(Native(), ChoicesWith(choice, trueNode)));
            EXPECT_EQ(Chart(), standing);
            EXPECT_NE(other.PlanetLongitudes, standing.PlanetLongitudes);

            const ChartState chart = ChartOf(ChartInputOf(DelhiBirth(4, 4, 1972, 4, 15, 0), ChoicesWith(choice, trueNode)));
            EXPECT_EQ(chart.PlanetLongitudes, standing.PlanetLongitudes);
            EXPECT_EQ(chart.HouseCusps, standing.HouseCusps);
            EXPECT_EQ(chart.AyanamsaChoice, choice);
            EXPECT_TRUE(SameVargas(chart, standing));
            EXPECT_TRUE(SameRelationships(chart, standing));
        }
}

// The panchang elements of a chart as a value are those the door returns,
// and only the door writes the chart's working values.
TEST_F(ChartValueTest, PanchangElementsOfAChartLeaveItAlone)
{
    Native() = DelhiBirth(15, 8, 1980, 6, 0, 0);
    CalcChart(ChoicesWith(AyanamsaLahiri, true));
    const ChartState before = Chart();
    const BirthPanchang value = PanchangElementsOf(Chart());
    EXPECT_EQ(Chart(), before);
    const PanchangValues door = CalcPanchangElements();
    EXPECT_EQ(value.elements, door);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(Chart().BirthPanchangValues[k], value.workingValues[k]) << k;
}
