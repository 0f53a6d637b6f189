#include "ModuleInstance.h"

namespace sweepfilter {
HINSTANCE moduleInstance = nullptr;
}  // namespace sweepfilter

// Stored on every call, whatever the reason: the handle does not change while loaded.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID) {
  sweepfilter::moduleInstance = instance;
  return TRUE;
}
