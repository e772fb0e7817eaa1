#include "RefdataFixture.h"

#include "Csv.h"
#include "DbBuilder.h"

#include <gtest/gtest.h>

using namespace tarvik;
using namespace tarvik::dbbuild;
using namespace tarvik::testing;

namespace {

TEST(Csv, ReadsRfc4180)
{
    struct Case {
        const char* text;
        std::vector<std::vector<std::string>> rows;
    } cases[] = {
        {"a,b\n1,2\n", {{"1", "2"}}},
        {"a,b\r\n1,2\r\n", {{"1", "2"}}},
        {"\xEF\xBB\xBF" "a,b\n1,2", {{"1", "2"}}},                          // BOM, no last newline
        {"a,b\n\"x, y\",\"say \"\"hi\"\"\"\n", {{"x, y", "say \"hi\""}}},
        {"a,b\n\"two\nlines\",z\n\n3,\n", {{"two\nlines", "z"}, {"3", ""}}},
        {"a,b\n,\n", {{"", ""}}},
        {"key,eng,hin\n_MESH,Aries,मेष\n", {{"_MESH", "Aries", "मेष"}}},
    };
    for (const Case& c : cases) {
        const CsvFile f = ParseCsv("t.csv", c.text);
        ASSERT_EQ(f.rows.size(), c.rows.size()) << c.text;
        for (std::size_t r = 0; r < c.rows.size(); ++r)
            EXPECT_EQ(f.rows[r].fields, c.rows[r]) << c.text;
    }
}

TEST(Csv, ErrorsNameTheLine)
{
    struct Case {
        const char* text;
        const char* where;
    } cases[] = {
        {"a,b\n1,2\n3\n", "t.csv:3:"},
        {"a,b\n1,\"open\n", "t.csv:2:"},
        {"a,b\n1,x\"y\n", "t.csv:2:"},
        {"a,b\n1,\"x\"y\n", "t.csv:2:"},
        {"a,b\n1,\xC3\n", "t.csv:2:"},      // cut UTF-8
        {"a,b\n1,\xC0\xAF\n", "t.csv:2:"},  // overlong
        {"", "t.csv:1:"},
    };
    for (const Case& c : cases) {
        try {
            ParseCsv("t.csv", c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const BuildError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.where, 0), 0u) << c.text << " gave " << e.what();
        }
    }
}

class Builder : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.Write("schema.sql",
                     "CREATE TABLE Dictionary (ID TEXT COLLATE NOCASE NOT NULL, ENG TEXT, HIN TEXT);"
                     "CREATE UNIQUE INDEX \"Dictionary.ID\" ON Dictionary (ID);"
                     "CREATE TABLE Numbers (n INTEGER, x REAL, t TEXT);");
    }
    BuildPlan Plan() const
    {
        return {folder.File("out.db"), folder.File("schema.sql"), {}, {{"Dictionary", folder.File("dict"), 25}}};
    }
    std::string BuildFails(const BuildPlan& plan)
    {
        try {
            BuildDatabase(plan);
        } catch (const BuildError& e) {
            EXPECT_FALSE(fs::exists(plan.output + ".tmp"));
            return e.what();
        }
        ADD_FAILURE() << "the build went through";
        return {};
    }

    ScratchFolder folder;
};

TEST_F(Builder, KeysAreUpperCasedPaddedAndDefinedOnce)
{
    folder.Write("dict/a.csv", "key,eng,hin\n_mesh,Aries,मेष\nGH1,Month,मास\n");
    folder.Write("dict/b.csv", "key,eng,hin\n" + std::string(26, 'K') + ",Long,लम्बा\n");
    folder.Write("dict/notes.txt", "not a source");
    BuildDatabase(Plan());
    Database db(folder.File("out.db"), OpenMode::ReadOnly);
    Recordset rs(db, "select ID from Dictionary order by ID");
    std::vector<std::string> keys;
    for (; !rs.Eof(); rs.MoveNext())
        keys.push_back(rs.Field(0).Text());
    EXPECT_EQ(keys, (std::vector<std::string>{"_MESH" + std::string(20, ' '), "GH1" + std::string(22, ' '),
                                              std::string(26, 'K')}));

    // The same key in another file (in any letter case) stops the build and
    // names both places; the previous file stays as it was.
    folder.Write("dict/c.csv", "key,eng,hin\nx,y,z\n_Mesh,Ram,मेढ़ा\n");
    const std::string message = BuildFails(Plan());
    EXPECT_NE(message.find("c.csv:3"), std::string::npos) << message;
    EXPECT_NE(message.find("a.csv:2"), std::string::npos) << message;
    Database still(folder.File("out.db"), OpenMode::ReadOnly);
    EXPECT_FALSE(Recordset(still, "select * from Dictionary where rtrim(ID)='_MESH'").Eof());
}

TEST_F(Builder, RefusesSourcesThatDoNotFit)
{
    folder.Write("dict/a.csv", "key,english,hindi\n_MESH,Aries,मेष\n");
    EXPECT_NE(BuildFails(Plan()).find("a.csv:1"), std::string::npos);
    folder.Write("dict/a.csv", "key,eng,hin\n,Aries,मेष\n");
    EXPECT_NE(BuildFails(Plan()).find("a.csv:2"), std::string::npos);
    fs::remove(folder.File("dict/a.csv"));

    BuildPlan numbers{folder.File("out.db"), folder.File("schema.sql"), {{"Numbers", folder.File("n.csv")}}, {}};
    folder.Write("n.csv", "n,x,t\n1,2.5,a\n,,\n");
    EXPECT_NO_THROW(BuildDatabase(numbers));
    folder.Write("n.csv", "n,x,t\n1,2.5,a\nten,1,b\n");
    EXPECT_NE(BuildFails(numbers).find("n.csv:3"), std::string::npos);
    folder.Write("n.csv", "n,y\n1,2\n");
    EXPECT_NE(BuildFails(numbers).find("no column \"y\""), std::string::npos);
}

} // namespace
