#include "calc/Angles.h"
#include "calc/TimeScale.h"

#include <gtest/gtest.h>

using namespace tarvik;

TEST(DayNumberTest, AnchorsAreJulianDayOfMidnightLess1720994Point5)
{
    struct Case { int d, m, y; int expected; };
    const Case cases[] = {
        {31, 12, 1899, 694025},                 // T = 0 at its noon
        {1, 1, 1900, 694026},
        {1, 1, 2000, 730550},
        {17, 11, 1858, 2400000 - 1720994},      // JD 2400000.5, modified Julian day 0
        {4, 10, 1957, 2436115 - 1720994},       // JD 2436115.5
        {1, 3, 1600, 2305507 - 1720994},        // JD 2305507.5
        {15, 8, 1980, 2444466 - 1720994},       // JD 2444466.5
    };
    for (const Case& c : cases)
        EXPECT_EQ(DayNumber(c.d, c.m, c.y), c.expected) << c.d << "-" << c.m << "-" << c.y;
}

TEST(DayNumberTest, LeapYearsOfTheGregorianCalendar)
{
    struct Case { int year; int februaryDays; };
    const Case cases[] = {{1900, 28}, {2000, 29}, {2100, 28}, {2023, 28}, {2024, 29}, {1600, 29}};
    for (const Case& c : cases)
        EXPECT_EQ(DayNumber(1, 3, c.year) - DayNumber(1, 2, c.year), c.februaryDays) << c.year;
}

TEST(DayNumberTest, ConsecutiveDatesDifferByOneDayAndConvertBack)
{
    // Walking the calendar day by day catches a wrong month length in the
    // month table anywhere from 1800 to 2200.
    auto daysIn = [](int m, int y) {
        static const int len[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        return m == 2 && leap ? 29 : len[m - 1];
    };
    int previous = DayNumber(31, 12, 1799);
    for (int y = 1800; y <= 2200; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= daysIn(m, y); ++d) {
                const int n = DayNumber(d, m, y);
                ASSERT_EQ(n, previous + 1) << d << "-" << m << "-" << y;
                ASSERT_EQ(DateOfDayNumber(n), (CalendarDate{d, m, y})) << n;
                previous = n;
            }
}

TEST(FracTest, FractionalPartRoundsDown)
{
    struct Case { double x, expected; };
    const Case cases[] = {{3.75, 0.75}, {-0.25, 0.75}, {2, 0}, {-3, 0}, {0, 0}, {1336.5, 0.5}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(Frac(c.x), c.expected) << c.x;
}

TEST(ReduceDegreesTest, IntoZeroTo360)
{
    struct Case { double x, expected; };
    const Case cases[] = {{360, 0}, {-30, 330}, {725, 5}, {359.5, 359.5}, {-1e-17, 0}, {0, 0}};
    for (const Case& c : cases) {
        const double r = ReduceDegrees(c.x);
        EXPECT_DOUBLE_EQ(r, c.expected) << c.x;
        EXPECT_LT(r, 360.0);
    }
}

TEST(WarTimeCorrectionTest, UndoesClocksRunningAhead)
{
    struct Case { int sign, hours, minutes; double expected; };
    const Case cases[] = {
        {+1, 1, 0, -1.0},   // summer time: standard time is an hour earlier
        {+1, 0, 30, -0.5},
        {-1, 0, 30, +0.5},  // the sign covers the minutes when the hours are 0
        {-1, 1, 30, +1.5},
        {+1, 0, 0, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(WarTimeCorrection(c.sign, c.hours, c.minutes), c.expected)
            << c.sign << " " << c.hours << ":" << c.minutes;
}
