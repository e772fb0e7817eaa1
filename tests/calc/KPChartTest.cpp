#include "calc/Angles.h"
#include "calc/Ayanamsa.h"
#include "calc/Houses.h"
#include "calc/KPChart.h"
#include "core/State.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

using namespace tarvik;

namespace {

constexpr double Rad = std::numbers::pi / 180.0;
constexpr double Obliquity = 23.4393;
constexpr double Ayanamsa = 23.85;

double Deg(int d, int m) { return d + m / 60.0; }

// Signed difference a - b of two longitudes, -180..180.
double AngleDiff(double a, double b)
{
    double d = std::fmod(a - b, 360.0);
    if (d > 180) d -= 360;
    if (d < -180) d += 360;
    return d;
}

// Placidus cusps from the textbook semi-arc construction, independent of the
// program's own iteration: a cusp of the 11th/12th house lies a third/two thirds of its
// own diurnal semi-arc east of the meridian, one of the 2nd/3rd two thirds/a
// third of its nocturnal semi-arc short of the lower meridian. Tropical
// longitudes of cusps 1, 2, 3, 10, 11 and 12 for a RAMC in degrees.
struct PlacidusChart {
    std::array<double, 13> cusp{};
};

PlacidusChart Placidus(double ramc, double latitude)
{
    const double eps = Obliquity * Rad;
    const double phi = latitude * Rad;
    auto longitudeOfRA = [eps](double ra) {
        double l = std::atan2(std::sin(ra * Rad), std::cos(ra * Rad) * std::cos(eps)) / Rad;
        return l < 0 ? l + 360 : l;
    };
    auto cusp = [&](double fraction, bool aboveHorizon) {
        double lambda = ramc + (aboveHorizon ? 30 : 150);
        for (int n = 0; n < 200; ++n) {
            const double dec = std::asin(std::sin(eps) * std::sin(lambda * Rad));
            const double ad = std::asin(std::clamp(std::tan(dec) * std::tan(phi), -1.0, 1.0)) / Rad;
            const double diurnal = 90 + ad, nocturnal = 90 - ad;
            lambda = longitudeOfRA(aboveHorizon ? ramc + fraction * diurnal
                                                : ramc + 180 - fraction * nocturnal);
        }
        return lambda;
    };
    PlacidusChart p;
    double asc = std::atan2(std::cos(ramc * Rad),
                            -(std::sin(eps) * std::tan(phi) + std::cos(eps) * std::sin(ramc * Rad))) / Rad;
    p.cusp[1] = asc < 0 ? asc + 360 : asc;
    p.cusp[10] = longitudeOfRA(ramc);
    p.cusp[11] = cusp(1.0 / 3, true);
    p.cusp[12] = cusp(2.0 / 3, true);
    p.cusp[2] = cusp(2.0 / 3, false);
    p.cusp[3] = cusp(1.0 / 3, false);
    return p;
}

// The KP cusps against the Placidus cusps in the zodiac of `ayanamsa`, each
// with its opposite, within `tolerance` degrees.
void ExpectPlacidusCusps(const PlacidusChart& p, double ayanamsa, double tolerance)
{
    for (int c : {1, 2, 3, 10, 11, 12}) {
        const double placidus = p.cusp[c] - ayanamsa;
        SCOPED_TRACE(::testing::Message() << "cusp " << c);
        EXPECT_NEAR(AngleDiff(Chart().KPCusps[c - 1], placidus), 0.0, tolerance);
        EXPECT_NEAR(AngleDiff(Chart().KPCusps[(c + 5) % 12], placidus + 180), 0.0, tolerance);
    }
}

// The birth chart the cusps are cast from, cast under K.P.: its sidereal
// time (RAMC in degrees), place, obliquity and ayanamsa, and the ascendant
// the houses give it.
void SetBirthAt(double ramc, double latitude, double ayanamsa = Ayanamsa)
{
    Chart().AyanamsaChoice = AyanamsaKP;
    Chart().SiderealTime = ReduceDegrees(ramc) / 15;
    Chart().PlanetLongitudes[AyanamsaSlot] = ayanamsa;
    Chart().PlaceLatitude = latitude;
    Chart().Obliquity = Obliquity;
    Chart().HouseCusps[1] = CalcAscendant(Chart().SiderealTime, latitude, Obliquity, ayanamsa);
}

} // namespace

class KPChartTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
};

TEST_F(KPChartTest, TheCuspsArePlacidusOfTheBirthMomentAtEveryLatitude)
{
    // Up to the polar circle, both hemispheres, through the sidereal day: the
    // cusps divide the semi-arcs of the birth moment's own sky.
    const double latitudes[] = {0.0, 12.0, Deg(28, 39), 35.0, 45.0, 50.0, 55.0, Deg(59, 55), 61.0, 64.0,
                                Deg(65, 42)};
    for (double north : latitudes)
        for (double latitude : {north, -north})
            for (int ramc = 0; ramc < 360; ramc += 5) {
                SCOPED_TRACE(::testing::Message() << "latitude " << latitude << ", RAMC " << ramc);
                SetBirthAt(ramc, latitude);
                ASSERT_TRUE(CalcKPChart());
                ExpectPlacidusCusps(Placidus(ramc, latitude), Ayanamsa, 1e-7);
            }
}

