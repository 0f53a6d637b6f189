#pragma once

#include <cstdint>

#include "Control.h"
#include "PanelBitmap.h"

namespace sweepfilter {

// Shows one frame of a vertical film strip chosen from the value; values
// above 1 are stored back as 1. Not set by the mouse.
class StripDisplay : public Control {
 public:
  StripDisplay(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameCount,
               std::int32_t frameHeight, PanelBitmap* bitmap, const Point& backgroundOffset);

  void draw(DrawContext& context) override;

 private:
  PanelBitmap* bitmap;
  Point backgroundOffset;
  std::int32_t frameCount;
  std::int32_t frameHeight;
};

}  // namespace sweepfilter
