#pragma once

// The Yogini dasha pages; the periods are computed in YoginiDasha.h.

#include "YoginiDasha.h"
#include "core/ChartState.h"
#include "pages/PageContext.h"
#include "pages/Surface.h"

namespace tarvik {

// The three pages below the caller's frame: selector -1 the first fifteen
// maha periods with their antar periods, -2 the next fifteen, 0 the antar
// periods from the page's Yogini date on with their pratyantar periods.
void PrintYoginiDasha(Surface& surface, const ChartState& chart, double day, double month, double year,
                      int selector, const PageContext& page);

} // namespace tarvik
