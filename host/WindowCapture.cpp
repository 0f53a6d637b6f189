#include "WindowCapture.h"

#include "BmpFile.h"

namespace sweepfilter {

namespace {
// A 24-bit colour copy of the window's client area, rows bottom-up as a BMP file keeps them.
class ClientPixels {
 public:
  explicit ClientPixels(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    width = client.right;
    height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(window);
    bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) {
      HDC copy = CreateCompatibleDC(screen);
      HGDIOBJ previous = SelectObject(copy, bitmap);
      copied = BitBlt(copy, 0, 0, width, height, screen, 0, 0, SRCCOPY) != 0;
      SelectObject(copy, previous);
      DeleteDC(copy);
      GdiFlush();
    }
    ReleaseDC(window, screen);
  }
  ~ClientPixels() {
    if (bitmap) DeleteObject(bitmap);
  }
  ClientPixels(const ClientPixels&) = delete;
  ClientPixels& operator=(const ClientPixels&) = delete;

  bool ok() const { return copied && width > 0 && height > 0; }
  const char* data() const { return static_cast<const char*>(bits); }

  int width = 0;
  int height = 0;

 private:
  HBITMAP bitmap = nullptr;
  void* bits = nullptr;
  bool copied = false;
};
}  // namespace

std::string saveClientAreaAsBmp(HWND window, const std::string& path) {
  const ClientPixels pixels(window);
  if (!pixels.ok()) return "cannot read the window's pixels";
  return writeBmp24(path, pixels.width, pixels.height, pixels.data());
}

}  // namespace sweepfilter
