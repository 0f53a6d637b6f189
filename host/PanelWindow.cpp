#include "PanelWindow.h"

#include <cstdio>
#include <optional>

#include "EditorHolder.h"
#include "HostFrame.h"
#include "WindowCapture.h"

namespace sweepfilter {

namespace {
// How often a host gives its editors idle time.
constexpr DWORD idleIntervalMs = 20;
// Long enough for the first paint, an idle call and a tick of a panel's timer.
constexpr DWORD settleMs = 200;

// Handles the window's messages and sends idle calls until the time is up
// (forever without one) or the window is closed.
void runFor(const PanelCalls& calls, const HostFrame& window, std::optional<ULONGLONG> milliseconds) {
  const ULONGLONG start = GetTickCount64();
  ULONGLONG lastIdle = 0;
  while (!window.closeRequested() && (!milliseconds || GetTickCount64() - start < *milliseconds)) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, idleIntervalMs, QS_ALLINPUT);
    pumpMessages();
    if (GetTickCount64() - lastIdle >= idleIntervalMs) {
      lastIdle = GetTickCount64();
      calls.idle();
    }
  }
}
}  // namespace

std::string showPanel(const std::string& programName, int width, int height, const EditorOptions& options,
                      const PanelCalls& calls) {
  const std::string title = "plughost editor: " + programName;
  HostFrame window(title.c_str(), width, height);
  if (!window.ok()) return "cannot make a window (Windows error " + std::to_string(GetLastError()) + ")";
  if (!calls.open(window.handle())) return "the plug-in could not open its editor";

  std::optional<ULONGLONG> milliseconds;
  if (options.seconds)
    milliseconds = static_cast<ULONGLONG>(*options.seconds * 1000.0f);
  else if (options.screenshot)
    milliseconds = settleMs;
  runFor(calls, window, milliseconds);

  std::string failure;
  if (options.screenshot) {
    // Whatever is still due is painted now, the panel included.
    RedrawWindow(window.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    failure = saveClientAreaAsBmp(window.handle(), *options.screenshot);
    if (failure.empty())
      std::printf("%s: %d x %d pixels of \"%s\"\n", options.screenshot->c_str(), width, height, programName.c_str());
  }
  // A host closes the editor before it destroys the editor's window.
  calls.close();
  return failure;
}

}  // namespace sweepfilter
