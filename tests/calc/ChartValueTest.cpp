#include "CalcFixture.h"

#include "calc/Angles.h"
#include "calc/Ayanamsa.h"
#include "calc/Chart.h"
#include "calc/KPChart.h"
#include "calc/PanchangElements.h"

#include <gtest/gtest.h>

#include <algorithm>

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

} // namespace

// The K.P. cusps belong to the chart they are cast from: a chart the driver
// has just computed gives its cusps at once, with no copy of its lagna and
// ayanamsa taken first, and stale copies of another birth play no part. They
// stand in the K.P. zodiac whatever ayanamsa the chart was cast with: the
// same birth gives the same cusps under all three, cusp 1 the ascendant of
// its K.P. chart.
TEST_F(ChartValueTest, KPCuspsComeFromTheChartItselfInTheKPZodiac)
{
    for (const BirthRecord& birth : {DelhiBirth(1, 1, 1950, 23, 49, 43), DelhiBirth(15, 8, 1980, 6, 0, 0),
                                     MovedTo(DelhiBirth(21, 3, 2000, 6, 0, 0), 51, 30, "N", 0, 7, "W", 0)}) {
        const ChartState kpChart = ChartOf(ChartInputOf(birth, ChoicesWith(AyanamsaKP, true)));
        const KPCuspChart kpCusps = KPCuspsOf(kpChart);
        ASSERT_TRUE(kpCusps.cast);
        EXPECT_DOUBLE_EQ(kpCusps.cusps[0], kpChart.HouseCusps[1]);
        for (int choice : {AyanamsaLahiri, AyanamsaKP, AyanamsaRaman}) {
            SCOPED_TRACE(::testing::Message() << "choice " << choice << ", " << birth.Year);
            ResetProgramState();
            Births().BirthLagna = 300;          // the copies of some earlier run
            Births().BirthAyanamsa = 20;
            Native() = birth;
            CalcChart(ChoicesWith(choice, true));
            ASSERT_TRUE(CalcKPChart());
            const ChartState& chart = Chart();
            for (int k = 0; k <= 12; ++k)
                EXPECT_NEAR(chart.KPCusps[k], kpCusps.cusps[k], 1e-9) << "cusp " << k + 1;
            EXPECT_EQ(chart.KPHouseSigns, kpCusps.signs);
            EXPECT_EQ(chart.KPCusps[12], chart.KPCusps[0]);

            // The value and the door agree.
            const KPCuspChart kp = KPCuspsOf(ChartOf(ChartInputOf(birth, ChoicesWith(choice, true))));
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
