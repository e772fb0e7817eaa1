// The user's copy of the data database and a newer atlas: the rows the user
// added, changed or deleted stay as the user left them, every other row
// takes the atlas's.

#include "EditingFixture.h"
#include "RefdataFixture.h"

#include "DbBuilder.h"
#include "refdata/Database.h"
#include "refdata/Databases.h"
#include "refdata/TableCursor.h"
#include "refdata/UserCopy.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

struct Atlas {
    const char* countries;
    const char* places;
    const char* placeNames;
};

// The editors' zones and places, as an older package delivered them.
const Atlas OldAtlas{EditingCountries, EditingPlaces, "Place ID,PlaceName,OtherName\n"};

// Kabul corrected, Herat renamed, Delhi moved, agra dropped, Nepal dropped
// with Kathmandu, Antarctica dropped, Pune added, Bhutan added with Thimphu,
// Mumbai's former name added.
const Atlas NewAtlas{
    "Country ID,Country,Zone\n"
    "100,Afghanistan,67E30\n"
    "200,India,82E30\n"
    "500,Bhutan,90E00\n",
    "Place ID,Country ID,PlaceName,Latitude,Longitude\n"
    "11,100,Kabul,34N32,69E10\n"
    "12,100,Herat City,34N20,62E12\n"
    "21,200,Mumbai,18N58,72E50\n"
    "22,200,Delhi,28N40,77E13\n"
    "24,200,Pune,18N31,73E51\n"
    "51,500,Thimphu,27N28,89E38\n",
    "Place ID,PlaceName,OtherName\n"
    "21,Mumbai,Bombay\n",
};

void BuildAtlas(const ScratchFolder& folder, const std::string& file, const Atlas& atlas)
{
    const std::pair<const char*, const char*> tables[] = {{"Countries", atlas.countries},
                                                          {"Places", atlas.places},
                                                          {"PlaceNames", atlas.placeNames},
                                                          {"CountryNames", "Country,OtherName\n"}};
    dbbuild::BuildPlan plan{file, SourceDir() + "/data/schema/data.sql", {}, {}};
    for (const auto& [table, csv] : tables) {
        const std::string source = std::string(table) + ".csv";
        folder.Write(source, csv);
        plan.tables.push_back({table, folder.File(source)});
    }
    dbbuild::BuildDatabase(plan);
}

// Every row of a query, its fields joined by commas; an id the user's rows
// are numbered from reads "user".
std::vector<std::string> Rows(Database& db, const std::string& sql)
{
    std::vector<std::string> rows;
    for (Recordset rs(db, sql); !rs.Eof(); rs.MoveNext()) {
        std::string row;
        for (int f = 0; f < rs.FieldCount(); ++f) {
            const Value v = rs.Field(f);
            const bool usersId = !v.IsText() && v.Int() >= FirstUserZoneId;
            row += (f ? "," : "") + (usersId ? std::string("user") : v.Text());
        }
        rows.push_back(row);
    }
    return rows;
}

const char* const AllPlaces =
    "SELECT \"Place ID\", \"Country ID\", PlaceName, Latitude, Longitude FROM Places ORDER BY \"Place ID\"";
const char* const AllZones = "SELECT \"Country ID\", Country, Zone FROM Countries ORDER BY \"Country ID\"";

class UserCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildAtlas(scratch, delivered, OldAtlas);
        ASSERT_EQ(DataDatabasePath(program.Path().string(), userFolder, false), copy);
    }

    // The delivered file replaced by a newer package's.
    void InstallNewAtlas()
    {
        BuildAtlas(scratch, delivered + ".new", NewAtlas);
        fs::rename(delivered + ".new", delivered);
    }

    ScratchFolder program, user, scratch;
    const std::string delivered = program.File(std::string(DataDatabaseFile));
    const std::string userFolder = user.File("Tarvik");
    const std::string copy = userFolder + "/" + std::string(DataDatabaseFile);
};

TEST_F(UserCopy, ANewerAtlasKeepsTheUsersRowsAndTakesTheRest)
{
    {
        // The user's work, partly through the editors' cursor, partly as any
        // other program (an SQLite browser) would write it.
        Database db(copy, OpenMode::ReadWrite);
        EXPECT_TRUE(UpToDateWith(db, delivered));
        TableCursor places(db, "Places");
        places.SetIndex("PrimaryKey");
        places.Seek("=", {Value(12)});
        places.Edit();
        places.SetField("Latitude", Value("34N21"));
        places.Update();
        places.AddNew();
        places.SetField("Country ID", Value(200));
        places.SetField("PlaceName", Value("Lonavala"));
        places.SetField("Latitude", Value("18N45"));
        places.SetField("Longitude", Value("73E24"));
        places.Update();
        db.Execute("DELETE FROM Places WHERE \"Place ID\" = 22");
        db.Execute("INSERT INTO Places (\"Country ID\", PlaceName, Latitude, Longitude) "
                   "VALUES (400, 'McMurdo', '77S51', '166E40')");
        db.Execute("UPDATE Countries SET Zone = '67E00' WHERE \"Country ID\" = 100");
    }
    InstallNewAtlas();

    Database db(copy, OpenMode::ReadWrite);
    EXPECT_FALSE(UpToDateWith(db, delivered));
    BringUpToDate(db, delivered);
    EXPECT_TRUE(UpToDateWith(db, delivered));

    const std::vector<std::string> places{
        "11,100,Kabul,34N32,69E10",      // corrected by the atlas
        "12,100,Herat,34N21,62E12",      // the user's correction, not the atlas's new name
        "21,200,Mumbai,18N58,72E50",     // the same in both
        "24,200,Pune,18N31,73E51",       // new in the atlas
        "51,500,Thimphu,27N28,89E38",    // new, in a new zone
        "user,200,Lonavala,18N45,73E24", // added by the user
        "user,400,McMurdo,77S51,166E40", // added by the user, in a zone the atlas dropped
    };
    // Delhi stays deleted; agra and Kathmandu went with the atlas.
    EXPECT_EQ(Rows(db, AllPlaces), places);
    const std::vector<std::string> zones{
        "100,Afghanistan,67E00", // the user's meridian
        "200,India,82E30",
        "400,Antarctica,0E00",   // dropped by the atlas, but the user's place is in it
        "500,Bhutan,90E00",
    };
    EXPECT_EQ(Rows(db, AllZones), zones);
    EXPECT_EQ(Rows(db, "SELECT \"Place ID\", OtherName FROM PlaceNames"), std::vector<std::string>{"21,Bombay"});

    // What the user does next is recorded as before, and the next newer
    // atlas leaves it too.
    db.Execute("UPDATE Places SET Latitude = '18N32' WHERE \"Place ID\" = 24");
    BuildAtlas(scratch, delivered + ".new", NewAtlas);
    fs::rename(delivered + ".new", delivered);
    BringUpToDate(db, delivered);
    EXPECT_EQ(Rows(db, "SELECT Latitude FROM Places WHERE \"Place ID\" = 24"), std::vector<std::string>{"18N32"});
}

