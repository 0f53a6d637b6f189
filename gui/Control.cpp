#include "Control.h"

#include <limits>

namespace sweepfilter {

Control::Control(const Rect& rect, ControlListener* listener, std::int32_t tag)
    : View(rect), listener(listener), tag(tag), oldValue(std::numeric_limits<float>::quiet_NaN()) {}

void Control::update(DrawContext& context) {
  if (value != oldValue) {
    draw(context);
    oldValue = value;
  }
}

void Control::reportIfChanged() {
  if (value != oldValue) report();
}

void Control::report() { listener->valueChanged(*this); }

bool Control::pollMouse(DrawContext& context, Point& point) {
  // Without this a held button would keep a whole core busy polling.
  Sleep(1);
  context.getMousePosition(point);
  return context.getMouseButtons() != 0;
}

}  // namespace sweepfilter
