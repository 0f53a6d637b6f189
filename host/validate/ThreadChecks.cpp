// Threads: parameters set on one thread, audio on another, texts read on a
// third; and a storm of the editor's own changes against audio.
#include <atomic>
#include <climits>
#include <thread>

#include "BlockRun.h"
#include "Checks.h"
#include "GuardedText.h"
#include "ValidatorWindows.h"

namespace sweepfilter {

namespace {
constexpr std::int32_t blockFrames = 256;

// Processes blocks of noise on its own thread, checking each, until it has
// made `blocks` of them or someone else raised `done`; then raises `done`.
class AudioThread {
 public:
  AudioThread(const PluginInstance& instance, int blocks, std::uint32_t seed, std::atomic<bool>& done)
      : thread([this, &instance, blocks, seed, &done] {
          std::mt19937 rng(seed);
          StereoBuffers buffers(blockFrames, false);
          for (; processed < blocks && !done; ++processed) {
            const int block = processed;
            testSignal::noise(buffers.inputs()[0], blockFrames, rng);
            testSignal::noise(buffers.inputs()[1], blockFrames, rng);
            const BlockRun run =
                runBlock(instance, block % 2 ? OutputRule::accumulate : OutputRule::replace, buffers, blockFrames);
            if (std::string p = run.problems(fullScaleOutputBound); !p.empty() && problem.empty())
              problem = formatText("audio block %d: %s", block, p.c_str());
          }
          done = true;
        }) {}
  // Waits for the end; "" when every block was sound.
  std::string join() {
    thread.join();
    return problem;
  }
  int blocksProcessed() const { return processed; }

 private:
  std::string problem;
  int processed = 0;
  std::thread thread;
};

void setterAudioAndTexts(Check& check, ValidationContext& context) {
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  const int blocks = context.scaled(4000, 600);
  std::atomic<bool> done{false};
  std::atomic<long long> sets{0}, reads{0};
  std::string textProblem;
  std::thread setter([&, seed = context.seed + 1] {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    while (!done) {
      instance.set(static_cast<std::int32_t>(rng() % context.parameterCount), unit(rng));
      if (rng() % 64 == 0) instance.selectProgram(static_cast<std::int32_t>(rng() % context.programCount));
      ++sets;
    }
  });
  std::thread reader([&] {
    while (!done) {
      for (std::int32_t i = 0; i < context.parameterCount; ++i)
        for (std::int32_t opcode : {opGetParameterName, opGetParameterLabel, opGetParameterText, opGetProgramName})
          if (std::string p = readText(instance, opcode, i).problem; !p.empty() && textProblem.empty())
            textProblem = formatText("opcode %d, index %d: %s", opcode, i, p.c_str());
      reads += 4 * context.parameterCount;
    }
  });
  AudioThread audio(instance, blocks, context.seed, done);
  const std::string audioProblem = audio.join();
  setter.join();
  reader.join();
  if (!audioProblem.empty()) check.fail(audioProblem);
  if (!textProblem.empty()) check.fail(textProblem);
  check.figure(formatText("%d blocks against %lld parameter sets and %lld text reads on two other threads", blocks,
                          sets.load(), reads.load()));
}

// The user drags controls as fast as messages come while audio runs on
// another thread: every change goes through the editor to the effect and,
// reported, back to the host.
void editorStorm(Check& check, ValidationContext& context) {
  if (!context.hasEditor) return check.skip("no editor");
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  const ValidatorFrame frame;
  EditorHolder window = editorHolderIn(frame, 400, 300);
  if (instance.openEditor(window.handle()) != 1) check.fail("opening the editor did not answer 1");
  HWND panel = window.panel();
  if (!panel) return check.fail("the editor made no window in the host's window");
  RECT area;
  GetClientRect(panel, &area);
  HostCallbackLog::takeChanges();
  std::atomic<bool> done{false};
  AudioThread audio(instance, INT_MAX, context.seed, done);
  const long long clicks = context.scaled(2000, 200);
  for (long long click = 1; click <= clicks; ++click) {
    const LPARAM where = MAKELPARAM(static_cast<int>(context.rng() % (area.right + 1)),
                                    static_cast<int>(context.rng() % (area.bottom + 1)));
    SendMessageA(panel, WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageA(panel, WM_LBUTTONUP, 0, where);
    if (click % 16 == 0) {
      instance.idleEditor();
      tickTimer(panel);
      pumpMessages();
    }
  }
  done = true;
  const std::string audioProblem = audio.join();
  const std::size_t reported = HostCallbackLog::takeChanges().size();
  instance.closeEditor();
  window.destroy();
  if (!audioProblem.empty()) check.fail(audioProblem);
  if (reported == 0) check.fail(formatText("%lld clicks on the panel reported no change to the host", clicks));
  check.figure(
      formatText("%lld clicks on the panel, %zu changes reported to the host, against %d blocks on another "
                 "thread",
                 clicks, reported, audio.blocksProcessed()));
}
}  // namespace

void threadChecks(CheckRunner& runner, ValidationContext& context) {
  runner.run("threads: setter, audio and text reader", [&](Check& c) { setterAudioAndTexts(c, context); });
  runner.run("threads: editor changes against audio", [&](Check& c) { editorStorm(c, context); });
}

}  // namespace sweepfilter
