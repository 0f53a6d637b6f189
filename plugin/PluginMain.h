#pragma once

#include "HostProtocol.h"
#include "PluginDescriptor.h"

namespace sweepfilter {

class EffectBase;

// Made by the concrete effect's library: the one place that knows which effect
// this plug-in is. Returns null when the effect cannot be allocated.
EffectBase* createEffect(HostCallback hostCallback);

// What the exported "main" does: ask the host's version, make an effect and
// hand out its descriptor; null when the host answers 0 or allocation fails.
extern "C" PluginDescriptor* pluginMain(HostCallback hostCallback);

}  // namespace sweepfilter
