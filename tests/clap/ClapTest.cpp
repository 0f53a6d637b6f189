// The built SweepFilter.clap through the project's own small host: what it
// declares against the parameter table, its texts and state, and the host's
// contract of process.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "ClapHost.h"
#include "ClapIdentity.h"
#include "PanelEvents.h"
#include "FactoryPrograms.h"
#include "ParameterTable.h"
#include "PortValues.h"
#include "SignalTestSupport.h"

#ifdef _WIN32
// The Windows file links its own runtime: its allocations are not seen here.
long allocationCount() { return 0; }
#else
#include "AllocationCounter.h"
long allocationCount() { return sweepfilter::allocations.load(); }
#endif

namespace sweepfilter {
namespace {

// The factory programs as a host shows their values: percent, Hz, a switch's setting.
constexpr double programsShown[numPrograms][numParameters] = {{100, 53, 52, 100, 0.1, 2, 1, 0, 0, 0, 0, 72},
                                                              {100, 53, 52, 35, 10, 2, 1, 0, 0, 0, 0, 72},
                                                              {100, 100, 29, 48, 0.1, 2, 0, 0, 1, 0, 0, 71},
                                                              {100, 100, 28, 100, 2.08, 2, 0, 0, 1, 0, 0, 70},
                                                              {100, 86, 73, 32, 2.377, 2, 1, 0, 1, 0, 1, 74}};

class ClapFile : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(library.factory(), nullptr) << SWEEPFILTER_CLAP_FILE << " gives no factory"; }
  ClapLibrary library{SWEEPFILTER_CLAP_FILE};
};

TEST_F(ClapFile, OnePluginDescribedAndCountedEntry) {
  EXPECT_GE(library.entry()->clap_version.major, 1u);
  const clap_plugin_factory* factory = library.factory();
  ASSERT_EQ(factory->get_plugin_count(factory), 1u);
  EXPECT_EQ(factory->get_plugin_descriptor(factory, 1), nullptr);
  const clap_plugin_descriptor* d = factory->get_plugin_descriptor(factory, 0);
  EXPECT_STREQ(d->id, clapPluginId);
  EXPECT_STREQ(d->name, "SweepFilter");
  EXPECT_STREQ(d->version, "1.0.0");
  ASSERT_NE(d->features, nullptr);
  std::vector<std::string> features;
  for (const char* const* f = d->features; *f; ++f) features.emplace_back(*f);
  EXPECT_EQ(features, (std::vector<std::string>{"audio-effect", "filter", "stereo"}));
  EXPECT_EQ(library.entry()->get_factory("clap.unknown"), nullptr);
  EXPECT_EQ(factory->create_plugin(factory, nullptr, clapPluginId), nullptr);
  // A second init needs a second deinit before the factory goes.
  ASSERT_TRUE(library.entry()->init(SWEEPFILTER_CLAP_FILE));
  library.entry()->deinit();
  EXPECT_EQ(library.entry()->get_factory(CLAP_PLUGIN_FACTORY_ID), factory);
}

