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

double KPShiftOfChart()
{
    const ChartState& chart = Chart();
    return KPZodiacOf(chart.PlanetLongitudes[AyanamsaSlot], chart.JulianCenturies, OutputRun().AyanamsaChoice).shift;
}

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

double CalcAscendantKP(double hours, double latitude)
{
    const KPZodiac zodiac = KPZodiacOf(Births().BirthAyanamsa, Chart().JulianCenturies, OutputRun().AyanamsaChoice);
    return CalcAscendant(hours, latitude, Chart().Obliquity, zodiac.ayanamsa);
}

bool CalcKPChart()
{
    ChartState& chart = Chart();
    auto& cusps = chart.KPCusps;
    const KPZodiac zodiac = KPZodiacOf(Births().BirthAyanamsa, chart.JulianCenturies, OutputRun().AyanamsaChoice);
    const double ayanamsa = zodiac.ayanamsa;
    const double latitude = chart.PlaceLatitude;

    if (std::abs(latitude) >= KPCuspLatitudeLimit(chart.Obliquity)) {
        cusps.fill(0.0);
        chart.KPHouseSigns.fill(0.0);
        return false;
    }

    cusps[0] = ReduceDegrees(ReduceDegrees(Births().BirthLagna) + zodiac.shift);
    const double ramc = SiderealTimeOfAscendant(cusps[0], latitude, chart.Obliquity, ayanamsa);

    cusps[9] = CalcAscendantKP(ramc - 6, 0);          // midheaven
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
        chart.KPHouseSigns[k] = std::min(static_cast<int>(cusps[k] / 30.0), 11) + 1;
    return true;
}

} // namespace tarvik
