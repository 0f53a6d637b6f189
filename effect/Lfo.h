#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "LfoRate.h"
#include "Parameters.h"
#include "WaveTables.h"

namespace sweepfilter {

// Degrees per sample for "LFO freq.", at the rate the parameter's text shows.
inline float lfoPhaseIncrement(float lfoRate, float sampleRate) { return (360.0f / sampleRate) * lfoRateHz(lfoRate); }

// Table position of a phase: tenths of a degree, truncated. Kept inside the
// tables for any phase: a negative "LFO freq." drives the phase below zero,
// odd sample rates can make it huge or NaN, and the resonance saw reads past
// the cycle's end by ten increments. In-range positions are left as they are.
inline std::int32_t tableIndex(float phase) {
  const float lastEntry = static_cast<float>(waveTableSize - 1);
  return static_cast<std::int32_t>(std::min(std::max(0.0f, phase * 10.0f), lastEntry));
}

// The phase brought back below 360, once, for one channel or both side by side.
template <typename Value>
Value wrappedPhase(Value phase) {
  return phase >= 360.0f ? phase - 360.0f : phase;
}

// The phase after one step. A standing LFO (OFF) keeps its phase.
template <ModulationTarget trigger, typename Value>
Value advancedPhase(Value phase, float phaseIncrement) {
  if constexpr (trigger == targetOff)
    return phase;
  else
    return wrappedPhase(phase) + phaseIncrement;
}

// One channel's oscillator, stepped once per sample. A control update reads
// the value made in its own sample, so only the samples of control updates and
// a block's last sample need step(); the others need only advancedPhase.
struct Lfo {
  float lfoPhase = 0.0f;     // degrees, brought back below 360 before each read
  float lfoCutValue = 0.0f;  // 0 to 2
  float lfoResValue = 0.0f;  // -1 to 1

  template <ModulationTarget trigger, LfoWave wave>
  void step(float phaseIncrement, const WaveTables& tables) {
    if constexpr (trigger != targetOff) {
      const float phase = wrappedPhase(lfoPhase);
      const std::int32_t k = tableIndex(phase);
      lfoPhase = phase + phaseIncrement;
      if constexpr (trigger == targetCut) {
        lfoCutValue = wave == waveSaw ? tables.rampTable[k] : fromSine<wave>(tables.sineTable[k]);
      } else {
        // The resonance saw is read at the advanced phase, one increment later.
        const float value = wave == waveSaw ? tables.rampTable[tableIndex(lfoPhase)] / 2.0f + 1.0f
                                            : fromSine<wave>(tables.sineTable[k]);
        lfoResValue = value - 1.0f;
      }
    }
  }

  // State that stepping would never leave: a NaN or infinite phase or value
  // starts again from zero, and a phase driven out of the first two cycles
  // (only absurd "LFO freq." values or sample rates do that) comes back into
  // the cycle. Stepping from a valid phase always stays below 720.
  void repair() {
    if (!std::isfinite(lfoPhase)) {
      lfoPhase = 0.0f;
    } else if (lfoPhase < 0.0f || lfoPhase >= 720.0f) {
      lfoPhase = std::fmod(lfoPhase, 360.0f);
      if (lfoPhase < 0.0f) lfoPhase += 360.0f;
    }
    if (!std::isfinite(lfoCutValue)) lfoCutValue = 0.0f;
    if (!std::isfinite(lfoResValue)) lfoResValue = 0.0f;
  }

 private:
  // The square is high where the sine is at or above its middle: 0 to 180 degrees.
  template <LfoWave wave>
  static float fromSine(float sine) {
    if constexpr (wave == waveSquare) return sine >= 1.0f ? 2.0f : 1.0f;
    return sine;
  }
};

// A change of "Mode" restarts both oscillators: in step (MONO), or with the
// right one a quarter cycle ahead (STEREO).
inline void restartPhases(Lfo& left, Lfo& right, float mode) {
  left.lfoPhase = 0.0f;
  right.lfoPhase = twoWaySetting(mode) ? 90.0f : 0.0f;
}

// A lock to the host's song puts the left oscillator at `phase` and the right
// one where a restart would keep it: a quarter cycle ahead in STEREO.
inline void lockPhases(Lfo& left, Lfo& right, float phase, float mode) {
  left.lfoPhase = phase;
  if (!twoWaySetting(mode)) {
    right.lfoPhase = phase;
    return;
  }
  const float ahead = phase + 90.0f;
  right.lfoPhase = ahead >= 360.0f ? ahead - 360.0f : ahead;
}

}  // namespace sweepfilter
