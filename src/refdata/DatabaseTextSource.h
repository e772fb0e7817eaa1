#pragma once

// The keyed texts of the definitions database, read whole when it opens
// (some 900 rows of the four tables, both languages) and looked up in memory
// from then on: a caption, or the Hindi word of an English one, costs a hash
// lookup, not a query.

#include "Database.h"
#include "TextLookup.h"

#include <array>
#include <string>
#include <unordered_map>
#include <utility>

namespace tarvik {

class DatabaseTextSource : public TextSource {
public:
    // Reads Dictionary, Match, Predictions and Varshphal; a table that
    // cannot be read is a DbError naming the file.
    explicit DatabaseTextSource(Database& definitions);

    std::optional<std::string> Find(TextTable table, const std::string& paddedKey,
                                    bool hindi) override;
    std::optional<std::string> HindiWord(std::string_view english) override;

private:
    // English and Hindi by the stored key, letters upper-cased (the keys
    // compare as the database compares them, without regard to letter case).
    using Texts = std::unordered_map<std::string, std::pair<std::string, std::string>>;
    std::array<Texts, 4> tables_;
    // The Dictionary's Hindi by its English text, upper-cased; the first row
    // of an English text that several rows share.
    std::unordered_map<std::string, std::string> hindiWords_;
};

} // namespace tarvik
