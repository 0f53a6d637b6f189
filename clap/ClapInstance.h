#pragma once

#include <atomic>
#include <optional>

#include "ClapExtensions.h"
#include "ClapPresetAbi.h"
#include "PanelEvents.h"
#include "SharedValues.h"
#include "SignalPath.h"

namespace sweepfilter {

// One plug-in instance: what the host holds (`plugin`, whose data points
// back here), the values it shares between threads, and the audio side,
// made in activate and used only by the audio thread.
struct ClapInstance {
  clap_plugin plugin{};
  const clap_host* host = nullptr;
  // From init, when the host has them.
  const clap_host_params* hostParams = nullptr;
  const clap_host_preset_load* hostPresetLoad = nullptr;
  SharedValues values;
  float sampleRate = 0.0f;
  std::optional<SignalPath> signal;  // while active
  // The audio side's copy of the values: as set, and as the signal path reads them.
  StateValues audioSet{};
  ParameterValues audioValues{};
  std::int32_t audioSync = lfoSyncFree;
  std::atomic<bool> processing{false};  // between start and stop_processing
  PanelEvents panelEvents;
  // The open panel, and how to close it when the host forgets to.
  struct Panel* panel = nullptr;
  void (*closePanel)(ClapInstance&) = nullptr;
};

inline ClapInstance& instanceOf(const clap_plugin* plugin) { return *static_cast<ClapInstance*>(plugin->plugin_data); }

// A new instance for `host`, or null when memory runs out.
const clap_plugin* createInstance(const clap_host* host);

// Tells the host to read the values again, after a change it did not make.
void valuesChanged(const ClapInstance& instance);

// The panel's extensions on this platform (gui, and what drives it), or null.
const void* panelExtension(const char* id);

// The extensions, each in its own file.
extern const clap_plugin_audio_ports audioPortsExtension;
extern const clap_plugin_params paramsExtension;
extern const clap_plugin_state stateExtension;
extern const clap_plugin_preset_load presetLoadExtension;

// Runs on the audio thread: no allocation, no lock.
std::int32_t processBlock(ClapInstance& instance, const clap_process& process);
// A PARAM_VALUE event for one of ours, applied to the shared values (and to
// the audio side's). False for any other event.
bool applyParameterEvent(ClapInstance& instance, const clap_event_header& event);

}  // namespace sweepfilter
