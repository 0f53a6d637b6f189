// The audio thread's work: the block between parameter and transport events,
// each event from its own sample on.
#include <algorithm>

#include "ClapInstance.h"
#include "HostTransport.h"
#include "ParameterMapping.h"

namespace sweepfilter {

namespace {
struct Channels {
  float* left;
  float* right;
};

// A port's 32-bit stereo pair, or nulls when the host gives less.
Channels channelsOf(const clap_audio_buffer* buffers, std::uint32_t count) {
  if (count == 0 || !buffers || !buffers[0].data32 || buffers[0].channel_count < 2) return {nullptr, nullptr};
  float** data = buffers[0].data32;
  if (!data[0] || !data[1]) return {nullptr, nullptr};
  return {data[0], data[1]};
}

// `report`: the host's transport at `from`, or null.
void runFrames(ClapInstance& instance, Channels in, Channels out, std::uint32_t from, std::uint32_t to,
               const TransportReport* report) {
  const auto frames = static_cast<std::int32_t>(to - from);
  const AudioValues& values = instance.audioValues;
  const LfoSyncInput sync{values.lfoSync(), report};
  if (!out.left) {
    // Nothing to write: the signal state still moves on as in any block.
    instance.signal->processBlock(values.normalised(), instance.sampleRate, nullptr, nullptr, frames,
                                  OutputRule::replace, sync);
    return;
  }
  float* inputs[2] = {in.left + from, in.right + from};
  float* outputs[2] = {out.left + from, out.right + from};
  instance.signal->processBlock(values.normalised(), instance.sampleRate, inputs, outputs, frames, OutputRule::replace,
                                sync);
}

bool isCore(const clap_event_header& event, std::uint16_t type, std::size_t size) {
  return event.space_id == CLAP_CORE_EVENT_SPACE_ID && event.type == type && event.size >= size;
}

bool isTransport(const clap_event_header& event) {
  return isCore(event, CLAP_EVENT_TRANSPORT, sizeof(clap_event_transport));
}

// What may change the sound from its frame on: the block is split there.
bool splitsBlock(const clap_event_header& event) {
  return isTransport(event) || isCore(event, CLAP_EVENT_PARAM_VALUE, sizeof(clap_event_param_value)) ||
         isCore(event, CLAP_EVENT_PARAM_MOD, sizeof(clap_event_param_mod));
}

}  // namespace

bool applyParameterEvent(ClapInstance& instance, const clap_event_header& event) {
  if (isCore(event, CLAP_EVENT_PARAM_MOD, sizeof(clap_event_param_mod))) {
    const auto& modulation = reinterpret_cast<const clap_event_param_mod&>(event);
    return isParameterId(modulation.param_id) &&
           instance.audioValues.modulate(static_cast<std::int32_t>(modulation.param_id), modulation.amount);
  }
  if (!isCore(event, CLAP_EVENT_PARAM_VALUE, sizeof(clap_event_param_value))) return false;
  const auto& change = reinterpret_cast<const clap_event_param_value&>(event);
  if (!isParameterId(change.param_id)) return false;
  const auto index = static_cast<std::int32_t>(change.param_id);
  const auto value = acceptedValue(index, change.value);
  if (!value) return false;
  instance.values.set(index, *value);
  instance.audioValues.set(index, *value);
  return true;
}

std::int32_t processBlock(ClapInstance& instance, const clap_process& process) {
  instance.panelEvents.sendTo(process.out_events);
  StateValues taken;
  if (instance.values.takeChanges(taken))
    for (std::int32_t index = 0; index < clapParameterCount; ++index) instance.audioValues.set(index, taken[index]);
  const Channels out = channelsOf(process.audio_outputs, process.audio_outputs_count);
  Channels in = channelsOf(process.audio_inputs, process.audio_inputs_count);
  const std::uint32_t frames = process.frames_count;
  if (out.left && !in.left) {
    // A missing input is silence.
    std::fill_n(out.left, frames, 0.0f);
    std::fill_n(out.right, frames, 0.0f);
    in = out;
  }
  // The report the next piece of the block starts with.
  TransportReport report;
  bool reported = process.transport != nullptr;
  if (reported) report = reportOfTransport(*process.transport);
  const clap_input_events* events = process.in_events;
  const std::uint32_t count = events && events->size && events->get ? events->size(events) : 0;
  std::uint32_t done = 0;
  for (std::uint32_t e = 0; e < count; ++e) {
    const clap_event_header* event = events->get(events, e);
    if (!event) continue;
    // Late or out-of-order events apply from where the block has got to.
    const std::uint32_t at = std::clamp(event->time, done, frames);
    if (at > done && splitsBlock(*event)) {
      runFrames(instance, in, out, done, at, reported ? &report : nullptr);
      done = at;
      reported = false;
    }
    if (isTransport(*event)) {
      report = reportOfTransport(reinterpret_cast<const clap_event_transport&>(*event));
      reported = true;
    } else {
      applyParameterEvent(instance, *event);
    }
  }
  if (frames > done || frames == 0) runFrames(instance, in, out, done, frames, reported ? &report : nullptr);
  return CLAP_PROCESS_CONTINUE;
}

}  // namespace sweepfilter
