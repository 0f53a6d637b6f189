#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "Rect.h"

namespace sweepfilter {

// An off-screen 24-bit surface whose pixels can be read back exactly.
class Canvas {
 public:
  Canvas(int width, int height);
  // A copy of a bitmap resource of this program, to read expected colours from.
  explicit Canvas(unsigned short resourceId);
  ~Canvas();

  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return surface; }
  int width() const { return w; }
  int height() const { return h; }
  COLORREF pixel(int x, int y) const;
  void fill(COLORREF colour);

 private:
  void create(int width, int height);

  HDC surface = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  BYTE* bits = nullptr;
  int w = 0;
  int h = 0;
};

// The test pictures, loaded once for the whole program.
const Canvas& picture(unsigned short resourceId);

// Compares every pixel of an area with what it should show; describes the
// first difference, or is empty when there is none.
std::string firstDifference(const Canvas& canvas, const Rect& area,
                            const std::function<COLORREF(int x, int y)>& expected);

}  // namespace sweepfilter
