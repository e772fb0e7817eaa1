#include "SignColumns.h"

#include "Frame.h"
#include "calc/Angles.h"
#include "calc/KPChart.h"
#include "calc/NameTables.h"
#include "calc/Vargas.h"
#include "core/State.h"


namespace tarvik {

void PlaceBhavas(ChartSignTable& table, const std::array<double, 13>& boundaries,
                 const std::array<double, 27>& longitudes, int reference)
{
    table[1][0] = reference;
    for (int k = 1; k <= 12; ++k) {
        const double lo = ReduceDegrees(boundaries[k]);
        const double hi = ReduceDegrees(boundaries[k == 12 ? 1 : k + 1]);
        for (int b = Sun; b <= Pluto; ++b) {
            const double l = ReduceDegrees(longitudes[b]);
            const bool inside = lo < hi ? (lo <= l && l <= hi) : (l > lo || l < hi);
            if (inside)
                table[b][0] = WrapRange(reference + k - 1, 12);
        }
    }
}

void FillMoonChart(ChartSignTable& table)
{
    for (int b = Sun; b <= Pluto; ++b)
        table[b][0] = table[b][1];
    table[1][0] = table[Moon][1];
}

namespace {
// The ascendant (b = 1) or a body of the chart in the K.P. zodiac.
double kpLongitude(const ChartState& chart, double shift, int b)
{
    return ReduceDegrees((b == 1 ? chart.HouseCusps[1] : chart.PlanetLongitudes[b]) + shift);
}
} // namespace

void FillKPChart(ChartSignTable& table)
{
    const ChartState& chart = Chart();
    const double shift = KPShiftOf(chart);
    for (int b = 1; b <= Pluto; ++b)
        table[b][0] = static_cast<int>(kpLongitude(chart, shift, b) / 30) + 1;
}

void FillKPVarga(ChartSignTable& table, int k)
{
    const ChartState& chart = Chart();
    const double shift = KPShiftOf(chart);
    for (int b = 1; b <= Pluto; ++b)
        table[b][k] = SaptavargaSign(k, kpLongitude(chart, shift, b));
}

void FillVargaColumn(ChartSignTable& table, int varga)
{
    const ChartState& chart = Chart();
    for (int t = 1; t <= 10; ++t)
        table[BodyDisplayOrder[t]][0] = chart.ShodashVargaSigns[varga][t];
}

} // namespace tarvik
