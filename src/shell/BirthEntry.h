#pragma once

// From one person's entries to the birth record the run is prepared from.
// The output run reads the persons in turn (in a match the girl first, then
// the boy): the identity, place and date into Native first
// (FillNativeBirth), the age question in between, then the time and the
// war-time correction (PersonInputOf); the charts are cast from the values
// (PrepareRun, calc/RunCopies.h).

#include "calc/RunCopies.h"
#include "core/BirthRecord.h"

#include <QDate>
#include <QString>

#include <optional>
#include <string>

namespace tarvik {

// What the entry form holds for one person.
struct PersonEntry {
    QString name;
    long long zoneId = 0;      // "Country ID" of the zone picked, 0 when none
    long long placeId = 0;     // "Place ID" of the place picked, 0 when none
    QDate birthDate;
    QString birthTime;         // as typed: "10:30:00 AM"
    int sexIndex = 0;          // 0 "Male", 1 "Female"
    QString warSign = QStringLiteral("+");
    QString warHours = QStringLiteral("0");
    QString warMinutes = QStringLiteral("0");
};

// The family particulars printed on the Basic page.
struct FamilyEntry {
    QString father, mother, grandfather, gotra;
};

// "Male" for the first person (the boy), "Female" for the second (the girl):
// the word that ends the zone and place messages.
std::string PersonWord(int person);

// Name, place row, country row (zone) and birth date into Native. A zone or
// place row that no longer exists is reported as the output run reports an
// empty picker ("Please select the Time Zone again for " + word, or the
// Place) and leaves false.
bool FillNativeBirth(const PersonEntry& entry, const std::string& personWord);

// The person as the run is prepared from: the birth record that
// FillNativeBirth filled, with the birth time, the sex and the time
// correction (clocks that ran h:m ahead, "+", are turned back to standard
// time), and the war-time correction as entered. Nothing when the time text
// is unreadable.
std::optional<PersonInput> PersonInputOf(const PersonEntry& entry, const BirthRecord& birth);

// The whole birth record of one person's entries, filled as the output run
// fills Native, without touching Native or the war-time entries: nullopt,
// the message shown, when the zone or place row is gone or the time cannot
// be read.
std::optional<BirthRecord> BirthRecordOf(const PersonEntry& entry, const std::string& personWord);

// The family fields as the Basic page prints them.
FamilyLines FamilyLinesOf(const FamilyEntry& family);

} // namespace tarvik
