#pragma once

#include "CivilTime.h"

#include <string>
#include <tuple>

namespace tarvik {

// One person's birth data as the chart calculation reads it. The field order
// is the order the horoscope keeps everywhere (entry form, files, copies).
// Times are zone (standard) time; the optional values of the record (the
// war-time correction and the zone) count as 0 when nothing was entered.
struct BirthRecord {
    std::string Name;
    std::string Place;
    std::string Country;
    std::string Sex;            // "Male" or "Female"
    int Day = 0;
    int Month = 0;
    int Year = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int LatDeg = 0;
    int LatMin = 0;
    std::string LatDir;         // "N" or "S"
    int LongDeg = 0;
    int LongMin = 0;
    std::string LongDir;        // "E" or "W"
    double TimeCorrection = 0;  // hours added to the clock time (war time undone)
    double ZoneHours = 0;       // zone offset from universal time, east positive
    double ZoneMeridian = 0;    // zone meridian in degrees, east positive
    int ZoneDeg = 0;
    int ZoneMin = 0;
    std::string ZoneDir;        // "E" or "W"

    // The date and clock time (zone time) and the coordinates as values.
    CivilDate Date() const { return {Day, Month, Year}; }
    ClockTime Clock() const { return {Hour, Minute, Second}; }
    Coordinate Latitude() const { return {LatDeg, LatMin, LatDir}; }
    Coordinate Longitude() const { return {LongDeg, LongMin, LongDir}; }

    void SetDate(const CivilDate& date)
    {
        Day = date.day;
        Month = date.month;
        Year = date.year;
    }
    void SetClock(const ClockTime& clock)
    {
        Hour = clock.hour;
        Minute = clock.minute;
        Second = clock.second;
    }
    // The record moved to another date and clock time of its own zone.
    void SetMoment(const CivilDate& date, const ClockTime& clock)
    {
        SetDate(date);
        SetClock(clock);
    }
    void SetLatitude(const Coordinate& c) { std::tie(LatDeg, LatMin, LatDir) = std::tie(c.degrees, c.minutes, c.direction); }
    void SetLongitude(const Coordinate& c)
    {
        std::tie(LongDeg, LongMin, LongDir) = std::tie(c.degrees, c.minutes, c.direction);
    }
    void SetZone(const Coordinate& c) { std::tie(ZoneDeg, ZoneMin, ZoneDir) = std::tie(c.degrees, c.minutes, c.direction); }

    bool operator==(const BirthRecord&) const = default;
};

// Direction letters compare case-insensitively: "s" is south, "w" is west.
bool IsSouth(const std::string& dir);
bool IsWest(const std::string& dir);
bool IsEast(const std::string& dir);

} // namespace tarvik
