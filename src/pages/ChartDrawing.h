#pragma once

// One horoscope chart: a title, the frame, and the bodies written into their
// houses, North Indian (fixed houses, the signs numbered in them) or South
// Indian (fixed signs, the ascendant's cell marked), by the page's chart
// style. A chart is a sign per body; the Lagna's is the sign of the first
// house.

#include "PageContext.h"
#include "Surface.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

// The sign (1..12) of each body of one chart: element b is body b of the
// computation order, 1 the Lagna to 13 Pluto (element 0 unused).
using ChartSigns = std::array<int, 14>;

// One column of a seven-varga sign table (SaptavargaSigns, 1 rasi .. 7) as
// a chart.
ChartSigns SignsOfColumn(const int (&table)[14][8], int column);

enum ChartPosition { Centred = 0, LeftChart = 1, RightChart = 2 };

// The lines of body names of one house (North) or sign (South): two names
// to a line, from the ninth body on all on the fourth line.
struct HouseText {
    std::array<std::string, 4> lines;
    int currentLine = 1;   // 1..4
    int count = 0;         // bodies on the current line
    std::vector<std::string> names;   // every name added, in order

    void Add(std::string_view name);
    // The lines to print: those above for two names to a line, else perLine
    // names to each line (a crowded house); none for an empty house.
    std::vector<std::string> Lines(int perLine) const;
};

// The house texts of a chart: entry 0..11 is house 1..12 (North) or sign
// 1..12 (South). Bodies from the Lagna (withLagna) or the Sun up to Ketu,
// by their short names in the texts' language.
std::array<HouseText, 12> BuildHouseTexts(const ChartSigns& signs, bool withLagna, bool southStyle,
                                          const Texts& texts);

// Draws the chart with its top at the current y. A house's bodies are
// fitted into the house (North) or cell (South): when the lines do not fit
// where they stand, more names go to a line, then the names get smaller. The
// North sign numbers stand in the inner corner of their houses, in the
// English face at the English size in both languages. Position 0 centres a chart
// 5500 twips square on the page and leaves the position 1.5 line steps below
// it; 1 and 2 put a 4000-twip chart at the left or right margin and leave the
// position where it was, so that the chart beside it starts level. Given
// houseSigns (the K.P. cusps' signs, element h - 1 for house h), the North
// houses are numbered with them instead of counting from the Lagna's sign. A
// chart of one person of a match names the person after its title ("Lagna
// Chart: Asha"), the name in the English face; the line keeps to the chart's
// width, smaller where it must be, the name cut to its initials or short
// only where even the smallest size is too wide.
void DrawChart(Surface& surface, const PageContext& page, const ChartSigns& signs, std::string_view title,
               bool withLagna, int position = Centred, const std::array<double, 13>* houseSigns = nullptr,
               std::string_view person = {});

} // namespace tarvik
