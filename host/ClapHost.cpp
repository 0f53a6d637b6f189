#include "ClapHost.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace sweepfilter {

namespace {
void* openModule(const char* path) {
#ifdef _WIN32
  return reinterpret_cast<void*>(LoadLibraryA(path));
#else
  // A name without a folder is a file here, not one of the system's libraries.
  const std::string file = std::strchr(path, '/') ? path : std::string("./") + path;
  return dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
}

void* symbolOf(void* module, const char* name) {
#ifdef _WIN32
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
#else
  return dlsym(module, name);
#endif
}

void closeModule(void* module) {
#ifdef _WIN32
  FreeLibrary(static_cast<HMODULE>(module));
#else
  dlclose(module);
#endif
}

HostedPlugin& hostedOf(const clap_host* host) { return *static_cast<HostedPlugin*>(host->host_data); }

const clap_host_params hostParams = {[](const clap_host* host, std::uint32_t flags) {
                                       if (flags & CLAP_PARAM_RESCAN_VALUES) ++hostedOf(host).valueRescans;
                                     },
                                     [](const clap_host*, clap_id, std::uint32_t) {},
                                     [](const clap_host* host) { ++hostedOf(host).flushRequests; }};

// One descriptor and one timer: all a panel of this kind asks for.
const clap_host_posix_fd_support hostFds = {[](const clap_host* host, int fd, std::uint32_t) {
                                              hostedOf(host).panelFd = fd;
                                              return true;
                                            },
                                            [](const clap_host*, int, std::uint32_t) { return true; },
                                            [](const clap_host* host, int fd) {
                                              const bool known = hostedOf(host).panelFd == fd;
                                              if (known) hostedOf(host).panelFd = -1;
                                              return known;
                                            }};
constexpr clap_id timerId = 7;
const clap_host_timer_support hostTimers = {[](const clap_host* host, std::uint32_t, clap_id* id) {
                                              *id = hostedOf(host).panelTimer = timerId;
                                              return true;
                                            },
                                            [](const clap_host* host, clap_id id) {
                                              const bool known = hostedOf(host).panelTimer == id;
                                              if (known) hostedOf(host).panelTimer = CLAP_INVALID_ID;
                                              return known;
                                            }};

const clap_host_preset_load hostPresetLoad = {[](const clap_host* host, std::uint32_t, const char*, const char*,
                                                 std::int32_t, const char*) { ++hostedOf(host).presetErrors; },
                                              [](const clap_host* host, std::uint32_t, const char*, const char* key) {
                                                hostedOf(host).presetsLoaded.emplace_back(key ? key : "");
                                              }};

const void* hostExtension(const clap_host*, const char* id) {
  if (std::strcmp(id, CLAP_EXT_PRESET_LOAD) == 0) return &hostPresetLoad;
  if (std::strcmp(id, CLAP_EXT_POSIX_FD_SUPPORT) == 0) return &hostFds;
  if (std::strcmp(id, CLAP_EXT_TIMER_SUPPORT) == 0) return &hostTimers;
  return std::strcmp(id, CLAP_EXT_PARAMS) == 0 ? &hostParams : nullptr;
}

struct Discovery {
  std::vector<ClapLibrary::Preset> presets;
  std::vector<clap_preset_discovery_location> locations;
};

// The queued changes as the plug-in reads them.
template <typename Queued>
clap_input_events inputEvents(const std::vector<Queued>& queued) {
  return {const_cast<std::vector<Queued>*>(&queued),
          [](const clap_input_events* e) {
            return static_cast<std::uint32_t>(static_cast<std::vector<Queued>*>(e->ctx)->size());
          },
          [](const clap_input_events* e, std::uint32_t index) -> const clap_event_header* {
            return &(*static_cast<std::vector<Queued>*>(e->ctx))[index].header;
          }};
}

struct Stream {
  std::vector<unsigned char>* bytes;
  std::size_t chunk;
  std::size_t at = 0;
};
}  // namespace

ClapLibrary::ClapLibrary(const std::string& path) : module_(openModule(path.c_str())) {
  if (!module_) {
    error_ = "cannot load '" + path + "'";
    return;
  }
  entry_ = static_cast<const clap_plugin_entry*>(symbolOf(module_, "clap_entry"));
  if (!entry_)
    error_ = "'" + path + "' exports no \"clap_entry\"";
  else if (!entry_->init(path.c_str()))
    error_ = "'" + path + "' refuses to start";
  if (!error_.empty()) entry_ = nullptr;
}

ClapLibrary::~ClapLibrary() {
  if (entry_) entry_->deinit();
  if (module_) closeModule(module_);
}

