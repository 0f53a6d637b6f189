#include "PanelBitmap.h"

#include "MakeMask.h"
#include "MemorySurface.h"
#include "ModuleInstance.h"

namespace sweepfilter {

namespace {

constexpr COLORREF white = RGB(255, 255, 255);
// Destination AND NOT source: clears the places where the monochrome source is 1.
constexpr DWORD clearWhereSourceSet = 0x00220326;

}  // namespace

PanelBitmap::PanelBitmap(std::uint16_t resourceId) : handle(LoadBitmapA(moduleInstance, MAKEINTRESOURCEA(resourceId))) {
  BITMAP description{};
  if (handle && GetObjectA(handle, sizeof description, &description) == sizeof description) {
    width = description.bmWidth;
    height = description.bmHeight;
  }
}

PanelBitmap::~PanelBitmap() {
  if (handle) DeleteObject(handle);
  if (mask) DeleteObject(mask);
}

void PanelBitmap::draw(DrawContext& context, const Rect& destination, const Point& source) const {
  HDC surface = context.getSurface();
  MemorySurface picture(surface, handle);
  BitBlt(surface, destination.left, destination.top, destination.width(), destination.height(), picture, source.x,
         source.y, SRCCOPY);
}

void PanelBitmap::drawTransparent(DrawContext& context, const Rect& destination, const Point& source) {
  HDC surface = context.getSurface();
  if (!mask) mask = makeMask(surface, handle, white);

  const int w = destination.width();
  const int h = destination.height();
  // A slider far below 0 cuts its handle down to nothing.
  if (w <= 0 || h <= 0) return;
  MemorySurface picture(surface, handle);
  MemorySurface maskSurface(surface, mask);
  // Fresh memory surfaces have a white background and black text, so a mask
  // bit of 1 acts as all colour bits set and 0 as all clear.
  MemorySurface work(surface, CreateCompatibleBitmap(surface, w, h), MemorySurface::Ownership::owned);
  MemorySurface ink(surface, CreateCompatibleBitmap(surface, w, h), MemorySurface::Ownership::owned);

  // The panel's pixels, blackened where the picture is opaque...
  BitBlt(work, 0, 0, w, h, surface, destination.left, destination.top, SRCCOPY);
  BitBlt(work, 0, 0, w, h, maskSurface, source.x, source.y, SRCAND);
  // ...the picture's pixels, blackened where it is white (a copy: the picture itself is never touched)...
  BitBlt(ink, 0, 0, w, h, picture, source.x, source.y, SRCCOPY);
  BitBlt(ink, 0, 0, w, h, maskSurface, source.x, source.y, clearWhereSourceSet);
  // ...combined and put on the panel.
  BitBlt(work, 0, 0, w, h, ink, 0, 0, SRCPAINT);
  BitBlt(surface, destination.left, destination.top, w, h, work, 0, 0, SRCCOPY);
}

}  // namespace sweepfilter
