#include "FlipToggle.h"

namespace sweepfilter {

FlipToggle::FlipToggle(const Rect& rect, ControlListener* listener, std::int32_t tag, PanelBitmap* bitmap)
    : Control(rect, listener, tag), bitmap(bitmap) {}

void FlipToggle::draw(DrawContext& context) {
  // Not-a-number shows the upper half.
  const std::int32_t row = value < 0.0f || value > 0.0f ? bitmap->getHeight() / 2 : 0;
  bitmap->draw(context, rect, Point(0, row));
}

void FlipToggle::mouse(DrawContext& context, const Point&) {
  value = value == 0.0f ? 1.0f : 0.0f;
  draw(context);
}

}  // namespace sweepfilter
