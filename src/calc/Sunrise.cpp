#include "Sunrise.h"

#include "Angles.h"
#include "Ephemeris.h"
#include "TimeScale.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {
// The Sun's centre at sunrise and sunset: 34' below the horizon, the
// refraction there lifting it into sight.
constexpr double CentreAltitude = -34.0 / 60;
// 2000 January 1, 12 h UT, as a Julian day.
constexpr double J2000 = 2451545.0;
// A day's sun times that span the whole day or none of it.
constexpr double PolarSpanTolerance = 1e-9;

double sind(double d) { return std::sin(d * DegToRad); }
double cosd(double d) { return std::cos(d * DegToRad); }
double asind(double s) { return std::asin(std::clamp(s, -1.0, 1.0)) / DegToRad; }
double atan2d(double y, double x) { return std::atan2(y, x) / DegToRad; }
// An angle into (-180, 180].
double signedDegrees(double d) { return std::remainder(d, 360.0); }

// The apparent Sun and the sidereal time of one moment, in days from 2000
// January 1, 12 h UT, from the ephemeris: the Sun's longitude of the true
// equinox on the equator of date (its latitude, under a second of arc, left
// out).
struct SunPlace {
    double rightAscension;  // degrees, true equinox of date
    double declination;
    double sidereal;        // apparent sidereal time of Greenwich, degrees
};

// The places of the moments a search asks for, the last one kept: the hour
// angle and the rising altitude of a step read the same moment.
class SunSky {
public:
    const SunPlace& At(double days)
    {
        if (days == days_)
            return place_;
        const double jd = days + J2000;
        ChebyshevPoints points;
        const EphemerisTable& table = TheEphemeris();
        const double nutation = table.Of(EphemerisQuantity::NutationInLongitude).Value(jd, points);
        const double eps = table.Of(EphemerisQuantity::TrueObliquity).Value(jd, points);
        const double lambda = table.Of(EphemerisQuantity::Sun).Value(jd, points) + nutation;
        place_ = {atan2d(cosd(eps) * sind(lambda), cosd(lambda)), asind(sind(eps) * sind(lambda)),
                  GreenwichSiderealTime(jd, nutation, eps)};
        days_ = days;
        return place_;
    }

private:
    double days_ = std::nan("");
    SunPlace place_{};
};

// The Sun's hour angle at the place, degrees in (-180, 180].
double hourAngle(SunSky& sky, double days, double longitude)
{
    const SunPlace& p = sky.At(days);
    return signedDegrees(p.sidereal + longitude - p.rightAscension);
}

// The cosine of the hour angle at which the Sun's centre stands at the
// sunrise altitude; beyond +1 it never rises, below -1 it never sets.
double cosRisingHourAngle(SunSky& sky, double days, double latitude)
{
    const double delta = sky.At(days).declination;
    return (sind(CentreAltitude) - sind(latitude) * sind(delta)) / (cosd(latitude) * cosd(delta));
}

// The moment the Sun's hour angle reaches target(moment), from a first
// guess: each step moves by the angle still to go at the Sun's rate of
// 360 degrees a day, the Sun's place taken anew.
template <class Target>
double solveHourAngle(SunSky& sky, double days, double longitude, Target target)
{
    for (int step = 0; step < 10; ++step) {
        const double move = signedDegrees(hourAngle(sky, days, longitude) - target(days)) / 360;
        days -= move;
        if (std::fabs(move) < 1e-7)
            break;
    }
    return days;
}
} // namespace

SunTimes SunriseSunset(int day, int month, int year, double latitude, double longitude, double zoneMeridian)
{
    // The poles are taken a hair short, where the horizon still has an east.
    const double phi = std::clamp(latitude, -89.9999, 89.9999);
    // 0 h UT of the civil date, in days from 2000 January 1, 12 h UT.
    const double midnight = DayNumber(day, month, year) - DayNumber(1, 1, 2000) - 0.5;
    SunSky sky;
    const double transit =
        solveHourAngle(sky, midnight + (12 - longitude / 15) / 24, longitude, [](double) { return 0.0; });

    double rise, set;
    const double c = cosRisingHourAngle(sky, transit, phi);
    if (c >= 1) {          // polar night: the day is the instant of noon
        rise = set = transit;
    } else if (c <= -1) {  // midnight sun: the day runs from midnight to midnight
        rise = transit - 0.5;
        set = transit + 0.5;
    } else {
        auto semiArc = [&sky, phi](double days) {
            return std::acos(std::clamp(cosRisingHourAngle(sky, days, phi), -1.0, 1.0)) / DegToRad;
        };
        const double h0 = semiArc(transit);
        rise = solveHourAngle(sky, transit - h0 / 360, longitude, [&](double d) { return -semiArc(d); });
        set = solveHourAngle(sky, transit + h0 / 360, longitude, semiArc);
    }

    const double riseZone = (rise - midnight) * 24 + zoneMeridian / 15;
    const double setZone = (set - midnight) * 24 + zoneMeridian / 15;
    const double zoneLessLocal = zoneMeridian / 15 - longitude / 15;
    return {0.0, riseZone - zoneLessLocal, setZone - zoneLessLocal, riseZone, setZone};
}

SunDay SunDayOf(const SunTimes& times)
{
    const double span = times[4] - times[3];
    if (span <= PolarSpanTolerance)
        return SunDay::PolarNight;
    if (span >= 24 - PolarSpanTolerance)
        return SunDay::MidnightSun;
    return SunDay::RisesAndSets;
}

SunTimes SunriseOf(const BirthRecord& birth, const ChartState& chart)
{
    return SunriseSunset(birth.Day, birth.Month, birth.Year, chart.PlaceLatitude, chart.PlaceLongitude,
                         chart.ZoneMeridianDeg);
}

} // namespace tarvik
