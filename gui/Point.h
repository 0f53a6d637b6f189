#pragma once

#include <cstdint>

// A position in panel-window pixels.
struct Point {
  int32_t x = 0;
  int32_t y = 0;

  constexpr Point() = default;
  constexpr Point(int32_t x, int32_t y) : x(x), y(y) {}
};
