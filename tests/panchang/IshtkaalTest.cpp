// Ishtkaal from the sunrise of the Hindu day, and the velantar of the
// reference database.

#include "PanchangFixture.h"

#include "calc/Chart.h"
#include "calc/Sunrise.h"
#include "panchang/Ishtkaal.h"
#include "refdata/Database.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// Delhi's local mean time runs 21 min 12 s behind Indian time (77E12 against 82E30).
constexpr double DelhiLmtLessZone = (77.2 - 82.5) / 15;

double delhiSunrise(int day, int month, int year)
{
    return SunriseSunset(day, month, year, 28 + 39 / 60.0, 77.2, 82.5)[1];
}

class IshtkaalTest : public CalcTest {};

TEST_F(IshtkaalTest, CountsFromTheSunriseThatBeganTheHinduDay)
{
    const struct {
        int day, month, year, hour, minute;
        int riseDay, riseMonth, riseYear;   // the sunrise counted from
        double hoursAdded;
    } cases[] = {
        {15, 8, 1980, 10, 30, 15, 8, 1980, 0},
        {15, 8, 1980, 23, 59, 15, 8, 1980, 0},
        {15, 8, 1980, 5, 0, 14, 8, 1980, 24},
        {1, 3, 2000, 4, 0, 29, 2, 2000, 24},
        {1, 1, 2000, 0, 10, 31, 12, 1999, 24},
        {1, 3, 1900, 6, 0, 28, 2, 1900, 24},
    };
    for (const auto& c : cases) {
        const BirthRecord birth = DelhiBirth(c.day, c.month, c.year, c.hour, c.minute, 0);
        const double lmt = c.hour + c.minute / 60.0 + DelhiLmtLessZone + c.hoursAdded;
        const double expected = (lmt - delhiSunrise(c.riseDay, c.riseMonth, c.riseYear)) * 2.5;
        const Ishtkaal i = CalcIshtkaal(birth, OutputRun().Choices());
        EXPECT_NEAR(i.ghati, expected, 1e-9) << c.day << "-" << c.month << "-" << c.year << " " << c.hour;
        EXPECT_EQ(i.text, IshtkaalText(i.ghati, OutputRun().Choices()));
    }
}

TEST_F(IshtkaalTest, RunsOnAcrossSunrise)
{
    // One minute either side of the sunrise of 15 August 1980, in zone time.
    const double rise = delhiSunrise(15, 8, 1980) - DelhiLmtLessZone;
    for (const double offsetMinutes : {-1.0, +1.0}) {
        const long long s = std::lround((rise + offsetMinutes / 60) * 3600);
        const BirthRecord birth = DelhiBirth(15, 8, 1980, static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60),
                                             static_cast<int>(s % 60));
        const double ghati = CalcIshtkaal(birth, OutputRun().Choices()).ghati;
        if (offsetMinutes < 0)
            EXPECT_NEAR(ghati, 60 - 2.5 / 60, 0.1);   // nearly a whole day of 60 ghatis
        else
            EXPECT_NEAR(ghati, 2.5 / 60, 0.001);
    }
}

// A place of the database by its coordinates and zone meridian (degrees east).
BirthRecord placeBirth(int day, int month, int year, int hour, int minute, int latDeg, int latMin,
                       const char* latDir, int longDeg, int longMin, const char* longDir, double meridian)
{
    return MovedTo(DelhiBirth(day, month, year, hour, minute, 0), latDeg, latMin, latDir, longDeg, longMin,
                   longDir, meridian);
}

