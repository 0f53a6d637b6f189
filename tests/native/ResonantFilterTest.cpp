#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <map>
#include <numbers>

#include "ResonantFilter.h"
#include "SignalTestSupport.h"

namespace sweepfilter {

namespace {

TEST(ResonantFilter, FrequencyCoefficientExamples) {
  const std::pair<float, float> examples[] = {{250.0f, 0.035617083f},
                                              {1500.0f, 0.21330731f},
                                              {3000.0f, 0.42418131f},
                                              {4000.0f, 0.56222224f},
                                              {6000.0f, 0.8290624f}};
  for (const auto& [hz, coefficient] : examples) EXPECT_EQ(frequencyCoefficient(hz, 44100.0f), coefficient) << hz;
}

TEST(ResonantFilter, ControlUpdateRules) {
  struct Case {
    const char* name;
    float cutoff, resonance, rangeFreq;
    ModulationTarget trackDest, lfoTrigger;
    float trackLevel, lfoCut, lfoRes;
    float cutFactor, resAmount, cutoffHz;
  };
  const Case cases[] = {
      {"no sources, cutoff 0", 0.0f, 0.5f, 3000, targetOff, targetOff, 9, 9, 9, 0.0f, 0.5f, 250},
      {"HIGH with the LFO at 2", 1.0f, 0.5f, 4000, targetOff, targetCut, 9, 2, 9, 3.0f, 0.5f, 6000},
      {"LOW or MID at 100 %", 1.0f, 0.5f, rangeFrequency(rangeMid), targetOff, targetOff, 0, 0, 0, 1, 0.5f, 3000},
      {"HIGH at 100 %", 1.0f, 0.5f, rangeFrequency(rangeHigh), targetOff, targetOff, 0, 0, 0, 1, 0.5f, 4000},
      {"both on the cutoff are halved", 0.5f, 0.5f, 3000, targetCut, targetCut, 0.3f, 1.2f, 9, 1.0f, 0.5f, 3000},
      {"level alone on the cutoff", 0.5f, 0.5f, 3000, targetCut, targetRes, 0.25f, 9, 0, 0.75f, 0.5f, 2250},
      {"resonance 0 is raised", 0.5f, 0.0f, 3000, targetOff, targetOff, 0, 0, 0, 0.5f, 0.05f, 1500},
      {"sine at -1 on the resonance", 0.5f, 0.5f, 3000, targetOff, targetRes, 9, 9, -1, 0.5f, 0.05f, 1500},
      {"both on the resonance are halved", 0.5f, 0.2f, 3000, targetRes, targetRes, 0.4f, 9, 0.6f, 0.5f, 0.6f, 1500},
      {"a large level on the resonance", 0.5f, 0.5f, 3000, targetRes, targetCut, 3.8f, 0, 9, 0.5f, 1.0f, 1500},
  };
  // Worked out at high precision: 1 / (8 r + 2) and 2 sin(pi f / 44100).
  const std::map<float, double> dampingFor = {
      {0.05f, 0.416666667}, {0.5f, 0.166666667}, {0.6f, 0.147058824}, {1.0f, 0.1}};
  const std::map<float, double> coefficientFor = {{250.0f, 0.0356170814}, {1500.0f, 0.213307307},
                                                  {2250.0f, 0.319199790}, {3000.0f, 0.424181303},
                                                  {4000.0f, 0.562222227}, {6000.0f, 0.829062353}};
  for (const Case& c : cases) {
    const ControlSettings settings{c.cutoff,    c.resonance, c.rangeFreq, 44100.0f, cutoffCeiling(44100.0f),
                                   c.trackDest, c.lfoTrigger};
    const ControlUpdate update = controlUpdate(settings, c.trackLevel, c.lfoCut, c.lfoRes);
    EXPECT_FLOAT_EQ(update.cutFactor, c.cutFactor) << c.name;
    EXPECT_FLOAT_EQ(update.resAmount, c.resAmount) << c.name;
    EXPECT_FLOAT_EQ(update.cutoffHz, c.cutoffHz) << c.name;
    EXPECT_NEAR(update.damping, dampingFor.at(c.resAmount), 1e-7) << c.name;
    EXPECT_NEAR(update.freqCoef, coefficientFor.at(c.cutoffHz), 1e-7) << c.name;
  }
  const ControlSettings softest{0, 0, 3000, 44100, cutoffCeiling(44100), targetOff, targetOff};
  EXPECT_FLOAT_EQ(controlUpdate(softest, 0, 0, 0).damping, 0.41666666f);
  const ControlSettings sharpest{0, 1, 3000, 44100, cutoffCeiling(44100), targetOff, targetOff};
  EXPECT_FLOAT_EQ(controlUpdate(sharpest, 0, 0, 0).damping, 0.1f);
}

// The first control update of a fresh effect on the first factory program.
TEST(ResonantFilter, WorkedExampleOfTheFirstUpdate) {
  SignalPath path{WindowPolicy::perBlock};
  replaceBlock(path, programValues(0), 44100.0f, Stereo(512));
  const ChannelState& left = path.state().channels[0];
  EXPECT_NEAR(left.cutFactor, 1.52698f, 5e-6f);
  EXPECT_NEAR(left.filter.freqCoef, 0.64115f, 5e-6f);  // a cutoff of 4580.94 Hz
  EXPECT_NEAR(left.filter.damping, 0.16026f, 5e-6f);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(left.cutFactor), 0x3fc37414u);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(left.filter.freqCoef), 0x3f24226fu);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(left.filter.damping), 0x3e241a42u);
}