// A copy made before copies recorded their user's rows: whatever differs
// from the new atlas may be the user's and stays; what it lacks is added.
TEST_F(UserCopy, ACopyThatRecordedNothingKeepsEveryDifference)
{
    fs::remove(copy);
    fs::copy_file(delivered, copy);
    {
        Database db(copy, OpenMode::ReadWrite);
        EXPECT_FALSE(UpToDateWith(db, delivered));
        db.Execute("UPDATE Places SET Latitude = '28N38' WHERE \"Place ID\" = 22");
        db.Execute("DROP TABLE PlaceNames");   // older than the table of other names
    }
    InstallNewAtlas();

    Database db(copy, OpenMode::ReadWrite);
    BringUpToDate(db, delivered);
    const std::vector<std::string> places{
        "11,100,Kabul,34N31,69E11",      // differs from the new atlas: may be the user's
        "12,100,Herat,34N20,62E12",
        "21,200,Mumbai,18N58,72E50",
        "22,200,Delhi,28N38,77E13",
        "23,200,agra,27N11,78E01",
        "24,200,Pune,18N31,73E51",
        "31,300,Kathmandu,27N42,85E19",
        "51,500,Thimphu,27N28,89E38",
    };
    EXPECT_EQ(Rows(db, AllPlaces), places);
    EXPECT_EQ(Rows(db, "SELECT \"Place ID\", OtherName FROM PlaceNames"), std::vector<std::string>{"21,Bombay"});
    // From now on the copy records; a place the user adds is numbered apart.
    db.Execute("INSERT INTO Places (\"Country ID\", PlaceName) VALUES (200, 'Lonavala')");
    EXPECT_EQ(Rows(db, "SELECT \"Table\", \"Row ID\" FROM UserRows WHERE \"Row ID\" >= 1000000"),
              std::vector<std::string>{"Places,user"});
}

// The copy made at the first start stands as a plain copy of the same atlas
// brought up to date: the same tables, triggers, records, numbering and rows.
TEST_F(UserCopy, TheFirstCopyStandsAsAPlainCopyBroughtUpToDate)
{
    const std::string plain = scratch.File("plain copy");
    fs::copy_file(delivered, plain);
    {
        Database db(plain, OpenMode::ReadWrite);
        BringUpToDate(db, delivered);
    }
    Database first(copy, OpenMode::ReadOnly), brought(plain, OpenMode::ReadOnly);
    for (const char* query : {"SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY type, name",
                              "SELECT name, seq FROM sqlite_sequence ORDER BY name",
                              "SELECT * FROM UserRows", "SELECT * FROM DeliveredAtlas", AllPlaces, AllZones,
                              "SELECT * FROM PlaceNames", "SELECT * FROM CountryNames"}) {
        SCOPED_TRACE(query);
        EXPECT_EQ(Rows(first, query), Rows(brought, query));
    }
}

// A delivered file that cannot be read changes nothing in the copy.
TEST_F(UserCopy, ADamagedAtlasLeavesTheCopyAsItWas)
{
    {
        Database db(copy, OpenMode::ReadWrite);
        db.Execute("UPDATE Places SET Latitude = '34N21' WHERE \"Place ID\" = 12");
    }
    const std::vector<std::string> before = [&] {
        Database db(copy, OpenMode::ReadOnly);
        return Rows(db, AllPlaces);
    }();
    program.Write(std::string(DataDatabaseFile), "not a database, only text that looks like one\n");
    Database db(copy, OpenMode::ReadWrite);
    EXPECT_FALSE(UpToDateWith(db, delivered));
    EXPECT_THROW(BringUpToDate(db, delivered), DbError);
    EXPECT_EQ(Rows(db, AllPlaces), before);
    EXPECT_EQ(Rows(db, "PRAGMA database_list").size(), 1u) << "the atlas is still attached";
    fs::remove(delivered);
    EXPECT_THROW(BringUpToDate(db, delivered), DbError);
    EXPECT_FALSE(fs::exists(delivered)) << "the missing atlas was created";
}

} // namespace
