#pragma once

#include <cstdint>

#include "EditorBase.h"
#include "PanelOwner.h"
#include "Win32Panel.h"

namespace sweepfilter {

class EffectBase;

// The DLL's editor: the panel in the host's window, owned by the effect. A
// control the user moves sets its parameter through setParameterAndNotify, so
// the host hears of it; values the host sets show after the next idle call
// and the panel's timer tick. Everything here runs on the host's
// user-interface thread.
class SweepFilterEditor final : public EditorBase, public PanelOwner {
 public:
  // Attaches itself to the effect.
  explicit SweepFilterEditor(EffectBase* effect);

  // The panel's size, known before the panel is first opened.
  std::int32_t queryRect(EditorRect** place) override;
  // Answers 0 (and leaves no panel) only if memory runs out.
  std::int32_t openPanel(void* parent) override;
  void closePanel() override { panel.close(); }
  void refreshControls() override { panel.refresh(); }

  float parameterValue(std::int32_t index) override;
  void userMoved(std::int32_t index, float value) override;

 private:
  EditorRect bounds;
  Win32Panel panel{*this};
};

}  // namespace sweepfilter
