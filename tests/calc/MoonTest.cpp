#include "calc/Angles.h"
#include "calc/Moon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

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

TEST(TrueNodeTest, SunNodeCorrectionFromTheTable)
{
    struct Case { double sunMinusNode; double minutes; };
    const Case cases[] = {
        {0, 0}, {90, 0}, {180, 0}, {360, 0},
        {3, 10}, {4.5, 15},              // on the grid, and halfway to the next point
        {45, 98}, {135, -98},            // the peak, mirrored about 45 degrees
        {225, 98}, {-45, -98},           // the node axis has no direction
        {60, 85}, {93, -10},
        {155.3439, -74.31},              // 1 January 2000
    };
    for (const Case& c : cases)
        EXPECT_NEAR(SunNodeCorrection(100 + c.sunMinusNode, 100), c.minutes, 0.005) << c.sunMinusNode;
}

TEST(TrueNodeTest, SunNodeTableIsMirroredAbout45AndNegatedPast90)
{
    // The tabulated arc-minutes every 3 degrees from 0 to 45.
    const int table[16] = {0, 10, 20, 30, 40, 49, 58, 66, 73, 79, 85, 90, 93, 96, 98, 98};
    for (int k = 0; k < 16; ++k) {
        const double x = 3.0 * k;
        EXPECT_NEAR(SunNodeCorrection(x, 0), table[k], 1e-9) << x;
        EXPECT_NEAR(SunNodeCorrection(90 - x, 0), table[k], 1e-9) << 90 - x;
        EXPECT_NEAR(SunNodeCorrection(90 + x, 0), -table[k], 1e-9) << 90 + x;
        EXPECT_NEAR(SunNodeCorrection(180 - x, 0), -table[k], 1e-9) << 180 - x;
    }
}

TEST(TrueNodeTest, AnglesOfAnySizeFoldIntoTheTableAndNaNIsRefused)
{
    for (double turns : {2.0, -3.0, 1e6, -1e9}) {
        SCOPED_TRACE(turns);
        EXPECT_NEAR(SunNodeCorrection(30 + 360 * turns, 0), SunNodeCorrection(30, 0), 1e-6);
        EXPECT_NEAR(SunNodeCorrection(0, 360 * turns - 100), SunNodeCorrection(100, 0), 1e-6);
    }
    EXPECT_THROW(SunNodeCorrection(std::nan(""), 10), std::domain_error);
    EXPECT_THROW(SunNodeCorrection(10, std::numeric_limits<double>::infinity()), std::domain_error);
}

TEST(TrueNodeTest, DatedCorrectionInterpolatesThroughTheYear)
{
    struct Case { int d, m, y; double minutes; };
    const Case cases[] = {
        {3, 1, 2001, 0}, {5, 7, 2001, 0}, {17, 3, 2001, -9}, {22, 12, 2001, 2},
        {1, 1, 2000, 2.0 * 2 / 12},    // between 22 December (+2) and 3 January (0)
        {31, 12, 2000, 3.0 * 2 / 12},  // between 22 December and 3 January of the next year
        {29, 2, 2000, -8 + 5.0 / 13},  // a leap year: 21 February to 5 March is 13 days
        {15, 8, 1980, 5 + 5 * 2.0 / 12},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(DatedNodeCorrection(c.d, c.m, c.y), c.minutes, 1e-9) << c.d << "-" << c.m << "-" << c.y;
}

TEST(TrueNodeTest, DatedCorrectionOnEachTabulatedDay)
{
    struct Entry { int d, m; int minutes; };
    const Entry entries[] = {
        {3, 1, 0},   {15, 1, -2}, {27, 1, -4}, {9, 2, -5},   {21, 2, -7},   {5, 3, -8},
        {17, 3, -9}, {29, 3, -9}, {11, 4, -9}, {23, 4, -9},  {5, 5, -8},    {17, 5, -7},
        {29, 5, -5}, {10, 6, -4}, {23, 6, -2}, {5, 7, 0},    {17, 7, 2},    {29, 7, 4},
        {10, 8, 5},  {22, 8, 7},  {4, 9, 8},   {16, 9, 9},   {28, 9, 9},    {10, 10, 9},
        {22, 10, 9}, {3, 11, 8},  {16, 11, 7}, {28, 11, 5},  {10, 12, 4},   {22, 12, 2},
    };
    for (int year : {1999, 2000})
        for (const Entry& e : entries)
            EXPECT_DOUBLE_EQ(DatedNodeCorrection(e.d, e.m, year), e.minutes) << e.d << "-" << e.m << "-" << year;
}

TEST(TrueNodeTest, RahuFromTheMeanNode)
{
    const NodeChoice mean{false, 1, 1, 2000};
    EXPECT_DOUBLE_EQ(CalcRahu(101.1834, 256.5273, mean), 101.1834);

    const NodeChoice jan2000{true, 1, 1, 2000};
    EXPECT_NEAR(CalcRahu(MeanNode(1.0), 256.5273, jan2000), 99.9504, 0.5e-4);

    // 0.2 deg with -30' (the Sun 99 deg from the node, on 3 January) wraps below 0.
    const NodeChoice jan3{true, 3, 1, 2000};
    EXPECT_NEAR(CalcRahu(0.2, 99.2, jan3), 359.7, 1e-9);
}

TEST(MoonTest, WritesMoonRahuKetuOfThePassWithTheFirstPassSun)
{
    ChartState chart;
    chart.JulianCenturies = 1.0;
    chart.PlanetLongitudes[Sun] = 256.5273;
    chart.PlanetLongitudes[Sun + HourLater] = 0;  // the second pass still reads element 2
    chart.CalcPass = 1;
    const NodeChoice node{true, 1, 1, 2000};
    CalcMoon(chart, node);
    EXPECT_EQ(chart.PlanetLongitudes[Moon], 0.0);
    EXPECT_DOUBLE_EQ(chart.PlanetLongitudes[Moon + HourLater], MoonLongitude(1.0));
    EXPECT_NEAR(chart.PlanetLongitudes[Rahu + HourLater], 99.9504, 0.5e-4);
    EXPECT_NEAR(chart.PlanetLongitudes[Ketu + HourLater], 279.9504, 0.5e-4);
}
