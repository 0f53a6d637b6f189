#pragma once

#include <windows.h>

#include <string>

namespace sweepfilter {

// Writes what the window's client area shows (children included) to a 24-bit
// BMP file. Returns "" or a one-line reason; a failed capture leaves no file.
// The pixels are read from the window's own surface, so it must be on screen
// and painted.
std::string saveClientAreaAsBmp(HWND window, const std::string& path);

}  // namespace sweepfilter
