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

std::string D(std::string_view key) { return GetDictText(key); }

// A longitude within its sign, and the sign.
std::string positionText(double longitude)
{
    return FormatDMS(longitude) + " " + D(SignKeys[SignOf(longitude)]);
}

Cell copied(const Row& row, bool typed = false) { return {row.caption, row.values[0], typed}; }

} // namespace

std::vector<Cell> MakePanchangRows(const BirthRows& r, const PersonChart& native)
{
    const BirthRecord& b = native.birth;
    const SunTimes& s = native.sunTimes;
    const BirthState& births = Births();
    const std::string birthTime = ZeroPad(b.Hour, 2) + OutputRun().PunctColon +
                                  ZeroPad(b.Minute, 2) + OutputRun().PunctColon +
                                  ZeroPad(b.Second, 2);
    const int t = TropicalSunSign(native);

    // Every time of the block is standard zone time, as almanacs give it:
    // the end times are searched on a clock without the war-time correction
    // (the birth time row keeps the clock time entered).
    BirthRecord standard = b;
    standard.TimeCorrection = 0;
    const SunriseChart rise = ChartAtSunrise(standard, s[3]);
    const double standardTime = b.Hour + b.Minute / 60.0 + b.Second / 3600.0 + b.TimeCorrection;
    const PanchangAtTime atBirth =
        CalcPanchangAtTime(b, births.BirthSun, births.BirthMoon, standardTime);
    const PanchangAtTime atSunrise = CalcPanchangAtTime(b, rise.sun, rise.moon, s[3]);
    const SamvatYears samvat = CalcSamvatAtBirth(b);

    return {
        copied(r.name, true),
        copied(r.sex),
        copied(r.dateOfBirth),
        {D("TOB"), birthTime},
        {D("isht"), CalcIshtkaal(b).text + " " + D("Ghati")},
        copied(r.timeZone, true),
        copied(r.place, true),
        copied(r.latitude),
        copied(r.longitude),
        copied(r.zoneLongitude),
        copied(r.localTimeCorrection),
        copied(r.warTimeCorrection),
        copied(r.localTime),
        {D("Velantar"), CalcVelantar(b.Day, b.Month)},
        copied(r.siderealTime),
        copied(r.sunriseLocal),
        copied(r.sunriseZone),
        {D("dinmaanl"), FormatHMS(s[2] - s[1])},
        {D("dinmaans"), FormatHMS(s[4] - s[3])},
        {D("_AAYAN"), D(AyanKeys(t))},
        {D("_GOOL"), D(GolKeys(t))},
        {D("_RITU"), D(RituKeys(t))},
        {D("ascansh"), positionText(native.ascendant)},
        {D("mooansh"), positionText(native.Moon())},
        copied(r.bhogya),

        copied(r.father, true),
        copied(r.mother, true),
        copied(r.grandfather, true),
        copied(r.gotra, true),
        {r.vikramSamvat.caption, ZeroPad(samvat.vikram, 4)},
        {r.shakaSamvat.caption, ZeroPad(samvat.shaka, 4)},
        {D("Mas"), LunarMonthText(LunarMonthAtBirth(b))},
        {D("Paksh"), r.pakshaName},
        {D("sunanshRise"), positionText(rise.sun)},
        {D("mooanshRise"), positionText(rise.moon)},
        {D("sunanshBirth"), positionText(births.BirthSun)},
        {D("mooanshBirth"), positionText(births.BirthMoon)},
        {D("STithi"), D(atSunrise.tithi.key)},
        {D("ETithi"), TithiEndTime(standard, rise.hour, rise.minute, rise.second)},
        {D("TOB"), birthTime},
        {D("JTithi"), D(atBirth.tithi.key)},
        {D("Snak"), D(atSunrise.nakshatra.key)},
        {D("Enak"), NakshatraEndTime(standard, rise.hour, rise.minute, rise.second)},
        {D("bdnak"), D(NakshatraKeys(CalcNakshatra(births.BirthMoon)))},
        {D("Syog"), D(atSunrise.yoga.key)},
        {D("Eyog"), YogaEndTime(standard, rise.hour, rise.minute, rise.second)},
        {D("bdyoga"), D(atBirth.yoga.key)},
        {D("Skaran"), D(atSunrise.karana.key)},
        {D("Ekaran"), KaranaEndTime(standard, rise.hour, rise.minute, rise.second)},
        {D("bdkaran"), CalcKaranaText(native.Moon(), native.Sun())},
    };
}

} // namespace tarvik::basic
