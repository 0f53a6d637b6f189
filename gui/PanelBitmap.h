#pragma once

#include <windows.h>

#include <cstdint>

#include "DrawContext.h"
#include "Point.h"
#include "Rect.h"

namespace sweepfilter {

// A picture from the module's bitmap resources. Film strips keep their frames
// one under the other; the source point of a copy picks the frame.
class PanelBitmap {
 public:
  explicit PanelBitmap(std::uint16_t resourceId);
  ~PanelBitmap();

  PanelBitmap(const PanelBitmap&) = delete;
  PanelBitmap& operator=(const PanelBitmap&) = delete;

  // 0 by 0 when the resource could not be loaded.
  std::int32_t getWidth() const { return width; }
  std::int32_t getHeight() const { return height; }

  // Copies the destination's size from the source point of the picture to
  // the destination. Nothing is clipped to the picture.
  void draw(DrawContext& context, const Rect& destination, const Point& source) const;
  // The same copy, but where the picture is pure white the surface keeps what it showed.
  void drawTransparent(DrawContext& context, const Rect& destination, const Point& source);

 private:
  HBITMAP handle = nullptr;
  // Made by the first transparent copy and kept for all later ones.
  HBITMAP mask = nullptr;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

}  // namespace sweepfilter
