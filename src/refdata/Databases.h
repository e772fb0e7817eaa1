#pragma once

// The program's databases, opened once at start-up and held for the run:
//   DataConnection()  the reference database (sub lords, nakshatra
//                     lords, Saturn's sign changes, velantar, ghat, prediction paragraphs)
//   DefDatabase()     the definitions database (Dictionary, Match, Predictions, Varshphal)
//   DatDatabase()     the data database (Places, Countries), the only one written
// and the table cursors the pages, pickers and editors share. A missing or
// damaged file stops the opening with a DbError naming the file, and
// nothing is created.

#include "Database.h"
#include "Lookups.h"
#include "TableCursor.h"

#include <string>

namespace tarvik {

// Opens the reference database (read-only) and checks its sub-lord
// and nakshatra-lord tables.
void OpenReferenceConnection();
// Opens the definitions database (read-only); it also serves the word lookup.
void OpenDictionaryConnection();
// How the data database is opened: for writing (the program, see
// DataDatabasePath), or read-only from the program folder (the tools, which
// change nothing and so need no writable copy).
enum class DataAccess { ReadWrite, ReadOnly };

// Opens the data database. For writing, when neither the program folder nor
// the user's data folder can hold a writable file (a read-only program
// folder and a read-only or full home), the delivered file is opened
// read-only instead and DataDatabaseReadOnlyReason says so.
void OpenDataDatabase(DataAccess access = DataAccess::ReadWrite);

// Empty while the data database can be written; otherwise what the user is
// told once: that places and zones cannot be added or changed while the
// program runs so, and the system's reason.
const std::string& DataDatabaseReadOnlyReason();

// Empty unless the user's copy of the data database could not be brought up
// to date with the atlas installed with the program (see UserCopy.h); then
// what the user is told once. The copy is used as it was.
const std::string& AtlasRefreshProblem();

// Start-up: the three databases, then the cursors PlacesTable and
// CountriesTable (index "Country") on the data database and DictionaryTable,
// PredictionsTable, VarshphalTable, MatchTable (indexes "ID", "CODE",
// "PrimaryKey", "ID") on the definitions database; reads its four text tables
// into memory once and installs them as the source of the keyed texts. On
// failure everything opened is closed again.
void OpenReferenceDatabases(DataAccess access = DataAccess::ReadWrite);
void CloseReferenceDatabases();
bool ReferenceDatabasesOpen();

// Each throws a DbError when its database is not open.
Database& DataConnection();
Database& DefDatabase();
Database& DatDatabase();
TableCursor& PlacesTable();
TableCursor& CountriesTable();
TableCursor& DictionaryTable();
TableCursor& PredictionsTable();
TableCursor& VarshphalTable();
TableCursor& MatchTable();

// The sub-lord table read and checked when the reference database opened.
const SubLordTable& ReferenceSubLords();

// The program folder's file of that name.
std::string ProgramFile(std::string_view name);

// The program folder for an executable in `executableFolder`: that folder
// itself when it holds a database (a build's bin/, or the program unpacked
// into one folder), else the installed data folder beside it
// (<prefix>/share/tarvik for <prefix>/bin) when that holds one, else the
// executable's folder again, whose missing files are then reported.
std::string ProgramFolderFor(const std::string& executableFolder);

// The folder of the running executable (read from /proc/self/exe); when
// that cannot be read, the folder of argv0 (the program's own argv[0]) when
// given, else ".".
std::string ExecutableFolder(const char* argv0 = nullptr);

// $XDG_DATA_HOME/Tarvik, or ~/.local/share/Tarvik.
std::string UserDataFolder();

// The user's copy of the data database cannot be made: its folder cannot be
// created or the copy cannot be written (the message gives the system's reason).
class UserCopyError : public DbError {
public:
    using DbError::DbError;
};

// Where the data database is used from: the program folder's file when the
// folder can be written, else a copy in the user's data folder, made once
// from the delivered file (checked first, written through a temporary file)
// and from then on recording the user's own places and zones (UserCopy.h).
// A missing or damaged delivered file is a DbError, a copy that cannot be
// made a UserCopyError.
std::string DataDatabasePath();
std::string DataDatabasePath(const std::string& programFolder, const std::string& userFolder,
                             bool programFolderWritable);

} // namespace tarvik
