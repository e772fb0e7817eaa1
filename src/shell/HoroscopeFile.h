#pragma once

// Horoscope files ("*.TVK"): the main window's entries as plain text, one
// value per line. The mode ("Horo", or "Match" for a match), nine lines per
// person (the boy's first in a match, then the girl's): name, birth date
// "DD-MMM-YYYY", birth time as the box shows it, the sex's list position,
// the zone's "Country ID", the place's "Place ID", and the war-time
// correction's sign, hours and minutes as list positions; then the ayanamsa,
// chart-style and language positions, the first annual-chart year and the
// number of years as typed, and the father's, mother's and grandfather's
// names and the gotra. A horoscope takes 19 lines, a match 28.
//
// Each value has a line of its own, so a text holding a comma reads back
// whole. A file is read and checked whole before the window takes any of it.

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tarvik {

struct HoroscopePerson {
    QString name;
    QDate birthDate;
    QString birthTime;          // "10:30:00 AM"
    int sexIndex = 0;           // 0 "Male", 1 "Female"
    long long zoneId = 0;       // "Country ID"
    long long placeId = 0;      // "Place ID"
    int warSign = 0;            // 0 "+", 1 "-"
    int warHours = 0;           // 0..23
    int warMinutes = 0;         // 0..59

    bool operator==(const HoroscopePerson&) const = default;
};

struct HoroscopeEntries {
    bool match = false;
    std::array<HoroscopePerson, 2> persons{};   // the second only in a match
    int ayanamsa = 0;           // 0 "N.C.Lahiri", 1 "K.P.", 2 "B.V. Raman"
    int charting = 0;           // 0 "North Indian", 1 "South Indian"
    int language = 1;           // 0 "English", 1 "Hindi"
    QString varshphalFrom, varshphalYears;
    QString father, mother, grandfather, gotra;

    bool operator==(const HoroscopeEntries&) const = default;
};

// The horoscope file the entries on screen are: its name (empty for a
// horoscope no file holds yet) and the entries last saved or opened, so as
// to know whether those on screen differ (before any, from those the window
// started with). The second person counts only in a match, as a file keeps
// it only then.
class HoroscopeFile {
public:
    const QString& Name() const { return name_; }
    // The window's caption: the file's path, "...New" for a new horoscope.
    QString Caption() const;

    // The entries on screen as a horoscope no file holds yet (at start and
    // after New): nothing typed is lost by them.
    void StartNew(const HoroscopeEntries& entries);
    bool Changed(const HoroscopeEntries& entries) const { return !last_ || !(*last_ == Kept(entries)); }

    // A file's entries, read and checked whole, with the zones and places
    // the data database lacks dropped and named in missing; nothing, the
    // message shown, when it cannot be read or is damaged (nothing changes).
    std::optional<HoroscopeEntries> Read(const QString& path, std::vector<std::string>& missing) const;
    // The entries on screen now are those of the file at path.
    void Opened(const QString& path, const HoroscopeEntries& onScreen);
    // Writes the entries to path, through a temporary file; they are then
    // the file's. False, reported, when the file cannot be written: the
    // name and the saved entries stay.
    bool Save(const QString& path, const HoroscopeEntries& entries);

    // The file name proposed for entries no file holds: the person's name,
    // in a match the boy's and the girl's, without folder separators.
    static QString ProposedName(const HoroscopeEntries& entries);
    // What the user is told when a file opened lacks zones or places.
    static std::string MissingRowsMessage(const QString& path, const std::vector<std::string>& missing);

private:
    static HoroscopeEntries Kept(HoroscopeEntries entries)
    {
        if (!entries.match)
            entries.persons[1] = {};
        return entries;
    }

    QString name_;
    std::optional<HoroscopeEntries> last_;
};

// Asked before entries that differ are replaced or closed.
inline constexpr const char* SaveEntriesQuestion =
    "The entries have changed since they were last saved or opened.\nDo you want to save the entries ?";

// The longest texts the entry boxes take.
inline constexpr int VarshphalBoxLength = 4;
inline constexpr int FamilyBoxLength = 18;

QStringList HoroscopeFileLines(const HoroscopeEntries& entries);

// The entries of a file's lines; nothing, with what is wrong in problem
// ("line 5: ..."), when a line is missing or holds what its box cannot take.
// The first line selects a horoscope only when it is exactly "Horo". The
// annual-chart year and count go through their boxes' own rules (an empty
// year is the current one), as typing them would.
std::optional<HoroscopeEntries> ReadHoroscopeFile(const QStringList& lines, std::string& problem);

// The zones and places of the entries that the data database no longer has
// (a place counts as missing from a zone it does not lie in): each one's id
// is set to 0, so that its picker is left for the user, and a text names it
// ("the person's place of birth (Place ID 999) is not in the database").
std::vector<std::string> DropMissingRows(HoroscopeEntries& entries);

} // namespace tarvik
