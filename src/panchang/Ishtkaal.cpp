#include "Ishtkaal.h"

#include "calc/Chart.h"
#include "calc/Sunrise.h"
#include "calc/TextFormat.h"
#include "calc/TimeScale.h"
#include "core/State.h"
#include "refdata/Databases.h"
#include "refdata/TextLookup.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tarvik {

namespace {
constexpr double GhatisPerHour = 2.5;

double sunriseOf(const CalendarDate& d, const BirthRecord& p)
{
    const double latitude = LatitudeDegrees(p.LatDeg, p.LatMin, p.LatDir);
    const double longitude = LongitudeDegrees(p.LongDeg, p.LongMin, p.LongDir);
    return SunriseSunset(d.day, d.month, d.year, latitude, longitude, p.ZoneMeridian)[1];
}

// A stored velantar part: its magnitude, and whether it carries a minus sign
// ("-0" minutes keep the sign of a value under a minute).
struct StoredPart {
    bool present;
    bool negative;
    long long magnitude;
};
StoredPart partOf(const Value& v)
{
    const std::string text = v.Text();
    if (v.IsNull() || text.empty())
        return {false, false, 0};
    const long long n = v.Int();
    return {true, text.front() == '-' || n < 0, std::llabs(n)};
}
} // namespace

Ishtkaal CalcIshtkaal(const BirthRecord& person)
{
    // Local mean time: the clock corrected to standard time, then moved by
    // four minutes for each degree of longitude from the zone meridian.
    const double longitude = LongitudeDegrees(person.LongDeg, person.LongMin, person.LongDir);
    double lmt = person.Hour + person.Minute / 60.0 + person.Second / 3600.0 + person.TimeCorrection
                 + (longitude - person.ZoneMeridian) / 15;

    const int birthDay = DayNumber(person.Day, person.Month, person.Year);
    double sunrise = sunriseOf(DateOfDayNumber(birthDay), person);
    if (lmt < sunrise) {
        // Before sunrise the Hindu day is still the one that began the day before.
        sunrise = sunriseOf(DateOfDayNumber(birthDay - 1), person);
        lmt += 24;
    }
    Ishtkaal result;
    result.ghati = (lmt - sunrise) * GhatisPerHour;
    result.text = IshtkaalText(result.ghati);
    return result;
}

std::string IshtkaalText(double ghati)
{
    const double g = std::floor(ghati);
    // The palas through their 15-digit text, so that 29.999999999999996
    // reads as the 30 it stands for.
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", (ghati - g) * 60);
    const double p = std::strtod(buf, nullptr);
    const double pal = std::floor(p);
    const double vipal = std::floor((p - pal) * 60);
    const std::string& colon = OutputRun().PunctColon;
    return NumberText(g) + colon + NumberText(pal) + colon + NumberText(vipal);
}

std::string CalcVelantar(int day, int month)
{
    return CalcVelantar(DataConnection(), day, month);
}

std::string CalcVelantar(Database& reference, int day, int month)
{
    if (month < 1 || month > 12)
        return {};
    Recordset row(reference, "select * from velantar where date = ?", {std::to_string(day)});
    if (row.Eof() || row.FieldCount() < 2 * month + 2)
        return {};
    // Columns by position: month m holds its minutes at 2m and seconds at 2m + 1.
    const StoredPart minutes = partOf(row.Field(2 * month));
    const StoredPart seconds = partOf(row.Field(2 * month + 1));
    if (!minutes.present || !seconds.present)
        return {};
    const std::string sign = GetDictText(minutes.negative || seconds.negative ? "-" : "+");
    const std::string& colon = OutputRun().PunctColon;
    return sign + "00" + colon + ZeroPad(minutes.magnitude, 2) + colon + ZeroPad(seconds.magnitude, 2);
}

} // namespace tarvik
