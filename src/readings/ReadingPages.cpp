#include "ReadingPages.h"

#include "AspectPredictions.h"
#include "PredictionPages.h"
#include "Vimshottari.h"
#include "pages/PageBuilders.h"

namespace tarvik {

void InstallReadingPages()
{
    PageBuilders& b = Builders();
    b.PrintVimshottariDasha = &PrintVimshottariDasha;
    b.PrintTopicPredictions = &PrintTopicPredictions;
    b.PrintPlanetInSignPredictions = &PrintPlanetInSignPredictions;
    b.PrintSignInHousePredictions = &PrintSignInHousePredictions;
    b.BuildAspectPredictions = &BuildAspectPredictions;
}

} // namespace tarvik
