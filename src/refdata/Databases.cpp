#include "Databases.h"

#include "DatabaseFiles.h"
#include "DatabaseTextSource.h"
#include "UserCopy.h"
#include "core/FileWrite.h"
#include "core/State.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace tarvik {

namespace {

struct Handles {
    Database reference;
    Database definitions;
    Database data;
    SubLordTable subLords;
    std::optional<TableCursor> places, countries, dictionary, predictions, varshphal, match;
    std::unique_ptr<DatabaseTextSource> text;
    std::string dataReadOnly;   // why the data database is open read-only
    std::string atlasRefresh;   // why the user's copy could not take the delivered atlas
};

Handles& handles()
{
    static Handles h;
    return h;
}

[[noreturn]] void NotOpen(std::string_view what)
{
    throw DbError({}, "The " + std::string(what) + " is not open.");
}

Database& Opened(Database& db, std::string_view what)
{
    if (!db.IsOpen())
        NotOpen(what);
    return db;
}

TableCursor& Opened(std::optional<TableCursor>& cursor, std::string_view table)
{
    if (!cursor)
        NotOpen("table " + std::string(table));
    return *cursor;
}

bool Writable(const std::string& path) { return ::access(path.c_str(), W_OK) == 0; }

std::error_code LastError() { return {errno, std::system_category()}; }

// Copies a file with plain reads and writes, so that a failure carries the
// system's own reason (a full disk is "No space left on device", which a
// buffered copy reports only as an input/output error). The data is on the
// disk when it returns without error.
std::error_code CopyWholeFile(const std::string& from, const std::string& to)
{
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return LastError();
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (out < 0) {
        const std::error_code ec = LastError();
        ::close(in);
        return ec;
    }
    std::error_code ec;
    char buffer[1 << 16];
    while (!ec) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno != EINTR)
                ec = LastError();
            continue;
        }
        if (const int error = WriteAll(out, std::string_view(buffer, static_cast<std::size_t>(n))); error != 0)
            ec = {error, std::system_category()};
    }
    if (!ec && ::fsync(out) != 0)
        ec = LastError();
    if (::close(out) != 0 && !ec)
        ec = LastError();
    ::close(in);
    return ec;
}

} // namespace

std::string ProgramFile(std::string_view name)
{
    return (fs::path(Program().ProgramFolder) / std::string(name)).string();
}

namespace {

bool HoldsADatabase(const fs::path& folder)
{
    std::error_code ec;
    for (std::string_view name : {DataDatabaseFile, DefinitionsDatabaseFile, ReferenceDatabaseFile})
        if (fs::is_regular_file(folder / std::string(name), ec))
            return true;
    return false;
}

} // namespace

std::string ProgramFolderFor(const std::string& executableFolder)
{
    if (HoldsADatabase(executableFolder))
        return executableFolder;
    const fs::path installed = (fs::path(executableFolder) / TARVIK_INSTALLED_DATA_FROM_BIN).lexically_normal();
    if (HoldsADatabase(installed))
        return installed.string();
    return executableFolder;
}

std::string ExecutableFolder(const char* argv0)
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return exe.parent_path().string();
    if (argv0 && *argv0)
        return fs::absolute(argv0, ec).parent_path().string();
    return ".";
}

std::string UserDataFolder()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return (fs::path(xdg) / "Tarvik").string();
    const char* home = std::getenv("HOME");
    return (fs::path(home && *home ? home : ".") / ".local" / "share" / "Tarvik").string();
}

std::string DataDatabasePath(const std::string& programFolder, const std::string& userFolder,
                             bool programFolderWritable)
{
    const std::string delivered = (fs::path(programFolder) / std::string(DataDatabaseFile)).string();
    if (programFolderWritable)
        return delivered;
    const std::string copy = (fs::path(userFolder) / std::string(DataDatabaseFile)).string();
    std::error_code ec;
    if (fs::is_regular_file(copy, ec))
        return copy;
    // Check the delivered file before anything is written: a missing or
    // damaged one must leave no copy and no folder behind.
    { Database check(delivered, OpenMode::ReadOnly); }
    fs::create_directories(userFolder, ec);
    if (ec)
        throw UserCopyError(copy, "The folder \"" + userFolder + "\" cannot be created: " + ec.message() + ".");
    const std::string temporary = copy + ".tmp";
    ec = CopyWholeFile(delivered, temporary);
    if (!ec)
        fs::permissions(temporary, fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::add, ec);
    std::string why = ec.message();
    if (!ec) {
        // From its first start the copy records which rows become the user's.
        try {
            Database made(temporary, OpenMode::ReadWrite);
            StartRecords(made, delivered);
        } catch (const DbError& e) {
            ec = std::make_error_code(std::errc::io_error);
            why = e.what();
        }
    }
    if (!ec)
        fs::rename(temporary, copy, ec);
    if (ec) {
        std::error_code ignore;
        fs::remove(temporary, ignore);
        fs::remove(temporary + "-journal", ignore);
        throw UserCopyError(copy, "The database \"" + delivered + "\" cannot be copied to \"" + copy +
                                      "\": " + (why.empty() ? ec.message() : why) + ".");
    }
    return copy;
}

