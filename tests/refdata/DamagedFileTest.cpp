// Database files as users receive or leave them: every kind of damage is
// found by the engine and told as damage with the file's name, never a
// crash; a file edited with today's sqlite3 opens; a save that a kill
// interrupted is undone before anything is read.

#include "DamagedDatabases.h"
#include "RefdataFixture.h"

#include "refdata/Database.h"
#include "refdata/Databases.h"

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// Reads every row of every table, as the pickers, pages and lookups read
// them between them.
void ReadEveryTable(Database& db)
{
    std::vector<std::string> tables;
    for (Recordset r(db, "SELECT name FROM sqlite_master WHERE type IN ('table', 'view')"); !r.Eof(); r.MoveNext())
        tables.push_back(r.Field(0).Text());
    for (const std::string& table : tables)
        for (Recordset r(db, "SELECT * FROM " + QuoteIdentifier(table)); !r.Eof(); r.MoveNext())
            for (int i = 0; i < r.FieldCount(); ++i)
                r.Field(i);
}

void OpenAndReadAll(const ScratchFolder& folder, DataAccess access = DataAccess::ReadWrite)
{
    ResetProgramState();
    Program().ProgramFolder = folder.Path().string();
    OpenReferenceDatabases(access);
    for (Database* db : {&DataConnection(), &DefDatabase(), &DatDatabase()})
        ReadEveryTable(*db);
}

} // namespace

TEST(DamagedFile, EveryDamageIsToldAsDamageWithTheFilesName)
{
    const struct {
        std::string_view file;
        const char *table, *otherTable;
    } files[] = {
        {DataDatabaseFile, "Places", "CountryNames"},
        {DefinitionsDatabaseFile, "Dictionary", "Match"},
        {ReferenceDatabaseFile, "velantar", "period"},
    };
    for (const auto& f : files) {
        for (const Damage& damage : DatabaseDamages(f.table, f.otherTable)) {
            SCOPED_TRACE(std::string(f.file) + ": " + damage.what);
            ScratchFolder folder;
            folder.CopyDeliveredDatabases();
            const std::string path = folder.File(std::string(f.file));
            damage.apply(path);
            for (DataAccess access : {DataAccess::ReadWrite, DataAccess::ReadOnly}) {
                try {
                    OpenAndReadAll(folder, access);
                    ADD_FAILURE() << "read as sound";
                } catch (const DbError& e) {
                    EXPECT_EQ(e.Fault(), DbFault::Damaged) << e.what();
                    EXPECT_EQ(e.File(), path);
                    EXPECT_NE(std::string(e.what()).find("\"" + path + "\""), std::string::npos) << e.what();
                    EXPECT_NE(std::string(e.what()).find("damaged"), std::string::npos) << e.what();
                }
                CloseReferenceDatabases();
            }
        }
    }
}

TEST(DamagedFile, AFileEditedWithTodaysSqliteOpens)
{
    ScratchFolder folder;
    folder.CopyDeliveredDatabases();
    EditWithTodaysSqlite(folder.File(std::string(DataDatabaseFile)));
    EXPECT_NO_THROW(OpenAndReadAll(folder));
    EXPECT_TRUE(ReferenceDatabasesOpen());
    // The window function of the user's view works on the places.
    Recordset ranks(DatDatabase(), "SELECT max(Rank) FROM PlaceRanks");
    EXPECT_GT(ranks.Field(0).Int(), 1000);
    CloseReferenceDatabases();
}

// A program killed in the middle of saving places leaves changed pages and
// a journal of them as they were: whoever opens the file next, the tools
// with their read-only connection too, reads it as it was before the save.
TEST(DamagedFile, ASaveInterruptedByAKillIsUndoneBeforeAnythingIsRead)
{
    for (DataAccess access : {DataAccess::ReadOnly, DataAccess::ReadWrite}) {
        SCOPED_TRACE(access == DataAccess::ReadOnly ? "read-only" : "for writing");
        ScratchFolder folder;
        folder.CopyDeliveredDatabases();
        const std::string path = folder.File(std::string(DataDatabaseFile));
        InterruptSave(path);
        ASSERT_TRUE(fs::exists(path + "-journal"));
        EXPECT_NO_THROW(OpenAndReadAll(folder, access));
        Recordset interrupted(DatDatabase(), "SELECT count(*) FROM Places WHERE PlaceName = 'Interrupted'");
        EXPECT_EQ(interrupted.Field(0).Int(), 0);
        CloseReferenceDatabases();
        EXPECT_FALSE(fs::exists(path + "-journal"));
    }
}
