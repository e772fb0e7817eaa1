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
    constexpr double lead = 6.0 / 60.0;
    if (ayanamsaChoice == AyanamsaKP)
        return {0.0, chartAyanamsa};
    // Under Raman the chart's bodies stand Lahiri(T) - Raman(T + 1 h) on from
    // Lahiri's (the replacement's own difference), its ascendant as much.
    const double lahiri = ayanamsaChoice == AyanamsaRaman ? LahiriAyanamsa(T) : chartAyanamsa;
    return {chartAyanamsa - lahiri + lead, lahiri};
}

KPZodiac KPZodiacOfChart(const ChartState& chart)
{
    return KPZodiacOf(chart.PlanetLongitudes[AyanamsaSlot], chart.JulianCenturies, chart.AyanamsaChoice);
}

double KPShiftOf(const ChartState& chart) { return KPZodiacOfChart(chart).shift; }

double KPShiftOfChart() { return KPShiftOf(Chart()); }

double SiderealTimeOfAscendant(double ascendant, double latitude, double obliquity,
                               double ayanamsa)
{
    const double eps = obliquity * DegToRad;
    const double T = ReduceDegrees(ascendant + ayanamsa);
    const int quadrant = std::min(static_cast<int>(T / 90.0), 3);
    const double A = std::array{T, 180.0 - T, T - 180.0, 360.0 - T}[quadrant] * DegToRad;

    // The reduced right ascension, 0..90 like A itself; atan2 keeps it there
    // at A = 90°, where the tangent changes sign.
    const double r = std::atan2(std::cos(eps) * std::sin(A), std::cos(A)) / DegToRad;
    const double rightAscension = std::array{r, 180.0 - r, 180.0 + r, 360.0 - r}[quadrant];

    // Declination of the rising point and its ascensional difference; the
    // argument is held to [-1, 1], which a point that rises never leaves
    // except by rounding.
    auto arcsine = [](double v) { return std::asin(std::clamp(v, -1.0, 1.0)); };
    const double declination = arcsine(std::sin(eps) * std::sin(A));
    double ascensionalDifference = arcsine(std::tan(declination) * std::tan(latitude * DegToRad));
    if (T > 180.0)
        ascensionalDifference = -ascensionalDifference;   // southern declinations

    double hours = (rightAscension - ascensionalDifference / DegToRad - 90.0) / 15.0;
    hours = std::fmod(hours, 24.0);
    if (hours < 0)
        hours += 24.0;
    return hours >= 24.0 ? 0.0 : hours;
}

double CalcAscendantKP(const ChartState& chart, double hours, double latitude)
{
    return CalcAscendant(hours, latitude, chart.Obliquity, KPZodiacOfChart(chart).ayanamsa);
}

double CalcAscendantKP(double hours, double latitude) { return CalcAscendantKP(Chart(), hours, latitude); }

KPCuspChart KPCuspsOf(const ChartState& chart)
{
    KPCuspChart result;
    auto& cusps = result.cusps;
    const KPZodiac zodiac = KPZodiacOfChart(chart);
    const double ayanamsa = zodiac.ayanamsa;
    const double latitude = chart.PlaceLatitude;

    if (std::abs(latitude) >= KPCuspLatitudeLimit(chart.Obliquity))
        return result;

    cusps[0] = ReduceDegrees(ReduceDegrees(chart.HouseCusps[1]) + zodiac.shift);
    const double ramc = SiderealTimeOfAscendant(cusps[0], latitude, chart.Obliquity, ayanamsa);

    cusps[9] = CalcAscendantKP(chart, ramc - 6, 0);   // midheaven
    // The intermediate cusps divide the semi-arcs (Placidus): the 11th and
    // 3rd a third, the 12th and 2nd two thirds of the way from the meridian.
    auto cusp = [&](double hourAngle, double share) {
        return ReduceDegrees(PlacidusCusp(ramc * 15, hourAngle, share, latitude, chart.Obliquity) - ayanamsa);
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
