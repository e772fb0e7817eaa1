#include "SunriseChart.h"

#include "calc/Chart.h"
#include "calc/MomentGuard.h"
#include "core/State.h"

#include <cmath>

namespace tarvik {

SunriseChart ChartAtSunrise(const BirthRecord& person, double sunriseZoneHours)
{
    const BirthRecord p = person;   // person may be Native itself
    const NativeMomentGuard keepBirth;
    BirthRecord& n = Native();
    n = p;
    const long long clock = std::llround((sunriseZoneHours - p.TimeCorrection) * 3600);
    SunriseChart r;
    const long long hours = clock >= 0 ? clock / 3600 : -((-clock + 3599) / 3600);
    r.hour = static_cast<int>(hours);
    r.minute = static_cast<int>((clock - hours * 3600) / 60);
    r.second = static_cast<int>((clock - hours * 3600) % 60);
    n.Hour = r.hour;
    n.Minute = r.minute;
    n.Second = r.second;
    CalcChart();
    r.sun = Chart().PlanetLongitudes[Sun];
    r.moon = Chart().PlanetLongitudes[Moon];
    return r;
}

} // namespace tarvik
