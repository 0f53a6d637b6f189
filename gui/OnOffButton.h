#pragma once

#include <cstdint>

#include "Control.h"
#include "PanelBitmap.h"

namespace sweepfilter {

// A two-state toggle: while held it shows the flipped state with the pointer
// on it and the old one with the pointer off it; what it shows at release stays.
class OnOffButton : public Control {
 public:
  OnOffButton(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameHeight,
              PanelBitmap* bitmap, const Point& backgroundOffset);

  // Clamps the value into 0..1 in place, then frame 1 for any value but 0.
  void draw(DrawContext& context) override;
  void mouse(DrawContext& context, const Point& point) override;

 private:
  PanelBitmap* bitmap;
  Point backgroundOffset;
  std::int32_t frameHeight;
};

}  // namespace sweepfilter
