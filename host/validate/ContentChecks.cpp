// Audio content: long silence, subnormal input, full-scale shapes, NaN and
// infinity bursts. Timing is compared only as ratios of medians between runs
// of the same instance, where a gross fault (denormal arithmetic costs tens of
// times more) stands far above a loaded machine's noise.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "BlockRun.h"
#include "Checks.h"

namespace sweepfilter {

namespace {
constexpr std::int32_t blockFrames = 512;
constexpr double slowdownLimit = 2.0;

double nowMicroseconds() {
  static const double ticksPerMicrosecond = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1e6;
  }();
  LARGE_INTEGER ticks;
  QueryPerformanceCounter(&ticks);
  return static_cast<double>(ticks.QuadPart) / ticksPerMicrosecond;
}

double median(std::vector<double> values) {
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

using Fill = std::function<void(float* samples, std::int32_t frames)>;

// Processes `blocks` blocks of the signal, checking each, and answers each
// block's time in microseconds.
std::vector<double> timedBlocks(Check& check, const PluginInstance& instance, StereoBuffers& buffers, int blocks,
                                const Fill& fill, const char* what) {
  std::vector<double> times;
  for (int block = 0; block < blocks; ++block) {
    fill(buffers.inputs()[0], blockFrames);
    fill(buffers.inputs()[1], blockFrames);
    buffers.sealInputs();
    const double start = nowMicroseconds();
    instance.process(OutputRule::replace, buffers.inputs(), buffers.outputs(), blockFrames);
    times.push_back(nowMicroseconds() - start);
    SampleFacts facts;
    facts.scan(buffers.outputs(), blockFrames);
    std::string p = buffers.damage();
    if (p.empty()) p = facts.problems(fullScaleOutputBound);
    if (!p.empty()) check.fail(formatText("%s, block %d: %s", what, block, p.c_str()));
  }
  return times;
}

// One block of noise, then 10 s of silence at 44.1 kHz: no subnormal output,
// and silent blocks no slower than twice the noise blocks.
void silenceAfterNoise(Check& check, ValidationContext& context, bool hard) {
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  const std::int32_t window = instance.findParameter("Soft/Hard");
  if (window < 0) return check.skip("the plug-in has no \"Soft/Hard\" parameter");
  instance.set(window, hard ? 1.0f : 0.0f);
  instance.setSampleRate(44100.0f);
  instance.setBlockSize(blockFrames);
  StereoBuffers buffers(blockFrames, false);
  const Fill noise = [&](float* s, std::int32_t n) { testSignal::noise(s, n, context.rng); };
  const Fill silence = [](float* s, std::int32_t n) { testSignal::constant(s, n, 0.0f); };
  const std::vector<double> noisy = timedBlocks(check, instance, buffers, 200, noise, "noise");
  timedBlocks(check, instance, buffers, 1, noise, "the last noise block");
  const int silentBlocks = (10 * 44100 + blockFrames - 1) / blockFrames;
  const std::vector<double> silent = timedBlocks(check, instance, buffers, silentBlocks, silence, "silence");
  const double ratio = median(silent) / median(noisy);
  if (ratio > slowdownLimit) check.fail(formatText("silent blocks take %.1f times as long as noise blocks", ratio));
  check.figure(formatText("%d silent blocks of %d: median %.1f us against %.1f us for noise, ratio %.2f", silentBlocks,
                          blockFrames, median(silent), median(noisy), ratio));
}

void subnormalInput(Check& check, ValidationContext& context) {
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  StereoBuffers buffers(blockFrames, false);
  const Fill noise = [&](float* s, std::int32_t n) { testSignal::noise(s, n, context.rng); };
  const Fill tiny = [&](float* s, std::int32_t n) { testSignal::subnormal(s, n, context.rng); };
  const std::vector<double> noisy = timedBlocks(check, instance, buffers, 50, noise, "noise");
  const std::vector<double> subnormal = timedBlocks(check, instance, buffers, 50, tiny, "subnormal input");
  const double ratio = median(subnormal) / median(noisy);
  if (ratio > slowdownLimit) check.fail(formatText("subnormal input takes %.1f times as long as noise", ratio));
  check.figure(formatText("50 blocks each: median %.1f us subnormal against %.1f us noise, ratio %.2f",
                          median(subnormal), median(noisy), ratio));
}

void fullScaleShapes(Check& check, ValidationContext& context) {
  const std::pair<const char*, Fill> shapes[] = {
      {"square", [](float* s, std::int32_t n) { testSignal::square(s, n, 100); }},
      {"fast square", [](float* s, std::int32_t n) { testSignal::square(s, n, 4); }},
      {"DC +1", [](float* s, std::int32_t n) { testSignal::constant(s, n, 1.0f); }},
      {"DC -1", [](float* s, std::int32_t n) { testSignal::constant(s, n, -1.0f); }},
      {"impulses", [](float* s, std::int32_t n) { testSignal::impulses(s, n, 300); }},
  };
  float peak = 0.0f;
  for (const auto& [name, fill] : shapes)
    for (std::int32_t program = 0; program < context.programCount; ++program) {
      PluginInstance instance = context.library.createInstance();
      if (!instance) return check.fail(context.library.error());
      instance.selectProgram(program);
      StereoBuffers buffers(blockFrames, false);
      for (int block = 0; block < 40; ++block) {
        fill(buffers.inputs()[0], blockFrames);
        fill(buffers.inputs()[1], blockFrames);
        const BlockRun run =
            runBlock(instance, block % 2 ? OutputRule::accumulate : OutputRule::replace, buffers, blockFrames);
        peak = std::max(peak, run.facts.peak);
        if (std::string p = run.problems(fullScaleOutputBound); !p.empty())
          check.fail(formatText("%s, program %d, block %d: %s", name, program, block, p.c_str()));
      }
    }
  check.figure(formatText("%zu shapes x %d programs, 40 blocks each, peak %.3g of %.3g allowed", std::size(shapes),
                          context.programCount, static_cast<double>(peak), static_cast<double>(fullScaleOutputBound)));
}

// A burst of NaN or infinite input; the next clean block must be finite.
void nonFiniteBursts(Check& check, ValidationContext& context) {
  const float nan = std::nanf("");
  const std::pair<const char*, Fill> bursts[] = {
      {"NaN", [=](float* s, std::int32_t n) { testSignal::constant(s, n, nan); }},
      {"+Inf", [](float* s, std::int32_t n) { testSignal::constant(s, n, INFINITY); }},
      {"-Inf", [](float* s, std::int32_t n) { testSignal::constant(s, n, -INFINITY); }},
      {"one NaN sample",
       [=](float* s, std::int32_t n) {
         testSignal::constant(s, n, 0.5f);
         s[n / 3] = nan;
       }},
      {"infinities of both signs",
       [](float* s, std::int32_t n) {
         for (std::int32_t i = 0; i < n; ++i) s[i] = i % 2 ? INFINITY : -INFINITY;
       }},
  };
  int recoveries = 0;
  for (const auto& [name, fill] : bursts)
    for (std::int32_t program = 0; program < context.programCount; ++program)
      for (OutputRule entry : {OutputRule::replace, OutputRule::accumulate}) {
        PluginInstance instance = context.library.createInstance();
        if (!instance) return check.fail(context.library.error());
        instance.selectProgram(program);
        StereoBuffers buffers(blockFrames, false);
        for (int block = 0; block < 3; ++block) {  // the filter running on real signal first
          testSignal::noise(buffers.inputs()[0], blockFrames, context.rng);
          testSignal::noise(buffers.inputs()[1], blockFrames, context.rng);
          runBlock(instance, entry, buffers, blockFrames);
        }
        fill(buffers.inputs()[0], blockFrames);
        fill(buffers.inputs()[1], blockFrames);
        if (std::string p = runBlock(instance, entry, buffers, blockFrames).damage; !p.empty())
          check.fail(formatText("%s burst: %s", name, p.c_str()));
        testSignal::noise(buffers.inputs()[0], blockFrames, context.rng);
        testSignal::noise(buffers.inputs()[1], blockFrames, context.rng);
        const BlockRun clean = runBlock(instance, entry, buffers, blockFrames);
        if (std::string p = clean.problems(fullScaleOutputBound); !p.empty())
          check.fail(formatText("%s burst, program %d, %s: the next clean block: %s", name, program,
                                outputRuleName(entry), p.c_str()));
        else
          ++recoveries;
      }
  check.figure(formatText("%zu kinds of burst x %d programs x 2 entries: %d clean blocks finite right after",
                          std::size(bursts), context.programCount, recoveries));
}
}  // namespace

void contentChecks(CheckRunner& runner, ValidationContext& context) {
  runner.run("content: noise then 10 s silence, SOFT", [&](Check& c) { silenceAfterNoise(c, context, false); });
  runner.run("content: noise then 10 s silence, HARD", [&](Check& c) { silenceAfterNoise(c, context, true); });
  runner.run("content: subnormal input against noise", [&](Check& c) { subnormalInput(c, context); });
  runner.run("content: full-scale square, DC and impulses", [&](Check& c) { fullScaleShapes(c, context); });
  runner.run("content: NaN and infinity bursts", [&](Check& c) { nonFiniteBursts(c, context); });
}

}  // namespace sweepfilter
