#include "RefdataFixture.h"

#include "DbBuilder.h"
#include "refdata/Database.h"
#include "refdata/TableCursor.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// A small database for the cursor: towns in zones, an index on (zone, name).
class CursorFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.Write("schema.sql",
                     "CREATE TABLE Towns (Id INTEGER PRIMARY KEY AUTOINCREMENT,"
                     " Zone INTEGER NOT NULL DEFAULT 0, Name TEXT COLLATE NOCASE NOT NULL DEFAULT '');"
                     "CREATE INDEX \"Towns.Place\" ON Towns (Zone, Name);"
                     "CREATE UNIQUE INDEX \"Towns.PrimaryKey\" ON Towns (Id);"
                     "CREATE TABLE Empty (Id INTEGER PRIMARY KEY, Name TEXT);"
                     "CREATE INDEX \"Empty.Name\" ON Empty (Name);");
        folder.Write("towns.csv",
                     "Id,Zone,Name\n"
                     "10,2,Pune\n20,1,Delhi\n30,2,Agra\n40,1,agra\n50,2,Nagpur\n60,3,Zurich\n");
        dbbuild::BuildDatabase({folder.File("towns.db"), folder.File("schema.sql"),
                                {{"Towns", folder.File("towns.csv")}}, {}});
        db = Database(folder.File("towns.db"), OpenMode::ReadWrite);
        towns = TableCursor(db, "Towns");
    }

    std::string Name() const { return towns.Field("Name").Text(); }

    // Names from the current record to the end of the current order.
    std::vector<std::string> Walk()
    {
        std::vector<std::string> names;
        for (; !towns.Eof(); towns.MoveNext())
            names.push_back(Name());
        return names;
    }

    ScratchFolder folder;
    Database db;
    TableCursor towns;
};

TEST_F(CursorFixture, OrdersByTheIndexAndMovesBothWays)
{
    EXPECT_EQ(Name(), "Pune");   // opened on the first stored record
    towns.SetIndex("Place");
    EXPECT_EQ(Name(), "Pune");   // choosing an index keeps the record
    towns.MoveFirst();
    // Zone first, then the name without regard to case, then stored order.
    EXPECT_EQ(Walk(), (std::vector<std::string>{"agra", "Delhi", "Agra", "Nagpur", "Pune", "Zurich"}));
    EXPECT_TRUE(towns.Eof());
    EXPECT_FALSE(towns.HasCurrent());
    EXPECT_THROW(towns.MoveNext(), DbError);
    towns.MovePrevious();   // from past the end back onto the last record
    EXPECT_EQ(Name(), "Zurich");
    towns.MoveFirst();
    towns.MovePrevious();
    EXPECT_TRUE(towns.Bof());
    EXPECT_THROW(towns.Field("Name"), DbError);
    towns.MoveNext();
    EXPECT_EQ(Name(), "agra");
    towns.MoveLast();
    EXPECT_EQ(Name(), "Zurich");
}

TEST_F(CursorFixture, SeeksEqualAndAtOrAfter)
{
    towns.SetIndex("Place");
    struct Case {
        const char* comparison;
        std::vector<Value> key;
        const char* found;   // nullptr: no match
    } cases[] = {
        {"=", {2, "AGRA"}, "Agra"},          // letter case ignored
        {"=", {1, "agra"}, "agra"},
        {"=", {2}, "Agra"},                  // a leading part of the key: first of that zone
        {"=", {2, "Bombay"}, nullptr},
        {">=", {2, "B"}, "Nagpur"},
        {">=", {1, "Delhi"}, "Delhi"},
        {">=", {2, "Q"}, "Zurich"},          // runs on into the next zone
        {">=", {3, "Zz"}, nullptr},
        {"=", {"2"}, "Agra"},                // a number given as text
    };
    for (const Case& c : cases) {
        towns.Seek(c.comparison, c.key);
        if (c.found) {
            EXPECT_FALSE(towns.NoMatch()) << c.comparison << " " << c.key[0].Text();
            EXPECT_EQ(Name(), c.found);
        } else {
            EXPECT_TRUE(towns.NoMatch()) << c.comparison << " " << c.key[0].Text();
            EXPECT_FALSE(towns.HasCurrent());
        }
    }
    towns.Seek(">=", {2, "O"});
    towns.MoveNext();   // a found record is a position to move on from
    EXPECT_EQ(Name(), "Zurich");

    EXPECT_THROW(towns.Seek("<", {1}), DbError);
    EXPECT_THROW(towns.Seek("=", {1, "a", 3}), DbError);
    towns.SetIndex("");
    EXPECT_THROW(towns.Seek("=", {1}), DbError);
    EXPECT_THROW(towns.SetIndex("Nothing"), DbError);
}

