// The data database when something else has it: a lock held by another
// connection, a program folder and a home that cannot be written.

#include "FileLock.h"
#include "RefdataFixture.h"

#include "core/State.h"
#include "refdata/Database.h"
#include "refdata/Databases.h"
#include "refdata/TableCursor.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <sstream>

using namespace tarvik;
using namespace tarvik::testing;
using tarvik::locktest::FileLock;
using namespace std::chrono_literals;

namespace {

class LockedDataFile : public ::testing::Test {
protected:
    void SetUp() override { folder.CopyDeliveredDatabases(); }
    void TearDown() override { SetLockWait(savedWait); }

    ScratchFolder folder;
    const std::string path = folder.File(std::string(DataDatabaseFile));
    const int savedWait = LockWait();
};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(LockedDataFile, AShortLockIsWaitedFor)
{
    SetLockWait(5000);
    Database open(path, OpenMode::ReadWrite);
    {
        FileLock lock(path);
        ASSERT_TRUE(lock.Held());
        lock.ReleaseAfter(300ms);
        Database db(path, OpenMode::ReadOnly);
        Recordset rs(db, "SELECT count(*) AS n FROM Countries");
        EXPECT_GT(rs.Field("n").Int(), 0);
    }
    {
        FileLock lock(path);
        ASSERT_TRUE(lock.Held());
        lock.ReleaseAfter(300ms);
        TableCursor countries(open, "Countries");
        countries.AddNew();
        countries.SetField("Country", "Waiting Land");
        countries.SetField("Zone", "10E00");
        EXPECT_NO_THROW(countries.Update());
    }
    Recordset rs(open, "SELECT count(*) AS n FROM Countries WHERE Country = 'Waiting Land'");
    EXPECT_EQ(rs.Field("n").Int(), 1);
}

TEST_F(LockedDataFile, ALockThatOutlastsTheWaitIsToldAsInUseAndNotAsDamage)
{
    SetLockWait(100);
    Database open(path, OpenMode::ReadWrite);
    TableCursor places(open, "Places");
    const struct {
        const char* what;
        std::function<void()> act;
    } cases[] = {
        {"opening", [&] { Database db(path, OpenMode::ReadOnly); }},
        {"reading", [&] { Recordset rs(open, "SELECT count(*) FROM Places"); }},
        {"moving", [&] { places.MoveNext(); }},
        {"saving",
         [&] {
             places.AddNew();
             places.SetField("PlaceName", "Shimla");
             places.Update();
         }},
        {"deleting", [&] { open.Execute("DELETE FROM Places WHERE PlaceName = 'Delhi'"); }},
    };
    FileLock lock(path);
    ASSERT_TRUE(lock.Held());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.act();
            ADD_FAILURE() << "went on through the lock";
        } catch (const DbError& e) {
            const std::string message = e.what();
            EXPECT_EQ(e.Fault(), DbFault::InUse) << message;
            EXPECT_TRUE(Contains(message, path)) << message;
            EXPECT_TRUE(Contains(message, "in use by another program")) << message;
            EXPECT_TRUE(Contains(message, "try again")) << message;
            for (const char* word : {"damaged", "SELECT", "INSERT", "DELETE", "locked\""})
                EXPECT_FALSE(Contains(message, word)) << message;
        }
        places.CancelUpdate();
    }
    // Tried again once the other program is done, each goes through.
    lock.Release();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NO_THROW(c.act());
    }
}

TEST_F(LockedDataFile, OnlyWhatTheEngineFindsDamagedIsCalledDamaged)
{
    folder.Write("garbage.MDB", std::string(4096, 'x'));
    try {
        Database db(folder.File("garbage.MDB"), OpenMode::ReadOnly);
        ADD_FAILURE() << "a file of garbage opened";
    } catch (const DbError& e) {
        EXPECT_EQ(e.Fault(), DbFault::Damaged);
        EXPECT_TRUE(Contains(e.what(), "damaged")) << e.what();
    }
    Database readOnly(path, OpenMode::ReadOnly);
    try {
        readOnly.Execute("DELETE FROM Places");
        ADD_FAILURE() << "a read-only file took a write";
    } catch (const DbError& e) {
        EXPECT_EQ(e.Fault(), DbFault::ReadOnly);
        EXPECT_TRUE(Contains(e.what(), "open for reading only")) << e.what();
        EXPECT_FALSE(Contains(e.what(), "DELETE")) << e.what();
    }
}

// ---- a program folder and a home that cannot be written ---------------------

// Runs body in a child process as the unprivileged user "nobody" (the tests
// may run as root, whom no permission stops) and returns what body returned,
// or what stopped it, marked with "!".
std::string AsUnprivilegedUser(const std::function<std::string()>& body)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return "!no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        std::string out;
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            out = "!cannot become nobody";
        } else {
            try {
                out = body();
            } catch (const std::exception& e) {
                out = std::string("!") + e.what();
            }
        }
        [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], out.data(), out.size());
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string out;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return out;
}

