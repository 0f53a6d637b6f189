#pragma once

// Preset discovery and loading, the plug-in's and the host's halves, from
// the same published layouts.
#include "ClapAbi.h"

extern "C" {

struct clap_preset_discovery_filetype {
  const char* name;
  const char* description;
  const char* file_extension;
};

struct clap_preset_discovery_location {
  std::uint32_t flags;
  const char* name;
  std::uint32_t kind;
  const char* location;
};
inline constexpr std::uint32_t CLAP_PRESET_DISCOVERY_LOCATION_PLUGIN = 1;
inline constexpr std::uint32_t CLAP_PRESET_DISCOVERY_IS_FACTORY_CONTENT = 1;

struct clap_preset_discovery_soundpack {
  std::uint32_t flags;
  const char* id;
  const char* name;
  const char* description;
  const char* homepage_url;
  const char* vendor;
  const char* image_path;
  std::uint64_t release_timestamp;
};

struct clap_universal_plugin_id {
  const char* abi;
  const char* id;
};

struct clap_preset_discovery_indexer {
  struct clap_version clap_version;
  const char* name;
  const char* vendor;
  const char* url;
  const char* version;
  void* indexer_data;
  bool (*declare_filetype)(const clap_preset_discovery_indexer*, const clap_preset_discovery_filetype*);
  bool (*declare_location)(const clap_preset_discovery_indexer*, const clap_preset_discovery_location*);
  bool (*declare_soundpack)(const clap_preset_discovery_indexer*, const clap_preset_discovery_soundpack*);
  const void* (*get_extension)(const clap_preset_discovery_indexer*, const char* id);
};

struct clap_preset_discovery_metadata_receiver {
  void* receiver_data;
  void (*on_error)(const clap_preset_discovery_metadata_receiver*, std::int32_t os_error, const char* message);
  bool (*begin_preset)(const clap_preset_discovery_metadata_receiver*, const char* name, const char* load_key);
  void (*add_plugin_id)(const clap_preset_discovery_metadata_receiver*, const clap_universal_plugin_id* id);
  void (*set_soundpack_id)(const clap_preset_discovery_metadata_receiver*, const char* id);
  void (*set_flags)(const clap_preset_discovery_metadata_receiver*, std::uint32_t flags);
  void (*add_creator)(const clap_preset_discovery_metadata_receiver*, const char* creator);
  void (*set_description)(const clap_preset_discovery_metadata_receiver*, const char* description);
  void (*set_timestamps)(const clap_preset_discovery_metadata_receiver*, std::uint64_t created, std::uint64_t modified);
  void (*add_feature)(const clap_preset_discovery_metadata_receiver*, const char* feature);
  void (*add_extra_info)(const clap_preset_discovery_metadata_receiver*, const char* key, const char* value);
};

struct clap_preset_discovery_provider_descriptor {
  struct clap_version clap_version;
  const char* id;
  const char* name;
  const char* vendor;
};

struct clap_preset_discovery_provider {
  const clap_preset_discovery_provider_descriptor* desc;
  void* provider_data;
  bool (*init)(const clap_preset_discovery_provider*);
  void (*destroy)(const clap_preset_discovery_provider*);
  bool (*get_metadata)(const clap_preset_discovery_provider*, std::uint32_t location_kind, const char* location,
                       const clap_preset_discovery_metadata_receiver* receiver);
  const void* (*get_extension)(const clap_preset_discovery_provider*, const char* id);
};

struct clap_preset_discovery_factory {
  std::uint32_t (*count)(const clap_preset_discovery_factory*);
  const clap_preset_discovery_provider_descriptor* (*get_descriptor)(const clap_preset_discovery_factory*,
                                                                     std::uint32_t index);
  const clap_preset_discovery_provider* (*create)(const clap_preset_discovery_factory*,
                                                  const clap_preset_discovery_indexer* indexer,
                                                  const char* provider_id);
};

struct clap_plugin_preset_load {
  bool (*from_location)(const clap_plugin*, std::uint32_t location_kind, const char* location, const char* load_key);
};

struct clap_host_preset_load {
  void (*on_error)(const clap_host*, std::uint32_t location_kind, const char* location, const char* load_key,
                   std::int32_t os_error, const char* message);
  void (*loaded)(const clap_host*, std::uint32_t location_kind, const char* location, const char* load_key);
};

}  // extern "C"

// Older hosts ask by the draft names: both are answered alike.
inline constexpr const char* CLAP_PRESET_DISCOVERY_FACTORY_ID = "clap.preset-discovery-factory/2";
inline constexpr const char* CLAP_PRESET_DISCOVERY_FACTORY_ID_DRAFT = "clap.preset-discovery-factory/draft-2";
inline constexpr const char* CLAP_EXT_PRESET_LOAD = "clap.preset-load/2";
inline constexpr const char* CLAP_EXT_PRESET_LOAD_DRAFT = "clap.preset-load.draft/2";

CLAP_CHECK_LAYOUT(clap_preset_discovery_filetype, 24, file_extension, 16);
CLAP_CHECK_LAYOUT(clap_preset_discovery_location, 32, location, 24);
CLAP_CHECK_LAYOUT(clap_preset_discovery_soundpack, 64, release_timestamp, 56);
CLAP_CHECK_LAYOUT(clap_universal_plugin_id, 16, id, 8);
CLAP_CHECK_LAYOUT(clap_preset_discovery_indexer, 88, get_extension, 80);
CLAP_CHECK_LAYOUT(clap_preset_discovery_metadata_receiver, 88, add_extra_info, 80);
CLAP_CHECK_LAYOUT(clap_preset_discovery_provider_descriptor, 40, vendor, 32);
CLAP_CHECK_LAYOUT(clap_preset_discovery_provider, 48, get_extension, 40);
CLAP_CHECK_LAYOUT(clap_preset_discovery_factory, 24, create, 16);
CLAP_CHECK_LAYOUT(clap_plugin_preset_load, 8, from_location, 0);
CLAP_CHECK_LAYOUT(clap_host_preset_load, 16, loaded, 8);
