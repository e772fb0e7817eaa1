#include "calc/Relationships.h"
#include "core/State.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarvik;

namespace {

enum Planet : int { PSun = 1, PMoon, PMars, PMercury, PJupiter, PVenus, PSaturn, PRahu, PKetu };

// The Rasi sign of planet p, as the relationships read it.
int& RasiOf(int p) { return Chart().ShodashVargaSigns[1][p + 1]; }

std::string Cell(int i, int j, int layer) { return Chart().FriendshipTable[i][j][layer]; }

} // namespace

TEST(TemporaryRelationTest, FriendsInTheSecondToFourthAndTenthToTwelfthPlaces)
{
    // Place of planet i counted from planet j's sign -> relation.
    const char expected[13] = {0, '0', '2', '2', '2', '0', '0', '0', '0', '0', '2', '2', '2'};
    for (int signJ = 1; signJ <= 12; ++signJ)
        for (int place = 1; place <= 12; ++place) {
            const int signI = (signJ + place - 2) % 12 + 1;
            SCOPED_TRACE(::testing::Message() << "i in " << signI << ", j in " << signJ);
            EXPECT_EQ(TemporaryRelation(signI, signJ), expected[place]);
            EXPECT_EQ(TemporaryRelation(signJ, signI), TemporaryRelation(signI, signJ));
        }
}

TEST(CompoundRelationTest, FiveFoldFromNaturalAndTemporary)
{
    struct Case { char natural, temporary, compound; };
    const Case cases[] = {
        {Friend, Friend, GreatFriend}, {Friend, Enemy, Neutral},
        {Neutral, Friend, Friend},     {Neutral, Enemy, Enemy},
        {Enemy, Friend, Neutral},      {Enemy, Enemy, GreatEnemy},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.natural << c.temporary);
        EXPECT_EQ(CompoundRelation(c.natural, c.temporary), c.compound);
    }
    EXPECT_THROW(CompoundRelation(' ', Friend), std::invalid_argument);
}

TEST(NaturalRelationRowsTest, BlankOnTheDiagonalAndCodesElsewhere)
{
    for (int i = 1; i <= 9; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(NaturalRelationRows[i].size(), 9u);
        for (int j = 1; j <= 9; ++j) {
            const char c = NaturalRelationRows[i][j - 1];
            if (i == j)
                EXPECT_EQ(c, ' ');
            else
                EXPECT_TRUE(c == Enemy || c == Neutral || c == Friend) << "column " << j;
        }
    }
}

class RelationshipsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProgramState();
        // A chart: Sun Aries, Moon Gemini, Mars and Jupiter both in Leo,
        // Mercury Taurus, Venus Libra, Saturn Capricorn, Rahu Cancer, Ketu Capricorn.
        const int signs[10] = {0, 1, 3, 5, 2, 5, 7, 10, 4, 10};
        for (int p = 1; p <= 9; ++p)
            RasiOf(p) = signs[p];
        CalcRelationships(Chart());
    }
};

TEST_F(RelationshipsTest, CompoundRelationsOfTheChart)
{
    struct Case { int i, j; const char *temporary, *compound; };
    const Case cases[] = {
        // Sun and Moon, natural friends both ways, third and eleventh from each other.
        {PSun, PMoon, "2", "3"}, {PMoon, PSun, "2", "3"},
        // Venus in the 7th from the Sun, which holds it an enemy.
        {PSun, PVenus, "0", "4"}, {PVenus, PSun, "0", "4"},
        // Two planets in one sign are temporary enemies: Mars and Jupiter are natural friends.
        {PMars, PJupiter, "0", "1"}, {PJupiter, PMars, "0", "1"},
        // Rahu and Ketu stand opposite one another: enemies, and enemies by nature.
        {PRahu, PKetu, "0", "4"}, {PKetu, PRahu, "0", "4"},
        // Saturn and Ketu share Capricorn; Saturn holds Ketu an enemy, Ketu holds Saturn one too.
        {PSaturn, PKetu, "0", "4"}, {PKetu, PSaturn, "0", "4"},
        // Mercury (Taurus) is 2nd from the Sun: Sun neutral to Mercury -> friend.
        {PSun, PMercury, "2", "2"}, {PMercury, PSun, "2", "3"},
        // Rahu (Cancer) 4th from the Sun; the Sun is 10th from Rahu.
        {PRahu, PSun, "2", "1"}, {PSun, PRahu, "2", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.i << " -> " << c.j);
        EXPECT_EQ(Cell(c.i, c.j, Temporary), c.temporary);
        EXPECT_EQ(Cell(c.i, c.j, Compound), c.compound);
    }
}

TEST_F(RelationshipsTest, LayersHoldRowsNaturalCodesAndSymmetricTemporaryCodes)
{
    for (int i = 1; i <= 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Cell(i, 1, NaturalRows), NaturalRelationRows[i]);
        for (int j = 1; j <= 9; ++j) {
            if (i == j) {
                for (int layer = Natural; layer <= Compound; ++layer)
                    EXPECT_EQ(Cell(i, i, layer), "");
                continue;
            }
            EXPECT_EQ(Cell(i, j, Natural), std::string(1, NaturalRelationRows[i][j - 1]));
            EXPECT_EQ(Cell(i, j, Temporary), Cell(j, i, Temporary)) << "with " << j;
            EXPECT_EQ(Cell(i, j, Compound),
                      std::string(1, CompoundRelation(Cell(i, j, Natural)[0], Cell(i, j, Temporary)[0])));
        }
    }
}

TEST_F(RelationshipsTest, ANewChartOverwritesEveryRelation)
{
    for (int p = 1; p <= 9; ++p)
        RasiOf(p) = 6;           // every planet in Virgo: all temporary enemies
    CalcRelationships(Chart());
    for (int i = 1; i <= 9; ++i)
        for (int j = 1; j <= 9; ++j)
            if (i != j) {
                EXPECT_EQ(Cell(i, j, Temporary), "0") << i << " -> " << j;
            }
    EXPECT_EQ(Cell(PSun, PMoon, Compound), "1");
}
