#include "GoldenRunner.h"

#include <algorithm>
#include <bit>

#include "Parameters.h"
#include "PluginCalls.h"

namespace sweepfilter {

namespace {
void automate(const PluginDoor& door, const GoldenCase& c, std::size_t block, std::size_t frame) {
  switch (c.automation) {
    case Automation::none:
      break;
    case Automation::cutoffSteps:
      door.setParameter(paramCutoff, static_cast<float>(block % 16) / 16.0f);
      break;
    case Automation::modeChanges: {
      constexpr float modes[] = {0.0f, 0.7f, 0.8f, 0.3f, 0.2f};
      if (block % 24 == 0) door.setParameter(paramMode, modes[block / 24 % 5]);
      break;
    }
    case Automation::programChanges:
      if (block % 32 == 0) door.selectProgram(static_cast<std::int32_t>(block / 32 % numPrograms));
      break;
    case Automation::rateChange:
      if (frame >= c.frames / 2) door.setSampleRate(48000.0f);
      break;
  }
}
}  // namespace

StereoSignal runBlocks(const GoldenCase& c, const PluginDoor& door) {
  StereoSignal input = generateSignal(c.signal, c.frames);
  StereoSignal output{std::vector<float>(c.frames), std::vector<float>(c.frames)};
  std::size_t frame = 0;
  for (std::size_t block = 0; frame < c.frames; ++block) {
    automate(door, c, block, frame);
    const std::size_t frames = std::min(static_cast<std::size_t>(c.blocks[block % c.blocks.size()]), c.frames - frame);
    float* inputs[2] = {input.left.data() + frame, input.right.data() + frame};
    float* outputs[2] = {output.left.data() + frame, output.right.data() + frame};
    door.process(inputs, outputs, static_cast<std::int32_t>(frames));
    frame += frames;
  }
  return output;
}

StereoSignal runGoldenCase(PluginDescriptor* d, const GoldenCase& c) {
  pluginCalls::setSampleRate(d, c.sampleRate);
  pluginCalls::setBlockSize(d, *std::max_element(c.blocks.begin(), c.blocks.end()));
  pluginCalls::selectProgram(d, c.program);
  for (const ParameterOverride& o : c.overrides) d->setParameterEntry(d, o.index, o.value);
  pluginCalls::resume(d);

  const PluginDescriptor::ProcessFunction process = c.accumulate ? d->processAccumulateEntry : d->processReplaceEntry;
  const PluginDoor door{
      [d](std::int32_t index, float value) { d->setParameterEntry(d, index, value); },
      [d](std::int32_t program) { pluginCalls::selectProgram(d, program); },
      [d](float sampleRate) { pluginCalls::setSampleRate(d, sampleRate); },
      [d, process](float** inputs, float** outputs, std::int32_t frames) { process(d, inputs, outputs, frames); }};
  StereoSignal output = runBlocks(c, door);
  pluginCalls::suspend(d);
  return output;
}

std::uint64_t hashFrames(const float* left, const float* right, std::size_t frames) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  auto add = [&hash](float sample) {
    const auto bits = std::bit_cast<std::uint32_t>(sample);
    for (int b = 0; b < 4; ++b) hash = (hash ^ ((bits >> (8 * b)) & 0xFF)) * 0x100000001b3u;
  };
  for (std::size_t i = 0; i < frames; ++i) {
    add(left[i]);
    add(right[i]);
  }
  return hash;
}

std::uint64_t hashOutput(const StereoSignal& output) {
  return hashFrames(output.left.data(), output.right.data(), output.left.size());
}

}  // namespace sweepfilter
