#include "SignColumns.h"

#include "Frame.h"
#include "calc/Angles.h"
#include "calc/KPChart.h"
#include "calc/NameTables.h"
#include "calc/Vargas.h"

namespace tarvik {

ChartSigns BhavaChart(const std::array<double, 13>& boundaries, const std::array<double, 27>& longitudes,
                      int reference)
{
    ChartSigns signs{};
    signs[1] = reference;
    for (int b = Sun; b <= Pluto; ++b)
        signs[b] = static_cast<int>(ReduceDegrees(longitudes[b]) / 30) + 1;
    for (int k = 1; k <= 12; ++k) {
        const double lo = ReduceDegrees(boundaries[k]);
        const double hi = ReduceDegrees(boundaries[k == 12 ? 1 : k + 1]);
        for (int b = Sun; b <= Pluto; ++b) {
            const double l = ReduceDegrees(longitudes[b]);
            const bool inside = lo < hi ? (lo <= l && l <= hi) : (l > lo || l < hi);
            if (inside)
                signs[b] = WrapRange(reference + k - 1, 12);
        }
    }
    return signs;
}

ChartSigns MoonChart(const int (&saptavargaSigns)[14][8])
{
    ChartSigns signs = SignsOfColumn(saptavargaSigns, 1);
    signs[1] = saptavargaSigns[Moon][1];
    return signs;
}

namespace {
// The ascendant (b = 1) or a body of the chart in the K.P. zodiac.
double kpLongitude(const ChartState& chart, double shift, int b)
{
    return ReduceDegrees((b == 1 ? chart.HouseCusps[1] : chart.PlanetLongitudes[b]) + shift);
}
} // namespace

ChartSigns KPChart(const ChartState& chart)
{
    const double shift = KPShiftOf(chart);
    ChartSigns signs{};
    for (int b = 1; b <= Pluto; ++b)
        signs[b] = static_cast<int>(kpLongitude(chart, shift, b) / 30) + 1;
    return signs;
}

ChartSigns KPVargaChart(const ChartState& chart, int k)
{
    const double shift = KPShiftOf(chart);
    ChartSigns signs{};
    for (int b = 1; b <= Pluto; ++b)
        signs[b] = SaptavargaSign(k, kpLongitude(chart, shift, b));
    return signs;
}

ChartSigns KPBhavaChart(const ChartState& chart, const KPCuspChart& kp)
{
    std::array<double, 13> boundaries{};
    for (int k = 1; k <= 12; ++k)
        boundaries[k] = kp.cusps[k - 1];
    // The bodies in the K.P. zodiac, the one the K.P. cusps are reckoned in
    // whatever ayanamsa the chart was cast with.
    const double shift = KPShiftOf(chart);
    std::array<double, 27> longitudes = chart.PlanetLongitudes;
    for (int b = Sun; b <= Pluto; ++b)
        longitudes[b] = ReduceDegrees(longitudes[b] + shift);
    return BhavaChart(boundaries, longitudes, chart.SaptavargaSigns[1][1]);
}

ChartSigns VargaChart(const ChartState& chart, int varga)
{
    ChartSigns signs = SignsOfColumn(chart.SaptavargaSigns, 1);
    for (int t = 1; t <= 10; ++t)
        signs[BodyDisplayOrder[t]] = chart.ShodashVargaSigns[varga][t];
    return signs;
}

} // namespace tarvik
