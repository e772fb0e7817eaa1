#include "refdata/TextLookup.h"

#include "RefdataFixture.h"

#include "DbBuilder.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "refdata/DatabaseTextSource.h"

#include <gtest/gtest.h>

#include <map>

using namespace tarvik;

namespace {

class MapSource : public TextSource {
public:
    std::map<std::string, std::pair<std::string, std::string>> rows;
    std::vector<std::string> seeks;

    std::optional<std::string> Find(TextTable, const std::string& key, bool hindi) override
    {
        seeks.push_back(key);
        auto it = rows.find(key);
        if (it == rows.end())
            return std::nullopt;
        return hindi ? it->second.second : it->second.first;
    }
};

class TextLookupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProgramState();
        source.rows[PadKey("_MESH", 25)] = {"Aries", "मेष"};
        source.rows[PadKey("EMPTYHINDI", 25)] = {"English only", ""};
        SetTextSource(&source);
    }
    void TearDown() override { SetTextSource(nullptr); }

    MapSource source;
    CollectingReporter collector;
    ScopedReporter scope{collector};
};

} // namespace

// The texts of a language are those of the language they are bound to,
// whatever the run's.
TEST_F(TextLookupTest, FindsKeyInEitherCaseAndLanguage)
{
    OutputRun().LanguageHindi = true;
    EXPECT_EQ(Texts(false).Dict("_Mesh"), "Aries");
    OutputRun().LanguageHindi = false;
    EXPECT_EQ(Texts(true).Dict("_mesh"), "मेष");
    EXPECT_EQ(Texts(true).Dict("EmptyHindi"), "");  // no fall-back to English
    EXPECT_TRUE(collector.messages.empty());
}

TEST_F(TextLookupTest, EmptyDictionaryKeyNeitherSeeksNorReports)
{
    EXPECT_EQ(Texts(false).Dict(""), "");
    EXPECT_TRUE(source.seeks.empty());
    EXPECT_TRUE(collector.messages.empty());
}

TEST_F(TextLookupTest, MissingKeyReportsPaddedKeyUnlessQuiet)
{
    const Texts texts(false);
    EXPECT_EQ(texts.Dict("nothing"), "");
    ASSERT_EQ(collector.messages.size(), 1u);
    EXPECT_EQ(collector.messages[0], "Not Found:NOTHING" + std::string(18, ' '));

    EXPECT_EQ(texts.Dict("nothing", true), "");
    EXPECT_EQ(collector.messages.size(), 1u);

    EXPECT_EQ(texts.Match(""), "");
    ASSERT_EQ(collector.messages.size(), 2u);
    EXPECT_EQ(collector.messages[1], "Not Found:" + std::string(25, ' '));
}

TEST_F(TextLookupTest, KeysArePaddedToTheirTablesWidthAndNeverCut)
{
    const std::string k25(25, 'A'), k26(26, 'B');
    const Texts texts(false);
    texts.Dict(k25, true);
    texts.Dict(k26, true);
    texts.Prediction("fa_su1", true);
    texts.Varshphal("xab", true);
    ASSERT_EQ(source.seeks.size(), 4u);
    EXPECT_EQ(source.seeks[0], k25);
    EXPECT_EQ(source.seeks[1], k26);
    EXPECT_EQ(source.seeks[2], "FA_SU1    ");
    EXPECT_EQ(source.seeks[3], "XAB       ");
}

// The texts of the definitions database are read once, when it opens: the
// lookups answer from memory (the file may go), with the key rules of the
// database (letter case aside, padded width, a longer key whole) and both
// languages of each of the four tables.
TEST(DatabaseTexts, AreReadOnceAndFoundByTheirKeys)
{
    tarvik::testing::ScratchFolder folder;
    folder.Write("dictionary/a.csv", "key,eng,hin\n_Mesh,Aries,मेष\nEmptyHindi,English only,\n"
                                     "AVERYLONGKEYOFTWENTYSIXCHR,Long,लंबा\nZZ_MESH,Aries,दूसरा\n");
    folder.Write("match/a.csv", "key,eng,hin\nVARNA,Varna,वर्ण\n");
    folder.Write("predictions/a.csv", "key,eng,hin\nfa_su1,The Sun aspects,सूर्य की दृष्टि\n");
    folder.Write("varshphal/a.csv", "key,eng,hin\nXAB,Year text,वर्ष\n");
    const std::string file = folder.File("definitions.db");
    dbbuild::BuildDatabase({file,
                            tarvik::testing::SourceDir() + "/data/schema/definitions.sql",
                            {},
                            {{"Dictionary", folder.File("dictionary"), 25},
                             {"Match", folder.File("match"), 25},
                             {"Predictions", folder.File("predictions"), 10},
                             {"Varshphal", folder.File("varshphal"), 10}}});
    std::unique_ptr<DatabaseTextSource> source;
    {
        Database db(file, OpenMode::ReadOnly);
        source = std::make_unique<DatabaseTextSource>(db);
    }
    std::filesystem::remove(file);

    struct Case {
        TextTable table;
        const char* key;
        std::optional<std::string> english, hindi;
    };
    const Case cases[] = {
        {TextTable::Dictionary, "_MESH", "Aries", "मेष"},
        {TextTable::Dictionary, "EMPTYHINDI", "English only", ""},
        {TextTable::Dictionary, "AVERYLONGKEYOFTWENTYSIXCHR", "Long", "लंबा"},
        {TextTable::Dictionary, "AVERYLONGKEYOFTWENTYSIXCH", std::nullopt, std::nullopt},  // never cut
        {TextTable::Dictionary, "VARNA", std::nullopt, std::nullopt},                       // another table's
        {TextTable::Match, "VARNA", "Varna", "वर्ण"},
        {TextTable::Predictions, "FA_SU1", "The Sun aspects", "सूर्य की दृष्टि"},
        {TextTable::Varshphal, "XAB", "Year text", "वर्ष"},
    };
    for (const Case& c : cases) {
        const std::string key = PadKey(c.key, KeyWidth(c.table));
        EXPECT_EQ(source->Find(c.table, key, false), c.english) << c.key;
        EXPECT_EQ(source->Find(c.table, key, true), c.hindi) << c.key;
    }
    // The Hindi word of an English one: the first row that has it, letter case aside.
    EXPECT_EQ(source->HindiWord("aRIES"), "मेष");
    EXPECT_EQ(source->HindiWord("Varna"), std::nullopt);   // a text of Match, not of Dictionary
    EXPECT_EQ(source->HindiWord("Arie"), std::nullopt);
}
