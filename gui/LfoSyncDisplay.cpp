#include "LfoSyncDisplay.h"

#include "LfoSyncSteps.h"

namespace sweepfilter {

LfoSyncDisplay::LfoSyncDisplay(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameHeight,
                               PanelBitmap* bitmap)
    : Control(rect, listener, tag), bitmap(bitmap), frameHeight(frameHeight) {}

void LfoSyncDisplay::draw(DrawContext& context) {
  bitmap->draw(context, rect, Point(0, lfoSyncFrameRow(static_cast<std::int32_t>(value), frameHeight)));
  oldValue = value;
}

void LfoSyncDisplay::mouse(DrawContext& context, const Point& point) {
  // Steps count from the setting at the press, not from the one last reported.
  const auto start = static_cast<std::int32_t>(value);
  const std::int32_t pressX = point.x - rect.left;
  dragWhileHeld(context, point, [&](const Point& at) {
    return static_cast<float>(lfoSyncSettingAt(start, pressX, at.x - rect.left, rect.width()));
  });
}

}  // namespace sweepfilter
