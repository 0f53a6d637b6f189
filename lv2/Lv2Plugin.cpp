// The LV2 front door: the signal path behind sixteen ports. Only
// lv2_descriptor leaves the shared object. Its windows run on across the
// host's blocks, so the sound is the same at any buffer size.
#include <lv2/core/lv2.h>

#include <bit>
#include <cmath>
#include <new>
#include <optional>

#include "BundleFacts.h"
#include "FactoryPrograms.h"
#include "PortValues.h"
#include "SignalPath.h"

namespace sweepfilter {

namespace {

struct Instance {
  float sampleRate;
  std::optional<SignalPath> signal;
  // Unconnected control ports read the first program's values, unconnected
  // audio ports make run a no-op: nothing is read through a null pointer.
  const float* controls[numParameters];
  float* inputs[2] = {nullptr, nullptr};
  float* outputs[2] = {nullptr, nullptr};
  float unconnected[numParameters];
  // The last block's port values, by their bits, and what they converted to:
  // a port that did not change is not converted again.
  std::uint32_t portBits[numParameters];
  ParameterValues values;
};

LV2_Handle instantiate(const LV2_Descriptor*, double rate, const char*, const LV2_Feature* const*) {
  // The signal path divides by the rate: a host's nonsense is refused here.
  const auto sampleRate = static_cast<float>(rate);
  if (!(sampleRate > 0.0f && std::isfinite(sampleRate))) return nullptr;
  auto* instance = new (std::nothrow) Instance{sampleRate, std::nullopt, {}, {}, {}, {}, {}, {}};
  if (!instance) return nullptr;
  for (std::int32_t index = 0; index < numParameters; ++index) {
    instance->unconnected[index] = *portValueOf(index, factoryPrograms[0].values[index]);
    instance->controls[index] = &instance->unconnected[index];
    instance->portBits[index] = std::bit_cast<std::uint32_t>(instance->unconnected[index]);
    instance->values[index] = factoryPrograms[0].values[index];
  }
  instance->signal.emplace(WindowPolicy::continuous);
  return instance;
}

void connectPort(LV2_Handle handle, std::uint32_t port, void* data) {
  auto* instance = static_cast<Instance*>(handle);
  auto* samples = static_cast<float*>(data);
  if (port < static_cast<std::uint32_t>(numParameters))
    instance->controls[port] = samples ? samples : &instance->unconnected[port];
  else if (port == audioInLeftPort || port == audioInRightPort)
    instance->inputs[port - audioInLeftPort] = samples;
  else if (port == audioOutLeftPort || port == audioOutRightPort)
    instance->outputs[port - audioOutLeftPort] = samples;
}

// A fresh stream, as a new instance would make (phases, windows and offset
// from the start): off the audio thread.
void activate(LV2_Handle handle) { static_cast<Instance*>(handle)->signal.emplace(WindowPolicy::continuous); }

void run(LV2_Handle handle, std::uint32_t sampleCount) {
  auto* instance = static_cast<Instance*>(handle);
  for (std::int32_t index = 0; index < numParameters; ++index) {
    const auto bits = std::bit_cast<std::uint32_t>(*instance->controls[index]);
    if (bits == instance->portBits[index]) continue;
    instance->portBits[index] = bits;
    instance->values[index] = normalisedOf(index, std::bit_cast<float>(bits));
  }
  // The signal path skips the samples when a buffer is missing; a count past
  // its frame type is more than any host buffer holds.
  const auto frames = static_cast<std::int32_t>(sampleCount > 0x7FFFFFFFu ? 0 : sampleCount);
  instance->signal->processBlock(instance->values, instance->sampleRate, instance->inputs, instance->outputs, frames,
                                 OutputRule::replace);
}

void deactivate(LV2_Handle) {}

void cleanup(LV2_Handle handle) { delete static_cast<Instance*>(handle); }

const void* extensionData(const char*) { return nullptr; }

const LV2_Descriptor descriptor = {pluginUri, instantiate, connectPort, activate,
                                   run,       deactivate,  cleanup,     extensionData};

}  // namespace

}  // namespace sweepfilter

extern "C" LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(std::uint32_t index) {
  return index == 0 ? &sweepfilter::descriptor : nullptr;
}
