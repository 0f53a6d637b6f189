#include "VerticalSwitch.h"

namespace sweepfilter {

VerticalSwitch::VerticalSwitch(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameCount,
                               std::int32_t frameHeight, std::int32_t positionCount, PanelBitmap* bitmap,
                               const Point& backgroundOffset)
    : Control(rect, listener, tag),
      bitmap(bitmap),
      backgroundOffset(backgroundOffset),
      frameCount(frameCount),
      frameHeight(frameHeight),
      positionCount(positionCount) {}

// Written so that not-a-number falls through to frame 0.
std::int32_t VerticalSwitch::frameFor(float shown) const {
  switch (positionCount) {
    case 3:
      if (shown >= 0.66f) return 2;
      return shown > 0.33f ? 1 : 0;
    case 2:
      return shown > 0.5f ? 1 : 0;
    default:
      return 0;
  }
}

float VerticalSwitch::valueAt(std::int32_t dy) const {
  if (positionCount == 2) return dy < frameHeight / 2 ? 0.0f : 1.0f;
  if (dy < static_cast<std::int32_t>(static_cast<float>(frameHeight) * 0.33f)) return 0.3f;
  if (dy < static_cast<std::int32_t>(static_cast<float>(frameHeight) * 0.66f)) return 0.6f;
  return 1.0f;
}

void VerticalSwitch::draw(DrawContext& context) {
  bitmap->draw(context, rect, Point(0, frameFor(value) * frameHeight));
  oldValue = value;
}

void VerticalSwitch::mouse(DrawContext& context, const Point& point) {
  if (positionCount != 2 && positionCount != 3) return;
  dragWhileHeld(context, point, [&](const Point& at) { return valueAt(at.y - rect.top); });
}

}  // namespace sweepfilter
