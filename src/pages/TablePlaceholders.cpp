// The heading the placeholder builders draw (PageBuilders.cpp) where no page
// of the dasha and interpretation subsystem is installed.

#include "Frame.h"
#include "TablePages.h"
#include "refdata/TextLookup.h"

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

} // namespace tarvik
