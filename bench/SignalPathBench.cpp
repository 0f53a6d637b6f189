#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <lv2/core/lv2.h>

#include <cstdint>
#include <random>
#include <vector>

#include "BundleFacts.h"
#include "ClapHost.h"
#include "FactoryPrograms.h"
#include "PortValues.h"
#include "LfoSync.h"
#include "ResonantFilter.h"
#include "SongTransport.h"
#include "SweepFilterEffect.h"

namespace sweepfilter {

namespace {

constexpr double sampleRate = 44100.0;

// Full-scale noise on two channels, longer than the largest block.
struct Signal {
  std::vector<float> left, right, outLeft, outRight;
  float* inputs[2];
  float* outputs[2];

  explicit Signal(std::size_t length) : left(length), right(length), outLeft(length), outRight(length) {
    std::mt19937 generator(1);
    std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
    for (std::size_t i = 0; i < length; ++i) {
      left[i] = uniform(generator);
      right[i] = uniform(generator);
    }
    inputs[0] = left.data();
    inputs[1] = right.data();
    outputs[0] = outLeft.data();
    outputs[1] = outRight.data();
  }
};

// ns per stereo frame, and how many times faster than real time at 44.1 kHz.
void reportPerFrame(benchmark::State& state, std::int64_t frames) {
  const double total = static_cast<double>(state.iterations()) * static_cast<double>(frames);
  state.counters["per_frame"] = benchmark::Counter(total, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["x_realtime"] = benchmark::Counter(total / sampleRate, benchmark::Counter::kIsRate);
}

// Times one block of `frames` (block()), after a few untimed ones that settle
// the caches and the state.
template <typename Block>
void timeBlocks(benchmark::State& state, std::int64_t frames, Block block) {
  for (std::int32_t warmUp = 0; warmUp < 16; ++warmUp) block();
  for (auto _ : state) {
    block();
    benchmark::ClobberMemory();
  }
  reportPerFrame(state, frames);
}

// processReplace of a factory program: range(0) program, range(1) block size.
void processReplace(benchmark::State& state) {
  const auto frames = static_cast<std::int32_t>(state.range(1));
  SweepFilterEffect effect(nullptr);
  effect.dispatch(opSelectProgram, 0, state.range(0), nullptr, 0.0f);
  effect.dispatch(opSetSampleRate, 0, 0, nullptr, static_cast<float>(sampleRate));
  Signal signal(static_cast<std::size_t>(frames));
  timeBlocks(state, frames, [&] { effect.processReplace(signal.inputs, signal.outputs, frames); });
}

// The LV2 plug-in's run, loaded from the built bundle as a host loads it:
// range(0) program (its preset's port values), range(1) block size, range(2)
// "LFO sync" (a host sends a song position only where the song jumps, so a
// synced run between positions is what this times).
void lv2Run(benchmark::State& state) {
  void* library = dlopen(SWEEPFILTER_LV2_BINARY, RTLD_NOW | RTLD_LOCAL);
  const auto entry = library ? reinterpret_cast<LV2_Descriptor_Function>(dlsym(library, "lv2_descriptor")) : nullptr;
  if (!entry) return state.SkipWithError("cannot load " SWEEPFILTER_LV2_BINARY);
  const LV2_Descriptor* descriptor = entry(0);
  LV2_Handle instance = descriptor->instantiate(descriptor, sampleRate, "", nullptr);
  const auto frames = static_cast<std::int32_t>(state.range(1));
  float controls[numParameters];
  for (std::int32_t index = 0; index < numParameters; ++index) {
    controls[index] = *sweepfilter::portValueOf(index, factoryPrograms[state.range(0)].values[index]);
    descriptor->connect_port(instance, static_cast<std::uint32_t>(index), &controls[index]);
  }
  auto sync = static_cast<float>(state.range(2));
  descriptor->connect_port(instance, sweepfilter::lfoSyncPort, &sync);
  Signal signal(static_cast<std::size_t>(frames));
  descriptor->connect_port(instance, sweepfilter::audioInLeftPort, signal.inputs[0]);
  descriptor->connect_port(instance, sweepfilter::audioInRightPort, signal.inputs[1]);
  descriptor->connect_port(instance, sweepfilter::audioOutLeftPort, signal.outputs[0]);
  descriptor->connect_port(instance, sweepfilter::audioOutRightPort, signal.outputs[1]);
  descriptor->activate(instance);
  timeBlocks(state, frames, [&] { descriptor->run(instance, static_cast<std::uint32_t>(frames)); });
  descriptor->cleanup(instance);
  dlclose(library);
}

// The CLAP plug-in's process, loaded from the built file through plughost's
// CLAP host: range(0) program (its preset), range(1) block size.
void clapProcess(benchmark::State& state) {
  const ClapLibrary library(SWEEPFILTER_CLAP_FILE);
  if (!library.entry()) return state.SkipWithError(library.error().c_str());
  HostedPlugin hosted(library);
  const auto* load = hosted.extension<clap_plugin_preset_load>(CLAP_EXT_PRESET_LOAD);
  const std::string key = library.discoverPresets().at(static_cast<std::size_t>(state.range(0))).loadKey;
  load->from_location(hosted.plugin(), CLAP_PRESET_DISCOVERY_LOCATION_PLUGIN, nullptr, key.c_str());
  const auto frames = static_cast<std::uint32_t>(state.range(1));
  hosted.activate(sampleRate, frames);
  Signal signal(frames);
  timeBlocks(state, frames, [&] { hosted.process(signal.inputs, signal.outputs, frames); });
}

// The same with a song playing at 120 BPM, its transport at every block's
// start: program 4, range(0) "LFO sync" (FREE, or a setting that locks to
// every report), range(1) block size.
void clapSong(benchmark::State& state) {
  const ClapLibrary library(SWEEPFILTER_CLAP_FILE);
  if (!library.entry()) return state.SkipWithError(library.error().c_str());
  HostedPlugin hosted(library);
  const auto* load = hosted.extension<clap_plugin_preset_load>(CLAP_EXT_PRESET_LOAD);
  load->from_location(hosted.plugin(), CLAP_PRESET_DISCOVERY_LOCATION_PLUGIN, nullptr,
                      library.discoverPresets().at(4).loadKey.c_str());
  hosted.queueValue(lfoSyncId, static_cast<double>(state.range(0)));
  const auto frames = static_cast<std::uint32_t>(state.range(1));
  hosted.activate(sampleRate, frames);
  Signal signal(frames);
  const SongTransport song{120.0, 4, 4, 0.0, sampleRate};
  std::int64_t at = 0;
  timeBlocks(state, frames, [&] {
    const clap_event_transport transport = song.at(at);
    hosted.process(signal.inputs, signal.outputs, frames, &transport);
    at += frames;
  });
}

// The floor: only the two-stage filter step for both channels on the same
// data, with the coefficients of a typical control update.
void bareFilter(benchmark::State& state) {
  const auto frames = static_cast<std::int32_t>(state.range(0));
  Signal signal(static_cast<std::size_t>(frames));
  ResonantFilter left, right;
  left.freqCoef = right.freqCoef = 0.64115f;
  left.damping = right.damping = 0.16026f;
  timeBlocks(state, frames, [&] {
    ResonantFilter l = left, r = right;
    for (std::int32_t i = 0; i < frames; ++i) {
      signal.outLeft[i] = l.step(signal.left[i]);
      signal.outRight[i] = r.step(signal.right[i]);
    }
    left = l;
    right = r;
  });
}

BENCHMARK(bareFilter)->ArgName("block")->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK(processReplace)->ArgNames({"program", "block"})->ArgsProduct({{0, 1, 2, 3, 4}, {64, 512, 4096}});
BENCHMARK(lv2Run)->ArgNames({"program", "block", "sync"})->ArgsProduct({{0, 1, 2, 3, 4}, {64, 512, 4096}, {0}});
BENCHMARK(lv2Run)->ArgNames({"program", "block", "sync"})->ArgsProduct({{4}, {64, 512}, {6}});
BENCHMARK(clapProcess)->ArgNames({"program", "block"})->ArgsProduct({{0, 1, 2, 3, 4}, {64, 512}});
BENCHMARK(clapSong)->ArgNames({"sync", "block"})->ArgsProduct({{lfoSyncFree, 6}, {64, 512}});

}  // namespace

}  // namespace sweepfilter
