#include "calc/NameTables.h"
#include "core/Reporter.h"
#include "registry/PageDispatcher.h"
#include "pages/RecordingSurface.h"
#include "readings/PredictionPages.h"
#include "readings/PredictionTexts.h"
#include "ReadingPagesFixture.h"
#include "pages/RunContext.h"
#include "refdata/RefdataFixture.h"
#include "refdata/TextLookup.h"

#include <gtest/gtest.h>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// The paragraph of a table's row, read here with a query of its own.
std::string row(const std::string& table, const std::string& where, std::initializer_list<Value> values)
{
    const bool hindi = OutputRun().LanguageHindi;
    const bool phal = table == "P_Phal";
    Recordset rs(DataConnection(), "select * from " + table + " where " + where, values);
    if (rs.Eof())
        return "(no row)";
    return rs.Field(phal ? (hindi ? "Hin" : "Eng") : (hindi ? "Hindi" : "English")).Text();
}

std::string planetText(int planet, int sign)
{
    return row("P_Planet", "planet = ? and rashi = ?", {planet, sign});
}
std::string signText(int sign, int house)
{
    return row("P_Rashi", "rashi = ? and house = ?", {sign, house});
}
std::string phalText(int body, int sign, int div)
{
    if (div == 0)
        return row("P_Phal", "rasi = ? and plnt = ? and div is null", {sign, body});
    return row("P_Phal", "rasi = ? and plnt = ? and div = ?", {sign, body, div});
}

// Mid-sign longitude of sign s.
double in(int sign) { return (sign - 1) * 30 + 15; }

class PredictionPages : public DeliveredReadingPages {
protected:
    void SetUp() override
    {
        DeliveredReadingPages::SetUp();
        ApplyDisplayConventions(false);
    }
    // The sign spreadBirth puts a body in.
    static int spreadSign(int body)
    {
        switch (body) {
        case Lagna: return 5;
        case Sun: return 1;
        case Mercury: return 2;
        case Venus: return 3;
        case Mars: return 4;
        case Jupiter: return 6;
        case Saturn: return 7;
        case Moon: return 8;
        case Rahu: return 9;
        case Neptune: return 10;
        }
        return 0;
    }
    // The birth longitudes of every body of the pages, each in its own sign.
    static void spreadBirth()
    {
        BirthState& b = Births();
        b.BirthLagna = in(5);
        b.BirthSun = in(1);
        b.BirthMercury = in(2);
        b.BirthVenus = in(3);
        b.BirthMars = in(4);
        b.BirthJupiter = in(6);
        b.BirthSaturn = in(7);
        b.BirthMoon = in(8);
        b.BirthRahu = in(9);
        b.BirthNeptune = in(10);
    }
};

// Each sign in zodiac order with the house it stands in, counted from the
// ascendant's sign as the first house.
TEST_F(PredictionPages, SignsInTheirHousesFromTheAscendantsSign)
{
    const struct {
        double lagna;
        std::array<int, 12> houses;   // house of Aries .. Pisces
    } cases[] = {
        {in(5), {9, 10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8}},     // Leo rising
        {0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},         // the first point of Aries
        {30, {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},        // exactly 30 is Taurus
        {359.99, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1}},    // the last of Pisces
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lagna);
        Births().BirthLagna = c.lagna;
        for (int part : {1, 2}) {
            const PredictionSteps steps = SignInHouseSteps(part, RunContext());
            ASSERT_EQ(steps.size(), 6u);
            for (int i = 0; i < 6; ++i) {
                const int sign = 6 * (part - 1) + i + 1;
                EXPECT_EQ(steps[i].heading, RunText(SignKeys[sign])) << sign;
                EXPECT_EQ(steps[i].text, signText(sign, c.houses[sign - 1])) << sign;
            }
        }
    }
    EXPECT_TRUE(collector.messages.empty());
}

// The bodies of each planet page in their order: three, three and two in
// English; two, three and three in Hindi, whose texts run longer.
TEST_F(PredictionPages, PlanetPagesDividedByLanguage)
{
    spreadBirth();
    const struct {
        bool hindi;
        std::array<std::vector<int>, 3> pages;
    } cases[] = {
        {false, {{{Sun, Mercury, Venus}, {Mars, Jupiter, Saturn}, {Moon, Rahu}}}},
        {true, {{{Sun, Mercury}, {Venus, Mars, Jupiter}, {Saturn, Moon, Rahu}}}},
    };
    for (const auto& c : cases) {
        ApplyDisplayConventions(c.hindi);
        for (int part = 1; part <= 3; ++part) {
            SCOPED_TRACE(std::string(c.hindi ? "hi " : "en ") + std::to_string(part));
            const PredictionSteps steps = PlanetInSignSteps(part, RunContext());
            ASSERT_EQ(steps.size(), c.pages[part - 1].size());
            for (std::size_t i = 0; i < steps.size(); ++i) {
                const int body = c.pages[part - 1][i];
                EXPECT_EQ(steps[i].heading, RunText(BodyKeys[body]));
                EXPECT_EQ(steps[i].text, planetText(body, spreadSign(body)));
            }
        }
    }
    // The sign boundaries: 30 degrees is Taurus, 359.99 Pisces.
    ApplyDisplayConventions(false);
    Births().BirthSun = 30;
    EXPECT_EQ(PlanetInSignSteps(1, RunContext())[0].text, planetText(Sun, 2));
    Births().BirthSun = 359.99;
    EXPECT_EQ(PlanetInSignSteps(1, RunContext())[0].text, planetText(Sun, 12));
    EXPECT_TRUE(collector.messages.empty());
}

