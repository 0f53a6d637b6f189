#pragma once

#include <windows.h>

#include <memory>

#include "Canvas.h"
#include "PluginUnderTest.h"

namespace sweepfilter {

// A host's window for one panel: a child of the program's one top-level
// window, at a place in it, as large as the editor asks.
class HostWindow {
 public:
  HostWindow(int left, int width, int height);
  // Destroys the window unless the test already did.
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  HWND handle() const { return window; }
  // The window the editor made in it (its only child), or null.
  HWND panel() const;
  // As a host that closes its window without telling the editor first.
  void destroy();

 private:
  HWND window = nullptr;
};

// An instance's panel opened in a host window of its own, at `left` in the
// test window, and painted.
class OpenPanel {
 public:
  explicit OpenPanel(const PluginInstance& instance, int left = 0);
  // Closes the editor, then destroys the host window, as hosts do.
  ~OpenPanel();
  OpenPanel(const OpenPanel&) = delete;
  OpenPanel& operator=(const OpenPanel&) = delete;

  HWND window() const { return host.panel(); }
  // A host's idle call followed by a tick of the panel's timer.
  void idleAndTick() const;
  std::unique_ptr<Canvas> shown() const;

  const PluginInstance& instance;
  HostWindow host;
};

// The panel's size: its background picture's.
extern const int panelWidth;
extern const int panelHeight;

// A tick of a panel's timer, delivered at once.
void tickTimer(HWND panel);
// What a window shows now, read from its own surface.
std::unique_ptr<Canvas> capture(HWND window);
// The windows of the test program: the top-level one and all inside it.
int windowsInTestWindow();

}  // namespace sweepfilter
