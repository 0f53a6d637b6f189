#include "OnOffButton.h"

OnOffButton::OnOffButton(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameHeight,
                         PanelBitmap* bitmap, const Point& backgroundOffset)
    : Control(rect, listener, tag), bitmap(bitmap), backgroundOffset(backgroundOffset), frameHeight(frameHeight) {}

void OnOffButton::draw(DrawContext& context) {
  if (value > 1.0f) value = 1.0f;
  if (value < 0.0f) value = 0.0f;
  // Not-a-number shows the first frame.
  const std::int32_t frame = value > 0.0f ? 1 : 0;
  bitmap->draw(context, rect, Point(0, frame * frameHeight));
  oldValue = value;
}

void OnOffButton::mouse(DrawContext& context, const Point& point) {
  const float start = value;
  // Any start value but 0 (even one set from outside) flips to 0.
  const float flipped = start == 0.0f ? 1.0f : 0.0f;
  if (context.getMouseButtons() != 0) {
    dragWhileHeld(context, point, [&](const Point& at) { return rect.contains(at) ? flipped : start; });
  } else {
    // Released before the press was handled: a plain click.
    value = flipped;
    report();
  }
}
