#pragma once

#include <array>
#include <cstdint>

namespace sweepfilter {

// The effect's parameters, by the index the host uses. The editor's control
// tags are these indices too.
enum ParameterIndex : std::int32_t {
  paramInput = 0,
  paramResonance = 1,
  paramCutoff = 2,
  paramLevelTrack = 3,
  paramLfoRate = 4,
  paramLfoWave = 5,
  paramLfoTrigger = 6,
  paramCutRange = 7,
  paramTrackDest = 8,
  paramSoftHard = 9,
  paramMode = 10,
  paramOutput = 11,
};

inline constexpr std::int32_t numParameters = 12;

// Whether a host's index names a parameter: hosts may pass any index.
constexpr bool isParameter(std::int32_t index) { return index >= 0 && index < numParameters; }

inline constexpr std::int32_t numPrograms = 5;
// Programs are stored in slots of 8; the slots above numPrograms are never reached.
inline constexpr std::int32_t programSlots = 8;

// Three-way settings: first up to 0.33, second up to 0.66, third above, with
// strict "value > threshold" tests against the single-precision constants, so
// that the exact values a switch sends (0.33, 0.66, 1) land in their own
// setting. The texts and the signal path decide with these same functions.
inline constexpr float threeWayLowThreshold = 0.33f;
inline constexpr float threeWayHighThreshold = 0.66f;

constexpr std::int32_t threeWaySetting(float value) {
  return value > threeWayHighThreshold ? 2 : value > threeWayLowThreshold ? 1 : 0;
}

// Two-way settings: the second choice above 0.5.
inline constexpr float twoWayThreshold = 0.5f;

constexpr bool twoWaySetting(float value) { return value > twoWayThreshold; }

// What the three-way settings mean, per parameter.
enum LfoWave : std::int32_t { waveSquare = 0, waveSaw = 1, waveSine = 2 };
enum ModulationTarget : std::int32_t { targetOff = 0, targetCut = 1, targetRes = 2 };
enum CutRange : std::int32_t { rangeLow = 0, rangeMid = 1, rangeHigh = 2 };

// The twelve values of the current program, read once at a block's start.
using ParameterValues = std::array<float, numParameters>;

}  // namespace sweepfilter
