#include "KickButton.h"

namespace sweepfilter {

void KickButton::mouse(DrawContext& context, const Point& point) {
  OnOffButton::mouse(context, point);
  value = 0.0f;
  report();
}

}  // namespace sweepfilter
