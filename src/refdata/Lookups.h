#pragma once

// The KP sub lord of a longitude and the Hindi word for an English one.

#include "Database.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

// One nakshatra (48000 arc-seconds, 13°20') is divided among the nine lords
// in their cyclic order, each in proportion to its Vimshottari years
// (years × 400 arc-seconds); the subs of a nakshatra begin with its own lord.
inline constexpr double NakshatraArcSeconds = 48000;

struct SubLordSpan {
    std::string lord;   // as the table writes it
    double span = 0;    // arc-seconds
};

class SubLordTable {
public:
    SubLordTable() = default;
    // subs in stored (cyclic) order; starLords[n] the lord of nakshatra n = 0 (Ashvini) .. 26.
    // Throws std::invalid_argument when the rows cannot serve: not nine distinct
    // lords, a span not above 0, spans not adding to one nakshatra, or a star
    // lord without a sub row.
    SubLordTable(std::vector<SubLordSpan> subs, std::array<std::string, 27> starLords);

    // Reads the tables sublord (stored order) and Nakshatr of the reference
    // database; bad rows are a DbError naming the file.
    static SubLordTable Load(Database& reference);

    // Longitude in arc-seconds, reduced into [0, 1296000) first. A position
    // exactly on the end of a sub belongs to the next lord.
    const std::string& SubLordOf(double arcSeconds) const;

    bool Empty() const { return subs_.empty(); }

private:
    std::vector<SubLordSpan> subs_;
    std::array<int, 27> starRow_{};   // row of subs_ holding each nakshatra's lord
};

// The sub lord of a sidereal longitude in arc-seconds (degrees × 3600), from
// the reference database opened at start-up.
std::string GetSubLord(double arcSeconds);

// The Hindi text of an English word from the Dictionary (held in memory by
// the text source), when the pages are in Hindi; the word itself in English,
// and for a word the Dictionary does not hold or when no database is open.
std::string TranslateWord(std::string_view word, bool hindi);

} // namespace tarvik
