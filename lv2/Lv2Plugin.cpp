// The LV2 front door: the signal path behind eighteen ports. Only
// lv2_descriptor leaves the shared object. Its windows run on across the
// host's blocks, so the sound is the same at any buffer size; a block is
// split where the host reports its song's position.
#include <lv2/core/lv2.h>

#include <bit>
#include <cmath>
#include <new>
#include <optional>

#include "BundleFacts.h"
#include "FactoryPrograms.h"
#include "PortValues.h"
#include "SignalPath.h"
#include "SongPositions.h"

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
  // "LFO sync" reads FREE unconnected; the song's positions are read only
  // with the host's urid:map.
  const float* lfoSync = &unconnectedSync;
  float unconnectedSync = 0.0f;
  std::optional<SongUrids> songUrids;
  const LV2_Atom_Sequence* song = nullptr;
  SongMeter meter;
  // The last block's port values, by their bits, and what they converted to:
  // a port that did not change is not converted again.
  std::uint32_t portBits[numParameters];
  ParameterValues values;
};

LV2_Handle instantiate(const LV2_Descriptor*, double rate, const char*, const LV2_Feature* const* features) {
  // The signal path divides by the rate: a host's nonsense is refused here.
  const auto sampleRate = static_cast<float>(rate);
  if (!(sampleRate > 0.0f && std::isfinite(sampleRate))) return nullptr;
  auto* instance = new (std::nothrow) Instance{};
  if (!instance) return nullptr;
  instance->sampleRate = sampleRate;
  instance->songUrids = mapSongUrids(features);
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
  else if (port == lfoSyncPort)
    instance->lfoSync = samples ? samples : &instance->unconnectedSync;
  else if (port == songPort)
    instance->song = static_cast<const LV2_Atom_Sequence*>(data);
}

// A fresh stream, as a new instance would make (phases, windows and offset
// from the start): off the audio thread.
void activate(LV2_Handle handle) {
  auto* instance = static_cast<Instance*>(handle);
  instance->signal.emplace(WindowPolicy::continuous);
  instance->meter = {};
}

// The frames from `from` to `to` of the host's block, with the host's report
// at `from` if there is one.
void runPiece(Instance& instance, std::int32_t from, std::int32_t to, LfoSyncInput sync) {
  float* inputs[2];
  float* outputs[2];
  for (int channel = 0; channel < 2; ++channel) {
    inputs[channel] = instance.inputs[channel] ? instance.inputs[channel] + from : nullptr;
    outputs[channel] = instance.outputs[channel] ? instance.outputs[channel] + from : nullptr;
  }
  instance.signal->processBlock(instance.values, instance.sampleRate, inputs, outputs, to - from, OutputRule::replace,
                                sync);
}

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
  const std::int32_t setting = lfoSyncSettingOf(*instance->lfoSync);
  // Each position from its frame on; one stamped before where the block has
  // got to, or past its end, applies there.
  std::int32_t at = 0;
  TransportReport report;
  const TransportReport* reported = nullptr;
  if (instance->songUrids && instance->song) {
    SongPositions positions(*instance->songUrids, instance->song);
    std::int64_t frame = 0;
    TransportReport next;
    while (positions.next(frame, next, instance->meter)) {
      const std::int32_t to = frame > at && frame < frames ? static_cast<std::int32_t>(frame) : at;
      if (to > at || reported) runPiece(*instance, at, to, {setting, reported});
      report = next;
      reported = &report;
      at = to;
    }
  }
  runPiece(*instance, at, frames, {setting, reported});
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
