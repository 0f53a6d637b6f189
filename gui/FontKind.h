#pragma once

#include <cstdint>

namespace sweepfilter {

// Unscoped on purpose: any other number asks the system for its default font.
enum FontKind : std::int32_t {
  boldFont = 0,
  normalFont = 1,
  smallFont = 2,
};

}  // namespace sweepfilter
