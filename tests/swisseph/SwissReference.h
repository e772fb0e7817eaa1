#pragma once

// Swiss Ephemeris itself, with its files, as the reference the program's
// positions are checked against, and the random births the checks are made
// at. Only the tests link the library; the program reads the table made from
// it.

#include "calc/Ayanamsa.h"
#include "calc/Chart.h"
#include "calc/Ephemeris.h"
#include "core/BirthRecord.h"
#include "core/ChartState.h"

#include <swephexp.h>

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>
#include <string>

namespace tarvik::swiss {

// The library, opened on the files of swe-basic-data, closed at the end.
class SwissEphemeris {
public:
    SwissEphemeris() { swe_set_ephe_path(const_cast<char*>(EPHE_PATH)); }
    ~SwissEphemeris() { swe_close(); }
    SwissEphemeris(const SwissEphemeris&) = delete;
    SwissEphemeris& operator=(const SwissEphemeris&) = delete;

    // A body's longitude at a Julian day (UT): tropical of the true equinox
    // (the apparent longitude) when choice < 0, else sidereal under the
    // choice's mode.
    double Longitude(int sweBody, double jd, int choice) const
    {
        double x[6];
        char error[AS_MAXCH] = "";
        int flags = SEFLG_SWIEPH;
        if (choice >= 0) {
            swe_set_sid_mode(Mode(choice), 0, 0);
            flags |= SEFLG_SIDEREAL;
        }
        const int got = swe_calc_ut(jd, sweBody, flags, x, error);
        if (got < 0 || !(got & SEFLG_SWIEPH))
            throw std::runtime_error(std::string("Swiss Ephemeris without its files: ") + error);
        return x[0];
    }

    // The ayanamsa of a choice, of the true equinox or (mean) without nutation.
    double Ayanamsa(int choice, double jd, bool mean) const
    {
        swe_set_sid_mode(Mode(choice), 0, 0);
        double a = 0;
        char error[AS_MAXCH] = "";
        swe_get_ayanamsa_ex_ut(jd, SEFLG_SWIEPH | (mean ? SEFLG_NONUT : 0), &a, error);
        return a;
    }

    // The true obliquity, degrees.
    double TrueObliquity(double jd) const
    {
        double x[6];
        char error[AS_MAXCH] = "";
        swe_calc_ut(jd, SE_ECL_NUT, 0, x, error);
        return x[0];
    }

    // Houses of a system ('P' Placidus) at a place (degrees, east and north
    // positive), sidereal under a choice, tropical when choice < 0.
    struct Houses {
        double cusp[13];
        double ascmc[10];
        double Ascendant() const { return ascmc[0]; }
        double Midheaven() const { return ascmc[1]; }
    };
    Houses HousesAt(double jd, double latitude, double longitude, int choice, char system = 'P') const
    {
        Houses h{};
        int flags = 0;
        if (choice >= 0) {
            swe_set_sid_mode(Mode(choice), 0, 0);
            flags = SEFLG_SIDEREAL;
        }
        swe_houses_ex(jd, flags, latitude, longitude, system, h.cusp, h.ascmc);
        return h;
    }

    static int Mode(int choice)
    {
        return choice == AyanamsaKP ? SE_SIDM_KRISHNAMURTI : choice == AyanamsaRaman ? SE_SIDM_RAMAN : SE_SIDM_LAHIRI;
    }

    // The library's body of a body of the computation order (Rahu the true or
    // the mean node); -1 for Ketu and anything else.
    static int Body(int body, bool trueNode)
    {
        switch (body) {
        case Sun: return SE_SUN;
        case Moon: return SE_MOON;
        case Mercury: return SE_MERCURY;
        case Venus: return SE_VENUS;
        case Mars: return SE_MARS;
        case Jupiter: return SE_JUPITER;
        case Saturn: return SE_SATURN;
        case Uranus: return SE_URANUS;
        case Neptune: return SE_NEPTUNE;
        case Pluto: return SE_PLUTO;
        case Rahu: return trueNode ? SE_TRUE_NODE : SE_MEAN_NODE;
        default: return -1;
        }
    }
};

// Difference of two angles in seconds of arc, in (-648000, 648000].
inline double ArcsecondsApart(double a, double b) { return std::remainder(a - b, 360.0) * 3600; }

// A birth at a random moment of 1800-2199 (any clock time, a zone of whole
// or half hours from -12 to +14) at a random place from `minLatitude` to
// `maxLatitude` degrees either side of the equator.
inline BirthRecord RandomBirth(std::mt19937_64& random, double minLatitude = 0, double maxLatitude = 66)
{
    std::uniform_int_distribution<int> days(DayNumber(1, 1, 1800), DayNumber(31, 12, 2199));
    std::uniform_int_distribution<int> seconds(0, 86399);
    std::uniform_int_distribution<int> halfHours(-24, 28);
    std::uniform_int_distribution<int> latitudeMinutes(static_cast<int>(minLatitude * 60),
                                                       static_cast<int>(maxLatitude * 60));
    std::uniform_int_distribution<int> longitudeMinutes(0, 180 * 60 - 1);
    std::bernoulli_distribution south, west;
    BirthRecord b;
    const int s = seconds(random);
    b.SetMoment(DateOfDayNumber(days(random)), {s / 3600, s / 60 % 60, s % 60});
    b.ZoneHours = halfHours(random) / 2.0;
    b.ZoneMeridian = b.ZoneHours * 15;
    const int lat = latitudeMinutes(random), lon = longitudeMinutes(random);
    b.LatDeg = lat / 60;
    b.LatMin = lat % 60;
    b.LatDir = south(random) ? "S" : "N";
    b.LongDeg = lon / 60;
    b.LongMin = lon % 60;
    b.LongDir = west(random) ? "W" : "E";
    return b;
}

// The Julian day (UT) of a chart's moment, as the library takes it.
inline double JulianDayOfChart(const ChartState& chart) { return JulianDayOfCenturies(chart.JulianCenturies); }

} // namespace tarvik::swiss
