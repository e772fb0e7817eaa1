#include "PanchangAtTime.h"

#include "Elements.h"
#include "TimeText.h"
#include "calc/Angles.h"
#include "calc/Ayanamsa.h"
#include "calc/Ephemeris.h"
#include "calc/NameTables.h"
#include "calc/TimeScale.h"

#include <cmath>

namespace tarvik {

namespace {
constexpr double CircleMinutes = 21600;
constexpr double TithiMinutes = 720;
constexpr double StarMinutes = 800;     // a nakshatra and a yoga: 13 deg 20'
constexpr double KaranaMinutes = 360;

// Whole hours, minutes and seconds of a span of decimal hours, each part cut down.
HMS splitHours(double x)
{
    const double h = std::floor(x);
    const double m = (x - h) * 60;
    return {h, std::floor(m), std::floor((m - std::floor(m)) * 60)};
}

// The arc an element still has to run, in arc-minutes, turned into the
// time that the rate (arc-minutes per day) needs for it, added to the start.
ElementAtTime ending(int number, std::string_view key, double arcLeft, double ratePerDay, const HMS& start)
{
    ElementAtTime e;
    e.number = number;
    e.key = std::string(key);
    e.end = AddHMS(start, splitHours(std::max(arcLeft, 0.0) * 24 / ratePerDay));
    return e;
}
} // namespace

EpochT CalcEpochT(double dayFraction, int year, int month, int day)
{
    EpochT e;
    e.T = JulianCenturiesOf(DayNumber(day, month, year), dayFraction);
    const double jd = JulianDayOfCenturies(e.T);
    e.ayanamsa = TrueAyanamsa(AyanamsaLahiri, jd);
    e.obliquity = TrueObliquity(jd);
    return e;
}

double CalcSunLongitude(double T)
{
    return SiderealLongitude(EphemerisQuantity::Sun, JulianDayOfCenturies(T), AyanamsaLahiri);
}

MoonAndNodes CalcMoonLongitude(double T)
{
    const double jd = JulianDayOfCenturies(T);
    const double rahu = SiderealLongitude(EphemerisQuantity::MeanNode, jd, AyanamsaLahiri);
    return {SiderealLongitude(EphemerisQuantity::Moon, jd, AyanamsaLahiri), rahu, ReduceDegrees(rahu + 180)};
}

HMS AddHMS(const HMS& a, const HMS& b)
{
    HMS r = b;
    r.seconds += a.seconds;
    if (r.seconds >= 60) {
        r.seconds -= 60;
        r.minutes += 1;
    }
    r.minutes += a.minutes;
    if (r.minutes >= 60) {
        r.minutes -= 60;
        r.hours += 1;
    }
    r.hours += a.hours;
    return r;
}

PanchangAtTime CalcPanchangAtTime(const BirthRecord& person, double sun, double moon, double clockHours,
                                  const RunChoices& run)
{
    const HMS start = splitHours(clockHours);
    const double dayFraction = (start.minutes / 60 + start.hours - 12 - person.ZoneHours) / 24;
    const EpochT epoch = CalcEpochT(dayFraction, person.Year, person.Month, person.Day);

    // The elements are named in the zodiac of the run's ayanamsa, as the
    // chart and the end times are.
    const double jd0 = JulianDayOfCenturies(epoch.T);
    const double jd1 = jd0 + 1;
    const int zodiac = run.ayanamsaChoice;
    const double S0 = SiderealLongitude(EphemerisQuantity::Sun, jd0, zodiac);
    const double M0 = SiderealLongitude(EphemerisQuantity::Moon, jd0, zodiac);
    double S1 = SiderealLongitude(EphemerisQuantity::Sun, jd1, zodiac);
    double M1 = SiderealLongitude(EphemerisQuantity::Moon, jd1, zodiac);
    if (S1 < S0)
        S1 += 360;
    if (M1 < M0)
        M1 += 360;
    // Daily motions in arc-minutes.
    const double dS = (S1 - S0) * 60, dM = (M1 - M0) * 60, dR = dM - dS;

    PanchangAtTime p;
    p.ayanamsa = epoch.ayanamsa;

    // The elongation counted in (0, 21600]: at the conjunction the thirtieth
    // tithi ends, it does not begin.
    double elongation = (ReduceDegrees(moon) - ReduceDegrees(sun)) * 60;
    if (elongation <= 0)
        elongation += CircleMinutes;
    const int tithi = CalcTithi(moon, sun);
    p.tithi = ending(tithi, TithiKey(tithi), tithi * TithiMinutes - elongation, dR, start);

    const int star = CalcNakshatra(M0);
    p.nakshatra = ending(star, NakshatraKeys(star), star * StarMinutes - M0 * 60, dM, start);

    const int yoga = CalcYoga(M0, S0);
    p.yoga = ending(yoga, YogaKeys[yoga], yoga * StarMinutes - ReduceDegrees(M0 + S0) * 60, dM + dS, start);

    const int karana = CalcKarana(M0, S0);
    double karanaLeft = karana * KaranaMinutes - ReduceDegrees(M0 - S0) * 60;
    if (karanaLeft < 0)   // the last half arc-minute of the month is already karana 1
        karanaLeft += CircleMinutes;
    p.karana = ending(karana, KaranaNames[karana], karanaLeft, dR, start);

    for (ElementAtTime* e : {&p.tithi, &p.nakshatra, &p.yoga, &p.karana})
        e->endText = FormatTime(e->end.hours, e->end.minutes, e->end.seconds, TimeTextForm::Short, 0,
                                run.colon);
    return p;
}

} // namespace tarvik
