#pragma once

// The rows of the position tables: cells at fixed column offsets from the
// left margin, one line of captions above them.

#include "Surface.h"
#include "core/RunChoices.h"
#include "core/State.h"

#include <span>
#include <string>
#include <string_view>

namespace tarvik {

// The left margin of the tables, scaled, in whole twips.
int TableLeft();

// Cell c at the table's left plus offsets[c] (twips before scaling), all
// with their tops at y.
void PrintCells(Surface& surface, std::span<const std::string> cells,
                std::span<const double> offsets, double y);

// The text of a cell when it fits width twips in the surface's current
// font; otherwise every word but the last (numerals apart) is cut to its
// first letter and a point, as the two-part nakshatras are commonly written
// ("26 Uttara Bhadrapada" becomes "26 U. Bhadrapada").
std::string FitCell(Surface& surface, std::string_view text, double width);

// Every word of a text but the last (and but numerals) cut to its first
// letter, with the vowel signs written on it, and a point: "Uttara
// Bhadrapada" is "U. Bhadrapada", "Ramachandra Venkatesh Kulkarni" is
// "R. V. Kulkarni".
std::string InitialsOfLeadingWords(std::string_view text);

// The blank a cell leaves before the next column, twips before scaling; in
// Hindi at least this many blanks of the cell's font.
inline constexpr double ColumnGap = 60;
inline constexpr double HindiColumnGapBlanks = 1.75;

// Fits the cells of one column of a table into room twips (before scaling,
// from the column's start to the next column's or the table's edge).
template <class Rows>
void FitColumn(Surface& surface, Rows& rows, std::size_t column, double room)
{
    const double width = (room - ColumnGap) * OutputRun().OutputScale;
    for (auto& row : rows)
        row[column] = FitCell(surface, row[column], width);
}

// Prints text with its top-left corner at (x, y), as PrintAt does; a text
// wider than its column (width, twips already scaled, less the gap) is set
// in a smaller size of the current font, down to seven tenths of it, so that
// it keeps clear of the next column. The font comes back as it was, and the
// position moves to the next line of it.
void PrintInColumn(Surface& surface, int x, int y, std::string_view text, double width,
                   const RunChoices& choices);

// The one size a column or a table is set in, so that no cell stands
// smaller than its neighbours: the size PrintInColumn would give the text
// that needs the most shrinking, each in the current font and a column of
// width twips (scaled).
double ColumnSize(Surface& surface, std::span<const std::string> texts, double width,
                  const RunChoices& choices);

// Prints text at (x, y) in the current font at the given size; the font
// comes back as it was, and the position moves to the next line of it.
void PrintInSize(Surface& surface, int x, int y, std::string_view text, double size);

// The captions of the columns, bold and underlined, at y.
void PrintCaptions(Surface& surface, std::span<const std::string> captions,
                   std::span<const double> offsets, double y);

} // namespace tarvik
