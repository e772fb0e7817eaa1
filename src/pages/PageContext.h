#pragma once

// What one page is drawn from. The dispatcher builds a PageContext for every
// page from the run as it stands when the page starts and hands it to the
// page's builder; the builder and everything it calls read the run only
// from it (and from their own arguments), so that a page drawn from the
// same context is the same page whatever the program's state holds, and
// the context's language is the only language on it.

#include "Surface.h"
#include "core/RunChoices.h"
#include "core/State.h"
#include "refdata/TextLookup.h"

#include <array>
#include <string>
#include <string_view>

namespace tarvik {

// How the run's pages are laid out: the output scale, the line step and
// fonts of the language, the page's design width, the chart style, the
// brackets and plus sign of the language, and the page settings (margins,
// footer, border, the owner's lines).
struct PageLayout {
    double scale = 1.0;                 // every length and size is multiplied by it
    double lineStep = 250;              // twips
    std::string englishFontName = "Tarvik English";
    int englishFontSize = 10;           // points
    std::string bodyFontName = "Tarvik English";
    int bodyFontSize = 9;               // points
    int pageWidth = static_cast<int>(DesignPageWidth);   // twips: texts centre on it
    int chartStyle = 0;                 // 0 North Indian, 1 South Indian
    std::string open = "(", close = ")", plus = "+";
    int leftMargin = 1440;              // twips
    int topMargin = 1008;               // twips
    double footerTop = 10.5;            // inches
    bool printBorder = true;
    std::string borderFile;
    std::array<std::string, 3> ownerLines{};   // the owner's three lines at the footer

    bool SouthStyle() const { return chartStyle == 1; }
};

// Where the page goes: the preview, or a printer or PDF, and in a print run
// the number of the sheet it is drawn on, which the frame prints.
struct PageSheet {
    bool toPrinter = false;
    bool printRun = false;
    int number = 1;
};

// A calendar month, "today" for the pages that look from the present.
struct YearMonth {
    int year = 0;
    int month = 0;   // 1..12
};

struct PageContext {
    RunChoices choices;                 // ayanamsa, nodes, language and its marks
    Texts texts;                        // the keyed texts in the choices' language
    PageLayout layout;
    const ChartState& chart;            // the native's chart (in a match the boy's)
    const BirthState& births;           // the persons' records, war times, family lines
    const MatchCopies& match;           // the girl's copies in a match
    bool matchRun = false;
    int varshphalYear = 0;              // the year of the annual-chart pages
    double yoginiFrom = 0;              // the Yogini pratyantar table's first date, decimal year
    PageSheet sheet;
    YearMonth today;

    // The Dictionary text of a key in the page's language.
    std::string Dict(std::string_view key) const { return texts.Dict(key); }
};

// The layout of a run's values and the page settings.
PageLayout PageLayoutOf(const RunValues& run, const Settings& settings);

// The context of a page of the run a state holds; the context reads the
// state's chart, records and copies where they stand.
PageContext PageContextOf(const ProgramState& state, const PageSheet& sheet, const YearMonth& today);

} // namespace tarvik
