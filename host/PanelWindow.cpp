#include "PanelWindow.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace sweepfilter {

namespace {
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
// How often a host gives its editors idle time.
constexpr milliseconds idleInterval{20};
// Long enough for the first paint, an idle call and a tick of a panel's timer.
constexpr milliseconds settleTime{200};

// Handles the window's messages and sends idle calls until the time is up
// (forever without one) or the window is closed.
void runFor(const PanelCalls& calls, PanelFrame& window, std::optional<milliseconds> duration) {
  const Clock::time_point start = Clock::now();
  Clock::time_point nextIdle = start;
  while (!window.closeRequested() && (!duration || Clock::now() - start < *duration)) {
    const auto untilIdle = std::chrono::ceil<milliseconds>(nextIdle - Clock::now());
    window.wait(std::max(milliseconds::zero(), untilIdle), calls);
    if (Clock::now() >= nextIdle) {
      nextIdle = Clock::now() + idleInterval;
      calls.idle();
    }
  }
}
}  // namespace

std::string showPanel(const std::string& programName, int width, int height, const EditorOptions& options,
                      const PanelCalls& calls) {
  std::string error;
  const std::unique_ptr<PanelFrame> window = openPanelFrame("plughost editor: " + programName, width, height, error);
  if (!window) return error;
  if (!calls.open(window->handle())) return "the plug-in could not open its editor";

  std::optional<milliseconds> duration;
  if (options.seconds)
    duration = milliseconds(static_cast<long long>(*options.seconds * 1000.0f));
  else if (options.screenshot)
    duration = settleTime;
  runFor(calls, *window, duration);

  std::string failure;
  if (options.screenshot) {
    failure = window->saveScreenshot(*options.screenshot, calls);
    if (failure.empty())
      std::printf("%s: %d x %d pixels of \"%s\"\n", options.screenshot->c_str(), width, height, programName.c_str());
  }
  // A host closes the editor before it destroys the editor's window.
  calls.close();
  return failure;
}

}  // namespace sweepfilter
