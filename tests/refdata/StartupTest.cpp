#include "RefdataFixture.h"

#include "DbBuilder.h"
#include "refdata/Databases.h"
#include "refdata/TextLookup.h"

#include <gtest/gtest.h>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProgramState();
        folder.CopyDeliveredDatabases();
        Program().ProgramFolder = folder.Path().string();
    }
    void TearDown() override
    {
        CloseReferenceDatabases();
        ResetProgramState();
    }

    // Start-up must fail, name the file, and leave the folder as it was.
    void ExpectRefused(const std::string& file)
    {
        std::vector<std::string> before;
        for (const auto& e : fs::directory_iterator(folder.Path()))
            before.push_back(e.path().filename().string());
        try {
            OpenReferenceDatabases();
            ADD_FAILURE() << "start-up went on without " << file;
        } catch (const DbError& e) {
            EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
        }
        EXPECT_FALSE(ReferenceDatabasesOpen());
        EXPECT_THROW(DictionaryTable(), DbError);
        EXPECT_EQ(CurrentTextSource(), nullptr);
        std::vector<std::string> after;
        for (const auto& e : fs::directory_iterator(folder.Path()))
            after.push_back(e.path().filename().string());
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, before);
    }

    ScratchFolder folder;
};

TEST_F(Startup, OpensTheDeliveredFilesAndTheirTables)
{
    OpenReferenceDatabases();
    EXPECT_TRUE(ReferenceDatabasesOpen());
    EXPECT_EQ(CountriesTable().Index(), "Country");
    EXPECT_EQ(DictionaryTable().Index(), "ID");
    EXPECT_EQ(PredictionsTable().Index(), "CODE");
    EXPECT_EQ(VarshphalTable().Index(), "PrimaryKey");
    EXPECT_EQ(MatchTable().Index(), "ID");
    EXPECT_GT(PlacesTable().RecordCount(), 0);
    EXPECT_TRUE(DataConnection().HasTable("velantar"));
    EXPECT_NE(CurrentTextSource(), nullptr);
    EXPECT_EQ(DatDatabase().Path(), folder.File(std::string(DataDatabaseFile)));
}

TEST_F(Startup, AMissingOrDamagedFileStopsIt)
{
    for (std::string_view name : {ReferenceDatabaseFile, DefinitionsDatabaseFile, DataDatabaseFile}) {
        SCOPED_TRACE(std::string(name));
        const std::string file = folder.File(std::string(name));
        fs::remove(file);
        ExpectRefused(file);
        folder.Write(std::string(name), "not a database, only text that looks like one\n");
        ExpectRefused(file);
        folder.CopyDeliveredDatabases();
    }
    // The files in other spellings are not the program's files.
    fs::rename(folder.File("Tarvik-Zyv.mdb"), folder.File("Tarvik-Zyv.MDB"));
    ExpectRefused(folder.File("Tarvik-Zyv.mdb"));
}

