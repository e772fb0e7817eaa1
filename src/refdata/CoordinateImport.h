#pragma once

// Corrected place coordinates from a gazetteer file of the layout of
// "latlong.mdb": its table city (Country, State, place, longtude, longsign,
// Latitude, latsign, id) gives each place its coordinates as numbers whose
// whole part is the degrees and whose fraction holds the minutes (77.13 is
// 77 deg 13', 77.1 is 77 deg 10'), with the direction letters apart.
//
// A source row corrects the place of that name (letter case aside) in the
// zones of its country: the Countries row of that name, or the rows of the
// country's zones, named "Country (zone)". The import is one transaction: it
// is written whole or, on any failure, not at all.

#include "CoordinateEntry.h"
#include "Database.h"

#include <string>
#include <string_view>

namespace tarvik {

inline constexpr std::string_view ImportSourceFile = "latlong.mdb";

struct ImportSummary {
    long long rows = 0;         // source rows read
    long long corrected = 0;    // places whose coordinates were rewritten
    long long unchanged = 0;    // places that held them already
    long long unmatched = 0;    // rows naming no place of their country
    long long ambiguous = 0;    // rows naming a place that their country has more than once
    long long unreadable = 0;   // rows whose coordinates cannot be read

    bool operator==(const ImportSummary&) const = default;
};

// A source coordinate as stored coordinate text (77.13 and "e" give 77E13,
// a whole 77 gives 77E00, 28.395 and N give 28N39); empty when the number or
// the letter cannot be read or lies out of range.
std::string SourceCoordinate(const Value& number, const Value& letter, CoordinateKind kind);

// Rewrites Latitude and Longitude of the places of data that the rows of
// source's table city name. A place named twice in its country is left
// alone: the rows cannot tell which one they mean. Throws a DbError (and
// has written nothing) when a table is missing or a write fails.
ImportSummary ImportCorrectedCoordinates(Database& data, Database& source);

// The summary in a sentence or two for the user.
std::string ImportReport(const ImportSummary& summary);

} // namespace tarvik
