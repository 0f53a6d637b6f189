#include "StateFormat.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "LittleEndian.h"
#include "ParameterMapping.h"

namespace sweepfilter {

namespace {
constexpr unsigned char tag[4] = {'S', 'W', 'F', 'S'};
constexpr std::uint32_t version = 2;
constexpr std::size_t valuesAt = 8;
}  // namespace

StateBytes stateBytesOf(const StateValues& values) {
  StateBytes bytes{};
  std::memcpy(bytes.data(), tag, sizeof tag);
  writeLe32(&bytes[4], version);
  for (std::size_t i = 0; i < values.size(); ++i) {
    const auto bits = std::bit_cast<std::uint64_t>(values[i]);
    writeLe32(&bytes[valuesAt + 8 * i], static_cast<std::uint32_t>(bits));
    writeLe32(&bytes[valuesAt + 8 * i + 4], static_cast<std::uint32_t>(bits >> 32));
  }
  return bytes;
}

std::optional<StateValues> stateValuesOf(const unsigned char* bytes, std::size_t size) {
  if (size < 8 || std::memcmp(bytes, tag, sizeof tag) != 0) return std::nullopt;
  const std::uint32_t saved = readLe32(&bytes[4]);
  if (!(saved == version && size == stateSize) && !(saved == 1 && size == firstStateSize)) return std::nullopt;
  const std::int32_t count = saved == version ? clapParameterCount : numParameters;
  StateValues values;
  values[lfoSyncId] = lfoSyncFree;
  for (std::int32_t i = 0; i < count; ++i) {
    const unsigned char* at = &bytes[valuesAt + 8 * static_cast<std::size_t>(i)];
    values[i] = std::bit_cast<double>(readLe32(at) | std::uint64_t{readLe32(at + 4)} << 32);
    // NaN, infinities, values out of range or between a switch's settings are not ours.
    const auto accepted = acceptedValue(i, values[i]);
    if (!accepted || *accepted != values[i]) return std::nullopt;
  }
  return values;
}

}  // namespace sweepfilter
