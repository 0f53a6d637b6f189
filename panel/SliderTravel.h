#pragma once

#include <cstdint>

#include "Point.h"

namespace sweepfilter {

// A vertical slider's handle: its top edge travels from travelTop (value 1)
// down to travelBottom (value 0), one pixel per 1/(travelBottom − travelTop).
struct SliderTravel {
  std::int32_t left;
  // Where the drawing measures from; the pointer measures from travelTop.
  std::int32_t rectTop;
  std::int32_t travelTop;
  std::int32_t travelBottom;
  std::int32_t handleWidth;
  std::int32_t handleHeight;

  float travel() const { return static_cast<float>(travelBottom - travelTop); }

  // The handle's top edge for a value; above 1 it stays at travelTop.
  std::int32_t handleTop(float value) const;
  // The handle's painted bottom edge: below 0 it is cut off at the travel's end.
  std::int32_t handleBottom(std::int32_t top) const;
  // Whether a press grabs the handle drawn at top: the left and top edges
  // are on it, the right column and bottom row are not.
  bool grabs(const Point& point, std::int32_t top) const;
  // The value for the pointer at y when the handle was grabbed grab pixels
  // below its top edge; beyond the travel's ends, 1 or 0.
  float valueAt(std::int32_t y, std::int32_t grab) const;
};

}  // namespace sweepfilter
