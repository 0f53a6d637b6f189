#pragma once

#include <cstdint>
#include <string>

#include "GuardedSamples.h"
#include "PluginInstance.h"
#include "Signals.h"

namespace sweepfilter {

// One process call made the way the checks make them: a separate replacing
// call starts from NaN outputs (samples it leaves unwritten show), a separate
// accumulating one from zeros; inputs are sealed; afterwards the guards are
// checked, and for a count of 0 or less that no sample changed.
struct BlockRun {
  std::string damage;  // "" when nothing outside the samples was touched
  SampleFacts facts;   // of the outputs

  // "" when undamaged and the outputs are finite, normal and within `bound`.
  std::string problems(float bound) const { return damage.empty() ? facts.problems(bound) : damage; }
};

BlockRun runBlock(const PluginInstance& instance, OutputRule entry, StereoBuffers& buffers, std::int32_t frames);

}  // namespace sweepfilter
