#include "CivilTime.h"

#include "BirthRecord.h"

namespace tarvik {

double Coordinate::LatitudeDegrees() const { return (IsSouth(direction) ? -1.0 : 1.0) * (degrees + minutes / 60.0); }

double Coordinate::LongitudeDegrees() const { return (IsWest(direction) ? -1.0 : 1.0) * (degrees + minutes / 60.0); }

} // namespace tarvik
