#pragma once

#include <cstdint>

namespace sweepfilter {

// The "LFO sync" display's pointer: a press on its left half steps one
// setting down, on its right half one up; held, each lfoSyncDragStep pixels
// sideways from the press step on by one more. Settings stop at FREE and at
// the last; a display `width` pixels wide.
inline constexpr std::int32_t lfoSyncDragStep = 8;
std::int32_t lfoSyncSettingAt(std::int32_t start, std::int32_t pressX, std::int32_t x, std::int32_t width);

// The first row of a setting's frame in the display's strip; a setting out of
// range shows the nearest one.
std::int32_t lfoSyncFrameRow(std::int32_t setting, std::int32_t frameHeight);

}  // namespace sweepfilter
