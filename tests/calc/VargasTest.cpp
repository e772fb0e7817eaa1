#include "calc/NameTables.h"
#include "calc/Vargas.h"
#include "core/State.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

using namespace tarvik;

namespace {

// Signs of the sixteen vargas, D1 .. D60, worked by hand from the rules.
struct VargaCase {
    double longitude;
    std::array<int, 16> signs;
};

const VargaCase SixteenVargaCases[] = {
    // 0° Aries: everything Aries except the Hora and the Chaturvimsamsa (from Leo).
    {0.0,    {1, 5, 1, 1, 1, 1, 1, 1, 1, 1, 5, 1, 1, 1, 1, 1}},
    // 10° Aries: a boundary of the Drekkana, Navamsa, Dasamsa and Thrisamsa,
    // each of which takes the following part.
    {10.0,   {1, 5, 5, 4, 3, 4, 4, 5, 6, 7, 1, 10, 9, 2, 4, 9}},
    {29.99,  {1, 4, 9, 10, 7, 9, 10, 12, 4, 8, 4, 3, 7, 4, 9, 12}},
    // 15° Taurus: second half of an even sign (Leo); degree 16 of an even sign (Pisces).
    {45.0,   {2, 5, 6, 8, 11, 2, 3, 8, 1, 7, 4, 5, 12, 3, 3, 8}},
    {100.5,  {4, 4, 8, 7, 12, 7, 3, 8, 6, 8, 12, 7, 6, 9, 4, 1}},
    {200.25, {7, 4, 3, 1, 11, 1, 1, 3, 11, 2, 9, 1, 3, 4, 7, 11}},
    {330.0,  {12, 4, 12, 12, 6, 4, 8, 12, 9, 5, 4, 10, 2, 7, 9, 12}},
    {359.99, {12, 5, 8, 9, 12, 12, 5, 11, 12, 12, 3, 12, 8, 10, 5, 11}},
};

// The same longitudes in the seven older charts (Rasi, Drekkana, Saptamsa,
// Navamsa, Dasamsa, Dwadasamsa, Shodasamsa).
struct SaptaCase {
    double longitude;
    std::array<int, 7> signs;
};

const SaptaCase SevenVargaCases[] = {
    {0.0,    {1, 1, 1, 1, 1, 1, 1}},
    {10.0,   {1, 5, 3, 4, 4, 5, 6}},
    {29.99,  {1, 9, 7, 9, 10, 12, 4}},
    {45.0,   {2, 6, 11, 2, 3, 8, 1}},
    {330.0,  {12, 12, 6, 4, 8, 12, 9}},   // Pisces 0°: Rasi 12, not 0
    {359.99, {12, 8, 12, 12, 5, 11, 12}},
};

// The sixteen-varga row that each of the seven older charts corresponds to.
constexpr std::array<int, 8> ShodashRowOfSapta = {0, 1, 3, 5, 6, 7, 8, 9};

// Parts per sign of each of the sixteen vargas (the Thrisamsa's unequal parts aside).
constexpr std::array<int, 17> PartsPerSign = {0, 1, 2, 3, 4, 7, 9, 10, 12, 16, 20, 24, 27, 0, 40, 45, 60};

std::vector<double> PartBoundaries(int parts)
{
    std::vector<double> boundaries;
    for (int s = 0; s < 12; ++s)
        for (int k = 0; k < parts; ++k)
            boundaries.push_back(30.0 * s + k * 30.0 / parts);
    return boundaries;
}

} // namespace

TEST(ShodashVargaSignTest, SignsOfTheSixteenVargas)
{
    for (const VargaCase& c : SixteenVargaCases)
        for (int v = 1; v <= 16; ++v) {
            SCOPED_TRACE(::testing::Message() << "L " << c.longitude << ", " << ShodashVargaNameTable[v]);
            EXPECT_EQ(ShodashVargaSign(v, c.longitude), c.signs[v - 1]);
        }
}

