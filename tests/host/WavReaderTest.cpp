// The WAV reader on every accepted format and layout, and on files it must
// refuse: malformed, unsupported, truncated at every byte, and mutated.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <sstream>
#include <vector>

#include "WavBytes.h"
#include "WavReader.h"

namespace sweepfilter {

namespace {

struct Decoded {
  std::string error;
  WavFormat format;
  std::vector<float> samples;  // interleaved
};

// Reads the whole file `chunkFrames` frames at a time.
Decoded decode(const std::string& bytes, std::size_t chunkFrames = 1000) {
  std::istringstream in(bytes);
  WavReader reader(in);
  Decoded d{reader.error(), reader.format(), {}};
  if (!reader.ok()) return d;
  const std::size_t channels = reader.format().channels;
  std::vector<std::vector<float>> buffers(channels, std::vector<float>(chunkFrames));
  std::vector<float*> pointers;
  for (auto& b : buffers) pointers.push_back(b.data());
  std::uint64_t total = 0;
  while (const std::size_t n = reader.read(pointers.data(), chunkFrames)) {
    for (std::size_t i = 0; i < n; ++i)
      for (std::size_t c = 0; c < channels; ++c) d.samples.push_back(buffers[c][i]);
    total += n;
  }
  EXPECT_EQ(total, reader.frames());
  d.error = reader.error();
  return d;
}

std::string floats(std::initializer_list<float> values) {
  std::string bytes;
  for (float v : values) bytes += le32(std::bit_cast<std::uint32_t>(v));
  return bytes;
}

std::string pcm16Data(std::initializer_list<std::int16_t> codes) {
  std::string bytes;
  for (auto c : codes) bytes += le16(static_cast<std::uint16_t>(c));
  return bytes;
}

const std::string stereo16 = chunk("fmt ", fmtPayload(1, 2, 44100, 16));
const std::string fourFrames16 = chunk("data", pcm16Data({0, -32768, 32767, 1, -1, 16384, 0, 0}));
const std::vector<float> fourFrames16Samples = {0.0f, -1.0f, 32767.0f / 32768, 1.0f / 32768, -1.0f / 32768, 0.5f,
                                                0.0f, 0.0f};

struct Accepted {
  const char* name;
  std::string file;
  WavFormat format;
  std::vector<float> samples;
};

TEST(WavReader, ReadsEveryFormatAndLayout) {
  const float nan = std::nanf("");
  const std::vector<Accepted> cases = {
      {"16-bit stereo", riff(stereo16 + fourFrames16), {2, 44100, SampleFormat::pcm16}, fourFrames16Samples},
      {"24-bit mono, odd data",
       riff(chunk("fmt ", fmtPayload(1, 1, 48000, 24)) + chunk("data", le24(-8388608) + le24(8388607) + le24(1))),
       {1, 48000, SampleFormat::pcm24},
       {-1.0f, 8388607.0f / 8388608, 1.0f / 8388608}},
      {"32-bit PCM",
       riff(chunk("fmt ", fmtPayload(1, 2, 96000, 32)) +
            chunk("data", le32(0x80000000u) + le32(0x7FFFFFFFu) + le32(256) + le32(0xFFFFFF00u))),
       {2, 96000, SampleFormat::pcm32},
       {-1.0f, 1.0f, 0x1p-23f, -0x1p-23f}},
      {"float, values beyond 1 kept",
       riff(chunk("fmt ", fmtPayload(3, 2, 22050, 32) + le16(0)) + chunk("fact", le32(2)) +
            chunk("data", floats({1.5f, -0.25f, 1e-30f, -3.0f}))),
       {2, 22050, SampleFormat::float32},
       {1.5f, -0.25f, 1e-30f, -3.0f}},
      {"extensible 24 bits holding 20",
       riff(chunk("fmt ", extensiblePayload(1, 2, 44100, 24, 20)) + chunk("data", le24(0x100000) + le24(-16))),
       {2, 44100, SampleFormat::pcm24},
       {0.125f, -16.0f / 8388608}},
      {"extensible float",
       riff(chunk("fmt ", extensiblePayload(3, 1, 44100, 32, 32)) + chunk("data", floats({0.75f}))),
       {1, 44100, SampleFormat::float32},
       {0.75f}},
      {"chunks before fmt and data, odd-sized ones padded",
       riff(chunk("JUNK", std::string(3, 'j')) + stereo16 + chunk("LIST", "INFOx") +
            chunk("bext", std::string(7, 'b')) + fourFrames16),
       {2, 44100, SampleFormat::pcm16},
       fourFrames16Samples},
      {"fmt longer than its fields",
       riff(chunk("fmt ", fmtPayload(1, 2, 44100, 16) + le16(4) + "abcd") + fourFrames16),
       {2, 44100, SampleFormat::pcm16},
       fourFrames16Samples},
      {"chunks after the data ignored",
       riff(stereo16 + fourFrames16 + chunk("LIST", "xyz")),
       {2, 44100, SampleFormat::pcm16},
       fourFrames16Samples},
      {"RIFF size left at 0 by a streaming writer",
       "RIFF" + le32(0) + "WAVE" + stereo16 + fourFrames16,
       {2, 44100, SampleFormat::pcm16},
       fourFrames16Samples},
      {"no samples", riff(stereo16 + chunk("data", "")), {2, 44100, SampleFormat::pcm16}, {}},
  };
  for (const Accepted& c : cases) {
    SCOPED_TRACE(c.name);
    for (std::size_t chunkFrames : {1, 1000}) {
      const Decoded d = decode(c.file, chunkFrames);
      ASSERT_EQ(d.error, "");
      EXPECT_EQ(d.format.channels, c.format.channels);
      EXPECT_EQ(d.format.sampleRate, c.format.sampleRate);
      EXPECT_EQ(d.format.sampleFormat, c.format.sampleFormat);
      EXPECT_EQ(d.samples, c.samples);
    }
  }
  // Float samples come through bit for bit, NaN included.
  const Decoded d = decode(riff(chunk("fmt ", fmtPayload(3, 1, 44100, 32)) + chunk("data", floats({nan, -0.0f}))));
  ASSERT_EQ(d.samples.size(), 2u);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(d.samples[0]), std::bit_cast<std::uint32_t>(nan));
  EXPECT_EQ(std::bit_cast<std::uint32_t>(d.samples[1]), 0x80000000u);
}

struct Refused {
  const char* name;
  std::string file;
  const char* error;
};

TEST(WavReader, RefusesWhatItCannotReadWithAReason) {
  const std::string data = fourFrames16;
  const std::vector<Refused> cases = {
      {"empty", "", "not a WAV file"},
      {"text", "hello, this is not a sound file at all", "not a WAV file"},
      {"big-endian RIFX", "RIFX" + le32(4) + "WAVE", "not a WAV file"},
      {"RIFF of another kind", "RIFF" + le32(4) + "AVI ", "not a WAV file"},
      {"no chunks", riff(""), "no fmt chunk"},
      {"data before fmt", riff(data + stereo16), "data chunk comes before the fmt chunk"},
      {"no data", riff(stereo16 + chunk("LIST", "abcd")), "no data chunk"},
      {"short fmt", riff(chunk("fmt ", fmtPayload(1, 2, 44100, 16).substr(0, 14)) + data), "too short (14 bytes)"},
      {"two fmt", riff(stereo16 + stereo16 + data), "two fmt chunks"},
      {"8-bit", riff(chunk("fmt ", fmtPayload(1, 1, 8000, 8)) + chunk("data", "ab")), "8-bit PCM"},
      {"double", riff(chunk("fmt ", fmtPayload(3, 1, 44100, 64)) + chunk("data", std::string(8, '\0'))),
       "64-bit float"},
      {"16-bit float", riff(chunk("fmt ", fmtPayload(3, 1, 44100, 16)) + chunk("data", "ab")), "16-bit float"},
      {"A-law", riff(chunk("fmt ", fmtPayload(6, 1, 8000, 8)) + chunk("data", "ab")), "format tag 6"},
      {"extensible, foreign GUID",
       riff(chunk("fmt ", extensiblePayload(1, 2, 44100, 16, 16, std::string(14, 'x'))) + data),
       "unsupported sub-format"},
      {"extensible without its extension", riff(chunk("fmt ", fmtPayload(0xFFFE, 2, 44100, 16) + le16(0)) + data),
       "extensible fmt chunk is too short"},
      {"extensible, more valid bits than stored", riff(chunk("fmt ", extensiblePayload(1, 2, 44100, 16, 24)) + data),
       "more valid bits"},
      {"no channels", riff(chunk("fmt ", fmtPayload(1, 0, 44100, 16, 4)) + data), "0 channels"},
      {"rate 0", riff(chunk("fmt ", fmtPayload(1, 2, 0, 16)) + data), "sample rate of 0"},
      {"frame size wrong", riff(chunk("fmt ", fmtPayload(1, 2, 44100, 16, 3)) + data), "frame size 3"},
      {"partial frame", riff(stereo16 + chunk("data", "abcdef")), "not a whole number of 4-byte frames"},
      {"data cut short", riff(stereo16 + "data" + le32(16) + "abcdefgh"), "truncated: the data chunk holds 16"},
      {"chunk before data cut short", riff(stereo16 + "LIST" + le32(100) + "abc"), "'LIST' chunk runs past"},
      {"cut inside a chunk header", riff(stereo16 + "dat"), "ends inside a chunk header"},
      {"fmt cut short", riff("fmt " + le32(16) + "abcd"), "fmt chunk runs past"},
  };
  for (const Refused& c : cases) {
    const Decoded d = decode(c.file);
    EXPECT_NE(d.error.find(c.error), std::string::npos) << c.name << ": " << d.error;
    EXPECT_TRUE(d.samples.empty()) << c.name;
  }
}

TEST(WavReader, RefusesEveryTruncationOfAFile) {
  const std::string file = riff(chunk("JUNK", "j") + stereo16 + chunk("LIST", "INFOabc") + fourFrames16);
  ASSERT_EQ(decode(file).error, "");
  for (std::size_t length = 0; length < file.size(); ++length) {
    const Decoded d = decode(file.substr(0, length));
    EXPECT_FALSE(d.error.empty()) << "cut to " << length << " bytes";
    EXPECT_TRUE(d.samples.empty());
  }
}

TEST(WavReader, SurvivesMutatedFiles) {
  // Random bytes overwritten in valid files of each kind: whatever the
  // reader makes of them, it reads within bounds (checked under ASan) and
  // delivers exactly the frames it announced.
  const std::vector<std::string> seeds = {
      riff(chunk("JUNK", "j") + stereo16 + fourFrames16),
      riff(chunk("fmt ", extensiblePayload(3, 2, 44100, 32, 32)) + chunk("data", floats({1, 2, 3, 4}))),
      riff(chunk("fmt ", fmtPayload(1, 1, 48000, 24)) + chunk("data", le24(5) + le24(-5) + le24(0))),
  };
  std::uint32_t state = 1;
  auto random = [&state] { return state = state * 1664525u + 1013904223u; };
  for (int round = 0; round < 3000; ++round) {
    std::string file = seeds[static_cast<std::size_t>(round) % seeds.size()];
    for (int n = 1 + random() % 4; n > 0; --n) file[(random() >> 8) % file.size()] = static_cast<char>(random() >> 24);
    const Decoded d = decode(file, 3);
    if (d.error.empty()) {
      EXPECT_EQ(d.samples.size() % d.format.channels, 0u);
    }
  }
}

}  // namespace

}  // namespace sweepfilter
