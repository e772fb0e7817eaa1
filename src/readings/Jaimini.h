#pragma once

// The Jaimini chara dasha page; the periods and karakas are computed in
// CharaDasha.h.

#include "CharaDasha.h"
#include "core/ChartState.h"
#include "pages/PageContext.h"
#include "pages/Surface.h"

namespace tarvik {

// The page of a cycle (0 the twelve periods from birth, 1 the twelve after
// them), below the caller's frame.
void JaiminiPage(int cycle, Surface& surface, const ChartState& chart, const PageContext& page);

} // namespace tarvik
