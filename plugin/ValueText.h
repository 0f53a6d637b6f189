#pragma once

#include <cstdint>

namespace sweepfilter {

// Number formatting shared by the effect's value texts. All writers produce a
// zero-terminated text into a caller's buffer.

// Truncates toward zero like a C cast, but defined for every input: NaN gives
// 0 and values beyond the 32-bit range saturate.
std::int32_t truncateToInt32(double value);

// At most 8 characters, sign and decimal point included, always with a point
// ("0.500000", "44100.00", "-2.25000"); " Huge!  " when the integer part does
// not fit; NaN shows as zero.
void formatFloat8(double value, char* text);

// "%7d" cut to 8 characters; " Huge!  " when the number needs more.
void formatInteger8(std::int32_t value, char* text);

}  // namespace sweepfilter
