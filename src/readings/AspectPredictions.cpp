#include "AspectPredictions.h"

#include "pages/Frame.h"

namespace tarvik {

StepLayout PrintAspectPage(Surface& surface, const PageContext& page, const std::vector<AspectEntry>& entries,
                           int part)
{
    const PageLayout& layout = page.layout;
    PrintPageFrame(surface, page);
    int y = static_cast<int>(surface.CurrentY);
    PrintHeading(page.Dict("Aspect Predictions"), surface, y, layout);
    PredictionSteps slots;
    for (int i = (part - 1) * AspectEntriesPerPage; i < part * AspectEntriesPerPage; ++i) {
        if (i >= 0 && i < static_cast<int>(entries.size()))
            slots.push_back(PredictionStep::Entry(entries[i].heading, entries[i].text));
        else
            slots.push_back(PredictionStep::Entry({}, {}));
    }
    return PrintStepsWithinPage(surface, layout, slots, true);
}

void BuildAspectPredictions(Surface& surface, const PageContext& page, int part)
{
    PrintAspectPage(surface, page, CollectAspectPredictions(page.chart, page.texts), part);
}

} // namespace tarvik
