#pragma once

#include <cstdint>

#include "Control.h"
#include "PanelBitmap.h"

// Shows a number from 50000 to 250000 as up to six decimal digits (leading
// places first) cut from a strip of the glyphs 0 to 9 side by side. The
// digits' cells are panel positions, independent of the rectangle.
class DigitDisplay : public Control {
public:
  static constexpr int32_t maxPlaces = 16;

  // The first digitCount entries of each position array are copied; digitCount
  // is 1 to 6 (more are cut to 6).
  DigitDisplay(const Rect& rect, ControlListener* listener, int32_t tag, int32_t number, int32_t digitCount,
               const int32_t* xPositions, const int32_t* yPositions, int32_t digitWidth, int32_t digitHeight,
               PanelBitmap* digitsBitmap);

  // Clamps the number into its range in place, then draws every digit.
  void draw(DrawContext& context) override;

  // The number mapped from 50000..250000 onto 0..1.
  float getNumberAsValue() const;

private:
  PanelBitmap* digitsBitmap;
  int32_t number;
  int32_t digitCount;
  int32_t digitX[maxPlaces] = {};
  int32_t digitY[maxPlaces] = {};
  int32_t digitWidth;
  int32_t digitHeight;
};
