// The bundle through lilv, as a host loads it: its description against the
// parameter table, its presets against the factory programs, and the host's
// contract of run.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "AllocationCounter.h"
#include "BundleFacts.h"
#include "FactoryPrograms.h"
#include "Lv2Host.h"
#include "ParameterTable.h"
#include "PortValues.h"

namespace sweepfilter {
namespace {

TEST(PortValues, SwitchesLandOnTheSettingNearestTheirPortValue) {
  const float portValues[] = {-INFINITY, -1.0f, 0.0f, 0.49f, 0.5f, 1.0f, 1.49f, 1.5f, 2.0f, 2.6f, INFINITY, NAN};
  const int threeWay[] = {0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 0};
  const int twoWay[] = {0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 0};
  for (std::int32_t index = 0; index < numParameters; ++index) {
    const ParameterFacts& facts = parameterTable[index];
    if (facts.choiceCount == 0) continue;
    for (std::size_t i = 0; i < std::size(portValues); ++i) {
      const int setting = facts.choiceCount == 3 ? threeWay[i] : twoWay[i];
      const float normalised = normalisedOf(index, portValues[i]);
      EXPECT_EQ(choiceOf(facts, normalised), setting) << facts.name << " at " << portValues[i];
      EXPECT_EQ(portValueOf(index, normalised), static_cast<float>(setting)) << facts.name;
    }
  }
}

// Not every float is a port value divided by 100; every value of two decimals
// in range is. (The rate's port misses a few, 0.01 among them: the programs'
// and the golden cases' rates are checked through the presets and hashes.)
TEST(PortValues, ContinuousValuesOfTwoDecimalsComeBackExactly) {
  for (std::int32_t index : {paramInput, paramResonance, paramCutoff, paramLevelTrack, paramOutput})
    for (int step = 0; step <= 100; ++step) {
      const float normalised = static_cast<float>(step) / 100.0f;
      const auto portValue = portValueOf(index, normalised);
      ASSERT_TRUE(portValue) << parameterTable[index].name << " " << normalised;
      EXPECT_EQ(normalisedOf(index, *portValue), normalised);
    }
}

class Bundle : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(world.plugin(), nullptr) << pluginUri << " not found on LV2_PATH"; }
  Lv2World world;
};

TEST_F(Bundle, PortsFollowTheParameterTable) {
  const LilvPlugin* plugin = world.plugin();
  ASSERT_EQ(lilv_plugin_get_num_ports(plugin), static_cast<std::uint32_t>(portCount));
  std::vector<float> minimum(portCount), maximum(portCount), defaults(portCount);
  lilv_plugin_get_port_ranges_float(plugin, minimum.data(), maximum.data(), defaults.data());
  for (std::int32_t index = 0; index < numParameters; ++index) {
    const ParameterFacts& facts = parameterTable[index];
    const LilvPort* port = lilv_plugin_get_port_by_index(plugin, static_cast<std::uint32_t>(index));
    EXPECT_TRUE(lilv_port_is_a(plugin, port, world.uri(LILV_URI_CONTROL_PORT)));
    EXPECT_STREQ(lilv_node_as_string(lilv_port_get_symbol(plugin, port)), facts.symbol);
    LilvNode* name = lilv_port_get_name(plugin, port);
    EXPECT_STREQ(lilv_node_as_string(name), facts.name);
    lilv_node_free(name);
    EXPECT_EQ(minimum[index], facts.shownMinimum);
    EXPECT_EQ(maximum[index], facts.shownMaximum);
    EXPECT_EQ(normalisedOf(index, defaults[index]), factoryPrograms[0].values[index]) << facts.name;
    EXPECT_EQ(lilv_port_has_property(plugin, port, world.uri(LV2_CORE__toggled)), facts.kind == ValueKind::toggle);
    EXPECT_EQ(lilv_port_has_property(plugin, port, world.uri(LV2_CORE__enumeration)), facts.kind == ValueKind::choice);
    LilvScalePoints* points = lilv_port_get_scale_points(plugin, port);
    EXPECT_EQ(points ? static_cast<int>(lilv_scale_points_size(points)) : 0,
              facts.kind == ValueKind::choice ? facts.choiceCount : 0);
    LILV_FOREACH(scale_points, i, points) {
      const LilvScalePoint* point = lilv_scale_points_get(points, i);
      const auto setting = static_cast<std::size_t>(lilv_node_as_float(lilv_scale_point_get_value(point)));
      ASSERT_LT(setting, static_cast<std::size_t>(facts.choiceCount));
      EXPECT_STREQ(lilv_node_as_string(lilv_scale_point_get_label(point)), facts.choices[setting]);
    }
    lilv_scale_points_free(points);
  }
  for (int port : {audioInLeftPort, audioInRightPort, audioOutLeftPort, audioOutRightPort})
    EXPECT_TRUE(lilv_port_is_a(plugin, lilv_plugin_get_port_by_index(plugin, port), world.uri(LILV_URI_AUDIO_PORT)));
}

TEST_F(Bundle, EachPresetGivesItsProgramsValuesExactly) {
  const auto presets = world.presets();
  ASSERT_EQ(presets.size(), static_cast<std::size_t>(numPrograms));
  for (const FactoryProgram& program : factoryPrograms) {
    const auto preset = std::find_if(presets.begin(), presets.end(), [&](auto& p) { return p.label == program.name; });
    ASSERT_NE(preset, presets.end()) << program.name;
    for (std::int32_t index = 0; index < numParameters; ++index)
      EXPECT_EQ(normalisedOf(index, preset->values[index]), program.values[index]) << program.name << " " << index;
  }
}

