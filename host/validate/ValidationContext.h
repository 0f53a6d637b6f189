#pragma once

#include <windows.h>

#include <cstdint>
#include <random>

#include "PluginLibrary.h"

namespace sweepfilter {

// What every check group gets: the loaded library, the random source (seeded
// from --seed, so a failing run can be repeated) and the run's scope.
struct ValidationContext {
  PluginLibrary& library;
  HMODULE module;  // the plug-in's, for its window-class registrations
  std::uint32_t seed;
  bool quick;
  bool hasEditor;  // descriptor flag bit 1 of a fresh instance
  std::int32_t parameterCount;
  std::int32_t programCount;
  std::mt19937 rng;

  // The size of a loop: `full` normally, `reduced` with --quick.
  int scaled(int full, int reduced) const { return quick ? reduced : full; }
};

}  // namespace sweepfilter
