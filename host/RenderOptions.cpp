#include "RenderOptions.h"

namespace {
std::optional<SampleFormat> parseFormat(const std::string& text) {
  if (text == "f32") return SampleFormat::float32;
  if (text == "s16") return SampleFormat::pcm16;
  if (text == "s24") return SampleFormat::pcm24;
  return std::nullopt;
}
}  // namespace

std::optional<RenderOptions> parseRenderOptions(const std::vector<std::string>& args, std::string& error) {
  RenderOptions options;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--accumulate") {
      options.accumulate = true;
      continue;
    }
    const bool takesValue = arg == "--program" || arg == "--set" || arg == "--block" || arg == "--format";
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
    } else if (arg == "--block") {
      const auto size = parseInteger(value, 1, maxBlockSize);
      if (!size) {
        error = "--block: '" + value + "' is not a block size from 1 to " + std::to_string(maxBlockSize);
        return std::nullopt;
      }
      options.blockSize = *size;
    } else if (arg == "--format") {
      const auto format = parseFormat(value);
      if (!format) {
        error = "--format: '" + value + "' is not f32, s16 or s24";
        return std::nullopt;
      }
      options.format = *format;
    } else {
      const auto setting = parseSetting(value, error);
      if (!setting) return std::nullopt;
      options.settings.push_back(*setting);
    }
  }
  if (files.size() != 3) {
    error = files.size() < 3 ? std::string("usage: plughost ") + renderUsage : "unexpected argument '" + files[3] + "'";
    return std::nullopt;
  }
  options.plugin = files[0];
  options.input = files[1];
  options.output = files[2];
  return options;
}