std::string DataDatabasePath()
{
    const std::string folder = Program().ProgramFolder;
    const std::string delivered = ProgramFile(DataDatabaseFile);
    // SQLite writes its journal beside the file, so the folder must be writable too.
    const bool writable = Writable(folder) && (!fs::exists(delivered) || Writable(delivered));
    return DataDatabasePath(folder, UserDataFolder(), writable);
}

void OpenReferenceConnection()
{
    Handles& h = handles();
    Database db(ProgramFile(ReferenceDatabaseFile), OpenMode::ReadOnly);
    h.subLords = SubLordTable::Load(db);
    h.reference = std::move(db);
}

void OpenDictionaryConnection()
{
    handles().definitions = Database(ProgramFile(DefinitionsDatabaseFile), OpenMode::ReadOnly);
}

void OpenDataDatabase(DataAccess access)
{
    Handles& h = handles();
    h.dataReadOnly.clear();
    const std::string delivered = ProgramFile(DataDatabaseFile);
    if (access == DataAccess::ReadOnly) {
        h.data = Database(delivered, OpenMode::ReadOnly);
        return;
    }
    h.atlasRefresh.clear();
    try {
        const std::string path = DataDatabasePath();
        h.data = Database(path, OpenMode::ReadWrite);
        if (path != delivered && !UpToDateWith(h.data, delivered)) {
            // A newer atlas (or a copy made before copies took one): the
            // places the user never touched are brought up to date.
            try {
                BringUpToDate(h.data, delivered);
            } catch (const DbError& e) {
                h.atlasRefresh = "The places and time zones could not be brought up to date with those "
                                 "installed with the program: " + std::string(e.what()) +
                                 "\nYour own copy is used as it is; the next start tries again.";
            }
        }
    } catch (const UserCopyError& e) {
        // A chart needs no writing: the delivered file serves, read as it is.
        h.data = Database(delivered, OpenMode::ReadOnly);
        h.dataReadOnly = "Places and time zones cannot be added or changed while the program runs so.\n"
                         "The program folder \"" + Program().ProgramFolder + "\" cannot be written. " +
                         e.what() + "\nThe places are read from \"" + delivered +
                         "\" as it was delivered: the editors show them but cannot save.";
    }
}

const std::string& DataDatabaseReadOnlyReason() { return handles().dataReadOnly; }

const std::string& AtlasRefreshProblem() { return handles().atlasRefresh; }

void OpenReferenceDatabases(DataAccess access)
{
    CloseReferenceDatabases();
    try {
        OpenReferenceConnection();
        OpenDictionaryConnection();
        OpenDataDatabase(access);
        Handles& h = handles();
        h.places.emplace(h.data, "Places");
        h.countries.emplace(h.data, "Countries");
        h.dictionary.emplace(h.definitions, "Dictionary");
        h.predictions.emplace(h.definitions, "Predictions");
        h.varshphal.emplace(h.definitions, "Varshphal");
        h.match.emplace(h.definitions, "Match");
        h.countries->SetIndex("Country");
        h.dictionary->SetIndex("ID");
        h.predictions->SetIndex("CODE");
        h.varshphal->SetIndex("PrimaryKey");
        h.match->SetIndex("ID");
        h.text = std::make_unique<DatabaseTextSource>(h.definitions);
        SetTextSource(h.text.get());
    } catch (...) {
        CloseReferenceDatabases();
        throw;
    }
}

void CloseReferenceDatabases()
{
    Handles& h = handles();
    if (h.text && CurrentTextSource() == h.text.get())
        SetTextSource(nullptr);
    h.text.reset();
    h.places.reset();
    h.countries.reset();
    h.dictionary.reset();
    h.predictions.reset();
    h.varshphal.reset();
    h.match.reset();
    h.subLords = SubLordTable();
    h.dataReadOnly.clear();
    h.atlasRefresh.clear();
    h.reference = Database();
    h.definitions = Database();
    h.data = Database();
}

bool ReferenceDatabasesOpen()
{
    const Handles& h = handles();
    return h.reference.IsOpen() && h.definitions.IsOpen() && h.data.IsOpen() && h.match.has_value();
}

Database& DataConnection() { return Opened(handles().reference, "reference database"); }
Database& DefDatabase() { return Opened(handles().definitions, "definitions database"); }
Database& DatDatabase() { return Opened(handles().data, "data database"); }
TableCursor& PlacesTable() { return Opened(handles().places, "Places"); }
TableCursor& CountriesTable() { return Opened(handles().countries, "Countries"); }
TableCursor& DictionaryTable() { return Opened(handles().dictionary, "Dictionary"); }
TableCursor& PredictionsTable() { return Opened(handles().predictions, "Predictions"); }
TableCursor& VarshphalTable() { return Opened(handles().varshphal, "Varshphal"); }
TableCursor& MatchTable() { return Opened(handles().match, "Match"); }

const SubLordTable& ReferenceSubLords()
{
    const Handles& h = handles();
    if (h.subLords.Empty())
        NotOpen("reference database");
    return h.subLords;
}

} // namespace tarvik
