#include "calc/PanchangElements.h"
#include "core/State.h"

#include <gtest/gtest.h>

using namespace tarvik;

namespace {

PanchangValues ElementsFor(double moon, double sun)
{
    Chart().PlanetLongitudes[Moon] = moon;
    Chart().PlanetLongitudes[Sun] = sun;
    return CalcPanchangElements();
}

} // namespace

class PanchangElementsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
};

TEST_F(PanchangElementsTest, ElementsOfTheMoonAndSun)
{
    struct Case {
        const char* what;
        double moon, sun;
        int tithi, pada, nakshatra, yogaIndex, moonSign;
    };
    const Case cases[] = {
        {"12.5 degrees ahead: into the second tithi", 112.5, 100.0, 2, 2, 9, 15, 3},
        {"12 degrees ahead: the first tithi ends there", 112.0, 100.0, 1, 2, 9, 15, 3},
        {"10 degrees behind: the last tithi", 90.0, 100.0, 30, 4, 7, 14, 3},
        {"exact conjunction: the new moon ends the thirtieth", 100.0, 100.0, 30, 3, 8, 15, 3},
        {"Moon at 0 degrees", 0.0, 10.0, 30, 1, 1, 0, 0},
        {"Moon at 359.9 degrees", 359.9, 5.1, 30, 4, 27, 27, 11},
        {"Moon + Sun 20 degrees: the second yoga", 15.0, 5.0, 1, 1, 2, 1, 0},
        {"Moon on a nakshatra boundary goes to the next", 40.0, 30.0, 1, 1, 4, 5, 1},
        // 1 January 2000, 12:00 UT.
        {"the positions of T = 1.0", 199.4651, 256.5273, 26, 4, 15, 7, 6},
        // The ayanamsa shift can leave a longitude outside 0..360.
        {"longitudes just outside the circle", 360.2, -0.1, 1, 1, 1, 27, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PanchangValues v = ElementsFor(c.moon, c.sun);
        EXPECT_EQ(v[TithiElement], c.tithi);
        EXPECT_EQ(v[PadaElement], c.pada);
        EXPECT_EQ(v[NakshatraElement], c.nakshatra);
        EXPECT_EQ(v[YogaIndexElement], c.yogaIndex);
        EXPECT_EQ(v[MoonSignElement], c.moonSign);
        EXPECT_EQ(v[0], 0);
        EXPECT_EQ(v[6], 0);
    }
}

TEST_F(PanchangElementsTest, WorkingValuesOfTheMoment)
{
    ElementsFor(199.4651, 256.5273);
    const auto& w = Chart().BirthPanchangValues;
    EXPECT_EQ(w[1], 14);                                   // whole nakshatras passed
    EXPECT_NEAR(w[2], (199.4651 + 256.5273) * 3 / 40, 1e-12); // the yoga value, unreduced
    EXPECT_NEAR(w[3], 199.4651 / 30, 1e-12);
    EXPECT_EQ(w[0], 0);
    EXPECT_EQ(w[4], 0);
}

TEST_F(PanchangElementsTest, YogaIndexRunsZeroToTwentySevenAcrossTheCircle)
{
    struct Case { double sum; int index, yoga; };
    const Case cases[] = {
        {10.0, 0, 1}, {365.0, 27, 1}, {20.0, 1, 2}, {346.0, 25, 26}, {359.0, 26, 27},
        {373.0, 27, 1}, {374.0, 1, 2}, {719.0, 26, 27},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sum);
        const PanchangValues v = ElementsFor(c.sum / 2, c.sum / 2);
        EXPECT_EQ(v[YogaIndexElement], c.index);
        EXPECT_EQ(YogaNumberOfIndex(static_cast<int>(v[YogaIndexElement])), c.yoga);
    }
}

TEST_F(PanchangElementsTest, TithiAndNakshatraStayInRangeAroundTheCircle)
{
    for (int i = 0; i < 7200; ++i) {
        const double moon = i * 0.05;
        const PanchangValues v = ElementsFor(moon, 359.975);
        ASSERT_GE(v[TithiElement], 1) << moon;
        ASSERT_LE(v[TithiElement], 30) << moon;
        ASSERT_GE(v[NakshatraElement], 1) << moon;
        ASSERT_LE(v[NakshatraElement], 27) << moon;
        ASSERT_EQ((v[NakshatraElement] - 1) * 4 + v[PadaElement], i * 3 / 200 + 1) << moon;
    }
}
