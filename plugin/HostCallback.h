#pragma once

#include <cstdint>

struct PluginDescriptor;

// Integers that cross the host boundary at pointer width: 32 bits in the
// 32-bit build, 64 bits in a 64-bit one.
using HostWord = std::intptr_t;

// The host's function: (descriptor, opcode, index, value, ptr, opt) -> answer.
// Plain C calling convention: arguments pushed last to first, caller cleans up.
using HostCallback = HostWord (*)(PluginDescriptor* descriptor, std::int32_t opcode, std::int32_t index, HostWord value,
                                  void* ptr, float opt);

// Requests this plug-in sends to the host.
enum HostOpcode : std::int32_t {
  hostParameterChanged = 0,  // index = parameter, opt = new value
  hostVersion = 1,           // answer 0 means "no host": nothing is created
  hostWord = 2,
  hostPing = 3,
  hostPinConnected = 4,  // index = pin, value 0 input / 1 output; answer 0 = connected
};
