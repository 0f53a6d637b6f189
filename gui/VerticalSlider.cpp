#include "VerticalSlider.h"

#include <algorithm>

VerticalSlider::VerticalSlider(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t travelTop,
                               std::int32_t travelBottom, PanelBitmap* handleBitmap, const Rect& backgroundRect,
                               const Rect& handleRect, PanelBitmap* backgroundBitmap)
    : Control(rect, listener, tag),
      handleBitmap(handleBitmap),
      backgroundBitmap(backgroundBitmap),
      backgroundRect(backgroundRect),
      handleRect(handleRect),
      travelTop(travelTop),
      travelBottom(travelBottom),
      handleTop(travelBottom) {}

void VerticalSlider::draw(DrawContext& context) {
  backgroundBitmap->draw(context, backgroundRect, Point(backgroundRect.left, backgroundRect.top));

  // Measured from the rectangle's top (the mouse measures from travelTop; the panel makes them equal).
  const std::int32_t top = std::max(rect.top + static_cast<std::int32_t>((1 - value) * travel()), travelTop);
  // Below 0 the handle's painted area is cut off at the travel's end.
  const std::int32_t bottom = std::min(top + handleRect.bottom, travelBottom + handleRect.bottom);
  handleBitmap->drawTransparent(context, Rect(rect.left, top, rect.left + handleRect.right, bottom), Point(0, 0));
  handleTop = top;
  oldValue = value;
}

void VerticalSlider::mouse(DrawContext& context, const Point& point) {
  // The handle's own test leaves out its right column and bottom row.
  const RECT handle{rect.left, handleTop, rect.left + handleRect.right, handleTop + handleRect.bottom};
  if (!PtInRect(&handle, POINT{point.x, point.y})) return;

  const std::int32_t grab = point.y - handleTop;
  dragWhileHeld(context, point, [&](const Point& at) {
    const float fromTop = static_cast<float>(at.y - travelTop - grab) / travel();
    return 1 - std::clamp(fromTop, 0.0f, 1.0f);
  });
}
