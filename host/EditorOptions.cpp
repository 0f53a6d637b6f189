#include "EditorOptions.h"

#include <cstdint>

namespace {
// Eleven days and a half: far beyond any session, and exact in milliseconds.
constexpr int maxSeconds = 1000000;
}  // namespace

std::optional<EditorOptions> parseEditorOptions(const std::vector<std::string>& args, std::string& error) {
  EditorOptions options;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takesValue = arg == "--program" || arg == "--set" || arg == "--screenshot" || arg == "--seconds";
    if (!takesValue) {
      if (arg.size() > 1 && arg[0] == '-') {
        error = "unknown option '" + arg + "'";
        return std::nullopt;
      }
      files.push_back(arg);
      continue;
    }
    if (i + 1 == args.size()) {
      error = arg + " needs a value";
      return std::nullopt;
    }
    const std::string& value = args[++i];
    if (arg == "--program") {
      options.program = parseInteger(value, 0, INT32_MAX);
      if (!options.program) {
        error = "--program: '" + value + "' is not a program number";
        return std::nullopt;
      }
    } else if (arg == "--seconds") {
      options.seconds = parseNumber(value);
      if (!options.seconds || *options.seconds <= 0 || *options.seconds > maxSeconds) {
        error = "--seconds: '" + value + "' is not a number of seconds above 0 and up to " + std::to_string(maxSeconds);
        return std::nullopt;
      }
    } else if (arg == "--screenshot") {
      options.screenshot = value;
    } else {
      const auto setting = parseSetting(value, error);
      if (!setting) return std::nullopt;
      options.settings.push_back(*setting);
    }
  }
  if (files.size() != 1) {
    error = files.empty() ? std::string("usage: plughost ") + editorUsage : "unexpected argument '" + files[1] + "'";
    return std::nullopt;
  }
  options.plugin = files[0];
  return options;
}
