#include "refdata/TextLookup.h"

#include "core/Reporter.h"
#include "core/State.h"

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

TEST_F(TextLookupTest, FindsKeyInEitherCaseAndLanguage)
{
    OutputRun().LanguageHindi = false;
    EXPECT_EQ(GetDictText("_Mesh"), "Aries");
    OutputRun().LanguageHindi = true;
    EXPECT_EQ(GetDictText("_mesh"), "मेष");
    EXPECT_EQ(GetDictText("EmptyHindi"), "");  // no fall-back to English
    EXPECT_TRUE(collector.messages.empty());
}

TEST_F(TextLookupTest, EmptyDictionaryKeyNeitherSeeksNorReports)
{
    EXPECT_EQ(GetDictText(""), "");
    EXPECT_TRUE(source.seeks.empty());
    EXPECT_TRUE(collector.messages.empty());
}

TEST_F(TextLookupTest, MissingKeyReportsPaddedKeyUnlessQuiet)
{
    EXPECT_EQ(GetDictText("nothing"), "");
    ASSERT_EQ(collector.messages.size(), 1u);
    EXPECT_EQ(collector.messages[0], "Not Found:NOTHING" + std::string(18, ' '));

    EXPECT_EQ(GetDictText("nothing", true), "");
    EXPECT_EQ(collector.messages.size(), 1u);

    EXPECT_EQ(GetMatchText(""), "");
    ASSERT_EQ(collector.messages.size(), 2u);
    EXPECT_EQ(collector.messages[1], "Not Found:" + std::string(25, ' '));
}

TEST_F(TextLookupTest, KeysArePaddedToTheirTablesWidthAndNeverCut)
{
    const std::string k25(25, 'A'), k26(26, 'B');
    GetDictText(k25, true);
    GetDictText(k26, true);
    LookupPredictionText("fa_su1", true);
    LookupVarshText("xab", true);
    ASSERT_EQ(source.seeks.size(), 4u);
    EXPECT_EQ(source.seeks[0], k25);
    EXPECT_EQ(source.seeks[1], k26);
    EXPECT_EQ(source.seeks[2], "FA_SU1    ");
    EXPECT_EQ(source.seeks[3], "XAB       ");
}
