#pragma once

#include <bit>
#include <cstdint>
#include <random>
#include <string>

namespace sweepfilter {

// Test signals, written into one channel's samples.
namespace testSignal {
void noise(float* samples, std::int32_t frames, std::mt19937& rng, float amplitude = 1.0f);
// A full-scale square wave: exactly +1 and -1, `period` samples per cycle.
void square(float* samples, std::int32_t frames, std::int32_t period);
void constant(float* samples, std::int32_t frames, float value);
// Full-scale impulses every `spacing` samples, silence between.
void impulses(float* samples, std::int32_t frames, std::int32_t spacing);
// Values between -FLT_MIN and FLT_MIN: subnormal or zero.
void subnormal(float* samples, std::int32_t frames, std::mt19937& rng);
}  // namespace testSignal

// Equal to the bit, NaNs included.
inline bool sameBits(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

// What a stretch of output samples contains.
struct SampleFacts {
  std::int64_t samples = 0;
  std::int64_t nonFinite = 0;
  std::int64_t subnormal = 0;
  float peak = 0.0f;  // of the finite samples

  void scan(const float* samples, std::int32_t frames);
  void scan(float* const* channels, std::int32_t frames) {
    scan(channels[0], frames);
    scan(channels[1], frames);
  }
  bool finite() const { return nonFinite == 0; }
  // "" when every sample is finite, normal (or zero) and at most `bound` in
  // magnitude; else what is wrong.
  std::string problems(float bound) const;
};

// The largest output magnitude a sound plug-in of this kind can give for
// full-scale input (|x| <= 1) with its level parameters at most 1:
// - dry path: (1 - Output) |x| <= 1;
// - wet path: Output / 4 times the input gain (<= 1) times the peak of two
//   resonant state-variable stages in series. For input bounded by 1 the
//   peak of a stage is the sum of the magnitudes of its impulse response;
//   with the damping held at 0.1 or more this sum is 12.7 at ordinary
//   coefficients and 20.4 at the largest stable one (f = 1.54), so two stages
//   give at most 20.4^2 = 416 and the wet path 104.
// 1 + 104, rounded up to leave room for the transients of the coefficient
// steps at control updates.
inline constexpr float fullScaleOutputBound = 110.0f;

}  // namespace sweepfilter
