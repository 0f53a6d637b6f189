#pragma once

#include "ClapAbi.h"

namespace sweepfilter {

// The one plug-in the factory offers.
extern const clap_plugin_descriptor pluginDescriptor;

}  // namespace sweepfilter
