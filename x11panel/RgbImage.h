#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sweepfilter {

// A picture as 0xRRGGBB pixels, top row first.
struct RgbImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t at(std::int32_t x, std::int32_t y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Reads an uncompressed Windows bitmap file of 8 bits per pixel with a palette
// (the panel's pictures) or 24 bits (a screenshot). "" on success, else why not.
std::string readBmp(const std::string& path, RgbImage& image);
// The same from a bitmap file's bytes; `name` says which in the reasons.
std::string readBmp(const unsigned char* bytes, std::size_t size, const std::string& name, RgbImage& image);

}  // namespace sweepfilter
