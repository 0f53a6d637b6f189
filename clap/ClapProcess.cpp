// The audio thread's work: the block between parameter events, each event
// from its own sample on.
#include <algorithm>

#include "ClapInstance.h"
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

void runFrames(ClapInstance& instance, Channels in, Channels out, std::uint32_t from, std::uint32_t to) {
  const auto frames = static_cast<std::int32_t>(to - from);
  if (!out.left) {
    // Nothing to write: the signal state still moves on as in any block.
    instance.signal->processBlock(instance.audioValues, instance.sampleRate, nullptr, nullptr, frames,
                                  OutputRule::replace, {instance.audioSync, nullptr});
    return;
  }
  float* inputs[2] = {in.left + from, in.right + from};
  float* outputs[2] = {out.left + from, out.right + from};
  instance.signal->processBlock(instance.audioValues, instance.sampleRate, inputs, outputs, frames, OutputRule::replace,
                                {instance.audioSync, nullptr});
}

// The audio side's copy of one value.
void takeAudioValue(ClapInstance& instance, std::int32_t index, double value) {
  instance.audioSet[index] = value;
  if (index == lfoSyncId)
    instance.audioSync = lfoSyncSettingOf(value);
  else
    instance.audioValues[index] = normalisedOfValue(index, value);
}

}  // namespace

bool applyParameterEvent(ClapInstance& instance, const clap_event_header& event) {
  if (event.space_id != CLAP_CORE_EVENT_SPACE_ID || event.type != CLAP_EVENT_PARAM_VALUE ||
      event.size < sizeof(clap_event_param_value))
    return false;
  const auto& change = reinterpret_cast<const clap_event_param_value&>(event);
  if (!isParameterId(change.param_id)) return false;
  const auto index = static_cast<std::int32_t>(change.param_id);
  const auto value = acceptedValue(index, change.value);
  if (!value) return false;
  instance.values.set(index, *value);
  takeAudioValue(instance, index, *value);
  return true;
}

std::int32_t processBlock(ClapInstance& instance, const clap_process& process) {
  instance.panelEvents.sendTo(process.out_events);
  StateValues taken;
  if (instance.values.takeChanges(taken))
    for (std::int32_t index = 0; index < clapParameterCount; ++index) takeAudioValue(instance, index, taken[index]);
  const Channels out = channelsOf(process.audio_outputs, process.audio_outputs_count);
  Channels in = channelsOf(process.audio_inputs, process.audio_inputs_count);
  const std::uint32_t frames = process.frames_count;
  if (out.left && !in.left) {
    // A missing input is silence.
    std::fill_n(out.left, frames, 0.0f);
    std::fill_n(out.right, frames, 0.0f);
    in = out;
  }
  const clap_input_events* events = process.in_events;
  const std::uint32_t count = events && events->size && events->get ? events->size(events) : 0;
  std::uint32_t done = 0;
  for (std::uint32_t e = 0; e < count; ++e) {
    const clap_event_header* event = events->get(events, e);
    if (!event) continue;
    // Late or out-of-order events apply from where the block has got to.
    const std::uint32_t at = std::clamp(event->time, done, frames);
    if (at > done && event->space_id == CLAP_CORE_EVENT_SPACE_ID && event->type == CLAP_EVENT_PARAM_VALUE) {
      runFrames(instance, in, out, done, at);
      done = at;
    }
    applyParameterEvent(instance, *event);
  }
  if (frames > done || frames == 0) runFrames(instance, in, out, done, frames);
  return CLAP_PROCESS_CONTINUE;
}

}  // namespace sweepfilter
