#pragma once

#include <cstdint>

namespace sweepfilter {

// Names, unit labels and value texts as the host shows them. "???" for an
// index outside the parameters.
const char* parameterName(std::int32_t index);
const char* parameterLabel(std::int32_t index);
void formatParameterValue(std::int32_t index, float value, char* text);

// The longest text formatParameterValue can write, terminator included
// ("   -2147483648" for a huge negative percentage).
inline constexpr int maxParameterTextSize = 15;

}  // namespace sweepfilter
