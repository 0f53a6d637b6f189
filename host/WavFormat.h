#pragma once

#include <cstdint>

namespace sweepfilter {

// The sample encodings this host reads and writes.
enum class SampleFormat { pcm16, pcm24, pcm32, float32 };

struct WavFormat {
  std::uint16_t channels = 2;
  std::uint32_t sampleRate = 44100;
  SampleFormat sampleFormat = SampleFormat::float32;
};

constexpr std::uint16_t bytesPerSample(SampleFormat format) {
  switch (format) {
    case SampleFormat::pcm16:
      return 2;
    case SampleFormat::pcm24:
      return 3;
    case SampleFormat::pcm32:
    case SampleFormat::float32:
      return 4;
  }
  return 0;
}

// Format tags of the fmt chunk.
inline constexpr std::uint16_t wavTagPcm = 1;
inline constexpr std::uint16_t wavTagFloat = 3;
inline constexpr std::uint16_t wavTagExtensible = 0xFFFE;

// The largest RIFF chunk a 32-bit size field can describe.
inline constexpr std::uint64_t wavMaxRiffBytes = 0xFFFFFFFFu;

}  // namespace sweepfilter
