// The eight kootas on pairs of Moons chosen at their edges, the properties
// the tradition gives them (which kootas weigh both persons alike), the
// total's bands, the doshas and the Manglik status.

#include "panchang/Elements.h"
#include "readings/Ashtakoota.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace tarvik;

namespace {

MatchPerson person(double moon, int lagnaSign = 1, int marsSign = 2)
{
    MatchPerson p;
    p.moonLongitude = moon;
    p.nakshatra = CalcNakshatra(moon);
    p.lagnaSign = lagnaSign;
    p.marsSign = marsSign;
    return p;
}

// Moons used below: sign and nakshatra.
constexpr double AriesAshvini = 2, AriesAshvini2 = 3, AriesBharani = 15;
constexpr double TaurusKrittika = 30, TaurusRohini = 40;
constexpr double GeminiArdra = 70, GeminiMrig = 65;
constexpr double CancerPushya = 95, CancerAshlesha = 110, CancerPushya2 = 100;
constexpr double LeoMagha = 122, LeoMagha2 = 130;
constexpr double VirgoUPhalguni = 150, VirgoHasta = 165, VirgoHasta2 = 160;
constexpr double LibraChitra = 180, LibraSwati = 190;
constexpr double CapricornShravan = 280;

TEST(Ashtakoota, EachKootaAtItsEdgesAndExceptions)
{
    const struct {
        const char* what;
        double boy, girl;
        int koota;
        double points;
        const char* boyCell;
        const char* girlCell;
    } cases[] = {
        // Varna: the boy's varna as high as the girl's or higher.
        {"Brahmin boy, Shudra girl", CancerPushya, GeminiMrig, VarnaKoota, 1, "_BRAHMIN", "_SHUDRA"},
        {"Shudra boy, Brahmin girl", GeminiMrig, CancerPushya, VarnaKoota, 0, "_SHUDRA", "_BRAHMIN"},
        {"same varna", AriesAshvini, LeoMagha, VarnaKoota, 1, "_KSHATRIYA", "_KSHATRIYA"},
        {"Vaishya boy, Kshatriya girl", TaurusRohini, AriesAshvini, VarnaKoota, 0, "_VAISHYA", "_KSHATRIYA"},
        // Vashya: Sagittarius and Capricorn change class at 15 degrees.
        {"15 deg Sagittarius is four-footed", 255, 254.99, VashyaKoota, 0, "_CHATUSHPAD", "_MAANAV"},
        {"14.99 deg Sagittarius is human", 254.99, 255, VashyaKoota, 0.5, "_MAANAV", "_CHATUSHPAD"},
        {"Capricorn's halves", 284.99, 285, VashyaKoota, 1, "_CHATUSHPAD", "_JALCHAR"},
        {"Capricorn's halves swapped", 285, 284.99, VashyaKoota, 2, "_JALCHAR", "_CHATUSHPAD"},
        {"Leo and Scorpio", LeoMagha, 215, VashyaKoota, 1, "_VANCHAR", "_KEET"},
        // Tara: counts from each nakshatra to the other, inclusive.
        {"one nakshatra", AriesAshvini, AriesAshvini2, TaraKoota, 3, "_MAITRA", "_MAITRA"},
        {"third from the boy", AriesAshvini, TaurusKrittika, TaraKoota, 1.5, "_VIPAT", "_MAITRA"},
        {"third from the girl", TaurusKrittika, AriesAshvini, TaraKoota, 1.5, "_MAITRA", "_VIPAT"},
        {"ninth: a full group", AriesAshvini, CancerAshlesha, TaraKoota, 3, "_MAITRA", "_MAITRA"},
        {"tenth: the next group's first", AriesAshvini, LeoMagha, TaraKoota, 3, "_MAITRA", "_MAITRA"},
        {"fifth", AriesAshvini, GeminiMrig, TaraKoota, 1.5, "_VIPAT", "_MAITRA"},
        {"across Revati", 355, TaurusKrittika, TaraKoota, 1.5, "_MAITRA", "_VIPAT"},
        // Yoni: enemies score nothing; the girl's yoni picks the row.
        {"horse and buffalo", AriesAshvini, VirgoHasta, YoniKoota, 0, "_ASHVA", "_MAHEESH"},
        {"cow boy, tiger girl", VirgoUPhalguni, LibraChitra, YoniKoota, 1, "_GAU", "_VYAGHRA"},
        {"tiger boy, cow girl", LibraChitra, VirgoUPhalguni, YoniKoota, 0, "_VYAGHRA", "_GAU"},
        {"one yoni", AriesAshvini, 315, YoniKoota, 4, "_ASHVA", "_ASHVA"},
        // Graha maitri: the lords of the Moon signs.
        {"Mars and Mercury", AriesAshvini, GeminiArdra, GrahaMaitriKoota, 0.5, "_MANGAL", "_BUDHA"},
        {"Sun and Venus", LeoMagha2, LibraSwati, GrahaMaitriKoota, 0, "_RAVI", "_SHUKRA"},
        {"Moon and Saturn", CancerPushya2, CapricornShravan, GrahaMaitriKoota, 0.5, "_CHANDRA", "_SANI"},
        {"one lord, two signs", GeminiArdra, VirgoHasta, GrahaMaitriKoota, 5, "_BUDHA", "_BUDHA"},
        {"Jupiter and Saturn", 250, CapricornShravan, GrahaMaitriKoota, 3, "_GURU", "_SANI"},
        // Gana: a rakshasa girl spoils a deva boy's match, not the reverse.
        {"deva boy, rakshasa girl", AriesAshvini, TaurusKrittika, GanaKoota, 0, "_DEV", "_RAKSHAS"},
        {"rakshasa boy, deva girl", TaurusKrittika, AriesAshvini, GanaKoota, 1, "_RAKSHAS", "_DEV"},
        {"manushya boy, deva girl", AriesBharani, AriesAshvini, GanaKoota, 5, "_MANUSHYA", "_DEV"},
        {"deva boy, manushya girl", AriesAshvini, AriesBharani, GanaKoota, 6, "_DEV", "_MANUSHYA"},
        // Bhakut: the boy's sign counted from the girl's.
        {"one sign", AriesAshvini, AriesBharani, BhakutKoota, 7, "_MESH", "_MESH"},
        {"girl one sign on: 12", AriesAshvini, TaurusRohini, BhakutKoota, 0, "_MESH", "_VRISHABH"},
        {"boy one sign on: 2", TaurusRohini, AriesAshvini, BhakutKoota, 0, "_VRISHABH", "_MESH"},
        {"5", LeoMagha, AriesAshvini, BhakutKoota, 0, "_SIMHA", "_MESH"},
        {"9", AriesAshvini, LeoMagha, BhakutKoota, 0, "_MESH", "_SIMHA"},
        {"6", VirgoHasta, AriesAshvini, BhakutKoota, 0, "_KANYA", "_MESH"},
        {"7", LibraSwati, AriesAshvini, BhakutKoota, 7, "_TULA", "_MESH"},
        {"3", GeminiArdra, AriesAshvini, BhakutKoota, 7, "_MITHUN", "_MESH"},
        {"4 across Pisces", GeminiArdra, 355, BhakutKoota, 7, "_MITHUN", "_MEEN"},
        {"5 across Pisces", CancerPushya, 355, BhakutKoota, 0, "_KARK", "_MEEN"},
        // Nadi: one nadi for both scores nothing.
        {"one nakshatra", AriesAshvini, AriesAshvini2, NadiKoota, 0, "_AADHYA", "_AADHYA"},
        {"Ashvini and Ardra", AriesAshvini, GeminiArdra, NadiKoota, 0, "_AADHYA", "_AADHYA"},
        {"Ashvini and Bharani", AriesAshvini, AriesBharani, NadiKoota, 8, "_AADHYA", "_MADHYA"},
        {"Hasta and Swati", VirgoHasta2, LibraSwati, NadiKoota, 8, "_AADHYA", "_ANTYA"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const AshtakootaResult r = MatchAshtakoota(person(c.boy), person(c.girl));
        const KootaScore& k = r.kootas[c.koota];
        EXPECT_EQ(k.points, c.points);
        EXPECT_EQ(k.cells[0], c.boyCell);
        EXPECT_EQ(k.cells[1], c.girlCell);
    }
}

// Moons every 1.25 degrees, off the sign and nakshatra boundaries.
std::vector<double> moonGrid()
{
    std::vector<double> moons;
    for (double m = 0.6; m < 360; m += 1.25)
        moons.push_back(m);
    return moons;
}

// Tara, graha maitri, bhakut and nadi weigh both persons alike; varna,
// vashya, yoni and gana do not, but every koota keeps within its maximum,
// and the total is their sum in half points.
TEST(Ashtakoota, SymmetryWhereTheTraditionHasIt)
{
    const std::vector<double> moons = moonGrid();
    int asymmetric[KootaCount + 1] = {};
    for (double b : moons) {
        for (double g : moons) {
            const AshtakootaResult r = MatchAshtakoota(person(b), person(g));
            const AshtakootaResult swapped = MatchAshtakoota(person(g), person(b));
            double sum = 0;
            for (int k = 1; k <= KootaCount; ++k) {
                const double points = r.kootas[k].points;
                ASSERT_GE(points, 0);
                ASSERT_LE(points, k);
                ASSERT_EQ(points * 2, std::floor(points * 2));
                sum += points;
                if (points != swapped.kootas[k].points)
                    ++asymmetric[k];
            }
            ASSERT_EQ(r.total, sum);
            // The varna point: the boy's varna number (1 Brahmin) not above the girl's.
            ASSERT_EQ(r.kootas[VarnaKoota].points,
                      VarnaOfSign(MoonSignOf(b)) <= VarnaOfSign(MoonSignOf(g)) ? 1 : 0);
        }
    }
    for (int k : {TaraKoota, GrahaMaitriKoota, BhakutKoota, NadiKoota})
        EXPECT_EQ(asymmetric[k], 0) << KootaNameKey(k);
    for (int k : {VarnaKoota, VashyaKoota, YoniKoota, GanaKoota})
        EXPECT_GT(asymmetric[k], 0) << KootaNameKey(k);
}

TEST(Ashtakoota, TaraCountsInclusiveRoundTheCircle)
{
    const struct {
        int from, to, count;
        bool favourable;
    } cases[] = {
        {1, 1, 1, true}, {1, 3, 3, false}, {3, 1, 26, true}, {1, 9, 9, true},
        {1, 10, 10, true}, {1, 12, 12, false}, {27, 1, 2, true}, {1, 27, 27, true},
        {5, 11, 7, false}, {11, 5, 22, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.to));
        EXPECT_EQ(TaraCount(c.from, c.to), c.count);
        EXPECT_EQ(FavourableTara(c.count), c.favourable);
    }
}

TEST(Ashtakoota, VerdictBandsOfTheTotal)
{
    const struct {
        double total;
        const char* key;
    } cases[] = {
        {0, "SCO"},     {13.5, "SCO"},   {14, "SCO14"}, {17.5, "SCO14"}, {18, "SCO18"},
        {21.5, "SCO18"}, {22, "SCO23"},  {25.5, "SCO23"}, {26, "SCO28"}, {29.5, "SCO28"},
        {30, "SCO36"},  {36, "SCO36"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VerdictKey(c.total), c.key) << c.total;
}

TEST(Ashtakoota, DoshaNotesAndManglikKeys)
{
    EXPECT_EQ(DoshaNoteKey(0, 0), "NADIBHAKUT");
    EXPECT_EQ(DoshaNoteKey(7, 0), "NADIDOSHA");
    EXPECT_EQ(DoshaNoteKey(0, 8), "BHAKUTDOSHA");
    EXPECT_EQ(DoshaNoteKey(7, 8), "");

    // Mars counted from each person's own Lagna.
    const struct {
        int boyLagna, boyMars, girlLagna, girlMars;
        const char* key;
    } cases[] = {
        {1, 1, 1, 2, "BTGF"},     // Mars in the Lagna's sign; in the second house
        {5, 4, 12, 11, "BTGT"},   // Mars in the sign before the Lagna: the twelfth
        {2, 8, 3, 9, "BTGT"},     // the seventh
        {10, 1, 1, 8, "BTGT"},    // the fourth, counted across Pisces; the eighth
        {1, 3, 1, 6, "BFGF"},     // the third and sixth
        {1, 5, 4, 4, "BFGT"},     // the fifth; the first
        {1, 9, 1, 11, "BFGF"},    // ninth and eleventh
        {1, 10, 1, 10, "BFGF"},   // tenth
    };
    for (const auto& c : cases) {
        const AshtakootaResult r = MatchAshtakoota(person(AriesAshvini, c.boyLagna, c.boyMars),
                                                   person(LeoMagha, c.girlLagna, c.girlMars));
        EXPECT_EQ(r.manglikKey, c.key) << c.boyLagna << " " << c.boyMars << " / " << c.girlLagna
                                       << " " << c.girlMars;
    }
}

// A whole match: both totals and the notes of its doshas.
TEST(Ashtakoota, TotalVerdictAndNoteOfWholeMatches)
{
    // One nakshatra for both: tara 3, yoni 4, graha maitri 5, gana 6,
    // bhakut 7, varna 1, vashya 2, but nadi 0.
    AshtakootaResult r = MatchAshtakoota(person(AriesAshvini), person(AriesAshvini2));
    EXPECT_EQ(r.total, 28);
    EXPECT_EQ(r.verdictKey, "SCO28");
    EXPECT_EQ(r.doshaNoteKey, "NADIDOSHA");

    // Aries Ashvini with Taurus Rohini: varna 1 (Kshatriya boy, Vaishya girl),
    // vashya 2, tara 1.5 (the fourth, but the twenty-fifth back), yoni 2
    // (horse and serpent), graha maitri 3 (Mars and Venus), gana 6, bhakut 0
    // (the girl's sign next after the boy's), nadi 8.
    r = MatchAshtakoota(person(AriesAshvini), person(TaurusRohini));
    EXPECT_EQ(r.kootas[TaraKoota].points, 1.5);
    EXPECT_EQ(r.kootas[YoniKoota].points, 2);
    EXPECT_EQ(r.kootas[GrahaMaitriKoota].points, 3);
    EXPECT_EQ(r.total, 23.5);
    EXPECT_EQ(r.verdictKey, "SCO23");
    EXPECT_EQ(r.doshaNoteKey, "BHAKUTDOSHA");
}

TEST(Ashtakoota, PointsKeysCountAHalfAsTheNextWhole)
{
    const struct {
        int koota;
        double points;
        const char* key;
    } cases[] = {
        {VarnaKoota, 0, "VARNA0"},          {VashyaKoota, 0.5, "VASHYA1"},
        {VashyaKoota, 1, "VASHYA1"},        {TaraKoota, 1.5, "TARA/DIN2"},
        {GrahaMaitriKoota, 0.5, "GRAHA_MAITRI1"}, {GanaKoota, 5, "GANA5"},
        {BhakutKoota, 7, "BHAKUT7"},        {NadiKoota, 8, "NADI8"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KootaPointsKey(c.koota, c.points), c.key);
    EXPECT_EQ(KootaTextKey(VarnaKoota), "VARNA");
    EXPECT_EQ(KootaTextKey(TaraKoota), "TARA/DIN");
}

} // namespace
