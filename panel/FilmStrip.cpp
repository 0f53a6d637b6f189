#include "FilmStrip.h"

namespace sweepfilter {

std::int32_t filmStripRow(float value, std::int32_t frameCount, std::int32_t frameHeight) {
  if (frameHeight <= 0 || frameCount <= 1 || !(value > 0.0f)) return 0;
  // In double from the single-precision factors, so that 1/29 on a 30-frame
  // strip of 67 rows gives 66.99999… and stays on the first frame.
  const double pixel =
      static_cast<double>(value) * static_cast<float>(frameHeight) * static_cast<float>(frameCount - 1);
  const std::int32_t lastRow = (frameCount - 1) * frameHeight;
  if (pixel >= lastRow) return lastRow;
  return static_cast<std::int32_t>(pixel) / frameHeight * frameHeight;
}

}  // namespace sweepfilter
