#pragma once

// The three database files of the program folder. Linux names are
// case-sensitive: these spellings are the only ones used anywhere.

#include <string_view>

namespace tarvik {

inline constexpr std::string_view DataDatabaseFile = "Tarvik-Dat.MDB";        // Places, Countries
inline constexpr std::string_view DefinitionsDatabaseFile = "Tarvik-Def.MDB"; // display texts
inline constexpr std::string_view ReferenceDatabaseFile = "Tarvik-Zyv.mdb";   // reference tables

} // namespace tarvik
