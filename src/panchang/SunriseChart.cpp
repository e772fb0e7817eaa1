#include "SunriseChart.h"

#include "calc/Chart.h"

#include <cmath>

namespace tarvik {

SunriseChart ChartAtSunrise(const BirthRecord& person, double sunriseZoneHours, const RunChoices& run)
{
    const BirthRecord& p = person;
    const long long clock = std::llround((sunriseZoneHours - p.TimeCorrection) * 3600);
    SunriseChart r;
    const long long hours = clock >= 0 ? clock / 3600 : -((-clock + 3599) / 3600);
    r.hour = static_cast<int>(hours);
    r.minute = static_cast<int>((clock - hours * 3600) / 60);
    r.second = static_cast<int>((clock - hours * 3600) % 60);
    // The bodies only, on a chart of its own: the birth chart stays as it is.
    ChartState chart;
    ComputeChart(ChartInputOf(RecordAtMoment(p, {p.Day, p.Month, p.Year}, r.hour, r.minute, r.second),
                              run),
                 chart);
    r.sun = chart.PlanetLongitudes[Sun];
    r.moon = chart.PlanetLongitudes[Moon];
    return r;
}

} // namespace tarvik
