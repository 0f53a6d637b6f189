#pragma once

#include <atomic>
#include <cstdint>

#include "HostProtocol.h"

namespace sweepfilter {

class EffectBase;

// What the effect's dispatcher and parameter operations need from any editor.
// Everything but requestRefresh runs on the host's user-interface thread.
class EditorBase {
 public:
  explicit EditorBase(EffectBase* effect) : effect(effect) {}
  virtual ~EditorBase() = default;
  EditorBase(const EditorBase&) = delete;
  EditorBase& operator=(const EditorBase&) = delete;

  // Stores the address of the panel's rectangle into *place (when place is
  // not null) and answers 1, or answers 0 when there is no panel to size.
  virtual std::int32_t queryRect(EditorRect** place);
  virtual std::int32_t openPanel(void* parent);
  virtual void closePanel() {}
  virtual void idleTick();
  virtual void refreshControls() {}
  // May be called from any thread: one relaxed store, acted on at the next idleTick.
  virtual void requestRefresh() { refreshPending.store(1, std::memory_order_relaxed); }

 protected:
  EffectBase* effect;
  void* parentWindow = nullptr;
  std::atomic<std::int32_t> refreshPending{0};
};

}  // namespace sweepfilter
