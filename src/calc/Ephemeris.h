#pragma once

#include "core/ChartState.h"

namespace tarvik {

// Osculating elements of one body at one moment: mean longitude, longitude of
// perihelion and of the ascending node, eccentricity and inclination in
// degrees, semi-major axis in astronomical units. All angles are referred to
// the Lahiri sidereal zodiac, so the longitudes that come out are sidereal.
struct Orbit {
    double L = 0;
    double perihelion = 0;
    double node = 0;
    double e = 0;
    double inclination = 0;
    double a = 1;
};

// The mean elements of a body (Sun, Mercury .. Saturn, Uranus, Neptune,
// Pluto in the computation order) at T, before any perturbation. The Sun's
// are those of its apparent geocentric orbit (perihelion = perigee). Any
// other body (the Moon, the nodes) throws std::out_of_range.
Orbit MeanElements(int body, double T);

// The one Kepler solver. Turns the elements into a position in the plane of
// the ecliptic and returns the geocentric ecliptic longitude in [0, 360).
// A call for the Sun (body == Sun) stores the Sun's geocentric vector in
// sunX, sunY; every other body adds that vector to its heliocentric one, so
// the Sun must be computed first for the same moment.
double HelioToGeo(const Orbit& orbit, int body, double& sunX, double& sunY);

// The Sun's sidereal longitude at T on its own (leaves no state behind).
double SunLongitude(double T);

// The periodic perturbations of Jupiter and Saturn by each other (and Saturn
// by Uranus) at the chart's T: element 1 the mean longitude (deg), 2 the
// perihelion times the eccentricity (deg), 3 the eccentricity, 4 the
// semi-major axis (AU).
void CalcPerturbations(ChartState& chart);

// The body routines: each computes its body at chart.JulianCenturies and
// stores it in PlanetLongitudes[body] (CalcPass 0) or [body + 13] (CalcPass 1).
// CalcSun must run first in each pass; Jupiter and Saturn read the
// perturbation terms, Uranus, Neptune and Pluto the Lahiri ayanamsa in
// PlanetLongitudes[1].
void CalcSun(ChartState& chart);
void CalcMercury(ChartState& chart);
void CalcVenus(ChartState& chart);
void CalcMars(ChartState& chart);
void CalcJupiter(ChartState& chart);
void CalcSaturn(ChartState& chart);
void CalcUranus(ChartState& chart);
void CalcNeptune(ChartState& chart);
void CalcPluto(ChartState& chart);

// The slot of a body in PlanetLongitudes for the chart's current pass.
inline int PassSlot(const ChartState& chart, int body)
{
    return chart.CalcPass == 0 ? body : body + HourLater;
}

} // namespace tarvik
