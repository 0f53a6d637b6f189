#include "Canvas.h"

#include <cstdio>
#include <map>
#include <memory>

#include "ModuleInstance.h"

namespace sweepfilter {

Canvas::Canvas(int width, int height) { create(width, height); }

Canvas::Canvas(unsigned short resourceId) {
  HBITMAP loaded = LoadBitmapA(moduleInstance, MAKEINTRESOURCEA(resourceId));
  BITMAP size{};
  GetObjectA(loaded, sizeof size, &size);
  create(size.bmWidth, size.bmHeight);
  HDC source = CreateCompatibleDC(surface);
  HGDIOBJ sourcePrevious = SelectObject(source, loaded);
  BitBlt(surface, 0, 0, w, h, source, 0, 0, SRCCOPY);
  SelectObject(source, sourcePrevious);
  DeleteDC(source);
  DeleteObject(loaded);
}

void Canvas::create(int width, int height) {
  w = width;
  h = height;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  bits = static_cast<BYTE*>(pixels);
  surface = CreateCompatibleDC(nullptr);
  previous = SelectObject(surface, bitmap);
}

Canvas::~Canvas() {
  SelectObject(surface, previous);
  DeleteDC(surface);
  DeleteObject(bitmap);
}

COLORREF Canvas::pixel(int x, int y) const {
  GdiFlush();
  const BYTE* p = bits + y * ((3 * w + 3) & ~3) + 3 * x;
  return RGB(p[2], p[1], p[0]);
}

void Canvas::fill(COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  const RECT all{0, 0, w, h};
  FillRect(surface, &all, brush);
  DeleteObject(brush);
}

const Canvas& picture(unsigned short resourceId) {
  static std::map<unsigned short, std::unique_ptr<Canvas>> loaded;
  auto& slot = loaded[resourceId];
  if (!slot) slot = std::make_unique<Canvas>(resourceId);
  return *slot;
}

std::string firstDifference(const Canvas& canvas, const Rect& area, const std::function<COLORREF(int, int)>& expected) {
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF shown = canvas.pixel(x, y);
      const COLORREF wanted = expected(x, y);
      if (shown != wanted) {
        char text[96];
        std::snprintf(text, sizeof text, "pixel (%d, %d) is %06lx, not %06lx", x, y, shown, wanted);
        return text;
      }
    }
  }
  return {};
}

}  // namespace sweepfilter
