#pragma once

#include <windows.h>

namespace sweepfilter {

// Points a module's import of a function (by library and name) at a
// replacement and returns the function it pointed at before, or null when
// the module does not import it. Calls from the toolkit, linked into the
// program, go through the program's imports; a loaded library has its own.
void* redirectImport(const char* library, const char* name, void* replacement,
                     HMODULE module = GetModuleHandleA(nullptr));

}  // namespace sweepfilter
