#pragma once

#include <cstdint>

#include "Point.h"

namespace sweepfilter {

// A rectangle in panel-window pixels. For bitmap copies right and bottom lie
// just past the last column and row.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  constexpr Rect() = default;
  constexpr Rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
      : left(left), top(top), right(right), bottom(bottom) {}

  constexpr std::int32_t width() const { return right - left; }
  constexpr std::int32_t height() const { return bottom - top; }

  // The panel's hit test counts all four edges as inside (unlike PtInRect).
  constexpr bool contains(const Point& point) const {
    return left <= point.x && point.x <= right && top <= point.y && point.y <= bottom;
  }
};

}  // namespace sweepfilter
