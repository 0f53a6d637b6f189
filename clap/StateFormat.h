#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "ParameterMapping.h"

namespace sweepfilter {

// The saved state: a tag, a version and the values in the host's units as
// little-endian doubles, in parameter id order: version 2 holds all
// thirteen, version 1 (written before "LFO sync") the first twelve. The
// same settings give the same bytes.
inline constexpr std::size_t stateSize = 4 + 4 + 8 * clapParameterCount;
inline constexpr std::size_t firstStateSize = 4 + 4 + 8 * numParameters;
using StateBytes = std::array<unsigned char, stateSize>;
// The door's thirteen values, "LFO sync" last.
using StateValues = std::array<double, clapParameterCount>;

StateBytes stateBytesOf(const StateValues& values);
// The values in `bytes`, if they are a state of either version whose every
// value is one this door could have saved; "LFO sync" FREE from version 1.
std::optional<StateValues> stateValuesOf(const unsigned char* bytes, std::size_t size);

}  // namespace sweepfilter
