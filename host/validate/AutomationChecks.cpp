// Automation: parameter sets between short calls, values no user can dial,
// and the host's round trip of all values.
#include <cfloat>
#include <cmath>
#include <vector>

#include "BlockRun.h"
#include "Checks.h"
#include "GuardedText.h"

namespace sweepfilter {

namespace {
// Where this kind of plug-in decides: the input floor, the three-way
// thresholds and the two-way one.
const float thresholds[] = {0.05f, 0.33f, 0.5f, 0.66f};

std::vector<float> extremeValues() {
  std::vector<float> values = {0.0f,  -0.0f,   1.0f,        -1.0f,        -0.25f,        1.5f,     2.0f,     1e6f,
                               -1e6f, FLT_MAX, FLT_MIN / 4, -FLT_MIN / 4, std::nanf(""), INFINITY, -INFINITY};
  for (float t : thresholds) {
    values.push_back(std::nextafter(t, 0.0f));
    values.push_back(t);
    values.push_back(std::nextafter(t, 1.0f));
  }
  return values;
}

// A random value a host might send: mostly anywhere in 0..1, sometimes
// exactly on a threshold or an end.
float automationValue(std::mt19937& rng) {
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  if (rng() % 8 != 0) return unit(rng);
  const float exact[] = {0.0f, 1.0f, 0.05f, 0.33f, 0.5f, 0.66f};
  return exact[rng() % std::size(exact)];
}

void shortCallsWithSets(Check& check, ValidationContext& context) {
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  HostCallbackLog::takeChanges();
  constexpr std::int32_t frames = 32;
  const int calls = context.scaled(44100 * 10 / frames, 44100 * 2 / frames);
  StereoBuffers buffers(frames, false);
  long long sets = 0;
  float peak = 0.0f;
  for (int call = 0; call < calls; ++call) {
    const int count = static_cast<int>(context.rng() % 11);
    for (int i = 0; i < count; ++i, ++sets)
      instance.set(static_cast<std::int32_t>(context.rng() % context.parameterCount), automationValue(context.rng));
    testSignal::noise(buffers.inputs()[0], frames, context.rng);
    testSignal::noise(buffers.inputs()[1], frames, context.rng);
    const BlockRun run = runBlock(instance, call % 2 ? OutputRule::accumulate : OutputRule::replace, buffers, frames);
    peak = std::max(peak, run.facts.peak);
    if (std::string p = run.problems(fullScaleOutputBound); !p.empty())
      check.fail(formatText("call %d: %s", call, p.c_str()));
  }
  const std::size_t echoed = HostCallbackLog::takeChanges().size();
  if (echoed) check.fail(formatText("%zu of the host's own sets were reported back to the host", echoed));
  check.figure(formatText("%d calls of %d frames, %lld random sets before them, peak %.3g, none reported back", calls,
                          frames, sets, static_cast<double>(peak)));
}

std::string processNoise(const PluginInstance& instance, StereoBuffers& buffers, std::mt19937& rng, bool mustBeFinite) {
  testSignal::noise(buffers.inputs()[0], buffers.frames(), rng);
  testSignal::noise(buffers.inputs()[1], buffers.frames(), rng);
  const BlockRun run = runBlock(instance, OutputRule::replace, buffers, buffers.frames());
  if (!run.damage.empty()) return run.damage;
  return mustBeFinite && !run.facts.finite() ? "output not finite" : "";
}

// Each parameter alone takes each extreme value while audio runs, then gets
// its value back: the next block must be finite. Then all parameters at once,
// and a factory program again: its first block must be finite.
void extremeValuesWhileProcessing(Check& check, ValidationContext& context) {
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  const std::vector<float> values = extremeValues();
  StereoBuffers buffers(1024, false);
  const std::int32_t other = context.programCount > 1 ? 1 : 0;
  long long blocks = 0;
  for (std::int32_t index = 0; index < context.parameterCount; ++index) {
    const float original = instance.get(index);
    for (float value : values) {
      instance.set(index, value);
      const std::string label = formatText("parameter %d at %g", index, static_cast<double>(value));
      if (std::string p = processNoise(instance, buffers, context.rng, false); !p.empty()) check.fail(label + ": " + p);
      if (std::string p = readText(instance, opGetParameterText, index).problem; !p.empty())
        check.fail(label + ", its text: " + p);
      instance.set(index, original);
      if (std::string p = processNoise(instance, buffers, context.rng, true); !p.empty())
        check.fail(label + ", then back to its value: " + p);
      blocks += 2;
    }
  }
  for (float value : values) {
    instance.selectProgram(0);
    for (std::int32_t index = 0; index < context.parameterCount; ++index) instance.set(index, value);
    const std::string label = formatText("all parameters at %g", static_cast<double>(value));
    if (std::string p = processNoise(instance, buffers, context.rng, false); !p.empty()) check.fail(label + ": " + p);
    instance.selectProgram(other);
    if (std::string p = processNoise(instance, buffers, context.rng, true); !p.empty())
      check.fail(label + ", then program " + std::to_string(other) + ": " + p);
    blocks += 2;
  }
  check.figure(
      formatText("%zu values (ends, both sides of %zu thresholds, negative, above 1, 1e6, NaN, infinities, "
                 "subnormals) on %d parameters, %lld blocks; finite within one block each time",
                 values.size(), std::size(thresholds), context.parameterCount, blocks));
}

// Read all values, randomise, write the read values back, read again: the
// same bits. Once in the state the plug-in came with, once in a state a user
// left (which shows values stored in one place and read from another).
void hostStateRoundTrip(Check& check, ValidationContext& context) {
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  const auto randomise = [&] {
    for (std::int32_t i = 0; i < context.parameterCount; ++i) instance.set(i, unit(context.rng));
  };
  for (bool changedByUser : {false, true})
    for (std::int32_t program = 0; program < context.programCount; ++program) {
      const char* state = changedByUser ? "after a user's changes" : "as it came";
      instance.selectProgram(program);
      if (changedByUser) randomise();
      std::vector<float> read;
      for (std::int32_t i = 0; i < context.parameterCount; ++i) read.push_back(instance.get(i));
      randomise();
      for (std::int32_t i = 0; i < context.parameterCount; ++i) instance.set(i, read[i]);
      for (std::int32_t i = 0; i < context.parameterCount; ++i)
        if (!sameBits(instance.get(i), read[i]))
          check.fail(formatText("%s, program %d, parameter %d: wrote back %.9g, reads %.9g", state, program, i,
                                static_cast<double>(read[i]), static_cast<double>(instance.get(i))));
    }
  check.figure(
      formatText("%d programs x %d values, as they came and after random changes: read, randomised, "
                 "written back and read bit-identical",
                 context.programCount, context.parameterCount));
}
}  // namespace

void automationChecks(CheckRunner& runner, ValidationContext& context) {
  runner.run("automation: 32-frame calls with up to 10 sets before each",
             [&](Check& c) { shortCallsWithSets(c, context); });
  runner.run("automation: extreme values while processing",
             [&](Check& c) { extremeValuesWhileProcessing(c, context); });
  runner.run("automation: host-side state round trip", [&](Check& c) { hostStateRoundTrip(c, context); });
}

}  // namespace sweepfilter
