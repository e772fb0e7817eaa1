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

void PrintBasicPage(Surface& surface, bool, const SunTimes*, const PanchangValues*)
{
    PrintPlaceholderHeading(surface, {}, "Birth Particulars");
}

void PrintPlanetTable(Surface& surface, int mode, bool toPrinter)
{
    PrintPageFrame(surface, toPrinter);
    if (mode == 3)
        PrintPlaceholderHeading(surface, {"_KP"}, "KP");
    else if (mode == 2)
        PrintPlaceholderHeading(surface, {"SAYANBHAV", "SPASHT"}, "Sayana Positions");
    else
        PrintPlaceholderHeading(surface, {"NIRYANABHAV", "SPASHT"}, "Nirayana Positions");
}

void PrintMatchNirayanaPage(Surface& surface, bool toPrinter)
{
    PrintPageFrame(surface, toPrinter);
    PrintPlaceholderHeading(surface, {"NIRYANABHAV", "SPASHT"}, "Nirayana Positions");
}

void PrintCuspTable(Surface& surface, int, bool, int& y)
{
    surface.CurrentY = y;
    PrintPlaceholderHeading(surface, {"_NIRAYANA", "BHAV"}, "Nirayana Bhav");
    y = static_cast<int>(std::lround(surface.CurrentY + OutputRun().LineStep));
}

} // namespace tarvik
