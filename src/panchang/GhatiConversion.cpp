#include "GhatiConversion.h"

#include "Elements.h"
#include "HinduCalendar.h"
#include "Ishtkaal.h"
#include "SunriseChart.h"
#include "calc/Chart.h"
#include "calc/MomentGuard.h"
#include "calc/NameTables.h"
#include "calc/PanchangElements.h"
#include "calc/TextFormat.h"
#include "core/State.h"

#include <cmath>

namespace tarvik {

namespace {
constexpr double GhatisPerHour = 2.5;
constexpr double SecondsPerDay = 86400;

// A moment a few microseconds past a whole second is that second: the
// ghatis of a whole-second clock time come back with rounding noise.
constexpr double SecondTolerance = 1e-6;

std::string zoneTimeText(double hours) { return FormatHMS(hours, 24, ":"); }
} // namespace

ClockTime ClockTimeOfGhatis(const BirthRecord& person, double ghatis)
{
    const double longitude = LongitudeDegrees(person.LongDeg, person.LongMin, person.LongDir);
    // Local mean time less the clock.
    const double lmtLessClock = person.TimeCorrection + (longitude - person.ZoneMeridian) / 15;
    const double sunrise = BirthDateSunTimes(person)[1];
    const double elapsed = ghatis / GhatisPerHour;

    double clock = sunrise + elapsed - lmtLessClock;
    if (clock >= 24) {
        // Past the end of the date: the moment of the date is the one before
        // its sunrise, in the Hindu day that began the day before. While the
        // sunrises come later from day to day, the last ghatis of the date
        // and the first ones after its midnight leave a gap that names no
        // moment of the date; those wrap round the clock to just after its
        // midnight.
        const double before = BirthDateSunTimes(person, -1)[1] + elapsed - 24 - lmtLessClock;
        if (before >= 0 && before + lmtLessClock < sunrise)
            clock = before;
    }
    double seconds = std::fmod(std::ceil(clock * 3600 - SecondTolerance), SecondsPerDay);
    if (seconds < 0)
        seconds += SecondsPerDay;
    if (!(seconds >= 0 && seconds < SecondsPerDay))   // no number at all, or a wrap rounded up
        seconds = 0;
    const long long s = static_cast<long long>(seconds);
    return {static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60), static_cast<int>(s % 60)};
}

std::string GhatiTithiName(int tithi)
{
    if (tithi == 15)
        return "PURNIMA";
    if (tithi == 30)
        return "AMAVASYA";
    if (tithi < 1 || tithi > 30)
        return {};
    std::string name(TithiKeys[tithi % 15]);
    std::erase(name, '_');
    return name;
}

GhatiPanchang GhatiDayOf(const BirthRecord& person)
{
    const SunTimes sun = BirthDateSunTimes(person);
    GhatiPanchang day;
    day.sunrise = zoneTimeText(sun[3]);
    day.sunset = zoneTimeText(sun[4]);
    day.nationalMonth = GetNationalMonthName(person.Month, person.Day);
    return day;
}

GhatiPanchang GhatiPanchangOf(const BirthRecord& person)
{
    const BirthRecord p = person;   // person may be Native itself
    GhatiPanchang result = GhatiDayOf(p);
    {
        const NativeMomentGuard keepBirth;
        Native() = p;
        CalcChart();
        const int tithi = static_cast<int>(CalcPanchangElements()[TithiElement]);
        result.tithiAtBirth = GhatiTithiName(tithi);
        result.paksha = tithi > 15 ? "Krishna" : "Shukla";
    }
    const SunriseChart rise = ChartAtSunrise(p, BirthDateSunTimes(p)[3]);
    result.tithiAtSunrise = GhatiTithiName(CalcTithi(rise.moon, rise.sun));
    result.vikramSamvat = CalcSamvatAtBirth(p).vikram;
    result.lunarMonth = CalcMasaAtBirth(p);
    return result;
}

} // namespace tarvik
