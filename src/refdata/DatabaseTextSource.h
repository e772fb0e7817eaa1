#pragma once

// The keyed texts read from the definitions database: one indexed seek on
// the table's cursor per lookup.

#include "TableCursor.h"
#include "TextLookup.h"

namespace tarvik {

class DatabaseTextSource : public TextSource {
public:
    DatabaseTextSource(TableCursor& dictionary, TableCursor& match, TableCursor& predictions,
                       TableCursor& varshphal)
        : dictionary_(dictionary), match_(match), predictions_(predictions), varshphal_(varshphal) {}

    std::optional<std::string> Find(TextTable table, const std::string& paddedKey,
                                    bool hindi) override;

private:
    TableCursor& dictionary_;
    TableCursor& match_;
    TableCursor& predictions_;
    TableCursor& varshphal_;
};

} // namespace tarvik
