#pragma once

#include <cstdint>
#include <cstring>
#include <optional>

#include "ClapGuiAbi.h"
#include "ClapInstance.h"
#include "Parameters.h"
#include "PanelResources.h"

namespace sweepfilter {

// What this door's panel does between the user, the host and the shared
// values, whichever window system draws it. Main thread only.
class PanelLink {
 public:
  // A user's move (for lfoSyncId, the setting's number): sounding at once, and to the host as gesture begin (once
  // per control moved) and the values; `release` ends the gesture.
  void userMoved(ClapInstance& instance, ParameterIndex parameter, float normalised);
  void release(ClapInstance& instance);
  // Asks the host for a flush when moves are waiting and it is not processing.
  void requestFlush(ClapInstance& instance);

  // Where a control showing `shown` goes for the host's value: nothing when
  // `shown` is what sends that value (the echo of the user's own move).
  static std::optional<float> toShow(const ClapInstance& instance, ParameterIndex parameter, float shown);

 private:
  std::optional<ParameterIndex> gesture;  // the parameter the user is moving
  bool sent = false;                      // events for the host since the last flush request
};

// The answers of a panel embedded in the host's window only, in the one
// window system of this build, at a size the host cannot change.
namespace fixed_panel {
#ifdef _WIN32
inline constexpr const char* embeddedApi = CLAP_WINDOW_API_WIN32;
#else
inline constexpr const char* embeddedApi = CLAP_WINDOW_API_X11;
#endif
inline bool isApiSupported(const clap_plugin*, const char* api, bool floating) {
  return api && std::strcmp(api, embeddedApi) == 0 && !floating;
}
inline bool getPreferredApi(const clap_plugin*, const char** api, bool* floating) {
  if (!api || !floating) return false;
  *api = embeddedApi;
  *floating = false;
  return true;
}
inline bool getSize(const clap_plugin*, std::uint32_t* width, std::uint32_t* height) {
  if (!width || !height) return false;
  *width = panel_bitmaps::background.width;
  *height = panel_bitmaps::background.height;
  return true;
}
inline bool setSize(const clap_plugin*, std::uint32_t width, std::uint32_t height) {
  return width == static_cast<std::uint32_t>(panel_bitmaps::background.width) &&
         height == static_cast<std::uint32_t>(panel_bitmaps::background.height);
}
inline bool canResize(const clap_plugin*) { return false; }
inline bool getResizeHints(const clap_plugin*, clap_gui_resize_hints*) { return false; }
inline bool adjustSize(const clap_plugin*, std::uint32_t*, std::uint32_t*) { return false; }
inline bool setTransient(const clap_plugin*, const clap_window*) { return false; }
inline void suggestTitle(const clap_plugin*, const char*) {}
}  // namespace fixed_panel

}  // namespace sweepfilter