// Start-up of the program's databases in a program folder and a home of its
// own; returns the data database's file, the start-up's note and what a
// write was told, one a line.
std::string StartIn(const std::string& programFolder, const std::string& home)
{
    ::setenv("HOME", home.c_str(), 1);
    ::unsetenv("XDG_DATA_HOME");
    Program().ProgramFolder = programFolder;
    OpenReferenceDatabases();
    std::string wrote = "written";
    try {
        TableCursor& places = PlacesTable();
        places.AddNew();
        places.SetField("PlaceName", "Shimla");
        places.Update();
    } catch (const DbError& e) {
        wrote = e.Fault() == DbFault::ReadOnly ? "read-only" : e.what();
    }
    std::string note = DataDatabaseReadOnlyReason();
    for (char& c : note)
        if (c == '\n')
            c = ' ';
    return DatDatabase().Path() + "\n" + note + "\n" + wrote;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class ReadOnlyStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        program.CopyDeliveredDatabases();
        for (const auto& entry : fs::directory_iterator(program.Path()))
            ::chmod(entry.path().c_str(), 0444);
        ::chmod(program.Path().c_str(), 0555);
    }
    void TearDown() override { ::chmod(program.Path().c_str(), 0755); }

    // The delivered file opened read-only, a note that says so and why, and
    // a write refused.
    void ExpectReadOnlyStart(const std::string& out, const std::string& reason)
    {
        ASSERT_NE(out.substr(0, 1), "!") << out;
        const std::vector<std::string> lines = Lines(out);
        ASSERT_EQ(lines.size(), 3u) << out;
        EXPECT_EQ(lines[0], program.File(std::string(DataDatabaseFile)));
        EXPECT_TRUE(Contains(lines[1], "cannot be added or changed while the program runs so")) << lines[1];
        EXPECT_TRUE(Contains(lines[1], program.Path().string())) << lines[1];
        EXPECT_TRUE(Contains(lines[1], reason)) << lines[1];
        EXPECT_EQ(lines[2], "read-only");
    }

    ScratchFolder program;
    ScratchFolder home;
};

TEST_F(ReadOnlyStart, AReadOnlyHomeOpensTheDeliveredFileForReading)
{
    ::chmod(home.Path().c_str(), 0555);
    const std::string out = AsUnprivilegedUser([&] { return StartIn(program.Path().string(), home.Path().string()); });
    ::chmod(home.Path().c_str(), 0700);
    if (out == "!cannot become nobody")
        GTEST_SKIP() << "no unprivileged user can be taken here";
    ExpectReadOnlyStart(out, "Permission denied");
    EXPECT_TRUE(fs::is_empty(home.Path()));
}

TEST_F(ReadOnlyStart, AFullHomeIsToldAsFullAndLeavesNoPartOfACopy)
{
    // A file system of 64 KiB, far too small for the data database.
    if (::mount("tarvik-full", home.Path().c_str(), "tmpfs", 0, "size=64k,mode=0777") != 0)
        GTEST_SKIP() << "no small file system can be mounted here";
    const std::string out = AsUnprivilegedUser([&] { return StartIn(program.Path().string(), home.Path().string()); });
    const fs::path userFolder = home.Path() / ".local" / "share" / "Tarvik";
    const bool partLeft = fs::exists(userFolder / (std::string(DataDatabaseFile) + ".tmp")) ||
                          fs::exists(userFolder / std::string(DataDatabaseFile));
    ::umount2(home.Path().c_str(), MNT_DETACH);
    if (out == "!cannot become nobody")
        GTEST_SKIP() << "no unprivileged user can be taken here";
    ExpectReadOnlyStart(out, "No space left on device");
    EXPECT_FALSE(partLeft);
}

TEST_F(ReadOnlyStart, AWritableHomeStillGetsTheUsersCopy)
{
    ::chmod(home.Path().c_str(), 0777);
    const std::string out = AsUnprivilegedUser([&] { return StartIn(program.Path().string(), home.Path().string()); });
    if (out == "!cannot become nobody")
        GTEST_SKIP() << "no unprivileged user can be taken here";
    const std::vector<std::string> lines = Lines(out);
    ASSERT_EQ(lines.size(), 3u) << out;
    EXPECT_EQ(lines[0], (home.Path() / ".local/share/Tarvik" / std::string(DataDatabaseFile)).string());
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "written");
}

} // namespace

// A package's newer atlas in the read-only program folder reaches the user's
// copy at the next start; the place the user added stays.
TEST_F(ReadOnlyStart, ANewerInstalledAtlasReachesTheUsersCopyAndKeepsTheUsersPlaces)
{
    ::chmod(home.Path().c_str(), 0777);
    const std::string first = AsUnprivilegedUser([&] { return StartIn(program.Path().string(), home.Path().string()); });
    if (first == "!cannot become nobody")
        GTEST_SKIP() << "no unprivileged user can be taken here";
    ASSERT_EQ(Lines(first).back(), "written") << first;   // the user's "Shimla"

    // The newer package moves Delhi by a minute of arc.
    const std::string delivered = program.File(std::string(DataDatabaseFile));
    ::chmod(program.Path().c_str(), 0755);
    ::chmod(delivered.c_str(), 0644);
    {
        Database atlas(delivered, OpenMode::ReadWrite);
        atlas.Execute("UPDATE Places SET Latitude = '28N40' WHERE \"Place ID\" = 1273294");
    }
    ::chmod(delivered.c_str(), 0444);
    ::chmod(program.Path().c_str(), 0555);

    const std::string second = AsUnprivilegedUser([&] {
        ::setenv("HOME", home.Path().c_str(), 1);
        Program().ProgramFolder = program.Path().string();
        OpenReferenceDatabases();
        std::string out = DataDatabaseReadOnlyReason() + AtlasRefreshProblem();
        for (Recordset rs(DatDatabase(), "SELECT PlaceName, Latitude FROM Places WHERE \"Place ID\" = 1273294 "
                                         "OR (PlaceName = 'Shimla' AND Latitude = '') ORDER BY PlaceName");
             !rs.Eof(); rs.MoveNext())
            out += rs.Field(0).Text() + " " + rs.Field(1).Text() + "\n";
        return out;
    });
    EXPECT_EQ(second, "Delhi 28N40\nShimla \n");
}
