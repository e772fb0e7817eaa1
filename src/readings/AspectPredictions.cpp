#include "AspectPredictions.h"

#include "pages/Frame.h"
#include "refdata/TextLookup.h"

namespace tarvik {

StepLayout PrintAspectPage(Surface& surface, const std::vector<AspectEntry>& entries, int part)
{
    PrintPageFrame(surface, false);
    int y = static_cast<int>(surface.CurrentY);
    PrintHeading(GetDictText("Aspect Predictions"), surface, y);
    PredictionSteps slots;
    for (int i = (part - 1) * AspectEntriesPerPage; i < part * AspectEntriesPerPage; ++i) {
        if (i >= 0 && i < static_cast<int>(entries.size()))
            slots.push_back(PredictionStep::Entry(entries[i].heading, entries[i].text));
        else
            slots.push_back(PredictionStep::Entry({}, {}));
    }
    return PrintStepsWithinPage(surface, slots, true);
}

void BuildAspectPredictions(Surface& surface, const ChartState& chart, int part)
{
    PrintAspectPage(surface, CollectAspectPredictions(chart), part);
}

} // namespace tarvik
