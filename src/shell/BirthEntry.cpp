#include "BirthEntry.h"

#include "EntryRules.h"
#include "calc/Chart.h"
#include "calc/Sunrise.h"
#include "calc/TextFormat.h"
#include "calc/TimeScale.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "refdata/Places.h"

#include <algorithm>

namespace tarvik {

namespace {

struct Coordinate {
    int degrees = 0;
    int minutes = 0;
    std::string direction;
};

Coordinate Split(const std::string& text)
{
    double degrees = 0, minutes = 0;
    std::string direction;
    SplitDegDirMin(text, degrees, minutes, direction);
    return {static_cast<int>(degrees), static_cast<int>(minutes), direction};
}

} // namespace

std::string PersonWord(int person) { return person == 0 ? "Male" : "Female"; }

bool FillNativeBirth(const PersonEntry& entry, const std::string& personWord)
{
    const std::optional<CountryRow> country = FindCountry(entry.zoneId);
    if (!country) {
        reporter().Message("Please select the Time Zone again for " + personWord);
        return false;
    }
    const std::optional<PlaceRow> place = FindPlace(entry.placeId);
    if (!place) {
        reporter().Message("Please select the Place again for " + personWord);
        return false;
    }

    BirthRecord& native = Native();
    native.Name = entry.name.toStdString();
    native.Place = place->name;
    const Coordinate lat = Split(place->latitude);
    native.LatDeg = lat.degrees;
    native.LatMin = lat.minutes;
    native.LatDir = lat.direction;
    const Coordinate lon = Split(place->longitude);
    native.LongDeg = lon.degrees;
    native.LongMin = lon.minutes;
    native.LongDir = lon.direction;

    native.Country = country->name;
    const Coordinate zone = Split(country->zone);
    native.ZoneDeg = zone.degrees;
    native.ZoneMin = zone.minutes;
    native.ZoneDir = zone.direction;
    native.ZoneMeridian = (IsEast(zone.direction) ? 1 : -1) * (zone.degrees + zone.minutes / 60.0);
    native.ZoneHours = native.ZoneMeridian / 15;

    native.Day = entry.birthDate.day();
    native.Month = entry.birthDate.month();
    native.Year = entry.birthDate.year();
    return true;
}

bool FillNativeTime(const PersonEntry& entry)
{
    const std::optional<QTime> time = ReadTimeEntry(entry.birthTime);
    if (!time)
        return false;
    BirthRecord& native = Native();
    native.Hour = time->hour();
    native.Minute = time->minute();
    native.Second = time->second();
    native.Sex = entry.sexIndex == 0 ? "Male" : "Female";

    const int sign = entry.warSign == u"+" ? 1 : -1;
    const int hours = static_cast<int>(Val(entry.warHours));
    const int minutes = static_cast<int>(Val(entry.warMinutes));
    Births().NativeWarTime = {double(sign * hours), double(minutes), 0};
    native.TimeCorrection = WarTimeCorrection(sign, hours, minutes);
    return true;
}

bool ComputePerson(const PersonEntry& entry, int ayanamsaChoice, PersonRole role)
{
    if (!FillNativeTime(entry))
        return false;
    OutputRun().AyanamsaChoice = ayanamsaChoice;
    CalcChart();
    TakeBirthLongitudes();
    if (role == PersonRole::Girl)
        KeepGirlResults();
    else if (role == PersonRole::Boy)
        KeepBoyResults();
    return true;
}

// The birth longitude copies in traditional order and the chart element each
// comes from (computation order).
constexpr std::pair<double BirthState::*, int> BirthBodies[] = {
    {&BirthState::BirthSun, Sun},         {&BirthState::BirthMoon, Moon},
    {&BirthState::BirthMars, Mars},       {&BirthState::BirthMercury, Mercury},
    {&BirthState::BirthJupiter, Jupiter}, {&BirthState::BirthVenus, Venus},
    {&BirthState::BirthSaturn, Saturn},   {&BirthState::BirthRahu, Rahu},
    {&BirthState::BirthKetu, Ketu},       {&BirthState::BirthUranus, Uranus},
    {&BirthState::BirthNeptune, Neptune}, {&BirthState::BirthPluto, Pluto},
};

void TakeBirthLongitudes()
{
    const ChartState& chart = Chart();
    BirthState& b = Births();
    b.BirthAyanamsa = chart.PlanetLongitudes[AyanamsaSlot];
    b.BirthLagna = chart.HouseCusps[1];
    for (const auto& [copy, body] : BirthBodies)
        b.*copy = chart.PlanetLongitudes[body];
}

void KeepGirlResults()
{
    const ChartState& chart = Chart();
    MatchCopies& m = Match();
    std::copy(&chart.SaptavargaSigns[0][0], &chart.SaptavargaSigns[0][0] + 14 * 8,
              &m.PartnerSaptavargaSigns[0][0]);
    m.PartnerLongitudes = chart.PlanetLongitudes;
    m.PartnerCusps = chart.HouseCusps;
    m.PartnerSandhis = chart.BhavaSandhi;
    m.PartnerSiderealTime = chart.SiderealTime;
    m.PartnerSunTimes = CalcSunrise();
    Births().Partner = Native();
    m.PartnerPlaceLongitude = chart.PlaceLongitude;
    m.PartnerZoneMeridian = chart.ZoneMeridianDeg;
    Births().PartnerWarTime = Births().NativeWarTime;
}

void KeepBoyResults()
{
    const ChartState& chart = Chart();
    std::copy(&chart.SaptavargaSigns[0][0], &chart.SaptavargaSigns[0][0] + 14 * 8,
              &Match().NativeSaptavargaSigns[0][0]);
}

void SetFamily(const FamilyEntry& family)
{
    BirthState& b = Births();
    b.Father = family.father.toStdString();
    b.Mother = family.mother.toStdString();
    b.Grandfather = family.grandfather.toStdString();
    b.Gotra = family.gotra.toStdString();
}

} // namespace tarvik
