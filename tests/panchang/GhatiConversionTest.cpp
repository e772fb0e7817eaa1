// Clock time to ghatis since sunrise and back, and the panchang shown
// beside the conversion.

#include "PanchangFixture.h"

#include "calc/Chart.h"
#include "panchang/GhatiConversion.h"
#include "panchang/HinduCalendar.h"
#include "panchang/Ishtkaal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

constexpr double Vipal = 1.0 / 3600;   // in ghatis; a second of clock is 2.5 of them

struct Person {
    const char* what;
    BirthRecord birth;
};

BirthRecord At(int day, int month, int year, int latDeg, int latMin, const char* latDir, int longDeg, int longMin,
               const char* longDir, double zoneMeridian, double timeCorrection = 0)
{
    return MovedTo(DelhiBirth(day, month, year, 12, 0, 0), latDeg, latMin, latDir, longDeg, longMin, longDir,
                   zoneMeridian, timeCorrection);
}

BirthRecord WarTime(BirthRecord b, double correction)
{
    b.TimeCorrection = correction;
    return b;
}

// Births whose sunrises move both ways from day to day, west and south of
// Greenwich, far from the zone meridian, and on clocks set ahead.
const Person People[] = {
    {"Delhi in August", DelhiBirth(15, 8, 1980)},
    {"Delhi on New Year's day", DelhiBirth(1, 1, 2000)},
    {"Delhi on 1 March after a leap day", DelhiBirth(1, 3, 2000)},
    {"Delhi with clocks an hour ahead", WarTime(DelhiBirth(15, 8, 1980), -1)},
    {"Delhi with clocks half an hour behind", WarTime(DelhiBirth(20, 3, 2000), 0.5)},
    {"New York in summer time", At(4, 7, 1976, 40, 43, "N", 74, 0, "W", -75, -1)},
    {"Rio de Janeiro", At(5, 3, 1990, 22, 54, "S", 43, 12, "W", -45)},
    {"Helsinki in December", At(12, 12, 1995, 60, 10, "N", 24, 56, "E", 30)},
    {"Kashgar on Beijing time", At(10, 10, 2010, 39, 28, "N", 75, 59, "E", 120)},
    // Local mean time a day behind the clock: the Hindu day began two dates back.
    {"Apia across the date line", At(15, 6, 2000, 13, 50, "S", 171, 45, "W", 195)},
    {"Nuku'alofa across the date line", At(1, 1, 2010, 21, 8, "S", 175, 12, "W", 195)},
};

double Hours(const ClockTime& t) { return t.hour + t.minute / 60.0 + t.second / 3600.0; }

double Recombined(double ghatis)
{
    const GhatiParts p = SplitGhatis(ghatis);
    return p.ghati + p.pal / 60 + p.vipal / 3600;
}

class GhatiConversionTest : public CalcTest {};

TEST_F(GhatiConversionTest, AClockTimeTakenToGhatisAndBackIsItself)
{
    // A day whose sunrise comes earlier than the day before's is shorter
    // than 60 ghatis, and its first minutes after midnight share their
    // ghatis with the last minutes of the date: the grid starts after them.
    for (const Person& person : People) {
        SCOPED_TRACE(person.what);
        for (int s = 3 * 60 + 17; s < 86400; s += 7 * 60 + 13) {
            const ClockTime t{s / 3600, s / 60 % 60, s % 60};
            const double ghatis = IshtkaalOfClockTime(person.birth, Hours(t));
            ASSERT_GE(ghatis, 0);
            ASSERT_LT(ghatis, 61);
            ASSERT_EQ(ClockTimeOfGhatis(person.birth, Recombined(ghatis)), t)
                << t.hour << ":" << t.minute << ":" << t.second << " is " << ghatis << " ghatis";
        }
    }
}

TEST_F(GhatiConversionTest, GhatisTakenToAClockTimeAndBackLoseNothingButTheCutVipalas)
{
    for (const Person& person : People) {
        SCOPED_TRACE(person.what);
        // When the sunrises come later from day to day, the ghatis between
        // the date's midnight in its own reckoning and the same midnight in
        // the day before's name no moment of the date: they give a time just
        // after midnight.
        const double gapStart = IshtkaalOfClockTime(person.birth, 24 - 1e-9);
        const double gapEnd = IshtkaalOfClockTime(person.birth, 0);
        for (double g = 0; g < 59.5; g += 37 / 60.0 + 11 * Vipal) {
            const ClockTime t = ClockTimeOfGhatis(person.birth, g);
            if (g > gapStart && g < gapEnd) {
                EXPECT_LT(Hours(t), (gapEnd - gapStart) / 2.5 + 1.0 / 3600) << g;
                continue;
            }
            const double back = IshtkaalOfClockTime(person.birth, Hours(t));
            // The clock rounds up to its second: never earlier, and less than
            // one second (2.5 vipalas) later.
            EXPECT_GE(back, g - 1e-9) << g;
            EXPECT_LT(back, g + 2.5 * Vipal) << g;
        }
    }
}

