#pragma once

// The two match-making pages, drawn by one builder that matches the boy and
// the girl afresh each time: the result page (mode 0) with the table of the
// eight kootas, the total, the verdict, the doshas and the Manglik status of
// both, and the interpretation page (mode 1) with what each koota weighs and
// what its points say. Captions come from the dictionary, paragraphs from
// table Match; the builder frames its own page.

#include "Ashtakoota.h"
#include "pages/PageContext.h"
#include "pages/Surface.h"

namespace tarvik {

// The match pages of the boy and the girl (mode 1 the interpretation, 0
// the result).
void MatchMaking(const MatchPerson& boy, const MatchPerson& girl, Surface& surface, const PageContext& page,
                 int mode);

} // namespace tarvik
