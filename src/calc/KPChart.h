#pragma once

namespace tarvik {

// One row of the KP tables of house poles: the latitude, then the pole of
// cusps 2 and 12 and the pole of cusps 3 and 11, all in arc-minutes.
struct KPPoleRow {
    int latDeg;
    int latMin;
    int cusps2and12;
    int cusps3and11;
};

// Poles of the intermediate cusps for a place, degrees, negative south.
struct KPPoles {
    double cusps2and12;
    double cusps3and11;
};

// The poles at a latitude by linear interpolation between the table's rows;
// at 60° and beyond, the 60° row.
KPPoles KPPolesAt(double latitude);

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
// the chart's obliquity and the place's latitude. Up to 60° the poles of the
// tables place the intermediate cusps; beyond them the cusps divide the
// semi-arcs (Placidus). At and beyond KPCuspLatitudeLimit there are no
// cusps: every entry is 0 and the result is false.
bool CalcKPChart();

} // namespace tarvik
