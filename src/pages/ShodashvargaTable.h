#pragma once

// The Shodashvarga page: the signs of the Lagna and the nine planets in the
// sixteen divisional charts, and below them the tara chakra, the nakshatras
// in their nine taras counted from the Moon's.

namespace tarvik {

// The nakshatra (1..27) in row (0..2) and tara column (0..8) of the tara
// chakra of a Moon in nakshatra moonNakshatra: the Moon's own nakshatra is
// the first tara of the first row, and the count runs on past Revati to
// Ashvini.
int TaraNakshatra(int moonNakshatra, int row, int column);

} // namespace tarvik
