#include "EditorBase.h"

namespace sweepfilter {

std::int32_t EditorBase::queryRect(EditorRect** place) {
  if (place) *place = nullptr;
  return 0;
}

std::int32_t EditorBase::openPanel(void* parent) {
  parentWindow = parent;
  return 0;
}

void EditorBase::idleTick() {
  if (refreshPending.exchange(0, std::memory_order_relaxed) != 0) refreshControls();
}

}  // namespace sweepfilter
