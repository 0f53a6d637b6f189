#include "VerticalSlider.h"

namespace sweepfilter {

VerticalSlider::VerticalSlider(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t travelTop,
                               std::int32_t travelBottom, PanelBitmap* handleBitmap, const Rect& backgroundRect,
                               const Rect& handleRect, PanelBitmap* backgroundBitmap)
    : Control(rect, listener, tag),
      handleBitmap(handleBitmap),
      backgroundBitmap(backgroundBitmap),
      backgroundRect(backgroundRect),
      travel{rect.left, rect.top, travelTop, travelBottom, handleRect.right, handleRect.bottom},
      handleTop(travelBottom) {}

void VerticalSlider::draw(DrawContext& context) {
  backgroundBitmap->draw(context, backgroundRect, Point(backgroundRect.left, backgroundRect.top));
  const std::int32_t top = travel.handleTop(value);
  handleBitmap->drawTransparent(context, Rect(rect.left, top, rect.left + travel.handleWidth, travel.handleBottom(top)),
                                Point(0, 0));
  handleTop = top;
  oldValue = value;
}

void VerticalSlider::mouse(DrawContext& context, const Point& point) {
  if (!travel.grabs(point, handleTop)) return;
  const std::int32_t grab = point.y - handleTop;
  dragWhileHeld(context, point, [&](const Point& at) { return travel.valueAt(at.y, grab); });
}

}  // namespace sweepfilter
