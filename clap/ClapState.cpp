// The state extension: the twelve values out through the host's stream and
// back, all or nothing.
#include "ClapInstance.h"
#include "StateFormat.h"

namespace sweepfilter {

namespace {
bool save(const clap_plugin* plugin, const clap_ostream* stream) {
  if (!stream || !stream->write) return false;
  const ClapInstance& instance = instanceOf(plugin);
  StateValues values;
  for (std::int32_t index = 0; index < clapParameterCount; ++index) values[index] = instance.values.get(index);
  const StateBytes bytes = stateBytesOf(values);
  // The stream may take fewer bytes than offered.
  for (std::size_t written = 0; written < bytes.size();) {
    const std::int64_t moved = stream->write(stream, bytes.data() + written, bytes.size() - written);
    if (moved <= 0 || static_cast<std::uint64_t>(moved) > bytes.size() - written) return false;
    written += static_cast<std::size_t>(moved);
  }
  return true;
}

bool load(const clap_plugin* plugin, const clap_istream* stream) {
  if (!stream || !stream->read) return false;
  // One byte more than a state holds, so a longer stream is seen and refused.
  unsigned char bytes[stateSize + 1];
  std::size_t got = 0;
  while (got < sizeof bytes) {
    const std::int64_t moved = stream->read(stream, bytes + got, sizeof bytes - got);
    if (moved < 0 || static_cast<std::uint64_t>(moved) > sizeof bytes - got) return false;
    if (moved == 0) break;
    got += static_cast<std::size_t>(moved);
  }
  const auto values = stateValuesOf(bytes, got);
  if (!values) return false;
  ClapInstance& instance = instanceOf(plugin);
  instance.values.setAll(*values);
  valuesChanged(instance);
  return true;
}
}  // namespace

const clap_plugin_state stateExtension = {save, load};

}  // namespace sweepfilter
