#pragma once

#include "EphemerisTable.h"

namespace tarvik {

// The three ayanamsas the program offers, as Swiss Ephemeris defines them
// (SE_SIDM_LAHIRI, SE_SIDM_KRISHNAMURTI, SE_SIDM_RAMAN). Any other choice
// counts as N.C. Lahiri.
enum AyanamsaKind : int { AyanamsaLahiri = 0, AyanamsaKP = 1, AyanamsaRaman = 2 };

// The mean ayanamsa of a choice (the sidereal zodiac's start from the mean
// equinox of date) at T, Julian centuries (UT) from 1900 January 0.5, degrees.
double MeanAyanamsa(int ayanamsaChoice, double T);

// The true ayanamsa at a Julian day (UT): the mean one with the nutation in
// longitude, the start of the zodiac from the true equinox. A tropical
// longitude of the true equinox less it is the sidereal longitude.
double TrueAyanamsa(int ayanamsaChoice, double jd);

// A body's sidereal longitude in [0, 360) at a Julian day (UT) under the
// choice: its longitude of the mean equinox less the mean ayanamsa.
double SiderealLongitude(EphemerisQuantity body, double jd, int ayanamsaChoice);

} // namespace tarvik
