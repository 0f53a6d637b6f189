#include "GoldenSignals.h"

#include <cstdint>

namespace sweepfilter {

namespace {
constexpr float codeScale = 1.0f / 32768.0f;

// Marsaglia's xorshift: a fixed sequence on every platform.
class Noise {
 public:
  std::int32_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<std::int16_t>(state_ >> 16);
  }

 private:
  std::uint32_t state_ = 0x12345678u;
};

// Three saws of 14 bits each (the sum fits 16 bits), gated into notes whose
// level falls linearly over each eighth note of 5512 frames.
class SawChord {
 public:
  explicit SawChord(std::uint32_t phaseOffset) {
    for (std::uint32_t& phase : phases_) phase = phaseOffset, phaseOffset *= 3;
  }
  std::int32_t next(std::size_t frame) {
    std::int32_t sum = 0;
    for (int v = 0; v < 3; ++v) {
      sum += static_cast<std::int32_t>(phases_[v]) >> 18;
      phases_[v] += increments[v];
    }
    const auto position = static_cast<std::int32_t>(frame % noteLength);
    return sum * (noteLength - position) / noteLength;
  }

 private:
  static constexpr std::int32_t noteLength = 5512;
  // About 110, 138.6 and 164.8 Hz at 44100 Hz: an A minor triad.
  static constexpr std::uint32_t increments[3] = {10713070u, 13497495u, 16051101u};
  std::uint32_t phases_[3];
};

constexpr std::size_t impulsePeriod = 3000;
constexpr std::size_t burstPeriod = 8820;
constexpr std::size_t burstLength = 2205;
}  // namespace

StereoSignal generateSignal(Signal signal, std::size_t frames) {
  StereoSignal s{std::vector<float>(frames), std::vector<float>(frames)};
  Noise noise;
  SawChord leftChord(0), rightChord(0x40000000u);
  for (std::size_t i = 0; i < frames; ++i) {
    std::int32_t left = 0, right = 0;
    switch (signal) {
      case Signal::silence:
        break;
      case Signal::noise:
        left = noise.next();
        right = noise.next();
        break;
      case Signal::sawChord:
        left = leftChord.next(i);
        right = rightChord.next(i);
        break;
      case Signal::monoSawChord:
        left = right = leftChord.next(i);
        break;
      case Signal::impulses: {
        const auto click = [](std::size_t n) {
          return n % impulsePeriod != 0 ? 0 : (n / impulsePeriod) % 2 ? -32768 : 32767;
        };
        left = click(i);
        right = i >= impulsePeriod / 2 ? click(i - impulsePeriod / 2) : 0;
        break;
      }
      case Signal::noiseBursts: {
        const auto position = static_cast<std::int32_t>(i % burstPeriod);
        const std::int32_t level = position < static_cast<std::int32_t>(burstLength) ? burstLength - position : 0;
        left = noise.next() * level / static_cast<std::int32_t>(burstLength);
        right = noise.next() * level / static_cast<std::int32_t>(burstLength);
        break;
      }
    }
    s.left[i] = static_cast<float>(left) * codeScale;
    s.right[i] = static_cast<float>(right) * codeScale;
  }
  return s;
}

}  // namespace sweepfilter
