#pragma once

// What the dasha pages share: the birth date as they write it, the lords'
// names, texts set flush right against a column's edge and the short forms
// of names that narrow columns print.

#include "pages/Surface.h"

#include <string>
#include <string_view>

namespace tarvik {

// "DD-MM-YYYY" of the birth, with the language's dash.
std::string BirthDateText(double day, double month, double year);

// The display text of a Vimshottari lord (dasha order 0..8), as the dasha
// tables label it.
std::string LordName(int lord);

// Prints text so that it ends at right, its top at y; the line ends.
void PrintRightAligned(Surface& surface, double right, double y, std::string_view text);

// The first n characters (code points) of a text.
std::string LeadingCharacters(std::string_view text, int n);

// A name shortened to its first n characters in English; Hindi names are
// short enough to stand whole.
std::string ShortName(std::string_view text, int n);

} // namespace tarvik
