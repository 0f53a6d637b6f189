#include "SweepFilterEditor.h"

#include <windows.h>

#include <new>
#include <utility>

#include "EffectBase.h"
#include "FilmStripKnob.h"
#include "MultiPositionSwitch.h"
#include "OnOffButton.h"
#include "PanelFrame.h"
#include "PanelLayout.h"
#include "Parameters.h"
#include "VerticalSlider.h"

namespace sweepfilter {

namespace {

Point topLeft(const Rect& rect) { return Point(rect.left, rect.top); }

}  // namespace

SweepFilterEditor::SweepFilterEditor(EffectBase* effect)
    : EditorBase(effect), bounds{0, 0, panel_bitmaps::background.height, panel_bitmaps::background.width} {
  effect->attachEditor(this);
}

SweepFilterEditor::~SweepFilterEditor() { releasePanel(); }

std::int32_t SweepFilterEditor::queryRect(EditorRect** place) {
  if (place) *place = &bounds;
  return 1;
}

std::int32_t SweepFilterEditor::openPanel(void* parent) {
  releasePanel();
  parentWindow = parent;
  if (buildPanel(parent)) return 1;
  releasePanel();
  return 0;
}

void SweepFilterEditor::closePanel() { releasePanel(); }

void SweepFilterEditor::refreshControls() {
  if (!frame) return;
  Control* const inRefreshOrder[] = {resonanceKnob,  cutoffKnob,       levelTrackKnob, lfoRateKnob,
                                     lfoWaveSwitch,  lfoTriggerSwitch, cutRangeSwitch, trackDestSwitch,
                                     softHardSwitch, modeButton,       inputSlider,    outputSlider};
  for (Control* control : inRefreshOrder) control->setValue(effect->getParameterValue(control->getTag()));
}

void SweepFilterEditor::valueChanged(Control& control) {
  const std::int32_t tag = control.getTag();
  if (!isParameter(tag)) return;
  effect->setParameterAndNotify(tag, control.getValue());
  refreshControls();
}

bool SweepFilterEditor::buildPanel(void* parent) {
  PanelBitmap* background = pictures.load(panel_bitmaps::background);
  if (!background) return false;
  const Rect panel(0, 0, background->getWidth(), background->getHeight());
  bounds = {0, 0, static_cast<std::int16_t>(panel.bottom), static_cast<std::int16_t>(panel.right)};
  frame = new (std::nothrow) PanelFrame(panel, static_cast<HWND>(parent));
  if (!frame) return false;
  frame->setBackground(background);
  for (const panel_bitmaps::BitmapInfo* picture : panel_layout::controlPictures)
    if (!pictures.load(*picture)) return false;

  resonanceKnob = placeKnob(panel_layout::resonanceKnob);
  cutoffKnob = placeKnob(panel_layout::cutoffKnob);
  levelTrackKnob = placeKnob(panel_layout::levelTrackKnob);
  lfoRateKnob = placeKnob(panel_layout::lfoRateKnob);
  cutRangeSwitch = placeSwitch(panel_layout::cutRangeSwitch);
  trackDestSwitch = placeSwitch(panel_layout::trackDestSwitch);
  softHardSwitch = placeSwitch(panel_layout::softHardSwitch);
  lfoWaveSwitch = placeSwitch(panel_layout::lfoWaveSwitch);
  lfoTriggerSwitch = placeSwitch(panel_layout::lfoTriggerSwitch);
  modeButton = placeButton(panel_layout::modeButton);
  inputSlider = placeSlider(panel_layout::inputSlider);
  outputSlider = placeSlider(panel_layout::outputSlider);
  // A control that could not be made is missing from the frame.
  return frame->getControlCount() == numParameters;
}

template <typename ControlClass, typename... Arguments>
ControlClass* SweepFilterEditor::place(Arguments&&... arguments) {
  auto* control = new (std::nothrow) ControlClass(std::forward<Arguments>(arguments)...);
  if (!control) return nullptr;
  control->setValue(effect->getParameterValue(control->getTag()));
  if (!frame->addControl(control)) {
    delete control;
    return nullptr;
  }
  return control;
}

FilmStripKnob* SweepFilterEditor::placeKnob(const panel_layout::StripPlacement& knob) {
  return place<FilmStripKnob>(knob.rect, this, knob.tag, knob.strip.frameCount, knob.strip.frameHeight,
                              pictures[knob.strip], topLeft(knob.rect));
}

// A switch has a position per frame of its picture.
MultiPositionSwitch* SweepFilterEditor::placeSwitch(const panel_layout::StripPlacement& selector) {
  return place<MultiPositionSwitch>(selector.rect, this, selector.tag, selector.strip.frameCount,
                                    selector.strip.frameHeight, selector.strip.frameCount, pictures[selector.strip],
                                    topLeft(selector.rect));
}

OnOffButton* SweepFilterEditor::placeButton(const panel_layout::StripPlacement& button) {
  return place<OnOffButton>(button.rect, this, button.tag, button.strip.frameHeight, pictures[button.strip],
                            topLeft(button.rect));
}

VerticalSlider* SweepFilterEditor::placeSlider(const panel_layout::SliderPlacement& slider) {
  return place<VerticalSlider>(
      slider.rect, this, slider.tag, slider.travelTop, slider.travelBottom, pictures[slider.handle], slider.track,
      Rect(0, 0, slider.handle.width, slider.handle.height), pictures[panel_bitmaps::background]);
}

void SweepFilterEditor::releasePanel() {
  delete frame;
  frame = nullptr;
  resonanceKnob = cutoffKnob = levelTrackKnob = lfoRateKnob = nullptr;
  cutRangeSwitch = trackDestSwitch = softHardSwitch = lfoWaveSwitch = lfoTriggerSwitch = nullptr;
  modeButton = nullptr;
  inputSlider = outputSlider = nullptr;
  pictures.release();
}

}  // namespace sweepfilter
