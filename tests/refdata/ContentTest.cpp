#include "RefdataFixture.h"

#include "refdata/Places.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <span>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

using Content = OpenDeliveredDatabases;

// A place of the atlas by its zone and the name the lists show, with the
// gazetteer's coordinates (truncated to the minute).
struct AtlasPlace {
    const char* zone;
    const char* place;
    const char* latitude;
    const char* longitude;
};

void expectPlaces(std::span<const AtlasPlace> places)
{
    for (const AtlasPlace& c : places) {
        SCOPED_TRACE(c.place);
        const auto zone = FindCountryByName(c.zone);
        ASSERT_TRUE(zone) << c.zone;
        const auto place = FindPlaceByName(zone->countryId, c.place);
        ASSERT_TRUE(place);
        EXPECT_EQ(place->latitude, c.latitude);
        EXPECT_EQ(place->longitude, c.longitude);
    }
}

// Degrees, direction, two-digit minutes: the stored coordinate text.
double Degrees(const std::string& text, char positive, char negative, int maxDegrees)
{
    static const std::regex form("([0-9]{1,3})([A-Z])([0-5][0-9])");
    std::smatch m;
    if (!std::regex_match(text, m, form))
        throw std::invalid_argument("\"" + text + "\" is not coordinate text");
    const char dir = m[2].str()[0];
    if (dir != positive && dir != negative)
        throw std::invalid_argument("\"" + text + "\" has a wrong direction");
    const double value = std::stoi(m[1]) + std::stoi(m[3]) / 60.0;
    if (value > maxDegrees)
        throw std::invalid_argument("\"" + text + "\" is out of range");
    return dir == negative ? -value : value;
}

TEST_F(Content, ZonesOfTheWorldWithTheirMeridians)
{
    const auto zones = ZoneList(DatDatabase());
    bool india = false;
    std::set<long long> ids;
    for (const ZoneEntry& z : zones) {
        india |= z.description == "India [82E30]";
        EXPECT_TRUE(ids.insert(z.countryId).second) << z.description;
    }
    EXPECT_TRUE(india);

    std::set<std::string> names;
    Recordset rs(DatDatabase(), "select * from Countries");
    for (; !rs.Eof(); rs.MoveNext()) {
        const std::string name = rs.Field("Country").Text();
        const std::string zone = rs.Field("Zone").Text();
        EXPECT_LE(name.size(), 30u) << name;
        EXPECT_TRUE(names.insert(name).second) << name << " twice";
        // Standard meridians lie on quarter hours: 3°45' steps.
        const double meridian = Degrees(zone, 'E', 'W', 225);
        EXPECT_NEAR(std::fmod(std::fabs(meridian) * 4, 15), 0, 1e-9) << name << " " << zone;
    }
    for (const char* country : {"United States (New York)", "United Kingdom", "Nepal", "Australia (Sydney)"})
        EXPECT_TRUE(names.count(country)) << country;

    const auto nepal = FindCountryByName("nepal");
    ASSERT_TRUE(nepal);
    EXPECT_EQ(nepal->zone, "86E15");
}

TEST_F(Content, DefaultCountryAndPlace)
{
    const auto india = FindCountryByName("India");
    ASSERT_TRUE(india);
    EXPECT_EQ(india->zone, "82E30");
    EXPECT_EQ(CountriesTable().Field("Country").Text(), "India");   // left standing on the row

    const auto delhi = FindPlaceByName(india->countryId, "Delhi");
    ASSERT_TRUE(delhi);
    EXPECT_EQ(delhi->latitude, "28N39");
    EXPECT_EQ(delhi->longitude, "77E13");
    const auto again = FindPlace(delhi->placeId);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->name, "Delhi");
    EXPECT_EQ(FindCountry(india->countryId)->name, "India");
    EXPECT_FALSE(FindPlace(-5));
    EXPECT_FALSE(FindCountryByName("Atlantis"));

    const auto places = PlaceList(DatDatabase(), india->countryId);
    for (std::size_t i = 1; i < places.size(); ++i)
        EXPECT_LE(strcasecmp(places[i - 1].name.c_str(), places[i].name.c_str()), 0);
}

