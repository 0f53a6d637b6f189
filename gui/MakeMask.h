#pragma once

#include <windows.h>

namespace sweepfilter {

// A new monochrome bitmap of the bitmap's size: 1 where the bitmap's pixel is
// the colour, 0 elsewhere. The caller owns it.
HBITMAP makeMask(HDC target, HBITMAP bitmap, COLORREF colour);

}  // namespace sweepfilter
