#pragma once

// The extensions a stereo effect with parameters, state and presets offers,
// and the host's halves of them, from the same published layouts.
#include "ClapAbi.h"

extern "C" {

struct clap_audio_port_info {
  clap_id id;
  char name[256];
  std::uint32_t flags;
  std::uint32_t channel_count;
  const char* port_type;
  clap_id in_place_pair;
};
inline constexpr std::uint32_t CLAP_AUDIO_PORT_IS_MAIN = 1;

struct clap_plugin_audio_ports {
  std::uint32_t (*count)(const clap_plugin*, bool is_input);
  bool (*get)(const clap_plugin*, std::uint32_t index, bool is_input, clap_audio_port_info* info);
};

struct clap_param_info {
  clap_id id;
  std::uint32_t flags;
  void* cookie;
  char name[256];
  char module[1024];
  double min_value;
  double max_value;
  double default_value;
};
inline constexpr std::uint32_t CLAP_PARAM_IS_STEPPED = 1;
inline constexpr std::uint32_t CLAP_PARAM_IS_AUTOMATABLE = 32;
inline constexpr std::uint32_t CLAP_PARAM_IS_MODULATABLE = 1024;
inline constexpr std::uint32_t CLAP_PARAM_IS_ENUM = 65536;

struct clap_plugin_params {
  std::uint32_t (*count)(const clap_plugin*);
  bool (*get_info)(const clap_plugin*, std::uint32_t index, clap_param_info* info);
  bool (*get_value)(const clap_plugin*, clap_id id, double* value);
  bool (*value_to_text)(const clap_plugin*, clap_id id, double value, char* text, std::uint32_t capacity);
  bool (*text_to_value)(const clap_plugin*, clap_id id, const char* text, double* value);
  void (*flush)(const clap_plugin*, const clap_input_events* in, const clap_output_events* out);
};

struct clap_host_params {
  void (*rescan)(const clap_host*, std::uint32_t flags);
  void (*clear)(const clap_host*, clap_id id, std::uint32_t flags);
  void (*request_flush)(const clap_host*);
};
inline constexpr std::uint32_t CLAP_PARAM_RESCAN_VALUES = 1;

struct clap_plugin_state {
  bool (*save)(const clap_plugin*, const clap_ostream* stream);
  bool (*load)(const clap_plugin*, const clap_istream* stream);
};

}  // extern "C"

inline constexpr const char* CLAP_PLUGIN_FACTORY_ID = "clap.plugin-factory";
inline constexpr const char* CLAP_EXT_AUDIO_PORTS = "clap.audio-ports";
inline constexpr const char* CLAP_EXT_PARAMS = "clap.params";
inline constexpr const char* CLAP_EXT_STATE = "clap.state";
inline constexpr const char* CLAP_PORT_STEREO = "stereo";

CLAP_CHECK_LAYOUT(clap_audio_port_info, 288, in_place_pair, 280);
CLAP_CHECK_LAYOUT(clap_plugin_audio_ports, 16, get, 8);
CLAP_CHECK_LAYOUT(clap_param_info, 1320, default_value, 1312);
CLAP_CHECK_LAYOUT(clap_plugin_params, 48, flush, 40);
CLAP_CHECK_LAYOUT(clap_host_params, 24, request_flush, 16);
CLAP_CHECK_LAYOUT(clap_plugin_state, 16, load, 8);
