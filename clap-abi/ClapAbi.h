#pragma once

// The plug-in interface's core declarations, written from its published
// layouts (the same on x86-64 Linux and 64-bit Windows). Every struct's size
// and last field's offset is checked, so a misplaced field fails the build.
#include <cstddef>
#include <cstdint>

extern "C" {

using clap_id = std::uint32_t;
inline constexpr clap_id CLAP_INVALID_ID = 0xFFFFFFFFu;

struct clap_version {
  std::uint32_t major, minor, revision;
};
inline constexpr clap_version CLAP_VERSION = {1, 2, 10};

struct clap_plugin_entry {
  struct clap_version clap_version;
  bool (*init)(const char* plugin_path);
  void (*deinit)();
  const void* (*get_factory)(const char* factory_id);
};

struct clap_plugin_descriptor {
  struct clap_version clap_version;
  const char* id;
  const char* name;
  const char* vendor;
  const char* url;
  const char* manual_url;
  const char* support_url;
  const char* version;
  const char* description;
  const char* const* features;
};

struct clap_host;
struct clap_process;

struct clap_plugin {
  const clap_plugin_descriptor* desc;
  void* plugin_data;
  bool (*init)(const clap_plugin*);
  void (*destroy)(const clap_plugin*);
  bool (*activate)(const clap_plugin*, double sample_rate, std::uint32_t min_frames, std::uint32_t max_frames);
  void (*deactivate)(const clap_plugin*);
  bool (*start_processing)(const clap_plugin*);
  void (*stop_processing)(const clap_plugin*);
  void (*reset)(const clap_plugin*);
  std::int32_t (*process)(const clap_plugin*, const clap_process*);
  const void* (*get_extension)(const clap_plugin*, const char* id);
  void (*on_main_thread)(const clap_plugin*);
};

struct clap_plugin_factory {
  std::uint32_t (*get_plugin_count)(const clap_plugin_factory*);
  const clap_plugin_descriptor* (*get_plugin_descriptor)(const clap_plugin_factory*, std::uint32_t index);
  const clap_plugin* (*create_plugin)(const clap_plugin_factory*, const clap_host*, const char* plugin_id);
};

struct clap_host {
  struct clap_version clap_version;
  void* host_data;
  const char* name;
  const char* vendor;
  const char* url;
  const char* version;
  const void* (*get_extension)(const clap_host*, const char* id);
  void (*request_restart)(const clap_host*);
  void (*request_process)(const clap_host*);
  void (*request_callback)(const clap_host*);
};

struct clap_event_header {
  std::uint32_t size;
  std::uint32_t time;
  std::uint16_t space_id;
  std::uint16_t type;
  std::uint32_t flags;
};
inline constexpr std::uint16_t CLAP_CORE_EVENT_SPACE_ID = 0;
inline constexpr std::uint16_t CLAP_EVENT_PARAM_VALUE = 5;
inline constexpr std::uint16_t CLAP_EVENT_PARAM_MOD = 6;
inline constexpr std::uint16_t CLAP_EVENT_PARAM_GESTURE_BEGIN = 7;
inline constexpr std::uint16_t CLAP_EVENT_PARAM_GESTURE_END = 8;
inline constexpr std::uint16_t CLAP_EVENT_TRANSPORT = 9;

struct clap_event_param_value {
  clap_event_header header;
  clap_id param_id;
  void* cookie;
  std::int32_t note_id;
  std::int16_t port_index;
  std::int16_t channel;
  std::int16_t key;
  double value;
};

struct clap_event_param_mod {
  clap_event_header header;
  clap_id param_id;
  void* cookie;
  std::int32_t note_id;
  std::int16_t port_index;
  std::int16_t channel;
  std::int16_t key;
  double amount;
};

struct clap_event_param_gesture {
  clap_event_header header;
  clap_id param_id;
};

struct clap_event_transport {
  clap_event_header header;
  std::uint32_t flags;
  std::int64_t song_pos_beats;
  std::int64_t song_pos_seconds;
  double tempo;
  double tempo_inc;
  std::int64_t loop_start_beats;
  std::int64_t loop_end_beats;
  std::int64_t loop_start_seconds;
  std::int64_t loop_end_seconds;
  std::int64_t bar_start;
  std::int32_t bar_number;
  std::uint16_t tsig_num;
  std::uint16_t tsig_denom;
};
// Positions in beats are quarter notes in fixed point, 2^31 to one.
inline constexpr double CLAP_BEATTIME_FACTOR = 2147483648.0;
inline constexpr std::uint32_t CLAP_TRANSPORT_HAS_TEMPO = 1;
inline constexpr std::uint32_t CLAP_TRANSPORT_HAS_BEATS_TIMELINE = 2;
inline constexpr std::uint32_t CLAP_TRANSPORT_HAS_TIME_SIGNATURE = 8;
inline constexpr std::uint32_t CLAP_TRANSPORT_IS_PLAYING = 16;

struct clap_input_events {
  void* ctx;
  std::uint32_t (*size)(const clap_input_events*);
  const clap_event_header* (*get)(const clap_input_events*, std::uint32_t index);
};

struct clap_output_events {
  void* ctx;
  bool (*try_push)(const clap_output_events*, const clap_event_header*);
};

struct clap_audio_buffer {
  float** data32;
  double** data64;
  std::uint32_t channel_count;
  std::uint32_t latency;
  std::uint64_t constant_mask;
};

struct clap_process {
  std::int64_t steady_time;
  std::uint32_t frames_count;
  const clap_event_transport* transport;
  const clap_audio_buffer* audio_inputs;
  clap_audio_buffer* audio_outputs;
  std::uint32_t audio_inputs_count;
  std::uint32_t audio_outputs_count;
  const clap_input_events* in_events;
  const clap_output_events* out_events;
};
inline constexpr std::int32_t CLAP_PROCESS_ERROR = 0;
inline constexpr std::int32_t CLAP_PROCESS_CONTINUE = 1;

struct clap_istream {
  void* ctx;
  std::int64_t (*read)(const clap_istream*, void* buffer, std::uint64_t size);
};

struct clap_ostream {
  void* ctx;
  std::int64_t (*write)(const clap_ostream*, const void* buffer, std::uint64_t size);
};

}  // extern "C"

