#pragma once

// The Sudarshan chakra: three rings of twelve houses counted from the
// Lagna's sign (inner ring), the Moon's (middle) and the Sun's (outer); each
// sector shows the sign that falls in its house and the bodies in that sign.

#include <string>
#include <vector>

namespace tarvik {

enum SudarshanRing : int { LagnaRing = 0, MoonRing = 1, SunRing = 2 };

// The sign in house k + 1 (sector k = 0..11) of a ring whose first house
// holds referenceSign.
int SudarshanSign(int referenceSign, int sector);

// The text lines of one sector, top to bottom, for the names of the bodies
// in its sign: two names to a line (or perLine, where a crowded sector needs
// more) and the sign number with them. An empty sign shows its number alone;
// with up to three lines of names the number stands on a line of its own
// just above the last of them; with four or more it leads the fourth line.
std::vector<std::string> SudarshanSectorLines(int sign, const std::vector<std::string>& names,
                                              int perLine = 2);

} // namespace tarvik
