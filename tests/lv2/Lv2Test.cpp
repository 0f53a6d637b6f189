// The bundle through lilv, as a host loads it: its description against the
// parameter table, its presets against the factory programs, and the host's
// contract of run.
#include <gtest/gtest.h>
#include <lv2/atom/atom.h>
#include <lv2/time/time.h>
#include <lv2/ui/ui.h>

#include <cmath>
#include <functional>
#include <random>
#include <set>
#include <string>

#include "AllocationCounter.h"
#include "BundleFacts.h"
#include "FactoryPrograms.h"
#include "Lv2Host.h"
#include "ParameterTable.h"
#include "PortValues.h"
#include "ReferenceSignalPath.h"
#include "SignalTestSupport.h"

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
  // An enumerated port's scale points: one per setting, each with its text.
  void checkSettings(const LilvPort* port, std::int32_t count, const std::function<const char*(std::int32_t)>& text) {
    LilvScalePoints* points = lilv_port_get_scale_points(world.plugin(), port);
    EXPECT_EQ(points ? static_cast<int>(lilv_scale_points_size(points)) : 0, count);
    LILV_FOREACH(scale_points, i, points) {
      const LilvScalePoint* point = lilv_scale_points_get(points, i);
      const auto setting = static_cast<std::int32_t>(lilv_node_as_float(lilv_scale_point_get_value(point)));
      ASSERT_LT(setting, count);
      EXPECT_STREQ(lilv_node_as_string(lilv_scale_point_get_label(point)), text(setting));
    }
    lilv_scale_points_free(points);
  }
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
    checkSettings(port, facts.kind == ValueKind::choice ? facts.choiceCount : 0,
                  [&facts](std::int32_t setting) { return facts.choices[setting]; });
  }
  for (int port : {audioInLeftPort, audioInRightPort, audioOutLeftPort, audioOutRightPort})
    EXPECT_TRUE(lilv_port_is_a(plugin, lilv_plugin_get_port_by_index(plugin, port), world.uri(LILV_URI_AUDIO_PORT)));
  const LilvPort* sync = lilv_plugin_get_port_by_index(plugin, lfoSyncPort);
  EXPECT_STREQ(lilv_node_as_string(lilv_port_get_symbol(plugin, sync)), lfoSyncSymbol);
  checkSettings(sync, lfoSyncSettingCount, lfoSyncText);
  const LilvPort* song = lilv_plugin_get_port_by_index(plugin, songPort);
  EXPECT_TRUE(lilv_port_is_a(plugin, song, world.uri(LV2_ATOM__AtomPort)) &&
              lilv_port_is_a(plugin, song, world.uri(LV2_CORE__InputPort)) &&
              lilv_port_has_property(plugin, song, world.uri(LV2_CORE__connectionOptional)) &&  // for lv2apply
              lilv_port_supports_event(plugin, song, world.uri(LV2_TIME__Position)));
}

// A host tells the panel of the ports it lists, and offers touch only when
// the panel asks: every control port, "LFO sync" included, and ui:touch.
TEST_F(Bundle, PanelHearsEveryControlAndAsksForTouch) {
  LilvWorld* lilv = world.world();
  LilvNode* ui = world.uri(uiUri);
  std::set<std::string> notified, expected = {lfoSyncSymbol};
  for (const ParameterFacts& facts : parameterTable) expected.insert(facts.symbol);
  LilvNodes* notifications = lilv_world_find_nodes(lilv, ui, world.uri(LV2_UI__portNotification), nullptr);
  LILV_FOREACH(nodes, i, notifications) {
    LilvNode* symbol = lilv_world_get(lilv, lilv_nodes_get(notifications, i), world.uri(LV2_CORE__symbol), nullptr);
    notified.insert(symbol ? lilv_node_as_string(symbol) : "");
    lilv_node_free(symbol);
  }
  lilv_nodes_free(notifications);
  EXPECT_EQ(notified, expected);
  EXPECT_TRUE(lilv_world_ask(lilv, ui, world.uri(LV2_CORE__optionalFeature), world.uri(LV2_UI__touch)));
}

