#pragma once

#include <cstdint>

#include "Control.h"
#include "PanelBitmap.h"

namespace sweepfilter {

// A knob drawn as the panel background under it with a small handle picture
// (white transparent) placed on a circle; the pointer's angle sets the value.
// The owner keeps min and max different: drawing divides by their difference.
class HandleKnob : public Control {
 public:
  HandleKnob(const Rect& rect, ControlListener* listener, std::int32_t tag, PanelBitmap* backgroundBitmap,
             PanelBitmap* handleBitmap, const Point& backgroundOffset);

  void draw(DrawContext& context) override;
  void mouse(DrawContext& context, const Point& point) override;

 private:
  // The radius of the handle's circle.
  float radius() const;

  // Half the handle's width, so the handle stays inside the rectangle.
  std::int32_t handleMargin;
  PanelBitmap* backgroundBitmap;
  PanelBitmap* handleBitmap;
  // Where the rectangle lies in the background picture.
  Point backgroundOffset;
};

}  // namespace sweepfilter
