#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "PanelView.h"

namespace sweepfilter {

// The panel in an X11 child window of the host's window, on a display
// connection of its own. Everything runs in the host's UI thread: events are
// read in idle() and never waited for.
class X11PanelWindow {
 public:
  // Opens the display and the window, where the view's user changes go to
  // `report`; "" or why not.
  std::string open(Window parent, PanelView* view, PanelView::Report report);
  ~X11PanelWindow();

  Window window() const { return child; }
  // The display connection's file descriptor, for a host that watches it; -1 before open.
  int connection() const { return display ? ConnectionNumber(display) : -1; }
  void setVisible(bool visible);
  // Handles the waiting events, then shows the values that changed.
  // False once the window is gone.
  bool idle();

 private:
  void handle(const XEvent& event);
  void show(const Rect& area);

  Display* display = nullptr;
  Window child = 0;
  GC gc = nullptr;
  XImage* image = nullptr;
  std::vector<std::uint32_t> screenPixels;
  PanelView* view = nullptr;
  int redShift = 0, greenShift = 0, blueShift = 0;
  bool destroyed = false;
};

}  // namespace sweepfilter
