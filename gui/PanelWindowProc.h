#pragma once

#include <windows.h>

namespace sweepfilter {

// Turns paint, timer and left/right button presses into calls on the frame
// found in the window's user data, each with a fresh drawing context. Every
// message then goes to the default procedure.
LRESULT CALLBACK panelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace sweepfilter
