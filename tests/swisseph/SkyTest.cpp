// The sky of a place against Swiss Ephemeris: the apparent sidereal time,
// the true obliquity, the ascendant and the midheaven by latitude band, the
// K.P. cusps (Placidus of the birth moment in the K.P. zodiac) and sunrise
// and sunset.

#include "SwissReference.h"

#include "calc/Angles.h"
#include "calc/KPChart.h"
#include "calc/Sunrise.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using namespace tarvik;
using namespace tarvik::swiss;

namespace {

struct Band {
    double from, to;   // degrees either side of the equator
};

std::string placeOf(const BirthRecord& b)
{
    char text[96];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d %02d:%02d:%02d zone %+.1f at %d%s%02d %d%s%02d", b.Day, b.Month,
                  b.Year, b.Hour, b.Minute, b.Second, b.ZoneHours, b.LatDeg, b.LatDir.c_str(), b.LatMin, b.LongDeg,
                  b.LongDir.c_str(), b.LongMin);
    return text;
}

} // namespace

TEST(SwissSky, ApparentSiderealTimeAndTrueObliquity)
{
    SwissEphemeris swiss;
    std::mt19937_64 random(2100);
    double worstSeconds = 0, worstObliquity = 0;
    ChartState chart;
    for (int i = 0; i < 2000; ++i) {
        const BirthRecord birth = RandomBirth(random);
        ComputeChart(ChartInputOf(birth, AyanamsaLahiri, true), chart);
        const double jd = JulianDayOfChart(chart);
        const double reference = swe_sidtime(jd) + chart.PlaceLongitude / 15;
        worstSeconds = std::max(worstSeconds, std::fabs(std::remainder(chart.SiderealTime - reference, 24.0)) * 3600);
        worstObliquity = std::max(worstObliquity, std::fabs(chart.Obliquity - swiss.TrueObliquity(jd)) * 3600);
    }
    std::printf("sidereal time: worst %.4f s; true obliquity: worst %.4f\"\n", worstSeconds, worstObliquity);
    EXPECT_LE(worstSeconds, 0.05);
    EXPECT_LE(worstObliquity, 0.05);
}

TEST(SwissSky, AscendantAndMidheavenByLatitudeBand)
{
    // Outside the polar circles, under the three ayanamsas.
    SwissEphemeris swiss;
    std::mt19937_64 random(2200);
    const Band bands[] = {{0, 30}, {30, 50}, {50, 60}, {60, 66.5}};
    ChartState chart;
    for (const Band& band : bands) {
        double worstAscendant = 0, worstMidheaven = 0;
        std::string where;
        for (int i = 0; i < 600; ++i) {
            const BirthRecord birth = RandomBirth(random, band.from, band.to);
            const int choice = i % 3;
            ComputeChart(ChartInputOf(birth, choice, true), chart);
            const auto houses = swiss.HousesAt(JulianDayOfChart(chart), chart.PlaceLatitude, chart.PlaceLongitude, choice);
            const double a = std::fabs(ArcsecondsApart(chart.HouseCusps[1], houses.Ascendant()));
            if (a > worstAscendant) {
                worstAscendant = a;
                where = placeOf(birth);
            }
            worstMidheaven = std::max(worstMidheaven, std::fabs(ArcsecondsApart(chart.HouseCusps[10], houses.Midheaven())));
        }
        std::printf("latitude %g-%g: ascendant worst %.3f\" (%s), midheaven worst %.3f\"\n", band.from, band.to,
                    worstAscendant, where.c_str(), worstMidheaven);
        EXPECT_LE(worstAscendant, 1.0) << band.from << "-" << band.to << " at " << where;
        EXPECT_LE(worstMidheaven, 1.0) << band.from << "-" << band.to;
    }
}

TEST(SwissSky, KPCuspsArePlacidusOfTheBirthMomentInTheKPZodiac)
{
    // Up to 60 degrees, whatever ayanamsa the chart is cast with.
    SwissEphemeris swiss;
    std::mt19937_64 random(2300);
    const Band bands[] = {{0, 30}, {30, 50}, {50, 60}};
    ChartState chart;
    for (const Band& band : bands) {
        double worst = 0;
        std::string where;
        for (int i = 0; i < 600; ++i) {
            const BirthRecord birth = RandomBirth(random, band.from, band.to);
            const int choice = i % 3;
            ComputeChart(ChartInputOf(birth, choice, true), chart);
            const KPCuspChart kp = KPCuspsOf(chart);
            ASSERT_TRUE(kp.cast) << placeOf(birth);
            const auto placidus =
                swiss.HousesAt(JulianDayOfChart(chart), chart.PlaceLatitude, chart.PlaceLongitude, AyanamsaKP);
            for (int k = 0; k < 12; ++k) {
                const double d = std::fabs(ArcsecondsApart(kp.cusps[k], placidus.cusp[k + 1]));
                if (d > worst) {
                    worst = d;
                    where = placeOf(birth) + ", cusp " + std::to_string(k + 1);
                }
            }
        }
        std::printf("K.P. cusps, latitude %g-%g: worst %.3f\" (%s)\n", band.from, band.to, worst, where.c_str());
        EXPECT_LE(worst, 2.0) << band.from << "-" << band.to << " at " << where;
    }
}

TEST(SwissSky, SunriseAndSunsetOfTheSameDefinition)
{
    // The moments the Sun's centre stands 34' below the horizon (seen from
    // the Earth's centre, no refraction taken apart), up to 60 degrees.
    SwissEphemeris swiss;
    std::mt19937_64 random(2400);
    double worst = 0;
    std::string where;
    for (int i = 0; i < 400; ++i) {
        const BirthRecord b = RandomBirth(random, 0, 60);
        const double latitude = b.Latitude().LatitudeDegrees(), longitude = b.Longitude().LongitudeDegrees();
        const SunTimes ours = SunriseSunset(b.Day, b.Month, b.Year, latitude, longitude, b.ZoneMeridian);
        if (SunDayOf(ours) != SunDay::RisesAndSets)
            continue;
        // The date's midnight of the zone; the search for Swiss Ephemeris's
        // sunrise starts six hours before ours (which a zone far from the
        // place's own meridian may put before that midnight).
        const double midnight = JulianDayOf(DayNumber(b.Day, b.Month, b.Year), -0.5) - b.ZoneMeridian / 15 / 24;
        double geo[3] = {longitude, latitude, 0};
        double rise = 0, set = 0;
        char error[AS_MAXCH] = "";
        const int flags = SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION | SE_BIT_GEOCTR_NO_ECL_LAT;
        ASSERT_GE(swe_rise_trans_true_hor(midnight + ours[3] / 24 - 0.25, SE_SUN, nullptr, SEFLG_SWIEPH,
                                          SE_CALC_RISE | flags, geo, 0, 0,
                                          -34.0 / 60, &rise, error), 0) << error;
        ASSERT_GE(swe_rise_trans_true_hor(rise, SE_SUN, nullptr, SEFLG_SWIEPH, SE_CALC_SET | flags, geo, 0, 0,
                                          -34.0 / 60, &set, error), 0) << error;
        for (const auto& [ourHours, reference] : {std::pair{ours[3], rise}, std::pair{ours[4], set}}) {
            const double seconds = std::fabs((midnight + ourHours / 24 - reference) * 86400);
            if (seconds > worst) {
                worst = seconds;
                where = placeOf(b);
            }
        }
    }
    std::printf("sunrise and sunset: worst %.2f s (%s)\n", worst, where.c_str());
    EXPECT_LE(worst, 3.0) << where;
}
