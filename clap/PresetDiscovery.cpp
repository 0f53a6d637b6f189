#include "PresetDiscovery.h"

#include <cstring>
#include <new>

#include "ClapIdentity.h"
#include "FactoryPrograms.h"

namespace sweepfilter {

namespace {
const char* const loadKeys[numPrograms] = {"0", "1", "2", "3", "4"};

const clap_preset_discovery_provider_descriptor providerDescriptor = {
    CLAP_VERSION, "urn:sweepfilter:clap:factory-programs", "SweepFilter factory programs", clapVendor};

const clap_preset_discovery_indexer& indexerOf(const clap_preset_discovery_provider* provider) {
  return *static_cast<const clap_preset_discovery_indexer*>(provider->provider_data);
}

bool init(const clap_preset_discovery_provider* provider) {
  const clap_preset_discovery_indexer& indexer = indexerOf(provider);
  const clap_preset_discovery_location location = {CLAP_PRESET_DISCOVERY_IS_FACTORY_CONTENT, "Factory programs",
                                                   CLAP_PRESET_DISCOVERY_LOCATION_PLUGIN, nullptr};
  return indexer.declare_location && indexer.declare_location(&indexer, &location);
}

void destroy(const clap_preset_discovery_provider* provider) { delete provider; }

bool getMetadata(const clap_preset_discovery_provider*, std::uint32_t kind, const char*,
                 const clap_preset_discovery_metadata_receiver* receiver) {
  if (kind != CLAP_PRESET_DISCOVERY_LOCATION_PLUGIN || !receiver) return false;
  const clap_universal_plugin_id plugin = {"clap", clapPluginId};
  for (std::int32_t program = 0; program < numPrograms; ++program) {
    if (!receiver->begin_preset(receiver, factoryPrograms[program].name, loadKeys[program])) break;
    receiver->add_plugin_id(receiver, &plugin);
    receiver->set_flags(receiver, CLAP_PRESET_DISCOVERY_IS_FACTORY_CONTENT);
  }
  return true;
}

const void* getExtension(const clap_preset_discovery_provider*, const char*) { return nullptr; }

std::uint32_t count(const clap_preset_discovery_factory*) { return 1; }

const clap_preset_discovery_provider_descriptor* descriptorAt(const clap_preset_discovery_factory*,
                                                              std::uint32_t index) {
  return index == 0 ? &providerDescriptor : nullptr;
}

const clap_preset_discovery_provider* create(const clap_preset_discovery_factory*,
                                             const clap_preset_discovery_indexer* indexer, const char* id) {
  if (!indexer || !id || std::strcmp(id, providerDescriptor.id) != 0) return nullptr;
  // The indexer is the provider's data: its one piece of state.
  return new (std::nothrow) clap_preset_discovery_provider{
      &providerDescriptor, const_cast<clap_preset_discovery_indexer*>(indexer), init, destroy, getMetadata,
      getExtension};
}
}  // namespace

const clap_preset_discovery_factory presetDiscoveryFactory = {count, descriptorAt, create};

std::optional<std::int32_t> programOfLoadKey(const char* loadKey) {
  for (std::int32_t program = 0; loadKey && program < numPrograms; ++program)
    if (std::strcmp(loadKey, loadKeys[program]) == 0) return program;
  return std::nullopt;
}

}  // namespace sweepfilter
