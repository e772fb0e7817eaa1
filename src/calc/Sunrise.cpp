#include "Sunrise.h"

#include "Angles.h"
#include "TimeScale.h"
#include "core/State.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {
constexpr double DegreesPerRadian = 57.29577951;

double sind(double d) { return std::sin(d / DegreesPerRadian); }
double cosd(double d) { return std::cos(d / DegreesPerRadian); }
double tand(double d) { return std::tan(d / DegreesPerRadian); }
// Arc sine in degrees, of a value clamped into [-1, 1].
double asind(double s) { return std::asin(std::clamp(s, -1.0, 1.0)) * DegreesPerRadian; }
} // namespace

SunTimes SunriseSunset(int day, int month, int year, double latitude, double longitude, double zoneMeridian)
{
    int Y = year;
    int M = month + 1;
    if (M < 4) {
        M += 12;
        Y -= 1;
    }
    // Days from the epoch of this little theory, in units of 10 000 days.
    double d = std::floor(365.25 * Y) + day - 715937.5 + FloorDiv(306 * M, 10) + FloorDiv(Y, 400)
               - FloorDiv(Y, 100);
    d /= 10000;

    const double eps = 23.4445 - d / 281;
    const double g = 360 * Frac(27.377785 * d) - 2.813;           // mean anomaly
    const double c = (1.9166 - d / 760 + cosd(g) / 25) * sind(g);  // equation of centre
    const double lambda = g + 0.471 * d - 77.747 + c;              // true longitude

    const double delta = asind(sind(lambda) * sind(eps));                              // declination
    const double y = asind((1 - cosd(eps)) * sind(lambda) * cosd(lambda) / cosd(delta));  // longitude less RA
    // 90 degrees through the rounded radian lies just past the right angle,
    // where the tangent changes sign: the poles are taken a hair short of it.
    const double phi = std::clamp(latitude, -89.9999, 89.9999);
    const double h = asind(tand(phi) * tand(delta));  // half the excess of the day over 12 h, degrees

    const double rise = 6 + (c - y - h + zoneMeridian - longitude) / 15 - 0.035;
    const double set = rise + 12 + 2 * h / 15 + 2 * 0.035;
    const double zoneLessLocal = zoneMeridian / 15 - longitude * 4 / 60;

    return {0.0, rise - zoneLessLocal, set - zoneLessLocal, rise, set};
}

SunTimes SunriseOf(const BirthRecord& birth, const ChartState& chart)
{
    return SunriseSunset(birth.Day, birth.Month, birth.Year, chart.PlaceLatitude, chart.PlaceLongitude,
                         chart.ZoneMeridianDeg);
}

SunTimes CalcSunrise() { return SunriseOf(Native(), Chart()); }

} // namespace tarvik
