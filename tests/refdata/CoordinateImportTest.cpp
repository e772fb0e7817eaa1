#include "EditingFixture.h"

#include "refdata/CoordinateImport.h"

#include <gtest/gtest.h>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

TEST(CoordinateImport, SourceNumbersBecomeStoredCoordinateText)
{
    constexpr auto Lat = CoordinateKind::Latitude;
    constexpr auto Long = CoordinateKind::Longitude;
    struct Case {
        Value number;
        Value letter;
        CoordinateKind kind;
        const char* stored;
    } cases[] = {
        {Value(77.13), Value("E"), Long, "77E13"},
        {Value(77.1), Value("e"), Long, "77E10"},      // one fraction digit is tens of minutes
        {Value(77.05), Value("E"), Long, "77E05"},
        {Value(77.0), Value("W"), Long, "77W00"},      // a whole number of degrees
        {Value(77LL), Value("E"), Long, "77E00"},
        {Value(28.395), Value("N"), Lat, "28N39"},     // a third fraction digit is dropped
        {Value(8.395), Value("S"), Lat, "8S39"},
        {Value("28.39"), Value(" n "), Lat, "28N39"},
        {Value(166.4), Value("E"), Long, "166E40"},
        {Value(80.75), Value("E"), Long, ""},          // 75 minutes
        {Value(91.0), Value("N"), Lat, ""},
        {Value(26.5), Value("X"), Lat, ""},
        {Value(26.5), Value("E"), Lat, ""},
        {Value(-77.1), Value("W"), Long, ""},
        {Value(), Value("N"), Lat, ""},
        {Value(26.5), Value(), Lat, ""},
        {Value("abc"), Value("N"), Lat, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SourceCoordinate(c.number, c.letter, c.kind), c.stored) << c.number.Text() << c.letter.Text();
}

class CoordinateImportRun : public EditingTest {
protected:
    void SetUp() override
    {
        Build("Country ID,Country,Zone\n"
              "200,India,82E30\n"
              "500,Pakistan,75E00\n"
              "600,Australia (Perth),120E00\n"
              "610,Australia (Sydney),150E00\n"
              "620,Australian Antarctic,75E00\n"
              "700,Chile,60W00\n",
              "Place ID,Country ID,PlaceName,Latitude,Longitude\n"
              "1,200,Delhi,28N40,77E10\n"
              "2,200,Hyderabad,17N20,78E20\n"
              "3,500,Hyderabad,25N23,68E22\n"
              "4,600,Perth,31S00,115E00\n"
              "5,620,Perth,31S00,115E00\n"
              "6,700,O'Higgins,34S00,70W44\n"
              "7,200,Aurangabad,19N53,75E20\n"
              "8,200,Aurangabad,24N45,84E22\n"
              "9,200,Agra,27N11,78E01\n");
        folder.Write("latlong.sql", "CREATE TABLE city (Country TEXT, State TEXT, place TEXT, longtude REAL, "
                                    "longsign TEXT, Latitude REAL, latsign TEXT, id INTEGER);\n");
    }

    Database Source(const std::string& rows)
    {
        const std::string file = folder.File("latlong.mdb");
        std::filesystem::remove(file);
        folder.Write("city.csv", "Country,State,place,longtude,longsign,Latitude,latsign,id\n" + rows);
        dbbuild::BuildDatabase({file, folder.File("latlong.sql"), {{"city", folder.File("city.csv")}}, {}});
        return Database(file, OpenMode::ReadOnly);
    }

    std::vector<std::string> AllPlaces()
    {
        return Rows("SELECT [Place ID], PlaceName, Latitude, Longitude FROM Places ORDER BY [Place ID]");
    }
};

TEST_F(CoordinateImportRun, CorrectsEachPlaceWithinItsOwnCountry)
{
    Database source = Source("India,Delhi,Delhi,77.13,E,28.39,N,1\n"
                             "INDIA,Telangana,hyderabad,78.29,e,17.23,n,2\n"   // not Pakistan's Hyderabad
                             "Australia,WA,Perth,115.5,E,31.57,S,3\n"          // a zone of the country, not Australian Antarctic
                             "Chile,,O'Higgins,70.44,W,34.1,S,4\n"
                             "India,Bihar,Aurangabad,84.22,E,24.45,N,5\n"     // two of that name: left alone
                             "India,UP,Agra,78.01,E,27.11,N,6\n"
                             "Nepal,,Kathmandu,85.19,E,27.42,N,7\n"
                             "India,,Delhi Cantt,77.1,E,28.3,N,8\n"
                             "India,,Kanpur,80.75,E,26.28,N,9\n"
                             "India,,Lucknow,80.56,E,26.5,X,10\n");
    const ImportSummary s = ImportCorrectedCoordinates(db, source);
    EXPECT_EQ(s, (ImportSummary{10, 4, 1, 2, 1, 2}));
    EXPECT_EQ(AllPlaces(), (std::vector<std::string>{
                               "1|Delhi|28N39|77E13",
                               "2|Hyderabad|17N23|78E29",
                               "3|Hyderabad|25N23|68E22",
                               "4|Perth|31S57|115E50",
                               "5|Perth|31S00|115E00",
                               "6|O'Higgins|34S10|70W44",
                               "7|Aurangabad|19N53|75E20",
                               "8|Aurangabad|24N45|84E22",
                               "9|Agra|27N11|78E01",
                           }));
    const std::string report = ImportReport(s);
    EXPECT_EQ(report.rfind("4 of 10 places read from latlong.mdb were corrected; 1 held these coordinates already.", 0),
              0u)
        << report;
    for (const char* part : {"\n2 name no place", "\n1 name a place that their country has more than once",
                             "\n2 have coordinates that cannot be read"})
        EXPECT_NE(report.find(part), std::string::npos) << part;
}

TEST_F(CoordinateImportRun, AFailureWritesNothing)
{
    const std::vector<std::string> before = AllPlaces();
    // A write refused half-way: the corrections before it are undone.
    db.Execute("CREATE TRIGGER refuse BEFORE UPDATE ON Places WHEN OLD.\"Place ID\" = 4 "
               "BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    Database source = Source("India,,Delhi,77.13,E,28.39,N,1\nAustralia,,Perth,115.5,E,31.57,S,2\n");
    EXPECT_THROW(ImportCorrectedCoordinates(db, source), DbError);
    EXPECT_EQ(AllPlaces(), before);

    // A source without the table city.
    folder.Write("latlong.sql", "CREATE TABLE towns (place TEXT);\n");
    const std::string file = folder.File("other.mdb");
    folder.Write("towns.csv", "place\nDelhi\n");
    dbbuild::BuildDatabase({file, folder.File("latlong.sql"), {{"towns", folder.File("towns.csv")}}, {}});
    Database other(file, OpenMode::ReadOnly);
    EXPECT_THROW(ImportCorrectedCoordinates(db, other), DbError);
    EXPECT_EQ(AllPlaces(), before);
    // The data database is not left inside a transaction.
    EXPECT_NO_THROW(db.Execute("BEGIN; COMMIT;"));
}

} // namespace