#define CLAP_CHECK_LAYOUT(type, bytes, last, at) \
  static_assert(sizeof(type) == (bytes) && offsetof(type, last) == (at), #type "'s layout")

CLAP_CHECK_LAYOUT(clap_version, 12, revision, 8);
CLAP_CHECK_LAYOUT(clap_plugin_entry, 40, get_factory, 32);
CLAP_CHECK_LAYOUT(clap_plugin_descriptor, 88, features, 80);
CLAP_CHECK_LAYOUT(clap_plugin, 96, on_main_thread, 88);
CLAP_CHECK_LAYOUT(clap_plugin_factory, 24, create_plugin, 16);
CLAP_CHECK_LAYOUT(clap_host, 88, request_callback, 80);
CLAP_CHECK_LAYOUT(clap_event_header, 16, flags, 12);
CLAP_CHECK_LAYOUT(clap_event_param_value, 56, value, 48);
CLAP_CHECK_LAYOUT(clap_event_param_mod, 56, amount, 48);
CLAP_CHECK_LAYOUT(clap_event_param_gesture, 20, param_id, 16);
CLAP_CHECK_LAYOUT(clap_event_transport, 104, tsig_denom, 102);
CLAP_CHECK_LAYOUT(clap_input_events, 24, get, 16);
CLAP_CHECK_LAYOUT(clap_output_events, 16, try_push, 8);
CLAP_CHECK_LAYOUT(clap_audio_buffer, 32, constant_mask, 24);
CLAP_CHECK_LAYOUT(clap_process, 64, out_events, 56);
CLAP_CHECK_LAYOUT(clap_istream, 16, read, 8);
CLAP_CHECK_LAYOUT(clap_ostream, 16, write, 8);
