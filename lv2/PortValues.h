#pragma once

#include <cstdint>
#include <optional>

namespace sweepfilter {

// A control port's value (in the unit the table shows: %, Hz, a setting's
// number) as the normalised value the signal path reads. Any float in, NaN
// and infinities included: a switch always lands on one of its settings, a
// continuous value goes on unchanged in meaning, as the DLL stores it.
float normalisedOf(std::int32_t index, float portValue);

// The port value that gives back exactly `normalised`, if one does.
std::optional<float> portValueOf(std::int32_t index, float normalised);

}  // namespace sweepfilter
