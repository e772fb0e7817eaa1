#pragma once

// Ashtakoota (guna) matching of a boy and a girl: eight kootas from the two
// Moons, worth 1 to 8 points in their order, 36 in all. Varna, vashya, graha
// maitri and bhakut come from the Moon signs, tara, yoni, gana and nadi from
// the Moon nakshatras. Where the tradition weighs the two persons alike
// (tara, graha maitri, bhakut, nadi) swapping them changes nothing; varna,
// vashya, yoni and gana favour one side, so their tables are read with the
// boy and the girl in fixed places.

#include "calc/PanchangElements.h"
#include "core/State.h"

#include <array>
#include <string>
#include <string_view>

namespace tarvik {

enum KootaNumber : int {
    VarnaKoota = 1, VashyaKoota, TaraKoota, YoniKoota, GrahaMaitriKoota, GanaKoota,
    BhakutKoota, NadiKoota,
};
inline constexpr int KootaCount = 8;

// What the match needs of one person's chart.
struct MatchPerson {
    double moonLongitude = 0;   // sidereal degrees
    int nakshatra = 1;          // of the Moon, 1..27
    int lagnaSign = 1;          // Rasi signs 1..12
    int marsSign = 1;
};

struct KootaScore {
    double points = 0;
    // The dictionary keys shown for the boy [0] and the girl [1] in the
    // result table: varna, vashya class, tara, yoni, Moon-sign lord, gana,
    // Moon sign, nadi.
    std::array<std::string, 2> cells;
};

struct AshtakootaResult {
    std::array<KootaScore, KootaCount + 1> kootas;   // 1..8
    double total = 0;                                 // 0..36 in half points
    bool boyManglik = false;
    bool girlManglik = false;
    std::string verdictKey;     // table Match: the band of the total
    std::string doshaNoteKey;   // table Match: nadi and bhakut doshas, "" for none
    std::string manglikKey;     // table Match: "BTGF" and the like
};

AshtakootaResult MatchAshtakoota(const MatchPerson& boy, const MatchPerson& girl);

// The person of one chart: its Moon (PlanetLongitudes order, sidereal), the
// Moon's nakshatra and the Rasi signs of its lagna and Mars from its
// seven-varga signs. Throws, naming `who`, when the signs or the nakshatra
// hold no chart.
MatchPerson MatchPersonOf(const std::array<double, 27>& longitudes, const int (&saptavargaSigns)[14][8],
                          int nakshatra, const char* who);

// The persons as a Match-Making run leaves them: the boy in his chart with
// the seven-varga signs kept after his run, the girl in the copies kept
// after hers with her panchang elements.
MatchPerson BoyOfMatch(const ChartState& boyChart, const MatchCopies& match);
MatchPerson GirlOfMatch(const MatchCopies& match);

// The pieces, for the pages and for checking.
int MoonSignOf(double moonLongitude);
int VarnaOfSign(int moonSign);                       // 1 Brahmin .. 4 Shudra
int VashyaOf(double moonLongitude);                   // 1 Chatushpad .. 5 Jalchar
int TaraCount(int fromNakshatra, int toNakshatra);    // inclusive, 1..27
bool FavourableTara(int count);
int YoniOf(int nakshatra);                            // 1 Ashva .. 14 Simha
int GanaOf(int nakshatra);                            // 1 deva, 2 manushya, 3 rakshasa
int NadiOf(int nakshatra);                            // 1 aadhya, 2 madhya, 3 antya
int MoonSignLord(int moonSign);                       // 1 Sun .. 7 Saturn
int BhakutDistance(int boySign, int girlSign);        // the boy's sign counted from the girl's
std::string VerdictKey(double total);
std::string DoshaNoteKey(double bhakutPoints, double nadiPoints);
std::string ManglikKey(bool boyManglik, bool girlManglik);

// The koota's display-name key (dictionary), its text key (table Match) and
// the key of the text on its points: the text key and the points rounded,
// a half point counting as the next whole one.
std::string_view KootaNameKey(int koota);
std::string KootaTextKey(int koota);
std::string KootaPointsKey(int koota, double points);

} // namespace tarvik
