#pragma once

#include "Surface.h"

#include <string_view>

namespace tarvik {

// How the lines of a paragraph stand: lineStep twips apart (whole twips),
// and none after the first that starts at or below bottom, the frame's
// bottom (PageBodyBottom).
struct ParagraphLines {
    double lineStep = 250;
    double bottom = 0;
};

// Prints one paragraph word-wrapped to width from x, starting at y, every
// full line stretched to the width by widening its gaps, the last line left
// as it is. Words are the pieces between single blanks (two blanks make an
// empty word). On return CurrentY is one line step below the last line. The
// paragraph never starts a new page; it ends with the first line that starts
// at or below the bottom of its lines.
void PrintJustified(int width, int x, int y, std::string_view text, Surface& surface,
                    const ParagraphLines& lines);

} // namespace tarvik
