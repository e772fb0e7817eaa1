#pragma once

namespace tarvik {

// The K.P. zodiac of a chart cast under `ayanamsaChoice` (0 N.C. Lahiri,
// 1 K.P., 2 B.V. Raman) with the ayanamsa `chartAyanamsa` at T Julian
// centuries: under K.P. the chart's own longitudes; otherwise the Lahiri
// longitudes taken 6' further on (the K.P. ayanamsa stands about 6' below
// Lahiri's), whatever ayanamsa the chart itself was cast with.
struct KPZodiac {
    double shift;      // added to the chart's sidereal longitudes
    double ayanamsa;   // of the longitudes the shift's 6' start from (Lahiri's, or K.P.'s own)
};
KPZodiac KPZodiacOf(double chartAyanamsa, double T, int ayanamsaChoice);
// The shift of the current chart under the run's ayanamsa choice.
double KPShiftOfChart();

// The local sidereal time, hours 0 <= result < 24, at which a sidereal
// ascendant rises at `latitude`: the midheaven's right ascension less the
// ascensional difference of the rising point.
double SiderealTimeOfAscendant(double ascendant, double latitude, double obliquity,
                               double ayanamsa);

// The sidereal ascendant rising at local sidereal time `hours` for a place
// or pole at `latitude`, in the K.P. zodiac of the birth ayanamsa (see
// KPZodiacOf), with the chart's obliquity.
double CalcAscendantKP(double hours, double latitude);

// The latitude (degrees, either side of the equator) from which K.P. cusps
// cannot be cast: the polar circle, where parts of the ecliptic no longer
// rise and set and their semi-arcs cannot be divided.
double KPCuspLatitudeLimit(double obliquity);

// The twelve KP cusps (KPCusps 0..11, 12 repeating cusp 1) and their signs
// (KPHouseSigns 0..11) from the birth ascendant in the K.P. zodiac (of the
// birth ayanamsa, the chart's T and the run's ayanamsa choice), the chart's
// obliquity and the place's latitude: the midheaven of the
// sidereal time at which that ascendant rises, the intermediate cusps the
// division of the semi-arcs (Placidus) at that time. At and beyond
// KPCuspLatitudeLimit there are no cusps: every entry is 0 and the result
// is false.
bool CalcKPChart();

} // namespace tarvik
