#include "CalcFixture.h"

#include "calc/Angles.h"
#include "calc/Chart.h"
#include "calc/Ephemeris.h"
#include "calc/Houses.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tarvik;

namespace {
constexpr double Obliquity2000 = 23.439281;
constexpr double Ayanamsa2000 = 23.852915;

struct Vec { double x, y, z; };
Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Tropical longitude of an equatorial direction.
double EclipticLongitude(Vec v, double eps)
{
    return ReduceDegrees(std::atan2(v.y * std::cos(eps) + v.z * std::sin(eps), v.x) / DegToRad);
}

// The ascendant and midheaven from the sphere, in equatorial vectors: the
// ecliptic meets the horizon along the cross product of their poles (the
// zenith and the ecliptic pole), and of the two crossings the ascendant is
// the one on the eastern horizon; the meridian (whose pole is the east point)
// meets it at the midheaven, on the side of the meridian's right ascension.
// Tropical degrees.
struct Angles { double asc, mc; };
Angles SphereAngles(double siderealTime, double latitude, double obliquity)
{
    const double ramc = siderealTime * 15 * DegToRad, phi = latitude * DegToRad, eps = obliquity * DegToRad;
    const Vec zenith{std::cos(phi) * std::cos(ramc), std::cos(phi) * std::sin(ramc), std::sin(phi)};
    const Vec eclipticPole{0, -std::sin(eps), std::cos(eps)};
    const Vec east{-std::sin(ramc), std::cos(ramc), 0};
    const Vec meridian{std::cos(ramc), std::sin(ramc), 0};
    Vec d = Cross(zenith, eclipticPole);
    if (Dot(d, east) < 0)
        d = {-d.x, -d.y, -d.z};
    Vec m = Cross(east, eclipticPole);
    if (Dot(m, meridian) < 0)
        m = {-m.x, -m.y, -m.z};
    return {EclipticLongitude(d, eps), EclipticLongitude(m, eps)};
}

// Checks a chart's houses against the sphere: cusps 1 and 10 are the
// ascendant and midheaven, each quadrant is cut in three equal forward arcs,
// and every sandhi lies halfway between its two cusps.
void ExpectHousesOfTheSphere(const ChartState& c)
{
    const Angles a = SphereAngles(c.SiderealTime, c.PlaceLatitude, c.Obliquity);
    const auto& h = c.HouseCusps;
    auto near = [](double x, double y) { return std::fabs(ReduceDegrees(x - y + 180) - 180); };  // apart, degrees
    EXPECT_LT(near(h[1], a.asc - c.AscAyanamsa), 1e-7) << h[1];
    EXPECT_LT(near(h[10], a.mc - c.AscAyanamsa), 1e-7) << h[10];
    const double eastArc = ReduceDegrees(a.mc + 180 - a.asc);  // ascendant to nadir
    const double westArc = 180 - eastArc;                     // nadir to descendant
    ASSERT_GT(eastArc, 0);
    ASSERT_LT(eastArc, 180);
    for (int k = 1; k <= 12; ++k) {
        const double third = (k - 1) % 6 < 3 ? eastArc / 3 : westArc / 3;
        const double start = (k - 1) % 6 < 3 ? (k <= 6 ? a.asc : a.asc + 180) : (k <= 6 ? a.mc + 180 : a.mc);
        EXPECT_LT(near(h[k], start + ((k - 1) % 3) * third - c.AscAyanamsa), 1e-7) << "cusp " << k;
        const double before = h[k == 1 ? 12 : k - 1];
        const double span = ReduceDegrees(h[k] - before);
        EXPECT_GT(span, 0) << "cusp " << k << " runs backwards";
        EXPECT_LT(span, 180) << "cusp " << k << " runs backwards";
        EXPECT_NEAR(ReduceDegrees(c.BhavaSandhi[k] - before), span / 2, 1e-9) << "sandhi " << k;
    }
}
} // namespace

TEST(AscendantTest, EquatorAtTheCardinalSiderealTimes)
{
    struct Case { double st; double tropical; };
    // Sidereal time 0 at the equator is the one case the arc tangent cannot
    // take (RAMC and latitude both 0): the midheaven call at 6 h meets it.
    const Case cases[] = {{0, 90}, {6, 180}, {12, 270}, {18, 0}};
    for (const Case& c : cases)
        EXPECT_NEAR(CalcAscendant(c.st, 0, Obliquity2000, Ayanamsa2000), ReduceDegrees(c.tropical - Ayanamsa2000),
                    1e-9)
            << c.st;
}

