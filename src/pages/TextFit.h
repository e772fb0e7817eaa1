#pragma once

// A text the user typed (a name, a place, a family field) in the room a page
// gives it. A typed text may be of any length, and it never runs over the
// room's edge: where it does not fit at its size it stands smaller, down to
// a floor; then on two lines, broken between words as evenly as they allow;
// then with its leading words cut to their initials ("R. V. Kulkarni"), as
// long names are written where room is short; and only past all that is it
// cut short, with an ellipsis.

#include "Surface.h"

#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

struct FittedText {
    std::vector<std::string> lines;   // one or two; none for an empty text
    double size = 0;                  // points, of the surface's current font
    double lineHeight = 0;            // twips from one line's top to the next's
    bool whole = true;                // every letter of the text is shown

    double Height() const { return static_cast<double>(lines.size()) * lineHeight; }
};

// A quarter point is the finest step between sizes.
inline constexpr double SizeStep = 0.25;

// The first of the sizes from size down to floor, a step apart, at which
// fits(size) holds; none where none does.
template <class Fits>
std::optional<double> FirstFittingSize(double size, double floor, Fits&& fits)
{
    for (double s = size; s >= floor - 1e-9; s -= SizeStep)
        if (fits(s))
            return s;
    return std::nullopt;
}

// The size at which a text wide twips across at size would take room twips,
// as widths grow with the size: down to a whole step, and never below seven
// tenths of size.
double ShrunkSize(double size, double room, double wide);

// The smallest size a typed text is set in, whatever its room: a share of
// the size it would have, but never below a size that still reads on paper.
double TypedTextFloor(double size);

// Sets text in width twips of the surface's current font (its name and
// boldness), starting at size points and going no smaller than floor; two
// lines only where height leaves room for them. The surface's font is left
// as it was.
FittedText FitTypedText(Surface& surface, std::string_view text, double width, double size, double floor,
                        double height = std::numeric_limits<double>::infinity());

enum class TextAlign { Left, Centre };

// Prints the lines one under the other, the first with its top at y; each
// line starts at x, or is centred on x. The surface's font size is left as
// it was.
void PrintFittedText(Surface& surface, const FittedText& text, double x, double y,
                     TextAlign align = TextAlign::Left);

} // namespace tarvik
