// plughost editor with a .clap: its panel in plughost's window, the values
// and gestures the panel sends printed as they come.
#include <cstdio>

#include "ClapHost.h"
#include "ClapRenderTarget.h"
#include "EditorCommands.h"
#include "PanelWindow.h"

namespace sweepfilter {

namespace {
// The rate and block a host opens the plug-in with; the panel needs it active only for its values.
constexpr float editorSampleRate = 44100.0f;
constexpr std::int32_t editorBlock = 512;

// The panel embeds into plughost's window through this build's window system.
#ifdef _WIN32
constexpr const char* windowApi = CLAP_WINDOW_API_WIN32;
#else
constexpr const char* windowApi = CLAP_WINDOW_API_X11;
#endif

clap_window clapWindowOf(ParentWindow parent) {
  clap_window window{windowApi, {}};
#ifdef _WIN32
  window.win32 = parent;
#else
  window.x11 = parent;
#endif
  return window;
}

void printSent(const HostedPlugin& hosted, const HostedPlugin::SentEvent& event) {
  clap_param_info info{};
  if (!hosted.params().get_info(hosted.plugin(), event.parameter, &info)) return;
  if (event.type == CLAP_EVENT_PARAM_VALUE) {
    char text[64] = "";
    hosted.params().value_to_text(hosted.plugin(), event.parameter, event.value, text, sizeof text);
    std::printf("%2u  %-12s value %.6g  text \"%s\"\n", event.parameter, info.name, event.value, text);
  } else {
    std::printf("%2u  %-12s gesture %s\n", event.parameter, info.name,
                event.type == CLAP_EVENT_PARAM_GESTURE_BEGIN ? "begin" : "end");
  }
}

std::string showClapEditor(const ClapLibrary& library, HostedPlugin& hosted, const EditorOptions& options) {
  RenderOptions song;
  song.sync = options.sync;
  ClapRenderTarget target(library, hosted, song);
  std::vector<ResolvedSetting> settings;
  if (std::string error =
          resolveSettings(target.parameterNames(), target.programCount(), options.program, options.settings, settings);
      !error.empty())
    return error;
  const auto* gui = hosted.extension<clap_plugin_gui>(CLAP_EXT_GUI);
  std::uint32_t width = 0, height = 0;
  if (!gui || !gui->is_api_supported(hosted.plugin(), windowApi, false)) return "the plug-in has no editor";
  if (std::string error = target.start(editorSampleRate, editorBlock, OutputRule::replace, options.program, settings);
      !error.empty())
    return error;
  hosted.flush();  // the --set values in
  if (!gui->create(hosted.plugin(), windowApi, false)) return "the plug-in could not open its editor";
  if (!gui->get_size(hosted.plugin(), &width, &height) || width == 0 || height == 0) {
    gui->destroy(hosted.plugin());
    return "the plug-in's editor gives no size";
  }
  // A panel that asked for a timer (on X11) gets its ticks with the idle calls.
  const auto* timers = hosted.extension<clap_plugin_timer_support>(CLAP_EXT_TIMER_SUPPORT);
  const auto* fds = hosted.extension<clap_plugin_posix_fd_support>(CLAP_EXT_POSIX_FD_SUPPORT);
  const PanelCalls calls = {[&](ParentWindow parent) {
                              const clap_window window = clapWindowOf(parent);
                              return gui->set_parent(hosted.plugin(), &window) && gui->show(hosted.plugin());
                            },
                            [&] {
                              if (timers && hosted.panelTimer != CLAP_INVALID_ID)
                                timers->on_timer(hosted.plugin(), hosted.panelTimer);
                              for (const HostedPlugin::SentEvent& event : hosted.flush()) printSent(hosted, event);
                              std::fflush(stdout);
                            },
                            [&] { gui->destroy(hosted.plugin()); }, [&] { return fds ? hosted.panelFd : -1; },
                            [&] { fds->on_fd(hosted.plugin(), hosted.panelFd, CLAP_POSIX_FD_READ); }};
  std::string failure =
      showPanel(target.programName(), static_cast<int>(width), static_cast<int>(height), options, calls);
  target.stop();
  return failure;
}
}  // namespace

int runClapEditor(const EditorOptions& options) {
  const ClapLibrary library(options.plugin);
  HostedPlugin hosted(library);
  if (const std::string error = hostingError(library, hosted, options.plugin); !error.empty()) {
    std::fprintf(stderr, "plughost: %s\n", error.c_str());
    return 1;
  }
  if (const std::string failure = showClapEditor(library, hosted, options); !failure.empty()) {
    std::fprintf(stderr, "plughost editor: %s\n", failure.c_str());
    return 1;
  }
  return 0;
}

}  // namespace sweepfilter
