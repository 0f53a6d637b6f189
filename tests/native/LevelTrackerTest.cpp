#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "SignalTestSupport.h"

namespace sweepfilter {

namespace {

// A block whose left samples are `first` up to sample `split` and `rest` after it.
struct TrackedBlock {
  std::int32_t frames;
  float first;
  std::int32_t split;
  float rest;
};

struct Case {
  const char* name;
  float levelTrack, softHard;
  std::vector<TrackedBlock> blocks;
  float expected;  // trackLevel of the left channel after the blocks
  float tolerance;
};

float trackedLevel(const Case& c) {
  SignalPath path{WindowPolicy::perBlock};
  ParameterValues values = programValues(2);
  values[paramLevelTrack] = c.levelTrack;
  values[paramSoftHard] = c.softHard;
  for (const TrackedBlock& block : c.blocks) {
    std::vector<float> left(static_cast<std::size_t>(block.frames), block.rest);
    std::fill_n(left.begin(), std::min(block.split, block.frames), block.first);
    replaceBlock(path, values, 44100.0f, Stereo(left, std::vector<float>(left.size(), 0.0f)));
  }
  return path.state().channels[0].tracker.trackLevel;
}

TEST(LevelTracker, WindowMeans) {
  const float third = 1.0f / 3.0f;  // a tracker gain of 1: the level is twice the mean
  const Case cases[] = {
      {"constant 0.5 at 50 %", 0.5f, 0.0f, {{512, 0.5f, 512, 0.0f}}, 1.5f, 1e-5f},
      {"silence", 1.0f, 0.0f, {{512, 0.0f, 512, 0.0f}}, 6e-7f, 1e-10f},
      {"HARD: samples 65 to 100 dropped", third, 1.0f, {{100, 0.25f, 64, 1.0f}}, 0.5f, 1e-5f},
      {"dropped samples are not carried over",
       third,
       1.0f,
       {{100, 0.25f, 64, 1.0f}, {64, 0.125f, 64, 0.0f}},
       0.25f,
       1e-5f},
      {"SOFT: 511 samples complete no window",
       third,
       0.0f,
       {{512, 0.25f, 512, 0.0f}, {511, 1.0f, 511, 0.0f}},
       0.5f,
       1e-5f},
      {"the last complete window counts", third, 0.0f, {{1100, 0.25f, 600, 0.5f}}, 1.0f - 44.0f / 512, 1e-5f},
  };
  for (const Case& c : cases) EXPECT_NEAR(trackedLevel(c), c.expected, c.tolerance) << c.name;
}

// Mean |sin| is 2/pi, so full scale at 100 % gives 12/pi = 3.82.
TEST(LevelTracker, FullScaleSineAndIndependentChannels) {
  SignalPath path{WindowPolicy::perBlock};
  ParameterValues values = programValues(2);
  values[paramLevelTrack] = 1.0f;
  std::vector<float> sine(512);
  for (std::size_t i = 0; i < sine.size(); ++i) sine[i] = static_cast<float>(std::sin(2 * std::numbers::pi * i / 64));
  replaceBlock(path, values, 44100.0f, Stereo(sine, std::vector<float>(512, 0.25f)));
  EXPECT_NEAR(path.state().channels[0].tracker.trackLevel, 12 / std::numbers::pi, 0.01);
  EXPECT_NEAR(path.state().channels[1].tracker.trackLevel, 1.5f, 1e-5f);
}

}  // namespace

}  // namespace sweepfilter
