#include "calc/NameTables.h"

#include <gtest/gtest.h>

#include <cctype>
#include <numeric>
#include <set>
#include <string>

using namespace tarvik;

TEST(BodyOrderTest, TraditionalAndComputationOrdersAreInverse)
{
    EXPECT_EQ(BodyDisplayOrder[3], 8);  // the Moon
    EXPECT_EQ(BodyDisplayOrder[5], 3);  // Mercury
    for (int p = 11; p <= 13; ++p)
        EXPECT_EQ(BodyDisplayOrder[p], p);
    for (int p = 1; p <= 13; ++p)
        EXPECT_EQ(TraditionalPosition[BodyDisplayOrder[p]], p) << p;
    EXPECT_EQ(BodyKeys[BodyDisplayOrder[3]], "_CHANDRA");
    EXPECT_EQ(BodyNames[BodyDisplayOrder[4]], "MANGAL");
}

TEST(LordTableTest, NakshatraLordsFollowTheVimshottariOrder)
{
    // Traditional positions of the Vimshottari lords Ketu, Venus, Sun, Moon,
    // Mars, Rahu, Jupiter, Saturn, Mercury.
    const int vimshottari[9] = {10, 7, 2, 3, 4, 9, 6, 8, 5};
    for (int n = 1; n <= 27; ++n)
        EXPECT_EQ(NakshatraLord(n), vimshottari[NakshatraDashaIndex(n)]) << "nakshatra " << n;
    EXPECT_EQ(NakshatraLord(9), 5);
    EXPECT_EQ(NakshatraLord(27), 5);
    EXPECT_EQ(DashaLordNames[NakshatraDashaIndex(27)], "Budha");
    EXPECT_EQ(std::accumulate(DashaYears.begin(), DashaYears.end(), 0), 120);
}

TEST(LordTableTest, EveryPlanetRulesTwoSignsAndTheLightsOne)
{
    int ruled[14] = {};
    for (int s = 1; s <= 12; ++s)
        ++ruled[SignLords[s]];
    for (int p = 2; p <= 8; ++p)
        EXPECT_EQ(ruled[p], (p == 2 || p == 3) ? 1 : 2) << "position " << p;
    EXPECT_EQ(SignLords[1], SignLords[8]);    // Mars: Mesh and Vrischika
    EXPECT_EQ(SignLords[10], SignLords[11]);  // Saturn: Makar and Kumbh
}

TEST(KaranaTableTest, FixedKaranasAroundTheMovableCycle)
{
    struct Case { int k; const char* name; };
    const Case cases[] = {{0, "KINSTUGHNA"}, {1, "KINSTUGHNA"}, {2, "BAVA"}, {8, "VISHTI"}, {9, "BAVA"},
                          {57, "VISHTI"}, {58, "SHAKUNI"}, {59, "CHATUSHPAD"}, {60, "NAG"}};
    for (const Case& c : cases)
        EXPECT_EQ(KaranaNames[c.k], c.name) << c.k;
}

TEST(KeyTableTest, EveryIndexInUseHoldsAKey)
{
    EXPECT_EQ(TithiKeys.size(), 15u);  // half-month tithis 1..14; the fifteenth is not named here
    for (int t = 1; t <= 14; ++t)
        EXPECT_EQ(TithiKeys[t].front(), '_') << t;
    for (int n = 1; n <= 27; ++n) {
        EXPECT_EQ(NakshatraKeys(n).front(), '_') << n;
        EXPECT_EQ(YogaKeys[n].front(), '_') << n;
        for (int pada = 1; pada <= 4; ++pada)
            EXPECT_FALSE(NameVargaKeys(n, pada).empty()) << n << " " << pada;
    }
    for (int s = 1; s <= 12; ++s)
        for (int col = 1; col <= 3; ++col)
            EXPECT_EQ(SignVarnaTable(s, col).front(), '_') << s << " " << col;
    EXPECT_EQ(YoniKeys(13), "_MAHEESH");
    EXPECT_EQ(YoniKeys(15), "_MAHI");
    EXPECT_EQ(SignVarnaTable(9, 3), "_MAANAV/CHAT");
}

// The dictionary is read with the key upper-cased, so an animal's key that
// spells a sign or a nakshatra the same way prints that sign or nakshatra:
// the ram and the lion read "Aries" and "Leo". Every yoni and varga animal
// has a row of its own.
TEST(KeyTableTest, AnimalKeysNameNoSignOrNakshatra)
{
    const auto upper = [](Key k) {
        std::string s(k);
        for (char& c : s)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return s;
    };
    std::set<std::string> others;
    for (int s = 1; s <= 12; ++s)
        others.insert(upper(SignKeys[s]));
    for (int n = 1; n <= 27; ++n)
        others.insert(upper(NakshatraKeys(n)));
    for (int n = 1; n <= 27; ++n) {
        EXPECT_FALSE(others.count(upper(YoniKeys(n)))) << "yoni of " << n << ": " << YoniKeys(n);
        for (int pada = 1; pada <= 4; ++pada)
            EXPECT_FALSE(others.count(upper(NameVargaKeys(n, pada))))
                << "varga of " << n << "-" << pada << ": " << NameVargaKeys(n, pada);
    }
}
