#pragma once

#include <cstdint>

namespace sweepfilter {

// A position in panel-window pixels.
struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;

  constexpr Point() = default;
  constexpr Point(std::int32_t x, std::int32_t y) : x(x), y(y) {}
};

}  // namespace sweepfilter