// Reference tables that would make the sub-lord walk go wrong stop start-up.
TEST_F(Startup, BadSubLordRowsStopIt)
{
    const std::string source = SourceDir() + "/data/reference/";
    struct Case {
        const char* what;
        const char* sublord;
        const char* nakshatr;   // nullptr: the delivered table
    } cases[] = {
        {"spans short of a nakshatra", "nakshlord,nlgvm\nKetu,2800\nVenus,8000\nSun,2400\nMoon,4000\n"
                                       "Mars,2800\nRahu,7200\nJupiter,6400\nSaturn,7600\nMercury,6700\n",
         nullptr},
        {"eight lords", "nakshlord,nlgvm\nKetu,2800\nVenus,8000\nSun,2400\nMoon,4000\n"
                        "Mars,2800\nRahu,7200\nJupiter,6400\nSaturn,14400\n",
         nullptr},
        {"a star lord without a sub", "nakshlord,nlgvm\nKetu,2800\nVenus,8000\nSun,2400\nMoon,4000\n"
                                      "Mars,2800\nRahu,7200\nJupiter,6400\nSaturn,7600\nBudh,6800\n",
         nullptr},
        {"a missing nakshatra", nullptr, "non,nameh\n0,Ketu\n1,Venus\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        folder.Write("sublord.csv", c.sublord ? c.sublord : "");
        folder.Write("nakshatr.csv", c.nakshatr ? c.nakshatr : "");
        dbbuild::BuildPlan plan{folder.File(std::string(ReferenceDatabaseFile)),
                                SourceDir() + "/data/schema/reference.sql", {}, {}};
        plan.tables.push_back({"sublord", c.sublord ? folder.File("sublord.csv") : source + "sublord.csv"});
        plan.tables.push_back(
            {"Nakshatr", c.nakshatr ? folder.File("nakshatr.csv") : source + "nakshatr.csv"});
        dbbuild::BuildDatabase(plan);
        ExpectRefused(folder.File(std::string(ReferenceDatabaseFile)));
    }
}

TEST(DataDatabaseCopy, AReadOnlyProgramFolderGetsOneCopyInTheUsersFolder)
{
    ScratchFolder program, user;
    program.CopyDeliveredDatabases();
    const std::string delivered = program.File(std::string(DataDatabaseFile));
    const std::string userFolder = user.File("Tarvik");
    const std::string copy = userFolder + "/" + std::string(DataDatabaseFile);

    EXPECT_EQ(DataDatabasePath(program.Path().string(), userFolder, true), delivered);
    EXPECT_FALSE(fs::exists(userFolder));

    EXPECT_EQ(DataDatabasePath(program.Path().string(), userFolder, false), copy);
    ASSERT_TRUE(fs::exists(copy));
    EXPECT_FALSE(fs::exists(copy + ".tmp"));
    {
        Database db(copy, OpenMode::ReadWrite);
        db.Execute("DELETE FROM Places");   // the user's edits
    }
    // Once made, the copy is the one used, and never overwritten.
    EXPECT_EQ(DataDatabasePath(program.Path().string(), userFolder, false), copy);
    Database db(copy, OpenMode::ReadOnly);
    Recordset rs(db, "select count(*) as n from Places");
    EXPECT_EQ(rs.Field("n").Int(), 0);
}

TEST(DataDatabaseCopy, NothingIsCopiedFromAMissingOrDamagedFile)
{
    ScratchFolder program, user;
    const std::string userFolder = user.File("Tarvik");
    EXPECT_THROW(DataDatabasePath(program.Path().string(), userFolder, false), DbError);
    program.Write(std::string(DataDatabaseFile), "damaged");
    EXPECT_THROW(DataDatabasePath(program.Path().string(), userFolder, false), DbError);
    EXPECT_FALSE(fs::exists(userFolder));
}

TEST(DataDatabaseCopy, UserFolderFollowsXdg)
{
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string keep = saved ? saved : "";
    ::setenv("XDG_DATA_HOME", "/tmp/xdg-data", 1);
    EXPECT_EQ(UserDataFolder(), "/tmp/xdg-data/Tarvik");
    ::setenv("XDG_DATA_HOME", "", 1);
    const char* home = std::getenv("HOME");
    EXPECT_EQ(UserDataFolder(), std::string(home ? home : ".") + "/.local/share/Tarvik");
    if (saved)
        ::setenv("XDG_DATA_HOME", keep.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

// An executable finds its databases in its own folder first, and an
// installed one (<prefix>/bin) in <prefix>/share/tarvik.
TEST(ProgramFolder, OwnFolderFirstThenTheInstalledDataFolder)
{
    struct Case {
        const char* what;
        bool inBin, inShare;
        const char* expected;   // relative to the prefix
    };
    const Case cases[] = {
        {"a build's folder", true, false, "bin"},
        {"an installation", false, true, "share/tarvik"},
        {"both: the program folder first", true, true, "bin"},
        {"neither: the program folder, to report", false, false, "bin"},
    };
    for (const Case& c : cases) {
        ScratchFolder prefix;
        fs::create_directories(prefix.Path() / "bin");
        if (c.inBin)
            prefix.Write("bin/" + std::string(DefinitionsDatabaseFile), "x");
        if (c.inShare)
            prefix.Write("share/tarvik/" + std::string(ReferenceDatabaseFile), "x");
        EXPECT_EQ(ProgramFolderFor((prefix.Path() / "bin").string()), (prefix.Path() / c.expected).string())
            << c.what;
    }
}

} // namespace