// A sample of places against the gazetteer's coordinates (truncated to the minute).
TEST_F(Content, SampleOfPlaces)
{
    const AtlasPlace cases[] = {
        {"India", "Mumbai", "19N04", "72E52"},
        {"India", "Varanasi", "25N19", "83E00"},
        {"India", "Ujjain", "23N10", "75E46"},
        {"United Kingdom", "London", "51N30", "0W07"},
        {"Australia (Sydney)", "Sydney", "33S52", "151E12"},
        {"United States (New York)", "New York City", "40N42", "74W00"},
        {"Nepal", "Kathmandu", "27N42", "85E19"},
    };
    expectPlaces(cases);
}

// Small towns of the atlas, by the names the lists show, with the
// gazetteer's coordinates (truncated to the minute). Where a zone has two
// places of one name, the list shows each with its state.
TEST_F(Content, SmallTownsFoundByName)
{
    const AtlasPlace cases[] = {
        {"United Kingdom", "Chipping Campden", "52N02", "1W46"},    // England, some 2,000 people
        {"United Kingdom", "Yalding", "51N13", "0E25"},
        {"United Kingdom", "Tenbury Wells", "52N18", "2W34"},
        {"United Kingdom", "Youlgreave", "53N10", "1W41"},
        {"United States (New York)", "Yellow Springs", "39N48", "83W53"},   // Ohio
        {"United States (New York)", "Gallipolis", "38N48", "82W12"},
        {"United States (New York)", "Hanover (Ohio)", "40N04", "82W15"},
        {"United States (New York)", "Springfield (Ohio)", "39N55", "83W48"},
        {"United States (New York)", "Springfield (Massachusetts)", "42N06", "72W35"},
        {"United States (Chicago)", "Springfield (Illinois)", "39N48", "89W38"},
        {"Nepal", "Dhulikhel", "27N37", "85E32"},
        {"Nepal", "Besisahar", "28N13", "84E22"},
        {"Nepal", "Panauti", "27N35", "85E31"},
        {"Nepal", "Inaruwa", "26N36", "87E08"},
        {"India", "Cherthala", "9N41", "76E20"},     // Kerala
        {"India", "Marayur", "10N16", "77E09"},
        {"India", "Kalamassery", "10N03", "76E19"},
        {"India", "Aroor", "9N52", "76E18"},
    };
    expectPlaces(cases);
}

// Each zone holds at least the gazetteer's places of 1,000 people or more
// (500 in India) and no more than all the places the gazetteer lists in it,
// as the gazetteer tool counted them (data/places/gazetteer-counts.csv).
TEST_F(Content, PlacesOfEachZoneWithinTheGazetteersCounts)
{
    struct Bounds {
        long long least = 0, most = 0;
    };
    std::map<long long, Bounds> gazetteer;
    std::ifstream counts(SourceDir() + "/data/places/gazetteer-counts.csv");
    ASSERT_TRUE(counts) << "gazetteer-counts.csv";
    std::string line;
    std::getline(counts, line);   // the header
    while (std::getline(counts, line)) {
        // Country ID, the zone's name (which may hold commas), Populous, Listed.
        const std::size_t last = line.rfind(','), before = line.rfind(',', last - 1);
        gazetteer[std::stoll(line.substr(0, line.find(',')))] = {std::stoll(line.substr(before + 1, last - before - 1)),
                                                                 std::stoll(line.substr(last + 1))};
    }
    ASSERT_GT(gazetteer.size(), 250u);

    long long total = 0, least = 0;
    for (const auto& [zone, bounds] : gazetteer)
        least += bounds.least;
    Recordset rs(DatDatabase(), "select [Country ID], count(*) as n from Places group by [Country ID]");
    for (; !rs.Eof(); rs.MoveNext()) {
        const long long zone = rs.Field("Country ID").Int(), n = rs.Field("n").Int();
        SCOPED_TRACE(zone);
        total += n;
        const auto at = gazetteer.find(zone);
        ASSERT_NE(at, gazetteer.end());
        EXPECT_GE(n, at->second.least);
        EXPECT_LE(n, at->second.most);
    }
    EXPECT_GE(total, least);
    EXPECT_GT(least, 100000);
}

