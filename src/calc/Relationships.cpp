#include "Relationships.h"

namespace tarvik {

void CalcRelationships() {}

} // namespace tarvik
