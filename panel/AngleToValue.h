#pragma once

#include "Point.h"

namespace sweepfilter {

// The knobs' dial: 270 degrees clockwise from the lower left (min) over the
// top to the lower right (max), turning about (centre, centre) from the
// control's top-left corner. The bottom quarter snaps to the nearer end.
// The point is relative to the control's top-left corner.
float angleToValue(const Point& point, float centre, float min, float max);

}  // namespace sweepfilter
