#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "HostProtocol.h"

namespace sweepfilter {

// The record handed to the host by main(). Its layout is the contract with
// every host: 144 bytes in the 32-bit build. Pointers and pointer-sized words
// widen to 8 bytes in a 64-bit build, at natural alignment, keeping the order.
struct PluginDescriptor {
  using DispatchFunction = HostWord (*)(PluginDescriptor*, std::int32_t opcode, std::int32_t index, HostWord value,
                                        void* ptr, float opt);
  using ProcessFunction = void (*)(PluginDescriptor*, float** inputs, float** outputs, std::int32_t sampleFrames);
  using SetParameterFunction = void (*)(PluginDescriptor*, std::int32_t index, float value);
  using GetParameterFunction = float (*)(PluginDescriptor*, std::int32_t index);

  std::int32_t magic;
  DispatchFunction dispatchEntry;
  ProcessFunction processAccumulateEntry;
  SetParameterFunction setParameterEntry;
  GetParameterFunction getParameterEntry;
  std::int32_t programCount;
  std::int32_t parameterCount;
  std::int32_t inputCount;
  std::int32_t outputCount;
  std::int32_t flags;
  std::intptr_t reserved1;
  std::intptr_t reserved2;
  std::int32_t hostWordA;
  std::int32_t hostWordB;
  std::int32_t hostWordC;
  float hostFloat;
  void* effectObject;
  std::intptr_t userWord;
  std::int32_t effectId;
  std::int32_t effectVersion;
  ProcessFunction processReplaceEntry;
  std::intptr_t reservedSlot;
  std::uint8_t reservedBytes[56];
};

static_assert(std::is_standard_layout_v<PluginDescriptor>);
#if INTPTR_MAX == INT32_MAX
static_assert(sizeof(PluginDescriptor) == 144);
static_assert(offsetof(PluginDescriptor, dispatchEntry) == 4);
static_assert(offsetof(PluginDescriptor, programCount) == 20);
static_assert(offsetof(PluginDescriptor, flags) == 36);
static_assert(offsetof(PluginDescriptor, reserved1) == 40);
static_assert(offsetof(PluginDescriptor, hostWordA) == 48);
static_assert(offsetof(PluginDescriptor, hostFloat) == 60);
static_assert(offsetof(PluginDescriptor, effectObject) == 64);
static_assert(offsetof(PluginDescriptor, userWord) == 68);
static_assert(offsetof(PluginDescriptor, effectId) == 72);
static_assert(offsetof(PluginDescriptor, effectVersion) == 76);
static_assert(offsetof(PluginDescriptor, processReplaceEntry) == 80);
static_assert(offsetof(PluginDescriptor, reservedSlot) == 84);
#else
static_assert(sizeof(PluginDescriptor) == 192);
static_assert(offsetof(PluginDescriptor, dispatchEntry) == 8);
static_assert(offsetof(PluginDescriptor, programCount) == 40);
static_assert(offsetof(PluginDescriptor, flags) == 56);
static_assert(offsetof(PluginDescriptor, reserved1) == 64);
static_assert(offsetof(PluginDescriptor, hostWordA) == 80);
static_assert(offsetof(PluginDescriptor, hostFloat) == 92);
static_assert(offsetof(PluginDescriptor, effectObject) == 96);
static_assert(offsetof(PluginDescriptor, userWord) == 104);
static_assert(offsetof(PluginDescriptor, effectId) == 112);
static_assert(offsetof(PluginDescriptor, effectVersion) == 116);
static_assert(offsetof(PluginDescriptor, processReplaceEntry) == 120);
static_assert(offsetof(PluginDescriptor, reservedSlot) == 128);
#endif

}  // namespace sweepfilter
