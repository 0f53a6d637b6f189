#include "PluginMain.h"

#include "EffectBase.h"

namespace sweepfilter {

PluginDescriptor* pluginMain(HostCallback hostCallback) {
  if (!hostCallback || hostCallback(nullptr, hostVersion, 0, 0, nullptr, 0.0f) == 0) return nullptr;
  EffectBase* effect = createEffect(hostCallback);
  return effect ? effect->descriptorOf() : nullptr;
}

}  // namespace sweepfilter
