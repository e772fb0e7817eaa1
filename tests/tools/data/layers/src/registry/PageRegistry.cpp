#include "pages/Page.h"

void vimshottari(const PageContext& page) { PrintDasha(page, tarvik::Native().Day); }
