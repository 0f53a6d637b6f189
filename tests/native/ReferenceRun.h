#pragma once

#include "GoldenRunner.h"
#include "ReferenceSignalPath.h"
#include "SignalTestSupport.h"

namespace sweepfilter {

// The plain per-sample model runs from 22050 Hz up.
inline bool modelCanRun(const GoldenCase& c) { return c.sampleRate >= 22050.0f; }

// A golden case through anything that takes the twelve values and the rate
// with each block, as the core does: process(values, rate, inputs, outputs, frames).
template <typename Process>
StereoSignal runOnValues(const GoldenCase& c, Process process) {
  float sampleRate = c.sampleRate;
  ParameterValues values = programValues(c.program);
  for (const ParameterOverride& o : c.overrides) values[o.index] = o.value;
  const PluginDoor door{[&](std::int32_t index, float value) { values[index] = value; },
                        [&](std::int32_t program) { values = programValues(program); },
                        [&](float rate) { sampleRate = rate; },
                        [&](float** inputs, float** outputs, std::int32_t frames) {
                          process(values, sampleRate, inputs, outputs, frames);
                        }};
  return runBlocks(c, door);
}

inline StereoSignal referenceOutput(const GoldenCase& c, WindowPolicy policy) {
  ReferenceSignalPath model{policy};
  return runOnValues(c, [&](const ParameterValues& values, float rate, float** in, float** out, std::int32_t n) {
    model.process(values, rate, in, out, n, c.rule);
  });
}

}  // namespace sweepfilter
