#include "Places.h"

#include "CoordinateEntry.h"
#include "Databases.h"

#include <tuple>

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
    Recordset rs(data, "Select [Country ID],[Country] || ' [' || [Zone] || ']' As CountryDesc "
                       "From Countries Order By [Country]");
    for (; !rs.Eof(); rs.MoveNext())
        zones.push_back({rs.Field("Country ID").Int(), rs.Field("CountryDesc").Text()});
    return zones;
}

std::vector<PlaceEntry> PlaceList(Database& data, long long countryId)
{
    // A zone may hold twenty thousand places: the index on zone and name
    // holds all that is read, in the order wanted, so no row is visited.
    std::vector<PlaceEntry> places;
    Statement st(data, "SELECT \"Place ID\", \"PlaceName\" FROM Places WHERE \"Country ID\" = ? "
                       "ORDER BY \"PlaceName\", \"Place ID\"");
    st.Bind(1, Value(countryId));
    while (st.Step())
        places.push_back({st.Column(0).Int(), st.Column(1).Text()});
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
