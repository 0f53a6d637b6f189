#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ProgramSettings.h"
#include "WavFormat.h"

namespace sweepfilter {

// What `plughost render` was asked to do.
struct RenderOptions {
  std::string plugin;
  std::string input;
  std::string output;
  std::optional<std::int32_t> program;
  std::vector<ParameterSetting> settings;
  std::int32_t blockSize = 512;
  OutputRule rule = OutputRule::replace;
  SampleFormat format = SampleFormat::float32;
  // A CLAP plug-in's song, playing from the first frame: its tempo in
  // quarter notes per minute, meter and position in quarter notes.
  std::optional<double> tempo;
  std::uint16_t beatsPerBar = 4, beatUnit = 4;
  double startBeat = 0.0;
  // "LFO sync" as --sync or --set "LFO sync=…" gives it: a setting's text or number.
  std::optional<std::string> sync;
};

inline constexpr std::int32_t maxBlockSize = 1 << 20;

inline constexpr const char* renderUsage =
    "render PLUGIN.dll|.clap IN.wav OUT.wav [--program N] [--set NAME=VALUE]... [--block N] [--accumulate] "
    "[--format f32|s16|s24] [--tempo BPM [--meter N/D] [--start-beat Q]] [--sync SETTING]";

// Parses the arguments after "render". On failure returns nothing and puts a
// one-line reason in `error`.
std::optional<RenderOptions> parseRenderOptions(const std::vector<std::string>& args, std::string& error);

}  // namespace sweepfilter
