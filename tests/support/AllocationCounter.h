#pragma once

#include <atomic>

namespace sweepfilter {

// Every operator new of the process, a loaded plug-in's included where it
// links the C++ runtime dynamically (the native builds).
extern std::atomic<long> allocations;

}  // namespace sweepfilter
