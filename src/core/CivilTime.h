#pragma once

// The date, the clock time and the place of a birth as values: a date of
// the Gregorian calendar, a time of day on the 24-hour clock, and an angle
// of latitude or longitude as degrees, minutes and a direction letter, the
// way an almanac and the place lists write them.

#include <chrono>
#include <string>

namespace tarvik {

// A day of the (proleptic) Gregorian calendar.
struct CivilDate {
    int day = 1;
    int month = 1;
    int year = 2000;

    std::chrono::year_month_day Ymd() const
    {
        return std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
               std::chrono::day{static_cast<unsigned>(day)};
    }
    // A day the calendar has: 29 February only in a leap year.
    bool IsValid() const { return month >= 1 && month <= 12 && day >= 1 && day <= 31 && Ymd().ok(); }

    bool operator==(const CivilDate&) const = default;
};

// Every fourth year, but of the century years only those divisible by 400.
inline bool IsLeapYear(int year) { return std::chrono::year{year}.is_leap(); }

// The days of a month (1-12) of a year.
inline int DaysInMonth(int month, int year)
{
    using namespace std::chrono;
    return static_cast<int>(static_cast<unsigned>(
        year_month_day_last{std::chrono::year{year}, month_day_last{std::chrono::month{static_cast<unsigned>(month)}}}
            .day()));
}

// A time of day: hours 0-23, minutes and seconds 0-59.
struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;

    long long SecondsOfDay() const { return hour * 3600LL + minute * 60LL + second; }
    double Hours() const { return hour + minute / 60.0 + second / 3600.0; }

    bool operator==(const ClockTime&) const = default;
};

// A latitude ("N"/"S") or a longitude ("E"/"W") in whole degrees and
// minutes; the letter is read in either case.
struct Coordinate {
    int degrees = 0;
    int minutes = 0;
    std::string direction;

    // Signed decimal degrees, read as a latitude (south negative) or as a
    // longitude (west negative); any other letter is positive.
    double LatitudeDegrees() const;
    double LongitudeDegrees() const;

    bool operator==(const Coordinate&) const = default;
};

} // namespace tarvik
