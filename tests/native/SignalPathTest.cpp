#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "HostRecorder.h"
#include "ReferenceSignalPath.h"
#include "SignalTestSupport.h"
#include "SweepFilterEffect.h"

namespace sweepfilter {

namespace {

// With the saw on the cutoff at 10 Hz and "Cutoff" 0, cutFactor shows the LFO
// position of the sample of the last control update. The wet signal leaves
// zero two samples after the first update: the second stage lags the first.
TEST(SignalPath, ControlUpdatesAtWindowEndsOfTheBlock) {
  struct Case {
    float softHard;
    std::int32_t frames;
    std::int32_t lastUpdate;  // sample index, -1 for none
    std::int32_t firstUpdate;
  };
  const Case cases[] = {{0, 256, -1, -1},    {0, 511, -1, -1},   {0, 1000, 511, 511}, {0, 1024, 1023, 511},
                        {1, 1024, 1023, 63}, {1, 1000, 959, 63}, {1, 100, 63, 63}};
  for (const Case& c : cases) {
    SignalPath path{WindowPolicy::perBlock};
    ParameterValues values = programValues(0);
    values[paramLfoWave] = 0.5f;
    values[paramLfoRate] = 1.0f;
    values[paramCutoff] = 0.0f;
    values[paramSoftHard] = c.softHard;
    const Stereo input(noise(c.frames, 3), noise(c.frames, 4));
    const Stereo output = replaceBlock(path, values, 44100.0f, input);
    const ChannelState& left = path.state().channels[0];
    if (c.lastUpdate < 0) {
      EXPECT_EQ(left.cutFactor, 0.0f) << c.frames;
      EXPECT_EQ(left.filter.freqCoef, 0.0f) << c.frames;
    } else {
      const float degrees = static_cast<float>(c.lastUpdate) * 360.0f * 10.0f / 44100.0f;
      EXPECT_NEAR(left.cutFactor, 2.0f - degrees / 180.0f, 0.002f) << c.frames;
    }
    const std::int32_t firstWet = c.firstUpdate < 0 ? c.frames : c.firstUpdate + 2;
    for (std::int32_t i = 0; i < c.frames; ++i) {
      const float offset = (c.frames - 1 - i) % 2 == 0 ? 1e-7f : -1e-7f;
      const float dry = (1.0f - values[paramOutput]) * (input.left[i] + offset);
      ASSERT_EQ(output.left[i] == dry, i < firstWet) << c.frames << " at " << i;
    }
  }
}

TEST(SignalPath, FreshEffectAtOutputZeroPassesInputPlusOffset) {
  for (std::int32_t frames : {5, 6}) {
    SweepFilterEffect effect(recordingHost);
    effect.setParameterValue(paramOutput, 0.0f);
    Stereo input(noise(frames, 5), noise(frames, 6));
    for (float& sample : input.left) sample *= 0.01f;
    Stereo output(frames);
    effect.processReplace(input.channels, output.channels, frames);
    for (std::int32_t i = 0; i < frames; ++i) {
      const float offset = (frames - 1 - i) % 2 == 0 ? 1e-7f : -1e-7f;
      EXPECT_EQ(output.left[i], input.left[i] + offset) << i;
      EXPECT_EQ(output.right[i], input.right[i] + offset) << i;
    }
    EXPECT_NE(output.left.back(), input.left.back());
  }
}

TEST(SignalPath, AccumulateAddsTheWetSignalThatReplaceMixesWithTheDry) {
  for (float outputLevel : {0.0f, 0.72f, 1.0f}) {
    SignalPath accumulating{WindowPolicy::perBlock}, replacing{WindowPolicy::perBlock};
    ParameterValues values = programValues(4);
    values[paramOutput] = outputLevel;
    for (std::int32_t block = 0; block < 6; ++block) {
      Stereo input(noise(700, 10 + block), noise(700, 20 + block));
      Stereo summed(noise(700, 30 + block), noise(700, 40 + block)), replaced(700);
      const Stereo before = summed;
      accumulating.processBlock(values, 44100, input.channels, summed.channels, 700, OutputRule::accumulate);
      replacing.processBlock(values, 44100, input.channels, replaced.channels, 700, OutputRule::replace);
      for (std::int32_t i = 0; i < 700; ++i) {
        const float offset = (700 - 1 - i) % 2 == 0 ? 1e-7f : -1e-7f;
        const float wet = summed.left[i] - before.left[i];
        if (outputLevel == 0.0f) {
          ASSERT_EQ(summed.left[i], before.left[i]);
        }
        if (outputLevel == 1.0f) {
          ASSERT_EQ(summed.left[i], before.left[i] + replaced.left[i]);
        }
        ASSERT_NEAR(replaced.left[i], (1 - outputLevel) * (input.left[i] + offset) + wet, 1e-6f);
      }
    }
  }
}

TEST(SignalPath, InPlaceEqualsSeparateBuffersAndUsesTheHostRate) {
  SweepFilterEffect inPlace(recordingHost), separate(recordingHost);
  SignalPath direct{WindowPolicy::perBlock};
  for (SweepFilterEffect* effect : {&inPlace, &separate}) {
    effect->dispatch(opSelectProgram, 0, 4, nullptr, 0.0f);
    effect->dispatch(opSetSampleRate, 0, 0, nullptr, 48000.0f);
  }
  for (std::int32_t frames : {512, 100, 1024, 64}) {
    Stereo buffer(noise(frames, 7), noise(frames, 8));
    Stereo input = buffer;
    Stereo output(frames);
    inPlace.processReplace(buffer.channels, buffer.channels, frames);
    separate.processReplace(input.channels, output.channels, frames);
    const Stereo expected = replaceBlock(direct, programValues(4), 48000.0f, input);
    EXPECT_EQ(buffer.left, output.left);
    EXPECT_EQ(buffer.right, output.right);
    EXPECT_EQ(output.left, expected.left);
  }
}

TEST(SignalPath, NullBuffersRunOnlyTheBlockStart) {
  Stereo input(64, 0.5f), output(64, 3.0f);
  float* noChannels[2] = {nullptr, nullptr};
  float* halfInputs[2] = {input.channels[0], nullptr};
  float* halfOutputs[2] = {nullptr, output.channels[1]};
  float** const cases[][2] = {{nullptr, output.channels},
                              {input.channels, nullptr},
                              {noChannels, output.channels},
                              {halfInputs, output.channels},
                              {input.channels, halfOutputs}};
  for (const auto& buffers : cases) {
    SignalPath path{WindowPolicy::perBlock};
    ParameterValues values = programValues(4);  // STEREO: the block start sets the right phase to 90
    path.processBlock(values, 44100.0f, buffers[0], buffers[1], 64, OutputRule::replace);
    EXPECT_EQ(path.state().channels[1].lfo.lfoPhase, 90.0f);
    EXPECT_EQ(path.state().channels[0].filter.freqCoef, 0.0f);
    EXPECT_EQ(output.left, std::vector<float>(64, 3.0f));
    EXPECT_EQ(output.right, std::vector<float>(64, 3.0f));
  }
}

bool allFinite(const SignalState& state) {
  for (const ChannelState& c : state.channels)
    for (float value :
         {c.filter.freqCoef, c.filter.damping, c.filter.band1, c.filter.low1, c.filter.band2, c.filter.low2,
          c.tracker.trackSum, c.tracker.trackLevel, c.lfo.lfoPhase, c.lfo.lfoCutValue, c.lfo.lfoResValue, c.cutFactor})
      if (!std::isfinite(value)) return false;
  return true;
}

// A poisoned left channel recovers; the clean right channel is not touched.
TEST(SignalPath, NonFiniteInputDoesNotPoisonAChannel) {
  const float inf = std::numeric_limits<float>::infinity();
  for (float poison : {std::nanf(""), inf, -inf, 3e38f})
    for (std::int32_t program = 0; program < numPrograms; ++program) {
      SignalPath poisoned{WindowPolicy::perBlock}, clean{WindowPolicy::perBlock};
      ParameterValues values = programValues(program);
      values[paramInput] = 1.0f;
      for (std::int32_t block = 0; block < 4; ++block) {
        const Stereo input(noise(1024, 50 + block), noise(1024, 60 + block));
        Stereo dirty = input;
        if (block == 0) dirty.left[100] = dirty.left[700] = poison;
        const Stereo output = replaceBlock(poisoned, values, 44100.0f, dirty);
        const Stereo expected = replaceBlock(clean, values, 44100.0f, input);
        EXPECT_EQ(output.right, expected.right) << poison << " program " << program;
        EXPECT_TRUE(allFinite(poisoned.state())) << poison << " program " << program;
        for (std::size_t i = 0; block > 0 && i < output.left.size(); ++i)
          ASSERT_TRUE(std::isfinite(output.left[i])) << poison << " program " << program;
      }
    }
}

TEST(SignalPath, NonFiniteOrAbsurdParameterValuesLeaveNoTrace) {
  const float inf = std::numeric_limits<float>::infinity();
  for (float poison : {std::nanf(""), inf, -inf, 1e30f, -1e30f})
    for (std::int32_t program : {3, 4})
      for (std::int32_t index = 0; index < numParameters; ++index) {
        SignalPath path{WindowPolicy::perBlock};
        ParameterValues values = programValues(program);
        values[paramLfoTrigger] = program == 3 ? 1.0f : values[paramLfoTrigger];  // also the resonance LFO
        for (std::int32_t block = 0; block < 4; ++block) {
          ParameterValues blockValues = values;
          if (block == 1) blockValues[index] = poison;
          const Stereo output = replaceBlock(path, blockValues, 44100.0f, Stereo(noise(1024, 70), noise(1024, 71)));
          for (std::size_t i = 0; block == 3 && i < output.left.size(); ++i)
            ASSERT_TRUE(std::isfinite(output.left[i])) << poison << " at " << index;
        }
        EXPECT_TRUE(allFinite(path.state())) << poison << " at " << index;
        const float phase = path.state().channels[0].lfo.lfoPhase;
        EXPECT_TRUE(phase >= 0.0f && phase < 720.0f) << poison << " at " << index;
      }
}

// The alternating offset keeps every output and state value out of the
// subnormal range on long silence, whatever the block lengths.
TEST(SignalPath, NoSubnormalsAfterLongSilence) {
  const auto normalOrZero = [](float value) { return std::fpclassify(value) != FP_SUBNORMAL; };
  for (float sampleRate : {44100.0f, 768000.0f})
    for (std::int32_t program = 0; program < numPrograms; ++program) {
      SignalPath path{WindowPolicy::perBlock};
      const ParameterValues values = programValues(program);
      replaceBlock(path, values, sampleRate, Stereo(noise(4096, 80), noise(4096, 81)));
      const std::int32_t seconds = sampleRate > 100000.0f ? 1 : 10;
      const std::int32_t lengths[] = {512, 333, 64, 1024};
      for (std::int32_t done = 0, n = 0; done < seconds * static_cast<std::int32_t>(sampleRate); ++n) {
        const std::int32_t frames = lengths[n % 4];
        done += frames;
        const Stereo output = replaceBlock(path, values, sampleRate, Stereo(frames));
        for (std::int32_t i = 0; i < frames; ++i)
          ASSERT_TRUE(normalOrZero(output.left[i]) && normalOrZero(output.right[i])) << program << " " << done;
        for (const ChannelState& c : path.state().channels)
          for (float value : {c.filter.band1, c.filter.low1, c.filter.band2, c.filter.low2})
            ASSERT_TRUE(normalOrZero(value)) << program << " " << done;
      }
    }
}

// The optimised path against the literal model: many settings (thresholds on
// both sides, "Soft/Hard" changing mid-window), rates, block lengths, both
// output rules and both window policies, bit for bit; in two runs of three
// with "LFO sync" changing and the host's reports (usable, stopped, absurd)
// at block starts, which the model reads by its own copy of the rule.
TEST(SignalPath, MatchesTheLiteralModelBitForBit) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  const TransportReport reports[] = {{true, 120, 0, 0, 0, 4, 4},
                                     {true, 90, 17.25, 4, 0.3125, 4, 4},
                                     {true, 174, 3.5, 1, 0.5, 7, 8},
                                     {true, 120, -2.75, -1, 0.3125, 4, 4},
                                     {false, 140, 8, 2, 0, 3, 4},
                                     {true, nan, 8, 2, 0, 4, 4},
                                     {true, 0, 8, 2, 0, 4, 4},
                                     {true, 1001, 8, 2, 0, 4, 4},
                                     {true, 100, inf, 2, 0, 0, 4},
                                     {true, 100, 5e9, 3e9, 0.5, 4, nan},
                                     {true, 100, 9, 2, 1.5, 4, 4},
                                     {true, 100, nan, nan, nan, nan, nan},
                                     {true, 133.3, 1e6 + 0.1, 25e4, 0.025, 4, 4}};
  const float choices[] = {0.0f, 0.33f, 0.331f, 0.5f, 0.66f, 0.661f, 1.0f, 0.2f, 0.9f};
  const std::int32_t lengths[] = {1, 63, 64, 511, 512, 700, 1024, 4096, 0, 7};
  std::mt19937 random(99), song(7);
  for (float sampleRate : {22050.0f, 44100.0f, 48000.0f, 96000.0f})
    for (std::int32_t run = 0; run < 60; ++run) {
      const WindowPolicy policy = run % 2 == 0 ? WindowPolicy::perBlock : WindowPolicy::continuous;
      SignalPath path{policy};
      ReferenceSignalPath reference{policy};
      ParameterValues values = programValues(run % numPrograms);
      for (std::int32_t block = 0; block < 12; ++block) {
        if (block % 3 == 0)
          for (float& value : values) value = choices[random() % std::size(choices)];
        const std::int32_t frames = lengths[random() % std::size(lengths)];
        const OutputRule rule = block % 2 == 1 ? OutputRule::accumulate : OutputRule::replace;
        Stereo input(noise(frames, random()), noise(frames, random()));
        Stereo output(noise(frames, 1000 + block), noise(frames, 2000 + block)), expected = output;
        const bool synced = run % 3 != 0;
        const auto sync = synced ? static_cast<std::int32_t>(song() % lfoSyncSettingCount) : lfoSyncFree;
        const TransportReport* report = synced && song() % 3 != 0 ? &reports[song() % std::size(reports)] : nullptr;
        path.processBlock(values, sampleRate, input.channels, output.channels, frames, rule, {sync, report});
        reference.process(values, sampleRate, input.channels, expected.channels, frames, rule, sync, report);
        ASSERT_EQ(output.left, expected.left) << sampleRate << " run " << run << " block " << block;
        ASSERT_EQ(output.right, expected.right) << sampleRate << " run " << run << " block " << block;
        for (std::int32_t c = 0; c < 2; ++c) {
          const ChannelState& state = path.state().channels[c];
          ASSERT_EQ(state.lfo.lfoPhase, reference.lfoPhase[c]);
          ASSERT_EQ(state.tracker.trackLevel, reference.trackLevel[c]);
          ASSERT_EQ(state.filter.freqCoef, reference.freqCoef[c]);
          ASSERT_EQ(state.lfo.lfoResValue, reference.lfoResValue[c]);
          ASSERT_EQ(state.lfo.lfoCutValue, reference.lfoCutValue[c]);
        }
      }
    }
}

}  // namespace

}  // namespace sweepfilter
