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

// How Rahu is taken: the mean node, or the true node, the mean node with the
// periodic swing of the Moon's osculating orbit.
struct NodeChoice {
    bool trueNode = true;
};

// The true node's excess over the mean node at T, arc-minutes.
double TrueNodeCorrection(double T);

// Rahu at T: the mean node, or for the true node the mean node with its
// correction, in [0, 360).
double CalcRahu(double T, const NodeChoice& choice);

// Writes the Moon, Rahu and Ketu of chart.JulianCenturies into the slots of
// the current pass.
void CalcMoon(ChartState& chart, const NodeChoice& choice);

} // namespace tarvik
