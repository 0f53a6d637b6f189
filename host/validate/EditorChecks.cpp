// The editor: hundreds of open/close cycles with their resource use, odd
// orders of opening, closing and destroying, panels beside audio and beside a
// host thread's automation.
#include <atomic>
#include <thread>

#include "BlockRun.h"
#include "Checks.h"
#include "ResourceUse.h"
#include "ValidatorWindows.h"

namespace sweepfilter {

namespace {
// Growth allowed over all cycles after the warm-up. A panel that leaked even
// one of its bitmaps per cycle (a 400 x 285 panel at 32 bits is 445 KB) or
// one window or GDI object would exceed these many times over.
constexpr std::int64_t allowedGdiGrowth = 2;
constexpr std::int64_t allowedMemoryGrowth = 1024 * 1024;

struct PanelSize {
  int width = 400;
  int height = 300;
};

PanelSize panelSize(const PluginInstance& instance) {
  EditorRect* rect = nullptr;
  PanelSize size;
  if (instance.editorRect(&rect) == 1 && rect) {
    size.width = rect->right - rect->left;
    size.height = rect->bottom - rect->top;
  }
  return size;
}

// Idle calls and timer ticks as a host gives them while a panel is open.
void idle(const PluginInstance& instance, HWND panel, int times) {
  for (int i = 0; i < times; ++i) {
    instance.idleEditor();
    if (panel) tickTimer(panel);
    pumpMessages();
  }
}

// Opens the panel in a fresh host window and notes in the check what went wrong.
EditorHolder openIn(Check& check, const ValidatorFrame& frame, const PluginInstance& instance, const char* when) {
  const PanelSize size = panelSize(instance);
  EditorHolder window = editorHolderIn(frame, size.width, size.height);
  if (instance.openEditor(window.handle()) != 1)
    check.fail(formatText("%s: opening the editor did not answer 1", when));
  else if (!window.panel())
    check.fail(formatText("%s: the editor made no window in the host's window", when));
  return window;
}

void sizeRectangle(Check& check, ValidationContext& context) {
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  EditorRect* rect = nullptr;
  if (instance.editorRect(&rect) != 1 || !rect) return check.fail("the size request did not answer 1 with a rectangle");
  const int width = rect->right - rect->left, height = rect->bottom - rect->top;
  if (width <= 0 || height <= 0 || width > 4096 || height > 4096)
    check.fail(formatText("a panel of %d x %d pixels", width, height));
  check.figure(formatText("%d x %d pixels", width, height));
}

void openCloseCycles(Check& check, ValidationContext& context) {
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  const ValidatorFrame frame;
  const auto cycle = [&] {
    EditorHolder window = openIn(check, frame, instance, "a cycle");
    idle(instance, window.panel(), 2);
    instance.closeEditor();
    pumpMessages();
    if (HWND left = window.panel(); left && IsWindow(left)) check.fail("closing the editor left its window behind");
  };
  for (int i = 0; i < 10; ++i) cycle();  // warm-up: caches a system fills once
  const ResourceUse before = ResourceUse::now();
  const int cycles = context.scaled(1000, 50);
  for (int i = 0; i < cycles && !check.failed(); ++i) cycle();
  const ResourceUse after = ResourceUse::now();
  if (after.gdiObjects - before.gdiObjects > allowedGdiGrowth)
    check.fail(formatText("%lld GDI objects more after %d cycles",
                          static_cast<long long>(after.gdiObjects - before.gdiObjects), cycles));
  if (after.privateBytes - before.privateBytes > allowedMemoryGrowth)
    check.fail(formatText("%lld KB more private memory after %d cycles",
                          static_cast<long long>((after.privateBytes - before.privateBytes) / 1024), cycles));
  check.figure(formatText("%d cycles in fresh host windows with idle calls and timer ticks; ", cycles) +
               ResourceUse::change(before, after));
}

void openedAtRateZero(Check& check, ValidationContext& context) {
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  instance.setSampleRate(0.0f);
  instance.setBlockSize(0);
  const ValidatorFrame frame;
  EditorHolder window = openIn(check, frame, instance, "at rate 0");
  idle(instance, window.panel(), 5);
  StereoBuffers buffers(512, false);
  testSignal::noise(buffers.inputs()[0], 512, context.rng);
  testSignal::noise(buffers.inputs()[1], 512, context.rng);
  if (std::string p = runBlock(instance, OutputRule::replace, buffers, 512).problems(fullScaleOutputBound); !p.empty())
    check.fail("processing at rate 0 with the panel open: " + p);
  instance.closeEditor();
  window.destroy();
  check.figure("opened, idled and processed at sample rate 0 and block size 0");
}

void hostWindowDestroyedFirst(Check& check, ValidationContext& context) {
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  const ValidatorFrame frame;
  EditorHolder first = openIn(check, frame, instance, "first opening");
  idle(instance, first.panel(), 2);
  first.destroy();  // the panel goes with it, unannounced
  idle(instance, nullptr, 3);
  EditorHolder second = openIn(check, frame, instance, "opening again");
  idle(instance, second.panel(), 3);
  instance.closeEditor();
  second.destroy();
  check.figure("host window destroyed under an open panel, idle calls, opened again in a new one");
}

void effectClosedWithPanelOpen(Check& check, ValidationContext& context) {
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  const ValidatorFrame frame;
  EditorHolder window = openIn(check, frame, instance, "opening");
  idle(instance, window.panel(), 3);
  instance.close();
  // Whatever the panel left behind must not run into the freed effect.
  for (int i = 0; i < 10; ++i) {
    pumpMessages();
    Sleep(20);
  }
  window.destroy();
  check.figure("effect closed with its panel open, messages pumped for 200 ms afterwards");
}

void twoPanelsWithAudio(Check& check, ValidationContext& context) {
  PluginInstance first = context.library.createInstance(), second = context.library.createInstance();
  if (!first || !second) return check.fail(context.library.error());
  const ValidatorFrame frame;
  EditorHolder windows[2] = {openIn(check, frame, first, "first panel"), openIn(check, frame, second, "second panel")};
  std::atomic<bool> done{false};
  std::string audioProblem;
  int blocks = 0;
  std::thread audio([&, seed = context.seed] {
    std::mt19937 rng(seed);
    StereoBuffers buffers(256, false);
    for (; !done; ++blocks) {
      testSignal::noise(buffers.inputs()[0], 256, rng);
      testSignal::noise(buffers.inputs()[1], 256, rng);
      const BlockRun run = runBlock(blocks % 2 ? second : first, OutputRule::replace, buffers, 256);
      if (std::string p = run.problems(fullScaleOutputBound); !p.empty() && audioProblem.empty())
        audioProblem = formatText("block %d: %s", blocks, p.c_str());
    }
  });
  const int rounds = context.scaled(500, 50);
  for (int round = 0; round < rounds; ++round) {
    idle(first, windows[0].panel(), 1);
    idle(second, windows[1].panel(), 1);
  }
  done = true;
  audio.join();
  first.closeEditor();
  second.closeEditor();
  for (EditorHolder& window : windows) window.destroy();
  if (!audioProblem.empty()) check.fail(audioProblem);
  check.figure(
      formatText("two panels open, %d blocks processed on another thread during %d idle calls", blocks, 2 * rounds));
}

void automationWhileOpen(Check& check, ValidationContext& context) {
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  const ValidatorFrame frame;
  EditorHolder window = openIn(check, frame, instance, "opening");
  const int rounds = 1000;
  std::vector<float> last(context.parameterCount);
  std::atomic<bool> done{false};
  std::thread automation([&, seed = context.seed] {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int round = 0; round < rounds; ++round)
      for (std::int32_t i = 0; i < context.parameterCount; ++i) instance.set(i, last[i] = unit(rng));
    done = true;
  });
  long long idles = 0;
  do {
    idle(instance, window.panel(), 1);
    ++idles;
  } while (!done);
  automation.join();
  idle(instance, window.panel(), 3);
  for (std::int32_t i = 0; i < context.parameterCount; ++i)
    if (!sameBits(instance.get(i), last[i])) check.fail(formatText("parameter %d does not hold the last value set", i));
  instance.closeEditor();
  window.destroy();
  check.figure(formatText("%d rounds of all %d values set on a host thread, %lld idle calls meanwhile", rounds,
                          context.parameterCount, idles + 3));
}
}  // namespace

void editorChecks(CheckRunner& runner, ValidationContext& context) {
  const std::pair<const char*, void (*)(Check&, ValidationContext&)> checks[] = {
      {"editor: size rectangle", sizeRectangle},
      {"editor: open/close cycles", openCloseCycles},
      {"editor: opened at sample rate 0 and block size 0", openedAtRateZero},
      {"editor: host window destroyed without close, then opened again", hostWindowDestroyedFirst},
      {"editor: effect closed with the panel open", effectClosedWithPanelOpen},
      {"editor: two panels while both instances process", twoPanelsWithAudio},
      {"editor: host thread sets all values while the panel is open", automationWhileOpen},
  };
  for (const auto& [name, body] : checks)
    runner.run(name, [&](Check& c) {
      if (!context.hasEditor) return c.skip("no editor");
      body(c, context);
    });
}

}  // namespace sweepfilter
