#pragma once

#include <cstdint>

namespace sweepfilter {

// The two-state button: clamped into 0..1 when drawn, lit for any value but 0
// (not-a-number shows unlit).
float onOffShown(float value);
std::int32_t onOffFrame(float shown);
// What a press turns it to: 1 from 0, and 0 from anything else (even a value
// set from outside).
float onOffFlipped(float start);
// While held: the flipped state with the pointer on the button, the start
// state off it.
inline float onOffWhileHeld(float start, bool pointerOnButton) { return pointerOnButton ? onOffFlipped(start) : start; }

}  // namespace sweepfilter
