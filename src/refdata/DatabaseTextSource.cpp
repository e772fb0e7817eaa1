#include "DatabaseTextSource.h"

namespace tarvik {

namespace {

struct TextColumns {
    TextTable table;
    const char* name;
    const char* key;
    const char* english;
    const char* hindi;
};

constexpr TextColumns Tables[] = {
    {TextTable::Dictionary, "Dictionary", "ID", "ENG", "HIN"},
    {TextTable::Match, "Match", "ID", "ENG", "HIN"},
    {TextTable::Predictions, "Predictions", "CODE", "English", "Hindi"},
    {TextTable::Varshphal, "Varshphal", "CODE", "English", "Hindi"},
};

// Upper case as the database's NOCASE comparison folds letters: A to Z only.
std::string Folded(std::string key)
{
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return key;
}

} // namespace

DatabaseTextSource::DatabaseTextSource(Database& definitions)
{
    for (const TextColumns& t : Tables) {
        Texts& texts = tables_[static_cast<std::size_t>(t.table)];
        const bool words = t.table == TextTable::Dictionary;
        const std::string sql = std::string("SELECT ") + QuoteIdentifier(t.key) + ", " + QuoteIdentifier(t.english) +
                                ", " + QuoteIdentifier(t.hindi) + " FROM " + QuoteIdentifier(t.name) +
                                " ORDER BY rowid";
        for (Recordset rs(definitions, sql); !rs.Eof(); rs.MoveNext()) {
            std::string english = rs.Field(1).Text(), hindi = rs.Field(2).Text();
            if (words)
                hindiWords_.emplace(Folded(english), hindi);
            texts.emplace(Folded(rs.Field(0).Text()), std::make_pair(std::move(english), std::move(hindi)));
        }
    }
}

std::optional<std::string> DatabaseTextSource::HindiWord(std::string_view english)
{
    const auto found = hindiWords_.find(Folded(std::string(english)));
    if (found == hindiWords_.end())
        return std::nullopt;
    return found->second;
}

std::optional<std::string> DatabaseTextSource::Find(TextTable table, const std::string& paddedKey, bool hindi)
{
    const Texts& texts = tables_[static_cast<std::size_t>(table)];
    const auto found = texts.find(paddedKey);
    if (found == texts.end())
        return std::nullopt;
    return hindi ? found->second.second : found->second.first;
}

} // namespace tarvik
