#pragma once

// The positions the chart is cast from, read from the ephemeris table
// (EphemerisTable.h): Swiss Ephemeris's geocentric positions of its
// JPL-derived files, as functions of universal time.

#include "EphemerisTable.h"
#include "TimeScale.h"

namespace tarvik {

// The Julian day at which T, the Julian centuries of the chart, is 0:
// 1900 January 0.5, noon universal time of 31 December 1899.
inline constexpr double EpochJulianDay = 2415020.0;

// The Julian day (universal time) of a day count and a day fraction
// ((UT - 12 h) / 24, not reduced), and of T.
inline double JulianDayOf(int dayNumber, double dayFraction)
{
    return static_cast<double>(dayNumber - EpochDayNumber) + dayFraction + EpochJulianDay;
}
inline double JulianDayOfCenturies(double T) { return EpochJulianDay + T * DaysPerCentury; }
inline double CenturiesOfJulianDay(double jd) { return (jd - EpochJulianDay) / DaysPerCentury; }

// The series of a body of the computation order (Sun .. Pluto; for Rahu the
// true or the mean node). Throws std::out_of_range for any other number
// (the Lagna, Ketu).
EphemerisQuantity SeriesOfBody(int body, bool trueNode);

// A body's geocentric ecliptic longitude of the mean equinox of date at a
// Julian day (UT), degrees in [0, 360), and with its rate in degrees a day.
// Throws std::out_of_range outside the table.
double MeanEquinoxLongitude(EphemerisQuantity body, double jd);
ValueAndRate MeanEquinoxLongitudeAndRate(EphemerisQuantity body, double jd);

// The nutation in longitude and the true obliquity of the ecliptic, degrees.
double NutationInLongitude(double jd);
double TrueObliquity(double jd);

// The apparent sidereal time of Greenwich, degrees in [0, 360): the rotation
// angle, the precession in right ascension and the equation of the
// equinoxes (the nutation in longitude along the equator).
double GreenwichSiderealTime(double jd);
// The same with the nutation in longitude and the true obliquity of the
// moment given (degrees), as a caller that holds them already has them.
double GreenwichSiderealTime(double jd, double nutation, double obliquity);

// The local apparent sidereal time in hours [0, 24) at a longitude (degrees,
// east positive); the second form with the nutation and true obliquity of
// the moment given.
double LocalSiderealTime(double jd, double longitude);
double LocalSiderealTime(double jd, double longitude, double nutation, double obliquity);

} // namespace tarvik
