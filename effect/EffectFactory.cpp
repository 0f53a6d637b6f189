#include <new>

#include "PluginMain.h"
#include "SweepFilterEffect.h"

namespace sweepfilter {

EffectBase* createEffect(HostCallback hostCallback) { return new (std::nothrow) SweepFilterEffect(hostCallback); }

}  // namespace sweepfilter
