#pragma once

// The dasha and interpretation page builders of this subsystem, put into the
// page builders' table (src/pages/PageBuilders.h) over the page engine's
// placeholders. The program calls it once at start-up, the tools before they
// draw.

namespace tarvik {

void InstallReadingPages();

} // namespace tarvik