const clap_plugin_factory* ClapLibrary::factory() const {
  return entry_ ? static_cast<const clap_plugin_factory*>(entry_->get_factory(CLAP_PLUGIN_FACTORY_ID)) : nullptr;
}

std::vector<ClapLibrary::Preset> ClapLibrary::discoverPresets(const char* factoryId) const {
  const auto* factory = static_cast<const clap_preset_discovery_factory*>(entry_->get_factory(factoryId));
  if (!factory) return {};
  Discovery found;
  const clap_preset_discovery_indexer indexer{
      CLAP_VERSION,
      "SweepFilter tests",
      "",
      "",
      "1",
      &found,
      [](auto*, auto*) { return true; },
      [](const clap_preset_discovery_indexer* i, const clap_preset_discovery_location* location) {
        static_cast<Discovery*>(i->indexer_data)->locations.push_back(*location);
        return true;
      },
      [](auto*, auto*) { return true; },
      [](auto*, auto*) -> const void* { return nullptr; }};
  const clap_preset_discovery_metadata_receiver receiver{
      &found,
      [](auto*, std::int32_t, const char*) {},
      [](const clap_preset_discovery_metadata_receiver* r, const char* name, const char* key) {
        static_cast<Discovery*>(r->receiver_data)->presets.push_back({name, key ? key : "", "", 0, ""});
        return true;
      },
      [](const clap_preset_discovery_metadata_receiver* r, const clap_universal_plugin_id* id) {
        auto& presets = static_cast<Discovery*>(r->receiver_data)->presets;
        if (std::strcmp(id->abi, "clap") == 0) presets.back().pluginId = id->id;
      },
      [](auto*, const char*) {},
      [](auto*, std::uint32_t) {},
      [](auto*, const char*) {},
      [](auto*, const char*) {},
      [](auto*, std::uint64_t, std::uint64_t) {},
      [](auto*, const char*) {},
      [](auto*, const char*, const char*) {}};
  for (std::uint32_t i = 0; i < factory->count(factory); ++i) {
    const clap_preset_discovery_provider* provider =
        factory->create(factory, &indexer, factory->get_descriptor(factory, i)->id);
    if (!provider) continue;
    if (provider->init(provider))
      for (const auto& location : std::vector(found.locations)) {
        const std::size_t first = found.presets.size();
        provider->get_metadata(provider, location.kind, location.location, &receiver);
        for (std::size_t p = first; p < found.presets.size(); ++p) {
          found.presets[p].locationKind = location.kind;
          found.presets[p].location = location.location ? location.location : "";
        }
      }
    found.locations.clear();
    provider->destroy(provider);
  }
  return found.presets;
}

HostedPlugin::HostedPlugin(const ClapLibrary& library)
    : host_{CLAP_VERSION,
            this,
            "SweepFilter tests",
            "",
            "",
            "1",
            hostExtension,
            [](const clap_host*) {},
            [](const clap_host*) {},
            [](const clap_host*) {}},
      out_{this, [](const clap_output_events* out, const clap_event_header* e) {
             auto& hosted = *static_cast<HostedPlugin*>(out->ctx);
             const unsigned offer = hosted.offers_++;
             if (hosted.refusal == Refusal::all || (hosted.refusal == Refusal::everyOther && offer % 2 == 0))
               return false;
             const auto parameter = e->type == CLAP_EVENT_PARAM_VALUE
                                        ? reinterpret_cast<const clap_event_param_value*>(e)->param_id
                                        : reinterpret_cast<const clap_event_param_gesture*>(e)->param_id;
             const double value =
                 e->type == CLAP_EVENT_PARAM_VALUE ? reinterpret_cast<const clap_event_param_value*>(e)->value : 0.0;
             hosted.taken_.push_back({e->type, parameter, value});
             return true;
           }} {
  const clap_plugin_factory* factory = library.factory();
  const clap_plugin_descriptor* first =
      factory && factory->get_plugin_count(factory) > 0 ? factory->get_plugin_descriptor(factory, 0) : nullptr;
  plugin_ = first ? factory->create_plugin(factory, &host_, first->id) : nullptr;
  if (plugin_ && !plugin_->init(plugin_)) {
    plugin_->destroy(plugin_);
    plugin_ = nullptr;
  }
}

HostedPlugin::~HostedPlugin() {
  if (!plugin_) return;
  deactivate();
  plugin_->destroy(plugin_);
}

bool HostedPlugin::activate(double sampleRate, std::uint32_t maxFrames) {
  active_ = plugin_->activate(plugin_, sampleRate, 1, maxFrames) && plugin_->start_processing(plugin_);
  return active_;
}