TEST_F(CursorFixture, BookmarksAndWrites)
{
    towns.SetIndex("Place");
    towns.Seek("=", {2, "Nagpur"});
    const Bookmark nagpur = towns.GetBookmark();

    // An added record does not move the cursor; LastModified finds it.
    towns.AddNew();
    towns.SetField("Zone", 2);
    towns.SetField("Name", "Indore");
    EXPECT_EQ(towns.Field("Name").Text(), "Indore");
    towns.Update();
    EXPECT_EQ(Name(), "Nagpur");
    towns.SetBookmark(towns.LastModified());
    EXPECT_EQ(Name(), "Indore");
    EXPECT_EQ(towns.Field("Id").Int(), 61);   // after the highest id ever given

    // An edited record stays current, in its new place in the order.
    towns.SetBookmark(nagpur);
    towns.Edit();
    towns.SetField("Name", "Bhopal");
    towns.Update();
    EXPECT_EQ(Name(), "Bhopal");
    EXPECT_EQ(towns.LastModified(), nagpur);
    towns.MoveNext();
    EXPECT_EQ(Name(), "Indore");

    // A deleted record leaves no current record; the moves go on from its place.
    towns.Delete();
    EXPECT_FALSE(towns.HasCurrent());
    EXPECT_THROW(towns.Field("Name"), DbError);
    towns.MoveNext();
    EXPECT_EQ(Name(), "Pune");
    EXPECT_THROW(towns.SetBookmark(61), DbError);

    // Ids are never given again, not even the deleted one's.
    towns.AddNew();
    towns.SetField("Name", "Kochi");
    towns.Update();
    towns.SetBookmark(towns.LastModified());
    EXPECT_EQ(towns.Field("Id").Int(), 62);

    // A cancelled edit changes nothing; a field set outside an edit is refused.
    towns.Edit();
    towns.SetField("Name", "Changed");
    towns.CancelUpdate();
    EXPECT_EQ(Name(), "Kochi");
    EXPECT_THROW(towns.SetField("Name", "X"), DbError);
    EXPECT_THROW(towns.Update(), DbError);
    EXPECT_EQ(towns.RecordCount(), 7);

    // The writes reached the file.
    Database again(folder.File("towns.db"), OpenMode::ReadOnly);
    Recordset rs(again, "select Name from Towns where Id = 62");
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Field("name").Text(), "Kochi");
}

// Another connection on the file (another copy of the program) changes or
// deletes the record this cursor read: the cursor's write is refused and
// says which, so that neither overwrites the other.
TEST_F(CursorFixture, AWriteOverARecordChangedElsewhereIsRefused)
{
    struct Case {
        const char* elsewhere;
        DbFault fault;
        const char* standsOn;   // after the refusal; null: no current record
    } cases[] = {
        {"UPDATE Towns SET Zone = 4 WHERE Id = 50", DbFault::RowChanged, "Nagpur"},
        {"UPDATE Towns SET Name = 'NAGPUR' WHERE Id = 50", DbFault::RowChanged, "NAGPUR"},   // case counts
        {"DELETE FROM Towns WHERE Id = 50", DbFault::RowDeleted, nullptr},
    };
    for (const bool deleting : {false, true}) {
        for (const Case& c : cases) {
            SetUp();
            towns.SetIndex("Place");
            towns.Seek("=", {2, "Nagpur"});
            Database other(folder.File("towns.db"), OpenMode::ReadWrite);
            other.Execute(c.elsewhere);
            const auto rows = [&other] {
                std::vector<std::string> all;
                for (Recordset rs(other, "SELECT Id, Zone, Name FROM Towns ORDER BY Id"); !rs.Eof(); rs.MoveNext())
                    all.push_back(rs.Field(0).Text() + "|" + rs.Field(1).Text() + "|" + rs.Field(2).Text());
                return all;
            };
            const std::vector<std::string> stored = rows();
            try {
                if (deleting) {
                    towns.Delete();
                } else {
                    towns.Edit();
                    towns.SetField("Name", "Bhopal");
                    towns.Update();
                }
                ADD_FAILURE() << c.elsewhere << ": written over";
            } catch (const DbError& e) {
                EXPECT_EQ(e.Fault(), c.fault) << c.elsewhere;
            }
            EXPECT_EQ(towns.HasCurrent(), c.standsOn != nullptr) << c.elsewhere;
            if (c.standsOn) {
                EXPECT_EQ(Name(), c.standsOn);
            }
            EXPECT_EQ(rows(), stored) << c.elsewhere;
        }
    }
    // Unchanged elsewhere, the write goes through.
    SetUp();
    towns.SetIndex("Place");
    towns.Seek("=", {2, "Nagpur"});
    towns.Edit();
    towns.SetField("Name", "Bhopal");
    EXPECT_NO_THROW(towns.Update());
    EXPECT_NO_THROW(towns.Delete());
}

