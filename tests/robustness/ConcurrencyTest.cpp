// The effect's threads as a host uses them: parameter automation on one
// thread, audio on another, texts read on a third and idle calls on the
// user-interface thread, all at once. Built natively and under
// ThreadSanitizer, which fails the run on any data race.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

#include "EffectBase.h"
#include "PluginMain.h"
#include "QuietHost.h"

namespace sweepfilter {

namespace {
struct Counts {
  std::atomic<long> sets{0};
  std::atomic<long> texts{0};
  std::atomic<long> idles{0};
};

// Runs `work` over and over on its own thread until `stop` is raised.
template <typename Work>
std::thread repeatUntil(const std::atomic<bool>& stop, Work work) {
  return std::thread([&stop, work]() mutable {
    while (!stop.load()) work();
  });
}

TEST(Concurrency, AutomationAudioTextsAndIdleAtOnce) {
  PluginDescriptor* d = pluginMain(quietHost);
  ASSERT_NE(d, nullptr);
  std::atomic<bool> stop{false};
  Counts counts;

  // The only writer: what it stores it must read back, whatever the others do.
  std::mt19937 setterRng(1);
  std::atomic<long> lostValues{0};
  std::thread setter = repeatUntil(stop, [&] {
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const auto index = static_cast<std::int32_t>(setterRng() % 12);
    const float value = unit(setterRng);
    d->setParameterEntry(d, index, value);
    if (d->getParameterEntry(d, index) != value) ++lostValues;
    if (setterRng() % 32 == 0) d->dispatchEntry(d, opSelectProgram, 0, setterRng() % 5, nullptr, 0.0f);
    ++counts.sets;
  });
  std::thread reader = repeatUntil(stop, [&] {
    char text[64];
    for (std::int32_t i = 0; i < 12; ++i) {
      for (std::int32_t opcode : {opGetParameterName, opGetParameterLabel, opGetParameterText})
        d->dispatchEntry(d, opcode, i, 0, text, 0.0f);
      d->getParameterEntry(d, i);
    }
    d->dispatchEntry(d, opGetProgramName, 0, 0, text, 0.0f);
    d->dispatchEntry(d, opGetProgram, 0, 0, nullptr, 0.0f);
    ++counts.texts;
  });
  std::thread idler = repeatUntil(stop, [&] {
    d->dispatchEntry(d, opEditorIdle, 0, 0, nullptr, 0.0f);
    ++counts.idles;
  });

  // The audio thread is this one: at least a fixed amount of work, checked as
  // it goes, and on until every other thread has made a call during it (a
  // loaded machine may not schedule them for a while).
  std::mt19937 audioRng(2);
  std::uniform_real_distribution<float> fullScale(-1.0f, 1.0f);
  std::vector<float> left(256), right(256), outLeft(256), outRight(256);
  float* inputs[2] = {left.data(), right.data()};
  float* outputs[2] = {outLeft.data(), outRight.data()};
  long nonFinite = 0;
  auto othersAllCalled = [&] { return counts.sets.load() > 0 && counts.texts.load() > 0 && counts.idles.load() > 0; };
  for (int block = 0; block < 2000 || !othersAllCalled(); ++block) {
    for (std::size_t i = 0; i < left.size(); ++i) left[i] = fullScale(audioRng), right[i] = fullScale(audioRng);
    (block % 2 ? d->processAccumulateEntry : d->processReplaceEntry)(d, inputs, outputs, 256);
    for (const float* channel : outputs)
      for (int i = 0; i < 256; ++i) nonFinite += !std::isfinite(channel[i]);
    if (block % 2) std::fill(outLeft.begin(), outLeft.end(), 0.0f), std::fill(outRight.begin(), outRight.end(), 0.0f);
  }
  stop = true;
  for (std::thread* t : {&setter, &reader, &idler}) t->join();
  d->dispatchEntry(d, opClose, 0, 0, nullptr, 0.0f);

  EXPECT_EQ(nonFinite, 0);
  EXPECT_EQ(lostValues.load(), 0);
}

// The same automation made between blocks on the audio thread gives the same
// bits whether or not other threads read texts and make idle calls meanwhile.
std::vector<float> automatedRun(bool withReaders) {
  PluginDescriptor* d = pluginMain(quietHost);
  std::atomic<bool> stop{false};
  std::vector<std::thread> readers;
  if (withReaders) {
    readers.push_back(repeatUntil(stop, [d] {
      char text[64];
      for (std::int32_t i = 0; i < 12; ++i) {
        d->dispatchEntry(d, opGetParameterText, i, 0, text, 0.0f);
        d->getParameterEntry(d, i);
      }
    }));
    readers.push_back(repeatUntil(stop, [d] { d->dispatchEntry(d, opEditorIdle, 0, 0, nullptr, 0.0f); }));
  }
  std::mt19937 rng(3);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  std::vector<float> left(128), right(128), output;
  float* inputs[2] = {left.data(), right.data()};
  for (int block = 0; block < 400; ++block) {
    d->setParameterEntry(d, static_cast<std::int32_t>(rng() % 12), unit(rng));
    for (std::size_t i = 0; i < left.size(); ++i) left[i] = 2.0f * unit(rng) - 1.0f, right[i] = 2.0f * unit(rng) - 1.0f;
    std::vector<float> outLeft(128), outRight(128);
    float* outputs[2] = {outLeft.data(), outRight.data()};
    d->processReplaceEntry(d, inputs, outputs, 128);
    output.insert(output.end(), outLeft.begin(), outLeft.end());
    output.insert(output.end(), outRight.begin(), outRight.end());
  }
  stop = true;
  for (std::thread& t : readers) t.join();
  d->dispatchEntry(d, opClose, 0, 0, nullptr, 0.0f);
  return output;
}

TEST(Concurrency, ReadersAndIdleCallsLeaveTheSoundAsASingleThreadMakesIt) {
  const std::vector<float> alone = automatedRun(false);
  const std::vector<float> shared = automatedRun(true);
  ASSERT_EQ(alone.size(), shared.size());
  EXPECT_EQ(std::memcmp(alone.data(), shared.data(), alone.size() * sizeof(float)), 0);
}
}  // namespace

}  // namespace sweepfilter
