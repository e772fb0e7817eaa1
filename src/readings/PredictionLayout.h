#pragma once

// How the prediction pages lay out their entries: a page is a list of steps
// (a heading with its paragraph, a paragraph that continues the one before,
// a change of the space after an entry), printed by the paragraph printers in
// the normal or the compact layout.
//
// A page of predictions is one sheet and holds a fixed set of entries, so the
// entries must end above the page's lower edge (PageBodyBottom): they are
// measured first and printed in the normal layout when they fit, else in the
// compact one (narrower gaps, one point smaller), and only lines that would
// still cross the edge are left out.

#include "pages/PageContext.h"
#include "pages/Surface.h"

#include <string>
#include <vector>

namespace tarvik {

struct PredictionStep {
    enum class Kind {
        Entry,      // heading, then its text as a paragraph, then the layout's space
        Paragraph,  // text, one line below the paragraph before
        Gap,        // the space after the entry just printed becomes `lines` line steps
        Space,      // `lines` line steps more
    };
    Kind kind = Kind::Entry;
    std::string heading;
    std::string text;
    int lines = 0;

    static PredictionStep Entry(std::string heading, std::string text);
    static PredictionStep Paragraph(std::string text);
    static PredictionStep Gap(int lines);
    static PredictionStep Space(int lines);

    bool operator==(const PredictionStep&) const = default;
};

using PredictionSteps = std::vector<PredictionStep>;

// Prints the steps from the surface's current y; the surface is left after
// the last of them.
void PrintPredictionSteps(Surface& surface, const PageLayout& layout, const PredictionSteps& steps, bool compact);

enum class StepLayout { Normal, Compact, Clipped };

// Prints the steps from the current y so that no text reaches below
// the page's body (PageBodyBottom), in the first layout that fits: normal
// (unless compactOnly), compact, or compact with the lines that cross the
// edge left out. Returns the layout used.
StepLayout PrintStepsWithinPage(Surface& surface, const PageLayout& layout, const PredictionSteps& steps,
                                bool compactOnly = false);

} // namespace tarvik
