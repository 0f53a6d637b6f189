#include "MultiPositionSwitch.h"

#include "SwitchPositions.h"

namespace sweepfilter {

MultiPositionSwitch::MultiPositionSwitch(const Rect& rect, ControlListener* listener, std::int32_t tag,
                                         std::int32_t frameCount, std::int32_t frameHeight, std::int32_t positionCount,
                                         PanelBitmap* bitmap, const Point& backgroundOffset)
    : Control(rect, listener, tag),
      bitmap(bitmap),
      backgroundOffset(backgroundOffset),
      frameCount(frameCount),
      frameHeight(frameHeight),
      positionCount(positionCount) {}

void MultiPositionSwitch::draw(DrawContext& context) {
  bitmap->draw(context, rect, Point(0, switchFrame(value, positionCount) * frameHeight));
  oldValue = value;
}

void MultiPositionSwitch::mouse(DrawContext& context, const Point& point) {
  if (!hasSwitchPositions(positionCount)) return;
  // The picture's width, not the rectangle's; the pointer may leave the
  // rectangle and then counts as the first or last position.
  const std::int32_t width = bitmap->getWidth();
  dragWhileHeld(context, point, [&](const Point& at) { return switchValueAt(at.x - rect.left, width, positionCount); });
}

}  // namespace sweepfilter
