#pragma once

// Chebyshev series fitted over fixed intervals of time, each interval split
// into shorter pieces where its series does not come within the tolerance.

#include "calc/EphemerisTable.h"

#include <cmath>
#include <functional>

namespace tarvik::ephbuild {

// One value of the fitted function, and how far (degrees) the body stands
// from the Sun at that moment, for the quantities whose light the Sun bends.
struct Sample {
    double value = 0;
    double fromSun = HUGE_VAL;
};
using SampleFunction = std::function<Sample(double jd)>;

struct FitPlan {
    double firstDay = 0;        // Julian day (UT) of the first interval
    double intervalDays = 32;
    int intervals = 1;
    int coefficients = 8;       // per piece
    bool angle = true;          // an angle in degrees: unwrapped, compared modulo 360
    double tolerance = 0;       // the largest difference kept, in the value's unit
    double shortestPiece = 1;   // days: a piece this short is kept whatever it leaves
    // Closer to the Sun than this (degrees) the fit is checked between its
    // nodes too, at steps that shrink with the distance from the Sun: there the
    // bending of light changes within hours.
    double watchFromSun = 0;
    double fastestFromSun = 1;  // degrees a day the body can move against the Sun
};

// What the fit left: the largest difference seen at its nodes and checks, where,
// how many pieces it took and how many intervals had to be split.
struct FitReport {
    double worst = 0;
    double worstDay = 0;
    long samples = 0;
    int pieces = 0;
    int splitIntervals = 0;
    int shortPiecesOver = 0;    // pieces at the shortest length still over the tolerance
};

// Fits the quantity over the plan's intervals: each piece is sampled at twice
// as many Chebyshev nodes as it keeps coefficients and the series truncated
// (near the best uniform approximation); a piece whose difference at those
// nodes, or at the checks near the Sun, exceeds the tolerance is halved.
EphemerisSeries FitSeries(EphemerisQuantity quantity, const FitPlan& plan, const SampleFunction& f,
                          FitReport& report);

} // namespace tarvik::ephbuild
