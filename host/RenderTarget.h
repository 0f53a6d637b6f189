#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "OutputRule.h"
#include "ProgramSettings.h"

namespace sweepfilter {

// What rendering a file asks of a plug-in, whichever interface reaches it.
class RenderTarget {
 public:
  virtual ~RenderTarget() = default;
  virtual std::int32_t inputCount() const = 0;
  virtual std::int32_t outputCount() const = 0;
  virtual std::vector<std::string> parameterNames() const = 0;
  virtual std::int32_t programCount() const = 0;
  // Before the first block: the rate, the largest block, the program (if
  // any), then the values in their order. "" or why it cannot run.
  virtual std::string start(float sampleRate, std::int32_t blockSize, OutputRule rule,
                            std::optional<std::int32_t> program, const std::vector<ResolvedSetting>& settings) = 0;
  virtual void process(OutputRule rule, float** inputs, float** outputs, std::int32_t frames) = 0;
  virtual void stop() = 0;
  // What the output was rendered through, for the report.
  virtual std::string programName() const = 0;
};

}  // namespace sweepfilter
