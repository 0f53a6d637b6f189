// The WAV writer: rounding and clipping to integer codes, the header fields
// other programs rely on, round trips through the reader, and failure.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <sstream>

#include "WavBytes.h"
#include "WavReader.h"
#include "WavWriter.h"

namespace sweepfilter {

namespace {

TEST(Quantise, RoundsToTheNearestCodeAndClips) {
  const float inf = std::numeric_limits<float>::infinity();
  struct Case {
    float sample;
    int bits;
    std::int32_t code;
  } cases[] = {
      {0.0f, 16, 0},
      {0.5f, 16, 16384},
      {-1.0f, 16, -32768},
      {1.0f, 16, 32767},  // +1 has no code: the top one
      {0.49f / 32768, 16, 0},
      {0.5f / 32768, 16, 1},  // halves away from zero
      {-0.5f / 32768, 16, -1},
      {1.5f / 32768, 16, 2},
      {32766.6f / 32768, 16, 32767},
      {1.5f, 16, 32767},
      {-1.5f, 16, -32768},
      {inf, 16, 32767},
      {-inf, 16, -32768},
      {std::nanf(""), 16, 0},
      {0.25f, 24, 2097152},
      {1.0f, 24, 8388607},
      {-1.0f, 24, -8388608},
      {-1.0f, 32, std::numeric_limits<std::int32_t>::min()},
      {1.0f, 32, std::numeric_limits<std::int32_t>::max()},
  };
  for (const Case& c : cases) EXPECT_EQ(quantise(c.sample, c.bits), c.code) << c.sample << " in " << c.bits << " bits";
}

std::string writeFile(const WavFormat& format, const std::vector<std::vector<float>>& channels) {
  std::stringstream out;
  WavWriter writer(out, format);
  std::vector<const float*> pointers;
  for (const auto& c : channels) pointers.push_back(c.data());
  EXPECT_TRUE(writer.write(pointers.data(), channels[0].size()));
  EXPECT_TRUE(writer.finish());
  return out.str();
}

TEST(WavWriter, FloatFileHeader) {
  const std::string file = writeFile({2, 48000, SampleFormat::float32}, {{0.5f, 1.0f, 2.0f}, {-0.5f, -1.0f, -2.0f}});
  const std::string expectedHeader = "RIFF" + le32(static_cast<std::uint32_t>(file.size() - 8)) + "WAVE" + "fmt " +
                                     le32(18) + le16(3) + le16(2) + le32(48000) + le32(48000 * 8) + le16(8) + le16(32) +
                                     le16(0) + "fact" + le32(4) + le32(3) + "data" + le32(24);
  EXPECT_EQ(file.substr(0, expectedHeader.size()), expectedHeader);
  EXPECT_EQ(file.size(), expectedHeader.size() + 24);
}

TEST(WavWriter, PcmFileHeaderAndPadByte) {
  // Mono 24-bit with an odd number of frames: the data needs a pad byte,
  // which the RIFF size counts and the data size does not.
  const std::string file = writeFile({1, 44100, SampleFormat::pcm24}, {{0.25f, -1.0f, 1.0f}});
  const std::string expected = "RIFF" + le32(36 + 9 + 1) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) +
                               le32(44100) + le32(44100 * 3) + le16(3) + le16(24) + "data" + le32(9) + le24(2097152) +
                               le24(-8388608) + le24(8388607) + std::string(1, '\0');
  EXPECT_EQ(file, expected);
}

TEST(WavWriter, RoundTripsThroughTheReader) {
  const std::vector<float> left = {0.0f, 0.5f, -1.0f, 12345.0f / 32768, 1.0f, -0.999f, 3.0f};
  const std::vector<float> right = {-0.25f, 1e-9f, 0.75f, -12345.0f / 32768, -1.0f, 0.999f, std::nanf("")};
  for (SampleFormat format : {SampleFormat::pcm16, SampleFormat::pcm24, SampleFormat::pcm32, SampleFormat::float32}) {
    for (std::uint16_t channels : {1, 2}) {
      std::istringstream in(writeFile({channels, 96000, format}, {left, right}));
      WavReader reader(in);
      ASSERT_TRUE(reader.ok()) << reader.error();
      EXPECT_EQ(reader.format().sampleFormat, format);
      EXPECT_EQ(reader.format().channels, channels);
      EXPECT_EQ(reader.format().sampleRate, 96000u);
      ASSERT_EQ(reader.frames(), left.size());
      std::vector<float> back[2] = {std::vector<float>(left.size()), std::vector<float>(left.size())};
      float* pointers[2] = {back[0].data(), back[1].data()};
      ASSERT_EQ(reader.read(pointers, left.size()), left.size());
      for (std::size_t c = 0; c < channels; ++c) {
        const std::vector<float>& written = c == 0 ? left : right;
        for (std::size_t i = 0; i < written.size(); ++i) {
          if (format == SampleFormat::float32) {
            EXPECT_EQ(std::bit_cast<std::uint32_t>(back[c][i]), std::bit_cast<std::uint32_t>(written[i]));
            continue;
          }
          const int bits = 8 * bytesPerSample(format);
          EXPECT_EQ(back[c][i], static_cast<float>(std::ldexp(quantise(written[i], bits), 1 - bits)))
              << "sample " << i << " in " << bits << " bits";
        }
      }
    }
  }
}

TEST(WavWriter, ReportsAFailingStream) {
  std::stringstream out;
  WavWriter writer(out, {2, 44100, SampleFormat::pcm16});
  out.setstate(std::ios::badbit);  // as when the disk is full
  const float samples[4] = {};
  const float* channels[2] = {samples, samples};
  EXPECT_FALSE(writer.write(channels, 4));
  EXPECT_FALSE(writer.error().empty());
  EXPECT_FALSE(writer.finish());
}

}  // namespace

}  // namespace sweepfilter
