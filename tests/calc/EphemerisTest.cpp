#include "calc/Angles.h"
#include "calc/Ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

using namespace tarvik;

namespace {
Orbit circle(double L)
{
    Orbit o;
    o.L = L;
    return o;  // e = 0, i = 0, node = 0, perihelion = 0, a = 1
}
} // namespace

TEST(HelioToGeoTest, CircularOrbitWithoutSunVectorReturnsMeanLongitude)
{
    for (double L : {0.0, 45.0, 123.456, 270.0, 359.9, 370.0, -30.0}) {
        double sx = 0, sy = 0;
        EXPECT_NEAR(HelioToGeo(circle(L), Mercury, sx, sy), ReduceDegrees(L), 1e-9) << L;
    }
}

TEST(HelioToGeoTest, PlanetOnTheSunsOrbitIsSeenWhereTheSunIs)
{
    const Orbit sun = MeanElements(Sun, 0.8);
    double sx = 0, sy = 0;
    const double sunLongitude = HelioToGeo(sun, Sun, sx, sy);
    EXPECT_NEAR(HelioToGeo(sun, Venus, sx, sy), sunLongitude, 1e-9);
    EXPECT_NEAR(SunLongitude(0.8), sunLongitude, 1e-12);
}

TEST(HelioToGeoTest, EarthSunAndPlanetInQuadratureAlongTheYAxis)
{
    // X = 0 exactly: the direction comes from the sign of Y, with no division.
    struct Case { double sunY; double expected; };
    for (const Case& c : {Case{1, 90}, Case{-1, 270}}) {
        double sx = -1, sy = c.sunY;
        EXPECT_NEAR(HelioToGeo(circle(0), Mars, sx, sy), c.expected, 1e-9);
    }
}

TEST(HelioToGeoTest, KeplerStepConvergesAtEveryMeanAnomaly)
{
    // Pluto's eccentricity, the largest of the tables: the solved orbit must
    // give the true anomaly of an exact solution of Kepler's equation.
    const double e = 0.248644;
    for (int deg = 0; deg < 360; deg += 7) {
        Orbit o;
        o.e = e;
        o.L = deg;
        double sx = 0, sy = 0;
        const double ours = HelioToGeo(o, Pluto, sx, sy);

        const double M = deg * DegToRad;
        double E = M;
        for (int k = 0; k < 50; ++k)
            E -= (E - e * std::sin(E) - M) / (1 - e * std::cos(E));
        const double nu = 2 * std::atan2(std::sqrt(1 + e) * std::sin(E / 2), std::sqrt(1 - e) * std::cos(E / 2));
        double d = std::fabs(ours - ReduceDegrees(nu / DegToRad));
        d = std::min(d, 360 - d);
        EXPECT_LT(d, 0.002) << "mean anomaly " << deg;
    }
}

TEST(HelioToGeoTest, AMomentFarOutsideAnyCalendarEndsTheKeplerStep)
{
    // The year 2e9: the perihelia have moved by millions of degrees.
    const double T = (2e9 - 1900) / 100;
    for (int body : {Sun, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto}) {
        double sx = 0, sy = 0;
        const double longitude = HelioToGeo(MeanElements(body, T), body, sx, sy);
        EXPECT_TRUE(std::isnan(longitude) || (longitude >= 0 && longitude < 360)) << body;
    }
    Orbit nowhere;
    nowhere.e = 0.2;
    nowhere.L = std::nan("");
    double sx = 0, sy = 0;
    EXPECT_TRUE(std::isnan(HelioToGeo(nowhere, Mars, sx, sy)));
}

TEST(EphemerisTest, OnlyTheSunAndPlanetsHaveOrbitalElements)
{
    for (int body : std::initializer_list<int>{Sun, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto})
        EXPECT_NO_THROW(MeanElements(body, 1.0)) << body;
    for (int body : std::initializer_list<int>{Lagna, Moon, Rahu, Ketu, 0, 14})
        EXPECT_THROW(MeanElements(body, 1.0), std::out_of_range) << body;
}

TEST(EphemerisTest, SunRoutineLeavesTheVectorForThePlanetsOfItsPass)
{
    ChartState chart;
    chart.JulianCenturies = 1.0;
    CalcSun(chart);
    EXPECT_NE(chart.SunHelioX, 0.0);
    const double x = chart.SunHelioX, y = chart.SunHelioY;
    EXPECT_NEAR(std::atan2(y, x) / DegToRad + 360, chart.PlanetLongitudes[Sun], 1e-9);
    EXPECT_NEAR(std::hypot(x, y), 0.9833, 0.0001);  // perigee is in early January

    chart.CalcPass = 1;
    chart.JulianCenturies = 1.5;
    CalcSun(chart);
    EXPECT_NE(chart.SunHelioX, x);
    EXPECT_EQ(chart.PlanetLongitudes[Sun + HourLater], ReduceDegrees(std::atan2(chart.SunHelioY, chart.SunHelioX) / DegToRad));
}

TEST(EphemerisTest, PerturbationsAreSmallAndFillElementsOneToFour)
{
    ChartState chart;
    for (double T : {0.0, 0.5, 1.0, 1.5}) {
        chart.JulianCenturies = T;
        CalcPerturbations(chart);
        const auto& J = chart.JupiterPerturbations;
        const auto& S = chart.SaturnPerturbations;
        EXPECT_EQ(J[0], 0.0);
        EXPECT_EQ(S[0], 0.0);
        // The great inequality: about a third of a degree for Jupiter and
        // nearly a degree for Saturn in longitude.
        EXPECT_LT(std::fabs(J[1]), 0.5) << T;
        EXPECT_LT(std::fabs(S[1]), 1.2) << T;
        EXPECT_LT(std::fabs(J[3]), 0.002) << T;
        EXPECT_LT(std::fabs(S[3]), 0.006) << T;
        EXPECT_LT(std::fabs(J[4]), 0.003) << T;
        EXPECT_LT(std::fabs(S[4]), 0.05) << T;
        EXPECT_NE(S[4], 0.0);
    }
}
