// libFuzzer target over the CLAP door's state reader: the input's first byte
// picks a factory program and how many bytes the host's stream moves a call,
// the rest is loaded as a state through the state extension. A refused load
// must leave the instance's values as they were; an accepted one must save
// back the very bytes it read (a version-1 state: its values in the current version).
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ClapInstance.h"
#include "StateFormat.h"

namespace sweepfilter {
// This instance has no panel.
const void* panelExtension(const char*) { return nullptr; }

namespace {
struct Stream {
  const std::uint8_t* data;
  std::size_t size, chunk, at = 0;
};

std::int64_t readSome(const clap_istream* in, void* to, std::uint64_t size) {
  auto& from = *static_cast<Stream*>(in->ctx);
  const std::size_t moved = std::min<std::size_t>({static_cast<std::size_t>(size), from.chunk, from.size - from.at});
  if (moved > 0) std::memcpy(to, from.data + from.at, moved);
  from.at += moved;
  return static_cast<std::int64_t>(moved);
}

std::int64_t writeAll(const clap_ostream* out, const void* data, std::uint64_t size) {
  auto& to = *static_cast<StateBytes*>(out->ctx);
  if (size != to.size()) std::abort();  // one call: what this test's host expects
  std::memcpy(to.data(), data, to.size());
  return static_cast<std::int64_t>(size);
}

StateBytes saved(const clap_plugin* plugin) {
  StateBytes bytes{};
  const clap_ostream out{&bytes, writeAll};
  if (!stateExtension.save(plugin, &out)) std::abort();
  return bytes;
}
}  // namespace
}  // namespace sweepfilter

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sweepfilter;
  if (size == 0) return 0;
  static const clap_host host{CLAP_VERSION,
                              nullptr,
                              "fuzzer",
                              "",
                              "",
                              "1",
                              [](const clap_host*, const char*) -> const void* { return nullptr; },
                              [](const clap_host*) {},
                              [](const clap_host*) {},
                              [](const clap_host*) {}};
  const clap_plugin* plugin = createInstance(&host);
  plugin->init(plugin);
  const std::string program = std::to_string(data[0] % numPrograms);
  presetLoadExtension.from_location(plugin, CLAP_PRESET_DISCOVERY_LOCATION_PLUGIN, nullptr, program.c_str());
  const StateBytes before = saved(plugin);
  Stream stream{data + 1, size - 1, 1u + data[0] / numPrograms};
  const clap_istream in{&stream, readSome};
  const bool loaded = stateExtension.load(plugin, &in);
  const StateBytes after = saved(plugin);
  // A version-1 state saves back as the current version with the same values.
  const bool same = loaded ? stateValuesOf(after.data(), after.size()) == stateValuesOf(data + 1, size - 1) &&
                                 (size - 1 != after.size() || std::memcmp(after.data(), data + 1, after.size()) == 0)
                           : after == before;
  if (!same) std::abort();
  plugin->destroy(plugin);
  return 0;
}
