#pragma once

#include <cstdint>

namespace sweepfilter {

// The first row of the frame a film strip shows for a value: frame
// trunc(value × frameHeight × (frameCount − 1)) / frameHeight. Zero, negative
// and not-a-number values show the first frame, values past the end the last.
std::int32_t filmStripRow(float value, std::int32_t frameCount, std::int32_t frameHeight);

}  // namespace sweepfilter
