#include "TableCells.h"

#include "calc/Angles.h"
#include "calc/NameTables.h"
#include "core/State.h"
#include "refdata/TextLookup.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tarvik {

namespace {
// The space kept clear between a cell's text and the next column, twips
// before scaling.
constexpr double CellGap = 60;
} // namespace

std::string FirstCharacters(std::string_view text, int n)
{
    std::size_t i = 0;
    for (int count = 0; i < text.size() && count < n; ++count) {
        ++i;
        // Continuation bytes belong to the character before them.
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
    }
    return std::string(text.substr(0, i));
}

std::string TableName(std::string_view key, int n)
{
    std::string text = GetDictText(key);
    return OutputRun().LanguageHindi ? text : FirstCharacters(text, n);
}

void PrintInColumn(Surface& surface, int x, int y, std::string_view text, double width)
{
    const double room = width - CellGap * OutputRun().OutputScale;
    const double size = surface.Font.Size;
    const double wide = surface.TextWidth(text);
    if (wide > room && room > 0) {
        // Widths grow with the size; a quarter point is the finest step.
        const double fitted = std::floor(size * room / wide * 4) / 4;
        surface.Font.Size = std::max(fitted, size * 0.7);
    }
    surface.CurrentX = x;
    surface.CurrentY = y;
    surface.Print(text);
    surface.Font.Size = size;
    surface.CurrentY = y + surface.LineHeight();
}

int SignOfLongitude(double longitude)
{
    const int sign = static_cast<int>(std::floor(ReduceDegrees(longitude) / 30)) + 1;
    return std::clamp(sign, 1, 12);
}

int NakshatraOfLongitude(double longitude)
{
    const int nakshatra = static_cast<int>(std::floor(ReduceDegrees(longitude) * 3 / 40)) + 1;
    return std::clamp(nakshatra, 1, 27);
}

std::string_view CheckedSignKey(int sign)
{
    if (sign < 1 || sign > 12)
        throw std::out_of_range("sign " + std::to_string(sign) + " is outside 1..12");
    return SignKeys[sign];
}

} // namespace tarvik
