#include "SignalPath.h"

namespace {

// Added to every input sample with a sign that alternates backwards from the
// block's last sample (+ there), so that silence keeps the recursive filter
// state away from subnormal numbers.
constexpr float denormalOffset = 1e-7f;
constexpr float lowestInputGain = 0.05f;

// What a block derives from its parameter values, fixed for the whole block.
struct BlockSettings {
  float inputGain;
  float trackGain;
  float outputLevel;
  float dryGain;
  float phaseIncrement;
  std::int32_t windowLength;
  ControlSettings control;
};

struct Buffers {
  const float* in0;
  const float* in1;
  float* out0;
  float* out1;
};

// The sample loop, one instance per output rule, LFO destination and wave so
// that no per-block decision is taken per sample. State lives in locals for
// the block and is written back at its end.
template <OutputRule rule, ModulationTarget trigger, LfoWave wave>
void runBlock(SignalState& state, const BlockSettings& block, const WaveTables& tables, const Buffers& io,
              std::int32_t sampleFrames) {
  const float inputGain = block.inputGain;
  const float trackGain = block.trackGain;
  const float outputLevel = block.outputLevel;
  const float dryGain = block.dryGain;
  const float phaseIncrement = block.phaseIncrement;
  const std::int32_t windowLength = block.windowLength;
  const ControlSettings control = block.control;
  const float* const in0 = io.in0;
  const float* const in1 = io.in1;
  float* const out0 = io.out0;
  float* const out1 = io.out1;

  ChannelState left = state.channels[0];
  ChannelState right = state.channels[1];
  float resAmount = state.resAmount;
  float cutoffHz = state.cutoffHz;

  // Tracker, LFO, at a window end the control update, then the filter.
  const auto stepChannel = [&](ChannelState& channel, float x) {
    const float rectified = rectifiedInput(x, trackGain);
    channel.lfo.step<trigger, wave>(phaseIncrement, tables);
    if (channel.tracker.add(rectified, windowLength)) {
      const ControlUpdate update =
          controlUpdate(control, channel.tracker.trackLevel, channel.lfo.lfoCutValue, channel.lfo.lfoResValue);
      channel.cutFactor = update.cutFactor;
      channel.filter.freqCoef = update.freqCoef;
      channel.filter.damping = update.damping;
      resAmount = update.resAmount;
      cutoffHz = update.cutoffHz;
    }
    return channel.filter.step(x * inputGain);
  };

  float offset = (sampleFrames - 1) % 2 == 0 ? denormalOffset : -denormalOffset;
  for (std::int32_t i = 0; i < sampleFrames; ++i) {
    // Both inputs are read before either output is written: in-place safe.
    const float x0 = in0[i] + offset;
    const float x1 = in1[i] + offset;
    offset = -offset;
    const float wet0 = stepChannel(left, x0);
    const float wet1 = stepChannel(right, x1);
    if constexpr (rule == OutputRule::accumulate) {
      out0[i] += wet0 * outputLevel * 0.25f;
      out1[i] += wet1 * outputLevel * 0.25f;
    } else {
      out0[i] = dryGain * x0 + wet0 * outputLevel / 4.0f;
      out1[i] = dryGain * x1 + wet1 * outputLevel / 4.0f;
    }
  }

  state.channels[0] = left;
  state.channels[1] = right;
  state.resAmount = resAmount;
  state.cutoffHz = cutoffHz;
}

using BlockRunner = void (*)(SignalState&, const BlockSettings&, const WaveTables&, const Buffers&, std::int32_t);

template <OutputRule rule, ModulationTarget trigger>
BlockRunner runnerForWave(LfoWave wave) {
  switch (wave) {
    case waveSquare:
      return runBlock<rule, trigger, waveSquare>;
    case waveSaw:
      return runBlock<rule, trigger, waveSaw>;
    default:
      return runBlock<rule, trigger, waveSine>;
  }
}

template <OutputRule rule>
BlockRunner runnerFor(ModulationTarget trigger, LfoWave wave) {
  switch (trigger) {
    case targetOff:  // a standing LFO makes no value, whatever its wave
      return runBlock<rule, targetOff, waveSquare>;
    case targetCut:
      return runnerForWave<rule, targetCut>(wave);
    default:
      return runnerForWave<rule, targetRes>(wave);
  }
}

bool buffersPresent(float** inputs, float** outputs) {
  return inputs && outputs && inputs[0] && inputs[1] && outputs[0] && outputs[1];
}

// NaN or infinite input or parameter values must not poison a channel for
// good. Finite state is left exactly as it is.
void clearNonFinite(ChannelState& channel) {
  channel.filter.clearNonFinite();
  channel.tracker.clearNonFinite();
  channel.lfo.clearNonFinite();
  if (!std::isfinite(channel.cutFactor)) channel.cutFactor = 0.0f;
}

}  // namespace

SignalPath::SignalPath() : tables(waveTables()) {}

void SignalPath::processBlock(const ParameterValues& values, float sampleRate, float** inputs, float** outputs,
                              std::int32_t sampleFrames, OutputRule rule) {
  SignalState& state = signalState;

  // Block start, in this order.
  const float mode = values[paramMode];
  if (mode != state.lastMode) {
    state.lastMode = mode;
    restartPhases(state.channels[0].lfo, state.channels[1].lfo, mode);
  }
  for (ChannelState& channel : state.channels) channel.tracker.restart();
  state.dryGain = 1.0f - values[paramOutput];
  state.windowLength = windowLengthFor(values[paramSoftHard]);
  const float input = values[paramInput];
  const float inputGain = input < lowestInputGain ? lowestInputGain : input;
  state.rangeFreq = rangeFrequency(static_cast<CutRange>(threeWaySetting(values[paramCutFreq])));
  state.phaseIncrement = lfoPhaseIncrement(values[paramLfoFreq], sampleRate);
  const float trackGain = values[paramLevelTrack] * 3.0f;

  const auto trigger = static_cast<ModulationTarget>(threeWaySetting(values[paramLfoTrigger]));
  const auto wave = static_cast<LfoWave>(threeWaySetting(values[paramLfoWave]));
  const BlockSettings block{inputGain,
                            trackGain,
                            values[paramOutput],
                            state.dryGain,
                            state.phaseIncrement,
                            state.windowLength,
                            {values[paramCutoff], values[paramResonance], state.rangeFreq, sampleRate,
                             cutoffCeiling(sampleRate),
                             static_cast<ModulationTarget>(threeWaySetting(values[paramTrackDest])), trigger}};

  if (sampleFrames > 0 && buffersPresent(inputs, outputs)) {
    const Buffers io{inputs[0], inputs[1], outputs[0], outputs[1]};
    const BlockRunner run = rule == OutputRule::accumulate ? runnerFor<OutputRule::accumulate>(trigger, wave)
                                                           : runnerFor<OutputRule::replace>(trigger, wave);
    run(state, block, tables, io, sampleFrames);
  }

  for (ChannelState& channel : state.channels) clearNonFinite(channel);
}
