#pragma once

#include "Surface.h"

#include <string_view>

namespace tarvik {

// Prints one paragraph word-wrapped to width from x, starting at y, every
// full line stretched to the width by widening its gaps, the last line left
// as it is. Words are the pieces between single blanks (two blanks make an
// empty word). Lines are LineStep apart; on return CurrentY is one LineStep
// below the last line. The paragraph never starts a new page; it ends with
// the first line that starts at or below the frame's bottom (PageBodyBottom).
void PrintJustified(int width, int x, int y, std::string_view text, Surface& surface);

} // namespace tarvik