TEST_F(ClapFile, ParametersAndPortsFollowTheTable) {
  HostedPlugin hosted(library);
  ASSERT_NE(hosted.plugin(), nullptr);
  const clap_plugin_params& params = hosted.params();
  ASSERT_EQ(params.count(hosted.plugin()), static_cast<std::uint32_t>(numParameters + 1));
  clap_param_info info;
  EXPECT_FALSE(params.get_info(hosted.plugin(), numParameters + 1, &info));
  // "LFO sync" after the twelve: a stepped choice of the settings, FREE first.
  ASSERT_TRUE(params.get_info(hosted.plugin(), lfoSyncId, &info));
  EXPECT_EQ(info.id, static_cast<clap_id>(lfoSyncId));
  EXPECT_STREQ(info.name, "LFO sync");
  EXPECT_STREQ(info.module, "LFO");
  EXPECT_EQ(info.flags, CLAP_PARAM_IS_AUTOMATABLE | CLAP_PARAM_IS_STEPPED | CLAP_PARAM_IS_ENUM);
  EXPECT_EQ(info.min_value, 0.0);
  EXPECT_EQ(info.max_value, 17.0);
  EXPECT_EQ(info.default_value, 0.0);
  EXPECT_EQ(hosted.value(lfoSyncId), 0.0);
  // Each one's panel section and range in the unit people read: from 0, the
  // LFO's from 0.1 Hz. The six from "LFO wave" to "Mode" are switches.
  const char* const sections[numParameters] = {"Levels", "Resonance", "Cutoff", "Level tracking", "LFO",
                                               "LFO",    "LFO",       "Cutoff", "Level tracking", "Level tracking",
                                               "LFO",    "Levels"};
  const double maxima[numParameters] = {100, 100, 100, 100, 10, 2, 2, 2, 2, 1, 1, 100};
  for (std::int32_t index = 0; index < numParameters; ++index) {
    const ParameterFacts& facts = parameterTable[index];
    ASSERT_TRUE(params.get_info(hosted.plugin(), static_cast<std::uint32_t>(index), &info));
    EXPECT_EQ(info.id, static_cast<clap_id>(index));
    EXPECT_STREQ(info.name, facts.name);
    EXPECT_STREQ(info.module, sections[index]);
    EXPECT_EQ(info.min_value, index == paramLfoRate ? double{0.1f} : 0.0);
    EXPECT_FLOAT_EQ(info.max_value, maxima[index]);
    EXPECT_NEAR(info.default_value, programsShown[0][index], 1e-4) << facts.name;
    EXPECT_EQ(hosted.value(info.id), info.default_value);
    const std::uint32_t switchFlags = CLAP_PARAM_IS_STEPPED | CLAP_PARAM_IS_ENUM;
    const bool isSwitch = index >= paramLfoWave && index <= paramMode;
    EXPECT_EQ(info.flags, CLAP_PARAM_IS_AUTOMATABLE | (isSwitch ? switchFlags : 0u)) << facts.name;
  }
  const auto* ports = hosted.extension<clap_plugin_audio_ports>(CLAP_EXT_AUDIO_PORTS);
  for (bool input : {true, false}) {
    ASSERT_EQ(ports->count(hosted.plugin(), input), 1u);
    clap_audio_port_info port;
    ASSERT_TRUE(ports->get(hosted.plugin(), 0, input, &port));
    EXPECT_EQ(port.channel_count, 2u);
    EXPECT_EQ(port.flags, CLAP_AUDIO_PORT_IS_MAIN);
    EXPECT_STREQ(port.port_type, "stereo");
    EXPECT_EQ(port.in_place_pair, input ? 1u : 0u);
  }
}

TEST_F(ClapFile, TextsBothWays) {
  HostedPlugin hosted(library);
  const clap_plugin_params& params = hosted.params();
  // The DLL's texts: 52 % is 0.52f, which truncates to 51.
  const struct {
    std::int32_t index;
    double value;
    const char* text;
  } shown[] = {{paramCutoff, 52.0, "51 %"},   {paramOutput, 75.0, "75 %"},   {paramLfoRate, 10.0, "10.0 Hz"},
               {paramLfoRate, 0.1, "0.1 Hz"}, {paramLfoWave, 1.0, "SAW"},    {paramTrackDest, 2.0, "RES"},
               {paramMode, 1.0, "STEREO"},    {paramCutoff, 250.0, "100 %"}, {paramSoftHard, 0.4, "SOFT"},
               {lfoSyncId, 0.0, "FREE"},      {lfoSyncId, 5.0, "1/8T"},      {lfoSyncId, 17.0, "8 BARS"},
               {lfoSyncId, 40.0, "8 BARS"}};
  char text[64];
  for (const auto& s : shown) {
    ASSERT_TRUE(params.value_to_text(hosted.plugin(), s.index, s.value, text, sizeof text)) << s.text;
    EXPECT_STREQ(text, s.text);
  }
  EXPECT_FALSE(params.value_to_text(hosted.plugin(), paramCutoff, 52.0, text, 4));
  EXPECT_FALSE(params.value_to_text(hosted.plugin(), numParameters + 1, 0.0, text, sizeof text));

  // What a typed text gives, shown again; null: refused.
  const struct {
    std::int32_t index;
    const char* typed;
    const char* shownAfter;
  } read[] = {{paramCutoff, "52 %", "52 %"},   {paramCutoff, " 52 ", "52 %"},   {paramLfoRate, "5.5 hz", "5.5 Hz"},
              {paramLfoWave, "saw", "SAW"},    {paramMode, "STEREO", "STEREO"}, {paramCutoff, "52 Hz", nullptr},
              {paramCutoff, "150", nullptr},   {paramCutoff, "", nullptr},      {paramCutoff, "abc", nullptr},
              {paramCutoff, "nan", nullptr},   {paramLfoWave, "1", nullptr},    {paramLfoWave, "SAWTOOTH", nullptr},
              {paramLfoRate, "0.05", nullptr}, {lfoSyncId, "1/8t", "1/8T"},     {lfoSyncId, " 2 bars ", "2 BARS"},
              {lfoSyncId, "6", "1/8"},         {lfoSyncId, "1/5", nullptr},     {lfoSyncId, "18", nullptr}};
  for (const auto& r : read) {
    double value = NAN;
    ASSERT_EQ(params.text_to_value(hosted.plugin(), r.index, r.typed, &value), r.shownAfter != nullptr) << r.typed;
    if (!r.shownAfter) continue;
    ASSERT_TRUE(params.value_to_text(hosted.plugin(), r.index, value, text, sizeof text));
    EXPECT_STREQ(text, r.shownAfter) << r.typed;
  }
  // Every text reads back to a value that shows the same text.
  for (std::int32_t index = 0; index <= numParameters; ++index)
    for (int step = 0; step <= 200; ++step) {
      clap_param_info info;
      ASSERT_TRUE(params.get_info(hosted.plugin(), index, &info));
      const double value = info.min_value + (info.max_value - info.min_value) * step / 200.0;
      char again[64];
      double back = NAN;
      ASSERT_TRUE(params.value_to_text(hosted.plugin(), index, value, text, sizeof text));
      ASSERT_TRUE(params.text_to_value(hosted.plugin(), index, text, &back)) << text;
      ASSERT_TRUE(params.value_to_text(hosted.plugin(), index, back, again, sizeof again));
      EXPECT_STREQ(again, text) << info.name << " at " << value;
    }
}

