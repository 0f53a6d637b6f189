#include "MakeMask.h"

#include "MemorySurface.h"

namespace sweepfilter {

HBITMAP makeMask(HDC target, HBITMAP bitmap, COLORREF colour) {
  BITMAP size{};
  GetObjectA(bitmap, sizeof size, &size);
  HBITMAP mask = CreateBitmap(size.bmWidth, size.bmHeight, 1, 1, nullptr);

  MemorySurface source(target, bitmap);
  MemorySurface monochrome(target, mask);
  SetMapMode(source, GetMapMode(target));
  // Copying colour to monochrome turns the source's background colour into 1 and all else into 0.
  SetBkColor(source, colour);
  BitBlt(monochrome, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
  return mask;
}

}  // namespace sweepfilter
