#pragma once

#include "HostProtocol.h"

namespace sweepfilter {

// The least a host can be: it answers the version query with 1, so the effect
// is created, and every other call with 0.
inline HostWord quietHost(PluginDescriptor*, std::int32_t opcode, std::int32_t, HostWord, void*, float) {
  return opcode == hostVersion ? 1 : 0;
}

}  // namespace sweepfilter
