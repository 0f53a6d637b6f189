#pragma once

#include <cmath>
#include <cstdint>

#include "OutputRule.h"
#include "LfoSync.h"
#include "Parameters.h"
#include "WaveTables.h"
#include "WindowPolicy.h"

namespace sweepfilter {

// The signal path written out literally, unoptimised: one sample at a time,
// channel 0 then channel 1, every setting decided where it is used. Without
// the mends for odd rates and non-finite values, so it serves only for finite
// input at rates from 22050 Hz up, where the optimised path must match it bit
// for bit. With the continuous policy the windows and the offset's sign
// follow the sample's place in the stream instead of in the block.
struct ReferenceSignalPath {
  WindowPolicy policy = WindowPolicy::perBlock;
  std::int64_t streamPosition = 0;
  std::int32_t lastWindowLength = 0;
  float freqCoef[2] = {}, damping[2] = {}, band1[2] = {}, low1[2] = {}, band2[2] = {}, low2[2] = {};
  float trackSum[2] = {}, cutFactor[2] = {}, lfoResValue[2] = {}, lfoCutValue[2] = {}, trackLevel[2] = {};
  float lfoPhase[2] = {}, lastMode = 0;
  std::int32_t trackCount[2] = {};
  double tempo = 120, beatsPerBar = 4, beatUnit = 4;

  // "LFO sync": each setting's cycle in quarter notes, or in bars (negative).
  static double syncLength(std::int32_t sync) {
    constexpr double lengths[] = {0, 0.125, 1.0 / 6, 0.25, 0.375, 1.0 / 3, 0.5, 0.75, 2.0 / 3,
                                  1, 1.5,   4.0 / 3, 2,    3,     -1,      -2,  -4,   -8};
    return lengths[sync];
  }

  // The host's report at the block's first frame, after the "Mode" restart.
  void follow(const TransportReport& r, std::int32_t sync, float mode) {
    const bool tempoOk = r.tempo > 0 && r.tempo <= 1000;
    if (tempoOk) tempo = r.tempo;
    if (r.beatsPerBar >= 1 && r.beatsPerBar <= 1024 && r.beatUnit >= 1 && r.beatUnit <= 1024) {
      beatsPerBar = r.beatsPerBar;
      beatUnit = r.beatUnit;
    }
    if (sync == 0 || !r.playing || !tempoOk) return;
    const double length = syncLength(sync);
    double x;
    if (length > 0) {
      if (!(r.quarterNotes > -4294967296.0 && r.quarterNotes < 4294967296.0)) return;
      x = r.quarterNotes / length;
    } else {
      if (!(r.bar >= -2147483648.0 && r.bar <= 2147483647.0 && r.barFraction >= 0 && r.barFraction <= 1)) return;
      x = (r.bar + r.barFraction) / -length;
    }
    lfoPhase[0] = static_cast<float>(360.0 * (x - std::floor(x)));
    lfoPhase[1] = lfoPhase[0];
    if (mode > 0.5f) {
      lfoPhase[1] = lfoPhase[0] + 90.0f;
      if (lfoPhase[1] >= 360.0f) lfoPhase[1] -= 360.0f;
    }
  }

  static std::int32_t setting(float value) { return value > 0.66f ? 2 : value > 0.33f ? 1 : 0; }