// Program 4's values, as a host would set them.
void setProgram(HostedPlugin& hosted, std::int32_t program) {
  for (std::int32_t index = 0; index < numParameters; ++index)
    hosted.queueValue(index, *portValueOf(index, factoryPrograms[program].values[index]));
  hosted.flush();
}

TEST_F(ClapFile, StateRoundTripsInAnyChunksAndRefusesWhatIsNotAState) {
  HostedPlugin source(library), same(library), target(library);
  for (HostedPlugin* h : {&source, &same}) {
    h->queueValue(paramCutoff, 33.0);
    h->queueValue(paramLfoWave, 2.0);
    h->queueValue(paramLfoRate, 7.25);
    h->queueValue(lfoSyncId, 15.0);
    h->flush();
  }
  const auto bytes = source.save();
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(source.save(1), bytes);
  EXPECT_EQ(same.save(), bytes) << "the same settings, other bytes";
  ASSERT_TRUE(target.activate(48000.0));
  ASSERT_TRUE(target.load(bytes, 3));
  EXPECT_EQ(target.valueRescans, 1);
  for (std::int32_t index = 0; index <= numParameters; ++index) EXPECT_EQ(target.value(index), source.value(index));
  EXPECT_EQ(target.value(lfoSyncId), 15.0);

  // A state saved before "LFO sync" (version 1, twelve values) runs free.
  std::vector<unsigned char> first(bytes.begin(), bytes.end() - 8);
  first[4] = 1;
  ASSERT_TRUE(target.load(first));
  EXPECT_EQ(target.value(lfoSyncId), 0.0);
  EXPECT_EQ(target.value(paramLfoRate), 7.25);

  HostedPlugin fresh(library);
  const auto defaults = fresh.save();
  std::vector<std::vector<unsigned char>> refused = {
      {}, {bytes.begin(), bytes.end() - 1}, bytes, bytes, bytes, bytes, bytes, bytes, bytes, bytes, bytes, first};
  refused[2].push_back(0);
  refused[3][0] ^= 1;  // the tag
  refused[4][4] = 3;   // the version
  const double notOurs[] = {NAN, INFINITY, 101.0};
  for (int i = 0; i < 3; ++i) std::memcpy(&refused[5 + i][8 + 8 * paramCutoff], &notOurs[i], 8);
  const double noSetting[] = {2.5, 18.0, -1.0};
  for (int i = 0; i < 3; ++i) std::memcpy(&refused[8 + i][8 + 8 * lfoSyncId], &noSetting[i], 8);
  refused[11][4] = 2;  // thirteen values' version with twelve
  std::mt19937 random(19);
  refused.emplace_back(1 << 20);
  for (auto& byte : refused.back()) byte = static_cast<unsigned char>(random());
  for (std::size_t i = 0; i < refused.size(); ++i) {
    EXPECT_FALSE(fresh.load(refused[i], 7)) << "case " << i;
    EXPECT_EQ(fresh.save(), defaults) << "case " << i << " changed something";
  }
  EXPECT_EQ(fresh.valueRescans, 0);
}

