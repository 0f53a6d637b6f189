#include <windows.h>

#include <cstdio>

#include "Commands.h"
#include "EditorOptions.h"
#include "HostFrame.h"
#include "HostProtocol.h"
#include "EditorHolder.h"
#include "PluginLibrary.h"
#include "WindowCapture.h"

namespace sweepfilter {

namespace {
// How often a host gives its editors idle time.
constexpr DWORD idleIntervalMs = 20;
// Long enough for the first paint, an idle call and a tick of a panel's timer.
constexpr DWORD settleMs = 200;

// The one instance whose editor is shown.
const PluginInstance* shown = nullptr;

// Prints each change the panel reports at once, with the text the plug-in
// gives the new value (asked while the value is the one reported).
HostWord printingCallback(PluginDescriptor* d, std::int32_t opcode, std::int32_t index, HostWord value, void* ptr,
                          float opt) {
  if (opcode != hostParameterChanged || !shown || d != shown->descriptor())
    return HostCallbackLog::callback(d, opcode, index, value, ptr, opt);
  std::printf("%2d  %-12s value %.6g  text \"%s\"\n", index, shown->parameterName(index).c_str(),
              static_cast<double>(opt), shown->parameterText(index).c_str());
  std::fflush(stdout);
  return 0;
}

// Handles the window's messages and sends idle calls until the time is up
// (forever without one) or the window is closed.
void runFor(const PluginInstance& instance, const HostFrame& window, std::optional<ULONGLONG> milliseconds) {
  const ULONGLONG start = GetTickCount64();
  ULONGLONG lastIdle = 0;
  while (!window.closeRequested() && (!milliseconds || GetTickCount64() - start < *milliseconds)) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, idleIntervalMs, QS_ALLINPUT);
    pumpMessages();
    if (GetTickCount64() - lastIdle >= idleIntervalMs) {
      lastIdle = GetTickCount64();
      instance.idleEditor();
    }
  }
}

std::string showEditor(const PluginInstance& instance, const EditorOptions& options) {
  std::vector<ResolvedSetting> settings;
  if (std::string error = resolveSettings(instance, options.program, options.settings, settings); !error.empty())
    return error;
  EditorRect* rect = nullptr;
  if (instance.editorRect(&rect) != 1 || !rect) return "the plug-in has no editor";
  const int width = rect->right - rect->left, height = rect->bottom - rect->top;
  if (width <= 0 || height <= 0)
    return "the plug-in's editor asks for " + std::to_string(width) + " x " + std::to_string(height) + " pixels";
  applySettings(instance, options.program, settings);

  const std::string title = "plughost editor: " + instance.programName();
  HostFrame window(title.c_str(), width, height);
  if (!window.ok()) return "cannot make a window (Windows error " + std::to_string(GetLastError()) + ")";
  if (instance.openEditor(window.handle()) != 1) return "the plug-in could not open its editor";

  std::optional<ULONGLONG> milliseconds;
  if (options.seconds)
    milliseconds = static_cast<ULONGLONG>(*options.seconds * 1000.0f);
  else if (options.screenshot)
    milliseconds = settleMs;
  runFor(instance, window, milliseconds);

  std::string failure;
  if (options.screenshot) {
    // Whatever is still due is painted now, the panel included.
    RedrawWindow(window.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    failure = saveClientAreaAsBmp(window.handle(), *options.screenshot);
    if (failure.empty())
      std::printf("%s: %d x %d pixels of \"%s\"\n", options.screenshot->c_str(), width, height,
                  instance.programName().c_str());
  }
  // A host closes the editor before it destroys the editor's window.
  instance.closeEditor();
  return failure;
}
}  // namespace

int runEditor(const Arguments& args) {
  std::string error;
  const auto options = parseEditorOptions(args, error);
  if (!options) {
    std::fprintf(stderr, "plughost editor: %s\n", error.c_str());
    return 2;
  }
  PluginLibrary library(options->plugin);
  PluginInstance instance = library.createInstance(printingCallback);
  if (!instance) {
    std::fprintf(stderr, "plughost: %s\n", library.error().c_str());
    return 1;
  }
  shown = &instance;
  const std::string failure = showEditor(instance, *options);
  instance.close();
  shown = nullptr;
  if (!failure.empty()) {
    std::fprintf(stderr, "plughost editor: %s\n", failure.c_str());
    return 1;
  }
  return 0;
}

}  // namespace sweepfilter
