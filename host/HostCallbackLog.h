#pragma once

#include <cstdint>
#include <vector>

#include "PluginDescriptor.h"

namespace sweepfilter {

// A parameter change the plug-in reported through the callback (opcode 0).
struct ReportedChange {
  PluginDescriptor* descriptor;
  std::int32_t index;
  float value;
};

// The host side of the callback: answers the version query and records every
// parameter change a plug-in reports. Safe to call from any thread.
class HostCallbackLog {
 public:
  static HostWord callback(PluginDescriptor* descriptor, std::int32_t opcode, std::int32_t index, HostWord value,
                           void* ptr, float opt);
  static std::vector<ReportedChange> takeChanges();
  static std::int32_t versionAnswer;  // what opcode 1 answers
};

}  // namespace sweepfilter
