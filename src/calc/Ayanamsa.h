#pragma once

#include "core/ChartState.h"

namespace tarvik {

// The three ayanamsas the program offers, in degrees. The ephemeris elements
// are referred to the Lahiri zodiac, so the bodies come out sidereal by
// Lahiri; the other two move every body by the difference.
enum AyanamsaKind : int { AyanamsaLahiri = 0, AyanamsaKP = 1, AyanamsaRaman = 2 };

// N.C. Lahiri's (mean) ayanamsa at T Julian centuries from 1900 January 0.5.
double LahiriAyanamsa(double T);
// B.V. Raman's ayanamsa at T.
double RamanAyanamsa(double T);
// The K.P. ayanamsa of a birth month: 22 deg 21' 50" in 1900 growing by 50"
// a year and 50"/12 a month, whatever the day and time.
double KPAyanamsa(int year, int month);

// What the chosen ayanamsa adds to a longitude of the Lahiri zodiac at T:
// Lahiri's ayanamsa less the chosen one (0 under Lahiri; the K.P. value of
// the birth month kpYear, kpMonth).
double LahiriToChosenShift(int ayanamsaChoice, double T, int kpYear, int kpMonth);

// Writes the Lahiri ayanamsa of chart.JulianCenturies into PlanetLongitudes[1].
void CalcAyanamsaLahiri(ChartState& chart);

// Replace the Lahiri ayanamsa in PlanetLongitudes[1] by Raman's (at the
// chart's current T) or by the K.P. value of the birth month, moving every
// body of both passes by the difference and reducing it into [0, 360).
void ApplyAyanamsaRaman(ChartState& chart);
void ApplyAyanamsaKP(ChartState& chart, int birthYear, int birthMonth);

} // namespace tarvik
