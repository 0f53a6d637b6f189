#pragma once

#include <windows.h>

namespace sweepfilter {

// The loaded library's own handle: bitmaps and the panel's window class come from it.
extern HINSTANCE moduleInstance;

}  // namespace sweepfilter