TEST(ShodashVargaSignTest, ThrisamsaPartsAreUnequalAndMirroredInEvenSigns)
{
    struct Case { double longitude; int sign; };
    const Case cases[] = {
        {4.99, 1}, {5.0, 11}, {9.99, 11}, {10.0, 9}, {17.99, 9}, {18.0, 3}, {24.99, 3}, {25.0, 7},
        {34.99, 2}, {35.0, 6}, {41.99, 6}, {42.0, 12}, {49.99, 12}, {50.0, 10}, {54.99, 10}, {55.0, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.longitude);
        EXPECT_EQ(ShodashVargaSign(13, c.longitude), c.sign);
    }
}

TEST(ShodashVargaSignTest, BoundaryBelongsToTheFollowingPart)
{
    // 3°20', 2°8'34"... have no exact binary form: the nearest double must
    // still fall in the part that begins there.
    for (int v = 1; v <= 16; ++v) {
        if (PartsPerSign[v] == 0)
            continue;
        for (double boundary : PartBoundaries(PartsPerSign[v])) {
            SCOPED_TRACE(::testing::Message() << ShodashVargaNameTable[v] << " at " << boundary);
            EXPECT_EQ(ShodashVargaSign(v, boundary), ShodashVargaSign(v, boundary + 1e-6));
            // Within a sign the part before a boundary names another sign (across
            // a sign's end some vargas run on into the same one, e.g. the Hora).
            if (std::fmod(boundary, 30.0) != 0.0) {
                EXPECT_NE(ShodashVargaSign(v, boundary), ShodashVargaSign(v, boundary - 1e-6));
            }
        }
    }
}

TEST(ShodashVargaSignTest, LongitudesOutsideTheCircleAreReducedFirst)
{
    for (int v = 1; v <= 16; ++v) {
        SCOPED_TRACE(ShodashVargaNameTable[v]);
        EXPECT_EQ(ShodashVargaSign(v, 360.0), ShodashVargaSign(v, 0.0));
        EXPECT_EQ(ShodashVargaSign(v, 370.25), ShodashVargaSign(v, 10.25));
        EXPECT_EQ(ShodashVargaSign(v, -0.01), ShodashVargaSign(v, 359.99));
    }
}

TEST(SaptavargaSignTest, SignsOfTheSevenVargas)
{
    for (const SaptaCase& c : SevenVargaCases)
        for (int k = 1; k <= 7; ++k) {
            SCOPED_TRACE(::testing::Message() << "L " << c.longitude << ", " << VargaNames[k]);
            EXPECT_EQ(SaptavargaSign(k, c.longitude), c.signs[k - 1]);
        }
}

TEST(SaptavargaSignTest, AgreesWithTheSixteenVargasEverywhereIncludingBoundaries)
{
    // The older continuous counts and the sign-by-sign rules must name the same
    // sign, boundaries included, or the chart pages and the varga table disagree.
    std::vector<double> longitudes;
    for (int i = 0; i < 36000; ++i)
        longitudes.push_back(i * 0.01 + 0.003);
    for (int parts : {3, 7, 9, 10, 12, 16})
        for (double b : PartBoundaries(parts))
            longitudes.push_back(b);
    for (double L : longitudes)
        for (int k = 1; k <= 7; ++k) {
            const int sapta = SaptavargaSign(k, L);
            const int shodash = ShodashVargaSign(ShodashRowOfSapta[k], L);
            if (sapta != shodash)
                ADD_FAILURE() << VargaNames[k] << " at " << L << ": " << sapta << " vs " << shodash;
        }
}

TEST(SplitSignTest, DegreesWithinTheSignNeverFallOutsideIt)
{
    struct Case { double longitude; int sign; double degrees; };
    const Case cases[] = {
        {0.0, 1, 0.0}, {29.999999, 1, 29.999999}, {30.0, 2, 0.0}, {359.99, 12, 29.99},
        {360.0, 1, 0.0}, {-30.0, 12, 0.0}, {725.0, 1, 5.0},
        {std::nextafter(60.0, 0.0), 2, 30.0 - 1e-9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.longitude);
        const SignPosition p = SplitSign(c.longitude);
        EXPECT_EQ(p.sign, c.sign);
        EXPECT_NEAR(p.degrees, c.degrees, 1e-8);
        EXPECT_GE(p.degrees, 0.0);
        EXPECT_LT(p.degrees, 30.0);
    }
}

class VargaChartTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }

    // Puts the body of traditional position b (2..13) in sign b - 1 (the Lagna
    // in sign 12), plus `degrees`; the Rasi row then names each body's source.
    static void PlaceBodiesInDistinctSigns(double degrees)
    {
        ChartState& chart = Chart();
        chart.HouseCusps[1] = 330.0 + degrees;
        for (int b = 2; b <= 13; ++b)
            chart.PlanetLongitudes[BodyDisplayOrder[b]] = 30.0 * (b - 2) + degrees;
    }
};

TEST_F(VargaChartTest, SixteenVargasReadEachBodyByTraditionalPosition)
{
    PlaceBodiesInDistinctSigns(12.5);
    Chart().ShodashVargaSigns[0][3] = 77;
    Chart().ShodashVargaSigns[3][0] = 78;

    CalcShodashVarga(Chart());

    const ChartState& chart = Chart();
    EXPECT_EQ(chart.ShodashVargaSigns[1][1], 12);               // Lagna
    for (int b = 2; b <= 10; ++b) {
        SCOPED_TRACE(b);
        const double L = 30.0 * (b - 2) + 12.5;
        EXPECT_EQ(chart.ShodashVargaSigns[1][b], b - 1);
        for (int v = 1; v <= 16; ++v)
            EXPECT_EQ(chart.ShodashVargaSigns[v][b], ShodashVargaSign(v, L));
    }
    for (int v = 1; v <= 16; ++v)
        EXPECT_EQ(chart.ShodashVargaNames[v], ShodashVargaNameTable[v]);
    EXPECT_EQ(chart.ShodashVargaNames[16], "Shatyamsa");
    EXPECT_DOUBLE_EQ(chart.DegInSign, 12.5);                     // Ketu's, the last body
    EXPECT_EQ(chart.ShodashVargaSigns[0][3], 77);
    EXPECT_EQ(chart.ShodashVargaSigns[3][0], 78);
}

TEST_F(VargaChartTest, ShiftedLongitudesAboveAndBelowTheCircleAreReduced)
{
    ChartState& chart = Chart();
    chart.HouseCusps[1] = 360.02;                 // Aries 0°01'
    chart.PlanetLongitudes[Sun] = -0.05;          // Pisces 29°57'
    chart.PlanetLongitudes[Moon] = 395.0;         // Taurus 5°

    CalcShodashVarga(Chart());
    CalcAllVargas(Chart());

    EXPECT_EQ(chart.ShodashVargaSigns[1][1], 1);
    EXPECT_EQ(chart.ShodashVargaSigns[1][2], 12);
    EXPECT_EQ(chart.ShodashVargaSigns[1][3], 2);
    EXPECT_EQ(chart.SaptavargaSigns[Lagna][1], 1);
    EXPECT_EQ(chart.SaptavargaSigns[Sun][1], 12);
    EXPECT_EQ(chart.SaptavargaSigns[Moon][4], 11);   // Navamsa of 5° Taurus: Aquarius
}

TEST_F(VargaChartTest, SevenVargasFillRowsByComputationOrderAndLeaveColumnZero)
{
    PlaceBodiesInDistinctSigns(21.0);
    ChartState& chart = Chart();
    for (int b = 0; b <= 13; ++b)
        chart.SaptavargaSigns[b][0] = 40 + b;
    chart.SaptavargaSigns[0][4] = 99;

    CalcAllVargas(Chart());

    for (int b = 1; b <= 13; ++b) {
        SCOPED_TRACE(b);
        const double L = b == 1 ? chart.HouseCusps[1] : chart.PlanetLongitudes[b];
        for (int k = 1; k <= 7; ++k)
            EXPECT_EQ(chart.SaptavargaSigns[b][k], SaptavargaSign(k, L));
        EXPECT_EQ(chart.SaptavargaSigns[b][0], 40 + b);
    }
    EXPECT_EQ(chart.SaptavargaSigns[Moon][1], 2);       // the Moon, position 3, sits in Taurus
    EXPECT_EQ(chart.SaptavargaSigns[Pluto][1], 12);
    EXPECT_EQ(chart.SaptavargaSigns[0][4], 99);
}
