#include "Render.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

#include "OutputFile.h"
#include "WavReader.h"
#include "WavWriter.h"

namespace sweepfilter {

namespace {
// More than any plug-in of this kind declares; beyond it the counts are garbage.
constexpr std::int32_t maxChannels = 64;

// The whole file in blocks of options.blockSize, the last one shorter. Every
// channel the plug-in declares gets a buffer, at least two each way: inputs
// past the file's channels stay silent, outputs past two are not written.
std::string process(RenderTarget& target, const RenderOptions& options, WavReader& reader, WavWriter& writer,
                    const ProgressFunction& progress) {
  const std::size_t blockSize = static_cast<std::size_t>(options.blockSize);
  const std::size_t inputCount = static_cast<std::size_t>(std::max(2, target.inputCount()));
  const std::size_t outputCount = static_cast<std::size_t>(std::max(2, target.outputCount()));
  std::vector<std::vector<float>> buffers(inputCount + outputCount, std::vector<float>(blockSize));
  std::vector<float*> inputs, outputs;
  for (std::size_t c = 0; c < buffers.size(); ++c) (c < inputCount ? inputs : outputs).push_back(buffers[c].data());
  const bool mono = reader.format().channels == 1;

  RenderProgress state{0, reader.frames(), reader.format().sampleRate};
  while (const std::size_t frames = reader.read(inputs.data(), blockSize)) {
    if (mono) std::copy_n(inputs[0], frames, inputs[1]);
    if (options.rule == OutputRule::accumulate)
      for (float* output : outputs) std::fill_n(output, frames, 0.0f);
    target.process(options.rule, inputs.data(), outputs.data(), static_cast<std::int32_t>(frames));
    if (!writer.write(outputs.data(), frames)) return "'" + options.output + "': " + writer.error();
    state.framesDone += frames;
    if (progress) progress(state);
  }
  if (!reader.ok()) return "'" + options.input + "': " + reader.error();
  return {};
}
}  // namespace

std::string renderFile(const PluginInstance& instance, const RenderOptions& options, const ProgressFunction& progress) {
  DllRenderTarget target(instance);
  return renderFile(target, options, progress);
}

std::string DllRenderTarget::start(float sampleRate, std::int32_t blockSize, OutputRule,
                                   std::optional<std::int32_t> program, const std::vector<ResolvedSetting>& settings) {
  instance.setSampleRate(sampleRate);
  instance.setBlockSize(blockSize);
  applySettings(instance, program, settings);
  instance.resume();
  return {};
}

std::string renderFile(RenderTarget& target, const RenderOptions& options, const ProgressFunction& progress) {
  std::ifstream in(options.input, std::ios::binary);
  if (!in) return "cannot open '" + options.input + "': " + std::strerror(errno);
  WavReader reader(in);
  if (!reader.ok()) return "'" + options.input + "': " + reader.error();
  const WavFormat format = reader.format();
  if (format.channels > 2)
    return "'" + options.input + "' has " + std::to_string(format.channels) + " channels (mono or stereo are read)";

  const std::int32_t inputs = target.inputCount(), outputs = target.outputCount();
  if (inputs < 0 || inputs > maxChannels || outputs < 0 || outputs > maxChannels)
    return "the plug-in declares " + std::to_string(inputs) + " inputs and " + std::to_string(outputs) + " outputs";

  std::vector<ResolvedSetting> settings;
  if (std::string error =
          resolveSettings(target.parameterNames(), target.programCount(), options.program, options.settings, settings);
      !error.empty())
    return error;

  OutputFile output(options.output);
  if (!output.ok()) return output.error();
  WavWriter writer(output.stream(), {2, format.sampleRate, options.format});

  if (std::string error = target.start(static_cast<float>(format.sampleRate), options.blockSize, options.rule,
                                       options.program, settings);
      !error.empty())
    return error;
  const std::string error = process(target, options, reader, writer, progress);
  target.stop();
  if (!error.empty()) return error;

  in.close();  // the output may replace the input
  if (!writer.finish()) return "'" + options.output + "': " + writer.error();
  if (!output.commit()) return output.error();
  return {};
}

}  // namespace sweepfilter
