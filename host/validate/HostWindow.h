#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace sweepfilter {

// The host's side of an editor: one top-level window and, inside it, a
// container child window for each panel, as hosts give them out.
class HostWindow {
 public:
  HostWindow();
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  // A fresh container of the given size; the caller destroys it.
  HWND createContainer(int width, int height) const;

 private:
  HWND frame = nullptr;
};

// Runs every message waiting on this thread's queue.
void pumpMessages();
// The panel the plug-in made in a container: its first child window, or null.
HWND panelIn(HWND container);
// One tick of the panel's timer, delivered at once.
void tickTimer(HWND panel);

// The process's GDI objects and committed private memory.
struct ResourceUse {
  std::int64_t gdiObjects;
  std::int64_t privateBytes;

  static ResourceUse now();
  // "GDI objects a -> b, private memory x KB -> y KB"
  static std::string change(const ResourceUse& before, const ResourceUse& after);
};

}  // namespace sweepfilter
