#include "ReadingPages.h"

#include "AspectPredictions.h"
#include "Jaimini.h"
#include "Manglik.h"
#include "MatchPages.h"
#include "PredictionPages.h"
#include "SadeSati.h"
#include "VarshphalPages.h"
#include "panchang/Vimshottari.h"
#include "VimshottariPages.h"
#include "Yogini.h"
#include "pages/PageBuilders.h"

namespace tarvik {

void InstallReadingPages()
{
    PageBuilders& b = Builders();
    b.PrintVimshottariDasha = &PrintVimshottariDasha;
    b.PrintVimshottariPratyantar = &PrintVimshottariPratyantar;
    b.PrintYoginiDasha = &PrintYoginiDasha;
    b.JaiminiPage = &JaiminiPage;
    b.MatchMaking = &MatchMaking;
    b.PrintManglikDosha = &PrintManglikDosha;
    b.PrintSadeSatiPage1 = &PrintSadeSatiPage1;
    b.PrintSadeSatiPage2 = &PrintSadeSatiPage2;
    b.VarshphalPage = &VarshphalPage;
    b.PrintTopicPredictions = &PrintTopicPredictions;
    b.PrintPlanetInSignPredictions = &PrintPlanetInSignPredictions;
    b.PrintSignInHousePredictions = &PrintSignInHousePredictions;
    b.BuildAspectPredictions = &BuildAspectPredictions;
}

} // namespace tarvik
