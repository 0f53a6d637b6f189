// The file's one export, clap_entry, and the plug-in factory behind it.
#include <cstring>

#include "ClapDescriptor.h"
#include "ClapExtensions.h"
#include "ClapIdentity.h"
#include "ClapInstance.h"
#include "PresetDiscovery.h"

namespace sweepfilter {

namespace {
const char* const features[] = {"audio-effect", "filter", "stereo", nullptr};
}  // namespace

const clap_plugin_descriptor pluginDescriptor = {
    CLAP_VERSION,
    clapPluginId,
    clapPluginName,
    clapVendor,
    "",
    "",
    "",
    SWEEPFILTER_VERSION,
    "A four-pole resonant low-pass filter swept by an LFO and by the input's level",
    features,
};

namespace {
// Hosts may call init and deinit more than once: the last deinit undoes the
// first init. Never two at once, so a plain count does.
int initCount = 0;

bool entryInit(const char*) {
  ++initCount;
  return true;
}

void entryDeinit() {
  if (initCount > 0) --initCount;
}

std::uint32_t pluginCount(const clap_plugin_factory*) { return 1; }

const clap_plugin_descriptor* descriptorAt(const clap_plugin_factory*, std::uint32_t index) {
  return index == 0 ? &pluginDescriptor : nullptr;
}

const clap_plugin* createPlugin(const clap_plugin_factory*, const clap_host* host, const char* id) {
  if (!host || !id || std::strcmp(id, clapPluginId) != 0) return nullptr;
  return createInstance(host);
}

const clap_plugin_factory pluginFactory = {pluginCount, descriptorAt, createPlugin};

// Nothing is handed out before init or after the last deinit.
const void* getFactory(const char* id) {
  if (initCount == 0 || !id) return nullptr;
  if (std::strcmp(id, CLAP_PLUGIN_FACTORY_ID) == 0) return &pluginFactory;
  if (std::strcmp(id, CLAP_PRESET_DISCOVERY_FACTORY_ID) == 0 ||
      std::strcmp(id, CLAP_PRESET_DISCOVERY_FACTORY_ID_DRAFT) == 0)
    return &presetDiscoveryFactory;
  return nullptr;
}
}  // namespace

}  // namespace sweepfilter

#ifdef _WIN32
#define CLAP_EXPORT __declspec(dllexport)
#else
#define CLAP_EXPORT __attribute__((visibility("default")))
#endif

extern "C" CLAP_EXPORT const clap_plugin_entry clap_entry = {CLAP_VERSION, sweepfilter::entryInit,
                                                             sweepfilter::entryDeinit, sweepfilter::getFactory};
