#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "WavFormat.h"

namespace sweepfilter {

// Writes a WAV stream: 32-bit float samples as they are, integer PCM
// rounded to the nearest code and clipped (NaN becomes 0). The header goes
// out at once with empty sizes; finish() fills them in, so the stream must
// be seekable.
class WavWriter {
 public:
  WavWriter(std::ostream& out, const WavFormat& format);

  // Appends `count` frames, channel c from channels[c]. False (with error())
  // when the stream fails or the file would outgrow the 32-bit RIFF sizes.
  bool write(const float* const* channels, std::size_t count);
  // Fills in the sizes; false (with error()) when the stream failed.
  bool finish();

  const std::string& error() const { return error_; }

 private:
  void writeHeader();

  std::ostream& out_;
  WavFormat format_;
  std::uint16_t blockAlign_;
  std::uint64_t dataBytes_ = 0;
  std::uint64_t headerBytes_ = 0;
  std::vector<unsigned char> buffer_;
  std::string error_;
};

// One float as a signed integer code of `bits` bits: rounded half away from
// zero, clipped to the code range, NaN as 0.
std::int32_t quantise(float sample, int bits);

}  // namespace sweepfilter
