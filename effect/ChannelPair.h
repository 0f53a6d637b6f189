#pragma once

#include <cmath>
#include <cstdint>

namespace sweepfilter {

// Both channels side by side in one SIMD register: lane 0 left, lane 1 right,
// lanes 2 and 3 idle. Lanes never mix, and each operation is the same IEEE
// single-precision operation as on one channel, so processing the pair gives
// exactly the bits of processing the channels one by one, in about half the
// instructions.
using ChannelPair = float __attribute__((vector_size(16)));
using ChannelPairBits = std::int32_t __attribute__((vector_size(16)));

inline ChannelPair pairOf(float left, float right) { return ChannelPair{left, right, 0.0f, 0.0f}; }

inline float magnitude(float x) { return std::fabs(x); }
inline ChannelPair magnitude(ChannelPair x) {
  return reinterpret_cast<ChannelPair>(reinterpret_cast<ChannelPairBits>(x) & 0x7fffffff);
}

}  // namespace sweepfilter
