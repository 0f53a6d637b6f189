#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "PluginInstance.h"
#include "RenderOptions.h"

namespace sweepfilter {

struct RenderProgress {
  std::uint64_t framesDone;
  std::uint64_t framesTotal;
  std::uint32_t sampleRate;
};
using ProgressFunction = std::function<void(const RenderProgress&)>;

// Renders options.input through the plug-in behind `d` into options.output
// (a stereo WAV), driving it through the descriptor only: sample rate and
// block size from the file and the options, then the program and the
// parameter values, then blocks through the replacing (or, with accumulate,
// the accumulating) process entry. Returns "" on success, else a one-line
// reason; the output file then does not exist. The plug-in stays open.
std::string renderFile(const PluginInstance& instance, const RenderOptions& options, const ProgressFunction& progress);

}  // namespace sweepfilter
