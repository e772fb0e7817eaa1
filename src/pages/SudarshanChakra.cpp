#include "SudarshanChakra.h"

#include "ChartFrames.h"
#include "Frame.h"
#include "TablePages.h"
#include "calc/NameTables.h"
#include "core/State.h"
#include "refdata/TextLookup.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace tarvik {

namespace {

constexpr int SectorLineStep = 200;   // twips between the lines of a sector
// The tallest line the sectors' font may have: a face whose lines stand
// taller (Devanagari with its vowel signs above and below) is set smaller,
// so that lines 200 twips apart keep clear of each other.
constexpr double SectorLineHeight = 235;
constexpr int WheelTop = 2000;        // below the top margin

// The body whose Rasi sign starts each ring, as a traditional position.
constexpr std::array<int, 3> RingReferences = {1, 3, 2};   // Lagna, Moon, Sun

int rasiSign(int traditionalPosition)
{
    const int sign = Chart().ShodashVargaSigns[1][traditionalPosition];
    if (sign < 1 || sign > 12)
        throw std::out_of_range("Rasi sign " + std::to_string(sign) + " is outside 1..12");
    return sign;
}

} // namespace

int SudarshanSign(int referenceSign, int sector) { return WrapRange(referenceSign + sector, 12); }

std::vector<std::string> SudarshanSectorLines(int sign, const std::vector<std::string>& names)
{
    std::vector<std::string> lines(4);
    int n = -1;
    for (const std::string& name : names) {
        ++n;
        if (static_cast<std::size_t>(n / 2) >= lines.size())
            lines.resize(n / 2 + 1);
        std::string& line = lines[n / 2];
        line += (line.empty() ? "" : " ") + name;
    }
    const std::string number = std::to_string(sign);
    if (n < 0) {
        lines[0] = number;
        n = 1;
    } else if (n / 2 < 3) {
        lines[n / 2 + 1] = lines[n / 2];
        lines[n / 2] = number;
        n += 2;
    } else {
        lines[3] = number + " " + lines[3];
    }
    lines.resize(n / 2 + 1);
    return lines;
}

void PrintSudarshanChakra(Surface& surface)
{
    const RunValues& run = OutputRun();
    const Settings& settings = Config();
    surface.Font.Name = run.BodyFontName;
    surface.Font.Size = run.BodyFontSize;
    if (const double height = surface.LineHeight(); height > SectorLineHeight)
        surface.Font.Size = std::floor(run.BodyFontSize * SectorLineHeight / height * 4) / 4;
    surface.PaintPicture(SudarshanWheel(), settings.LeftMarginTwips,
                         settings.TopMarginTwips + WheelTop, SudarshanDesignSize,
                         SudarshanDesignSize);

    std::array<std::string, 11> names;   // by traditional position 2..10
    for (int b = 2; b <= 10; ++b)
        names[b] = GetDictText(BodyNames[BodyDisplayOrder[b]]);

    for (int ring = LagnaRing; ring <= SunRing; ++ring) {
        const int reference = rasiSign(RingReferences[ring]);
        for (int k = 0; k < 12; ++k) {
            const int sign = SudarshanSign(reference, k);
            std::vector<std::string> inSign;
            for (int b = 2; b <= 10; ++b)
                if (rasiSign(b) == sign)
                    inSign.push_back(names[b]);
            const std::vector<std::string> lines = SudarshanSectorLines(sign, inSign);
            // The block of lines is centred on the sector's anchor.
            const double top = settings.TopMarginTwips + WheelTop + SudarshanAnchorY[k][ring] -
                               (lines.size() - 1) * SectorLineStep / 2.0;
            for (std::size_t i = 0; i < lines.size(); ++i) {
                surface.CurrentX = settings.LeftMarginTwips + SudarshanAnchorX[k][ring] -
                                   surface.TextWidth(lines[i]) / 2;
                surface.CurrentY = top + i * SectorLineStep;
                surface.Print(lines[i]);
            }
        }
    }
}

} // namespace tarvik
