#pragma once

#include <array>
#include <cstddef>
#include <memory>

#include "PanelBitmap.h"
#include "PanelResources.h"

namespace sweepfilter {

// The panel's pictures while it is open. The editor is their one owner; the
// frame and the controls only point to them, so they are released after the
// frame.
class PanelPictures {
 public:
  // The DLL's pictures, then the doors' own.
  static constexpr std::size_t pictureCount = std::size(panel_bitmaps::all) + std::size(panel_bitmaps::doors);

  // Loads a picture from the library's resources; null if it cannot be allocated.
  PanelBitmap* load(const panel_bitmaps::BitmapInfo& info);
  // The picture loaded for this resource, or null.
  PanelBitmap* operator[](const panel_bitmaps::BitmapInfo& info) const { return loaded[slot(info)].get(); }
  void release();

 private:
  static std::size_t slot(const panel_bitmaps::BitmapInfo& info) { return info.id - panel_bitmaps::background.id; }

  // One slot per resource id, from the background's id on.
  std::array<std::unique_ptr<PanelBitmap>, pictureCount> loaded;
};

}  // namespace sweepfilter
