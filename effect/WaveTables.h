#pragma once

#include <cstdint>

namespace sweepfilter {

// One LFO cycle in tenths of a degree (entries 0 to 3600) and seven more
// entries that repeat the last one, for reads just past the cycle's end.
inline constexpr std::int32_t waveCycleEntries = 3600;
inline constexpr std::int32_t waveTableSize = 3608;

struct WaveTables {
  float rampTable[waveTableSize];  // 2 - k/1800: falls from 2 to 0
  float sineTable[waveTableSize];  // 1 + sin(k/10 degrees): 0 to 2
};

// Built on the first call (thread-safe) and constant afterwards. Call it once
// away from the audio thread, e.g. when an effect is constructed.
const WaveTables& waveTables();

}  // namespace sweepfilter
