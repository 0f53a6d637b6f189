#pragma once

#include <cstdint>

namespace sweepfilter {

// Passed by value; the fourth byte is carried along but never used.
struct Colour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t unused = 0;
};

}  // namespace sweepfilter
