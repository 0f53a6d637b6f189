#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "ControlListener.h"
#include "PanelPictures.h"
#include "Parameters.h"
#include "Rect.h"

namespace sweepfilter {

class Control;
class FilmStripKnob;
class LfoSyncDisplay;
class MultiPositionSwitch;
class OnOffButton;
class PanelFrame;
class PanelOwner;
class VerticalSlider;
namespace panel_layout {
struct StripPlacement;
struct SliderPlacement;
struct PlacedControl;
}  // namespace panel_layout

// The effect's panel: a child window in a host's window with a control per
// parameter, over the GUI toolkit. The frame redraws changed controls on its
// own timer; a user's move goes to the owner.
//
// The panel (frame, window, controls and pictures) exists from open to close,
// the next open or the panel's end, whichever comes first. Everything here
// runs on the thread of the host's window.
class Win32Panel final : public ControlListener {
 public:
  // With `withLfoSync`, the panel also shows the "LFO sync" display (its
  // moves and values under lfoSyncId, as the setting's number) and greys the
  // LFO freq. knob while a setting other than FREE is chosen: for a door whose
  // file carries the doors' pictures. The DLL's panel is without.
  explicit Win32Panel(PanelOwner& owner, bool withLfoSync = false) : owner(owner), withLfoSync(withLfoSync) {}
  ~Win32Panel() { close(); }
  Win32Panel(const Win32Panel&) = delete;
  Win32Panel& operator=(const Win32Panel&) = delete;

  // Builds a new panel at the top-left corner of `parent`, its rectangle in
  // `area`. False (and no panel left) only if memory runs out.
  bool open(HWND parent, Rect& area);
  void close();
  bool isOpen() const { return frame != nullptr; }
  // The panel's own window, or null while it is closed.
  HWND window() const;
  // Gives every control its parameter's value from the owner; they redraw at
  // the frame's next tick. Nothing to do while the panel is closed.
  void refresh();
  // The value the parameter's control (or the LFO sync display) holds now; 0 while it has none.
  float shownValue(std::int32_t index) const;
  // A user's move: the only way a value leaves the panel. The controls are
  // refreshed after it.
  void valueChanged(Control& control) override;

 private:
  bool build(HWND parent, Rect& area);
  bool placeSyncDisplay();
  // The LFO freq. knob's strip for the setting the display shows.
  void showSync();
  Control* place(const panel_layout::PlacedControl& placed);
  // Makes a control, gives it its parameter's value and hands it to the frame;
  // null (and nothing added) when memory runs out.
  template <typename ControlClass, typename... Arguments>
  ControlClass* place(Arguments&&... arguments);
  FilmStripKnob* placeKnob(const panel_layout::StripPlacement& placement);
  MultiPositionSwitch* placeSwitch(const panel_layout::StripPlacement& placement);
  OnOffButton* placeButton(const panel_layout::StripPlacement& placement);
  VerticalSlider* placeSlider(const panel_layout::SliderPlacement& placement);

  PanelOwner& owner;
  const bool withLfoSync;
  // The frame goes first: its window is destroyed before its controls and
  // before the pictures they draw from.
  PanelFrame* frame = nullptr;
  // Reach the controls the frame owns, in the layout's order; null while
  // the panel is closed or a control is not made yet.
  std::array<Control*, numParameters> controls{};
  LfoSyncDisplay* syncDisplay = nullptr;  // null without LFO sync or while closed
  PanelPictures pictures;
};

}  // namespace sweepfilter
