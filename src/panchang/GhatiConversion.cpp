#include "GhatiConversion.h"

#include "Elements.h"
#include "HinduCalendar.h"
#include "Ishtkaal.h"
#include "SunriseChart.h"
#include "calc/Chart.h"
#include "calc/NameTables.h"
#include "calc/TextFormat.h"

#include <cmath>

namespace tarvik {

namespace {
constexpr double GhatisPerHour = 2.5;
constexpr double SecondsPerDay = 86400;

// A moment a few microseconds past a whole second is that second: the
// ghatis of a whole-second clock time come back with rounding noise.
constexpr double SecondTolerance = 1e-6;
// Ghatis that agree this closely name the same moment.
constexpr double GhatiTolerance = 1e-7;

std::string zoneTimeText(double hours) { return FormatHMS(hours, 24, ":"); }
} // namespace

ClockTime ClockTimeOfGhatis(const BirthRecord& person, double ghatis)
{
    const double longitude = person.Longitude().LongitudeDegrees();
    // Local mean time less the clock.
    const double lmtLessClock = person.TimeCorrection + (longitude - person.ZoneMeridian) / 15;
    const double elapsed = ghatis / GhatisPerHour;

    // The moment of the date that the ishtkaal's own reckoning gives these
    // ghatis: counted from the sunrise of the Hindu day it falls in, which
    // is the date's own, the day before's, or (local mean time a day off the
    // clock, across the date line) two days before or the day after; inside
    // the polar circles a day's count may start again a day after its sunrise.
    // Otherwise the ghatis name no moment of the date (beyond a Hindu day,
    // or between its midnight in its own reckoning and in the day before's
    // while the sunrises come later from day to day): counted from the
    // date's sunrise, they wrap round the clock.
    const auto momentOfDate = [&]() {
        for (const int day : {0, -1, -2, 1}) {
            const double sunrise = BirthDateSunTimes(person, day)[1] + 24 * day;
            for (const int again : {0, 1}) {
                const double trial = sunrise + 24 * again + elapsed - lmtLessClock;
                if (trial >= 0 && trial < 24 &&
                    std::fabs(IshtkaalOfClockTime(person, trial) - ghatis) < GhatiTolerance)
                    return trial;
            }
        }
        return BirthDateSunTimes(person)[1] + elapsed - lmtLessClock;
    };
    const double clock = momentOfDate();
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
    day.nationalMonth = GetNationalMonthName(person.Month, person.Day, person.Year);
    return day;
}

GhatiPanchang GhatiPanchangOf(const BirthRecord& person, const RunChoices& run)
{
    GhatiPanchang result = GhatiDayOf(person);
    {
        // The birth's own chart, for its Sun and Moon only.
        ChartState birth;
        ComputeChart(ChartInputOf(person, run), birth);
        const int tithi = CalcTithi(birth.PlanetLongitudes[Moon], birth.PlanetLongitudes[Sun]);
        result.tithiAtBirth = GhatiTithiName(tithi);
        result.paksha = tithi > 15 ? "Krishna" : "Shukla";
    }
    const SunriseChart rise = ChartAtSunrise(person, BirthDateSunTimes(person)[3], run);
    result.tithiAtSunrise = GhatiTithiName(CalcTithi(rise.moon, rise.sun));
    result.vikramSamvat = CalcSamvatAtBirth(person, run).vikram;
    const LunarMonth month = LunarMonthAtBirth(person, run);
    result.lunarMonth = month.key;
    result.adhikaMonth = month.adhika;
    return result;
}

} // namespace tarvik
