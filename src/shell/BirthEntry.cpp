#include "BirthEntry.h"

#include "EntryRules.h"
#include "calc/Chart.h"
#include "calc/RunCopies.h"
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
    // The sign stays on the hours also when there are none: "-0:30" keeps a
    // minus zero, which the Basic page prints as the dash.
    Births().NativeWarTime = {sign * static_cast<double>(hours), double(minutes), 0};
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

void SetFamily(const FamilyEntry& family)
{
    BirthState& b = Births();
    b.Father = family.father.toStdString();
    b.Mother = family.mother.toStdString();
    b.Grandfather = family.grandfather.toStdString();
    b.Gotra = family.gotra.toStdString();
}

} // namespace tarvik
