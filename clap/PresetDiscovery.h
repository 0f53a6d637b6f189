#pragma once

#include <cstdint>
#include <optional>

#include "ClapPresetAbi.h"

namespace sweepfilter {

// The five factory programs as presets inside the plug-in: one provider, one
// location of kind PLUGIN, each program's index as its load key.
extern const clap_preset_discovery_factory presetDiscoveryFactory;

// The program a load key names, if it names one.
std::optional<std::int32_t> programOfLoadKey(const char* loadKey);

}  // namespace sweepfilter
