#include "Houses.h"

#include "Angles.h"
#include "Ephemeris.h"

#include <cmath>

namespace tarvik {

double CalcAscendant(double siderealTime, double latitude, double obliquity, double ayanamsa)
{
    const double eps = DegToRad * obliquity;
    const double ramc = (Pi / 12) * siderealTime;
    const double phi = DegToRad * latitude;
    if (ramc == 0 && phi == 0)
        return ReduceDegrees(90 - ayanamsa);  // exactly the east point

    // The point of the ecliptic rising in the east. Taking the arc tangent
    // with both signs picks the rising (not the setting) intersection in every
    // quadrant, also where the answer lies exactly on 0 or 180 degrees.
    const double A = std::atan2(std::cos(ramc), -(std::sin(eps) * std::tan(phi) + std::cos(eps) * std::sin(ramc)))
                     / DegToRad;
    return ReduceDegrees(A - ayanamsa);
}

void SetThreeCusps(std::array<double, 13>& cusps, double start, double span, int n)
{
    for (int k = 0; k < 3; ++k)
        cusps[n + k] = ReduceDegrees(start + k * span);
}

double SandhiBetween(double before, double here)
{
    double mid = (here + before) / 2;
    if (here < before)  // the two cusps straddle 0 degrees
        mid += 180;
    return ReduceDegrees(mid);
}

void CalcHouses(ChartState& chart)
{
    const double jd = JulianDayOfCenturies(chart.JulianCenturies);
    chart.Obliquity = TrueObliquity(jd);
    chart.AscAyanamsa = chart.PlanetLongitudes[AyanamsaSlot];
    chart.SiderealTime = LocalSiderealTime(jd, chart.PlaceLongitude, NutationInLongitude(jd), chart.Obliquity);

    double asc = CalcAscendant(chart.SiderealTime, chart.PlaceLatitude, chart.Obliquity, chart.AscAyanamsa);
    const double mc = CalcAscendant(chart.SiderealTime - 6, 0, chart.Obliquity, chart.AscAyanamsa);
    // Inside the polar circles the point that rises can lie west of the
    // meridian, behind the midheaven: the ascendant is then taken as the
    // ecliptic's crossing of the eastern horizon, half a circle on, so that
    // the quadrants keep their order and the houses run forwards.
    if (ReduceDegrees(asc - mc) > 180)
        asc = ReduceDegrees(asc + 180);

    // A third of the arc from the ascendant to the nadir, and of the arc from
    // the nadir to the descendant.
    double s1 = (mc + 180 - asc) / 3;
    if (mc > asc)
        s1 -= 120;
    const double s2 = 60 - s1;

    auto& cusps = chart.HouseCusps;
    cusps[0] = 0;
    SetThreeCusps(cusps, asc, s1, 1);
    SetThreeCusps(cusps, mc + 180, s2, 4);
    SetThreeCusps(cusps, asc + 180, s1, 7);
    SetThreeCusps(cusps, mc, s2, 10);

    auto& sandhi = chart.BhavaSandhi;
    sandhi[0] = 0;
    for (int i = 1; i <= 12; ++i)
        sandhi[i] = SandhiBetween(cusps[i == 1 ? 12 : i - 1], cusps[i]);
}

} // namespace tarvik