std::vector<float> noise(std::size_t frames, float level, unsigned seed) {
  std::minstd_rand rng(seed);
  std::uniform_real_distribution<float> uniform(-level, level);
  std::vector<float> samples(frames);
  for (float& s : samples) s = uniform(rng);
  return samples;
}

// The input on the left and reversed on the right, through an instance in blocks.
struct Render {
  std::vector<float> left, right;
  long allocations = 0;  // made within run
};
Render render(Lv2Instance& instance, const std::vector<float>& input, std::uint32_t block, bool inPlace = false) {
  Render out{input, std::vector<float>(input.rbegin(), input.rend())};
  std::vector<float> sourceLeft = out.left, sourceRight = out.right;
  for (std::size_t at = 0; at < input.size(); at += block) {
    const auto frames = static_cast<std::uint32_t>(std::min<std::size_t>(block, input.size() - at));
    if (inPlace)
      instance.connectAudio(&out.left[at], &out.right[at], &out.left[at], &out.right[at]);
    else
      instance.connectAudio(&sourceLeft[at], &sourceRight[at], &out.left[at], &out.right[at]);
    const long before = allocations.load();
    instance.run(frames);
    out.allocations += allocations.load() - before;
  }
  return out;
}

bool allFinite(const Render& r) {
  return std::all_of(r.left.begin(), r.left.end(), [](float s) { return std::isfinite(s); }) &&
         std::all_of(r.right.begin(), r.right.end(), [](float s) { return std::isfinite(s); });
}

TEST_F(Bundle, RunsAtAnyRateAndBlockSizeWithoutAllocating) {
  const auto input = noise(20000, 0.9f, 1);
  for (double rate : {8000.0, 11025.0, 12345.678, 44100.0, 96000.0, 192000.0, 768000.0, 1.0}) {
    Lv2Instance instance(world, rate);
    ASSERT_TRUE(instance.valid()) << rate;
    instance.port(paramLfoRate) = 10.0f;  // the fastest sweep
    lilv_instance_activate(instance.lilv());
    for (std::uint32_t block : {1u, 7u, 64u, 512u, 4096u}) {
      instance.run(0);
      const Render out = render(instance, input, block);
      EXPECT_EQ(out.allocations, 0) << rate << " Hz, blocks of " << block;
      EXPECT_TRUE(allFinite(out)) << rate << " Hz, blocks of " << block;
    }
    lilv_instance_deactivate(instance.lilv());
  }
  const long before = allocations.load();
  Lv2Instance counted(world, 44100.0);
  EXPECT_GT(allocations.load(), before) << "the counter sees no allocation the plug-in makes";
}

TEST_F(Bundle, InPlaceActivationIndependenceAndUnconnectedPorts) {
  const auto input = noise(8192, 0.5f, 2);
  Lv2Instance reference(world, 48000.0);
  lilv_instance_activate(reference.lilv());
  const Render expected = render(reference, input, 256);

  Lv2Instance inPlace(world, 48000.0);
  lilv_instance_activate(inPlace.lilv());
  const Render inPlaceOut = render(inPlace, input, 256, true);
  EXPECT_EQ(inPlaceOut.left, expected.left);
  EXPECT_EQ(inPlaceOut.right, expected.right);

  // Used, deactivated and activated again: a fresh start. Another instance
  // running meanwhile changes nothing.
  Lv2Instance reused(world, 48000.0);
  lilv_instance_run(reused.lilv(), 512);  // audio not yet connected: a no-op
  lilv_instance_activate(reused.lilv());
  render(reused, noise(3000, 1.0f, 3), 100);
  lilv_instance_deactivate(reused.lilv());
  lilv_instance_activate(reused.lilv());
  Lv2Instance other(world, 48000.0);
  lilv_instance_activate(other.lilv());
  render(other, noise(3000, 1.0f, 4), 100);
  const Render again = render(reused, input, 256);
  EXPECT_EQ(again.left, expected.left);
  EXPECT_EQ(again.right, expected.right);

  // Control ports never connected read the first program's values.
  LilvInstance* bare = lilv_plugin_instantiate(world.plugin(), 48000.0, nullptr);
  ASSERT_NE(bare, nullptr);
  lilv_instance_activate(bare);
  std::vector<float> inLeft = input, inRight(input.rbegin(), input.rend()), outLeft(8192), outRight(8192);
  for (std::size_t at = 0; at < input.size(); at += 256) {
    lilv_instance_connect_port(bare, audioInLeftPort, &inLeft[at]);
    lilv_instance_connect_port(bare, audioInRightPort, &inRight[at]);
    lilv_instance_connect_port(bare, audioOutLeftPort, &outLeft[at]);
    lilv_instance_connect_port(bare, audioOutRightPort, &outRight[at]);
    lilv_instance_run(bare, 256);
  }
  lilv_instance_free(bare);
  EXPECT_EQ(outLeft, expected.left);
  EXPECT_EQ(outRight, expected.right);
}

}  // namespace
}  // namespace sweepfilter
