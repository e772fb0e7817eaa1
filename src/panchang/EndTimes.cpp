#include "EndTimes.h"

#include "Elements.h"
#include "TimeText.h"
#include "calc/Chart.h"
#include "calc/TimeScale.h"

#include <stdexcept>

namespace tarvik {

namespace {
constexpr long long SecondsPerDay = 86400;
constexpr long long Hour = 3600, Minute = 60, Second = 1;
// No element lasts a day and a half; three days of hourly steps is a chart
// that does not move.
constexpr int MaxHourSteps = 72;

// A moment counted in whole seconds from the midnight of day number 0.
long long momentOf(int dayNumber, int hour, int minute, int second)
{
    return dayNumber * SecondsPerDay + hour * Hour + minute * Minute + second;
}


// Casts the person's chart at a moment on a chart of its own (the bodies
// only: no divisional charts, no relationships) and numbers the element; the
// program's birth chart is never touched.
class Stepper {
public:
    Stepper(Anga anga, const BirthRecord& person, const RunChoices& run)
        : anga_(anga), person_(person), ayanamsaChoice_(run.ayanamsaChoice), trueNode_(run.trueNode)
    {
    }

    int At(long long moment)
    {
        const DayAndClock at = DayAndClockOfSeconds(moment);
        const BirthRecord trial =
            RecordAtMoment(person_, DateOfDayNumber(at.dayNumber), at.hour, at.minute, at.second);
        ComputeChart(ChartInputOf(trial, ayanamsaChoice_, trueNode_), chart_);
        return AngaNumber(anga_, chart_.PlanetLongitudes[Moon], chart_.PlanetLongitudes[Sun]);
    }

private:
    Anga anga_;
    const BirthRecord person_;
    int ayanamsaChoice_;
    bool trueNode_;
    ChartState chart_;
};

// The search proper; the end is reported `offset` seconds after the change.
ElementEnd searchEnd(Anga anga, const BirthRecord& person, int hour, int minute, int second, long long offset,
                     const RunChoices& run)
{
    Stepper step(anga, person, run);
    const int startDay = DayNumber(person.Day, person.Month, person.Year);
    long long w = momentOf(startDay, hour, minute, second);

    const int running = step.At(w);
    int now = running;
    for (int steps = 0; now == running; ++steps) {
        if (steps == MaxHourSteps)
            throw std::runtime_error("the panchang element does not change within three days");
        w += Hour;
        now = step.At(w);
    }
    // Back by minutes into the element's last minute, then on by seconds to
    // the first second of the next element.
    while (now != running) {
        w -= Minute;
        now = step.At(w);
    }
    while (now == running) {
        w += Second;
        now = step.At(w);
    }

    const DayAndClock at = DayAndClockOfSeconds(w + offset);
    return {running, at.dayNumber - startDay, at.hour, at.minute, at.second};
}

std::string endText(Anga anga, const BirthRecord& person, int hour, int minute, int second,
                    const RunChoices& run)
{
    return EndTimeText(FindElementEnd(anga, person, hour, minute, second, run), run.colon);
}
} // namespace

int AngaNumber(Anga anga, double moon, double sun)
{
    switch (anga) {
    case Anga::Tithi: return CalcTithi(moon, sun);
    case Anga::Nakshatra: return CalcNakshatra(moon);
    case Anga::Yoga: return CalcYoga(moon, sun);
    case Anga::Karana: return CalcKarana(moon, sun);
    }
    return 0;
}

ElementEnd FindElementEnd(Anga anga, const BirthRecord& person, int hour, int minute, int second,
                          const RunChoices& run)
{
    return searchEnd(anga, person, hour, minute, second, 0, run);
}

std::string EndTimeText(const ElementEnd& end, std::string_view colon)
{
    // An end before the start date (a tithi shown a minute early, just after
    // midnight) keeps the clock hour of the evening before.
    return FormatTime(end.days < 0 ? end.hour : end.Hours(), end.minute, end.second, TimeTextForm::Short, 0, colon);
}

std::string TithiEndTime(const BirthRecord& person, int hour, int minute, int second, const RunChoices& run)
{
    return EndTimeText(searchEnd(Anga::Tithi, person, hour, minute, second, -Minute, run), run.colon);
}

std::string NakshatraEndTime(const BirthRecord& person, int hour, int minute, int second, const RunChoices& run)
{
    return endText(Anga::Nakshatra, person, hour, minute, second, run);
}

std::string YogaEndTime(const BirthRecord& person, int hour, int minute, int second, const RunChoices& run)
{
    return endText(Anga::Yoga, person, hour, minute, second, run);
}

std::string KaranaEndTime(const BirthRecord& person, int hour, int minute, int second, const RunChoices& run)
{
    return endText(Anga::Karana, person, hour, minute, second, run);
}

} // namespace tarvik
