#pragma once

#include <cstdint>

#include "ControlListener.h"
#include "DrawContext.h"
#include "View.h"

namespace sweepfilter {

// Base of every control: a normalised value with its range, the owner's tag,
// a listener, and the drag protocol that all mouse handling follows.
class Control : public View {
 public:
  Control(const Rect& rect, ControlListener* listener, std::int32_t tag);

  void draw(DrawContext& context) override = 0;
  // Redraws only when the value differs from the one last drawn.
  void update(DrawContext& context) override;
  virtual ~Control() = default;

  std::int32_t getTag() const { return tag; }
  // Only stores: no clamping, no redraw, no listener call. Shown at the next update.
  void setValue(float newValue) { value = newValue; }
  float getValue() const { return value; }
  void setMin(float newMin) { min = newMin; }
  float getMin() const { return min; }
  void setMax(float newMax) { max = newMax; }
  float getMax() const { return max; }

 protected:
  // The drag loop: from the press point on, store the value the pointer gives
  // and report it if it differs from what is on screen, until no mouse button
  // is held. The button query redraws changed controls, so each change is
  // reported once per redraw.
  template <typename ValueAt>
  void dragWhileHeld(DrawContext& context, Point point, ValueAt valueAt) {
    do {
      value = valueAt(point);
      reportIfChanged();
    } while (pollMouse(context, point));
  }

  void reportIfChanged();
  void report();

  ControlListener* listener;
  std::int32_t tag;
  // Not a number until the first drawing, so a control's first update always draws.
  float oldValue;
  float value = 0.0f;
  float min = 0.0f;
  float max = 1.0f;

 private:
  // Gives up the processor briefly, then reads the pointer and the buttons;
  // true while any button is held.
  static bool pollMouse(DrawContext& context, Point& point);
};

}  // namespace sweepfilter
