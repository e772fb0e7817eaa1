#pragma once

// The aspect interpretation pages: the entries of the chart's aspects
// (Aspects.h) fill four pages ("AspPage1".."AspPage4"), seven a page, and a
// chart with more aspects goes on to further pages ("AspPage5", ...).

#include "Aspects.h"
#include "PredictionLayout.h"
#include "pages/Surface.h"

#include <vector>

namespace tarvik {

// Frames the page and prints its heading and slots (part - 1) * 7 + 1 to
// part * 7 of the entries; a slot past the last entry is blank space. The
// slots are printed in the compact layout (PredictionLayout.h), the layout
// used is returned.
StepLayout PrintAspectPage(Surface& surface, const PageContext& page, const std::vector<AspectEntry>& entries,
                           int part);

// Collects the entries of the page's chart and prints page part 1.. of them
// (a part past the last entry is blank below its heading).
void BuildAspectPredictions(Surface& surface, const PageContext& page, int part);

} // namespace tarvik