TEST_F(Bundle, EachPresetGivesItsProgramsValuesExactly) {
  const auto presets = world.presets();
  ASSERT_EQ(presets.size(), static_cast<std::size_t>(numPrograms));
  for (const FactoryProgram& program : factoryPrograms) {
    const auto preset = std::find_if(presets.begin(), presets.end(), [&](auto& p) { return p.label == program.name; });
    ASSERT_NE(preset, presets.end()) << program.name;
    for (std::int32_t index = 0; index < numParameters; ++index)
      EXPECT_EQ(normalisedOf(index, preset->values[index]), program.values[index]) << program.name << " " << index;
    EXPECT_EQ(preset->lfoSync, lfoSyncFree) << program.name;
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
// With a song, each block is sent the positions its frames hold; without,
// the song's port stays as it is.
Render render(Lv2Instance& instance, const std::vector<float>& input, std::uint32_t block, bool inPlace = false,
              const std::vector<SongPosition>* song = nullptr) {
  Render out{input, std::vector<float>(input.rbegin(), input.rend())};
  std::vector<float> sourceLeft = out.left, sourceRight = out.right;
  for (std::size_t at = 0; at < input.size(); at += block) {
    const auto frames = static_cast<std::uint32_t>(std::min<std::size_t>(block, input.size() - at));
    if (song) instance.clearSong();
    for (SongPosition position : song ? *song : std::vector<SongPosition>{})
      if (position.frame >= static_cast<std::int64_t>(at) && position.frame < static_cast<std::int64_t>(at + frames)) {
        position.frame -= static_cast<std::int64_t>(at);
        instance.send(position);
      }
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
    instance.lfoSync() = static_cast<float>(lfoSyncSettingCount - 1);
    instance.send({0, 1.0, 174.0, 2.0, 0.5, 7.0, 8.0});  // in every block
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

// The literal model through the stream, split where the host's positions
// arrive, fed the reports their fields give by the rule's formulas.
Render modelRender(std::int32_t sync, const std::vector<float>& input, const std::vector<SongPosition>& song) {
  Render out{input, std::vector<float>(input.rbegin(), input.rend())};
  std::vector<float> left = out.left, right = out.right;
  ReferenceSignalPath model{WindowPolicy::continuous};
  double beatsPerBar = 4, beatUnit = 4;
  TransportReport report;
  const TransportReport* reported = nullptr;
  std::size_t at = 0;
  const auto runTo = [&](std::size_t to) {
    float* inputs[] = {left.data() + at, right.data() + at};
    float* outputs[] = {out.left.data() + at, out.right.data() + at};
    model.process(programValues(4), 44100.0f, inputs, outputs, static_cast<std::int32_t>(to - at), OutputRule::replace,
                  sync, reported);
    at = to;
  };
  for (const SongPosition& p : song) {
    runTo(static_cast<std::size_t>(p.frame));
    if (!std::isnan(p.beatsPerBar)) beatsPerBar = p.beatsPerBar;
    if (!std::isnan(p.beatUnit)) beatUnit = p.beatUnit;
    const double quarterNotes = (p.bar * beatsPerBar + p.barBeat) * 4 / beatUnit, fraction = p.barBeat / beatsPerBar;
    report = {std::isfinite(p.speed) && p.speed != 0, p.beatsPerMinute, quarterNotes, p.bar, fraction, p.beatsPerBar};
    report.beatUnit = p.beatUnit;
    reported = &report;
  }
  runTo(input.size());
  return out;
}

Lv2Instance& synced(Lv2Instance& instance, std::int32_t sync) {
  instance.setProgram(4);
  instance.lfoSync() = static_cast<float>(sync);
  lilv_instance_activate(instance.lilv());
  return instance;
}

// Bar 4 from frame 0, a loop jump inside a block, a faster tempo where a
// block of 512 starts (with no meter: the last one holds), stopped at half
// that tempo, then no transport: bit for bit the literal model at any block
// size, in the number types time: gives and the others hosts may send.
TEST_F(Bundle, SyncFollowsTheSongAsTheLiteralModelAtAnyBlockSize) {
  const auto input = noise(6000, 0.8f, 5);
  for (double bpm : {90.0, 120.0, 174.0})
    for (const auto& [beats, unit] : {std::pair{4.0, 4.0}, std::pair{7.0, 8.0}})
      for (const char* setting : {"1/8", "1/8T", "2 BARS"}) {
        const std::vector<SongPosition> song = {{0, 1, bpm, 4, 1.5, beats, unit, LV2_ATOM__Double},
                                                {700, 1, bpm, 0, 0, beats, unit, LV2_ATOM__Int},
                                                {1536, 1, bpm * 1.5, 1, 0.5, NAN, NAN},
                                                {3000, 0, bpm / 2, 2, 0, beats, unit, LV2_ATOM__Long}};
        const std::int32_t sync = *lfoSyncOfText(setting);
        const Render expected = modelRender(sync, input, song);
        for (std::uint32_t block : {1u, 64u, 100u, 4096u}) {
          Lv2Instance instance(world, 44100.0);
          const Render out = render(synced(instance, sync), input, block, false, &song);
          EXPECT_TRUE(out.left == expected.left && out.right == expected.right)
              << bpm << " BPM in " << beats << "/" << unit << ", " << setting << ", blocks of " << block;
        }
        // A host without urid:map: no song, the free run at 120.
        Lv2Instance unmapped(world, 44100.0, false);
        ASSERT_TRUE(unmapped.valid()) << "urid:map is optional";
        EXPECT_EQ(render(synced(unmapped, sync), input, 512, false, &song).left, modelRender(sync, input, {}).left);
      }
}

// Fields no song has, and a sequence's words spoilt (its size and type, the
// event's size and type, the object's type, its first value's size): the
// free run at 120, an atom that cannot be read skipped whole. A frame past
// the block or negative applies at its start.
TEST_F(Bundle, SyncRunsFreeThroughAbsurdOrMalformedPositions) {
  const auto input = noise(3000, 0.8f, 6);
  const SongPosition absurd[] = {{0, 1, NAN, 3, 1.25, 4, 4, LV2_ATOM__Float},
                                 {0, 1, 0, 3, 1.25, 4, 4},
                                 {0, 1, 1e30, 3, 1.25, 4, 4},
                                 {0, 1, -120, 3, 1.25, 4, 4},
                                 {0, 1, 120, 3, 1.25, -4, 4},
                                 {0, 1, 120, 3, 1.25, 0, 4},
                                 {0, 1, 120, 3, 1.25, 4, 0},
                                 {0, 1, 120, 3, NAN, 4, 4, LV2_ATOM__Float},
                                 {0, 1, 120, 1e300, 1.25, 4, 4, LV2_ATOM__Double},
                                 {0, 1, 150, 3, 1.25, 4, 4, LV2_ATOM__String}};
  const SongPosition locking{0, 1, 150, 3, 1.25, 4, 4};
  const std::pair<int, std::uint32_t> spoilt[] = {{0, -28u}, {1, 1000},      {6, 1u << 30}, {6, -12u}, {7, 1000},
                                                  {9, 1000}, {12, 1u << 30}, {4, 1u << 30}, {5, ~0u}};
  for (const char* setting : {"1/8", "2 BARS"}) {
    const std::int32_t sync = *lfoSyncOfText(setting);
    const Render free = modelRender(sync, input, {}), locked = modelRender(sync, input, {locking});
    for (std::size_t row = 0; row < std::size(absurd) + std::size(spoilt); ++row) {
      const bool spoils = row >= std::size(absurd);
      const auto [word, added] = spoils ? spoilt[row - std::size(absurd)] : std::pair{-1, 0u};
      Lv2Instance instance(world, 44100.0);
      instance.send(spoils ? locking : absurd[row]);
      if (spoils) instance.songWords()[word] += added;
      const Render& expected = word == 4 || word == 5 ? locked : free;  // the event's frame
      EXPECT_EQ(render(synced(instance, sync), input, 3000).left, expected.left) << setting << " row " << row;
    }
  }
}

}  // namespace
}  // namespace sweepfilter
