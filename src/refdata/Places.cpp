#include "Places.h"

#include "CoordinateEntry.h"
#include "Databases.h"

#include <cctype>
#include <map>
#include <tuple>
#include <unordered_map>

namespace tarvik {

namespace {

CountryRow CountryOf(const TableCursor& c)
{
    return {c.Field("Country ID").Int(), c.Field("Country").Text(), c.Field("Zone").Text()};
}

PlaceRow PlaceOf(const TableCursor& p)
{
    return {p.Field("Place ID").Int(), p.Field("Country ID").Int(), p.Field("PlaceName").Text(),
            p.Field("Latitude").Text(), p.Field("Longitude").Text()};
}

template <class Row, class Read>
std::optional<Row> SeekRow(TableCursor& cursor, const char* index, const std::vector<Value>& key,
                           Read read)
{
    cursor.SetIndex(index);
    cursor.Seek("=", key);
    if (cursor.NoMatch())
        return std::nullopt;
    return read(cursor);
}

std::string Damaged(const std::string& what, const std::string& name, const char* field,
                    const std::string& problem, const char* editor)
{
    return "The " + what + " \"" + name + "\" has a " + field + " in the places file that cannot be read. " +
           problem + "\nNo chart is cast from it; correct it in " + editor + ".";
}

} // namespace

std::string DamagedCoordinates(const CountryRow& zone)
{
    const std::string problem = StoredCoordinateProblem(zone.zone, CoordinateKind::ZoneMeridian);
    return problem.empty() ? problem : Damaged("time zone", zone.name, "Zone", problem, "the Time Zones window");
}

std::string DamagedCoordinates(const PlaceRow& place)
{
    for (const auto& [text, field, kind] :
         {std::tuple{&place.latitude, "Latitude", CoordinateKind::Latitude},
          std::tuple{&place.longitude, "Longitude", CoordinateKind::Longitude}})
        if (const std::string problem = StoredCoordinateProblem(*text, kind); !problem.empty())
            return Damaged("place", place.name, field, problem, "the places window (the \"*\" button)");
    return {};
}

std::vector<ZoneEntry> ZoneList(Database& data)
{
    std::vector<ZoneEntry> zones;
    std::vector<std::string> bases;   // the countries' names, without a bracketed zone
    Recordset rs(data, "Select [Country ID],[Country],[Country] || ' [' || [Zone] || ']' As CountryDesc "
                       "From Countries Order By [Country]");
    for (; !rs.Eof(); rs.MoveNext()) {
        const std::string country = rs.Field("Country").Text();
        const std::string base = country.substr(0, country.find(" ("));
        std::vector<std::string> names{country};
        if (base != country && !base.empty())
            names.push_back(base);
        zones.push_back({rs.Field("Country ID").Int(), rs.Field("CountryDesc").Text(), {}, std::move(names)});
        bases.push_back(base);
    }
    if (!data.HasTable("CountryNames"))
        return zones;
    // The names by country, letter case aside, as the table compares them.
    std::map<std::string, std::vector<std::string>> names;
    Statement st(data, "SELECT lower(\"Country\"), \"OtherName\" FROM CountryNames ORDER BY rowid");
    while (st.Step())
        names[st.Column(0).Text()].push_back(st.Column(1).Text());
    for (std::size_t k = 0; k < zones.size(); ++k) {
        std::string key;
        for (char c : bases[k])
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (const auto found = names.find(key); found != names.end())
            zones[k].otherNames = found->second;
    }
    return zones;
}

std::vector<PlaceEntry> PlaceList(Database& data, long long countryId)
{
    // The few places that have other names, of every zone: a short table
    // read whole, so that the long list below needs nothing more.
    std::unordered_map<long long, std::vector<std::string>> others;
    if (data.HasTable("PlaceNames")) {
        Statement names(data, "SELECT \"Place ID\", \"OtherName\" FROM PlaceNames ORDER BY rowid");
        while (names.Step())
            others[names.Column(0).Int()].push_back(names.Column(1).Text());
    }
    // A zone may hold twenty thousand places: the index on zone and name
    // holds all that is read, in the order wanted, so no row is visited.
    std::vector<PlaceEntry> places;
    Statement st(data, "SELECT \"Place ID\", \"PlaceName\" FROM Places WHERE \"Country ID\" = ? "
                       "ORDER BY \"PlaceName\", \"Place ID\"");
    st.Bind(1, Value(countryId));
    while (st.Step()) {
        PlaceEntry& p = places.emplace_back(PlaceEntry{st.Column(0).Int(), st.Column(1).Text(), {}});
        if (const auto found = others.find(p.placeId); found != others.end())
            p.otherNames = found->second;
    }
    return places;
}

std::optional<CountryRow> ReadCountry(Database& data, long long countryId)
{
    Statement st(data, "SELECT \"Country ID\", \"Country\", \"Zone\" FROM Countries WHERE \"Country ID\" = ?");
    st.Bind(1, Value(countryId));
    if (!st.Step())
        return std::nullopt;
    return CountryRow{st.Column(0).Int(), st.Column(1).Text(), st.Column(2).Text()};
}

std::optional<CountryRow> FindCountry(long long countryId)
{
    return SeekRow<CountryRow>(CountriesTable(), "PrimaryKey", {Value(countryId)}, CountryOf);
}

std::optional<CountryRow> FindCountryByName(const std::string& name)
{
    return SeekRow<CountryRow>(CountriesTable(), "Country", {Value(name)}, CountryOf);
}

std::optional<PlaceRow> FindPlace(long long placeId)
{
    return SeekRow<PlaceRow>(PlacesTable(), "PrimaryKey", {Value(placeId)}, PlaceOf);
}

std::optional<PlaceRow> FindPlaceByName(long long countryId, const std::string& name)
{
    return SeekRow<PlaceRow>(PlacesTable(), "Place", {Value(countryId), Value(name)}, PlaceOf);
}

} // namespace tarvik
