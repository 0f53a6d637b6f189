#include "WavWriter.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "LittleEndian.h"

namespace sweepfilter {

namespace {
constexpr std::uint32_t plainFormatBytes = 16;
// Non-PCM formats carry the extension size field (0) and a fact chunk.
constexpr std::uint32_t floatFormatBytes = 18;
constexpr std::uint32_t factBytes = 4;
// Offsets of the fields that finish() fills in.
constexpr std::uint64_t riffSizeOffset = 4;
constexpr std::uint64_t floatFactFramesOffset = 12 + 8 + floatFormatBytes + 8;
}  // namespace

std::int32_t quantise(float sample, int bits) {
  const double top = std::ldexp(1.0, bits - 1);
  if (std::isnan(sample)) return 0;
  const double code = std::round(static_cast<double>(sample) * top);
  if (code >= top) return static_cast<std::int32_t>(top - 1);
  if (code < -top) return static_cast<std::int32_t>(-top);
  return static_cast<std::int32_t>(code);
}

WavWriter::WavWriter(std::ostream& out, const WavFormat& format)
    : out_(out),
      format_(format),
      blockAlign_(static_cast<std::uint16_t>(format.channels * bytesPerSample(format.sampleFormat))) {
  writeHeader();
}

void WavWriter::writeHeader() {
  const bool isFloat = format_.sampleFormat == SampleFormat::float32;
  const std::uint32_t formatBytes = isFloat ? floatFormatBytes : plainFormatBytes;
  unsigned char header[12 + 8 + floatFormatBytes + 8 + factBytes + 8] = {};
  unsigned char* p = header;
  std::memcpy(p, "RIFFxxxxWAVEfmt ", 16);
  writeLe32(p + 16, formatBytes);
  p += 20;
  writeLe16(p, isFloat ? wavTagFloat : wavTagPcm);
  writeLe16(p + 2, format_.channels);
  writeLe32(p + 4, format_.sampleRate);
  writeLe32(p + 8, format_.sampleRate * blockAlign_);
  writeLe16(p + 12, blockAlign_);
  writeLe16(p + 14, static_cast<std::uint16_t>(8 * bytesPerSample(format_.sampleFormat)));
  p += formatBytes;  // the float format's extension size stays 0
  if (isFloat) {
    std::memcpy(p, "fact", 4);
    writeLe32(p + 4, factBytes);
    p += 8 + factBytes;
  }
  std::memcpy(p, "data", 4);
  p += 8;
  headerBytes_ = static_cast<std::uint64_t>(p - header);
  out_.write(reinterpret_cast<const char*>(header), static_cast<std::streamsize>(headerBytes_));
}

bool WavWriter::write(const float* const* channels, std::size_t count) {
  const std::uint64_t bytes = static_cast<std::uint64_t>(count) * blockAlign_;
  // One byte spare for a closing pad byte.
  if (headerBytes_ - 8 + dataBytes_ + bytes + 1 > wavMaxRiffBytes) {
    error_ = "the output would outgrow the 4 GiB a WAV file can hold";
    return false;
  }
  buffer_.resize(static_cast<std::size_t>(bytes));
  unsigned char* p = buffer_.data();
  for (std::size_t i = 0; i < count; ++i) {
    for (std::size_t c = 0; c < format_.channels; ++c) {
      const float sample = channels[c][i];
      switch (format_.sampleFormat) {
        case SampleFormat::pcm16:
          writeLe16(p, static_cast<std::uint16_t>(quantise(sample, 16)));
          p += 2;
          break;
        case SampleFormat::pcm24: {
          const auto code = static_cast<std::uint32_t>(quantise(sample, 24));
          for (int b = 0; b < 3; ++b) *p++ = static_cast<unsigned char>(code >> (8 * b));
          break;
        }
        case SampleFormat::pcm32:
          writeLe32(p, static_cast<std::uint32_t>(quantise(sample, 32)));
          p += 4;
          break;
        case SampleFormat::float32:
          writeLe32(p, std::bit_cast<std::uint32_t>(sample));
          p += 4;
          break;
      }
    }
  }
  out_.write(reinterpret_cast<const char*>(buffer_.data()), static_cast<std::streamsize>(bytes));
  dataBytes_ += bytes;
  if (!out_) error_ = "cannot write the output (disk full?)";
  return static_cast<bool>(out_);
}

bool WavWriter::finish() {
  // Frames are whole and even-sized in every format written here except
  // mono 24-bit, whose odd data needs the RIFF pad byte.
  const bool pad = dataBytes_ % 2 != 0;
  if (pad) out_.put('\0');
  auto patch = [this](std::uint64_t offset, std::uint64_t value) {
    unsigned char field[4];
    writeLe32(field, static_cast<std::uint32_t>(value));
    out_.seekp(static_cast<std::streamoff>(offset));
    out_.write(reinterpret_cast<const char*>(field), 4);
  };
  patch(riffSizeOffset, headerBytes_ - 8 + dataBytes_ + (pad ? 1 : 0));
  if (format_.sampleFormat == SampleFormat::float32) patch(floatFactFramesOffset, dataBytes_ / blockAlign_);
  patch(headerBytes_ - 4, dataBytes_);
  out_.seekp(0, std::ios::end);
  out_.flush();
  if (!out_) error_ = "cannot write the output (disk full?)";
  return static_cast<bool>(out_);
}

}  // namespace sweepfilter
