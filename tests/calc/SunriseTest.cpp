#include "CalcFixture.h"

#include "calc/Sunrise.h"

#include <gtest/gtest.h>

using namespace tarvik;

TEST(SunriseTest, LocalAndZoneTimesDifferByTheLongitudeFromTheZoneMeridian)
{
    const SunTimes onMeridian = SunriseSunset(15, 8, 1980, 28.65, 82.5, 82.5);
    EXPECT_DOUBLE_EQ(onMeridian[1], onMeridian[3]);
    EXPECT_DOUBLE_EQ(onMeridian[2], onMeridian[4]);

    // One degree east: the Sun rises four minutes earlier by the zone clock,
    // at the same local mean time.
    const SunTimes east = SunriseSunset(15, 8, 1980, 28.65, 83.5, 82.5);
    EXPECT_NEAR(east[3], onMeridian[3] - 4.0 / 60, 1e-12);
    EXPECT_NEAR(east[1] - east[3], 4.0 / 60, 1e-12);
    EXPECT_NEAR(east[1], onMeridian[1], 1e-12);
}

TEST(SunriseTest, DayIsSymmetricAboutNoon)
{
    // On the equator the day lasts 12 hours plus the allowance at both ends,
    // and at any latitude local noon lies midway between rise and set.
    const SunTimes equator = SunriseSunset(21, 6, 2000, 0, 0, 0);
    EXPECT_NEAR(equator[2] - equator[1], 12.07, 1e-12);
    for (double lat : {-40.0, 28.65, 55.0}) {
        const SunTimes longer = SunriseSunset(21, 6, 2000, lat, 0, 0);
        EXPECT_NEAR((longer[1] + longer[2]) / 2, (equator[1] + equator[2]) / 2, 1e-12) << lat;
    }
    // The June day is longer in the north and shorter in the south.
    EXPECT_GT(SunriseSunset(21, 6, 2000, 50, 0, 0)[2] - SunriseSunset(21, 6, 2000, 50, 0, 0)[1], 16);
    EXPECT_LT(SunriseSunset(21, 6, 2000, -50, 0, 0)[2] - SunriseSunset(21, 6, 2000, -50, 0, 0)[1], 8.5);
}

TEST(SunriseTest, PolarDayAndNightGiveDefinedTimes)
{
    struct Case { const char* name; int d, m; double lat; double rise, set; };
    const Case cases[] = {
        {"midnight sun, north", 21, 6, 70, 0, 24},
        {"polar night, north", 21, 12, 70, 12, 12},
        {"midnight sun, south", 21, 12, -75, 0, 24},
        {"polar night, south", 21, 6, -75, 12, 12},
        {"pole", 21, 6, 90, 0, 24},
    };
    for (const Case& c : cases) {
        const SunTimes s = SunriseSunset(c.d, c.m, 2000, c.lat, 0, 0);
        // Apparent noon is within the equation of time (a quarter hour) of 12.
        EXPECT_NEAR(s[1], c.rise, 0.3) << c.name;
        EXPECT_NEAR(s[2], c.set, 0.3) << c.name;
        EXPECT_GE(s[2], s[1]) << c.name;
    }
}

class CalcSunriseTest : public tarvik::testing::CalcTest {};

TEST_F(CalcSunriseTest, TakesNativesDateAndTheChartsPlace)
{
    Chart().PlaceLatitude = 19.0;
    Chart().PlaceLongitude = 72.8;
    Chart().ZoneMeridianDeg = 82.5;
    Native().Day = 15;
    Native().Month = 8;
    Native().Year = 1980;
    const SunTimes expected = SunriseSunset(15, 8, 1980, 19.0, 72.8, 82.5);
    Native().Hour = 3;
    EXPECT_EQ(CalcSunrise(), expected);
    Native().Hour = 22;  // the time of day does not enter
    EXPECT_EQ(CalcSunrise(), expected);
}
