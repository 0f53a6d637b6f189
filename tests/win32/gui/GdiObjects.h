#pragma once

#include <windows.h>

#include <cstdint>

namespace sweepfilter {

// Counts the GDI objects this program makes and deletes, by redirecting its
// own imports of the functions that make and delete them (the system's
// per-process count is not kept under wine). Installed before main runs.
namespace gdiObjects {

// Objects made and not yet deleted.
std::int64_t live();
// Deletions of an object that was still selected into a live surface: the
// system refuses (or defers) those.
std::int64_t deletedWhileSelected();
// Counts a loaded library's objects too, through that library's own imports.
void watch(HMODULE module);

}  // namespace gdiObjects

}  // namespace sweepfilter
