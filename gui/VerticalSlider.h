#pragma once

#include <cstdint>

#include "Control.h"
#include "PanelBitmap.h"
#include "SliderTravel.h"

namespace sweepfilter {

// A handle (white transparent) that moves over the panel background, value 1
// at the top of its travel and 0 at the bottom. Only a press on the handle
// drags it, keeping the offset at which it was grabbed.
class VerticalSlider : public Control {
 public:
  VerticalSlider(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t travelTop,
                 std::int32_t travelBottom, PanelBitmap* handleBitmap, const Rect& backgroundRect,
                 const Rect& handleRect, PanelBitmap* backgroundBitmap);

  void draw(DrawContext& context) override;
  void mouse(DrawContext& context, const Point& point) override;

 private:
  PanelBitmap* handleBitmap;
  // Drawn at the panel's origin.
  PanelBitmap* backgroundBitmap;
  // The whole track, repainted from the background before the handle.
  Rect backgroundRect;
  // The handle's size and its travel: top edge at travelTop for 1, travelBottom for 0.
  SliderTravel travel;
  // The handle's top edge as last drawn; before the first drawing, where value 0 puts it.
  std::int32_t handleTop;
};

}  // namespace sweepfilter
