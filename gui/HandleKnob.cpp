#include "HandleKnob.h"

#include <cmath>
#include <numbers>

#include "AngleToValue.h"

namespace sweepfilter {

namespace {

constexpr std::int32_t marginWithoutHandle = 5;

}  // namespace

HandleKnob::HandleKnob(const Rect& rect, ControlListener* listener, std::int32_t tag, PanelBitmap* backgroundBitmap,
                       PanelBitmap* handleBitmap, const Point& backgroundOffset)
    : Control(rect, listener, tag),
      handleMargin(handleBitmap ? handleBitmap->getWidth() / 2 : marginWithoutHandle),
      backgroundBitmap(backgroundBitmap),
      handleBitmap(handleBitmap),
      backgroundOffset(backgroundOffset) {}

float HandleKnob::radius() const { return static_cast<float>(rect.width() - 2 * handleMargin) / 2; }

void HandleKnob::draw(DrawContext& context) {
  constexpr float pi = std::numbers::pi_v<float>;
  backgroundBitmap->draw(context, rect, backgroundOffset);

  const float r = radius();
  // Clockwise from 12 o'clock: 1.25π at min, 2π in the middle, 2.75π at max.
  const float angle = (pi * 1.5f / (max - min)) * (value - min) + (pi / 4 + pi);
  const auto x = static_cast<std::int32_t>(r + r * std::sin(static_cast<double>(angle)));
  const auto y = static_cast<std::int32_t>(r - r * std::cos(static_cast<double>(angle)));
  const std::int32_t left = rect.left + x;
  const std::int32_t top = rect.top + y;
  handleBitmap->drawTransparent(
      context, Rect(left, top, left + handleBitmap->getWidth(), top + handleBitmap->getHeight()), Point(0, 0));
  oldValue = value;
}

void HandleKnob::mouse(DrawContext& context, const Point& point) {
  const float centre = radius();
  dragWhileHeld(context, point, [&](const Point& at) {
    return angleToValue(Point(at.x - rect.left, at.y - rect.top), centre, min, max);
  });
}

}  // namespace sweepfilter