// Largest damping first: that is where the stable region is smallest.
bool stagesStable(const ControlUpdate& update) {
  const float f = update.freqCoef, q = update.damping;
  return f * f + 2 * f * q < 3.8f;
}

TEST(ResonantFilter, CeilingKeepsTheStagesStableAtAnyRate) {
  for (float sampleRate = 1000.0f; sampleRate < 800000.0f; sampleRate *= 1.01f)
    for (float resonance : {0.0f, 0.5f, 1.0f})
      for (float cutoff = 0.0f; cutoff <= 2.0f; cutoff += 0.01f) {
        const ControlSettings settings{cutoff,    resonance, 4000.0f, sampleRate, cutoffCeiling(sampleRate),
                                       targetOff, targetOff};
        ASSERT_TRUE(stagesStable(controlUpdate(settings, 0, 0, 0))) << sampleRate << " " << cutoff;
      }
}

// From 22050 Hz up the ceiling never binds: the highest cutoff reaches 6000 Hz,
// with 2 sin(pi 6000 / fs) worked out at high precision.
TEST(ResonantFilter, CeilingNeverBindsFrom22050) {
  const std::pair<float, double> rates[] = {{22050.0f, 1.5089517},   {32000.0f, 1.11114047},  {44100.0f, 0.829062353},
                                            {48000.0f, 0.765366865}, {96000.0f, 0.390180644}, {192000.0f, 0.196034281}};
  for (const auto& [sampleRate, coefficient] : rates) {
    const ControlSettings settings{2.0f, 0.5f, 4000.0f, sampleRate, cutoffCeiling(sampleRate), targetOff, targetOff};
    const ControlUpdate update = controlUpdate(settings, 0, 0, 0);
    EXPECT_EQ(update.cutoffHz, 6000.0f) << sampleRate;
    EXPECT_NEAR(update.freqCoef, coefficient, 2e-7) << sampleRate;
  }
}

// Full-scale noise through every extreme setting stays bounded at any rate.
TEST(ResonantFilter, NoiseStaysBoundedAtEveryExtremeSetting) {
  const Stereo input(noise(512, 1), noise(512, 2));
  for (float sampleRate : {1234.5678f, 8000.0f, 11025.0f, 12345.678f, 16000.0f, 19800.0f, 22050.0f, 768000.0f})
    for (std::int32_t combination = 0; combination < 2 * 2 * 2 * 3 * 3 * 3 * 2 * 2 * 2; ++combination) {
      std::int32_t rest = combination;
      const auto pick = [&rest](std::int32_t ways) {
        const float value = static_cast<float>(rest % ways) / static_cast<float>(ways - 1);
        rest /= ways;
        return value;
      };
      ParameterValues values = programValues(0);
      for (ParameterIndex index :
           {paramCutoff, paramResonance, paramCutRange, paramLevelTrack, paramSoftHard, paramLfoRate})
        values[index] = pick(2);
      for (ParameterIndex index : {paramLfoTrigger, paramLfoWave, paramTrackDest}) values[index] = pick(3);
      values[paramOutput] = 1.0f;
      SignalPath path{WindowPolicy::perBlock};
      for (std::int32_t block = 0; block < 2; ++block) {
        const Stereo output = replaceBlock(path, values, sampleRate, input);
        for (float sample : output.left) ASSERT_LT(std::fabs(sample), 100.0f) << sampleRate << " #" << combination;
      }
    }
}

// RMS gain of a sine, wet only, after the filter has settled.
float sineGain(float hz, float resonance) {
  SignalPath path{WindowPolicy::perBlock};
  ParameterValues values = programValues(2);  // no LFO, tracking off below
  values[paramTrackDest] = 0.0f;
  values[paramCutoff] = 1.0f / 3.0f;  // 1000 Hz
  values[paramResonance] = resonance;
  values[paramOutput] = 1.0f;
  std::vector<float> sine(44100);
  for (std::size_t i = 0; i < sine.size(); ++i)
    sine[i] = static_cast<float>(0.1 * std::sin(2 * std::numbers::pi * hz * i / 44100));
  double in = 0, out = 0;
  for (std::int32_t block = 0; block < 2; ++block) {
    const Stereo output = replaceBlock(path, values, 44100.0f, Stereo(sine, sine));
    for (std::size_t i = 0; block == 1 && i < sine.size(); ++i) {
      in += sine[i] * sine[i];
      out += output.left[i] * output.left[i];
    }
  }
  return static_cast<float>(4 * std::sqrt(out / in));  // the wet path has a gain of Output / 4
}

TEST(ResonantFilter, MeasuredLowPassResponse) {
  EXPECT_NEAR(sineGain(100, 0), 1.0f, 0.1f);
  EXPECT_LT(sineGain(8000, 0), 1e-3f);
  EXPECT_LT(sineGain(8000, 1), 2e-3f);
  const float peakSoft = sineGain(1000, 0), peakSharp = sineGain(1000, 1);
  EXPECT_GT(peakSoft, 2.0f);
  EXPECT_GT(peakSharp, 5 * peakSoft);
}

}  // namespace

}  // namespace sweepfilter
