#include "PanelPictures.h"

#include <new>

namespace sweepfilter {

namespace {

constexpr bool idsFollowTheBackground() {
  for (const panel_bitmaps::BitmapInfo& info : panel_bitmaps::all) {
    const int offset = info.id - panel_bitmaps::background.id;
    if (offset < 0 || offset >= static_cast<int>(std::size(panel_bitmaps::all))) return false;
  }
  return true;
}
static_assert(idsFollowTheBackground(), "a slot per picture needs the ids to follow the background's");

}  // namespace

PanelBitmap* PanelPictures::load(const panel_bitmaps::BitmapInfo& info) {
  loaded[slot(info)].reset(new (std::nothrow) PanelBitmap(info.id));
  return loaded[slot(info)].get();
}

void PanelPictures::release() {
  for (auto& picture : loaded) picture.reset();
}

}  // namespace sweepfilter
