#pragma once

#include <cstdint>

#include "Parameters.h"

enum class OutputRule { accumulate, replace };

// The stereo signal path: level trackers, LFOs, control updates and filters.
// Runs on the audio thread only.
class SignalPath {
 public:
  void processBlock(const ParameterValues& values, float sampleRate, float** inputs, float** outputs,
                    std::int32_t sampleFrames, OutputRule rule);
};
