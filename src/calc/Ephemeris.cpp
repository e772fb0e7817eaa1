#include "Ephemeris.h"

#include "Angles.h"
#include "core/ChartState.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace tarvik {

namespace {
const EphemerisSeries& seriesOf(EphemerisQuantity q) { return TheEphemeris().Of(q); }
} // namespace

EphemerisQuantity SeriesOfBody(int body, bool trueNode)
{
    switch (body) {
    case Sun: return EphemerisQuantity::Sun;
    case Moon: return EphemerisQuantity::Moon;
    case Mercury: return EphemerisQuantity::Mercury;
    case Venus: return EphemerisQuantity::Venus;
    case Mars: return EphemerisQuantity::Mars;
    case Jupiter: return EphemerisQuantity::Jupiter;
    case Saturn: return EphemerisQuantity::Saturn;
    case Uranus: return EphemerisQuantity::Uranus;
    case Neptune: return EphemerisQuantity::Neptune;
    case Pluto: return EphemerisQuantity::Pluto;
    case Rahu: return trueNode ? EphemerisQuantity::TrueNode : EphemerisQuantity::MeanNode;
    default: break;
    }
    throw std::out_of_range("no ephemeris series for body " + std::to_string(body));
}

double MeanEquinoxLongitude(EphemerisQuantity body, double jd) { return ReduceDegrees(seriesOf(body).Value(jd)); }

ValueAndRate MeanEquinoxLongitudeAndRate(EphemerisQuantity body, double jd)
{
    ValueAndRate v = seriesOf(body).ValueWithRate(jd);
    v.value = ReduceDegrees(v.value);
    return v;
}

double NutationInLongitude(double jd) { return seriesOf(EphemerisQuantity::NutationInLongitude).Value(jd); }

double TrueObliquity(double jd) { return seriesOf(EphemerisQuantity::TrueObliquity).Value(jd); }

double GreenwichSiderealTime(double jd) { return GreenwichSiderealTime(jd, NutationInLongitude(jd), TrueObliquity(jd)); }

double GreenwichSiderealTime(double jd, double nutation, double obliquity)
{
    const double equinoxes = nutation * std::cos(obliquity * DegToRad);
    return ReduceDegrees(EarthRotationAngle(jd) + seriesOf(EphemerisQuantity::MeanSiderealTimeLessRotation).Value(jd) +
                         equinoxes);
}

double LocalSiderealTime(double jd, double longitude)
{
    return LocalSiderealTime(jd, longitude, NutationInLongitude(jd), TrueObliquity(jd));
}

double LocalSiderealTime(double jd, double longitude, double nutation, double obliquity)
{
    const double hours = ReduceDegrees(GreenwichSiderealTime(jd, nutation, obliquity) + longitude) / 15;
    return hours >= 24 ? 0 : hours;
}

} // namespace tarvik
