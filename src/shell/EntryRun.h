#pragma once

// The output run as a function of the entries: from what the main window
// holds, once its boxes are checked, to the run's values, each person's
// chart and the run's page list.

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

struct PreparedRun {
    std::vector<CatalogueRow> pages;   // made once the chart stands: many aspects, more pages
};

// Sets the run's values, prepares each person (in a match the girl first:
// the birth record, the question about a person under 18, the chart and its
// copies), the family and the display choices. Nothing when a person's
// preparation ends the run (the message, if any, has been shown); the
// entries stay as typed, to be run again.
std::optional<PreparedRun> PrepareRun(const RunEntries& entries);

} // namespace tarvik