TEST_F(CursorFixture, EmptyTableStandsAtBothEnds)
{
    TableCursor empty(db, "Empty");
    empty.SetIndex("Name");
    EXPECT_TRUE(empty.Eof());
    EXPECT_TRUE(empty.Bof());
    empty.MoveLast();
    EXPECT_TRUE(empty.Eof() && empty.Bof());
    empty.Seek(">=", {""});
    EXPECT_TRUE(empty.NoMatch());
    EXPECT_THROW(empty.GetBookmark(), DbError);
    EXPECT_THROW(TableCursor(db, "Missing"), DbError);
}

TEST_F(CursorFixture, ReadOnlyFileRefusesWrites)
{
    Database readOnly(folder.File("towns.db"), OpenMode::ReadOnly);
    TableCursor t(readOnly, "Towns");
    t.Edit();
    t.SetField("Name", "X");
    try {
        t.Update();
        FAIL() << "a read-only database took a write";
    } catch (const DbError& e) {
        EXPECT_NE(std::string(e.what()).find("towns.db"), std::string::npos) << e.what();
    }
}

TEST(DatabaseOpen, RefusesWhatItCannotReadAndCreatesNothing)
{
    ScratchFolder folder;
    folder.CopyDeliveredDatabases();
    folder.Write("garbage.MDB", std::string(4096, 'x'));
    for (const char* file : {"missing.MDB", "garbage.MDB"}) {
        const std::string path = folder.File(file);
        const bool existed = fs::exists(path);
        try {
            Database db(path, OpenMode::ReadWrite);
            ADD_FAILURE() << file << " opened";
        } catch (const DbError& e) {
            EXPECT_EQ(e.File(), path);
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
        EXPECT_EQ(fs::exists(path), existed) << file;
    }
    // Nothing beside them either (no journal, no new file).
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Path()))
        ++files;
    EXPECT_EQ(files, 4u);

    EXPECT_NO_THROW(Database(folder.File(std::string(ReferenceDatabaseFile)), OpenMode::ReadOnly));
}

// What stands in place of a database file is told as what it is: a user
// who reads "was not found" looks for a missing file, not for a folder.
TEST(DatabaseOpen, WhatIsNoFileIsToldAsWhatItIs)
{
    ScratchFolder folder;
    fs::create_directory(folder.File("folder.MDB"));
    ASSERT_EQ(::mkfifo(folder.File("pipe.MDB").c_str(), 0600), 0);
    fs::create_symlink(folder.File("loop2.MDB"), folder.File("loop1.MDB"));
    fs::create_symlink(folder.File("loop1.MDB"), folder.File("loop2.MDB"));
    const struct Case {
        const char* file;
        const char* told;
    } cases[] = {
        {"missing.MDB", "was not found."},
        {"folder.MDB", "is a folder, not a database file."},
        {"pipe.MDB", "is a named pipe (FIFO), not a database file."},
        {"loop1.MDB", "cannot be opened: Too many levels of symbolic links."},
    };
    for (const Case& c : cases) {
        const std::string path = folder.File(c.file);
        try {
            Database db(path, OpenMode::ReadOnly);
            ADD_FAILURE() << c.file << " opened";
        } catch (const DbError& e) {
            EXPECT_EQ(std::string(e.what()), "The database file \"" + path + "\" " + c.told);
        }
    }
}

TEST(DatabaseQuery, BindsParametersAndReadsFieldsByNameOrPosition)
{
    ScratchFolder folder;
    folder.CopyDeliveredDatabases();
    Database def(folder.File(std::string(DefinitionsDatabaseFile)), OpenMode::ReadOnly);
    // A quote in a bound word is only a character of the word.
    Recordset none(def, "select * from dictionary where eng=?", {"Sun' OR '1'='1"});
    EXPECT_TRUE(none.Eof());
    Recordset rs(def, "select * from dictionary where eng=?", {"saturn"});
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Field("hin").Text(), "शनि");
    EXPECT_EQ(rs.Field(1).Text(), "Saturn");
    EXPECT_THROW(rs.Field("nothing"), DbError);
    EXPECT_THROW(rs.Field(7), DbError);
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_THROW(rs.MoveNext(), DbError);
    EXPECT_THROW(Recordset(def, "select * from nothing"), DbError);
}

} // namespace
