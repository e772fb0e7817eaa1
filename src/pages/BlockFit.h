#pragma once

// Fitting a block of short names into the room a chart gives it: a house of
// the North chart, a cell of the South chart, a sector of the Sudarshan
// wheel. The block is a few centred lines; when it does not fit where it
// should stand, it takes more names to a line, then a smaller size, and may
// move along a line through its room, but it stays inside the room's
// outline and clear of what else stands there (a house's sign number).

#include "ChartFrames.h"
#include "Surface.h"

#include <functional>
#include <string>
#include <vector>

namespace tarvik {

struct TextBox {
    double left, top, right, bottom;
};

struct BlockRoom {
    std::vector<DesignPoint> outline;   // convex, twips on the page
    std::vector<TextBox> keepClear;     // boxes the block must not touch
    // Further sides the block keeps behind: a point inside and a unit
    // normal pointing into the room (the ascendant's mark of a South cell).
    std::vector<std::pair<DesignPoint, DesignPoint>> halfPlanes;
    DesignPoint centre;                 // where the block's middle should be
    // The block's middle may move along this segment (from == to: it stays).
    DesignPoint from, to;
    double clearance = 20;              // twips between the block and the lines
};

struct FittedBlock {
    std::vector<std::string> lines;
    double size = 0;                    // points, of the surface's current font
    double pitch = 0;                   // twips from one line's top to the next
    double top = 0;                     // the first line's top
    double centreX = 0;                 // every line is centred on it
    bool fits = false;
};

// Devanagari's vowel signs reach above and below its line height: lines of
// Hindi names stand this share of a line apart, or the signs of one line
// touch those of the next.
inline constexpr double HindiPitchShare = 1.15;

// The lines of a block with perLine names to a line.
using BlockLines = std::function<std::vector<std::string>(int perLine)>;

// The first layout that fits: at the given size with 2, 3, ... names to a
// line (up to names), then the same at sizes a quarter point smaller, down to
// minSize. Lines are one line of the font apart, or maxPitch when that is
// less. Without any fit, the smallest size with the fewest lines at the
// room's centre. The surface's font size is left as it was.
// pitchShare widens the pitch for a script whose glyphs reach past its
// line height (Devanagari's vowel signs above and below).
FittedBlock FitBlock(Surface& surface, const BlockRoom& room, const BlockLines& linesFor, int names,
                     double size, double minSize, double maxPitch = 0, double pitchShare = 1);

// Prints a fitted block, each line centred on the block's centre; the
// surface's font size is left as it was.
void PrintFittedBlock(Surface& surface, const FittedBlock& block);

// Whether a box lies inside the convex outline, margin clear of its sides.
bool BoxInside(const TextBox& box, const std::vector<DesignPoint>& outline, double margin);

} // namespace tarvik
