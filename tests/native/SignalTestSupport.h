#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "FactoryPrograms.h"
#include "SignalPath.h"

namespace sweepfilter {

inline ParameterValues programValues(std::int32_t program) {
  ParameterValues values;
  for (std::int32_t i = 0; i < numParameters; ++i) values[i] = factoryPrograms[program].values[i];
  return values;
}

// Full-scale white noise, the same for the same seed.
inline std::vector<float> noise(std::size_t length, std::uint32_t seed) {
  std::mt19937 generator(seed);
  std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
  std::vector<float> samples(length);
  for (float& sample : samples) sample = uniform(generator);
  return samples;
}

// Two channels of samples and the pointer array the process calls take.
struct Stereo {
  std::vector<float> left, right;
  float* channels[2];

  Stereo(std::vector<float> l, std::vector<float> r) : left(std::move(l)), right(std::move(r)) {
    channels[0] = left.data();
    channels[1] = right.data();
  }
  explicit Stereo(std::size_t length, float value = 0.0f)
      : Stereo(std::vector<float>(length, value), std::vector<float>(length, value)) {}
  Stereo(const Stereo& other) : Stereo(other.left, other.right) {}
  Stereo& operator=(const Stereo&) = delete;
  std::int32_t length() const { return static_cast<std::int32_t>(left.size()); }
};

// Runs one block through a signal path with replacing output and returns the output.
inline Stereo replaceBlock(SignalPath& path, const ParameterValues& values, float sampleRate, Stereo input) {
  Stereo output(input.left.size());
  path.processBlock(values, sampleRate, input.channels, output.channels, input.length(), OutputRule::replace);
  return output;
}

}  // namespace sweepfilter
