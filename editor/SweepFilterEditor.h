#pragma once

#include <cstdint>

#include "ControlListener.h"
#include "EditorBase.h"
#include "PanelPictures.h"

namespace sweepfilter {

class EffectBase;
class FilmStripKnob;
class MultiPositionSwitch;
class OnOffButton;
class PanelFrame;
class VerticalSlider;
namespace panel_layout {
struct StripPlacement;
struct SliderPlacement;
}  // namespace panel_layout

// The effect's panel: a child window in the host's window with a control per
// parameter. A control the user moves sets its parameter through
// setParameterAndNotify, so the host hears of it; values the host sets show
// after the next idle call and the panel's timer tick.
//
// The panel (frame, window, controls and pictures) exists from openPanel to
// closePanel, the next openPanel or the editor's end, whichever comes first.
// Everything here runs on the host's user-interface thread.
class SweepFilterEditor final : public EditorBase, public ControlListener {
 public:
  // Attaches itself to the effect.
  explicit SweepFilterEditor(EffectBase* effect);
  ~SweepFilterEditor() override;

  // The panel's size, known before the panel is first opened.
  std::int32_t queryRect(EditorRect** place) override;
  // Builds a new panel at the top-left corner of the host's window. Answers 0
  // (and leaves no panel) only if memory runs out.
  std::int32_t openPanel(void* parent) override;
  void closePanel() override;
  // Gives every control its parameter's current value; they redraw at the
  // panel's next update. Nothing to do while the panel is closed.
  void refreshControls() override;
  // A user's move: the only way a value goes from the panel to the host.
  void valueChanged(Control& control) override;

 private:
  bool buildPanel(void* parent);
  // Makes a control, gives it its parameter's value and hands it to the frame;
  // null (and nothing added) when memory runs out.
  template <typename ControlClass, typename... Arguments>
  ControlClass* place(Arguments&&... arguments);
  FilmStripKnob* placeKnob(const panel_layout::StripPlacement& placement);
  MultiPositionSwitch* placeSwitch(const panel_layout::StripPlacement& placement);
  OnOffButton* placeButton(const panel_layout::StripPlacement& placement);
  VerticalSlider* placeSlider(const panel_layout::SliderPlacement& placement);
  // The frame goes first: its window is destroyed before its controls and
  // before the pictures they draw from.
  void releasePanel();

  EditorRect bounds;
  PanelFrame* frame = nullptr;
  // Reach the controls the frame owns; null while the panel is closed.
  FilmStripKnob* resonanceKnob = nullptr;
  FilmStripKnob* cutoffKnob = nullptr;
  FilmStripKnob* levelTrackKnob = nullptr;
  FilmStripKnob* lfoRateKnob = nullptr;
  MultiPositionSwitch* cutRangeSwitch = nullptr;
  MultiPositionSwitch* trackDestSwitch = nullptr;
  MultiPositionSwitch* softHardSwitch = nullptr;
  MultiPositionSwitch* lfoWaveSwitch = nullptr;
  MultiPositionSwitch* lfoTriggerSwitch = nullptr;
  OnOffButton* modeButton = nullptr;
  VerticalSlider* inputSlider = nullptr;
  VerticalSlider* outputSlider = nullptr;
  PanelPictures pictures;
};

}  // namespace sweepfilter
