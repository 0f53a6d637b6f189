#include "MemorySurface.h"

namespace sweepfilter {

MemorySurface::MemorySurface(HDC compatibleWith, HBITMAP bitmap, Ownership ownership)
    : dc(CreateCompatibleDC(compatibleWith)),
      bitmap(bitmap),
      previous(SelectObject(dc, bitmap)),
      ownership(ownership) {}

MemorySurface::~MemorySurface() {
  SelectObject(dc, previous);
  DeleteDC(dc);
  if (ownership == Ownership::owned && bitmap) DeleteObject(bitmap);
}

}  // namespace sweepfilter
