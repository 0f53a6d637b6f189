#pragma once

#include <cstdint>

#include "Control.h"
#include "PanelBitmap.h"

namespace sweepfilter {

// Shows a number from 50000 to 250000 as up to six decimal digits (leading
// places first) cut from a strip of the glyphs 0 to 9 side by side. The
// digits' cells are panel positions, independent of the rectangle.
class DigitDisplay : public Control {
 public:
  static constexpr std::int32_t maxPlaces = 16;

  // The first digitCount entries of each position array are copied; digitCount
  // is 1 to 6 (more are cut to 6).
  DigitDisplay(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t number,
               std::int32_t digitCount, const std::int32_t* xPositions, const std::int32_t* yPositions,
               std::int32_t digitWidth, std::int32_t digitHeight, PanelBitmap* digitsBitmap);

  // Clamps the number into its range in place, then draws every digit.
  void draw(DrawContext& context) override;

  // The number mapped from 50000..250000 onto 0..1.
  float getNumberAsValue() const;

 private:
  PanelBitmap* digitsBitmap;
  std::int32_t number;
  std::int32_t digitCount;
  std::int32_t digitX[maxPlaces] = {};
  std::int32_t digitY[maxPlaces] = {};
  std::int32_t digitWidth;
  std::int32_t digitHeight;
};

}  // namespace sweepfilter
