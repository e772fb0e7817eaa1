#include "CalcFixture.h"

#include "calc/Angles.h"
#include "calc/Ayanamsa.h"
#include "calc/Chart.h"
#include "calc/TimeScale.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tarvik;
using tarvik::testing::DelhiBirth;

class ChartDriverTest : public tarvik::testing::CalcTest {};

TEST_F(ChartDriverTest, DayFractionIsNotReducedEastOfGreenwich)
{
    struct Case { BirthRecord birth; double dayFraction; double T; };
    const Case cases[] = {
        {DelhiBirth(31, 12, 1899, 17, 30, 0), 0.0, 0.0},
        {DelhiBirth(1, 1, 1900, 0, 0, 0), -17.5 / 24, (1 - 17.5 / 24) / 36525},
        {DelhiBirth(1, 1, 2000, 5, 29, 59), (5 + 29.0 / 60 + 59.0 / 3600 - 17.5) / 24,
         (36525 + (5 + 29.0 / 60 + 59.0 / 3600 - 17.5) / 24) / 36525},
    };
    for (const Case& c : cases) {
        Native() = c.birth;
        CalcChart(OutputRun().Choices());
        EXPECT_NEAR(Chart().DayFraction, c.dayFraction, 1e-15);
        EXPECT_NEAR(Chart().JulianCenturies, c.T, 1e-15);
    }
}

TEST_F(ChartDriverTest, DirectionLettersInEitherCase)
{
    struct Case { const char* longDir; const char* latDir; double longitude; double latitude; };
    const Case cases[] = {
        {"E", "N", 77.5, 33 + 52 / 60.0},
        {"W", "S", -77.5, -(33 + 52 / 60.0)},
        {"w", "s", -77.5, -(33 + 52 / 60.0)},
        {"e", "n", 77.5, 33 + 52 / 60.0},
        {"", "", 77.5, 33 + 52 / 60.0},
    };
    for (const Case& c : cases) {
        Native().LongDeg = 77;
        Native().LongMin = 30;
        Native().LongDir = c.longDir;
        Native().LatDeg = 33;
        Native().LatMin = 52;
        Native().LatDir = c.latDir;
        CalcChart(OutputRun().Choices());
        EXPECT_DOUBLE_EQ(Chart().PlaceLongitude, c.longitude) << c.longDir;
        EXPECT_DOUBLE_EQ(Chart().PlaceLatitude, c.latitude) << c.latDir;
    }
}

TEST_F(ChartDriverTest, AyanamsaChoiceShiftsEveryBodyIntoTheCircle)
{
    OutputRun().AyanamsaChoice = AyanamsaLahiri;
    CalcChart(OutputRun().Choices());
    const ChartState lahiri = Chart();
    const double T = lahiri.JulianCenturies;
    const double hourLater = T + 1.0 / 24 / 36525;

    // The zodiacs differ by the difference of the mean ayanamsas, of the
    // moment for the bodies and the houses, of the hour later for the
    // second pass; the chart holds the ayanamsa of the true equinox.
    const double nutation = lahiri.PlanetLongitudes[AyanamsaSlot] - MeanAyanamsa(AyanamsaLahiri, T);
    EXPECT_LT(std::fabs(nutation), 20.0 / 3600);
    const int choices[] = {AyanamsaLahiri, 3 /* unknown choices are Lahiri */, AyanamsaRaman, AyanamsaKP};
    for (int choice : choices) {
        OutputRun().AyanamsaChoice = choice;
        CalcChart(OutputRun().Choices());
        const auto& L = Chart().PlanetLongitudes;
        EXPECT_NEAR(L[AyanamsaSlot], MeanAyanamsa(choice, T) + nutation, 1e-12) << choice;
        for (int b = Sun; b <= Pluto; ++b)
            for (int slot : {b, b + HourLater}) {
                const double t = slot == b ? T : hourLater;
                const double shift = MeanAyanamsa(AyanamsaLahiri, t) - MeanAyanamsa(choice, t);
                EXPECT_NEAR(L[slot], ReduceDegrees(lahiri.PlanetLongitudes[slot] + shift), 1e-9) << choice << " " << slot;
                EXPECT_GE(L[slot], 0.0);
                EXPECT_LT(L[slot], 360.0);
            }
        // The houses take the ayanamsa in use.
        EXPECT_DOUBLE_EQ(Chart().AscAyanamsa, L[AyanamsaSlot]);
        EXPECT_NEAR(Chart().HouseCusps[1],
                    ReduceDegrees(lahiri.HouseCusps[1] + lahiri.PlanetLongitudes[AyanamsaSlot] - L[AyanamsaSlot]), 1e-9);
    }
}

TEST_F(ChartDriverTest, TheThreeAyanamsasKeepTheirOrderAndDriftTogether)
{
    // Raman's zodiac starts about 1.4 degrees, the K.P. one about 6' after
    // Lahiri's; all three move with the precession, 50.3" a year.
    for (double T : {-1.0, 0.0, 1.0, 3.0}) {
        const double lahiri = MeanAyanamsa(AyanamsaLahiri, T);
        EXPECT_NEAR(lahiri - MeanAyanamsa(AyanamsaKP, T), 5.8 / 60, 0.3 / 60) << T;
        EXPECT_NEAR(lahiri - MeanAyanamsa(AyanamsaRaman, T), 1.446, 0.01) << T;
        EXPECT_NEAR((MeanAyanamsa(AyanamsaLahiri, T + 0.01) - lahiri) * 3600, 50.3, 0.2) << T;
    }
}

TEST_F(ChartDriverTest, SecondPassIsOneHourLater)
{
    OutputRun().TrueNode = false;
    Native() = DelhiBirth(15, 8, 1980, 10, 30, 0);
    CalcChart(OutputRun().Choices());
    const ChartState now = Chart();
    EXPECT_EQ(now.CalcPass, 1);
    EXPECT_DOUBLE_EQ(now.JulianCenturies, JulianCenturiesOf(DayNumber(15, 8, 1980), now.DayFraction));

    Native().Hour = 11;
    CalcChart(OutputRun().Choices());
    const ChartState later = Chart();
    // The second pass is the chart of the hour after, ayanamsa and all.
    for (int b = Sun; b <= Pluto; ++b)
        EXPECT_NEAR(now.PlanetLongitudes[b + HourLater], later.PlanetLongitudes[b], 1e-9) << "body " << b;
    // The Moon moves about half a degree in the hour, the Sun 2.5'.
    EXPECT_NEAR(ReduceDegrees(now.PlanetLongitudes[Moon + HourLater] - now.PlanetLongitudes[Moon]), 0.55, 0.1);
    EXPECT_NEAR(ReduceDegrees(now.PlanetLongitudes[Sun + HourLater] - now.PlanetLongitudes[Sun]) * 60, 2.4, 0.2);
}

TEST_F(ChartDriverTest, WarTimeCorrectionReachesTheChart)
{
    // Clocks one hour ahead at 10:30 are 9:30 standard time.
    Native() = DelhiBirth(15, 8, 1980, 9, 30, 0);
    CalcChart(OutputRun().Choices());
    const ChartState standard = Chart();
    Native() = DelhiBirth(15, 8, 1980, 10, 30, 0);
    Native().TimeCorrection = WarTimeCorrection(+1, 1, 0);
    CalcChart(OutputRun().Choices());
    EXPECT_EQ(Chart().PlanetLongitudes, standard.PlanetLongitudes);
    EXPECT_EQ(Chart().HouseCusps, standard.HouseCusps);
    EXPECT_EQ(Chart().DayFraction, standard.DayFraction);
}
