#pragma once

// The copies an output run takes of each chart it computes, so that pages
// can read one person's values while the chart state holds another's.

namespace tarvik {

// The Birth* longitudes of the chart just computed, in traditional order.
void TakeBirthLongitudes();

// After the girl's chart in a match: her chart copies with her sunrise and
// panchang elements, her record and her war-time correction.
void KeepGirlResults();

// After the boy's chart in a match: his seven-varga signs.
void KeepBoyResults();

} // namespace tarvik
