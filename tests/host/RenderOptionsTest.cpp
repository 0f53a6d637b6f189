// The render command's arguments: what is understood, and the one-line
// reason for everything that is not.
#include <gtest/gtest.h>

#include "RenderOptions.h"

namespace sweepfilter {

namespace {

using Args = std::vector<std::string>;

TEST(RenderOptions, DefaultsAndEveryOptionInAnyOrder) {
  std::string error;
  const auto plain = parseRenderOptions({"fx.dll", "in.wav", "out.wav"}, error);
  ASSERT_TRUE(plain) << error;
  EXPECT_EQ(plain->plugin, "fx.dll");
  EXPECT_EQ(plain->input, "in.wav");
  EXPECT_EQ(plain->output, "out.wav");
  EXPECT_FALSE(plain->program);
  EXPECT_TRUE(plain->settings.empty());
  EXPECT_EQ(plain->blockSize, 512);
  EXPECT_EQ(plain->rule, OutputRule::replace);
  EXPECT_EQ(plain->format, SampleFormat::float32);

  const auto all = parseRenderOptions({"--program", "3", "fx.dll", "--set", "LFO freq.=0.25", "in.wav", "--block", "64",
                                       "--accumulate", "out.wav", "--set", "Cutoff=1e-1", "--format", "s24"},
                                      error);
  ASSERT_TRUE(all) << error;
  EXPECT_EQ(all->plugin, "fx.dll");
  EXPECT_EQ(all->output, "out.wav");
  EXPECT_EQ(all->program, 3);
  ASSERT_EQ(all->settings.size(), 2u);
  EXPECT_EQ(all->settings[0].name, "LFO freq.");
  EXPECT_EQ(all->settings[0].value, 0.25f);
  EXPECT_EQ(all->settings[1].name, "Cutoff");
  EXPECT_EQ(all->settings[1].value, 0.1f);
  EXPECT_EQ(all->blockSize, 64);
  EXPECT_EQ(all->rule, OutputRule::accumulate);
  EXPECT_EQ(all->format, SampleFormat::pcm24);

  for (const auto& [text, format] : {std::pair{"f32", SampleFormat::float32}, {"s16", SampleFormat::pcm16}}) {
    const auto parsed = parseRenderOptions({"a", "b", "c", "--format", text}, error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(parsed->format, format);
  }
  const auto extremes = parseRenderOptions({"a", "b", "c", "--block", "1048576", "--set", "Mode=-2.5"}, error);
  ASSERT_TRUE(extremes) << error;
  EXPECT_EQ(extremes->blockSize, 1048576);
  EXPECT_EQ(extremes->settings[0].value, -2.5f);  // the plug-in stores values as given

  const auto song = parseRenderOptions({"a.clap", "b", "c", "--tempo", "174.5", "--meter", "7/8", "--start-beat", "16",
                                        "--set", "LFO sync=1/8T", "--sync", "2 bars"},
                                       error);
  ASSERT_TRUE(song) << error;
  EXPECT_EQ(std::tuple(*song->tempo, song->beatsPerBar, song->beatUnit, song->startBeat, song->settings.size()),
            std::tuple(174.5, 7, 8, 16.0, 0u));
  EXPECT_EQ(song->sync, "2 bars");  // the last one given; the plug-in reads the text
}

TEST(RenderOptions, RefusesWithAOneLineReason) {
  const std::vector<std::pair<Args, std::string>> cases = {
      {{}, "usage: plughost render PLUGIN.dll|.clap IN.wav OUT.wav"},
      {{"fx.dll", "in.wav"}, "usage: plughost render"},
      {{"fx.dll", "in.wav", "out.wav", "more.wav"}, "unexpected argument 'more.wav'"},
      {{"fx.dll", "in.wav", "out.wav", "--fast"}, "unknown option '--fast'"},
      {{"fx.dll", "in.wav", "out.wav", "-b", "64"}, "unknown option '-b'"},
      {{"fx.dll", "in.wav", "out.wav", "--block"}, "--block needs a value"},
      {{"fx.dll", "in.wav", "out.wav", "--block", "0"}, "--block: '0' is not a block size from 1 to 1048576"},
      {{"fx.dll", "in.wav", "out.wav", "--block", "1048577"}, "'1048577' is not a block size"},
      {{"fx.dll", "in.wav", "out.wav", "--block", "64k"}, "'64k' is not a block size"},
      {{"fx.dll", "in.wav", "out.wav", "--program", "-1"}, "--program: '-1' is not a program number"},
      {{"fx.dll", "in.wav", "out.wav", "--program", "two"}, "'two' is not a program number"},
      {{"fx.dll", "in.wav", "out.wav", "--program", "1.5"}, "'1.5' is not a program number"},
      {{"fx.dll", "in.wav", "out.wav", "--program", ""}, "'' is not a program number"},
      {{"fx.dll", "in.wav", "out.wav", "--set", "Cutoff"}, "--set: 'Cutoff' is not NAME=VALUE"},
      {{"fx.dll", "in.wav", "out.wav", "--set", "=0.5"}, "'=0.5' is not NAME=VALUE"},
      {{"fx.dll", "in.wav", "out.wav", "--set", "Cutoff=loud"}, "--set Cutoff: 'loud' is not a number"},
      {{"fx.dll", "in.wav", "out.wav", "--set", "Cutoff="}, "'' is not a number"},
      {{"fx.dll", "in.wav", "out.wav", "--set", "Cutoff=0.5x"}, "'0.5x' is not a number"},
      {{"fx.dll", "in.wav", "out.wav", "--set", "Cutoff=nan"}, "'nan' is not a number"},
      {{"fx.dll", "in.wav", "out.wav", "--set", "Cutoff=inf"}, "'inf' is not a number"},
      {{"fx.dll", "in.wav", "out.wav", "--set", "Cutoff=1e39"}, "'1e39' is not a number"},
      {{"fx.dll", "in.wav", "out.wav", "--format", "mp3"}, "--format: 'mp3' is not f32, s16 or s24"},
      {{"a", "b", "c", "--tempo", "0"}, "--tempo: '0' is not a tempo above 0 and up to 1000 BPM"},
      {{"a", "b", "c", "--tempo", "1000.5"}, "'1000.5' is not a tempo"},
      {{"a", "b", "c", "--tempo", "nan"}, "'nan' is not a tempo"},
      {{"a", "b", "c", "--tempo", "90", "--meter", "0/4"}, "--meter: '0/4' is not a meter N/D with N and D from 1"},
      {{"a", "b", "c", "--tempo", "90", "--meter", "7/x"}, "'7/x' is not a meter"},
      {{"a", "b", "c", "--tempo", "90", "--meter", "4"}, "'4' is not a meter"},
      {{"a", "b", "c", "--tempo", "90", "--start-beat", "-1"}, "--start-beat: '-1' is not a position"},
      {{"a", "b", "c", "--meter", "3/4"}, "--meter and --start-beat need --tempo"},
  };
  for (const auto& [args, message] : cases) {
    std::string error;
    EXPECT_FALSE(parseRenderOptions(args, error)) << message;
    EXPECT_NE(error.find(message), std::string::npos) << "got: " << error;
    EXPECT_EQ(error.find('\n'), std::string::npos);
  }
}

}  // namespace

}  // namespace sweepfilter
