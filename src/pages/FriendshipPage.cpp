#include "FriendshipPage.h"

#include "Frame.h"
#include "TableRows.h"
#include "TablePages.h"
#include "calc/NameTables.h"
#include "calc/Relationships.h"

#include <array>

namespace tarvik {

namespace {

struct FriendshipTableKind {
    FriendshipLayer layer;
    std::string_view key;   // the first word of the table's heading
};

constexpr std::array<FriendshipTableKind, 3> FriendshipTables = {{
    {Natural, "NAISARGIK"},
    {Temporary, "TATKALIK"},
    {Compound, "PANCHDHA"},
}};

constexpr int Planets = 9;   // Sun .. Ketu

} // namespace

std::string_view FriendshipKey(std::string_view code)
{
    if (code.size() != 1)
        return {};
    switch (code[0]) {
    case Enemy: return "Shatru";
    case Neutral: return "Sam";
    case Friend: return "Mitra";
    case GreatFriend: return "Ati-Mitra";
    case GreatEnemy: return "Ati-Shatru";
    default: return {};
    }
}

void PrintPlanetFriendship(Surface& surface, const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const ChartState& chart = page.chart;
    const int left = layout.leftMargin;
    // English is set a point smaller to keep its longer names in the columns.
    const double fontSize = surface.Font.Size;
    if (!page.choices.languageHindi)
        surface.Font.Size -= layout.scale;

    int y = static_cast<int>(surface.CurrentY);
    for (const FriendshipTableKind& table : FriendshipTables) {
        PrintHeading(page.Dict(table.key) + " " + page.Dict("MAITRI"), surface, y, layout);
        y = static_cast<int>(surface.CurrentY + layout.lineStep);
        for (int i = 0; i <= Planets; ++i) {
            for (int j = 0; j <= Planets; ++j) {
                std::string text;
                if (i == 0 && j > 0)
                    text = page.Dict(BodyKeys[BodyDisplayOrder[j + 1]]);
                else if (j == 0 && i > 0)
                    text = page.Dict(BodyKeys[BodyDisplayOrder[i + 1]]);
                else if (i > 0)
                    text = page.Dict(FriendshipKey(chart.FriendshipTable[i][j][table.layer]));
                if (!text.empty())
                    PrintInColumn(surface, static_cast<int>(left + j * 900 * layout.scale), y,
                                  text, 900 * layout.scale, page);
            }
            y += static_cast<int>(layout.lineStep);
            if (i == 0)
                y += static_cast<int>(layout.lineStep / 2);
        }
        y += static_cast<int>(layout.lineStep);
    }
    surface.Font.Size = fontSize;
}

} // namespace tarvik
