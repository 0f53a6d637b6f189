#include "SignalPath.h"

#include <algorithm>
#include <cmath>

#include "ChannelPair.h"

namespace sweepfilter {

namespace {

// Added to every input sample with an alternating sign, so that silence keeps
// the recursive filter state away from subnormal numbers. Where the sign
// starts is the window policy's.
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
  float firstOffset;
  ControlSettings control;
};

struct Buffers {
  const float* in0;
  const float* in1;
  float* out0;
  float* out1;
};

// The state that most samples touch, both channels side by side. At the
// samples that need work per channel (a window's end, a block's last sample)
// it goes back into the channels' own state and is taken up again after.
struct PairState {
  ChannelPair band1, low1, band2, low2, freqCoef, damping, trackSum, lfoPhase;

  static PairState of(const ChannelState& left, const ChannelState& right) {
    return {pairOf(left.filter.band1, right.filter.band1),         pairOf(left.filter.low1, right.filter.low1),
            pairOf(left.filter.band2, right.filter.band2),         pairOf(left.filter.low2, right.filter.low2),
            pairOf(left.filter.freqCoef, right.filter.freqCoef),   pairOf(left.filter.damping, right.filter.damping),
            pairOf(left.tracker.trackSum, right.tracker.trackSum), pairOf(left.lfo.lfoPhase, right.lfo.lfoPhase)};
  }

