#include "SudarshanChakra.h"

#include "BlockFit.h"
#include "ChartFrames.h"
#include "Frame.h"
#include "TablePages.h"
#include "calc/NameTables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace tarvik {

namespace {

constexpr int SectorLineStep = 200;   // twips between the lines of a sector (Latin)
// The tallest line the sectors' font may have: a face whose lines stand
// taller (Devanagari with its vowel signs above and below) is set smaller,
// so that lines 200 twips apart keep clear of each other.
constexpr double SectorLineHeight = 235;
constexpr int WheelTop = 2000;        // below the top margin
// A crowded sector's texts may shrink to this share of their size.
constexpr double MinimumSizeShare = 0.6;
// The blank a sector's texts keep from its spokes and rings, twips: a
// clear gap at the preview's resolution and on paper.
constexpr double SectorClearance = 50;

// The body whose Rasi sign starts each ring, as a traditional position.
constexpr std::array<int, 3> RingReferences = {1, 3, 2};   // Lagna, Moon, Sun

int rasiSign(const ChartState& chart, int traditionalPosition)
{
    const int sign = chart.ShodashVargaSigns[1][traditionalPosition];
    if (sign < 1 || sign > 12)
        throw std::out_of_range("Rasi sign " + std::to_string(sign) + " is outside 1..12");
    return sign;
}

} // namespace

int SudarshanSign(int referenceSign, int sector) { return WrapRange(referenceSign + sector, 12); }

std::vector<std::string> SudarshanSectorLines(int sign, const std::vector<std::string>& names,
                                              int perLine)
{
    const std::string number = std::to_string(sign);
    if (names.empty())
        return {number};
    perLine = std::max(perLine, 1);
    const std::size_t last = (names.size() - 1) / perLine;   // the last line of names
    std::vector<std::string> lines(last + 1);
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string& line = lines[i / perLine];
        line += (line.empty() ? "" : " ") + names[i];
    }
    if (last < 3)
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(last), number);
    else
        lines[3] = number + " " + lines[3];
    return lines;
}

void PrintSudarshanChakra(Surface& surface, const PageContext& page)
{
    const PageLayout& layout = page.layout;
    surface.Font.Name = layout.bodyFontName;
    surface.Font.Size = layout.bodyFontSize;
    if (const double height = surface.LineHeight(); height > SectorLineHeight)
        surface.Font.Size = std::floor(layout.bodyFontSize * SectorLineHeight / height * 4) / 4;
    surface.PaintPicture(SudarshanWheel(), layout.leftMargin,
                         layout.topMargin + WheelTop, SudarshanDesignSize,
                         SudarshanDesignSize);
    const double left = layout.leftMargin;
    const double top = layout.topMargin + WheelTop;
    const double size = surface.Font.Size;
    const double height = surface.LineHeight();

    std::array<std::string, 11> names;   // by traditional position 2..10
    for (int b = 2; b <= 10; ++b)
        names[b] = page.Dict(BodyNames[BodyDisplayOrder[b]]);

    for (int ring = LagnaRing; ring <= SunRing; ++ring) {
        const int reference = rasiSign(page.chart, RingReferences[ring]);
        for (int k = 0; k < 12; ++k) {
            const int sign = SudarshanSign(reference, k);
            std::vector<std::string> inSign;
            for (int b = 2; b <= 10; ++b)
                if (rasiSign(page.chart, b) == sign)
                    inSign.push_back(names[b]);
            // The block is centred on the sector's anchor (the top of its
            // middle line), and fitted into the sector where it is crowded.
            BlockRoom room;
            for (const DesignPoint& p : SudarshanSectorOutline(ring, k))
                room.outline.push_back({left + p.x, top + p.y});
            room.centre = {left + SudarshanAnchorX[k][ring], top + SudarshanAnchorY[k][ring] + height / 2};
            room.from = {(room.outline[0].x + room.outline[1].x) / 2, (room.outline[0].y + room.outline[1].y) / 2};
            room.to = {(room.outline[2].x + room.outline[3].x) / 2, (room.outline[2].y + room.outline[3].y) / 2};
            room.clearance = SectorClearance;
            // Latin lines stand a fixed step apart; Devanagari's need their
            // vowel signs' room between them, a share of their line.
            const bool hindi = page.choices.languageHindi;
            const FittedBlock block = FitBlock(
                surface, room,
                [&](int perLine) { return SudarshanSectorLines(sign, inSign, perLine); },
                static_cast<int>(inSign.size()), size, MinimumSizeShare * size, hindi ? 0 : SectorLineStep,
                hindi ? HindiPitchShare : 1);
            PrintFittedBlock(surface, block);
        }
    }
}

} // namespace tarvik
