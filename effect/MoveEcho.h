#pragma once

#include <cstdint>

namespace sweepfilter {

// Whether a host's value for a parameter (in the unit people read) is the
// echo of the user's own move: the value a panel's control showing `shown`
// sends. The echo reads back a float's rounding away from the control's
// value, enough to show a slider's next row, so a panel leaves the control
// where the user put it rather than show the echo.
bool isEchoOfMove(std::int32_t index, float shown, double hostValue);

}  // namespace sweepfilter
