#include "BmpFile.h"

#include "LittleEndian.h"
#include "OutputFile.h"

namespace sweepfilter {

namespace {
constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t infoHeaderSize = 40;
}  // namespace

std::string writeBmp24(const std::string& path, int width, int height, const char* rows) {
  const std::uint32_t imageBytes = bmpRowBytes(width) * static_cast<std::uint32_t>(height);
  unsigned char headers[fileHeaderSize + infoHeaderSize] = {};
  unsigned char* file = headers;
  unsigned char* info = headers + fileHeaderSize;
  file[0] = 'B';
  file[1] = 'M';
  writeLe32(file + 2, fileHeaderSize + infoHeaderSize + imageBytes);
  writeLe32(file + 10, fileHeaderSize + infoHeaderSize);
  writeLe32(info, infoHeaderSize);
  writeLe32(info + 4, static_cast<std::uint32_t>(width));
  writeLe32(info + 8, static_cast<std::uint32_t>(height));
  writeLe16(info + 12, 1);
  writeLe16(info + 14, 24);
  writeLe32(info + 20, imageBytes);

  OutputFile output(path);
  if (!output.ok()) return output.error();
  output.stream().write(reinterpret_cast<const char*>(headers), sizeof headers);
  output.stream().write(rows, imageBytes);
  if (!output.commit()) return output.error();
  return {};
}

}  // namespace sweepfilter
