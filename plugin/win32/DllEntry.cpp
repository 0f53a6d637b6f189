#include "ModuleInstance.h"

HINSTANCE moduleInstance = nullptr;

// Stored on every call, whatever the reason: the handle does not change while loaded.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID) {
  moduleInstance = instance;
  return TRUE;
}
