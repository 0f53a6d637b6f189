#pragma once

#include <cstdint>

#include "Control.h"
#include "PanelBitmap.h"

namespace sweepfilter {

// A vertical selector of 2 or 3 positions, one strip frame each; the
// pointer's distance from the top edge picks the position. Any other
// position count shows frame 0 and ignores the mouse.
class VerticalSwitch : public Control {
 public:
  VerticalSwitch(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameCount,
                 std::int32_t frameHeight, std::int32_t positionCount, PanelBitmap* bitmap,
                 const Point& backgroundOffset);

  void draw(DrawContext& context) override;
  void mouse(DrawContext& context, const Point& point) override;

 private:
  std::int32_t frameFor(float shown) const;
  float valueAt(std::int32_t dy) const;

  PanelBitmap* bitmap;
  Point backgroundOffset;
  // Kept for the owner: the frame follows from the position count.
  std::int32_t frameCount;
  std::int32_t frameHeight;
  std::int32_t positionCount;
};

}  // namespace sweepfilter
