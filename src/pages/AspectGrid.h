#pragma once

// The aspect grid under the tropical planet table: every body from the Sun
// to Neptune against every later body up to Pluto, the separation in whole
// degrees and the name of the aspect it falls in.

#include <string_view>

namespace tarvik {

// The separation of two longitudes in whole degrees (the fraction dropped),
// then folded into 0..180: 360 less it when above 180.
int AspectSeparation(double longitudeA, double longitudeB);

// The aspect of a separation in whole degrees ("CONJ", "SEXT", ...), or an
// empty text outside every band. The codes print as they stand.
std::string_view AspectCode(int degrees);

} // namespace tarvik
