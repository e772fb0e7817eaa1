#include "HinduCalendar.h"

#include "calc/Angles.h"
#include "calc/Chart.h"
#include "calc/TimeScale.h"
#include "refdata/TextLookup.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace tarvik {

namespace {
// The lunar months in order with the nakshatra of the full moon that names each.
struct FullMoonMonth {
    int nakshatra;
    std::string_view name;
};
constexpr std::array<FullMoonMonth, 12> LunarMonths = {{
    {14, "CHAITRA"}, {16, "VAISAKHA"}, {18, "JYAISTHA"}, {20, "ASADHA"},
    {22, "SRAVANA"}, {25, "BHADRA"},   {1, "ASVINA"},    {3, "KARTIKA"},
    {5, "MARGSHIRSH"}, {8, "PAUSA"},   {10, "MAGHA"},    {12, "PHALGUNA"},
}};

// The full-moon nakshatra of each Gregorian month, January first.
constexpr std::array<int, 12> FullMoonNakshatra = {8, 10, 12, 14, 16, 18, 20, 22, 25, 1, 3, 5};

// National months: a month runs from the day after `fromDay` of `fromMonth`
// to the day before `toDay` of `toMonth`.
struct NationalMonth {
    std::string_view name;
    int fromMonth, fromDay, toMonth, toDay;
};
constexpr std::array<NationalMonth, 12> NationalMonths = {{
    {"CHAITRA", 3, 21, 4, 21},
    {"VAISAKHA", 4, 20, 5, 22},
    {"JYAISTHA", 5, 21, 6, 22},
    {"ASADHA", 6, 21, 7, 23},
    {"SRAVANA", 7, 22, 8, 23},
    {"BHADRA", 8, 22, 9, 23},
    {"ASVINA", 9, 22, 10, 23},
    {"KARTIKA", 10, 22, 11, 22},
    {"AGRAHAYANA", 11, 21, 12, 22},
    {"PAUSA", 12, 21, 1, 21},
    {"MAGHA", 1, 20, 2, 20},
    {"PHALGUNA", 2, 19, 3, 22},
}};

constexpr std::array<int, 12> LongestMonth = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The months named by the sign the Sun enters during them: Chaitra for
// Mesha (sign 0), Vaisakha for Vrishabha, ... Phalguna for Meena.
constexpr std::array<std::string_view, 12> MonthOfSignEntered = {
    "CHAITRA", "VAISAKHA", "JYAISTHA", "ASADHA", "SRAVANA", "BHADRA",
    "ASVINA", "KARTIKA", "MARGSHIRSH", "PAUSA", "MAGHA", "PHALGUNA",
};

constexpr long long SecondsPerDay = 86400;
constexpr int MeenaSign = 11;


// The Sun and the Moon of a person's place and zone at any moment, a moment
// being whole seconds of standard zone time from the midnight of day count
// 0. Each moment is a chart of its own (ComputeChart on a chart state of
// this object), under the run's ayanamsa and node choice; nothing
// program-wide is read or written but those choices.
class Luminaries {
public:
    Luminaries(const BirthRecord& person, const RunChoices& run) : person_(person), run_(run) {}

    // The birth moment: the clock corrected to standard time.
    long long BirthMoment() const
    {
        const long long clock = person_.Hour * 3600LL + person_.Minute * 60LL + person_.Second;
        return DayNumber(person_.Day, person_.Month, person_.Year) * SecondsPerDay + clock +
               std::llround(person_.TimeCorrection * 3600);
    }

    void At(long long t)
    {
        const DayAndClock at = DayAndClockOfSeconds(t);
        BirthRecord r = RecordAtMoment(person_, DateOfDayNumber(at.dayNumber), at.hour, at.minute, at.second);
        r.TimeCorrection = 0;
        ComputeChart(ChartInputOf(r, run_), chart_);
    }

    double Sun() const { return chart_.PlanetLongitudes[tarvik::Sun]; }
    // The Moon's elongation from the Sun, 0..360, and its gain in an hour.
    double Elongation() const { return ReduceDegrees(chart_.PlanetLongitudes[Moon] - Sun()); }
    double ElongationPerHour() const
    {
        const auto& lon = chart_.PlanetLongitudes;
        return std::remainder(lon[Moon + HourLater] - lon[tarvik::Sun + HourLater] -
                                  (lon[Moon] - lon[tarvik::Sun]), 360.0);
    }
    int SunSign() const { return std::clamp(static_cast<int>(Sun() / 30), 0, 11); }

