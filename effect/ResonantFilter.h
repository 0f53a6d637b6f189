#pragma once

#include <cmath>

#include "Parameters.h"

namespace sweepfilter {

// One sample through the two state-variable stages in series, for one channel
// (float) or both side by side (ChannelPair). Returns the new low2, the wet
// signal. No saturation: the control update keeps f and q where the stages are
// stable.
template <typename Value>
Value filterStep(Value& band1, Value& low1, Value& band2, Value& low2, Value f, Value q, Value u) {
  low1 = low1 + f * band1;
  Value high = u - low1 - q * band1;
  band1 = band1 + f * high;
  low2 = low2 + f * band2;
  high = low1 - low2 - q * band2;  // the input of stage 2 is the new low1
  band2 = band2 + f * high;
  return low2;
}

// One channel's four-pole low-pass: two stages that share one frequency
// coefficient and one damping coefficient. Zero coefficients pass nothing, so
// a fresh filter is silent until its first control update.
struct ResonantFilter {
  float freqCoef = 0.0f;
  float damping = 0.0f;
  float band1 = 0.0f;
  float low1 = 0.0f;
  float band2 = 0.0f;
  float low2 = 0.0f;

  float step(float u) { return filterStep(band1, low1, band2, low2, freqCoef, damping, u); }

  // After NaN or infinite input the states restart from silence; NaN
  // coefficients (from NaN parameter values) wait for the next control update.
  void repair() {
    if (!(std::isfinite(band1) && std::isfinite(low1) && std::isfinite(band2) && std::isfinite(low2)))
      band1 = low1 = band2 = low2 = 0.0f;
    if (!(std::isfinite(freqCoef) && std::isfinite(damping))) freqCoef = damping = 0.0f;
  }
};

// What a control update reads that stays the same for a whole block.
struct ControlSettings {
  float cutoff;         // "Cutoff"
  float resonance;      // "Resonance"
  float rangeFreq;      // Hz, from "CUT freq."
  float sampleRate;     // Hz
  float cutoffCeiling;  // Hz, the highest cutoff the stages stay stable at
  ModulationTarget trackDest;
  ModulationTarget lfoTrigger;
};

// What a control update computes.
struct ControlUpdate {
  float cutFactor;
  float resAmount;
  float cutoffHz;
  float freqCoef;
  float damping;
};

// Runs at a channel's window end, with the level and LFO values of that sample.
ControlUpdate controlUpdate(const ControlSettings& settings, float trackLevel, float lfoCutValue, float lfoResValue);

// 2 sin(pi cutoffHz / fs), the quotient in double precision and the sine
// rounded to single precision before doubling.
float frequencyCoefficient(float cutoffHz, float sampleRate);

// "CUT freq.": LOW and MID share the 3000 Hz range, HIGH is 4000 Hz.
float rangeFrequency(CutRange range);

// The stable limit of the cutoff at a sample rate; it binds only below 21429 Hz.
float cutoffCeiling(float sampleRate);

}  // namespace sweepfilter
