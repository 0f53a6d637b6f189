#include "RgbImage.h"

#include <fstream>
#include <iterator>

namespace sweepfilter {

namespace {

std::uint32_t little(const unsigned char* bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[at + i];
  return value;
}

// Far beyond any panel, and small enough that no size computation overflows.
constexpr std::int32_t largestSide = 16384;

}  // namespace

std::string readBmp(const std::string& path, RgbImage& image) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return "cannot open '" + path + "'";
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return readBmp(bytes.data(), bytes.size(), path, image);
}

std::string readBmp(const unsigned char* bytes, std::size_t size, const std::string& path, RgbImage& image) {
  const std::string notReadable = "'" + path + "' is not an uncompressed 8- or 24-bit bitmap";
  constexpr std::size_t fileHeader = 14, infoHeader = 40;
  if (size < fileHeader + infoHeader || bytes[0] != 'B' || bytes[1] != 'M') return notReadable;
  const std::uint32_t offset = little(bytes, 10, 4), headerSize = little(bytes, 14, 4);
  const auto width = static_cast<std::int32_t>(little(bytes, 18, 4));
  const auto signedHeight = static_cast<std::int32_t>(little(bytes, 22, 4));
  const std::uint32_t bits = little(bytes, 28, 2), compression = little(bytes, 30, 4);
  std::uint32_t colours = little(bytes, 46, 4);
  const bool bottomUp = signedHeight > 0;
  const std::int32_t height = bottomUp ? signedHeight : -signedHeight;
  if (headerSize < infoHeader || compression != 0 || (bits != 8 && bits != 24) || width <= 0 || height <= 0 ||
      width > largestSide || height > largestSide)
    return notReadable;
  if (colours == 0 || colours > 256) colours = 256;
  const std::size_t palette = fileHeader + headerSize;
  const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  if ((bits == 8 && palette + 4 * colours > size) || offset + stride * height > size)
    return "'" + path + "' is cut short";

  image.width = width;
  image.height = height;
  image.pixels.assign(static_cast<std::size_t>(width) * height, 0);
  for (std::int32_t y = 0; y < height; ++y) {
    const std::size_t row = offset + stride * (bottomUp ? height - 1 - y : y);
    for (std::int32_t x = 0; x < width; ++x) {
      std::size_t bgr = row + 3 * static_cast<std::size_t>(x);
      if (bits == 8) {
        const unsigned index = bytes[row + x];
        if (index >= colours) return "'" + path + "' uses a colour its palette lacks";
        bgr = palette + 4 * index;
      }
      image.pixels[static_cast<std::size_t>(y) * width + x] = little(bytes, bgr, 3);
    }
  }
  return {};
}

}  // namespace sweepfilter
