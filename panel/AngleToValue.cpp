#include "AngleToValue.h"

#include <cmath>
#include <numbers>

namespace sweepfilter {

float angleToValue(const Point& point, float centre, float min, float max) {
  constexpr float pi = std::numbers::pi_v<float>;
  const float dx = static_cast<float>(point.x) - centre;
  float dy = centre - static_cast<float>(point.y);
  // Level with the centre counts as one pixel above it: no division by zero.
  if (dy == 0.0f) dy = 1.0f;

  // Counter-clockwise from 3 o'clock, in [0, 2π).
  float angle = pi / 2 - static_cast<float>(std::atan(static_cast<double>(dx / dy)));
  if (dy < 0.0f) angle += pi;
  const float turns = angle / (2 * pi);

  // The dead zone between 7:30 and 4:30.
  if (turns > 0.625f && turns < 0.875f) return turns < 0.75f ? min : max;

  // Turns counter-clockwise from 4:30, scaled from 0..0.75 to 0..1.
  float fromMax = turns >= 0.875f ? turns - 0.875f : turns + 0.125f;
  fromMax *= 1.3333334f;
  const float range = max - min;
  return min + (range - fromMax * range);
}

}  // namespace sweepfilter