TEST_F(Content, NoNameTwiceInAZone)
{
    // Names compare without regard to letter case, as the lists find them.
    Recordset rs(DatDatabase(), "select [Country ID], [PlaceName], count(*) as n from Places "
                                "group by [Country ID], upper([PlaceName]) having count(*) > 1");
    for (int shown = 0; !rs.Eof() && shown < 10; rs.MoveNext(), ++shown)
        ADD_FAILURE() << rs.Field("PlaceName").Text() << " " << rs.Field("n").Int() << " times in zone "
                      << rs.Field("Country ID").Int();
}

TEST_F(Content, EveryPlaceHasItsZoneAndReadableCoordinates)
{
    std::set<long long> zones;
    for (const ZoneEntry& z : ZoneList(DatDatabase()))
        zones.insert(z.countryId);
    Recordset rs(DatDatabase(), "select * from Places");
    std::size_t bad = 0;
    for (; !rs.Eof(); rs.MoveNext()) {
        const std::string name = rs.Field("PlaceName").Text();
        bool ok = zones.count(rs.Field("Country ID").Int()) && !name.empty() && name.size() <= 30;
        try {
            Degrees(rs.Field("Latitude").Text(), 'N', 'S', 90);
            Degrees(rs.Field("Longitude").Text(), 'E', 'W', 180);
        } catch (const std::invalid_argument& e) {
            ok = false;
            ADD_FAILURE() << name << ": " << e.what();
        }
        if (!ok && ++bad < 10)
            ADD_FAILURE() << "place " << rs.Field("Place ID").Int() << " " << name;
    }
    EXPECT_EQ(bad, 0u);
}

// Every other name belongs to a place or a country the lists show, as its
// source says, and the names people use find their place or zones.
TEST_F(Content, OtherNamesOfPlacesAndCountries)
{
    Recordset names(DatDatabase(), "select n.[Place ID], n.[PlaceName], n.[OtherName], p.[PlaceName] as Shown "
                                   "from PlaceNames n left join Places p on p.[Place ID] = n.[Place ID]");
    std::size_t rows = 0;
    for (; !names.Eof(); names.MoveNext(), ++rows) {
        EXPECT_EQ(names.Field("Shown").Text(), names.Field("PlaceName").Text())
            << "place " << names.Field("Place ID").Int() << " " << names.Field("OtherName").Text();
        EXPECT_NE(names.Field("OtherName").Text(), names.Field("PlaceName").Text());
    }
    EXPECT_GE(rows, 80u);
    std::set<std::string> countries;
    for (const ZoneEntry& z : ZoneList(DatDatabase()))
        countries.insert(z.description.substr(0, z.description.find(" [")).substr(0, z.description.find(" (")));
    Recordset common(DatDatabase(), "select [Country], [OtherName] from CountryNames");
    for (; !common.Eof(); common.MoveNext())
        EXPECT_TRUE(countries.count(common.Field("Country").Text())) << common.Field("Country").Text();

    const auto india = FindCountryByName("India");
    ASSERT_TRUE(india);
    std::map<std::string, std::string> shownFor;   // other name -> the place listed
    for (const PlaceEntry& p : PlaceList(DatDatabase(), india->countryId))
        for (const std::string& other : p.otherNames)
            shownFor[other] = p.name;
    const std::pair<const char*, const char*> places[] = {
        {"Bengaluru", "Bangalore"}, {"Prayagraj", "Allahabad"}, {"Gurugram", "Gurgaon"}, {"Bombay", "Mumbai"},
        {"Calcutta", "Kolkata"},    {"Madras", "Chennai"},      {"Mysuru", "Mysore"},    {"Trivandrum", "Thiruvananthapuram"},
        {"Kochi", "Cochin"},        {"Poona", "Pune"},          {"Baroda", "Vadodara"},  {"Chhatrapati Sambhajinagar", "Aurangabad (Maharashtra)"},
    };
    for (const auto& [other, shown] : places)
        EXPECT_EQ(shownFor[other], shown) << other;

    std::map<std::string, std::set<std::string>> zonesFor;   // common name -> the zones listed
    for (const ZoneEntry& z : ZoneList(DatDatabase()))
        for (const std::string& other : z.otherNames)
            zonesFor[other].insert(z.description);
    EXPECT_EQ(zonesFor["England"], std::set<std::string>{"United Kingdom [0E00]"});
    EXPECT_EQ(zonesFor["Britain"], std::set<std::string>{"United Kingdom [0E00]"});
    EXPECT_EQ(zonesFor["USA"].size(), 6u);
    EXPECT_TRUE(zonesFor["USA"].count("United States (New York) [75W00]"));
    EXPECT_EQ(zonesFor["Burma"], std::set<std::string>{"Myanmar [97E30]"});
}

