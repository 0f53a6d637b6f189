#include "OnOffButton.h"

#include "OnOffStates.h"

namespace sweepfilter {

OnOffButton::OnOffButton(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameHeight,
                         PanelBitmap* bitmap, const Point& backgroundOffset)
    : Control(rect, listener, tag), bitmap(bitmap), backgroundOffset(backgroundOffset), frameHeight(frameHeight) {}

void OnOffButton::draw(DrawContext& context) {
  value = onOffShown(value);
  bitmap->draw(context, rect, Point(0, onOffFrame(value) * frameHeight));
  oldValue = value;
}

void OnOffButton::mouse(DrawContext& context, const Point& point) {
  const float start = value;
  if (context.getMouseButtons() != 0) {
    dragWhileHeld(context, point, [&](const Point& at) { return onOffWhileHeld(start, rect.contains(at)); });
  } else {
    // Released before the press was handled: a plain click.
    value = onOffFlipped(start);
    report();
  }
}

}  // namespace sweepfilter
