#include "FilmStripKnob.h"

#include <limits>

#include "AngleToValue.h"
#include "FilmStrip.h"

namespace sweepfilter {

FilmStripKnob::FilmStripKnob(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameCount,
                             std::int32_t frameHeight, PanelBitmap* bitmap, const Point& backgroundOffset)
    : Control(rect, listener, tag),
      bitmap(bitmap),
      backgroundOffset(backgroundOffset),
      frameCount(frameCount),
      frameHeight(frameHeight) {}

void FilmStripKnob::draw(DrawContext& context) {
  bitmap->draw(context, rect, Point(0, filmStripRow(value, frameCount, frameHeight)));
  oldValue = value;
}

void FilmStripKnob::mouse(DrawContext& context, const Point& point) {
  const float centre = static_cast<float>(rect.width()) / 2;
  dragWhileHeld(context, point, [&](const Point& at) {
    return angleToValue(Point(at.x - rect.left, at.y - rect.top), centre, min, max);
  });
}

void FilmStripKnob::showFrom(PanelBitmap* strip) {
  if (strip == bitmap) return;
  bitmap = strip;
  // The value may not change: the next update draws all the same.
  oldValue = std::numeric_limits<float>::quiet_NaN();
}

}  // namespace sweepfilter
