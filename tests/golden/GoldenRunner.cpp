#include "GoldenRunner.h"

#include <algorithm>
#include <bit>

#include "Parameters.h"

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

StereoSignal runGoldenCase(const PluginInstance& instance, const GoldenCase& c) {
  instance.setSampleRate(c.sampleRate);
  instance.setBlockSize(*std::max_element(c.blocks.begin(), c.blocks.end()));
  instance.selectProgram(c.program);
  for (const ParameterOverride& o : c.overrides) instance.set(o.index, o.value);
  instance.resume();

  const PluginDoor door{
      [&](std::int32_t index, float value) { instance.set(index, value); },
      [&](std::int32_t program) { instance.selectProgram(program); },
      [&](float sampleRate) { instance.setSampleRate(sampleRate); },
      [&](float** inputs, float** outputs, std::int32_t frames) { instance.process(c.rule, inputs, outputs, frames); }};
  StereoSignal output = runBlocks(c, door);
  instance.suspend();
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
