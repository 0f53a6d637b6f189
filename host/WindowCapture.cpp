#include "WindowCapture.h"

#include <cstdint>

#include "LittleEndian.h"
#include "OutputFile.h"

namespace sweepfilter {

namespace {
constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t infoHeaderSize = 40;

// A 24-bit colour copy of the window's client area, rows bottom-up as a BMP file keeps them.
class ClientPixels {
 public:
  explicit ClientPixels(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    width = client.right;
    height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = infoHeaderSize;
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
  std::uint32_t rowBytes() const { return (3 * static_cast<std::uint32_t>(width) + 3) & ~3u; }
  std::uint32_t imageBytes() const { return rowBytes() * static_cast<std::uint32_t>(height); }
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
  unsigned char headers[fileHeaderSize + infoHeaderSize] = {};
  unsigned char* file = headers;
  unsigned char* info = headers + fileHeaderSize;
  file[0] = 'B';
  file[1] = 'M';
  writeLe32(file + 2, fileHeaderSize + infoHeaderSize + pixels.imageBytes());
  writeLe32(file + 10, fileHeaderSize + infoHeaderSize);
  writeLe32(info, infoHeaderSize);
  writeLe32(info + 4, static_cast<std::uint32_t>(pixels.width));
  writeLe32(info + 8, static_cast<std::uint32_t>(pixels.height));
  writeLe16(info + 12, 1);
  writeLe16(info + 14, 24);
  writeLe32(info + 20, pixels.imageBytes());

  OutputFile output(path);
  if (!output.ok()) return output.error();
  output.stream().write(reinterpret_cast<const char*>(headers), sizeof headers);
  output.stream().write(pixels.data(), pixels.imageBytes());
  if (!output.commit()) return output.error();
  return {};
}

}  // namespace sweepfilter
