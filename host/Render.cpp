#include "Render.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

#include "OutputFile.h"
#include "PluginCalls.h"
#include "WavReader.h"
#include "WavWriter.h"

namespace {
// The whole file in blocks of options.blockSize, the last one shorter.
std::string process(PluginDescriptor* d, const RenderOptions& options, WavReader& reader, WavWriter& writer,
                    const ProgressFunction& progress) {
  const std::size_t blockSize = static_cast<std::size_t>(options.blockSize);
  std::vector<float> buffers[4];
  for (auto& buffer : buffers) buffer.resize(blockSize);
  float* inputs[2] = {buffers[0].data(), buffers[1].data()};
  float* outputs[2] = {buffers[2].data(), buffers[3].data()};
  const bool mono = reader.format().channels == 1;
  const PluginDescriptor::ProcessFunction processEntry =
      options.accumulate ? d->processAccumulateEntry : d->processReplaceEntry;

  RenderProgress state{0, reader.frames(), reader.format().sampleRate};
  while (const std::size_t frames = reader.read(inputs, blockSize)) {
    if (mono) std::copy_n(inputs[0], frames, inputs[1]);
    if (options.accumulate)
      for (float* output : outputs) std::fill_n(output, frames, 0.0f);
    processEntry(d, inputs, outputs, static_cast<std::int32_t>(frames));
    if (!writer.write(outputs, frames)) return "'" + options.output + "': " + writer.error();
    state.framesDone += frames;
    if (progress) progress(state);
  }
  if (!reader.ok()) return "'" + options.input + "': " + reader.error();
  return {};
}
}  // namespace

std::string renderFile(PluginDescriptor* d, const RenderOptions& options, const ProgressFunction& progress) {
  std::ifstream in(options.input, std::ios::binary);
  if (!in) return "cannot open '" + options.input + "': " + std::strerror(errno);
  WavReader reader(in);
  if (!reader.ok()) return "'" + options.input + "': " + reader.error();
  const WavFormat format = reader.format();
  if (format.channels > 2)
    return "'" + options.input + "' has " + std::to_string(format.channels) + " channels (mono or stereo are read)";

  std::vector<ResolvedSetting> settings;
  if (std::string error = resolveSettings(d, options.program, options.settings, settings); !error.empty()) return error;

  OutputFile output(options.output);
  if (!output.ok()) return output.error();
  WavWriter writer(output.stream(), {2, format.sampleRate, options.format});

  plugin::setSampleRate(d, static_cast<float>(format.sampleRate));
  plugin::setBlockSize(d, options.blockSize);
  applySettings(d, options.program, settings);
  plugin::resume(d);
  const std::string error = process(d, options, reader, writer, progress);
  plugin::suspend(d);
  if (!error.empty()) return error;

  in.close();  // the output may replace the input
  if (!writer.finish()) return "'" + options.output + "': " + writer.error();
  if (!output.commit()) return output.error();
  return {};
}
