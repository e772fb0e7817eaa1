#include "Ishtkaal.h"

#include "calc/Chart.h"
#include "calc/Sunrise.h"
#include "calc/TextFormat.h"
#include "calc/TimeScale.h"
#include "refdata/Databases.h"
#include "refdata/TextLookup.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace tarvik {

namespace {
constexpr double GhatisPerHour = 2.5;
constexpr double GhatisPerDay = 60;
// Local mean time lies within about a day and a half of the clock.
constexpr int MaxDaySteps = 3;

// A stored velantar part: its magnitude, and whether it carries a minus sign
// ("-0" minutes keep the sign of a value under a minute); nothing when the
// field holds no whole number of minutes or seconds.
struct StoredPart {
    bool negative;
    long long magnitude;
};
std::optional<StoredPart> partOf(const Value& v)
{
    const std::string text = v.Text();
    long long n = 0;
    const char* first = text.data() + (text.rfind('+', 0) == 0 ? 1 : 0);
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, n);
    if (v.IsNull() || text.empty() || error != std::errc() || end != last || n < -59 || n > 59)
        return std::nullopt;
    return StoredPart{text.front() == '-' || n < 0, std::llabs(n)};
}

// Days of a month in a leap year: the table has a row for 29 February.
constexpr int LongestMonth[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

[[noreturn]] void damagedVelantar(const Database& reference, int day, int month, const std::string& what)
{
    throw DbError(reference.Path(), "The velantar table of \"" + reference.Path() + "\" " + what + " for " +
                                        std::to_string(day) + "/" + std::to_string(month) + ".");
}
} // namespace

Ishtkaal CalcIshtkaal(const BirthRecord& person, const RunChoices& run)
{
    Ishtkaal result;
    result.ghati = IshtkaalOfClockTime(person, person.Clock().Hours());
    result.text = IshtkaalText(result.ghati, run);
    return result;
}

double IshtkaalOfClockTime(const BirthRecord& person, double clockHours)
{
    // Local mean time: the clock corrected to standard time, then moved by
    // four minutes for each degree of longitude from the zone meridian.
    const double longitude = person.Longitude().LongitudeDegrees();
    double lmt = clockHours + person.TimeCorrection + (longitude - person.ZoneMeridian) / 15;

    // The Hindu day is the one whose sunrise last passed. Local mean time can
    // lie a day or more from the clock (a zone across the date line), so the
    // days are stepped back, or on, until the moment lies from that day's
    // sunrise to the next day's.
    int day = 0;
    double sunrise = BirthDateSunTimes(person)[1];
    for (int step = 0; step < MaxDaySteps && lmt < sunrise; ++step) {
        --day;
        lmt += 24;
        sunrise = BirthDateSunTimes(person, day)[1];
    }
    for (int step = 0; step < MaxDaySteps && lmt - 24 >= BirthDateSunTimes(person, day + 1)[1]; ++step) {
        ++day;
        lmt -= 24;
        sunrise = BirthDateSunTimes(person, day)[1];
    }
    // Inside the polar circles the day's semi-diurnal arc falls back to 12 h
    // or 0 h, and one sunrise can lie up to 36 hours after the last: the
    // ghatis past a whole day count again from a sunrise a day on.
    const double ghatis = std::fmod((lmt - sunrise) * GhatisPerHour, GhatisPerDay);
    return ghatis < 0 ? 0 : ghatis;
}

SunTimes BirthDateSunTimes(const BirthRecord& person, int daysAfter)
{
    const CalendarDate d = DateOfDayNumber(DayNumber(person.Date()) + daysAfter);
    const double latitude = person.Latitude().LatitudeDegrees();
    const double longitude = person.Longitude().LongitudeDegrees();
    return SunriseSunset(d.day, d.month, d.year, latitude, longitude, person.ZoneMeridian);
}

GhatiParts SplitGhatis(double ghati)
{
    const double g = std::floor(ghati);
    // The palas through their 15-digit text, so that 29.999999999999996
    // reads as the 30 it stands for.
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", (ghati - g) * 60);
    double p = std::strtod(buf, nullptr);
    double whole = g;
    if (p >= 60) {   // the last hair of a ghati read as the next one
        whole += 1;
        p -= 60;
    }
    const double pal = std::floor(p);
    const double vipal = std::floor((p - pal) * 60);
    return {whole, pal, vipal};
}

std::string IshtkaalText(double ghati, const RunChoices& run)
{
    const GhatiParts parts = SplitGhatis(ghati);
    const std::string& colon = run.colon;
    return NumberText(parts.ghati) + colon + NumberText(parts.pal) + colon + NumberText(parts.vipal);
}

std::string CalcVelantar(int day, int month, const RunChoices& run)
{
    return CalcVelantar(DataConnection(), day, month, run);
}

std::string CalcVelantar(Database& reference, int day, int month, const RunChoices& run)
{
    if (month < 1 || month > 12 || day < 1 || day > LongestMonth[month])
        return {};   // no such day
    Recordset row(reference, "select * from velantar where date = ?", {std::to_string(day)});
    if (row.Eof())
        damagedVelantar(reference, day, month, "has no row");
    if (row.FieldCount() < 2 * month + 2)
        damagedVelantar(reference, day, month, "has too few columns");
    // Columns by position: month m holds its minutes at 2m and seconds at 2m + 1.
    const std::optional<StoredPart> minutesPart = partOf(row.Field(2 * month));
    const std::optional<StoredPart> secondsPart = partOf(row.Field(2 * month + 1));
    if (!minutesPart || !secondsPart)
        damagedVelantar(reference, day, month, "holds no minutes and seconds");
    const StoredPart minutes = *minutesPart, seconds = *secondsPart;
    const std::string sign = Texts(run).Dict(minutes.negative || seconds.negative ? "-" : "+");
    const std::string& colon = run.colon;
    return sign + "00" + colon + ZeroPad(minutes.magnitude, 2) + colon + ZeroPad(seconds.magnitude, 2);
}

} // namespace tarvik
