#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "PluginInstance.h"
#include "RenderOptions.h"
#include "RenderTarget.h"

namespace sweepfilter {

struct RenderProgress {
  std::uint64_t framesDone;
  std::uint64_t framesTotal;
  std::uint32_t sampleRate;
};
using ProgressFunction = std::function<void(const RenderProgress&)>;

// The DLL's entry functions, as its descriptor offers them.
class DllRenderTarget : public RenderTarget {
 public:
  explicit DllRenderTarget(const PluginInstance& instance) : instance(instance) {}
  std::int32_t inputCount() const override { return instance.descriptor()->inputCount; }
  std::int32_t outputCount() const override { return instance.descriptor()->outputCount; }
  std::vector<std::string> parameterNames() const override { return sweepfilter::parameterNames(instance); }
  std::int32_t programCount() const override { return instance.descriptor()->programCount; }
  std::string start(float sampleRate, std::int32_t blockSize, OutputRule rule, std::optional<std::int32_t> program,
                    const std::vector<ResolvedSetting>& settings) override;
  void process(OutputRule rule, float** inputs, float** outputs, std::int32_t frames) override {
    instance.process(rule, inputs, outputs, frames);
  }
  void stop() override { instance.suspend(); }
  std::string programName() const override { return instance.programName(); }

 private:
  const PluginInstance& instance;
};

// Renders options.input through the plug-in behind `d` into options.output
// (a stereo WAV), driving it through the descriptor only: sample rate and
// block size from the file and the options, then the program and the
// parameter values, then blocks through the replacing (or, with accumulate,
// the accumulating) process entry. Returns "" on success, else a one-line
// reason; the output file then does not exist. The plug-in stays open.
std::string renderFile(const PluginInstance& instance, const RenderOptions& options, const ProgressFunction& progress);
// The same through any plug-in interface.
std::string renderFile(RenderTarget& target, const RenderOptions& options, const ProgressFunction& progress);

}  // namespace sweepfilter
