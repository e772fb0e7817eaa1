#pragma once

#include "core/ChartState.h"

namespace tarvik {

// Mean elements of the Moon and the Sun in degrees (Lahiri sidereal).
struct LunarElements {
    double sunLongitude;   // Ls
    double sunPerigee;     // Ps
    double moonLongitude;  // Lm
    double moonPerigee;    // Pm
    double node;           // N, the mean ascending node, 0..360
};
LunarElements MeanLunarElements(double T);

// The Moon's sidereal longitude at T in [0, 360): the mean longitude, the
// periodic terms of the lunar series and the reduction to the ecliptic.
double MoonLongitude(double T);

// The mean ascending node at T, degrees in [0, 360).
double MeanNode(double T);

// How Rahu is taken: the mean node, or the "true" node, which adds a
// correction from the Sun's angle to the node and one from a table of dates
// through the year of birth (the birth date, not the time, enters).
struct NodeChoice {
    bool trueNode = true;
    int day = 1;
    int month = 1;
    int year = 2000;
};

// The two corrections of the true node, in arc-minutes.
double SunNodeCorrection(double sunLongitude, double meanNode);
double DatedNodeCorrection(int day, int month, int year);

// Rahu from the mean node: unchanged for the mean node, else corrected and
// reduced into [0, 360). sunLongitude is the Sun of the chart's first pass.
double CalcRahu(double meanNode, double sunLongitude, const NodeChoice& choice);

// Writes the Moon, Rahu and Ketu of chart.JulianCenturies into the slots of
// the current pass. The Sun of the first pass (PlanetLongitudes[2]) must be
// in place.
void CalcMoon(ChartState& chart, const NodeChoice& choice);

} // namespace tarvik
