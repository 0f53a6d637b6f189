#include "Signals.h"

#include <cfloat>
#include <cmath>

#include "CheckRunner.h"

namespace sweepfilter {

namespace testSignal {
void noise(float* samples, std::int32_t frames, std::mt19937& rng, float amplitude) {
  std::uniform_real_distribution<float> uniform(-amplitude, amplitude);
  for (std::int32_t i = 0; i < frames; ++i) samples[i] = uniform(rng);
}

void square(float* samples, std::int32_t frames, std::int32_t period) {
  for (std::int32_t i = 0; i < frames; ++i) samples[i] = (i % period) < period / 2 ? 1.0f : -1.0f;
}

void constant(float* samples, std::int32_t frames, float value) {
  for (std::int32_t i = 0; i < frames; ++i) samples[i] = value;
}

void impulses(float* samples, std::int32_t frames, std::int32_t spacing) {
  for (std::int32_t i = 0; i < frames; ++i) samples[i] = i % spacing == 0 ? 1.0f : 0.0f;
}

void subnormal(float* samples, std::int32_t frames, std::mt19937& rng) {
  std::uniform_real_distribution<float> uniform(-FLT_MIN, FLT_MIN);
  for (std::int32_t i = 0; i < frames; ++i) samples[i] = uniform(rng);
}
}  // namespace testSignal

void SampleFacts::scan(const float* samples, std::int32_t frames) {
  for (std::int32_t i = 0; i < frames; ++i) {
    const float x = samples[i];
    if (!std::isfinite(x)) {
      ++nonFinite;
      continue;
    }
    if (std::fpclassify(x) == FP_SUBNORMAL) ++subnormal;
    const float magnitude = std::fabs(x);
    if (magnitude > peak) peak = magnitude;
  }
  this->samples += frames > 0 ? frames : 0;
}

std::string SampleFacts::problems(float bound) const {
  if (nonFinite)
    return formatText("%lld of %lld samples not finite", static_cast<long long>(nonFinite),
                      static_cast<long long>(samples));
  if (subnormal)
    return formatText("%lld of %lld samples subnormal", static_cast<long long>(subnormal),
                      static_cast<long long>(samples));
  if (peak > bound) return formatText("peak %.4g above %.4g", static_cast<double>(peak), static_cast<double>(bound));
  return "";
}

}  // namespace sweepfilter
