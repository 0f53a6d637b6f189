#pragma once

#include <cstddef>
#include <cstdint>

#include "PanelResources.h"
#include "Parameters.h"
#include "Rect.h"

// The panel's content: which control sits where, which parameter it sets and
// which picture it shows. Every rectangle is exactly one frame of its picture,
// so the pictures' sizes place the controls. Both panels make, paint and hand
// a press to the controls in the order of controlsInOrder.
namespace sweepfilter::panel_layout {

using panel_bitmaps::BitmapInfo;

// One frame of a strip with its top-left corner at (x, y).
constexpr Rect frameAt(std::int32_t x, std::int32_t y, const BitmapInfo& strip) {
  return {x, y, x + strip.width, y + strip.frameHeight};
}

// A knob, a switch or the button: one picture, frames chosen by the value.
// A switch has as many positions as its picture has frames.
struct StripPlacement {
  ParameterIndex tag;
  Rect rect;
  const BitmapInfo& strip;
};

// A slider: the handle's top edge travels from travelTop (value 1) to
// travelBottom (value 0) and the track behind it is repainted from the background.
struct SliderPlacement {
  ParameterIndex tag;
  Rect rect;
  std::int32_t travelTop;
  std::int32_t travelBottom;
  Rect track;
  const BitmapInfo& handle;
};

constexpr StripPlacement stripAt(ParameterIndex tag, std::int32_t x, std::int32_t y, const BitmapInfo& strip) {
  return {tag, frameAt(x, y, strip), strip};
}

// Both sliders share their rows; the rectangle reaches below the handle's travel.
constexpr SliderPlacement sliderAt(ParameterIndex tag, std::int32_t left) {
  constexpr std::int32_t top = 36, bottom = 283, travelBottom = 209, trackTop = 20, trackBottom = 257;
  const BitmapInfo& handle = panel_bitmaps::sliderHandle;
  const std::int32_t right = left + handle.width;
  return {tag, {left, top, right, bottom}, top, travelBottom, {left, trackTop, right, trackBottom}, handle};
}

inline constexpr StripPlacement resonanceKnob = stripAt(paramResonance, 165, 40, panel_bitmaps::resonanceKnob);
inline constexpr StripPlacement cutoffKnob = stripAt(paramCutoff, 68, 40, panel_bitmaps::cutoffKnob);
inline constexpr StripPlacement levelTrackKnob = stripAt(paramLevelTrack, 263, 40, panel_bitmaps::levelTrackKnob);
inline constexpr StripPlacement lfoRateKnob = stripAt(paramLfoRate, 165, 200, panel_bitmaps::lfoRateKnob);
inline constexpr StripPlacement cutRangeSwitch = stripAt(paramCutRange, 79, 145, panel_bitmaps::slideSwitch3);
inline constexpr StripPlacement trackDestSwitch = stripAt(paramTrackDest, 273, 109, panel_bitmaps::slideSwitch3);
inline constexpr StripPlacement softHardSwitch = stripAt(paramSoftHard, 273, 140, panel_bitmaps::slideSwitch2);
inline constexpr StripPlacement lfoWaveSwitch = stripAt(paramLfoWave, 72, 200, panel_bitmaps::lfoWaveSelector);
inline constexpr StripPlacement lfoTriggerSwitch =
    stripAt(paramLfoTrigger, 267, 200, panel_bitmaps::lfoTriggerSelector);
inline constexpr StripPlacement modeButton = stripAt(paramMode, 42, 218, panel_bitmaps::modeButton);
inline constexpr SliderPlacement inputSlider = sliderAt(paramInput, 20);
inline constexpr SliderPlacement outputSlider = sliderAt(paramOutput, 363);

// How a placed control maps the pointer and picks its frame.
enum class ControlKind { knob, selector, button, slider };

struct PlacedControl {
  ControlKind kind;
  const StripPlacement* strip;    // null for a slider
  const SliderPlacement* slider;  // null for the others

  constexpr const Rect& rect() const { return kind == ControlKind::slider ? slider->rect : strip->rect; }
  constexpr ParameterIndex tag() const { return kind == ControlKind::slider ? slider->tag : strip->tag; }
};

// Every control, in the order of making, painting and taking a press: the
// only place that order is written.
inline constexpr PlacedControl controlsInOrder[] = {
    {ControlKind::knob, &resonanceKnob, nullptr},        {ControlKind::knob, &cutoffKnob, nullptr},
    {ControlKind::knob, &levelTrackKnob, nullptr},       {ControlKind::knob, &lfoRateKnob, nullptr},
    {ControlKind::selector, &cutRangeSwitch, nullptr},   {ControlKind::selector, &trackDestSwitch, nullptr},
    {ControlKind::selector, &softHardSwitch, nullptr},   {ControlKind::selector, &lfoWaveSwitch, nullptr},
    {ControlKind::selector, &lfoTriggerSwitch, nullptr}, {ControlKind::button, &modeButton, nullptr},
    {ControlKind::slider, nullptr, &inputSlider},        {ControlKind::slider, nullptr, &outputSlider},
};

// Where the control of a parameter sits in controlsInOrder.
constexpr std::size_t slotOf(ParameterIndex parameter) {
  std::size_t slot = 0;
  while (slot < std::size(controlsInOrder) && controlsInOrder[slot].tag() != parameter) ++slot;
  return slot;
}

constexpr bool oneControlPerParameter() {
  if (std::size(controlsInOrder) != numParameters) return false;
  for (std::int32_t index = 0; index < numParameters; ++index)
    if (slotOf(static_cast<ParameterIndex>(index)) == std::size(controlsInOrder)) return false;
  return true;
}
static_assert(oneControlPerParameter(), "the panel needs exactly one control per parameter");

// The doors' "LFO sync" display, in the free end of the LFO section's title
// band, one frame per setting. Not among controlsInOrder: the DLL's panel
// never makes it; the LV2 and CLAP panels show it when their door asks, and
// then show the LFO freq. knob from lfoRateKnobSynced while a setting other
// than FREE leaves that knob without effect.
inline constexpr Rect lfoSyncDisplay = frameAt(264, 184, panel_bitmaps::lfoSyncDisplay);

// The pictures the controls use, in the order of loading (after the background).
inline constexpr const BitmapInfo* controlPictures[] = {
    &panel_bitmaps::cutoffKnob,      &panel_bitmaps::resonanceKnob,      &panel_bitmaps::levelTrackKnob,
    &panel_bitmaps::lfoRateKnob,     &panel_bitmaps::slideSwitch3,       &panel_bitmaps::slideSwitch2,
    &panel_bitmaps::lfoWaveSelector, &panel_bitmaps::lfoTriggerSelector, &panel_bitmaps::modeButton,
    &panel_bitmaps::sliderHandle,
};

}  // namespace sweepfilter::panel_layout
