#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "EditorOptions.h"

namespace sweepfilter {

// What showing a plug-in's panel in plughost's window asks of the plug-in,
// whichever interface reaches it.
struct PanelCalls {
  std::function<bool(HWND parent)> open;  // false: it could not open its panel
  std::function<void()> idle;             // the host's regular call, about every 20 ms
  std::function<void()> close;            // before the window goes
};

// Shows the panel in a window of its size, titled with the program, until
// the time is up or the window is closed, then takes the screenshot if one is
// asked for. "" or why it failed.
std::string showPanel(const std::string& programName, int width, int height, const EditorOptions& options,
                      const PanelCalls& calls);

}  // namespace sweepfilter
