#pragma once

namespace tarvik {

// The sixteen divisional charts by traditional position (ShodashVargaSigns,
// ShodashVargaNames, DegInSign), from the chart state's longitudes.
void CalcShodashVarga();

// The seven divisional charts of the ascendant and the twelve bodies (SaptavargaSigns).
void CalcAllVargas();

} // namespace tarvik
