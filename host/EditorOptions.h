#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ProgramSettings.h"

namespace sweepfilter {

// What `plughost editor` was asked to do.
struct EditorOptions {
  std::string plugin;
  std::optional<std::int32_t> program;
  std::vector<ParameterSetting> settings;
  // Capture the painted panel into this BMP file, then quit.
  std::optional<std::string> screenshot;
  // Quit after this long; without it (and without a screenshot) run until the window is closed.
  std::optional<float> seconds;
  // A CLAP plug-in's "LFO sync", as --sync or --set "LFO sync=…" gives it.
  std::optional<std::string> sync;
};

inline constexpr const char* editorUsage =
    "editor PLUGIN.dll|.clap [--program N] [--set NAME=VALUE]... [--sync SETTING] [--screenshot FILE.bmp] "
    "[--seconds S]";

// Parses the arguments after "editor". On failure returns nothing and puts a
// one-line reason in `error`.
std::optional<EditorOptions> parseEditorOptions(const std::vector<std::string>& args, std::string& error);

}  // namespace sweepfilter
