#include "Vargas.h"

namespace tarvik {

void CalcShodashVarga() {}

void CalcAllVargas() {}

} // namespace tarvik
