#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "View.h"

namespace sweepfilter {

// The program's one top-level window (making and destroying top-level
// windows is slow under Xvfb), at the screen's top-left corner.
HWND testWindow();

// Handles this thread's messages for about the given time.
void pumpMessages(int milliseconds);
// Handles messages until the condition holds; false if it did not within the time.
bool pumpUntil(const std::function<bool()>& condition, int timeoutMilliseconds);

// The button presses the message loop has handled since the last call.
std::vector<MSG> takePresses();

// An owner for drawing contexts made outside a frame; counts its updates.
struct CountingOwner : View {
  CountingOwner() : View(Rect()) {}
  void update(DrawContext&) override { ++updates; }
  int updates = 0;
};

}  // namespace sweepfilter
