#pragma once

#include <cstdint>
#include <optional>

namespace sweepfilter {

// A control port's value (in the unit the table shows: %, Hz, a setting's
// number) as the normalised value the signal path reads. Any float in, NaN
// and infinities included: a switch always lands on one of its settings, a
// continuous value goes on unchanged in meaning, as the DLL stores it.
float normalisedOf(std::int32_t index, float portValue);

// The port value a person reads for any normalised value, for a panel that
// must send every value its controls produce: a percentage's nearest float
// (normalised × 100), the LFO rate in Hz as the oscillator runs it, a
// switch's setting number (0, 1 or 2). normalisedOf takes a continuous one
// back to within a float's rounding, not always to the same bits.
float portValueForMove(std::int32_t index, float normalised);

// The port value that gives back exactly `normalised`, if one does: for the
// presets and the Turtle. Every switch setting has one; about one continuous
// value in seven has none, and then this answers nothing: a panel sends
// portValueForMove instead.
std::optional<float> portValueOf(std::int32_t index, float normalised);

// The port value that means to the signal path what `normalised` means to the
// DLL: a switch's setting by the DLL's thresholds, a continuous value exactly
// where portValueOf finds one, else the nearest. How a 0-to-1 value (a
// program's, a host tool's) reaches a door that takes port values.
float closestPortValue(std::int32_t index, float normalised);

}  // namespace sweepfilter
