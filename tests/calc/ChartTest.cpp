#include "CalcFixture.h"

#include "calc/Angles.h"
#include "calc/Ayanamsa.h"
#include "calc/Chart.h"
#include "calc/TimeScale.h"

#include <gtest/gtest.h>

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
    const double hour = 1.0 / 24 / 36525;

    struct Case { int choice; double ayanamsa; };
    const Case cases[] = {
        {AyanamsaLahiri, LahiriAyanamsa(lahiri.JulianCenturies)},
        {3, LahiriAyanamsa(lahiri.JulianCenturies)},  // unknown choices leave Lahiri
        {AyanamsaRaman, RamanAyanamsa(lahiri.JulianCenturies + hour)},
        {AyanamsaKP, KPAyanamsa(2000, 1)},
    };
    for (const Case& c : cases) {
        OutputRun().AyanamsaChoice = c.choice;
        CalcChart(OutputRun().Choices());
        const auto& L = Chart().PlanetLongitudes;
        EXPECT_NEAR(L[AyanamsaSlot], c.ayanamsa, 1e-12) << c.choice;
        const double shift = lahiri.PlanetLongitudes[AyanamsaSlot] - c.ayanamsa;
        for (int b = Sun; b <= Pluto; ++b)
            for (int slot : {b, b + HourLater}) {
                EXPECT_NEAR(L[slot], ReduceDegrees(lahiri.PlanetLongitudes[slot] + shift), 1e-9) << c.choice << " " << slot;
                EXPECT_GE(L[slot], 0.0);
                EXPECT_LT(L[slot], 360.0);
            }
        // The houses take the ayanamsa in use.
        EXPECT_DOUBLE_EQ(Chart().AscAyanamsa, c.ayanamsa);
        EXPECT_NEAR(Chart().HouseCusps[1], ReduceDegrees(lahiri.HouseCusps[1] + shift), 1e-9);
    }
}

TEST_F(ChartDriverTest, KPAyanamsaIgnoresTheTimeOfDay)
{
    OutputRun().AyanamsaChoice = AyanamsaKP;
    Native() = DelhiBirth(10, 6, 2000, 0, 5, 0);
    CalcChart(OutputRun().Choices());
    const double early = Chart().PlanetLongitudes[AyanamsaSlot];
    Native().Hour = 23;
    CalcChart(OutputRun().Choices());
    EXPECT_DOUBLE_EQ(Chart().PlanetLongitudes[AyanamsaSlot], early);
    EXPECT_NEAR(early, 23.7586, 0.5e-4);
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
    // Perturbations and the ayanamsa of the moment serve both passes; they
    // change by far less than this within the hour.
    for (int b = Sun; b <= Pluto; ++b)
        EXPECT_NEAR(now.PlanetLongitudes[b + HourLater], later.PlanetLongitudes[b], 1e-5) << "body " << b;
    // The Moon moves about half a degree in the hour, the Sun 2.5'.
    EXPECT_NEAR(ReduceDegrees(now.PlanetLongitudes[Moon + HourLater] - now.PlanetLongitudes[Moon]), 0.55, 0.1);
    EXPECT_NEAR(ReduceDegrees(now.PlanetLongitudes[Sun + HourLater] - now.PlanetLongitudes[Sun]) * 60, 2.4, 0.2);
}

TEST_F(ChartDriverTest, ChartAtNativesOwnValuesIsTheSameChart)
{
    for (int choice : {AyanamsaLahiri, AyanamsaKP, AyanamsaRaman}) {
        OutputRun().AyanamsaChoice = choice;
        CalcChart(OutputRun().Choices());
        const ChartState viaNative = Chart();
        const BirthRecord& n = Native();
        CalcChartAt(n.Day, n.Month, n.Year, n.LongDeg, n.LongMin, n.LongDir, n.LatDeg, n.LatMin, n.LatDir, n.ZoneHours, OutputRun().Choices());
        EXPECT_EQ(Chart().PlanetLongitudes, viaNative.PlanetLongitudes);
        EXPECT_EQ(Chart().HouseCusps, viaNative.HouseCusps);
        EXPECT_EQ(Chart().BhavaSandhi, viaNative.BhavaSandhi);
        EXPECT_EQ(Chart().SiderealTime, viaNative.SiderealTime);
        CalcChart(OutputRun().Choices());
        EXPECT_EQ(Chart().PlanetLongitudes, viaNative.PlanetLongitudes);  // and a rerun gives it again
    }
}

TEST_F(ChartDriverTest, ChartAtKeepsNativesTimeAndBirthMonth)
{
    OutputRun().AyanamsaChoice = AyanamsaKP;
    CalcChart(OutputRun().Choices());
    const double birthKP = Chart().PlanetLongitudes[AyanamsaSlot];
    // Two months on at Bombay: the moment is the new date at Native's clock
    // time, the K.P. ayanamsa still the birth month's.
    CalcChartAt(1, 3, 2000, 72, 50, "E", 18, 58, "N", 5.5, OutputRun().Choices());
    EXPECT_DOUBLE_EQ(Chart().PlanetLongitudes[AyanamsaSlot], birthKP);
    EXPECT_NEAR(Chart().PlaceLongitude, 72 + 50 / 60.0, 1e-12);
    EXPECT_NEAR(Chart().JulianCenturies, (DayNumber(1, 3, 2000) - 694025) / 36525.0, 1e-15);
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
