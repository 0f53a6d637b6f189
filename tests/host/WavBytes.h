#pragma once

#include <cstdint>
#include <string>

namespace sweepfilter {

// Builds WAV files byte by byte, so the tests state every field they mean.
inline std::string le16(std::uint16_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }

inline std::string le32(std::uint32_t v) {
  return le16(static_cast<std::uint16_t>(v)) + le16(static_cast<std::uint16_t>(v >> 16));
}

inline std::string le24(std::int32_t v) { return le32(static_cast<std::uint32_t>(v)).substr(0, 3); }

// A chunk with its header and, after an odd-sized payload, the pad byte.
inline std::string chunk(const std::string& id, const std::string& payload) {
  return id + le32(static_cast<std::uint32_t>(payload.size())) + payload +
         (payload.size() % 2 ? std::string(1, '\0') : "");
}

// The payload of a plain fmt chunk; blockAlign 0 means the consistent one.
inline std::string fmtPayload(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                              std::uint16_t blockAlign = 0) {
  if (blockAlign == 0) blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
  return le16(tag) + le16(channels) + le32(rate) + le32(rate * blockAlign) + le16(blockAlign) + le16(bits);
}

inline const std::string extensibleGuidTail("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);

// A WAVE_FORMAT_EXTENSIBLE fmt payload whose sub-format is `subTag`.
inline std::string extensiblePayload(std::uint16_t subTag, std::uint16_t channels, std::uint32_t rate,
                                     std::uint16_t bits, std::uint16_t validBits,
                                     const std::string& guidTail = extensibleGuidTail) {
  return fmtPayload(0xFFFE, channels, rate, bits) + le16(22) + le16(validBits) + le32(channels == 1 ? 4 : 3) +
         le16(subTag) + guidTail;
}

inline std::string riff(const std::string& chunks) {
  return "RIFF" + le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

}  // namespace sweepfilter
