#include "BirthEntry.h"

#include "EntryRules.h"
#include "calc/TextFormat.h"
#include "calc/TimeScale.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "refdata/Places.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {

Coordinate Split(const std::string& text)
{
    double degrees = 0, minutes = 0;
    std::string direction;
    SplitDegDirMin(text, degrees, minutes, direction);
    // Whole degrees and minutes, cut; a damaged stored text cannot overflow them.
    const auto whole = [](double v) { return std::isfinite(v) ? static_cast<int>(std::clamp(v, -1e6, 1e6)) : 0; };
    return {whole(degrees), whole(minutes), direction};
}

// The identity, place, zone and date of one person's entries into record;
// nothing is written when the zone or place row is gone.
bool fillBirth(const PersonEntry& entry, const std::string& personWord, BirthRecord& record)
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
    // A stored text the editors would refuse is no coordinate to cast from.
    for (const std::string& damaged : {DamagedCoordinates(*country), DamagedCoordinates(*place)})
        if (!damaged.empty()) {
            reporter().Message(damaged);
            return false;
        }

    record.Name = entry.name.toStdString();
    record.Place = place->name;
    record.SetLatitude(Split(place->latitude));
    record.SetLongitude(Split(place->longitude));

    record.Country = country->name;
    const Coordinate zone = Split(country->zone);
    record.SetZone(zone);
    record.ZoneMeridian = (IsEast(zone.direction) ? 1 : -1) * (zone.degrees + zone.minutes / 60.0);
    record.ZoneHours = record.ZoneMeridian / 15;

    record.SetDate({entry.birthDate.day(), entry.birthDate.month(), entry.birthDate.year()});
    return true;
}

// The time, sex and war-time correction; nothing is written when the time
// text is unreadable.
bool fillTime(const PersonEntry& entry, BirthRecord& record, WarTime& warTime)
{
    const std::optional<QTime> time = ReadTimeEntry(entry.birthTime);
    if (!time)
        return false;
    record.SetClock({time->hour(), time->minute(), time->second()});
    record.Sex = entry.sexIndex == 0 ? "Male" : "Female";

    const int sign = entry.warSign == u"+" ? 1 : -1;
    const int hours = static_cast<int>(Val(entry.warHours));
    const int minutes = static_cast<int>(Val(entry.warMinutes));
    // The sign stays on the hours also when there are none: "-0:30" keeps a
    // minus zero, which the Basic page prints as the dash.
    warTime = {sign * static_cast<double>(hours), double(minutes), 0};
    record.TimeCorrection = WarTimeCorrection(sign, hours, minutes);
    return true;
}

} // namespace

std::string PersonWord(int person) { return person == 0 ? "Male" : "Female"; }

bool FillNativeBirth(const PersonEntry& entry, const std::string& personWord)
{
    return fillBirth(entry, personWord, Native());
}

std::optional<PersonInput> PersonInputOf(const PersonEntry& entry, const BirthRecord& birth)
{
    PersonInput person{birth};
    if (!fillTime(entry, person.birth, person.warTime))
        return std::nullopt;
    return person;
}

std::optional<BirthRecord> BirthRecordOf(const PersonEntry& entry, const std::string& personWord)
{
    BirthRecord record;
    WarTime warTime{};
    if (!fillBirth(entry, personWord, record))
        return std::nullopt;
    if (!fillTime(entry, record, warTime)) {
        reporter().Message(InvalidTimeMessage);
        return std::nullopt;
    }
    return record;
}

FamilyLines FamilyLinesOf(const FamilyEntry& family)
{
    return {family.father.toStdString(), family.mother.toStdString(), family.grandfather.toStdString(),
            family.gotra.toStdString()};
}

} // namespace tarvik
