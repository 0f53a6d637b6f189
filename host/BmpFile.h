#pragma once

#include <cstdint>
#include <string>

namespace sweepfilter {

// Bytes in one row of a 24-bit BMP: three per pixel, padded to four.
inline std::uint32_t bmpRowBytes(int width) { return (3 * static_cast<std::uint32_t>(width) + 3) & ~3u; }

// Writes a 24-bit BMP file of `rows`: `height` rows of bmpRowBytes(width)
// bytes, blue, green, red, bottom row first, as the file keeps them.
// "" or a one-line reason; a failed write leaves no file.
std::string writeBmp24(const std::string& path, int width, int height, const char* rows);

}  // namespace sweepfilter
