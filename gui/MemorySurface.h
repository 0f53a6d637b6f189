#pragma once

#include <windows.h>

namespace sweepfilter {

// A memory device context compatible with another surface, holding one
// bitmap for its lifetime. Puts the context's own bitmap back before the
// context goes, and deletes the held bitmap too when it was given ownership.
class MemorySurface {
 public:
  enum class Ownership { borrowed, owned };

  MemorySurface(HDC compatibleWith, HBITMAP bitmap, Ownership ownership = Ownership::borrowed);
  ~MemorySurface();

  MemorySurface(const MemorySurface&) = delete;
  MemorySurface& operator=(const MemorySurface&) = delete;

  operator HDC() const { return dc; }

 private:
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ previous;
  Ownership ownership;
};

}  // namespace sweepfilter
