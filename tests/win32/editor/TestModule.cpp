#include "ModuleInstance.h"

namespace sweepfilter {

// The plug-in's own library: the expected pictures are read from its
// resources (through the helpers that load from moduleInstance), and its
// instances are made through its main. Loaded before the tests run.
HINSTANCE moduleInstance = LoadLibraryA("SweepFilter.dll");

}  // namespace sweepfilter
