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
#include "panchang/HinduCalendar.h"
#include "panchang/Ishtkaal.h"
#include "panchang/PanchangAtTime.h"
#include "panchang/SunriseChart.h"
#include "refdata/TextLookup.h"

namespace tarvik::basic {

namespace {

// A longitude within its sign, and the sign.
std::string positionText(double longitude, const RunChoices& choices)
{
    return FormatDMS(longitude, choices.colon) + " " + Dict(SignKeys[SignOf(longitude)]);
}

Cell copied(const Row& row, bool typed = false) { return {row.caption, row.values[0], typed}; }

} // namespace

std::vector<Cell> MakePanchangRows(const BirthRows& r, const PersonChart& native,
                                   const RunChoices& choices)
{
    const BirthRecord& b = native.birth;
    const SunTimes& s = native.sunTimes;
    const BirthState& births = Births();
    const std::string birthTime = ZeroPad(b.Hour, 2) + choices.colon +
                                  ZeroPad(b.Minute, 2) + choices.colon +
                                  ZeroPad(b.Second, 2);
    const int t = TropicalSunSign(native);

    // Every time of the block is standard zone time, as almanacs give it:
    // the end times are searched on a clock without the war-time correction
    // (the birth time row keeps the clock time entered).
    BirthRecord standard = b;
    standard.TimeCorrection = 0;
    const SunriseChart rise = ChartAtSunrise(standard, s[3], choices);
    const double standardTime = b.Hour + b.Minute / 60.0 + b.Second / 3600.0 + b.TimeCorrection;
    const PanchangAtTime atBirth =
        CalcPanchangAtTime(b, births.BirthSun, births.BirthMoon, standardTime, choices);
    const PanchangAtTime atSunrise = CalcPanchangAtTime(b, rise.sun, rise.moon, s[3], choices);
    const SamvatYears samvat = CalcSamvatAtBirth(b, choices);

    return {
        copied(r.name, true),
        copied(r.sex),
        copied(r.dateOfBirth),
        {Dict("TOB"), birthTime},
        {Dict("isht"), CalcIshtkaal(b, choices).text + " " + Dict("Ghati")},
        copied(r.timeZone, true),
        copied(r.place, true),
        copied(r.latitude),
        copied(r.longitude),
        copied(r.zoneLongitude),
        copied(r.localTimeCorrection),
        copied(r.warTimeCorrection),
        copied(r.localTime),
        {Dict("Velantar"), CalcVelantar(b.Day, b.Month, choices)},
        copied(r.siderealTime),
        copied(r.sunriseLocal),
        copied(r.sunriseZone),
        {Dict("dinmaanl"), DayLengthText(s[1], s[2], choices)},
        {Dict("dinmaans"), DayLengthText(s[3], s[4], choices)},
        {Dict("_AAYAN"), Dict(AyanKeys(t))},
        {Dict("_GOOL"), Dict(GolKeys(t))},
        {Dict("_RITU"), Dict(RituKeys(t))},
        {Dict("ascansh"), positionText(native.ascendant, choices)},
        {Dict("mooansh"), positionText(native.Moon(), choices)},
        copied(r.bhogya),

        copied(r.father, true),
        copied(r.mother, true),
        copied(r.grandfather, true),
        copied(r.gotra, true),
        {r.vikramSamvat.caption, ZeroPad(samvat.vikram, 4)},
        {r.shakaSamvat.caption, ZeroPad(samvat.shaka, 4)},
        {Dict("Mas"), LunarMonthText(LunarMonthAtBirth(b, choices), Texts(choices))},
        {Dict("Paksh"), r.pakshaName},
        {Dict("sunanshRise"), positionText(rise.sun, choices)},
        {Dict("mooanshRise"), positionText(rise.moon, choices)},
        {Dict("sunanshBirth"), positionText(births.BirthSun, choices)},
        {Dict("mooanshBirth"), positionText(births.BirthMoon, choices)},
        {Dict("STithi"), Dict(atSunrise.tithi.key)},
        {Dict("ETithi"), TithiEndTime(standard, rise.hour, rise.minute, rise.second, choices)},
        {Dict("TOB"), birthTime},
        {Dict("JTithi"), Dict(atBirth.tithi.key)},
        {Dict("Snak"), Dict(atSunrise.nakshatra.key)},
        {Dict("Enak"), NakshatraEndTime(standard, rise.hour, rise.minute, rise.second, choices)},
        {Dict("bdnak"), Dict(NakshatraKeys(CalcNakshatra(births.BirthMoon)))},
        {Dict("Syog"), Dict(atSunrise.yoga.key)},
        {Dict("Eyog"), YogaEndTime(standard, rise.hour, rise.minute, rise.second, choices)},
        {Dict("bdyoga"), Dict(atBirth.yoga.key)},
        {Dict("Skaran"), Dict(atSunrise.karana.key)},
        {Dict("Ekaran"), KaranaEndTime(standard, rise.hour, rise.minute, rise.second, choices)},
        {Dict("bdkaran"), CalcKaranaText(native.Moon(), native.Sun(), Texts(choices))},
    };
}

} // namespace tarvik::basic
