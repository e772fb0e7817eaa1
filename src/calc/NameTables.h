#pragma once

// The fixed astrological vocabulary: body orders and the tables that map
// between them, the Vimshottari lords and years, and the display-text keys of
// signs, tithis, nakshatras, yogas, karanas, vargas and the avakahada items.
// Keys beginning with "_" (and the BodyNames, KaranaNames and VargaNames) are
// looked up in the Dictionary; WeekdayNames and DashaLordNames are plain text.
// Indices follow the traditional numbering: element 0 is unused where the
// numbering starts at 1.

#include <array>
#include <string_view>

namespace tarvik {

using Key = std::string_view;

// Body index (computation order) -> name key.
inline constexpr std::array<Key, 14> BodyKeys = {
    "", "_LAGNA", "_RAVI", "_BUDHA", "_SHUKRA", "_MANGAL", "_GURU", "_SANI",
    "_CHANDRA", "_RAHU", "_KETU", "_URANUS", "_NEPTUNE", "_PLUTO"};

// Body index -> the short key used where a body is labelled inside a chart or grid.
inline constexpr std::array<Key, 14> BodyNames = {
    "", "LAGNA", "RAVI", "BUDHA", "SHUKRA", "MANGAL", "GURU", "SANI",
    "CHANDRA", "RAHU", "KETU", "URANUS", "NEPTUNE", "PLUTO"};

// Traditional position (Lagna, Sun, Moon, Mars, Mercury, Jupiter, Venus,
// Saturn, Rahu, Ketu, Uranus, Neptune, Pluto) -> body index.
inline constexpr std::array<int, 14> BodyDisplayOrder = {
    0, 1, 2, 8, 5, 3, 6, 4, 7, 9, 10, 11, 12, 13};

// Body index -> traditional position (the inverse of BodyDisplayOrder).
inline constexpr std::array<int, 14> TraditionalPosition = {
    0, 1, 2, 5, 7, 4, 6, 8, 3, 9, 10, 11, 12, 13};

// Sign 1..12 -> traditional position of its lord.
inline constexpr std::array<int, 13> SignLords = {
    0, 4, 7, 5, 3, 2, 5, 7, 4, 6, 8, 8, 6};

// Nakshatra n -> traditional position of its lord, at index n mod 9.
inline constexpr std::array<int, 9> NakshatraLords = {5, 10, 7, 2, 3, 4, 9, 6, 8};

// Vimshottari order: dasha index 0..8 (lord of nakshatra n is (n - 1) mod 9).
inline constexpr std::array<Key, 9> DashaLordNames = {
    "Ketu", "Shukra", "Ravi", "Chandra", "Mangal", "Rahu", "Guru", "Sani", "Budha"};
inline constexpr std::array<int, 9> DashaYears = {7, 20, 6, 10, 7, 18, 16, 19, 17};

inline constexpr std::array<Key, 8> WeekdayNames = {
    "", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

inline constexpr std::array<Key, 13> SignKeys = {
    "", "_Mesh", "_Vrisha", "_Mithun", "_Kark", "_Simha", "_Kanya",
    "_Tula", "_Vrischika", "_Dhanu", "_Makar", "_Kumbh", "_Meen"};

// Tithi within its half-month 1..14; the fifteenth (full and new moon) is not named here.
inline constexpr std::array<Key, 15> TithiKeys = {
    "", "_Pratipada", "_Dvitiya", "_Tritiya", "_Chaturthi", "_Panchami", "_Shashthi",
    "_Saptami", "_Ashtami", "_Navami", "_Dashmi", "_Ekadashi", "_Dwadashi",
    "_Trayodashi", "_Chaturdashi"};

inline constexpr std::array<Key, 28> YogaKeys = {
    "", "_Viskumbh", "_Priti", "_Ayushman", "_Saubhagya", "_Sobhana", "_Atiganda",
    "_Sukarma", "_Dhriti", "_Sula", "_Gand", "_Vriddhi", "_Dhruva", "_Vyaghata",
    "_Harsana", "_Vajra", "_Siddhi", "_Vyatipata", "_Variyan", "_Parigha", "_Siva",
    "_Siddha", "_Sadhya", "_Subha", "_Shukla", "_Brahma", "_Indra", "_Vaidhriti"};

// Karana 0..60: 0 and 1 Kinstughna, 2..57 the seven movable karanas eight
// times over, then Shakuni, Chatushpad and Nag.
namespace detail {
inline constexpr std::array<Key, 7> MovableKaranas = {
    "BAVA", "BALAVA", "KAULAV", "TAITIL", "GAR", "VANIJ", "VISHTI"};
constexpr std::array<Key, 61> makeKaranaNames()
{
    std::array<Key, 61> names{};
    names[0] = names[1] = "KINSTUGHNA";
    for (int k = 2; k <= 57; ++k)
        names[k] = MovableKaranas[(k - 2) % 7];
    names[58] = "SHAKUNI";
    names[59] = "CHATUSHPAD";
    names[60] = "NAG";
    return names;
}
} // namespace detail
inline constexpr std::array<Key, 61> KaranaNames = detail::makeKaranaNames();

// The seven divisional charts in the column order of SaptavargaSigns.
inline constexpr std::array<Key, 8> VargaNames = {
    "", "Rasi", "Drekkana", "Sapthamsa", "Navamsa", "Dasamsa", "Dwadasamsa", "Shodasamsa"};

// Per nakshatra 1..27. The yoni and varga animals have keys of their own:
// the dictionary is read with the key upper-cased, so the ram, the lion and
// the deer cannot share the spelling of Mesha, Simha (the signs) or Mriga
// (the nakshatra).
struct NakshatraRow {
    Key key;
    Key gana;
    Key yunja;
    Key nadi;
    Key yoni;
    std::array<Key, 4> nameVarga;  // avakahada varga, pada 1..4: the group of the
                                   // first letter of the pada's name syllable
};

inline constexpr std::array<NakshatraRow, 28> NakshatraTable = {{
    {},
    {"_Ashvini",     "_DEV",      "_PURVA",  "_AADHYA", "_ASHVA",   {"_SINGH",  "_SINGH",  "_SINGH",  "_HIRAN"}},
    {"_Bharni",      "_MANUSHYA", "_PURVA",  "_MADHYA", "_GAJ",     {"_HIRAN",  "_HIRAN",  "_HIRAN",  "_HIRAN"}},
    {"_Krittika",    "_RAKSHAS",  "_PURVA",  "_ANTYA",  "_MENDHA",  {"_GARUD",  "_GARUD",  "_GARUD",  "_GARUD"}},
    {"_Rohini",      "_MANUSHYA", "_PURVA",  "_ANTYA",  "_SARP",    {"_GARUD",  "_HIRAN",  "_HIRAN",  "_HIRAN"}},
    {"_Mrig",        "_DEV",      "_PURVA",  "_MADHYA", "_SARP",    {"_HIRAN",  "_HIRAN",  "_MARJAR", "_MARJAR"}},
    {"_AAdra",       "_MANUSHYA", "_MADHYA", "_AADHYA", "_SWAN",    {"_MARJAR", "_MARJAR", "_MARJAR", "_SINGH"}},
    {"_P_vasu",      "_DEV",      "_MADHYA", "_AADHYA", "_MARJAR",  {"_MARJAR", "_MARJAR", "_MENDHA", "_MENDHA"}},
    {"_Pushya",      "_DEV",      "_MADHYA", "_MADHYA", "_MENDHA",  {"_MENDHA", "_MENDHA", "_MENDHA", "_SWAN"}},
    {"_Ashlesha",    "_RAKSHAS",  "_MADHYA", "_ANTYA",  "_MARJAR",  {"_SWAN",   "_SWAN",   "_SWAN",   "_SWAN"}},
    {"_Maagh",       "_RAKSHAS",  "_MADHYA", "_ANTYA",  "_UUDAR",   {"_UUDAR",  "_UUDAR",  "_UUDAR",  "_UUDAR"}},
    {"_P_Phalguni",  "_MANUSHYA", "_MADHYA", "_MADHYA", "_UUDAR",   {"_UUDAR",  "_SWAN",   "_SWAN",   "_SWAN"}},
    {"_U_Phalguni",  "_MANUSHYA", "_MADHYA", "_AADHYA", "_GAU",     {"_SWAN",   "_SWAN",   "_UUDAR",  "_UUDAR"}},
    {"_Hast",        "_DEV",      "_MADHYA", "_AADHYA", "_MAHEESH", {"_UUDAR",  "_MENDHA", "_SWAN",   "_SWAN"}},
    {"_Chitra",      "_RAKSHAS",  "_MADHYA", "_MADHYA", "_VYAGHRA", {"_UUDAR",  "_UUDAR",  "_HIRAN",  "_HIRAN"}},
    {"_Swati",       "_DEV",      "_MADHYA", "_ANTYA",  "_MAHI",    {"_HIRAN",  "_HIRAN",  "_HIRAN",  "_SARP"}},
    {"_Vishakha",    "_RAKSHAS",  "_MADHYA", "_ANTYA",  "_VYAGH",   {"_SARP",   "_SARP",   "_SARP",   "_SARP"}},
    {"_Anuradha",    "_DEV",      "_MADHYA", "_MADHYA", "_HIRAN",   {"_SARP",   "_SARP",   "_SARP",   "_SARP"}},
    {"_Jyeshtha",    "_RAKSHAS",  "_ANTYA",  "_AADHYA", "_HIRAN",   {"_SARP",   "_HIRAN",  "_HIRAN",  "_HIRAN"}},
    {"_Moola",       "_RAKSHAS",  "_ANTYA",  "_AADHYA", "_SWAN",    {"_HIRAN",  "_HIRAN",  "_UUDAR",  "_UUDAR"}},
    {"_P_ashadha",   "_MANUSHYA", "_ANTYA",  "_MADHYA", "_VAANAR",  {"_UUDAR",  "_SARP",   "_UUDAR",  "_SWAN"}},
    {"_U_ashadha",   "_MANUSHYA", "_ANTYA",  "_ANTYA",  "_NAKUL",   {"_UUDAR",  "_UUDAR",  "_SINGH",  "_SINGH"}},
    {"_Shravan",     "_DEV",      "_ANTYA",  "_ANTYA",  "_VAANAR",  {"_MARJAR", "_MARJAR", "_MARJAR", "_MARJAR"}},
    {"_Dhanishtha",  "_RAKSHAS",  "_ANTYA",  "_MADHYA", "_SINGH",   {"_MARJAR", "_MARJAR", "_MARJAR", "_MARJAR"}},
    {"_Satabhisaj",  "_RAKSHAS",  "_ANTYA",  "_AADHYA", "_ASHVA",   {"_MARJAR", "_MENDHA", "_MENDHA", "_MENDHA"}},
    {"_P_BHADRA",    "_MANUSHYA", "_ANTYA",  "_AADHYA", "_SINGH",   {"_MENDHA", "_MENDHA", "_SARP",   "_SARP"}},
    {"_U_BHADRA",    "_MANUSHYA", "_ANTYA",  "_MADHYA", "_GAU",     {"_SARP",   "_SARP",   "_SINGH",  "_SINGH"}},
    {"_Revati",      "_DEV",      "_PURVA",  "_ANTYA",  "_GAJ",     {"_SARP",   "_SARP",   "_SINGH",  "_SINGH"}},
}};

// Per sign 1..12: ayana, gola and ritu, then varna, hansak (element) and vashya.
struct SignRow {
    Key ayan;
    Key gol;
    Key ritu;
    std::array<Key, 3> varna;  // SignVarnaTable columns 1..3
};

inline constexpr std::array<SignRow, 13> SignTable = {{
    {},
    {"_UTTAR",   "_UTTAR",   "_VASANT",  {"_KSHATRIYA", "_AGNI",  "_CHATUSHPAD"}},
    {"_UTTAR",   "_UTTAR",   "_GRISHMA", {"_VAISHYA",   "_BHOOMI", "_CHATUSHPAD"}},
    {"_UTTAR",   "_UTTAR",   "_GRISHMA", {"_SHUDRA",    "_VAYU",  "_MAANAV"}},
    {"_DAKSHIN", "_UTTAR",   "_VARSHA",  {"_BRAHMIN",   "_VAARI", "_JALCHAR"}},
    {"_DAKSHIN", "_UTTAR",   "_VARSHA",  {"_KSHATRIYA", "_AGNI",  "_VANCHAR"}},
    {"_DAKSHIN", "_UTTAR",   "_SHARAD",  {"_VAISHYA",   "_BHOOMI", "_MAANAV"}},
    {"_DAKSHIN", "_DAKSHIN", "_SHARAD",  {"_SHUDRA",    "_VAYU",  "_MAANAV"}},
    {"_DAKSHIN", "_DAKSHIN", "_HEMANT",  {"_BRAHMIN",   "_VAARI", "_KEET"}},
    {"_DAKSHIN", "_DAKSHIN", "_HEMANT",  {"_KSHATRIYA", "_AGNI",  "_MAANAV/CHAT"}},
    {"_UTTAR",   "_DAKSHIN", "_SHISHIR", {"_VAISHYA",   "_BHOOMI", "_CHAT/JAL"}},
    {"_UTTAR",   "_DAKSHIN", "_SHISHIR", {"_SHUDRA",    "_VAYU",  "_MAANAV"}},
    {"_UTTAR",   "_DAKSHIN", "_VASANT",  {"_BRAHMIN",   "_VAARI", "_JALCHAR"}},
}};

inline constexpr std::array<Key, 4> VarnaColumnKeys = {"", "_VARNA", "_HANSAK", "_VASHYA"};

// One accessor per column, indexed by nakshatra (1..27) or sign (1..12).
constexpr Key NakshatraKeys(int n) { return NakshatraTable[n].key; }
constexpr Key GanaKeys(int n) { return NakshatraTable[n].gana; }
constexpr Key YunjaKeys(int n) { return NakshatraTable[n].yunja; }
constexpr Key NadiKeys(int n) { return NakshatraTable[n].nadi; }
constexpr Key YoniKeys(int n) { return NakshatraTable[n].yoni; }
constexpr Key NameVargaKeys(int n, int pada) { return NakshatraTable[n].nameVarga[pada - 1]; }
constexpr Key AyanKeys(int s) { return SignTable[s].ayan; }
constexpr Key GolKeys(int s) { return SignTable[s].gol; }
constexpr Key RituKeys(int s) { return SignTable[s].ritu; }
constexpr Key SignVarnaTable(int s, int column) { return SignTable[s].varna[column - 1]; }

// The lord of nakshatra n (1..27) as a traditional position, and in Vimshottari order.
constexpr int NakshatraLord(int n) { return NakshatraLords[n % 9]; }
constexpr int NakshatraDashaIndex(int n) { return (n - 1) % 9; }

} // namespace tarvik
