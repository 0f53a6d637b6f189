#pragma once

#include <cstdint>

#include "LevelTracker.h"
#include "Lfo.h"
#include "LfoSync.h"
#include "OutputRule.h"
#include "Parameters.h"
#include "ResonantFilter.h"
#include "WaveTables.h"
#include "WindowPolicy.h"

namespace sweepfilter {

// Everything one channel carries from block to block.
struct ChannelState {
  ResonantFilter filter;
  LevelTracker tracker;
  Lfo lfo;
  // The cut factor of the channel's last control update, written for the
  // tests only (the sound needs just the coefficients): it shows where that
  // update found the LFO and the tracker.
  float cutFactor = 0.0f;
};

// The whole signal state, all zero when an effect is made.
struct SignalState {
  ChannelState channels[2];  // 0 left, 1 right
  float lastMode = 0.0f;
  std::int32_t windowLength = 0;  // of the last block
  bool nextSampleOdd = false;     // the stream's next sample, counted from 0
  SongState song;                 // tempo and meter, for a synced LFO
};

// The stereo signal path: level trackers, LFOs, control updates and filters.
// processBlock runs on the audio thread only: no allocation, no lock, and the
// sine only at control updates.
class SignalPath {
 public:
  // Builds the wave tables on first use: off the audio thread.
  explicit SignalPath(WindowPolicy policy);

  // One block. The sample rate must be positive and finite. With null
  // buffers the block-start steps still run and no sample is processed.
  // `sync` (the doors' "LFO sync" and the host's report at the block's first
  // frame) is FREE for the DLL: the oscillator runs at "LFO freq.".
  void processBlock(const ParameterValues& values, float sampleRate, float** inputs, float** outputs,
                    std::int32_t sampleFrames, OutputRule rule, LfoSyncInput sync = {});

  const SignalState& state() const { return signalState; }

 private:
  const WaveTables& tables;
  WindowPolicy policy;
  SignalState signalState;
};

}  // namespace sweepfilter
