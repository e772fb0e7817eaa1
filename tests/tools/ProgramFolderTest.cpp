// The tools on the files a user's program folder may hold: databases
// damaged, edited with today's sqlite3, or left in the middle of a save by
// a program that was killed; a dictionary damaged into bytes that are no
// text; a batch file written by an editor that puts a byte-order mark first.

#include "OwnProgramFolder.h"
#include "refdata/DamagedDatabases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace tarvik;
using namespace tarvik::testing;
using namespace tarvik::toolruns;

namespace {

const std::string Delhi = "--date 15-08-1980 --time 10:30:00 --lat 28N39 --lon 77E13 --zone 82E30";

// Both tools over the folder's databases: the panchang, and three pages
// drawn to PNG and PDF.
struct BothRuns {
    ToolRun chartdump, renderpages;
};

BothRuns RunBoth(const OwnProgramFolder& folder)
{
    return {folder.Run("chartdump", "--panchang " + Delhi),
            folder.Run("renderpages", Delhi + " --pages Basic,Nirayana,KP1 --out " + folder.File("pages"))};
}

} // namespace

TEST(ProgramFolderTest, EveryDamageOfThePlacesFileIsToldAsDamageNamingIt)
{
    for (const Damage& damage : DatabaseDamages()) {
        SCOPED_TRACE(damage.what);
        OwnProgramFolder folder({"chartdump", "renderpages"});
        damage.apply(folder.File(DataDatabaseFile));
        const BothRuns runs = RunBoth(folder);
        for (const ToolRun& run : {runs.chartdump, runs.renderpages}) {
            EXPECT_EQ(run.exitCode, 1) << run.err;
            EXPECT_NE(run.err.find(folder.File(DataDatabaseFile)), std::string::npos) << run.err;
            EXPECT_NE(run.err.find("damaged"), std::string::npos) << run.err;
        }
    }
}

TEST(ProgramFolderTest, APlacesFileEditedWithTodaysSqliteIsRead)
{
    OwnProgramFolder folder({"chartdump", "renderpages"});
    EditWithTodaysSqlite(folder.File(DataDatabaseFile));
    const BothRuns runs = RunBoth(folder);
    EXPECT_EQ(runs.chartdump.exitCode, 0) << runs.chartdump.err;
    EXPECT_NE(runs.chartdump.out.find("\"Velantar\""), std::string::npos);
    EXPECT_EQ(runs.renderpages.exitCode, 0) << runs.renderpages.err;
    EXPECT_TRUE(std::filesystem::exists(folder.File("pages/pages.pdf")));
}

// The program was killed while it saved places: the tools read the file as
// it was before that save, undoing it where they may write the folder, and
// say plainly what happened, and how to finish it, where they may not.
TEST(ProgramFolderTest, APlacesFileLeftInTheMiddleOfASaveIsReadAsBeforeIt)
{
    {
        OwnProgramFolder folder({"chartdump", "renderpages"});
        InterruptSave(folder.File(DataDatabaseFile));
        const BothRuns runs = RunBoth(folder);
        EXPECT_EQ(runs.chartdump.exitCode, 0) << runs.chartdump.err;
        EXPECT_EQ(runs.renderpages.exitCode, 0) << runs.renderpages.err;
        EXPECT_FALSE(std::filesystem::exists(folder.File(DataDatabaseFile) + "-journal"));
    }
    OwnProgramFolder folder({"chartdump"});
    InterruptSave(folder.File(DataDatabaseFile));
    if (!folder.MakeReadOnly())
        GTEST_SKIP() << "no read-only file system can be mounted here";
    const ToolRun run = folder.Run("chartdump", "--panchang " + Delhi);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty()) << run.out;
    for (const std::string& said : {folder.File(DataDatabaseFile), std::string("another program began to save"),
                                    std::string("stopped before it finished"), std::string("undoes it")})
        EXPECT_NE(run.err.find(said), std::string::npos) << said << " in " << run.err;
    EXPECT_EQ(run.err.find("readonly"), std::string::npos) << run.err;
}

// Texts of the dictionary damaged into bytes that are no text, letters of
// a script Qt lays out in no font among them: every page draws, on the
// preview's pictures and in the PDF.
TEST(ProgramFolderTest, ADictionaryOfBytesThatAreNoTextDrawsEveryPage)
{
    OwnProgramFolder folder({"renderpages"});
    // Thaana letters, a broken UTF-8 sequence, control characters, a NUL.
    RunSql(folder.File(DefinitionsDatabaseFile),
           "UPDATE Dictionary SET ENG = X'DE80DEA6DE8DDEA6C328011B5B306D00FFFE' || CAST(rowid AS BLOB), "
           "HIN = X'EDA080F4908080DE8ADEA6' || ENG;");
    const ToolRun run =
        folder.Run("renderpages", Delhi + " --lang en --pages Basic,Nirayana,KP1,Maitri --out " + folder.File("pages"));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(folder.File("pages/pages.pdf")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("pages/04-Maitri.png")));
}

// An editor that writes a byte-order mark before the first line.
TEST(ProgramFolderTest, ABatchFileWithAByteOrderMarkIsRead)
{
    OwnProgramFolder folder({"chartdump"});
    std::ofstream(folder.File("births.txt"), std::ios::binary)
        << "\xEF\xBB\xBF" << Delhi << "\r\n" << Delhi << " --ayanamsa 1\r\n";
    const ToolRun run = folder.Run("chartdump", "--batch " + folder.File("births.txt"));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2) << run.out;
    EXPECT_TRUE(run.out.substr(0, run.out.find('\n') + 1) == folder.Run("chartdump", Delhi).out);
}
