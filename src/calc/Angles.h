#pragma once

#include <cmath>

namespace tarvik {

// The circle constants of the calculation. Pi is the eleven-decimal value of
// the chart's angle arithmetic (2e-12 from the full constant, far below
// anything a chart shows); every degree to radian conversion of the chart
// goes through DegToRad.
inline constexpr double Pi = 3.14159265359;
inline constexpr double DegToRad = Pi / 180;

// An angle in degrees reduced into [0, 360).
inline double ReduceDegrees(double degrees)
{
    double r = degrees - 360.0 * std::floor(degrees / 360.0);
    return r >= 360.0 ? r - 360.0 : r;  // a tiny negative input rounds up to 360
}

// The fractional part x - floor(x), in [0, 1): -0.25 gives 0.75; turns of a
// rotation taken whole.
inline double Frac(double x) { return x - std::floor(x); }

// x brought into 1..n by at most one subtraction and one addition of n: a
// house or sign number counted on past the end or back before the start.
inline int WrapRange(int x, int n)
{
    if (x > n)
        x -= n;
    if (x < 1)
        x += n;
    return x;
}

} // namespace tarvik