TEST_F(ClapFile, FactoryProgramsAsPresetsInsideThePlugin) {
  const auto presets = library.discoverPresets();
  ASSERT_EQ(presets.size(), static_cast<std::size_t>(numPrograms));
  EXPECT_EQ(library.discoverPresets(CLAP_PRESET_DISCOVERY_FACTORY_ID_DRAFT).size(), presets.size());
  HostedPlugin hosted(library);
  const auto* load = hosted.extension<clap_plugin_preset_load>(CLAP_EXT_PRESET_LOAD);
  ASSERT_NE(load, nullptr);
  EXPECT_EQ(hosted.extension<clap_plugin_preset_load>(CLAP_EXT_PRESET_LOAD_DRAFT), load);
  for (std::int32_t program = 0; program < numPrograms; ++program) {
    const auto& preset = presets[program];
    EXPECT_EQ(preset.name, factoryPrograms[program].name);
    EXPECT_EQ(preset.pluginId, clapPluginId);
    EXPECT_EQ(preset.locationKind, CLAP_PRESET_DISCOVERY_LOCATION_PLUGIN);
  }
  ASSERT_TRUE(hosted.activate(44100.0));
  // Loaded in an order that changes every value at least once.
  for (std::int32_t program : {4, 0, 2, 1, 3}) {
    const int rescans = hosted.valueRescans;
    ASSERT_TRUE(
        load->from_location(hosted.plugin(), presets[program].locationKind, nullptr, presets[program].loadKey.c_str()));
    EXPECT_EQ(hosted.presetsLoaded.back(), presets[program].loadKey);
    EXPECT_EQ(hosted.valueRescans, rescans + 1);
    for (std::int32_t index = 0; index < numParameters; ++index)
      EXPECT_NEAR(hosted.value(index), programsShown[program][index], 1e-4)
          << factoryPrograms[program].name << " " << parameterTable[index].name;
  }
  EXPECT_FALSE(load->from_location(hosted.plugin(), CLAP_PRESET_DISCOVERY_LOCATION_PLUGIN, nullptr, "5"));
  EXPECT_FALSE(load->from_location(hosted.plugin(), 0, "/tmp/0", "0"));
  EXPECT_EQ(hosted.presetErrors, 2);
  EXPECT_EQ(hosted.presetsLoaded.size(), 5u);
}

// The input on the left and reversed on the right, in blocks of the pattern,
// with the parameter changes given at their frames.
struct Change {
  std::size_t frame;
  clap_id id;
  double value;
};
struct Render {
  std::vector<float> left, right;
  long allocations = 0;  // made within process
};
Render render(HostedPlugin& hosted, const std::vector<float>& input, std::vector<std::uint32_t> blocks,
              const std::vector<Change>& changes = {}, bool inPlace = false) {
  Render out{input, std::vector<float>(input.rbegin(), input.rend())};
  const std::vector<float> sourceLeft = out.left, sourceRight = out.right;
  std::size_t at = 0;
  for (std::size_t block = 0; at < input.size(); ++block) {
    const auto frames =
        static_cast<std::uint32_t>(std::min<std::size_t>(blocks[block % blocks.size()], input.size() - at));
    for (const Change& c : changes)
      if (c.frame >= at && c.frame < at + frames)
        hosted.queueValue(c.id, c.value, static_cast<std::uint32_t>(c.frame - at));
    float* inputs[2] = {const_cast<float*>(&sourceLeft[at]), const_cast<float*>(&sourceRight[at])};
    float* outputs[2] = {&out.left[at], &out.right[at]};
    const long before = allocationCount();
    EXPECT_EQ(hosted.process(inPlace ? outputs : inputs, outputs, frames), CLAP_PROCESS_CONTINUE);
    out.allocations += allocationCount() - before;
    at += frames;
  }
  return out;
}

TEST_F(ClapFile, ProcessesAtAnyRateAndBlockWithoutAllocatingOrReadingNull) {
  const auto input = noise(20000, 1);
  for (double rate : {8000.0, 11025.0, 44100.0, 192000.0, 768000.0}) {
    HostedPlugin hosted(library);
    hosted.queueValue(paramLfoRate, 10.0);
    hosted.flush();
    ASSERT_TRUE(hosted.activate(rate));
    for (std::uint32_t block : {1u, 7u, 64u, 4096u}) {
      const Render out = render(hosted, input, {block}, {{5, paramCutoff, 80.0}});
      EXPECT_EQ(out.allocations, 0) << rate << " Hz, blocks of " << block;
      EXPECT_TRUE(std::all_of(out.left.begin(), out.left.end(), [](float s) { return std::isfinite(s); }));
    }
    // No buffers, or outputs without inputs: silence in.
    HostedPlugin bare(library);
    ASSERT_TRUE(bare.activate(rate));
    float* none[2] = {nullptr, nullptr};
    EXPECT_EQ(bare.process(none, none, 64), CLAP_PROCESS_CONTINUE);
    EXPECT_EQ(bare.process(none, none, 0), CLAP_PROCESS_CONTINUE);
    std::vector<float> left(64, 1.0f), right(64, 1.0f);
    float* outputs[2] = {left.data(), right.data()};
    EXPECT_EQ(bare.process(none, outputs, 64), CLAP_PROCESS_CONTINUE);
    EXPECT_TRUE(std::all_of(left.begin(), left.end(), [](float s) { return std::fabs(s) < 1e-3f; }));
  }
  EXPECT_FALSE(HostedPlugin(library).activate(0.0));
}