TEST_F(KPChartTest, NoCuspsInsideThePolarCircles)
{
    // Where parts of the ecliptic never rise or set their semi-arcs cannot be
    // divided: from 90° less the obliquity (66°34' today) no cusps are cast.
    struct Case { const char* place; double latitude; bool cast; };
    const Case cases[] = {
        {"Arctic circle, just south", 66.55, true}, {"Antarctic circle, just north", -66.55, true},
        {"Arctic circle, just north", 66.57, false}, {"Tromso", Deg(69, 38), false},
        {"McMurdo", -Deg(77, 51), false},           {"North pole", 90.0, false},
    };
    EXPECT_NEAR(KPCuspLatitudeLimit(Obliquity), 90 - Obliquity, 1e-12);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.place);
        for (double ramc : {15.0, 100.0, 250.0}) {
            SetBirthAt(ramc, c.latitude);
            Chart().KPCusps.fill(123.0);
            EXPECT_EQ(CalcKPChart(), c.cast) << ramc;
            if (c.cast)
                continue;
            for (int k = 0; k <= 12; ++k)
                EXPECT_EQ(Chart().KPCusps[k], 0.0) << "no stale cusp " << k;
            for (int k = 0; k <= 11; ++k)
                EXPECT_EQ(Chart().KPHouseSigns[k], 0.0) << k;
        }
    }
}

TEST_F(KPChartTest, AscendantIsTheChartsLagnaAndCuspSevenOpposite)
{
    struct Case { double lagna, latitude; };
    const Case cases[] = {
        {0.0, 0.0}, {123.4, Deg(28, 39)}, {359.95, Deg(51, 30)}, {200.0, -Deg(33, 52)},
        {87.0, 65.0}, {361.0, 10.0}, {-2.0, -20.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.lagna << " at " << c.latitude);
        SetBirthAt(40, c.latitude);
        Chart().HouseCusps[1] = c.lagna;
        CalcKPChart();
        const auto& cusps = Chart().KPCusps;
        EXPECT_NEAR(cusps[0], std::fmod(c.lagna + 720.0, 360.0), 1e-9);
        EXPECT_NEAR(AngleDiff(cusps[6], cusps[0] + 180), 0.0, 1e-9);
        EXPECT_EQ(cusps[12], cusps[0]);
        for (int k = 0; k <= 11; ++k) {
            EXPECT_GE(cusps[k], 0.0) << k;
            EXPECT_LT(cusps[k], 360.0) << k;
            EXPECT_EQ(Chart().KPHouseSigns[k], std::floor(cusps[k] / 30) + 1) << k;
        }
        EXPECT_EQ(Chart().PlaceLatitude, c.latitude);
    }
}

TEST_F(KPChartTest, OppositeCuspsAndTheMidheavenOfTheSiderealTime)
{
    const double ramc = 250.0;
    SetBirthAt(ramc, Deg(19, 4));
    CalcKPChart();
    const auto& cusps = Chart().KPCusps;
    for (int k = 0; k < 6; ++k)
        EXPECT_NEAR(AngleDiff(cusps[k + 6], cusps[k] + 180), 0.0, 1e-9) << k;
    // The midheaven is the ecliptic point of the sidereal time's right ascension.
    const double mc = std::atan2(std::sin(ramc * Rad), std::cos(ramc * Rad) * std::cos(Obliquity * Rad)) / Rad;
    EXPECT_NEAR(AngleDiff(cusps[9], mc - Ayanamsa), 0.0, 1e-9);
}

TEST_F(KPChartTest, SouthernPlaceMirrorsTheNorthernOne)
{
    // Mirroring a place across the equator while turning the sky a half
    // circle (Aries for Libra) turns every cusp by 180 degrees.
    for (double ramc : {10.0, 95.0, 180.5, 299.0}) {
        SetBirthAt(ramc, 28.65, 0.0);
        CalcKPChart();
        const auto north = Chart().KPCusps;
        SetBirthAt(ramc + 180.0, -28.65, 0.0);
        CalcKPChart();
        for (int k = 0; k <= 11; ++k)
            EXPECT_NEAR(AngleDiff(Chart().KPCusps[k], north[k] + 180), 0.0, 1e-9) << ramc << " cusp " << k + 1;
    }
}

TEST_F(KPChartTest, KPAscendantTakesTheKPAyanamsaAndTheChartsObliquity)
{
    SetBirthAt(0.0, 0.0, 22.5);
    Chart().AscAyanamsa = 24.0;   // the chart's own ascendant ayanamsa plays no part
    for (double hours : {-6.0, 0.5, 7.25, 13.0, 27.9})
        for (double latitude : {-40.0, 0.0, 28.65})
            EXPECT_EQ(CalcAscendantKP(Chart(), hours, latitude), CalcAscendant(hours, latitude, Obliquity, 22.5))
                << hours << "h at " << latitude;
}
