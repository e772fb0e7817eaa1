#include "YearStart.h"

#include "calc/Chart.h"
#include "calc/TimeScale.h"

#include <cmath>
#include <stdexcept>

namespace tarvik {

namespace {

constexpr long long SecondsPerDay = 86400;

// A moment as whole seconds of standard zone time from day count 0.
long long zoneSeconds(const CivilDate& date, long long secondsOfDay)
{
    return static_cast<long long>(DayNumber(date)) * SecondsPerDay + secondsOfDay;
}

YearStart startAt(long long t, int completedYears)
{
    const DayAndClock at = DayAndClockOfSeconds(t);
    const CalendarDate date = DateOfDayNumber(at.dayNumber);
    YearStart s;
    s.completedYears = completedYears;
    s.day = date.day;
    s.month = date.month;
    s.year = date.year;
    s.hour = at.hour;
    s.minute = at.minute;
    s.second = at.second;
    return s;
}

// The chart's Sun at a moment, cast as the year chart is: from the birth
// record moved to the moment, so that the dated node correction and the K.P.
// ayanamsa follow the moment's own date.
class SunOfMoment {
public:
    SunOfMoment(const BirthRecord& birth, int ayanamsaChoice, bool trueNode)
        : birth_(birth), ayanamsaChoice_(ayanamsaChoice), trueNode_(trueNode)
    {
    }

    double of(const BirthRecord& record)
    {
        ComputeChart(ChartInputOf(record, ayanamsaChoice_, trueNode_), chart_);
        return chart_.PlanetLongitudes[Sun];
    }
    double birthLongitude() { return of(birth_); }
    double at(long long t) { return of(YearStartRecord(birth_, startAt(t, 0))); }

private:
    BirthRecord birth_;
    int ayanamsaChoice_;
    bool trueNode_;
    ChartState chart_;
};

} // namespace

BirthRecord YearStartRecord(const BirthRecord& birth, const YearStart& start)
{
    BirthRecord r = birth;
    r.SetMoment(start.Date(), start.Clock());
    r.TimeCorrection = 0;
    return r;
}

std::optional<YearStart> FindYearStart(const BirthRecord& birth, int varshphalYear,
                                       int ayanamsaChoice, bool trueNode)
{
    const int completed = varshphalYear - birth.Year;
    if (completed < 0)
        return std::nullopt;

    const long long born = zoneSeconds(birth.Date(), birth.Clock().SecondsOfDay()) +
                           std::llround(birth.TimeCorrection * 3600);
    if (completed == 0)
        return startAt(born, 0);

    SunOfMoment sun(birth, ayanamsaChoice, trueNode);
    const double target = sun.birthLongitude();
    // How far the Sun still has to go to the birth longitude (negative) or
    // has gone past it (positive); within a few days of a return the Sun is
    // never more than a few degrees from it, so the wrap is unambiguous.
    auto past = [&](long long t) { return std::remainder(sun.at(t) - target, 360.0); };

    const long long estimate =
        born + std::llround(completed * SiderealYearDays * static_cast<double>(SecondsPerDay));
    // The true return lies within minutes of the mean one; the window only
    // has to hold it.
    long long lo = 0, hi = 0;
    bool bracketed = false;
    for (long long days = 3; days <= 24 && !bracketed; days *= 2) {
        lo = estimate - days * SecondsPerDay;
        hi = estimate + days * SecondsPerDay;
        bracketed = past(lo) < 0 && past(hi) >= 0;
    }
    if (!bracketed)
        throw std::runtime_error("the Sun's return of the year " + std::to_string(varshphalYear) +
                                 " was not found");

    // The first whole second at which the Sun has reached the birth longitude.
    while (hi - lo > 1) {
        const long long mid = lo + (hi - lo) / 2;
        if (past(mid) >= 0)
            hi = mid;
        else
            lo = mid;
    }
    return startAt(hi, completed);
}

} // namespace tarvik
