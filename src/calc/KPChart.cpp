#include "KPChart.h"

#include "Angles.h"
#include "Ayanamsa.h"
#include "Houses.h"
#include "core/State.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarvik {

namespace {

// The tropical longitude of a Placidus cusp for the midheaven's right
// ascension `ramc` (degrees). The cusp lies `hourAngle` degrees east of the
// meridian plus `share` of the ascensional difference of its own declination
// (a third or two thirds of its semi-arc from the meridian): its right
// ascension a solves a = ramc + hourAngle + share * AD(a). The map contracts
// by share * tan(latitude) tan(obliquity) < 1, so simple iteration settles.
double PlacidusCusp(double ramc, double hourAngle, double share, double latitude, double obliquity)
{
    const double k = std::tan(latitude * DegToRad) * std::tan(obliquity * DegToRad);
    double a = ramc + hourAngle;
    for (int n = 0; n < 200; ++n) {
        const double ad = std::asin(std::clamp(k * std::sin(a * DegToRad), -1.0, 1.0)) / DegToRad;
        const double next = ramc + hourAngle + share * ad;
        const bool settled = std::abs(next - a) < 1e-10;
        a = next;
        if (settled)
            break;
    }
    const double r = a * DegToRad;
    return ReduceDegrees(std::atan2(std::sin(r), std::cos(r) * std::cos(obliquity * DegToRad)) / DegToRad);
}

} // namespace

double KPCuspLatitudeLimit(double obliquity) { return 90.0 - obliquity; }

KPZodiac KPZodiacOf(double chartAyanamsa, double T, int ayanamsaChoice)
{
    const double shift = MeanAyanamsa(ayanamsaChoice, T) - MeanAyanamsa(AyanamsaKP, T);
    return {shift, chartAyanamsa - shift};
}

KPZodiac KPZodiacOfChart(const ChartState& chart)
{
    return KPZodiacOf(chart.PlanetLongitudes[AyanamsaSlot], chart.JulianCenturies, chart.AyanamsaChoice);
}

double KPShiftOf(const ChartState& chart) { return KPZodiacOfChart(chart).shift; }

double CalcAscendantKP(const ChartState& chart, double hours, double latitude)
{
    return CalcAscendant(hours, latitude, chart.Obliquity, KPZodiacOfChart(chart).ayanamsa);
}

KPCuspChart KPCuspsOf(const ChartState& chart)
{
    KPCuspChart result;
    auto& cusps = result.cusps;
    const KPZodiac zodiac = KPZodiacOfChart(chart);
    const double ayanamsa = zodiac.ayanamsa;
    const double latitude = chart.PlaceLatitude;

    if (std::abs(latitude) >= KPCuspLatitudeLimit(chart.Obliquity))
        return result;

    // The chart's own ascendant in the K.P. zodiac, the lagna of the KP pages.
    const double hours = chart.SiderealTime;
    cusps[0] = ReduceDegrees(chart.HouseCusps[1] + zodiac.shift);
    cusps[9] = CalcAscendantKP(chart, hours - 6, 0);   // midheaven
    // The intermediate cusps divide the semi-arcs (Placidus): the 11th and
    // 3rd a third, the 12th and 2nd two thirds of the way from the meridian.
    auto cusp = [&](double hourAngle, double share) {
        return ReduceDegrees(PlacidusCusp(hours * 15, hourAngle, share, latitude, chart.Obliquity) - ayanamsa);
    };
    cusps[10] = cusp(30, 1.0 / 3);
    cusps[11] = cusp(60, 2.0 / 3);
    cusps[1] = cusp(120, 2.0 / 3);
    cusps[2] = cusp(150, 1.0 / 3);
    for (int k = 3; k <= 8; ++k)                       // each cusp opposite its sixth
        cusps[k] = ReduceDegrees(cusps[(k + 6) % 12] + 180.0);
    cusps[12] = cusps[0];

    for (int k = 0; k <= 11; ++k)
        result.signs[k] = std::min(static_cast<int>(cusps[k] / 30.0), 11) + 1;
    result.cast = true;
    return result;
}

bool CalcKPChart()
{
    ChartState& chart = Chart();
    const KPCuspChart kp = KPCuspsOf(chart);
    chart.KPCusps = kp.cusps;
    chart.KPHouseSigns = kp.signs;
    return kp.cast;
}

} // namespace tarvik
