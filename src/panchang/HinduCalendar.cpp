#include "HinduCalendar.h"

#include "calc/Angles.h"
#include "calc/Chart.h"
#include "calc/MomentGuard.h"
#include "calc/PanchangElements.h"
#include "core/State.h"

#include <array>
#include <string_view>

namespace tarvik {

namespace {
// The lunar months in order with the nakshatra of the full moon that names each.
struct LunarMonth {
    int nakshatra;
    std::string_view name;
};
constexpr std::array<LunarMonth, 12> LunarMonths = {{
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

int daysInMonth(int month, int year)
{
    const int next = month == 12 ? DayNumber(1, 1, year + 1) : DayNumber(1, month + 1, year);
    return next - DayNumber(1, month, year);
}

// The tithi of a day of the person's year at the person's time of day and
// place. Native must hold the person: the chart takes the time from it.
int tithiOn(const CalendarDate& d, const BirthRecord& p)
{
    CalcChartAt(d.day, d.month, d.year, p.LongDeg, p.LongMin, p.LongDir, p.LatDeg, p.LatMin, p.LatDir, p.ZoneHours);
    return static_cast<int>(CalcPanchangElements()[TithiElement]);
}

// Whether the new moon just past fell with the sidereal Sun in Meena, so
// that the lunar month it began is Chaitra. Taken back from the last chart
// by the hourly motions of its second pass.
bool newMoonInMeena()
{
    const auto& lon = Chart().PlanetLongitudes;
    const double sun = lon[Sun], sunLater = lon[Sun + HourLater];
    const double elongation = ReduceDegrees(lon[Moon] - sun);
    const double gainPerHour = ReduceDegrees(lon[Moon + HourLater] - sunLater) - elongation;
    const double hoursSince = elongation / gainPerHour;
    return ReduceDegrees(sun - ReduceDegrees(sunLater - sun) * hoursSince) >= 330;
}
} // namespace

CalendarDate LunarNewYear(const BirthRecord& person)
{
    const BirthRecord p = person;   // person may be Native itself
    const NativeMomentGuard guard;
    Native() = p;
    const int first = DayNumber(14, 3, p.Year), last = DayNumber(14, 4, p.Year);
    int before = tithiOn(DateOfDayNumber(first - 1), p);
    for (int d = first; d <= last; ++d) {
        const CalendarDate date = DateOfDayNumber(d);
        const int tithi = tithiOn(date, p);
        // A new moon of 13 or 14 March may still fall in Kumbha: that month
        // is Phalguna, and the new year comes a month later.
        if ((tithi == 1 || (tithi == 2 && before == 30)) && newMoonInMeena())
            return date;
        before = tithi;
    }
    return DateOfDayNumber(last + 1);
}

SamvatYears CalcSamvatAtBirth(const BirthRecord& person)
{
    const CalendarDate newYear = LunarNewYear(person);
    const bool turned = DayNumber(person.Day, person.Month, person.Year)
                        >= DayNumber(newYear.day, newYear.month, newYear.year);
    const int added = turned ? 1 : 0;
    return {person.Year - 79 + added, person.Year + 56 + added};
}

std::string CalcMasaAtBirth(const BirthRecord& person)
{
    const BirthRecord p = person;
    if (p.Month < 1 || p.Month > 12)
        return {};
    int afterFullMoon;
    {
        const NativeMomentGuard guard;
        Native() = p;
        const int lastDay = daysInMonth(p.Month, p.Year);
        afterFullMoon = lastDay + 1;
        for (int day = 1; day <= lastDay; ++day) {
            const int tithi = tithiOn({day, p.Month, p.Year}, p);
            if (tithi == 16 || tithi == 17) {
                afterFullMoon = day;
                break;
            }
        }
    }
    int nakshatra = MonthFullMoonNakshatra(p.Month);
    if (p.Day >= afterFullMoon) {
        // The birth follows that month's full moon: the next lunar month.
        for (std::size_t k = 0; k < LunarMonths.size(); ++k)
            if (LunarMonths[k].nakshatra == nakshatra) {
                nakshatra = LunarMonths[(k + 1) % LunarMonths.size()].nakshatra;
                break;
            }
    }
    return MasaName(nakshatra);
}

int MonthFullMoonNakshatra(int month)
{
    return month >= 1 && month <= 12 ? FullMoonNakshatra[month - 1] : 0;
}

std::string MasaName(int nakshatra)
{
    for (const LunarMonth& m : LunarMonths)
        if (m.nakshatra == nakshatra)
            return std::string(m.name);
    return {};
}

std::string GetNationalMonthName(int month, int day)
{
    if (month < 1 || month > 12 || day < 1 || day > LongestMonth[month - 1])
        return {};
    for (const NationalMonth& m : NationalMonths)
        if ((month == m.fromMonth && day > m.fromDay) || (month == m.toMonth && day < m.toDay))
            return std::string(m.name);
    return {};
}

} // namespace tarvik