TEST_F(ClapFile, ChangesLandAtTheirFrameInPlaceAndBesideAnotherInstance) {
  const auto input = noise(16384, 2);
  const std::vector<Change> changes = {
      {300, paramCutoff, 10.0}, {300, paramMode, 1.0}, {5000, paramResonance, 90.0}, {5001, paramLfoWave, 0.0}};
  HostedPlugin split(library), whole(library), inPlace(library), other(library);
  for (HostedPlugin* h : {&split, &whole, &inPlace, &other}) {
    setProgram(*h, 4);
    ASSERT_TRUE(h->activate(44100.0));
  }
  // Blocks that end at every change, against blocks that carry them inside.
  const Render expected = render(split, input, {300, 4700, 1, 11383}, changes);
  render(other, noise(5000, 3), {100});
  const Render inside = render(whole, input, {1024}, changes);
  EXPECT_EQ(inside.left, expected.left);
  EXPECT_EQ(inside.right, expected.right);
  const Render shared = render(inPlace, input, {1024}, changes, true);
  EXPECT_EQ(shared.left, expected.left);
  EXPECT_EQ(shared.right, expected.right);
}

TEST_F(ClapFile, AnyBlockPatternGivesTheSameBits) {
  const auto input = noise(1 << 15, 4);
  HostedPlugin reference(library);
  setProgram(reference, 4);
  ASSERT_TRUE(reference.activate(44100.0));
  const Render expected = render(reference, input, {512});
  for (const std::vector<std::uint32_t>& blocks :
       std::vector<std::vector<std::uint32_t>>{{1}, {64}, {37, 511, 1, 4096}}) {
    HostedPlugin hosted(library);
    setProgram(hosted, 4);
    ASSERT_TRUE(hosted.activate(44100.0));
    const Render out = render(hosted, input, blocks);
    EXPECT_EQ(out.left, expected.left) << "blocks of " << blocks[0];
    EXPECT_EQ(out.right, expected.right) << "blocks of " << blocks[0];
  }
}

}  // namespace
}  // namespace sweepfilter

namespace sweepfilter {
namespace {
// The panel's queue when the host takes nothing for long: moves are dropped,
// but a gesture is whole or not there at all, and ends on the user's last value.
TEST(PanelQueue, FullDropsMovesButNeverAGesturesEndOrLastValue) {
  PanelEvents queue;
  std::vector<PanelEvents::Event> taken;
  const clap_output_events out{&taken, [](const clap_output_events* o, const clap_event_header* e) {
                                 const auto& v = *reinterpret_cast<const clap_event_param_value*>(e);
                                 static_cast<std::vector<PanelEvents::Event>*>(o->ctx)->push_back(
                                     {e->type, v.param_id, e->type == CLAP_EVENT_PARAM_VALUE ? v.value : 0.0});
                                 return true;
                               }};
  for (clap_id parameter : {1u, 2u}) {
    queue.push({CLAP_EVENT_PARAM_GESTURE_BEGIN, parameter, 0.0});
    for (int move = 0; move < 2000; ++move) queue.push({CLAP_EVENT_PARAM_VALUE, parameter, double(move)});
    EXPECT_EQ(queue.push({CLAP_EVENT_PARAM_GESTURE_END, parameter, 0.0}), parameter == 1u);
  }
  queue.sendTo(&out);
  ASSERT_EQ(taken.size(), 1024u);
  EXPECT_EQ(taken[0].type, CLAP_EVENT_PARAM_GESTURE_BEGIN);
  EXPECT_EQ(taken[1022].value, 1999.0);
  EXPECT_EQ(taken[1023].type, CLAP_EVENT_PARAM_GESTURE_END);
  EXPECT_TRUE(std::all_of(taken.begin(), taken.end(), [](auto& e) { return e.parameter == 1u; }))
      << "the second gesture found no room: none of it goes";
}
}  // namespace
}  // namespace sweepfilter
