#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ClapExtensions.h"
#include "ClapGuiAbi.h"
#include "ClapPresetAbi.h"

namespace sweepfilter {

// A .clap file as a host loads it: the file opened, its entry initialised;
// deinitialised and closed when this goes.
class ClapLibrary {
 public:
  explicit ClapLibrary(const std::string& path);
  ~ClapLibrary();
  ClapLibrary(const ClapLibrary&) = delete;
  ClapLibrary& operator=(const ClapLibrary&) = delete;

  const clap_plugin_entry* entry() const { return entry_; }  // null if the file or its symbol is missing
  const std::string& error() const { return error_; }        // why entry() is null
  const clap_plugin_factory* factory() const;

  // The presets the discovery factory's providers declare, as an indexer sees them.
  struct Preset {
    std::string name, loadKey, pluginId;
    std::uint32_t locationKind;
    std::string location;  // empty for presets inside the plug-in
  };
  std::vector<Preset> discoverPresets(const char* factoryId = CLAP_PRESET_DISCOVERY_FACTORY_ID) const;

 private:
  void* module_ = nullptr;
  const clap_plugin_entry* entry_ = nullptr;
  std::string error_;
};

// One instance of the factory's first plug-in, with a host that records what
// the plug-in tells it. Stereo blocks go through process with the parameter
// changes queued for them.
class HostedPlugin {
 public:
  explicit HostedPlugin(const ClapLibrary& library);
  ~HostedPlugin();
  HostedPlugin(const HostedPlugin&) = delete;
  HostedPlugin& operator=(const HostedPlugin&) = delete;

  const clap_plugin* plugin() const { return plugin_; }
  template <typename Extension>
  const Extension* extension(const char* id) const {
    return static_cast<const Extension*>(plugin_->get_extension(plugin_, id));
  }
  const clap_plugin_params& params() const { return *extension<clap_plugin_params>(CLAP_EXT_PARAMS); }

  bool activate(double sampleRate, std::uint32_t maxFrames = 1 << 16);
  void deactivate();
  void queueValue(clap_id id, double value, std::uint32_t time = 0);
  void queueModulation(clap_id id, double amount, std::uint32_t time = 0);
  void queueTransport(const clap_event_transport& transport, std::uint32_t time);  // of the size its header says
  // `transport`: the song at the block's start, as process.transport, or null.
  std::int32_t process(float* const* inputs, float* const* outputs, std::uint32_t frames,
                       const clap_event_transport* transport = nullptr);
  double value(clap_id id) const;

  // The queued changes through params.flush, as a host that is not
  // processing sends them; what the plug-in sent and the host took since the
  // last flush, through process and this flush: each event's type,
  // parameter and value.
  struct SentEvent {
    std::uint16_t type;
    clap_id parameter;
    double value;
  };
  std::vector<SentEvent> flush();
  // A host whose output queue is full: it refuses every event offered, or
  // every other one.
  enum class Refusal { none, all, everyOther } refusal = Refusal::none;

  // The state through streams that move at most `chunk` bytes a call.
  std::vector<unsigned char> save(std::size_t chunk = 1 << 20) const;
  bool load(const std::vector<unsigned char>& bytes, std::size_t chunk = 1 << 20) const;

  int valueRescans = 0;                    // params.rescan(VALUES) calls
  std::vector<std::string> presetsLoaded;  // load keys told to preset-load's loaded
  int presetErrors = 0;
  int flushRequests = 0;
  // What a panel registered with the host's posix-fd and timer support (-1 and
  // the invalid id when nothing is).
  int panelFd = -1;
  clap_id panelTimer = CLAP_INVALID_ID;

 private:
  clap_host host_;
  const clap_plugin* plugin_ = nullptr;
  bool active_ = false;
  union QueuedEvent {
    clap_event_header header;
    clap_event_param_value value;
    clap_event_param_mod modulation;
    clap_event_transport transport;
  };
  void queue(const QueuedEvent& event);
  std::vector<QueuedEvent> queued_;
  std::vector<SentEvent> taken_;
  unsigned offers_ = 0;
  const clap_output_events out_;
};

// Whether plughost takes the file for a CLAP plug-in: its name ends in ".clap".
bool isClapFile(const std::string& path);
// Why the file gives no plug-in to host, or "".
std::string hostingError(const ClapLibrary& library, const HostedPlugin& hosted, const std::string& path);

}  // namespace sweepfilter
