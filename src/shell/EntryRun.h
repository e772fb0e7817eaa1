#pragma once

// The output run as a function of the entries: from what the main window
// holds, once its boxes are checked, to the values the run is prepared from
// (PrepareRun, calc/RunCopies.h) and the run's page list.

#include "BirthEntry.h"
#include "MainChoices.h"
#include "registry/PageCatalogue.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace tarvik {

struct RunEntries {
    bool match = false;
    bool printing = false;                 // Print..., else Preview
    std::array<PersonEntry, 2> persons{};  // the girl's only in a match
    FamilyEntry family;
    MainChoices choices;
    QString varshphalFrom, varshphalYears, yoginiFrom;   // as typed
};

// The prepared run and the pages its list offers.
struct ListedRun {
    PreparedRun prepared;
    std::vector<CatalogueRow> pages;   // made once the chart stands: many aspects, more pages
};

// Reads each person's entries (in a match the girl first: the birth record,
// the question about a person under 18, the time), then prepares the run
// from them, the family and the choices, and lists its pages. Nothing when
// reading a person or casting a chart ends the run (the message, if any, has
// been shown); the entries stay as typed, to be run again, and of the
// program's state only Native may have changed, filled as far as the person
// read last.
std::optional<ListedRun> PrepareEntryRun(const RunEntries& entries);

} // namespace tarvik