  void process(const ParameterValues& v, float fs, float** in, float** out, std::int32_t n, OutputRule rule,
               std::int32_t sync = 0, const TransportReport* report = nullptr) {
    const WaveTables& t = waveTables();
    if (v[paramMode] != lastMode) {
      lastMode = v[paramMode];
      lfoPhase[0] = 0;
      lfoPhase[1] = v[paramMode] > 0.5f ? 90.0f : 0.0f;
    }
    if (report) follow(*report, sync, v[paramMode]);
    const std::int32_t windowLength = v[paramSoftHard] > 0.5f ? 64 : 512;
    const bool newWindows = policy == WindowPolicy::perBlock || windowLength != lastWindowLength;
    lastWindowLength = windowLength;
    if (newWindows) trackSum[0] = trackSum[1] = 0;
    const float dryGain = 1 - v[paramOutput];
    const float inputGain = v[paramInput] < 0.05f ? 0.05f : v[paramInput];
    const float rangeFreq = setting(v[paramCutRange]) == 2 ? 4000.0f : 3000.0f;
    float phaseIncrement = (360.0f / fs) * (v[paramLfoRate] * 9.9f + 0.1f);
    if (sync != 0) {
      const double length = syncLength(sync) > 0 ? syncLength(sync) : -syncLength(sync) * beatsPerBar * 4 / beatUnit;
      phaseIncrement = static_cast<float>(360.0 * tempo / 60.0 / length / fs);
    }
    if (newWindows) trackCount[0] = trackCount[1] = 0;
    const float trackGain = v[paramLevelTrack] * 3;
    const std::int32_t trigger = setting(v[paramLfoTrigger]), wave = setting(v[paramLfoWave]);
    const std::int32_t dest = setting(v[paramTrackDest]);
    for (std::int32_t i = 0; i < n; ++i) {
      const bool positive = policy == WindowPolicy::perBlock ? (n - 1 - i) % 2 == 0 : (streamPosition + i) % 2 == 1;
      const float d = positive ? 1e-7f : -1e-7f;
      const float x[2] = {in[0][i] + d, in[1][i] + d};
      for (std::int32_t c = 0; c < 2; ++c) {
        const float rectified = std::fabs(x[c] * trackGain);
        if (trigger != 0) {
          if (lfoPhase[c] >= 360) lfoPhase[c] -= 360;
          const std::int32_t k = static_cast<std::int32_t>(lfoPhase[c] * 10);
          float value = t.sineTable[k];
          if (trigger == 2) lfoPhase[c] += phaseIncrement;
          if (wave == 0) value = value >= 1.0f ? 2.0f : 1.0f;
          if (wave == 1)
            value = trigger == 1 ? t.rampTable[k] : t.rampTable[static_cast<std::int32_t>(lfoPhase[c] * 10)] / 2 + 1;
          if (trigger == 1) {
            lfoCutValue[c] = value;
            lfoPhase[c] += phaseIncrement;
          } else {
            lfoResValue[c] = value - 1;
          }
        }
        trackSum[c] += rectified;
        trackCount[c] += 1;
        if (trackCount[c] >= windowLength) {
          trackLevel[c] = trackSum[c] / static_cast<float>(windowLength) * 2;
          trackSum[c] = 0;
          trackCount[c] = 0;
          cutFactor[c] = v[paramCutoff];
          if (dest == 1) cutFactor[c] += trackLevel[c];
          if (trigger == 1) cutFactor[c] += lfoCutValue[c];
          if (dest == 1 && trigger == 1) cutFactor[c] /= 2;
          float resAmount = v[paramResonance];
          if (dest == 2) resAmount += trackLevel[c];
          if (trigger == 2) resAmount += lfoResValue[c];
          if (dest == 2 && trigger == 2) resAmount /= 2;
          if (resAmount < 0.05f) resAmount = 0.05f;
          if (resAmount > 1.0f) resAmount = 1.0f;
          damping[c] = 1 / (resAmount * 8 + 2);
          float cutoffHz = rangeFreq * cutFactor[c];
          if (cutoffHz < 250) cutoffHz = 250;
          if (cutoffHz > 6000) cutoffHz = 6000;
          freqCoef[c] = 2 * static_cast<float>(std::sin(static_cast<double>(3.1415927f) * cutoffHz / fs));
        }
        const float u = x[c] * inputGain, f = freqCoef[c], q = damping[c];
        low1[c] = low1[c] + f * band1[c];
        float h = u - low1[c] - q * band1[c];
        band1[c] = band1[c] + f * h;
        low2[c] = low2[c] + f * band2[c];
        h = low1[c] - low2[c] - q * band2[c];
        band2[c] = band2[c] + f * h;
      }
      for (std::int32_t c = 0; c < 2; ++c) {
        if (rule == OutputRule::accumulate)
          out[c][i] += low2[c] * v[paramOutput] * 0.25f;
        else
          out[c][i] = dryGain * x[c] + low2[c] * v[paramOutput] / 4;
      }
    }
    if (n > 0) streamPosition += n;
  }
};

}  // namespace sweepfilter
