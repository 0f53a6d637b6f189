#include "StripDisplay.h"

#include "FilmStrip.h"

namespace sweepfilter {

StripDisplay::StripDisplay(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameCount,
                           std::int32_t frameHeight, PanelBitmap* bitmap, const Point& backgroundOffset)
    : Control(rect, listener, tag),
      bitmap(bitmap),
      backgroundOffset(backgroundOffset),
      frameCount(frameCount),
      frameHeight(frameHeight) {}

void StripDisplay::draw(DrawContext& context) {
  if (value > 1.0f) value = 1.0f;
  // Two frames split at one half; longer strips step evenly.
  const std::int32_t row =
      frameCount == 2 ? (value >= 0.5f ? frameHeight : 0) : filmStripRow(value, frameCount, frameHeight);
  bitmap->draw(context, rect, Point(0, row));
  oldValue = value;
}

}  // namespace sweepfilter
