#pragma once

namespace tarvik {

// The local sidereal time, hours 0 <= result < 24, at which a sidereal
// ascendant rises at `latitude`: the midheaven's right ascension less the
// ascensional difference of the rising point.
double SiderealTimeOfAscendant(double ascendant, double latitude, double obliquity,
                               double ayanamsa);

// The sidereal ascendant rising at local sidereal time `hours` for a place
// or pole at `latitude`, with the birth ayanamsa and the chart's obliquity.
double CalcAscendantKP(double hours, double latitude);

// The latitude (degrees, either side of the equator) from which K.P. cusps
// cannot be cast: the polar circle, where parts of the ecliptic no longer
// rise and set and their semi-arcs cannot be divided.
double KPCuspLatitudeLimit(double obliquity);

// The twelve KP cusps (KPCusps 0..11, 12 repeating cusp 1) and their signs
// (KPHouseSigns 0..11) from the birth ascendant plus 6', the birth ayanamsa,
// the chart's obliquity and the place's latitude: the midheaven of the
// sidereal time at which that ascendant rises, the intermediate cusps the
// division of the semi-arcs (Placidus) at that time. At and beyond
// KPCuspLatitudeLimit there are no cusps: every entry is 0 and the result
// is false.
bool CalcKPChart();

} // namespace tarvik
