#pragma once

#include <cstdint>

#include "Control.h"
#include "PanelBitmap.h"

namespace sweepfilter {

// A knob whose picture is one frame of a vertical film strip, frame 0 at the
// minimum. The rectangle is one frame in size; the pointer's angle sets the value.
class FilmStripKnob : public Control {
 public:
  FilmStripKnob(const Rect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameCount,
                std::int32_t frameHeight, PanelBitmap* bitmap, const Point& backgroundOffset);

  void draw(DrawContext& context) override;
  void mouse(DrawContext& context, const Point& point) override;
  // Draws the frames from another strip of the same layout from the next update on.
  void showFrom(PanelBitmap* strip);

 private:
  PanelBitmap* bitmap;
  // Where the control lies in the panel background; kept for the owner.
  Point backgroundOffset;
  std::int32_t frameCount;
  std::int32_t frameHeight;
};

}  // namespace sweepfilter