TEST(AscendantTest, ReducedBelow360)
{
    // A tropical 90 less an ayanamsa of -270 is exactly 360: it shows as 0.
    EXPECT_EQ(CalcAscendant(0, 0, Obliquity2000, -270), 0.0);
    for (int i = 0; i < 96; ++i) {
        const double a = CalcAscendant(i / 4.0, 51.5, Obliquity2000, Ayanamsa2000);
        EXPECT_GE(a, 0.0);
        EXPECT_LT(a, 360.0);
    }
}

TEST(AscendantTest, MidheavenOnTheEquinoxesAndOutsideOneDay)
{
    // The midheaven is the ascendant at the equator a quarter day earlier:
    // at sidereal time 0 it is 0 degrees (tropical), at 12 h it is 180, and
    // hours outside 0..24 give the same points as their reduced values.
    struct Case { double st; double tropical; };
    const Case cases[] = {{-6, 0}, {6, 180}, {-30, 0}, {42, 0}, {30, 180}, {-18, 180}};
    for (const Case& c : cases) {
        double d = std::fabs(CalcAscendant(c.st, 0, Obliquity2000, 0) - c.tropical);
        EXPECT_LT(std::min(d, 360 - d), 1e-9) << "sidereal time " << c.st;
    }
}

TEST(AscendantTest, RisingIntersectionAtEveryLatitudeAndHour)
{
    const double eps = Obliquity2000 * DegToRad;
    for (int lat = -65; lat <= 65; lat += 5)
        for (int minute = 0; minute < 24 * 60; minute += 7) {
            const double st = minute / 60.0;
            const double ramc = Pi / 12 * st;
            const double phi = lat * DegToRad;
            const double exact = std::atan2(std::cos(ramc), -(std::sin(eps) * std::tan(phi) + std::cos(eps) * std::sin(ramc)));
            double d = std::fabs(CalcAscendant(st, lat, Obliquity2000, 0) - ReduceDegrees(exact / DegToRad));
            d = std::min(d, 360 - d);
            ASSERT_LT(d, 1e-9) << "latitude " << lat << ", sidereal time " << st;
        }
}

TEST(HouseCuspTest, SetThreeCuspsReducesIntoTheCircle)
{
    struct Case { double start, span; double a, b, c; };
    const Case cases[] = {
        {350, 20, 350, 10, 30},
        {540, 30, 180, 210, 240},  // a nadir of MC + 180 beyond 360
        {10, -20, 10, 350, 330},   // a degenerate quadrant never gives a negative cusp
    };
    for (const Case& c : cases) {
        std::array<double, 13> cusps{};
        SetThreeCusps(cusps, c.start, c.span, 4);
        EXPECT_DOUBLE_EQ(cusps[4], c.a) << c.start;
        EXPECT_DOUBLE_EQ(cusps[5], c.b) << c.start;
        EXPECT_DOUBLE_EQ(cusps[6], c.c) << c.start;
        EXPECT_EQ(cusps[3], 0.0);
        EXPECT_EQ(cusps[7], 0.0);
    }
}

