#include "OnOffStates.h"

namespace sweepfilter {

float onOffShown(float value) {
  if (value > 1.0f) return 1.0f;
  if (value < 0.0f) return 0.0f;
  return value;
}

std::int32_t onOffFrame(float shown) { return shown > 0.0f ? 1 : 0; }

float onOffFlipped(float start) { return start == 0.0f ? 1.0f : 0.0f; }

}  // namespace sweepfilter
