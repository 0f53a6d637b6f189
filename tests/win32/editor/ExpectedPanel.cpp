#include "ExpectedPanel.h"

#include <algorithm>
#include <cstdint>

namespace sweepfilter {

namespace {

using namespace panel_bitmaps;

constexpr COLORREF transparentWhite = RGB(255, 255, 255);
constexpr int sliderTravelTop = 36;
constexpr float sliderTravel = 173.0f;

bool inside(const Rect& rect, int x, int y) {
  return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

COLORREF backgroundAt(int x, int y) { return picture(background.id).pixel(x, y); }

// The handle over the track; where the handle is pure white the background shows.
COLORREF sliderAt(const ExpectedControl& control, int handleTop, int x, int y) {
  const Canvas& handle = picture(sliderHandle.id);
  const int hx = x - control.painted.left, hy = y - handleTop;
  if (hx >= 0 && hx < handle.width() && hy >= 0 && hy < handle.height()) {
    const COLORREF colour = handle.pixel(hx, hy);
    if (colour != transparentWhite) return colour;
  }
  return backgroundAt(x, y);
}

COLORREF controlAt(const ExpectedControl& control, int frame, int x, int y) {
  if (control.look == Look::slider) return sliderAt(control, frame, x, y);
  return picture(control.picture.id)
      .pixel(x - control.painted.left, frame * control.picture.frameHeight + y - control.painted.top);
}

}  // namespace

const ExpectedControl expectedControls[numParameters] = {
    {paramResonance, Look::knob, {165, 40, 240, 107}, resonanceKnob},
    {paramCutoff, Look::knob, {68, 40, 143, 107}, cutoffKnob},
    {paramLevelTrack, Look::knob, {263, 40, 338, 107}, levelTrackKnob},
    {paramLfoRate, Look::knob, {165, 200, 240, 267}, lfoRateKnob},
    {paramCutRange, Look::threeWay, {79, 145, 124, 161}, slideSwitch3},
    {paramTrackDest, Look::threeWay, {273, 109, 318, 125}, slideSwitch3},
    {paramSoftHard, Look::twoWay, {273, 140, 318, 156}, slideSwitch2},
    {paramLfoWave, Look::threeWay, {72, 200, 142, 274}, lfoWaveSelector},
    {paramLfoTrigger, Look::threeWay, {267, 200, 337, 274}, lfoTriggerSelector},
    {paramMode, Look::lamp, {42, 218, 72, 248}, modeButton},
    {paramInput, Look::slider, {20, 20, 44, 257}, sliderHandle},
    {paramOutput, Look::slider, {363, 20, 387, 257}, sliderHandle},
};

const ExpectedControl& expectedControl(ParameterIndex parameter) {
  return *std::find_if(std::begin(expectedControls), std::end(expectedControls),
                       [&](const ExpectedControl& control) { return control.parameter == parameter; });
}

int middleX(ParameterIndex parameter) {
  const Rect& rect = expectedControl(parameter).painted;
  return (rect.left + rect.right) / 2;
}

int middleY(ParameterIndex parameter) {
  const Rect& rect = expectedControl(parameter).painted;
  return (rect.top + rect.bottom) / 2;
}

int frameFor(const ExpectedControl& control, float value) {
  const BitmapInfo& strip = control.picture;
  switch (control.look) {
    case Look::knob: {
      // The strip's row offset, truncated, then the frame that starts at or above it.
      const auto row =
          static_cast<std::int64_t>(static_cast<double>(value) * strip.frameHeight * (strip.frameCount - 1));
      return value > 0 ? static_cast<int>(std::min<std::int64_t>(row / strip.frameHeight, strip.frameCount - 1)) : 0;
    }
    case Look::threeWay:
      return value > 0.66f ? 2 : value > 0.33f ? 1 : 0;
    case Look::twoWay:
      return value > 0.5f ? 1 : 0;
    case Look::lamp:
      return value > 0 ? 1 : 0;
    case Look::slider:
      return std::max(sliderTravelTop + static_cast<int>((1 - value) * sliderTravel), sliderTravelTop);
  }
  return 0;
}

std::string panelDifference(const Canvas& shown, const ParameterValues& values) {
  return firstDifference(shown, Rect(0, 0, background.width, background.height), [&](int x, int y) {
    COLORREF colour = backgroundAt(x, y);
    for (const ExpectedControl& control : expectedControls)
      if (inside(control.painted, x, y))
        colour = controlAt(control, frameFor(control, values[control.parameter]), x, y);
    return colour;
  });
}

std::string controlDifference(const Canvas& shown, const ExpectedControl& control, int frame) {
  return firstDifference(shown, control.painted, [&](int x, int y) { return controlAt(control, frame, x, y); });
}

}  // namespace sweepfilter
