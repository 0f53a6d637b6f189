#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "WavFormat.h"

namespace sweepfilter {

// Reads the samples of a WAV stream as floats: integer PCM scaled to -1..1
// (-1 exactly at the most negative code), float samples as stored. Accepts
// 16-, 24- and 32-bit PCM and 32-bit float, plain or WAVE_FORMAT_EXTENSIBLE,
// with any other chunks (word-aligned as RIFF requires) before the data.
// Malformed or truncated streams are refused up front with a one-line reason.
class WavReader {
 public:
  // Parses the header; the stream must be seekable (a file or a string).
  explicit WavReader(std::istream& in);

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  const WavFormat& format() const { return format_; }
  std::uint64_t frames() const { return frames_; }

  // Reads up to `count` frames, channel c into channels[c]; returns the
  // number read, 0 at the end of the data or after an error.
  std::size_t read(float* const* channels, std::size_t count);

 private:
  std::string parse();
  std::string parseFormat(std::uint32_t size);
  bool readBytes(unsigned char* bytes, std::uint64_t count);
  bool skip(std::uint64_t count);
  std::uint64_t remaining() const { return end_ - position_; }

  std::istream& in_;
  std::uint64_t position_ = 0;
  std::uint64_t end_ = 0;
  std::uint16_t blockAlign_ = 0;
  WavFormat format_;
  std::uint64_t frames_ = 0;
  std::uint64_t framesLeft_ = 0;
  std::vector<unsigned char> buffer_;
  std::string error_;
};

}  // namespace sweepfilter
