// The civil date, the clock time and the coordinate of a birth as values.

#include "core/BirthRecord.h"
#include "core/CivilTime.h"

#include <gtest/gtest.h>

using namespace tarvik;

TEST(CivilTimeTest, TheGregorianLeapYearsAndMonthLengths)
{
    const struct {
        int year;
        bool leap;
    } years[] = {{1800, false}, {1900, false}, {1980, true}, {2000, true}, {2023, false}, {2100, false}, {2400, true}};
    for (const auto& c : years) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(IsLeapYear(c.year), c.leap);
        EXPECT_EQ(DaysInMonth(2, c.year), c.leap ? 29 : 28);
        EXPECT_EQ((CivilDate{29, 2, c.year}.IsValid()), c.leap);
    }
    const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(DaysInMonth(m, 2023), lengths[m - 1]) << m;
}

TEST(CivilTimeTest, OnlyDaysOfTheCalendarAreValid)
{
    const struct {
        CivilDate date;
        bool valid;
    } cases[] = {{{31, 12, 2199}, true}, {{1, 1, 1800}, true}, {{31, 4, 1980}, false}, {{0, 5, 1980}, false},
                 {{1, 13, 1980}, false}, {{1, 0, 1980}, false}, {{-1, 5, 1980}, false}, {{1, -3, 1980}, false}};
    for (const auto& c : cases)
        EXPECT_EQ(c.date.IsValid(), c.valid) << c.date.day << "-" << c.date.month << "-" << c.date.year;
}

TEST(CivilTimeTest, ABirthRecordGivesAndTakesItsMomentAndPlaceWhole)
{
    BirthRecord r;
    r.Name = "Asha";
    r.TimeCorrection = -1;
    r.SetMoment({15, 8, 1980}, {22, 5, 9});
    EXPECT_EQ(std::tie(r.Day, r.Month, r.Year, r.Hour, r.Minute, r.Second), std::make_tuple(15, 8, 1980, 22, 5, 9));
    EXPECT_EQ(r.Date(), (CivilDate{15, 8, 1980}));
    EXPECT_EQ(r.Clock(), (ClockTime{22, 5, 9}));
    EXPECT_EQ(r.Clock().SecondsOfDay(), 22 * 3600 + 5 * 60 + 9);
    EXPECT_EQ(r.Name, "Asha");
    EXPECT_EQ(r.TimeCorrection, -1);

    r.SetLatitude({28, 39, "N"});
    r.SetLongitude({74, 30, "w"});
    r.SetZone({82, 30, "E"});
    EXPECT_EQ(std::tie(r.LatDeg, r.LatMin, r.LatDir), std::make_tuple(28, 39, std::string("N")));
    EXPECT_EQ(std::tie(r.ZoneDeg, r.ZoneMin, r.ZoneDir), std::make_tuple(82, 30, std::string("E")));
    EXPECT_EQ(r.Longitude(), (Coordinate{74, 30, "w"}));
    EXPECT_DOUBLE_EQ(r.Latitude().LatitudeDegrees(), 28.65);
    EXPECT_DOUBLE_EQ(r.Longitude().LongitudeDegrees(), -74.5);
}

TEST(CivilTimeTest, EachAxisReadsItsOwnNegativeLetter)
{
    const struct {
        Coordinate c;
        double latitude, longitude;
    } cases[] = {
        {{18, 58, "S"}, -(18 + 58 / 60.0), 18 + 58 / 60.0},
        {{18, 58, "s"}, -(18 + 58 / 60.0), 18 + 58 / 60.0},
        {{74, 0, "W"}, 74, -74},
        {{74, 0, "E"}, 74, 74},
        {{5, 30, ""}, 5.5, 5.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.c.direction);
        EXPECT_DOUBLE_EQ(c.c.LatitudeDegrees(), c.latitude);
        EXPECT_DOUBLE_EQ(c.c.LongitudeDegrees(), c.longitude);
    }
}
