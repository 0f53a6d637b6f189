#include "Win32Panel.h"

#include <new>
#include <utility>

#include "FilmStripKnob.h"
#include "LfoSync.h"
#include "LfoSyncDisplay.h"
#include "MultiPositionSwitch.h"
#include "OnOffButton.h"
#include "PanelFrame.h"
#include "PanelLayout.h"
#include "PanelOwner.h"
#include "Parameters.h"
#include "VerticalSlider.h"

namespace sweepfilter {

namespace {

Point topLeft(const Rect& rect) { return Point(rect.left, rect.top); }

}  // namespace

bool Win32Panel::open(HWND parent, Rect& area) {
  close();
  if (build(parent, area)) return true;
  close();
  return false;
}

void Win32Panel::close() {
  delete frame;
  frame = nullptr;
  controls = {};
  syncDisplay = nullptr;
  pictures.release();
}

HWND Win32Panel::window() const { return frame ? frame->getWindow() : nullptr; }

void Win32Panel::refresh() {
  if (!frame) return;
  for (Control* control : controls) control->setValue(owner.parameterValue(control->getTag()));
  if (syncDisplay) syncDisplay->setValue(owner.parameterValue(lfoSyncId));
  showSync();
}

float Win32Panel::shownValue(std::int32_t index) const {
  if (index == lfoSyncId && syncDisplay) return syncDisplay->getValue();
  if (!isParameter(index)) return 0.0f;
  // While the panel is being built, some controls are still missing.
  const Control* control = controls[panel_layout::slotOf(static_cast<ParameterIndex>(index))];
  return control ? control->getValue() : 0.0f;
}

void Win32Panel::valueChanged(Control& control) {
  const std::int32_t tag = control.getTag();
  if (!isParameter(tag) && !(tag == lfoSyncId && syncDisplay)) return;
  owner.userMoved(tag, control.getValue());
  refresh();
}

bool Win32Panel::build(HWND parent, Rect& area) {
  PanelBitmap* background = pictures.load(panel_bitmaps::background);
  if (!background) return false;
  area = Rect(0, 0, background->getWidth(), background->getHeight());
  frame = new (std::nothrow) PanelFrame(area, parent);
  if (!frame) return false;
  frame->setBackground(background);
  for (const panel_bitmaps::BitmapInfo* picture : panel_layout::controlPictures)
    if (!pictures.load(*picture)) return false;

  for (std::size_t slot = 0; slot < controls.size(); ++slot)
    controls[slot] = place(panel_layout::controlsInOrder[slot]);
  // A control that could not be made is missing from the frame.
  if (frame->getControlCount() != numParameters) return false;
  if (!withLfoSync) return true;
  if (!placeSyncDisplay()) return false;
  showSync();
  return true;
}

bool Win32Panel::placeSyncDisplay() {
  for (const panel_bitmaps::BitmapInfo& picture : panel_bitmaps::doors)
    if (!pictures.load(picture)) return false;
  syncDisplay =
      place<LfoSyncDisplay>(panel_layout::lfoSyncDisplay, this, lfoSyncId, panel_bitmaps::lfoSyncDisplay.frameHeight,
                            pictures[panel_bitmaps::lfoSyncDisplay]);
  return syncDisplay != nullptr;
}

void Win32Panel::showSync() {
  if (!syncDisplay) return;
  // While the LFO follows the song its freq. knob shows that it does nothing.
  const bool synced = lfoSyncSettingOf(syncDisplay->getValue()) != lfoSyncFree;
  auto* knob = static_cast<FilmStripKnob*>(controls[panel_layout::slotOf(paramLfoRate)]);
  knob->showFrom(pictures[synced ? panel_bitmaps::lfoRateKnobSynced : panel_bitmaps::lfoRateKnob]);
}

Control* Win32Panel::place(const panel_layout::PlacedControl& placed) {
  switch (placed.kind) {
    case panel_layout::ControlKind::knob:
      return placeKnob(*placed.strip);
    case panel_layout::ControlKind::selector:
      return placeSwitch(*placed.strip);
    case panel_layout::ControlKind::button:
      return placeButton(*placed.strip);
    case panel_layout::ControlKind::slider:
      break;
  }
  return placeSlider(*placed.slider);
}

template <typename ControlClass, typename... Arguments>
ControlClass* Win32Panel::place(Arguments&&... arguments) {
  auto* control = new (std::nothrow) ControlClass(std::forward<Arguments>(arguments)...);
  if (!control) return nullptr;
  control->setValue(owner.parameterValue(control->getTag()));
  if (!frame->addControl(control)) {
    delete control;
    return nullptr;
  }
  return control;
}

FilmStripKnob* Win32Panel::placeKnob(const panel_layout::StripPlacement& knob) {
  return place<FilmStripKnob>(knob.rect, this, knob.tag, knob.strip.frameCount, knob.strip.frameHeight,
                              pictures[knob.strip], topLeft(knob.rect));
}

// A switch has a position per frame of its picture.
MultiPositionSwitch* Win32Panel::placeSwitch(const panel_layout::StripPlacement& selector) {
  return place<MultiPositionSwitch>(selector.rect, this, selector.tag, selector.strip.frameCount,
                                    selector.strip.frameHeight, selector.strip.frameCount, pictures[selector.strip],
                                    topLeft(selector.rect));
}

OnOffButton* Win32Panel::placeButton(const panel_layout::StripPlacement& button) {
  return place<OnOffButton>(button.rect, this, button.tag, button.strip.frameHeight, pictures[button.strip],
                            topLeft(button.rect));
}

VerticalSlider* Win32Panel::placeSlider(const panel_layout::SliderPlacement& slider) {
  return place<VerticalSlider>(
      slider.rect, this, slider.tag, slider.travelTop, slider.travelBottom, pictures[slider.handle], slider.track,
      Rect(0, 0, slider.handle.width, slider.handle.height), pictures[panel_bitmaps::background]);
}

}  // namespace sweepfilter
