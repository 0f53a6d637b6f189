#pragma once

#include <windows.h>

#include <memory>

#include "Canvas.h"
#include "EditorHolder.h"
#include "PluginUnderTest.h"

namespace sweepfilter {

// A host window as large as the panel, at `left` in the test program's one
// top-level window (two fit side by side).
EditorHolder panelHolder(int left = 0);

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
  EditorHolder host;
};

// The panel's size: its background picture's.
extern const int panelWidth;
extern const int panelHeight;

// What a window shows now, read from its own surface.
std::unique_ptr<Canvas> capture(HWND window);
// The windows of the test program: the top-level one and all inside it.
int windowsInTestWindow();

}  // namespace sweepfilter