// Velantar carries its sign with the value; the months where a fixed sign
// per month goes wrong (late April, late June, late December) show it.
TEST_F(Content, VelantarCarriesTheSignOfTheEquationOfTime)
{
    auto seconds = [](int month, int day) {
        Recordset rs(DataConnection(), "select * from velantar where date=?", {std::to_string(day)});
        const std::string min = rs.Field(2 * month).Text(), sec = rs.Field(2 * month + 1).Text();
        const bool negative = min.rfind('-', 0) == 0;
        EXPECT_EQ(sec.rfind('-', 0) == 0, negative) << "minutes and seconds disagree on " << month
                                                    << "/" << day;
        return (negative ? -1 : 1) * (std::abs(std::stoi(min)) * 60 + std::abs(std::stoi(sec)));
    };
    struct Case {
        int month, day;
        int seconds;   // almanac value of apparent minus mean time
    } cases[] = {
        {2, 11, -(14 * 60 + 14)}, {4, 25, 2 * 60 + 5},  {5, 14, 3 * 60 + 39}, {6, 25, -(2 * 60 + 36)},
        {7, 26, -(6 * 60 + 32)},  {9, 1, -(5)},          {11, 3, 16 * 60 + 29}, {12, 28, -(1 * 60 + 29)},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(seconds(c.month, c.day), c.seconds, 30) << c.month << "/" << c.day;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 28; ++day)
            EXPECT_LE(std::abs(seconds(month, day)), 17 * 60) << month << "/" << day;
}

TEST_F(Content, GhatChakraForEveryMoonSign)
{
    for (const char* table : {"ghat", "ghateng"}) {
        for (int sign = 1; sign <= 12; ++sign) {
            Recordset rs(DataConnection(), std::string("select * from ") + table + " where id=?", {sign});
            ASSERT_FALSE(rs.Eof()) << table << " " << sign;
            ASSERT_EQ(rs.FieldCount(), 18);
            for (int i = 1; i <= 17; ++i)
                EXPECT_FALSE(rs.Field(i).Text().empty()) << table << " " << sign << " " << i;
        }
    }
}

TEST_F(Content, SaturnPeriodsInDateOrder)
{
    static const std::regex date("[0-9]{4}-[0-9]{2}-[0-9]{2}");
    const std::set<std::string> signs = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                         "Libra", "Scorpio", "Sagittarius", "Capricorn",
                                         "Aquarius", "Pisces"};
    std::string previous;
    for (Recordset rs(DataConnection(), "select * from period"); !rs.Eof(); rs.MoveNext()) {
        const std::string d = rs.Field("Date").Text();
        EXPECT_TRUE(std::regex_match(d, date)) << d;
        EXPECT_LT(previous, d);
        EXPECT_TRUE(signs.count(rs.Field("lvm").Text())) << rs.Field("lvm").Text();
        previous = d;
    }
}

} // namespace
