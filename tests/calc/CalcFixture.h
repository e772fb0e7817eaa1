#pragma once

#include "core/State.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvik::testing {

// A birth at Delhi (28N39, 77E12, zone 82E30), by default 1 January 2000 at
// 17:30:00 Indian time, the moment T = 1.0 of the ephemeris.
inline BirthRecord DelhiBirth(int day = 1, int month = 1, int year = 2000, int hour = 17, int minute = 30,
                              int second = 0)
{
    BirthRecord b;
    b.Name = "Sample";
    b.Place = "Delhi";
    b.Country = "India";
    b.Sex = "Male";
    b.Day = day;
    b.Month = month;
    b.Year = year;
    b.Hour = hour;
    b.Minute = minute;
    b.Second = second;
    b.LatDeg = 28;
    b.LatMin = 39;
    b.LatDir = "N";
    b.LongDeg = 77;
    b.LongMin = 12;
    b.LongDir = "E";
    b.ZoneDeg = 82;
    b.ZoneMin = 30;
    b.ZoneDir = "E";
    b.ZoneMeridian = 82.5;
    b.ZoneHours = 5.5;
    return b;
}

// The same birth at another place, with its zone meridian in degrees (east
// positive) and a time correction in hours.
inline BirthRecord MovedTo(BirthRecord b, int latDeg, int latMin, const char* latDir, int longDeg, int longMin,
                           const char* longDir, double zoneMeridian, double timeCorrection = 0)
{
    b.LatDeg = latDeg;
    b.LatMin = latMin;
    b.LatDir = latDir;
    b.LongDeg = longDeg;
    b.LongMin = longMin;
    b.LongDir = longDir;
    b.ZoneMeridian = zoneMeridian;
    b.ZoneHours = zoneMeridian / 15;
    b.TimeCorrection = timeCorrection;
    return b;
}

// Every test starts from a fresh program state with Native at Delhi.
class CalcTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProgramState();
        Native() = DelhiBirth();
    }
    void TearDown() override { ResetProgramState(); }
};

} // namespace tarvik::testing
