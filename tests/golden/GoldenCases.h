#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "GoldenSignals.h"
#include "OutputRule.h"
#include "WindowPolicy.h"

namespace sweepfilter {

// What a case changes between blocks, as a host automating the plug-in would.
enum class Automation {
  none,
  cutoffSteps,     // "Cutoff" in sixteen steps, one per block
  modeChanges,     // "Mode" changed every 24 blocks, twice staying on the same side of 0.5
  programChanges,  // the next program every 32 blocks
  rateChange,      // the sample rate switched to 48000 Hz half-way through
};

struct ParameterOverride {
  std::int32_t index;
  float value;
};

// One rendering whose output bits are pinned down: a signal through a
// program with some values changed, at a sample rate, in a pattern of block
// sizes (repeated until the signal ends).
struct GoldenCase {
  std::string name;
  Signal signal;
  std::int32_t program;
  std::vector<ParameterOverride> overrides = {};
  float sampleRate = 44100.0f;
  std::vector<std::int32_t> blocks = {512};
  OutputRule rule = OutputRule::replace;
  Automation automation = Automation::none;
  std::size_t frames = 1 << 17;
};

const std::vector<GoldenCase>& goldenCases();
const GoldenCase* findGoldenCase(const std::string& name);

// True where every block of the case is a multiple of 512 samples (even, and
// whole windows of either length): there both window policies give the same bits.
bool blocksAreWholeWindows(const GoldenCase& c);

// The committed hash of a case's output through a door with the policy, if
// there is one. The continuous policy has hashes of its own only for cases
// whose blocks are not whole windows.
std::optional<std::uint64_t> expectedHash(const std::string& name, WindowPolicy policy = WindowPolicy::perBlock);

struct NamedHash {
  const char* name;
  std::uint64_t hash;
};
const std::vector<NamedHash>& expectedHashes();

}  // namespace sweepfilter
