#include "WavReader.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "LittleEndian.h"

namespace sweepfilter {

namespace {
// The tail shared by every WAVE_FORMAT_EXTENSIBLE sub-format GUID; its first
// two bytes are the plain format tag.
constexpr unsigned char guidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                        0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

constexpr std::uint32_t plainFormatBytes = 16;
constexpr std::uint32_t extensibleFormatBytes = 40;
// Only the known fields of fmt are read; the rest is skipped.
constexpr std::uint32_t maxFormatBytesRead = extensibleFormatBytes;

std::string chunkName(const unsigned char* id) {
  std::string name;
  for (int i = 0; i < 4; ++i) name += (id[i] >= 32 && id[i] < 127) ? static_cast<char>(id[i]) : '?';
  return "'" + name + "'";
}

std::string unsupported(std::uint16_t tag, std::uint16_t bits) {
  std::string what;
  if (tag == wavTagPcm)
    what = std::to_string(bits) + "-bit PCM";
  else if (tag == wavTagFloat)
    what = std::to_string(bits) + "-bit float";
  else
    what = "format tag " + std::to_string(tag);
  return "unsupported sample format " + what + " (16-, 24- or 32-bit PCM or 32-bit float are)";
}

float pcm16(const unsigned char* p) { return static_cast<float>(static_cast<std::int16_t>(readLe16(p))) * 0x1p-15f; }

float pcm24(const unsigned char* p) {
  // Shift the 24 bits to the top of a 32-bit word; the value is then exact in a float.
  const std::uint32_t word = static_cast<std::uint32_t>(p[0]) << 8 | static_cast<std::uint32_t>(p[1]) << 16 |
                             static_cast<std::uint32_t>(p[2]) << 24;
  return static_cast<float>(static_cast<std::int32_t>(word)) * 0x1p-31f;
}

float pcm32(const unsigned char* p) { return static_cast<float>(static_cast<std::int32_t>(readLe32(p))) * 0x1p-31f; }

float float32(const unsigned char* p) { return std::bit_cast<float>(readLe32(p)); }
}  // namespace

WavReader::WavReader(std::istream& in) : in_(in) {
  in_.seekg(0, std::ios::end);
  const auto size = in_.tellg();
  in_.seekg(0, std::ios::beg);
  if (!in_ || size < 0) {
    error_ = "cannot read the file";
    return;
  }
  end_ = static_cast<std::uint64_t>(size);
  error_ = parse();
}

bool WavReader::readBytes(unsigned char* bytes, std::uint64_t count) {
  if (count > remaining()) return false;
  in_.read(reinterpret_cast<char*>(bytes), static_cast<std::streamsize>(count));
  position_ += count;
  return static_cast<std::uint64_t>(in_.gcount()) == count;
}

bool WavReader::skip(std::uint64_t count) {
  if (count > remaining()) return false;
  position_ += count;
  in_.seekg(static_cast<std::streamoff>(position_), std::ios::beg);
  return static_cast<bool>(in_);
}

std::string WavReader::parse() {
  unsigned char riff[12];
  if (!readBytes(riff, sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0)
    return "not a WAV file (no RIFF/WAVE header)";
  // The RIFF size is not trusted: writers that stream often leave it wrong.
  bool haveFormat = false;
  for (;;) {
    unsigned char header[8];
    if (!readBytes(header, sizeof header)) {
      if (remaining() > 0) return "truncated: the file ends inside a chunk header";
      return haveFormat ? "no data chunk" : "no fmt chunk";
    }
    const std::uint32_t size = readLe32(header + 4);
    if (std::memcmp(header, "data", 4) == 0) {
      if (!haveFormat) return "the data chunk comes before the fmt chunk";
      if (size % blockAlign_ != 0)
        return "the data chunk holds " + std::to_string(size) + " bytes, not a whole number of " +
               std::to_string(blockAlign_) + "-byte frames";
      if (size > remaining())
        return "truncated: the data chunk holds " + std::to_string(size) + " bytes but the file ends after " +
               std::to_string(remaining());
      frames_ = framesLeft_ = size / blockAlign_;
      return {};
    }
    if (std::memcmp(header, "fmt ", 4) == 0) {
      if (haveFormat) return "two fmt chunks";
      if (std::string error = parseFormat(size); !error.empty()) return error;
      haveFormat = true;
    } else if (!skip(size)) {
      return "truncated: the " + chunkName(header) + " chunk runs past the end of the file";
    }
    // Chunks start on even offsets: an odd-sized one is followed by a pad byte.
    if (size % 2 != 0 && !skip(1)) return "truncated: the file ends before a pad byte";
  }
}

std::string WavReader::parseFormat(std::uint32_t size) {
  if (size < plainFormatBytes) return "the fmt chunk is too short (" + std::to_string(size) + " bytes)";
  if (size > remaining()) return "truncated: the fmt chunk runs past the end of the file";
  unsigned char fmt[maxFormatBytesRead] = {};
  const std::uint32_t used = std::min(size, maxFormatBytesRead);
  if (!readBytes(fmt, used) || !skip(size - used)) return "cannot read the fmt chunk";

  std::uint16_t tag = readLe16(fmt);
  const std::uint16_t channels = readLe16(fmt + 2);
  const std::uint32_t sampleRate = readLe32(fmt + 4);
  const std::uint16_t blockAlign = readLe16(fmt + 12);
  const std::uint16_t bits = readLe16(fmt + 14);
  if (tag == wavTagExtensible) {
    if (size < extensibleFormatBytes || readLe16(fmt + 16) < extensibleFormatBytes - 18)
      return "the extensible fmt chunk is too short";
    const std::uint16_t validBits = readLe16(fmt + 18);
    if (validBits > bits) return "the fmt chunk claims more valid bits than its samples hold";
    if (std::memcmp(fmt + 26, guidTail, sizeof guidTail) != 0 || readLe16(fmt + 24) == wavTagExtensible)
      return "unsupported sub-format in the extensible fmt chunk";
    tag = readLe16(fmt + 24);
  }

  if (tag == wavTagPcm && bits == 16)
    format_.sampleFormat = SampleFormat::pcm16;
  else if (tag == wavTagPcm && bits == 24)
    format_.sampleFormat = SampleFormat::pcm24;
  else if (tag == wavTagPcm && bits == 32)
    format_.sampleFormat = SampleFormat::pcm32;
  else if (tag == wavTagFloat && bits == 32)
    format_.sampleFormat = SampleFormat::float32;
  else
    return unsupported(tag, bits);
  if (channels == 0) return "the fmt chunk says 0 channels";
  if (sampleRate == 0) return "the fmt chunk says a sample rate of 0";
  if (blockAlign != channels * bytesPerSample(format_.sampleFormat))
    return "the fmt chunk's frame size " + std::to_string(blockAlign) + " does not fit " + std::to_string(channels) +
           " channels of " + std::to_string(bits) + " bits";
  format_.channels = channels;
  format_.sampleRate = sampleRate;
  blockAlign_ = blockAlign;
  return {};
}

std::size_t WavReader::read(float* const* channels, std::size_t count) {
  if (!ok()) return 0;
  const std::size_t frames = static_cast<std::size_t>(std::min<std::uint64_t>(count, framesLeft_));
  buffer_.resize(frames * blockAlign_);
  if (!readBytes(buffer_.data(), buffer_.size())) {
    error_ = "cannot read the samples";
    return 0;
  }
  float (*const convert)(const unsigned char*) = format_.sampleFormat == SampleFormat::pcm16   ? pcm16
                                                 : format_.sampleFormat == SampleFormat::pcm24 ? pcm24
                                                 : format_.sampleFormat == SampleFormat::pcm32 ? pcm32
                                                                                               : float32;
  const std::size_t sampleBytes = bytesPerSample(format_.sampleFormat);
  const unsigned char* p = buffer_.data();
  for (std::size_t i = 0; i < frames; ++i)
    for (std::size_t c = 0; c < format_.channels; ++c, p += sampleBytes) channels[c][i] = convert(p);
  framesLeft_ -= frames;
  return frames;
}

}  // namespace sweepfilter
