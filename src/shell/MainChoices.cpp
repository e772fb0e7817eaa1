#include "MainChoices.h"

#include "core/State.h"

namespace tarvik {

void ApplyDisplayChoices(const MainChoices& choices)
{
    OutputRun().ChartStyle = choices.charting;
    ApplyDisplayConventions(choices.language == 1);
}

} // namespace tarvik
