// The plug-in's life: made, activated at a rate, processing, reset, gone.
#include <cmath>
#include <cstring>
#include <new>

#include "ClapDescriptor.h"
#include "ClapInstance.h"

namespace sweepfilter {

namespace {
bool init(const clap_plugin* plugin) {
  ClapInstance& instance = instanceOf(plugin);
  // A scan instance's host may answer no extension at all.
  const clap_host* host = instance.host;
  if (!host->get_extension) return true;
  instance.hostParams = static_cast<const clap_host_params*>(host->get_extension(host, CLAP_EXT_PARAMS));
  const void* presetLoad = host->get_extension(host, CLAP_EXT_PRESET_LOAD);
  if (!presetLoad) presetLoad = host->get_extension(host, CLAP_EXT_PRESET_LOAD_DRAFT);
  instance.hostPresetLoad = static_cast<const clap_host_preset_load*>(presetLoad);
  return true;
}

void destroy(const clap_plugin* plugin) {
  ClapInstance& instance = instanceOf(plugin);
  if (instance.closePanel) instance.closePanel(instance);
  delete &instance;
}

// The wave tables and the signal state are made here, off the audio thread.
bool activate(const clap_plugin* plugin, double rate, std::uint32_t, std::uint32_t) {
  ClapInstance& instance = instanceOf(plugin);
  const auto sampleRate = static_cast<float>(rate);
  if (!(sampleRate > 0.0f && std::isfinite(sampleRate))) return false;
  instance.sampleRate = sampleRate;
  instance.signal.emplace(WindowPolicy::continuous);
  return true;
}

// The host's modulation ends with the processing it belonged to.
void deactivate(const clap_plugin* plugin) {
  ClapInstance& instance = instanceOf(plugin);
  instance.signal.reset();
  instance.audioValues.clearModulation();
}

bool startProcessing(const clap_plugin* plugin) {
  instanceOf(plugin).processing = true;
  return true;
}
void stopProcessing(const clap_plugin* plugin) { instanceOf(plugin).processing = false; }

// A fresh start, as activation makes: the tables exist by now, so nothing is allocated.
void reset(const clap_plugin* plugin) {
  ClapInstance& instance = instanceOf(plugin);
  if (instance.signal) instance.signal.emplace(WindowPolicy::continuous);
}

std::int32_t process(const clap_plugin* plugin, const clap_process* process) {
  ClapInstance& instance = instanceOf(plugin);
  if (!process || !instance.signal) return CLAP_PROCESS_ERROR;
  return processBlock(instance, *process);
}

const void* getExtension(const clap_plugin*, const char* id) {
  if (!id) return nullptr;
  if (std::strcmp(id, CLAP_EXT_AUDIO_PORTS) == 0) return &audioPortsExtension;
  if (std::strcmp(id, CLAP_EXT_PARAMS) == 0) return &paramsExtension;
  if (std::strcmp(id, CLAP_EXT_STATE) == 0) return &stateExtension;
  if (std::strcmp(id, CLAP_EXT_PRESET_LOAD) == 0 || std::strcmp(id, CLAP_EXT_PRESET_LOAD_DRAFT) == 0)
    return &presetLoadExtension;
  return panelExtension(id);
}

void onMainThread(const clap_plugin*) {}
}  // namespace

const clap_plugin* createInstance(const clap_host* host) {
  auto* instance = new (std::nothrow) ClapInstance;
  if (!instance) return nullptr;
  instance->plugin = {&pluginDescriptor, instance,       init,  destroy, activate,     deactivate,
                      startProcessing,   stopProcessing, reset, process, getExtension, onMainThread};
  instance->host = host;
  return &instance->plugin;
}

void valuesChanged(const ClapInstance& instance) {
  if (instance.hostParams && instance.hostParams->rescan)
    instance.hostParams->rescan(instance.host, CLAP_PARAM_RESCAN_VALUES);
}

}  // namespace sweepfilter
