#include "LfoSyncSteps.h"

#include <algorithm>

#include "LfoSync.h"

namespace sweepfilter {

namespace {

std::int32_t clampedSetting(std::int32_t setting) { return std::clamp(setting, lfoSyncFree, lfoSyncSettingCount - 1); }

// Rounds toward zero from the press: a drag back to the press gives the press's own step.
std::int32_t stepsOf(std::int32_t pixels) { return pixels / lfoSyncDragStep; }

}  // namespace

std::int32_t lfoSyncSettingAt(std::int32_t start, std::int32_t pressX, std::int32_t x, std::int32_t width) {
  const std::int32_t pressed = pressX < width / 2 ? -1 : 1;
  return clampedSetting(clampedSetting(start) + pressed + stepsOf(x - pressX));
}

std::int32_t lfoSyncFrameRow(std::int32_t setting, std::int32_t frameHeight) {
  return clampedSetting(setting) * frameHeight;
}

}  // namespace sweepfilter
