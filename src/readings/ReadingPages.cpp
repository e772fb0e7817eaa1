#include "ReadingPages.h"

#include "Jaimini.h"
#include "Vimshottari.h"
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
}

} // namespace tarvik
