#include "calc/Angles.h"
#include "calc/Moon.h"
#include "calc/TimeScale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace tarvik;

TEST(MoonTest, MeanElementsAndSeriesAtTOne)
{
    EXPECT_NEAR(MoonLongitude(1.0), 199.4651, 0.5e-4);
    EXPECT_NEAR(MeanNode(1.0), 101.1834, 0.5e-4);
    for (double T : {-0.5, 0.0, 0.37, 1.0, 1.5}) {
        const double moon = MoonLongitude(T);
        EXPECT_GE(moon, 0.0);
        EXPECT_LT(moon, 360.0);
        EXPECT_GE(MeanNode(T), 0.0);
        EXPECT_LT(MeanNode(T), 360.0);
    }
}

TEST(TrueNodeTest, RahuIsTheMeanNodeOrTheMeanNodeWithItsSwing)
{
    // The mean node is left as it is; the true node swings about it by the
    // solar term, 1.5 degrees at most, and wraps through 0.
    for (double T : {-1.0, 0.0, 0.5083, 1.0, 2.99}) {
        SCOPED_TRACE(T);
        EXPECT_DOUBLE_EQ(CalcRahu(T, NodeChoice{false}), MeanNode(T));
        const double rahu = CalcRahu(T, NodeChoice{true});
        EXPECT_GE(rahu, 0.0);
        EXPECT_LT(rahu, 360.0);
        EXPECT_NEAR(std::remainder(rahu - MeanNode(T), 360.0), TrueNodeCorrection(T) / 60, 1e-9);
        EXPECT_LE(std::fabs(TrueNodeCorrection(T)), 130.0);
    }
}

TEST(TrueNodeTest, SwingFollowsTheSunsAngleFromTheNode)
{
    // The main term, -90' sin 2(D - F), turns with the Sun's angle from the
    // node: within a year the correction takes both signs, near 1.5 degrees.
    double low = 0, high = 0;
    for (int day = 0; day < 365; ++day) {
        const double c = TrueNodeCorrection(1.0 + day / DaysPerCentury);
        low = std::min(low, c);
        high = std::max(high, c);
    }
    EXPECT_LT(low, -85.0);
    EXPECT_GT(high, 85.0);
}

TEST(MoonTest, WritesMoonRahuKetuOfThePass)
{
    ChartState chart;
    chart.JulianCenturies = 1.0;
    chart.CalcPass = 1;
    CalcMoon(chart, NodeChoice{true});
    EXPECT_EQ(chart.PlanetLongitudes[Moon], 0.0);
    EXPECT_DOUBLE_EQ(chart.PlanetLongitudes[Moon + HourLater], MoonLongitude(1.0));
    const double rahu = CalcRahu(1.0, NodeChoice{true});
    EXPECT_DOUBLE_EQ(chart.PlanetLongitudes[Rahu + HourLater], rahu);
    EXPECT_NEAR(chart.PlanetLongitudes[Ketu + HourLater], ReduceDegrees(rahu + 180), 1e-9);
}
