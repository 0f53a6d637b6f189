#include <new>

#include "PluginMain.h"
#include "SweepFilterEffect.h"

EffectBase* createEffect(HostCallback hostCallback) { return new (std::nothrow) SweepFilterEffect(hostCallback); }
