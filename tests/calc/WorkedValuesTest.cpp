// The moment of 1 January 2000, 12:00 UT (T = 1.0; 17:30 at Delhi), and the
// sunrise of that day, through the whole chart driver. (The positions of the
// chart are checked against Swiss Ephemeris itself in tests/swisseph.)

#include "CalcFixture.h"

#include "calc/Chart.h"
#include "calc/Sunrise.h"

using namespace tarvik;
using tarvik::testing::CalcTest;

namespace {
struct Expected {
    const char* name;
    double value;
    double actual;
    double tolerance;
};

void expectAll(std::initializer_list<Expected> cases)
{
    for (const Expected& c : cases)
        EXPECT_NEAR(c.actual, c.value, c.tolerance) << c.name;
}

} // namespace

class WorkedValuesTest : public CalcTest {};

TEST_F(WorkedValuesTest, MomentIsTOne)
{
    CalcChart(OutputRun().Choices());
    EXPECT_DOUBLE_EQ(Chart().DayFraction, 0.0);
    EXPECT_DOUBLE_EQ(Chart().JulianCenturies, 1.0);
}

TEST_F(WorkedValuesTest, SunriseAtDelhi)
{
    CalcChart(OutputRun().Choices());
    const SunTimes s = SunriseOf(Native(), Chart());
    // The Sun's centre 34' below the horizon at 07:15:13 and 17:33:38 zone
    // time by the reference Sun; local mean time is 21.2 minutes earlier.
    constexpr double HalfMinute = 0.5 / 60;
    expectAll({
        {"unused", 0.0, s[0], 0},
        {"local sunrise", 7.2538 - 0.3533, s[1], HalfMinute},
        {"local sunset", 17.5605 - 0.3533, s[2], HalfMinute},
        {"zone sunrise", 7.2538, s[3], HalfMinute},
        {"zone sunset", 17.5605, s[4], HalfMinute},
    });
}
