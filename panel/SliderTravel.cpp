#include "SliderTravel.h"

#include <algorithm>

namespace sweepfilter {

std::int32_t SliderTravel::handleTop(float value) const {
  // Far beyond either end (or not a number) the conversion to rows would
  // overflow: rest at the top, as an out-of-range x86 conversion lands, or far below.
  constexpr float farAway = 1e6f;
  float rows = (1 - value) * travel();
  if (!(rows > -farAway)) rows = -farAway;
  if (rows > farAway) rows = farAway;
  return std::max(rectTop + static_cast<std::int32_t>(rows), travelTop);
}

std::int32_t SliderTravel::handleBottom(std::int32_t top) const {
  return std::min(top + handleHeight, travelBottom + handleHeight);
}

bool SliderTravel::grabs(const Point& point, std::int32_t top) const {
  return point.x >= left && point.x < left + handleWidth && point.y >= top && point.y < top + handleHeight;
}

float SliderTravel::valueAt(std::int32_t y, std::int32_t grab) const {
  const float fromTop = static_cast<float>(y - travelTop - grab) / travel();
  return 1 - std::clamp(fromTop, 0.0f, 1.0f);
}

}  // namespace sweepfilter
