#pragma once

#include <cmath>

namespace tarvik {

// An angle in degrees reduced into [0, 360). The ayanamsa shift can leave a
// sidereal longitude just above 360 or below 0; every reader that works in
// signs, nakshatras or cusps reduces it first.
inline double ReduceDegrees(double degrees)
{
    double r = std::fmod(degrees, 360.0);
    if (r < 0)
        r += 360.0;
    return r >= 360.0 ? 0.0 : r;   // -1e-17 + 360 rounds to 360
}

} // namespace tarvik