  void storeTo(ChannelState& channel, std::int32_t lane) const {
    channel.filter.band1 = band1[lane];
    channel.filter.low1 = low1[lane];
    channel.filter.band2 = band2[lane];
    channel.filter.low2 = low2[lane];
    channel.filter.freqCoef = freqCoef[lane];
    channel.filter.damping = damping[lane];
    channel.tracker.trackSum = trackSum[lane];
    channel.lfo.lfoPhase = lfoPhase[lane];
  }
};

// What a sample puts into the output: added to it, or stored in it.
template <OutputRule rule, typename Value>
Value outputOf(Value x, Value wet, float dryGain, float outputLevel) {
  if constexpr (rule == OutputRule::accumulate)
    return wet * outputLevel * 0.25f;
  else
    return dryGain * x + wet * outputLevel * 0.25f;
}

template <OutputRule rule>
void put(float& output, float value) {
  if constexpr (rule == OutputRule::accumulate)
    output += value;
  else
    output = value;
}

// What runBlock keeps in locals for the block. The steps below take it by
// reference and are always inlined, so it stays in registers (steps as
// members of a class holding it ran markedly slower).
struct RunningState {
  ChannelState left, right;
  PairState pair;  // the state most samples touch
  float offset;    // the next sample's
};

// A sample inside a window: both channels at once, no LFO value and no test.
// Both inputs are read before either output is written: in-place safe.
template <OutputRule rule, ModulationTarget trigger>
[[gnu::always_inline]] inline void pairedSample(RunningState& run, const BlockSettings& block, const Buffers& io,
                                                std::int32_t i) {
  PairState& pair = run.pair;
  const ChannelPair x = pairOf(io.in0[i], io.in1[i]) + run.offset;
  run.offset = -run.offset;
  pair.trackSum += rectifiedInput(x, block.trackGain);
  pair.lfoPhase = advancedPhase<trigger>(pair.lfoPhase, block.phaseIncrement);
  const ChannelPair wet =
      filterStep(pair.band1, pair.low1, pair.band2, pair.low2, pair.freqCoef, pair.damping, x * block.inputGain);
  const ChannelPair y = outputOf<rule>(x, wet, block.dryGain, block.outputLevel);
  put<rule>(io.out0[i], y[0]);
  put<rule>(io.out1[i], y[1]);
}

// One channel's sample through its own state: tracker, LFO with its value, at
// a window end the control update, then the filter. Returns the wet signal.
template <ModulationTarget trigger, LfoWave wave>
[[gnu::always_inline]] inline float channelSample(ChannelState& channel, const BlockSettings& block,
                                                  const WaveTables& tables, float x, bool windowEnd) {
  channel.tracker.add(rectifiedInput(x, block.trackGain));
  channel.lfo.step<trigger, wave>(block.phaseIncrement, tables);
  if (windowEnd) {
    channel.tracker.completeWindow(block.windowLength);
    const ControlUpdate update =
        controlUpdate(block.control, channel.tracker.trackLevel, channel.lfo.lfoCutValue, channel.lfo.lfoResValue);
    channel.cutFactor = update.cutFactor;
    channel.filter.freqCoef = update.freqCoef;
    channel.filter.damping = update.damping;
  }
  return channel.filter.step(x * block.inputGain);
}

// The last sample of a window or of the block, through the channels' own
// state; `counted` samples of its window went before.
template <OutputRule rule, ModulationTarget trigger, LfoWave wave>
[[gnu::always_inline]] inline void lastSample(RunningState& run, const BlockSettings& block, const WaveTables& tables,
                                              const Buffers& io, std::int32_t i, std::int32_t counted, bool windowEnd) {
  run.pair.storeTo(run.left, 0);
  run.pair.storeTo(run.right, 1);
  run.left.tracker.trackCount = run.right.tracker.trackCount = counted;
  const float x0 = io.in0[i] + run.offset;
  const float x1 = io.in1[i] + run.offset;
  run.offset = -run.offset;
  const float wet0 = channelSample<trigger, wave>(run.left, block, tables, x0, windowEnd);
  const float wet1 = channelSample<trigger, wave>(run.right, block, tables, x1, windowEnd);
  put<rule>(io.out0[i], outputOf<rule>(x0, wet0, block.dryGain, block.outputLevel));
  put<rule>(io.out1[i], outputOf<rule>(x1, wet1, block.dryGain, block.outputLevel));
  run.pair = PairState::of(run.left, run.right);
}

// The sample loop, one instance per output rule, LFO destination and wave so
// that no per-block decision is taken per sample. Window ends fall at fixed
// samples, so the loop runs window by window: the samples between need no
// LFO value and no test, and run on both channels at once. State, settings
// and buffers live in locals for the block (outputs cannot alias them) and
// the state is written back at its end.
template <OutputRule rule, ModulationTarget trigger, LfoWave wave>
void runBlock(SignalState& state, const BlockSettings& settings, const WaveTables& tables, const Buffers& buffers,
              std::int32_t sampleFrames) {
  const BlockSettings block = settings;
  const Buffers io = buffers;
  const ChannelState& left = state.channels[0];
  const ChannelState& right = state.channels[1];
  RunningState run{left, right, PairState::of(left, right), block.firstOffset};

  // Window by window, the first one going on with what earlier blocks counted
  // (nothing, in the DLL's policy); the block's unfinished last window stays
  // counted in the trackers.
  std::int32_t counted = left.tracker.trackCount;
  for (std::int32_t start = 0; start < sampleFrames;) {
    const std::int32_t length = std::min(block.windowLength - counted, sampleFrames - start);
    const std::int32_t last = start + length - 1;
    for (std::int32_t i = start; i < last; ++i) pairedSample<rule, trigger>(run, block, io, i);
    lastSample<rule, trigger, wave>(run, block, tables, io, last, counted + length - 1,
                                    counted + length == block.windowLength);
    counted = 0;
    start = last + 1;
  }

  // The block's last sample went through the channels' own state.
  state.channels[0] = run.left;
  state.channels[1] = run.right;
  state.nextSampleOdd = run.offset > 0.0f;  // offset is already the next sample's
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

// NaN or infinite input or absurd parameter values must not poison a channel
// for good. Sound state is left exactly as it is.
void repair(ChannelState& channel) {
  channel.filter.repair();
  channel.tracker.repair();
  channel.lfo.repair();
  if (!std::isfinite(channel.cutFactor)) channel.cutFactor = 0.0f;
}

// The offset of a block's first sample: counted back from the block's last
// sample (+ there), or + on the stream's odd samples.
float firstOffset(WindowPolicy policy, const SignalState& state, std::int32_t sampleFrames) {
  const bool positive = policy == WindowPolicy::perBlock ? (sampleFrames - 1) % 2 == 0 : state.nextSampleOdd;
  return positive ? denormalOffset : -denormalOffset;
}

}  // namespace

SignalPath::SignalPath(WindowPolicy policy) : tables(waveTables()), policy(policy) {}

void SignalPath::processBlock(const ParameterValues& values, float sampleRate, float** inputs, float** outputs,
                              std::int32_t sampleFrames, OutputRule rule, LfoSyncInput sync) {
  SignalState& state = signalState;

  // Block start, in this order.
  const float mode = values[paramMode];
  if (mode != state.lastMode) {
    state.lastMode = mode;
    restartPhases(state.channels[0].lfo, state.channels[1].lfo, mode);
  }
  // The host's song, after the restart: a lock wins over it.
  const bool synced = sync.setting > lfoSyncFree && sync.setting < lfoSyncSettingCount;
  if (sync.report) {
    followReport(state.song, *sync.report);
    if (reportLocks(sync.setting, *sync.report))
      lockPhases(state.channels[0].lfo, state.channels[1].lfo, lockedPhase(sync.setting, *sync.report), mode);
  }
  // New windows at every block, or, running on, where the window length
  // changes: the samples of the unfinished window are dropped, as a block's
  // are, so that a window's mean is always over one length.
  const std::int32_t windowLength = windowLengthFor(values[paramSoftHard]);
  if (policy == WindowPolicy::perBlock || windowLength != state.windowLength)
    for (ChannelState& channel : state.channels) channel.tracker.restart();
  state.windowLength = windowLength;
  const float input = values[paramInput];
  const auto trigger = static_cast<ModulationTarget>(threeWaySetting(values[paramLfoTrigger]));
  const auto wave = static_cast<LfoWave>(threeWaySetting(values[paramLfoWave]));
  const BlockSettings block{
      .inputGain = input < lowestInputGain ? lowestInputGain : input,
      .trackGain = values[paramLevelTrack] * 3.0f,
      .outputLevel = values[paramOutput],
      .dryGain = 1.0f - values[paramOutput],
      .phaseIncrement = synced ? syncedPhaseIncrement(sync.setting, state.song, sampleRate)
                               : lfoPhaseIncrement(values[paramLfoRate], sampleRate),
      .windowLength = windowLength,
      .firstOffset = firstOffset(policy, state, sampleFrames),
      .control = {.cutoff = values[paramCutoff],
                  .resonance = values[paramResonance],
                  .rangeFreq = rangeFrequency(static_cast<CutRange>(threeWaySetting(values[paramCutRange]))),
                  .sampleRate = sampleRate,
                  .cutoffCeiling = cutoffCeiling(sampleRate),
                  .trackDest = static_cast<ModulationTarget>(threeWaySetting(values[paramTrackDest])),
                  .lfoTrigger = trigger}};

  if (sampleFrames > 0 && buffersPresent(inputs, outputs)) {
    const Buffers io{inputs[0], inputs[1], outputs[0], outputs[1]};
    const BlockRunner run = rule == OutputRule::accumulate ? runnerFor<OutputRule::accumulate>(trigger, wave)
                                                           : runnerFor<OutputRule::replace>(trigger, wave);
    run(state, block, tables, io, sampleFrames);
  }

  for (ChannelState& channel : state.channels) repair(channel);
}

}  // namespace sweepfilter
