// The preset-load extension: a factory program by its load key, told to the host.
#include "ClapInstance.h"
#include "FactoryPrograms.h"
#include "ParameterMapping.h"
#include "PortValues.h"
#include "PresetDiscovery.h"

namespace sweepfilter {

namespace {
bool fromLocation(const clap_plugin* plugin, std::uint32_t kind, const char* location, const char* loadKey) {
  ClapInstance& instance = instanceOf(plugin);
  const auto program = kind == CLAP_PRESET_DISCOVERY_LOCATION_PLUGIN ? programOfLoadKey(loadKey) : std::nullopt;
  const clap_host_preset_load* host = instance.hostPresetLoad;
  if (!program) {
    if (host && host->on_error) host->on_error(instance.host, kind, location, loadKey, 0, "no such factory program");
    return false;
  }
  StateValues values;
  values[lfoSyncId] = lfoSyncFree;  // the factory programs run free
  for (std::int32_t index = 0; index < numParameters; ++index)
    values[index] = closestPortValue(index, factoryPrograms[*program].values[index]);
  instance.values.setAll(values);
  if (host && host->loaded) host->loaded(instance.host, kind, location, loadKey);
  valuesChanged(instance);
  return true;
}
}  // namespace

const clap_plugin_preset_load presetLoadExtension = {fromLocation};

}  // namespace sweepfilter
