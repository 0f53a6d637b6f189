// The golden cases through the LV2 bundle hosted by lilv, against the
// continuous window policy's expectations: the DLL's hashes wherever the
// blocks are whole windows.
#include <gtest/gtest.h>

#include "GoldenRunner.h"
#include "GoldenTestNames.h"
#include "Lv2Host.h"
#include "PortValues.h"
#include "SignalTestSupport.h"

namespace sweepfilter {

namespace {

class Lv2Golden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(Lv2Golden, OutputHashesToTheCommittedValue) {
  const GoldenCase& c = GetParam();
  // An LV2 instance's rate is fixed and its output replaces.
  if (c.rule == OutputRule::accumulate || c.automation == Automation::rateChange)
    GTEST_SKIP() << "not a thing LV2 hosts do";
  Lv2World world;
  ASSERT_NE(world.plugin(), nullptr);
  Lv2Instance instance(world, c.sampleRate);
  ASSERT_TRUE(instance.valid());

  // A value no port value gives back (a switch between its settings) cannot reach the plug-in through LV2.
  bool expressible = true;
  const auto set = [&](std::int32_t index, float value) {
    const auto portValue = portValueOf(index, value);
    expressible &= portValue.has_value();
    if (portValue) instance.port(index) = *portValue;
  };
  instance.setProgram(c.program);
  for (const ParameterOverride& o : c.overrides) set(o.index, o.value);
  lilv_instance_activate(instance.lilv());
  const PluginDoor door{set, [&](std::int32_t program) { instance.setProgram(program); }, nullptr,
                        [&](float** inputs, float** outputs, std::int32_t frames) {
                          // A song the LFO would lock to, unheard while "LFO sync" is FREE.
                          instance.clearSong();
                          instance.send({frames / 2, 1.0, 150.0, 3.0, 1.25, 4.0, 4.0});
                          instance.connectAudio(inputs[0], inputs[1], outputs[0], outputs[1]);
                          instance.run(static_cast<std::uint32_t>(frames));
                        }};
  const StereoSignal output = runBlocks(c, door);
  lilv_instance_deactivate(instance.lilv());
  if (!expressible) GTEST_SKIP() << "a setting LV2 ports cannot express";
  EXPECT_EQ(hashOutput(output), expectedHash(c.name, WindowPolicy::continuous).value_or(0))
      << c.name << " renders differently through LV2";
}

INSTANTIATE_TEST_SUITE_P(Cases, Lv2Golden, ::testing::ValuesIn(goldenCases()), goldenTestName);

// Whatever the host's buffer size, the same bits: each program on each
// signal in blocks of 1, 7, 64 and 256, in an irregular pattern with empty
// runs and in 4096, all equal to the DLL's policy in blocks of 4096.
TEST(Lv2BlockInvariance, EveryBufferSizeGivesTheDllsOutputAtWholeWindows) {
  const std::vector<std::vector<std::int32_t>> patterns = {
      {1}, {7}, {64}, {256}, {0, 300, 1, 0, 0, 2000, 63, 4097, 5}, {4096}};
  Lv2World world;
  ASSERT_NE(world.plugin(), nullptr);
  for (std::int32_t program = 0; program < numPrograms; ++program)
    for (Signal signal : {Signal::sawChord, Signal::noise, Signal::impulses, Signal::noiseBursts, Signal::silence}) {
      GoldenCase c{"", signal, program, {}, 44100.0f, {4096}, OutputRule::replace, Automation::none, 1 << 15};
      SignalPath dll{WindowPolicy::perBlock};
      const ParameterValues values = programValues(program);
      const std::uint64_t expected = hashOutput(
          runBlocks(c, {nullptr, nullptr, nullptr, [&](float** inputs, float** outputs, std::int32_t frames) {
                          dll.processBlock(values, c.sampleRate, inputs, outputs, frames, OutputRule::replace);
                        }}));
      for (const std::vector<std::int32_t>& blocks : patterns) {
        Lv2Instance instance(world, c.sampleRate);
        instance.setProgram(program);
        lilv_instance_activate(instance.lilv());
        c.blocks = blocks;
        const StereoSignal output =
            runBlocks(c, {nullptr, nullptr, nullptr, [&](float** inputs, float** outputs, std::int32_t frames) {
                            instance.connectAudio(inputs[0], inputs[1], outputs[0], outputs[1]);
                            instance.run(static_cast<std::uint32_t>(frames));
                          }});
        EXPECT_EQ(hashOutput(output), expected)
            << "program " << program << ", signal " << static_cast<int>(signal) << ", first block " << blocks[0];
      }
    }
}

}  // namespace
}  // namespace sweepfilter
