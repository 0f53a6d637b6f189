#include "ArmedIndicator.h"

namespace sweepfilter {

ArmedIndicator::ArmedIndicator(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t stepCount,
                               std::int32_t frameHeight, PanelBitmap* bitmap, const Point& backgroundOffset)
    : Control(rect, listener, tag),
      bitmap(bitmap),
      backgroundOffset(backgroundOffset),
      stepCount(stepCount),
      frameHeight(frameHeight) {}

void ArmedIndicator::draw(DrawContext& context) {
  if (armed == 1.0f)
    bitmap->draw(context, rect, Point(0, static_cast<std::int32_t>(value * static_cast<float>(frameHeight))));
  oldValue = value;
}

void ArmedIndicator::mouse(DrawContext&, const Point&) {
  // The press itself acknowledges: no waiting, polling, for another one when
  // the button is already up by the time the press is handled.
  if (armed == 0.0f) return;
  armed = 0.0f;
  value += 0.1f;
  report();
  MessageBeep(0xFFFFFFFF);
}

void ArmedIndicator::advance() {
  const float next = static_cast<float>(static_cast<std::int32_t>(value) + 1);
  value = next >= static_cast<float>(stepCount - 1) ? 0.0f : next;
}

}  // namespace sweepfilter
