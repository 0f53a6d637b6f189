#pragma once

#include <string>

#include "PluginInstance.h"

namespace sweepfilter {

// A fresh instance of the effect under test: the effect linked into the
// program natively, SweepFilter.dll (from the working folder) in the Windows
// build. Empty when it could not be made; then `error`, if given, says why.
PluginInstance instanceUnderTest(std::string* error = nullptr);

}  // namespace sweepfilter
