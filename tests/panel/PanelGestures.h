#pragma once

#include "Point.h"

namespace sweepfilter {

// Pointer paths on the effect's panel and the values they give, held to both
// panels: the DLL's under wine and the LV2 UI's under X.

// The knobs turn about (37.5, 37.5) from their corner: these points, relative
// to the corner, lie in the dead zone at the lower left (the minimum), on the
// diagonals up-left (twice: a third of the range, reported once) and up-right
// (two thirds) and in the dead zone at the lower right (the maximum).
inline constexpr Point knobTurnPath[] = {{20, 66}, {20, 20}, {25, 25}, {55, 20}, {55, 66}};
inline constexpr float knobTurnValues[] = {0.0f, 1.0f / 3, 2.0f / 3, 1.0f};
// Knob values come from an arc tangent: equal to these within rounding.
inline constexpr float knobTolerance = 1e-6f;

// One slider pixel is 1/173 of the range.
inline constexpr float sliderTravelPixels = 173.0f;

}  // namespace sweepfilter