TEST(HouseCuspTest, SandhiIsTheMidpointAcrossZero)
{
    struct Case { double before, here, expected; };
    const Case cases[] = {
        {10, 40, 25},
        {350, 20, 5},
        {340, 20, 0},    // exactly 360: reduced, whichever house it begins
        {200, 350, 275},
        {359, 1, 0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(SandhiBetween(c.before, c.here), c.expected) << c.before << " " << c.here;
}

TEST(HouseCuspTest, QuadrantsAreTrisectedBetweenAscendantAndMidheaven)
{
    // Over a day at three latitudes: cusps 1, 4, 7, 10 are the ascendant,
    // nadir, descendant and midheaven, each quadrant split in equal thirds,
    // and every sandhi lies between its two cusps.
    for (double lat : {-33.87, 13.08, 51.5}) {
        for (int i = 0; i < 48; ++i) {
            ChartState c;
            c.JulianCenturies = 0.9 + i * 0.00001;
            c.DayFraction = i / 48.0 - 0.5;
            c.PlaceLatitude = lat;
            c.PlaceLongitude = 77.2;
            c.PlanetLongitudes[AyanamsaSlot] = Ayanamsa2000;
            CalcHouses(c);
            const auto& h = c.HouseCusps;
            EXPECT_NEAR(ReduceDegrees(h[7] - h[1]), 180, 1e-9);
            EXPECT_NEAR(ReduceDegrees(h[4] - h[10]), 180, 1e-9);
            EXPECT_DOUBLE_EQ(h[1], CalcAscendant(c.SiderealTime, lat, c.Obliquity, Ayanamsa2000));
            for (int q : {1, 4, 7, 10}) {
                const double third = ReduceDegrees(h[q + 1] - h[q]);
                EXPECT_NEAR(ReduceDegrees(h[q + 2] - h[q + 1]), third, 1e-9);
                const int next = q == 10 ? 1 : q + 3;
                EXPECT_NEAR(ReduceDegrees(h[next] - h[q + 2]), third, 1e-9);
            }
            for (int k = 1; k <= 12; ++k) {
                const double before = h[k == 1 ? 12 : k - 1];
                EXPECT_NEAR(ReduceDegrees(c.BhavaSandhi[k] - before), ReduceDegrees(h[k] - before) / 2, 1e-9);
            }
        }
    }
}

TEST(SiderealTimeTest, RunsOneSiderealDayPerSolarDayPlusAboutFourMinutes)
{
    const double jd = 2451545.0;   // 2000 January 1, 12 h UT
    const double st0 = LocalSiderealTime(jd, 77.2);
    ASSERT_GE(st0, 0.0);
    ASSERT_LT(st0, 24.0);
    // A day later the stars stand 3 min 56.555 s further on (the nutation
    // moves that by a thousandth of a second at most).
    const double st1 = LocalSiderealTime(jd + 1, 77.2);
    EXPECT_NEAR(ReduceDegrees((st1 - st0) * 15) / 15 * 3600, 236.555, 0.005);
    // 15 degrees of longitude east is one hour more.
    EXPECT_NEAR(ReduceDegrees((LocalSiderealTime(jd, 92.2) - st0) * 15) / 15, 1.0, 1e-12);
}

TEST(HouseCuspTest, PolarPlacesTakeTheAscendantOnTheEasternHorizon)
{
    // Inside the polar circles the arc-tangent ascendant can trail the
    // midheaven; through a day at each place the houses still match the
    // sphere and run forwards.
    struct Case { const char* place; double latitude, longitude; };
    const Case cases[] = {
        {"Tromso", 69.633, 18.95},          {"Rovaniemi", 66.5, 25.72},   {"Murmansk", 68.97, 33.08},
        {"Utqiagvik", 71.29, -156.79},      {"Longyearbyen", 78.22, 15.65}, {"Alert", 82.5, -62.35},
        {"McMurdo", -77.85, 166.67},        {"Near the pole", 89.5, 0},    {"Reykjavik", 64.13, -21.93},
    };
    for (const Case& p : cases) {
        for (int i = 0; i < 288; ++i) {
            SCOPED_TRACE(::testing::Message() << p.place << ", step " << i);
            ChartState c;
            c.JulianCenturies = 0.9 + i * 0.00001;
            c.DayFraction = i / 288.0 - 0.5;
            c.PlaceLatitude = p.latitude;
            c.PlaceLongitude = p.longitude;
            c.PlanetLongitudes[AyanamsaSlot] = Ayanamsa2000;
            CalcHouses(c);
            ExpectHousesOfTheSphere(c);
        }
    }
}

class PolarHousesTest : public tarvik::testing::CalcTest {};

TEST_F(PolarHousesTest, TromsoOnAWinterMorning)
{
    // 15 January 1990, 09:00 at 69N38 18E57 (zone 15E00): the rising point
    // of the arc tangent lies behind the midheaven.
    Native() = tarvik::testing::MovedTo(tarvik::testing::DelhiBirth(15, 1, 1990, 9, 0), 69, 38, "N", 18, 57, "E", 15);
    CalcChart(OutputRun().Choices());
    const ChartState& c = Chart();
    const double arcTangent = CalcAscendant(c.SiderealTime, c.PlaceLatitude, c.Obliquity, c.AscAyanamsa);
    EXPECT_GT(ReduceDegrees(arcTangent - c.HouseCusps[10]), 180) << "no longer the polar case";
    EXPECT_NEAR(ReduceDegrees(c.HouseCusps[1] - arcTangent), 180, 1e-9);
    ExpectHousesOfTheSphere(c);
}
