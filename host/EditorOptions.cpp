#include "EditorOptions.h"

#include <cstdint>
#include <utility>

#include "CommandLine.h"

namespace sweepfilter {

namespace {
// Eleven days and a half: far beyond any session, and exact in milliseconds.
constexpr int maxSeconds = 1000000;
}  // namespace

std::optional<EditorOptions> parseEditorOptions(const std::vector<std::string>& args, std::string& error) {
  const auto line = splitCommandLine(args, {"--program", "--set", "--sync", "--screenshot", "--seconds"}, {}, error);
  if (!line || !expectFiles(*line, 1, editorUsage, error)) return std::nullopt;
  EditorOptions options;
  options.plugin = line->files[0];
  for (const auto& [name, value] : line->options) {
    if (name == "--seconds") {
      options.seconds = parseNumber(value);
      if (!options.seconds || *options.seconds <= 0 || *options.seconds > maxSeconds) {
        error = "--seconds: '" + value + "' is not a number of seconds above 0 and up to " + std::to_string(maxSeconds);
        return std::nullopt;
      }
    } else if (name == "--screenshot") {
      options.screenshot = value;
    } else if (auto sync = lfoSyncOption(name, value)) {
      options.sync = std::move(sync);
    } else if (!takeProgramOption(name, value, options.program, options.settings, error)) {
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace sweepfilter
