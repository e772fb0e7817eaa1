#include "ReadingPages.h"

#include "VarshphalPages.h"
#include "Vimshottari.h"
#include "pages/PageBuilders.h"

namespace tarvik {

void InstallReadingPages()
{
    PageBuilders& b = Builders();
    b.PrintVimshottariDasha = &PrintVimshottariDasha;
    b.VarshphalPage = &VarshphalPage;
}

} // namespace tarvik
