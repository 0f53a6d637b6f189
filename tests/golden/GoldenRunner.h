#pragma once

#include <cstddef>
#include <cstdint>

#include "GoldenCases.h"
#include "PluginDescriptor.h"

// Runs a case through a fresh instance's entry functions only, as a host
// would: sample rate, block size, program, values, resume, then the blocks.
StereoSignal runGoldenCase(PluginDescriptor* d, const GoldenCase& c);

// 64-bit FNV-1a over the frames' float bits, left then right, little-endian:
// equal for equal output whatever the block pattern.
std::uint64_t hashFrames(const float* left, const float* right, std::size_t frames);
std::uint64_t hashOutput(const StereoSignal& output);