void HostedPlugin::deactivate() {
  if (!active_) return;
  plugin_->stop_processing(plugin_);
  plugin_->deactivate(plugin_);
  active_ = false;
}

void HostedPlugin::queueValue(clap_id id, double value, std::uint32_t time) {
  QueuedEvent event{};
  event.value.header = {sizeof event.value, time, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_PARAM_VALUE, 0};
  event.value.param_id = id;
  event.value.note_id = -1;
  event.value.port_index = event.value.channel = event.value.key = -1;
  event.value.value = value;
  queue(event);
}

void HostedPlugin::queueModulation(clap_id id, double amount, std::uint32_t time) {
  QueuedEvent event{};
  event.modulation.header = {sizeof event.modulation, time, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_PARAM_MOD, 0};
  event.modulation.param_id = id;
  event.modulation.note_id = -1;
  event.modulation.port_index = event.modulation.channel = event.modulation.key = -1;
  event.modulation.amount = amount;
  queue(event);
}

void HostedPlugin::queueTransport(const clap_event_transport& transport, std::uint32_t time) {
  QueuedEvent event{};
  event.transport = transport;
  event.transport.header = {transport.header.size, time, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_TRANSPORT, 0};
  queue(event);
}

void HostedPlugin::queue(const QueuedEvent& event) {
  // In time order, as hosts send them; sorted here so that process allocates nothing.
  const auto later = std::upper_bound(queued_.begin(), queued_.end(), event.header.time,
                                      [](std::uint32_t t, const QueuedEvent& e) { return t < e.header.time; });
  queued_.insert(later, event);
}

std::int32_t HostedPlugin::process(float* const* inputs, float* const* outputs, std::uint32_t frames,
                                   const clap_event_transport* transport) {
  const clap_input_events in = inputEvents(queued_);
  clap_audio_buffer input{const_cast<float**>(inputs), nullptr, 2, 0, 0};
  clap_audio_buffer output{const_cast<float**>(outputs), nullptr, 2, 0, 0};
  const clap_process process{-1, frames, transport, &input, &output, 1, 1, &in, &out_};
  const std::int32_t status = plugin_->process(plugin_, &process);
  queued_.clear();
  return status;
}

std::vector<HostedPlugin::SentEvent> HostedPlugin::flush() {
  const clap_input_events in = inputEvents(queued_);
  params().flush(plugin_, &in, &out_);
  queued_.clear();
  return std::exchange(taken_, {});
}

double HostedPlugin::value(clap_id id) const {
  double value = NAN;
  params().get_value(plugin_, id, &value);
  return value;
}

std::vector<unsigned char> HostedPlugin::save(std::size_t chunk) const {
  std::vector<unsigned char> bytes;
  Stream stream{&bytes, chunk};
  const clap_ostream out{&stream, [](const clap_ostream* s, const void* data, std::uint64_t size) -> std::int64_t {
                           auto& to = *static_cast<Stream*>(s->ctx);
                           const auto moved = std::min<std::uint64_t>(size, to.chunk);
                           to.bytes->insert(to.bytes->end(), static_cast<const unsigned char*>(data),
                                            static_cast<const unsigned char*>(data) + moved);
                           return static_cast<std::int64_t>(moved);
                         }};
  if (!extension<clap_plugin_state>(CLAP_EXT_STATE)->save(plugin_, &out)) bytes.clear();
  return bytes;
}

bool HostedPlugin::load(const std::vector<unsigned char>& bytes, std::size_t chunk) const {
  Stream stream{const_cast<std::vector<unsigned char>*>(&bytes), chunk};
  const clap_istream in{&stream, [](const clap_istream* s, void* data, std::uint64_t size) -> std::int64_t {
                          auto& from = *static_cast<Stream*>(s->ctx);
                          const auto moved = std::min<std::uint64_t>({size, from.chunk, from.bytes->size() - from.at});
                          if (moved > 0) std::memcpy(data, from.bytes->data() + from.at, moved);
                          from.at += moved;
                          return static_cast<std::int64_t>(moved);
                        }};
  return extension<clap_plugin_state>(CLAP_EXT_STATE)->load(plugin_, &in);
}

bool isClapFile(const std::string& path) { return path.size() > 5 && path.compare(path.size() - 5, 5, ".clap") == 0; }

std::string hostingError(const ClapLibrary& library, const HostedPlugin& hosted, const std::string& path) {
  if (!library.entry()) return library.error();
  return hosted.plugin() ? "" : "'" + path + "' makes no plug-in";
}

}  // namespace sweepfilter
