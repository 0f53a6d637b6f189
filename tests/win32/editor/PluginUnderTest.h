#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "Parameters.h"
#include "PluginInstance.h"

namespace sweepfilter {

// The factory program whose mode is stereo: the panel's lamp is lit.
inline constexpr std::int32_t stereoProgram = 4;

// A parameter change an instance reported to the host (callback opcode 0).
struct Report {
  std::int32_t index;
  float value;
  bool operator==(const Report&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Report& report);

// A fresh instance of the DLL's effect, made through its main as a host does.
PluginInstance pluginUnderTest();
// All its parameter values, read through the descriptor.
ParameterValues values(const PluginInstance& instance);
// The changes the instance reported since the last call, in order.
std::vector<Report> takeReports(const PluginInstance& instance);

}  // namespace sweepfilter
