#pragma once

#include <windows.h>

#include <cstdint>

namespace sweepfilter {

// Counts the heap allocations a plug-in makes, by redirecting its own imports
// of the allocator functions (C runtime malloc and relatives, HeapAlloc,
// VirtualAlloc, LocalAlloc, GlobalAlloc) to counting wrappers. Whatever
// allocates inside the plug-in, its C++ new included, ends in one of these
// imports unless it links a private allocator, which the self-test shows: the
// allocations of creating an instance must be seen.
namespace allocationHook {
// Patches the module's import table once; answers how many imports it redirected.
int install(HMODULE module);
// Counts the calls made on this thread (and no other) until disarm.
void armForThisThread();
void disarm();
// The allocations counted since the last take.
std::int64_t takeCount();
}  // namespace allocationHook

}  // namespace sweepfilter