    // The new moon that ends the lunation running at t (after = true) or
    // begins it (after = false), to the second, with the chart left at it:
    // Newton's steps on the elongation, the hour's gain as the slope.
    long long NewMoon(long long t, bool after)
    {
        At(t);
        double off = after ? Elongation() - 360 : Elongation();
        for (int step = 0; step < 12; ++step) {
            const long long move = std::llround(-off / ElongationPerHour() * 3600);
            if (move == 0)
                break;
            t += move;
            At(t);
            off = std::remainder(Elongation(), 360.0);
        }
        return t;
    }

private:
    BirthRecord person_;
    RunChoices run_;
    ChartState chart_;
};
} // namespace

CalendarDate LunarNewYear(const BirthRecord& person, const RunChoices& run)
{
    Luminaries sky(person, run);
    // Chaitra begins at the first new moon with the Sun in Meena, which the
    // Sun enters in mid-March: the first new moon of March with the Sun
    // there. The Sun stays in Meena longer than a lunation, so one always
    // falls; in a year with two, the first (an added Chaitra) begins the year.
    long long newMoon = sky.NewMoon(DayNumber(1, 3, person.Year) * SecondsPerDay, true);
    for (int k = 0; k < 3 && sky.SunSign() != MeenaSign; ++k)
        newMoon = sky.NewMoon(newMoon + SecondsPerDay, true);
    // The first day at whose moment (the person's time of day) the new moon
    // has passed: the day the first tithi runs at that moment, or the one
    // after a first tithi that began and ended between two moments.
    const long long clock = sky.BirthMoment() - DayNumber(person.Day, person.Month, person.Year) * SecondsPerDay;
    return DateOfDayNumber(DayAndClockOfSeconds(newMoon - clock + SecondsPerDay - 1).dayNumber);
}

SamvatYears CalcSamvatAtBirth(const BirthRecord& person, const RunChoices& run)
{
    const CalendarDate newYear = LunarNewYear(person, run);
    const bool turned = DayNumber(person.Day, person.Month, person.Year)
                        >= DayNumber(newYear.day, newYear.month, newYear.year);
    const int added = turned ? 1 : 0;
    return {person.Year - 79 + added, person.Year + 56 + added};
}

LunarMonth LunarMonthAtBirth(const BirthRecord& person, const RunChoices& run)
{
    if (person.Month < 1 || person.Month > 12)
        return {};
    Luminaries sky(person, run);
    const long long born = sky.BirthMoment();
    sky.At(born);
    const bool darkHalf = sky.Elongation() >= 180;
    // The lunation of the birth, from new moon to new moon, and the signs of
    // the Sun at its two ends.
    sky.NewMoon(born, false);
    const int first = sky.SunSign();
    sky.NewMoon(born, true);
    const int last = sky.SunSign();
    // The Sun enters no sign: an added month, whole from new moon to new
    // moon, named as the true month after it.
    if (first == last)
        return {std::string(MonthOfSignEntered[(first + 1) % 12]), true};
    // Otherwise the month is named from the first sign entered (a lunation
    // with two ingresses takes the first; the second month is lost). The
    // dark half after the full moon belongs to the month that follows.
    const int sign = darkHalf ? last : first;
    return {std::string(MonthOfSignEntered[(sign + 1) % 12]), false};
}

std::string CalcMasaAtBirth(const BirthRecord& person, const RunChoices& run)
{
    return LunarMonthAtBirth(person, run).key;
}

std::string LunarMonthText(const LunarMonth& month, const Texts& texts)
{
    if (month.key.empty())
        return {};
    return month.adhika ? texts.Dict("ADHIKA") + " " + texts.Dict(month.key) : texts.Dict(month.key);
}

int MonthFullMoonNakshatra(int month)
{
    return month >= 1 && month <= 12 ? FullMoonNakshatra[month - 1] : 0;
}

std::string MasaName(int nakshatra)
{
    for (const FullMoonMonth& m : LunarMonths)
        if (m.nakshatra == nakshatra)
            return std::string(m.name);
    return {};
}

std::string GetNationalMonthName(int month, int day, int year)
{
    if (month < 1 || month > 12 || day < 1 || day > LongestMonth[month - 1])
        return {};
    // In a leap year Chaitra has 31 days and begins a day early.
    if (IsLeapYear(year) && month == 3 && day == 21)
        return "CHAITRA";
    for (const NationalMonth& m : NationalMonths)
        if ((month == m.fromMonth && day > m.fromDay) || (month == m.toMonth && day < m.toDay))
            return std::string(m.name);
    return {};
}

} // namespace tarvik
