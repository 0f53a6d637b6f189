#include "RenderOptions.h"

#include "CommandLine.h"

namespace sweepfilter {

namespace {
std::optional<SampleFormat> parseFormat(const std::string& text) {
  if (text == "f32") return SampleFormat::float32;
  if (text == "s16") return SampleFormat::pcm16;
  if (text == "s24") return SampleFormat::pcm24;
  return std::nullopt;
}
}  // namespace

std::optional<RenderOptions> parseRenderOptions(const std::vector<std::string>& args, std::string& error) {
  const auto line = splitCommandLine(args, {"--program", "--set", "--block", "--format"}, {"--accumulate"}, error);
  if (!line || !expectFiles(*line, 3, renderUsage, error)) return std::nullopt;
  RenderOptions options;
  options.plugin = line->files[0];
  options.input = line->files[1];
  options.output = line->files[2];
  for (const auto& [name, value] : line->options) {
    if (name == "--accumulate") {
      options.rule = OutputRule::accumulate;
    } else if (name == "--block") {
      const auto size = parseInteger(value, 1, maxBlockSize);
      if (!size) {
        error = "--block: '" + value + "' is not a block size from 1 to " + std::to_string(maxBlockSize);
        return std::nullopt;
      }
      options.blockSize = *size;
    } else if (name == "--format") {
      const auto format = parseFormat(value);
      if (!format) {
        error = "--format: '" + value + "' is not f32, s16 or s24";
        return std::nullopt;
      }
      options.format = *format;
    } else if (!takeProgramOption(name, value, options.program, options.settings, error)) {
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace sweepfilter