TEST_F(IshtkaalTest, AcrossTheDateLineLocalMeanTimeIsADayBehindTheClock)
{
    // Zones of 195E at 171W-175W: local mean time runs about 24.5 hours
    // behind the clock, so the Hindu day began two dates back. The ghatis
    // from the last sunrise before the moment by astronomy-engine
    // (SearchRiseSet, the upper limb with refraction), within the two
    // minutes (0.1 ghati) of the program's own low-precision sunrise.
    const struct {
        const char* place;
        BirthRecord birth;
        double ghatis;
    } cases[] = {
        {"Apia, 05:00", placeBirth(15, 6, 2000, 5, 0, 13, 50, "S", 171, 45, "W", 195), 55.511},
        {"Apia, 20:00", placeBirth(15, 6, 2000, 20, 0, 13, 50, "S", 171, 45, "W", 195), 33.000},
        {"Nuku'alofa, 07:00", placeBirth(1, 1, 2010, 7, 0, 21, 8, "S", 175, 12, "W", 195), 2.410},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(CalcIshtkaal(c.birth, OutputRun().Choices()).ghati, c.ghatis, 0.1) << c.place;
}

TEST_F(IshtkaalTest, LiesWithinOneHinduDayEverywhere)
{
    // Every hour of days around the equinoxes and solstices, at the
    // date-line places of the database (Apia, Nuku'alofa, Tokelau, Waitangi,
    // Tabwakea, Mata-Utu), at the poles (where the semi-diurnal arc falls
    // back to 12 h or 0 h and one sunrise can come 36 hours after the last)
    // and inside the polar circles.
    const BirthRecord places[] = {
        placeBirth(1, 1, 2000, 0, 0, 13, 49, "S", 171, 45, "W", 195),
        placeBirth(1, 1, 2000, 0, 0, 21, 8, "S", 175, 12, "W", 195),
        placeBirth(1, 1, 2000, 0, 0, 8, 32, "S", 172, 30, "W", 195),
        placeBirth(1, 1, 2000, 0, 0, 43, 57, "S", 176, 33, "W", 191.25),
        placeBirth(1, 1, 2000, 0, 0, 2, 0, "N", 157, 29, "W", 210),
        placeBirth(1, 1, 2000, 0, 0, 13, 16, "S", 176, 10, "W", 180),
        placeBirth(1, 1, 2000, 0, 0, 90, 0, "S", 0, 0, "E", 0),
        placeBirth(1, 1, 2000, 0, 0, 90, 0, "N", 0, 0, "E", 0),
        placeBirth(1, 1, 2000, 0, 0, 78, 13, "N", 15, 39, "E", 15),
        placeBirth(1, 1, 2000, 0, 0, 69, 38, "N", 18, 57, "E", 15),
    };
    for (const BirthRecord& place : places) {
        for (const auto& [day, month] : {std::pair{19, 3}, {21, 3}, {23, 3}, {21, 6}, {22, 9}, {24, 9}, {21, 12}}) {
            for (int hour = 0; hour < 24; ++hour) {
                BirthRecord b = place;
                b.Day = day;
                b.Month = month;
                b.Hour = hour;
                const double ghati = CalcIshtkaal(b, OutputRun().Choices()).ghati;
                EXPECT_GE(ghati, 0) << b.LatDeg << b.LatDir << " " << b.LongDeg << b.LongDir << " " << day << "-"
                                    << month << " " << hour << " h";
                EXPECT_LT(ghati, 60) << b.LatDeg << b.LatDir << " " << b.LongDeg << b.LongDir << " " << day << "-"
                                     << month << " " << hour << " h";
            }
        }
    }
    // The pole at the March equinox: the count of 88:56:36 that a 36-hour
    // day gave starts again after a whole day.
    EXPECT_LT(CalcIshtkaal(placeBirth(21, 3, 2000, 11, 0, 90, 0, "S", 0, 0, "E", 0), OutputRun().Choices()).ghati, 60);
}

TEST_F(IshtkaalTest, IsThePersonsOwnAndWritesNothing)
{
    const StandingChart boys = BoysChartStanding();
    const BirthRecord girl = MumbaiGirl();   // before sunrise
    const Ishtkaal hers = CalcIshtkaal(girl, OutputRun().Choices());
    EXPECT_TRUE(boys.Unchanged());

    const double lmt = 5.25 + (72 + 53 / 60.0 - 82.5) / 15 + 24;
    EXPECT_NEAR(hers.ghati, (lmt - SunriseSunset(2, 4, 1984, 19 + 4 / 60.0, 72 + 53 / 60.0, 82.5)[1]) * 2.5, 1e-9);
}

TEST_F(IshtkaalTest, ClocksAheadOfStandardTimeAreCorrected)
{
    BirthRecord birth = DelhiBirth(15, 8, 1980, 10, 30);
    const double standard = CalcIshtkaal(birth, OutputRun().Choices()).ghati;
    birth.TimeCorrection = -1;   // the clocks ran an hour ahead
    birth.Hour = 11;
    EXPECT_NEAR(CalcIshtkaal(birth, OutputRun().Choices()).ghati, standard, 1e-9);
}

TEST_F(IshtkaalTest, TextOfGhatisPalasAndVipalas)
{
    const struct {
        double ghati;
        const char* colon;
        const char* text;
    } cases[] = {
        {5, ":", "5:0:0"},
        {5.5, ":", "5:30:0"},
        {12.3125, ":", "12:18:45"},
        {1.0 / 128, ":", "0:0:28"},     // 28.125 vipalas, cut
        {5 - 1e-12, ":", "4:59:59"},     // a hair below a vipala shows the one before
        {59.99, ".", "59.59.24"},
    };
    for (const auto& c : cases) {
        OutputRun().PunctColon = c.colon;
        EXPECT_EQ(IshtkaalText(c.ghati, OutputRun().Choices()), c.text) << c.ghati;
    }
}

using Velantar = WithDatabases;

TEST_F(Velantar, SignedMinutesAndSecondsOfTheDay)
{
    const struct {
        int day, month;
        const char* text;
    } cases[] = {
        {1, 1, "-00:03:24"},
        {1, 2, "-00:13:32"},
        {1, 9, "-00:00:03"},    // stored as -0 minutes and -3 seconds
        {2, 9, "+00:00:16"},    // the sign changes within September
        {1, 11, "+00:16:28"},
        {31, 12, "-00:02:56"},
        {29, 2, "-00:12:28"},
        {30, 2, ""},            // no such day
        {31, 4, ""},
        {32, 1, ""},            // no row
        {0, 1, ""},
        {1, 0, ""},
        {1, 13, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcVelantar(c.day, c.month, OutputRun().Choices()), c.text) << c.day << "-" << c.month;
    EXPECT_TRUE(messages.messages.empty());

    OutputRun().LanguageHindi = true;
    OutputRun().PunctColon = ".";
    EXPECT_EQ(CalcVelantar(1, 11, OutputRun().Choices()), "+00.16.28");
}

TEST_F(Velantar, NeedsTheReferenceDatabase)
{
    CloseReferenceDatabases();
    EXPECT_THROW(CalcVelantar(1, 1, OutputRun().Choices()), DbError);
}

} // namespace
