#pragma once

#include <cstdint>
#include <vector>

#include "HostProtocol.h"

namespace sweepfilter {

// A host callback that answers the version query and records every call.
struct HostCall {
  PluginDescriptor* descriptor;
  std::int32_t opcode;
  std::int32_t index;
  HostWord value;
  void* ptr;
  float opt;
};

inline std::vector<HostCall> hostCalls;
inline HostWord hostVersionAnswer = 2400;

inline HostWord recordingHost(PluginDescriptor* d, std::int32_t opcode, std::int32_t index, HostWord value, void* ptr,
                              float opt) {
  hostCalls.push_back({d, opcode, index, value, ptr, opt});
  return opcode == hostVersion ? hostVersionAnswer : 0;
}

}  // namespace sweepfilter
