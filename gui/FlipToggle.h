#pragma once

#include <cstdint>

#include "Control.h"
#include "PanelBitmap.h"

namespace sweepfilter {

// A two-state toggle that flips and redraws at once on a press, without
// telling its listener. Its two frames are the picture's upper and lower halves.
class FlipToggle : public Control {
 public:
  FlipToggle(const Rect& rect, ControlListener* listener, std::int32_t tag, PanelBitmap* bitmap);

  // Leaves oldValue to the inherited update.
  void draw(DrawContext& context) override;
  void mouse(DrawContext& context, const Point& point) override;

 private:
  PanelBitmap* bitmap;
};

}  // namespace sweepfilter
