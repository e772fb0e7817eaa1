#include "Ashtakoota.h"

#include "MarsHouses.h"
#include "calc/Angles.h"
#include "calc/NameTables.h"
#include "panchang/Elements.h"

#include <cmath>
#include <stdexcept>

namespace tarvik {

namespace {

constexpr int RasiColumn = 1;   // of the seven-varga sign tables

// Graha maitri: the points of the friendship of the two Moon-sign lords,
// row the boy's lord, column the girl's (1 Sun, 2 Moon, 3 Mars, 4 Mercury,
// 5 Jupiter, 6 Venus, 7 Saturn).
constexpr double GrahaMaitriPoints[8][8] = {
    {},
    //  Sun  Moon Mars Merc Jup  Ven  Sat
    {0, 5,   5,   5,   4,   5,   0,   0},     // Sun
    {0, 5,   5,   4,   1,   4,   0.5, 0.5},   // Moon
    {0, 5,   4,   5,   0.5, 5,   3,   0.5},   // Mars
    {0, 4,   1,   0.5, 5,   0.5, 5,   4},     // Mercury
    {0, 5,   4,   5,   0.5, 5,   0.5, 3},     // Jupiter
    {0, 0,   0.5, 3,   5,   0.5, 5,   5},     // Venus
    {0, 0,   0.5, 0.5, 4,   3,   5,   5},     // Saturn
};

constexpr std::array<Key, 8> LordKeys = {
    "", "_RAVI", "_CHANDRA", "_MANGAL", "_BUDHA", "_GURU", "_SHUKRA", "_SANI"};

// Per Moon sign: its lord for graha maitri and its key for bhakut.
struct MoonSignRow {
    int lord;
    Key key;
};
constexpr std::array<MoonSignRow, 13> MoonSigns = {{
    {},
    {3, "_MESH"},       // Aries
    {6, "_VRISHABH"},   // Taurus
    {4, "_MITHUN"},     // Gemini
    {2, "_KARK"},       // Cancer
    {1, "_SIMHA"},      // Leo
    {4, "_KANYA"},      // Virgo
    {6, "_TULA"},       // Libra
    {3, "_VRISCHIKA"},  // Scorpio
    {5, "_DHANU"},      // Sagittarius
    {7, "_MAKAR"},      // Capricorn
    {7, "_KUMBH"},      // Aquarius
    {5, "_MEEN"},       // Pisces
}};

// Varna by the element of the Moon sign: fire Kshatriya, earth Vaishya, air
// Shudra, water Brahmin. The point: row the girl's varna, column the boy's;
// the boy's varna must be as high as the girl's or higher.
constexpr std::array<int, 5> VarnaOfElement = {0, 2, 3, 4, 1};
constexpr std::array<Key, 5> VarnaKeys = {"", "_BRAHMIN", "_KSHATRIYA", "_VAISHYA", "_SHUDRA"};
constexpr int VarnaPoints[5][5] = {
    {},
    //  Bra Ksh Vai Shu   (boy)
    {0, 1,  0,  0,  0},   // Brahmin girl
    {0, 1,  1,  0,  0},   // Kshatriya
    {0, 1,  1,  1,  0},   // Vaishya
    {0, 1,  1,  1,  1},   // Shudra
};

// Vashya classes by Moon sign; Sagittarius and Capricorn change class at
// the middle of the sign (0 marks them).
enum Vashya : int { Chatushpad = 1, Vanchar, Maanav, Keet, Jalchar };
constexpr std::array<Key, 6> VashyaKeys = {
    "", "_CHATUSHPAD", "_VANCHAR", "_MAANAV", "_KEET", "_JALCHAR"};
constexpr std::array<int, 13> VashyaOfSign = {
    0, Chatushpad, Chatushpad, Maanav, Jalchar, Vanchar, Maanav, Maanav, Keet, 0, 0, Maanav,
    Jalchar};
// Row the girl's class, column the boy's.
constexpr double VashyaPoints[6][6] = {
    {},
    //  Cha Van Maa  Kee Jal   (boy)
    {0, 2,  1,  0.5, 1,  2},   // Chatushpad girl
    {0, 1,  2,  0,   1,  1},   // Vanchar
    {0, 0,  0,  2,   0,  1},   // Maanav
    {0, 1,  1,  0,   2,  1},   // Keet
    {0, 1,  1,  1,   1,  2},   // Jalchar
};

// The yoni animal of each nakshatra: 1 Ashva, 2 Gaj, 3 Mesh, 4 Sarp, 5 Swan,
// 6 Marjar, 7 Uudar, 8 Gau, 9 Mahish, 10 Vyaghra, 11 Mrig, 12 Vaanar,
// 13 Nakul, 14 Simha.
constexpr std::array<int, 28> YoniOfNakshatra = {
    0, 1, 2, 3, 4, 4, 5, 6, 3, 6, 7, 7, 8, 9, 10, 9, 10, 11, 11, 5, 12, 13, 12, 14, 1, 14, 8, 2};
// Row the girl's yoni, column the boy's. The rows are not symmetric: the
// girl's yoni always picks the row.
constexpr int YoniPoints[15][15] = {
    {},
    //  Ash Gaj Mes Sar Swa Mar Uud Gau Mah Vya Mri Vaa Nak Sim  (boy)
    {0, 4,  2,  3,  2,  2,  3,  3,  3,  0,  1,  3,  2,  2,  1},   // Ashva girl
    {0, 2,  4,  3,  2,  2,  3,  1,  3,  3,  1,  3,  2,  2,  0},   // Gaj
    {0, 3,  3,  4,  2,  2,  3,  3,  3,  0,  1,  3,  0,  2,  1},   // Mesh
    {0, 2,  2,  2,  4,  2,  1,  1,  2,  2,  2,  2,  1,  0,  2},   // Sarp
    {0, 2,  2,  2,  2,  4,  1,  1,  2,  2,  2,  0,  2,  2,  2},   // Swan
    {0, 3,  3,  3,  1,  1,  4,  0,  3,  3,  2,  3,  2,  2,  2},   // Marjar
    {0, 3,  3,  3,  1,  2,  0,  4,  3,  3,  2,  3,  2,  1,  1},   // Uudar
    {0, 3,  3,  3,  2,  2,  3,  3,  4,  1,  0,  3,  2,  2,  1},   // Gau
    {0, 0,  3,  3,  2,  2,  3,  3,  4,  4,  1,  1,  2,  2,  1},   // Mahish
    {0, 1,  1,  1,  2,  2,  2,  2,  1,  1,  4,  1,  2,  2,  1},   // Vyaghra
    {0, 3,  3,  3,  2,  0,  3,  2,  3,  3,  1,  4,  2,  2,  3},   // Mrig
    {0, 2,  2,  0,  1,  2,  2,  2,  2,  2,  2,  2,  4,  2,  2},   // Vaanar
    {0, 2,  2,  2,  0,  2,  2,  1,  2,  2,  2,  2,  2,  4,  2},   // Nakul
    {0, 1,  0,  1,  2,  2,  2,  2,  1,  1,  2,  1,  2,  2,  4},   // Simha
};

// Gana: row the boy's, column the girl's (1 deva, 2 manushya, 3 rakshasa).
constexpr int GanaPoints[4][4] = {
    {},
    //  Dev Man Rak   (girl)
    {0, 6,  6,  0},   // deva boy
    {0, 5,  6,  0},   // manushya
    {0, 1,  0,  6},   // rakshasa
};

// The Moon-sign distances (the boy's sign counted from the girl's) of the
// bhakut dosha: 2-12, 5-9 and 6-8 from each other.
constexpr bool BhakutDosha(int distance)
{
    return distance == 2 || distance == 12 || distance == 5 || distance == 9 ||
           distance == 6 || distance == 8;
}

constexpr std::array<Key, KootaCount + 1> KootaNameKeys = {
    "", "_VARNA", "_VASHYA", "TARA/DIN", "YONI", "GRAHA_MAITRI", "GANA", "BHAKUT", "NADI"};

KootaScore score(double points, Key boyCell, Key girlCell)
{
    return {points, {std::string(boyCell), std::string(girlCell)}};
}

void checkSign(int sign, const char* who)
{
    if (sign < 1 || sign > 12)
        throw std::runtime_error(std::string("The ") + who +
                                 "'s chart has not been computed for the match");
}

} // namespace

int MoonSignOf(double moonLongitude) { return SignOfLongitude(moonLongitude); }

int VarnaOfSign(int moonSign) { return VarnaOfElement[(moonSign - 1) % 4 + 1]; }

int VashyaOf(double moonLongitude)
{
    const double longitude = ReduceDegrees(moonLongitude);
    const int sign = MoonSignOf(longitude);
    const bool firstHalf = longitude - 30 * (sign - 1) < 15;
    if (sign == 9)
        return firstHalf ? Maanav : Chatushpad;
    if (sign == 10)
        return firstHalf ? Chatushpad : Jalchar;
    return VashyaOfSign[sign];
}

int TaraCount(int fromNakshatra, int toNakshatra)
{
    return (toNakshatra - fromNakshatra + 27) % 27 + 1;
}

bool FavourableTara(int count)
{
    const int remainder = count % 9;
    return remainder != 3 && remainder != 5 && remainder != 7;
}

int YoniOf(int nakshatra) { return YoniOfNakshatra[nakshatra]; }

int GanaOf(int nakshatra)
{
    const Key gana = GanaKeys(nakshatra);
    return gana.starts_with("_D") ? 1 : gana.starts_with("_M") ? 2 : 3;
}

int NadiOf(int nakshatra)
{
    const Key nadi = NadiKeys(nakshatra);
    return nadi.starts_with("_AA") ? 1 : nadi.starts_with("_MA") ? 2 : 3;
}

int MoonSignLord(int moonSign) { return MoonSigns[moonSign].lord; }

int BhakutDistance(int boySign, int girlSign) { return WrapRange(boySign + 1 - girlSign, 12); }

std::string VerdictKey(double total)
{
    if (total < 14)
        return "SCO";
    if (total < 18)
        return "SCO14";
    if (total < 22)
        return "SCO18";
    if (total < 26)
        return "SCO23";
    if (total < 30)
        return "SCO28";
    return "SCO36";
}

std::string DoshaNoteKey(double bhakutPoints, double nadiPoints)
{
    if (bhakutPoints == 0 && nadiPoints == 0)
        return "NADIBHAKUT";
    if (nadiPoints == 0)
        return "NADIDOSHA";
    if (bhakutPoints == 0)
        return "BHAKUTDOSHA";
    return {};
}

std::string ManglikKey(bool boyManglik, bool girlManglik)
{
    return std::string("B") + (boyManglik ? "T" : "F") + "G" + (girlManglik ? "T" : "F");
}

std::string_view KootaNameKey(int koota) { return KootaNameKeys[koota]; }

std::string KootaTextKey(int koota)
{
    const Key name = KootaNameKeys[koota];
    return std::string(name.starts_with('_') ? name.substr(1) : name);
}

std::string KootaPointsKey(int koota, double points)
{
    return KootaTextKey(koota) + std::to_string(static_cast<int>(std::floor(points + 0.5)));
}

AshtakootaResult MatchAshtakoota(const MatchPerson& boy, const MatchPerson& girl)
{
    AshtakootaResult r;
    auto& k = r.kootas;
    const int boySign = MoonSignOf(boy.moonLongitude);
    const int girlSign = MoonSignOf(girl.moonLongitude);

    const int boyVarna = VarnaOfSign(boySign), girlVarna = VarnaOfSign(girlSign);
    k[VarnaKoota] = score(VarnaPoints[girlVarna][boyVarna], VarnaKeys[boyVarna], VarnaKeys[girlVarna]);

    const int boyVashya = VashyaOf(boy.moonLongitude), girlVashya = VashyaOf(girl.moonLongitude);
    k[VashyaKoota] = score(VashyaPoints[girlVashya][boyVashya], VashyaKeys[boyVashya],
                           VashyaKeys[girlVashya]);

    const bool boyTara = FavourableTara(TaraCount(boy.nakshatra, girl.nakshatra));
    const bool girlTara = FavourableTara(TaraCount(girl.nakshatra, boy.nakshatra));
    k[TaraKoota] = score(boyTara && girlTara ? 3 : boyTara || girlTara ? 1.5 : 0,
                         boyTara ? "_MAITRA" : "_VIPAT", girlTara ? "_MAITRA" : "_VIPAT");

    k[YoniKoota] = score(YoniPoints[YoniOf(girl.nakshatra)][YoniOf(boy.nakshatra)],
                         YoniKeys(boy.nakshatra), YoniKeys(girl.nakshatra));

    const int boyLord = MoonSignLord(boySign), girlLord = MoonSignLord(girlSign);
    k[GrahaMaitriKoota] =
        score(GrahaMaitriPoints[boyLord][girlLord], LordKeys[boyLord], LordKeys[girlLord]);

    k[GanaKoota] = score(GanaPoints[GanaOf(boy.nakshatra)][GanaOf(girl.nakshatra)],
                         GanaKeys(boy.nakshatra), GanaKeys(girl.nakshatra));

    k[BhakutKoota] = score(BhakutDosha(BhakutDistance(boySign, girlSign)) ? 0 : 7,
                           MoonSigns[boySign].key, MoonSigns[girlSign].key);

    k[NadiKoota] = score(NadiOf(boy.nakshatra) != NadiOf(girl.nakshatra) ? 8 : 0,
                         NadiKeys(boy.nakshatra), NadiKeys(girl.nakshatra));

    for (int n = 1; n <= KootaCount; ++n)
        r.total += k[n].points;
    r.boyManglik = IsManglikHouse(HouseFromSign(boy.marsSign, boy.lagnaSign));
    r.girlManglik = IsManglikHouse(HouseFromSign(girl.marsSign, girl.lagnaSign));
    r.verdictKey = VerdictKey(r.total);
    r.doshaNoteKey = DoshaNoteKey(k[BhakutKoota].points, k[NadiKoota].points);
    r.manglikKey = ManglikKey(r.boyManglik, r.girlManglik);
    return r;
}

MatchPerson MatchPersonOf(const std::array<double, 27>& longitudes, const int (&saptavargaSigns)[14][8],
                          int nakshatra, const char* who)
{
    MatchPerson person;
    person.moonLongitude = ReduceDegrees(longitudes[Moon]);
    person.nakshatra = nakshatra;
    person.lagnaSign = saptavargaSigns[Lagna][RasiColumn];
    person.marsSign = saptavargaSigns[Mars][RasiColumn];
    checkSign(person.lagnaSign, who);
    checkSign(person.marsSign, who);
    if (person.nakshatra < 1 || person.nakshatra > 27)
        throw std::runtime_error(std::string("The ") + who + "'s panchang has not been computed for the match");
    return person;
}

MatchPerson BoyOfMatch(const ChartState& boyChart, const MatchCopies& match)
{
    const auto& longitudes = boyChart.PlanetLongitudes;
    return MatchPersonOf(longitudes, match.NativeSaptavargaSigns,
                         CalcNakshatra(ReduceDegrees(longitudes[Moon])), "boy");
}

MatchPerson GirlOfMatch(const MatchCopies& match)
{
    return MatchPersonOf(match.PartnerLongitudes, match.PartnerSaptavargaSigns,
                         static_cast<int>(match.PartnerPanchang[NakshatraElement]), "girl");
}

} // namespace tarvik
