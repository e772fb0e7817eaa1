#pragma once

// The rows of the position tables: cells at fixed column offsets from the
// left margin, one line of captions above them.

#include "Frame.h"
#include "PageContext.h"
#include "Surface.h"

#include <algorithm>
#include <initializer_list>
#include <span>
#include <vector>
#include <string>
#include <string_view>

namespace tarvik {

// The left margin of the tables, scaled, in whole twips.
int TableLeft(const PageLayout& layout);

// Cell c at the table's left plus offsets[c] (twips before scaling), all
// with their tops at y.
void PrintCells(Surface& surface, std::span<const std::string> cells,
                std::span<const double> offsets, double y, const PageLayout& layout);

// Every word of a text but the last (and but numerals) cut to its first
// letter, with the vowel signs written on it, and a point: "Ramachandra
// Venkatesh Kulkarni" is "R. V. Kulkarni", as a long name is written where
// room is short.
std::string InitialsOfLeadingWords(std::string_view text);

// The blank a cell leaves before the next column, twips before scaling, and
// at least this many blanks of the cell's font (more in Hindi).
inline constexpr double ColumnGap = 60;
inline constexpr double LatinColumnGapBlanks = 1.5;
inline constexpr double HindiColumnGapBlanks = 1.75;

// Prints text with its top-left corner at (x, y), as PrintAt does; a text
// wider than its column (width, twips already scaled, less the gap) is set
// in a smaller size of the current font, down to seven tenths of it, so that
// it keeps clear of the next column. The font comes back as it was, and the
// position moves to the next line of it.
void PrintInColumn(Surface& surface, int x, int y, std::string_view text, double width,
                   const PageContext& page);

// The one size a column or a table is set in, so that no cell stands
// smaller than its neighbours: the size PrintInColumn would give the text
// that needs the most shrinking, each in the current font and a column of
// width twips (scaled).
double ColumnSize(Surface& surface, std::span<const std::string> texts, double width,
                  const PageContext& page);

// Prints text at (x, y) in the current font at the given size; the font
// comes back as it was, and the position moves to the next line of it.
void PrintInSize(Surface& surface, int x, int y, std::string_view text, double size);

// A column of a table whose texts print whole (the nakshatras, whose
// two-word names are the widest): room is scaled twips from its start to
// the next column's or the table's edge.
struct WholeColumn {
    std::size_t column;
    double room;
};

// Prints count rows of a table from y, pitch apart, each cell at the
// table's left plus its column's offset (twips before scaling); the cells
// of the whole columns in the one size that keeps the longest of them clear
// of what follows (ColumnSize), so that a name reads the same in every row
// and in every one of these columns, the others in the current font.
template <class Rows>
void PrintTableRows(Surface& surface, const Rows& rows, std::size_t count, std::span<const double> offsets,
                    double y, double pitch, std::initializer_list<WholeColumn> whole, const PageContext& page)
{
    double size = surface.Font.Size;
    for (const WholeColumn& w : whole) {
        std::vector<std::string> texts;
        for (std::size_t r = 0; r < count; ++r)
            texts.push_back(rows[r][w.column]);
        size = std::min(size, ColumnSize(surface, texts, w.room, page));
    }
    const double scale = page.layout.scale;
    for (std::size_t r = 0; r < count; ++r) {
        const int rowY = static_cast<int>(y + static_cast<double>(r) * pitch);
        for (std::size_t c = 0; c < rows[r].size() && c < offsets.size(); ++c) {
            const int x = static_cast<int>(TableLeft(page.layout) + offsets[c] * scale);
            const bool inWhole = std::any_of(whole.begin(), whole.end(),
                                             [&](const WholeColumn& w) { return w.column == c; });
            if (inWhole)
                PrintInSize(surface, x, rowY, rows[r][c], size);
            else
                PrintAt(surface, x, rowY, rows[r][c]);
        }
    }
}

// The captions of the columns, bold and underlined, at y.
void PrintCaptions(Surface& surface, std::span<const std::string> captions,
                   std::span<const double> offsets, double y, const PageLayout& layout);

} // namespace tarvik
