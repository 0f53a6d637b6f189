// Instances: many in a row, many at once on their own threads, and each
// one's state its own.
#include <cstring>
#include <thread>
#include <vector>

#include "BlockRun.h"
#include "Checks.h"
#include "GuardedText.h"
#include "ValidatorWindows.h"

namespace sweepfilter {

namespace {
constexpr const char* panelClassName = "PluginWindowClass";

void manyInARow(Check& check, ValidationContext& context) {
  const int count = 100;
  int closedWithOne = 0;
  for (int i = 0; i < count; ++i) {
    PluginInstance instance = context.library.createInstance();
    if (!instance) return check.fail(formatText("instance %d: %s", i + 1, context.library.error().c_str()));
    const PluginDescriptor* d = instance.descriptor();
    if (d->parameterCount != context.parameterCount || d->programCount != context.programCount)
      check.fail(formatText("instance %d: %d parameters and %d programs, the first had %d and %d", i + 1,
                            d->parameterCount, d->programCount, context.parameterCount, context.programCount));
    const HostWord answer = instance.close();
    if (answer == 1)
      ++closedWithOne;
    else
      check.fail(formatText("instance %d: close answered %lld, not 1", i + 1, static_cast<long long>(answer)));
  }
  check.figure(formatText("%d instances created and closed, close answered 1 each time: %s", count,
                          closedWithOne == count ? "yes" : "no"));
}

// Each instance gets its own program and cutoff-like value, processes on its
// own thread, and must still hold exactly its own values afterwards.
void eightAtOnce(Check& check, ValidationContext& context) {
  constexpr int count = 8;
  const int blocks = context.scaled(400, 60);
  std::vector<PluginInstance> instances;
  for (int i = 0; i < count; ++i) {
    instances.push_back(context.library.createInstance());
    if (!instances.back()) return check.fail(formatText("instance %d: %s", i + 1, context.library.error().c_str()));
  }
  std::vector<std::string> problems(count);
  std::vector<std::thread> threads;
  for (int i = 0; i < count; ++i) {
    const std::uint32_t seed = context.seed + static_cast<std::uint32_t>(i);
    threads.emplace_back([&, i, seed] {
      const PluginInstance& instance = instances[i];
      std::mt19937 rng(seed);
      instance.selectProgram(i % context.programCount);
      instance.set(context.parameterCount - 1, 0.1f * static_cast<float>(i + 1) / count);
      StereoBuffers buffers(512, false);
      for (int block = 0; block < blocks && problems[i].empty(); ++block) {
        testSignal::noise(buffers.inputs()[0], 512, rng);
        testSignal::noise(buffers.inputs()[1], 512, rng);
        const OutputRule entry = block % 2 ? OutputRule::accumulate : OutputRule::replace;
        const BlockRun run = runBlock(instance, entry, buffers, 512);
        if (std::string p = run.problems(fullScaleOutputBound); !p.empty())
          problems[i] = formatText("instance %d, block %d: %s", i + 1, block, p.c_str());
      }
    });
  }
  for (std::thread& t : threads) t.join();
  for (int i = 0; i < count; ++i) {
    if (!problems[i].empty()) check.fail(problems[i]);
    const float expected = 0.1f * static_cast<float>(i + 1) / count;
    if (instances[i].program() != i % context.programCount || instances[i].get(context.parameterCount - 1) != expected)
      check.fail(formatText("instance %d no longer holds its own program and value", i + 1));
  }
  check.figure(formatText("%d instances, %d blocks of 512 each on its own thread", count, blocks));
}

// Two instances with the same history must give the same bits whatever a
// third one is doing in between; values, programs and names set in one are
// not seen in another.
void independence(Check& check, ValidationContext& context) {
  PluginInstance loud = context.library.createInstance(), twinA = context.library.createInstance(),
                 twinB = context.library.createInstance();
  if (!loud || !twinA || !twinB) return check.fail(context.library.error());

  const std::int32_t last = context.parameterCount - 1;
  const float before = twinA.get(0);
  loud.set(0, before == 0.25f ? 0.75f : 0.25f);
  if (twinA.get(0) != before) check.fail("a value set in one instance showed in another");
  loud.selectProgram(context.programCount - 1);
  if (twinA.program() != 0) check.fail("a program selected in one instance showed in another");
  char name[] = "renamed by the validator";
  loud.dispatch(opRenameProgram, 0, 0, name);
  if (readText(twinA, opGetProgramName).text == name) check.fail("a program renamed in one instance showed in another");

  std::mt19937 rng(context.seed);
  StereoBuffers quiet(1024, false), noisy(1024, false);
  int blocks = 0;
  for (; blocks < context.scaled(200, 40) && !check.failed(); ++blocks) {
    testSignal::noise(quiet.inputs()[0], 1024, rng, 0.1f);
    testSignal::noise(quiet.inputs()[1], 1024, rng, 0.1f);
    testSignal::square(noisy.inputs()[0], 1024, 7);
    testSignal::square(noisy.inputs()[1], 1024, 5);
    loud.set(blocks % (last + 1), static_cast<float>(blocks % 7) / 6.0f);
    runBlock(twinA, OutputRule::replace, quiet, 1024);
    std::vector<float> first(quiet.outputs()[0], quiet.outputs()[0] + 1024);
    first.insert(first.end(), quiet.outputs()[1], quiet.outputs()[1] + 1024);
    runBlock(loud, OutputRule::replace, noisy, 1024);
    runBlock(twinB, OutputRule::replace, quiet, 1024);
    if (std::memcmp(first.data(), quiet.outputs()[0], 1024 * sizeof(float)) != 0 ||
        std::memcmp(first.data() + 1024, quiet.outputs()[1], 1024 * sizeof(float)) != 0)
      check.fail(
          formatText("block %d: two instances with the same history gave different output while a third "
                     "processed in between",
                     blocks));
  }
  check.figure(formatText("%d blocks of two twins, bit-identical, with a third instance between them", blocks));
}

void windowClassGone(Check& check, ValidationContext& context) {
  if (!context.hasEditor) return check.skip("no editor");
  {
    const ValidatorFrame frame;
    PluginInstance first = context.library.createInstance(), second = context.library.createInstance();
    if (!first || !second) return check.fail(context.library.error());
    EditorHolder windows[2] = {editorHolderIn(frame, 400, 300), editorHolderIn(frame, 400, 300)};
    first.openEditor(windows[0].handle());
    second.openEditor(windows[1].handle());
    pumpMessages();
    first.closeEditor();
    second.closeEditor();
    for (EditorHolder& window : windows) window.destroy();
  }
  WNDCLASSA info;
  if (GetClassInfoA(context.module, panelClassName, &info))
    check.fail(formatText("window class \"%s\" still registered after every instance closed", panelClassName));
  check.figure("two panels opened and closed, no window class left registered");
}
}  // namespace

void instanceChecks(CheckRunner& runner, ValidationContext& context) {
  runner.run("instances: 100 in a row", [&](Check& c) { manyInARow(c, context); });
  runner.run("instances: 8 alive at once, each on its own thread", [&](Check& c) { eightAtOnce(c, context); });
  runner.run("instances: independent", [&](Check& c) { independence(c, context); });
  runner.run("instances: window class gone when all are closed", [&](Check& c) { windowClassGone(c, context); });
}

}  // namespace sweepfilter