TEST_F(GhatiConversionTest, GhatisCountFromTheSunriseOfTheHinduDay)
{
    const BirthRecord delhi = DelhiBirth(15, 8, 1980);
    const double lmtLessClock = (77.2 - 82.5) / 15;
    const double sunriseClock = BirthDateSunTimes(delhi)[1] - lmtLessClock;
    const struct {
        double hoursAfterSunrise;
        double ghatis, tolerance;
        const char* why;
    } cases[] = {
        {0, 0, 1e-9, "at sunrise"},
        {2, 5, 1e-9, "two hours later"},
        {12, 30, 1e-9, "half a day"},
        {-0.5, 58.75, 0.1, "half an hour before sunrise: from the day before's sunrise"},
        {-6, 45, 0.1, "before sunrise, after midnight"},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(IshtkaalOfClockTime(delhi, sunriseClock + c.hoursAfterSunrise), c.ghatis, c.tolerance) << c.why;

    // Back to the clock: the first whole second at or after the moment.
    const ClockTime atSunrise = ClockTimeOfGhatis(delhi, 0);
    EXPECT_GE(Hours(atSunrise), sunriseClock);
    EXPECT_LT(Hours(atSunrise), sunriseClock + 1.0 / 3600);
    const ClockTime twoHoursOn = ClockTimeOfGhatis(delhi, 5);
    EXPECT_NEAR(Hours(twoHoursOn) - Hours(atSunrise), 2, 1.5 / 3600);
}

TEST_F(GhatiConversionTest, ClocksSetAheadShowTheSameGhatisAnHourLater)
{
    const BirthRecord standard = DelhiBirth(15, 8, 1980);
    const BirthRecord ahead = WarTime(standard, -1);   // clocks an hour ahead of standard time
    const BirthRecord behind = WarTime(standard, 0.5);
    for (const double g : {0.0, 5.0, 17.25, 40.0, 55.5}) {
        const double clock = Hours(ClockTimeOfGhatis(standard, g));
        EXPECT_NEAR(std::fmod(Hours(ClockTimeOfGhatis(ahead, g)) - clock + 24, 24), 1, 1e-9) << g;
        EXPECT_NEAR(std::fmod(clock - Hours(ClockTimeOfGhatis(behind, g)) + 24, 24), 0.5, 1e-9) << g;
        EXPECT_NEAR(IshtkaalOfClockTime(ahead, clock + 1), IshtkaalOfClockTime(standard, clock), 1e-9) << g;
    }
}

TEST_F(GhatiConversionTest, BoxValuesBeyondTheirRangeStillGiveAClockTime)
{
    const BirthRecord delhi = DelhiBirth(15, 8, 1980);
    const ClockTime atSunrise = ClockTimeOfGhatis(delhi, 0);
    // Past a whole Hindu day the count wraps round the clock.
    EXPECT_NEAR(Hours(ClockTimeOfGhatis(delhi, 65)), Hours(atSunrise) + 2, 2.0 / 3600);
    EXPECT_NEAR(Hours(ClockTimeOfGhatis(delhi, -5)), Hours(atSunrise) - 2, 2.0 / 3600);
    for (const double g : {1e300, -1e300, double(INFINITY), double(NAN)}) {
        const ClockTime t = ClockTimeOfGhatis(delhi, g);
        EXPECT_TRUE(t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 && t.second < 60)
            << g;
    }
}

TEST(GhatiTithiName, FullAndNewMoonByNameTheRestByTheirDay)
{
    const struct {
        int tithi;
        const char* name;
    } cases[] = {
        {1, "Pratipada"}, {2, "Dvitiya"}, {14, "Chaturdashi"}, {15, "PURNIMA"},
        {16, "Pratipada"}, {29, "Chaturdashi"}, {30, "AMAVASYA"}, {0, ""}, {31, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GhatiTithiName(c.tithi), c.name) << c.tithi;
}

TEST_F(GhatiConversionTest, TithiAndPakshaAtBirthAndAtSunrise)
{
    // Full moon 21 January 2000 at 04:40 UT (10:10 Indian time), new moon
    // 6 January 2000 at 18:14 UT (23:44).
    const struct {
        BirthRecord birth;
        const char* atSunrise;
        const char* atBirth;
        const char* paksha;
    } cases[] = {
        {DelhiBirth(21, 1, 2000, 12, 0, 0), "PURNIMA", "Pratipada", "Krishna"},
        {DelhiBirth(20, 1, 2000, 20, 0, 0), "Chaturdashi", "PURNIMA", "Shukla"},
        {DelhiBirth(6, 1, 2000, 20, 0, 0), "AMAVASYA", "AMAVASYA", "Krishna"},
        {DelhiBirth(5, 1, 2000, 12, 0, 0), "Chaturdashi", "Chaturdashi", "Krishna"},
        {DelhiBirth(7, 1, 2000, 12, 0, 0), "Pratipada", "Pratipada", "Shukla"},
    };
    for (const auto& c : cases) {
        const GhatiPanchang p = GhatiPanchangOf(c.birth, OutputRun().Choices());
        EXPECT_EQ(p.tithiAtSunrise, c.atSunrise) << c.birth.Day;
        EXPECT_EQ(p.tithiAtBirth, c.atBirth) << c.birth.Day;
        EXPECT_EQ(p.paksha, c.paksha) << c.birth.Day;
    }
}

TEST_F(GhatiConversionTest, SamvatAndMonthsAreThoseOfTheBasicPage)
{
    const struct {
        BirthRecord birth;
        int samvat;
        const char* lunarMonth;
        const char* nationalMonth;
        bool adhika = false;
    } cases[] = {
        {DelhiBirth(10, 1, 2000, 12, 0, 0), 2056, "PAUSA", "PAUSA"},
        {DelhiBirth(10, 6, 2000, 12, 0, 0), 2057, "JYAISTHA", "JYAISTHA"},
        // Full moons of 2000: 20 March, 18 April.
        {DelhiBirth(25, 3, 2000, 12, 0, 0), 2056, "CHAITRA", "CHAITRA"},
        {DelhiBirth(10, 4, 2000, 12, 0, 0), 2057, "CHAITRA", "CHAITRA"},   // the new year came on 5 April
        {DelhiBirth(25, 4, 2000, 12, 0, 0), 2057, "VAISAKHA", "VAISAKHA"},
        // The new year of 2001 came on 25 March.
        {DelhiBirth(24, 3, 2001, 12, 0, 0), 2057, "CHAITRA", "CHAITRA"},
        {DelhiBirth(28, 3, 2001, 12, 0, 0), 2058, "CHAITRA", "CHAITRA"},
        // The added Shravana of 2023 (18 July to 16 August), and the true
        // month's full moon after it.
        {DelhiBirth(8, 8, 2023, 12, 0, 0), 2080, "SRAVANA", "SRAVANA", true},
        {DelhiBirth(30, 8, 2023, 12, 0, 0), 2080, "SRAVANA", "BHADRA"},
    };
    for (const auto& c : cases) {
        const BirthRecord& b = c.birth;
        const GhatiPanchang p = GhatiPanchangOf(b, OutputRun().Choices());
        EXPECT_EQ(p.vikramSamvat, c.samvat) << b.Day << "-" << b.Month << "-" << b.Year;
        EXPECT_EQ(p.vikramSamvat, CalcSamvatAtBirth(b, OutputRun().Choices()).vikram);
        EXPECT_EQ(p.lunarMonth, c.lunarMonth) << b.Day << "-" << b.Month << "-" << b.Year;
        EXPECT_EQ(p.adhikaMonth, c.adhika) << b.Day << "-" << b.Month << "-" << b.Year;
        EXPECT_EQ((LunarMonth{p.lunarMonth, p.adhikaMonth}), LunarMonthAtBirth(b, OutputRun().Choices()));
        EXPECT_EQ(p.nationalMonth, c.nationalMonth) << b.Day << "-" << b.Month << "-" << b.Year;
    }
}

TEST_F(GhatiConversionTest, SunriseAndSunsetInZoneTime)
{
    // Local noon from the longitude and the equation of time, and the day's
    // length at the latitude: Delhi on Indian time, Rio de Janeiro on its
    // zone of 45 W.
    const struct {
        BirthRecord birth;
        double sunrise, sunset;   // zone time
    } cases[] = {
        {DelhiBirth(21, 1, 2000), 7 + 16 / 60.0, 17 + 49 / 60.0},
        {At(5, 3, 1990, 22, 54, "S", 43, 12, "W", -45), 5 + 51 / 60.0, 18 + 18 / 60.0},
    };
    const auto hoursOf = [](const std::string& text) {
        EXPECT_EQ(text.size(), 8u) << text;
        return std::stoi(text.substr(0, 2)) + std::stoi(text.substr(3, 2)) / 60.0 + std::stoi(text.substr(6, 2)) / 3600.0;
    };
    for (const auto& c : cases) {
        const GhatiPanchang day = GhatiDayOf(c.birth);
        EXPECT_NEAR(hoursOf(day.sunrise), c.sunrise, 3 / 60.0) << day.sunrise;
        EXPECT_NEAR(hoursOf(day.sunset), c.sunset, 3 / 60.0) << day.sunset;
    }
}

TEST_F(GhatiConversionTest, LeavesNativeAndTheChartAsTheyWere)
{
    const StandingChart boys = BoysChartStanding();
    const BirthRecord girl = MumbaiGirl();
    const GhatiPanchang p = GhatiPanchangOf(girl, OutputRun().Choices());
    ClockTimeOfGhatis(girl, 12.5);
    EXPECT_FALSE(p.tithiAtBirth.empty());
    EXPECT_TRUE(boys.Unchanged());

    // Native itself as the person.
    GhatiPanchangOf(Native(), OutputRun().Choices());
    EXPECT_TRUE(boys.Unchanged());
}

} // namespace
