#include "CalcFixture.h"

#include "calc/Angles.h"
#include "calc/Chart.h"
#include "calc/NameTables.h"
#include "calc/PanchangElements.h"
#include "calc/Relationships.h"
#include "calc/Vargas.h"

#include <gtest/gtest.h>

using namespace tarvik;
using tarvik::testing::CalcTest;
using tarvik::testing::DelhiBirth;

namespace {

// The sidereal longitude of traditional position p as the chart pages read it.
double LongitudeOf(int p)
{
    return p == 1 ? Chart().HouseCusps[1] : Chart().PlanetLongitudes[BodyDisplayOrder[p]];
}

} // namespace

using ChartDivisionsTest = CalcTest;

TEST_F(ChartDivisionsTest, TheDriverLeavesVargasAndRelationshipsOfItsOwnLongitudes)
{
    struct Case { BirthRecord birth; int ayanamsa; };
    BirthRecord south = DelhiBirth(4, 7, 1976, 23, 59, 59);
    south.LatDeg = 33, south.LatMin = 52, south.LatDir = "S";
    const Case cases[] = {{DelhiBirth(), 0}, {DelhiBirth(15, 8, 1980, 10, 30), 1}, {south, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.birth.Year << " ayanamsa " << c.ayanamsa);
        ResetProgramState();
        Native() = c.birth;
        OutputRun().AyanamsaChoice = c.ayanamsa;
        CalcChart(OutputRun().Choices());
        const ChartState& chart = Chart();

        for (int p = 1; p <= 10; ++p)
            for (int v = 1; v <= 16; ++v)
                EXPECT_EQ(chart.ShodashVargaSigns[v][p], ShodashVargaSign(v, LongitudeOf(p))) << v << " " << p;
        for (int b = 1; b <= 13; ++b)
            for (int k = 1; k <= 7; ++k)
                EXPECT_EQ(chart.SaptavargaSigns[b][k],
                          SaptavargaSign(k, b == 1 ? chart.HouseCusps[1] : chart.PlanetLongitudes[b]))
                    << b << " " << k;
        EXPECT_EQ(chart.ShodashVargaNames[6], "Navamsa");
        EXPECT_DOUBLE_EQ(chart.DegInSign, SplitSign(chart.PlanetLongitudes[Ketu]).degrees);

        // The relationships read the Rasi signs of this run.
        for (int i = 1; i <= 9; ++i)
            for (int j = 1; j <= 9; ++j)
                if (i != j) {
                    const int si = SplitSign(LongitudeOf(i + 1)).sign, sj = SplitSign(LongitudeOf(j + 1)).sign;
                    EXPECT_EQ(chart.FriendshipTable[i][j][Temporary], std::string(1, TemporaryRelation(si, sj)))
                        << i << " -> " << j;
                }
        EXPECT_EQ(chart.FriendshipTable[9][1][NaturalRows], NaturalRelationRows[9]);
    }
}

TEST_F(ChartDivisionsTest, PanchangElementsAtTheMomentTEqualsOne)
{
    // 1 January 2000, 17:30 Indian time: 12:00 UT, T = 1.0.
    CalcChart(OutputRun().Choices());
    const PanchangValues v = CalcPanchangElements();
    EXPECT_EQ(v[TithiElement], 26);
    EXPECT_EQ(v[PadaElement], 4);
    EXPECT_EQ(v[NakshatraElement], 15);
    EXPECT_EQ(v[YogaIndexElement], 7);
    EXPECT_EQ(v[MoonSignElement], 6);
}
