#include "CoordinateImport.h"

#include "Database.h"

#include <algorithm>

namespace tarvik {

namespace {

bool Digits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return c >= '0' && c <= '9'; });
}

// The places of that name in the zones of the country.
constexpr const char* MatchingPlaces =
    "SELECT \"Place ID\", \"Latitude\", \"Longitude\" FROM Places "
    "WHERE \"PlaceName\" = ?1 AND \"Country ID\" IN "
    "(SELECT \"Country ID\" FROM Countries WHERE \"Country\" = ?2 "
    " OR substr(\"Country\", 1, length(?2) + 2) = (?2 || ' (') COLLATE NOCASE)";

constexpr const char* RewritePlace =
    "UPDATE Places SET \"Latitude\" = ?1, \"Longitude\" = ?2 WHERE \"Place ID\" = ?3";

} // namespace

std::string SourceCoordinate(const Value& number, const Value& letter, CoordinateKind kind)
{
    if (number.IsNull() || letter.IsNull())
        return {};
    const std::string text = TrimmedEntry(number.Text());
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    std::string minutes = point == std::string::npos ? std::string() : text.substr(point + 1);
    if (whole.empty() || !Digits(whole) || !Digits(minutes))
        return {};
    // The fraction is the two-digit minute field: one digit counts as tens,
    // digits beyond the second are dropped.
    minutes = (minutes + "00").substr(0, 2);
    const CoordinateText stored = StoredCoordinate({whole, minutes, letter.Text()}, kind);
    return stored.Valid() ? stored.text : std::string();
}

ImportSummary ImportCorrectedCoordinates(Database& data, Database& source)
{
    ImportSummary summary;
    Transaction transaction(data);
    Statement find(data, MatchingPlaces);
    Statement rewrite(data, RewritePlace);
    for (Recordset city(source, "select * from city"); !city.Eof(); city.MoveNext()) {
        ++summary.rows;
        const std::string latitude =
            SourceCoordinate(city.Field("Latitude"), city.Field("latsign"), CoordinateKind::Latitude);
        const std::string longitude =
            SourceCoordinate(city.Field("longtude"), city.Field("longsign"), CoordinateKind::Longitude);
        if (latitude.empty() || longitude.empty()) {
            ++summary.unreadable;
            continue;
        }
        find.Reset();
        find.BindAll({Value(TrimmedEntry(city.Field("place").Text())), Value(TrimmedEntry(city.Field("Country").Text()))});
        if (!find.Step()) {
            ++summary.unmatched;
            continue;
        }
        const Value placeId = find.Column(0);
        const bool same = find.Column(1).Text() == latitude && find.Column(2).Text() == longitude;
        if (find.Step()) {
            ++summary.ambiguous;
            continue;
        }
        if (same) {
            ++summary.unchanged;
            continue;
        }
        rewrite.Reset();
        rewrite.BindAll({Value(latitude), Value(longitude), placeId});
        rewrite.Step();
        ++summary.corrected;
    }
    transaction.Commit();
    return summary;
}

std::string ImportReport(const ImportSummary& s)
{
    std::string text = std::to_string(s.corrected) + " of " + std::to_string(s.rows) +
                       " places read from " + std::string(ImportSourceFile) + " were corrected; " +
                       std::to_string(s.unchanged) + " held these coordinates already.";
    if (s.unmatched > 0)
        text += "\n" + std::to_string(s.unmatched) + " name no place of their country.";
    if (s.ambiguous > 0)
        text += "\n" + std::to_string(s.ambiguous) +
                " name a place that their country has more than once, and were left alone.";
    if (s.unreadable > 0)
        text += "\n" + std::to_string(s.unreadable) + " have coordinates that cannot be read.";
    return text;
}

} // namespace tarvik
