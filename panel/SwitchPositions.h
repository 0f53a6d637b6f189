#pragma once

#include <cstdint>

namespace sweepfilter {

// Horizontal selectors of 2 to 5 positions, one picture frame per position.
// Other position counts show frame 0 and ignore the pointer.
bool hasSwitchPositions(std::int32_t positionCount);

// The frame shown for a value: the number of position bounds the value lies
// above (not-a-number lies above none).
std::int32_t switchFrame(float value, std::int32_t positionCount);

// The value of the position under the pointer, dx pixels right of the
// switch's left edge on a picture pictureWidth wide. Left of the switch
// counts as the first position, right of it as the last.
float switchValueAt(std::int32_t dx, std::int32_t pictureWidth, std::int32_t positionCount);

}  // namespace sweepfilter
