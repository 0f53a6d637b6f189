#pragma once

#include <cstdint>

#include "Control.h"
#include "PanelBitmap.h"

namespace sweepfilter {

// The "LFO sync" display: its value is the setting's number, shown as that
// setting's frame of a vertical strip. A press steps one setting down or up
// by the half it lands on; a sideways drag steps on from there.
class LfoSyncDisplay : public Control {
 public:
  LfoSyncDisplay(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameHeight,
                 PanelBitmap* bitmap);

  void draw(DrawContext& context) override;
  void mouse(DrawContext& context, const Point& point) override;

 private:
  PanelBitmap* bitmap;
  std::int32_t frameHeight;
};

}  // namespace sweepfilter
