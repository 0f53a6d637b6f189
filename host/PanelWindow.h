#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "EditorOptions.h"

namespace sweepfilter {

// The window plughost gives a panel to embed into.
#ifdef _WIN32
using ParentWindow = HWND;
#else
using ParentWindow = unsigned long;  // an X11 window id
#endif

// What showing a plug-in's panel in plughost's window asks of the plug-in,
// whichever interface reaches it.
struct PanelCalls {
  std::function<bool(ParentWindow parent)> open;  // false: it could not open its panel
  std::function<void()> idle;                     // the host's regular call, about every 20 ms
  std::function<void()> close;                    // before the window goes
  // Where the window system does not wake the panel itself (X11): the
  // descriptor it reads (-1 for none) and its call when that has data.
  std::function<int()> descriptor;
  std::function<void()> readable;
};

// plughost's top-level window for a panel, on this build's window system.
class PanelFrame {
 public:
  virtual ~PanelFrame() = default;
  virtual ParentWindow handle() const = 0;
  virtual bool closeRequested() const = 0;
  // Waits up to `timeout` for the window system (and the panel's descriptor)
  // and handles what came.
  virtual void wait(std::chrono::milliseconds timeout, const PanelCalls& calls) = 0;
  // Paints what is still due, the panel included, then writes what the
  // window shows to a 24-bit BMP file. "" or a one-line reason.
  virtual std::string saveScreenshot(const std::string& path, const PanelCalls& calls) = 0;
};
// A frame of that size with that title, shown; null with the reason in `error`.
std::unique_ptr<PanelFrame> openPanelFrame(const std::string& title, int width, int height, std::string& error);

// Shows the panel in a window of its size, titled with the program, until
// the time is up or the window is closed, then takes the screenshot if one is
// asked for. "" or why it failed.
std::string showPanel(const std::string& programName, int width, int height, const EditorOptions& options,
                      const PanelCalls& calls);

}  // namespace sweepfilter
