#pragma once

// Keyed display texts. Every caption a page prints is fetched by key, in the
// language it is drawn in (Texts), from one of four tables: Dictionary and
// Match (keys upper case, padded to 25), Predictions and Varshphal (padded to
// 10). A missing key reports "Not Found:" and the padded key through the
// reporter unless the caller asks for quiet, and gives "".

#include "core/RunChoices.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

enum class TextTable { Dictionary, Match, Predictions, Varshphal };

// Where the keyed texts come from: the definitions database's four tables,
// read whole when it opens (DatabaseTextSource), or a small table in tests.
class TextSource {
public:
    virtual ~TextSource() = default;
    // paddedKey is upper case and blank-padded to the table's width (a longer
    // key stands whole). Returns the English or the Hindi text of the row, or
    // nothing when no row has that key. An empty Hindi text is returned as is.
    virtual std::optional<std::string> Find(TextTable table, const std::string& paddedKey,
                                            bool hindi) = 0;
    // The Hindi text of the first Dictionary row whose English text is the
    // word (letter case aside); nothing when none is, or when the source
    // cannot tell.
    virtual std::optional<std::string> HindiWord(std::string_view) { return std::nullopt; }
};

// Installs the source the lookups read (not owned; nullptr for none: every
// lookup then reports its key as not found).
void SetTextSource(TextSource* source);
TextSource* CurrentTextSource();

// Upper-cases and pads key as the table expects.
std::string PadKey(std::string_view key, std::size_t width);
std::size_t KeyWidth(TextTable table);

// The general lookup in a language: upper-case, pad, find, report a miss
// unless quiet.
std::string LookupText(TextTable table, std::string_view key, bool hindi, bool quiet);

// The keyed texts of one language: what a page, a reading or a panchang text
// is handed, so that everything it prints is in the language it was given,
// whatever the program's state.
class Texts {
public:
    explicit Texts(bool hindi) : hindi_(hindi) {}
    explicit Texts(const RunChoices& choices) : hindi_(choices.languageHindi) {}

    bool Hindi() const { return hindi_; }

    // The Dictionary; an empty key gives "" without a search or a message.
    std::string Dict(std::string_view key, bool quiet = false) const;
    // The Match table (an empty key is sought as 25 blanks, like any other).
    std::string Match(std::string_view key, bool quiet = false) const;
    std::string Prediction(std::string_view key, bool quiet = false) const;
    std::string Varshphal(std::string_view key, bool quiet = false) const;

private:
    bool hindi_;
};

} // namespace tarvik
