#include "ReadingPages.h"

#include "Manglik.h"
#include "MatchPages.h"
#include "SadeSati.h"
#include "VarshphalPages.h"
#include "Vimshottari.h"
#include "pages/PageBuilders.h"

namespace tarvik {

void InstallReadingPages()
{
    PageBuilders& b = Builders();
    b.PrintVimshottariDasha = &PrintVimshottariDasha;
    b.MatchMaking = &MatchMaking;
    b.PrintManglikDosha = &PrintManglikDosha;
    b.PrintSadeSatiPage1 = &PrintSadeSatiPage1;
    b.PrintSadeSatiPage2 = &PrintSadeSatiPage2;
    b.VarshphalPage = &VarshphalPage;
}

} // namespace tarvik
