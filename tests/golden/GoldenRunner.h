#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "GoldenCases.h"
#include "PluginInstance.h"

namespace sweepfilter {

// What a front door offers the block loop: the changes a case's automation
// makes between blocks, and the processing of one block.
struct PluginDoor {
  std::function<void(std::int32_t index, float value)> setParameter;
  std::function<void(std::int32_t program)> selectProgram;
  std::function<void(float sampleRate)> setSampleRate;
  std::function<void(float** inputs, float** outputs, std::int32_t frames)> process;
};

// The case's signal through a door that is set up for the case, block by
// block in the case's pattern, automated as the case says.
StereoSignal runBlocks(const GoldenCase& c, const PluginDoor& door);

// Runs a case through a fresh instance's entry functions only, as a host
// would: sample rate, block size, program, values, resume, then the blocks.
StereoSignal runGoldenCase(const PluginInstance& instance, const GoldenCase& c);

// 64-bit FNV-1a over the frames' float bits, left then right, little-endian:
// equal for equal output whatever the block pattern.
std::uint64_t hashFrames(const float* left, const float* right, std::size_t frames);
std::uint64_t hashOutput(const StereoSignal& output);

}  // namespace sweepfilter
