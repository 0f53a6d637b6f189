#pragma once

#include <cstdint>

#include "Control.h"
#include "PanelBitmap.h"

namespace sweepfilter {

// Shows one frame of a strip, but only while armed; a press while armed
// acknowledges it: disarms, adds 0.1 to the value, tells the listener and beeps.
class ArmedIndicator : public Control {
 public:
  ArmedIndicator(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t stepCount,
                 std::int32_t frameHeight, PanelBitmap* bitmap, const Point& backgroundOffset);

  // Paints nothing while disarmed, so the last frame stays until the panel repaints.
  void draw(DrawContext& context) override;
  void mouse(DrawContext& context, const Point& point) override;

  void arm() { armed = 1.0f; }
  // The next whole step, cycling through 0 to stepCount − 2.
  void advance();

 private:
  float armed = 0.0f;
  PanelBitmap* bitmap;
  Point backgroundOffset;
  std::int32_t stepCount;
  std::int32_t frameHeight;
};

}  // namespace sweepfilter
