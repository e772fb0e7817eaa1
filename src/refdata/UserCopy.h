#pragma once

// The user's own copy of the data database (made when the program folder
// cannot be written) and the atlas delivered with the program. The copy
// records which of its places and zones are the user's: every row added,
// changed or deleted in it, by the editors, the coordinate import or any
// other program, is listed in its table UserRows by triggers of its own.
// When the delivered file is no longer the one the copy was last brought up
// to date from (a newer package), the rows the user never touched take the
// atlas's values, the atlas's new rows are added and the rows it dropped go;
// the user's rows stay as the user left them.

#include "Database.h"

#include <string>

namespace tarvik {

// The delivered file as it is now: its size and modification time, in a text
// the copy keeps; empty when the file cannot be read.
std::string AtlasStamp(const std::string& deliveredFile);

// Whether the copy was last brought up to date from the delivered file as it
// now is (a copy made before copies recorded this never was).
bool UpToDateWith(Database& copy, const std::string& deliveredFile);

// Brings the copy up to date with the delivered file in one transaction:
// either all of it or, on a failure (a DbError naming the file), nothing.
// A copy made before copies recorded their user's rows counts every place
// and zone that differs from the delivered atlas, or that it lacks, as the
// user's. Afterwards the copy records the user's rows from here on, numbers
// the user's new places and zones far above any id of the atlas, and carries
// the delivered file's stamp.
void BringUpToDate(Database& copy, const std::string& deliveredFile);

// A copy just made of the delivered file, the atlas as it is, left as
// BringUpToDate would leave it, in one transaction: from here on it records
// the user's rows (none yet), numbers the user's new rows apart and carries
// the delivered file's stamp.
void StartRecords(Database& copy, const std::string& deliveredFile);

// The first id the user's new rows get: above every GeoNames place id and
// every zone id the atlas derives from a country code.
inline constexpr long long FirstUserPlaceId = 1'000'000'000;
inline constexpr long long FirstUserZoneId = 1'000'000;

} // namespace tarvik
