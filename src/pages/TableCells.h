#pragma once

// What the cells of the table pages share: English cuts names to a few
// characters to keep its narrow columns apart, Hindi prints them whole; the
// sign and nakshatra of a longitude.

#include "Surface.h"

#include <string>
#include <string_view>

namespace tarvik {

// The first n characters (code points) of a UTF-8 text.
std::string FirstCharacters(std::string_view text, int n);

// The dictionary text of key, cut to n characters in English, whole in Hindi.
std::string TableName(std::string_view key, int n);

// Prints text with its top-left corner at (x, y), as PrintAt does; a text
// wider than its column (width, twips already scaled, less a gap
// of 60 twips) is set
// in a smaller size of the current font, down to seven tenths of it, so that
// it keeps clear of the next column. The font comes back as it was, and the
// position moves to the next line of it.
void PrintInColumn(Surface& surface, int x, int y, std::string_view text, double width);

// The sign 1..12 and the nakshatra 1..27 (13 deg 20' each) of a longitude,
// taken after its reduction into [0, 360).
int SignOfLongitude(double longitude);
int NakshatraOfLongitude(double longitude);

// The key of sign 1..12. Any other sign means the chart was never filled:
// an error that abandons the page rather than print a wrong name.
std::string_view CheckedSignKey(int sign);

} // namespace tarvik
