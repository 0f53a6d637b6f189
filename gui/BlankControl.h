#pragma once

#include <cstdint>

#include "Control.h"

namespace sweepfilter {

// Takes a place on the panel and does nothing there. Any arguments after the
// tag are accepted and ignored, so it can stand in for another control.
class BlankControl : public Control {
 public:
  template <typename... Ignored>
  BlankControl(const Rect& rect, ControlListener* listener, std::int32_t tag, const Ignored&...)
      : Control(rect, listener, tag) {}

  void draw(DrawContext& context) override;
};

}  // namespace sweepfilter
