#include "ModuleInstance.h"

namespace sweepfilter {

// The test program stands in for the plug-in's library: its own resources hold the test bitmaps.
HINSTANCE moduleInstance = GetModuleHandleA(nullptr);

}  // namespace sweepfilter
