// One stereo port each way, 32-bit, that may share its buffers with the other.
#include <cstdio>

#include "ClapInstance.h"

namespace sweepfilter {

namespace {
constexpr clap_id inputPortId = 0, outputPortId = 1;

std::uint32_t count(const clap_plugin*, bool) { return 1; }

bool get(const clap_plugin*, std::uint32_t index, bool isInput, clap_audio_port_info* info) {
  if (index != 0 || !info) return false;
  info->id = isInput ? inputPortId : outputPortId;
  std::snprintf(info->name, sizeof info->name, "%s", isInput ? "Input" : "Output");
  info->flags = CLAP_AUDIO_PORT_IS_MAIN;
  info->channel_count = 2;
  info->port_type = CLAP_PORT_STEREO;
  info->in_place_pair = isInput ? outputPortId : inputPortId;
  return true;
}
}  // namespace

const clap_plugin_audio_ports audioPortsExtension = {count, get};

}  // namespace sweepfilter
