#include "Ayanamsa.h"

#include "Angles.h"

namespace tarvik {

double LahiriAyanamsa(double T)
{
    // The small constant is a correction of the epoch value, added apart.
    return 22.45656009 + 1.396042 * T + 0.000308 * T * T + 0.00000467920600044636;
}

double RamanAyanamsa(double T)
{
    return 21.013972 + 1.398191 * T + 0.00424343517569881;
}

double KPAyanamsa(int year, int month)
{
    double k = 22.0 + 21.0 / 60.0 + 50.0 / 3600.0;
    k += (year - 1900) * 50.0 / 3600.0;
    k += (50.0 / 12.0) * month / 3600.0;
    return k - 0.00111778518519756;
}

double LahiriToChosenShift(int ayanamsaChoice, double T, int kpYear, int kpMonth)
{
    if (ayanamsaChoice == AyanamsaRaman)
        return LahiriAyanamsa(T) - RamanAyanamsa(T);
    if (ayanamsaChoice == AyanamsaKP)
        return LahiriAyanamsa(T) - KPAyanamsa(kpYear, kpMonth);
    return 0.0;
}

void CalcAyanamsaLahiri(ChartState& chart)
{
    chart.PlanetLongitudes[AyanamsaSlot] = LahiriAyanamsa(chart.JulianCenturies);
}

namespace {
void replaceAyanamsa(ChartState& chart, double ayanamsa)
{
    auto& lon = chart.PlanetLongitudes;
    const double shift = lon[AyanamsaSlot] - ayanamsa;
    for (int b = Sun; b <= Pluto; ++b) {
        lon[b] = ReduceDegrees(lon[b] + shift);
        lon[b + HourLater] = ReduceDegrees(lon[b + HourLater] + shift);
    }
    lon[AyanamsaSlot] = ayanamsa;
}
} // namespace

void ApplyAyanamsaRaman(ChartState& chart)
{
    replaceAyanamsa(chart, RamanAyanamsa(chart.JulianCenturies));
}

void ApplyAyanamsaKP(ChartState& chart, int birthYear, int birthMonth)
{
    replaceAyanamsa(chart, KPAyanamsa(birthYear, birthMonth));
}

} // namespace tarvik