// The topics of each part from the signs of their bodies; character in four
// parts read as one text, happiness and the way of life one line apart.
TEST_F(PredictionPages, TopicsFromTheSignsOfTheirBodies)
{
    spreadBirth();
    using S = PredictionStep;
    for (bool hindi : {false, true}) {
        SCOPED_TRACE(hindi ? "hi" : "en");
        ApplyDisplayConventions(hindi);
        const auto entry = [](const char* heading, int body, int div) {
            return S::Entry(RunText(heading), phalText(body, spreadSign(body), div));
        };
        const PredictionSteps part1 = {
            entry("Character", Sun, 1),
            S::Gap(0),
            S::Paragraph(phalText(Sun, 1, 2)),
            S::Paragraph(phalText(Sun, 1, 3)),
            S::Paragraph(phalText(Sun, 1, 4)),
            S::Space(1),
            entry("HAPPINESS", Mercury, 0),
            S::Gap(1),
            entry("LIFESTYLE", Moon, 0),
        };
        const PredictionSteps part2 = {
            entry("Career", Lagna, 0), entry("Occupation", Saturn, 0), entry("Health", Mars, 0)};
        const PredictionSteps part3 = {
            entry("Hobbies", Neptune, 0), entry("Love Matters", Venus, 0), entry("Finance", Jupiter, 0)};
        EXPECT_EQ(TopicSteps(1, RunContext()), part1);
        EXPECT_EQ(TopicSteps(2, RunContext()), part2);
        EXPECT_EQ(TopicSteps(3, RunContext()), part3);
    }
    EXPECT_TRUE(collector.messages.empty());
}

// A part outside a family's pages prints nothing.
TEST_F(PredictionPages, PartsOutsideTheFamilyPrintNothing)
{
    spreadBirth();
    for (int part : {0, 4, -1}) {
        EXPECT_TRUE(TopicSteps(part, RunContext()).empty()) << part;
        EXPECT_TRUE(PlanetInSignSteps(part, RunContext()).empty()) << part;
    }
    EXPECT_TRUE(SignInHouseSteps(3, RunContext()).empty());
    EXPECT_TRUE(SignInHouseSteps(0, RunContext()).empty());
    RecordingSurface s;
    PrintSignInHousePredictions(s, 3, RunContext());
    PrintTopicPredictions(s, 0, RunContext());
    EXPECT_TRUE(s.Texts().empty());
}

// The lookups answer in the run's language and take a topic of one text
// without a part; a combination the tables do not hold is damaged data.
TEST_F(PredictionPages, LookupsByLanguageAndMissingRows)
{
    const std::string english = GetPlanetInSignText(5, Sun, OutputRun().LanguageHindi);
    ApplyDisplayConventions(true);
    const std::string hindi = GetPlanetInSignText(5, Sun, OutputRun().LanguageHindi);
    EXPECT_EQ(hindi, planetText(Sun, 5));
    EXPECT_NE(hindi, english);
    EXPECT_EQ(GetSignInHouseText(9, 1, OutputRun().LanguageHindi), signText(1, 9));
    EXPECT_EQ(GetPhalText(Mercury, 3, 0, OutputRun().LanguageHindi), phalText(Mercury, 3, 0));
    EXPECT_EQ(GetPhalText(Sun, 3, 4, OutputRun().LanguageHindi), phalText(Sun, 3, 4));
    EXPECT_NE(GetPhalText(Sun, 3, 4, OutputRun().LanguageHindi), GetPhalText(Sun, 3, 1, OutputRun().LanguageHindi));

    EXPECT_THROW(GetPlanetInSignText(13, Sun, OutputRun().LanguageHindi), DbError);
    EXPECT_THROW(GetSignInHouseText(0, 1, OutputRun().LanguageHindi), DbError);
    EXPECT_THROW(GetPhalText(Sun, 3, 5, OutputRun().LanguageHindi), DbError);
    EXPECT_THROW(GetPhalText(Pluto, 3, 0, OutputRun().LanguageHindi), DbError);
}

// A page whose paragraph is missing from the reference database is
// abandoned with a message; the next page draws.
class DamagedPredictions : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProgramState();
        folder.CopyDeliveredDatabases();
        {
            Database zyv(folder.File(std::string(ReferenceDatabaseFile)), OpenMode::ReadWrite);
            zyv.Execute("delete from P_Rashi where rashi = 3");
        }
        Program().ProgramFolder = folder.Path().string();
        OpenReferenceDatabases();
        ApplyDisplayConventions(false);
    }
    void TearDown() override
    {
        CloseReferenceDatabases();
        ResetProgramState();
    }
    ScratchFolder folder;
    CollectingReporter collector;
    ScopedReporter scope{collector};
};

TEST_F(DamagedPredictions, PageAbandonedWithAMessage)
{
    Births().BirthLagna = in(5);
    RecordingSurface s;
    EXPECT_FALSE(PrintPage(s, "RashiP1", false));
    ASSERT_EQ(collector.messages.size(), 1u);
    EXPECT_NE(collector.messages[0].find("RashiP1"), std::string::npos);
    EXPECT_NE(collector.messages[0].find("P_Rashi rashi=3 house=11"), std::string::npos)
        << collector.messages[0];
    collector.messages.clear();
    EXPECT_TRUE(PrintPage(s, "RashiP2", false));
    EXPECT_TRUE(collector.messages.empty());
}

} // namespace
