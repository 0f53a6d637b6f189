#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Lfo.h"
#include "SignalTestSupport.h"
#include "WaveTables.h"

namespace sweepfilter {

namespace {

const WaveTables& tables = waveTables();

TEST(WaveTables, TellingRowsTailAndFiveDecimals) {
  struct Row {
    std::int32_t k;
    float ramp, sine;
  };
  const Row rows[] = {{0, 2.0f, 1.0f},    {1, 1.99944f, 1.00175f},    {4, 1.99778f, 1.00698f},
                      {900, 1.5f, 2.0f},  {1800, 1.0f, 1.0f},         {1801, 0.99944f, 0.99825f},
                      {2700, 0.5f, 0.0f}, {3599, 0.00056f, 0.99825f}, {3600, 0.0f, 1.0f},
                      {3607, 0.0f, 1.0f}};
  for (const Row& row : rows) {
    EXPECT_EQ(tables.rampTable[row.k], row.ramp) << row.k;
    EXPECT_EQ(tables.sineTable[row.k], row.sine) << row.k;
  }
  for (std::int32_t k = 3601; k < waveTableSize; ++k) {
    EXPECT_EQ(tables.rampTable[k], 0.0f);
    EXPECT_EQ(tables.sineTable[k], 1.0f);
  }
  for (std::int32_t k = 0; k < waveTableSize; ++k)
    for (float value : {tables.rampTable[k], tables.sineTable[k]})
      ASSERT_EQ(value, static_cast<float>(std::round(value * 1e5) / 1e5)) << k;
}

template <ModulationTarget trigger, LfoWave wave>
Lfo steppedFrom(float phase, float increment) {
  Lfo lfo;
  lfo.lfoPhase = phase;
  lfo.step<trigger, wave>(increment, tables);
  return lfo;
}

// Every table position of the cycle, read with the phase in the middle of it.
TEST(Lfo, ShapesOverOneCycle) {
  std::int32_t squareHigh = 0, squareLow = 0;
  for (std::int32_t k = 0; k < waveCycleEntries; ++k) {
    const float phase = (static_cast<float>(k) + 0.5f) / 10.0f;
    const float square = steppedFrom<targetCut, waveSquare>(phase, 0.0f).lfoCutValue;
    ASSERT_EQ(square, k <= 1800 ? 2.0f : 1.0f) << k;
    (square == 2.0f ? squareHigh : squareLow)++;
    ASSERT_EQ((steppedFrom<targetRes, waveSquare>(phase, 0.0f).lfoResValue), k <= 1800 ? 1.0f : 0.0f);
    ASSERT_EQ((steppedFrom<targetCut, waveSaw>(phase, 0.0f).lfoCutValue), tables.rampTable[k]);
    ASSERT_EQ((steppedFrom<targetCut, waveSine>(phase, 0.0f).lfoCutValue), tables.sineTable[k]);
    ASSERT_EQ((steppedFrom<targetRes, waveSine>(phase, 0.0f).lfoResValue), tables.sineTable[k] - 1.0f);
    // The resonance saw falls from 1 to 0 over the cycle, read one increment
    // (ten positions) later in phase.
    if (k + 10 < waveCycleEntries) {
      ASSERT_NEAR((steppedFrom<targetRes, waveSaw>(phase, 1.0f).lfoResValue), 1.0 - (k + 10) / 3600.0, 1e-5) << k;
    }
  }
  EXPECT_EQ(squareHigh, 1801);
  EXPECT_EQ(squareLow, 1799);
}

TEST(Lfo, WrapsOnceAndAdvances) {
  const Lfo wrapped = steppedFrom<targetCut, waveSaw>(360.25f, 0.5f);
  EXPECT_EQ(wrapped.lfoCutValue, tables.rampTable[2]);
  EXPECT_EQ(wrapped.lfoPhase, 0.25f + 0.5f);
  EXPECT_EQ((steppedFrom<targetCut, waveSaw>(719.0f, 0.0f).lfoPhase), 359.0f);
  const Lfo standing = steppedFrom<targetOff, waveSine>(123.0f, 0.5f);
  EXPECT_EQ(standing.lfoPhase, 123.0f);
  EXPECT_EQ(standing.lfoCutValue, 0.0f);
  EXPECT_EQ(standing.lfoResValue, 0.0f);
}

// Phases that would read outside the tables read the first or the last entry.
TEST(Lfo, TableReadsStayInside) {
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ((steppedFrom<targetRes, waveSaw>(359.95f, 2.0f).lfoResValue), 0.0f);  // past the end: last entry
  EXPECT_EQ((steppedFrom<targetCut, waveSaw>(std::nanf(""), 0.0f).lfoCutValue), 2.0f);
  EXPECT_EQ((steppedFrom<targetCut, waveSaw>(-50.0f, -1.0f).lfoCutValue), 2.0f);
  EXPECT_EQ((steppedFrom<targetCut, waveSaw>(1e30f, 0.0f).lfoCutValue), 0.0f);
  EXPECT_EQ((steppedFrom<targetCut, waveSaw>(inf, 0.0f).lfoCutValue), 0.0f);
  EXPECT_EQ((steppedFrom<targetRes, waveSaw>(0.0f, inf).lfoResValue), 0.0f);
}

// Phases stepping can never leave are brought back; reachable ones are kept.
TEST(Lfo, RepairBringsBackPhasesStuckOutsideTheCycle) {
  const float inf = std::numeric_limits<float>::infinity();
  const std::pair<float, float> cases[] = {{std::nanf(""), 0.0f}, {inf, 0.0f},  {-inf, 0.0f},     {-50.0f, 310.0f},
                                           {750.0f, 30.0f},       {0.0f, 0.0f}, {359.5f, 359.5f}, {719.5f, 719.5f}};
  for (const auto& [phase, repaired] : cases) {
    Lfo lfo;
    lfo.lfoPhase = phase;
    lfo.lfoCutValue = phase;
    lfo.repair();
    EXPECT_EQ(lfo.lfoPhase, repaired) << phase;
    EXPECT_TRUE(std::isfinite(lfo.lfoCutValue)) << phase;
  }
  Lfo huge;
  huge.lfoPhase = 1e30f;
  huge.repair();
  EXPECT_TRUE(huge.lfoPhase >= 0.0f && huge.lfoPhase < 360.0f);
}

TEST(Lfo, RateMapping) {
  EXPECT_FLOAT_EQ(lfoPhaseIncrement(0.0f, 44100.0f), 0.00081632653f);
  EXPECT_NEAR(360.0f / lfoPhaseIncrement(1.0f, 44100.0f), 4410.0f, 0.01f);
}

// The LFO through the signal path: OFF, Mode resets, stereo relation.
struct LfoRun {
  SignalPath path{WindowPolicy::perBlock};
  ParameterValues values = programValues(0);  // SINE on the cutoff, MONO
  const Lfo& lfo(std::int32_t channel) const { return path.state().channels[channel].lfo; }
  void run(std::int32_t frames, float sampleRate = 44100.0f) {
    replaceBlock(path, values, sampleRate, Stereo(static_cast<std::size_t>(frames)));
  }
};

TEST(Lfo, OffFreezesThePhaseAndCutContinues) {
  LfoRun lfo;
  lfo.values[paramLfoRate] = 1.0f;
  lfo.run(1000);
  const float phase = lfo.lfo(0).lfoPhase;
  EXPECT_GT(phase, 0.0f);
  lfo.values[paramLfoTrigger] = 0.0f;
  lfo.run(1000);
  EXPECT_EQ(lfo.lfo(0).lfoPhase, phase);
  lfo.values[paramLfoTrigger] = 0.66f;
  lfo.run(1);
  EXPECT_FLOAT_EQ(lfo.lfo(0).lfoPhase, phase + 360.0f * 10.0f / 44100.0f);  // 10 Hz
}

TEST(Lfo, ModeChangeRestartsPhases) {
  struct Case {
    float from, to;
    bool restarts;
    float rightPhase;
  };
  const Case cases[] = {{0.7f, 0.8f, true, 90.0f},
                        {0.8f, 0.8f, false, 0.0f},
                        {0.2f, 0.7f, true, 90.0f},
                        {0.7f, 0.2f, true, 0.0f},
                        {0.5f, 0.5f, false, 0.0f}};
  for (const Case& c : cases) {
    LfoRun lfo;
    lfo.values[paramLfoRate] = 1.0f;
    lfo.values[paramMode] = c.from;
    lfo.run(2000);
    const Lfo left = lfo.lfo(0), right = lfo.lfo(1);
    lfo.values[paramMode] = c.to;
    lfo.run(0);  // block-start steps only
    EXPECT_EQ(lfo.lfo(0).lfoPhase, c.restarts ? 0.0f : left.lfoPhase) << c.from << " to " << c.to;
    EXPECT_EQ(lfo.lfo(1).lfoPhase, c.restarts ? c.rightPhase : right.lfoPhase) << c.from << " to " << c.to;
    EXPECT_EQ(lfo.lfo(1).lfoCutValue, right.lfoCutValue);  // values survive a restart
  }
}

// At 36000 Hz and 10 Hz a cycle is 3600 samples: a quarter cycle is 900.
TEST(Lfo, StereoRightIsLeftAQuarterCycleLater) {
  for (float mode : {0.0f, 1.0f}) {
    LfoRun lfo;
    lfo.values[paramLfoRate] = 1.0f;
    lfo.values[paramMode] = mode;
    std::vector<float> left, right;
    for (std::int32_t i = 0; i < 4000; ++i) {
      lfo.run(1, 36000.0f);
      left.push_back(lfo.lfo(0).lfoCutValue);
      right.push_back(lfo.lfo(1).lfoCutValue);
    }
    for (std::size_t i = 0; i + 900 < left.size(); ++i) {
      if (mode == 0.0f)
        ASSERT_EQ(right[i], left[i]) << i;
      else
        ASSERT_NEAR(right[i], left[i + 900], 0.005f) << i;
    }
  }
}

// Worked numbers of the lock: where a report puts both oscillators and how
// fast they then run, at 48000 Hz.
TEST(Lfo, SyncLocksToTheSongPosition) {
  struct Case {
    const char* sync;
    TransportReport report;
    float mode;
    float left, right, increment;
  };
  const Case cases[] = {
      {"1/8", {true, 120, 0.25, 0, 0.25, 4, 4}, 1.0f, 180.0f, 270.0f, 0.03f},
      {"1/8", {true, 120, 0.375, 0, 0.375, 4, 4}, 1.0f, 270.0f, 0.0f, 0.03f},
      {"1/4", {true, 90, 17.25, 4, 0.3125, 4, 4}, 0.0f, 90.0f, 90.0f, 0.01125f},
      {"1/8T", {true, 174, 1.0, 0, 0.25, 4, 4}, 0.0f, 0.0f, 0.0f, 0.06525f},
      {"2 BARS", {true, 120, 23.0, 5, 0.5, 7, 8}, 0.0f, 270.0f, 270.0f, 360.0f * 2.0f / 7.0f / 48000.0f},
      {"1 BAR", {true, 174, 0.0, -1, 0.75, 4, 4}, 1.0f, 270.0f, 0.0f, 360.0f * 174.0f / 60.0f / 4.0f / 48000.0f},
  };
  for (const Case& c : cases) {
    const std::int32_t sync = *lfoSyncOfText(c.sync);
    SignalPath path{WindowPolicy::continuous};
    ParameterValues values = programValues(0);
    values[paramMode] = c.mode;
    path.processBlock(values, 48000.0f, nullptr, nullptr, 0, OutputRule::replace, {sync, &c.report});
    EXPECT_EQ(path.state().channels[0].lfo.lfoPhase, c.left) << c.sync;
    EXPECT_EQ(path.state().channels[1].lfo.lfoPhase, c.right) << c.sync;
    EXPECT_FLOAT_EQ(syncedPhaseIncrement(sync, path.state().song, 48000.0f), c.increment) << c.sync;
  }
}

TEST(Lfo, SyncTextsBothWays) {
  for (std::int32_t setting = 0; setting < lfoSyncSettingCount; ++setting)
    EXPECT_EQ(lfoSyncOfText(lfoSyncText(setting)), setting);
  EXPECT_EQ(lfoSyncOfText(" 1/16t "), 2);
  EXPECT_EQ(lfoSyncOfText("17"), lfoSyncSettingCount - 1);
  for (const char* refused : {"", "1/3", "18", "-1", "2.5", "FREE FREE"})
    EXPECT_FALSE(lfoSyncOfText(refused)) << refused;
  EXPECT_EQ(lfoSyncSettingOf(std::numeric_limits<double>::quiet_NaN()), lfoSyncFree);
  EXPECT_EQ(lfoSyncSettingOf(6.4), 6);
  EXPECT_EQ(lfoSyncSettingOf(99.0), lfoSyncSettingCount - 1);
}

}  // namespace

}  // namespace sweepfilter
