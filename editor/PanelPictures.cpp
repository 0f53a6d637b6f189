#include "PanelPictures.h"

#include <new>

namespace sweepfilter {

namespace {

constexpr bool followsTheBackground(const panel_bitmaps::BitmapInfo& info) {
  const int offset = info.id - panel_bitmaps::background.id;
  return offset >= 0 && offset < static_cast<int>(PanelPictures::pictureCount);
}

constexpr bool idsFollowTheBackground() {
  for (const panel_bitmaps::BitmapInfo& info : panel_bitmaps::all)
    if (!followsTheBackground(info)) return false;
  for (const panel_bitmaps::BitmapInfo& info : panel_bitmaps::doors)
    if (!followsTheBackground(info)) return false;
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
