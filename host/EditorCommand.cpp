#include <cstdio>

#include "Commands.h"
#include "EditorOptions.h"
#include "HostProtocol.h"
#include "PanelWindow.h"
#include "PluginLibrary.h"
#ifdef SWEEPFILTER_CLAP_HOST
#include "ClapHost.h"
#include "EditorCommands.h"
#endif

namespace sweepfilter {

namespace {
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

  const PanelCalls calls = {
      [&instance](ParentWindow parent) { return instance.openEditor(reinterpret_cast<void*>(parent)) == 1; },
      [&instance] { instance.idleEditor(); },
      [&instance] { instance.closeEditor(); },
      {},
      {}};
  return showPanel(instance.programName(), width, height, options, calls);
}
}  // namespace

int runEditor(const Arguments& args) {
  std::string error;
  const auto options = parseEditorOptions(args, error);
  if (!options) {
    std::fprintf(stderr, "plughost editor: %s\n", error.c_str());
    return 2;
  }
#ifdef SWEEPFILTER_CLAP_HOST
  if (isClapFile(options->plugin)) return runClapEditor(*options);
#endif
  if (options->sync) {
    std::fprintf(stderr, "plughost editor: only .clap files have \"LFO sync\" (--sync)\n");
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
