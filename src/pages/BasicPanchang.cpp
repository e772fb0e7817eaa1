// The panchang at birth of the Basic page: the elements at sunrise and at
// the birth moment, the ends of those running at sunrise, the day length,
// the calendar of the birth and the Sun and Moon at sunrise and at birth.

#include "BasicPage.h"

#include "calc/Chart.h"
#include "calc/NameTables.h"
#include "calc/TextFormat.h"
#include "calc/TimeScale.h"
#include "panchang/Elements.h"
#include "panchang/EndTimes.h"
#include "panchang/Ishtkaal.h"
#include "panchang/PanchangAtTime.h"
#include "panchang/SunriseChart.h"

namespace tarvik::basic {

namespace {

// A longitude within its sign, and the sign.
std::string positionText(double longitude, const PageContext& page)
{
    return FormatDMS(longitude, page.choices.colon) + " " + page.Dict(SignKeys[SignOf(longitude)]);
}

Cell copied(const Row& row, bool typed = false) { return {row.caption, row.values[0], typed}; }

} // namespace

std::vector<Cell> MakePanchangRows(const BirthRows& r, const PersonChart& native,
                                   const PageContext& page)
{
    const BirthRecord& b = native.birth;
    const SunTimes& s = native.sunTimes;
    const BirthState& births = page.births;
    const std::string birthTime = ZeroPad(b.Hour, 2) + page.choices.colon +
                                  ZeroPad(b.Minute, 2) + page.choices.colon +
                                  ZeroPad(b.Second, 2);
    const int t = TropicalSunSign(native);

    // Every time of the block is standard zone time, as almanacs give it:
    // the end times are searched on a clock without the war-time correction
    // (the birth time row keeps the clock time entered).
    BirthRecord standard = b;
    standard.TimeCorrection = 0;
    const SunriseChart rise = ChartAtSunrise(standard, s[3], page.choices);
    const double standardTime = b.Hour + b.Minute / 60.0 + b.Second / 3600.0 + b.TimeCorrection;
    const PanchangAtTime atBirth =
        CalcPanchangAtTime(b, births.BirthSun, births.BirthMoon, standardTime, page.choices);
    const PanchangAtTime atSunrise = CalcPanchangAtTime(b, rise.sun, rise.moon, s[3], page.choices);

    return {
        copied(r.name, true),
        copied(r.sex),
        copied(r.dateOfBirth),
        {page.Dict("TOB"), birthTime},
        {page.Dict("isht"), CalcIshtkaal(b, page.choices).text + " " + page.Dict("Ghati")},
        copied(r.timeZone, true),
        copied(r.place, true),
        copied(r.latitude),
        copied(r.longitude),
        copied(r.zoneLongitude),
        copied(r.localTimeCorrection),
        copied(r.warTimeCorrection),
        copied(r.localTime),
        {page.Dict("Velantar"), CalcVelantar(b.Day, b.Month, page.choices)},
        copied(r.siderealTime),
        copied(r.sunriseLocal),
        copied(r.sunriseZone),
        {page.Dict("dinmaanl"), DayLengthText(s[1], s[2], page)},
        {page.Dict("dinmaans"), DayLengthText(s[3], s[4], page)},
        {page.Dict("_AAYAN"), page.Dict(AyanKeys(t))},
        {page.Dict("_GOOL"), page.Dict(GolKeys(t))},
        {page.Dict("_RITU"), page.Dict(RituKeys(t))},
        {page.Dict("ascansh"), positionText(native.ascendant, page)},
        {page.Dict("mooansh"), positionText(native.Moon(), page)},
        copied(r.bhogya),

        copied(r.father, true),
        copied(r.mother, true),
        copied(r.grandfather, true),
        copied(r.gotra, true),
        copied(r.vikramSamvat),
        copied(r.shakaSamvat),
        {page.Dict("Mas"), r.monthName},
        {page.Dict("Paksh"), r.pakshaName},
        {page.Dict("sunanshRise"), positionText(rise.sun, page)},
        {page.Dict("mooanshRise"), positionText(rise.moon, page)},
        {page.Dict("sunanshBirth"), positionText(births.BirthSun, page)},
        {page.Dict("mooanshBirth"), positionText(births.BirthMoon, page)},
        {page.Dict("STithi"), page.Dict(atSunrise.tithi.key)},
        {page.Dict("ETithi"), TithiEndTime(standard, rise.hour, rise.minute, rise.second, page.choices)},
        {page.Dict("TOB"), birthTime},
        {page.Dict("JTithi"), page.Dict(atBirth.tithi.key)},
        {page.Dict("Snak"), page.Dict(atSunrise.nakshatra.key)},
        {page.Dict("Enak"), NakshatraEndTime(standard, rise.hour, rise.minute, rise.second, page.choices)},
        {page.Dict("bdnak"), page.Dict(NakshatraKeys(CalcNakshatra(births.BirthMoon)))},
        {page.Dict("Syog"), page.Dict(atSunrise.yoga.key)},
        {page.Dict("Eyog"), YogaEndTime(standard, rise.hour, rise.minute, rise.second, page.choices)},
        {page.Dict("bdyoga"), page.Dict(atBirth.yoga.key)},
        {page.Dict("Skaran"), page.Dict(atSunrise.karana.key)},
        {page.Dict("Ekaran"), KaranaEndTime(standard, rise.hour, rise.minute, rise.second, page.choices)},
        {page.Dict("bdkaran"), CalcKaranaText(native.Moon(), native.Sun(), page.texts)},
    };
}

} // namespace tarvik::basic
