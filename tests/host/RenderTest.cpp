// The render job through a real instance of the effect: WAV in, WAV out,
// equal to the golden rendering of the same case; and every failure leaves
// the output folder as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "GoldenRunner.h"
#include "InstanceUnderTest.h"
#include "Render.h"
#include "WavBytes.h"
#include "WavReader.h"
#include "WavWriter.h"

namespace sweepfilter {

namespace fs = std::filesystem;

namespace {

class Render : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             (std::string("plughost-render-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    ASSERT_TRUE(instance) << instanceError;
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string path(const char* name) const { return (folder / name).string(); }

  void writeBytes(const char* name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }

  // The case's input as a WAV file: mono when both channels are equal.
  void writeInput(const GoldenCase& c, const char* name, SampleFormat format) const {
    const StereoSignal input = generateSignal(c.signal, c.frames);
    std::ofstream file(path(name), std::ios::binary);
    WavWriter writer(
        file, {static_cast<std::uint16_t>(isMono(c.signal) ? 1 : 2), static_cast<std::uint32_t>(c.sampleRate), format});
    const float* channels[2] = {input.left.data(), input.right.data()};
    ASSERT_TRUE(writer.write(channels, c.frames));
    ASSERT_TRUE(writer.finish());
  }

  StereoSignal readOutput(const char* name) const {
    std::ifstream file(path(name), std::ios::binary);
    WavReader reader(file);
    EXPECT_TRUE(reader.ok()) << reader.error();
    EXPECT_EQ(reader.format().channels, 2);
    const auto frames = static_cast<std::size_t>(reader.frames());
    StereoSignal s{std::vector<float>(frames), std::vector<float>(frames)};
    float* channels[2] = {s.left.data(), s.right.data()};
    EXPECT_EQ(reader.read(channels, frames), frames);
    return s;
  }

  std::set<std::string> files() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
  }

  RenderOptions options(const char* input = "in.wav", const char* output = "out.wav") const {
    RenderOptions o;
    o.input = path(input);
    o.output = path(output);
    return o;
  }

  fs::path folder;
  std::string instanceError;
  PluginInstance instance = instanceUnderTest(&instanceError);
};

struct ThroughFiles {
  const char* golden;
  SampleFormat inputFormat;
  std::vector<std::string> args;  // as given to plughost after OUT.wav
};

TEST_F(Render, EqualsTheGoldenRenderingOfTheSameCase) {
  // The same cases run through plughost under wine (tests/host/CMakeLists.txt).
  const std::vector<ThroughFiles> cases = {
      {"program4-saw-chord", SampleFormat::float32, {"--program", "4"}},
      {"program1-48k", SampleFormat::pcm24, {"--program", "1"}},
      {"program2-hard-accumulate-mono-blocks-of-100",
       SampleFormat::pcm16,
       {"--program", "2", "--set", "Soft/Hard=1", "--block", "100", "--accumulate"}},
  };
  for (const ThroughFiles& c : cases) {
    SCOPED_TRACE(c.golden);
    const GoldenCase* golden = findGoldenCase(c.golden);
    ASSERT_NE(golden, nullptr);
    writeInput(*golden, "in.wav", c.inputFormat);
    std::vector<std::string> args = {"fx.dll", path("in.wav"), path("out.wav")};
    args.insert(args.end(), c.args.begin(), c.args.end());
    std::string error;
    const auto parsed = parseRenderOptions(args, error);
    ASSERT_TRUE(parsed) << error;
    const PluginInstance fresh = instanceUnderTest();
    ASSERT_EQ(renderFile(fresh, *parsed, nullptr), "");
    EXPECT_EQ(hashOutput(readOutput("out.wav")), expectedHash(c.golden));
  }
}

TEST_F(Render, IntegerOutputIsTheFloatOutputRoundedAndClipped) {
  const GoldenCase& golden = *findGoldenCase("program4-saw-chord");
  const StereoSignal expected = runGoldenCase(instance, golden);
  writeInput(golden, "in.wav", SampleFormat::float32);
  for (const auto& [format, bits] : {std::pair{SampleFormat::pcm16, 16}, {SampleFormat::pcm24, 24}}) {
    const PluginInstance fresh = instanceUnderTest();
    RenderOptions o = options();
    o.program = 4;
    o.format = format;
    ASSERT_EQ(renderFile(fresh, o, nullptr), "");
    const StereoSignal output = readOutput("out.wav");
    ASSERT_EQ(output.left.size(), golden.frames);
    for (std::size_t i = 0; i < golden.frames; ++i) {
      ASSERT_EQ(output.left[i], static_cast<float>(std::ldexp(quantise(expected.left[i], bits), 1 - bits))) << i;
      ASSERT_EQ(output.right[i], static_cast<float>(std::ldexp(quantise(expected.right[i], bits), 1 - bits))) << i;
    }
  }
}

TEST_F(Render, ReportsProgressUpToTheLastFrame) {
  writeBytes("in.wav", riff(chunk("fmt ", fmtPayload(1, 1, 8000, 16)) + chunk("data", std::string(2 * 1000, '\0'))));
  RenderOptions o = options();
  o.blockSize = 300;
  std::vector<std::uint64_t> done;
  ASSERT_EQ(renderFile(instance, o,
                       [&done](const RenderProgress& p) {
                         EXPECT_EQ(p.framesTotal, 1000u);
                         EXPECT_EQ(p.sampleRate, 8000u);
                         done.push_back(p.framesDone);
                       }),
            "");
  EXPECT_EQ(done, (std::vector<std::uint64_t>{300, 600, 900, 1000}));
}

TEST_F(Render, ReplacesAnExistingOutputAndMayOverwriteItsInput) {
  const GoldenCase& golden = *findGoldenCase("program0-saw-chord");
  writeInput(golden, "in.wav", SampleFormat::float32);
  writeBytes("out.wav", "an older file");
  ASSERT_EQ(renderFile(instance, options(), nullptr), "");
  EXPECT_EQ(hashOutput(readOutput("out.wav")), expectedHash("program0-saw-chord"));

  const PluginInstance fresh = instanceUnderTest();
  ASSERT_EQ(renderFile(fresh, options("in.wav", "in.wav"), nullptr), "");
  EXPECT_EQ(hashOutput(readOutput("in.wav")), expectedHash("program0-saw-chord"));
  EXPECT_EQ(files(), (std::set<std::string>{"in.wav", "out.wav"}));
}

// A plug-in with four inputs and four outputs: output k is input k plus k.
namespace quad {
bool extraInputsSilent = true;

HostWord dispatch(PluginDescriptor*, std::int32_t, std::int32_t, HostWord, void*, float) { return 0; }

void process(PluginDescriptor*, float** inputs, float** outputs, std::int32_t frames) {
  for (int k = 0; k < 4; ++k)
    for (std::int32_t i = 0; i < frames; ++i) {
      outputs[k][i] = inputs[k][i] + static_cast<float>(k);
      if (k >= 2 && inputs[k][i] != 0.0f) extraInputsSilent = false;
    }
}

PluginDescriptor descriptor(std::int32_t channels) {
  PluginDescriptor d{};
  d.magic = descriptorMagic;
  d.dispatchEntry = dispatch;
  d.processAccumulateEntry = d.processReplaceEntry = process;
  d.programCount = 1;
  d.inputCount = d.outputCount = channels;
  return d;
}
}  // namespace quad

TEST_F(Render, GivesEveryDeclaredChannelABufferAndWritesTheFirstTwo) {
  writeBytes("in.wav", riff(chunk("fmt ", fmtPayload(1, 2, 44100, 16)) + chunk("data", le32(0x40004000u) + le32(0))));
  PluginDescriptor d = quad::descriptor(4);
  ASSERT_EQ(renderFile(PluginInstance(&d), options(), nullptr), "");
  const StereoSignal output = readOutput("out.wav");
  EXPECT_EQ(output.left, (std::vector<float>{0.5f, 0.0f}));
  EXPECT_EQ(output.right, (std::vector<float>{1.5f, 1.0f}));
  EXPECT_TRUE(quad::extraInputsSilent);

  PluginDescriptor garbage = quad::descriptor(1000);
  EXPECT_EQ(renderFile(PluginInstance(&garbage), options(), nullptr),
            "the plug-in declares 1000 inputs and 1000 outputs");
}

TEST_F(Render, FailuresLeaveTheFolderAsItWas) {
  const std::string good = riff(chunk("fmt ", fmtPayload(1, 2, 44100, 16)) + chunk("data", std::string(4000, '\1')));
  struct Failure {
    const char* name;
    std::string input;  // written as in.wav unless empty
    void (*change)(RenderOptions&);
    const char* error;
  };
  const std::vector<Failure> cases = {
      {"missing input", "", [](RenderOptions&) {}, "cannot open '"},
      {"not a WAV file", "garbage", [](RenderOptions&) {}, "in.wav': not a WAV file"},
      {"truncated", good.substr(0, 1000), [](RenderOptions&) {}, "in.wav': truncated"},
      {"three channels", riff(chunk("fmt ", fmtPayload(1, 3, 44100, 16)) + chunk("data", std::string(6, '\0'))),
       [](RenderOptions&) {}, "has 3 channels (mono or stereo are read)"},
      {"unknown parameter", good,
       [](RenderOptions& o) {
         o.settings = {{"Cutoff", 0.5f}, {"Cutof", 1.0f}};
       },
       "unknown parameter 'Cutof' (the plug-in has: Input, Resonance, Cutoff,"},
      {"program out of range", good, [](RenderOptions& o) { o.program = 5; },
       "program 5 does not exist (the plug-in has 0 to 4)"},
      {"output folder missing", good, [](RenderOptions& o) { o.output += "/no/such/folder/out.wav"; },
       "cannot write '"},
      {"output is a folder", good, [](RenderOptions& o) { o.output = fs::path(o.output).parent_path().string(); },
       "it is a folder"},
  };
  for (const Failure& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    writeBytes("out.wav", "an older file");
    if (!c.input.empty()) writeBytes("in.wav", c.input);
    const std::set<std::string> before = files();
    RenderOptions o = options();
    c.change(o);
    const std::string error = renderFile(instance, o, nullptr);
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos);
    EXPECT_EQ(files(), before);
    std::ifstream old(path("out.wav"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "an older file");
  }
}

}  // namespace

}  // namespace sweepfilter
