#pragma once

#include <windows.h>

#include <vector>

#include "Point.h"

namespace sweepfilter {

// Real mouse input, sent from a second thread while this thread handles the
// window's messages (and so runs the controls' drag loops).
struct MouseStep {
  enum Kind { move, press, release } kind;
  Point at;  // client coordinates of the window, for moves
  int button;
};

inline MouseStep moveTo(int x, int y) { return {MouseStep::move, Point(x, y), 0}; }
inline MouseStep press(int button = MK_LBUTTON) { return {MouseStep::press, Point(), button}; }
inline MouseStep release(int button = MK_LBUTTON) { return {MouseStep::release, Point(), button}; }

// Plays the steps, then handles the messages they left behind. Answers
// whether every press reached the window where it was aimed: under load,
// wine and the X server occasionally lose or misplace one.
bool playMouse(HWND window, const std::vector<MouseStep>& steps);

// A press and release at one point.
std::vector<MouseStep> clickAt(int x, int y, int button = MK_LBUTTON);

}  // namespace sweepfilter
