#include "RenderOptions.h"

#include <utility>

#include "CommandLine.h"

namespace sweepfilter {

namespace {
std::optional<SampleFormat> parseFormat(const std::string& text) {
  if (text == "f32") return SampleFormat::float32;
  if (text == "s16") return SampleFormat::pcm16;
  if (text == "s24") return SampleFormat::pcm24;
  return std::nullopt;
}

// N/D, each part from 1 to 1024 (what a host's meter can be).
bool parseMeter(const std::string& text, RenderOptions& options) {
  const auto slash = text.find('/');
  if (slash == std::string::npos) return false;
  const auto beats = parseInteger(text.substr(0, slash), 1, 1024);
  const auto unit = parseInteger(text.substr(slash + 1), 1, 1024);
  if (!beats || !unit) return false;
  options.beatsPerBar = static_cast<std::uint16_t>(*beats);
  options.beatUnit = static_cast<std::uint16_t>(*unit);
  return true;
}
}  // namespace

std::optional<RenderOptions> parseRenderOptions(const std::vector<std::string>& args, std::string& error) {
  const auto line = splitCommandLine(
      args, {"--program", "--set", "--block", "--format", "--tempo", "--meter", "--start-beat", "--sync"},
      {"--accumulate"}, error);
  if (!line || !expectFiles(*line, 3, renderUsage, error)) return std::nullopt;
  RenderOptions options;
  options.plugin = line->files[0];
  options.input = line->files[1];
  options.output = line->files[2];
  bool songOption = false;
  for (const auto& [name, value] : line->options) {
    songOption |= name == "--meter" || name == "--start-beat";
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
    } else if (name == "--tempo") {
      options.tempo = parseNumber(value);
      if (!options.tempo || !(*options.tempo > 0.0 && *options.tempo <= 1000.0)) {
        error = "--tempo: '" + value + "' is not a tempo above 0 and up to 1000 BPM";
        return std::nullopt;
      }
    } else if (name == "--meter") {
      if (!parseMeter(value, options)) {
        error = "--meter: '" + value + "' is not a meter N/D with N and D from 1 to 1024";
        return std::nullopt;
      }
    } else if (name == "--start-beat") {
      const auto beat = parseNumber(value);
      if (!beat || *beat < 0.0f) {
        error = "--start-beat: '" + value + "' is not a position in quarter notes from 0";
        return std::nullopt;
      }
      options.startBeat = *beat;
    } else if (auto sync = lfoSyncOption(name, value)) {
      options.sync = std::move(sync);
    } else if (!takeProgramOption(name, value, options.program, options.settings, error)) {
      return std::nullopt;
    }
  }
  if (songOption && !options.tempo) {
    error = "--meter and --start-beat need --tempo";
    return std::nullopt;
  }
  return options;
}

}  // namespace sweepfilter
