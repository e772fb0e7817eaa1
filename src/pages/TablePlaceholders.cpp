// Placeholders of the chart and table pages still to be built: each draws
// what frames its page and a heading, so that every page key shows a page.

#include "ChartFrames.h"
#include "Frame.h"
#include "TablePages.h"
#include "core/State.h"
#include "refdata/TextLookup.h"

#include <cmath>

namespace tarvik {

void PrintPlaceholderHeading(Surface& surface, std::initializer_list<const char*> keys,
                             const char* fallback)
{
    std::string title;
    for (const char* key : keys) {
        const std::string text = GetDictText(key, true);
        if (text.empty()) {
            title = fallback;
            break;
        }
        title += (title.empty() ? "" : " ") + text;
    }
    if (keys.size() == 0)
        title = fallback;
    int y = static_cast<int>(surface.CurrentY);
    PrintHeading(title, surface, y);
}

void PrintAspectGrid(Surface& surface)
{
    PrintPlaceholderHeading(surface, {"DRISHTI"}, "Aspects");
}

void PrintBhavTable(Surface& surface)
{
    PrintPlaceholderHeading(surface, {"_NIRAYANA", "BHAV", "SPASHT"}, "Nirayana Bhav Spasht");
}

void PrintShodashvargaTable(Surface& surface)
{
    PrintPlaceholderHeading(surface, {"SHODASHVARGA"}, "Shodashvarga");
}

void PrintAshtakvargaPage(Surface& surface)
{
    PrintPlaceholderHeading(surface, {"Ashtak"}, "Ashtakavarga");
}

void PrintPlanetFriendship(Surface& surface)
{
    PrintPlaceholderHeading(surface, {"NAISARGIK", "MAITRI"}, "Planetary Friendship");
}

void PrintSudarshanChakra(Surface& surface)
{
    PrintPlaceholderHeading(surface, {}, "Sudarshan Chakra");
    const Settings& settings = Config();
    surface.PaintPicture(SudarshanWheel(), settings.LeftMarginTwips, settings.TopMarginTwips + 2000,
                         SudarshanDesignSize, SudarshanDesignSize);
}

} // namespace tarvik
